#!/usr/bin/env bash
# The real program under openbox on Xvfb (XVFB_SCREEN), each check named on the command line:
#   walk        zoom 1 to 4 and back with Ctrl+Plus and Ctrl+Minus: the frame inside the work
#               area, the zoom the largest that fits, the centre kept where it can be
#   remembered  a remembered zoom 4 starts inside the screen, and stays remembered
#   fullscreen  F11 sets _NET_WM_STATE_FULLSCREEN, zoom keys there change and write nothing, F11
#               again puts the frame back exactly; the window manager's own full screen followed
#   menus       F10 Right Down Enter opens the help window; the settings menu (right click)
#               changes each setting, at once, and the settings file shows it
#   shots       the menus at the largest zoom and the help and about windows in full screen,
#               kept in the work folder to be looked at
#   tests/e2e/window_manager.sh build/app/smashbol WORK walk remembered ...
set -euo pipefail
SMASHBOL=${1:?usage: $0 path/to/smashbol work-folder check...}
WORK=${2:?usage: $0 path/to/smashbol work-folder check...}
shift 2
mkdir -p "$WORK"
. "$(dirname "$0")/lib.sh"
INI=""

# fresh [INI TEXT]: this run's settings file, empty or holding the text
fresh() {
    rm -rf "$XDG_CONFIG_HOME" && mkdir -p "$XDG_CONFIG_HOME/smashbol"
    INI="$XDG_CONFIG_HOME/smashbol/smashbol.ini"
    printf '%b' "${1:-}" >"$INI"
}

