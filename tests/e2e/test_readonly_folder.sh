#!/usr/bin/env bash
# The palette folder becomes read-only while the program runs: Save shows
# the system's error, the file on disk keeps its content, and the palette
# stays unsaved. Runs in a private mount namespace with a small tmpfs as the
# palette folder, remounted read-only half-way.
PROGRAM=$1 XTOOL=$2
source "$(dirname "$0")/lib.sh"
enter_mount_namespace "$@"

copy_program
folder="$E2E_PROG_DIR/MyPalettes"
mkdir -p "$folder"
mount -t tmpfs -o size=1m tmpfs "$folder"
printf '1\t2\t3\r\n' >"$folder/Mine.dat"
write_previous_run Mine
open_main_window
add_colour
mount -o remount,ro "$folder"
save_from_file_menu
answer_box Error Return
[ "$(cat "$folder/Mine.dat")" = "$(printf '1\t2\t3\r')" ] || fail "the file changed: $(od -c "$folder/Mine.dat")"
[ "$(ls -A "$folder")" = Mine.dat ] || fail "files left: $(ls -A "$folder")"
"$XTOOL" close "$win"
answer_box Warning n   # still unsaved, so the close asks
wait_exit
echo "read-only palette folder: ok"
