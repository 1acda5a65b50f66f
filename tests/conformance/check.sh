#!/usr/bin/env bash
# The driver's side of the conformance table: for each session a player left in PLAYED/<n>/
# (its recording, session.trace, and a PNG of each window it shot), the driver replays the
# recording with a shot of the same windows before the closing Ctrl+D, and everything must
# agree: the frames pixel for pixel, the replay's end with the state the recording ends with,
# and, for a session with a script of its own, that state with the driver's by the script and
# the player's Ctrl+D.
#   tests/conformance/check.sh PLAYED path/to/smashbol-trace [sessions.txt]
set -euo pipefail
PLAYED=${1:?usage: $0 PLAYED path/to/smashbol-trace}
TRACE=${2:?usage: $0 PLAYED path/to/smashbol-trace}
TABLE=${3:-$(dirname "$0")/sessions.txt}
declare -A failed=()  # the sessions that failed, by name
complain() {
    echo "FAIL: $name: $*" >&2
    failed[$name]=1
}

n=0
while IFS='|' read -r name _ windows script; do
    [ -n "$name" ] && [ "${name:0:1}" != "#" ] || continue
    n=$((n + 1))
    dir="$PLAYED/$n"
    recording="$dir/session.trace"
    [ -s "$recording" ] || { complain "no recording"; continue; }
    own=$(tail -n 1 "$recording")
    case "$own" in "# {"*) ;; *) complain "the recording does not end with a state"; continue ;; esac
    own=${own#\# }
    # The shots go before the last command of the run, its Ctrl+D.
    last=$(grep -n '^menu exit$' "$recording" | tail -n 1 | cut -d: -f1)
    [ -n "$last" ] || { complain "the recording has no Ctrl+D"; continue; }
    shots=""
    for w in $windows; do shots+="shot $w $dir/driver-$w.png"$'\n'; done
    { head -n $((last - 1)) "$recording"; printf '%s' "$shots"; tail -n +"$last" "$recording"; } \
        >"$dir/replay.trace"
    "$TRACE" <"$dir/replay.trace" >"$dir/replay.out" 2>"$dir/replay.err" ||
        { complain "the driver: $(head -n 2 "$dir/replay.err")"; continue; }
    [ "$(tail -n 1 "$dir/replay.out")" = "$own" ] ||
        complain "the replay ends elsewhere than the player did
  player: $own
  driver: $(tail -n 1 "$dir/replay.out")"
    for w in $windows; do
        # A player's shot is the window's whole client area: the driver's frame is its lower
        # part, below the menu bar if one shows.
        size=$(identify -format '%w %h' "$dir/driver-$w.png")
        convert "$dir/$w.screen.png" -gravity South -crop "${size/ /x}+0+0" +repage "$dir/$w.png"
        differ=$(compare -metric AE "$dir/$w.png" "$dir/driver-$w.png" "$dir/diff-$w.png" 2>&1 || true)
        [ "$differ" = 0 ] || complain "$w: $differ pixels differ from the driver's ($dir/diff-$w.png)"
    done
    if [ -n "$script" ]; then
        printf '%s\nkeydown 0\nmenu exit\nprint\n' "${script//; /$'\n'}" | "$TRACE" >"$dir/script.out"
        [ "$(tail -n 1 "$dir/script.out")" = "$own" ] ||
            complain "the player ends elsewhere than the driver's script
  player: $own
  script: $(tail -n 1 "$dir/script.out")"
    fi
done < <(sed -E 's/ *\| */|/g; s/^ +| +$//' "$TABLE")  # the columns without their spaces
failures=${#failed[@]}
[ "$n" -gt 0 ] || { echo "FAIL: no session in $TABLE" >&2; exit 1; }
echo "$((n - failures)) passed, $failures failed"
[ "$failures" = 0 ]
