// Weld symbol labels, radius labels and outline points of the print-list
// picture of the profile end.
#include "drawings/weld_labels.h"

#include <algorithm>
#include <cmath>

#include "base/vesk.h"
#include "drawings/further_shapes.h"
#include "drawings/oli_pens.h"
#include "drawings/shape_routines.h"
#include "platform/oli_graphic_records.h"
#include "printlist/ioliplot.h"

namespace {

bool Usable(double v) { return std::fabs(v) <= 1e9; }

// A dash pattern of no lengths: solid lines.
void Solid_Dash_Record() {
    static constexpr OliRecordText kSolid(" ", OLI_REC_DASH, " 0   0\n");
    Oli_Put_Record(Oli_Get_Picture_State()->stream, kSolid);
}

// The knee of the leader by mode (double: modes 0 and 1 reach 3 u down).
void Knee(int mode, double x, double y, double u, bool double_symbol, double* kx, double* ky) {
    const double down = double_symbol ? 3.0 * u : u;
    switch (mode) {
    case 0: *kx = x + u, *ky = y - down; break;
    case 1: *kx = x - u, *ky = y - down; break;
    case 2: *kx = x - u, *ky = y + 3.0 * u; break;
    default: *kx = x + u, *ky = y + 3.0 * u; break;
    }
}

// One weld triangle of the symbol: filled with fill_pen >= 0, outlined in
// line_pen >= 0.
void Symbol_Triangle(const double tx[3], const double ty[3], int fill_pen, int line_pen) {
    if (fill_pen >= 0) {
        Oli_Select_Pen(static_cast<unsigned>(fill_pen));
        Oli_Fill_Record(64);
        Oli_Filled_Polygon(3, tx, ty);
    }
    if (line_pen >= 0) {
        Oli_Select_Pen(static_cast<unsigned>(line_pen));
        Oli_Polyline(3, tx, ty);
    }
}

void Weld_Symbol(double x, double y, double a, int mode, double s, int fill_pen, int line_width, int line_pen,
                 bool double_symbol) {
    if (!(a >= 0.001) || mode < 0 || mode > 3) return;
    const double u = s / 10.0;
    if (!Usable(x) || !Usable(y) || !Usable(u) || !Usable(a)) return;
    double kx, ky;
    Knee(mode, x, y, u, double_symbol, &kx, &ky);
    const double dir = (mode == 0 || mode == 3) ? 1.0 : -1.0;
    const double ex = kx + dir * (a > 9.45 ? 6.0 : 5.0) * u;
    // One element, nothing nested in it: the leader and the reference line
    // are plain lines of the element in the line pen (the element's width
    // and its solid dash hold for them).
    Oli_Element_Begin();
    if (line_width >= 0) Safe_Fprintf(Oli_Get_Picture_State()->stream, " %d %d\n", OLI_REC_PEN, line_width);
    Solid_Dash_Record();
    if (line_pen >= 0 && line_width >= 0) {
        Oli_Select_Pen(static_cast<unsigned>(line_pen));
        Oli_Line(x, y, kx, ky);
        Oli_Line(kx, ky, ex, ky);
    }
    Oli_Select_Pen(static_cast<unsigned>(OliRole_Outline_Pen));
    Oli_Text_Box_Printf(kx, ky, 2, (mode == 0 || mode == 3) ? 3 : 1, "a%.0lf", a);
    // The triangle leans back towards the knee.
    const double bx = ex - dir * 2.0 * u;
    const double tx[3] = {ex, bx, bx}, ty[3] = {ky, ky - 2.0 * u, ky};
    Symbol_Triangle(tx, ty, fill_pen, line_pen);
    if (double_symbol) {
        const double ux[3] = {ex, bx, bx}, uy[3] = {ky, ky - 2.0 * u, ky + 2.0 * u};
        Symbol_Triangle(ux, uy, fill_pen, line_pen);
    }
    Oli_Element_End();
}

}  // namespace

void XS_Plot_Fillet_Weld_Symbol(double x, double y, double a, int mode, double s, int fill_pen, int line_width,
                                int line_pen) {
    Weld_Symbol(x, y, a, mode, s, fill_pen, line_width, line_pen, false);
}

void XS_Plot_Double_Fillet_Weld_Symbol(double x, double y, double a, int mode, double s, int fill_pen,
                                       int line_width, int line_pen) {
    Weld_Symbol(x, y, a, mode, s, fill_pen, line_width, line_pen, true);
}

void XS_Plot_Radius_Label(double x, double y, double r, int mode, double s, int, int, int) {
    if (!(r >= 0.001) || mode < 0 || mode > 3) return;
    const double u = s / 10.0;
    if (!Usable(x) || !Usable(y) || !Usable(u) || !Usable(r)) return;
    double tx = (mode == 0 || mode == 3) ? x + u : x - u;
    double ty = (mode == 0 || mode == 1) ? y - u : y + 3.0 * u;
    Oli_Element_Begin();
    Solid_Dash_Record();
    Oli_Select_Pen(static_cast<unsigned>(OliRole_Outline_Pen));
    Oli_Text_Box_Printf(tx, ty, 2, (mode == 0 || mode == 3) ? 3 : 1, "r%.0lf", r);
    Oli_Element_End();
}

