// Model store, segment geometry, topology and the small solvers of the
// thin-walled engine.
#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "thinwall/dwqb.h"
#include "thinwall/dwqb_calc.h"
#include "thinwall/dwqb_cells.h"
#include "thinwall/dwqb_geometry.h"
#include "thinwall/dwqb_integrals.h"
#include "thinwall/dwqb_internal.h"
#include "thinwall/dwqb_warping.h"

namespace {

struct Node {
    int n;
    double y, z;
};
struct Line {
    int n, a, b;
    double t;
};

void Build(std::initializer_list<Node> nodes, std::initializer_list<Line> lines) {
    Init_DWQB_Model();
    for (const Node& p : nodes) Add_DWQB_Node(p.n, p.y, p.z);
    for (const Line& l : lines) Add_DWQB_Line_Constant_T(l.n, l.a, l.b, l.t);
}

DWQB_Linie* Line_No(int number) {
    for (DWQB_Linie* l = First_DWQB_Line(); l; l = l->next)
        if (l->number == number) return l;
    return nullptr;
}

TEST(DwqbTopology, PartsCellsAndEulerSum) {
    struct Case {
        const char* name;
        void (*build)();
        int parts, cells;
    } cases[] = {
        {"I section",
         [] {
             Build({{1, -5, 10}, {2, 0, 10}, {3, 5, 10}, {4, -5, -10}, {5, 0, -10}, {6, 5, -10}},
                   {{1, 1, 2, 1}, {2, 2, 3, 1}, {3, 4, 5, 1}, {4, 5, 6, 1}, {5, 5, 2, 0.5}});
         },
         1, 0},
        {"box",
         [] { Build({{1, 0, 0}, {2, 4, 0}, {3, 4, 3}, {4, 0, 3}}, {{1, 1, 2, 1}, {2, 2, 3, 1}, {3, 3, 4, 1}, {4, 4, 1, 1}}); },
         1, 1},
        {"single line", [] { Build({{1, 0, 0}, {2, 20, 0}}, {{1, 1, 2, 1}}); }, 1, 0},
    };
    for (const Case& c : cases) {
        c.build();
        _Winged_Edge_Structure();
        const DWQB_Topologie& t = DWQB_Topologie_Zaehler;
        EXPECT_EQ(t.n_parts, c.parts) << c.name;
        EXPECT_EQ(t.n_cells, c.cells) << c.name;
        EXPECT_EQ(t.n_nodes + t.n_cells - t.n_lines - t.n_parts, 0) << c.name;
        // The box is drawn counter-clockwise: every left side faces the
        // cell, every right side the outside; an open section has no cell.
        for (DWQB_Linie* l = First_DWQB_Line(); l; l = l->next) {
            EXPECT_EQ((l->side_flags[0] & DWQB_SIDE_CELL) != 0, c.cells == 1) << c.name << l->number;
            EXPECT_TRUE(l->side_flags[1] & DWQB_SIDE_OUTER) << c.name << l->number;
        }
    }
}

TEST(DwqbTopology, ThreeLinesAtANodeAreOrderedByDirection) {
    // Directions at node 1: line 1 at 0, line 2 at 90, line 3 at 180 degrees.
    Build({{1, 0, 0}, {2, 1, 0}, {3, 0, 1}, {4, -1, 0}}, {{1, 1, 2, 1}, {2, 1, 3, 1}, {3, 4, 1, 1}});
    _Winged_Edge_Structure();
    DWQB_Linie *l1 = Line_No(1), *l2 = Line_No(2), *l3 = Line_No(3);
    DWQB_Linie* order[3] = {l3, l1, l2};
    Set_DWQB_Angle_Node(First_DWQB_Node());
    std::qsort(order, 3, sizeof order[0], Cmp_DWQB_Line_Angle);
    EXPECT_EQ(order[0], l1);
    EXPECT_EQ(order[1], l2);
    EXPECT_EQ(order[2], l3);
    EXPECT_EQ(l1->wing[DWQB_WING_BEFORE_A], l3);
    EXPECT_EQ(l1->wing[DWQB_WING_AFTER_A], l2);
    EXPECT_EQ(l3->wing[DWQB_WING_BEFORE_B], l2);
    EXPECT_EQ(l3->wing[DWQB_WING_AFTER_B], l1);
}

TEST(DwqbGeometry, ArcPointsInverseAndStraightThreshold) {
    // Chord 10 along y, sagitta 5: a half circle of radius 5 about (5, 0).
    DWQB_Segment_Geometrie g;
    Set_Segment_Geometry(0, 0, 10, 0, 5, 1, 1, 0.001, &g);
    EXPECT_NEAR(g.r, 5, 1e-12);
    EXPECT_NEAR(g.length, 5 * M_PI, 1e-12);
    EXPECT_GE(g.n_chords, 1);
    const double pts[][4] = {{-1, 0, 0, 0}, {1, 0, 10, 0}, {0, 0, 5, 5}, {0, 1, 5, 5.5}, {0, -1, 5, 4.5}};
    for (const auto& p : pts) {
        double y, z, s, u;
        Segment_Point(p[0], p[1], &g, &y, &z);
        EXPECT_NEAR(y, p[2], 1e-12);
        EXPECT_NEAR(z, p[3], 1e-12);
        Segment_Local_Coordinates(y, z, &g, &s, &u);
        EXPECT_NEAR(s, p[0], 1e-12);
        EXPECT_NEAR(u, p[1], 1e-12);
    }
    Set_Segment_Geometry(0, 0, 10, 0, 0.01, 1, 1, 0.001, &g);
    EXPECT_EQ(g.n_chords, 0);
    Set_Segment_Geometry(0, 0, 10, 0, 0.0101, 1, 1, 0.001, &g);
    EXPECT_GE(g.n_chords, 1);
}

TEST(DwqbGeometry, TangentIsTheDerivativeOfThePoint) {
    DWQB_Segment_Geometrie g;
    for (double f : {0.0, 2.5, -1.5}) {
        Set_Segment_Geometry(1, 2, 7, -3, f, 0.6, 1.4, 0.001, &g);
        for (double s : {-0.7, 0.1, 0.9}) {
            for (double u : {-1.0, 0.0, 0.5}) {
                double dy, dz, y1, z1, y2, z2;
                const double h = 1e-6;
                Segment_Tangent(s, u, &g, &dy, &dz);
                Segment_Point(s - h, u, &g, &y1, &z1);
                Segment_Point(s + h, u, &g, &y2, &z2);
                EXPECT_NEAR(dy, (y2 - y1) / (2 * h), 1e-6) << f << " " << s << " " << u;
                EXPECT_NEAR(dz, (z2 - z1) / (2 * h), 1e-6) << f << " " << s << " " << u;
            }
        }
    }
}

TEST(DwqbIntegrals, EdgeMomentsOfUnitSquare) {
    // Over [0,1]^2 the integral of y^p z^q is 1/((p+1)(q+1)).
    const double sq[5][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}};
    for (int p = 0; p <= 3; p++) {
        for (int q = 0; q <= 3; q++) {
            double sum = 0;
            for (int k = 0; k < 4; k++) sum += Calc_DWQB_Edge_Moment(p, q, sq[k][0], sq[k][1], sq[k + 1][0], sq[k + 1][1]);
            EXPECT_NEAR(sum, 1.0 / ((p + 1) * (q + 1)), 1e-14) << p << "," << q;
        }
    }
}

