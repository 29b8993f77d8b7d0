// Result tree walks, part sums and the closed-cell system of one cell.
#include <gtest/gtest.h>

#include "thinwall/dwqb.h"
#include "thinwall/dwqb_cells.h"
#include "thinwall/dwqb_geometry.h"
#include "thinwall/dwqb_integrals.h"
#include "thinwall/dwqb_outline.h"
#include "thinwall/dwqb_results.h"

namespace {

// A tree of one part with three line results, the last of kind 2.
struct Tree {
    DWQB_Linie lines[3]{};
    DWQB_Linienergebnis results[3]{};
    DWQB_Schublinie entries[3]{};
    DWQB_Teil head{}, part{};
    void* part_slot[1];
    void* line_slots[3];
    Tree() {
        for (int k = 0; k < 3; k++) {
            lines[k].number = k + 1;
            results[k].kind = k == 2 ? 2 : 1;
            results[k].n_members = 1;
            results[k].line = &lines[k];
            results[k].shear = &entries[k];
            entries[k] = {DWQB_SHEAR_FORWARD, &lines[k]};
            line_slots[k] = &results[k];
        }
        part_slot[0] = &part;
        head = {3, 1, 3, 0, part_slot, entries, {}};
        part = {3, 3, 3, 0, line_slots, entries, {}};
    }
};

struct Counts {
    int sections, parts, lines, entries, stop_at;
};

int Count_Line(DWQB_Linie*, int32_t, void* c) {
    auto* counts = static_cast<Counts*>(c);
    return ++counts->lines != counts->stop_at;
}
int Count_Entry(DWQB_Schublinie*, void* c) {
    static_cast<Counts*>(c)->entries++;
    return 1;
}

TEST(DwqbResults, WalksVisitEveryRecordAndStopOnZero) {
    Tree tree;
    DWQB_Aktueller_Teil = nullptr;
    DWQB_Result_Visitor none{};
    EXPECT_EQ(Walk_DWQB_Result(&none), 0);  // no result head
    DWQB_Aktueller_Teil = &tree.head;
    EXPECT_EQ(Walk_DWQB_Result(&none), 1);
    const struct {
        int stop_at, result, lines;
    } cases[] = {{0, 1, 3}, {2, 0, 2}};
    for (const auto& c : cases) {
        Counts counts{0, 0, 0, 0, c.stop_at};
        DWQB_Result_Visitor v{nullptr, nullptr, Count_Line, Count_Entry, nullptr, nullptr, nullptr, nullptr, &counts, &counts};
        EXPECT_EQ(Walk_DWQB_Result(&v), c.result);
        EXPECT_EQ(counts.lines, c.lines);
        EXPECT_EQ(counts.entries, c.result ? 3 : 0);
    }
    tree.part.kind = 1;
    EXPECT_EQ(Walk_DWQB_Result(&none), 0);
    DWQB_Aktueller_Teil = nullptr;
}

TEST(DwqbResults, PartSumsLeaveLinesWithoutNormalStressOutOfSetOne) {
    Tree tree;
    const double areas[3] = {2, 3, 5};
    for (int k = 0; k < 3; k++) {
        DWQB_Teilwerte& v = tree.results[k].v;
        v.set1.a = v.set2.a = areas[k];
        v.set1.y_min = -k;
        v.set1.y_max = k;
        v.torsion[0] = 1;
        v.w = k;
        v.w_min = -10 * k;
        v.w_max = 10 * k;
    }
    Sum_DWQB_Teil(&tree.head);
    Sum_DWQB_Teil_Torsion(&tree.head);
    EXPECT_EQ(tree.part.v.set1.a, 5);
    EXPECT_EQ(tree.part.v.set2.a, 10);
    EXPECT_EQ(tree.head.v.set1.a, 5);
    EXPECT_EQ(tree.head.v.set2.a, 10);
    EXPECT_EQ(tree.part.v.set1.y_min, -1);
    EXPECT_EQ(tree.part.v.set1.y_max, 1);
    EXPECT_EQ(tree.head.v.torsion[0], 3);
    EXPECT_EQ(tree.head.v.w, 3);
    EXPECT_EQ(tree.head.v.w_min, -20);
    EXPECT_EQ(tree.head.v.w_max, 20);
}

TEST(DwqbResults, ExactValuesFromThePlateOutline) {
    // Plate 20 x 1 about the origin: I_y = 20/12, I_z = 20^3/12; its outline
    // reaches z = +-0.5 and y = +-10, so W_y = I_y/0.5 and W_z = I_z/10.
    Tree tree;
    DWQB_Linie& l = tree.lines[0];
    const double corners[5][2] = {{-10, -0.5}, {10, -0.5}, {10, 0.5}, {-10, 0.5}, {-10, -0.5}};
    for (int k = 0; k < 10; k++) l.outline[k].flags = DWQB_SEG_EMPTY;
    for (int k = 0; k < 4; k++)
        l.outline[k] = {DWQB_SEG_PRESENT | static_cast<uint32_t>(k), 0, corners[k][0], corners[k][1], corners[k + 1][0],
                        corners[k + 1][1], 0, 0, 0, 0, 0, nullptr};
    tree.part.n_members = 1;
    DWQB_Teil_Summen sums{};
    sums.a = 20;
    sums.yy = 8000.0 / 12;
    sums.zz = 20.0 / 12;
    double out[DWQB_GESAMTWERTE];
    Calc_DWQB_Teil_Werte_Exakt(&tree.part, &sums, out);
    const double wy = (20.0 / 12) / 0.5, wz = (8000.0 / 12) / 10;
    const double expected[12] = {-wy, wy, -wz, wz, -10, 10, -0.5, 0.5, -wy, wy, -wz, wz};
    for (int k = 0; k < 12; k++) EXPECT_NEAR(out[26 + k], expected[k], 1e-9) << 26 + k;
    // A curved segment on its own arc: half circle of radius 0.5 at the end.
    l.outline[4] = {DWQB_SEG_PRESENT | DWQB_SEG_CURVED | 4u, 8, 10, -0.5, 10, 0.5, -0.5, 0, 0, 0, 0, nullptr};
    double y, z;
    Calc_DWQB_Segment_Point(0, &l.outline[4], &y, &z);
    EXPECT_NEAR(y, 10.5, 1e-12);
    EXPECT_NEAR(z, 0, 1e-12);
    Calc_DWQB_Teil_Werte_Exakt(&tree.part, &sums, out);
    EXPECT_NEAR(out[31], 10.5, 1e-12);
}

int Register_Cell(DWQB_Linie* key, uint32_t flags, void*) { return REALLOC_DWQB_CELLS_BUFFER(key, static_cast<int>(flags)); }

TEST(DwqbCells, SingleCellTubeCoefficientIsTheSumOfDsOverT) {
    // Box 4 x 3 drawn counter-clockwise: the cell lies on every left side.
    Init_DWQB_Model();
    Add_DWQB_Node(1, 0, 0);
    Add_DWQB_Node(2, 4, 0);
    Add_DWQB_Node(3, 4, 3);
    Add_DWQB_Node(4, 0, 3);
    const double t[4] = {1, 1, 0.5, 0.5}, len[4] = {4, 3, 4, 3}, term[4] = {1, 2, 3, 4};
    for (int k = 0; k < 4; k++) Add_DWQB_Line_Constant_T(k + 1, k + 1, (k + 1) % 4 + 1, t[k]);
    _Winged_Edge_Structure();
    DWQB_Linienergebnis results[4]{};
    void* slots[4];
    int k = 0;
    for (DWQB_Linie* l = First_DWQB_Line(); l; l = l->next, k++) {
        results[k].kind = 1;
        results[k].line = l;
        results[k].ds_over_t = len[k] / t[k];
        results[k].cell_terms[0] = term[k];
        l->result = &results[k];
        slots[k] = &results[k];
    }
    DWQB_Teil part{3, 4, 0, 0, slots, nullptr, {}};
    Reset_DWQB_Cells();
    DWQB_Cell_Callbacks registering{Register_Cell, nullptr, nullptr, nullptr};
    ASSERT_EQ(Walk_DWQB_Cells(&part, &registering), 1);
    ASSERT_EQ(DWQB_Zellen.n, 1);
    Clear_DWQB_Cell_System();
    DWQB_Cell_Callbacks assembling{nullptr, Add_DWQB_Cell_Shear_Terms, nullptr, nullptr};
    ASSERT_EQ(Walk_DWQB_Cells(&part, &assembling), 1);
    EXPECT_NEAR(DWQB_Zellen.matrix[0], 4 + 3 + 8 + 6, 1e-12);
    EXPECT_NEAR(DWQB_Zellen.rhs[0][0], -(1 + 2 + 3 + 4), 1e-12);
    Solve_DWQB_Linear_1(DWQB_Zellen.matrix, DWQB_Zellen.rhs[0], 1);
    DWQB_Cell_Callbacks applying{nullptr, Apply_DWQB_Cell_Shear_Solution, nullptr, nullptr};
    ASSERT_EQ(Walk_DWQB_Cells(&part, &applying), 1);
    for (const DWQB_Linienergebnis& r : results) EXPECT_NEAR(r.case_values[0][0], -10.0 / 21, 1e-12);
    for (DWQB_Linie* l = First_DWQB_Line(); l; l = l->next) l->result = nullptr;
    Reset_DWQB_Cells();
}

}  // namespace
