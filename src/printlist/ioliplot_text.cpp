// Text writers of pictures: labels at a point, with or without the picture
// rotation, with an alignment code, and labels in a white box or circle.
//
// Texts are written unchanged between the bytes 0xAE and 0xAF and are never
// used as a format; the printf writers cut their result to 255 characters.
// Each writer also puts a text entity into the plot file when it is open.
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "base/vesk.h"
#include "platform/format.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliplot_internal.h"
#include "printlist/plotfile.h"

using ioliplot::DEGREES;
using ioliplot::S;

// Bits of the alignment code of a text record: a fixed base, one
// vertical and one horizontal bit.
enum : int {
    kAlignBase = 0xC0,
    kAlignVertical0 = 0x08,
    kAlignVertical4 = 0x10,
    kAlignVerticalOther = 0x20,
    kAlignHorizontal1 = 0x04,
    kAlignHorizontal4 = 0x02,
    kAlignHorizontalOther = 0x01,
};

// ---- room for labels ----

namespace {

// A box on the page: cm, x to the right and y downwards, whichever way the
// picture's axes run.
struct Page_Box {
    double x1, y1, x2, y2;
};

std::vector<Page_Box> g_taken;            // boxes of the current picture
constexpr size_t kTakenMax = 4096;        // a picture of more texts keeps its first ones
constexpr double kLabelGap = 0.03;        // cm two labels keep apart
bool g_keep = false;                      // the next opening keeps the boxes
bool g_clear = false;                     // labels get a clear background (until the next opening)
constexpr double kClearPad = 0.04;        // cm of white around a label's ink
int g_pattern = 0, g_saved_pattern = 0;   // fill pattern in force, and at the element's start
bool g_cleared_ahead = false;             // the next turned text has its white box already

// The paper extent of the current picture: its left edge is at x1 and its
// top edge at y2, whichever way its axes run (as the viewer draws it).
double g_x1 = 0.0, g_x2 = 1.0, g_y1 = 0.0, g_y2 = 1.0;

// A paper point as cm right of and below the picture's upper left corner,
// so that two pictures drawn on the same place compare their boxes.
void To_Page(double px, double py, double* x, double* y) {
    *x = g_x2 >= g_x1 ? px - g_x1 : g_x1 - px;
    *y = g_y2 >= g_y1 ? g_y2 - py : py - g_y2;
}

// The text height of the texts that follow (0.3 cm until a picture sets one).
double Current_Height(void) { return S().text_height > 0.0 ? S().text_height : 0.3; }

// The ink of a text of height th at a page point: as the viewer sets it
// (Text_Ink), placed by the alignment bits and turned by the angle
// (counter-clockwise on the page). A text without ink has an empty box at
// the point.
Page_Box Text_Page_Box(double x, double y, int code, double degrees, const char* text, double th) {
    double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 0.0;
    ioliplot::Text_Ink(text, code, th, &x0, &y0, &x1, &y1);
    const double a = (degrees + ((code & 0x100) ? 90.0 : 0.0)) * ioliplot::PI / 180.0;
    const double c = std::cos(a), sn = std::sin(a);
    const double cx[4] = {x0, x1, x1, x0}, cy[4] = {y0, y0, y1, y1};
    Page_Box b{1e300, 1e300, -1e300, -1e300};
    for (int i = 0; i < 4; ++i) {
        const double rx = x + cx[i] * c + cy[i] * sn, ry = y - cx[i] * sn + cy[i] * c;
        b.x1 = std::min(b.x1, rx), b.x2 = std::max(b.x2, rx);
        b.y1 = std::min(b.y1, ry), b.y2 = std::max(b.y2, ry);
    }
    return b;
}

// A label stays inside its picture.
bool Inside(const Page_Box& b) {
    const double w = std::fabs(g_x2 - g_x1), h = std::fabs(g_y2 - g_y1);
    return b.x1 >= 0.0 && b.y1 >= 0.0 && b.x2 <= w && b.y2 <= h;
}

// The taken boxes by the cells of a grid over the picture, so that a label
// looks only at the boxes near it: each cell lists, in the order taken, the
// boxes whose reach (the box with the gap around it) meets the cell.
constexpr int kCells = 16;
std::vector<unsigned short> g_cells[kCells * kCells];  // kTakenMax fits

// The grid column (row) of a page coordinate along an extent of size:
// monotone in v, so that two ranges that meet have cells in common.
int Cell(double v, double size) {
    if (!(size > 0.0)) return 0;
    const double c = std::floor(v / size * kCells);
    return c < 0.0 ? 0 : (c >= kCells ? kCells - 1 : static_cast<int>(c));
}

void Index_Box(size_t i) {
    const Page_Box& t = g_taken[i];
    const double w = std::fabs(g_x2 - g_x1), h = std::fabs(g_y2 - g_y1);
    const int x1 = Cell(t.x1 - kLabelGap, w), x2 = Cell(t.x2 + kLabelGap, w);
    const int y1 = Cell(t.y1 - kLabelGap, h), y2 = Cell(t.y2 + kLabelGap, h);
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) g_cells[y * kCells + x].push_back(static_cast<unsigned short>(i));
}

