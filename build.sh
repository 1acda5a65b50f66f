#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   ./build.sh play   install what is missing, build, start the game
#   ./build.sh test   install what is missing, check the format, build, run every test (the
#                     Debian package's build, lintian and file-list check among them, and the
#                     browser's page in headless chromium)
#   ./build.sh web    install what is missing, build the browser's site in build-web/site
#   ./build.sh windows  install what is missing, cross-build build-windows/smashbol.exe and its zip
#                     (`./build.sh test` builds it too and runs it under Wine)
#   ./build.sh fuzz [SECONDS]  build the fuzzers with clang in build-fuzz and run each for SECONDS
#                     (60 unless given) from its corpus (tests/fuzz/run.sh)
set -euo pipefail
cd "$(dirname "$0")"

BUILD_PACKAGES=(build-essential cmake pkg-config qt6-base-dev libsdl2-dev libgtest-dev
    libbenchmark-dev libfreetype-dev zlib1g-dev fonts-dejavu-core fonts-dejavu-extra fonts-wine gettext)
TEST_PACKAGES=(xvfb xauth xdotool x11-apps x11-utils libxdamage-dev imagemagick sox clang-format
    desktop-file-utils appstream dpkg-dev debhelper devscripts lintian git file pulseaudio strace
    chromium firefox-esr openbox wmctrl clang)
# The browser's build: the generators run natively, the game compiles with Debian's emscripten.
WEB_PACKAGES=(build-essential cmake libfreetype-dev zlib1g-dev fonts-dejavu-core fonts-dejavu-extra
    fonts-wine gettext emscripten)
# The Windows program: the generators run natively, the game compiles with MinGW-w64; Wine runs it.
WINDOWS_PACKAGES=(build-essential cmake libfreetype-dev zlib1g-dev fonts-dejavu-core fonts-dejavu-extra
    fonts-wine gettext g++-mingw-w64-x86-64-posix wine wine64)

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
    cmake --preset default "$@" >/dev/null
    cmake --build --preset default -j "$(nproc)"
}

# npm comes with Debian's nodejs as a package of its own, and inside other builds of node.
install_npm() {
    command -v npm >/dev/null || install_missing npm
}

# The site in build-web/site. The generators come from a native build: the one given (its
# smashbol-host-tools.cmake), or one of their own in build-web/native.
build_web() {
    local tools=${1:-}
    if [ -z "$tools" ]; then
        cmake -S . -B build-web/native -DSMASHBOL_GUI=OFF -DBUILD_TESTING=OFF >/dev/null
        cmake --build build-web/native -j "$(nproc)" --target smashbol-assetgen smashbol-glyphgen smashbol-icon
        tools=$PWD/build-web/native/smashbol-host-tools.cmake
    fi
    # Debian's emscripten finds its JavaScript parser only on Debian's node path.
    export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
    emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
        -DSMASHBOL_HOST_TOOLS="$tools" >/dev/null
    cmake --build build-web -j "$(nproc)" --target site
    echo "The site is in build-web/site: python3 -m http.server -d build-web/site"
}

# build-windows/smashbol.exe and the zip, with the generators of the native build given or of
# their own in build-windows/native.
build_windows() {
    local tools=${1:-}
    if [ -z "$tools" ]; then
        cmake -S . -B build-windows/native -DSMASHBOL_GUI=OFF -DBUILD_TESTING=OFF >/dev/null
        cmake --build build-windows/native -j "$(nproc)" --target smashbol-assetgen smashbol-glyphgen smashbol-icon
        tools=$PWD/build-windows/native/smashbol-host-tools.cmake
    fi
    cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DSMASHBOL_HOST_TOOLS="$tools" >/dev/null
    cmake --build build-windows -j "$(nproc)" --target windows-zip
    echo "The Windows program is build-windows/smashbol.exe: wine build-windows/smashbol.exe"
}

case "${1:-}" in
    play)
        install_missing "${BUILD_PACKAGES[@]}"
        build
        exec ./build/desktop/app/smashbol
        ;;
    test)
        install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${WEB_PACKAGES[@]}" \
            "${WINDOWS_PACKAGES[@]}"
        install_npm
        git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
        build -DSMASHBOL_WEB_SITE="$PWD/build-web/site" \
            -DSMASHBOL_WINDOWS_EXE="$PWD/build-windows/smashbol.exe"
        build_web "$PWD/build/smashbol-host-tools.cmake"
        build_windows "$PWD/build/smashbol-host-tools.cmake"
        ctest --preset default -j "$(nproc)"
        ;;
    web)
        install_missing "${WEB_PACKAGES[@]}"
        build_web
        ;;
    windows)
        install_missing "${WINDOWS_PACKAGES[@]}"
        build_windows
        ;;
    fuzz)
        install_missing "${BUILD_PACKAGES[@]}" clang
        tests/fuzz/run.sh all build-fuzz "${2:-60}"
        ;;
    *)
        echo "usage: $0 play|test|web|windows|fuzz [SECONDS]" >&2
        exit 2
        ;;
esac
