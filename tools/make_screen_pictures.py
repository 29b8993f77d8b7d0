#!/usr/bin/env python3
"""Writes the pictures of the program's own screens into a data directory:
the register heads and the picture buttons of the main screen, the column
heads and the sign convention of the load-case table, the picture buttons
of the pages and dialogs, the profile manager's picture, the animations.
data/README lists every file with its size and what it shows.

Every picture has the size its callers cut from it, so that it is drawn
pixel for pixel: a picture item that is stretched over its rectangle is as
large as the rectangle, a button strip holds its looks where the caller
takes them.

    tools/make_screen_pictures.py <data directory>
"""
import math
import os
import shutil
import sys

from bitmap_drawing import (BLACK, BLUE, CREAM, DARK, FACE, GREEN, INACTIVE, KEY_GREY, NORMAL,
                            HOVER, PRESSED, RED, SHADOW, WHITE, Picture, button_look, strip_looks,
                            text_width)

# ---- the main screen: register heads and button bar ("Buttons.bmp") --------

HEAD_KEY = (219, 213, 203)  # left out when the heads are drawn
HEAD_FACE = (236, 233, 216)
HEAD_INK = (30, 30, 30)
BAR_LOOK_Y = {NORMAL: 51, HOVER: 89, INACTIVE: 127, PRESSED: 165}
PAPER = (250, 250, 250)
PAPER_EDGE = (90, 90, 90)


def icon_input(p, x, y):
    """A form with fields and a pencil."""
    p.rect(x + 2, y, x + 19, y + 21, PAPER)
    p.frame(x + 2, y, x + 19, y + 21, PAPER_EDGE)
    for k in range(4):
        p.hline(x + 5, x + 9, y + 4 + 5 * k, SHADOW)
        p.rect(x + 11, y + 3 + 5 * k, x + 16, y + 5 + 5 * k, (255, 255, 255))
        p.frame(x + 11, y + 2 + 5 * k, x + 16, y + 6 + 5 * k, (0, 0, 160))
    for d in range(3):
        p.line(x + 14 + d, y + 22, x + 24 + d, y + 8, (200, 120, 0))
    p.dot(x + 14, y + 23, BLACK)


def icon_loads(p, x, y):
    """A table of six columns under an arrow of a force."""
    p.rect(x, y + 8, x + 25, y + 22, (255, 255, 255))
    p.frame(x, y + 8, x + 25, y + 22, PAPER_EDGE)
    p.rect(x + 1, y + 9, x + 24, y + 11, (190, 205, 225))
    for k in range(1, 5):
        p.vline(x + 5 * k, y + 8, y + 22, (150, 150, 150))
    for k in range(2):
        p.hline(x + 1, x + 24, y + 15 + 3 * k, (190, 190, 190))
    p.arrow(x + 2, y + 3, x + 24, y + 3, RED, width=2, size=6)


def icon_chart(p, x, y):
    """Bars of utilisation below the limit 1.0."""
    p.rect(x, y, x + 25, y + 22, (255, 255, 255))
    p.frame(x, y, x + 25, y + 22, PAPER_EDGE)
    for k, length in enumerate((15, 20, 9, 12)):
        p.rect(x + 2, y + 3 + 5 * k, x + 2 + length, y + 5 + 5 * k, (0, 160, 0))
    p.vline(x + 22, y + 1, y + 21, RED)


def register_heads(p):
    """The heads of the three register pages on the picture's top rows 0..47
    (screen y 7..54; the tabs run from screen x 4 to 74, 75 to 145 and 146 to
    216, the picture starts at x 6)."""
    tabs = [(-2, 68, "Eingabe", icon_input), (69, 139, "Lasten", icon_loads),
            (140, 210, "Nachweis", icon_chart)]
    for x1, x2, label, icon in tabs:
        p.rect(max(x1, 0), 0, x2, 47, HEAD_FACE)
        cx = (x1 + x2) // 2
        icon(p, cx - 13, 6)
        p.centred(cx + 1, 42, label, HEAD_INK)


def bar_frame(p, x, y, w, h):
    p.rect(x + 3, y + 3, x + w - 4, y + h - 4, (255, 255, 255))
    p.frame(x + 3, y + 3, x + w - 4, y + h - 4, PAPER_EDGE)


