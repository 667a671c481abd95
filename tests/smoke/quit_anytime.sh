#!/usr/bin/env bash
# A request to end the program at any moment of its start-up: before the search, during it, after
# it, and with the port's error box open. Each time the process must end within a few seconds and
# no frame may reach the transmitter once it has.
set -euo pipefail
program="$1"
emulator="$2"
work="$(mktemp -d)"
cleanup() {
    kill "${emulator_pid:-}" 2>/dev/null || true
    kill -KILL "${program_pid:-}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

port="$work/ttyKOrv"
"$emulator" --model OrvHead --link "$port" --trace >"$work/emulator.log" 2>&1 &
emulator_pid=$!
for _ in $(seq 100); do [ -e "$port" ] && break; sleep 0.05; done
[ -e "$port" ] || { echo "emulator did not start"; cat "$work/emulator.log"; exit 1; }

frames() { grep -c '^<-' "$work/emulator.log" || true; }

# Starts the program on `portSetting`, sends `signal` after `delay` seconds, and checks the end.
run() {
    local portSetting="$1" signal="$2" delay="$3"
    mkdir -p "$work/config/KOrvSetup"
    printf '[Parametros]\nPort=%s\n' "$portSetting" >"$work/config/KOrvSetup/OrvSetup.ini"
    (cd "$work" && XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=offscreen exec "$program") >"$work/program.log" 2>&1 &
    program_pid=$!
    sleep "$delay"
    kill "-$signal" "$program_pid"
    for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.05; done
    if kill -0 "$program_pid" 2>/dev/null; then
        echo "$signal after ${delay}s on $portSetting: the program is still running"
        exit 1
    fi
    wait "$program_pid" || true
    program_pid=
    local before
    before="$(frames)"
    sleep 1.2
    if [ "$(frames)" != "$before" ]; then
        echo "$signal after ${delay}s: frames reached the transmitter after the program ended"
        exit 1
    fi
}

for delay in 0.2 0.6 1.0 1.4 2.2; do
    run "$port" TERM "$delay"
done
run "$port" INT 0.8
# The port does not exist: its error box is open when the request comes.
run "$work/no-such-port" TERM 1.5
run "$work/no-such-port" INT 0.4
echo "quit test passed: the program ended at every moment asked, and nothing reached the port after"
