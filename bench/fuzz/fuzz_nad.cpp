// Fuzz target: the annex files. The input is written as user annex 1 under
// a private DRAM directory and loaded by Load_NAD (which reads it through
// Read_NAD_File); then the EN 1993 block reader is run over it in both
// layouts, and the reader of the active annex name.
#include "fuzz_common.h"

#include "codes/nad.h"
#include "codes/nad_ec0.h"
#include "codes/nad_ec2.h"
#include "codes/nad_ec3.h"
#include "codes/nad_ec5.h"
#include "codes/nad_ec6.h"
#include "codes/nad_ec9.h"
#include "codes/nad_file.h"

static void Recommended(NAD_Record* r) {
    std::memset(r, 0, sizeof *r);
    Default_NAD_EC0(&r->ec0);
    Default_NAD_EC2(&r->ec2);
    Default_NAD_EC3(&r->ec3);
    Default_NAD_EC5(&r->ec5);
    Default_NAD_EC6(&r->ec6);
    Default_NAD_EC9(&r->ec9);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    static const std::string annex_dir = [] {
        const std::string d = fuzz::Dir();
        setenv("DRAM", d.c_str(), 1);
        mkdir((d + "/NADS").c_str(), 0700);
        return d + "/NADS/1.NAD";
    }();
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
    int n = 0;
    (void)Find_NAD_Section_Line(f, "#ZO3", "#EC", &n);
    std::rewind(f);
    Read_ACTIV_NADNAME(f);
    std::fclose(f);
    return 0;
}
