// Partial-penetration throats of rolled profiles lie within the profile's
// real outline: its sloped flanges, rounded toes, root fillets and rounded
// corners, as the catalogue's outline draws them (a catalogue profile's
// by its record, one typed in as rolled by its dimensions and radii). The
// reference is worked out here on a grid of small cells over that outline
// (its arcs in fine steps): a cell belongs to the weld's throats where it
// lies in the profile and, by the Eurocode road, a throat's depth a or
// less behind one of the outline's straight faces (its roundings are not
// welded: the list says so), by DIN 18800 within a of the outer contour
// anywhere (the weld all round follows it; a tube's throat ends at its
// bore). Its integrals give the throats' section; the stress of a moment
// at the outline's extreme corner is what the weld's check must find. Each
// throat counts once, wherever the bands meet. And over every family and
// both roads, against the section engine's own outline: the throats never
// hold more steel than lies within a of the faces, the outline less the
// outline that stands a further in; by DIN they hold all of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "printlist/list_capture.h"
#include "profiles/catalogue_outline.h"
#include "profiles/catalogue_plausibility.h"
#include "profiles/profil.h"
#include "profiles/stahlprofil_library.h"
#include "support/global_state.h"
#include "weldcheck/din_check.h"
#include "weldcheck/weld_check.h"
#include "weldcheck/weld_fixture.h"

