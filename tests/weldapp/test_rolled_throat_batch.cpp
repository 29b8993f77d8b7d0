// A partial penetration all round an IPN 200, through the built program,
// from the profile file and from the profile manager's: one record, one
// throat section within its rolled outline on both roads.
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
