// The connection preview: sizing of the box, frame, profile through the
// drawing service, and the single welds of each profile type.
#include "weldapp/connection_preview.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>

#include "dialogs/valuecheck.h"
#include "drawings/screen_primitives.h"
#include "drawings/sloped_flanges.h"
#include "drawings/xs_weld_screen.h"
#include "platform/screen.h"
#include "weldapp/input_page.h"
#include "weldapp/schweissnaht.h"

Connection_Preview Preview_Box = {15, 0, 0, 0.0};

namespace {

int R(double v) { return Round_To_Pixel(v); }

// Width and height of the profile in mm by type; false for a type without.
bool Preview_Extents(const Stahlprofil& p, double* horizontal, double* vertical) {
    const int t = p.type;
    if (Is_Profile_Type_In(PROFILTYP_MASK_I, t)) *horizontal = std::max(p.b_fo, p.b_fu), *vertical = p.h;
    else if (t == PROFILTYP_L) *horizontal = p.b_fo, *vertical = p.h;
    else if (Is_Profile_Type_One_Of(
                 t, {PROFILTYP_C, PROFILTYP_U, PROFILTYP_RECHTECK, PROFILTYP_T, PROFILTYP_HALB_I, PROFILTYP_Z}))
        *horizontal = p.b_fo, *vertical = p.h;
    else if (t == PROFILTYP_FLACH) *horizontal = p.t_w, *vertical = p.h;
    else if (t == PROFILTYP_RUND || t == PROFILTYP_ROHR) *horizontal = *vertical = p.h;
    else return false;
    return true;
}

// The sum of the scaled lengths, each rounded to pixels on its own.
int Pixels(double s, std::initializer_list<double> lengths) {
    int sum = 0;
    for (double l : lengths) sum += R(s * l);
    return sum;
}

// What the painter needs of one weld slot.
struct Weld_Painter {
    const Nahtbild* n;
    double s;
    int X, Y;  // reference point
};

// The label of a weld and its ink's width in pixels (the screen font's
// digits: 5 pixels and 3 between them).
struct Weld_Label {
    char text[16];
    int width;
};
Weld_Label Label_Of(int number) {
    Weld_Label l{};
    const int n = std::snprintf(l.text, sizeof l.text, "%d", number);
    l.width = 8 * n - 3;
    return l;
}

// A horizontal weld on the face y (mm terms, plus extra pixels) with its
// middle at x; label centred above (up) or below its middle, two pixel
// rows clear of the weld's line (two pixels thick, y and the row above).
void Horizontal_Weld(const Weld_Painter& w, int slot, std::initializer_list<double> face, int extra,
                     std::initializer_list<double> middle, bool label_above) {
    const Nahtbild& n = *w.n;
    if (n.number[slot] <= 0) return;
    const int y = w.Y + Pixels(w.s, face) + extra, mid = w.X + Pixels(w.s, middle);
    if (n.throat[slot] > 0.1 && n.length[slot] > 0.1) {
        const int half = R(w.s * n.length[slot]) / 2;
        pxTkLn(mid - half, y, mid - half + R(w.s * n.length[slot]), y, 2);
    }
    const Weld_Label l = Label_Of(n.number[slot]);
    pxText(mid - (l.width + 1) / 2, label_above ? y - 3 : y + 10, l.text, -1);
}

// A vertical weld on the face x from y_top to y_bottom (pixels); label left
// (label_dx below 0) or right of its middle, three pixel columns clear of
// the weld's line (two pixels thick, x and the column left of it), lowered by
// label_dy: beside a thin web or bar the numbers of its two faces stay
// apart, and none touches its line.
void Vertical_Weld_Between(const Weld_Painter& w, int slot, int x, int y_top, int y_bottom, int label_dx,
                           int label_dy) {
    const Nahtbild& n = *w.n;
    if (n.number[slot] <= 0) return;
    if (n.throat[slot] > 0.1 && n.length[slot] > 0.1) pxTkLn(x, y_top, x, y_bottom, 2);
    const Weld_Label l = Label_Of(n.number[slot]);
    pxText(label_dx < 0 ? x - 4 - l.width : x + 4, (y_top + y_bottom) / 2 + label_dy, l.text, -1);
}

void Vertical_Weld(const Weld_Painter& w, int slot, std::initializer_list<double> face, int extra,
                   std::initializer_list<double> middle, int label_dx, int label_dy) {
    const int x = w.X + Pixels(w.s, face) + extra, mid = w.Y + Pixels(w.s, middle);
    const int l = R(w.s * w.n->length[slot]), top = mid - l / 2;
    Vertical_Weld_Between(w, slot, x, top, top + l, label_dx, label_dy);
}

constexpr int LEFT = -1, RIGHT = 1;  // the side of a vertical weld's label

// A weld on the straight part of a sloped flange's inner face, from (xa,
// ya) to (xb, yb) (mm from the reference point, y down): centred on it, no
// longer than it; its label as Horizontal_Weld's.
void Sloped_Weld(const Weld_Painter& w, int slot, double xa, double ya, double xb, double yb, bool label_above) {
    const Nahtbild& n = *w.n;
    if (n.number[slot] <= 0) return;
    const double face = std::hypot(xb - xa, yb - ya), mx = (xa + xb) / 2, my = (ya + yb) / 2;
    const int x = w.X + R(w.s * mx), y = w.Y + R(w.s * my);
    if (n.throat[slot] > 0.1 && n.length[slot] > 0.1 && face > 0.0) {
        const double half = std::min(n.length[slot], face) / 2, ux = (xb - xa) / face, uy = (yb - ya) / face;
        pxTkLn(w.X + R(w.s * (mx - half * ux)), w.Y + R(w.s * (my - half * uy)), w.X + R(w.s * (mx + half * ux)),
               w.Y + R(w.s * (my + half * uy)), 2);
    }
    const Weld_Label l = Label_Of(n.number[slot]);
    pxText(x - (l.width + 1) / 2, label_above ? y - 3 : y + 10, l.text, -1);
}

// A web weld between the root fillets of sloped flanges, y_from to y_to
// (mm from the reference point) at x: centred there, no longer.
void Web_Weld_Between_Roots(const Weld_Painter& w, int slot, int x, double y_from, double y_to, int label_dx) {
    const double l = std::min(w.n->length[slot], y_to - y_from), mid = (y_from + y_to) / 2;
    Vertical_Weld_Between(w, slot, x, w.Y + R(w.s * (mid - l / 2)), w.Y + R(w.s * (mid + l / 2)), label_dx, 4);
}

// The welds of the inner flange faces and the web of a catalogue profile
// whose flanges slope, on its faces as rolled (the check lays them there):
// true when the profile is one, its other welds left to Single_Welds.
bool Sloped_Flange_Welds(const Weld_Painter& w) {
    const Stahlprofil& p = w.n->profile;
    Rolled_Flange_Faces f;
    if (!p.rolled || !Profile_Sloped_Flange_Faces(&p, &f)) return false;
    const int xl = Pixels(w.s, {-p.t_w / 2}), xr = Pixels(w.s, {p.t_w / 2}) + 1;
    if (Is_Profile_Type_In(PROFILTYP_MASK_I, p.type) || p.type == PROFILTYP_T || p.type == PROFILTYP_HALB_I) {
        // Web axis at X, top at Y.
        const bool lower = Is_Profile_Type_In(PROFILTYP_MASK_I, p.type) != 0;
        const double b = p.b_fo / 2, toe = -b + f.x_toe, root = -b + f.x_root, h = p.h;
        Horizontal_Weld(w, WELD_FACE_TOP_OUTER, {0.0}, 0, {0.0}, true);
        Sloped_Weld(w, WELD_FACE_TOP_INNER_LEFT, toe, f.z_toe, root, f.z_root, false);
        Sloped_Weld(w, WELD_FACE_TOP_INNER_RIGHT, -root, f.z_root, -toe, f.z_toe, false);
        const double web_end = lower ? h - f.web : h;
        Web_Weld_Between_Roots(w, WELD_FACE_WEB_LEFT, w.X + xl, f.web, web_end, LEFT);
        Web_Weld_Between_Roots(w, WELD_FACE_WEB_RIGHT, w.X + xr, f.web, web_end, RIGHT);
        if (!lower) return true;
        Horizontal_Weld(w, WELD_FACE_BOTTOM_OUTER, {h}, 0, {0.0}, false);
        Sloped_Weld(w, WELD_FACE_BOTTOM_INNER_LEFT, toe, h - f.z_toe, root, h - f.z_root, true);
        Sloped_Weld(w, WELD_FACE_BOTTOM_INNER_RIGHT, -root, h - f.z_root, -toe, h - f.z_toe, true);
        return true;
    }
    // A channel: its back at X, its middle at Y, the flanges' tips at b.
    const double b = p.b_fo, h2 = p.h / 2;
    Vertical_Weld(w, WELD_FACE_WEB_LEFT, {0.0}, 0, {0.0}, LEFT, 4);
    Web_Weld_Between_Roots(w, WELD_FACE_WEB_RIGHT, w.X + Pixels(w.s, {p.t_w}) + 1, -h2 + f.web, h2 - f.web, RIGHT);
    Horizontal_Weld(w, WELD_FACE_TOP_OUTER, {-h2}, 0, {b / 2}, true);
    Horizontal_Weld(w, WELD_FACE_BOTTOM_OUTER, {h2}, 1, {b / 2}, false);
    Sloped_Weld(w, WELD_FACE_TOP_INNER_LEFT, b - f.x_root, -h2 + f.z_root, b - f.x_toe, -h2 + f.z_toe, false);
    Sloped_Weld(w, WELD_FACE_BOTTOM_INNER_LEFT, b - f.x_root, h2 - f.z_root, b - f.x_toe, h2 - f.z_toe, true);
    return true;
}

// The welds at their faces, by the I family's names (the flat bar's and
// the rectangular tube's sides by theirs; profiles/stahlprofil.h).
void Single_Welds(const Weld_Painter& w) {
    if (Sloped_Flange_Welds(w)) return;
    const Stahlprofil& p = w.n->profile;
    double eo = 0, eu = 0, ef = 0;
    Calc_Profile_Weld_Offsets(&p, &eo, &eu, &ef);
    const int t = p.type;
    if (t == PROFILTYP_FLACH) {
        Horizontal_Weld(w, WELD_FACE_TOP_OUTER, {0.0}, 0, {p.t_w / 2}, true);
        Horizontal_Weld(w, WELD_FACE_BOTTOM_OUTER, {p.h}, 0, {p.t_w / 2}, false);
        Vertical_Weld(w, WELD_FACE_SIDE_LEFT, {0.0}, 0, {p.h / 2}, LEFT, 4);
        Vertical_Weld(w, WELD_FACE_SIDE_RIGHT, {p.t_w}, 1, {p.h / 2}, RIGHT, 4);
    } else if (t == PROFILTYP_L) {
        // Heel at the reference point: leg h up, leg b along the bottom.
        Horizontal_Weld(w, WELD_FACE_TOP_OUTER, {0.0}, 0, {p.b_fo / 2}, false);
        Horizontal_Weld(w, WELD_FACE_TOP_INNER_LEFT, {-p.t_fo}, 0, {p.b_fo, -ef, -p.c_o / 2, ef / 2}, true);
        Vertical_Weld(w, WELD_FACE_WEB_LEFT, {0.0}, 0, {-p.h / 2}, LEFT, 4);
        Vertical_Weld(w, WELD_FACE_WEB_RIGHT, {p.t_w}, 1, {-p.h, ef, p.h_w / 2, -ef / 2}, RIGHT, 4);
    } else if (Is_Profile_Type_In(PROFILTYP_MASK_I, t)) {
        Horizontal_Weld(w, WELD_FACE_TOP_OUTER, {0.0}, 0, {0.0}, true);
        Horizontal_Weld(w, WELD_FACE_TOP_INNER_LEFT, {p.t_fo}, 0, {-p.b_fo / 2, ef, p.c_o / 2, -ef / 2}, false);
        Horizontal_Weld(w, WELD_FACE_TOP_INNER_RIGHT, {p.t_fo}, 0, {p.b_fo / 2, -ef, -p.c_o / 2, ef / 2}, false);
        Horizontal_Weld(w, WELD_FACE_BOTTOM_OUTER, {p.h}, 0, {0.0}, false);
        Horizontal_Weld(w, WELD_FACE_BOTTOM_INNER_LEFT, {p.h, -p.t_fu}, 0, {-p.b_fu / 2, ef, p.c_u / 2, -ef / 2}, true);
        Horizontal_Weld(w, WELD_FACE_BOTTOM_INNER_RIGHT, {p.h, -p.t_fu}, 0, {p.b_fu / 2, -ef, -p.c_u / 2, ef / 2},
                        true);
        // The web welds stand in the middle of the free web height.
        for (int slot : {WELD_FACE_WEB_LEFT, WELD_FACE_WEB_RIGHT}) {
            const double l = w.n->length[slot];
            const int top = w.Y + Pixels(w.s, {p.t_fo, eo, p.h_w / 2, -l / 2});
            const int bottom = w.Y + Pixels(w.s, {p.h, -p.t_fu, -eu, -p.h_w / 2, l / 2});
            const int x = w.X + (slot == WELD_FACE_WEB_LEFT ? Pixels(w.s, {-p.t_w / 2}) : Pixels(w.s, {p.t_w / 2}) + 1);
            Vertical_Weld_Between(w, slot, x, top, bottom, slot == WELD_FACE_WEB_LEFT ? LEFT : RIGHT, 4);
        }
    } else if (t == PROFILTYP_C || t == PROFILTYP_U) {
        Vertical_Weld(w, WELD_FACE_WEB_LEFT, {0.0}, 0, {0.0}, LEFT, 4);
        Vertical_Weld(w, WELD_FACE_WEB_RIGHT, {p.t_w}, 1, {0.0}, RIGHT, 4);
        Horizontal_Weld(w, WELD_FACE_TOP_OUTER, {-p.h / 2}, 0, {p.b_fo / 2}, true);
        Horizontal_Weld(w, WELD_FACE_BOTTOM_OUTER, {p.h / 2}, 1, {p.b_fo / 2}, false);
        Horizontal_Weld(w, WELD_FACE_TOP_INNER_LEFT, {-p.h / 2, p.t_fo}, 0, {p.b_fo, -ef, -p.c_o / 2, ef / 2}, false);
        Horizontal_Weld(w, WELD_FACE_BOTTOM_INNER_LEFT, {p.h / 2, -p.t_fo}, 1, {p.b_fo, -ef, -p.c_o / 2, ef / 2}, true);
    } else if (t == PROFILTYP_RECHTECK) {
        Horizontal_Weld(w, WELD_FACE_TOP_OUTER, {0.0}, 0, {0.0}, true);
        Horizontal_Weld(w, WELD_FACE_BOTTOM_OUTER, {p.h}, 0, {0.0}, false);
        Vertical_Weld(w, WELD_FACE_SIDE_LEFT, {-p.b_fo / 2}, 0, {p.h / 2}, LEFT, 4);
        Vertical_Weld(w, WELD_FACE_SIDE_RIGHT, {p.b_fo / 2}, 1, {p.h / 2}, RIGHT, 4);
    } else if (t == PROFILTYP_T || t == PROFILTYP_HALB_I) {
        Horizontal_Weld(w, WELD_FACE_TOP_OUTER, {0.0}, 0, {0.0}, true);
        Horizontal_Weld(w, WELD_FACE_TOP_INNER_LEFT, {p.t_fo}, 0, {-p.b_fo / 2, ef, p.c_o / 2, -ef / 2}, false);
        Horizontal_Weld(w, WELD_FACE_TOP_INNER_RIGHT, {p.t_fo}, 0, {p.b_fo / 2, -ef, -p.c_o / 2, ef / 2}, false);
        Vertical_Weld(w, WELD_FACE_WEB_LEFT, {-p.t_w / 2}, 0, {p.t_fo, eo, p.h_w / 2}, LEFT, 4);
        Vertical_Weld(w, WELD_FACE_WEB_RIGHT, {p.t_w / 2}, 1, {p.t_fo, eo, p.h_w / 2}, RIGHT, 4);
    } else if (t == PROFILTYP_Z) {
        const double d2 = (p.b_fo + p.t_w) / 2, d1 = p.h - p.t_fo - eo;
        Vertical_Weld(w, WELD_FACE_WEB_LEFT, {-p.t_w / 2}, 0, {p.h, -d1 / 2}, LEFT, 4);
        Vertical_Weld(w, WELD_FACE_WEB_RIGHT, {p.t_w / 2}, 1, {d1 / 2}, RIGHT, 4);
        Horizontal_Weld(w, WELD_FACE_TOP_OUTER, {0.0}, 0, {p.t_w / 2, -d2 / 2}, true);
        Horizontal_Weld(w, WELD_FACE_BOTTOM_OUTER, {p.h}, 0, {-p.t_w / 2, d2 / 2}, false);
        Horizontal_Weld(w, WELD_FACE_TOP_INNER_LEFT, {p.t_fo}, 0, {p.t_w / 2, -d2, p.c_o / 2}, false);
        Horizontal_Weld(w, WELD_FACE_BOTTOM_INNER_LEFT, {p.h, -p.t_fo}, 0, {-p.t_w / 2, d2, -p.c_o / 2}, true);
    }
}

}  // namespace

