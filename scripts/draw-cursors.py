#!/usr/bin/env python3
"""Draws the print preview's two cursors (no dependencies) into src/resources/images.

zoom-in.cur   a magnifying glass with a plus: the page is shown whole, a click magnifies
zoom-out.cur  the same glass with a minus: the page is magnified, a click shows it whole
Monochrome 32x32 cursors, hot spot (7, 7): the centre of the glass.
"""
import os
import struct

SIZE = 32
CENTRE = 7
HOT_SPOT = (CENTRE, CENTRE)


def picture(plus):
    """Each pixel: None (transparent), 0 (black) or 1 (white)."""
    px = [[None] * SIZE for _ in range(SIZE)]
    for y in range(SIZE):
        for x in range(SIZE):
            d2 = (x - CENTRE) ** 2 + (y - CENTRE) ** 2
            if d2 <= 5 * 5:
                px[y][x] = 1  # the lens
            elif d2 <= 7 * 7:
                px[y][x] = 0  # the rim
            # The handle: a thick stroke from the rim down to the right.
            if 11 <= x <= 19 and 11 <= y <= 19 and abs(x - y) <= 1:
                px[y][x] = 0
    for i in range(CENTRE - 3, CENTRE + 4):
        px[CENTRE][i] = 0
        if plus:
            px[i][CENTRE] = 0
    return px


def cursor(px):
    row_bytes = SIZE // 8
    xor, mask = bytearray(), bytearray()
    for y in reversed(range(SIZE)):  # bottom-up
        for x0 in range(0, SIZE, 8):
            xb = mb = 0
            for bit in range(8):
                v = px[y][x0 + bit]
                if v is None:
                    mb |= 0x80 >> bit
                elif v == 1:
                    xb |= 0x80 >> bit
            xor.append(xb)
            mask.append(mb)
    assert len(xor) == SIZE * row_bytes
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOT_SPOT[0], HOT_SPOT[1], len(image), 6 + 16)
    return directory + entry + image


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "resources", "images")
    for name, plus in (("zoom-in.cur", True), ("zoom-out.cur", False)):
        with open(os.path.join(out, name), "wb") as f:
            f.write(cursor(picture(plus)))


if __name__ == "__main__":
    main()
