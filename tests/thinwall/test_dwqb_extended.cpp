// The several-part calculation: plate outlines, section values against the
// closed forms of the plates' true outlines (area and second moments) and of
// thin-walled theory (torsion, warping, shear centre), shear flows, point
// stresses, the line records of the plastic load factor and the transfer.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "thinwall/dwqb.h"
#include "thinwall/dwqb_calc.h"
#include "thinwall/dwqb_flow.h"
#include "thinwall/dwqb_internal.h"
#include "thinwall/dwqb_outline.h"
#include "thinwall/dwqb_point.h"
#include "thinwall/dwqb_results.h"
#include "thinwall/dwqb_transfer.h"
#include "thinwall/dwqb_shapes.h"
#include "thinwall/engine_faults.h"

namespace {

const double h = 20, b = 10, tf = 1.2, tw = 0.8, t = 0.6;
const double kPi = 3.14159265358979323846;

struct Extended {
    Extended() { DWQB_Erweitert = 1; }
    ~Extended() {
        Init_DWQB_Model();
        DWQB_Erweitert = 0;
    }
};

// Area, centroid and second moments of a set of axis-parallel rectangles,
// holes with weight -1.
struct Rect {
    double y0, z0, y1, z1, weight;
};
struct Exact {
    double a, yc, zc, iy, iz;
};
Exact Of(const std::vector<Rect>& rects) {
    double a = 0, sy = 0, sz = 0, syy = 0, szz = 0;
    for (const Rect& r : rects) {
        const double ar = r.weight * (r.y1 - r.y0) * (r.z1 - r.z0);
        a += ar;
        sy += ar * (r.y0 + r.y1) / 2;
        sz += ar * (r.z0 + r.z1) / 2;
        syy += r.weight * (r.z1 - r.z0) * (std::pow(r.y1, 3) - std::pow(r.y0, 3)) / 3;
        szz += r.weight * (r.y1 - r.y0) * (std::pow(r.z1, 3) - std::pow(r.z0, 3)) / 3;
    }
    return {a, sy / a, sz / a, szz - sz * sz / a, syy - sy * sy / a};
}

void I_Section() { Build_I(h, b, tf, tw); }

// An angle of legs b (along y) and h (along z), thickness t, with the root
// radius r at the heel's inner face: values 6, 7 at a line's start, 8, 9 at
// its end, left and right of the line.
void Angle_With_Root(double r) {
    Init_DWQB_Model();
    Add_DWQB_Node(1, b, 0);
    Add_DWQB_Node(2, 0, 0);
    Add_DWQB_Node(3, 0, h);
    const double v1[9] = {t, t, 0, 0, 0, 0, 0, 0, r}, v2[9] = {t, t, 0, 0, 0, 0, r, 0, 0};
    Add_DWQB_Line(1, 0, 1, 2, v1);
    Add_DWQB_Line(2, 0, 2, 3, v2);
}
void Tube(double bb, double hh) { Build_Tube(bb, hh, t); }

struct Expected {
    Exact x;
    double it, iw, ym, zm;
    double ext[4];   // y_min, y_max, z_min, z_max
};

struct Case {
    std::string name;
    std::function<void()> build;
    Expected e;
};

Expected Tube_Expected(double bb, double hh) {
    const double am = bb * hh, per = 2 * (bb + hh);
    return {Of({{-(bb + t) / 2, -(hh + t) / 2, (bb + t) / 2, (hh + t) / 2, 1},
                {-(bb - t) / 2, -(hh - t) / 2, (bb - t) / 2, (hh - t) / 2, -1}}),
            4 * am * am * t / per + per * t * t * t / 3,   // Bredt plus the open plates
            t * bb * bb * hh * hh * (hh - bb) * (hh - bb) / (24 * (bb + hh)),
            0,
            0,
            {-(bb + t) / 2, (bb + t) / 2, -(hh + t) / 2, (hh + t) / 2}};
}

std::vector<Case> Cases() {
    const double e_ch = 3 * b * b * tf / (6 * b * tf + h * tw);   // shear centre behind the web
    return {
        {"I", I_Section,
         {Of({{-b / 2, h / 2 - tf / 2, b / 2, h / 2 + tf / 2, 1}, {-b / 2, -h / 2 - tf / 2, b / 2, -h / 2 + tf / 2, 1},
              {-tw / 2, -h / 2 + tf / 2, tw / 2, h / 2 - tf / 2, 1}}),
          (2 * b * tf * tf * tf + h * tw * tw * tw) / 3, 2 * tf * b * b * b / 12 * h * h / 4, 0, 0,
          {-b / 2, b / 2, -(h + tf) / 2, (h + tf) / 2}}},
        {"channel",
         [] { Build_Channel(h, b, tf, tw); },
         {Of({{-tw / 2, h / 2 - tf / 2, b, h / 2 + tf / 2, 1}, {-tw / 2, -h / 2 - tf / 2, b, -h / 2 + tf / 2, 1},
              {-tw / 2, -h / 2 + tf / 2, tw / 2, h / 2 - tf / 2, 1}}),
          (2 * b * tf * tf * tf + h * tw * tw * tw) / 3,
          tf * b * b * b * h * h / 12 * (3 * b * tf + 2 * h * tw) / (6 * b * tf + h * tw), -e_ch, 0,
          {-tw / 2, b, -(h + tf) / 2, (h + tf) / 2}}},
        {"angle",
         [] { Build_Angle(b, h, t); },
         {Of({{-t / 2, -t / 2, b, t / 2, 1}, {-t / 2, t / 2, t / 2, h, 1}}), (b + h) * t * t * t / 3, 0, 0, 0,
          {-t / 2, b, -t / 2, h}}},
        {"square tube", [] { Tube(b, b); }, Tube_Expected(b, b)},
        {"rectangular tube", [] { Tube(b, h); }, Tube_Expected(b, h)},
        {"plate",
         [] { Build_Plate(h, t); },
         {Of({{0, -t / 2, h, t / 2, 1}}), h * t * t * t / 3, 0, h / 2, 0, {0, h, -t / 2, t / 2}}},
    };
}

TEST(DwqbExtended, SectionValuesOfTheTrueOutlineAndOfThinWalledTheory) {
    Extended mode;
    for (const Case& c : Cases()) {
        Init_DWQB_Model();
        c.build();
        ASSERT_EQ(Calc_DWQB(), 0) << c.name;
        EXPECT_EQ(DWQB_Warnung, 0) << c.name;
        const double* q = DWQB_Querschnittswerte;
        const Expected& e = c.e;
        const double tol = 1e-9 * (1 + e.x.iy + e.x.iz);
        EXPECT_NEAR(q[DWQB_QW_A], e.x.a, 1e-10) << c.name;
        EXPECT_NEAR(q[DWQB_QW_YC], e.x.yc, 1e-10) << c.name;
        EXPECT_NEAR(q[DWQB_QW_ZC], e.x.zc, 1e-10) << c.name;
        EXPECT_NEAR(q[DWQB_QW_IY], e.x.iy, tol) << c.name;
        EXPECT_NEAR(q[DWQB_QW_IZ], e.x.iz, tol) << c.name;
        EXPECT_NEAR(q[DWQB_QW_IT], e.it, 1e-9 * (1 + e.it)) << c.name;
        EXPECT_NEAR(q[DWQB_QW_IW], e.iw, 1e-7 * (1 + e.iw)) << c.name;
        EXPECT_NEAR(q[DWQB_QW_YM], e.ym, 1e-9) << c.name;
        EXPECT_NEAR(q[DWQB_QW_ZM], e.zm, 1e-9) << c.name;
        double ext[4];
        EXPECT_EQ(Get_DWQB_Extents(&ext[0], &ext[2], &ext[1], &ext[3]), 0) << c.name;
        for (int k = 0; k < 4; k++) EXPECT_NEAR(ext[k], e.ext[k], 1e-12) << c.name << k;
        // The unit shear flows are in equilibrium with their unit forces.
        const DWQB_Teil* head = DWQB_Aktueller_Teil;
        ASSERT_NE(head, nullptr);
        if (c.name != "plate") {
            const double unit[4] = {1, 0, 0, 1};
            for (int k = 0; k < 4; k++) EXPECT_NEAR(head->v.resultants[k], unit[k], 1e-9) << c.name << k;
            // ... and act at the shear centre found from the warping.
            EXPECT_NEAR(head->v.moments[1], e.ym, 1e-9) << c.name;
            EXPECT_NEAR(head->v.moments[0], -e.zm, 1e-9) << c.name;
        }
    }
}
}  // namespace

