// The versioned keyword text files: a record written and read back, values
// newer than the file taken from their defaults, comments, and the refusal
// of a file newer than the program.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/cp850.h"
#include "base/vesk.h"
#include "codes/versioned_text.h"
#include "dialogs/messages.h"
#include "support/global_state.h"
#include "support/testutil.h"

namespace test_versioned_text {
namespace {

const testutil::Global_Reset reset_versioned_text(Reset_Versioned_Text);

TEST(VersionedText, RecordRoundTrip) {
    FILE* f = std::tmpfile();
    ASSERT_EQ(Begin_Versioned_Write(f, 2.0), 0);
    const char c = 'B';
    const double d = -1.25e-3;
    const int i = -42;
    const char word[] = "C30/37";
    ASSERT_EQ(Write_Comment("Betongüte\nzweite Zeile"_cp), 0);
    ASSERT_EQ(Write_Structure_Version(1.5), 0);
    ASSERT_EQ(Write_Versioned_Value(&c, 'c'), 0);
    ASSERT_EQ(Write_Versioned_Value(&d, 'd'), 0);
    ASSERT_EQ(Write_Versioned_Value(&i, 'i'), 0);
    ASSERT_EQ(Write_Versioned_Value(word, 's'), 0);
    ASSERT_EQ(Write_Versioned_Value("zwei Worte", 't'), 0);
    ASSERT_EQ(Write_Versioned_Value("", 't'), 0);
    const char* counted = "frei  # kein Kommentar\nText";
    ASSERT_EQ(Write_Counted_Text(&counted), 0);
    ASSERT_EQ(Write_Placeholder_Value('d'), 0);
    ASSERT_EQ(Write_Line_End(), 0);
    const std::string text = testutil::Stream_All(f);
    EXPECT_EQ(text, " 2.000000  # Datenversionsnummer\n# Betong\x81te zweite Zeile\n 1.500000 # Strukturversionsnummer\n"
                    " B  -1.250000e-03  -42  C30/37  zwei\x8CWorte  !\xA7$%&/()=?  27 frei  # kein Kommentar\nText\n"
                    " -1.000000e+00 \n");

    std::rewind(f);
    ASSERT_EQ(Begin_Versioned_Read(f, 2.0), 0);
    ASSERT_EQ(Begin_Versioned_Structure(2.0), 0);
    EXPECT_EQ(Current_Data_Version(), 1.5);
    char rc = 0;
    double rd = 0;
    int ri = 0;
    char rs[VERSIONED_TEXT_SIZE], rt[VERSIONED_TEXT_SIZE], empty[VERSIONED_TEXT_SIZE] = "x";
    char* rcounted = nullptr;
    EXPECT_EQ(Read_Versioned_Value(&rc, 'c', 1.0, 0), 0);
    EXPECT_EQ(Read_Versioned_Value(&rd, 'd', 1.0, 0), 0);
    EXPECT_EQ(Read_Versioned_Value(&ri, 'i', 1.0, 0), 0);
    EXPECT_EQ(Read_Versioned_Value(rs, 's', 1.0, 0), 0);
    EXPECT_EQ(Read_Versioned_Word(rt, 1.5, nullptr), 0);
    EXPECT_EQ(Read_Versioned_Value(empty, 't', 1.0, 0), 0);
    EXPECT_EQ(Read_Versioned_Counted_Text(&rcounted, 1.0, nullptr), 0);
    EXPECT_EQ(rc, 'B');
    EXPECT_EQ(rd, -1.25e-3);
    EXPECT_EQ(ri, -42);
    EXPECT_STREQ(rs, "C30/37");
    EXPECT_STREQ(rt, "zwei Worte");
    EXPECT_STREQ(empty, "");
    ASSERT_NE(rcounted, nullptr);
    EXPECT_STREQ(rcounted, counted);
    ITools_Free(&rcounted);
    EXPECT_EQ(Skip_Current_Value('d'), 0);
    End_Versioned_Structure();
    EXPECT_EQ(Current_Data_Version(), 2.0);
    EXPECT_EQ(Read_Versioned_Value(&rd, 'd', 1.0, 0), 1);  // nothing left
    std::fclose(f);
}

TEST(VersionedText, ValuesNewerThanTheFileTakeTheirDefaults) {
    FILE* f = testutil::Stream_With(" 1.5 # Version\n# Kommentar\n 7 \n");
    ASSERT_EQ(Begin_Versioned_Read(f, 2.0), 0);
    // Rounded half away from zero.
    EXPECT_EQ(Read_Versioned_Int(2.0, -2.5), -3);
    EXPECT_EQ(Read_Versioned_Int(2.0, 2.5), 3);
    int i = 0;
    EXPECT_EQ(Read_Versioned_Value(&i, 'i', 2.0, 2.4), 0);
    EXPECT_EQ(i, 2);
    double d = 0;
    EXPECT_EQ(Read_Versioned_Value(&d, 'd', 1.6, 0.75), 0);
    EXPECT_EQ(d, 0.75);
    char word[VERSIONED_TEXT_SIZE];
    EXPECT_EQ(Read_Versioned_Word(word, 1.51, "vorgabe"), 0);
    EXPECT_STREQ(word, "vorgabe");
    char* counted = nullptr;
    EXPECT_EQ(Read_Versioned_Counted_Text(&counted, 3.0, "neu"), 0);
    ASSERT_NE(counted, nullptr);
    EXPECT_STREQ(counted, "neu");
    ITools_Free(&counted);
    EXPECT_EQ(Read_Versioned_Value(&i, 'x', 3.0, 0), 1);  // no such letter
    // The comment line is skipped; the value of version 1.0 is read.
    EXPECT_EQ(Read_Versioned_Int(1.0, 99), 7);
    EXPECT_EQ(Read_Current_Int(), 1);  // none left
    std::fclose(f);
}

TEST(VersionedText, NewerFilesAndDamagedValuesAreRefused) {
    // The message goes to category 0, which this test opens afresh.
    Close_Message_Category(0);
    ASSERT_EQ(Open_Message_Category(), 0);
    FILE* f = testutil::Stream_With(" 3.0\n");
    EXPECT_EQ(Begin_Versioned_Read(f, 2.0), 2);
    EXPECT_EQ(Message_Category_Count(0), 1);
    EXPECT_STREQ(Message_Category_Line(0, 0), "Alte Programmversion -> kann Daten nicht lesen!\n");
    Close_Message_Category(0);
    std::fclose(f);
    f = testutil::Stream_With(" -1\n");
    EXPECT_EQ(Begin_Versioned_Read(f, 2.0), -1);
    std::fclose(f);
    f = testutil::Stream_With("# nur Kommentar\n");
    EXPECT_EQ(Begin_Versioned_Read(f, 2.0), 1);
    std::fclose(f);
    // A counted text longer than the file is refused, not allocated.
    f = testutil::Stream_With(" 1\n 2000000000 abc\n");
    ASSERT_EQ(Begin_Versioned_Read(f, 2.0), 0);
    char* text = nullptr;
    EXPECT_EQ(Read_Versioned_Counted_Text(&text, 1.0, nullptr), 1);
    EXPECT_EQ(text, nullptr);
    std::fclose(f);
    // What a word cannot carry back is refused before anything is written.
    f = std::tmpfile();
    Begin_Versioned_Write(f, 1.0);
    const long start = std::ftell(f);
    const char blank = ' ', hash = '#';
    for (const char* bad : {"zwei Worte", "", "#x"}) EXPECT_EQ(Write_Versioned_Value(bad, 's'), 1) << bad;
    for (const char* bad : {"#x", "a\tb", "\x8C", "!\xA7$%&/()=?"}) EXPECT_EQ(Write_Versioned_Value(bad, 't'), 1) << bad;
    EXPECT_EQ(Write_Versioned_Value(&blank, 'c'), 1);
    EXPECT_EQ(Write_Versioned_Value(&hash, 'c'), 1);
    EXPECT_EQ(std::ftell(f), start);
    std::fclose(f);
}

// Skipping a value of each letter in a file of version 1.5: a value of
// version 1.0 is read and dropped, one of version 2.0 is not in the file
// and nothing is consumed (a word skips only blanks and comments). The
// value after them, 42, proves where the reader stands.
TEST(VersionedText, SkippedValuesOfEachLetter) {
    FILE* f = testutil::Stream_With(" 1.5\n x 2.5e0 7 Wort zwei\x8CWorte # Kommentar\n 42 \n");
    ASSERT_EQ(Begin_Versioned_Read(f, 2.0), 0);
    const struct {
        char letter;
        double introduced;
    } skips[] = {{'c', 1.0}, {'d', 1.0}, {'i', 1.0}, {'s', 1.0}, {'t', 1.0},
                 {'s', 2.0}, {'d', 2.0}, {'i', 2.0}, {'t', 2.0}, {'c', 2.0}};
    for (const auto& k : skips) EXPECT_EQ(Skip_Versioned_Value(k.letter, k.introduced), 0) << k.letter << k.introduced;
    EXPECT_EQ(Skip_Versioned_Value('x', 1.0), 1);
    EXPECT_EQ(Read_Versioned_Int(1.0, 0), 42);
    EXPECT_EQ(Skip_Versioned_Value('i', 1.0), 1);  // nothing left to read
    EXPECT_EQ(Skip_Versioned_Value('s', 1.0), 1);
    std::fclose(f);
}

TEST(VersionedText, BlanksEncodedAndDecoded) {
    char text[8] = "a b";
    EXPECT_EQ(Encode_Blanks(text), 3);
    EXPECT_STREQ(text, "a\x8C" "b");
    EXPECT_EQ(Decode_Blanks(text), 3);
    EXPECT_STREQ(text, "a b");
    char empty[2] = "";
    EXPECT_EQ(Encode_Blanks(empty), 1);
    EXPECT_STREQ(empty, "\x8C");
    EXPECT_EQ(Decode_Blanks(empty), 0);
    EXPECT_STREQ(empty, "");
}

}  // namespace

}  // namespace test_versioned_text
