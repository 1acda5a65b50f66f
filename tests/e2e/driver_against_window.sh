#!/usr/bin/env bash
# The headless driver shows what a player sees: a session played on the real window under Xvfb
# and recorded, then replayed by smashbol-trace with a `shot` of each still scene where the
# screenshot was taken. They must agree pixel for pixel: the splash, the match set up after
# Ctrl+A (below the menu bar; the intro's ticks leave the computer in the frame they left him
# in) and the help window.
# With NO_FONTS=1 the game runs on a system that offers it no font at all; with LANGUAGE=en both
# show the game in English, which must not be the Czech help window.
#   tests/e2e/driver_against_window.sh path/to/smashbol path/to/smashbol-trace [work folder]
set -euo pipefail
SMASHBOL=${1:?usage: $0 path/to/smashbol path/to/smashbol-trace [work folder]}
TRACE=${2:?usage: $0 path/to/smashbol path/to/smashbol-trace [work folder]}
WORK=${3:-$(mktemp -d)}
mkdir -p "$WORK"
. "$(dirname "$0")/lib.sh"

# differing DRIVER_SHOT X Y: how many pixels of the driver's frame differ from the screen's
# from (X, Y) on
differing() {
    local size
    size=$(identify -format '%wx%h' "$WORK/$1.png")
    convert "$WORK/now.png" -crop "$size+$2+$3" +repage "$WORK/window-$1.png"
    compare -metric AE "$WORK/$1.png" "$WORK/window-$1.png" "$WORK/diff-$1.png" 2>&1 || true
}

# same WHAT DRIVER_SHOT X Y
same() {
    local n
    n=$(differing "$2" "$3" "$4")
    [ "$n" = 0 ] || fail "$1: $n pixels differ from the driver's (see $WORK/diff-$2.png)"
}

start_xvfb
if [ -n "${NO_FONTS:-}" ]; then
    printf '<?xml version="1.0"?>\n<fontconfig><cachedir>%s</cachedir></fontconfig>\n' \
        "$WORK/font-cache" >"$WORK/no-fonts.conf"
    export FONTCONFIG_FILE="$WORK/no-fonts.conf"
fi
rm -rf "$XDG_CONFIG_HOME" && mkdir -p "$XDG_CONFIG_HOME"
start_game --zoom 1 --mute --record "$WORK/session.trace"
sleep 0.5
shot now
cp "$WORK/now.png" "$WORK/window-splash-screen.png"

xdotool windowfocus --sync "$WIN"
click_at 150 150
sleep 0.5
xdotool key ctrl+a
sleep 0.5
read_geometry
shot now
cp "$WORK/now.png" "$WORK/window-match-screen.png"
match_x=$X match_y=$Y match_height=$HEIGHT

click_at 70 9
sleep 0.5
xdotool key Down Return
help_title='SMASHBOL 2002 - Ovládání hry'
[ "$LANGUAGE" = en ] && help_title='SMASHBOL 2002 - How to Play'
HELP=$(timeout 10 xdotool search --sync --onlyvisible --name "^$help_title\$" | head -1)
[ -n "$HELP" ] || fail "the help window did not open"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$HELP" | sed 's/^/HELP_/')"
shot now
cp "$WORK/now.png" "$WORK/window-help-screen.png"
xdotool mousemove --window "$HELP" 100 100 click 1
sleep 0.3
xdotool windowfocus --sync "$WIN" key ctrl+d
end_game 10 "on Ctrl+D"

# The recording with a shot where each screenshot was taken: after the load, after the level
# (every timer stands still then) and once the help window is open.
awk -v w="$WORK" '{ print }
    $0 == "load" { print "shot Form1 " w "/driver-splash.png" }
    $0 == "menu easy" && !easy++ { print "shot Form1 " w "/driver-match.png" }
    $0 == "menu hra" && !help++ { print "shot Form3 " w "/driver-help.png" }' \
    "$WORK/session.trace" >"$WORK/shots.trace"
"$TRACE" <"$WORK/shots.trace" >"$WORK/trace.out" 2>"$WORK/trace.err" ||
    fail "the driver: $(head -3 "$WORK/trace.err")"

cp "$WORK/window-splash-screen.png" "$WORK/now.png"
same "the splash" driver-splash "$X" "$Y"
cp "$WORK/window-match-screen.png" "$WORK/now.png"
# The menu bar is Qt's, as high as the system's font makes it: the court lies below it.
bar=""
for top in $(seq 10 40); do
    [ "$(differing driver-match "$match_x" $((match_y + top)))" = 0 ] && { bar=$top; break; }
done
[ -n "$bar" ] || same "the match set up" driver-match "$match_x" $((match_y + 19))
cp "$WORK/window-help-screen.png" "$WORK/now.png"
same "the help window" driver-help "$HELP_X" "$HELP_Y"
if [ "$LANGUAGE" = en ]; then
    sed "s|$WORK/driver-|$WORK/czech-|" "$WORK/shots.trace" | LANGUAGE=cs "$TRACE" >/dev/null
    [ "$(compare -metric AE "$WORK/driver-help.png" "$WORK/czech-help.png" null: 2>&1)" -gt 1000 ] ||
        fail "the help window in English looks as in Czech"
fi
echo "the driver's frames and the window agree${NO_FONTS:+ with no font on the system}" \
    "in $LANGUAGE" \
    "(menu bar $bar pixels)"
