// The layout check of rendered print lists, and the page breaks it guards:
// headings moved with what they head, bold rows of a text table kept with
// their first row, numbers in pictures kept legible.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "platform/oli_layout_check.h"
#include "platform/oli_table_rows.h"
#include "platform/oli_view.h"
#include "platform/oli_read_list.h"
#include "support/testutil.h"

namespace {

using oli_test::Read;

std::string Para(const std::string& format, const std::vector<std::string>& lines) {
    std::string s = "\n#SHOWPARA\n" + format + "-1\n";
    for (const std::string& l : lines) s += " " + l + "\n";
    return s + "#END_OF_TEXT\n0x0\n-1\n";
}

std::string Lines(int n, const std::string& word = "Zeile") {
    std::string s;
    for (int i = 0; i < n; ++i) s += Para("0x0\n4\n", {word + " " + std::to_string(i)});
    return s;
}

// A picture of 4 x 2 cm (extent x 0..4, y 0..2 upwards) holding `records`.
std::string Picture(const std::string& records) {
    return "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 4 0 2\n" + records + " -1\n";
}

// The faults, joined.
std::string Faults(const std::string& list, const std::string& position = "") {
    std::string all;
    for (const std::string& f : OLI_Layout_Faults(Read(list), position)) all += f + "\n";
    return all;
}

}  // namespace

