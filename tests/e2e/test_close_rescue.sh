#!/usr/bin/env bash
# Closing with colours that cannot be saved because the disks are full: the
# copy goes to another file system and the program says so; when nothing
# can be written anywhere, No keeps the window open, and once there is room
# again the close saves. Runs in a private mount namespace with small tmpfs
# file systems as the palette, user data, runtime and temporary folders.
PROGRAM=$1 XTOOL=$2
source "$(dirname "$0")/lib.sh"
enter_mount_namespace "$@"

folder="$E2E_PROG_DIR/MyPalettes"
userdata="$XDG_DATA_HOME/tintwell"
temporary="$E2E_WORK/tmp"
small() { mkdir -p "$1" && mount -t tmpfs -o size=64k tmpfs "$1"; }
fill() { dd if=/dev/zero of="$1/.filler" bs=1k 2>/dev/null || true; }

copy_program
small "$folder"
small "$userdata"
mkdir -p "$temporary"
printf '1\t2\t3\r\n' >"$folder/Mine.dat"
write_previous_run Mine

# 1. Palette and user data disks full: the copy lands in the runtime folder.
open_main_window
add_colour
fill "$folder"
fill "$userdata"
"$XTOOL" close "$win"
answer_box Warning y        # save it now?
answer_box Error Return     # no space left
answer_box Information Return
wait_exit
copies=("$XDG_RUNTIME_DIR"/tintwell/Recovered/Mine\ *.dat)
[ -f "${copies[0]}" ] || fail "no copy in the runtime folder: $(ls -RA "$XDG_RUNTIME_DIR")"
[ "$(cat "${copies[0]}")" = $'1\t2\t3\r\n12\t200\t0\r' ] || fail "copy: $(od -c "${copies[0]}")"
[ "$(cat "$folder/Mine.dat")" = $'1\t2\t3\r' ] || fail "the palette file changed"

# 2. Every disk full: the program asks, No keeps the window open.
small "$XDG_RUNTIME_DIR"
small "$temporary"
fill "$XDG_RUNTIME_DIR"
fill "$temporary"
export TMPDIR="$temporary"
open_main_window
add_colour
"$XTOOL" close "$win"
answer_box Warning y        # save it now?
answer_box Error Return     # no space left
answer_box Warning n        # no copy anywhere: close anyway? No
sleep 0.5
kill -0 "$E2E_PID" 2>/dev/null || fail "the program ended although the user kept the window"
xdotool search --onlyvisible --name '^Tintwell V1.0$' >/dev/null || fail "the main window is gone"

# Room again: the next close saves the colours to their file.
rm -f "$folder/.filler"
"$XTOOL" close "$win"
answer_box Warning y
wait_exit
[ "$(cat "$folder/Mine.dat")" = $'1\t2\t3\r\n12\t200\t0\r' ] || fail "saved after freeing space: $(od -c "$folder/Mine.dat")"
echo "close-time rescue on full disks: ok"
