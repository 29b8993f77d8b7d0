// The compressed fraction alpha of the class 1 and 2 limits (EN 1993-1-1
// Table 5.2) from the plastic stress distribution of the forces that stress
// each part, on the section's real outline (root fillets, toes, sloped
// flanges) with each plate's own yield strength: on the plastic road of the
// cross-section check and in the c/t check of the section model, against
// the limit state that the general section engine finds for the same
// outline, and against hand values for the worked angles.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "memberchecks/ct_check.h"
#include "memberchecks/member_settings.h"
#include "memberchecks/plastic_axis.h"
#include "memberchecks/section_class.h"
#include "memberchecks/xs_ct_check.h"
#include "memberchecks/xs_resistance.h"
#include "printlist/list_capture.h"
#include "profiles/profil_dwqb_model.h"
#include "profiles/section_stress.h"
#include "section/section_update.h"
#include "section/ultimate_load.h"
#include "section/section_fixture.h"
#include "plastic_blocks.h"
#include "several_part_fixture.h"
#include "thinwall/dwqb.h"
#include "thinwall/dwqb_transfer.h"

namespace {

using PlasticAlpha = testutil::CheckModeTwoTest;

using testutil::Catalogue;
using testutil::Fibre_Class_2;
using testutil::Rect;

// The limit strain plane (polar: angle, strain at the origin, curvature per
// m) that the section engine finds for the rings (cm about the section's
// centroid), each an area of bilinear steel of f_d times its share (N/mm2),
// with N held (kN, tension positive) and the moments (kNm, M_y the integral
// of sigma z, M_z that of -sigma y) raised or lowered together until the
// section is at its limit: the plastic moment resistance under N, whose
// distribution the class limits take. Without N the factor scales all
// forces alike; without a moment the section is one block.
void Engine_Limit_Plane(const Plastic_Ring* rings, int n, double f_d, double N, double M_y, double M_z,
                        double plane[4]) {
    if (M_y == 0 && M_z == 0) {
        // N alone: one block over the whole section
        plane[0] = plane[2] = plane[3] = 0, plane[1] = N > 0 ? 1 : -1;
        return;
    }
    Querschnitt* q = New_Querschnitt(1, 0);
    for (int k = 0; k < n; k++) {
        std::vector<double> y, z;
        for (int c = 0; c < rings[k].n; c++) y.push_back(0.01 * rings[k].points[c].y), z.push_back(0.01 * rings[k].points[c].z);
        section_fixture::Add_Polygon(q, section_fixture::Add_Steel(q, f_d * rings[k].share), y, z);
    }
    Update_Querschnitt(q, 0);
    const Loeser_Toleranz tol{1e-6, 400};
    auto limit = [&](double mu, Grenzdehnung_Ergebnis* r) {
        const double T[4] = {N, mu * M_y, mu * M_z, 0};
        *r = Grenzdehnung_Ergebnis{};
        EXPECT_EQ(Calc_Querschnitt_Gleichgewicht(q, T, 1.0, &tol, r, 0, 1.0), 1);
        return 1 / r->lastfaktor;
    };
    Grenzdehnung_Ergebnis r;
    double mu = 1 / limit(1, &r);
    if (N != 0) {
        double lo = 0, hi = 1;
        while (limit(hi, &r) < 1) hi *= 2;
        for (int it = 0; it < 50; it++) (limit((lo + hi) / 2, &r) < 1 ? lo : hi) = (lo + hi) / 2;
        mu = hi;
    }
    limit(mu, &r);
    // the plane stands for that limit only where its forces are the target's
    double N_pl = 0;  // kN, of the rings' area (cm2)
    for (int k = 0; k < n; k++)
        for (int c = 0; c < rings[k].n; c++) {
            const Outline_Point &p = rings[k].points[c], &q = rings[k].points[(c + 1) % rings[k].n];
            N_pl += 0.05 * f_d * rings[k].share * (p.y * q.z - q.y * p.z);
        }
    EXPECT_NEAR(r.kraefte.N, N, 1e-3 * std::fabs(N) + 1e-5 * std::fabs(N_pl));
    EXPECT_NEAR(r.kraefte.My * M_z, r.kraefte.Mz * M_y, 1e-3 * std::fabs(mu) * (M_y * M_y + M_z * M_z));
    EXPECT_GT(r.kraefte.My * M_y + r.kraefte.Mz * M_z, 0);
    for (int k = 0; k < 4; k++) plane[k] = r.ebene[k];
    Free_Querschnitt(q);
}

// The strain of a polar plane at (y, z) cm.
double Strain(const double plane[4], double y, double z) {
    return plane[1] + plane[2] * (0.01 * y * std::cos(plane[0]) + 0.01 * z * std::sin(plane[0]));
}

// The class 2 utilisation of the model's parts with alpha from the plane
// that stresses each (plane_of(part)) at its two ends (where its c ends):
// Table 5.2 with epsilon (235/f_y)^0.5 of the part's own f_y, internal
// parts 456 eps/(13 alpha - 1) (alpha > 0.5) or 41.5 eps/alpha, outstands
// 10 eps/alpha with the tip the more compressed, 10 eps/(alpha alpha^0.5)
// with it less compressed or in tension, alpha the compressed share however
// small (a web the blocks leave mostly in tension is held by 41.5
// eps/alpha, not by the 83 eps of pure bending).
double Class_2_From_Planes(const std::function<const double*(int)>& plane_of,
                           const std::function<double(int)>& f_y_of) {
    double U = 0;
    for (int i = 0; i < Get_Section_Part_Count(); i++) {
        double y[2], z[2], e[2];
        const int kind = Get_Section_Part_Ends(i, y, z);
        if (kind == CT_NO_PART) continue;
        const double eps = std::sqrt(235 / f_y_of(i));
        for (int k = 0; k < 2; k++) e[k] = Strain(plane_of(i), y[k], z[k]);
        const int more = e[0] < e[1] ? 0 : 1;  // the more compressed end
        const double c = -e[more], o = -e[1 - more];
        if (!(c > 0)) continue;
        const double alpha = o >= 0 ? 1.0 : c / (c - o);
        double limit;
        if (kind == CT_INTERNAL) {
            limit = alpha > 0.5 ? 456 * eps / (13 * alpha - 1) : 41.5 * eps / alpha;
        } else {
            const int tip = kind == CT_OUTSTAND_FREE_AT_START ? 0 : 1;
            limit = more == tip ? 10 * eps / alpha : 10 * eps / (alpha * std::sqrt(alpha));
        }
        U = std::max(U, Get_Section_Part_Ratio(i) / limit);
    }
    return U;
}

// The class 2 utilisation the plastic road formed: the one it names where
// it falls back on the elastic check, else its c/t output; -1 without one.
double Plastic_Road_Class_2(const std::string& text, double U_ct) {
    const std::string missed = "(c/t bzgl. Q-Klasse 2: U╬\\c/t╬r = "_cp;
    const size_t at = text.find(missed);
    if (at != std::string::npos) return std::atof(text.c_str() + at + missed.size());
    return text.find("c/t-Verhältnis bzgl. Q-Klasse 2:"_cp) != std::string::npos ? U_ct : -1;
}

// A welded section typed in without weld throats (c = h - 2 t_f), of the
// grade given; b_u, t_u a bottom flange of its own.
Stahlprofil Welded(int type, double h, double t_w, double b, double t_f, int grade, double b_u = 0, double t_u = 0) {
    Stahlprofil p = testutil::Typed_Profile(type, h, t_w, b, t_f);
    if (b_u > 0) p.b_fu = b_u, p.t_fu = t_u;
    Default_Material_Params(&p.material);
    p.material.grade = grade;
    EXPECT_EQ(Calc_Profile_Cross_Section(&p, nullptr, 0, nullptr), 0);
    return p;
}

// The plastic road of the weld program's check by class (gamma_M0 1.0)
// under N (kN), M_y and M_z (kNm): its list (level 2), its outputs into o,
// its result bits into *bits where asked.
std::string Plastic_Road(const Stahlprofil& p, double N, double M_y, double M_z, double o[8],
                         unsigned* bits = nullptr) {
    static const int opts[2] = {0, 0};
    ListCapture list;
    const unsigned b = Calc_XS_Resistance_Check(&p, 1.0, opts, 1, 1, N, M_y, M_z, 0, 0, 0, 0, 0, &o[0], &o[1], &o[2],
                                                &o[3], &o[4], &o[5], &o[6], &o[7], list.f(), 2);
    if (bits) *bits = b;
    return list.Take_Ended();
}

// By hand on rectangles: a welded section symmetric about the z axis (z
// down from its top; each plate its half-width w and its depths z1 to z2),
// one f_y, N (tension positive, N) and M_z (Nmm) acting: M_z taken by the
// plates' parts beyond |y| = u0 >= keep (a plate of depth t reaching beyond
// it carries f_y t (w^2 - u0^2)), N by blocks on either side of a
// horizontal axis z_a across what lies within, which gives it its plastic
// moment in the sense of M_y (M_z = 0: the whole section, N and M_y
// alone). top: M_y compresses the top. Returns z_a; NaN where what lies
// within carries N as one block, or without M_y (N alone).
double Hand_Axis(const std::vector<Rect>& plates, double f_y, double N, double M_y, double M_z, double keep, bool top) {
    if (M_y == 0) return NAN;
    double h = 0, w_max = 0;
    for (const Rect& r : plates) h = std::max(h, r.z2), w_max = std::max(w_max, r.w);
    // area within |y| < u0 above the depth z
    auto above = [&](double u0, double z) {
        double a = 0;
        for (const Rect& r : plates) a += 2 * std::min(r.w, u0) * (std::clamp(z, r.z1, r.z2) - r.z1);
        return a;
    };
    auto across = [&](double u0) {
        double m = 0;
        for (const Rect& r : plates) m += r.w > u0 ? f_y * (r.z2 - r.z1) * (r.w * r.w - u0 * u0) : 0;
        return m;
    };
    double lo = keep, hi = w_max;
    if (across(keep) <= std::fabs(M_z)) hi = keep;
    for (int it = 0; it < 200 && hi > lo; it++) (across((lo + hi) / 2) > std::fabs(M_z) ? lo : hi) = (lo + hi) / 2;
    const double within = above(hi, h), compressed = (within - N / f_y) / 2;
    if (!(compressed > 0 && compressed < within)) return NAN;
    const double wanted = top ? compressed : within - compressed;
    double z_lo = 0, z_hi = h;
    for (int it = 0; it < 200; it++) (above(hi, (z_lo + z_hi) / 2) < wanted ? z_lo : z_hi) = (z_lo + z_hi) / 2;
    return (z_lo + z_hi) / 2;
}

// N and M_y alone: the whole section.
double Hand_Axis(const std::vector<Rect>& plates, double f_y, double N, double M_y, bool top) {
    return Hand_Axis(plates, f_y, N, M_y, 0, 0, top);
}

// The class 2 utilisation (Table 5.2) of a part from z_1 to z_2 on the z axis
// whose blocks part at z_a (NaN: one block of the sign of N), compression
// above it where top; an outstand's tip at z_2, else an internal part.
double Hand_Class_2(double c_t, double eps, double z_1, double z_2, double z_a, bool top, bool outstand, double N) {
    double alpha = N < 0 ? 1 : 0;
    if (!std::isnan(z_a)) alpha = std::clamp((top ? z_a - z_1 : z_2 - z_a) / (z_2 - z_1), 0.0, 1.0);
    if (!(alpha > 0)) return 0;
    double limit = alpha > 0.5 ? 456 * eps / (13 * alpha - 1) : 41.5 * eps / alpha;
    if (outstand) limit = !top || alpha == 1 ? 10 * eps / alpha : 10 * eps / (alpha * std::sqrt(alpha));
    return c_t / limit;
}

}  // namespace

