#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs them.
#   scripts/fuzz.sh            each target for its short test (a few thousand runs), as the tests do
#   scripts/fuzz.sh SECONDS    each target for SECONDS, keeping what it finds in build-fuzz/
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORV_FUZZ_BUILD_DIR:-$root/build-fuzz}"
command -v clang++ >/dev/null || { echo "clang++ is needed for the fuzz targets" >&2; exit 1; }
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORV_FUZZ=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
if [ $# -eq 0 ]; then
    cd "$build" && ctest --output-on-failure -L fuzz
    exit
fi
for target in fuzz_language fuzz_settings fuzz_decoders fuzz_frame fuzz_configuration; do
    mkdir -p "$build/tests/fuzz/found_$target"
    "$build/tests/fuzz/$target" -max_total_time="$1" -max_len=4096 -timeout=10 \
        "$build/tests/fuzz/found_$target" "$root/tests/fuzz/corpus/$target"
done
