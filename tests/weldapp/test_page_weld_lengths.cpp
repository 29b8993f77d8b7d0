// The lengths the input page lays and offers for single welds on the
// faces of sloped flanges: those the check lays the welds on.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "dialogs/area_session.h"
#include "platform/field_number.h"
#include "profiles/catalogue_fixture.h"
#include "weldapp/input_page.h"
#include "weldapp/record_fixture.h"
#include "weldcheck/weldelem.h"

namespace {

// The slope of a series' inner flange faces as its standard gives it, and
// where its t_f stands from the tip (the catalogue's: beams and tees b/4,
// channels b/2); slope 0 for a series whose flanges are parallel.
struct Standard_Flange {
    double slope, t_f_at;
};
Standard_Flange Standard_Of(const testutil::Shipped& r) {
    const std::string& name = r.name;
    const auto series = [&](const char* prefix) {
        const size_t n = std::strlen(prefix);
        return name.compare(0, n, prefix) == 0 && n < name.size() && std::isdigit(static_cast<unsigned char>(name[n]));
    };
    const double b = 10 * r.v[1];
    if (series("I") || series("IPN")) return {0.14, b / 4};
    if (series("1/2I")) return {0.14, b / 4};
    if (series("S")) return {1.0 / 6, b / 4};
    if (series("C")) return {1.0 / 6, b / 2};
    if (series("U") || series("UPN")) return {10 * r.v[0] > 300 ? 0.05 : 0.08, b / 2};
    return {0, 0};
}

}  // namespace

