#!/usr/bin/env bash
# Starts the built program on a private virtual display with a fresh
# configuration, saves a PNG of its main window, and closes it.
#   scripts/screenshot.sh [--demo] [OUTPUT.png]
# (default output: build/tintwell-main-window.png). With --demo the program
# runs from a scratch copy that already holds a palette, as in the README.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
demo=0
if [ "${1:-}" = --demo ]; then demo=1; shift; fi
out=${1:-$top/build/tintwell-main-window.png}
case "$out" in /*) ;; *) out="$PWD/$out" ;; esac
program=$top/build/program/tintwell
[ -x "$program" ] || { echo "screenshot: build the program first ($program)" >&2; exit 1; }

"$top/tests/support/with-xvfb.sh" bash -c '
    set -euo pipefail
    program=$1 out=$2 demo=$3
    if [ "$demo" = 1 ]; then
        cp -a "$(dirname "$program")" "$TINTWELL_TEST_WORK/program"
        program="$TINTWELL_TEST_WORK/program/tintwell"
        folder="$TINTWELL_TEST_WORK/program/MyPalettes"
        rm -rf "$folder"; mkdir -p "$folder"
        # An autumn palette, and a few more to list.
        for c in "122 46 31" "164 74 38" "201 111 48" "226 152 66" "240 193 98" "196 164 92" \
                 "139 128 62" "94 99 53" "60 72 47" "112 62 79" "156 93 110" "214 176 160" \
                 "244 230 210" "90 70 60" "52 40 36"; do
            set -- $c; printf "%s\t%s\t%s\r\n" "$1" "$2" "$3"
        done >"$folder/Autumn Walk.dat"
        printf "0\t0\t0\r\n255\t255\t255\r\n" >"$folder/Black and White.dat"
        printf "52\t101\t164\r\n" >"$folder/Harbour.dat"
        store="$XDG_CONFIG_HOME/tintwell/store/HKEY_LOCAL_MACHINE/software/tintwell"
        mkdir -p "$store"
        p="$TINTWELL_TEST_WORK/program"
        printf "tintwell-store 1\nlastColor\t201\\\\t111\\\\t48\nlastFileName\tAutumn Walk\nzoomHotKey\tCtrl+Z\ngrabHotKey\tCtrl+G\nappPath\t%s/\nreg_paletteFolder\t%s/MyPalettes\nreg_exportFolder\t%s/ExportPalette\nend\n" "$p" "$p" "$p" >"$store/values"
    fi
    "$program" >"$TINTWELL_TEST_WORK/program.log" 2>&1 &
    pid=$!
    win=$(timeout 30 xdotool search --sync --onlyvisible --name "^Tintwell V1.0\$" | head -n1)
    sleep 0.5   # let the first paint settle
    import -window "$win" "$out"
    kill "$pid"; wait "$pid" 2>/dev/null || true
' screenshot "$program" "$out" "$demo"
echo "$out"
