// Print-list viewer stand-in: the reader of the list's blocks, the markup
// and glyphs, the PDF (its text read back with pdftotext, pages, bookmarks),
// pixels of a rendered picture, the view and print calls, damaged lists.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "platform/events.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/oli_layout_check.h"
#include "platform/oli_view.h"
#include "platform/screen.h"
#include "platform/oli_read_list.h"
#include "support/testutil.h"
#include "support/xvfb.h"

namespace {

using oli_test::Read;

std::string Run(const std::string& command) {
    std::string out;
    FILE* p = popen(command.c_str(), "r");
    if (!p) return out;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    pclose(p);
    return out;
}

std::string Pdf_Text(const std::string& pdf) { return Run("pdftotext -layout -enc UTF-8 '" + pdf + "' - 2>/dev/null"); }

int Pdf_Pages(const std::string& pdf) {
    std::string info = Run("pdfinfo '" + pdf + "' 2>/dev/null");
    size_t at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
}

// Each text appears after the one before it.
void Expect_In_Order(const std::string& text, const std::vector<std::string>& parts) {
    size_t at = 0;
    for (const std::string& p : parts) {
        size_t found = text.find(p, at);
        EXPECT_NE(found, std::string::npos) << "missing in order: " << p << "\n" << text;
        if (found != std::string::npos) at = found + p.size();
    }
}

// A rendered page read back from its PNG file; colours as 0xRRGGBB.
class PngPage {
public:
    explicit PngPage(const std::string& png) : s_(cairo_image_surface_create_from_png(png.c_str())) {
        cairo_surface_flush(s_);
    }
    ~PngPage() { cairo_surface_destroy(s_); }
    PngPage(const PngPage&) = delete;
    PngPage& operator=(const PngPage&) = delete;
    cairo_status_t status() const { return cairo_surface_status(s_); }
    int Pixel(int x, int y) const {
        const unsigned char* p =
            cairo_image_surface_get_data(s_) + y * cairo_image_surface_get_stride(s_) + 4 * x;  // B G R A / x
        return (p[2] << 16) | (p[1] << 8) | p[0];
    }
    // How many pixels of columns x0..x1-1, rows y0..y1-1 are not white.
    int Ink(int x0, int x1, int y0, int y1) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += Pixel(x, y) != 0xFFFFFF;
        return n;
    }

private:
    cairo_surface_t* s_;
};

// The graphic records of a picture block, read from the lines it keeps.
std::vector<OliRecord> Records(const OliBlock& b) {
    std::vector<OliRecord> records;
    EXPECT_EQ(OLI_Picture_Records(b, &records), 1);
    return records;
}

std::string Render(const std::string& bytes, const testutil::TempDir& dir, int* pages = nullptr) {
    std::string pdf = dir.file("list.pdf");
    int n = OLI_Render_PDF(Read(bytes), pdf.c_str());
    if (pages) *pages = n;
    return pdf;
}

}  // namespace

TEST(OliView, ReadsBlocksOfEveryKind) {
    OliDocument doc = Read(
        "#CONTENTS\n POS. 1: T\xE1r\n#NEWPAGE\n#SETMARGINS\n257 3.500000 0\n#SETYPOS\r\n256 -0.19\r\n"
        "#SETBOOKMARK\n16\n \xCE@1. Eingabe\n\n#SHOWPARA\n0x70\n4\n2 0.2\n2 1.3 2 0\n0x0 2\n1 4\n2 8.5\n-1\n"
        " Blech\xCEtt\xCEt= 10.0 mm\n \n#END_OF_TEXT\n0x1004\n2 0.3\n0x40\n7\n0x2\n2 2.5\n-1\n Zwei\n"
        "#END_OF_TEXT\n0x1000\n2 -0.38\n-1\n#SHOWGRAFIC\n 0 1 0\n Bild\n 0 0 1\n Ma\xE1stab\n-1\n"
        "0.000000 10.000000 0.000000 5.000000\n 1  1.0 1.0 9.0 1.0\n 18 2\n 1.0 2.0\n 3.0 4.0\n"
        " 9 1 1 1 1 210 \xAEy\xAF\n 27 0 3.0 %FONT%\\sym\n -1\n");
    ASSERT_EQ(doc.blocks.size(), 7u);
    EXPECT_EQ(doc.damaged, 0);
    EXPECT_EQ(doc.blocks[0].text, "POS. 1: T\xE1r");
    EXPECT_EQ(doc.blocks[1].kind, OLI_BLOCK_NEWPAGE);
    EXPECT_DOUBLE_EQ(doc.blocks[2].value, 3.5);
    EXPECT_EQ(doc.blocks[3].word, 256);
    EXPECT_DOUBLE_EQ(doc.blocks[3].value, -0.19);
    EXPECT_EQ(doc.blocks[4].word, 16);
    EXPECT_EQ(doc.blocks[4].text, "\xCE@1. Eingabe");
    const OliBlock& p = doc.blocks[5];
    ASSERT_EQ(p.para.size(), 3u);
    EXPECT_EQ(p.para[0].text, "Blech\xCEtt\xCEt= 10.0 mm");
    EXPECT_EQ(p.para[1].text, "");
    EXPECT_DOUBLE_EQ(p.para[0].format.space_before, 0.2);
    EXPECT_DOUBLE_EQ(p.para[0].format.indent, 1.3);
    // Stops of measure code 1 are cm, of any other code tab steps of 0.3 cm.
    ASSERT_EQ(p.para[0].format.tabs.size(), 2u);
    EXPECT_DOUBLE_EQ(p.para[0].format.tabs[0], 4.0);
    EXPECT_DOUBLE_EQ(p.para[0].format.tabs[1], 8.5 * 0.3);
    EXPECT_DOUBLE_EQ(p.para[1].space_after, 0.3);
    EXPECT_TRUE(p.para[2].starts);
    EXPECT_EQ(p.para[2].format.mode, 7);
    EXPECT_DOUBLE_EQ(p.para[2].format.hanging, 2.5 * 0.3);
    EXPECT_DOUBLE_EQ(p.para[2].space_after, -0.38);
    const OliBlock& g = doc.blocks[6];
    EXPECT_EQ(g.titles, std::vector<std::string>{"Bild"});
    EXPECT_EQ(g.below, std::vector<std::string>{"Ma\xE1stab"});
    EXPECT_DOUBLE_EQ(g.extent[3], 5.0);
    const std::vector<OliRecord> records = Records(g);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[1].values, (std::vector<double>{2, 1, 2, 3, 4}));  // pairs one per line
    EXPECT_EQ(records[2].text, "y");
    EXPECT_EQ(records[3].number, 27);
    EXPECT_EQ(records[3].text, "%FONT%\\sym");
}

// The picture heads of the head writer: a mode instead of "-1", flags with
// a second extent, the value of mode 3.
TEST(OliView, PictureHeadsOfEveryWriter) {
    const char* heads[] = {
        "\n\n#SHOWGRAFIC\n0 0 0\n0 0 0\n1\n0 10 0 5\n 1  1 1 2 2\n -1\n",
        "#SHOWGRAFIC\n0 0 0\n0 0 0\n-999 65536 3\n0 20 0 10\n0 10 0 5\n50\n 1  1 1 2 2\n -1\n",
        "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n 0.000000 17.000000 0.000000 0.800000\n 1  1 1 2 2\n -1\n",
    };
    for (const char* h : heads) {
        OliDocument doc = Read(h);
        ASSERT_EQ(doc.blocks.size(), 1u) << h;
        EXPECT_EQ(doc.damaged, 0) << h;
        ASSERT_EQ(Records(doc.blocks[0]).size(), 1u) << h;
        EXPECT_EQ(Records(doc.blocks[0])[0].values, (std::vector<double>{1, 1, 2, 2})) << h;
        EXPECT_GT(doc.blocks[0].extent[1], 9.0) << h;
    }
}

TEST(OliView, TablesWithAndWithoutPositions) {
    struct Case {
        const char* bytes;
        int columns;
        std::vector<std::string> titles, lines;
    } cases[] = {
        {"#SHOWTABLE\n 0 0 0\n 0 0 -1 -1 2\n 2.000000 6.000000\n a 1\n b 2\n#END_OF_TEXT\n", 2, {}, {"a 1", "b 2"}},
        {"#SHOWTABLE\n 1 0 0\n T\n 1 1 -1 -1 1\n 4.5\n a\n#END_OF_TEXT\n", 1, {"T"}, {"a"}},
        {"#SHOWTABLE\n 0 1 0\n T\n 1 1 -1 -1 1\n a\n b\n#END_OF_TEXT\n", 1, {"T"}, {"a", "b"}},
        {"#SHOWTABLE\n 0 0 1\n Nur Titel\n 0 0 0 0\n", 0, {"Nur Titel"}, {}},
        {"#SHOWTABLE\n0 0 0\n0 0 -1 -1\n Text\n#END_OF_TEXT\n", 0, {}, {"Text"}},
    };
    for (const Case& c : cases) {
        OliDocument doc = Read(c.bytes);
        ASSERT_EQ(doc.blocks.size(), 1u) << c.bytes;
        EXPECT_EQ(doc.damaged, 0) << c.bytes;
        EXPECT_EQ(doc.blocks[0].columns, c.columns) << c.bytes;
        EXPECT_EQ(doc.blocks[0].titles, c.titles) << c.bytes;
        EXPECT_EQ(doc.blocks[0].lines, c.lines) << c.bytes;
    }
}

