#!/usr/bin/env bash
# Packs an already built tree as a Debian package.
#   make-deb.sh BUILD_DIR [OUT_DIR]
# Installs the build under /usr into a scratch root, strips the binaries,
# computes the library dependencies from the binaries with dpkg-shlibdeps,
# writes the control file and the checksums, and prints the .deb's path.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
out=$(cd "${2:-$build}" && pwd)

for tool in dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "make-deb: $tool is missing (apt-get install dpkg-dev)" >&2; exit 1; }
done

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "make-deb: no project version in $build/CMakeCache.txt" >&2; exit 1; }
arch=$(dpkg --print-architecture)
deb="$out/tintwell_${version}_${arch}.deb"

# dpkg-shlibdeps wants a source tree around the package's root:
# debian/control and debian/tintwell/.
stage=$(mktemp -d "${TMPDIR:-/tmp}/tintwell-deb.XXXXXX")
trap 'rm -rf "$stage"' EXIT
root="$stage/debian/tintwell"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

app_id=io.github.tintwell.Tintwell
for f in usr/lib/tintwell/tintwell usr/lib/tintwell/Help/tintwell_tip usr/lib/tintwell/Help/tintwell_helper \
    usr/bin/tintwell usr/share/applications/$app_id.desktop usr/share/metainfo/$app_id.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/$app_id.svg usr/share/icons/hicolor/48x48/apps/$app_id.png \
    usr/share/icons/hicolor/128x128/apps/$app_id.png usr/share/icons/hicolor/256x256/apps/$app_id.png \
    usr/share/man/man1/tintwell.1.gz usr/share/doc/tintwell/copyright usr/share/doc/tintwell/changelog.gz; do
    [ -e "$root/$f" ] || [ -L "$root/$f" ] || {
        echo "make-deb: the build did not install /$f (rsvg-convert missing when it was configured?)" >&2
        exit 1
    }
done

# Stripped as Debian's own packages are: no symbols, no compiler notes.
for f in usr/lib/tintwell/tintwell usr/lib/tintwell/Help/tintwell_tip; do
    strip --remove-section=.comment --remove-section=.note "$root/$f"
done

# Whatever the umask of the clone and of the build: directories and
# programs 755, everything else 644.
find "$root" -type d -exec chmod 0755 {} +
find "$root" -type f -exec chmod go-w,a+r {} +

mkdir -p "$root/DEBIAN"
printf 'Source: tintwell\n\nPackage: tintwell\nArchitecture: any\n' >"$stage/debian/control"
binaries=(debian/tintwell/usr/lib/tintwell/tintwell debian/tintwell/usr/lib/tintwell/Help/tintwell_tip)
shlibs=$(cd "$stage" && dpkg-shlibdeps -O "${binaries[@]}" 2>"$stage/shlibdeps.log") || {
    cat "$stage/shlibdeps.log" >&2
    exit 1
}
depends=${shlibs#shlibs:Depends=}
[ -n "$depends" ] && [ "$depends" != "$shlibs" ] || { echo "make-deb: no dependencies from dpkg-shlibdeps: $shlibs" >&2; exit 1; }

installed_size=$(du -sk --exclude=DEBIAN "$root" | cut -f1)
cat >"$root/DEBIAN/control" <<CONTROL
Package: tintwell
Version: $version
Architecture: $arch
Maintainer: The Tintwell developers <tintwell@users.noreply.github.com>
Installed-Size: $installed_size
Depends: $depends
Recommends: xdg-utils
Section: graphics
Priority: optional
Homepage: https://github.com/tintwell/tintwell
Description: colour picker with a screen magnifier and palettes
 Tintwell is a small colour tool for designers. One window lets you pick a
 colour on a hue, saturation and brightness square, type it as red, green
 and blue values or as a hexadecimal code, and step it darker or lighter.
 .
 A magnifying zoom window, driven by two system-wide hot keys, samples
 colours anywhere on the screen. Colours are collected into named palettes,
 saved as small text files, sorted, and exported as BMP pictures. Swatch
 libraries and a test board of text, drawing, shapes and patterns come with
 it.
 .
 Tintwell runs on X11; in a Wayland session it uses XWayland.
CONTROL
(cd "$root" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) >"$root/DEBIAN/md5sums"
chmod 0644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"

dpkg-deb --root-owner-group -Zxz --build "$root" "$deb" >/dev/null
echo "$deb"
