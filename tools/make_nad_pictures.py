#!/usr/bin/env python3
"""Writes the pictures of the annex selection sheet into <data>/NAD:

EuroFlags.bmp  the flags of the annexes, 26 x 19 pixels each, flag k from
               row 19 k: 0 Austria, 1 Belgium, 2 Denmark, 3 Finland,
               4 France, 5 United Kingdom, 6 Ireland, 7 Italy, 8 Luxembourg,
               9 Netherlands, 10 Norway, 11 Portugal, 12 Sweden,
               13 Switzerland, 14 Spain, 15 Czech Republic, 16 Poland,
               17 a neutral flag (any number above 19 shows it),
               18 Germany, 19 the European flag (the recommended values).
               The last column and the corners are 255, 251, 240, the
               colour the sheets leave out.
Buttons.bmp    the small buttons of the annex sheets, each as four looks
               side by side (inactive, normal, under the mouse, pressed):
               y 435 abbrechen (20 x 20), y 458 ok (20 x 21), y 577 the
               arrow of the header row (42 x 8, shown inactive), y 587 the
               button that starts the annex editor (9 x 7), y 598 the
               button that opens the selection sheet (40 x 41). The header
               pictures lie on 212, 208, 200, the others on 255, 251, 240.

8-bit BMP files with a palette.

    tools/make_nad_pictures.py <data directory>
"""
import math
import os
import struct
import sys

CREAM = (255, 251, 240)
FACE = (212, 208, 200)


class Picture:
    def __init__(self, w, h, background):
        self.w, self.h = w, h
        self.px = [[background] * w for _ in range(h)]

    def dot(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x1, y1, x2, y2, c):
        for y in range(y1, y2 + 1):
            for x in range(x1, x2 + 1):
                self.dot(x, y, c)

    def frame(self, x1, y1, x2, y2, c):
        for x in range(x1, x2 + 1):
            self.dot(x, y1, c)
            self.dot(x, y2, c)
        for y in range(y1, y2 + 1):
            self.dot(x1, y, c)
            self.dot(x2, y, c)

    def line(self, x1, y1, x2, y2, c):
        n = max(abs(x2 - x1), abs(y2 - y1), 1)
        for i in range(n + 1):
            self.dot(round(x1 + (x2 - x1) * i / n), round(y1 + (y2 - y1) * i / n), c)

    def save(self, path):
        colours = sorted({c for row in self.px for c in row})
        assert len(colours) <= 256
        index = {c: i for i, c in enumerate(colours)}
        stride = (self.w + 3) & ~3
        data = bytearray()
        for row in reversed(self.px):
            line = bytes(index[c] for c in row)
            data += line + bytes(stride - self.w)
        palette = b"".join(struct.pack("<BBBB", c[2], c[1], c[0], 0) for c in colours)
        offset = 14 + 40 + len(palette)
        header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
        info = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 8, 0, len(data), 2835, 2835, len(colours), 0)
        with open(path, "wb") as f:
            f.write(header + info + palette + data)


# ---- flags ------------------------------------------------------------------

W, H = 25, 19
RED, WHITE, BLUE = (200, 16, 46), (255, 255, 255), (0, 51, 153)
GREEN, YELLOW, BLACK = (0, 140, 69), (255, 204, 0), (0, 0, 0)
EDGE = (110, 110, 110)


