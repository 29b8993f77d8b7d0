// Renders a read print list onto A4 pages with cairo and pango: a PDF with
// bookmarks, or one page as a PNG. Lengths are worked in cm and drawn in
// points; a PNG page is the same drawing scaled to its resolution.
//
// Every page is drawn twice over: a first pass only counts the pages, so
// that the foot line of each page can say "Seite n von m".

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <set>

#include "platform/desktop.h"
#include "platform/oli_layout_check.h"
#include "platform/oli_markup_internal.h"
#include "platform/oli_render_calls.h"
#include "platform/oli_symbols_internal.h"
#include "platform/oli_view.h"
#include "platform/posix.h"

#ifndef WELD_SYMBOL_DIR
#define WELD_SYMBOL_DIR "data/FONT"
#endif

namespace {

constexpr double kPt = 72.0 / 2.54;  // points per cm
constexpr double kPageW = 21.0, kPageH = 29.7;
constexpr double kLeft = 2.5, kRight = 1.5, kTop = 2.0, kBottom = 2.0;
constexpr double kBodySize = 9.5, kTableSize = 8.5, kFootSize = 7.5;  // points
constexpr double kMinTableSize = 5.5;                                // points, a table shrunk to fit
constexpr double kLimit = 1e5;                                       // cm; beyond is damage
constexpr double kNodeMark = 0.12;                                   // cm, diameter of a node mark
constexpr double kTableGap = 0.5;     // cm below every table (the writers move up by it to go on at once)
constexpr double kPictureGap = 0.7;   // cm below every picture (the writers move up by as much to go on
                                      // right below it, by less to keep some room)
constexpr double kKeepWithHeading = 0.8;  // cm that must follow a heading on its page
constexpr double kDefaultTab = 1.2;   // cm between the stops of a line that gives none (four tab steps)
constexpr double kTabGap = 0.1;       // cm a text keeps before the stop it is tabbed to
constexpr double kFootRule = kPageH - kBottom + 0.5;  // cm, the rule above the foot line
const char* const kBodyFont = "DejaVu Sans";
const char* const kTableFont = "DejaVu Sans Mono";

// The errno of the first write into the stream that failed in this file's
// render (cairo calls on after it and may change errno).
int write_error = 0;

// cairo's writer of a PDF or PNG into a stream.
cairo_status_t Write_To_File(void* file, const unsigned char* data, unsigned int length) {
    if (std::fwrite(data, 1, length, static_cast<FILE*>(file)) == length) return CAIRO_STATUS_SUCCESS;
    if (!write_error) write_error = errno;
    return CAIRO_STATUS_WRITE_ERROR;
}

// The result of a callback that fills a file (VEK_Replace_File), with the
// errno of its failed write, if any, in errno for the replace to leave.
int Filled(bool ok, FILE* f) {
    if (ok && !std::ferror(f)) return VEK_WRITE_DONE;
    errno = write_error;
    return VEK_WRITE_FAILED;
}

bool Sane(double v) { return std::isfinite(v) && std::fabs(v) < kLimit; }

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

// ---- where a line may break ----

bool Is_Digit(int c) { return c >= '0' && c <= '9'; }

// The visible word of glyphs [b, e) in plain text, superscript digits as
// their signs, without trailing punctuation.
std::string Word_Of(const std::vector<OliGlyphItem>& g, size_t b, size_t e) {
    std::string w;
    for (size_t i = b; i < e; ++i) {
        int c = g[i].c;
        if (g[i].style.sup && c == '2') c = 0xFD;
        else if (g[i].style.sup && c == '3') c = 0xFA;
        w += c < 0x100 ? static_cast<char>(c) : '?';
    }
    while (!w.empty() && std::strchr(",;:)", w.back())) w.pop_back();
    return w;
}

bool Is_Unit(const std::string& w) {
    static const char* const kUnits[] = {"mm", "cm", "m", "kN", "kNm", "kNcm", "N", "Nm", "N/mm\xFD", "N/mm2",
                                         "kN/cm", "kN/cm\xFD", "kN/m", "mm\xFD", "cm\xFD", "cm\xFA", "cm4", "%",
                                         "\x89", "\xF8", "kg", "kg/m", "kN/m\xFD", "cm\xFD/m"};
    for (const char* u : kUnits)
        if (w == u) return true;
    return false;
}

// Comparison and relation signs stay on the line of both neighbours.
bool Is_Relation(const std::string& w) {
    return w == "=" || w == "<" || w == ">" || w == "\xF3" || w == "\xF2" || w == "\xF7" || w == "<=" || w == ">=";
}

bool Is_Verdict(const std::string& w) { return w == "ok" || w == "nicht" || w == "!!" || w == "!" || w == "ok!"; }

// Marks the blanks that must not break a line: between a value and its
// unit, around a comparison sign, after the arrow to a utilisation, and
// before a verdict ("= 0.123  <  1  ok", "235.0 N/mm²", "nicht ok !!").
std::vector<bool> Glued_Blanks(const std::vector<OliGlyphItem>& g) {
    std::vector<bool> glued(g.size(), false);
    // Words: runs without blanks and tabs.
    struct Span {
        size_t b, e;
    };
    std::vector<Span> words;
    for (size_t i = 0; i < g.size();) {
        if (g[i].c == ' ' || g[i].c == '\t') {
            ++i;
            continue;
        }
        size_t b = i;
        while (i < g.size() && g[i].c != ' ' && g[i].c != '\t') ++i;
        words.push_back({b, i});
    }
    for (size_t k = 0; k + 1 < words.size(); ++k) {
        const size_t gap_b = words[k].e, gap_e = words[k + 1].b;
        bool blanks_only = true;
        for (size_t i = gap_b; i < gap_e; ++i) blanks_only = blanks_only && g[i].c == ' ';
        if (!blanks_only) continue;
        const std::string a = Word_Of(g, words[k].b, words[k].e), b = Word_Of(g, words[k + 1].b, words[k + 1].e);
        const bool a_number = !a.empty() && (Is_Digit(static_cast<unsigned char>(a.back())));
        bool glue = Is_Relation(a) || Is_Relation(b) || a == "\x88" || Is_Verdict(b) || a == "nicht" ||
                    (a_number && Is_Unit(b)) || a.empty() || b.empty();
        // A coloured verdict (a blue "ok", a red "nicht ok !!") stays with
        // what it judges.
        if (!glue && g[words[k + 1].b].style.colour >= 0 && g[words[k].b].style.colour < 0 &&
            g[words[k + 1].b].style.heading)
            glue = true;
        if (glue)
            for (size_t i = gap_b; i < gap_e; ++i) glued[i] = true;
    }
    return glued;
}

// ---- pieces of text laid out into rows ----

struct Piece {
    PangoLayout* l = nullptr;
    double x = 0, w = 0, base = 0, h = 0;  // cm: left edge, width, baseline below the top, height
    std::string text;
};

struct Row {
    std::vector<Piece> pieces;
    double asc = 0, desc = 0;
    double Height() const { return asc + desc; }
};

void Free_Rows(std::vector<Row>& rows) {
    for (Row& r : rows)
        for (Piece& p : r.pieces)
            if (p.l) oli_lib.g_object_unref(p.l), p.l = nullptr;
    rows.clear();
}

// The pixels of an RGB24 image surface as 0xRRGGBB values, row by row.
bool Copy_Pixels(cairo_surface_t* surface, OliPageImage* image) {
    const int w = oli_lib.cairo_image_surface_get_width(surface), h = oli_lib.cairo_image_surface_get_height(surface);
    const int stride = oli_lib.cairo_image_surface_get_stride(surface);
    const unsigned char* data = oli_lib.cairo_image_surface_get_data(surface);
    if (!data || w < 1 || h < 1) return false;
    image->width = w;
    image->height = h;
    image->rgb.resize(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < w; ++x) image->rgb[static_cast<size_t>(y) * w + x] = row[x] & 0xFFFFFFu;
    }
    return true;
}

// What both passes over a document share: the symbol files read (null: not
// readable) and the record numbers already warned about.
struct Shared {
    std::map<std::string, std::unique_ptr<OliSymbol>> symbols;
    std::set<int> warned;
    // Headings that would end a page: (block, line) of the first of them,
    // set on a new page instead. A pass stops at the first heading it finds
    // at a page's foot, and only that one is added: what stands before it
    // is laid out as before, so an entry never goes stale when a later move
    // shifts the pages after it.
    std::set<std::pair<int, int>> break_before;
    bool searching = false;  // a pass that only looks for the next heading to move
    bool moved = false;      // that pass found one
    std::pair<int, int> moved_at{-1, -1};  // (block, line) of that heading
};

