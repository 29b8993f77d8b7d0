// Members of the scaled fillet-weld drawing: the polygon offset, the weld
// marks and bands, the section outlines, the geometry of each family that
// the drawing draws and the section evaluation checks, the refusals of
// unusable input, the screen back end and the library's message list. Expected values are worked out in the
// comments from the drawing's rules.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "base/cp850.h"
#include "dialogs/scrollarea.h"
#include "drawings/anschluss_messages.h"
#include "drawings/kehlnaht_drawing.h"
#include "drawings/polyverg.h"
#include "platform/msgbox.h"
#include "platform/oli_layout.h"
#include "platform/sheets.h"
#include "platform/png.h"
#include "platform/screen.h"
#include "profiles/profil_reader.h"
#include "profiles/catalogue_fixture.h"
#include "support/testutil.h"

namespace {

std::vector<std::string> Message_Lines() {
    std::vector<std::string> lines;
    for (const VEKRecordedMessage& m : VEK_Recorded_Messages())
        for (const std::string& l : m.lines) lines.push_back(l);
    return lines;
}

TEST(Polyverg, CornersMoveAlongTheirBisectors) {
    const double x[4] = {0, 1, 1, 0}, y[4] = {0, 0, 1, 1};
    double xo[4], yo[4];
    // Counter-clockwise, 0.5 to the right of travel: outward.
    ASSERT_EQ(polyverg_d(4, x, y, 0.5, xo, yo), 0);
    EXPECT_EQ(std::vector<double>(xo, xo + 4), (std::vector<double>{-0.5, 1.5, 1.5, -0.5}));
    EXPECT_EQ(std::vector<double>(yo, yo + 4), (std::vector<double>{-0.5, -0.5, 1.5, 1.5}));
    // Clockwise: inward, every corner to the square's middle.
    const double cx[4] = {0, 0, 1, 1}, cy[4] = {0, 1, 1, 0};
    ASSERT_EQ(polyverg_d(4, cx, cy, 0.5, xo, yo), 0);
    for (int i = 0; i < 4; i++) {
        EXPECT_NEAR(xo[i], 0.5, 1e-15);
        EXPECT_NEAR(yo[i], 0.5, 1e-15);
    }
    // A straight corner moves perpendicular to its line by the distance.
    const double sx[4] = {0, 2, 4, 2}, sy[4] = {0, 0, 0, 3};
    ASSERT_EQ(polyverg_d(4, sx, sy, 1.0, xo, yo), 0);
    EXPECT_NEAR(xo[1], 2.0, 1e-15);
    EXPECT_NEAR(yo[1], -1.0, 1e-15);
    // Pixels: 1.5 beyond each corner rounds half away from zero to 2.
    const int px[4] = {0, 10, 10, 0}, py[4] = {0, 0, 10, 10};
    int pxo[4], pyo[4];
    ASSERT_EQ(polyverg_i(4, px, py, 1.5, pxo, pyo), 0);
    EXPECT_EQ(std::vector<int>(pxo, pxo + 4), (std::vector<int>{-2, 12, 12, -2}));
    EXPECT_EQ(std::vector<int>(pyo, pyo + 4), (std::vector<int>{-2, -2, 12, 12}));
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
}

TEST(Polyverg, DegenerateOutlinesAreReported) {
    double xo[4] = {9, 9, 9, 9}, yo[4] = {9, 9, 9, 9};
    const double x[4] = {0, 1, 1, 0}, y[4] = {0, 0, 1, 1};
    EXPECT_EQ(polyverg_d(0, x, y, 1.0, xo, yo), 1);
    EXPECT_EQ(xo[0], 9.0);  // untouched
    EXPECT_EQ(polyverg_d(2, x, y, 1.0, xo, yo), 1);
    EXPECT_EQ(xo[1], 1.0);  // copied
    // Equal first and last corner: the edge into corner 0 has no length.
    const double ex[4] = {0, 1, 1, 0}, ey[4] = {0, 0, 1, 0};
    EXPECT_EQ(polyverg_d(4, ex, ey, 1.0, xo, yo), 2);
    // A zero edge out of corner 0.
    const double fx[3] = {0, 0, 1}, fy[3] = {0, 0, 1};
    EXPECT_EQ(polyverg_d(3, fx, fy, 1.0, xo, yo), 2);
    // A spike at corner 1: corner 0 already moved, the rest copied.
    const double gx[4] = {0, 1, 0, 0}, gy[4] = {0, 0, 0, 1};
    EXPECT_EQ(polyverg_d(4, gx, gy, 1.0, xo, yo), 3);
    EXPECT_NE(xo[0], 0.0);
    EXPECT_EQ(xo[1], 1.0);
    EXPECT_EQ(Message_Lines(), (std::vector<std::string>{"Fehler polyverg_d 1", "Fehler polyverg_d 1",
                                                        "Fehler polyverg_d 2_1", "Fehler polyverg_d 2_2, NP= 3"}));
    int pxo[3];
    const int px[3] = {0, 0, 5}, py[3] = {0, 0, 5};
    EXPECT_EQ(polyverg_i(3, px, py, 1.0, pxo, pxo), 2);
    EXPECT_EQ(VEK_Recorded_Messages().size(), 4u);  // the pixel form shows none
}

class Plot_Stream : public ::testing::Test {
protected:
    void SetUp() override { f_ = std::tmpfile(); }
    void TearDown() override { std::fclose(f_); }
    std::string Take() {
        std::string s = testutil::Stream_Text(f_);
        std::fclose(f_);
        f_ = std::tmpfile();
        return s;
    }
    void Weld(int p, double l, double a) { Kehlnaht_Welds.l[p] = l, Kehlnaht_Welds.a[p] = a; }
    FILE* f_ = nullptr;
};

TEST_F(Plot_Stream, WeldBandsBesideTheirFaces) {
    // o = 0 puts the band on the positive side; o = -2, t = 1 lies from
    // y1 - 2 to y1 - 3.
    Plot_Weld_Band_Edge(f_, 10, 0, 0, 10, 5, 5, 1, 0);
    EXPECT_EQ(Take(), " 21 0\n20 44\n18 5\n 0.00 5.00\n 10.00 5.00\n 10.00 6.00\n 0.00 6.00\n 0.00 5.00\n");
    Plot_Weld_Band_Edge(f_, 10, 0, 0, 10, 5, 5, 1, -2);
    EXPECT_EQ(Take(), " 21 0\n20 44\n18 5\n 0.00 3.00\n 10.00 3.00\n 10.00 2.00\n 0.00 2.00\n 0.00 3.00\n");
    // A shallow edge from (0, 0) to (20, 10), l 10: w 9, m 4.5, X 5.5,
    // Y 2.75 + 1 (offset).
    Plot_Weld_Band_Edge(f_, 10, -1, 0, 20, 0, 10, 1, 1);
    EXPECT_EQ(Take(), " 21 0\n20 44\n18 5\n 5.50 3.75\n 14.50 8.25\n 14.50 9.25\n 5.50 4.75\n 5.50 3.75\n");
    // No direction: nothing rather than "inf".
    Plot_Weld_Band_Edge(f_, 10, -1, 3, 3, 0, 10, 1, 1);
    EXPECT_EQ(Take(), "");
    // -0.004 prints with two decimals as "-0.00".
    Plot_Weld_Band_Edge(f_, 1, 1, -0.004, 0, 0, 1, 0.001, 0);
    EXPECT_NE(Take().find("18 5\n -0.00 0.00\n -0.00 1.00\n"), std::string::npos);

    // Bands of the I: no weld, only the heads; position 2 with x1 -50,
    // x2 -10 and l 20 runs from -40 to -20, half a thickness (2) to one and
    // a half above the flange face y2 = 10.
    Plot_Weld_Bands_I(f_, -50, -10, -5, 5, 10, 50, 0, 10, 12, 88, 90, 100, 4, 4);
    EXPECT_EQ(Take(), " 21 0\n20 44\n");
    Weld(2, 20, 3);
    Weld(5, 0.001, 3);  // exactly 0.001 counts as no weld
    Plot_Weld_Bands_I(f_, -50, -10, -5, 5, 10, 50, 0, 10, 12, 88, 90, 100, 4, 4);
    EXPECT_EQ(Take(), " 21 0\n20 44\n18 5\n -40.00 12.00\n -20.00 12.00\n -20.00 16.00\n -40.00 16.00\n -40.00 12.00\n");
    // The T's web bands are centred between y3 and y6: (12 + 100) / 2 = 56.
    Weld(2, 0, 0);
    Weld(4, 40, 3);
    Plot_Weld_Bands_T(f_, -50, -10, -5, 5, 10, 50, 0, 10, 12, 88, 90, 100, 2, 2);
    EXPECT_EQ(Take(), " 21 0\n20 44\n18 5\n -6.00 36.00\n -6.00 76.00\n -8.00 76.00\n -8.00 36.00\n -6.00 36.00\n");
    // Position 1's weld decides every band of Plot_Weld_Band_Pos1.
    Plot_Weld_Band_Pos1(f_, 0, 0, 10, 0, 1, 1, 1);
    EXPECT_EQ(Take(), " 21 0\n20 44\n");
    Weld(1, 10, 3);
    Plot_Weld_Band_Pos1(f_, -5, 20, -5, 30, 1, 1, 2);
    EXPECT_EQ(Take(), " 21 0\n20 44\n18 5\n -6.00 20.00\n -6.00 30.00\n -7.00 30.00\n -7.00 20.00\n -6.00 20.00\n");
}

TEST_F(Plot_Stream, SectionOutlinesCutTheirFilletsAtFortyFiveDegrees) {
    // r 10: c = 7.07; X scaled by 2, Y = 2 (y - 1).
    Plot_Outline_T(f_, -50, -15, -5, 5, 15, 50, 1, 11, 21, 0, 0, 101, 7.07, 1, 2);
    EXPECT_EQ(Take(), " 21 1\n 4 3\n18 12\n -100.00 0.00\n -100.00 20.00\n -30.00 20.00\n -22.93 32.93\n"
                      " -10.00 40.00\n -10.00 200.00\n 10.00 200.00\n 10.00 40.00\n 22.93 32.93\n 30.00 20.00\n"
                      " 100.00 20.00\n 100.00 0.00\n");
    Plot_Outline_I(f_, -50, -15, -5, 5, 15, 50, 0, 10, 20, 80, 90, 100, 7.07, 0, 1);
    const std::string i = Take();
    EXPECT_EQ(i.substr(0, 16), " 21 1\n 4 3\n18 20");
    EXPECT_NE(i.find(" -7.93 12.93\n -5.00 20.00\n -5.00 80.00\n -7.93 87.07\n"), std::string::npos) << i;
    Plot_Section_Box(f_, -50, 0, 0, 0, 0, 50, 10, 0, 0, 0, 0, 110, 0, 10, 2);
    EXPECT_EQ(Take(), " 21 1\n20 58\n20 42\n18 4\n -100.00 0.00\n -100.00 200.00\n 100.00 200.00\n 100.00 0.00\n");
}

TEST_F(Plot_Stream, OffsetRingOfARoundSection) {
    // Mode 1 reads the radii from the arrays: outer 10 from (-10, -10),
    // inner 6 (lowest y -6), centre y 0; four corners at 1.57 .. 6.28 rad;
    // the band a quarter of the wall (1) outside, scale 1.
    double xo[4] = {-10, 0, 0, 0}, yo[4] = {-10, -6, 0, 0}, xi[4], yi[4];
    Plot_Offset_Ring(f_, 1, 1, xo, yo, xi, yi, 4, 1.0, 9.0, 1);
    const std::vector<std::string> l = [&] {
        std::vector<std::string> v;
        std::string s = Take(), line;
        for (char ch : s) {
            if (ch == '\n') v.push_back(line), line.clear();
            else line += ch;
        }
        return v;
    }();
    ASSERT_EQ(l.size(), 8u + 7 + 1 + 5);
    EXPECT_EQ(l[3], "18 4");
    // Corner 4 at 6.28 rad on the outer circle: (9.99997, -0.0319), the band
    // corner sqrt 2 further out along the bisector of a square.
    EXPECT_EQ(l[14], " 10.00 -0.03");
    EXPECT_EQ(l[15], "20 0");
    EXPECT_EQ(l[20], " 6.00 -0.02");
}

// A record as the drawing's callers fill it.
GeschweissterAnschluss Record(double h, double b, double t, double s, double r) {
    GeschweissterAnschluss a;
    Init_Geschweisster_Anschluss(&a);
    a.h = h, a.b = b, a.t = t, a.s = s, a.r = r;
    a.weld_kind = 1;
    return a;
}

class Drawing : public ::testing::Test {
protected:
    void SetUp() override {
        data_ = std::make_unique<testutil::ScopedEnv>("DATA", std::filesystem::path(WELD_PROFIL_FILE).parent_path().string());
        f_ = std::tmpfile();
        Anschluss_Plot_File = f_;
    }
    void TearDown() override {
        Anschluss_Plot_File = nullptr;
        std::fclose(f_);
    }
    std::string Draw(GeschweissterAnschluss& a, int family, const char* name = "") {
        std::rewind(f_);
        if (ftruncate(fileno(f_), 0) != 0) ADD_FAILURE();
        Draw_Kehlnahtanschluss(&a, 0, 0, 100, 100, 2, 0, 0, family, name[0] ? 1 : 0, name);
        return testutil::Stream_Text(f_);
    }
    std::unique_ptr<testutil::ScopedEnv> data_;
    FILE* f_ = nullptr;
};

TEST_F(Drawing, EveryFamilyHasItsGeometry) {
    struct Case {
        int family;
        const char* name;
        double h, b, t, s, r;
        int outline, lines;
    } cases[] = {
        {KEHLNAHT_I, "", 300, 200, 15, 10, 0, 12, 8},        {KEHLNAHT_I, "HE300A", 290, 300, 14, 8.5, 27, 20, 8},
        {KEHLNAHT_I, "I300", 300, 125, 16.2, 10.8, 10.8, 42, 8}, {KEHLNAHT_RHS, "", 150, 100, 8, 8, 0, 4, 4},
        {KEHLNAHT_RHS, "MSH100X100X5.0", 100, 100, 5, 5, 0, 16, 4}, {KEHLNAHT_CHANNEL, "", 200, 80, 11, 8, 0, 8, 6},
        {KEHLNAHT_CHANNEL, "U300", 300, 100, 16, 10, 16, 20, 6}, {KEHLNAHT_TEE, "", 150, 150, 12, 8, 0, 10, 5},
        {KEHLNAHT_TEE, "1/2IPE300", 150, 150, 10.7, 7.1, 15, 12, 5}, {KEHLNAHT_TEE, "1/2I300", 150, 125, 16.2, 10.8, 10.8, 22, 5},
        {KEHLNAHT_ANGLE, "", 100, 80, 8, 8, 0, 6, 4},         {KEHLNAHT_ANGLE, "L100X10", 100, 100, 10, 10, 12, 15, 4},
        {KEHLNAHT_CHS, "", 88.9, 0, 0, 5, 0, 49, 0},           {KEHLNAHT_FLAT, "", 100, 0, 10, 0, 0, 4, 0},
        {KEHLNAHT_ROUND, "", 40, 0, 0, 0, 0, 49, 0},           {KEHLNAHT_NONE, "", 100, 100, 10, 10, 0, 0, 0},
    };
    Kehlnaht_Geometry g;
    for (const Case& c : cases) {
        GeschweissterAnschluss a = Record(c.h, c.b, c.t, c.s, c.r);
        const std::string text = Draw(a, c.family, c.name);
        EXPECT_EQ(text.substr(0, 10), "#SETFLAGS\n") << c.family << c.name;
        EXPECT_EQ(Build_Kehlnaht_Geometry(&a, c.family, c.name[0] ? 1 : 0, c.name, &g), KEHLNAHT_BUILT);
        EXPECT_EQ(g.n, c.outline) << c.family << c.name;
        EXPECT_EQ(g.line_count, c.lines) << c.family << c.name;
    }
    // The welded I: line 4 along the left web face from (-5, 15) to (-5,
    // 285); its edge runs from outline point 2 to 3, which is (-5, 15).
    GeschweissterAnschluss a = Record(300, 200, 15, 10, 0);
    Build_Kehlnaht_Geometry(&a, KEHLNAHT_I, 0, "", &g);
    EXPECT_EQ(std::vector<double>(g.line[3], g.line[3] + 4), (std::vector<double>{-5, 15, -5, 285}));
    EXPECT_EQ(g.height_first[4] * 10 + g.height_last[4], 23);
    EXPECT_EQ(g.width_first[1] * 10 + g.width_last[1], 110);
    EXPECT_EQ(g.X[2], -5.0);
    EXPECT_EQ(g.Y[2], 15.0);
    EXPECT_EQ(g.X[12], 0.0);
    // The T by dimensions has its wall thicknesses (cm): flange, root, web.
    GeschweissterAnschluss tee = Record(150, 150, 12, 8, 0);
    Build_Kehlnaht_Geometry(&tee, KEHLNAHT_TEE, 0, "", &g);
    EXPECT_DOUBLE_EQ(g.wall[0], 1.2);
    EXPECT_DOUBLE_EQ(g.wall[2], 1.0);
    EXPECT_DOUBLE_EQ(g.wall[4], 0.8);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
}

TEST_F(Drawing, ScaleAndHeader) {
    // H / W exactly 10/17: the width rule, 17 cm for 170 mm: scale 0.1,
    // u = 20, picture 17 x 10 cm: 1710 x 170 = 290700.
    GeschweissterAnschluss a = Record(100, 170, 10, 10, 0);
    const std::string text = Draw(a, KEHLNAHT_NONE);
    EXPECT_DOUBLE_EQ(Anschluss_Scale, 0.1);
    EXPECT_NE(text.find("\n290700\n-125.000000 165.000000 122.000000 -22.000000\n"), std::string::npos) << text;
    // Taller than 10/17: height rule 10 / 200.
    GeschweissterAnschluss b = Record(200, 100, 10, 10, 0);
    Draw(b, KEHLNAHT_NONE);
    EXPECT_DOUBLE_EQ(Anschluss_Scale, 0.05);
}

TEST_F(Drawing, AllRoundWeldTakesEveryEdgeWithThroatThree) {
    // Welded I 300 x 200, t 15, s 10: edge lengths b, (b - s)/2, ..., h -
    // 2 t for the web.
    GeschweissterAnschluss a = Record(300, 200, 15, 10, 0);
    a.weld_kind = 2;
    a.l_pos[0] = 5, a.a_pos[0] = 7;  // not read
    const std::string text = Draw(a, KEHLNAHT_I);
    EXPECT_EQ(Kehlnaht_Welds.a[1], 3.0);
    EXPECT_EQ(Kehlnaht_Welds.l[1], 200.0);
    EXPECT_EQ(Kehlnaht_Welds.l[2], 95.0);
    EXPECT_EQ(Kehlnaht_Welds.l[4], 270.0);
    EXPECT_NE(text.find("49 0.000000 -5.000000 1.2 0.2 180 0 1 \xAE" "aw\xAF\n"), std::string::npos);
    EXPECT_EQ(text.find("aw1"), std::string::npos);
}

TEST_F(Drawing, UnusableInputDrawsNothingAndHasNoGeometry) {
    const struct {
        GeschweissterAnschluss a;
        int status;
    } bad[] = {{Record(-300, 200, 15, 10, 0), KEHLNAHT_UNUSABLE_DIMENSIONS},
               {Record(300, 0, 15, 10, 0), KEHLNAHT_NO_EXTENT},
               {Record(NAN, 200, 15, 10, 0), KEHLNAHT_UNUSABLE_DIMENSIONS},
               {Record(300, 200, 15, INFINITY, 0), KEHLNAHT_UNUSABLE_DIMENSIONS},
               {Record(0, 200, 15, 10, 0), KEHLNAHT_NO_EXTENT},
               {Record(5e-324, 200, 15, 10, 0), KEHLNAHT_NO_EXTENT}};
    for (auto [a, status] : bad) {
        EXPECT_EQ(Draw(a, KEHLNAHT_I), "") << a.h << " " << a.b;
        Kehlnaht_Geometry g;
        EXPECT_EQ(Build_Kehlnaht_Geometry(&a, KEHLNAHT_I, 0, "", &g), status) << a.h << " " << a.b;
        EXPECT_EQ(g.n, 0);
        EXPECT_EQ(g.line_count, 0);
        EXPECT_EQ(g.width_last[1], 0);
    }
    // A catalogue profile the profile file does not hold: its box, no text.
    GeschweissterAnschluss c = Record(300, 200, 15, 10, 0);
    EXPECT_EQ(Draw(c, KEHLNAHT_I, "HE999X"), "");
    EXPECT_EQ(Message_Lines(), (std::vector<std::string>{"Es können nur Profile aus dem"_cp, "historischen Bestand übernommen werden!"_cp}));
}

TEST_F(Drawing, TheTeeMarkSizeByFlangeAndHeight) {
    // k = 0.1 t when that is 4 or more; else 4.0 above 150 mm, 1.5 up to it:
    // the label of position 1 stands k below the flange.
    struct Case {
        double h, t, k;
    } cases[] = {{150, 40, 4.0}, {151, 39, 4.0}, {150, 39, 1.5}};
    for (const Case& c : cases) {
        GeschweissterAnschluss a = Record(c.h, 150, c.t, 8, 0);
        a.l_pos[0] = 100, a.a_pos[0] = 4;
        const std::string text = Draw(a, KEHLNAHT_TEE);
        char label[80];
        std::snprintf(label, sizeof label, "49 0.000000 %f 1.2 0.2 180 0 1 \xAE" "aw1\xAF\n", -c.k);
        EXPECT_NE(text.find(label), std::string::npos) << c.h << " " << c.t;
    }
}

TEST_F(Drawing, ScreenBackEndWhenNoStreamIsSet) {
    // A T with welds at positions 1, 4 and 5 on a screen box of 400 x 300.
    Anschluss_Plot_File = nullptr;
    GeschweissterAnschluss a = Record(150, 150, 12, 8, 0);
    for (int p : {0, 3, 4}) a.l_pos[p] = p == 0 ? 150 : 138, a.a_pos[p] = 4;
    Draw_Kehlnahtanschluss(&a, 0, 0, 500, 400, 1, 100, 100, KEHLNAHT_TEE, 0, "");
    // The box (colour 6 in mode 1, moved down 5 pixels).
    EXPECT_EQ(pxGetPixel(103, 108), Anschluss_Colours[5]);
    EXPECT_NE(pxGetPixel(103, 106), Anschluss_Colours[5]);
    // Red marks beside the web faces: p = (400 - 40 - 145) / 150 = 1.433
    // px/mm about the centre (300, 252); the left web face x = -4 mm lies at
    // trunc(294.27) = 294, its marks 2..4 px left of it, from y 12 mm
    // (161) over 138 mm.
    EXPECT_EQ(pxGetPixel(291, 200), Anschluss_Colours[7]);
    EXPECT_NE(pxGetPixel(289, 200), Anschluss_Colours[7]);
    const std::string png = testutil::Test_Dir() + "/kehlnaht_screen_tee.png";
    EXPECT_EQ(Screen_Write_PNG_Rect(png.c_str(), 100, 100, 500, 400), 1);
}

TEST(AnschlussMessages, CodesAreCollectedAndShown) {
    Add_Error_Code(1000);
    EXPECT_EQ(Anschluss_Messages.error, 0);
    Add_Error_Code(0);
    EXPECT_EQ(Anschluss_Messages.error, 1);
    Anschluss_Messages = {};
    Add_Error_Code(-3);
    EXPECT_EQ(Anschluss_Messages.error, 1);
    for (int i = 0; i < 40; i++) Add_Error_Code(1040);
    EXPECT_EQ(Anschluss_Messages.count, 30);
    // Without a message element the button shows nothing.
    Show_Error_Button(10, 10);
    EXPECT_EQ(OLI_Last_Tree_View_Image()->count, 0);

    // Codes 2, 1031, 5: rows at 25, 43 and 61 of the list sheet.
    Anschluss_Messages = {};
    for (int code : {2, 1031, 5}) Add_Error_Code(code);
    Show_Error_List();
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 0);
}

