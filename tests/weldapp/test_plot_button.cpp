// "plotten" hands the plan editor the component's print list and plot file
// as the edits make them, and once the editor has closed puts back the
// files the saved input made: a run that ends without saving leaves them
// as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/testutil.h"
#include "weldapp/batch_desktop.h"

TEST(PlotButton, EditorSeesTheEditsAndTheSavedFilesStay) {
    Desktop d;
    d.Add("he280a_end_plate", "A001");
    ASSERT_EQ(d.Run("A001 0 1 1 -refresh"), 1) << d.err;
    const std::string list = d.project + "/A001_01.OLI", plot = d.project + "/A0010001.SPF";
    const std::string saved_list = testutil::Read_File(list), saved_plot = testutil::Read_File(plot);
    ASSERT_FALSE(saved_list.empty());
    ASSERT_FALSE(saved_plot.empty());
    // The editor keeps what it was given; its window stands while it runs.
    const std::string editor = d.dir.file("exec/Linarium.exe");
    testutil::Write_File(editor, "#!/bin/sh\ncp A001_01.OLI \"$TEMP/seen.OLI\"\n");
    testutil::Write_File(editor + ".title", "VEK - Planbearbeitung\n");
    std::filesystem::permissions(editor, std::filesystem::perms::owner_all);
    // N of LK 1 typed as -451 kN in the table; "plotten"; "Ende",
    // "beenden ohne zu speichern" and Enter.
    testutil::Write_File(d.dir.file("script.txt"),
                         "click 110 30\nclick 116 191\ntype 0 -451\n"
                         "move 1160 27\nmove 1160 27\nclick 1160 27\n"
                         "move 1250 27\nmove 1250 27\nclick 1250 27\nclick 555 522\nkey 13\n");
    EXPECT_EQ(d.Run("A001 0 1 1", true, "VEK_SCRIPT='" + d.dir.file("script.txt") + "'"), 0) << d.err;
    const std::string seen = testutil::Read_File(d.dir.file("temp/seen.OLI"));
    EXPECT_NE(seen.find("-451"), std::string::npos) << "the editor was given the edits";
    EXPECT_EQ(saved_list.find("-451"), std::string::npos);
    EXPECT_TRUE(testutil::Read_File(list) == saved_list) << "the component's list as saved";
    EXPECT_TRUE(testutil::Read_File(plot) == saved_plot) << "the component's plot file as saved";
}
