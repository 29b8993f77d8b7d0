// The profile rows of an input page as scripted builds: the items each
// kind and class shows, the values the build derives, catalogue names
// looked up, refused and kept, the manager's filter and the refusal
// message.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "codes/sheet_fixture.h"
#include "dialogs/area_session.h"
#include "platform/msgbox.h"
#include "profiles/catalogue_fixture.h"
#include "profiles/profile_register.h"
#include "support/testutil.h"

namespace test_profile_register {
namespace {

const int kConnectionTypes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, -1};

class ProfileRegister : public testutil::CatalogueTest {
protected:
    void SetUp() override {
        Begin_Area_Session(1000, 800);
        area_ = Open_Area_Sheet("", 0, 0, 999, 799, 1, 100);
        Reset_Profile_Register();
        Init_Profile(&p_);
        Default_Material_Params(&p_.material);
    }
    void TearDown() override {
        Reset_Profile_Register();
        End_Area_Session();
    }
    // One build, as the page makes it after every edit; the y it ends at.
    int Build(const int* allowed = kConnectionTypes, int separate = 1, int editable = 1, int options = 0) {
        Clear_Scrollable_View_Area(area_);
        int y = 20;
        Edit_Profile_Register(&p_, area_, 10, &y, 22, 18, 800, editable, allowed, options, 0, separate, 0, 0,
                              nullptr);
        return y;
    }
    bool Shows(const std::string& text) const { return Find_Area_Text(area_, text) != nullptr; }
    int Count(int kind) const { return static_cast<int>(Area_Items(area_, kind).size()); }
    int area_ = -1;
    Stahlprofil p_;
};

std::string Trimmed(const char* name) {
    std::string s(name);
    return s.substr(0, s.find_last_not_of(' ') + 1);
}

}  // namespace

TEST_F(ProfileRegister, ManagerFilterLetters) {
    const int empty[] = {-1}, every[] = {4, 0, -1}, large[] = {21, 9, -1};
    EXPECT_STREQ(Profile_Manager_Filter_Letters(kConnectionTypes), "LDURKTZ");
    EXPECT_STREQ(Profile_Manager_Filter_Letters(every), "ZKULTDR");
    EXPECT_STREQ(Profile_Manager_Filter_Letters(empty), "");
    EXPECT_STREQ(Profile_Manager_Filter_Letters(large), "DK");  // a class above 17 counts as "D"
}

TEST_F(ProfileRegister, RefusalMessages) {
    const int every[] = {0, -1}, two[] = {8, 4, -1};
    Report_Profile_Type_Refusal(1, every, 0, "Kopfplatte");
    Report_Profile_Type_Refusal(2, two, 1, nullptr);
    ASSERT_EQ(VEK_Recorded_Messages().size(), 2u);
    const std::vector<std::string> typed = {"Kopfplatte",
                                            "Gew\x84hlter Profiltyp kann nicht berechnet werden",
                                            "Bitte w\x84hlen Sie ein Profil des Typs",
                                            " 'Flachstahl' ",
                                            " 'Rundstahl' ",
                                            " 'Hohlkasten' ",
                                            " 'Trapezprofil' ",
                                            " 'I'  'H'  'D'  'S'  'W'  'L'  'U'  'C'  'T'  'I/2'  'Kreisrohr' "
                                            " 'Rechteckrohr'  'Z' "};
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines, typed);
    const std::vector<std::string> catalogue = {"Gew\x84hlter Profiltyp ist in der Bibliothek nicht vorhanden.",
                                                "Bitte w\x84hlen Sie ein Profil des Typs",
                                                " 'Rechteckrohr'  'I' "};
    EXPECT_EQ(VEK_Recorded_Messages()[1].lines, catalogue);
}

// One allowed class 8, typed in: no class choice, the heading in its box,
// height, width and one wall thickness that serves both walls, and the two
// radios of the finish.
TEST_F(ProfileRegister, SingleClassRectangularTube) {
    const int only8[] = {8, -1};
    p_.type = 8, p_.h = 200, p_.b_fo = 100, p_.t_fo = 8, p_.t_w = 5;
    Build(only8, 0);
    EXPECT_FALSE(Shows("Profilklasse"));
    EXPECT_EQ(Count(AREA_ITEM_CHOICE_LIST), 0);
    for (const char* text : {"Rechteckhohlprofil", "Profilh\x94he", "Profilbreite", "Blechdicke", "kaltgefertigt",
                             "warmgefertigt"})
        EXPECT_TRUE(Shows(text)) << text;
    EXPECT_FALSE(Shows("Stegdicke"));
    EXPECT_EQ(p_.t_w, 8.0);
}