// Markup and the print font's formula bytes in pango's terms.
TEST(OliView, MarkupAndGlyphs) {
    const char* cases[][2] = {
        {"\xCC \xD6 \xF3 \xF2 \xF7 \x84\x94\x81\xE1 \xFD \xC0 \xA3", "σ τ ≤ ≥ ≈ äöüß ² γ Δ"},
        {"a<b & c", "a&lt;b &amp; c"},
        {"U = \xCE" "b1.08\xCEr ok", "U = <b>1.08</b> ok"},
        {"\xCEu\xCE" "bNr\xCEr\xCEu x", "<u><b>Nr</b></u> x"},  // the closing twins after ╬r
        {"cm\xCE/2\xCEr y\xCE\\min\xCEr", "cm<sup>2</sup> y<sub>min</sub>"},
        {"\xCE{C 1 230 0 0}nicht ok !!\xCE{C 2}.", "<red>nicht ok !!</red>."},
        {"\xCE" "b!!", "<redb>!!</redb>"},
        // Only the failure mark standing alone is red: not a sentence's
        // own "!", nor the bold "!!!" of a message.
        {"\xCE" "bgef\x81hrt!\xCEr", "<b>geführt!</b>"},
        {"\xCE" "bwerden !!!\xCEr", "<b>werden !!!</b>"},
        {"a \xCE" "b!!\xCEr b", "a <redb>!!</redb> b"},
        // The warping constant's index and the stress ratio's letter.
        {"I\xCE\\\xD0\xCEr \xD2", "I<sub>ω</sub> ψ"},
        {"\xCE@1.\xCEt\xCE{\xCEL 0 -1 -1 1.0 1.0 }x", "1.\tx"},
        {"\xCE", ""},
        {"\xCEHA\xCE/2", "<h>A</h><hsup>2</hsup>"},  // found by fuzzing: one size per span
        {"x\xCE/2\xCE\\i", "x<sup>2</sup><sub>i</sub>"},    // found by fuzzing: one rise per span
        {"Haus \x7F", "Haus ⌂"},  // code page 850's letter, not a control byte
        {"\xCC\xCE\\s\xCEr \xD6\xCE\\p\xCEr \xD6\xCE\\s\xCEr \xD6\xCE\\w,p\xCEr y\xCE\\s\xCEr",
         "σ<sub>⊥</sub> τ<sub>∥</sub> τ<sub>⊥</sub> τ<sub>w,p</sub> y<sub>s</sub>"},
    };
    for (auto& c : cases) {
        // Spans are written in one form; the table above uses short tags.
        std::string want = c[1];
        auto swap = [&](const std::string& from, const std::string& to) {
            for (size_t at; (at = want.find(from)) != std::string::npos;) want.replace(at, from.size(), to);
        };
        swap("<b>", "<span weight=\"bold\">");
        swap("<u>", "<span underline=\"single\">");
        swap("</u>", "");
        swap("<span underline=\"single\"><span weight=\"bold\">", "<span weight=\"bold\" underline=\"single\">");
        swap("<sup>", "<span size=\"smaller\" rise=\"3500\">");
        swap("<sub>", "<span size=\"smaller\" rise=\"-2500\">");
        swap("<hsup>", "<span weight=\"bold\" size=\"smaller\" rise=\"3500\">");
        swap("<h>", "<span weight=\"bold\">");
        swap("<redb>", "<span weight=\"bold\" foreground=\"#dc0000\">");
        swap("<red>", "<span foreground=\"#e60000\">");
        for (const char* close : {"</b>", "</sup>", "</sub>", "</red>", "</redb>", "</h>", "</hsup>"}) swap(close, "</span>");
        // Plain text runs stand in a span of no attributes.
        std::string got = OLI_Markup_To_Pango(c[0]);
        for (size_t at; (at = got.find("<span>")) != std::string::npos;) {
            got.erase(at, 6);
            size_t end = got.find("</span>", at);
            if (end != std::string::npos) got.erase(end, 7);
        }
        EXPECT_EQ(got, want) << c[0];
    }
    EXPECT_EQ(OLI_Plain_Text(" \xCE@2.\xCEtNachweise \xCC"), " 2. Nachweise σ");
    EXPECT_EQ(OLI_Plain_Text("\x7F\x01"), "⌂");
}

// The golden weld report: texts in order, one page, three bookmarks, and a
// PNG of its first page in the build directory for a person to look at;
// the golden sketch with its captions and labels.
TEST(OliView, GoldenReportToPdfAndPng) {
    testutil::TempDir dir;
    std::string pdf = dir.file("weld_list.pdf");
    ASSERT_EQ(OLI_View_File(testutil::Fixture("printlist/weld_list.oli").c_str(), pdf.c_str()), 1);
    Expect_In_Order(Pdf_Text(pdf), {"1. Eingabe", "Blech", "t", "= 10.0 mm", "Naht", "1.1. Nahtgeometrie", "mm 4.0",
                                    "mm 120", "2. Nachweise", "Nahtdicke a = 4.0 > 3.0 mm",
                                    "Ausnutzung U = 1.08 > 1.00", "Nachweis nicht erfüllt", "!!"});
    EXPECT_EQ(Pdf_Pages(pdf), 1);
    std::string bytes = testutil::Read_File(pdf);
    for (const char* t : {"/Title (1. Eingabe)", "/Title (1.1. Nahtgeometrie)", "/Title (2. Nachweise)"})
        EXPECT_NE(bytes.find(t), std::string::npos) << t;

    // The golden connection sketch: captions above and below, labels.
    std::string sketch = dir.file("sketch.pdf");
    ASSERT_EQ(OLI_View_File(testutil::Fixture("pictures/sketch.OLI").c_str(), sketch.c_str()), 1);
    Expect_In_Order(Pdf_Text(sketch), {"Schweißnahtanschluss", "t = 20 mm", "a = 5 mm", "Maßstab 1:200"});

    FILE* f = std::fopen(testutil::Fixture("printlist/weld_list.oli").c_str(), "rb");
    ASSERT_NE(f, nullptr);
    OliDocument doc;
    OLI_Read_Document(f, &doc);
    std::fclose(f);
    std::string png = testutil::Test_Dir() + "/weld_list_page1.png";
    EXPECT_EQ(OLI_Render_PNG(doc, 1, 150, png.c_str()), 1);
    EXPECT_EQ(OLI_Render_PNG(doc, 2, 150, dir.file("none.png").c_str()), 0);
    EXPECT_GT(std::filesystem::file_size(png), 1000u);
}

TEST(OliView, GlyphsUmlautsAndPageBreaks) {
    testutil::TempDir dir;
    int pages = 0;
    std::string pdf = Render(
        "#SHOWPARA\n0x0\n4\n-1\n \xCC\xCE\\w\xCEr = 120 N/mm\xFD \xF3 \xD6 \xF2 \xF7 St\x81tze Tr\x84ger F\x94rderma\xE1\n"
        "#END_OF_TEXT\n0x0\n-1\n#NEWPAGE\n#NEWPAGE\n#SHOWTABLE\n 0 0 1\n Zweite Seite\n 0 0 0 0\n#NEWPAGE\n"
        "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 2 0 2\n 2 0.5 0.5 \xAE\xC0\xCE\\M0\xAF\n -1\n",
        dir, &pages);
    EXPECT_EQ(pages, 3);  // the second page break stands at the top of a page
    EXPECT_EQ(Pdf_Pages(pdf), 3);
    // Picture texts show their markup bytes' glyphs without interpreting them.
    Expect_In_Order(Pdf_Text(pdf), {"σw = 120 N/mm² ≤ τ ≥ ≈ Stütze Träger Fördermaß", "Zweite Seite", "γ╬\\M0"});
}

// A picture of paper extent 0..10 x 0..5 cm drawn at its scale: with no
// caption it starts at the top margin (2 cm) and the left margin (2.5 cm).
// At 150 dpi a paper point (x, y) of a y-up picture lands at pixel
// ((2.5 + x) / 2.54 * 150, (2 + 5 - y) / 2.54 * 150); of a y-down picture
// (y1 = 5 > y2 = 0) at ((2.5 + x) / 2.54 * 150, (2 + y) / 2.54 * 150).
TEST(OliView, PictureLinesLandWhereTheScalePutsThem) {
    struct Case {
        const char* extent;
        int line_y;      // pixel row of the line at paper y = 1
        int rect_y;      // pixel row of the red square's centre (paper y 3.5)
    } cases[] = {
        {"0 10 0 5", 354, 207},   // (2 + 4) / 2.54 * 150 = 354.3; (2 + 1.5) / 2.54 * 150 = 206.7
        {"0 10 5 0", 177, 325},   // (2 + 1) / 2.54 * 150 = 177.2; (2 + 3.5) / 2.54 * 150 = 324.8
    };
    testutil::TempDir dir;
    for (const Case& c : cases) {
        // A blue square in a pattern the writers mean solid, with no fill
        // colour of its own (it takes the line colour), a node mark on its
        // centre; then a red square in the fill colour.
        std::string list = std::string("#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n") + c.extent +
                           "\n 4 4\n 1  1.0 1.0 9.0 1.0\n50 0 0 255\n 20  64\n 24  6.0 4.0 7.0 3.0\n"
                           " 34 6.500000 3.500000 Global_Node_Mask\n51 255 0 0\n 20  1\n 24  3.0 4.0 4.0 3.0\n -1\n";
        std::string png = dir.file("p.png");
        ASSERT_EQ(OLI_Render_PNG(Read(list), 1, 150, png.c_str()), 1);
        PngPage page(png);
        ASSERT_EQ(page.status(), CAIRO_STATUS_SUCCESS);
        // The line from paper x 1 to 9: pixels 206.7 to 679.1 across.
        EXPECT_EQ(page.Pixel(443, c.line_y), 0x000000) << c.extent;
        EXPECT_EQ(page.Pixel(443, c.line_y - 12), 0xFFFFFF) << c.extent;  // 0.2 cm above
        EXPECT_EQ(page.Pixel(180, c.line_y), 0xFFFFFF) << c.extent;       // left of its start
        // The red square from paper x 3 to 4: centre column (2.5 + 3.5) / 2.54 * 150 = 354.3.
        EXPECT_EQ(page.Pixel(354, c.rect_y), 0xFF0000) << c.extent;
        // The blue square's centre column (2.5 + 6.5) / 2.54 * 150 = 531.5 holds
        // the node mark (0.06 cm = 3.5 pixels round), white inside; 0.3 cm
        // right of it, (2.5 + 6.8) / 2.54 * 150 = 549.2, the square is blue.
        EXPECT_EQ(page.Pixel(531, c.rect_y), 0xFFFFFF) << c.extent;
        EXPECT_EQ(page.Pixel(549, c.rect_y), 0x0000FF) << c.extent;
    }
}

