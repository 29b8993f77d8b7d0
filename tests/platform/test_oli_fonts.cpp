// The fonts of the print-list pages: the viewer sets them in the DejaVu
// faces that scripts/setup installs and no others, so that a list's pages
// are the same bytes whatever else the machine holds.
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "support/testutil.h"

namespace test_oli_fonts {
namespace {

const std::string kViewer = std::string(WELD_BINARY_DIR) + "/bin/oliview";
const char* const kSetupFonts[] = {"DejaVuSans.ttf",          "DejaVuSans-Bold.ttf", "DejaVuSansMono.ttf",
                                   "DejaVuSansMono-Bold.ttf", "DejaVuSerif.ttf",     "DejaVuSerif-Bold.ttf"};

unsigned Word(const std::string& b, size_t at) { return (unsigned char)b[at] << 8 | (unsigned char)b[at + 1]; }
void Put_Word(std::string& b, size_t at, unsigned v) { b[at] = char(v >> 8), b[at + 1] = char(v); }
uint32_t Long(const std::string& b, size_t at) { return uint32_t(Word(b, at)) << 16 | Word(b, at + 2); }
void Put_Long(std::string& b, size_t at, uint32_t v) { Put_Word(b, at, v >> 16), Put_Word(b, at + 2, v & 0xFFFF); }

// The font file `from` under the family name `family`: its name table
// written again with every family name (name 1 and 16) replaced, at the
// end of the file, the table directory pointing there. Its PostScript name
// (name 6) stays, so that a PDF names the face it embeds.
std::string Renamed_Font(const std::string& from, const std::string& family) {
    std::string font = testutil::Read_File(from);
    size_t entry = 12;
    while (entry < 12 + 16 * Word(font, 4) && font.compare(entry, 4, "name") != 0) entry += 16;
    const size_t table = Long(font, entry + 8), count = Word(font, table + 2);
    const size_t strings = table + Word(font, table + 4);
    std::string head = font.substr(table, 6 + 12 * count), text;
    Put_Word(head, 4, static_cast<unsigned>(head.size()));
    for (size_t i = 0; i < count; ++i) {
        const size_t r = table + 6 + 12 * i;
        std::string s = font.substr(strings + Word(font, r + 10), Word(font, r + 8));
        if (Word(font, r + 6) == 1 || Word(font, r + 6) == 16) {
            s.clear();
            for (char c : family) s += Word(font, r) == 1 ? std::string(1, c) : std::string{'\0', c};
        }
        Put_Word(head, 6 + 12 * i + 8, static_cast<unsigned>(s.size()));
        Put_Word(head, 6 + 12 * i + 10, static_cast<unsigned>(text.size()));
        text += s;
    }
    font.resize((font.size() + 3) & ~size_t{3}, '\0');
    Put_Long(font, entry + 8, static_cast<uint32_t>(font.size()));
    Put_Long(font, entry + 12, static_cast<uint32_t>(head.size() + text.size()));
    return font + head + text;
}

// The file fontconfig takes for `family` under the configuration `conf`.
std::string Matched_File(const std::string& conf, const char* family) {
    FcConfig* config = FcConfigCreate();
    std::string file;
    if (FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8*>(conf.c_str()), FcTrue) &&
        FcConfigBuildFonts(config)) {
        FcPattern* p = FcNameParse(reinterpret_cast<const FcChar8*>(family));
        FcConfigSubstitute(config, p, FcMatchPattern);
        FcDefaultSubstitute(p);
        FcResult result;
        FcPattern* m = FcFontMatch(config, p, &result);
        FcChar8* name = nullptr;
        if (m && FcPatternGetString(m, FC_FILE, 0, &name) == FcResultMatch) file = reinterpret_cast<char*>(name);
        if (m) FcPatternDestroy(m);
        FcPatternDestroy(p);
    }
    FcConfigDestroy(config);
    return file;
}

// A PDF without its date of making; the faces it embeds in *faces.
std::string Without_Date(std::string pdf, std::set<std::string>* faces) {
    const size_t date = pdf.find("/CreationDate (D:");
    if (date != std::string::npos) pdf.replace(date, pdf.find(')', date) - date, "/CreationDate (");
    for (size_t at = pdf.find("/BaseFont /"); at != std::string::npos; at = pdf.find("/BaseFont /", at + 1)) {
        const size_t name = pdf.find('+', at) + 1;
        faces->insert(pdf.substr(name, pdf.find_first_of("\n /", name) - name));
    }
    return pdf;
}

}  // namespace

