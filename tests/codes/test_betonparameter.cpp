// The data side of the concrete and steel input pages: picker lists with
// their separators, positions and ids, factor-table columns, and the
// skipping of comment lines.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "codes/betonparameter.h"
#include "platform/screen.h"
#include "support/global_state.h"
#include "support/testutil.h"

namespace {

const testutil::Global_Reset reset_definition_mode([] { Set_Definition_Mode(0); });

std::vector<std::string> Names(const Grade_Pick_List* l) {
    std::vector<std::string> v;
    for (int i = 0; i < l->count; ++i) v.emplace_back(l->names + i * l->stride);
    return v;
}

TEST(GradePickLists, ConcreteListWithEveryGroup) {
    Grade_Pick_List* l = Make_Concrete_Pick_List(1, 1 | 2 | 4);
    const std::vector<std::string> want = {
        "B15", "B25", "B35", "B45", "B55", "-------", "C12/15", "C16/20", "C20/25", "C25/30", "C30/37",
        "C35/45", "C40/50", "C45/55", "C50/60", "C55/67", "C60/75", "C70/85", "C80/95", "C90/105",
        "C100/115", "-------", "LC12/13", "LC16/18", "LC20/22", "LC25/28", "LC30/33", "LC35/38", "LC40/44",
        "LC45/50", "LC50/55", "LC55/60", "LC60/66", "-------", "frei"};
    EXPECT_EQ(Names(l), want);
    EXPECT_EQ(l->stride, 9);
    EXPECT_EQ(l->lightweight_shown, 0);
    EXPECT_EQ(l->ids[34], 20);
    EXPECT_EQ(l->flags[34], PICK_FREE_CONCRETE);
    EXPECT_EQ(l->colours[34], Nearest_RGB_Color(0, 0, 255));
    EXPECT_EQ(l->colours[0], Nearest_RGB_Color(0, 164, 0));
    EXPECT_EQ(l->colours[6], BLACK_CI);
    EXPECT_EQ(l->colours[22], Nearest_RGB_Color(155, 126, 66));
    EXPECT_EQ(l->colours[5], Nearest_RGB_Color(234, 164, 0));
    EXPECT_EQ(l->ids[5], -1);
    EXPECT_EQ(l->flags[5], PICK_SEPARATOR);
    EXPECT_EQ(l->ids[20], 19);
    EXPECT_EQ(l->ids[32], 15);
    EXPECT_EQ(l->flags[32], PICK_LIGHTWEIGHT);

    int id = 0, flags = 0;
    Get_Pick_Entry(l, 5, &id, &flags);  // the separator after "B55"
    EXPECT_EQ(id, 4);
    EXPECT_EQ(flags, PICK_DIN_CONCRETE);
    Get_Pick_Entry(l, 35, &id, &flags);
    EXPECT_EQ(id, -1);
    EXPECT_EQ(flags, 0);
    Get_Pick_Entry(l, -1, &id, &flags);
    EXPECT_EQ(id, -1);
    EXPECT_EQ(Find_Pick_Position(l, 5, PICK_LIGHTWEIGHT), 22);
    EXPECT_EQ(Find_Pick_Position(l, 5, 0), 6);
    EXPECT_EQ(Find_Pick_Position(l, 20, 0), 34);
    EXPECT_EQ(Find_Pick_Position(l, 77, 0), 0);
    Free_Pick_List(l);
}

TEST(GradePickLists, ShortListsAndSteel) {
    struct {
        int mode, options;
        std::vector<std::string> names;
    } const cases[] = {
        {0, 1 | 2 | 4, {"B15", "B25", "B35", "B45", "B55"}},
        {0, 2 | 4, {}},
        {1, 4 | 8, {"C12/15", "C16/20", "C20/25", "C25/30", "C30/37", "C35/45", "C40/50", "C45/55", "C50/60",
                    "C55/67", "C60/75", "C70/85", "C80/95", "C90/105", "C100/115", "-------", "frei"}},
    };
    for (const auto& c : cases) {
        Grade_Pick_List* l = Make_Concrete_Pick_List(c.mode, c.options);
        EXPECT_EQ(Names(l), c.names) << c.mode << " " << c.options;
        EXPECT_EQ(l->lightweight_shown, (c.options & 8) ? 1 : 0);
        Free_Pick_List(l);
    }
    Grade_Pick_List* s = Make_Steel_Pick_List(0);
    EXPECT_EQ(Names(s), (std::vector<std::string>{"BSt 220/340", "BSt 420 S", "BSt 500 S"}));
    EXPECT_EQ(s->flags[2], PICK_DIN_STEEL);
    Free_Pick_List(s);
    for (int mode : {1, 2}) {
        s = Make_Steel_Pick_List(mode);
        const std::string a = mode == 2 ? "B500A" : "BSt 500 (A)";
        const std::string b = mode == 2 ? "B500B" : "BSt 500 (B)";
        EXPECT_EQ(Names(s), (std::vector<std::string>{"BSt 220/340", "BSt 420 S", "BSt 500 S", "-------", a, b,
                                                      "-------", "frei"}));
        EXPECT_EQ(s->stride, 13);
        EXPECT_EQ(s->ids[7], 5);
        EXPECT_EQ(s->flags[7], PICK_FREE_STEEL);
        int id = 0, flags = 0;
        Get_Pick_Entry(s, 6, &id, &flags);
        EXPECT_EQ(id, 4);
        EXPECT_EQ(flags, 0);
        Free_Pick_List(s);
    }
    Free_Pick_List(nullptr);
    Set_Definition_Mode(2);
    EXPECT_EQ(Get_Definition_Mode(), 2);
}

TEST(FactorTable, ColumnsDefaultsAndPositions) {
    Factor_List t;
    Init_Factor_List(&t, 3);
    ASSERT_EQ(t.count, 3);
    EXPECT_EQ(t.flag_1, 1);
    EXPECT_EQ(t.flag_2, 1);
    EXPECT_EQ(t.selected, -1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_STREQ(t.columns[i].name, "Welcher Faktor ?");
        EXPECT_STREQ(t.columns[i].symbol, "???");
        EXPECT_STREQ(t.columns[i].subscript, "");
        EXPECT_STREQ(t.columns[i].unit, "???");
        EXPECT_EQ(t.columns[i].x, 68 * i);
        EXPECT_EQ(t.columns[i].layout, 6);
        EXPECT_EQ(t.columns[i].width, 63);
        EXPECT_EQ(t.columns[i].gap, 5);
    }
    EXPECT_EQ(Factor_List_Height(&t), 3 * 68);

    Reset_Factor_List(&t, 0);
    EXPECT_EQ(t.count, 0);
    t.left = 10;
    EXPECT_EQ(Add_Factor_Row(&t, "Teilsicherheitsbeiwert", "\xC0", "c", "-", 6, 50, 4), 1);
    EXPECT_EQ(Add_Factor_Row(&t, std::string(130, 'n').c_str(), std::string(60, 's').c_str(), "0123456789AB",
                             std::string(25, 'u').c_str(), 6, 70, 6), 2);
    EXPECT_EQ(t.columns[0].x, 18);
    EXPECT_EQ(t.columns[1].x, 18 + 54);
    EXPECT_EQ(std::string(t.columns[1].name), std::string(100, 'n'));
    EXPECT_EQ(std::string(t.columns[1].symbol), std::string(50, 's'));
    EXPECT_STREQ(t.columns[1].subscript, "0123456789");
    EXPECT_EQ(std::string(t.columns[1].unit), std::string(19, 'u'));
    EXPECT_EQ(Factor_List_Height(&t), 54 + 76);
    Free_Factor_List(&t);
    EXPECT_EQ(t.count, 0);
    EXPECT_EQ(t.columns, nullptr);
}

TEST(FactorTable, CommentLinesAreSkipped) {
    const std::string tail(400, 'x');
    FILE* f = testutil::Stream_With("  \n# eins\n\t# " + tail + " 7\n 42 # zwei\n");
    Skip_Comment_Lines(f);
    int v = 0;
    ASSERT_EQ(std::fscanf(f, "%d", &v), 1);
    EXPECT_EQ(v, 42);
    Skip_Comment_Lines(f);
    EXPECT_EQ(std::fgetc(f), EOF);
    std::fclose(f);
    Skip_Comment_Lines(nullptr);
    EXPECT_EQ(Get_Text_Read_File(), nullptr);
    EXPECT_EQ(Get_Text_Write_File(), nullptr);
}

}  // namespace
