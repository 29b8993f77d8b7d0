// What the window saves of an input file it opened: the pages apply only
// what the user changed onto the record the file gave, so that a file
// opened and saved untouched is the file (every weld kind and arrangement,
// every grade family with table and own values, every profile family, both
// codes), a value the page cannot show is kept and named in a box when the
// file is opened, and a value the user changed is saved as the page shows
// it. The window's road in the test's own process: the file read as the
// window reads it, the refresh after opening, the page built and refreshed
// again as after a click that changes nothing, then the save.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "codes/nad.h"
#include "dialogs/area_session.h"
#include "platform/msgbox.h"
#include "profiles/profile_catalogue.h"
#include "support/testutil.h"
#include "weldapp/desktop_fixture.h"
#include "weldapp/filed_corpus.h"
#include "weldapp/filed_record.h"
#include "weldapp/input_page.h"
#include "weldapp/record_fixture.h"
#include "weldapp/schweissnaht.h"
#include "weldapp/shell_pages.h"
#include "weldapp/typed_profile.h"
#include "weldcheck/weldelem.h"

namespace {

namespace fs = std::filesystem;
using testutil::Read_File;
using testutil::Write_File;

class FiledValues : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(d_.dir.file("DATA"));
        fs::copy(std::string(WELD_SOURCE_DIR) + "/data/NAD", d_.dir.file("DATA/NAD"), fs::copy_options::recursive);
        fs::copy_file(WELD_PROFIL_FILE, d_.dir.file("DATA/PROFIL"));
        Reset_Profile_Catalogue();
        Set_Active_NAD_By_Name("Deutschland");
        Begin_Area_Session(1280, 1024);
        area_ = Open_Area_Sheet("", 9, 55, 1266, 1010, 1, 100);
    }
    void TearDown() override { End_Area_Session(); }

    std::string Input() const { return d_.dir.file("K1_03.INP"); }
    void Build() {
        Clear_Scrollable_View_Area(area_);
        int y = 20;
        Draw_Nachweis_Page(&Schweissnaht_Anschluss, area_, 30, &y, 22, 18, 1200, 1);
    }
    // The window opens the file, shows its page, takes a click that
    // changes nothing, and saves: the file then. The boxes are kept.
    std::string Opened_And_Saved(const std::string& text) {
        Open(text);
        Refresh_Connection_Record(&Schweissnaht_Anschluss);
        Build();
        return Saved();
    }
    // The same with an edit of the page's values between the opening and
    // the save, refreshed and shown as after the edit's click.
    std::string Opened_Edited_And_Saved(const std::string& text, const std::function<void()>& edit) {
        Open(text);
        edit();
        Refresh_Connection_Record(&Schweissnaht_Anschluss);
        Build();
        Refresh_Connection_Record(&Schweissnaht_Anschluss);
        return Saved();
    }
    // The file opened as the window opens it, its page shown.
    void Open(const std::string& text) {
        Write_File(Input(), text);
        VEK_Clear_Recorded_Messages();
        SchweissnahtAnschluss* r = &Schweissnaht_Anschluss;
        Reset_Input_Page();  // a window opens a file with nothing kept from another
        Load_Input_File();
        Refresh_Connection_Record(r);
        Show_Filed_Record(r, area_, 0, 0, 1279, 1023);
        Build();
    }
    // The page taken and saved: the file then.
    std::string Saved() {
        Connection_Sheet_to_Record(&Schweissnaht_Anschluss);
        EXPECT_EQ(Save_Input_File(), COMPONENT_FILE_DONE);
        return Read_File(Input());
    }
    // The lines of the box whose first line begins with `first`, empty when
    // none came.
    static std::vector<std::string> Box_Beginning(const std::string& first) {
        for (const auto& box : VEK_Recorded_Messages())
            if (!box.lines.empty() && box.lines[0].rfind(first, 0) == 0) return box.lines;
        return {};
    }
    // The box that names what the page shows otherwise, and the save's box
    // that names what the file will not hold.
    static std::vector<std::string> Shown_Otherwise_Box() { return Box_Beginning("Die Eingabedatei h\x84lt Werte"); }
    static std::vector<std::string> Not_Saved_Box() { return Box_Beginning("Die Eingabedatei h\x84lt nur"); }

    testutil::Desktop d_;
    testutil::ScopedEnv data_{"DATA", d_.dir.file("DATA")};
    testutil::ScopedEnv dram_{"DRAM", d_.dir.file("DATA")};
    int area_ = -1;
};

