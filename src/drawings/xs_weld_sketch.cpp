// The single welds of the connection sketch: each weld a line along its
// face of the profile the print-list picture has drawn (xs_weld_plot.cpp),
// and its number placed where it meets nothing.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "drawings/oli_pens.h"
#include "drawings/sloped_flanges.h"
#include "drawings/xs_weld_internal.h"
#include "drawings/xs_weld_plot.h"
#include "platform/oli_layout.h"
#include "printlist/ioliplot.h"

namespace {

bool Usable(double v) { return std::fabs(v) <= 1e9; }

// One face a weld lies on: horizontal (at y = at, centred on x = mid) or
// vertical (at x = at, centred on y = mid), its label on the side given by
// the outward direction (dx, dy). A sloped flange's inner face counts as
// horizontal: it rises by slope per unit of x through (mid, at), and no
// weld on it is longer than its straight part (length; 0: not held).
struct Weld_Face {
    bool used = false, horizontal = true;
    double at = 0.0, mid = 0.0;
    int dx = 0, dy = 0;
    double slope = 0.0, length = 0.0;
};

Weld_Face H_Face(double y, double x_from, double x_to, int dy) {
    Weld_Face f;
    f.used = true, f.horizontal = true, f.at = y, f.mid = (x_from + x_to) / 2.0, f.dy = dy;
    return f;
}

Weld_Face V_Face(double x, double y_from, double y_to, int dx) {
    Weld_Face f;
    f.used = true, f.horizontal = false, f.at = x, f.mid = (y_from + y_to) / 2.0, f.dx = dx;
    return f;
}

// A web face between its root fillets, no weld on it longer.
Weld_Face W_Face(double x, double y_from, double y_to, int dx) {
    Weld_Face f = V_Face(x, y_from, y_to, dx);
    f.length = y_to - y_from;
    return f;
}

// The straight part of a sloped inner flange face from (xa, ya) to (xb, yb).
Weld_Face S_Face(double xa, double ya, double xb, double yb, int dy) {
    Weld_Face f = H_Face((ya + yb) / 2.0, xa, xb, dy);
    f.slope = (yb - ya) / (xb - xa);
    f.length = std::hypot(xb - xa, yb - ya);
    return f;
}

// The faces of a catalogue profile whose flanges slope, as Draw_I, Draw_T
// and Draw_C draw them (the weld check lays its welds on them): the inner
// flange faces between the toe's rounding and the root fillet, the web's
// between the root fillets. An empty face for the others.
Weld_Face Sloped_Sketch_Face(const Stahlprofil& p, const Rolled_Flange_Faces& f, int k, double xr, double yr) {
    if (Is_Profile_Type_Family(PROFILTYP_I, p.type) || p.type == PROFILTYP_T || p.type == PROFILTYP_HALB_I) {
        const bool lower = Is_Profile_Type_Family(PROFILTYP_I, p.type) != 0;
        const double xl = xr - p.b_fo / 2.0, xw = xr - p.t_w / 2.0, h = p.h;
        const double x_toe = xl + f.x_toe, x_root = xl + f.x_root;
        switch (k) {
        case WELD_FACE_TOP_INNER_LEFT: return S_Face(x_toe, yr + f.z_toe, x_root, yr + f.z_root, 1);
        case WELD_FACE_TOP_INNER_RIGHT:
            return S_Face(2.0 * xr - x_root, yr + f.z_root, 2.0 * xr - x_toe, yr + f.z_toe, 1);
        case WELD_FACE_WEB_LEFT: return W_Face(xw, yr + f.web, yr + h - (lower ? f.web : 0.0), -1);
        case WELD_FACE_WEB_RIGHT: return W_Face(2.0 * xr - xw, yr + f.web, yr + h - (lower ? f.web : 0.0), 1);
        case WELD_FACE_BOTTOM_INNER_LEFT:
            if (lower) return S_Face(x_toe, yr + h - f.z_toe, x_root, yr + h - f.z_root, -1);
            break;
        case WELD_FACE_BOTTOM_INNER_RIGHT:
            if (lower) return S_Face(2.0 * xr - x_root, yr + h - f.z_root, 2.0 * xr - x_toe, yr + h - f.z_toe, -1);
            break;
        default: break;
        }
        return {};
    }
    // A channel: web at the left from xr, flanges to their tips at xr + b.
    const double yt = yr - p.h / 2.0, yb = yt + p.h, x_tip = xr + p.b_fo;
    switch (k) {
    case 6: return W_Face(xr + p.t_w, yt + f.web, yb - f.web, 1);
    case 1: return S_Face(x_tip - f.x_root, yt + f.z_root, x_tip - f.x_toe, yt + f.z_toe, 1);
    case 4: return S_Face(x_tip - f.x_root, yb - f.z_root, x_tip - f.x_toe, yb - f.z_toe, -1);
    default: return {};
    }
}

// The face of slot k in the sketch's world (mm, y down from the top of the
// profile), for a profile drawn at the reference point (xr, yr).
Weld_Face Sketch_Face(const Stahlprofil& p, int k, double xr, double yr) {
    double top = 0.0, bottom = 0.0, tip = 0.0;
    Calc_Profile_Weld_Offsets(&p, &top, &bottom, &tip);
    const double tw2 = p.t_w / 2.0;
    Rolled_Flange_Faces sloped;
    if (p.rolled && Profile_Sloped_Flange_Faces(&p, &sloped)) {
        const Weld_Face f = Sloped_Sketch_Face(p, sloped, k, xr, yr);
        if (f.used) return f;
    }
    if (Is_Profile_Type_Family(PROFILTYP_I, p.type) || p.type == PROFILTYP_T || p.type == PROFILTYP_HALB_I) {
        // Web axis at xr, top at yr; T and half I have no bottom flange.
        const bool lower = Is_Profile_Type_Family(PROFILTYP_I, p.type) != 0;
        const double bo = p.b_fo / 2.0, bu = (p.b_fu > 0.0 ? p.b_fu : p.b_fo) / 2.0;
        const double y_low = lower ? yr + p.h - p.t_fu : yr + p.h;
        switch (k) {
        case WELD_FACE_TOP_OUTER: return H_Face(yr, xr - bo, xr + bo, -1);
        case WELD_FACE_TOP_INNER_LEFT: return H_Face(yr + p.t_fo, xr - bo, xr - tw2 - top, 1);
        case WELD_FACE_TOP_INNER_RIGHT: return H_Face(yr + p.t_fo, xr + tw2 + top, xr + bo, 1);
        case WELD_FACE_WEB_LEFT: return V_Face(xr - tw2, yr + p.t_fo + top, y_low - (lower ? bottom : 0.0), -1);
        case WELD_FACE_WEB_RIGHT: return V_Face(xr + tw2, yr + p.t_fo + top, y_low - (lower ? bottom : 0.0), 1);
        default: break;
        }
        if (!lower) return {};
        switch (k) {
        case WELD_FACE_BOTTOM_OUTER: return H_Face(yr + p.h, xr - bu, xr + bu, 1);
        case WELD_FACE_BOTTOM_INNER_LEFT: return H_Face(y_low, xr - bu, xr - tw2 - bottom, -1);
        case WELD_FACE_BOTTOM_INNER_RIGHT: return H_Face(y_low, xr + tw2 + bottom, xr + bu, -1);
        default: return {};
        }
    }
    switch (p.type) {
    case PROFILTYP_FLACH: case PROFILTYP_RECHTECK: {
        // Flat bar from its left face xr, tube about its axis xr.
        const double w = p.type == PROFILTYP_FLACH ? p.t_w : p.b_fo;
        const double l = p.type == PROFILTYP_FLACH ? xr : xr - w / 2.0, r = l + w;
        switch (k) {
        case 0: return H_Face(yr, l, r, -1);
        case 3: return H_Face(yr + p.h, l, r, 1);
        case 1: return V_Face(l, yr, yr + p.h, -1);
        case 2: return V_Face(r, yr, yr + p.h, 1);
        default: return {};
        }
    }
    case PROFILTYP_C: case PROFILTYP_U: {
        // Web at the left from xr, the profile centred on yr.
        const double yt = yr - p.h / 2.0, yb = yt + p.h, xi = xr + p.t_w;
        switch (k) {
        case 2: return V_Face(xr, yt, yb, -1);
        case 6: return V_Face(xi, yt + p.t_fo + top, yb - p.t_fo - top, 1);
        case 0: return H_Face(yt, xr, xr + p.b_fo, -1);
        case 3: return H_Face(yb, xr, xr + p.b_fo, 1);
        case 1: return H_Face(yt + p.t_fo, xi + top, xr + p.b_fo, 1);
        case 4: return H_Face(yb - p.t_fo, xi + top, xr + p.b_fo, -1);
        default: return {};
        }
    }
    case PROFILTYP_Z: {
        // Web about xr, the top flange to the left, the bottom one to the right.
        const double xl = xr - p.b_fo / 2.0, xe = xr + p.b_fo / 2.0, yb = yr + p.h;
        switch (k) {
        case 0: return H_Face(yr, xl, xr + tw2, -1);
        case 1: return H_Face(yr + p.t_fo, xl, xr - tw2 - top, 1);
        case 2: return V_Face(xr - tw2, yr + p.t_fo + top, yb, -1);
        case 6: return V_Face(xr + tw2, yr, yb - p.t_fo - top, 1);
        case 3: return H_Face(yb, xr - tw2, xe, 1);
        case 4: return H_Face(yb - p.t_fo, xr + tw2 + top, xe, -1);
        default: return {};
        }
    }
    case PROFILTYP_L: {
        // Heel at (xr, yr): leg h upward (thickness t_w), leg b along +x
        // (thickness t_fo).
        const double b = p.b_fo;
        switch (k) {
        case 0: return H_Face(yr, xr, xr + b, 1);
        case 1: return H_Face(yr - p.t_fo, xr + p.t_w + top, xr + b, -1);
        case 2: return V_Face(xr, yr - p.h, yr, -1);
        case 6: return V_Face(xr + p.t_w, yr - p.h, yr - p.t_fo - top, 1);
        default: return {};
        }
    }
    default: return {};
    }
}

// A weld's number in the sketch: its slot and face, the text and its
// alignment, and the place and height it is written at.
struct Sketch_Label {
    int k;
    Weld_Face f;
    char text[16];
    int v, h;
    double x, y, height;
};

// The numbers of the welds drawn in the sketch, at their faces (none for a
// weld without number, throat or length, or for a face the family lacks).
std::vector<Sketch_Label> Sketch_Labels(const XSPlotOptions& opts, const int number[], const double throat[],
                                        const double length[], int slots, double th) {
    const Stahlprofil& p = *opts.profile;
    std::vector<Sketch_Label> welds;
    for (int k = 0; k < slots; ++k) {
        const double a = throat[k], l = length[k];
        if (number[k] <= 0 || !(a > 0.01) || !(l > 0.01) || !Usable(a) || !Usable(l)) continue;
        const Weld_Face f = Sketch_Face(p, k, opts.x_ref, opts.y_ref);
        if (!f.used || !Usable(f.at) || !Usable(f.mid)) continue;
        Sketch_Label w{k, f, {}, f.horizontal ? (f.dy < 0 ? 2 : 0) : 4, f.horizontal ? 4 : (f.dx < 0 ? 1 : 3), 0.0, 0.0, th};
        std::snprintf(w.text, sizeof w.text, "%d", number[k]);
        welds.push_back(w);
    }
    return welds;
}

// Two numbers side by side on one line of text, closer than 0.15 cm, read
// as one number ("2" and "4" as "24"): the placed labels' boxes (world, x
// to the right, y down the page) keep that far apart. The sketch's x runs
// to the right; its y runs down the page or up it.
struct Sketch_Boxes {
    double mmpc, apart, down;
    std::vector<Text_Box> placed;

