// Renders a read print list onto A4 pages with cairo and pango: a PDF with
// bookmarks, or one page as a PNG. Lengths are worked in cm and drawn in
// points; a PNG page is the same drawing scaled to its resolution.
#include <cairo-pdf.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

#include "platform/oli_symbols_internal.h"
#include "platform/oli_view.h"

namespace {

constexpr double kPt = 72.0 / 2.54;  // points per cm
constexpr double kPageW = 21.0, kPageH = 29.7;
constexpr double kLeft = 2.5, kRight = 1.5, kTop = 2.0, kBottom = 2.0;
constexpr double kBodySize = 9.5, kTableSize = 8.5;  // points
constexpr double kLimit = 1e5;                        // cm; beyond is damage
constexpr double kNodeMark = 0.12;                    // cm, diameter of a node mark
const char* const kBodyFont = "DejaVu Sans";
const char* const kTableFont = "DejaVu Sans Mono";

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

struct Renderer {
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    bool pdf = true;
    int page = 1;
    int target = 0;          // PNG: the page to write
    double dpi = 150;
    const char* png_path = nullptr;
    bool png_written = false;
    bool done = false;
    double y = kTop;         // cm from the top of the page
    double lowest = kTop;    // the lowest point written on this page
    double mark = -1;        // position of the last move with word 768, -1 none on this page
    double margin = 0.0;     // cm beyond the left margin
    std::vector<int> parents{0};
    double stored[10] = {0};
    int stored_page[10] = {0};
    std::set<int> warned;

    double Text_Left() const { return kLeft + margin; }
    double Text_Width() const { return std::max(2.0, kPageW - kRight - Text_Left()); }
    double Bottom() const { return kPageH - kBottom; }

    void Begin_Page() {
        if (!pdf) {
            cairo_identity_matrix(cr);
            cairo_set_source_rgb(cr, 1, 1, 1);
            cairo_paint(cr);
            cairo_scale(cr, dpi / 72.0, dpi / 72.0);
        }
        cairo_set_source_rgb(cr, 0, 0, 0);
        y = lowest = kTop;
        mark = -1;
    }

    void End_Page() {
        if (pdf) {
            cairo_show_page(cr);
        } else if (page == target) {
            cairo_surface_flush(surface);
            png_written = cairo_surface_write_to_png(surface, png_path) == CAIRO_STATUS_SUCCESS;
            done = true;
        }
    }

    void New_Page() {
        End_Page();
        ++page;
        Begin_Page();
    }

    // Room for h cm below the writing position, on a new page if needed
    // (a block taller than a page starts at the top of one and runs over).
    void Ensure(double h) {
        if (y + h > Bottom() && y > kTop + 1e-6) New_Page();
    }

    PangoLayout* Layout(const std::string& markup, const char* family, double size_pt, double width_cm) {
        PangoLayout* l = pango_cairo_create_layout(cr);
        PangoContext* ctx = pango_layout_get_context(l);
        pango_cairo_context_set_resolution(ctx, 72.0);
        cairo_font_options_t* fo = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_NONE);
        pango_cairo_context_set_font_options(ctx, fo);
        cairo_font_options_destroy(fo);
        pango_layout_context_changed(l);
        PangoFontDescription* fd = pango_font_description_from_string(family);
        pango_font_description_set_absolute_size(fd, size_pt * PANGO_SCALE);
        pango_layout_set_font_description(l, fd);
        pango_font_description_free(fd);
        if (width_cm > 0) {
            pango_layout_set_width(l, static_cast<int>(width_cm * kPt * PANGO_SCALE));
            pango_layout_set_wrap(l, PANGO_WRAP_WORD_CHAR);
        }
        pango_layout_set_markup(l, markup.c_str(), -1);
        return l;
    }

    static double Height_Cm(PangoLayout* l) {
        int w = 0, h = 0;
        pango_layout_get_size(l, &w, &h);
        return h / static_cast<double>(PANGO_SCALE) / kPt;
    }

