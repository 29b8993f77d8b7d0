// The scaled drawing of the fillet-weld connection: the frame common to all
// profile families (geometry, weld data, scale, header, end plate and the
// screen back end).
#include "drawings/kehlnaht_drawing.h"

#include <cmath>
#include <initializer_list>
#include <cstring>

#include "base/cp850.h"
#include "base/vesk.h"
#include "drawings/kehlnaht_internal.h"
#include "drawings/polyverg.h"
#include "platform/draw_calls.h"
#include "platform/font.h"
#include "platform/oli_graphic_records.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "profiles/profil_reader.h"

Kehlnaht_Weld_Data Kehlnaht_Welds;
int Anschluss_Colours[8];

namespace {

int g_colours_pending = 1;

const char* const LABELS[ANSCHLUSS_WELD_POSITIONS + 1] = {"", "aw1", "aw2", "aw3", "aw4", "aw5", "aw6", "aw7", "aw8"};

// The hatch of sections on screen.
const int HATCH[16] = {0x8888, 0x1111, 0x2222, 0x4444, 0x8888, 0x1111, 0x2222, 0x4444,
                       0x8888, 0x1111, 0x2222, 0x4444, 0x8888, 0x1111, 0x2222, 0x4444};

}  // namespace

void Kehlnaht_Work_Out_Colours(void) {
    if (!g_colours_pending) return;
    static const int RGB[8][3] = {{235, 245, 225}, {166, 202, 240}, {0, 0, 192},   {224, 224, 224},
                                  {95, 136, 175},  {192, 199, 160}, {100, 150, 225}, {255, 0, 0}};
    for (int i = 0; i < 8; i++) Anschluss_Colours[i] = Nearest_Color_Index(RGB[i][0], RGB[i][1], RGB[i][2]);
    g_colours_pending = 0;
}

