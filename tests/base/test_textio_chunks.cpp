// The «» chunk reader of text blocks and the keyword search with a number.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/textio.h"
#include "support/testutil.h"

namespace test_textio_chunks {
namespace {

const std::string kOpen = "\xAE", kClose = "\xAF";

// The bytes as a stream read from the start, closed at the end of the test.
struct Input {
    explicit Input(const std::string& bytes) : f(testutil::Stream_With(bytes)) {}
    ~Input() {
        if (f) std::fclose(f);
    }
    FILE* get() const { return f; }
    std::string rest() const { return testutil::Stream_Rest(f); }
    FILE* f;
};

}  // namespace

TEST(GuillemetString, EmptyPairAndMissingMark) {
    char buf[256] = "old";
    Input empty("  " + kOpen + kClose + "z");
    EXPECT_EQ(Read_Guillemet_String(empty.get(), buf), 0);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(empty.rest(), "z");

    Input none("\r\n\tabc");
    EXPECT_EQ(Read_Guillemet_String(none.get(), buf), -1);
    EXPECT_EQ(none.rest(), "bc");  // the character read is consumed
    EXPECT_EQ(Read_Guillemet_String(nullptr, buf), -1);
}

TEST(GuillemetString, StopsAt255Characters) {
    char buf[256];
    const std::string s255(255, 'a');
    Input exact(kOpen + s255 + kClose + "\n");
    EXPECT_EQ(Read_Guillemet_String(exact.get(), buf), 255);
    EXPECT_EQ(std::string(buf), s255);
    EXPECT_EQ(exact.rest(), kClose + "\n");  // the closing mark is not reached

    std::string s300(300, 'b');
    s300[255] = 'C';
    Input longer(kOpen + s300 + kClose);
    EXPECT_EQ(Read_Guillemet_String(longer.get(), buf), 255);
    EXPECT_EQ(std::string(buf), std::string(255, 'b'));
    EXPECT_EQ(longer.rest(), "C" + std::string(44, 'b') + kClose);

    const std::string s254(254, 'c');
    Input shorter(kOpen + s254 + kClose + kOpen + "x" + kClose);
    EXPECT_EQ(Read_Guillemet_String(shorter.get(), buf), 254);
    EXPECT_EQ(std::string(buf), s254);
    EXPECT_EQ(Read_Guillemet_String(shorter.get(), buf), 1);
    EXPECT_STREQ(buf, "x");
}

TEST(GuillemetString, UnclosedStringEndsAtEndOfFile) {
    char buf[256];
    Input in(kOpen + "ab\ncd");
    EXPECT_EQ(Read_Guillemet_String(in.get(), buf), 5);
    EXPECT_STREQ(buf, "ab\ncd");
}

TEST(GuillemetString, OverlongChunkOfATextBlock) {
    // A chunk of 300 bytes gives its first 255, all that the block announces.
    Input in("TXB255\n" + kOpen + std::string(300, 'q') + kClose + "\n");
    char* text = Read_Text_Block(in.get());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::string(text), std::string(255, 'q'));
    std::free(text);
}

// A line that is the keyword's beginning, or empty, is not the keyword.
TEST(FindKeywordInt, ALineShorterThanTheKeywordIsNotIt) {
    Input in("#NU\n\n#NUMBER 8\n#NUM 9\n");
    int v = -1;
    EXPECT_EQ(Find_Keyword_Int("#NUMBER", in.get(), &v), 1);
    EXPECT_EQ(v, 8);
    EXPECT_EQ(Find_Keyword_Int("#NUMBERS", in.get(), &v), 0);
    EXPECT_EQ(Find_Keyword_Int("#NU", in.get(), &v), 1);
    EXPECT_EQ(v, 8);  // the first line, without a number
}

TEST(FindKeywordInt, FindsNumberAfterKeyword) {
    Input in("#A 5\n#NUM 42\r\n#NUM 7\n#W abc\n#K\t-3\r\n#EMPTY\n");
    int v = -1;
    EXPECT_EQ(Find_Keyword_Int("#NUM", in.get(), &v), 1);
    EXPECT_EQ(v, 42);
    char line[20];
    ASSERT_NE(std::fgets(line, sizeof line, in.get()), nullptr);
    EXPECT_STREQ(line, "#NUM 7\n");  // the file stands behind the line found
    EXPECT_EQ(Find_Keyword_Int("#K", in.get(), &v), 1);  // rewinds first
    EXPECT_EQ(v, -3);
    v = 99;
    EXPECT_EQ(Find_Keyword_Int("#W", in.get(), &v), 1);
    EXPECT_EQ(v, 99);  // no number: left alone
    EXPECT_EQ(Find_Keyword_Int("#EMPTY", in.get(), &v), 1);
    EXPECT_EQ(v, 99);
    EXPECT_EQ(Find_Keyword_Int("#A", in.get(), nullptr), 1);
    EXPECT_EQ(Find_Keyword_Int("#X", in.get(), &v), 0);
    EXPECT_EQ(std::fgetc(in.get()), EOF);  // not found: at the end
    EXPECT_EQ(v, 99);
}

TEST(FindKeywordInt, KeywordMustStartTheLine) {
    // The tail of an overlong line is no line of its own.
    Input in(std::string(510, 'x') + "#NUM 9\n" + " #NUM 3\n");
    int v = 0;
    EXPECT_EQ(Find_Keyword_Int("#NUM", in.get(), &v), 0);
    EXPECT_EQ(v, 0);
    EXPECT_EQ(Find_Keyword_Int("#NUM", nullptr, &v), 0);
}

}  // namespace test_textio_chunks