TEST(DwqbIntegrals, SegmentIntegralsOfATaperedStripAndAHalfCircle) {
    // Strip along y from 0 to 10 with t = 1 + 0.2 y: integrals of t y^k dy.
    // Half circle of radius 5 about (5, 0) above the chord, t = 1:
    // y = 5 + 5 cos(a), z = 5 sin(a), ds = 5 da.
    const double pi = M_PI;
    const struct {
        double f, ta, tb, s;
        double a, sy, sz, syy, szz, syz;
    } cases[] = {
        {0, 1, 3, 1, 20, 50 + 0.2 * 1000 / 3, 0, 1000.0 / 3 + 0.2 * 10000 / 4, 0, 0},
        {0, 1, 3, 0, 7.5, 12.5 + 0.2 * 125 / 3, 0, 125.0 / 3 + 0.2 * 625 / 4, 0, 0},
        {5, 1, 1, 1, 5 * pi, 25 * pi, 50, 5 * 37.5 * pi, 125 * pi / 2, 250},
    };
    for (const auto& c : cases) {
        DWQB_Segment_Geometrie g;
        Set_Segment_Geometry(0, 0, 10, 0, c.f, c.ta, c.tb, 0.001, &g);
        double r[6];
        Calc_DWQB_Segment_Integrals(&g, &r[0], &r[1], &r[2], c.s, &r[3], &r[4], &r[5]);
        const double expected[6] = {c.a, c.sy, c.sz, c.syy, c.szz, c.syz};
        for (int k = 0; k < 6; k++) EXPECT_NEAR(r[k], expected[k], 1e-9 * (1 + std::fabs(expected[k]))) << c.f << " " << k;
    }
}

