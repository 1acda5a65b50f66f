#!/usr/bin/env bash
# Measures the game against two games Debian ships, tennix (SDL) and kollision (Qt/KDE), and
# against the floor of its own stack, a bare Qt window (bench/bare_window.cpp), under one Xvfb
# display: start to window mapped and to its first frame painted, peak memory, CPU idle on the
# first screen and in play, three runs each, medians and the ratio ours / peer. The bare window's
# CPU "in play" is its moving square's, set beside our intro rally. Ours is measured at zoom 1 and
# at zoom 3 (ZOOMS="1 3"), each in a settings folder of its own. Also our timers' tick rates.
# Kollision gets KOLLISION_WAIT_S (20) to show its window: on some machines it never does.
#
#   bench/measure.sh [BUILD_DIR]        (default: build)
#
# Installs the peers, Xvfb and xdotool from Debian when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
game="$PWD/$build/desktop/app/smashbol"
bare="$PWD/$build/bench/bare_window"
map_wait="$PWD/$build/bench/map_wait"
runs=${RUNS:-3}
window_s=${WINDOW_S:-10}
zooms=${ZOOMS:-1 3}
for program in "$game" "$bare" "$map_wait"; do
    [ -x "$program" ] || { echo "measure: no $program; run ./build.sh test first" >&2; exit 1; }
done

