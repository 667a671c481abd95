#!/usr/bin/env bash
# Fails, naming each file, when a C++ file of the tree differs from what the repository's
# .clang-format makes of it. With --fix, formats those files in place instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
formatter="$(command -v clang-format-14 || command -v clang-format || true)"
[ -n "$formatter" ] || { echo "clang-format is not installed (scripts/install-deps.sh installs it)" >&2; exit 1; }

mapfile -t files < <(find src tests tools -name '*.cpp' -o -name '*.h' | sort)
if [ "${1:-}" = "--fix" ]; then
    "$formatter" -i "${files[@]}"
    exit 0
fi
differing=()
for file in "${files[@]}"; do
    "$formatter" --dry-run --Werror "$file" >/dev/null 2>&1 || differing+=("$file")
done
if [ ${#differing[@]} -gt 0 ]; then
    echo "These files differ from .clang-format (scripts/check-format.sh --fix formats them):" >&2
    printf '  %s\n' "${differing[@]}" >&2
    exit 1
fi
echo "${#files[@]} files formatted as .clang-format says"
