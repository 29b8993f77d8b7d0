// Field-by-field comparisons of the input-file records (material, plate,
// safety factors, weld, weld group) for the round-trip harnesses. Numbers
// are written with six decimals.
#ifndef BENCH_FUZZ_RECORDS_H
#define BENCH_FUZZ_RECORDS_H

#include "fuzz_common.h"

#include "codes/blech.h"
#include "codes/material.h"
#include "codes/sicherheit.h"
#include "weldcheck/weldelem.h"

namespace fuzz {

// How many records of a kind a harness reads back to back.
const int kMaxRecords = 8;

// Where the print texts of the records go.
inline FILE* Sink() {
    static FILE* sink = std::fopen("/dev/null", "w");
    return sink;
}

// The name is a blank-padded field: trailing blanks carry nothing.
inline std::string Unpadded(const char* field, size_t size) {
    std::string s(field, strnlen(field, size));
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

inline void Same_Material(const Round_Trip& rt, const Materialparameter_Record& a,
                          const Materialparameter_Record& b) {
    rt.Int("material grade", a.grade, b.grade);
    rt.Text("material name", Unpadded(a.name, sizeof a.name).c_str(), Unpadded(b.name, sizeof b.name).c_str());
    rt.Int("material own_values", a.own_values, b.own_values);
    const double Materialparameter_Record::*reals[] = {
        &Materialparameter_Record::f_y1, &Materialparameter_Record::f_u1, &Materialparameter_Record::f_y2,
        &Materialparameter_Record::f_u2, &Materialparameter_Record::f_y3, &Materialparameter_Record::f_u3,
        &Materialparameter_Record::E,    &Materialparameter_Record::beta_w, &Materialparameter_Record::f_y,
        &Materialparameter_Record::f_u,  &Materialparameter_Record::G,    &Materialparameter_Record::nu,
        &Materialparameter_Record::alpha_T};
    const char* names[] = {"f_y1", "f_u1", "f_y2", "f_u2", "f_y3", "f_u3", "E",
                           "beta_w", "f_y", "f_u", "G", "nu", "alpha_T"};
    for (size_t i = 0; i < sizeof reals / sizeof reals[0]; ++i) rt.Real(names[i], a.*reals[i], b.*reals[i], kFixed6);
    rt.Int("material effective_grade", a.effective_grade, b.effective_grade);
    rt.Int("material kind", a.kind, b.kind);
}

inline void Same_Plate(const Round_Trip& rt, const Blech_Record& a, const Blech_Record& b) {
    rt.Real("plate t", a.t, b.t, kFixed6);
    rt.Real("plate b", a.b, b.b, kFixed6);
    rt.Real("plate l", a.l, b.l, kFixed6);
    Same_Material(rt, a.material, b.material);
}

inline void Same_Safety_Factors(const Round_Trip& rt, const Sicherheitsbeiwerte_Record& a,
                                const Sicherheitsbeiwerte_Record& b) {
    using R = Sicherheitsbeiwerte_Record;
    rt.Int("from_annex", a.from_annex, b.from_annex);
    const double R::*reals[] = {&R::gamma_M0, &R::gamma_M1,     &R::gamma_M2,    &R::gamma_M3,
                                &R::gamma_M4, &R::gamma_M5,     &R::gamma_M6ser, &R::gamma_M7,
                                &R::gamma_M3ser, &R::gamma_Mser, &R::gamma_Mfi};
    const char* names[] = {"gamma_M0", "gamma_M1", "gamma_M2", "gamma_M3", "gamma_M4", "gamma_M5",
                           "gamma_M6ser", "gamma_M7", "gamma_M3ser", "gamma_Mser", "gamma_Mfi"};
    for (size_t i = 0; i < sizeof reals / sizeof reals[0]; ++i) rt.Real(names[i], a.*reals[i], b.*reals[i], kFixed6);
    rt.Int("kind", a.kind, b.kind);
}

// The nine weld fields, which a weld group holds in the same order.
template <class W>
void Same_Weld_Fields(const Round_Trip& rt, const W& a, const W& b) {
    rt.Int("weld kind", a.kind, b.kind);
    rt.Real("weld a", a.a, b.a, kFixed6);
    rt.Real("weld e", a.e, b.e, kFixed6);
    rt.Real("weld l_w", a.l_w, b.l_w, kFixed6);
    rt.Real("weld angle", a.angle, b.angle, kFixed6);
    rt.Real("weld d", a.d, b.d, kFixed6);
    rt.Real("weld l", a.l, b.l, kFixed6);
    rt.Int("weld full_penetration", a.full_penetration, b.full_penetration);
    rt.Int("weld full_length", a.full_length, b.full_length);
}

inline void Same_Weld_Group(const Round_Trip& rt, const NahtGruppe& a, const NahtGruppe& b) {
    Same_Weld_Fields(rt, a, b);
    rt.Int("one_sided", a.one_sided, b.one_sided);
    Same_Plate(rt, a.plate1, b.plate1);
    Same_Plate(rt, a.plate2, b.plate2);
    rt.Int("packing", a.packing, b.packing);
    rt.Real("t_p", a.t_p, b.t_p, kFixed6);
    rt.Int("method", a.method, b.method);
    rt.Int("force_mode", a.force_mode, b.force_mode);
    const double NahtGruppe::*reals[] = {&NahtGruppe::N_Ed,       &NahtGruppe::V_p_Ed,    &NahtGruppe::V_s_Ed,
                                         &NahtGruppe::F_sigma_perp, &NahtGruppe::F_tau_perp, &NahtGruppe::F_tau_par,
                                         &NahtGruppe::sigma_perp, &NahtGruppe::tau_perp,   &NahtGruppe::tau_par,
                                         &NahtGruppe::F_w_Ed,     &NahtGruppe::sigma_w_Ed};
    const char* names[] = {"N_Ed",     "V_p_Ed",   "V_s_Ed",  "F_sigma_perp", "F_tau_perp", "F_tau_par",
                           "sigma_perp", "tau_perp", "tau_par", "F_w_Ed",       "sigma_w_Ed"};
    for (size_t i = 0; i < sizeof reals / sizeof reals[0]; ++i) rt.Real(names[i], a.*reals[i], b.*reals[i], kFixed6);
    // The record keeps the moments in Nm with six decimals, the group holds
    // them in Nmm.
    constexpr Tolerance kFixed6_Nm_In_Nmm{1.0e-3, 1.0e-15};
    rt.Real("M_p_Ed", a.M_p_Ed, b.M_p_Ed, kFixed6_Nm_In_Nmm);
    rt.Real("M_s_Ed", a.M_s_Ed, b.M_s_Ed, kFixed6_Nm_In_Nmm);
}

// Reads records with read(FILE*, R*) (0 on success) back to back, at most
// max of them, from a record cleared by clear(R*).
template <class R, class Clear, class Read>
std::vector<R> Read_Records(FILE* f, int max, Clear clear, Read read) {
    std::vector<R> records;
    for (int i = 0; i < max; ++i) {
        R r;
        clear(&r);
        if (read(f, &r) != 0) break;
        records.push_back(r);
    }
    return records;
}

// Records of the input files: write(FILE*, const R*) and read(FILE*, R*)
// give 0 on success; a record is cleared by clear(R*) before it is read.
template <class R, class Clear, class Read, class Write, class Same>
void Input_Records_Round_Trip(const char* what, const std::vector<R>& first, Clear clear, Read read, Write write,
                              Same same) {
    Records_Round_Trip(
        what, first, [&](FILE* out, const R& r) { return write(out, &r) == 0; },
        [&](FILE* in, R* r) {
            clear(r);
            return read(in, r) == 0;
        },
        same, [](R*) {});
}

// The input records of one kind back to back in f (at most max): read,
// checked through their writer, then handed to use(R*) one by one.
template <class R, class Clear, class Read, class Write, class Same, class Use>
void Input_Records(FILE* f, int max, const char* what, Clear clear, Read read, Write write, Same same, Use use) {
    std::vector<R> records = Read_Records<R>(f, max, clear, read);
    Input_Records_Round_Trip(what, records, clear, read, write, same);
    for (R& r : records) use(&r);
}

}  // namespace fuzz

#endif