    // One text line at the writing position; returns the layout's width, cm.
    double Text_Line(const std::string& text, const char* family, double size, double x, double width,
                     const std::vector<double>& tabs, double hanging) {
        PangoLayout* l = Layout(OLI_Markup_To_Pango(text), family, size, width);
        if (!tabs.empty() || hanging > 0) {
            PangoTabArray* ta = pango_tab_array_new(0, FALSE);
            int k = 0;
            if (hanging > 0) pango_tab_array_set_tab(ta, k++, PANGO_TAB_LEFT, static_cast<int>(hanging * kPt * PANGO_SCALE));
            for (double t : tabs)
                if (t > 0 && Sane(t)) pango_tab_array_set_tab(ta, k++, PANGO_TAB_LEFT, static_cast<int>(t * kPt * PANGO_SCALE));
            pango_layout_set_tabs(l, ta);
            pango_tab_array_free(ta);
        }
        if (hanging > 0) pango_layout_set_indent(l, static_cast<int>(-hanging * kPt * PANGO_SCALE));
        double h = Height_Cm(l);
        Ensure(h);
        // A hanging width (a negative indent of the layout) leaves the first
        // line at x and indents the lines after it.
        cairo_move_to(cr, x * kPt, y * kPt);
        pango_cairo_show_layout(cr, l);
        int pw = 0, ph = 0;
        pango_layout_get_size(l, &pw, &ph);
        y += h;
        g_object_unref(l);
        return pw / static_cast<double>(PANGO_SCALE) / kPt;
    }

    void Para(const OliBlock& b) {
        OliLineFrames frames;
        for (const OliParaLine& pl : b.para) {
            if (done) return;
            const OliParaFormat& f = pl.format;
            if (pl.starts && Sane(f.space_before)) y = std::max(kTop, y + f.space_before);
            bool head = f.mode == 5;
            double indent = Sane(f.indent) ? std::clamp(f.indent, 0.0, 15.0) : 0.0;
            double x = Text_Left() + indent;
            std::vector<double> tabs;
            for (double t : f.tabs)
                if (t - indent > 0) tabs.push_back(t - indent);
            double hanging = Sane(f.hanging) ? std::clamp(f.hanging, 0.0, 10.0) : 0.0;
            double top = y;
            Text_Line(pl.text, head ? "DejaVu Sans Bold" : kBodyFont, head ? 12.0 : kBodySize, x,
                      kPageW - kRight - x, tabs, hanging);
            const double column = (kPageW - kRight - x) * kPt;
            OLI_Draw_Line_Frames(cr, &frames, pl.text, x * kPt, (top < y ? top : kTop) * kPt, column, column, y * kPt);
            if (Sane(pl.space_after)) y = std::max(kTop, y + pl.space_after);
        }
        OLI_Close_Line_Frames(cr, &frames);
        if (Sane(b.value)) y = std::max(kTop, y + b.value);
    }

    void Table(const OliBlock& b) {
        for (const std::string& t : b.titles) {
            if (done) return;
            Text_Line(t, kBodyFont, kBodySize, Text_Left(), Text_Width(), {}, 0);
        }
        OliLineFrames frames;
        for (const std::string& row : b.lines) {
            if (done) return;
            double top = y;
            double w = Text_Line(row, kTableFont, kTableSize, Text_Left(), Text_Width(), {}, 0);
            // The frame escapes of the row (a rule under its cells, frames).
            OLI_Draw_Line_Frames(cr, &frames, row, Text_Left() * kPt, (top < y ? top : kTop) * kPt, w * kPt,
                                 Text_Width() * kPt, y * kPt);
        }
        OLI_Close_Line_Frames(cr, &frames);
    }

