// A catalogue designation the profile file lacks is named, never shown as
// "???": read from an input file whose profile block is of version 1 (the
// window's box and the print list), and on the DIN path (the list).
#include <gtest/gtest.h>

#include <string>

#include "support/testutil.h"
#include "weldapp/batch_desktop.h"

namespace {

// The example's input file with its lines replaced: line number (1-based)
// and new text; a null text removes the line.
std::string Edited(const std::string& example, std::initializer_list<std::pair<int, const char*>> edits) {
    const std::string text = testutil::Read_File(kExamples + example);
    std::string out;
    int n = 0;
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find('\n', at);
        const std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at + 1);
        at = end == std::string::npos ? text.size() : end + 1;
        bool kept = true;
        ++n;
        for (const auto& [number, replacement] : edits)
            if (number == n) {
                kept = false;
                if (replacement) out += std::string(replacement) + "\n";
            }
        if (kept) out += line;
    }
    return out;
}

}  // namespace

TEST(UnknownProfileNames, NamedInTheBoxAndTheLists) {
    const char* box = "Das Profil \"HE999X\" ist in der Bibliothek nicht vorhanden.";
    // Version 1 of the profile block: no r_2, manager, overhang, weld-kind
    // or hot-finished lines.
    {
        Desktop d;
        d.Add("he280a_end_plate", "A001");
        testutil::Write_File(d.project + "/A001_01.INP",
                             Edited("he280a_end_plate/A001_01.INP", {{11, " 1"}, {13, " HE999X"}, {17, nullptr},
                                                                     {18, nullptr}, {19, nullptr}}));
        testutil::Write_File(d.dir.file("script.txt"), "# the window opened and closed\n");
        d.Run("A001 0 1 1", true, "VEK_SCRIPT='" + d.dir.file("script.txt") + "'");
        EXPECT_NE(d.err.find(box), std::string::npos) << d.err;
        EXPECT_EQ(d.Run("A001 0 1 1 -refresh"), 1);
        const std::string list = testutil::Read_File(d.project + "/A001_01.OLI");
        EXPECT_NE(list.find(" Profil  HE999X\n"), std::string::npos);
        EXPECT_EQ(list.find("???"), std::string::npos);
    }
    // The DIN path looks the designation up in the profile file itself.
    {
        Desktop d;
        d.Add("din_he200a", "D001");
        testutil::Write_File(d.project + "/D001_01.INP", Edited("din_he200a/D001_01.INP", {{13, " HE999X"}}));
        EXPECT_EQ(d.Run("D001 0 1 1 -refresh"), 1);
        const std::string list = testutil::Read_File(d.project + "/D001_01.OLI");
        EXPECT_NE(list.find(" Fehler in der Profildatenbank!\n " + std::string(box) + "\n"), std::string::npos);
        EXPECT_EQ(list.find("???"), std::string::npos);
    }
}
