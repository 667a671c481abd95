#!/usr/bin/env bash
# Checks the control fields, dependencies and contents of the Debian package build_deb.sh made.
# Usage: check_deb.sh FOLDER APP_ID PACKAGE "PROGRAMS"
set -euo pipefail
folder="$1"
id="$2"
package="$3"
programs="${4:-KOrvSetup}"
deb="$(find "$folder" -maxdepth 1 -name "${package}_*.deb" | head -1)"
[ -n "$deb" ] || { echo "no package in $folder"; exit 1; }
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"

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
    for path in "./usr/bin/$program" "./usr/share/man/man1/$program.1.gz"; do
        echo "$contents" | awk '{print $6}' | grep -qx "$path" || faults+=("missing $path")
    done
done
for path in "./usr/share/applications/$id.desktop" "./usr/share/metainfo/$id.metainfo.xml" \
            "./usr/share/icons/hicolor/scalable/apps/$id.svg" "./usr/share/icons/hicolor/48x48/apps/$id.png" \
            "./usr/share/$package/lang/en/LANGUAGE.TRL" "./usr/share/$package/lang/es/LANGUAGE.TRL" \
            "./usr/share/doc/$package/copyright" "./usr/share/doc/$package/changelog.Debian.gz"; do
    echo "$contents" | awk '{print $6}' | grep -qx "$path" || faults+=("missing $path")
done
# The newest changelog entry is this package at this version; the copyright file is Debian's
# machine-readable one with a notice and the licence's text.
doc="$tree/usr/share/doc/$package"
if [ -s "$doc/changelog.Debian.gz" ]; then
    zcat "$doc/changelog.Debian.gz" >"$tree/changelog"
    for key in Source Version; do
        expected="$package"
        [ "$key" = Version ] && expected="$(field Version)"
        told="$(dpkg-parsechangelog -l "$tree/changelog" -S "$key" 2>&1)" || true
        [ "$told" = "$expected" ] || faults+=("changelog's newest $key is \"$told\", the package's \"$expected\"")
    done
fi
if [ -s "$doc/copyright" ]; then
    head -1 "$doc/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
        || faults+=("copyright: not the machine-readable format")
    grep -Eq '^Copyright: [^ ]' "$doc/copyright" || faults+=("copyright: no copyright notice")
    grep -Eq '^ [^ .]' "$doc/copyright" || faults+=("copyright: no licence text")
fi
# Reserved names (RFC 2606, RFC 6761) never resolve: an address under one is a placeholder that
# nobody can reach, in the control fields or in the metadata software centres show.
addresses="$(field Homepage; cat "$tree/usr/share/metainfo/$id.metainfo.xml" "$tree/usr/share/applications/$id.desktop" 2>/dev/null)"
placeholders="$(echo "$addresses" | grep -Eo '[a-z]+://[^/ <>"]+' \
    | grep -Ei '(\.(example|invalid|test|localhost)|//example\.(com|net|org)|//localhost)(:[0-9]+)?$' || true)"
[ -z "$placeholders" ] || faults+=("addresses that cannot exist: $(echo $placeholders)")
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
