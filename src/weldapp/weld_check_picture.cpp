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
#include "platform/oli_graphic_records.h"
#include "platform/oli_layout.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliwrt.h"
#include "printlist/oli_para.h"
#include "printlist/plotfile.h"
#include "printlist/verdict.h"
#include "weldapp/weld_check_labels.h"
#include "weldcheck/weld_check.h"
#include "weldcheck/weldelem.h"

namespace {

// Paper margin of the profile's own picture on every side (no dimension
// lines), in cm.
const double kMargin = XS_PLOT_OWN_MARGIN_CM;
// How far the legend's lines reach right of its left edge: the names from
// the first stop (1.5 cm; "Naht 12b: " ends before the second), the throats
// from the second (4.0 cm), the lengths at the layout's next stop after the
// throat (one every 1.2 cm past the last stop: 6.4 cm after a throat of one
// digit, 7.6 cm after one of two or three) and at most "lw = 1234.5 mm" long
// (2.7 cm). The legend stands beside the picture where the line leaves it
// that room, else below. A legend with a throat of two digits or more sets
// its lengths at a third stop, 7.6 cm, in every row, so that a row with a
// throat of one digit does not set its length a stop before the others.
const double kLegendStops[3] = {1.5, 4.0, 7.6};
const double kLegendWidth = 7.6 + 2.7;
const double kLineHeight = 0.38;  // cm of one text line
// A picture of more bytes (a huge one) is drawn each time.
const size_t kKeptBytes = 1 << 20;

// Labels of the overlay, in paper cm: the point numbers beside their
// point, the weld names in a box beside their line.
const double kPointHeight = 0.2;   // text height of a point number
const double kNumberHeight = 0.2;  // text height of a weld's name
// Half the paper width a weld line takes for the labels: half the widest
// line (0.05 cm) and a little more.
const double kWeldHalf = 0.06;

// The profile's own picture and the overlay share their place on the page:
// an overlay point (x, y) is the profile picture's world point (e - x,
// h/2 - y), e the centroid's distance from the left and h the height.
struct Profile_Frame {
    double e, h;
    bool Inside(double x, double y) const { return XS_Plot_Inside(e - x, h / 2.0 - y) != 0; }
};
bool Frame_Inside(const void* frame, double x, double y) {
    return static_cast<const Profile_Frame*>(frame)->Inside(x, y);
}

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

// The unit vector from (x0, y0) to (x1, y1) in *ux, *uy and its normal
// away from the profile (away from (cx, cy) where the line lies on no
// face) in *nx, *ny; false for a line of no length.
bool Line_Frame(const Profile_Frame& f, double x0, double y0, double x1, double y1, double cx, double cy, double s,
                double* ux, double* uy, double* nx, double* ny) {
    const double len = std::hypot(x1 - x0, y1 - y0);
    if (!(len > 0.0)) return false;
    *ux = (x1 - x0) / len, *uy = (y1 - y0) / len;
    *nx = -*uy, *ny = *ux;
    const double mx = (x0 + x1) / 2.0, my = (y0 + y1) / 2.0;
    if (!Outward(f, x0, y0, x1, y1, s, nx, ny) && *nx * (mx - cx) + *ny * (my - cy) < 0.0) *nx = -*nx, *ny = -*ny;
    return true;
}

// The numbers of the end points, those of the shortest welds first, into
// `labels`. `cz`: the centroid's overlay y.
void Point_Numbers(const Profile_Frame& f, bool ring, double cz, double s, std::vector<Check_Label>& labels) {
    const double h = f.h;
    std::vector<std::pair<double, double>> ends;
    int order[WELD_CHECK_WELDS];
    double length[WELD_CHECK_WELDS];
    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        double y0, z0, y1, z1;
        order[k] = k;
        length[k] = !ring && Weld_Check_End_Point(k, 0, &y0, &z0, nullptr) &&
                            Weld_Check_End_Point(k, 1, &y1, &z1, nullptr)
                        ? std::hypot(y1 - y0, z1 - z0)
                        : 1e300;
        for (int i = 0; i < WELD_CHECK_END_POINTS; ++i)
            if (Weld_Check_End_Point(k, i, &y0, &z0, nullptr)) ends.push_back({y0, h / 2 - z0});
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
            double ux = 0.0, uy = 0.0, nx = 0.0, ny = 0.0, len = 0.0;
            const bool line = !ring && i < 2 && Weld_Check_End_Point(k, 1 - i, &oy, &oz, nullptr) &&
                              Line_Frame(f, px, py, oy, h / 2 - oz, 0.0, cz, s, &ux, &uy, &nx, &ny);
            if (line) {
                len = std::hypot(oy - y, oz - z);
            } else {
                // A point of no line: away from the centroid. On a ring
                // its places also run along the tangent, so that the
                // numbers of points close together on the ring stand side
                // by side outside it, none pushed onto the profile's area.
                const double d = std::hypot(px, py - cz);
                nx = d > 0.0 ? px / d : 0.0, ny = d > 0.0 ? (py - cz) / d : -1.0;
                ux = ring ? -ny : nx, uy = ring ? nx : ny;
            }
            // An upright label, not turned with the picture: no text-angle
            // record. With no line every place qualifies.
            labels.push_back(Check_Point_Number(px, py, ux, uy, nx, ny, len > 0.0 ? len * s : 1e9, i, ends,
                                                XS_Plot_Mark_Letters(), s));
        }
}

