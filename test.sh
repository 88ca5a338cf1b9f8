#!/bin/sh
# Installs what is missing, builds (Debug, warnings on) and runs the whole test suite.
#   ./test.sh               normal build in build/debug
#   ./test.sh --sanitize    AddressSanitizer + UndefinedBehaviorSanitizer in build/sanitize
# Further arguments go to ctest (for example -R layout.).
set -eu
cd "$(dirname "$0")"

build_dir=build/debug
options="-DCMAKE_BUILD_TYPE=Debug"
if [ "${1:-}" = "--sanitize" ]; then
    shift
    build_dir=build/sanitize
    options="$options -DLCCD_SANITIZE=ON"
fi

scripts/install-deps.sh --test

# shellcheck disable=SC2086
cmake -S . -B "$build_dir" -G Ninja $options >/dev/null
cmake --build "$build_dir"

# A print server for the printing test: cupsd with a queue that prints into PDF files.
. scripts/test-print-server.sh
start_print_server
trap stop_print_server EXIT

ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" "$@"
