// A shipped example opened in the window path and saved unchanged ("Ende",
// Enter on "speichern und beenden") writes back the input file it read:
// every value, the profile's type and every weld length to the last digit.
// Only the padding of a name may differ (blanks, written as "~").
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/testutil.h"
#include "weldapp/batch_desktop.h"

namespace {

// The lines of a text, each without the "~" that pad it.
std::string Without_Padding(const std::string& text) {
    std::istringstream in(text);
    std::string out, line;
    while (std::getline(in, line)) {
        while (!line.empty() && line.back() == '~') line.pop_back();
        out += line + "\n";
    }
    return out;
}

}  // namespace

TEST(ExampleRoundTrip, SavedUnchangedGivesTheSameInputFile) {
    // The EC examples; the DIN example's material blocks take the DIN
    // grade's strength when the page is built (f_y,k 240 for S235).
    const struct {
        const char *folder, *id;
    } examples[] = {{"he280a_end_plate", "A001"}, {"rhs_160x80", "B001"}, {"flat_bar", "C001"}};
    for (const auto& e : examples) {
        Desktop d;
        d.Add(e.folder, e.id);
        testutil::Write_File(d.dir.file("script.txt"), "click 1250 27\nkey 13\n");
        EXPECT_EQ(d.Run(std::string(e.id) + " 0 1 1", true, "VEK_SCRIPT='" + d.dir.file("script.txt") + "'"), 1)
            << e.id << d.err;
        const std::string shipped = testutil::Read_File(kExamples + e.folder + "/" + e.id + "_01.INP");
        const std::string saved = testutil::Read_File(d.project + "/" + e.id + "_01.INP");
        ASSERT_FALSE(shipped.empty()) << e.id;
        EXPECT_EQ(Without_Padding(saved), Without_Padding(shipped)) << e.id;
    }
}