TEST(DwqbIntegrals, PieceCallbacksOverTheChordsOfAHalfCircle) {
    // Half circle of radius 5 about (5, 0), walked in 400 chords: length near
    // 5 pi, extents [0, 10] x [0, 5]; clipped at s = 0 only its first half
    // (the quarter from (0, 0) to (5, 5)) passes.
    DWQB_Segment_Geometrie g;
    Set_Segment_Geometry(0, 0, 10, 0, 5, 1, 1, 0.001, &g);
    double length = 0;
    EXPECT_EQ(Walk_Segment_Chords(&g, 400, Add_DWQB_Chord_Length, &length), 1);
    EXPECT_NEAR(length, 5 * M_PI, 1e-3);
    DWQB_Extents e{1, 0, 0, 0, 0};
    Walk_Segment_Chords(&g, 400, Add_DWQB_Extents_Callback, &e);
    EXPECT_NEAR(e.y_min, 0, 1e-12);
    EXPECT_NEAR(e.y_max, 10, 1e-12);
    EXPECT_NEAR(e.z_max, 5, 1e-12);
    double half = 0;
    DWQB_Piece_Clip clip{0.0, 0, 0, 0, Add_DWQB_Chord_Length, &half};
    Walk_Segment_Chords(&g, 3, Clip_DWQB_Piece, &clip);
    EXPECT_EQ(clip.below + clip.cut + clip.above, 3);
    DWQB_Line_Shear_Constants shear{7, 0, {}, 0, 0, 0, 0};
    Walk_Segment_Chords(&g, 400, Apply_Init_Line_Shear_Constants, &shear);
    // The chords and the closing chord back along the y axis run clockwise
    // round the half disc: minus its area 25 pi / 2 and first moment 2 R^3/3.
    shear.sums[0] += Calc_DWQB_Edge_Moment(0, 0, 10, 0, 0, 0);
    shear.sums[2] += Calc_DWQB_Edge_Moment(0, 1, 10, 0, 0, 0);
    EXPECT_NEAR(shear.sums[0], -25 * M_PI / 2, 1e-2);
    EXPECT_NEAR(shear.sums[2], -2 * 125.0 / 3, 1e-2);
}

TEST(DwqbStore, StatusClearingAndReuse) {
    Build({{1, 0, 0}, {2, 1, 0}}, {{1, 1, 9, 1}});
    EXPECT_EQ(DWQB_Status, DWQB_STATUS_UNKNOWN_NODE);
    Init_DWQB_Model();
    Add_DWQB_Line_Constant_T(1, 1, 2, 1);  // no node yet
    EXPECT_EQ(DWQB_Status, DWQB_STATUS_UNKNOWN_NODE);
    // A line with an unknown node clears without touching a missing node.
    Build({{1, 0, 0}}, {{1, 1, 7, 1}});
    DWQB_Knoten* old_node = First_DWQB_Node();
    Clear_DWQB_Model();
    Clear_DWQB_Model();
    EXPECT_EQ(Count_DWQB_Nodes(), 0);
    EXPECT_EQ(Count_DWQB_Lines(), 0);
    EXPECT_EQ(DWQB_Status, 0);
    Add_DWQB_Node(3, 1, 1);
    EXPECT_EQ(First_DWQB_Node(), old_node);
}

void* No_Memory(size_t) { return nullptr; }

