#!/usr/bin/env bash
# `cmake --install` lays out the same program folder, a launcher on PATH, a
# desktop entry with its icons and metadata, and the manual page; the
# launcher starts the program, which finds its libraries beside its real file.
PROGRAM=$1 XTOOL=$2
source "$(dirname "$0")/lib.sh"

build_dir=$(dirname "$(dirname "$PROGRAM")")
prefix="$E2E_WORK/prefix"
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

launcher="$prefix/bin/tintwell"
[ -x "$launcher" ] || fail "no launcher at $launcher"
real=$(readlink -f "$launcher")
home=$(dirname "$real")
[ -d "$home/library" ] || fail "no library/ beside $real"
[ -d "$home/Help" ] || fail "no Help/ beside $real"
app_id=io.github.tintwell.Tintwell
grep -q '^Exec=tintwell$' "$prefix/share/applications/$app_id.desktop" || fail "desktop entry Exec"
for f in share/metainfo/$app_id.metainfo.xml share/icons/hicolor/scalable/apps/$app_id.svg \
    share/man/man1/tintwell.1.gz share/doc/tintwell/copyright; do
    [ -f "$prefix/$f" ] || fail "not installed: $f"
done
if command -v rsvg-convert >/dev/null; then
    for size in 48 128 256; do
        [ -f "$prefix/share/icons/hicolor/${size}x$size/apps/$app_id.png" ] || fail "no $size pixel icon"
    done
fi

(cd / && PATH="$prefix/bin:$PATH" exec tintwell >"$E2E_WORK/installed.log" 2>&1) &
E2E_PID=$!
win=$(wait_window '^Tintwell V1.0$')
[ "$(store_value appPath)" = "$home/" ] || fail "appPath: $(store_value appPath)"
[ -d "$home/MyPalettes" ] || fail "no MyPalettes beside the installed program"
"$XTOOL" close "$win"
box=$(wait_window '^Warning$' 10)
xdotool windowfocus --sync "$box"
xdotool key --clearmodifiers n
wait_exit
echo "installed layout: ok"
