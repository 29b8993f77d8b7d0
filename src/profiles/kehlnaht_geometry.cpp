// The geometry of the profile end of the welded connection by family:
// outline, bore, weld lines with the edges they cover, and the points of
// the family's form.
#include "profiles/kehlnaht_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "profiles/catalogue_outline.h"
#include "profiles/catalogue_plausibility.h"
#include "profiles/profil_reader.h"

namespace {

// A dimension the geometry can work with.
bool Usable_Dimension(double v) { return v >= 0.0 && v <= 1e6; }

void Set_Outline(Kehlnaht_Geometry& c, int n, const double* x, const double* y) {
    for (int i = 0; i < n; i++) c.X[i] = x[i], c.Y[i] = y[i];
    c.n = n;
}

void Weld_Line(Kehlnaht_Geometry& c, int p, double x1, double y1, double x2, double y2) {
    double* line = c.line[p - 1];
    line[0] = x1, line[1] = y1, line[2] = x2, line[3] = y2;
}

void Edge_Height(Kehlnaht_Geometry& c, int p, int first, int last) {
    c.height_first[p] = first;
    c.height_last[p] = last;
}

void Edge_Width(Kehlnaht_Geometry& c, int p, int first, int last) {
    c.width_first[p] = first;
    c.width_last[p] = last;
}

// Weld line p and its edge along the height or the width.
void Line_H(Kehlnaht_Geometry& c, int p, double x1, double y1, double x2, double y2, int first, int last) {
    Weld_Line(c, p, x1, y1, x2, y2);
    Edge_Height(c, p, first, last);
}

void Line_W(Kehlnaht_Geometry& c, int p, double x1, double y1, double x2, double y2, int first, int last) {
    Weld_Line(c, p, x1, y1, x2, y2);
    Edge_Width(c, p, first, last);
}

// The faces of the flanges of the catalogue record of name as its rolled
// outline has them, with the distance from the tips where their nominal
// thickness holds, mm; false where the record gives none.
bool Record_Flange_Faces(const char* name, Rolled_Flange_Faces* f, double* nominal_from_tip) {
    ProfilRecord record;
    Catalogue_Outline o;
    if (Look_Up_Catalogue_Record(name, &record) != PROFIL_LOOK_UP_FOUND ||
        !Catalogue_Record_Outline(record.code[PROFIL_CODE_BYTES - 1], record.values, &o))
        return false;
    for (double* v : {&o.h, &o.b, &o.t_w, &o.t_f, &o.r_1, &o.r_2, &o.nominal_from_tip}) *v *= 10.0;
    *nominal_from_tip = o.nominal_from_tip;
    return Outline_Flange_Faces(&o, f) == 1;
}

// A sloped flange's points in the faces' frame (x from its tip, z from its
// outer face), from the tip's face to the web's: the end of the tip's face,
// two points on the toe's rounding, the straight inner face's ends with a
// point between them (where the nominal thickness holds, if it holds there),
// two points on the root fillet, and where the web's face begins.
enum { SLOPED_FLANGE_POINTS = 9 };
void Sloped_Flange_Points(const Rolled_Flange_Faces& f, double nominal, double* x, double* z) {
    x[0] = 0.0, z[0] = f.tip;
    Flange_Rounding_Point(&f, 1, 1.0 / 3.0, &x[1], &z[1]);
    Flange_Rounding_Point(&f, 1, 2.0 / 3.0, &x[2], &z[2]);
    x[3] = f.x_toe, z[3] = f.z_toe;
    const double between = nominal > f.x_toe && nominal < f.x_root ? nominal : (f.x_toe + f.x_root) / 2;
    x[4] = between, z[4] = f.z_toe + f.slope * (between - f.x_toe);
    x[5] = f.x_root, z[5] = f.z_root;
    Flange_Rounding_Point(&f, 0, 1.0 / 3.0, &x[6], &z[6]);
    Flange_Rounding_Point(&f, 0, 2.0 / 3.0, &x[7], &z[7]);
    x[8] = f.outstand, z[8] = f.web;
}

// The points of a circle of radius R: angle (i + 1) 6.28/49.
void Circle(double R, double* x, double* y) {
    for (int i = 0; i < KEHLNAHT_POINTS; i++) {
        const double a = (i + 1) * 0.12816326530612246;
        x[i] = R * std::cos(a), y[i] = R * std::sin(a);
    }
}

// Extents of the families (the three of the table families included).
void Extents(Kehlnaht_Geometry& c) {
    c.H = c.h;
    switch (c.family) {
    case KEHLNAHT_ANGLE: case KEHLNAHT_CHANNEL: c.x_min = 0.0, c.x_max = c.b; break;
    case KEHLNAHT_CHS: case KEHLNAHT_ROUND: c.x_min = -c.h / 2, c.x_max = c.h / 2; break;
    case KEHLNAHT_FLAT: c.x_min = -c.t / 2, c.x_max = c.t / 2; break;
    default: c.x_min = -c.b / 2, c.x_max = c.b / 2; break;
    }
}

// ---- flat bar, round bar, circular tube ------------------------------------------

void Flat(Kehlnaht_Geometry& c) {
    const double h = c.h, t = c.t;
    const double x[4] = {-t / 2, -t / 2, t / 2, t / 2}, y[4] = {0, h, h, 0};
    Set_Outline(c, 4, x, y);
}

void Round(Kehlnaht_Geometry& c, bool tube) {
    const double h = c.h;
    Circle(h / 2, c.X, c.Y);
    Circle(h / 2 - (tube ? c.s : c.t), c.XI, c.YI);
    c.n = KEHLNAHT_POINTS;
    c.n_inner = tube ? KEHLNAHT_POINTS : 0;
    c.cx = c.x_min + h / 2, c.cy = h / 2;
}

// ---- angle --------------------------------------------------------------------------

void Angle(Kehlnaht_Geometry& c) {
    const double h = c.h, b = c.b, t = c.t, s = c.s, r = c.r;
    double y_vertical_leg_mid, x_horizontal_leg_mid;
    if (c.catalogue) {
        const double x[15] = {0, 0, b, b, b, b, b, s + r, s + 0.5 * r, s + 0.13397 * r, s, s, s, s, s};
        const double yt = h - s, yr = h - s - r;
        const double y[15] = {0, h, h, yt, yt, yt, yt, yt, yr + 0.86602 * r, yr + 0.5 * r, yr, 0, 0, 0, 0};
        Set_Outline(c, 15, x, y);
        Line_H(c, 1, 0, 0, 0, h, 0, 1);
        Line_H(c, 2, s, 0, s, h - s - r, 10, 11);
        Line_W(c, 3, b, h - s, s + r, h - s, 6, 7);
        y_vertical_leg_mid = (h - s - r) / 2, x_horizontal_leg_mid = (s + r) + (b - s - r) / 2;
    } else {
        const double x[6] = {0, 0, b, b, s, s}, y[6] = {0, h, h, h - t, h - t, 0};
        Set_Outline(c, 6, x, y);
        Line_H(c, 1, 0, 0, 0, h, 0, 1);
        Line_H(c, 2, s, 0, s, h - t, 4, 5);
        Line_W(c, 3, b, h - t, s, h - t, 3, 4);
        y_vertical_leg_mid = (h - t) / 2, x_horizontal_leg_mid = s + (b - s) / 2;
    }
    Line_W(c, 4, b, h, 0, h, 1, 2);
    c.line_count = 4;
    c.angle = {y_vertical_leg_mid, x_horizontal_leg_mid};
}

// ---- T and half I -----------------------------------------------------------------

// The dimensions of a T or half I with the points of its form.
struct Tee_Work : Kehlnaht_Tee_Form {
    double h, b, t, s, r, toe_radius, root_fillet_end, web_tip_radius;
};

// The outline of a T given by its dimensions, with its wall thicknesses.
void Tee_Outline_Parametric(Kehlnaht_Geometry& c, Tee_Work& g) {
    const double h = g.h, t = g.t, s = g.s, r = g.r, xl = g.xl, xr = g.xr;
    const double x[10] = {xl, xl, -s / 2 - 0.001, -s / 2, -s / 2, s / 2, s / 2, s / 2 + 0.001, xr, xr};
    const double y[10] = {0, t, t + 0.001, h / 2, h, h, h / 2, t + 0.001, t, 0};
    Set_Outline(c, 10, x, y);
    const double wall[10] = {0.1 * t, 0.1 * t, 0.05 * (t + s), 0.1 * s, 0.1 * s,
                             0.1 * s, 0.1 * s, 0.05 * (t + s), 0.1 * t, 0.1 * t};
    for (int i = 0; i < 10; i++) c.wall[i] = wall[i];
    Edge_Width(c, 1, 9, 0);
    Line_W(c, 2, -s / 2 - 0.001, t + 0.001, xl, t, 1, 2);
    Line_W(c, 3, xr, t, s / 2 + 0.001, t + 0.001, 7, 8);
    Line_H(c, 4, -s / 2 - 0.001, t + 0.001, -s / 2, h, 2, 4);
    Line_H(c, 5, s / 2 + 0.001, t + 0.001, s / 2, h, 5, 7);
    g.mid2 = (xl - (s / 2 + r)) / 2, g.mid3 = (s / 2 + r + xr) / 2, g.mid_web = (t + 0.001 + h) / 2;
}

// The outline of a catalogue T with sloped flanges and web.
void Tee_Outline_Sloped(Kehlnaht_Geometry& c, Tee_Work& g) {
    const double h = g.h, b = g.b, t = g.t, s = g.s, r = g.r, xl = g.xl, xr = g.xr;
    const double r_toe = g.toe_radius, y_root = g.root_fillet_end, r_tip = g.web_tip_radius, y_toe = g.y_toe_sloped,
                 y_f = g.y_f;
    const double x_web_left_root = g.x_web_left_root, x_web_left_tip = g.x_web_left_tip,
                 x_web_right_tip = g.x_web_right_tip, x_web_right_root = g.x_web_right_root;
    const double x[30] = {xl,
                          xl,
                          xl + r_toe - 0.86602 * r_toe,
                          xl + 0.5 * r_toe,
                          xl + r_toe,
                          -b / 4,
                          x_web_left_root - r,
                          x_web_left_root - 0.5 * r,
                          x_web_left_root - 0.13397 * r,
                          x_web_left_root,
                          -s / 2,
                          x_web_left_tip,
                          x_web_left_tip + 0.13397 * r_tip,
                          x_web_left_tip + 0.5 * r_tip,
                          x_web_left_tip + r_tip,
                          x_web_right_tip - r_tip,
                          x_web_right_tip - 0.5 * r_tip,
                          x_web_right_tip - 0.13397 * r_tip,
                          x_web_right_tip,
                          s / 2,
                          x_web_right_root,
                          x_web_right_root + 0.13397 * r,
                          x_web_right_root + 0.5 * r,
                          x_web_right_root + r,
                          b / 4,
                          xr - r_toe,
                          xr - 0.5 * r_toe,
                          xr - 0.13397 * r_toe,
                          xr,
                          xr};
    const double y[30] = {0,
                          y_toe - r_toe,
                          y_toe - 0.5 * r_toe,
                          y_toe - 0.13397 * r_toe,
                          y_toe,
                          t,
                          y_f,
                          y_root - 0.86602 * r,
                          y_root - 0.5 * r,
                          y_root,
                          h / 2,
                          h - r_tip,
                          h - 0.5 * r_tip,
                          h - 0.13397 * r_tip,
                          h,
                          h,
                          h - 0.13397 * r_tip,
                          h - 0.5 * r_tip,
                          h - r_tip,
                          h / 2,
                          y_root,
                          y_root - 0.5 * r,
                          y_root - 0.86602 * r,
                          y_f,
                          t,
                          y_toe,
                          y_toe - 0.13397 * r_toe,
                          y_toe - 0.5 * r_toe,
                          y_toe - r_toe,
                          0};
    Set_Outline(c, 30, x, y);
    Edge_Width(c, 1, 29, 0);
    Line_W(c, 2, x_web_left_root - r, y_f, xl + r_toe, y_toe, 4, 6);
    Line_W(c, 3, xr - r_toe, y_toe, x_web_right_root + r, y_f, 23, 25);
    Line_H(c, 4, x_web_left_root, y_root, x_web_left_tip, h - r_tip, 9, 11);
    Line_H(c, 5, x_web_right_root, y_root, x_web_right_tip, h - r_tip, 18, 20);
    g.mid2 = ((xl + r_toe) + (x_web_left_root - r)) / 2, g.mid3 = ((x_web_right_root + r) + (xr - r_toe)) / 2;
    g.mid_web = (y_root + h - r_tip) / 2;
}

// The outline of a half I cut from a rolled I.
void Tee_Outline_Cut(Kehlnaht_Geometry& c, Tee_Work& g) {
    const double h = g.h, t = g.t, s = g.s, r = g.r, xl = g.xl, xr = g.xr;
    const double q = 0.707 * r;
    const double x[12] = {xl, xl, -(s / 2 + r), -(s / 2 + r) + q, -s / 2, -s / 2,
                          s / 2, s / 2, s / 2 + r - q, s / 2 + r, xr, xr};
    const double y[12] = {0, t, t, t + r - q, t + r, h, h, t + r, t + r - q, t, t, 0};
    Set_Outline(c, 12, x, y);
    Edge_Width(c, 1, 11, 0);
    Line_W(c, 2, -(s / 2 + r), t, xl, t, 1, 2);
    Line_W(c, 3, xr, t, s / 2 + r, t, 9, 10);
    Line_H(c, 4, -s / 2, t + r, -s / 2, h, 4, 5);
    Line_H(c, 5, s / 2, t + r, s / 2, h, 6, 7);
    g.mid2 = (xl - s / 2 - r) / 2, g.mid3 = (s / 2 + r + xr) / 2, g.mid_web = (r + t) + (h - r - t) / 2;
}

// The outline of a catalogue T with tapered flanges.
void Tee_Outline_Tapered(Kehlnaht_Geometry& c, Tee_Work& g) {
    const double h = g.h, b = g.b, t = g.t, s = g.s, r = g.r, xl = g.xl, xr = g.xr;
    const double r_toe = g.toe_radius, y_root = g.root_fillet_end, y_toe = g.y_toe_tapered;
    const double x[22] = {xl,
                          xl,
                          xl + r_toe - 0.86602 * r_toe,
                          xl + 0.5 * r_toe,
                          xl + r_toe,
                          -b / 4,
                          -s / 2 - r,
                          -s / 2 - 0.5 * r,
                          -s / 2 - 0.13397 * r,
                          -s / 2,
                          -s / 2,
                          s / 2,
                          s / 2,
                          s / 2 + 0.13397 * r,
                          s / 2 + 0.5 * r,
                          s / 2 + r,
                          b / 4,
                          xr - r_toe,
                          xr - 0.5 * r_toe,
                          xr - 0.13397 * r_toe,
                          xr,
                          xr};
    const double y[22] = {0,
                          y_toe - r_toe,
                          y_toe - 0.5 * r_toe,
                          y_toe - 0.13397 * r_toe,
                          y_toe,
                          t,
                          y_root - r,
                          y_root - 0.86602 * r,
                          y_root - 0.5 * r,
                          y_root,
                          h,
                          h,
                          y_root,
                          y_root - 0.5 * r,
                          y_root - 0.86602 * r,
                          y_root - r,
                          t,
                          y_toe,
                          y_toe - 0.13397 * r_toe,
                          y_toe - 0.5 * r_toe,
                          y_toe - r_toe,
                          0};
    Set_Outline(c, 22, x, y);
    Edge_Width(c, 1, 21, 0);
    Line_W(c, 2, -s / 2 - r, y_root - r, xl + r_toe, y_toe, 4, 6);
    Line_W(c, 3, xr - r_toe, y_toe, s / 2 + r, y_root - r, 15, 17);
    Line_H(c, 4, -s / 2, y_root, -s / 2, h, 9, 10);
    Line_H(c, 5, s / 2, y_root, s / 2, h, 11, 12);
    g.mid2 = ((xl + r_toe) + (-s / 2 - r)) / 2, g.mid3 = ((s / 2 + r) + (xr - r_toe)) / 2;
    g.mid_web = y_root + (h - y_root) / 2;
    g.x_toe = -(xl + r_toe), g.x_root = s / 2 + r, g.y_root = y_root - r, g.y_web = y_root;
}

// The outline of a catalogue half beam with sloped flanges as its record's
// rolled outline has it (faces f), in the 22 points of the tapered form:
// its inner flange welds run on the straight part of each sloped face, its
// stem welds from the root fillets to the stem's end.
void Tee_Outline_Sloped_Faces(Kehlnaht_Geometry& c, Tee_Work& g, const Rolled_Flange_Faces& f) {
    const double h = g.h, xl = g.xl;
    double fx[SLOPED_FLANGE_POINTS], fz[SLOPED_FLANGE_POINTS];
    Sloped_Flange_Points(f, c.nominal_from_tip, fx, fz);
    double x[22], y[22];
    x[0] = xl, y[0] = 0;
    for (int i = 0; i < SLOPED_FLANGE_POINTS; i++) x[1 + i] = xl + fx[i], y[1 + i] = fz[i];
    x[10] = x[9], y[10] = h;
    for (int i = 0; i < 11; i++) x[21 - i] = -x[i], y[21 - i] = y[i];
    Set_Outline(c, 22, x, y);
    Edge_Width(c, 1, 21, 0);
    Line_W(c, 2, x[6], y[6], x[4], y[4], 4, 6);
    Line_W(c, 3, x[17], y[17], x[15], y[15], 15, 17);
    Line_H(c, 4, x[9], y[9], x[10], y[10], 9, 10);
    Line_H(c, 5, x[12], y[12], x[11], y[11], 11, 12);
    g.mid2 = (x[4] + x[6]) / 2, g.mid3 = -g.mid2, g.mid_web = (y[9] + h) / 2;
    g.y_toe_tapered = y[4], g.x_toe = -x[4], g.x_root = -x[6], g.y_root = y[6], g.y_web = y[9];
}

void Tee(Kehlnaht_Geometry& c) {
    Tee_Work g{};
    g.h = c.h, g.b = c.b, g.t = c.t, g.s = c.s, g.r = c.r;
    g.toe_radius = c.toe_radius, g.root_fillet_end = c.root_fillet_end, g.web_tip_radius = c.web_tip_radius;
    const double h = g.h, b = g.b, t = g.t, s = g.s, r = g.r;
    const double r_toe = g.toe_radius, y_root = g.root_fillet_end, r_tip = g.web_tip_radius;
    g.form = !c.catalogue ? KEHLNAHT_TEE_DIMENSIONS
             : c.k1 == 0  ? KEHLNAHT_TEE_SLOPED
             : c.k2 == 0  ? KEHLNAHT_TEE_CUT
                          : KEHLNAHT_TEE_TAPERED;
    const double xl = -b / 2, xr = b / 2;
    g.xl = xl, g.xr = xr;
    // Sloped catalogue T.
    g.y_toe_sloped = t + 0.02 * (r_toe - b / 4);
    g.x_web_left_root = -s / 2 + 0.02 * (y_root - h / 2), g.x_web_left_tip = -s / 2 + 0.02 * (h / 2 - r_tip);
    g.x_web_right_tip = s / 2 + 0.02 * (r_tip - h / 2), g.x_web_right_root = s / 2 + 0.02 * (h / 2 - y_root);
    g.y_f = ((std::fabs(0.04 * (g.x_web_left_root - r + b / 4)) - r) + (y_root + t)) / 2;
    // Tapered catalogue T.
    g.y_toe_tapered = t + 0.12 * (r_toe - b / 4);
    Weld_Line(c, 1, xr, 0, xl, 0);
    switch (g.form) {
    case KEHLNAHT_TEE_DIMENSIONS: Tee_Outline_Parametric(c, g); break;
    case KEHLNAHT_TEE_SLOPED: Tee_Outline_Sloped(c, g); break;
    case KEHLNAHT_TEE_CUT: Tee_Outline_Cut(c, g); break;
    default:
        if (c.rolled) Tee_Outline_Sloped_Faces(c, g, c.faces);
        else Tee_Outline_Tapered(c, g);
        break;
    }
    c.line_count = 5;
    c.tee = g;
}

// ---- channel and rectangular hollow section -----------------------------------------

// The outline of a catalogue channel as its record's rolled outline has it
// (faces f), in the 20 points of its form: the inner flange welds run on the
// straight part of each flange's face, the web weld between the root
// fillets. (Drawn at 8 % or 5 % by the height, the inner weld lines of a
// C 150 x 51 x 12.2, sloped at 1:6, ended at the flange tips 2.1 mm off
// its faces.)
void Channel_Sloped(Kehlnaht_Geometry& c, const Rolled_Flange_Faces& f) {
    const double h = c.h, b = c.b;
    double fx[SLOPED_FLANGE_POINTS], fz[SLOPED_FLANGE_POINTS];
    Sloped_Flange_Points(f, c.nominal_from_tip, fx, fz);
    // The flange's points from its tip to the web, one on the toe's rounding.
    double tx[8], tz[8];
    tx[0] = fx[0], tz[0] = fz[0];
    Flange_Rounding_Point(&f, 1, 0.5, &tx[1], &tz[1]);
    for (int i = 2; i < 8; i++) tx[i] = fx[i + 1], tz[i] = fz[i + 1];
    double x[20], y[20];
    x[0] = 0, y[0] = 0, x[1] = 0, y[1] = h, x[2] = b, y[2] = h, x[19] = b, y[19] = 0;
    for (int i = 0; i < 8; i++) {
        x[3 + i] = b - tx[i], y[3 + i] = h - tz[i];
        x[18 - i] = b - tx[i], y[18 - i] = tz[i];
    }
    Set_Outline(c, 20, x, y);
    Line_W(c, 1, b, 0, 0, 0, 19, 0);
    Line_W(c, 2, x[16], y[16], x[14], y[14], 14, 16);
    Line_H(c, 4, x[10], y[11], x[10], y[10], 10, 11);
    Line_W(c, 5, x[5], y[5], x[7], y[7], 5, 7);
    c.channel = {x[16], y[16], y[5], x[14], y[14], y[11]};
}

void Channel(Kehlnaht_Geometry& c) {
    if (c.catalogue && c.rolled) {
        Channel_Sloped(c, c.faces);
        Line_H(c, 3, 0, 0, 0, c.h, 0, 1);
        Line_W(c, 6, c.b, c.h, 0, c.h, 1, 2);
        c.line_count = 6;
        return;
    }
    const double h = c.h, b = c.b, t = c.t, s = c.s, r = c.r;
    const double r2 = c.toe_radius, cc = c.root_fillet_end;
    // Slope of the inner flange faces of a catalogue channel and where the
    // flange has its thickness t.
    const double kk = h <= 301.0 ? 0.08 : 0.05, xm = h <= 301.0 ? b / 2 : (b - s) / 2 + s, xt = b - r2;
    const double yu = t + kk * (xm - xt), yo = (h - t) - kk * (xm - xt);
    if (c.catalogue) {
        const double x[20] = {0,          0,          b,      b,      b - 0.5 * r2, xt,          xm,
                              s + r,      s + 0.5 * r, s + 0.1339 * r, s, s,       s + 0.1339 * r, s + 0.5 * r,
                              s + r,      xm,         xt,     b - 0.5 * r2, b,      b};
        const double y[20] = {0,
                              h,
                              h,
                              yo + r2,
                              yo + 0.293 * r2,
                              yo,
                              h - t,
                              h - cc + r,
                              h - cc + 0.8661 * r,
                              h - cc + 0.5 * r,
                              h - cc,
                              cc,
                              cc - 0.5 * r,
                              cc - r + 0.1339 * r,
                              cc - r,
                              t,
                              yu,
                              yu - r2 + 0.707 * r2,
                              yu - r2,
                              0};
        Set_Outline(c, 20, x, y);
        Line_W(c, 1, b, 0, 0, 0, 19, 0);
        Line_W(c, 2, xt, yu, s + r, cc - r, 14, 16);
        Line_H(c, 4, s, cc, s, h - cc, 10, 11);
        Line_W(c, 5, xt, yo, s + r, h - cc + r, 5, 7);
    } else {
        const double x[8] = {0, 0, b, b, s, s, b, b}, y[8] = {0, h, h, h - t, h - t, t, t, 0};
        Set_Outline(c, 8, x, y);
        Line_W(c, 1, b, 0, 0, 0, 7, 0);
        Line_W(c, 2, b, t, s, t, 5, 6);
        Line_H(c, 4, s, t, s, h - t, 4, 5);
        Line_W(c, 5, b, h - t, s, h - t, 3, 4);
    }
    Line_H(c, 3, 0, 0, 0, h, 0, 1);
    Line_W(c, 6, b, h, 0, h, 1, 2);
    c.line_count = 6;
    c.channel = {xt, yu, yo, s + r, cc - r, cc};
}

void Rhs(Kehlnaht_Geometry& c) {
    const double h = c.h, b = c.b, t = c.t, s = c.s, xl = -b / 2, xr = b / 2;
    if (c.catalogue) {
        const double x[16] = {xl + 1.5 * s,     xl + 0.75 * s, xl + 0.20085 * s, xl,
                              xl,               xl + 0.20085 * s, xl + 0.75 * s, xl + 1.5 * s,
                              xr - 1.5 * s,     xr - 0.75 * s, xr - 0.20085 * s, xr,
                              xr,               xr - 0.20085 * s, xr - 0.75 * s, xr - 1.5 * s};
        const double y[16] = {0,           0.20085 * t, 0.75 * t,     1.5 * t,   h - 1.5 * t, h - 0.75 * t,
                              h - 0.20085 * t, h,        h,            h - 0.20085 * t, h - 0.75 * t, h - 1.5 * t,
                              1.5 * t,     0.75 * t,    0.20085 * t,  0};
        const double xi[16] = {xl + 2 * s,     xl + 1.5 * s, xl + 1.1339 * s, xl + s,
                               xl + s,         xl + 1.1339 * s, xl + 1.5 * s, xl + 2 * s,
                               xr - 2 * s,     xr - 1.5 * s, xr - 1.1339 * s, xr - s,
                               xr - s,         xr - 1.1339 * s, xr - 1.5 * s, xr - 2 * s};
        const double yi[16] = {t,          1.1339 * t, 1.5 * t,    2 * t,      h - 2 * t,  h - 1.5 * t,
                               h - 1.1339 * t, h - t,  h - t,      h - 1.1339 * t, h - 1.5 * t, h - 2 * t,
                               2 * t,      1.5 * t,    1.1339 * t, t};
        Set_Outline(c, 16, x, y);
        for (int i = 0; i < 16; i++) c.XI[i] = xi[i], c.YI[i] = yi[i];
        c.n_inner = 16;
        const double y_low = 1.5 * t, y_high = h - 1.5 * t;  // the straight parts of the side walls
        Line_W(c, 1, xr - 1.5 * s, 0, xl + 1.5 * s, 0, 15, 0);
        Line_H(c, 2, xl, y_low, xl, y_high, 3, 4);
        Line_H(c, 3, xr, y_high, xr, y_low, 11, 12);
        Line_W(c, 4, xl + 1.5 * s, h, xr - 1.5 * s, h, 7, 8);
    } else {
        const double x[4] = {xl, xl, xr, xr}, y[4] = {0, h, h, 0};
        const double xi[4] = {xl + s, xl + s, xr - s, xr - s}, yi[4] = {t, h - t, h - t, t};
        Set_Outline(c, 4, x, y);
        for (int i = 0; i < 4; i++) c.XI[i] = xi[i], c.YI[i] = yi[i];
        c.n_inner = 4;
        Line_W(c, 1, xr, 0, xl, 0, 3, 0);
        Line_H(c, 2, xl, 0, xl, h, 0, 1);
        Line_H(c, 3, xr, h, xr, 0, 2, 3);
        Line_W(c, 4, xl, h, xr, h, 1, 2);
    }
    c.line_count = 4;
}

// ---- I family -----------------------------------------------------------------------

// The dimensions of an I with the points of its form.
struct I_Work : Kehlnaht_I_Form {
    double h, b, t, s, r;
};

// The outline of an I given by its dimensions.
void I_Outline_Dimensions(Kehlnaht_Geometry& c, I_Work& g) {
    const double h = g.h, t = g.t, x1 = g.x1, x3 = g.x3, x4 = g.x4, x6 = g.x6;
    const double x[12] = {x1, x1, x3, x3, x1, x1, x6, x6, x4, x4, x6, x6};
    const double y[12] = {0, t, t, h - t, h - t, h, h, h - t, h - t, t, t, 0};
    Set_Outline(c, 12, x, y);
    Line_W(c, 1, x6, 0, x1, 0, 11, 0);
    Line_W(c, 2, x3, t, x1, t, 1, 2);
    Line_W(c, 3, x6, t, x4, t, 9, 10);
    Line_H(c, 4, x3, t, x3, h - t, 2, 3);
    Line_H(c, 5, x4, t, x4, h - t, 8, 9);
    Line_W(c, 6, x3, h - t, x1, h - t, 3, 4);
    Line_W(c, 7, x6, h - t, x4, h - t, 7, 8);
    Line_W(c, 8, x6, h, x1, h, 5, 6);
    const int f[8][2] = {{0, 0}, {1, 2}, {9, 10}, {0, 0}, {0, 0}, {4, 3}, {8, 7}, {0, 0}};
    std::memcpy(g.face, f, sizeof g.face);
}

// The outline of a rolled catalogue I with parallel flanges.
void I_Outline_Catalogue(Kehlnaht_Geometry& c, I_Work& g) {
    const double h = g.h, t = g.t, r = g.r, x1 = g.x1, x2 = g.x2, x3 = g.x3, x4 = g.x4, x5 = g.x5, x6 = g.x6, y3 = g.y3,
                 y4 = g.y4, y5 = g.y5;
    const double q = 0.707 * r;
    const double x[20] = {x1, x1, x2, x2 + q, x3, x3, x2 + q, x2, x1, x1,
                          x6, x6, x5, x5 - q, x4, x4, x5 - q, x5, x6, x6};
    const double y[20] = {0, t, t, y3 - q, y3, y4, y4 + q, y5, y5, h, h, y5, y5, y4 + q, y4, y3, y3 - q, t, t, 0};
    Set_Outline(c, 20, x, y);
    Line_W(c, 1, x6, 0, x1, 0, 19, 0);
    Line_W(c, 2, x2, t, x1, t, 1, 2);
    Line_W(c, 3, x6, t, x5, t, 17, 18);
    Line_H(c, 4, x3, y3, x3, y4, 4, 5);
    Line_H(c, 5, x4, y3, x4, y4, 14, 15);
    Line_W(c, 6, x2, y5, x1, y5, 7, 8);
    Line_W(c, 7, x6, y5, x5, y5, 11, 12);
    Line_W(c, 8, x6, h, x1, h, 9, 10);
    const int f[8][2] = {{0, 0}, {1, 2}, {17, 18}, {0, 0}, {0, 0}, {8, 7}, {12, 11}, {0, 0}};
    std::memcpy(g.face, f, sizeof g.face);
}

// The outline of a catalogue I with tapered flanges.
void I_Outline_Tapered(Kehlnaht_Geometry& c, I_Work& g) {
    const double h = g.h, b = g.b, t = g.t, s = g.s, r = g.r, r2 = g.r2, cc = g.cc, xt = g.xt, yu = g.yu, yo = g.yo;
    const double half_x[21] = {-b / 2,
                               -b / 2,
                               -b / 2 + 0.13398 * r2,
                               -b / 2 + 0.5 * r2,
                               -xt,
                               -b / 4,
                               -s / 2 - r,
                               -s / 2 - 0.5 * r,
                               -s / 2 - 0.13397 * r,
                               -s / 2,
                               -s / 2,
                               -s / 2,
                               -s / 2 - 0.13397 * r,
                               -s / 2 - 0.5 * r,
                               -s / 2 - r,
                               -b / 4,
                               -xt,
                               -b / 2 + 0.5 * r2,
                               -b / 2 + 0.13398 * r2,
                               -b / 2,
                               -b / 2};
    const double half_y[21] = {0,
                               yu - r2,
                               yu - 0.5 * r2,
                               yu - 0.13397 * r2,
                               yu,
                               t,
                               cc - r,
                               cc - 0.86602 * r,
                               cc - 0.5 * r,
                               cc,
                               h / 2,
                               h - cc,
                               h - cc + 0.5 * r,
                               h - cc + 0.86602 * r,
                               h - cc + r,
                               h - t,
                               yo,
                               yo + 0.13397 * r2,
                               yo + 0.5 * r2,
                               yo + r2,
                               h};
    double x[42], y[42];
    for (int i = 0; i < 21; i++) {
        x[i] = half_x[i], y[i] = half_y[i];
        x[41 - i] = -half_x[i], y[41 - i] = half_y[i];
    }
    // The right half mirrors the left with its own coefficient of the
    // toe rounding (0.13397 where the left side has 0.13398).
    x[39] = b / 2 - 0.13397 * r2, x[23] = b / 2 - 0.13397 * r2;
    Set_Outline(c, 42, x, y);
    Line_W(c, 1, b / 2, 0, -b / 2, 0, 41, 0);
    Line_W(c, 2, -s / 2 - r, cc - r, -xt, yu, 4, 6);
    Line_W(c, 3, xt, yu, s / 2 + r, cc - r, 35, 37);
    Line_H(c, 4, -s / 2, cc, -s / 2, h - cc, 9, 11);
    Line_H(c, 5, s / 2, cc, s / 2, h - cc, 30, 32);
    Line_W(c, 6, -s / 2 - r, h - cc + r, -xt, yo, 14, 16);
    Line_W(c, 7, xt, yo, s / 2 + r, h - cc + r, 25, 27);
    Line_W(c, 8, b / 2, h, -b / 2, h, 20, 21);
    const int f[8][2] = {{0, 0}, {4, 6}, {35, 37}, {0, 0}, {0, 0}, {16, 14}, {27, 25}, {0, 0}};
    std::memcpy(g.face, f, sizeof g.face);
    g.mean_height = 1;
    g.xr = s / 2 + r, g.yr = cc - r;
}

// The outline of a catalogue I with sloped flanges as its record's rolled
// outline has them (faces f), in the 42 points of the tapered form: its
// inner faces and their welds run on the straight part of each sloped face,
// between the toe's rounding and the root fillet's, and its web welds
// between the root fillets. (Drawn at 12 %, the inner weld lines of an
// IPN 200, sloped at 14 %, were 29.5 mm long where its straight face is
// 31.2 mm, and ended 0.36 mm off the toe's rounding.)
void I_Outline_Sloped(Kehlnaht_Geometry& c, I_Work& g, const Rolled_Flange_Faces& f, double nominal) {
    const double h = g.h, b = g.b;
    double fx[SLOPED_FLANGE_POINTS], fz[SLOPED_FLANGE_POINTS];
    Sloped_Flange_Points(f, nominal, fx, fz);
    // The left half from the lower flange's tip up to the upper one's.
    double x[42], y[42];
    x[0] = -b / 2, y[0] = 0.0;
    for (int i = 0; i < SLOPED_FLANGE_POINTS; i++) {
        x[1 + i] = -b / 2 + fx[i], y[1 + i] = fz[i];
        x[19 - i] = -b / 2 + fx[i], y[19 - i] = h - fz[i];
    }
    x[10] = -b / 2 + f.outstand, y[10] = h / 2;
    x[20] = -b / 2, y[20] = h;
    for (int i = 0; i < 21; i++) x[41 - i] = -x[i], y[41 - i] = y[i];
    Set_Outline(c, 42, x, y);
    Line_W(c, 1, b / 2, 0, -b / 2, 0, 41, 0);
    Line_W(c, 2, x[6], y[6], x[4], y[4], 4, 6);
    Line_W(c, 3, x[37], y[37], x[35], y[35], 35, 37);
    Line_H(c, 4, x[9], y[9], x[11], y[11], 9, 11);
    Line_H(c, 5, x[32], y[32], x[30], y[30], 30, 32);
    Line_W(c, 6, x[14], y[14], x[16], y[16], 14, 16);
    Line_W(c, 7, x[25], y[25], x[27], y[27], 25, 27);
    Line_W(c, 8, b / 2, h, -b / 2, h, 20, 21);
    const int faces[8][2] = {{0, 0}, {4, 6}, {35, 37}, {0, 0}, {0, 0}, {16, 14}, {27, 25}, {0, 0}};
    std::memcpy(g.face, faces, sizeof g.face);
    g.mean_height = 1;
    g.r2 = f.r_toe, g.cc = f.web, g.xt = -x[4], g.yu = y[4], g.yo = y[16], g.xr = -x[6], g.yr = y[6];
}

void I_Family(Kehlnaht_Geometry& c) {
    I_Work g{};
    const double h = c.h, b = c.b, t = c.t, s = c.s, r = c.r;
    g.h = h, g.b = b, g.t = t, g.s = s, g.r = r;
    g.x1 = -b / 2, g.x2 = -(s / 2 + r), g.x3 = -s / 2, g.x4 = s / 2, g.x5 = s / 2 + r, g.x6 = b / 2;
    g.y1 = 0, g.y2 = t, g.y3 = t + r, g.y4 = h - t - r, g.y5 = h - t, g.y6 = h;
    g.form = !c.catalogue ? KEHLNAHT_I_DIMENSIONS : c.k2 == 1 ? KEHLNAHT_I_TAPERED : KEHLNAHT_I_CATALOGUE;
    g.r2 = c.toe_radius, g.cc = c.root_fillet_end, g.xt = b / 2 - g.r2;
    g.yu = t + 0.12 * (g.r2 - b / 4), g.yo = (h - t) - 0.12 * (g.r2 - b / 4);
    switch (g.form) {
    case KEHLNAHT_I_DIMENSIONS: I_Outline_Dimensions(c, g); break;
    case KEHLNAHT_I_CATALOGUE: I_Outline_Catalogue(c, g); break;
    default:
        if (c.rolled) I_Outline_Sloped(c, g, c.faces, c.nominal_from_tip);
        else I_Outline_Tapered(c, g);
        break;
    }
    c.line_count = 8;
    c.i = g;
}

}  // namespace

