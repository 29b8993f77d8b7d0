// The profile families of the scaled fillet-weld drawing: the section of
// each (its outline from the geometry), its weld bands and labels.
#include <cmath>
#include <cstring>

#include "base/cp850.h"
#include "base/vesk.h"
#include "drawings/kehlnaht_drawing.h"
#include "drawings/kehlnaht_internal.h"
#include "platform/oli_graphic_records.h"

namespace {

const char* const WELDED_TITLE = "Blechträger      "_cp;

// The fill pattern of the areas that follow, and the size class of the
// texts, as this drawing writes them (no blank before the record).
void Fill(FILE* f, int pattern) { Safe_Fprintf(f, "%d %d\n", OLI_REC_FILL_PATTERN, pattern); }
void Text_Class(FILE* f, int size_class) { Safe_Fprintf(f, "%d %d\n", OLI_REC_TEXT_CLASS, size_class); }

// The section of a family with its seam before it when welded all round,
// closed by fill pattern 0.
void Seam_And_Section(Kehlnaht_Context& c, double d) {
    if (c.all_round) Kehlnaht_Seam(c, c.n, c.X, c.Y, d);
    Kehlnaht_Section(c, c.n, c.X, c.Y);
    Fill(c.f, 0);
}

// A band and its screen marks on a face along x (dir 0) from xa to xb at
// height y, or along y (dir 1) from ya to yb at x, centred on the face.
void Band_X(Kehlnaht_Context& c, int p, double xa, double xb, double y, double t, double o, double screen_l) {
    const double l = Kehlnaht_Welds.l[p], x1 = (xa + xb) / 2 - l / 2;
    Plot_Weld_Band_Edge(c.f, l, 0, x1, x1 + l, y, y, t, o);
    const double ls = screen_l * l;
    Kehlnaht_Note_Mark(c, p, KEHLNAHT_MARK_H, (xa + xb) / 2 - ls / 2, y, (xa + xb) / 2 + ls / 2, y, ls, o);
}

void Band_Y(Kehlnaht_Context& c, int p, double x, double ya, double yb, double t, double o, double screen_l) {
    const double l = Kehlnaht_Welds.l[p], y1 = (ya + yb) / 2 - l / 2;
    Plot_Weld_Band_Edge(c.f, l, 1, x, x, y1, y1 + l, t, o);
    const double ls = screen_l * l;
    Kehlnaht_Note_Mark(c, p, KEHLNAHT_MARK_V, x, (ya + yb) / 2 - ls / 2, x, (ya + yb) / 2 + ls / 2, ls, o);
}

// A band along an oblique face (dir -1: shallow, else steep); the screen
// marks follow the same face.
void Band_Oblique(Kehlnaht_Context& c, int p, int dir, double x1, double x2, double y1, double y2, double t,
                  double o) {
    const double l = Kehlnaht_Welds.l[p];
    Plot_Weld_Band_Edge(c.f, l, dir, x1, x2, y1, y2, t, o);
    Kehlnaht_Note_Mark(c, p, dir == -1 ? KEHLNAHT_MARK_SHALLOW : KEHLNAHT_MARK_STEEP, x1, y1, x2, y2, l, o);
}

}  // namespace

// ---- flat bar, round bar, circular tube ------------------------------------------

void Kehlnaht_Flat(Kehlnaht_Context& c) {
    const double h = c.h, t = c.t, e = c.e, xc = c.x_min + (c.x_max - c.x_min) / 2;
    c.title = "Flachstahl      ";
    Kehlnaht_Seam(c, 4, c.X, c.Y, e >= 0.3 ? -0.3 : -e / 2);
    Kehlnaht_Section(c, 4, c.X, c.Y);
    Fill(c.f, 0);
    if (c.all_round) {
        Kehlnaht_All_Round_Label(c, "150", xc, -e / 3, 135);
        return;
    }
    const Kehlnaht_Weld_Data& w = Kehlnaht_Welds;
    if (Kehlnaht_Carries(1)) {
        Band_X(c, 1, xc - w.l[1] / 2, xc + w.l[1] / 2, 0, 0.02 * h, -0.01 * h, 1.0);
        Kehlnaht_Position_Label(c, 1, "135", xc, -e / 3, 135);
    }
    if (Kehlnaht_Carries(2)) {
        Band_Y(c, 2, -t / 2, 0, h, 0.02 * h, -0.01 * h, 1.0);
        Kehlnaht_Position_Label(c, 2, "-90", -t / 2 - e / 3, h / 2, -90);
    }
    if (Kehlnaht_Carries(3)) {
        Band_Y(c, 3, t / 2, 0, h, 0.02 * h, 0.01 * h, 1.0);
        Kehlnaht_Position_Label(c, 3, "90", t / 2 + e / 3, h / 2, 90);
    }
    if (Kehlnaht_Carries(4)) {
        Band_X(c, 4, xc - w.l[4] / 2, xc + w.l[4] / 2, h, 0.02 * h, 0.01 * h, 1.0);
        Kehlnaht_Position_Label(c, 4, "45.", xc, h + e / 3, 0);
    }
}