// A list of every kind of text (running text bold and italic, a table, a
// picture's texts with the print font's own signs and 0x7F) drawn under a
// font configuration that holds only setup's fonts, under one with another
// folder of fonts before them, and under the machine's own: the PDF (but
// for its date) and the PNG of the page are the same bytes each time, and
// the PDF embeds only the sans faces the pages name. The other folder
// holds the serif face renamed "DejaVu Sans" and "DejaVu Sans Mono", which
// fontconfig then gives for those names (as it gives an oblique face,
// another version of a family, or any face for a character the named one
// lacks, when a package brings them): the viewer takes none of it.
TEST(ViewerFonts, PagesAreTheSameWhateverElseIsInstalled) {
    testutil::TempDir dir;
    std::filesystem::create_directory(dir.file("setup"));
    std::filesystem::create_directory(dir.file("other"));
    for (const char* name : kSetupFonts)
        std::filesystem::create_symlink(std::string(WELD_FONT_DIR) + "/" + name, dir.file("setup/") + name);
    const std::string serif = std::string(WELD_FONT_DIR) + "/DejaVuSerif.ttf";
    testutil::Write_File(dir.file("other/sans.ttf"), Renamed_Font(serif, "DejaVu Sans"));
    testutil::Write_File(dir.file("other/mono.ttf"), Renamed_Font(serif, "DejaVu Sans Mono"));
    const std::string cache = "<cachedir>" + dir.file("cache") + "</cachedir>";
    testutil::Write_File(dir.file("setup.conf"), "<fontconfig><dir>" + dir.file("setup") + "</dir>" + cache + "</fontconfig>");
    testutil::Write_File(dir.file("other.conf"), "<fontconfig><dir>" + dir.file("other") + "</dir><dir>" +
                                                     dir.file("setup") + "</dir>" + cache + "</fontconfig>");
    EXPECT_EQ(Matched_File(dir.file("setup.conf"), "DejaVu Sans"), dir.file("setup/DejaVuSans.ttf"));
    EXPECT_EQ(Matched_File(dir.file("other.conf"), "DejaVu Sans"), dir.file("other/sans.ttf"));
    EXPECT_EQ(Matched_File(dir.file("other.conf"), "DejaVu Sans Mono"), dir.file("other/mono.ttf"));

    const std::string list = testutil::Read_File(std::string(WELD_SOURCE_DIR) + "/tests/data/printlist/weld_list.oli") +
        "#SHOWPARA\n0x0\n4\n-1\n \xCE" "bfett\xCE" "r \xCE_schr\x84g\xCE" "r \x7F\n#END_OF_TEXT\n0x0\n-1\n"
        "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 8 0 3\n 13 0.3\n 9 4 1.5 4 1.5 210 \xAE\x7F \xCC\\s \xE0\xF8 Wy\xAF\n -1\n";
    testutil::Write_File(dir.file("liste.OLI"), list);
    const char* const runs[] = {"setup", "other", ""};
    std::string first_pdf, first_png;
    for (const char* run : runs) {
        SCOPED_TRACE(run);
        const std::string conf = *run ? "FONTCONFIG_FILE='" + dir.file(std::string(run) + ".conf") + "' " : "";
        const std::string cmd = "env " + conf + "'" + kViewer + "' '" + dir.file("liste.OLI") + "' -o '" +
                                dir.file("liste.pdf") + "' --png 1 '" + dir.file("liste.png") + "' >/dev/null";
        ASSERT_EQ(std::system(cmd.c_str()), 0);
        std::set<std::string> faces;
        const std::string pdf = Without_Date(testutil::Read_File(dir.file("liste.pdf")), &faces);
        const std::string png = testutil::Read_File(dir.file("liste.png"));
        EXPECT_EQ(faces, (std::set<std::string>{"DejaVuSans", "DejaVuSans-Bold", "DejaVuSansMono-Bold", "DejaVuSansMono"}));
        if (first_pdf.empty()) first_pdf = pdf, first_png = png;
        EXPECT_TRUE(pdf == first_pdf);
        EXPECT_TRUE(png == first_png);
    }
}

namespace {

// The pixels (0xRRGGBB) of columns x0..x1-1 and rows y0..y1-1 of a PNG
// file, row by row; empty when it cannot be read or is too small.
std::vector<unsigned> Pixels(const std::string& png, int x0, int y0, int x1, int y1) {
    std::vector<unsigned> out;
    cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS && cairo_image_surface_get_width(s) >= x1 &&
        cairo_image_surface_get_height(s) >= y1) {
        cairo_surface_flush(s);
        const unsigned char* data = cairo_image_surface_get_data(s);
        const int stride = cairo_image_surface_get_stride(s);
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const unsigned char* p = data + y * stride + 4 * x;  // B G R x
                out.push_back(unsigned(p[2]) << 16 | unsigned(p[1]) << 8 | p[0]);
            }
    }
    cairo_surface_destroy(s);
    return out;
}

