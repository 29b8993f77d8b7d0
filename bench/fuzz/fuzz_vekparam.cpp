// Fuzz target: object heads, parameter blocks, text blocks and the end-line
// search of the exchange files. The first input byte picks the expected
// counts and the flags of the parameter-block read; the rest is the file.
#include "fuzz_common.h"

#include "base/vekparam.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    if (size < 1) return 0;
    const int pick = data[0];
    FILE* f = fuzz::Stream(data + 1, size - 1);
    if (!f) return 0;

    VEKObjectHead head;
    std::memset(&head, 0, sizeof head);
    (void)Read_VEK_Object_Head(f, &head);
    Free_VEK_Object_Head(&head);

    std::rewind(f);
    VEKParamBlock block;
    Init_VEK_Param_Block(&block);
    const int nInt = (pick & 3) == 3 ? -1 : (pick & 3) * 2;
    const int nDouble = ((pick >> 2) & 3) == 3 ? -1 : ((pick >> 2) & 3) * 3;
    const int nString = ((pick >> 4) & 3) == 3 ? -1 : ((pick >> 4) & 3);
    (void)Read_VEK_Param_Block(f, nInt, nDouble, nString, &block, (pick >> 6) & 1);
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