// The grid is built when a label first looks at it after the boxes or the
// extent were set as a whole: a picture written again from its kept bytes
// puts back boxes that no label of it looks at.
bool g_indexed = true;

void Index_All(void) { g_indexed = false; }

void Use_Index(void) {
    if (g_indexed) return;
    for (auto& cell : g_cells) cell.clear();
    for (size_t i = 0; i < g_taken.size(); ++i) Index_Box(i);
    g_indexed = true;
}

void Take(const Page_Box& b) {
    if (g_taken.size() < kTakenMax && std::isfinite(b.x1) && std::isfinite(b.x2) && std::isfinite(b.y1) &&
        std::isfinite(b.y2)) {
        g_taken.push_back(b);
        if (g_indexed) Index_Box(g_taken.size() - 1);
    }
}

}  // namespace

void ioliplot::Clear_Taken(void) {
    g_taken.clear();
    g_keep = false;
    g_clear = g_cleared_ahead = false;
    g_pattern = g_saved_pattern = 0;
    Index_All();
}

void ioliplot::Begin_Taken(double x1, double x2, double y1, double y2) {
    if (!g_keep) g_taken.clear();
    g_keep = false;
    g_clear = g_cleared_ahead = false;
    g_pattern = g_saved_pattern = 0;
    g_x1 = x1, g_x2 = x2, g_y1 = y1, g_y2 = y2;
    Index_All();  // kept boxes on the grid of the new extent
}

void Oli_Keep_Taken_Areas(void) { g_keep = true; }

void Oli_Set_Clear_Labels(int on) { g_clear = on != 0; }

size_t Oli_Taken_Count(void) { return g_taken.size(); }

void Oli_Drop_Taken_Areas(size_t from, size_t to) {
    to = std::min(to, g_taken.size());
    if (from >= to) return;
    g_taken.erase(g_taken.begin() + static_cast<std::ptrdiff_t>(from), g_taken.begin() + static_cast<std::ptrdiff_t>(to));
    Index_All();
}

void ioliplot::Note_Fill(int pattern) { g_pattern = pattern; }

void ioliplot::Note_Element(bool begin) {
    if (begin) g_saved_pattern = g_pattern;
    else g_pattern = g_saved_pattern;
}

