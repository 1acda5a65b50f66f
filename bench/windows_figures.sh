#!/usr/bin/env bash
# The Windows program's figures beside the Linux desktop program's, on one Xvfb with openbox in
# the same run: the .exe's and the zip's sizes and the DLLs it imports; the time from start to
# the window shown (ms: Wine's first start in a fresh prefix, then the mean of three more), and
# the CPU the intro takes (% of one core over 10 s, from /proc; under Wine the wineserver's too).
#   bench/windows_figures.sh build-windows [build/desktop/app/smashbol]
set -euo pipefail
BUILD=${1:?usage: $0 build-windows [path/to/linux/smashbol]}
LINUX=${2:-}
EXE=$BUILD/smashbol.exe
. "$(dirname "$0")/../tests/e2e/lib.sh"
scratch_work
export WINEPREFIX="$WORK/prefix" WINEDEBUG=-all WINEARCH=win64
trap 'wineserver -k 2>/dev/null || true; stop_all' EXIT

echo "smashbol.exe: $(stat -c %s "$EXE") bytes; zip: $(stat -c %s "$BUILD"/smashbol-*-windows.zip) bytes"
echo "imports: $(x86_64-w64-mingw32-objdump -p "$EXE" | sed -n 's/.*DLL Name: //p' | tr '\n' ' ')"
start_xvfb
start_wm
wineboot -i >/dev/null 2>&1
# Wine's own services stay up between the starts, as on a desktop where another Windows program
# runs: once the last program of a prefix ends, Wine goes down, and the next start brings it all
# up again first (about 10 s here).
wine notepad.exe >/dev/null 2>&1 &

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# shown COMMAND...: starts it; SHOWN_MS the ms until its window shows, GAME_PID the program
shown() {
    local from
    from=$(date +%s%N)
    "$@" >/dev/null 2>"$WORK/game.err" &
    GAME_PID=$!
    WIN=$(timeout 60 xdotool search --sync --onlyvisible --name '^SMASHBOL 2002$' | head -1)
    [ -n "$WIN" ] || fail "the window did not show"
    SHOWN_MS=$((($(date +%s%N) - from) / 1000000))
}

# intro_cpu wine|linux: the splash clicked, the % of a core the program (and the wineserver) take over 10 s
intro_cpu() {
    local server a b s1 s2 hz
    hz=$(getconf CLK_TCK)
    xdotool mousemove --window "$WIN" 150 150 click 1
    sleep 1
    server=""
    [ "$1" != wine ] || server=$(pgrep -n '^wineserver' || true)
    a=$(ticks "$GAME_PID")
    s1=$([ -n "$server" ] && ticks "$server" || echo 0)
    sleep 10
    b=$(ticks "$GAME_PID")
    s2=$([ -n "$server" ] && ticks "$server" || echo 0)
    echo "intro CPU $(((b - a) * 100 / hz / 10)) % of a core${server:+, wineserver $(((s2 - s1) * 100 / hz / 10)) %}"
}

# stop: Ctrl+D, as a player ends it (a killed Wine program slows the next start down)
stop() {
    xdotool windowactivate --sync "$WIN" 2>/dev/null || true
    sleep 0.5
    xdotool key ctrl+d
    timeout 5 tail --pid="$GAME_PID" -f /dev/null || kill_tree "$GAME_PID"
    wait "$GAME_PID" 2>/dev/null || true
    GAME_PID=""
}

shown wine "$EXE" --zoom 1 --mute
first=$SHOWN_MS
stop
total=0
for _ in 1 2 3; do
    shown wine "$EXE" --zoom 1 --mute
    total=$((total + SHOWN_MS))
    stop
done
echo "Windows under Wine: start to window $first ms first, $((total / 3)) ms after"
shown wine "$EXE" --zoom 1 --mute
echo "Windows under Wine: $(intro_cpu wine)"
stop
if [ -n "$LINUX" ]; then
    export XDG_CONFIG_HOME="$WORK/config" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
    total=0
    for _ in 1 2 3; do
        shown "$LINUX" --zoom 1 --mute
        total=$((total + SHOWN_MS))
        stop
    done
    echo "Linux desktop: start to window $((total / 3)) ms"
    shown "$LINUX" --zoom 1 --mute
    echo "Linux desktop: $(intro_cpu linux)"
    stop
fi
