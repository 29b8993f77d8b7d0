// Fuzz target: the annex files. The input is written as user annex 1 under
// a private DRAM directory and loaded by Load_NAD (which reads it through
// Read_NAD_File, all six sections); then every block reader is run over it
// (EN 1990, 1993 and 1995 in both layouts), the EN 1991 values reader on a
// block with two defined tables, the EN 1991 table definitions (the input as
// the definitions file), the older project record after "ACTIV_NAD_EC2",
// and the reader of the active annex name. What Read_NAD_File read goes
// through Write_NAD_File and is read back: the head and every value of the
// EN 1993 section must come back equal, and the record read back must be
// written as the same bytes (the other sections are written rounded, so
// their second writing is what must not change). An annex accepted, by
// Read_NAD_File or by Load_NAD, holds no partial factor that a check could
// not divide by (each within 0.5 .. 3). The registry tells of
// every annex it cannot read on stderr in batch mode; that output is pointed
// away so the time goes into reading.
#include "fuzz_common.h"

#include "codes/nad.h"
#include "codes/nad_ec0.h"
#include "codes/nad_ec1.h"
#include "codes/nad_ec2.h"
#include "codes/nad_ec3.h"
#include "codes/nad_ec5.h"
#include "codes/nad_ec6.h"
#include "codes/nad_ec9.h"
#include "codes/nad_file.h"
#include "codes/nad_old.h"

