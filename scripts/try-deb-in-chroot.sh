#!/usr/bin/env bash
# Installs the Debian package into a throw-away Debian 12 root made by debootstrap, with nothing
# else installed, and checks that the program and its X11 platform plugin find every library and
# that the program starts. Needs root and Debian's package mirror, and takes minutes, so it is not
# part of the test command. Usage: scripts/try-deb-in-chroot.sh [package.deb]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
deb="${1:-}"
if [ -z "$deb" ]; then
    "$root/scripts/package.sh" "$root/build/packages" >/dev/null
    deb="$(ls -t "$root"/build/packages/*.deb | head -1)"
fi
command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap
mirror="${KORV_DEBIAN_MIRROR:-http://deb.debian.org/debian}"

chroot_dir="$(mktemp -d)"
cleanup() { umount "$chroot_dir/proc" 2>/dev/null || true; rm -rf "$chroot_dir" "$chroot_dir.log"; }
trap cleanup EXIT
debootstrap --variant=minbase bookworm "$chroot_dir" "$mirror" >"$chroot_dir.log" 2>&1 \
    || { tail -20 "$chroot_dir.log"; exit 1; }
mount -t proc proc "$chroot_dir/proc"
cp /etc/resolv.conf "$chroot_dir/etc/resolv.conf"
cp "$deb" "$chroot_dir/tmp/"
in_root() { chroot "$chroot_dir" env DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8 "$@"; }
in_root apt-get update -qq
# Without recommended packages: the dependencies alone must be enough.
in_root apt-get install -y -qq --no-install-recommends "/tmp/$(basename "$deb")" >/dev/null
for file in /usr/bin/KOrvSetup /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so \
            /usr/lib/x86_64-linux-gnu/qt6/plugins/imageformats/libqjpeg.so; do
    in_root test -e "$file" || { echo "missing after install: $file"; exit 1; }
    if in_root ldd "$file" | grep 'not found'; then echo "unresolved libraries of $file"; exit 1; fi
done
# No display in the root: the offscreen platform shows that the program starts and keeps running.
# With no serial port in the root it sits in its port-error box, which a termination request does
# not close, hence the kill after it.
status=0
in_root timeout -k 3 5 env QT_QPA_PLATFORM=offscreen HOME=/tmp /usr/bin/KOrvSetup >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || [ "$status" -eq 137 ] || { echo "the program ended with $status instead of running"; exit 1; }
echo "installed into a bare Debian 12 root: libraries complete, the program starts"
