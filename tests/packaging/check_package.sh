#!/usr/bin/env bash
# check_package.sh SOURCE_DIR: builds the Debian package from a copy of the tracked tree, runs
# lintian on it, and checks what the .deb holds, depends on and how its binary is hardened.
set -euo pipefail
src=$(cd "$1" && pwd)
id=org.example.smashbol
fail() { echo "FAIL: $*" >&2; exit 1; }

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
version=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)
tree="$out/smashbol-$version"
mkdir "$tree"
# The files git knows (a fresh clone's tree), so nothing built here leaks into the package.
git -C "$src" ls-files -z --cached --others --exclude-standard |
    (cd "$src" && while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done) |
    tar -C "$src" --null -T - -cf - | tar -xf - -C "$tree"
# The tests ran already in this round, from the same sources: build only what is packaged.
(cd "$tree" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -us -uc -b \
    >"$out/build.log" 2>&1) || { tail -n 40 "$out/build.log"; fail "dpkg-buildpackage failed"; }
deb="$out/smashbol_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb") was made"
ls "$out"/smashbol-dbgsym_*.deb >/dev/null || fail "no debug symbols package"
echo "package: $(basename "$deb")"

lintian --info --display-info --fail-on error,warning "$out"/smashbol_*.changes ||
    fail "lintian reports errors or warnings"

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/games/smashbol ./usr/games/smashbol-trace \
            ./usr/share/applications/$id.desktop \
            ./usr/share/metainfo/$id.metainfo.xml \
            ./usr/share/man/man6/smashbol.6.gz ./usr/share/man/man6/smashbol-trace.6.gz \
            ./usr/share/doc/smashbol/copyright \
            ./usr/share/doc/smashbol/changelog.gz; do
    grep -qxF "$path" <<<"$files" || fail "package lacks $path"
done
if grep -qE '^\./usr/(bin|include|lib)/|\.a$' <<<"$files"; then fail "package carries files outside a game's places"; fi

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for dep in libqt6widgets6 libqt6gui6 libqt6core6 libsdl2-2.0-0 libstdc++6; do
    grep -q "$dep" <<<"$depends" || fail "Depends lacks $dep"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = "qt6-wayland" ] || fail "Recommends: no font is needed at run time"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "not in section games"

root="$out/root"
dpkg-deb -x "$deb" "$root"
desktop="$root/usr/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo does not validate"
# The menu entry starts the packaged binary, names the icon by the id, and matches the window's
# WM_CLASS ("smashbol", from the application name) so that a dock groups the two.
grep -qx "Exec=/usr/games/smashbol" "$desktop" || fail "Exec is not /usr/games/smashbol"
grep -qx "Icon=$id" "$desktop" || fail "Icon is not $id"
grep -qx "StartupWMClass=smashbol" "$desktop" || fail "StartupWMClass is not smashbol"
for size in 16 24 32 48 64 128 256 512; do
    got=$(file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
    grep -q "$size x $size" <<<"$got" || fail "icon ${size}: $got"
done

# Every line hardening-check can judge says yes. Control-flow protection it cannot: Debian 12's
# C start-up files carry no IBT/SHSTK note, so no linked program gets one.
hardening-check --nocfprotection "$root/usr/games/smashbol" || fail "hardening-check"
echo "package OK"
