#!/usr/bin/env bash
# Without a display the program says so in one line on stderr and ends with status 1.
set -uo pipefail
SMASHBOL=${1:?usage: $0 path/to/smashbol}
check() {
    local what=$1
    shift
    local err status
    err=$(env "$@" "$SMASHBOL" 2>&1 >/dev/null)
    status=$?
    [ "$status" = 1 ] || { echo "FAIL: $what: exit status $status" >&2; exit 1; }
    [ "$(printf '%s\n' "$err" | grep -c .)" = 1 ] || { echo "FAIL: $what: stderr was: $err" >&2; exit 1; }
    echo "ok: $what: $err"
}
check "no DISPLAY" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
# A display number no X server holds: neither its lock file nor its socket exists.
unserved=251
while [ -e "/tmp/.X$unserved-lock" ] || [ -e "/tmp/.X11-unix/X$unserved" ]; do
    unserved=$((unserved + 1))
done
check "an X display nobody serves" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR=/tmp \
    DISPLAY=":$unserved"

# --help and --version need no display; a bad option is refused, in one line, before one is sought.
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$SMASHBOL")
"${nodisplay[@]}" --version | grep -qxE 'smashbol [0-9]+\.[0-9]+\.[0-9]+' || { echo "FAIL: --version" >&2; exit 1; }
"${nodisplay[@]}" --help | grep -q -- '--classic-timing' || { echo "FAIL: --help" >&2; exit 1; }
err=$("${nodisplay[@]}" --zoom 9 2>&1 >/dev/null)
status=$?
[ "$status" = 2 ] && [ "$(printf '%s\n' "$err" | grep -c .)" = 1 ] || { echo "FAIL: --zoom 9: $status, $err" >&2; exit 1; }
echo "ok: --help, --version, and --zoom 9: $err"
