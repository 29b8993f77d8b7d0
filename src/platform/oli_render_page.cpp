// The page of the print-list renderer: the writing position and the blocks
// that move it, page breaks with their foot line ("Seite n von m") and the
// mark of a damaged list, and the PDF's bookmarks. A page goes out as a
// PDF page, or, for the page asked for, as a PNG file or pixels.

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>

#include "platform/oli_markup_internal.h"
#include "platform/oli_render_calls.h"
#include "platform/oli_render_internal.h"

namespace oli_render {

namespace {

constexpr double kFootRule = kPageH - kBottom + 0.5;  // cm, the rule above the foot line

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

// The foot line: the position the page belongs to and "Seite n von m".
void Foot(Render* r) {
    if (r->total <= 0) return;
    cairo_t* cr = r->cr;
    oli_lib.cairo_save(cr);
    oli_lib.cairo_set_source_rgb(cr, 0.45, 0.45, 0.45);
    oli_lib.cairo_set_line_width(cr, 0.4);
    oli_lib.cairo_set_dash(cr, nullptr, 0, 0);
    oli_lib.cairo_move_to(cr, kLeft * kPt, kFootRule * kPt);
    oli_lib.cairo_line_to(cr, (kPageW - kRight) * kPt, kFootRule * kPt);
    oli_lib.cairo_stroke(cr);
    char right[64];
    std::snprintf(right, sizeof right, "Seite %d von %d", r->at.page, r->total);
    std::string left = OLI_Plain_Text(r->at.contents);
    size_t s = left.find_first_not_of(' ');
    left = s == std::string::npos ? "" : left.substr(s);
    std::vector<OliGlyphItem> g_right = Oli_Markup_Glyphs(right);
    PangoLayout* rl = Layout(r, Oli_Glyphs_Pango(g_right, 0, g_right.size()), kBodyFont, kFootSize);
    double rw = Width_Cm(rl);
    double room = kPageW - kRight - kLeft - rw - 0.5;
    std::vector<OliGlyphItem> g_left = Oli_Markup_Glyphs(r->at.contents);
    // Only the visible text of the entry, from its first character.
    size_t first = 0;
    while (first < g_left.size() && g_left[first].c == ' ') ++first;
    for (OliGlyphItem& it : g_left) it.style = OliStyle{};
    PangoLayout* l = Layout(r, Oli_Glyphs_Pango(g_left, first, g_left.size()), kBodyFont, kFootSize);
    oli_lib.pango_layout_set_width(l, static_cast<int>(std::max(1.0, room) * kPt * PANGO_SCALE));
    oli_lib.pango_layout_set_ellipsize(l, PANGO_ELLIPSIZE_END);
    const double top = kFootRule + 0.12;
    Show(r, l, kLeft, top, OLI_TEXT_FOOT, left, -1, 0, false);
    Show(r, rl, kPageW - kRight - rw, top, OLI_TEXT_FOOT, right, -1, 0, false);
    oli_lib.g_object_unref(l);
    oli_lib.g_object_unref(rl);
    oli_lib.cairo_restore(cr);
}

// A damaged list says so on every page, in red above the text, so that no
// printed page passes for a whole report.
void Page_Mark(Render* r) {
    if (r->total <= 0 || r->page_mark.empty()) return;
    oli_lib.cairo_save(r->cr);
    oli_lib.cairo_set_source_rgb(r->cr, 0.8, 0.0, 0.0);
    std::string text;
    for (char c : r->page_mark)
        text += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
    PangoLayout* l = Layout(r, "<b>" + text + "</b>", kBodyFont, kFootSize);
    oli_lib.pango_layout_set_width(l, static_cast<int>((kPageW - kRight - kLeft) * kPt * PANGO_SCALE));
    Show(r, l, kLeft, kTop - 1.2, OLI_TEXT_FOOT, r->page_mark, -1, 0, false);
    oli_lib.g_object_unref(l);
    oli_lib.cairo_restore(r->cr);
}

// A move of the writing position ("#SETYPOS"). Word 4 continues below
// whatever stands lowest on the page (the writers give it after blocks set
// side by side); 768 moves and keeps the place, where 1024 takes up again
// (a table beside the picture below that place); other words move.
void Move(Render* r, const OliBlock& b) {
    Place& at = r->at;
    if (!Sane(b.value)) return;
    // A move up right after a table ends at the table's lower edge: the
    // writers move up by the gap below it to go on at once, and one that
    // moves further (the literature list under its title) must not set its
    // text over the table.
    if (b.word == 4) at.y = std::max(kTop, at.lowest + b.value);
    else if (b.word == 1024) at.y = std::max(kTop, (at.mark >= 0 ? at.mark : kTop) + b.value);
    else at.y = std::max({kTop, at.y + b.value, at.table_end});
    if (b.word == 768) at.mark = at.y;
    // A move up stays on its page, also when it ends below the text area
    // (after a picture at the page's foot): the writers go back to a place
    // kept on this page next, and what they write then finds its own room.
    if (at.y > kTextBottom && !(b.word != 4 && b.word != 1024 && b.value < 0)) New_Page(r);
}

}  // namespace

int write_error = 0;

cairo_status_t Write_To_File(void* file, const unsigned char* data, unsigned int length) {
    if (std::fwrite(data, 1, length, static_cast<FILE*>(file)) == length) return CAIRO_STATUS_SUCCESS;
    if (!write_error) write_error = errno;
    return CAIRO_STATUS_WRITE_ERROR;
}

double Text_Left(const Render* r) { return kLeft + r->at.margin; }
double Text_Width(const Render* r) { return std::max(2.0, kPageW - kRight - Text_Left(r)); }

double Right_Edge(const Render* r, double x, double top, double bottom) {
    double edge = kPageW - kRight;
    for (const Area& f : r->at.floats)
        if (f.y1 < bottom && top < f.y2 && f.x1 > x + 0.5) edge = std::min(edge, f.x1 - 0.2);
    return edge;
}

void Note_Ink(Render* r, OliInkKind kind, std::vector<double> pt, double width_pt) {
    if (!r->ink) return;
    OliInk m;
    m.kind = kind;
    m.page = r->at.page;
    m.block = r->block;
    m.texts = r->boxes ? r->boxes->size() : 0;
    m.width = width_pt / kPt;
    for (double& v : pt) v /= kPt;
    m.xy = std::move(pt);
    r->ink->push_back(std::move(m));
}

void Page_Surface(Render* r) {
    cairo_t* cr = r->cr;
    if (!r->pdf) {
        oli_lib.cairo_identity_matrix(cr);
        oli_lib.cairo_set_source_rgb(cr, 1, 1, 1);
        oli_lib.cairo_paint(cr);
        oli_lib.cairo_scale(cr, r->dpi / 72.0, r->dpi / 72.0);
    }
    oli_lib.cairo_set_source_rgb(cr, 0, 0, 0);
}

void Begin_Page(Render* r) {
    Page_Surface(r);
    Place& at = r->at;
    at.y = at.lowest = kTop;
    at.mark = at.table_end = -1;
    at.floats.clear();
    at.inked.clear();
}

void End_Page(Render* r) {
    Foot(r);
    Page_Mark(r);
    // A context that lost its memory on the page drew nothing after that.
    Throw_If_No_Memory(oli_lib.cairo_status(r->cr));
    if (r->pdf) {
        oli_lib.cairo_show_page(r->cr);
    } else if (r->at.page == r->target) {
        oli_lib.cairo_surface_flush(r->surface);
        if (r->png_file) {
            const cairo_status_t written = oli_lib.cairo_surface_write_to_png_stream(r->surface, Write_To_File,
                                                                                     r->png_file);
            Throw_If_No_Memory(written);
            r->png_written = written == CAIRO_STATUS_SUCCESS;
        }
        else if (r->image) r->png_written = Copy_Pixels(r->surface, r->image);
        r->done = true;
    }
}

void Note_Drawn(Render* r, bool heading, int line) { r->at.on_page.push_back({heading, r->block, line}); }

// The place the page after this one is drawn from: the last place passed
// on this page, as the layout stood there; when none was passed on it (a
// unit runs over more than a page), the place this page is drawn from.
Resume Next_Page_Start(const Render* r) {
    const Checkpoint& c = r->last;
    if (c.page != r->at.page) return r->index->Last();
    Resume from{c.block, c.unit, {}, c.frames, c.size, c.width, c.offset};
    Place& at = from.at;
    at.page = c.page;
    at.y = c.y;
    at.lowest = c.lowest;
    at.mark = c.mark;
    at.table_end = c.table_end;
    at.margin = r->at.margin;  // margins, stored places and the contents entry change only between units
    std::copy(std::begin(r->at.stored), std::end(r->at.stored), std::begin(at.stored));
    std::copy(std::begin(r->at.stored_page), std::end(r->at.stored_page), std::begin(at.stored_page));
    at.contents = r->at.contents;
    at.floats.assign(r->at.floats.begin(), r->at.floats.begin() + static_cast<std::ptrdiff_t>(c.floats));
    if (c.keeps_inked) at.inked.assign(r->at.inked.begin(), r->at.inked.begin() + static_cast<std::ptrdiff_t>(c.inked));
    return from;
}

void New_Page(Render* r) {
    // Headings at the foot of the page go to the next one with what they
    // head (in the next pass).
    if (r->pass && Pass_At_Page_Break(r)) return;
    if (r->index) r->index->Add(Next_Page_Start(r));
    r->at.on_page.clear();
    End_Page(r);
    ++r->at.page;
    Begin_Page(r);
}

void Ensure(Render* r, double h) {
    if (r->at.y + h > kTextBottom && r->at.y > kTop + 1e-6) New_Page(r);
}

void Page_Block(Render* r, const OliBlock& b) {
    Place& at = r->at;
    switch (b.kind) {
    case OLI_BLOCK_CONTENTS: at.contents = b.text; break;
    case OLI_BLOCK_NEWPAGE:
        if (at.y > kTop + 1e-6) New_Page(r);
        break;
    case OLI_BLOCK_YPOS: Move(r, b); break;
    case OLI_BLOCK_MARGINS:
        if (Sane(b.value)) at.margin = std::clamp(b.value, 0.0, 15.0);
        break;
    case OLI_BLOCK_RESERVE:
        if (Sane(b.value) && b.value > 0) Ensure(r, std::min(b.value, kTextBottom - kTop));
        break;
    case OLI_BLOCK_STOREYPOS:
        if (b.word >= 0 && b.word < 10) at.stored[b.word] = at.y, at.stored_page[b.word] = at.page;
        break;
    case OLI_BLOCK_RESTOREYPOS:
        if (b.word >= 0 && b.word < 10 && at.stored_page[b.word] == at.page) at.y = at.stored[b.word], at.table_end = -1;
        break;
    default: break;
    }
}

void Bookmark(Render* r, const OliBlock& b) {
    if (!r->pdf || r->total <= 0) return;
    if (b.word == 17) {
        if (r->parents.size() > 1) r->parents.pop_back();
        return;
    }
    if (b.word == 15) return;
    std::string title = OLI_Plain_Text(b.text);
    size_t s = title.find_first_not_of(' ');
    title = s == std::string::npos ? "" : title.substr(s);
    int id = r->parents.back();
    if (!title.empty()) {
        char attrs[96];
        std::snprintf(attrs, sizeof attrs, "page=%d pos=[%.1f %.1f]", r->at.page, kLeft * kPt, r->at.y * kPt);
        id = oli_lib.cairo_pdf_surface_add_outline(r->surface, r->parents.back(), title.c_str(), attrs,
                                                   static_cast<cairo_pdf_outline_flags_t>(0));
    }
    if (b.word == 16 && r->parents.size() < 64) r->parents.push_back(id);
}

}  // namespace oli_render
