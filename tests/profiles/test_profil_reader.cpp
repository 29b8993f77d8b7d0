// The end-plate library's PROFIL reader: exact 15-character keys without
// trimming, the bounded write of the key, the classification of the name,
// its three message boxes (none in batch mode), and the flat part lengths.
#include <cctype>

#include "catalogue_fixture.h"
#include "base/cp850.h"
#include "profiles/profil_reader.h"

using namespace testutil;

namespace {

using ProfilReader = CatalogueTest;

struct Lookup {
    int result;
    double out1 = -1, out2 = -1, tc = -1;
    int half = -1, narrow = -1;
};

Lookup Read(char shape, char* name, int size) {
    Lookup l;
    l.result = Read_Profil_from_File(shape, name, size, &l.out1, &l.out2, &l.tc, &l.half, &l.narrow);
    return l;
}

TEST_F(ProfilReader, CatalogueProfilesWithTheirDrawingValues) {
    char name[40] = "he200a";
    Lookup l = Read(' ', name, sizeof name);
    ASSERT_EQ(l.result, 1);
    EXPECT_STREQ(name, "HE200A         ");
    EXPECT_DOUBLE_EQ(l.out1, 0.0);           // parallel flanges: no toe radius
    EXPECT_NEAR(l.out2, 10.0 + 18.0, 1e-4);  // t_f + r of HE 200 A
    EXPECT_EQ(l.half + l.narrow, 0);

    char half_narrow[16] = "1/2I360";
    l = Read(' ', half_narrow, sizeof half_narrow);
    EXPECT_EQ(l.result, 1);
    EXPECT_EQ(l.half * 10 + l.narrow, 11);
    EXPECT_DOUBLE_EQ(l.out1, 7.8);
    EXPECT_DOUBLE_EQ(l.out2, 35.0);
    char half[16] = "1/2IPE300";
    l = Read('T', half, sizeof half);
    EXPECT_EQ(l.half * 10 + l.narrow, 10);
    EXPECT_NEAR(l.out2, 10.7 + 15.0, 1e-4);  // t_f + r of IPE 300

    // The key goes into a short buffer cut to its size.
    char small[8] = "ipe300";
    EXPECT_EQ(Read(' ', small, sizeof small).result, 1);
    EXPECT_STREQ(small, "IPE300 ");
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
}

TEST_F(ProfilReader, RefusalsShowTheirBoxesOutsideBatchMode) {
    char lead[16] = " HE200A";
    Lookup l = Read(' ', lead, sizeof lead);
    EXPECT_EQ(l.result, 0);
    EXPECT_STREQ(lead, " HE200A");
    char angle[16] = "HE200A";
    EXPECT_EQ(Read('L', angle, sizeof angle).result, 0);
    EXPECT_STREQ(angle, "HE200A");
    EXPECT_EQ(Read('D', angle, sizeof angle).result, 1);
    std::filesystem::remove(tree.Data("PROFIL"));
    EXPECT_EQ(Read(' ', angle, sizeof angle).result, 0);
    const auto& boxes = VEK_Recorded_Messages();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].title, "Warnung: Profildatenbank");
    EXPECT_EQ(boxes[0].lines.at(1), "historischen Bestand übernommen werden!"_cp);
    EXPECT_EQ(boxes[1].title, "Fehler bei der Profilübernahme"_cp);
    EXPECT_EQ(boxes[1].lines.at(0), "Erwarte Winkelprofil");
    EXPECT_EQ(boxes[2].lines.at(2), "geöffnet werden!"_cp);
    VEK_Clear_Recorded_Messages();
    VEK_Set_Batch_Mode(1);
    EXPECT_EQ(Read(' ', angle, sizeof angle).result, 0);
    VEK_Set_Batch_Mode(0);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
}

