// Fuzz target: the weld check of one load case on any record. The bytes
// fill a weld check record (profile type and switches from the first bytes,
// then the dimensions, throats, lengths, forces, partial factor, plate
// thickness, weld angle and contact share as raw doubles, so that zeros,
// extremes, nan and inf all arrive). The check runs at a print level from
// the input into a print list that must hold no "nan" or "inf"; its U_w
// must be a number, -1 or above 0, and -1 exactly when it refused. A fully
// penetrated butt weld with a result names its weaker part, and U_w is
// never below that part's utilisation at the governing point.
#include <algorithm>
#include <string>

#include "fuzz_common.h"

#include "printlist/ioliwrt.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "weldcheck/weld_check.h"
#include "weldcheck/weldelem.h"

using fuzz::Bytes;
using fuzz::Has_Word;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    fuzz::Silence_Library_Output();
    Bytes b{data, size};
    SchweissnahtNachweis r;
    Init_Weld_Check_Record(&r);
    Stahlprofil& p = r.profile;
    Init_Profile(&p);
    p.type = b.U8() % 19;
    const uint8_t flags = b.U8(), more = b.U8();
    p.rolled = flags & 1;
    r.all_round = (flags >> 1) & 1;
    r.neglect_short = (flags >> 2) & 1;
    r.deduct_craters = (flags >> 3) & 1;
    r.no_length_check = (flags >> 4) & 1;
    r.no_throat_check = (flags >> 5) & 1;
    r.method = (flags >> 6) & 1;
    r.full_treatment = (flags >> 7) & 1;
    r.shear_split = more % 3;
    r.weld_kind = (more >> 2) % 5;
    r.full_penetration = (more >> 5) & 1;
    r.check_field = (more & 0x40) ? -1 : 1;
    const int level = (more >> 7) ? 2 : 1;
    p.h = b.D(), p.t_w = b.D(), p.b_fo = b.D(), p.t_fo = b.D(), p.b_fu = b.D(), p.t_fu = b.D();
    p.r_1 = b.D(), p.r_2 = b.D();
    Default_Material_Params(&p.material);
    Calc_Profile_Cross_Section(&p, nullptr, 0, nullptr);
    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        r.a[k] = b.D();
        r.l[k] = b.D();
        r.number[k] = b.U8() % 24;
    }
    r.forces.N = b.D(), r.forces.M_y = b.D(), r.forces.M_z = b.D(), r.forces.V_y = b.D(), r.forces.V_z = b.D(), r.forces.M_x = b.D();
    r.gamma_M2 = b.n ? b.D() : 1.25;
    Clear_Plate(&r.plate);
    Default_Material_Params(&r.plate.material);
    r.plate.t = b.n ? b.D() : 20.0;
    r.weld_angle = b.n ? b.D() : 90.0;
    r.contact_share = b.D();
    r.gamma_M0 = b.n ? b.D() : 1.0;

    int result = 0;
    bool checked = false;
    const std::string text = fuzz::Written([&](FILE* list) {
        Oli_Writer_Init(0, 0, OLI_WRITER_PLAIN_NUMBERS);
        result = Calc_Weld_Check(&r, list, level, 1, 0, 1);
        checked = true;
    });
    if (!checked) return 0;
    if (Has_Word(text, "nan") || Has_Word(text, "inf")) {
        size_t at = 0;
        while (at < text.size()) {  // name the first line that holds it
            const size_t end = std::min(text.find('\n', at), text.size());
            const std::string line = text.substr(at, end - at);
            if (Has_Word(line, "nan") || Has_Word(line, "inf")) {
                std::fprintf(fuzz::Report(), "line: %s\n", line.c_str());
                break;
            }
            at = end + 1;
        }
        fuzz::Fail("fuzz_weld_check", "nan or inf in the report");
    }
    if (!std::isfinite(r.U_w) || (r.U_w < 0.0 && r.U_w != -1.0)) fuzz::Fail("fuzz_weld_check", "U_w not a result");
    if ((r.U_w == -1.0) != (result != 0)) fuzz::Fail("fuzz_weld_check", "U_w -1 and the result disagree");
    if (result == 0 && r.weld_kind == WELD_BUTT && r.full_penetration && r.governing_slot >= 0) {
        const double s_v = r.line_values[WELD_CHECK_VALUE_SIGMA_V], f_y_d = r.line_values[WELD_CHECK_VALUE_F_Y_D];
        if (r.weaker_part != WELD_PART_PLATE && r.weaker_part != WELD_PART_PROFILE)
            fuzz::Fail("fuzz_weld_check", "a fully penetrated weld without its weaker part");
        if (!(f_y_d > 0.0) || r.U_w < Round_Utilisation(s_v / f_y_d) * (1.0 - 1e-12))
            fuzz::Fail("fuzz_weld_check", "U_w below the weaker part's utilisation");
    }
    return 0;
}
