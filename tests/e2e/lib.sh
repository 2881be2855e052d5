# Shared helpers for the end-to-end scripts. Source it after setting
#   PROGRAM=$1 XTOOL=$2
# It copies the program folder to a scratch place so each test has its own
# palette and export folders, and cleans up the program on exit.

set -euo pipefail

E2E_WORK=${TINTWELL_TEST_WORK:?run me through with-xvfb.sh}
E2E_PROG_DIR="$E2E_WORK/program"
E2E_PID=""

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

e2e_cleanup() {
    if [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null; then
        kill "$E2E_PID" 2>/dev/null || true
        wait "$E2E_PID" 2>/dev/null || true
    fi
}
trap e2e_cleanup EXIT

# Lays out a private copy of the program folder.
copy_program() {
    rm -rf "$E2E_PROG_DIR"
    cp -a "$(dirname "$PROGRAM")" "$E2E_PROG_DIR"
    rm -rf "$E2E_PROG_DIR/MyPalettes" "$E2E_PROG_DIR/ExportPalette"
}

# Starts the copied program from another working folder.
start_program() {
    (cd / && exec "$E2E_PROG_DIR/tintwell" >"$E2E_WORK/program.log" 2>&1) &
    E2E_PID=$!
}

# Prints the id of the first visible window whose title matches the regex.
wait_window() {
    local title=$1 seconds=${2:-20}
    local id
    id=$(timeout "$seconds" xdotool search --sync --onlyvisible --name "$title" 2>/dev/null | head -n1) ||
        fail "no window titled /$title/ within ${seconds}s"
    [ -n "$id" ] || fail "no window titled /$title/"
    echo "$id"
}

# Waits until no visible window matches the regex.
wait_window_gone() {
    local title=$1
    for _ in $(seq 1 100); do
        xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window /$title/ is still there"
}

# Waits for the program to end; fails after the timeout.
wait_exit() {
    local seconds=${1:-20}
    for _ in $(seq 1 $((seconds * 10))); do
        kill -0 "$E2E_PID" 2>/dev/null || {
            wait "$E2E_PID" 2>/dev/null || true
            E2E_PID=""
            return 0
        }
        sleep 0.1
    done
    fail "the program did not end"
}

# The settings store file of this test's configuration folder.
store_file() {
    echo "$XDG_CONFIG_HOME/tintwell/store/HKEY_LOCAL_MACHINE/software/tintwell/values"
}

# Prints the stored value of NAME (store escapes decoded), empty when missing.
# The escapes are decoded in one pass, left to right, so "C:\\temp" is C:\temp.
store_value() {
    local name=$1
    awk -F'\t' -v n="$name" 'tolower($1) == tolower(n) {
        s = $2; out = ""
        for (i = 1; i <= length(s); i++) {
            c = substr(s, i, 1)
            if (c == "\\" && i < length(s)) {
                d = substr(s, ++i, 1)
                c = d == "t" ? "\t" : d == "n" ? "\n" : d == "r" ? "\r" : d
            }
            out = out c
        }
        print out
    }' "$(store_file)"
}

# Prints the stored value names in store order.
store_names() {
    sed -e '1d' -e '$d' "$(store_file)" | cut -f1
}

# The colour of one screen pixel as "r,g,b".
screen_pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# Where a window's client area starts on the screen, as "x y".
window_origin() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}'
}

# ---- The main window, driven by pointer and keys ----------------------------

wait_for() { # wait_for <what> <command...>
    local what=$1
    shift
    for _ in $(seq 1 100); do
        "$@" && return 0
        sleep 0.1
    done
    fail "timed out waiting for $what"
}

# Points on the main window, relative to its client area (WX, WY: its origin).
click_at() {
    xdotool mousemove $((WX + $1)) $((WY + $2)) click 1
    sleep 0.3
}
add_colour() { click_at 58 532; }       # "Add"
save_from_file_menu() {                  # "File", then "Save", its first item
    click_at 377 400
    xdotool key Down Return
}
cell_pixel() { screen_pixel $((WX + 28 + $1 * 30 + 14)) $((WY + 376 + 14)); }

open_main_window() {
    start_program
    win=$(wait_window '^Tintwell V1.0$')
    read -r WX WY < <(window_origin "$win")
    sleep 0.3
}

close_main_window() {
    "$XTOOL" close "$win"
    wait_exit
}

# Opens the "Help / Tip" menu and picks its item number N (1 = first).
help_menu_item() {
    xdotool mousemove $((WX + 50)) $((WY + 596)) click 1
    sleep 0.5
    local keys=()
    for _ in $(seq 1 "$1"); do keys+=(Down); done
    xdotool key "${keys[@]}" Return
}

# Puts an xdg-open stand-in into folder BIN that records what it was asked
# to open, one line each, in LOG.
fake_xdg_open() {
    local bin=$1 log=$2
    mkdir -p "$bin"
    : >"$log"
    cat >"$bin/xdg-open" <<EOF
#!/bin/sh
echo "\$1" >>"$log"
EOF
    chmod 755 "$bin/xdg-open"
}

# Answers the message box titled TITLE with KEY (Return for OK, n for No).
answer_box() {
    local box
    box=$(wait_window "^$1\$" 10)
    xdotool windowfocus --sync "$box"
    xdotool key --clearmodifiers "$2"
    wait_window_gone "^$1\$"
}

# Writes the settings a previous run would have left: NAME VALUE pairs,
# values with real tabs. The palette and export folders are the copy's.
write_store() {
    local file
    file=$(store_file)
    mkdir -p "$(dirname "$file")"
    {
        echo "tintwell-store 1"
        while [ $# -ge 2 ]; do
            printf '%s\t%s\n' "$1" "$(printf '%s' "$2" | sed -e 's/\\/\\\\/g' -e 's/\t/\\t/g')"
            shift 2
        done
        echo "end"
    } >"$file"
}

# The seven values of a previous run that last had palette NAME open.
write_previous_run() {
    write_store lastColor "$(printf '12\t200\t0')" lastFileName "$1" zoomHotKey Ctrl+Z grabHotKey Ctrl+G \
        appPath "$E2E_PROG_DIR/" reg_paletteFolder "$E2E_PROG_DIR/MyPalettes" \
        reg_exportFolder "$E2E_PROG_DIR/ExportPalette"
}

# Runs this script again in a private mount namespace, where it may mount
# small file systems of its own; skips it (exit 77) where that is not
# possible. Call it right after sourcing this file: enter_mount_namespace "$@"
enter_mount_namespace() {
    [ "${E2E_IN_MOUNT_NAMESPACE:-}" = 1 ] && return 0
    if ! unshare -rm true 2>/dev/null; then
        echo "SKIP: no private mount namespace here"
        exit 77
    fi
    trap - EXIT
    E2E_IN_MOUNT_NAMESPACE=1 exec unshare -rm "$0" "$@"
}