void Kehlnaht_Round(Kehlnaht_Context& c, bool tube) {
    const double e = c.e, xc = c.cx, yc = c.cy;
    c.title = tube ? "Rohrprofil    " : "Rundstahl      ";
    const double d = tube ? c.s / 4 : (e >= 1.0 ? 1.0 : e / 2);
    Kehlnaht_Seam(c, KEHLNAHT_POINTS, c.X, c.Y, d, xc, yc);
    Kehlnaht_Section(c, KEHLNAHT_POINTS, c.X, c.Y, xc, yc);
    Fill(c.f, 0);
    if (tube) Kehlnaht_Write_Points(c.f, KEHLNAHT_POINTS, c.XI, c.YI, xc, yc);
    if (c.all_round) Kehlnaht_All_Round_Label(c, "150", xc, -e / 3, 135);
}

// ---- angle --------------------------------------------------------------------------

void Kehlnaht_Angle(Kehlnaht_Context& c) {
    const double h = c.h, b = c.b, t = c.t, s = c.s, e = c.e;
    const double y_leg_mid = c.g->angle.y_vertical_leg_mid, x_leg_mid = c.g->angle.x_horizontal_leg_mid;
    c.title = c.catalogue ? c.name : WELDED_TITLE;
    Seam_And_Section(c, -2.0);
    if (c.all_round) {
        Kehlnaht_All_Round_Label(c, "150", s + e / 3, h / 2, 135);
        return;
    }
    const double bt = 0.25 * t, o = 0.125 * t;
    if (Kehlnaht_Carries(1)) {
        Band_Y(c, 1, 0, 0, h, bt, -o, 1.0);
        Kehlnaht_Position_Label(c, 1, "-90", -e / 3, h / 2, -90);
    }
    if (Kehlnaht_Carries(2)) {
        Band_Y(c, 2, s, y_leg_mid, y_leg_mid, bt, o, 1.0);
        Kehlnaht_Position_Label(c, 2, "90", s + e / 3, y_leg_mid, 90);
    }
    if (Kehlnaht_Carries(3)) {
        Band_X(c, 3, x_leg_mid, x_leg_mid, h - t, bt, -o, 1.0);
        Kehlnaht_Position_Label(c, 3, "135", x_leg_mid, h - t - e / 3, 135);
    }
    if (Kehlnaht_Carries(4)) {
        Band_X(c, 4, 0, b, h, bt, o, 1.0);
        Kehlnaht_Position_Label(c, 4, "45", b / 2, h + e / 3, 45);
    }
}

// ---- T and half I -----------------------------------------------------------------

