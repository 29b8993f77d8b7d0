// Tables of the print-list renderer ("#SHOWTABLE"): the titles, then the
// rows in a monospaced font, as their writers align the cells with blanks.
// A table wider than its room, or set beside text that stands below its
// top, is set smaller; one that runs over a page repeats its head rows,
// and a head or a row that heads others never stands alone at a page's
// foot; a row whose cell runs on in rows of its own stands whole on one
// page.

#include <algorithm>

#include "platform/oli_markup_internal.h"
#include "platform/oli_render_calls.h"
#include "platform/oli_render_internal.h"
#include "platform/oli_symbols_internal.h"
#include "platform/oli_table_rows.h"

namespace oli_render {

namespace {

// A table row heads the rows after it when its text begins in bold or
// heading style, or ends with a label ("Koordinatenbezugspunkt:" whose
// place the next row names).
bool Heads_Rows(const std::vector<OliGlyphItem>& g) {
    for (const OliGlyphItem& it : g) {
        if (it.c == ' ') continue;
        return it.style.bold || it.style.heading || Oli_Glyphs_Label(g);
    }
    return false;
}

bool Has_Ink(const std::vector<OliGlyphItem>& g) {
    for (const OliGlyphItem& it : g)
        if (it.c != ' ' && it.c != '\t') return true;
    return false;
}

// The top of the highest text set on this page that starts below `top`
// and reaches into the columns x1 .. x2; a large value when there is none.
double Text_Below(const Render* r, double top, double x1, double x2) {
    double first = 1e9;
    for (const Area& t : r->at.inked)
        if (t.y1 >= top - 1e-6 && t.x2 > x1 + 0.05 && t.x1 < x2 - 0.05) first = std::min(first, t.y1);
    return first;
}

// The glyphs of row i of a table: made again where they are needed (a table
// may have a row for each of tens of thousands of load cases).
std::vector<OliGlyphItem> Row_Glyphs(const OliBlock& b, size_t i) { return Oli_Markup_Glyphs(b.lines[i]); }

// Total height of the rows at `pt` points.
double Rows_Height(Render* r, const OliBlock& b, double pt) {
    double h = 0;
    for (size_t i = 0; i < b.lines.size(); ++i) {
        const std::vector<OliGlyphItem> g = Row_Glyphs(b, i);
        PangoLayout* l = Layout(r, Oli_Glyphs_Pango(g, 0, g.size()), kTableFont, pt);
        h += Height_Cm(l);
        oli_lib.g_object_unref(l);
    }
    return h;
}

// A table set beside text that already stands below its top (the writer
// went back up to set it there) must end above that text: it is set
// smaller, down to the smallest table size; when even that does not end
// above it, the table goes below everything on the page instead. `widest`
// is the widest row at the normal table size.
void Clear_Of_Text_Below(Render* r, const OliBlock& b, double widest, double* size) {
    Place& at = r->at;
    const double left = Text_Left(r);
    const double below = Text_Below(r, at.y, left, left + widest * *size / kTableSize);
    if (below >= 1e9) return;
    const double room = below - 0.1 - at.y;
    double h = Rows_Height(r, b, *size);
    if (h <= room) return;
    double pt = *size;
    // Row heights follow the size nearly in proportion; a few steps settle
    // the rounding of the font's line height.
    for (int step = 0; step < 4 && h > room && pt > kMinTableSize; ++step) {
        pt = std::max(kMinTableSize, room > 0 ? pt * room / h * 0.99 : kMinTableSize);
        h = Rows_Height(r, b, pt);
    }
    if (h <= room) {
        *size = pt;
        return;
    }
    at.y = std::max(at.y, at.lowest);
}

// The width of a row of a table at `pt` points.
double Row_Width(Render* r, const std::vector<OliGlyphItem>& glyphs, double pt) {
    PangoLayout* l = Layout(r, Oli_Glyphs_Pango(glyphs, 0, glyphs.size()), kTableFont, pt);
    const double w = Width_Cm(l);
    oli_lib.g_object_unref(l);
    return w;
}

// The size of a table whose widest row is `widest` cm at the normal size,
// and the room it is set in (its width is returned): the room left of a
// picture beside it, where the table is set smaller to end before the
// picture. The font's advances round at small sizes, so the widest row is
// measured again at the size found, and smaller still until it fits; when
// it does not fit beside the picture even at the smallest size, the table
// starts below the picture, in the whole width.
double Fit_Table(Render* r, const std::vector<OliGlyphItem>& widest_glyphs, double widest, size_t rows,
                 double* size) {
    Place& at = r->at;
    const double left = Text_Left(r);
    const double full = std::max(2.0, kPageW - kRight - left);
    double width = std::max(2.0, Right_Edge(r, left, at.y, at.y + 0.36 * static_cast<double>(rows)) - left);
    for (int pass = 0; pass < 2; ++pass) {
        *size = kTableSize;
        if (widest <= width) return width;
        *size = std::max(kMinTableSize, kTableSize * width / widest);
        double w = Row_Width(r, widest_glyphs, *size);
        for (int step = 0; step < 4 && w > width && *size > kMinTableSize; ++step) {
            *size = std::max(kMinTableSize, *size * width / w * 0.99);
            w = Row_Width(r, widest_glyphs, *size);
        }
        if (w <= width || width >= full - 1e-6) return width;
        for (const Area& f : at.floats)
            if (f.y2 > at.y && f.x1 > left + 0.5) at.y = std::max(at.y, f.y2 + 0.2);
        width = std::max(2.0, Right_Edge(r, left, at.y, at.y + 0.36 * static_cast<double>(rows)) - left);
    }
    return width;
}

// The rows of a table laid out at their size, with what each must keep
// with it on its page. A row's layout is made when first needed and given
// back when the row is drawn, but for the head rows, which every page of
// the table repeats: a table of any length holds the layouts of a page at
// most.
struct Table_Rows {
    const OliBlock* b = nullptr;
    std::vector<PangoLayout*> layouts;  // laid out when first needed: a page drawn alone needs few
    std::vector<bool> heads;  // the row heads the rows after it
    std::vector<bool> continues;  // the row goes on with the row above it (oli_table_rows.h)
    int head = 0;             // the head rows, repeated on every page
    double head_h = 0;        // their height, cm
    double size = kTableSize; // points
    double width = 0;         // the room the table is set in, cm
    OliLineFrames frames;
    Table_Rows() = default;
    Table_Rows(const Table_Rows&) = delete;
    Table_Rows& operator=(const Table_Rows&) = delete;
    // The layouts go however the table ends (memory that runs out ends it
    // at a row).
    ~Table_Rows() {
        for (PangoLayout* l : layouts)
            if (l) oli_lib.g_object_unref(l);
    }
};

// The layout of row i at the table's size.
PangoLayout* Row_Layout(Render* r, Table_Rows* t, size_t i) {
    if (!t->layouts[i]) {
        const std::vector<OliGlyphItem> g = Row_Glyphs(*t->b, i);
        t->layouts[i] = Layout(r, Oli_Glyphs_Pango(g, 0, g.size()), kTableFont, t->size);
    }
    return t->layouts[i];
}

// Sets the table's size and room, and readies its rows; a table drawn from
// a row on (`from`) takes the size and room found at its start.
void Lay_Out_Rows(Render* r, const OliBlock& b, Table_Rows* t, const Resume* from) {
    const size_t n = b.lines.size();
    t->head = std::clamp(b.head_rows, 0, static_cast<int>(n) - 1);
    const size_t head = static_cast<size_t>(t->head);
    // Rows in bold that head the rows after them (the sections of a text
    // block set as a one-column table: "Schweißnähte", "Spannungen") and
    // rows that end with a label start a page only with the first row they
    // head. Rows that go on with the row above them: in a table with
    // columns, the rows of a cell that its writer ran on (a long name under
    // its column).
    t->heads.assign(n, false);
    t->continues.assign(n, false);
    double widest = 0;
    size_t widest_row = 0;
    bool heads_before = false;  // the row before heads rows, should this one have ink
    std::string start;
    for (size_t i = 0; i < n; ++i) {
        const std::vector<OliGlyphItem> g = Row_Glyphs(b, i);
        if (!from) {
            const double w = Row_Width(r, g, kTableSize);
            if (w > widest) widest = w, widest_row = i;
        }
        if (heads_before) t->heads[i - 1] = Has_Ink(g);
        heads_before = i >= head && Heads_Rows(g);
        if (b.columns <= 0 || i < head) continue;
        std::string row = Oli_Glyphs_Plain(g, 0, g.size());
        t->continues[i] = !start.empty() && Oli_Table_Row_Continues(start, row);
        if (!t->continues[i]) start = std::move(row);
    }
    if (from) {
        t->size = from->size;
        t->width = from->width;
    } else {
        t->width = Fit_Table(r, Row_Glyphs(b, widest_row), widest, n, &t->size);
        Clear_Of_Text_Below(r, b, widest, &t->size);
    }
    t->layouts.assign(n, nullptr);
    for (size_t i = 0; i < head; ++i) t->head_h += Height_Cm(Row_Layout(r, t, i));
}

void Draw_Row(Render* r, Table_Rows* t, size_t i) {
    PangoLayout* l = Row_Layout(r, t, i);
    double h = Height_Cm(l);
    const double left = Text_Left(r), top = r->at.y;
    const std::vector<OliGlyphItem> g = Row_Glyphs(*t->b, i);
    Show(r, l, left, top, OLI_TEXT_TABLE, Oli_Glyphs_Plain(g, 0, g.size()), static_cast<int>(i), 0, t->heads[i]);
    r->at.y += h;
    // The frame escapes of the row (a rule under its cells, frames).
    OLI_Draw_Line_Frames(r->cr, &t->frames, t->b->lines[i], left * kPt, top * kPt, Width_Cm(l) * kPt,
                         t->width * kPt, r->at.y * kPt);
}

// Row i and the rows that go on with it: their height, and the next row
// after them in *next.
double Row_With_Its_Rows(Render* r, Table_Rows* t, size_t i, size_t* next) {
    double h = Height_Cm(Row_Layout(r, t, i));
    size_t j = i + 1;
    for (; j < t->layouts.size() && t->continues[j]; ++j) h += Height_Cm(Row_Layout(r, t, j));
    *next = j;
    return h;
}

// What must stand on the page with row i: the row with the rows that go on
// with it, and when it is the first of rows that head others, those and
// the first row they head (each with the rows that go on with it).
double Keep_With(Render* r, Table_Rows* t, size_t i) {
    size_t j;
    double keep = Row_With_Its_Rows(r, t, i, &j);
    if (t->heads[i] && (i == 0 || !t->heads[i - 1]))
        while (j < t->layouts.size()) {
            const size_t k = j;
            keep += Row_With_Its_Rows(r, t, k, &j);
            if (!t->heads[k]) break;
        }
    return keep;
}

// Sets the rows from row `first` on, each on a new page (under the
// repeated head rows) when it and what it keeps with it do not fit.
void Draw_Rows(Render* r, Table_Rows* t, size_t first) {
    const size_t n = t->layouts.size();
    const size_t head = static_cast<size_t>(t->head);
    for (size_t i = first; i < n && !r->done; ++i) {
        Note_Unit(r, static_cast<int>(i), &t->frames, t->size, t->width);
        const double h = Height_Cm(Row_Layout(r, t, i));
        const double keep = Keep_With(r, t, i);
        const double y = r->at.y;
        if (i < head) {
            if (i == 0) Ensure(r, t->head_h + (n > head ? Height_Cm(Row_Layout(r, t, head)) : 0));
        } else if ((y + h > kTextBottom || (y + keep > kTextBottom && keep < (kTextBottom - kTop) / 3)) &&
                   y > kTop + 1e-6) {
            New_Page(r);
            if (r->done) break;
            for (size_t k = 0; k < head; ++k) Draw_Row(r, t, k);
        }
        if (r->done) break;
        Note_Drawn(r, false, static_cast<int>(i));
        Draw_Row(r, t, i);
        // Only the head rows are drawn again.
        if (i >= head) {
            oli_lib.g_object_unref(t->layouts[i]);
            t->layouts[i] = nullptr;
        }
    }
}

}  // namespace

void Table(Render* r, const OliBlock& b) {
    // A table drawn from one of its rows on has set its titles before.
    const Resume* from = Resumed_Unit(r);
    int line = 0;
    for (size_t k = 0; !from && k < b.titles.size(); ++k) {
        if (r->done) return;
        Text_Line(r, b.titles[k], OLI_TEXT_TITLE, line++);
    }
    if (!b.lines.empty()) {
        Table_Rows t;
        t.b = &b;
        if (from) t.frames = from->frames;
        Lay_Out_Rows(r, b, &t, from);
        Draw_Rows(r, &t, from ? static_cast<size_t>(from->unit) : 0);
        OLI_Close_Line_Frames(r->cr, &t.frames);
    }
    r->at.table_end = r->at.y;
    r->at.y += kTableGap;
}

}  // namespace oli_render
