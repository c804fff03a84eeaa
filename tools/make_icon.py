#!/usr/bin/env python3
"""Draws Tolvane's application icon and writes it as a Windows .ico file.

The picture is the decoder as a small device box with a status lamp and its three outputs as lines
leaving the box, each ending in a coloured terminal. It is drawn from one set of shapes at 48, 32
and 16 pixels, each at 4, 8 and 24 bits per pixel, every image with a 1-bit transparency mask.

Usage: make_icon.py [output.ico]   (default: app/res/Tolvane.ico next to this script's folder)
"""

import os
import struct
import sys

SIZES = (48, 32, 16)
DEPTHS = (4, 8, 24)
SUPERSAMPLE = 8  # subsamples per pixel along each axis

NAVY = (0, 0, 128)
BLUE = (0, 0, 255)
TEAL = (0, 128, 128)
SILVER = (192, 192, 192)
WHITE = (255, 255, 255)
RED = (255, 0, 0)
LIME = (0, 255, 0)
YELLOW = (255, 255, 0)
BLACK = (0, 0, 0)

# The 16 colours a 4-bit icon can show: the classic VGA palette.
VGA_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def rounded_rect(x0, y0, x1, y1, r, colour):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside, colour


def circle(cx, cy, r, colour):
    return (lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r), colour


# Shapes in a 48 x 48 unit square, back to front.
OUTPUT_ROWS = ((13.0, RED), (24.0, LIME), (35.0, YELLOW))
SHAPES = [rounded_rect(1.0, 5.0, 29.0, 43.0, 5.0, BLACK),
          rounded_rect(3.0, 7.0, 27.0, 41.0, 3.5, NAVY),
          rounded_rect(7.0, 11.0, 21.0, 19.0, 1.5, TEAL),
          circle(14.0, 32.0, 4.0, WHITE),
          circle(14.0, 32.0, 2.5, BLUE)]
for row, colour in OUTPUT_ROWS:
    SHAPES.append(rounded_rect(27.0, row - 2.0, 40.0, row + 2.0, 0.0, SILVER))
    SHAPES.append(circle(41.5, row, 5.0, BLACK))
    SHAPES.append(circle(41.5, row, 3.6, colour))


def render(size):
    """Rows of (r, g, b) or None for transparent, top row first."""
    scale = 48.0 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            covered = []
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    x = (px + (sx + 0.5) / SUPERSAMPLE) * scale
                    y = (py + (sy + 0.5) / SUPERSAMPLE) * scale
                    colour = None
                    for inside, shape_colour in SHAPES:
                        if inside(x, y):
                            colour = shape_colour
                    if colour is not None:
                        covered.append(colour)
            if 2 * len(covered) < SUPERSAMPLE * SUPERSAMPLE:
                row.append(None)
            else:
                row.append(tuple(sum(c[i] for c in covered) // len(covered) for i in range(3)))
        rows.append(row)
    return rows


def nearest(palette, colour):
    return min(range(len(palette)),
               key=lambda i: sum((palette[i][k] - colour[k]) ** 2 for k in range(3)))


def adaptive_palette(images):
    """Up to 256 colours: the most frequent colours of the images, rounded to 4 bits a channel."""
    counts = {}
    for rows in images:
        for row in rows:
            for colour in row:
                if colour is not None:
                    key = tuple((c >> 4) * 17 for c in colour)
                    counts[key] = counts.get(key, 0) + 1
    palette = sorted(counts, key=lambda c: (-counts[c], c))[:256]
    palette += [BLACK] * (256 - len(palette))
    return palette


def padded(data):
    return data + b"\0" * (-len(data) % 4)


def bitmap(rows, depth, palette):
    """One icon image: BITMAPINFOHEADER, palette, colour bits and mask, both bottom row first."""
    size = len(rows)
    xor_rows = []
    and_rows = []
    for row in reversed(rows):
        mask_bits = 0
        for x, colour in enumerate(row):
            if colour is None:
                mask_bits |= 1 << (len(row) - 1 - x)
        mask_bytes = (size + 7) // 8
        and_rows.append(padded((mask_bits << (mask_bytes * 8 - size)).to_bytes(mask_bytes, "big")))
        if depth == 24:
            line = b"".join(bytes((c[2], c[1], c[0])) if c else b"\0\0\0" for c in row)
        else:
            indexes = [nearest(palette, c) if c else 0 for c in row]
            if depth == 8:
                line = bytes(indexes)
            else:
                line = bytes((indexes[i] << 4) | indexes[i + 1] for i in range(0, size, 2))
        xor_rows.append(padded(line))
    bits = b"".join(xor_rows) + b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, depth, 0, len(bits), 0, 0, 0, 0)
    colours = b"".join(bytes((c[2], c[1], c[0], 0)) for c in palette) if depth <= 8 else b""
    return header + colours + bits


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "app", "res", "Tolvane.ico")
    rendered = {size: render(size) for size in SIZES}
    palette8 = adaptive_palette(rendered.values())
    images = []
    for size in SIZES:
        for depth in DEPTHS:
            palette = VGA_PALETTE if depth == 4 else palette8 if depth == 8 else []
            images.append((size, depth, bitmap(rendered[size], depth, palette)))
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, depth, data in images:
        colour_count = 16 if depth == 4 else 0
        entries += struct.pack("<BBBBHHII", size, size, colour_count, 0, 1, depth, len(data), offset)
        offset += len(data)
    with open(out, "wb") as f:
        f.write(directory + entries + b"".join(data for _, _, data in images))


if __name__ == "__main__":
    main()
