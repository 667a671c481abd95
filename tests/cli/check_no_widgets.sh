#!/usr/bin/env bash
# The command line runs where no display library is installed: it links Qt Core and SerialPort,
# never Qt Gui or Widgets.
set -euo pipefail
program="$1"
needed="$(readelf -d "$program" | awk '/NEEDED/ {print $NF}')"
echo "$needed"
echo "$needed" | grep -q 'libQt6Core' || { echo "readelf found no Qt Core in $program"; exit 1; }
if echo "$needed" | grep -Eq 'libQt6(Gui|Widgets)'; then
    echo "$program links a display library"
    exit 1
fi
