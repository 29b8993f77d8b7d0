#!/usr/bin/env python3
"""Independent check of the golden pictures in this directory.

Rebuilds every record of the profile pictures from the geometry of the
profile families (outline point tables, weld triangles, joint lines, marks)
and the record forms of the picture writer (element " 30"/" 52" .. " 31"/
" 53", colour "50 r g b", width " 4 w", fill " 20  p", polygon " 18 n x y ..",
line " 1  x1 y1 x2 y2", paper cm = world mm x scale), written here without
the program's code. The records that the picture writer builds on its own
(dimension lines, axis symbols, text records, the picture head) are taken
from the file as blocks and printed for a person to read against the
writer's forms; the script checks their count and position only.

Run: python3 check_pictures.py   (prints the blocks, exits 1 on a mismatch)
"""
import math
import sys
import os

HERE = os.path.dirname(os.path.abspath(__file__))
PEN = {0: (0, 0, 0), 2: (110, 110, 110), 4: (255, 50, 50), 5: (125, 125, 255), 6: (30, 30, 255),
       10: (30, 150, 30)}
C = [0.9238795325112867, 0.7071067811865476, 0.3826834323650898]
S = [0.3826834323650898, 0.7071067811865476, 0.9238795325112867]


def f(v):
    # A zero is written as 0.000000 here; the file may carry the sign of a
    # zero that its sines gave (-0.000000), which compares equal below.
    return "%f" % (v + 0.0)


def colour(pen):
    return "50 %d %d %d" % PEN[pen]


def poly(pts, sc):
    return " 18 %d " % len(pts) + " ".join("%s %s" % (f(x * sc), f(y * sc)) for x, y in pts) + " "


def line(a, b, sc):
    return " 1  %s %s %s %s" % (f(a[0] * sc), f(a[1] * sc), f(b[0] * sc), f(b[1] * sc))


def pen_line(a, b, pen, width, sc):
    return [" 30", " 52", colour(pen), " 4 %d" % width, line(a, b, sc), " 31", " 53"]


def outline(pts, pen, width, sc):
    out = []
    n = len(pts)
    for i in range(1, n + 1):
        out += pen_line(pts[i - 1], pts[i % n], pen, width, sc)
    return out


def weld_triangle(apex, leg, start, line_pen, sc):
    def snap(v):
        for t in (0.0, 1.0, -1.0):
            if abs(v - t) < 0.001:
                return t
        return v
    x, y = apex
    e = start + math.pi / 2
    p1 = (x + leg * snap(math.cos(start)), y - leg * snap(math.sin(start)))
    p2 = (x + leg * snap(math.cos(e)), y - leg * snap(math.sin(e)))
    # The filled triangle is an element; its edges follow as elements of
    # their own (elements never nest).
    out = [" 30", " 52", colour(2), " 20  64", poly([apex, p1, p2], sc), " 31", " 53"]
    out += pen_line(apex, p1, line_pen, 1, sc) + pen_line(apex, p2, line_pen, 1, sc)
    out += pen_line(p1, p2, line_pen, 1, sc)
    return out


def circle_points(cx, cy, r, n=32):
    return [(cx + r * math.cos(2 * math.pi * k / n), cy + r * math.sin(2 * math.pi * k / n)) for k in range(n)]


def arc_lines(cx, cy, r, sc):
    pts = [(cx + r * math.cos(math.pi * k / 16), cy + r * math.sin(math.pi * k / 16)) for k in range(33)]
    return [line(pts[k], pts[k + 1], sc) for k in range(32)]


def centroid_mark(cx, cy, sc, text, at=(0.15, 0.0)):
    # One element: pattern 64, the annotation pen, the dot, its outline and
    # the letter, `at` paper cm right of and below the dot.
    dm = 0.1 / sc
    return [" 30", " 52", " 20  64", colour(10), poly(circle_points(cx, cy, dm / 2), sc).rstrip(" ")] + \
        arc_lines(cx, cy, dm / 2, sc) + \
        [("text", 1, "%s at (%s, %s)" % (text, f((cx + at[0] / sc) * sc), f((cy + at[1] / sc) * sc))), " 31", " 53"]


def area(pen, pts, sc):
    return [" 30", " 52", colour(pen), " 20  34", poly(pts, sc), " 31", " 53"]


def arc3(rounded, corner, centre, r, u, v):
    if not rounded:
        return [corner] * 3
    return [(centre[0] + r * (u[0] * C[k] + v[0] * S[k]), centre[1] + r * (u[1] * C[k] + v[1] * S[k]))
            for k in range(3)]


def own_head(window):
    # No element around the whole drawing: its parts are elements side by side.
    return ["#SHOWGRAFIC", " 0 0 0", " 0 0 0", "-1", window, " 8 6", " 7 9", " 4 1", " 38 0   0",
            colour(0)]


def own_tail():
    return [" -1", "#SETYPOS", "256 -0.5"]