// Writes pixels of Pixels() as a PNG file of w columns.
void Write_Pixels(const std::vector<unsigned>& px, int w, const std::string& png) {
    const int h = static_cast<int>(px.size()) / w;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const unsigned v = px[static_cast<size_t>(y) * w + x];
            unsigned char* p = data + y * cairo_image_surface_get_stride(s) + 4 * x;
            p[0] = v & 0xFF, p[1] = (v >> 8) & 0xFF, p[2] = (v >> 16) & 0xFF, p[3] = 0xFF;
        }
    cairo_surface_mark_dirty(s);
    cairo_surface_write_to_png(s, png.c_str());
    cairo_surface_destroy(s);
}

}  // namespace

// An italic text is the upright face slanted by the renderer's own rule
// (no italic face is installed): the first row of a page with a word upright
// and the same word italic, at 150 dpi, pixel for pixel as the picture
// checked in (tests/data/platform/italic_slant.png, looked at when it was
// made: the second word leans right by a fifth of its height). The test
// above compares two runs of one build and would pass a build that lost
// the slant.
TEST(ViewerFonts, ItalicIsTheUprightFaceSlanted) {
    testutil::TempDir dir;
    testutil::Write_File(dir.file("schraeg.OLI"), "#SHOWPARA\n0x0\n4\n-1\n Hlfd Hlfd \xCE_Hlfd\xCEr\n#END_OF_TEXT\n0x0\n-1\n");
    const std::string cmd = "'" + kViewer + "' '" + dir.file("schraeg.OLI") + "' --png 1 '" + dir.file("seite.png") +
                            "' >/dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    // The row: 2.5 cm from the left edge, 2 cm from the top.
    const int x0 = 140, y0 = 110, x1 = 330, y1 = 150;
    const std::vector<unsigned> got = Pixels(dir.file("seite.png"), x0, y0, x1, y1);
    ASSERT_EQ(got.size(), static_cast<size_t>((x1 - x0) * (y1 - y0)));
    const std::string golden = std::string(WELD_SOURCE_DIR) + "/tests/data/platform/italic_slant.png";
    const std::vector<unsigned> want = Pixels(golden, 0, 0, x1 - x0, y1 - y0);
    if (got != want) Write_Pixels(got, x1 - x0, testutil::Test_Dir() + "/italic_slant.png");
    EXPECT_TRUE(got == want) << "the row as drawn is in " << testutil::Test_Dir() << "/italic_slant.png";
}

// The renderer's font configuration is the process's before pango starts:
// a machine's configuration that is broken, or that names font folders of
// its own (as a large one names thousands of fonts), is never read nor
// scanned. Before, pango's start-up thread read it and scanned its folders
// (writing their cache), seconds for a large one, and told a broken one on
// stderr; the pages were the same either way, as they are now.
TEST(ViewerFonts, TheMachinesConfigurationIsNeverRead) {
    testutil::TempDir dir;
    std::filesystem::create_directory(dir.file("fonts"));
    std::filesystem::create_symlink(std::string(WELD_FONT_DIR) + "/DejaVuSerif.ttf", dir.file("fonts/serif.ttf"));
    testutil::Write_File(dir.file("named.conf"), "<fontconfig><dir>" + dir.file("fonts") + "</dir><cachedir>" +
                                                     dir.file("cache") + "</cachedir></fontconfig>");
    testutil::Write_File(dir.file("broken.conf"), "<fontconfig><dir>" + dir.file("fonts") + "</di");
    testutil::Write_File(dir.file("liste.OLI"), "#SHOWPARA\n0x0\n4\n-1\n Zeile\n#END_OF_TEXT\n0x0\n-1\n");
    std::string first;
    for (const char* conf : {"named.conf", "broken.conf"}) {
        const std::string cmd = "env FONTCONFIG_FILE='" + dir.file(conf) + "' '" + kViewer + "' '" +
                                dir.file("liste.OLI") + "' --png 1 '" + dir.file("seite.png") + "' >/dev/null 2>'" +
                                dir.file("err.txt") + "'";
        EXPECT_EQ(std::system(cmd.c_str()), 0) << conf;
        const std::string err = testutil::Read_File(dir.file("err.txt"));
        EXPECT_EQ(err.find("Fontconfig"), std::string::npos) << conf << ": " << err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("cache"))) << conf;
        const std::string png = testutil::Read_File(dir.file("seite.png"));
        if (first.empty()) first = png;
        EXPECT_TRUE(png == first) << conf;
    }
}

}  // namespace test_oli_fonts
