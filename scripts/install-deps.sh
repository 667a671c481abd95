#!/usr/bin/env bash
# Installs what building, testing and running KOrvSetup needs on Debian 12, non-interactively.
# Packages already present are left alone, so a second run costs only the check.
set -euo pipefail

packages=(g++ cmake ninja-build qt6-base-dev qt6-serialport-dev libgl-dev xvfb xauth)
# The history record: SQLite on the bench, PostgreSQL for a plant (and a real server for its tests).
# The tests start a server of their own (initdb in a temporary folder, a Unix socket there, no TCP
# port, as the "postgres" account the package creates when run as root): whatever cluster the
# package makes and its service starts, or not, under this system's init is never used.
packages+=(libqt6sql6-sqlite libqt6sql6-psql postgresql)
# Qt's own dialogs in the program's language.
packages+=(qt6-translations-l10n)
# The translations of every text beyond the language file: lupdate/lrelease and their CMake package.
packages+=(qt6-l10n-tools qt6-tools-dev)
# The source format check; icons, desktop-file and AppStream checks, and the Debian package with
# Debian's own checks of it (lintian) and of its manual pages (man-db, groff-base).
packages+=(clang-format librsvg2-bin desktop-file-utils appstream dpkg-dev file lintian man-db groff-base)
# The command-line tests check every --json output against docs/schemas with Debian's validator.
packages+=(python3 python3-jsonschema)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Run as root or install sudo to get: ${missing[*]}" >&2; exit 1; }
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
