// Text I/O helpers and text blocks: exact bytes written, what readers take
// from given bytes, round trips and refusals.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/cp850.h"
#include "base/textio.h"
#include "platform/desktop.h"
#include "support/testutil.h"

namespace {

// A file of the given bytes, opened for reading, closed at the end.
class Input {
public:
    explicit Input(const std::string& bytes) {
        testutil::Write_File(dir_.file("in.txt"), bytes);
        f_ = std::fopen(dir_.file("in.txt").c_str(), "rb");
    }
    ~Input() {
        if (f_) std::fclose(f_);
    }
    FILE* get() const { return f_; }
    std::string rest() const { return testutil::Stream_Rest(f_); }

private:
    testutil::TempDir dir_;
    FILE* f_ = nullptr;
};

// A file for writing; bytes() closes it and returns what was written.
class Output {
public:
    Output() : name_(dir_.file("out.txt")) { f_ = std::fopen(name_.c_str(), "wb"); }
    ~Output() {
        if (f_) std::fclose(f_);
    }
    FILE* get() const { return f_; }
    std::string bytes() {
        if (f_) std::fclose(f_);
        f_ = nullptr;
        return testutil::Read_File(name_);
    }

private:
    testutil::TempDir dir_;
    std::string name_;
    FILE* f_ = nullptr;
};

const std::string kOpen = "\xAE", kClose = "\xAF";

std::string Write_Block(const char* text) {
    Output out;
    EXPECT_EQ(Write_Text_Block(out.get(), text), 1);
    return out.bytes();
}

}  // namespace

TEST(StdioTable, HandedToTheWindowLibrary) {
    Set_VEK_Stdio_Table();
    ASSERT_NE(VEK_STDIO_FCT, nullptr);
    const VEKStdioFctTable* t = VEK_STDIO_FCT;
    EXPECT_EQ(t->count, 18);
    EXPECT_EQ(sizeof(VEKStdioFctTable), 19 * sizeof(void*));
    // The print-list writers write through the eighth word.
    EXPECT_EQ(offsetof(VEKStdioFctTable, fprintf_fct), 7 * sizeof(void*));
    EXPECT_EQ(t->fprintf_fct, &std::fprintf);
    EXPECT_EQ(t->fopen_fct, &std::fopen);
    EXPECT_EQ(t->sprintf_fct, &std::sprintf);
    Output out;
    t->fprintf_fct(out.get(), "%s %d\n", "abc", 7);
    EXPECT_EQ(out.bytes(), "abc 7\n");
}

TEST(GuillemetName, ReadsNameAfterWhiteSpace) {
    Input in("  " + kOpen + "Stahl S235" + kClose + "rest");
    char buf[GUILLEMET_NAME_SIZE];
    EXPECT_EQ(Read_Guillemet_Name(in.get(), buf), 10);
    EXPECT_STREQ(buf, "Stahl S235");
    EXPECT_EQ(in.rest(), "rest");
}

TEST(GuillemetName, NoOpeningMarkConsumesOneCharacter) {
    Input in("\r\n\tXY");
    char buf[GUILLEMET_NAME_SIZE] = "old";
    EXPECT_EQ(Read_Guillemet_Name(in.get(), buf), 0);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(in.rest(), "Y");
}

TEST(GuillemetName, LongNameIsCutAt99) {
    std::string name(120, 'n');
    name[99] = 'X';  // the 100th character
    name[100] = 'Y';
    Input in(kOpen + name + kClose);
    char buf[GUILLEMET_NAME_SIZE];
    EXPECT_EQ(Read_Guillemet_Name(in.get(), buf), 99);
    EXPECT_EQ(std::string(buf), std::string(99, 'n'));
    EXPECT_EQ(in.rest(), "Y" + std::string(19, 'n') + kClose);
}

