// The box the picture writer takes for a text (Oli_Text_Ink_Box, the box
// every label keeps clear of and the clear ground under it) against the ink
// the viewer draws: it holds the ink of every character of the print font
// at every alignment, and of texts whose pairs the font spaces wider, and
// it is no larger than the ink of a single character.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "printlist/ioliplot.h"
#include "printlist/laid_out.h"

namespace {

struct Alignment {
    int v, h, code;  // the printf writers' pair and the record's alignment code
};
// v 0 hanging, 4 centred, 2 on the baseline; h 3 from the point, 4 centred, 1 ending on it.
const Alignment kAlignments[] = {{0, 3, 0xC9}, {0, 4, 0xCA}, {0, 1, 0xCC}, {4, 3, 0xD1}, {4, 4, 0xD2},
                                 {4, 1, 0xD4}, {2, 3, 0xE1}, {2, 4, 0xE2}, {2, 1, 0xE4}};

// A picture of 17 x 10 cm, its y up the page, holding every text at the
// point (8.5, 5) at the text height, one record per text and alignment.
std::string Picture_Of(const std::vector<std::string>& texts, double height) {
    std::string list = "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 17.000000 0.000000 10.000000\n";
    char line[64];
    std::snprintf(line, sizeof line, " 13 %f\n", height);
    list += line;
    for (const std::string& t : texts)
        for (const Alignment& a : kAlignments) {
            std::snprintf(line, sizeof line, " 9 8.500000 5.000000 8.500000 5.000000 %d \xAE", a.code);
            list += line + t + "\xAF\n";
        }
    return list + " -1\n";
}

struct Compared {
    double beyond = 0.0;  // the most the viewer's ink reaches beyond the writer's box, cm
    double wider = 0.0;   // the most the writer's box reaches beyond the ink, cm
    std::string worst;
};

// Lays the picture out and compares, text by text (in the order written),
// the viewer's ink with the writer's box about the same point.
Compared Compare(const std::vector<std::string>& texts, double height) {
    const auto& [doc, boxes, ink, pages] = Lay_Out(Picture_Of(texts, height));
    Compared c;
    EXPECT_EQ(pages, 1);
    const OliInk* place = nullptr;
    for (const OliInk& k : ink)
        if (k.kind == OLI_INK_PICTURE) place = &k;
    if (!place) {
        ADD_FAILURE() << "no picture";
        return c;
    }
    // The point (8.5, 5) on the page: from the picture's upper left corner
    // (paper x 0, y 10).
    const double px = place->xy[0] + 8.5, py = place->xy[1] + 10.0 - 5.0;
    std::vector<const OliTextBox*> set;
    for (const OliTextBox& b : boxes)
        if (b.kind == OLI_TEXT_PICTURE) set.push_back(&b);
    EXPECT_EQ(set.size(), texts.size() * std::size(kAlignments));
    for (size_t i = 0; i < set.size() && i < texts.size() * std::size(kAlignments); ++i) {
        const std::string& t = texts[i / std::size(kAlignments)];
        const Alignment& a = kAlignments[i % std::size(kAlignments)];
        double box[4];  // left, bottom, right, top: paper cm from the point, y up
        Oli_Text_Ink_Box(t.c_str(), a.v, a.h, height, box);
        const OliTextBox& b = *set[i];
        const double x1 = px + box[0], x2 = px + box[2], y1 = py - box[3], y2 = py - box[1];
        const double out[4] = {x1 - b.x, b.x + b.w - x2, y1 - b.y, b.y + b.h - y2};
        const double in[4] = {b.x - x1, x2 - b.x - b.w, b.y - y1, y2 - b.y - b.h};
        for (int k = 0; k < 4; ++k) {
            if (out[k] > c.beyond) c.beyond = out[k], c.worst = t + " at " + std::to_string(a.code);
            c.wider = std::max(c.wider, in[k]);
        }
    }
    return c;
}

}  // namespace

// Every character of the print font with ink (bytes 0x21 to 0xFE but the
// text brackets 0xAE and 0xAF), alone, at two heights and the nine
// alignments: the writer's box holds the viewer's ink to the last
// ten-thousandth of a cm, and reaches at most 0.001 cm beyond it (the ink
// is rounded outwards to the font's unit, 1/2048 of the font size: 0.0002
// cm at 0.3 cm). A text set from its point or centred on it is placed by
// its advance rounded to whole points (a digit's 1303 units are 7.51 pt at
// 0.3 cm, set as 8 pt): a box that scaled the advance put the ink of a
// right-aligned "1" 0.017 cm beyond it. (Before, a text's box was 0.9
// text heights a character and its capitals high: a "y" hung 0.05 cm
// below its box at 0.1875 cm, a centred "W" stood 0.06 cm beyond it on
// either side at 0.3 cm.) 0x7F is code page 850's house "⌂" of the body
// face: it was U+007F, which no font has, drawn as a box of its code in
// whatever font the machine offered, 0.004 cm beyond its row in one and
// 0.07 cm in another.
TEST(LabelInk, BoxOfEveryCharacterIsItsInk) {
    std::vector<std::string> texts;
    for (int c = 0x21; c < 0xFF; ++c)
        if (c != 0xAE && c != 0xAF) texts.push_back(std::string(1, static_cast<char>(c)));
    for (const double height : {0.3, 0.1875}) {
        SCOPED_TRACE(height);
        const Compared c = Compare(texts, height);
        EXPECT_LT(c.beyond, 1e-4) << c.worst;
        EXPECT_LT(c.wider, 1e-3);
    }
}

// Labels as the pictures write them, and pairs the font spaces wider than
// their advances (a hyphen beside a round letter or "J", two capital A, "LA",
// "SA"): the box holds the ink, however the pairs add up.
TEST(LabelInk, BoxOfLabelsHoldsTheirInk) {
    std::vector<std::string> texts = {"Ma\xE1stab 1:5", "147.4", "-12.5", "y", "S", "M", "z", "Naht 12b", "10",
                                      "-J", "-Q", "O-", "\x99-\x99", "AAA", "LA", "SA", "\x8E" "A", "-J-J-",
                                      "\xCC\\s", "l\xCE\\w", "Gew\x84hlter Ma\xE1stab"};
    // Texts of two to six characters from a fixed sequence.
    unsigned seed = 12345;
    for (int k = 0; k < 200; ++k) {
        std::string t;
        for (int n = 2 + k % 5; n > 0; --n) {
            seed = seed * 1103515245u + 12345u;
            int c = 0x21 + static_cast<int>((seed >> 16) % (0xFF - 0x21));
            if (c == 0xAE || c == 0xAF) c = '-';
            t += static_cast<char>(c);
        }
        texts.push_back(t);
    }
    const Compared c = Compare(texts, 0.3);
    EXPECT_LT(c.beyond, 1e-4) << c.worst;
}
