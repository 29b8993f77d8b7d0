// The layout check of a rendered print list (oli_layout_check.h).
#include "platform/oli_layout_check.h"

#include "platform/oli_blocks_internal.h"
#include "platform/oli_table_rows.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>

namespace {

constexpr double kTop = 2.0, kBottom = 29.7 - 2.0;  // cm, the page's text area
constexpr double kGrace = 0.02;  // cm a box may touch another mark without covering it
constexpr double kRowCm = 0.45;  // cm, a row of running text

std::string Page(int page) { return "page " + std::to_string(page) + ": "; }

std::string Cm(double v) {
    char b[32];
    std::snprintf(b, sizeof b, "%.1f cm", v);
    return b;
}

bool Overlap(const OliTextBox& a, const OliTextBox& b) {
    return a.page == b.page && a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// A number as a picture writes it: digits with a sign, a decimal point or
// comma, superscript digits (the raised decimal of a dimension).
bool Is_Number(const std::string& t) {
    bool digit = false;
    for (size_t i = 0; i < t.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(t[i]);
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' || c == ',' || c == '-' || c == '+' || c == ' ') {
        } else if (c == 0xC2 && i + 1 < t.size() &&
                   (static_cast<unsigned char>(t[i + 1]) == 0xB2 || static_cast<unsigned char>(t[i + 1]) == 0xB3 ||
                    static_cast<unsigned char>(t[i + 1]) == 0xB9)) {
            ++i, digit = true;  // ² ³ ¹
        } else if (c == 0xE2 && i + 2 < t.size() && static_cast<unsigned char>(t[i + 1]) == 0x81) {
            i += 2, digit = true;  // ⁰ ⁴ ... ⁹
        } else {
            return false;
        }
    }
    return digit;
}

// The box shrunk by the grace on each side.
struct Box {
    double x1, y1, x2, y2;
};
Box Inner(const OliTextBox& t) { return {t.x + kGrace, t.y + kGrace, t.x + t.w - kGrace, t.y + t.h - kGrace}; }

// Whether the segment, widened by half its width, meets the box.
bool Line_Meets(const OliInk& m, Box b) {
    if (m.xy.size() < 4) return false;
    const double half = m.width / 2.0;
    b = {b.x1 - half, b.y1 - half, b.x2 + half, b.y2 + half};
    if (b.x2 <= b.x1 || b.y2 <= b.y1) return false;
    // Clipping of the segment against the box (Liang and Barsky).
    const double x0 = m.xy[0], y0 = m.xy[1], dx = m.xy[2] - x0, dy = m.xy[3] - y0;
    double t0 = 0.0, t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy}, q[4] = {x0 - b.x1, b.x2 - x0, y0 - b.y1, b.y2 - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0.0) t0 = std::max(t0, r);
        else t1 = std::min(t1, r);
        if (t0 > t1) return false;
    }
    return true;
}

// Even-odd inside test of a polygon of corner pairs.
bool Inside(const std::vector<double>& xy, double x, double y) {
    bool in = false;
    const size_t n = xy.size() / 2;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const double xi = xy[2 * i], yi = xy[2 * i + 1], xj = xy[2 * j], yj = xy[2 * j + 1];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
    }
    return in;
}

// Points spread over the box: an area meets the box when it holds one.
bool Area_Meets(const OliInk& m, const Box& b) {
    if (m.xy.size() < 6 || b.x2 <= b.x1 || b.y2 <= b.y1) return false;
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 3; ++j)
            if (Inside(m.xy, b.x1 + (b.x2 - b.x1) * (0.1 + 0.2 * i), b.y1 + (b.y2 - b.y1) * (0.2 + 0.3 * j)))
                return true;
    return false;
}

// Whether a white area drawn after `under` and before the text hides the
// whole box.
bool Cleared(const std::vector<OliInk>& ink, size_t under, size_t text_order, const Box& b) {
    for (size_t k = under + 1; k < ink.size() && ink[k].texts <= text_order; ++k) {
        const OliInk& c = ink[k];
        if (c.kind != OLI_INK_CLEAR || c.page != ink[under].page) continue;
        if (Inside(c.xy, b.x1, b.y1) && Inside(c.xy, b.x2, b.y1) && Inside(c.xy, b.x1, b.y2) && Inside(c.xy, b.x2, b.y2))
            return true;
    }
    return false;
}