namespace {

// Signed area of a line's plate outline walked through its active segments
// (curved ones in chords), and whether each segment starts where the last
// active one ended.
struct Polygon {
    double area = 0;
    bool closed = true;
};
int Shoelace(double y1, double z1, double y2, double z2, double, double, void* context) {
    static_cast<Polygon*>(context)->area += (y1 * z2 - y2 * z1) / 2;
    return 1;
}
Polygon Outline_Of(const DWQB_Linie* l) {
    Polygon p;
    double last_y = 0, last_z = 0;
    bool first = true;
    double first_y = 0, first_z = 0;
    for (const DWQB_Outline_Segment& g : l->outline) {
        if (!DWQB_Segment_Active(&g)) continue;
        if (first) first_y = g.y1, first_z = g.z1, first = false;
        else if (std::hypot(g.y1 - last_y, g.z1 - last_z) > 1e-9) p.closed = false;
        Walk_DWQB_Segment(&g, (g.flags & DWQB_SEG_CURVED) ? 64 : 1, Shoelace, &p);
        last_y = g.y2, last_z = g.z2;
    }
    if (std::hypot(first_y - last_y, first_z - last_z) > 1e-9) p.closed = false;
    return p;
}

}  // namespace

TEST(DwqbExtended, OutlinesOfAnIAreClosedCounterClockwiseAndSplitTheArea) {
    Extended mode;
    Init_DWQB_Model();
    I_Section();
    ASSERT_EQ(Calc_DWQB(), 0);
    // Half flange: its rectangle less the triangle the web takes at the node;
    // web: between the flanges plus the two triangles up to the nodes.
    const double flange = b / 2 * tf - tw * tf / 8, web = (h - tf) * tw + tw * tf / 2;
    const double expected[5] = {flange, flange, flange, flange, web};
    double sum = 0;
    for (int n = 1; n <= 5; n++) {
        const Polygon p = Outline_Of(Find_DWQB_Line(n));
        EXPECT_TRUE(p.closed) << n;
        EXPECT_NEAR(p.area, expected[n - 1], 1e-12) << n;
        sum += p.area;
    }
    EXPECT_NEAR(sum, DWQB_Querschnittswerte[DWQB_QW_A], 1e-12);
    // The web's faces end at the flange faces; its caps run to the node.
    const DWQB_Outline_Segment* web_seg = Find_DWQB_Line_Segments(5);
    ASSERT_NE(web_seg, nullptr);
    EXPECT_NEAR(web_seg[3].y2, tw / 2, 1e-12);
    EXPECT_NEAR(web_seg[3].z2, h / 2 - tf / 2, 1e-12);
    EXPECT_NEAR(web_seg[4].z2, h / 2, 1e-12);
    EXPECT_TRUE(web_seg[4].flags & DWQB_SEG_CAP);
    EXPECT_EQ(Find_DWQB_Line_Segments(99), nullptr);
    EXPECT_EQ(Find_DWQB_Line(5), Find_DWQB_Line(5));
}

TEST(DwqbExtended, RootRadiusOfAnAngleIsAFilletArc) {
    Extended mode;
    const double r = 1.5;
    Angle_With_Root(r);
    ASSERT_EQ(Calc_DWQB(), 0);
    const DWQB_Outline_Segment& arc = Find_DWQB_Line(1)->outline[3];
    ASSERT_TRUE(DWQB_Segment_Active(&arc));
    EXPECT_TRUE(arc.flags & DWQB_SEG_CURVED);
    // A quarter circle: 2 round(pi/8 / sqrt(0.006)) = 10 chords, raised to 20.
    EXPECT_EQ(arc.n_sub, 20);
    EXPECT_NEAR(arc.y1, t / 2 + r, 1e-9);
    EXPECT_NEAR(arc.z1, t / 2, 1e-9);
    EXPECT_NEAR(arc.y2, t / 2, 1e-9);
    EXPECT_NEAR(arc.z2, t / 2 + r, 1e-9);
    double ym, zm;
    Calc_DWQB_Segment_Point(0, &arc, &ym, &zm);
    EXPECT_NEAR(std::hypot(ym - (t / 2 + r), zm - (t / 2 + r)), r, 1e-9);
    // Both caps meet at the tangent point on line 2.
    const DWQB_Outline_Segment* s2 = Find_DWQB_Line_Segments(2);
    EXPECT_NEAR(s2[0].y2, arc.y2, 1e-9);
    EXPECT_NEAR(s2[0].z2, arc.z2, 1e-9);
    // The fillet adds the square r^2 less the quarter circle, whose area is
    // summed over 2 x 20 chords: 40 triangles of r^2 sin(pi / 80) / 2.
    const double fillet = r * r - 20 * r * r * std::sin(kPi / 80);
    const Exact x = Of({{-t / 2, -t / 2, b, t / 2, 1}, {-t / 2, t / 2, t / 2, h, 1}});
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_A], x.a + fillet, 1e-9);
    EXPECT_NEAR(fillet, r * r * (1 - kPi / 4), 0.002);
}

