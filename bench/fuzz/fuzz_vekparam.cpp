// Fuzz target: object heads, parameter blocks, text blocks and the end-line
// search of the exchange files. The first input byte picks the expected
// counts and the flags of the parameter-block read; the rest is the file.
// Heads and blocks are read back to back while the reader accepts them (a
// file holds many); what was read then goes through the writer and is read
// back, and every field must come back equal.
#include <vector>

#include "fuzz_common.h"

#include "base/textio.h"
#include "base/vekparam.h"

namespace {

const int kMaxRecords = 16;

void Same_Head(const fuzz::Round_Trip& rt, const VEKObjectHead& a, const VEKObjectHead& b) {
    rt.Int("type", a.type, b.type);
    rt.Int("nr", a.nr, b.nr);
    rt.Int("id", a.id, b.id);
    rt.Text("name", a.name, b.name);
    rt.Text("text", a.text, b.text);
}

void Heads(FILE* f) {
    std::vector<VEKObjectHead> first;
    for (int i = 0; i < kMaxRecords; ++i) {
        VEKObjectHead head;
        const int ok = Read_VEK_Object_Head(f, &head);
        if (!ok) {
            Free_VEK_Object_Head(&head);
            break;
        }
        first.push_back(head);
    }
    fuzz::Records_Round_Trip(
        "head", first, [](FILE* out, const VEKObjectHead& h) { return Write_VEK_Object_Head(out, &h) == 1; },
        [](FILE* in, VEKObjectHead* h) { return Read_VEK_Object_Head(in, h) == 1; }, Same_Head,
        Free_VEK_Object_Head);
    for (VEKObjectHead& h : first) Free_VEK_Object_Head(&h);
}

void Blocks(FILE* f, int pick) {
    const int nInt = (pick & 3) == 3 ? -1 : (pick & 3) * 2;
    const int nDouble = ((pick >> 2) & 3) == 3 ? -1 : ((pick >> 2) & 3) * 3;
    const int nString = ((pick >> 4) & 3) == 3 ? -1 : ((pick >> 4) & 3);
    std::vector<VEKParamBlock> first;
    for (int i = 0; i < kMaxRecords; ++i) {
        VEKParamBlock block;
        const int ok = Read_VEK_Param_Block(f, nInt, nDouble, nString, &block, (pick >> 6) & 1);
        if (!ok) {
            Free_VEK_Param_Block(&block);
            break;
        }
        VEKParamBlock copy;
        Init_VEK_Param_Block(&copy);
        if (Copy_VEK_Param_Block(&copy, &block)) fuzz::Same_Param_Block({"copied block", i}, block, copy);
        (void)VEK_Param_Block_Is_Set(&copy);
        Free_VEK_Param_Block(&copy);
        first.push_back(block);
    }
    // The writer always writes all three counts: read back sized by them.
    fuzz::Records_Round_Trip(
        "block", first, [](FILE* out, const VEKParamBlock& b) { return Write_VEK_Param_Block(out, &b) == 1; },
        [](FILE* in, VEKParamBlock* b) { return Read_VEK_Param_Block(in, 0, 0, 0, b, 1) == 1; },
        fuzz::Same_Param_Block, Free_VEK_Param_Block);
    for (VEKParamBlock& b : first) Free_VEK_Param_Block(&b);
}

void Text_Blocks(FILE* f, int pick) {
    for (int i = 0; i < kMaxRecords; ++i) {
        int complete = 1;
        char* text = Read_VEK_Text_Block(f, &complete);
        if (!text) break;
        if (complete) {
            const fuzz::Round_Trip rt{"text block", i};
            const std::string bytes = fuzz::Written([&](FILE* out) {
                if (!Write_Text_Block(out, text)) rt.Mismatch("write", "read", "refused");
            });
            FILE* back = fuzz::Stream(bytes);
            if (back) {
                int again_complete = 1;
                char* again = Read_VEK_Text_Block(back, &again_complete);
                rt.Int("complete", 1, again_complete);
                rt.Text("text", text, again);
                std::free(again);
                std::fclose(back);
            }
        }
        std::free(text);
        if (!Find_VEK_End_Line(f, "#EOC", pick >> 7)) break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    if (size < 1) return 0;
    const int pick = data[0];
    FILE* f = fuzz::Stream(data + 1, size - 1);
    if (!f) return 0;
    Heads(f);
    std::rewind(f);
    Blocks(f, pick);
    std::rewind(f);
    Text_Blocks(f, pick);
    std::fclose(f);
    return 0;
}
