// Fuzz target: the DIN 18800 check of the welded connection on any record.
// The bytes fill the library record (family, switches and grade codes from
// the first bytes (a full-penetration butt weld among them), then the
// dimensions, gamma_M, the forces, the plate
// thickness, the all-round throat, the contact share, the eight throats
// and lengths, a tube's inner corner radius and the toe radius as raw
// doubles, so that zeros, extremes, nan and inf all arrive). The section evaluation runs (it works out the geometry of the
// welds itself) and the block "Stahlprofil" is printed: it must hold no
// "nan" or "inf", and every utilisation the evaluation leaves must be a
// number. A full-penetration butt weld evaluated is never stronger than
// the weaker part it joins: its utilisation is at least sqrt 3 tau_w,max
// and |sigma_w| of its points against that part's f_y,k / gamma_M. The scaled drawing of the same record is drawn into a scratch
// stream.
#include <algorithm>
#include <cmath>
#include <string>

#include "fuzz_common.h"

#include "drawings/kehlnaht_drawing.h"
#include "profiles/geschweisster_anschluss.h"
#include "weldcheck/din_check.h"

using fuzz::Bytes;
using fuzz::Has_Word;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    fuzz::Silence_Library_Output();
    Bytes b{data, size};
    GeschweissterAnschluss& r = Geschweisster_Anschluss;
    Init_Geschweisster_Anschluss(&r);
    r.family = static_cast<int>(b.U8() % 10) - 1;
    const uint8_t flags = b.U8();
    r.weld_kind = flags & 2 ? 2 : 1;
    r.end_crater = flags & 1 ? 1 : 2;
    r.throat_design = (flags >> 2) & 1;
    r.full_penetration = (flags >> 3) & 1;
    const int codes[6] = {5, 7, 12, 14, 44, 0x8000};
    r.grades.grade = codes[b.U8() % 6];
    r.grades.weld_grade = codes[b.U8() % 6];
    r.grades.user_f_y = r.grades.weld_f_y = static_cast<float>(100 + flags);
    r.grades.weld_alpha_w = static_cast<float>(flags) / 200.0f;
    r.h = b.D(), r.b = b.D(), r.t = b.D(), r.s = b.D(), r.r = b.D();
    for (double& v : r.load) v = b.D();
    r.t_p = b.D(), r.a_w = b.D();
    for (int k = 0; k < ANSCHLUSS_WELD_POSITIONS; ++k) r.a_pos[k] = b.D(), r.l_pos[k] = b.D();
    r.r_inner = b.D(), r.r_toe = b.D();
    const int status = Calc_Anschluss_Querschnitt(&r);
    if (status != 0 && status != 1) fuzz::Fail("fuzz_din_check", "result neither 0 nor 1");
    for (double u : {r.U_sigma, r.U_tau, r.U_v, r.U_w[0], r.U_w[1], r.U_w[2], r.plate_buckling.b_t,
                     r.plate_buckling.limit, r.sigma_w_R_d_compression, r.base_metal.U, r.base_metal.sigma_v})
        if (!std::isfinite(u)) fuzz::Fail("fuzz_din_check", "a utilisation is no number");
    const Anschluss_Grundwerkstoff& part = r.base_metal;
    if (status == 0 && r.full_penetration && part.sigma_R_d > 0.0) {
        const Anschluss_Nahtwerte& v = r.weld_values;
        const double worst = std::max({std::sqrt(3.0) * v.tau, std::fabs(v.sigma_max), std::fabs(v.sigma_min)});
        if (Din_Weld_Utilisation(&r) < worst / part.sigma_R_d * (1 - 1e-9))
            fuzz::Fail("fuzz_din_check", "a full-penetration weld below its weaker part");
    }
    const std::string text = fuzz::Written([&](FILE* list) { Print_Stahlprofil(list, &r, 1, flags & 4); });
    if (Has_Word(text, "nan") || Has_Word(text, "inf"))
        fuzz::Fail("fuzz_din_check", "the block shows a value that is no number");
    FILE* scratch = std::tmpfile();
    if (scratch) {
        Anschluss_Plot_File = scratch;
        Draw_Kehlnahtanschluss(&r, 0, 0, 100, 100, 2, 0, 0, r.family + 1, 0, "");
        Anschluss_Plot_File = nullptr;
        std::fclose(scratch);
    }
    return 0;
}
