#!/usr/bin/env bash
# Starts the built program on a private virtual display with a fresh
# configuration, saves a PNG of its main window, and closes it.
#   scripts/screenshot.sh [OUTPUT.png]   (default: build/tintwell-main-window.png)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$top/build/tintwell-main-window.png}
case "$out" in /*) ;; *) out="$PWD/$out" ;; esac
program=$top/build/program/tintwell
[ -x "$program" ] || { echo "screenshot: build the program first ($program)" >&2; exit 1; }

"$top/tests/support/with-xvfb.sh" bash -c '
    set -euo pipefail
    "$1" >"$TINTWELL_TEST_WORK/program.log" 2>&1 &
    pid=$!
    win=$(timeout 30 xdotool search --sync --onlyvisible --name "^Tintwell V1.0\$" | head -n1)
    sleep 0.5   # let the first paint settle
    import -window "$win" "$2"
    kill "$pid"; wait "$pid" 2>/dev/null || true
' screenshot "$program" "$out"
echo "$out"
