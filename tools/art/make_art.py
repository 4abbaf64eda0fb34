#!/usr/bin/env python3
"""Draw the installer's and uninstaller's artwork and write it as ICO and BMP files.

Everything here is our own drawing: the icons are hand-placed pixel grids, the
wizard bitmaps are drawn from a few anti-aliased shapes and reduced to a
256-colour palette.  Standard library only; every run writes the same bytes.

    python3 tools/art/make_art.py            # write the files, then read them back
    python3 tools/art/make_art.py --check    # only read the committed files back
"""

import math
import struct
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
SETUP_ICON = ROOT / "resources" / "art" / "setup.ico"
WELCOME_BMP = ROOT / "resources" / "art" / "welcome.bmp"
HEADER_BMP = ROOT / "resources" / "art" / "header.bmp"
UNINSTALL_ICON = ROOT / "uninstaller" / "res" / "uninstall.ico"

# ---------------------------------------------------------------------------
# Icons: pixel grids.
#
#   .  transparent          K  outline            W  paper
#   p  paper shade          l  printed line       L  lid (top face)
#   H  lid highlight        M  lid/front edge     D  front face
#   S  paper slot           G  status light       g  light's glint
#   R  red badge            r  badge rim          w  white bar on the badge
# ---------------------------------------------------------------------------

PRINTER_32 = [
    "................................",
    "..........KKKKKKKKKKKK..........",
    "..........KWWWWWWWWWpK..........",
    "..........KWlllllllWpK..........",
    "..........KWWWWWWWWWpK..........",
    "..........KWllllWWWWpK..........",
    "..........KWWWWWWWWWpK..........",
    "..........KWlllllllWpK..........",
    "..........KWWWWWWWWWpK..........",
    "..........KWlllllWWWpK..........",
    "..........KWWWWWWWWWpK..........",
    "..........KWWWWWllWWpK..........",
    "..........KWWWWWWWWWpK..........",
    "...KKKKKKKKWWWWWWWWWpKKKKKKKK...",
    "..KHHHHHHHKWWWWWWWWWpKHHHHHHHK..",
    "..KLLLLLLLKWWWWWWWWWpKLLLLLLLK..",
    "..KLLLLLSSSSSSSSSSSSSSSSLLLLLK..",
    "..KLLLLLLLLLLLLLLLLLLLLLLLLLLK..",
    "..KMMMMMMMMMMMMMMMMMMMMMMMMMMK..",
    "..KDDDDDDDDDDDDDDDDDDDDDDDDDDK..",
    "..KDDDDDDDDDDDDDDDDDDDDDDDDDDK..",
    "..KDDDDDDDDDDDDDDDDDDDDDGGDDDK..",
    "..KDDDDDDDDDDDDDDDDDDDDDGgDDDK..",
    "..KDDDDDDDDDDDDDDDDDDDDDDDDDDK..",
    "..KDDDDDDDDDDDDDDDDDDDDDDDDDDK..",
    "..KDDDDDDDDDDDDDDDDDDDDDDDDDDK..",
    "..KDDDDDDDDDDDDDDDDDDDDDDDDDDK..",
    "..KDDDDDDDDDDDDDDDDDDDDDDDDDDK..",
    "...KKKKKKKKKKKKKKKKKKKKKKKKKK...",
    ".....KKKK..............KKKK.....",
    "................................",
    "................................",
]

PRINTER_16 = [
    "................",
    ".....KKKKKK.....",
    ".....KWWWpK.....",
    ".....KWllpK.....",
    ".....KWWWpK.....",
    ".....KWlWpK.....",
    "..KKKKWWWpKKKK..",
    ".KHHHKWWWpKHHHK.",
    ".KLLSSSSSSSSLLK.",
    ".KLLLLLLLLLLLLK.",
    ".KMMMMMMMMMMMMK.",
    ".KDDDDDDDDDDDDK.",
    ".KDDDDDDDDDGDDK.",
    ".KDDDDDDDDDDDDK.",
    "..KKKKKKKKKKKK..",
    "...KK......KK...",
]