// The point numbers and the weld names of the overlay, each where it meets
// no other label, dot or weld line and reads as what it is; written after
// all are placed: the names in their boxes in the outline pen, then the
// point numbers in the weld pen. `cz`: the centroid's overlay y.
void Labels(const SchweissnahtNachweis* r, const Profile_Frame& f, bool ring, double cz, int pen, double s) {
    const double h = f.h;
    std::vector<Check_Label> labels;
    Point_Numbers(f, ring, cz, s, labels);
    const size_t points = labels.size();
    // The names of the welds, as the legend and the result tables give
    // them (an all-round weld's pieces 1 to 12 as well), each beside its
    // line on the side away from the profile (away from its centroid where
    // the line lies on no face).
    for (int k = 0; k < WELD_CHECK_WELDS && !ring; ++k) {
        double y0, z0, y1, z1, ux, uy, nx, ny;
        if (r->number[k] <= 0 || !Weld_Check_End_Point(k, 0, &y0, &z0, nullptr) ||
            !Weld_Check_End_Point(k, 1, &y1, &z1, nullptr) ||
            !Line_Frame(f, y0, h / 2 - z0, y1, h / 2 - z1, 0.0, cz, s, &ux, &uy, &nx, &ny))
            continue;
        const double x0 = y0, x1 = y1, v0 = h / 2 - z0, v1 = h / 2 - z1;
        labels.push_back(Check_Weld_Name((x0 + x1) / 2.0, (v0 + v1) / 2.0, ux, uy, nx, ny,
                                         std::hypot(x1 - x0, v1 - v0), Shown_Weld_Name(r, k).text,
                                         XS_Plot_Mark_Letters(), s));
    }
    // The names first, each beside its own line, then the point numbers
    // around them, those of the shortest welds first (they have the fewest
    // places).
    std::vector<int> order;
    for (size_t k = points; k < labels.size(); ++k) order.push_back(static_cast<int>(k));
    for (size_t k = 0; k < points; ++k) order.push_back(static_cast<int>(k));
    Arrange_Check_Labels(labels, order, s, Frame_Inside, &f);
    for (size_t k = points; k < labels.size(); ++k) {
        const Check_Label& l = labels[k];
        const Check_Label::Place& p = l.places[static_cast<size_t>(l.at)];
        Oli_Select_Pen((unsigned)OliRole_Outline_Pen);
        Oli_Take_Area(p.x - l.hw, p.y - l.hh, p.x + l.hw, p.y + l.hh);
        Oli_Boxed_Text(p.x, p.y, kNumberHeight, l.text);
    }
    Oli_Select_Pen((unsigned)pen);
    Oli_Set_Text_Height(kPointHeight);
    for (size_t k = 0; k < points; ++k) {
        const Check_Label::Place& p = labels[k].places[static_cast<size_t>(labels[k].at)];
        Oli_Text_Box_Printf(p.x, p.y, 4, 4, "%s", labels[k].text);
    }
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

// The weld all round a round bar or tube: the circle of radius R about
// (cx, cy) on its outer face, drawn and taken like a weld line.
void Weld_Ring(double cx, double cy, double R, int pen, int width, double s) {
    Oli_Pen_Filled_Circle(cx, cy, R, -1, 0, width, pen);
    const int n = 64;
    for (int k = 0; k < n; ++k) {
        const double a = 2.0 * M_PI * k / n, b = 2.0 * M_PI * (k + 1) / n;
        Take_Line(cx + R * std::cos(a), cy + R * std::sin(a), cx + R * std::cos(b), cy + R * std::sin(b),
                  kWeldHalf / s);
    }
}

// The profile's extent (mm) and the paper margins of its picture beyond it
// (cm: left, top, right, bottom).
struct Picture_Extent {
    double w = 0.0, h = 0.0, margins[4] = {kMargin, kMargin, kMargin, kMargin};
    double Width(double s) const { return w * s + margins[0] + margins[2]; }
    double Height(double s) const { return h * s + margins[1] + margins[3]; }
};

// The extent and margins of the profile's picture of options o at the
// current picture height, as Draw_XS_Weld_Plot (o, list, 0, 1, 0) draws it.
Picture_Extent Extent_Of(const SchweissnahtNachweis* r, const XSPlotOptions* o) {
    Picture_Extent x;
    XS_Plot_Extent(&r->profile, &x.w, &x.h);
    XS_Plot_Own_Margins(o, 1, 0, x.margins);
    return x;
}

// The end points and weld lines on top of the profile, in a graphic of the
// same paper extent: x = y' (to the left, so the extent runs from right to
// left), y = h/2 - z' (upwards). The texts and marks of the profile's
// picture below stay in the way of the labels. First the lines and the
// dots, then the weld names and the point numbers.
void Overlay(const SchweissnahtNachweis* r, FILE* list, double s, const Picture_Extent& x) {
    const double e = Weld_Check_Centroid_From_Left(), h = x.h;
    Oli_Keep_Taken_Areas();
    if (Oli_Grafik_Begin(list, e + x.margins[0] / s, -h / 2 - x.margins[3] / s, e - x.w - x.margins[2] / s,
                         h / 2 + x.margins[1] / s, s, s, 0.0, nullptr) == OLI_GRAFIK_NO_SCALE)
        return;
    Oli_Set_Color_Mode(1);
    static constexpr OliRecordText kTextClass(" ", OLI_REC_TEXT_CLASS, " 6\n");
    Oli_Put_Record(Oli_Get_Picture_State()->stream, kTextClass);
    const int pen = r->weld_kind == WELD_FILLET ? OliRole_Fillet_Weld_Pen : OliRole_Other_Weld_Pen;
    const bool ring = r->profile.type == PROFILTYP_RUND || r->profile.type == PROFILTYP_ROHR;
    // Marks grow with the picture: a diameter of 0.15 cm.
    const double d = 0.15 / s;
    const double cz = h / 2 - r->profile.z_s;  // the profile's centroid: (0, cz)
    double a_ring = 0.0;
    if (ring && Weld_Check_End_Point(0, 0, nullptr, nullptr, &a_ring) + Weld_Check_End_Point(0, 2, nullptr, nullptr, &a_ring))
        Weld_Ring(0.0, cz, r->profile.h / 2.0, pen, Oli_Weld_Line_Pen(std::lround(std::floor(a_ring + 0.01))), s);
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
    Labels(r, Profile_Frame{e, h}, ring, cz, pen, s);
    // No move back up after it, as the profile's own picture makes: the
    // point labels of the lowest weld ends lie in the bottom margin, and the
    // text after the picture must start below them.
    Safe_Fprintf(list, " -1\n");
}

// The profile's own picture and the overlay on it: the profile's scale
// (mm per cm, 0 when it has no picture: nothing more is drawn); its extent
// and margins in *x. The position stored before it (`top`) is returned to
// between the two.
double Draw_Profile_And_Overlay(const SchweissnahtNachweis* r, XSPlotOptions* o, FILE* list, int top,
                                Picture_Extent* x) {
    // The letters of the profile's marks keep clear of the end points the
    // overlay draws: (y', z') is the profile picture's point (e - y', z').
    const double e = Weld_Check_Centroid_From_Left();
    std::vector<double> ends;
    for (int k = 0; k < WELD_CHECK_WELDS; ++k)
        for (int i = 0; i < WELD_CHECK_END_POINTS; ++i) {
            double y, z;
            if (Weld_Check_End_Point(k, i, &y, &z, nullptr)) ends.insert(ends.end(), {e - y, z});
        }
    XS_Plot_Keep_Marks_Clear(ends.data(), static_cast<int>(ends.size() / 2));
    const double mm_per_cm = Draw_XS_Weld_Plot(o, list, 0, 1, 0);
    if (!(mm_per_cm > 1e-8)) return 0.0;
    // The profile's outline is no place for the overlay's labels either,
    // where no weld line lies on it (the rounded corners of a rolled
    // section).
    XS_Plot_Take_Outline();
    Oli_Return_To_Y_Position(list, top);
    *x = Extent_Of(r, o);
    Overlay(r, list, 1.0 / mm_per_cm, *x);
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
    bool after_is_entry = false;  // the picture leaves the state as it found it
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

double Kept_Or_Drawn_Picture(const SchweissnahtNachweis* r, XSPlotOptions* o, FILE* list, int top,
                             Picture_Extent* x) {
    static Kept_Picture kept;
    static Picture_Inputs now;  // zero-initialised once: its gaps stay zero
    if (PlotFile_Is_Open()) {
        kept.valid = false;
        return Draw_Profile_And_Overlay(r, o, list, top, x);
    }
    Fill_Picture_Inputs(r, *o, list, top, &now);
    if (kept.valid && std::memcmp(&now, &kept.inputs, sizeof now) == 0 && Oli_Writer_State_Is(kept.entry)) {
        VEK_Stream_Put(list, kept.bytes.data(), kept.bytes.size());
        if (!kept.after_is_entry) Oli_Set_Writer_State(kept.after);
        *x = Extent_Of(r, o);
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
    if (!memory) return Draw_Profile_And_Overlay(r, o, list, top, x);
    const double mm_per_cm = Draw_Profile_And_Overlay(r, o, memory, top, x);
    if (std::fclose(memory) != 0) {
        // The bytes are lost: drawn again into the list from where it began.
        std::free(bytes);
        Oli_Set_Writer_State(entry);
        return Draw_Profile_And_Overlay(r, o, list, top, x);
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
        // The state now is the one it left; it is the entry state when
        // that compares equal with it.
        kept.after_is_entry = Oli_Writer_State_Is(kept.entry);
        kept.mm_per_cm = mm_per_cm;
        kept.valid = true;
    }
    std::free(bytes);
    return mm_per_cm;
}

// The height of the profile's picture, whole cm: the usual 5 cm, more
// (at most kMostHeight) where the shortest weld line would be drawn shorter
// than kShortestWeld: its two numbers and its box need that room beside it,
// and the numbers of neighbouring welds would run together.
const int kMostHeight = 12;
const double kShortestWeld = 0.8;  // paper cm
int Picture_Height(const SchweissnahtNachweis* r, int usual) {
    double w = 0.0, h = 0.0, shortest = 1e300;
    XS_Plot_Extent(&r->profile, &w, &h);
    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        double y0, z0, y1, z1;
        if (Weld_Check_End_Point(k, 0, &y0, &z0, nullptr) && Weld_Check_End_Point(k, 1, &y1, &z1, nullptr) &&
            std::hypot(y1 - y0, z1 - z0) > 0.0)
            shortest = std::fmin(shortest, std::hypot(y1 - y0, z1 - z0));
    }
    if (!(w >= 1.0 && h >= 1.0 && shortest < 1e300 && w < 1e9 && h < 1e9)) return usual;
    // The scale the width allows, and the height (with the picture's 0.8 cm
    // of margins) that gives the shortest weld its room.
    const double most = 15.2 / w, need = std::fmin(most, kShortestWeld / shortest);
    const double height = need * h + 0.8;
    return height > usual ? static_cast<int>(std::fmin(std::ceil(height - 1e-9), kMostHeight)) : usual;
}

}  // namespace

int Draw_Weld_Check_Picture(const SchweissnahtNachweis* r, FILE* list, int level) {
    if (!r || !list) return 0;
    const int usual = XS_Plot_Height_cm, height_cm = Picture_Height(r, usual);
    Init_Oli_Pens();
    XSPlotOptions o;
    Init_XS_Plot_Options(&o);
    o.mm_per_cm = 0.0;
    o.fill_pen = OliRole_Profile_Pen;
    o.line_width = 1;
    o.line_pen = OliRole_Outline_Pen;
    o.profile = &r->profile;
    o.angle_deg = 0.0;
    if (level > 0) {
        // The room of the picture: its height and a centimetre, more where
        // a mark widens its margins above or below.
        XS_Plot_Height_cm = height_cm;
        const Picture_Extent x = Extent_Of(r, &o);
        XS_Plot_Height_cm = usual;
        const double more = x.margins[1] + x.margins[3] - 2.0 * kMargin;
        OLI_End_Text(list);
        OLI_reserveSpaceCM(list, std::fmax(6.0, height_cm + 1.0 + (more > 1e-9 ? more : 0.0)));
        OLI_printf(list, "%s╬HBerechnungsquerschnitt:\n"_cp, Check_Line_Prefix);
    }
    OLI_End_Text(list);

    const int top = Oli_Store_Y_Position(list);
    Picture_Extent x;
    XS_Plot_Height_cm = height_cm;
    const double mm_per_cm = Kept_Or_Drawn_Picture(r, &o, list, top, &x);
    XS_Plot_Height_cm = usual;
    if (!(mm_per_cm > 1e-8)) {
        Oli_Free_Position_Index(top);
        return 0;
    }
    const double s = 1.0 / mm_per_cm;

    const double width = x.Width(s), height = x.Height(s);
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
    const double tabs[3] = {left + kLegendStops[0], left + kLegendStops[1], left + kLegendStops[2]};
    OLI_Set_Tabs(1, nullptr, tabs, Weld_Check_Legend_Has_Long_Throat() ? 3 : 2);
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