TEST(DwqbExtended, CollinearLinesAreCutSquareAndFormOneRun) {
    Extended mode;
    Init_DWQB_Model();
    for (int k = 0; k < 4; k++) Add_DWQB_Node(k + 1, 10.0 * k, 0);
    for (int k = 1; k <= 3; k++) Add_DWQB_Line_Constant_T(k, k, k + 1, t);
    ASSERT_EQ(Calc_DWQB(), 0);
    for (int n = 1; n <= 3; n++) {
        const DWQB_Linie* l = Find_DWQB_Line(n);
        EXPECT_NEAR(Outline_Of(l).area, 10 * t, 1e-12) << n;
        EXPECT_EQ(l->run[2], 0) << n;
        EXPECT_EQ(l->run[3], 2) << n;
        EXPECT_DOUBLE_EQ(l->run_L, 30) << n;
    }
    EXPECT_NEAR(Find_DWQB_Line(1)->outline[4].y1, 10, 1e-12);
    EXPECT_NEAR(Find_DWQB_Line(1)->outline[4].z1, -t / 2, 1e-12);
    // One chain: start flag on the first entry, end flag on the last.
    const DWQB_Teil* all = DWQB_Alle_Linien_Teil;
    ASSERT_EQ(all->n_shear_lines, 3);
    EXPECT_EQ(all->shear_lines[0].flags & 0xf0003u, DWQB_SHEAR_CHAIN_START | DWQB_SHEAR_FORWARD);
    EXPECT_EQ(all->shear_lines[2].flags & 0xf0003u, DWQB_SHEAR_CHAIN_END | DWQB_SHEAR_FORWARD);
    // A rectangular plate in V_y: shear coefficient 6/5.
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_ALPHA_Y], 1.2, 1e-9);
}

TEST(DwqbExtended, ShearLineOrderOfATubeIsOneChainFromACut) {
    Extended mode;
    Init_DWQB_Model();
    Tube(b, h);
    ASSERT_EQ(Calc_DWQB(), 0);
    const DWQB_Teil* all = DWQB_Alle_Linien_Teil;
    ASSERT_EQ(all->n_shear_lines, 4);
    EXPECT_EQ(all->shear_lines[0].flags & 0xf0000u, DWQB_SHEAR_CHAIN_START | DWQB_SHEAR_CELL_CUT);
    EXPECT_EQ(all->shear_lines[3].flags & 0xf0000u, DWQB_SHEAR_CHAIN_END);
    EXPECT_EQ(DWQB_Anzahl_Zellen, 1);
    // Bredt: the cell flow per unit torque is 1 / (2 A_m).
    double v[5];
    Calc_DWQB_Line_Shear_Values(Find_DWQB_Line(2), 0, v, 0.3, 0, 0);
    EXPECT_NEAR(v[2], 1 / (2 * b * h), 1e-12);
}

TEST(DwqbExtended, UnitStressesAtAPointOfTheI) {
    Extended mode;
    Init_DWQB_Model();
    I_Section();
    ASSERT_EQ(Calc_DWQB(), 0);
    const Exact x = Of({{-b / 2, h / 2 - tf / 2, b / 2, h / 2 + tf / 2, 1}, {-b / 2, -h / 2 - tf / 2, b / 2, -h / 2 + tf / 2, 1},
                        {-tw / 2, -h / 2 + tf / 2, tw / 2, h / 2 - tf / 2, 1}});
    // Centre-line (thin-walled) values for the flows and warping.
    const double iz_thin = 2 * tf * b * b * b / 12, iy_thin = tw * h * h * h / 12 + b * tf * h * h / 2;
    const double it = (2 * b * tf * tf * tf + h * tw * tw * tw) / 3, iw = iz_thin * h * h / 4;
    const double y = b / 4, z = h / 2 + tf / 2;   // top face of the right top flange
    DWQB_Punkt p;
    ASSERT_EQ(Calc_DWQB_Strain_State(2, y, z, 0, 1, 0, 0, 0, 0, 2, 0, 0, &p), 1);
    EXPECT_NEAR(p.xi, 0, 1e-12);
    EXPECT_NEAR(p.eta, 1, 1e-12);
    EXPECT_NEAR(p.c[0], 1 / x.a, 1e-12);
    EXPECT_NEAR(p.c[1], z / x.iy, 1e-12);
    EXPECT_NEAR(p.c[2], -y / x.iz, 1e-12);
    // Flange flows from the tip: V_y gives (b^2/4 - y^2) / (2 I_z), V_z
    // (b/2 - y) h / (2 I_y), both outwards (along the line).
    EXPECT_NEAR(p.c[3], (b * b / 4 - y * y) / (2 * iz_thin), 1e-12);
    EXPECT_NEAR(p.c[4], (b / 2 - y) * h / (2 * iy_thin), 1e-12);
    EXPECT_NEAR(p.c[5], -tf / it, 1e-12);
    // Sectorial coordinate about the shear centre: -h y / 2 on the top flange.
    EXPECT_NEAR(p.omega, -h * y / 2, 1e-9);
    EXPECT_NEAR(p.c[6], -h * y / 2 / iw, 1e-12);
    EXPECT_NEAR(std::fabs(p.c[7]), h * (b * b / 4 - y * y) / (4 * iw), 1e-12);
    const double forces[8] = {10, 200, 0, 5, 0, 0, 0, 0};
    double out[3];
    ASSERT_EQ(Calc_Line_Stress(&p, forces, out), 1);
    EXPECT_NEAR(out[0], 10 * p.c[0] + 200 * p.c[1], 1e-12);
    EXPECT_NEAR(out[1], 5 * p.c[3], 1e-12);
    EXPECT_NEAR(out[2], std::sqrt(out[0] * out[0] + 3 * out[1] * out[1]), 1e-12);
    p.flags = 7;
    Calc_Line_Stress(&p, forces, out);
    EXPECT_EQ(out[2], 0);
    double ty, tz;
    EXPECT_EQ(Transform_DWQB_Point(3, 1, 2, &ty, &tz), 0);
    EXPECT_EQ(ty, 1);
    // Extreme unit flows of the summary, negated: the largest is V_y at the
    // flanges' middle (above the web's V_z at mid-height), the least V_z
    // leaving the web into the left flanges against their direction.
    const double q_vy = tf * b * b / 8 / iz_thin, q_web = (b * tf * h / 2 + tw * h * h / 8) / iy_thin;
    EXPECT_GT(q_vy, q_web);
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_Q_MIN], -q_vy, 1e-12);
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_Q_MAX], tf * b * h / 4 / iy_thin, 1e-12);
    // Extreme normal-stress coefficients over the outline.
    double lo[3], hi[3];
    Walk_DWQB_Line_Extremes(0, 0, 0, 1, 0, lo, hi);
    EXPECT_NEAR(hi[1], (h + tf) / 2 / x.iy, 1e-12);
    EXPECT_NEAR(lo[2], -b / 2 / x.iz, 1e-12);
    EXPECT_NEAR(lo[0], 1 / x.a, 1e-12);
    DWQB_Werte w;
    ASSERT_EQ(Get_DWQB_Section_Values(&w), 1);
    EXPECT_EQ(w.n_parts, 1);
    EXPECT_NEAR(w.w[21], x.a, 1e-12);
    EXPECT_NEAR(w.w[69], it, 1e-12);
    EXPECT_NEAR(w.w[60], iw, 1e-7);
}

