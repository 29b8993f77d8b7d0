// Graphic records of a picture and the primitive writers: elements, fill
// patterns, colours, dash patterns, lines, rectangles, frames, polygons,
// polylines and bars.
//
// Lines and areas extend the bounding box by their world points, turn the
// points by the picture rotation and write them times the scale of their
// axis. The plot file, when open, gets the turned, unscaled points.
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "base/geometry.h"
#include "base/vesk.h"
#include "platform/screen.h"
#include "platform/format.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliplot_internal.h"
#include "printlist/plotfile.h"

using ioliplot::S;

// ---- elements, fills, dashes ------------------------------------------------

void Oli_Element_Begin(void) {
    Oli_Picture_State& s = S();
    // Elements do not nest: the saved state below holds one level.
    if (s.element_depth > 0) ++s.element_faults;
    ++s.element_depth;
    ioliplot::Note_Element(true);
    static constexpr OliRecordText kBegin(" ", OLI_REC_ELEMENT_BEGIN, "\n");
    static constexpr OliRecordText kColourBegin(" ", OLI_REC_COLOUR_ELEMENT_BEGIN, "\n");
    Oli_Put_Record(s.stream, kBegin);
    if (s.color_mode) Oli_Put_Record(s.stream, kColourBegin);
    if (PlotFile_Is_Open()) {
        const PlotFile_State* p = PlotFile_Get_State();
        s.saved_pen = p->pen;
        s.saved_filling = p->filling;
        s.saved_line_type = p->line_type;
        s.saved_font = p->font;
    }
    s.saved_text_angle = s.text_angle;
    s.saved_rotation = s.rotation;
    s.saved_text_height = s.text_height;
}

int ioliplot::Element_End(void) {
    Oli_Picture_State& s = S();
    if (s.element_depth > 0) --s.element_depth;
    else ++s.element_faults;
    ioliplot::Note_Element(false);
    static constexpr OliRecordText kEnd(" ", OLI_REC_ELEMENT_END, "\n");
    static constexpr OliRecordText kColourEnd(" ", OLI_REC_COLOUR_ELEMENT_END, "\n");
    int result = Oli_Put_Record(s.stream, kEnd);
    if (s.color_mode) result = Oli_Put_Record(s.stream, kColourEnd);
    if (PlotFile_Is_Open()) {
        PlotFile_State* p = PlotFile_Get_State();
        p->pen = s.saved_pen;
        p->filling = s.saved_filling;
        p->line_type = s.saved_line_type;
        p->font = s.saved_font;
    }
    s.text_angle = s.saved_text_angle;
    s.rotation = s.saved_rotation;
    s.text_height = s.saved_text_height;
    return result;
}

void Oli_Element_End(void) { ioliplot::Element_End(); }

void Oli_Fill_Record(int pattern) {
    Safe_Fprintf(S().stream, " %d  %d\n", OLI_REC_FILL_PATTERN, S().fill_mode ? pattern : 0);
    ioliplot::Note_Fill(S().fill_mode ? pattern : 0);
}

void Oli_Dash_Pattern(int line_type) {
    static const char* const LENGTHS[5] = {" ", "0.1 0.1", "0.03 0.05", "0.28 0.05 0.04 0.05",
                                           "0.01 0.28"};
    static const int COUNTS[5] = {0, 2, 2, 4, 2};
    int t = (line_type >= 1 && line_type <= 4) ? line_type : 0;
    Safe_Fprintf(S().stream, " %d %d %s %d\n", OLI_REC_DASH, COUNTS[t], LENGTHS[t], 0);
}

// ---- colours -------------------------------------------------------------------

int Pack_RGB(int r, int g, int b) {
    auto clamp = [](int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); };
    return clamp(r) + 256 * clamp(g) + 65536 * clamp(b);
}

int Unpack_RGB(int packed, int* r, int* g, int* b) {
    if (r) *r = packed & 0xFF;
    if (g) *g = (packed >> 8) & 0xFF;
    if (!b) return packed;
    *b = (packed >> 16) & 0xFF;
    return *b;
}

static int Round_Half_Away(double v) {
    return (int)(v >= 0.0 ? std::floor(v + 0.5) : -std::floor(-v + 0.5));
}

static int Component(double v) {
    int c = Round_Half_Away(255.0 * v);
    return c < 0 ? 0 : (c > 255 ? 255 : c);
}

