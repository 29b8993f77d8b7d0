// Dimension lines and axis symbols of pictures.
//
// A dimension is one element: the line running a little beyond both ends,
// extension lines and end marks (oblique ticks or dots) at the ends the
// style keeps, and the measured length above the line, its first decimal
// (or a half) as a small raised second text. Texts that do not fit between
// the ends stand alternately nearer and farther from their lines; the
// stagger flag carries that alternation from one dimension to the next
// within a picture.
#include <cassert>
#include <cmath>
#include <cstring>
#include <vector>

#include "base/geometry.h"
#include "base/rounding.h"
#include "base/vesk.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliplot_internal.h"
#include "printlist/plotfile.h"

using ioliplot::PI;
using ioliplot::S;

void Oli_Set_Dimension_Style(int style) { S().dimension_style = style; }

// A length cut to its whole part. Kept as a double: a length beyond the
// range of int (a far point, a unit close to 0) is labelled with its digits
// instead of making the conversion undefined.
static double Whole_Part(double length) { return std::trunc(length); }

// Extension line, then end mark, at one end P of a dimension.
static void Extension_Line(double px, double py, double c, double s, double h) {
    const Oli_Picture_State& st = S();
    Oli_Line(px - 4.0 * s * h / st.scale_x, py + 4.0 * c * h / st.scale_y,
             px + 2.0 * s * h / st.scale_x, py - 2.0 * c * h / st.scale_y);
}

static void End_Mark(double px, double py, double a, double h) {
    const Oli_Picture_State& st = S();
    if (st.dimension_style & OLI_DIM_DOT_MARKS) {
        double d = 0.075 / st.scale_x;
        Oli_Fill_Record(0);
        Oli_Filled_Circle(px, py, d);
        Oli_Arc(px, py, d, 0.0, 360.0);
        return;
    }
    double t = 0.4 * std::sqrt(2.0) * h;
    double dx = 1.5 * std::cos(a + PI / 4.0) * t / st.scale_x;
    double dy = 1.5 * std::sin(a + PI / 4.0) * t / st.scale_y;
    if (st.mirror_flag == 1) dy = -dy;
    Oli_Line(px - dx, py - dy, px + dx, py + dy);
}

double Oli_Dimension_Line(double x1, double y1, double x2, double y2, double h, const char* main_text,
                          const char* second_text, double w, int mode) {
    Oli_Picture_State& st = S();
    if (!main_text) main_text = "";
    if (!second_text) second_text = "";
    Oli_Element_Begin();
    ioliplot::Turn(&x1, &y1);
    ioliplot::Turn(&x2, &y2);
    st.rotation = 0.0;  // the element end puts it back

    double L = Round_To_Decimals(std::hypot(x2 - x1, y2 - y1), 2);
    if (L < 0.01) {
        Oli_Element_End();
        return 0.0;
    }
    Safe_Fprintf(st.stream, " %d %d\n", OLI_REC_PEN, 1);
    if (PlotFile_Is_Open()) PlotFile_Set_Pen(1);
    Oli_Dash_Pattern(0);
    if (PlotFile_Is_Open()) PlotFile_Set_Linetype(0);

    const double sx = st.scale_x, sy = st.scale_y;
    double a = Line_Angle(x1, y1, x2, y2);
    double c = std::cos(a), s = std::sin(a);
    Oli_Line(x1 - c * h / sx, y1 - s * h / sy, x2 + c * h / sx, y2 + s * h / sy);
    bool first = !(st.dimension_style & OLI_DIM_NO_FIRST_END), second = !(st.dimension_style & OLI_DIM_NO_SECOND_END);
    if (first) Extension_Line(x1, y1, c, s, h);
    if (second) Extension_Line(x2, y2, c, s, h);
    if (first) End_Mark(x1, y1, a, h);
    if (second) End_Mark(x2, y2, a, h);

    Oli_Set_Text_Angle(a + (st.mirror_flag == 1 ? PI : 0.0));
    if (PlotFile_Is_Open()) PlotFile_Set_Font(2);
    ioliplot::Text_Height_Record(2.1 * h);
    Safe_Fprintf(st.stream, " %d %d\n", OLI_REC_TEXT_STYLE, 6);

    double mx = (x1 + x2) / 2.0, my = (y1 + y2) / 2.0;
    double k = (double)std::strlen(main_text);
    double px, py, result;
    if (mode == 0 && w > L) {
        double factor;
        if (st.stagger_flag == 0) {
            factor = 2.8, st.stagger_flag = 1, result = 2.0;
        } else {
            factor = 4.0, st.stagger_flag = 0, result = 3.2;
        }
        double d = factor * 2.0 * h / sy;
        px = mx - s * d, py = my + c * d;
    } else {
        st.stagger_flag = 0, result = 0.0;
        double d = 0.8 * 2.0 * h / sy;
        if (mode == -1) {
            px = x1 - s * d - c * k * h / sx, py = y1 + c * d - s * k * h / sy;
        } else if (mode == 1) {
            px = x2 - s * d + c * k * h / sx, py = y2 + c * d + s * k * h / sy;
        } else {
            px = mx - s * d, py = my + c * d;
        }
    }
    // The small second text stands close to the number: a clear
    // background of it goes under both.
    const double H = 2.1 * h;
    const double u = 0.4 * st.mirror_sign * k * H / sx, v = 0.25 * H / sy;
    const double qx = px - s * v + c * u, qy = py + c * v + s * u;
    if (second_text[0] != 0) {
        st.text_height = 0.75 * H;
        ioliplot::Clear_Rotated_Ahead(qx, qy, second_text);
        st.text_height = H;
    }
    Oli_Text_At(px, py, main_text);
    if (second_text[0] != 0) {
        ioliplot::Text_Height_Record(0.75 * H);
        Oli_Text_Rotated(qx, qy, second_text);
    }
    Oli_Element_End();
    return result;
}