// A welded I: without separate flanges one weld group, whose throat and
// kind the lower flange takes; with them a group per flange.
TEST_F(ProfileRegister, WeldedIWeldGroups) {
    p_.type = 4, p_.h = 300, p_.t_w = 8, p_.b_fo = 200, p_.t_fo = 12, p_.b_fu = 150, p_.t_fu = 20;
    p_.a_o = 5, p_.a_u = 3, p_.weld_kind_top = 2, p_.weld_kind_bottom = 0;
    Build(kConnectionTypes, 0);
    EXPECT_EQ(p_.a_u, p_.a_o);
    EXPECT_EQ(p_.weld_kind_bottom, 2);
    EXPECT_EQ(p_.b_fu, 200.0);
    EXPECT_EQ(p_.t_fu, 12.0);
    EXPECT_TRUE(Shows(" (durchgeschwei\xE1t)"));
    p_.a_u = 3, p_.weld_kind_bottom = 0;
    Build(kConnectionTypes, 1);
    EXPECT_EQ(p_.a_u, 3.0);
    EXPECT_TRUE(Shows(" (oben durchgeschwei\xE1t)"));
    EXPECT_TRUE(Shows("Flanschbreite unten"));
    int fillet_radios = 0;
    for (const Scrollable_Area_Item* it : Area_Items(area_, AREA_ITEM_RADIO_BUTTON))
        fillet_radios += std::string(it->text) == "Kehlnaht";
    EXPECT_EQ(fillet_radios, 2);
}

// Rolled sections: an angle has two radius rows, an I one (its second
// radius becomes 0); a class outside the allowed list is refused and the
// first allowed one is set.
TEST_F(ProfileRegister, RolledRadiiAndRefusedClass) {
    p_.type = 3, p_.rolled = 1, p_.h = 100, p_.b_fo = 80, p_.t_w = 10, p_.r_1 = 12, p_.r_2 = 6;
    Build();
    EXPECT_TRUE(Shows("Ausrundungsradius"));
    EXPECT_EQ(p_.r_2, 6.0);
    p_.type = 4, p_.b_fo = p_.b_fu = 100, p_.t_fo = p_.t_fu = 10;
    Build();
    EXPECT_EQ(p_.r_2, 0.0);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
    p_.type = 16;  // not offered: the choice holds 0, which the list does not allow
    Build();
    EXPECT_EQ(p_.type, 1);
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines.at(0), "Gew\x84hlter Profiltyp kann nicht berechnet werden");
}

TEST_F(ProfileRegister, NotEditableGreysEverything) {
    p_.type = 4, p_.h = 300, p_.t_w = 8, p_.b_fo = p_.b_fu = 200, p_.t_fo = p_.t_fu = 12;
    Build(kConnectionTypes, 0, 0);
    int value_items = 0;
    for (const Scrollable_Area_Item* it : Area_Items(area_)) {
        if (!it->enabled) continue;
        ++value_items;
        EXPECT_EQ(*it->enabled, 0) << it->kind;
    }
    EXPECT_GT(value_items, 8);
}