int Build_Kehlnaht_Geometry(const GeschweissterAnschluss* record, int family, int catalogue, const char* name,
                            Kehlnaht_Geometry* g) {
    if (!g) return KEHLNAHT_UNUSABLE_DIMENSIONS;
    Kehlnaht_Geometry& c = *g;
    c = Kehlnaht_Geometry{};
    c.family = family;
    c.status = KEHLNAHT_UNUSABLE_DIMENSIONS;
    if (!record) return c.status;
    c.h = record->h, c.b = record->b, c.t = record->t, c.s = record->s, c.r = record->r;
    for (double v : {c.h, c.b, c.t, c.s, c.r})
        if (!Usable_Dimension(v)) return c.status;
    // A catalogue profile must be in the catalogue in use. Its form (a tee
    // cut from a beam, flanges that slope) is its record's: taken from the
    // name, a record under a name of the user's lost the welds of its form.
    if (family <= KEHLNAHT_CHS && catalogue == 1) {
        Profil_End_Form form;
        if (!Read_Profil_End_Form(name, &form)) return c.status = KEHLNAHT_NOT_IN_FILE;
        c.toe_radius = form.toe_radius, c.root_fillet_end = form.root_fillet_end;
        c.web_tip_radius = form.web_tip_radius;
        c.k1 = form.half_section, c.k2 = form.sloped_flanges;
        c.catalogue = 1;
        c.rolled = Record_Flange_Faces(name, &c.faces, &c.nominal_from_tip) ? 1 : 0;
    }
    // Below a thousandth of a millimetre there is nothing to weld, and the
    // scale of a picture of it is no number.
    Extents(c);
    if (!(c.H >= 0.001) || !(c.x_max - c.x_min >= 0.001)) return c.status = KEHLNAHT_NO_EXTENT;
    switch (family) {
    case KEHLNAHT_I: I_Family(c); break;
    case KEHLNAHT_RHS: Rhs(c); break;
    case KEHLNAHT_CHANNEL: Channel(c); break;
    case KEHLNAHT_TEE: Tee(c); break;
    case KEHLNAHT_ANGLE: Angle(c); break;
    case KEHLNAHT_CHS: Round(c, true); break;
    case KEHLNAHT_FLAT: Flat(c); break;
    case KEHLNAHT_ROUND: Round(c, false); break;
    default: break;
    }
    return c.status = KEHLNAHT_BUILT;
}

