#!/usr/bin/env bash
# Renders the pictures of docs/screenshots under Xvfb with the X11 platform: against the emulator
# the main window for each transmitter family, the service window and the splash; the record
# window over a few made-up events.
# Another output folder may be given: scripts/screenshots.sh /tmp/pictures
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORV_BUILD_DIR:-$root/build}"
out="$(mkdir -p "${1:-$root/docs/screenshots}" && cd "${1:-$root/docs/screenshots}" && pwd)"
"$root/scripts/install-deps.sh"
[ -f "$build/CMakeCache.txt" ] || "$root/scripts/build.sh"
cmake --build "$build" --target korv-screenshots orv-emulator >/dev/null

work="$(mktemp -d)"
cleanup() {
    [ -n "${emulator:-}" ] && kill "$emulator" 2>/dev/null && wait "$emulator" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# shoot MODEL OPTIONS...: one run of the picture tool against an emulated MODEL, in the regional
# format of $locale (Brazil's unless set).
shoot() {
    local model="$1" port="$work/tty-$1"
    shift
    "$build/tools/emulator/orv-emulator" --model "$model" --link "$port" --state "$work/$model.txt" \
        >"$work/emulator.log" 2>&1 &
    emulator=$!
    for _ in $(seq 100); do [ -e "$port" ] && break; sleep 0.05; done
    [ -e "$port" ] || { echo "emulator did not start"; cat "$work/emulator.log"; exit 1; }
    # The service window writes its calibration backup into the working directory.
    (cd "$work" && unset QT_QPA_PLATFORM && LANG="${locale:-pt_BR.UTF-8}" \
        xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb \
        "$build/tools/screenshots/korv-screenshots" --port "$port" "$@")
    kill "$emulator" && wait "$emulator" 2>/dev/null || true
    emulator=""
}

shoot OrvHead --main "$out/head-rail.png" --splash "$out/splash.png" --service "$out/service.png"
shoot Orv-Hu --main "$out/humidity.png"
shoot OrvAmbient --main "$out/ambient.png"
# The same window on a dark desktop theme: what is not fixed in red takes the palette's colours.
shoot OrvHead --dark --main "$out/head-rail-dark.png"
# The window as English and Spanish users see it (Options > Language).
locale=en_US.UTF-8 shoot OrvHead --language en --main "$out/head-rail-en.png"
locale=es_ES.UTF-8 shoot OrvHead --language es --main "$out/head-rail-es.png"
# The record window needs no transmitter: its events are made up by the picture tool, in a
# record of its own that the user's is never mixed with.
(cd "$work" && unset QT_QPA_PLATFORM && LANG=pt_BR.UTF-8 \
    xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb \
    "$build/tools/screenshots/korv-screenshots" --history "$out/history.png")
ls -l "$out"/*.png
