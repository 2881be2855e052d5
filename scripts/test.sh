#!/usr/bin/env bash
# Installs what is missing, builds Tintwell with its tests, and runs every
# test: unit and widget tests, the X11 tests and the end-to-end tests that
# start the real program under Xvfb.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/install-deps.sh
# Palettes of GIMP and Inkscape and a reader of Adobe swatch files, for the
# tests of the palette formats (they skip when these cannot be fetched).
scripts/fetch-test-files.sh "$top/build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTWELL_TESTS=ON >/dev/null
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)" "$@"