namespace {

// ---- screen back end ---------------------------------------------------------

struct Screen_Map {
    double xc, yc, p, xm, ym;
    int X(double x) const { return Kehlnaht_Trunc(xc + (x - xm) * p); }
    int Y(double y) const { return Kehlnaht_Trunc(yc + (y - ym) * p); }
};

void Closed_Outline(int n, const int* xs, const int* ys) {
    for (int i = 0; i < n; i++) pxLine(xs[i], ys[i], xs[(i + 1) % n], ys[(i + 1) % n]);
}

// The section: light fill, twice the dark hatch, black edges.
void Screen_Section(int n, const int* xs, const int* ys) {
    if (n < 3) return;
    pxFgc(Anschluss_Colours[1]);
    pxFill(n, xs, ys);
    pxFgc(Anschluss_Colours[2]);
    for (int k = 0; k < 2; k++) {
        pxSUFA(HATCH);
        pxFill(n, xs, ys);
        pxSFA(0);
    }
    pxFgc(BLACK_CI);
    Closed_Outline(n, xs, ys);
}

double Signed_Area(int n, const int* xs, const int* ys) {
    double a = 0;
    for (int i = 0; i < n; i++) a += static_cast<double>(xs[i]) * ys[(i + 1) % n] - static_cast<double>(xs[(i + 1) % n]) * ys[i];
    return a / 2;
}

void Screen_Label(const Kehlnaht_Label& l, const Screen_Map& m) {
    if (!l.on) return;
    Draw_Line_Box_Text(m.X(l.x), m.Y(l.y), 10, 3, l.angle, l.text, BLACK_CI, WHITE_CI, 1);
}

void Draw_Screen(Kehlnaht_Context& c, int left, int top, int right, int bottom, int mode) {
    if (Anschluss_Message_Button >= 0) Change_Activity_PS(Anschluss_Message_Button, -1);
    int kept;
    pxQFgc(&kept);
    pxFgc(mode == 2 ? Anschluss_Colours[0] : Anschluss_Colours[5]);
    pxRect(left + 2, top + 2, right - 2, bottom - 2);
    const bool small = right - left <= 500;
    const int mx = small ? 40 : 80, my = small ? 40 : 60;
    const int inner_left = left + mx, inner_top = top + my;
    Screen_Map m;
    m.xc = (left + right) / 2, m.yc = (top + bottom) / 2;
    m.p = (bottom - my - inner_top) / c.H;
    m.xm = (c.x_min + c.x_max) / 2, m.ym = c.H / 2;
    // End plate.
    const double e = c.e;
    int px[KEHLNAHT_POINTS], py[KEHLNAHT_POINTS];
    const double plate_x[4] = {c.x_min - e, c.x_min - e, c.x_max + e, c.x_max + e}, plate_y[4] = {-e, c.H + e, c.H + e, -e};
    for (int i = 0; i < 4; i++) px[i] = m.X(plate_x[i]), py[i] = m.Y(plate_y[i]);
    pxFgc(Anschluss_Colours[3]);
    pxFill(4, px, py);
    pxFgc(BLACK_CI);
    Closed_Outline(4, px, py);
    // Section and bore.
    for (int i = 0; i < c.n; i++) px[i] = m.X(c.cx + c.X[i]), py[i] = m.Y(c.cy + c.Y[i]);
    Screen_Section(c.n, px, py);
    if (c.n_inner >= 3) {
        int ix[KEHLNAHT_POINTS], iy[KEHLNAHT_POINTS];
        for (int i = 0; i < c.n_inner; i++) ix[i] = m.X(c.cx + c.XI[i]), iy[i] = m.Y(c.cy + c.YI[i]);
        pxFgc(Anschluss_Colours[1]);
        pxFill(c.n_inner, ix, iy);
        pxFgc(BLACK_CI);
        Closed_Outline(c.n_inner, ix, iy);
    }
    if (mode == 1 && c.title) {
        pxSFnt(2);
        pxFgc(BLACK_CI);
        pxRTxt(inner_left - 27, inner_top + 200, c.title, 16, 1);
    }
    pxFgc(Anschluss_Colours[7]);
    if (c.all_round) {
        // Rings outside the outline, whichever way it runs.
        const double sign = Signed_Area(c.n, px, py) < 0 ? -1.0 : 1.0;
        for (double d : {2.0, 3.0, 4.0}) {
            int ox[KEHLNAHT_POINTS], oy[KEHLNAHT_POINTS];
            polyverg_i(c.n, px, py, sign * d, ox, oy);
            Closed_Outline(c.n, ox, oy);
        }
        Screen_Label(c.all_round_label, m);
    } else {
        const Kehlnaht_Weld_Data& w = Kehlnaht_Welds;
        for (int p = 1; p <= ANSCHLUSS_WELD_POSITIONS; p++) {
            const Kehlnaht_Mark& k = c.marks[p];
            if (!k.on) continue;
            const int x1 = m.X(k.x1), y1 = m.Y(k.y1), x2 = m.X(k.x2), y2 = m.Y(k.y2);
            switch (k.kind) {
            case KEHLNAHT_MARK_H: Draw_Weld_Marks_H(w.a[p], k.length, m.p, x1, y1, k.side); break;
            case KEHLNAHT_MARK_V: Draw_Weld_Marks_V(w.a[p], k.length, m.p, x1, y1, k.side); break;
            case KEHLNAHT_MARK_SHALLOW: Draw_Weld_Marks_Edge(-1, w.a[p], k.length * m.p, x1, y1, x2, y2, k.side); break;
            default: Draw_Weld_Marks_Edge(-2, w.a[p], k.length * m.p, x1, y1, x2, y2, k.side); break;
            }
        }
        for (int p = 1; p <= ANSCHLUSS_WELD_POSITIONS; p++)
            if (w.l[p] > 0.01 && w.a[p] > 0.01) Screen_Label(c.labels[p], m);
    }
    pxFgc(kept);
}

}  // namespace

// ---- helpers of the families -------------------------------------------------

int Kehlnaht_Trunc(double v) {
    if (std::isnan(v)) return 0;
    if (v > 1e6) return 1000000;
    if (v < -1e6) return -1000000;
    return static_cast<int>(v);
}

void Kehlnaht_Write_Points(FILE* f, int n, const double* x, const double* y, double dx, double dy) {
    if (!f) return;
    Safe_Fprintf(f, "%d %d\n", OLI_REC_POLYGON, n);
    for (int i = 0; i < n; i++) Safe_Fprintf(f, " %.2f %.2f\n", dx + x[i], dy + y[i]);
}

