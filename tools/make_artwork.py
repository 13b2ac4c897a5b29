#!/usr/bin/env python3
"""Writes the program icon, the two status-hint pictures and the desktop icons.

All pictures come from the pixel art in this file. The encoders are written out
by hand and add no timestamps, so the bytes depend only on this script and on
zlib's deflate, which tools/check_artwork.sh relies on.

    tools/make_artwork.py [ROOT]    ROOT defaults to the repository root
"""
import struct
import sys
import zlib
from pathlib import Path

APP_ID = "org.example.BitCalc"

# The classic 16-colour palette, in its usual index order.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
# One letter per palette index; "." is transparent.
VGA_KEYS = "krgonptsdRGYBMCW"

ICON = """
..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..
.kBBBBBBBBBBBBBBBBBBBBBBBBBBBBk.
kBnnnnnnnnnnnnnnnnnnnnnnnnnnnnnk
kBnkkkkkkkkkkkkkkkkkkkkkkkkkknnk
kBnkggggggggggggggggggggggggknnk
kBnkggGGgggggGgggggGggggGGggknnk
kBnkgGggGgggGGggggGGgggGggGgknnk
kBnkgGggGggggGgggggGgggGggGgknnk
kBnkgGggGggggGgggggGgggGggGgknnk
kBnkgGggGggggGgggggGgggGggGgknnk
kBnkggGGggggGGGgggGGGgggGGggknnk
kBnkggggggggggggggggggggggggknnk
kBnkkkkkkkkkkkkkkkkkkkkkkkkkknnk
kBnnnnnnnnnnnnnnnnnnnnnnnnnnnnnk
kBnnnnnnnnnnnnnnnnnnnnnnnnnnnnnk
kBnnkkkkkkkkknnnnnnkkkkkknnnnnnk
kBnnkGGGGGGGknnnnnkssssssknnnnnk
kBnnkGGGGGGGknnnnkssskksssknnnnk
kBnnkGGGGGGGknnnksskkRRkkssknnnk
kBnnkGGGGGGGknnksskRWWRRRkddknnk
kBnnkGGGGGGGknnksskRWWRRRkddknnk
kBnnkGGGGGGGknnkskRRRRRRRrkdknnk
kBnnkWWWWWWWknnkskRRRRRRrrkdknnk
kBnnkWsssssdknnksskRRRRrrkddknnk
kBnnkWsdddsdknnksskRRRrrrkddknnk
kBnnkWsWWWsdknnnksskkrrkkddknnnk
kBnnkWsssssdknnnnksddkkdddknnnnk
kBnnkWddddddknnnnnkddddddknnnnnk
kBnnkkkkkkkkknnnnnnkkkkkknnnnnnk
kBnnnnnnnnnnnnnnnnnnnnnnnnnnnnnk
.knnnnnnnnnnnnnnnnnnnnnnnnnnnnk.
..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..
"""

# Colours of the two hint pictures; "." is each picture's background.
HINT_COLOURS = {
    "k": (0, 0, 0), "W": (255, 255, 255), "s": (200, 200, 200), "d": (128, 128, 128),
    "R": (220, 40, 40), "r": (168, 20, 30), "m": (112, 10, 20), "P": (250, 130, 120),
    "Y": (255, 210, 40), "y": (255, 240, 160), "o": (200, 140, 0),
    "n": (40, 70, 140), "b": (90, 130, 200), "g": (60, 140, 60),
}
MAGENTA = (255, 0, 255)
WHITE = (255, 255, 255)

