#!/usr/bin/env python3
"""Writes the pictures of the annex editor's sheets and of the concrete and
reinforcing-steel pages into a data directory:

NAD/NAD-Kbws.bmp           the EN 1990 factors for buildings (520 x 1501)
NAD/NAD_bridge_*.bmp       the EN 1990 factors for bridges (382 wide)
NAD/NAD_Func*.bmp          the formulas of the EN 1992 mode rows (177 x 31)
NAD/EC5BalmoNads.bmp       the nine tables of the EN 1995 sheet (377 x 1050)
tools/bemop_fcd.bmp        the concrete's stress-strain curve (221 x 193)
tools/bemop_fyk.bmp        the reinforcing steel's (217 x 142)

The sheets lay their number fields over these pictures at fixed places;
each picture carries the row and column texts and the grid around those
places (a field's box runs from 7 pixels left of its x to 7 right of its
text and from 13 above its baseline to 5 below). data/README lists the
files.

    tools/make_annex_pictures.py <data directory>
"""
import math
import os
import sys

from bitmap_drawing import BLACK, CREAM, DARK, WHITE, Picture, text_width

ROW = 22  # rows of the EN 1990 tables
BAND = (236, 244, 250)
HEAD = (205, 225, 240)
GRID = (150, 170, 190)
NOTE = (70, 70, 70)


# ---- EN 1990: tables of partial factors and combination factors ------------

SITUATIONS = ["der ständigen und vorübergehenden Bemessungssituation",
              "der außergewöhnlichen Bemessungssituation",
              "der Erdbebenbemessungssituation",
              "der Gebrauchstauglichkeits- und Ermüdungsnachweise"]
BUILDING_ACTIONS = ["ständige Lasten", "veränderliche Lasten", "Flüssigkeitsdruck/Maschinenlasten", "Zwang",
                    "Vorspannung", "außergewöhnliche Einwirkungen", "Erdbeben"]
BRIDGE_ACTIONS = ["ständige Lasten", "Vorspannung linear", "Vorspannung nichtlinear", "Vorspannung lokal",
                  "Setzung linear", "Setzung nichtlinear", "Straßenverkehr", "Fußgängerverkehr",
                  "Schienenverkehr Lastgruppe 11 bis 31", "Schienenverkehr Lastgr. 16, 17, SW/2",
                  "veränderliche Lasten", "Bauausführung", "Temperatur", "außergewöhnliche Einwirkungen",
                  "Erdbeben"]
BUILDING_PSI = [("Wohn-, Büroräume", "A, B"), ("Versammlungs-, Verkaufsräume", "C, D"), ("Lagerräume", "E"),
                ("Fahrzeuge bis 30 kN", "F"), ("Fahrzeuge bis 160 kN", "G"), ("Dächer", "H"),
                ("Schnee/Eis bis 1000 m ü.NN", ""), ("Schnee/Eis über 1000 m ü.NN", ""), ("Wind", ""),
                ("Temperatur", ""), ("Baugrundsetzungen", ""), ("sonstige Einwirkungen", "")]
ROAD_PSI = ["gr1a Doppelachse", "gr1a Gleichmäßig verteilte Last", "gr1a Geh- und Radwegbelastung",
            "gr1b (Einzelachse)", "gr2 (Horizontalkräfte)", "gr3 (Gehwegbelastung)",
            "gr4 (LM4 - Menschengedränge)", "gr5 (LM5 - Spezialfahrzeuge)", "Wind ständige Bemessungssituation",
            "Temperatur", "Baugrundsetzungen", "Temperaturlasten", "Schneelasten (Bauzeit)",
            "Lasten aus Bauausführung"]
FOOT_PSI = ["gr_1 (Lastgruppe 1)", "Q_{fwk} (Einzellast)", "gr_2 (Lastgruppe 2)", "F_{wk} (Wind)",
            "T_k (Temperatur)", "Q_{Sn,k} (Schnee)", "Q_c (Bauausführung)"]
