// Fuzz target: the material, plate and safety-factor blocks of the input
// files. The first byte picks the reader; the rest holds blocks of that kind
// back to back, read while the reader accepts them. What was read goes
// through the writer and is read back, field by field equal; then it is
// printed and checked, as the program does next, so a damaged value the
// reader let through shows up as well. A material read holds no own modulus
// or expansion coefficient the sheet refuses and no name with the list's
// markup escape; the factors' switch is 0 or 1.
#include <cstring>
#include <vector>

#include "codes/input_ranges.h"

#include "fuzz_records.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    if (size < 1) return 0;
    FILE* f = fuzz::Stream(data + 1, size - 1);
    if (!f) return 0;
    switch (data[0] % 3) {
    case 0:
        fuzz::Input_Records<Materialparameter_Record>(
            f, fuzz::kMaxRecords, "material", Clear_Material_Params, Read_Material_Params, Write_Material_Params,
            fuzz::Same_Material, [](Materialparameter_Record* m) {
                // What the sheet's fields refuse, and a name that would hide
                // its rest in the list, are not taken.
                if (std::strchr(m->name, '\xCE') ||
                    (m->own_values == 1 && (!Input_Range_Holds(RANGE_MODULUS, m->E) ||
                                            !Input_Range_Holds(RANGE_EXPANSION, m->alpha_T))))
                    fuzz::Fail("fuzz_codes_blocks", "a material value or name no field takes was read");
                Print_Material_Params(m, fuzz::Sink(), 0x86, 1, "1");
                Print_Steel_Params_By_Thickness(m, fuzz::Sink(), 0x86, 1, "1");
                Print_Material_Params_Text(m, fuzz::Sink(), 0xFF, 1, "1");
                (void)Check_Material_Params(m, 20.0, fuzz::Sink(), 0, "x");
            });
        break;
    case 1:
        fuzz::Input_Records<Blech_Record>(f, fuzz::kMaxRecords, "plate", Clear_Plate, Read_Plate, Write_Plate,
                                          fuzz::Same_Plate, [](Blech_Record* p) {
                                              Print_Plate(p, fuzz::Sink(), 0xFF, 1, "1");
                                              (void)Check_Plate_And_Material(p, fuzz::Sink(), 0, 0xFF, "x");
                                          });
        break;
    default:
        fuzz::Input_Records<Sicherheitsbeiwerte_Record>(
            f, fuzz::kMaxRecords, "safety factors", Clear_Safety_Factors, Read_Safety_Factors, Write_Safety_Factors,
            fuzz::Same_Safety_Factors, [](Sicherheitsbeiwerte_Record* s) {
                if (s->from_annex != 0 && s->from_annex != 1)
                    fuzz::Fail("fuzz_codes_blocks", "a switch other than 0 or 1 was read");
                Print_Safety_Factors(s, fuzz::Sink(), 0);
                (void)Check_Safety_Factors(s, fuzz::Sink(), 0);
            });
        break;
    }
    std::fclose(f);
    return 0;
}
