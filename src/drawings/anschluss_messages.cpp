// The message list of the welded-connection library and further members of
// its drawings.
#include "drawings/anschluss_messages.h"

#include <cmath>

#include "base/cp850.h"
#include "base/vesk.h"
#include "dialogs/scrollarea.h"
#include "drawings/kehlnaht_drawing.h"
#include "drawings/kehlnaht_internal.h"
#include "drawings/polyverg.h"
#include "platform/input.h"
#include "platform/oli_graphic_records.h"
#include "platform/oli_layout.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "profiles/geschweisster_anschluss.h"

int Anschluss_Message_Icon = 1;
int Anschluss_Message_Icon_Palette[4];

namespace {

int g_palette_pending = 1;

const int HATCH[16] = {0x8888, 0x1111, 0x2222, 0x4444, 0x8888, 0x1111, 0x2222, 0x4444,
                       0x8888, 0x1111, 0x2222, 0x4444, 0x8888, 0x1111, 0x2222, 0x4444};

// The texts of a message code: first and second column, whether it is a
// warning (shown in blue) and the font word of the first column.
struct Message_Text {
    int code;
    const char* first;
    const char* second;
};

const Message_Text MESSAGES[] = {
    {1, "Hauptträger:"_cp, "TEST Fehlermeldungen"},
    {2, "Die Schweißnähte sind zu dick!"_cp, nullptr},
    {3, "linker Querträger:"_cp, "unbekannte Profilbezeichnung"},
    {4, "linker Querträger:"_cp, "die geometrischen Angaben sind unzulässig."_cp},
    {7, "rechter Querträger:"_cp, "unbekannte Profilbezeichnung"},
    {8, "rechter Querträger:"_cp, "die geometrischen Angaben sind unzulässig."_cp},
    {1001, "linker Anschluss:", "Querträger liegt im oberen Ausrundungsbereich des Hauptträgers."_cp},
    {1031, "linker Anschluss:", "Querträger liegt im unteren Ausrundungsbereich des Hauptträgers."_cp},
    {1032, "rechter Anschluss:", "Querträger liegt im oberen Ausrundungsbereich des Hauptträgers."_cp},
    {1033, "rechter Anschluss:", "Querträger liegt im unteren Ausrundungsbereich des Hauptträgers."_cp},
    {1040, "linker Winkel:", "Winkel liegt im oberen Ausrundungsbereich des Hauptträgers."_cp},
};

void Closed_Outline(int n, const int* xs, const int* ys) {
    for (int i = 0; i < n; i++) pxLine(xs[i], ys[i], xs[(i + 1) % n], ys[(i + 1) % n]);
}

}  // namespace

void Add_Error_Code(int code) {
    Anschluss_Message_List& m = Anschluss_Messages;
    if (m.count < 0 || m.count > ANSCHLUSS_MESSAGE_CODES) m.count = 0;  // a damaged count starts afresh
    if (m.count < ANSCHLUSS_MESSAGE_CODES) m.codes[m.count++] = code;
    if (code <= 999) m.error = 1;
}

void Show_Error_Button(int x, int y) {
    if (Anschluss_Message_Button < 0 || Anschluss_Messages.count <= 0) return;
    Change_Activity_PS(Anschluss_Message_Button, 1);
    Draw_TreeViewImage(Anschluss_Message_Icon, x + 11, y + 7, 0);
}

