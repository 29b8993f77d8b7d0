// Fuzz target: the text forms of the concrete and reinforcing-steel grade
// records. Bit i of the first byte picks the kind of record i (0 concrete,
// 1 steel); the rest is the file, read after its data version, records back
// to back while the reader accepts them. A refused record must leave the
// record, the read position and the version level as they were; an accepted
// one holds only finite numbers and switches of 0 or 1. What was accepted
// goes through the writers and is read back, field by field equal (seven
// digits of "%e"; the strains derived from f_ck follow it).
#include "fuzz_common.h"

#include "codes/betonguete.h"
#include "codes/betonstahl.h"
#include "codes/versioned_text.h"
#include "dialogs/messages.h"

namespace {

const char kTarget[] = "fuzz_grades";
const int kMaxGrades = 8;
constexpr fuzz::Tolerance kDerived{1.0e-12, 1.0e-5};

struct Grade {
    bool steel;
    Betonguete_Record concrete;
    Betonstahl_Record rebar;
};

void Fill_Start(Grade* g) {
    std::memset(&g->concrete, 0x5A, sizeof g->concrete);
    std::memset(&g->rebar, 0x5A, sizeof g->rebar);
    Get_Betonguete_Record(&g->concrete, 4, 0, 0.0);
    Get_Betonstahl_Record(&g->rebar, 1);
}

int Read(Grade* g) { return g->steel ? Read_Betonstahl_Record(&g->rebar) : Read_Betonguete_Record(&g->concrete); }

int Write(const Grade& g) { return g.steel ? Write_Betonstahl_Record(&g.rebar) : Write_Betonguete_Record(&g.concrete); }

bool Terminated(const char* name, size_t size) { return strnlen(name, size) < size; }

void Check_Accepted(const Grade& g) {
    if (g.steel) {
        const Betonstahl_Record& r = g.rebar;
        if (!Terminated(r.name, sizeof r.name)) fuzz::Fail(kTarget, "steel name without terminator");
        for (double v : {r.f_yk, r.f_tk, r.eps_uk, r.E_s})
            if (!std::isfinite(v)) fuzz::Fail(kTarget, "steel value not finite");
        return;
    }
    const Betonguete_Record& r = g.concrete;
    if (!Terminated(r.name, sizeof r.name)) fuzz::Fail(kTarget, "concrete name without terminator");
    for (double v : {r.f_ck, r.alpha, r.eps_c1, r.eps_c1u, r.eps_c2, r.eps_c2u, r.n_exp, r.density, r.E_cm})
        if (!std::isfinite(v)) fuzz::Fail(kTarget, "concrete value not finite");
    if ((r.lightweight != 0 && r.lightweight != 1) || (r.auto_E != 0 && r.auto_E != 1))
        fuzz::Fail(kTarget, "concrete switch other than 0 or 1");
    if (!r.lightweight && r.density != 2200.0) fuzz::Fail(kTarget, "normal-weight density not 2200");
}

void Same(const fuzz::Round_Trip& rt, const Grade& a, const Grade& b) {
    if (a.steel) {
        rt.Text("name", a.rebar.name, b.rebar.name);
        rt.Real("f_yk", a.rebar.f_yk, b.rebar.f_yk, fuzz::kDigits7);
        rt.Real("f_tk", a.rebar.f_tk, b.rebar.f_tk, fuzz::kDigits7);
        rt.Real("eps_uk", a.rebar.eps_uk, b.rebar.eps_uk, fuzz::kDigits7);
        rt.Real("E_s", a.rebar.E_s, b.rebar.E_s, fuzz::kDigits7);
        return;
    }
    const Betonguete_Record &x = a.concrete, &y = b.concrete;
    rt.Text("name", x.name, y.name);
    rt.Real("f_ck", x.f_ck, y.f_ck, fuzz::kDigits7);
    rt.Real("alpha", x.alpha, y.alpha, fuzz::kDigits7);
    rt.Real("eps_c2", x.eps_c2, y.eps_c2, fuzz::kDigits7);
    rt.Real("eps_c2u", x.eps_c2u, y.eps_c2u, fuzz::kDigits7);
    rt.Real("n_exp", x.n_exp, y.n_exp, fuzz::kDigits7);
    rt.Int("lightweight", x.lightweight, y.lightweight);
    rt.Real("density", x.density, y.density, fuzz::kDigits7);
    rt.Int("auto_E", x.auto_E, y.auto_E);
    rt.Real("E_cm", x.E_cm, y.E_cm, fuzz::kDigits7);
    rt.Real("eps_c1", x.eps_c1, y.eps_c1, kDerived);
    rt.Real("eps_c1u", x.eps_c1u, y.eps_c1u, kDerived);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    fuzz::Silence_Library_Output();
    Set_Message_Mode(MESSAGE_MODE_DROP);
    if (size < 1) return 0;
    const unsigned kinds = data[0];
    FILE* f = fuzz::Stream(data + 1, size - 1);
    if (!f) return 0;
    std::vector<Grade> accepted;
    if (Begin_Versioned_Read(f, 1.0) == 0) {
        const double data_version = Current_Data_Version();
        for (int i = 0; i < kMaxGrades; ++i) {
            Grade g;
            g.steel = (kinds >> i) & 1;
            Fill_Start(&g);
            const Grade before = g;
            const long start = Tell_Read_Position();
            const int rc = Read(&g);
            // The data version may be NaN: "nan" reads as a number.
            const double now = Current_Data_Version();
            if (now != data_version && !(std::isnan(now) && std::isnan(data_version)))
                fuzz::Fail(kTarget, "version level left open");
            if (rc != 0) {
                if (std::memcmp(&g, &before, sizeof g) != 0) fuzz::Fail(kTarget, "refused record changed");
                if (Tell_Read_Position() != start) fuzz::Fail(kTarget, "refused record moved the read position");
                break;
            }
            Check_Accepted(g);
            accepted.push_back(g);
        }
    }
    std::fclose(f);
    if (accepted.empty()) return 0;

    FILE* w = std::tmpfile();
    if (!w) return 0;
    if (Begin_Versioned_Write(w, 1.0) != 0) fuzz::Fail(kTarget, "data version not written");
    for (const Grade& g : accepted)
        if (Write(g) != 0) fuzz::Fail(kTarget, "writer refused what the reader accepted");
    std::rewind(w);
    if (Begin_Versioned_Read(w, 1.0) != 0) fuzz::Fail(kTarget, "written data version not read");
    for (size_t i = 0; i < accepted.size(); ++i) {
        Grade again;
        again.steel = accepted[i].steel;
        Fill_Start(&again);
        if (Read(&again) != 0) fuzz::Fail(kTarget, "written record refused");
        Same(fuzz::Round_Trip{again.steel ? "steel" : "concrete", static_cast<int>(i)}, accepted[i], again);
    }
    fuzz::Round_Trip{"grades", 0}.At_End("written grades", w);
    std::fclose(w);
    return 0;
}
