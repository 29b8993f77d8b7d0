// Pictures of the print-list renderer ("#SHOWGRAFIC"): the captions, then
// the graphic records drawn at the picture's scale from the left margin and
// the writing position, with the stored symbols they name. The picture's
// place is kept for the page, so that text set beside it ends before it.
// docs/printlist-viewer.md gives how each record is drawn.

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/desktop.h"
#include "platform/oli_graphic_records.h"
#include "platform/oli_render_calls.h"
#include "platform/oli_render_internal.h"
#include "platform/oli_symbols_internal.h"
#include "platform/posix.h"

#ifndef WELD_SYMBOL_DIR
#define WELD_SYMBOL_DIR "data/FONT"
#endif

namespace oli_render {

namespace {

constexpr double kNodeMark = 0.12;              // cm, diameter of a node mark
constexpr double kThinPen = 0.18 * 72.0 / 25.4;  // points, the outline of node marks and section hatches

// The drawing state of a picture's records: pen, colours, fill pattern,
// dash and text.
struct PictureState {
    double pen = 0.25 * 72.0 / 25.4;  // line width, points
    std::vector<double> dash;         // cm
    double line[3] = {0, 0, 0};
    double fill[3] = {0, 0, 0};
    bool fill_given = false;          // a fill colour of its own (record 51)
    int pattern = 0;
    double text_height = 0.3;         // cm
    double angle = 0.0;               // degrees
};

// The picture being drawn: where its extent lands on the page, and the
// state of its records with the states its open elements keep.
struct Canvas {
    Render* r = nullptr;
    double ox = 0, oy = 0, k = 1;  // picture origin on the page (cm), fit factor
    double ks = 1;                 // factor of paper lengths: text heights, widths, dashes, marks
    bool sized = false;            // a picture with a size number (the section prints' kind)
    double ex[4] = {0, 0, 0, 0};   // the extent x1 x2 y1 y2