RAIL_PSI = ["LM 71", "SW/0", "SW/2", "Unbeladener Zug", "HSLM", "Seitenstoß", "Lasten auf Dienstwege",
            "Betriebslastenzug", ("Horizontaler Erddruck infolge", "Überschreitung der Verkehrslasten"),
            "Aerodynamische Einwirkungen", "gr11 (LM 71 + SW/0)", "gr12 (LM 71 + SW/0)",
            "gr13 (Bremsen/Anfahren)", "gr14 (Zentrifugalkraft/Seitenstoß)", "gr15 (unbeladener Zug)",
            "gr16 (SW/2)", "gr17 (SW/2)", "gr21 (LM 71 + SW/0)", "gr22 (LM 71 + SW/0)",
            "gr23 (Bremsen/Anfahren)", "gr24 (Zentrifugalkraft/Seitenstoß)", "gr26 (SW/2)", "gr27 (SW/2)",
            "gr31 (LM 71 + SW/0)", "Aerodynamische Einwirkungen",
            ("Allgemeine Lasten aus", "Instandhaltung für Dienstgehwege"), "F_{wk} (Wind)",
            "F_W^{**} (Wind)", "T_k (Temperatur)", "Q_{Sn,k} (Bauausführung)", "Q_c (Bauausführung)"]

GAMMA_X = (262, 321)  # fields of gamma_sup and gamma_inf
PSI_X = (231, 281, 331, 381)  # fields of psi0, psi1, psi2, psi2E


def field_span(x, chars):
    """The box of a number field of `chars` characters at x."""
    w = chars * 8 - 3
    w += w % 2
    return x - 7, x + w + 7


def row_band(p, y, x2, shade):
    if shade:
        p.rect(2, y - 15, x2, y + 6, BAND)
    p.hline(2, x2, y + 6, GRID)


def label(p, x, y, text, width, room=0):
    """A row label; two lines (a pair) go one below the other: into the
    `room` pixels below the row when there are, else small within it."""
    if isinstance(text, tuple):
        if room >= 14:
            p.text(x, y, text[0], BLACK, "small")
            p.text(x, y + 16, text[1], BLACK, "small")
        else:
            p.text(x, y - 5, text[0], BLACK, "small")
            p.text(x, y + 4, text[1], BLACK, "small")
    elif text_width(text) <= width:
        p.text(x, y, text, BLACK)
    else:
        p.text(x, y, text, BLACK, "small")


def heading(p, y, lines, x2):
    """The title of a table: a bar with its first line bold, further lines
    below it; y is the first line's baseline."""
    p.rect(2, y - 13, x2, y + 5 + 14 * (len(lines) - 1), HEAD)
    p.text(6, y, lines[0], BLACK, "bold")
    for k, line in enumerate(lines[1:]):
        p.text(6, y + 14 * (k + 1), line, BLACK, "small" if text_width(line) > x2 - 8 else "normal")