void Number_Faults(const std::vector<OliTextBox>& boxes, const std::vector<OliInk>& ink,
                   std::vector<std::string>* faults) {
    for (size_t t = 0; t < boxes.size(); ++t) {
        const OliTextBox& n = boxes[t];
        if (n.kind != OLI_TEXT_PICTURE || !Is_Number(n.text)) continue;
        const Box b = Inner(n);
        for (size_t k = 0; k < ink.size(); ++k) {
            const OliInk& m = ink[k];
            if (m.page != n.page || m.kind == OLI_INK_CLEAR || m.kind == OLI_INK_PICTURE) continue;
            const bool meets = m.kind == OLI_INK_LINE ? Line_Meets(m, b) : Area_Meets(m, b);
            if (!meets) continue;
            // A mark drawn before the number may be hidden by a clear
            // background; one drawn after it is always on top.
            if (m.texts <= t && Cleared(ink, k, t, b)) continue;
            faults->push_back(Page(n.page) + (m.kind == OLI_INK_LINE ? "a line" : "an area") + " over the number \"" +
                              n.text + "\"");
            break;
        }
    }
}

// Lines torn apart by a page: a paragraph line whose rows stand on two
// pages though it would fit a third of one (its label goes one way, its
// values the other), and a last page that holds a single line of one row.
void Line_Faults(const std::vector<OliTextBox>& boxes, int pages, std::vector<std::string>* faults) {
    struct Extent {
        int first_page = 0, last_page = 0;
        int rows = 0;
        std::string text;  // its first text on the later page
    };
    std::map<std::pair<int, int>, Extent> lines;
    std::set<std::pair<int, int>> on_last;
    std::set<int> rows_last;  // the rows of the last page's text
    bool picture_last = false;
    for (const OliTextBox& t : boxes) {
        if (t.kind == OLI_TEXT_FOOT) continue;
        if (t.page == pages && t.kind == OLI_TEXT_PICTURE) picture_last = true;
        if (t.page == pages) on_last.insert({t.block, t.line}), rows_last.insert(t.row);
        if (t.kind != OLI_TEXT_PARA) continue;
        Extent& e = lines[{t.block, t.line}];
        if (!e.first_page) e.first_page = t.page;
        if (t.page > e.last_page && t.page > e.first_page) e.text = t.text;
        e.last_page = std::max(e.last_page, t.page);
        e.rows = std::max(e.rows, t.row + 1);
    }
    for (const auto& [at, e] : lines)
        if (e.last_page > e.first_page && e.rows * kRowCm < (kBottom - kTop) / 3.0)
            faults->push_back(Page(e.last_page) + "a line goes on from the page before: " + e.text);
    if (pages > 1 && on_last.size() == 1 && rows_last.size() == 1 && !picture_last)
        faults->push_back(Page(pages) + "holds a single line");
}

constexpr double kTableRowCm = 0.36;  // cm, a row of a table at its normal size

}  // namespace

std::vector<std::string> OLI_Table_Row_Faults(const OliDocument& doc, const std::vector<OliTextBox>& boxes) {
    std::vector<std::string> faults;
    // Per table: its last row set (a head row repeated on a new page comes
    // again with a lower number), the row that starts the current group,
    // its page and the rows the group has so far.
    struct Group {
        int last_line = -1;
        std::string start;
        int page = 0, rows = 0;
    };
    std::map<int, Group> tables;
    // The columns and head rows of each table, by its block's number (an
    // opened list keeps no block: its tables are read for them).
    struct Shape {
        int columns = 0, head_rows = 0;
    };
    std::map<int, Shape> shapes;
    Oli_Block_Stream blocks(doc, 0, 0);
    for (const OliBlock* b; (b = blocks.Next());)
        if (b->kind == OLI_BLOCK_TABLE) shapes[static_cast<int>(blocks.Index())] = {b->columns, b->head_rows};
    for (const OliTextBox& t : boxes) {
        if (t.kind != OLI_TEXT_TABLE) continue;
        const auto shape = shapes.find(t.block);
        if (shape == shapes.end()) continue;
        const Shape& block = shape->second;
        if (block.columns <= 0 || t.line < block.head_rows) continue;
        Group& g = tables[t.block];
        if (t.line <= g.last_line) continue;
        g.last_line = t.line;
        if (!g.start.empty() && Oli_Table_Row_Continues(g.start, t.text)) {
            ++g.rows;
            // One fault for the group, at its first row on the later page.
            if (t.page != g.page && g.rows * kTableRowCm < (kBottom - kTop) / 3.0)
                faults.push_back(Page(t.page) + "a table row goes on from the page before: " + t.text);
            g.page = t.page;
            continue;
        }
        g.start = t.text, g.page = t.page, g.rows = 1;
    }
    return faults;
}