need=()
for pkg in tennix kollision xvfb xdotool x11-utils procps; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || need+=("$pkg")
done
if [ ${#need[@]} -gt 0 ]; then
    sudo=(); [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${need[@]}" >/dev/null
fi

# Debian puts its games in /usr/games.
export PATH="$PATH:/usr/games"
# A display of its own, picked by Xvfb, and fresh settings for the peers; at the end, whatever
# is still running goes with the display.
. tests/e2e/lib.sh
scratch_work
work=$WORK
XVFB_SCREEN=1920x1080x24 start_xvfb
# No sound device and no D-Bus session for anyone: the same ground for all three.
export SDL_AUDIODRIVER=dummy

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }
hwm_kb() { awk '/^VmHWM:/ {print $2}' "/proc/$1/status" 2>/dev/null || echo 0; }
clk=$(getconf CLK_TCK)

# CPU percent of one core that PID uses over the next window_s seconds.
cpu_percent() {
    local pid=$1 before after
    before=$(cpu_ticks "$pid")
    sleep "$window_s"
    after=$(cpu_ticks "$pid")
    awk -v a="$after" -v b="$before" -v c="$clk" -v s="$window_s" 'BEGIN { printf "%.2f", (a - b) / c / s * 100 }'
}

# Starts a program, waits for its window; sets LAUNCHED to "pid window start_ms paint_ms". The
# moments of the map and of the first drawing into the window are map_wait's, which listens to
# the display from before the start. The program's exit status lands in $work/exit, a failing one
# too (under set -e a bare `wait` would end the subshell first, and a program ended by SIGTERM was
# reported as killed). (Run in this shell, not in a pipe or $(...): what it starts stays this
# script's own, and goes with it.)
launch() {
    local name=$1; shift
    local t0 pid="" win="" at="" painted="" watcher
    rm -f "$work/pid" "$work/exit" "$work/mapped"
    "$map_wait" "$name" "${LAUNCH_WAIT_MS:-90000}" >"$work/mapped" &
    watcher=$!
    until grep -q ready "$work/mapped" 2>/dev/null; do sleep 0.001; done
    t0=$(now_ms)
    ( "$@" >/dev/null 2>"$work/stderr" & echo $! >"$work/pid"; rc=0; wait $! || rc=$?; echo $rc >"$work/exit" ) &
    # Nothing else runs here until the window is painted: a loop of `sleep`s beside the start
    # took CPU from the program measured.
    wait "$watcher" || true
    for _ in $(seq 200); do [ -s "$work/pid" ] && break; sleep 0.001; done
    pid=$(cat "$work/pid")
    read -r at win painted < <(sed -n 2p "$work/mapped") || true
    local mapped=$(( ${at:-$(now_ms)} - t0 )) paint=-
    [ "${painted:--1}" -ge 0 ] && paint=$(( painted - t0 ))
    # The process that owns the window: kollision runs under a D-Bus session of its own. Failing
    # the window's word, the program's namesake among what was started here, never another's.
    local owner
    owner=$( [ -n "$win" ] && xdotool getwindowpid "$win" 2>/dev/null || true)
    [ -n "$owner" ] || owner=$(pgrep -n -x -P "$pid" "$(basename "${@: -1}")" || true)
    LAUNCHED="${owner:-$pid} ${win:-0} $mapped $paint"
}

# SIGTERM, then how the program ended: "exit N" or "killed" when it would not go.
stop() {
    local pid=$1
    kill -TERM "$pid" 2>/dev/null || true
    for _ in $(seq 100); do [ -s "$work/exit" ] && break; sleep 0.05; done
    if [ ! -s "$work/exit" ]; then kill -KILL "$pid" 2>/dev/null || true; echo "killed"; return; fi
    echo "exit $(cat "$work/exit")"
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) print "-"; else print v[int((NR + 1) / 2)] }'; }

record() { echo "$1 $2 $3 ${4:-}" >>"$work/figures"; }  # program figure value

for run in $(seq "$runs"); do
    # --- ours, at each zoom ---
    for z in $zooms; do
        me="ours-z$z"
        XDG_CONFIG_HOME="$work/config-$z" SMASHBOL_TICK_STATS=1 \
            launch "SMASHBOL 2002" "$game" --zoom "$z"
        read -r pid win start paint <<<"$LAUNCHED"
        record "$me" start "$start"
        record "$me" paint "$paint"
        sleep 1
        record "$me" idle "$(cpu_percent "$pid")"
        xdotool mousemove --window "$win" $((130 * z)) $((180 * z)) click 1  # the intro rally
        sleep 1
        intro_from=$(wc -l <"$work/stderr")
        record "$me" intro "$(cpu_percent "$pid")"
        intro_to=$(wc -l <"$work/stderr")
        xdotool windowfocus --sync "$win" key ctrl+a key p   # easy level, play
        sleep 1
        play_from=$(wc -l <"$work/stderr")
        record "$me" play "$(cpu_percent "$pid")"
        play_to=$(wc -l <"$work/stderr")
        xdotool key p                                         # paused
        sleep 0.5
        record "$me" paused "$(cpu_percent "$pid")"
        record "$me" rss "$(hwm_kb "$pid")"
        record "$me" stop "$(stop "$pid")"
        sed -n "$((intro_from + 1)),${intro_to}p" "$work/stderr" | grep '^ticks/s' >>"$work/ticks.intro" || true
        sed -n "$((play_from + 1)),${play_to}p" "$work/stderr" | grep '^ticks/s' >>"$work/ticks.play" || true
    done

    # --- the bare Qt window: still, then moving its square ---
    launch "Bare Qt window" "$bare"
    read -r pid win start paint <<<"$LAUNCHED"
    record bare start "$start"
    record bare paint "$paint"
    sleep 1
    record bare idle "$(cpu_percent "$pid")"
    record bare rss "$(hwm_kb "$pid")"
    record bare stop "$(stop "$pid")"
    launch "Bare Qt window" "$bare" --square
    read -r pid win start paint <<<"$LAUNCHED"
    sleep 1
    record bare play "$(cpu_percent "$pid")"
    record bare stop "$(stop "$pid")"

    # --- tennix: its menu, then a game started from it ---
    launch "Tennix" tennix
    read -r pid win start paint <<<"$LAUNCHED"
    record tennix start "$start"
    record tennix paint "$paint"
    sleep 1
    record tennix idle "$(cpu_percent "$pid")"
    xdotool windowfocus --sync "$win" key Return 2>/dev/null || true
    sleep 1
    record tennix play "$(cpu_percent "$pid")"
    record tennix rss "$(hwm_kb "$pid")"
    record tennix stop "$(stop "$pid")"

    # --- kollision: its first screen, then a game started with a click ---
    # kollision will not start without a D-Bus session: it gets one (ours and tennix need none).
    LAUNCH_WAIT_MS=$(( ${KOLLISION_WAIT_S:-20} * 1000 )) launch "Kollision" dbus-run-session kollision
    read -r pid win start paint <<<"$LAUNCHED"
    record kollision start "$start"
    record kollision paint "$paint"
    sleep 1
    record kollision idle "$(cpu_percent "$pid")"
    xdotool mousemove --window "$win" 200 200 click 1 2>/dev/null || true
    sleep 1
    record kollision play "$(cpu_percent "$pid")"
    record kollision rss "$(hwm_kb "$pid")"
    record kollision stop "$(stop "$pid")"
done

fig() { awk -v p="$1" -v f="$2" '$1 == p && $2 == f { print $3 }' "$work/figures" | median; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b + 0 == 0) print "-"; else printf "%.2f", a / b }'; }

