#!/usr/bin/env python3
"""Draws the Lunadesk icon (a calendar sheet) and writes it as a Windows .ico.

Usage: make_icon.py OUT.ico [--png-preview DIR]

Every size is laid out by hand on whole pixels so the small images stay crisp;
only the 32-bit images get soft edges and a shadow, since the palette images
have nothing but a 1-bit mask for transparency. Standard library only, and the
output is byte-for-byte deterministic so the build never sees spurious changes.
"""

import argparse
import os
import struct
import sys
import zlib


def Hex(text):
    return (int(text[1:3], 16), int(text[3:5], 16), int(text[5:7], 16))


# Every colour the palette images may use; the 4-bit palette is exactly this list.
BORDER = Hex("#4a5d78")
HEADER_BORDER = Hex("#1b4a96")
HEADER = Hex("#2f74da")
HEADER_LIGHT = Hex("#5b96ec")
HOLE = Hex("#0f3068")
GRID = Hex("#b4c5dc")
CELL = Hex("#f1f6fd")
RED = Hex("#d92b2b")
RING_OUTLINE = Hex("#3e4753")
RING_LIGHT = Hex("#f4f7fa")
RING_MID = Hex("#c3cbd5")
RING_DARK = Hex("#8d98a6")
SHADOW = (0, 0, 0)

PALETTE_16 = [
    (0, 0, 0),  # index 0 sits under the mask's transparent pixels
    BORDER,
    HEADER_BORDER,
    HEADER,
    HEADER_LIGHT,
    HOLE,
    GRID,
    CELL,
    RED,
    RING_OUTLINE,
    RING_LIGHT,
    RING_MID,
    RING_DARK,
    (255, 255, 255),
    (128, 128, 128),
    (192, 192, 192),
]

SAMPLES = 8  # per axis, for coverage


# ---------------------------------------------------------------- shapes


class Rect:
    """Axis-aligned rectangle [x0, x1) x [y0, y1) with corner radius r."""

    def __init__(self, x0, y0, x1, y1, r=0.0):
        self.x0, self.y0, self.x1, self.y1, self.r = x0, y0, x1, y1, r

    def Contains(self, x, y):
        if not (self.x0 <= x < self.x1 and self.y0 <= y < self.y1):
            return False
        r = self.r
        if r <= 0:
            return True
        cx = min(max(x, self.x0 + r), self.x1 - r)
        cy = min(max(y, self.y0 + r), self.y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    def Bounds(self):
        return (self.x0, self.y0, self.x1, self.y1)

    def Inset(self, d):
        # A radius under 1.5 px only smudges one corner pixel; keep such corners square.
        r = self.r - d if self.r - d >= 1.5 else 0
        return Rect(self.x0 + d, self.y0 + d, self.x1 - d, self.y1 - d, r)


class Ellipse:
    def __init__(self, x0, y0, x1, y1):
        self.cx, self.cy = (x0 + x1) / 2, (y0 + y1) / 2
        self.rx, self.ry = (x1 - x0) / 2, (y1 - y0) / 2
        self.box = (x0, y0, x1, y1)

    def Contains(self, x, y):
        dx, dy = (x - self.cx) / self.rx, (y - self.cy) / self.ry
        return dx * dx + dy * dy <= 1.0

    def Bounds(self):
        return self.box


class Clip:
    """The part of one shape that lies inside another."""

    def __init__(self, shape, clip):
        self.shape, self.clip = shape, clip

    def Contains(self, x, y):
        return self.shape.Contains(x, y) and self.clip.Contains(x, y)

    def Bounds(self):
        a, b = self.shape.Bounds(), self.clip.Bounds()
        return (max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3]))


# ---------------------------------------------------------------- canvas


