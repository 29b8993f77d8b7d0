// The hand-over of one DIN 18800 load case to the welded-connection library
// (Print_Zeichnung_und_Profil): the weld table by position, the library's
// dimensions of a flat bar, the contact share, the refused profile types,
// the rounding of a utilisation just above 1, and the evaluation without a
// print list. A round bar d = 40 mm with a ring weld of 6 mm on a 20 mm
// plate (at least sqrt(40) - 0.5 = 5.82 mm), S235, gamma_M 1.1 throughout:
// A_w = pi 4·0.6 cm², sigma_w,R,d = 0.95·240/1.1.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "printlist/list_capture.h"
#include "profiles/catalogue_fixture.h"
#include "profiles/geschweisster_anschluss.h"
#include "support/global_state.h"
#include "support/testutil.h"
#include "weldapp/din_anschluss.h"
#include "weldapp/last_schweissnaht.h"
#include "weldapp/schweissnaht.h"
#include "weldcheck/din_check.h"

namespace {

const testutil::Global_Reset reset_din(Reset_Anschluss_State);

const double kA_w = M_PI * 4 * 0.6, kR = 0.95 * 240 / 1.1 / 10;  // cm², kN/cm²

struct Din_Case {
    testutil::CatalogueTree tree;
    SchweissnahtAnschluss c{};
    LastfallErgebnis e{};
    Din_Case() {
        Default_Schweissnaht(&c);
        c.code_setting = 1;
        c.gamma_M = 1.1;
        Stahlprofil& p = c.naht.profile;
        p.kind = 0;
        p.type = 2;
        p.h = 40.0;
        p.t_w = 0.0;
        c.naht.plate.t = 20.0;
        c.naht.all_round = 1;
        c.naht.a_w = 6.0;
        c.naht.contact_fraction = 0.0;
        Update_Weld_Layout(&c.naht, nullptr, 0);
    }
    ~Din_Case() { Free_Schweissnaht(&c); }
    int Run(double N_kN) {
        e.forces.N = N_kN * 1e3;
        return Print_Zeichnung_und_Profil(&c, &e, nullptr);
    }
    // The library's record of the case as the evaluation gets it.
    GeschweissterAnschluss Handed_Over() {
        GeschweissterAnschluss r;
        EXPECT_EQ(Din_Hand_Over(&c, &e, &r), 1);
        return r;
    }
};

}  // namespace

// Without a print list the utilisations are written all the same; one just
// above 1 (below 1.001) counts as 1, 1.001 stays. The section's only while
// its check is switched on: off, the case reports none.
TEST(DinHandOver, UtilisationsWithoutAPrintList) {
    for (int section_check : {1, 0})
        for (double U : {0.5, 1.0004, 1.001}) {
            Din_Case k;
            k.c.section_check = section_check;
            ASSERT_EQ(k.Run(U * kR * kA_w), 0);
            EXPECT_NEAR(k.e.U_w.U, U > 1.0 && U < 1.001 ? 1.0 : U, 1e-9) << U;
            // The bar: N / A against 240/1.1.
            const double sigma = U * kR * kA_w / (M_PI * 4) / (240 / 1.1 / 10);
            EXPECT_NEAR(k.e.U_sigma.U, section_check ? sigma : 0.0, 1e-9);
            EXPECT_EQ(k.e.U_sigma.status, section_check ? ERGEBNIS_GEFUEHRT : ERGEBNIS_NICHT_GEFUEHRT);
        }
}

// The connection keeps the contact share as a fraction: all of a
// compressive force by contact leaves the welds without normal stress.
TEST(DinHandOver, ContactShareAsAFraction) {
    Din_Case k;
    k.c.naht.contact_fraction = 1.0;
    ASSERT_EQ(k.Run(-20.0), 0);
    EXPECT_EQ(k.Handed_Over().load[ANSCHLUSS_CONTACT], 100.0);
    EXPECT_EQ(k.e.U_w.U, 0.0);
}

