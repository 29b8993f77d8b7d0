// Print-list viewer stand-in: a page drawn alone stands where the layout
// of the whole list puts it, a list opened (its blocks read again where
// they are drawn) reads and is drawn as the list read whole, whatever the
// check refuses is marked on the pages, one reading of numbers, and memory
// that runs out is told as such.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/msgbox.h"
#include "platform/oli_blocks_internal.h"
#include "platform/oli_lines_internal.h"
#include "platform/oli_render_internal.h"
#include "platform/oli_view.h"
#include "platform/oli_read_list.h"
#include "support/testutil.h"

// AddressSanitizer holds terabytes of address space of its own: under it a
// limit of the address space tests nothing (its runtime is there when this
// symbol is).
extern "C" void __asan_init() __attribute__((weak));

namespace {

using oli_test::Read;

std::string Check(const std::string& bytes) {
    FILE* f = testutil::Stream_With(bytes);
    std::string fault;
    OLI_Check_Structure(f, &fault);
    std::fclose(f);
    return fault;
}

const std::string kPara = "#SHOWPARA\n0x0\n4\n-1\n Zeile\n#END_OF_TEXT\n0x0\n-1\n";  // 8 lines

// A list of some pages that runs every kind of unit over a page's foot: a
// heading and paragraphs with tabbed lines, a line too long for one row, a
// table of 150 rows under two head rows, and paragraphs after it.
std::string Long_List() {
    std::string list = "#CONTENTS\n POS. 1: Seiten\n#SHOWPARA\n0x0\n5\n-1\n \xCEHLastf\x84lle\xCEr\n";
    list += "#END_OF_TEXT\n0x4\n0x40\n4\n0x0 2\n1 3\n1 9\n-1\n";
    for (int i = 0; i < 70; ++i)
        list += " Naht " + std::to_string(i) + ":\xCEtl = " + std::to_string(100 + i) + ".0 mm\xCEtU = 0." +
                std::to_string(10 + i) + " < 1  ok\n";
    list += " " + std::string(60, 'x') + " " + std::string(40, 'y') + " lang genug f\x81r zwei Zeilen und mehr: " +
            std::string(90, 'z') + "\n#END_OF_TEXT\n0x0\n-1\n";
    list += "#SHOWTABLE\n0 0 0\n1 1 -1 -1 2\n 10 20\n Lk   N\n      kN\n";
    for (int i = 1; i <= 150; ++i) list += " " + std::to_string(i) + "   " + std::to_string(i * 7) + ".00\n";
    list += "#END_OF_TEXT\n";
    for (int i = 0; i < 40; ++i) list += kPara;
    return list;
}

// The list at `path` opened (OLI_Open_Document).
OliDocument Opened(const std::string& path) {
    OliDocument doc;
    FILE* f = std::fopen(path.c_str(), "rb");
    EXPECT_TRUE(f) << path;
    if (!f) return doc;
    OLI_Open_Document(f, &doc);
    std::fclose(f);
    return doc;
}

// The blocks of a document from block `from` (at byte `offset` of an opened
// list) on, `most` of them at most, in words; where each begins in *offsets
// when asked.
std::vector<std::string> Walked(const OliDocument& doc, size_t from = 0, long long offset = 0,
                                std::vector<long long>* offsets = nullptr, size_t most = SIZE_MAX) {
    std::vector<std::string> out;
    Oli_Block_Stream blocks(doc, from, offset);
    for (const OliBlock* b; out.size() < most && (b = blocks.Next());) {
        EXPECT_EQ(blocks.Index(), from + out.size());
        out.push_back(Oli_Block_Text(*b));
        if (offsets) offsets->push_back(blocks.Offset());
    }
    return out;
}

// What the reader found of a list, in words.
std::string Verdicts(const OliDocument& d) {
    return std::to_string(d.damaged) + " " + std::to_string(d.cut_block) + " " + std::to_string(d.past_end) + " " +
           (d.out_of_step ? "step " : "") + (d.out_of_memory ? "memory " : "") + (d.utf8 ? "utf8 " : "") + d.cut +
           "|" + d.refused + "|" + d.source.name + " " + std::to_string(d.source.size) + " " + std::to_string(d.source.digest) +
           "|" + d.not_of_input;
}

// A picture of 4 x 3 cm: its head, a line and a polygon, and its end line.
const std::string kPicture = "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 4 0 3\n 1  0 0 4 3\n 18 2\n 1 1\n 2 2\n -1\n";

// Lists that read and are drawn alike whether read whole or opened: every
// kind of block, records drawn on top of a picture (after layout blocks,
// the last of them at the end of the list), damage of every kind the
// reader passes over, and the golden lists and the shipped examples.
std::vector<std::pair<std::string, std::string>> Lists_Both_Ways() {
    std::string crlf;
    for (char c : Long_List()) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::vector<std::pair<std::string, std::string>> lists = {
        {"long", Long_List()},
        {"long, CRLF", crlf},
        {"records on top", kPara + kPicture + "#SETYPOS\n256 -0.5\n 30\n 18 2\n 0.5 0.5\n 1.5 1.5\n 31\n" +
                               "#SETBOOKMARK\n0\n Eintrag\n\n 1  0 3 4 0\n#NEWPAGE\n 1  9 9 9 9\n" + kPara + kPicture +
                               kPicture + "#STOREYPOS\n0\n 1 0 0 1 1\n"},
        {"a picture cut off", kPara + kPicture + kPicture.substr(0, kPicture.size() - 5)},
        {"damaged", kPara + "#KAPUTT\nzeile\n" + kPicture + "#SOURCE\n 3 e71fa2190541574b x.INP\n 1 0 0 1e400 1\n" +
                        "#SETYPOS\n256 nan\n" + kPara + "#SHOWTABLE\n 2147483647 0 0\n" + kPara +
                        "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 5 0 5\n 18 999999999\n 18 5 1 1\n 1  1e308 0 -1e308 1\n" +
                        " -1\n" + kPara},
        {"a long line", kPara + "#SHOWPARA\n0x0\n4\n-1\n " + std::string(OLI_MAX_LINE + 10, 'x') +
                            "\n#END_OF_TEXT\n0x0\n-1\n" + kPara},
        {"zeros after it", kPara + kPicture + std::string(20, '\0') + "#NEWPAGE\n" + kPara},
        {"UTF-8", "#SHOWPARA\n0x0\n4\n-1\n \xE2\x95\xAC" "bFett\xE2\x95\xAC" "r \xC2\xAB\n#END_OF_TEXT\n0x0\n-1\n"},
    };
    for (const auto& e : std::filesystem::recursive_directory_iterator(testutil::Fixture("")))
        if (e.path().extension() == ".OLI" || e.path().extension() == ".oli")
            lists.emplace_back(e.path().string(), testutil::Read_File(e.path().string()));
    for (const auto& e : std::filesystem::recursive_directory_iterator(std::string(WELD_SOURCE_DIR) + "/examples"))
        if (e.path().extension() == ".OLI") lists.emplace_back(e.path().string(), testutil::Read_File(e.path().string()));
    return lists;
}

// The PDF of a document, but for its date.
std::string Pdf_Of(const OliDocument& doc, const std::string& path) {
    testing::internal::CaptureStderr();
    const int pages = OLI_Render_PDF(doc, path.c_str());
    testing::internal::GetCapturedStderr();
    std::string pdf = pages > 0 ? testutil::Read_File(path) : "";
    const size_t date = pdf.find("/CreationDate (D:");
    if (date != std::string::npos) pdf.replace(date, pdf.find(')', date) - date, "/CreationDate (");
    return pdf;
}

// A pixel that is not white.
bool Inked(const OliPageImage& im, int x, int y) { return im.rgb[static_cast<size_t>(y) * im.width + x] != 0xFFFFFF; }

}  // namespace

