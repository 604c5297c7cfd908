#!/usr/bin/env python3
"""Draws Tilora's icon (four window tiles on a dark blue square) and writes it as a .ico file
with 16 to 64 pixel images in 32-bit colour.

    scripts/make-icon.py src/platform/win32/Tilora.ico
"""
import struct
import sys

BACKGROUND = (32, 58, 110)
TILES = [(255, 239, 213), (240, 255, 240), (230, 230, 250), (255, 215, 0)]
TITLE_BAR = (64, 96, 160)


def pixel(size, x, y):
    """Colour (r, g, b, a) of the pixel at x, y of a size x size image, y from the top."""
    u, v = (x + 0.5) / size, (y + 0.5) / size
    radius = 0.16
    # Rounded square: transparent outside the corners.
    cx, cy = min(max(u, radius), 1 - radius), min(max(v, radius), 1 - radius)
    if (u - cx) ** 2 + (v - cy) ** 2 > radius ** 2:
        return (0, 0, 0, 0)
    margin, gap = 0.16, 0.06
    cell = (1 - 2 * margin - gap) / 2
    for row in range(2):
        for col in range(2):
            left = margin + col * (cell + gap)
            top = margin + row * (cell + gap)
            if left <= u < left + cell and top <= v < top + cell:
                if v < top + cell * 0.22:
                    return TITLE_BAR + (255,)
                return TILES[row * 2 + col] + (255,)
    return BACKGROUND + (255,)


def image(size):
    """One icon image: BITMAPINFOHEADER, bottom-up BGRA rows, then the AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in reversed(range(size)):
        row = bytearray()
        for x in range(size):
            r, g, b, a = pixel(size, x, y)
            row += bytes((b, g, r, a))
        rows.append(bytes(row))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytes(mask_stride * size)  # alpha decides transparency
    return header + b"".join(rows) + mask


def main(path):
    sizes = [16, 20, 24, 32, 40, 48, 64]
    images = [image(s) for s in sizes]
    data = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, img in zip(sizes, images):
        dim = 0 if size == 256 else size
        data += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    data += b"".join(images)
    with open(path, "wb") as out:
        out.write(data)


if __name__ == "__main__":
    main(sys.argv[1])
