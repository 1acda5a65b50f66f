#!/usr/bin/env bash
# The Windows program under Wine, on Xvfb with openbox, in a Wine prefix of its own: the window
# shows what smashbol-trace shows (the splash, the match set up at zoom 1 and 2, the help window
# opened from the menu bar with the keys), an arrow plays and P pauses, the settings menu changes
# a setting that the INI file then holds, Ctrl+D ends the program at once with status 0, the
# recording replays to the state it ends with, and with no audio driver at all the game plays.
#   tests/windows/game_under_wine.sh smashbol.exe path/to/smashbol-trace [work folder]
set -euo pipefail
EXE=${1:?usage: $0 smashbol.exe path/to/smashbol-trace [work folder]}
TRACE=${2:?usage: $0 smashbol.exe path/to/smashbol-trace [work folder]}
WORK=${3:-$(mktemp -d)}
mkdir -p "$WORK"
. "$(dirname "$0")/../e2e/lib.sh"

export WINEPREFIX="$WORK/prefix" WINEDEBUG=-all WINEARCH=win64
# lib.sh's start_game runs the program under Wine, with the sound the machine has (none here).
SMASHBOL=$EXE GAME_WRAPPER=(wine) GAME_AUDIO=machine
trap 'wineserver -k 2>/dev/null || true; stop_all' EXIT
rm -rf "$WINEPREFIX"
start_xvfb
start_wm
wineboot -i >/dev/null 2>&1 || fail "wineboot could not make the prefix"
INI="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/smashbol/smashbol.ini"

# start_exe ARGS...: the program, and WIN its window, active
start_exe() {
    start_game "$@"
    xdotool windowactivate --sync "$WIN" 2>/dev/null || true
}

# grab NAME [WINDOW]: what the X window holds (Wine's menu bar and the client area below it)
grab() { import -window "${2:-$WIN}" "$WORK/$1.png"; }

# grab_resized NAME BEFORE: the window once it has taken a size other than BEFORE's grab and
# kept it (a busy machine's Wine may show the menu bar before the window has grown for it).
grab_resized() {
    local size last="" i
    for i in $(seq 50); do
        grab "$1"
        size=$(identify -format '%wx%h' "$WORK/$1.png")
        [ "$size" != "$(identify -format '%wx%h' "$WORK/$2.png")" ] && [ "$size" = "$last" ] &&
            return 0
        last=$size
        sleep 0.1
    done
    fail "$1: the window kept the size it had before"
}

# client_equals WHAT GRAB DRIVER_SHOT ZOOM: the bottom of the grab is the driver's frame scaled
client_equals() {
    local size n
    convert "$WORK/$3.png" -scale "$((100 * $4))%" "$WORK/$3-x$4.png"
    size=$(identify -format '%wx%h' "$WORK/$3-x$4.png")
    [ "$(identify -format '%w' "$WORK/$2.png")" = "${size%x*}" ] ||
        fail "$1: the window is $(identify -format '%wx%h' "$WORK/$2.png"), the frame $size"
    convert "$WORK/$2.png" -gravity south -crop "$size+0+0" +repage "$WORK/client-$2.png"
    n=$(compare -metric AE "$WORK/$3-x$4.png" "$WORK/client-$2.png" "$WORK/diff-$2.png" 2>&1 || true)
    [ "$n" = 0 ] || fail "$1: $n pixels differ from the driver's (see $WORK/diff-$2.png)"
}

# moving NAME: does the picture change within 1.2 s? Longer than the 700 ms pause after a point,
# which holds every sprite still.
moving() {
    local i
    grab "$1-a"
    for i in 1 2 3 4; do
        sleep 0.3
        grab "$1-b"
        [ "$(compare -metric AE "$WORK/$1-a.png" "$WORK/$1-b.png" null: 2>&1 || true)" = 0 ] || return 0
    done
    return 1
}

start_exe --zoom 1 --lang cs --record "$WORK/session.trace"
sleep 0.5
grab splash
xdotool mousemove --window "$WIN" 150 150 click 1
sleep 0.3
xdotool key ctrl+a
sleep 0.5
grab_resized match1 splash
xdotool key ctrl+equal
sleep 0.8
grab_resized match2 match1
xdotool key Right
sleep 0.5
moving playing || fail "the arrow did not start the match"
xdotool key p
sleep 0.8  # a key pressed in the pause after a point is answered when it ends
! moving paused || fail "P did not pause the match"
for key in F10 Right Down Return; do
    xdotool key $key
    sleep 0.3
