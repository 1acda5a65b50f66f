#!/usr/bin/env bash
# memcheck.sh GAME: a scripted session of the real window under Valgrind's memcheck (intro,
# a level, play, pause, exit). Fails on any error or definite leak whose stack passes through the
# game's own code; libraries' own findings are listed, not judged.
set -euo pipefail
SMASHBOL=$1
. "$(dirname "$0")/../e2e/lib.sh"
scratch_work; start_xvfb  # a folder and a display of its own
GAME_WRAPPER=(valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite
              --num-callers=30 --log-file="$WORK/memcheck.log")
start_game
sleep 3
play_match 3
sleep 5
xdotool key Left; sleep 1; xdotool key p
sleep 2
xdotool key ctrl+d  # "Exit" ends the game as a player would
end_game 60 "on Ctrl+D under valgrind"

# Records are blank-line separated. A record is the game's when the first frame that is not the
# allocator (or, for an error, the frame where it happened) lies in the game's own code; a leak
# that a library makes, even when the game's start-up called into it, is the library's.
ours='(game|flow|tk|tkqt|views|screens|app|assets)::|[( ](main|fonts|form_[a-z]*|qt_host|wave_player|[a-z_]*_view|[a-z_]*_window|[a-z_]*_link)\.cpp:'
sed 's/^==[0-9]*== \{0,1\}//' "$WORK/memcheck.log" | awk -v RS='' -v ours="$ours" '
    /definitely lost|Invalid (read|write)|uninitialised|Mismatched free|Invalid free/ {
        n = split($0, line, "\n")
        for (i = 2; i <= n; i++) {
            if (line[i] !~ /^ *(at|by) /) continue
            if (line[i] ~ /(malloc|calloc|realloc|memalign|operator new)/) continue
            if (line[i] ~ ours) { found++; print; print "" }
            break
        }
    }
    END { exit found > 0 }' >"$WORK/ours.txt" ||
    { cat "$WORK/ours.txt"; fail "memcheck found errors or definite leaks in the game's code"; }
grep -E 'ERROR SUMMARY|definitely lost:|indirectly lost:' "$WORK/memcheck.log" | sed 's/^==[0-9]*== /memcheck: /'
echo "memcheck: nothing in the game's own code"
