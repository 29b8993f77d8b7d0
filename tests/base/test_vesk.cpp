// Allocation families and the general tool library: slack and block counts,
// the matrix layout, the out-of-memory stop, guarded and verbose output,
// timers, the word list, German number words, date tokens, string
// replacement in files and trimming.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "base/vesk.h"
#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/sheets.h"
#include "support/fixed6_cases.h"
#include "support/testutil.h"

using testutil::Read_File;
using testutil::TempDir;
using testutil::Write_File;

namespace {

// Restores the slack on leaving a test.
struct SlackGuard {
    ~SlackGuard() { ITools_Set_Slack(0); }
};

}  // namespace

// ---- Tagged allocation ------------------------------------------------------

TEST(MemFamily, PassThroughsBehaveAsTheCLibrary) {
    const char* f = "p:/src/veklib/ptrarr.cpp";
    int* z = static_cast<int*>(Mem_Calloc(f, 1, "null", 4, sizeof(int)));
    ASSERT_NE(z, nullptr);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(z[i], 0);
    z[3] = 7;
    z = static_cast<int*>(Mem_Realloc(f, 2, "null", z, 100 * sizeof(int)));
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z[3], 7);
    Mem_Free(f, 3, "null", z);
    Mem_Free(f, 4, "null", nullptr);

    char* s = Mem_Strdup(f, 5, "null", "Stahl");
    ASSERT_NE(s, nullptr);
    EXPECT_STREQ(s, "Stahl");
    Mem_Free(f, 6, "null", s);
    EXPECT_EQ(Mem_Strdup(f, 7, "null", nullptr), nullptr);
}

// ---- ITools family -------------------------------------------------------------

TEST(IToolsFamily, ZeroTotalGivesNullAndKeepsOldBlock) {
    SlackGuard guard;
    ITools_Set_Slack(0);
    char* block = static_cast<char*>(ITools_Realloc(nullptr, 8, 1));
    ASSERT_NE(block, nullptr);
    std::strcpy(block, "Beton");
    EXPECT_EQ(ITools_Realloc(block, 0, 0), nullptr);
    EXPECT_STREQ(block, "Beton");  // still valid: not freed
    EXPECT_EQ(ITools_Calloc(0), nullptr);
    ITools_Free(&block);
    EXPECT_EQ(block, nullptr);
}

TEST(IToolsFamily, SlackIsAddedAndZeroedNegativeStoresZero) {
    SlackGuard guard;
    EXPECT_EQ(ITools_Set_Slack(-5), 0);
    EXPECT_EQ(ITools_Set_Slack(8), 8);
    // 4 bytes asked, 12 owned and zeroed (a sanitizer build checks the size).
    unsigned char* block = static_cast<unsigned char*>(ITools_Calloc(4));
    ASSERT_NE(block, nullptr);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(block[i], 0) << i;
    // With slack, a size of 0 still gives a block.
    void* tiny = ITools_Realloc(nullptr, 0, 0);
    EXPECT_NE(tiny, nullptr);
    ITools_Free(&block);
    ITools_Free(&tiny);
}

TEST(IToolsFamily, MatrixLayoutRowsFollowThePointerTable) {
    SlackGuard guard;
    ITools_Set_Slack(0);
    const int before = ITools_Block_Count();
    double** m = ITools_Alloc_Matrix(nullptr, 3, 2);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(ITools_Block_Count(), before + 1);
    const char* base = reinterpret_cast<const char*>(m);
    // Row r begins after the table of 3 row pointers plus 16 bytes per row.
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(reinterpret_cast<const char*>(m[r]) - base,
                  static_cast<std::ptrdiff_t>(3 * sizeof(double*) + 16 * r));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c) m[r][c] = 10.0 * r + c;

    // Growing keeps the block counted once and refreshes the row pointers.
    m = ITools_Alloc_Matrix(m, 5, 2);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(ITools_Block_Count(), before + 1);
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(reinterpret_cast<const char*>(m[r]) - reinterpret_cast<const char*>(m),
                  static_cast<std::ptrdiff_t>(5 * sizeof(double*) + 16 * r));
    m[4][1] = 41.0;  // the last cell is inside the block

    // Rows or columns of 0: null, the block is left alone.
    EXPECT_EQ(ITools_Alloc_Matrix(m, 0, 2), nullptr);
    EXPECT_EQ(ITools_Alloc_Matrix(m, 2, 0), nullptr);
    EXPECT_EQ(m[4][1], 41.0);

    ITools_Free(&m);
    EXPECT_EQ(m, nullptr);
    EXPECT_EQ(ITools_Block_Count(), before);
}