// Every family the plastic road classes, under moments about both axes with
// and without N, in tension and compression: the class 2 utilisation of the
// plastic road (the weld program's check by class, gamma_M0 1.0) and of the
// model's c/t check equals the one that alpha of the section engine's
// limit state gives on the same section - the rolled profile's outline,
// whose area and second moments are the catalogue's and whose faces are the
// model's, or the welded profile's plates, each at its own yield strength.
// A part on the z axis (a double-T's web, a tee's stem) takes the worse of
// the limit state of N and M_y alone - M_z does not stress it and never
// makes its class better - and the limit state of the whole load, in
// tension as in compression (the cases under tension and M_z below: the
// turn of the axis that M_z brings compresses more of the web or stem than
// N and M_y alone, which had classed them; for more cases where it is worse
// see APartOnTheZAxisTakesTheWorseOfItsOwnForcesAndTheForcesDirection). The engine integrates the rings with a bilinear
// law to its strain limit, the check's blocks are rigid-plastic: they agree
// within 0.1 % (the engine's plane is taken only where its forces are the
// target's: its parameter search once reported for the unequal I under N,
// M_y and M_z a limit at N -172 for -600, which gave its web 1.077 where
// the blocks of N held give 1.274). Before, the blocks stood on the
// line model's strips (overlapping where plates meet, without fillets):
// the angles, tees and half sections were 2 to 5 % off, a tee's stem in
// tension past it by up to 17 %; a web under M_z besides lost compressed
// width (HE 900 B: class 2 at 0.882 where N and M_y give 1.018); and the
// blocks had one strength (the welded I 1200 took its web's alpha from the
// flanges' 430: 0.321, class 2, for 0.333 and class 3 with its own 460).
TEST_F(PlasticAlpha, ClassTwoLimitsTakeAlphaFromThePlasticDistributionOfTheWholeLoad) {
    // a catalogue profile with its grade's strength for its thickest plate,
    // as the program takes it
    auto heavy = [](const char* name) {
        Stahlprofil p = Catalogue(name, 2);
        Check_Material_Params(&p.material, Get_Profile_Max_Dimension(&p), nullptr, 0, nullptr);
        return p;
    };
    struct Case {
        const char* what;
        Stahlprofil p;
        double f_y, f_y_thick;  // up to 40 mm, beyond
        double N, M_y, M_z;
    } const cases[] = {
        {"L 150x100x10 S460, M_z", Catalogue("L150X100X10", 7), 460, 430, 0, 0, -16.95},
        {"L 200x100x10 S355, M_z", Catalogue("L200X100X10", 2), 355, 335, 0, 0, 14.37},
        {"L 80x6 S355, N and M_y", Catalogue("L80X6", 2), 355, 335, -19.8, -3.5, 0},
        {"L 100x10, M_y and M_z", Catalogue("L100X10"), 235, 215, 0, 4, -2},
        {"L 120x80x8 S460, M_y and M_z", Catalogue("L120X80X8", 7), 460, 430, 0, 1.439, 6.229},
        {"L 120x80x8 S460, tension, M_y and M_z", Catalogue("L120X80X8", 7), 460, 430, 71.3, 8.816, -2.533},
        {"HE 900 B S275, N, M_y and M_z", Catalogue("HE900B", 1), 275, 255, -2898.3, 1568.36, 59.77},
        {"HE 1000 AA S355, N, M_y and M_z", Catalogue("HE1000AA", 2), 355, 335, -1253.4, -2082.4, 94.6},
        {"HE 300 B S355, tension and M_y", Catalogue("HE300B", 2), 355, 335, 3175.8, 178.7, 0},
        // flanges over 40 mm, the web within: the outline's bands at their
        // plates' strengths
        {"HD 400x400x463 S355, N, M_y and M_z", heavy("HD400X400X463"), 355, 335, -8000, 1800, 300},
        {"W 310x310x342 S355, tension and M_y", heavy("W310X310X342"), 355, 335, 7000, -700, 0},
        {"welded I 500x200x6/16, N, M_y and M_z", Welded(PROFILTYP_I, 500, 6, 200, 16, 0), 235, 215, -100, 200, 10},
        {"welded I 800x8, 300x25 over 200x15, N, M_y and M_z", Welded(PROFILTYP_I, 800, 8, 300, 25, 0, 200, 15), 235,
         215, -600, 600, 90},
        {"welded I 502x300x45x6 S355, tension, M_y and M_z", Welded(PROFILTYP_I, 502, 6, 300, 45, 2), 355, 335, 49,
         -1291, -203},
        {"welded I 1200x400x60x12 S460, tension and M_y", Welded(PROFILTYP_I, 1200, 12, 400, 60, 7), 460, 430,
         1992.7, -12208, 0},
        {"U 300, N and M_y", Catalogue("U300"), 235, 215, -300, 60, 0},
        {"U 300, M_y and M_z", Catalogue("U300"), 235, 215, 0, 60, -12},
        {"U 100, tension, M_y and M_z", Catalogue("U100"), 235, 215, 190.35, -2.515, -0.255},
        {"1/2 IPE 300, N and M_y", Catalogue("1/2IPE300"), 235, 215, -100, 15, 0},
        {"1/2 IPE 300, M_y and M_z", Catalogue("1/2IPE300"), 235, 215, 0, 12, 4},
        {"1/2 IPE 600, tension and M_y", Catalogue("1/2IPE600"), 235, 215, 1099.8, -20.377, 0},
        {"1/2 IPE 400, N and M_y", Catalogue("1/2IPE400"), 235, 215, -595.44, 6.615, 0},
        {"1/2 I 300 S355, N and M_z", Catalogue("1/2I300", 2), 355, 335, -363.3, 0, 20.30},
        {"welded T 100x160x6x10 S355, M_y and M_z", Welded(PROFILTYP_T, 100, 6, 160, 10, 2), 355, 335, 0, -2.7725,
         -18.1596},
        {"welded T 200x200x10x15, M_y and M_z", Welded(PROFILTYP_T, 200, 10, 200, 15, 0), 235, 215, 0, -6.37, 25.33},
        {"MSH 200x100x5.6, N, M_y and M_z", Catalogue("MSH200X100X5.6"), 235, 215, -300, 40, 5},
        {"welded Z 300x80, N, M_y and M_z", Welded(PROFILTYP_Z, 300, 4, 80, 8, 0), 235, 215, -40, 20, 3},
        // the web or stem mostly in tension: alpha well below one half
        {"welded I 800x8, 300x25 over 200x15, M_y", Welded(PROFILTYP_I, 800, 8, 300, 25, 0, 200, 15), 235, 215, 0,
         1000, 0},
        {"welded I 700x6/200x16, tension and M_y", Welded(PROFILTYP_I, 700, 6, 200, 16, 0), 235, 215, 400, 520, 0},
        {"1/2 IPE 600, tension and M_z", Catalogue("1/2IPE600"), 235, 215, 733.2, 0, 19.9},
        // tension with M_z: the web or stem classed in the forces' direction
        {"IPE 600 S355, tension, M_y and M_z", Catalogue("IPE600", 2), 355, 335, 553.8, 980.65, 32.79},
        {"HE 900 B S275, tension, M_y and M_z", Catalogue("HE900B", 1), 275, 255, 1021.1, 2717.6, 87.0},
        {"1/2 IPE 600, tension, M_y and M_z", Catalogue("1/2IPE600"), 235, 215, 36.66, 33.96, -28.95},
        {"welded I 1200x400x60x12 S460, tension, M_y and M_z", Welded(PROFILTYP_I, 1200, 12, 400, 60, 7), 460, 430,
         3145.6, -8492.8, -499.4},
        {"welded I 800x8, 300x25 over 200x15, tension, M_y and M_z", Welded(PROFILTYP_I, 800, 8, 300, 25, 0, 200, 15),
         235, 215, 150, 300, -90},
        {"welded T 400x150x8x12 S355, tension, M_y and M_z", Welded(PROFILTYP_T, 400, 8, 150, 12, 2), 355, 335, 174.1,
         22.44, -12.84},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        double o[8];
        const std::string text = Plastic_Road(c.p, c.N, c.M_y, c.M_z, o);
        double U = -1;
        ASSERT_EQ(Calc_XS_Ct_Check(&c.p, 1.0, 1, 0, 0, 1, c.N, c.M_y, c.M_z, 0, 0, 0, 0, 0, &U, nullptr, 0), 0);
        // the section of the model that stands: each part with the strength
        // of its own thickness
        auto f_y_of = [&](int i) { return 10 * Get_Section_Part_Thickness(i) > 40 ? c.f_y_thick : c.f_y; };
        const double f_y = Get_Profile_Max_Dimension(&c.p) > 40 ? c.f_y_thick : c.f_y;
        ASSERT_EQ(c.p.material.f_y, f_y);
        double share[PROFIL_DWQB_LINES];
        for (int i = 0; i < Get_Section_Part_Count(); i++) share[i] = f_y_of(i) / f_y;
        Catalogue_Outline outline{};
        const bool rolled = Profile_Rolled_Outline(&c.p, &outline) != 0;
        Scale_Outline(&outline, 0.1);
        const Plastic_Ring* rings = nullptr;
        const int n = Model_Plastic_Rings(share, PROFIL_DWQB_LINES, rolled ? &outline : nullptr, &rings);
        ASSERT_GT(n, 0);
        // That section is the profile's: area and second moments about the
        // model's centroid and axes as the model (the catalogue's values),
        // its extents the model's faces.
        double A = 0, J[3] = {0, 0, 0}, lo[2] = {HUGE_VAL, HUGE_VAL}, hi[2] = {-HUGE_VAL, -HUGE_VAL};
        for (int k = 0; k < n; k++)
            for (int i = 0; i < rings[k].n; i++) {
                const Outline_Point &p = rings[k].points[i], &q = rings[k].points[(i + 1) % rings[k].n];
                const double a = (p.y * q.z - q.y * p.z) / 2;
                A += a, J[0] += a * (p.y * p.y + p.y * q.y + q.y * q.y) / 6;
                J[1] += a * (p.z * p.z + p.z * q.z + q.z * q.z) / 6;
                J[2] += a * (p.y * q.z + 2 * p.y * p.z + 2 * q.y * q.z + q.y * p.z) / 12;
                lo[0] = std::min(lo[0], p.y), hi[0] = std::max(hi[0], p.y);
                lo[1] = std::min(lo[1], p.z), hi[1] = std::max(hi[1], p.z);
            }
        const double* qw = DWQB_Querschnittswerte;
        EXPECT_NEAR(A, qw[DWQB_QW_A], 0.015 * qw[DWQB_QW_A]);
        const double I = qw[DWQB_QW_IY] + qw[DWQB_QW_IZ];
        EXPECT_NEAR(J[0], qw[DWQB_QW_IZ], 0.02 * I);
        EXPECT_NEAR(J[1], qw[DWQB_QW_IY], 0.02 * I);
        EXPECT_NEAR(J[2], qw[DWQB_QW_IYZ], 0.02 * I);
        double m_lo[2] = {HUGE_VAL, HUGE_VAL}, m_hi[2] = {-HUGE_VAL, -HUGE_VAL};
        for (int i = 0; i < Get_Section_Point_Count(); i++) {
            double y, z;
            Get_Section_Point_Stress(i, &y, &z, nullptr, nullptr, nullptr);
            m_lo[0] = std::min(m_lo[0], y), m_hi[0] = std::max(m_hi[0], y);
            m_lo[1] = std::min(m_lo[1], z), m_hi[1] = std::max(m_hi[1], z);
        }
        // (the model's sloped flanges reach 2 mm beyond the outline's faces)
        for (int k = 0; k < 2; k++) {
            EXPECT_NEAR(lo[k], m_lo[k], 0.3);
            EXPECT_NEAR(hi[k], m_hi[k], 0.3);
        }
        double whole[4], without_M_z[4];
        Engine_Limit_Plane(rings, n, f_y, c.N, c.M_y, c.M_z, whole);
        Engine_Limit_Plane(rings, n, f_y, c.N, c.M_y, 0, without_M_z);
        // a part on the z axis (the model's y and z are principal here)
        auto plane_of = [&](int i) -> const double* {
            double y[2], z[2];
            Get_Section_Part_Ends(i, y, z);
            const bool on_z = std::fabs(qw[DWQB_QW_IYZ]) < 1e-9 * I && std::fabs(y[0]) < 1e-6 && std::fabs(y[1]) < 1e-6;
            return on_z && c.M_z != 0 ? without_M_z : whole;
        };
        double expected = Class_2_From_Planes(plane_of, f_y_of);
        expected = std::max(expected, Class_2_From_Planes([&](int) { return whole; }, f_y_of));
        EXPECT_GT(expected, 0.05);
        // (the road prints three decimals)
        EXPECT_NEAR(Plastic_Road_Class_2(text, o[2]), expected, 0.002 * expected + 5e-4) << text;
        EXPECT_NEAR(U, expected, 0.002 * expected);
    }
    // The HD 400 x 400 x 463's outline in its bands (h 435, b 412, t_w 35.8,
    // t_f 57.4, r 15): the flanges, 2 b t_f = 472.98 cm2, at their own 335,
    // the web between them with its four fillets, (h - 2 t_f) t_w + 4 r^2
    // (1 - pi/4) = 116.56 cm2, at its 355.
    const Stahlprofil hd = heavy("HD400X400X463");
    double U = 0;
    ASSERT_EQ(Calc_XS_Ct_Check(&hd, 1.0, 1, 0, 0, 1, -8000, 1800, 300, 0, 0, 0, 0, 0, &U, nullptr, 0), 0);
    double share[PROFIL_DWQB_LINES];
    for (int i = 0; i < Get_Section_Part_Count(); i++) share[i] = 10 * Get_Section_Part_Thickness(i) > 40 ? 1 : 355.0 / 335;
    Catalogue_Outline outline{};
    ASSERT_EQ(Profile_Rolled_Outline(&hd, &outline), 1);
    Scale_Outline(&outline, 0.1);
    const Plastic_Ring* rings = nullptr;
    const int n = Model_Plastic_Rings(share, PROFIL_DWQB_LINES, &outline, &rings);
    double flanges = 0, web = 0;
    for (int k = 0; k < n; k++) {
        double a = 0;
        for (int i = 0; i < rings[k].n; i++) {
            const Outline_Point &p = rings[k].points[i], &q = rings[k].points[(i + 1) % rings[k].n];
            a += (p.y * q.z - q.y * p.z) / 2;
        }
        (rings[k].share == 1 ? flanges : web) += a;
    }
    EXPECT_NEAR(flanges, 2 * 41.2 * 5.74, 0.001 * flanges);
    EXPECT_NEAR(web, (43.5 - 2 * 5.74) * 3.58 + 4 * 1.5 * 1.5 * (1 - M_PI / 4), 0.001 * web);
}

