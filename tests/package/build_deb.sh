#!/usr/bin/env bash
# Packs this build as BUILD_DIR/tintwell_<version>_<arch>.deb, as
# scripts/package.sh does, and checks what only the package itself shows:
# the library dependencies dpkg-shlibdeps found and the rendered icons.
#   build_deb.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1 build=$2
for tool in dpkg-deb dpkg-shlibdeps rsvg-convert identify; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/install-deps.sh)"; exit 77; }
done
fail() { echo "FAIL: $*" >&2; exit 1; }

deb=$("$src/packaging/make-deb.sh" "$build" "$build")
echo "built $deb"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libx11-6 libxcb1; do
    [[ ", $depends," == *", $lib "* || ", $depends," == *", $lib,"* ]] || fail "Depends lacks $lib: $depends"
done

tree=$(mktemp -d "${TMPDIR:-/tmp}/tintwell-deb-tree.XXXXXX")
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
for size in 48 128 256; do
    png="$tree/usr/share/icons/hicolor/${size}x$size/apps/io.github.tintwell.Tintwell.png"
    [ "$(identify -format '%wx%h' "$png")" = "${size}x$size" ] || fail "$png is $(identify -format '%wx%h' "$png")"
    # Drawn from the SVG at this size: the middle of its red swatch (16, 16
    # of 64) is that red.
    pixel=$(convert "$png" -crop 1x1+$((size / 4))+$((size / 4)) -depth 8 -format '%[pixel:p{0,0}]' info:-)
    [ "$pixel" = "srgba(226,59,46,1)" ] || fail "$size pixel icon: $pixel at the red swatch"
done
echo "package: ok"