TEST(GuillemetWriters, ExactBytesAndNullStream) {
    Output out;
    EXPECT_EQ(Write_Guillemet_String(out.get(), "Träger"_cp), 0);
    EXPECT_EQ(Write_Guillemet_String(out.get(), nullptr), 0);
    EXPECT_EQ(Write_Delimited_String(out.get(), "x y", '"', '"'), 0);
    EXPECT_EQ(Write_Delimited_String(out.get(), nullptr, '[', ']'), 0);
    EXPECT_EQ(out.bytes(), kOpen + "Tr\x84ger" + kClose + kOpen + kClose + "\"x y\"[]");
    EXPECT_EQ(Write_Guillemet_String(nullptr, "a"), 1);
    EXPECT_EQ(Write_Delimited_String(nullptr, "a", '<', '>'), 1);
}

TEST(DelimitedString, ReadsCutsAndRefuses) {
    Input in(" \n <abcdefgh> <x");
    char buf[5];
    EXPECT_EQ(Read_Delimited_String(in.get(), buf, 5, '<', '>'), 4);
    EXPECT_STREQ(buf, "abcd");  // the rest of the string read and dropped
    EXPECT_EQ(Read_Delimited_String(in.get(), buf, 5, '<', '>'), 1);  // ends at end of file
    EXPECT_STREQ(buf, "x");
    EXPECT_EQ(Read_Delimited_String(nullptr, buf, 5, '<', '>'), -1);
    EXPECT_EQ(Read_Delimited_String(in.get(), nullptr, 5, '<', '>'), -1);
    EXPECT_EQ(Read_Delimited_String(in.get(), buf, 0, '<', '>'), -1);

    Input other("  [abc]");
    EXPECT_EQ(Read_Delimited_String(other.get(), buf, 5, '<', '>'), 0);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(other.rest(), "abc]");
}

TEST(Trim, StringAndCopy) {
    char s[] = " \t ab c \r\n";
    EXPECT_EQ(Trim_String(s, 2), 7);
    EXPECT_STREQ(s, " \t ab c");
    EXPECT_EQ(Trim_String(s, 1), 4);
    EXPECT_STREQ(s, "ab c");
    EXPECT_EQ(Trim_String(nullptr, 3), 0);

    char t[6];
    EXPECT_EQ(Copy_Trimmed("  ab ", t, 6, 3 | 4), 5);
    EXPECT_STREQ(t, "ab   ");
    EXPECT_EQ(Copy_Trimmed("abcdefgh", t, 6, 0), 5);
    EXPECT_STREQ(t, "abcde");
    EXPECT_EQ(Copy_Trimmed(nullptr, t, 6, 4), 5);
    EXPECT_STREQ(t, "     ");
    EXPECT_EQ(Copy_Trimmed(" x", t, 6, 1), 1);
    EXPECT_STREQ(t, "x");
    char keep[4] = "old";
    EXPECT_EQ(Copy_Trimmed("new", keep, 0, 3), 0);
    EXPECT_STREQ(keep, "old");
    EXPECT_EQ(Copy_Trimmed("new", nullptr, 4, 3), 0);
}

TEST(KeywordLine, FindsLinePrefixAndStandsBehindIt) {
    Input in("123456789\n#VAZ_PARAM 1 2\r\nnext\n#VAZ\n");
    EXPECT_EQ(Find_Keyword_Line(in.get(), "#VAZ_PARAM", 0), 1);
    char buf[20];
    EXPECT_EQ(Read_Line(in.get(), buf, 20), 5);
    EXPECT_STREQ(buf, "next");
    // A line shorter than the keyword never matches.
    EXPECT_EQ(Find_Keyword_Line(in.get(), "#VAZ_PARAM", 0), 0);
    EXPECT_EQ(Find_Keyword_Line(in.get(), "#VAZ_PARAM", 1), 1);
    EXPECT_EQ(Find_Keyword_Line(in.get(), "#VAZ", 0), 1);
    EXPECT_EQ(in.rest(), "");
    EXPECT_EQ(Find_Keyword_Line(in.get(), "", 1), 0);
    EXPECT_EQ(Find_Keyword_Line(in.get(), nullptr, 1), 0);
    EXPECT_EQ(Find_Keyword_Line(nullptr, "#VAZ", 1), 0);
}