// Labels at paper y 2.5 of a y-up picture (pixel row (2 + 5 - 2.5) / 2.54 *
// 150 = 265.7): vertical bits 0x20 set the text on the point, 0x08 hang it
// from the point, as the sketch writes the labels of an upper and of a lower
// edge. Left label at x 2 (column 265.7), right one at x 7 (column 561).
TEST(OliView, LabelsStandOnOrHangFromTheirPoint) {
    testutil::TempDir dir;
    const std::string list = "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 10 0 5\n 7 9\n"
                             " 9 2 2.5 2 2.5 225 \xAEWWW\xAF\n 9 7 2.5 7 2.5 201 \xAEWWW\xAF\n -1\n";
    std::string png = dir.file("l.png");
    ASSERT_EQ(OLI_Render_PNG(Read(list), 1, 150, png.c_str()), 1);
    PngPage page(png);
    ASSERT_EQ(page.status(), CAIRO_STATUS_SUCCESS);
    auto ink = [&](int x0, int y0, int y1) { return page.Ink(x0, x0 + 40, y0, y1); };
    EXPECT_GT(ink(268, 240, 264), 0);   // 0x20: above its point
    EXPECT_EQ(ink(268, 268, 292), 0);
    EXPECT_EQ(ink(563, 240, 264), 0);   // 0x08: below it
    EXPECT_GT(ink(563, 268, 292), 0);
}

// A paragraph with a hanging width of 5 cm starts its first line at the
// left margin (2.5 cm, column 147.6 at 150 dpi), not 5 cm further in
// (column 442.9).
TEST(OliView, HangingWidthLeavesTheFirstLineAtTheMargin) {
    testutil::TempDir dir;
    const std::string list = "\n#SHOWPARA\n0x40\n4\n0x2\n1 5\n-1\n Lk 1:\n#END_OF_TEXT\n0x0\n-1\n";
    std::string png = dir.file("h.png");
    ASSERT_EQ(OLI_Render_PNG(Read(list), 1, 150, png.c_str()), 1);
    PngPage page(png);
    ASSERT_EQ(page.status(), CAIRO_STATUS_SUCCESS);
    EXPECT_GT(page.Ink(146, 190, 100, 160), 0);
    EXPECT_EQ(page.Ink(430, 500, 100, 160), 0);
}

// The printer writes the PDF beside the list and says where in a box.
TEST(OliView, PrintWritesThePdfBesideTheListAndSaysWhere) {
    testutil::TempDir dir;
    std::string list = dir.file("STUETZE_01.OLI");
    testutil::Write_File(list, testutil::Read_File(testutil::Fixture("printlist/weld_list.oli")));
    int before = OLI_Last_Print()->count;
    VEK_Clear_Recorded_Messages();
    EXPECT_EQ(Quick_OLI_Print("STUETZE", list.c_str()), 1);
    EXPECT_EQ(OLI_Last_Print()->count, before + 1);
    EXPECT_EQ(OLI_Last_Print()->pages, 1);
    EXPECT_EQ(OLI_Last_Print()->pdf, dir.file("STUETZE_01.pdf"));
    EXPECT_TRUE(std::filesystem::exists(dir.file("STUETZE_01.pdf")));
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines,
              (std::vector<std::string>{"Die Druckliste wurde als PDF-Datei geschrieben (1 Seite):", dir.file("STUETZE_01.pdf")}));
    EXPECT_EQ(Quick_OLI_Print("X", nullptr), 0);
    EXPECT_EQ(OLI_Last_Print()->count, before + 1);
    EXPECT_EQ(VEK_Recorded_Messages().back().lines[0], "Die Druckliste kann nicht gedruckt werden.");
}

// The viewer shows one page at a time on the screen: the page keys, the
// bar's button "nächste Seite" and Home move through the three pages of a
// list and stop at its ends; Escape closes it and the screen under it comes
// back. A list that cannot be read is named in a box.
TEST(OliView, ViewerShowsThePagesOneAtATime) {
    testutil::TempDir dir;
    std::string list = dir.file("DREI_01.OLI"), bytes;
    for (const char* page : {"Seite A", "Seite B", "Seite C"})
        bytes += std::string(bytes.empty() ? "" : "#NEWPAGE\n") + "#SHOWPARA\n0x0\n4\n-1\n " + page +
                 "\n#END_OF_TEXT\n0x0\n-1\n";
    testutil::Write_File(list, bytes);
    pxInitScreen(800, 600);
    const std::vector<int> under(pxScreenPixels(), pxScreenPixels() + 800 * 600);
    const std::string shots[] = {dir.file("1.png"), dir.file("2.png"), dir.file("3.png"), dir.file("3b.png"),
                                 dir.file("1b.png")};
    VEK_Script_Snapshot(shots[0].c_str());
    VEK_Script_Key(VEK_KEY_PGDN);
    VEK_Script_Snapshot(shots[1].c_str());
    VEK_Script_Click(585, 16);  // "nächste Seite": the second of three 130-pixel buttons from x 380
    VEK_Script_Snapshot(shots[2].c_str());
    VEK_Script_Key(VEK_KEY_PGDN);  // no page after the last
    VEK_Script_Snapshot(shots[3].c_str());
    VEK_Script_Key(VEK_KEY_HOME);
    VEK_Script_Snapshot(shots[4].c_str());
    VEK_Script_Key(VEK_KEY_ESC);
    EXPECT_EQ(Quick_OLI_View("DREI", list.c_str()), 1);
    EXPECT_EQ(VEK_Script_Pending(), 0);
    std::vector<std::string> taken;
    for (const std::string& shot : shots) taken.push_back(testutil::Read_File(shot));
    EXPECT_FALSE(taken[0].empty());
    EXPECT_EQ(taken[0], taken[4]);
    EXPECT_EQ(taken[2], taken[3]);
    EXPECT_NE(taken[0], taken[1]);
    EXPECT_NE(taken[1], taken[2]);
    EXPECT_TRUE(std::equal(under.begin(), under.end(), pxScreenPixels()));
    VEK_Clear_Recorded_Messages();
    EXPECT_EQ(Quick_OLI_View("X", dir.file("missing_01.OLI").c_str()), 0);
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines[0], "Die Druckliste kann nicht angezeigt werden.");
}

// The viewer starts with the page as wide as the view (774 of the 800
// pixels, less the 14 of the scroll bar and 6 of grey room on either side)
// and scrolls it by an eighth of the view (566 high below the 34 of the
// bar): eight steps down reach its foot, one more the next page's top, one
// up the first page's foot again, Home its top. "-" shows the whole page,
// two "+" one and a half times the width with a scroll bar along the foot.
TEST(OliView, ViewerStartsAtThePageWidthScrollsAndZooms) {
    testutil::TempDir dir;
    const std::string list = dir.file("ZWEI_01.OLI");
    testutil::Write_File(list, "#SHOWPARA\n0x0\n4\n-1\n Seite A\n#END_OF_TEXT\n0x0\n-1\n#NEWPAGE\n"
                               "#SHOWPARA\n0x0\n4\n-1\n Seite B\n#END_OF_TEXT\n0x0\n-1\n");
    pxInitScreen(800, 600);
    const double a4_w = 21.0 / 2.54, a4_h = 29.7 / 2.54;  // inches
    const int width = static_cast<int>(std::lround(a4_w * ((800 - 14 - 12) / a4_w)));           // 774
    const int height = static_cast<int>(std::lround(a4_h * ((800 - 14 - 12) / a4_w)));          // 1095
    const double whole_dpi = (600 - 34 - 12) / a4_h;                                          // the height fits
    const int whole_w = static_cast<int>(std::lround(a4_w * whole_dpi)), whole_h = 554;       // 392 x 554
    const int bottom = 34 + 6 + height - (height + 12 - 566);                                // 594, scrolled to the foot
    const int whole_x = (786 - whole_w) / 2;                                                   // 197
    const unsigned black = 0x000000, grey = 0x606060, white = 0xFFFFFF, face = 0xD4D0C8;
    struct Shot {
        std::vector<int> keys;  // before the snapshot
        std::vector<std::array<int, 2>> at;
        std::vector<unsigned> colours;
    } shots[] = {
        {{}, {{5, 300}, {4, 300}, {6, 300}, {6 + width, 300}, {7 + width, 300}, {300, 39}, {300, 599}},
         {black, grey, white, black, grey, black, white}},
        {std::vector<int>(8, VEK_KEY_DOWN), {{300, bottom - 1}, {300, bottom}, {300, bottom + 1}},
         {white, black, grey}},
        {{VEK_KEY_DOWN}, {{300, 39}, {300, 40}}, {black, white}},
        {{VEK_KEY_UP}, {{300, bottom}, {300, bottom + 1}}, {black, grey}},
        {{VEK_KEY_HOME}, {{300, 39}}, {black}},
        {{'-'}, {{whole_x - 1, 300}, {whole_x - 2, 300}, {whole_x + whole_w, 300}, {300, 40 + whole_h}},
         {black, grey, black, black}},
        {{'+', '+'}, {{20, 592}, {400, 592}, {300, 585}}, {face, face, white}},
    };
    std::vector<std::string> files;
    for (const Shot& shot : shots) {
        for (int key : shot.keys) VEK_Script_Key(key);
        files.push_back(testutil::Test_Dir() + "/viewer_" + std::to_string(files.size()) + ".png");
        VEK_Script_Snapshot(files.back().c_str());
    }
    VEK_Script_Key(VEK_KEY_ESC);
    EXPECT_EQ(Quick_OLI_View("ZWEI", list.c_str()), 1);
    for (size_t i = 0; i < std::size(shots); ++i)
        for (size_t k = 0; k < shots[i].at.size(); ++k)
            EXPECT_EQ(testutil::Pixel(files[i], shots[i].at[k][0], shots[i].at[k][1]), shots[i].colours[k])
                << "shot " << i << " at " << shots[i].at[k][0] << ", " << shots[i].at[k][1];
    EXPECT_EQ(testutil::Read_File(files[1]), testutil::Read_File(files[3]));  // the first page's foot again
    EXPECT_EQ(testutil::Read_File(files[0]), testutil::Read_File(files[4]));
    EXPECT_NE(testutil::Read_File(files[0]), testutil::Read_File(files[2]));
}

