#!/usr/bin/env bash
# The "Help / Tip" menu of the real program, started from another working
# folder: "Help document / Tutorial" runs the helper beside the program file,
# which hands the guide to xdg-open; "Tips" opens the tips window. With both
# companions gone, the commands show nothing and the program goes on.
PROGRAM=$1 XTOOL=$2
source "$(dirname "$0")/lib.sh"

copy_program

# xdg-open stand-in, found first on PATH: records what it was asked to open.
opened=$E2E_WORK/opened.log
fake_xdg_open "$E2E_WORK/bin" "$opened"
export PATH="$E2E_WORK/bin:$PATH"

retry() { # COMMAND...: true once it succeeds within 10 s
    for _ in $(seq 1 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
visible_windows() { xdotool search --onlyvisible --name '.' 2>/dev/null | sort; }

start_program
win=$(wait_window '^Tintwell V1.0$')
read -r WX WY < <(window_origin "$win")
sleep 0.5

# The help document.
help_menu_item 1
retry test -s "$opened" || fail "the helper did not open anything"
[ "$(cat "$opened")" = "$E2E_PROG_DIR/Help/guide/index.html" ] || fail "the helper opened '$(cat "$opened")'"
[ -f "$E2E_PROG_DIR/Help/guide/index.html" ] || fail "the guide is missing from the program folder"

# The tips program.
help_menu_item 2
tips=$(wait_window '^Tintwell V1.0 - Tips$' 10)
tips_pid=$(xdotool getwindowpid "$tips")
[ "$(readlink -f "/proc/$tips_pid/exe")" = "$(readlink -f "$E2E_PROG_DIR/Help/tintwell_tip")" ] ||
    fail "the tips window belongs to $(readlink -f "/proc/$tips_pid/exe")"
kill "$tips_pid"
wait_window_gone '^Tintwell V1.0 - Tips$'

# Without the companions: nothing shows, nothing is opened, the program runs on.
rm "$E2E_PROG_DIR/Help/tintwell_helper" "$E2E_PROG_DIR/Help/tintwell_tip"
: >"$opened"
before=$(visible_windows)
help_menu_item 1
help_menu_item 2
sleep 1.5
after=$(visible_windows)
[ "$before" = "$after" ] || fail "windows changed: before '$before', after '$after'"
[ ! -s "$opened" ] || fail "something was opened: $(cat "$opened")"
kill -0 "$E2E_PID" 2>/dev/null || fail "the program ended"
echo "help companions: ok"
