#!/bin/sh
# Installs what is missing, builds the program (Release) and starts it; without a desktop
# session the demo jacket it opens with on its first start is drawn to a PDF file instead.
set -eu
cd "$(dirname "$0")"

scripts/install-deps.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DLCCD_BUILD_TESTS=OFF -DLCCD_BUILD_BENCH=OFF >/dev/null
cmake --build build/release

program=build/release/app/lccdtool
cli=build/release/app/lccdtool-cli

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    demo=build/release/lccdtool-demo.csv
    "$cli" demo "$demo"
    pdf="$(pwd)/build/release/lccdtool-demo.pdf"
    "$cli" render "$demo" -o "$pdf"
    echo "No desktop session (DISPLAY and WAYLAND_DISPLAY are unset), so the window cannot open."
    echo "The demo jacket was drawn with lccdtool-cli instead: $pdf"
    echo "Run ./run.sh inside a desktop session to start lccdtool; see lccdtool-cli --help for the command line."
    exit 0
fi
exec "$program" "$@"
