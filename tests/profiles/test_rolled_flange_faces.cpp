// The straight faces of rolled flanges between the toe's rounding and the
// root fillet, against the flange worked out another way
// (testutil::Flange_By_Hand).
#include <gtest/gtest.h>

#include <cmath>

#include "profiles/catalogue_fixture.h"
#include "profiles/catalogue_outline.h"
#include "profiles/rolled_flange_faces.h"

namespace {

using Pt = testutil::Flange_Point;
using Reference = testutil::Hand_Flange;

// IPN 200, UPN 200, C 150 x 51 x 12.2 (1:6, no toe radius), half I 300
// and IPE 240 (parallel), mm.
const Catalogue_Outline kOutlines[] = {
    {'D', 200, 90, 7.5, 11.3, 7.5, 4.5, 0.14, 22.5},
    {'U', 200, 75, 8.5, 11.5, 11.5, 6.0, 0.08, 37.5},
    {'U', 152, 48.8, 5.08, 8.71, 12.0, 0.0, 1.0 / 6, 24.4},
    {'T', 150, 125, 10.8, 16.2, 10.8, 6.5, 0.14, 31.25},
    {'D', 240, 120, 6.2, 9.8, 15.0, 0.0, 0.0, 30.0},
};

TEST(RolledFlangeFaces, TheStraightFacesAsTheirCirclesTouchThem) {
    for (const Catalogue_Outline& o : kOutlines) {
        SCOPED_TRACE(std::string(1, o.letter) + " b " + std::to_string(o.b));
        const Reference r = testutil::Flange_By_Hand(o);
        Rolled_Flange_Faces f;
        ASSERT_EQ(Outline_Flange_Faces(&o, &f), 1);
        EXPECT_DOUBLE_EQ(f.slope, o.slope);
        EXPECT_NEAR(f.tip, r.toe_centre.z, 1e-9);
        EXPECT_NEAR(f.x_toe, r.toe_on_face.x, 1e-9);
        EXPECT_NEAR(f.z_toe, r.toe_on_face.z, 1e-9);
        EXPECT_NEAR(f.x_root, r.root_on_face.x, 1e-9);
        EXPECT_NEAR(f.z_root, r.root_on_face.z, 1e-9);
        EXPECT_NEAR(f.web, r.root_centre.z, 1e-9);
        EXPECT_NEAR(f.outstand, r.c, 1e-12);
        // Each rounding runs on its circle from the face before it to the
        // face after it, turning one way.
        for (int toe : {1, 0}) {
            const Pt centre = toe ? r.toe_centre : r.root_centre;
            const double radius = toe ? o.r_2 : o.r_1;
            const Pt first = toe ? Pt{0, centre.z} : r.root_on_face, last = toe ? r.toe_on_face : Pt{r.c, centre.z};
            double before = NAN;
            for (int i = 0; i <= 8; i++) {
                double x, z;
                Flange_Rounding_Point(&f, toe, i / 8.0, &x, &z);
                EXPECT_NEAR(std::hypot(x - centre.x, z - centre.z), radius, 1e-9);
                const Pt end = i == 0 ? first : last;
                if (i == 0 || i == 8) {
                    EXPECT_NEAR(std::hypot(x - end.x, z - end.z), 0, 1e-9);
                }
                const double angle = std::atan2(z - centre.z, x - centre.x);
                if (radius > 0 && i > 0) {
                    EXPECT_LT(toe ? angle - before : before - angle, 0) << i;
                }
                before = angle;
            }
        }
    }
}

// IPN 200 (slope 14 %, t_f 11.3 at b/4, r 7.5, toe 4.5): the inner face
// runs from 41.12 to 10.21 mm beside the web axis, 31.2 mm long along the
// slope; the web's straight face begins 20.45 mm below the flange's outer
// face, 159.1 mm long between the root fillets (hand calculation: the
// toe's centre 4.5 from the tip, its foot 4.5 · 0.14 / 1.00975 = 0.624
// further out: 45 - 4.5 + 0.624; the root fillet's centre at 11.25 beside
// the axis, its foot 1.040 nearer; the centre's height 8.15 + 0.14 · 33.75
// + 7.5 · 1.00975).
TEST(RolledFlangeFaces, IPN200ByHand) {
    Rolled_Flange_Faces f;
    ASSERT_EQ(Outline_Flange_Faces(&kOutlines[0], &f), 1);
    EXPECT_NEAR(45 - f.x_toe, 41.124, 0.001);
    EXPECT_NEAR(45 - f.x_root, 10.210, 0.001);
    EXPECT_NEAR((f.x_root - f.x_toe) * std::hypot(1.0, f.slope), 31.215, 0.001);
    EXPECT_NEAR(f.web, 20.448, 0.001);
    EXPECT_NEAR(200 - 2 * f.web, 159.104, 0.001);
}

// What makes no straight face: another family, a toe and root fillet that
// meet, a flange with no thickness at the tip, null arguments.
TEST(RolledFlangeFaces, NoFaceRefused) {
    Rolled_Flange_Faces f{};
    f.tip = -7;
    Catalogue_Outline angle{'L', 100, 100, 10, 10, 12, 6, 0, 0};
    Catalogue_Outline met = kOutlines[4];  // IPE 240: root fillet 55 and toe 5 of a 56.9 outstand
    met.r_1 = 55, met.r_2 = 5;
    Catalogue_Outline thin = kOutlines[0];
    thin.t_f = 3;
    const Catalogue_Outline* none[] = {&angle, &met, &thin, nullptr};
    for (const Catalogue_Outline* o : none) EXPECT_EQ(Outline_Flange_Faces(o, &f), 0);
    EXPECT_EQ(Outline_Flange_Faces(&kOutlines[0], nullptr), 0);
    EXPECT_EQ(f.tip, -7);  // untouched
}

}  // namespace
