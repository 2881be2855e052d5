#!/usr/bin/env bash
# Our palette readers and writers against files and programs nobody here
# wrote: every GIMP and Inkscape palette Debian ships (fetched by
# scripts/fetch-test-files.sh) is read by us and by the short awk reader
# below, which must agree colour for colour; each is then written as .gpl,
# .ase, .json and .css and read back to the same colours; the .ase files are
# also read by the npm package ase-utils; and the PNG picture of each holds
# the pixels of its BMP picture, as ImageMagick decodes them.
#   test_real_palettes.sh TOOL EXT
set -euo pipefail
tool=$1 ext=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -f "$ext/palettes/.done" ] || { echo "SKIP: no GIMP/Inkscape palettes in $ext (scripts/fetch-test-files.sh could not fetch them)"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A GIMP palette as GIMP reads it: the header line, then every line that is
# not blank, a comment, "Name:" or "Columns:" starts with red, green, blue.
gpl_colours() {
    awk '
        { sub(/\r$/, "") }
        NR == 1 { if ($0 !~ /^GIMP Palette/) { print "no header" > "/dev/stderr"; exit 3 } next }
        /^[ \t]*$/ || /^[ \t]*#/ || /^Name:/ || /^Columns:/ { next }
        {
            for (k = 1; k <= 3; k++) { v[k] = $k + 0; if (v[k] < 0) v[k] = 0; if (v[k] > 255) v[k] = 255 }
            print v[1], v[2], v[3]
        }' "$1"
}

ase_reader=""
if [ -f "$ext/npm/node_modules/ase-utils/package.json" ] && command -v node >/dev/null; then
    ase_reader="$ext/npm/node_modules/ase-utils"
else
    echo "note: ase-utils or node missing; the .ase files are read back by us only"
fi
ase_colours() { # FILE: the RGB entries as ase-utils decodes them
    node -e '
        const ase = require(process.argv[1]);
        const out = ase.decode(require("fs").readFileSync(process.argv[2]));
        if (out.version !== "1.0") throw new Error("version " + out.version);
        if (out.groups.length !== 1) throw new Error(out.groups.length + " groups");
        for (const c of out.colors) {
            if (c.model !== "RGB" || c.type !== "global") throw new Error(c.model + " " + c.type);
            console.log(c.color.map(v => Math.round(v * 255)).join(" "));
        }' "$ase_reader" "$1"
}

count=0 colours=0
while IFS= read -r -d '' file; do
    name=$(basename "$file")
    expected=$(gpl_colours "$file")
    [ -n "$expected" ] || fail "$name: the awk reader found no colour"
    # Read, written as .gpl .ase .json .css .png .bmp, each palette file read back.
    got=$("$tool" roundtrip "$file" "$work") || fail "$name: not imported, or a round trip changed the colours"
    [ "$got" = "$expected" ] || fail "$name: colours differ from the independent reading"
    if [ -n "$ase_reader" ]; then
        [ "$(ase_colours "$work/palette.ase")" = "$expected" ] || fail "$name: ase-utils reads other colours"
    fi
    differing=$(compare -metric AE "$work/palette.png" "$work/palette.bmp" null: 2>&1) ||
        fail "$name: the PNG's pixels are not the BMP's ($differing)"
    count=$((count + 1))
    colours=$((colours + $(printf '%s\n' "$expected" | wc -l)))
done < <(find "$ext/palettes" -name '*.gpl' -print0 | sort -z)
[ "$count" -gt 0 ] || fail "no palette found in $ext/palettes"
echo "real palettes: $count files, $colours colours: ok"