// The worked angles by hand: the outline with its root fillet r and toe
// radius r/2 (on the legs' inner edges), turned as the check has it (the
// catalogue's drawing by a half turn: M_y and M_z of the check are the
// blocks' integrals of -sigma z and sigma y there), the axis where blocks of
// equal area have the forces' direction, integrated column by column across
// the legs (exact along each 0.002 mm column); c of a leg from its tip to
// the other leg's face less r. On the legs as rectangles alone the alphas
// were 0.979, 0.649 and 0.955.
//  - L 150 x 100 x 10 S460 (eps 0.71476, r 12), M_z = -16.95 kNm: the 100 mm
//    leg's c = 78 is compressed over 0.9979 from its tip: class 2 limit 10
//    eps/0.9979 = 7.163 < 7.8, U = 1.089, class 3 (it once passed as class 2
//    at 0.896, plastically 0.873 ok).
//  - L 200 x 100 x 10 S355 (eps 0.81362, r 15), M_z = 14.37 kNm: the long
//    leg's c = 175 is compressed over 0.6405 from its root, the tip in
//    tension: 10 eps/0.6405^1.5 = 15.87 < 17.5, U = 1.103, class 3.
//  - L 120 x 80 x 8 S460 (r 11), M_y = 1.439, M_z = 6.229 kNm: the long
//    leg's c = 101 is compressed over 0.6760 from its root, the tip in
//    tension: 10 eps/0.6760^1.5 = 12.86 > 12.625, U = 0.982, class 2 (9 eps/
//    0.6760^1.5 = 11.57 misses class 1), checked plastically at 0.606 as an
//    exact integration of the outline has it; on the rectangles it was
//    class 3 and refused at 1.221.
// The first two are then checked as the elastic road checks them, not ok.
// The same 150 x 100 x 10 typed in as rolled with r = 10 (no toes: c = 80)
// is classed by its outline alike: 0.9659 from the tip, U = 8.0/(10
// eps/0.9659) = 1.081.
TEST_F(PlasticAlpha, AnglesInBendingAboutTheirLegsAreClassedOnTheirOutline) {
    const struct Case {
        Stahlprofil p;
        double M_y, M_z, U2;
        bool class_3;
    } cases[] = {
        {Catalogue("L150X100X10", 7), 0, -16.95, 7.8 / (10 * 0.71476 / 0.9979), true},
        {Catalogue("L200X100X10", 2), 0, 14.37, 17.5 / (10 * 0.81362 / std::pow(0.6405, 1.5)), true},
        {Catalogue("L120X80X8", 7), 1.439, 6.229, 12.625 / (10 * 0.71476 / std::pow(0.6760, 1.5)), false},
    };
    static const int opts[2] = {0, 0};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.M_z);
        double o[8], e[8];
        unsigned bits = 0;
        const std::string text = Plastic_Road(c.p, 0, c.M_y, c.M_z, o, &bits);
        EXPECT_EQ(bits & 0x8100u, 0x100u) << std::hex << bits;
        EXPECT_NEAR(Plastic_Road_Class_2(text, o[2]), c.U2, 2e-3) << text;
        EXPECT_EQ(text.find("elastischer Nachweis") != std::string::npos, c.class_3) << text;
        if (!c.class_3) {
            EXPECT_NEAR(o[1], 0.606, 0.003) << text;
            continue;
        }
        Calc_XS_Resistance_Check(&c.p, 1.0, opts, 1, 0, 0, c.M_y, c.M_z, 0, 0, 0, 0, 0, &e[0], &e[1], &e[2], &e[3],
                                 &e[4], &e[5], &e[6], &e[7], nullptr, 0);
        EXPECT_GT(o[1], 1.0);
        EXPECT_NEAR(e[1], o[1], 1e-9);
    }
    Stahlprofil typed = testutil::Typed_Profile(PROFILTYP_L, 150, 10, 100, 10);
    typed.rolled = 1;
    typed.r_1 = 10;
    Default_Material_Params(&typed.material);
    typed.material.grade = 7;
    ASSERT_EQ(Calc_Profile_Cross_Section(&typed, nullptr, 0, nullptr), 0);
    double U = -1;
    EXPECT_EQ(Classify_Section(&typed, 0, 0, 16.95e6, 1.0, 1, 0, nullptr, nullptr, nullptr, 2, &U, nullptr, 0, nullptr),
              3);
    EXPECT_NEAR(U, 8.0 / (10 * 0.71476 / 0.9659), 2e-3);
}

