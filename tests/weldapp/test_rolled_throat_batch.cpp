// A partial penetration all round, through the built program: an IPN 200
// from the profile file and from the profile manager's, one record, one
// throat section within its rolled outline on both roads; a rolled tube and
// a rolled tee typed in with their radii, by DIN 18800 along their rounded
// outline.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "profiles/catalogue_fixture.h"
#include "weldapp/batch_desktop.h"
#include "weldapp/record_fixture.h"
#include "weldcheck/weldelem.h"

// IPN 200 (flanges sloped 14 %, the tip 8.15 mm thick and rounded), a 3
// all round, M_z 2 kNm, S235 on S235. The throats' I_z as the band of the
// throat's depth within the rolled outline gives it (RolledThroats): by the
// Eurocode behind its straight faces 67.08 cm⁴, by DIN 18800 along all of
// it 76.98 cm⁴. The flange tips, 45 mm from the web's axis, carry sigma = M_z
// 45 / I_z: by the directional method sqrt 2 sigma against f_u / (beta_w
// gamma_M2) = 360 N/mm², by DIN against alpha_w f_y,k / gamma_M = 0.95 240 /
// 1.1. (On parallel flanges of the nominal thickness: 84.94 and 85.5 cm⁴.)
TEST(RolledThroatBatch, BothRoadsHoldTheThroatsToTheRolledOutline) {
    const double sigma_en = 2e6 * 45 / 67.08e4, sigma_din = 2e6 * 45 / 76.98e4;
    const double hand[2] = {std::sqrt(2.0) * sigma_en / 360, sigma_din / (0.95 * 240 / 1.1)};
    Desktop d;
    const std::map<int, float> v = testutil::Shipped_Values("IPN200");
    for (int road = 0; road < 2; road++) {
        if (road == 1) {
            // The manager's file holds the record, its program is there.
            testutil::Write_File(d.dir.file("data/ProfilData.bin"),
                                 testutil::ProfilData_Record(0, 3, "IPN200", "", testutil::To_ProfilData(v)));
            testutil::Write_File(d.dir.file("exec/ProfDesk.exe"), "#!/bin/sh\nexit 0\n");
            std::filesystem::permissions(d.dir.file("exec/ProfDesk.exe"), std::filesystem::perms::owner_all);
        }
        for (int code = 0; code < 2; code++) {
            SCOPED_TRACE(std::string(code ? "DIN" : "EN") + (road ? " from the manager's file" : ""));
            testutil::Record k;
            SchweissnahtAnschluss* r = &k.r;
            Default_Schweissnaht(r);
            r->code_setting = code, r->weld_method = 1, r->gamma_M = 1.1;
            Stahlprofil& p = r->naht.profile;
            const Materialparameter_Record m = p.material;
            p = testutil::Typed_Profile(PROFILTYP_I, 200, 7.5, 90, 11.3);
            p.material = m, p.rolled = 1, p.r_1 = 7.5;
            ASSERT_EQ(Calc_Profile_Cross_Section(&p, nullptr, 0, nullptr), 0);
            p.kind = STAHLPROFIL_KIND_CATALOGUE;
            std::snprintf(p.name, sizeof p.name, "%-39s", "IPN200");
            Nahtbild& n = r->naht;
            n.all_round = n.full_length = n.no_throat_check = 1;
            n.weld_kind = WELD_BUTT;
            n.a_w = n.a_w_fo = n.a_w_fu = 3.0;
            n.weld_count = std::max(0, Get_Profile_Plate_Elements(&p, n.length, n.number));
            for (int i = 0; i < n.weld_count; ++i) n.throat[i] = 3.0;
            Update_Weld_Layout(&n, nullptr, 0);
            Alloc_Lasten(r, 1);
            std::snprintf(r->loads[0].name, sizeof r->loads[0].name, "LK 1");
            r->loads[0].forces.M_z = 2e6;
            d.Add_Connection("A001", r, "1 IPN 200\n");
            ASSERT_EQ(d.Run("A001 0 1 1 -refresh"), 1) << d.err;
            const std::string list = d.File("A001_01.OLI");
            const size_t row = list.find("Schwei\xE1n\x84hte\xCEtLk 1", list.find("Maximale Ausnutzung:"));
            ASSERT_NE(row, std::string::npos);
            double U = NAN;
            std::sscanf(list.c_str() + list.find("r = ", row) + 4, "%lf", &U);
            EXPECT_NEAR(U, hand[code], 0.005 * hand[code]);
        }
    }
}