TEST(KeywordLine, OnlyFirstHundredCharactersCompared) {
    const std::string key(100, 'k');
    Input in("kk\n" + key + "zzz\nafter\n");
    EXPECT_EQ(Find_Keyword_Line(in.get(), (key + "different").c_str(), 0), 1);
    EXPECT_EQ(in.rest(), "after\n");
}

TEST(ReadLine, EmptyLineAndEndOfFileDiffer) {
    Input in("ab\n\nabcdef\nlast\r\nx\r");
    char buf[4];
    EXPECT_EQ(Read_Line(in.get(), buf, 4), 3);
    EXPECT_STREQ(buf, "ab");
    EXPECT_EQ(Read_Line(in.get(), buf, 4), 1);  // the empty line
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(Read_Line(in.get(), buf, 4), 4);  // six letters, three kept
    EXPECT_STREQ(buf, "abc");
    char big[10];
    EXPECT_EQ(Read_Line(in.get(), big, 10), 5);  // CRLF line end
    EXPECT_STREQ(big, "last");
    EXPECT_EQ(Read_Line(in.get(), big, 10), 2);
    EXPECT_STREQ(big, "x");
    EXPECT_EQ(Read_Line(in.get(), big, 10), READ_LINE_EOF);
    EXPECT_STREQ(big, "");
    EXPECT_EQ(Read_Line(in.get(), big, 10), READ_LINE_EOF);
    EXPECT_EQ(Read_Line(in.get(), nullptr, 10), -1);
    EXPECT_EQ(Read_Line(in.get(), big, 0), -1);
    EXPECT_EQ(Read_Line(nullptr, big, 10), READ_LINE_EOF);
}

TEST(ReadLine, LoopEndsAtEndOfFile) {
    Input in("a\n\nb");
    char buf[8];
    int lines = 0;
    while (Read_Line(in.get(), buf, 8) != READ_LINE_EOF && lines < 10) ++lines;
    EXPECT_EQ(lines, 3);
}

TEST(SkipRestOfLine, StopsBehindNewline) {
    Input in("abc\ndef");
    Skip_Rest_Of_Line(in.get());
    EXPECT_EQ(Fgetc_Skip_Blanks(in.get()), 'd');
    Skip_Rest_Of_Line(in.get());
    EXPECT_EQ(Fgetc_Skip_Blanks(in.get()), EOF);
}

TEST(ScanInt, NumbersThatDoNotFitAreRefusedNotWrapped) {
    // INT_MAX = 2^31 - 1 = 2147483647; a hexadecimal number carries the 32
    // bits as "0x%x" writes them, so 0xffffffff is -1 and 2^32 does not fit.
    struct Case {
        const char* bytes;
        int base;
        int result;
        int value;
        const char* rest;
    } cases[] = {
        {" 2147483647 x", 10, 1, 2147483647, " x"},
        {"\r\n-2147483648\n", 10, 1, -2147483647 - 1, "\n"},
        {"2147483648 5", 10, INT_TOO_LARGE, 0, " 5"},
        {"-2147483649", 10, INT_TOO_LARGE, 0, ""},
        {"99999999999|3", 10, INT_TOO_LARGE, 0, "|3"},
        {"999999999999999999999999999999999999999999999999999999999999\n", 10, INT_TOO_LARGE, 0, "\n"},
        {"+7;", 10, 1, 7, ";"},
        {"12ab", 10, 1, 12, "ab"},
        {"0x1f", 10, 1, 0, "x1f"},
        {"0x1f", 0, 1, 31, ""},
        {"010 ", 0, 1, 8, " "},
        {"0xffffffff", 0, 1, -1, ""},
        {"0x100000000", 0, INT_TOO_LARGE, 0, ""},
        {"abc", 10, 0, 0, "abc"},
        {"  \n", 10, EOF, 0, ""},
    };
    for (const Case& c : cases) {
        Input in(c.bytes);
        int value = 0;
        EXPECT_EQ(Scan_Int(in.get(), c.base, &value), c.result) << c.bytes;
        if (c.result == 1) {
            EXPECT_EQ(value, c.value) << c.bytes;
        }
        EXPECT_EQ(in.rest(), c.rest) << c.bytes;
        // The text parser takes the same numbers.
        const char* text = c.bytes + std::strspn(c.bytes, " \r\n");
        const char* end = nullptr;
        int parsed = 0;
        EXPECT_EQ(Parse_Int(text, c.base, &parsed, &end), c.result == EOF ? 0 : c.result) << c.bytes;
        if (c.result == 1) {
            EXPECT_EQ(parsed, c.value) << c.bytes;
        }
    }
}

