#!/usr/bin/env bash
# The zoom window through the desktop portal on headless sway: the time from
# Start to the first magnified picture and the tick on the still picture
# (bench_portal). Compare the tick with bench_magnifier's (scripts/bench-zoom.sh).
#   scripts/bench-portal.sh [BENCHMARK OPTIONS]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bench=$top/build/bench/bench_portal
[ -x "$bench" ] || { echo "bench-portal: build first ($bench missing)" >&2; exit 1; }
# The pointer over the still picture, away from the zoom window.
exec "$top/tests/wayland/in-sway.sh" "$bench" -- bash -c 'xdotool mousemove 60 60 && exec ./bench_portal "$@"' bench "$@"