void Calc_Preview_Scale(int margin, int width, int height, const Nahtbild* naht) {
    Preview_Box.margin = margin;
    Preview_Box.width = width;
    Preview_Box.height = height;
    Preview_Box.scale = 0.0;
    if (!naht) return;
    double horizontal = 0, vertical = 0;
    if (!Preview_Extents(naht->profile, &horizontal, &vertical)) return;
    if (!(horizontal > -1000000.0 && vertical > -1000000.0 && horizontal >= 1.0 && vertical >= 1.0)) return;
    const double s = std::min(width / horizontal, height / vertical);
    Preview_Box.scale = s;
    Preview_Box.width = static_cast<int>(s * horizontal);
    Preview_Box.height = static_cast<int>(s * vertical);
}

void Size_Connection_Preview(int page_width, const Nahtbild* naht) {
    const int margin = 15, half = page_width - page_width / 2;
    Calc_Preview_Scale(margin, half - 60 - 2 * margin, std::min(half, 260) - 60 - 2 * margin, naht);
}

void Draw_Schweissnaht_Skizze(int x1, int y1, int x2, int y2, Nahtbild* naht) {
    if (!naht) return;
    const int kept = pxQFgc();
    const int m = Preview_Box.margin;
    pxFgc(GetVEKColor(Screen_Grey224));
    pxRect(x1 - m, y1 - m, x2 + m, y2 + m);
    pxFgc(Screen_Grey130);
    pxLine(x1 - m, y1 - m, x2 + m, y1 - m);
    pxLine(x2 + m, y1 - m, x2 + m, y2 + m);
    pxLine(x2 + m, y2 + m, x1 - m, y2 + m);
    pxLine(x1 - m, y2 + m, x1 - m, y1 - m);
    Set_Screen_Color_Slot(Screen_Grey130);
    // Nothing of the sketch leaves its frame, whatever the record holds for
    // a moment (a profile and a weld table of different sizes).
    int vx1 = 0, vy1 = 0, vx2 = 0, vy2 = 0;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    pxView(std::max(vx1, x1 - m + 1), std::max(vy1, y1 - m + 1), std::min(vx2, x2 + m - 1), std::min(vy2, y2 + m - 1));

    const Stahlprofil& p = naht->profile;
    const double s = Preview_Box.scale;
    int X = x1, Y = y1;
    if (s > 0.001) {
        const int xc = (x1 + x2) / 2;
        X = xc;
        if (p.type == PROFILTYP_L) X = xc - R(s * p.b_fo / 2), Y = y1 + R(s * p.h);
        else if (p.type == PROFILTYP_C || p.type == PROFILTYP_U) X = xc - R(s * p.b_fo / 2), Y = y1 + R(s * p.h / 2);
        else if (p.type == PROFILTYP_FLACH) X = xc - R(s * p.t_w / 2);
    }
    XSScreenOptions options;
    Init_XS_Screen_Options(&options);
    options.x = X;
    options.y = Y;
    if (s <= 0.001) options.x2 = x2, options.y2 = y2;
    options.scale = s;
    options.fill_colour = Screen_Light_Blue;
    options.line_width = 1;
    options.line_colour = Screen_Black;
    options.profile = &naht->profile;
    options.angle = 0.0;
    Draw_XS_Weld_Screen(&options, 1);

    const int weld_colour = Nachweis_Page.butt_weld == 1 ? Screen_Brown : Screen_Blue;
    if (naht->all_round) {
        options.line_width = 2;
        options.fill_colour = -1;
        options.line_colour = weld_colour;
        Draw_XS_Weld_Screen(&options, 2);
    } else {
        pxFgc(weld_colour);
        Single_Welds(Weld_Painter{naht, s, X, Y});
    }
    pxView(vx1, vy1, vx2, vy2);
    pxFgc(kept);
}

void Draw_Schweissnaht_Skizze_Entry(int x1, int y1, int x2, int y2, Nahtbild* naht) {
    Draw_Schweissnaht_Skizze(x1, y1, x2, y2, naht);
}
