// The input files of the open-and-save property: every weld kind and
// arrangement the file holds under both codes, and every grade family
// (each grade of the weld grade table, stainless steel with and without
// "Vorgabe", own strengths by thickness range, one grade for all and a
// grade each). Made by the program's writer in the test's process, which
// needs DATA with PROFIL and the annex files and the German annex active
// (the file's partial factors are the annex's, as a file the window
// saved holds them).
#ifndef TESTS_WELDAPP_FILED_CORPUS_H
#define TESTS_WELDAPP_FILED_CORPUS_H

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "codes/material.h"
#include "weldapp/record_fixture.h"
#include "weldapp/schweissnaht.h"
#include "weldapp/typed_profile.h"
#include "weldcheck/weldelem.h"

namespace testutil {

inline const char* const kFiledAnnexEntry = "\n\nACTIV_NADNAME\n\xAE" "Deutschland\xAF\n";

// A connection of the defaults (HE 280 A in S235 on a 35 mm plate, single
// fillet welds of 5 mm) with two load cases.
inline void Filed_Base(SchweissnahtAnschluss* r) {
    Default_Schweissnaht(r);
    Alloc_Lasten(r, 2);
    r->loads[0].forces.N = 150e3, r->loads[0].forces.M_y = 25e6, r->loads[0].forces.V_z = 40e3;
    r->loads[1].forces.N = -80e3, r->loads[1].forces.M_y = -12e6;
    New_Schweissnaht_Results(r);
}

// The weld table of the record's profile, every weld a throat of 5 mm.
inline void Filed_Lay_Welds(Nahtbild* n) {
    Calc_Profile_Cross_Section(&n->profile, nullptr, 0, "");
    n->weld_count = std::max(Get_Profile_Plate_Elements(&n->profile, n->length, n->number), 0);
    for (int i = 0; i < n->weld_count; ++i) n->throat[i] = 5.0;
    Update_Weld_Layout(n, nullptr, 0);
}

// A typed-in round bar of 60 mm in S355 on a 30 mm plate, welded all
// round with a butt weld of 8 mm that is not fully penetrated (the throat
// not checked against the bar), one load case: M_y 6.555 kNm.
inline void Round_Bar_Butt_Weld(SchweissnahtAnschluss* r) {
    Filed_Base(r);
    Nahtbild& n = r->naht;
    Set_Typed_Profile(&n.profile, PROFILTYP_RUND);
    n.material.grade = 2;
    Check_Material_Params(&n.material, 0.0, nullptr, 0, nullptr);
    n.profile.material = n.plate.material = n.material;
    n.plate.t = 30;
    Filed_Lay_Welds(&n);
    n.weld_kind = WELD_BUTT, n.all_round = 1, n.full_penetration = 0, n.no_throat_check = 1;
    n.a_w = n.a_w_fo = n.a_w_fu = 8;
    n.contact_fraction = 0;
    Update_Weld_Layout(&n, nullptr, 0);
    Alloc_Lasten(r, 1);
    r->loads[0].forces.M_y = 6.555e6;
    New_Schweissnaht_Results(r);
}

// The record's input file as the program writes it: written, read as
// every run reads it and written again, with the annex entry behind it.
inline std::string Filed_File_Of(SchweissnahtAnschluss* r) {
    Record read;
    EXPECT_EQ(Read_With(Read_Schweissnaht, Written_With(Write_Schweissnaht, r), &read.r), 0);
    return Written_With(Write_Schweissnaht, &read.r) + kFiledAnnexEntry;
}

// Whether the page shows the weld of this kind, all-round and full-
// penetration switch as it is (the arrangements and the single welds' kinds
// it has), under EC 3 (ec) or DIN 18800, which checks single welds as
// fillet welds.
inline bool Page_Shows_Weld(int kind, int all_round, int full, bool ec) {
    if (full) return kind == WELD_BUTT && all_round;
    if (all_round) return kind == WELD_FILLET || kind == WELD_BUTT;
    return ec || kind == WELD_FILLET;
}

struct Filed_Case {
    std::string what, file;
    // A box comes at the opening: the page shows a weld of it otherwise,
    // or DIN 18800 checks its grade as a steel of its own list.
    bool box_at_opening;
    bool kept;          // saved untouched, the file byte for byte
    bool sample = true;  // one of its family, for the runs on a display
};

// Every weld kind the file holds (fillet, slot, butt, plug, other), single
// or all round, fully penetrated or not, under EC 3 on HE 280 A and under
// DIN 18800 on a typed tee. The page has no slot weld all round, no fillet
// weld flagged fully penetrated, no butt weld among DIN 18800's single
// fillet welds: those it names at the opening.
inline std::vector<Filed_Case> Weld_Kind_Cases() {
    std::vector<Filed_Case> cases;
    for (int code : {CODE_SETTING_EC3, CODE_SETTING_DIN18800})
        for (int kind = WELD_FILLET; kind <= WELD_OTHER; ++kind)
            for (int all_round = 0; all_round <= 1; ++all_round)
                for (int full = 0; full <= 1; ++full) {
                    Record k;
                    SchweissnahtAnschluss& r = k.r;
                    Filed_Base(&r);
                    r.code_setting = code;
                    Nahtbild& n = r.naht;
                    if (code == CODE_SETTING_DIN18800) {
                        Set_Typed_Profile(&n.profile, PROFILTYP_T);
                        Filed_Lay_Welds(&n);
                    }
                    n.weld_kind = kind, n.all_round = all_round, n.full_penetration = full;
                    Update_Weld_Layout(&n, nullptr, 0);
                    cases.push_back({"code " + std::to_string(code) + " kind " + std::to_string(kind) + " all round " +
                                         std::to_string(all_round) + " full " + std::to_string(full),
                                     Filed_File_Of(&r), !Page_Shows_Weld(kind, all_round, full, code == CODE_SETTING_EC3),
                                     true});
                }
    return cases;
}

// Every grade of the weld grade table, stainless steel with and without
// "Vorgabe", own strengths that differ by thickness range, under both
// codes, one grade for all and a grade each in turn (under DIN 18800 one
// grade for all: each grade is then the steel its list takes for it). Not
// kept where DIN 18800's list checks a grade as another steel (S450 as S355
// (St52), an N/NL grade as its base steel): the save names it in a box.
inline constexpr int kFamilyGrades[] = {0, 3, 5, 9, 12, 14, 16, 19, 22, 25};

inline std::vector<Filed_Case> Grade_Cases() {
    struct Grade {
        int grade, own;
    };
    std::vector<Grade> grades;
    for (int g = 0; g < WELD_GRADE_COUNT; ++g) grades.push_back({g, 0});
    grades.push_back({WELD_GRADE_STAINLESS, 0});
    grades.push_back({WELD_GRADE_STAINLESS, 1});
    grades.push_back({0, 1});
    std::vector<Filed_Case> cases;
    for (int code : {CODE_SETTING_EC3, CODE_SETTING_DIN18800})
        for (size_t i = 0; i < grades.size(); ++i) {
            const Grade& g = grades[i];
            const int uniform = code == CODE_SETTING_DIN18800 ? 1 : static_cast<int>(i % 2);
            Record k;
            SchweissnahtAnschluss& r = k.r;
            Filed_Base(&r);
            r.code_setting = code;
            Nahtbild& n = r.naht;
            n.uniform_grade = uniform;
            Materialparameter_Record* m[3] = {&n.material, &n.profile.material, &n.plate.material};
            for (int j = 0; j < 3; ++j) {
                // Without one grade for all, the parts' own grades differ
                // (the profile's is the next grade of the table).
                m[j]->grade = uniform || j != 1 || g.grade >= WELD_GRADE_STAINLESS ? g.grade : (g.grade + 1) % 26;
                m[j]->own_values = g.own;
                Check_Material_Params(m[j], 0.0, nullptr, 0, nullptr);
                if (g.grade == WELD_GRADE_STAINLESS || g.own) {
                    // Strengths of their own in every range; stainless steel
                    // takes the first, own values by thickness.
                    m[j]->f_y1 = 300 - (uniform ? 0 : j), m[j]->f_u1 = 520, m[j]->f_y2 = 280, m[j]->f_u2 = 500;
                    m[j]->f_y3 = 260, m[j]->f_u3 = 480, m[j]->beta_w = 1.0, m[j]->E = 200000;
                }
            }
            const int entry = Grade_Index_To_Steel_Choice(g.grade);
            const bool checked_as_another = code == CODE_SETTING_DIN18800 && !g.own && entry >= 0 &&
                                            Steel_Choice_To_Grade_Index(entry) != g.grade;
            // (The MH/MLH grades, 22 and on, end short: kept as themselves.)
            const bool taken_as_another = checked_as_another && g.grade < 22;
            // A grade of each family: plain, N/NL, M/ML, W, Q, H, NH, MH.
            const bool sample = g.own || g.grade >= WELD_GRADE_STAINLESS ||
                                std::find(std::begin(kFamilyGrades), std::end(kFamilyGrades), g.grade) !=
                                    std::end(kFamilyGrades);
            cases.push_back({"code " + std::to_string(code) + " grade " + std::to_string(g.grade) + " own " +
                                 std::to_string(g.own) + " uniform " + std::to_string(uniform),
                             Filed_File_Of(&r), checked_as_another, !taken_as_another, sample});
        }
    return cases;
}

}  // namespace testutil

#endif