namespace {

bool Ends_With(const std::string& t, const char* e) {
    const size_t n = std::strlen(e);
    return t.size() >= n && t.compare(t.size() - n, std::string::npos, e) == 0;
}

}  // namespace

namespace {
std::vector<std::string> Layout_Faults(const OliDocument& doc, const std::string& position) {
    std::vector<std::string> faults;
    std::vector<OliTextBox> b;
    std::vector<OliInk> ink;
    const int pages = OLI_Render_Layout(doc, &b, &ink);
    if (pages < 1) return {errno == ESTALE && OLI_List_Changed(doc) ? OLI_LAYOUT_LIST_CHANGED
                           : errno == ENOMEM                        ? OLI_LAYOUT_NO_MEMORY
                                                                    : "no page"};
    for (size_t i = 0; i < b.size(); ++i)
        for (size_t j = i + 1; j < b.size() && b[j].page == b[i].page; ++j)
            if (Overlap(b[i], b[j]))
                faults.push_back(Page(b[i].page) + "\"" + b[i].text + "\" overprints \"" + b[j].text + "\"");
    Number_Faults(b, ink, &faults);
    for (const OliTextBox& t : b) {
        if (t.kind != OLI_TEXT_PARA) continue;
        for (const char* e : {" =", " <", " >", "\xE2\x86\x92", "N/", " nicht"})
            if (Ends_With(t.text, e))
                faults.push_back(Page(t.page) + "a row ends with \"" + std::string(e) + "\": " + t.text);
        if (t.row > 0)
            for (const char* s : {"= ", "< ", "> ", "kN", "N/mm", "mm", "ok", "!!", "nicht ok"})
                if (t.text.rfind(s, 0) == 0)
                    faults.push_back(Page(t.page) + "a row starts with \"" + std::string(s) + "\": " + t.text);
    }
    // The lowest text and the lowest picture of every page.
    std::vector<const OliTextBox*> last(pages + 1, nullptr);
    std::vector<double> lowest(pages + 1, kTop);
    std::vector<int> foot(pages + 1, 0);
    for (const OliTextBox& t : b) {
        if (t.page < 1 || t.page > pages) continue;
        if (t.kind == OLI_TEXT_FOOT) {
            const std::string count = "Seite " + std::to_string(t.page) + " von " + std::to_string(pages);
            foot[t.page] += t.text == count || (!position.empty() && t.text == position);
            continue;
        }
        if (!last[t.page] || t.y > last[t.page]->y) last[t.page] = &t;
        lowest[t.page] = std::max(lowest[t.page], t.y + t.h);
    }
    std::vector<double> picture_end(pages + 1, kTop);
    for (const OliInk& m : ink)
        if (m.kind == OLI_INK_PICTURE && m.page >= 1 && m.page <= pages && m.xy.size() == 4)
            picture_end[m.page] = std::max(picture_end[m.page], m.xy[3]);
    const double third = kTop + (kBottom - kTop) / 3.0;
    Line_Faults(b, pages, &faults);
    for (std::string& f : OLI_Table_Row_Faults(doc, b)) faults.push_back(std::move(f));
    for (int p = 1; p <= pages; ++p) {
        if (foot[p] != (position.empty() ? 1 : 2)) faults.push_back(Page(p) + "without its foot line");
        if (last[p] && last[p]->heading && picture_end[p] <= last[p]->y)
            faults.push_back(Page(p) + "ends with the heading \"" + last[p]->text + "\"");
        const double end = std::max(lowest[p], picture_end[p]);
        if (p < pages && end < third) faults.push_back(Page(p) + "less than a third full (ends at " + Cm(end) + ")");
    }
    return faults;
}
}  // namespace

std::vector<std::string> OLI_Layout_Faults(const OliDocument& doc, const std::string& position) {
    try {
        return Layout_Faults(doc, position);
    } catch (...) {
        return {OLI_List_Changed(doc) ? OLI_LAYOUT_LIST_CHANGED : OLI_LAYOUT_NO_MEMORY};
    }
}