TEST(DwqbStore, OutOfMemoryKeepsTheListsAndSetsAStatus) {
    // Put the free lists aside so that the additions must allocate.
    Clear_DWQB_Model();
    DWQB_Knoten* free_nodes = dwqb_model.free_nodes;
    DWQB_Linie* free_lines = dwqb_model.free_lines;
    dwqb_model.free_nodes = nullptr;
    dwqb_model.free_lines = nullptr;
    Build({{1, 0, 0}, {2, 1, 0}}, {{1, 1, 2, 1}});
    auto saved = dwqb_record_alloc;
    dwqb_record_alloc = No_Memory;
    Add_DWQB_Node(3, 2, 0);
    EXPECT_EQ(DWQB_Status, DWQB_STATUS_NO_MEMORY);
    Add_DWQB_Line_Constant_T(2, 2, 1, 1);
    dwqb_record_alloc = saved;
    Add_DWQB_Line_Constant_T(3, 3, 1, 1);  // node 3 was never had
    EXPECT_EQ(Count_DWQB_Nodes(), 2);
    EXPECT_EQ(Count_DWQB_Lines(), 2);
    EXPECT_EQ(DWQB_Status, DWQB_STATUS_NO_MEMORY);
    EXPECT_EQ(Calc_DWQB_Section(), DWQB_STATUS_NO_MEMORY);
    // The records of the model join the free lists put aside on clearing.
    dwqb_model.free_nodes = free_nodes;
    dwqb_model.free_lines = free_lines;
    Clear_DWQB_Model();
}

TEST(DwqbStore, SnapshotOverflowIsReported) {
    Init_DWQB_Model();
    for (int k = 1; k <= 150; k++) Add_DWQB_Node(k, k, 0);
    EXPECT_EQ(Fill_DWQB_Tabellen(), 1);
    EXPECT_EQ(DWQB_Tabellen.n_nodes, 100);
    EXPECT_EQ(DWQB_Tabellen.overflow, 1);
    EXPECT_EQ(DWQB_Tabellen.node[100].number, 100);
    Build({{1, 0, 0}, {2, 1, 0}}, {{7, 2, 1, 0.5}});
    EXPECT_EQ(Fill_DWQB_Tabellen(), 0);
    EXPECT_EQ(DWQB_Tabellen.overflow, 0);
    EXPECT_EQ(DWQB_Tabellen.line[0].a, 1);
    EXPECT_EQ(DWQB_Tabellen.line[0].b, 0);
}

TEST(DwqbStore, ModelKeysAndTransform) {
    DWQB_Model_Key a{}, b{}, kept{};
    unsigned char x[3] = {1, 2, 3}, y[3] = {1, 2, 4};
    a.length = b.length = 0;
    a.attached = x;
    b.attached = y;
    EXPECT_EQ(Cmp_DWQB_Model_Key(&a, &b), 0);
    a.length = b.length = 3;
    EXPECT_LT(Cmp_DWQB_Model_Key(&a, &b), 0);
    EXPECT_EQ(Cmp_DWQB_Model_Key(nullptr, nullptr), 0);
    EXPECT_EQ(Copy_DWQB_Model_Key(&kept, &b), 1);
    EXPECT_EQ(Cmp_DWQB_Model_Key(&kept, &b), 0);
    Free_DWQB_Model_Key_Data(&kept);

    // Shift by (1, 2), then a quarter turn: (1, 0) -> (2, 2) -> (-2, 2).
    Build({{1, 1, 0}, {2, 3, 0}}, {{1, 1, 2, 1}});
    const double move[3] = {1, 2, M_PI / 2};
    Transform_DWQB_Model(move);
    EXPECT_NEAR(First_DWQB_Node()->y, -2, 1e-12);
    EXPECT_NEAR(First_DWQB_Node()->z, 2, 1e-12);
    EXPECT_NEAR(Line_No(1)->geo.angle, M_PI / 2, 1e-12);
    EXPECT_NEAR(Line_No(1)->geo.h0, 0.5, 1e-12);
}

struct Hook_Log {
    int created, released;
    int object;
};
void* Hook_Create(double*, void* user) {
    auto* log = static_cast<Hook_Log*>(user);
    log->created++;
    return &log->object;
}
void Hook_Release(void*, void* user) { static_cast<Hook_Log*>(user)->released++; }
void* Hook_Evaluate(void* w1, void*, void*, void*, void*, void*, void*) { return w1; }

