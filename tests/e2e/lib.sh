# Helpers for driving the real game under a private Xvfb: start and stop the server, start the
# game and wait for its window, watch and stop it, take screenshots and read their pixels. The
# caller sets SMASHBOL (the program) and either WORK (a folder for screenshots and the game's
# stderr) or calls scratch_work, then starts the server. Used by the end-to-end, robustness and
# measuring scripts.

XVFB_PID=""
GAME_PID=""
SCRATCH=""       # a work folder of this run alone, removed at the end
GAME_WRAPPER=()  # a command to run the game under: strace, valgrind

# However the script ends (done, failed, a command gone wrong under set -e, interrupted), what it
# started ends with it: a signal ends the script through exit, and exit runs stop_all.
trap stop_all EXIT
trap 'exit 143' TERM INT HUP

# scratch_work: WORK becomes a new folder, removed when the script ends.
scratch_work() {
    WORK=$(mktemp -d)
    SCRATCH=$WORK
}

# Starts Xvfb on a display number it picks itself (two runs at once never share one), with a
# screen of 1024x768 unless XVFB_SCREEN says otherwise, and exports DISPLAY. The game then runs
# on it whatever the caller's session is: through xcb (not on the
# desktop's Wayland, nor on an exported offscreen platform), one device pixel to a pixel, with
# Qt's own style, no session bus, and settings of this run's own in $WORK/config (a zoom, full
# screen or timing the player chose would change what a script sees and measures); in Czech
# whatever the desktop's language, unless the test sets LANGUAGE.
start_xvfb() {
    local pipe="$WORK/xvfb-display" number=""
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS \
        QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI QT_USE_PHYSICAL_DPI \
        QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME
    export XDG_CONFIG_HOME="$WORK/config"
    export LANGUAGE=${LANGUAGE:-cs}
    rm -f "$pipe"
    mkfifo "$pipe"
    Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp -ardelay 10000 \
        3>"$pipe" >/dev/null 2>&1 &
    XVFB_PID=$!
    # Xvfb writes its number once it takes clients; the pipe closes at once if it dies first.
    read -r -t 60 number <"$pipe" || true
    rm -f "$pipe"
    if [ -z "$number" ] || ! DISPLAY=":$number" xdpyinfo >/dev/null 2>&1; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$number"
}

# start_wm: openbox, a real window manager, on this display, with no configuration or cache of
# the user's; back once it manages windows. It is started again if it finds no display (the X
# server resets for a moment when its first client, the check that it runs, goes). stop_all
# ends it with the script's other children.
start_wm() {
    local wm=""
    for _ in $(seq 1 200); do
        if [ -z "$wm" ] || ! kill -0 "$wm" 2>/dev/null; then
            XDG_CACHE_HOME="$WORK/cache" XDG_DATA_HOME="$WORK/data" openbox --sm-disable \
                >"$WORK/openbox.log" 2>&1 &
            wm=$!
        fi
        [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>&1) == *'window id'* ]] && return 0
        sleep 0.05
    done
    fail "openbox did not start: $(cat "$WORK/openbox.log")"
}