// What stands on the page so far, in the order drawn: a heading line or
// anything else (a text line, a table row, a picture).
struct Drawn {
    bool heading;
    int block, line;
};

struct Renderer {
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    bool pdf = true;
    int page = 1;
    int total = 0;           // pages of the whole list, 0 while counting
    int target = 0;          // PNG: the page to write
    double dpi = 150;
    FILE* png_file = nullptr;        // the target page goes to this PNG file,
    OliPageImage* image = nullptr;   // or into these pixels
    bool png_written = false;
    bool done = false;
    double y = kTop;         // cm from the top of the page
    double lowest = kTop;    // the lowest point written on this page
    double mark = -1;        // position of the last move with word 768, -1 none on this page
    double table_end = -1;   // lower edge of the table just set (before its gap), -1 after anything else
    double margin = 0.0;     // cm beyond the left margin
    std::vector<int> parents{0};
    double stored[10] = {0};
    int stored_page[10] = {0};
    std::string contents;    // the contents entry in force: the position of the list
    std::string page_mark;   // what every page says of a damaged list (OLI_Page_Mark), UTF-8
    int block = -1;          // the block being drawn
    std::vector<OliTextBox>* boxes = nullptr;
    std::vector<OliInk>* ink = nullptr;  // the marks of pictures, for the layout check
    Shared* shared = nullptr;

    double Text_Left() const { return kLeft + margin; }
    double Text_Width() const { return std::max(2.0, kPageW - kRight - Text_Left()); }

    // Pictures drawn on this page: text set beside one of them (the writers
    // go back up to set a list beside a picture, a picture beside a table)
    // ends before it.
    struct Float {
        double x1, y1, x2, y2;
    };
    std::vector<Float> floats;
    // The ink of the running text, table rows and titles set on this page:
    // a table set beside text that stands below its top (the writers go
    // back up to set a data block beside a sketch whose material lines
    // follow it) is set smaller to end above that text.
    std::vector<Float> inked;

    // Where text starting at x and standing from top to bottom must end:
    // the right margin, or just before a picture to its right.
    double Right_Edge(double x, double top, double bottom) const {
        double r = kPageW - kRight;
        for (const Float& f : floats)
            if (f.y1 < bottom && top < f.y2 && f.x1 > x + 0.5) r = std::min(r, f.x1 - 0.2);
        return r;
    }
    double Bottom() const { return kPageH - kBottom; }

    // Notes a mark of a picture; the points are page points (1/72 inch).
    void Note_Ink(OliInkKind kind, std::vector<double> pt, double width_pt = 0.0) {
        if (!ink) return;
        OliInk m;
        m.kind = kind;
        m.page = page;
        m.block = block;
        m.texts = boxes ? boxes->size() : 0;
        m.width = width_pt / kPt;
        for (double& v : pt) v /= kPt;
        m.xy = std::move(pt);
        ink->push_back(std::move(m));
    }
    // A filled polygon: cleared to white (pattern 0) or inked.
    void Note_Area(const PictureState& s, std::vector<double> pt) {
        Note_Ink(s.pattern <= 0 ? OLI_INK_CLEAR : OLI_INK_AREA, std::move(pt));
    }

    void Begin_Page() {
        if (!pdf) {
            oli_lib.cairo_identity_matrix(cr);
            oli_lib.cairo_set_source_rgb(cr, 1, 1, 1);
            oli_lib.cairo_paint(cr);
            oli_lib.cairo_scale(cr, dpi / 72.0, dpi / 72.0);
        }
        oli_lib.cairo_set_source_rgb(cr, 0, 0, 0);
        y = lowest = kTop;
        mark = table_end = -1;
        floats.clear();
        inked.clear();
    }

    // The foot line: the position the page belongs to and "Seite n von m".
    void Foot() {
        if (total <= 0) return;
        oli_lib.cairo_save(cr);
        oli_lib.cairo_set_source_rgb(cr, 0.45, 0.45, 0.45);
        oli_lib.cairo_set_line_width(cr, 0.4);
        oli_lib.cairo_set_dash(cr, nullptr, 0, 0);
        oli_lib.cairo_move_to(cr, kLeft * kPt, kFootRule * kPt);
        oli_lib.cairo_line_to(cr, (kPageW - kRight) * kPt, kFootRule * kPt);
        oli_lib.cairo_stroke(cr);
        char right[64];
        std::snprintf(right, sizeof right, "Seite %d von %d", page, total);
        std::string left = OLI_Plain_Text(contents);
        size_t s = left.find_first_not_of(' ');
        left = s == std::string::npos ? "" : left.substr(s);
        std::vector<OliGlyphItem> g_right = Oli_Markup_Glyphs(right);
        PangoLayout* r = Layout(Oli_Glyphs_Pango(g_right, 0, g_right.size()), kBodyFont, kFootSize);
        double rw = Width_Cm(r);
        double room = kPageW - kRight - kLeft - rw - 0.5;
        std::vector<OliGlyphItem> g_left = Oli_Markup_Glyphs(contents);
        // Only the visible text of the entry, from its first character.
        size_t first = 0;
        while (first < g_left.size() && g_left[first].c == ' ') ++first;
        for (OliGlyphItem& it : g_left) it.style = OliStyle{};
        PangoLayout* l = Layout(Oli_Glyphs_Pango(g_left, first, g_left.size()), kBodyFont, kFootSize);
        oli_lib.pango_layout_set_width(l, static_cast<int>(std::max(1.0, room) * kPt * PANGO_SCALE));
        oli_lib.pango_layout_set_ellipsize(l, PANGO_ELLIPSIZE_END);
        const double top = kFootRule + 0.12;
        Show(l, kLeft, top, OLI_TEXT_FOOT, left, -1, 0, false);
        Show(r, kPageW - kRight - rw, top, OLI_TEXT_FOOT, right, -1, 0, false);
        oli_lib.g_object_unref(l);
        oli_lib.g_object_unref(r);
        oli_lib.cairo_restore(cr);
    }

    // A damaged list says so on every page, in red above the text, so that
    // no printed page passes for a whole report.
    void Page_Mark() {
        if (total <= 0 || page_mark.empty()) return;
        oli_lib.cairo_save(cr);
        oli_lib.cairo_set_source_rgb(cr, 0.8, 0.0, 0.0);
        std::string text;
        for (char c : page_mark) text += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
        PangoLayout* l = Layout("<b>" + text + "</b>", kBodyFont, kFootSize);
        oli_lib.pango_layout_set_width(l, static_cast<int>((kPageW - kRight - kLeft) * kPt * PANGO_SCALE));
        Show(l, kLeft, kTop - 1.2, OLI_TEXT_FOOT, page_mark, -1, 0, false);
        oli_lib.g_object_unref(l);
        oli_lib.cairo_restore(cr);
    }

    void End_Page() {
        Foot();
        Page_Mark();
        if (pdf) {
            oli_lib.cairo_show_page(cr);
        } else if (page == target) {
            oli_lib.cairo_surface_flush(surface);
            if (png_file)
                png_written = oli_lib.cairo_surface_write_to_png_stream(surface, Write_To_File, png_file) ==
                              CAIRO_STATUS_SUCCESS;
            else if (image) png_written = Copy_Pixels(surface, image);
            done = true;
        }
    }

    std::vector<Drawn> on_page;

    void Note(bool heading, int line) { on_page.push_back({heading, block, line}); }

    void New_Page() {
        // Headings at the foot of the page go to the next one with what
        // they head (in the next pass).
        size_t i = on_page.size();
        while (i > 0 && on_page[i - 1].heading) --i;
        if (shared && shared->searching && i > 0 && i < on_page.size() &&
            shared->break_before.insert({on_page[i].block, on_page[i].line}).second) {
            shared->moved = true;
            shared->moved_at = {on_page[i].block, on_page[i].line};
            done = true;  // the pages after it are laid out by the next pass
            return;
        }
        on_page.clear();
        // Only the block being drawn runs onto the new page.
        if (kept && kept->size() > 1) kept->erase(kept->begin(), kept->end() - 1);
        End_Page();
        ++page;
        Begin_Page();
    }