namespace {

// Area and first moments of a closed polygon (shoelace), signed by its turn.
struct Polygon_Sums {
    double A = 0, Sx = 0, Sy = 0;
};

Polygon_Sums Sums_Of(int n, const double* x, const double* y) {
    Polygon_Sums s;
    for (int i = 0; i < n; i++) {
        const int j = (i + 1) % n;
        const double cross = x[i] * y[j] - x[j] * y[i];
        s.A += cross / 2;
        s.Sx += (x[i] + x[j]) * cross / 6;
        s.Sy += (y[i] + y[j]) * cross / 6;
    }
    // One turn for both outlines: the bore is taken off whatever its turn.
    if (s.A < 0) s.A = -s.A, s.Sx = -s.Sx, s.Sy = -s.Sy;
    return s;
}

}  // namespace

int Kehlnaht_Section_Centroid(const Kehlnaht_Geometry* g, double* x, double* y) {
    if (!g) return 0;
    const int n = std::min(g->n, static_cast<int>(KEHLNAHT_POINTS));
    const int n_inner = std::min(g->n_inner, static_cast<int>(KEHLNAHT_POINTS));
    const Polygon_Sums outer = Sums_Of(n, g->X, g->Y), inner = Sums_Of(n_inner, g->XI, g->YI);
    const double A = outer.A - inner.A;
    // A bore that takes all but rounding dust of the outline leaves no section.
    if (!(A > 0.0) || A < 1e-9 * outer.A) return 0;
    if (x) *x = (outer.Sx - inner.Sx) / A + g->cx;
    if (y) *y = (outer.Sy - inner.Sy) / A + g->cy;
    return 1;
}

int Kehlnaht_Family(int anschluss_family) {
    return anschluss_family >= ANSCHLUSS_I && anschluss_family <= ANSCHLUSS_ROUND ? anschluss_family + 1
                                                                                  : KEHLNAHT_NONE;
}
