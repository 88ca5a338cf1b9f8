#!/bin/sh
# Installs what is missing, builds the program (Release) and starts it.
set -eu
cd "$(dirname "$0")"

scripts/install-deps.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DLCCD_BUILD_TESTS=OFF -DLCCD_BUILD_BENCH=OFF >/dev/null
cmake --build build/release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "lccdtool is a desktop program: start ./run.sh inside a desktop session (no DISPLAY or WAYLAND_DISPLAY is set)." >&2
    exit 1
fi
exec build/release/app/lccdtool "$@"
