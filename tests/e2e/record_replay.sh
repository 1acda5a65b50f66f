#!/usr/bin/env bash
# A session played under Xvfb with --record and --mute (a click on the splash, Ctrl+A, the arrows,
# some seconds of play, Ctrl+D), then watched with --replay and hurried with Right: the watching
# ends in the driver's state (its print, its shot of the main window) for the same recording.
set -euo pipefail
SMASHBOL=${1:?usage: $0 path/to/smashbol path/to/smashbol-trace [work folder]}
TRACE=${2:?usage: $0 path/to/smashbol path/to/smashbol-trace [work folder]}
WORK=${3:-$(mktemp -d)}
HERE=$(dirname "$0")
rm -rf "$WORK/1" "$WORK/audio.raw" && mkdir -p "$WORK/1"
. "$HERE/lib.sh"
recording=$WORK/1/session.trace

start_xvfb
# Muted, not even SDL's disk driver may open: it would leave a file.
GAME_AUDIO=disk SDL_DISKAUDIOFILE="$WORK/audio.raw" \
    start_game --zoom 1 --mute --record "$recording"
click_at 150 150
sleep 0.5
xdotool windowfocus --sync "$WIN" key ctrl+a
for k in Left Right Left; do
    xdotool keydown $k
    sleep 0.4
    xdotool keyup $k
done
sleep 3
xdotool key ctrl+d
end_game 5 "after Ctrl+D"
[ ! -e "$WORK/audio.raw" ] || fail "muted, yet a sound device was opened"

started=$(date +%s%N)
SDL_AUDIODRIVER=dummy "$SMASHBOL" --zoom 1 --mute --replay "$recording" \
    >"$WORK/watched.out" 2>"$WORK/game.err" &
GAME_PID=$!
WIN=$(timeout 60 xdotool search --sync --onlyvisible --name '^SMASHBOL 2002 - Záznam' | head -1)
[ -n "$WIN" ] || fail "the watching window did not show"
xdotool windowfocus --sync "$WIN" key Right Right
for _ in $(seq 600); do
    title=$(xdotool getwindowname "$WIN")
    [[ $title != *dohráno* ]] || break
    sleep 0.1
done
watched_ms=$((($(date +%s%N) - started) / 1000000))
[ "$title" = "SMASHBOL 2002 - Záznam - dohráno ×4" ] || fail "the title at the end: $title"
import -window "$WIN" "$WORK/1/Form1.screen.png"
xdotool key Escape
end_game 5 "after Escape"

"$TRACE" --replay "$recording" >"$WORK/driver.out"
cmp -s "$WORK/watched.out" "$WORK/driver.out" ||
    fail "the watching printed elsewhere than the driver:
watched: $(head -c 300 "$WORK/watched.out")
driver:  $(head -c 300 "$WORK/driver.out")"
# The driver shoots the main window where the player pressed Ctrl+D, the watching's last picture.
echo "watched | | Form1 |" >"$WORK/table.txt"
"$HERE/../conformance/check.sh" "$WORK" "$TRACE" "$WORK/table.txt"
echo "a session of $(grep -c '^tick' "$recording") tick lines watched at four times its pace" \
    "in $watched_ms ms, from the start to its end"