// ---- outline points ---------------------------------------------------------

namespace {

// One corner of an outline: the point and, for a rounded corner, its radius
// (0: sharp, written as five equal points so that the count stays).
struct Corner {
    double x, y;
    bool arc;
    double r;
};

// Offsets of the three inner points of a quarter circle (22.5, 45 and 67.5
// degrees).
const double ARC_COS[3] = {0.9238795325112867, 0.7071067811865476, 0.3826834323650898};
const double ARC_SIN[3] = {0.3826834323650898, 0.7071067811865476, 0.9238795325112867};

// The closed corner list as points: a plain corner one point; an arc
// corner its two tangent points and three inner points of the quarter
// circle that touches both edges.
int Expand(const Corner* c, int n, double* xs, double* ys) {
    int m = 0;
    for (int i = 0; i < n; i++) {
        if (!c[i].arc) {
            xs[m] = c[i].x, ys[m] = c[i].y, m++;
            continue;
        }
        const Corner& p = c[(i + n - 1) % n];
        const Corner& q = c[(i + 1) % n];
        double ix = c[i].x - p.x, iy = c[i].y - p.y, ox = q.x - c[i].x, oy = q.y - c[i].y;
        double li = std::hypot(ix, iy), lo = std::hypot(ox, oy);
        double r = c[i].r > 0.0 && li > 0.0 && lo > 0.0 ? c[i].r : 0.0;
        if (r > 0.0) ix /= li, iy /= li, ox /= lo, oy /= lo;
        // Centre of the arc: back along the incoming edge, on along the outgoing.
        double cx = c[i].x - ix * r + ox * r, cy = c[i].y - iy * r + oy * r;
        xs[m] = c[i].x - ix * r, ys[m] = c[i].y - iy * r, m++;
        for (int k = 0; k < 3; k++) {
            xs[m] = cx + r * (-ox * ARC_COS[k] + ix * ARC_SIN[k]);
            ys[m] = cy + r * (-oy * ARC_COS[k] + iy * ARC_SIN[k]);
            m++;
        }
        xs[m] = c[i].x + ox * r, ys[m] = c[i].y + oy * r, m++;
    }
    return m;
}

// The corners of one half, then the other half mirrored about x = 0 in
// reverse order (I, T) or turned by half a turn about (0, h/2) (Z).
int Mirror_Half(Corner* c, int half, bool point_symmetric, double h) {
    for (int k = 0; k < half; k++) {
        Corner m = c[half - 1 - k];
        if (point_symmetric)
            c[half + k] = {-c[k].x, h - c[k].y, c[k].arc, c[k].r};
        else
            c[half + k] = {-m.x, m.y, m.arc, m.r};
    }
    return 2 * half;
}

// The corner list of the profile about its origin, y downward from the top.
int Profile_Corners(const Stahlprofil& p, int flip_tee, int inner_tube, Corner* c) {
    double o_top = 0, o_bot = 0, o_tip = 0;
    Calc_Profile_Weld_Offsets(&p, &o_top, &o_bot, &o_tip);
    const bool rolled = p.rolled != 0;
    const double root_t = rolled ? o_top : 0.0, root_b = rolled ? o_bot : 0.0, tip = o_tip > 0.01 ? o_tip : 0.0;
    const double h = p.h, tw = p.t_w;
    int n = 0;
    auto add = [&](double x, double y, bool arc = false, double r = 0.0) { c[n++] = {x, y, arc, r}; };
    switch (p.type) {
    case PROFILTYP_FLACH:
        add(0, 0), add(0, h), add(tw, h), add(tw, 0);
        return n;
    case PROFILTYP_L: {
        // Heel at the origin, leg h upright, leg b along +x (the picture's).
        const double xi = tw, yi = -p.t_fo, b = p.b_fo;
        add(0, -h), add(0, 0), add(b, 0);
        add(b, yi, true, tip), add(xi, yi, true, root_t), add(xi, -h, true, tip);
        return n;
    }
    case PROFILTYP_C: case PROFILTYP_U: {
        const double b = p.b_fo, t = p.t_fo, yt = -h / 2;
        add(0, yt), add(b, yt), add(b, yt + t, true, tip), add(tw, yt + t, true, root_t);
        add(tw, -yt - t, true, root_t), add(b, -yt - t, true, tip), add(b, -yt), add(0, -yt);
        return n;
    }
    case PROFILTYP_Z: {
        const double xl = -p.b_fo / 2, t = p.t_fo;
        add(-tw / 2, t, true, root_t), add(xl, t, true, tip), add(xl, 0), add(tw / 2, 0);
        return Mirror_Half(c, n, true, h);
    }
    case PROFILTYP_T: case PROFILTYP_HALB_I: {
        const double xl = -p.b_fo / 2, t = p.t_fo;
        add(xl, 0), add(xl, t, true, tip), add(-tw / 2, t, true, root_t), add(-tw / 2, h);
        n = Mirror_Half(c, n, false, h);
        if (flip_tee)
            for (int i = 0; i < n; i++) c[i].y = -c[i].y;
        return n;
    }
    case PROFILTYP_RECHTECK: {
        const double bx = p.b_fo / 2;
        add(-bx, 0, rolled, o_top), add(-bx, h, rolled, o_top), add(bx, h, rolled, o_top), add(bx, 0, rolled, o_top);
        return n;
    }
    case PROFILTYP_KASTEN: {
        const double bt = p.b_fo / 2 + p.b_ueo, bb = p.b_fu / 2 + p.b_ueu, xw = p.b_fo / 2;
        add(-bt, 0), add(bt, 0), add(bt, p.t_fo), add(xw, p.t_fo), add(xw, h - p.t_fu), add(bb, h - p.t_fu);
        add(bb, h), add(-bb, h), add(-bb, h - p.t_fu), add(-xw, h - p.t_fu), add(-xw, p.t_fo), add(-bt, p.t_fo);
        return n;
    }
    case PROFILTYP_TRAPEZ: {
        const double slope = Calc_Profile_Flange_Slope(&p), s_w = tw / std::cos(slope);
        add(-p.b_fo / 2, 0), add(-p.b_fu / 2, h), add(-p.b_fu / 2 + s_w, h);
        add(-p.b_fo / 2 + s_w - std::tan(slope) * p.t_fo, p.t_fo);
        return Mirror_Half(c, n, false, h);
    }
    default:
        break;
    }
    if (Is_Profile_Type_Family(PROFILTYP_I, p.type)) {
        const double xl = -p.b_fo / 2, xlb = -p.b_fu / 2, yb = h - p.t_fu;
        add(xl, 0), add(xl, p.t_fo, true, tip), add(-tw / 2, p.t_fo, true, root_t);
        add(-tw / 2, yb, true, root_b), add(xlb, yb, true, tip), add(xlb, h);
        return Mirror_Half(c, n, false, h);
    }
    (void)inner_tube;
    return 0;
}

}  // namespace