// Damaged lists render what they can and never crash; an unknown graphic
// record is skipped with one warning.
TEST(OliView, DamagedListsRenderWhatTheyCan) {
    struct Case {
        const char* bytes;
        const char* shown;  // a text that must still reach the PDF
        int damaged;
    } cases[] = {
        {"#SHOWPARA\n0x0\n4\n-1\n Abgeschnitten", "Abgeschnitten", 1},
        {"#SHOWTABLE\n 2147483647 0 0\n#SHOWPARA\n0x0\n4\n-1\n Danach\n#END_OF_TEXT\n0x0\n-1\n", "Danach", 1},
        {"#FOO\nbar\n#SHOWPARA\n0x40\n4\n0x0 99999\n2 1\n-1\n Tabs\n#END_OF_TEXT\n0x0\n-1\n", "Tabs", 1},
        {"#SHOWPARA\n0x40\n4\n0x0 8.8e75\n2 1\n-1\n Viele\n#END_OF_TEXT\n0x0\n-1\n", "Viele", 0},
        // A number that is no finite number makes its picture damage.
        {"#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1e300 0 nan\n 1  0 0 1 1\n -1\n#SHOWPARA\n0x0\n4\n-1\n Weiter\n", "Weiter", 2},
        // Two polygons damaged: a count beyond any, and " 18 5 1 1" with one
        // pair (it took the line of huge but finite coordinates after it and
        // " 14 1e300 0" for its points, and was counted sound; the line is a
        // record of its own).
        {"#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 5 0 5\n 18 999999999\n 18 5 1 1\n 1  1e308 0 -1e308 1\n"
         " 14 1e300 0\n 13 -4\n 3 1 1 \xAEoffen\n 38 1000000 1 2\n 30\n 30\n 31\n 31\n 31\n 99 1\n 99 2\n -1\n"
         " Text\n", "offen", 2},
        {"#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 10 0 10\n 20  5\n 24  -90000 90000 90000 -90000\n 2 1 1 \xAEweit\xAF\n -1\n",
         "weit", 0},  // a hatched area far beyond the page: only the page is hatched
        {"#SETYPOS\n256 1e300\n#SETMARGINS\n257 -50 0\n#RESERVESPACE\n900\n#SHOWTABLE\n 0 0 0\n 0 0 -1 -1 nan\n Zeile\n",
         "Zeile", 1},
        {"#SETYPOS\n256 nan\n#RESERVESPACE\ninf\n#SHOWPARA\n0x0\n4\n-1\n Danach\n#END_OF_TEXT\n0x0\n-1\n", "Danach", 2},
    };
    testutil::TempDir dir;
    for (const Case& c : cases) {
        OliDocument doc = Read(c.bytes);
        EXPECT_EQ(doc.damaged, c.damaged) << c.bytes;
        testing::internal::CaptureStderr();
        std::string pdf = dir.file("d.pdf");
        int pages = OLI_Render_PDF(doc, pdf.c_str());
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_GE(pages, 1) << c.bytes;
        EXPECT_NE(Pdf_Text(pdf).find(c.shown), std::string::npos) << c.bytes;
        if (std::string(c.bytes).find(" 99 1") != std::string::npos) {
            EXPECT_EQ(err, "print list: graphic record 99 unknown, skipped\n");
        }
    }
    // Every cut of the golden lists reads, and a few render.
    for (const char* name : {"printlist/weld_list.oli", "pictures/sketch.OLI"}) {
        std::string whole = testutil::Read_File(testutil::Fixture(name));
        for (size_t cut = 0; cut < whole.size(); cut += 7) {
            OliDocument doc = Read(whole.substr(0, cut));
            if (cut % 301 == 0) {
                EXPECT_GE(OLI_Render_PDF(doc, dir.file("c.pdf").c_str()), 1);
            }
        }
    }
}

// The golden drawings of the section writers and the connection sketch,
// first page at 300 dpi (118.11 pixels per cm) into the build directory.
// Their pictures run y downwards (y1 > y2), so a paper point (x, y) lands at
// page ((2.5 + x - x1) cm, (2 + y - y2) cm) below the top and left margins.
TEST(OliView, GoldenDrawingsLandWhereTheirScalePutsThem) {
    struct Spot {
        int x, y, rgb;
        const char* what;
    };
    struct Case {
        const char* file;
        std::vector<Spot> spots;
    } cases[] = {
        // Extent -1 2.8 4 -1: page (3.5 + x, 3 + y).
        {"drawings/welded_i.OLI",
         {{461, 297, 0x000000, "dimension line of 180 at y -0.48: (3.9, 2.52) cm"},
          {461, 286, 0xFFFFFF, "0.1 cm above it"},
          {520, 567, 0x1E9614, "centroid dot (0.9, 1.8), pattern 64 in its pen's green: (4.4, 4.8) cm"},
          {709, 567, 0xFFFFFF, "beside the flanges: (6.0, 4.8) cm"}}},
        // Extent -2 2 2 -2: page (4.5 + x, 4 + y).
        {"drawings/tube_all_round.OLI",
         {{648, 483, 0x1E1EFF, "all-round weld on the outer chord's middle (0.9904, 0.0975): (5.4904, 4.0975) cm"},
          {578, 425, 0xFFFFFF, "the ring's hole at (0.4, -0.4): (4.9, 3.6) cm"}}},
        // Extent -0.65 3.45 4.85 -0.65: page (3.15 + x, 2.65 + y); x = 0 is the
        // back of leg h, upright from y 0 to 4.2.
        {"drawings/angle_legs.OLI", {{372, 561, 0x000000, "outline x = 0 at y 2.1: (3.15, 4.75) cm"}}},
        // Extent -0.65 1.15 4.85 -0.65: page (3.15 + x, 2.65 + y); the weld
        // marks stand after the picture's end line and are drawn on top of it.
        {"drawings/weld_check_flat.OLI",
         {{360, 431, 0x1E1EFF, "weld line x = -0.1 at y 1.0: (3.05, 3.65) cm, column 360.2"},
          {348, 561, 0xFF3232, "left of the weld dot round (-0.1, 2.1) r 0.1: (2.95, 4.75) cm, column 348.4"},
          {360, 561, 0xFFFFFF, "the dot's white inside: (3.05, 4.75) cm"}}},
        // The sketch stands below its caption line, whose height is the
        // font's: rendered for a person to look at, its lines checked above.
        {"pictures/sketch.OLI", {}},
    };
    for (const Case& c : cases) {
        FILE* f = std::fopen(testutil::Fixture(c.file).c_str(), "rb");
        ASSERT_NE(f, nullptr) << c.file;
        OliDocument doc;
        OLI_Read_Document(f, &doc);
        std::fclose(f);
        EXPECT_EQ(doc.damaged, 0) << c.file;
        std::string name = std::filesystem::path(c.file).stem().string();
        std::string png = testutil::Test_Dir() + "/" + name + "_page1.png";
        ASSERT_EQ(OLI_Render_PNG(doc, 1, 300, png.c_str()), 1) << c.file;
        PngPage page(png);
        ASSERT_EQ(page.status(), CAIRO_STATUS_SUCCESS);
        for (const Spot& p : c.spots) {
            int got = page.Pixel(p.x, p.y);
            for (int shift : {16, 8, 0})  // edges are smoothed: a few steps per channel
                EXPECT_NEAR((got >> shift) & 0xFF, (p.rgb >> shift) & 0xFF, 12) << c.file << ": " << p.what;
        }
    }
}

