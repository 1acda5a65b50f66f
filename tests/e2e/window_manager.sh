#!/usr/bin/env bash
# The real program under openbox on Xvfb (XVFB_SCREEN), each check named on the command line:
#   walk        zoom 1 to 4 and back with Ctrl+Plus and Ctrl+Minus: the frame inside the work
#               area, the zoom the largest that fits, the centre kept where it can be
#   fullscreen  a remembered zoom 4 starts inside the screen and stays remembered; F11 sets
#               _NET_WM_STATE_FULLSCREEN, zoom keys there change and write nothing, F11 again
#               puts the frame back exactly; the window manager's own full screen followed
#   fullstart   --fullscreen, then F11: the window in the middle of the work area
#   menus       the settings menu (right click, Menu, Shift+F10) changes each setting, at once,
#               and the settings file shows it (F10's walk to the help window is the conformance
#               table's)
#   tests/e2e/window_manager.sh build/desktop/app/smashbol WORK walk fullscreen ...
set -euo pipefail
SMASHBOL=${1:?usage: $0 path/to/smashbol work-folder check...}
WORK=${2:?usage: $0 path/to/smashbol work-folder check...}
shift 2
mkdir -p "$WORK"
. "$(dirname "$0")/lib.sh"

# at_zoom N: is the grown window at zoom N?
at_zoom() { read_frame && [ "$WIDTH" = $((303 * $1)) ] && [ "$HEIGHT" = $((330 * $1)) ]; }
# full: is the window full screen, by its state and its size?
full() { read_frame && [[ $STATE == *FULLSCREEN* ]] && [ "$WIDTH $HEIGHT" = "$SCREEN_SIZE" ]; }

# expect_inside WHAT: the frame inside the work area, and with CENTRE ("2x 2y") given, centred
# there unless it touches the work area's edge (to 3 pixels: openbox may frame a window that was
# resizable with a resize handle for a moment)
expect_inside() {
    local x y w h ax ay aw ah cx cy
    read -r x y w h <<<"$FRAME"
    read -r ax ay aw ah <<<"$WORKAREA"
    [ "$x" -ge "$ax" ] && [ "$y" -ge "$ay" ] && [ $((x + w)) -le $((ax + aw)) ] &&
        [ $((y + h)) -le $((ay + ah)) ] || fail "$1: frame $FRAME outside the work area $WORKAREA"
    [ -n "${CENTRE:-}" ] && read -r cx cy <<<"$CENTRE" || return 0
    [ $(((2 * x + w - cx) ** 2 <= 36 && (2 * y + h - cy) ** 2 <= 36)) = 1 ] || [ "$x" = "$ax" ] ||
        [ "$y" = "$ay" ] || [ $((x + w)) = $((ax + aw)) ] || [ $((y + h)) = $((ay + ah)) ] ||
        fail "$1: frame $FRAME, neither centred at ($CENTRE)/2 nor at an edge"
}

begin() {  # begin [options]: the game, focused, its splash clicked away (the window grown)
    start_game "$@"
    xdotool windowactivate --sync "$WIN"
    click_at 150 150
    until_true 5 eval 'read_frame && [ $((HEIGHT % 330)) = 0 ]' || fail "no growth"
}

walk() {
    fresh
    begin --zoom 1
    local aw ah fw fh fit=1 want=1 x y w h CENTRE
    read -r _ _ aw ah <<<"$WORKAREA"
    read -r _ _ fw fh <<<"$FRAME"
    while [ $((fit < 4 && 303 * fit + fw <= aw && 330 * fit + fh <= ah)) = 1 ]; do
        fit=$((fit + 1))  # the frame at zoom 1 plus one zoom step fits
    done
    for step in plus plus plus minus minus minus; do
        read -r x y w h <<<"$FRAME"
        CENTRE="$((2 * x + w)) $((2 * y + h))"
        xdotool key "ctrl+$step"
        [ "$step" = plus ] && want=$((want < fit ? want + 1 : fit)) ||
            want=$((want > 1 ? want - 1 : 1))
        until_true 3 at_zoom "$want" || fail "ctrl+$step: ${WIDTH}x$HEIGHT, expected zoom $want"
        sleep 0.2
        read_frame
        expect_inside "ctrl+$step"
    done
    echo "walk: frames inside $WORKAREA, largest zoom $fit"
}

