// The scaled drawing of the fillet-weld connection: every profile family,
// by dimensions and from the profile file, with welds by position and all
// round, and the empty case.
//
// Each drawing is compared byte for byte with its golden file in
// tests/data/drawings/kehlnaht. Every line of those files was checked by
// an independent rebuild of the records from the drawing's rules
// (tests/data/drawings/kehlnaht/check_kehlnaht.py: outline corners, seam
// offsets, bands, labels, header and end plate worked out without this
// code); the README there lists the cases. The rendered first pages are
// checked in beside them and compared with a fresh rendering here.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "drawings/anschluss_messages.h"
#include "drawings/kehlnaht_drawing.h"
#include "drawings/polyverg.h"
#include "platform/msgbox.h"
#include "platform/oli_view.h"
#include "profiles/geschweisster_anschluss.h"
#include "support/global_state.h"
#include "support/testutil.h"

namespace {

void Reset_Kehlnaht_State() {
    Reset_Anschluss_State();
    Reset_Kehlnaht_Drawing();
}
const testutil::Global_Reset reset_kehlnaht(Reset_Kehlnaht_State);

// One drawing: the record's family code, catalogue name (empty: by
// dimensions), h, b, t, s, r and the welds.
struct Case {
    const char* file;
    int family;  // record family code
    const char* name;
    double h, b, t, s, r;
    int all_round;
    double l[8], a[8];
};

const Case CASES[] = {
    {"flat", ANSCHLUSS_FLAT, "", 100, 0, 10, 0, 0, 0, {10, 100, 100, 10}, {4, 4, 4, 4}},
    {"flat_all_round", ANSCHLUSS_FLAT, "", 100, 0, 10, 0, 0, 1, {}, {}},
    {"round_all_round", ANSCHLUSS_ROUND, "", 40, 0, 0, 0, 0, 1, {}, {}},
    {"tube_all_round", ANSCHLUSS_CHS, "", 88.9, 0, 0, 5, 0, 1, {}, {}},
    {"angle", ANSCHLUSS_ANGLE, "", 100, 80, 8, 8, 0, 0, {100, 92, 72, 80}, {4, 3, 3, 4}},
    {"angle_catalogue", ANSCHLUSS_ANGLE, "L100X10", 100, 100, 10, 10, 12, 0, {100, 78, 78, 100}, {5, 4, 4, 5}},
    {"tee", ANSCHLUSS_TEE, "", 150, 150, 12, 8, 0, 0, {150, 71, 71, 138, 138}, {5, 4, 4, 4, 4}},
    {"tee_half_ipe", ANSCHLUSS_TEE, "1/2IPE300", 150, 150, 10.7, 7.1, 15, 0, {150, 56, 56, 124, 124}, {4, 3, 3, 3, 3}},
    {"tee_half_i", ANSCHLUSS_TEE, "1/2I300", 150, 125, 16.2, 10.8, 10.8, 0, {125, 40, 40, 110, 110}, {5, 4, 4, 4, 4}},
    {"channel", ANSCHLUSS_CHANNEL, "", 200, 80, 11, 8, 0, 0, {80, 72, 200, 178, 72, 80}, {4, 3, 4, 3, 3, 4}},
    {"channel_catalogue", ANSCHLUSS_CHANNEL, "U300", 300, 100, 16, 10, 16, 0, {100, 60, 300, 220, 60, 100},
     {5, 4, 5, 4, 4, 5}},
    {"rhs", ANSCHLUSS_RHS, "", 150, 100, 8, 8, 0, 0, {100, 150, 150, 100}, {4, 4, 4, 4}},
    {"rhs_catalogue", ANSCHLUSS_RHS, "MSH100X100X5.0", 100, 100, 5, 5, 0, 0, {85, 85, 85, 85}, {3, 3, 3, 3}},
    {"i_welded", ANSCHLUSS_I, "", 300, 200, 15, 10, 0, 0, {200, 95, 95, 270, 270, 95, 95, 200},
     {5, 4, 4, 4, 4, 4, 4, 5}},
    {"i_catalogue", ANSCHLUSS_I, "HE300A", 290, 300, 14, 8.5, 27, 0, {300, 118, 118, 208, 208, 118, 118, 300},
     {6, 5, 5, 4, 4, 5, 5, 6}},
    {"i_catalogue_all_round", ANSCHLUSS_I, "HE300A", 290, 300, 14, 8.5, 27, 1, {}, {}},
    {"i_tapered_web", ANSCHLUSS_I, "I300", 300, 125, 16.2, 10.8, 10.8, 0, {0, 0, 0, 230, 230}, {0, 0, 0, 4, 4}},
    {"empty", -1, "", 100, 100, 10, 10, 0, 0, {}, {}},
};

class Kehlnaht : public ::testing::Test {
protected:
    void SetUp() override {
        data_ = std::make_unique<testutil::ScopedEnv>("DATA", std::filesystem::path(WELD_PROFIL_FILE).parent_path().string());
    }
    // The drawing of a case into a file of its own; returns its bytes.
    std::string Draw(const Case& c) {
        GeschweissterAnschluss r;
        Init_Geschweisster_Anschluss(&r);
        r.h = c.h, r.b = c.b, r.t = c.t, r.s = c.s, r.r = c.r;
        r.family = c.family;
        r.weld_kind = c.all_round ? 2 : 1;
        for (int p = 0; p < 8; p++) r.l_pos[p] = c.l[p], r.a_pos[p] = c.a[p];
        const bool catalogue = c.name[0] != '\0';
        std::snprintf(r.drawing_name, sizeof r.drawing_name, "%s", c.name);
        const std::string path = dir_.file(std::string(c.file) + ".OLI");
        FILE* f = std::fopen(path.c_str(), "wb");
        EXPECT_NE(f, nullptr);
        Anschluss_Plot_File = f;
        Draw_Kehlnahtanschluss(&r, 0, 0, 100, 100, 2, 0, 0, c.family + 1, catalogue ? 1 : 0, r.drawing_name);
        Anschluss_Plot_File = nullptr;
        std::fclose(f);
        EXPECT_EQ(r.h2, c.h);
        EXPECT_EQ(r.r2, c.r);
        return testutil::Read_File(path);
    }
    testutil::TempDir dir_;
    std::unique_ptr<testutil::ScopedEnv> data_;
};

// Pixels of two PNG files of the same size that differ by more than a
// quarter of a channel; -1 when either cannot be read or the sizes differ.
long Differing_Pixels(const std::string& a, const std::string& b) {
    cairo_surface_t* sa = cairo_image_surface_create_from_png(a.c_str());
    cairo_surface_t* sb = cairo_image_surface_create_from_png(b.c_str());
    long n = -1;
    const int w = cairo_image_surface_get_width(sa), h = cairo_image_surface_get_height(sa);
    if (cairo_surface_status(sa) == CAIRO_STATUS_SUCCESS && cairo_surface_status(sb) == CAIRO_STATUS_SUCCESS &&
        w == cairo_image_surface_get_width(sb) && h == cairo_image_surface_get_height(sb)) {
        n = 0;
        cairo_surface_flush(sa);
        cairo_surface_flush(sb);
        for (int y = 0; y < h; y++) {
            const unsigned char* pa = cairo_image_surface_get_data(sa) + y * cairo_image_surface_get_stride(sa);
            const unsigned char* pb = cairo_image_surface_get_data(sb) + y * cairo_image_surface_get_stride(sb);
            for (int x = 0; x < 4 * w; x += 4)
                for (int k = 0; k < 3; k++)
                    if (std::abs(pa[x + k] - pb[x + k]) > 64) {
                        n++;
                        break;
                    }
        }
    }
    cairo_surface_destroy(sa);
    cairo_surface_destroy(sb);
    return n;
}

TEST_F(Kehlnaht, EveryFamilyAsItsGoldenFile) {
    for (const Case& c : CASES) {
        const std::string got = Draw(c);
        const std::string golden = testutil::Fixture(std::string("drawings/kehlnaht/") + c.file + ".OLI");
        const std::string out = testutil::Test_Dir() + "/kehlnaht_" + c.file + ".OLI";
        testutil::Write_File(out, got);
        EXPECT_EQ(got, testutil::Read_File(golden)) << c.file << " (written to " << out << ")";
    }
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
}

// The first page of every golden drawing rendered as a person looks at it,
// against the picture checked in beside it (after it was looked at): the
// renderer's anti-aliasing may differ a little, a changed drawing not.
TEST_F(Kehlnaht, RenderedPagesAsCheckedIn) {
    for (const Case& c : CASES) {
        FILE* f = std::fopen(testutil::Fixture(std::string("drawings/kehlnaht/") + c.file + ".OLI").c_str(), "rb");
        ASSERT_NE(f, nullptr) << c.file;
        OliDocument doc;
        OLI_Read_Document(f, &doc);
        std::fclose(f);
        EXPECT_EQ(doc.damaged, 0) << c.file;
        const std::string png = testutil::Test_Dir() + "/kehlnaht_" + c.file + ".png";
        ASSERT_EQ(OLI_Render_PNG(doc, 1, 100, png.c_str()), 1) << c.file;
        const long n = Differing_Pixels(png, testutil::Fixture(std::string("drawings/kehlnaht/") + c.file + ".png"));
        EXPECT_GE(n, 0) << c.file;
        EXPECT_LT(n, 200) << c.file << ": " << n << " pixels differ from the checked-in picture";
    }
}

}  // namespace