// Each page drawn alone (in any order, from a set of its own or one that
// drew other pages before) is the same picture, and its ink stands exactly
// in the boxes the layout of the whole list gives for that page: every
// text has ink in its box, and there is none outside the boxes. (The boxes
// are those of the PDF's layout; no break of this list lies within a hair
// of a page's foot, where the measures at 40 dpi could move it.)
TEST(OliViewPages, APageDrawnAloneStandsWhereTheLayoutPutsIt) {
    const OliDocument doc = Read(Long_List());
    ASSERT_EQ(doc.damaged, 0);
    ASSERT_EQ(doc.refused, "");
    std::vector<OliTextBox> boxes;
    const int pages = OLI_Render_Text_Boxes(doc, &boxes);
    ASSERT_GE(pages, 4);
    OliPageSet* forward = OLI_Open_Page_Set(doc);
    OliPageSet* backward = OLI_Open_Page_Set(doc);
    ASSERT_TRUE(forward && backward);
    ASSERT_EQ(OLI_Page_Set_Count(forward), pages);
    const double dpi = 40;
    std::vector<OliPageImage> first(static_cast<size_t>(pages) + 1);
    for (int p = 1; p <= pages; ++p) ASSERT_EQ(OLI_Render_Page_Image(forward, p, dpi, &first[p]), 1) << p;
    for (int p = pages; p >= 1; --p) {
        OliPageImage again;
        ASSERT_EQ(OLI_Render_Page_Image(backward, p, dpi, &again), 1) << p;
        EXPECT_TRUE(again.rgb == first[p].rgb) << "page " << p << " drawn in another order";
    }
    OLI_Close_Page_Set(forward);
    OLI_Close_Page_Set(backward);
    auto px = [&](double cm) { return static_cast<int>(std::floor(cm / 2.54 * dpi)); };
    for (int p = 1; p <= pages; ++p) {
        const OliPageImage& im = first[p];
        std::vector<char> covered(im.rgb.size(), 0);
        int texts = 0;
        for (const OliTextBox& b : boxes) {
            if (b.page != p) continue;
            ++texts;
            int ink = 0;
            const int x0 = std::max(0, px(b.x) - 2), x1 = std::min(im.width - 1, px(b.x + b.w) + 2);
            const int y0 = std::max(0, px(b.y) - 2), y1 = std::min(im.height - 1, px(b.y + b.h) + 2);
            for (int y = y0; y <= y1; ++y)
                for (int x = x0; x <= x1; ++x) {
                    ink += Inked(im, x, y);
                    covered[static_cast<size_t>(y) * im.width + x] = 1;
                }
            EXPECT_GT(ink, 0) << "page " << p << ": no ink where the layout sets \"" << b.text << "\"";
        }
        EXPECT_GT(texts, 3) << p;
        // Above the foot's rule (2 cm above the page's lower edge, less 0.5).
        int stray = 0;
        for (int y = 0; y < px(29.7 - 2.0 + 0.3); ++y)
            for (int x = 0; x < im.width; ++x)
                stray += Inked(im, x, y) && !covered[static_cast<size_t>(y) * im.width + x];
        EXPECT_EQ(stray, 0) << "page " << p << ": ink outside the layout's boxes";
    }
}

