// Pen table, drawing roles and the pen writers of the print-list pictures.
#include "drawings/oli_pens.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/vesk.h"
#include "platform/format.h"
#include "platform/oli_graphic_records.h"
#include "printlist/ioliplot.h"

Oli_Pen Oli_Pen_Table[OLI_PEN_COUNT];

int OliRole_Outline_Pen = 0, OliRole_Profile_Pen = 5, OliRole_Profile_Pattern = 34,
    OliRole_Plate_Pen = 16, OliRole_Plate_Pattern = 43, OliRole_Fillet_Weld_Pen = 6,
    OliRole_Other_Weld_Pen = 13, OliRole_Weld_Section_Pen = 2, OliRole_Annotation_Pen = 10,
    OliRole_Highlight_Pen = 4, OliRole_Stiffener_Pen = 17, OliRole_Stiffener_Face_Pen = 15,
    OliRole_Bolt_Pattern = 59, OliRole_Current_Plate_Pen = 1, OliRole_Current_Plate_Pattern = 0;

void Init_Oli_Pens(void) {
    static const Oli_Pen PENS[20] = {
        {0, 0, 0},       {255, 255, 255}, {110, 110, 110}, {255, 100, 100}, {255, 50, 50},
        {125, 125, 255}, {30, 30, 255},   {30, 30, 150},   {100, 255, 100}, {0, 98, 0},
        {30, 150, 30},   {255, 255, 100}, {255, 255, 50},  {128, 64, 0},    {128, 128, 0},
        {224, 224, 224}, {72, 69, 126},   {233, 233, 233}, {165, 75, 165},  {171, 12, 36}};
    for (int i = 0; i < 20; i++) Oli_Pen_Table[i] = PENS[i];
    // Pen 29 is left as it is: black unless a caller changed it.
    for (int i = 20; i < 29; i++) Oli_Pen_Table[i] = {-1, -1, -1};

    OliRole_Outline_Pen = 0;
    OliRole_Profile_Pen = 5;
    OliRole_Profile_Pattern = 34;
    OliRole_Plate_Pen = 16;
    OliRole_Plate_Pattern = 43;
    OliRole_Fillet_Weld_Pen = 6;
    OliRole_Other_Weld_Pen = 13;
    OliRole_Weld_Section_Pen = 2;
    OliRole_Annotation_Pen = 10;
    OliRole_Highlight_Pen = 4;
    OliRole_Stiffener_Pen = 17;
    OliRole_Stiffener_Face_Pen = 15;
    OliRole_Bolt_Pattern = 59;
    OliRole_Current_Plate_Pen = 1;
    OliRole_Current_Plate_Pattern = 0;
}

void Set_Oli_Pen_Roles(int pen, int pattern) {
    OliRole_Current_Plate_Pen = pen;
    OliRole_Current_Plate_Pattern = pattern;
}

// The pen when it exists and is in use, else null.
static const Oli_Pen* Pen_In_Use(unsigned pen) {
    if (pen >= OLI_PEN_COUNT) return nullptr;
    const Oli_Pen* p = &Oli_Pen_Table[pen];
    return (p->r < 0 || p->g < 0 || p->b < 0) ? nullptr : p;
}

int Get_Oli_Pen_RGB(unsigned pen, int* r, int* g, int* b) {
    if (r) *r = 0;
    if (g) *g = 0;
    if (b) *b = 0;
    const Oli_Pen* p = Pen_In_Use(pen);
    if (!p) return 1;
    if (r) *r = p->r;
    if (g) *g = p->g;
    if (b) *b = p->b;
    return 0;
}

void Oli_Select_Pen(unsigned pen) {
    const Oli_Pen* p = Pen_In_Use(pen);
    if (p) Oli_Set_Line_RGB(p->r, p->g, p->b);
}

// The line-width record of the open picture.
static void Line_Width_Record(int width) {
    // Put together here, not formatted: every pen line writes one.
    static constexpr OliRecordText kLead(" ", OLI_REC_PEN, " ");
    FILE* stream = Oli_Get_Picture_State()->stream;
    if (!stream) return;
    char text[32];
    std::memcpy(text, kLead.text, kLead.size);
    char* end = std::to_chars(text + kLead.size, text + sizeof text - 1, width).ptr;
    *end++ = '\n';
    VEK_Stream_Put(stream, text, static_cast<size_t>(end - text));
}

