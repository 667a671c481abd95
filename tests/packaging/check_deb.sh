#!/usr/bin/env bash
# Builds the Debian package with CPack into a temporary folder and checks its control fields,
# dependencies and contents.
set -euo pipefail
build="$1"
id="$2"
package="$3"
programs="${4:-KOrvSetup}"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
deb="$(find "$out" -maxdepth 1 -name "${package}_*.deb" | head -1)"
[ -n "$deb" ] || { echo "no package built"; cat "$out/cpack.log"; exit 1; }

info="$(dpkg-deb -I "$deb")"
contents="$(dpkg-deb -c "$deb")"
echo "$info"
echo "$contents" | awk '{print $6}'
faults=()
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = "$package" ] || faults+=("Package")
[ "$(field Section)" = "electronics" ] || faults+=("Section")
[ -n "$(field Maintainer)" ] || faults+=("Maintainer")
[ "$(field Description | wc -l)" -gt 3 ] || faults+=("Description has no long text")
depends="$(field Depends)"
# From dpkg-shlibdeps: the C and C++ runtimes and the Qt libraries the program links.
for library in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6serialport6 libqt6gui6; do
    echo "$depends" | tr ',' '\n' | awk '{print $1}' | grep -qxF "$library" || faults+=("Depends lacks $library")
done
for program in $programs; do
    echo "$contents" | awk '{print $6}' | grep -qx "./usr/bin/$program" || faults+=("missing ./usr/bin/$program")
done
for path in "./usr/share/applications/$id.desktop" "./usr/share/metainfo/$id.metainfo.xml" \
            "./usr/share/icons/hicolor/scalable/apps/$id.svg" "./usr/share/icons/hicolor/48x48/apps/$id.png" \
            "./usr/share/$package/lang/en/LANGUAGE.TRL" "./usr/share/$package/lang/es/LANGUAGE.TRL" \
            "./usr/share/doc/$package/copyright"; do
    echo "$contents" | awk '{print $6}' | grep -qx "$path" || faults+=("missing $path")
done
# Nothing that would change device permissions: no udev rules, no files in /etc, no maintainer
# scripts that could add them.
echo "$contents" | awk '{print $6}' | grep -Eq 'udev|^\./etc/' && faults+=("installs udev rules or /etc files")
for script in preinst postinst prerm postrm; do
    echo "$info" | grep -Eq "^ .* $script( |$)" && faults+=("has a $script script")
done
# Files owned by root, as dpkg would install them.
echo "$contents" | awk '{print $2}' | grep -qv '^root/root$' && faults+=("files not owned by root")

if [ ${#faults[@]} -gt 0 ]; then
    printf 'package fault: %s\n' "${faults[@]}"
    exit 1
fi
echo "package $(basename "$deb") checked"