// A list opened reads as the list read whole: the same verdicts, no block
// kept, and, walked as the renderer walks it, the same blocks in the same
// order, also from each block on (where a page is drawn from).
TEST(OliViewPages, AnOpenedListReadsAsTheListReadWhole) {
    testutil::TempDir dir;
    int lists = 0;
    for (const auto& [name, bytes] : Lists_Both_Ways()) {
        ++lists;
        const OliDocument whole = Read(bytes);
        testutil::Write_File(dir.file("liste.OLI"), bytes);
        const OliDocument opened = Opened(dir.file("liste.OLI"));
        ASSERT_TRUE(opened.file) << name;
        EXPECT_TRUE(opened.blocks.empty()) << name;
        EXPECT_EQ(Verdicts(opened), Verdicts(whole)) << name;
        EXPECT_EQ(OLI_Block_Count(opened), whole.blocks.size()) << name;
        std::vector<std::string> texts;
        for (const OliBlock& b : whole.blocks) texts.push_back(Oli_Block_Text(b));
        EXPECT_EQ(Walked(whole), texts) << name;
        std::vector<long long> offsets;
        ASSERT_EQ(Walked(opened, 0, 0, &offsets), texts) << name;
        // From each block on (a block is read from its lines up to the next
        // that sets text or a picture: three blocks on, the rest follows).
        for (size_t k = 0; k < offsets.size(); ++k) {
            const auto from = texts.begin() + static_cast<std::ptrdiff_t>(k);
            const std::vector<std::string> next(from, from + static_cast<std::ptrdiff_t>(std::min<size_t>(3, texts.size() - k)));
            ASSERT_EQ(Walked(opened, k, offsets[k], nullptr, 3), next) << name << ", from block " << k;
        }
    }
    EXPECT_GE(lists, 35);
    // A stream that is no file is read whole.
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    ASSERT_EQ(write(ends[1], kPara.data(), kPara.size()), static_cast<ssize_t>(kPara.size()));
    close(ends[1]);
    FILE* pipe_end = fdopen(ends[0], "rb");
    OliDocument read;
    EXPECT_EQ(OLI_Open_Document(pipe_end, &read), 1);
    std::fclose(pipe_end);
    EXPECT_FALSE(read.file);
    EXPECT_EQ(read.blocks.size(), 1u);
}

