#include "weldapp/weld_check_picture.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "base/cp850.h"
#include "base/vesk.h"
#include "drawings/oli_pens.h"
#include "drawings/xs_weld_plot.h"
#include "platform/format.h"
#include "platform/oli_layout.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliwrt.h"
#include "printlist/oli_para.h"
#include "printlist/plotfile.h"
#include "printlist/verdict.h"
#include "weldcheck/weld_check.h"
#include "weldcheck/weldelem.h"

namespace {

// Paper margin of the profile's own picture on every side (no dimension
// lines), in cm.
const double kMargin = XS_PLOT_OWN_MARGIN_CM;
// How far the legend's lines reach right of its left edge: the names from
// the first stop (1.5 cm; "Naht 12b: " ends before the second), the throats
// from the second (4.0 cm), the lengths at the layout's next stop after the
// throat (one every 1.2 cm past the last stop: 6.4 cm, 7.6 cm after a throat
// of two digits) and at most "lw = 1234.5 mm" long (2.7 cm). The legend
// stands beside the picture where the line leaves it that room, else below.
const double kLegendStops[2] = {1.5, 4.0};
const double kLegendWidth = 7.6 + 2.7;
const double kLineHeight = 0.38;  // cm of one text line
// A picture of more bytes (a huge one) is drawn each time.
const size_t kKeptBytes = 1 << 20;

// Labels of the overlay, in paper cm: the point numbers beside their
// point, the weld numbers in a box beside the middle of their line.
const double kPointHeight = 0.2;  // text height of a point number
const double kNumberHeight = 0.2;  // text height of a weld number
// Between a weld line and the near edge of its number's box: the line's
// taken half width, the gap labels keep and a little more.
const double kNumberGap = 0.1;
// A point number stands within this share of its line's paper length from
// its point.
const double kOwnShare = 1.0 / 3.0;
// Half the paper width a weld line takes for the labels: half the widest
// line (0.05 cm) and a little more.
const double kWeldHalf = 0.06;
// Room kept clear beside a point number, in paper cm on either side along
// its line of text: two numbers of different welds set side by side would
// read as one number of two digits ("1" "0" as "10"). A place that leaves
// less costs kTooNear, less than a number set on another, so that a number
// rather stands close to another than on it.
const double kPointApart = 0.15;
const double kTooNear = 0.006;
// The cost, as a covered area (cm²), of each of the nine sample points of a
// point number's box that falls on the profile's hatched area: a number
// there is hard to read, as one over another text.
const double kOnProfile = 0.003;

// The profile's own picture and the overlay share their place on the page:
// an overlay point (x, y) is the profile picture's world point (e - x,
// h/2 - y), e the centroid's distance from the left and h the height. With
// it, the boxes of the point numbers set so far (overlay corners).
struct Profile_Frame {
    double e, h;
    struct Box {
        double x1, y1, x2, y2;
    };
    std::vector<Box> points;
    bool Inside(double x, double y) const { return XS_Plot_Inside(e - x, h / 2.0 - y) != 0; }
    // Whether a point number's box beside one set before would read as one
    // number with it: the two share a line of text and stand apart by less
    // than kPointApart (world units: d).
    bool Too_Near(const Box& b, double d) const {
        for (const Box& o : points)
            if (b.y1 < o.y2 && o.y1 < b.y2 && b.x1 < o.x2 + d && o.x1 < b.x2 + d) return true;
        return false;
    }
};

// The name of a weld slot in its box, as the legend and the tables list it:
// its number, and for a half of a flange weld split at the web axis the
// half's letter ("1a", "1b"; the second half carries 20 more).
struct Shown_Name {
    char text[16];
};
Shown_Name Shown_Weld_Name(const SchweissnahtNachweis* r, int k) {
    Shown_Name name = {};
    const int n = Weld_Base_Number(r->number[k]);
    char* end = std::to_chars(name.text, name.text + sizeof name.text - 2, n).ptr;  // as "%d"
    *end = Weld_Half_Letter(r, k);
    return name;
}

// A point number beside its point (world x, y of the overlay), set along
// its own weld line: a little into the line from the point and to one side
// of it, so that the numbers of two welds that meet at one point each stand
// by their own line. (ux, uy) points from the point into its line, (nx, ny)
// away from the profile; a point of no line (the ring of a round section)
// takes the same places with u = n. The first place where the number meets
// no other label, dot or weld line is taken; the least covered one when
// none is free. Along a line of paper length `len` a place stays in the
// point's own third of it, so that the number stands nearer its own end
// than the line's other end (a short weld at a flange tip gets its numbers
// beside or beyond its ends).
void Point_Label(Profile_Frame& f, double x, double y, double ux, double uy, double nx, double ny, double len,
                 int number, double s) {
    struct Place {
        double along, side;
    };
    // Straight out, a second number stands on top of the first (where the
    // halves of a split weld meet): one number's height and the gap labels
    // keep above it.
    static const Place kPlaces[14] = {{0.2, 0.18},   {0.2, -0.18}, {0.38, 0.18}, {0.38, -0.18}, {0.0, 0.22},
                                      {0.0, -0.22},  {-0.2, 0.0},  {-0.2, 0.18}, {-0.2, -0.18}, {0.6, 0.18},
                                      {0.6, -0.18},  {-0.38, 0.0}, {0.0, 0.46},  {-0.2, 0.38}};
    char text[16] = {};
    std::to_chars(text, text + sizeof text - 1, number);  // as "%d"
    // The half extent of the number's box (as the label boxes measure a
    // text: 0.9 text heights a digit), in world units.
    const double hw = 0.45 * kPointHeight * static_cast<double>(std::strlen(text)) / s, hh = 0.5 * kPointHeight / s;
    const Place* use = nullptr;
    double least = 1e300;
    for (const Place& p : kPlaces) {
        if (p.along > kOwnShare * len) continue;
        const double px = x + (ux * p.along + nx * p.side) / s, py = y + (uy * p.along + ny * p.side) / s;
        double c = Oli_Label_Covered(px, py, 4, 4, text);
        for (int i = -1; i <= 1; ++i)
            for (int j = -1; j <= 1; ++j) c += f.Inside(px + i * hw, py + j * hh) ? kOnProfile : 0.0;
        if (f.Too_Near({px - hw, py - hh, px + hw, py + hh}, kPointApart / s)) c += kTooNear;
        if (c < least) least = c, use = &p;
        if (c == 0.0) break;
    }
    if (!use) return;  // never: the places beside the point always qualify
    const double px = x + (ux * use->along + nx * use->side) / s, py = y + (uy * use->along + ny * use->side) / s;
    Oli_Text_Box_Printf(px, py, 4, 4, "%d", number);
    f.points.push_back({px - hw, py - hh, px + hw, py + hh});
}

// The unit normal of the line from (x0, y0) to (x1, y1) that points away
// from the profile's material beside it, found by looking a little to both
// sides of its middle; false when both sides or neither lie on the profile
// (a line through the material, or beside no face).
bool Outward(const Profile_Frame& f, double x0, double y0, double x1, double y1, double s, double* nx, double* ny) {
    const double len = std::hypot(x1 - x0, y1 - y0);
    if (!(len > 0.0)) return false;
    const double ax = -(y1 - y0) / len, ay = (x1 - x0) / len, d = 0.03 / s;
    const double mx = (x0 + x1) / 2.0, my = (y0 + y1) / 2.0;
    const bool plus = f.Inside(mx + ax * d, my + ay * d), minus = f.Inside(mx - ax * d, my - ay * d);
    if (plus == minus) return false;
    *nx = plus ? -ax : ax, *ny = plus ? -ay : ay;
    return true;
}

// The name of a weld ("3", "1a") in a small box beside the middle of its
// line, on the side away from the profile (away from its centroid (cx, cy)
// where the line lies on no face) unless only the other side or a place
// further along the line is free.
void Weld_Number(const Profile_Frame& f, double x0, double y0, double x1, double y1, double cx, double cy,
                 const char* text, double s) {
    const double len = std::hypot(x1 - x0, y1 - y0);
    if (!(len > 0.0)) return;
    const double ux = (x1 - x0) / len, uy = (y1 - y0) / len;
    double nx = -uy, ny = ux;
    const double mx = (x0 + x1) / 2.0, my = (y0 + y1) / 2.0;
    if (!Outward(f, x0, y0, x1, y1, s, &nx, &ny) && nx * (mx - cx) + ny * (my - cy) < 0.0) nx = -nx, ny = -ny;
    const double k = static_cast<double>(std::strlen(text));
    // The box of Oli_Boxed_Text: half height 0.8 H, half width 0.8 H k
    // (0.8 H for one digit), H the text height.
    const double hh = 0.8 * kNumberHeight / s, hw = hh * (k > 1.0 ? 0.8 * k : k);
    const double along[3] = {0.0, -0.25 * len, 0.25 * len};
    // The box's half extent across the line (paper cm).
    const double across = (std::fabs(nx) * hw + std::fabs(ny) * hh) * s;
    const double first = across + kNumberGap;
    double bx = mx + nx * first / s, by = my + ny * first / s, least = 1e300;
    for (double gap : {first, first + 0.22, first + 0.44})
        for (int side = 1; side >= -1 && least > 0.0; side -= 2)
            for (double t : along) {
                const double d = gap / s;
                const double px = mx + ux * t + side * nx * d, py = my + uy * t + side * ny * d;
                const double c = Oli_Area_Covered(px - hw, py - hh, px + hw, py + hh);
                if (c < least) least = c, bx = px, by = py;
                if (c == 0.0) break;
            }
    Oli_Take_Area(bx - hw, by - hh, bx + hw, by + hh);
    Oli_Boxed_Text(bx, by, kNumberHeight, text);
}

// A line as the labels see it: pieces of its length, each a box `half`
// wider on every side (one box would take the whole square of a slanted
// line).
void Take_Line(double x0, double y0, double x1, double y1, double half) {
    const double len = std::hypot(x1 - x0, y1 - y0);
    const int n = len > 0.0 ? std::min(64, static_cast<int>(std::ceil(len / (4.0 * half)))) : 1;
    for (int k = 0; k < n; ++k) {
        const double a = static_cast<double>(k) / n, b = static_cast<double>(k + 1) / n;
        const double ax = x0 + (x1 - x0) * a, ay = y0 + (y1 - y0) * a, bx = x0 + (x1 - x0) * b, by = y0 + (y1 - y0) * b;
        Oli_Take_Area(std::fmin(ax, bx) - half, std::fmin(ay, by) - half, std::fmax(ax, bx) + half,
                      std::fmax(ay, by) + half);
    }
}

// The numbers of the end points beside their points, those of the shortest
// welds first: they have the fewest places by their own end, and the longer
// welds' numbers keep apart from them. `cz`: the centroid's overlay y.
void Point_Labels(Profile_Frame& frame, bool ring, double cz, double s) {
    const double h = frame.h;
    int order[WELD_CHECK_WELDS];
    double length[WELD_CHECK_WELDS];
    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        double y0, z0, y1, z1;
        order[k] = k;
        length[k] = !ring && Weld_Check_End_Point(k, 0, &y0, &z0, nullptr) &&
                            Weld_Check_End_Point(k, 1, &y1, &z1, nullptr)
                        ? std::hypot(y1 - y0, z1 - z0)
                        : 1e300;
    }
    std::stable_sort(order, order + WELD_CHECK_WELDS, [&](int a, int b) { return length[a] < length[b]; });
    for (int k : order)
        for (int i = 0; i < WELD_CHECK_END_POINTS; ++i) {
            double y, z, oy, oz;
            if (!Weld_Check_End_Point(k, i, &y, &z, nullptr)) continue;
            const double px = y, py = h / 2 - z;
            // The direction into the point's line (to its other end), and
            // the side away from the profile (from the centroid where the
            // line lies on no face).
            double ux = 0.0, uy = 0.0, len = 0.0;
            bool other = false;
            if (!ring && i < 2 && Weld_Check_End_Point(k, 1 - i, &oy, &oz, nullptr)) {
                len = std::hypot(oy - y, oz - z);
                if (len > 0.0) ux = (oy - y) / len, uy = (z - oz) / len;
                other = true;
            }
            double nx = -uy, ny = ux;
            if (ux == 0.0 && uy == 0.0) {
                const double len = std::hypot(px, py - cz);
                nx = len > 0.0 ? px / len : 0.0, ny = len > 0.0 ? (py - cz) / len : -1.0;
                ux = nx, uy = ny;
            } else if (!(other && Outward(frame, px, py, oy, h / 2 - oz, s, &nx, &ny)) &&
                       nx * px + ny * (py - cz) < 0.0) {
                nx = -nx, ny = -ny;
            }
            // An upright label, not turned with the picture: no text-angle record.
            // With no line, u = n: every place qualifies.
            Point_Label(frame, px, py, ux, uy, nx, ny, len > 0.0 ? len * s : 1e9, i, s);
        }
}

