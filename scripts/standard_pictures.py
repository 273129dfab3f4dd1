"""The fifteen standard toolbar pictures drawn anew, so they exist at every size
the program uses (the system has them only at 16 and 24 pixels). Each takes a
size in pixels and gives shapes in unit coordinates, for draw-images.py."""
import math

from shapes import both, disc, poly, rect, ring

DARK = (64, 64, 64)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
PAPER_LINE = (120, 120, 120)
BLUE = (30, 70, 200)
LIGHT_BLUE = (120, 170, 240)
RED = (210, 30, 30)
GREEN = (30, 150, 40)
YELLOW = (245, 200, 60)
BROWN = (150, 100, 40)
STEEL = (150, 150, 150)
GLASS = (200, 230, 255)


def line_width(size):
    """About one pixel in 16, never thinner than one."""
    return max(1, round(size / 16)) / size


def framed(x0, y0, x1, y1, size, fill):
    w = line_width(size)
    return [(rect(x0, y0, x1, y1), DARK), (rect(x0 + w, y0 + w, x1 - w, y1 - w), fill)]


def page(x0, y0, x1, y1, size, lines=True):
    """A sheet with a folded corner and lines of text."""
    w = line_width(size)
    fold = (x1 - x0) * 0.35
    outer = [(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]
    inner = [(x0 + w, y0 + w), (x1 - fold - w / 2, y0 + w), (x1 - w, y0 + fold + w / 2), (x1 - w, y1 - w),
             (x0 + w, y1 - w)]
    shapes = [(poly(outer), DARK), (poly(inner), WHITE),
              (poly([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)]), DARK)]
    if lines:
        step = max(2 * w, (y1 - y0) / 6)
        y = y0 + fold + step
        while y + w < y1 - step / 2:
            shapes.append((rect(x0 + 3 * w, y, x1 - 3 * w, y + w), PAPER_LINE))
            y += step
    return shapes


def bar(x0, y0, x1, y1, half):
    """A thick straight stroke from (x0, y0) to (x1, y1)."""
    dx, dy = x1 - x0, y1 - y0
    length = math.hypot(dx, dy)
    nx, ny = -dy / length * half, dx / length * half
    return poly([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)])


def magnifier(cx, cy, r, size):
    w = max(line_width(size), 0.09 * r / 0.3)
    handle = bar(cx + r * 0.7, cy + r * 0.7, cx + r * 2.1, cy + r * 2.1, w * 1.2)
    return [(handle, DARK), (disc(cx, cy, r), DARK), (disc(cx, cy, r - w), GLASS)]


def cut(size):
    w = line_width(size)
    blade = 0.07
    shapes = [(bar(0.30, 0.05, 0.62, 0.62, blade), STEEL), (bar(0.70, 0.05, 0.38, 0.62, blade), STEEL)]
    for cx in (0.28, 0.72):
        shapes += [(ring(cx, 0.76, 0.13 - 1.5 * w, 0.16 + w / 2), RED)]
    return shapes + [(disc(0.5, 0.42, 0.04 + w / 2), DARK)]


def copy(size):
    return page(0.06, 0.04, 0.62, 0.70, size) + page(0.38, 0.30, 0.94, 0.96, size)


def paste(size):
    shapes = framed(0.08, 0.12, 0.72, 0.94, size, BROWN)
    shapes += framed(0.26, 0.04, 0.54, 0.20, size, STEEL)
    return shapes + page(0.42, 0.38, 0.96, 0.98, size)


def turning_arrow(size, mirrored):
    """Half a ring over the middle with a head at its left end: undo (mirrored: redo)."""
    cx, cy, r0, r1 = 0.56, 0.62, 0.20, 0.36
    arc = both(ring(cx, cy, r0, r1), lambda x, y: y < cy or x > cx)
    head = poly([(0.02, 0.62), (0.38, 0.62), (0.20, 0.90)])
    shapes = [(arc, BLUE), (head, BLUE)]
    if not mirrored:
        return shapes
    return [(lambda x, y, inside=inside: inside(1 - x, y), colour) for inside, colour in shapes]


