// Screen snapshots of the dialog tests (and of the pages above them): a
// rectangle of the headless screen compared pixel by pixel (as RGB) with a
// checked-in PNG in tests/data/dialogs/ (or another directory of
// tests/data/). The snapshot taken is always written to <name>.png in the
// test's own directory, kept so a person can look at it when the comparison
// fails. With WELD_UPDATE_SNAPSHOTS=1 in the environment the checked-in
// image is replaced instead (look at every replaced image before it is
// committed).
#ifndef TESTS_DIALOGS_SNAPSHOT_H
#define TESTS_DIALOGS_SNAPSHOT_H

#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/png.h"
#include "platform/screen.h"
#include "support/testutil.h"

namespace snapshot {

// RGB bytes of a PNG file, with its size; empty when it cannot be read.
inline std::vector<unsigned char> Read_Png_Rgb(const std::string& file, int* width, int* height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    std::vector<unsigned char> rgb;
    if (!png_image_begin_read_from_file(&image, file.c_str())) return rgb;
    image.format = PNG_FORMAT_RGB;
    rgb.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return {};
    }
    *width = static_cast<int>(image.width);
    *height = static_cast<int>(image.height);
    return rgb;
}

// Compares a PNG file taken by a test with tests/data/<dir>/<name>.png:
// same size, every pixel the same colour. Reports the first differing
// pixel. With WELD_UPDATE_SNAPSHOTS=1 the taken file replaces it instead.
inline void Expect_Png_Matches(const std::string& taken, const std::string& name,
                               const std::string& dir = "dialogs") {
    const std::string golden = std::string(WELD_SOURCE_DIR) + "/tests/data/" + dir + "/" + name + ".png";
    const char* update = std::getenv("WELD_UPDATE_SNAPSHOTS");
    if (update && std::string(update) == "1") {
        std::filesystem::create_directories(std::filesystem::path(golden).parent_path());
        std::filesystem::copy_file(taken, golden, std::filesystem::copy_options::overwrite_existing);
        return;
    }
    int gw = 0, gh = 0, tw = 0, th = 0;
    std::vector<unsigned char> want = Read_Png_Rgb(golden, &gw, &gh);
    std::vector<unsigned char> got = Read_Png_Rgb(taken, &tw, &th);
    ASSERT_FALSE(want.empty()) << "no checked-in snapshot " << golden;
    ASSERT_FALSE(got.empty()) << "no snapshot taken " << taken;
    ASSERT_EQ(tw, gw) << name;
    ASSERT_EQ(th, gh) << name;
    for (size_t i = 0; i < want.size(); i += 3) {
        if (want[i] == got[i] && want[i + 1] == got[i + 1] && want[i + 2] == got[i + 2]) continue;
        const int p = static_cast<int>(i / 3);
        ADD_FAILURE() << name << ": pixel (" << p % gw << ", " << p / gw << ") differs; see " << taken;
        return;
    }
}

// The screen rectangle written to <name>.png in the test's own directory
// (kept for a person to look at when the test fails) and compared with
// tests/data/<dir>/<name>.png.
inline void Expect_Screen_Matches(const std::string& name, int x1, int y1, int x2, int y2,
                                  const std::string& dir = "dialogs") {
    const std::string taken = testutil::Test_Dir() + "/" + name + ".png";
    ASSERT_EQ(Screen_Write_PNG_Rect(taken.c_str(), x1, y1, x2, y2), 1);
    Expect_Png_Matches(taken, name, dir);
}

}  // namespace snapshot

#endif
