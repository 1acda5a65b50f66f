# Shared by the robustness scripts: an Xvfb display of our own, and helpers to start the game
# and watch it. Source it; it cleans up after itself on exit.
set -euo pipefail

work=$(mktemp -d)
display=:$((200 + $$ % 500))
while [ -e "/tmp/.X11-unix/X${display#:}" ]; do display=:$(( ${display#:} + 1 )); done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -ardelay 10000 >/dev/null 2>&1 &
xvfb_pid=$!
extra_cleanup=""
session_cleanup() {
    [ -z "${game_pid:-}" ] || kill -KILL "$game_pid" 2>/dev/null || true
    [ -z "$extra_cleanup" ] || eval "$extra_cleanup" || true
    kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap session_cleanup EXIT
export DISPLAY=$display
for _ in $(seq 200); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
unset DBUS_SESSION_BUS_ADDRESS

fail() { echo "FAIL: $*" >&2; [ ! -s "$work/stderr" ] || { echo "--- the game's stderr:" >&2; tail -n 20 "$work/stderr" >&2; }; exit 1; }

# start_game CMD...: runs it in the background, waits for the main window.
start_game() {
    rm -f "$work/exit" "$work/pid"
    ( "$@" >"$work/stdout" 2>"$work/stderr" & echo $! >"$work/pid"; wait $!; echo $? >"$work/exit" ) &
    for _ in $(seq 200); do [ -s "$work/pid" ] && break; sleep 0.01; done
    game_pid=$(cat "$work/pid")
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "SMASHBOL 2002" | head -n 1) || fail "no window"
}

alive() { kill -0 "$game_pid" 2>/dev/null && [ ! -s "$work/exit" ]; }
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$game_pid/status"; }

# Window-relative click.
click_at() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

# SIGTERM and a clean exit.
stop_game() {
    kill -TERM "$game_pid"
    # A sanitized build takes its time to check for leaks at exit.
    for _ in $(seq 300); do [ -s "$work/exit" ] && break; sleep 0.05; done
    [ -s "$work/exit" ] || fail "the game did not end on SIGTERM"
    [ "$(cat "$work/exit")" = 0 ] || fail "the game ended with status $(cat "$work/exit") on SIGTERM"
    game_pid=""
}