void Scale_RGB_Lightness(int* r, int* g, int* b, double percent) {
    assert(r != nullptr && g != nullptr && b != nullptr);
    double rf = *r / 255.0, gf = *g / 255.0, bf = *b / 255.0;
    double mx = std::fmax(rf, std::fmax(gf, bf)), mn = std::fmin(rf, std::fmin(gf, bf));
    double l = (mx + mn) / 2.0, s = 0.0, h = 0.0;
    if (mx > mn) {
        double d = mx - mn;
        s = (l <= 0.5) ? d / (mx + mn) : d / (2.0 - mx - mn);
        double cr = (mx - rf) / d, cg = (mx - gf) / d, cb = (mx - bf) / d;
        if (rf == mx)
            h = (gf == mn) ? 5.0 + cb : 1.0 - cg;
        else if (gf == mx)
            h = (bf == mn) ? 1.0 + cr : 3.0 - cb;
        else
            h = (rf == mn) ? 3.0 + cg : 5.0 - cr;
        h /= 6.0;
    }
    l *= 1.0 + 0.01 * percent;
    double m2 = (l <= 0.5) ? l * (1.0 + s) : l + s - l * s;
    if (m2 <= 0.0) {
        *r = *g = *b = 0;
        return;
    }
    double m1 = 2.0 * l - m2;
    double v = m2, sv = (m2 - m1) / m2;
    double h6 = 6.0 * h;
    double whole = std::floor(h6);
    double f = h6 - whole;
    // A hue of exactly one full turn (pure red) is sextant 0 again.
    int i = ((int)whole % 6 + 6) % 6;
    double p = m1, q = v * (1.0 - sv * f), t = v * (1.0 - sv * (1.0 - f));
    double c[6][3] = {{v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}};
    *r = Component(c[i][0]);
    *g = Component(c[i][1]);
    *b = Component(c[i][2]);
}

int Lighten_Packed_Color(int packed, double percent) {
    int r, g, b;
    Unpack_RGB(packed, &r, &g, &b);
    Scale_RGB_Lightness(&r, &g, &b, percent);
    return Nearest_RGB_Color(r, g, b);
}

int Darken_Packed_Color(int packed, double percent) { return Lighten_Packed_Color(packed, -percent); }

// One stored colour (line or fill) and the record that carries it.
struct Color_Slot {
    OliGraphicRecord record;  // OLI_REC_LINE_COLOUR or OLI_REC_FILL_COLOUR
    int* rgb;
    double* lightness;
};

static Color_Slot Line_Slot(void) { return {OLI_REC_LINE_COLOUR, S().line_rgb, &S().line_lightness}; }
static Color_Slot Fill_Slot(void) { return {OLI_REC_FILL_COLOUR, S().fill_rgb, &S().fill_lightness}; }

// The record of a stored colour with its lightness change, in colour mode.
// One of the most frequent records, mostly the same colour again: the last
// record of each slot is kept with the colour and lightness it came from.
static void Write_Color(const Color_Slot& slot) {
    if (!S().color_mode) return;
    FILE* stream = S().stream;
    if (!stream) return;
    struct Kept {
        int rgb[3];
        double lightness;
        std::string text;  // empty: nothing kept
    };
    static Kept kept[2];  // the line and the fill colour
    Kept& k = kept[slot.record == OLI_REC_FILL_COLOUR];
    if (k.text.empty() || std::memcmp(k.rgb, slot.rgb, sizeof k.rgb) != 0 ||
        std::memcmp(&k.lightness, slot.lightness, sizeof k.lightness) != 0) {
        int r = slot.rgb[0], g = slot.rgb[1], b = slot.rgb[2];
        if (*slot.lightness != 0.0) Scale_RGB_Lightness(&r, &g, &b, *slot.lightness);
        // "%d %d %d %d\n" put together here (no leading blank).
        k.text.clear();
        ioliplot::Append_Int(&k.text, slot.record);
        for (int v : {r, g, b}) k.text += ' ', ioliplot::Append_Int(&k.text, v);
        k.text += '\n';
        std::memcpy(k.rgb, slot.rgb, sizeof k.rgb);
        k.lightness = *slot.lightness;
    }
    VEK_Stream_Put(stream, k.text.data(), k.text.size());
}

static void Store_Color(const Color_Slot& slot, int r, int g, int b) {
    slot.rgb[0] = r, slot.rgb[1] = g, slot.rgb[2] = b;
    Write_Color(slot);
}

static void Store_Packed(const Color_Slot& slot, int packed) {
    int r, g, b;
    Unpack_RGB(packed, &r, &g, &b);
    Store_Color(slot, r, g, b);
}