def stripes(p, y0, colours, vertical):
    n = len(colours)
    for i, c in enumerate(colours):
        if vertical:
            p.rect(i * W // n, y0, (i + 1) * W // n - 1, y0 + H - 1, c)
        else:
            p.rect(0, y0 + i * H // n, W - 1, y0 + (i + 1) * H // n - 1, c)


def nordic(p, y0, field, cross, inner=None):
    p.rect(0, y0, W - 1, y0 + H - 1, field)
    p.rect(7, y0, 11, y0 + H - 1, cross)
    p.rect(0, y0 + 7, W - 1, y0 + 11, cross)
    if inner:
        p.rect(8, y0, 10, y0 + H - 1, inner)
        p.rect(0, y0 + 8, W - 1, y0 + 10, inner)


def flag(p, k, y0):
    if k == 0:
        stripes(p, y0, [RED, WHITE, RED], False)
    elif k == 1:
        stripes(p, y0, [BLACK, YELLOW, RED], True)
    elif k == 2:
        nordic(p, y0, RED, WHITE)
    elif k == 3:
        nordic(p, y0, WHITE, BLUE)
    elif k == 4:
        stripes(p, y0, [BLUE, WHITE, RED], True)
    elif k == 5:
        p.rect(0, y0, W - 1, y0 + H - 1, (1, 33, 105))
        p.line(0, y0, W - 1, y0 + H - 1, WHITE)
        p.line(0, y0 + H - 1, W - 1, y0, WHITE)
        p.rect(10, y0, 14, y0 + H - 1, WHITE)
        p.rect(0, y0 + 7, W - 1, y0 + 11, WHITE)
        p.rect(11, y0, 13, y0 + H - 1, RED)
        p.rect(0, y0 + 8, W - 1, y0 + 10, RED)
    elif k == 6:
        stripes(p, y0, [GREEN, WHITE, (255, 130, 0)], True)
    elif k == 7:
        stripes(p, y0, [GREEN, WHITE, RED], True)
    elif k == 8:
        stripes(p, y0, [RED, WHITE, (0, 161, 222)], False)
    elif k == 9:
        stripes(p, y0, [RED, WHITE, (33, 70, 139)], False)
    elif k == 10:
        nordic(p, y0, RED, WHITE, (0, 32, 91))
    elif k == 11:
        p.rect(0, y0, 9, y0 + H - 1, (0, 102, 0))
        p.rect(10, y0, W - 1, y0 + H - 1, RED)
        p.rect(8, y0 + 7, 12, y0 + 11, YELLOW)
    elif k == 12:
        nordic(p, y0, (0, 106, 167), YELLOW)
    elif k == 13:
        p.rect(0, y0, W - 1, y0 + H - 1, RED)
        p.rect(10, y0 + 4, 14, y0 + 14, WHITE)
        p.rect(7, y0 + 7, 17, y0 + 11, WHITE)
    elif k == 14:
        p.rect(0, y0, W - 1, y0 + H - 1, (198, 11, 30))
        p.rect(0, y0 + 5, W - 1, y0 + 13, YELLOW)
    elif k == 15:
        stripes(p, y0, [WHITE, RED], False)
        for y in range(H):
            for x in range(min(y, H - 1 - y) * 12 // 9 + 1):
                p.dot(x, y0 + y, (17, 69, 126))
    elif k == 16:
        stripes(p, y0, [WHITE, RED], False)
    elif k == 17:
        p.rect(0, y0, W - 1, y0 + H - 1, (235, 235, 235))
        for a in range(0, 360, 10):
            p.dot(12 + round(5 * math.cos(math.radians(a))), y0 + 9 + round(5 * math.sin(math.radians(a))), EDGE)
    elif k == 18:
        stripes(p, y0, [BLACK, (221, 0, 0), (255, 206, 0)], False)
    elif k == 19:
        p.rect(0, y0, W - 1, y0 + H - 1, BLUE)
        for i in range(12):
            a = math.radians(30 * i)
            p.dot(12 + round(6 * math.cos(a)), y0 + 9 + round(6 * math.sin(a)), YELLOW)
    p.frame(0, y0, W - 1, y0 + H - 1, EDGE)
    # Rounded corners in the colour left out.
    for x, y in ((0, 0), (W - 1, 0), (0, H - 1), (W - 1, H - 1)):
        p.dot(x, y0 + y, CREAM)


def flags(path):
    p = Picture(26, 20 * 19, CREAM)
    for k in range(20):
        flag(p, k, 19 * k)
    p.save(path)


# ---- buttons ----------------------------------------------------------------

INK = [(150, 150, 150), (40, 40, 40), (0, 70, 160), (0, 0, 0)]  # per look


def looks(p, y, w, h, draw):
    for look in range(4):
        x = look * w
        draw(p, x, y, w, h, look)


def cancel(p, x, y, w, h, look):
    c = (150, 150, 150) if look == 0 else (190, 30, 30) if look < 3 else (120, 0, 0)
    p.frame(x + 1, y + 1, x + w - 2, y + h - 2, INK[look])
    for d in range(2):
        p.line(x + 5 + d, y + 5, x + w - 6 + d, y + h - 6, c)
        p.line(x + 5 + d, y + h - 6, x + w - 6 + d, y + 5, c)


def ok(p, x, y, w, h, look):
    c = (150, 150, 150) if look == 0 else (20, 140, 40) if look < 3 else (0, 90, 20)
    p.frame(x + 1, y + 1, x + w - 2, y + h - 2, INK[look])
    for d in range(2):
        p.line(x + 5, y + 10 + d, x + 8, y + 14 + d, c)
        p.line(x + 8, y + 14 + d, x + 15, y + 5 + d, c)


def arrow(p, x, y, w, h, look):
    c = (120, 120, 120)
    for i in range(0, w - 6, 4):
        p.line(x + i, y + 4, x + i + 1, y + 4, c)
    p.line(x + w - 5, y + 1, x + w - 2, y + 4, c)
    p.line(x + w - 5, y + 7, x + w - 2, y + 4, c)


def edit(p, x, y, w, h, look):
    if look >= 2:
        p.rect(x, y, x + w - 1, y + h - 1, (255, 255, 255) if look == 2 else (180, 180, 180))
    p.frame(x, y, x + w - 1, y + h - 1, INK[look])
    for i in range(3):
        p.dot(x + 2 + 2 * i, y + 4, INK[look])


def choose(p, x, y, w, h, look):
    p.rect(x + 1, y + 1, x + w - 2, y + h - 2, (255, 255, 255) if look != 3 else (225, 225, 225))
    p.frame(x, y, x + w - 1, y + h - 1, INK[look])
    p.rect(x + 5, y + 5, x + 19, y + 14, (0, 51, 153) if look else (190, 190, 190))
    p.rect(x + 11, y + 13, x + 25, y + 22, (221, 0, 0) if look else (170, 170, 170))
    p.rect(x + 17, y + 21, x + 31, y + 30, (255, 206, 0) if look else (150, 150, 150))
    p.frame(x + 17, y + 21, x + 31, y + 30, INK[look])


def buttons(path):
    p = Picture(168, 640, CREAM)
    looks(p, 435, 20, 20, cancel)
    looks(p, 458, 20, 21, ok)
    p.rect(0, 577, 167, 594, FACE)
    looks(p, 577, 42, 8, arrow)
    looks(p, 587, 9, 7, edit)
    looks(p, 598, 40, 41, choose)
    p.save(path)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = os.path.join(sys.argv[1], "NAD")
    os.makedirs(out, exist_ok=True)
    flags(os.path.join(out, "EuroFlags.bmp"))
    buttons(os.path.join(out, "Buttons.bmp"))


if __name__ == "__main__":
    main()
