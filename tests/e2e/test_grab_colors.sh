#!/usr/bin/env bash
# Sampling a colour from another window: Start on the "Grab Colors" page
# opens the zoom window, the grab key (Ctrl+G, pressed through XTEST while
# the pointer is over a window of a known colour) keeps the colour, closing
# the zoom window hands it to the page, and Add all puts it in the palette.
PROGRAM=$1 XTOOL=$2
source "$(dirname "$0")/lib.sh"

colour="51,102,204" # #3366CC
expect_pixel() { # X Y WHAT
    local got
    got=$(screen_pixel "$1" "$2")
    [ "$got" = "$colour" ] || fail "$3: pixel ($1, $2) is $got, not $colour"
}

copy_program
start_program
main=$(wait_window '^Tintwell V1.0$')
read -r mx my < <(window_origin "$main")

# Positions in the main window's client area.
xdotool mousemove $((mx + 409)) $((my + 115)) click 1   # the "Grab Colors" tab
sleep 0.3
xdotool mousemove $((mx + 179)) $((my + 251)) click 1   # Start
zoom=$(wait_window 'Zoom Window' 10)
xdotool search --onlyvisible --name '^Tintwell V1.0$' >/dev/null 2>&1 && fail "the main window stayed visible"
read -r zx zy < <(window_origin "$zoom")

# Another program's window of a known colour, away from the zoom window.
convert -size 200x200 "xc:#3366CC" "$E2E_WORK/colour.png"
display -geometry +40+40 "$E2E_WORK/colour.png" >/dev/null 2>&1 &
display_pid=$!
trap 'kill $display_pid 2>/dev/null || true; e2e_cleanup' EXIT
wait_window 'ImageMagick' 10 >/dev/null
xdotool mousemove 140 140
sleep 0.5
xdotool key ctrl+g
sleep 0.5
# The zoom window shows the colour as its first grabbed cell.
expect_pixel $((zx + 31)) $((zy + 131)) "the zoom window's first grabbed colour"

"$XTOOL" close "$zoom"
wait_window_gone 'Zoom Window'
main=$(wait_window '^Tintwell V1.0$' 10)
sleep 0.3
expect_pixel $((mx + 137)) $((my + 40)) "the first grabbed colour on the page"

xdotool mousemove $((mx + 318)) $((my + 251)) click 1   # Add all
sleep 0.3
expect_pixel $((mx + 42)) $((my + 390)) "the palette's first swatch"

[ "$(store_value zoomHotKey)" = Ctrl+Z ] || fail "zoomHotKey: $(store_value zoomHotKey)"
[ "$(store_value grabHotKey)" = Ctrl+G ] || fail "grabHotKey: $(store_value grabHotKey)"

"$XTOOL" close "$main"
box=$(wait_window '^Warning$' 10)
xdotool windowfocus --sync "$box"
xdotool key --clearmodifiers n   # "&No": the palette stays unsaved
wait_exit
echo "grab colors: ok"
