#!/usr/bin/env python3
"""Writes the swatch libraries shipped in library/.

Each library is "<name>.cbl": one line per colour, the decimal red, TAB,
green, TAB, blue, CR LF; no header. The colours below are published values;
edit them here and run this script again rather than editing the files.

    scripts/make-libraries.py            # rewrite library/*.cbl
    scripts/make-libraries.py --check    # fail when a file differs
"""
import pathlib
import sys

# CSS Color Module Level 4, named colours, in the order of its table
# (alphabetical, both gray and grey spellings, rebeccapurple included).
CSS_NAMED = """
aliceblue f0f8ff
antiquewhite faebd7
aqua 00ffff
aquamarine 7fffd4
azure f0ffff
beige f5f5dc
bisque ffe4c4
black 000000
blanchedalmond ffebcd
blue 0000ff
blueviolet 8a2be2
brown a52a2a
burlywood deb887
cadetblue 5f9ea0
chartreuse 7fff00
chocolate d2691e
coral ff7f50
cornflowerblue 6495ed
cornsilk fff8dc
crimson dc143c
cyan 00ffff
darkblue 00008b
darkcyan 008b8b
darkgoldenrod b8860b
darkgray a9a9a9
darkgreen 006400
darkgrey a9a9a9
darkkhaki bdb76b
darkmagenta 8b008b
darkolivegreen 556b2f
darkorange ff8c00
darkorchid 9932cc
darkred 8b0000
darksalmon e9967a
darkseagreen 8fbc8f
darkslateblue 483d8b
darkslategray 2f4f4f
darkslategrey 2f4f4f
darkturquoise 00ced1
darkviolet 9400d3
deeppink ff1493
deepskyblue 00bfff
dimgray 696969
dimgrey 696969
dodgerblue 1e90ff
firebrick b22222
floralwhite fffaf0
forestgreen 228b22
fuchsia ff00ff
gainsboro dcdcdc
ghostwhite f8f8ff
gold ffd700
goldenrod daa520
gray 808080
green 008000
greenyellow adff2f
grey 808080
honeydew f0fff0
hotpink ff69b4
indianred cd5c5c
indigo 4b0082
ivory fffff0
khaki f0e68c
lavender e6e6fa
lavenderblush fff0f5
lawngreen 7cfc00
lemonchiffon fffacd
lightblue add8e6
lightcoral f08080
lightcyan e0ffff
lightgoldenrodyellow fafad2
lightgray d3d3d3
lightgreen 90ee90
lightgrey d3d3d3
lightpink ffb6c1
lightsalmon ffa07a
lightseagreen 20b2aa
lightskyblue 87cefa
lightslategray 778899
lightslategrey 778899
lightsteelblue b0c4de
lightyellow ffffe0
lime 00ff00
limegreen 32cd32
linen faf0e6
magenta ff00ff
maroon 800000
mediumaquamarine 66cdaa
mediumblue 0000cd
mediumorchid ba55d3
mediumpurple 9370db
mediumseagreen 3cb371
mediumslateblue 7b68ee
mediumspringgreen 00fa9a
mediumturquoise 48d1cc
mediumvioletred c71585
midnightblue 191970
mintcream f5fffa
mistyrose ffe4e1
moccasin ffe4b5
navajowhite ffdead
navy 000080
oldlace fdf5e6
olive 808000
olivedrab 6b8e23
orange ffa500
orangered ff4500
orchid da70d6
palegoldenrod eee8aa
palegreen 98fb98
paleturquoise afeeee
palevioletred db7093
papayawhip ffefd5
peachpuff ffdab9
peru cd853f
pink ffc0cb
plum dda0dd
powderblue b0e0e6
purple 800080
rebeccapurple 663399
red ff0000
rosybrown bc8f8f
royalblue 4169e1
saddlebrown 8b4513
salmon fa8072
sandybrown f4a460
seagreen 2e8b57
seashell fff5ee
sienna a0522d
silver c0c0c0
skyblue 87ceeb
slateblue 6a5acd
slategray 708090
slategrey 708090
snow fffafa
springgreen 00ff7f
steelblue 4682b4
tan d2b48c
teal 008080
thistle d8bfd8
tomato ff6347
turquoise 40e0d0
violet ee82ee
wheat f5deb3
white ffffff
whitesmoke f5f5f5
yellow ffff00
yellowgreen 9acd32
"""