TEST(IToolsFamily, BlockCounting) {
    const int before = ITools_Block_Count();
    char* a = ITools_Strdup("Holz");
    ASSERT_NE(a, nullptr);
    EXPECT_STREQ(a, "Holz");
    EXPECT_EQ(ITools_Block_Count(), before + 1);
    // Reallocating an existing block does not count again.
    a = static_cast<char*>(ITools_Realloc(a, 64, 0));
    EXPECT_EQ(ITools_Block_Count(), before + 1);
    // Freeing a null block pointer changes nothing.
    char* none = nullptr;
    ITools_Free(&none);
    ITools_Free(nullptr);
    EXPECT_EQ(ITools_Block_Count(), before + 1);
    ITools_Free(&a);
    EXPECT_EQ(ITools_Block_Count(), before);
    // A copy given back with Mem_Free directly stays counted.
    char* b = ITools_Strdup("x");
    Mem_Free("t", 1, "null", b);
    EXPECT_EQ(ITools_Block_Count(), before + 1);
    ITools_Reset_Block_Count();
    EXPECT_EQ(ITools_Block_Count(), 0);
}

TEST(IToolsFamily, CopyDoubles) {
    const double src[3] = {1.5, -2.0, 3.25};
    double* block = nullptr;
    const int before = ITools_Block_Count();
    ITools_Copy_Doubles(3, &block, src);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(ITools_Block_Count(), before + 1);
    EXPECT_EQ(block[0], 1.5);
    EXPECT_EQ(block[1], -2.0);
    EXPECT_EQ(block[2], 3.25);
    ITools_Copy_Doubles(2, &block, src + 1);
    EXPECT_EQ(ITools_Block_Count(), before + 1);
    EXPECT_EQ(block[0], -2.0);
    EXPECT_EQ(block[1], 3.25);
    ITools_Free(&block);
}

// ---- The out-of-memory stop ----------------------------------------------------

// The stop hands its text to the installed report and ends with exit code 0;
// the text reaches stderr exactly once whatever the report did with it: the
// report says whether it wrote it there, and a report that runs out of
// memory itself (re-entering the stop) is not called again.
TEST(IToolsStopDeathTest, TextReachesStderrOnceAndExitIsZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const struct {
        Memory_Stop_Report_Func report;
        const char* stderr_text;
    } cases[] = {
        {nullptr, "^Speicher nicht aussreichend!\n$"},
        {[](const char* t) { return std::fprintf(stderr, "[%s]\n", t) > 0 ? 1 : 0; },
         "^\\[Speicher nicht aussreichend!\\]\n$"},
        {[](const char*) { return 0; }, "^Speicher nicht aussreichend!\n$"},  // collected, dropped
        {[](const char*) -> int { Stop_Speichermangel(); }, "^Speicher nicht aussreichend!\n$"},
    };
    for (const auto& c : cases) {
        EXPECT_EXIT(
            {
                Set_Memory_Stop_Report(c.report);
                Stop_Speichermangel();
            },
            ::testing::ExitedWithCode(0), c.stderr_text);
    }
    EXPECT_EXIT(
        {
            Set_Memory_Stop_Report(nullptr);
            Check_Speicher(nullptr);
        },
        ::testing::ExitedWithCode(0), "^Speicher nicht aussreichend!\n$");
    int x = 0;
    Check_Speicher(&x);  // a block: nothing happens
}

// AddressSanitizer ends the process on such a request itself (gcc says so
// with __SANITIZE_ADDRESS__, clang with __has_feature(address_sanitizer)).
#if defined(__SANITIZE_ADDRESS__)
#define UNDER_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define UNDER_ADDRESS_SANITIZER 1
#endif
#endif
#if !defined(UNDER_ADDRESS_SANITIZER)
TEST(IToolsStopDeathTest, FailedAllocationStops) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Set_Memory_Stop_Report(nullptr);
            ITools_Realloc(nullptr, SIZE_MAX / 2, 0);
        },
        ::testing::ExitedWithCode(0), "Speicher nicht aussreichend!");
}
#endif