    explicit Sketch_Boxes(double mm_per_cm)
        : mmpc(mm_per_cm), apart(0.15 * mm_per_cm), down(Oli_Get_Picture_State()->y_direction == 2 ? 1.0 : -1.0) {}
    Text_Box Of(double x, double y, int v, int h, double ht, const char* text) const {
        double b[4];
        Oli_Text_Ink_Box(text, v, h, ht, b);
        return Text_Box{x + b[0] * mmpc, down * y - b[3] * mmpc, x + b[2] * mmpc, down * y - b[1] * mmpc};
    }
    bool Run_Together(const Text_Box& a) const { return Runs_Together(a, placed, apart); }
};

// The place of one label at height ht: at the middle of its line, else a
// quarter or two fifths of its length before or after it (then nearer the
// middle or nearer the ends), 0.1 cm off the face, then a little further
// out, where it meets nothing and runs together with no number; else the
// least covered place (one that runs together with a number counting more
// than any overlap). True when the place is free.
bool Place_Sketch_Label(Sketch_Label& w, double l, double ht, const Sketch_Boxes& boxes) {
    static const double kShift[] = {0.0, -0.25, 0.25, -0.4, 0.4, -0.1, 0.1, -0.15, 0.15, -0.33, 0.33, -0.47, 0.47};
    static const double kFurther[] = {0.0, 0.05, 0.1, 0.15, 0.2, 0.25, 0.3};
    // 0.1 cm between a face and its label's box: clear of the half width of
    // the widest weld line (0.05 cm), so that the label's white ground never
    // covers the weld it names. A label set above its face has the foot of
    // its box (0.2 text heights) below its point.
    const double off = 0.1 * boxes.mmpc;
    const Weld_Face& f = w.f;
    double least = 1e300;
    bool free = false;
    for (double further : kFurther) {
        const double out = off + further * boxes.mmpc;
        const double side = f.horizontal ? f.at + f.dy * (f.dy < 0 ? out + 0.2 * ht * boxes.mmpc : out)
                                         : f.at + f.dx * out;
        for (double t : kShift) {
            const double cx = f.horizontal ? f.mid + t * l : side;
            const double cy = f.horizontal ? side + f.slope * t * l : f.mid + t * l;
            double c = Oli_Label_Covered_At(cx, cy, w.v, w.h, ht, w.text);
            if (boxes.Run_Together(boxes.Of(cx, cy, w.v, w.h, ht, w.text))) c += 1.0;
            if (c < least) least = c, w.x = cx, w.y = cy;
            if ((free = c == 0.0)) break;
        }
        if (free) break;
    }
    w.height = ht;
    return free;
}

// The labels are placed before any is written, those of the shortest welds
// first (they have the fewest places), each where it meets nothing placed
// before it. The outline, on which every weld lies, is no place for a label
// meanwhile: a number on another weld's line reads as that one's. All
// labels at the picture's text height th; in a sketch too small for that,
// all at one smaller height, the largest at which each finds a free place.
// At the smallest a label that finds none takes the least covered place.
void Place_Sketch_Labels(std::vector<Sketch_Label>& welds, const double length[], double mmpc, double th) {
    std::vector<size_t> order(welds.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return length[welds[a].k] < length[welds[b].k]; });
    const size_t taken_from = Oli_Taken_Count();
    XS_Plot_Take_Outline();
    const size_t outline_to = Oli_Taken_Count();
    Sketch_Boxes boxes(mmpc);
    static const double kSmaller[] = {1.0, 0.8, 0.65, 0.5};
    for (size_t size = 0; size < std::size(kSmaller); ++size) {
        const double ht = kSmaller[size] * th;
        const bool smallest = size + 1 == std::size(kSmaller);
        Oli_Drop_Taken_Areas(outline_to, Oli_Taken_Count());
        boxes.placed.clear();
        bool every = true;
        for (size_t i : order) {
            Sketch_Label& w = welds[i];
            every = Place_Sketch_Label(w, length[w.k], ht, boxes) && every;
            if (!every && !smallest) break;
            Oli_Take_Label(w.x, w.y, w.v, w.h, w.height, w.text);
            boxes.placed.push_back(boxes.Of(w.x, w.y, w.v, w.h, w.height, w.text));
        }
        if (every) break;
    }
    Oli_Drop_Taken_Areas(taken_from, Oli_Taken_Count());
}

