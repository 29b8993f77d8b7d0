// Reinforcing-bar tools (see rebar.h).
#include "dialogs/rebar.h"

#include <cmath>
#include <cstdio>

#include "base/cp850.h"
#include "base/rounding.h"
#include "dialogs/dialog_batch_internal.h"
#include "dialogs/drawing.h"
#include "dialogs/fields_internal.h"
#include "platform/events.h"
#include "platform/screen.h"
#include "platform/sheets.h"

const double Bar_Diameters[BAR_DIAMETERS] = {0.006, 0.008, 0.010, 0.012, 0.014,
                                             0.016, 0.020, 0.025, 0.028, 0.032};

namespace {

const double QUARTER_PI = 0.7853981633974483;

double Round6(double x) { return Round_To_Decimals(x, 6); }

// trunc toward zero as an int; 0 for what is no number or no int.
int Trunc_Int(double v) {
    if (!std::isfinite(v) || v >= 2147483647.0 || v <= -2147483648.0) return 0;
    return static_cast<int>(v);
}

int Ceil_Int(double v) { return Trunc_Int(std::ceil(v)); }

double counts[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
int centre_x = -1, centre_y = -1;

}  // namespace

double Next_Smaller_Bar_Diameter(double x) {
    if (x <= 0.006) return -1.0;
    for (int i = BAR_DIAMETERS - 1; i >= 0; --i)
        if (Bar_Diameters[i] < x) return Bar_Diameters[i];
    return -1.0;
}

double Bar_Centre_Distance(double a, double b, int n, double d) { return n < 2 ? a + b + d / 2.0 : a + b + d; }

int Bars_for_Area(double As, double d) { return Ceil_Int(As / (QUARTER_PI * d * d)); }

int Bars_for_Area_Rest(double As, double d, double k, double As0) {
    if (k == 0.0) return 0;
    return Ceil_Int((As - As0) / (d * d * std::fabs(k) * QUARTER_PI));
}

double Bar_Spacing_for_Area(double As, double d) {
    if (std::fabs(As) < 1e-8) return 0.0;
    double s = QUARTER_PI * d * d / As * 100.0;
    double whole = std::trunc(s);
    return (whole + (s - whole > 0.4999 ? 0.5 : 0.0)) * 0.01;
}

int Smallest_Diameter_for_Area(double As, int n, double k) {
    for (int i = 0; i < BAR_DIAMETERS; ++i) {
        double d = Bar_Diameters[i];
        if (Round6(Round6(d * d * n * QUARTER_PI) * k - As) >= 0.0) return i;
    }
    return -1;
}

int Bars_and_Diameter_for_Area(double As, int n0, int i1, int i2, double k, int *n, int *i) {
    // Where no pair can ever be found the search would not end: refused.
    if (i1 > i2 || i1 < 0 || i2 >= BAR_DIAMETERS || !(k >= 1.0) || !std::isfinite(As)) return -1;
    for (int count = n0; count <= n0 + 100000; ++count) {
        for (int j = i1; j <= i2; ++j) {
            double d = Bar_Diameters[j];
            if (Round6(d * d * count * QUARTER_PI) * k >= As) {
                if (n) *n = count;
                if (i) *i = j;
                return count;
            }
        }
    }
    return -1;
}

double Bar_Area(int n, double d) { return Round6(n * QUARTER_PI * d * d); }

double Bundle_Area(int n, int m, double d) {
    double a = n * QUARTER_PI * (std::sqrt(static_cast<double>(m)) * d) * (std::sqrt(static_cast<double>(m)) * d);
    return a > 0.0 ? a : 0.0;
}

double Bar_Spacing_Rounded(double As, double d) {
    if (std::fabs(As) < 1e-8) return 0.0;
    return Round6(d * d * QUARTER_PI / As);
}

int Bars_over_Length(double L, double s) {
    int n = Trunc_Int(L / s + 1.0);
    return n > 2 ? n : 2;
}

int Bar_Gaps_in_Width(double b, double c, double s, double d) {
    double w = b - 2.0 * c - d;
    if (d + s > w) return 0;
    return Trunc_Int(w / (d + s));
}

double Bar_Chord_on_Circle(int n, double r) {
    if (n < 1) return 1e10;
    return 2.0 * r * std::sin(3.14159265358979323846 / n);
}

double Bar_Spacing_over_Length(int n, double L) {
    if (n < 2) return 1e10;
    return L / (n - 1);
}

int Bars_on_Circle(double s, double r) {
    double q = s / (2.0 * r);
    return Trunc_Int(3.14159265358979323846 / std::atan2(q, std::sqrt(1.0 - q * q)));
}

double *Bar_Area_Dialog_Counts(void) { return counts; }

double Bar_Area_Dialog(void) {
    const char *title = "Bew.fläche Stabstahl"_cp;
    if (Dialog_Refused_In_Batch(title)) return -1.0;
    if (centre_x < 0) {
        centre_x = NPIXEL_X / 2;
        centre_y = NPIXEL_Y / 2;
    }
    int x1 = centre_x - 109, y1 = centre_y - 165, x2 = centre_x + 108, y2 = centre_y + 164;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    const int buffer = pxBuff(PX_BUFFER_QUERY);
    if (!Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, title, 29, 1)) return -1.0;
    centre_x = x1 + 109;
    centre_y = y1 + 165;
    static const char *const labels[9] = {"î  6 ="_cp, "î  8 ="_cp, "î 10 ="_cp, "î 12 ="_cp, "î 14 ="_cp,
                                          "î 16 ="_cp, "î 20 ="_cp, "î 25 ="_cp, "î 28 ="_cp};
    for (int k = 0; k < 9; ++k) {
        const int yk = y1 + 25 * k;
        Draw_Funny_Text_to_PS(x1 + 68, yk + 54, labels[k], 0, 2);
        int field = Add_Float_to_PS(x1 + 13, yk + 42, 2, "%2.0f", 1, 10, &counts[k]);
        Add_SingleStep_to_Float(field, 0.0, 1.0, 99.0);
    }
    Draw_Funny_Line_to_PS(4, x1 + 80, y1 + 264, x1 + 203, y1 + 264);
    Draw_Funny_Text_to_PS(x1 + 91, y1 + 283, "▓ ="_cp, 0, 2);
    int brk = Add_Single_Button_to_PS(x1 + 12, y1 + 301, 1, 1, nullptr, SYMBOLIC_BREAK_RASTER, 0);
    Set_Comment_to_Button_PS(brk, "abbrechen");
    int ok = Add_Single_Button_to_PS(x1 + 179, y1 + 302, 1, 2, nullptr, SYMBOLIC_OK_RASTER, 0);
    Set_Comment_to_Button_PS(ok, "übernehmen"_cp);
    Move_Mouse_Cursor_to_Button_of_PS(brk);
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    Activate_Prop_Sheet();
    pxBuff(buffer);