// With clear labels, the white box of a text record about to be written
// at the paper point (px, py): whatever the picture drew under the label
// (a hatched plate, a profile's fill) does not run through it. The fill
// pattern in force is written again after it.
static void Clear_Background(double px, double py, int code, double degrees, const char* text) {
    Oli_Picture_State& s = S();
    if (!g_clear || !s.stream) return;
    bool blank = true;
    for (const char* c = text; *c && blank; ++c) blank = static_cast<unsigned char>(*c) <= ' ';
    if (blank) return;
    double x, y;
    To_Page(px, py, &x, &y);
    const Page_Box b = Text_Page_Box(x, y, code, degrees, text, Current_Height());
    if (!std::isfinite(b.x1) || !std::isfinite(b.x2) || !std::isfinite(b.y1) || !std::isfinite(b.y2)) return;
    // Back from the page box to the picture's paper coordinates.
    auto paper_x = [](double v) { return g_x2 >= g_x1 ? v + g_x1 : g_x1 - v; };
    auto paper_y = [](double v) { return g_y2 >= g_y1 ? g_y2 - v : v + g_y2; };
    const double x1 = paper_x(b.x1 - kClearPad), x2 = paper_x(b.x2 + kClearPad);
    const double y1 = paper_y(b.y1 - kClearPad), y2 = paper_y(b.y2 + kClearPad);
    const double v[8] = {x1, y1, x2, y1, x2, y2, x1, y2};
    static constexpr OliRecordText kBox(" ", OLI_REC_POLYGON, " 4");
    Safe_Fprintf(s.stream, " %d  %d\n", OLI_REC_FILL_PATTERN, 0);
    ioliplot::Write_Values(s.stream, kBox.text, v, 8, " \n");
    Safe_Fprintf(s.stream, " %d  %d\n", OLI_REC_FILL_PATTERN, g_pattern);
}

void Oli_Clear_Band(double x1, double y1, double x2, double y2, double half) {
    Oli_Picture_State& s = S();
    if (!s.stream || !(half > 0.0)) return;
    ioliplot::Turn(&x1, &y1);
    ioliplot::Turn(&x2, &y2);
    const double px1 = x1 * s.scale_x, py1 = y1 * s.scale_y, px2 = x2 * s.scale_x, py2 = y2 * s.scale_y;
    const double len = std::hypot(px2 - px1, py2 - py1);
    if (!(len > 0.0) || !(len < 1e9) || !std::isfinite(px1) || !std::isfinite(py1)) return;
    // Along and across the band, in paper cm whichever way the picture's
    // axes run; the band reaches `half` beyond both ends.
    const double ux = (px2 - px1) / len * half, uy = (py2 - py1) / len * half, nx = -uy, ny = ux;
    const double ax = px1 - ux, ay = py1 - uy, bx = px2 + ux, by = py2 + uy;
    const double v[8] = {ax + nx, ay + ny, bx + nx, by + ny, bx - nx, by - ny, ax - nx, ay - ny};
    static constexpr OliRecordText kBox(" ", OLI_REC_POLYGON, " 4");
    Safe_Fprintf(s.stream, " %d  %d\n", OLI_REC_FILL_PATTERN, 0);
    ioliplot::Write_Values(s.stream, kBox.text, v, 8, " \n");
    Safe_Fprintf(s.stream, " %d  %d\n", OLI_REC_FILL_PATTERN, g_pattern);
}

void Oli_Get_Writer_State(Oli_Writer_State* out) {
    out->picture = S();
    out->taken.resize(4 * g_taken.size());
    for (size_t i = 0; i < g_taken.size(); ++i) {
        const Page_Box& b = g_taken[i];
        out->taken[4 * i] = b.x1, out->taken[4 * i + 1] = b.y1, out->taken[4 * i + 2] = b.x2, out->taken[4 * i + 3] = b.y2;
    }
    out->extent[0] = g_x1, out->extent[1] = g_x2, out->extent[2] = g_y1, out->extent[3] = g_y2;
    out->keep = g_keep;
}

void Oli_Set_Writer_State(const Oli_Writer_State& in) {
    S() = in.picture;
    g_taken.resize(in.taken.size() / 4);
    for (size_t i = 0; i < g_taken.size(); ++i)
        g_taken[i] = {in.taken[4 * i], in.taken[4 * i + 1], in.taken[4 * i + 2], in.taken[4 * i + 3]};
    g_x1 = in.extent[0], g_x2 = in.extent[1], g_y1 = in.extent[2], g_y2 = in.extent[3];
    g_keep = in.keep;
    Index_All();  // the grid as the boxes were taken in this order
}

