// A broken general section is caught by the invariant check at the end of
// the section engine's entry points.
#include <gtest/gtest.h>

#include "section/section_update.h"
#include "section_fixture.h"
#include "support/invariant_death.h"

namespace {

// A triangle area whose closing edge is missing: its outline is open.
TEST(SectionInvariantsDeathTest, AnOpenAreaOutlineIsCaught) {
    SKIP_WITHOUT_INVARIANT_CHECKS();
    Querschnitt* q = New_Querschnitt(1, 0);
    Querschnittsgruppe* g = New_Querschnittsgruppe_Flaeche(1, section_fixture::Add_Steel(q, 235000));
    Add_Querschnittsgruppe(q, g);
    Querschnittsknoten* n[3];
    for (int i = 0; i < 3; ++i) Add_Querschnittsknoten(q, n[i] = New_Querschnittsknoten(i + 1, i, i * i));
    for (int i = 0; i < 2; ++i) {
        Querschnittskante* e = New_Querschnittskante(i + 1, n[i], n[i + 1], 0);
        Add_Querschnittskante(q, e);
        Add_Kante_To_Flaeche(g, e);
    }
    EXPECT_INVARIANT_BROKEN(Update_Querschnitt(q, 0), "general section", "area outline closed");
    Free_Querschnitt(q);
}

}  // namespace
