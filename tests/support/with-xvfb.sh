#!/usr/bin/env bash
# Runs a command on a private virtual X display that lives as long as the
# command: DISPLAY, a fresh configuration/data/runtime folder and the xcb
# platform are set for it.
#   with-xvfb.sh COMMAND [ARGS...]
set -euo pipefail

if ! command -v Xvfb >/dev/null; then
    echo "with-xvfb: Xvfb is not installed (apt-get install xvfb)" >&2
    exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/tintwell-xvfb.XXXXXX")
cleanup() {
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it to the fd we give.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 1 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
if [ ! -s "$work/display" ]; then
    echo "with-xvfb: Xvfb did not start" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi

export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
export QT_ENABLE_HIGHDPI_SCALING=0
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS WAYLAND_DISPLAY XDG_SESSION_TYPE
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export TINTWELL_TEST_WORK="$work"

"$@"
