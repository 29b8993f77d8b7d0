// Text of the print-list renderer: a marked-up text line laid out into rows
// of pango layouts (tabs to their stops, breaks only where a reader expects
// them), the rows set on the page, and the paragraphs of "#SHOWPARA"
// blocks with their formats and frame escapes.

#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_map>

#include "platform/oli_markup_internal.h"
#include "platform/oli_render_calls.h"
#include "platform/oli_render_internal.h"
#include "platform/oli_symbols_internal.h"

namespace oli_render {

namespace {

constexpr double kDefaultTab = 1.2;  // cm between the stops of a line that gives none (four tab steps)
constexpr double kTabGap = 0.1;      // cm a text keeps before the stop it is tabbed to
constexpr double kEmptyRow = 0.38;   // cm, the height of a row without ink

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

// A line that begins in heading style ("╬H...") heads what follows, and so
// does a label (a line that ends with a colon): neither ends a page without
// the line after it.
bool Heads_What_Follows(const std::string& text) {
    const std::vector<OliGlyphItem> g = Oli_Markup_Glyphs(text);
    for (const OliGlyphItem& it : g) {
        if (it.c == ' ') continue;
        return it.style.heading || Oli_Glyphs_Label(g);
    }
    return false;
}

// ---- pieces of text laid out into rows ----

struct Piece {
    PangoLayout* l = nullptr;  // null in a layout pass, which needs only the measures
    double x = 0, w = 0, base = 0, h = 0;  // cm: left edge, width, baseline below the top, height
    Text_Measures m;           // a layout pass: what its layout would tell
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

// The width of a layout `w` cm wide without its trailing blanks.
double Visible_Width_Of(PangoLayout* l, double w) {
    const char* t = oli_lib.pango_layout_get_text(l);
    int n = static_cast<int>(std::strlen(t));
    while (n > 0 && t[n - 1] == ' ') --n;
    if (n == 0) return 0.0;
    PangoRectangle pos;
    oli_lib.pango_layout_index_to_pos(l, n, &pos);
    // index_to_pos of the end gives the position after the last glyph.
    double x = pos.x / static_cast<double>(PANGO_SCALE) / kPt;
    return x > 0 ? std::min(x, w) : w;
}

// What the layout of a piece of markup tells, kept for the document: a
// list repeats most of its pieces (the cells of its check lines), and a
// layout pass needs only these.
const Text_Measures& Measure(Render* r, const std::string& markup, const char* family, double size) {
    // The measures move by a little with the resolution (oli_render_internal.h).
    const double dpi = r->pdf ? 72.0 : r->dpi;
    std::string key(family);
    key.append(reinterpret_cast<const char*>(&size), sizeof size)
        .append(reinterpret_cast<const char*>(&dpi), sizeof dpi)
        .append(markup);
    Measure_Memo& kept = r->shared->measures;
    if (auto at = kept.newer.find(key); at != kept.newer.end()) return at->second;
    if (kept.newer.size() >= kMeasuresKept) {
        kept.older = std::move(kept.newer);
        kept.newer = {};
    }
    if (auto at = kept.older.find(key); at != kept.older.end()) {
        const Text_Measures m = at->second;
        kept.older.erase(at);
        return kept.newer.emplace(std::move(key), m).first->second;
    }
    PangoLayout* l = Layout(r, markup, family, size);
    Text_Measures m;
    m.w = Width_Cm(l);
    m.h = Height_Cm(l);
    m.base = oli_lib.pango_layout_get_baseline(l) / static_cast<double>(PANGO_SCALE) / kPt;
    m.visible = Visible_Width_Of(l, m.w);
    oli_lib.pango_layout_get_extents(l, &m.ink, nullptr);
    oli_lib.g_object_unref(l);
    return kept.newer.emplace(std::move(key), m).first->second;
}

// One piece of glyphs [b, e) on one line; in a layout pass only measured.
Piece Make_Piece(Render* r, const std::vector<OliGlyphItem>& g, size_t b, size_t e, const std::vector<bool>& glued,
                 const char* family, double size) {
    Piece p;
    const std::string markup = Oli_Glyphs_Pango(g, b, e, &glued);
    if (r->layout_only && r->shared) {
        p.m = Measure(r, markup, family, size);
        p.w = p.m.w, p.h = p.m.h, p.base = p.m.base;
    } else {
        p.l = Layout(r, markup, family, size);
        p.w = Width_Cm(p.l);
        p.h = Height_Cm(p.l);
        p.base = oli_lib.pango_layout_get_baseline(p.l) / static_cast<double>(PANGO_SCALE) / kPt;
    }
    size_t v = e;
    while (v > b && (g[v - 1].c == ' ' || g[v - 1].c == '\t')) --v;
    p.text = Oli_Glyphs_Plain(g, b, v);
    return p;
}

// The width of a piece without its trailing blanks.
double Visible_Width(const Piece& p) { return p.l ? Visible_Width_Of(p.l, p.w) : p.m.visible; }

void Free_Piece(Piece& p) {
    if (p.l) oli_lib.g_object_unref(p.l), p.l = nullptr;
}

// A text line being laid out into rows (Flow): its glyphs, its stops, the
// row being filled and where in it the next piece goes.
struct Flow_State {
    Render* r = nullptr;
    std::vector<OliGlyphItem> g;
    std::vector<bool> glued;
    const char* family = nullptr;
    double size = 0.0, width = 0.0;
    std::vector<double> stops;  // cm from the line's left edge, ascending
    double cont = 0.0;          // where a continuation row starts
    std::vector<Row> rows;
    Row cur;
    double x = 0.0;
};

Piece Piece_Of(Flow_State& f, size_t b, size_t e) { return Make_Piece(f.r, f.g, b, e, f.glued, f.family, f.size); }

bool Fits(const Flow_State& f, double w) { return f.x + w <= f.width + 1e-6; }

void Place_Piece(Flow_State& f, Piece p) {
    p.x = f.x;
    f.x += p.w;
    f.cur.asc = std::max(f.cur.asc, p.base);
    f.cur.desc = std::max(f.cur.desc, p.h - p.base);
    f.cur.pieces.push_back(p);
}

void New_Row(Flow_State& f) {
    f.rows.push_back(f.cur);
    f.cur = Row{};
    f.x = f.cont;
}

double Next_Stop(const Flow_State& f, double from) {
    for (double s : f.stops)
        if (s > from + 1e-6) return s;
    double base = f.stops.empty() ? 0.0 : f.stops.back();
    return base + kDefaultTab * (std::floor((from - base) / kDefaultTab + 1e-9) + 1.0);
}

// The stops of a line and where its continuation rows start: the hanging
// width, else, in a line with tabs, the first stop.
void Set_Stops(Flow_State& f, const std::vector<double>& tab_stops, double hanging) {
    if (hanging > 0) f.stops.push_back(hanging);
    for (double t : tab_stops)
        if (t > 0 && Sane(t)) f.stops.push_back(t);
    std::sort(f.stops.begin(), f.stops.end());
    bool has_tab = false;
    for (const OliGlyphItem& it : f.g) has_tab = has_tab || it.c == '\t';
    f.cont = hanging > 0 ? hanging : (has_tab && !f.stops.empty() ? f.stops[0] : 0.0);
    if (f.cont > f.width * 0.6) f.cont = 0.0;
}

// A tab: on to the next stop, or to a new row when none is left in this one.
void Tab(Flow_State& f) {
    double s = Next_Stop(f, f.x > 0 ? f.x + kTabGap : f.x);
    if (s >= f.width - 0.05) {
        New_Row(f);
        return;
    }
    f.x = s;
    // A line without stops of its own goes on under its first tabbed cell.
    if (f.stops.empty() && f.cont == 0.0 && f.x < f.width * 0.6) f.cont = f.x;
}

// More glyphs than any row holds (17 cm of the narrowest glyph at the
// smallest size a table is set in take fewer): a run this long is never
// measured whole, which for a word without blanks cost a layout of the
// whole rest for every row it filled (60,000 letters took 18 s, 300,000
// more than 300 s and 1 GB).
constexpr size_t kLongRun = 512;

// How many of the glyphs [w, we) fit from the writing position (0 when
// not even one does): counts that double from one until one does not fit,
// then halved between the last two, so that a row costs layouts of at
// most twice what it holds, however long the word.
size_t Glyphs_That_Fit(Flow_State& f, size_t w, size_t we) {
    auto fits = [&](size_t k) {
        Piece t = Piece_Of(f, w, w + k);
        const bool yes = Fits(f, Visible_Width(t));
        Free_Piece(t);
        return yes;
    };
    const size_t n = we - w;
    size_t lo = 0, hi = n + 1;  // lo glyphs fit, hi do not
    for (size_t k = 1; k < hi; k *= 2) {
        const size_t probe = std::min(k, n);
        if (!fits(probe)) {
            hi = probe;
            break;
        }
        lo = probe;
        if (probe == n) break;
    }
    while (lo + 1 < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        if (fits(mid)) lo = mid;
        else hi = mid;
    }
    return lo;
}

// A word [w, we) too long for the room left: from a new row (unless the
// row holds nothing yet), as many glyphs as fit in each row, at least one,
// the rest in the rows after it; its last piece stays open for what
// follows.
void Place_Long_Word(Flow_State& f, size_t w, size_t we) {
    if (f.x > f.cont + 1e-6 && !f.cur.pieces.empty()) New_Row(f);
    while (w < we) {
        const size_t k = std::max<size_t>(1, Glyphs_That_Fit(f, w, we));
        Place_Piece(f, Piece_Of(f, w, w + k));
        w += k;
        if (w < we) New_Row(f);
    }
}

// The glyphs [b, e) word by word: a word runs to the end of its breakable
// blanks and goes to a new row when it does not fit.
void Place_Words(Flow_State& f, size_t b, size_t e) {
    const std::vector<OliGlyphItem>& g = f.g;
    size_t w = b;
    while (w < e) {
        size_t we = w;
        while (we < e && !(g[we].c == ' ' && !f.glued[we])) ++we;
        while (we < e && g[we].c == ' ' && !f.glued[we]) ++we;
        if (we - w > kLongRun) {
            Place_Long_Word(f, w, we);
            w = we;
            continue;
        }
        Piece p = Piece_Of(f, w, we);
        double vis = Visible_Width(p);
        if (!Fits(f, vis) && f.x > f.cont + 1e-6 && !f.cur.pieces.empty()) New_Row(f);
        if (!Fits(f, vis) && we - w > 1) {
            Free_Piece(p);
            Place_Long_Word(f, w, we);
        } else {
            Place_Piece(f, p);
        }
        w = we;
    }
}

// The cell [b, e) of a line (the text up to a tab or the end): whole where
// it fits, a cell after a tab whole in a new row where it fits there, else
// word by word.
void Place_Cell(Flow_State& f, size_t b, size_t e, bool after_tab) {
    if (e - b > kLongRun) {
        Place_Words(f, b, e);
        return;
    }
    Piece whole = Piece_Of(f, b, e);
    const double whole_w = Visible_Width(whole);
    if (Fits(f, whole_w) || b == e) {
        Place_Piece(f, whole);
    } else if (after_tab && f.x > f.cont + 1e-6 && f.cont + whole_w <= f.width + 1e-6) {
        New_Row(f);
        Place_Piece(f, whole);
    } else {
        Free_Piece(whole);
        Place_Words(f, b, e);
    }
}

// Lays one text line out into rows of `width` cm: tabs go to the stops
// (cm from the line's left edge, a hanging width first); a cell that does
// not fit goes on in a new row at the continuation stop (the hanging width,
// else the first stop), and a text too long for a row breaks only where
// Glued_Blanks allows it.
std::vector<Row> Flow(Render* r, const std::string& text, const char* family, double size, double width,
                      const std::vector<double>& tab_stops, double hanging) {
    Flow_State f;
    f.r = r;
    f.g = Oli_Markup_Glyphs(text);
    f.glued = Glued_Blanks(f.g);
    f.family = family;
    f.size = size;
    f.width = width;
    Set_Stops(f, tab_stops, hanging);
    for (size_t b = 0; b <= f.g.size();) {
        size_t e = b;
        while (e < f.g.size() && f.g[e].c != '\t') ++e;
        const bool after_tab = b > 0;
        if (after_tab) Tab(f);
        Place_Cell(f, b, e, after_tab);
        if (e >= f.g.size()) break;
        b = e + 1;
    }
    f.rows.push_back(f.cur);
    return std::move(f.rows);
}

// Draws rows at the writing position from left edge `left`; a heading
// keeps room for what follows it on its page.
void Draw_Rows(Render* r, std::vector<Row>& rows, double left, OliTextKind kind, int line, bool heading) {
    bool visible = false;
    for (const Row& row : rows)
        for (const Piece& p : row.pieces) visible = visible || !p.text.empty();
    if (visible && r->shared && r->shared->break_before.count({r->block, line}) && r->at.y > kTop + 1e-6)
        New_Page(r);
    // The rows of one line are one row of its writer's: they start a page
    // together (a label stays with the values it names), unless the line is
    // too tall to move without leaving a page nearly empty.
    if (visible && rows.size() > 1) {
        double all = 0.0;
        for (const Row& row : rows) all += row.Height() > 0 ? row.Height() : kEmptyRow;
        if (all < (kTextBottom - kTop) / 3) Ensure(r, all + (heading ? kKeepWithHeading : 0.0));
    }
    if (visible) Note_Drawn(r, heading, line);
    for (size_t i = 0; i < rows.size(); ++i) {
        Row& row = rows[i];
        double h = row.Height();
        if (h <= 0) h = kEmptyRow;
        Ensure(r, h + (heading && i + 1 == rows.size() ? kKeepWithHeading : 0.0));
        for (Piece& p : row.pieces) {
            const double x = left + p.x, top = r->at.y + row.asc - p.base;
            if (p.l) Show(r, p.l, x, top, kind, p.text, line, static_cast<int>(i), heading);
            else Note_Text(r, p.m.ink, x, top, kind, p.text, line, static_cast<int>(i), heading);
        }
        r->at.y += h;
    }
    Free_Rows(rows);
}

}  // namespace

Text_Context::~Text_Context() {
    for (auto& [family, fd] : fonts) oli_lib.pango_font_description_free(fd);
    if (context) oli_lib.g_object_unref(context);
}

PangoLayout* Layout(Render* r, const std::string& markup, const char* family, double size_pt) {
    Text_Context& t = r->text;
    if (!t.context) {
        // Every pass draws its texts with the same transformation (the
        // page's, set when a page begins): the context made for the first
        // text is that of every other.
        t.context = Oli_Layout_Context(r->cr);
    }
    PangoFontDescription* fd = nullptr;
    for (const auto& [name, known] : t.fonts)
        if (name == family) fd = known;
    if (!fd) {
        fd = oli_lib.pango_font_description_from_string(family);
        t.fonts.emplace_back(family, fd);
    }
    PangoLayout* l = oli_lib.pango_layout_new(t.context);
    oli_lib.pango_font_description_set_absolute_size(fd, size_pt * PANGO_SCALE);
    oli_lib.pango_layout_set_font_description(l, fd);
    oli_lib.pango_layout_set_markup(l, markup.c_str(), -1);
    return l;
}

double Width_Cm(PangoLayout* l) {
    int w = 0, h = 0;
    oli_lib.pango_layout_get_size(l, &w, &h);
    return w / static_cast<double>(PANGO_SCALE) / kPt;
}

double Height_Cm(PangoLayout* l) {
    int w = 0, h = 0;
    oli_lib.pango_layout_get_size(l, &w, &h);
    return h / static_cast<double>(PANGO_SCALE) / kPt;
}

void Show(Render* r, PangoLayout* l, double x, double top, OliTextKind kind, const std::string& text, int line,
          int row, bool heading) {
    if (Seen(r)) {
        oli_lib.cairo_move_to(r->cr, x * kPt, top * kPt);
        oli_lib.pango_cairo_show_layout(r->cr, l);
    }
    if (text.empty() || text.find_first_not_of(' ') == std::string::npos) return;
    PangoRectangle ink;
    oli_lib.pango_layout_get_extents(l, &ink, nullptr);
    Note_Text(r, ink, x, top, kind, text, line, row, heading);
}

void Note_Text(Render* r, const PangoRectangle& ink, double x, double top, OliTextKind kind, const std::string& text,
               int line, int row, bool heading) {
    if (text.empty() || text.find_first_not_of(' ') == std::string::npos) return;
    // The ink of the glyphs: what another text must not touch.
    const double ix = x + ink.x / static_cast<double>(PANGO_SCALE) / kPt;
    const double iy = top + ink.y / static_cast<double>(PANGO_SCALE) / kPt;
    const double iw = ink.width / static_cast<double>(PANGO_SCALE) / kPt;
    const double ih = ink.height / static_cast<double>(PANGO_SCALE) / kPt;
    if (kind == OLI_TEXT_PARA || kind == OLI_TEXT_TABLE || kind == OLI_TEXT_TITLE)
        r->at.inked.push_back({ix, iy, ix + iw, iy + ih});
    if (!r->boxes) return;
    OliTextBox b;
    b.page = r->at.page;
    b.x = ix;
    b.y = iy;
    b.w = iw;
    b.h = ih;
    b.text = text;
    b.kind = kind;
    b.block = r->block;
    b.line = line;
    b.row = row;
    b.heading = heading;
    r->boxes->push_back(b);
}

void Text_Line(Render* r, const std::string& text, OliTextKind kind, int line) {
    const double left = Text_Left(r), y = r->at.y;
    std::vector<Row> rows =
        Flow(r, text, kBodyFont, kBodySize, std::max(1.0, Right_Edge(r, left, y, y + 0.45) - left), {}, 0.0);
    Draw_Rows(r, rows, left, kind, line, Heads_What_Follows(text));
}

void Para(Render* r, const OliBlock& b) {
    Place& at = r->at;
    const Resume* from = Resumed_Unit(r);
    int line = from ? from->unit : 0;
    OliLineFrames frames = from ? from->frames : OliLineFrames{};
    for (size_t k = static_cast<size_t>(line); k < b.para.size(); ++k) {
        if (r->done) return;
        Note_Unit(r, line, &frames);
        const OliParaLine& pl = b.para[k];
        const OliViewFormat& f = pl.format;
        if (pl.starts && Sane(f.space_before)) at.y = std::max(kTop, at.y + f.space_before);
        bool head = f.mode == 5;
        double indent = Sane(f.indent) ? std::clamp(f.indent, 0.0, 15.0) : 0.0;
        double x = Text_Left(r) + indent;
        std::vector<double> tabs;
        for (double t : f.tabs)
            if (Sane(t) && t - indent > 0) tabs.push_back(t - indent);
        double hanging = Sane(f.hanging) ? std::clamp(f.hanging, 0.0, 10.0) : 0.0;
        const double room = std::max(1.0, Right_Edge(r, x, at.y, at.y + 0.45) - x);
        std::vector<Row> rows = Flow(r, pl.text, head ? "DejaVu Sans Bold" : kBodyFont, head ? 12.0 : kBodySize,
                                     room, tabs, hanging);
        const double top = at.y;
        Draw_Rows(r, rows, x, OLI_TEXT_PARA, line++, head || Heads_What_Follows(pl.text));
        // The frame escapes of the line (rules, rectangle frames) over the
        // rows it took (from the top of the page when it ran over).
        OLI_Draw_Line_Frames(r->cr, &frames, pl.text, x * kPt, (top < at.y ? top : kTop) * kPt, room * kPt,
                             room * kPt, at.y * kPt);
        if (Sane(pl.space_after)) at.y = std::max(kTop, at.y + pl.space_after);
    }
    OLI_Close_Line_Frames(r->cr, &frames);
    if (Sane(b.value)) at.y = std::max(kTop, at.y + b.value);
}

}  // namespace oli_render