namespace {

// The dimensions of a T or half I, the points of its form and the band
// width and label distance k.
struct Tee_Geometry : Kehlnaht_Tee_Form {
    double h, b, t, s, r, toe_radius, root_fillet_end, web_tip_radius;
    double k;
};

// The weld bands and marks of a T given by its dimensions.
void Tee_Bands_Parametric(Kehlnaht_Context& c, const Tee_Geometry& g) {
    const double h = g.h, t = g.t, s = g.s, r = g.r, xl = g.xl, xr = g.xr, k = g.k;
    const Kehlnaht_Weld_Data& w = Kehlnaht_Welds;
    if (c.f) Plot_Weld_Bands_T(c.f, xl, -(s / 2 + r), -s / 2, s / 2, s / 2 + r, xr, 0, t, t + r, h - t - r, h - t,
                               h, k, k);
    for (int p = 1; p <= 3; p++) {
        const double centre = p == 1 ? 0 : p == 2 ? (xl - (s / 2 + r)) / 2 : (s / 2 + r + xr) / 2;
        const double y = p == 1 ? 0 : t;
        if (Kehlnaht_Carries(p))
            Kehlnaht_Note_Mark(c, p, KEHLNAHT_MARK_H, centre - w.l[p] / 2, y, centre + w.l[p] / 2, y, w.l[p],
                               p == 1 ? -1 : 1);
    }
    for (int p = 4; p <= 5; p++)
        if (Kehlnaht_Carries(p)) {
            const double x = p == 4 ? -s / 2 : s / 2, centre = (t + r + h) / 2;
            Kehlnaht_Note_Mark(c, p, KEHLNAHT_MARK_V, x, centre - w.l[p] / 2, x, centre + w.l[p] / 2, w.l[p],
                               p == 4 ? -1 : 1);
        }
}

// The weld bands and marks of a sloped catalogue T.
void Tee_Bands_Sloped(Kehlnaht_Context& c, const Tee_Geometry& g) {
    const double h = g.h, r = g.r, xl = g.xl, xr = g.xr, k = g.k;
    const double r_toe = g.toe_radius, y_root = g.root_fillet_end, r_tip = g.web_tip_radius, y_toe = g.y_toe_sloped,
                 y_f = g.y_f;
    const double x_web_left_root = g.x_web_left_root, x_web_left_tip = g.x_web_left_tip,
                 x_web_right_tip = g.x_web_right_tip, x_web_right_root = g.x_web_right_root;
    const Kehlnaht_Weld_Data& w = Kehlnaht_Welds;
    if (c.f) Plot_Weld_Band_Pos1(c.f, -w.l[1] / 2, 0, w.l[1] / 2, 0, k, 0.75 * k, 1);
    if (Kehlnaht_Carries(1))
        Kehlnaht_Note_Mark(c, 1, KEHLNAHT_MARK_H, -w.l[1] / 2, 0, w.l[1] / 2, 0, w.l[1], -1);
    Band_Oblique(c, 2, -1, xl + r_toe, x_web_left_root - r, y_toe, y_f, k, 0.5 * k);
    Band_Oblique(c, 3, -1, x_web_right_root + r, xr - r_toe, y_f, y_toe, k, 0.5 * k);
    Band_Oblique(c, 4, -2, x_web_left_root, x_web_left_tip, y_root, h - r_tip, -k, -1.5 * k);
    Band_Oblique(c, 5, -2, x_web_right_root, x_web_right_tip, y_root, h - r_tip, k, 0.5 * k);
}

// The weld bands and marks of a half I.
void Tee_Bands_Cut(Kehlnaht_Context& c, const Tee_Geometry& g) {
    const double h = g.h, t = g.t, s = g.s, r = g.r, xl = g.xl, xr = g.xr, k = g.k;
    const Kehlnaht_Weld_Data& w = Kehlnaht_Welds;
    const double cx2 = (xl - s / 2 - r) / 2, cx3 = (s / 2 + r + xr) / 2, cy = (r + t) + (h - r - t) / 2;
    if (c.f) {
        Plot_Weld_Band_Pos1(c.f, -w.l[1] / 2, 0, w.l[1] / 2, 0, k, 0.5 * k, 1);
        Plot_Weld_Band_Pos1(c.f, cx2 - w.l[2] / 2, t, cx2 + w.l[2] / 2, t, -k, -0.5 * k, 1);
        Plot_Weld_Band_Pos1(c.f, cx3 - w.l[3] / 2, t, cx3 + w.l[3] / 2, t, -k, -0.5 * k, 1);
        Plot_Weld_Band_Pos1(c.f, -s / 2, cy - w.l[4] / 2, -s / 2, cy + w.l[4] / 2, k, 0.75 * k, 2);
        Plot_Weld_Band_Pos1(c.f, s / 2, cy - w.l[5] / 2, s / 2, cy + w.l[5] / 2, -k, -0.75 * k, 2);
    }
    const double centres[4] = {0, cx2, cx3, 0};
    for (int p = 1; p <= 3; p++)
        if (Kehlnaht_Carries(p))
            Kehlnaht_Note_Mark(c, p, KEHLNAHT_MARK_H, centres[p - 1] - w.l[p] / 2, p == 1 ? 0 : t,
                               centres[p - 1] + w.l[p] / 2, p == 1 ? 0 : t, w.l[p], p == 1 ? -1 : 1);
    for (int p = 4; p <= 5; p++)
        if (Kehlnaht_Carries(p)) {
            const double x = p == 4 ? -s / 2 : s / 2;
            Kehlnaht_Note_Mark(c, p, KEHLNAHT_MARK_V, x, cy - w.l[p] / 2, x, cy + w.l[p] / 2, w.l[p],
                               p == 4 ? -1 : 1);
        }
}

// The weld bands and marks of a tapered catalogue T.
void Tee_Bands_Tapered(Kehlnaht_Context& c, const Tee_Geometry& g) {
    const double h = g.h, s = g.s, k = g.k;
    // The inner faces' straight parts from the toes' roundings to the root
    // fillets; the stem's from its root fillets up.
    const double x_toe = g.x_toe, x_root = g.x_root, y_toe = g.y_toe_tapered, y_root = g.y_root, y_web = g.y_web;
    const Kehlnaht_Weld_Data& w = Kehlnaht_Welds;
    const double cy = y_web + (h - y_web) / 2;
    if (c.f) Plot_Weld_Band_Pos1(c.f, -w.l[1] / 2, 0, w.l[1] / 2, 0, k, 0.5 * k, 1);
    if (Kehlnaht_Carries(1))
        Kehlnaht_Note_Mark(c, 1, KEHLNAHT_MARK_H, -w.l[1] / 2, 0, w.l[1] / 2, 0, w.l[1], -1);
    Band_Oblique(c, 2, -1, -x_toe, -x_root, y_toe, y_root, k, k);
    Band_Oblique(c, 3, -1, x_root, x_toe, y_root, y_toe, k, k);
    if (c.f) {
        Plot_Weld_Band_Pos1(c.f, -s / 2, cy - w.l[4] / 2, -s / 2, cy + w.l[4] / 2, k, 0.75 * k, 2);
        Plot_Weld_Band_Pos1(c.f, s / 2, cy - w.l[5] / 2, s / 2, cy + w.l[5] / 2, -k, -0.75 * k, 2);
    }
    for (int p = 4; p <= 5; p++)
        if (Kehlnaht_Carries(p)) {
            const double x = p == 4 ? -s / 2 : s / 2;
            Kehlnaht_Note_Mark(c, p, KEHLNAHT_MARK_V, x, cy - w.l[p] / 2, x, cy + w.l[p] / 2, w.l[p],
                               p == 4 ? -1 : 1);
        }
}

}  // namespace