# The 16 colours every display of that depth has; 4-bit images use them.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# Which of those 16 each grid letter takes.
ICON_COLOURS_16 = {
    "K": (0, 0, 0), "W": (255, 255, 255), "p": (192, 192, 192),
    "l": (128, 128, 128), "L": (192, 192, 192), "H": (255, 255, 255),
    "M": (128, 128, 128), "D": (128, 128, 128), "S": (0, 0, 0),
    "G": (0, 255, 0), "g": (255, 255, 255), "R": (255, 0, 0),
    "r": (128, 0, 0), "w": (255, 255, 255),
}

# The finer shades for the 256-colour images.
ICON_COLOURS_256 = {
    "K": (30, 33, 38), "W": (255, 255, 255), "p": (212, 217, 224),
    "l": (128, 136, 148), "L": (150, 157, 168), "H": (188, 194, 203),
    "M": (98, 105, 116), "D": (66, 72, 82), "S": (14, 15, 18),
    "G": (40, 200, 96), "g": (170, 250, 190), "R": (224, 44, 44),
    "r": (146, 18, 18), "w": (255, 255, 255),
}


def with_badge(grid, diameter, bar):
    """Put a red circle with a white minus in the bottom-right corner."""
    rows = [list(r) for r in grid]
    size = len(rows)
    left = size - diameter
    centre = left + (diameter - 1) / 2.0
    radius = diameter / 2.0
    for y in range(left, size):
        for x in range(left, size):
            d = math.hypot(x - centre, y - centre)
            if d <= radius - 0.05:
                rows[y][x] = "r" if d > radius - 1.25 else "R"
    bar_top = left + (diameter - bar[1]) // 2
    bar_left = left + (diameter - bar[0]) // 2
    for y in range(bar_top, bar_top + bar[1]):
        for x in range(bar_left, bar_left + bar[0]):
            rows[y][x] = "w"
    return ["".join(r) for r in rows]


def check_grid(grid, size):
    assert len(grid) == size, (size, len(grid))
    for row in grid:
        assert len(row) == size, (size, row)
        for ch in row:
            assert ch == "." or ch in ICON_COLOURS_256, ch