TEST(DwqbExtended, FailuresAreReportedNotPassedOver) {
    Extended mode;
    // A result buffer that cannot be had: a status, no current part.
    Init_DWQB_Model();
    I_Section();
    void* (*saved)(void*, size_t) = dwqb_buffer_realloc;
    _Release_Result_Buffer();
    dwqb_buffer_realloc = [](void*, size_t) -> void* { return nullptr; };
    Init_DWQB_Model();
    Tube(b + 7, h + 7);
    for (int k = 5; k <= 40; k++) Add_DWQB_Node(k, 100 + k, 0);
    for (int k = 5; k < 40; k++) Add_DWQB_Line_Constant_T(k, k, k + 1, t);
    EXPECT_EQ(Calc_DWQB(), DWQB_STATUS_NO_MEMORY);
    EXPECT_EQ(DWQB_Aktueller_Teil, nullptr);
    DWQB_Werte w;
    EXPECT_EQ(Get_DWQB_Section_Values(&w), 0);
    dwqb_buffer_realloc = saved;
    // Two lines joining the same nodes: the topology is broken, the
    // calculation goes on and says so.
    Init_DWQB_Model();
    Add_DWQB_Node(1, 0, 0);
    Add_DWQB_Node(2, 10, 0);
    Add_DWQB_Line_Constant_T(1, 1, 2, t);
    Add_DWQB_Line_Constant_T(2, 1, 2, t);
    EXPECT_EQ(Calc_DWQB(), 0);
    EXPECT_NE(DWQB_Warnung & DWQB_WARN_TOPOLOGY, 0);
    // A snapshot that overflowed is not transferred.
    Init_DWQB_Model();
    for (int k = 1; k <= 102; k++) Add_DWQB_Node(k, k, 0);
    for (int k = 1; k < 102; k++) Add_DWQB_Line_Constant_T(k, k, k + 1, t);
    ASSERT_EQ(Calc_DWQB(), 0);
    EXPECT_EQ(DWQB_Tabellen.overflow, 1);
    EXPECT_EQ(Transfer_DWQB_Line_Results(), DWQB_TRANSFER_MISSING_LINE);
    EXPECT_EQ(Transfer_DWQB_Line_Kinds(), DWQB_TRANSFER_MISSING_KIND);
}

TEST(DwqbExtended, TransferGivesThePointCoefficients) {
    Extended mode;
    Init_DWQB_Model();
    I_Section();
    ASSERT_EQ(Calc_DWQB(), 0);
    ASSERT_EQ(DWQB_Tabellen.n_lines, 5);
    ASSERT_EQ(Transfer_DWQB_Line_Results(), 0);
    const Profil_DWQB_Linienwerte_Record& s = Profil_DWQB_Linienwerte;
    EXPECT_EQ(s.n33, 165);
    // Line 2 (position 1), point k = 5 (xi = 0), face on the positive normal
    // side: the top face at y = b/4.
    const int at = 33 * 1 + 3 * 5 + 1;
    EXPECT_NEAR(s.planes[PROFIL_PLANE_Y][at], b / 4, 1e-12);
    EXPECT_NEAR(s.planes[PROFIL_PLANE_Z][at], h / 2 + tf / 2, 1e-12);
    DWQB_Punkt p;
    Calc_DWQB_Strain_State(2, b / 4, h / 2 + tf / 2, 0, 1, 0, 0, 1, 0, 2, 0, 0, &p);
    const int planes[8] = {PROFIL_PLANE_N, PROFIL_PLANE_M1, PROFIL_PLANE_M2, PROFIL_PLANE_V1,
                           PROFIL_PLANE_V2, PROFIL_PLANE_MX, PROFIL_PLANE_B, PROFIL_PLANE_MW};
    for (int k = 0; k < 8; k++) EXPECT_NEAR(s.planes[planes[k]][at], p.c[k], 1e-12) << k;
    // Every plate run of the I ends at a supported and a free node.
    ASSERT_EQ(Transfer_DWQB_Line_Kinds(), 0);
    EXPECT_EQ(s.support_kind[4], 2);   // the web: both ends supported
    // The web's run ends at the flanges' faces, tf / 2 short of each node;
    // a half flange at the web's face, tw / 2 short of its node.
    EXPECT_NEAR(s.reduction[4][0], tf / 2 / h, 1e-12);
    EXPECT_NEAR(s.reduction[4][1], tf / 2 / h, 1e-12);
    EXPECT_EQ(s.support_kind[0], 0);
    EXPECT_NEAR(s.reduction[0][1], tw / 2 / (b / 2), 1e-12);
}

