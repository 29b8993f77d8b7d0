// The ink of a picture text as the print-list viewer sets it: the label
// writers keep their texts apart by these boxes, so a box smaller than the
// glyphs drawn lets two labels touch on the page (a "y" hanging into the
// "S" below it), and one much larger pushes labels needlessly far out.
//
// The viewer sets picture texts in DejaVu Sans (its own font
// configuration: the same face on every machine) at a font size of the
// text height over OLI_CAPITALS_OF_FONT_SIZE (the text height is that of
// the capitals), with unhinted metrics, and puts each glyph at a whole point:
// every advance (with what a pair adds) is rounded to whole points, the
// rest scales with the height. The table holds each print-font byte's
// advance and ink in the font's units (2048 to the font size), as the
// viewer's layout measures them (ink rounded outwards). A picture the
// viewer shrinks to its page sets its texts smaller than written, so its
// boxes are only close.
#include <algorithm>
#include <cmath>

#include "platform/oli_graphic_records.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliplot_internal.h"

namespace {

struct Glyph {
    short advance;      // to the next glyph's origin
    short left, right;  // ink from the origin (left may lie before it)
    short top, bottom;  // ink above and below the baseline (negative: the other side)
};

// Bytes 0x20 to 0xFF of the print font (code page 850 and the print font's
// own letters, docs/printlist-viewer.md; 0x7F is code page 850's house,
// U+2302). A blank has no ink. tools/glyph_table.cpp measures the viewer's
// font and prints these rows: run it when the viewer's fonts change.
constexpr Glyph kGlyphs[224] = {
    {651, 0, 0, 0, 0}, {821, 309, 512, 1493, 0}, {942, 197, 745, 1493, -938}, {1716, 158, 1559, 1470, 0},  // 20
    {1303, 170, 1133, 1556, 301}, {1946, 113, 1833, 1520, 29}, {1597, 129, 1534, 1520, 29}, {563, 197, 367, 1493, -938},  // 24
    {799, 176, 635, 1554, 270}, {799, 164, 623, 1554, 270}, {1024, 61, 963, 1520, -586}, {1716, 217, 1499, 1284, 0},  // 28
    {651, 158, 451, 254, 238}, {739, 100, 639, 643, -479}, {651, 219, 430, 254, 0}, {690, 0, 690, 1493, 190},  // 2C
    {1303, 135, 1167, 1520, 29}, {1303, 225, 1114, 1493, 0}, {1303, 150, 1098, 1520, 0}, {1303, 156, 1139, 1520, 29},  // 30
    {1303, 100, 1188, 1493, 0}, {1303, 158, 1124, 1493, 29}, {1303, 143, 1174, 1520, 29}, {1303, 168, 1128, 1493, 0},  // 34
    {1303, 139, 1163, 1520, 29}, {1303, 129, 1159, 1520, 29}, {690, 240, 451, 1059, 0}, {690, 158, 451, 1059, 238},  // 38
    {1716, 217, 1499, 1190, -94}, {1716, 217, 1499, 930, -352}, {1716, 217, 1499, 1190, -94}, {1087, 147, 944, 1520, 0},  // 3C
    {2048, 135, 1905, 1442, 356}, {1401, 16, 1384, 1493, 0}, {1405, 201, 1260, 1493, 0}, {1430, 115, 1319, 1520, 29},  // 40
    {1577, 201, 1456, 1493, 0}, {1294, 201, 1163, 1493, 0}, {1178, 201, 1059, 1493, 0}, {1587, 115, 1419, 1520, 29},  // 44
    {1540, 201, 1339, 1493, 0}, {604, 201, 403, 1493, 0}, {604, -106, 403, 1493, 410}, {1343, 201, 1386, 1493, 0},  // 48
    {1141, 201, 1130, 1493, 0}, {1767, 201, 1567, 1493, 0}, {1532, 201, 1331, 1493, 0}, {1612, 115, 1497, 1520, 29},  // 4C
    {1235, 201, 1165, 1493, 0}, {1612, 115, 1497, 1520, 264}, {1423, 201, 1364, 1493, 0}, {1300, 135, 1186, 1520, 29},  // 50
    {1251, -6, 1257, 1493, 0}, {1499, 178, 1321, 1493, 29}, {1401, 16, 1384, 1493, 0}, {2025, 68, 1958, 1493, 0},  // 54
    {1403, 61, 1339, 1493, 0}, {1251, -4, 1255, 1493, 0}, {1403, 92, 1311, 1493, 0}, {799, 176, 600, 1556, 270},  // 58
    {690, 0, 690, 1493, 190}, {799, 199, 623, 1556, 270}, {1716, 217, 1499, 1493, -936}, {1024, -20, 1044, -340, 483},  // 5C
    {1024, 170, 649, 1638, -1264}, {1255, 123, 1069, 1147, 29}, {1300, 186, 1188, 1556, 29}, {1126, 113, 999, 1147, 29},  // 60
    {1300, 113, 1114, 1556, 29}, {1260, 113, 1151, 1147, 29}, {721, 47, 760, 1556, 0}, {1300, 113, 1114, 1147, 426},  // 64
    {1298, 186, 1124, 1556, 0}, {569, 193, 377, 1556, 0}, {569, -37, 377, 1556, 426}, {1186, 186, 1180, 1556, 0},  // 68
    {569, 193, 377, 1556, 0}, {1995, 186, 1821, 1147, 0}, {1298, 186, 1124, 1147, 0}, {1253, 113, 1141, 1147, 29},  // 6C
    {1300, 186, 1188, 1147, 426}, {1300, 113, 1114, 1147, 426}, {842, 186, 842, 1147, 0}, {1067, 111, 967, 1147, 29},  // 70
    {803, 55, 754, 1438, 0}, {1298, 174, 1112, 1147, 29}, {1212, 61, 1151, 1120, 0}, {1675, 86, 1589, 1120, 0},  // 74
    {1212, 59, 1145, 1120, 0}, {1212, 61, 1151, 1120, 426}, {1075, 88, 987, 1120, 0}, {1303, 256, 1047, 1556, 334},  // 78
    {690, 260, 430, 1565, 483}, {1303, 256, 1047, 1556, 334}, {1716, 217, 1499, 817, -467}, {1300, 146, 1154, 1220, 0},  // 7C
    {1430, 115, 1319, 1520, 395}, {1298, 174, 1112, 1552, 29}, {1260, 113, 1151, 1638, 29}, {1255, 123, 1069, 1638, 29},  // 80
    {1255, 123, 1069, 1552, 29}, {1255, 123, 1069, 1638, 29}, {1255, 123, 1069, 1798, 29}, {1126, 113, 999, 1147, 395},  // 84
    {1716, 117, 1616, 1080, -204}, {2748, 113, 2636, 1520, 29}, {1260, 113, 1151, 1638, 29}, {569, -12, 582, 1552, 0},  // 88
    {1233, 74, 1161, 1052, 36}, {569, -57, 422, 1638, 0}, {1401, 16, 1384, 1870, 0}, {1401, 16, 1384, 1901, 0},  // 8C
    {1294, 201, 1163, 1899, 0}, {2011, 123, 1903, 1147, 29}, {1995, 8, 1864, 1493, 0}, {1253, 113, 1141, 1638, 29},  // 90
    {1253, 113, 1141, 1552, 29}, {1253, 113, 1141, 1638, 29}, {1298, 174, 1112, 1638, 29}, {1298, 174, 1112, 1638, 29},  // 94
    {1212, 61, 1151, 1552, 426}, {1612, 115, 1497, 1870, 29}, {1499, 178, 1321, 1870, 29}, {1253, 72, 1180, 1212, 94},  // 98
    {1303, 129, 1122, 1520, 0}, {1612, 102, 1509, 1559, 70}, {1716, 281, 1436, 1221, -63}, {721, -129, 760, 1556, 426},  // 9C
    {1255, 123, 1069, 1638, 29}, {569, 144, 623, 1638, 0}, {1253, 113, 1141, 1638, 29}, {1401, 16, 1384, 1493, 0},  // A0
    {1298, 186, 1124, 1591, 0}, {1532, 201, 1331, 1886, 0}, {965, 115, 827, 1520, -469}, {965, 96, 868, 1520, -469},  // A4
    {1087, 143, 940, 1120, 402}, {2048, 283, 1765, 1485, 0}, {1716, 217, 1499, 862, -287}, {1985, 137, 1855, 1520, 29},  // A8
    {1985, 137, 1919, 1520, 29}, {821, 309, 512, 1120, 373}, {1253, 158, 1061, 1059, -141}, {1253, 193, 1096, 1059, -141},  // AC
    {1253, 113, 1141, 1572, 23}, {1575, 0, 1575, 1900, 492}, {1294, 201, 1163, 1493, 0}, {1233, 536, 696, 1921, 512},  // B0
    {1233, -20, 696, 1921, 512}, {1401, 16, 1384, 1899, 0}, {1401, 16, 1384, 1901, 0}, {1401, 16, 1384, 1899, 0},  // B4
    {1351, 112, 1233, 1120, 426}, {1233, -20, 856, 1921, 512}, {1350, 113, 1252, 1145, 25}, {1307, 192, 1160, 1569, 426},  // B8
    {1183, 59, 1124, 1121, 427}, {1303, 172, 1059, 1432, 313}, {1107, 133, 968, 1148, 29}, {1233, -20, 696, 790, 512},  // BC
    {1212, 32, 1151, 1120, 426}, {1298, 186, 1124, 1147, 426}, {1233, -20, 1253, 790, 512}, {1233, 536, 1253, 1921, 512},  // C0
    {1233, -20, 1253, 790, -618}, {1212, 61, 1151, 1556, 0}, {1303, 174, 1253, 1120, 426}, {1144, 74, 1048, 1120, 0},  // C4
    {1233, 376, 1253, 1921, -446}, {1233, 74, 1176, 1120, 39}, {1351, 112, 1233, 1128, 426}, {1300, 186, 1188, 1147, 426},  // C8
    {1298, 113, 1238, 1120, 29}, {1233, -20, 1253, 962, -446}, {1233, -20, 1253, 1921, 512}, {1303, 94, 1212, 1202, -82},  // CC
    {1715, 135, 1575, 1120, 29}, {1587, 10, 1466, 1493, 0}, {1351, 112, 1233, 1120, 426}, {1114, 107, 1016, 1556, 430},  // D0
    {1294, 201, 1163, 1899, 0}, {569, 193, 377, 1147, 0}, {1233, 100, 1133, 1120, 0}, {604, -2, 608, 1901, 0},  // D4
    {604, 6, 600, 1870, 0}, {1233, -20, 696, 1921, -618}, {1836, 175, 1609, 1493, 0}, {1575, -20, 1595, 1921, 512},  // D8
    {1575, -20, 1595, 704, 512}, {690, 260, 430, 1432, 350}, {604, 59, 442, 1899, 0}, {1575, -20, 1595, 1920, -704},  // DC
    {1350, 113, 1252, 1145, 25}, {1290, 186, 1196, 1556, 29}, {1612, 115, 1497, 1901, 29}, {1612, 115, 1497, 1899, 29},  // E0
    {1253, 113, 1141, 1591, 29}, {1612, 115, 1497, 1886, 29}, {1303, 174, 1253, 1120, 426}, {1300, 186, 1188, 1556, 426},  // E4
    {1239, 201, 1165, 1493, 0}, {1499, 178, 1321, 1899, 29}, {1499, 178, 1321, 1901, 29}, {1499, 178, 1321, 1899, 29},  // E8
    {1706, 220, 1486, 997, -229}, {1251, -4, 1255, 1899, 0}, {1024, 213, 811, 1526, -1378}, {1024, 371, 850, 1638, -1262},  // EC
    {739, 100, 639, 643, -479}, {1716, 217, 1499, 1284, 0}, {1716, 217, 1499, 1192, 0}, {1716, 217, 1499, 1192, 0},  // F0
    {1303, 158, 1081, 1493, 197}, {1024, 92, 930, 1520, 195}, {1716, 217, 1499, 1135, -150}, {1716, 217, 1499, 1012, -272},  // F4
    {1024, 195, 829, 1520, -885}, {1024, 215, 809, 1552, -1350}, {821, 98, 717, 1520, -653}, {821, 137, 709, 1503, -668},  // F8
    {821, 98, 717, 1520, -653}, {821, 94, 692, 1520, -668}, {1935, 186, 1749, 1316, 252}, {651, 0, 0, 0, 0},  // FC
};

// Pairs that the font spaces wider than their advances (a hyphen before
// or after a round letter, two capital A): each glyph's share of the most
// such a pair adds, so that the two shares of any pair cover it.
int Kern_Share(unsigned char c) {
    switch (c) {
    case 0x2D: case 0xF0: return 114;                                 // "-" (and the soft hyphen)
    case 0x41: case 0x8E: case 0xB5: case 0xB6: case 0xB7: return 29;  // A, Ä, Á, Â, À
    case 0x4C: return 18;                                             // L
    case 0x53: return 9;                                              // S
    default: return 0;
    }
}

// The layout's line: its height and baseline from its top (the font's
// ascent and descent), in the same units.
constexpr double kLineHeight = 2384.0, kBaseline = 1901.0;
constexpr double kPointsPerCm = 72.0 / 2.54;

}  // namespace