// The end points and weld lines on top of the profile, in a graphic of the
// same paper extent: x = y' (to the left, so the extent runs from right to
// left), y = h/2 - z' (upwards). The texts and marks of the profile's
// picture below stay in the way of the labels. First the lines and the
// dots, then the weld numbers and the point numbers where they meet
// nothing.
void Overlay(const SchweissnahtNachweis* r, FILE* list, double s, double w, double h) {
    const double e = Weld_Check_Centroid_From_Left(), m = kMargin / s;
    Oli_Keep_Taken_Areas();
    if (Oli_Grafik_Begin(list, e + m, -h / 2 - m, e - w - m, h / 2 + m, s, s, 0.0, nullptr) ==
        OLI_GRAFIK_NO_SCALE)
        return;
    Oli_Set_Color_Mode(1);
    Safe_Fprintf(Oli_Get_Picture_State()->stream, " 7 %d\n", 6);
    const int pen = r->weld_kind == WELD_FILLET ? OliRole_Fillet_Weld_Pen : OliRole_Other_Weld_Pen;
    const bool ring = r->profile.type == PROFILTYP_RUND || r->profile.type == PROFILTYP_ROHR;
    // Marks grow with the picture: a diameter of 0.15 cm.
    const double d = 0.15 / s;
    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        double y0, z0, y1, z1, a;
        if (!ring && Weld_Check_End_Point(k, 0, &y0, &z0, &a) && Weld_Check_End_Point(k, 1, &y1, &z1, nullptr)) {
            Oli_Pen_Line(y0, h / 2 - z0, y1, h / 2 - z1, pen, Oli_Weld_Line_Pen(std::lround(std::floor(a + 0.01))));
            Take_Line(y0, h / 2 - z0, y1, h / 2 - z1, kWeldHalf / s);
        }
        for (int i = 0; i < WELD_CHECK_END_POINTS; ++i) {
            double y, z;
            if (!Weld_Check_End_Point(k, i, &y, &z, nullptr)) continue;
            Oli_Pen_Filled_Circle(y, h / 2 - z, d / 2, pen, 1, 1, OliRole_Outline_Pen);
            Oli_Take_Area(y - d / 2, h / 2 - z - d / 2, y + d / 2, h / 2 - z + d / 2);
        }
    }
    const double cz = h / 2 - r->profile.z_s;  // the profile's centroid: (0, cz)
    Profile_Frame frame{e, h, {}};
    // The names of the welds, as the legend and the result tables give
    // them (an all-round weld's pieces 1 to 12 as well).
    for (int k = 0; k < WELD_CHECK_WELDS && !ring; ++k) {
        double y0, z0, y1, z1;
        if (r->number[k] <= 0 || !Weld_Check_End_Point(k, 0, &y0, &z0, nullptr) ||
            !Weld_Check_End_Point(k, 1, &y1, &z1, nullptr))
            continue;
        Oli_Select_Pen((unsigned)OliRole_Outline_Pen);
        Weld_Number(frame, y0, h / 2 - z0, y1, h / 2 - z1, 0.0, cz, Shown_Weld_Name(r, k).text, s);
    }
    Oli_Select_Pen((unsigned)pen);
    Oli_Set_Text_Height(kPointHeight);
    Point_Labels(frame, ring, cz, s);
    // No move back up after it, as the profile's own picture makes: the
    // point labels of the lowest weld ends lie in the bottom margin, and the
    // text after the picture must start below them.
    Safe_Fprintf(list, " -1\n");
}