namespace {

// The section sums of a shape (mm): area, first and second moment about
// the horizontal axis z = 0.
struct Sums {
    double A, S, I;
    Sums operator-(const Sums& o) const { return {A - o.A, S - o.S, I - o.I}; }
    Sums operator+(const Sums& o) const { return {A + o.A, S + o.S, I + o.I}; }
};

// A rectangle 2 half wide from z0 to z1.
Sums Rectangle(double half, double z0, double z1) {
    const double A = 2 * half * (z1 - z0), zc = (z0 + z1) / 2;
    return {A, A * zc, A * zc * zc + A * (z1 - z0) * (z1 - z0) / 12};
}

// A corner's spandrel of radius r (the square r x r less its quarter
// circle) along the horizontal line z = edge, on its upper side (up +1) or
// its lower one (-1): (1 - pi/4) r², its centroid (10 - 3 pi) / (12 - 3 pi)
// r off the line, its second moment about the line r⁴ (1 - 5 pi / 16).
Sums Spandrel(double r, double edge, double up) {
    const double A = (1 - M_PI / 4) * r * r, c = (10 - 3 * M_PI) / (12 - 3 * M_PI) * r;
    const double own = r * r * r * r * (1 - 5 * M_PI / 16) - A * c * c, zc = edge + up * c;
    return {A, A * zc, own + A * zc * zc};
}

// A tee standing on its web's tip at z0, its flange from z_f up to z1, the
// web half w and the flange half e wide, root fillets r_1 under the flange,
// its toes rounded with r_2.
Sums Tee(double z0, double z1, double w, double e, double z_f, double r_1, double r_2) {
    Sums s = Rectangle(e, z_f, z1) + Rectangle(w, z0, z_f);
    for (int side = 0; side < 2; side++) s = s + Spandrel(r_1, z_f, -1) - Spandrel(std::max(r_2, 0.0), z_f, +1);
    return s;
}

// A rectangle b x h with its corners rounded r, about its centre.
Sums Rounded(double b, double h, double r) {
    Sums s = Rectangle(b / 2, -h / 2, h / 2);
    for (int side = 0; side < 2; side++) s = s - Spandrel(r, h / 2, -1) - Spandrel(r, -h / 2, +1);
    return s;
}

// The record of a typed rolled profile (type, h, t_w, b, t_f, root or
// outer radius, toe or inner radius) in S355, welded all round to an S355
// plate with a partial penetration of throat a by DIN 18800 (gamma_M 1.1),
// under N (kN) and M_y (kNm), its list's weld utilisation; the list into
// *list.
double Din_Weld_U(int type, double h, double t_w, double b, double t_f, double r_1, double r_2, double a, double N,
                  double M_y, std::string* list) {
    Desktop d;
    testutil::Record k;
    SchweissnahtAnschluss* r = &k.r;
    Default_Schweissnaht(r);
    r->code_setting = 1, r->gamma_M = 1.1;
    Stahlprofil& p = r->naht.profile;
    const Materialparameter_Record m = p.material;
    p = testutil::Typed_Profile(type, h, t_w, b, t_f);
    p.material = m, p.rolled = 1, p.r_1 = r_1, p.r_2 = r_2;
    EXPECT_EQ(Calc_Profile_Cross_Section(&p, nullptr, 0, nullptr), 0);
    r->naht.profile.material.grade = r->naht.plate.material.grade = r->naht.material.grade = 2;  // S355
    Nahtbild& n = r->naht;
    n.all_round = n.full_length = n.no_throat_check = 1;
    n.weld_kind = WELD_BUTT;
    n.a_w = n.a_w_fo = n.a_w_fu = a;
    n.weld_count = std::max(0, Get_Profile_Plate_Elements(&p, n.length, n.number));
    for (int i = 0; i < n.weld_count; ++i) n.throat[i] = a;
    Update_Weld_Layout(&n, nullptr, 0);
    Alloc_Lasten(r, 1);
    std::snprintf(r->loads[0].name, sizeof r->loads[0].name, "LK 1");
    r->loads[0].forces.N = N * 1e3, r->loads[0].forces.M_y = M_y * 1e6;
    d.Add_Connection("A001", r, "1 typed\n");
    EXPECT_EQ(d.Run("A001 0 1 1 -refresh"), 1) << d.err;
    *list = d.File("A001_01.OLI");
    const size_t row = list->find("Schwei\xE1n\x84hte\xCEtLk 1", list->find("Maximale Ausnutzung:"));
    double U = NAN;
    if (row != std::string::npos) std::sscanf(list->c_str() + list->find("r = ", row) + 4, "%lf", &U);
    return U;
}

}  // namespace

