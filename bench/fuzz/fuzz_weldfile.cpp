// Fuzz target: the weld and weld-group records. The first byte picks the
// reader; the rest holds records of that kind back to back, read while the
// reader accepts them. A record that was read goes through the writer and
// is read back, field by field equal; then it is printed and checked, as
// the program does next.
#include <vector>

#include "fuzz_records.h"

#include "weldcheck/weldfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    if (size < 1) return 0;
    FILE* f = fuzz::Stream(data + 1, size - 1);
    if (!f) return 0;
    if (data[0] & 1) {
        fuzz::Input_Records<NahtGruppe>(f, fuzz::kMaxRecords, "weld group", Clear_Weld_Group, Read_Weld_Group,
                                        Write_Weld_Group, fuzz::Same_Weld_Group, [](NahtGruppe* g) {
                                            Print_Connection_Headings(g, fuzz::Sink(), 2);
                                            (void)Calc_Weld_Shear_Strength_Checked(g, fuzz::Sink(), 2);
                                        });
    } else {
        fuzz::Input_Records<NahtElement>(f, fuzz::kMaxRecords, "weld", Clear_Weld, Read_Weld, Write_Weld,
                                         fuzz::Same_Weld_Fields<NahtElement>, [](NahtElement* w) {
                                             for (int mode = 0; mode < 4; ++mode)
                                                 (void)Print_Weld_Description(w, mode & 1, mode >> 1, fuzz::Sink(), mode);
                                         });
    }
    std::fclose(f);
    return 0;
}