static void Store_Lightness(const Color_Slot& slot, double percent) {
    *slot.lightness = percent;
    Write_Color(slot);
}

void Oli_Set_Line_RGB(int r, int g, int b) { Store_Color(Line_Slot(), r, g, b); }
void Oli_Set_Line_Color(int packed) { Store_Packed(Line_Slot(), packed); }
void Oli_Set_Line_Lightness(double percent) { Store_Lightness(Line_Slot(), percent); }
void Oli_Set_Fill_RGB(int r, int g, int b) { Store_Color(Fill_Slot(), r, g, b); }
void Oli_Set_Fill_Color(int packed) { Store_Packed(Fill_Slot(), packed); }
void Oli_Set_Fill_Lightness(double percent) { Store_Lightness(Fill_Slot(), percent); }

static constexpr OliRecordText kControl59("", OLI_REC_COLOUR_CONTROL_59, "\n");
static constexpr OliRecordText kControl60("", OLI_REC_COLOUR_CONTROL_60, "\n");
static constexpr OliRecordText kControl61("", OLI_REC_COLOUR_CONTROL_61, "\n");

void Oli_Color_Control_59(void) {
    if (S().color_mode) Oli_Put_Record(S().stream, kControl59);
}
void Oli_Color_Control_60(void) {
    if (S().color_mode) Oli_Put_Record(S().stream, kControl60);
}
void Oli_Color_Control_61(void) {
    if (S().color_mode) Oli_Put_Record(S().stream, kControl61);
}

void Oli_Color_Fill_Group(int value, int pattern) {
    Oli_Picture_State& s = S();
    if (!s.color_mode) return;
    if (!s.fill_mode) {
        static constexpr OliRecordText kNoFill("", OLI_REC_FILL_PATTERN, " 0\n");
        Oli_Put_Record(s.stream, kNoFill);
        return;
    }
    Safe_Fprintf(s.stream, "%d\n%d %d\n%d\n", OLI_REC_COLOUR_CONTROL_61, OLI_REC_COLOUR_VALUE, value,
                 OLI_REC_COLOUR_CONTROL_59);
    Oli_Fill_Record(pattern);
    Oli_Put_Record(s.stream, kControl60);
}

// ---- coordinate texts ------------------------------------------------------------

namespace {

// A place of the memo: the bits of a value sequence, its text and when it
// was last used.
struct Fixed_Slot {
    std::vector<std::uint64_t> key;
    std::string text;
    std::uint64_t used = 0;
};

// Sequences of up to kMemoValues values are kept in kMemoSlots places, a
// sequence in one of the kMemoWays places from its hash on, taking the one
// used longest ago; longer sequences, and texts longer than kMemoText (huge
// values), are formatted each time. Bounded: kMemoSlots places of at most
// kMemoValues values and kMemoText bytes each.
constexpr size_t kMemoSlots = 4096, kMemoWays = 4, kMemoValues = 272, kMemoText = 4096;

}  // namespace

const std::string& ioliplot::Format_Values(const double* v, int n) {
    static std::vector<Fixed_Slot> slots(kMemoSlots);
    static Fixed_Slot scratch;
    static std::vector<std::uint64_t> bits;
    static std::uint64_t clock = 0;
    const size_t count = n > 0 ? static_cast<size_t>(n) : 0, size = count * sizeof *v;
    bits.resize(count);
    if (count) std::memcpy(bits.data(), v, size);  // same bits, same text
    Fixed_Slot* slot = &scratch;
    if (count <= kMemoValues) {
        bool found;
        slot = &ioliplot::Memo_Place<kMemoSlots, kMemoWays>(
            slots.data(), ioliplot::Hash_Bits(bits.data(), count), &clock,
            [&](const Fixed_Slot& p) {
                return p.key.size() == count && (count == 0 || std::memcmp(p.key.data(), bits.data(), size) == 0);
            },
            &found);
        if (found) return slot->text;
    }
    slot->key.assign(bits.begin(), bits.end());
    std::string& text = slot->text;
    text.clear();
    char one[400];  // a blank, a sign, 309 integer digits, the point, six decimals
    for (size_t i = 0; i < count; i++) {
        text += ' ';
        text.append(one, static_cast<size_t>(Format_Fixed6(one, sizeof one, v[i])));
    }
    if (slot != &scratch && text.size() > kMemoText) {
        scratch = std::move(*slot);
        *slot = Fixed_Slot{};
        return scratch.text;
    }
    return slot->text;
}

