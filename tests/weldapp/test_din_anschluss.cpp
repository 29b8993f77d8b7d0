// The hand-over of one DIN 18800 load case to the welded-connection library
// (Print_Zeichnung_und_Profil): the weld table by position, the library's
// dimensions of a flat bar, the contact share, the refused profile types,
// the rounding of a utilisation just above 1, and the evaluation without a
// print list. A round bar d = 40 mm with a ring weld of 6 mm on a 20 mm
// plate (at least sqrt(40) - 0.5 = 5.82 mm), S235, gamma_M 1.1 throughout:
// A_w = pi 4·0.6 cm², sigma_w,R,d = 0.95·240/1.1.
#include <gtest/gtest.h>

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

// The first weld of a position counts; a position without a weld is 0; a
// flat bar of the weld program (h x t_w) is a bar h x t of the library. The
// evaluation leaves the library's own record alone.
TEST(DinHandOver, WeldsByPositionAndFlatBarDimensions) {
    Din_Case k;
    Nahtbild& n = k.c.naht;
    n.profile.type = 1;
    n.profile.h = 200.0;
    n.profile.t_w = 20.0;
    n.all_round = 0;
    n.weld_count = 3;
    const int number[3] = {3, 3, 2};
    const double throat[3] = {5.0, 7.0, 4.0}, length[3] = {200.0, 100.0, 200.0};
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
    EXPECT_EQ(r.a_pos[4], 0.0);
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
