// The compressed fraction alpha of the class 1 and 2 limits (EN 1993-1-1
// Table 5.2) from the plastic stress distribution of the whole load, N, M_y
// and M_z together, on the plastic road of the cross-section check and in
// the c/t check of the section model: against the limit state that the
// plastic load factor of the section engine finds on the same model, and
// against hand values for the worked angles.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "base/cp850.h"
#include "memberchecks/member_settings.h"
#include "memberchecks/section_class.h"
#include "memberchecks/xs_ct_check.h"
#include "memberchecks/xs_resistance.h"
#include "printlist/list_capture.h"
#include "profiles/profil_dwqb_model.h"
#include "profiles/section_stress.h"
#include "several_part_fixture.h"
#include "thinwall/dwqb.h"
#include "thinwall/dwqb_transfer.h"
#include "thinwall/plo.h"

namespace {

using PlasticAlpha = testutil::CheckModeTwoTest;

using testutil::Catalogue;

// The limit strain plane of the plastic load factor on the standing model
// (forces kN, kNm as the cross-section check takes them, f_d kN/cm2), with N
// held and the moments raised or lowered together until the section is at
// its limit: the plastic moment resistance under N, whose distribution the
// class limits take. Without N the factor scales all forces alike.
void Limit_Plane(double N, double M_y, double M_z, double f_d, double plane[4]) {
    const double* qw = DWQB_Querschnittswerte;
    PLO_Optionen o{};
    o.angle = qw[DWQB_QW_ALPHA];
    o.y = qw[DWQB_QW_YC], o.z = qw[DWQB_QW_ZC], o.y2 = qw[DWQB_QW_YM], o.z2 = qw[DWQB_QW_ZM];
    o.L = 100, o.tol = 1e-6, o.word = PLO_OPT_NO_WARPING;
    const double P[PLO_PARAMETER] = {0, f_d, 21000, 0, 0, 0, 1.0};
    auto limit = [&](double mu, PLO_Ergebnis* r) {
        double F[8] = {N, 0, 0, 0, 100 * mu * M_y, 100 * mu * M_z, 0, 0};
        // into the principal axes of the model, as the check hands them on
        if (Profil_DWQB_Store.mode != 1)
            Rotate_Forces_To_Section(&F[0], &F[1], &F[2], &F[3], &F[4], &F[5], &F[6], &F[7], qw[DWQB_QW_ALPHA],
                                     Profil_DWQB_Store.mode);
        EXPECT_EQ(Calc_DWQB_PLO(F, P, &o, r, nullptr), 1);
        return r->U;
    };
    PLO_Ergebnis r;
    double mu = 1 / limit(1, &r);
    if (N != 0) {
        double lo = 0, hi = 1;
        while (limit(hi, &r) < 1) hi *= 2;
        for (int it = 0; it < 50; it++) (limit((lo + hi) / 2, &r) < 1 ? lo : hi) = (lo + hi) / 2;
        mu = hi;
    }
    limit(mu, &r);
    for (int k = 0; k < 4; k++) plane[k] = r.plane[k];
}

// The class 2 utilisation of the model's parts with alpha from the strain
// plane at each part's two ends (where its c ends): Table 5.2 with epsilon
// (235/f_y)^0.5, internal parts 456 eps/(13 alpha - 1) (alpha > 0.5) or
// 41.5 eps/alpha, outstands 10 eps/alpha with the tip the more compressed,
// 10 eps/(alpha alpha^0.5) with it less compressed or in tension, alpha
// the compressed share however small (a web the blocks leave mostly in
// tension is held by 41.5 eps/alpha, not by the 83 eps of pure bending).
double Class_2_From_Plane(const double plane[4], double f_y) {
    const double eps = std::sqrt(235 / f_y);
    const Profil_DWQB_Linienwerte_Record& w = Profil_DWQB_Linienwerte;
    double U = 0;
    for (int i = 0; i < Get_Section_Part_Count(); i++) {
        double y[2], z[2], e[2];
        const int kind = Get_Section_Part_Ends(i, y, z);
        if (kind == CT_NO_PART) continue;
        // the plane in m about the model's origin; the ends in cm about the
        // centroid
        for (int k = 0; k < 2; k++)
            e[k] = plane[1] + plane[2] * (0.01 * (y[k] + w.y_c) * std::cos(plane[0]) +
                                          0.01 * (z[k] + w.z_c) * std::sin(plane[0]));
        const int more = e[0] < e[1] ? 0 : 1;  // the more compressed end
        const double c = -e[more], o = -e[1 - more];
        if (!(c > 0)) continue;
        const double alpha = o >= 0 ? 1.0 : c / (c - o);
        double limit;
        if (kind == CT_INTERNAL) {
            limit = alpha > 0.5 ? 456 * eps / (13 * alpha - 1) : 41.5 * eps / alpha;
        } else {
            const int tip = kind == CT_OUTSTAND_FREE_AT_START ? 0 : 1;
            limit = more == tip ? 10 * eps / alpha : 10 * eps / (alpha * std::sqrt(alpha));
        }
        U = std::max(U, Get_Section_Part_Ratio(i) / limit);
    }
    return U;
}

// The class 2 utilisation the plastic road formed: the one it names where
// it falls back on the elastic check, else its c/t output; -1 without one.
double Plastic_Road_Class_2(const std::string& text, double U_ct) {
    const std::string missed = "(c/t bzgl. Q-Klasse 2: U╬\\c/t╬r = "_cp;
    const size_t at = text.find(missed);
    if (at != std::string::npos) return std::atof(text.c_str() + at + missed.size());
    return text.find("c/t-Verhältnis bzgl. Q-Klasse 2:"_cp) != std::string::npos ? U_ct : -1;
}

}  // namespace