// ---- Output helpers ------------------------------------------------------------

TEST(VeskOutput, SafeFprintfNullStreamWritesNothing) {
    EXPECT_EQ(Safe_Fprintf(nullptr, " 7 %d\n", 3), 0);
    TempDir dir;
    const std::string name = dir.file("rec.txt");
    FILE* f = std::fopen(name.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(Safe_Fprintf(f, " 7 %d\n", 3), 5);
    EXPECT_EQ(Safe_Fprintf(f, " -1\n"), 4);
    std::fclose(f);
    EXPECT_EQ(Read_File(name), " 7 3\n -1\n");
}

// The fast point writer gives the bytes of " %lf" for every value it meets:
// ties, values that round to a negative zero, huge ones, non-finite ones,
// and a record longer than its own buffer.
TEST(VeskOutput, SafeWriteFixedWritesWhatPrintfWrites) {
    EXPECT_EQ(Safe_Write_Fixed(nullptr, " 1 ", nullptr, 0, "\n"), 0);
    std::vector<double> v = {0.0,     -0.0,       1.0 / 3,    -2.5e-7, 4.199916, 0.0000005, 0.0000015,
                             -1e-300, 123456.75, 1.7e308,    -1.7e308, 1e-320,   2.0 / 3,   -0.1,
                             HUGE_VAL, -HUGE_VAL, std::nan("")};
    for (int i = 0; i < 400; i++) v.push_back(i * 1234.5678901 - 1e5);
    std::string want = " 18 7";
    char one[400];
    for (double x : v) {
        std::snprintf(one, sizeof one, " %lf", x);
        want += one;
    }
    want += "\n";
    // The record is longer than the default stream buffer; in a large one
    // it is formatted straight into the buffer.
    for (const bool large : {false, true}) {
        TempDir dir;
        const std::string name = dir.file("rec.txt");
        FILE* f = std::fopen(name.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::vector<char> buffer(1 << 20);
        if (large) std::setvbuf(f, buffer.data(), _IOFBF, buffer.size());
        EXPECT_EQ(Safe_Write_Fixed(f, " 18 7", v.data(), static_cast<int>(v.size()), "\n"),
                  static_cast<int>(want.size()));
        EXPECT_EQ(Safe_Write_Fixed(f, "", v.data(), 0, nullptr), 0);
        std::fclose(f);
        EXPECT_EQ(Read_File(name), want);
    }
}

// The "%lf" formatter against the C library on a hundred thousand
// ties, near-ties, limit values and random bit patterns (bench/fixed6_check
// runs the same mixture on ten million and more), and a buffer too small.
TEST(VeskOutput, FormatFixed6WritesWhatSnprintfWrites) {
    char got[400], want[400];
    int differ = 0;
    for (uint64_t i = 0; i < 100000; i++) {
        const double v = Fixed6_Case(i);
        const int n = Format_Fixed6(got, sizeof got, v);
        const int w = std::snprintf(want, sizeof want, "%lf", v);
        if ((n != w || std::strcmp(got, want) != 0) && differ++ < 5)
            ADD_FAILURE() << "case " << i << ": " << got << " for " << want;
    }
    EXPECT_EQ(differ, 0);
    // Ties by hand: 1/128 = 0.0078125 keeps the even 2, 3/128 = 0.0234375
    // goes up to the even 8; -2^-80 is a negative zero in print.
    const struct { double v; const char* text; } table[] = {
        {1.0 / 128, "0.007812"}, {3.0 / 128, "0.023438"}, {-0x1p-80, "-0.000000"},
        {-0.0, "-0.000000"},     {2.5e-7, "0.000000"},    {8796093022207.5, "8796093022207.500000"},
    };
    for (const auto& row : table) {
        ASSERT_GT(Format_Fixed6(got, sizeof got, row.v), 0);
        EXPECT_STREQ(got, row.text);
    }
    EXPECT_EQ(Format_Fixed6(got, 8, 1e300), -1);
}

TEST(VeskOutput, VerboseAndRuntimeTrace) {
    Set_Verbose(0);
    testing::internal::CaptureStdout();
    EXPECT_EQ(Verbose_Printf("x%d", 1), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

    Set_Verbose(1);
    testing::internal::CaptureStdout();
    EXPECT_EQ(Verbose_Printf("x%d", 12), 3);
    Set_Runtime_Measurement(1);
    Start_Runtime_Timer(3);
    VEK_Advance_Clock(1500);  // a wait counts: elapsed time, not processor time
    Print_Runtime(3, "Lauf");
    Start_Runtime_Timer(4);
    Print_Runtime(4, nullptr);
    Start_Runtime_Timer(100);  // out of range: nothing, no write
    Print_Runtime(100, "aus");
    Start_Runtime_Timer(-1);
    Print_Runtime(-1, "aus");
    Set_Runtime_Measurement(0);
    Set_Runtime_Measurement(0);  // already off: no second line
    Print_Runtime(3, "aus");     // not measuring: nothing
    const std::string out = testing::internal::GetCapturedStdout();
    Set_Verbose(0);
    EXPECT_TRUE(testing::internal::RE::FullMatch(
        out,
        "x12\n>> Rechenzeitmessung aktiviert\n"
        ">> Rechenzeit  3: +[0-9]+\\.[0-9][0-9] sec \\(Lauf\\)\n"
        ">> Rechenzeit  4: +[0-9]+\\.[0-9][0-9] sec\n"
        "\n>> Rechenzeitmessung deaktiviert\n"))
        << out;
    EXPECT_NE(out.find(">> Rechenzeit  3:       1.50 sec (Lauf)"), std::string::npos) << out;
}

// ---- Word list ---------------------------------------------------------------------

TEST(WordList, JoinsWithCommaAndUnd) {
    Clear_Word_List();
    Append_Word("Stahl");
    Append_Word("Holz");
    EXPECT_STREQ(Append_Last_Word("Beton"), "Stahl, Holz und Beton");
    EXPECT_STREQ(Get_Word_List(), "Stahl, Holz und Beton");

    Clear_Word_List();
    EXPECT_STREQ(Append_Last_Word("Beton"), "Beton");

    Clear_Word_List();
    Append_Number_Item(3);
    Append_Number_Item(-4);
    EXPECT_STREQ(Append_Last_Number_Item(12), "3, -4 und 12");
}

TEST(WordList, ItemThatDoesNotFitIsLeftOut) {
    Clear_Word_List();
    const std::string word(95, 'a');
    Append_Word(word.c_str());  // 97
    Append_Word(word.c_str());  // 194
    Append_Word(word.c_str());  // 291
    Append_Word("abcdefg");     // 291 + 9 = 300 > 299: left out
    EXPECT_EQ(std::strlen(Get_Word_List()), 291u);
    Append_Word("abcdef");      // exactly 299
    EXPECT_EQ(std::strlen(Get_Word_List()), 299u);
    Clear_Word_List();
    EXPECT_STREQ(Get_Word_List(), "");
}

TEST(WordList, NumberRanges) {
    const int a[] = {1, 2, 3, 4, 7, 9};
    EXPECT_STREQ(Number_List_With_Ranges(6, a), "1 bis 4, 7 und 9");
    // The last number never continues a run.
    const int b[] = {1, 2, 3, 4};
    EXPECT_STREQ(Number_List_With_Ranges(4, b), "1 bis 3 und 4");
    const int c[] = {5};
    EXPECT_STREQ(Number_List_With_Ranges(1, c), "5");
    const int d[] = {2, 4, 5, 6, 9, 10, 11, 20};
    EXPECT_STREQ(Number_List_With_Ranges(8, d), "2, 4 bis 6, 9 bis 11 und 20");
    EXPECT_STREQ(Number_List_With_Ranges(0, c), "");
}

// ---- German number words ---------------------------------------------------------

TEST(NumberWords, OneToNinetyNine) {
    EXPECT_STREQ(Number_Word_1_19(1, 1), "eins");
    EXPECT_STREQ(Number_Word_1_19(1, 0), "ein");
    EXPECT_STREQ(Number_Word_1_19(12, 0), "zw\x94lf");
    EXPECT_STREQ(Number_Word_1_19(16, 0), "sechszehn");
    EXPECT_STREQ(Number_Word_1_19(20, 0), "-Fehler-");
    EXPECT_STREQ(Number_Word_1_19(0, 0), "-Fehler-");
    EXPECT_STREQ(Tens_Word(19), "-Fehler-");
    EXPECT_STREQ(Tens_Word(57), "f\x81nfzig");
    EXPECT_STREQ(Tens_Word(100), "-Fehler-");
    EXPECT_STREQ(Number_Word_1_99(21, 1), "einundzwanzig");
    EXPECT_STREQ(Number_Word_1_99(30, 0), "dreissig");
    EXPECT_STREQ(Number_Word_1_99(1, 1), "eins");
    EXPECT_STREQ(Number_Word_1_99(55, 0), "f\x81nfundf\x81nfzig");
    EXPECT_STREQ(Number_Word_1_99(0, 0), "-Fehler-");
}

TEST(NumberWords, HundredsThousandsMillions) {
    EXPECT_STREQ(Number_Word_1_999(342, 1), "dreihundertzweiundvierzig");
    EXPECT_STREQ(Number_Word_1_999(101, 1), "einhunderteins");
    EXPECT_STREQ(Number_Word_1_999(200, 1), "zweihundert");
    EXPECT_STREQ(Number_Word_1_999(99, 0), "neunundneunzig");
    EXPECT_STREQ(Number_Word_1_999999(2500), "zweitausendf\x81nfhundert");
    EXPECT_STREQ(Number_Word_1_999999(1001), "eintausendein");
    EXPECT_STREQ(Number_Word_1_999999999(1000001), "einemillioneins");
    EXPECT_STREQ(Number_Word_1_999999999(3021000), "dreimillioneneinundzwanzigtausend");
    EXPECT_STREQ(Number_Word_Full(1000000000u), "einemilliarde");
    EXPECT_STREQ(Number_Word_Full(2000000021u), "zweimilliardeneinundzwanzig");
    EXPECT_STREQ(Number_Word_Capital(0), "Null");
    EXPECT_STREQ(Number_Word_Capital(21), "Einundzwanzig");
    EXPECT_STREQ(Number_Word_Capital(7000), "Siebentausend");
}

TEST(NumberWords, CountWords) {
    EXPECT_STREQ(Count_Word(0), "keiner");
    EXPECT_STREQ(Count_Word(1), "einer");
    EXPECT_STREQ(Count_Word(5), "funf");
    EXPECT_STREQ(Count_Word(9), "neun");
    EXPECT_STREQ(Count_Word(12), "12");
    EXPECT_STREQ(Count_Word(-1), "-1");
}

// ---- Date tokens -------------------------------------------------------------------

TEST(DateTokens, ParseLastToken) {
    int a = -1, b = -1;
    char four[5] = "xxxx";
    Parse_Date_Token("Stand vom 12.03.2001", &a, &b, four);
    EXPECT_EQ(a, 12);
    EXPECT_EQ(b, 3);
    EXPECT_STREQ(four, "2001");
    // A trailing blank stays part of the token.
    Parse_Date_Token("Stand 7.11.1999 ", &a, &b, four);
    EXPECT_EQ(a, 7);
    EXPECT_EQ(b, 11);
    EXPECT_STREQ(four, "1999");
    // Texts shorter than 2 are read whole, never before their start.
    Parse_Date_Token("5", &a, &b, four);
    EXPECT_EQ(a, 5);
    EXPECT_EQ(b, 0);
    EXPECT_STREQ(four, "???");
    Parse_Date_Token("", &a, &b, four);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 0);
    EXPECT_STREQ(four, "???");
    Parse_Date_Token("ohne Datum", &a, &b, four);
    EXPECT_EQ(a, 0);
    EXPECT_STREQ(four, "???");
    // A number beyond an int is none, never wrapped (4294967308 = 2^32 + 12).
    Parse_Date_Token("Stand 4294967308.03.2001", &a, &b, four);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 0);
    EXPECT_STREQ(four, "???");
}

TEST(DateTokens, CompareBySecondThenFirstThenChars) {
    EXPECT_EQ(Compare_Date_Tokens("a 01.02.2000", "b 31.01.2000"), 1);
    EXPECT_EQ(Compare_Date_Tokens("a 01.02.2000", "b 02.02.2000"), -1);
    EXPECT_EQ(Compare_Date_Tokens("a 01.02.2000", "b 01.02.2000"), 0);
    EXPECT_LT(Compare_Date_Tokens("a 01.02.1999", "b 01.02.2000"), 0);
}

// ---- Files and texts -------------------------------------------------------------

TEST(FileReplace, ZeroBytesInTheFileAreKept) {
    TempDir dir;
    const std::string name = dir.file("probe.dat");
    const std::string zero(1, '\0');
    Write_File(name, "x" + zero + "ya\n" + zero + "a" + zero);
    EXPECT_EQ(File_Replace_String(name.c_str(), "a", "bc"), 2);
    EXPECT_EQ(Read_File(name), "x" + zero + "ybc\n" + zero + "bc" + zero);
}

TEST(FileReplace, ReplacesEveryOccurrenceKeepingLineEnds) {
    TempDir dir;
    const std::string name = dir.file("probe.txt");
    const std::string longline = std::string(600, 'x') + "alt" + std::string(600, 'y') + "alt\n";
    Write_File(name, "Wert alt\r\nalt und alt\n" + longline + "ohne Ende alt");
    EXPECT_EQ(File_Replace_String(name.c_str(), "alt", "neu"), 6);
    const std::string expect_long = std::string(600, 'x') + "neu" + std::string(600, 'y') + "neu\n";
    EXPECT_EQ(Read_File(name), "Wert neu\r\nneu und neu\n" + expect_long + "ohne Ende neu");
    EXPECT_FALSE(std::filesystem::exists(dir.file("_probe.txt")));
    // The search goes on behind the inserted text: no endless growth.
    EXPECT_EQ(File_Replace_String(name.c_str(), "neu", "neuneu"), 6);
    EXPECT_EQ(Read_File(name).substr(0, 16), "Wert neuneu\r\nneu");
}

TEST(FileReplace, RefusalsLeaveTheFileAlone) {
    TempDir dir;
    const std::string name = dir.file("probe.txt");
    Write_File(name, "abc\n");
    EXPECT_EQ(File_Replace_String(name.c_str(), "", "x"), 0);
    EXPECT_EQ(File_Replace_String(name.c_str(), "zzz", "x"), 0);
    EXPECT_EQ(Read_File(name), "abc\n");
    EXPECT_EQ(File_Replace_String(dir.file("fehlt.txt").c_str(), "a", "b"), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("_fehlt.txt")));
    // A user's file named like a temporary stays as it is, and the file
    // replaced keeps its permissions.
    Write_File(dir.file("_probe.txt"), "eigene Datei\n");
    std::filesystem::permissions(name, std::filesystem::perms(0600));
    EXPECT_EQ(File_Replace_String(name.c_str(), "b", "B"), 1);
    EXPECT_EQ(Read_File(name), "aBc\n");
    EXPECT_EQ(Read_File(dir.file("_probe.txt")), "eigene Datei\n");
    EXPECT_EQ(std::filesystem::status(name).permissions(), std::filesystem::perms(0600));
    // Windows separators in the name are accepted.
    std::filesystem::create_directories(dir.path() / "sub");
    Write_File(dir.file("sub/f.txt"), "a-a\n");
    const std::string win = dir.str() + "\\sub\\f.txt";
    EXPECT_EQ(File_Replace_String(win.c_str(), "-", "+"), 1);
    EXPECT_EQ(Read_File(dir.file("sub/f.txt")), "a+a\n");
}

