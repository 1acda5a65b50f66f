#!/usr/bin/env bash
# random_input.sh GAME SECONDS: random keys, clicks and menu shortcuts on the real window; the
# game must stay alive, and its memory must not grow by more than 1 MB after the first minute
# (or after the first third of a shorter run).
set -euo pipefail
SMASHBOL=$1
seconds=${2:-60}
. "$(dirname "$0")/../e2e/lib.sh"
scratch_work; start_xvfb  # a folder and a display of its own
SMASHBOL_TICK_STATS=1 start_game  # its report says when the warm-up's match is over

# First every screen once, so that what the game allocates on first use (the score bar's and the
# result's fonts, the walking frames) is in before memory is watched: the splash, the intro, a
# level, walking, and a match left to the computer until it ends (twelve points, about 15 s on
# an idle machine, longer on a busy one: its end is awaited, not timed).
play_match
for k in Left Right; do xdotool keydown $k; sleep 0.5; xdotool keyup $k; done
xdotool key ctrl+c key p
warm_rss=$(rss_kb)
warm_start=$(date +%s)
wait_for_match_end 180
echo "random input: the warm-up match took $(($(date +%s) - warm_start)) s," \
    "RSS from $warm_rss kB to $(rss_kb) kB"

settle=$(( seconds < 180 ? seconds / 3 : 60 ))
start=$(date +%s)
baseline="" actions=0
keys=(Left Right Left Right p p Up Down space Return Escape a x 1)
while [ $(( $(date +%s) - start )) -lt "$seconds" ]; do
    for _ in $(seq 20); do
        case $((RANDOM % 10)) in
            0|1|2) k=${keys[RANDOM % ${#keys[@]}]}; xdotool keydown "$k"; sleep 0.0$((RANDOM % 9)); xdotool keyup "$k" ;;
            3) xdotool key "ctrl+$(printf '%s' abc | cut -c $((RANDOM % 3 + 1)))" ;;
            # Clicks below the menu bar: a click in an open menu could land on "Exit".
            4|5|8) click_at $((RANDOM % 303)) $((25 + RANDOM % 315)) ;;
            6|7) k=${keys[RANDOM % 2]}; xdotool keydown "$k"; sleep 0.3; xdotool keyup "$k" ;;  # Left or Right
            9) xdotool windowfocus "$WIN" 2>/dev/null || true ;;
        esac
        actions=$((actions + 1))
    done
    alive || fail "the game died after $actions actions"
    if [ -z "$baseline" ] && [ $(( $(date +%s) - start )) -ge "$settle" ]; then baseline=$(rss_kb); fi
done
final=$(rss_kb)
growth=$(( final - ${baseline:-$final} ))
echo "random input: $actions actions in $seconds s; RSS ${baseline:-?} kB after settling, $final kB at the end"
# AddressSanitizer holds freed memory in quarantine, so a sanitized build's RSS says nothing.
if ldd "$SMASHBOL" 2>/dev/null | grep -q libasan; then
    echo "random input: a sanitized build; its memory growth is not judged"
else
    [ "$growth" -le 1024 ] || fail "RSS grew by $growth kB after settling"
fi
stop_game
echo "random input: OK"