bool Oli_Writer_State_Is(const Oli_Writer_State& in) {
    // The fields as Oli_Append_Writer_State writes them, each by its bytes.
    static_assert(sizeof(Oli_Picture_State) == 256, "a field of the picture state is missing below");
    const Oli_Picture_State& p = in.picture;
    const Oli_Picture_State& now = S();
    bool same = true;
    auto field = [&same](const auto& a, const auto& b) { same = same && std::memcmp(&a, &b, sizeof a) == 0; };
    field(p.stream, now.stream), field(p.kept_stream, now.kept_stream), field(p.scale_x, now.scale_x);
    field(p.scale_y, now.scale_y), field(p.scale_min, now.scale_min), field(p.scale_max, now.scale_max);
    field(p.small_length, now.small_length), field(p.rotation, now.rotation), field(p.text_angle, now.text_angle);
    field(p.x_direction, now.x_direction), field(p.y_direction, now.y_direction);
    field(p.mirror_flag, now.mirror_flag), field(p.mirror_sign, now.mirror_sign), field(p.y_sum, now.y_sum);
    field(p.box_xmin, now.box_xmin), field(p.box_ymin, now.box_ymin), field(p.box_xmax, now.box_xmax);
    field(p.box_ymax, now.box_ymax), field(p.color_mode, now.color_mode), field(p.fill_mode, now.fill_mode);
    field(p.list_version, now.list_version), field(p.dimension_style, now.dimension_style);
    field(p.stagger_flag, now.stagger_flag), field(p.line_rgb, now.line_rgb);
    field(p.line_lightness, now.line_lightness), field(p.fill_rgb, now.fill_rgb);
    field(p.fill_lightness, now.fill_lightness), field(p.saved_pen, now.saved_pen);
    field(p.saved_filling, now.saved_filling), field(p.saved_line_type, now.saved_line_type);
    field(p.saved_font, now.saved_font), field(p.saved_text_angle, now.saved_text_angle);
    field(p.saved_rotation, now.saved_rotation), field(p.element_depth, now.element_depth);
    field(p.element_faults, now.element_faults), field(p.text_height, now.text_height);
    field(p.saved_text_height, now.saved_text_height);
    const double extent[4] = {g_x1, g_x2, g_y1, g_y2};
    field(in.extent, extent), field(in.keep, g_keep);
    if (!same || in.taken.size() != 4 * g_taken.size()) return false;
    static_assert(sizeof(Page_Box) == 4 * sizeof(double), "a box is its four corners' values");
    return g_taken.empty() || std::memcmp(in.taken.data(), g_taken.data(), in.taken.size() * sizeof(double)) == 0;
}

void Oli_Append_Writer_State(const Oli_Writer_State& in, std::string* out) {
    auto add = [out](const auto& v) { out->append(reinterpret_cast<const char*>(&v), sizeof v); };
    const Oli_Picture_State& p = in.picture;
    // Every field: a field added to the state must be added here.
    static_assert(sizeof(Oli_Picture_State) == 256, "a field of the picture state is missing below");
    add(p.stream), add(p.kept_stream), add(p.scale_x), add(p.scale_y), add(p.scale_min), add(p.scale_max);
    add(p.small_length), add(p.rotation), add(p.text_angle), add(p.x_direction), add(p.y_direction);
    add(p.mirror_flag), add(p.mirror_sign), add(p.y_sum), add(p.box_xmin), add(p.box_ymin), add(p.box_xmax);
    add(p.box_ymax), add(p.color_mode), add(p.fill_mode), add(p.list_version), add(p.dimension_style);
    add(p.stagger_flag), add(p.line_rgb), add(p.line_lightness), add(p.fill_rgb), add(p.fill_lightness);
    add(p.saved_pen), add(p.saved_filling), add(p.saved_line_type), add(p.saved_font);
    add(p.saved_text_angle), add(p.saved_rotation), add(p.element_depth), add(p.element_faults);
    add(p.text_height), add(p.saved_text_height);
    add(in.taken.size());
    out->append(reinterpret_cast<const char*>(in.taken.data()), in.taken.size() * sizeof(double));
    add(in.extent), add(in.keep);
}

