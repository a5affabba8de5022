#!/usr/bin/env python3
"""Draws the program's icon: a small QR-code-like mark (three finder squares
and a few modules) in dark blue on white, at 16, 32 and 48 pixels, written as
a Windows .ico with 32-bit images."""
import struct
import sys

GRID = [  # 11 x 11 modules; 1 is dark
    "11111010111",
    "10001001101",
    "10101011001",
    "10001000111",
    "11111010101",
    "00000001000",
    "11101011011",
    "10110100101",
    "00111010111",
    "10100110001",
    "11011101011",
]
DARK = (0x8B, 0x3A, 0x1F, 0xFF)   # B, G, R, A: dark blue
LIGHT = (0xFF, 0xFF, 0xFF, 0xFF)


def finder(x, y):
    for ox, oy in ((0, 0), (6, 0), (0, 6)):
        if ox <= x < ox + 5 and oy <= y < oy + 5:
            lx, ly = x - ox, y - oy
            return lx in (0, 4) or ly in (0, 4) or (lx == 2 and ly == 2)
    return None


def pixel(size, x, y):
    margin = size // 16
    inner = size - 2 * margin
    if not (margin <= x < size - margin and margin <= y < size - margin):
        return (0, 0, 0, 0)
    mx = (x - margin) * 11 // inner
    my = (y - margin) * 11 // inner
    dark = finder(mx, my)
    if dark is None:
        dark = GRID[my][mx] == "1"
    return DARK if dark else LIGHT


def image(size):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in reversed(range(size)):  # bottom-up
        rows.append(b"".join(bytes(pixel(size, x, y)) for x in range(size)))
    mask_row = b"\0" * (((size + 31) // 32) * 4)
    return header + b"".join(rows) + mask_row * size


def main(path):
    sizes = [48, 32, 16]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1])