// Bar and plate of own strengths, f_y,k 355 and beta_w 0.9: alpha_w of
// DIN 18800-1 Table 21 by f_y,k is 0.80 (0.95 up to 240 N/mm²), never the
// material's beta_w: sigma_w,R,d = 0.80·355/1.1 (beta_w gave 0.9·355/1.1).
// A plate of f_y,k 200 with beta_w 1.0 gets 0.95.
TEST(DinHandOver, OwnStrengthsTakeTheWeldFactorOfTheStandard) {
    Din_Case k;
    for (Materialparameter_Record* m : {&k.c.naht.profile.material, &k.c.naht.plate.material})
        m->own_values = 1, m->f_y = 355.0, m->beta_w = 0.9;
    ASSERT_EQ(k.Run(10.0), 0);
    EXPECT_NEAR(k.Handed_Over().grades.weld_alpha_w, 0.80, 1e-6);
    EXPECT_NEAR(k.e.U_w.U, 10.0 / kA_w / (0.80 * 355 / 1.1 / 10), 1e-6);
    Din_Case weak;
    Materialparameter_Record& m = weak.c.naht.plate.material;
    m.own_values = 1, m.f_y = 200.0, m.beta_w = 1.0;
    ASSERT_EQ(weak.Run(10.0), 0);
    EXPECT_NEAR(weak.Handed_Over().grades.weld_alpha_w, 0.95, 1e-6);
}

// Types the library does not handle (box, trapezoid): 1, the result as it
// was, nothing printed.
TEST(DinHandOver, RefusedProfileTypes) {
    for (int type : {16, 17}) {
        Din_Case k;
        k.c.naht.profile.type = type;
        k.e.U_w.U = 0.25;
        k.e.forces.N = 1e4;
        FILE* f = std::tmpfile();
        EXPECT_EQ(Print_Zeichnung_und_Profil(&k.c, &k.e, f), 1) << type;
        EXPECT_EQ(testutil::Stream_All(f), "");
        std::fclose(f);
        EXPECT_EQ(k.e.U_w.U, 0.25);
    }
}

// A flat bar of the weld program (h x t_w) is a bar h x t of the library;
// its welds take the positions of the faces they lie on (slot 1: position
// 2, slot 2: position 3), whatever their numbers; a position without a
// weld is 0. The evaluation leaves the library's own record alone.
TEST(DinHandOver, WeldsByFaceAndFlatBarDimensions) {
    Din_Case k;
    Nahtbild& n = k.c.naht;
    n.profile.type = 1;
    n.profile.h = 200.0;
    n.profile.t_w = 20.0;
    n.all_round = 0;
    n.weld_count = 3;
    const int number[3] = {0, 3, 1};
    const double throat[3] = {7.0, 4.0, 5.0}, length[3] = {20.0, 200.0, 200.0};
    for (int i = 0; i < 3; i++) n.number[i] = number[i], n.throat[i] = throat[i], n.length[i] = length[i];
    for (int i = 3; i < NAHT_SLOTS; i++) n.number[i] = 0;
    Geschweisster_Anschluss.h = 123.0;
    ASSERT_EQ(k.Run(10.0), 0);
    EXPECT_EQ(Geschweisster_Anschluss.h, 123.0);
    GeschweissterAnschluss r = k.Handed_Over();
    ASSERT_EQ(Calc_Anschluss_Querschnitt(&r), 0);
    EXPECT_EQ(r.a_pos[2], 5.0);
    EXPECT_EQ(r.l_pos[2], 200.0);
    EXPECT_EQ(r.a_pos[1], 4.0);
    EXPECT_EQ(r.a_pos[0], 0.0);  // slot 0 carries no number: no weld
    EXPECT_EQ(r.l_pos[4], 0.0);
    EXPECT_EQ(r.family, ANSCHLUSS_FLAT);
    EXPECT_EQ(r.h, 200.0);
    EXPECT_EQ(r.t, 20.0);
    EXPECT_EQ(r.weld_kind, 1);
    EXPECT_EQ(r.end_crater, 1);
    // Two 200 mm welds of 5 and 4 mm less the end craters on the two faces
    // of the bar, N at its axis midway between them: each takes N / 2, the
    // 4 mm weld 5 kN on 0.4 (20 - 0.8) cm².
    EXPECT_NEAR(r.weld_values.sigma_max, 10 * 5 / (0.4 * (20 - 0.8)), 1e-9);
    EXPECT_NEAR(r.weld_values.sigma_min, 10 * 5 / (0.5 * (20 - 1.0)), 1e-9);
}