TEST(TrimTrailingBlanks, BlanksAndFinalNewline) {
    char a[] = "abc   ";
    EXPECT_EQ(Trim_Trailing_Blanks(a), 2);
    EXPECT_STREQ(a, "abc");
    char b[] = "abc  \n";
    EXPECT_EQ(Trim_Trailing_Blanks(b), 2);
    EXPECT_STREQ(b, "abc");
    char c[] = "   ";
    EXPECT_EQ(Trim_Trailing_Blanks(c), -1);
    EXPECT_STREQ(c, "");
    char d[] = "abc\n";
    EXPECT_EQ(Trim_Trailing_Blanks(d), 3);
    EXPECT_STREQ(d, "abc\n");
    char e[] = "";
    EXPECT_EQ(Trim_Trailing_Blanks(e), -1);
}

TEST(QuerProgram, FoundBelowExecAndCached) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "Q7-VUVE");
    Write_File(dir.file("Q7-VUVE/Q.exe"), "");
    testutil::ScopedEnv exec("EXEC", dir.str());
    EXPECT_EQ(Check_Q7_Quer_Program(), 1);
    std::filesystem::remove(dir.file("Q7-VUVE/Q.exe"));
    EXPECT_EQ(Check_Q7_Quer_Program(), 1);  // the cached answer
}

