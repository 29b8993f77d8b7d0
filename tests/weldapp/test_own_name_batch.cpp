// One catalogue record under any name, through the built program: the
// cross-section check of the record is the same under its designation and
// under a user's own name, by EN 1993-1-1 and by DIN 18800, from PROFIL and
// from the profile manager's file, and agrees with the hand calculation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "base/stored_text.h"
#include "profiles/catalogue_fixture.h"
#include "support/testutil.h"
#include "weldapp/batch_desktop.h"
#include "weldapp/record_fixture.h"
#include "weldapp/schweissnaht.h"

namespace {

// The cross-section's row of the final result: its U, NAN when none.
double Section_U(const std::string& list) {
    const size_t final_result = list.find("Maximale Ausnutzung:");
    const size_t row = list.find("Querschnitt\xCEtLk 1", final_result);
    if (final_result == std::string::npos || row == std::string::npos) return std::nan("");
    double u = std::nan("");
    std::sscanf(list.c_str() + list.find("r = ", row) + 4, "%lf", &u);
    return u;
}

struct Section {
    const char* designation;
    int type;              // as a typed profile of its dimensions
    double h, t_w, b, t_f, r;
};

// A one-case connection of the catalogue profile `name` (written with the
// section's dimensions; the program takes the catalogue's), S235 on a 20 mm
// plate, welded all round with a = 5 mm, the cross-section checked
// elastically: EN (code 0) or DIN 18800 (code 1, gamma_M 1.1). Forces V_z,
// V_y in kN. Its list.
std::string Run_Section(Desktop& d, const Section& s, const char* name, int code, double V_z, double V_y) {
    testutil::Record k;
    SchweissnahtAnschluss* r = &k.r;
    Nahtbild* n = &r->naht;
    Default_Schweissnaht(r);
    r->print.ergebnisumfang = 1;
    r->code_setting = code;
    r->gamma_M = 1.1;
    r->section_check = 1;
    r->section_method = 0;
    Stahlprofil& p = n->profile;
    const Materialparameter_Record m = p.material;
    p = testutil::Typed_Profile(s.type, s.h, s.t_w, s.b, s.t_f);
    p.material = m;
    p.rolled = 1;
    p.r_1 = s.r;
    EXPECT_EQ(Calc_Profile_Cross_Section(&p, nullptr, 0, nullptr), 0);
    p.kind = STAHLPROFIL_KIND_CATALOGUE;
    std::snprintf(p.name, sizeof p.name, "%s", name);
    Pad_Blank(p.name, STAHLPROFIL_NAME_SIZE);
    n->plate.t = 20.0;
    n->all_round = 1;
    n->full_length = 1;
    n->a_w = n->a_w_fo = n->a_w_fu = 5.0;
    const int count = Get_Profile_Plate_Elements(&p, n->length, n->number);
    n->weld_count = count > 0 ? count : 0;
    for (int i = 0; i < n->weld_count; ++i) n->throat[i] = 5.0;
    Update_Weld_Layout(n, nullptr, 0);
    Alloc_Lasten(r, 1);
    std::snprintf(r->loads[0].name, sizeof r->loads[0].name, "%s", "LK 1");
    r->loads[0].forces.V_z = V_z * 1e3;
    r->loads[0].forces.V_y = V_y * 1e3;
    d.Add_Connection("A001", r, "1 Eigene Bezeichnung\n");
    EXPECT_EQ(d.Run("A001 0 1 1 -refresh"), 1) << d.err;
    return d.File("A001_01.OLI");
}

}  // namespace

// HE 300 B's record under FLANSCH (once a flat bar: 0.053 "Nachweis
// erbracht"), XHE300B (once no family and no check) and SONDER1, V_z = 430
// kN; U 200's under SONDER2 (once a double-T: 0.681), V_y = 139.6 kN.
// By hand, S235, gamma_M0 1.0 (EN) and 1.1 (DIN, f_y,k 240):
//  - HE 300 B: tau = V S_y / (I_y t_w), S_y = W_pl,y / 2 = 934.5 cm3, I_y
//    25170 cm4, t_w 11 mm: 430e3 934.5e3 / (25170e4 11) = 145.13 N/mm2,
//    sigma_v = 3^0.5 tau = 251.38: EN 251.38 / 235 = 1.0697, DIN 251.38 /
//    218.18 = 1.1522;
//  - U 200: the flanges beside the centroid, (b - e_y) = 75 - 20.1 = 54.9
//    mm, S_z = 2 t_f 54.9^2 / 2 over the cut 2 t_f: tau = V (b - e_y)^2 / (2
//    I_z) = 139.6e3 3014.0 / (2 148e4) = 142.15, sigma_v 246.21: EN 1.0477.
// Every name gives the designation's own U, on both roads.
TEST(OwnNameBatch, ARecordIsCheckedAsItselfUnderAnyName) {
    const Section he{"HE300B", PROFILTYP_H, 300, 11, 300, 19, 27}, u{"U200", PROFILTYP_U, 200, 8.5, 75, 11.5, 11.5};
    const struct {
        const Section* section;
        std::vector<const char*> names;
        int code;
        double V_z, V_y, hand;
    } rows[] = {
        {&he, {"HE300B", "FLANSCH", "XHE300B", "SONDER1"}, 0, 430, 0, 1.0697},
        {&he, {"HE300B", "FLANSCH", "XHE300B", "SONDER1"}, 1, 430, 0, 1.1522},
        {&u, {"U200", "SONDER2"}, 0, 0, 139.6, 1.0477},
    };
    Desktop d;
    // The shipped file with the records under the other names, in order;
    // the manager's file with the same records.
    std::vector<std::string> records;
    const std::string shipped = testutil::Read_File(WELD_PROFIL_FILE);
    for (size_t at = 0; at + 160 <= shipped.size(); at += 160) records.push_back(shipped.substr(at, 160));
    std::string manager;
    for (const auto& row : rows)
        for (const char* name : row.names) {
            const std::map<int, float> v = testutil::Shipped_Values(row.section->designation);
            if (std::strcmp(name, row.section->designation) != 0)
                records.push_back(testutil::Profil_Record(name, row.section->type == PROFILTYP_U ? 'U' : 'D', v));
            if (row.code == 0) manager += testutil::ProfilData_Record(row.section->type == PROFILTYP_U ? 1 : 0, 3, name,
                                                                     "", testutil::To_ProfilData(v));
        }
    std::sort(records.begin(), records.end(), [](const std::string& a, const std::string& b) {
        return a.compare(0, 16, b, 0, 16) < 0;
    });
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
        for (const auto& row : rows) {
            for (const char* name : row.names) {
                SCOPED_TRACE(std::string(name) + (row.code ? " DIN" : " EN") + (road ? " from the manager's file" : ""));
                const double U = Section_U(Run_Section(d, *row.section, name, row.code, row.V_z, row.V_y));
                EXPECT_NEAR(U, row.hand, 0.003 * row.hand);
            }
        }
    }
}
