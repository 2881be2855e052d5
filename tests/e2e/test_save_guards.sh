#!/usr/bin/env bash
# Saves through the real program that must not lose or silently replace
# anything: a palette and a settings store that are symbolic links stay
# links, a read-only palette is reported, a palette another program changed
# is not replaced without asking, folders planted at temporary names do not
# block a save, and a name as long as the file system allows can be saved.
PROGRAM=$1 XTOOL=$2
source "$(dirname "$0")/lib.sh"

folder="$E2E_PROG_DIR/MyPalettes"
added=$'12\t200\t0\r'   # the stored last colour, added by "Add"

# Lines of a palette file, CR shown, for messages.
lines() { od -c "$1" | head -5; }

# 1. Links: the palette and the store point elsewhere (a dotfiles folder).
copy_program
mkdir -p "$folder" "$E2E_WORK/dotfiles"
printf '1\t2\t3\r\n' >"$E2E_WORK/dotfiles/Linked.dat"
chmod 640 "$E2E_WORK/dotfiles/Linked.dat"
ln -s ../../dotfiles/Linked.dat "$folder/Linked.dat"
write_previous_run Linked
mv "$(store_file)" "$E2E_WORK/dotfiles/values"
ln -s "$E2E_WORK/dotfiles/values" "$(store_file)"
open_main_window
add_colour
save_from_file_menu
wait_for "the linked palette's target" grep -q 200 "$E2E_WORK/dotfiles/Linked.dat"
close_main_window
[ -L "$folder/Linked.dat" ] || fail "the palette link was replaced by a file"
[ "$(readlink "$folder/Linked.dat")" = ../../dotfiles/Linked.dat ] || fail "link now: $(readlink "$folder/Linked.dat")"
[ "$(sed -n 2p "$E2E_WORK/dotfiles/Linked.dat")" = "$added" ] || fail "target: $(lines "$E2E_WORK/dotfiles/Linked.dat")"
[ "$(stat -c %a "$E2E_WORK/dotfiles/Linked.dat")" = 640 ] || fail "mode $(stat -c %a "$E2E_WORK/dotfiles/Linked.dat")"
[ -L "$(store_file)" ] || fail "the settings store link was replaced by a file"
grep -q "^lastFileName	Linked$" "$E2E_WORK/dotfiles/values" || fail "store target: $(cat "$E2E_WORK/dotfiles/values")"
[ -z "$(ls -A "$folder" "$E2E_WORK/dotfiles" | grep "\.tmp$")" ] || fail "temporaries left: $(ls -A "$folder" "$E2E_WORK/dotfiles")"

# 2. A read-only palette: Save shows an error and the file stays as it was.
copy_program
mkdir -p "$folder"
printf '1\t2\t3\r\n' >"$folder/Kept.dat"
chmod 444 "$folder/Kept.dat"
write_previous_run Kept
open_main_window
add_colour
save_from_file_menu
answer_box Error Return
[ "$(cat "$folder/Kept.dat")" = $'1\t2\t3\r' ] || fail "the read-only palette changed: $(lines "$folder/Kept.dat")"
[ "$(stat -c %a "$folder/Kept.dat")" = 444 ] || fail "mode $(stat -c %a "$folder/Kept.dat")"
"$XTOOL" close "$win"
answer_box Warning n   # still unsaved: the close asks; No discards
wait_exit
[ -z "$(ls -A "$XDG_DATA_HOME" 2>/dev/null)" ] || fail "No at the close still kept a copy: $(ls -RA "$XDG_DATA_HOME")"

# 3. Planted folders at this process's next temporary names, then a file
#    changed behind the program's back.
copy_program
mkdir -p "$folder"
printf '1\t2\t3\r\n' >"$folder/Mine.dat"
write_previous_run Mine
open_main_window
for n in 0 1 2 3 4 5 6 7 8 9; do mkdir -p "$folder/.tw-$E2E_PID-$n.tmp/x"; done
add_colour
save_from_file_menu
wait_for "the save past the planted folders" grep -q 200 "$folder/Mine.dat"
printf '7\t7\t7\r\n' >"$folder/Mine.dat"   # another program
touch -d '+1 minute' "$folder/Mine.dat"
add_colour
save_from_file_menu
answer_box Confirm n
[ "$(cat "$folder/Mine.dat")" = $'7\t7\t7\r' ] || fail "replaced without asking: $(lines "$folder/Mine.dat")"
save_from_file_menu
answer_box Confirm y
wait_for "the confirmed save" bash -c "[ \"\$(wc -l < '$folder/Mine.dat')\" -eq 3 ]"
close_main_window

# 4. The longest name the file system takes for "<name>.dat".
copy_program
mkdir -p "$folder"
long=$(printf 'L%.0s' $(seq 1 251))
printf '1\t2\t3\r\n' >"$folder/$long.dat"
write_previous_run "$long"
open_main_window
add_colour
save_from_file_menu
wait_for "the long-named palette" grep -q 200 "$folder/$long.dat"
close_main_window
[ "$(ls -A "$folder")" = "$long.dat" ] || fail "files: $(ls -A "$folder")"
echo "save guards through the program: ok"
