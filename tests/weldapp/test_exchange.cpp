// The data exchange through TEMP (export read back by the import, refusals
// that leave the record as it was) and the import protocol.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/cp850.h"
#include "dialogs/scrollarea.h"
#include "platform/msgbox.h"
#include "weldapp/desktop_fixture.h"
#include "weldapp/exchange.h"
#include "weldapp/record_fixture.h"

using testutil::Read_File;
using testutil::Write_File;

namespace {

std::string Record_Bytes() { return testutil::Written_With(Write_Schweissnaht, &Schweissnaht_Anschluss); }

std::vector<std::string> Last_Lines() {
    const auto& boxes = VEK_Recorded_Messages();
    return boxes.empty() ? std::vector<std::string>{} : boxes.back().lines;
}

// A connection that differs from the defaults in every block.
void Fill_Record(void) {
    SchweissnahtAnschluss& r = Schweissnaht_Anschluss;
    Default_Schweissnaht(&r);
    r.section_check = 1;
    r.naht.a_w = 6.0;
    Alloc_Lasten(&r, 3);
    r.load_unit = 2;
    std::snprintf(r.loads[2].name, sizeof r.loads[2].name, "%s", "Wind links");
    r.loads[2].forces.N = -125000.0;
    r.loads[2].forces.M_y = 3.5e7;
    r.print.ergebnisumfang = 2;
    New_Schweissnaht_Results(&r);
    // Once through the input file's reader, which pads the profile name as
    // every record read from a file has it.
    ASSERT_EQ(testutil::Read_With(Read_Schweissnaht, Record_Bytes(), &r), 0);
}

TEST(TempExchange, ExportIsReadBackByTheImport) {
    testutil::Desktop d;
    Fill_Record();
    const std::string record = Record_Bytes();
    Export_Schweissnaht_TEMP();
    EXPECT_EQ(Last_Lines(), std::vector<std::string>{"Die Daten wurden erfolgreich exportiert."});
    const std::string file = Read_File(d.Temp("Q7-NAXIT#export.dat"));
    FILE* annex = std::tmpfile();
    Write_ACTIV_NADNAME_Entry(annex);
    EXPECT_EQ(file, record + testutil::Stream_All(annex));
    std::fclose(annex);
    // Another component: the defaults, then the import, then its export.
    Default_Schweissnaht(&Schweissnaht_Anschluss);
    Import_Schweissnaht_TEMP();
    EXPECT_EQ(Last_Lines(), std::vector<std::string>{"Die Daten wurden erfolgreich importiert."});
    const SchweissnahtAnschluss& r = Schweissnaht_Anschluss;
    ASSERT_EQ(r.load_count, 3);
    EXPECT_EQ(r.load_unit, 2);
    EXPECT_STREQ(r.loads[2].name, "Wind links");
    EXPECT_EQ(r.loads[2].forces.N, -125000.0);
    EXPECT_EQ(r.loads[2].forces.M_y, 3.5e7);
    EXPECT_EQ(r.naht.a_w, 6.0);
    EXPECT_EQ(r.print.ergebnisumfang, 2);
    std::filesystem::rename(d.Temp("Q7-NAXIT#export.dat"), d.Temp("first.dat"));
    Export_Schweissnaht_TEMP();
    EXPECT_EQ(Read_File(d.Temp("Q7-NAXIT#export.dat")), Read_File(d.Temp("first.dat")));
}

TEST(TempExchange, SheetsAreTakenBeforeAndGivenBackAfter) {
    testutil::Desktop d;
    static std::string calls;
    calls.clear();
    Set_Connection_Sheet_Exchange([] { calls += "R"; }, [] { calls += "S"; }, [] { calls += "F"; });
    Fill_Record();
    Export_Schweissnaht_TEMP();
    Import_Schweissnaht_TEMP();
    Set_Connection_Sheet_Exchange(nullptr, nullptr, nullptr);
    EXPECT_EQ(calls, "RS" "RSFRS");
}

TEST(TempExchange, BadFilesLeaveTheConnectionAsItWas) {
    testutil::Desktop d;
    Fill_Record();
    const std::string before = Record_Bytes();
    const std::string good = before + "\n\nACTIV_NADNAME\n\xAE" "EC-Standardparameter\xAF\n";
    // The texts are named first: clang 14 crashes on a _cp literal inside
    // the braces of a std::vector.
    const char* const cannot_read = "Die Daten können nicht gelesen werden!"_cp;
    const char* const cannot_open = "Fehler bei der Dateiöffnung"_cp;
    const char* const cannot_import = "Die Daten können nicht importiert werden!"_cp;
    const std::vector<std::string> unreadable = {cannot_read, "Der bisherige Datenzustand", "bleibt erhalten."};
    const struct {
        const char* why;
        std::string file;  // "" : no file
        std::vector<std::string> lines;
    } cases[] = {
        {"missing", "", {cannot_open, cannot_import}},
        {"cut short", good.substr(0, good.size() / 2), unreadable},
        {"empty", " ", unreadable},
        {"newer than the program", " 99\n" + good.substr(good.find('\n') + 1), unreadable},
        // Before, a negative head was taken as "successfully imported"
        // and put the defaults in place of the connection.
        {"a negative head", " -1\n" + good.substr(good.find('\n') + 1), unreadable},
        {"a directory", "/", {cannot_open, cannot_import}},
        // Before, a damaged annex entry passed, and the German set stood in.
        {"a damaged annex entry", before + "\n\nACTIV_NADNAM.\n\xAE" "EC-Standardparameter\xAF\n", unreadable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::filesystem::remove(d.Temp("Q7-NAXIT#export.dat"));
        if (c.file == "/") std::filesystem::create_directory(d.Temp("Q7-NAXIT#export.dat"));
        else if (!c.file.empty()) Write_File(d.Temp("Q7-NAXIT#export.dat"), c.file);
        VEK_Clear_Recorded_Messages();
        Import_Schweissnaht_TEMP();
        EXPECT_EQ(Record_Bytes(), before);
        EXPECT_EQ(Last_Lines(), c.lines);
    }
    testutil::ScopedEnv no_temp("TEMP", std::nullopt);
    Import_Schweissnaht_TEMP();
    EXPECT_EQ(Last_Lines(), std::vector<std::string>{cannot_import});
    Export_Schweissnaht_TEMP();
    EXPECT_EQ(Last_Lines(), std::vector<std::string>{"Die Daten können nicht exportiert werden!"_cp});
    EXPECT_EQ(Record_Bytes(), before);
}

TEST(TempExchange, AFailedExportKeepsTheLastFileWhole) {
    testutil::Desktop d;
    Fill_Record();
    Write_File(d.Temp("Q7-NAXIT#export.dat"), "earlier export\n");
    {
        testutil::ScopedFileSizeLimit full(64);  // the disc fills up while writing
        Export_Schweissnaht_TEMP();
    }
    EXPECT_EQ(Last_Lines()[1], "Die Daten können nicht exportiert werden!"_cp);
    EXPECT_EQ(Read_File(d.Temp("Q7-NAXIT#export.dat")), "earlier export\n");
}

TEST(ImportProtocol, CountShowAndDelete) {
    testutil::Desktop d;
    EXPECT_EQ(Make_File_Stem(), std::string("_03"));
    EXPECT_EQ(Count_Import_Protocol_Lines(), 0);
    Open_Import_Protocol(1, 0);  // nothing to delete: nothing happens
    FILE* f = Open_Import_Protocol(0, 0);
    ASSERT_NE(f, nullptr);
    std::fputs("VEK-Export-Bauteil: R1 (letzte Aktion: x)\n\nImport erfolgreich: 01.02.26 10:30\n", f);
    std::fclose(f);
    EXPECT_EQ(Read_File(d.dir.file("K1_03.EXP")).size(), 78u);
    EXPECT_EQ(Count_Import_Protocol_Lines(), 3);
    const int slot = Define_Scrollable_View_Area(0, 0, 700, 500, 0, 1);
    ASSERT_GE(slot, 0);
    int y = 10;
    Import_Protocol_Callback(slot, 20, &y, nullptr);
    EXPECT_EQ(y, 10 + 22 + 3 * 18);
    std::vector<std::string> texts;
    for (const Scrollable_Area_Item* i = Scrollable_View_Area_Record(slot)->first_item; i; i = i->next)
        texts.push_back(i->text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Schnittgrößenimport: Informationen zum exportierenden Bauteil:"_cp,
                                               "VEK-Export-Bauteil: R1 (letzte Aktion: x)",
                                               "Import erfolgreich: 01.02.26 10:30"}));
    Undefine_Scrollable_View_Area(slot);
    Open_Import_Protocol(1, 0);
    EXPECT_FALSE(std::filesystem::exists(d.dir.file("K1_03.EXP")));
    EXPECT_EQ(Open_Import_Protocol_Read(), nullptr);
}

}  // namespace
