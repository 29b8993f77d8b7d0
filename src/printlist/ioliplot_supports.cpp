// Level, support and clamped-edge symbols of pictures.
#include <cmath>

#include "base/geometry.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliplot_internal.h"
#include "printlist/ioliplot_supports.h"
#include "printlist/ioliplot_symbols_internal.h"
#include "printlist/oli_checks.h"

using ioliplot::PI;
using ioliplot::S;

namespace {

constexpr size_t kMaxText = 255;

// (x, y) moved by the upright paper offset (a, b) cm times z.
void Offset(double x, double y, double a, double b, double z, double* ox, double* oy) {
    double dx, dy;
    ioliplot::Paper_Offset(a, b, z, true, &dx, &dy);
    *ox = x + dx, *oy = y + dy;
}

// The level triangle: apex, right and left corner.
void Level_Triangle(double x, double y, double z, double tx[3], double ty[3]) {
    tx[0] = x, ty[0] = y;
    Offset(x, y, 0.16, 0.22, z, &tx[1], &ty[1]);
    Offset(x, y, -0.16, 0.22, z, &tx[2], &ty[2]);
}

// The text of a level marker above its triangle.
void Level_Text(double x, double y, double z, const char* text) {
    ioliplot::Height_Record(0.24 * z);
    Oli_Set_Text_Angle(0.0);
    double px, py;
    Offset(x, y, -0.14, 0.33, z, &px, &py);
    Oli_Text_Rotated(px, py, text ? text : "");
}

// The level marker inside the caller's element.
void Level_Marker_Body(double x, double y, const char* text, int filled, double z) {
    double tx[3], ty[3];
    Level_Triangle(x, y, z, tx, ty);
    Oli_Fill_Record(filled ? 64 : 0);
    if (S().fill_mode) Oli_Filled_Triangle(tx, ty);
    Oli_Polyline(3, tx, ty);
    Level_Text(x, y, z, text);
}

Oli_Input_Check& Symbol_Checks(Oli_Input_Check& check, double x, double y, double z) {
    return check.Picture().Point(x, y).Size(z);
}

// Local points of a symbol turned by angle degrees (clockwise on a y-up
// page) about (x, y).
void Turn_About(double* px, double* py, int n, double x, double y, double angle) {
    Inverse_Transform_Points(px, py, n, x, y, -angle * PI / 180.0, 1.0);
}

}  // namespace

void Oli_Level_Marker_Line(double x, double y, double w, const char* upper, const char* side, int pattern,
                           double z) {
    Oli_Input_Check check("Oli_Level_Marker_Line");
    Symbol_Checks(check, x, y, z).Size(w, true).Size(w * z, true).Range(pattern, 0, 64);
    if (!check.Text(upper, kMaxText).Text(side, kMaxText).Ok()) return;
    const Oli_Picture_State& s = S();
    Oli_Element_Begin();
    ioliplot::Line_Width_Record(0.035 * z);
    Oli_Fill_Record(pattern);
    double tx[3], ty[3];
    Level_Triangle(x, y, z, tx, ty);
    Oli_Polyline(3, tx, ty);
    if (s.fill_mode) Oli_Filled_Triangle(tx, ty);
    double ax, ay, bx, by;
    Offset(x, y, -0.17, 0.0, z, &ax, &ay);
    Offset(x, y, w, 0.0, z, &bx, &by);
    Oli_Line(ax, ay, bx, by);
    Level_Text(x, y, z, upper);
    ioliplot::Height_Record(0.2 * z);
    ioliplot::Text_Style_Record(0);
    ioliplot::Line_Width_Record(0.02 * z);
    ioliplot::Text_Length_Record(0.05 * z / s.scale_x);
    double px, py;
    Offset(x, y, 0.25, 0.1, z, &px, &py);
    Oli_Text_Rotated(px, py, side ? side : "");
    Oli_Element_End();
}

void Oli_Level_Marker(double x, double y, const char* text, int filled, double z) {
    Oli_Input_Check check("Oli_Level_Marker");
    if (!Symbol_Checks(check, x, y, z).Text(text, kMaxText).Ok()) return;
    Oli_Element_Begin();
    Level_Marker_Body(x, y, text, filled, z);
    Oli_Element_End();
}

void Oli_Water_Level_Marker(double x, double y, const char* text, double z) {
    Oli_Input_Check check("Oli_Water_Level_Marker");
    if (!Symbol_Checks(check, x, y, z).Text(text, kMaxText).Ok()) return;
    Oli_Element_Begin();
    Level_Marker_Body(x, y, text, 1, z);
    const double lines[2][3] = {{-0.16, 0.16, -0.08}, {-0.1, 0.1, -0.16}};  // from a to b at height c
    for (const auto& l : lines) {
        double ax, ay, bx, by;
        Offset(x, y, l[0], l[2], z, &ax, &ay);
        Offset(x, y, l[1], l[2], z, &bx, &by);
        Oli_Line(ax, ay, bx, by);
    }
    Oli_Element_End();
}

void Oli_Support_Symbol(double x, double y, double angle, int pattern, int circle, int base_line, double z) {
    Oli_Input_Check check("Oli_Support_Symbol");
    if (!Symbol_Checks(check, x, y, z).Number(angle, 1e6).Range(pattern, 0, 64).Ok()) return;
    const double a = 0.08, b = 0.15, foot = b + 0.04;
    const double local[5][2] = {{0.0, 0.0}, {a, -b}, {-a, -b}, {a, -foot}, {-a, -foot}};
    double px[5], py[5];
    for (int i = 0; i < 5; i++) ioliplot::Paper_Offset(local[i][0], local[i][1], z, true, &px[i], &py[i]);
    Turn_About(px, py, 5, x, y, angle);
    Oli_Element_Begin();
    Oli_Fill_Record(pattern);
    if (S().fill_mode) Oli_Filled_Triangle(px, py);
    ioliplot::Line_Width_Record(0.015 * z);
    Oli_Polyline(3, px, py);
    if (base_line) Oli_Line(px[3], py[3], px[4], py[4]);
    if (circle) {
        const double d = 0.065 * z / S().scale_x;
        Oli_Fill_Record(0);
        Oli_Arc(x, y, d, 0.0, 360.0);
        Oli_Filled_Circle(x, y, d);
    }
    Oli_Element_End();
}

void Oli_Clamped_Edge(double x, double y, double angle, double z) {
    Oli_Input_Check check("Oli_Clamped_Edge");
    if (!Symbol_Checks(check, x, y, z).Number(angle, 1e6).Ok()) return;
    double px[3], py[3];  // P1, P3, P4
    const double local[3][2] = {{0.15, 0.0}, {-0.15, 0.1}, {-0.15, 0.0}};
    for (int i = 0; i < 3; i++) ioliplot::Paper_Offset(local[i][0], local[i][1], z, false, &px[i], &py[i]);
    Turn_About(px, py, 3, x, y, angle);
    Oli_Element_Begin();
    ioliplot::Line_Width_Record(0.015 * z);
    Oli_Line(px[0], py[0], px[2], py[2]);
    ioliplot::Pen_Record(1);
    const double stx = (px[0] - px[2]) / 6.0, sty = (py[0] - py[2]) / 6.0;
    for (int k = 1; k <= 6; k++)
        Oli_Line(px[2] + k * stx, py[2] + k * sty, px[1] + (k - 1) * stx, py[1] + (k - 1) * sty);
    Oli_Element_End();
}
