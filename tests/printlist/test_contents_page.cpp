// The contents page that starts the component's print list.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "base/filenames.h"
#include "base/stored_text.h"
#include "printlist/ioliwrt.h"
#include "printlist/oli_para.h"
#include "support/testutil.h"

TEST(ContentsPage, HeadAndCleanWriter) {
    testutil::TempDir dir;
    Set_File_Base((dir.str() + "/BT01").c_str());
    snprintf(Print_List_Suffix, sizeof Print_List_Suffix, "_%02d.OLI", 3);
    FILE* list = Open_Contents_Page("12", "St\x81tze", 0);
    ASSERT_NE(list, nullptr);
    fclose(list);
    const std::string page = testutil::Read_File(dir.file("BT01_03.OLI"));
    EXPECT_EQ(page.rfind("#NEWPAGE\n#SETFLAGS\n", 0), 0u);
    const size_t layout = page.find("#SETLAYOUT\n 4115\n");
    ASSERT_NE(layout, std::string::npos);
    EXPECT_NE(page.find(" 896\n"), std::string::npos);
    EXPECT_EQ(page.substr(layout + 17), "#CONTENTS\n POS. 12: St\x81tze\n");
    list = Open_Contents_Page("12", "x", 1);
    fclose(list);
    EXPECT_EQ(testutil::Read_File(dir.file("BT01_03.OLI")).rfind("#SETFLAGS", 0), 0u);

    // A paragraph left open in one list does not continue in the next: the
    // new list's first text opens its own block.
    FILE* earlier = fopen(dir.file("earlier.OLI").c_str(), "w");
    ASSERT_NE(earlier, nullptr);
    OLI_printf(earlier, "%s", "offen");
    fclose(earlier);
    list = Open_Contents_Page("12", "x", 1);
    ASSERT_NE(list, nullptr);
    OLI_printf(list, "%s", "neu");
    OLI_End_Text(list);
    fclose(list);
    const std::string next = testutil::Read_File(dir.file("BT01_03.OLI"));
    EXPECT_NE(next.find("#CONTENTS\n POS. 12: x\n\n#SHOWPARA\n"), std::string::npos) << next;

    // A list whose head cannot be written is no list.
    Set_File_Base("/dev/full");
    Print_List_Suffix[0] = '\0';
    EXPECT_EQ(Open_Contents_Page("12", "x", 0), nullptr);
    Set_File_Base("");
}
