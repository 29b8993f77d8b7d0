// Fuzz target: the keyed result records of the exchange files. Every record
// in the input is read in turn (any key), its values are looked up by the
// name tables, then the input is searched again with a fixed key pattern.
// The records that were read go through the writer one after another and
// are read back: keys and values must come back equal.
#include <vector>

#include "fuzz_common.h"

#include "base/vekexport.h"

namespace {

void Round_Trip(const std::vector<VEKResultRecord*>& first) {
    const std::string bytes = fuzz::Written([&](FILE* out) {
        for (size_t i = 0; i < first.size(); ++i)
            if (!Write_VEKResult_Record(out, first[i]))
                fuzz::Round_Trip{"result record", (int)i}.Mismatch("write", "read", "refused");
    });
    FILE* back = fuzz::Stream(bytes);
    if (!back) return;
    for (size_t i = 0; i < first.size(); ++i) {
        const fuzz::Round_Trip rt{"result record", (int)i};
        VEKResultRecord* again = Create_VEKResult_Record();
        if (!again) break;
        if (!Read_VEKResult_Record(back, nullptr, again)) rt.Mismatch("read", "accepted", "refused");
        for (int k = 0; k < VEK_RESULT_KEY_SIZE; ++k) rt.Int("key field", first[i]->key[k], again->key[k]);
        fuzz::Same_Param_Block(rt, first[i]->values, again->values);
        Free_VEKResult_Record(again);
    }
    fuzz::Round_Trip{"result record", (int)first.size()}.At_End("rest", back);
    std::fclose(back);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    FILE* f = fuzz::Stream(data, size);
    if (!f) return 0;
    std::vector<VEKResultRecord*> read;
    for (int i = 0; i < 64; ++i) {
        VEKResultRecord* r = Create_VEKResult_Record();
        if (!r) break;
        const int ok = Read_VEKResult_Record(f, nullptr, r);
        if (ok) {
            (void)Get_VEKResult_Name_Table(r);
            (void)Get_VEKResult_Kmod(r);
            (void)Get_VEKResult_First_Int(r);
            for (int k = 0; k < 8; ++k) {
                (void)Get_VEKResult_Key_Field(r, k);
                (void)Get_VEKResult_Int(r, k);
                (void)Get_VEKResult_Double(r, k);
                (void)Get_VEKResult_String(r, k);
            }
        }
        if (!ok) {
            Free_VEKResult_Record(r);
            break;
        }
        read.push_back(r);
    }
    Round_Trip(read);
    for (VEKResultRecord* r : read) Free_VEKResult_Record(r);
    int pattern[VEK_RESULT_KEY_SIZE] = {1, -1, -1, -1, -1, -1, 0};
    VEKResultRecord* r = Create_VEKResult_Record();
    if (r) {
        std::rewind(f);
        (void)Read_VEKResult_Record(f, pattern, r);
        Free_VEKResult_Record(r);
    }
    std::rewind(f);
    int key[VEK_RESULT_KEY_SIZE];
    while (Find_VEKResult_Mark(f, 0) && Read_VEKResult_Key(f, key)) {
    }
    std::fclose(f);
    return 0;
}