// A list opened is drawn as the list read whole: the same PDF, and every
// page drawn alone the same.
TEST(OliViewPages, AnOpenedListIsDrawnAsTheListReadWhole) {
    testutil::TempDir dir;
    int drawn = 0;
    for (const auto& [name, bytes] : Lists_Both_Ways()) {
        if (bytes.size() > 100000) continue;  // the two larger examples: a PDF of 20 and 40 pages
        const OliDocument whole = Read(bytes);
        testutil::Write_File(dir.file("liste.OLI"), bytes);
        const OliDocument opened = Opened(dir.file("liste.OLI"));
        const std::string pdf = Pdf_Of(whole, dir.file("whole.pdf"));
        EXPECT_GT(pdf.size(), 1000u) << name;
        EXPECT_TRUE(Pdf_Of(opened, dir.file("opened.pdf")) == pdf) << name;
        ++drawn;
    }
    EXPECT_GE(drawn, 34);
    // Each page of a list of some pages drawn alone, at the viewer's lowest
    // resolution.
    const std::string list = Long_List() + kPicture + "#SETYPOS\n256 0.5\n 1  0 3 4 0\n" + Long_List();
    testutil::Write_File(dir.file("lang.OLI"), list);
    const OliDocument whole = Read(list), opened = Opened(dir.file("lang.OLI"));
    OliPageSet* sets[2] = {OLI_Open_Page_Set(whole), OLI_Open_Page_Set(opened)};
    ASSERT_TRUE(sets[0] && sets[1]);
    const int pages = OLI_Page_Set_Count(sets[0]);
    EXPECT_GE(pages, 8);
    EXPECT_EQ(OLI_Page_Set_Count(sets[1]), pages);
    for (int p = pages; p >= 1; --p) {
        OliPageImage a, b;
        ASSERT_EQ(OLI_Render_Page_Image(sets[0], p, 20, &a), 1);
        ASSERT_EQ(OLI_Render_Page_Image(sets[1], p, 20, &b), 1);
        EXPECT_TRUE(a.rgb == b.rgb) << "page " << p;
    }
    OLI_Close_Page_Set(sets[0]);
    OLI_Close_Page_Set(sets[1]);
}

// The places pages are drawn from are kept in bounded number however long
// the list: those of the last pages each, of the pages before every
// stride-th, the stride doubling as the list grows. A page is drawn from its
// own place or the nearest kept before it, at most a stride before it.
TEST(OliViewPages, ThePlacesOfPagesKeptAreBounded) {
    using oli_render::Page_Starts;
    using oli_render::Resume;
    const auto place = [](int page) {
        Resume r;
        r.block = static_cast<size_t>(page);
        r.at.page = page;
        return r;
    };
    // 100,000 pages: 8,192 places at most before the last 64, so a stride
    // of 16 (100,000 / 8,192 = 12.2, rounded up to a power of two).
    Page_Starts starts;
    for (int p = 1; p <= 100000; ++p) {
        starts.Add(place(p));
        ASSERT_LE(starts.Kept(), 64u + 8192u + 1u) << p;
    }
    EXPECT_EQ(starts.Count(), 100000);
    EXPECT_EQ(starts.Last().block, 100000u);
    for (int p = 1; p <= 100000; p += 37) {
        const int from = static_cast<int>(starts.At_Or_Before(p).block);
        EXPECT_TRUE(from == p || (from < p && p - from < 16 && (from - 1) % 16 == 0)) << p << " from " << from;
    }
    for (int p = 100000 - 63; p <= 100000; ++p) EXPECT_EQ(starts.At_Or_Before(p).block, static_cast<size_t>(p));
    // Forgetting the last pages keeps the place of a recent page as found;
    // one no longer kept as found forgets them all.
    EXPECT_TRUE(starts.Keep_First(99990));
    EXPECT_EQ(starts.Count(), 99990);
    EXPECT_EQ(starts.Last().block, 99990u);
    EXPECT_FALSE(starts.Keep_First(50000));
    EXPECT_EQ(starts.Count(), 0);
    EXPECT_EQ(starts.Kept(), 0u);
    // A list of as many pages as are kept keeps each.
    Page_Starts all;
    for (int p = 1; p <= 8192 + 64; ++p) all.Add(place(p));
    for (int p = 1; p <= 8192 + 64; ++p) ASSERT_EQ(all.At_Or_Before(p).block, static_cast<size_t>(p));
}

