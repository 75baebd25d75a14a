#!/usr/bin/env python3
"""Draws the application icon: three mixer faders on a blue tile, 32x32 and
16x16 in the 16-colour Windows palette. Writes res/corvaset.ico."""
import struct
import sys

PALETTE = [  # the standard 16-colour palette, RGB
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, NAVY, GREY, SILVER, YELLOW, BLUE, WHITE = 0, 4, 8, 7, 11, 12, 15
TRANSPARENT = None


def draw(size):
    s = size / 32.0
    px = [[TRANSPARENT] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(int(y0 * s), max(int(y0 * s) + 1, int(y1 * s))):
            for x in range(int(x0 * s), max(int(x0 * s) + 1, int(x1 * s))):
                if 0 <= x < size and 0 <= y < size:
                    px[y][x] = colour

    rect(1, 1, 31, 31, NAVY)          # tile with a dark frame
    rect(2, 2, 30, 30, BLUE)
    for x, knob in ((7, 18), (15, 8), (23, 13)):
        rect(x, 5, x + 2, 27, BLACK)  # fader slot
        rect(x - 3, knob, x + 5, knob + 5, SILVER)
        rect(x - 3, knob, x + 5, knob + 1, WHITE)
        rect(x - 3, knob + 2, x + 5, knob + 3, YELLOW)
    return px


def image(size):
    px = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor = bytearray()
    mask = bytearray()
    mask_stride = ((size + 31) // 32) * 4
    for row in reversed(px):  # bottom-up
        line = bytearray()
        for x in range(0, size, 2):
            hi, lo = row[x] or 0, row[x + 1] or 0
            line.append((hi << 4) | lo)
        xor += line + bytes((-len(line)) % 4)
        bits = bytearray(mask_stride)
        for x, c in enumerate(row):
            if c is TRANSPARENT:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + palette + bytes(xor) + bytes(mask)


def main(path):
    images = [image(32), image(16)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'res/corvaset.ico')