# fullscreen: started with a remembered zoom 4, which must start inside the screen and stay
# remembered; then F11, the zoom keys, F11, and the window manager's own full screen
fullscreen() {
    fresh '[window]\nzoom=4\n'
    begin
    expect_inside "a remembered zoom 4"
    [ $((WIDTH / 303)) -lt 4 ] || fail "zoom 4 shown on a screen it does not fit"
    local before=$FRAME inside="$X $Y $WIDTH $HEIGHT"
    xdotool key F11
    until_true 3 full || fail "F11: state '$STATE', ${WIDTH}x$HEIGHT"
    xdotool key ctrl+minus ctrl+plus ctrl+0
    sleep 0.3
    xdotool key F11
    until_true 3 eval 'read_frame && [[ $STATE != *FULLSCREEN* ]] && [ "$FRAME" = "$before" ]' ||
        fail "F11 again: frame $FRAME, was $before"
    grep -q '^zoom=4$' "$INI" || fail "zoom keys in full screen wrote: $(cat "$INI")"
    # The window manager's own full screen, followed and left (openbox may keep the resize
    # handle it framed the window with meanwhile: the window's own place and size compared).
    wmctrl -i -r "$WIN" -b add,fullscreen
    until_true 3 full || fail "the window manager's full screen left the window ${WIDTH}x$HEIGHT"
    wmctrl -i -r "$WIN" -b remove,fullscreen
    until_true 3 eval 'read_frame && [ "$X $Y $WIDTH $HEIGHT" = "$inside" ]' ||
        fail "back from the window manager's: $X $Y $WIDTH $HEIGHT, was $inside"
    echo "fullscreen: zoom 4 remembered, ${inside##* } high shown; frame $before, there and back"
}

# fullstart: started in full screen, F11 gives the window in the middle of the work area
fullstart() {
    fresh
    start_game --fullscreen
    until_true 5 full || fail "--fullscreen: state '$STATE', ${WIDTH}x$HEIGHT"
    xdotool windowactivate --sync "$WIN" key F11
    until_true 3 eval 'read_frame && [[ $STATE != *FULLSCREEN* ]] && [ $WIDTH = 303 ]' ||
        fail "F11 after --fullscreen: '$STATE', ${WIDTH}x$HEIGHT"
    sleep 0.3
    read_frame
    local CENTRE
    CENTRE=$(read -r x y w h <<<"$WORKAREA" && echo $((2 * x + w)) $((2 * y + h)))
    expect_inside "F11 after --fullscreen"
    echo "fullstart: full screen, then frame $FRAME"
}

# setting OPENER "KEYS" LINE: the settings menu opened by a right click ("click") or a key, an
# item picked by its access letters, and the settings file holds the line
setting() {
    [ "$1" = click ] && xdotool mousemove --window "$WIN" 100 200 click 3 || xdotool key "$1"
    sleep 0.4
    xdotool key $2
    until_true 3 grep -q "^$3$" "$INI" || fail "the settings menu's '$2' gave: $(cat "$INI")"
}

menus() {
    fresh
    SMASHBOL_TICK_STATS=1 begin --zoom 1
    setting click "z 2" zoom=2
    until_true 3 at_zoom 2 || fail "the settings menu's zoom 2 shows ${WIDTH}x$HEIGHT"
    setting shift+F10 v mute=true
    setting Menu a autopause=false
    setting click r classic-timing=true
    sleep 2.2  # two reports of the timers' rates on the beat of 2002
    # On the beat, the intro's 1 ms timer ticks as often as the 10 ms one: at most 64 a second.
    tail -n 1 "$WORK/game.err" | awk -F'[= ]' '{ exit !($3 > 0 && $3 <= 66 && $7 <= 66) }' ||
        fail "the timing of 2002 did not take effect: $(tail -n 1 "$WORK/game.err")"
    setting click c fullscreen=true
    until_true 3 full || fail "the settings menu's full screen: '$STATE', ${WIDTH}x$HEIGHT"
    setting click c fullscreen=false
    echo "menus: the settings file: $(tr '\n' ' ' <"$INI")"
}

start_xvfb
start_wm
SCREEN_SIZE=$(xdpyinfo | sed -n 's/ *dimensions: *\([0-9]*\)x\([0-9]*\) .*/\1 \2/p')
for check in "$@"; do
    "$check"
    stop_game
done
! grep -Ev "XDG_RUNTIME_DIR|^ticks/s" "$WORK/game.err" || fail "unexpected output (above)"
echo "PASS"
