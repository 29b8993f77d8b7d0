// Circles, rings, arcs, sectors and slots of pictures. The print list gets
// them as polygons and chains of chords on fixed angle grids; the plot file
// gets circles and rings as areas with true arc edges and arcs as groups of
// line entities.
//
// The chord grid of arcs and sectors is walked from angle 0 by repeated
// addition of the step (not as k times the step), so a full circle reaches
// its last grid angle a few units of the last place above 2 pi and leaves
// it to the closing chord.
#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "base/rounding.h"
#include "base/vesk.h"
#include "platform/format.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliplot_internal.h"
#include "printlist/plotfile.h"

using ioliplot::PI;
using ioliplot::S;

// Start and end of an arc in radians: start lifted to 0 or above, end
// lifted to the start or above, by whole turns. Angles of more than ten
// thousand turns are first reduced at once, so that no value makes the
// lifting run for ever; false (nothing to draw) for angles that are not
// numbers.
static bool Normalize_Arc(double start_deg, double sweep_deg, double* start, double* end) {
    const double turn = 2.0 * PI, far = 1e4 * turn;
    *start = start_deg * PI / 180.0;
    *end = *start + sweep_deg * PI / 180.0;
    if (!std::isfinite(*start) || !std::isfinite(*end)) return false;
    if (*start < -far) *start = std::fmod(*start, turn);
    while (*start < 0.0) *start += turn;
    if (*start - *end > far) *end = *start - std::fmod(*start - *end, turn);
    while (*end < *start) *end += turn;
    return true;
}

// Cosine and sine of the angles of a grid, computed once for the run: the
// polygon grid k pi/16 (k times the step), and the chord grids of arcs,
// whose angles are walked from 0 by repeated addition of the step.
struct Unit_Grid {
    enum { kSize = 132 };  // 4 pi in steps of pi/32, and the step beyond
    double angle[kSize], cos[kSize], sin[kSize];
};

static Unit_Grid Make_Grid(double step, bool walked) {
    Unit_Grid g;
    double a = 0.0;
    for (int k = 0; k < Unit_Grid::kSize; k++) {
        g.angle[k] = walked ? a : k * PI / 16.0;
        g.cos[k] = std::cos(g.angle[k]);
        g.sin[k] = std::sin(g.angle[k]);
        a += step;
    }
    return g;
}

static const Unit_Grid& Polygon_Grid(void) {
    static const Unit_Grid grid = Make_Grid(PI / 16.0, false);
    return grid;
}

static const Unit_Grid& Chord_Grid(double step) {
    static const Unit_Grid coarse = Make_Grid(PI / 16.0, true), fine = Make_Grid(PI / 32.0, true);
    return step == PI / 16.0 ? coarse : fine;
}

// The grid points a with start < a <= end of the walked grid of step, at
// most max_steps of them and only those below limit, up to the first a at
// or beyond end: their indices into Chord_Grid(step), at most kSize.
static int Grid_Angles(double start, double end, double step, int max_steps, double limit,
                       int index[Unit_Grid::kSize]) {
    const Unit_Grid& g = Chord_Grid(step);
    int n = 0;
    assert(max_steps <= Unit_Grid::kSize);
    for (int i = 0; i < max_steps && g.angle[i] < limit; i++) {
        const double a = g.angle[i];
        if (a > start && a <= end) index[n++] = i;
        if (Round_To_Decimals(a - end, 5) >= 0.0) break;
    }
    return n;
}