// A designation typed into the name field is looked up at the next build;
// one the catalogue lacks, and an emptied field, are reported once (in a
// box with a title) and the profile keeps the designation and values
// accepted last. An unknown name of a class the page takes ("U 999") is no
// refused class: its box names the name and what stays, nothing else.
TEST_F(ProfileRegister, TypedDesignationsLookedUpRefusedAndKept) {
    p_.kind = 1;
    std::snprintf(p_.name, sizeof p_.name, "%s", "HE280A");
    Build();
    EXPECT_NEAR(p_.h, 270.0, 1e-4);  // HE 280 A: 270 x 280 x 8 / 13
    EXPECT_NEAR(p_.t_fo, 13.0, 1e-4);
    EXPECT_TRUE(Is_Profile_Type_In(PROFILTYP_MASK_I, p_.type));
    const struct {
        const char* typed;
        std::vector<std::string> box;  // its lines up to the class list
    } cases[] = {
        {"U 999", {"Das Profil \"U 999\" ist in der Bibliothek nicht vorhanden.", "Es bleibt das Profil \"HE280A\"."}},
        {"", {"Gew\x84hlter Profiltyp ist in der Bibliothek nicht vorhanden.", "Bitte w\x84hlen Sie ein Profil des Typs"}},
    };
    for (const auto& c : cases) {
        VEK_Clear_Recorded_Messages();
        std::snprintf(p_.name, sizeof p_.name, "%s", c.typed);
        Build();
        Build();
        EXPECT_EQ(Trimmed(p_.name), "HE280A") << c.typed;
        EXPECT_NEAR(p_.h, 270.0, 1e-4) << c.typed;
        ASSERT_EQ(VEK_Recorded_Messages().size(), 1u) << c.typed;
        EXPECT_EQ(VEK_Recorded_Messages()[0].title, "Eingabefehler");
        const std::vector<std::string>& lines = VEK_Recorded_Messages()[0].lines;
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + std::min(lines.size(), c.box.size())), c.box);
        if (*c.typed) {
            EXPECT_EQ(lines.size(), c.box.size());
        }
    }
    // Blanks and small letters find the catalogue's entry, kept in its form.
    for (const char* typed : {"IPE 300", "ipe 300"}) {
        std::snprintf(p_.name, sizeof p_.name, "%s", typed);
        Build();
        EXPECT_NEAR(p_.h, 300.0, 1e-4) << typed;  // IPE 300: 300 x 150 x 7.1 / 10.7
        EXPECT_EQ(Trimmed(p_.name), "IPE300") << typed;
    }
    std::snprintf(p_.name, sizeof p_.name, "%s", "IPE200");
    Build();
    EXPECT_NEAR(p_.h, 200.0, 1e-4);
    EXPECT_EQ(Trimmed(p_.name), "IPE200");
}

// The manager button: the manager is run (with the filter when the newer
// one is in use); a chosen profile is taken, a cancelled one changes
// nothing.
TEST_F(ProfileRegister, ManagerButton) {
    static const char* answer;
    Set_Profile_Manager_Selector([](int mode) { return mode == 1 ? answer : nullptr; });
    p_.kind = 1;
    std::snprintf(p_.name, sizeof p_.name, "%s", "HE280A");
    Build();
    for (const Scrollable_Area_Item* it : Area_Items(area_, AREA_ITEM_BITMAP_BUTTON))
        *it->variable = it->font;  // the click stores its value
    answer = nullptr;
    Build();
    EXPECT_EQ(Trimmed(p_.name), "HE280A");
    for (const Scrollable_Area_Item* it : Area_Items(area_, AREA_ITEM_BITMAP_BUTTON)) *it->variable = it->font;
    answer = "IPE200";
    Build();
    EXPECT_EQ(Trimmed(p_.name), "IPE200");
    EXPECT_NEAR(p_.h, 200.0, 1e-4);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
}

// Back from a typed-in profile to the catalogue: the designation accepted
// last and its values return without a box (the typed-in profile's name is
// blank, which would otherwise be an emptied name).
TEST_F(ProfileRegister, BackToTheCatalogueTakesTheLastDesignation) {
    p_.kind = 1;
    std::snprintf(p_.name, sizeof p_.name, "%s", "HE280A");
    Build();
    p_.kind = 0;
    Build();
    p_.t_w = 30.0, p_.b_fo = p_.b_fu = 500.0, p_.t_fo = p_.t_fu = 40.0;
    Build();
    VEK_Clear_Recorded_Messages();
    p_.kind = 1;
    Build();
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
    EXPECT_EQ(Trimmed(p_.name), "HE280A");
    EXPECT_NEAR(p_.b_fo, 280.0, 1e-4);  // HE 280 A: 270 x 280 x 8 / 13
    EXPECT_NEAR(p_.t_w, 8.0, 1e-4);
    EXPECT_NEAR(p_.t_fo, 13.0, 1e-4);
}

