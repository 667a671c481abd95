#!/usr/bin/env bash
# Installs what is missing, builds, and starts KOrvSetup against the built-in transmitter emulator
# with a throw-away settings folder. Pass a model name to emulate another transmitter, and a
# firmware to emulate another version (by default one the program configures on that model):
#   scripts/demo.sh Orv-Hu
#   scripts/demo.sh OrvGalDin --firmware 120
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORV_BUILD_DIR:-$root/build}"
model="OrvHead"
firmware=()
while [ $# -gt 0 ]; do
    case "$1" in
        --firmware) firmware=(--firmware "${2:?--firmware needs a version such as 130}"); shift 2 ;;
        --firmware=*) firmware=(--firmware "${1#--firmware=}"); shift ;;
        -*) echo "usage: $0 [MODEL] [--firmware N]" >&2; exit 2 ;;
        *) model="$1"; shift ;;
    esac
done
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

work="$(mktemp -d)"
cleanup() {
    kill "${emulator:-}" 2>/dev/null && wait "$emulator" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
port="$work/ttyKOrv"
"$build/tools/emulator/orv-emulator" --model "$model" "${firmware[@]}" --link "$port" --state "$work/registers.txt" >"$work/emulator.log" &
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