// Decimal numbers only: what "%lf" writes (and an exponent) is a number;
// "inf", "nan", a hexadecimal form and a number cut by a damaged byte are not
// read as values. 1.7976931348623157e308 is the largest double.
TEST(ScanDouble, DecimalNumbersOnly) {
    const std::string max_text = "179769313486231570" + std::string(291, '0') + ".000000";
    struct Case {
        std::string bytes;
        int result;
        double value;
        std::string rest;
    } cases[] = {
        {" -450000.000000 60", 1, -450000.0, " 60"},
        {"\r\n0.750000\n", 1, 0.75, "\n"},
        {"+.5x", 1, 0.5, "x"},
        {"7.", 1, 7.0, ""},
        {"1e308 ", 1, 1e308, " "},
        {"2.5E-3", 1, 0.0025, ""},
        {"0X000000", 1, 0.0, "X000000"},  // the "." of 0.000000 damaged: 0, then no number
        {"0x1p3", 1, 0.0, "x1p3"},
        {max_text, 1, 1.7976931348623157e308, ""},
        {"1e309 5", NUMBER_TOO_LARGE, 0.0, " 5"},
        // Below the smallest double (4.9e-324) a non-zero text would be 0.
        {"1e-400 5", NUMBER_OUT_OF_RANGE, 0.0, " 5"},
        {"-0.0001e-330", NUMBER_OUT_OF_RANGE, 0.0, ""},
        {"0.000e-999", 1, 0.0, ""},
        {"5e-324", 1, 4.9406564584124654e-324, ""},
        {"-" + max_text.substr(0, 20) + std::string(300, '9'), NUMBER_TOO_LARGE, 0.0, ""},
        {"inf", 0, 0.0, "inf"},
        {"nan 1", 0, 0.0, "nan 1"},
        {"-x", 0, 0.0, "x"},
        {"1e+x", 0, 0.0, "x"},
        {" \t\n", EOF, 0.0, ""},
    };
    for (const Case& c : cases) {
        Input in(c.bytes);
        double value = -1.0;
        EXPECT_EQ(Scan_Double(in.get(), &value), c.result) << c.bytes;
        if (c.result == 1) {
            EXPECT_EQ(value, c.value) << c.bytes;
        } else {
            EXPECT_EQ(value, -1.0) << c.bytes;
        }
        EXPECT_EQ(in.rest(), c.rest) << c.bytes;
    }
    // The text parser takes the same numbers and stops where the reader does.
    const char* text = "0X000000";
    const char* end = nullptr;
    double parsed = -1.0;
    EXPECT_EQ(Parse_Double(text, &parsed, &end), 1);
    EXPECT_EQ(parsed, 0.0);
    EXPECT_STREQ(end, "X000000");
    EXPECT_EQ(Parse_Double("nan", &parsed, &end), 0);
    EXPECT_EQ(Parse_Double("1e400", &parsed, &end), NUMBER_TOO_LARGE);
}