void XS_Plot_Profile_Outline_Points(const Stahlprofil* profile, int flip_tee, int, int inner_tube, double* x,
                                    double* y, double angle, int* count, double xs[], double ys[], double* qx,
                                    double* qy) {
    if (!profile || !count) return;
    const Stahlprofil& p = *profile;
    double ox = (x && y) ? *x : 0.0, oy = (x && y) ? *y : 0.0;
    // The profile's own origin.
    switch (p.type) {
    case PROFILTYP_RUND: case PROFILTYP_ROHR: ox += p.h / 2; break;
    case PROFILTYP_C: case PROFILTYP_U: oy += p.h / 2; break;
    case PROFILTYP_RECHTECK: case PROFILTYP_Z: ox += p.b_fo / 2; break;
    case PROFILTYP_T: case PROFILTYP_HALB_I:
        ox += p.b_fo / 2;
        if (flip_tee) oy += p.h;
        break;
    case PROFILTYP_TRAPEZ: ox += std::max(p.b_fo, p.b_fu) / 2; break;
    case PROFILTYP_KASTEN: ox += std::max(p.b_fo + 2 * p.b_ueo, p.b_fu + 2 * p.b_ueu) / 2; break;
    default:
        if (Is_Profile_Type_Family(PROFILTYP_I, p.type)) ox += std::max(p.b_fo, p.b_fu) / 2;
        break;
    }
    int n = 0;
    double px[XS_OUTLINE_POINTS_MAX], py[XS_OUTLINE_POINTS_MAX];
    if (p.type == PROFILTYP_ROHR) {
        const double r = inner_tube ? p.h / 2 - p.t_w : p.h / 2;
        for (int k = 0; k < 32; k++) px[k] = r * std::cos(k * M_PI / 16), py[k] = p.h / 2 + r * std::sin(k * M_PI / 16);
        n = 32;
    } else {
        Corner c[XS_OUTLINE_POINTS_MAX];
        const int corners = Profile_Corners(p, flip_tee, inner_tube, c);
        n = Expand(c, corners, px, py);
    }
    for (int i = 0; i < n; i++) xs[i] = ox + px[i], ys[i] = oy + py[i];
    const double a = angle * 0.017453292519943295;
    XS_Plot_Rotate_Points(xs, ys, n, ox, oy, a);
    *count = n;
    if (x && y) XS_Plot_Rotate_Point_Ret(x, y, ox, oy, a);
    if (qx && qy) XS_Plot_Rotate_Point_Ret(qx, qy, ox, oy, a);
}
