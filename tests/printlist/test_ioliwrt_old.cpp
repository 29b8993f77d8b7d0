// Older block forms of the text writers, byte for byte, with the moves the
// layout library writes after them.
#include <gtest/gtest.h>

#include <string>

#include "printlist/ioliwrt_old.h"
#include "printlist/picture_capture.h"

namespace {

TEST(OlderTextForms, LineParagraphAndBigBlocks) {
    FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    Oli_Text_Line_Old(f, "F = 12.5 kN");
    EXPECT_EQ(Take_Stream(f), "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n F = 12.5 kN\n#END_OF_TEXT\n"
                              "#SETYPOS\n256 -0.601133\n");
    // An underlined text gets an empty line and a move of one line more.
    Oli_Text_Line_Old(f, "\xCE_Summe\xCEr\n");
    EXPECT_EQ(Take_Stream(f), "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n \xCE_Summe\xCEr\n \n#END_OF_TEXT\n"
                              "#SETYPOS\n256 -0.38\n#SETYPOS\n256 -0.601133\n");
    Oli_Text_Paragraph_Old(f, "100 %s");  // never read as a format
    EXPECT_EQ(Take_Stream(f), "#SHOWTABLE\n 0 0 1\n 100 %s\n 0 0 0 0\n#SETYPOS\n256 -0.85\n");
    Oli_Text_Big_Old(f, "");
    EXPECT_EQ(Take_Stream(f), "#SHOWTABLE\n 1 0 0\n \n 0 0 0 0\n#SETYPOS\n256 -0.9\n");
    Oli_Text_Line_Old(nullptr, "x");
    Oli_Text_Big_Old(nullptr, "x");
    std::fclose(f);
}

}  // namespace