// The profile's own picture and the overlay on it: the profile's scale
// (mm per cm, 0 when it has no picture: nothing more is drawn) and its
// extent in *w, *h. The position stored before it (`top`) is returned to
// between the two.
double Draw_Profile_And_Overlay(const SchweissnahtNachweis* r, XSPlotOptions* o, FILE* list, int top, double* w,
                                double* h) {
    const double mm_per_cm = Draw_XS_Weld_Plot(o, list, 0, 1, 0);
    if (!(mm_per_cm > 1e-8)) return 0.0;
    Oli_Return_To_Y_Position(list, top);
    XS_Plot_Extent(&r->profile, w, h);
    Overlay(r, list, 1.0 / mm_per_cm, *w, *h);
    return mm_per_cm;
}

// The inputs of the picture besides the writer's state, as plain bytes.
// Filled field by field over the one record, whose gaps between fields stay
// zero from the start, so that two fills compare by their bytes.
struct Picture_Inputs {
    FILE* list;
    int top, plot_height, weld_kind;
    XSPlotOptions options;  // without the profile's address
    Stahlprofil profile;
    int number[WELD_CHECK_WELDS];
    double centroid;
    struct Point {
        int present;
        double y, z, a;
    } points[WELD_CHECK_WELDS][WELD_CHECK_END_POINTS];
    Oli_Pen pens[OLI_PEN_COUNT];
    int roles[15];
};