// Every family the plastic road classes, under moments about both axes with
// and without N: the class 2 utilisation of the plastic road (the weld
// program's check by class, gamma_M0 1.0) and of the model's c/t check
// equals the one that alpha of the load factor's limit state gives. The
// limit state is that of the engine's own integration of the plates (its
// outline mesh), this one's blocks are on the quads of the line model: they
// agree within 1.5 %. A share of a web or stem below one half took one half
// before (83 eps for the welded I 700 x 6 in tension and bending, 1.34 and
// class 3, where its 0.29 gives 0.77 and class 1). Alpha of the elastic
// distribution misses them by 3
// to 27 % in all but two of the cases (where a flange in uniform
// compression governs); the axis of the elastic one moved to balance N,
// with the parts' own stresses besides, classed the worked angles 2 at
// 0.896 and 0.904 and the I under M_z 3 at 1.018.
TEST_F(PlasticAlpha, ClassTwoLimitsTakeAlphaFromThePlasticDistributionOfTheWholeLoad) {
    // welded sections typed in without weld throats: c = h - 2 t_f
    auto welded = [](int type, double h, double t_w, double b, double t_f, double b_u = 0, double t_u = 0) {
        Stahlprofil p = testutil::Typed_Profile(type, h, t_w, b, t_f);
        if (b_u > 0) p.b_fu = b_u, p.t_fu = t_u;
        Default_Material_Params(&p.material);
        EXPECT_EQ(Calc_Profile_Cross_Section(&p, nullptr, 0, nullptr), 0);
        return p;
    };
    struct Case {
        const char* what;
        Stahlprofil p;
        double f_y, N, M_y, M_z;
    } const cases[] = {
        {"L 150x100x10 S460, M_z", Catalogue("L150X100X10", 7), 460, 0, 0, -16.95},
        {"L 200x100x10 S355, M_z", Catalogue("L200X100X10", 2), 355, 0, 0, 14.37},
        {"L 80x6 S355, N and M_y", Catalogue("L80X6", 2), 355, -19.8, -3.5, 0},
        {"L 100x10, M_y and M_z", Catalogue("L100X10"), 235, 0, 4, -2},
        {"HE 900 B S275, N, M_y and M_z", Catalogue("HE900B", 1), 275, -2898.3, 1568.36, 59.77},
        {"welded I 500x200x6/16, N, M_y and M_z", welded(PROFILTYP_I, 500, 6, 200, 16), 235, -100, 200, 10},
        {"U 300, N and M_y", Catalogue("U300"), 235, -300, 60, 0},
        {"U 300, M_y and M_z", Catalogue("U300"), 235, 0, 60, -12},
        {"1/2 IPE 300, N and M_y", Catalogue("1/2IPE300"), 235, -100, 15, 0},
        {"1/2 IPE 300, M_y and M_z", Catalogue("1/2IPE300"), 235, 0, 12, 4},
        {"MSH 200x100x5.6, N, M_y and M_z", Catalogue("MSH200X100X5.6"), 235, -300, 40, 5},
        {"welded Z 300x80, N, M_y and M_z", welded(PROFILTYP_Z, 300, 4, 80, 8), 235, -40, 20, 3},
        // the web or stem mostly in tension: alpha well below one half
        {"welded I 800x8, 300x25 over 200x15, M_y", welded(PROFILTYP_I, 800, 8, 300, 25, 200, 15), 235, 0, 1000, 0},
        {"welded I 700x6/200x16, tension and M_y", welded(PROFILTYP_I, 700, 6, 200, 16), 235, 400, 520, 0},
        {"1/2 IPE 600, tension and M_z", Catalogue("1/2IPE600"), 235, 733.2, 0, 19.9},
    };
    static const int opts[2] = {0, 0};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        double o[8];
        ListCapture list;
        Calc_XS_Resistance_Check(&c.p, 1.0, opts, 1, 1, c.N, c.M_y, c.M_z, 0, 0, 0, 0, 0, &o[0], &o[1], &o[2], &o[3],
                                 &o[4], &o[5], &o[6], &o[7], list.f(), 2);
        const std::string text = list.Take_Ended();
        double plane[4];
        Limit_Plane(c.N, c.M_y, c.M_z, 0.1 * c.f_y, plane);
        const double expected = Class_2_From_Plane(plane, c.f_y);
        EXPECT_GT(expected, 0.05);
        EXPECT_NEAR(Plastic_Road_Class_2(text, o[2]), expected, 0.015 * expected) << text;
        double U = -1;
        ASSERT_EQ(Calc_XS_Ct_Check(&c.p, 1.0, 1, 0, 0, 1, c.N, c.M_y, c.M_z, 0, 0, 0, 0, 0, &U, nullptr, 0), 0);
        Limit_Plane(c.N, c.M_y, c.M_z, 0.1 * c.f_y, plane);
        EXPECT_NEAR(U, Class_2_From_Plane(plane, c.f_y), 0.015 * expected);
    }
}

