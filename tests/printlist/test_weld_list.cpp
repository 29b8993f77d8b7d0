// A small print list written the way the weld program opens and fills one
// (list head with contents entry, chapter headings, an indented paragraph
// with tab stops, a table, a check that holds and one that fails), compared
// with a file whose every line was checked against the list format.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "base/cp850.h"
#include "platform/oli_layout.h"
#include "printlist/ioliwrt.h"
#include "printlist/oli_para.h"
#include "support/testutil.h"

namespace {

TEST(WeldPrintList, MatchesTheCheckedFile) {
    testutil::TempDir dir;
    const std::string name = dir.file("BAUTEIL_01.OLI");
    FILE* list = std::fopen(name.c_str(), "w");
    ASSERT_NE(list, nullptr);

    // List head.
    Oli_Writer_Init(0, 0, OLI_WRITER_PLAIN_NUMBERS);
    Oli_Set_Bookmark_Depth(6);
    Oli_Set_Bookmark_Max_Level(1);
    EXPECT_EQ(OLI_End_Text(list), -1);  // nothing open yet
    OLI_New_Paragraph();
    OLI_reserveSpaceCM(list, 2.5f);
    std::fprintf(list, "#CONTENTS\n%s\n", " POS. 12: Stütze"_cp);

    Oli_Heading(list, 1, "%s", "Eingabe");
    OLI_Set_Para_Indent(OLI_Get_Para_Indent() + 1.3);
    const double tabs[2] = {4.0, 8.5};
    OLI_Set_Tabs(2, nullptr, tabs, 2);
    OLI_printf(list, "Blech╬tt╬t= %.1f mm\n"_cp, 10.0);
    OLI_printf(list, "Naht╬ta╬t= %.1f mm\n"_cp, 4.0);
    OLI_End_Text(list);

    Oli_Heading(list, 2, "Nahtgeometrie");
    const double a[1] = {4.0};
    const double l[1] = {120.0};
    const OliSimpleRow rows[2] = {{"a", "mm", a, 1, nullptr}, {"l", "mm", l, 0, nullptr}};
    Oli_Simple_Table(list, 2, 1, rows);

    Oli_Heading(list, 1, "Nachweise");
    EXPECT_EQ(Oli_Check_Line(list, "Nahtdicke a =", 4.0, ">=", 3.0, 1, "mm", "", ""), 1);
    EXPECT_EQ(Oli_Check_Line(list, "Ausnutzung U =", 1.08, "<=", 1.0, 2, "", "", "Nachweis nicht erfüllt"_cp), 0);
    std::fclose(list);

    EXPECT_EQ(testutil::Read_File(name), testutil::Read_File(testutil::Fixture("printlist/weld_list.oli")));
}

}  // namespace
