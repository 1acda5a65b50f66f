#!/usr/bin/env bash
# strace.sh GAME: one short session under strace -f; lists every file the game opens for writing
# and every socket it connects, and fails on a file written or a socket that is neither the
# display's nor the sound server's.
game=$1
. "$(dirname "$0")/xvfb_session.sh"
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
start_game strace -f -qq -o "$work/trace" -e trace=open,openat,creat,socket,connect "$game"
click_at 130 180
sleep 1
xdotool windowfocus --sync "$window" key ctrl+a key p
sleep 2
xdotool key p
game_pid=$(pgrep -n -f "^$game" || echo "$game_pid")
kill -TERM "$game_pid"
for _ in $(seq 100); do [ -s "$work/exit" ] && break; sleep 0.05; done
game_pid=""

echo "files opened for writing:"
writes=$(grep -E 'open(at)?\(.*O_(WRONLY|RDWR|CREAT)|creat\(' "$work/trace" | grep -v ' = -1 ' |
    grep -oE '"[^"]*"' | sort | uniq -c || true)
echo "${writes:-  none}"
echo "sockets connected:"
connects=$(grep -E 'connect\(' "$work/trace" | grep -v ' = -1 E[A-Z]* (No such file' |
    grep -oE 'sun_path=[^}]*|sin6?_addr=[^,]*|sa_family=AF_[A-Z0-9]*' | sort | uniq -c || true)
echo "${connects:-  none}"

bad=$(grep -E 'open(at)?\(.*O_(WRONLY|RDWR|CREAT)|creat\(' "$work/trace" | grep -v ' = -1 ' |
    grep -oE '"[^"]*"' | grep -vE '^"/dev/(null|shm/|snd/|dri/|input/|hidraw)' || true)
[ -z "$bad" ] || fail "the game opened files for writing: $bad"
badsock=$(grep -E 'connect\(' "$work/trace" | grep -v ' = -1 ' | grep -oE 'sun_path=[^}]*|sin6?_addr=[^,]*' |
    grep -vE 'X11-unix|pulse|pipewire' || true)
[ -z "$badsock" ] || fail "the game connected to $badsock"
echo "strace: OK"