void Oli_Set_Text_Height(double height) {
    if (std::isfinite(height) && height > 0.0 && height < 1e3) ioliplot::Text_Height_Record(height);
}

void ioliplot::Note_Text(double px, double py, int code, double degrees, const char* text) {
    // A blank text (the empty decimal of a dimension) takes no room.
    bool blank = true;
    for (const char* c = text ? text : ""; *c && blank; ++c) blank = static_cast<unsigned char>(*c) <= ' ';
    if (blank) return;
    double x, y;
    To_Page(px, py, &x, &y);
    Take(Text_Page_Box(x, y, code, degrees, text ? text : "", Current_Height()));
}

void ioliplot::Text_Height_Record(double h) {
    static constexpr OliRecordText kHeight(" ", OLI_REC_TEXT_HEIGHT, "");
    ioliplot::Write_Values(S().stream, kHeight.text, &h, 1, "\n");
    if (std::isfinite(h) && h > 0.0) S().text_height = h;
}

// Alignment code of the printf writers from the vertical and horizontal
// codes v and h.
static int Alignment_Code(int v, int h) {
    int vertical = v == 0 ? kAlignVertical0 : (v == 4 ? kAlignVertical4 : kAlignVerticalOther);
    int horizontal = h == 1 ? kAlignHorizontal1 : (h == 4 ? kAlignHorizontal4 : kAlignHorizontalOther);
    return kAlignBase | vertical | horizontal;
}

// Plot-file anchor of the printf writers; 5 (centre) for any other pair.
static int Plot_Anchor(int v, int h) {
    static const int V[9] = {0, 0, 0, 4, 4, 4, 2, 2, 2};
    static const int H[9] = {3, 4, 1, 3, 4, 1, 3, 4, 1};
    for (int i = 0; i < 9; i++)
        if (V[i] == v && H[i] == h) return i + 1;
    return 5;
}

static double Plot_Degrees(void) { return (S().rotation + S().text_angle) * DEGREES; }

// Record 14 with the text angle relative to the picture.
static void Angle_Record(void) {
    const double degrees = (S().text_angle - S().rotation) * DEGREES;
    static constexpr OliRecordText kAngle(" ", OLI_REC_TEXT_ANGLE, "");
    ioliplot::Write_Values(S().stream, kAngle.text, &degrees, 1, " 0\n");
}

// The turned or unturned box text with the point twice.
static int Box_Record(OliGraphicRecord record, double x, double y, int code, const char* text) {
    Oli_Picture_State& s = S();
    double px = x * s.scale_x, py = y * s.scale_y;
    const double degrees = record == OLI_REC_BOX_TEXT_TURNED ? (s.text_angle - s.rotation) * DEGREES : 0.0;
    Clear_Background(px, py, code, degrees, text);
    ioliplot::Note_Text(px, py, code, degrees, text);
    // " %d %lf %lf %lf %lf %d \xAE%s\xAF\n" put together here, the point's
    // text kept with the coordinates.
    if (!s.stream) return 0;
    static std::string out;
    const double v[4] = {px, py, px, py};
    out.clear();
    out += ' ';
    ioliplot::Append_Int(&out, record);
    out += ioliplot::Format_Values(v, 4);
    out += ' ';
    ioliplot::Append_Int(&out, code);
    out += " \xAE";
    out += text;
    out += "\xAF\n";
    return VEK_Stream_Put(s.stream, out.data(), out.size());
}

void ioliplot::Clear_Rotated_Ahead(double x, double y, const char* text) {
    Oli_Picture_State& s = S();
    if (!g_clear || !text) return;
    ioliplot::Turn(&x, &y);
    Clear_Background(x * s.scale_x, y * s.scale_y, 0x21, (s.text_angle - s.rotation) * DEGREES, text);
    g_cleared_ahead = true;
}