namespace {

// A straight weld line of throat a from (d0, z0) to (d1, z1), mm: d from
// the profile's left face, z down from its top.
struct Weld_Line {
    double d0, z0, d1, z1, a;
};

// The largest weld shear stress (N/mm²) of the DIN check by hand: V_y (kN)
// spread evenly over the welds along d, V_z over those along z; the moment
// of the forces at the profile's centroid (dp, zp) about the resultants of
// those shares taken by the polar moment of the thin lines about their
// centroid; at the line ends, tau_V + |M_t| rho / I_p.
double Hand_Tau(const std::vector<Weld_Line>& lines, double dp, double zp, double V_y, double V_z) {
    double A = 0, Sd = 0, Sz = 0, A_y = 0, A_z = 0, zA_y = 0, dA_z = 0;
    for (const Weld_Line& w : lines) {
        const double aL = w.a * std::hypot(w.d1 - w.d0, w.z1 - w.z0);
        A += aL, Sd += aL * (w.d0 + w.d1) / 2, Sz += aL * (w.z0 + w.z1) / 2;
        if (w.z0 == w.z1) A_y += aL, zA_y += aL * w.z0;
        else A_z += aL, dA_z += aL * w.d0;
    }
    const double dc = Sd / A, zc = Sz / A;
    double I_p = 0;  // the integral of a (d² + z²) along each line
    for (const Weld_Line& w : lines) {
        const double aL = w.a * std::hypot(w.d1 - w.d0, w.z1 - w.z0);
        const double p = w.d0 - dc, q = w.d1 - dc, u = w.z0 - zc, v = w.z1 - zc;
        I_p += aL * (p * p + p * q + q * q + u * u + u * v + v * v) / 3;
    }
    const double M_t = 1e3 * (V_y * (zp - (A_y ? zA_y / A_y : zc)) - V_z * (dp - (A_z ? dA_z / A_z : dc)));
    double tau = 0;
    for (const Weld_Line& w : lines) {
        const double tau_V = w.z0 == w.z1 ? 1e3 * std::fabs(V_y) / A_y : 1e3 * std::fabs(V_z) / A_z;
        for (double e : {0.0, 1.0}) {
            const double rho = std::hypot(w.d0 + e * (w.d1 - w.d0) - dc, w.z0 + e * (w.z1 - w.z0) - zc);
            tau = std::max(tau, tau_V + std::fabs(M_t) * rho / I_p);
        }
    }
    return tau;
}

}  // namespace

