#!/usr/bin/env bash
# The manual pages in the Debian package: present for every program, packed as Debian packs them
# (gzip -9n), rendered by man and groff without a single warning, naming the program's version,
# and, for the command line, describing exactly the commands, options and exit codes its --help
# gives. Usage: check_man.sh FOLDER PACKAGE "PROGRAMS"
set -euo pipefail
folder="$1"
package="$2"
programs="$3"
deb="$(find "$folder" -maxdepth 1 -name "${package}_*.deb" | head -1)"
[ -n "$deb" ] || { echo "no package in $folder"; exit 1; }
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"

faults=()
# The section of a page rendered as text: the lines under its heading, up to the next heading.
section() { awk -v name="$2" '/^[A-Z][A-Z ]*$/ { inside = ($0 == name); next } inside' <<<"$1"; }
# Tags of a section's list: the text at the page's first indent, before the description's.
tags() { section "$1" "$2" | grep -E '^ {7}[^ ]' | sed -E 's/^ {7}//'; }
differ() { [ "$(sort -u <<<"$1")" != "$(sort -u <<<"$2")" ]; }

version="$("$tree/usr/bin/korvsetup-cli" --version | awk '{print $2}')"
for program in $programs; do
    page="$tree/usr/share/man/man1/$program.1.gz"
    [ -s "$page" ] || { faults+=("$program: no manual page"); continue; }
    # gzip's header: flags (no file name) at byte 3, time stamp at 4..7, best compression (2) at 8.
    header="$(od -An -tu1 -j3 -N6 "$page" | xargs)"
    [ "$header" = "0 0 0 0 0 2" ] || faults+=("$program: not packed with gzip -9n (header $header)")
    # As lintian renders a page, and as a plain terminal does; both must be silent.
    warnings="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)"
    warnings+="$(LC_ALL=C MANROFFSEQ='' MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)"
    warnings+="$(zcat "$page" | groff -man -ww -z 2>&1)"
    [ -z "$warnings" ] || faults+=("$program: rendering warns: $warnings")
    text="$(LC_ALL=C.UTF-8 MANWIDTH=250 man -E UTF-8 -l "$page" 2>/dev/null)"
    grep -q "^KOrvSetup $version " <<<"$(tail -1 <<<"$text")" || faults+=("$program: the page is not of version $version")
    for heading in NAME SYNOPSIS DESCRIPTION FILES "SEE ALSO"; do
        grep -qx "$heading" <<<"$text" || faults+=("$program: no $heading section")
    done
    [ "$program" = korvsetup-cli ] || continue

    # With no settings of the user's: the help the page describes is the Portuguese one.
    help="$(XDG_CONFIG_HOME=/nonexistent "$tree/usr/bin/korvsetup-cli" --help)"
    commands="$(awk '/^Comandos:/ { inside = 1; next } /^$/ { inside = 0 } inside' <<<"$help" | grep -Eo '^  [a-z]+' | xargs -n1)"
    documented="$(tags "$text" COMMANDS | awk '{print $1}')"
    differ "$commands" "$documented" \
        && faults+=("commands: --help gives $(echo $commands), the page $(echo $documented)")
    options="$(grep -Eo -- '(^|[^a-z-])--?[a-z][a-z-]*' <<<"$help" | grep -Eo -- '--?[a-z][a-z-]*')"
    # A short tag shares its line with the description: its options are the words up to the first
    # one that is neither an option nor an argument's name in capitals.
    documented="$(tags "$text" OPTIONS | awk '{ for (i = 1; i <= NF; i++) { word = $i; sub(/,$/, "", word)
        if (word ~ /^--?[a-z]/) print word; else if (word !~ /^[A-Z]/ || word ~ /[a-z][a-z]/) break } }')"
    differ "$options" "$documented" \
        && faults+=("options: --help gives $(echo $(sort -u <<<"$options")), the page $(echo $(sort -u <<<"$documented"))")
    codes="$(awk '/^Código de saída/ { inside = 1 } /^$/ { inside = 0 } inside' <<<"$help" | grep -Eo '(: |; )[0-9]+ ' | grep -Eo '[0-9]+')"
    documented="$(tags "$text" "EXIT STATUS" | awk '{print $1}')"
    differ "$codes" "$documented" \
        && faults+=("exit codes: --help gives $(echo $codes), the page $(echo $documented)")
done

if [ ${#faults[@]} -gt 0 ]; then
    printf 'manual page fault: %s\n' "${faults[@]}"
    exit 1
fi
echo "manual pages of $programs checked"