// The readers of word-separated files take a number only as a whole word:
// "0x10" is not 0 followed by something else, and not 16.
TEST(ScanDouble, WholeWordsOnly) {
    struct Case {
        std::string bytes;
        int result;
        double value;
        std::string rest;
    } cases[] = {
        {" 1.25\n2", 1, 1.25, "\n2"},
        {"-3e2", 1, -300.0, ""},
        {"0x10 7", 0, 0.0, " 7"},
        {"0x0.cp0\n", 0, 0.0, "\n"},
        {"12kN 1", 0, 0.0, " 1"},
        {"1e 2", 0, 0.0, " 2"},
        {"nan 1", 0, 0.0, " 1"},
        {"1e-400 3", NUMBER_OUT_OF_RANGE, 0.0, " 3"},
        {"1e-400x 3", 0, 0.0, " 3"},
        {"\n ", EOF, 0.0, ""},
    };
    for (const Case& c : cases) {
        Input in(c.bytes);
        double value = -1.0;
        EXPECT_EQ(Scan_Double_Word(in.get(), &value), c.result) << c.bytes;
        EXPECT_EQ(value, c.result == 1 ? c.value : -1.0) << c.bytes;
        EXPECT_EQ(in.rest(), c.rest) << c.bytes;
        // The whole text of a word, with blanks around it, is read alike.
        const std::string word = c.bytes.substr(0, c.bytes.size() - c.rest.size());
        value = -1.0;
        EXPECT_EQ(Parse_Double_Word((word + " ").c_str(), &value), c.result == EOF ? 0 : c.result) << word;
    }
    const struct {
        const char* bytes;
        int result, value;
    } ints[] = {{" 42 ", 1, 42}, {"-7", 1, -7}, {"0x10", 0, 0}, {"4294967297 ", INT_TOO_LARGE, 0}, {"3.5", 0, 0}};
    for (const auto& c : ints) {
        Input in(c.bytes);
        int value = -1;
        EXPECT_EQ(Scan_Int_Word(in.get(), &value), c.result) << c.bytes;
        EXPECT_EQ(value, c.result == 1 ? c.value : -1) << c.bytes;
        value = -1;
        EXPECT_EQ(Parse_Int_Word(c.bytes, &value), c.result) << c.bytes;
    }
}

TEST(TextBlock, TwoHundredFiftyBytesInThreeChunks) {
    std::string text;
    for (int i = 0; i < 250; ++i) text.push_back(i % 50 == 49 ? '\n' : static_cast<char>('a' + i % 26));
    const std::string bytes = Write_Block(text.c_str());
    std::string chunked = text;
    for (char& c : chunked)
        if (c == '\n') c = '\x01';
    EXPECT_EQ(bytes, "TXB250\n" + kOpen + chunked.substr(0, 100) + kClose + "\n" + kOpen +
                         chunked.substr(100, 100) + kClose + "\n" + kOpen + chunked.substr(200) +
                         kClose + "\n");
    Input in(bytes);
    char* back = Read_Text_Block(in.get());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(std::string(back), text);
    std::free(back);
}

TEST(TextBlock, ExactBytesOfShortText) {
    EXPECT_EQ(Write_Block("Zeile1\n"), "TXB7\n" + kOpen + "Zeile1\x01" + kClose + "\n");
    EXPECT_EQ(Write_Block(nullptr), "TXB0\n");
    EXPECT_EQ(Write_Block(""), "TXB0\n");
}

TEST(TextBlock, RoundTripsWithCrlfAndHighBytes) {
    const std::string text = "Tragfähigkeit ≤ 1,0\r\n«Name ╬b"_cp;  // « inside is fine
    Input in("\r\n  " + Write_Block(text.c_str()));
    char* back = Read_Text_Block(in.get());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(std::string(back), text);
    std::free(back);
}

TEST(TextBlock, ReadsCrlfFile) {
    Input in("TXB5\r\n" + kOpen + "ab\x01" "c" + kClose + "\r\n" + kOpen + "d" + kClose + "\r\n");
    char* back = Read_Text_Block(in.get());
    ASSERT_NE(back, nullptr);
    EXPECT_STREQ(back, "ab\ncd");
    std::free(back);
}

TEST(TextBlock, TextsThatCannotReadBackAreRefused) {
    Output out;
    EXPECT_EQ(Write_Text_Block(out.get(), "a\x01z"), 0);
    EXPECT_EQ(Write_Text_Block(out.get(), ("a" + kClose + "z").c_str()), 0);
    EXPECT_EQ(Write_Text_Block(nullptr, "a"), 0);
    EXPECT_EQ(out.bytes(), "");
}