namespace {
int Tick_77(void) { return 77; }
int Tick_88(void) { return 88; }

// Runs one edit of the active sheet on a click where nothing is: the result
// is what the installed periodic callback answers, or the close request when
// none is installed.
int Edit_After_Empty_Click(void) {
    VEK_Script_Click(300, 200);
    return Edit_Prop_Sheet();
}
}  // namespace

// What the stack installs is what the window library calls while a sheet is
// edited: the top, nothing while suspended, nothing once empty.
TEST(CallSometimes, InstallsTheTopOrNothing) {
    VEK_Script_Clear();
    VEK_Input_Reset();
    Init_Prop_Sheets();
    VEKSetCloseFct(nullptr);
    Define_Prop_Sheet(100, 100, 500, 400, 1, 1, "Takt", 10, 1);
    ASSERT_EQ(Activate_Prop_Sheet(), 1);

    Clear_CallSometimes();
    EXPECT_EQ(Edit_After_Empty_Click(), VEK_CLOSE_CODE);
    Push_CallSometimes_Func(Tick_77);
    EXPECT_EQ(Edit_After_Empty_Click(), 77);
    Push_CallSometimes_Func(Tick_88);
    EXPECT_EQ(Edit_After_Empty_Click(), 88);
    Suspend_CallSometimes();
    EXPECT_EQ(Edit_After_Empty_Click(), VEK_CLOSE_CODE);
    Resume_CallSometimes();
    EXPECT_EQ(Edit_After_Empty_Click(), 88);
    Pop_CallSometimes_Func();
    EXPECT_EQ(Edit_After_Empty_Click(), 77);
    Pop_CallSometimes_Func();
    EXPECT_EQ(Edit_After_Empty_Click(), VEK_CLOSE_CODE);
    // Popping an empty stack installs nothing and keeps the count at 0: the
    // next push is the only entry.
    Pop_CallSometimes_Func();
    EXPECT_EQ(Edit_After_Empty_Click(), VEK_CLOSE_CODE);
    Push_CallSometimes_Func(Tick_88);
    Pop_CallSometimes_Func();
    EXPECT_EQ(Edit_After_Empty_Click(), VEK_CLOSE_CODE);
    Push_CallSometimes_Func(Tick_77);
    Clear_CallSometimes();
    EXPECT_EQ(Edit_After_Empty_Click(), VEK_CLOSE_CODE);

    Exit_Prop_Sheets();
    VEK_Script_Clear();
}

// The stack grows in steps of 10 and never pops below empty (a sanitizer
// build checks every slot written).
TEST(CallSometimes, StackGrowsAndPopStopsAtEmpty) {
    Define_Prop_Sheet(100, 100, 500, 400, 1, 1, "Takt", 10, 1);
    Clear_CallSometimes();
    Pop_CallSometimes_Func();
    Push_CallSometimes_Func(Tick_77);
    for (int i = 1; i < 25; ++i) Push_CallSometimes_Func(Tick_88);
    Suspend_CallSometimes();
    Resume_CallSometimes();
    EXPECT_EQ(Edit_After_Empty_Click(), 88);
    for (int i = 1; i < 25; ++i) Pop_CallSometimes_Func();
    EXPECT_EQ(Edit_After_Empty_Click(), 77);  // the first entry survived the growth
    for (int i = 0; i < 30; ++i) Pop_CallSometimes_Func();
    EXPECT_EQ(Edit_After_Empty_Click(), VEK_CLOSE_CODE);
    Push_CallSometimes_Func(Tick_88);
    EXPECT_EQ(Edit_After_Empty_Click(), 88);
    Clear_CallSometimes();
}