// Width and mode handed on to Oli_Dimension_Line by a labelling wrapper:
// modes -2 and 2 put the text beyond an end only when it does not fit.
static void Hand_On(int mode, bool wider, double w, double* w_out, int* mode_out) {
    if (mode == -2 || mode == 2) {
        *w_out = 0.0;
        *mode_out = wider ? mode / 2 : 0;
    } else {
        *w_out = w;
        *mode_out = (mode == -1 || mode == 1) ? mode : 0;
    }
}

// A length rounded to tenths as the labels print it, its whole part, and
// whether it shows no decimal.
struct Tenths {
    double L, n;
    bool whole;
};

static Tenths Tenths_Of(double length) {
    Tenths t;
    t.L = Round_To_Decimals(length, 1);
    t.n = Whole_Part(t.L + 0.0001);
    t.whole = t.L - t.n < 0.05;
    return t;
}

// The line labelled with main_text (and second_text) at the length's whole
// part n, its width and mode handed on.
static double Labelled_Line(double x1, double y1, double x2, double y2, double h, int mode, const char* main_text,
                            const char* second_text, double n) {
    double w = (double)std::strlen(main_text) * 2.0 * h / S().scale_max;
    double w_on;
    int mode_on;
    Hand_On(mode, w > n, w, &w_on, &mode_on);
    return Oli_Dimension_Line(x1, y1, x2, y2, h, main_text, second_text, w_on, mode_on);
}

double Oli_Dimension_Line_cm(double x1, double y1, double x2, double y2, double h, int mode) {
    const Tenths t = Tenths_Of(std::hypot(x2 - x1, y2 - y1));
    char main_text[64], second_text[64];
    if (t.whole)
        std::snprintf(second_text, sizeof second_text, " ");
    else
        std::snprintf(second_text, sizeof second_text, "%.0lf", 10.0 * (t.L - t.n));
    std::snprintf(main_text, sizeof main_text, "%.0f", t.n);
    return Labelled_Line(x1, y1, x2, y2, h, mode, main_text, second_text, t.n);
}

static Tenths Decimal_Text(double length, char* text, size_t size) {
    const Tenths t = Tenths_Of(length);
    if (t.whole)
        std::snprintf(text, size, "%.0f", t.n);
    else
        std::snprintf(text, size, "%.1f", t.L);
    return t;
}

void Oli_Dimension_Decimal_Text(double length, char* text, size_t size) {
    if (text && size > 0) Decimal_Text(length, text, size);
}

double Oli_Dimension_Line_Decimal(double x1, double y1, double x2, double y2, double h, int mode) {
    char main_text[64];
    const Tenths t = Decimal_Text(std::hypot(x2 - x1, y2 - y1), main_text, sizeof main_text);
    // A whole length keeps the blank second text of the whole-number form.
    return Labelled_Line(x1, y1, x2, y2, h, mode, main_text, t.whole ? " " : "", t.n);
}

double Oli_Dimension_Line_cm_Offset(double x1, double y1, double x2, double y2, double e, double h,
                                    int mode) {
    double a = std::atan2(y2 - y1, x2 - x1);
    double dx = -std::sin(a) * e, dy = std::cos(a) * e;
    return Oli_Dimension_Line_cm(x1 + dx, y1 + dy, x2 + dx, y2 + dy, h, mode);
}

