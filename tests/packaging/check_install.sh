#!/usr/bin/env bash
# Installs the build into a temporary root, as a distribution would under /usr, and checks that
# every file a desktop installation needs is where the desktop looks for it.
set -euo pipefail
build="$1"
id="$2"
package="$3"
sizes="$4"
programs="${5:-KOrvSetup}"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

missing=()
expect() { [ -s "$root/usr/$1" ] || missing+=("$1"); }
for program in $programs; do
    expect "bin/$program"
    expect "share/man/man1/$program.1.gz"
    [ -x "$root/usr/bin/$program" ] || missing+=("bin/$program (not executable)")
done
# The command line needs no display: the installed copy starts and answers as it is.
if [[ " $programs " == *" korvsetup-cli "* ]] && [ -x "$root/usr/bin/korvsetup-cli" ]; then
    version="$("$root/usr/bin/korvsetup-cli" --version 2>&1)" || missing+=("korvsetup-cli --version failed: $version")
    [[ "$version" == "korvsetup-cli "* ]] || missing+=("korvsetup-cli --version printed: $version")
fi
expect "share/applications/$id.desktop"
expect "share/metainfo/$id.metainfo.xml"
expect "share/icons/hicolor/scalable/apps/$id.svg"
for size in $sizes; do
    png="share/icons/hicolor/${size}x${size}/apps/$id.png"
    expect "$png"
    if [ -s "$root/usr/$png" ]; then
        # Width and height sit at bytes 16..23 of a PNG's header chunk.
        dims="$(od -An -tu1 -j16 -N8 "$root/usr/$png" | awk '{print $3*256+$4 "x" $7*256+$8}')"
        [ "$dims" = "${size}x${size}" ] || missing+=("$png is $dims")
    fi
done
expect "share/doc/$package/README.md"
expect "share/doc/$package/copyright"
expect "share/doc/$package/changelog.Debian.gz"
for language in en es; do
    file="share/$package/lang/$language/LANGUAGE.TRL"
    expect "$file"
    [ -s "$root/usr/$file" ] && [ "$(tr -cd '\n' <"$root/usr/$file" | wc -c)" -eq 72 ] || missing+=("$file: not 72 lines")
done
# The desktop entry starts the program by the name installed in bin and shows the installed icon.
grep -qx "Exec=KOrvSetup" "$root/usr/share/applications/$id.desktop" || missing+=("desktop entry: Exec")
grep -qx "Icon=$id" "$root/usr/share/applications/$id.desktop" || missing+=("desktop entry: Icon")
# Device permissions are the administrator's business.
unexpected="$(cd "$root" && find . -path '*udev*' -o -path '*/etc/*' | head -5)"
[ -z "$unexpected" ] || missing+=("unexpected: $unexpected")

if [ ${#missing[@]} -gt 0 ]; then
    printf 'missing or wrong: %s\n' "${missing[@]}"
    (cd "$root" && find . -type f | sort)
    exit 1
fi
echo "installed tree complete: $(cd "$root" && find . -type f | wc -l) files"