// Records kept by the values that decide their bytes. A picture drawn for
// every load case of a connection draws the same circles and arcs each time
// (the outlines of its dots): their records are kept by a kind, their
// arguments, the picture's rotation and scales (compared bit for bit), with
// the box of the world points they extend the picture's box by. Only for a
// picture in a stream with no plot file open (the plot file's records carry
// running numbers); texts longer than kKeptText are not kept.
namespace {

struct Kept_Record {
    double key[9];
    std::string text;
    double box[4];  // least x, largest x, least y, largest y of the world points
    std::uint64_t used = 0;
};

constexpr size_t kKeptSlots = 256, kKeptWays = 4, kKeptText = 4096;

// The place of key: *found when it holds the key's record, otherwise the
// place used longest ago of the key's ways, emptied (its box empty) and
// holding the key, for the caller to fill.
Kept_Record& Kept_Place(const double (&key)[9], bool* found) {
    static std::vector<Kept_Record> slots(kKeptSlots);
    static std::uint64_t clock = 0;
    Kept_Record& place = ioliplot::Memo_Place<kKeptSlots, kKeptWays>(
        slots.data(), ioliplot::Hash_Bits(key, 9), &clock,
        [&key](const Kept_Record& k) { return std::memcmp(k.key, key, sizeof key) == 0; }, found);
    if (*found) return place;
    std::memcpy(place.key, key, sizeof key);
    place.text.clear();
    place.box[0] = place.box[2] = HUGE_VAL, place.box[1] = place.box[3] = -HUGE_VAL;
    return place;
}

// Writes a kept record and extends the box as its world points did.
void Put_Kept(const Kept_Record& k) {
    ioliplot::Extend_Box_Range(k.box[0], k.box[1], k.box[2], k.box[3]);
    VEK_Stream_Put(S().stream, k.text.data(), k.text.size());
}

// A place filled with a text too long to keep is given up.
void Settle_Kept(Kept_Record* k) {
    if (k->text.size() > kKeptText) k->used = 0, std::string().swap(k->text);
}

// Whether records may be kept: a stream and no plot file.
bool May_Keep(void) { return S().stream && !PlotFile_Is_Open(); }

}  // namespace

// count points of a circle on the grid k pi/16 about (ox, oy) with the
// radii rx and ry, each coordinate times the factor of its axis, in one
// write.
static void Circle_Points(int count, double ox, double oy, double rx, double ry, double fx, double fy,
                          double v[]) {
    const Unit_Grid& g = Polygon_Grid();
    assert(count <= 33);
    for (int k = 0; k < count; k++) {
        v[2 * k] = (ox + rx * g.cos[k]) * fx;
        v[2 * k + 1] = (oy + ry * g.sin[k]) * fy;
    }
}

static void Write_Circle_Points(int count, double ox, double oy, double rx, double ry, double fx, double fy) {
    double v[2 * 33];
    Circle_Points(count, ox, oy, rx, ry, fx, fy, v);
    ioliplot::Write_Values(S().stream, nullptr, v, 2 * count, nullptr);
}

// The 32-point polygon of a circle about a turned world point.
static void Write_Circle_Record(double cx, double cy, double r) {
    const Oli_Picture_State& s = S();
    Safe_Fprintf(s.stream, " %d %d", OLI_REC_POLYGON, 32);
    Write_Circle_Points(32, cx, cy, r, r, s.scale_x, s.scale_y);
    Safe_Fprintf(s.stream, "\n");
}

void Oli_Filled_Circle(double cx, double cy, double d) {
    ioliplot::Extend_Box(cx - d, cy - d);
    ioliplot::Extend_Box(cx + d, cy + d);
    const double x = cx, y = cy;
    ioliplot::Turn(&cx, &cy);
    double r = d / 2.0;
    if (!May_Keep()) {
        Write_Circle_Record(cx, cy, r);
        PlotFile_Circle(cx, cy, r);
        return;
    }
    // The box is extended above: the kept record's stays empty.
    const Oli_Picture_State& s = S();
    bool found;
    Kept_Record& k = Kept_Place({2.0, x, y, d, 0.0, 0.0, s.rotation, s.scale_x, s.scale_y}, &found);
    if (!found) {
        double v[2 * 32];
        Circle_Points(32, cx, cy, r, r, s.scale_x, s.scale_y, v);
        static constexpr OliRecordText kCircle(" ", OLI_REC_POLYGON, " 32");
        k.text.assign(kCircle.text, kCircle.size);
        k.text += ioliplot::Format_Values(v, 2 * 32);
        k.text += '\n';
    }
    Put_Kept(k);
    Settle_Kept(&k);
}

void Oli_Filled_Circle_Round(double cx, double cy, double d) {
    Oli_Picture_State& s = S();
    ioliplot::Extend_Box(cx - d, cy - d);
    ioliplot::Extend_Box(cx + d, cy + d);
    ioliplot::Turn(&cx, &cy);
    double r = d / 2.0, rp = r * s.scale_x;
    Safe_Fprintf(s.stream, " %d %d", OLI_REC_POLYGON, 32);
    Write_Circle_Points(32, cx * s.scale_x, cy * s.scale_y, rp, rp, 1.0, 1.0);
    Safe_Fprintf(s.stream, "\n");
    PlotFile_Circle(cx, cy, r);
}