double Oli_Dimension_Line_Unit(int mode, double x1, double y1, double x2, double y2, double h,
                               double u) {
    // A unit of 0 has no length to measure in (nothing is drawn); a negative
    // unit only asks for the first decimal, so the length is measured in its
    // magnitude.
    double unit = std::fabs(u);
    if (!(unit > 0.0)) return 0.0;
    double L = Round_To_Decimals(std::hypot(x2 - x1, y2 - y1) / unit, 1);
    double n = Whole_Part(L + 0.0001);
    double rest = L - n, value;
    char main_text[64], second_text[64] = "";
    if (u > 0.0) {
        if (rest >= 0.74999) {
            value = Round_To_Decimals(L, 0);
        } else {
            value = n;
            if (rest >= 0.25) std::snprintf(second_text, sizeof second_text, "5");
        }
    } else {
        value = n;
        std::snprintf(second_text, sizeof second_text, "%.0lf", 10.0 * rest);
    }
    if (value < 100.0)
        std::snprintf(main_text, sizeof main_text, "%.0f", value);
    else
        std::snprintf(main_text, sizeof main_text, "%.2f", value * 0.01);
    double w = (double)std::strlen(main_text) * 2.0 * h / (unit * S().scale_max);
    double w_on;
    int mode_on;
    Hand_On(mode, w > value, w * unit, &w_on, &mode_on);
    return Oli_Dimension_Line(x1, y1, x2, y2, h, main_text, second_text, w_on, mode_on);
}

double Oli_Dimension_Line_Unit_Checked(double x1, double y1, double x2, double y2, double h,
                                       double u, int mode) {
    if (std::fabs(u) < 1e-5) return 0.0;
    return Oli_Dimension_Line_Unit(mode, x1, y1, x2, y2, h, u);
}

double Oli_Dimension_Line_m(double x1, double y1, double x2, double y2, double h) {
    double L = Round_To_Decimals(std::hypot(x2 - x1, y2 - y1), 3);
    if (L < 0.01) return 0.0;
    double c = 100.0 * L;
    double n = Whole_Part(c + 0.0001);
    double r = c - n;
    double r2 = Round_To_Decimals(r, 2);
    bool half = 0.25 <= r2 && r2 < 0.74999;
    char main_text[64], second_text[64] = "";
    if (L < 1.0) {
        if (half) {
            std::snprintf(main_text, sizeof main_text, "%.0f", n);  // a whole number
            std::snprintf(second_text, sizeof second_text, "5");
        } else {
            std::snprintf(main_text, sizeof main_text, "%.0f", c);
        }
    } else {
        double value = Round_To_Decimals(r - 0.75, 2) >= 0.0 ? 0.01 * (n + 1) : 0.01 * n;
        std::snprintf(main_text, sizeof main_text, "%.2f", value);
        if (half) std::snprintf(second_text, sizeof second_text, "5");
    }
    double w = (double)std::strlen(main_text) * 1.68 * h / S().scale_x;
    return Oli_Dimension_Line(x1, y1, x2, y2, h, main_text, second_text, w, 0);
}

void Oli_Dimension_Chain_Projected(int n, const double x[], const double y[], double xa, double ya,
                                   double xb, double yb, double h) {
    if (n < 2) return;
    assert(x != nullptr && y != nullptr);
    double* px = nullptr;
    double* py = nullptr;
    ITools_Copy_Doubles(n, &px, x);
    ITools_Copy_Doubles(n, &py, y);
    Project_Points_On_Line(n, px, py, xa, ya, xb, yb);
    std::vector<int> index(n);
    if (Round_To_Decimals(std::fabs(xb - xa), 5) != 0.0)
        Sort_Index_By_Value(n, px, index.data(), xb > xa ? 1 : 0);
    else
        Sort_Index_By_Value(n, py, index.data(), yb > ya ? 1 : 0);
    for (int i = 0; i + 1 < n; i++) {
        int p = index[i], q = index[i + 1];
        if (Round_To_Decimals(std::hypot(px[q] - px[p], py[q] - py[p]), 3) >= 0.01)
            Oli_Dimension_Line_m(px[p], py[p], px[q], py[q], h);
    }
    ITools_Free(&px);
    ITools_Free(&py);
}

// Head records shared by the two axis symbols.
static void Symbol_Head(double text_height) {
    Oli_Picture_State& st = S();
    Safe_Fprintf(st.stream, " %d %d\n", OLI_REC_PEN, 4);
    Oli_Dash_Pattern(0);
    Oli_Fill_Record(st.fill_mode ? 55 : 0);
    ioliplot::Text_Height_Record(text_height);
    Safe_Fprintf(st.stream, " %d %d\n", OLI_REC_TEXT_STYLE, 6);
}

