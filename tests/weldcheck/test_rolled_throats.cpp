// Partial-penetration throats of rolled profiles lie within the profile's
// real outline: its sloped flanges, rounded toes, root fillets and rounded
// corners, as the catalogue's outline draws them. The reference is worked
// out here on a grid of small cells over that outline (its arcs in fine
// steps): a cell belongs to the weld's throats where it lies in the
// profile and, by the Eurocode road, a throat's depth a or less behind one
// of the outline's straight faces (its roundings are not welded: the list
// says so), by DIN 18800 within a of the outline anywhere (the weld all
// round follows it). Its integrals give the throats' section; the stress
// of a moment at the outline's extreme corner is what the weld's check
// must find. Each throat counts once, wherever the bands meet.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

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

// The band of depth a within the outline: behind its faces (eurocode) or
// within a of any edge of it. Row by row (dz high): each face's rectangle
// behind it, or each edge's neighbourhood (its rectangles to both sides and
// the discs about its ends), crosses the row in an interval; their union
// within the outline's own intervals is the band's piece of the row.
Band Band_Of(const std::vector<Pt>& ring, const std::vector<Face>& faces, bool eurocode, double a, double dz) {
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
        for (size_t k = 0; k < ring.size(); k++) {
            const Pt& p = ring[k];
            const Pt& q = ring[(k + 1) % ring.size()];
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

// The outline of a catalogue profile (its record's, mm), its arcs in fine
// steps; its straight faces: the edges longer than any step of an arc.
std::vector<Pt> Outline_Of(const char* name, char letter, std::vector<Face>* faces) {
    float v[PROFIL_VALUES] = {};
    char code[PROFIL_CODE_SIZE] = {};
    Catalogue_Outline o;
    std::vector<Outline_Ring> rings;
    EXPECT_GE(Get_Profil_Values(name, v, code), 1) << name;
    EXPECT_EQ(Catalogue_Record_Outline(letter, v, &o), 1) << name;
    for (double* x : {&o.h, &o.b, &o.t_w, &o.t_f, &o.r_1, &o.r_2, &o.nominal_from_tip}) *x *= 10;
    EXPECT_EQ(Catalogue_Outline_Polygons(&o, 128, &rings), 1) << name;
    std::vector<Pt> ring;
    for (const Outline_Point& p : rings.at(0)) ring.push_back({p.y, p.z});
    faces->clear();
    if (letter == 'R') {
        // A tube's four welds all round run on into its rounded corners, b
        // - pi/4 r_o long about the middle of each face.
        const double w = o.b - M_PI / 4 * o.r_1, v = o.h - M_PI / 4 * o.r_1;
        *faces = {{{(o.b - w) / 2, 0}, {(o.b + w) / 2, 0}},
                  {{o.b, (o.h - v) / 2}, {o.b, (o.h + v) / 2}},
                  {{(o.b + w) / 2, o.h}, {(o.b - w) / 2, o.h}},
                  {{0, (o.h + v) / 2}, {0, (o.h - v) / 2}}};
        return ring;
    }
    for (size_t k = 0; k < ring.size(); k++) {
        const Pt& p = ring[k];
        const Pt& q = ring[(k + 1) % ring.size()];
        if (std::hypot(q.y - p.y, q.z - p.z) > 0.5) faces->push_back({p, q});
    }
    return ring;
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

}  // namespace

// IPN 200, UPN 200, C 150 x 51 x 12.2, half I 300 (flanges sloped 14, 8 and
// 16.7 %), L 100 x 10 (its toes rounded), MSH 120 x 120 x 10 (its corners)
// and IPE 240 (parallel), all round with a 3 mm partial penetration. By
// the Eurocode the bands behind the outline's straight faces (a tube's
// welds run on into its corners, b - pi/4 r_o long): the largest stress
// of M_y 20 kNm and of M_z 2 kNm at the outline's straight faces' ends
// (the extreme corners of a flange's outer face) is the check's. By DIN
// 18800 the band along all of the outline: its area and second moments
// are the weld's (the DIN drawing may stand the profile turned: the
// angle's legs swapped, equal here). IPN 200: I_z of the band along all of
// the outline 76.98 cm⁴ (laid on parallel flanges of the nominal thickness
// it was 84.94 by the Eurocode, 85.5 by DIN, the tips' throats 11.3 mm long
// where the rolled tip is 8.15 mm thick and rounded).
TEST(RolledThroats, TheThroatsLieWithinTheRolledOutline) {
    const auto env = Catalogue_Data();
    // The throat within half of every part (C 150's web is 5.08 mm thick).
    const struct {
        const char* name;
        char letter;
        double a;
    } cases[] = {{"IPN200", 'D', 3}, {"U200", 'U', 3},   {"C150X51X12.2", 'U', 2.5}, {"1/2I300", 'T', 3},
                 {"L100X10", 'L', 3}, {"MSH120X120X10.0", 'R', 3}, {"IPE240", 'D', 3}};
    for (const auto& c : cases) {
        const double a = c.a;
        std::vector<Face> faces;
        const std::vector<Pt> ring = Outline_Of(c.name, c.letter, &faces);
        std::vector<Pt> corners;
        for (const Face& f : faces) corners.push_back(f.a), corners.push_back(f.b);
        Stahlprofil p;
        Init_Profile(&p);
        Default_Material_Params(&p.material);
        ASSERT_EQ(Init_Profile_From_Name(&p, c.name), 0) << c.name;
        const Band en = Band_Of(ring, faces, true, a, 0.02), din = Band_Of(ring, faces, false, a, 0.02);
        for (const double M : {20.0, 2.0}) {
            const double M_y = M == 20.0 ? M : 0.0, M_z = M == 2.0 ? M : 0.0;
            SCOPED_TRACE(std::string(c.name) + (M_y ? " M_y" : " M_z"));
            SchweissnahtNachweis r;
            Init_Weld_Check_Record(&r);
            r.gamma_M2 = 1.25;
            Steel_Plate(&r.plate, 20.0);
            r.profile = p;
            r.all_round = 1, r.weld_kind = WELD_BUTT;
            r.a[WELD_FACE_TOP_OUTER] = r.a[WELD_FACE_WEB_LEFT] = r.a[WELD_FACE_BOTTOM_OUTER] = a;
            r.no_length_check = r.no_throat_check = 1;
            r.check_field = 1, r.method = 1;
            r.forces.M_y = M_y * 1e6, r.forces.M_z = M_z * 1e6;
            ASSERT_EQ(Calc_Weld_Check(&r, nullptr, 0, 0, 0, 0), 0);
            const double expected = Largest_Stress(en, corners, M_y * 1e6, M_z * 1e6);
            EXPECT_NEAR(std::fabs(r.line_values[WELD_CHECK_VALUE_SIGMA_X]), expected, 0.003 * expected);
        }
        SCOPED_TRACE(std::string(c.name) + " DIN");
        GeschweissterAnschluss r = Din_Record_Of(p, 5, a);
        r.partial_penetration = 1;
        r.load[ANSCHLUSS_M_Y] = 20;
        ASSERT_EQ(Calc_Anschluss_Querschnitt(&r), 0);
        const Anschluss_Nahtwerte& v = r.weld_values;
        EXPECT_NEAR(v.A_w, din.A / 100, 0.003 * din.A / 100);
        const double I[2] = {std::min(v.I_y, v.I_z), std::max(v.I_y, v.I_z)};
        const double J[2] = {std::min(din.I_yy, din.I_zz) / 1e4, std::max(din.I_yy, din.I_zz) / 1e4};
        EXPECT_NEAR(I[0], J[0], 0.003 * J[0]);
        EXPECT_NEAR(I[1], J[1], 0.003 * J[1]);
        EXPECT_NEAR(std::fabs(v.I_yz), std::fabs(din.I_yz) / 1e4, 0.003 * J[1]);
        if (std::string(c.name) == "IPN200") {
            EXPECT_NEAR(din.I_yy / 1e4, 76.98, 0.02);
        }
    }
}

}  // namespace test_rolled_throats
