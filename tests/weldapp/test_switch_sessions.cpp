// Switches of a section's class, of the code and of the profile's kind and
// back, made in the program's window by script files (VEK_SCRIPT) as a
// person makes them: the input file saved afterwards, and its list, are
// those of the same connection saved without the switches, and what the
// program cannot take is named in a box.
//
// Places on the 1280 x 1024 screen (docs in test_sessions.cpp): the code's
// list (310, 97) with EC 3 at y 115 and DIN 18800 at 128; "Profil aus
// Profilmanager" (45, 311), "parametrisiertes Stahlprofil" (45, 329); the
// class list (274, 351), class t at y 369 + 13 t; the profile name
// (300, 421), the single welds' kind (270, 600) with "Kehlnaht" at 618 and
// "Stumpfnaht" at 631, their throats three to a row at x 145, 416, 686 and
// y 645, 667, 689; "umlaufende Kehlnaht" (45, 545) and its a_w,fu (439, 546).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/testutil.h"
#include "weldapp/batch_desktop.h"
#include "weldapp/filed_corpus.h"
#include "weldapp/record_fixture.h"
#include "weldapp/schweissnaht.h"
#include "weldapp/typed_profile.h"
#include "weldcheck/weldelem.h"

namespace {

// A desktop whose program runs one script and saves with "Ende".
struct Switches : Desktop {
    std::string script;
    testutil::ScopedEnv data{"DATA", dir.file("data")};

    Switches& Line(const std::string& line) {
        script += line + "\n";
        return *this;
    }
    Switches& Click(int x, int y) { return Line("click " + std::to_string(x) + " " + std::to_string(y)); }
    Switches& Field(int x, int y, const std::string& typed) { return Click(x, y).Line("type 0 " + typed); }
    Switches& Class(int type) { return Click(274, 351).Click(261, 369 + 13 * type); }
    Switches& Code(int din) { return Click(310, 97).Click(310, din ? 128 : 115); }
    Switches& Name(const std::string& profile) { return Field(300, 421, profile); }
    Switches& Butt(int butt) { return Click(270, 600).Click(270, butt ? 631 : 618); }
    // "Ende", "speichern und beenden"; the exit code (1: saved).
    int Save() {
        Line("click 1250 27").Line("key 13");
        testutil::Write_File(dir.file("script.txt"), script);
        return Run("A001 0 1 1", true, "VEK_SCRIPT='" + dir.file("script.txt") + "'");
    }
    // The boxes the run met, as its console names them.
    std::vector<std::string> Boxes() const {
        std::vector<std::string> boxes;
        for (size_t at = err.find("message box"); at != std::string::npos; at = err.find("message box", at + 1))
            boxes.push_back(err.substr(at, err.find('\n', at) - at));
        return boxes;
    }
    bool Said(const std::string& text) const { return err.find(text) != std::string::npos; }
    // The record of the saved input file.
    void Saved(testutil::Record* saved) const {
        FILE* f = std::fopen((project + "/A001_01.INP").c_str(), "r");
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(Read_Schweissnaht(f, &saved->r), 0);
        std::fclose(f);
    }
};

// A typed-in rolled section of class `type` with values of its own in
// every field its rows show (an H: h 300, t_w 8, top 280 x 13, bottom
// 200 x 10, r 24), fillet single welds of 5 mm on every face and two load
// cases; `grades` (connection, profile, plate) each its own.
void Typed(Switches& d, int type, const int* grades = nullptr) {
    testutil::Record k;
    SchweissnahtAnschluss* r = &k.r;
    Default_Schweissnaht(r);
    Nahtbild& n = r->naht;
    Stahlprofil& p = n.profile;
    testutil::Set_Typed_Profile(&p, type);
    n.all_round = 0;
    Calc_Profile_Cross_Section(&p, nullptr, 0, "");  // the edges' lengths
    n.weld_count = std::max(Get_Profile_Plate_Elements(&p, n.length, n.number), 0);
    for (int i = 0; i < n.weld_count; ++i) n.throat[i] = 5.0;
    if (grades) {
        n.uniform_grade = 0;
        n.material.grade = grades[0], p.material.grade = grades[1], n.plate.material.grade = grades[2];
    }
    Update_Weld_Layout(&n, nullptr, 0);
    Alloc_Lasten(r, 2);
    r->loads[0].forces.N = 150e3, r->loads[0].forces.M_y = 25e6, r->loads[0].forces.V_z = 40e3;
    r->loads[1].forces.N = -80e3, r->loads[1].forces.M_y = -12e6;
    d.Add_Connection("A001", r, "Position\n1.01\nSt\xFC" "tze\n");
}
void Typed_H(Switches& d, const int* grades = nullptr) { Typed(d, PROFILTYP_H, grades); }

}  // namespace