done
HELP=$(timeout 10 xdotool search --sync --onlyvisible --name '^SMASHBOL 2002 - Ovládání hry$' | head -1)
[ -n "$HELP" ] || fail "F10, Right, Down and Enter did not open the help window"
sleep 0.5
grab help "$HELP"
xdotool mousemove --window "$HELP" 50 50 click 1
sleep 0.5
! xdotool search --onlyvisible --name '^SMASHBOL 2002 - Ovládání hry$' >/dev/null ||
    fail "a click did not close the help window"
xdotool windowactivate --sync "$WIN" 2>/dev/null || true
xdotool mousemove --window "$WIN" 100 100 click 3
sleep 0.5
xdotool key v
sleep 0.5
grep -qx 'mute=true' "$INI" 2>/dev/null || fail "the settings menu's sound did not reach $INI"
# F11: borderless over the whole screen, and back to the same place.
before=$(xwininfo -id "$WIN" | awk '/Absolute upper-left [XY]|^ *(Width|Height)/ {printf "%s ", $NF}')
xdotool key F11
sleep 0.8
WHOLE=$(xdotool search --onlyvisible --name '^SMASHBOL 2002$' | head -1)
whole=$(xwininfo -id "$WHOLE" | awk '/^ *(Width|Height)/ {printf "%s ", $NF}')
[ "$whole" = "1024 768 " ] || fail "F11: the window is $whole, not the whole 1024x768 screen"
xdotool key F11
sleep 0.8
WIN=$(xdotool search --onlyvisible --name '^SMASHBOL 2002$' | head -1)
after=$(xwininfo -id "$WIN" | awk '/Absolute upper-left [XY]|^ *(Width|Height)/ {printf "%s ", $NF}')
[ "$after" = "$before" ] || fail "F11 again: the window is at $after, it was at $before"
xdotool key ctrl+d
end_game 1 "within a second of Ctrl+D"

# The recording with a shot where each grab was taken, replayed by the driver.
awk -v w="$WORK" '{ print }
    $0 == "load" { print "shot Form1 " w "/driver-splash.png" }
    $0 == "menu easy" && !easy++ { print "shot Form1 " w "/driver-match.png" }
    $0 == "menu hra" && !help++ { print "shot Form3 " w "/driver-help.png" }' \
    "$WORK/session.trace" >"$WORK/shots.trace"
LANGUAGE=cs "$TRACE" <"$WORK/shots.trace" >"$WORK/replay.out" 2>"$WORK/replay.err" ||
    fail "the driver: $(head -3 "$WORK/replay.err")"
client_equals "the splash" splash driver-splash 1
client_equals "the match set up" match1 driver-match 1
client_equals "the match set up at zoom 2" match2 driver-match 2
client_equals "the help window" help driver-help 2
own=$(tail -n 1 "$WORK/session.trace")
case "$own" in "# {"*) ;; *) fail "the recording does not end with the game's state: $own" ;; esac
[ "$(tail -n 1 "$WORK/replay.out")" = "${own#\# }" ] ||
    fail "the replay ends elsewhere:
game:   ${own#\# }
replay: $(tail -n 1 "$WORK/replay.out")"

# A bad option: status 2 and the reason, on the console the program was started from.
status=0
wine "$EXE" --zoom 9 >"$WORK/bad.out" 2>"$WORK/bad.err" || status=$?
[ "$status" = 2 ] || fail "--zoom 9 ended with status $status, not 2"
grep -q "^smashbol: --zoom takes 1 to 4, not '9'; see 'smashbol --help'" "$WORK/bad.err" ||
    fail "--zoom 9 was not answered on the console: $(cat "$WORK/bad.err")"

# No audio driver at all: the game starts, and an arrow plays.
WINEDLLOVERRIDES="winealsa.drv,winepulse.drv,wineoss.drv,winecoreaudio.drv=d" start_exe --zoom 1
xdotool mousemove --window "$WIN" 150 150 click 1
sleep 0.3
xdotool key ctrl+b Left
sleep 0.3
moving silent || fail "with no audio driver the match did not play"
xdotool key ctrl+d
end_game 1 "within a second of Ctrl+D with no audio driver"
echo "the Windows program under Wine: its frames are the driver's"
