// Fuzz target: object heads, parameter blocks, text blocks and the end-line
// search of the exchange files. The first input byte picks the expected
// counts and the flags of the parameter-block read; the rest is the file.
// A head and a block (sized by the file) that read at all must be written
// again, and what is written must read back and write the same bytes.
#include "fuzz_common.h"

#include "base/vekparam.h"

namespace {

// The bytes that write(record) gives; traps when the writer refuses.
template <class R, class W>
std::string Written(const R* record, W write) {
    FILE* out = std::tmpfile();
    if (!out) return {};
    if (!write(out, record)) __builtin_trap();
    std::string bytes(static_cast<size_t>(std::ftell(out)), '\0');
    std::rewind(out);
    if (std::fread(bytes.data(), 1, bytes.size(), out) != bytes.size()) __builtin_trap();
    std::fclose(out);
    return bytes;
}

void Head_Round_Trip(const VEKObjectHead* head) {
    const std::string once = Written(head, Write_VEK_Object_Head);
    FILE* back = fuzz::Stream(reinterpret_cast<const uint8_t*>(once.data()), once.size());
    VEKObjectHead again;
    if (!Read_VEK_Object_Head(back, &again)) __builtin_trap();
    if (Written(&again, Write_VEK_Object_Head) != once) __builtin_trap();
    Free_VEK_Object_Head(&again);
    std::fclose(back);
}

void Block_Round_Trip(const VEKParamBlock* block) {
    const std::string once = Written(block, Write_VEK_Param_Block);
    FILE* back = fuzz::Stream(reinterpret_cast<const uint8_t*>(once.data()), once.size());
    VEKParamBlock again;
    if (!Read_VEK_Param_Block(back, 0, 0, 0, &again, 1)) __builtin_trap();
    if (Written(&again, Write_VEK_Param_Block) != once) __builtin_trap();
    Free_VEK_Param_Block(&again);
    std::fclose(back);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    if (size < 1) return 0;
    const int pick = data[0];
    FILE* f = fuzz::Stream(data + 1, size - 1);
    if (!f) return 0;

    VEKObjectHead head;
    std::memset(&head, 0, sizeof head);
    if (Read_VEK_Object_Head(f, &head)) Head_Round_Trip(&head);
    Free_VEK_Object_Head(&head);

    std::rewind(f);
    VEKParamBlock block;
    Init_VEK_Param_Block(&block);
    const int nInt = (pick & 3) == 3 ? -1 : (pick & 3) * 2;
    const int nDouble = ((pick >> 2) & 3) == 3 ? -1 : ((pick >> 2) & 3) * 3;
    const int nString = ((pick >> 4) & 3) == 3 ? -1 : ((pick >> 4) & 3);
    const int flags = (pick >> 6) & 1;
    if (Read_VEK_Param_Block(f, nInt, nDouble, nString, &block, flags) && flags && nInt >= 0 && nDouble >= 0 &&
        nString >= 0)
        Block_Round_Trip(&block);
    VEKParamBlock copy;
    Init_VEK_Param_Block(&copy);
    (void)Copy_VEK_Param_Block(&copy, &block);
    (void)VEK_Param_Block_Is_Set(&copy);
    Free_VEK_Param_Block(&copy);
    Free_VEK_Param_Block(&block);

    std::rewind(f);
    int complete = 1;
    std::free(Read_VEK_Text_Block(f, &complete));
    (void)Find_VEK_End_Line(f, "#EOC", pick >> 7);
    std::fclose(f);
    return 0;
}
