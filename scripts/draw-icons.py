#!/usr/bin/env python3
"""Draws the program's icons (no dependencies) into src/resources/images.

zorn2.ico        a sheet of paper with a folded corner and a bold blue Z, in every size
                 Explorer and the taskbar take at 100% to 200%: 16, 20, 24, 32, 40, 48, 64, 256 px
zorn2-small.ico  the same for the caption and the taskbar's small icon: 16, 20, 24, 32 px
web.ico          a small blue globe with meridians, 16 px
Shapes are rendered with supersampling for smooth edges and stored as 32-bit icons
with alpha plus the AND mask older systems need; the 256-pixel frame as PNG, as
Windows stores it.
"""
import os
import struct
import zlib

from shapes import both, disc, poly, rect, ring

def supersampling(size):
    """Samples per pixel side: fewer on big frames, where a pixel is a small part of an edge."""
    return 8 if size <= 48 else 4


def render(size, shapes):
    """shapes: list of (inside(x, y) -> bool, (r, g, b, a)); later ones paint over."""
    ss = supersampling(size)
    px = []
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(ss):
                for sx in range(ss):
                    u = (x + (sx + 0.5) / ss) / size
                    v = (y + (sy + 0.5) / ss) / size
                    col = (0, 0, 0, 0)
                    for inside, c in shapes:
                        if inside(u, v):
                            col = c
                    a = col[3] / 255.0
                    acc[0] += col[0] * a
                    acc[1] += col[1] * a
                    acc[2] += col[2] * a
                    acc[3] += a
            n = ss * ss
            a = acc[3] / n
            if a > 0:
                row.append((round(acc[0] / n / a), round(acc[1] / n / a), round(acc[2] / n / a), round(a * 255)))
            else:
                row.append((0, 0, 0, 0))
        px.append(row)
    return px


def sheet_icon(size):
    edge = (90, 90, 100, 255)
    paper = (255, 255, 255, 255)
    fold = (200, 205, 215, 255)
    blue = (20, 80, 190, 255)
    line = (170, 180, 195, 255)
    outer = poly([(0.14, 0.04), (0.66, 0.04), (0.88, 0.26), (0.88, 0.96), (0.14, 0.96)])
    inner = poly([(0.19, 0.09), (0.63, 0.09), (0.83, 0.29), (0.83, 0.91), (0.19, 0.91)])
    corner = poly([(0.63, 0.09), (0.63, 0.29), (0.83, 0.29)])
    t = 0.13  # stroke of the Z
    zed = [
        rect(0.27, 0.30, 0.74, 0.30 + t),
        poly([(0.74 - 0.02, 0.30 + t), (0.74, 0.30 + t), (0.74, 0.30 + t + 0.04),
              (0.27 + t + 0.06, 0.82 - t), (0.27, 0.82 - t), (0.27, 0.82 - t - 0.04),
              (0.74 - t - 0.06, 0.30 + t)]),
        rect(0.27, 0.82 - t, 0.74, 0.82),
    ]
    shapes = [(outer, edge), (inner, paper), (corner, fold)]
    if size >= 32:
        for k in range(3):
            y = 0.16 + k * 0.05
            shapes.append((rect(0.25, y, 0.55, y + 0.02), line))
    shapes += [(z, blue) for z in zed]
    return render(size, shapes)


def web_icon(size):
    blue = (30, 110, 210, 255)
    light = (150, 200, 245, 255)
    globe = disc(0.5, 0.5, 0.46)
    inner = disc(0.5, 0.5, 0.38)
    shapes = [(globe, blue), (inner, light)]
    clip = disc(0.5, 0.5, 0.40)
    shapes.append((both(clip, rect(0.46, 0.0, 0.54, 1.0)), blue))
    shapes.append((both(clip, rect(0.0, 0.46, 1.0, 0.54)), blue))
    shapes.append((both(clip, lambda x, y: abs(((x - 0.5) / 0.24) ** 2 + ((y - 0.5) / 0.42) ** 2 - 1) < 0.22), blue))
    shapes.append((both(clip, lambda x, y: abs(y - 0.27) < 0.04 or abs(y - 0.73) < 0.04), blue))
    return render(size, shapes)


def dib(px):
    size = len(px)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b''.join(bytes((b, g, r, a)) for row in reversed(px) for (r, g, b, a) in row)
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(px):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + xor + bytes(mask)


def png(px):
    """An 8-bit RGBA PNG of the pixels, unfiltered."""
    size = len(px)
    raw = b''.join(b'\0' + bytes(c for pixel in row for c in pixel) for row in px)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)
    return b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b'')


def write_ico(path, images):
    blobs = [png(px) if len(px) >= 256 else dib(px) for px in images]
    out = struct.pack('<HHH', 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for px, blob in zip(images, blobs):
        n = len(px)
        out += struct.pack('<BBBBHHII', n % 256, n % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    with open(path, 'wb') as f:
        f.write(out + b''.join(blobs))


if __name__ == '__main__':
    here = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'src', 'resources', 'images')
    os.makedirs(here, exist_ok=True)
    sheets = {s: sheet_icon(s) for s in (256, 64, 48, 40, 32, 24, 20, 16)}
    write_ico(os.path.join(here, 'zorn2.ico'), list(sheets.values()))
    write_ico(os.path.join(here, 'zorn2-small.ico'), [sheets[s] for s in (32, 24, 20, 16)])
    write_ico(os.path.join(here, 'web.ico'), [web_icon(16)])