// Each weld's line on its face in the weld's pen width, and its number.
void Draw_Sketch_Welds(const std::vector<Sketch_Label>& welds, const double throat[], const double length[],
                       int pen, double th) {
    for (const Sketch_Label& w : welds) {
        const Weld_Face& f = w.f;
        const double l = f.length > 0.0 ? std::min(length[w.k], f.length) : length[w.k];
        const int width = Oli_Weld_Line_Pen(std::lround(throat[w.k] + 0.01));
        if (f.horizontal && f.slope != 0.0) {
            const double run = l / 2.0 / std::hypot(1.0, f.slope);
            Oli_Pen_Line(f.mid - run, f.at - f.slope * run, f.mid + run, f.at + f.slope * run, pen, width);
        } else if (f.horizontal) {
            Oli_Pen_Line(f.mid - l / 2.0, f.at, f.mid + l / 2.0, f.at, pen, width);
        } else {
            Oli_Pen_Line(f.at, f.mid - l / 2.0, f.at, f.mid + l / 2.0, pen, width);
        }
        if (w.height != th) Oli_Set_Text_Height(w.height);
        Oli_Text_At_Printf(w.x, w.y, w.v, w.h, "%s", w.text);
        if (w.height != th) Oli_Set_Text_Height(th);
    }
}

}  // namespace

int XS_Plot_Sketch_Welds(const XSPlotOptions* opts, const int number[], const double throat[],
                         const double length[], int slots, int pen) {
    if (!opts || !opts->profile || !number || !throat || !length || !(opts->mm_per_cm >= 1e-8)) return 0;
    const double th = Oli_Get_Picture_State()->text_height > 0.0 ? Oli_Get_Picture_State()->text_height : 0.3;
    std::vector<Sketch_Label> welds = Sketch_Labels(*opts, number, throat, length, slots, th);
    Place_Sketch_Labels(welds, length, opts->mm_per_cm, th);
    Draw_Sketch_Welds(welds, throat, length, pen, th);
    return static_cast<int>(welds.size());
}