// The c/t of a run is that of its clear width: the run less the other
// plates' half thicknesses and the root fillets at its supported ends. An I
// (flange centres h apart, r at the four junctions): web c = h - t_f - 2 r,
// half flange c = (b - t_w)/2 - r from its tip. An angle of two legs b and
// h (thickness t, r at the heel's inner face): c = b - t/2 - r and
// h - t/2 - r.
TEST(DwqbExtended, TransferGivesTheClearWidthOfEveryRun) {
    Extended mode;
    const double r = 1.5;
    Init_DWQB_Model();
    Add_I_Nodes(h, b);
    // the fillet on the web's side of each half flange, both sides of the web
    const double f1[9] = {tf, tf, 0, 0, 0, 0, 0, 0, r}, f2[9] = {tf, tf, 0, 0, 0, 0, r, 0, 0};
    const double f3[9] = {tf, tf, 0, 0, 0, 0, 0, r, 0}, f4[9] = {tf, tf, 0, 0, 0, r, 0, 0, 0};
    const double web[9] = {tw, tw, 0, 0, 0, r, r, r, r};
    Add_DWQB_Line(1, 0, 1, 2, f1);
    Add_DWQB_Line(2, 0, 2, 3, f2);
    Add_DWQB_Line(3, 0, 4, 5, f3);
    Add_DWQB_Line(4, 0, 5, 6, f4);
    Add_DWQB_Line(5, 0, 5, 2, web);
    ASSERT_EQ(Calc_DWQB(), 0);
    ASSERT_EQ(Transfer_DWQB_Line_Results(), 0);
    ASSERT_EQ(Transfer_DWQB_Line_Kinds(), 0);
    const Profil_DWQB_Linienwerte_Record& s = Profil_DWQB_Linienwerte;
    EXPECT_EQ(s.support_kind[4], 2);
    EXPECT_NEAR(s.ratio[4], (h - tf - 2 * r) / tw, 1e-9);
    for (int i = 0; i < 4; i++) EXPECT_NEAR(s.ratio[i], ((b - tw) / 2 - r) / tf, 1e-9) << i;
    // the web's end stresses are taken where c ends
    EXPECT_NEAR(s.reduction[4][0], (tf / 2 + r) / h, 1e-9);

    Angle_With_Root(r);
    ASSERT_EQ(Calc_DWQB(), 0);
    ASSERT_EQ(Transfer_DWQB_Line_Results(), 0);
    ASSERT_EQ(Transfer_DWQB_Line_Kinds(), 0);
    EXPECT_NEAR(s.ratio[0], (b - t / 2 - r) / t, 1e-9);
    EXPECT_NEAR(s.ratio[1], (h - t / 2 - r) / t, 1e-9);
}

// A rolled hollow section's wall: corners of outer radius 1.5 t and inner
// radius t about the centre-line corner (b, h between the centre lines).
// Its clear width is the outer flat, b + t - 2 1.5 t = b - 2 t, the width
// of EN's b_out - 3 t, not the inner flat b - 3 t.
TEST(DwqbExtended, ClearWidthOfAHollowSectionIsItsOuterFlat) {
    Extended mode;
    const double B = 10, H = 16;
    Init_DWQB_Model();
    Add_DWQB_Node(1, -B / 2, -H / 2);
    Add_DWQB_Node(2, B / 2, -H / 2);
    Add_DWQB_Node(3, B / 2, H / 2);
    Add_DWQB_Node(4, -B / 2, H / 2);
    // the cell lies on the left of each line (anticlockwise)
    const double v[9] = {t, t, 0, 0, 0, t, 1.5 * t, t, 1.5 * t};
    for (int k = 1; k <= 4; k++) Add_DWQB_Line(k, 0, k, k % 4 + 1, v);
    ASSERT_EQ(Calc_DWQB(), 0);
    ASSERT_EQ(Transfer_DWQB_Line_Results(), 0);
    ASSERT_EQ(Transfer_DWQB_Line_Kinds(), 0);
    const Profil_DWQB_Linienwerte_Record& s = Profil_DWQB_Linienwerte;
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(s.support_kind[i], 2);
        EXPECT_NEAR(s.ratio[i], ((i % 2 ? H : B) - 2 * t) / t, 1e-9) << i;
    }
}

TEST(DwqbExtended, ArcRecordOfThePlasticLoadFactorIsCutInPieces) {
    Extended mode;
    Init_DWQB_Model();
    // Chord 10, half opening angle pi/4: sagitta R (1 - cos), R = 5 / sin.
    const double r = 5 / std::sin(kPi / 4), f = r * (1 - std::cos(kPi / 4));
    Add_DWQB_Node(1, 0, 0);
    Add_DWQB_Node(2, 10, 0);
    const double v[9] = {t, t, f, 0, 0, 0, 0, 0, 0};
    Add_DWQB_Line(1, 0, 1, 2, v);
    ASSERT_EQ(Calc_DWQB(), 0);
    DWQB_PLO_Linie rec{};
    ASSERT_EQ(Fill_DWQB_PLO_Record(Find_DWQB_Line(1), &rec), 1);
    const double area = t * r * kPi / 2;
    EXPECT_NEAR(rec.area, area, 1e-9);
    ASSERT_NE(rec.sub, nullptr);
    ASSERT_EQ(rec.sub->count, 4);
    for (int i = 0; i < 4; i++) {
        const DWQB_PLO_Linie& p = rec.sub->records[i];
        EXPECT_NEAR(p.area, area / 4, 1e-9) << i;
        EXPECT_NEAR(p.inv_area_y, 4 * rec.inv_area_y, 1e-12) << i;
        EXPECT_NEAR(p.inv_area_z, 4 * rec.inv_area_z, 1e-12) << i;
        EXPECT_NEAR(p.torsion_factor, 4 * rec.torsion_factor, 1e-12) << i;
    }
    DWQB_PLO_Block list{&rec, 1, 1};
    const double before = rec.vy_y, before_piece = rec.sub->records[0].vy_y;
    Add_DWQB_PLO_Record_Moments(&list, 2, 0, 0, 0);
    EXPECT_NEAR(rec.vy_y, before + 2 * area, 1e-9);
    EXPECT_NEAR(rec.sub->records[0].vy_y, before_piece + 2 * area / 4, 1e-9);
    EXPECT_EQ(Fill_DWQB_PLO_Record_Callback(&list, Find_DWQB_Line(1)), 0);   // the list is full
    Free_DWQB_PLO_Linie_Children(&rec);
    EXPECT_EQ(rec.sub, nullptr);
}

