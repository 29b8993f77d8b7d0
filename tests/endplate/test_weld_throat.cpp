// Weld throat sizing of a bar on an end plate: the smallest throat worked
// out by hand for each weld, the chains of one and two loads, and searches
// that find no throat.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/cp850.h"
#include "endplate/weld_throat.h"
#include "platform/msgbox.h"

namespace {

const char* const NO_THROAT_1 = "Achtung, Probleme bei der Schweißnahtberechnung"_cp;

TEST(WeldThroat, SmallestThroatOfADoubleFilletWeld) {
    // l 19.4 cm, F_sigma 200, F_tau 400 kN, allowed 20 kN/cm²:
    // (200² + 400²)^1/2 / (2 x 19.4 a) <= 20 gives a >= 0.5763 cm: the
    // trial 0.6 with 447.21 / (38.8 x 0.6) = 19.21 kN/cm².
    double a = 0, s = 0;
    EXPECT_EQ(Check_Schweissnaht_aw(&a, &s, nullptr, 19.4, 200, 400, 20, 2.8), 0);
    EXPECT_NEAR(a, 0.6, 1e-9);
    EXPECT_NEAR(s, std::hypot(200.0, 400.0) / (38.8 * 0.6), 1e-9);
    // Above a_max 0.5: found, result 1.
    EXPECT_EQ(Check_Schweissnaht_aw(&a, &s, nullptr, 19.4, 200, 400, 20, 0.5), 1);
    // No force: the first trial.
    EXPECT_EQ(Check_Schweissnaht_aw(&a, &s, nullptr, 10, 0, 0, 20, 1), 0);
    EXPECT_NEAR(a, 0.3, 1e-12);
    // n fillets from a start throat: 3 x 10 cm, 300 kN shear from 0.5:
    // 300 / (30 a) <= 20 gives a >= 0.5: the first trial.
    EXPECT_EQ(Check_Schweissnaht_aw_n(10, 0.5, 0, 300, 20, 1.0, 3, &a, &s, nullptr), 0);
    EXPECT_NEAR(a, 0.5, 1e-12);
    EXPECT_NEAR(s, 20.0, 1e-12);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
}

TEST(WeldThroat, NoThroatIsRefusedWithTheMessage) {
    // 5000 kN on 2 x 10 cm needs 12.5 cm: none up to 2.9; a_w 3.0 and the
    // stress of the last trial 5000 / (20 x 2.9).
    double a = 0, s = 0;
    EXPECT_EQ(Check_Schweissnaht_aw(&a, &s, nullptr, 10, 0, 5000, 20, 3), 2);
    EXPECT_EQ(a, 3.0);
    EXPECT_NEAR(s, 5000 / (20 * 2.9), 1e-9);
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines[0], NO_THROAT_1);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines[1], " erf. Nahtdicke wird zu groß (erf aw > 30 mm)"_cp);
    // A weld without length, or forces that are no numbers: the same message,
    // never a division by zero or "nan".
    for (double l : {0.0, -5.0}) {
        s = 7;
        EXPECT_EQ(Check_Schweissnaht_aw(&a, &s, nullptr, l, 10, 10, 20, 3), 2);
        EXPECT_EQ(s, 0.0);
    }
    EXPECT_EQ(Check_Schweissnaht_aw(&a, &s, nullptr, 10, NAN, 10, 20, 3), 2);
    EXPECT_EQ(Check_Schweissnaht_aw_n(10, 0.0, 10, 10, 20, 3, 2, &a, &s, nullptr), 2);
    EXPECT_EQ(Check_Schweissnaht_aw_n(10, 0.5, 10, 10, 20, 3, 0, &a, &s, nullptr), 2);
    // From 2.8: the trials 2.8, 2.9, 3.0 fail; a_w = 3.1.
    EXPECT_EQ(Check_Schweissnaht_aw_n(1, 2.8, 0, 1000, 20, 4, 2, &a, &s, nullptr), 2);
    EXPECT_NEAR(a, 3.1, 1e-9);
    EXPECT_EQ(VEK_Recorded_Messages().size(), 7u);
    // Without a window the result alone: no box.
    VEK_Set_Batch_Mode(1);
    EXPECT_EQ(Check_Schweissnaht_aw(&a, &s, nullptr, 10, 0, 5000, 20, 3), 2);
    VEK_Set_Batch_Mode(0);
    EXPECT_EQ(VEK_Batch_Fault_Count(), 0);
    EXPECT_EQ(VEK_Recorded_Messages().size(), 7u);
}

