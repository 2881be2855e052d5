#!/usr/bin/env bash
# A first start on a fresh configuration: the main window appears with its
# fixed client size, closes after the save question, and leaves the seven
# default values in order and the palette and export folders beside it.
PROGRAM=$1 XTOOL=$2
source "$(dirname "$0")/lib.sh"

copy_program
start_program
win=$(wait_window '^Tintwell V1.0$')
read -r w h < <("$XTOOL" client-size "$win")
[ "$w" = 434 ] && [ "$h" = 641 ] || fail "client size is ${w}x${h}"

"$XTOOL" close "$win"
box=$(wait_window '^Warning$' 10)
xdotool windowfocus --sync "$box"
xdotool key --clearmodifiers n   # "&No"
wait_exit

names=$(store_names | paste -sd' ')
[ "$names" = "lastColor lastFileName zoomHotKey grabHotKey appPath reg_paletteFolder reg_exportFolder" ] ||
    fail "stored names: $names"
[ "$(store_value lastColor)" = $'255\t0\t0' ] || fail "lastColor: $(store_value lastColor)"
[ "$(store_value lastFileName)" = untitled ] || fail "lastFileName: $(store_value lastFileName)"
[ "$(store_value zoomHotKey)" = Ctrl+Z ] || fail "zoomHotKey"
[ "$(store_value grabHotKey)" = Ctrl+G ] || fail "grabHotKey"
[ "$(store_value appPath)" = "$E2E_PROG_DIR/" ] || fail "appPath: $(store_value appPath)"
[ "$(store_value reg_paletteFolder)" = "$E2E_PROG_DIR/MyPalettes" ] || fail "reg_paletteFolder"
[ "$(store_value reg_exportFolder)" = "$E2E_PROG_DIR/ExportPalette" ] || fail "reg_exportFolder"
[ -d "$E2E_PROG_DIR/MyPalettes" ] || fail "MyPalettes was not created"
[ -d "$E2E_PROG_DIR/ExportPalette" ] || fail "ExportPalette was not created"
echo "first run: ok"