    void Bookmark(const OliBlock& b) {
        if (!pdf) return;
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
            id = cairo_pdf_surface_add_outline(surface, parents.back(), title.c_str(), attrs,
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
        cairo_set_source_rgb(cr, s.line[0], s.line[1], s.line[2]);
        cairo_set_line_width(cr, s.pen);
        std::vector<double> d;
        for (double v : s.dash)
            if (v > 0 && v < 100) d.push_back(v * kPt * ks);
        cairo_set_dash(cr, d.empty() ? nullptr : d.data(), static_cast<int>(d.size()), 0);
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
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        if (s.pattern <= 0) {
            cairo_set_source_rgb(cr, 1, 1, 1);
            cairo_fill(cr);
            return;
        }
        const double* rgb = s.fill_given ? s.fill : s.line;
        cairo_set_source_rgb(cr, rgb[0], rgb[1], rgb[2]);
        if (Solid(s.pattern)) {
            cairo_fill(cr);
            return;
        }
        double x1, y1, x2, y2;
        cairo_save(cr);
        cairo_fill_extents(cr, &x1, &y1, &x2, &y2);
        cairo_clip(cr);
        // Hatch only what can be seen: an area far beyond the page would
        // otherwise take millions of hatch lines.
        x1 = std::max(x1, 0.0), y1 = std::max(y1, 0.0);
        x2 = std::min(x2, kPageW * kPt), y2 = std::min(y2, kPageH * kPt);
        if (x2 <= x1 || y2 <= y1) {
            cairo_restore(cr);
            return;
        }
        int n = s.pattern - 2;
        double gap = (0.1 + 0.05 * ((n / 4) % 4)) * kPt;
        double a = (n % 4) * M_PI / 4.0;
        double cx = (x1 + x2) / 2, cy = (y1 + y2) / 2, r = std::hypot(x2 - x1, y2 - y1) / 2 + gap;
        double c = std::cos(a), sn = std::sin(a);
        cairo_set_line_width(cr, 0.4);
        cairo_set_dash(cr, nullptr, 0, 0);
        for (double t = -r; t <= r; t += gap) {
            cairo_move_to(cr, cx + t * -sn - r * c, cy + t * c - r * sn);
            cairo_line_to(cr, cx + t * -sn + r * c, cy + t * c + r * sn);
        }
        cairo_stroke(cr);
        cairo_restore(cr);
    }

    void Picture_Text(const PictureState& s, double px, double py, int code, bool turned, const std::string& text) {
        std::string utf8;
        for (unsigned char c : text) utf8 += c < 0x20 ? "" : OLI_Glyph(c);
        if (utf8.empty()) return;
        double size = std::clamp(s.text_height, 0.05, 5.0) * kPt * ks / 0.72;
        PangoLayout* l = Layout("", kBodyFont, size, 0);
        pango_layout_set_text(l, utf8.c_str(), -1);
        int w = 0, h = 0;
        pango_layout_get_size(l, &w, &h);
        double wp = w / static_cast<double>(PANGO_SCALE), hp = h / static_cast<double>(PANGO_SCALE);
        double baseline = pango_layout_get_baseline(l) / static_cast<double>(PANGO_SCALE);
        double dx = (code & 0x02) ? -wp / 2 : (code & 0x04) ? -wp : 0;
        // 0x20 sets the text on the point (labels above an upper edge), 0x08
        // hangs it from the point (labels below a lower edge).
        double dy = (code & 0x10) ? -hp / 2 : (code & 0x20) ? -baseline : 0;
        double angle = (turned ? s.angle : 0.0) + ((code & 0x100) ? 90.0 : 0.0);
        if (!std::isfinite(angle)) angle = 0;
        cairo_save(cr);
        cairo_translate(cr, X(px), Y(py));
        cairo_rotate(cr, -std::fmod(angle, 360.0) * M_PI / 180.0);
        cairo_set_source_rgb(cr, s.line[0], s.line[1], s.line[2]);
        cairo_move_to(cr, dx, dy);
        pango_cairo_show_layout(cr, l);
        cairo_restore(cr);
        g_object_unref(l);
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
            cairo_move_to(cr, X(v[0]), Y(v[1]));
            cairo_line_to(cr, X(v[2]), Y(v[3]));
            cairo_stroke(cr);
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
            for (size_t i = 0; i < n; ++i) {
                double px = X(v[1 + 2 * i]), py = Y(v[2 + 2 * i]);
                if (i == 0) cairo_move_to(cr, px, py);
                else cairo_line_to(cr, px, py);
            }
            cairo_close_path(cr);
            // The section prints' hatched areas show their boundary, so that
            // areas of the same hatch (a section on its plate) stay apart.
            if (sized && s.pattern > 0 && !Solid(s.pattern)) {
                cairo_save(cr);
                Stroke_Style(s);
                cairo_set_line_width(cr, 0.18 * 72.0 / 25.4);
                cairo_stroke_preserve(cr);
                cairo_restore(cr);
            }
            Fill(s);
            return;
        }
        case 20:
            if (has(1)) s.pattern = static_cast<int>(std::clamp(v[0], -1.0, 1000.0));
            return;
        case 24:
            if (!has(4)) return;
            cairo_rectangle(cr, std::min(X(v[0]), X(v[2])), std::min(Y(v[1]), Y(v[3])),
                            std::fabs(X(v[2]) - X(v[0])), std::fabs(Y(v[3]) - Y(v[1])));
            Fill(s);
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
            cairo_new_path(cr);
            cairo_arc(cr, X(v[0]), Y(v[1]), kNodeMark / 2 * kPt * ks, 0, 2 * M_PI);
            cairo_set_source_rgb(cr, 1, 1, 1);
            cairo_fill_preserve(cr);
            cairo_set_source_rgb(cr, s.line[0], s.line[1], s.line[2]);
            cairo_set_line_width(cr, 0.18 * 72.0 / 25.4);
            cairo_set_dash(cr, nullptr, 0, 0);
            cairo_stroke(cr);
            return;
        // Records with no drawing of their own here: pen and text styles,
        // stored symbols, colour-mode control, records of the section
        // drawings.
        case 75:
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
        case 7: case 8: case 16: case 21: case 23: case 27: case 52: case 53: case 59:
        case 60: case 61: case 62:
            return;
        default:
            if (warned.insert(r.number).second)
                std::fprintf(stderr, "print list: graphic record %d unknown, skipped\n", r.number);
            return;
        }
    }

    void Picture(const OliBlock& b) {
        for (const std::string& t : b.titles) {
            if (done) return;
            Text_Line(t, kBodyFont, kBodySize, Text_Left(), Text_Width(), {}, 0);
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
            ox = Text_Left();
            oy = y;
            PictureState s;
            std::vector<PictureState> saved;
            cairo_save(cr);
            for (const OliRecord& r : b.records) Record(r, s, saved);
            cairo_restore(cr);
            cairo_set_source_rgb(cr, 0, 0, 0);
            y += h * k + 0.2;
        }
        for (const std::string& t : b.below) {
            if (done) return;
            Text_Line(t, kBodyFont, kBodySize, Text_Left(), Text_Width(), {}, 0);
        }
    }

    void Block(const OliBlock& b) {
        switch (b.kind) {
        case OLI_BLOCK_NEWPAGE:
            if (y > kTop + 1e-6) New_Page();
            break;
        case OLI_BLOCK_YPOS:
            // Word 4 continues below whatever stands lowest on the page (the
            // writers give it after blocks set side by side); 768 moves and
            // keeps the place, where 1024 takes up again (a table beside
            // the picture below that place); other words move.
            if (!Sane(b.value)) break;
            if (b.word == 4) y = std::max(kTop, lowest + b.value);
            else if (b.word == 1024) y = std::max(kTop, (mark >= 0 ? mark : kTop) + b.value);
            else y = std::max(kTop, y + b.value);
            if (b.word == 768) mark = y;
            if (y > Bottom()) New_Page();
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
            if (b.word >= 0 && b.word < 10 && stored_page[b.word] == page) y = stored[b.word];
            break;
        case OLI_BLOCK_BOOKMARK: Bookmark(b); break;
        case OLI_BLOCK_PARA: Para(b); break;
        case OLI_BLOCK_TABLE: Table(b); break;
        case OLI_BLOCK_GRAFIC: Picture(b); break;
        default: break;
        }
        lowest = std::max(lowest, y);
    }

    void Run(const OliDocument& doc) {
        Begin_Page();
        for (const OliBlock& b : doc.blocks) {
            if (done) break;
            Block(b);
        }
        if (!done) End_Page();
    }

    // Draws the document on surface `s`, which the caller keeps and frees;
    // false when the surface could not be made.
    bool Run_On(cairo_surface_t* s, const OliDocument& doc) {
        surface = s;
        if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) return false;
        cr = cairo_create(s);
        Run(doc);
        cairo_destroy(cr);
        return true;
    }
};

}  // namespace