void ioliplot::Append_Int(std::string* out, long long v) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
    out->append(digits, static_cast<size_t>(end - digits));
}

void ioliplot::Write_Values(FILE* stream, const char* lead, const double* v, int n, const char* tail) {
    if (!stream) return;
    // Straight from the memo into the stream: no copy in between.
    const std::string& text = Format_Values(v, n);
    if (lead) VEK_Stream_Put(stream, lead, std::strlen(lead));
    VEK_Stream_Put(stream, text.data(), text.size());
    if (tail) VEK_Stream_Put(stream, tail, std::strlen(tail));
}

// ---- lines and rectangles --------------------------------------------------------

void Oli_Line(double x1, double y1, double x2, double y2) {
    Oli_Picture_State& s = S();
    ioliplot::Extend_Box(x1, y1);
    ioliplot::Extend_Box(x2, y2);
    ioliplot::Turn(&x1, &y1);
    ioliplot::Turn(&x2, &y2);
    const double v[4] = {x1 * s.scale_x, y1 * s.scale_y, x2 * s.scale_x, y2 * s.scale_y};
    static constexpr OliRecordText kLine(" ", OLI_REC_LINE, " ");
    ioliplot::Write_Values(s.stream, kLine.text, v, 4, "\n");
    PlotFile_Line(x1, y1, x2, y2);
}

void Oli_Rect_Outline(double x1, double y1, double x2, double y2) {
    Oli_Line(x1, y1, x1, y2);
    Oli_Line(x1, y2, x2, y2);
    Oli_Line(x2, y2, x2, y1);
    Oli_Line(x2, y1, x1, y1);
}

void Oli_Rect_Outline_Centered(double cx, double cy, double width, double height) {
    Oli_Rect_Outline(cx - width / 2.0, cy - height / 2.0, cx + width / 2.0, cy + height / 2.0);
}

// Box, turning, ordering after the axis words and record 24 of a filled
// rectangle; the ordered, turned corners are handed back for the plot file.
static void Rect_Record(double* x1, double* y1, double* x2, double* y2) {
    Oli_Picture_State& s = S();
    ioliplot::Extend_Box(*x1, *y1);
    ioliplot::Extend_Box(*x2, *y2);
    ioliplot::Turn(x1, y1);
    ioliplot::Turn(x2, y2);
    if ((*x1 > *x2 && s.x_direction == 1) || (*x2 > *x1 && s.x_direction == 3)) std::swap(*x1, *x2);
    if ((*y1 > *y2 && s.y_direction == 0) || (*y2 > *y1 && s.y_direction == 2)) std::swap(*y1, *y2);
    const double v[4] = {*x1 * s.scale_x, *y2 * s.scale_y, *x2 * s.scale_x, *y1 * s.scale_y};
    static constexpr OliRecordText kRectangle(" ", OLI_REC_RECTANGLE, " ");
    ioliplot::Write_Values(s.stream, kRectangle.text, v, 4, "\n");
}

void Oli_Filled_Rect(double x1, double y1, double x2, double y2) {
    Rect_Record(&x1, &y1, &x2, &y2);
    const double x[4] = {x1, x1, x2, x2}, y[4] = {y1, y2, y2, y1};
    PlotFile_Area(4, x, y, 0);
}

void Oli_Filled_Rect_Centered(double cx, double cy, double width, double height) {
    Oli_Filled_Rect(cx - width / 2.0, cy - height / 2.0, cx + width / 2.0, cy + height / 2.0);
}

void Oli_Filled_Frame(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                      double y4) {
    Oli_Picture_State& s = S();
    Rect_Record(&x1, &y1, &x2, &y2);
    static constexpr OliRecordText kNoFill(" ", OLI_REC_FILL_PATTERN, "  0\n");
    Oli_Put_Record(s.stream, kNoFill);
    ioliplot::Turn(&x3, &y3);
    ioliplot::Turn(&x4, &y4);
    if (x3 > x4) std::swap(x3, x4);
    if (y3 > y4) std::swap(y3, y4);
    // The hole test takes the outer rectangle in ascending order: the corners
    // as ordered for record 24 run downwards in a y-down picture.
    double ox1 = std::fmin(x1, x2), ox2 = std::fmax(x1, x2);
    double oy1 = std::fmin(y1, y2), oy2 = std::fmax(y1, y2);
    int hole = ox1 < x3 && x4 < ox2 && oy1 < y3 && y4 < oy2;
    if (hole)
        Safe_Fprintf(s.stream, " %d  %lf %lf %lf %lf\n", OLI_REC_RECTANGLE, x3 * s.scale_x, y4 * s.scale_y,
                     x4 * s.scale_x, y3 * s.scale_y);
    PlotFile_Frame_Area(x1, y1, x2, y2, hole, x3, y3, x4, y4);
}