    // Room for h cm below the writing position, on a new page if needed
    // (a block taller than a page starts at the top of one and runs over).
    void Ensure(double h) {
        if (y + h > Bottom() && y > kTop + 1e-6) New_Page();
    }

    PangoLayout* Layout(const std::string& markup, const char* family, double size_pt) {
        PangoLayout* l = oli_lib.pango_cairo_create_layout(cr);
        PangoContext* ctx = oli_lib.pango_layout_get_context(l);
        oli_lib.pango_cairo_context_set_resolution(ctx, 72.0);
        cairo_font_options_t* fo = oli_lib.cairo_font_options_create();
        oli_lib.cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
        oli_lib.cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_NONE);
        oli_lib.pango_cairo_context_set_font_options(ctx, fo);
        oli_lib.cairo_font_options_destroy(fo);
        oli_lib.pango_layout_context_changed(l);
        PangoFontDescription* fd = oli_lib.pango_font_description_from_string(family);
        oli_lib.pango_font_description_set_absolute_size(fd, size_pt * PANGO_SCALE);
        oli_lib.pango_layout_set_font_description(l, fd);
        oli_lib.pango_font_description_free(fd);
        oli_lib.pango_layout_set_markup(l, markup.c_str(), -1);
        return l;
    }

    static double Width_Cm(PangoLayout* l) {
        int w = 0, h = 0;
        oli_lib.pango_layout_get_size(l, &w, &h);
        return w / static_cast<double>(PANGO_SCALE) / kPt;
    }
    static double Height_Cm(PangoLayout* l) {
        int w = 0, h = 0;
        oli_lib.pango_layout_get_size(l, &w, &h);
        return h / static_cast<double>(PANGO_SCALE) / kPt;
    }

    // Draws a layout with its top left corner at (x, top) cm and records
    // its box.
    void Show(PangoLayout* l, double x, double top, OliTextKind kind, const std::string& text, int line, int row,
              bool heading) {
        oli_lib.cairo_move_to(cr, x * kPt, top * kPt);
        oli_lib.pango_cairo_show_layout(cr, l);
        if (text.empty() || text.find_first_not_of(' ') == std::string::npos) return;
        // The ink of the glyphs: what another text must not touch.
        PangoRectangle ink;
        oli_lib.pango_layout_get_extents(l, &ink, nullptr);
        const double ix = x + ink.x / static_cast<double>(PANGO_SCALE) / kPt;
        const double iy = top + ink.y / static_cast<double>(PANGO_SCALE) / kPt;
        const double iw = ink.width / static_cast<double>(PANGO_SCALE) / kPt;
        const double ih = ink.height / static_cast<double>(PANGO_SCALE) / kPt;
        if (kind == OLI_TEXT_PARA || kind == OLI_TEXT_TABLE || kind == OLI_TEXT_TITLE)
            inked.push_back({ix, iy, ix + iw, iy + ih});
        if (boxes) {
            OliTextBox b;
            b.page = page;
            b.x = ix;
            b.y = iy;
            b.w = iw;
            b.h = ih;
            b.text = text;
            b.kind = kind;
            b.block = block;
            b.line = line;
            b.row = row;
            b.heading = heading;
            boxes->push_back(b);
        }
    }

    // One piece of glyphs [b, e) on one line.
    Piece Make_Piece(const std::vector<OliGlyphItem>& g, size_t b, size_t e, const std::vector<bool>& glued,
                     const char* family, double size) {
        Piece p;
        p.l = Layout(Oli_Glyphs_Pango(g, b, e, &glued), family, size);
        p.w = Width_Cm(p.l);
        p.h = Height_Cm(p.l);
        p.base = oli_lib.pango_layout_get_baseline(p.l) / static_cast<double>(PANGO_SCALE) / kPt;
        size_t v = e;
        while (v > b && (g[v - 1].c == ' ' || g[v - 1].c == '\t')) --v;
        p.text = Oli_Glyphs_Plain(g, b, v);
        return p;
    }

    // The width of a piece without its trailing blanks.
    static double Visible_Width(const Piece& p) {
        const char* t = oli_lib.pango_layout_get_text(p.l);
        int n = static_cast<int>(std::strlen(t));
        while (n > 0 && t[n - 1] == ' ') --n;
        if (n == 0) return 0.0;
        PangoRectangle pos;
        oli_lib.pango_layout_index_to_pos(p.l, n, &pos);
        // index_to_pos of the end gives the position after the last glyph.
        double w = pos.x / static_cast<double>(PANGO_SCALE) / kPt;
        return w > 0 ? std::min(w, p.w) : p.w;
    }

    // Lays one text line out into rows of `width` cm: tabs go to the stops
    // (cm from the line's left edge, a hanging width first); a cell that
    // does not fit goes on in a new row at the continuation stop (the
    // hanging width, else the first stop), and a text too long for a row
    // breaks only where Glued_Blanks allows it.
    std::vector<Row> Flow(const std::string& text, const char* family, double size, double width,
                          const std::vector<double>& tab_stops, double hanging) {
        std::vector<Row> rows;
        std::vector<OliGlyphItem> g = Oli_Markup_Glyphs(text);
        std::vector<bool> glued = Glued_Blanks(g);
        std::vector<double> stops;
        if (hanging > 0) stops.push_back(hanging);
        for (double t : tab_stops)
            if (t > 0 && Sane(t)) stops.push_back(t);
        std::sort(stops.begin(), stops.end());
        bool has_tab = false;
        for (const OliGlyphItem& it : g) has_tab = has_tab || it.c == '\t';
        double cont = hanging > 0 ? hanging : (has_tab && !stops.empty() ? stops[0] : 0.0);
        if (cont > width * 0.6) cont = 0.0;
        Row cur;
        double x = 0.0;
        auto place = [&](Piece p) {
            p.x = x;
            x += p.w;
            cur.asc = std::max(cur.asc, p.base);
            cur.desc = std::max(cur.desc, p.h - p.base);
            cur.pieces.push_back(p);
        };
        auto new_row = [&]() {
            rows.push_back(cur);
            cur = Row{};
            x = cont;
        };
        auto next_stop = [&](double from) {
            for (double s : stops)
                if (s > from + 1e-6) return s;
            double base = stops.empty() ? 0.0 : stops.back();
            return base + kDefaultTab * (std::floor((from - base) / kDefaultTab + 1e-9) + 1.0);
        };
        size_t b = 0;
        bool first_cell = true;
        while (b <= g.size()) {
            size_t e = b;
            while (e < g.size() && g[e].c != '\t') ++e;
            const bool after_tab = !first_cell;
            first_cell = false;
            if (after_tab) {
                double s = next_stop(x > 0 ? x + kTabGap : x);
                if (s >= width - 0.05) {
                    new_row();
                } else {
                    x = s;
                    // A line without stops of its own goes on under its
                    // first tabbed cell.
                    if (stops.empty() && cont == 0.0 && x < width * 0.6) cont = x;
                }
            }
            Piece whole = Make_Piece(g, b, e, glued, family, size);
            const double whole_w = Visible_Width(whole);
            if (x + whole_w <= width + 1e-6 || b == e) {
                place(whole);
            } else if (after_tab && x > cont + 1e-6 && cont + whole_w <= width + 1e-6) {
                // A cell after a tab goes on whole in a new row.
                new_row();
                place(whole);
            } else {
                oli_lib.g_object_unref(whole.l);
                // Word by word: a word runs to the end of its breakable blanks.
                size_t w = b;
                while (w < e) {
                    size_t we = w;
                    while (we < e && !(g[we].c == ' ' && !glued[we])) ++we;
                    while (we < e && g[we].c == ' ' && !glued[we]) ++we;
                    Piece p = Make_Piece(g, w, we, glued, family, size);
                    double vis = Visible_Width(p);
                    if (x + vis > width + 1e-6 && x > cont + 1e-6 && !cur.pieces.empty()) {
                        new_row();
                    }
                    if (x + vis > width + 1e-6 && we - w > 1) {
                        // A word longer than a row: as many glyphs as fit.
                        oli_lib.g_object_unref(p.l);
                        size_t lo = w + 1, hi = we;
                        while (lo < hi) {
                            size_t mid = (lo + hi + 1) / 2;
                            Piece t = Make_Piece(g, w, mid, glued, family, size);
                            bool fits = x + Visible_Width(t) <= width + 1e-6;
                            oli_lib.g_object_unref(t.l);
                            if (fits) lo = mid;
                            else hi = mid - 1;
                        }
                        place(Make_Piece(g, w, lo, glued, family, size));
                        w = lo;
                        if (w < we) new_row();
                        continue;
                    }
                    place(p);
                    w = we;
                }
            }
            if (e >= g.size()) break;
            b = e + 1;
        }
        rows.push_back(cur);
        return rows;
    }

    // Draws rows at the writing position from left edge `left`; a heading
    // keeps room for what follows it on its page.
    void Draw_Rows(std::vector<Row>& rows, double left, OliTextKind kind, int line, bool heading) {
        bool visible = false;
        for (const Row& row : rows)
            for (const Piece& p : row.pieces) visible = visible || !p.text.empty();
        if (visible && shared && shared->break_before.count({block, line}) && y > kTop + 1e-6) New_Page();
        // The rows of one line are one row of its writer's: they start a
        // page together (a label stays with the values it names), unless
        // the line is too tall to move without leaving a page nearly empty.
        if (visible && rows.size() > 1) {
            double all = 0.0;
            for (const Row& row : rows) all += row.Height() > 0 ? row.Height() : 0.38;
            if (all < (Bottom() - kTop) / 3) Ensure(all + (heading ? kKeepWithHeading : 0.0));
        }
        if (visible) Note(heading, line);
        for (size_t r = 0; r < rows.size(); ++r) {
            Row& row = rows[r];
            double h = row.Height();
            if (h <= 0) h = 0.38;
            Ensure(h + (heading && r + 1 == rows.size() ? kKeepWithHeading : 0.0));
            for (Piece& p : row.pieces) Show(p.l, left + p.x, y + row.asc - p.base, kind, p.text, line, (int)r, heading);
            y += h;
        }
        Free_Rows(rows);
    }

    // One text line in the body font (table titles, captions).
    void Text_Line(const std::string& text, OliTextKind kind, int line) {
        std::vector<Row> rows =
            Flow(text, kBodyFont, kBodySize, std::max(1.0, Right_Edge(Text_Left(), y, y + 0.45) - Text_Left()), {}, 0.0);
        Draw_Rows(rows, Text_Left(), kind, line, Starts_As_Heading(text));
    }

    // A table row heads the rows after it when its text begins in bold or
    // heading style.
    static bool Heads_Rows(const std::vector<OliGlyphItem>& g) {
        for (const OliGlyphItem& it : g) {
            if (it.c == ' ') continue;
            return it.style.bold || it.style.heading;
        }
        return false;
    }
    static bool Has_Ink(const std::vector<OliGlyphItem>& g) {
        for (const OliGlyphItem& it : g)
            if (it.c != ' ' && it.c != '\t') return true;
        return false;
    }

    // A line that begins in heading style ("╬H...") heads what follows.
    static bool Starts_As_Heading(const std::string& text) {
        for (const OliGlyphItem& it : Oli_Markup_Glyphs(text)) {
            if (it.c == ' ') continue;
            return it.style.heading;
        }
        return false;
    }

    void Para(const OliBlock& b) {
        int line = 0;
        OliLineFrames frames;
        for (const OliParaLine& pl : b.para) {
            if (done) return;
            const OliViewFormat& f = pl.format;
            if (pl.starts && Sane(f.space_before)) y = std::max(kTop, y + f.space_before);
            bool head = f.mode == 5;
            double indent = Sane(f.indent) ? std::clamp(f.indent, 0.0, 15.0) : 0.0;
            double x = Text_Left() + indent;
            std::vector<double> tabs;
            for (double t : f.tabs)
                if (Sane(t) && t - indent > 0) tabs.push_back(t - indent);
            double hanging = Sane(f.hanging) ? std::clamp(f.hanging, 0.0, 10.0) : 0.0;
            const double room = std::max(1.0, Right_Edge(x, y, y + 0.45) - x);
            std::vector<Row> rows = Flow(pl.text, head ? "DejaVu Sans Bold" : kBodyFont, head ? 12.0 : kBodySize,
                                         room, tabs, hanging);
            const double top = y;
            Draw_Rows(rows, x, OLI_TEXT_PARA, line++, head || Starts_As_Heading(pl.text));
            // The frame escapes of the line (rules, rectangle frames) over
            // the rows it took (from the top of the page when it ran over).
            OLI_Draw_Line_Frames(cr, &frames, pl.text, x * kPt, (top < y ? top : kTop) * kPt, room * kPt,
                                 room * kPt, y * kPt);
            if (Sane(pl.space_after)) y = std::max(kTop, y + pl.space_after);
        }
        OLI_Close_Line_Frames(cr, &frames);
        if (Sane(b.value)) y = std::max(kTop, y + b.value);
    }

    // The top of the highest text set on this page that starts below `top`
    // and reaches into the columns x1 .. x2; a large value when there is none.
    double Text_Below(double top, double x1, double x2) const {
        double first = 1e9;
        for (const Float& t : inked)
            if (t.y1 >= top - 1e-6 && t.x2 > x1 + 0.05 && t.x1 < x2 - 0.05) first = std::min(first, t.y1);
        return first;
    }

    // Total height of the rows at `pt` points.
    double Rows_Height(const std::vector<std::vector<OliGlyphItem>>& glyphs, double pt) {
        double h = 0;
        for (const std::vector<OliGlyphItem>& g : glyphs) {
            PangoLayout* l = Layout(Oli_Glyphs_Pango(g, 0, g.size()), kTableFont, pt);
            h += Height_Cm(l);
            oli_lib.g_object_unref(l);
        }
        return h;
    }

    // A table set beside text that already stands below its top (the
    // writer went back up to set it there) must end above that text: it is
    // set smaller, down to the smallest table size; when even that does not
    // end above it, the table goes below everything on the page instead.
    // `widest` is the widest row at the normal table size.
    void Clear_Of_Text_Below(const std::vector<std::vector<OliGlyphItem>>& glyphs, double widest, double* size) {
        const double left = Text_Left();
        const double below = Text_Below(y, left, left + widest * *size / kTableSize);
        if (below >= 1e9) return;
        const double room = below - 0.1 - y;
        double h = Rows_Height(glyphs, *size);
        if (h <= room) return;
        double pt = *size;
        // Row heights follow the size nearly in proportion; a few steps
        // settle the rounding of the font's line height.
        for (int step = 0; step < 4 && h > room && pt > kMinTableSize; ++step) {
            pt = std::max(kMinTableSize, room > 0 ? pt * room / h * 0.99 : kMinTableSize);
            h = Rows_Height(glyphs, pt);
        }
        if (h <= room) {
            *size = pt;
            return;
        }
        y = std::max(y, lowest);
    }

    // The width of a row of a table at `pt` points.
    double Row_Width(const std::vector<OliGlyphItem>& glyphs, double pt) {
        PangoLayout* l = Layout(Oli_Glyphs_Pango(glyphs, 0, glyphs.size()), kTableFont, pt);
        const double w = Width_Cm(l);
        oli_lib.g_object_unref(l);
        return w;
    }

    // The size of a table whose widest row is `widest` cm at the normal
    // size, and the room it is set in (its width is returned): the room
    // left of a picture beside it, where the table is set smaller to end
    // before the picture. The font's advances round at small sizes, so the
    // widest row is measured again at the size found, and smaller still
    // until it fits; when it does not fit beside the picture even at the
    // smallest size, the table starts below the picture, in the whole
    // width.
    double Fit_Table(const std::vector<OliGlyphItem>& widest_glyphs, double widest, size_t rows, double* size) {
        const double full = std::max(2.0, kPageW - kRight - Text_Left());
        double width = std::max(2.0, Right_Edge(Text_Left(), y, y + 0.36 * static_cast<double>(rows)) - Text_Left());
        for (int pass = 0; pass < 2; ++pass) {
            *size = kTableSize;
            if (widest <= width) return width;
            *size = std::max(kMinTableSize, kTableSize * width / widest);
            double w = Row_Width(widest_glyphs, *size);
            for (int step = 0; step < 4 && w > width && *size > kMinTableSize; ++step) {
                *size = std::max(kMinTableSize, *size * width / w * 0.99);
                w = Row_Width(widest_glyphs, *size);
            }
            if (w <= width || width >= full - 1e-6) return width;
            for (const Float& f : floats)
                if (f.y2 > y && f.x1 > Text_Left() + 0.5) y = std::max(y, f.y2 + 0.2);
            width = std::max(2.0, Right_Edge(Text_Left(), y, y + 0.36 * static_cast<double>(rows)) - Text_Left());
        }
        return width;
    }

    // A table: its titles, then its rows set in a monospaced font, as the
    // writers align the cells with blanks; a table wider than the page is
    // set smaller. A table that runs over a page repeats its head rows, and
    // its head never stands alone at the bottom of a page.
    void Table(const OliBlock& b) {
        int line = 0;
        for (const std::string& t : b.titles) {
            if (done) return;
            Text_Line(t, OLI_TEXT_TITLE, line++);
        }
        if (b.lines.empty()) {
            table_end = y;
            y += kTableGap;
            return;
        }
        double size = kTableSize;
        double widest = 0;
        size_t widest_row = 0;
        std::vector<std::vector<OliGlyphItem>> glyphs;
        for (const std::string& row : b.lines) {
            glyphs.push_back(Oli_Markup_Glyphs(row));
            const double w = Row_Width(glyphs.back(), size);
            if (w > widest) widest = w, widest_row = glyphs.size() - 1;
        }
        const double width = Fit_Table(glyphs[widest_row], widest, b.lines.size(), &size);
        Clear_Of_Text_Below(glyphs, widest, &size);
        const int head = std::clamp(b.head_rows, 0, static_cast<int>(b.lines.size()) - 1);
        std::vector<PangoLayout*> rows;
        double head_h = 0;
        for (size_t i = 0; i < b.lines.size(); ++i) {
            rows.push_back(Layout(Oli_Glyphs_Pango(glyphs[i], 0, glyphs[i].size()), kTableFont, size));
            if (static_cast<int>(i) < head) head_h += Height_Cm(rows.back());
        }
        // Rows in bold that head the rows after them (the sections of a text
        // block set as a one-column table: "Schweißnähte", "Spannungen")
        // start a page only with the first row they head.
        std::vector<bool> heads(rows.size(), false);
        for (size_t i = rows.size(); i-- > static_cast<size_t>(head);)
            heads[i] = i + 1 < rows.size() && Heads_Rows(glyphs[i]) && Has_Ink(glyphs[i + 1]);
        OliLineFrames frames;
        auto draw_row = [&](size_t i) {
            PangoLayout* l = rows[i];
            double h = Height_Cm(l);
            const double top = y;
            Show(l, Text_Left(), y, OLI_TEXT_TABLE, Oli_Glyphs_Plain(glyphs[i], 0, glyphs[i].size()),
                 static_cast<int>(i), 0, heads[i]);
            y += h;
            // The frame escapes of the row (a rule under its cells, frames).
            OLI_Draw_Line_Frames(cr, &frames, b.lines[i], Text_Left() * kPt, top * kPt, Width_Cm(l) * kPt,
                                 width * kPt, y * kPt);
        };
        for (size_t i = 0; i < rows.size() && !done; ++i) {
            const double h = Height_Cm(rows[i]);
            double keep = h;  // what must stand on the page with this row
            if (heads[i] && (i == 0 || !heads[i - 1]))
                for (size_t j = i + 1; j < rows.size(); ++j) {
                    keep += Height_Cm(rows[j]);
                    if (!heads[j]) break;
                }
            if (static_cast<int>(i) < head) {
                if (i == 0) Ensure(head_h + (rows.size() > static_cast<size_t>(head) ? Height_Cm(rows[head]) : 0));
            } else if ((y + h > Bottom() || (y + keep > Bottom() && keep < (Bottom() - kTop) / 3)) &&
                       y > kTop + 1e-6) {
                New_Page();
                if (done) break;
                for (int k = 0; k < head; ++k) draw_row(static_cast<size_t>(k));
            }
            if (done) break;
            Note(false, static_cast<int>(i));
            draw_row(i);
        }
        OLI_Close_Line_Frames(cr, &frames);
        for (PangoLayout* l : rows) oli_lib.g_object_unref(l);
        table_end = y;
        y += kTableGap;
    }

    void Bookmark(const OliBlock& b) {
        if (!pdf || total <= 0) return;
        if (b.word == 17) {
            if (parents.size() > 1) parents.pop_back();
            return;
        }
        if (b.word == 15) return;
        std::string title = OLI_Plain_Text(b.text);
        size_t s = title.find_first_not_of(' ');
        title = s == std::string::npos ? "" : title.substr(s);
        int id = parents.back();
        if (!title.empty()) {
            char attrs[96];
            std::snprintf(attrs, sizeof attrs, "page=%d pos=[%.1f %.1f]", page, kLeft * kPt, y * kPt);
            id = oli_lib.cairo_pdf_surface_add_outline(surface, parents.back(), title.c_str(), attrs,
                                               static_cast<cairo_pdf_outline_flags_t>(0));
        }
        if (b.word == 16 && parents.size() < 64) parents.push_back(id);
    }

    // Pictures ---------------------------------------------------------

    double ox = 0, oy = 0, k = 1;  // picture origin on the page (cm), fit factor
    double ks = 1;                 // factor of paper lengths: text heights, widths, dashes, marks
    bool sized = false;            // a picture with a size number (the section prints' kind)
    double ex[4] = {0, 0, 0, 0};

    double X(double px) const { return (ox + (ex[1] >= ex[0] ? px - ex[0] : ex[0] - px) * k) * kPt; }
    double Y(double py) const { return (oy + (ex[3] >= ex[2] ? ex[3] - py : py - ex[3]) * k) * kPt; }

    void Stroke_Style(const PictureState& s) {
        oli_lib.cairo_set_source_rgb(cr, s.line[0], s.line[1], s.line[2]);
        oli_lib.cairo_set_line_width(cr, s.pen);
        std::vector<double> d;
        for (double v : s.dash)
            if (v > 0 && v < 100) d.push_back(v * kPt * ks);
        oli_lib.cairo_set_dash(cr, d.empty() ? nullptr : d.data(), static_cast<int>(d.size()), 0);
    }

    // Patterns filled solid: 1, and those the writers give for the areas
    // they mean to be solid (the profile previews 33, arrow heads 55, weld
    // triangles, filled marks and dots 64).
    static bool Solid(int pattern) { return pattern == 1 || pattern == 33 || pattern == 55 || pattern == 64; }

    // Fills the current path with the pattern: 0 white, the solid ones in
    // the fill colour, every other one as a hatch in it. The section
    // writers never give a fill colour of their own: their areas take the
    // colour of their pen (the line colour) until a record 51 gives one.
    void Fill(const PictureState& s) {
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
        int n = s.pattern - 2;
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

    void Picture_Text(const PictureState& s, double px, double py, int code, bool turned, const std::string& text) {
        std::string utf8;
        for (unsigned char c : text) utf8 += c < 0x20 ? "" : OLI_Glyph(c);
        if (utf8.empty()) return;
        double size = std::clamp(s.text_height, 0.05, 5.0) * kPt * ks / 0.72;
        PangoLayout* l = Layout("", kBodyFont, size);
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
        oli_lib.cairo_translate(cr, X(px), Y(py));
        oli_lib.cairo_rotate(cr, turn);
        oli_lib.cairo_set_source_rgb(cr, s.line[0], s.line[1], s.line[2]);
        oli_lib.cairo_move_to(cr, dx, dy);
        oli_lib.pango_cairo_show_layout(cr, l);
        oli_lib.cairo_restore(cr);
        if (boxes && utf8.find_first_not_of(' ') != std::string::npos) {
            // The box of the turned text on the page, in cm.
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
                const double rx = X(px) + cx[i] * std::cos(turn) - cy[i] * std::sin(turn);
                const double ry = Y(py) + cx[i] * std::sin(turn) + cy[i] * std::cos(turn);
                x1 = std::min(x1, rx), x2 = std::max(x2, rx), y1 = std::min(y1, ry), y2 = std::max(y2, ry);
            }
            OliTextBox b;
            b.page = page;
            b.x = x1 / kPt;
            b.y = y1 / kPt;
            b.w = (x2 - x1) / kPt;
            b.h = (y2 - y1) / kPt;
            b.text = utf8;
            b.kind = OLI_TEXT_PICTURE;
            b.block = block;
            boxes->push_back(b);
        }
        oli_lib.g_object_unref(l);
    }

    // The symbol file a record 27 names ("%FONT%\name"): under the
    // desktop's data ("DATA"\FONT) or the symbols shipped with the program.
    const OliSymbol* Symbol(const std::string& ref) {
        if (!shared) return nullptr;
        auto at = shared->symbols.find(ref);
        if (at != shared->symbols.end()) return at->second.get();
        std::unique_ptr<OliSymbol> sym;
        std::string name = ref;
        const std::string token = "%FONT%";
        if (name.compare(0, token.size(), token) == 0) name = name.substr(token.size());
        for (char& c : name)
            if (c == '\\') c = '/';
        while (!name.empty() && name[0] == '/') name.erase(0, 1);
        std::vector<std::string> dirs;
        if (const char* data = VEKGetEnv("DATA")) dirs.push_back(std::string(data) + "/FONT/");
        dirs.push_back(std::string(WELD_SYMBOL_DIR) + "/");
        if (!name.empty() && name.find("..") == std::string::npos) {
            for (const std::string& d : dirs) {
                // A symbol is a short picture of records: a file beyond
                // the data cap is no symbol.
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
        shared->symbols[ref] = std::move(sym);
        return out;
    }

    // The records of a symbol, its upper left corner at the paper point
    // (x0, y0) of the picture.
    void Draw_Symbol(const OliSymbol& sym, double x0, double y0, PictureState& s, std::vector<PictureState>& saved) {
        const double dir = ex[3] >= ex[2] ? 1.0 : -1.0;  // the picture's y upwards or downwards
        auto px = [&](double sx) { return x0 + sx; };
        auto py = [&](double sy) { return y0 + dir * (sy - sym.height); };
        for (const OliRecord& r : sym.records) {
            OliRecord t = r;
            std::vector<double>& v = t.values;
            auto pair = [&](size_t i) {
                if (i + 1 < v.size()) v[i] = px(v[i]), v[i + 1] = py(v[i + 1]);
            };
            switch (r.number) {
            case 1: case 9: case 10: case 24: pair(0), pair(2); break;
            case 2: case 3: case 34: pair(0); break;
            case 18:
                for (size_t i = 1; i + 1 < v.size(); i += 2) pair(i);
                break;
            case 27: continue;  // a symbol names no further symbol
            default: break;
            }
            Record(t, s, saved);
        }
    }

    void Record(const OliRecord& r, PictureState& s, std::vector<PictureState>& saved) {
        const std::vector<double>& v = r.values;
        for (double x : v)
            if (!Sane(x)) return;  // damage: nothing sensible to draw
        auto has = [&](size_t n) { return v.size() >= n; };
        switch (r.number) {
        case 1:
            if (!has(4)) return;
            Stroke_Style(s);
            oli_lib.cairo_move_to(cr, X(v[0]), Y(v[1]));
            oli_lib.cairo_line_to(cr, X(v[2]), Y(v[3]));
            oli_lib.cairo_stroke(cr);
            Note_Ink(OLI_INK_LINE, {X(v[0]), Y(v[1]), X(v[2]), Y(v[3])}, s.pen);
            return;
        case 2: case 3:
            if (has(2)) Picture_Text(s, v[0], v[1], 0x20 | 0x01, r.number == 3, r.text);
            return;
        case 9: case 10:
            if (has(5)) Picture_Text(s, (v[0] + v[2]) / 2, (v[1] + v[3]) / 2, static_cast<int>(v[4]), r.number == 10, r.text);
            return;
        case 4: {
            static const double mm[] = {0.25, 0.18, 0.25, 0.35, 0.5, 0.7, 1.0};
            int n = has(1) ? static_cast<int>(v[0]) : 0;
            s.pen = (n >= 0 && n < 7 ? mm[n] : 0.25) * 72.0 / 25.4;
            return;
        }
        case 6:
            if (has(1) && v[0] > 0 && v[0] < 2) s.pen = v[0] * kPt * ks;
            return;
        case 13:
            if (has(1) && v[0] > 0) s.text_height = v[0];
            return;
        case 14:
            if (has(1)) s.angle = v[0];
            return;
        case 18: {
            if (!has(1) || v[0] < 1) return;
            size_t n = std::min(static_cast<size_t>(v[0]), (v.size() - 1) / 2);
            if (n == 0) return;
            std::vector<double> corners;
            for (size_t i = 0; i < n; ++i) {
                double px = X(v[1 + 2 * i]), py = Y(v[2 + 2 * i]);
                if (i == 0) oli_lib.cairo_move_to(cr, px, py);
                else oli_lib.cairo_line_to(cr, px, py);
                corners.push_back(px), corners.push_back(py);
            }
            Note_Area(s, std::move(corners));
            oli_lib.cairo_close_path(cr);
            // The section prints' hatched areas show their boundary, so that
            // areas of the same hatch (a section on its plate) stay apart.
            if (sized && s.pattern > 0 && !Solid(s.pattern)) {
                oli_lib.cairo_save(cr);
                Stroke_Style(s);
                oli_lib.cairo_set_line_width(cr, 0.18 * 72.0 / 25.4);
                oli_lib.cairo_stroke_preserve(cr);
                oli_lib.cairo_restore(cr);
            }
            Fill(s);
            return;
        }
        case 20:
            if (has(1)) s.pattern = static_cast<int>(std::clamp(v[0], -1.0, 1000.0));
            return;
        case 24:
            if (!has(4)) return;
            oli_lib.cairo_rectangle(cr, std::min(X(v[0]), X(v[2])), std::min(Y(v[1]), Y(v[3])),
                            std::fabs(X(v[2]) - X(v[0])), std::fabs(Y(v[3]) - Y(v[1])));
            Fill(s);
            Note_Area(s, {X(v[0]), Y(v[1]), X(v[2]), Y(v[1]), X(v[2]), Y(v[3]), X(v[0]), Y(v[3])});
            return;
        case 27:
            // A stored symbol: "27 x y %FONT%\name".
            if (has(2)) {
                if (const OliSymbol* sym = Symbol(r.text)) {
                    PictureState inner = s;
                    std::vector<PictureState> inner_saved;
                    Draw_Symbol(*sym, v[0], v[1], inner, inner_saved);
                }
            }
            return;
        case 30:
            if (saved.size() < 64) saved.push_back(s);
            return;
        case 31:
            if (!saved.empty()) {
                s = saved.back();
                saved.pop_back();
            }
            return;
        case 38: {
            s.dash.clear();
            size_t n = has(1) && v[0] > 0 ? static_cast<size_t>(std::min(v[0], 16.0)) : 0;
            for (size_t i = 0; i < n && 1 + i < v.size(); ++i) s.dash.push_back(v[1 + i]);
            return;
        }
        case 50: case 51: {
            if (!has(3)) return;
            double* c = r.number == 50 ? s.line : s.fill;
            for (int i = 0; i < 3; ++i) c[i] = std::clamp(v[i], 0.0, 255.0) / 255.0;
            if (r.number == 51) s.fill_given = true;
            return;
        }
        case 34:
            // The node mark of the section drawings: a small open circle,
            // white inside, at the node.
            if (!has(2)) return;
            oli_lib.cairo_new_path(cr);
            oli_lib.cairo_arc(cr, X(v[0]), Y(v[1]), kNodeMark / 2 * kPt * ks, 0, 2 * M_PI);
            oli_lib.cairo_set_source_rgb(cr, 1, 1, 1);
            oli_lib.cairo_fill_preserve(cr);
            oli_lib.cairo_set_source_rgb(cr, s.line[0], s.line[1], s.line[2]);
            oli_lib.cairo_set_line_width(cr, 0.18 * 72.0 / 25.4);
            oli_lib.cairo_set_dash(cr, nullptr, 0, 0);
            oli_lib.cairo_stroke(cr);
            {
                const double r = kNodeMark / 2 * kPt * ks, cx = X(v[0]), cy = Y(v[1]);
                Note_Ink(OLI_INK_AREA, {cx - r, cy - r, cx + r, cy - r, cx + r, cy + r, cx - r, cy + r});
            }
            return;
        // Records with no drawing of their own here: pen and text styles,
        // colour-mode control, records of the section drawings.
        case 75:
            // A raster picture: the embedded or named PNG, else its place.
            if (has(3)) OLI_Draw_Raster(cr, r, X(v[1]), Y(v[2]), kPt * ks);
            return;
        case 49:
            // A label of the scaled weld drawing: the point, the height in
            // mm of paper and the angle in degrees.
            if (has(5)) {
                PictureState t = s;
                t.text_height = v[2] > 0 && v[2] < 50 ? v[2] / 10.0 : t.text_height;
                t.angle = v[4];
                Picture_Text(t, v[0], v[1], 0x02 | 0x10, true, r.text);
            }
            return;
        case 7: case 8: case 16: case 21: case 23: case 52: case 53: case 59:
        case 60: case 61: case 62:
            return;
        default:
            if (shared && shared->warned.insert(r.number).second)
                std::fprintf(stderr, "print list: graphic record %d unknown, skipped\n", r.number);
            return;
        }
    }

    // A picture that holds nothing but symbols none of which can be read
    // shows nothing and takes no room.
    bool Only_Missing_Symbols(const OliBlock& b) {
        bool any = false;
        for (const OliRecord& r : b.records) {
            if (r.number != 27) return false;
            if (Symbol(r.text)) return false;
            any = true;
        }
        return any && b.titles.empty() && b.below.empty();
    }

    void Picture(const OliBlock& b) {
        if (Only_Missing_Symbols(b)) return;
        int line = 0;
        for (const std::string& t : b.titles) {
            if (done) return;
            Text_Line(t, OLI_TEXT_TITLE, line++);
        }
        for (int i = 0; i < 4; ++i) ex[i] = b.extent[i];
        double w = std::fabs(ex[1] - ex[0]), h = std::fabs(ex[3] - ex[2]);
        if (Sane(w) && Sane(h) && w > 0 && h > 0) {
            double room = kPageH - kTop - kBottom - 1.0;
            double natural = b.area > 0 ? std::sqrt(b.area / (w * h)) : 1.0;
            k = std::min({natural, Text_Width() / w, room / h});
            // Records in paper cm shrink with a picture reduced to fit; a
            // picture sized by its size number has its extent in units of
            // its own, and its texts and widths stay paper lengths.
            ks = b.area > 0 ? k / natural : k;
            sized = b.area > 0;
            Ensure(h * k);
            if (done) return;
            Note(false, -1);
            ox = Text_Left();
            oy = y;
            PictureState s;
            std::vector<PictureState> saved;
            oli_lib.cairo_save(cr);
            for (const OliRecord& r : b.records) Record(r, s, saved);
            oli_lib.cairo_restore(cr);
            oli_lib.cairo_set_source_rgb(cr, 0, 0, 0);
            floats.push_back({ox, oy, ox + w * k, oy + h * k});
            Note_Ink(OLI_INK_PICTURE, {ox * kPt, oy * kPt, (ox + w * k) * kPt, (oy + h * k) * kPt});
            y += h * k + kPictureGap;
        }
        for (const std::string& t : b.below) {
            if (done) return;
            Text_Line(t, OLI_TEXT_TITLE, line++);
        }
    }

    void Block(const OliBlock& b) {
        switch (b.kind) {
        case OLI_BLOCK_CONTENTS:
            contents = b.text;
            break;
        case OLI_BLOCK_NEWPAGE:
            if (y > kTop + 1e-6) New_Page();
            break;
        case OLI_BLOCK_YPOS:
            // Word 4 continues below whatever stands lowest on the page (the
            // writers give it after blocks set side by side); 768 moves and
            // keeps the place, where 1024 takes up again (a table beside
            // the picture below that place); other words move.
            if (!Sane(b.value)) break;
            // A move up right after a table ends at the table's lower edge:
            // the writers move up by the gap below it to go on at once, and
            // one that moves further (the literature list under its title)
            // must not set its text over the table.
            if (b.word == 4) y = std::max(kTop, lowest + b.value);
            else if (b.word == 1024) y = std::max(kTop, (mark >= 0 ? mark : kTop) + b.value);
            else y = std::max({kTop, y + b.value, table_end});
            if (b.word == 768) mark = y;
            // A move up stays on its page, also when it ends below the text
            // area (after a picture at the page's foot): the writers go back
            // to a place kept on this page next, and what they write then
            // finds its own room.
            if (y > Bottom() && !(b.word != 4 && b.word != 1024 && b.value < 0)) New_Page();
            break;
        case OLI_BLOCK_MARGINS:
            if (Sane(b.value)) margin = std::clamp(b.value, 0.0, 15.0);
            break;
        case OLI_BLOCK_RESERVE:
            if (Sane(b.value) && b.value > 0) Ensure(std::min(b.value, Bottom() - kTop));
            break;
        case OLI_BLOCK_STOREYPOS:
            if (b.word >= 0 && b.word < 10) stored[b.word] = y, stored_page[b.word] = page;
            break;
        case OLI_BLOCK_RESTOREYPOS:
            if (b.word >= 0 && b.word < 10 && stored_page[b.word] == page) y = stored[b.word], table_end = -1;
            break;
        case OLI_BLOCK_BOOKMARK: Bookmark(b); break;
        case OLI_BLOCK_PARA:
            table_end = -1;
            Para(b);
            break;
        case OLI_BLOCK_TABLE:
            table_end = -1;
            Table(b);
            break;
        case OLI_BLOCK_GRAFIC:
            table_end = -1;
            Picture(b);
            break;
        default: break;
        }
        lowest = std::max(lowest, y);
    }

    // The state before each block of the page being laid out (and before
    // the block that runs onto it), for a pass that looks for headings to
    // move: the next pass goes on from the block of the heading it moves,
    // which stands on that page. Null in the other passes.
    std::vector<std::pair<size_t, Renderer>>* kept = nullptr;

    void Run(const OliDocument& doc) {
        Begin_Page();
        // The first contents entry names the position from the first page on.
        for (const OliBlock& b : doc.blocks)
            if (b.kind == OLI_BLOCK_CONTENTS) {
                contents = b.text;
                break;
            }
        Run_Blocks(doc, 0);
    }

    // Lays out the blocks from `from` on.
    void Run_Blocks(const OliDocument& doc, size_t from) {
        for (size_t i = from; i < doc.blocks.size(); ++i) {
            if (done) break;
            if (kept) kept->emplace_back(i, *this);
            block = static_cast<int>(i);
            Block(doc.blocks[i]);
        }
        block = -1;
        if (!done) End_Page();
    }

    // Draws the document on surface `s`, which the caller keeps and frees;
    // false when the surface could not be made.
    bool Run_On(cairo_surface_t* s, const OliDocument& doc) {
        surface = s;
        page_mark = OLI_Page_Mark(doc);
        if (oli_lib.cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) return false;
        cr = oli_lib.cairo_create(s);
        Run(doc);
        oli_lib.cairo_destroy(cr);
        return true;
    }
};


// The page count of the document as it is drawn, and, when asked, the
// texts of its pages.
int Count_Pages(const OliDocument& doc, Shared* shared, std::vector<OliTextBox>* boxes, int total,
                std::vector<OliInk>* ink = nullptr) {
    Renderer r;
    r.shared = shared;
    r.boxes = boxes;
    r.ink = ink;
    r.total = total;
    // Only the layout is kept: the smallest picture takes the drawing.
    cairo_surface_t* s = oli_lib.cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
    bool ok = r.Run_On(s, doc);
    oli_lib.cairo_surface_finish(s);
    oli_lib.cairo_surface_destroy(s);
    return ok ? r.page : 0;
}

// Lays the document out until no heading ends a page: each pass moves the
// first heading left at a page's foot and stops there. What stands before
// that heading's block is laid out as before, so the next pass goes on from
// the state kept before the block: the passes together cost about one
// layout of the document, whatever the number of moved headings (each is
// moved once). Then the pages are counted; returns the page count.
int Prepare(const OliDocument& doc, Shared* shared) {
    shared->searching = true;
    std::vector<std::pair<size_t, Renderer>> kept, before;
    size_t from = 0;
    for (size_t pass = 0; pass <= doc.blocks.size(); ++pass) {
        shared->moved = false;
        Renderer r;
        bool resumed = false;
        for (const auto& [at, state] : before)
            if (from > 0 && at == from) r = state, resumed = true;
        if (!resumed) from = 0;  // no state kept there: from the start
        kept.clear();
        r.kept = &kept;
        r.shared = shared;
        r.done = false;
        // Nothing of these passes is kept but the moves: the smallest
        // picture takes their drawing (the layout's metrics do not depend
        // on the surface: Layout fixes them).
        cairo_surface_t* s = oli_lib.cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
        if (oli_lib.cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
            r.surface = s;
            r.cr = oli_lib.cairo_create(s);
            if (from == 0) {
                r.Run(doc);
            } else {
                oli_lib.cairo_set_source_rgb(r.cr, 0, 0, 0);
                r.Run_Blocks(doc, from);
            }
            oli_lib.cairo_destroy(r.cr);
        }
        oli_lib.cairo_surface_finish(s);
        oli_lib.cairo_surface_destroy(s);
        if (!shared->moved || shared->moved_at.first < 0) break;
        before.swap(kept);
        // A heading before the place the pass went on from (none is
        // expected) leaves the moves after it to be found again.
        if (static_cast<size_t>(shared->moved_at.first) < from)
            shared->break_before.erase(shared->break_before.upper_bound(shared->moved_at),
                                       shared->break_before.end());
        from = static_cast<size_t>(shared->moved_at.first);
    }
    shared->searching = false;
    return Count_Pages(doc, shared, nullptr, 0);
}

struct Pdf_Job {
    const OliDocument* doc;
    int pages = 0;
};

// Fills the temporary of a PDF (VEK_Write_File_Replacing): every page and
// the file's tail, or VEK_WRITE_FAILED.
int Write_PDF(FILE* f, void* context) {
    auto* job = static_cast<Pdf_Job*>(context);
    write_error = 0;
    Shared shared;
    const int total = Prepare(*job->doc, &shared);
    Renderer r;
    r.shared = &shared;
    r.total = total;
    cairo_surface_t* s = oli_lib.cairo_pdf_surface_create_for_stream(Write_To_File, f, kPageW * kPt, kPageH * kPt);
    bool ok = r.Run_On(s, *job->doc);
    if (ok) {
        oli_lib.cairo_surface_finish(s);
        ok = oli_lib.cairo_surface_status(s) == CAIRO_STATUS_SUCCESS;
    }
    oli_lib.cairo_surface_destroy(s);
    job->pages = r.page;
    return Filled(ok, f);
}

// The page count when the file stands (confirmed on disc or not), else 0;
// what the write told in *outcome, with the errno it left (taken at once:
// what runs after it may change errno).
int Told(int result, int error, int pages, OliWriteOutcome* outcome) {
    const bool stands = result == VEK_REPLACE_DONE || result == VEK_REPLACE_UNSYNCED;
    if (outcome) {
        outcome->error = result == VEK_REPLACE_DONE ? 0 : error;
        outcome->unconfirmed = result == VEK_REPLACE_UNSYNCED;
    }
    return stands ? pages : 0;
}

int Render_PDF(const OliDocument& doc, const char* pdf_path, OliWriteOutcome* outcome) {
    Pdf_Job job{&doc};
    errno = 0;
    const int result = VEK_Replace_File(pdf_path, Write_PDF, nullptr, &job, 0);
    return Told(result, errno, job.pages, outcome);
}

// Draws page `page` of a document laid out with `shared` into the PNG file
// or the pixels.
int Render_Page(const OliDocument& doc, Shared* shared, int total, int page, double dpi, FILE* png_file,
                OliPageImage* image) {
    if (page > total) return 0;
    Renderer r;
    r.shared = shared;
    r.total = total;
    r.pdf = false;
    r.target = page;
    r.dpi = dpi;
    r.png_file = png_file;
    r.image = image;
    int w = static_cast<int>(std::lround(kPageW / 2.54 * dpi));
    int h = static_cast<int>(std::lround(kPageH / 2.54 * dpi));
    cairo_surface_t* s = oli_lib.cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    r.Run_On(s, doc);
    oli_lib.cairo_surface_destroy(s);
    return r.png_written ? 1 : 0;
}

struct Png_Job {
    const OliDocument* doc;
    int page;
    double dpi;
};

int Write_PNG(FILE* f, void* context) {
    const auto* job = static_cast<const Png_Job*>(context);
    write_error = 0;
    Shared shared;
    const int total = Prepare(*job->doc, &shared);
    return Filled(Render_Page(*job->doc, &shared, total, job->page, job->dpi, f, nullptr) != 0, f);
}

int Render_PNG(const OliDocument& doc, int page, double dpi, const char* png_path, OliWriteOutcome* outcome) {
    Png_Job job{&doc, page, dpi};
    errno = 0;
    const int result = VEK_Replace_File(png_path, Write_PNG, nullptr, &job, 0);
    return Told(result, errno, 1, outcome);
}
}  // namespace

