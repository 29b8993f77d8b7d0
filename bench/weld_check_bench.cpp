// Time of the weld check of one load case: an HE 280 A welded all round to a
// 20 mm plate under N, M_y, M_z, V_y and V_z, evaluated without a print
// list. The time per iteration is the time per load case.
#include <benchmark/benchmark.h>

#include "codes/material.h"
#include "weldcheck/weld_check.h"

namespace {

SchweissnahtNachweis HE280A_All_Round() {
    SchweissnahtNachweis r;
    Init_Weld_Check_Record(&r);
    r.gamma_M2 = 1.25;
    Clear_Plate(&r.plate);
    r.plate.t = 20.0;
    Default_Material_Params(&r.plate.material);
    Stahlprofil& p = r.profile;
    Init_Profile(&p);
    p.kind = 0;
    p.type = PROFILTYP_H;
    p.h = 270, p.b_fo = p.b_fu = 280, p.t_w = 8, p.t_fo = p.t_fu = 13;
    p.rolled = 1;
    p.r_1 = 24;
    Default_Material_Params(&p.material);
    Calc_Profile_Cross_Section(&p, nullptr, 0, nullptr);
    r.all_round = 1;
    r.a[0] = 7, r.a[2] = 5, r.a[3] = 7;  // top flange, web, bottom flange
    for (int k = 0; k < 12; ++k) r.number[k] = k + 1;
    r.full_treatment = 1;
    r.check_field = 1;
    r.method = 1;
    r.forces.N = 250e3, r.forces.M_y = 120e6, r.forces.M_z = 15e6, r.forces.V_y = 40e3, r.forces.V_z = 180e3;
    return r;
}

void BM_Weld_Check_One_Load_Case(benchmark::State& state) {
    const SchweissnahtNachweis base = HE280A_All_Round();
    for (auto _ : state) {
        SchweissnahtNachweis r = base;
        benchmark::DoNotOptimize(Calc_Weld_Check(&r, nullptr, 0, 0, 0, 0));
        benchmark::DoNotOptimize(r.U_w);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Weld_Check_One_Load_Case)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
