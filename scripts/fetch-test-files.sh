#!/usr/bin/env bash
# Fetches files that nobody here wrote, for the tests that check our readers
# and writers against them:
#   - Debian's gimp-data and inkscape packages (apt-get download, nothing is
#     installed); only their palettes are unpacked, into BUILD/ext/palettes/
#   - the npm package ase-utils, a reader of Adobe swatch exchange files,
#     into BUILD/ext/npm/
# Downloads are kept, so a second run fetches nothing. When a download fails
# this says so and the tests that need the files skip themselves.
#   scripts/fetch-test-files.sh [BUILD]   (default: build)
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
ext="$build/ext"
mkdir -p "$ext/debs"

sudo=()
[ "$(id -u)" -eq 0 ] || ! command -v sudo >/dev/null || sudo=(sudo -n)

fetch_debs() {
    (cd "$ext/debs" && apt-get download "$@" >/dev/null 2>&1)
}

palettes="$ext/palettes"
if [ ! -f "$palettes/.done" ]; then
    missing=()
    for p in gimp-data inkscape; do
        ls "$ext/debs/${p}"_*.deb >/dev/null 2>&1 || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ] && ! fetch_debs "${missing[@]}"; then
        # The package lists may be missing or stale on a fresh machine.
        "${sudo[@]}" apt-get update -qq >/dev/null 2>&1 || true
        fetch_debs "${missing[@]}" || echo "fetch-test-files: apt-get download ${missing[*]} failed; the tests of real GIMP and Inkscape palettes will skip" >&2
    fi
    rm -rf "$palettes"
    mkdir -p "$palettes"
    ok=1
    for p in gimp-data inkscape; do
        deb=$(ls "$ext/debs/${p}"_*.deb 2>/dev/null | head -n1)
        if [ -z "$deb" ]; then ok=0; continue; fi
        dpkg-deb --fsys-tarfile "$deb" | tar -x -C "$palettes" --wildcards '*/palettes/*.gpl' || ok=0
    done
    [ "$ok" = 1 ] && touch "$palettes/.done"
fi

npm_dir="$ext/npm"
if [ ! -f "$npm_dir/node_modules/ase-utils/package.json" ]; then
    if command -v npm >/dev/null; then
        mkdir -p "$npm_dir"
        npm install --silent --no-audit --no-fund --prefix "$npm_dir" ase-utils@0.1.1 >/dev/null 2>&1 ||
            echo "fetch-test-files: npm install ase-utils failed; the .ase check against it will skip" >&2
    else
        echo "fetch-test-files: no npm; the .ase check against ase-utils will skip" >&2
    fi
fi
exit 0
