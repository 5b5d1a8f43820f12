#!/usr/bin/env bash
# Keeps clean what is clean today: every C++ file of the tree formatted as .clang-format says,
# and clang-tidy with the project's .clang-tidy over the C++ sources changed since a base commit.
# Any finding fails the run. The base is $QUORVI_LINT_BASE (e.g. origin/main), else the commit
# 20 before HEAD, so that a clean clone checks what the latest work touched. clang-tidy reads
# the compile commands of the build folder $1 (default build).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
echo "clang-format: ${#sources[@]} files"
clang-format --dry-run --Werror "${sources[@]}"

base=${QUORVI_LINT_BASE:-}
if [ -z "$base" ]; then
    depth=$(git rev-list --count HEAD)
    base=$(git rev-list --max-count=1 --skip=$((depth > 20 ? 20 : depth - 1)) HEAD)
fi
# The changed sources that the build compiles (a header is checked through the sources that
# include it).
mapfile -t changed < <(git diff --name-only --diff-filter=d "$base" HEAD -- '*.cpp' |
    while read -r file; do
        grep -q "\"file\": \"$PWD/$file\"" "$build_dir/compile_commands.json" && echo "$file"
    done)
echo "clang-tidy: ${#changed[@]} sources changed since $(git rev-parse --short "$base")"
[ ${#changed[@]} -eq 0 ] && exit 0
# clang's count of the warnings it read past in system headers is left out of the output.
printf '%s\n' "${changed[@]}" |
    xargs -P "$(nproc)" -n 4 clang-tidy -p "$build_dir" --quiet --warnings-as-errors='*' 2>&1 |
    { grep -v '^[0-9]* warnings\? generated\.$' || true; }