namespace test_rolled_throats {
namespace {

const testutil::Global_Reset reset_din(Reset_Anschluss_State);

struct Pt {
    double y, z;
};

// The band's section: area, centroid and second moments about it (mm; y
// across, z up as the catalogue draws the profile).
struct Band {
    double A, y, z, I_yy, I_zz, I_yz;
};

// A straight face of the outline, from a to b with the material on its
// left (the outline runs counter-clockwise).
struct Face {
    Pt a, b;
};

// Where the row at height z crosses the convex polygon q: [lo, hi], or
// nothing (lo > hi).
std::pair<double, double> Row_Of(const std::vector<Pt>& q, double z) {
    double lo = HUGE_VAL, hi = -HUGE_VAL;
    for (size_t k = 0; k < q.size(); k++) {
        const Pt& p = q[k];
        const Pt& r = q[(k + 1) % q.size()];
        if ((p.z > z) == (r.z > z)) continue;
        const double y = p.y + (r.y - p.y) * (z - p.z) / (r.z - p.z);
        lo = std::min(lo, y), hi = std::max(hi, y);
    }
    return {lo, hi};
}

// The band of depth a within the outline (its outer contour rings[0], a
// tube's bore after it): behind its faces (eurocode) or within a of any
// edge of the outer contour. Row by row (dz high): each face's rectangle
// behind it, or each edge's neighbourhood (its rectangles to both sides and
// the discs about its ends), crosses the row in an interval; their union
// within the outline's own intervals is the band's piece of the row.
Band Band_Of(const std::vector<std::vector<Pt>>& rings, const std::vector<Face>& faces, bool eurocode, double a,
             double dz) {
    const std::vector<Pt>& ring = rings.at(0);
    std::vector<std::vector<Pt>> quads;
    std::vector<Pt> discs;
    auto behind = [&](Pt p, Pt q, double side) {
        const double dy = q.y - p.y, dz2 = q.z - p.z, L = std::hypot(dy, dz2);
        const Pt n{-dz2 / L * side * a, dy / L * side * a};  // to the left: into the part
        quads.push_back({p, q, {q.y + n.y, q.z + n.z}, {p.y + n.y, p.z + n.z}});
    };
    if (eurocode) {
        for (const Face& f : faces) behind(f.a, f.b, 1.0);
    } else {
        for (size_t k = 0; k < ring.size(); k++) {
            behind(ring[k], ring[(k + 1) % ring.size()], 1.0);
            behind(ring[k], ring[(k + 1) % ring.size()], -1.0);
            discs.push_back(ring[k]);
        }
    }
    double z0 = HUGE_VAL, z1 = -HUGE_VAL;
    for (const Pt& p : ring) z0 = std::min(z0, p.z), z1 = std::max(z1, p.z);
    double S[6] = {};
    for (double z = z0 + dz / 2; z < z1; z += dz) {
        std::vector<double> x;
        for (const std::vector<Pt>& g : rings)
            for (size_t k = 0; k < g.size(); k++) {
                const Pt& p = g[k];
                const Pt& q = g[(k + 1) % g.size()];
                if ((p.z > z) != (q.z > z)) x.push_back(p.y + (q.y - p.y) * (z - p.z) / (q.z - p.z));
            }
        std::sort(x.begin(), x.end());
        std::vector<std::pair<double, double>> pieces;
        for (const auto& q : quads) {
            const auto r = Row_Of(q, z);
            if (r.first < r.second) pieces.push_back(r);
        }
        for (const Pt& c : discs)
            if (std::fabs(z - c.z) < a) {
                const double w = std::sqrt(a * a - (z - c.z) * (z - c.z));
                pieces.push_back({c.y - w, c.y + w});
            }
        std::sort(pieces.begin(), pieces.end());
        for (size_t k = 0; k < pieces.size();) {
            double lo = pieces[k].first, hi = pieces[k].second;
            for (++k; k < pieces.size() && pieces[k].first <= hi; ++k) hi = std::max(hi, pieces[k].second);
            for (size_t m = 0; m + 1 < x.size(); m += 2) {
                const double y0 = std::max(lo, x[m]), y1 = std::min(hi, x[m + 1]);
                if (!(y1 > y0)) continue;
                const double d1 = (y1 - y0) * dz, d2 = (y1 * y1 - y0 * y0) / 2 * dz, d3 = (y1 * y1 * y1 - y0 * y0 * y0) / 3 * dz;
                S[0] += d1, S[1] += d2, S[2] += z * d1, S[3] += d3, S[4] += z * z * d1, S[5] += z * d2;
            }
        }
    }
    const double yc = S[1] / S[0], zc = S[2] / S[0];
    return {S[0], yc, zc, S[3] - S[0] * yc * yc, S[4] - S[0] * zc * zc, S[5] - S[0] * yc * zc};
}

// The outline (mm) of a catalogue profile by its record (name), or of one
// typed in as rolled: its letter, dimensions and radii.
struct Shape {
    const char* name;
    char letter;
    int type = 0;
    double h = 0, t_w = 0, b = 0, t_f = 0, r_1 = 0, r_2 = 0;
};

Catalogue_Outline Outline_Values(const Shape& c) {
    Catalogue_Outline o{c.letter, c.h, c.b, c.t_w, c.t_f, c.r_1, c.r_2, 0, 0};
    if (!c.name) return o;
    float v[PROFIL_VALUES] = {};
    char code[PROFIL_CODE_SIZE] = {};
    EXPECT_GE(Get_Profil_Values(c.name, v, code), 1) << c.name;
    EXPECT_EQ(Catalogue_Record_Outline(c.letter, v, &o), 1) << c.name;
    for (double* x : {&o.h, &o.b, &o.t_w, &o.t_f, &o.r_1, &o.r_2, &o.nominal_from_tip}) *x *= 10;
    return o;
}

// The profile of the weld check in *p (fatal where it cannot be made).
void Profile_Of(const Shape& c, Stahlprofil* p) {
    Init_Profile(p);
    Default_Material_Params(&p->material);
    if (c.name) {
        ASSERT_EQ(Init_Profile_From_Name(p, c.name), 0) << c.name;
        return;
    }
    p->kind = STAHLPROFIL_KIND_DIMENSIONS, p->type = c.type, p->rolled = 1, p->r_1 = c.r_1, p->r_2 = c.r_2;
    p->h = c.h, p->t_w = c.t_w, p->b_fo = p->b_fu = c.b, p->t_fo = p->t_fu = c.t_f;
    ASSERT_EQ(Calc_Profile_Cross_Section(p, nullptr, 0, nullptr), 0) << c.h;
}

// The rings of the outline o, its arcs in fine steps; its straight faces:
// the edges longer than any step of an arc.
std::vector<std::vector<Pt>> Rings_Of(const Catalogue_Outline& o, std::vector<Face>* faces) {
    std::vector<Outline_Ring> rings;
    EXPECT_EQ(Catalogue_Outline_Polygons(&o, 128, &rings), 1) << o.letter << o.h;
    std::vector<std::vector<Pt>> out;
    for (const Outline_Ring& r : rings) {
        out.emplace_back();
        for (const Outline_Point& p : r) out.back().push_back({p.y, p.z});
    }
    const std::vector<Pt>& ring = out.at(0);
    faces->clear();
    if (o.letter == 'R') {
        // A tube's four welds all round run on into its rounded corners, b
        // - pi/4 r_o long about the middle of each face.
        const double w = o.b - M_PI / 4 * o.r_1, v = o.h - M_PI / 4 * o.r_1;
        *faces = {{{(o.b - w) / 2, 0}, {(o.b + w) / 2, 0}},
                  {{o.b, (o.h - v) / 2}, {o.b, (o.h + v) / 2}},
                  {{(o.b + w) / 2, o.h}, {(o.b - w) / 2, o.h}},
                  {{0, (o.h + v) / 2}, {0, (o.h - v) / 2}}};
        return out;
    }
    for (size_t k = 0; k < ring.size(); k++) {
        const Pt& p = ring[k];
        const Pt& q = ring[(k + 1) % ring.size()];
        if (std::hypot(q.y - p.y, q.z - p.z) > 0.5) faces->push_back({p, q});
    }
    return out;
}

// The largest |sigma| of M_y (about the horizontal axis) and M_z (about the
// vertical one) on the band, over the given points: the weld check's y runs
// to the left and its z down, the catalogue's y to the right and z up, so
// that the moments' signs turn with both and the product stays.
double Largest_Stress(const Band& b, const std::vector<Pt>& at, double M_y, double M_z) {
    const double D = b.I_yy * b.I_zz - b.I_yz * b.I_yz;
    double largest = 0;
    for (const Pt& p : at) {
        const double y = -(p.y - b.y), z = -(p.z - b.z);
        const double c_z = (M_y * b.I_yy + M_z * b.I_yz) / D, c_y = (-M_z * b.I_zz - M_y * b.I_yz) / D;
        largest = std::max(largest, std::fabs(c_z * z + c_y * y));
    }
    return largest;
}

// The Eurocode's check of the profile welded all round with a partial
// penetration of throat a (mm) on a 20 mm plate, gamma_M2 1.25, by the
// directional method, its throat and length tests off.
SchweissnahtNachweis En_Record(const Stahlprofil& p, double a) {
    SchweissnahtNachweis r;
    Init_Weld_Check_Record(&r);
    r.gamma_M2 = 1.25;
    Steel_Plate(&r.plate, 20.0);
    r.profile = p;
    r.all_round = 1, r.weld_kind = WELD_BUTT;
    for (double& t : r.a) t = a;
    r.no_length_check = r.no_throat_check = 1;
    r.check_field = 1, r.method = 1;
    return r;
}

// DIN's throats (cm powers) are the band b (mm) within the share tol: the
// drawing may stand the profile turned (an angle's legs swapped).
void Expect_Din_Band(const Anschluss_Nahtwerte& v, const Band& b, double tol) {
    EXPECT_NEAR(v.A_w * 100, b.A, tol * b.A) << "DIN";
    const double I[2] = {std::min(v.I_y, v.I_z) * 1e4, std::max(v.I_y, v.I_z) * 1e4};
    const double J[2] = {std::min(b.I_yy, b.I_zz), std::max(b.I_yy, b.I_zz)};
    EXPECT_NEAR(I[0], J[0], tol * J[0]) << "DIN";
    EXPECT_NEAR(I[1], J[1], tol * J[1]) << "DIN";
    EXPECT_NEAR(std::fabs(v.I_yz) * 1e4, std::fabs(b.I_yz), tol * J[1]) << "DIN";
}

}  // namespace

// IPN 200, UPN 200, C 150 x 51 x 12.2, half I 300 (flanges sloped 14, 8 and
// 16.7 %), L 100 x 10 (its toes rounded), MSH 120 x 120 x 10 (its corners)
// and IPE 240 (parallel), and typed in as rolled: a tee 100 x 100 x 11 (root
// 11, toes 5.5; its toes rounded alone), an I 200 (root 7.5), a channel 200 x 75 (root 11.5, toes
// 6), an angle 100 x 10 (root 12, toes 6), a half I 150 (root 15) and a
// tube 200 x 100 x 8 (corners 12 outside, 8 inside), all round with a
// partial penetration of 3 mm (2.5 on C 150, whose web is 5.08 mm thick).
// By the Eurocode the bands behind the outline's straight faces (a tube's
// welds run on into its corners, b - pi/4 r_o long): the largest stress of
// M_y 20 kNm and of M_z 2 kNm at the outline's straight faces' ends (the
// extreme corners of a flange's outer face) is the check's. By DIN 18800
// the band along all of the outline: its area and second moments are the
// weld's (the DIN drawing may stand the profile turned: the angle's legs
// swapped, equal here). IPN 200: I_z of the band along all of the outline
// 76.98 cm⁴ (laid on parallel flanges of the nominal thickness it was 84.94
// by the Eurocode, 85.5 by DIN, the tips' throats 11.3 mm long where the
// rolled tip is 8.15 mm thick and rounded). The tube with a 12, deeper than
// its 8 mm wall: by the Eurocode held to the wall, by DIN the whole wall
// (its corners, 9.7 mm thick across, welded through: the band 12 deep,
// which ends at the bore).
TEST(RolledThroats, TheThroatsLieWithinTheRolledOutline) {
    const auto env = Catalogue_Data();
    const struct {
        Shape shape;
        double a, a_en;  // the throat; the Eurocode's, held to the tube's wall
    } cases[] = {
        {{"IPN200", 'D'}, 3, 3},
        {{"U200", 'U'}, 3, 3},
        {{"C150X51X12.2", 'U'}, 2.5, 2.5},
        {{"1/2I300", 'T'}, 3, 3},
        {{"L100X10", 'L'}, 3, 3},
        {{"MSH120X120X10.0", 'R'}, 3, 3},
        {{"IPE240", 'D'}, 3, 3},
        {{nullptr, 'T', PROFILTYP_T, 100, 11, 100, 11, 11, 5.5}, 3, 3},
        {{nullptr, 'T', PROFILTYP_T, 100, 11, 100, 11, 0, 5.5}, 3, 3},
        {{nullptr, 'D', PROFILTYP_I, 200, 7.5, 90, 11.3, 7.5, 0}, 3, 3},
        {{nullptr, 'U', PROFILTYP_U, 200, 8.5, 75, 11.5, 11.5, 6}, 3, 3},
        {{nullptr, 'L', PROFILTYP_L, 100, 10, 100, 10, 12, 6}, 3, 3},
        {{nullptr, 'T', PROFILTYP_HALB_I, 150, 7.1, 150, 10.7, 15, 0}, 3, 3},
        {{nullptr, 'R', PROFILTYP_RECHTECK, 200, 8, 100, 8, 12, 8}, 3, 3},
        {{nullptr, 'R', PROFILTYP_RECHTECK, 200, 8, 100, 8, 12, 8}, 12, 8},
    };
    for (const auto& c : cases) {
        const std::string name = (c.shape.name ? c.shape.name : std::string("typed ") + c.shape.letter +
                                  std::to_string(static_cast<int>(c.shape.h))) + " a " + std::to_string(c.a);
        std::vector<Face> faces;
        const std::vector<std::vector<Pt>> rings = Rings_Of(Outline_Values(c.shape), &faces);
        std::vector<Pt> corners;
        for (const Face& f : faces) corners.push_back(f.a), corners.push_back(f.b);
        Stahlprofil p;
        ASSERT_NO_FATAL_FAILURE(Profile_Of(c.shape, &p));
        const Band en = Band_Of(rings, faces, true, c.a_en, 0.02), din = Band_Of(rings, faces, false, c.a, 0.02);
        for (const double M : {20.0, 2.0}) {
            const double M_y = M == 20.0 ? M : 0.0, M_z = M == 2.0 ? M : 0.0;
            SCOPED_TRACE(name + (M_y ? " M_y" : " M_z"));
            SchweissnahtNachweis r = En_Record(p, c.a);
            r.forces.M_y = M_y * 1e6, r.forces.M_z = M_z * 1e6;
            ASSERT_EQ(Calc_Weld_Check(&r, nullptr, 0, 0, 0, 0), 0);
            const double expected = Largest_Stress(en, corners, M_y * 1e6, M_z * 1e6);
            EXPECT_NEAR(std::fabs(r.line_values[WELD_CHECK_VALUE_SIGMA_X]), expected, 0.003 * expected);
        }
        SCOPED_TRACE(name + " DIN");
        GeschweissterAnschluss r = Din_Record_Of(p, 5, c.a);
        r.partial_penetration = 1;
        r.load[ANSCHLUSS_M_Y] = 20;
        ASSERT_EQ(Calc_Anschluss_Querschnitt(&r), 0);
        Expect_Din_Band(r.weld_values, din, 0.003);
        if (c.shape.name && std::string(c.shape.name) == "IPN200") {
            EXPECT_NEAR(din.I_yy / 1e4, 76.98, 0.02);
        }
    }
}

namespace {

// The steel of the outline o (mm) more than a inside its faces (a tube's:
// its outer faces): every face a further in (a sloped one across its
// slope), each rounding about its own centre, a root fillet a larger, a
// toe or an outer corner a smaller (sharp once a passes its radius); it
// stands a in from o's left and lower edges. false where that leaves a
// part no steel.
bool Inside_By(const Catalogue_Outline& o, double a, Catalogue_Outline* e) {
    *e = o;
    e->h = o.h - 2 * a, e->b = o.b - 2 * a;
    if (o.letter == 'R') {
        e->t_w = o.t_w - a, e->t_f = o.t_f - a, e->r_1 = std::max(o.r_1 - a, 0.0);
    } else {
        e->t_w = o.t_w - 2 * a, e->r_1 = o.r_1 + a, e->r_2 = std::max(o.r_2 - a, 0.0);
        e->t_f = o.t_f + o.slope * a - a - a * std::hypot(1.0, o.slope);
    }
    Catalogue_Section v;
    return e->t_w > 0 && e->t_f > 0 && e->h > 0 && e->b > 0 && Catalogue_Outline_Section(e, &v) == 1;
}

// Area, first and second moments of an outline's section about the lower
// left corner of o, the outline standing `in` from it (mm).
struct Sums {
    double A, S_y, S_z, I_yy, I_zz, I_yz;
};
Sums Sums_Of(const Catalogue_Outline& o, double in) {
    Catalogue_Section v;
    EXPECT_EQ(Catalogue_Outline_Section(&o, &v), 1);
    // The product moment of the turned principal axes (angles only).
    const double theta = std::atan(v.tan_alpha), I_yz = -(v.I_1 - v.I_2) * std::sin(2 * theta) / 2;
    const double y = in + v.e_y, z = in + v.e_z;
    return {v.A, v.A * y, v.A * z, v.I_z + v.A * y * y, v.I_y + v.A * z * z, I_yz + v.A * y * z};
}

// The section of the band o less e, about its centroid (Band's fields).
Band Less(const Sums& o, const Sums& e) {
    const double A = o.A - e.A, y = (o.S_y - e.S_y) / A, z = (o.S_z - e.S_z) / A;
    return {A, y, z, o.I_yy - e.I_yy - A * y * y, o.I_zz - e.I_zz - A * z * z, o.I_yz - e.I_yz - A * y * z};
}

// The value after text in a list, NAN where it has none.
double Listed(const std::string& list, const std::string& text) {
    const size_t at = list.find(text);
    return at == std::string::npos ? NAN : std::atof(list.c_str() + at + text.size());
}

}  // namespace

// Every rolled family and throats thin to beyond its walls, on both roads:
// the throats' area never exceeds the steel within a of the faces, by the
// section engine's own outline less the outline that stands a further in
// (a tube's outer contour; all of the steel where a part has none left);
// DIN 18800's by no more than its roundings' straight pieces allow (8, an
// I section's 4, per quarter circle, within the steel: a throat behind a
// piece reaches up to its sagitta deeper than the arc's, 0.05 % of the
// area). By DIN, which follows all of the outline, the throats are that
// steel: their area and second moments the engine's outline's less the
// inner one's (within 0.5 %), and a tube's throat that reaches through its
// walls its whole section, the corners too (9.7 mm across at 8 mm wall, r
// 12 / 8). DIN takes a throat deeper than half the thinnest part of an
// open section as that half, one deeper than a tube's thinner wall as
// that wall (its layout holds it so): there the erosion by the throat
// taken is compared. The round shapes and the flat bar by their closed
// forms: a ring pi (R² - (R - a)²) within the wall or radius, the bar
// b t - (b - 2a)(t - 2a).
TEST(RolledThroats, NeverMoreSteelThanWithinTheThroatOfTheFaces) {
    const auto env = Catalogue_Data();
    const double kPieces = 1e-3;
    const Shape shapes[] = {
        {"IPN200", 'D'}, {"IPE240", 'D'}, {"HE280A", 'D'}, {"U200", 'U'}, {"C150X51X12.2", 'U'},
        {"1/2I300", 'T'}, {"1/2IPE300", 'T'}, {"L100X10", 'L'}, {"L150X100X10", 'L'}, {"MSH120X120X10.0", 'R'},
        {"MSH200X100X8.0", 'R'},
        {nullptr, 'T', PROFILTYP_T, 100, 11, 100, 11, 11, 5.5},
        {nullptr, 'T', PROFILTYP_T, 100, 11, 100, 11, 0, 5.5},
        {nullptr, 'D', PROFILTYP_I, 200, 7.5, 90, 11.3, 7.5, 0},
        {nullptr, 'U', PROFILTYP_U, 200, 8.5, 75, 11.5, 11.5, 6},
        {nullptr, 'L', PROFILTYP_L, 100, 10, 100, 10, 12, 6},
        {nullptr, 'L', PROFILTYP_L, 100, 10, 100, 10, 0, 6},
        {nullptr, 'L', PROFILTYP_L, 150, 12, 100, 8, 13, 6.5},
        {nullptr, 'T', PROFILTYP_HALB_I, 150, 7.1, 150, 10.7, 15, 0},
        {nullptr, 'R', PROFILTYP_RECHTECK, 200, 8, 100, 8, 12, 8},
        {nullptr, 'R', PROFILTYP_RECHTECK, 100, 10, 100, 10, 15, 10},
        {nullptr, 'R', PROFILTYP_RECHTECK, 160, 6, 80, 10, 9, 6},
        {nullptr, 'K', PROFILTYP_ROHR, 168.3, 8},
        {nullptr, 'O', PROFILTYP_RUND, 60},
        {nullptr, 'F', PROFILTYP_FLACH, 200, 20},
    };
    for (const Shape& c : shapes)
        for (const double a : {2.0, 3.0, 5.0, 12.0}) {
            const std::string name = (c.name ? c.name : std::string("typed ") + c.letter +
                                      std::to_string(static_cast<int>(c.h))) + " a " + std::to_string(a);
            SCOPED_TRACE(name);
            Stahlprofil p;
            ASSERT_NO_FATAL_FAILURE(Profile_Of(c, &p));
            // The steel within a of the faces, and DIN's throats where the
            // engine gives them.
            double within = 0;
            Band din = {};
            bool din_known = false;
            const double R = c.h / 2;
            if (c.letter == 'K' || c.letter == 'O') {
                const double r_i = std::max(R - a, c.letter == 'K' ? R - c.t_w : 0.0);
                within = M_PI * (R * R - r_i * r_i);
                din = {within, 0, 0, M_PI * (R * R * R * R - r_i * r_i * r_i * r_i) / 4, 0, 0};
                din.I_zz = din.I_yy, din_known = true;
            } else if (c.letter == 'F') {
                within = c.h * c.t_w - std::max(c.h - 2 * a, 0.0) * std::max(c.t_w - 2 * a, 0.0);
            } else {
                const Catalogue_Outline o = Outline_Values(c);
                Catalogue_Outline e;
                const Sums all = Sums_Of(o, 0);
                EXPECT_NEAR(all.A, p.A, 0.01 * p.A) << "the outline is the profile's";
                within = Inside_By(o, a, &e) ? all.A - Sums_Of(e, a).A : all.A;
                // DIN's throat: held to half the thinnest part of an open
                // section, to a tube's thinner wall; all of a tube's wall
                // once a reaches through every wall.
                const bool tube = o.letter == 'R';
                const double taken = std::min({a, tube ? o.t_w : o.t_w / 2, tube ? o.t_f : o.t_f / 2});
                if (tube && a >= std::max(o.t_w, o.t_f)) {
                    din = Less(all, Sums{}), din_known = true;
                } else if (Inside_By(o, taken, &e)) {
                    din = Less(all, Sums_Of(e, taken)), din_known = true;
                }
            }
            // By DIN 18800.
            GeschweissterAnschluss r = Din_Record_Of(p, 5, a);
            r.partial_penetration = 1;
            r.load[ANSCHLUSS_N] = 100;
            ASSERT_EQ(Calc_Anschluss_Querschnitt(&r), 0);
            const Anschluss_Nahtwerte& v = r.weld_values;
            EXPECT_LE(v.A_w * 100, within * (1 + kPieces)) << "DIN";
            if (din_known) Expect_Din_Band(v, din, 0.005);
            // By the Eurocode: its list's A_w (cm², two digits).
            SchweissnahtNachweis w = En_Record(p, a);
            w.forces.N = 100e3;
            ListCapture l;
            Calc_Weld_Check(&w, l.f(), 2, 0, 0, 0);
            const double A_w = Listed(l.Take(), "A\xCE\\w\xCEr = ");
            ASSERT_TRUE(A_w > 0) << "EN";
            EXPECT_LE(A_w * 100, within + 0.5) << "EN";
        }
}

// The ring of a partial penetration all round a rolled tube carries the
// torsion by Bredt round its throats' midline, which follows the rounded
// corners: A_m = (b - a)(h - a) - (4 - pi)(r - a/2)², W_t = 2 A_m a. RHS
// 200 x 100 x 8 (r 12 / 8), a 3: 19014 mm² (on the sharp corners 19109);
// RHS 100 x 100 x 10 (r 15 / 10), a 2: 9436 mm² (9604). Within the chords
// of the rounded corners (8 per quarter circle).
TEST(RolledThroats, ATubesRingRunsRoundItsRoundedCorners) {
    const struct {
        double h, t, b, r_o, r_i, a;
    } tubes[] = {{200, 8, 100, 12, 8, 3}, {100, 10, 100, 15, 10, 2}};
    for (const auto& c : tubes) {
        Stahlprofil p;
        ASSERT_NO_FATAL_FAILURE(Profile_Of({nullptr, 'R', PROFILTYP_RECHTECK, c.h, c.t, c.b, c.t, c.r_o, c.r_i}, &p));
        GeschweissterAnschluss r = Din_Record_Of(p, 5, c.a);
        r.partial_penetration = 1;
        r.load[ANSCHLUSS_M_X] = 5;
        ASSERT_EQ(Calc_Anschluss_Querschnitt(&r), 0) << c.h;
        const double A_m = (c.b - c.a) * (c.h - c.a) - (4 - M_PI) * (c.r_o - c.a / 2) * (c.r_o - c.a / 2);
        EXPECT_NEAR(r.weld_values.W_t * 1e3, 2 * A_m * c.a, 1e-3 * 2 * A_m * c.a) << c.h;
    }
}

}  // namespace test_rolled_throats