TEST(DwqbExtended, FreeEndFilletRoundsTheCornerOfTheFaceAndTheCap) {
    Extended mode;
    const double r = 0.5, tt = 2;
    Init_DWQB_Model();
    Add_DWQB_Node(1, 0, 0);
    Add_DWQB_Node(2, 10, 0);
    const double v[9] = {tt, tt, 0, 0, 0, 0, 0, r, 0};   // node b, left face (z = +1)
    Add_DWQB_Line(1, 0, 1, 2, v);
    ASSERT_EQ(Calc_DWQB(), 0);
    EXPECT_EQ(DWQB_Warnung, 0);
    const DWQB_Outline_Segment* o = Find_DWQB_Line_Segments(1);
    ASSERT_TRUE(DWQB_Segment_Active(&o[6]));
    EXPECT_TRUE(o[6].flags & DWQB_SEG_CURVED);
    EXPECT_NEAR(o[6].y1, 10, 1e-9);
    EXPECT_NEAR(o[6].z1, tt / 2 - r, 1e-9);
    EXPECT_NEAR(o[6].y2, 10 - r, 1e-9);
    EXPECT_NEAR(o[6].z2, tt / 2, 1e-9);
    EXPECT_NEAR(o[5].y2, o[6].y1, 1e-12);
    EXPECT_NEAR(o[5].z2, o[6].z1, 1e-12);
    const Polygon p = Outline_Of(Find_DWQB_Line(1));
    EXPECT_TRUE(p.closed);
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_A], 10 * tt - (r * r - 20 * r * r * std::sin(kPi / 80)), 1e-9);
}

// A toe radius larger than half the plate (a 1.6 toe on a 2 thick plate, as
// a 6 mm toe on a 10 mm angle leg) still rounds the corner: the arc ends on
// the far half of the end edge and takes the spandrel off.
TEST(DwqbExtended, FreeEndFilletLargerThanHalfThePlate) {
    Extended mode;
    const double r = 1.6, tt = 2;
    Init_DWQB_Model();
    Add_DWQB_Node(1, 0, 0);
    Add_DWQB_Node(2, 10, 0);
    const double v[9] = {tt, tt, 0, 0, 0, 0, 0, r, 0};
    Add_DWQB_Line(1, 0, 1, 2, v);
    ASSERT_EQ(Calc_DWQB(), 0);
    EXPECT_EQ(DWQB_Outline_Warnung, 0);
    EXPECT_TRUE(Outline_Of(Find_DWQB_Line(1)).closed);
    // The spandrel (1 - pi/4) r^2, its arc of 2 x 20 chords.
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_A], 10 * tt - (r * r - 20 * r * r * std::sin(kPi / 80)), 1e-9);
}

// A square tube on its centre lines (side 10, wall 1) with the inner corner
// radius 1 on the inner (left) faces and the outer radius 1.5 on the outer
// (right) faces: the outer corners are cut off by arcs about centres in the
// walls. Area of the outline (EN 10210-2): (s + t)^2 - (s - t)^2 -
// (4 - pi) (r_o^2 - r_i^2) = 121 - 81 - 0.858407 * 1.25 = 38.92699; the
// arcs are chords (at least 20 a quarter), hence the tolerance.
TEST(DwqbExtended, OuterCornersOfATubeAreRoundedAboutCentresInTheWalls) {
    Extended mode;
    const double ri = 1, ro = 1.5, wall = 1;
    Init_DWQB_Model();
    Add_DWQB_Node(1, 0, 0);
    Add_DWQB_Node(2, 10, 0);
    Add_DWQB_Node(3, 10, 10);
    Add_DWQB_Node(4, 0, 10);
    const double v[9] = {wall, wall, 0, 0, 0, ri, ro, ri, ro};
    for (int k = 1; k <= 4; k++) Add_DWQB_Line(k, 0, k, k % 4 + 1, v);
    ASSERT_EQ(Calc_DWQB(), 0);
    EXPECT_EQ(DWQB_Outline_Warnung, 0);
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_A], 40 - (4 - kPi) * (ro * ro - ri * ri), 3e-3);
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_YC], 5, 1e-9);
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_ZC], 5, 1e-9);
    // The outer arc of a corner is shared by its two walls at the bisector.
    for (int k = 1; k <= 4; k++) EXPECT_TRUE(Outline_Of(Find_DWQB_Line(k)).closed) << k;
    const DWQB_Outline_Segment& half = Find_DWQB_Line(1)->outline[3];
    ASSERT_TRUE(half.flags & DWQB_SEG_CURVED);
    const double c = 10 + wall / 2 - ro;  // centre of the outer arc at node 2
    EXPECT_NEAR(std::hypot(half.y2 - c, half.z2 + c - 10), ro, 1e-9);
    EXPECT_NEAR(half.y2 - c, -(half.z2 + c - 10), 1e-9);

    // Radii of one corner that disagree (a caller's fault) are averaged and
    // counted as an outline warning.
    Init_DWQB_Model();
    Add_DWQB_Node(1, 0, 0);
    Add_DWQB_Node(2, 10, 0);
    Add_DWQB_Node(3, 10, 10);
    const double v1[9] = {wall, wall, 0, 0, 0, 0, 0, 1, 0}, v2[9] = {wall, wall, 0, 0, 0, 0, 0, 0, 0};
    Add_DWQB_Line(1, 0, 1, 2, v1);
    Add_DWQB_Line(2, 0, 2, 3, v2);
    const char* line = "_Line_Outline(2->1): rad_l = 0.000 != rad_r = 1.000\n";
    // The engine writes nothing: without a reporter the fault stays, with its
    // code, for the caller.
    Clear_Engine_Faults();
    testing::internal::CaptureStdout();
    ASSERT_EQ(Calc_DWQB(), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(DWQB_Outline_Warnung, 1);
    ASSERT_EQ(Count_Engine_Faults(), 1);
    EXPECT_EQ(Engine_Fault_Code_At(0), ENGINE_FAULT_RADII);
    EXPECT_STREQ(Engine_Fault_Text_At(0), line);
    Clear_Engine_Faults();
    // With the program's reporter the fault waits for the end of the
    // outermost engine call and is handed over then.
    static std::string reported;
    reported.clear();
    const Engine_Fault_Reporter previous = Set_Engine_Fault_Reporter([](Engine_Fault_Code code, const char* text) {
        reported += std::to_string(code) + " " + text;
    });
    {
        const Engine_Call call;
        ASSERT_EQ(Calc_DWQB(), 0);
        ASSERT_EQ(Count_Engine_Faults(), 1);
        EXPECT_EQ(reported, "");
    }
    Set_Engine_Fault_Reporter(previous);
    EXPECT_EQ(reported, std::to_string(ENGINE_FAULT_RADII) + " " + line);
    EXPECT_EQ(Count_Engine_Faults(), 0);
    EXPECT_EQ(Count_Dropped_Engine_Faults(), 0);
}

