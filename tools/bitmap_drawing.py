"""Drawing of the program's pictures: a pixel picture with lines, shapes,
text in the screen's raster font and button looks, written as a BMP file
with a palette (4 bits up to 16 colours, else 8 bits). The generators of
tools/ import it; the same calls always give the same bytes.

The text glyphs are the stand-in screen's own (src/platform/font.cpp, read
at run time), so that a picture reads like the screen around it; a few
signs the screen font has no glyph for (psi, delta, sigma, tau, the root,
the middle dot, ...) are drawn from the table below.
"""
import math
import os
import re
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
FONT_SOURCE = os.path.join(HERE, "..", "src", "platform", "font.cpp")

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
CREAM = (255, 251, 240)  # the sheets' paper
FACE = (212, 208, 200)  # the desktop and button face
LIGHT = (255, 255, 255)
SHADOW = (128, 128, 128)
DARK = (64, 64, 64)
KEY_GREY = (192, 192, 192)  # the colour most callers leave out
BLUE = (0, 78, 152)  # the program colour
RED = (200, 0, 0)
GREEN = (0, 128, 0)


def _read_glyphs():
    glyphs = {}
    text = open(FONT_SOURCE, encoding="utf-8").read()
    for m in re.finditer(r"\{0x([0-9A-F]{2}), \{([^}]*)\}\}", text):
        rows = [int(v, 16) for v in m.group(2).split(",")]
        if len(rows) == 11:
            glyphs[int(m.group(1), 16)] = rows
    return glyphs


GLYPHS = _read_glyphs()

# Signs the screen font does not carry, 11 rows of 5 pixels (bit 4 left),
# rows 2..8 the height of a capital.
EXTRA = {
    "ψ": [0, 0, 0, 0x04, 0x15, 0x15, 0x15, 0x0E, 0x04, 0x04, 0],
    "δ": [0, 0, 0x06, 0x08, 0x04, 0x0E, 0x11, 0x11, 0x0E, 0, 0],
    "σ": [0, 0, 0, 0, 0x0F, 0x12, 0x11, 0x11, 0x0E, 0, 0],
    "τ": [0, 0, 0, 0, 0x1F, 0x04, 0x04, 0x04, 0x03, 0, 0],
    "θ": [0, 0, 0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x0E, 0, 0],
    "√": [0, 0, 0x07, 0x04, 0x04, 0x04, 0x14, 0x0C, 0x04, 0, 0],
    "·": [0, 0, 0, 0, 0, 0x04, 0, 0, 0, 0, 0],
    "≥": [0, 0, 0x08, 0x04, 0x02, 0x04, 0x08, 0, 0x1F, 0, 0],
    "≤": [0, 0, 0x02, 0x04, 0x08, 0x04, 0x02, 0, 0x1F, 0, 0],
    "→": [0, 0, 0, 0x04, 0x02, 0x1F, 0x02, 0x04, 0, 0, 0],
    "φ": [0, 0, 0x04, 0x0E, 0x15, 0x15, 0x15, 0x0E, 0x04, 0, 0],
    "Δ": [0, 0, 0x04, 0x04, 0x0A, 0x0A, 0x11, 0x11, 0x1F, 0, 0],
    "∞": [0, 0, 0, 0, 0, 0x0A, 0x15, 0x0A, 0, 0, 0],
}

# Letters the screen font keeps at the print font's bytes.
STAND_IN = {"γ": 0xC0, "α": 0xBA, "β": 0xBB, "χ": 0xBC, "ε": 0xBE, "η": 0xC1, "λ": 0xC5,
            "μ": 0xC6, "ν": 0xC7, "ρ": 0xCB, "³": 0xFC, "²": 0xFD}

# Advance of a character and the number of copies side by side, per font;
# sub- and superscripts stand closer (SCRIPT_ADVANCE).
FONTS = {"normal": (8, 1), "bold": (9, 2), "small": (6, 1)}
SCRIPT_ADVANCE = {"normal": 6, "bold": 7, "small": 6}