// A typed dimension that the others cannot take is refused with its limit
// and the field keeps its value; one they take is kept. A rolled I profile
// h 250, t_w 8, b 280, t_f 13 (one value for both flanges), r 24:
//   web:       t_w < b - 2 r = 280 - 48 = 232
//   flange:    b > t_w + 2 r = 8 + 48 = 56
//   height:    h > 2 t_f + 2 r = 26 + 48 = 74
//   flanges:   t_f < (h - 2 r) / 2 = (250 - 48) / 2 = 101
//   radius:    r < (b - t_w) / 2 = 136, r < (h - 2 t_f) / 2 = 112
// A welded tee h 200, t_w 10, b 150, t_f 12 with 5 mm fillet welds
// (offset 5 sqrt 2 = 7.07): t_w < b - 2 * 7.07 = 135.86. A box h 200,
// b 200, t_w 10, overhangs 20, one flange thickness for both:
// 2 t_f < h, t_f < 100.
TEST_F(ProfileRegister, DimensionsThatDoNotFitAreRefused) {
    struct Case {
        int type;
        double Stahlprofil::*field;
        double typed, kept;
        const char* name;   // null: taken
        const char* limit;  // the refusal's second line
    } cases[] = {
        // HE (h 250, t_w 8, b 280, t_f 13, r 24), each face keeping 0.001 mm:
        // the outstand (280 - t_w) / 2 - 24, the clear web 250 - 2 t_f - 48.
        {5, &Stahlprofil::t_w, 500.0, 8.0, "Stegdicke tw", "h\x94" "chstens 231.998"},
        {5, &Stahlprofil::t_w, 231.0, 231.0, nullptr, nullptr},
        {5, &Stahlprofil::b_fo, 50.0, 280.0, "Flanschbreite bf", "mindestens 56.002"},
        {5, &Stahlprofil::h, 60.0, 250.0, "Profilh\x94he h", "mindestens 74.001"},
        {5, &Stahlprofil::t_fo, 120.0, 13.0, "Flanschdicke tf", "h\x94" "chstens 100.999"},
        {5, &Stahlprofil::r_1, 120.0, 24.0, "Ausrundungsradius r", "h\x94" "chstens 111.999"},
        // The welded tee's flange weld 5 sqrt 2: t_w up to 150 - 2 (7.0711 + 0.001).
        {11, &Stahlprofil::t_w, 140.0, 10.0, "Stegdicke tw", "h\x94" "chstens 135.855"},
        {16, &Stahlprofil::t_fo, 120.0, 10.0, "Flanschdicke tf", "h\x94" "chstens 100"},
        // IPE 300 (b 150, t_w 7.1): the root radius up to the outstand 71.45
        // less 0.001; a typo 150 for 15 is refused as well.
        {4, &Stahlprofil::r_1, 72.0, 15.0, "Ausrundungsradius r", "h\x94" "chstens 71.449"},
        {4, &Stahlprofil::r_1, 150.0, 15.0, "Ausrundungsradius r", "h\x94" "chstens 71.449"},
        {4, &Stahlprofil::r_1, 71.0, 71.0, nullptr, nullptr},
        // The outstand itself, named as typed beside the limit (not as 71.5).
        {4, &Stahlprofil::r_1, 71.45, 71.0, "Ausrundungsradius r", "h\x94" "chstens 71.449"},
    };
    const int types[] = {4, 5, 11, 16, -1};
    testutil::ScopedEnv app("VEK_APPLICATION_NUMBER", "160");  // a program that lists boxes
    Set_Scrollable_Area_Float_Decimals(area_, 6);  // as the input page's fields keep them
    for (const Case& c : cases) {
        Init_Profile(&p_);
        Default_Material_Params(&p_.material);
        p_.kind = 0, p_.type = c.type, p_.rolled = c.type == 5 || c.type == 4;
        if (c.type == 4) p_.h = 300, p_.t_w = 7.1, p_.b_fo = p_.b_fu = 150, p_.t_fo = p_.t_fu = 10.7, p_.r_1 = c.kept;
        else if (c.type == 5) p_.h = 250, p_.t_w = 8, p_.b_fo = p_.b_fu = 280, p_.t_fo = p_.t_fu = 13, p_.r_1 = 24;
        else if (c.type == 11) p_.h = 200, p_.t_w = 10, p_.b_fo = 150, p_.t_fo = 12, p_.a_o = 5;
        else p_.h = p_.b_fo = p_.b_fu = 200, p_.t_w = p_.t_fo = p_.t_fu = 10, p_.b_ueo = p_.b_ueu = 20;
        Build(types, 0);
        VEK_Clear_Recorded_Messages();
        testutil::Click_Item(area_, &(p_.*c.field));
        // A value as its field shows it: its places, at least one.
        auto shown = [](double v) {
            char text[32];
            std::snprintf(text, sizeof text, "%.2f", v);
            return std::string(text, text[std::strlen(text) - 1] == '0' ? std::strlen(text) - 1 : std::strlen(text));
        };
        VEK_Script_Type(shown(c.typed).c_str(), 0);
        EXPECT_EQ(Edit_Prop_Sheet(), 100);
        Edit_Scrollable_View_Area(area_);
        Build(types, 0);
        EXPECT_DOUBLE_EQ(p_.*c.field, c.kept) << c.typed;
        if (!c.name) {
            EXPECT_TRUE(VEK_Recorded_Messages().empty()) << c.typed;
            continue;
        }
        ASSERT_EQ(VEK_Recorded_Messages().size(), 1u) << c.typed;
        char box[3][128];
        std::snprintf(box[0], sizeof box[0], "%s = %s mm passt nicht zu den \x81" "brigen Ma\xE1" "en des Profils:",
                      c.name, shown(c.typed).c_str());
        std::snprintf(box[1], sizeof box[1], "der Wert darf %s mm sein.", c.limit);
        std::snprintf(box[2], sizeof box[2], "Der bisherige Wert %s mm bleibt erhalten.", shown(c.kept).c_str());
        EXPECT_EQ(VEK_Recorded_Messages()[0].lines, (std::vector<std::string>{box[0], box[1], box[2]}));
        EXPECT_EQ(VEK_Recorded_Messages()[0].title, "Eingabefehler");
    }
}

