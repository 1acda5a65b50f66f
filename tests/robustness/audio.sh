#!/usr/bin/env bash
# audio.sh GAME: the clips the game plays reach SDL's disk driver, and a sound server that goes
# away mid-game does not stop the game. (No device at all: the end-to-end run and the wave
# player's tests.)
set -euo pipefail
SMASHBOL=$1
. "$(dirname "$0")/../e2e/lib.sh"
scratch_work; start_xvfb  # a folder and a display of its own

# 1. SDL's disk driver: what the game plays is written to a file, between stretches of silence.
GAME_AUDIO=disk SDL_DISKAUDIOFILE="$WORK/out.raw" start_game
sleep 1.5  # the intro sound plays from the start
play_match
sleep 2
stop_game
loud=$(od -An -v -t d2 -w2 "$WORK/out.raw" | awk '$1 > 2000 || $1 < -2000 { n++ } END { print n + 0 }')
[ "$loud" -gt 1000 ] || fail "disk driver: the output holds no sound ($loud loud samples)"
echo "disk driver: $(stat -c %s "$WORK/out.raw") bytes written, $loud loud samples"

# 2. A sound server that goes away mid-game.
if ! command -v pulseaudio >/dev/null; then
    echo "sound server: pulseaudio is not installed, skipped"
    exit 0
fi
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --system=no -L module-null-sink \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$XDG_RUNTIME_DIR/pulse/native" \
    >"$WORK/pulse.log" 2>&1 &
pulse=$!
# Ready once its socket is there; given up when it ends without one (or after a minute).
deadline=$((SECONDS + 60))
while [ ! -S "$XDG_RUNTIME_DIR/pulse/native" ] && kill -0 "$pulse" 2>/dev/null &&
    [ "$SECONDS" -lt "$deadline" ]; do
    sleep 0.05
done
[ -S "$XDG_RUNTIME_DIR/pulse/native" ] || { echo "sound server: pulseaudio would not start, skipped"; exit 0; }
GAME_AUDIO=pulseaudio PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native" start_game
click_at 130 180
sleep 1
kill -KILL "$pulse"
wait "$pulse" 2>/dev/null || true
xdotool windowfocus --sync "$WIN" key ctrl+a key p
for _ in 1 2 3 4 5; do
    xdotool key ctrl+b key p
    sleep 0.5
done
alive || fail "sound server gone: the game died"
stop_game
echo "sound server gone mid-game: the game played on"
