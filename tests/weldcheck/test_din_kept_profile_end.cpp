// The DIN 18800 evaluation keeps the profile end of a connection (profile
// taken over, section model, geometry, weld line section) from one load case
// to the next: whatever changes between two evaluations, the second gives
// what it gives as the first evaluation of a run.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "profiles/geschweisster_anschluss.h"
#include "profiles/profilquerschnitt.h"
#include "profiles/profile_switches.h"
#include "support/global_state.h"
#include "support/testutil.h"
#include "thinwall/dwqb.h"
#include "weldcheck/din_check.h"

namespace test_din_kept_profile_end {
namespace {

const testutil::Global_Reset reset_din(Reset_Anschluss_State);
const testutil::Global_Reset reset_kept(Forget_Din_Profile_End);

// S235 on a 20 mm S235 plate, gamma_M 1.1, welded all round with a = 4 mm.
GeschweissterAnschluss Connection(int family, double h, double b, double t, double s, double r, const char* name) {
    GeschweissterAnschluss c;
    Init_Geschweisster_Anschluss(&c);
    c.family = family;
    c.h = c.h2 = h, c.b = c.b2 = b, c.t = c.t2 = t, c.s = c.s2 = s, c.r = c.r2 = r;
    c.catalogue = name != nullptr;
    std::snprintf(c.profile_name, sizeof c.profile_name, "%s", name ? name : "");
    std::snprintf(c.drawing_name, sizeof c.drawing_name, "%s", c.profile_name);
    c.grades.grade = c.grades.weld_grade = 5;
    c.t_p = 20.0, c.a_w = 4.0;
    c.end_crater = ANSCHLUSS_FULL_LENGTH, c.weld_kind = ANSCHLUSS_WELD_ALL_ROUND;
    const double f[] = {1.1, -150, 20, 6, 4, 3, 0.5};  // gamma_M, N, V_z, V_y, M_z, M_y, M_x
    std::memcpy(c.load, f, sizeof f);
    return c;
}

// Welds by position on both flange faces (1, 8) and both web faces (4, 5).
void By_Position(GeschweissterAnschluss* c, double a_flange, double web) {
    c->weld_kind = ANSCHLUSS_WELDS_BY_POSITION;
    for (int p : {1, 8}) c->a_pos[p - 1] = a_flange, c->l_pos[p - 1] = 200;
    for (int p : {4, 5}) c->a_pos[p - 1] = 5, c->l_pos[p - 1] = web;
}

// Those welds with end craters and, in their place, one weld all round.
void All_Round(GeschweissterAnschluss* c, double a) {
    By_Position(c, 7, 200);
    c->end_crater = ANSCHLUSS_END_CRATERS, c->weld_kind = ANSCHLUSS_WELD_ALL_ROUND, c->a_w = a;
}

// Another model in the thin-walled engine, as another check builds it
// between two load cases.
void Other_Model() {
    Profilquerschnitt pq;
    Init_Profilquerschnitt(&pq);
    double d[PQ_DIMENSIONS] = {20, 10, 0.8, 0.8, 0, 0, 0, 0, 0, 0};
    Set_Profilquerschnitt_By_Dimensions(&pq, 5, 110, PQ_SHAPE_RHS, 0, d, d);
    DWQB_Option_Word = 0;
    Setup_Profilquerschnitt_DWQB(&pq, 0.0, nullptr, 2);
    Release_Profilquerschnitt(&pq);
}

// What the evaluation leaves in the record, to the bit: the strengths, the
// utilisations, the section and weld values (doubles one after the other),
// the working dimensions, the status and the plate nearest its limit.
std::string Results(const GeschweissterAnschluss& c) {
    const char* from = reinterpret_cast<const char*>(&c.alpha_w);
    std::string bytes(from, reinterpret_cast<const char*>(&c.weld_values + 1) - from);
    bytes.append(reinterpret_cast<const char*>(&c.h2), 5 * sizeof(double));
    bytes.append(reinterpret_cast<const char*>(&c.status), sizeof c.status);
    const double b[] = {c.plate_buckling.b_t, c.plate_buckling.limit, c.plate_buckling.stress};
    return bytes.append(reinterpret_cast<const char*>(b), sizeof b);
}

}  // namespace

// Connections one after the other, each changing one thing of the one
// before (or the engine's model between them): each evaluated after the one
// before gives the bits it gives evaluated first.
TEST(DinKeptProfileEnd, EachEvaluationIsThatOfItsOwnConnection) {
    const std::string file = WELD_PROFIL_FILE;
    testutil::ScopedEnv data("DATA", file.substr(0, file.rfind('/')));
    using C = GeschweissterAnschluss;
    const struct {
        const char* what;
        int family;
        double h, b, t, s, r;
        const char* name = nullptr;  // of a catalogue profile
        std::function<void(C*)> change = nullptr;
        std::function<void()> between = nullptr;  // done to the engine before the evaluation
    } steps[] = {
        {"catalogue I", ANSCHLUSS_I, 190, 200, 10, 6.5, 18, "HE200A"},
        {"other forces", ANSCHLUSS_I, 190, 200, 10, 6.5, 18, "HE200A", [](C* c) { c->load[ANSCHLUSS_M_Y] = -40; }},
        {"another model in the engine", ANSCHLUSS_I, 190, 200, 10, 6.5, 18, "HE200A", nullptr, Other_Model},
        {"another name", ANSCHLUSS_I, 190, 200, 10, 6.5, 18, "HE220A"},
        {"typed I", ANSCHLUSS_I, 300, 200, 15, 10, 0},
        {"taller", ANSCHLUSS_I, 320, 200, 15, 10, 0},
        {"by position", ANSCHLUSS_I, 320, 200, 15, 10, 0, nullptr, [](C* c) { By_Position(c, 5, 270); }},
        {"thicker flange welds", ANSCHLUSS_I, 320, 200, 15, 10, 0, nullptr, [](C* c) { By_Position(c, 7, 270); }},
        {"shorter web welds", ANSCHLUSS_I, 320, 200, 15, 10, 0, nullptr, [](C* c) { By_Position(c, 7, 200); }},
        {"end craters", ANSCHLUSS_I, 320, 200, 15, 10, 0, nullptr,
         [](C* c) { By_Position(c, 7, 200), c->end_crater = ANSCHLUSS_END_CRATERS; }},
        {"all round", ANSCHLUSS_I, 320, 200, 15, 10, 0, nullptr, [](C* c) { All_Round(c, 4); }},
        {"all round, thicker", ANSCHLUSS_I, 320, 200, 15, 10, 0, nullptr, [](C* c) { All_Round(c, 6); }},
        {"rectangular tube", ANSCHLUSS_RHS, 200, 100, 8, 8, 0},
        {"tee", ANSCHLUSS_TEE, 150, 150, 12, 8, 0},
        {"tee with root fillets", ANSCHLUSS_TEE, 150, 150, 12, 8, 12},
        {"tee with toe roundings", ANSCHLUSS_TEE, 150, 150, 12, 8, 12, nullptr, [](C* c) { c->r_toe = 6; }},
        {"rounded tube", ANSCHLUSS_RHS, 100, 100, 10, 10, 15, nullptr, [](C* c) { c->r_inner = 10, c->full_penetration = 1; }},
        {"rounded tube, inner radius", ANSCHLUSS_RHS, 100, 100, 10, 10, 15, nullptr, [](C* c) { c->r_inner = 5, c->full_penetration = 1; }},
        {"catalogue angle", ANSCHLUSS_ANGLE, 100, 100, 10, 10, 12, "L100X10"},
        {"circular tube", ANSCHLUSS_CHS, 168.3, 168.3, 5, 5, 0},
        {"flat bar", ANSCHLUSS_FLAT, 200, 20, 20, 20, 0},
        {"round bar", ANSCHLUSS_ROUND, 60, 60, 0, 0, 0},
    };
    for (const auto& step : steps) {
        C kept = Connection(step.family, step.h, step.b, step.t, step.s, step.r, step.name), first = kept;
        if (step.change) step.change(&kept), step.change(&first);
        if (step.between) step.between();
        EXPECT_EQ(Calc_Anschluss_Querschnitt(&kept), 0) << step.what;
        Forget_Din_Profile_End();
        Invalidate_Profil_DWQB_Cache();
        EXPECT_EQ(Calc_Anschluss_Querschnitt(&first), 0) << step.what;
        EXPECT_EQ(Results(kept), Results(first)) << step.what;
    }
}

// A catalogue profile is read again when its profile file has changed:
// taken away, put back, or written again without the profile. HE200A of
// the shipped tables: h 190, b 200, t_f 10, t_w 6.5, r 18 mm.
TEST(DinKeptProfileEnd, FollowsTheProfileFile) {
    testutil::TempDir dir;
    const std::string full = testutil::Read_File(WELD_PROFIL_FILE);
    // The file less the record of HE200A (160 bytes, its name blank-padded
    // to 15): still in order, as a file that never held it.
    std::string without = full;
    for (size_t at = 0; at + 160 <= without.size(); at += 160)
        if (without.compare(at, 15, "HE200A         ") == 0) without.erase(at, 160);
    ASSERT_EQ(without.size() + 160, full.size());
    const struct {
        const std::string* file;  // null: none
        int result;
    } steps[] = {{&full, 0}, {nullptr, -1}, {&full, 0}, {&without, -1}, {&full, 0}};
    testutil::ScopedEnv data("DATA", dir.str());
    for (const auto& step : steps) {
        std::filesystem::remove(dir.file("PROFIL"));
        if (step.file) testutil::Write_File(dir.file("PROFIL"), *step.file);
        GeschweissterAnschluss c = Connection(ANSCHLUSS_I, 1, 1, 1, 1, 0, "HE200A");
        ASSERT_EQ(Calc_Anschluss_Querschnitt(&c), step.result) << &step - steps;
        const double dims[] = {c.h2, c.b2, c.t2, c.s2, c.r2}, expected[] = {190, 200, 10, 6.5, 18};
        for (int i = 0; i < 5 && step.result == 0; i++) EXPECT_NEAR(dims[i], expected[i], 1e-4) << i;
    }
}

}  // namespace test_din_kept_profile_end
