#!/usr/bin/env bash
# `cmake --install` lays out the same program folder, a launcher on PATH and
# a desktop entry with its icon; the launcher starts the program, which finds
# its libraries beside its real file.
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
[ -f "$prefix/share/applications/tintwell.desktop" ] || fail "no desktop entry"
grep -q '^Exec=tintwell$' "$prefix/share/applications/tintwell.desktop" || fail "desktop entry Exec"
[ -f "$prefix/share/icons/hicolor/scalable/apps/tintwell.svg" ] || fail "no icon"

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
