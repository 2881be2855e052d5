#!/usr/bin/env bash
# Saves a new palette under a typed name through the File menu and the name
# dialog, closes, and starts the program again: the palette comes back on
# screen, and Save then writes straight to its file without asking a name.
PROGRAM=$1 XTOOL=$2
source "$(dirname "$0")/lib.sh"

name="My Reds"
palette_file="$E2E_PROG_DIR/MyPalettes/$name.dat"
red_line='255\t0\t0\r\n'

copy_program

# First run: the current colour is red; add it twice and save under a name.
open_main_window
add_colour
add_colour
save_from_file_menu
dialog=$(wait_window '^Save Palette$' 10)
xdotool windowfocus --sync "$dialog"
xdotool type --delay 20 "$name"
xdotool key Return
wait_for "the palette file" test -f "$palette_file"
printf "$red_line$red_line" | cmp -s - "$palette_file" || fail "saved bytes: $(od -c "$palette_file")"
# The dialog writes the palette first and the settings after it.
last_name_stored() { [ "$(store_value lastFileName)" = "$name" ]; }
wait_for "lastFileName $name (it is $(store_value lastFileName))" last_name_stored
close_main_window # saved: no question

# Second run: the palette is reopened and drawn.
open_main_window
[ "$(cell_pixel 0)" = "255,0,0" ] || fail "first cell on reopening: $(cell_pixel 0)"
[ "$(cell_pixel 1)" = "255,0,0" ] || fail "second cell on reopening: $(cell_pixel 1)"
[ "$(cell_pixel 2)" = "255,255,255" ] || fail "a third cell is drawn: $(cell_pixel 2)"
# It is the palette on file: Save writes it without a dialog.
add_colour
save_from_file_menu
wait_for "the second save" bash -c "[ \"\$(wc -l < '$palette_file')\" -eq 3 ]"
printf "$red_line$red_line$red_line" | cmp -s - "$palette_file" || fail "second save: $(od -c "$palette_file")"
[ "$(ls -A "$E2E_PROG_DIR/MyPalettes")" = "$name.dat" ] || fail "files: $(ls -A "$E2E_PROG_DIR/MyPalettes")"
close_main_window
[ "$(store_value lastFileName)" = "$name" ] || fail "lastFileName after close: $(store_value lastFileName)"
echo "palette saved and reopened: ok"