def welded_i():
    sc = 0.01
    h, tw, b, tf, o = 360.0, 10.0, 180.0, 15.0, 5.0
    xr, yr = 90.0, 0.0
    xw, yb, xl = xr - tw / 2, yr + h - tf, xr - b / 2
    p = [(xl, yr), (xl, yr + tf)] + [(xl, yr + tf)] * 3 + [(xl, yr + tf), (xw - o, yr + tf)]
    p += [(xw, yr + tf)] * 3 + [(xw, yr + tf + o), (xw, yb - o)] + [(xw, yb)] * 3
    p += [(xw - o, yb), (xl, yb)] + [(xl, yb)] * 3 + [(xl, yb), (xl, yr + h)]
    p += [(2 * xr - x, y) for x, y in reversed(p)]
    assert len(p) == 44
    out = own_head("-1.000000 2.800000 4.000000 -1.000000")
    out += area(5, p, sc) + [colour(0)] + outline(p, 0, 2, sc)
    out += pen_line(p[8], p[35], 0, 2, sc)
    out += weld_triangle(p[8], o, math.pi, 0, sc) + weld_triangle(p[35], o, 1.5 * math.pi, 0, sc)
    out += pen_line(p[13], p[30], 0, 2, sc)
    out += weld_triangle(p[13], o, math.pi / 2, 0, sc) + weld_triangle(p[30], o, 0.0, 0, sc)
    out += [colour(0)]
    out += [("dimension", 84, "h = 360 at x = -48 mm (paper -0.48) from y 0 to 360 (0 .. 3.6)")]
    out += [("dimension", 84, "b = 180 at y = -24 mm (paper -0.24) from x 180 to 0 (1.8 .. 0)")]
    out += [colour(10), ("axes", 15, "axis cross 0.5 cm at the centroid (90, 180) = paper (0.9, 1.8), z down, y left")]
    out += centroid_mark(90.0, 180.0, sc, "S")
    return out + own_tail()


def tube():
    sc = 0.02
    D, t = 100.0, 10.0
    cx, cy = 0.0, 0.0
    out = ["#SHOWGRAFIC", " 0 0 0", " 0 0 0", "-1", "-2.000000 2.000000 2.000000 -2.000000"]
    outer = circle_points(cx, cy, D / 2)
    inner = circle_points(cx, cy, D / 2 - t)
    # The writer's ring: both circles closed (33 points each), same sense;
    # the area and the outline are elements of their own.
    ring = outer + [outer[0]] + inner + [inner[0]]
    out += [" 30", " 52", colour(5), " 20  34", poly(ring, sc).rstrip(" "), " 31", " 53"]
    out += [" 30", " 52", colour(0), " 4 2"] + arc_lines(cx, cy, D / 2, sc) + arc_lines(cx, cy, D / 2 - t, sc)
    out += [" 31", " 53", colour(0)]
    # The caller's picture sets the sketch's dimension style 8: dot ends,
    # each a filled circle of 0.0375 cm at the end of the dimension line
    # (paper (1.6, -+1.0) and (-1.6, -+0.8)) with its 32 edges.
    out += [("dimension", 84, "D = 100 at x = 80 mm (paper 1.6) from y -50 to 50, dot ends")]
    out += [("dimension", 84, "D - 2t = 80 at x = -80 mm (paper -1.6) from y -40 to 40, dot ends")]
    out += [colour(10), ("axes", 15, "axis cross at the centre (0, 0)")]
    # The caller's colour (pen 0) back after the drawing.
    out += centroid_mark(0.0, 0.0, sc, "S") + [colour(0)]
    out += [" 30", " 52", colour(6), " 4 4"] + arc_lines(cx, cy, D / 2, sc) + [" 31", " 53", colour(0), " -1"]
    return out


def angle():
    # Leg h = 126 upright at the left, leg b = 84 along the bottom, both 10
    # thick: extent 84 x 126 in 15.2 x 4.2 cm, n = 100 * 126 / 4.2 = 3000
    # (exact), 1:30. Heel at (0, 126), the top of leg h at y 0.
    sc = 1.0 / 30.0
    h, b, t, r1, r2 = 126.0, 84.0, 10.0, 10.0, 5.0
    xr, yr = 0.0, h
    xi, yi = xr + t, yr - t
    # Up the back of leg h: its top, the heel, the tip of leg b with its toe
    # arc, the root arc, the tip of leg h with its toe arc.
    p = [(xr, yr - h), (xr, yr), (xr + b, yr), (xr + b, yi + r2)]
    p += arc3(True, None, (xr + b - r2, yi + r2), r2, (1, 0), (0, -1)) + [(xr + b - r2, yi), (xi + r1, yi)]
    p += arc3(True, None, (xi + r1, yi - r1), r1, (0, 1), (-1, 0)) + [(xi, yi - r1), (xi, yr - h + r2)]
    p += arc3(True, None, (xi - r2, yr - h + r2), r2, (1, 0), (0, -1)) + [(xi - r2, yr - h)]
    assert len(p) == 18
    out = own_head("-0.650000 %s %s -0.650000" % (f(b * sc + 0.65), f(h * sc + 0.65)))
    out += area(5, p, sc) + [colour(0)] + outline(p, 0, 1, sc)
    out += [("text", 2, "\"1\" at ((x0 + x12)/2, (y0 + y1)/2) = (5, 63) = paper (0.166667, 2.1)"),
            ("text", 2, "\"2\" at ((x1 + x2)/2, (y1 + y8)/2) = (42, 121) = paper (1.4, 4.033333)")]
    return out + own_tail()