for z in $zooms; do
    me="ours-z$z"
    printf '\n%-28s %10s %10s %10s %10s %12s %12s\n' "zoom $z (median of $runs)" ours "bare Qt" tennix kollision \
        "ours/tennix" "ours/bare"
    for f in start paint rss idle play; do
        case $f in
            start) label="start to window (ms)" ;;
            paint) label="start to first frame (ms)" ;;
            rss) label="peak RSS (kB)" ;;
            idle) label="CPU % first screen" ;;
            play) label="CPU % in play" ;;
        esac
        o=$(fig "$me" $f); b=$(fig bare $f); t=$(fig tennix $f); k=$(fig kollision $f)
        [ $f = play ] && b=-  # the bare window's square is set beside the intro
        printf '%-28s %10s %10s %10s %10s %12s %12s\n' "$label" "$o" "$b" "$t" "$k" "$(ratio "$o" "$t")" "$(ratio "$o" "$b")"
    done
    o=$(fig "$me" intro); b=$(fig bare play)
    printf '%-28s %10s %10s %10s %10s %12s %12s\n' "CPU % intro / moving square" "$o" "$b" - - - "$(ratio "$o" "$b")"
    printf '%-28s %10s\n' "CPU % paused" "$(fig "$me" paused)"
done
echo
echo "how each program ended on SIGTERM: ours: $(awk '$1~/^ours/&&$2=="stop"{print $3" "$4}' "$work/figures" | sort | uniq -c | tr '\n' ';')" \
     "tennix: $(awk '$1=="tennix"&&$2=="stop"{print $3" "$4}' "$work/figures" | sort | uniq -c | tr '\n' ';')" \
     "kollision: $(awk '$1=="kollision"&&$2=="stop"{print $3" "$4}' "$work/figures" | sort | uniq -c | tr '\n' ';')" \
     "bare Qt: $(awk '$1=="bare"&&$2=="stop"{print $3" "$4}' "$work/figures" | sort | uniq -c | tr '\n' ';')"
for phase in intro play; do
    [ -s "$work/ticks.$phase" ] || { echo "ticks/s during $phase: none reported"; continue; }
    line="ticks/s during $phase (median, outside point pauses):"
    for t in Timer1 Timer2 Timer4; do
        # Per second of the window's time that no handler held up (a point's pause blocks all).
        m=$(awk -v t="$t" '{
                for (i = 2; i <= NF; i++) { split($i, kv, "="); v[kv[1]] = kv[2] }
                free = v["window_ms"] - v["handlers_ms"]
                if (free >= 200) printf "%.0f\n", v[t] * 1000 / free
            }' "$work/ticks.$phase" | median)
        line="$line $t=$m"
    done
    echo "$line"
done