# until_true SECONDS COMMAND...: polls the command every tenth of a second
until_true() {
    local tries=$(($1 * 10))
    shift
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

# zoom_shown: the zoom of the window, by its width
zoom_shown() { read_frame && echo $((WIDTH / 303)); }
# at_zoom N: is the grown window at zoom N?
at_zoom() { read_frame && [ "$WIDTH" = $((303 * $1)) ] && [ "$HEIGHT" = $((330 * $1)) ]; }
# full: is the window full screen, by its state and its size?
full() { read_frame && [[ $STATE == *FULLSCREEN* ]] && [ "$WIDTH $HEIGHT" = "$SCREEN_SIZE" ]; }
windowed() { read_frame && [[ $STATE != *FULLSCREEN* ]] && [ "$FRAME" = "$1" ]; }

# expect_inside WHAT: the frame inside the work area
expect_inside() {
    read_frame
    local fx fy fw fh ax ay aw ah
    read -r fx fy fw fh <<<"$FRAME"
    read -r ax ay aw ah <<<"$WORKAREA"
    [ "$fx" -ge "$ax" ] && [ "$fy" -ge "$ay" ] && [ $((fx + fw)) -le $((ax + aw)) ] &&
        [ $((fy + fh)) -le $((ay + ah)) ] || fail "$1: frame $FRAME outside the work area $WORKAREA"
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
    expect_inside "zoom 1"
    local ax ay aw ah l t fw fh fit=1 want before after
    read -r ax ay aw ah <<<"$WORKAREA"
    read -r _ _ fw fh <<<"$FRAME"
    l=$((fw - 303)) t=$((fh - 330))  # the frame's own width and height
    while [ $((fit + 1)) -le 4 ] && [ $((303 * (fit + 1) + l)) -le "$aw" ] &&
        [ $((330 * (fit + 1) + t)) -le "$ah" ]; do fit=$((fit + 1)); done
    want=1
    for step in plus plus plus minus minus minus; do
        before=$(read_frame && read -r x y w h <<<"$FRAME" && echo $((2 * x + w)) $((2 * y + h)))
        xdotool key "ctrl+$step"
        [ "$step" = plus ] && want=$((want + 1)) || want=$((want - 1))
        want=$((want > fit ? fit : want < 1 ? 1 : want))
        until_true 3 at_zoom "$want" || fail "ctrl+$step: ${WIDTH}x$HEIGHT, expected zoom $want"
        sleep 0.2
        expect_inside "ctrl+$step"
        after=$(read -r x y w h <<<"$FRAME" && echo $((2 * x + w)) $((2 * y + h)))
        read -r x y w h <<<"$FRAME"
        # Centred where it was, unless that would put it outside (twice the centre: no halves).
        read -r cx cy <<<"$before"
        if [ $((cx - w)) -ge $((2 * ax)) ] && [ $((cy - h)) -ge $((2 * ay)) ] &&
            [ $((cx + w)) -le $((2 * (ax + aw))) ] && [ $((cy + h)) -le $((2 * (ay + ah))) ]; then
            read -r nx ny <<<"$after"
            [ $((nx - cx)) -ge -2 ] && [ $((nx - cx)) -le 2 ] && [ $((ny - cy)) -ge -2 ] &&
                [ $((ny - cy)) -le 2 ] || fail "ctrl+$step: the centre moved from $before to $after"
        fi
    done
    echo "walk: frames inside $WORKAREA, largest zoom $fit"
    stop_game
}

remembered() {
    fresh '[window]\nzoom=4\n'
    begin
    expect_inside "a remembered zoom 4"
    [ "$(zoom_shown)" -lt 4 ] || fail "zoom 4 shown on a screen it does not fit"
    grep -q '^zoom=4$' "$INI" || fail "the remembered zoom 4 was not kept: $(cat "$INI")"
    echo "remembered: zoom $(zoom_shown) shown, frame $FRAME"
    stop_game
}

fullscreen() {
    fresh
    begin
    read_frame
    local before=$FRAME
    xdotool key F11
    until_true 3 full || fail "F11: state '$STATE', ${WIDTH}x$HEIGHT"
    local written
    written=$(cat "$INI")
    xdotool key ctrl+minus ctrl+plus ctrl+0
    sleep 0.3
    [ "$(cat "$INI")" = "$written" ] || fail "zoom keys in full screen wrote $(cat "$INI")"
    xdotool key F11
    until_true 3 windowed "$before" || fail "F11 again: frame $FRAME, was $before"
    # The window manager's own full screen: the game takes the whole screen and gives it back
    # (openbox may keep the resize handle it framed the window with meanwhile: the window's own
    # place and size are compared).
    local inside="$X $Y $WIDTH $HEIGHT"
    wmctrl -i -r "$WIN" -b add,fullscreen
    until_true 3 full || fail "the window manager's full screen left the window ${WIDTH}x$HEIGHT"
    wmctrl -i -r "$WIN" -b remove,fullscreen
    until_true 3 eval 'read_frame && [ "$X $Y $WIDTH $HEIGHT" = "$inside" ]' ||
        fail "back from the window manager's: $X $Y $WIDTH $HEIGHT, was $inside"
    echo "fullscreen: frame $before, full screen and back, twice"
    stop_game
}

# setting LETTER [LETTER] KEY=VALUE: the settings menu on a right click, its item picked by its
# access letter, and the settings file holds the line
setting() {
    xdotool mousemove --window "$WIN" 100 200 click 3
    sleep 0.4
    xdotool key "$1"
    [ $# = 2 ] || { xdotool key "$2" && shift; }
    until_true 3 grep -q "^$2$" "$INI" || fail "the settings menu's '$1' gave: $(cat "$INI")"
}

menus() {
    fresh
    SMASHBOL_TICK_STATS=1 begin --zoom 1
    xdotool key F10 Right Down Return
    local help
    help=$(timeout 5 xdotool search --sync --onlyvisible --name 'Ovládání hry' | head -1) ||
        fail "F10 Right Down Enter did not open the help window"
    xdotool mousemove --window "$help" 50 50 click 1
    setting z 2 zoom=2
    [ "$(zoom_shown)" = 2 ] || fail "the settings menu's zoom 2 shows zoom $(zoom_shown)"
    setting v mute=true
    setting a autopause=false
    setting r classic-timing=true
    sleep 2.2  # two reports of the timers' rates on the beat of 2002
    tail -n 1 "$WORK/game.err" | grep -Eq 'Timer1=6[0-6] ' ||
        fail "the timing of 2002 did not take effect: $(tail -n 1 "$WORK/game.err")"
    setting c fullscreen=true
    until_true 3 full || fail "the settings menu's full screen: '$STATE', ${WIDTH}x$HEIGHT"
    setting c fullscreen=false
    echo "menus: F10 opened the help window; the settings file: $(tr '\n' ' ' <"$INI")"
    stop_game
}

# shots: the game's two menus and the settings menu at the largest zoom the screen takes (up to
# 4), and in full screen the help and about windows; `import` shows the menus xwd shows black
shots() {
    fresh
    begin --zoom 4
    local z
    z=$(zoom_shown)
    xdotool key F10 Down
    sleep 0.3
    xdotool key Right
    sleep 0.4
    import -window root "$WORK/menu-hra-zoom$z.png"
    xdotool key Escape Escape Escape F10 Right Down
    sleep 0.4
    import -window root "$WORK/menu-informace-zoom$z.png"
    xdotool key Escape Escape
    xdotool mousemove --window "$WIN" 100 200 click 3
    sleep 0.3
    xdotool key z
    sleep 0.4
    import -window root "$WORK/menu-settings-zoom$z.png"
    xdotool key Escape Escape
    xdotool key F11
    until_true 3 full || fail "F11: state '$STATE', ${WIDTH}x$HEIGHT"
    sleep 0.3
    for item in 1:help 2:about; do
        xdotool key F10 Right Down
        [ "${item%:*}" = 1 ] || xdotool key Down
        xdotool key Return
        sleep 0.8
        import -window root "$WORK/fullscreen-${item#*:}.png"
        read -r w h <<<"$SCREEN_SIZE"
        xdotool mousemove $((w / 2)) $((h / 2)) click 1  # on the window, centred on the game
        sleep 0.3
    done
    echo "shots: in $WORK"
    stop_game
}

start_xvfb
start_wm
SCREEN_SIZE=$(xdpyinfo | sed -n 's/ *dimensions: *\([0-9]*\)x\([0-9]*\) .*/\1 \2/p')
for check in "$@"; do
    "$check"
done
unexpected=$(grep -Ev "XDG_RUNTIME_DIR|^ticks/s" "$WORK/game.err" || true)
[ -z "$unexpected" ] || fail "unexpected output: $unexpected"
echo "PASS"
