#!/usr/bin/env bash
# check_package.sh BUILD_DIR PACKAGING_DIR
set -euo pipefail
build=$1
packaging=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop-file-validate "$packaging/org.example.smashbol.desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net "$packaging/org.example.smashbol.metainfo.xml" || fail "metainfo does not validate"

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; fail "cpack failed"; }
deb=$(ls "$out"/smashbol_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no smashbol_*.deb was made"
echo "package: $(basename "$deb")"

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/smashbol \
            ./usr/share/applications/org.example.smashbol.desktop \
            ./usr/share/metainfo/org.example.smashbol.metainfo.xml \
            ./usr/share/icons/hicolor/32x32/apps/smashbol.png \
            ./usr/share/icons/hicolor/128x128/apps/smashbol.png \
            ./usr/share/man/man6/smashbol.6; do
    grep -qxF "$path" <<<"$files" || grep -qxF "$path.gz" <<<"$files" || fail "package lacks $path"
done
if grep -qE '^\./usr/(include|lib/cmake)|\.a$' <<<"$files"; then fail "package carries build files"; fi

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for dep in libqt6widgets6 libqt6gui6 libqt6core6 libsdl2-2.0-0 libstdc++6 fonts-dejavu-core; do
    grep -q "$dep" <<<"$depends" || fail "Depends lacks $dep"
done
[ "$(dpkg-deb -f "$deb" Package)" = smashbol ] || fail "wrong package name"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "not in section games"

# The icons are the right sizes.
dpkg-deb -x "$deb" "$out/root"
for size in 32 128; do
    got=$(file -b "$out/root/usr/share/icons/hicolor/${size}x${size}/apps/smashbol.png")
    grep -q "$size x $size" <<<"$got" || fail "icon ${size}: $got"
done
echo "package OK"