class Canvas:
    """Premultiplied RGBA floats in 0..1, row 0 at the top."""

    def __init__(self, size, hard):
        self.size = size
        self.hard = hard  # whole-pixel coverage only, for the palette images
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]

    def Coverage(self, shape, x, y):
        hits = 0
        for j in range(SAMPLES):
            sy = y + (j + 0.5) / SAMPLES
            for i in range(SAMPLES):
                if shape.Contains(x + (i + 0.5) / SAMPLES, sy):
                    hits += 1
        cover = hits / (SAMPLES * SAMPLES)
        if self.hard:
            return 1.0 if cover >= 0.5 else 0.0
        return cover

    def PixelRange(self, shape):
        x0, y0, x1, y1 = shape.Bounds()
        clamp = lambda v: min(max(int(v), 0), self.size)
        return range(clamp(y0), clamp(-int(-y1))), range(clamp(x0), clamp(-int(-x1)))

    def Fill(self, shape, colour, opacity=1.0):
        rows, cols = self.PixelRange(shape)
        for y in rows:
            for x in cols:
                a = self.Coverage(shape, x, y) * opacity
                if a > 0:
                    self.Blend(x, y, colour, a)

    def Blend(self, x, y, colour, a):
        p = self.px[y * self.size + x]
        keep = 1.0 - a
        for c in range(3):
            p[c] = colour[c] / 255.0 * a + p[c] * keep
        p[3] = a + p[3] * keep

    def Under(self, alphaMap, colour):
        """Composites a colour with per-pixel alpha beneath what is drawn so far."""
        for i, p in enumerate(self.px):
            a = alphaMap[i] * (1.0 - p[3])
            for c in range(3):
                p[c] += colour[c] / 255.0 * a
            p[3] += a

    def Straight(self):
        """Straight (not premultiplied) 8-bit RGBA, row by row from the top."""
        out = []
        for p in self.px:
            a = p[3]
            if a <= 0:
                out.append((0, 0, 0, 0))
                continue
            rgb = tuple(min(255, int(p[c] / a * 255 + 0.5)) for c in range(3))
            out.append(rgb + (min(255, int(a * 255 + 0.5)),))
        return out


# ---------------------------------------------------------------- layout


class Layout:
    """Whole-pixel geometry of the sheet at one size."""

    def __init__(self, size, sheet, radius, headerEnd, margin, cell, gap, rings, ringTop,
                 ringBottom, hole, frameRadius, highlight):
        self.size = size
        self.sheet = Rect(*sheet, radius)
        self.headerEnd = headerEnd
        self.gap = gap
        self.rings = rings  # (x0, x1) per ring
        self.ringTop, self.ringBottom = ringTop, ringBottom
        self.hole = hole  # extra pixels (sides, below) of the hole around a ring's foot
        self.frameRadius = frameRadius
        self.highlight = highlight
        x0, _, x1, y1 = sheet
        # The grid fills the sheet below the header, inside the 1-pixel border.
        cw, ch = cell
        self.columns = [x0 + 1 + margin + i * (cw + gap) for i in range(5)]
        self.rows = [headerEnd + margin + j * (ch + gap) for j in range(3)]
        self.cell = cell
        assert self.columns[-1] + cw + margin + 1 == x1, size
        assert self.rows[-1] + ch + margin + 1 == y1, size

    def Cell(self, col, row):
        x, y = self.columns[col], self.rows[row]
        return Rect(x, y, x + self.cell[0], y + self.cell[1])


LAYOUTS = {
    16: Layout(16, sheet=(0, 2, 16, 15), radius=2, headerEnd=6, margin=0, cell=(2, 2), gap=1,
               rings=[(4, 6), (10, 12)], ringTop=0, ringBottom=4, hole=(0, 1),
               frameRadius=0, highlight=False),
    # The notification area's sizes at 125 % and 150 %.
    20: Layout(20, sheet=(1, 3, 19, 19), radius=2, headerEnd=8, margin=1, cell=(2, 2), gap=1,
               rings=[(5, 7), (12, 14)], ringTop=0, ringBottom=5, hole=(0, 1),
               frameRadius=0, highlight=False),
    24: Layout(24, sheet=(1, 4, 22, 23), radius=2, headerEnd=11, margin=0, cell=(3, 3), gap=1,
               rings=[(6, 8), (15, 17)], ringTop=1, ringBottom=6, hole=(0, 1),
               frameRadius=0, highlight=True),
    32: Layout(32, sheet=(2, 5, 30, 30), radius=3, headerEnd=13, margin=1, cell=(4, 4), gap=1,
               rings=[(9, 13), (19, 23)], ringTop=2, ringBottom=10, hole=(1, 1),
               frameRadius=0, highlight=True),
    48: Layout(48, sheet=(2, 8, 46, 46), radius=4, headerEnd=19, margin=2, cell=(6, 6), gap=2,
               rings=[(13, 19), (29, 35)], ringTop=3, ringBottom=15, hole=(1, 2),
               frameRadius=2, highlight=True),
}

MARKED_CELL = (3, 1)  # column, row of the red-framed day


# ---------------------------------------------------------------- drawing