namespace {

void Recommended(NAD_Record* r) {
    std::memset(r, 0, sizeof *r);
    Default_NAD_Blocks(r);
}

// The record versions are not compared: the writer writes the current
// layout whatever layout was read.
void Same_EC3(const fuzz::Round_Trip& rt, const NAD_EC3_Block& a, const NAD_EC3_Block& b) {
    using R1 = NAD_EC3_1_Record;
    using R8 = NAD_EC3_8_Record;
    const auto t = fuzz::kFixed6;
    rt.Int("ec3 variant", a.variant, b.variant);
    const double R1::*reals1[] = {&R1::gamma_M0,     &R1::gamma_M1,     &R1::gamma_M2,   &R1::gamma_M0_acc,
                                  &R1::gamma_M1_acc, &R1::gamma_M2_acc, &R1::gamma_M_fi, &R1::lambda_LT0,
                                  &R1::beta,         &R1::f,            &R1::k_c};
    for (auto m : reals1) rt.Real("ZO3-1 value", a.ec3_1.*m, b.ec3_1.*m, t);
    rt.Int("ZO3-1 apply_f_general", a.ec3_1.apply_f_general, b.ec3_1.apply_f_general);
    rt.Int("ZO3-1 f_given", a.ec3_1.f_given, b.ec3_1.f_given);
    rt.Int("ZO3-1 kc_from_table", a.ec3_1.kc_from_table, b.ec3_1.kc_from_table);
    const double R8::*reals8[] = {&R8::gamma_M3,        &R8::gamma_M4,        &R8::gamma_M5,
                                  &R8::gamma_M6ser,     &R8::gamma_M7,        &R8::gamma_M3ser,
                                  &R8::eta,             &R8::gamma_Mf_dt_low, &R8::gamma_Mf_sl_low,
                                  &R8::gamma_Mf_dt_high, &R8::gamma_Mf_sl_high, &R8::gamma_Mser};
    for (auto m : reals8) rt.Real("ZO3-8 value", a.ec3_8.*m, b.ec3_8.*m, t);
    rt.Int("ZO3-8 shear_lag_note", a.ec3_8.shear_lag_note, b.ec3_8.shear_lag_note);
}

// A factor outside what an annex can hold would divide a resistance into a
// utilisation that passes; no accepted annex may carry one.
void Usable_Factors(const NAD_Record& r) {
    const NAD_EC3_1_Record& a = r.ec3.ec3_1;
    for (double gamma : {a.gamma_M0, a.gamma_M1, a.gamma_M2})
        if (!NAD_Factor_Usable(gamma)) fuzz::Fail("fuzz_nad", "an accepted annex holds an unusable partial factor");
    if (!Check_NAD_Factors(&r, nullptr)) fuzz::Fail("fuzz_nad", "an accepted annex fails its factor check");
}

void Round_Trip(FILE* f) {
    static NAD_Record first, again;
    Recommended(&first);
    if (!Read_NAD_File(f, &first)) return;
    Usable_Factors(first);
    const std::string bytes = fuzz::Written([&](FILE* out) { Write_NAD_File(out, &first); });
    FILE* back = fuzz::Stream(bytes);
    if (!back) return;
    const fuzz::Round_Trip rt{"annex file", 0};
    Recommended(&again);
    if (!Read_NAD_File(back, &again)) rt.Mismatch("read", "accepted", "refused");
    rt.Int("id", first.id, again.id);
    rt.Int("variant", first.variant, again.variant);
    rt.Text("name", first.name, again.name);
    Same_EC3(rt, first.ec3, again.ec3);
    const std::string twice = fuzz::Written([&](FILE* out) { Write_NAD_File(out, &again); });
    if (twice != bytes) rt.Mismatch("written again", "the same bytes", "other bytes");
    std::fclose(back);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    fuzz::Silence_Library_Output();
    static const std::string annex_dir = fuzz::Annex_Dir() + "1.NAD";
    static const std::string defs = [] {
        const std::string d = fuzz::Dir();
        setenv("DATA", d.c_str(), 1);
        mkdir((d + "/NAD").c_str(), 0700);
        return d + "/NAD/WUSL-Tabs.def";
    }();
    static NAD_Record r;
    Recommended(&r);
    if (fuzz::Write(annex_dir, data, size) && Load_NAD(1, nullptr, &r)) Usable_Factors(r);

    FILE* f = fuzz::Stream(data, size);
    if (!f) return 0;
    Round_Trip(f);
    std::rewind(f);
    NAD_EC3_Block b;
    Read_NAD_EC3(f, &b, 1);
    std::rewind(f);
    Read_NAD_EC3(f, &b, 0);
    std::rewind(f);
    for (int layout : {0, 1}) {
        NAD_EC0_Block b0;
        Default_NAD_EC0(&b0);
        Read_NAD_EC0(f, &b0, layout);
        std::rewind(f);
        NAD_EC5_Block b5;
        Read_NAD_EC5(f, &b5, layout);
        std::rewind(f);
    }
    NAD_EC2_Block b2;
    Read_NAD_EC2(f, &b2);
    std::rewind(f);
    NAD_EC6_Block b6;
    Read_NAD_EC6(f, &b6);
    std::rewind(f);
    NAD_EC9_Block b9;
    Read_NAD_EC9(f, &b9);
    std::rewind(f);
    {
        static double v3[6], v8[1];
        static WUSL_Table t3, t8;
        t3 = WUSL_Table{};
        t3.columns = 2, t3.rows = 3, t3.values = v3;
        t8 = WUSL_Table{};
        t8.columns = 1, t8.rows = 1, t8.values = v8;
        NAD_EC1_Block b1{};
        b1.tables[2] = &t3;
        b1.tables[7] = &t8;
        Read_WUSL_Tables(f, &b1);
        std::free(t3.source);
        std::free(t8.source);
        std::rewind(f);
    }
    if (fuzz::Write(defs, data, size)) {
        NAD_EC1_Block defined{};
        (void)Read_WUSL_Table_Defs(&defined);
        Free_WUSL_Tables(&defined);
    }
    (void)Read_ACTIV_NAD_EC2(f);
    Free_NAD_Old_List();
    std::rewind(f);
    int n = 0;
    (void)Find_NAD_Section_Line(f, "#ZO3", "#EC", &n);
    std::rewind(f);
    Read_ACTIV_NADNAME(f);
    std::fclose(f);
    return 0;
}