# read_frame: X, Y, WIDTH, HEIGHT of the window itself, FRAME "x y w h" with the window manager's
# frame around it (_NET_FRAME_EXTENTS), STATE its _NET_WM_STATE, and WORKAREA "x y w h".
read_frame() {
    local l r t b
    read -r X Y WIDTH HEIGHT < <(xwininfo -id "$WIN" | awk '/Absolute upper-left X/ {x = $4}
        /Absolute upper-left Y/ {y = $4} /^ *Width/ {w = $2} /^ *Height/ {h = $2}
        END {print x, y, w, h}')
    read -r l r t b < <(xprop -id "$WIN" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ,
        echo 0 0 0 0)
    FRAME="$((X - l)) $((Y - t)) $((WIDTH + l + r)) $((HEIGHT + t + b))"
    STATE=$(xprop -id "$WIN" _NET_WM_STATE)
    WORKAREA=$(xprop -root _NET_WORKAREA | sed -n 's/.* = //p' | cut -d, -f1-4 | tr -d ,)
}

# kill_tree PID: a process and everything it started, by their ids. It is stopped first, so that
# it starts nothing more, and its children are listed before it goes (orphans leave the tree).
kill_tree() {
    local child children
    kill -STOP "$1" 2>/dev/null || return 0
    children=$(pgrep -P "$1" || true)
    kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true  # one of this script's jobs goes without a word
    for child in $children; do
        kill_tree "$child"
    done
}

# The game with whatever runs it (strace forks it), everything else the script started and still
# runs (a second window, a sound server, a program being measured), the X server last; then the
# scratch folder.
stop_all() {
    local pid
    [ -z "$GAME_PID" ] || kill_tree "$GAME_PID"
    for pid in $(pgrep -P $$ || true); do
        [ "$pid" = "$XVFB_PID" ] || kill_tree "$pid"
    done
    [ -z "$XVFB_PID" ] || kill "$XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    [ -z "$SCRATCH" ] || rm -rf "$SCRATCH"
}

fail() {
    echo "FAIL: $*" >&2
    [ ! -s "$WORK/game.err" ] || { echo "--- the game's stderr:" && tail -n 20 "$WORK/game.err"; } >&2
    exit 1
}

# Starts the game (under GAME_WRAPPER) and sets WIN to its window id (of the title WINDOW_NAME
# matches, the main window's by default), X, Y, WIDTH, HEIGHT to its place. Silent with SDL's
# dummy driver unless GAME_AUDIO names another (disk, pulseaudio), or GAME_AUDIO=machine leaves
# SDL to find the machine's own device; a driver the caller's shell exports is never taken over.
start_game() {
    local audio=(env SDL_AUDIODRIVER="${GAME_AUDIO:-dummy}")
    [ "${GAME_AUDIO:-}" != machine ] || audio=(env -u SDL_AUDIODRIVER)
    "${audio[@]}" "${GAME_WRAPPER[@]}" "$SMASHBOL" "$@" 2>"$WORK/game.err" &
    GAME_PID=$!
    WIN=$(timeout 60 xdotool search --sync --onlyvisible --name "${WINDOW_NAME:-^SMASHBOL 2002$}" | head -1)
    [ -n "$WIN" ] || fail "the window did not show"
    read_geometry
}

read_geometry() {
    eval "$(xdotool getwindowgeometry --shell "$WIN")"
}

# fresh [INI TEXT]: this run's settings file, INI, empty or holding the text
fresh() {
    rm -rf "$XDG_CONFIG_HOME" && mkdir -p "$XDG_CONFIG_HOME/smashbol"
    INI="$XDG_CONFIG_HOME/smashbol/smashbol.ini"
    printf '%b' "${1:-}" >"$INI"
}

# until_true SECONDS COMMAND...: polls the command every tenth of a second
until_true() {
    local tries
    for ((tries = $1 * 10; tries > 0; tries--)); do
        "${@:2}" && return 0
        sleep 0.1
    done
    return 1
}

alive() { kill -0 "$GAME_PID" 2>/dev/null; }
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$GAME_PID/status"; }

# click_at X Y: a click at a place in the window
click_at() { xdotool mousemove --window "$WIN" "$1" "$2" click 1; }
# play_match [SECONDS]: the splash clicked, the intro rally for that long (1 s), then Ctrl+A's
# match started with P
play_match() {
    click_at 130 180
    sleep "${1:-1}"
    xdotool windowfocus --sync "$WIN" key ctrl+a key p
}

# focus_game: the keyboard's focus to the game's window, by the window manager if there is one
focus_game() { xdotool windowactivate --sync "$WIN" 2>/dev/null || xdotool windowfocus --sync "$WIN"; }

# shoot WINDOW FILE: what the X window holds, its menu bar included (a window manager's frame not)
shoot() { import -window "$1" "$2"; }

# play_table WORK [OPTION...]: each session of the conformance table (tests/conformance/
# sessions.txt) played on a new game, at zoom 1, muted, recorded, with the options given, into
# WORK/N/ (PLAYED: how many): the recording, and the windows it names as the screen shows them
# where the session ends, before its Ctrl+D. Muted, not even SDL's disk driver may open.
play_table() {
    local work=$1 name inputs windows input w id
    shift
    rm -f "$work/audio.raw"
    PLAYED=0
    while IFS='|' read -r name inputs windows _; do
        [ -n "$name" ] && [ "${name:0:1}" != "#" ] || continue
        PLAYED=$((PLAYED + 1))
        rm -rf "${work:?}/$PLAYED" "$XDG_CONFIG_HOME" && mkdir -p "$work/$PLAYED" "$XDG_CONFIG_HOME"
        GAME_AUDIO=disk SDL_DISKAUDIOFILE="$work/audio.raw" \
            start_game --zoom 1 --mute --record "$work/$PLAYED/session.trace" "$@"
        focus_game
        for input in $inputs; do
            case "$input" in
                click) click_at 150 150 ;;
                wait-*) sleep "$(awk "BEGIN {print ${input#wait-} / 1000}")" ;;
                *) xdotool key "$input" ;;
            esac
        done
        sleep 0.8  # past any point's pause, whose picture is the one from before the point
        for w in $windows; do
            id=$WIN
            [ "$w" = Form1 ] || id=$(xdotool search --onlyvisible --name '^SMASHBOL 2002 - ' | head -n 1 || true)
            [ -n "$id" ] || fail "$name: no $w window is open"
            shoot "$id" "$work/$PLAYED/$w.screen.png"
        done
        [[ " $windows " != *" Form3 "* ]] || { xdotool key Escape && sleep 0.2; }
        focus_game
        xdotool key ctrl+d
        end_game 10 "$name: on Ctrl+D"
    done < <(sed -E 's/ *\| */|/g; s/^ +| +$//' "$(dirname "${BASH_SOURCE[0]}")/../conformance/sessions.txt")
    [ ! -e "$work/audio.raw" ] || fail "muted, yet a sound device was opened"
    echo "$PLAYED sessions played"
}

