#!/usr/bin/env bash
# memcheck.sh GAME: a scripted session of the real window under Valgrind's memcheck (intro,
# a level, play, pause, the help and about windows, exit). Fails on any error or definite leak
# whose stack passes through the game's own code; libraries' own findings are listed, not judged.
game=$1
. "$(dirname "$0")/xvfb_session.sh"
export SDL_AUDIODRIVER=dummy
start_game valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
    --num-callers=30 --log-file="$work/memcheck.log" "$game"
sleep 3
click_at 130 180
sleep 3
xdotool windowfocus --sync "$window" key ctrl+a key p
sleep 5
xdotool key Left; sleep 1; xdotool key p
sleep 2
xdotool key ctrl+d                               # "Exit" ends the game as a player would
for _ in $(seq 600); do [ -s "$work/exit" ] && break; sleep 0.1; done
[ -s "$work/exit" ] || fail "the game under valgrind did not end"
game_pid=""

# Records are blank-line separated; ours are those whose stack names our namespaces or sources.
ours='(game|flow|tk|tkqt|views|screens|app|assets)::|/(game|flow|toolkit|screens|app|assets)/'
awk -v RS='' -v ours="$ours" '
    /definitely lost|Invalid (read|write)|uninitialised|Mismatched free|Invalid free/ && $0 ~ ours { n++; print; print "" }
    END { exit n > 0 }' <(sed 's/^==[0-9]*== \{0,1\}//' "$work/memcheck.log") >"$work/ours.txt" ||
    { cat "$work/ours.txt"; fail "memcheck found errors or definite leaks in the game's code"; }
grep -E 'ERROR SUMMARY|definitely lost:|indirectly lost:' "$work/memcheck.log" | sed 's/^==[0-9]*== /memcheck: /'
echo "memcheck: nothing in the game's own code"