void Kehlnaht_Tee(Kehlnaht_Context& c) {
    Tee_Geometry g{};
    static_cast<Kehlnaht_Tee_Form&>(g) = c.g->tee;
    g.h = c.h, g.b = c.b, g.t = c.t, g.s = c.s, g.r = c.r;
    g.toe_radius = c.toe_radius, g.root_fillet_end = c.root_fillet_end, g.web_tip_radius = c.web_tip_radius;
    const double h = g.h, t = g.t, s = g.s, r = g.r, xl = g.xl, xr = g.xr;
    const double k = 0.1 * t >= 4.0 ? 0.1 * t : (h > 150.0 ? 4.0 : 1.5);
    g.k = k;
    c.title = c.catalogue ? c.name : WELDED_TITLE;
    Fill(c.f, 42);
    if (c.all_round) Kehlnaht_Seam(c, c.n, c.X, c.Y, -2.0);
    if (g.form == KEHLNAHT_TEE_CUT) {
        if (c.f) Plot_Outline_T(c.f, xl, -(s / 2 + r), -s / 2, s / 2, s / 2 + r, xr, 0, t, t + r, h - t - r, h - t, h,
                                0.707 * r, 0, 1.0);
    } else {
        Kehlnaht_Section(c, c.n, c.X, c.Y);
        Fill(c.f, 0);
    }
    Text_Class(c.f, 1);
    if (c.all_round) {
        Kehlnaht_All_Round_Label(c, "180", 0, -k, 180);
        return;
    }
    switch (g.form) {
    case KEHLNAHT_TEE_DIMENSIONS: Tee_Bands_Parametric(c, g); break;
    case KEHLNAHT_TEE_SLOPED: Tee_Bands_Sloped(c, g); break;
    case KEHLNAHT_TEE_CUT: Tee_Bands_Cut(c, g); break;
    default: Tee_Bands_Tapered(c, g); break;
    }
    if (Kehlnaht_Carries(1)) Kehlnaht_Position_Label(c, 1, "180", 0, -k, 180);
    if (Kehlnaht_Carries(2)) Kehlnaht_Position_Label(c, 2, "0", g.mid2, t + k, 0);
    if (Kehlnaht_Carries(3)) Kehlnaht_Position_Label(c, 3, "0", g.mid3, t + k, 0);
    if (Kehlnaht_Carries(4)) Kehlnaht_Position_Label(c, 4, "-90", -s / 2 - k, g.mid_web, -90);
    if (Kehlnaht_Carries(5)) Kehlnaht_Position_Label(c, 5, "90", s / 2 + k, g.mid_web, 90);
}