// The fit check ties the values the page shows as one: a box's lower
// overhang follows the upper one unless the program lists them apart, a
// trapezoid's single thickness is its walls' too (the widths widen to take
// any thickness up to the height). A typed value is judged with its twin,
// not beside the twin's stale value.
TEST_F(ProfileRegister, TiedValuesAreJudgedTogether) {
    struct Case {
        const char* application;
        int type, separate;
        double Stahlprofil::*field;
        double typed, kept;
        double Stahlprofil::*twin;
        double twin_after;
        const char* refusal;  // the box's first two lines; null: taken
    } cases[] = {
        // b_fu 150: the lower overhang may be at most 150 / 2 = 75 mm.
        {"160", 16, 0, &Stahlprofil::b_ueo, 90.0, 20.0, &Stahlprofil::b_ueu, 20.0,
         "\x9A" "berstand b\x81 = 90.0 mm passt nicht zu den \x81" "brigen Ma\xE1" "en des Profils:|"
         "der Wert darf h\x94" "chstens 75 mm sein."},
        {"180", 16, 1, &Stahlprofil::b_ueo, 90.0, 90.0, &Stahlprofil::b_ueu, 20.0, nullptr},  // apart: the upper one alone, at most 100
        {"160", 17, 0, &Stahlprofil::t_fo, 60.0, 60.0, &Stahlprofil::t_w, 60.0, nullptr},
    };
    const int types[] = {16, 17, -1};
    for (const Case& c : cases) {
        testutil::ScopedEnv app("VEK_APPLICATION_NUMBER", c.application);
        Init_Profile(&p_);
        Default_Material_Params(&p_.material);
        p_.kind = 0, p_.type = c.type, p_.rolled = 0;
        if (c.type == 16) p_.h = 200, p_.b_fo = 200, p_.b_fu = 150, p_.t_w = p_.t_fo = p_.t_fu = 10, p_.b_ueo = p_.b_ueu = 20;
        else p_.h = 100, p_.b_fo = p_.b_fu = 100, p_.t_w = p_.t_fo = 5;
        Build(types, c.separate);
        VEK_Clear_Recorded_Messages();
        testutil::Click_Item(area_, &(p_.*c.field));
        // A value as its field shows it: its places, at least one.
        auto shown = [](double v) {
            char text[32];
            std::snprintf(text, sizeof text, "%.2f", v);
            return std::string(text, text[std::strlen(text) - 1] == '0' ? std::strlen(text) - 1 : std::strlen(text));
        };
        VEK_Script_Type(shown(c.typed).c_str(), 0);
        EXPECT_EQ(Edit_Prop_Sheet(), 100);
        Edit_Scrollable_View_Area(area_);
        Build(types, c.separate);
        EXPECT_DOUBLE_EQ(p_.*c.field, c.kept) << c.application << " " << c.type;
        EXPECT_DOUBLE_EQ(p_.*c.twin, c.twin_after) << c.application << " " << c.type;
        std::string lines;
        for (const auto& m : VEK_Recorded_Messages())
            for (size_t i = 0; i < 2 && i < m.lines.size(); i++) lines += (i ? "|" : "") + m.lines[i];
        EXPECT_EQ(lines, c.refusal ? c.refusal : "") << c.application << " " << c.type;
    }
}

}  // namespace test_profile_register
