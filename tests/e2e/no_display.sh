#!/usr/bin/env bash
# Without a display the program says why in one line on stderr and ends with status 1, before Qt
# would abort, whatever the platform asked for and the displays named; the offscreen platform
# needs none. --help and --version need no display; a bad option is refused before one is sought.
set -uo pipefail
SMASHBOL=${1:?usage: $0 path/to/smashbol}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 700 "$work"
failures=0
# A display number no X server holds: neither its lock file nor its socket exists.
unserved=251
while [ -e "/tmp/.X$unserved-lock" ] || [ -e "/tmp/.X11-unix/X$unserved" ]; do
    unserved=$((unserved + 1))
done

# check WHAT STATUS REASON [VARIABLE=VALUE...]: with no display variable but those given, the
# program ends with STATUS (124: it ran on) having said nothing but "cannot open a window: REASON"
# (an extended regular expression; an empty one is not judged).
check() {
    local err status=0 ok=1
    err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work" \
        XDG_CONFIG_HOME="$work" "${@:4}" timeout 3 "$SMASHBOL" --mute 2>&1 >/dev/null) || status=$?
    [ "$status" = "$2" ] || ok=0
    if [ -n "$3" ]; then
        [ "$(grep -c . <<<"$err")" = 1 ] && grep -qxE "smashbol: cannot open a window: $3" <<<"$err" || ok=0
    fi
    [ "$ok" = 1 ] && echo "ok: $1: status $status" || { echo "FAIL: $1: status $status, said: $err" >&2; failures=1; }
}
neither='no display: neither DISPLAY nor WAYLAND_DISPLAY is set'
check "no display at all" 1 "$neither"
check "an empty DISPLAY" 1 "$neither" DISPLAY=
check "xcb asked, only Wayland" 1 'no X display: DISPLAY is not set' QT_QPA_PLATFORM=xcb WAYLAND_DISPLAY=wayland-0
check "wayland asked, only X" 1 'no Wayland display: WAYLAND_DISPLAY is not set' QT_QPA_PLATFORM=wayland DISPLAY=:0
check "an X display nobody serves" 1 "could not connect to X display :$unserved" DISPLAY=":$unserved"
check "a platform not installed" 1 'the Qt platform plugin "xyz" is not installed' QT_QPA_PLATFORM=xyz DISPLAY=:0
# Qt tries Wayland, then X: both reasons, the plugin's package named where it is missing.
check "a Wayland display that is not there, no X" 1 '(the Qt platform plugin "wayland" is not installed \(Debian package qt6-wayland\)|could not connect to the Wayland display); no X display: DISPLAY is not set' \
    WAYLAND_DISPLAY=nowhere-0
check "offscreen" 124 "" QT_QPA_PLATFORM=offscreen

nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$SMASHBOL")
"${nodisplay[@]}" --version | grep -qxE 'smashbol [0-9]+\.[0-9]+\.[0-9]+' || { echo "FAIL: --version" >&2; exit 1; }
"${nodisplay[@]}" --help | grep -q -- '--classic-timing' || { echo "FAIL: --help" >&2; exit 1; }
err=$("${nodisplay[@]}" --zoom 9 2>&1 >/dev/null)
status=$?
[ "$status" = 2 ] && [ "$(printf '%s\n' "$err" | grep -c .)" = 1 ] || { echo "FAIL: --zoom 9: $status, $err" >&2; exit 1; }
echo "ok: --help, --version, and --zoom 9: $err"
[ "$failures" = 0 ]
