#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   ./build.sh play   install what is missing, build, start the game
#   ./build.sh test   install what is missing, check the format, build, run every test (the
#                     Debian package's build, lintian and file-list check among them)
set -euo pipefail
cd "$(dirname "$0")"

BUILD_PACKAGES=(build-essential cmake pkg-config qt6-base-dev libsdl2-dev libgtest-dev
    libbenchmark-dev libfreetype-dev fonts-dejavu-core fonts-dejavu-extra fonts-wine)
TEST_PACKAGES=(xvfb xauth xdotool x11-apps x11-utils imagemagick sox clang-format
    desktop-file-utils appstream dpkg-dev debhelper devscripts lintian git file pulseaudio strace)

install_missing() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake --preset default >/dev/null
    cmake --build --preset default -j "$(nproc)"
}

case "${1:-}" in
    play)
        install_missing "${BUILD_PACKAGES[@]}"
        build
        exec ./build/app/smashbol
        ;;
    test)
        install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
        git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
        build
        ctest --preset default -j "$(nproc)"
        ;;
    *)
        echo "usage: $0 play|test" >&2
        exit 2
        ;;
esac