// ---- channel and rectangular hollow section -----------------------------------------

void Kehlnaht_Channel(Kehlnaht_Context& c) {
    const double h = c.h, b = c.b, t = c.t, s = c.s, e = c.e;
    const Kehlnaht_Channel_Form& form = c.g->channel;
    const double cc = form.cc, xt = form.xt, yu = form.yu, yo = form.yo, xr = form.xr, yr = form.yr;
    c.title = c.catalogue ? c.name : WELDED_TITLE;
    Seam_And_Section(c, -2.0);
    if (c.all_round) {
        Kehlnaht_All_Round_Label(c, "150", (c.x_min + c.x_max) / 2, -e / 3, 135);
        return;
    }
    const double bt = t / 4;
    const double inner = c.catalogue ? 1.0 : 0.96;
    if (Kehlnaht_Carries(1)) {
        Band_X(c, 1, 0, b, 0, bt, -t / 8, 1.0);
        Kehlnaht_Position_Label(c, 1, "135", b / 2, -e / 3, 135);
    }
    if (Kehlnaht_Carries(2)) {
        if (c.catalogue) {
            Band_Oblique(c, 2, -1, xr, xt, yr, yu, bt, t / 8);
            Kehlnaht_Position_Label(c, 2, "45", (xr + xt) / 2, (yr + yu) / 2 + e / 3, 0);
        } else {
            Band_X(c, 2, s, b, t, bt, t / 8, inner);
            Kehlnaht_Position_Label(c, 2, "45", (s + b) / 2, t + e / 3, 0);
        }
    }
    if (Kehlnaht_Carries(3)) {
        Band_Y(c, 3, 0, 0, h, bt, -t / 16, 1.0);
        Kehlnaht_Position_Label(c, 3, "-90", -e / 3, h / 2, -90);
    }
    if (Kehlnaht_Carries(4)) {
        const double ya = c.catalogue ? cc : t, yb = c.catalogue ? h - cc : h - t;
        Band_Y(c, 4, s, ya, yb, bt, t / 8, inner);
        Kehlnaht_Position_Label(c, 4, "90", s + e / 3, h / 2, 90);
    }
    if (Kehlnaht_Carries(5)) {
        if (c.catalogue) {
            Band_Oblique(c, 5, -1, xr, xt, h - yr, yo, bt, -t / 8);
            Kehlnaht_Position_Label(c, 5, "135", (xr + xt) / 2, (h - yr + yo) / 2 - e / 3, 180);
        } else {
            Band_X(c, 5, s, b, h - t, bt, -t / 8, inner);
            Kehlnaht_Position_Label(c, 5, "135", (s + b) / 2, h - t - e / 3, 180);
        }
    }
    if (Kehlnaht_Carries(6)) {
        Band_X(c, 6, 0, b, h, bt, t / 8, 1.0);
        Kehlnaht_Position_Label(c, 6, "45", b / 2, h + e / 3, 45);
    }
}

