#!/usr/bin/env bash
# The desktop window's side of the conformance table: each session played on the real window
# under Xvfb (a new game each, at zoom 1, muted, recorded), its windows shot where the session
# ends (the whole client area, menu bar included), then Ctrl+D; then check.sh has the driver
# replay each recording and compare. Muted, the game opens no sound device. The last recording is
# then watched in the window (--replay) to the driver's print and picture.
#   tests/conformance/window.sh path/to/smashbol path/to/smashbol-trace [work folder]
set -euo pipefail
SMASHBOL=${1:?usage: $0 path/to/smashbol path/to/smashbol-trace [work folder]}
TRACE=${2:?usage: $0 path/to/smashbol path/to/smashbol-trace [work folder]}
WORK=${3:-$(mktemp -d)}
HERE=$(dirname "$0")
mkdir -p "$WORK" && rm -f "$WORK/audio.raw"
. "$HERE/../e2e/lib.sh"

start_xvfb
# shoot WINDOW FILE: the window's whole client area, menu bar included, as the screen shows it.
shoot() {
    eval "$(xdotool getwindowgeometry --shell "$1" | sed 's/^/G_/')"
    xwd -root -silent | convert xwd:- -crop "${G_WIDTH}x${G_HEIGHT}+$G_X+$G_Y" +repage "$2"
}
# With NO_FONTS=1 the game runs on a system that offers it no font at all; with LANGUAGE=en the
# window and the driver both show the game in English.
if [ -n "${NO_FONTS:-}" ]; then
    printf '<?xml version="1.0"?>\n<fontconfig><cachedir>%s</cachedir></fontconfig>\n' \
        "$WORK/font-cache" >"$WORK/no-fonts.conf"
    export FONTCONFIG_FILE="$WORK/no-fonts.conf"
fi
n=0
while IFS='|' read -r name inputs windows _; do
    [ -n "$name" ] && [ "${name:0:1}" != "#" ] || continue
    n=$((n + 1))
    dir="$WORK/$n"
    rm -rf "$dir" "$XDG_CONFIG_HOME" && mkdir -p "$dir" "$XDG_CONFIG_HOME"
    # Muted, not even SDL's disk driver may open: it would leave a file.
    GAME_AUDIO=disk SDL_DISKAUDIOFILE="$WORK/audio.raw" start_game --zoom 1 --mute --record "$dir/session.trace"
    xdotool windowfocus --sync "$WIN"
    for input in $inputs; do
        case "$input" in
            click) click_at 150 150 ;;
            wait-*) sleep "$(echo "${input#wait-}" | awk '{print $1 / 1000}')" ;;
            *) xdotool key "$input" ;;
        esac
    done
    # Past any point's pause (0.7 s), whose picture is the one from before the point.
    sleep 0.8
    for w in $windows; do
        if [ "$w" = Form1 ]; then
            id=$WIN
        else
            id=$(xdotool search --onlyvisible --name '^SMASHBOL 2002 - ' | head -n 1)
            [ -n "$id" ] || fail "$name: no $w window is open"
        fi
        shoot "$id" "$dir/$w.screen.png"
    done
    if [[ " $windows " == *" Form3 "* ]]; then
        xdotool key Escape
        sleep 0.2
    fi
    xdotool windowfocus --sync "$WIN" key ctrl+d
    end_game 10 "$name: on Ctrl+D"
done < <(sed -E 's/ *\| */|/g; s/^ +| +$//' "$HERE/sessions.txt")  # the columns without their spaces
echo "$n sessions played on the window"
[ ! -e "$WORK/audio.raw" ] || fail "muted, yet a sound device was opened"
"$HERE/check.sh" "$WORK" "$TRACE"

# The last session watched with --replay, hurried four times over with Right: the watching prints
# what the driver's replay prints, and ends on the picture the driver's replay ends on.
watched=$WORK/watched/1
rm -rf "$watched" && mkdir -p "$watched" && cp "$WORK/$n/session.trace" "$watched/"
WINDOW_NAME='^SMASHBOL 2002 - ' start_game --zoom 1 --mute --replay "$watched/session.trace" \
    >"$WORK/watched.out"
xdotool windowfocus --sync "$WIN" key Right Right
for _ in $(seq 600); do
    title=$(xdotool getwindowname "$WIN")
    [[ ! $title =~ \ -\ (dohráno|over)\ ×4$ ]] || break
    sleep 0.1
done
[[ $title =~ ^SMASHBOL\ 2002\ -\ (Záznam|Replay)\ -\ (dohráno|over)\ ×4$ ]] || fail "the title at the end: $title"
shoot "$WIN" "$watched/Form1.screen.png"
xdotool key Escape
end_game 5 "after the watching's Escape"
"$TRACE" --replay "$watched/session.trace" | cmp -s - "$WORK/watched.out" ||
    fail "the watching printed elsewhere than the driver: $(head -c 300 "$WORK/watched.out")"
"$HERE/check.sh" "$WORK/watched" "$TRACE" <(echo "watched | | Form1 |")