TEST(DwqbExtended, PartsAndChainsOfSeparatePlates) {
    struct {
        int extended, status, parts, entries;
    } cases[] = {{0, DWQB_STATUS_NOT_CONNECTED, 0, 0}, {1, 0, 2, 2}};
    for (const auto& c : cases) {
        DWQB_Erweitert = c.extended;
        Init_DWQB_Model();
        Add_DWQB_Node(1, 0, 0);
        Add_DWQB_Node(2, 10, 0);
        Add_DWQB_Node(3, 0, 5);
        Add_DWQB_Node(4, 10, 5);
        Add_DWQB_Line_Constant_T(1, 1, 2, t);
        Add_DWQB_Line_Constant_T(2, 3, 4, t);
        EXPECT_EQ(Calc_DWQB(), c.status) << c.extended;
        if (!c.extended) {
            EXPECT_EQ(DWQB_Aktueller_Teil, nullptr);
            continue;
        }
        ASSERT_NE(DWQB_Aktueller_Teil, nullptr);
        EXPECT_EQ(DWQB_Aktueller_Teil->n_members, c.parts);
        const DWQB_Teil* all = DWQB_Alle_Linien_Teil;
        ASSERT_EQ(all->n_shear_lines, c.entries);
        for (int k = 0; k < c.entries; k++)
            EXPECT_EQ(all->shear_lines[k].flags & 0xf0003u, DWQB_SHEAR_CHAIN_START | DWQB_SHEAR_CHAIN_END | DWQB_SHEAR_FORWARD);
        // Two plates 5 apart: I_y about the common centroid by Steiner.
        EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_IY], 2 * (10 * t * t * t / 12 + 10 * t * 2.5 * 2.5), 1e-9);
    }
    Init_DWQB_Model();
    DWQB_Erweitert = 0;
}

TEST(DwqbExtended, ShearCentreOfAHalfCircle) {
    Extended mode;
    const double r = 10;
    Init_DWQB_Model();
    Add_DWQB_Node(1, 0, r);
    Add_DWQB_Node(2, 0, -r);
    const double v[9] = {t, t, r, 0, 0, 0, 0, 0, 0};   // bulging towards +y
    Add_DWQB_Line(1, 0, 1, 2, v);
    ASSERT_EQ(Calc_DWQB(), 0);
    const double* q = DWQB_Querschnittswerte;
    // Thin-walled theory: 4 r / pi from the centre, beyond the arc.
    EXPECT_NEAR(q[DWQB_QW_YM], 4 * r / kPi, 1e-6);
    EXPECT_NEAR(q[DWQB_QW_ZM], 0, 1e-9);
    EXPECT_NEAR(q[DWQB_QW_IT], kPi * r * t * t * t / 3, 1e-9);
    // Half annulus with its arcs in 40 chords each: 40 fans of
    // (r_o^2 - r_i^2) sin(pi / 40) / 2.
    EXPECT_NEAR(q[DWQB_QW_A], 40 * r * t * std::sin(kPi / 40), 1e-9);
    EXPECT_NEAR(q[DWQB_QW_Y_MAX], r + t / 2, 1e-12);
}

TEST(DwqbExtended, PlatePointsAndTheOutlineUpToACut) {
    Extended mode;
    Init_DWQB_Model();
    Build_Plate(10, 2);
    ASSERT_EQ(Calc_DWQB(), 0);
    const DWQB_Linie* l = Find_DWQB_Line(1);
    const struct {
        double s, u, y, z;
    } points[] = {{0, 0, 5, 0}, {0.5, -1, 7.5, -1}, {-0.5, 1, 2.5, 1}, {1, -0.5, 10, -0.5}};
    for (const auto& p : points) {
        double y, z, s, u;
        Calc_DWQB_Line_Plate_Point(l, p.s, p.u, &y, &z);
        EXPECT_NEAR(y, p.y, 1e-12) << p.s << " " << p.u;
        EXPECT_NEAR(z, p.z, 1e-12) << p.s << " " << p.u;
        Calc_DWQB_Line_Coordinates(l, p.y, p.z, &s, &u);
        EXPECT_NEAR(s, p.s, 1e-12);
        EXPECT_NEAR(u, p.u, 1e-12);
    }
    // The plate up to s = 0, closed through the centre line at the cut.
    Polygon half;
    EXPECT_EQ(Walk_DWQB_Line_Outline_Cut(l, 0, Shoelace, &half), 1);
    EXPECT_NEAR(half.area, 5 * 2, 1e-12);
    EXPECT_EQ(Walk_DWQB_Line_Outline_Cut(nullptr, 0, Shoelace, &half), 0);
    int kind;
    double rot_a, t_b;
    EXPECT_EQ(Get_DWQB_Line_Data(1, &kind, &rot_a, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &t_b), 1);
    EXPECT_EQ(t_b, 2);
    EXPECT_EQ(Get_DWQB_Line_Data(2, &kind, &rot_a, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &t_b), 0);
}

TEST(DwqbOutline, ExtentsOfAnUncomputedModelFromTheCentreLines) {
    const struct {
        double y2, z2, e[4];   // y_min, z_min, y_max, z_max
    } cases[] = {{10, 0, {0, -1, 10, 1}}, {0, 10, {-1, 0, 1, 10}}};
    for (const auto& c : cases) {
        Init_DWQB_Model();
        Add_DWQB_Node(1, 0, 0);
        Add_DWQB_Node(2, c.y2, c.z2);
        Add_DWQB_Line_Constant_T(1, 1, 2, 2);
        double e[4];
        EXPECT_EQ(Get_DWQB_Extents(&e[0], &e[1], &e[2], &e[3]), 1);
        for (int k = 0; k < 4; k++) EXPECT_NEAR(e[k], c.e[k], 1e-12) << k;
    }
    Init_DWQB_Model();
}