void Kehlnaht_Rhs(Kehlnaht_Context& c) {
    const double h = c.h, b = c.b, t = c.t, e = c.e, xl = -b / 2, xr = b / 2;
    c.title = c.catalogue ? c.name : WELDED_TITLE;
    Seam_And_Section(c, -2.0);
    Kehlnaht_Write_Points(c.f, c.n_inner, c.XI, c.YI);
    if (c.all_round) {
        Kehlnaht_All_Round_Label(c, "150", (c.x_min + c.x_max) / 2, -e / 3, 135);
        return;
    }
    const double bt = t / 4;
    if (Kehlnaht_Carries(1)) {
        Band_X(c, 1, 0, 0, 0, bt, -t / 12, 1.0);
        Kehlnaht_Position_Label(c, 1, "135", 0, -e / 3, 135);
    }
    if (Kehlnaht_Carries(2)) {
        Band_Y(c, 2, xl, h / 2, h / 2, bt, -t / 12, 1.0);
        Kehlnaht_Position_Label(c, 2, "-90", xl - e / 3, h / 2, -90);
    }
    if (Kehlnaht_Carries(3)) {
        Band_Y(c, 3, xr, h / 2, h / 2, bt, t / 12, 1.0);
        Kehlnaht_Position_Label(c, 3, "90", xr + e / 3, h / 2, 90);
    }
    if (Kehlnaht_Carries(4)) {
        Band_X(c, 4, 0, 0, h, bt, t / 12, 1.0);
        Kehlnaht_Position_Label(c, 4, "45.", 0, h + e / 3, 0);
    }
}

// ---- I family -----------------------------------------------------------------------

namespace {

// The dimensions of an I and the points of its form.
struct I_Geometry : Kehlnaht_I_Form {
    double h, b, t, s, r;
};

// The weld bands and marks of a tapered I along its sloped faces.
void I_Bands_Tapered(Kehlnaht_Context& c, const I_Geometry& g) {
    const double h = g.h, b = g.b, t = g.t, s = g.s, cc = g.cc, xt = g.xt, yu = g.yu, yo = g.yo;
    // The inner faces' straight parts end at the root fillets (xr, yr).
    const double xr = g.xr, yr = g.yr;
    const Kehlnaht_Weld_Data& w = Kehlnaht_Welds;
    const struct {
        double factor;
        int dir;
        double xa, xb, ya, yb, th, o;
    } bands[8] = {{1.11, -1, -b / 2, b / 2, 0, 0, -t / 3, -t / 2},
                  {1.0, -1, -xt, -xr, yu, yr, t / 3, t / 12},
                  {1.0, -1, xr, xt, yr, yu, t / 3, t / 12},
                  {1.11, -2, -s / 2, -s / 2, cc, h - cc, -t / 3, -t / 2},
                  {1.11, -2, s / 2, s / 2, cc, h - cc, t / 3, t / 6},
                  {1.0, -1, -xt, -xr, yo, h - yr, -t / 3, -1.1 * t / 3},
                  {1.0, -1, xr, xt, h - yr, yo, -t / 3, -1.1 * t / 3},
                  {1.11, -1, -b / 2, b / 2, h, h, t / 3, t / 6}};
    for (int p = 1; p <= 8; p++) {
        if (!Kehlnaht_Carries(p)) continue;
        const auto& d = bands[p - 1];
        Plot_Weld_Band_Edge(c.f, d.factor * w.l[p], d.dir, d.xa, d.xb, d.ya, d.yb, d.th, d.o);
        if (p == 4 || p == 5)
            Kehlnaht_Note_Mark(c, p, KEHLNAHT_MARK_V, d.xa, (cc + h - cc) / 2 - w.l[p] / 2, d.xa,
                               (cc + h - cc) / 2 + w.l[p] / 2, w.l[p], d.o);
        else
            Kehlnaht_Note_Mark(c, p, KEHLNAHT_MARK_SHALLOW, d.xa, d.ya, d.xb, d.yb, w.l[p], d.o);
    }
}

// The weld bands and marks of an I with parallel flanges.
void I_Bands_Parallel(Kehlnaht_Context& c, const I_Geometry& g, bool catalogue) {
    const double h = g.h, t = g.t, x1 = g.x1, x2 = g.x2, x3 = g.x3, x4 = g.x4, x5 = g.x5, x6 = g.x6, y1 = g.y1,
                 y2 = g.y2, y3 = g.y3, y4 = g.y4, y5 = g.y5, y6 = g.y6;
    const Kehlnaht_Weld_Data& w = Kehlnaht_Welds;
    if (c.f) Plot_Weld_Bands_I(c.f, x1, x2, x3, x4, x5, x6, y1, y2, y3, y4, y5, y6, t / 3, t / 3);
    // Screen: outer faces with the whole length, inner faces 0.96 of it.
    const double xa2 = catalogue ? x2 : x3, xa5 = catalogue ? x5 : x4;
    const double yw1 = catalogue ? y3 : t, yw2 = catalogue ? y4 : h - t;
    const struct {
        int kind;
        double a, b, at, side, factor;
    } marks[8] = {{KEHLNAHT_MARK_H, x1, x6, 0, -1, 1.0},      {KEHLNAHT_MARK_H, x1, xa2, t, 1, 0.96},
                  {KEHLNAHT_MARK_H, xa5, x6, t, 1, 0.96},      {KEHLNAHT_MARK_V, yw1, yw2, x3, -1, 0.96},
                  {KEHLNAHT_MARK_V, yw1, yw2, x4, 1, 0.96},    {KEHLNAHT_MARK_H, x1, xa2, h - t, -1, 0.96},
                  {KEHLNAHT_MARK_H, xa5, x6, h - t, -1, 0.96}, {KEHLNAHT_MARK_H, x1, x6, h, 1, 1.0}};
    for (int p = 1; p <= 8; p++) {
        if (!Kehlnaht_Carries(p)) continue;
        const auto& m = marks[p - 1];
        const double centre = (m.a + m.b) / 2, l = m.factor * w.l[p];
        if (m.kind == KEHLNAHT_MARK_H)
            Kehlnaht_Note_Mark(c, p, m.kind, centre - l / 2, m.at, centre + l / 2, m.at, l, m.side);
        else
            Kehlnaht_Note_Mark(c, p, m.kind, m.at, centre - l / 2, m.at, centre + l / 2, l, m.side);
    }
}

// The position labels, t/3 off their faces.
void I_Labels(Kehlnaht_Context& c, const I_Geometry& g) {
    const double h = g.h, t = g.t, s = g.s;
    static const char* const ANGLE[9] = {"", "180", "-45", "45", "-90", "90", "225", "135", "0"};
    static const double SCREEN_ANGLE[9] = {0, 135, 0, 0, -90, 90, 180, 180, 45};
    for (int p = 1; p <= 8; p++) {
        if (!Kehlnaht_Carries(p)) continue;
        double x = 0, y = 0;
        switch (p) {
        case 1: y = -t / 3; break;
        case 8: y = h + t / 3; break;
        case 4: x = -s / 2 - t / 3, y = h / 2; break;
        case 5: x = s / 2 + t / 3, y = h / 2; break;
        default: {
            const int i = g.face[p - 1][0], j = g.face[p - 1][1];
            x = (c.X[i] + c.X[j]) / 2;
            y = g.mean_height ? (c.Y[i] + c.Y[j]) / 2 : c.Y[i];
            y += (p == 2 || p == 3) ? t / 3 : -t / 3;
            break;
        }
        }
        Kehlnaht_Position_Label(c, p, ANGLE[p], x, y, SCREEN_ANGLE[p]);
    }
}

}  // namespace