def glyph(ch):
    if ch in EXTRA:
        return EXTRA[ch]
    if ch in STAND_IN:
        return GLYPHS[STAND_IN[ch]]
    code = ch.encode("cp850")[0]
    return GLYPHS.get(code, [0, 0, 0, 0x1F, 0x11, 0x11, 0x11, 0x1F, 0, 0, 0])


def parse_rich(text):
    """Pieces (string, shift) of a text with "_x" / "_{xy}" subscripts and
    "^x" / "^{xy}" superscripts: shift +3 below, -4 above the baseline."""
    pieces, i = [], 0
    while i < len(text):
        ch = text[i]
        if ch in "_^" and i + 1 < len(text):
            shift = 3 if ch == "_" else -4
            if text[i + 1] == "{":
                end = text.index("}", i + 2)
                pieces.append((text[i + 2:end], shift))
                i = end + 1
            else:
                pieces.append((text[i + 1], shift))
                i += 2
        else:
            pieces.append((ch, 0))
            i += 1
    return pieces


def text_width(text, font="normal"):
    advance, copies = FONTS[font]
    width = 0
    for piece, shift in parse_rich(text):
        width += len(piece) * (SCRIPT_ADVANCE[font] if shift else advance)
    return max(width - (advance - 5 - (copies - 1)), 0)