TEST(DwqbExtended, SeparatePartsTwistAboutTheirCommonShearCentre) {
    Extended mode;
    const double yp = 30, lp = 16, zp = 13;   // a vertical plate beside the channel, higher up
    Init_DWQB_Model();
    Build_Channel(h, b, tf, tw);
    Add_DWQB_Node(5, yp, zp - lp / 2);
    Add_DWQB_Node(6, yp, zp + lp / 2);
    Add_DWQB_Line_Constant_T(4, 5, 6, t);
    ASSERT_EQ(Calc_DWQB(), 0);
    ASSERT_EQ(DWQB_Aktueller_Teil->n_members, 2);
    // Each part bends about its own centroid and shares the twist: V_z goes
    // to the parts by their I_y, so the common centre is the I_y-weighted
    // mean of the parts' shear centres (channel: e behind the web; plate:
    // its middle); V_y goes by I_z, which the plate has none of, so z_M is
    // the channel's. The warping constant grows by each part's distance
    // squared times its I_y (the pole-shift rule; the cross terms vanish at
    // a part's own shear centre).
    const double e = 3 * b * b * tf / (6 * b * tf + h * tw);
    const double iw_ch = tf * b * b * b * h * h / 12 * (3 * b * tf + 2 * h * tw) / (6 * b * tf + h * tw);
    const double iy_ch = tw * h * h * h / 12 + 2 * b * tf * h * h / 4, iy_pl = t * lp * lp * lp / 12;
    const double ym = (iy_ch * -e + iy_pl * yp) / (iy_ch + iy_pl);
    const double* q = DWQB_Querschnittswerte;
    EXPECT_NEAR(q[DWQB_QW_YM], ym, 1e-9);
    EXPECT_NEAR(q[DWQB_QW_ZM], 0, 1e-9);
    EXPECT_NEAR(q[DWQB_QW_IW], iw_ch + (ym + e) * (ym + e) * iy_ch + (ym - yp) * (ym - yp) * iy_pl, 1e-7 * iw_ch);
}

TEST(DwqbExtended, GivenValuesProtectedByTheOptionBits) {
    Extended mode;
    const struct {
        uint32_t options;
        int position;
        double given, expected;   // expected < 0: the computed value stays
    } cases[] = {
        {DWQB_OPT_GIVEN_IT, DWQB_QW_IT, 50, 50},
        {DWQB_OPT_GIVEN_IT, DWQB_QW_IT, 0, -1},
        {DWQB_OPT_GIVEN_IW, DWQB_QW_IW, 1234, 1234},
        {DWQB_OPT_GIVEN_PLASTIC, DWQB_QW_WPL_Y, 77, -1},   // needs both moduli
    };
    for (const auto& c : cases) {
        Init_DWQB_Model();
        Build_I(h, b, tf, tw);
        ASSERT_EQ(Calc_DWQB(), 0);
        const double computed = DWQB_Querschnittswerte[c.position];
        Init_DWQB_Model();
        Build_I(h, b, tf, tw);
        DWQB_Optionen = c.options;
        DWQB_Querschnittswerte[c.position] = c.given;
        ASSERT_EQ(Calc_DWQB(), 0);
        EXPECT_DOUBLE_EQ(DWQB_Querschnittswerte[c.position], c.expected < 0 ? computed : c.expected) << c.position;
    }
    // Given section values with the principal axes on y and z: the axis
    // moments are the principal moments.
    Init_DWQB_Model();
    Build_I(h, b, tf, tw);
    DWQB_Optionen = DWQB_OPT_GIVEN_VALUES;
    double* q = DWQB_Querschnittswerte;
    q[DWQB_QW_A] = 40, q[DWQB_QW_I1] = 3000, q[DWQB_QW_I2] = 250;
    ASSERT_EQ(Calc_DWQB(), 0);
    EXPECT_EQ(q[DWQB_QW_A], 40);
    EXPECT_EQ(q[DWQB_QW_IY], 3000);
    EXPECT_EQ(q[DWQB_QW_IZ], 250);
    EXPECT_EQ(q[DWQB_QW_IYZ], 0);
    DWQB_Punkt p;
    Calc_DWQB_Strain_State(2, b / 2, h / 2, 0, 1, 0, 0, 0, 0, 2, 0, 0, &p);
    EXPECT_NEAR(p.c[0], 1.0 / 40, 1e-15);
    EXPECT_NEAR(p.c[1], h / 2 / 3000, 1e-15);
}

TEST(DwqbClassic, TransferOfTheOnePartCalculation) {
    Init_DWQB_Model();
    Build_I(h, b, tf, tw);
    ASSERT_EQ(Calc_DWQB(), 0);
    ASSERT_EQ(Fill_DWQB_Tabellen(), 0);
    ASSERT_EQ(Transfer_DWQB_Line_Results(), 0);
    const Profil_DWQB_Linienwerte_Record& s = Profil_DWQB_Linienwerte;
    const double* q = DWQB_Querschnittswerte;
    // Line 2, point k = 5 (middle), face on the positive normal side (+z).
    const int at = 33 * 1 + 3 * 5 + 1;
    EXPECT_NEAR(s.planes[PROFIL_PLANE_Y][at], b / 4, 1e-6);
    EXPECT_NEAR(s.planes[PROFIL_PLANE_Z][at], h / 2 + tf / 2, 1e-6);
    EXPECT_NEAR(s.planes[PROFIL_PLANE_N][at], 1 / q[DWQB_QW_A], 1e-12);
    EXPECT_NEAR(s.planes[PROFIL_PLANE_M1][at], (h / 2 + tf / 2) / q[DWQB_QW_I1], 1e-9);
    EXPECT_NEAR(s.planes[PROFIL_PLANE_MX][at], -tf / q[DWQB_QW_IT], 1e-6);
    // Empty snapshot: nothing to copy.
    Init_DWQB_Model();
    EXPECT_EQ(Transfer_DWQB_Line_Results(), 0);
    EXPECT_EQ(Transfer_DWQB_Line_Kinds(), 0);
}