FREEWARE = """
..............................................
..............................................
..............................................
..............................................
..........................................y...
................kkkkk....kkkkk...........yWy..
.............kkkYYYkkkkkkkkYYYkkk.........y...
....y......kkYYYYYYYYYkkYYYYYYYYYkk...........
...yWy...kkYYYYYYYYYYYkkYYYYYYYYYYYkk.........
....y...kkYYYYoooookkkkkkkkoooooYYYYkk........
........kYYYoooooookyyyyyykoooooooYYYk........
.......kkYYYoooooookyYYYYokoooooooYYYkk.......
.......kkYYYoooooYYkyYYYYokYYoooooYYYkk.......
.......kkYYYYYYYYYYkyYYYYokYYYYYYYYYYkk.......
.......kkYYYYYYYYYkkyYYYYokkYYYYYYYYYkk.......
........kkkkYYYkkk.kyoooook.kkkYYYkkkk........
......kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk......
......kPPPPPPPPPPPPPyYYYYoPPPPPPPPPPPPPk......
......kRRRRRRRRRRRRRyYYYYoRRRRRRRRRRRRRk......
......kRRRRRRRRRRRRRyYYYYoRRRRRRRRRRRRRk......
......kRRRRRRRRRRRRRyYYYYoRRRRRRRRRRRRRk......
......kRRRRRRRRRRRRRyYYYYoRRRRRRRRRRRRRk......
......krrrrrrrrrrrrroooooorrrrrrrrrrrrrk......
......kkkkkkkkkkkkkkyYYYYokkkkkkkkkkkkkk......
........kmmmmmmmmmmmoooooommmmmmmmmmmk........
........kRrrrrrrrrrryYYYYorrrrrrrrrrmk........
........kRrrrrrrrrrryYYYYorrrrrrrrrrmk........
........kRrrrrrrrrrryYYYYorrrrrrrrrrmk........
........kRrrrrrrrrrryYYYYorrrrrrrrrrmk........
........kRrrrrrrrrrryYYYYorrrrrrrrrrmk...y....
........kRrrrrrrrrrryYYYYorrrrrrrrrrmk..yWy...
........kRrrrrrrrrrryYYYYorrrrrrrrrrmk...y....
........kRrrrrrrrrrryYYYYorrrrrrrrrrmk........
...y....kRrrrrrrrrrryYYYYorrrrrrrrrrmk........
..yWy...kRrrrrrrrrrryYYYYorrrrrrrrrrmk........
...y....kRrrrrrrrrrryYYYYorrrrrrrrrrmk........
........kRrrrrrrrrrryYYYYorrrrrrrrrrmk........
........kRrrrrrrrrrryYYYYorrrrrrrrrrmk........
........kRrrrrrrrrrryYYYYorrrrrrrrrrmk........
........kRrrrrrrrrrryYYYYorrrrrrrrrrmk........
........kRmmmmmmmmmmyYYYYommmmmmmmmmmk........
........kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk........
..............................................
..............................................
..............................................
..............................................
"""

MAKER = """
...........................ddd..
.......................dd.dsssd.
......................dWsddsssd.
.....................dWWssdsssd.
.....................dWWssdddd..
.....................dssssd.....
......................dssd......
....................kkkkkkk.....
....................kdddddk.....
.....................krrrk......
........k.....k.....kkrrrk......
........k.....k.....kkWWWk......
.......kk....kk....kkkrrrk......
......knk...knk...knkkrrrk......
.....knnk..knnk..knnkkWWWk......
....knnnk.knnnk.knnnkkkkkkkkkk..
..kknnnnkknnnnkknnnnknnnnnnnnk..
..knnnnnnnnnnnnnnnnnnnnnnnnnnk..
..knnnnnnnnnnnnnnnnnnnnYYYYnnk..
..knnYYYnnnYYYnnnYYYnnnYYYYnnk..
..knnYYYnnnYYYnnnYYYnnnYYYYnnk..
..knnYYYnnnYYYnnnYYYnnnnnnnnnk..
..knnnnnnnnnnnnnnnnnnnnnnnnnnk..
..knnnnnnnnnnnnnnnnnnnnssssnnk..
..knnnnnnnnnnnnnnnnnnnnddddnnk..
..knnnnnnnnnnnnnnnnnnnnddddnnk..
..knnnnnnnnnnnnnnnnnnnnddddnnk..
..knnnnnnnnnnnnnnnnnnnnddddnnk..
..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..
.gggggggggggggggggggggggggggggg.
................................
................................
"""