int Kehlnaht_Carries(int p) { return Kehlnaht_Welds.l[p] > 0.001 && Kehlnaht_Welds.a[p] > 0.001; }

void Kehlnaht_Seam(Kehlnaht_Context& c, int n, const double* x, const double* y, double d, double dx, double dy) {
    if (!c.f) return;
    double sx[KEHLNAHT_POINTS], sy[KEHLNAHT_POINTS];
    // Whatever the offset reports, the corners it left are written.
    polyverg_d(n, x, y, d, sx, sy);
    Safe_Fprintf(c.f, " %d 0\n%d 58\n%d 44\n", OLI_REC_SECTION_MARK, OLI_REC_FILL_PATTERN, OLI_REC_FILL_PATTERN);
    Kehlnaht_Write_Points(c.f, n, sx, sy, dx, dy);
}

void Kehlnaht_Section(Kehlnaht_Context& c, int n, const double* x, const double* y, double dx, double dy) {
    if (!c.f) return;
    Safe_Fprintf(c.f, " %d 1\n%d 42\n", OLI_REC_SECTION_MARK, OLI_REC_FILL_PATTERN);
    Kehlnaht_Write_Points(c.f, n, x, y, dx, dy);
}

static void Label_Record(FILE* f, const char* angle, double x, double y, const char* text) {
    Safe_Fprintf(f, "%d %lf %lf 1.2 0.2 %s 0 1 «%s»\n"_cp, OLI_REC_WELD_LABEL, x, y, angle, text);
}

void Kehlnaht_Position_Label(Kehlnaht_Context& c, int p, const char* angle, double x, double y, double screen_angle) {
    if (c.f) Label_Record(c.f, angle, x, y, LABELS[p]);
    c.labels[p] = {1, x, y, screen_angle, LABELS[p]};
}

void Kehlnaht_All_Round_Label(Kehlnaht_Context& c, const char* angle, double x, double y, double screen_angle) {
    if (c.f) Label_Record(c.f, angle, x, y, "aw");
    c.all_round_label = {1, x, y, screen_angle, "aw"};
}

void Kehlnaht_Note_Mark(Kehlnaht_Context& c, int p, int kind, double x1, double y1, double x2, double y2,
                        double length, double side) {
    c.marks[p] = {1, kind, x1, y1, x2, y2, length, side < 0 ? -1 : 1};
}

// ---- the drawing ---------------------------------------------------------------