int Oli_Text_Rotated(double x, double y, const char* text) {
    Oli_Picture_State& s = S();
    if (!text) text = "";
    ioliplot::Turn(&x, &y);
    Angle_Record();
    if (!g_cleared_ahead)
        Clear_Background(x * s.scale_x, y * s.scale_y, 0x21, (s.text_angle - s.rotation) * DEGREES, text);
    g_cleared_ahead = false;
    ioliplot::Note_Text(x * s.scale_x, y * s.scale_y, 0x21, (s.text_angle - s.rotation) * DEGREES, text);
    int result = Safe_Fprintf(s.stream, " %d %lf %lf \xAE%s\xAF\n", OLI_REC_TEXT_TURNED, x * s.scale_x,
                              y * s.scale_y, text);
    PlotFile_Text(x, y, 7, Plot_Degrees(), nullptr, text);
    return result;
}

// A turned text with record 10 and the given alignment code and anchor.
static int Turned_Text(double x, double y, int code, int anchor, const char* text) {
    ioliplot::Turn(&x, &y);
    Angle_Record();
    int result = Box_Record(OLI_REC_BOX_TEXT_TURNED, x, y, code, text);
    PlotFile_Text(x, y, anchor, Plot_Degrees(), nullptr, text);
    return result;
}

int Oli_Text_At(double x, double y, const char* text) {
    return Turned_Text(x, y, 210, 5, text ? text : "");
}

// The formatted text, cut to 255 characters.
struct Label {
    char text[256];
};

static Label Format_Label(const char* format, va_list ap) {
    Label label;
    VEK_Format_Bounded_V(label.text, sizeof label.text, format, ap);
    return label;
}

int Oli_Text_At_Printf(double x, double y, int v, int h, const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    Label label = Format_Label(format, ap);
    va_end(ap);
    return Turned_Text(x, y, Alignment_Code(v, h), Plot_Anchor(v, h), label.text);
}

int Oli_Text_Box_Printf(double x, double y, int v, int h, const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    Label label = Format_Label(format, ap);
    va_end(ap);
    const char* text = label.text;
    int result = Box_Record(OLI_REC_BOX_TEXT, x, y, Alignment_Code(v, h), text);
    PlotFile_Text(x, y, Plot_Anchor(v, h), Plot_Degrees(), nullptr, text);
    return result;
}

int Oli_Text_Plain(double x, double y, const char* text) {
    Oli_Picture_State& s = S();
    if (!text) text = "";
    ioliplot::Note_Text(x * s.scale_x, y * s.scale_y, 0x21, 0.0, text);
    int result = Safe_Fprintf(s.stream, " %d %lf %lf \xAE%s\xAF\n", OLI_REC_TEXT, x * s.scale_x, y * s.scale_y,
                              text);
    PlotFile_Text(x, y, 7, 0.0, "0.", text);
    return result;
}

// Record 9 with a fixed code; the plot text with a fixed anchor and angle.
static int Fixed_Box(double x, double y, int code, int anchor, const char* angle, const char* text) {
    if (!text) text = "";
    int result = Box_Record(OLI_REC_BOX_TEXT, x, y, code, text);
    PlotFile_Text(x, y, anchor, 0.0, angle, text);
    return result;
}

int Oli_Text_Box_212(double x, double y, const char* text) { return Fixed_Box(x, y, 212, 6, "0.", text); }
int Oli_Text_Box(double x, double y, const char* text) { return Fixed_Box(x, y, 210, 5, "0.", text); }
int Oli_Text_Box_466(double x, double y, const char* text) { return Fixed_Box(x, y, 466, 5, "90.", text); }
int Oli_Text_Box_226(double x, double y, const char* text) { return Fixed_Box(x, y, 226, 8, "0.", text); }
int Oli_Text_Box_202(double x, double y, const char* text) { return Fixed_Box(x, y, 202, 2, "0.", text); }