def icon_annex(p, x, y, w, h):
    """Blue field with a ring of yellow stars, and the letters NA."""
    p.rect(x + 4, y + 4, x + 25, y + 19, (0, 51, 153))
    for i in range(12):
        a = math.radians(30 * i)
        p.dot(x + 14 + round(6 * math.cos(a)), y + 11 + round(6 * math.sin(a)), (255, 204, 0))
    p.frame(x + 4, y + 4, x + 25, y + 19, (40, 40, 90))
    p.text(x + 18, y + 32, "NA", (0, 51, 153), "bold")


def icon_print_control(p, x, y, w, h):
    """A page with ticked lines and a slider below."""
    p.rect(x + 9, y + 3, x + 30, y + 28, PAPER)
    p.frame(x + 9, y + 3, x + 30, y + 28, PAPER_EDGE)
    for k in range(4):
        yy = y + 7 + 5 * k
        p.frame(x + 12, yy, x + 15, yy + 3, BLACK)
        if k != 2:
            p.line(x + 12, yy + 1, x + 14, yy + 3, (0, 130, 0))
            p.line(x + 14, yy + 3, x + 17, yy - 1, (0, 130, 0))
        p.hline(x + 18, x + 27, yy + 2, SHADOW)
    p.hline(x + 6, x + 35, y + 32, DARK)
    p.rect(x + 22, y + 29, x + 25, y + 35, BLUE)


def icon_preview(p, x, y, w, h):
    """A page under a magnifying glass."""
    p.rect(x + 7, y + 3, x + 27, y + 31, PAPER)
    p.frame(x + 7, y + 3, x + 27, y + 31, PAPER_EDGE)
    for k in range(5):
        p.hline(x + 10, x + 24 - 3 * (k % 2), y + 7 + 4 * k, SHADOW)
    p.disc(x + 24, y + 19, 7, (200, 225, 250))
    p.circle(x + 24, y + 19, 7, DARK)
    p.circle(x + 24, y + 19, 6, DARK)
    for d in range(3):
        p.line(x + 29 + d, y + 25, x + 35 + d, y + 31, (120, 70, 20))


def icon_print(p, x, y, w, h):
    """A printer with a page coming out."""
    p.rect(x + 12, y + 3, x + 29, y + 13, PAPER)
    p.frame(x + 12, y + 3, x + 29, y + 13, PAPER_EDGE)
    p.polygon([(x + 6, y + 14), (x + 35, y + 14), (x + 35, y + 26), (x + 6, y + 26)], (150, 150, 160), DARK)
    p.hline(x + 8, x + 33, y + 16, (190, 190, 200))
    p.dot(x + 31, y + 18, (0, 200, 0))
    p.rect(x + 11, y + 23, x + 30, y + 33, PAPER)
    p.frame(x + 11, y + 23, x + 30, y + 33, PAPER_EDGE)
    for k in range(2):
        p.hline(x + 14, x + 27, y + 27 + 3 * k, SHADOW)


def icon_plot(p, x, y, w, h):
    """A drawing of a plan with a pen."""
    p.rect(x + 5, y + 4, x + 31, y + 31, PAPER)
    p.frame(x + 5, y + 4, x + 31, y + 31, PAPER_EDGE)
    p.frame(x + 9, y + 10, x + 21, y + 26, BLUE)
    p.line(x + 9, y + 10, x + 21, y + 26, BLUE)
    p.hline(x + 9, x + 27, y + 8, RED)
    for d in range(3):
        p.line(x + 24 + d, y + 27, x + 34 + d, y + 12, (40, 40, 40))
    p.line(x + 24, y + 30, x + 25, y + 27, (40, 40, 40))


def icon_help(p, x, y, w, h):
    p.disc(x + 20, y + 18, 13, (0, 92, 176))
    p.circle(x + 20, y + 18, 13, (0, 50, 110))
    p.text(x + 15, y + 26, "?", WHITE, "bold", scale=2)


def icon_end(p, x, y, w, h):
    """An open door with an arrow leading out."""
    p.rect(x + 8, y + 4, x + 22, y + 32, (120, 80, 40))
    p.rect(x + 10, y + 6, x + 20, y + 32, (40, 40, 40))
    p.polygon([(x + 10, y + 6), (x + 17, y + 9), (x + 17, y + 35), (x + 10, y + 32)], (170, 120, 60), (90, 60, 30))
    p.dot(x + 15, y + 20, (250, 220, 0))
    p.arrow(x + 19, y + 18, x + 36, y + 18, (0, 140, 0), width=3, size=8)


BAR_ICONS = {302: icon_annex, 259: icon_print_control, 216: icon_preview, 1: icon_print,
             44: icon_plot, 130: icon_help, 173: icon_end}


