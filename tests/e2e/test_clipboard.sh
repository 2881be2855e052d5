#!/usr/bin/env bash
# Colours through the real X clipboard, read and written by xclip: Ctrl+C in
# the main window copies the current colour, Ctrl+V takes a colour text that
# another program put there, and the copy menu of the "New :" box copies the
# form chosen, which is stored after the seven settings of the first run.
PROGRAM=$1 XTOOL=$2
source "$(dirname "$0")/lib.sh"
command -v xclip >/dev/null || { echo "SKIP: xclip is not installed (scripts/install-deps.sh installs it)"; exit 77; }

clip() { timeout 5 xclip -o -selection clipboard 2>/dev/null || true; }
clip_is() { [ "$(clip)" = "$1" ]; }

copy_program
write_previous_run untitled
open_main_window
xdotool windowfocus --sync "$win"

xdotool key ctrl+c
wait_for "#FF0000 on the clipboard (it holds '$(clip)')" clip_is "#FF0000"

printf '  rgb(58, 123, 213)\n' | xclip -selection clipboard -i >/dev/null 2>&1
xdotool key ctrl+v
sleep 0.3
xdotool key ctrl+c
wait_for "the pasted colour copied back as #3A7BD5" clip_is "#3A7BD5"

# A right click on the "New :" box, then the menu's third item.
xdotool mousemove $((WX + 30)) $((WY + 50)) click 3
sleep 0.5
xdotool key --clearmodifiers Down Down Down Return
wait_for "rgb(58, 123, 213) on the clipboard" clip_is "rgb(58, 123, 213)"

"$XTOOL" close "$win"
answer_box Warning n
wait_exit
[ "$(store_names | sed -n 8p)" = lastCopyForm ] || fail "eighth stored value: $(store_names | tr '\n' ' ')"
[ "$(store_names | sed -n 1p)" = lastColor ] || fail "first stored value: $(store_names | head -n1)"
[ "$(store_value lastCopyForm)" = rgb ] || fail "lastCopyForm: $(store_value lastCopyForm)"
[ "$(store_value lastColor)" = "$(printf '58\t123\t213')" ] || fail "lastColor: $(store_value lastColor)"
echo "clipboard: ok"