namespace {
int Render_PDF(const OliDocument& doc, const char* pdf_path) {
    Renderer r;
    cairo_surface_t* s = cairo_pdf_surface_create(pdf_path, kPageW * kPt, kPageH * kPt);
    bool ok = r.Run_On(s, doc);
    if (ok) {
        cairo_surface_finish(s);
        ok = cairo_surface_status(s) == CAIRO_STATUS_SUCCESS;
    }
    cairo_surface_destroy(s);
    return ok ? r.page : 0;
}

int Render_PNG(const OliDocument& doc, int page, double dpi, const char* png_path) {
    Renderer r;
    r.pdf = false;
    r.target = page;
    r.dpi = dpi;
    r.png_path = png_path;
    int w = static_cast<int>(std::lround(kPageW / 2.54 * dpi));
    int h = static_cast<int>(std::lround(kPageH / 2.54 * dpi));
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    r.Run_On(s, doc);
    cairo_surface_destroy(s);
    return r.png_written ? 1 : 0;
}
}  // namespace

int OLI_Render_PDF(const OliDocument& doc, const char* pdf_path) {
    if (!pdf_path) return 0;
    try {
        return Render_PDF(doc, pdf_path);
    } catch (...) {  // out of memory
        return 0;
    }
}

int OLI_Render_PNG(const OliDocument& doc, int page, double dpi, const char* png_path) {
    if (!png_path || page < 1 || !(dpi >= 10 && dpi <= 600)) return 0;
    try {
        return Render_PNG(doc, page, dpi, png_path);
    } catch (...) {
        return 0;
    }
}

// fontconfig keeps its font sets for the life of the process in a way the
// leak checker of the sanitizer builds reports as lost; they are not ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
