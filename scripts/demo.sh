#!/usr/bin/env bash
# Installs what is missing, builds, and starts KOrvSetup against the built-in transmitter emulator
# with a throw-away settings folder. Pass a model name to emulate another transmitter:
#   scripts/demo.sh Orv-Hu
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORV_BUILD_DIR:-$root/build}"
model="${1:-OrvHead}"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

work="$(mktemp -d)"
cleanup() {
    kill "${emulator:-}" 2>/dev/null && wait "$emulator" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
port="$work/ttyKOrv"
"$build/tools/emulator/orv-emulator" --model "$model" --link "$port" --state "$work/registers.txt" >"$work/emulator.log" &
emulator=$!
for _ in $(seq 50); do [ -e "$port" ] && break; sleep 0.1; done

mkdir -p "$work/config/KOrvSetup"
printf '[Parametros]\nPort=%s\nTemperatura=C\n' "$port" >"$work/config/KOrvSetup/OrvSetup.ini"
echo "Emulating $model on $port; settings in $work/config"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display: running under xvfb-run (nothing will be visible)."
    (cd "$work" && XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" xvfb-run -a "$build/src/app/KOrvSetup")
else
    (cd "$work" && XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" "$build/src/app/KOrvSetup")
fi