# The Material Design colour palette of 2014: per hue the shades 50, 100 to
# 900, then the accents A100, A200, A400, A700 (brown, grey and blue grey have
# none); black and white close the set.
MATERIAL = """
red        ffebee ffcdd2 ef9a9a e57373 ef5350 f44336 e53935 d32f2f c62828 b71c1c ff8a80 ff5252 ff1744 d50000
pink       fce4ec f8bbd0 f48fb1 f06292 ec407a e91e63 d81b60 c2185b ad1457 880e4f ff80ab ff4081 f50057 c51162
purple     f3e5f5 e1bee7 ce93d8 ba68c8 ab47bc 9c27b0 8e24aa 7b1fa2 6a1b9a 4a148c ea80fc e040fb d500f9 aa00ff
deeppurple ede7f6 d1c4e9 b39ddb 9575cd 7e57c2 673ab7 5e35b1 512da8 4527a0 311b92 b388ff 7c4dff 651fff 6200ea
indigo     e8eaf6 c5cae9 9fa8da 7986cb 5c6bc0 3f51b5 3949ab 303f9f 283593 1a237e 8c9eff 536dfe 3d5afe 304ffe
blue       e3f2fd bbdefb 90caf9 64b5f6 42a5f5 2196f3 1e88e5 1976d2 1565c0 0d47a1 82b1ff 448aff 2979ff 2962ff
lightblue  e1f5fe b3e5fc 81d4fa 4fc3f7 29b6f6 03a9f4 039be5 0288d1 0277bd 01579b 80d8ff 40c4ff 00b0ff 0091ea
cyan       e0f7fa b2ebf2 80deea 4dd0e1 26c6da 00bcd4 00acc1 0097a7 00838f 006064 84ffff 18ffff 00e5ff 00b8d4
teal       e0f2f1 b2dfdb 80cbc4 4db6ac 26a69a 009688 00897b 00796b 00695c 004d40 a7ffeb 64ffda 1de9b6 00bfa5
green      e8f5e9 c8e6c9 a5d6a7 81c784 66bb6a 4caf50 43a047 388e3c 2e7d32 1b5e20 b9f6ca 69f0ae 00e676 00c853
lightgreen f1f8e9 dcedc8 c5e1a5 aed581 9ccc65 8bc34a 7cb342 689f38 558b2f 33691e ccff90 b2ff59 76ff03 64dd17
lime       f9fbe7 f0f4c3 e6ee9c dce775 d4e157 cddc39 c0ca33 afb42b 9e9d24 827717 f4ff81 eeff41 c6ff00 aeea00
yellow     fffde7 fff9c4 fff59d fff176 ffee58 ffeb3b fdd835 fbc02d f9a825 f57f17 ffff8d ffff00 ffea00 ffd600
amber      fff8e1 ffecb3 ffe082 ffd54f ffca28 ffc107 ffb300 ffa000 ff8f00 ff6f00 ffe57f ffd740 ffc400 ffab00
orange     fff3e0 ffe0b2 ffcc80 ffb74d ffa726 ff9800 fb8c00 f57c00 ef6c00 e65100 ffd180 ffab40 ff9100 ff6d00
deeporange fbe9e7 ffccbc ffab91 ff8a65 ff7043 ff5722 f4511e e64a19 d84315 bf360c ff9e80 ff6e40 ff3d00 dd2c00
brown      efebe9 d7ccc8 bcaaa4 a1887f 8d6e63 795548 6d4c41 5d4037 4e342e 3e2723
grey       fafafa f5f5f5 eeeeee e0e0e0 bdbdbd 9e9e9e 757575 616161 424242 212121
bluegrey   eceff1 cfd8dc b0bec5 90a4ae 78909c 607d8b 546e7a 455a64 37474f 263238
black      000000
white      ffffff
"""

