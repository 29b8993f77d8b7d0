// Damaged numbers and absurd partial factors through the batch path, as the
// desktop runs the program: a user annex whose gamma_M2 is hexadecimal,
// underflows or lies outside 0.5 .. 3, and a connection with its own
// gamma_M2 of 1e300. None of them may end "Nachweis erbracht"; the console
// names the factor that was refused, and no number runs to hundreds of
// digits.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "support/testutil.h"
#include "weldapp/batch_desktop.h"

namespace test_batch_readers {
namespace {

namespace fs = std::filesystem;

const std::string kRun = "0 1 1 -refresh";

std::string Replaced(const std::string& text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.substr(0, at) + to + text.substr(at + from.size());
}

// The German set as the user annex "Eigen" with gamma_M2 written as given;
// the example's connection asks for it. Before, "0x10" was read as 16 and
// "0x0.cp0" as 0.75, both ending "Nachweis erbracht".
TEST(BatchReaders, AnnexFactorThatIsNoDecimalNumberOrOutOfRange) {
    std::string annex = testutil::Read_File(std::string(WELD_SOURCE_DIR) + "/data/NAD/Deutschland.NAD");
    annex = Replaced(annex, "\xAE" "Deutschland\xAF", "\xAE" "Eigen\xAF");
    const struct {
        const char* gamma_M2;
        const char* reason;  // the console's second line, "" for none
    } cases[] = {
        {"0x10", ""},
        {"0x0.cp0", ""},
        {"1e-400", ""},
        {"0.3", "NAD \"Eigen\": gamma_M2 = 0.3 liegt nicht zwischen 0.5 und 3\n"},
        {"1e300", "NAD \"Eigen\": gamma_M2 = 1e+300 liegt nicht zwischen 0.5 und 3\n"},
    };
    for (const auto& c : cases) {
        Desktop d;
        d.Add("he280a_end_plate", "A001");
        fs::create_directories(d.dir.file("dram/NADS"));
        testutil::Write_File(d.dir.file("dram/NADS/1.NAD"),
                             Replaced(annex, " 4 1.000000 1.100000 1.250000",
                                      std::string(" 4 1.000000 1.100000 ") + c.gamma_M2));
        testutil::Write_File(d.project + "/A001_01.INP",
                             Replaced(d.File("A001_01.INP"), "\xAE" "Deutschland\xAF", "\xAE" "Eigen\xAF"));
        ASSERT_EQ(d.Run("A001 " + kRun), 1) << d.err;
        const std::string list = d.File("A001_01.OLI");
        EXPECT_EQ(list.find("Nachweis erbracht"), std::string::npos) << c.gamma_M2;
        EXPECT_NE(list.find("NAD \"Eigen\" nicht lesbar  \x88  Nachweise werden nicht gef\x81hrt"), std::string::npos)
            << c.gamma_M2;
        EXPECT_EQ(d.err, "NAD \"Eigen\" nicht lesbar: es gelten die EC-Standardparameter\n" + std::string(c.reason))
            << c.gamma_M2;
    }
}

// The connection's own gamma_M2 of 1e300: refused by name, printed in a
// few characters (before, as a number of 301 digits beside "ok" lines). The
// reader refuses it with its line, as the field refuses it when typed.
TEST(BatchReaders, OwnPartialFactorOutOfRangeIsRefusedByName) {
    Desktop d;
    d.Add("he280a_end_plate", "A001");
    testutil::Write_File(d.project + "/A001_01.INP", Replaced(d.File("A001_01.INP"), " 2\n 1\n 1.000000 1.100000 1.250000",
                                                                " 2\n 0\n 1.000000 1.100000 1e300"));
    ASSERT_EQ(d.Run("A001 " + kRun), 1) << d.err;
    const std::string list = d.File("A001_01.OLI");
    EXPECT_EQ(list.find("Nachweis erbracht"), std::string::npos);
    EXPECT_NE(list.find("\n Eingabedatei A001_01.INP: Zeile 5: Teilsicherheitsbeiwert \xC0\xCE\\M2\xCEr = 1e+300 "
                        "ung\x81ltig (nicht zwischen 0.5 und 3)\n Es wurde kein Nachweis gef\x81hrt.\n"),
              std::string::npos)
        << list;
    EXPECT_FALSE(std::regex_search(list, std::regex("[0-9]{20}")));
}

}  // namespace

}  // namespace test_batch_readers