// The typed H through DIN 18800 and back, and through every class that
// lacks some of its values (a rectangular tube ties the lower flange to the
// upper one, a tee or channel has none, a flat bar no flanges and no
// radius), and through the catalogue's HE 280 A (h 270) and back to the
// typed-in kind: the file and the list are those of the H saved as it was.
// The only box that names values is DIN 18800's, which takes the upper
// flange's for the lower one: bfu 200 -> 280, tfu 10 -> 13.
TEST(SwitchSessions, ATypedSectionComesBackFromEveryClassCodeAndKind) {
    Switches plain, switched;
    Typed_H(plain);
    Typed_H(switched);
    ASSERT_EQ(plain.Save(), 1) << plain.err;
    switched.Code(1).Code(0);
    for (int other : {PROFILTYP_RECHTECK, PROFILTYP_T, PROFILTYP_L, PROFILTYP_C, PROFILTYP_U, PROFILTYP_Z,
                      PROFILTYP_HALB_I, PROFILTYP_FLACH})
        switched.Class(other).Class(PROFILTYP_H);
    switched.Click(45, 311).Name("HE280A").Click(45, 329);
    ASSERT_EQ(switched.Save(), 1) << switched.err;
    EXPECT_EQ(switched.File("A001_01.INP"), plain.File("A001_01.INP"));
    EXPECT_EQ(switched.File("A001_01.OLI"), plain.File("A001_01.OLI"));
    EXPECT_TRUE(switched.Said("message box \"Hinweis\": [Unter DIN 18800 gelten die Werte des oberen Flanschs auch "
                              "unten:] [bfu 200.0 mm auf 280.0 mm,  tfu 10.0 mm auf 13.0 mm] [Die eingegebenen Werte "
                              "gelten wieder, sobald EC 3 gew\x84hlt ist.]"))
        << switched.err;
    EXPECT_FALSE(switched.Said("fehlen noch Ma\xE1" "e")) << switched.err;
    // A face's weld numbered as before another class came in between is no
    // new weld (a rectangular tube numbers the lower flange's face 4).
    EXPECT_FALSE(switched.Said("(neu)")) << switched.err;
}

// Every class of section, typed in, through each class with few fields
// (a flat bar has no flanges and no radius, a round bar no wall either, a
// round tube no flanges) and on to a class it had not been before, then
// chosen again: each time it takes back what its rows showed, whatever the
// class between derived or cleared, and whatever the next one made of
// that; the file and the list are those of the section saved as it was.
// (An H through a flat bar to a tee came back with b_fo = t_w and r = 0; an
// angle through a round bar to an H with the H's web for its leg.)
TEST(SwitchSessions, AClassComesBackThroughAClassWithFewFieldsAndAnother) {
    for (int type = PROFILTYP_FLACH; type <= PROFILTYP_HALB_I; ++type) {
        Switches plain, switched;
        Typed(plain, type);
        Typed(switched, type);
        ASSERT_EQ(plain.Save(), 1) << type << plain.err;
        const int next = Is_Profile_Type_In(PROFILTYP_MASK_I, type) ? PROFILTYP_T : PROFILTYP_H;
        for (int few : {PROFILTYP_FLACH, PROFILTYP_RUND, PROFILTYP_ROHR})
            if (few != type) switched.Class(few).Class(next).Class(type);
        ASSERT_EQ(switched.Save(), 1) << type << switched.err;
        EXPECT_EQ(switched.File("A001_01.INP"), plain.File("A001_01.INP")) << type;
        EXPECT_EQ(switched.File("A001_01.OLI"), plain.File("A001_01.OLI")) << type;
    }
}