void Oli_Ring(double cx, double cy, double d_outer, double d_inner) {
    Oli_Picture_State& s = S();
    ioliplot::Extend_Box(cx - d_outer, cy - d_outer);
    ioliplot::Extend_Box(cx + d_outer, cy + d_outer);
    ioliplot::Turn(&cx, &cy);
    double R = d_outer / 2.0, rho = d_inner / 2.0;
    Safe_Fprintf(s.stream, " %d %d", OLI_REC_POLYGON, 66);
    // Both loops closed: 33 points each, the last one on the first.
    for (double radius : {R, rho}) Write_Circle_Points(33, cx, cy, radius, radius, s.scale_x, s.scale_y);
    Safe_Fprintf(s.stream, "\n");
    PlotFile_Ring(cx, cy, R, rho);
}

// The chord points of an arc: its start, the grid points between (below
// 4 pi), its end. False (nothing to draw) for angles that are not numbers.
struct Arc_Points {
    int n;
    double x[Unit_Grid::kSize + 2], y[Unit_Grid::kSize + 2];
};

// The angles of an arc on its grid: its start and end, the grid points
// between, and the cosine and sine of start and end. The same for the same
// arguments (bit for bit): the last one is kept, since pictures draw many
// arcs of the same angles (every full circle).
struct Arc_Angles {
    double args[5];
    bool ok;
    int n;
    int index[Unit_Grid::kSize];
    double cos_start, sin_start, cos_end, sin_end;
};

static const Arc_Angles& Angles_Of(double start_deg, double sweep_deg, double step, int max_steps, double limit) {
    static Arc_Angles last = {{}, false, -1, {}, 0.0, 0.0, 0.0, 0.0};
    const double args[5] = {start_deg, sweep_deg, step, static_cast<double>(max_steps), limit};
    if (last.n >= 0 && std::memcmp(args, last.args, sizeof args) == 0) return last;
    std::memcpy(last.args, args, sizeof args);
    double start, end;
    last.ok = Normalize_Arc(start_deg, sweep_deg, &start, &end);
    last.n = last.ok ? Grid_Angles(start, end, step, max_steps, limit, last.index) : 0;
    if (last.ok) {
        last.cos_start = std::cos(start), last.sin_start = std::sin(start);
        last.cos_end = std::cos(end), last.sin_end = std::sin(end);
    }
    return last;
}

static bool Arc_Chord_Points(double cx, double cy, double d, double start_deg, double sweep_deg, double step,
                             int max_steps, double limit, Arc_Points* p) {
    const Arc_Angles& a = Angles_Of(start_deg, sweep_deg, step, max_steps, limit);
    if (!a.ok) return false;
    const double r = d / 2.0;
    const int n = a.n;
    const Unit_Grid& g = Chord_Grid(step);
    p->x[0] = cx + r * a.cos_start, p->y[0] = cy + r * a.sin_start;
    for (int i = 0; i < n; i++) p->x[i + 1] = cx + r * g.cos[a.index[i]], p->y[i + 1] = cy + r * g.sin[a.index[i]];
    p->x[n + 1] = cx + r * a.cos_end, p->y[n + 1] = cy + r * a.sin_end;
    p->n = n + 2;
    return true;
}

// The chords of an arc: from its start over the grid angles to its end.
static bool Arc_Chords(double cx, double cy, double d, double start_deg, double sweep_deg, Arc_Points* p) {
    const double step = sweep_deg <= 180.0 ? PI / 32.0 : PI / 16.0;
    return Arc_Chord_Points(cx, cy, d, start_deg, sweep_deg, step, (int)(4.0 * PI / step) + 2, 4.0 * PI, p);
}