// The DIN positions follow the faces the welds lie on, as the Eurocode
// check places them, however a file numbers the welds; the numbers stay
// their names. L 150 x 100 x 10 (upright leg 10 x 150, horizontal leg
// 90 x 10 at its foot: centroid d = (1500 5 + 900 55) / 2400 = 23.75, z =
// (1500 75 + 900 145) / 2400 = 101.25 mm) with 5 mm welds at full length
// on the faces of both legs: slot 0 (outer, 100), slot 1 (inner, 90) along
// d, slot 2 (outer, 150), slot 6 (inner, 140) along z. Welded I 300 x 8,
// flanges 200 x 12, 6 mm flange welds (outer 200, inner 96 on each side),
// 5 mm web welds 276: doubly symmetric, no torsion, V_y on the flange
// welds alone, 100 kN / (6 2 (200 + 96 + 96) mm²) = 21.26 N/mm².
TEST(DinHandOver, WeldPositionsFollowTheFacesNotTheNumbers) {
    const std::vector<Weld_Line> angle = {
        {0, 150, 100, 150, 5}, {10, 140, 100, 140, 5}, {0, 0, 0, 150, 5}, {10, 0, 10, 140, 5}};
    const std::vector<Weld_Line> upright(angle.begin() + 2, angle.end());
    struct Weld {
        int slot, number;
        double a, l;
    };
    const std::vector<Weld> angle4 = {{0, 0, 5, 100}, {1, 0, 5, 90}, {2, 0, 5, 150}, {6, 0, 5, 140}};
    const std::vector<Weld> i8 = {{0, 0, 6, 200}, {1, 0, 6, 96}, {5, 0, 6, 96}, {3, 0, 6, 200},
                                  {4, 0, 6, 96},  {7, 0, 6, 96}, {2, 0, 5, 276}, {6, 0, 5, 276}};
    const struct {
        bool angle;
        std::vector<Weld> welds;
        std::vector<int> numbers;  // of the welds in their order
        double V_y, V_z, tau;      // kN, N/mm² by hand
    } cases[] = {
        // The program's own numbering and the faces' order: 78.59 (the
        // faces' order took V_y on the upright leg: 55.7).
        {true, angle4, {4, 3, 1, 2}, 50, 0, Hand_Tau(angle, 23.75, 101.25, 50, 0)},
        {true, angle4, {1, 2, 3, 4}, 50, 0, Hand_Tau(angle, 23.75, 101.25, 50, 0)},
        // The upright leg's two welds numbered the other way round keep
        // their own lengths: 62.76.
        {true, {angle4[2], angle4[3]}, {2, 1}, 0, 50, Hand_Tau(upright, 23.75, 101.25, 0, 50)},
        // The welds numbered in slot order (took 19.73).
        {false, i8, {1, 2, 6, 4, 5, 8, 3, 7}, 100, 0, 100e3 / (6 * 2 * (200 + 96 + 96))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.numbers));
        Din_Case k;
        Nahtbild& n = k.c.naht;
        n.profile = Stahlprofil{};
        n.profile.type = c.angle ? 3 : 4;
        n.profile.h = c.angle ? 150 : 300, n.profile.t_w = c.angle ? 10 : 8;
        n.profile.b_fo = n.profile.b_fu = c.angle ? 100 : 200;
        n.profile.t_fo = n.profile.t_fu = c.angle ? 10 : 12;
        n.all_round = 0, n.full_length = 1, n.no_throat_check = 1;
        for (int i = 0; i < NAHT_SLOTS; i++) n.number[i] = 0, n.throat[i] = n.length[i] = 0;
        for (size_t i = 0; i < c.welds.size(); i++) {
            const Weld& w = c.welds[i];
            n.number[w.slot] = c.numbers[i], n.throat[w.slot] = w.a, n.length[w.slot] = w.l;
        }
        n.weld_count = 8;
        Update_Weld_Layout(&n, nullptr, 0);
        k.e.forces.V_y = c.V_y * 1e3, k.e.forces.V_z = c.V_z * 1e3;
        GeschweissterAnschluss r = k.Handed_Over();
        ASSERT_EQ(Calc_Anschluss_Querschnitt(&r), 0);
        EXPECT_NEAR(r.weld_values.tau, c.tau, 0.005);
        if (c.welds.size() == 2) {
            // The outer face is position 1, the inner 2.
            EXPECT_EQ(r.l_pos[0], 150.0);
            EXPECT_EQ(r.l_pos[1], 140.0);
            EXPECT_EQ(r.number_pos[0], 2);
            EXPECT_EQ(r.number_pos[1], 1);
        }
    }
}

