// Fillet welds on an IPN 200's sloped flanges, through the built program:
// the welds the page lays on the plates' faces lie on the rolled faces by
// the Eurocode and by DIN 18800, and the list's weld table gives their
// lengths there.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "profiles/catalogue_fixture.h"
#include "weldapp/batch_desktop.h"
#include "weldapp/record_fixture.h"
#include "weldcheck/weldelem.h"

// IPN 200 S355, single fillet welds a = 4 on every face, full length, the
// page's lengths (the plates' faces: 90, 33.75 and 162.4 mm). On the rolled
// faces (SlopedFlangeWelds, by hand): the inner welds 31.2 mm long from
// 10.21 to 41.12 mm beside the web axis along the 14 % slope, the web
// welds 159.1 mm, I_w,z 87.27 and I_w,y 1385.47 cm⁴. M_z 5 kNm: sigma_w =
// 5e6 45 / 87.27e4 = 257.82 N/mm², by the directional method sqrt 2 sigma_w
// / (490 / (0.9 1.25)) = 0.837, by DIN 18800 (St 52) sigma_w / (0.8 360 /
// 1.1) = 0.985; M_y 50 kNm: 50e6 100 / 1385.47e4 = 360.89 N/mm², 1.172. (On
// the plates' faces: 0.743, 0.938 and 1.135.)
TEST(SlopedFlangeBatch, IPN200FilletsOnTheRolledFacesOnBothCodes) {
    const double f_w = 490 / (0.9 * 1.25), sigma_R = 0.8 * 360 / 1.1;
    const double I_z = 872706, I_y = 13854667;  // mm⁴
    const struct {
        int code;
        double M_y, M_z, U;
    } cases[] = {{0, 0, 5e6, std::sqrt(2.0) * 5e6 * 45 / I_z / f_w},
                 {0, 50e6, 0, std::sqrt(2.0) * 50e6 * 100 / I_y / f_w},
                 {1, 0, 5e6, 5e6 * 45 / I_z / sigma_R}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.code ? "DIN" : "EN") + (c.M_y ? " M_y" : " M_z"));
        Desktop d;
        testutil::Record k;
        SchweissnahtAnschluss* r = &k.r;
        Default_Schweissnaht(r);
        r->code_setting = c.code, r->weld_method = 1, r->gamma_M = 1.1, r->section_check = 0;
        Nahtbild& n = r->naht;
        n.profile.material.grade = n.plate.material.grade = n.material.grade = 2;  // S355
        Stahlprofil& p = n.profile;
        const Materialparameter_Record m = p.material;
        // The catalogue's IPN 200 as the page hands it over (the program
        // reads the record by its name).
        p = testutil::Typed_Profile(PROFILTYP_I, 200, 7.5, 90, 11.3);
        p.material = m, p.rolled = 1, p.r_1 = 7.5;
        ASSERT_EQ(Calc_Profile_Cross_Section(&p, nullptr, 0, nullptr), 0);
        p.kind = STAHLPROFIL_KIND_CATALOGUE;
        std::snprintf(p.name, sizeof p.name, "%-39s", "IPN200");
        n.all_round = 0, n.full_length = 1;
        n.weld_kind = WELD_FILLET;
        n.a_w = n.a_w_fo = n.a_w_fu = 4.0;
        n.weld_count = std::max(0, Get_Profile_Plate_Elements(&p, n.length, n.number));
        for (int i = 0; i < n.weld_count; ++i) n.throat[i] = n.number[i] > 0 && n.number[i] <= 8 ? 4.0 : 0.0;
        Update_Weld_Layout(&n, nullptr, 0);
        Alloc_Lasten(r, 1);
        std::snprintf(r->loads[0].name, sizeof r->loads[0].name, "LK 1");
        r->loads[0].forces.M_y = c.M_y, r->loads[0].forces.M_z = c.M_z;
        d.Add_Connection("A001", r, "1 IPN 200\n");
        ASSERT_EQ(d.Run("A001 0 1 1 -refresh"), 1) << d.err;
        const std::string list = d.File("A001_01.OLI");
        const size_t row = list.find("Schwei\xE1n\x84hte\xCEtLk 1", list.find("Maximale Ausnutzung:"));
        ASSERT_NE(row, std::string::npos);
        double U = NAN;
        std::sscanf(list.c_str() + list.find("r = ", row) + 4, "%lf", &U);
        EXPECT_NEAR(U, c.U, 0.0006);
        if (c.code == 0) {
            // The legend of the check's picture: the inner welds as laid.
            EXPECT_NE(list.find("Naht 2: \xCEta\xCE\\w\xCEr = 4.0 mm\xCEtl\xCE\\w\xCEr = 31.2 mm"), std::string::npos);
            EXPECT_NE(list.find("Naht 4: \xCEta\xCE\\w\xCEr = 4.0 mm\xCEtl\xCE\\w\xCEr = 159.1 mm"), std::string::npos);
        }
    }
}
