// Plastic limit load factor of a line model: the line list, the part tree
// and TSG table, the factor of an I under bending and under bending with
// shear against hand values, the outline mesh counts, the node stresses and
// the report.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <regex>
#include <string>

#include "base/cp850.h"
#include "thinwall/dwqb.h"
#include "thinwall/dwqb_calc.h"
#include "thinwall/dwqb_outline.h"
#include "thinwall/dwqbtri.h"
#include "thinwall/plo.h"
#include "thinwall/section_work.h"
#include "thinwall/tsg.h"
#include "dwqb_shapes.h"
#include "support/testutil.h"

namespace test_plo {
namespace {

struct Extended {
    Extended() { DWQB_Erweitert = 1; }
    ~Extended() {
        Init_DWQB_Model();
        DWQB_Erweitert = 0;
    }
};

// I of centre-line depth 40, flanges 20 x 2, web 1 (cm); f = 23.5 kN/cm².
constexpr double h = 40, b = 20, tf = 2, tw = 1, fy = 23.5;
const double kP[7] = {0, fy, 21000, 0, 0, 0, 1.0};

void I_Model() {
    Init_DWQB_Model();
    Build_I(h, b, tf, tw);
    ASSERT_EQ(Calc_DWQB(), 0);
}

PLO_Optionen Options() {
    PLO_Optionen o{};
    o.tol = 0.001, o.L = 100;
    return o;
}

// Plate outlines of the I: the flanges 20 x 2 about z = +-20; the web 1 x 38
// between them plus, at each end, the triangle (+-0.5, 19), (0, 20) cut from
// the junction. Plastic first moments about z = 0 over f:
//   web    2 (19² / 2 + 0.5 (19 + 1/3)) = 380.333
//   flanges 2 x 20 x 2 x 20 - 2 x 0.5 (19 + 1/3) = 1580.667
const double kWeb = 2 * (19 * 19 / 2.0 + 0.5 * (19 + 1 / 3.0)), kFlanges = 1600 - 2 * 0.5 * (19 + 1 / 3.0);

TEST(Plo, LineListOfTheIHoldsUnitShearForcesAndKeepsItsAllocation) {
    Extended mode;
    I_Model();
    DWQB_PLO_Liste* l = nullptr;
    ASSERT_EQ(Build_DWQB_PLO_Liste(&l, 12), 1);
    ASSERT_EQ(l->block.count, 5);
    EXPECT_EQ(l->block.capacity, 12);
    EXPECT_NEAR(l->sums[0], 1, 1e-9);  // unit V_y carried along y
    EXPECT_NEAR(l->sums[5], 1, 1e-9);
    EXPECT_NEAR(l->sums[1], 0, 1e-9);
    EXPECT_NEAR(l->sums[4], 0, 1e-9);
    // V_z = 1: half flange q = V_z tf (h/2) s / I_y, resultant tf (h/2) 50 / I_y
    // with I_y = 2 b tf (h/2)² + tw h³ / 12; the web takes all of V_z.
    const double Iy = 2 * b * tf * 400 + tw * h * h * h / 12, flange = tf * 20 * 50 / Iy;
    EXPECT_EQ(Sort_DWQB_PLO_Liste(l), 5);
    for (int i = 0; i < 5; i++) {
        const DWQB_PLO_Linie& r = l->block.records[i];
        EXPECT_EQ(r.number, i + 1);
        EXPECT_NEAR(std::fabs(r.vz_y), i < 4 ? flange : 0, 1e-9) << i;
        EXPECT_NEAR(r.vz_z, i < 4 ? 0 : 1, 1e-9) << i;
    }
    DWQB_PLO_Liste* kept = l;
    ASSERT_EQ(Build_DWQB_PLO_Liste(&l, 10), 1);
    EXPECT_EQ(l, kept);
    ASSERT_EQ(Build_DWQB_PLO_Liste(&l, 14), 1);
    EXPECT_EQ(l->block.capacity, 14);
    Free_DWQB_PLO_Liste(l);
    EXPECT_EQ(Build_DWQB_PLO_Liste(nullptr, 0), 0);
}

TEST(Plo, PartTreeCountsLeavesAndTheTableHoldsTheResiduals) {
    DWQB_PLO_Linie leaves[2]{}, one[1]{}, top[3]{};
    leaves[0].number = 7, leaves[1].number = 8;
    DWQB_PLO_Block two{leaves, 2, 2}, single{one, 1, 1};
    top[0].number = 1, top[1].number = 2, top[2].number = 3;
    top[1].sub = &two;
    top[2].sub = &single;
    DWQB_PLO_Liste list{};
    list.block = {top, 3, 3};
    list.cells = 4;
    EXPECT_EQ(Count_DWQB_PLO_Leaves(&single), 1);
    EXPECT_EQ(Count_DWQB_PLO_Leaves(&two), 2);
    EXPECT_EQ(Get_DWQB_PLO_Liste_Count(&list, 0), 3);
    EXPECT_EQ(Get_DWQB_PLO_Liste_Count(&list, 1), 4);
    const struct { int n, top, sub, number; } cases[] = {{0, 0, -1, 1}, {1, 1, 0, 7}, {2, 1, 1, 8}, {3, 2, 0, 3}};
    for (const auto& c : cases) {
        int t = -5, s = -5;
        const DWQB_PLO_Linie* r = Get_DWQB_PLO_Liste_Record(&list, c.n, 1, &t, &s);
        ASSERT_NE(r, nullptr) << c.n;
        EXPECT_EQ(r->number, c.number) << c.n;
        EXPECT_EQ(t, c.top) << c.n;
        EXPECT_EQ(s, c.sub) << c.n;
    }
    int t, s;
    EXPECT_EQ(Get_DWQB_PLO_Liste_Record_2(&list, 4, 1, &t, &s), nullptr);
    EXPECT_EQ(s, -1);

    // Shares: record 1 carries V_y, record 2 V_z at y = 2 (torsion about the
    // reference point 2 x V_z), record 3 nothing.
    top[0].vy_y = 1, top[0].inv_area_y = 0.5;
    top[1].vz_z = 1, top[1].y = 2, top[1].inv_area_z = 0.25;
    const double F[8] = {0, 10, 20, 3, 0, 0, 4, 0};
    TSG_Table* table = nullptr;
    ASSERT_EQ(Build_TSG_Table(F, &list, 0, &table, 0, 0), 1);
    EXPECT_EQ(table->count, 3);
    EXPECT_EQ(table->tag, 4);
    EXPECT_EQ(table->u_max, 0.0);  // no strength: no utilisation
    EXPECT_DOUBLE_EQ(table->entries[0].tau, 5);
    EXPECT_DOUBLE_EQ(table->residual_vy, 0);
    EXPECT_DOUBLE_EQ(table->residual_vz, 0);
    EXPECT_DOUBLE_EQ(table->residual_torsion, 2 * 20 - 7);
    ASSERT_EQ(Build_TSG_Table(F, &list, fy, &table, 0, 0), 1);
    EXPECT_DOUBLE_EQ(table->u_max, std::sqrt(3.0) * 5 / fy);
    TSG_Table* kept = table;
    ASSERT_EQ(Build_TSG_Table(F, &list, fy, &table, 3, 1), 0 + 1);
    EXPECT_NE(table, kept);  // four leaves do not fit three entries
    EXPECT_EQ(table->count, 4);
    list.block.count = 0;
    ASSERT_EQ(Build_TSG_Table(F, &list, fy, &table, 0, 0), 1);
    EXPECT_EQ(table->count, 0);
    EXPECT_EQ(table->residual_vy, -10);
    EXPECT_EQ(table->residual_torsion, -7);
    Free_TSG_Table(table);
    EXPECT_EQ(Build_TSG_Table(F, &list, fy, nullptr, 0, 0), 0);
}

TEST(Plo, LimitLoadFactorOfAnI) {
    Extended mode;
    I_Model();
    const PLO_Optionen o = Options();
    // Shear of the interaction case: V_z = 300 gives the web tau = 300 / 40
    // and each half flange tau = 300 tf 20 50 / I_y / 20 (line areas).
    const double Iy = 2 * b * tf * 400 + tw * h * h * h / 12;
    const double u_w = std::sqrt(3.0) * 7.5 / fy, u_f = std::sqrt(3.0) * 300 * tf * 20 * 50 / Iy / 20 / fy;
    // lambda with lambda M_y = f (flanges sqrt(1 - (lambda u_f)²) + web sqrt(1 - (lambda u_w)²)),
    // by bisection.
    auto m_pl = [&](double l) {
        return fy * (kFlanges * std::sqrt(1 - l * l * u_f * u_f) + kWeb * std::sqrt(1 - l * l * u_w * u_w));
    };
    double lo = 0, hi = 1 / u_w;
    for (int i = 0; i < 60; i++) (m_pl((lo + hi) / 2) > 30000 * (lo + hi) / 2 ? lo : hi) = (lo + hi) / 2;
    // Without the shear iteration: one trial at 1 + (sqrt(1 / u_w) - 1) / 2,
    // then a = 1 / f_tau, b = 1 / f_sigma and U = sqrt((1 - a²) b² + a²).
    const double lt = 1 + (std::sqrt(1 / u_w) - 1) / 2, ls = m_pl(lt) / 30000, a = 1 / lt, bb = 1 / ls;
    const double mpl = fy * (kFlanges + kWeb);  // 46083.5 kNcm
    const struct {
        const char* name;
        int32_t word;
        double F[8];
        int32_t status;
        double f_tau, f_sigma, U, rel;
    } cases[] = {
        {"M_y = M_pl", 0, {0, 0, 0, 0, mpl, 0, 0, 0}, 0x1002011, 100000, 1, 1, 0.003},
        {"nothing", 0, {0, 0, 0, 0, 0, 0, 0, 0}, 0x1003011, 100000, 1000000, 1e-5, 1e-12},
        {"M_y and V_z", 0, {0, 0, 300, 0, 30000, 0, 0, 0}, 0x1000011, lo, lo, 1 / lo, 0.002},
        {"interaction", PLO_OPT_INTERACTION, {0, 0, 300, 0, 30000, 0, 0, 0}, 0x1020011, lt, ls,
         std::sqrt((1 - a * a) * bb * bb + a * a), 0.002},
    };
    for (const auto& c : cases) {
        PLO_Optionen oc = o;
        oc.word = c.word;
        PLO_Ergebnis r;
        PLO_Linienergebnis* list = nullptr;
        ASSERT_EQ(Calc_DWQB_PLO(c.F, kP, &oc, &r, &list), 1) << c.name;
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_NEAR(r.f_tau, c.f_tau, c.rel * c.f_tau) << c.name;
        EXPECT_NEAR(r.f_sigma, c.f_sigma, c.rel * c.f_sigma) << c.name;
        EXPECT_NEAR(r.U, c.U, c.rel * c.U) << c.name;
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->count, 5);
        EXPECT_NEAR(Find_DWQB_PLO_Result_Linie(list, 5)->entry.tau, c.F[2] / 40, 1e-9);
        EXPECT_EQ(Find_DWQB_PLO_Result_Linie(list, 6), nullptr);
        // The list comes back for reuse.
        PLO_Linienergebnis* kept = list;
        ASSERT_EQ(Calc_DWQB_PLO(c.F, kP, &oc, &r, &list), 1);
        EXPECT_EQ(list, kept);
        Free_DWQB_PLO_Result_List(list);
    }
    // From the work record: option word 1 leaves warping out, which the
    // status shows; the limit state is the same for the doubly symmetric I.
    Section_Work_Record w{};
    Set_Section_Work_Code_2(nullptr, &w.head, PLO_OPT_NO_WARPING);
    Get_Section_Work_Payload_2(nullptr, &w.head)[2] = 0.001f;
    PLO_Ergebnis rw;
    ASSERT_EQ(Calc_DWQB_PLO_Section_Work(cases[0].F, kP, nullptr, &w.head, 0, &rw, nullptr), 1);
    EXPECT_EQ(rw.status, 0x1012011);
    EXPECT_NEAR(rw.f_sigma, 1, 0.003);
    // A failure hands no list back and leaves U not computed.
    PLO_Linienergebnis* list = nullptr;
    PLO_Ergebnis r;
    ASSERT_EQ(Calc_DWQB_PLO(cases[0].F, kP, &o, &r, &list), 1);
    EXPECT_EQ(Calc_DWQB_PLO(nullptr, kP, &o, &r, &list), 0);
    EXPECT_EQ(list, nullptr);
    EXPECT_EQ(r.U, -1.0);
}

// Replaces a negative zero such as "-0.00" by "0.00".
std::string Unsigned_Zeros(std::string s) { return std::regex_replace(s, std::regex("-(0\\.0+)(?![0-9])"), "$1"); }

TEST(Plo, ReportOfTheFullyPlasticI) {
    Extended mode;
    I_Model();
    const PLO_Optionen o = Options();
    const double F[8] = {0, 0, 0, 0, fy * (kFlanges + kWeb), 0, 0, 0};
    PLO_Ergebnis r;
    PLO_Linienergebnis* list = nullptr;
    ASSERT_EQ(Calc_DWQB_PLO(F, kP, &o, &r, &list), 1);
    FILE* f = std::tmpfile();
    ASSERT_EQ(Print_DWQB_PLO_Result(f, nullptr, "> ", F, &r, list), 1);
    // Strain grows towards +z (direction 90°), the neutral axis is the y
    // axis at 90° + 90°; the fibres reach eps_u = 150 per mille, every plate
    // carries f = 235 MN/m² except at the web's middle node on the axis; no
    // shear.
    const std::string expected = std::string(
        "> Nulllinie der Grenzdehnungen (plast.):  y╬\\0╬r = 0.00 cm, z╬\\0╬r = 0.00 cm, \xBA = 180.000 °\n"
        "> Verdrillungsableitung des Grenzzustands (plast.):  \xCA = 0.000 \x89/cm╬/2╬r\n"
        "> Grenzdehnungen des Querschnitts (plast.):  \xBE╬\\min╬r = -150.00 \x89, \xBE╬\\max╬r = 150.00 \x89\n"
        "> Grenznormalspannungen des Querschnitts (plast.):  \xCC╬\\min╬r = -235.00 MN/m╬/2╬r, \xCC╬\\max╬r = 235.00 MN/m╬/2╬r\n"
        "> Grenzvergleichsspannungen des Querschnitts (plast.):  \xCC╬\\V,min╬r = 0.00 MN/m╬/2╬r, \xCC╬\\V,max╬r = 235.00 MN/m╬/2╬r\n"
        "> Grenzspannungen der Linien des Querschnitts (plast.) in MN/m╬/2╬r:\n"
        ">   1:  \xCC╬\\min╬r = 235.00,  \xCC╬\\max╬r = 235.00,  \xD6 = 0.00,  \xCC╬\\V,min╬r = 235.00,  \xCC╬\\V,max╬r = 235.00\n"
        ">   2:  \xCC╬\\min╬r = 235.00,  \xCC╬\\max╬r = 235.00,  \xD6 = 0.00,  \xCC╬\\V,min╬r = 235.00,  \xCC╬\\V,max╬r = 235.00\n"
        ">   3:  \xCC╬\\min╬r = -235.00,  \xCC╬\\max╬r = -235.00,  \xD6 = 0.00,  \xCC╬\\V,min╬r = 235.00,  \xCC╬\\V,max╬r = 235.00\n"
        ">   4:  \xCC╬\\min╬r = -235.00,  \xCC╬\\max╬r = -235.00,  \xD6 = 0.00,  \xCC╬\\V,min╬r = 235.00,  \xCC╬\\V,max╬r = 235.00\n"
        ">   5:  \xCC╬\\min╬r = -235.00,  \xCC╬\\max╬r = 235.00,  \xD6 = 0.00,  \xCC╬\\V,min╬r = 0.00,  \xCC╬\\V,max╬r = 235.00\n"
        "> Keine Schubspannungen vorhanden.\n"
        "> max. Lastfaktor der Normalspannungen (plast.): f╬\\\xCC,pl╬r = 1.000\n"
        "> Ausnutzung:  U╬\\\xCC,pl╬r = 1.000\n"_cp);
    EXPECT_EQ(Unsigned_Zeros(testutil::Stream_All(f)), expected);
    std::fclose(f);

    // Warping left out and no shear iteration: the bimoment line and one
    // utilisation line; B: (1e6 x 2 - 5e5) x 1e-4 kNm².
    PLO_Ergebnis w{};
    w.status = 0x1000000 | 0x10000 | 0x20000 | 0x2000;
    w.f_sigma = 2, w.B = 500000, w.U = 0.5;
    const double Fw[8] = {0, 0, 0, 0, 0, 0, 0, 1000000};
    f = std::tmpfile();
    ASSERT_EQ(Print_DWQB_PLO_Result(f, nullptr, nullptr, Fw, &w, nullptr), 1);
    EXPECT_EQ(testutil::Stream_All(f), std::string("Keine Schubspannungen vorhanden.\n"
                                       "max. Lastfaktor der Normalspannungen (plast.): f╬\\\xCC,pl╬r = 2.000\n"
                                       "Verwölbungsungleichgewicht:  \xA3"
                                       "B = 150.000 kNm╬/2╬r\n"
                                       "Ausnutzung (ohne Verwölbungsgleichgewicht, ohne Iteration der Schubausnutzung):  "
                                       "U╬\\\xCC,pl╬r = 0.500\n"_cp));
    std::fclose(f);
    EXPECT_EQ(Print_DWQB_PLO_Result(nullptr, nullptr, nullptr, Fw, &w, nullptr), 0);
    Free_DWQB_PLO_Result_List(list);
}

// Plate 10 x 1 with only the outline segments in keep left (the two of the
// middle run, or side A of it with both end edges), side A curved with
// n pieces or straight.
struct Mesh_Case {
    int refinement, pieces;
    unsigned keep;
    int nodes, triangles;
};
const unsigned kMiddle = 1u << 2 | 1u << 7, kSideA = 1u << 0 | 1u << 9 | 1u << 2 | 1u << 4 | 1u << 5;

TEST(Plo, MeshCountsOfAMiddleOnlyLine) {
    // n cells: 3 (n + 1) corner and middle nodes, 4 n triangles; a refined
    // triangle makes its own 6 (four-way) or 10 (nine-way) nodes. Side A only:
    // three nodes on each end edge, 2 (n - 1) side A and middle nodes between,
    // and the start edge's B corner in every cell: 3 n triangles.
    const Mesh_Case cases[] = {
        {1, 0, kMiddle, 33, 40},        {2, 0, kMiddle, 33 + 40 * 6, 160}, {3, 0, kMiddle, 33 + 40 * 10, 360},
        {7, 0, kMiddle, 33 + 40 * 6, 160}, {1, 16, kMiddle, 51, 64},      {1, 30, kMiddle, 63, 80},
        {1, 4, kMiddle, 33, 40},        {1, 0, kSideA, 6 + 18, 30},
    };
    Extended mode;
    for (const Mesh_Case& c : cases) {
        Init_DWQB_Model();
        Build_Plate(10, 1);
        ASSERT_EQ(Calc_DWQB(), 0);
        DWQB_Outline_Segment* g = Find_DWQB_Line_Segments(1);
        ASSERT_NE(g, nullptr);
        for (int k = 0; k < 10; k++)
            if (!(c.keep >> k & 1)) g[k].flags &= ~DWQB_SEG_PRESENT;
        if (c.pieces) g[2].flags |= DWQB_SEG_CURVED, g[2].n_sub = c.pieces;
        DWQB_Triangulation_Options o{10, 20, 1, 10, c.refinement, 0};
        DWQB_OUTLINE_TRIANGULATION* m = Calc_DWQB_OUTLINE_TRIANGULATION(1, 0, 0, 1, 0, 2, 0, 0, &o);
        ASSERT_NE(m, nullptr) << c.refinement << " " << c.pieces;
        EXPECT_EQ(m->n_nodes, c.nodes) << c.refinement << " " << c.pieces;
        EXPECT_EQ(m->n_triangles, c.triangles) << c.refinement << " " << c.pieces;
        Free_DWQB_OUTLINE_TRIANGULATION(m);
    }
}

TEST(Plo, MeshRefusesAnOverflowedSnapshot) {
    // 99 lines (100 nodes) fit the snapshot; 101 lines do not, and a mesh of
    // the first hundred would pass for the whole section.
    Extended mode;
    for (int lines : {99, 101}) {
        Init_DWQB_Model();
        for (int k = 0; k <= lines; k++) Add_DWQB_Node(k + 1, k % 2 ? 10 : 0, 10.0 * k);
        for (int k = 1; k <= lines; k++) Add_DWQB_Line_Constant_T(k, k, k + 1, 1);
        ASSERT_EQ(Calc_DWQB(), 0);
        EXPECT_EQ(DWQB_Tabellen.overflow != 0, lines == 101);
        DWQB_OUTLINE_TRIANGULATION* m = Calc_DWQB_OUTLINE_TRIANGULATION(1, 0, 0, 1, 0, 2, 0, 0, nullptr);
        EXPECT_EQ(m != nullptr, lines == 99) << lines;
        if (m) {
            EXPECT_EQ(m->nodes[m->n_nodes - 1].line_number, 99);
        }
        Free_DWQB_OUTLINE_TRIANGULATION(m);
    }
}

TEST(Plo, NodeStresses) {
    DWQB_OUTLINE_TRIANGULATION_NODE n[3]{};
    n[0].c[0] = 1, n[0].line_number = 1;
    n[1].c[3] = 1, n[1].line_number = 2, n[1].line_position = 1;
    n[2].c[3] = -1, n[2].line_number = 2, n[2].line_position = 1;
    DWQB_OUTLINE_TRIANGULATION m{3, 0, n, nullptr, 3, 0};
    const double F[8] = {10, 0, 0, 10, 0, 0, 0, 0};
    double v[3], lo[3], hi[3];
    ASSERT_EQ(Calc_DWQB_Node_Stresses(&n[0], F, v), 1);
    EXPECT_EQ(v[0], 10);
    EXPECT_EQ(v[2], 10);
    ASSERT_EQ(Calc_DWQB_Line_Number_Node_Stresses(&m, 2, F, lo, hi), 1);
    EXPECT_EQ(lo[1], -10);
    EXPECT_EQ(hi[1], 10);
    EXPECT_EQ(lo[2], std::sqrt(300.0));  // the sign of tau does not matter
    ASSERT_EQ(Calc_DWQB_OUTLINE_TRIANGULATION_NODE_Stresses(&m, F, lo, hi), 1);
    EXPECT_EQ(hi[0], 10);
    EXPECT_EQ(lo[0], 0);
    ASSERT_EQ(Calc_DWQB_Line_Position_Node_Stresses(&m, 5, F, lo, hi), 1);
    EXPECT_EQ(hi[2], 0);
    m.nodes = nullptr;
    EXPECT_EQ(Calc_DWQB_OUTLINE_TRIANGULATION_NODE_Stresses(&m, F, lo, hi), 0);
    EXPECT_EQ(Calc_DWQB_Node_Stresses(nullptr, F, v), 0);
}

}  // namespace

}  // namespace test_plo
