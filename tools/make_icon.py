#!/usr/bin/env python3
"""Draws the program icon, a mole peeking out of its hill, and writes it as a Windows .ico.

The drawing is a short list of filled ellipses in a unit square, painted in order and
rendered with 4x4 supersampling at each icon size. Usage: make_icon.py OUT.ico [OUT.png]
"""
import struct
import sys
import zlib

# (centre x, centre y, radius x, radius y, RGBA colour), painted in this order.
SHAPES = [
    (0.50, 0.56, 0.40, 0.40, (0x3a, 0x2a, 0x20, 255)),  # fur outline
    (0.50, 0.56, 0.37, 0.37, (0x6b, 0x52, 0x40, 255)),  # fur
    (0.50, 0.50, 0.24, 0.20, (0x82, 0x66, 0x50, 255)),  # lighter face
    (0.36, 0.43, 0.045, 0.055, (0x10, 0x0c, 0x0a, 255)),  # eyes
    (0.64, 0.43, 0.045, 0.055, (0x10, 0x0c, 0x0a, 255)),
    (0.35, 0.415, 0.015, 0.018, (0xff, 0xff, 0xff, 255)),  # glints
    (0.63, 0.415, 0.015, 0.018, (0xff, 0xff, 0xff, 255)),
    (0.50, 0.56, 0.115, 0.09, (0xc2, 0x4f, 0x6e, 255)),  # nose outline
    (0.50, 0.555, 0.10, 0.075, (0xf2, 0x8f, 0xaa, 255)),  # nose
    (0.47, 0.53, 0.03, 0.02, (0xff, 0xd0, 0xdc, 255)),  # nose shine
    (0.50, 0.99, 0.56, 0.22, (0x7a, 0x50, 0x26, 255)),  # hill outline
    (0.50, 1.00, 0.54, 0.20, (0xc0, 0x8a, 0x4c, 255)),  # hill
    (0.23, 0.80, 0.13, 0.075, (0xc2, 0x4f, 0x6e, 255)),  # paws outline
    (0.77, 0.80, 0.13, 0.075, (0xc2, 0x4f, 0x6e, 255)),
    (0.23, 0.80, 0.115, 0.06, (0xf6, 0xb3, 0xc4, 255)),  # paws
    (0.77, 0.80, 0.115, 0.06, (0xf6, 0xb3, 0xc4, 255)),
]
SIZES = [16, 20, 24, 32, 40, 48, 64, 256]
SAMPLES = 4


def render(size):
    """RGBA rows, top row first."""
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    px = (x + (sx + 0.5) / SAMPLES) / size
                    py = (y + (sy + 0.5) / SAMPLES) / size
                    colour = None
                    for cx, cy, rx, ry, rgba in SHAPES:
                        if ((px - cx) / rx) ** 2 + ((py - cy) / ry) ** 2 <= 1.0:
                            colour = rgba
                    if colour:
                        a = colour[3] / 255.0
                        acc[0] += colour[0] * a
                        acc[1] += colour[1] * a
                        acc[2] += colour[2] * a
                        acc[3] += a
            n = SAMPLES * SAMPLES
            alpha = acc[3] / n
            if alpha > 0:
                rgb = [int(round(acc[i] / acc[3])) for i in range(3)]
            else:
                rgb = [0, 0, 0]
            row.append((rgb[0], rgb[1], rgb[2], int(round(alpha * 255))))
        pixels.append(row)
    return pixels


def dib_entry(size, pixels):
    """A 32-bit DIB with its AND mask, as icon resources hold them (bottom row first)."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + xor + bytes(mask)


def png(size, pixels):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in pixels)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    images = []
    for size in SIZES:
        pixels = render(size)
        data = png(size, pixels) if size >= 256 else dib_entry(size, pixels)
        images.append((size, data, pixels))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data, _ in images:
        dim = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, data, _ in images)
    with open(sys.argv[1], "wb") as f:
        f.write(out)
    if len(sys.argv) > 2:  # a picture of the largest size, for documents
        with open(sys.argv[2], "wb") as f:
            f.write(png(images[-1][0], images[-1][2]))


if __name__ == "__main__":
    main()
