# Sourced by the benchmarks that time one of our commands against a peer program's: the script
# defines the shell functions ours and theirs (and floor, a third command, where it has one),
# then calls time_in_turns RUNS WORKDIR, which runs them in turns RUNS times each and sets
# ours_median, peer_median and floor_median (milliseconds).

# Milliseconds one command takes, from start to exit.
elapsed_ms() {
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000)) | awk '{ printf "%.1f\n", $1 / 1000 }'
}

median() {
    sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

time_in_turns() {
    : >"$2/ours.ms"
    : >"$2/peer.ms"
    : >"$2/floor.ms"
    i=0
    while [ "$i" -lt "$1" ]; do
        elapsed_ms ours >>"$2/ours.ms"
        elapsed_ms theirs >>"$2/peer.ms"
        if command -v floor >/dev/null; then
            elapsed_ms floor >>"$2/floor.ms"
        fi
        i=$((i + 1))
    done
    ours_median=$(median "$2/ours.ms")
    peer_median=$(median "$2/peer.ms")
    floor_median=$(median "$2/floor.ms")
}
