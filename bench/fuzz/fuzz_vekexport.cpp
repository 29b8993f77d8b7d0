// Fuzz target: the exchange-file object readers. The whole input is an
// exchange file; objects are read one after another (as the file loader
// does) until the reader refuses, then the header reader, the block search
// and the class-data reader are tried from the start.
#include "fuzz_common.h"

#include "base/vekexport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    FILE* f = fuzz::Stream(data, size);
    if (!f) return 0;
    for (int i = 0; i < 64; ++i) {
        VEKExportObject* o = Read_VEKExport_Object(f);
        if (!o) break;
        VEKExportClassValues values{};
        (void)Get_VEKExport_Class_Values(o, &values);  // the string stays the block's
        Free_VEKExport_Object(o);
    }
    std::rewind(f);
    if (VEKExportObject* h = Read_VEKExportObject_Header(f)) Free_VEKExport_Object(h);
    std::rewind(f);
    for (int b = VEK_BLOCK_HEADER; b <= VEK_BLOCK_PARAM; ++b) (void)Find_VEKExport_Block(f, b, 1);
    std::rewind(f);
    if (VEKExportObject* o = Create_VEKExport_Object(3, 1, 1, "x", 1, nullptr)) {
        if (VEKClassData* d = Read_VEKClassData(f, o)) Free_VEKClassData(d);
        Free_VEKExport_Object(o);
    }
    std::fclose(f);
    return 0;
}
