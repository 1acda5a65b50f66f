#!/usr/bin/env bash
# The desktop window's side of the conformance table: each session played on the real window
# under Xvfb (a new game each, at zoom 1, muted, recorded), its windows shot where the session
# ends (the whole client area, menu bar included), then Ctrl+D; then check.sh has the driver
# replay each recording and compare.
#   tests/conformance/window.sh path/to/smashbol path/to/smashbol-trace [work folder]
set -euo pipefail
SMASHBOL=${1:?usage: $0 path/to/smashbol path/to/smashbol-trace [work folder]}
TRACE=${2:?usage: $0 path/to/smashbol path/to/smashbol-trace [work folder]}
WORK=${3:-$(mktemp -d)}
HERE=$(dirname "$0")
mkdir -p "$WORK"
. "$HERE/../e2e/lib.sh"

start_xvfb
# With NO_FONTS=1 the game runs on a system that offers it no font at all; with LANGUAGE=en the
# window and the driver both show the game in English.
if [ -n "${NO_FONTS:-}" ]; then
    printf '<?xml version="1.0"?>\n<fontconfig><cachedir>%s</cachedir></fontconfig>\n' \
        "$WORK/font-cache" >"$WORK/no-fonts.conf"
    export FONTCONFIG_FILE="$WORK/no-fonts.conf"
fi
# trim TEXT: without the spaces around it.
trim() {
    local s=$1
    s=${s#"${s%%[![:space:]]*}"}
    printf '%s' "${s%"${s##*[![:space:]]}"}"
}

n=0
while IFS='|' read -r name inputs windows _; do
    name=$(trim "$name")
    [ -n "$name" ] && [ "${name:0:1}" != "#" ] || continue
    n=$((n + 1))
    dir="$WORK/$n"
    rm -rf "$dir" "$XDG_CONFIG_HOME" && mkdir -p "$dir" "$XDG_CONFIG_HOME"
    start_game --zoom 1 --mute --record "$dir/session.trace"
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
        eval "$(xdotool getwindowgeometry --shell "$id" | sed 's/^/G_/')"
        xwd -root -silent | convert xwd:- -crop "${G_WIDTH}x${G_HEIGHT}+$G_X+$G_Y" +repage \
            "$dir/$w.screen.png"
    done
    if [[ " $windows " == *" Form3 "* ]]; then
        xdotool key Escape
        sleep 0.2
    fi
    xdotool windowfocus --sync "$WIN" key ctrl+d
    end_game 10 "$name: on Ctrl+D"
done <"$HERE/sessions.txt"
echo "$n sessions played on the window"
"$HERE/check.sh" "$WORK" "$TRACE"
