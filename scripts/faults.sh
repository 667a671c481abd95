#!/usr/bin/env bash
# The whole late-answer matrix: for the command line's write and the window's send, one late answer
# at every register a send touches, at 400, 600 and 1500 ms, in the default and the fast exchange.
# Prints one row per front end, exchange and delay: runs, commands done, registers the transmitter
# changed and how many of them the program named. Builds first (into build/ or $KORV_BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORV_BUILD_DIR:-$root/build}"
"$root/scripts/build.sh" >/dev/null
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
status=0
for test in "$build/tests/cli/tst_late_matrix" "$build/tests/app/tst_late_answers_matrix"; do
    KORV_FAULT_MATRIX=full QT_QPA_PLATFORM=offscreen "$test" >>"$log" 2>&1 || status=1
done
printf "%-25s %5s %5s %8s %9s\n" "front end, exchange, late" runs done changed reported
grep -o 'matrix .*' "$log" | awk '
    {
        split($8, d, "="); split($9, c, "="); split($10, r, "=");
        key = sprintf("%-7s %-8s %5s ms", $2, $3, $6);
        runs[key]++; done[key] += d[2]; changed[key] += c[2]; reported[key] += r[2];
    }
    END {
        for (k in runs)
            printf "%-25s %5d %5d %8d %9d\n", k, runs[k], done[k], changed[k], reported[k];
    }' | sort
grep -E '^FAIL' "$log" || true
exit "$status"
