#!/usr/bin/env bash
# Runs the X11 smoke test on the program as installed into a temporary root rather than on the
# one in the build folder.
set -euo pipefail
build="$1"
smoke="$2"
emulator="$3"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
bash "$smoke" "$root/usr/bin/KOrvSetup" "$emulator"