void Draw_Kehlnahtanschluss(GeschweissterAnschluss* record, int dx, int dy, int right, int bottom, int mode, int x0,
                            int y0, int family, int catalogue, const char* name) {
    if (!record) return;
    Kehlnaht_Work_Out_Colours();
    // Preparation.
    Anschluss_Messages.count = 0;
    Anschluss_Messages.error = 0;
    record->h2 = record->h, record->b2 = record->b, record->t2 = record->t, record->s2 = record->s;
    record->r2 = record->r;
    // The library's dimension sets, from which the edge lengths are worked out.
    Profil_Dimensions_First = {record->b, record->h, record->t, record->s, record->r};
    Profil_Dimensions_Second = {record->h, record->b, record->t, record->s, record->r};
    const int left = x0 + dx, top = y0 + dy + (mode == 1 ? 5 : 0);

    static Kehlnaht_Geometry geometry;
    const int status = Build_Kehlnaht_Geometry(record, family, catalogue, name, &geometry);
    if (status == KEHLNAHT_UNUSABLE_DIMENSIONS || status == KEHLNAHT_NOT_IN_FILE) return;
    static Kehlnaht_Context c;
    c = Kehlnaht_Context{};
    c.g = &geometry;
    c.f = Anschluss_Plot_File;
    c.h = record->h, c.b = record->b, c.t = record->t, c.s = record->s, c.r = record->r;
    c.name = name ? name : "";
    c.catalogue = geometry.catalogue;
    c.toe_radius = geometry.toe_radius, c.root_fillet_end = geometry.root_fillet_end;
    c.web_tip_radius = geometry.web_tip_radius, c.k1 = geometry.k1, c.k2 = geometry.k2;
    Get_Profil_Masse(family, catalogue, name ? name : "");
    // Weld data: by position, or every edge of a weld all round.
    c.all_round = record->weld_kind == ANSCHLUSS_WELD_ALL_ROUND;
    Kehlnaht_Welds.all_round = c.all_round;
    Kehlnaht_Welds.l[0] = Kehlnaht_Welds.a[0] = 0.0;
    for (int p = 1; p <= ANSCHLUSS_WELD_POSITIONS; p++) {
        Kehlnaht_Welds.l[p] = c.all_round ? Profil_Part_Lengths[p - 1] : record->l_pos[p - 1];
        Kehlnaht_Welds.a[p] = c.all_round ? 3.0 : record->a_pos[p - 1];
    }
    if (status == KEHLNAHT_NO_EXTENT) return;
    c.H = geometry.H, c.x_min = geometry.x_min, c.x_max = geometry.x_max;
    c.n = geometry.n, c.n_inner = geometry.n_inner, c.cx = geometry.cx, c.cy = geometry.cy;
    std::memcpy(c.X, geometry.X, sizeof c.X);
    std::memcpy(c.Y, geometry.Y, sizeof c.Y);
    std::memcpy(c.XI, geometry.XI, sizeof c.XI);
    std::memcpy(c.YI, geometry.YI, sizeof c.YI);
    const double W = c.x_max - c.x_min;
    c.e = 0.0375 * (c.x_max + c.H);
    // Scale: the picture fits 17 cm by 10 cm.
    Anschluss_Scale = c.H / W > 10.0 / 17.0 ? 10.0 / c.H : 17.0 / W;
    const double Pw = W * Anschluss_Scale, Ph = c.H * Anschluss_Scale, u = 2.0 / Anschluss_Scale;
    FILE* f = c.f;
    if (f) {
        Safe_Fprintf(f, "#SETFLAGS\n");
        Safe_Fprintf(f, " %d\n\n", 4807);
        Safe_Fprintf(f, "\n#SHOWGRAFIC\n");
        Safe_Fprintf(f, "1 0 0\n");
        Safe_Fprintf(f, " Maßstäbliche Darstellung Kehlnahtanschluss\n"_cp);
        Safe_Fprintf(f, "0 0 0\n");
        Safe_Fprintf(f, "%d\n", static_cast<int>(1710.0 * Pw * Ph));
        Safe_Fprintf(f, "%f %f %f %f\n", c.x_min - 2 * u, c.x_max + 4 * u, c.H + 1.1 * u, -1.1 * u);
        const double e = c.e;
        const double px[4] = {c.x_min - e, c.x_min - e, c.x_max + e, c.x_max + e};
        const double py[4] = {-e, c.H + e, c.H + e, -e};
        Safe_Fprintf(f, " %d 1\n", OLI_REC_SECTION_MARK);
        Safe_Fprintf(f, "%d 58\n", OLI_REC_FILL_PATTERN);
        Kehlnaht_Write_Points(f, 4, px, py);
    }
    switch (family) {
    case KEHLNAHT_I: Kehlnaht_I(c); break;
    case KEHLNAHT_RHS: Kehlnaht_Rhs(c); break;
    case KEHLNAHT_CHANNEL: Kehlnaht_Channel(c); break;
    case KEHLNAHT_TEE: Kehlnaht_Tee(c); break;
    case KEHLNAHT_ANGLE: Kehlnaht_Angle(c); break;
    case KEHLNAHT_CHS: Kehlnaht_Round(c, true); break;
    case KEHLNAHT_FLAT: Kehlnaht_Flat(c); break;
    case KEHLNAHT_ROUND: Kehlnaht_Round(c, false); break;
    default: break;
    }
    if (f)
        Safe_Fprintf(f, "-1\n\n");
    else
        Draw_Screen(c, left, top, right, bottom, mode);
}

void Reset_Kehlnaht_Drawing(void) {
    g_colours_pending = 1;
    std::memset(Anschluss_Colours, 0, sizeof Anschluss_Colours);
    Kehlnaht_Welds = {};
}
