#!/usr/bin/env bash
# The real program under its own Xvfb, driven with xdotool: F11 and back with no window manager,
# the click that brings the menu bar, a held key let go in another window while the match runs
# on, Ctrl+D and a clean exit, the zoom remembered at the next start, and a clean exit on SIGTERM,
# with nothing on stderr. Screenshots of every step stay in the work folder.
set -euo pipefail
SMASHBOL=${1:?usage: $0 path/to/smashbol [work folder]}
WORK=${2:-$(mktemp -d)}
mkdir -p "$WORK"
. "$(dirname "$0")/lib.sh"

start_xvfb
# This run's own settings: auto-pause off, so that the match runs on behind another window.
fresh '[game]\nautopause=false\n'
start_game
[ "$WIDTH" = 303 ] && [ "$HEIGHT" = 317 ] || fail "window is ${WIDTH}x$HEIGHT, expected 303x317"
# F11 with no window manager to answer: the window takes the screen, and comes back in place.
for want in "0 0 1024 768" "$X $Y 303 317"; do
    xdotool windowfocus --sync "$WIN" key F11
    sleep 0.6
    read_geometry
    [ "$X $Y $WIDTH $HEIGHT" = "$want" ] || fail "F11: $X $Y $WIDTH $HEIGHT, not $want"
done

# The splash, Ctrl+A's score bar and a match under way are the conformance table's (their frames
# and states are the driver's); here what only a real X server shows.
# A click: the menu bar, one growth of the window, the rally.
click_at 150 150
until_true 5 eval 'read_geometry && [ "$HEIGHT" = 330 ]' ||
    fail "window height after the click is $HEIGHT, expected 330"
sleep 0.3
shoot "$WIN" "$WORK/2-rally.png"
# The menu bar's first rows are no grass and no court. (The rally's ball moving, as the match's
# below, and the court are what the conformance table's shots hold.)
for colour in 009810 000000; do
    [ -z "$(first_of 2-rally 150 2 1 1 $colour)" ] || fail "no menu bar: #$colour"
done

# Right held down, the focus taken by another program, Right let go there: the sprite stands
#   while the match runs on. A new match, started by Right itself, so that a passive player's
#   match, short as it is, is not over before the shots on a slow machine.
xmessage -geometry +700+500 other &
OTHER_PID=$!
OTHER=$(timeout 10 xdotool search --sync --onlyvisible --class Xmessage | head -1 || true)
[ -n "$OTHER" ] || fail "no other window to take the focus"
xdotool windowfocus --sync "$WIN" key ctrl+a
xdotool windowfocus --sync "$WIN" keydown Right
xdotool windowfocus --sync "$OTHER" keyup Right
sleep 0.8  # Qt waits a moment before it takes a focus out as the window's last
shoot "$WIN" "$WORK/4b-away-a.png"
sleep 1.0  # longer than the pause after a point, in which nothing moves
shoot "$WIN" "$WORK/4b-away-b.png"
kill "$OTHER_PID"
a=$(first_of 4b-away-a 25 250 255 70 2858E0)
b=$(first_of 4b-away-b 25 250 255 70 2858E0)
[ -n "$a" ] && [ "$a" = "$b" ] && [ "${a%%,*}" -lt 200 ] ||
    fail "the sprite walks on after its key was let go elsewhere ($a, $b)"
# The match runs on: above the standing player something moved (the ball, the computer, the
# score), whether or not a point's pause had the ball out of sight in one of the shots.
for s in a b; do
    convert "$WORK/4b-away-$s.png" -crop 255x210+25+5 +repage "$WORK/upper-$s.png"
done
moved=$(compare -metric AE "$WORK/upper-a.png" "$WORK/upper-b.png" null: 2>&1 || true)
[ "$moved" != 0 ] || fail "the match stopped behind the other window"

# Zoom 2, then Ctrl+D: the program ends by itself, with status 0.
xdotool windowfocus --sync "$WIN" key ctrl+plus
sleep 0.2
xdotool key ctrl+d
end_game 5 "after Ctrl+D"
! grep -v "XDG_RUNTIME_DIR" "$WORK/game.err" || fail "unexpected output (above)"

# SIGTERM ends it cleanly too; this time with whatever sound the machine has (none, on a
#    build server), which must not show on stderr either.
GAME_AUDIO=machine start_game
[ "$WIDTH" = 606 ] && [ "$HEIGHT" = 634 ] || fail "the zoom was not remembered: ${WIDTH}x$HEIGHT"
xdotool mousemove --window "$WIN" 150 150 click 1
sleep 0.5
stop_game
# Nothing on stderr but Qt's note about a missing runtime folder: no sound errors, no warnings.
! grep -v "XDG_RUNTIME_DIR" "$WORK/game.err" || fail "unexpected output (above)"
echo "PASS: screenshots in $WORK"
