#!/usr/bin/env bash
# Builds the Debian package build/tintwell_<version>_<arch>.deb: installs
# what is missing, builds the program, and packs it. Install it with
#   sudo apt install ./build/tintwell_1.0_amd64.deb
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target tintwell tintwell_tip icons docs
packaging/make-deb.sh build build
