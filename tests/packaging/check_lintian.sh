#!/usr/bin/env bash
# Debian's own checks of the package: lintian must find no error and no warning. Informational and
# pedantic tags are listed, not failed on. With --hardened, also no sign of a program built without
# Debian's hardening flags (those tags are informational, hence the option): scripts/package.sh
# builds with them, the developer's build need not. A program whose calls give the compiler no
# buffer size to check has no fortified function to show even when built with the flag, so only a
# package where no program shows one fails for that.
# Usage: check_lintian.sh [--hardened] FOLDER_OR_DEB [PACKAGE]
set -uo pipefail
hardened=0
if [ "${1:-}" = "--hardened" ]; then
    hardened=1
    shift
fi
target="$1"
package="${2:-korvsetup}"
if ! command -v lintian >/dev/null; then
    echo "lintian not found (Debian: apt-get install lintian, or scripts/install-deps.sh): not checked"
    exit 77
fi
deb="$target"
[ -d "$target" ] && deb="$(find "$target" -maxdepth 1 -name "${package}_*.deb" | head -1)"
[ -f "$deb" ] || { echo "no package at $target"; exit 1; }

# lintian's complaint about running as root goes to standard error; the tags go to standard output.
tags="$(lintian --display-info --pedantic --display-experimental --fail-on none "$deb" 2>/dev/null)"
status=$?
echo "lintian $(lintian --version | awk '{print $2}') on $(basename "$deb"):"
echo "${tags:-(no tags)}"
[ "$status" -eq 0 ] || { echo "lintian itself failed ($status)"; exit 1; }
faults="$(echo "$tags" | grep -E '^[EW]: ' || true)"
if [ "$hardened" -eq 1 ]; then
    faults+="$(echo; echo "$tags" | grep -E '^.: [^ ]+: hardening-' | grep -v hardening-no-fortify-functions || true)"
    programs="$(dpkg-deb -c "$deb" | awk '$1 ~ /^-..x/' | wc -l)"
    unfortified="$(echo "$tags" | grep -c ' hardening-no-fortify-functions ' || true)"
    [ "$unfortified" -lt "$programs" ] || faults+="$(printf '\nno program has fortified functions')"
fi
faults="$(echo "$faults" | sed '/^$/d')"
if [ -n "$faults" ]; then
    echo "fails on:"
    echo "$faults"
    exit 1
fi
echo "no lintian error or warning"
