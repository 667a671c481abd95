#!/usr/bin/env bash
# Starts the program under Xvfb with the X11 platform against the emulator, waits until the
# start-up search has read the whole configuration, asks the program to close, and checks that it
# ended cleanly and wrote its settings file.
set -euo pipefail
program="$1"
emulator="$2"
work="$(mktemp -d)"
cleanup() { kill "${emulator_pid:-}" "${program_pid:-}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

port="$work/ttyKOrv"
"$emulator" --model OrvHead --link "$port" --trace >"$work/emulator.log" 2>&1 &
emulator_pid=$!
for _ in $(seq 100); do [ -e "$port" ] && break; sleep 0.05; done
[ -e "$port" ] || { echo "emulator did not start"; cat "$work/emulator.log"; exit 1; }

mkdir -p "$work/config/KOrvSetup"
printf '[Parametros]\nPort=%s\nTemperatura=F\n' "$port" >"$work/config/KOrvSetup/OrvSetup.ini"
rm -f "$work/config/KOrvSetup/OrvSetup.ini.written"

(cd "$work" && unset QT_QPA_PLATFORM && XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    exec xvfb-run -a -s "-screen 0 1024x768x24" \
    sh -c 'echo $$ >"$0"; exec env QT_QPA_PLATFORM=xcb "$1"' "$work/program.pid" "$program") >"$work/program.log" 2>&1 &
program_pid=$!

# The search ends with the zero-correction register (15) of a head transmitter.
for _ in $(seq 300); do
    grep -qi '50 00 0f 00 00' "$work/emulator.log" && break
    kill -0 "$program_pid" 2>/dev/null || { echo "program ended early"; cat "$work/program.log"; exit 1; }
    sleep 0.05
done
grep -qi '50 00 0f 00 00' "$work/emulator.log" || { echo "the search never read the zero correction"; cat "$work/emulator.log"; exit 1; }
sleep 0.5

# A termination request closes the windows the ordinary way. The program's own process is asked,
# never another test's copy of the same program.
kill -TERM "$(cat "$work/program.pid")" || kill -TERM "$program_pid"
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$program_pid" 2>/dev/null; then echo "program did not close"; exit 1; fi
wait "$program_pid" || { echo "program exited with $?"; cat "$work/program.log"; exit 1; }

settings="$work/config/KOrvSetup/OrvSetup.ini"
grep -q "Port=$port" "$settings" || { echo "settings not written"; cat "$settings"; exit 1; }
grep -q 'Temperatura=F' "$settings" || { echo "unit not kept"; cat "$settings"; exit 1; }
echo "smoke test passed: the search filled the form and the program closed cleanly"
