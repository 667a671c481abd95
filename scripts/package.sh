#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package in build/packages (or the folder
# given): scripts/package.sh /tmp/out
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORV_BUILD_DIR:-$root/build}"
out="${1:-$build/packages}"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb="$(ls -t "$out"/*.deb | head -1)"
dpkg-deb -f "$deb" Package Version Architecture Depends
echo "$deb"