// The lines in which the saved file differs from the file ("line 12:
// file ... | saved ..."), empty when they are the same.
std::string Differing_Lines(const std::string& file, const std::string& saved) {
    auto lines = [](const std::string& text) {
        std::vector<std::string> v;
        size_t at = 0;
        for (size_t nl; (nl = text.find('\n', at)) != std::string::npos; at = nl + 1)
            v.push_back(text.substr(at, nl - at));
        v.push_back(text.substr(at));
        return v;
    };
    const std::vector<std::string> a = lines(file), b = lines(saved);
    std::string diff;
    for (size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string x = i < a.size() ? a[i] : "(none)", y = i < b.size() ? b[i] : "(none)";
        if (x != y) diff += "line " + std::to_string(i + 1) + ": file " + x + " | saved " + y + "\n";
    }
    return diff;
}

using testutil::Filed_Base;
using testutil::Filed_File_Of;
using testutil::Filed_Lay_Welds;
using testutil::Page_Shows_Weld;
using testutil::Round_Bar_Butt_Weld;

}  // namespace

// Every weld kind the file holds (fillet, slot, butt, plug, other), single
// or all round, fully penetrated or not, under EC 3 on HE 280 A and under
// DIN 18800 on a typed tee: open and save give the file byte for byte.
// Where the page has no such weld (a slot weld all round, a fillet weld
// flagged fully penetrated, a butt weld under DIN 18800's single fillet
// welds) the box at the opening names it; otherwise there is none.
TEST_F(FiledValues, EveryWeldKindAndArrangementIsSavedAsTheFileHoldsIt) {
    for (const testutil::Filed_Case& c : testutil::Weld_Kind_Cases()) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Differing_Lines(c.file, Opened_And_Saved(c.file)), "");
        EXPECT_EQ(!Shown_Otherwise_Box().empty(), c.box_at_opening);
        // Nothing is lost, and the save says of nothing that it is.
        EXPECT_EQ(Not_Saved_Box(), std::vector<std::string>{});
    }
}

// Every class of profile, typed in and from the catalogue (each family's
// designation), under both codes, with the arrangements in turn: the file
// byte for byte. DIN 18800 describes a section by one flange (an angle, a
// channel by one thickness): what a typed section has beside it is kept,
// and named.
TEST_F(FiledValues, EveryProfileFamilyIsSavedAsTheFileHoldsIt) {
    const char* const names[] = {"HE280A", "IPE300", "IPN200", "U100", "L100X10", "1/2IPE300", "R168.3X5.0"};
    struct Arrangement {
        int kind, all_round, full;
    };
    const Arrangement arrangements[] = {{WELD_FILLET, 0, 0}, {WELD_FILLET, 1, 0}, {WELD_BUTT, 1, 0},
                                        {WELD_BUTT, 1, 1},   {WELD_BUTT, 0, 0}};
    int turn = 0;
    auto check = [&](const std::function<void(Stahlprofil*)>& profile, const std::string& what, bool tied,
                     bool offered = true) {
        for (int code : {CODE_SETTING_EC3, CODE_SETTING_DIN18800}) {
            const Arrangement& a = arrangements[turn++ % 5];
            SCOPED_TRACE(what + " code " + std::to_string(code) + " kind " + std::to_string(a.kind) + " all round " +
                         std::to_string(a.all_round) + " full " + std::to_string(a.full));
            testutil::Record k;
            SchweissnahtAnschluss& r = k.r;
            Filed_Base(&r);
            r.code_setting = code;
            Nahtbild& n = r.naht;
            profile(&n.profile);
            Filed_Lay_Welds(&n);
            n.weld_kind = a.kind, n.all_round = a.all_round, n.full_penetration = a.full;
            Update_Weld_Layout(&n, nullptr, 0);
            const std::string file = Filed_File_Of(&r);
            EXPECT_EQ(Differing_Lines(file, Opened_And_Saved(file)), "");
            const bool din = code == CODE_SETTING_DIN18800;
            const bool weld_shown = Page_Shows_Weld(a.kind, n.all_round, a.full, !din);
            EXPECT_EQ(Shown_Otherwise_Box().empty(), offered && weld_shown && !(din && tied));
        }
    };
    for (const char* name : names) {
        ASSERT_NE(Get_Profile_Record(name), nullptr) << name;
        check([name](Stahlprofil* p) { EXPECT_EQ(Init_Profile_From_Name(p, name), 0) << name; }, name, false);
    }
    // A box and a trapezoid, which the page does not offer (a file may hold
    // them), are kept too, and named.
    for (int type = PROFILTYP_FLACH; type <= PROFILTYP_TRAPEZ; ++type)
        check([type](Stahlprofil* p) { testutil::Set_Typed_Profile(p, type); }, "type " + std::to_string(type),
              Is_Profile_Type_In(PROFILTYP_MASK_TWO_FLANGES, type) || type == PROFILTYP_L || type == PROFILTYP_C ||
                  type == PROFILTYP_U,
              type != PROFILTYP_KASTEN && type != PROFILTYP_TRAPEZ);
}

