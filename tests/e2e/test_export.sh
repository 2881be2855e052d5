#!/usr/bin/env bash
# Exporting a reopened palette through the real save dialog: a name typed
# without an extension gets ".bmp", the file is a 24-bit bitmap of the
# palette, and the folder it went to is stored for the next start.
PROGRAM=$1 XTOOL=$2
source "$(dirname "$0")/lib.sh"

copy_program
# A first run leaves the settings; the second start reopens "untitled".
start_program
win=$(wait_window '^Tintwell V1.0$')
"$XTOOL" close "$win"
box=$(wait_window '^Warning$' 10)
xdotool windowfocus --sync "$box"
xdotool key --clearmodifiers n
wait_exit

colors=("255 0 0" "0 128 255" "46 204 113" "241 196 15" "155 89 182" "52 73 94"
        "230 126 34" "236 240 241" "300 -1 7" "0 0 0" "128 128 128" "26 188 156")
for c in "${colors[@]}"; do
    read -r r g b <<<"$c"
    printf '%s\t%s\t%s\r\n' "$r" "$g" "$b"
done >"$E2E_PROG_DIR/MyPalettes/untitled.dat"

start_program
win=$(wait_window '^Tintwell V1.0$')
read -r ox oy < <(window_origin "$win")
out="$E2E_WORK/exports"
mkdir -p "$out"

# "Export", then the menu's first item.
xdotool mousemove $((ox + 376)) $((oy + 456)) click 1
sleep 0.5
xdotool key --clearmodifiers Down Return
dialog=$(wait_window '^Export palette$' 10)
xdotool windowfocus --sync "$dialog"
xdotool type --delay 20 "$out/sea"
xdotool key --clearmodifiers Return
wait_window_gone '^Export palette$'

bmp="$out/sea.bmp"
for _ in $(seq 1 50); do [ -s "$bmp" ] && break; sleep 0.1; done
[ -s "$bmp" ] || fail "no $bmp; exports: $(ls -A "$out")"
[ "$(ls -A "$out")" = sea.bmp ] || fail "other files beside the picture: $(ls -A "$out")"
[ "$(head -c2 "$bmp")" = BM ] || fail "not a bitmap"
bpp=$(od -An -tu2 -j28 -N2 "$bmp" | tr -d ' ')
[ "$bpp" = 24 ] || fail "bits per pixel: $bpp"
size=$(identify -format '%wx%h' "$bmp")
[ "$size" = 333x86 ] || fail "picture size: $size"

pixel() {
    convert "$bmp" -crop "1x1+$1+$2" -depth 8 txt:- | sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
[ "$(pixel 2 25)" = 80,80,80 ] || fail "first cell's border: $(pixel 2 25)"
[ "$(pixel 15 40)" = 255,0,0 ] || fail "first cell: $(pixel 15 40)"
[ "$(pixel 255 40)" = 44,255,7 ] || fail "ninth cell, drawn with the low bytes: $(pixel 255 40)"
[ "$(pixel 15 70)" = 26,188,156 ] || fail "twelfth cell starts the second row: $(pixel 15 70)"
[ "$(pixel 31 40)" = 255,255,255 ] || fail "gap: $(pixel 31 40)"
[ "$(pixel 0 0)" = 100,100,100 ] || fail "frame: $(pixel 0 0)"
[ "$(store_value reg_exportFolder)" = "$out/" ] || fail "reg_exportFolder: $(store_value reg_exportFolder)"
echo "export: ok"
