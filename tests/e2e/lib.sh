# Helpers for driving the real game under a private Xvfb: start and stop the server, wait for the
# window, take screenshots and read their pixels.

XVFB_PID=""
GAME_PID=""

# Starts Xvfb on the first free display number from 90 and exports DISPLAY.
start_xvfb() {
    local n
    for n in $(seq 90 189); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -ardelay 10000 >/dev/null 2>&1 &
            XVFB_PID=$!
            export DISPLAY=":$n"
            local i
            for i in $(seq 1 50); do
                if xdpyinfo >/dev/null 2>&1; then
                    return 0
                fi
                if ! kill -0 "$XVFB_PID" 2>/dev/null; then
                    break  # lost a race for this number; try the next
                fi
                sleep 0.1
            done
            kill "$XVFB_PID" 2>/dev/null || true
            wait "$XVFB_PID" 2>/dev/null || true
            XVFB_PID=""
        fi
    done
    echo "no free display for Xvfb" >&2
    return 1
}

stop_all() {
    if [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; then
        kill "$GAME_PID" 2>/dev/null || true
        wait "$GAME_PID" 2>/dev/null || true
    fi
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
}

# Starts the game and sets WIN to its window id, X, Y, WIDTH, HEIGHT to its place. Silent with
# SDL's dummy driver, unless GAME_AUDIO=machine leaves SDL to find the machine's own device.
start_game() {
    if [ "${GAME_AUDIO:-}" = machine ]; then
        env -u SDL_AUDIODRIVER "$SMASHBOL" "$@" 2>"$WORK/game.err" &
    else
        SDL_AUDIODRIVER=dummy "$SMASHBOL" "$@" 2>"$WORK/game.err" &
    fi
    GAME_PID=$!
    WIN=$(timeout 20 xdotool search --sync --onlyvisible --name '^SMASHBOL 2002$' | head -1)
    [ -n "$WIN" ] || fail "the window did not show"
    read_geometry
}

read_geometry() {
    eval "$(xdotool getwindowgeometry --shell "$WIN")"
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# shot NAME: the whole screen as $WORK/NAME.png
shot() {
    xwd -root -silent | convert xwd:- "$WORK/$1.png"
}

# pixel NAME X Y: "r,g,b" of a pixel of a screenshot, in screen coordinates
pixel() {
    convert "$WORK/$1.png" -format "%[fx:int(255*p{$2,$3}.r+.5)],%[fx:int(255*p{$2,$3}.g+.5)],%[fx:int(255*p{$2,$3}.b+.5)]" info:
}

# has_colour NAME X Y W H RRGGBB: does the area hold a pixel of that colour?
has_colour() {
    convert "$WORK/$1.png" -crop "$4x$5+$2+$3" +repage -format %c histogram:info:"$WORK/colours.txt"
    grep -qi "#$6" "$WORK/colours.txt"
}

# first_of NAME X Y W H RRGGBB: "x,y" of the first pixel of that colour in the area, or nothing
first_of() {
    convert "$WORK/$1.png" -crop "$4x$5+$2+$3" +repage txt:"$WORK/pixels.txt"
    grep -i -m1 "#$6" "$WORK/pixels.txt" | cut -d: -f1 || true
}

expect_pixel() {  # expect_pixel WHAT NAME X Y r,g,b
    local got
    got=$(pixel "$2" "$3" "$4")
    [ "$got" = "$5" ] || fail "$1: pixel ($3,$4) of $2 is $got, expected $5"
}