TEST(DwqbStore, HookObjectFollowsTheParameterAndTheModel) {
    Hook_Log log{0, 0, 0};
    DWQB_Hook_Table table{Hook_Create, Hook_Evaluate, Hook_Release, &log};
    DWQB_Hook_Table* previous = Set_DWQB_Hook_Table(&table);
    Init_DWQB_Model();
    double p = 235;
    EXPECT_EQ(Get_DWQB_Hook_Object(&p), nullptr);  // several-part mode is off
    DWQB_Optionen = DWQB_OPT_EXTENDED;
    const struct {
        double parameter;
        int created, released;
    } steps[] = {{235, 1, 0}, {235, 1, 0}, {355, 2, 1}};
    for (const auto& s : steps) {
        p = s.parameter;
        EXPECT_EQ(Get_DWQB_Hook_Object(&p), &log.object);
        EXPECT_EQ(log.created, s.created);
        EXPECT_EQ(log.released, s.released);
    }
    EXPECT_EQ(Peek_DWQB_Hook_Object(), &log.object);
    int word = 0;
    EXPECT_EQ(Call_DWQB_Hook_Evaluate(&word, nullptr, nullptr, nullptr, nullptr, nullptr), &word);
    Clear_DWQB_Model();
    EXPECT_EQ(log.released, 2);
    EXPECT_EQ(Set_DWQB_Hook_Table(previous), &table);
    EXPECT_EQ(Call_DWQB_Hook_Evaluate(&word, nullptr, nullptr, nullptr, nullptr, nullptr), nullptr);
    DWQB_Optionen = 0;
}

TEST(DwqbCells, BufferGrowsAndKeepsEntriesApartFromTheMatrix) {
    Reset_DWQB_Cells();
    DWQB_Linie keys[12];
    // The buffer grows by 11 entries; one grown by an earlier model keeps
    // its size.
    const int kept = DWQB_Zellen.capacity;
    const int expected_capacity[12] = {11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 22};
    for (int k = 0; k < 12; k++) {
        ASSERT_EQ(REALLOC_DWQB_CELLS_BUFFER(&keys[k], 0x10020), 1);
        EXPECT_EQ(DWQB_Zellen.capacity, std::max(kept, expected_capacity[k]));
        const int n = DWQB_Zellen.n;
        for (int i = 0; i < n * n + 3 * n; i++) DWQB_Zellen.matrix[i] = -1;
        for (int i = 0; i < n; i++) EXPECT_EQ(DWQB_Zellen.entries[i].key, &keys[i]);
    }
    Reset_DWQB_Cells();
}

TEST(DwqbCells, GaussEliminationThreeRightHandSides) {
    // A x = b for x = (1, 2, 3), (0, 1, 0) and (-1, 0, 2).
    double m[9] = {4, 1, 0, 1, 3, 1, 0, 1, 2};
    double b1[3] = {6, 10, 8}, b2[3] = {1, 3, 1}, b3[3] = {-4, 1, 4};
    Solve_DWQB_Linear(m, b1, b2, b3, 3, 3);
    const double x[3][3] = {{1, 2, 3}, {0, 1, 0}, {-1, 0, 2}};
    for (int i = 0; i < 3; i++) {
        EXPECT_NEAR(b1[i], x[0][i], 1e-12);
        EXPECT_NEAR(b2[i], x[1][i], 1e-12);
        EXPECT_NEAR(b3[i], x[2][i], 1e-12);
    }
}

TEST(DwqbCells, PlateRunsAndCollinearity) {
    Build({{1, 0, 0}, {2, 1, 0}, {3, 2, 0}, {4, 3, 0}}, {{1, 1, 2, 1}, {2, 2, 3, 1}, {3, 3, 4, 1}});
    for (DWQB_Linie* l = First_DWQB_Line(); l; l = l->next) l->L = 1;
    Calc_DWQB_Plate_Runs(0, 0);
    for (DWQB_Linie* l = First_DWQB_Line(); l; l = l->next) {
        EXPECT_EQ(l->run[4], 0);
        EXPECT_EQ(l->run_L, 3);
        EXPECT_EQ(l->run[2], 0);
        EXPECT_EQ(l->run[3], 2);
    }
    const double deg = M_PI / 180;
    const struct {
        double angle;
        bool collinear;
    } cases[] = {{179.95, true}, {174, false}};
    for (const auto& c : cases) {
        Build({{1, -1, 0}, {2, 0, 0}, {3, std::cos(M_PI - c.angle * deg), std::sin(M_PI - c.angle * deg)}},
              {{1, 1, 2, 1}, {2, 2, 3, 1}});
        DWQB_Linie* l1 = Line_No(1);
        EXPECT_EQ(Find_DWQB_Collinear_Line(l1->a, l1->b, l1, l1->b) != nullptr, c.collinear) << c.angle;
    }
}

