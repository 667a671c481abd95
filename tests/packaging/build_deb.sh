#!/usr/bin/env bash
# Builds the Debian package with CPack from the build folder into the given folder, emptied first,
# for the package tests that follow to look at. Usage: build_deb.sh BUILD OUT PACKAGE
set -euo pipefail
build="$1"
out="$2"
package="$3"
rm -rf "$out"
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
debs=("$out/${package}"_*.deb)
[ -e "${debs[0]}" ] && [ ${#debs[@]} -eq 1 ] || { echo "expected one ${package}_*.deb"; cat "$out/cpack.log"; exit 1; }
echo "built ${debs[0]}"