TEST(AnschlussMessages, ScreenFramesAndRings) {
    int xs[8], ys[8];
    // r 10: three red circles of radii 11, 12, 13; the last left in the arrays.
    EXPECT_EQ(Draw_Red_Circle_Frame(xs, ys, 8, 200, 200, 10), 13);
    EXPECT_EQ(xs[7], 212);  // 13 cos 6.28 = 12.99993, truncated
    EXPECT_EQ(pxGetPixel(212, 199), RED_CI);
    // The polygon frame moves the four corners outward three times.
    int px[4] = {10, 10, 20, 20}, py[4] = {10, 20, 20, 10};
    Draw_Red_Polygon_Frame(px, py, 4);
    EXPECT_EQ(std::vector<int>({px[0], py[0], px[2], py[2]}), (std::vector<int>{7, 7, 23, 23}));
    // Diameter 41: R 20; a wall of 25 keeps the inner radius at 20 (mode 1
    // fills both circles), a wall of 5 makes it 15.
    int xo[4], yo[4], xi[4], yi[4];
    Draw_Ring_Px(1, 1, xo, yo, xi, yi, 4, 100, 100, 41, 25);
    EXPECT_EQ(xi[3], 119);  // 20 cos 6.28 truncated
    Draw_Ring_Px(1, 1, xo, yo, xi, yi, 4, 100, 100, 41, 5);
    EXPECT_EQ(xi[3], 114);
    EXPECT_EQ(Draw_Arc_Stack(0, 0, 1, 50, 50, 10), 0);
    EXPECT_EQ(Draw_Arc_Stack(2, 0, 1.5, 50, 50, 10), 2);
}

}  // namespace