def weld_check():
    sc = 0.05
    p = [(0.0, 0.0), (0.0, 84.0), (10.0, 84.0), (10.0, 0.0)]
    out = own_head("-0.650000 1.150000 4.850000 -0.650000")
    out += area(5, p, sc) + [colour(0)] + outline(p, 0, 1, sc)
    out += [colour(10), ("axes", 15, "axis cross 0.5 cm at the centroid (5, 42) = paper (0.25, 2.1)")]
    # The dot lies on the bar, whose faces (taken 0.06 cm either side) and
    # the gap labels keep (0.03 cm) take the places right of it up to 0.5 +
    # 0.06 + 0.03 = 0.59 cm: the first place off the bar's area is 0.35 cm
    # right of the dot (0.25 + 0.35 = 0.6 cm), the letter's left edge there.
    out += centroid_mark(5.0, 42.0, sc, "S", (0.35, 0.0))
    out += own_tail()
    # The check's own marks, placed with the returned 20 mm per cm: 0.1 cm
    # is 2 mm of the world.
    g = 0.1 * 20.0
    out += [colour(4)]
    out += pen_line((-g, 0.0), (-g, 84.0), 6, 2, sc) + pen_line((10 + g, 0.0), (10 + g, 84.0), 6, 2, sc)
    for x in (-g, 10 + g):
        out += [" 30", " 52", colour(4), " 20  0", poly(circle_points(x, 42.0, g), sc).rstrip(" "), " 4 1",
                colour(4)] + arc_lines(x, 42.0, g, sc) + [" 31", " 53"]
    return out


def check(name, want):
    with open(os.path.join(HERE, name), "rb") as fh:
        got = fh.read().decode("latin-1").split("\n")
    if got and got[-1] == "":
        got.pop()
    bad = 0
    i = 0
    for w in want:
        if isinstance(w, tuple):
            kind, n, what = w
            print("--- %s %s: %s" % (name, kind, what))
            for k in range(n):
                print("    " + got[i + k].encode("latin-1").decode("cp850"))
            i += n
            continue
        if i >= len(got) or got[i].replace("-0.000000", "0.000000") != w.replace("-0.000000", "0.000000"):
            print("%s line %d: want %r got %r" % (name, i + 1, w[:100], got[i][:100] if i < len(got) else None))
            bad += 1
            if bad > 5:
                return False
        i += 1
    if i != len(got):
        print("%s: %d lines checked of %d" % (name, i, len(got)))
        return False
    return bad == 0


def check_spf():
    """The plot file holds the same I: its first area is the 44 outline
    points with y turned to the plot's upward axis (y' = 400 - 100 - y)."""
    with open(os.path.join(HERE, "welded_i.SPF"), "rb") as fh:
        text = fh.read().decode("latin-1").split("\n")
    start = text.index("-area / 0 0")
    ok = True
    h, tw, b, tf, o, xr = 360.0, 10.0, 180.0, 15.0, 5.0, 90.0
    xw, yb, xl = xr - tw / 2, h - tf, xr - b / 2
    p = [(xl, 0), (xl, tf)] + [(xl, tf)] * 4 + [(xw - o, tf)] + [(xw, tf)] * 3 + [(xw, tf + o), (xw, yb - o)]
    p += [(xw, yb)] * 3 + [(xw - o, yb)] + [(xl, yb)] * 5 + [(xl, h)]
    p += [(2 * xr - x, y) for x, y in reversed(p)]
    for k, (x, y) in enumerate(p):
        fields = text[start + 1 + k].replace("(", " ").replace(")", " ").split()
        at = [j for j, v in enumerate(fields) if v == "@%d" % (k + 1)][-1]
        if abs(float(fields[at + 1]) - x) > 1e-4 or abs(float(fields[at + 2]) - (300.0 - y)) > 1e-4:
            print("SPF point %d: %s" % (k, text[start + 1 + k]))
            ok = False
    return ok


if __name__ == "__main__":
    results = [check("welded_i.OLI", welded_i()), check("tube_all_round.OLI", tube()),
               check("angle_legs.OLI", angle()), check("weld_check_flat.OLI", weld_check()), check_spf()]
    print("all checked" if all(results) else "MISMATCH")
    sys.exit(0 if all(results) else 1)