// White box with outline and the centred text; H is the world height.
static int Boxed(double x, double y, double H, const char* text) {
    if (!text) text = "";
    double k = (double)std::strlen(text);
    double hh = 0.8 * H;
    double hw = hh * (k > 1.0 ? 0.8 * k : k);
    Oli_Element_Begin();
    Oli_Fill_Record(0);
    Oli_Filled_Rect(x - hw, y - hh, x + hw, y + hh);
    Oli_Line(x - hw, y - hh, x - hw, y + hh);
    Oli_Line(x - hw, y + hh, x + hw, y + hh);
    Oli_Line(x + hw, y + hh, x + hw, y - hh);
    Oli_Line(x + hw, y - hh, x - hw, y - hh);
    Oli_Text_At(x, y, text);
    return ioliplot::Element_End();
}

int Oli_Boxed_Text(double x, double y, double h, const char* text) {
    ioliplot::Text_Height_Record(h);
    return Boxed(x, y, h / S().scale_y, text);
}

// A number as "%d" writes it.
static std::string Number_Text(int number) {
    std::string text;
    ioliplot::Append_Int(&text, number);
    return text;
}

int Oli_Boxed_Number(double x, double y, double h, int number) {
    return Oli_Boxed_Text(x, y, h, Number_Text(number).c_str());
}

int Oli_Boxed_Text_Scaled(double x, double y, double h, double scale, const char* text) {
    Safe_Fprintf(S().stream, " %d %d\n", OLI_REC_PEN, 2);
    return Boxed(x, y, h / scale, text);
}

int Oli_Circled_Text(double x, double y, double h, double scale, const char* text) {
    if (!text) text = "";
    double H = h / scale;
    double k = (double)std::strlen(text);
    double d = 1.52 * H * k;
    if (k <= 1.0) d *= 1.5;
    Oli_Element_Begin();
    Oli_Dash_Pattern(0);
    Oli_Fill_Record(0);
    Safe_Fprintf(S().stream, " %d %d\n", OLI_REC_PEN, 2);
    Oli_Filled_Circle(x, y, d);
    Oli_Arc(x, y, d, 0.0, 360.0);
    Oli_Text_At(x, y, text);
    return ioliplot::Element_End();
}

int Oli_Circled_Number(double x, double y, double h, double scale, int number) {
    return Oli_Circled_Text(x, y, h, scale, Number_Text(number).c_str());
}

// ---- room for labels: the calls ----

// The page box of a world box (its corners turned by the picture rotation).
static Page_Box World_Page_Box(double x1, double y1, double x2, double y2) {
    const Oli_Picture_State& s = S();
    double xs[2] = {x1, x2}, ys[2] = {y1, y2};
    Page_Box b{1e300, 1e300, -1e300, -1e300};
    for (double wx : xs)
        for (double wy : ys) {
            double tx = wx, ty = wy, px, py;
            ioliplot::Turn(&tx, &ty);
            To_Page(tx * s.scale_x, ty * s.scale_y, &px, &py);
            b.x1 = std::min(b.x1, px), b.x2 = std::max(b.x2, px);
            b.y1 = std::min(b.y1, py), b.y2 = std::max(b.y2, py);
        }
    return b;
}

void Oli_Take_Area(double x1, double y1, double x2, double y2) { Take(World_Page_Box(x1, y1, x2, y2)); }

void Oli_Area_Page_Box(double x1, double y1, double x2, double y2, double box[4]) {
    const Page_Box b = World_Page_Box(x1, y1, x2, y2);
    box[0] = b.x1, box[1] = b.y1, box[2] = b.x2, box[3] = b.y2;
}

