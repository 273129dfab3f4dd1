#!/usr/bin/env python3
"""Draws the program's picture strips (no dependencies) into src/resources/images.

pictures16.bmp, pictures24.bmp, pictures32.bmp, pictures48.bmp: the same 24
pictures side by side at each size (bitmap resources 16, 24, 32 and 48), so
the toolbar and the menus stay sharp at any display scale.

First the fifteen standard toolbar pictures in their usual order (cut, copy,
paste, undo, redo, delete, new, open, save, print preview, properties, help,
find, replace, print), then the program's own: ANSI flag, OEM screen, KOI8-R
flag, justified, centred, left-aligned, right-aligned, two windows with a
spark, a globe for UTF-8 (the newest last, so the stored toolbar's picture
numbers stay). The background is the light grey (192, 192, 192) the program
masks out, so the strips are stored with a colour table (8 bits per pixel).
"""
import math
import os
import struct

from shapes import disc, poly, rect, ring
from standard_pictures import STANDARD

SS = 4
BACKGROUND = (192, 192, 192)
BLACK = (0, 0, 0)
DARK = (64, 64, 64)
WHITE = (255, 255, 255)
RED = (220, 30, 30)
GREEN = (30, 160, 40)
BLUE = (30, 70, 200)
YELLOW = (250, 210, 20)
ORANGE = (230, 120, 0)
SCREEN = (16, 16, 16)
PROMPT = (200, 200, 200)
TITLE = (0, 0, 140)


def render(size, shapes):
    """shapes: (inside(x, y) -> bool in unit coordinates, colour); later ones paint over."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0, 0, 0]
            for sy in range(SS):
                for sx in range(SS):
                    u = (x + (sx + 0.5) / SS) / size
                    v = (y + (sy + 0.5) / SS) / size
                    col = BACKGROUND
                    for inside, c in shapes:
                        if inside(u, v):
                            col = c
                    for i in range(3):
                        acc[i] += col[i]
            row.append(tuple(round(a / (SS * SS)) for a in acc))
        rows.append(row)
    return rows


def pixels(size, boxes):
    """Pixel-exact rectangles (x0, y0, x1, y1 in pixels) as unit-coordinate shapes."""
    return [(rect(x0 / size, y0 / size, x1 / size, y1 / size), c) for (x0, y0, x1, y1, c) in boxes]


def waving(x0, y0, x1, y1, amplitude):
    """A flag's cloth between x0 and x1 whose edges wave by `amplitude`."""
    def inside(x, y):
        if not x0 <= x < x1:
            return False
        shift = amplitude * math.sin((x - x0) / (x1 - x0) * 2 * math.pi)
        return y0 + shift <= y < y1 + shift
    return inside


def band(cloth, y0, y1, amplitude, x0, x1):
    def inside(x, y):
        shift = amplitude * math.sin((x - x0) / (x1 - x0) * 2 * math.pi)
        return cloth(x, y) and y0 + shift <= y < y1 + shift
    return inside


def pole():
    return [(rect(0.10, 0.06, 0.20, 0.96), DARK)]


def ansi_flag(size):
    x0, x1, y0, y1, amp = 0.20, 0.94, 0.10, 0.62, 0.05
    outline = waving(x0, y0 - 0.05, x1 + 0.05, y1 + 0.05, amp)
    cloth = waving(x0, y0, x1, y1, amp)
    mid_x = (x0 + x1) / 2
    mid_y = (y0 + y1) / 2
    shapes = pole() + [(outline, DARK)]
    for (left, top), colour in (((True, True), RED), ((False, True), GREEN),
                                ((True, False), BLUE), ((False, False), YELLOW)):
        xs = (x0, mid_x - 0.025) if left else (mid_x + 0.025, x1)
        ys = (y0, mid_y - 0.025) if top else (mid_y + 0.025, y1)
        part = band(lambda x, y, xs=xs: cloth(x, y) and xs[0] <= x < xs[1], ys[0], ys[1], amp, x0, x1)
        shapes.append((part, colour))
    return render(size, shapes)


def koi8_flag(size):
    x0, x1, y0, y1, amp = 0.20, 0.94, 0.10, 0.64, 0.05
    outline = waving(x0, y0 - 0.06, x1 + 0.06, y1 + 0.06, amp)
    cloth = waving(x0, y0, x1, y1, amp)
    third = (y1 - y0) / 3
    shapes = pole() + [(outline, DARK)]
    for k, colour in enumerate((WHITE, BLUE, RED)):
        shapes.append((band(cloth, y0 + k * third, y0 + (k + 1) * third, amp, x0, x1), colour))
    return render(size, shapes)