// A world value a picture can hold: a finite number within 10^9 (a thousand
// kilometres of drawing), so that no product of the writers overflows into
// "inf" or "nan" in the print list.
static bool Usable(double v) { return std::fabs(v) <= 1e9; }

static bool All_Usable(double a, double b, double c, double d) {
    return Usable(a) && Usable(b) && Usable(c) && Usable(d);
}

int Oli_Weld_Line_Pen(long whole) {
    return whole < 1 ? 1 : whole > OLI_WIDEST_LINE_PEN ? OLI_WIDEST_LINE_PEN : static_cast<int>(whole);
}

void Oli_Pen_Line(double x1, double y1, double x2, double y2, int pen, int width) {
    if (pen < 0 || width < 0 || !All_Usable(x1, y1, x2, y2)) return;
    Oli_Element_Begin();
    Oli_Select_Pen((unsigned)pen);
    Line_Width_Record(width);
    Oli_Line(x1, y1, x2, y2);
    Oli_Element_End();
}

void Oli_Pen_Filled_Circle(double x, double y, double r, int fill_pen, int fill_pattern, int width,
                           int outline_pen) {
    if (!All_Usable(x, y, r, 0.0)) return;
    Oli_Element_Begin();
    if (fill_pen >= 0) {
        Oli_Select_Pen((unsigned)fill_pen);
        Oli_Fill_Record(fill_pattern);
        Oli_Filled_Circle(x, y, 2.0 * r);
    }
    if (width >= 0) {
        Line_Width_Record(width);
        if (outline_pen >= 0) Oli_Select_Pen((unsigned)outline_pen);
    }
    Oli_Arc(x, y, 2.0 * r, 0.0, 360.0);
    Oli_Element_End();
}

void Oli_Pen_Filled_Ring(double x, double y, double r_outer, double r_inner, int n, int fill_pen,
                         int fill_pattern, int width, int outline_pen) {
    // Fewer than three corners make no area, and the corner arrays hold 64.
    if (fill_pen < 0 || n < 3 || n > 64 || (width < 0 && outline_pen < 0)) return;
    if (!All_Usable(x, y, r_outer, r_inner)) return;
    double xs[2 * 64 + 2], ys[2 * 64 + 2];
    const double step = 2.0 * M_PI / n;
    for (int k = 0; k < n; k++) {
        xs[k] = x + r_outer * std::cos(k * step);
        ys[k] = y + r_outer * std::sin(k * step);
    }
    bool ring = (0.0 < r_inner && r_inner < r_outer) || (r_outer < r_inner && r_inner < 0.0);
    int count = n;
    if (ring) {
        xs[n] = x + r_outer, ys[n] = y;
        // The inner circle runs the other way round, from n + 1 at angle 0
        // back to 2n + 1 at angle 0 again.
        for (int k = 0; k < n; k++) {
            xs[2 * n + 1 - k] = x + r_inner * std::cos(k * step);
            ys[2 * n + 1 - k] = y + r_inner * std::sin(k * step);
        }
        xs[n + 1] = x + r_inner, ys[n + 1] = y;
        count = 2 * n + 2;
    }

    Oli_Element_Begin();
    Oli_Select_Pen((unsigned)fill_pen);
    Oli_Fill_Record(fill_pattern);
    Oli_Filled_Polygon(count, xs, ys);
    if (width >= 0 && outline_pen >= 0) {
        Oli_Select_Pen((unsigned)outline_pen);
        // The width argument only switches the outline on.
        Line_Width_Record(2);
        for (int k = 1; k <= n; k++) Oli_Line(xs[k - 1], ys[k - 1], xs[k % n], ys[k % n]);
        if (ring) {
            for (int k = n + 2; k <= 2 * n + 1; k++) Oli_Line(xs[k - 1], ys[k - 1], xs[k], ys[k]);
            Oli_Line(xs[2 * n + 1], ys[2 * n + 1], xs[n + 1], ys[n + 1]);
        }
    }
    Oli_Element_End();
}
