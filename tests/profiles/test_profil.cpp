// The profile name library: values by name through the bounded bisection of
// PROFIL (every record reachable, counted from the file size), the remembered
// look-up, family codes, round-tube names, the used-profiles table and the
// values taken from the profile manager's database.
#include <cstdio>

#include "catalogue_fixture.h"
#include "profiles/profil_file.h"
#include "profiles/profilquerschnitt.h"

using namespace testutil;

namespace {

using ProfilLibrary = CatalogueTest;

TEST_F(ProfilLibrary, EveryRecordIsFoundByTheBisectionFirstMiddleAndLastAmongThem) {
    FILE* f = std::fopen(tree.Data("PROFIL").c_str(), "rb");
    ASSERT_NE(f, nullptr);
    long count = Profil_Record_Count(f);
    ProfilRecord r;
    float values[PROFIL_VALUES];
    char code[PROFIL_CODE_SIZE];
    for (long i = 0; i < count && Read_Profil_Record(f, i, &r); i++) {
        std::string name(r.name, std::strcspn(r.name, " "));
        ASSERT_EQ(Search_Profil_File(name.c_str(), f, static_cast<int>(count), values, code), i + 1) << name;
    }
    std::fclose(f);

    EXPECT_EQ(Get_Profil_Values("1/2I300", values, code), 1);
    EXPECT_EQ(Get_Profil_Values("W920X310X313", values, code), count);
    int middle = Get_Profil_Values("  he280a ", values, code);
    EXPECT_GT(middle, 1);
    EXPECT_STREQ(code, "   D");
    EXPECT_FLOAT_EQ(values[4], 97.3f);
    EXPECT_FLOAT_EQ(values[9], 13670.0f);
    // Inner blanks are no part of a designation: "he 280 a" is HE280A.
    EXPECT_EQ(Get_Profil_Values("he 280 a", values, code), middle);
    EXPECT_FLOAT_EQ(values[4], 97.3f);
    EXPECT_EQ(Get_Profil_Values("HE 999 A", values, code), 0);
    EXPECT_STREQ(code, "ERR");
    EXPECT_EQ(values[4], 0.0f);
    EXPECT_EQ(Get_Profil_Values("HE28", values, code), 0);
}

TEST_F(ProfilLibrary, TheSameNameAgainOpensNoFileAndAShortFileIsNotOverrun) {
    float values[PROFIL_VALUES];
    char code[PROFIL_CODE_SIZE];
    int first = Get_Profil_Values("IPE300", values, code);
    ASSERT_GT(first, 0);
    std::filesystem::remove(tree.Data("PROFIL"));
    EXPECT_EQ(Get_Profil_Values(" IPE300", values, code), first);
    EXPECT_FLOAT_EQ(values[0], 30.0f);
    // No catalogue: 0, values and code untouched.
    float untouched[PROFIL_VALUES] = {1.0f};
    char untouched_code[PROFIL_CODE_SIZE] = "abc";
    EXPECT_EQ(Get_Profil_Values("IPE330", untouched, untouched_code), 0);
    EXPECT_EQ(untouched[0], 1.0f);
    EXPECT_STREQ(untouched_code, "abc");
    // Two records, a cut third: the two are found, nothing beyond is read.
    Write_File(tree.Data("PROFIL"), Profil_Record("A1", 'D', Shipped_Values("HE280A")) +
                                        Profil_Record("B2", 'L', Shipped_Values("L100X10")) + std::string(80, 'Z'));
    EXPECT_EQ(Get_Profil_Values("b2", values, code), 2);
    EXPECT_STREQ(code, "   L");
    EXPECT_EQ(Get_Profil_Values("ZZ", values, code), 0);
    Write_File(tree.Data("PROFIL"), "");
    EXPECT_EQ(Get_Profil_Values("A1", values, code), 0);
}

TEST_F(ProfilLibrary, OneProfileOfEverySeriesWithItsFamilyLetterAndPublishedValues) {
    // Depth h (cm) and area A (cm²) as published; 0 for the series without
    // published dimensions, which the file leaves out.
    const struct {
        const char* name;
        int family;
        char letter;
        float h, a;
    } cases[] = {
        {"1/2IPE300", 2, 'T', 15.0f, 26.91f}, {"C150X51X12.2", 3, 'U', 15.2f, 15.4f}, {"DIL100", 1, 0, 0, 0},
        {"HE280A", 1, 'D', 27.0f, 97.3f},     {"IPE300", 1, 'D', 30.0f, 53.81f},      {"L100X10", 5, 'L', 10.0f, 19.2f},
        {"M100X100X19.3", 4, 0, 0, 0},        {"MSH100X100X5.0", 4, 'R', 10.0f, 18.73f},
        {"S100X70X11.5", 1, 'D', 10.2f, 14.6f}, {"T20", 2, 0, 0, 0},                  {"U100", 3, 'U', 10.0f, 13.5f},
        {"W130X130X23.8", 1, 'D', 12.7f, 30.4f}, {"Z30", 6, 0, 0, 0},                 {"R88.9X5.0", 7, 'K', 8.89f, 13.18f},
    };
    for (const auto& c : cases) {
        float values[PROFIL_VALUES];
        char code[PROFIL_CODE_SIZE];
        int found = Get_Profil_Values(c.name, values, code);
        EXPECT_EQ(Get_Profil_Family(c.name), c.family) << c.name;
        EXPECT_EQ(found > 0 ? code[3] : 0, c.letter) << c.name;
        EXPECT_FLOAT_EQ(values[0], c.h) << c.name;
        EXPECT_FLOAT_EQ(values[4], c.a) << c.name;
    }
}

TEST_F(ProfilLibrary, FamiliesByNameAndShapeCodes) {
    const struct {
        const char* name;
        int family, shape;
    } cases[] = {
        {"HE300A", 1, 0},     {"\xAB" "IPE300", 2, 3}, {"1/2IPE300", 2, 3}, {"U100", 3, 2},   {"c150x51x12.2", 3, 2},
        {"QR100X5", 4, 1},    {"RR100X50X5", 4, 1},   {"MSH100X100X5.0", 4, 1},         {"L100X10", 5, 4},
        {"Z100", 6, 5},       {"R88.9X5.0", 7, 6},    {"FL100X10", 11, 10},             {"QX", 0, -1},
        {" HE300A", 0, -1},   {"", 0, -1},            {"#1", 0, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Get_Profil_Family(c.name), c.family) << c.name;
        EXPECT_EQ(Get_Profilquerschnitt_Type_Of_Name(c.name), c.shape) << c.name;
    }
    EXPECT_EQ(Get_Profil_Family(nullptr), 0);
    // The last answer is kept by the name without the blanks after it (a
    // model's name text pads it to its columns), but with those before it.
    for (const char* name : {"HE300A   ", " HE300A", "HE300A", " HE300A   ", "HE300A   "})
        EXPECT_EQ(Get_Profil_Family(name), name[0] == ' ' ? 0 : 1) << '"' << name << '"';
    // The record's shapes 0 .. 12 and the families the model builder knows
    // them by; families without a shape of the record have none.
    const int family_of_shape[13] = {1, 4, 3, 2, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    for (int shape = 0; shape < 13; shape++) {
        EXPECT_EQ(Profil_Family_Of_Shape(shape), family_of_shape[shape]) << shape;
        EXPECT_EQ(Shape_Of_Profil_Family(family_of_shape[shape]), shape) << shape;
    }
    EXPECT_EQ(Profil_Family_Of_Shape(999), 99);
    for (int family : {-1, 0, 14, 99}) EXPECT_EQ(Shape_Of_Profil_Family(family), -1) << family;
    EXPECT_EQ(Profil_Family_Of_Shape(13), -1);
}

TEST_F(ProfilLibrary, SeriesListsAndRoundTubes) {
    const int counts[] = {0, 43, 22, 19, 194, 114, 109, 3, 390, 6, 19, 24, 175, 9};
    int total = 0;
    for (int s = 1; s <= PROFIL_SERIES_COUNT; s++) {
        EXPECT_EQ(Profil_Series_Table[s].count, counts[s]) << s;
        total += Profil_Series_Table[s].count;
    }
    EXPECT_EQ(total, 1127);
    EXPECT_STREQ(Profil_Series_Table[1].names[27], "1/2IPBV320/305");
    EXPECT_STREQ(Profil_Series_Table[4].names[66], "HE1000A");
    EXPECT_STREQ(Profil_Series_Table[11].names[1], "U30X15");

    int d, p, w;
    EXPECT_EQ(Parse_Round_Tube_Name("R88.9X5.0", &d, &p, &w), 1);
    EXPECT_EQ(d * 10000 + w * 100 + p, 25 * 10000 + 13 * 100 + 10);
    EXPECT_EQ(Parse_Round_Tube_Name("r88.9x5", &d, &p, &w), 0);
    EXPECT_EQ(d, -1);
    EXPECT_EQ(Parse_Round_Tube_Name("R88.9X1.0", &d, &p, &w), 0);  // wall outside the row
    char name[TUBE_NAME_SIZE];
    Find_Round_Tube_Name(25, 13, name);
    EXPECT_STREQ(name, "R88.9X5.0");
    Find_Round_Tube_Name(54, 30, name);
    EXPECT_STREQ(name, "R1016.0X32.0");
    Find_Round_Tube_Name(0, 8, name);
    EXPECT_STREQ(name, " ??? ");
    d = -4, w = 99;
    Clamp_Round_Tube_Indices(&d, &w, &p);
    EXPECT_EQ(d * 100 + w * 10 + p, 0 * 100 + 7 * 10 + 7);
}

TEST_F(ProfilLibrary, UsedProfilesGetHandlesInOrder) {
    EXPECT_EQ(Register_Used_Profil(" IPE300 "), 0x20001);
    EXPECT_EQ(Register_Used_Profil("L100X10"), 0x20002);
    EXPECT_EQ(Register_Used_Profil("IPE300"), 0x20001);
    EXPECT_EQ(Register_Used_Profil("NOPE"), 0);
    float values[40];
    int family = 0;
    // Blanks and case aside, one designation has one entry.
    EXPECT_EQ(Register_Used_Profil("ipe 300"), 0x20001);
    EXPECT_EQ(Get_Used_Profil_By_Name("IPE 300", values, 1, &family), 0x20001);
    EXPECT_EQ(Get_Used_Profil_By_Name("l 100 x 10", values, 40, &family), 0x20002);
    EXPECT_EQ(Get_Used_Profil_By_Name("L100X10", values, 40, &family), 0x20002);
    EXPECT_EQ(family, 5);
    EXPECT_FLOAT_EQ(values[0], 10.0f);
    EXPECT_EQ(values[39], 0.0f);
    char name[4];
    EXPECT_EQ(Get_Used_Profil_By_Handle(0x20001, name, sizeof name, values, 1, &family), 0x20001);
    EXPECT_STREQ(name, "IPE");
    EXPECT_EQ(family, 1);
    int result = 0, handle = 0x20001, n = 35, length = 8;
    char padded[8];
    Get_Used_Profil_By_Handle_Ref(&result, &handle, values, &n, &family, padded, &length);
    EXPECT_EQ(result, 0x20001);
    EXPECT_EQ(std::string(padded, 8), "IPE300  ");
    length = 6;
    Register_Used_Profil_Ref(&handle, "HE280AXYZ", &length);
    EXPECT_EQ(handle, 0x20003);
    Get_Profil_Values_Ref(&result, values, "HE280A", &length);
    EXPECT_EQ(result, -1);  // only with the profile manager
}

TEST_F(ProfilLibrary, ManagerValuesAreRearrangedAndNegativeExtrasCleared) {
    std::map<int, float> v;
    for (int i = 0; i < 39; i++) v[i] = static_cast<float>(i);
    // What the outline check reads is a plausible double-T: h 30, b 15,
    // t_w = t_f = 1 cm, sharp corners (radii 26, 27 and slope 37 are 0),
    // its plastic moduli left to the model (0), its torsion constant the
    // plates' sum (2 15 + 28) / 3; a warping constant below 0 is none.
    for (const auto& [i, x] : To_ProfilData(Sharp_Section('D', 30, 15, 1, 1))) v[i] = x;
    ASSERT_FLOAT_EQ(v[24], 58.0f / 3);
    v[17] = v[18] = v[22] = v[23] = 0;
    v[26] = v[27] = v[37] = 0;
    v[25] = -2.0f;
    // A designation of no series: a rolled IPE 300 would have root radii.
    tree.Install_Manager(ProfilData_Record(0, 2, "X300", "", v));
    float values[PROFIL_VALUES];
    char code[PROFIL_CODE_SIZE];
    EXPECT_EQ(Get_Profil_Values("X300", values, code), 0x10000);
    EXPECT_STREQ(code, "0   ");
    const float expected[PROFIL_VALUES] = {v[0],  v[1],  v[2],  v[3],  v[4],  5,     v[6],  v[7], v[8], v[10], v[11], 1.2f,
                                           1.3f,  v[14], v[15], v[16], 0,     0,     v[19], v[20], v[21], 0,    0,     v[24],
                                           0,     0,     0,     v[29], 0,     30,    31,    32,    33,    34,    0};
    for (int i = 0; i < PROFIL_VALUES; i++) EXPECT_FLOAT_EQ(values[i], expected[i]) << i;
    EXPECT_EQ(Get_Profil_Family("x300"), 1);  // by the record's type code
    EXPECT_EQ(Get_Profil_Values("HE280A", values, code), 0);
    EXPECT_STREQ(code, "ERR");
}

}  // namespace
