# Helpers for driving the real game under a private Xvfb: start and stop the server, start the
# game and wait for its window, watch and stop it, take screenshots and read their pixels. The
# caller sets SMASHBOL (the program) and WORK (a folder for screenshots and the game's stderr),
# sources this file and traps stop_all on exit. Used by the end-to-end and robustness scripts.

XVFB_PID=""
GAME_PID=""
trap 'exit 143' TERM INT HUP  # so that the caller's EXIT trap cleans up on a timeout too
GAME_WRAPPER=()  # a command to run the game under: strace, valgrind

# Starts Xvfb on a display number it picks itself (two test runs at once never share one) and
# exports DISPLAY; the game is kept away from the desktop's session bus too.
start_xvfb() {
    local numberFile i
    unset DBUS_SESSION_BUS_ADDRESS
    numberFile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -ardelay 10000 3>"$numberFile" \
        >/dev/null 2>&1 &
    XVFB_PID=$!
    for i in $(seq 1 100); do
        [ -s "$numberFile" ] && break
        sleep 0.05
    done
    export DISPLAY=":$(head -n 1 "$numberFile")"
    rm -f "$numberFile"
    for i in $(seq 1 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "Xvfb did not start" >&2
    return 1
}

# For the robustness scripts: a scratch folder that goes at the end, and a display of their own.
begin_scratch_session() {
    WORK=$(mktemp -d)
    trap 'stop_all; rm -rf "$WORK"' EXIT
    start_xvfb
}

stop_all() {
    if [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; then
        kill -KILL "$GAME_PID" 2>/dev/null || true
        wait "$GAME_PID" 2>/dev/null || true
    fi
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
}

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$WORK/game.err" ]; then
        echo "--- the game's stderr:" >&2
        tail -n 20 "$WORK/game.err" >&2
    fi
    exit 1
}

# Starts the game (under GAME_WRAPPER) and sets WIN to its window id, X, Y, WIDTH, HEIGHT to its
# place. Silent with SDL's dummy driver unless SDL_AUDIODRIVER names another, or GAME_AUDIO=machine
# leaves SDL to find the machine's own device.
start_game() {
    if [ "${GAME_AUDIO:-}" = machine ]; then
        env -u SDL_AUDIODRIVER "${GAME_WRAPPER[@]}" "$SMASHBOL" "$@" 2>"$WORK/game.err" &
    else
        SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} "${GAME_WRAPPER[@]}" "$SMASHBOL" "$@" \
            2>"$WORK/game.err" &
    fi
    GAME_PID=$!
    WIN=$(timeout 60 xdotool search --sync --onlyvisible --name '^SMASHBOL 2002$' | head -1)
    [ -n "$WIN" ] || fail "the window did not show"
    read_geometry
}

read_geometry() {
    eval "$(xdotool getwindowgeometry --shell "$WIN")"
}

alive() { kill -0 "$GAME_PID" 2>/dev/null; }
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$GAME_PID/status"; }

# click_at X Y: a click at a place in the window
click_at() { xdotool mousemove --window "$WIN" "$1" "$2" click 1; }

# end_game SECONDS WHAT: waits for the game to end by itself and fails unless it exits with 0.
end_game() {
    timeout "$1" tail --pid="$GAME_PID" -f /dev/null || fail "the game did not end $2"
    local status=0
    wait "$GAME_PID" || status=$?
    GAME_PID=""
    [ "$status" = 0 ] || fail "exit status $status $2"
}

# stop_game: SIGTERM, and a clean exit (a sanitized build takes its time to check for leaks).
stop_game() {
    kill -TERM "$GAME_PID"
    end_game 15 "on SIGTERM"
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