    // Page points of a picture point.
    double X(double px) const { return (ox + (ex[1] >= ex[0] ? px - ex[0] : ex[0] - px) * k) * kPt; }
    double Y(double py) const { return (oy + (ex[3] >= ex[2] ? ex[3] - py : py - ex[3]) * k) * kPt; }
};

using Saved_States = std::vector<PictureState>;

void Record(Canvas& c, const OliRecord& rec, PictureState& s, Saved_States& saved);

// A filled polygon for the layout check: cleared to white (pattern 0) or
// inked.
void Note_Area(Render* r, const PictureState& s, std::vector<double> pt) {
    Note_Ink(r, s.pattern <= 0 ? OLI_INK_CLEAR : OLI_INK_AREA, std::move(pt));
}

void Stroke_Style(const Canvas& c, const PictureState& s) {
    cairo_t* cr = c.r->cr;
    oli_lib.cairo_set_source_rgb(cr, s.line[0], s.line[1], s.line[2]);
    oli_lib.cairo_set_line_width(cr, s.pen);
    std::vector<double> d;
    for (double v : s.dash)
        if (v > 0 && v < 100) d.push_back(v * kPt * c.ks);
    oli_lib.cairo_set_dash(cr, d.empty() ? nullptr : d.data(), static_cast<int>(d.size()), 0);
}

// Patterns filled solid: 1, and those the writers give for the areas they
// mean to be solid (the profile previews 33, arrow heads 55, weld
// triangles, filled marks and dots 64).
bool Solid(int pattern) { return pattern == 1 || pattern == 33 || pattern == 55 || pattern == 64; }

// Hatches the current path with pattern p - 2 = n: its angle by n mod 4,
// its spacing by n / 4.
void Hatch(cairo_t* cr, int pattern) {
    double x1, y1, x2, y2;
    oli_lib.cairo_save(cr);
    oli_lib.cairo_fill_extents(cr, &x1, &y1, &x2, &y2);
    oli_lib.cairo_clip(cr);
    // Hatch only what can be seen: an area far beyond the page would
    // otherwise take millions of hatch lines.
    x1 = std::max(x1, 0.0), y1 = std::max(y1, 0.0);
    x2 = std::min(x2, kPageW * kPt), y2 = std::min(y2, kPageH * kPt);
    if (x2 <= x1 || y2 <= y1) {
        oli_lib.cairo_restore(cr);
        return;
    }
    int n = pattern - 2;
    double gap = (0.1 + 0.05 * ((n / 4) % 4)) * kPt;
    double a = (n % 4) * M_PI / 4.0;
    double cx = (x1 + x2) / 2, cy = (y1 + y2) / 2, r = std::hypot(x2 - x1, y2 - y1) / 2 + gap;
    double c = std::cos(a), sn = std::sin(a);
    oli_lib.cairo_set_line_width(cr, 0.4);
    oli_lib.cairo_set_dash(cr, nullptr, 0, 0);
    for (double t = -r; t <= r; t += gap) {
        oli_lib.cairo_move_to(cr, cx + t * -sn - r * c, cy + t * c - r * sn);
        oli_lib.cairo_line_to(cr, cx + t * -sn + r * c, cy + t * c + r * sn);
    }
    oli_lib.cairo_stroke(cr);
    oli_lib.cairo_restore(cr);
}

// Fills the current path with the pattern: 0 white, the solid ones in the
// fill colour, every other one as a hatch in it. The section writers never
// give a fill colour of their own: their areas take the colour of their pen
// (the line colour) until a record 51 gives one.
void Fill(cairo_t* cr, const PictureState& s) {
    oli_lib.cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    if (s.pattern <= 0) {
        oli_lib.cairo_set_source_rgb(cr, 1, 1, 1);
        oli_lib.cairo_fill(cr);
        return;
    }
    const double* rgb = s.fill_given ? s.fill : s.line;
    oli_lib.cairo_set_source_rgb(cr, rgb[0], rgb[1], rgb[2]);
    if (Solid(s.pattern)) {
        oli_lib.cairo_fill(cr);
        return;
    }
    Hatch(cr, s.pattern);
}

// Lists the box of a picture text turned by `turn` (radians) about the page
// point (px, py), its layout placed at (dx, dy) from it.
void Note_Text_Box(const Canvas& c, PangoLayout* l, double px, double py, double dx, double dy, double turn,
                   const std::string& utf8) {
    PangoRectangle ink;
    oli_lib.pango_layout_get_extents(l, &ink, nullptr);
    const double iw = ink.width / static_cast<double>(PANGO_SCALE);
    const double ix = ink.x / static_cast<double>(PANGO_SCALE);
    const double top = ink.y / static_cast<double>(PANGO_SCALE);
    const double bot = (ink.y + ink.height) / static_cast<double>(PANGO_SCALE);
    const double cx[4] = {dx + ix, dx + ix + iw, dx + ix + iw, dx + ix};
    const double cy[4] = {dy + top, dy + top, dy + bot, dy + bot};
    double x1 = 1e9, y1 = 1e9, x2 = -1e9, y2 = -1e9;
    for (int i = 0; i < 4; ++i) {
        const double rx = px + cx[i] * std::cos(turn) - cy[i] * std::sin(turn);
        const double ry = py + cx[i] * std::sin(turn) + cy[i] * std::cos(turn);
        x1 = std::min(x1, rx), x2 = std::max(x2, rx), y1 = std::min(y1, ry), y2 = std::max(y2, ry);
    }
    OliTextBox b;
    b.page = c.r->at.page;
    b.x = x1 / kPt;
    b.y = y1 / kPt;
    b.w = (x2 - x1) / kPt;
    b.h = (y2 - y1) / kPt;
    b.text = utf8;
    b.kind = OLI_TEXT_PICTURE;
    b.block = c.r->block;
    c.r->boxes->push_back(b);
}

// A text at the picture point (px, py), placed by its alignment code and
// turned by the text angle when `turned` (docs/printlist-viewer.md).
void Picture_Text(const Canvas& c, const PictureState& s, double px, double py, int code, bool turned,
                  const std::string& text) {
    std::string utf8;
    for (unsigned char ch : text) utf8 += ch < 0x20 ? "" : OLI_Glyph(ch);
    if (utf8.empty()) return;
    cairo_t* cr = c.r->cr;
    double size = std::clamp(s.text_height, 0.05, 5.0) * kPt * c.ks / OLI_CAPITALS_OF_FONT_SIZE;
    PangoLayout* l = Layout(c.r, "", kBodyFont, size);
    oli_lib.pango_layout_set_text(l, utf8.c_str(), -1);
    int w = 0, h = 0;
    oli_lib.pango_layout_get_size(l, &w, &h);
    double wp = w / static_cast<double>(PANGO_SCALE), hp = h / static_cast<double>(PANGO_SCALE);
    double baseline = oli_lib.pango_layout_get_baseline(l) / static_cast<double>(PANGO_SCALE);
    double dx = (code & 0x02) ? -wp / 2 : (code & 0x04) ? -wp : 0;
    // 0x20 sets the text on the point (labels above an upper edge), 0x08
    // hangs it from the point (labels below a lower edge).
    double dy = (code & 0x10) ? -hp / 2 : (code & 0x20) ? -baseline : 0;
    double angle = (turned ? s.angle : 0.0) + ((code & 0x100) ? 90.0 : 0.0);
    if (!std::isfinite(angle)) angle = 0;
    const double turn = -std::fmod(angle, 360.0) * M_PI / 180.0;
    oli_lib.cairo_save(cr);
    oli_lib.cairo_translate(cr, c.X(px), c.Y(py));
    oli_lib.cairo_rotate(cr, turn);
    oli_lib.cairo_set_source_rgb(cr, s.line[0], s.line[1], s.line[2]);
    oli_lib.cairo_move_to(cr, dx, dy);
    oli_lib.pango_cairo_show_layout(cr, l);
    oli_lib.cairo_restore(cr);
    if (c.r->boxes && utf8.find_first_not_of(' ') != std::string::npos)
        Note_Text_Box(c, l, c.X(px), c.Y(py), dx, dy, turn, utf8);
    oli_lib.g_object_unref(l);
}

// The symbol file a symbol record names ("%FONT%\name"): under the
// desktop's data ("DATA"\FONT) or the symbols shipped with the program.
// Null when none can be read; each is read once per document.
const OliSymbol* Symbol(Render* r, const std::string& ref) {
    if (!r->shared) return nullptr;
    auto at = r->shared->symbols.find(ref);
    if (at != r->shared->symbols.end()) return at->second.get();
    std::unique_ptr<OliSymbol> sym;
    std::string name = ref;
    const std::string token = "%FONT%";
    if (name.compare(0, token.size(), token) == 0) name = name.substr(token.size());
    for (char& ch : name)
        if (ch == '\\') ch = '/';
    while (!name.empty() && name[0] == '/') name.erase(0, 1);
    std::vector<std::string> dirs;
    if (const char* data = VEKGetEnv("DATA")) dirs.push_back(std::string(data) + "/FONT/");
    dirs.push_back(std::string(WELD_SYMBOL_DIR) + "/");
    if (!name.empty() && name.find("..") == std::string::npos) {
        for (const std::string& d : dirs) {
            // A symbol is a short picture of records: a file beyond the
            // data cap is no symbol.
            FILE* f = VEK_Open_Reading((d + name).c_str(), VEK_READ_CAP_DATA, nullptr);
            if (!f) continue;
            auto s = std::make_unique<OliSymbol>();
            int ok = OLI_Read_Symbol(f, s.get());
            std::fclose(f);
            if (ok) {
                sym = std::move(s);
                break;
            }
        }
    }
    const OliSymbol* out = sym.get();
    r->shared->symbols[ref] = std::move(sym);
    return out;
}

// The records of a symbol, its upper left corner at the paper point
// (x0, y0) of the picture, drawn in a state of their own that starts as s.
void Draw_Symbol(Canvas& c, const OliSymbol& sym, double x0, double y0, const PictureState& s) {
    PictureState inner = s;
    Saved_States inner_saved;
    const double dir = c.ex[3] >= c.ex[2] ? 1.0 : -1.0;  // the picture's y upwards or downwards
    auto px = [&](double sx) { return x0 + sx; };
    auto py = [&](double sy) { return y0 + dir * (sy - sym.height); };
    for (const OliRecord& rec : sym.records) {
        OliRecord t = rec;
        std::vector<double>& v = t.values;
        auto pair = [&](size_t i) {
            if (i + 1 < v.size()) v[i] = px(v[i]), v[i + 1] = py(v[i + 1]);
        };
        switch (rec.number) {
        case OLI_REC_LINE: case OLI_REC_BOX_TEXT: case OLI_REC_BOX_TEXT_TURNED: case OLI_REC_RECTANGLE:
            pair(0), pair(2);
            break;
        case OLI_REC_TEXT: case OLI_REC_TEXT_TURNED: case OLI_REC_NODE_MARK: pair(0); break;
        case OLI_REC_POLYGON:
            for (size_t i = 1; i + 1 < v.size(); i += 2) pair(i);
            break;
        case OLI_REC_SYMBOL: continue;  // a symbol names no further symbol
        default: break;
        }
        Record(c, t, inner, inner_saved);
    }
}

// ---- the records ----

// The records that set the drawing state for those after them: pen, line
// width, text height and angle, fill pattern, dash, colours. False for any
// other record.
bool Set_State(const Canvas& c, const OliRecord& rec, PictureState& s) {
    const std::vector<double>& v = rec.values;
    const bool one = !v.empty();
    switch (rec.number) {
    case OLI_REC_PEN: {
        static const double mm[] = {0.25, 0.18, 0.25, 0.35, 0.5, 0.7, 1.0};
        int n = one ? static_cast<int>(v[0]) : 0;
        s.pen = (n >= 0 && n < 7 ? mm[n] : 0.25) * 72.0 / 25.4;
        return true;
    }
    case OLI_REC_LINE_WIDTH:
        if (one && v[0] > 0 && v[0] < 2) s.pen = v[0] * kPt * c.ks;
        return true;
    case OLI_REC_TEXT_HEIGHT:
        if (one && v[0] > 0) s.text_height = v[0];
        return true;
    case OLI_REC_TEXT_ANGLE:
        if (one) s.angle = v[0];
        return true;
    case OLI_REC_FILL_PATTERN:
        if (one) s.pattern = static_cast<int>(std::clamp(v[0], -1.0, 1000.0));
        return true;
    case OLI_REC_DASH: {
        s.dash.clear();
        size_t n = one && v[0] > 0 ? static_cast<size_t>(std::min(v[0], 16.0)) : 0;
        for (size_t i = 0; i < n && 1 + i < v.size(); ++i) s.dash.push_back(v[1 + i]);
        return true;
    }
    case OLI_REC_LINE_COLOUR: case OLI_REC_FILL_COLOUR: {
        if (v.size() < 3) return true;
        double* rgb = rec.number == OLI_REC_LINE_COLOUR ? s.line : s.fill;
        for (int i = 0; i < 3; ++i) rgb[i] = std::clamp(v[i], 0.0, 255.0) / 255.0;
        if (rec.number == OLI_REC_FILL_COLOUR) s.fill_given = true;
        return true;
    }
    default: return false;
    }
}

// A line: "1 x1 y1 x2 y2".
void Line(const Canvas& c, const std::vector<double>& v, const PictureState& s) {
    cairo_t* cr = c.r->cr;
    Stroke_Style(c, s);
    oli_lib.cairo_move_to(cr, c.X(v[0]), c.Y(v[1]));
    oli_lib.cairo_line_to(cr, c.X(v[2]), c.Y(v[3]));
    oli_lib.cairo_stroke(cr);
    Note_Ink(c.r, OLI_INK_LINE, {c.X(v[0]), c.Y(v[1]), c.X(v[2]), c.Y(v[3])}, s.pen);
}

// A filled polygon: "18 n x1 y1 ... xn yn".
void Polygon(const Canvas& c, const std::vector<double>& v, const PictureState& s) {
    if (v.empty() || v[0] < 1) return;
    size_t n = std::min(static_cast<size_t>(v[0]), (v.size() - 1) / 2);
    if (n == 0) return;
    cairo_t* cr = c.r->cr;
    std::vector<double> corners;
    for (size_t i = 0; i < n; ++i) {
        double px = c.X(v[1 + 2 * i]), py = c.Y(v[2 + 2 * i]);
        if (i == 0) oli_lib.cairo_move_to(cr, px, py);
        else oli_lib.cairo_line_to(cr, px, py);
        corners.push_back(px), corners.push_back(py);
    }
    Note_Area(c.r, s, std::move(corners));
    oli_lib.cairo_close_path(cr);
    // The section prints' hatched areas show their boundary, so that areas
    // of the same hatch (a section on its plate) stay apart.
    if (c.sized && s.pattern > 0 && !Solid(s.pattern)) {
        oli_lib.cairo_save(cr);
        Stroke_Style(c, s);
        oli_lib.cairo_set_line_width(cr, kThinPen);
        oli_lib.cairo_stroke_preserve(cr);
        oli_lib.cairo_restore(cr);
    }
    Fill(cr, s);
}

// A filled rectangle: "24 x1 y1 x2 y2".
void Rectangle(const Canvas& c, const std::vector<double>& v, const PictureState& s) {
    oli_lib.cairo_rectangle(c.r->cr, std::min(c.X(v[0]), c.X(v[2])), std::min(c.Y(v[1]), c.Y(v[3])),
                            std::fabs(c.X(v[2]) - c.X(v[0])), std::fabs(c.Y(v[3]) - c.Y(v[1])));
    Fill(c.r->cr, s);
    Note_Area(c.r, s, {c.X(v[0]), c.Y(v[1]), c.X(v[2]), c.Y(v[1]), c.X(v[2]), c.Y(v[3]), c.X(v[0]), c.Y(v[3])});
}

// The node mark of the section drawings: a small open circle, white inside,
// at the node.
void Node_Mark(const Canvas& c, const std::vector<double>& v, const PictureState& s) {
    cairo_t* cr = c.r->cr;
    const double radius = kNodeMark / 2 * kPt * c.ks, cx = c.X(v[0]), cy = c.Y(v[1]);
    oli_lib.cairo_new_path(cr);
    oli_lib.cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    oli_lib.cairo_set_source_rgb(cr, 1, 1, 1);
    oli_lib.cairo_fill_preserve(cr);
    oli_lib.cairo_set_source_rgb(cr, s.line[0], s.line[1], s.line[2]);
    oli_lib.cairo_set_line_width(cr, kThinPen);
    oli_lib.cairo_set_dash(cr, nullptr, 0, 0);
    oli_lib.cairo_stroke(cr);
    Note_Ink(c.r, OLI_INK_AREA, {cx - radius, cy - radius, cx + radius, cy - radius, cx + radius, cy + radius,
                                 cx - radius, cy + radius});
}

// A label of the scaled weld drawing: the point, the height in mm of paper
// and the angle in degrees.
void Weld_Label(const Canvas& c, const OliRecord& rec, const PictureState& s) {
    const std::vector<double>& v = rec.values;
    PictureState t = s;
    t.text_height = v[2] > 0 && v[2] < 50 ? v[2] / 10.0 : t.text_height;
    t.angle = v[4];
    Picture_Text(c, t, v[0], v[1], 0x02 | 0x10, true, rec.text);
}

// An element brackets records whose drawing state it gives back at its end.
void Element(const OliRecord& rec, PictureState& s, Saved_States& saved) {
    if (rec.number == OLI_REC_ELEMENT_BEGIN) {
        if (saved.size() < 64) saved.push_back(s);
    } else if (!saved.empty()) {
        s = saved.back();
        saved.pop_back();
    }
}

// Records read and not drawn: text classes and styles, lengths and modes,
// the section marks and the colour-mode control.
bool Not_Drawn(int number) {
    switch (number) {
    case OLI_REC_TEXT_CLASS: case OLI_REC_TEXT_STYLE: case OLI_REC_TEXT_LENGTH: case OLI_REC_SECTION_MARK:
    case OLI_REC_TEXT_MODE: case OLI_REC_COLOUR_ELEMENT_BEGIN: case OLI_REC_COLOUR_ELEMENT_END:
    case OLI_REC_COLOUR_CONTROL_59: case OLI_REC_COLOUR_CONTROL_60: case OLI_REC_COLOUR_CONTROL_61:
    case OLI_REC_COLOUR_VALUE:
        return true;
    default: return false;
    }
}

// Draws one record, or changes the drawing state by it; a record with a
// number that is not finite or too large, or without the numbers it needs,
// draws nothing. An unknown record is skipped with one warning per number
// and document.
void Record(Canvas& c, const OliRecord& rec, PictureState& s, Saved_States& saved) {
    const std::vector<double>& v = rec.values;
    for (double x : v)
        if (!Sane(x)) return;  // damage: nothing sensible to draw
    if (Set_State(c, rec, s) || Not_Drawn(rec.number)) return;
    auto has = [&](size_t n) { return v.size() >= n; };
    switch (rec.number) {
    case OLI_REC_LINE:
        if (has(4)) Line(c, v, s);
        return;
    case OLI_REC_TEXT: case OLI_REC_TEXT_TURNED:
        if (has(2)) Picture_Text(c, s, v[0], v[1], 0x20 | 0x01, rec.number == OLI_REC_TEXT_TURNED, rec.text);
        return;
    case OLI_REC_BOX_TEXT: case OLI_REC_BOX_TEXT_TURNED:
        if (has(5))
            Picture_Text(c, s, (v[0] + v[2]) / 2, (v[1] + v[3]) / 2, static_cast<int>(v[4]),
                         rec.number == OLI_REC_BOX_TEXT_TURNED, rec.text);
        return;
    case OLI_REC_POLYGON: Polygon(c, v, s); return;
    case OLI_REC_RECTANGLE:
        if (has(4)) Rectangle(c, v, s);
        return;
    case OLI_REC_SYMBOL:  // "27 x y %FONT%\name"
        if (has(2))
            if (const OliSymbol* sym = Symbol(c.r, rec.text)) Draw_Symbol(c, *sym, v[0], v[1], s);
        return;
    case OLI_REC_ELEMENT_BEGIN: case OLI_REC_ELEMENT_END: Element(rec, s, saved); return;
    case OLI_REC_NODE_MARK:
        if (has(2)) Node_Mark(c, v, s);
        return;
    case OLI_REC_RASTER:  // the embedded or named PNG, else its place
        if (has(3)) OLI_Draw_Raster(c.r->cr, rec, c.X(v[1]), c.Y(v[2]), kPt * c.ks);
        return;
    case OLI_REC_WELD_LABEL:
        if (has(5)) Weld_Label(c, rec, s);
        return;
    default:
        if (c.r->shared && c.r->shared->warned.insert(rec.number).second)
            std::fprintf(stderr, "print list: graphic record %d unknown, skipped\n", rec.number);
        return;
    }
}

// A picture that holds nothing but symbols none of which can be read shows
// nothing and takes no room.
bool Only_Missing_Symbols(Render* r, const OliBlock& b) {
    if (b.record_count == 0 || b.symbol_count != b.record_count || !b.titles.empty() || !b.below.empty())
        return false;
    std::vector<OliRecord> records;
    Oli_Read_Picture_Records(b, &records);
    for (const OliRecord& rec : records)
        if (rec.number != OLI_REC_SYMBOL || Symbol(r, rec.text)) return false;
    return true;
}

// Draws the records of a picture of w x h cm (its extent) at the writing
// position, reduced to fit the page, and keeps its place.
void Draw_Picture(Render* r, const OliBlock& b, double w, double h) {
    Canvas c;
    c.r = r;
    for (int i = 0; i < 4; ++i) c.ex[i] = b.extent[i];
    double room = kPageH - kTop - kBottom - 1.0;
    double natural = b.area > 0 ? std::sqrt(b.area / (w * h)) : 1.0;
    c.k = std::min({natural, Text_Width(r) / w, room / h});
    // Records in paper cm shrink with a picture reduced to fit; a picture
    // sized by its size number has its extent in units of its own, and its
    // texts and widths stay paper lengths.
    c.ks = b.area > 0 ? c.k / natural : c.k;
    c.sized = b.area > 0;
    Ensure(r, h * c.k);
    if (r->done) return;
    Note_Drawn(r, false, -1);
    c.ox = Text_Left(r);
    c.oy = r->at.y;
    // Its records are read only where their drawing is seen or measured: a
    // layout pass needs no more than the picture's place.
    if (Seen(r) || r->boxes || r->ink) {
        std::vector<OliRecord> records;
        Oli_Read_Picture_Records(b, &records);
        PictureState s;
        Saved_States saved;
        oli_lib.cairo_save(r->cr);
        for (const OliRecord& rec : records) Record(c, rec, s, saved);
        oli_lib.cairo_restore(r->cr);
    }
    oli_lib.cairo_set_source_rgb(r->cr, 0, 0, 0);
    r->at.floats.push_back({c.ox, c.oy, c.ox + w * c.k, c.oy + h * c.k});
    Note_Ink(r, OLI_INK_PICTURE, {c.ox * kPt, c.oy * kPt, (c.ox + w * c.k) * kPt, (c.oy + h * c.k) * kPt});
    r->at.y += h * c.k + kPictureGap;
}

}  // namespace

void Picture(Render* r, const OliBlock& b) {
    if (Only_Missing_Symbols(r, b)) return;
    int line = 0;
    for (const std::string& t : b.titles) {
        if (r->done) return;
        Text_Line(r, t, OLI_TEXT_TITLE, line++);
    }
    double w = std::fabs(b.extent[1] - b.extent[0]), h = std::fabs(b.extent[3] - b.extent[2]);
    if (Sane(w) && Sane(h) && w > 0 && h > 0) Draw_Picture(r, b, w, h);
    for (const std::string& t : b.below) {
        if (r->done) return;
        Text_Line(r, t, OLI_TEXT_TITLE, line++);
    }
}

}  // namespace oli_render
