// Section objects, element lists, numbering, reference counts, placement,
// flags and update, and the check-data record.
#include <gtest/gtest.h>

#include <cmath>

#include "section/internal_forces.h"
#include "section/nchwdata.h"
#include "section/section_model.h"
#include "section/section_update.h"
#include "section/stress_strain.h"
#include "section_fixture.h"

namespace {

TEST(SectionModel, NumberingRuleAndIndexOf) {
    Querschnitt* q = New_Querschnitt(5, 0);
    Querschnitt* other = New_Querschnitt(6, 0);
    Querschnittsknoten* a = New_Querschnittsknoten(1, 0, 0);
    Querschnittsknoten* b = New_Querschnittsknoten(1, 1, 0);
    Querschnittsknoten* c = New_Querschnittsknoten(2, 2, 0);
    ASSERT_EQ(Add_Querschnittsknoten(q, a), 1);
    EXPECT_EQ(a->header.intern, 1);
    b->header.intern = 7;  // a larger number is kept and raises the largest
    Add_Querschnittsknoten(q, b);
    Add_Querschnittsknoten(q, c);
    EXPECT_EQ(b->header.intern, 7);
    EXPECT_EQ(c->header.intern, 8);
    EXPECT_EQ(q->max_intern, 8);
    EXPECT_EQ(Find_Querschnittsknoten_Nummer(q, 1), a);  // the first with the number
    EXPECT_EQ(Find_Querschnittsknoten_Intern(q, 7), b);
    EXPECT_EQ(Index_Of_Querschnittsknoten(q, c), 2);
    EXPECT_EQ(Index_Of_Querschnittsknoten(other, c), -1);
    EXPECT_EQ(Index_Of_Querschnittsknoten(q, nullptr), -1);
    EXPECT_EQ(Remove_Querschnittsknoten_At(q, 0), a);
    EXPECT_EQ(Get_Querschnittsknoten_Count(q), 2);
    Free_Querschnittsknoten(a);
    Free_Querschnitt(q);
    Free_Querschnitt(other);
}

TEST(SectionModel, MembersOfAnotherKindAreRefusedAndCountsFollowHolders) {
    Querschnitt* q = New_Querschnitt(1, 0);
    Spannungsdehnungslinie* steel = section_fixture::Add_Steel(q, 235);
    Querschnittsknoten* n1 = New_Querschnittsknoten(1, 0, 0);
    Querschnittsknoten* n2 = New_Querschnittsknoten(2, 1, 0);
    Querschnittskante* e = New_Querschnittskante(1, n1, n2, 0.5);
    EXPECT_EQ(e->bogen, 1);
    EXPECT_EQ(Get_Element_Refcount(n1), 1);
    Querschnittsgruppe* area = New_Querschnittsgruppe_Flaeche(1, steel);
    Querschnittsgruppe* points = New_Querschnittsgruppe_Punkte(2, steel);
    EXPECT_EQ(Get_Element_Refcount(steel), 2);
    EXPECT_EQ(Add_Punkt_To_Gruppe(area, n1, 1.0), nullptr);
    EXPECT_EQ(Add_Kante_To_Flaeche(points, e), 0);
    EXPECT_EQ(Get_Element_Refcount(n1), 1);
    EXPECT_EQ(Get_Element_Refcount(e), 0);
    EXPECT_EQ(New_Querschnittsgruppe_Linien(3, nullptr), nullptr);
    EXPECT_EQ(New_Querschnittskante(1, n1, nullptr, 0), nullptr);
    ASSERT_NE(Add_Punkt_To_Gruppe(points, n1, 2.0), nullptr);
    ASSERT_EQ(Add_Kante_To_Flaeche(area, e), 1);
    EXPECT_EQ(Get_Element_Refcount(n1), 2);
    Free_Querschnittsgruppe(points);
    Free_Querschnittsgruppe(area);
    EXPECT_EQ(Get_Element_Refcount(steel), 0);
    EXPECT_EQ(Get_Element_Refcount(n1), 1);
    EXPECT_EQ(Get_Element_Refcount(e), 0);
    Free_Querschnittskante(e);
    EXPECT_EQ(Get_Element_Refcount(n2), 0);
    Free_Querschnittsknoten(n1);
    Free_Querschnittsknoten(n2);
    Free_Querschnitt(q);
}

// Curves that refer to each other in both directions are freed with the
// section without reading freed memory (the sanitizer build checks it), and
// a static section survives Free_Querschnitt.
TEST(SectionModel, FreeingCurveReferencesAndStaticSections) {
    Querschnitt* q = New_Querschnitt(1, 16);
    ASSERT_NE(Get_Querschnitt_Userdata(q), nullptr);
    Spannungsdehnungslinie* a = section_fixture::Add_Steel(q, 235);
    Spannungsdehnungslinie* b = section_fixture::Add_Steel(q, 355);
    Set_Spannungsdehnungslinie_Bezug(a, b, 0.5);
    Set_Spannungsdehnungslinie_Bezug(b, a, 0.5);
    q->flags |= QS_STATISCH;
    Free_Querschnitt(q);
    EXPECT_EQ(Get_Spannungsdehnungslinien_Count(q), 2);
    q->flags &= ~static_cast<unsigned>(QS_STATISCH);
    Free_Querschnitt(q);
}

TEST(SectionUpdate, PlacementInversionAndTransformation) {
    Querschnitt* q = New_Querschnitt(1, 0);
    Set_Querschnitt_Lage(q, 0, 0, 0.3, 1);
    EXPECT_DOUBLE_EQ(q->lage[2], -0.3);
    // Inverting (1, 2, pi/2) by hand: y0' = -(1 cos + 2 sin) = -2, z0' = 1 sin - 2 cos = 1.
    const double in[3] = {1, 2, M_PI / 2};
    double out[3];
    Invert_Querschnitt_Lage(in, out, 1);
    EXPECT_NEAR(out[0], -2, 1e-12);
    EXPECT_NEAR(out[1], 1, 1e-12);
    EXPECT_DOUBLE_EQ(out[2], -M_PI / 2);
    Querschnittsknoten* n = New_Querschnittsknoten(1, 10, 5);
    Add_Querschnittsknoten(q, n);
    Set_Querschnitt_Lage(q, 10, 0, M_PI / 2, 0);
    EXPECT_EQ(Update_Querschnitt(q, 0), 1);
    EXPECT_NEAR(n->yt, 5, 1e-12);
    EXPECT_NEAR(n->zt, 0, 1e-12);
    Free_Querschnitt(q);
}

TEST(SectionUpdate, RecomputesOnlyWhatIsStale) {
    Querschnitt* q = New_Querschnitt(1, 0);
    Spannungsdehnungslinie* c = Dup_Spannungsdehnungslinie(Find_Builtin_Spannungsdehnungslinie("B25"));
    Add_Spannungsdehnungslinie(q, c);
    Update_Querschnitt(q, 0);
    // One concrete curve and no steel: both pairs are (-3.5, -2.0).
    const double expected[4] = {-3.5, -2.0, -3.5, -2.0};
    for (int i = 0; i < 4; ++i) EXPECT_DOUBLE_EQ(q->grenzen[i], expected[i]);
    EXPECT_EQ(c->segment_count, 4);
    c->segment_count = 0;  // a marker: a second update must not prepare again
    Set_Querschnitt_Lage(q, 0, 0, 0.5, 0);
    Update_Querschnitt(q, 0);
    EXPECT_EQ(c->segment_count, 0);
    EXPECT_DOUBLE_EQ(q->lage_berechnet[2], 0.5);
    const Querschnitt_Kurvenoptionen same = q->kurvenoptionen;
    Set_Querschnitt_Kurvenoptionen(q, &same);
    EXPECT_TRUE(q->flags & QS_KURVEN_OK);
    const Querschnitt_Kurvenoptionen other = {0x1000, 0};
    Set_Querschnitt_Kurvenoptionen(q, &other);
    EXPECT_FALSE(q->flags & QS_KURVEN_OK);
    Update_Querschnitt(q, 0);
    EXPECT_EQ(c->segment_count, 4);
    EXPECT_EQ(Set_Querschnitt_Grenzmodus(q, 1), 0);
    EXPECT_EQ(Set_Querschnitt_Grenzmodus(q, 0), 1);
    Free_Querschnitt(q);
}

TEST(SectionUpdate, PartialPreparationEmptiesOneSide) {
    Querschnitt* q = New_Querschnitt(1, 0);
    Spannungsdehnungslinie* c = section_fixture::Add_Steel(q, 235);
    Prepare_Querschnitt_Kurven_Teil(q, 1);
    double s;
    Calc_Linie_Spannung_Tangente(c, 1.0, -0.5, &s, nullptr);
    EXPECT_EQ(s, 0.0);
    Calc_Linie_Spannung_Tangente(c, 1.0, 0.5, &s, nullptr);
    EXPECT_NEAR(s, 105000, 1e-6);  // 210000 N/mm² x 0.5 ‰ = 105 N/mm²
    Prepare_Querschnitt_Kurven_Teil(q, 2);
    Calc_Linie_Spannung_Tangente(c, 1.0, 0.5, &s, nullptr);
    EXPECT_EQ(s, 0.0);
    Calc_Linie_Spannung_Tangente(c, 1.0, -0.5, &s, nullptr);
    EXPECT_NEAR(s, -105000, 1e-6);
    Free_Querschnitt(q);
}

const int parent_words[3] = {0, 0, -5};
const int* Parent_Of(int) { return parent_words; }
const int parent_words_3[3] = {0, 0, 3};
const int* Parent_With_Extra(int) { return parent_words_3; }
int hook_calls = 0;
int Hook(void*, void*, void*, void*) { return ++hook_calls + 40; }

TEST(CheckData, SlotsParentsHookAndSign) {
    Nachweisdaten* r = New_Nachweisdaten(211, 3, -2, nullptr);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->n_f64, 3);
    EXPECT_EQ(r->n_i32, 0);
    EXPECT_EQ(r->extra, r->i32);
    EXPECT_EQ(r->parent, nullptr);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Get_Nachweisdaten_F64(r)[i], 0.0);
    Nachweisdaten_Traeger owner{r}, empty{nullptr};
    EXPECT_EQ(Get_Nachweisdaten_Key(&owner), 211);
    EXPECT_EQ(Get_Nachweisdaten_Key(&empty), 0);
    EXPECT_EQ(Get_Nachweisdaten_Parent(nullptr), nullptr);
    Free_Nachweisdaten(r);
    r = New_Nachweisdaten(262, 1, 2, Parent_Of);
    EXPECT_EQ(r->extra - r->i32, 2);
    EXPECT_EQ(r->parent, parent_words);
    Free_Nachweisdaten(r);
    r = New_Nachweisdaten(264, 1, 2, Parent_With_Extra);
    r->extra[2] = 9;  // the three extra slots are inside the block
    Free_Nachweisdaten(r);

    EXPECT_EQ(Call_Querschnitt_Hook(nullptr, nullptr, nullptr, nullptr), 0);
    hook_calls = 0;
    Querschnitt_Hooks_3[QS_HOOKS_3 - 1] = reinterpret_cast<Querschnitt_Hook_Slot>(Hook);
    EXPECT_EQ(Call_Querschnitt_Hook(nullptr, nullptr, nullptr, nullptr), 41);
    Reset_Querschnitt_Hooks();
    EXPECT_EQ(Call_Querschnitt_Hook(nullptr, nullptr, nullptr, nullptr), 0);

    EXPECT_EQ(Sign_Transfer(-3, 0), 3);
    EXPECT_EQ(Sign_Transfer(3, -0.5), -3);
}

}  // namespace
