#!/bin/sh
# Checks the function names of the program's sources with clang-tidy and the rule in .clang-tidy:
# coined functions are lowerCamelCase, the names the design fixes are listed there. Prints each
# offending declaration and fails when there is one.
#   scripts/check-names.sh BUILD_DIR     (a configured and built tree with compile_commands.json)
set -eu
cd "$(dirname "$0")/.."
build_dir=$1
folders='(app|cli|cdlist|disc|common|layout|platform(/codecs|/adapters)?|render|audio)'
sources="^$PWD/$folders/[^/]+\\.cpp\$"
headers="^$PWD/$folders/[^/]+\\.h\$"
report=$(mktemp)
trap 'rm -f "$report"' EXIT
status=0
run-clang-tidy -p "$build_dir" -quiet -j "$(nproc)" -header-filter "$headers" "$sources" >"$report" 2>/dev/null || status=$?
if [ "$status" -ne 0 ]; then
    grep -E "error: |warning: " "$report" | sort -u
    echo "function names: see .clang-tidy for the rule" >&2
fi
exit "$status"
