// Fuzz target: object heads, parameter blocks, text blocks and the end-line
// search of the exchange files. The first input byte picks the expected
// counts and the flags of the parameter-block read; the rest is the file.
// Heads and blocks are read back to back while the reader accepts them (a
// file holds many); what was read then goes through the writer and is read
// back, and every field must come back equal. The other way round too: a
// head named by the input, a block holding the input as a string before a
// short one, and a text block of the input are written; what the writer
// takes must read back whole, with what stands behind it.
#include <vector>

#include "fuzz_common.h"

#include "base/textio.h"
#include "base/vekparam.h"

namespace {

const int kMaxRecords = 16;

bool Write_Head(FILE* out, const VEKObjectHead& h) { return Write_VEK_Object_Head(out, &h) == 1; }
bool Read_Head(FILE* in, VEKObjectHead* h) { return Read_VEK_Object_Head(in, h) == 1; }
// The writer always writes all three counts: read back sized by them.
bool Write_Block(FILE* out, const VEKParamBlock& b) { return Write_VEK_Param_Block(out, &b) == 1; }
bool Read_Block(FILE* in, VEKParamBlock* b) { return Read_VEK_Param_Block(in, 0, 0, 0, b, 1) == 1; }
bool Write_Text(FILE* out, const std::string& t) { return Write_Text_Block(out, t.c_str()) == 1; }
bool Read_Text(FILE* in, std::string* t) {
    int complete = 1;
    char* text = Read_VEK_Text_Block(in, &complete);
    if (text) *t = text;
    std::free(text);
    return text && complete;
}
void Same_Text(const fuzz::Round_Trip& rt, const std::string& a, const std::string& b) {
    rt.Text("text", a.c_str(), b.c_str());
}

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
    fuzz::Records_Round_Trip("head", first, Write_Head, Read_Head, Same_Head, Free_VEK_Object_Head);
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
    fuzz::Records_Round_Trip("block", first, Write_Block, Read_Block, fuzz::Same_Param_Block, Free_VEK_Param_Block);
    for (VEKParamBlock& b : first) Free_VEK_Param_Block(&b);
}

void Text_Blocks(FILE* f, int pick) {
    std::vector<std::string> first;
    for (int i = 0; i < kMaxRecords; ++i) {
        std::string text;
        if (!Read_Text(f, &text)) break;
        if (!text.empty()) first.push_back(text);  // an empty text is written as no block
        if (!Find_VEK_End_Line(f, "#EOC", pick >> 7)) break;
    }
    fuzz::Records_Round_Trip("text block", first, Write_Text, Read_Text, Same_Text, [](std::string*) {});
}

void Written_First(const std::string& text) {
    VEKObjectHead head;
    Init_VEK_Object_Head(&head);
    if (Set_VEK_Object_Head(3, 1, 7, text.c_str(), &head) && Set_VEK_Object_Head_Text(strdup("Kopf\nText"), &head) &&
        fuzz::Writer_Takes(Write_Head, head))
        fuzz::Records_Round_Trip("written head", std::vector<VEKObjectHead>{head}, Write_Head, Read_Head, Same_Head,
                                 Free_VEK_Object_Head);
    Free_VEK_Object_Head(&head);

    VEKParamBlock block;
    Init_VEK_Param_Block(&block);
    const int ints[2] = {(int)text.size(), -1};
    const double doubles[1] = {-1.25e-7};
    char* strings[2] = {const_cast<char*>(text.c_str()), const_cast<char*>("danach")};
    if (Set_VEK_Param_Values(&block, ints, nullptr, 2, nullptr, doubles, nullptr, 1, nullptr, strings, nullptr, 2,
                             nullptr) &&
        fuzz::Writer_Takes(Write_Block, block))
        fuzz::Records_Round_Trip("written block", std::vector<VEKParamBlock>{block}, Write_Block, Read_Block,
                                 fuzz::Same_Param_Block, Free_VEK_Param_Block);
    Free_VEK_Param_Block(&block);

    if (!text.empty() && fuzz::Writer_Takes(Write_Text, text))
        fuzz::Records_Round_Trip("written text block", std::vector<std::string>{text}, Write_Text, Read_Text,
                                 Same_Text, [](std::string*) {});
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
    // A C string ends at its zero byte.
    Written_First(std::string(reinterpret_cast<const char*>(data + 1), size - 1).c_str());
    return 0;
}