TEST_F(ProfilReader, LongNamesTeesAndChannels) {
    // The tees of sharp corners, each as deep and wide as its name says
    // (14, 6 and 3 cm).
    Write_File(tree.Data("PROFIL"), Profil_Record("ABCDEFGHIJKLMNO", 'D', Shipped_Values("HE280A")) +
                                        Profil_Record("C1", 'U', Shipped_Values("C150X51X12.2")) +
                                        Profil_Record("T140", 'T', Sharp_Section('T', 14, 14, 1.5, 1.5)) +
                                        Profil_Record("T60", 'T', Sharp_Section('T', 6, 6, 0.7, 0.7)) +
                                        Profil_Record("TB30", 'T', Sharp_Section('T', 3, 3, 0.4, 0.4)));
    // A designation has at most 15 characters: a longer name is none of the
    // file's (it found the record its first 15 spell).
    char longer[24] = "abcdefghijklmnopqrst";
    EXPECT_EQ(Read(' ', longer, sizeof longer).result, 0);
    char whole[24] = "abcdefghijklmno";
    EXPECT_EQ(Read(' ', whole, sizeof whole).result, 1);
    // C 150 x 51 x 12.2 (a name of the American channels, whose values a
    // record named C must hold): r_1 12, no toe radius, t_f 8.71 at b/2 =
    // 24.4 mm from the tip, flanges sloped 16.67 %; value 27 is the
    // thickness where the root fillet begins plus r_1: 8.71 + 0.1667 (48.8 -
    // 5.08 - 12 - 24.4) + 12 = 21.9302 mm.
    char channel[16] = "C1";
    Lookup l = Read(' ', channel, sizeof channel);
    EXPECT_NEAR(l.out1, 0, 1e-5);      // the smaller of r2 and r1
    EXPECT_NEAR(l.out2, 21.9302, 1e-4);  // the larger of value 27 and r2 + t_f (8.71 mm)
    const struct {
        const char* name;
        double tc;
    } tees[] = {{"T140", 4.0}, {"T60", 2.0}, {"TB30", 1.5}};
    for (const auto& t : tees) {
        char n[16];
        std::strcpy(n, t.name);
        EXPECT_DOUBLE_EQ(Read(' ', n, sizeof n).tc, t.tc) << t.name;
    }
}

TEST_F(ProfilReader, FlatPartLengthsByProfileType) {
    const struct {
        int type;
        Profil_Masse_First first;
        double c[8];
    } cases[] = {
        {2, {100, 200, 10, 10, 0}, {70, 170, 170, 70, 0, 0, 0, 0}},
        {1, {200, 300, 15, 10, 20}, {200, 75, 75, 230, 230, 75, 75, 200}},
        {4, {200, 300, 15, 10, 20}, {200, 75, 75, 265, 265, 75, 75, 200}},
        {5, {80, 120, 10, 10, 12}, {120, 98, 58, 80, 0, 0, 0, 0}},
        {7, {0.005, 0, 0, 0, 0}, {8, 60, 60, 8, 0, 0, 0, 0}},  // second set: h 60, t_w 8
    };
    Profil_Dimensions_Second = {60, 30, 8, 8, 0};
    for (const auto& c : cases) {
        Profil_Dimensions_First = c.first;
        Get_Profil_Masse(c.type, 0, "");
        for (int i = 0; i < 8; i++) EXPECT_DOUBLE_EQ(Profil_Part_Lengths[i], c.c[i]) << c.type << " " << i;
    }
    // A catalogue channel that PROFIL lacks writes nothing.
    VEK_Set_Batch_Mode(1);
    Get_Profil_Masse(3, 1, "U999");
    VEK_Set_Batch_Mode(0);
    EXPECT_DOUBLE_EQ(Profil_Part_Lengths[0], 8);
}

// Whether the series of a designation publishes inner flange faces that
// slope: I and IPN (14 %), S (1:6), the half sections of I, U (8 %, 5 %)
// and C (1:6); the others (IPE, HE, HD, HL, HP, W and their halves) roll
// them parallel.
bool Published_Slope(const std::string& n) {
    const auto digit = [&](size_t i) { return i < n.size() && std::isdigit(static_cast<unsigned char>(n[i])); };
    if (n.rfind("1/2", 0) == 0) return n.size() > 4 && n[3] == 'I' && digit(4);
    return n.rfind("IPN", 0) == 0 || (n[0] == 'I' && digit(1)) || (n[0] == 'S' && digit(1)) || n[0] == 'U' ||
           n[0] == 'C';
}

