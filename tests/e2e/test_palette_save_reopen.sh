#!/usr/bin/env bash
# Saves a new palette under a typed name through the File menu and the name
# dialog, then starts the program again: the palette comes back on screen
# and a second Save writes straight to its file.
#   test_palette_save_reopen.sh <path of tintwell>
set -euo pipefail

program_dir=$(dirname "$1")
work=${TINTWELL_TEST_WORK:?}
cp -r "$program_dir" "$work/prog"
palettes="$work/prog/MyPalettes"
values="$XDG_CONFIG_HOME/tintwell/store/HKEY_LOCAL_MACHINE/software/tintwell/values"
name="My Reds"

fail() { echo "FAIL: $*" >&2; exit 1; }

wait_for() { # wait_for <what> <command...>
    local what=$1; shift
    for _ in $(seq 1 100); do
        "$@" && return 0
        sleep 0.1
    done
    fail "timed out waiting for $what"
}

app_pid=
stop_app() {
    if [ -n "$app_pid" ]; then
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
        app_pid=
    fi
}
trap stop_app EXIT

start_app() {
    "$work/prog/tintwell" >"$work/app.log" 2>&1 &
    app_pid=$!
    win=$(xdotool search --sync --onlyvisible --name "^Tintwell V1.0$" | head -n1)
    eval "$(xdotool getwindowgeometry --shell "$win")"
    WX=$X WY=$Y
    sleep 0.5
}

# Window-relative points of the palette page (page origin 16, 366).
click_at() { xdotool mousemove $((WX + $1)) $((WY + $2)) click 1; sleep 0.3; }
add_colour() { click_at 58 532; }
open_file_menu() { click_at 377 400; }

pixel_at() { # pixel_at x y -> "#RRGGBB" of the window-relative point
    import -window root "$work/shot.png"
    convert "$work/shot.png" -crop "1x1+$((WX + $1))+$((WY + $2))" -format '#%[hex:p{0,0}]' info: | cut -c1-7
}

# First run: the current colour is red; add it twice and save under a name.
start_app
add_colour
add_colour
open_file_menu
xdotool key Down Return # "Save", the first item, enabled for a new palette
sleep 0.5
xdotool type --delay 20 "$name"
xdotool key Return
wait_for "the palette file" test -f "$palettes/$name.dat"
printf '255\t0\t0\r\n255\t0\t0\r\n' | cmp - "$palettes/$name.dat" || fail "saved bytes differ"
grep -q "^lastFileName	$name\$" "$values" || fail "lastFileName not stored"
stop_app

# Second run: the palette is reopened and drawn.
start_app
[ "$(pixel_at 43 390)" = "#FF0000" ] || fail "first cell is not red on reopening: $(pixel_at 43 390)"
[ "$(pixel_at 73 390)" = "#FF0000" ] || fail "second cell is not red on reopening"
[ "$(pixel_at 103 390)" = "#FFFFFF" ] || fail "a third cell is drawn"
# It is the palette on file: Save writes it without asking for a name.
add_colour
open_file_menu
xdotool key Down Return
wait_for "the second save" bash -c "[ \$(wc -l < '$palettes/$name.dat') -eq 3 ]"
printf '255\t0\t0\r\n255\t0\t0\r\n255\t0\t0\r\n' | cmp - "$palettes/$name.dat" || fail "second save differs"
[ "$(ls -A "$palettes")" = "$name.dat" ] || fail "unexpected files: $(ls -A "$palettes")"
stop_app
echo "palette saved and reopened"
