#!/usr/bin/env bash
# The Windows program under Wine, on Xvfb with openbox, in a Wine prefix of its own: it plays the
# conformance table (tests/conformance) to the driver's frames and states; and Ctrl+= shows the
# driver's splash at zoom 2 in 2x2 blocks, an arrow plays and P pauses, a click closes
# the help window, the settings menu changes a setting that the INI file then holds, F11 takes
# the screen and gives it back, Ctrl+D ends the program within a second with status 0, a bad
# option is refused on the console, and with no audio driver at all the game plays.
#   tests/windows/game_under_wine.sh smashbol.exe path/to/smashbol-trace [work folder]
set -euo pipefail
EXE=${1:?usage: $0 smashbol.exe path/to/smashbol-trace [work folder]}
TRACE=${2:?usage: $0 smashbol.exe path/to/smashbol-trace [work folder]}
WORK=${3:-$(mktemp -d)}
HERE=$(dirname "$0")
mkdir -p "$WORK"
. "$HERE/../e2e/lib.sh"

export WINEPREFIX="$WORK/prefix" WINEDEBUG=-all WINEARCH=win64
# lib.sh's start_game runs the program under Wine, with the sound the machine has (none here).
SMASHBOL=$EXE GAME_WRAPPER=(wine) GAME_AUDIO=machine
trap 'wineserver -k 2>/dev/null || true; stop_all' EXIT
rm -rf "$WINEPREFIX"
start_xvfb
start_wm
wineboot -i >/dev/null 2>&1 || fail "wineboot could not make the prefix"
INI="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/smashbol/smashbol.ini"

play_table "$WORK/table" --lang cs
"$HERE/../conformance/check.sh" "$WORK/table" "$TRACE"

# moving NAME: does the window's picture (Wine's menu bar and the client area below it) change
# within 1.2 s? Longer than the 700 ms pause after a point, which holds every sprite still.
moving() {
    local i
    shoot "$WIN" "$WORK/$1-a.png"
    for i in 1 2 3 4; do
        sleep 0.3
        shoot "$WIN" "$WORK/$1-b.png"
        [ "$(compare -metric AE "$WORK/$1-a.png" "$WORK/$1-b.png" null: 2>&1 || true)" = 0 ] || return 0
    done
    return 1
}

# Ctrl+= on the splash: the window grown for zoom 2 (once it holds its size: a busy machine's Wine
# may grow it in steps) shows the driver's splash of the table in 2x2 blocks.
start_game --zoom 1 --lang cs
focus_game
xdotool key ctrl+equal
last=""
for _ in $(seq 50); do
    shoot "$WIN" "$WORK/splash2.png"
    size=$(identify -format '%wx%h' "$WORK/splash2.png")
    [ "${size%x*}" = 606 ] && [ "$size" = "$last" ] && break
    last=$size
    sleep 0.1
done
splash=$(sed -E '/^(#|$)/d' "$HERE/../conformance/sessions.txt" | grep -n '^splash ' | cut -d: -f1)
convert "$WORK/table/$splash/driver-Form1.png" -scale 200% "$WORK/driver-x2.png"
size=$(identify -format '%wx%h' "$WORK/driver-x2.png")
convert "$WORK/splash2.png" -gravity south -crop "$size+0+0" +repage "$WORK/client-x2.png"
n=$(compare -metric AE "$WORK/driver-x2.png" "$WORK/client-x2.png" "$WORK/diff-x2.png" 2>&1 || true)
[ "$n" = 0 ] || fail "the splash at zoom 2: $n pixels differ from the driver's (see $WORK/diff-x2.png)"
click_at 150 150
sleep 0.3
xdotool key ctrl+a
sleep 0.5
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
xdotool mousemove --window "$HELP" 50 50 click 1
sleep 0.5
! xdotool search --onlyvisible --name '^SMASHBOL 2002 - Ovládání hry$' >/dev/null ||
    fail "a click did not close the help window"
focus_game
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

# A bad option: status 2 and the reason, on the console the program was started from.
status=0
wine "$EXE" --zoom 9 >"$WORK/bad.out" 2>"$WORK/bad.err" || status=$?
[ "$status" = 2 ] || fail "--zoom 9 ended with status $status, not 2"
grep -q "^smashbol: --zoom takes 1 to 4, not '9'; see 'smashbol --help'" "$WORK/bad.err" ||
    fail "--zoom 9 was not answered on the console: $(cat "$WORK/bad.err")"

# No audio driver at all (and the sound on, which the settings menu turned off): the game starts,
# and an arrow plays.
rm -f "$INI"
WINEDLLOVERRIDES="winealsa.drv,winepulse.drv,wineoss.drv,winecoreaudio.drv=d" start_game --zoom 1
focus_game
click_at 150 150
sleep 0.3
xdotool key ctrl+b Left
sleep 0.3
moving silent || fail "with no audio driver the match did not play"
xdotool key ctrl+d
end_game 1 "within a second of Ctrl+D with no audio driver"
echo "the Windows program under Wine: its frames are the driver's"
