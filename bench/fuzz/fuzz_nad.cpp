// Fuzz target: the annex files. The input is written as user annex 1 under
// a private DRAM directory and loaded by Load_NAD (which reads it through
// Read_NAD_File, all six sections); then every block reader is run over it
// (EN 1990, 1993 and 1995 in both layouts), the EN 1991 values reader on a
// block with two defined tables, the EN 1991 table definitions (the input as
// the definitions file), the older project record after "ACTIV_NAD_EC2",
// and the reader of the active annex name.
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

static void Recommended(NAD_Record* r) {
    std::memset(r, 0, sizeof *r);
    Default_NAD_Blocks(r);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    static const std::string annex_dir = [] {
        const std::string d = fuzz::Dir();
        setenv("DRAM", d.c_str(), 1);
        setenv("DATA", d.c_str(), 1);
        mkdir((d + "/NADS").c_str(), 0700);
        mkdir((d + "/NAD").c_str(), 0700);
        return d + "/NADS/1.NAD";
    }();
    static const std::string defs = fuzz::Dir() + "/NAD/WUSL-Tabs.def";
    static NAD_Record r;
    Recommended(&r);
    if (fuzz::Write(annex_dir, data, size)) (void)Load_NAD(1, nullptr, &r);

    FILE* f = fuzz::Stream(data, size);
    if (!f) return 0;
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
