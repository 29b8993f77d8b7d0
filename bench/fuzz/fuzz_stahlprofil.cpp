// Fuzz target: the steel profile's block of the input file. Whatever
// Read_Profile takes is computed and printed in all four forms, as the
// program does next, and must never bring "nan" or "inf" into the print
// list; it is then written and read back, and the second reading must
// describe the same profile. Its name holds no markup escape of the list,
// and a typed section computed keeps every face its radii leave.
#include "fuzz_common.h"

#include <cstring>
#include <string>

#include "memberchecks/profile_section_model.h"
#include "profiles/stahlprofil.h"

namespace {

// Every number of these prints follows "= "; a profile name may well
// spell "NaN" itself.
bool Has_Non_Finite_Text(const char* text, size_t n) {
    const std::string s(text, n);
    for (const char* bad : {"= nan", "= -nan", "= inf", "= -inf"})
        if (s.find(bad) != std::string::npos) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    static bool installed = false;
    if (!installed) {
        Install_Profile_Section_Model();
        installed = true;
    }
    FILE* f = fuzz::Stream(data, size);
    if (!f) return 0;
    Stahlprofil p;
    int result = Read_Profile(f, &p);
    std::fclose(f);
    if (result != 0) return 0;
    const Stahlprofil as_read = p;
    // A name it takes fits the record (no word cut unseen) and holds no
    // markup escape of the print list.
    if (std::strchr(p.name, '\xCE') || std::memchr(p.name, '\0', STAHLPROFIL_NAME_SIZE) == nullptr) std::abort();

    char* text = nullptr;
    size_t n = 0;
    FILE* list = open_memstream(&text, &n);
    if (!list) return 0;
    for (int detail = 0; detail <= 1; detail++)
        for (int values = 0; values <= 1; values++) Print_Profile_Parameters(&p, list, detail, values, 7);
    // A typed section computed has radii and flange welds that leave each
    // face a length: none is dropped to compute another section.
    // (Type 0 is no profile: nothing to compute.)
    if (Calc_Profile_Cross_Section(&p, list, 0, "x") == 0 && p.kind == STAHLPROFIL_KIND_DIMENSIONS &&
        p.type != PROFILTYP_NONE && p.type != PROFILTYP_KASTEN && p.type != PROFILTYP_TRAPEZ &&
        !Profile_Dimensions_Fit(&p))
        std::abort();
    std::fclose(list);
    if (Has_Non_Finite_Text(text, n)) std::abort();
    std::free(text);

    FILE* out = std::tmpfile();
    if (!out) return 0;
    // The round trip is of the record as read; the print computed p since,
    // which also refreshed its material for the profile's thickness.
    p = as_read;
    if (Write_Profile(out, &p) != 0) std::abort();
    std::rewind(out);
    Stahlprofil q;
    if (Read_Profile(out, &q) != 0) std::abort();
    std::fclose(out);
    if (!Compare_Profiles(&p, &q)) std::abort();
    return 0;
}
