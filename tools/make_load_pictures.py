#!/usr/bin/env python3
"""Writes the pictures of the load sheet of the end-plate library:
data/lastko_<family>.bmp, one per profile family, the section seen from the
end plate with the axes of its internal forces: 125 x 123 pixels of four
colours (4 bits), which the sheet stretches over its picture panel of 250 x
245. The grey 192, 192, 192 is the sheet's transparent colour.

    tools/make_load_pictures.py <data directory>
"""
import math
import struct
import sys

W, H = 125, 123
S = 0.5  # the shapes are given on the panel's 250 x 245 pixels
GREY, BLACK, FILL, RED = (192, 192, 192), (0, 0, 0), (100, 150, 225), (200, 0, 0)

# 5 x 7 glyphs of the axis letters.
GLYPHS = {
    "x": ["     ", "     ", "X   X", " X X ", "  X  ", " X X ", "X   X"],
    "y": ["     ", "X   X", "X   X", " X X ", "  X  ", " X   ", "X    "],
    "z": ["     ", "     ", "XXXXX", "   X ", "  X  ", " X   ", "XXXXX"],
}


class Picture:
    def __init__(self):
        self.px = [[GREY] * W for _ in range(H)]

    def dot(self, x, y, c):
        x, y = int(x), int(y)
        if 0 <= x < W and 0 <= y < H:
            self.px[y][x] = c

    def line(self, x1, y1, x2, y2, c, width=1):
        x1, y1, x2, y2 = S * x1, S * y1, S * x2, S * y2
        n = int(max(abs(x2 - x1), abs(y2 - y1), 1))
        for i in range(n + 1):
            x = round(x1 + (x2 - x1) * i / n)
            y = round(y1 + (y2 - y1) * i / n)
            for dx in range(width):
                for dy in range(width):
                    self.dot(x + dx - width // 2, y + dy - width // 2, c)

    def polygon(self, pts, fill, edge):
        pts = [(S * x, S * y) for x, y in pts]
        ys = [p[1] for p in pts]
        for y in range(int(min(ys)), int(max(ys)) + 1):
            xs = []
            for (x1, y1), (x2, y2) in zip(pts, pts[1:] + pts[:1]):
                if (y1 <= y < y2) or (y2 <= y < y1):
                    xs.append(x1 + (y - y1) * (x2 - x1) / (y2 - y1))
            xs.sort()
            for a, b in zip(xs[::2], xs[1::2]):
                for x in range(int(math.ceil(a)), int(b) + 1):
                    self.dot(x, y, fill)
        for (x1, y1), (x2, y2) in zip(pts, pts[1:] + pts[:1]):
            self.line(x1 / S, y1 / S, x2 / S, y2 / S, edge)

    def arrow(self, x1, y1, x2, y2, c, label):
        self.line(x1, y1, x2, y2, c, 1)
        a = math.atan2(y2 - y1, x2 - x1)
        for s in (-1, 1):
            self.line(x2, y2, x2 - 12 * math.cos(a + s * 0.4), y2 - 12 * math.sin(a + s * 0.4), c, 1)
        gx, gy = round(S * (x2 + 12 * math.cos(a))) - 2, round(S * (y2 + 12 * math.sin(a))) - 3
        for r, row in enumerate(GLYPHS[label]):
            for k, ch in enumerate(row):
                if ch == "X":
                    self.dot(gx + k, gy + r, c)

    def write(self, name):
        palette = [GREY, BLACK, FILL, RED]
        row = (W + 1) // 2
        pad = (4 - row % 4) % 4
        data = b""
        for y in range(H - 1, -1, -1):
            idx = [palette.index(c) for c in self.px[y]] + [0]
            data += bytes((idx[2 * k] << 4) | idx[2 * k + 1] for k in range(row)) + b"\0" * pad
        table = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in palette)
        offset = 54 + len(table)
        head = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
        info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 4, 0, len(data), 2835, 2835, 4, 4)
        open(name, "wb").write(head + info + table + data)


def ring(cx, cy, r, n=48):
    return [(cx + r * math.cos(2 * math.pi * k / n), cy + r * math.sin(2 * math.pi * k / n)) for k in range(n)]


CX, CY = 125, 122
SHAPES = {
    "I": [[(65, 52), (185, 52), (185, 70), (131, 70), (131, 174), (185, 174), (185, 192), (65, 192), (65, 174),
           (119, 174), (119, 70), (65, 70)]],
    "m": [[(75, 52), (175, 52), (175, 192), (75, 192)], [(87, 64), (87, 180), (163, 180), (163, 64)]],
    "u": [[(85, 52), (170, 52), (170, 68), (101, 68), (101, 176), (170, 176), (170, 192), (85, 192)]],
    "t": [[(65, 52), (185, 52), (185, 70), (131, 70), (131, 192), (119, 192), (119, 70), (65, 70)]],
    "l": [[(80, 52), (96, 52), (96, 176), (175, 176), (175, 192), (80, 192)]],
    "o": [ring(CX, CY, 70), ring(CX, CY, 58)],
    "fe": [[(112, 47), (138, 47), (138, 197), (112, 197)]],
    "re": [ring(CX, CY, 55)],
}


def main():
    folder = sys.argv[1]
    for name, shapes in SHAPES.items():
        p = Picture()
        p.polygon(shapes[0], FILL, BLACK)
        for hole in shapes[1:]:
            p.polygon(hole, GREY, BLACK)
        # The axes of the internal forces: y to the left, z downward, x out
        # of the plate (a dot in a circle).
        p.arrow(CX, CY, CX - 95, CY, RED, "y")
        p.arrow(CX, CY, CX, CY + 100, RED, "z")
        p.polygon(ring(CX, CY, 6, 16), GREY, RED)
        p.dot(S * CX, S * CY, RED)
        p.write("%s/lastko_%s.bmp" % (folder, name))


if __name__ == "__main__":
    main()