// The worked angles by hand: the legs as rectangles without the root
// fillet, the axis where the blocks of equal area have no moment about y
// (a stress-block integration on a 0.1 mm grid); c of a leg from its tip to
// the other leg's face less r.
//  - L 150 x 100 x 10 S460 (eps 0.71476, r 12), M_z = -16.95 kNm: the axis
//    crosses the 100 mm leg's mid-plane 13.6 mm from the other leg's face,
//    so its c = 78 is compressed over 76.4/78 = 0.979 from its tip: class 2
//    limit 10 eps/0.979 = 7.30 < 7.8, U = 1.068, class 3 (before: class 2
//    at 0.896, plastically 0.873 ok).
//  - L 200 x 100 x 10 S355 (eps 0.81362, r 15), M_z = 14.37 kNm: the long
//    leg's c = 175 is compressed over 0.649 from its root, the tip in
//    tension: 10 eps/0.649^1.5 = 15.56 < 17.5, U = 1.125, class 3 (before
//    0.904 ok).
// Both are then checked as the elastic road checks them, not ok. The same
// 150 x 100 x 10 typed in (r = t: c = 80) is classed by its plates alike:
// 76.4/80 = 0.955, U = 8.0/(10 eps/0.955) = 1.069.
TEST_F(PlasticAlpha, AnglesInBendingAboutTheirLegsAreClassThree) {
    const struct Case {
        Stahlprofil p;
        double M_z, U2;
    } cases[] = {
        {Catalogue("L150X100X10", 7), -16.95, 7.8 / (10 * 0.71476 / 0.979)},
        {Catalogue("L200X100X10", 2), 14.37, 17.5 / (10 * 0.81362 / std::pow(0.649, 1.5))},
    };
    static const int opts[2] = {0, 0};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.M_z);
        double o[8], e[8];
        ListCapture list;
        const unsigned bits = Calc_XS_Resistance_Check(&c.p, 1.0, opts, 1, 1, 0, 0, c.M_z, 0, 0, 0, 0, 0, &o[0],
                                                       &o[1], &o[2], &o[3], &o[4], &o[5], &o[6], &o[7], list.f(), 2);
        const std::string text = list.Take_Ended();
        EXPECT_EQ(bits & 0x8100u, 0x100u) << std::hex << bits;
        EXPECT_NEAR(Plastic_Road_Class_2(text, o[2]), c.U2, 2e-3) << text;
        Calc_XS_Resistance_Check(&c.p, 1.0, opts, 1, 0, 0, 0, c.M_z, 0, 0, 0, 0, 0, &e[0], &e[1], &e[2], &e[3],
                                 &e[4], &e[5], &e[6], &e[7], nullptr, 0);
        EXPECT_GT(o[1], 1.0);
        EXPECT_NEAR(e[1], o[1], 1e-9);
    }
    Stahlprofil typed = testutil::Typed_Profile(PROFILTYP_L, 150, 10, 100, 10);
    typed.rolled = 1;
    typed.r_1 = 10;
    Default_Material_Params(&typed.material);
    typed.material.grade = 7;
    ASSERT_EQ(Calc_Profile_Cross_Section(&typed, nullptr, 0, nullptr), 0);
    double U = -1;
    EXPECT_EQ(Classify_Section(&typed, 0, 0, 16.95e6, 1.0, 1, 0, nullptr, nullptr, nullptr, 2, &U, nullptr, 0, nullptr),
              3);
    EXPECT_NEAR(U, 8.0 / (10 * 0.71476 / 0.955), 2e-3);
}

