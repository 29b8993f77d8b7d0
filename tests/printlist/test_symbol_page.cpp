// The page of every symbol, chart and list style: written by the picture
// library, read back by the viewer without damage, rendered onto one page
// on which no text overprints another.
#include <gtest/gtest.h>

#include <cairo.h>

#include <string>
#include <vector>

#include "platform/oli_view.h"
#include "printlist/symbol_page.h"
#include "support/testutil.h"

namespace {

// A small PNG picture: a blue square with a red diagonal band.
void Write_Png(const std::string& path) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 40, 30);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgb(cr, 0.2, 0.4, 0.9);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, 0.9, 0.1, 0.1);
    cairo_set_line_width(cr, 6);
    cairo_move_to(cr, 0, 30);
    cairo_line_to(cr, 40, 0);
    cairo_stroke(cr);
    cairo_destroy(cr);
    cairo_surface_write_to_png(s, path.c_str());
    cairo_surface_destroy(s);
}

TEST(SymbolPage, ReadsWithoutDamageAndRendersOnOnePage) {
    testutil::TempDir dir;
    const std::string png = dir.file("bild.png");
    Write_Png(png);
    const std::string list = testutil::Test_Dir() + "/symbol_page.OLI";
    FILE* f = std::fopen(list.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    symbol_page::Write(f, png.c_str());
    std::fclose(f);
    f = std::fopen(list.c_str(), "rb");
    // Sound by the strict check as well: the embedded picture's hex lines
    // and the "0" that ends a picture of the picture-head writer included.
    std::string fault;
    EXPECT_EQ(OLI_Check_Structure(f, &fault), 1) << fault;
    std::rewind(f);
    OliDocument doc;
    OLI_Read_Document(f, &doc);
    std::fclose(f);
    EXPECT_EQ(doc.damaged, 0);
    // One page, on which no text overprints another: the bold text is its
    // text set several times a little apart, and the comma of a level's
    // height reaches 0.02 cm into the side text where the level symbol
    // places them, so boxes may touch by 0.03 cm.
    EXPECT_EQ(OLI_Render_PDF(doc, dir.file("s.pdf").c_str()), 1);
    std::vector<OliTextBox> b;
    OLI_Render_Text_Boxes(doc, &b);
    const double e = 0.03;
    for (size_t i = 0; i < b.size(); ++i)
        for (size_t j = i + 1; j < b.size(); ++j)
            EXPECT_FALSE(b[i].text != b[j].text && b[i].page == b[j].page && b[i].x + e < b[j].x + b[j].w &&
                         b[j].x + e < b[i].x + b[i].w && b[i].y + e < b[j].y + b[j].h &&
                         b[j].y + e < b[i].y + b[i].h)
                << b[i].text << " / " << b[j].text;
    const std::string page = testutil::Test_Dir() + "/symbol_page_page1.png";
    EXPECT_EQ(OLI_Render_PNG(doc, 1, 150, page.c_str()), 1);
}

}  // namespace