// The document and its layout, kept while its pages are looked at.
struct OliPageSet {
    const OliDocument* doc = nullptr;
    Shared shared;
    int total = 0;
};

Oli_Render_Calls oli_lib;

int Oli_Load_Render_Library(void) {
    static const int loaded = [] {
        static const char* const libraries[] = {"libcairo.so.2", "libpango-1.0.so.0", "libpangocairo-1.0.so.0",
                                                "libgobject-2.0.so.0"};
        std::string why;
        if (VEK_LOAD_CALLS(oli_lib, OLI_RENDER_CALLS, libraries, &why)) return 1;
        std::fprintf(stderr, "no print-list pages: %s\n", why.c_str());
        return 0;
    }();
    return loaded;
}

int OLI_Render_PDF(const OliDocument& doc, const char* pdf_path, OliWriteOutcome* outcome) {
    if (outcome) *outcome = OliWriteOutcome{};
    if (!pdf_path || !Oli_Load_Render_Library()) return 0;
    try {
        return Render_PDF(doc, pdf_path, outcome);
    } catch (...) {  // out of memory
        if (outcome) outcome->error = ENOMEM;
        return 0;
    }
}

int OLI_Render_PNG(const OliDocument& doc, int page, double dpi, const char* png_path, OliWriteOutcome* outcome) {
    if (outcome) *outcome = OliWriteOutcome{};
    if (!png_path || page < 1 || !(dpi >= 10 && dpi <= 600) || !Oli_Load_Render_Library()) return 0;
    try {
        return Render_PNG(doc, page, dpi, png_path, outcome);
    } catch (...) {
        if (outcome) outcome->error = ENOMEM;
        return 0;
    }
}

