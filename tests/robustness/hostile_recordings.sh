#!/usr/bin/env bash
# Each recording of hostile_recordings.txt made, then given to the driver (smashbol-trace
# --replay) and to the game (smashbol --replay, offscreen), each within 512 MiB of address space
# and 10 s: one refused exits 2 with the one line the table says and nothing else, the game
# before Qt starts; one that plays prints the driver's state, and the game, watching it, prints
# the same and leaves with 0 on SIGTERM.
#   tests/robustness/hostile_recordings.sh path/to/smashbol path/to/smashbol-trace
set -euo pipefail
SMASHBOL=${1:?usage: $0 path/to/smashbol path/to/smashbol-trace}
TRACE=${2:?usage: $0 path/to/smashbol path/to/smashbol-trace}
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
chmod 700 "$WORK"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$WORK/config XDG_RUNTIME_DIR=$WORK \
    SDL_AUDIODRIVER=dummy
bounded() { (ulimit -v 524288 && exec timeout 10 "$@"); }
complain() {
    echo "FAIL: $name: $*" >&2
    bad=1
}
# one_line WHO FILE EXPECTED: FILE holds the one line that begins with EXPECTED, or nothing
# when EXPECTED is empty.
one_line() {
    local said
    said=$(cat "$2")
    [[ -z $3 && -z $said ]] || { [ "$(grep -c '' "$2")" = 1 ] && [[ -n $3 && $said == "$3"* ]]; } ||
        complain "$1 said: ${said:0:300}${3:+ (not: $3)}"
}

n=0 failures=0 slowest=0
while IFS= read -r row; do
    [[ -n $row && $row != \#* ]] || continue
    name=${row%% | *} rest=${row#* | }
    make=${rest% | *} want=${rest##* | }
    n=$((n + 1)) bad=0
    file=$WORK/$n.trace
    (cd "$HERE/../.." && bash -c "$make") >"$file"
    status=0 said=""
    [[ $want != refused* ]] || status=2
    [[ $want != *\ line\ * ]] || said="$file: ${want#* }"
    started=$(date +%s%N)
    got=0
    bounded "$TRACE" --replay "$file" >"$WORK/driver.out" 2>"$WORK/driver.err" || got=$?
    [ "$got" = "$status" ] || complain "the driver exits $got, not $status"
    one_line "the driver" "$WORK/driver.err" "$said"
    if [ "$status" = 2 ]; then
        got=0
        bounded "$SMASHBOL" --mute --replay "$file" >"$WORK/game.out" 2>"$WORK/game.err" || got=$?
        [ "$got" = 2 ] || complain "the game exits $got, not 2"
        one_line "the game" "$WORK/game.err" "smashbol: $said"
    else
        [[ $(tail -n 1 "$WORK/driver.out") == \{* ]] || complain "the driver printed no state"
        # TERM reaches the game through timeout; a game that ignores it is killed at 20 s.
        (ulimit -v 524288 && exec timeout -s KILL 20 "$SMASHBOL" --mute --replay "$file") \
            >"$WORK/game.out" 2>"$WORK/game.err" &
        pid=$!
        timeout 10 bash -c 'until cmp -s "$0" "$1"; do sleep 0.1; done' "$WORK/game.out" \
            "$WORK/driver.out" || complain "the game printed: $(head -c 300 "$WORK/game.out")"
        [[ $(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null) == [RSD] ]] || complain "it had left"
        kill -TERM "$pid" 2>/dev/null || true
        wait "$pid" || complain "the game exits $? on SIGTERM"
        grep '^smashbol: ' "$WORK/game.err" >"$WORK/game.said" || true
        one_line "the game" "$WORK/game.said" "${said:+smashbol: $said}"
    fi
    ms=$((($(date +%s%N) - started) / 1000000))
    slowest=$((ms > slowest ? ms : slowest))
    echo "$name: $want ($ms ms)"
    failures=$((failures + bad))
    rm -f "$file"
done <"$HERE/hostile_recordings.txt"
echo "the slowest recording took $slowest ms through both"
echo "$((n - failures)) passed, $failures failed"
[ "$n" -gt 0 ] && [ "$failures" = 0 ]
