#!/bin/sh
# Checks that every C and C++ source of the project is in the format of
# .clang-format; with --fix, rewrites them instead.
#
#   check-format.sh [--fix]
set -eu
cd "$(dirname "$0")/.."

mode="--dry-run -Werror"
[ "${1:-}" = "--fix" ] && mode="-i"

command -v clang-format >/dev/null || { echo "clang-format is not installed (make test installs it)" >&2; exit 1; }

# The project's own folders only: the build folders hold generated code.
files=$(find params cli ui report files resources tests bench fuzz examples \
          -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) 2>/dev/null | sort)
# shellcheck disable=SC2086
clang-format $mode $files
echo "format: $(echo "$files" | wc -l) files checked"
