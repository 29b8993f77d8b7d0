// The pieces of the print-list renderer and the state they share; not for
// other modules. oli_render.cpp runs a document through them, block by
// block:
//
//   oli_render_page.cpp     the page: the writing position and its moves,
//                           page breaks, foot line, damage mark, bookmarks
//   oli_render_text.cpp     text lines laid out into rows, paragraphs
//   oli_render_table.cpp    tables
//   oli_render_picture.cpp  pictures and their graphic records
//   oli_render_pass.cpp     the layout pass that moves headings off a
//                           page's foot
//
// Lengths are worked in cm from the page's upper left corner and drawn in
// points (kPt per cm).
#ifndef PLATFORM_OLI_RENDER_INTERNAL_H
#define PLATFORM_OLI_RENDER_INTERNAL_H

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/oli_layout_check.h"
#include "platform/oli_symbols_internal.h"
#include "platform/oli_view.h"

namespace oli_render {

constexpr double kPt = 72.0 / 2.54;  // points per cm
constexpr double kPageW = 21.0, kPageH = 29.7;
constexpr double kLeft = 2.5, kRight = 1.5, kTop = 2.0, kBottom = 2.0;
constexpr double kTextBottom = kPageH - kBottom;                     // cm, the lowest a text may end
constexpr double kBodySize = 9.5, kTableSize = 8.5, kFootSize = 7.5;  // points
constexpr double kMinTableSize = 5.5;                                // points, a table shrunk to fit
constexpr double kLimit = 1e5;                                       // cm; beyond is damage
constexpr double kTableGap = 0.5;     // cm below every table (the writers move up by it to go on at once)
constexpr double kPictureGap = 0.7;   // cm below every picture (the writers move up by as much to go on
                                      // right below it, by less to keep some room)
constexpr double kKeepWithHeading = 0.8;  // cm that must follow a heading on its page
inline const char* const kBodyFont = "DejaVu Sans";
inline const char* const kTableFont = "DejaVu Sans Mono";

inline bool Sane(double v) { return std::isfinite(v) && std::fabs(v) < kLimit; }

// A box on the page, cm.
struct Area {
    double x1, y1, x2, y2;
};

// What stands on the page so far, in the order drawn: a heading line or
// anything else (a text line, a table row, a picture).
struct Drawn {
    bool heading;
    int block, line;
};

// Where the layout stands: the page, the writing position and what the
// page holds so far. It is all a layout pass needs to go on from a block.
struct Place {
    int page = 1;
    double y = kTop;         // cm from the top of the page
    double lowest = kTop;    // the lowest point written on this page
    double mark = -1;        // position of the last move with word 768, -1 none on this page
    double table_end = -1;   // lower edge of the table just set (before its gap), -1 after anything else
    double margin = 0.0;     // cm beyond the left margin
    double stored[10] = {0};
    int stored_page[10] = {0};
    std::string contents;    // the contents entry in force: the position of the list
    // Pictures drawn on this page: text set beside one of them (the writers
    // go back up to set a list beside a picture, a picture beside a table)
    // ends before it.
    std::vector<Area> floats;
    // The ink of the running text, table rows and titles set on this page:
    // a table set beside text that stands below its top (the writers go
    // back up to set a data block beside a sketch whose material lines
    // follow it) is set smaller to end above that text.
    std::vector<Area> inked;
    std::vector<Drawn> on_page;
};

// What the layout of a piece of text tells (oli_render_text.cpp): cm, and
// the ink of its glyphs from its top left corner in pango units.
struct Text_Measures {
    double w = 0, h = 0, base = 0, visible = 0;
    PangoRectangle ink{0, 0, 0, 0};
};

// The measures of the pieces of text the layout passes laid out, by font,
// size, resolution and markup, kept in two generations: a piece found in
// the older one moves to the newer, and when the newer holds
// kMeasuresKept pieces it becomes the older and the older is forgotten. A
// list repeats most of its pieces and keeps them; the pieces of ever new
// load cases (their names and numbers) come and go: a list of any length
// keeps at most twice that many.
constexpr size_t kMeasuresKept = 16384;
struct Measure_Memo {
    std::unordered_map<std::string, Text_Measures> newer, older;
};

// What every pass over a document shares: the symbol files read (null: not
// readable), the record numbers already warned about, the headings that
// would end a page: (block, line) of each, set on a new page instead
// (oli_render_pass.cpp finds them), and the measures of pieces of text.
struct Shared {
    std::map<std::string, std::unique_ptr<OliSymbol>> symbols;
    std::set<int> warned;
    std::set<std::pair<int, int>> break_before;
    Measure_Memo measures;
};

struct Pass;  // a layout pass looking for a heading to move (oli_render_pass.cpp)

// A place where drawing can start again: before a unit of a block (the
// block itself, a line of a paragraph, a row of a table), with the layout
// as it stood there and what the block carries from unit to unit. A page
// is drawn alone from the last such place before it begins (OliPageSet
// keeps one per page and resolution): what lies between is at most one
// unit, laid out again unseen, so drawing a page costs the same wherever
// it stands. The places are found by a layout pass at the resolution the
// page is drawn at: pango's measures of a text move by a little with the
// resolution (a row of the monospaced font by up to 2/1024 pt), and a
// page drawn from places another resolution found could show a row of the
// page before it again or lose one.
struct Resume {
    size_t block = 0;
    int unit = -1;                   // -1: the block from its start; else its line or row
    Place at;
    OliLineFrames frames;            // the frames open before the unit
    double size = 0.0, width = 0.0;  // a table's size (points) and room (cm), found at its start
    long long offset = 0;            // where the block begins in an opened list's file
};

// The places pages are drawn from, one for each page in order as a layout
// pass finds them: that of each of the last kRecentPages pages, and of the
// pages before those every stride-th one (pages 1, 1 + stride, ...), the
// stride doubling whenever more than kSparsePages of those are kept. A list
// of any length keeps at most the sum; a page is drawn from its own place,
// or, in a list of more than kSparsePages pages, from one at most
// stride - 1 pages before it.
constexpr size_t kRecentPages = 64;
constexpr size_t kSparsePages = 8192;
class Page_Starts {
public:
    explicit Page_Starts(size_t recent = kRecentPages, size_t sparse = kSparsePages)
        : recent_limit_(std::max<size_t>(1, recent)), sparse_limit_(std::max<size_t>(1, sparse)) {}
    // The place of the next page.
    void Add(const Resume& place);
    // Pages added.
    int Count() const { return count_; }
    // The place of the last page added (there is one).
    const Resume& Last() const { return recent_.back(); }
    // The kept place nearest before page `page` (1 .. Count()), its own when
    // kept.
    const Resume& At_Or_Before(int page) const;
    // Forgets the pages after the first `pages`. False when the place of
    // page `pages` is no longer kept as it was found: then every place is
    // forgotten.
    bool Keep_First(int pages);
    // The places kept.
    size_t Kept() const { return recent_.size() + sparse_.size(); }

private:
    size_t recent_limit_, sparse_limit_;
    std::deque<Resume> recent_;   // the places of pages count_ - size + 1 .. count_
    std::vector<Resume> sparse_;  // of pages 1, 1 + stride_, ... before those
    int stride_ = 1;
    int count_ = 0;
};

// The last such place passed, kept by its numbers (copying the layout's
// lists at every unit would cost more than the unit): made a Resume when a
// page begins after it (New_Page).
struct Checkpoint {
    size_t block = 0;
    int unit = -1;
    int page = 1;
    double y = 0, lowest = 0, mark = -1, table_end = -1;
    size_t floats = 0, inked = 0;    // entries of the layout's lists then
    bool keeps_inked = false;        // the unit is a table, which looks at the text set below its top
    OliLineFrames frames;
    double size = 0.0, width = 0.0;
    long long offset = 0;
};

// The pango context a pass lays its texts out in, made on its first text
// for the surface as the pass then stands, with the font descriptions of
// the families it has used (a context and a description per text would
// cost more than laying most texts out).
struct Text_Context {
    PangoContext* context = nullptr;
    std::vector<std::pair<std::string, PangoFontDescription*>> fonts;
    Text_Context() = default;
    Text_Context(const Text_Context&) = delete;
    Text_Context& operator=(const Text_Context&) = delete;
    ~Text_Context();
};

// Memory that cairo could not get ends the pass as memory of ours that
// runs out does (the entry points then tell ENOMEM): cairo keeps going in
// a state that draws nothing, and its file would have been told as one
// that cannot be written, its pages as blank or their pictures as
// unreadable.
void Throw_If_No_Memory(cairo_status_t status);
// Whether cairo made the surface (or finished it) without fault; memory
// it could not get for it throws, as above.
bool Surface_Sound(cairo_surface_t* surface);

// A surface and the context drawn on it, given back however a pass ends:
// memory that runs out ends one anywhere (Oli_Check_Memory).
struct Surface_Hold {
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    Surface_Hold() = default;
    Surface_Hold(const Surface_Hold&) = delete;
    Surface_Hold& operator=(const Surface_Hold&) = delete;
    ~Surface_Hold();
};

// One pass over a document: what it draws on, where what it draws goes,
// and where the layout stands.
struct Render {
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    bool pdf = true;
    int total = 0;           // pages of the whole list, 0 while counting
    int target = 0;          // PNG: the page to write
    double dpi = 150;
    FILE* png_file = nullptr;        // the target page goes to this PNG file,
    OliPageImage* image = nullptr;   // or into these pixels
    bool png_written = false;
    bool done = false;       // nothing more to draw (the target page is out, or the pass stopped)
    std::vector<int> parents{0};     // the open bookmark levels
    std::string page_mark;   // what every page says of a damaged list (OLI_Page_Mark), UTF-8
    int block = -1;          // the block being drawn
    long long block_offset = 0;  // where it begins in an opened list's file
    std::vector<OliTextBox>* boxes = nullptr;
    std::vector<OliInk>* ink = nullptr;  // the marks of pictures, for the layout check
    Shared* shared = nullptr;
    Pass* pass = nullptr;    // the layout pass this is, null when drawing
    bool layout_only = false;  // nothing this pass draws is seen (a layout pass)
    Page_Starts* index = nullptr;  // the places each page is drawn from, being found (one per page)
    Checkpoint last;         // the last place passed, while the index is found
    const Resume* resume = nullptr;  // where this pass starts, until its block has begun
    Text_Context text;
    Place at;
};

// True when what is drawn now is seen: the PDF's pages, the page asked for
// as a picture; false in a layout pass and on the pages before the one
// asked for.
inline bool Seen(const Render* r) { return !r->layout_only && (r->pdf || r->at.page == r->target); }

// Notes the place before unit `unit` of the block being drawn (-1 the
// block itself) for the page index, with what the block carries to it.
void Note_Unit(Render* r, int unit, const OliLineFrames* frames = nullptr, double size = 0.0, double width = 0.0);
// The unit a pass that starts inside the block being drawn begins with
// (its line or row), or null when the block is drawn from its start.
const Resume* Resumed_Unit(const Render* r);

// ---- the page (oli_render_page.cpp) ----

// cairo's writer of a PDF or PNG into a stream.
// The errno of the first write into the stream that failed in a render
// (cairo calls on after it and may change errno); a render sets it to 0
// before it starts.
extern int write_error;
cairo_status_t Write_To_File(void* file, const unsigned char* data, unsigned int length);

double Text_Left(const Render* r);
double Text_Width(const Render* r);
// Where text starting at x and standing from top to bottom must end: the
// right margin, or just before a picture to its right.
double Right_Edge(const Render* r, double x, double top, double bottom);

// Readies the surface for a page: white, at the pass's resolution, black
// to draw with.
void Page_Surface(Render* r);
// Readies the surface and the layout for a new page.
void Begin_Page(Render* r);
// The page's foot line and damage mark, then the page goes out: a PDF page,
// or the target page into its PNG file or pixels (after which the pass is
// done).
void End_Page(Render* r);
// Ends the page and begins the next, unless a layout pass stops here.
void New_Page(Render* r);
// Room for h cm below the writing position, on a new page if needed (a
// block taller than a page starts at the top of one and runs over).
void Ensure(Render* r, double h);
// Notes a heading line or anything else as drawn on the page.
void Note_Drawn(Render* r, bool heading, int line);
// Notes a mark of a picture for the layout check; the points are page
// points (1/72 inch).
void Note_Ink(Render* r, OliInkKind kind, std::vector<double> pt, double width_pt = 0.0);

// The blocks that move the writing position or say where the list stands:
// contents entries, page breaks, moves, margins, reserved room, stored
// places.
void Page_Block(Render* r, const OliBlock& b);
// A bookmark of the PDF (the final pass only).
void Bookmark(Render* r, const OliBlock& b);

// ---- text (oli_render_text.cpp) ----

// A pango layout of the markup in the family at size_pt points, with the
// metrics fixed whatever surface it is drawn on.
PangoLayout* Layout(Render* r, const std::string& markup, const char* family, double size_pt);
double Width_Cm(PangoLayout* l);
double Height_Cm(PangoLayout* l);
// Draws a layout with its top left corner at (x, top) cm and records its
// box.
void Show(Render* r, PangoLayout* l, double x, double top, OliTextKind kind, const std::string& text, int line,
          int row, bool heading);
// Records the box of a text set with its top left corner at (x, top) cm
// whose glyphs' ink is `ink` (pango units from that corner), as Show does.
void Note_Text(Render* r, const PangoRectangle& ink, double x, double top, OliTextKind kind, const std::string& text,
               int line, int row, bool heading);
// One text line in the body font (table titles, captions).
void Text_Line(Render* r, const std::string& text, OliTextKind kind, int line);
void Para(Render* r, const OliBlock& b);

// ---- tables (oli_render_table.cpp) ----

void Table(Render* r, const OliBlock& b);

// ---- pictures (oli_render_picture.cpp) ----

void Picture(Render* r, const OliBlock& b);

// ---- the run of a document (oli_render.cpp) ----

// Begins the first page and lays out every block.
void Run(Render* r, const OliDocument& doc);
// Lays out the blocks from block `from` on (beginning at byte `offset` of
// an opened list's file) and ends the last page.
void Run_Blocks(Render* r, const OliDocument& doc, size_t from, long long offset);

// Lets the set keep the places of at most `recent` last pages and `sparse`
// pages before them in each page index it finds from now on (Page_Starts),
// so that a short list is drawn from places pages before its pages as a
// long one is.
void Limit_Page_Places(OliPageSet* set, size_t recent, size_t sparse);

// ---- the layout pass (oli_render_pass.cpp) ----

// Lays the document out until no heading ends a page, noting in
// shared->break_before the headings that go to the next page. Returns the
// page count of the layout it ends with, which is the document's; 0 when
// no surface can be made.
int Move_Headings(const OliDocument& doc, Shared* shared);
// At a page break: true when the pass stops there, having found the
// heading to move (the page is then left as it is).
bool Pass_At_Page_Break(Render* r);

}  // namespace oli_render

#endif
