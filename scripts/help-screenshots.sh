#!/usr/bin/env bash
# Takes the pictures of the user guide (Help/guide/images/*.png) from the real
# program, driven with xdotool on a private virtual display. Run it again
# whenever the windows change:
#   scripts/help-screenshots.sh [PROGRAM_FOLDER]     (default: build/program)
# Needs Xvfb, xdotool and ImageMagick (scripts/install-deps.sh). The program
# runs from a scratch copy of its folder with fresh settings; pictures that
# cannot be taken (a window that does not open) are reported and left as they
# were.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${TINTWELL_TEST_WORK:-}" ]; then
    program=$(cd "${1:-$repo/build/program}" && pwd)
    exec "$repo/tests/support/with-xvfb.sh" "$0" "$program"
fi
program=$1
out=$repo/Help/guide/images
mkdir -p "$out"
work=$TINTWELL_TEST_WORK
scratch=$work/program
cp -a "$program" "$scratch"
missing=()

wait_window() { # NAME [TIMEOUT_SECONDS] -> window id, or nothing
    local name=$1 tries=$(( ${2:-10} * 10 )) id
    for _ in $(seq 1 "$tries"); do
        id=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 0
}

start_program() {
    (cd "$work" && exec "$scratch/tintwell") >"$work/program.log" 2>&1 &
    pid=$!
    wid=$(wait_window "^Tintwell V1.0$" 20)
    [ -n "$wid" ] || { echo "help-screenshots: the program did not open its window" >&2; exit 1; }
    sleep 0.8
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    WX=$X WY=$Y
}