// A web the plastic blocks leave mostly in tension, by hand: welded I 700 x 6
// with flanges 200 x 16 (no weld throats: c = 668, c/t = 111.33), S235,
// gamma_M0 1.0, N = +400 kN (tension), M_y = 520 kNm. With N held the axis
// leaves the web's middle by N/(2 t_w f_y) = 400e3/(2 6 235) = 141.8 mm, so
// 334 - 141.8 = 192.2 of c are compressed: alpha = 0.2877, class 1 limit
// 36/0.2877 = 125.1 >= 111.33, class 2 utilisation 111.33/(41.5/0.2877) =
// 0.772; the flanges' outstands (200 - 6)/2/16 = 6.06 < 9. With one half in
// place of 0.2877 it was class 3 (111.33/83 = 1.341) and the elastic check
// N/A + M/W_el = 400e3/10408 + 520e6/2.5646e6 = 241.2 N/mm2 failed it at
// 1.026. Plastically all forces raised by lambda: the web takes
// lambda N, M_pl = f_y (3200 684 + 6 334^2) = 671.66 kNm less (lambda
// 400e3)^2/(4 6 235) Nmm = 28.37 lambda^2 kNm: 520 lambda + 28.37 lambda^2 =
// 671.66, lambda = 1.2117, U = 0.825.
TEST_F(PlasticAlpha, AWebMostlyInTensionKeepsItsPlasticResistance) {
    Stahlprofil p = testutil::Typed_Profile(PROFILTYP_I, 700, 6, 200, 16);
    Default_Material_Params(&p.material);
    ASSERT_EQ(Calc_Profile_Cross_Section(&p, nullptr, 0, nullptr), 0);
    static const int opts[2] = {0, 0};
    double o[8];
    ListCapture list;
    Calc_XS_Resistance_Check(&p, 1.0, opts, 1, 1, 400, 520, 0, 0, 0, 0, 0, 0, &o[0], &o[1], &o[2], &o[3], &o[4],
                             &o[5], &o[6], &o[7], list.f(), 2);
    const std::string text = list.Take_Ended();
    EXPECT_EQ(text.find("Querschnitt in Klasse 3"), std::string::npos) << text;
    EXPECT_NE(text.find("c/t-Verhältnis bzgl. Q-Klasse 2:"_cp), std::string::npos) << text;
    const double alpha = (334 - 400e3 / (2 * 6 * 235.0)) / 668;
    EXPECT_NEAR(o[2], 111.33 / (41.5 / alpha), 0.01) << text;
    const double q = 400e3 * 400e3 / (4 * 6 * 235.0) / 1e6, M_pl = 235 * (3200 * 684 + 6 * 334.0 * 334) / 1e6;
    const double lambda = (-520 + std::sqrt(520.0 * 520 + 4 * q * M_pl)) / (2 * q);
    EXPECT_NEAR(o[1], 1 / lambda, 0.005) << text;
}