// HE 280 A's single welds as butt welds, typed 12.0 on the flanges and 6.9
// on the web (each cut with a box to half of t - max(0.2 t; 3 mm) from
// both sides: 5.0 and 2.5), then L 100x10, U 100 and 1/2 IPE 300 each and
// back to HE 280 A, then "Kehlnaht": every throat is what was typed, and
// file and list are those of the welds typed as fillet welds at once.
TEST(SwitchSessions, ButtThroatsComeBackAfterEveryFamily) {
    Switches plain, switched;
    const int columns[3] = {145, 416, 686}, rows[3] = {645, 667, 689};
    auto throats = [&](Switches& d) {
        for (int k = 0; k < 8; ++k)  // welds 1 .. 8; 4 and 5 on the web
            d.Field(columns[k % 3], rows[k / 3], k == 3 || k == 4 ? "6.9" : "12");
    };
    throats(plain);
    ASSERT_EQ(plain.Save(), 1) << plain.err;
    switched.Butt(1);
    throats(switched);
    for (const char* other : {"L100X10", "U100", "1/2IPE300"}) switched.Name(other).Name("HE280A");
    switched.Butt(0);
    ASSERT_EQ(switched.Save(), 1) << switched.err;
    EXPECT_EQ(switched.File("A001_01.INP"), plain.File("A001_01.INP"));
    EXPECT_EQ(switched.File("A001_01.OLI"), plain.File("A001_01.OLI"));
    EXPECT_TRUE(switched.Said("[aw1 12.0 mm auf 5.0 mm]")) << switched.err;
    EXPECT_TRUE(switched.Said("[aw4 6.9 mm auf 2.5 mm]")) << switched.err;
    EXPECT_TRUE(switched.Said("[Die f\x81r Stumpfn\x84hte begrenzten Dicken gelten wieder wie eingegeben:] "
                              "[aw1 5.0 mm auf 12.0 mm,  aw2 5.0 mm auf 12.0 mm,  aw3 5.0 mm auf 12.0 mm,  aw4 2.5 mm "
                              "auf 6.9 mm]"))
        << switched.err;
    testutil::Record saved;
    switched.Saved(&saved);
    for (int k = 0; k < NAHT_SLOTS; ++k) {
        const int number = saved.r.naht.number[k];
        if (number <= 0) continue;
        EXPECT_EQ(saved.r.naht.throat[k], number == 4 || number == 5 ? 6.9 : 12.0) << number;
    }
}

// Grades of the weld grade table (EC 3) through DIN 18800 and back: S450
// (3), S460 M/ML (11), S460 N/NL (7) as the connection's, the profile's and
// the plate's own grade. DIN 18800's list has both S460 grades, not S450:
// a box names the S355 it takes. Back under EC 3 each grade is the one
// chosen, and the file and list are those saved without the switch. Saved
// under DIN 18800 the file holds each S460 as the table's index of the same
// steel, and the list checks the profile with S460 M/ML's 460 N/mm²
// (EN 10025-4, t <= 40 mm), not with S420's 420.
TEST(SwitchSessions, TheEcGradeComesBackAndDinSaysWhatItTakes) {
    const int grades[3] = {3, 11, 7};
    Switches plain, switched, din;
    for (Switches* d : {&plain, &switched, &din}) Typed_H(*d, grades);
    ASSERT_EQ(plain.Save(), 1) << plain.err;
    ASSERT_EQ(switched.Code(1).Code(0).Save(), 1) << switched.err;
    EXPECT_EQ(switched.File("A001_01.INP"), plain.File("A001_01.INP"));
    EXPECT_EQ(switched.File("A001_01.OLI"), plain.File("A001_01.OLI"));
    const std::string takes = "message box \"Hinweis\": [DIN 18800 kennt die gew\x84hlte Stahlsorte nicht; nachgewiesen "
                              "wird mit der Sorte seiner Liste:] [Stahlsorte S450 auf S355 (St52)] [Unter EC 3 gilt "
                              "wieder die gew\x84hlte Stahlsorte.]";
    EXPECT_TRUE(switched.Said(takes)) << switched.err;
    ASSERT_EQ(din.Code(1).Save(), 1) << din.err;
    EXPECT_TRUE(din.Said("[- Stahlsorte S450 unter EC 3: ge\x94" "ffnet gilt unter EC 3 S355.]")) << din.err;
    testutil::Record saved;
    din.Saved(&saved);
    EXPECT_EQ(saved.r.naht.material.grade, 2);  // S355
    EXPECT_EQ(saved.r.naht.profile.material.grade, 11);
    EXPECT_EQ(saved.r.naht.plate.material.grade, 7);
    const std::string list = din.File("A001_01.OLI");
    EXPECT_NE(list.find("Stahlg\x81te S460 M/ML"), std::string::npos);
    EXPECT_NE(list.find(" = 460.0 N/mm\xFD"), std::string::npos);
    EXPECT_EQ(list.find("S420"), std::string::npos);
}

