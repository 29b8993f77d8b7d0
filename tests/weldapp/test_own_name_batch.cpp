// One catalogue record under any name, through the built program: its
// cross-section check by EN 1993-1-1 and DIN 18800, from PROFIL and from the
// profile manager's file, is the designation's and the hand calculation's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "profiles/catalogue_fixture.h"
#include "weldapp/batch_desktop.h"
#include "weldapp/record_fixture.h"

// HE 300 B's record under FLANSCH (once a flat bar: 0.053 "Nachweis
// erbracht"), XHE300B (once no family, no check) and SONDER1, V_z = 430 kN;
// U 200's under SONDER2 (once a double-T: 0.681), V_y = 139.6 kN. The input
// file gives the section typed in, the program takes the catalogue's. By
// hand, S235, elastic, gamma_M0 1.0 (EN) and 1.1 (DIN, f_y,k 240):
//  - HE 300 B: tau = V S_y / (I_y t_w), S_y = W_pl,y / 2 = 934.5 cm3: 430e3
//    934.5e3 / (25170e4 11) = 145.13 N/mm2, sigma_v = 3^0.5 tau = 251.38: EN
//    251.38 / 235 = 1.0697, DIN 251.38 / 218.18 = 1.1522;
//  - U 200: the flanges beside the centroid, b - e_y = 54.9 mm: tau = V (b -
//    e_y)^2 / (2 I_z) = 139.6e3 3014.0 / (2 148e4) = 142.15, EN 1.0477;
//  - U 200 under M_y = 20 and M_z = 3 kNm: the flange tip's outer corner,
//    h/2 = 100 mm and b - e_y = 54.9 mm from the centroid, 20e6 100 /
//    1910e4 + 3e6 54.9 / 148e4 = 215.996 N/mm2: EN 0.9191, DIN 0.9900 (the
//    plates' flange on its parallel mid-line once put the corner 1.5 mm
//    inside: 214.4).
TEST(OwnNameBatch, ARecordIsCheckedAsItselfUnderAnyName) {
    const struct {
        const char* record;
        char letter;
        int type;
        double h, t_w, b, t_f, r;
        std::vector<const char*> names;
        int code;
        double V_z, V_y, hand, M_y = 0, M_z = 0;
    } rows[] = {
        {"HE300B", 'D', PROFILTYP_H, 300, 11, 300, 19, 27, {"HE300B", "FLANSCH", "XHE300B", "SONDER1"}, 0, 430, 0, 1.0697},
        {"HE300B", 'D', PROFILTYP_H, 300, 11, 300, 19, 27, {"HE300B", "FLANSCH", "XHE300B", "SONDER1"}, 1, 430, 0, 1.1522},
        {"U200", 'U', PROFILTYP_U, 200, 8.5, 75, 11.5, 11.5, {"U200", "SONDER2"}, 0, 0, 139.6, 1.0477},
        {"U200", 'U', PROFILTYP_U, 200, 8.5, 75, 11.5, 11.5, {"SONDER3"}, 0, 0, 0, 0.9191, 20, 3},
        {"U200", 'U', PROFILTYP_U, 200, 8.5, 75, 11.5, 11.5, {"SONDER3"}, 1, 0, 0, 0.9900, 20, 3},
    };
    EXPECT_NEAR((20e6 * 100 / 1910e4 + 3e6 * 54.9 / 148e4) / 235, 0.9191, 1e-4);
    EXPECT_NEAR((20e6 * 100 / 1910e4 + 3e6 * 54.9 / 148e4) / (240 / 1.1), 0.9900, 1e-4);
    Desktop d;
    // The shipped file with the records under the other names, in order, and
    // a manager's file of the same records.
    const std::string shipped = testutil::Read_File(WELD_PROFIL_FILE);
    std::vector<std::string> records;
    for (size_t at = 0; at < shipped.size(); at += 160) records.push_back(shipped.substr(at, 160));
    std::string manager;
    for (const auto& row : rows)
        for (const char* name : row.names) {
            const std::map<int, float> v = testutil::Shipped_Values(row.record);
            records.push_back(testutil::Profil_Record(name, row.letter, v));
            if (row.code == 0) manager += testutil::ProfilData_Record(row.letter == 'U', 3, name, "", testutil::To_ProfilData(v));
        }
    std::sort(records.begin(), records.end());
    records.erase(std::unique(records.begin(), records.end()), records.end());
    std::string file;
    for (const std::string& record : records) file += record;
    testutil::Write_File(d.dir.file("data/PROFIL"), file);
    for (int road = 0; road < 2; road++) {
        if (road == 1) {
            testutil::Write_File(d.dir.file("data/ProfilData.bin"), manager);
            testutil::Write_File(d.dir.file("exec/ProfDesk.exe"), "#!/bin/sh\nexit 0\n");
            std::filesystem::permissions(d.dir.file("exec/ProfDesk.exe"), std::filesystem::perms::owner_all);
        }
        for (const auto& row : rows)
            for (const char* name : row.names) {
                SCOPED_TRACE(std::string(name) + (row.code ? " DIN" : " EN") + (road ? " from the manager's file" : ""));
                testutil::Record k;
                SchweissnahtAnschluss* r = &k.r;
                Default_Schweissnaht(r);
                r->code_setting = row.code, r->gamma_M = 1.1, r->section_check = 1, r->section_method = 0;
                Stahlprofil& p = r->naht.profile;
                const Materialparameter_Record m = p.material;
                p = testutil::Typed_Profile(row.type, row.h, row.t_w, row.b, row.t_f);
                p.material = m, p.rolled = 1, p.r_1 = row.r;
                ASSERT_EQ(Calc_Profile_Cross_Section(&p, nullptr, 0, nullptr), 0);
                p.kind = STAHLPROFIL_KIND_CATALOGUE;
                std::snprintf(p.name, sizeof p.name, "%-39s", name);
                r->naht.all_round = r->naht.full_length = 1;
                r->naht.a_w = r->naht.a_w_fo = r->naht.a_w_fu = 5.0;
                r->naht.weld_count = std::max(0, Get_Profile_Plate_Elements(&p, r->naht.length, r->naht.number));
                for (int i = 0; i < r->naht.weld_count; ++i) r->naht.throat[i] = 5.0;
                Update_Weld_Layout(&r->naht, nullptr, 0);
                Alloc_Lasten(r, 1);
                std::snprintf(r->loads[0].name, sizeof r->loads[0].name, "LK 1");
                r->loads[0].forces.V_z = row.V_z * 1e3, r->loads[0].forces.V_y = row.V_y * 1e3;
                r->loads[0].forces.M_y = row.M_y * 1e6, r->loads[0].forces.M_z = row.M_z * 1e6;
                d.Add_Connection("A001", r, "1 Eigene Bezeichnung\n");
                ASSERT_EQ(d.Run("A001 0 1 1 -refresh"), 1) << d.err;
                // The cross-section's row of the final result.
                const std::string list = d.File("A001_01.OLI");
                const size_t row_at = list.find("Querschnitt\xCEtLk 1", list.find("Maximale Ausnutzung:"));
                double U = NAN;
                if (row_at != std::string::npos) std::sscanf(list.c_str() + list.find("r = ", row_at) + 4, "%lf", &U);
                EXPECT_NEAR(U, row.hand, 0.003 * row.hand);
            }
    }
}