// Each list and the fault it must (or must not) show. The number "280"
// stands at (2, 1), its ink about 0.6 x 0.3 cm: a hatch (pattern 43) under
// it, a line drawn after it through it, or a line before it that a white
// box does not hide are faults; a white box over the hatch before the
// number, or a hatch beside it, are not.
TEST(OliLayoutCheck, FaultsOfPagesAndPictures) {
    const std::string number = " 13 0.3\n 9 2 1 2 1 210 \xAE" "280\xAF\n";
    const std::string hatch = " 20  43\n 24  0 0 4 2\n";
    const std::string white = " 20  0\n 18 4 1.5 0.7 2.5 0.7 2.5 1.3 1.5 1.3\n";
    const std::string across = " 1  0 1 4 1\n";
    struct Case {
        std::string list, fault;  // "" when the list reads well
    } cases[] = {
        {Lines(3), ""},
        {Picture(hatch + number), "page 1: an area over the number \"280\"\n"},
        {Picture(hatch + white + number), ""},
        {Picture(" 20  43\n 24  3 0 4 2\n" + number), ""},
        {Picture(number + across), "page 1: a line over the number \"280\"\n"},
        {Picture(across + white + number), ""},
        {Picture(across + number), "page 1: a line over the number \"280\"\n"},
        {Picture(number + " 9 2 1 2 1 210 \xAES\xAF\n"), "page 1: \"280\" overprints \"S\"\n"},
        // Three lines, a new page, three lines. A line of 9.5 pt DejaVu Sans
        // is 1.164 em = 0.390 cm high, its baseline 0.928 em = 0.311 cm below
        // its top: the third line's ink ("Zeile" has no descender) ends at
        // 2 + 2 x 0.390 + 0.311 = 3.09 cm, above a third of the text area
        // (2 + 25.7 / 3 = 10.57 cm).
        {Lines(3) + "#NEWPAGE\n" + Lines(3), "page 1: less than a third full (ends at 3.1 cm)\n"},
        // A page holds 65 such lines: the 66th alone on the last page.
        {Lines(66), "page 2: holds a single line\n"},
        {Lines(67), ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Faults(c.list), c.fault) << c.list;
    // The position's entry is looked for in every foot line.
    EXPECT_EQ(Faults("#CONTENTS\n POS. 1.01: A\n" + Lines(2), "POS. 1.01: A"), "");
    EXPECT_EQ(Faults("#CONTENTS\n POS. 1.01: A\n" + Lines(2), "POS. 1.02: B"), "page 1: without its foot line\n");
}

// A table set beside a picture (a sign symbol at 14.5 cm, its label at
// its left edge) is set smaller to end before it, whatever its rows'
// length: the small sizes' rounded advances make a row wider than its
// size alone says, so the row is measured again at the size found. Rows
// too long for the room at the smallest size go below the picture.
TEST(OliLayoutCheck, TableBesidePictureEndsBeforeIt) {
    const std::string picture = "#STOREYPOS\n1\n#SETMARGINS\n257 14.5 0\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n"
                                "0 3.5 0 3.5\n 2 0 2 \xAEMy\xAF\n -1\n#RESTOREYPOS\n1\n#SETMARGINS\n257 0 0\n";
    for (int length = 70; length <= 160; length += 3) {
        std::string rows;
        for (int r = 0; r < 10; ++r) rows += " " + std::to_string(r) + std::string(length - 2, r % 2 ? '0' : '-') + "x\n";
        EXPECT_EQ(Faults(picture + "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n" + rows + "#END_OF_TEXT\n"), "") << length;
    }
}

// Sections of one to three headings, each heading some lines, of lengths
// that put headings at every place of a page: no page ends with a heading
// and none but the last is left mostly empty, however the headings moved
// before shift the pages after them. The same sections in one block, each
// heading followed by a line of several rows that the heading must go with:
// a block may hold more headings to move than the list has blocks, and the
// page count in every foot line is the count of the pages drawn.
TEST(OliLayoutCheck, HeadingsGoWithWhatTheyHeadAndLeaveNoEmptyPage) {
    std::string blocks, one_block;
    std::vector<std::string> all_lines;
    unsigned seed = 7;
    auto next = [&seed](unsigned n) { return (seed = seed * 1103515245u + 12345u) / 65536u % n; };
    std::string words;
    for (int w = 0; w < 60; ++w) words += " wort" + std::to_string(w);
    for (int section = 0; section < 60; ++section) {
        for (unsigned h = 0, heads = 1 + next(3); h < heads; ++h) {
            const std::string heading = "\xCEHAbschnitt " + std::to_string(section) + "." + std::to_string(h);
            blocks += Para("0x0\n4\n", {heading});
            all_lines.push_back(heading + "\xCEr");
        }
        std::vector<std::string> lines;
        for (unsigned i = 0, n = 1 + next(9); i < n; ++i) lines.push_back("Text " + std::to_string(i));
        blocks += Para("0x0\n4\n", lines);
        all_lines.push_back(words.substr(1));
        all_lines.insert(all_lines.end(), lines.begin(), lines.end());
    }
    one_block = "#CONTENTS\n POS. 1: Test" + Para("0x0\n" + std::to_string(all_lines.size()) + "\n", all_lines);
    EXPECT_EQ(Faults(blocks), "");
    EXPECT_EQ(Faults(one_block), "");
}

// A text block set as a one-column table with bold rows that head the rows
// after them ("Schweißnähte", "Querschnittswerte"): near a page's foot the
// bold rows go to the next page with their first row.
TEST(OliLayoutCheck, BoldRowsOfATableStayWithTheirFirstRow) {
    const std::string table = "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n \xCE" "b\xCEuSchwei\xE1n\x84hte\xCEr\n"
                              " \xCE" "bQuerschnittswerte\xCEr\n   A = 38.9 cm2\n   I = 2476.2 cm4\n#END_OF_TEXT\n";
    for (int filler = 50; filler <= 60; ++filler) {
        std::vector<OliTextBox> b;
        OLI_Render_Text_Boxes(Read(Lines(filler) + table), &b);
        int head = 0, first = 0;
        for (const OliTextBox& t : b) {
            if (t.text.rfind("Schwei", 0) == 0) head = t.page * (t.heading ? 1 : -1);
            if (t.text.find("A = 38.9") != std::string::npos) first = t.page * (t.heading ? -1 : 1);
        }
        EXPECT_GT(head, 0) << "a heading row";
        EXPECT_EQ(head, first) << filler << " lines before";
        EXPECT_EQ(Faults(Lines(filler) + table), "") << filler << " lines before";
    }
}

// A text line too long for one row (a point's label and its stresses) is
// one line of its writer's: wherever the page ends, its rows start a page
// together, the label never on one page and its values on the next.
TEST(OliLayoutCheck, RowsOfALineStartAPageTogether) {
    std::string words;
    for (int i = 0; i < 30; ++i) words += " Wert" + std::to_string(i) + " = 1.00 N/mm\xFD";
    const std::string line = Para("0x0\n4\n", {"Naht 5, Pkt. 0:" + words});
    for (int filler = 60; filler <= 66; ++filler) {
        std::vector<OliTextBox> b;
        OLI_Render_Text_Boxes(Read(Lines(filler) + line), &b);
        int first = 0, last = 0, rows = 0;
        for (const OliTextBox& t : b) {
            if (t.kind != OLI_TEXT_PARA || t.text.rfind("Zeile", 0) == 0) continue;  // the long line's
            if (!first) first = t.page;
            last = t.page;
            rows = std::max(rows, t.row + 1);
        }
        EXPECT_GT(rows, 1) << filler;
        EXPECT_EQ(first, last) << filler << " lines before";
        EXPECT_EQ(Faults(Lines(filler) + line), "") << filler << " lines before";
    }
}

// A label, a line that ends with a colon, names what follows it: wherever
// the page ends it never stands alone at a page's foot, neither as a text
// line ("c/t-Verhältnis bzgl. Q-Klasse 3:" and its utilisation on the next
// line) nor as a row of a text table whose next row gives what it names
// ("Koordinatenbezugspunkt:" and "Mitte der Flanschoberseite").
TEST(OliLayoutCheck, ALabelStaysWithWhatItNames) {
    const std::string para = Para("0x0\n4\n", {"c/t-Verh\x84ltnis bzgl. Q-Klasse 3:"}) +
                             Para("0x0\n4\n", {"Ausnutzung U = 0.117  <  1  ok"});
    const std::string table = "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n s = 86.37 N/mm2   Koordinatenbezugspunkt:\n"
                              " s = -20.99 N/mm2  Mitte der Flanschoberseite\n#END_OF_TEXT\n";
    for (const auto& [what, label, named] : {std::tuple{&para, "c/t-Verh", "Ausnutzung"},
                                             std::tuple{&table, "s = 86.37", "s = -20.99"}})
        for (int filler = 60; filler <= 66; ++filler) {
            std::vector<OliTextBox> b;
            OLI_Render_Text_Boxes(Read(Lines(filler) + *what), &b);
            int label_page = 0, named_page = 0;
            for (const OliTextBox& t : b) {
                if (t.text.find(label) != std::string::npos) label_page = t.page;
                if (t.text.find(named) != std::string::npos) named_page = t.page;
            }
            EXPECT_GT(label_page, 0) << label;
            EXPECT_EQ(label_page, named_page) << label << ", " << filler << " lines before";
            EXPECT_EQ(Faults(Lines(filler) + *what), "") << label << ", " << filler << " lines before";
        }
}

// A picture drawn over another (the end points over the profile of the
// weld check) goes back to the place kept before the first: the first
// ending at the page's foot, the writer's move up after it (past the gap
// below a picture) keeps it on its page, and the second stands on the
// first, not alone on the next page. Moved 23.6 cm down from the top (2
// cm), the pictures of 2 cm end at 27.6 cm, 0.1 cm above the foot.
TEST(OliLayoutCheck, PictureOverAPictureAtThePageFootStaysWithIt) {
    const std::string overlay = "#SETYPOS\n256 23.6\n#STOREYPOS\n0\n" + Picture(" 1  0 0 4 2\n") +
                                "#SETYPOS\n256 -0.5\n#RESTOREYPOS\n0\n" + Picture(" 1  0 2 4 0\n");
    std::vector<OliInk> ink;
    ASSERT_GT(OLI_Render_Layout(Read(overlay), nullptr, &ink), 0);
    std::vector<int> pages;
    for (const OliInk& m : ink)
        if (m.kind == OLI_INK_PICTURE) pages.push_back(m.page);
    EXPECT_EQ(pages, (std::vector<int>{1, 1}));
}

// Which row goes on with the row above it (the start of its group): one
// whose first text stands right of the start row's first cell, counted in
// characters (a UTF-8 letter once).
TEST(OliTableRows, ARowGoesOnWhereTheCellsBeforeItAreBlank) {
    const struct {
        const char* start;
        const char* row;
        bool continues;
    } cases[] = {
        {" 8      -321.00   0.546   Eigengewicht +", "                          Wind links", true},
        {" 8      -321.00   0.546   Eigengewicht +", " 9      -324.00   0.551", false},
        {" 8      -321.00", "  ", false},                      // no text: a gap, no part of the row
        {"   12.50   3.00", "    2.50   1.00", false},         // a number set right in its column
        {"  112.50   3.00", "    2.50   1.00", false},
        {" \xCF\x83\xCF\x83 = 1", "     weiter", true},         // "σσ" counts two columns
        {" \xCF\x83\xCF\x83\xCF\x83\xCF\x83 = 1", "    weiter", false},
        {"", "     weiter", false},
    };
    for (const auto& c : cases) EXPECT_EQ(Oli_Table_Row_Continues(c.start, c.row), c.continues) << c.row;
}

// The load cases of a long list in a table with columns whose names run
// on in rows of their own (three rows a case): wherever the page ends, a
// case's rows stand on one page, under the repeated head rows, and the
// layout check finds nothing; the check's own rule reports a case torn
// apart, once, and leaves a group longer than a third of a page alone.
TEST(OliTableRows, ARowWithItsRowsStaysOnOnePage) {
    std::string table = "#SHOWTABLE\n0 0 0\n1 1 -1 -1 1\n4.5\n Lk         N\n            kN\n";
    for (int i = 1; i <= 12; ++i) {
        char row[160];
        std::snprintf(row, sizeof row, " %-4d %10.2f  LK%d Eigengewicht +\n                   Wind links +\n"
                                       "                   Schnee\n",
                      i, -300.0 - i, i);
        table += row;
    }
    table += "#END_OF_TEXT\n";
    for (int filler = 50; filler <= 64; ++filler) {
        const OliDocument doc = Read(Lines(filler) + table);
        std::vector<OliTextBox> b;
        const int pages = OLI_Render_Text_Boxes(doc, &b);
        EXPECT_EQ(pages, 2) << filler;
        int case_page = 0, heads_on_2 = 0;
        for (const OliTextBox& t : b) {
            if (t.kind != OLI_TEXT_TABLE) continue;
            if (t.page == 2 && t.line == 0) ++heads_on_2;
            if (t.text.find("Eigengewicht") != std::string::npos) {
                case_page = t.page;
            } else if (t.line >= 2) {
                EXPECT_EQ(t.page, case_page) << filler << ": " << t.text;
            }
        }
        EXPECT_EQ(heads_on_2, 1) << filler;  // the table went on to page 2 under its head
        EXPECT_EQ(Faults(Lines(filler) + table), "") << filler << " lines before";
    }
    // The check's rule on the texts set: a case torn apart after its first
    // row, and one whose rows fill more than a third of a page.
    OliDocument doc = Read(table);
    auto box = [](int page, int line, const std::string& text) {
        OliTextBox t;
        t.page = page, t.line = line, t.text = text, t.kind = OLI_TEXT_TABLE, t.block = 0;
        return t;
    };
    const std::vector<OliTextBox> torn = {box(1, 2, " 1      -301.00  LK1 Eigengewicht +"), box(2, 0, " Lk    N"),
                                          box(2, 1, "       kN"), box(2, 3, "                   Wind links +"),
                                          box(2, 4, "                   Schnee")};
    EXPECT_EQ(OLI_Table_Row_Faults(doc, torn),
              std::vector<std::string>{"page 2: a table row goes on from the page before:                    Wind links +"});
    std::vector<OliTextBox> long_group = {box(1, 2, " 1      -301.00  LK1")};
    for (int k = 0; k < 30; ++k) long_group.push_back(box(k < 25 ? 1 : 2, 3 + k, "                   Name"));
    EXPECT_TRUE(OLI_Table_Row_Faults(doc, long_group).empty());
}