// A tee's stem lies on the z axis: M_z does not stress it, so it is classed
// by N and M_y alone where what M_z takes of the flange relieves it (here N
// alone, or the flange in tension; a class is never better with more M_z),
// by hand:
//  - 1/2 I 300 S355 (eps 0.81362), N = -363.3 kN, M_z = 20.30 kNm: N alone
//    compresses the stem over its whole c = 150 - 16.2 - 10.8 = 123 mm,
//    c/t = 11.389 > 10 eps = 8.136: U = 1.400, class 3 (the blocks of N and
//    M_z together left it class 2 at 0.979, plastically 0.994 ok).
//  - welded T 200 x 200 x 10 / 15 S235, M_y = -6.37, M_z = 25.33 kNm: under
//    M_y alone the blocks of equal area part in the flange, (3000 +
//    1850)/2/200 = 12.1 mm below its top, and the stem, c/t = 185/10 = 18.5,
//    lies wholly in the compression block: 18.5/10 = 1.850 (0.952 and 0.719
//    ok before).
//  - welded T 100 x 160 x 6 x 10 S355, M_y = -2.7725, M_z = -18.1596 kNm:
//    likewise (1600 + 540)/2/160 = 6.7 mm, the stem c/t = 90/6 = 15.00:
//    15/8.136 = 1.844, beyond 14 eps too (0.979 and 0.799 ok before).
// Each is checked elastically, not ok.
TEST_F(PlasticAlpha, TeeStemsAreClassedByNAndMyAlone) {
    const double eps_355 = std::sqrt(235 / 355.0);
    const struct Case {
        Stahlprofil p;
        double N, M_y, M_z, U2;
    } cases[] = {
        {Catalogue("1/2I300", 2), -363.3, 0, 20.30, 123 / 10.8 / (10 * eps_355)},
        {Welded(PROFILTYP_T, 200, 10, 200, 15, 0), 0, -6.37, 25.33, 18.5 / 10},
        {Welded(PROFILTYP_T, 100, 6, 160, 10, 2), 0, -2.7725, -18.1596, 15 / (10 * eps_355)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.U2);
        double o[8];
        const std::string text = Plastic_Road(c.p, c.N, c.M_y, c.M_z, o);
        EXPECT_NEAR(Plastic_Road_Class_2(text, o[2]), c.U2, 1e-3) << text;
        EXPECT_NE(text.find("elastischer Nachweis"), std::string::npos) << text;
        EXPECT_GT(o[1], 1.0) << text;
    }
}

// A web the plastic blocks leave mostly in tension, by hand: welded I 700 x 6
// with flanges 200 x 16 (no weld throats: c = 668, c/t = 111.33), S235,
// gamma_M0 1.0, N = +400 kN (tension), M_y = 520 kNm. With N held the axis
// leaves the web's middle by N/(2 t_w f_y) = 400e3/(2 6 235) = 141.8 mm, so
// 334 - 141.8 = 192.2 of c are compressed: alpha = 0.2877, class 1 limit
// 36/0.2877 = 125.1 >= 111.33, class 2 utilisation 111.33/(41.5/0.2877) =
// 0.772; the flanges' outstands (200 - 6)/2/16 = 6.06 < 9. With one half in
// place of 0.2877 it was class 3 (111.33/83 = 1.341) and the elastic check
// N/A + M/W_el = 400e3/10408 + 520e6/2.5646e6 = 241.2 N/mm2 failed it at
// 1.026. Plastically all forces raised by lambda: the web takes
// lambda N, M_pl = f_y (3200 684 + 6 334^2) = 671.66 kNm less (lambda
// 400e3)^2/(4 6 235) Nmm = 28.37 lambda^2 kNm: 520 lambda + 28.37 lambda^2 =
// 671.66, lambda = 1.2117, U = 0.825.
TEST_F(PlasticAlpha, AWebMostlyInTensionKeepsItsPlasticResistance) {
    Stahlprofil p = testutil::Typed_Profile(PROFILTYP_I, 700, 6, 200, 16);
    Default_Material_Params(&p.material);
    ASSERT_EQ(Calc_Profile_Cross_Section(&p, nullptr, 0, nullptr), 0);
    double o[8];
    const std::string text = Plastic_Road(p, 400, 520, 0, o);
    EXPECT_EQ(text.find("Querschnitt in Klasse 3"), std::string::npos) << text;
    EXPECT_NE(text.find("c/t-Verhältnis bzgl. Q-Klasse 2:"_cp), std::string::npos) << text;
    const double alpha = (334 - 400e3 / (2 * 6 * 235.0)) / 668;
    EXPECT_NEAR(o[2], 111.33 / (41.5 / alpha), 0.01) << text;
    const double q = 400e3 * 400e3 / (4 * 6 * 235.0) / 1e6, M_pl = 235 * (3200 * 684 + 6 * 334.0 * 334) / 1e6;
    const double lambda = (-520 + std::sqrt(520.0 * 520 + 4 * q * M_pl)) / (2 * q);
    EXPECT_NEAR(o[1], 1 / lambda, 0.005) << text;
}