# end_game SECONDS WHAT: waits for the game to end by itself and fails unless it exits with 0.
end_game() {
    timeout "$1" tail -s 0.05 --pid="$GAME_PID" -f /dev/null || fail "the game did not end $2"
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

# wait_for_match_end SECONDS: for a game started with SMASHBOL_TICK_STATS=1, waits until the
# match under way is over: its game tick ran after the call, then the tick and the walking timer
# both stood still for a whole reported second. The game's own report, not a guess at how long a
# match takes: on a busy machine the timers run late and a match takes longer.
wait_for_match_end() {
    local from deadline
    from=$(wc -l <"$WORK/game.err")
    deadline=$(($(date +%s) + $1))
    until tail -n +$((from + 1)) "$WORK/game.err" |
        awk '/^ticks\/s Timer1=[1-9]/ { ran = 1 }
             ran && /^ticks\/s Timer1=0 Timer2=0 / { over = 1 }
             END { exit !over }'; do
        alive || fail "the game died during the match"
        [ "$(date +%s)" -lt "$deadline" ] || fail "the match did not end within $1 s"
        sleep 0.5
    done
}

# first_of NAME X Y W H RRGGBB: "x,y" of the first pixel of that colour in the area of
# $WORK/NAME.png, or nothing
first_of() {
    convert "$WORK/$1.png" -crop "$4x$5+$2+$3" +repage txt:"$WORK/pixels.txt"
    grep -i -m1 "#$6" "$WORK/pixels.txt" | cut -d: -f1 || true
}
