#!/usr/bin/env bash
# audio.sh GAME: the game with no audio device at all, with SDL's disk driver (the clips'
# samples must reach the output), and with a sound server that goes away mid-game.
game=$1
. "$(dirname "$0")/xvfb_session.sh"

play_a_little() {
    click_at 130 180                       # the splash: the intro rally starts
    sleep 1
    xdotool windowfocus --sync "$window" key ctrl+a key p
    sleep 2
}

# 1. No device and no server: SDL finds nothing; the game plays silently and says nothing.
(
    unset SDL_AUDIODRIVER
    export PULSE_SERVER=unix:/nonexistent PIPEWIRE_REMOTE=/nonexistent AUDIODEV=/nonexistent
    start_game "$game"
    play_a_little
    alive || fail "no audio device: the game died"
    stop_game
    if grep -qiE 'audio|sound|sdl' "$work/stderr"; then fail "no audio device: the game talked about it: $(cat "$work/stderr")"; fi
    echo "no audio device: plays silently"
)

# 2. SDL's disk driver: what the game plays is written to a file.
(
    export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/out.raw"
    start_game "$game"
    sleep 1.5                               # the intro sound plays from the start
    play_a_little
    stop_game
    [ -s "$work/out.raw" ] || fail "disk driver: nothing was written"
    # The device writes silence between clips; some bytes must differ from silence.
    loud=$(od -An -v -t d2 -w2 "$work/out.raw" | awk '$1 > 2000 || $1 < -2000 { n++ } END { print n + 0 }')
    [ "$loud" -gt 1000 ] || fail "disk driver: the output holds no sound ($loud loud samples)"
    echo "disk driver: $(stat -c %s "$work/out.raw") bytes written, $loud loud samples"
)

# 3. A sound server that goes away mid-game.
if command -v pulseaudio >/dev/null; then
    (
        export XDG_RUNTIME_DIR="$work/run"
        mkdir -p "$XDG_RUNTIME_DIR"
        chmod 700 "$XDG_RUNTIME_DIR"
        pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --system=no \
            -L "module-null-sink" -L "module-native-protocol-unix auth-anonymous=1 socket=$XDG_RUNTIME_DIR/pulse/native" \
            >"$work/pulse.log" 2>&1 &
        pulse=$!
        extra_cleanup="kill -KILL $pulse"
        for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/pulse/native" ] && break; sleep 0.05; done
        [ -S "$XDG_RUNTIME_DIR/pulse/native" ] || { echo "sound server: pulseaudio would not start here, skipped"; exit 0; }
        export SDL_AUDIODRIVER=pulseaudio PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
        start_game "$game"
        click_at 130 180
        sleep 1
        kill -KILL "$pulse"
        xdotool windowfocus --sync "$window" key ctrl+a key p
        for _ in 1 2 3 4 5; do
            xdotool key ctrl+b key p
            sleep 0.5
        done
        alive || fail "sound server gone: the game died"
        stop_game
        echo "sound server gone mid-game: the game played on"
    )
else
    echo "sound server: pulseaudio is not installed, skipped"
fi
echo "audio: OK"
