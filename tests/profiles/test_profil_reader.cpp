// The end-plate library's PROFIL reader: exact 15-character keys without
// trimming, the bounded write of the key, the classification of the name,
// its three message boxes (none in batch mode), and the flat part lengths.
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

}  // namespace
