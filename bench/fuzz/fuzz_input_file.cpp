// Fuzz target: the component's input file. Whatever Read_Schweissnaht
// takes is written back and read again, and the second writing must give
// the same bytes; it holds no tolerance outside 0 to 10 %, and the checked
// save (which keeps the old file when the new one does not read back) must
// save it. The whole file then goes through Load_Input_File (the annex
// entries behind the record) as the program loads it at start.
#include "fuzz_common.h"

#include <string>

#include "platform/posix.h"
#include "weldapp/program_context.h"
#include "weldapp/schweissnaht.h"

static std::string Written(SchweissnahtAnschluss* r) {
    return fuzz::Written([&](FILE* f) {
        if (Write_Schweissnaht(f, r) != 0) fuzz::Fail("fuzz_input_file", "write of a record read failed");
    });
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    fuzz::Silence_Library_Output();
    static bool started = false;
    static const std::string id = fuzz::Dir() + "/K";
    if (!started) {
        const char* argv[] = {"schweissnaht", id.c_str(), "0", "1", "1"};
        Set_Program_Context(5, argv);
        started = true;
    }
    // Loading a file that does not read ends a batch run; the window path
    // takes the defaults instead, which is what is fuzzed here.
    VEK_Set_Batch_Mode(0);

    FILE* f = fuzz::Stream(data, size);
    if (!f) return 0;
    SchweissnahtAnschluss first{}, second{};
    const int result = Read_Schweissnaht(f, &first);
    std::fclose(f);
    if (result == 0) {
        const std::string once = Written(&first);
        FILE* back = fmemopen(const_cast<char*>(once.data()), once.size(), "rb");
        if (!back || Read_Schweissnaht(back, &second) != 0)
            fuzz::Fail("fuzz_input_file", "a written record does not read back");
        std::fclose(back);
        if (Written(&second) != once) fuzz::Fail("fuzz_input_file", "a record read back is written differently");
        if (!(first.print.toleranz >= 0.0 && first.print.toleranz <= 10.0))
            fuzz::Fail("fuzz_input_file", "a tolerance outside 0 to 10 % was taken");
        if (Replace_Input_Text_File((id + "_02.INP").c_str(), &first, nullptr, nullptr) != VEK_REPLACE_DONE)
            fuzz::Fail("fuzz_input_file", "a record read does not save (its new file does not read back)");
    }
    Free_Schweissnaht(&first);
    Free_Schweissnaht(&second);

    if (fuzz::Write(id + "_01.INP", data, size)) Load_Input_File();
    Free_Schweissnaht(&Schweissnaht_Anschluss);
    VEK_Clear_Recorded_Messages();
    return 0;
}
