#!/bin/bash
# The window's --help in the language a settings file chose ("Idioma=en"), with no display and no
# settings of the user's own: prints what the program printed, ends as it ended.
program="$1"
language="$2"
config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT
mkdir -p "$config/KOrvSetup"
[ -z "$language" ] || printf '[Parametros]\nIdioma=%s\n' "$language" >"$config/KOrvSetup/OrvSetup.ini"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$config" "$program" --help
