#!/usr/bin/env bash
# The fuzzers, built by clang in a tree of their own and run from their corpora.
#   tests/fuzz/run.sh build TREE                 configure TREE with clang++ and build the fuzzers
#   tests/fuzz/run.sh run TREE TARGET SECONDS    replay TARGET's committed cases, then fuzz it SECONDS
#   tests/fuzz/run.sh all TREE SECONDS           both, for every target (./build.sh fuzz)
# Targets: recording (a player's recording, checked and replayed, and the driver's own script),
# catalogue (a .mo image shown in the game), settings (the settings file). An input that finds
# a fault is left in TREE/artifacts/; with the fault fixed, it joins tests/fuzz/corpus/TARGET/, whose
# every case is replayed before each run.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
TARGETS=(recording catalogue settings)

build() {
    cmake -S "$ROOT" -B "$1" -DCMAKE_CXX_COMPILER=clang++ -DSMASHBOL_GUI=OFF -DSMASHBOL_FUZZ=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$1" -j "$(nproc)" --target "${TARGETS[@]/#/fuzz_}"
}

# The seeds that come from the tree rather than the corpus: the driver's fixtures, the game's own
# catalogues in both byte orders.
seed() {
    local tree=$1 target=$2 work=$3
    case $target in
        recording) cp "$ROOT"/tests/fixtures/*.trace "$work"/ ;;
        catalogue)
            cp "$tree"/assets/*.mo "$work"/
            for po in "$ROOT"/po/*.po; do
                msgfmt --endianness=big -o "$work/big-$(basename "$po" .po).mo" "$po"
            done
            ;;
    esac
}

run() {
    local tree=$1 target=$2 seconds=$3
    local fuzzer=$tree/tests/fuzz/fuzz_$target cases=$ROOT/tests/fuzz/corpus/$target work=$tree/corpus/$target
    local log=$tree/logs/$target.log
    mkdir -p "$work" "$tree/artifacts" "$tree/logs"
    seed "$tree" "$target" "$work"
    # The committed cases, where the target has any (the catalogues' seeds all come from the tree).
    local inputs=("$work")
    [ ! -d "$cases" ] || inputs+=("$cases")
    local options=(-rss_limit_mb=512 -timeout=10 -artifact_prefix="$tree/artifacts/$target-")
    [ -f "$ROOT/tests/fuzz/$target.dict" ] && options+=(-dict="$ROOT/tests/fuzz/$target.dict")
    [ "$target" = recording ] && options+=(-max_len=16384)
    # Every case that once found a fault, and every seed, must pass before the search goes on.
    if ! "$fuzzer" "${options[@]}" -runs=0 "${inputs[@]}" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz $target: a committed case or a seed fails (log: $log)" >&2
        return 1
    fi
    if ! "$fuzzer" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 \
        "${inputs[@]}" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz $target: a fault, its input in $tree/artifacts/ (log: $log)" >&2
        return 1
    fi
    # The last line of the search's progress (executions, cov, ft) and its totals.
    grep -E '^#[0-9]+' "$log" | tail -n 1
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log"
}

case "${1:-}" in
    build) build "${2:?tree}" ;;
    run) run "${2:?tree}" "${3:?target}" "${4:-60}" ;;
    all)
        build "${2:?tree}"
        for target in "${TARGETS[@]}"; do
            echo "== fuzz $target for ${3:-60} s"
            run "$2" "$target" "${3:-60}"
        done
        ;;
    *)
        sed -n '2,9p' "$0" >&2
        exit 2
        ;;
esac