// A part on the z axis under M_z, on the rectangles of welded sections (no
// weld throats, gamma_M0 1.0): the class 2 utilisation of its web or stem
// is the larger of that of the blocks of N and M_y alone (by hand:
// Hand_Axis, Hand_Class_2; M_z does not stress the part and never makes its
// class better) and that of the rigid-plastic blocks of all three forces, N
// held (Fibre_Class_2), under a tension as under a compression - on the
// model's c/t check and on the record's classification. The
// blocks that carried M_z with the flanges' outer parts and N and M_y with
// the rest classed these parts far from the forces' direction: 1.595, 1.310
// and 1.362 for the first, third and fifth case. Hand values:
//  - welded T 300 x 200 x 10 / 20 S355 (eps 0.81362), N = -471.4 kN, M_y =
//    45.54 kNm (the flange compressed), M_z = 68.34 kNm: N and M_y alone,
//    (4000 + 2800 + 1328)/2 leaves 6.4 mm of the stem compressed, class 1;
//    the forces' direction compresses more of it;
//  - the same T, N = +300 (tension), M_y = -20 (the tip compressed): N and M_y
//    alone compress the stem wholly, (6800 - 845)/2 = 2977 > 2800 mm2: 28 /
//    (10 eps) = 3.441;
//  - welded I 800 x 8, flanges 300 x 25 over 200 x 15, S235, N = -600, M_y =
//    600, M_z = 90 kNm: N and M_y alone, 258.3 mm of the web's 760 from the
//    top, alpha 0.340, 95 / (41.5 / 0.340) = 0.778;
//  - the same, N = 0, M_y = -600 (the narrow flange compressed), M_z = 150:
//    N and M_y alone compress the web over 661.3 mm from the bottom, alpha
//    0.870, 2.148;
//  - welded I 500 x 200 x 6 / 16 S235, N = -250, M_y = 30, M_z = 70 kNm: N
//    and M_y alone 0.5 + 250e3 / (2 235 6 468) = 0.689: 78 / (456 / (13
//    0.689 - 1)) = 1.362.
// Under a tension N and M_y alone had classed them, though the turn of the
// axis that M_z brings compresses more of them (the forces' direction,
// Fibre_Class_2, 1.012, 0.875 and 0.804 below):
//  - welded T 400 x 150 x 8 / 12 S355, N = +174.1, M_y = 22.44 (the flange
//    compressed), M_z = -12.84: N and M_y alone compress (4904 - 490.4)/2 =
//    2206.8 mm2 from the top, 406.8/8 = 50.85 mm of the stem's c = 388 from
//    its root: alpha 0.1311, 48.5 / (10 eps / 0.1311^1.5) = 0.283;
//  - the I 800 x 8, N = +300, M_y = 600, M_z = 90: N and M_y alone (16580 -
//    1276.6)/2 = 7651.7 mm2 from the top, 151.7/8 = 19.0 mm of the web:
//    alpha 0.025, 95 / (41.5 / 0.025) = 0.057;
//  - the I 500, N = +250, M_y = 150, M_z = 15: N and M_y alone 0.5 - 250e3 /
//    (2 235 6 468) = 0.311: 78 / (41.5 / 0.311) = 0.584.
// The T's stem is an outstand with its tip at the free end on the record's
// classification too.
TEST_F(PlasticAlpha, APartOnTheZAxisTakesTheWorseOfItsOwnForcesAndTheForcesDirection) {
    const std::vector<Rect> tee = {{100, 0, 20}, {5, 20, 300}};
    const std::vector<Rect> long_tee = {{75, 0, 12}, {4, 12, 400}};
    const std::vector<Rect> unequal = {{150, 0, 25}, {4, 25, 785}, {100, 785, 800}};
    const std::vector<Rect> equal = {{100, 0, 16}, {3, 16, 484}, {100, 484, 500}};
    const struct Case {
        const char* what;
        Stahlprofil p;
        const std::vector<Rect>& plates;
        double f_y, c_t, z_1, z_2;
        bool outstand;
        double N, M_y, M_z;
        double own;  // N and M_y alone, by hand
    } cases[] = {
        {"T, flange compressed", Welded(PROFILTYP_T, 300, 10, 200, 20, 2), tee, 355, 28, 20, 300, true, -471.4, 45.54,
         68.34, 28 / (10 * 0.81362 / std::pow(6.4 / 280, 1.5))},
        {"T, tip compressed", Welded(PROFILTYP_T, 300, 10, 200, 20, 2), tee, 355, 28, 20, 300, true, 300, -20, 68.34,
         3.441},
        {"unequal I, wide flange compressed", Welded(PROFILTYP_I, 800, 8, 300, 25, 0, 200, 15), unequal, 235, 95, 25,
         785, false, -600, 600, 90, 0.778},
        {"unequal I, wide flange in tension", Welded(PROFILTYP_I, 800, 8, 300, 25, 0, 200, 15), unequal, 235, 95, 25,
         785, false, 0, -600, 150, 2.148},
        {"I, flanges keep N", Welded(PROFILTYP_I, 500, 6, 200, 16, 0), equal, 235, 78, 16, 484, false, -250, 30, 70,
         1.362},
        {"T 400, tension, flange compressed", Welded(PROFILTYP_T, 400, 8, 150, 12, 2), long_tee, 355, 48.5, 12, 400,
         true, 174.1, 22.44, -12.84, 48.5 / (10 * 0.81362 / std::pow(50.85 / 388, 1.5))},
        {"unequal I, tension", Welded(PROFILTYP_I, 800, 8, 300, 25, 0, 200, 15), unequal, 235, 95, 25, 785, false, 300,
         600, 90, 95 / (41.5 / (19.0 / 760))},
        {"I, tension", Welded(PROFILTYP_I, 500, 6, 200, 16, 0), equal, 235, 78, 16, 484, false, 250, 150, 15,
         78 / (41.5 / (0.5 - 250e3 / (2 * 235 * 6 * 468.0)))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const double eps = std::sqrt(235 / c.f_y);
        const bool top = c.M_y > 0;
        const double own = Hand_Class_2(c.c_t, eps, c.z_1, c.z_2, Hand_Axis(c.plates, c.f_y, 1e3 * c.N, c.M_y, top),
                                        top, c.outstand, c.N);
        EXPECT_NEAR(own, c.own, 2e-3 * c.own);
        const double forces = Fibre_Class_2(c.plates, c.f_y, 1e3 * c.N, 1e6 * c.M_y, 1e6 * c.M_z, c.c_t, eps, c.z_1,
                                            c.z_2, c.outstand);
        const double expected = std::max(own, forces);
        if (c.N > 0 && c.M_y > 0) {
            EXPECT_GT(forces, own + 0.1);
        }
        double U = -1, U_record = -1;
        ASSERT_EQ(Calc_XS_Ct_Check(&c.p, 1.0, 1, 0, 0, 1, c.N, c.M_y, c.M_z, 0, 0, 0, 0, 0, &U, nullptr, 0), 0);
        // (the model lays an unequal I's web c midway between the flanges'
        // mid-planes, here 2.5 mm off the faces)
        const bool unequal = c.plates.size() == 3 && c.plates[0].w != c.plates[2].w;
        EXPECT_NEAR(U, expected, (unequal ? 1e-2 : 2e-3) * expected);
        Classify_Section(&c.p, -1e3 * c.N, -1e6 * c.M_y, -1e6 * c.M_z, 1.0, 1, 0, nullptr, nullptr, nullptr, 2,
                         &U_record, nullptr, 0, nullptr);
        EXPECT_NEAR(U_record, expected, 2e-3 * expected);
    }
    // The blocks with M_z carried by the flange's outer parts (u0 = 19.36
    // mm, 1677 mm2 of the stem compressed: 167.7 of c = 280 mm) classed the
    // first T 1.595; the forces' direction never classes it better.
    const double eps = std::sqrt(235 / 355.0);
    const double z_a = Hand_Axis(tee, 355, -471.4e3, 45.54, 68.34e6, 5, true);
    EXPECT_NEAR(z_a - 20, 167.7, 0.1);
    EXPECT_NEAR(Hand_Class_2(28, eps, 20, 300, z_a, true, true, -471.4), 28 / (10 * eps / std::pow(167.7 / 280, 1.5)),
                2e-3);
    double U_record = -1;
    Classify_Section(&cases[0].p, 471.4e3, -45.54e6, -68.34e6, 1.0, 1, 0, nullptr, nullptr, nullptr, 2, &U_record,
                     nullptr, 0, nullptr);
    EXPECT_GE(U_record, Hand_Class_2(28, eps, 20, 300, z_a, true, true, -471.4));
}

// The plastic road on the three load cases of a stem that M_z does not
// stress, by hand:
//  - welded T 300 x 200 x 10 / 20 S355, N = -471.4, M_y = 45.54, M_z = 68.34:
//    class 3 by the blocks in the forces' direction (Fibre_Class_2), checked
//    elastically at the flange's tip: A = 6800 mm2,
//    z_s = 71.765 mm, I_y = 200 20^3/12 + 4000 61.765^2 + 10 280^3/12 + 2800
//    88.235^2 = 55.485e6 mm4, I_z = 20 200^3/12 + 280 10^3/12 = 13.357e6 mm4:
//    471.4e3/6800 + 45.54e6 71.765/I_y + 68.34e6 100/I_z = 639.9 N/mm2, U =
//    1.802 (it passed plastically at 0.977).
//  - 1/2 IPE 300 S460 (eps 0.71476), N = -854.0, M_y = 11.09, M_z = 9.61:
//    the stem's c = 150 - 10.7 - 15 = 124.3 mm, c/t = 17.51. Even with M_z's
//    share of the flange at its acting value (the resistance lies beyond it)
//    the flange's tips a (150 - a) 10.7 460 = 9.61e6 Nmm, a = 14.4 mm, leave
//    (2691 - 308 + 854e3/460)/2 - (1605 - 308) = 823 mm2 of compression to
//    the stem, 203 of them within the fillets' 15 mm: 87 mm of c, alpha >=
//    0.70 from the root: 17.51 > 7.148/0.70^1.5, U_c/t >= 1.43, class 3; by
//    the catalogue's A = 26.91 cm2, e_z = 33.22 mm, I_y = 508.7, I_z = 301.9
//    cm4 the flange's tip has 854e3/2691 + 11.09e6 33.22/508.7e4 + 9.61e6
//    75/301.9e4 = 628.5 N/mm2, U = 1.366 (it passed plastically at 0.957).
//  - 1/2 IPB 300 S355, N = +523.1, M_y = -10.90 (the stem's tip compressed),
//    M_z = 46.46: N and M_y alone compress the stem wholly, (7455 - 523.1e3/
//    355)/2 = 2991 mm2 from the tip against its 1441 + 313 of the fillets:
//    c/t = (150 - 19 - 27)/11 = 9.455 against 10 eps = 8.136, U_c/t = 1.162,
//    class 3 as without M_z (M_z taking the flange in tension relieves the
//    stem, but a class is never better with more M_z).
TEST_F(PlasticAlpha, StemsThatMzLeavesTheNOfTheFlangeAreCheckedElastically) {
    const double eps_355 = std::sqrt(235 / 355.0);
    const double I_y =
        200 * 8000 / 12.0 + 4000 * 61.765 * 61.765 + 10 * 280.0 * 280 * 280 / 12 + 2800 * 88.235 * 88.235;
    const double I_z = 20 * 200.0 * 200 * 200 / 12 + 280 * 1000 / 12.0;
    const double tee = (471.4e3 / 6800 + 45.54e6 * 71.765 / I_y + 68.34e6 * 100 / I_z) / 355;
    const double half_ipe = (854e3 / 2691 + 11.09e6 * 33.22 / 508.7e4 + 9.61e6 * 75 / 301.9e4) / 460;
    const double tee_blocks = Fibre_Class_2({{100, 0, 20}, {5, 20, 300}}, 355, -471.4e3, 45.54e6, 68.34e6, 28,
                                            eps_355, 20, 300, true);
    const struct Case {
        Stahlprofil p;
        double N, M_y, M_z;
        double U_ct_lo, U_ct_hi, U_elastic;  // U_elastic 0: not asked
    } cases[] = {
        {Welded(PROFILTYP_T, 300, 10, 200, 20, 2), -471.4, 45.54, 68.34, 0.998 * tee_blocks, 1.002 * tee_blocks, tee},
        {Catalogue("1/2IPE300", 7), -854.0, 11.09, 9.61, 17.51 / (7.1476 / std::pow(0.70, 1.5)), 2.5, half_ipe},
        {Catalogue("1/2IPB300", 2), 523.1, -10.90, 46.46, 9.455 / (10 * eps_355) - 1e-3,
         9.455 / (10 * eps_355) + 1e-3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.N);
        double o[8], without[8];
        const std::string text = Plastic_Road(c.p, c.N, c.M_y, c.M_z, o);
        EXPECT_NE(text.find("Querschnitt in Klasse 3"), std::string::npos) << text;
        const double U_ct = Plastic_Road_Class_2(text, o[2]);
        EXPECT_GE(U_ct, c.U_ct_lo) << text;
        EXPECT_LE(U_ct, c.U_ct_hi) << text;
        if (c.U_elastic > 0) {
            EXPECT_NEAR(o[1], c.U_elastic, 1e-3) << text;
        }
        EXPECT_GE(U_ct, Plastic_Road_Class_2(Plastic_Road(c.p, c.N, c.M_y, 0, without), without[2]) - 1e-9);
    }
}

// Properties over the families and both signs of every force (gamma_M0
// 1.0), on the model's c/t check and on the record's classification: the
// class 2 utilisation never falls as N grows in compression, for every
// family; and where a part lies on the z axis (double-T, unequal I, tee,
// half I, flat bar), where M_z does not stress it, never as M_z grows
// either, the class with it, where N is no tension. Under a tension such a
// part takes the worse of N and M_y alone and the forces' direction, whose
// axis M_z turns across it and, as M_z grows further, back towards the
// flanges (the web of the welded I 1200 x 400 x 60 x 12 below: alpha 0.236
// without M_z, 0.428 at M_z = 500 kNm, 0.385 at 2400): there the classes
// are never better than without M_z, and on the welded sections the class
// 2 utilisations never below that of the web or stem that the blocks by
// hand give (Fibre_Class_2, the worse of the two; the section's is the
// largest of its parts', and M_z can relieve a flange). (A channel's, an
// angle's or a zed's parts are all stressed by M_z, which can relieve
// them.)
TEST_F(PlasticAlpha, AClassIsNeverBetterWithMoreMzOrMoreCompression) {
    Stahlprofil rolled_tee = testutil::Typed_Profile(PROFILTYP_T, 100, 11, 100, 11);
    rolled_tee.rolled = 1, rolled_tee.r_1 = 11;
    Default_Material_Params(&rolled_tee.material);
    ASSERT_EQ(Calc_Profile_Cross_Section(&rolled_tee, nullptr, 0, nullptr), 0);
    // a welded section's web or stem by hand: its plates, f_y, c/t, ends
    // (an outstand's tip at z_2)
    struct Web {
        std::vector<Rect> plates;
        double f_y, c_t, z_1, z_2;
        bool outstand;
    };
    const Web tee{{{100, 0, 20}, {5, 20, 300}}, 355, 28, 20, 300, true};
    const Web equal{{{100, 0, 16}, {3, 16, 484}, {100, 484, 500}}, 235, 78, 16, 484, false};
    const Web wide_top{{{150, 0, 25}, {4, 25, 785}, {100, 785, 800}}, 235, 95, 25, 785, false};
    const Web wide_below{{{75, 0, 12}, {3, 12, 580}, {150, 580, 600}}, 355, 568 / 6.0, 12, 580, false};
    const Web deep{{{200, 0, 60}, {6, 60, 1140, 460}, {200, 1140, 1200}}, 430, 90, 60, 1140, false};
    const struct Family {
        const char* what;
        Stahlprofil p;
        bool on_axis;
        const Web* web;
    } families[] = {
        {"welded T", Welded(PROFILTYP_T, 300, 10, 200, 20, 2), true, &tee},
        {"typed rolled T", rolled_tee, true, nullptr},
        {"1/2 IPE 300", Catalogue("1/2IPE300", 7), true, nullptr},
        {"1/2 IPB 300", Catalogue("1/2IPB300", 2), true, nullptr},
        {"1/2 I 300", Catalogue("1/2I300", 2), true, nullptr},
        {"HE 300 B", Catalogue("HE300B", 2), true, nullptr},
        {"IPE 600", Catalogue("IPE600", 2), true, nullptr},
        {"welded I", Welded(PROFILTYP_I, 500, 6, 200, 16, 0), true, &equal},
        {"welded I 1200 S460", Welded(PROFILTYP_I, 1200, 12, 400, 60, 7), true, &deep},
        {"unequal I, wide on top", Welded(PROFILTYP_I, 800, 8, 300, 25, 0, 200, 15), true, &wide_top},
        {"unequal I, wide below", Welded(PROFILTYP_I, 600, 6, 150, 12, 2, 300, 20), true, &wide_below},
        {"flat bar", Welded(PROFILTYP_FLACH, 200, 12, 0, 0, 2), true, nullptr},
        {"U 300", Catalogue("U300"), false, nullptr},
        {"L 120 x 80 x 8", Catalogue("L120X80X8", 7), false, nullptr},
        {"welded Z", Welded(PROFILTYP_Z, 300, 4, 80, 8, 0), false, nullptr},
        {"MSH 200 x 100 x 5.6", Catalogue("MSH200X100X5.6"), false, nullptr},
    };
    // the two class 2 utilisations; the classes of the record's
    // classification (the section's, its web's) and of the model's check
    // (2 for class 1 or 2)
    auto classes = [](const Stahlprofil& p, double N, double M_y, double M_z, double U[2], int c[3]) {
        double U_3 = -1;
        U[0] = U[1] = -1;
        EXPECT_EQ(Calc_XS_Ct_Check(&p, 1.0, 1, 0, 0, 1, N, M_y, M_z, 0, 0, 0, 0, 0, &U[0], nullptr, 0), 0);
        EXPECT_EQ(Calc_XS_Ct_Check(&p, 1.0, 1, 0, 0, 0, N, M_y, M_z, 0, 0, 0, 0, 0, &U_3, nullptr, 0), 0);
        c[0] = Classify_Section(&p, -1e3 * N, -1e6 * M_y, -1e6 * M_z, 1.0, 1, 0, nullptr, nullptr, &c[1], 2, &U[1],
                                nullptr, 0, nullptr);
        c[2] = U[0] <= 1 ? 2 : U_3 <= 1 ? 3 : 4;
    };
    // a walk in steps along which the classes, and where asked the
    // utilisations, never fall; a step under a tension and M_z on a family
    // with a part on the z axis is held to the same N and M_y without M_z
    // (kept from the walk's last such step) and to the blocks by hand
    // instead (for M_z > 0: these sections are symmetric about the z axis),
    // and the walk goes on from there afresh; the steps of the model's class
    // counted
    int rises = 0, turned = 0;
    auto walk = [&](const Family& f, bool utilisations, const std::function<void(int, double[3])>& force) {
        double last_U[2] = {0, 0}, free_F[2] = {NAN, NAN}, free_U[2], own = 0;
        int last[3] = {0, 0, 0}, free_c[3];
        for (int k = 0; k < 10; k++) {
            double F[3], U[2];
            int c[3];
            force(k, F);
            classes(f.p, F[0], F[1], F[2], U, c);
            SCOPED_TRACE(testing::Message() << "N " << F[0] << " M_y " << F[1] << " M_z " << F[2]);
            const bool tension = f.on_axis && F[0] > 0;
            if (tension && (F[2] == 0 || free_F[0] != F[0] || free_F[1] != F[1])) {
                if (F[2] == 0) std::copy(c, c + 3, free_c);
                else classes(f.p, F[0], F[1], 0, free_U, free_c);
                free_F[0] = F[0], free_F[1] = F[1], own = -1;
            }
            if (tension && F[2] != 0) {
                for (int i = 0; i < 3; i++) EXPECT_GE(c[i], free_c[i]) << i;
                if (f.web && F[2] > 0) {
                    const Web& w = *f.web;
                    const double eps = std::sqrt(235 / (w.plates[1].f_y > 0 ? w.plates[1].f_y : w.f_y));
                    auto by_hand = [&](double M_z) {
                        return Fibre_Class_2(w.plates, w.f_y, 1e3 * F[0], 1e6 * F[1], 1e6 * M_z, w.c_t, eps, w.z_1,
                                             w.z_2, w.outstand);
                    };
                    if (own < 0) own = by_hand(0);
                    const double worse = std::max(own, by_hand(F[2]));
                    // (the model lays an unequal I's web c midway between
                    // the flanges' mid-planes)
                    const double tol = w.plates[0].w != w.plates.back().w ? 1e-2 : 2e-3;
                    for (int i = 0; i < 2; i++) EXPECT_GE(U[i], worse * (1 - tol)) << i;
                }
                turned++;
                std::fill(last, last + 3, 0), std::fill(last_U, last_U + 2, 0.0);
                continue;
            }
            for (int i = 0; i < 3; i++) EXPECT_GE(c[i], last[i]) << i;
            for (int i = 0; i < 2 && utilisations; i++) EXPECT_GE(U[i], last_U[i] - 1e-9) << i;
            rises += !utilisations && k > 0 && c[2] > last[2];
            std::copy(c, c + 3, last), std::copy(U, U + 2, last_U);
        }
    };
    for (const Family& f : families) {
        SCOPED_TRACE(f.what);
        const Stahlprofil& p = f.p;
        const double f_y = p.material.f_y, N_pl = 1e-3 * p.A * f_y;
        const double M_y = 1e-6 * f_y * p.I_y / std::max(p.z_s, p.h - p.z_s);
        const double M_z = 2e-6 * f_y * p.I_z / std::max({p.b_fo, p.b_fu, p.t_w});
        for (double n : {0.3, 0.0, -0.2, -0.5})
            for (double m_y : {-0.6, -0.2, 0.2, 0.6})
                for (double sign : {-1.0, 1.0})
                    if (f.on_axis)
                        walk(f, false, [&](int k, double F[3]) {
                            F[0] = n * N_pl, F[1] = m_y * M_y, F[2] = sign * 0.1 * k * M_z;
                        });
        for (double m_y : {-0.4, 0.0, 0.4})
            for (double m_z : {-0.4, 0.0, 0.3})
                walk(f, true, [&](int k, double F[3]) {
                    F[0] = (0.3 - 0.1 * k) * N_pl, F[1] = m_y * M_y, F[2] = m_z * M_z;
                });
    }
    EXPECT_GT(rises, 0);
    EXPECT_GT(turned, 0);
    // the deep web's turn: its own blocks by hand, without M_z, at 500 and
    // at 2400 kNm
    double alpha[3];
    for (int k = 0; k < 3; k++)
        alpha[k] = testutil::Fibre_Alpha(deep.plates, 430, 3145.6e3, -8492.8e6, -1e6 * std::array{0, 500, 2400}[k],
                                         60, 1140);
    EXPECT_NEAR(alpha[0], 0.236, 5e-4);
    EXPECT_NEAR(alpha[1], 0.428, 5e-4);
    EXPECT_NEAR(alpha[2], 0.385, 5e-4);
    const Stahlprofil& I = families[8].p;
    int web[3];
    for (int k = 0; k < 3; k++)
        Classify_Section(&I, -3145.6e3, 8492.8e6, 1e6 * std::array{0, 500, 2400}[k], 1.0, 1, 0, nullptr, nullptr,
                         &web[k], 2, nullptr, nullptr, 0, nullptr);
    EXPECT_EQ(web[0], 1);
    EXPECT_EQ(web[1], 3);
    EXPECT_EQ(web[2], 3);
}

// Properties over every family (gamma_M0 1.0), both signs and both
// directions, with N from tension to compression (a web or stem under a
// tension classed in the forces' direction too) and the other moment
// acting or not, on the record's classification part by part: a moment
// whose own stresses compress a part wholly (its elastic alpha alone at
// least 1) never makes that part's class better as it grows; and adding
// 0.001 kNm of either moment to forces with a moment never makes a part's
// class, nor the model's class (2 for 1 or 2, 3, 4), better. (Where no
// moment stresses a web or stem on the z axis, N alone compresses it
// uniformly and the least M_y gives the plastic blocks of Table 5.2: its
// own class may then improve, as far as the forces' direction lets it;
// the model's class not.)
// The blocks of M_z held and M_y raised had classed a stem 2 where it was
// 4 without M_y (1/2 IPE 300 S235, N -396.81, M_z 0.951: 4 at M_y 0, 2 at
// M_y 0.001) and better with more M_y compressing it.
TEST_F(PlasticAlpha, AClassIsNeverBetterWithMoreOfAMomentThatCompressesIt) {
    Stahlprofil rolled_tee = testutil::Typed_Profile(PROFILTYP_T, 140, 15, 140, 15);
    rolled_tee.rolled = 1, rolled_tee.r_1 = 15;
    Default_Material_Params(&rolled_tee.material);
    rolled_tee.material.grade = 2;
    ASSERT_EQ(Calc_Profile_Cross_Section(&rolled_tee, nullptr, 0, nullptr), 0);
    const struct {
        const char* what;
        Stahlprofil p;
        bool on_axis;  // its web or stem on the z axis
    } families[] = {
        {"welded T", Welded(PROFILTYP_T, 250, 10, 150, 14, 0), true},
        {"welded T, long stem", Welded(PROFILTYP_T, 400, 8, 150, 12, 2), true},
        {"typed rolled T", rolled_tee, true},
        {"1/2 IPE 300", Catalogue("1/2IPE300"), true},
        {"1/2 IPE 450 S460", Catalogue("1/2IPE450", 7), true},
        {"1/2 I 300", Catalogue("1/2I300", 2), true},
        {"unequal I", Welded(PROFILTYP_I, 600, 6, 150, 12, 2, 300, 20), true},
        {"unequal I, wide on top", Welded(PROFILTYP_I, 800, 8, 300, 25, 0, 200, 15), true},
        {"IPE 300", Catalogue("IPE300"), true},
        {"welded I 1200 S460", Welded(PROFILTYP_I, 1200, 12, 400, 60, 7), true},
        {"U 300", Catalogue("U300"), false},
        {"L 120 x 80 x 8", Catalogue("L120X80X8", 7), false},
        {"MSH 200 x 100 x 5.6", Catalogue("MSH200X100X5.6"), false},
        {"flat bar", Welded(PROFILTYP_FLACH, 200, 12, 0, 0, 2), true},
    };
    // the record's classes of its top, bottom and web parts, and the model's
    auto classes = [](const Stahlprofil& p, const double F[3], int c[4]) {
        double U2 = -1, U3 = -1;
        Classify_Section(&p, -1e3 * F[0], -1e6 * F[1], -1e6 * F[2], 1.0, 1, 0, &c[0], &c[1], &c[2], 2, nullptr,
                         nullptr, 0, nullptr);
        EXPECT_EQ(Calc_XS_Ct_Check(&p, 1.0, 1, 0, 0, 1, F[0], F[1], F[2], 0, 0, 0, 0, 0, &U2, nullptr, 0), 0);
        EXPECT_EQ(Calc_XS_Ct_Check(&p, 1.0, 1, 0, 0, 0, F[0], F[1], F[2], 0, 0, 0, 0, 0, &U3, nullptr, 0), 0);
        c[3] = U2 <= 1 ? 2 : U3 <= 1 ? 3 : 4;
    };
    int walks = 0;
    for (const auto& f : families) {
        SCOPED_TRACE(f.what);
        const Stahlprofil& p = f.p;
        const double f_y = p.material.f_y, ref[3] = {1e-3 * p.A * f_y,
                                                     1e-6 * f_y * p.I_y / std::max(p.z_s, p.h - p.z_s),
                                                     2e-6 * f_y * p.I_z / std::max({p.b_fo, p.b_fu, p.t_w})};
        for (int m = 1; m <= 2; m++)
            for (double sign : {-1.0, 1.0}) {
                // the parts the moment alone compresses wholly
                double alone[3] = {0, 0, 0}, a[3], s[3];
                alone[m] = sign * ref[m];
                Calc_Alpha_Elastic(&p, &a[0], &a[1], 0, -1e6 * alone[1], -1e6 * alone[2], &a[2], &s[0], &s[1], &s[2],
                                   nullptr);
                for (double n : {0.3, 0.0, -0.2, -0.5})
                    for (double other : {-0.4, 0.0, 0.4}) {
                        int last[4] = {0, 0, 0, 0};
                        for (int k = 0; k < 10; k++) {
                            double F[3] = {n * ref[0], 0, 0};
                            F[3 - m] = other * ref[3 - m], F[m] = sign * 0.1 * k * ref[m];
                            SCOPED_TRACE(testing::Message() << "N " << F[0] << " M_y " << F[1] << " M_z " << F[2]);
                            int c[4];
                            classes(p, F, c);
                            for (int i = 0; i < 3; i++) {
                                if (std::fabs(a[i]) >= 0.99) {
                                    EXPECT_GE(c[i], last[i]) << i;
                                }
                            }
                            std::copy(c, c + 4, last);
                            if (k == 0 && other == 0) continue;
                            for (double d : {-0.001, 0.001})
                                for (int j = 1; j <= 2; j++) {
                                    double G[3] = {F[0], F[1], F[2]};
                                    G[j] += d;
                                    int e[4];
                                    classes(p, G, e);
                                    for (int i = 0; i < 4; i++) {
                                        // a web's or stem's own forces, N alone, take the blocks of Table 5.2
                                        if (i == 2 && j == 1 && F[1] == 0 && f.on_axis) continue;
                                        EXPECT_GE(e[i], c[i]) << i << " " << j << " " << d;
                                    }
                                }
                        }
                        walks++;
                    }
            }
    }
    EXPECT_EQ(walks, 14 * 2 * 2 * 4 * 3);
}

// A half I's stem is the outstand a tee's stem is, its tip the free end:
// the record's classification gives it the class 2 utilisation of the
// model's c/t check (whose part ends are the thin-walled model's) under
// every N, M_y and M_z. Laid as an internal part, the record held a stem
// whose root is the more compressed by 10 eps / alpha where its limit is 10
// eps / alpha^1.5 (1/2 IPE 450 S460, N -0.15 N_pl, M_y 0.1 M_el, M_z -0.6
// M_el,z: 0.664 on the model, more on the record), and picked the worse of
// two distributions by an internal part's limits.
TEST_F(PlasticAlpha, AHalfIsStemIsClassedAsTheOutstandItIs) {
    const Stahlprofil sections[] = {Catalogue("1/2IPE300"), Catalogue("1/2I300", 2), Catalogue("1/2IPE450", 7),
                                    Welded(PROFILTYP_T, 300, 10, 200, 20, 2)};
    for (const Stahlprofil& p : sections) {
        const double f_y = p.material.f_y, N_pl = 1e-3 * p.A * f_y;
        const double M_y = 1e-6 * f_y * p.I_y / std::max(p.z_s, p.h - p.z_s), M_z = 2e-6 * f_y * p.I_z / p.b_fo;
        for (double n : {0.3, 0.0, -0.15, -0.3, -0.5})
            for (double m_y : {-0.6, -0.3, -0.1, 0.1, 0.3, 0.6})
                for (double m_z : {-0.6, -0.1, 0.0, 0.3}) {
                    const double F[3] = {n * N_pl, m_y * M_y, m_z * M_z};
                    SCOPED_TRACE(testing::Message() << p.name << " N " << F[0] << " M_y " << F[1] << " M_z " << F[2]);
                    double model = -1, record = -1;
                    ASSERT_EQ(Calc_XS_Ct_Check(&p, 1.0, 1, 0, 0, 1, F[0], F[1], F[2], 0, 0, 0, 0, 0, &model, nullptr, 0),
                              0);
                    Classify_Section(&p, -1e3 * F[0], -1e6 * F[1], -1e6 * F[2], 1.0, 1, 0, nullptr, nullptr, nullptr, 2,
                                     &record, nullptr, 0, nullptr);
                    EXPECT_NEAR(record, model, 2e-3 * std::max(1.0, model));
                }
    }
}

// A channel's web lies off the z axis: M_z stresses it, and the sign that
// puts it on the compressed side of the blocks classes it as a part in
// uniform compression; the other sign compresses the flanges from their
// tips; M_y compresses the top or the bottom flange - on the model's c/t
// check and on the record's classification. By hand, welded U 400 x 5 x 120
// x 10 S355 (eps 0.81362, no weld throats): web c/t = 380/5 = 76, flanges
// c/t = 115/10 = 11.5; A = 2000 + 2300 mm2, the plastic axis of M_z alone
// halves it, 150 mm2 of the flanges beyond the web's inner face, 7.5 mm of
// each:
//  - the web compressed: uniform, class 2 76/(38 eps) = 2.4582, class 3 (psi
//    1) 76/(42 eps) = 2.2241;
//  - the flanges' tips compressed: alpha = (115 - 7.5)/115 = 0.93478, 11.5
//    0.93478/(10 eps) = 1.3213; elastically the centroid lies (2000 2.5 +
//    2300 62.5)/4300 = 34.593 mm from the web's back, psi = (5 - 34.593)/(120
//    - 34.593) = -0.34650, k = 0.57 + 0.21 0.3465 + 0.07 0.3465^2 = 0.65117,
//    11.5/(21 k^0.5 eps) = 0.83415;
//  - M_y alone, either flange compressed wholly: 11.5/(10 eps) = 1.4134 (the
//    web, alpha 0.5: 76/(83 eps) = 1.1254), 11.5/(14 eps) = 1.0096 on the
//    record (the model's flange line, stressed a little less at its root,
//    takes the limit 21 0.43^0.5 eps of psi just below 1). The record's
//    classification had laid the flanges about the web, which left it
//    unstressed by M_z, and looked at the top flange alone.
TEST_F(PlasticAlpha, AChannelsWebAndFlangesUnderMzOfEitherSignAndMy) {
    const Stahlprofil U = Welded(PROFILTYP_U, 400, 5, 120, 10, 2);
    const double eps = std::sqrt(235 / 355.0), psi = (5 - 34.593) / (120 - 34.593);
    const double k = 0.57 - 0.21 * psi + 0.07 * psi * psi;
    const struct {
        double M_y, M_z, U2, U3;
    } cases[] = {{0, 5.67, 76 / (38 * eps), 76 / (42 * eps)},
                 {0, -5.67, 11.5 * 0.93478 / (10 * eps), 11.5 / (21 * std::sqrt(k) * eps)},
                 {100, 0, 11.5 / (10 * eps), 11.5 / (14 * eps)},
                 {-100, 0, 11.5 / (10 * eps), 11.5 / (14 * eps)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.M_y << " " << c.M_z);
        double U2 = -1, U3 = -1, U2_record = -1, U3_record = -1;
        ASSERT_EQ(Calc_XS_Ct_Check(&U, 1.0, 1, 0, 0, 1, 0, c.M_y, c.M_z, 0, 0, 0, 0, 0, &U2, nullptr, 0), 0);
        ASSERT_EQ(Calc_XS_Ct_Check(&U, 1.0, 1, 0, 0, 0, 0, c.M_y, c.M_z, 0, 0, 0, 0, 0, &U3, nullptr, 0), 0);
        Classify_Section(&U, 0, -1e6 * c.M_y, -1e6 * c.M_z, 1.0, 1, 0, nullptr, nullptr, nullptr, 2, &U2_record,
                         nullptr, 0, nullptr);
        Classify_Section(&U, 0, -1e6 * c.M_y, -1e6 * c.M_z, 1.0, 1, 0, nullptr, nullptr, nullptr, 3, &U3_record,
                         nullptr, 0, nullptr);
        EXPECT_NEAR(U2, c.U2, 1e-3 * c.U2);
        if (c.M_z != 0) {
            EXPECT_NEAR(U3, c.U3, 1e-3 * c.U3);
        }
        EXPECT_NEAR(U2_record, c.U2, 1e-3 * c.U2);
        EXPECT_NEAR(U3_record, c.U3, 1e-3 * c.U3);
    }
}

// A part the neutral axis turns about: under N = 0, M_z and a moment along
// the part of 0.001 kNm the blocks in the forces' direction run almost
// along a tee's stem or a mono-symmetric I's web and cross it at the point
// whose blocks carry no more M_y than that: the field there is a millionth
// of f_y, its compressed fraction that of a moment a thousand times larger
// (the rigid-plastic blocks of Fibre_Class_2). Both roads class the part by
// the worse of that fraction and the blocks of N and M_y alone (own, by
// hand below); the model's c/t step had dropped it as a stress below 1e-5
// f_y, and the choice of the worse distribution had compared the two at
// one size, taking the tiny one for none. Before: welded T 300 x 200 x 10 /
// 20 S355 0.584 on the model (the flange; the stem 1.089 on the record), T
// 400 x 150 x 8 / 12 S355 0.727 on both (stem 2.011), unequal I 600 x 6
// with flanges 150 x 12 over 300 x 20 S355 0.903 on the model (web 1.40 on
// the record). Own, N = 0 and M_y alone: the T 300's half area 3400 mm2
// lies in its flange (4000), the stem in tension; the T 400's 2452 takes
// (2452 - 1800)/8 = 81.5 mm of its stem from the root, alpha 0.2101, the
// tip in tension: 48.5 / (10 eps / 0.2101^1.5); the unequal I's 5604 lies
// in the compressed bottom flange (6000), the web in tension; a doubly
// symmetric I's web is halved: 90 / (83 eps) (welded I 1200 x 400 x 60 x
// 12 S460, the web's own eps = (235/460)^0.5), which it keeps.
TEST_F(PlasticAlpha, APartTheAxisTurnsAboutIsClassedByItsCompressedShare) {
    const double e355 = std::sqrt(235 / 355.0), e460 = std::sqrt(235 / 460.0);
    const struct {
        Stahlprofil p;
        std::vector<Rect> plates;
        double f_y, c_t, z_1, z_2;
        bool outstand;
        double M_y, M_z, eps, own;
    } cases[] = {
        {Welded(PROFILTYP_T, 300, 10, 200, 20, 2), {{100, 0, 20}, {5, 20, 300}}, 355, 28, 20, 300, true, 0.001,
         -18.96647, e355, 0},
        {Welded(PROFILTYP_T, 400, 8, 150, 12, 2), {{75, 0, 12}, {4, 12, 400}}, 355, 48.5, 12, 400, true, 0.001,
         -6.42134, e355, 48.5 / (10 * e355 / std::pow(81.5 / 388, 1.5))},
        {Welded(PROFILTYP_I, 600, 6, 150, 12, 2, 300, 20), {{75, 0, 12}, {3, 12, 580}, {150, 580, 600}}, 355,
         568 / 6.0, 12, 580, false, -0.001, -11.45117, e355, 0},
        {Welded(PROFILTYP_I, 1200, 12, 400, 60, 7), {{200, 0, 60}, {6, 60, 1140}, {200, 1140, 1200}}, 460, 90, 60,
         1140, false, -0.001, -100, e460, 90 / (83 * e460)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.c_t);
        const double expected = std::max(c.own, Fibre_Class_2(c.plates, c.f_y, 0, 1e6 * c.M_y, 1e6 * c.M_z, c.c_t,
                                                               c.eps, c.z_1, c.z_2, c.outstand));
        double U = -1, U_record = -1;
        ASSERT_EQ(Calc_XS_Ct_Check(&c.p, 1.0, 1, 0, 0, 1, 0, c.M_y, c.M_z, 0, 0, 0, 0, 0, &U, nullptr, 0), 0);
        Classify_Section(&c.p, 0, -1e6 * c.M_y, -1e6 * c.M_z, 1.0, 1, 0, nullptr, nullptr, nullptr, 2, &U_record,
                         nullptr, 0, nullptr);
        // (the record takes a web's alpha within 0.01 below one half as
        // one half: 83 eps; the unequal I's is 0.493)
        EXPECT_NEAR(U, expected, 0.015 * expected);
        EXPECT_NEAR(U_record, expected, 0.015 * expected);
    }
}

// A part beyond its class 3 limit is class 4, whatever the limits of the
// plastic blocks give classes 1 and 2 (EN 1993-1-1 5.5.2(8)): an outstand
// whose elastic stresses compress it wholly can have its tip in tension at
// the plastic resistance. By hand, the stem (root at the flange's face,
// tip free) under the elastic stresses N/A + M_y z/I_y, k_sigma =
// 0.578/(psi + 0.34) of the root the more compressed:
//  - 1/2 IPE 450 S460 (eps 0.71476; A 4941 mm2, I_y 2213e4 mm4, z_s 52.77
//    mm, c/t = (225 - 14.6 - 21)/9.4 = 20.149), N = -909.36, M_y = 17.775:
//    root (z = 35.6 - 52.77) -184.04 - 13.79 = -197.83, tip (z = 172.23)
//    -184.04 + 138.34 = -45.70 N/mm2, psi 0.2310: class 3 limit 21
//    k_sigma^0.5 eps = 15.10, U_3 = 1.334 on the c/t check without the
//    raised limit; its class 2 utilisation, the flange's 4.747/(10 eps) =
//    0.664, is met: class 4, where the check named class 2.
//  - welded T 300 x 200 x 10 / 20 S355 (eps 0.81362, z_s 71.765 mm, I_y
//    55.485e6 mm4, c/t 28), N = -965.6, M_y = 25.9 on the weld program's
//    plastic road: root (z = -51.765) -142.0 - 24.16, tip (z = 228.235)
//    -142.0 + 106.54 N/mm2: psi 0.2134, even the limit raised by (f_y /
//    sigma_root)^0.5 is passed: U_3 = 28 / (21 k_sigma^0.5 eps (355 /
//    166.16)^0.5) = 1.097. The section is class 4, which the check does not
//    cover; its blocks compress the stem over (4760 - 4000)/10 = 76 mm from
//    the root only, and the plastic check had passed it at 0.451.
TEST_F(PlasticAlpha, AClassIsReadFromTheTop) {
    const Stahlprofil half = Catalogue("1/2IPE450", 7);
    const double root = -909.36e3 / 4941 - 17.775e6 * 17.17 / 2213e4, tip = -909.36e3 / 4941 + 17.775e6 * 172.23 / 2213e4;
    const double psi = tip / root, U_3 = 20.149 / (21 * std::sqrt(0.578 / (psi + 0.34)) * 0.71476);
    double U = -1, U3 = -1;
    ListCapture list;
    ASSERT_EQ(Calc_XS_Ct_Check(&half, 1.0, 1, 0, 0, 1, -909.36, 17.775, 0, 0, 0, 0, 0, 0, &U, list.f(), 2), 0);
    const std::string text = list.Take_Ended();
    ASSERT_EQ(Calc_XS_Ct_Check(&half, 1.0, 1, 0, 0, 0, -909.36, 17.775, 0, 0, 0, 0, 0, 0, &U3, nullptr, 0), 0);
    EXPECT_NEAR(U, (69.3 / 14.6) / (10 * 0.71476), 1e-3);
    EXPECT_NEAR(U3, U_3, 2e-3 * U_3);
    EXPECT_NE(text.find("Querschnitt in Klasse 4"), std::string::npos) << text;

    const Stahlprofil tee = Welded(PROFILTYP_T, 300, 10, 200, 20, 2);
    const double s_root = -965.6e3 / 6800 - 25.9e6 * 51.765 / 55.485e6, s_tip = -965.6e3 / 6800 + 25.9e6 * 228.235 / 55.485e6;
    const double k = 0.578 / (s_tip / s_root + 0.34);
    const double raised = 28 / (21 * std::sqrt(k) * 0.81362 * std::sqrt(355 / -s_root));
    double o[8];
    unsigned bits = 0;
    const std::string road = Plastic_Road(tee, -965.6, 25.9, 0, o, &bits);
    EXPECT_NE(bits & 0x8000u, 0u) << road;
    EXPECT_NEAR(o[2], raised, 1e-3 * raised) << road;
}

// A part compressed wholly has the compressed fraction 1, however its two
// ends' stresses differ: a stem's ends at -197.8 and -45.7 N/mm2 (psi 0.231,
// the ratio 1/(1 - psi) = 1.300 the check carries) and a flange whose ends
// differ by a rounding of the blocks' field are printed with 1.000, and no
// ratio beyond the uniform one leaves the distribution. The welded T 300 x
// 200 x 10 / 20 S355 under N = +723.9 kN and M_y = 50 kNm: the blocks of N
// and M_y part the section (6800 - 723.9e3/355)/2 = 2380 mm2 from the top,
// 11.9 mm into the flange, which is compressed uniformly; its alpha had come
// out 1.6e14.
TEST_F(PlasticAlpha, AWhollyCompressedPartHasAlphaOne) {
    for (double alpha : {1 / (1 - 45.7 / 197.8), 500.0}) {
        ListCapture list;
        double U = 0;
        Check_Ct_Part(CT_PART_OUTSTAND, 2, &U, 8, 235, 0, alpha, 0, 0, list.f(), 2, "Steg");
        const std::string text = list.Take_Ended();
        EXPECT_NE(text.find("Steg\n   Q-Klasse 1 für ║ = 1.000,  c/t = 8.00 (einseitig gestützt) < 9.00╬/.╬r¥ = "
                            "9.00\n   Ausnutzung U╬\\c/t╬r = (c/t) / (max c/t) = 0.800,  max c/t = 10.00╬/.╬r¥ = "
                            "10.00"_cp),
                  std::string::npos)
            << text;
    }
    const Stahlprofil tee = Welded(PROFILTYP_T, 300, 10, 200, 20, 2);
    double a[3], s[3];
    Calc_Alpha_Plastic(&tee, &a[0], &a[1], -723.9e3, -50e6, 0, &a[2], &s[0], &s[1], &s[2], 355, nullptr);
    EXPECT_EQ(a[0], CT_ALPHA_UNIFORM);
    EXPECT_EQ(a[2], 0);
}