void Show_Error_List(void) {
    int x1 = NPIXEL_X / 2 - 280, x2 = NPIXEL_X / 2 + 279, y1 = NPIXEL_Y / 2 - 120, y2 = NPIXEL_Y / 2 + 119;
    const int blue = Nearest_Color_Index(120, 120, 220);
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    if (!Define_Prop_Sheet(x1, y1, x2, y2, 1, 0, "Fehlermeldungen und Warnungen", 11, 1)) return;
    Set_Windows_OK_Button(1);
    const int area = Define_Scrollable_View_Area(x1 + 9, y1 + 41, x1 + 550, y2 - 9, 1, 1);
    msStCu(x1 + 533, y1 + 418);
    Activate_Prop_Sheet();
    const int count = Anschluss_Messages.count < ANSCHLUSS_MESSAGE_CODES ? Anschluss_Messages.count
                                                                        : ANSCHLUSS_MESSAGE_CODES;
    for (int i = 0, y = 25; i < count; i++, y += 18) {
        const int code = Anschluss_Messages.codes[i];
        const Message_Text* text = nullptr;
        for (const Message_Text& m : MESSAGES)
            if (m.code == code) text = &m;
        if (!text) {
            Add_Text_to_Scrollable_Area(area, 10, y, "keine gültige Fehlernummer:"_cp, 69632, blue, 0);
            continue;
        }
        const int colour = code <= 999 ? BLACK_CI : blue;
        Add_Text_to_Scrollable_Area(area, 10, y, text->first, text->second ? 69632 : 4096, colour, 0);
        if (text->second) Add_Text_to_Scrollable_Area(area, 160, y, text->second, 4096, colour, 0);
    }
    if (area >= 0) Update_Scrollable_View_Area(area);
    Edit_Prop_Sheet();
    if (area >= 0) Undefine_Scrollable_View_Area(area);
    Undefine_Prop_Sheet();
}

void Init_Message_Icon_Palette(void) {
    if (!g_palette_pending) return;
    Anschluss_Message_Icon_Palette[0] = Nearest_Color_Index(0, 0, 0);
    Anschluss_Message_Icon_Palette[1] = Nearest_Color_Index(128, 128, 128);
    Anschluss_Message_Icon_Palette[2] = Nearest_Color_Index(255, 251, 240);
    Anschluss_Message_Icon_Palette[3] = Nearest_Color_Index(255, 0, 0);
    g_palette_pending = 0;
}

void Draw_Triple_Line(int x1, int y1, int x2, int y2, int dx, int dy) {
    for (int k = 0; k < 3; k++) pxLine(x1 + k * dx, y1 + k * dy, x2 + k * dx, y2 + k * dy);
}

int Draw_Arc_Stack(int n, double a1, double a2, int cx, int cy, int r) {
    for (int i = 0; i < n; i++) {
        int px = Kehlnaht_Trunc(cx + r * std::cos(a1) - i), py = Kehlnaht_Trunc(cy + r * std::sin(a1) - i);
        double angle = a1;
        for (int k = 0; k < 100; k++) {
            angle += 0.01 * (a2 - a1);
            const int qx = Kehlnaht_Trunc(r * std::cos(angle) + (cx - i)), qy = Kehlnaht_Trunc(r * std::sin(angle) + (cy - i));
            pxLine(px, py, qx, qy);
            px = qx, py = qy;
        }
    }
    return n;
}

void Draw_Ring_Px(int mode, int inner, int* xo, int* yo, int* xi, int* yi, int n, int cx, int cy, int diameter,
                  int t) {
    if (n < 1) return;
    Kehlnaht_Work_Out_Colours();
    const int R = Kehlnaht_Trunc(0.5 * diameter);
    const int ri = (R - t >= 0 && R - t < R) ? R - t : R;
    if (mode == 1)
        for (int k = 1; k <= n; k++) {
            const double a = k * 6.28 / n;
            xi[k - 1] = Kehlnaht_Trunc(cx + ri * std::cos(a)), yi[k - 1] = Kehlnaht_Trunc(cy + ri * std::sin(a));
            xo[k - 1] = Kehlnaht_Trunc(cx + R * std::cos(a)), yo[k - 1] = Kehlnaht_Trunc(cy + R * std::sin(a));
        }
    pxFgc(Anschluss_Colours[1]);
    pxFill(n, xo, yo);
    pxSUFA(HATCH);
    pxFgc(Anschluss_Colours[2]);
    pxFill(n, xo, yo);
    pxSFA(0);
    pxFgc(BLACK_CI);
    Closed_Outline(n, xo, yo);
    if (inner == 1) {
        pxFgc(Anschluss_Colours[1]);
        pxFill(n, xi, yi);
        pxFgc(BLACK_CI);
        Closed_Outline(n, xi, yi);
    }
}