def parse(art, colours, background):
    """Turns art into rows of RGBA tuples; the background gets alpha 0."""
    rows = art.split()
    assert len({len(r) for r in rows}) == 1, "ragged pixel art"
    bg = background + (0,)
    return [[bg if c == "." else colours[c] + (255,) for c in r] for r in rows]


def bmp24(pixels):
    """Uncompressed bottom-up BMP; alpha is dropped."""
    w, h = len(pixels[0]), len(pixels)
    pad = b"\0" * (-3 * w % 4)
    body = b"".join(
        b"".join(bytes((b, g, r)) for r, g, b, _ in row) + pad for row in reversed(pixels)
    )
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(body), 0, 0, 54) + header + body


def ico16(art):
    """A single 32 x 32 icon image: 4-bit colour plus its 1-bit AND mask."""
    rows = art.split()
    w, h = len(rows[0]), len(rows)
    index = [[VGA_KEYS.index(c) if c != "." else 0 for c in r] for r in rows]
    xor = b"".join(
        bytes(r[x] << 4 | r[x + 1] for x in range(0, w, 2)) for r in reversed(index)
    )
    mask = b"".join(
        int("".join("1" if c == "." else "0" for c in r), 2).to_bytes(w // 8, "big")
        + b"\0" * (-(w // 8) % 4)
        for r in reversed(rows)
    )
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA)
    image = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 4, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image += palette + xor + mask
    entry = struct.pack("<BBBBHHII", w, h, 16, 0, 1, 4, len(image), 22)
    return struct.pack("<HHH", 0, 1, 1) + entry + image


def png(pixels):
    """8-bit RGBA PNG, no optional chunks."""
    w, h = len(pixels[0]), len(pixels)
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    ihdr = struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def svg(pixels):
    """One crisp rectangle per horizontal run of equal opaque pixels."""
    w, h = len(pixels[0]), len(pixels)
    rects = []
    for y, row in enumerate(pixels):
        x = 0
        while x < w:
            end = x
            while end < w and row[end] == row[x]:
                end += 1
            r, g, b, a = row[x]
            if a:
                rects.append(f'<rect x="{x}" y="{y}" width="{end - x}" height="1" '
                             f'fill="#{r:02x}{g:02x}{b:02x}"/>')
            x = end
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
            f'viewBox="0 0 {w} {h}" shape-rendering="crispEdges">\n'
            + "\n".join(rects) + "\n</svg>\n").encode()


def scaled(pixels, size):
    """Nearest-neighbour up-scaling; halving averages each 2 x 2 block instead,
    weighting colour by alpha, so one-pixel lines fade rather than vanish."""
    n = len(pixels)
    if size * 2 == n:
        out = []
        for y in range(0, n, 2):
            row = []
            for x in range(0, n, 2):
                block = [pixels[y + dy][x + dx] for dy in (0, 1) for dx in (0, 1)]
                alpha = sum(p[3] for p in block)
                rgb = tuple((sum(p[i] * p[3] for p in block) + alpha // 2) // alpha if alpha else 0
                            for i in range(3))
                row.append(rgb + ((alpha + 2) // 4,))
            out.append(row)
        return out
    return [[pixels[y * n // size][x * n // size] for x in range(size)] for y in range(size)]


def artwork():
    """Every generated file, keyed by its path relative to the repository root."""
    icon = parse(ICON, dict(zip(VGA_KEYS, VGA)), (0, 0, 0))
    files = {
        "resources/bitcalc.ico": ico16(ICON),
        "resources/hint_freeware.bmp": bmp24(parse(FREEWARE, HINT_COLOURS, MAGENTA)),
        "resources/hint_maker.bmp": bmp24(parse(MAKER, HINT_COLOURS, WHITE)),
        f"packaging/icons/hicolor/scalable/apps/{APP_ID}.svg": svg(icon),
    }
    for size in (16, 32, 48, 64, 128, 256):
        files[f"packaging/icons/hicolor/{size}x{size}/apps/{APP_ID}.png"] = png(scaled(icon, size))
    return files


def main():
    root = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent
    for name, data in artwork().items():
        path = root / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)


if __name__ == "__main__":
    main()