// Points of the symbol's frame placed in the world.
static void Place(int n, double x[], double y[], double x0, double y0, double angle) {
    Inverse_Transform_Points(x, y, n, x0, y0, angle, 1.0);
}

// The axes with their labels; with `choose` each label goes to the first
// free one of its places (beside the arm's end on either side, further out,
// beyond its tip), else the least covered.
static void Axes_Symbol(double x0, double y0, const char* label1, const char* label2, double size, double angle,
                        bool choose) {
    Oli_Picture_State& st = S();
    Oli_Element_Begin();
    Symbol_Head(std::fmax(0.25 * size, 0.1875));
    double d = size / st.scale_max, e = 0.2 * d;
    for (int axis = 0; axis < 2; axis++) {
        // The second axis is the first turned by a quarter: (u, v) -> (-v, u).
        double lx[2] = {0.0, d - e / 2.0}, ly[2] = {0.0, 0.0};
        double tx[3] = {d, d - e, d - e}, ty[3] = {0.0, e / 2.0, -e / 2.0};
        // The label's places along the arm (u) and across it (v): beside
        // its end, then further out, then beyond the tip.
        const double pu[5] = {d, d, d, d, d + 1.5 * e}, pv[5] = {-1.5 * e, 1.5 * e, -3.0 * e, 3.0 * e, 0.0};
        double qx[5], qy[5];
        for (int k = 0; k < 5; k++) qx[k] = axis ? pv[k] : pu[k], qy[k] = axis ? pu[k] : pv[k];
        if (axis == 1) {
            lx[1] = 0.0, ly[1] = d - e / 2.0;
            tx[0] = 0.0, ty[0] = d, tx[1] = -e / 2.0, ty[1] = d - e, tx[2] = e / 2.0, ty[2] = d - e;
        }
        Place(2, lx, ly, x0, y0, angle);
        Place(3, tx, ty, x0, y0, angle);
        Place(choose ? 5 : 1, qx, qy, x0, y0, angle);
        Oli_Line(lx[0], ly[0], lx[1], ly[1]);
        if (st.fill_mode) Oli_Filled_Triangle(tx, ty);
        const char* label = axis == 0 ? label1 : label2;
        int use = 0;
        double least = 1e300;
        for (int k = 0; choose && label && label[0] && k < 5 && least > 0.0; k++) {
            const double c = Oli_Box_Label_Covered(qx[k], qy[k], label);
            if (c < least) least = c, use = k;
        }
        Oli_Text_Box(qx[use], qy[use], label);
    }
    Oli_Element_End();
}

void Oli_Axes_Symbol(double x0, double y0, const char* label1, const char* label2, double size,
                     double angle) {
    Axes_Symbol(x0, y0, label1, label2, size, angle, false);
}

void Oli_Axes_Symbol_Free(double x0, double y0, const char* label1, const char* label2, double size,
                          double angle) {
    Axes_Symbol(x0, y0, label1, label2, size, angle, true);
}

void Oli_Axis_Arrow(double x0, double y0, double size, double angle, const char* label) {
    Oli_Picture_State& st = S();
    Oli_Element_Begin();
    Symbol_Head(0.25 * size);
    double L;
    if (angle == 0.0 || angle == PI)
        L = size / st.scale_x;
    else if (Round_To_Decimals(std::fabs(angle - PI / 2.0), 4) == 0.0 ||
             Round_To_Decimals(std::fabs(angle - 3.0 * PI / 2.0), 4) == 0.0)
        L = size / st.scale_y;
    else
        L = size / st.scale_max;
    double ex = 0.2 * size / st.scale_x, ey = 0.2 * size / st.scale_y;
    double lx[2] = {0.0, L - ex / 2.0}, ly[2] = {0.0, 0.0};
    double tx[3] = {L, L - ex, L - ex}, ty[3] = {0.0, ey / 2.0, -ey / 2.0};
    double qx[1] = {L + ex}, qy[1] = {0.0};
    double bx[2] = {-ex / 2.0, ex / 2.0}, by[2] = {0.0, 0.0};
    Place(2, lx, ly, x0, y0, angle);
    Place(3, tx, ty, x0, y0, angle);
    Place(1, qx, qy, x0, y0, angle);
    Place(2, bx, by, x0, y0, angle + PI / 2.0);
    Oli_Line(lx[0], ly[0], lx[1], ly[1]);
    if (st.fill_mode) Oli_Filled_Triangle(tx, ty);
    Oli_Text_At(qx[0], qy[0], label ? label : "");
    Oli_Line(bx[0], by[0], bx[1], by[1]);
    Oli_Element_End();
}
