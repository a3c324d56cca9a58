#!/usr/bin/env bash
# clang-format and clang-tidy over the program's code; any finding fails.
#   scripts/lint.sh [build-folder with compile_commands.json]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build=${1:-build}
mapfile -t sources < <(git ls-files --cached --others --exclude-standard 'calc/*.cpp' 'ui/*.cpp' 'app/*.cpp')
mapfile -t formatted < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h')
clang-format --dry-run --Werror "${formatted[@]}"
printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -n 1 clang-tidy -p "$build" --quiet 2>&1 |
  { grep -v -E '^[0-9]+ warnings? generated\.$' || true; } > "$build/clang-tidy.log"
if grep -q -E '(warning|error):' "$build/clang-tidy.log"; then
  cat "$build/clang-tidy.log" >&2
  exit 1
fi
echo "lint: ${#formatted[@]} files formatted, ${#sources[@]} files clean under clang-tidy"