int Draw_Red_Circle_Frame(int* xs, int* ys, int n, int cx, int cy, int r) {
    for (int rr = r + 1; n >= 1 && rr <= r + 3; rr++) {
        for (int k = 1; k <= n; k++) {
            const double a = k * 6.28 / n;
            xs[k - 1] = Kehlnaht_Trunc(rr * std::cos(a) + cx), ys[k - 1] = Kehlnaht_Trunc(rr * std::sin(a) + cy);
        }
        pxFgc(RED_CI);
        Closed_Outline(n, xs, ys);
    }
    return r + 3;
}

void Draw_Red_Polygon_Frame(int* xs, int* ys, int n) {
    if (n < 4) return;
    static const int DX[4] = {-1, -1, 1, 1}, DY[4] = {-1, 1, 1, -1};
    for (int pass = 0; pass < 3; pass++) {
        for (int k = 0; k < 4; k++) xs[k] += DX[k], ys[k] += DY[k];
        pxFgc(RED_CI);
        Closed_Outline(n, xs, ys);
    }
}

void Plot_Section_Box(FILE* f, double x1, double, double, double, double, double x6, double y1, double, double,
                      double, double, double y6, double, double y0, double s) {
    const double x[4] = {s * x1, s * x1, s * x6, s * x6};
    const double y[4] = {s * (y1 - y0), s * (y6 - y0), s * (y6 - y0), s * (y1 - y0)};
    Safe_Fprintf(f, " %d 1\n%d 58\n%d 42\n", OLI_REC_SECTION_MARK, OLI_REC_FILL_PATTERN, OLI_REC_FILL_PATTERN);
    Kehlnaht_Write_Points(f, 4, x, y);
}

void Plot_Offset_Ring(FILE* f, int mode, int inner, double* xo, double* yo, double* xi, double* yi, int n,
                      double s, double dist, int band) {
    if (n < 1 || n > 50 || (mode == 1 && n < 3)) return;
    double cx = 0.0, cy = 0.0, R_o = 0.0, R_i = 0.0;
    if (mode == 1) {
        R_o = yo[2] - yo[0], R_i = yo[2] - yo[1];
        cx = xo[0] + R_o, cy = yo[2];
        for (int k = 1; k <= n; k++) {
            const double a = k * 6.28 / n;
            xo[k - 1] = R_o * std::cos(a), yo[k - 1] = R_o * std::sin(a);
            xi[k - 1] = R_i * std::cos(a), yi[k - 1] = R_i * std::sin(a);
        }
    }
    for (int k = 0; k < n; k++) xo[k] *= s, yo[k] *= s, xi[k] *= s, yi[k] *= s;
    cx *= s, cy *= s;
    if (band != 0) {
        double bx[50], by[50];
        const double d = mode == 1 && inner == 1 ? 0.25 * (R_o - R_i) : dist;
        // Whatever the offset reports, the corners it left are written.
        polyverg_d(n, xo, yo, d, bx, by);
        Safe_Fprintf(f, " %d 0\n%d 58\n%d 44\n", OLI_REC_SECTION_MARK, OLI_REC_FILL_PATTERN, OLI_REC_FILL_PATTERN);
        Kehlnaht_Write_Points(f, n, bx, by, cx, cy);
    }
    Safe_Fprintf(f, " %d 1\n%d 42\n", OLI_REC_SECTION_MARK, OLI_REC_FILL_PATTERN);
    Kehlnaht_Write_Points(f, n, xo, yo, cx, cy);
    Safe_Fprintf(f, "%d 0\n", OLI_REC_FILL_PATTERN);
    if (inner == 1) Kehlnaht_Write_Points(f, n, xi, yi, cx, cy);
}

void Reset_Anschluss_Messages(void) {
    g_palette_pending = 1;
    for (int& c : Anschluss_Message_Icon_Palette) c = 0;
}