class Picture:
    def __init__(self, w, h, background):
        self.w, self.h = w, h
        self.px = [[background] * w for _ in range(h)]

    # ---- pixels and shapes --------------------------------------------------

    def dot(self, x, y, c):
        x, y = int(x), int(y)
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x]

    def rect(self, x1, y1, x2, y2, c):
        x1, y1, x2, y2 = (int(round(v)) for v in (x1, y1, x2, y2))
        for y in range(max(y1, 0), min(y2, self.h - 1) + 1):
            row = self.px[y]
            for x in range(max(x1, 0), min(x2, self.w - 1) + 1):
                row[x] = c

    def frame(self, x1, y1, x2, y2, c, width=1):
        for k in range(width):
            self.hline(x1 + k, x2 - k, y1 + k, c)
            self.hline(x1 + k, x2 - k, y2 - k, c)
            self.vline(x1 + k, y1 + k, y2 - k, c)
            self.vline(x2 - k, y1 + k, y2 - k, c)

    def hline(self, x1, x2, y, c):
        self.rect(min(x1, x2), y, max(x1, x2), y, c)

    def vline(self, x, y1, y2, c):
        self.rect(x, min(y1, y2), x, max(y1, y2), c)

    def line(self, x1, y1, x2, y2, c, width=1):
        n = int(max(abs(x2 - x1), abs(y2 - y1), 1) * 2)
        for i in range(n + 1):
            x = round(x1 + (x2 - x1) * i / n)
            y = round(y1 + (y2 - y1) * i / n)
            for dx in range(width):
                for dy in range(width):
                    self.dot(x + dx - (width - 1) // 2, y + dy - (width - 1) // 2, c)

    def dashed(self, x1, y1, x2, y2, c, on=4, off=3):
        length = math.hypot(x2 - x1, y2 - y1)
        n = max(int(length), 1)
        for i in range(n + 1):
            if i % (on + off) < on:
                self.dot(round(x1 + (x2 - x1) * i / n), round(y1 + (y2 - y1) * i / n), c)

    def polygon(self, pts, fill, edge=None):
        ys = [p[1] for p in pts]
        for y in range(int(math.floor(min(ys))), int(math.ceil(max(ys))) + 1):
            yc = y + 0.5
            xs = []
            for (xa, ya), (xb, yb) in zip(pts, pts[1:] + pts[:1]):
                if (ya <= yc < yb) or (yb <= yc < ya):
                    xs.append(xa + (yc - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for a, b in zip(xs[::2], xs[1::2]):
                for x in range(int(math.ceil(a - 0.5)), int(math.floor(b - 0.5)) + 1):
                    self.dot(x, y, fill)
        if edge is not None:
            for (xa, ya), (xb, yb) in zip(pts, pts[1:] + pts[:1]):
                self.line(xa, ya, xb, yb, edge)

    def disc(self, cx, cy, r, c):
        for y in range(int(cy - r) - 1, int(cy + r) + 2):
            for x in range(int(cx - r) - 1, int(cx + r) + 2):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r + 0.25:
                    self.dot(x, y, c)

    def circle(self, cx, cy, r, c, a1=0.0, a2=360.0):
        n = max(int(abs(a2 - a1) / 360.0 * 2 * math.pi * r * 2), 8)
        for i in range(n + 1):
            a = math.radians(a1 + (a2 - a1) * i / n)
            self.dot(round(cx + r * math.cos(a)), round(cy - r * math.sin(a)), c)

    def ellipse(self, cx, cy, rx, ry, c, a1=0.0, a2=360.0):
        n = max(int(abs(a2 - a1) / 360.0 * 2 * math.pi * max(rx, ry) * 2), 8)
        for i in range(n + 1):
            a = math.radians(a1 + (a2 - a1) * i / n)
            self.dot(round(cx + rx * math.cos(a)), round(cy - ry * math.sin(a)), c)

    def arrow_head(self, x, y, angle, c, size=7, spread=0.45):
        """A filled head with its tip at (x, y) pointing in `angle` (radians,
        screen coordinates: y down)."""
        pts = [(x, y)]
        for s in (-1, 1):
            pts.append((x - size * math.cos(angle + s * spread), y - size * math.sin(angle + s * spread)))
        self.polygon(pts, c, c)

    def arrow(self, x1, y1, x2, y2, c, width=1, size=7, double=False):
        a = math.atan2(y2 - y1, x2 - x1)
        back = size * 0.8
        self.line(x1, y1, x2 - back * math.cos(a), y2 - back * math.sin(a), c, width)
        self.arrow_head(x2, y2, a, c, size)
        if double:
            self.arrow_head(x2 - size * 0.9 * math.cos(a), y2 - size * 0.9 * math.sin(a), a, c, size)

    def paste(self, other, x, y, key=None):
        for j in range(other.h):
            for i in range(other.w):
                c = other.px[j][i]
                if c != key:
                    self.dot(x + i, y + j, c)

    def recolour(self, x1, y1, x2, y2, change):
        for y in range(max(y1, 0), min(y2, self.h - 1) + 1):
            for x in range(max(x1, 0), min(x2, self.w - 1) + 1):
                self.px[y][x] = change(self.px[y][x])

    # ---- text ---------------------------------------------------------------

    def text(self, x, y, text, c, font="normal", scale=1):
        """Text with (x, y) the left end of its baseline, as the screen writes
        it; "_" and "^" mark sub- and superscripts; scale 2 draws every dot
        of a glyph as 2 x 2. Returns the end x."""
        advance, copies = FONTS[font]
        x, y = int(round(x)), int(round(y))
        for piece, shift in parse_rich(text):
            for ch in piece:
                rows = glyph(ch)
                for r, bits in enumerate(rows):
                    for k in range(5):
                        if bits & (0x10 >> k):
                            for d in range(copies):
                                self.rect(x + scale * k + d, y + scale * (r - 9 + shift),
                                          x + scale * (k + 1) - 1 + d, y + scale * (r - 8 + shift) - 1, c)
                x += (SCRIPT_ADVANCE[font] if shift else advance) * scale
        return x

    def centred(self, cx, y, text, c, font="normal"):
        return self.text(cx - text_width(text, font) // 2, y, text, c, font)

    def right(self, x2, y, text, c, font="normal"):
        return self.text(x2 - text_width(text, font) + 1, y, text, c, font)

    # ---- panels ---------------------------------------------------------------

    def raised(self, x1, y1, x2, y2, fill=FACE, light=LIGHT, shadow=SHADOW, dark=DARK):
        if fill is not None:
            self.rect(x1, y1, x2, y2, fill)
        self.hline(x1, x2, y1, light)
        self.vline(x1, y1, y2, light)
        self.hline(x1, x2, y2, dark)
        self.vline(x2, y1, y2, dark)
        self.hline(x1 + 1, x2 - 1, y2 - 1, shadow)
        self.vline(x2 - 1, y1 + 1, y2 - 1, shadow)

    def sunken(self, x1, y1, x2, y2, fill=FACE, light=LIGHT, shadow=SHADOW, dark=DARK):
        if fill is not None:
            self.rect(x1, y1, x2, y2, fill)
        self.hline(x1, x2, y1, dark)
        self.vline(x1, y1, y2, dark)
        self.hline(x1 + 1, x2 - 1, y1 + 1, shadow)
        self.vline(x1 + 1, y1 + 1, y2 - 1, shadow)
        self.hline(x1, x2, y2, light)
        self.vline(x2, y1, y2, light)

    # ---- file -----------------------------------------------------------------

    def save(self, path):
        colours = sorted({c for row in self.px for c in row})
        assert len(colours) <= 256, "%s: %d colours" % (path, len(colours))
        bits = 4 if len(colours) <= 16 else 8
        index = {c: i for i, c in enumerate(colours)}
        stride = ((self.w * bits + 31) // 32) * 4
        data = bytearray()
        for row in reversed(self.px):
            idx = [index[c] for c in row]
            if bits == 4:
                idx += [0]
                line = bytes((idx[2 * k] << 4) | idx[2 * k + 1] for k in range(self.w // 2 + self.w % 2))
            else:
                line = bytes(idx)
            data += line + bytes(stride - len(line))
        palette = b"".join(struct.pack("<BBBB", c[2], c[1], c[0], 0) for c in colours)
        offset = 14 + 40 + len(palette)
        header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
        info = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, bits, 0, len(data), 2835, 2835,
                           len(colours), 0)
        os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
        with open(path, "wb") as f:
            f.write(header + info + palette + data)


# ---- looks of picture buttons -------------------------------------------------

NORMAL, HOVER, INACTIVE, PRESSED = "normal", "hover", "inactive", "pressed"


def grey_of(c, key):
    """The inactive look of a colour: a light grey of its brightness."""
    if c == key:
        return c
    v = (c[0] * 30 + c[1] * 59 + c[2] * 11) // 100
    g = 150 + v * 90 // 255
    if (g, g, g) == key:
        g += 1
    return (g, g, g)


def button_look(p, x, y, w, h, look, icon, face=FACE, key=None, rounded=True):
    """One look of a picture button of w x h at (x, y): the panel of the look
    and icon(picture, x, y, w, h) drawn into it (shifted by one pixel when
    pressed, greyed when inactive). With `key`, the four corner pixels get
    the colour the caller leaves out."""
    q = Picture(w, h, face)
    if look == PRESSED:
        q.sunken(0, 0, w - 1, h - 1, fill=tuple(max(v - 16, 0) for v in face))
    elif look == HOVER:
        q.raised(0, 0, w - 1, h - 1, fill=tuple(min(v + 24, 255) for v in face))
        q.frame(1, 1, w - 2, h - 2, (49, 106, 197))
    elif look == INACTIVE:
        q.frame(0, 0, w - 1, h - 1, (170, 170, 170))
    else:
        q.raised(0, 0, w - 1, h - 1, fill=face)
    icon_picture = Picture(w, h, None)
    icon(icon_picture, 0, 0, w, h)
    shift = 1 if look == PRESSED else 0
    for j in range(h):
        for i in range(w):
            c = icon_picture.px[j][i]
            if c is None:
                continue
            if look == INACTIVE:
                c = grey_of(c, key)
            q.dot(i + shift, j + shift, c)
    if rounded and key is not None:
        for cx, cy in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
            q.dot(cx, cy, key)
    p.paste(q, x, y)


def strip_looks(p, y, w, h, icon, face=FACE, key=None):
    """The four looks of a bitmap button side by side from row y: inactive at
    x 0, normal at w, under the mouse at 2 w, pressed at 3 w."""
    for k, look in enumerate((INACTIVE, NORMAL, HOVER, PRESSED)):
        button_look(p, k * w, y, w, h, look, icon, face, key)
