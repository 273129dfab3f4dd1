"""Shapes in unit coordinates for the icon and image drawing scripts: each is a
test inside(x, y) -> bool over the square 0..1."""
import math


def poly(points):
    def inside(x, y):
        hit = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit
    return inside


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def ring(cx, cy, r0, r1):
    return lambda x, y: r0 <= math.hypot(x - cx, y - cy) < r1


def disc(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) < r


def both(a, b):
    return lambda x, y: a(x, y) and b(x, y)