def DrawSheet(canvas, lay):
    sheet = lay.sheet
    header = Rect(sheet.x0, sheet.y0, sheet.x1, lay.headerEnd)
    body = Rect(sheet.x0, lay.headerEnd, sheet.x1, sheet.y1)
    inner = sheet.Inset(1)
    # Header and body are filled separately so no grid colour bleeds into the
    # header's anti-aliased corners.
    canvas.Fill(Clip(sheet, body), BORDER)
    canvas.Fill(Clip(sheet, header), HEADER_BORDER)
    canvas.Fill(Clip(inner, body), GRID)
    canvas.Fill(Clip(inner, header), HEADER)
    if lay.highlight:
        top = inner.y0
        canvas.Fill(Clip(inner, Rect(inner.x0, top, inner.x1, top + 1)), HEADER_LIGHT)

    for row in range(3):
        for col in range(5):
            canvas.Fill(lay.Cell(col, row), CELL)

    # The marked day: a red frame laid over the grid lines around its cell.
    cell = lay.Cell(*MARKED_CELL)
    g = lay.gap
    frame = Rect(cell.x0 - g, cell.y0 - g, cell.x1 + g, cell.y1 + g, lay.frameRadius)
    canvas.Fill(frame, RED)
    canvas.Fill(cell, CELL)


def DrawRings(canvas, lay):
    top, bottom = lay.ringTop, lay.ringBottom
    side, below = lay.hole
    for x0, x1 in lay.rings:
        width = x1 - x0
        if side or below:
            # The punched hole the ring passes through, peeking out around its foot.
            canvas.Fill(Rect(x0 - side, bottom - 2 - below, x1 + side, bottom + below,
                             (width + 2 * side) / 2.5), HOLE)
        if width <= 2:
            # Too narrow for an outline: two shaded columns read as a metal loop.
            canvas.Fill(Rect(x0, top, x0 + 1, bottom), RING_MID)
            canvas.Fill(Rect(x0 + 1, top, x1, bottom), RING_OUTLINE)
            continue
        ring = Rect(x0, top, x1, bottom, width / 2)
        canvas.Fill(ring, RING_OUTLINE)
        inner = ring.Inset(1)
        # Light from the upper left: bright towards the left edge, darker to the right.
        shades = [RING_LIGHT, RING_MID] if width == 4 else [RING_MID, RING_LIGHT, RING_MID,
                                                            RING_DARK]
        for i, shade in enumerate(shades):
            column = Rect(inner.x0 + i, inner.y0, inner.x0 + i + 1, inner.y1)
            canvas.Fill(Clip(column, inner), shade)


def ShadowMap(lay):
    """Soft alpha of the sheet's drop shadow: the sheet shifted down and blurred."""
    size = lay.size
    shape = Canvas(size, hard=False)
    s = lay.sheet
    offset = 1
    shape.Fill(Rect(s.x0, s.y0 + offset, s.x1, s.y1 + offset, s.r), SHADOW)
    alpha = [p[3] for p in shape.px]
    if size < 32:
        return [a * 0.30 for a in alpha]
    # One pass of a 3x3 box blur keeps the shadow tight at icon sizes.
    blurred = []
    for y in range(size):
        for x in range(size):
            total = 0.0
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    xx, yy = x + dx, y + dy
                    if 0 <= xx < size and 0 <= yy < size:
                        total += alpha[yy * size + xx]
            blurred.append(total / 9.0 * 0.45)
    return blurred


def Render(size, softEdges, shadow):
    lay = LAYOUTS[size]
    canvas = Canvas(size, hard=not softEdges)
    DrawSheet(canvas, lay)
    DrawRings(canvas, lay)
    if shadow:
        canvas.Under(ShadowMap(lay), SHADOW)
    return canvas.Straight()


# ---------------------------------------------------------------- encoding


def Threshold(pixels):
    """Palette images have only a 1-bit mask: a pixel is either in or out."""
    return [p[:3] if p[3] >= 128 else None for p in pixels]


def Nearest(colour, palette):
    best, bestD = 0, None
    for i, q in enumerate(palette):
        if i == 0:
            continue  # reserved for transparent pixels
        d = sum((a - b) ** 2 for a, b in zip(colour, q))
        if bestD is None or d < bestD:
            best, bestD = i, d
    return best


def Palette256(opaque):
    """Entry 0 for transparency, then the image's colours, most frequent first."""
    counts = {}
    for c in opaque:
        if c is not None:
            counts[c] = counts.get(c, 0) + 1
    ranked = sorted(counts, key=lambda c: (-counts[c], c))
    palette = [(0, 0, 0)] + ranked[:255]
    return palette + [(0, 0, 0)] * (256 - len(palette))