// Records after a picture's end line belong to it while only layout
// keywords stand between; after any other block they are stray lines.
TEST(OliView, RecordsAfterAPictureAreDrawnOnTopOfIt) {
    OliDocument doc = Read(
        "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 2 2 0\n 1  0 0 1 1\n -1\n#SETYPOS\n256 -0.5\n 30\n 18 2\n 0.5 0.5\n"
        " 1.5 1.5\n 31\n#NEWPAGE\n 1  0 0 2 2\n");
    // The section prints put all pairs of a polygon on the line after it.
    OliDocument one_line = Read("#SHOWGRAFIC\n0 0 0\n0 0 0\n-1\n0 1 0 1\n18 2\n0.00 5.00  1.50 -5.00\n 4 1\n-1\n");
    ASSERT_EQ(one_line.blocks.size(), 1u);
    ASSERT_EQ(Records(one_line.blocks[0]).size(), 2u);
    EXPECT_EQ(Records(one_line.blocks[0])[0].values, (std::vector<double>{2, 0, 5, 1.5, -5}));
    ASSERT_EQ(doc.blocks.size(), 3u);
    const std::vector<OliRecord> r = Records(doc.blocks[0]);
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[1].number, 30);
    EXPECT_EQ(r[2].values, (std::vector<double>{2, 0.5, 0.5, 1.5, 1.5}));
    EXPECT_EQ(r[3].number, 31);
}

// Moves of the writing position around blocks set side by side: a black
// square of 1 cm (picture extent 0 1 0 1) drawn after them; its centre row
// at 150 dpi is (top + 0.5) / 2.54 * 150. A picture of 5 cm leaves the
// position 0.7 cm below it.
TEST(OliView, PositionWordsOfBlocksSideBySide) {
    const std::string tall = "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 0 5\n -1\n";
    const std::string square = "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 0 1\n 20  1\n 24  0 1 1 0\n -1\n";
    struct Case {
        std::string before;
        int row;
    } cases[] = {
        // Left block from the top margin (2 cm) to 7.7, back up, then word 4
        // goes below the lowest: 7.7 + 0.5 = 8.2, centre 8.7 cm.
        {"#STOREYPOS\n4\n" + tall + "#RESTOREYPOS\n4\n#SETYPOS\n4 0.5\n", 514},
        // 768 moves 1 cm (to 3) and keeps the place; after the picture 1024
        // takes it up 1 cm lower: 4, centre 4.5 cm.
        {"#SETYPOS\n768 1\n" + tall + "#SETYPOS\n1024 1\n", 266},
        // A relative move: 7.7 - 1 = 6.7, centre 7.2 cm.
        {tall + "#SETYPOS\n256 -1\n", 425},
        // A section print's picture of 80 x 180 units with the size number
        // 9 * 4 * 1710 = 61560 is 4 x 9 cm: 2 + 9 + 0.7 = 11.7, centre 12.2 cm.
        {"#SHOWGRAFIC\n0 0 0\n0 0 0\n61560\n65.000000 -15.000000 165.000000 -15.000000\n -1\n", 720},
    };
    testutil::TempDir dir;
    for (const Case& c : cases) {
        std::string png = dir.file("y.png");
        ASSERT_EQ(OLI_Render_PNG(Read(c.before + square), 1, 150, png.c_str()), 1);
        PngPage page(png);
        ASSERT_EQ(page.status(), CAIRO_STATUS_SUCCESS);
        // Column (2.5 + 0.5) / 2.54 * 150 = 177.2; 0.7 cm above the centre is white.
        EXPECT_EQ(page.Pixel(177, c.row), 0x000000) << c.before;
        EXPECT_EQ(page.Pixel(177, c.row - 41), 0xFFFFFF) << c.before;
    }
}