# The flat UI colours: five columns of a base colour over its darker shade,
# then the warm and neutral ones.
FLAT_UI = """
turquoise 1abc9c
emerald 2ecc71
peterriver 3498db
amethyst 9b59b6
wetasphalt 34495e
greensea 16a085
nephritis 27ae60
belizehole 2980b9
wisteria 8e44ad
midnightblue 2c3e50
sunflower f1c40f
carrot e67e22
alizarin e74c3c
clouds ecf0f1
concrete 95a5a6
orange f39c12
pumpkin d35400
pomegranate c0392b
silver bdc3c7
asbestos 7f8c8d
"""

# Solarized: the eight base tones from dark to light, then the eight accents.
SOLARIZED = """
base03 002b36
base02 073642
base01 586e75
base00 657b83
base0 839496
base1 93a1a1
base2 eee8d5
base3 fdf6e3
yellow b58900
orange cb4b16
red dc322f
magenta d33682
violet 6c71c4
blue 268bd2
cyan 2aa198
green 859900
"""

# The Tango desktop palette: three tones of seven hues, six of aluminium.
TANGO = """
butter fce94f edd400 c4a000
orange fcaf3e f57900 ce5c00
chocolate e9b96e c17d11 8f5902
chameleon 8ae234 73d216 4e9a06
skyblue 729fcf 3465a4 204a87
plum ad7fa8 75507b 5c3566
scarletred ef2929 cc0000 a40000
aluminium eeeeec d3d7cf babdb6 888a85 555753 2e3436
"""


def rgb(hexcode):
    assert len(hexcode) == 6, hexcode
    return tuple(int(hexcode[i:i + 2], 16) for i in (0, 2, 4))


def table(text):
    """(name, [colours]) per line of `text`."""
    rows = []
    for line in text.strip().splitlines():
        name, *codes = line.split()
        rows.append((name, [rgb(c) for c in codes]))
    return rows


def flat(text):
    return [c for _, codes in table(text) for c in codes]


def css_named():
    rows = table(CSS_NAMED)
    names = [n for n, _ in rows]
    assert names == sorted(names) and len(set(names)) == len(names) == 148
    assert {"gray", "grey", "darkslategray", "darkslategrey", "rebeccapurple"} <= set(names)
    return [codes[0] for _, codes in rows]


def material():
    rows = table(MATERIAL)
    for name, codes in rows:
        assert len(codes) in (1, 10, 14), name
    colors = [c for _, codes in rows for c in codes]
    assert len(colors) == 256
    return colors


def web_safe():
    steps = range(0, 256, 51)
    return [(r, g, b) for r in steps for g in steps for b in steps]


def grey_ramp():
    # #000, #111, ... #FFF: the sixteen greys of the short hex form.
    return [(v, v, v) for v in range(0, 256, 17)]


LIBRARIES = {
    "CSS Named Colors": css_named,
    "Web Safe Colors": web_safe,
    "Grey Ramp": grey_ramp,
    "Material Design": material,
    "Flat UI": lambda: flat(FLAT_UI),
    "Solarized": lambda: flat(SOLARIZED),
    "Tango": lambda: flat(TANGO),
}


def content(colors):
    return b"".join(b"%d\t%d\t%d\r\n" % c for c in colors)


def main(argv):
    check = "--check" in argv[1:]
    folder = pathlib.Path(__file__).resolve().parent.parent / "library"
    folder.mkdir(exist_ok=True)
    stale = []
    for name, make in LIBRARIES.items():
        colors = make()
        assert all(0 <= v <= 255 for c in colors for v in c), name
        path = folder / f"{name}.cbl"
        data = content(colors)
        if check:
            if not path.exists() or path.read_bytes() != data:
                stale.append(path.name)
        else:
            path.write_bytes(data)
            print(f"{path.name}: {len(colors)} colours")
    if stale:
        print("out of date: " + ", ".join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