// How much of the taken boxes a box covers (cm², each with the gap around
// it); a box reaching out of the picture covers more than any inside.
static double Covered(const Page_Box& b) {
    if (!Inside(b)) return 1e6;
    Use_Index();
    // Only boxes whose reach meets a cell of b can overlap it; they are
    // summed in the order taken, as a walk over all boxes sums them.
    const double pw = std::fabs(g_x2 - g_x1), ph = std::fabs(g_y2 - g_y1);
    const int x1 = Cell(b.x1, pw), x2 = Cell(b.x2, pw), y1 = Cell(b.y1, ph), y2 = Cell(b.y2, ph);
    double sum = 0.0;
    auto add = [&](const Page_Box& t) {
        const double w = std::min(b.x2, t.x2 + kLabelGap) - std::max(b.x1, t.x1 - kLabelGap);
        const double h = std::min(b.y2, t.y2 + kLabelGap) - std::max(b.y1, t.y1 - kLabelGap);
        if (w > 0.0 && h > 0.0) sum += std::max(w * h, 1e-6);
    };
    if (x1 == x2 && y1 == y2) {
        for (unsigned short i : g_cells[y1 * kCells + x1]) add(g_taken[i]);
        return sum;
    }
    // Boxes of several cells: marked once each, then taken in order.
    static std::uint64_t marks[kTakenMax / 64];
    size_t lo = kTakenMax / 64, hi = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            for (unsigned short i : g_cells[y * kCells + x]) {
                marks[i / 64] |= std::uint64_t{1} << (i % 64);
                lo = std::min<size_t>(lo, i / 64), hi = std::max<size_t>(hi, i / 64);
            }
    for (size_t k = lo; k <= hi && lo < kTakenMax / 64; ++k) {
        for (std::uint64_t m = marks[k]; m; m &= m - 1) add(g_taken[k * 64 + static_cast<size_t>(__builtin_ctzll(m))]);
        marks[k] = 0;
    }
    return sum;
}

int Oli_Area_Is_Free(double x1, double y1, double x2, double y2) {
    return Covered(World_Page_Box(x1, y1, x2, y2)) == 0.0;
}

double Oli_Area_Covered(double x1, double y1, double x2, double y2) {
    return Covered(World_Page_Box(x1, y1, x2, y2));
}

double Oli_Page_Box_Covered(const double box[4]) { return Covered(Page_Box{box[0], box[1], box[2], box[3]}); }

double Oli_Label_Covered(double x, double y, int v, int h, const char* text) {
    return Oli_Label_Covered_At(x, y, v, h, Current_Height(), text);
}

void Oli_Take_Label(double x, double y, int v, int h, double height, const char* text) {
    const Oli_Picture_State& s = S();
    double px, py;
    To_Page(x * s.scale_x, y * s.scale_y, &px, &py);
    if (!(height > 0.0) || !std::isfinite(height)) height = Current_Height();
    Take(Text_Page_Box(px, py, Alignment_Code(v, h), 0.0, text ? text : "", height));
}

double Oli_Label_Covered_At(double x, double y, int v, int h, double height, const char* text) {
    const Oli_Picture_State& s = S();
    double px, py;
    To_Page(x * s.scale_x, y * s.scale_y, &px, &py);
    if (!(height > 0.0) || !std::isfinite(height)) height = Current_Height();
    return Covered(Text_Page_Box(px, py, Alignment_Code(v, h), 0.0, text ? text : "", height));
}

void Oli_Label_Page_Box(double x, double y, int v, int h, const char* text, double box[4]) {
    const Oli_Picture_State& s = S();
    double px, py;
    To_Page(x * s.scale_x, y * s.scale_y, &px, &py);
    const Page_Box b = Text_Page_Box(px, py, Alignment_Code(v, h), 0.0, text ? text : "", Current_Height());
    box[0] = b.x1, box[1] = b.y1, box[2] = b.x2, box[3] = b.y2;
}

void Oli_Text_Ink_Box(const char* text, int v, int h, double height, double box[4]) {
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
    if (!ioliplot::Text_Ink(text, Alignment_Code(v, h), height, &x1, &y1, &x2, &y2)) {
        box[0] = box[1] = box[2] = box[3] = 0.0;
        return;
    }
    box[0] = x1, box[1] = -y2, box[2] = x2, box[3] = -y1;
}

// A text box's code 210 is the alignment centred both ways (v 4, h 4).
double Oli_Box_Label_Covered(double x, double y, const char* text) { return Oli_Label_Covered(x, y, 4, 4, text); }

int Oli_Label_Is_Free(double x, double y, int v, int h, const char* text) {
    return Oli_Label_Covered(x, y, v, h, text) == 0.0;
}