// Line records of the chords between the n world points, as
// Oli_Line writes them one by one, with each point turned and formatted
// once, appended to *out; box (as in Kept_Record) grows by the points.
static void Chord_Records(int n, double x[], double y[], std::string* out, double box[4]) {
    const Oli_Picture_State& s = S();
    double v[2 * (Unit_Grid::kSize + 2)];
    for (int i = 0; i < n; i++) {
        ioliplot::Extend_Box(x[i], y[i]);
        if (x[i] < box[0]) box[0] = x[i];
        if (x[i] > box[1]) box[1] = x[i];
        if (y[i] < box[2]) box[2] = y[i];
        if (y[i] > box[3]) box[3] = y[i];
        ioliplot::Turn(&x[i], &y[i]);
        v[2 * i] = x[i] * s.scale_x, v[2 * i + 1] = y[i] * s.scale_y;
    }
    // " x y" of point i: from at[2 i] to at[2 i + 2], each value from its
    // blank on ("%lf" writes none).
    const std::string& text = ioliplot::Format_Values(v, 2 * n);
    const size_t values = 2 * static_cast<size_t>(n);
    size_t at[2 * (Unit_Grid::kSize + 2) + 1], count = 0;
    for (size_t c = 0; c < text.size() && count < values; c++)
        if (text[c] == ' ') at[count++] = c;
    assert(count == values);
    at[values] = text.size();
    for (int i = 0; i + 1 < n; i++) {
        const size_t from = at[2 * i], size = at[2 * i + 4] - from;
        static constexpr OliRecordText kLine(" ", OLI_REC_LINE, " ");
        out->append(kLine.text, kLine.size);
        out->append(text, from, size);
        *out += '\n';
        PlotFile_Line(x[i], y[i], x[i + 1], y[i + 1]);
    }
}

void Oli_Arc(double cx, double cy, double d, double start, double sweep) {
    const Oli_Picture_State& s = S();
    Arc_Points p;
    if (May_Keep()) {
        bool found;
        Kept_Record& k =
            Kept_Place({1.0, cx, cy, d, start, sweep, s.rotation, s.scale_x, s.scale_y}, &found);
        if (!found && Arc_Chords(cx, cy, d, start, sweep, &p)) Chord_Records(p.n, p.x, p.y, &k.text, k.box);
        Put_Kept(k);
        Settle_Kept(&k);
        return;
    }
    PlotFile_Open_Group();
    static std::string out;
    double box[4] = {HUGE_VAL, -HUGE_VAL, HUGE_VAL, -HUGE_VAL};
    out.clear();
    if (Arc_Chords(cx, cy, d, start, sweep, &p)) Chord_Records(p.n, p.x, p.y, &out, box);
    if (s.stream) VEK_Stream_Put(s.stream, out.data(), out.size());  // no stream: the plot file only
    PlotFile_Close_Group();
}

void Oli_Arc_Lines(double cx, double cy, double d, double start, double sweep) {
    Oli_Picture_State& s = S();
    double tcx = cx, tcy = cy;
    ioliplot::Turn(&tcx, &tcy);
    PlotFile_Open_Group();
    Arc_Points p;
    if (!Arc_Chords(cx, cy, d, start, sweep, &p)) p.n = 0;
    for (int i = 0; i + 1 < p.n; i++) {
        const double x1 = p.x[i], y1 = p.y[i], x2 = p.x[i + 1], y2 = p.y[i + 1];
        ioliplot::Extend_Box(x1, y1);
        ioliplot::Extend_Box(x2, y2);
        // Offsets from the centre, turned and scaled by scale x on both axes:
        // the arc stays circular on paper.
        double ox1 = x1 - cx, oy1 = y1 - cy, ox2 = x2 - cx, oy2 = y2 - cy;
        ioliplot::Turn(&ox1, &oy1);
        ioliplot::Turn(&ox2, &oy2);
        const double v[4] = {tcx * s.scale_x + ox1 * s.scale_x, tcy * s.scale_y + oy1 * s.scale_x,
                             tcx * s.scale_x + ox2 * s.scale_x, tcy * s.scale_y + oy2 * s.scale_x};
        static constexpr OliRecordText kLine(" ", OLI_REC_LINE, " ");
        Safe_Write_Fixed(s.stream, kLine.text, v, 4, "\n");
    }
    PlotFile_Close_Group();
}

void Oli_Filled_Sector(double cx, double cy, double d, double start_deg, double sweep_deg) {
    ioliplot::Extend_Box(cx - d, cy - d);
    ioliplot::Extend_Box(cx + d, cy + d);
    // The centre, then the chord points of the arc.
    Arc_Points p;
    if (!Arc_Chord_Points(cx, cy, d, start_deg, sweep_deg, PI / 16.0, 65, HUGE_VAL, &p)) return;
    double x[Unit_Grid::kSize + 3] = {cx}, y[Unit_Grid::kSize + 3] = {cy};
    std::copy(p.x, p.x + p.n, x + 1);
    std::copy(p.y, p.y + p.n, y + 1);
    PlotFile_Open_Group();
    ioliplot::Write_Area_Record(p.n + 1, x, y, "\n");
    PlotFile_Close_Group();
}

