#!/usr/bin/env bash
# Installs what is missing, builds Tintwell and starts it. Without a
# display it runs the program on a virtual X display instead, saves a
# screenshot of the main window and prints where it is.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/program/tintwell
fi
echo "No display found: starting Tintwell on a virtual display to take a screenshot."
shot=$(scripts/screenshot.sh "$top/build/tintwell-main-window.png")
echo "Screenshot of the main window: $shot"