stop_program() {
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

# Pointer actions in the main window's own coordinates.
click() { xdotool mousemove $((WX + $1)) $((WY + $2)) click 1; sleep 0.4; }
park() { xdotool mousemove $((WX + 428)) $((WY + 636)); sleep 0.3; }

# shot NAME X Y W H: a part of the screen, relative to the main window.
shot() {
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "$4x$5+$((WX + $2))+$((WY + $3))" +repage -strip "$out/$1.png"
}
# window_shot NAME WINDOW_ID: one window as it shows.
window_shot() {
    local X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$2")"
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage -strip "$out/$1.png"
}

# Where things are in the main window (client pixels).
UPPER_TABS_X=409
TAB_COLOR_MODEL=50 TAB_GRAB=115 TAB_TEST_BOARD=175 TAB_LIBRARY=245
LOWER_TAB_MY_PALETTES_X=57 LOWER_TAB_PALETTE_X=135 LOWER_TABS_Y=354
PAGE_X=16 PAGE_Y=366           # origin of the lower tabbed area's pages
BOARD_BUTTON_X=124             # test board page buttons
HELP_BUTTON_X=50 HELP_BUTTON_Y=596

# A first run stores the default settings; palettes written afterwards are
# listed by the next start.
start_program
stop_program
mkdir -p "$scratch/MyPalettes"
printf '214\t69\t65\r\n239\t131\t84\r\n246\t189\t96\r\n247\t237\t214\r\n132\t165\t157\r\n38\t70\t83\r\n' \
    >"$scratch/MyPalettes/Autumn.dat"
printf '0\t119\t182\r\n0\t180\t216\r\n144\t224\t239\r\n202\t240\t248\r\n255\t209\t102\r\n239\t71\t111\r\n6\t214\t160\r\n17\t138\t178\r\n7\t59\t76\r\n' \
    >"$scratch/MyPalettes/Seaside.dat"
# Start the pictures with "Autumn" open, as a returning user would.
sed -i 's/^lastFileName\tuntitled$/lastFileName\tAutumn/' \
    "$XDG_CONFIG_HOME/tintwell/store/HKEY_LOCAL_MACHINE/software/tintwell/values"

start_program

# The current colour, typed into the hex box.
click 55 267
xdotool key ctrl+a type --delay 40 "3A7BD5"
xdotool key Return
park
shot main 0 0 434 641

# The palette list, then one palette open with its menus.
click $LOWER_TAB_MY_PALETTES_X $LOWER_TABS_Y
click $((PAGE_X + 60)) $((PAGE_Y + 16))
park
shot my-palettes 0 327 434 296
click $((PAGE_X + 361)) $((PAGE_Y + 34))   # Open
park
shot palette-page 0 327 434 296
# The export menu reaches past the window's right edge.
for menu in file:34:434 export:90:560 sort:146:434; do
    IFS=: read -r name y width <<<"$menu"
    click $((PAGE_X + 361)) $((PAGE_Y + y))
    shot "$name-menu" 0 327 "$width" 296
    xdotool key Escape
    sleep 0.3
done

# The upper pages.
click $UPPER_TABS_X $TAB_GRAB
park
shot grab-page 0 0 434 327
click $UPPER_TABS_X $TAB_LIBRARY
park
shot library 0 0 434 327

click $UPPER_TABS_X $TAB_TEST_BOARD
click $BOARD_BUTTON_X 44
park
shot testboard-text 0 0 434 327
click $BOARD_BUTTON_X 68
# A few stamps and a pen stroke on the drawing surface.
board_x=$((104 + 41 + 8)) board_y=$((16 + 2 + 8))
for p in 30:40 70:60 110:40 150:70; do
    click $((board_x + ${p%%:*})) $((board_y + ${p##*:}))
done
click $((104 + 41 + 11 + 60)) $((16 + 2 + 230 + 11))    # tool list
xdotool key Down Down Return
sleep 0.3
xdotool mousemove $((WX + board_x + 20)) $((WY + board_y + 150)) mousedown 1
for i in $(seq 1 40); do
    xdotool mousemove $((WX + board_x + 20 + i * 5)) $((WY + board_y + 150 - (i % 10) * 4 + (i / 10) * 6))
    sleep 0.01
done
xdotool mouseup 1
park
shot testboard-draw 0 0 434 327
click $BOARD_BUTTON_X 92
park
shot testboard-shapes 0 0 434 327
click $BOARD_BUTTON_X 116
park
shot testboard-patterns 0 0 434 327

# The board's tip, the help menu and About.
click 123 283
tip=$(wait_window "^Do you know\\?$" 5)
if [ -n "$tip" ]; then window_shot tip-window "$tip"; else missing+=(tip-window); fi
xdotool key Escape
sleep 0.3
click $HELP_BUTTON_X $HELP_BUTTON_Y
shot help-menu 0 520 330 146
xdotool key Up Return
sleep 0.6
about=$(wait_window "^About$" 5)
if [ -n "$about" ]; then window_shot about "$about"; else missing+=(about); fi
xdotool key Return
sleep 0.3

# The zoom window, over something colourful.
convert -size 640x400 gradient:'#ff4040'-'#4040ff' \( -size 640x400 gradient:'#ffff60'-'#20a060' -rotate 90 -resize 640x400! \) \
    -compose multiply -composite "$work/colours.png"
display -geometry +0+0 "$work/colours.png" &
viewer=$!
sleep 0.8
click $UPPER_TABS_X $TAB_GRAB
click $((104 + 43 + 33)) $((16 + 224 + 11))        # Start
zoom=$(wait_window "Zoom Window" 5)
if [ -n "$zoom" ]; then
    eval "$(xdotool getwindowgeometry --shell "$zoom")"
    xdotool mousemove $((X + 200)) $((Y + 150))
    sleep 0.6
    window_shot zoom-settings "$zoom"
    xdotool mousemove 200 200
    sleep 0.6
    window_shot zoom-live "$zoom"
else
    missing+=(zoom-settings zoom-live)
fi
kill "$viewer" 2>/dev/null || true
stop_program

# The tips companion program.
"$scratch/Help/tintwell_tip" >/dev/null 2>&1 &
tips_pid=$!
tips=$(wait_window "Tintwell V1.0 - Tips" 10)
if [ -n "$tips" ]; then
    sleep 0.5
    window_shot tips-viewer "$tips"
else
    missing+=(tips-viewer)
fi
kill "$tips_pid" 2>/dev/null || true

echo "help-screenshots: pictures in $out"
if [ ${#missing[@]} -gt 0 ]; then
    echo "help-screenshots: could not take: ${missing[*]}" >&2
fi
