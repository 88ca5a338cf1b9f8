#!/bin/sh
# Builds the program (Release, in build/release) and makes its Debian package there:
#   scripts/package.sh && sudo apt install ./build/release/lccdtool_*.deb
set -eu
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DLCCD_BUILD_TESTS=OFF -DLCCD_BUILD_BENCH=OFF >/dev/null
cmake --build build/release
(cd build/release && cpack -G DEB >/dev/null)
ls build/release/lccdtool_*.deb