// a_w,fu 5.5 of HE 280 A's weld all round, through 1/2 IPE 300 (a tee has
// no lower flange: a_w,fu 0) to U 100: the channel's file holds a_w,fu as
// typed, and the save names nothing of it.
TEST(SwitchSessions, AwfuThroughATeeIsKeptByAChannel) {
    Switches d;
    d.Click(45, 545).Field(439, 546, "5.5").Name("1/2IPE300").Name("U100");
    ASSERT_EQ(d.Save(), 1) << d.err;
    EXPECT_FALSE(d.Said("afu")) << d.err;
    testutil::Record saved;
    d.Saved(&saved);
    EXPECT_EQ(std::string(saved.r.naht.profile.name, 5), "U100 ");
    EXPECT_EQ(saved.r.naht.a_w_fu, 5.5);
}

// A flat bar 200 x 20 welded on its four faces with 7 mm, given the class
// "H-Profil" in the window: the bar numbers its faces 1 (top), 2, 3 (the
// long sides), 4 (bottom); the H numbers the same places 1, 2, 4 and 8,
// and its new faces (flange insides, web) 3, 5, 6, 7, which hold no throat.
// Weld 8 is the bar's weld 4 with its 7 mm, not a new one; the box says
// so, and names the new welds as new.
TEST(SwitchSessions, ARenumberedWeldIsNamedByItsOldNumber) {
    testutil::Record k;
    SchweissnahtAnschluss* r = &k.r;
    Default_Schweissnaht(r);
    Nahtbild& n = r->naht;
    Stahlprofil& p = n.profile;
    p.kind = STAHLPROFIL_KIND_DIMENSIONS, p.type = PROFILTYP_FLACH, p.rolled = 0;
    p.h = 200, p.t_w = 20, p.b_fo = p.b_fu = p.t_fo = p.t_fu = 0;
    std::snprintf(p.name, sizeof p.name, "%-*s", static_cast<int>(sizeof p.name) - 1, "");
    n.all_round = 0;
    Calc_Profile_Cross_Section(&p, nullptr, 0, "");
    n.weld_count = std::max(Get_Profile_Plate_Elements(&p, n.length, n.number), 0);
    for (int i = 0; i < NAHT_SLOTS; ++i) n.throat[i] = n.number[i] > 0 ? 7.0 : 0.0;
    Update_Weld_Layout(&n, nullptr, 0);
    Alloc_Lasten(r, 1);
    r->loads[0].forces.N = 150e3;
    Switches d;
    d.Add_Connection("A001", r, "Position\n1.01\nSt\xFC" "tze\n");
    d.Class(PROFILTYP_H).Save();
    EXPECT_TRUE(d.Said("[Die N\x84hte des neuen Profils haben andere Dicken:] [aw3 7.0 mm auf 0.0 mm,  aw5 0.0 mm "
                       "(neu),  aw6 0.0 mm (neu),  aw7 0.0 mm (neu)] [aw8 7.0 mm (bisher aw4)]"))
        << d.err;
}