def RowBytes(bitsPerRow):
    return (bitsPerRow + 31) // 32 * 4


def PackRows(values, size, bpp):
    """Bottom-up rows of `bpp`-bit values, each padded to 4 bytes."""
    out = bytearray()
    stride = RowBytes(size * bpp)
    for y in reversed(range(size)):
        row = values[y * size:(y + 1) * size]
        packed = bytearray()
        if bpp == 32:
            for v in row:
                packed += bytes(v)
        else:
            perByte = 8 // bpp
            for i in range(0, size, perByte):
                byte = 0
                for k in range(perByte):
                    v = row[i + k] if i + k < size else 0
                    byte |= v << (8 - bpp * (k + 1))
                packed.append(byte)
        out += packed + bytes(stride - len(packed))
    return bytes(out)


def Dib(size, bpp, xorValues, maskBits, palette):
    xor = PackRows(xorValues, size, bpp)
    mask = PackRows(maskBits, size, 1)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bpp, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + colours + xor + mask


def PaletteImage(size, bpp):
    # 4-bit keeps whole-pixel coverage so every pixel is an exact palette colour;
    # 8-bit can afford anti-aliasing where opaque shapes meet opaque shapes.
    opaque = Threshold(Render(size, softEdges=(bpp == 8), shadow=False))
    palette = PALETTE_16 if bpp == 4 else Palette256(opaque)
    index = {c: i for i, c in reversed(list(enumerate(palette))) if i > 0}
    values = [0 if c is None else index.get(c) or Nearest(c, palette) for c in opaque]
    mask = [1 if c is None else 0 for c in opaque]
    preview = [(0, 0, 0, 0) if c is None else palette[v] + (255,)
               for c, v in zip(opaque, values)]
    return Dib(size, bpp, values, mask, palette), preview


def TrueColourImage(size):
    pixels = Render(size, softEdges=True, shadow=True)
    bgra = [(b, g, r, a) for r, g, b, a in pixels]
    mask = [1 if p[3] < 128 else 0 for p in pixels]
    return Dib(size, 32, bgra, mask, []), pixels


IMAGES = [(16, 4), (16, 8), (16, 32), (20, 32), (24, 32), (32, 4), (32, 8), (32, 32), (48, 8),
          (48, 32)]


def BuildIcon():
    """Returns the .ico bytes and an RGBA preview of each image."""
    entries = []
    for size, bpp in IMAGES:
        dib, preview = TrueColourImage(size) if bpp == 32 else PaletteImage(size, bpp)
        entries.append((size, bpp, dib, preview))
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, bpp, dib, _ in entries:
        colourCount = 16 if bpp == 4 else 0
        out += struct.pack("<BBBBHHII", size, size, colourCount, 0, 1, bpp, len(dib), offset)
        offset += len(dib)
    for _, _, dib, _ in entries:
        out += dib
    return out, [(size, bpp, preview) for size, bpp, _, preview in entries]


def Png(size, pixels):
    def Chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = bytearray()
    for y in range(size):
        raw.append(0)  # no filter
        for p in pixels[y * size:(y + 1) * size]:
            raw += bytes(p)
    ihdr = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + Chunk(b"IHDR", ihdr) + Chunk(b"IDAT", zlib.compress(raw, 9)) +
            Chunk(b"IEND", b""))


def WriteFile(path, data):
    # Write beside the target and rename, so an interrupted build leaves no half file.
    temp = path + ".tmp"
    with open(temp, "wb") as f:
        f.write(data)
    os.replace(temp, path)


def Main(argv):
    parser = argparse.ArgumentParser(description="Draws the Lunadesk icon.")
    parser.add_argument("output", help="the .ico file to write")
    parser.add_argument("--png-preview", metavar="DIR",
                        help="also write each image as a PNG into DIR")
    args = parser.parse_args(argv)

    icon, previews = BuildIcon()
    WriteFile(args.output, icon)
    if args.png_preview:
        os.makedirs(args.png_preview, exist_ok=True)
        for size, bpp, pixels in previews:
            name = "lunadesk-%d-%dbit.png" % (size, bpp)
            WriteFile(os.path.join(args.png_preview, name), Png(size, pixels))
    return 0


if __name__ == "__main__":
    sys.exit(Main(sys.argv[1:]))
