#!/usr/bin/env bash
# What a screen reader reads from the running program, through the AT-SPI
# accessibility bus from another process: the status bars with their role
# and texts, the colour boxes with their colour, and the zoom window's
# sampled values while it samples another window of a known colour.
PROGRAM=$1 XTOOL=$2

skip() {
    echo "SKIP: $*"
    exit 77
}
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || skip "no AT-SPI bus launcher (apt-get install at-spi2-core)"
command -v dbus-run-session >/dev/null || skip "no dbus-run-session (apt-get install dbus)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "no pyatspi (apt-get install python3-pyatspi)"

# A session bus of our own for this test, whatever the machine runs.
if [ -z "${TINTWELL_PRIVATE_BUS:-}" ]; then
    TINTWELL_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

source "$(dirname "$0")/lib.sh"
tree_tool="$(dirname "$0")/accessible_tree.py"

"$launcher" --launch-immediately >"$E2E_WORK/at-spi.log" 2>&1 &
launcher_pid=$!
display_pid=""
cleanup_all() {
    [ -n "$display_pid" ] && kill "$display_pid" 2>/dev/null
    e2e_cleanup
    kill "$launcher_pid" 2>/dev/null || true
}
trap cleanup_all EXIT
for _ in $(seq 1 50); do
    gdbus call --session -d org.a11y.Bus -o /org/a11y/bus -m org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
done
gdbus call --session -d org.a11y.Bus -o /org/a11y/bus -m org.a11y.Bus.GetAddress >/dev/null 2>&1 ||
    skip "the AT-SPI bus did not start here: $(cat "$E2E_WORK/at-spi.log")"

# The tree as the tool reads it now, one "role<TAB>name<TAB>description" a line.
tree() { "$tree_tool" "$E2E_PID" 2>/dev/null | sed 's/^ *//'; }
# Waits until the tree holds the line ROLE NAME DESCRIPTION (exactly).
expect_line() {
    local line
    line=$(printf '%s\t%s\t%s' "$1" "$2" "$3")
    local now
    for _ in $(seq 1 50); do
        # Read whole before searching: grep -q leaving early would fail the pipe.
        now=$(tree) || true
        grep -qxF "$line" <<<"$now" && return 0
        sleep 0.2
    done
    echo "The tree's labels and boxes:" >&2
    tree | grep -E '^(label|filler|status bar)'$'\t''[^\t]' >&2 || true
    fail "no \"$1\" named \"$2\" described \"$3\" in the accessibility tree"
}
# Prints the lines under the first status bar of the tree: its panels.
status_bar_panels() {
    "$tree_tool" "$E2E_PID" 2>/dev/null | awk '
        !seen && /^ *status bar\t/ { depth = match($0, /[^ ]/); inside = 1; seen = 1; next }
        inside && match($0, /[^ ]/) <= depth { inside = 0 }
        inside { sub(/^ */, ""); panels[n++] = $0 }
        END { for (i = 0; i < n; i++) print panels[i] }'
}

copy_program
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program
main=$(wait_window '^Tintwell V1.0$')
read -r mx my < <(window_origin "$main")

# A first run: red, an unsaved "untitled".
expect_line "status bar" "Status" ""
expect_line "label" "New File" "Last action"
expect_line "label" "untitled (Not saved)" "Palette name"
panels=$(status_bar_panels)
[ "$(printf '%s\n' "$panels" | head -n1)" = "$(printf 'label\tNew File\tLast action')" ] ||
    fail "the status bar's first panel: $panels"
expect_line "filler" "New color" "#FF0000, red 255, green 0, blue 0"
expect_line "filler" "Last added color" "#000000, red 0, green 0, blue 0"

# Another program's window of a known colour, sampled by the zoom window.
convert -size 200x200 "xc:#3366CC" "$E2E_WORK/colour.png"
display -geometry +40+40 "$E2E_WORK/colour.png" >/dev/null 2>&1 &
display_pid=$!
wait_window 'ImageMagick' 10 >/dev/null
xdotool mousemove $((mx + 409)) $((my + 115)) click 1   # the "Grab Colors" tab
sleep 0.3
xdotool mousemove $((mx + 179)) $((my + 251)) click 1   # Start
wait_window 'Zoom Window' 10 >/dev/null
xdotool mousemove 140 140
expect_line "label" "R : 51" "Red of the sampled color"
expect_line "label" "G : 102" "Green of the sampled color"
expect_line "label" "B : 204" "Blue of the sampled color"
expect_line "filler" "Sampled color" "#3366CC, red 51, green 102, blue 204"
expect_line "status bar" "Zoom status" ""
expect_line "label" "Start zooming" "Zoom state"
expect_line "label" "Preess Ctrl+G to grab colors,Ctrl+Z to capture zooming area." "Hint"
echo "accessibility tree: ok"
