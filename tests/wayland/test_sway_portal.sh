#!/usr/bin/env bash
# The zoom window on a real headless Wayland desktop: sway with Xwayland,
# PipeWire and the desktop portal with its wlroots and GTK back ends. As the
# session's unprivileged user it starts Tintwell, presses Start, checks that
# the magnified picture shows the desktop's background colour, grabs it with
# the grab key, closes the zoom window, checks the colour on the "Grab
# Colors" page, and runs `tintwell --grab` against the running program
# (sway-grab.sh).
#   test_sway_portal.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/in-sway.sh" "$(dirname "$1")" "$here/sway-grab.sh" -- ./sway-grab.sh "program/$(basename "$1")"
