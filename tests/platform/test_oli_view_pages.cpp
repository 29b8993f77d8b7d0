// Print-list viewer stand-in: a page drawn alone stands where the layout
// of the whole list puts it, whatever the check refuses is marked on the
// pages, one reading of numbers, and memory that runs out is told as such.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/msgbox.h"
#include "platform/oli_lines_internal.h"
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
