#!/usr/bin/env bash
# Screenshots of a whole run at scale 1 and 2 (QT_SCALE_FACTOR): the splash, the intro rally, the
# help and about windows, a running match and the end message, taken from the real program under
# a private Xvfb. The match is played out by the computer against a player who stands still.
#   tests/e2e/screenshots.sh build/desktop/app/smashbol /tmp/shots
set -euo pipefail
SMASHBOL=${1:?usage: $0 path/to/smashbol [output folder]}
OUT=${2:-/tmp/shots}
mkdir -p "$OUT"
. "$(dirname "$0")/lib.sh"
scratch_work

# keep NAME: the window and a margin around it, from the last screenshot
keep() {
    read_geometry
    convert "$WORK/now.png" -crop "$((WIDTH + 40))x$((HEIGHT + 40))+$((X - 20))+$((Y - 20))" +repage \
        "$OUT/scale$s-$1.png"
    echo "$OUT/scale$s-$1.png"
}

# open_info ITEM: opens the "Informace" menu with the mouse and picks its ITEM-th entry
open_info() {
    click_at $((70 * s)) $((9 * s))
    sleep 0.5
    for _ in $(seq 1 "$1"); do xdotool key Down; done
    xdotool key Return
    sleep 0.8
}

start_xvfb
for s in 1 2; do
    export QT_SCALE_FACTOR=$s
    start_game
    sleep 0.5
    shot now && keep 1-splash

    click_at $((150 * s)) $((150 * s))
    sleep 1.5
    shot now && keep 2-intro-rally

    open_info 1
    shot now && keep 3-help
    click_at $((150 * s)) $((100 * s))
    sleep 0.3

    open_info 2
    shot now && keep 4-about
    click_at $((150 * s)) $((100 * s))
    sleep 0.3

    xdotool windowfocus --sync "$WIN"
    xdotool key ctrl+c
    sleep 0.3
    xdotool key p
    sleep 2
    shot now && keep 5-match

    # Until the players leave the court: the match is decided.
    for _ in $(seq 1 90); do
        sleep 2
        shot now
        read_geometry
        if ! has_colour now "$X" "$Y" "$WIDTH" "$HEIGHT" 2858E0; then
            break
        fi
    done
    keep 6-end-message

    xdotool key ctrl+d
    end_game 10 "on Ctrl+D"
done
unset QT_SCALE_FACTOR
