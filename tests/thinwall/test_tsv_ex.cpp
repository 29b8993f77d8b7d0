// Line-model check through the hook of the model store: without a hook it
// reports "not computed"; with a stand-in component the control record, the
// line list and the report.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "base/cp850.h"
#include "support/testutil.h"
#include "thinwall/dwqb.h"
#include "thinwall/tsv_ex.h"

namespace test_tsv_ex {
namespace {

const double forces[8] = {100, 0, 0, 0, 500, 0, 0, 20000};
const double yield[2] = {23.5, 23.5};

TEST(TsvEx, WithoutHookNotComputed) {
    Init_DWQB_Model();
    TSV_EX_Ergebnis r;
    r.flags = 0xFF;
    EXPECT_EQ(Calc_TSV_EX(forces, yield, nullptr, &r, nullptr), 0);
    EXPECT_EQ(r.flags, 0u);
    EXPECT_EQ(r.d[TSV_EX_U_PL], -1.0);
    FILE* f = std::tmpfile();
    EXPECT_EQ(Print_TSV_EX_Result(f, 0, " ", forces, &r, nullptr), 1);
    EXPECT_EQ(testutil::Stream_All(f), "");
    EXPECT_EQ(Print_TSV_EX_Linien(f, 0, ""), 0);
    std::fclose(f);
}

// A stand-in component: remembers the control flags, reports a load factor 2
// with warping left open and two lines, the second split.
uint32_t seen_flags;
int object_token;
void* Create(double*, void*) { return &object_token; }
void Release(void*, void*) {}
void* Evaluate(void*, void* control, void*, void*, void* result, void* list_ref, void*) {
    seen_flags = static_cast<TSV_EX_Steuerung*>(control)->flags;
    auto* r = static_cast<TSV_EX_Ergebnis*>(result);
    r->flags |= TSV_EX_FACTOR | TSV_EX_WARPING_OPEN;
    r->d[TSV_EX_F_PL] = 2.0;
    r->d[TSV_EX_U_PL] = 0.5;
    r->d[TSV_EX_B] = 30000;  // bimoment of the limit state, kNcm2
    r->d[TSV_EX_MY] = 500, r->d[TSV_EX_VZ] = 10;
    auto** ref = static_cast<TSV_EX_Linienliste**>(list_ref);
    if (ref) {
        TSV_EX_Linienliste* l = New_TSV_EX_Linienliste(nullptr, 2);
        l->count = 2;
        l->lines[0] = TSV_EX_Linie{};
        l->lines[0].number = 1, l->lines[0].sub_index = -1, l->lines[0].N = 50, l->lines[0].M_y = 250;
        l->lines[0].U_sigma = 0.25, l->lines[0].U = 0.25;
        l->lines[0].y_s = 1.5, l->lines[0].z_s = -2, l->lines[0].w_s = 3, l->lines[0].t = 1, l->lines[0].b = 10;
        l->lines[0].angle = M_PI / 2;
        l->lines[1] = TSV_EX_Linie{};
        l->lines[1].number = 12, l->lines[1].kind = 1, l->lines[1].sub_index = 0, l->lines[1].V_z = 10;
        l->lines[1].U_tau = 0.125, l->lines[1].U = 0.125;
        *ref = l;
    }
    return result;
}

TEST(TsvEx, ThroughTheHook) {
    DWQB_Hook_Table table{Create, Evaluate, Release, nullptr};
    DWQB_Hook_Table* old = Set_DWQB_Hook_Table(&table);
    const int32_t was = DWQB_Erweitert;
    DWQB_Erweitert = 1;
    Init_DWQB_Model();  // I_T = I_w = 0: warping torsion negligible
    TSV_EX_Ergebnis r;
    TSV_EX_Linienliste* lines = nullptr;
    ASSERT_EQ(Calc_TSV_EX(forces, yield, nullptr, &r, &lines), 1);
    EXPECT_EQ(seen_flags, TSV_EX_NO_WARPING);
    const TSV_EX_Steuerung always{TSV_EX_ALWAYS_WARPING, 0, 0, 0, 0, 0, 0, 100, 0};
    ASSERT_EQ(Calc_TSV_EX(forces, yield, &always, &r, nullptr), 1);
    EXPECT_EQ(seen_flags, TSV_EX_ALWAYS_WARPING);
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ(Find_TSV_EX_Linie(lines, 12), &lines->lines[1]);
    EXPECT_EQ(Find_TSV_EX_Linie(lines, 2), nullptr);

    FILE* f = std::tmpfile();
    ASSERT_EQ(Print_TSV_EX_Result(f, 0, " ", forces, &r, lines), 1);
    // Delta B = (M_omega f_pl - B) / 10000 = (20000 * 2 - 30000) / 10000 = 1 kNm2.
    const std::string expected(
        " Schnittgrößen bzgl. yz-Richtung in kN, m:  My = 5.00,  Mz = 0.00,  Vy = 0.00,  Vz = 10.00\n"
        " Teilschnittgrößen der Linien des Querschnitts in kN, m:\n"
        "   1:   N = 50.00,  My = 2.50,  Mz = 0.00,  Vy = 0.00,  Vz = 0.00,  T = 0.00\n"
        "  12a:  Schweissnaht:  Vy = 0.00,  Vz = 10.00,  T = 0.00\n"
        " Ausnutzungen der Linien des Querschnitts\n"
        "   1:   U╬\\" "\xCC" "╬r = 0.250,  U╬\\" "\xD6" "╬r = 0.000,  U = 0.250\n"
        "  12a:  Schweissnaht:  U╬\\" "\xD6" "╬r = U = 0.125\n"
        " max. Lastfaktor (plast.): f╬\\pl╬r = 2.000\n"
        " Verwölbungsungleichgewicht im Grenzzustand:  " "\xA3" "B = 1.000 kNm╬/2╬r\n"
        " Ausnutzung (ohne Verwölbungsgleichgewicht):  U╬\\pl╬r = 0.500\n"_cp);
    EXPECT_EQ(testutil::Stream_All(f), expected);
    Free_TSV_EX_Linienliste(lines);

    std::rewind(f);
    ASSERT_EQ(Print_TSV_EX_Linien(f, 0, ""), 1);
    const std::string listed(
        " Linien des Querschnitts:\n"
        "   1:   y╬\\s╬r = 1.50 cm,  z╬\\s╬r = -2.00 cm,  w╬\\s╬r = 3.00 cm╬/2╬r,  t = 1.00 cm,  b = 10.00 cm,  "
        "\xBA" " = 90.00 °\n"
        "  12a:  y╬\\s╬r = 0.00 cm,  z╬\\s╬r = 0.00 cm,  w╬\\s╬r = 0.00 cm╬/2╬r,  t = 0.00 cm,  b = 0.00 cm,  "
        "\xBA" " = 0.00 °\n"_cp);
    EXPECT_EQ(testutil::Stream_Text(f), listed);
    std::fclose(f);

    Clear_DWQB_Model();
    Set_DWQB_Hook_Table(old);
    DWQB_Erweitert = was;
}

TEST(TsvEx, WorkRecordSetups) {
    const int32_t was = DWQB_Erweitert;
    Section_Work_Record w{};
    Profil_Model_Descriptor user{0, 5, 0, 0, 0, PROFIL_FAMILY_USER, 0};
    Profil_Model_Descriptor flat{0, 5, 0, 0, 0, 11, 0};
    DWQB_Erweitert = 0;
    EXPECT_EQ(Is_TSV_EX_Applicable(&user, &w.head, " "), 0);
    DWQB_Erweitert = 1;
    EXPECT_EQ(Is_TSV_EX_Applicable(&user, &w.head, " "), 1);
    EXPECT_EQ(Is_PLO_Applicable(&flat, &w.head, " "), 0);
    EXPECT_EQ(Setup_TSV_EX_Work(nullptr, &flat, &w.head, " "), 2);
    const TSV_EX_Einstellungen s{0x123456, 0, {0, 0.002, 200, 0.003, 0.5}};
    EXPECT_EQ(Setup_TSV_EX_Work(&s, &user, &w.head, " "), 5);
    EXPECT_EQ(Get_Section_Work_Code_3(nullptr, &w.head), 0x1023456);
    EXPECT_EQ(w.payload[0], 1.0f);
    EXPECT_EQ(Setup_PLO_Work(nullptr, &user, &w.head, " "), 4);
    const float defaults[6] = {1, 1, 0.001f, 150, 0.001f, 1};
    for (int i = 0; i < 6; i++) EXPECT_EQ(w.payload[i], defaults[i]);
    EXPECT_EQ(Setup_PLO_Work(&s, &user, &w.head, " "), 4);
    EXPECT_EQ(w.payload[3], 200.0f);
    DWQB_Erweitert = was;
}

}  // namespace

}  // namespace test_tsv_ex
