#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test headless; with clang
# present, also the fuzz targets' short runs.
#   scripts/test.sh              the suite
#   scripts/test.sh --sanitize   the suite, then the suite again built with the address and
#                                undefined-behaviour sanitizers (in build-sanitize/)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
sanitize=0
for argument in "$@"; do
    case "$argument" in
    --sanitize) sanitize=1 ;;
    *) echo "usage: $0 [--sanitize]" >&2; exit 2 ;;
    esac
done

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" -DKORV_WERROR=ON
(cd "${KORV_BUILD_DIR:-$root/build}" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)

if command -v clang++ >/dev/null; then
    "$root/scripts/fuzz.sh"
else
    echo "clang++ not found: the fuzz targets' short runs are skipped"
fi

if [ "$sanitize" -eq 1 ]; then
    KORV_BUILD_DIR="$root/build-sanitize" "$root/scripts/build.sh" -DKORV_WERROR=ON -DKORV_SANITIZE=ON
    cd "$root/build-sanitize"
    # The packaging checks look at files, not at running code; the format check at sources.
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0 \
        LSAN_OPTIONS="suppressions=$root/tests/sanitizer/lsan.supp:print_suppressions=0" \
        UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        QT_QPA_PLATFORM=offscreen \
        ctest --output-on-failure -j2 -E '^(source_format|desktop_entry_valid|metainfo_valid|installed_tree|installed_program_smoke_under_xvfb|deb_package_.*)$'
fi
