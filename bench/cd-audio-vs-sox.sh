#!/bin/sh
# Whole-process time to turn a 10-minute 96 kHz/24-bit FLAC song into CD audio, side by side:
#   ours:  cd-audio-to-wav, the pipeline that feeds a disc, writing a WAV file
#   peer:  sox in.flac -r 44100 -b 16 -c 2 out.wav
# Both run in turns, RUNS times each (default 5); the script prints both medians and the
# ratio. The target is ours no slower than sox.
#   bench/cd-audio-vs-sox.sh [RUNS]
set -eu
cd "$(dirname "$0")/.."
. bench/side-by-side.sh
runs=${1:-5}

scripts/install-deps.sh --test
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLCCD_BUILD_TESTS=OFF >/dev/null
cmake --build build/bench --target cd-audio-to-wav >/dev/null
ours_program=build/bench/bench/cd-audio-to-wav

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
song=$work/song.flac
# Pink noise under a tone: as hard to compress and to resample as music.
sox -n -r 96000 -c 2 -b 24 "$song" synth 600 pinknoise synth 600 sine mix 440 vol 0.3

ours() { "$ours_program" "$song" "$work/ours.wav"; }
theirs() { sox "$song" -r 44100 -b 16 -c 2 "$work/peer.wav"; }

# One warm-up run each (file caches), which also checks that both made the same audio length:
# ours is sox's rounded up to whole 588-frame sectors.
ours
theirs
ours_frames=$(soxi -s "$work/ours.wav")
peer_frames=$(soxi -s "$work/peer.wav")
if [ $((ours_frames - peer_frames)) -lt 0 ] || [ $((ours_frames - peer_frames)) -ge 588 ]; then
    echo "the outputs differ in length ($ours_frames and $peer_frames frames): nothing to compare" >&2
    exit 1
fi
time_in_turns "$runs" "$work"
echo "10-minute 96 kHz/24-bit FLAC to 44.1 kHz/16-bit stereo WAV, median of $runs whole-process runs each"
echo "  cd-audio-to-wav: $ours_median ms"
echo "  sox:             $peer_median ms"
awk -v a="$ours_median" -v b="$peer_median" \
    'BEGIN { printf "  ratio: ours takes %.2f of the time sox takes (target: at most 1)\n", a / b }'