OliPageSet* OLI_Open_Page_Set(const OliDocument& doc) {
    if (!Oli_Load_Render_Library()) return nullptr;
    try {
        auto set = std::make_unique<OliPageSet>();
        set->doc = &doc;
        set->total = Prepare(doc, &set->shared);
        return set->total > 0 ? set.release() : nullptr;
    } catch (...) {
        return nullptr;
    }
}

int OLI_Page_Set_Count(const OliPageSet* set) { return set ? set->total : 0; }

int OLI_Render_Page_Image(OliPageSet* set, int page, double dpi, OliPageImage* image) {
    if (!set || !image || page < 1 || page > set->total || !(dpi >= 10 && dpi <= 600)) return 0;
    try {
        return Render_Page(*set->doc, &set->shared, set->total, page, dpi, nullptr, image);
    } catch (...) {
        return 0;
    }
}

void OLI_Close_Page_Set(OliPageSet* set) { delete set; }

int OLI_Render_Text_Boxes(const OliDocument& doc, std::vector<OliTextBox>* boxes) {
    if (!boxes) return 0;
    return OLI_Render_Layout(doc, boxes, nullptr);
}

int OLI_Render_Layout(const OliDocument& doc, std::vector<OliTextBox>* boxes, std::vector<OliInk>* ink) {
    if (!Oli_Load_Render_Library()) return 0;
    try {
        Shared shared;
        const int total = Prepare(doc, &shared);
        if (boxes) boxes->clear();
        if (ink) ink->clear();
        return Count_Pages(doc, &shared, boxes, total, ink);
    } catch (...) {
        return 0;
    }
}

// fontconfig keeps its font sets for the life of the process in a way the
// leak checker of the sanitizer builds reports as lost; they are not ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