def main_buttons(path):
    """Buttons.bmp: the heads (rows 0..47, drawn at screen (6, 7)) and the
    seven buttons of the bar, 42 x 37 each, looks at y 51, 89, 127, 165."""
    p = Picture(552, 202, KEY_GREY)
    p.rect(0, 0, 551, 47, HEAD_KEY)
    register_heads(p)
    for sx, icon in BAR_ICONS.items():
        for look, sy in BAR_LOOK_Y.items():
            button_look(p, sx, sy, 42, 37, look, lambda q, x, y, w, h, icon=icon: icon(q, x, y, w, h),
                        face=FACE, key=KEY_GREY)
    p.save(path)


# ---- the load-case table ---------------------------------------------------

TABLE_BAND = (228, 235, 244)
TABLE_GRID = (110, 130, 160)
TABLE_UNIT = (50, 50, 50)
# Unit code -> (file, force unit, moment unit).
UNITS = [("EC3_schweisslasten_1.bmp", "kN", "kNm"), ("EC3_schweisslasten_2.bmp", "kN", "kNcm"),
         ("EC3_schweisslasten_3.bmp", "N", "Nm"), ("EC3_schweisslasten.bmp", "N", "Nmm")]
# The table's columns from left: symbol, force (1) or moment (0).
COLUMNS = [("N", 1), ("M_y", 0), ("V_z", 1), ("M_z", 0), ("V_y", 1), ("M_x", 0)]