// The picture of the last load case, from the profile's own picture to the
// end of the overlay, kept with everything that decides its bytes: the
// inputs it reads (the profile, the plot options and height, the weld
// kind, the weld numbers, the end points and the centroid of the check, the
// list and the stored position), the pen table and roles, and the picture
// writer's whole state on entry; with its bytes, its scale and the writer's
// state it left. A connection draws the same picture for each of its load
// cases: then the bytes are written again and the state is put back. Not
// while a plot file is open (its records carry running numbers). Both the
// inputs and the writer's state are compared where they stand, not copied
// into a key first.
struct Kept_Picture {
    bool valid = false;
    Picture_Inputs inputs;
    Oli_Writer_State entry;
    std::string bytes;
    Oli_Writer_State after;
    double mm_per_cm = 0.0;
};

// The inputs of the picture into *in (see Picture_Inputs).
void Fill_Picture_Inputs(const SchweissnahtNachweis* r, const XSPlotOptions& o, FILE* list, int top,
                         Picture_Inputs* in) {
    in->list = list;
    in->top = top;
    in->plot_height = XS_Plot_Height_cm;
    in->weld_kind = r->weld_kind;
    std::memcpy(&in->options, &o, sizeof o);
    in->options.profile = nullptr;
    std::memcpy(&in->profile, &r->profile, sizeof r->profile);
    std::memcpy(in->number, r->number, sizeof in->number);
    in->centroid = Weld_Check_Centroid_From_Left();
    for (int k = 0; k < WELD_CHECK_WELDS; ++k)
        for (int i = 0; i < WELD_CHECK_END_POINTS; ++i) {
            Picture_Inputs::Point& p = in->points[k][i];
            p.y = p.z = p.a = 0.0;
            p.present = Weld_Check_End_Point(k, i, &p.y, &p.z, &p.a);
        }
    std::memcpy(in->pens, Oli_Pen_Table, sizeof in->pens);
    const int roles[15] = {OliRole_Outline_Pen,      OliRole_Profile_Pen,        OliRole_Profile_Pattern,
                           OliRole_Plate_Pen,        OliRole_Plate_Pattern,      OliRole_Fillet_Weld_Pen,
                           OliRole_Other_Weld_Pen,   OliRole_Weld_Section_Pen,   OliRole_Annotation_Pen,
                           OliRole_Highlight_Pen,    OliRole_Stiffener_Pen,      OliRole_Stiffener_Face_Pen,
                           OliRole_Bolt_Pattern,     OliRole_Current_Plate_Pen,  OliRole_Current_Plate_Pattern};
    std::memcpy(in->roles, roles, sizeof in->roles);
}