// A page drawn from a place pages before it (a list of more pages than
// their places are kept of) is the page drawn from its own place.
TEST(OliViewPages, APageDrawnFromPagesBeforeItIsTheSamePage) {
    const OliDocument doc = Read(Long_List() + Long_List() + Long_List());
    OliPageSet* own = OLI_Open_Page_Set(doc);
    OliPageSet* sparse = OLI_Open_Page_Set(doc);
    ASSERT_TRUE(own && sparse);
    // The last page's place, and of the pages before every fourth one's.
    oli_render::Limit_Page_Places(sparse, 1, 2);
    const int pages = OLI_Page_Set_Count(own);
    ASSERT_GE(pages, 12);
    for (int p = 1; p <= pages; ++p) {
        OliPageImage a, b;
        ASSERT_EQ(OLI_Render_Page_Image(own, p, 20, &a), 1);
        ASSERT_EQ(OLI_Render_Page_Image(sparse, p, 20, &b), 1);
        EXPECT_TRUE(a.rgb == b.rgb) << "page " << p;
    }
    OLI_Close_Page_Set(own);
    OLI_Close_Page_Set(sparse);
}

// Whatever the strict check refuses is marked on every page, also where the
// reader finds nothing damaged: the reader walks the check over the same
// lines, and the fault is the check's own (before: rendered unmarked).
TEST(OliViewPages, WhatTheCheckRefusesIsMarkedOnEveryPage) {
    const std::string picture = "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 0 1\n";  // lines 9 to 13 after kPara
    const struct {
        const char* what;
        std::string bytes;
        int line;  // of the fault, counted by hand
    } cases[] = {
        {"a line outside any block", kPara + "stray\n#NEWPAGE\n" + kPara, 9},
        {"a record number that is no whole number", kPara + picture + "1e309 1 2 3 4\n -1\n#NEWPAGE\n" + kPara, 14},
        {"a record no writer gives", kPara + picture + " 99 1 2\n -1\n#NEWPAGE\n" + kPara, 14},
        {"a text line without its blank", kPara + "#NEWPAGE\n#SHOWPARA\n0x0\n4\n-1\nZeile\n#END_OF_TEXT\n0x0\n-1\n", 14},
        {"a caption flag of 2", kPara + "#SHOWGRAFIC\n 0 2 0\n 0 0 0\n-1\n0 1 0 1\n -1\n#NEWPAGE\n" + kPara, 10},
        {"#SETFLAGS without its empty line", kPara + "#SETFLAGS\n 4295\n#NEWPAGE\n" + kPara, 11},
    };
    for (const auto& c : cases) {
        const OliDocument doc = Read(c.bytes);
        EXPECT_EQ(doc.damaged, 0) << c.what;
        const std::string fault = Check(c.bytes);
        EXPECT_EQ(fault.rfind("line " + std::to_string(c.line) + ":", 0), 0u) << c.what << ": " << fault;
        EXPECT_EQ(doc.refused, fault) << c.what;
        const std::string mark = "Druckliste besch\xC3\xA4" "digt: Zeile " + std::to_string(c.line) +
                                 " ist fehlerhaft, die Seiten k\xC3\xB6nnen unvollst\xC3\xA4ndig sein";
        EXPECT_EQ(OLI_Page_Mark(doc), mark) << c.what;
        std::vector<OliTextBox> boxes;
        ASSERT_EQ(OLI_Render_Text_Boxes(doc, &boxes), 2) << c.what;
        int marked = 0;
        for (const OliTextBox& b : boxes) marked += b.kind == OLI_TEXT_FOOT && b.text == mark;
        EXPECT_EQ(marked, 2) << c.what;
    }
    // Damage and a cut keep their own words; a sound list has none.
    EXPECT_EQ(OLI_Page_Mark(Read(kPara + "#KAPUTT\n" + kPara)).rfind("Druckliste besch\xC3\xA4" "digt: 1 Teil", 0), 0u);
    EXPECT_EQ(OLI_Page_Mark(Read(kPara + "#NEWPAGE\n" + kPara)), "");
}

