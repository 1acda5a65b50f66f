#!/usr/bin/env bash
# The desktop window's side of the conformance table: each session played on the real window
# under Xvfb (lib.sh's play_table), then check.sh has the driver replay each recording and
# compare. The last recording is then watched in the window (--replay) to the driver's print and
# picture.
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
play_table "$WORK"
"$HERE/check.sh" "$WORK" "$TRACE"

# The last session watched with --replay, hurried four times over with Right: the watching prints
# what the driver's replay prints, and ends on the picture the driver's replay ends on.
watched=$WORK/watched/1
rm -rf "$watched" && mkdir -p "$watched" && cp "$WORK/$PLAYED/session.trace" "$watched/"
WINDOW_NAME='^SMASHBOL 2002 - ' start_game --zoom 1 --mute --replay "$watched/session.trace" \
    >"$WORK/watched.out"
xdotool windowfocus --sync "$WIN" key Right Right
until_true 60 eval 'title=$(xdotool getwindowname "$WIN") &&
    [[ $title =~ ^SMASHBOL\ 2002\ -\ (Záznam|Replay)\ -\ (dohráno|over)\ ×4$ ]]' ||
    fail "the title at the end: $title"
shoot "$WIN" "$watched/Form1.screen.png"
xdotool key Escape
end_game 5 "after the watching's Escape"
"$TRACE" --replay "$watched/session.trace" | cmp -s - "$WORK/watched.out" ||
    fail "the watching printed elsewhere than the driver: $(head -c 300 "$WORK/watched.out")"
"$HERE/check.sh" "$WORK/watched" "$TRACE" <(echo "watched | | Form1 |")