namespace {

std::vector<OliTextBox> Boxes(const std::string& bytes, int* pages = nullptr) {
    std::vector<OliTextBox> b;
    const int n = OLI_Render_Text_Boxes(Read(bytes), &b);
    if (pages) *pages = n;
    return b;
}

bool Overlap(const OliTextBox& a, const OliTextBox& b) {
    return a.page == b.page && a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// A paragraph of the given text lines under a format with the field lines
// `format` (flag word first).
std::string Para(const std::string& format, const std::vector<std::string>& lines) {
    std::string s = "\n#SHOWPARA\n" + format + "-1\n";
    for (const std::string& l : lines) s += " " + l + "\n";
    return s + "#END_OF_TEXT\n0x0\n-1\n";
}

}  // namespace

// Tab stops count in cm with measure code 1 and in tab steps of 0.3 cm
// otherwise; a cell after a tab starts at its stop, from the left margin
// (2.5 cm) whatever the indent.
TEST(OliView, TabStopsInTheirUnitFromTheLeftMargin) {
    struct Case {
        const char* format;
        double x;  // cm from the page's left edge where "Zwei" starts
    } cases[] = {
        {"0x40\n4\n0x0 1\n2 23\n", 2.5 + 23 * 0.3},     // the final result's first stop: 6.9 cm
        {"0x40\n4\n0x0 1\n1 4\n", 2.5 + 4.0},           // the weld legend's stops are cm
        {"0x60\n4\n2 0.6 2 0\n0x0 1\n2 9\n", 2.5 + 2.7},  // (indent 0.3 + 0.3) / 0.3 + 7 steps
        {"0x40\n4\n0x2\n2 5\n", 2.5 + 1.5},              // the load-case list's hanging width
    };
    for (const Case& c : cases) {
        const std::vector<OliTextBox> b = Boxes(Para(c.format, {"Eins\xCEtZwei"}));
        bool found = false;
        for (const OliTextBox& t : b)
            if (t.text == "Zwei") {
                found = true;
                EXPECT_NEAR(t.x, c.x, 0.05) << c.format;
            }
        EXPECT_TRUE(found) << c.format;
    }
}

// A line too long for its row breaks only where a reader may break it:
// never between a value and its unit, around a comparison sign, after the
// arrow or before a verdict, and a unit stays whole.
TEST(OliView, RowsKeepValuesWithTheirUnitsAndVerdicts) {
    const std::string check = "F\xCE\\w,Ed\xCEr = 12.21 kN/cm  >  F\xCE\\w,Rd\xCEr = 10.39 kN/cm  \x88  U\xCE\\w\xCEr = "
                              "1.174  >  1  \xCE{C 1 230 0 0}\xCEHnicht ok !!\xCE{C 768}";
    const std::string strength = "char. Streckgrenze f\xCE\\y,t\xF3" "40mm\xCEr = 235.0 N/mm\xFD,  f\xCE\\y,t\xF3"
                                 "80mm\xCEr = 215.0 N/mm\xFD,  f\xCE\\y,t>80mm\xCEr = 215.0 N/mm\xFD";
    // Indented so far that both lines must wrap.
    const std::vector<OliTextBox> b = Boxes(Para("0x20\n4\n2 9 2 0\n", {check, strength, check + " " + check}));
    int rows = 0;
    for (const OliTextBox& t : b) {
        if (t.kind != OLI_TEXT_PARA) continue;
        rows += t.row > 0;
        for (const char* end : {"=", "<", ">", "\xE2\x86\x92", "N/", "nicht"})  // "→"
            EXPECT_FALSE(t.text.size() >= std::strlen(end) &&
                         t.text.compare(t.text.size() - std::strlen(end), std::string::npos, end) == 0)
                << "a row ends with " << end << ": " << t.text;
        if (t.row == 0) continue;
        for (const char* start : {"=", "<", ">", "kN", "N/mm", "mm", "ok", "!!", "nicht"})
            EXPECT_NE(t.text.rfind(start, 0), 0u) << "a row starts with " << start << ": " << t.text;
    }
    EXPECT_GE(rows, 3);  // the lines did wrap
}

// Every page carries the list's position and "Seite n von m" below its
// text; a heading never ends a page (here the picture it heads does not fit
// below it); a table that runs over a page repeats its head row; a text
// that goes on right below a table (a move of -0.5 cm after it) does not
// overprint its last row.
TEST(OliView, PagesHeadingsAndTablesLaidOutForAReader) {
    std::string rows;
    for (int i = 1; i <= 90; ++i) rows += " " + std::to_string(i) + "   12.50\n";
    std::string filler;
    for (int i = 0; i < 60; ++i) filler += Para("0x0\n4\n", {"Zeile " + std::to_string(i)});
    const std::string list = "#CONTENTS\n POS. 2.07: St\x81tze\n" + filler +
                             Para("0x0\n5\n", {"\xCE@3. Ergebnisse"}) +
                             "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 0 6\n 1  0 0 1 6\n -1\n" +
                             "#SHOWTABLE\n0 0 0\n1 0 -1 -1 2\n 4 10\n Lk  Wert\n" + rows + "#END_OF_TEXT\n" +
                             "#SETYPOS\n256 -0.5\n" + Para("0x0\n4\n", {"Legende"});
    int pages = 0;
    const std::vector<OliTextBox> b = Boxes(list, &pages);
    ASSERT_GE(pages, 3);
    for (int p = 1; p <= pages; ++p) {
        int foot = 0;
        double lowest = 0;
        const OliTextBox* last = nullptr;
        for (const OliTextBox& t : b) {
            if (t.page != p) continue;
            if (t.kind == OLI_TEXT_FOOT) {
                foot += t.text == "POS. 2.07: St\xC3\xBCtze" || t.text == "Seite " + std::to_string(p) + " von " +
                                                                            std::to_string(pages);
                EXPECT_GT(t.y, 27.7) << t.text;  // below the text area
            } else if (t.y > lowest) {
                lowest = t.y, last = &t;
            }
        }
        EXPECT_EQ(foot, 2) << "page " << p;
        ASSERT_NE(last, nullptr);
        EXPECT_FALSE(last->heading) << "page " << p << " ends with " << last->text;
    }
    int heads = 0;
    for (const OliTextBox& t : b) heads += t.text == "Lk  Wert";
    EXPECT_GE(heads, 2);
    for (const OliTextBox& t : b) {
        if (t.text != "Legende") continue;
        for (const OliTextBox& u : b) EXPECT_FALSE(&u != &t && Overlap(t, u)) << u.text;
    }
}

// A move up right after a table stops at the table's last line: the
// literature list moves up 0.8 cm after its title block (0.3 cm more than
// the gap below a table) and its references follow right under the title;
// a move of just the gap (0.5 cm) still goes on right below a table row.
TEST(OliView, MoveUpAfterATableEndsAtItsLastLine) {
    const std::string title = "#SHOWTABLE\n 0 1 0\n Literatur und Normen:\n0 0 -1 -1\n#END_OF_TEXT\n";
    const std::string refs = "#SHOWTABLE\n 0 0 1\n  [1] EN 1993-1-8\n0 0 -1 -1\n#END_OF_TEXT\n";
    const std::vector<OliTextBox> b = Boxes(title + "#SETYPOS\n256 -0.8\n#SETCONVERTIONFLAGS\n 1\n" + refs);
    ASSERT_EQ(b.size(), 3u);  // title, reference, the page's foot (page number)
    EXPECT_EQ(b[1].text, " [1] EN 1993-1-8");
    EXPECT_GE(b[1].y, b[0].y + b[0].h);
    EXPECT_LT(b[1].y, b[0].y + b[0].h + 0.2);
    const std::string table = "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n Zeile\n#END_OF_TEXT\n";
    const std::vector<OliTextBox> c = Boxes(table + "#SETYPOS\n256 -0.5\n" + Para("0x0\n4\n", {"Legende"}));
    ASSERT_GE(c.size(), 2u);
    EXPECT_FALSE(Overlap(c[0], c[1]));
    EXPECT_LT(c[1].y, c[0].y + c[0].h + 0.2);
}

// A data block set beside a sketch after the material lines below the
// sketch (the end-plate title block: the writer goes back up to set it): a
// block taller than the sketch is set smaller to end above the material
// line that reaches into its column; one that cannot end above it even at
// the smallest size goes below everything instead. No text overprints.
TEST(OliView, TableBesideTextBelowItEndsAboveThatText) {
    const std::string material = "Stahlsorte:\xCEtS235 (St37),  f\xCE\\y,k\xCEr = 240.0 N/mm\xCE/2\xCEr";
    for (int n : {13, 40}) {
        std::string rows;
        for (int i = 1; i <= n; ++i) rows += "     l\xCE\\w" + std::to_string(i) + "\xCEr = 118.0 mm\n";
        const std::string list = "#STOREYPOS\n0\n" + Para("0x50\n4\n2 4.8\n0x0 1\n2 12\n", {material}) +
                                 "#RESTOREYPOS\n0\n#SETMARGINS\n257 5\n#SHOWTABLE\n0 0 0\n0 0 -1 -1\n" + rows +
                                 "#END_OF_TEXT\n";
        const std::vector<OliTextBox> b = Boxes(list);
        const OliTextBox* value = nullptr;
        double first = 1e9, last = 0;
        for (const OliTextBox& t : b) {
            if (t.kind == OLI_TEXT_PARA && t.text.rfind("S235", 0) == 0) value = &t;
            if (t.kind == OLI_TEXT_TABLE) first = std::min(first, t.y), last = std::max(last, t.y + t.h);
            for (const OliTextBox& u : b) EXPECT_FALSE(&u != &t && Overlap(t, u)) << t.text << " / " << u.text;
        }
        ASSERT_NE(value, nullptr);
        ASSERT_GT(value->x + value->w, 2.5 + 5.0);  // the value reaches into the table's column
        if (n == 13)
            EXPECT_LT(last, value->y) << "the block ends above the material line";
        else
            EXPECT_GT(first, value->y + value->h) << "the block goes below the material line";
    }
}

// The sign conventions beside the load cases: a stored symbol of the
// program's symbol directory is drawn; one that cannot be found is left
// out and keeps no room.
TEST(OliView, StoredSymbolsDrawnOrLeftOut) {
    const std::string picture = "#SHOWGRAFIC\n0 0 0\n0 0 0\n-1\n0 3.500000 0 2.500000\n27 0 2.500000 %FONT%\\";
    const std::string after = Para("0x0\n4\n", {"Danach"});
    std::vector<OliTextBox> b = Boxes(picture + "schweissnaht_0.ocm\n-1\n" + after);
    std::set<std::string> texts;
    for (const OliTextBox& t : b) texts.insert(t.text);
    for (const char* label : {"y", "z", "N", "Vy", "Vz", "My", "Mz", "Mx"}) EXPECT_EQ(texts.count(label), 1u) << label;
    b = Boxes(picture + "fehlt.ocm\n-1\n" + after);
    ASSERT_EQ(b.size(), 2u);  // the text and the foot line
    EXPECT_LT(b[0].y, 2.5);   // at the top margin: no room kept
    // The symbol file itself: its size and records, damage refused.
    OliSymbol s;
    FILE* f = testutil::Stream_With("OCM 1\n3.5 2.5\n 1  0 0 1 1\n 18 3\n0 0 1 0\n0 1\n-1\n");
    EXPECT_EQ(OLI_Read_Symbol(f, &s), 1);
    std::fclose(f);
    EXPECT_DOUBLE_EQ(s.width, 3.5);
    ASSERT_EQ(s.records.size(), 2u);
    EXPECT_EQ(s.records[1].values, (std::vector<double>{3, 0, 0, 1, 0, 0, 1}));
    for (const char* bad : {"", "OCM 2\n1 1\n-1\n", "OCM 1\n0 1\n-1\n", "OCM 1\n1 nan\n", "#SHOWGRAFIC\n"}) {
        f = testutil::Stream_With(bad);
        EXPECT_EQ(OLI_Read_Symbol(f, &s), 0) << bad;
        std::fclose(f);
    }
    EXPECT_EQ(OLI_Read_Symbol(nullptr, &s), 0);
}

// N's load symbol, beside the forces with and without the torsion moment:
// a free line ends by the label "N" (within 0.4 cm of its centre), and a
// filled head continues it there: a corner on the line's axis at most 0.3
// cm beyond its end, the middle of the other two on the axis behind that
// corner. The label stays clear of the box of M_x's arc (the lines joined
// end to end with the one ending nearest "Mx").
TEST(OliView, LoadSymbolNArrowHeadClearOfTheTorsionArc) {
    for (const std::string name : {"schweissnaht_0", "schweissnaht_1"}) {
        SCOPED_TRACE(name);
        std::vector<OliTextBox> boxes;
        std::vector<OliInk> ink;
        const std::string list =
            "#SHOWGRAFIC\n0 0 0\n0 0 0\n-1\n0 3.500000 0 2.500000\n27 0 2.500000 %FONT%\\" + name + ".ocm\n-1\n";
        ASSERT_EQ(OLI_Render_Layout(Read(list), &boxes, &ink), 1);
        auto label = [&](const char* text) {
            for (const OliTextBox& b : boxes)
                if (b.text == text) return &b;
            return static_cast<const OliTextBox*>(nullptr);
        };
        std::vector<const OliInk*> lines;
        for (const OliInk& k : ink)
            if (k.kind == OLI_INK_LINE) lines.push_back(&k);
        auto joined = [&](const OliInk* a, const OliInk* b) {
            for (int i = 0; i < 2; ++i)
                for (int j = 0; j < 2; ++j)
                    if (a != b && std::hypot(a->xy[2 * i] - b->xy[2 * j], a->xy[2 * i + 1] - b->xy[2 * j + 1]) < 1e-6)
                        return true;
            return false;
        };
        // The line with the end nearest (x, y); `free`: joined to no other.
        auto nearest = [&](double x, double y, bool free, int* end) {
            const OliInk* best = nullptr;
            double least = 0.4;
            for (const OliInk* l : lines) {
                if (free && std::any_of(lines.begin(), lines.end(), [&](const OliInk* o) { return joined(l, o); }))
                    continue;
                for (int e = 0; e < 2; ++e) {
                    const double d = std::hypot(l->xy[2 * e] - x, l->xy[2 * e + 1] - y);
                    if (d < least) least = d, best = l, *end = e;
                }
            }
            return best;
        };
        const OliTextBox* n = label("N");
        ASSERT_NE(n, nullptr);
        int e = 0;
        const OliInk* shaft = nearest(n->x + n->w / 2, n->y + n->h / 2, true, &e);
        EXPECT_NE(shaft, nullptr) << "no arrow by N";
        if (shaft) {
            bool head = false;
            const double tx = shaft->xy[2 * e], ty = shaft->xy[2 * e + 1];
            const double len = std::hypot(tx - shaft->xy[2 - 2 * e], ty - shaft->xy[3 - 2 * e]);
            const double ux = (tx - shaft->xy[2 - 2 * e]) / len, uy = (ty - shaft->xy[3 - 2 * e]) / len;
            for (const OliInk& k : ink)
                for (int a = 0; a < 3 && k.kind == OLI_INK_AREA && k.xy.size() == 6; ++a) {
                    const double ax = k.xy[2 * a] - tx, ay = k.xy[2 * a + 1] - ty;
                    const double mx = (k.xy[(2 * a + 2) % 6] + k.xy[(2 * a + 4) % 6]) / 2 - tx;
                    const double my = (k.xy[(2 * a + 3) % 6] + k.xy[(2 * a + 5) % 6]) / 2 - ty;
                    const double along = ax * ux + ay * uy;
                    head = head || (along > -0.01 && along < 0.3 && std::fabs(ax * uy - ay * ux) < 0.01 &&
                                    std::fabs(mx * uy - my * ux) < 0.01 && along - (mx * ux + my * uy) > 0.05);
                }
            EXPECT_TRUE(head) << "no head at N's tip";
        }
        const OliTextBox* mx = label("Mx");
        ASSERT_EQ(mx != nullptr, name == "schweissnaht_0");
        if (!mx) continue;
        std::vector<const OliInk*> arc{nearest(mx->x + mx->w / 2, mx->y + mx->h / 2, false, &e)};
        ASSERT_NE(arc[0], nullptr);
        for (size_t i = 0; i < arc.size(); ++i)
            for (const OliInk* l : lines)
                if (joined(arc[i], l) && std::find(arc.begin(), arc.end(), l) == arc.end()) arc.push_back(l);
        double x1 = 1e9, y1 = 1e9, x2 = -1e9, y2 = -1e9;
        for (const OliInk* l : arc)
            for (int i = 0; i < 2; ++i)
                x1 = std::min(x1, l->xy[2 * i]), x2 = std::max(x2, l->xy[2 * i]), y1 = std::min(y1, l->xy[2 * i + 1]),
                y2 = std::max(y2, l->xy[2 * i + 1]);
        EXPECT_GT(arc.size(), 20u);
        EXPECT_FALSE(n->x < x2 && x1 < n->x + n->w && n->y < y2 && y1 < n->y + n->h) << "N on the arc's box";
    }
}

// The strict structure check: what the writers write is sound; a block
// cut short, a stray line, an unknown record and every misuse of the
// element bracket are faults, each found at its line.
TEST(OliView, StrictStructureCheck) {
    const std::string head = "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 0 1\n";
    struct Case {
        std::string list;
        const char* fault;  // "" for a sound list
    } cases[] = {
        {"#CONTENTS\n POS. 1\n#NEWPAGE\n#SETFLAGS\n 896\n\n" + Para("0x60\n4\n2 0.3 2 0\n0x0 1\n2 8\n", {"a\xCEtb"}) +
             "#SHOWTABLE\n0 0 1\n Titel\n0 0 0 0\n#SHOWTABLE\n0 0 0\n1 0 -1 -1 2\n 12 42\n Kopf\n#END_OF_TEXT\n" + head +
             " 30\n 52\n 4 1\n 1  0 0 1 1\n 31\n 53\n 18 3\n0 0 1 0\n0 1\n 9 0 0 0 0 210 \xAEx\xAF\n -1\n#SETYPOS\n256 -0.5\n"
             " 30\n 1  0 0 1 1\n 31\n",
         ""},
        {head + " 30\n 52\n 30\n 31\n 31\n -1\n", "line 8: element opened inside an element"},
        {head + " 31\n -1\n", "line 6: element closed that is not open"},
        {head + " 30\n 1  0 0 1 1\n -1\n", "line 8: picture ends inside an element"},
        {head + " 99 1\n -1\n", "line 6: unknown record 99"},
        // The record's number as written: it said "unknown record -1" and
        // "record without its numbers".
        {head + "111111111111 1 2 3 4\n -1\n", "line 6: record number that does not fit an int: \"111111111111 1"},
        {head + "1e309 1 2 3 4\n -1\n", "line 6: record number that is no whole number: \"1e309 1 2 3 4\""},
        {head + " 9.0 0 0 1 1 0 \xAEx\xAF\n -1\n", "line 6: record number that is no whole number"},
        {head + " x1 0 0 1 1\n -1\n", "line 6: not a record: \" x1 0 0 1 1\""},
        {std::string(100, '\n'), "line 101: no block of a print list"},
        {"", "line 1: no block of a print list"},
        {head + " 18 3 0 0 1 0\n -1\n", "line 6: polygon without its points"},
        {head + " 1  0 0 1 1\n", "line 7: picture not ended by -1"},
        {"\n#SHOWPARA\n0x0\n4\n-1\n Text\n", "line 7: paragraph not ended by #END_OF_TEXT"},
        {"\n#SHOWPARA\n0x40\n4\n0x0 2\n2 8\n-1\n", "line 7: not a line of tab stop"},
        // A result table of more than 20 cases, and the general table writer
        // with its tail flag, append eight numbers to a layout line of five.
        {"#SHOWTABLE\n0 1 0\n Titel\n1 1 -1 -1 2 0 0 0 0 0 0 0 2\n4.4 14.5\n Kopf\n#END_OF_TEXT\n", ""},
        {"#SHOWTABLE\n0 0 0\n1 0 -1 -1 2 0 0 0 0 0 2\n 12 42\n#END_OF_TEXT\n",
         "line 3: layout line: \"1 0 -1 -1 2 0 0 0 0 0 2\""},
        {"#SHOWTABLE\n0 0 2\n Titel\n#END_OF_TEXT\n", "line 4: missing title line"},
        {"Text\n", "line 1: line outside a block"},
        // The tail after a layout line of four, and a table of one column
        // without its position line (the general table writer's forms).
        {"#SHOWTABLE\n 0 0 0\n 0 0 -1 -1 0 0 0 0 0 0 0 2\n Text\n#END_OF_TEXT\n"
         "#SHOWTABLE\n 0 0 0\n 1 0 -1 -1 1 0 0 0 0 0 0 0 2\n Kopf\n#END_OF_TEXT\n",
         ""},
        {"#FOO\n", "line 1: unknown keyword #FOO"},
        {"#SETFLAGS\n 896\n#NEWPAGE\n", "line 3: #SETFLAGS without its empty line"},
        // A list that ends inside a bookmark group was cut off between two
        // blocks; a position stored and not taken back may be a writer's.
        {"#SETBOOKMARK\n19\n \n#STOREYPOS\n1\n" + Para("0x0\n4\n", {"a"}) + "#SETBOOKMARK\n20\n \n", ""},
        {"#SETBOOKMARK\n19\n \n" + Para("0x0\n4\n", {"a"}),
         "line 13: the list breaks off: a bookmark group (level 19) is never closed"},
        // Numbers that do not fit: the font mode read with atoi, a pen taken
        // as an int, a coordinate that is no number.
        {Para("0x0\n99999999999999999999\n", {"a"}), "line 4: font mode not a whole number that fits"},
        {Para("0x0\n4.5\n", {"a"}), "line 4: font mode not a whole number that fits"},
        {head + " 4 3e9\n -1\n", "line 6: a number that does not fit"},
        {head + " 1  0 0 nan 1\n -1\n", "line 6: a number that does not fit"},
        {head + " 1  0 0 3e9 1\n -1\n", ""},
    };
    for (const Case& c : cases) {
        FILE* f = testutil::Stream_With(c.list);
        std::string fault;
        EXPECT_EQ(OLI_Check_Structure(f, &fault), c.fault[0] ? 0 : 1) << c.list;
        std::fclose(f);
        EXPECT_EQ(fault.substr(0, std::strlen(c.fault)), c.fault) << c.list;
    }
    EXPECT_EQ(OLI_Check_Structure(nullptr, nullptr), 0);
}

// A polygon with a damaged point is damage whatever its count comes to.
// Before, the numbers lost after a damaged word were made up from the
// lines that follow: in the first case the pattern " 20  0" gave the two
// missing ones (7 + 2 = 1 + 2 * 4), the check said sound and the pattern
// was lost; a point "0x1" (a damaged "0.1") read as hexadecimal. Now the
// polygon is left out, the page says so, and the records after it stay;
// the lines of a damaged polygon's points are not read as records.
TEST(OliView, DamagedPolygonIsDamageWhateverItsCount) {
    const std::string head = "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 0 1\n";
    const struct {
        std::string records;
        const char* fault;
        std::vector<int> kept;  // the record numbers read
    } cases[] = {
        {" 18 4 0 0 1 0 1 1 x 1\n 20  0\n 1  0 0 1 1\n -1\n", "line 6: polygon with a point that is no number", {20, 1}},
        {" 18 2 0 0 0x1 1\n 20  0\n -1\n", "line 6: polygon with a point that is no number", {20}},
        {" 18 3\n 0.00 0.00\n 1.00 x.00\n 1.00 1.00\n 20  0\n -1\n", "line 6: polygon without its points", {20}},
        {" 18 2 0 0 1 1 1\n 20  0\n -1\n", "line 6: polygon without its points", {20}},
        // all 1 + 2 x 2 numbers on its own line, and a word after them
        {" 18 2 0 0 1 1 x\n 20  0\n -1\n", "line 6: polygon with a point that is no number", {20}},
    };
    for (const auto& c : cases) {
        FILE* f = testutil::Stream_With(head + c.records);
        std::string fault;
        EXPECT_EQ(OLI_Check_Structure(f, &fault), 0) << c.records;
        std::fclose(f);
        EXPECT_EQ(fault.substr(0, std::strlen(c.fault)), c.fault) << c.records;
        const OliDocument doc = Read(head + c.records);
        EXPECT_EQ(doc.damaged, 1) << c.records;
        EXPECT_EQ(OLI_Page_Mark(doc), "Druckliste beschädigt: 1 Teil nicht lesbar, die Seiten sind unvollständig");
        ASSERT_EQ(doc.blocks.size(), 1u);
        std::vector<int> kept;
        for (const OliRecord& r : Records(doc.blocks[0])) kept.push_back(r.number);
        EXPECT_EQ(kept, c.kept) << c.records;
    }
}

// A polygon's count that its lines do not hold is damage: the next record
// is never taken for its last point. " 18 4 …" made " 18 5" took " 20  0"
// as the point (20, 0): the check said sound and the pattern was lost. The
// same with the points on lines of their own, and before a pen record.
// The writers' forms (pairs on the record's line, a pair a line, whole
// numbers that begin no record of theirs) stay sound with all their points.
TEST(OliView, APolygonsCountItsLinesDoNotHoldIsDamage) {
    const std::string head = "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 0 1\n";
    const struct {
        std::string records;
        const char* fault;      // "" for sound
        std::vector<int> kept;  // the record numbers read
    } cases[] = {
        {" 18 5 0 0 1 0 1 1 0 1\n 20  0\n -1\n", "line 6: polygon without its points", {20}},
        {" 18 3\n 0.500000 0.500000\n 1.500000 0.500000\n 20  0\n -1\n", "line 6: polygon without its points", {20}},
        {" 18 3 0.45 1.55 0.61 1.49\n 4 2\n 1  2.450 1.550 2.450 0.450\n -1\n", "line 6: polygon without its points", {4, 1}},
        {" 18 4 0 0 1 0 1 1 0 1\n 20  0\n -1\n", "", {18, 20}},
        {" 18 2\n 1.000000 1.000000\n 2.000000 2.000000\n 20  0\n -1\n", "", {18, 20}},
        {" 18 3\n0 0 1 0\n0 1\n 20  0\n -1\n", "", {18, 20}},
    };
    for (const auto& c : cases) {
        FILE* f = testutil::Stream_With(head + c.records);
        std::string fault;
        EXPECT_EQ(OLI_Check_Structure(f, &fault), c.fault[0] ? 0 : 1) << c.records;
        std::fclose(f);
        EXPECT_EQ(fault.substr(0, std::strlen(c.fault)), c.fault) << c.records;
        const OliDocument doc = Read(head + c.records);
        EXPECT_EQ(doc.damaged, c.fault[0] ? 1 : 0) << c.records;
        ASSERT_EQ(doc.blocks.size(), 1u);
        std::vector<int> kept;
        for (const OliRecord& r : Records(doc.blocks[0])) {
            kept.push_back(r.number);
            if (r.number == 18) {
                EXPECT_EQ(r.values.size(), 1 + 2 * static_cast<size_t>(r.values[0])) << c.records;
            }
        }
        EXPECT_EQ(kept, c.kept) << c.records;
    }
}

// A list that ends inside a paragraph, a table or a picture (in a record
// of it) broke off there: its pages say so in the words for a list cut
// off, not "1 Teil nicht lesbar", and the blocks before it are read whole.
// The block it lost counts as damaged, as before; a block cut short by the
// next one is a damaged part and says so.
TEST(OliView, AListEndingInsideABlockBreaksOff) {
    const std::string before = Para("0x0\n4\n", {"Vorher"});
    const std::string cut = "Druckliste beschädigt: sie bricht mitten in einem Abschnitt ab, es fehlen Seiten";
    const std::string damaged = "Druckliste beschädigt: 1 Teil nicht lesbar, die Seiten sind unvollständig";
    const struct {
        std::string tail;
        std::string mark, why;
    } cases[] = {
        {"#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 0 1\n 1  0 0 1 1\n 18 2 0 0", cut, "it ends inside #SHOWGRAFIC"},
        {"#SHOWPARA\n0x0\n4\n-1\n Zeile", cut, "it ends inside #SHOWPARA"},
        {"#SHOWTABLE\n0 1 0\n Titel\n1 1 -1 -1 2\n4.4 14.5\n Kopf\n 1 2", cut, "it ends inside #SHOWTABLE"},
        {"#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 0 1\n 1  0 0 1 1\n" + before, damaged, ""},
    };
    for (const auto& c : cases) {
        const OliDocument doc = Read(before + c.tail);
        EXPECT_EQ(OLI_Page_Mark(doc), c.mark) << c.tail;
        EXPECT_EQ(doc.cut, c.why) << c.tail;
        EXPECT_EQ(doc.damaged, 1) << c.tail;
        ASSERT_GE(doc.blocks.size(), 1u);
        ASSERT_FALSE(doc.blocks[0].para.empty());
        EXPECT_EQ(doc.blocks[0].para[0].text, "Vorher");
    }
}

// Every print list kept in the tests' data (the report, the drawings, the
// sketch, the end-plate sheet) reads as sound: no damage, no open bookmark
// group, and the viewer puts no mark on its pages. A load case's group cut
// after its heading is marked as cut.
TEST(OliView, GoldenListsAreSoundAndTheirCutsAreMarked) {
    int lists = 0;
    for (const auto& e : std::filesystem::recursive_directory_iterator(testutil::Fixture(""))) {
        std::string ext = e.path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
        if (ext != ".oli") continue;
        ++lists;
        const std::string whole = testutil::Read_File(e.path().string());
        FILE* f = testutil::Stream_With(whole);
        std::string fault;
        EXPECT_EQ(OLI_Check_Structure(f, &fault), 1) << e.path() << ": " << fault;
        std::fclose(f);
        EXPECT_EQ(OLI_Page_Mark(Read(whole)), "") << e.path();
    }
    EXPECT_GE(lists, 25);
    // A load case's group of a list the program writes, cut after its heading.
    const std::string group = "#SETBOOKMARK\n19\n \n#SETBOOKMARK\n16\n Lk 1\n" + Para("0x0\n4\n", {"Lk 1"});
    EXPECT_EQ(OLI_Page_Mark(Read(group + "#SETBOOKMARK\n17\n \n#SETBOOKMARK\n20\n \n")), "");
    EXPECT_EQ(OLI_Page_Mark(Read(group)), "Druckliste beschädigt: sie bricht mitten in einem Abschnitt ab, es fehlen Seiten");
}

// The identity of a list's input (oli_source.h): FNV-1a of its bytes as
// published (offset basis, "a", "foobar"), the block's line read back as
// written and nothing else, the input beside the list by the list's own
// name, and what the viewer makes of the file it finds there.
TEST(OliView, TheIdentityOfTheListsInput) {
    const struct {
        const char* bytes;
        unsigned long long digest;
    } published[] = {{"", 0xcbf29ce484222325ULL}, {"a", 0xaf63dc4c8601ec8cULL}, {"foobar", 0x85944171f73967e8ULL}};
    for (const auto& p : published) EXPECT_EQ(OLI_Source_Digest(p.bytes, std::strlen(p.bytes)), p.digest) << p.bytes;
    const OliSource abc = OLI_Source_Of_Bytes("liste.INP", "abc", 3);
    FILE* f = std::tmpfile();
    ASSERT_EQ(OLI_Write_Source(f, abc), 1);
    EXPECT_EQ(testutil::Stream_Text(f), "#SOURCE\n 3 e71fa2190541574b liste.INP\n");
    std::fclose(f);
    OliSource read;
    EXPECT_TRUE(OLI_Read_Source_Line(" 3 e71fa2190541574b liste.INP", &read));
    EXPECT_TRUE(read.name == "liste.INP" && read.size == 3 && read.digest == abc.digest);
    for (const char* line : {"", " 3", " 3 e71fa2190541574b", " 3 e71fa2190541574b ", " 3 E71FA2190541574B liste.INP",
                             " -3 e71fa2190541574b liste.INP", " 3 e71fa2190541574 liste.INP", "3 e71fa2190541574b liste.INP",
                             " 3  e71fa2190541574b liste.INP", " 3 e71fa2190541574b ../liste.INP",
                             " 3 e71fa2190541574b a\\liste.INP", " 3 e71fa2190541574b li\tste.INP"})
        EXPECT_FALSE(OLI_Read_Source_Line(line, &read)) << line;
    EXPECT_EQ(OLI_Write_Source(nullptr, abc), 0);
    EXPECT_EQ(OLI_Source_Input_Path("/p/B002_01.OLI", abc), "/p/B002_01.INP");
    // Beside the list: the same bytes, others, none.
    testutil::TempDir dir;
    const std::string list = dir.file("liste.OLI");
    testutil::Write_File(list, "#SHOWPARA\n0x0\n4\n-1\n Zeile\n#END_OF_TEXT\n0x0\n-1\n#SOURCE\n 3 e71fa2190541574b liste.INP\n");
    int refusal = 0;
    for (const char* input : std::vector<const char*>{"abc", "abd", nullptr}) {
        if (input) testutil::Write_File(dir.file("liste.INP"), input);
        else std::filesystem::remove(dir.file("liste.INP"));
        OliDocument doc;
        ASSERT_TRUE(OLI_Read_Document_File(list.c_str(), &doc, &refusal));
        EXPECT_EQ(doc.not_of_input, input && std::string(input) == "abd" ? "liste.INP" : "") << (input ? input : "none");
        OliSource named;
        EXPECT_TRUE(OLI_List_Source(list.c_str(), &named));
        EXPECT_EQ(named.digest, abc.digest);
    }
    std::string fault;
    FILE* bad = testutil::Stream_With("#SOURCE\n 3 x liste.INP\n");
    EXPECT_EQ(OLI_Check_Structure(bad, &fault), 0);
    std::fclose(bad);
    EXPECT_EQ(fault, "line 2: not a line of the input's identity: \" 3 x liste.INP\"");
}