def column_heads(path, force, moment):
    """891 x 66, drawn over the table's head: the value field of column i
    runs from x 45 + 82 i to 121 + 82 i, the name field from 537 to 869;
    rows 51..61 take the table's sort marks."""
    p = Picture(891, 66, CREAM)
    p.rect(0, 0, 872, 49, TABLE_BAND)
    p.frame(0, 0, 872, 49, TABLE_GRID)
    left = [42 + 82 * i for i in range(7)]  # separators before the columns
    for x in left:
        p.vline(x, 0, 49, TABLE_GRID)
    p.hline(42, 534, 16, TABLE_GRID)
    groups = [(0, 1, "Normalkraft"), (1, 3, "Biegung um y"), (3, 5, "Biegung um z"), (5, 6, "Torsion")]
    for a, b, label in groups:
        if b - a == 2:
            p.vline(left[a + 1], 1, 15, TABLE_BAND)
        p.centred((left[a] + left[b]) // 2 + 1, 12, label, BLACK, "small")
    for i, (symbol, is_force) in enumerate(COLUMNS):
        cx = left[i] + 41
        p.centred(cx, 31, symbol, BLACK, "bold")
        p.centred(cx, 45, "[%s]" % (force if is_force else moment), TABLE_UNIT)
    p.text(547, 31, "Bezeichnung", BLACK, "bold")
    p.text(547, 45, "des Lastkollektivs", TABLE_UNIT)
    p.centred(21, 31, "Nr.", BLACK, "bold")
    p.save(path)


def sign_convention(path):
    """371 x 371: the profile's end at the plate seen at a slant, its axes
    (x out of the plate, y to the left, z downward) and the positive
    internal forces: forces along the axes, moments turning by the right
    hand about them."""
    p = Picture(371, 371, CREAM)
    p.frame(0, 0, 370, 370, (170, 170, 170))
    p.centred(185, 20, "Positive Schnittgrößen", BLACK, "bold")
    ox, oy = 168, 142
    # Screen place of a point (member axis x, section axes y and z); a
    # point further along VIEW lies nearer to the viewer.
    slant = (0.62, 0.42)
    view = (1.0, slant[0], -slant[1])

    def at(x, y, z):
        return (ox - y + slant[0] * x, oy + z + slant[1] * x)

    steel, edge, front = (175, 195, 220), (40, 50, 70), (120, 150, 200)
    p.polygon([at(0, 82, -78), at(0, -82, -78), at(0, -82, 82), at(0, 82, 82)], (210, 210, 204), (90, 90, 90))
    # An I-section, counter-clockwise in (y, z) seen from +x; its sides are
    # swept from the plate (x 0) to the end (x length); the sides turned
    # to the viewer are drawn from the far ones to the near ones.
    b, hh, tf, tw, length = 40, 52, 8, 6, 60
    outline = [(b, -hh), (b, -hh + tf), (tw, -hh + tf), (tw, hh - tf), (b, hh - tf), (b, hh), (-b, hh),
               (-b, hh - tf), (-tw, hh - tf), (-tw, -hh + tf), (-b, -hh + tf), (-b, -hh)]
    sides = []
    for (y1, z1), (y2, z2) in zip(outline, outline[1:] + outline[:1]):
        ny, nz = (z2 - z1), -(y2 - y1)  # outward for this turning sense
        if ny * view[1] + nz * view[2] <= 0:
            continue
        depth = (y1 + y2) / 2 * view[1] + (z1 + z2) / 2 * view[2]
        sides.append((depth, [at(0, y1, z1), at(0, y2, z2), at(length, y2, z2), at(length, y1, z1)]))
    for _, face in sorted(sides):
        p.polygon(face, steel, edge)
    p.polygon([at(length, y, z) for y, z in outline], front, edge)

    axis, force, moment = (0, 110, 0), (200, 0, 0), (0, 60, 190)
    cx, cy = at(length, 0, 0)
    p.disc(cx, cy, 2, axis)
    ends = {"x": (length + 150, 0, 0), "y": (length, 152, 0), "z": (length, 0, 150)}
    for name, end in ends.items():
        ex, ey = at(*end)
        p.dashed(cx, cy, ex, ey, axis, 5, 2)
        p.arrow_head(ex, ey, math.atan2(ey - cy, ex - cx), axis, 8)
    p.text(at(*ends["x"])[0] - 2, at(*ends["x"])[1] + 14, "x", axis, "bold")
    p.text(at(*ends["y"])[0] - 3, at(*ends["y"])[1] - 7, "y", axis, "bold")
    p.text(at(*ends["z"])[0] + 7, at(*ends["z"])[1] + 2, "z", axis, "bold")

    def push(a, b, label, dx, dy):
        (xa, ya), (xb, yb) = at(*a), at(*b)
        p.arrow(xa, ya, xb, yb, force, width=3, size=11)
        p.text(xb + dx, yb + dy, label, force, "bold")

    push((length + 12, 0, 0), (length + 80, 0, 0), "N", -2, -9)
    push((length, 48, 0), (length, 100, 0), "V_y", 4, 18)
    push((length, 0, 60), (length, 0, 106), "V_z", 9, -2)

    # Moments: most of a turn about each axis, positive by the right hand
    # (x = y z, y = z x, z = x y), the arrow at the end of the turn.
    def turn(centre, u, v, r, label, dx, dy):
        pts = []
        for k in range(0, 281, 4):
            t = math.radians(k - 50)
            q = [centre[i] + r * (math.cos(t) * u[i] + math.sin(t) * v[i]) for i in range(3)]
            pts.append(at(*q))
        for (xa, ya), (xb, yb) in zip(pts[:-3], pts[1:-2]):
            p.line(xa, ya, xb, yb, moment, 2)
        (xa, ya), (xb, yb) = pts[-4], pts[-1]
        p.arrow_head(xb, yb, math.atan2(yb - ya, xb - xa), moment, 10)
        cxm, cym = at(*centre)
        p.text(cxm + dx, cym + dy, label, moment, "bold")

    X, Y, Z = (1, 0, 0), (0, 1, 0), (0, 0, 1)
    turn((length + 112, 0, 0), Y, Z, 15, "M_x", 16, -12)
    turn((length, 124, 0), Z, X, 17, "M_y", 20, -20)
    turn((length, 0, 126), X, Y, 17, "M_z", -44, 10)
    p.text(12, 340, "Kräfte in Richtung der Achsen,", DARK)
    p.text(12, 356, "Momente rechtsdrehend um die Achsen", DARK)
    p.save(path)


# ---- the pages' picture buttons ----------------------------------------------

BUTTON_FACE = (236, 233, 216)


def action_button(path, icon):
    """14 x 14 beside a label (act_but.bmp, work_but.bmp); white is left out."""
    p = Picture(14, 14, WHITE)
    p.raised(0, 0, 13, 13, fill=BUTTON_FACE)
    icon(p)
    for x, y in ((0, 0), (13, 0), (0, 13), (13, 13)):
        p.dot(x, y, WHITE)
    p.save(path)


def act_icon(p):
    p.polygon([(5, 3), (10, 7), (5, 11)], (0, 100, 0), (0, 70, 0))


def work_icon(p):
    for d in range(2):
        p.line(3 + d, 10, 9 + d, 4, (90, 60, 30))
    p.rect(8, 2, 11, 5, (60, 60, 60))


def updown_button(path):
    """16 x 18: the upper half (rows 0..9) counts up, the lower down."""
    p = Picture(16, 18, BUTTON_FACE)
    p.raised(0, 0, 15, 9)
    p.raised(0, 9, 15, 17)
    p.polygon([(8, 2), (12, 7), (4, 7)], BLACK)
    p.polygon([(4, 11), (12, 11), (8, 16)], BLACK)
    p.save(path)


def explorer_button(path):
    """18 x 18, the face of the file dialog's browse button: a folder."""
    p = Picture(18, 18, FACE)
    folder(p, 1, 3, 16, 12)
    p.save(path)


def folder(p, x, y, w, h):
    p.polygon([(x, y + 2), (x + w // 3, y + 2), (x + w // 3 + 2, y), (x + w - 1, y), (x + w - 1, y + h - 1),
               (x, y + h - 1)], (240, 200, 80), (150, 110, 20))
    p.polygon([(x + 2, y + 5), (x + w + 1, y + 5), (x + w - 2, y + h - 1), (x, y + h - 1)], (255, 225, 120),
              (150, 110, 20))


def q7_logo(path, w, h, key):
    """The mark of the sibling programs the loads come from, "Q7-"."""
    p = Picture(w, h, key)
    p.rect(2, 1, 26, h - 2, (0, 78, 152))
    p.text(4, h - 4, "Q7", WHITE, "bold")
    p.text(28, h - 4, "-", (0, 78, 152), "bold")
    p.save(path)


def icon_import_component(p, x, y, w, h):
    """A component (a beam on a frame) and an arrow into a table."""
    p.rect(x + 6, y + 6, x + 20, y + 10, (0, 78, 152))
    p.vline(x + 8, y + 10, y + 25, DARK)
    p.vline(x + 18, y + 10, y + 25, DARK)
    p.arrow(x + 21, y + 16, x + 31, y + 16, (0, 140, 0), width=2, size=6)
    table(p, x + 32, y + 8, 13, 15)


def table(p, x, y, w, h):
    p.rect(x, y, x + w, y + h, WHITE)
    p.frame(x, y, x + w, y + h, PAPER_EDGE)
    p.rect(x + 1, y + 1, x + w - 1, y + 3, (190, 205, 225))
    for k in range(1, 3):
        p.vline(x + k * w // 3, y, y + h, (150, 150, 150))
    for yy in range(y + 7, y + h, 4):
        p.hline(x + 1, x + w - 1, yy, (190, 190, 190))


def icon_clear_table(p, x, y, w, h):
    table(p, x + 14, y + 8, 22, 20)
    for d in range(3):
        p.line(x + 12 + d, y + 7, x + 36 + d, y + 29, RED)
        p.line(x + 36 + d, y + 7, x + 12 + d, y + 29, RED)


def icon_import_file(p, x, y, w, h):
    """A text file, an arrow, a table."""
    p.polygon([(x + 4, y + 6), (x + 16, y + 6), (x + 20, y + 10), (x + 20, y + 29), (x + 4, y + 29)], WHITE,
              PAPER_EDGE)
    for k in range(5):
        p.hline(x + 7, x + 17 - 4 * (k % 2), y + 12 + 3 * k, SHADOW)
    p.arrow(x + 21, y + 18, x + 31, y + 18, (0, 140, 0), width=2, size=6)
    table(p, x + 32, y + 10, 13, 15)


def import_buttons(path, clear_key):
    """The buttons of the import rows, 51 wide, four looks side by side
    (inactive, normal, under the mouse, pressed): row 0 (33 high) import
    from a component, row 36 (36 high) clear the table (its corners in the
    colour its caller leaves out), row 76 (36 high) read a text file; white
    is left out."""
    p = Picture(204, 112, WHITE)
    strip_looks(p, 0, 51, 33, icon_import_component, BUTTON_FACE, WHITE)
    strip_looks(p, 36, 51, 36, icon_clear_table, BUTTON_FACE, clear_key)
    strip_looks(p, 76, 51, 36, icon_import_file, BUTTON_FACE, WHITE)
    p.save(path)


# ---- the load-case table's icons ("TableIcons.bmp") ---------------------------

# Side by side, 16 high, grey 192 left out: delete a row (13 wide), duplicate
# it (17), the same greyed once the table is full (17), append a row (35),
# sort a column (27; drawn in rows 3..13 only, the gap the column heads
# leave for it). Each keeps to its palette of the table service.
TABLE_ICON_CELLS = [("delete", 0, 13), ("duplicate", 13, 17), ("duplicate_greyed", 30, 17),
                    ("append", 47, 35), ("column", 82, 27)]
BIN_YELLOW, BIN_GOLD, BIN_BROWN = (255, 255, 0), (239, 195, 0), (224, 160, 64)


def icon_delete_row(p, x, y):
    """A waste bin with its lid."""
    p.hline(x + 5, x + 7, y + 1, BLACK)
    p.dot(x + 4, y + 2, BLACK)
    p.dot(x + 8, y + 2, BLACK)
    p.rect(x + 1, y + 4, x + 11, y + 4, BIN_GOLD)
    p.frame(x, y + 3, x + 12, y + 5, BLACK)
    p.polygon([(x + 1.5, y + 6), (x + 11.5, y + 6), (x + 10.5, y + 16), (x + 2.5, y + 16)], BIN_YELLOW)
    for k in (4, 6, 8):
        p.vline(x + k, y + 8, y + 13, BIN_GOLD)
    p.vline(x + 10, y + 7, y + 14, BIN_BROWN)
    p.line(x + 1, y + 6, x + 2, y + 15, BLACK)
    p.line(x + 11, y + 6, x + 10, y + 15, BLACK)
    p.hline(x + 2, x + 10, y + 15, BLACK)


def icon_duplicate_row(p, x, y, back_edge, back_lines, front_edge, front_lines, paper, shadow):
    """A sheet and its copy in front of it."""
    p.rect(x + 1, y + 1, x + 10, y + 11, paper)
    p.frame(x + 1, y + 1, x + 10, y + 11, back_edge)
    for k in (4, 6, 8):
        p.hline(x + 3, x + 8, y + k, back_lines)
    p.rect(x + 6, y + 4, x + 15, y + 14, paper)
    p.frame(x + 6, y + 4, x + 15, y + 14, front_edge)
    for k in (7, 9, 11):
        p.hline(x + 8, x + 13, y + k, front_lines)
    p.vline(x + 16, y + 5, y + 15, shadow)
    p.hline(x + 7, x + 16, y + 15, shadow)


def icon_append_row(p, x, y):
    """A plus and the new row of three cells."""
    p.rect(x + 1, y + 7, x + 9, y + 8, (255, 0, 0))
    p.rect(x + 4, y + 4, x + 5, y + 11, (255, 0, 0))
    p.rect(x + 12, y + 4, x + 33, y + 11, WHITE)
    p.frame(x + 12, y + 4, x + 33, y + 11, BLACK)
    p.vline(x + 19, y + 4, y + 11, BLACK)
    p.vline(x + 26, y + 4, y + 11, BLACK)


def icon_sort_column(p, x, y):
    """A small button: up and down arrows of the sort and the mark of its
    menu."""
    p.rect(x + 1, y + 3, x + 25, y + 13, (200, 200, 170))
    p.frame(x, y + 3, x + 26, y + 13, (0, 128, 128))
    p.hline(x + 1, x + 25, y + 4, WHITE)
    p.hline(x + 1, x + 25, y + 12, (128, 128, 128))
    for cx, colour, up in ((6, (0, 160, 192), True), (12, (0, 0, 255), False)):
        p.vline(x + cx, y + 5, y + 11, colour)
        tip = y + 5 if up else y + 11
        step = 1 if up else -1
        for d in (1, 2):
            p.dot(x + cx - d, tip + d * step, colour)
            p.dot(x + cx + d, tip + d * step, colour)
    for k in range(4):
        p.hline(x + 17 + k, x + 23 - k, y + 7 + k, BLACK)


def table_icons(path):
    p = Picture(109, 16, KEY_GREY)
    icon_delete_row(p, 0, 0)
    icon_duplicate_row(p, 13, 0, (187, 187, 187), (255, 138, 138), BLACK, (0, 0, 255), WHITE, (187, 187, 187))
    icon_duplicate_row(p, 30, 0, (208, 208, 208), (128, 192, 192), (176, 176, 176), (64, 160, 192),
                       (240, 240, 240), (208, 208, 208))
    icon_append_row(p, 47, 0)
    icon_sort_column(p, 82, 0)
    p.save(path)


def icon_explorer(p, x, y, w, h):
    folder(p, x + 6, y + 8, 26, 20)
    p.disc(x + 26, y + 25, 5, (200, 225, 250))
    p.circle(x + 26, y + 25, 5, DARK)
    p.line(x + 30, y + 29, x + 33, y + 32, DARK, 2)


def desk_buttons(path):
    """deskbuts.bmp: the explorer button (38 x 38, looks side by side) at
    row 250; the rows above are left out (255, 251, 240)."""
    p = Picture(152, 288, CREAM)
    strip_looks(p, 250, 38, 38, icon_explorer, BUTTON_FACE, CREAM)
    p.save(path)


def hints_button(path):
    """212 x 21: "Hinweise wieder aktivieren", four looks side by side."""
    p = Picture(848, 21, CREAM)

    def face(q, x, y, w, h):
        q.centred(x + w // 2, y + 15, "Hinweise wieder aktivieren", (0, 95, 0))

    strip_looks(p, 0, 212, 21, face, BUTTON_FACE, CREAM)
    p.save(path)


def comment_picture(path):
    """62 x 66 at the head of the comment editor: a note pad and a pencil on
    the editor's paper (255, 251, 240, left out)."""
    p = Picture(62, 66, CREAM)
    p.polygon([(8, 6), (46, 6), (46, 58), (8, 58)], (255, 255, 205), (120, 110, 60))
    p.rect(8, 6, 46, 12, (230, 200, 90))
    for k in range(5):
        p.dot(12 + 8 * k, 9, (120, 110, 60))
    for k in range(6):
        p.hline(12, 42 - (8 if k == 5 else 0), 19 + 6 * k, (110, 140, 190))
    for d in range(4):
        p.line(32 + d, 56, 56 + d, 26, (220, 150, 0))
    p.line(32, 59, 34, 55, BLACK, 2)
    p.save(path)


def icon_cancel(p, x, y, w, h):
    for d in range(3):
        p.line(x + 10 + d, y + 10, x + 24 + d, y + 25, RED)
        p.line(x + 24 + d, y + 10, x + 10 + d, y + 25, RED)


def icon_question(p, x, y, w, h):
    icon_help(p, x - 2, y + 1, w, h)


def icon_confirm(p, x, y, w, h):
    for d in range(3):
        p.line(x + 8, y + 18 + d, x + 14, y + 25 + d, (0, 140, 0))
        p.line(x + 14, y + 25 + d, x + 27, y + 9 + d, (0, 140, 0))


def comment_buttons(path):
    """Glory3.bmp: the comment editor's buttons, 36 x 36, four looks side by
    side: row 0 abbrechen, row 36 Hilfe, row 72 bestätigen."""
    p = Picture(144, 108, CREAM)
    for k, icon in enumerate((icon_cancel, icon_question, icon_confirm)):
        strip_looks(p, 36 * k, 36, 36, icon, BUTTON_FACE, CREAM)
    p.save(path)


def profile_manager_picture(path):
    """56 x 49 beside the profile manager's button: profiles on a shelf."""
    p = Picture(56, 49, CREAM)
    p.rect(2, 40, 53, 44, (150, 110, 60))
    p.frame(2, 40, 53, 44, (90, 60, 30))
    steel, edge = (170, 190, 215), (40, 50, 70)
    # An I, a channel and a tube standing on the shelf.
    p.polygon([(4, 8), (20, 8), (20, 11), (13, 11), (13, 36), (20, 36), (20, 39), (4, 39), (4, 36), (11, 36),
               (11, 11), (4, 11)], steel, edge)
    p.polygon([(24, 14), (36, 14), (36, 17), (27, 17), (27, 36), (36, 36), (36, 39), (24, 39)], steel, edge)
    p.disc(46, 31, 8, steel)
    p.circle(46, 31, 8, edge)
    p.disc(46, 31, 5, CREAM)
    p.circle(46, 31, 5, edge)
    p.save(path)


def options_button(path):
    """50 x 24, four looks side by side: starts the profile manager."""
    p = Picture(200, 24, WHITE)

    def face(q, x, y, w, h):
        q.centred(x + w // 2, y + 16, "...", BLACK, "bold")

    strip_looks(p, 0, 50, 24, face, BUTTON_FACE, WHITE)
    p.save(path)


# ---- animations -------------------------------------------------------------


def hourglass(p, x, y, w, h, phase, colour):
    """A sand clock in a w x h cell; phase 0..1 of the sand run through."""
    cx = x + w // 2
    top, bottom = y + 4, y + h - 5
    mid = (top + bottom) // 2
    half = w // 2 - 4
    p.rect(cx - half - 2, top - 3, cx + half + 2, top - 1, (120, 80, 40))
    p.rect(cx - half - 2, bottom + 1, cx + half + 2, bottom + 3, (120, 80, 40))
    glass = [(cx - half, top), (cx + half, top), (cx + 1, mid), (cx + half, bottom), (cx - half, bottom),
             (cx - 1, mid)]
    p.polygon(glass, (235, 245, 255), (80, 80, 80))
    upper = (mid - top - 2) * (1 - phase)
    for yy in range(int(mid - upper), mid):
        span = half * (mid - yy) // (mid - top)
        p.hline(cx - span + 1, cx + span - 1, yy, colour)
    lower = (bottom - mid - 2) * phase
    for yy in range(int(bottom - lower), bottom):
        span = half * (yy - mid) // (bottom - mid)
        p.hline(cx - span + 1, cx + span - 1, yy, colour)
    if 0 < phase < 1:
        p.vline(cx, mid, bottom - 1, colour)


def sand_clock(path):
    """animsandclock.bmp: 12 frames of 31 x 62, frame f from x 31 f."""
    p = Picture(372, 62, FACE)
    for f in range(12):
        hourglass(p, 31 * f, 0, 31, 62, f / 11.0, (210, 170, 60))
    p.save(path)


def spinner(p, x, y, size, k, n, colour):
    """n dots on a ring, the one of step k dark and its followers fading."""
    cx, cy = x + size / 2.0, y + size / 2.0
    r = size * 0.34
    for i in range(n):
        age = (k - i) % n
        shade = min(60 + age * 170 // n, 225)
        c = tuple(min(255, v + shade) for v in colour) if age else colour
        a = 2 * math.pi * i / n - math.pi / 2
        p.disc(cx + r * math.cos(a), cy + r * math.sin(a), 0.8 * math.pi * r / n, c)


def tool_animation(path):
    """Anima1.bmp: 18 frames of 63 x 63 side by side, shown while a tool of
    the desktop runs."""
    p = Picture(18 * 63, 63, FACE)
    for f in range(18):
        spinner(p, 63 * f, 0, 63, f, 18, (0, 60, 140))
    p.save(path)


def waiting_animation(path):
    """Anima2.bmp: 12 cells of 84 x 84, cell k from (1 + 85 k, 1)."""
    p = Picture(1 + 85 * 12, 86, FACE)
    for k in range(12):
        x = 1 + 85 * k
        p.rect(x, 1, x + 83, 84, (245, 245, 245))
        p.frame(x, 1, x + 83, 84, SHADOW)
        spinner(p, x + 6, 7, 72, k, 12, (0, 78, 152))
    p.save(path)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    main_buttons(os.path.join(out, "Buttons.bmp"))
    for name, force, moment in UNITS:
        column_heads(os.path.join(out, name), force, moment)
    sign_convention(os.path.join(out, "EC3_schweisslasten_pic.bmp"))
    action_button(os.path.join(out, "act_but.bmp"), act_icon)
    action_button(os.path.join(out, "work_but.bmp"), work_icon)
    updown_button(os.path.join(out, "updown_but.bmp"))
    explorer_button(os.path.join(out, "expl_but.bmp"))
    q7_logo(os.path.join(out, "SniQ7.bmp"), 56, 17, CREAM)
    q7_logo(os.path.join(out, "RurQ7.bmp"), 56, 15, WHITE)
    import_buttons(os.path.join(out, "SniGrImportButton.bmp"), WHITE)
    import_buttons(os.path.join(out, "RurGrImportButton.bmp"), (198, 222, 228))
    table_icons(os.path.join(out, "TableIcons.bmp"))
    desk_buttons(os.path.join(out, "deskbuts.bmp"))
    hints_button(os.path.join(out, "but_hinweise_reaktivieren.bmp"))
    comment_picture(os.path.join(out, "UComment.bmp"))
    comment_buttons(os.path.join(out, "Glory3.bmp"))
    profile_manager_picture(os.path.join(out, "bmp_t", "Prof_ManagerS.bmp"))
    options_button(os.path.join(out, "bmp_t", "but_options.bmp"))
    sand_clock(os.path.join(out, "animsandclock.bmp"))
    tool_animation(os.path.join(out, "Anima1.bmp"))
    waiting_animation(os.path.join(out, "Anima2.bmp"))
    # The text button's normal face is asked for under two spellings.
    shutil.copyfile(os.path.join(out, "textbuttonbg.bmp"), os.path.join(out, "TextButtonBg.bmp"))


if __name__ == "__main__":
    main()