TEST(DwqbWarping, CellCorrectionOfConstantThicknessLine) {
    Build({{1, 0, 0}, {2, 4, 0}}, {{1, 1, 2, 0.5}});
    DWQB_Linienergebnis r{};
    DWQB_Linie* l = Line_No(1);
    l->result = &r;
    r.psi = 0.3;
    for (double s : {-1.0, -0.2, 0.5, 1.0}) {
        // Pole at the origin on the line: the swept part is 0.
        EXPECT_NEAR(Calc_DWQB_Line_Warping_Ordinate(l, s), -0.3 * 4 * (s + 1) / 2 / 0.5, 1e-12) << s;
    }
    l->result = nullptr;
}

TEST(DwqbWarping, OrdinateAlongAnArcIsTheSweptArea) {
    // Pole at the origin: omega(s) is twice the area swept from the start,
    // the integral of y dz - z dy, here summed over fine chords.
    for (double f : {3.0, -2.0}) {
        Build({{1, 2, 1}, {2, 9, 4}}, {});
        const double values[9] = {0.4, 0.4, f, 0, 0, 0, 0, 0, 0};
        Add_DWQB_Line(1, 0, 1, 2, values);
        DWQB_Linie* l = Line_No(1);
        ASSERT_GE(l->geo.n_chords, 1);
        double swept = 0, y0, z0;
        Segment_Point(-1, 0, &l->geo, &y0, &z0);
        const int n = 20000;
        for (int k = 1; k <= n; k++) {
            const double s = -1 + 1.5 * k / n;  // up to s = 0.5
            double y, z;
            Segment_Point(s, 0, &l->geo, &y, &z);
            swept += y0 * z - y * z0;
            y0 = y;
            z0 = z;
        }
        EXPECT_NEAR(Calc_DWQB_Line_Warping_Ordinate(l, 0.5), swept, 1e-6) << f;
    }
}

TEST(DwqbWarping, PartWarpingJoinsTheLinesAtTheirNodes) {
    // Chain 1 -> 2 -> 3 -> 4 with line values that each start at 0: joined,
    // every line starts where the one before it ended.
    Build({{1, 0, 0}, {2, 1, 0}, {3, 2, 0}, {4, 3, 0}}, {{1, 1, 2, 1}, {2, 2, 3, 1}, {3, 3, 4, 1}});
    DWQB_Linienergebnis r[3]{};
    DWQB_Schublinie e[3];
    const double drop[3] = {2, -5, 7};
    int k = 0;
    for (DWQB_Linie* l = First_DWQB_Line(); l; l = l->next, k++) {
        r[k].line = l;
        r[k].omega_b = drop[k];
        l->result = &r[k];
        e[k] = {DWQB_SHEAR_FORWARD, l};
    }
    DWQB_Teil part{3, 3, 3, 0, nullptr, e, {}};
    _Calc_Part_Warping(&part);
    const double start[3] = {0, 2, -3};
    for (int i = 0; i < 3; i++) {
        EXPECT_NEAR(r[i].omega_a, start[i], 1e-12) << i;
        EXPECT_NEAR(r[i].omega_b, start[i] + drop[i], 1e-12) << i;
    }
    for (DWQB_Linie* l = First_DWQB_Line(); l; l = l->next) l->result = nullptr;
}

