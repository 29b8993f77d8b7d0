// Shared set-up of the weld-check tests: a print list read back as its text
// lines, plates and groups of the worked examples, a scoped annex variant
// and profile catalogue, and the DIN path's block as text.
#ifndef TESTS_WELDCHECK_WELD_FIXTURE_H
#define TESTS_WELDCHECK_WELD_FIXTURE_H

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "codes/nad.h"
#include "printlist/list_capture.h"
#include "printlist/verdict.h"
#include "printlist/verdict_lines.h"
#include "support/testutil.h"
#include "profiles/geschweisster_anschluss.h"
#include "weldcheck/din_check.h"
#include "weldcheck/weld_check_record.h"
#include "weldcheck/weldelem.h"

// Whether a report holds the text printf makes of a value that is not a
// finite number ("nan", "inf", whatever the case), as a word of its own.
inline bool Has_Non_Finite_Text(const std::string& text) {
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    for (const char* word : {"nan", "inf"}) {
        for (size_t i = 0; i + 3 <= text.size(); ++i) {
            bool same = true;
            for (size_t k = 0; k < 3; ++k) same = same && (text[i + k] | 0x20) == word[k];
            if (same && (i == 0 || !letter(text[i - 1])) && (i + 3 == text.size() || !letter(text[i + 3])))
                return true;
        }
    }
    return false;
}

// A steel plate of thickness t with f_u 360 N/mm² (340 above 40 mm) and
// beta_w 0.8, given as own values.
inline void Steel_Plate(Blech_Record* p, double t, double fu1 = 360.0, double fu2 = 340.0, double beta_w = 0.8) {
    Clear_Plate(p);
    p->t = t;
    p->material.own_values = 1;
    p->material.f_y1 = 235.0;
    p->material.f_y2 = 215.0;
    p->material.f_y3 = 215.0;
    p->material.f_u1 = fu1;
    p->material.f_u2 = fu2;
    p->material.f_u3 = fu2;
    p->material.beta_w = beta_w;
    p->material.f_y = p->material.f_y1;  // calculation values as a reader leaves them
    p->material.f_u = fu1;
}

// A group of the worked examples: plates t1, t2, gamma_M2 1.25 (own values),
// throat a, check and summary on, detailing skipped.
struct WeldCase {
    NahtGruppe g;
    Sicherheitsbeiwerte_Record factors;
    WeldCase(double a = 5.0, double t1 = 10.0, double t2 = 10.0) {
        Clear_Weld_Group(&g);
        Clear_Safety_Factors(&factors);
        factors.gamma_M0 = 1.0;
        factors.gamma_M2 = 1.25;
        Steel_Plate(&g.plate1, t1);
        Steel_Plate(&g.plate2, t2);
        g.a = a;
        g.factors = &factors;
        g.check = 1;
    }
};

// A weld check record of a typed-in profile (mm) in S235, welded to a 20 mm
// plate of Steel_Plate, gamma_M2 1.25, nothing else set: the result of
// Calc_Profile_Cross_Section.
inline int Typed_Profile_Record(SchweissnahtNachweis* r, int type, double h, double t_w, double b_fo, double t_fo,
                                double b_fu, double t_fu) {
    Init_Weld_Check_Record(r);
    r->gamma_M2 = 1.25;
    Steel_Plate(&r->plate, 20.0);
    Stahlprofil& p = r->profile;
    Init_Profile(&p);
    p.type = type;
    p.h = h, p.t_w = t_w, p.b_fo = b_fo, p.t_fo = t_fo, p.b_fu = b_fu, p.t_fu = t_fu;
    Default_Material_Params(&p.material);
    return Calc_Profile_Cross_Section(&p, nullptr, 0, nullptr);
}

// The DIN path's record of a profile of the weld program as the program
// hands it over (its family, dimensions, root radius, a catalogue
// profile's name, a welded one's weld legs): welded all round with throat
// a_w, full length, gamma_M 1.1, on a 20 mm end plate of the same grade
// (the row of the DIN steel catalogue).
inline GeschweissterAnschluss Din_Record_Of(const Stahlprofil& p, int grade, double a_w) {
    GeschweissterAnschluss r;
    Init_Geschweisster_Anschluss(&r);
    r.family = Anschluss_Family_Of_Profile_Type(p.type);
    double h = p.h, b = p.b_fo, t = p.t_fo > 0 ? p.t_fo : p.t_w, s = p.t_w;
    if (r.family == ANSCHLUSS_FLAT) b = t = s = p.t_w;
    if (r.family == ANSCHLUSS_CHS) b = h, t = s = p.t_w;
    if (r.family == ANSCHLUSS_ROUND) b = h, t = s = 0.0;
    r.h = r.h2 = h, r.b = r.b2 = b, r.t = r.t2 = t, r.s = r.s2 = s, r.r = r.r2 = p.r_1;
    if (r.family == ANSCHLUSS_RHS && p.kind != STAHLPROFIL_KIND_CATALOGUE)
        r.r = p.rolled ? p.r_1 : 0.0, r.r_inner = p.rolled ? p.r_2 : 0.0;
    // A typed rolled angle, channel or tee: its toes' radius.
    const bool toes = r.family == ANSCHLUSS_ANGLE || r.family == ANSCHLUSS_CHANNEL || r.family == ANSCHLUSS_TEE;
    if (toes && p.kind != STAHLPROFIL_KIND_CATALOGUE && p.rolled) r.r_toe = std::max(p.r_2, 0.0);
    if (p.kind == STAHLPROFIL_KIND_CATALOGUE) {
        r.catalogue = 1;
        std::snprintf(r.profile_name, sizeof r.profile_name, "%.55s", p.name);
        std::snprintf(r.drawing_name, sizeof r.drawing_name, "%.55s", p.name);
    }
    // A profile welded of plates: the legs of the welds that join them.
    if (p.kind != STAHLPROFIL_KIND_CATALOGUE && !p.rolled)
        Calc_Profile_Weld_Offsets(&p, &r.weld_leg_top, &r.weld_leg_bottom, nullptr);
    r.grades.grade = r.grades.weld_grade = grade;
    r.load[ANSCHLUSS_GAMMA_M] = 1.1;
    r.t_p = 20.0;
    r.weld_kind = ANSCHLUSS_WELD_ALL_ROUND;
    r.end_crater = ANSCHLUSS_FULL_LENGTH;
    r.a_w = a_w;
    return r;
}

// Sets the variant of the active annex's EN 1993 block for the scope.
class AnnexVariant {
public:
    explicit AnnexVariant(int variant) : block_(Get_NAD_EC3()), old_(block_ ? block_->variant : 0) {
        if (block_) block_->variant = variant;
    }
    ~AnnexVariant() {
        if (block_) block_->variant = old_;
    }
    AnnexVariant(const AnnexVariant&) = delete;
    AnnexVariant& operator=(const AnnexVariant&) = delete;

private:
    NAD_EC3_Block* block_;
    int old_;
};

// The DIN path's block "Stahlprofil" of the record (its profile part with
// section_check) as text.
inline std::string Din_Printed(GeschweissterAnschluss* r, int section_check) {
    FILE* f = std::tmpfile();
    Print_Stahlprofil(f, r, 1, section_check);
    std::string text = testutil::Stream_All(f);
    std::fclose(f);
    return text;
}

// The catalogue of the build as the data directory for the scope: profiles
// by name.
inline testutil::ScopedEnv Catalogue_Data() {
    const std::string file = WELD_PROFIL_FILE;
    return {"DATA", file.substr(0, file.rfind('/'))};
}

#endif