TEST(WeldThroat, OneLoadOnTwoOrThreeWelds) {
    // A = 20, B = 10, d = 0.6, F = 400 kN, t = 4 (a_max 2.8): h = 200.
    // Two welds: T = h A / B = 400. Weld 1: 19.4 cm with 200 and 400:
    // 0.6 (above). Weld 2: 9.4 cm with 2 T = 800 and h = 200:
    // 824.62 / (18.8 a) <= 20 gives a >= 2.193: 2.2.
    double a[3], s[3], F[3];
    EXPECT_EQ(Size_Welds_Single_Load(20, 10, 4, 0.6, 400, 20, 1, &a[0], &a[1], &a[2], &s[0], &s[1], &s[2], &F[0], &F[1],
                                     &F[2], nullptr),
              0);
    EXPECT_NEAR(a[0], 0.6, 1e-9);
    EXPECT_NEAR(a[1], 2.2, 1e-9);
    EXPECT_EQ(a[2], 0.0);
    EXPECT_NEAR(s[1], std::hypot(800.0, 200.0) / (18.8 * a[1]), 1e-9);
    EXPECT_EQ(F[0] * 1000000 + F[1] * 1000 + F[2], 400 * 1000000 + 200 * 1000 + 400.0);
    // Three welds: T = 0.5 A h / B = 200. Weld 1 (19.4; 200, 200): a >=
    // 0.3645: 0.4. Weld 2 (9.4; 0, 200): a >= 0.532: 0.6. Weld 3 (19.4; 0,
    // 200): a >= 0.258: 0.3.
    EXPECT_EQ(Size_Welds_Single_Load(20, 10, 4, 0.6, 400, 20, 0, &a[0], &a[1], &a[2], &s[0], &s[1], &s[2], &F[0], &F[1],
                                     &F[2], nullptr),
              0);
    EXPECT_NEAR(a[0], 0.4, 1e-9);
    EXPECT_NEAR(a[1], 0.6, 1e-9);
    EXPECT_NEAR(a[2], 0.3, 1e-9);
    // A first weld beyond a_max (t = 0.5: 0.35): result 1 and all nine 0.
    EXPECT_EQ(Size_Welds_Single_Load(20, 10, 0.5, 0.6, 400, 20, 1, &a[0], &a[1], &a[2], &s[0], &s[1], &s[2], &F[0],
                                     &F[1], &F[2], nullptr),
              1);
    EXPECT_EQ(a[0] + a[1] + s[0] + F[0] + F[1] + F[2], 0.0);
    // No width to share the force: refused with the message.
    VEK_Clear_Recorded_Messages();
    EXPECT_EQ(Size_Welds_Single_Load(20, 0, 4, 0.6, 400, 20, 1, &a[0], &a[1], &a[2], &s[0], &s[1], &s[2], &F[0], &F[1],
                                     &F[2], nullptr),
              2);
    EXPECT_EQ(VEK_Recorded_Messages().size(), 1u);
}

TEST(WeldThroat, TwoLoadsKeepTheLargerThroat) {
    // P 400 and 200 kN: h = 100, then 200; A 20, B 10, L 20 and 10, d 0.6.
    // h 100 (T 200): weld 1 (19.4; 100, 200) 0.3, weld 2 (9.4; 200, 100) 0.6.
    // h 200 (T 400): weld 1 (19.4; 200, 400) 0.6, weld 2 (9.4; 400, 200):
    // 447.21 / (18.8 a) <= 20, a >= 1.189: 1.2. The second load governs
    // both: forces T = 400, h = 200.
    double a[3], s[3], F[3];
    EXPECT_EQ(Size_Welds_Two_Loads(20, 10, 1, 20, 10, 2.8, 0.6, 400, 200, 20, 1, &a[0], &a[1], &a[2], &s[0], &s[1],
                                   &s[2], &F[0], &F[1], &F[2], nullptr),
              0);
    EXPECT_NEAR(a[0], 0.6, 1e-9);
    EXPECT_NEAR(a[1], 1.2, 1e-9);
    EXPECT_EQ(F[0] * 1000 + F[1], 400 * 1000 + 200.0);
    // A failing search of the first load is not hidden by a good last one:
    // P -2000 and 1.5 kN on short welds (L 1.6, 10): the first load needs
    // more than 2.9 cm.
    EXPECT_EQ(Size_Welds_Two_Loads(20, 10, 1, 1.6, 10, 2.8, 0.6, -2000, 1.5, 20, 1, &a[0], &a[1], &a[2], &s[0], &s[1],
                                   &s[2], &F[0], &F[1], &F[2], nullptr),
              2);
}

}  // namespace
