#!/usr/bin/env python3
"""Draws the launcher's icon (a disc with an install arrow) and writes setup.ico:
32, 16, 24, 48 and 64-pixel images, 16 colours each, in the plain BMP form icons use, and
a 256-pixel image as PNG, for the sizes that large views and high display scales ask for.
The first two are the icon's original images, unchanged."""
import math
import struct
import sys
import zlib

# The standard 16-colour palette (B, G, R, 0).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, SILVER, GREY, BLUE, WHITE, NAVY = 0, 7, 8, 12, 15, 4


def draw(size):
    """Colour index per pixel (None = transparent), rows top to bottom."""
    c = (size - 1) / 2.0
    outer, hole = size / 2.0 - 0.5, size / 10.0
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            r = math.hypot(x - c, y - c)
            if r > outer:
                row.append(None)
            elif r > outer - 1:
                row.append(GREY)
            elif r < hole:
                row.append(None)
            elif r < hole + 1:
                row.append(GREY)
            else:
                # A light sheen on the upper left quarter of the disc.
                row.append(WHITE if (x < c and y < c and r > outer * 0.55) else SILVER)
        rows.append(row)
    # A blue arrow pointing down over the lower right of the disc.
    s = size / 32.0
    ax, top, stem_w, head_w = 0.70 * size, 0.38 * size, 2.5 * s, 6.5 * s
    stem_end, tip = 0.68 * size, 0.92 * size
    for y in range(size):
        for x in range(size):
            yc, xc = y + 0.5, x + 0.5
            inside = False
            if top <= yc <= stem_end and abs(xc - ax) <= stem_w:
                inside = True
            elif stem_end <= yc <= tip:
                half = head_w * (tip - yc) / (tip - stem_end)
                inside = abs(xc - ax) <= half
            if inside:
                rows[y][x] = BLUE if size > 16 or abs(xc - ax) < head_w else NAVY
    return rows


def image_bytes(rows):
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor, mask = b"", b""
    for row in reversed(rows):  # bitmaps are stored bottom-up
        line = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for x, colour in enumerate(row):
            index = 0 if colour is None else colour
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
            if colour is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += bytes(line)
        mask += bytes(bits)
    return header + palette + xor + mask


def png_bytes(rows):
    """An 8-bit palette PNG: the 16 colours, and a 17th, transparent, for None."""
    size = len(rows)
    raw = b"".join(b"\0" + bytes(16 if c is None else c for c in row) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    palette = b"".join(bytes(colour) for colour in PALETTE) + b"\0\0\0"
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 3, 0, 0, 0))
            + chunk(b"PLTE", palette) + chunk(b"tRNS", b"\xff" * 16 + b"\0")
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main(path):
    # (size, colour count, bits per pixel, image); a size of 256 is written as 0.
    images = [(size, 16, 4, image_bytes(draw(size))) for size in (32, 16, 24, 48, 64)]
    images.append((256, 0, 8, png_bytes(draw(256))))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, colours, bits, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits, len(data),
                           offset)
        offset += len(data)
    images = [data for _, _, _, data in images]
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "setup.ico")