double Kept_Or_Drawn_Picture(const SchweissnahtNachweis* r, XSPlotOptions* o, FILE* list, int top, double* w,
                             double* h) {
    static Kept_Picture kept;
    static Picture_Inputs now;  // zero-initialised once: its gaps stay zero
    if (PlotFile_Is_Open()) {
        kept.valid = false;
        return Draw_Profile_And_Overlay(r, o, list, top, w, h);
    }
    Fill_Picture_Inputs(r, *o, list, top, &now);
    if (kept.valid && std::memcmp(&now, &kept.inputs, sizeof now) == 0 && Oli_Writer_State_Is(kept.entry)) {
        VEK_Stream_Put(list, kept.bytes.data(), kept.bytes.size());
        Oli_Set_Writer_State(kept.after);
        XS_Plot_Extent(&r->profile, w, h);
        return kept.mm_per_cm;
    }
    kept.valid = false;
    static Oli_Writer_State entry;  // its boxes' buffer kept from case to case
    Oli_Get_Writer_State(&entry);
    // Drawn into memory, then written to the list; the state left behind
    // names the list, as drawing into it would have.
    char* bytes = nullptr;
    size_t size = 0;
    FILE* memory = open_memstream(&bytes, &size);
    if (!memory) return Draw_Profile_And_Overlay(r, o, list, top, w, h);
    const double mm_per_cm = Draw_Profile_And_Overlay(r, o, memory, top, w, h);
    if (std::fclose(memory) != 0) {
        // The bytes are lost: drawn again into the list from where it began.
        std::free(bytes);
        Oli_Set_Writer_State(entry);
        return Draw_Profile_And_Overlay(r, o, list, top, w, h);
    }
    Oli_Writer_State after;
    Oli_Get_Writer_State(&after);
    if (after.picture.stream == memory) after.picture.stream = list;
    if (after.picture.kept_stream == memory) after.picture.kept_stream = list;
    Oli_Set_Writer_State(after);
    VEK_Stream_Put(list, bytes, size);
    if (mm_per_cm > 1e-8 && size <= kKeptBytes) {
        std::memcpy(&kept.inputs, &now, sizeof now);
        kept.entry = entry;
        kept.bytes.assign(bytes, size);
        kept.after = std::move(after);
        kept.mm_per_cm = mm_per_cm;
        kept.valid = true;
    }
    std::free(bytes);
    return mm_per_cm;
}

}  // namespace