// The one reading of a number (reader, check and renderer): strtod's value,
// bit for bit, and its end, for every form a list may hold.
TEST(OliViewPages, NumbersReadAsStrtodReadsThem) {
    std::vector<std::string> forms = {
        "0", "-0", "1.", ".5", "-.5", "+3.5", " \t7.25", "12.345678", "-0.000001", "0.1", "0.3", "235.0 N",
        "123456789012345", "1234567890123456", "9007199254740993", "99999999999999.9", "0.0000000000000000000001",
        "000000000000000000012.5", "1e5", "1E-3", "5e", "0x1p3", "0x10", "inf", "-nan", "1.2.3", "-", ".", "",
        "1.7976931348623157e308", "1e309", "4.94e-324", "17.000000 ", "-1\n2"};
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 20000; ++i) {
        const int digits = 1 + static_cast<int>(random() % 15), point = static_cast<int>(random() % (digits + 8));
        std::string s = random() % 2 ? "-" : "";
        for (int k = 0; k < digits; ++k) {
            if (k == point) s += '.';
            s += static_cast<char>('0' + random() % 10);
        }
        forms.push_back(s);
    }
    for (const std::string& s : forms) {
        char* end_ours = nullptr;
        char* end_strtod = nullptr;
        const double ours = Oli_Number(s.c_str(), &end_ours), theirs = std::strtod(s.c_str(), &end_strtod);
        EXPECT_EQ(end_ours, end_strtod) << s;
        if (std::isnan(theirs)) EXPECT_TRUE(std::isnan(ours)) << s;
        else EXPECT_EQ(std::memcmp(&ours, &theirs, sizeof ours), 0) << s << ": " << ours << " " << theirs;
    }
}

// Memory that runs out while a list is shown or printed is said as such in
// the box ("zu wenig Speicher"), the screen comes back and no PDF is left
// (before: the list read as damaged, and the font code crashed). The viewer
// runs in a child process under a limit of its address space.
TEST(OliViewPages, RunningOutOfMemoryIsToldNotTakenForDamage) {
    if (&__asan_init) GTEST_SKIP() << "under AddressSanitizer";
    testutil::TempDir dir;
    const std::string list = dir.file("KNAPP_01.OLI");
    std::string bytes;
    for (int i = 0; i < 64; ++i) bytes += kPara;
    testutil::Write_File(list, bytes);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // No more than 32 MB beyond what the process holds: less than the
        // room the viewer leaves the page-drawing libraries.
        long long pages = 0;
        FILE* statm = std::fopen("/proc/self/statm", "r");
        if (!statm || std::fscanf(statm, "%lld", &pages) != 1) _exit(10);
        std::fclose(statm);
        const rlimit limit{static_cast<rlim_t>(pages * sysconf(_SC_PAGESIZE) + (32LL << 20)),
                           static_cast<rlim_t>(pages * sysconf(_SC_PAGESIZE) + (32LL << 20))};
        if (setrlimit(RLIMIT_AS, &limit) != 0) _exit(11);
        VEK_Clear_Recorded_Messages();
        if (Quick_OLI_View("KNAPP", list.c_str()) != 0) _exit(12);
        if (Quick_OLI_Print("KNAPP", list.c_str()) != 0) _exit(13);
        const auto& boxes = VEK_Recorded_Messages();
        if (boxes.size() != 2) _exit(14);
        const std::vector<std::string> shown = {"Die Druckliste kann nicht angezeigt werden.", list + ": zu wenig Speicher"};
        const std::vector<std::string> printed = {"Die Druckliste kann nicht gedruckt werden.", list + ": zu wenig Speicher"};
        if (boxes[0].lines != shown) _exit(15);
        if (boxes[1].lines != printed) _exit(16);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the viewer ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("KNAPP_01.pdf")));
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(e.path().filename().string().rfind(".vek-", 0), std::string::npos) << e.path();
}