// Outline points of a slot: the half circles of diameter min(width,
// height) at both ends, each sampled on the pi/16 grid (17 points per half
// circle when closed is set, 16 otherwise), the first half at the end of
// larger x (or larger y), counter-clockwise.
static void Slot_Points(double cx, double cy, double width, double height, int per_half,
                        std::vector<double>* x, std::vector<double>* y) {
    double r = std::fmin(width, height) / 2.0;
    bool flat = width > height;
    double off = flat ? (width - height) / 2.0 : (height - width) / 2.0;
    double ax = flat ? cx + off : cx, ay = flat ? cy : cy + off;  // first half circle centre
    double bx = flat ? cx - off : cx, by = flat ? cy : cy - off;  // second half circle centre
    double a0 = flat ? -PI / 2.0 : 0.0;
    for (int k = 0; k < per_half; k++) {
        double a = a0 + k * PI / 16.0;
        x->push_back(ax + r * std::cos(a)), y->push_back(ay + r * std::sin(a));
    }
    for (int k = 0; k < per_half; k++) {
        double a = a0 + PI + k * PI / 16.0;
        x->push_back(bx + r * std::cos(a)), y->push_back(by + r * std::sin(a));
    }
}

void Oli_Slot_Outline(double cx, double cy, double width, double height) {
    std::vector<double> x, y;
    Slot_Points(cx, cy, width, height, 17, &x, &y);
    // 16 chords per half circle, the two straight sides between them.
    Oli_Polyline((int)x.size(), x.data(), y.data());
}

void Oli_Filled_Slot(double cx, double cy, double width, double height) {
    std::vector<double> x, y;
    Slot_Points(cx, cy, width, height, width > height ? 16 : 17, &x, &y);
    ioliplot::Write_Area_Record((int)x.size(), x.data(), y.data(), "\n");
}

void Oli_Filled_Polygon_With_Holes(int n, const double x[], const double y[], int holes,
                                   const int counts[], const double hx[], const double hy[],
                                   int circles, const double cx[], const double cy[],
                                   const double areas[]) {
    if (n < 1) return;
    assert(x != nullptr && y != nullptr);
    holes = holes > 0 ? holes : 0;
    circles = circles > 0 ? circles : 0;
    assert(holes == 0 || (counts != nullptr && hx != nullptr && hy != nullptr));
    assert(circles == 0 || (cx != nullptr && cy != nullptr && areas != nullptr));
    for (int i = 0; i < n; i++) ioliplot::Extend_Box(x[i], y[i]);
    // Working copies: the caller's points are never touched.
    std::vector<double> ox(x, x + n), oy(y, y + n);
    ioliplot::Turn_Points(n, ox.data(), oy.data());
    ioliplot::Write_Area_Record(n, ox.data(), oy.data(), " \n");
    Oli_Fill_Record(0);

    int total = 0;
    for (int h = 0; h < holes; h++) total += counts[h] > 0 ? counts[h] : 0;
    std::vector<double> tx(hx, hx + total), ty(hy, hy + total);
    int at = 0;
    for (int h = 0; h < holes; h++) {
        int m = counts[h] > 0 ? counts[h] : 0;
        ioliplot::Turn_Points(m, tx.data() + at, ty.data() + at);
        ioliplot::Write_Area_Record(m, tx.data() + at, ty.data() + at, " \n");
        at += m;
    }
    std::vector<double> ccx(circles), ccy(circles), radii(circles);
    for (int c = 0; c < circles; c++) {
        radii[c] = std::sqrt(areas[c] / PI);
        ccx[c] = cx[c], ccy[c] = cy[c];
        ioliplot::Turn(&ccx[c], &ccy[c]);
        Write_Circle_Record(ccx[c], ccy[c], radii[c]);
    }
    PlotFile_Holes_Area(n, ox.data(), oy.data(), holes, counts, tx.data(), ty.data(), circles,
                        ccx.data(), ccy.data(), radii.data());
}
