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
    fuzz::Records_Round_Trip(
        "result record", first, [](FILE* out, VEKResultRecord* r) { return Write_VEKResult_Record(out, r) == 1; },
        [](FILE* in, VEKResultRecord** r) {
            *r = Create_VEKResult_Record();
            return *r && Read_VEKResult_Record(in, nullptr, *r) == 1;
        },
        [](const fuzz::Round_Trip& rt, VEKResultRecord* a, VEKResultRecord* b) {
            for (int k = 0; k < VEK_RESULT_KEY_SIZE; ++k) rt.Int("key field", a->key[k], b->key[k]);
            fuzz::Same_Param_Block(rt, a->values, b->values);
        },
        [](VEKResultRecord** r) { Free_VEKResult_Record(*r); });
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