void Kehlnaht_I(Kehlnaht_Context& c) {
    I_Geometry g{};
    static_cast<Kehlnaht_I_Form&>(g) = c.g->i;
    const double t = c.t, r = c.r;
    g.h = c.h, g.b = c.b, g.t = t, g.s = c.s, g.r = r;
    c.title = c.catalogue ? c.name : WELDED_TITLE;
    Fill(c.f, 42);
    if (c.all_round) {
        Kehlnaht_Seam(c, c.n, c.X, c.Y, -2.0);
        Kehlnaht_Section(c, c.n, c.X, c.Y);
        Fill(c.f, 0);
    } else if (g.form == KEHLNAHT_I_TAPERED) {
        Kehlnaht_Section(c, c.n, c.X, c.Y);
        Fill(c.f, 0);
    } else if (c.f) {
        Plot_Outline_I(c.f, g.x1, g.x2, g.x3, g.x4, g.x5, g.x6, g.y1, g.y2, g.y3, g.y4, g.y5, g.y6, 0.707 * r, 0, 1);
    }
    Text_Class(c.f, 1);
    if (c.all_round) {
        Kehlnaht_All_Round_Label(c, "180", 0, -t / 3, 135);
        return;
    }
    if (g.form == KEHLNAHT_I_TAPERED)
        I_Bands_Tapered(c, g);
    else
        I_Bands_Parallel(c, g, g.form == KEHLNAHT_I_CATALOGUE);
    I_Labels(c, g);
}
