// The layout check of a rendered print list: what a reader of its pages
// would object to, found from what the renderer set and drew on them.
//
// The renderer lists the texts it sets (OliTextBox, oli_view.h) and, for
// this check, the marks it draws in pictures: lines, filled or hatched
// areas, areas cleared to white, and each picture's place on its page.
#ifndef PLATFORM_OLI_LAYOUT_CHECK_H
#define PLATFORM_OLI_LAYOUT_CHECK_H

#include <string>
#include <vector>

#include "platform/oli_view.h"

enum OliInkKind {
    OLI_INK_LINE,     // a stroke: xy holds its two ends
    OLI_INK_AREA,     // a filled or hatched polygon (even-odd): xy holds its corners
    OLI_INK_CLEAR,    // a polygon filled white, hiding what was drawn under it
    OLI_INK_PICTURE,  // the place of a picture: xy holds its upper left and lower right corner
};

// A mark drawn on a page, in cm from the page's upper left corner.
struct OliInk {
    OliInkKind kind = OLI_INK_LINE;
    int page = 0;
    int block = -1;       // the picture's block in the document
    size_t texts = 0;     // texts set before it (its place in the drawing order)
    double width = 0.0;   // a line's width, cm
    std::vector<double> xy;
};

// Lays the document out as OLI_Render_PDF draws it, listing every text set
// (as OLI_Render_Text_Boxes) and every mark drawn in a picture. Either list
// may be null. Returns the page count, 0 when nothing could be laid out
// (errno ENOMEM when memory ran out; the lists are then emptied).
int OLI_Render_Layout(const OliDocument& doc, std::vector<OliTextBox>* boxes, std::vector<OliInk>* ink);

// The faults of the pages, one line each ("page 3: ..."), none when they
// read well:
//  - a text that overprints another text;
//  - a number in a picture with a line or a filled or hatched area drawn
//    over it or left under it (a number must stay legible: a label moves
//    or gets a clear background);
//  - a row of a text line that ends with a comparison sign, an arrow or
//    half a unit, or a follow-on row that starts with a sign, a unit or a
//    verdict;
//  - a page whose last text is a heading;
//  - a page other than the last that is less than a third full;
//  - a text line whose rows stand on two pages though they would fill less
//    than a third of one (a label on one page, its values on the next);
//  - a last page (of more than one) that holds a single line of one row;
//  - a table row split by a page: a row that goes on with the row above it
//    (oli_table_rows.h) on a page after that row, though the rows together
//    would fill less than a third of one;
//  - a page without its foot line: "Seite n von m" and, when `position` is
//    not empty, the position's entry.
// When memory runs out the one line is OLI_LAYOUT_NO_MEMORY; when the
// list's file changed since it was opened (OLI_List_Changed: its pages
// cannot be told) OLI_LAYOUT_LIST_CHANGED.
std::vector<std::string> OLI_Layout_Faults(const OliDocument& doc, const std::string& position);
inline constexpr const char OLI_LAYOUT_NO_MEMORY[] = "out of memory";
inline constexpr const char OLI_LAYOUT_LIST_CHANGED[] = "the list changed while it was laid out";

// The split table rows among the texts set of the document's tables with
// columns (one fault each, as above), in the order the renderer set them:
// the part of the check that the tests also give texts of their own.
// Throws std::bad_alloc when memory runs out and Oli_List_Changed when an
// opened list's file changed (it reads the tables again).
std::vector<std::string> OLI_Table_Row_Faults(const OliDocument& doc, const std::vector<OliTextBox>& boxes);

#endif
