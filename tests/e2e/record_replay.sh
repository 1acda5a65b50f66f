#!/usr/bin/env bash
# A whole match played under Xvfb with --record and --mute, replayed by smashbol-trace to the very
# state the game ended in. Muted, not even SDL's disk driver may open: it would leave a file.
set -euo pipefail
SMASHBOL=${1:?usage: $0 path/to/smashbol path/to/smashbol-trace [work folder]}
TRACE=${2:?usage: $0 path/to/smashbol path/to/smashbol-trace [work folder]}
WORK=${3:-$(mktemp -d)}
mkdir -p "$WORK"
rm -f "$WORK/audio.raw" "$WORK/match.trace"
. "$(dirname "$0")/lib.sh"

start_xvfb
GAME_AUDIO=disk SDL_DISKAUDIOFILE="$WORK/audio.raw" SMASHBOL_TICK_STATS=1 \
    start_game --mute --record "$WORK/match.trace"
xdotool mousemove --window "$WIN" 150 150 click 1
sleep 1
xdotool windowfocus --sync "$WIN"
xdotool key ctrl+c
sleep 0.3
started=$(date +%s%N)
xdotool key p
xdotool keydown Left
sleep 0.4
xdotool keyup Left
wait_for_match_end 120
played_ms=$((($(date +%s%N) - started) / 1000000))
xdotool key ctrl+d
end_game 5 "after Ctrl+D"

[ ! -e "$WORK/audio.raw" ] || fail "muted, yet a sound device was opened"
own=$(tail -n 1 "$WORK/match.trace")
case "$own" in "# {"*) ;; *) fail "the recording does not end with the game's state: $own" ;; esac
case "$own" in *'"Label12":"Vyhrál jsi !!!!"'* | *'"Label12":"Prohrál jsi !!!!"'*) ;;
    *) fail "the match was not played out: $own" ;; esac
"$TRACE" <"$WORK/match.trace" >"$WORK/replay.out" 2>"$WORK/replay.err" ||
    fail "smashbol-trace did not take the recording: $(head -3 "$WORK/replay.err")"
[ "$(tail -n 1 "$WORK/replay.out")" = "${own#\# }" ] ||
    fail "the replay ends elsewhere:
game:   ${own#\# }
replay: $(tail -n 1 "$WORK/replay.out")"
bytes=$(stat -c %s "$WORK/match.trace")
echo "a match of ${played_ms} ms recorded in $bytes bytes: $((bytes * 60000 / played_ms)) bytes a minute"
