#!/usr/bin/env bash
# The fonts are read on a thread of their own while the program starts,
# unless a launcher passed a start-up id; then they are read once Qt has
# taken the id. Either way the window shows the same pixels, and a
# launcher's id still reaches the window, so the launcher's busy cursor ends.
PROGRAM=$1 XTOOL=$2
source "$(dirname "$0")/lib.sh"

# The pointer away from where the window opens: without a window manager
# the window under the pointer gets the focus, and a blinking text cursor
# would make two pictures differ.
xdotool mousemove 0 0

# Starts a first run with the given environment and saves the window's
# picture as NAME.png; prints the window id.
start_and_shoot() {
    local name=$1
    shift
    copy_program
    mkdir -p "$E2E_WORK/config-$name"
    (cd / && exec env XDG_CONFIG_HOME="$E2E_WORK/config-$name" "$@" "$E2E_PROG_DIR/tintwell" \
        >"$E2E_WORK/program-$name.log" 2>&1) &
    E2E_PID=$!
    local win
    win=$(wait_window '^Tintwell V1.0$')
    # The first paint and the work that follows it (the hidden pages).
    sleep 1.5
    import -window "$win" "$E2E_WORK/$name.png" || fail "no picture of the $name window"
    echo "$win"
}

stop_program() {
    kill "$E2E_PID" 2>/dev/null || true
    wait "$E2E_PID" 2>/dev/null || true
    E2E_PID=""
}

start_and_shoot early >/dev/null
stop_program

# What a launcher hears: the program's "remove" message for its id.
"$XTOOL" startup-messages 30 >"$E2E_WORK/startup-messages" &
listener=$!
for _ in $(seq 1 50); do
    grep -q '^ready$' "$E2E_WORK/startup-messages" 2>/dev/null && break
    sleep 0.1
done
start_and_shoot launched DESKTOP_STARTUP_ID=tintwell-e2e-7_TIME4242 >/dev/null
stop_program
kill "$listener" 2>/dev/null || true
wait "$listener" 2>/dev/null || true
grep -qx 'remove: ID=tintwell-e2e-7_TIME4242' "$E2E_WORK/startup-messages" ||
    fail "no start-up end for the launcher's id; heard: $(tr '\n' '|' <"$E2E_WORK/startup-messages")"

diff=$(compare -metric AE "$E2E_WORK/early.png" "$E2E_WORK/launched.png" null: 2>&1) || true
[ "$diff" = 0 ] || fail "$diff pixels differ between a start with and without a start-up id"
echo "startup fonts: ok"
