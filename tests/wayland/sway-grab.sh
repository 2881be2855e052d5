#!/usr/bin/env bash
# Runs inside sway-session.sh: drives Tintwell through Xwayland (xdotool's
# XTEST) while the portal takes its screenshots.
#   sway-grab.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")
work=$(dirname "$HOME")
colour="51,102,204" # the desktop's background, #3366cc

pid=""
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT
trap 'exit 143' TERM INT
fail() {
    echo "FAIL: $*" >&2
    grim "$work/screen.png" 2>/dev/null || true
    for log in "$work/program.log" "$work/portal.log" "$work/portal-wlr.log"; do
        [ -s "$log" ] && { echo "--- $log" >&2; tail -n 20 "$log" >&2; }
    done
    exit 1
}
wait_window() { # TITLE-REGEX [SECONDS]
    local id
    id=$(timeout "${2:-20}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n1) || true
    [ -n "$id" ] || fail "no window titled /$1/ within ${2:-20} s"
    echo "$id"
}
wait_window_gone() {
    for _ in $(seq 1 100); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window /$1/ is still there"
}
window_origin() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}'
}
# One pixel of one X11 window (the root window cannot be read on Xwayland).
window_pixel() { # WINDOW X Y
    import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
wait_pixel() { # WINDOW X Y WHAT
    local got=""
    for _ in $(seq 1 50); do
        got=$(window_pixel "$1" "$2" "$3")
        [ "$got" = "$colour" ] && return 0
        sleep 0.2
    done
    fail "$4: pixel ($2, $3) is ${got:-unreadable}, not $colour"
}
running() { pgrep -u "$(id -u)" -x tintwell | wc -l; }

(cd / && exec "$program" >"$work/program.log" 2>&1) &
pid=$!
main=$(wait_window '^Tintwell V1.0$')
sleep 0.5
read -r mx my < <(window_origin "$main")

xdotool mousemove $((mx + 409)) $((my + 115)) click 1   # the "Grab Colors" tab
sleep 0.3
xdotool mousemove $((mx + 179)) $((my + 251)) click 1   # Start
zoom=$(wait_window 'Zoom Window' 10)
wait_window '^Tintwell V1.0 - Screen$' 10 >/dev/null
read -r zx zy < <(window_origin "$zoom")

# The pointer over the still picture, away from the zoom window: the
# magnifier (right of the 121-pixel column) shows the background.
xdotool mousemove 60 60
wait_pixel "$zoom" 161 40 "the magnified picture"
wait_pixel "$zoom" 20 30 "the sampled colour's preview"

xdotool key ctrl+g
wait_pixel "$zoom" 31 131 "the zoom window's first grabbed colour"

xdotool key Escape
wait_window_gone 'Zoom Window'
wait_window_gone '^Tintwell V1.0 - Screen$'
main=$(wait_window '^Tintwell V1.0$' 10)
wait_pixel "$main" 137 40 "the first grabbed colour on the page"

# From outside: the running program opens its zoom window; no second one.
timeout 20 "$program" --grab || fail "tintwell --grab ended with status $?"
zoom=$(wait_window 'Zoom Window' 10)
[ "$(running)" -eq 1 ] || fail "$(running) programs are running after tintwell --grab"
xdotool mousemove 60 60
wait_pixel "$zoom" 161 40 "the magnified picture after tintwell --grab"
xdotool key Escape
wait_window_gone 'Zoom Window'
kill -0 "$pid" 2>/dev/null || fail "the program ended"
echo "sway portal: ok"
