#!/usr/bin/env bash
# strace.sh GAME: one short session under strace -f; lists every file the game opens for writing
# and every socket it connects, and fails on a file written or a socket that is neither the
# display's nor the sound server's.
set -euo pipefail
SMASHBOL=$1
. "$(dirname "$0")/../e2e/lib.sh"
scratch_work; start_xvfb  # a folder and a display of its own
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"  # no leak check under ptrace
GAME_WRAPPER=(strace -f -qq -o "$WORK/trace" -e trace=open,openat,creat,socket,connect)
start_game
play_match
sleep 2
xdotool key p
pkill -TERM -P "$GAME_PID"  # the game, under strace
end_game 15 "on SIGTERM"

writes=$(grep -E 'open(at)?\(.*O_(WRONLY|RDWR|CREAT)|creat\(' "$WORK/trace" | grep -v ' = -1 ' |
    grep -oE '"[^"]*"' || true)
connects=$(grep -E 'connect\(' "$WORK/trace" | grep -v ' = -1 ' |
    grep -oE 'sun_path=[^}]*|sin6?_addr=[^,]*|sa_family=AF_[A-Z0-9]*' || true)
echo "files opened for writing:"; sort <<<"$writes" | uniq -c
echo "sockets connected:"; sort <<<"$connects" | uniq -c
bad=$(grep -vE '^"/dev/(null|shm/|snd/|dri/|input/|hidraw)' <<<"$writes" || true)
[ -z "$bad" ] || fail "the game opened files for writing: $bad"
bad=$(grep -E 'sun_path|addr=' <<<"$connects" | grep -vE 'X11-unix|pulse|pipewire' || true)
[ -z "$bad" ] || fail "the game connected to $bad"
echo "strace: OK"
