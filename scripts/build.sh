#!/usr/bin/env bash
# Configures and builds into build/ (or $KORV_BUILD_DIR). Extra arguments go to CMake's configure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORV_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