// A rolled tube 200 x 100 x 8 typed in with its corners (12 outside, 8
// inside) and a rolled tee 100 x 100 x 11 (root 11, toes 5.5), S355, welded
// all round with a partial penetration by DIN 18800: the throats lie within
// the rounded outline (laid on the sharp one they counted steel in the
// corners and toes that is not there). sigma_w,R,d = 0.80 360 / 1.1.
//  - The tube's band a deep along its rounded outline, the rounded
//    rectangle less the one a further in (radius 12 - a): a 2, N 500 kN:
//    A_w 11.46 cm², U 1.666 (on the sharp outline 11.84, 1.613); a 3, M_y
//    50 kNm at z = 100 mm: U 2.139 (2.016). a 12, deeper than the wall: the
//    whole wall, the rounded rectangle less the bore (184 x 84, radius 8):
//    I_y 2233.6 cm⁴, U 0.855 (0.828), and the list says the throat is held.
//  - The tee's band within a of all its outline: the tee less the tee a
//    further in (its faces a in, its fillets a larger, its toes a smaller);
//    N acts at the tee's centroid, 1.80 mm above the band's (a 2): sigma =
//    N / A + N e (z - z_w) / I_y at the flange's top face: a 2: A 7.56 cm²,
//    I_y 78.00 cm⁴, U 2.662 (2.549); a 3: 1.786 (1.722).
// The program takes the roundings in 8 straight pieces per quarter circle
// within the steel: 0.1 %.
TEST(RolledThroatBatch, DinThroatsFollowATypedRolledOutline) {
    const double f = 0.80 * 360 / 1.1;
    std::string list;
    // The tube.
    const Sums outer = Rounded(100, 200, 12);
    const Sums a2 = outer - Rounded(96, 196, 10), a3 = outer - Rounded(94, 194, 9), wall = outer - Rounded(84, 184, 8);
    EXPECT_NEAR(a2.A / 100, 11.46, 0.005);
    EXPECT_NEAR(wall.I / 1e4, 2233.6, 0.05);
    EXPECT_NEAR(Din_Weld_U(PROFILTYP_RECHTECK, 200, 8, 100, 8, 12, 8, 2, 500, 0, &list), 500e3 / a2.A / f,
                0.001 * 500e3 / a2.A / f);
    EXPECT_NEAR(Din_Weld_U(PROFILTYP_RECHTECK, 200, 8, 100, 8, 12, 8, 3, 0, 50, &list), 50e6 * 100 / a3.I / f,
                0.001 * 50e6 * 100 / a3.I / f);
    EXPECT_NEAR(Din_Weld_U(PROFILTYP_RECHTECK, 200, 8, 100, 8, 12, 8, 12, 0, 50, &list), 50e6 * 100 / wall.I / f,
                0.002 * 50e6 * 100 / wall.I / f);
    EXPECT_NE(list.find("Nahtdicke a = 12.0 mm > t = 8.0 mm"), std::string::npos);
    // The tee.
    const Sums tee = Tee(0, 100, 5.5, 50, 89, 11, 5.5);
    for (const double a : {2.0, 3.0}) {
        const Sums band = tee - Tee(a, 100 - a, 5.5 - a, 50 - a, 89 + a, 11 + a, 5.5 - a);
        const double z_w = band.S / band.A, I = band.I - band.A * z_w * z_w, e = tee.S / tee.A - z_w;
        if (a == 2.0) {
            EXPECT_NEAR(band.A / 100, 7.56, 0.005);
            EXPECT_NEAR(I / 1e4, 78.00, 0.005);
            EXPECT_NEAR(e, 1.80, 0.005);
        }
        const double sigma = 500e3 / band.A + 500e3 * e * (100 - z_w) / I;
        EXPECT_NEAR(Din_Weld_U(PROFILTYP_T, 100, 11, 100, 11, 11, 5.5, a, 500, 0, &list), sigma / f, 0.001 * sigma / f)
            << a;
    }
}
