#!/bin/sh
# Whole-process time to draw one CD jacket sheet of 25 songs to a PDF, side by side:
#   ours:  lccdtool-cli render of the built-in jacket template filled with 25 songs
#   peer:  glabels-3-batch with a label of the same content (bench/peer/jacket-25.glabels)
#   floor: pdf-floor (bench/PdfFloor.cpp), the least a Qt program does for a PDF with one line
#          of Japanese text
# All run in turns, RUNS times each (default 21); the script prints the medians and the
# ratios. The targets: ours at least 40 times as fast as the peer, and at most 1.5 times the
# floor.
#   bench/render-vs-glabels.sh [RUNS]
set -eu
cd "$(dirname "$0")/.."
. bench/side-by-side.sh
runs=${1:-21}

# Install step: the program's dependencies, poppler-utils to check the outputs, and glabels,
# which only this comparison needs.
scripts/install-deps.sh
missing=""
for p in glabels poppler-utils; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    [ "$(id -u)" -eq 0 ] && SUDO= || SUDO=sudo
    $SUDO apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLCCD_BUILD_TESTS=OFF >/dev/null
cmake --build build/bench --target lccdtool-cli pdf-floor >/dev/null
cli=build/bench/app/lccdtool-cli
floor_program=build/bench/bench/pdf-floor
peer=bench/peer/jacket-25.glabels

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" demo "$work/jacket-25.csv" --songs 25 2>/dev/null

ours() { "$cli" render "$work/jacket-25.csv" -o "$work/ours.pdf"; }
theirs() { glabels-3-batch -o "$work/peer.pdf" "$peer"; }
floor() { "$floor_program" "$work/floor.pdf"; }

# One warm-up run each (file caches, font caches), then the measured runs in turns.
ours >/dev/null 2>&1
theirs >/dev/null 2>&1
floor >/dev/null 2>&1
for sheet in ours peer floor; do
    if ! pdftotext "$work/$sheet.pdf" - | grep -q "25 002:38"; then
        echo "the $sheet PDF lacks the song list: nothing to compare" >&2
        exit 1
    fi
done
time_in_turns "$runs" "$work"
echo "jacket with 25 songs to PDF, median of $runs whole-process runs each"
echo "  lccdtool-cli render: $ours_median ms"
echo "  glabels-3-batch:     $peer_median ms"
echo "  pdf-floor:           $floor_median ms"
awk -v a="$ours_median" -v b="$peer_median" -v f="$floor_median" 'BEGIN {
    printf "  ours is %.1f times as fast as glabels-3-batch (target: at least 40)\n", b / a
    printf "  ours / floor: %.2f (target: at most 1.5)\n", a / f
}'