// Every grade of the weld grade table, stainless steel with and without
// "Vorgabe", own strengths that differ by thickness range, one grade for
// all and a grade each, under both codes: the file byte for byte, but
// where DIN 18800's list checks a grade as another steel (S450 as S355 (St52),
// an N/NL grade as its base steel): its grade is saved as that steel, with
// the box of the save that names what is lost.
TEST_F(FiledValues, EveryGradeFamilyIsSavedAsTheFileHoldsIt) {
    for (const testutil::Filed_Case& c : testutil::Grade_Cases()) {
        SCOPED_TRACE(c.what);
        const std::string saved = Opened_And_Saved(c.file);
        if (c.kept) {
            EXPECT_EQ(Differing_Lines(c.file, saved), "");
            EXPECT_EQ(Shown_Otherwise_Box(), std::vector<std::string>{});
            EXPECT_EQ(Not_Saved_Box(), std::vector<std::string>{});
            continue;
        }
        // Saved as the steel DIN 18800's list takes for it, and named.
        testutil::Record file, back;
        ASSERT_EQ(testutil::Read_With(Read_Schweissnaht, c.file, &file.r), 0);
        ASSERT_EQ(testutil::Read_With(Read_Schweissnaht, saved, &back.r), 0);
        EXPECT_EQ(back.r.naht.material.grade,
                  Steel_Choice_To_Grade_Index(Grade_Index_To_Steel_Choice(file.r.naht.material.grade)));
        bool named = false;
        for (const auto& box : VEK_Recorded_Messages())
            named = named || (!box.lines.empty() && box.lines[0].find("Nicht gespeichert") != std::string::npos);
        EXPECT_TRUE(named);
    }
}

namespace {

// Stainless steel for all of it, f_y 210 and f_u 520 (other values in the
// ranges a stainless steel does not take), beta_w 1.0, E 200000.
void Stainless(SchweissnahtAnschluss* r, int own) {
    Filed_Base(r);
    for (Materialparameter_Record* m : {&r->naht.material, &r->naht.profile.material, &r->naht.plate.material}) {
        m->grade = WELD_GRADE_STAINLESS, m->own_values = own;
        m->f_y1 = 210, m->f_u1 = 520, m->f_y2 = 200, m->f_u2 = 500, m->f_y3 = 190, m->f_u3 = 480;
        m->beta_w = 1.0, m->E = 200000;
    }
}

}  // namespace