def column_heads(p, y, heads, x2, left_text):
    p.hline(2, x2, y + 6, GRID)
    p.text(6, y, left_text, DARK, "bold")
    for x, chars, text in heads:
        a, b = field_span(x, chars)
        p.centred((a + b) // 2, y, text, DARK, "bold")


def gamma_table(p, first, situation, actions, rows, x2):
    """A table of partial factors: heading two rows above the column heads,
    rows at first + 22 k for the (index, y) pairs given."""
    heading(p, first - 62, ["Teilsicherheitsbeiwerte für Einwirkungen", situation], x2)
    column_heads(p, first - ROW, [(GAMMA_X[0], 5, "γ_{F,sup}"), (GAMMA_X[1], 5, "γ_{F,inf}")], x2,
                 "Einwirkungsart")
    for k, (index, y) in enumerate(rows):
        row_band(p, y, x2, k % 2 == 0)
        if index is not None:
            label(p, 8, y, actions[index], GAMMA_X[0] - 14)
    for x in GAMMA_X:
        p.vline(field_span(x, 5)[0] - 3, first - ROW - 14, rows[-1][1] + 6, GRID)


def psi_table(p, first, title, heads, rows, x2, width):
    heading(p, first - 48, [title], x2)
    column_heads(p, first - ROW, heads, x2, "Einwirkung")
    for k, (text, y) in enumerate(rows):
        room = rows[k + 1][1] - y - ROW if k + 1 < len(rows) else 0
        row_band(p, y + room, x2, k % 2 == 0)
        if room:
            p.rect(2, y - 15, x2, y + room - 16, BAND if k % 2 == 0 else WHITE)
        if text is not None:
            label(p, 8, y, text, width, room)
    for x, chars, _ in heads:
        p.vline(field_span(x, chars)[0] - 3, first - ROW - 14, rows[-1][1] + 6, GRID)


def building_factors(path):
    """NAD-Kbws.bmp, drawn at area (0, 30): every y below is the area's less
    30."""
    p = Picture(520, 1501, WHITE)
    x2 = 430
    top = 30
    blocks = [(124, [0, 1, 2, 3, 4]), (369, [0, 1, 2, 3, 4, 5]), (613, [0, 1, 2, 3, 4, None, 6]),
              (861, [0, 1, 2, 3, 4])]
    for s, (first, actions) in enumerate(blocks):
        rows = [(a, first - top + ROW * k) for k, a in enumerate(actions)]
        gamma_table(p, first - top, SITUATIONS[s], BUILDING_ACTIONS, rows, x2)
    first = 1113 - top
    heads = [(PSI_X[0], 4, "ψ_0"), (PSI_X[1], 4, "ψ_1"), (PSI_X[2], 4, "ψ_2"), (PSI_X[3], 4, "ψ_{2E}")]
    places = [first + ROW * (k + (0 if k < 3 else 1 if k < 6 else 2)) for k in range(12)]
    psi_table(p, first, "Kombinationsbeiwerte", heads, [(t, y) for (t, _), y in zip(BUILDING_PSI, places)],
              x2 + 50, 150)
    for (_, category), y in zip(BUILDING_PSI, places):
        p.text(190, y, category, DARK)
    # The empty rows before rows 3 and 6 name the groups below them.
    for k, group in ((3, "Verkehrslasten und Dächer"), (6, "Schnee, Wind, Temperatur, Baugrund")):
        y = places[k] - ROW
        p.rect(2, y - 15, x2 + 50, y + 5, (225, 232, 238))
        p.text(8, y, group, DARK, "bold")
    p.text(174, first - ROW, "Kat.", DARK, "bold")
    last = first + ROW * 13
    p.text(8, last + 30, "Die Werte der Spalte ψ_{2E} sind die ψ_2-Werte", NOTE)
    p.text(8, last + 46, "für die Erdbebenbemessungssituation.", NOTE)
    p.save(path)


def bridge_gamma(path, height, situation, extra):
    """A bridge table of partial factors: actions 0 to 10 from y 94 (22
    apart), the place of action 11 empty, then the rows in `extra`."""
    p = Picture(382, height, WHITE)
    rows = [(a, 94 + ROW * a) for a in range(11)] + [(None, 94 + ROW * 11)]
    rows += [(a, 94 + ROW * (12 + k)) for k, a in enumerate(extra)]
    gamma_table(p, 94, situation, BRIDGE_ACTIONS, rows, 378)
    p.save(path)


def bridge_psi(path, height, title, labels, places, extra=None):
    p = Picture(382, height, WHITE)
    heads = [(PSI_X[0], 4, "ψ_0"), (PSI_X[1], 4, "ψ_1"), (PSI_X[2], 4, "ψ_2")]
    psi_table(p, places[0], title, heads, list(zip(labels, places)), 378, 210)
    if extra:
        extra(p)
    p.save(path)


def railway_extra(p):
    # psi1 of LM 71, SW/0 and the earth pressure row is the factor a below.
    for y in (75, 97, 251):
        a, b = field_span(PSI_X[1], 4)
        p.centred((a + b) // 2, y, "a", BLACK, "bold")
    heading(p, 780, ["Faktor a"], 378)
    for y, text in ((805, "1 Gleis belastet"), (827, "2 Gleise gleichzeitig belastet"),
                    (849, "≥ 3 Gleise gleichzeitig belastet")):
        row_band(p, y, 378, y == 827)
        p.text(8, y, text, BLACK, "small")
        p.text(field_span(281, 4)[0] - 30, y, "a =", DARK)


def en1990(out):
    building_factors(os.path.join(out, "NAD-Kbws.bmp"))
    bridge_gamma(os.path.join(out, "NAD_bridge_str_b.bmp"), 376, SITUATIONS[0], [12])
    bridge_gamma(os.path.join(out, "NAD_bridge_ausser.bmp"), 401, SITUATIONS[1], [12, 13])
    bridge_gamma(os.path.join(out, "NAD_bridge_erdbeben.bmp"), 401, SITUATIONS[2], [12, 14])
    bridge_gamma(os.path.join(out, "NAD_bridge_gebrauch.bmp"), 376, SITUATIONS[3], [12])
    bridge_psi(os.path.join(out, "NAD_bridge_str_psi.bmp"), 401, "Kombinationsbeiwerte Straßenbrücken", ROAD_PSI,
               [75 + ROW * k for k in range(14)])
    bridge_psi(os.path.join(out, "NAD_bridge_fuss_psi.bmp"), 242, "Kombinationsbeiwerte Fußgängerbrücken",
               FOOT_PSI, [75 + ROW * k for k in range(7)])
    rail = [75 + ROW * k for k in range(9)] + [291 + ROW * k for k in range(22)]
    bridge_psi(os.path.join(out, "NAD_bridge_bahn_psi.bmp"), 865, "Kombinationsbeiwerte Eisenbahnbrücken",
               RAIL_PSI, rail, railway_extra)


# ---- EN 1992: the formulas of the mode rows -----------------------------------

X_COLOUR = (0, 60, 200)


class Formula:
    """A formula on one line with stacked fractions and roots; the factor x
    stands out in colour."""

    def __init__(self, p, x, baseline):
        self.p, self.x, self.y = p, x, baseline

    def t(self, text, colour=BLACK):
        self.x = self.p.text(self.x, self.y, text, colour) + 2
        return self

    def xx(self):
        return self.t("x", X_COLOUR)

    def frac(self, num, den):
        w = max(text_width(num), text_width(den))
        x0 = self.x
        self.p.centred(x0 + w // 2, self.y - 8, num, X_COLOUR if num == "x" else BLACK)
        self.p.hline(x0 - 1, x0 + w, self.y - 4, BLACK)
        self.p.centred(x0 + w // 2, self.y + 8, den, BLACK)
        self.x = x0 + w + 4
        return self

    def root(self, text):
        w = text_width(text)
        x0 = self.x
        self.p.line(x0, self.y - 4, x0 + 2, self.y, BLACK)
        self.p.line(x0 + 2, self.y, x0 + 5, self.y - 10, BLACK)
        self.p.hline(x0 + 5, x0 + w + 7, self.y - 10, BLACK)
        self.x = self.p.text(x0 + 7, self.y, text, BLACK) + 2
        return self


def formula_picture(path, draw):
    p = Picture(177, 31, WHITE)
    p.frame(0, 0, 176, 30, GRID)
    draw(Formula(p, 6, 19))
    p.save(path)


FORMULAS = {
    "NAD_Func1.bmp": lambda f: f.t("k =").xx().t("·(0,6 +").frac("0,0014", "ε_{cu2}").t(")"),
    "NAD_Func2a.bmp": lambda f: f.t("v_{min} =").frac("x", "γ_c").t("·k^{3/2}·f_{ck}^{1/2}"),
    "NAD_Func2b.bmp": lambda f: f.t("ν =").xx().t("·(1 -").frac("f_{ck}", "250").t(")"),
    "NAD_Func2c.bmp": lambda f: f.t("v_{l,min} =").xx().t("·k^{3/2}·f_{lck}^{1/2}"),
    "NAD_Func2d.bmp": lambda f: f.t("ν_l =").xx().t("·η_1·(1 -").frac("f_{lck}", "250").t(")"),
    "NAD_Func3a.bmp": lambda f: f.t("A_{s,min} =").xx().t("·").frac("N_{Ed}", "f_{yd}"),
    "NAD_Func3b.bmp": lambda f: f.t("A_{s,vmin} =").xx().t("·A_c"),
    "NAD_Func4.bmp": lambda f: f.t("λ_c=λ_{cu}+").xx().t("(λ_{co}-λ_{cu})"),
    "NAD_Func5.bmp": lambda f: f.t("A_{s,min} =").xx().t("·").frac("f_{ctm}", "f_{yk}").t("·b_t·d"),
    "NAD_Func6.bmp": lambda f: f.t("ρ_{w,min} =").xx().t("·").frac("√f_{ck}", "f_{yk}"),
    "NAD_Func7a.bmp": lambda f: f.t("ν_1 =").xx().t("·(1 -").frac("f_{ck}", "250").t(")"),
    "NAD_Func7b.bmp": lambda f: f.t("ν_{1l} =").xx().t("·η_1·(1 -").frac("f_{lck}", "250").t(")"),
    "NAD_Func8.bmp": lambda f: f.t("λ_{lim} =").frac("x", "√n"),
}


def en1992(out):
    for name, draw in FORMULAS.items():
        formula_picture(os.path.join(out, name), draw)


# ---- EN 1995: the tables of the sheet -------------------------------------------

# Picture number -> (top, bottom, width) of its band in the bitmap.
BANDS = {1: (0, 130, 368), 2: (142, 237, 368), 3: (244, 304, 368), 4: (310, 415, 368), 5: (418, 541, 368),
         6: (540, 697, 376), 7: (700, 829, 376), 8: (832, 944, 376), 9: (940, 1049, 376)}
EC5_FIELD = (4, 8)  # "%4.2f" fields: characters


def ec5_box(p, x1, y1, x2, y2):
    p.rect(x1, y1, x2, y2, (234, 255, 251))
    p.frame(x1, y1, x2, y2, GRID)


def ec5_pictures(path):
    """The nine pictures one below the other on the sheet's paper (left out);
    places given relative to each picture's top left (the sheet draws them
    at x 16, so a field at sheet x X stands at X - 16)."""
    p = Picture(377, 1050, CREAM)

    def band(n):
        top, bottom, width = BANDS[n]
        return top, width

    # 1: k_mod, fields at x 78, 132, 186, rows 51 + 18 i.
    top, width = band(1)
    ec5_box(p, 0, top, width, top + 130)
    p.text(6, top + 14, "k_{mod}", BLACK, "bold")
    p.text(60, top + 14, "Nutzungsklasse", DARK)
    for k, x in enumerate((78, 132, 186)):
        p.centred(x + 15, top + 31, str(k + 1), BLACK, "bold")
    p.hline(0, width, top + 36, GRID)
    for i, name in enumerate(("ständig", "lang", "mittel", "kurz", "sehr kurz")):
        y = top + 51 + 18 * i
        p.text(6, y, name, BLACK, "small")
    p.text(230, top + 60, "Klasse der", NOTE, "small")
    p.text(230, top + 72, "Lasteinwirkungs-", NOTE, "small")
    p.text(230, top + 84, "dauer", NOTE, "small")
    # 2: the check box at (22, 13) takes the German annex's table NA.1 (b).
    top, width = band(2)
    ec5_box(p, 0, top, width, top + 56)
    p.text(36, top + 14, "k_{mod} nach Tab. NA.1, Index (b)", BLACK)
    p.text(36, top + 32, "(Holzwerkstoffe in Nutzungsklasse 3", NOTE, "small")
    p.text(36, top + 44, "und Kombinationen nach NA-DE)", NOTE, "small")
    # 3: k_def, fields at x 76, 130, 184, y 52.
    top, width = band(3)
    ec5_box(p, 0, top, width, top + 60)
    p.text(6, top + 16, "k_{def}", BLACK, "bold")
    p.text(60, top + 16, "Nutzungsklasse", DARK)
    for k, x in enumerate((76, 130, 184)):
        p.centred(x + 15, top + 32, str(k + 1), BLACK, "bold")
    p.text(6, top + 52, "Vollholz", BLACK, "small")
    # 4: deflection limits l/n, fields at x 90 and 154, rows 55, 76, 97.
    top, width = band(4)
    ec5_box(p, 0, top, width, top + 105)
    p.text(6, top + 16, "Grenzwerte der Durchbiegung", BLACK, "bold")
    p.centred(105, top + 34, "Träger", DARK)
    p.centred(169, top + 34, "Kragarm", DARK)
    for k, name in enumerate(("w_{inst}", "w_{fin}", "w_{net,fin}")):
        y = top + 55 + 21 * k
        p.text(6, y, name, BLACK)
        for x in (90, 154):
            p.text(x - 31, y, "l /", DARK)
    # 5: partial factors, fields at x 185, y 36, 58, 112.
    top, width = band(5)
    ec5_box(p, 0, top, width, top + 123)
    p.text(6, top + 14, "γ_M", BLACK, "bold")
    p.text(40, top + 14, "Grundkombinationen:", DARK)
    p.text(14, top + 36, "Vollholz", BLACK)
    p.text(14, top + 58, "Brettschichtholz", BLACK)
    p.text(14, top + 80, "übrige Baustoffe: s. Tabelle 2.3", NOTE, "small")
    p.text(6, top + 98, "Außergewöhnliche Kombinationen:", DARK)
    p.text(14, top + 112, "alle Baustoffe", BLACK)
    # 6: the crack factor; radio buttons at (98, 63) and (98, 106), fields
    # at (171, 62) and (171, 80).
    top, width = band(6)
    ec5_box(p, 0, top, width, top + 157)
    p.text(6, top + 16, "Rissfaktor k_{cr} (Schub, 6.1.7(2))", BLACK, "bold")
    p.text(110, top + 63, "k_{cr} =", BLACK)
    p.text(222, top + 62, "Voll-, Brettschichtholz", DARK, "small")
    p.text(222, top + 80, "andere", DARK, "small")
    p.text(110, top + 106, "k_{cr} nach NA-DE:", BLACK)
    p.text(110, top + 124, "2,0 / f_{v,k} (Vollholz)", DARK, "small")
    p.text(110, top + 138, "2,5 / f_{v,k} (Brettschichtholz)", DARK, "small")
    # 7: w_net,fin; radio buttons at (144, 84) and (144, 105).
    top, width = band(7)
    ec5_box(p, 0, top, width, top + 129)
    p.text(6, top + 16, "3. Teilnachweis w_{net,fin}", BLACK, "bold")
    p.text(6, top + 40, "w_{inst} aus der", DARK)
    p.text(6, top + 56, "Kombination:", DARK)
    p.text(156, top + 84, "charakteristisch (7.2)", BLACK, "small")
    p.text(156, top + 105, "quasi-ständig (NA.A1)", BLACK, "small")
    # 8: gamma_M in fire, field at (185, 35).
    top, width = band(8)
    ec5_box(p, 0, top, width, top + 50)
    p.text(6, top + 14, "Brandschutz (EN 1995-1-2):", DARK)
    p.text(14, top + 35, "γ_{M,fi}  alle Baustoffe", BLACK)
    # 9: torsion, fields at (274, 80) and (274, 98).
    top, width = band(9)
    ec5_box(p, 0, top, width, top + 109)
    p.text(6, top + 16, "Torsion: Beiwert k_{shape}", BLACK, "bold")
    p.text(6, top + 40, "Rechteckquerschnitt:", DARK)
    p.text(6, top + 80, "k_{shape} = 1 + a · h/b  mit a =", BLACK, "small")
    p.text(6, top + 98, "k_{shape} höchstens", BLACK, "small")
    p.save(path)


# ---- concrete and reinforcing steel -------------------------------------------------

PAGE_GREEN = (239, 253, 238)


def diagram_axes(p, x0, y0, x1, y1, xlabel, ylabel):
    """Axes from (x0, y0) to the right (x1) and up (y1), each named at its
    arrow: the strain above the right end, the stress right of the top."""
    p.arrow(x0, y0, x1, y0, BLACK, size=6)
    p.arrow(x0, y0, x0, y1, BLACK, size=6)
    p.right(x1, y0 - 6, xlabel, BLACK)
    p.text(x0 + 7, y1 + 8, ylabel, BLACK)


def concrete_curve(path):
    """The parabola-rectangle curve: sigma = f_cd (1 - (1 - eps/eps_c2)^n)
    up to eps_c2, then f_cd up to eps_c2u. The rows below 168 stay empty:
    the page's last row and its check box run across them."""
    p = Picture(221, 193, PAGE_GREEN)
    x0, y0 = 20, 146
    diagram_axes(p, x0, y0, 214, 8, "ε_c", "σ_c")
    fcd, e2, eu = 100, 96, 164
    prev = None
    for i in range(101):
        e = e2 * i / 100.0
        pt = (x0 + e, y0 - fcd * (1 - (1 - e / e2) ** 2))
        if prev:
            p.line(prev[0], prev[1], pt[0], pt[1], (200, 0, 0), 2)
        prev = pt
    p.line(x0 + e2, y0 - fcd, x0 + eu, y0 - fcd, (200, 0, 0), 2)
    for x in (e2, eu):
        p.dashed(x0 + x, y0 - fcd, x0 + x, y0, DARK)
    p.dashed(x0, y0 - fcd, x0 + e2, y0 - fcd, DARK)
    p.text(x0 + 4, y0 - fcd - 5, "f_{cd}", BLACK)
    p.centred(x0 + e2, y0 + 14, "ε_{c2}", BLACK)
    p.centred(x0 + eu, y0 + 14, "ε_{c2u}", BLACK)
    p.text(x0 + 26, y0 - 30, "Exponent n_c", (200, 0, 0), "small")
    p.save(path)


def steel_curve(path):
    """The bilinear curve of reinforcing steel: slope E_s up to f_yk, then
    rising to f_tk at eps_su."""
    p = Picture(217, 142, PAGE_GREEN)
    x0, y0 = 20, 118
    diagram_axes(p, x0, y0, 210, 6, "ε_s", "σ_s")
    ey, eu, fy, ft = 30, 160, 70, 88
    p.line(x0, y0, x0 + ey, y0 - fy, (200, 0, 0), 2)
    p.line(x0 + ey, y0 - fy, x0 + eu, y0 - ft, (200, 0, 0), 2)
    p.dashed(x0, y0 - fy, x0 + ey, y0 - fy, DARK)
    p.dashed(x0, y0 - ft, x0 + eu, y0 - ft, DARK)
    p.dashed(x0 + eu, y0 - ft, x0 + eu, y0, DARK)
    p.text(x0 + 4, y0 - fy + 12, "f_{yk}", BLACK)
    p.text(x0 + 70, y0 - ft - 6, "f_{tk}", BLACK)
    p.centred(x0 + eu, y0 + 14, "ε_{su}", BLACK)
    p.text(x0 + 28, y0 - 22, "E_s", (200, 0, 0))
    p.save(path)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    nad = os.path.join(out, "NAD")
    en1990(nad)
    en1992(nad)
    ec5_pictures(os.path.join(nad, "EC5BalmoNads.bmp"))
    concrete_curve(os.path.join(out, "tools", "bemop_fcd.bmp"))
    steel_curve(os.path.join(out, "tools", "bemop_fyk.bmp"))


if __name__ == "__main__":
    main()