namespace {

// A T section of the profile file whose designation has no half-section
// mark: the outline with its flange and web sloped by 2 percent, rounded
// tips and root fillets (30 points); its bands along the sloped faces.
TEST(DrawingSlopedTee, FromAProfileFileOfItsOwn) {
    testutil::TempDir dir;
    // T100: h 10 cm; toe radius 0.55 cm (t/2, as its standard gives it,
    // which the catalogue holds a tee's toe radius to); the root fillet
    // meets the web at 2.2 cm (t_f + r_1); section values those of its
    // rounded outline, so that the catalogue takes the record.
    std::map<int, float> t100 = testutil::Rounded_Section('T', 10, 10, 1.1, 1.1, 1.1, 0.55);
    testutil::Write_File(dir.file("PROFIL"), testutil::Profil_Record("T100", 'T', t100));
    testutil::ScopedEnv data("DATA", dir.str());
    GeschweissterAnschluss a;
    Init_Geschweisster_Anschluss(&a);
    a.h = 100, a.b = 100, a.t = 11, a.s = 11, a.r = 11;
    a.weld_kind = 1;
    for (int p = 0; p < 5; p++) a.l_pos[p] = 40, a.a_pos[p] = 4;
    FILE* f = std::tmpfile();
    Anschluss_Plot_File = f;
    Draw_Kehlnahtanschluss(&a, 0, 0, 100, 100, 2, 0, 0, KEHLNAHT_TEE, 1, "T100");
    Anschluss_Plot_File = nullptr;
    const std::string text = testutil::Stream_Text(f);
    std::fclose(f);
    EXPECT_NE(text.find("\n18 30\n -50.00 0.00\n"), std::string::npos) << text;
    // F = t + 0.02 (c1 - b/4) = 11 + 0.02 (5.5 - 25) = 10.61: the tip
    // rounding ends at (-50 + 5.5, 10.61).
    EXPECT_NE(text.find(" -44.50 10.61\n"), std::string::npos);
    // Weld edges of the sloped variant: position 2 from point 4 to 6, 4 from
    // 9 to 11.
    Kehlnaht_Geometry g;
    ASSERT_EQ(Build_Kehlnaht_Geometry(&a, KEHLNAHT_TEE, 1, "T100", &g), KEHLNAHT_BUILT);
    EXPECT_EQ(g.n, 30);
    EXPECT_EQ(g.width_first[2] * 10 + g.width_last[2], 46);
    EXPECT_EQ(g.height_first[4] * 100 + g.height_last[4], 911);
    // Bands of positions 2 to 5 along the sloped faces, labels of all five.
    EXPECT_NE(text.find("\xAE" "aw5\xAF"), std::string::npos);
    EXPECT_EQ(text.find("nan"), std::string::npos);
}

}  // namespace

// The message list's screen members: three lines each moved by (dx, dy);
// the icon palette of black, grey, cream and red.
TEST(MessageListMembers, TripleLineAndIconPalette) {
    pxInitScreen(100, 100);
    const int desk = pxGetPixel(0, 0);
    pxFgc(RED_CI);
    Draw_Triple_Line(10, 10, 50, 10, 0, 2);
    for (int y : {10, 12, 14}) EXPECT_EQ(pxGetPixel(30, y), RED_CI) << y;
    for (int y : {11, 13, 16}) EXPECT_EQ(pxGetPixel(30, y), desk) << y;
    Reset_Anschluss_Messages();
    Init_Message_Icon_Palette();
    EXPECT_EQ(Anschluss_Message_Icon_Palette[0], Nearest_Color_Index(0, 0, 0));
    EXPECT_EQ(Anschluss_Message_Icon_Palette[1], Nearest_Color_Index(128, 128, 128));
    EXPECT_EQ(Anschluss_Message_Icon_Palette[2], Nearest_Color_Index(255, 251, 240));
    EXPECT_EQ(Anschluss_Message_Icon_Palette[3], Nearest_Color_Index(255, 0, 0));
}