def icon_dib(grid, bpp):
    """One icon image: BITMAPINFOHEADER (height doubled), palette, XOR bitmap, AND mask."""
    size = len(grid)
    if bpp == 4:
        palette = list(VGA16)
        index = {ch: VGA16.index(rgb) for ch, rgb in ICON_COLOURS_16.items()}
    else:
        used = []
        for row in grid:
            for ch in row:
                if ch != "." and ch not in used:
                    used.append(ch)
        used.sort(key=lambda c: "KWpLHlMDSGgRrw".index(c))
        palette = [(0, 0, 0)]
        index = {}
        for ch in used:
            rgb = ICON_COLOURS_256[ch]
            if rgb not in palette:
                palette.append(rgb)
            index[ch] = palette.index(rgb)
        palette += [(0, 0, 0)] * (256 - len(palette))
    xor_stride = ((size * bpp + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for row in reversed(grid):  # bottom-up
        line = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for x, ch in enumerate(row):
            value = 0 if ch == "." else index[ch]
            if bpp == 4:
                line[x // 2] |= value << (4 if x % 2 == 0 else 0)
            else:
                line[x] = value
            if ch == ".":
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += line
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bpp, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    quads = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + quads + bytes(xor) + bytes(mask)


def icon_file(images):
    """images: list of (grid, bpp)."""
    head = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    blobs = b""
    for grid, bpp in images:
        dib = icon_dib(grid, bpp)
        size = len(grid)
        entries += struct.pack("<BBBBHHII", size, size, 16 if bpp == 4 else 0, 0,
                               1, bpp, len(dib), offset)
        blobs += dib
        offset += len(dib)
    return head + entries + blobs


# ---------------------------------------------------------------------------
# Wizard bitmaps: shapes drawn with anti-aliased edges on an RGB canvas.
# ---------------------------------------------------------------------------

def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


class Canvas:
    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.px = [[background(x, y) for x in range(width)] for y in range(height)]

    def paint(self, box, coverage, colour, alpha=1.0):
        """Blend colour (an RGB tuple or a function of x, y) where coverage(x, y) > 0."""
        x0, y0, x1, y1 = box
        for y in range(max(0, int(math.floor(y0)) - 1), min(self.height, int(math.ceil(y1)) + 1)):
            row = self.px[y]
            for x in range(max(0, int(math.floor(x0)) - 1), min(self.width, int(math.ceil(x1)) + 1)):
                a = coverage(x + 0.5, y + 0.5) * alpha
                if a <= 0.0:
                    continue
                c = colour(x + 0.5, y + 0.5) if callable(colour) else colour
                row[x] = mix(row[x], c, a)


def rounded_rect_distance(px, py, x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r
    qx, qy = abs(px - cx) - hx, abs(py - cy) - hy
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    inside = min(max(qx, qy), 0.0)
    return outside + inside - r


def rounded_rect(canvas, x0, y0, x1, y1, r, colour, alpha=1.0, soft=0.0):
    spread = 0.5 + soft

    def cover(px, py):
        d = rounded_rect_distance(px, py, x0, y0, x1, y1, r)
        if soft:
            return clamp(0.5 - d / (2 * spread))
        return clamp(0.5 - d)

    canvas.paint((x0 - spread, y0 - spread, x1 + spread, y1 + spread), cover, colour, alpha)


def ellipse(canvas, cx, cy, rx, ry, colour, alpha=1.0, soft=0.0):
    """A filled ellipse; soft > 0 fades the rim over that fraction of the radii, both ways."""
    def cover(px, py):
        k = math.hypot((px - cx) / rx, (py - cy) / ry)
        if soft:
            t = clamp((1.0 + soft - k) / (2 * soft))
            return t * t * (3 - 2 * t)
        return clamp(0.5 - (k - 1.0) * min(rx, ry))

    grow = 1.0 + soft
    canvas.paint((cx - rx * grow - 1, cy - ry * grow - 1, cx + rx * grow + 1, cy + ry * grow + 1),
                 cover, colour, alpha)


def vertical(top_colour, bottom_colour, y0, y1):
    def colour(px, py):
        return mix(top_colour, bottom_colour, clamp((py - y0) / (y1 - y0)))
    return colour


def draw_printer(canvas, cx, body_top, u, paper_length, shadow, detail=True):
    """The receipt printer, 100 units wide, with its paper slip rising out of the slot."""
    ox = cx - 50 * u

    def X(v):
        return ox + v * u

    def Y(v):
        return body_top + v * u

    # Shadow on whatever lies below.
    ellipse(canvas, cx, Y(73), 56 * u, 5 * u, shadow[0], alpha=shadow[1], soft=0.5)

    # Feet, front face, lid.
    rounded_rect(canvas, X(10), Y(66), X(26), Y(74), 2 * u, (30, 33, 38))
    rounded_rect(canvas, X(74), Y(66), X(90), Y(74), 2 * u, (30, 33, 38))
    rounded_rect(canvas, X(0), Y(12), X(100), Y(70), 8 * u,
                 vertical((78, 85, 96), (52, 57, 66), Y(24), Y(70)))
    rounded_rect(canvas, X(0), Y(60), X(100), Y(70), 7 * u, (42, 46, 53))
    rounded_rect(canvas, X(1), Y(0), X(99), Y(24), 9 * u,
                 vertical((196, 202, 211), (138, 145, 156), Y(0), Y(24)))
    rounded_rect(canvas, X(1), Y(22.5), X(99), Y(25), 1 * u, (36, 40, 46), alpha=0.85)

    # The slot, the paper leaving it, and the tear bar over the paper's foot.
    rounded_rect(canvas, X(16), Y(6), X(84), Y(12), 2.5 * u, (18, 20, 24))
    paper_x0, paper_x1 = X(24), X(76)
    paper_top = Y(9 - paper_length)
    tooth = 4.0 * u

    def paper_shape(grow):
        def cover(px, py):
            t = ((px - paper_x0) / (2 * tooth)) % 1.0
            edge = paper_top + abs(t - 0.5) * 2 * (tooth * 0.6) - grow
            c = (clamp(py - edge + 0.5) * clamp(px - paper_x0 + grow + 0.5)
                 * clamp(paper_x1 + grow - px + 0.5))
            return c * clamp(Y(9.5) - py + 0.5)
        return cover

    def paper_colour(px, py):
        shade = clamp((px - (paper_x1 - 6 * u)) / (6 * u))
        return mix((253, 253, 251), (216, 221, 228), shade * 0.8)

    # A faint rim keeps the paper apart from a light background.
    rim = max(0.8, 0.6 * u)
    canvas.paint((paper_x0 - rim, paper_top - rim, paper_x1 + rim, Y(10)), paper_shape(rim),
                 (120, 128, 140), alpha=0.55)
    canvas.paint((paper_x0, paper_top, paper_x1, Y(10)), paper_shape(0.0), paper_colour)

    if detail:
        lines = [(0.0, 0.62), (0.0, 0.80), (0.0, 0.45), None, (0.0, 0.72), (0.0, 0.56),
                 None, (0.0, 0.30), (0.55, 1.0)]
        step = 7.0
        text_left, text_width = 31.0, 38.0
        y = 9 - paper_length + 8.0
        for line in lines:
            if y + 3 > 2:
                break
            if line:
                a, b = line
                thick = 3.4 if line == lines[-1] else 2.6
                rounded_rect(canvas, X(text_left + a * text_width), Y(y),
                             X(text_left + b * text_width), Y(y + thick), 1.2 * u,
                             (150, 158, 170) if line != lines[-1] else (96, 104, 116))
            y += step
    else:
        for y, w in ((-26.0, 0.7), (-18.0, 0.9), (-10.0, 0.5)):
            if 9 - paper_length < y:
                rounded_rect(canvas, X(32), Y(y), X(32 + 36 * w), Y(y + 4), 1.5 * u, (150, 158, 170))

    rounded_rect(canvas, X(13), Y(9), X(87), Y(14), 2 * u,
                 vertical((224, 229, 236), (120, 127, 138), Y(9), Y(14)))

    # Feed button and status light on the front.
    rounded_rect(canvas, X(62), Y(38), X(76), Y(45), 2.5 * u,
                 vertical((108, 116, 128), (80, 87, 98), Y(38), Y(45)))
    ellipse(canvas, X(86), Y(41.5), 6 * u, 6 * u, (70, 230, 120), alpha=0.30, soft=0.5)
    ellipse(canvas, X(86), Y(41.5), 3.2 * u, 3.2 * u, (56, 206, 104))
    ellipse(canvas, X(85.2), Y(40.6), 1.2 * u, 1.2 * u, (196, 255, 214), alpha=0.9)


def welcome_canvas():
    width, height = 164, 314
    top, bottom = (14, 46, 102), (84, 146, 212)

    def background(x, y):
        t = (y + 0.5) / height
        return mix(top, bottom, t * t * (3 - 2 * t) * 0.9 + t * 0.1)

    c = Canvas(width, height, background)
    # A soft light behind the printer.
    ellipse(c, 82, 132, 80, 80, (120, 178, 236), alpha=0.22, soft=0.7)
    draw_printer(c, 82, 140, 1.16, 78, ((6, 20, 50), 0.45))
    return c


def header_canvas():
    c = Canvas(53, 53, lambda x, y: (255, 255, 255))
    draw_printer(c, 26.5, 17.0, 0.42, 40, ((90, 100, 116), 0.30), detail=False)
    return c


def median_cut(counts, limit):
    """Reduce a {rgb: count} table to at most `limit` colours, deterministically."""
    boxes = [sorted(counts.items())]
    while len(boxes) < limit:
        best, best_score, best_axis = None, 0, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for axis in range(3):
                lo = min(c[axis] for c, _ in box)
                hi = max(c[axis] for c, _ in box)
                weight = sum(n for _, n in box)
                score = (hi - lo) * math.sqrt(weight)
                if score > best_score:
                    best, best_score, best_axis = i, score, axis
        if best is None:
            break
        box = sorted(boxes[best], key=lambda e: (e[0][best_axis], e[0]))
        total = sum(n for _, n in box)
        run, cut = 0, 1
        for k, (_, n) in enumerate(box):
            run += n
            if run * 2 >= total:
                cut = k + 1
                break
        cut = min(max(cut, 1), len(box) - 1)
        boxes[best:best + 1] = [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple(int(round(sum(c[i] * n for c, n in box) / total)) for i in range(3)))
    return palette


def to_indexed(canvas, keep=()):
    """Palette and index rows; colours in `keep` stay exact (such as a white to match the window)."""
    rows = [[tuple(int(round(clamp(v, 0, 255))) for v in p) for p in row] for row in canvas.px]
    counts = {}
    for row in rows:
        for p in row:
            counts[p] = counts.get(p, 0) + 1
    rest = {c: n for c, n in counts.items() if c not in keep}
    palette = sorted(set(median_cut(rest, 256 - len(keep))) | set(keep), key=lambda c: (sum(c), c))
    nearest = {}
    for colour in sorted(counts):
        nearest[colour] = min(range(len(palette)), key=lambda i: (
            (palette[i][0] - colour[0]) ** 2 * 3 + (palette[i][1] - colour[1]) ** 2 * 4
            + (palette[i][2] - colour[2]) ** 2 * 2, i))
    indices = [[nearest[p] for p in row] for row in rows]
    return palette + [(0, 0, 0)] * (256 - len(palette)), indices


def bmp_file(palette, indices):
    height = len(indices)
    width = len(indices[0])
    stride = (width + 3) // 4 * 4
    pixels = b"".join(bytes(row) + b"\0" * (stride - width) for row in reversed(indices))
    offset = 14 + 40 + 4 * 256
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(pixels),
                       2835, 2835, 256, 0)
    quads = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + quads + pixels


# ---------------------------------------------------------------------------
# Reading the files back.
# ---------------------------------------------------------------------------

def read_info(data, at):
    fields = struct.unpack_from("<IiiHHIIiiII", data, at)
    names = ("size", "width", "height", "planes", "bpp", "compression", "image_size",
             "xppm", "yppm", "colours_used", "colours_important")
    return dict(zip(names, fields))


def check_bmp(path, width, height):
    data = path.read_bytes()
    magic, file_size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    info = read_info(data, 14)
    stride = (width + 3) // 4 * 4
    assert magic == b"BM" and file_size == len(data), path
    assert info["size"] == 40 and info["width"] == width and info["height"] == height, info
    assert info["planes"] == 1 and info["bpp"] == 8 and info["compression"] == 0, info
    assert info["image_size"] == stride * height, info
    assert offset == 14 + 40 + 1024 and len(data) == offset + stride * height, path
    return "%s: %dx%d, 8 bpp, %d bytes" % (path.relative_to(ROOT), width, height, len(data))


def check_ico(path, wanted):
    data = path.read_bytes()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert reserved == 0 and kind == 1 and count == len(wanted), (path, count)
    seen = []
    end = 6 + 16 * count
    for i in range(count):
        w, h, colours, res, planes, bpp, length, offset = struct.unpack_from(
            "<BBBBHHII", data, 6 + 16 * i)
        assert offset == end and offset + length <= len(data), (path, i)
        end = offset + length
        info = read_info(data, offset)
        assert info["size"] == 40 and info["width"] == w and info["height"] == 2 * h, info
        assert info["planes"] == 1 and info["bpp"] == bpp and info["compression"] == 0, info
        assert colours == (16 if bpp == 4 else 0) and res == 0 and planes == 1, path
        xor = ((w * bpp + 31) // 32) * 4 * h
        mask = ((w + 31) // 32) * 4 * h
        assert info["image_size"] == xor + mask, info
        assert length == 40 + 4 * (1 << bpp) + xor + mask, (path, i)
        seen.append((w, bpp))
    assert end == len(data) and seen == wanted, (path, seen)
    return "%s: %s, %d bytes" % (path.relative_to(ROOT),
                                 ", ".join("%dx%d@%dbpp" % (w, w, b) for w, b in seen), len(data))


def check_all():
    return [
        check_ico(SETUP_ICON, [(32, 8), (32, 4), (16, 8), (16, 4)]),
        check_bmp(WELCOME_BMP, 164, 314),
        check_bmp(HEADER_BMP, 53, 53),
        check_ico(UNINSTALL_ICON, [(32, 8), (16, 8)]),
    ]


def build():
    for grid, size in ((PRINTER_32, 32), (PRINTER_16, 16)):
        check_grid(grid, size)
    remove_32 = with_badge(PRINTER_32, 14, (8, 2))
    remove_16 = with_badge(PRINTER_16, 8, (4, 2))
    outputs = {
        SETUP_ICON: icon_file([(PRINTER_32, 8), (PRINTER_32, 4), (PRINTER_16, 8), (PRINTER_16, 4)]),
        UNINSTALL_ICON: icon_file([(remove_32, 8), (remove_16, 8)]),
        WELCOME_BMP: bmp_file(*to_indexed(welcome_canvas())),
        HEADER_BMP: bmp_file(*to_indexed(header_canvas(), keep=[(255, 255, 255)])),
    }
    for path, data in outputs.items():
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)


def main(argv):
    if "--check" not in argv:
        build()
    for line in check_all():
        print(line)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
