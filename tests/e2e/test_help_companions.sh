#!/usr/bin/env bash
# The "Help / Tip" menu of the real program, started from another working
# folder: "Help document / Tutorial" runs the helper beside the program file,
# which hands the guide to xdg-open; "Tips" opens the tips window. With both
# companions gone, the commands show nothing and the program goes on.
#   test_help_companions.sh PATH_OF_TINTWELL
set -euo pipefail

program_dir=$(cd "$(dirname "$1")" && pwd)
work=$TINTWELL_TEST_WORK
copy=$work/program
cp -a "$program_dir" "$copy"

# xdg-open stand-in: records what it was asked to open.
mkdir -p "$work/bin" "$work/elsewhere"
opened=$work/opened.log
: >"$opened"
cat >"$work/bin/xdg-open" <<EOF
#!/bin/sh
echo "\$1" >>"$opened"
EOF
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

fail() { echo "FAIL: $*" >&2; exit 1; }

wait_for() { # COMMAND... : retried for up to 10 s
    for _ in $(seq 1 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
find_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
has_window() { [ -n "$(find_window "$1")" ]; }
no_window() { [ -z "$(find_window "$1")" ]; }
visible_windows() { xdotool search --onlyvisible --name '.' 2>/dev/null | sort; }

cd "$work/elsewhere"
"$copy/tintwell" >"$work/program.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
wait_for has_window '^Tintwell V1.0$' || fail "the main window did not open"
wid=$(find_window '^Tintwell V1.0$')
eval "$(xdotool getwindowgeometry --shell "$wid")"
sleep 0.5

# Opens the Help / Tip menu and picks its item number N (1 = first).
menu_item() {
    xdotool mousemove $((X + 50)) $((Y + 596)) click 1
    sleep 0.5
    local keys=()
    for _ in $(seq 1 "$1"); do keys+=(Down); done
    xdotool key "${keys[@]}" Return
}

# The help document.
menu_item 1
wait_for test -s "$opened" || fail "the helper did not open anything"
[ "$(cat "$opened")" = "$copy/Help/guide/index.html" ] || fail "the helper opened '$(cat "$opened")'"
[ -f "$copy/Help/guide/index.html" ] || fail "the guide is missing from the program folder"

# The tips program.
menu_item 2
wait_for has_window '^Tintwell V1.0 - Tips$' || fail "the tips window did not open"
tips=$(find_window '^Tintwell V1.0 - Tips$')
tips_pid=$(xdotool getwindowpid "$tips")
[ "$(readlink -f "/proc/$tips_pid/exe")" = "$(readlink -f "$copy/Help/tintwell_tip")" ] \
    || fail "the tips window belongs to $(readlink -f "/proc/$tips_pid/exe")"
kill "$tips_pid"
wait_for no_window '^Tintwell V1.0 - Tips$' || fail "the tips window did not close"

# Without the companions: nothing shows, nothing is opened, the program runs on.
rm "$copy/Help/tintwell_helper" "$copy/Help/tintwell_tip"
: >"$opened"
before=$(visible_windows)
menu_item 1
menu_item 2
sleep 1.5
after=$(visible_windows)
[ "$before" = "$after" ] || fail "windows changed: before '$before', after '$after'"
[ ! -s "$opened" ] || fail "something was opened: $(cat "$opened")"
kill -0 "$pid" 2>/dev/null || fail "the program ended"
echo "ok"
