#!/bin/sh
# Builds the fuzz targets in build/fuzz (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each in turn for SECONDS (default 60), starting from its
# seeds in fuzz/seeds and the project's own sample files. Fails when any target finds a crash, a
# leak, a timeout (an input taking over 10 s) or an out-of-memory (over 2 GB); the input that
# found it is left in build/fuzz/findings. The corpus grows run by run in build/fuzz/corpus.
#   fuzz/run.sh [SECONDS] [TARGET...]
set -eu
cd "$(dirname "$0")/.."

seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=${*:-"csv_field_w sjis_csv color_numbers code_page layout_file ini_file disc_project cue_sheet
disc_label wrap_engine paragraph_file half_kana riff tag_adapter label_templates cd_audio"}

scripts/install-deps.sh --fuzz
build=build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLCCD_FUZZ=ON -DLCCD_BUILD_TESTS=OFF -DLCCD_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzzers

# Sample files of the project that a target also starts from.
samples_of() {
    case "$1" in
    layout_file | disc_label) echo resources/LcJacketStd.lct ;;
    paragraph_file) echo resources/readme.txt ;;
    riff | tag_adapter | cd_audio) echo tests/data/*.mp3 ;;
    label_templates) echo /usr/share/libglabels-3.0/templates/*.xml ;;
    esac
}

# The targets that read files write each input to a scratch file: in memory where there is a
# tmpfs, so that they are not held up by the disk.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR="/dev/shm/lccd-fuzz-$$"
else
    export TMPDIR="$PWD/$build/scratch"
fi
# AddressSanitizer keeps freed memory aside to catch late use; its default of 256 MB lets the tag
# target (which copies whole songs) grow past the memory limit in runs of half an hour.
export ASAN_OPTIONS="${ASAN_OPTIONS:-quarantine_size_mb=64}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/fuzz/leak-suppressions.txt}"
failed=""
for target in $targets; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus" "$build/findings" "$TMPDIR"
    # shellcheck disable=SC2046
    cp $(samples_of "$target") "$corpus/" 2>/dev/null || true
    # A target's dictionary of the tokens its format is made of, where it has one.
    dictionary=""
    [ -f "fuzz/$target.dict" ] && dictionary="-dict=fuzz/$target.dict"
    echo "== $target: ${seconds} s"
    # shellcheck disable=SC2086
    if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/findings/$target-" $dictionary \
        "$corpus" "fuzz/seeds/$target" >"$build/$target.log" 2>&1; then
        failed="$failed $target"
        tail -n 40 "$build/$target.log"
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$build/$target.log" || true
    rm -rf "$TMPDIR"
done

count=$(echo $targets | wc -w)
found=$(echo $failed | wc -w)
echo "fuzz targets: $((count - found)) passed, $found failed"
if [ -n "$failed" ]; then
    echo "Findings in:$failed (the inputs are in $build/findings)"
    exit 1
fi