    double result = -1.0;
    for (;;) {
        double total = 0.0;
        char text[32];
        for (int k = 0; k < 9; ++k) {
            const int yk = y1 + 25 * k;
            double area = Round6(QUARTER_PI * Bar_Diameters[k] * Bar_Diameters[k] * std::trunc(counts[k]));
            total += area;
            std::snprintf(text, sizeof text, "%6.2f cm²"_cp, area * 10000.0);
            Clear_Text_Background(x1 + 123, yk + 54, 11);
            Draw_Text_By_State(x1 + 123, yk + 54, text, 0, 1);
        }
        std::snprintf(text, sizeof text, "%6.2f cm²"_cp, total * 10000.0);
        Clear_Text_Background(x1 + 123, y1 + 283, 11);
        Draw_Text_By_State(x1 + 123, y1 + 283, text, 0, 1);
        const int code = Edit_Prop_Sheet();
        // The window closing, or nothing left to read, leaves as a break.
        if (code == 1 || code == VEK_CLOSE_CODE || code == 0) break;
        if (code == 2) {
            result = total;
            break;
        }
    }
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    centre_x += dx;
    centre_y += dy;
    Undefine_Prop_Sheet();
    return result;
}

void Reset_Rebar_State(void) {
    for (double &c : counts) c = 0.0;
    centre_x = centre_y = -1;
}
