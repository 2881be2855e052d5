#!/usr/bin/env bash
# Files that are not what their names promise, through the real program:
# a named pipe as the last palette, a link to an endless device as the
# settings store, devices, pipes and a hidden file in the library folder.
# Each start must show the window within the time-out and close normally.
# Also: a byte-order mark and a relative palette folder at start-up.
PROGRAM=$1 XTOOL=$2
source "$(dirname "$0")/lib.sh"

close_unsaved() {
    "$XTOOL" close "$win"
    answer_box Warning n
    wait_exit
}
no_error_box() {
    sleep 1
    if xdotool search --onlyvisible --name '^Error$' >/dev/null 2>&1; then fail "an error box: $1"; fi
    kill -0 "$E2E_PID" 2>/dev/null || fail "the program ended: $1"
}
fresh_store() {
    rm -rf "$(dirname "$(store_file)")"
}

# 0. The helper itself: store escapes decode in one pass.
fresh_store
write_store appPath 'C:\temp\new' lastColor "$(printf '1\t2\t3')"
[ "$(store_value appPath)" = 'C:\temp\new' ] || fail "store_value decodes C:\\temp\\new as $(store_value appPath)"
[ "$(store_value lastColor)" = $'1\t2\t3' ] || fail "store_value lastColor: $(store_value lastColor)"

# 1. The last palette is a named pipe (opening it for reading would wait
#    for a writer for ever), another palette is real: the window opens
#    untitled, with no message; a link to the pipe and /dev/zero are there too.
copy_program
fresh_store
mkdir -p "$E2E_PROG_DIR/MyPalettes"
mkfifo "$E2E_PROG_DIR/MyPalettes/Pipe.dat"
ln -s "$E2E_PROG_DIR/MyPalettes/Pipe.dat" "$E2E_PROG_DIR/MyPalettes/PipeLink.dat"
ln -s /dev/zero "$E2E_PROG_DIR/MyPalettes/Zero.dat"
printf '1\t2\t3\r\n' >"$E2E_PROG_DIR/MyPalettes/Real.dat"
write_previous_run Pipe
open_main_window
no_error_box "pipe as the last palette"
close_unsaved
write_previous_run Zero
open_main_window
no_error_box "device as the last palette"
close_unsaved
[ -p "$E2E_PROG_DIR/MyPalettes/Pipe.dat" ] || fail "the pipe was replaced"
[ "$(readlink "$E2E_PROG_DIR/MyPalettes/Zero.dat")" = /dev/zero ] || fail "the link was replaced"

# 2. The settings store is a link to /dev/zero: a first run; the link is
#    moved aside and fresh settings are written, so the next start is normal.
copy_program
fresh_store
mkdir -p "$(dirname "$(store_file)")"
ln -s /dev/zero "$(store_file)"
open_main_window
no_error_box "store on /dev/zero"
close_unsaved
[ -f "$(store_file)" ] && [ ! -L "$(store_file)" ] || fail "no fresh settings store"
[ "$(store_names | wc -l)" = 7 ] || fail "stored names: $(store_names | paste -sd' ')"
aside=$(ls "$(dirname "$(store_file)")"/values.damaged-* 2>/dev/null | head -n1)
[ -n "$aside" ] && [ "$(readlink "$aside")" = /dev/zero ] || fail "the link was not kept aside"
open_main_window
close_unsaved

# 3. The library folder holds a link to /dev/zero and a pipe that sort
#    first, and a hidden library that would load first and fail: libraries
#    load after the first paint, without a message.
copy_program
fresh_store
ln -s /dev/zero "$E2E_PROG_DIR/library/0 Zero.cbl"
mkfifo "$E2E_PROG_DIR/library/00 Pipe.cbl"
printf '<h1>Update required</h1>\r\n' >"$E2E_PROG_DIR/library/.Secret.cbl"
open_main_window
no_error_box "special files in library/"
close_unsaved

# 4. The last palette begins with a UTF-8 byte-order mark and lives in a
#    palette folder stored relative to the program folder (the program is
#    started from /): it reopens, saved, so closing asks nothing.
copy_program
fresh_store
mkdir -p "$E2E_PROG_DIR/Relative"
printf '\xef\xbb\xbf1\t2\t3\r\n4\t5\t6\r\n' >"$E2E_PROG_DIR/Relative/Marked.dat"
write_store lastColor "$(printf '12\t200\t0')" lastFileName Marked zoomHotKey Ctrl+Z grabHotKey Ctrl+G \
    appPath "$E2E_PROG_DIR/" reg_paletteFolder Relative reg_exportFolder Exports
open_main_window
no_error_box "byte-order mark"
close_main_window
[ -d "$E2E_PROG_DIR/Exports" ] || fail "the relative export folder was not made beside the program"
echo "special files through the program: ok"
