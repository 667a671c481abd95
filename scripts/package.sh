#!/usr/bin/env bash
# Installs what is missing, builds what the Debian package holds with Debian's hardening flags,
# makes the package in build/packages (or the folder given) and has lintian check it:
#   scripts/package.sh [/tmp/out]
# The package is built in a folder of its own, build-deb (or $KORV_PACKAGE_BUILD_DIR), so that the
# developer's build keeps its own flags and is not rebuilt.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORV_PACKAGE_BUILD_DIR:-$root/build-deb}"
out="${1:-$root/build/packages}"
"$root/scripts/install-deps.sh"

# The flags every Debian package is built with, as dpkg-buildflags gives them, with all hardening
# on: fortified glibc functions, the stack protector and format checks (CPPFLAGS, CXXFLAGS),
# relocations read-only and bound at start (LDFLAGS). Executables are position independent by
# Debian's compiler default, which Qt asks for too. From the top of the sources, so that the file
# paths the flags map are the sources' own.
cd "$root"
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS="$cxxflags" \
    -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$build" -j"$(nproc)" --target korv_package_files

mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb="$(ls -t "$out"/korvsetup_*.deb | head -1)"
# No lintian error or warning, and every program hardened.
bash "$root/tests/packaging/check_lintian.sh" --hardened "$deb"
dpkg-deb -f "$deb" Package Version Architecture Depends
echo "$deb"
