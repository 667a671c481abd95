#!/usr/bin/env bash
# The program idle under Xvfb with the X11 platform after its start-up search, when the emulated
# transmitter's terminal vanishes (an adapter pulled out): it must release the device and its lock
# and use next to no processor time while it waits.
set -euo pipefail
program="$1"
emulator="$2"
work="$(mktemp -d)"
cleanup() {
    kill "${emulator_pid:-}" 2>/dev/null || true
    [ -s "$work/program.pid" ] && kill -KILL "$(cat "$work/program.pid")" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

port="$work/ttyKOrv"
"$emulator" --model OrvGalDin --firmware 110 --link "$port" --trace >"$work/emulator.log" 2>&1 &
emulator_pid=$!
for _ in $(seq 100); do [ -e "$port" ] && break; sleep 0.05; done
[ -e "$port" ] || { echo "emulator did not start"; cat "$work/emulator.log"; exit 1; }

mkdir -p "$work/config/KOrvSetup"
printf '[Parametros]\nPort=%s\nTemperatura=C\n' "$port" >"$work/config/KOrvSetup/OrvSetup.ini"
(cd "$work" && unset QT_QPA_PLATFORM && XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" LANG=pt_BR.UTF-8 \
    exec xvfb-run -a -s "-screen 0 1024x768x24" \
    sh -c 'echo $$ >"$0"; exec env QT_QPA_PLATFORM=xcb "$1"' "$work/program.pid" "$program") >"$work/program.log" 2>&1 &

# The search ends with the zero-correction register (15).
for _ in $(seq 600); do grep -qi '50 00 0f 00 00' "$work/emulator.log" && break; sleep 0.05; done
grep -qi '50 00 0f 00 00' "$work/emulator.log" || { echo "the search never read the zero correction"; cat "$work/program.log"; exit 1; }
sleep 0.5
pid="$(cat "$work/program.pid" 2>/dev/null || true)"
[ -n "$pid" ] || { echo "program not found"; exit 1; }
ls -l "/proc/$pid/fd" | grep -q '/dev/pts/' || { echo "the port was not open after the search"; exit 1; }

kill "$emulator_pid"
wait "$emulator_pid" 2>/dev/null || true
sleep 0.5
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
before="$(ticks)"
sleep 2
used=$(( $(ticks) - before ))
hz="$(getconf CLK_TCK)"
echo "processor time over 2 s idle after the device vanished: $used ticks of 1/$hz s"
[ "$used" -le $(( hz / 5 )) ] || { echo "the idle program kept the processor busy"; exit 1; }
if ls -l "/proc/$pid/fd" | grep -Eq '/dev/pts/|LCK\.\.'; then
    echo "the vanished device or its lock is still held:"; ls -l "/proc/$pid/fd"; exit 1
fi
kill -0 "$pid" || { echo "program ended"; exit 1; }
echo "smoke test passed: the vanished device was released and the idle program stayed idle"