// Every catalogue profile whose flanges slope (I and IPN 14 %, S 1:6, the
// half I 14 %, U 8 % and from U 320 on 5 %, C 1:6) gets its single welds at
// full length along the faces the check lays them on, and its fields take
// no more: the inner flange faces' straight part, from the toe's rounding
// to the root fillet along the slope, and the web's (a half I's stem's)
// face from where the root fillets end, where they are shorter than the
// plates' faces; the other faces are the plates' (a longer rolled face is
// checked with the length given: a channel's inner flange face, which
// runs along the slope into the root fillet, C 150 x 51 x 12.2's 34.16 mm
// for the plates' 31.72).
// By hand from the published dimensions, a flange seen from its tip: its
// inner face z = t_f + s (x - x_t) (t_f at x_t), the outstand c ((b - t_w) /
// 2, a channel's b - t_w), k = sqrt(1 + s^2). The toe's rounding (r_2)
// touches the face at x = r_2 (1 - s / k), the root fillet (r_1) at x = c -
// r_1 (1 - s / k): the face is (c - r_1 - r_2) k + (r_1 + r_2) s long. The
// root fillet meets the web at z_w = t_f + s (c - r_1 - x_t) + r_1 k: the
// web's face is h - 2 z_w, a stem's h - z_w. IPN 200 (b 90, t_w 7.5, t_f
// 11.3, r_1 7.5, r_2 4.5): 31.215 for the plates' 33.75, the web 159.104 for
// 162.4. Before, the page laid the plates' faces, which the check cut to
// these.
TEST(PageWeldLengths, SlopedFlangesOfferTheirRolledFaces) {
    testutil::TempDir dir;
    namespace fs = std::filesystem;
    fs::create_directories(dir.file("data"));
    fs::copy(std::string(WELD_SOURCE_DIR) + "/data/NAD", dir.file("data/NAD"), fs::copy_options::recursive);
    fs::copy_file(WELD_PROFIL_FILE, dir.file("data/PROFIL"));
    testutil::ScopedEnv data("DATA", dir.file("data")), dram("DRAM", dir.file("data"));
    Begin_Area_Session(1280, 1024);
    const int area = Open_Area_Sheet("", 9, 55, 1266, 1010, 1, 100);
    testutil::Record rec;
    Nahtbild& n = rec.r.naht;
    Default_Schweissnaht(&rec.r);
    n.all_round = 0;
    Record_to_Sheet(&rec.r);
    Apply_Sheet_to_Record(&rec.r);
    std::map<std::string, int> families, faces;
    for (const testutil::Shipped& r : testutil::Shipped_Records()) {
        const Standard_Flange flange = Standard_Of(r);
        if (!(flange.slope > 0)) continue;
        SCOPED_TRACE(r.name);
        std::snprintf(n.profile.name, sizeof n.profile.name, "%s", r.name.c_str());
        Apply_Sheet_to_Record(&rec.r);
        ASSERT_EQ(std::string(n.profile.name).substr(0, r.name.size()), r.name);
        const double h = 10 * r.v[0], b = 10 * r.v[1], t_w = 10 * r.v[2], t_f = 10 * r.v[3];
        const double r_1 = 10 * r.v[25], r_2 = std::max(10 * r.v[26], 0.0f), s = flange.slope;
        const bool channel = r.letter == 'U', tee = r.letter == 'T';
        const double c = channel ? b - t_w : (b - t_w) / 2, k = std::sqrt(1 + s * s);
        const double face = (c - r_1 - r_2) * k + (r_1 + r_2) * s;
        const double z_w = t_f + s * (c - r_1 - flange.t_f_at) + r_1 * k, web = tee ? h - z_w : h - 2 * z_w;
        std::map<int, double> rolled;  // slot: length
        if (channel) rolled = {{1, face}, {4, face}, {6, web}};
        else if (tee) rolled = {{1, face}, {5, face}, {2, web}, {6, web}};
        else rolled = {{1, face}, {5, face}, {4, face}, {7, face}, {2, web}, {6, web}};
        double plates[STAHLPROFIL_EDGES];
        int numbers[STAHLPROFIL_EDGES];
        ASSERT_EQ(n.weld_count, Get_Profile_Plate_Elements(&n.profile, plates, numbers));
        for (int i = 0; i < n.weld_count; i++) {
            if (numbers[i] <= 0) continue;
            const auto at = rolled.find(i);
            const bool shorter = at != rolled.end() && at->second < plates[i];
            // The record tells the slope by its value 27 in single precision.
            EXPECT_NEAR(n.length[i], shorter ? at->second : plates[i], 0.002) << "slot " << i;
            if (shorter) {
                EXPECT_GT(plates[i] - n.length[i], 0.01) << "slot " << i;
                faces[std::string(1, r.letter) + (at->second == face ? " inner" : " web")]++;
            }
        }
        families[r.name.substr(0, r.name.find_first_of("0123456789", r.name[0] == '1' ? 3 : 0))]++;
    }
    EXPECT_EQ(families, (std::map<std::string, int>{{"1/2I", 7}, {"C", 22}, {"I", 23}, {"IPN", 16}, {"S", 6}, {"U", 21}}));
    // The faces whose rolled length is the shorter: the inner flange faces
    // of I and IPN (S's steeper ones are the longer), every web and stem
    // but U 40 x 20's: its root fillet begins nearer the tip than its t_f
    // stands (20 - 5 - 5.5 < 20 / 2), where the flange is thinner, and its
    // web's face is 40 - 2 (5.5 - 0.08 0.5 + 5.5 k) = 18.045 mm for 18.
    EXPECT_EQ(faces, (std::map<std::string, int>{{"D inner", 4 * 39}, {"D web", 2 * 45}, {"T web", 2 * 7},
                                                 {"U web", 42}}));
    // IPN 200's fields take up to the rolled faces, an outer flange's weld
    // up to the flange's width.
    std::snprintf(n.profile.name, sizeof n.profile.name, "IPN200");
    Apply_Sheet_to_Record(&rec.r);
    Clear_Scrollable_View_Area(area);
    int y = 20;
    Draw_Nachweis_Page(&rec.r, area, 30, &y, 22, 18, 1200, 1);
    std::map<const double*, double> bound;
    for (const Scrollable_Area_Item* it : Area_Items(area, AREA_ITEM_DOUBLE))
        if (it->bounded) bound[it->value] = it->maximum;
    const double inner = (41.25 - 12) * std::sqrt(1 + 0.14 * 0.14) + 12 * 0.14;
    const double web = 200 - 2 * (11.3 + 0.14 * (41.25 - 7.5 - 22.5) + 7.5 * std::sqrt(1 + 0.14 * 0.14));
    EXPECT_NEAR(inner, 31.215, 5e-4);
    EXPECT_NEAR(web, 159.104, 5e-4);
    for (const auto& [slot, length] : std::map<int, double>{{1, inner}, {2, web}, {0, 90.0}}) {
        ASSERT_EQ(bound.count(&n.length[slot]), 1u) << slot;
        EXPECT_NEAR(bound[&n.length[slot]], length, 1e-5) << slot;
    }
    // IPN 200 as a file written before holds it, its welds along the
    // plates' faces (33.75 and 162.4), one typed shorter (20): IPN 220
    // chosen lays its faces in full for the first, as for a full length,
    // and keeps the one typed. IPN 220 (b 98, t_w 8.1, t_f 12.2, r_1 8.1,
    // r_2 4.9): (44.95 - 13) k + 13 0.14 = 34.082.
    n.length[1] = n.length[5] = 33.75, n.length[2] = 162.4, n.length[4] = 20;
    Apply_Sheet_to_Record(&rec.r);
    std::snprintf(n.profile.name, sizeof n.profile.name, "IPN220");
    VEK_Clear_Recorded_Messages();
    Apply_Sheet_to_Record(&rec.r);
    const double k = std::sqrt(1 + 0.14 * 0.14), inner_220 = (44.95 - 13) * k + 13 * 0.14;
    EXPECT_NEAR(inner_220, 34.082, 5e-4);
    EXPECT_NEAR(n.length[1], inner_220, 2e-3);
    EXPECT_NEAR(n.length[5], inner_220, 2e-3);
    EXPECT_NEAR(n.length[2], 220 - 2 * (12.2 + 0.14 * (44.95 - 8.1 - 24.5) + 8.1 * k), 2e-3);
    EXPECT_EQ(n.length[4], 20.0);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
    End_Area_Session();
}