bool ioliplot::Text_Ink(const char* text, int code, double height, double* x1, double* y1, double* x2, double* y2) {
    if (!(height > 0.0) || !(height < 1e3)) return false;
    const double size = height / OLI_CAPITALS_OF_FONT_SIZE * kPointsPerCm / 2048.0;  // points per unit of the table
    // The glyphs with ink from the pen (points): the pen moves by each
    // advance rounded to whole points, the advance taking what the pair
    // with the next glyph may add.
    const unsigned char* t = reinterpret_cast<const unsigned char*>(text ? text : "");
    double pen = 0.0, left = 1e300, right = -1e300, top = -1e300, bottom = -1e300;
    for (size_t i = 0; t[i]; ++i) {
        if (t[i] < 0x20) continue;  // the viewer drops control bytes
        const Glyph& g = kGlyphs[t[i] - 0x20];
        size_t next = i + 1;
        while (t[next] && t[next] < 0x20) ++next;
        const int pair = t[next] ? Kern_Share(t[i]) + Kern_Share(t[next]) : 0;
        if (g.right > g.left) {
            left = std::min(left, pen + g.left * size), right = std::max(right, pen + g.right * size);
            top = std::max(top, static_cast<double>(g.top)), bottom = std::max(bottom, static_cast<double>(g.bottom));
        }
        pen += std::floor((g.advance + pair) * size + 0.5);
    }
    if (!(right > left)) return false;
    // Placed as the viewer places the layout: its width centred or ended on
    // the point, its line centred, set on its baseline or hanging from its
    // top.
    const double dx = (code & 0x02) ? -pen / 2.0 : (code & 0x04) ? -pen : 0.0;
    const double base = (code & 0x10) ? kBaseline - kLineHeight / 2.0 : (code & 0x20) ? 0.0 : kBaseline;
    *x1 = (dx + left) / kPointsPerCm, *x2 = (dx + right) / kPointsPerCm;
    *y1 = (base - top) * size / kPointsPerCm, *y2 = (base + bottom) * size / kPointsPerCm;
    return true;
}