int Draw_Weld_Check_Picture(const SchweissnahtNachweis* r, FILE* list, int level) {
    if (!r || !list) return 0;
    if (level > 0) {
        OLI_End_Text(list);
        OLI_reserveSpaceCM(list, 6.0);
        OLI_printf(list, "%s╬HBerechnungsquerschnitt:\n"_cp, Check_Line_Prefix);
    }
    OLI_End_Text(list);

    Init_Oli_Pens();
    XSPlotOptions o;
    Init_XS_Plot_Options(&o);
    o.mm_per_cm = 0.0;
    o.fill_pen = OliRole_Profile_Pen;
    o.line_width = 1;
    o.line_pen = OliRole_Outline_Pen;
    o.profile = &r->profile;
    o.angle_deg = 0.0;
    const int top = Oli_Store_Y_Position(list);
    double w = 0.0, h = 0.0;
    const double mm_per_cm = Kept_Or_Drawn_Picture(r, &o, list, top, &w, &h);
    if (!(mm_per_cm > 1e-8)) {
        Oli_Free_Position_Index(top);
        return 0;
    }
    const double s = 1.0 / mm_per_cm;

    const double width = w * s + 2 * kMargin, height = h * s + 2 * kMargin;
    const bool beside = width + kLegendWidth <= Oli_Get_Text_Width();
    int bottom = -1;
    double left = kMargin;
    if (beside) {
        bottom = Oli_Store_Y_Position(list);
        Oli_Return_To_Y_Position(list, top);
        const bool i_all_round = r->all_round && Is_Profile_Type_In(PROFILTYP_MASK_I, r->profile.type);
        OLI_setYPositionCM(list, OLI_Y_RELATIVE, i_all_round ? 0.2 : 0.5);
        left = width;
    } else {
        OLI_setYPositionCM(list, OLI_Y_RELATIVE, -0.7);
    }
    Oli_Free_Position_Index(top);

    const double indent = OLI_Get_Para_Indent();
    const double tabs[2] = {left + kLegendStops[0], left + kLegendStops[1]};
    OLI_Set_Tabs(1, nullptr, tabs, 2);
    OLI_Set_Para_Indent(left);
    const int lines = Weld_Check_Write_Legend(list);
    OLI_End_Text(list);
    OLI_End_Tabs();
    OLI_Set_Para_Indent(indent);
    // A legend shorter than the picture beside it must not let the next
    // text run into the picture.
    if (bottom >= 0) {
        if (0.5 + lines * kLineHeight < height)
            Oli_Restore_Y_Position(list, bottom);
        else
            Oli_Free_Position_Index(bottom);
    }
    return 1;
}

void Install_Weld_Check_Picture(void) { Set_Weld_Check_Picture_Drawer(Draw_Weld_Check_Picture); }
