#!/usr/bin/env bash
# Files and settings the program cannot use, through the real program: it
# says so or starts as documented, keeps running, and changes no file.
PROGRAM=$1 XTOOL=$2
source "$(dirname "$0")/lib.sh"

# 1. The last palette is binary garbage: the window opens as with no
#    palettes, an error box says why, and the file is left as it was.
copy_program
mkdir -p "$E2E_PROG_DIR/MyPalettes"
head -c 3000 /dev/urandom >"$E2E_PROG_DIR/MyPalettes/Garbage.dat"
cp "$E2E_PROG_DIR/MyPalettes/Garbage.dat" "$E2E_WORK/garbage.copy"
printf '1\t2\t3\r\n' >"$E2E_PROG_DIR/MyPalettes/Other.dat"
write_previous_run Garbage
open_main_window
answer_box Error Return
kill -0 "$E2E_PID" || fail "the program ended after the error"
cmp -s "$E2E_WORK/garbage.copy" "$E2E_PROG_DIR/MyPalettes/Garbage.dat" || fail "the damaged palette was changed"
close_main_window_unsaved() {
    "$XTOOL" close "$win"
    answer_box Warning n
    wait_exit
}
close_main_window_unsaved
[ "$(store_value lastColor)" = $'255\t0\t0' ] || fail "started with the stored colour: $(store_value lastColor)"

# 2. The settings store is damaged: a first run, the damaged file kept aside.
copy_program
printf 'this is not a settings store\n' >"$(store_file)"
open_main_window
close_main_window_unsaved
[ "$(store_names | wc -l)" = 7 ] || fail "stored names: $(store_names | paste -sd' ')"
ls "$(dirname "$(store_file)")"/values.damaged-* >/dev/null 2>&1 || fail "the damaged store was not kept"
grep -q 'this is not a settings store' "$(dirname "$(store_file)")"/values.damaged-* || fail "kept copy differs"

# 3. The last palette names a file that is missing: no palettes, no message.
copy_program
mkdir -p "$E2E_PROG_DIR/MyPalettes"
printf '1\t2\t3\r\n' >"$E2E_PROG_DIR/MyPalettes/Other.dat"
write_previous_run Vanished
open_main_window
sleep 0.5
xdotool search --onlyvisible --name '^Error$' >/dev/null 2>&1 && fail "an error box for a missing palette"
close_main_window_unsaved
echo "bad input through the program: ok"