TEST(TextBlock, MissingEmptyCutOrAbsurdBlocksGiveNull) {
    const std::string blocks[] = {
        "TXB0\n",
        "TXC5\n",
        "  X",
        // Fewer bytes than announced: a cut block, not a shorter text.
        "TXB300\n" + kOpen + "abc" + kClose + "\n" + kOpen + kClose + "\nEND\n",
        "TXB2000000000\n" + kOpen + "abc" + kClose + "\n",
        // A length no int holds is not taken wrapped (it would be 7).
        "TXB4294967303\n" + kOpen + "abcdefg" + kClose + "\n",
        "TXB-3\n" + kOpen + "abc" + kClose + "\n",
    };
    for (const std::string& bytes : blocks) {
        Input in(bytes);
        EXPECT_EQ(Read_Text_Block(in.get()), nullptr) << bytes;
    }
    EXPECT_EQ(Read_Text_Block(nullptr), nullptr);
}

TEST(TextBlock, NeverGrowsBeyondAnnouncedLength) {
    Input in("TXB10\n" + kOpen + std::string(30, 'q') + kClose + "\n" + kOpen + "more" + kClose + "\n");
    char* back = Read_Text_Block(in.get());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(std::string(back), std::string(10, 'q'));
    std::free(back);
}

TEST(StringHelpers, DupSizeFree) {
    char* d = Dup_String_N("abcdef", 3);
    ASSERT_NE(d, nullptr);
    EXPECT_STREQ(d, "abc");
    std::free(d);
    d = Dup_String_N("ab", 5);  // shorter than n: zeroed rest
    ASSERT_NE(d, nullptr);
    EXPECT_STREQ(d, "ab");
    EXPECT_EQ(d[5], '\0');
    std::free(d);
    d = Dup_String_N(nullptr, 0);  // a newline with its terminator
    ASSERT_NE(d, nullptr);
    EXPECT_STREQ(d, "\n");
    std::free(d);
    d = Dup_String_N(nullptr, 4);
    ASSERT_NE(d, nullptr);
    EXPECT_STREQ(d, "\n");
    std::free(d);
    EXPECT_EQ(Dup_String_N("x", -1), nullptr);

    EXPECT_EQ(String_Size("abc"), 4);
    EXPECT_EQ(String_Size(""), 1);
    EXPECT_EQ(String_Size(nullptr), 0);
    Free_If_Set(nullptr);
    Free_If_Set(std::malloc(4));
}

TEST(StripMarkup, RemovesEscapePairsAndGroups) {
    std::string s = "╬bFett╬r und ╬{c255,0,0}rot╬{c0,0,0} Ende"_cp;
    char* r = Strip_Markup_To_Ansi(s.data(), 1, 0);
    EXPECT_EQ(r, s.data());
    EXPECT_STREQ(r, "Fett und rot Ende");

    std::string open = "a╬{xyz\nb╬"_cp;  // unclosed group stops at its line end; lone escape at the end
    EXPECT_STREQ(Strip_Markup_To_Ansi(open.data(), 1, 0), "a\nb");
    std::string nl = "a╬{\nb"_cp;
    EXPECT_STREQ(Strip_Markup_To_Ansi(nl.data(), 1, 0), "a\nb");
    EXPECT_EQ(Strip_Markup_To_Ansi(nullptr, 1, 1), nullptr);
}

TEST(StripMarkup, TranslatesToWindowsCodePage) {
    std::string s = "Ä ß ┼─│ı ▀\x0F\x14\x15░■ƒ\xFF"_cp;
    char* end = Strip_Markup_To_Ansi(s.data(), 0, 1);
    EXPECT_EQ(end, s.data() + s.size());
    EXPECT_EQ(*end, '\0');
    EXPECT_EQ(s, "\xC4 \xDF +-\xA6i \xB7\xA4\xB6\xA7__\x83 ");
}
