// Scripted runs (VEK_SCRIPT): the first click after an edit counts,
// however the edit ended (Tab, Enter, keys that run out, a chain ended):
// a register tab clicked right after a field of the input page, "Ende"
// clicked right after a cell of the load table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/testutil.h"
#include "support/xvfb.h"
#include "weldapp/batch_desktop.h"

namespace {

using testutil::Pixel;

}  // namespace

TEST(ClickAfterEdit, TabAndEndCountAtOnce) {
    const char* const endings[] = {"type 9 20", "type 13 20", "keys 0x32 0x30 0x0D", "keys 0x32 0x30", "type 0 20"};
    const unsigned chosen_tab = 0x004E98u, end_dialog = 0xD4D0C8u;
    const struct {
        const char *before, *click;
        int x, y;
        unsigned colour;
    } cases[] = {
        {"click 265 262\n", "click 110 30\n", 110, 9, chosen_tab},                 // plate, then "Lasten"
        {"click 110 30\nclick 116 191\n", "click 1250 27\n", 600, 445, end_dialog},  // N of LK 1, then "Ende"
    };
    for (const auto& c : cases)
        for (const char* ending : endings) {
            Desktop d;
            const std::string shot = d.dir.file("shot.png");
            testutil::Write_File(d.dir.file("script.txt"), std::string(c.before) + ending + "\n" + c.click +
                                                               "snapshot " + shot + "\n");
            d.Run("A001 0 1 1", true, "VEK_SCRIPT='" + d.dir.file("script.txt") + "'");
            EXPECT_EQ(Pixel(shot, c.x, c.y), c.colour) << c.click << " after " << ending;
        }
}