TEST(DwqbWarping, ShearCentreOfChannelFromHandSums) {
    // Channel: web on y = 0 from z = -h/2 to h/2, flanges to y = b. With the
    // pole at the origin omega is 0 on the web, -h y/2 on the top flange and
    // h y/2 on the bottom flange; the sums follow by integration.
    const double h = 20, b = 8, tf = 1.2, tw = 0.7;
    DWQB_Teil part{};
    part.v.set2.a = 2 * b * tf + h * tw;
    part.v.set2.y = tf * b * b;
    part.v.set2.yy = 2 * tf * b * b * b / 3;
    part.v.set2.zz = tw * h * h * h / 12 + b * tf * h * h / 2;
    part.v.wz = -tf * h * h * b * b / 4;
    part.v.ww = tf * h * h * b * b * b / 6;
    part.v.torsion[0] = (2 * b * tf * tf * tf + h * tw * tw * tw) / 3;
    double out[DWQB_SCHUBMITTELPUNKT];
    Calc_DWQB_Schubmittelpunkt(&part, out);
    const double e = 3 * b * b * tf / (6 * b * tf + h * tw);
    EXPECT_NEAR(out[0], -e, 1e-12);
    EXPECT_NEAR(out[1], 0, 1e-12);
    EXPECT_NEAR(out[4], tf * b * b * b * h * h / 12 * (3 * b * tf + 2 * h * tw) / (6 * b * tf + h * tw), 1e-9);
}

// Circle of radius 2 about the origin meets the line x1 = x2 at (sqrt 2, sqrt 2).
void Circle_And_Diagonal(int*, double* x, double* f, double* j, int* ld, int* iflag) {
    if (*iflag == 1) {
        f[0] = x[0] * x[0] + x[1] * x[1] - 4;
        f[1] = x[0] - x[1];
    } else if (*iflag == 2) {
        j[0] = 2 * x[0];
        j[1] = 1;
        j[*ld] = 2 * x[1];
        j[1 + *ld] = -1;
    }
}

void Stops_Itself(int*, double*, double*, double*, int*, int* iflag) { *iflag = -1; }

TEST(DwqbCells, FilletSolveAndShearLineNumbers) {
    double x1 = 0, x2 = 0;
    DWQB_Fillet_Equations = nullptr;
    EXPECT_EQ(Solve_DWQB_Fillet(&x1, &x2, 1, 0.5, 1e-8), 0);
    DWQB_Fillet_Equations = Circle_And_Diagonal;
    EXPECT_EQ(Solve_DWQB_Fillet(&x1, &x2, 1, 0.5, 1e-8), 1);
    EXPECT_NEAR(x1, std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(x2, std::sqrt(2.0), 1e-9);
    DWQB_Fillet_Equations = Stops_Itself;
    EXPECT_EQ(Solve_DWQB_Fillet(&x1, &x2, 3, 4, 1e-8), 1);
    EXPECT_EQ(x1, 3);
    DWQB_Fillet_Equations = nullptr;

    DWQB_Linie lines[3];
    const DWQB_Schublinie entries[3] = {{DWQB_SHEAR_CHAIN_START | DWQB_SHEAR_FORWARD, &lines[0]},
                                        {DWQB_SHEAR_BACKWARD, &lines[1]},
                                        {DWQB_SHEAR_CHAIN_END | DWQB_SHEAR_FORWARD, &lines[2]}};
    const int codes[3] = {1001, -2, 2003};
    for (int k = 0; k < 3; k++) {
        DWQB_Shear_Line_Number number{&lines[k], 0, 0, 0};
        int i = 0;
        while (i < 3 && Number_DWQB_Shear_Line_Callback(&entries[i], &number)) i++;
        EXPECT_EQ(number.code, codes[k]);
        EXPECT_EQ(number.sign, k == 1 ? -1 : 1);
    }
}

TEST(DwqbIntegrals, RegularizeRaisesAVanishingPrincipalValue) {
    double a = 0, b = 100, c = 0, d = 0;
    EXPECT_EQ(Regularize_DWQB_Inertia(&a, &b, &c, &d), 0);
    EXPECT_NEAR(a, 1e-4, 1e-16);
    EXPECT_NEAR(d, 1 / (100 * 1e-4), 1e-6);
    a = 2, b = 3, c = 1;
    EXPECT_EQ(Regularize_DWQB_Inertia(&a, &b, &c, &d), 1);
    EXPECT_NEAR(d, 1 / (2.0 * 3 - 1), 1e-12);
}

}  // namespace