namespace {

// The record as every run of its input file reads it, placed as the
// component's input; the file's bytes.
std::string Add_As_Read(Switches& d, SchweissnahtAnschluss* r) {
    testutil::Record read;
    EXPECT_EQ(testutil::Read_With(Read_Schweissnaht, testutil::Written_With(Write_Schweissnaht, r), &read.r), 0);
    d.Add_Connection("A001", &read.r, "Position\n1.01\nSt\xFC" "tze\n");
    return d.File("A001_01.INP");
}

// The list a batch run writes of the input file given.
std::string Batch_List(const std::string& input) {
    Switches b;
    testutil::Write_File(b.project + "/A001_01.INP", input);
    testutil::Write_File(b.project + "/A001_01.TXT", "Position\n1.01\nSt\xFC" "tze\n");
    EXPECT_EQ(b.Run("A001 0 1 1 -refresh"), 1) << b.err;
    return b.File("A001_01.OLI");
}

using testutil::Round_Bar_Butt_Weld;

}  // namespace

// A round bar's all-round butt weld that is not fully penetrated, opened
// in the window and saved untouched: the file as it was, and the window's
// list the batch's list of it (the weld checked as the butt weld it is,
// "nicht ok"). The weld all round chosen as a fillet weld instead ("umlaufende
// Kehlnaht", (45, 545) on the bar's page): saved and listed as that.
TEST(SwitchSessions, AnAllRoundButtWeldIsSavedAndListedAsTheFileHoldsIt) {
    testutil::Record k;
    Round_Bar_Butt_Weld(&k.r);
    Switches untouched, fillet;
    const std::string file = Add_As_Read(untouched, &k.r);
    Add_As_Read(fillet, &k.r);
    ASSERT_EQ(untouched.Save(), 1) << untouched.err;
    EXPECT_EQ(untouched.File("A001_01.INP"), file);
    const std::string list = untouched.File("A001_01.OLI");
    EXPECT_EQ(list, Batch_List(file));
    EXPECT_NE(list.find("umlaufende Stumpfnaht"), std::string::npos);
    EXPECT_NE(list.find("nicht ok"), std::string::npos);
    EXPECT_EQ(list.find("umlaufende Kehlnaht"), std::string::npos);
    ASSERT_EQ(fillet.Click(45, 545).Save(), 1) << fillet.err;
    testutil::Record saved;
    fillet.Saved(&saved);
    EXPECT_EQ(saved.r.naht.weld_kind, WELD_FILLET);
    EXPECT_EQ(saved.r.naht.all_round, 1);
    EXPECT_EQ(saved.r.naht.a_w, 8.0);
    EXPECT_EQ(fillet.File("A001_01.OLI"), Batch_List(fillet.File("A001_01.INP")));
    EXPECT_NE(fillet.File("A001_01.OLI").find("umlaufende Kehlnaht"), std::string::npos);
}

// Stainless steel for all of it (f_y 210, f_u 520, other values in the
// ranges it does not take, beta_w 1.0, E 200000), with and without
// "Vorgabe": EC 3, DIN 18800 and EC 3 again chosen in the window, and
// saved: the file as it was, listed as the batch lists it.
TEST(SwitchSessions, StainlessSteelComesBackFromDin) {
    for (int own = 0; own <= 1; ++own) {
        SCOPED_TRACE(own);
        testutil::Record k;
        SchweissnahtAnschluss* r = &k.r;
        Default_Schweissnaht(r);
        for (Materialparameter_Record* m : {&r->naht.material, &r->naht.profile.material, &r->naht.plate.material}) {
            m->grade = WELD_GRADE_STAINLESS, m->own_values = own;
            m->f_y1 = 210, m->f_u1 = 520, m->f_y2 = 200, m->f_u2 = 500, m->f_y3 = 190, m->f_u3 = 480;
            m->beta_w = 1.0, m->E = 200000;
        }
        Alloc_Lasten(r, 1);
        r->loads[0].forces.N = 300e3;
        Switches d;
        const std::string file = Add_As_Read(d, r);
        ASSERT_EQ(d.Code(1).Code(0).Save(), 1) << d.err;
        EXPECT_EQ(d.File("A001_01.INP"), file);
        EXPECT_EQ(d.File("A001_01.OLI"), Batch_List(file));
        // Own values are printed as such ("Stahlparameter"), the grade's
        // own strengths as its grade.
        EXPECT_EQ(d.File("A001_01.OLI").find("Edelstahl") != std::string::npos, own == 0);
    }
}