def delete(size):
    half = max(0.08, 1.2 / size)
    return [(bar(0.15, 0.15, 0.85, 0.85, half), RED), (bar(0.85, 0.15, 0.15, 0.85, half), RED)]


def new(size):
    return page(0.16, 0.04, 0.84, 0.96, size, lines=False)


def open_folder(size):
    w = line_width(size)
    back = [(0.04, 0.18), (0.34, 0.18), (0.42, 0.28), (0.86, 0.28), (0.86, 0.88), (0.04, 0.88)]
    front = [(0.20, 0.44), (0.98, 0.44), (0.84, 0.88), (0.04, 0.88)]
    inset = lambda points, d: [(x + (d if x < 0.5 else -d), y + (d if y < 0.6 else -d)) for x, y in points]
    return [(poly(back), DARK), (poly(inset(back, w)), YELLOW),
            (poly(front), DARK), (poly(inset(front, w)), (250, 225, 120))]


def save(size):
    w = line_width(size)
    shapes = framed(0.06, 0.06, 0.94, 0.94, size, BLUE)
    shapes += [(rect(0.22, 0.06 + w, 0.78, 0.46), WHITE), (rect(0.26, 0.60, 0.74, 0.94 - w), STEEL),
               (rect(0.36, 0.66, 0.48, 0.88), DARK)]
    return shapes


def print_preview(size):
    return page(0.06, 0.02, 0.76, 0.90, size) + magnifier(0.56, 0.56, 0.22, size)


def properties(size):
    w = line_width(size)
    shapes = framed(0.10, 0.06, 0.90, 0.94, size, WHITE)
    for k in range(3):
        y = 0.22 + k * 0.24
        shapes += framed(0.20, y, 0.36, y + 0.16, size, WHITE)
        shapes += [(rect(0.44, y + 0.06, 0.80, y + 0.06 + w), PAPER_LINE)]
    tick = poly([(0.20, 0.30), (0.26, 0.24), (0.29, 0.30), (0.40, 0.14), (0.44, 0.20), (0.29, 0.40)])
    return shapes + [(tick, GREEN)]


def help_mark(size):
    stroke = 0.09
    hook = both(ring(0.5, 0.34, 0.20 - stroke, 0.20 + stroke), lambda x, y: y < 0.34 or x > 0.5)
    stem = rect(0.5 - stroke, 0.44, 0.5 + stroke, 0.66)
    return [(disc(0.5, 0.5, 0.48), BLUE), (hook, WHITE), (stem, WHITE), (disc(0.5, 0.80, stroke * 1.1), WHITE)]


def find(size):
    return magnifier(0.40, 0.40, 0.30, size)


def replace(size):
    shapes = framed(0.04, 0.06, 0.44, 0.46, size, LIGHT_BLUE) + framed(0.56, 0.54, 0.96, 0.94, size, YELLOW)
    arrow = [(0.24, 0.56), (0.24, 0.74), (0.36, 0.74), (0.36, 0.64), (0.50, 0.74), (0.36, 0.84), (0.36, 0.80),
             (0.16, 0.80), (0.16, 0.56)]
    return shapes + [(poly(arrow), GREEN)]


def printer(size):
    shapes = framed(0.22, 0.04, 0.78, 0.46, size, WHITE)
    shapes += framed(0.04, 0.38, 0.96, 0.78, size, STEEL)
    shapes += framed(0.22, 0.64, 0.78, 0.96, size, WHITE)
    return shapes + [(rect(0.78, 0.46, 0.86, 0.54), GREEN)]


STANDARD = [cut, copy, paste, lambda s: turning_arrow(s, False), lambda s: turning_arrow(s, True), delete, new,
            open_folder, save, print_preview, properties, help_mark, find, replace, printer]