// A line of the block names a weld by the number the connection gives it,
// not by its position: the inner weld of the angle's upright leg (slot 6,
// position 2) numbered 1 with a throat of 1.5 mm below 2 mm.
TEST(DinHandOver, BlockNamesAWeldByItsNumber) {
    Din_Case k;
    Nahtbild& n = k.c.naht;
    n.profile = Stahlprofil{};
    n.profile.type = 3, n.profile.h = 150, n.profile.t_w = 10, n.profile.b_fo = 100, n.profile.t_fo = 10;
    n.all_round = 0;
    for (int i = 0; i < NAHT_SLOTS; i++) n.number[i] = 0;
    n.number[2] = 2, n.throat[2] = 5.0, n.length[2] = 150.0;
    n.number[6] = 1, n.throat[6] = 1.5, n.length[6] = 140.0;
    n.weld_count = 7;
    Update_Weld_Layout(&n, nullptr, 0);
    k.e.forces.V_z = 10e3;
    ListCapture list;
    EXPECT_EQ(Print_Zeichnung_und_Profil(&k.c, &k.e, list.f()), 1);
    const std::string text = list.Take();
    EXPECT_NE(text.find("Mindestnahtdicke 2 mm unterschritten! (aw1 = 1.5 mm)\n"), std::string::npos) << text;
}

// The input protocol's material on the DIN path: the strengths the check
// takes, of DIN 18800-1 Table 1 (S235 240 / 215 N/mm², S355 360 / 325 up
// to and above 40 mm) and the alpha_w of Table 21 (0.95, 0.80); own values
// with their one f_y,k and the alpha_w of their strength (0.80 above 240).
// No Eurocode value: no f_u, no beta_w.
TEST(DinHandOver, ProtocolPrintsTheDinStrengths) {
    const std::string fy = " char. Streckgrenze f\xCE\\y,k,t\xF3" "40mm\xCEr = ";
    const std::string above = " N/mm\xFD,  f\xCE\\y,k,t>40mm\xCEr = ";
    const std::string alpha = " Beiwert f\x81r Kehln\x84hte \xBA\xCE\\w\xCEr = ";
    const struct {
        int profile, plate;  // weld grade index; -1: own values of 300 N/mm²
        std::vector<std::string> lines;
    } cases[] = {
        {0, 0, {" Stahlg\x81te S235\n", fy + "240.0" + above + "215.0 N/mm\xFD\n", alpha + "0.95\n"}},
        {2, 0,
         {" Profil: Stahlg\x81te S355\n", fy + "360.0" + above + "325.0 N/mm\xFD\n", alpha + "0.80\n",
          " Platte: Stahlg\x81te S235\n", fy + "240.0" + above + "215.0 N/mm\xFD\n", alpha + "0.95\n"}},
        {-1, -1, {" Stahlparameter:\n", " char. Streckgrenze f\xCE\\y,k\xCEr = 300.0 N/mm\xFD\n", alpha + "0.80\n"}},
    };
    for (const auto& c : cases) {
        Din_Case k;
        const int grades[2] = {c.profile, c.plate};
        Materialparameter_Record* m[2] = {&k.c.naht.profile.material, &k.c.naht.plate.material};
        for (int i = 0; i < 2; i++) {
            m[i]->kind = 0;
            m[i]->grade = grades[i] < 0 ? 0 : grades[i];
            m[i]->own_values = grades[i] < 0;
            m[i]->f_y = 300.0;
        }
        ListCapture list;
        Print_Din_Materials(&k.c, list.f());
        OLI_End_Text(list.f());
        const std::string text = list.Take();
        size_t at = text.find(" \xCEHMaterial\n");
        ASSERT_NE(at, std::string::npos) << text;
        for (const std::string& line : c.lines) {
            at = text.find(line, at);
            ASSERT_NE(at, std::string::npos) << line << "\n" << text;
        }
        EXPECT_EQ(text.find("Zugfestigkeit"), std::string::npos);
        EXPECT_EQ(text.find("Korrelationsbeiwert"), std::string::npos);
    }
}