def oem_screen(size):
    p = 1 / size
    shapes = [
        (rect(0.04, 0.08, 0.96, 0.74), DARK),
        (rect(0.04 + 1.5 * p, 0.08 + 1.5 * p, 0.96 - 1.5 * p, 0.74 - 1.5 * p), SCREEN),
        (rect(0.40, 0.74, 0.60, 0.84), DARK),
        (rect(0.22, 0.84, 0.78, 0.94), DARK),
    ]
    # A prompt and a cursor in light grey on the black screen.
    shapes += [
        (rect(0.20, 0.24, 0.26, 0.30), PROMPT), (rect(0.26, 0.30, 0.32, 0.36), PROMPT),
        (rect(0.20, 0.36, 0.26, 0.42), PROMPT), (rect(0.38, 0.48, 0.60, 0.56), PROMPT),
    ]
    return render(size, shapes)


def text_lines(size, place):
    """Lines of text; place(index, width, length) -> left pixel of a line of `length`."""
    thick = 1 if size <= 16 else 2
    step = 2 * thick
    margin = 1 if size <= 16 else 2
    width = size - 2 * margin
    boxes = []
    index = 0
    for top in range(margin + 1, size - margin, step):
        if top + thick > size - margin:
            break
        length = place.length(index, width)
        left = margin + place.left(index, width, length)
        boxes.append((left, top, left + length, top + thick, BLACK))
        index += 1
    return render(size, pixels(size, boxes))


class Justified:
    @staticmethod
    def length(index, width):
        return width if index % 4 != 3 else width * 3 // 5

    @staticmethod
    def left(index, width, length):
        return 0


class Aligned:
    def __init__(self, where):
        self.where = where

    @staticmethod
    def length(index, width):
        return width if index % 2 == 0 else width * 3 // 5

    def left(self, index, width, length):
        if self.where == 'left':
            return 0
        if self.where == 'right':
            return width - length
        return (width - length) // 2


def two_windows(size):
    def window(x0, y0, x1, y1):
        p = 1 / size
        return [
            (rect(x0, y0, x1, y1), DARK),
            (rect(x0 + p, y0 + p, x1 - p, y1 - p), WHITE),
            (rect(x0 + p, y0 + p, x1 - p, y0 + 0.20 * (y1 - y0) + 2 * p), TITLE),
        ]
    shapes = window(0.04, 0.04, 0.64, 0.56) + window(0.36, 0.36, 0.96, 0.92)
    cx, cy = 0.24, 0.76
    star = []
    for k in range(16):
        angle = math.pi / 8 * k - math.pi / 2
        radius = 0.27 if k % 4 == 0 else (0.10 if k % 2 else 0.16)
        star.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    inner = [(cx + (x - cx) * 0.65, cy + (y - cy) * 0.65) for (x, y) in star]
    shapes += [(poly(star), ORANGE), (poly(inner), YELLOW)]
    return render(size, shapes)


def globe(size):
    """A blue globe with a light grid: the one code page for every script."""
    cx, cy, r = 0.5, 0.5, 0.44
    line = 1.2 / size
    grid = lambda x, y: disc(cx, cy, r)(x, y) and (
        abs(y - cy) < line / 2 or abs(x - cx) < line / 2 or
        abs(math.hypot((x - cx) / 0.5, y - cy) - r) < line / 2 or
        abs(abs(y - cy) - r * 0.55) < line / 2)
    shapes = [(disc(cx, cy, r + 1.0 / size), DARK), (disc(cx, cy, r), BLUE), (grid, WHITE)]
    return render(size, shapes)


PICTURES = [lambda s, shapes=shapes: render(s, shapes(s)) for shapes in STANDARD] + [
    ansi_flag,
    oem_screen,
    koi8_flag,
    lambda s: text_lines(s, Justified),
    lambda s: text_lines(s, Aligned('centre')),
    lambda s: text_lines(s, Aligned('left')),
    lambda s: text_lines(s, Aligned('right')),
    two_windows,
    globe,
]


def strip(size):
    images = [draw(size) for draw in PICTURES]
    return [sum((img[y] for img in images), []) for y in range(size)]


def palette_of(rows):
    """At most 256 colours: the blends at the edges are rounded until they fit."""
    step = 1
    while True:
        def snap(c):
            if c == BACKGROUND:
                return c
            return tuple(min(255, round(v / step) * step) for v in c)
        snapped = [[snap(c) for c in row] for row in rows]
        colours = sorted({c for row in snapped for c in row})
        if len(colours) <= 256:
            return snapped, colours
        step *= 2


def write_bmp(path, rows):
    rows, colours = palette_of(rows)
    index = {c: i for i, c in enumerate(colours)}
    width, height = len(rows[0]), len(rows)
    stride = (width + 3) & ~3
    table = b''.join(bytes((b, g, r, 0)) for (r, g, b) in colours)
    data = b''.join(bytes(index[c] for c in row) + bytes(stride - width) for row in reversed(rows))
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 8, 0, len(data), 2835, 2835, len(colours), 0)
    offset = 14 + len(info) + len(table)
    header = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    with open(path, 'wb') as f:
        f.write(header + info + table + data)


if __name__ == '__main__':
    here = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'src', 'resources', 'images')
    os.makedirs(here, exist_ok=True)
    for size in (16, 24, 32, 48):
        write_bmp(os.path.join(here, 'pictures%d.bmp' % size), strip(size))