// The end of every double-T, tee and channel record of the shipped file as
// the DIN check lays it out: read from the record, the same under its
// designation and under a name of the user's (once a name beginning with I
// made a double-T's flanges slope, one without 1/2 made a half beam a
// rolled T), from PROFIL and from the profile manager's file; the toe
// radius and where the root fillet ends as the end-plate library's reader
// gives the designation; the flanges sloped where the series publishes a
// slope (IPN's too, which that reader's names left parallel), every tee of
// the file half a beam. A rolled T (EN 10055: web and flange 11 mm, r_1 11,
// toe 5.5) is one under any name, its web tip rounded by 3 mm as T 100's.
TEST_F(ProfilReader, EndFormIsTheRecordsUnderAnyName) {
    struct Row {
        std::string name, own;
        char letter;
        std::map<int, float> v;
    };
    std::vector<Row> rows;
    for (const Shipped& s : Shipped_Records()) {
        if (s.letter != 'D' && s.letter != 'T' && s.letter != 'U') continue;
        std::map<int, float> v;
        for (int i = 0; i < 35; i++) v[i] = s.v[i];
        char own[16];
        std::snprintf(own, sizeof own, "SONDER%04zu", rows.size());
        rows.push_back({s.name, own, s.letter, v});
    }
    rows.push_back({"T100", "SONDERT", 'T', Rounded_Section('T', 10, 10, 1.1, 1.1, 1.1, 0.55)});
    std::vector<std::string> profil;
    std::vector<std::pair<std::string, std::string>> manager;
    const std::string letters = "DUTLRKZEFO";
    for (const Row& r : rows)
        for (const std::string& name : {r.name, r.own}) {
            profil.push_back(Profil_Record(name, r.letter, r.v));
            manager.push_back({name, ProfilData_Record(static_cast<int>(letters.find(r.letter)), 3, name, "",
                                                       To_ProfilData(r.v))});
        }
    std::sort(profil.begin(), profil.end());
    std::sort(manager.begin(), manager.end());
    std::string file, data;
    for (const std::string& record : profil) file += record;
    for (const auto& record : manager) data += record.second;
    Write_File(tree.Data("PROFIL"), file);
    VEK_Set_Batch_Mode(1);
    std::vector<Profil_End_Form> by_profil;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Profil_End_Form f{}, g{};
        ASSERT_EQ(Read_Profil_End_Form(r.name.c_str(), &f), 1);
        ASSERT_EQ(Read_Profil_End_Form(r.own.c_str(), &g), 1);
        EXPECT_TRUE(f.toe_radius == g.toe_radius && f.root_fillet_end == g.root_fillet_end &&
                    f.web_tip_radius == g.web_tip_radius && f.half_section == g.half_section &&
                    f.sloped_flanges == g.sloped_flanges);
        EXPECT_EQ(f.sloped_flanges, r.name == "T100" ? 0 : Published_Slope(r.name));
        EXPECT_EQ(f.half_section, r.letter == 'T' && r.name != "T100");
        char key[40];
        std::snprintf(key, sizeof key, "%s", r.name.c_str());
        const Lookup l = Read(' ', key, sizeof key);
        EXPECT_DOUBLE_EQ(f.toe_radius, l.out1);
        EXPECT_DOUBLE_EQ(f.root_fillet_end, l.out2);
        EXPECT_DOUBLE_EQ(f.web_tip_radius, r.name == "T100" ? 3.0 : 0.0);
        by_profil.push_back(f);
    }
    // The manager's file is the catalogue in use: a PROFIL without the
    // records decides nothing.
    tree.Install_Manager(data);
    Write_File(tree.Data("PROFIL"), "");
    Reset_Profil_Library();
    for (size_t i = 0; i < rows.size(); i++) {
        SCOPED_TRACE(rows[i].name);
        for (const std::string& name : {rows[i].name, rows[i].own}) {
            Profil_End_Form f{};
            ASSERT_EQ(Read_Profil_End_Form(name.c_str(), &f), 1);
            EXPECT_NEAR(f.toe_radius, by_profil[i].toe_radius, 1e-4);
            EXPECT_NEAR(f.root_fillet_end, by_profil[i].root_fillet_end, 1e-4);
            EXPECT_EQ(f.web_tip_radius, by_profil[i].web_tip_radius);
            EXPECT_EQ(f.half_section * 10 + f.sloped_flanges,
                      by_profil[i].half_section * 10 + by_profil[i].sloped_flanges);
        }
    }
    VEK_Set_Batch_Mode(0);
}

}  // namespace
