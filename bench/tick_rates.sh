#!/usr/bin/env bash
# How often the main window's timers really fire, with today's timing and with --classic-timing,
# under a private Xvfb: Timer1 and Timer4 in the intro rally, Timer2 alone (a new level stops the
# game tick of a running match and leaves the walking timer on). Prints the median of the whole
# seconds each timer ran by itself, with no point's pause in them, and the slowest and the fastest.
#
#   bench/tick_rates.sh [BUILD_DIR]        (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
SMASHBOL="$PWD/${1:-build}/desktop/app/smashbol"
[ -x "$SMASHBOL" ] || { echo "tick_rates: no $SMASHBOL; build first" >&2; exit 1; }
. tests/e2e/lib.sh
if [ -n "${KEEP:-}" ]; then
    WORK=$(mktemp -d)
    echo "work folder: $WORK"
else
    scratch_work
fi
start_xvfb

median() { sort -n | awk '{ v[NR] = $1 } END {
    print (NR ? v[int((NR + 1) / 2)] "/s (" v[1] " to " v[NR] ") over " NR " s" : "no whole second") }'; }
# rate TIMER FROM TO: the median of a timer's full seconds in those lines of the report, the first
# and the last (parts of a second) left out
rate() { grep "^ticks/s" "$WORK/game.err" | sed -n "$(($2 + 2)),$(($3 - 1))p" |
    awk -v t="$1" '/handlers_ms=[0-9][0-9]?$/ && $0 ~ "window_ms=(99[0-9]|10[01][0-9])" {
        for (i = 1; i <= NF; ++i) if ($i ~ "^" t "=") { split($i, kv, "="); if (kv[2] > 0) print kv[2] } }' |
    median; }

for mode in default --classic-timing; do
    args=(); [ "$mode" = default ] || args=("$mode")
    SMASHBOL_TICK_STATS=1 start_game "${args[@]}"
    xdotool mousemove --window "$WIN" 150 150 click 1
    sleep ${SECONDS_EACH:-8}
    intro=$(grep -c '^ticks/s' "$WORK/game.err")
    xdotool windowfocus --sync "$WIN" key ctrl+a key p key ctrl+a
    sleep ${SECONDS_EACH:-8}
    walking=$(grep -c '^ticks/s' "$WORK/game.err")
    xdotool key ctrl+d
    end_game 10 "on Ctrl+D"
    [ -z "${KEEP:-}" ] || cp "$WORK/game.err" "$WORK/game$mode.err"
    echo "$mode: Timer1 $(rate Timer1 0 "$intro"), Timer4 $(rate Timer4 0 "$intro")," \
        "Timer2 $(rate Timer2 "$intro" "$walking")"
done
