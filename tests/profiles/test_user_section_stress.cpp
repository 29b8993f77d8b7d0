// The stresses of a user section of the cross-section program: a section
// that no rolled outline describes takes the extreme fibre of its rounded
// corners from points along their arcs.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>

#include "profiles/profile_switches.h"
#include "profiles/profilquerschnitt.h"
#include "profiles/section_stress.h"
#include "thinwall/dwqb.h"
#include "user_section_fixture.h"

using namespace testutil;

// A plate 100 x 10 mm given as one line with its four corners rounded, r 4
// mm (the extended block of VUVE.EIN), bent about the axis across which its
// normal stress rises at 45 degrees (M_y / I_y = M_z / I_z, M_z 1 kNm). Its
// values by hand, cm: four spandrels of (1 - pi/4) r^2, centroids e =
// (10 - 3 pi) / (3 (4 - pi)) r from the faces, each (1 - 5 pi / 16 - (1 -
// pi/4) (e/r)^2) r^4 about its own centroid, taken off the rectangle: A =
// 10 - 4 a, I_y = 10 / 12 - 4 (own + a (0.5 - e)^2), I_z = 1000 / 12 - 4
// (own + a (5 - e)^2). The extreme lies on an arc, 45 degrees round it:
// |grad sigma| ((5 - r) + (0.5 - r)) / 2^0.5 + r |grad sigma| = 6.5804
// kN/cm2; the points at the arcs' ends reach 3.1 % less (6.3734).
TEST_F(UserSectionTest, ARoundedCornerOfAUserSectionHoldsItsExtremeFibre) {
    Install_VUVE("#!/bin/sh\nexit 0\n");
    Write_File(dir.file("EXEC/Q7-VUVE/Kantfeld.exe"), "#!/bin/sh\nexit 0\n");
    chmod(dir.file("EXEC/Q7-VUVE/Kantfeld.exe").c_str(), 0755);
    Enable_VUVE_Extensions();
    Write_File(dir.file("QX01p_VUVE.EIN"),
               "\n#Q000001\n 1 1 /\n 'Platte' /\n 2 /\n 1 0.000000 0.000000 /\n 2 10.000000 0.000000 /\n 1 /\n"
               " 1 1 2 1.000000 /\n 1\n 0 0 0 0 1.0 1.0 0 0 0 0.4 0.4 0.4 0.4\n");
    Profilquerschnitt section;
    Init_Profilquerschnitt(&section);
    Set_Profilquerschnitt_By_User_Section(&section, 5, 110, With_Text(1, "Platte", "-"));
    Invalidate_Profil_DWQB_Cache();
    ASSERT_EQ(Setup_Profilquerschnitt_DWQB(&section, 0, nullptr, 2), 1);
    const double pi = 3.14159265358979323846, r = 0.4, a = (1 - pi / 4) * r * r;
    const double e = (10 - 3 * pi) / (3 * (4 - pi)) * r;
    const double own = (1 - 5 * pi / 16 - (1 - pi / 4) * e * e / (r * r)) * r * r * r * r;
    const double A = 10 - 4 * a, I_y = 10.0 / 12 - 4 * (own + a * (0.5 - e) * (0.5 - e));
    const double I_z = 1000.0 / 12 - 4 * (own + a * (5 - e) * (5 - e));
    const double* q = DWQB_Querschnittswerte;
    EXPECT_NEAR(q[DWQB_QW_A], A, 1e-4 * A);
    EXPECT_NEAR(q[DWQB_QW_IY], I_y, 1e-4 * I_y);
    EXPECT_NEAR(q[DWQB_QW_IZ], I_z, 1e-4 * I_z);
    const double M_z = 100, M_y = M_z * I_y / I_z, gradient = std::hypot(M_z / I_z, M_y / I_y);
    const double extreme = gradient * ((5 - r + 0.5 - r) / std::sqrt(2.0) + r);
    EXPECT_NEAR(extreme, 6.5804, 1e-4);
    Calc_Section_Stress_Extremes(0, 0, 0, 0, M_y, M_z, 0, 0);
    EXPECT_NEAR(Profil_DWQB_Extremes.sigma_max, extreme, 2e-4 * extreme);
    EXPECT_NEAR(Profil_DWQB_Extremes.sigma_min, -extreme, 2e-4 * extreme);
    Release_Profilquerschnitt(&section);
}