// ---- polygons and polylines ---------------------------------------------------------

void ioliplot::Write_Area_Record(int n, const double x[], const double y[], const char* end) {
    assert(n == 0 || (x != nullptr && y != nullptr));
    const Oli_Picture_State& s = S();
    Safe_Fprintf(s.stream, " %d %d", OLI_REC_POLYGON, n);
    // The points in pieces of 128, each piece one write.
    double v[256];
    for (int i = 0; i < n;) {
        int k = 0;
        for (; k < 128 && i < n; k++, i++) v[2 * k] = x[i] * s.scale_x, v[2 * k + 1] = y[i] * s.scale_y;
        ioliplot::Write_Values(s.stream, nullptr, v, 2 * k, nullptr);
    }
    Safe_Fprintf(s.stream, "%s", end);
}

void Oli_Polygon_Record(int n, const double x[], const double y[]) {
    if (n < 1) return;
    assert(x != nullptr && y != nullptr);
    double xmin = x[0], xmax = x[0], ymin = y[0], ymax = y[0];
    for (int i = 1; i < n; i++) {
        xmin = std::fmin(xmin, x[i]), xmax = std::fmax(xmax, x[i]);
        ymin = std::fmin(ymin, y[i]), ymax = std::fmax(ymax, y[i]);
    }
    ioliplot::Extend_Box(xmin, ymin);
    ioliplot::Extend_Box(xmax, ymax);
    // A working copy: the caller's points are never touched. Kept from call
    // to call, so that the many small polygons of a list allocate nothing.
    static std::vector<double> tx, ty;
    tx.assign(x, x + n), ty.assign(y, y + n);
    ioliplot::Turn_Points(n, tx.data(), ty.data());
    ioliplot::Write_Area_Record(n, tx.data(), ty.data(), " \n");
    PlotFile_Area(n, tx.data(), ty.data(), 1);
}

void Oli_Filled_Triangle(const double x[3], const double y[3]) { Oli_Polygon_Record(3, x, y); }

void Oli_Filled_Polygon(int n, const double x[], const double y[]) {
    if (S().fill_mode) Oli_Polygon_Record(n, x, y);
}

void Oli_Polyline(int n, const double x[], const double y[]) {
    assert((n > -2 && n < 2) || (x != nullptr && y != nullptr));
    if (n >= 2) {
        for (int i = 0; i < n - 1; i++) Oli_Line(x[i], y[i], x[i + 1], y[i + 1]);
        Oli_Line(x[0], y[0], x[n - 1], y[n - 1]);
    } else if (n <= -2) {
        for (int i = 0; i < -n - 1; i++) Oli_Line(x[i], y[i], x[i + 1], y[i + 1]);
    }
}

void Oli_Thick_Line(double x1, double y1, double x2, double y2, double width, int outline) {
    double a = Line_Angle_2Pi(x1, y1, x2, y2);
    double x[4] = {x1, x2, x2, x1}, y[4] = {y1, y2, y2, y1};
    Transform_Points(x, y, 4, x1, y1, a, 1.0);
    y[0] -= width / 2.0, y[1] -= width / 2.0;
    y[2] += width / 2.0, y[3] += width / 2.0;
    Inverse_Transform_Points(x, y, 4, x1, y1, a, 1.0);
    if (S().fill_mode) Oli_Polygon_Record(4, x, y);
    if (outline) Oli_Polyline(4, x, y);
}

static int Compare(double a, double b) { return a < b ? -1 : (a > b ? 1 : 0); }

int Oli_Compare_X_Desc(const void* a, const void* b) {
    return Compare(((const double*)b)[0], ((const double*)a)[0]);
}
int Oli_Compare_X_Asc(const void* a, const void* b) {
    return Compare(((const double*)a)[0], ((const double*)b)[0]);
}
int Oli_Compare_Y_Desc(const void* a, const void* b) {
    return Compare(((const double*)b)[1], ((const double*)a)[1]);
}
int Oli_Compare_Y_Asc(const void* a, const void* b) {
    return Compare(((const double*)a)[1], ((const double*)b)[1]);
}