// What the user changes on the page is saved as the page shows it, with
// everything else as the file holds it: the arrangement chosen (the butt
// weld becomes the fillet weld chosen; single welds chosen for a slot weld
// all round, which the page shows as the fillet weld, are single fillet
// welds, not single slot welds: the weld's kind, all-round and
// full-penetration switches go together); a throat typed (the butt weld
// stays); a grade chosen; the code switched to DIN 18800 and back (a
// stainless steel comes back as it was, with or without "Vorgabe"); a DIN
// 18800 file's directional method shown again under EC 3.
TEST_F(FiledValues, ThePageAppliesOnlyWhatTheUserChanged) {
    SchweissnahtAnschluss& now = Schweissnaht_Anschluss;
    const struct {
        const char* what;
        std::function<void(SchweissnahtAnschluss*)> file;
        std::function<void()> edit;
        std::function<void(const SchweissnahtAnschluss&, const std::string& file, const std::string& saved)> check;
    } cases[] = {
        {"arrangement chosen", Round_Bar_Butt_Weld, [] { Nachweis_Page.arrangement = ANORDNUNG_UMLAUFEND; },
         [](const SchweissnahtAnschluss& s, const std::string&, const std::string&) {
             EXPECT_EQ(s.naht.weld_kind, WELD_FILLET);
             EXPECT_EQ(s.naht.all_round, 1);
             EXPECT_EQ(s.naht.a_w, 8.0);
         }},
        {"throat typed", Round_Bar_Butt_Weld, [&] { now.naht.a_w = 9; },
         [](const SchweissnahtAnschluss& s, const std::string&, const std::string&) {
             EXPECT_EQ(s.naht.weld_kind, WELD_BUTT);
             EXPECT_EQ(s.naht.all_round, 1);
             EXPECT_EQ(s.naht.full_penetration, 0);
             EXPECT_EQ(s.naht.a_w, 9.0);
         }},
        {"grade chosen", Round_Bar_Butt_Weld, [&] { now.naht.material.grade = 0; },
         [](const SchweissnahtAnschluss& s, const std::string&, const std::string&) {
             EXPECT_EQ(s.naht.material.grade, 0);
             EXPECT_EQ(s.naht.profile.material.grade, 0);
             EXPECT_EQ(s.naht.weld_kind, WELD_BUTT);
         }},
        {"single welds for a slot weld all round",
         [](SchweissnahtAnschluss* r) {
             Filed_Base(r);
             r->naht.weld_kind = WELD_SLOT, r->naht.all_round = 1;
             Update_Weld_Layout(&r->naht, nullptr, 0);
         },
         [] { Nachweis_Page.arrangement = ANORDNUNG_EINZELNAEHTE; },
         [](const SchweissnahtAnschluss& s, const std::string&, const std::string&) {
             EXPECT_EQ(s.naht.weld_kind, WELD_FILLET);
             EXPECT_EQ(s.naht.all_round, 0);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testutil::Record k;
        c.file(&k.r);
        const std::string file = Filed_File_Of(&k.r);
        const std::string saved = Opened_Edited_And_Saved(file, c.edit);
        testutil::Record back;
        ASSERT_EQ(testutil::Read_With(Read_Schweissnaht, saved, &back.r), 0);
        c.check(back.r, file, saved);
    }
    // The code switched there and back: stainless steel as it was.
    for (int own = 0; own <= 1; ++own) {
        SCOPED_TRACE("stainless, own " + std::to_string(own));
        testutil::Record k;
        Stainless(&k.r, own);
        const std::string file = Filed_File_Of(&k.r);
        const std::string saved = Opened_Edited_And_Saved(file, [&] {
            now.code_setting = CODE_SETTING_DIN18800;
            Refresh_Connection_Record(&now);
            Build();
            EXPECT_EQ(now.naht.material.grade, WELD_GRADE_STAINLESS);  // shown under DIN 18800 too
            now.code_setting = CODE_SETTING_EC3;
        });
        EXPECT_EQ(Differing_Lines(file, saved), "");
    }
    // A DIN 18800 file's directional method and elastic-plastic section:
    // kept, and shown again when EC 3 is chosen.
    testutil::Record k;
    Filed_Base(&k.r);
    k.r.code_setting = CODE_SETTING_DIN18800, k.r.weld_method = 1, k.r.section_check = 1, k.r.section_method = 1;
    const std::string file = Filed_File_Of(&k.r);
    EXPECT_EQ(Differing_Lines(file, Opened_And_Saved(file)), "");
    const std::string saved = Opened_Edited_And_Saved(file, [&] {
        EXPECT_EQ(now.weld_method, 0);  // DIN 18800 has no other
        now.code_setting = CODE_SETTING_EC3;
        Refresh_Connection_Record(&now);
        EXPECT_EQ(now.weld_method, 1);
        EXPECT_EQ(now.section_method, 1);
    });
    testutil::Record back;
    ASSERT_EQ(testutil::Read_With(Read_Schweissnaht, saved, &back.r), 0);
    EXPECT_EQ(back.r.code_setting, CODE_SETTING_EC3);
    EXPECT_EQ(back.r.weld_method, 1);
    EXPECT_EQ(back.r.section_method, 1);
}
