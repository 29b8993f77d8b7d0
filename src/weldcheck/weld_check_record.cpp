// The weld check record: its initialiser, its fixed test case, the check of
// a single weld with the record's settings, and the refusal of a record
// without a profile.
#include "weldcheck/weld_check_record.h"

#include <cstring>

#include "codes/blech.h"
#include "codes/sicherheit.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "weldcheck/weldelem.h"
#include "weldcheck/weldres.h"

double Weld_Check_Computed_U(const SchweissnahtNachweis* record) {
    if (!record) return 0.0;
    return Utilisation_As_Computed(record->U_w, record->U_w_computed);
}

int Init_Weld_Check_Record(SchweissnahtNachweis* r) {
    if (!r) return 0;
    std::memset(r, 0, sizeof *r);
    Clear_Plate(&r->plate);
    r->weld_angle = 90.0;
    Init_Profile(&r->profile);
    return 0;
}

int Test_Weld_Check(SchweissnahtNachweis* r) {
    if (!r) return 1;
    Init_Weld_Check_Record(r);
    double gamma[9] = {};
    Get_NAD_Safety_Factors(0, gamma);
    r->gamma_M2 = gamma[2];
    Init_Profile_From_Name(&r->profile, "HE400A");
    r->profile.kind = 1;
    r->profile.type = PROFILTYP_H;
    Calc_Profile_Cross_Section(&r->profile, nullptr, 0, "");
    Clear_Plate(&r->plate);
    r->plate.t = 24.0;
    r->weld_angle = 90.0;
    r->method = 1;
    r->check_field = 1;
    const double throats[5] = {10, 10, 5, 10, 10};
    for (int i = 0; i < 5; i++) {
        r->a[i] = throats[i];
        r->number[i] = i + 1;
    }
    r->forces.N = -1.19e6;
    r->forces.M_y = 2.25e8;
    r->forces.M_z = -2.6e7;
    r->forces.V_y = -180000.0;
    r->forces.V_z = 370000.0;
    return Check_Plate_And_Material(&r->plate, nullptr, 0, 0x01, "");
}

int Refuse_Weld_Check_Without_Profile(const SchweissnahtNachweis* r, FILE* list, const char* prefix) {
    if (!r || r->profile.kind == STAHLPROFIL_KIND_FOREIGN || r->profile.type != PROFILTYP_NONE) return 0;
    if (list)
        OLI_printf(list, "%s%sFehler bei der Querschnittsbeschreibung %s\n", Check_Line_Prefix, prefix ? prefix : "",
                   Mark_Alert());
    return 1;
}

int Check_Single_Weld_Element(SchweissnahtNachweis* r, double a, double l, double force,
                              const Materialparameter_Record* material, FILE* list, int print_level) {
    if (!r) return 0;
    if (Refuse_Weld_Check_Without_Profile(r, list, nullptr)) {
        r->U_w_status = WELD_CHECK_REFUSED;
        return 1;
    }
    NahtGruppe g;
    Clear_Weld_Group(&g);
    Sicherheitsbeiwerte_Record factors;
    Clear_Safety_Factors(&factors);
    factors.gamma_M2 = r->gamma_M2;
    g.factors = &factors;
    g.kind = r->weld_kind;
    g.full_penetration = r->full_penetration;
    g.angle = r->weld_angle;
    g.full_length = !r->deduct_craters;
    g.a = a;
    g.l_w = l;
    Copy_Material_Params(material, &g.plate1.material);
    // The first part is the profile: its thickness is the one that decides
    // the detailing rules of the weld.
    g.plate1.t = Get_Profile_Max_Dimension(&r->profile);
    Copy_Plate(&r->plate, &g.plate2);
    g.check = 1;
    g.summary = 1;
    if (r->method == WELD_CHECK_DIRECTIONAL) {
        g.N_Ed = r->forces.N;
        g.M_p_Ed = r->forces.M_y;
        g.V_p_Ed = r->forces.V_z;
        g.V_s_Ed = r->forces.V_y;
        g.sigma_w_Ed = force;
        g.method = WELD_METHOD_DIRECTIONAL;
        g.force_mode = WELD_FORCES_GIVEN;
    } else {
        // The design force per length, and the throat stress it gives, so
        // that the check reads the force whichever of the two it takes.
        g.F_w_Ed = force;
        g.sigma_w_Ed = a > 0 ? force / a : 0;
        g.method = 0;
        g.force_mode = WELD_STRESS_GIVEN;
    }
    int fault = Check_Weld_Group(&g, list, print_level, 0, nullptr) != 0;
    if (fault) r->U_w_status = WELD_CHECK_REFUSED;
    else if (r->U_w_status != WELD_CHECK_REFUSED) r->U_w_status = WELD_CHECK_DONE;
    // Of two welds the rule counts as 1 alike, the larger as computed.
    const double computed = Weld_Group_Computed_U(&g);
    if (!fault && (g.U_max > r->U_w || (g.U_max == r->U_w && computed > Weld_Check_Computed_U(r))))
        r->U_w = g.U_max, r->U_w_computed = computed;
    return fault;
}
