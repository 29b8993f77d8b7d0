// The fonts of the print-list pages: the viewer sets them in the DejaVu
// faces that scripts/setup installs and no others, so that a list's pages
// are the same bytes whatever else the machine holds.
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "support/testutil.h"

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
