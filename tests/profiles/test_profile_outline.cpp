// Outline models, the display helpers, the contour store and the profile
// drawings. The plate outlines come from a small stand-in engine here: each
// straight part is the rectangle around its mid-line, given by the blocks 0,
// 1, 4, 5, 6 and 9 of the ten around a plate, starting at the start node,
// the start corner on the right, the end corner on the right, the end node,
// the end corner on the left and the start corner on the left, so that every
// expected coordinate can be worked out by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/lineal.h"
#include "platform/screen.h"
#include "profiles/profile_contours.h"
#include "profiles/profile_display.h"
#include "profiles/profile_drawing.h"
#include "profiles/profile_switches.h"
#include "profiles/profilmodell.h"
#include "support/testutil.h"

namespace test_profile_outline {
namespace {

constexpr double kPi = 3.14159265358979323846;

// ---- stand-in engine ----

struct FakeLine {
    int a, b;
    double t;
};
std::map<int, std::pair<double, double>> g_nodes;
std::map<int, FakeLine> g_lines;

void Fake_Clear() { g_nodes.clear(), g_lines.clear(); }
void Fake_Node(int n, double y, double z) { g_nodes[n] = {y, z}; }
void Fake_Line(int n, int, int a, int b, const double* v) { g_lines[n] = {a, b, v[0]}; }
int Fake_Calc() {
    for (auto& [n, l] : g_lines)
        if (!g_nodes.count(l.a) || !g_nodes.count(l.b)) return 6;
    return g_lines.empty() ? 1 : 0;
}
const int kBlocks[] = {0, 1, 4, 5, 6, 9};
int Fake_Segments(int line, int32_t flags[10], int32_t counts[10]) {
    if (!g_lines.count(line)) return 0;
    for (int j : kBlocks) flags[j] = PROFILMODELL_SEG_PRESENT, counts[j] = 0;
    return 1;
}
void Fake_Point(int line, int block, double, double* y, double* z) {
    const FakeLine& l = g_lines[line];
    auto [ay, az] = g_nodes[l.a];
    auto [by, bz] = g_nodes[l.b];
    double len = std::hypot(by - ay, bz - az), dy = (by - ay) / len, dz = (bz - az) / len;
    double ry = dz * l.t / 2, rz = -dy * l.t / 2;  // the right-hand side of start → end
    switch (block) {
    case 0: *y = ay, *z = az; break;
    case 1: *y = ay + ry, *z = az + rz; break;
    case 4: *y = by + ry, *z = bz + rz; break;
    case 5: *y = by, *z = bz; break;
    case 6: *y = by - ry, *z = bz - rz; break;
    default: *y = ay - ry, *z = az - rz; break;
    }
}
int Fake_Reference(double* y, double* z) { return *y = 0, *z = 0, 1; }

class ProfileOutline : public ::testing::Test {
protected:
    void SetUp() override {
        Profilmodell_Engine e = {Fake_Clear, Fake_Node, Fake_Line, Fake_Calc, Fake_Segments, Fake_Point, Fake_Reference};
        Set_Profilmodell_Engine(&e);
    }
    void TearDown() override {
        Set_Profilmodell_Engine(nullptr);
        Clear_Contour_Store();
    }
};

ProfilDataEintrag Record(char letter, int code, std::map<int, float> values) {
    ProfilDataEintrag r{};
    r.type_letter = letter;
    r.code = code;
    for (auto& [i, v] : values) r.values[i] = v;
    return r;
}

std::string Written(const std::function<void(FILE*)>& write) {
    FILE* f = std::tmpfile();
    write(f);
    std::string s = testutil::Stream_Text(f);
    std::fclose(f);
    return s;
}

// ---- models ----

TEST_F(ProfileOutline, SlopedDoubleTAndRoundTubeRecords) {
    // Sloped flanges, 14 %: the mid-line turns by half the slope angle, and the
    // thickness at the tip and at the web lie symmetric about tf/cos α.
    auto d = Record('D', 1, {{0, 30}, {1, 15}, {2, 0.71f}, {3, 1.07f}, {26, 1.5f}, {27, 0.6f}, {37, 14}});
    Profilmodell* m = Build_Profile_Model(&d);
    ASSERT_NE(m, nullptr);
    ASSERT_EQ(m->node_count, 6);
    ASSERT_EQ(m->part_count, 5);
    double alpha = 0.5 * std::atan(0.14);
    const int kinds[] = {1, 3, 1, 1, 3, 1};
    for (int i = 0; i < 6; i++) EXPECT_EQ(m->nodes[i]->kind, kinds[i]) << i;
    for (int i : {0, 1, 3, 4}) {
        const Profilmodell_Teil* p = m->parts[i];
        EXPECT_NEAR(std::fabs(p->angle_start), 3.98, 0.005) << i;
        EXPECT_NEAR((p->t_start + p->t_end) / 2, 1.07 / std::cos(alpha), 1e-6) << i;
        EXPECT_LT(p->t_start, p->t_end);
    }
    EXPECT_GT(m->parts[0]->angle_start, 0);
    EXPECT_LT(m->parts[1]->angle_start, 0);
    EXPECT_NEAR(m->nodes[0]->z + m->nodes[1]->z, 1.07, 1e-6);       // k = 0.5: tip and root about tf/2
    EXPECT_NEAR(m->nodes[3]->z + m->nodes[4]->z, 60 - 1.07, 1e-5);  // the lower flange mirrored
    EXPECT_DOUBLE_EQ(m->nodes[1]->y, 7.5);
    const Profilmodell_Teil* web = m->parts[2];
    EXPECT_EQ(web->start, 1);
    EXPECT_EQ(web->end, 4);
    EXPECT_FLOAT_EQ(web->f1 + web->f2 + web->f3 + web->f4, 4 * 1.5f);
    EXPECT_FLOAT_EQ(m->parts[0]->f3, 0.6f);  // (0, 0, r2, r1)
    Free_Profilmodell(m);

    auto flat = Record('D', 1, {{0, 30}, {1, 15}, {2, 0.71f}, {3, 1.07f}});
    m = Build_Profile_Model(&flat);
    EXPECT_NEAR(m->nodes[0]->z, 0.535, 1e-6);
    EXPECT_NEAR(m->parts[0]->t_start, 1.07, 1e-6);
    EXPECT_EQ(m->parts[0]->angle_start, 0);
    Free_Profilmodell(m);

    auto k = Record('K', 24, {{0, 8.89f}, {2, 0.5f}});
    m = Build_Profile_Model(&k);
    ASSERT_NE(m, nullptr);
    EXPECT_NEAR(m->nodes[0]->y, 8.64, 1e-6);
    EXPECT_NEAR(m->nodes[0]->z, 4.445, 1e-6);
    EXPECT_NEAR(m->nodes[1]->y, 0.25, 1e-6);
    for (int i = 0; i < 2; i++) EXPECT_NEAR(m->parts[i]->arc, -4.195, 1e-6);
    EXPECT_EQ(m->parts[1]->start, 1);
    EXPECT_EQ(m->nodes[0]->kind + m->nodes[1]->kind, 4);
    Free_Profilmodell(m);

    auto angle = Record('L', 33, {{0, 10}, {1, 10}, {2, 1}, {28, 0.5f}});
    m = Build_Profile_Model(&angle);
    EXPECT_EQ(m->parts[0]->f3 + m->parts[0]->f4 + m->parts[1]->f3 + m->parts[1]->f4, 0);
    Free_Profilmodell(m);

    auto o = Record('O', 0, {{0, 2}});
    EXPECT_EQ(Build_Profile_Model(&o), nullptr);
    EXPECT_EQ(Build_Profile_Model(nullptr), nullptr);
}

TEST_F(ProfileOutline, SettersRefuseOutOfRangeAndShearAreasByCode) {
    Profilmodell* m = New_Profilmodell(2, 1);
    EXPECT_EQ(Set_Profilmodell_Knoten(m, 2, 1, 1), 0);
    EXPECT_EQ(Set_Profilmodell_Teil(m, 0, 0, 2, 0, 1, 1, 0, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(m->nodes[0]->kind, 0);
    EXPECT_EQ(Set_Profilmodell_Teil(m, 1, 0, 1, 0, 1, 1, 0, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(Set_Profilmodell_Teil(m, 0, 0, 1, 0, 1, 1, 0, 0, 0, 0, 0, 0), 1);
    EXPECT_EQ(m->nodes[1]->kind, 1);
    Free_Profilmodell(m);
    Free_Profilmodell(nullptr);

    // h 30, b 15, tw 0.71, tf 1.07, A 53.8, r 1.5.
    struct {
        int code;
        double w, vy, vz;
    } rows[] = {
        {1, 27.86 * 0.71, 2 * 15 * 1.07, 53.8 - 32.1 + (0.71 + 3.0) * 1.07},
        {16, 27.86 * 0.71, 32.1, 53.8 - 32.1 + (0.71 + 1.5) * 1.07},
        {20, 28.93 * 0.71, 16.05, 53.8 - 16.05 + (0.71 + 3.0) * 1.07 / 2},
        {24, 0, 53.8 * 2 / kPi, 53.8 * 2 / kPi},
        {26, 0, 53.8 * 15 / 45, 53.8 * 30 / 45},
        {60, 0, 16.05, 32.1},
        {57, 0, 0, 0},
    };
    for (auto& r : rows) {
        auto rec = Record('D', r.code, {{0, 30}, {1, 15}, {2, 0.71f}, {3, 1.07f}, {4, 53.8f}, {26, 1.5f}});
        double w = -1, vy = -1, vz = -1;
        EXPECT_EQ(Calc_Profil_Shear_Areas(&rec, &w, &vy, &vz), 1) << r.code;
        EXPECT_NEAR(w, r.w, 1e-4) << r.code;
        EXPECT_NEAR(vy, r.vy, 1e-4) << r.code;
        EXPECT_NEAR(vz, r.vz, 1e-4) << r.code;
    }
    auto rec = Record('D', 61, {{4, 1}});
    double w = -1;
    EXPECT_EQ(Calc_Profil_Shear_Areas(&rec, &w, nullptr, nullptr), 0);
    EXPECT_EQ(w, 0);
}

// ---- display helpers ----

TEST(ProfileDisplay, FourArcEllipseOfACircleAndOfAnEllipseAndItsIterationLimit) {
    double y, x, by, ax;
    Calc_Four_Arc_Ellipse(&y, &x, &by, 5, 5, &ax);
    EXPECT_DOUBLE_EQ(y, 3.5);
    EXPECT_NEAR(x, std::sqrt(25 - 12.25), 1e-12);
    EXPECT_DOUBLE_EQ(by, 1.5);
    // Both arc radii equal the circle's: R = (offset² + other²)/(2·offset).
    EXPECT_NEAR((ax * ax + y * y) / (2 * ax), 5, 1e-9);
    EXPECT_NEAR((by * by + x * x) / (2 * by), 5, 1e-9);

    // a = 2, b = 1: the junction lies on the ellipse, and the two centres
    // (a − R1, 0) and (0, b − R2) lie on one line with it.
    Calc_Four_Arc_Ellipse(&y, &x, &by, 2, 1, &ax);
    EXPECT_NEAR(x * x / 4 + y * y, 1, 1e-9);
    double R1 = (ax * ax + y * y) / (2 * ax), R2 = (by * by + x * x) / (2 * by);
    double c1 = 2 - R1, c2 = 1 - R2;
    EXPECT_NEAR((x - c1) * c2 + y * c1, 0, 1e-6);
    EXPECT_GT(R2, R1);

    // Inputs that give no number end at once instead of running for ever.
    Calc_Four_Arc_Ellipse(&y, &x, &by, NAN, 1, &ax);
    Calc_Four_Arc_Ellipse(&y, &x, &by, 1e-300, 1e300, &ax);
    SUCCEED();
}

TEST(ProfileDisplay, PointInPolygonRulerTransformAndApostrophes) {
    Contour_Punkt p[4] = {{0, 0, 0, nullptr, nullptr}, {1, 0, 0, nullptr, nullptr}, {1, 1, 0, nullptr, nullptr},
                          {0, 1, 0, nullptr, nullptr}};
    for (int i = 0; i < 3; i++) p[i].next = &p[i + 1];
    EXPECT_EQ(Point_In_Polygon(p, 0.5, 0.5), 1);
    EXPECT_EQ(Point_In_Polygon(p, 1.0004, 0.9996), 0);
    EXPECT_EQ(Point_In_Polygon(p, 1.5, 0.5), 0);
    EXPECT_EQ(Point_In_Polygon(nullptr, 0.5, 0.5), 0);

    Set_Ruler_Transform(20, -1, 3, 100, 50);
    EXPECT_EQ(World_To_Ruler_X(0.5), 130);
    EXPECT_EQ(World_To_Ruler_Y(1.0), 90);
    EXPECT_DOUBLE_EQ(Ruler_To_World_X(130), 0.5);
    EXPECT_DOUBLE_EQ(Ruler_To_World_Y(90), 1.0);

    EXPECT_STREQ(Replace_Apostrophes("l'I'"), "l\xB4I\xB4");
    EXPECT_EQ(std::strlen(Replace_Apostrophes(std::string(600, 'a').c_str())), 511u);
}

TEST(ProfileDisplay, FlatBarPictureRecordsAndPreviewOnlyForBars) {
    auto flat = Record('F', 0, {{0, 1}, {1, 2}});  // 2 wide, 1 high into a 4 × 4 box: scale 2
    std::string out = Written([&](FILE* f) { Plot_Profile_Preview(f, &flat, 1, 1, 5, 5); });
    EXPECT_EQ(out,
              " 4 2\n 61\n 50 79 133 162\n 59\n 20 33\n 60\n 18 4\n"
              " 1.000000 1.000000\n 5.000000 1.000000\n 5.000000 3.000000\n 1.000000 3.000000\n"
              " 61\n 50 0 0 0\n 60\n"
              "1 1.000000 1.000000 5.000000 1.000000\n1 5.000000 1.000000 5.000000 3.000000\n"
              "1 5.000000 3.000000 1.000000 3.000000\n1 1.000000 3.000000 1.000000 1.000000\n");
    auto d = Record('D', 1, {{0, 1}, {1, 2}});
    EXPECT_EQ(Written([&](FILE* f) { Plot_Profile_Preview(f, &d, 1, 1, 5, 5); }), "");

    pxInitScreen(200, 200);
    std::vector<int> before(pxScreenPixels(), pxScreenPixels() + 200 * 200);
    Draw_Profile_Preview(&d, 40, 40, 140, 140);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), pxScreenPixels()));
    int drawn = Get_Lineal_State()->draw_count;
    Draw_Profile_Preview(&flat, 40, 40, 140, 140);  // scale 50: 100 × 50 pixels
    EXPECT_EQ(pxGetPixel(90, 65), Nearest_Color_Index(129, 157, 186));
    EXPECT_EQ(pxGetPixel(90, 120), before[120 * 200 + 90]);
    EXPECT_EQ(Get_Lineal_State()->draw_count, drawn + 1);
    EXPECT_EQ(Get_Lineal_State()->x1, 20);
    EXPECT_EQ(Get_Lineal_State()->y2, 110);
}

// ---- contour store ----

TEST_F(ProfileOutline, ContourStoreHolesArcsRoundBarAndAModel) {
    // Outer square given clockwise, hole given anticlockwise: both turned.
    ASSERT_EQ(Begin_Contour_Store(2, 2), 1);
    EXPECT_EQ(Next_Contour(), 1);
    for (auto [x, y] : std::vector<std::pair<double, double>>{{0, 0}, {0, 4}, {4, 4}, {4, 0}}) Add_Contour_Point(x, y, 0);
    Close_Contour(1);
    EXPECT_EQ(Next_Contour(), 2);
    for (auto [x, y] : std::vector<std::pair<double, double>>{{1, 1}, {3, 1}, {3, 3}, {1, 3}}) Add_Contour_Point(x, y, 0);
    Close_Contour(-1);
    Add_Contour_Point(9, 9, 0);  // closed: ignored
    EXPECT_EQ(Finish_Contour_Store(), 1);
    EXPECT_EQ(Get_Contour_Count(0), 1);
    EXPECT_DOUBLE_EQ(Get_Contour_Store_Area(), 12);
    EXPECT_EQ(Get_Contour_Point_Count(0, 1), 4);
    EXPECT_EQ(Get_Contour_Point_Count(0, 2), 0);
    EXPECT_EQ(Get_Contour_Point_Count(1, 0), 0);
    double x, y, arc;
    ASSERT_EQ(Get_Contour_Point(0, 0, 1, &x, &y, &arc), 1);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(4.0, 0.0));  // now anticlockwise
    std::string plot = Written([](FILE* f) { Draw_Contour_Store_Plot(f, 0, 0, 8, 8); });
    EXPECT_EQ(plot.rfind(" 4 2\n 61\n 50 104 156 104\n 59\n 20 33\n 60\n 18 4\n 8.000000 8.000000\n", 0), 0u) << plot;
    EXPECT_NE(plot.find(" 50 255 255 255\n 59\n 20  0\n"), std::string::npos);
    std::string solid = Written([](FILE* f) {
        const double s[3] = {0, 0, 0}, e[3] = {1, 0, 0}, axes[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
        EXPECT_EQ(Write_Contour_Extrusion(f, 7, s, e, axes), 8 + 2);
    });
    EXPECT_EQ(solid.rfind("4 7 1\n0.00000 0.00000 -0.01000\n 0 0.00000 0.00000 0.00000 0.00000 0.00000 0.00000\n"
                          " 0 0.00000 0.04000 0.00000",
                          0),
              0u)
        << solid;
    EXPECT_NE(solid.find("11 7 0\n-0.01000 0.00000 0.00000\n"), std::string::npos);  // 8 points + 1 + 2·1

    // A circle of two half-circle arcs: area π; kept as arcs (parameter 2) or
    // straightened (0) onto points near the circle.
    for (int parameter : {2, 0}) {
        Begin_Contour_Store(1, parameter);
        Next_Contour();
        Add_Contour_Point(1, 0, -1);
        Add_Contour_Point(-1, 0, -1);
        Close_Contour(1);
        Finish_Contour_Store();
        EXPECT_NEAR(Get_Contour_Store_Area(), kPi, 1e-9) << parameter;
        int n = Get_Contour_Point_Count(0, 0);
        EXPECT_EQ(n > 2, parameter == 0);
        for (int k = 0; k < n; k++) {
            Get_Contour_Point(0, 0, k, &x, &y, &arc);
            EXPECT_NEAR(std::hypot(x, y), 1, 0.02);
            EXPECT_EQ(arc != 0, parameter == 2);
        }
    }

    Build_Round_Bar_Contours(2, 0);
    EXPECT_NEAR(Get_Contour_Store_Area(), 3.141592, 1e-9);
    EXPECT_EQ(Get_Contour_Point_Count(0, 0), 24);
    ASSERT_EQ(Get_Contour_Point(0, 0, 24, &x, &y, &arc), 1);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(1.0, 0.0));

    // A flat bar 3 × 1 from its model: one contour around the plate.
    auto flat = Record('F', 0, {{0, 1}, {1, 3}});
    Profilmodell* m = Build_Profile_Model(&flat);
    ASSERT_EQ(Build_Contour_Store_From_Model(m, 0), 1);
    EXPECT_EQ(Contour_Store_Valid(), 1);
    EXPECT_DOUBLE_EQ(Get_Contour_Store_Area(), 3);
    EXPECT_EQ(Get_Contour_Point_Count(0, 0), 4);
    double e[4];
    ASSERT_EQ(Get_Contour_Store_Extents(&e[0], &e[1], &e[2], &e[3]), 1);
    EXPECT_EQ(std::vector<double>(e, e + 4), (std::vector<double>{0, 3, 0, 1}));
    Set_Profilmodell_Engine(nullptr);
    EXPECT_EQ(Build_Contour_Store_From_Model(m, 0), 0);
    EXPECT_EQ(Contour_Store_Valid(), 0);
    Free_Profilmodell(m);
}

// ---- drawings ----

TEST_F(ProfileOutline, PlotRecordsOfTwoJoinedPlatesLeaveTheCutUndrawn) {
    // Two plates 2 long, 2 thick, in line along y from 0 to 4; fitted into
    // (1, 1)-(9, 5): scale 2, x = 1 + (4 − y)·2, y = 1 + (1 − z)·2.
    Profilmodell* m = New_Profilmodell(3, 2);
    Set_Profilmodell_Knoten(m, 1, 2, 0);
    Set_Profilmodell_Knoten(m, 2, 4, 0);
    Set_Profilmodell_Teil(m, 0, 0, 1, 0, 2, 2, 0, 0, 0, 0, 0, 0);
    Set_Profilmodell_Teil(m, 1, 1, 2, 0, 2, 2, 0, 0, 0, 0, 0, 0);
    std::string out = Written([&](FILE* f) { Draw_Profilmodell_Plot(f, m, 1, 1, 9, 5); });
    const std::string block = " 61\n 50 79 133 162\n 59\n 20 33\n 60\n 18 6\n";
    const std::string lines = " 61\n 50 0 0 0\n 60\n";
    EXPECT_EQ(out, "  4 2\n 20 0\n" + block +
                       " 9.000000 3.000000\n 9.000000 5.000000\n 5.000000 5.000000\n"
                       " 5.000000 3.000000\n 5.000000 1.000000\n 9.000000 1.000000\n" +
                       lines +
                       "1 9.000000 3.000000 9.000000 5.000000\n1 9.000000 5.000000 5.000000 5.000000\n"
                       "1 5.000000 1.000000 9.000000 1.000000\n1 9.000000 1.000000 9.000000 3.000000\n" +
                       block +
                       " 5.000000 3.000000\n 5.000000 5.000000\n 1.000000 5.000000\n"
                       " 1.000000 3.000000\n 1.000000 1.000000\n 5.000000 1.000000\n" +
                       lines +
                       "1 5.000000 5.000000 1.000000 5.000000\n1 1.000000 5.000000 1.000000 3.000000\n"
                       "1 1.000000 3.000000 1.000000 1.000000\n1 1.000000 1.000000 5.000000 1.000000\n");
    EXPECT_EQ(m->parts[0]->outline_count, 6);
    EXPECT_EQ(std::vector<double>({m->y_min, m->y_max, m->z_min, m->z_max}), (std::vector<double>{0, 4, -1, 1}));

    Set_Profile_Plot_Style(1, 2, 3, 4, 5, 6, 3, 33);
    out = Written([&](FILE* f) { Draw_Profilmodell_Plot(f, m, 1, 1, 9, 5); });
    EXPECT_EQ(out.rfind("  4 3\n 20 33\n 61\n 50 1 2 3\n", 0), 0u);
    EXPECT_NE(out.find(" 61\n 50 4 5 6\n 60\n"), std::string::npos);
    Set_Profile_Plot_Style(79, 133, 162, 0, 0, 0, 2, 0);

    // Zero height (no thickness) and no engine draw nothing.
    Profilmodell* thin = New_Profilmodell(2, 1);
    Set_Profilmodell_Knoten(thin, 1, 2, 0);
    Set_Profilmodell_Teil(thin, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(Written([&](FILE* f) { Draw_Profilmodell_Plot(f, thin, 1, 1, 9, 5); }), "");
    Set_Profilmodell_Engine(nullptr);
    EXPECT_EQ(Written([&](FILE* f) { Draw_Profilmodell_Plot(f, m, 1, 1, 9, 5); }), "");
    Free_Profilmodell(thin);
    Free_Profilmodell(m);
}

TEST_F(ProfileOutline, ScreenDrawingAndItsColours) {
    pxInitScreen(300, 300);
    Set_Profile_Screen_Colours(PROFILE_COLOUR_DEFAULT, PROFILE_COLOUR_DEFAULT, 0, PROFILE_COLOUR_DEFAULT,
                               PROFILE_COLOUR_DEFAULT);
    Profilmodell* m = New_Profilmodell(2, 1);
    Set_Profilmodell_Knoten(m, 1, 4, 0);
    Set_Profilmodell_Teil(m, 0, 0, 1, 0, 2, 2, 0, 0, 0, 0, 0, 0);  // 4 × 2 into 100 × 100: scale 25
    int drawn = Get_Lineal_State()->draw_count;
    Draw_Profilmodell_Screen_Checked(m, 50, 50, 150, 150);
    Draw_Profilmodell_Screen_Checked(nullptr, 50, 50, 150, 150);
    EXPECT_EQ(Get_Lineal_State()->draw_count, drawn);
    EXPECT_EQ(pxGetPixel(100, 75), Nearest_Color_Index(129, 157, 186));
    EXPECT_EQ(pxGetPixel(100, 50), BLACK_CI);
    auto rgb = [](int colour) {
        int r, g, b;
        pxQCR(colour, &r, &g, &b);
        return std::vector<int>{r, g, b};
    };
    EXPECT_EQ(rgb(Profile_Screen_Colour(PROFILE_RULER_COLOUR_1)), (std::vector<int>{237, 228, 203}));
    EXPECT_EQ(rgb(Profile_Screen_Colour(PROFILE_RULER_COLOUR_2)), (std::vector<int>{168, 137, 57}));
    Set_Profile_Screen_Colours(RED_CI, PROFILE_COLOUR_DEFAULT, 1, PROFILE_COLOUR_DEFAULT, PROFILE_COLOUR_DEFAULT);
    Draw_Profilmodell_Screen(m, 50, 50, 150, 150);
    EXPECT_EQ(pxGetPixel(100, 75), RED_CI);
    EXPECT_EQ(Get_Lineal_State()->draw_count, drawn + 1);
    Set_Profile_Screen_Colours(PROFILE_COLOUR_DEFAULT, PROFILE_COLOUR_DEFAULT, 1, PROFILE_COLOUR_DEFAULT,
                               PROFILE_COLOUR_DEFAULT);
    Free_Profilmodell(m);
}

}  // namespace

// The thin-walled engine itself draws the outline: a double-T of flanges
// 15 × 1.07 and a web 0.71 thick, 30 high, without fillets, is the three
// rectangles it is made of. Outer faces at z = 0 and 30 (flange mid-lines at
// t/2), y from 0 to 15; area 2 · 15 · 1.07 + (30 − 2 · 1.07) · 0.71 = 51.8806.
TEST(ProfileOutlineEngine, DoubleTOutlineFromTheThinWalledEngine) {
    Init_Profil_DWQB_Switches();
    ASSERT_NE(Get_Profilmodell_Engine(), nullptr);
    ASSERT_EQ(Get_Profilmodell_Engine()->calc, Thinwall_Profilmodell_Engine()->calc);
    Profilmodell* m = Build_Double_T_Profilmodell(30, 15, 1.07, 15, 1.07, 0.71);
    ASSERT_NE(m, nullptr);
    ASSERT_EQ(Calc_Profilmodell_Outline(m), 1);
    EXPECT_NEAR(m->y_min, 0, 1e-9);
    EXPECT_NEAR(m->y_max, 15, 1e-9);
    EXPECT_NEAR(m->z_min, 0, 1e-9);
    EXPECT_NEAR(m->z_max, 30, 1e-9);
    ASSERT_EQ(Build_Contour_Store_From_Model(m, 0), 1);
    EXPECT_NEAR(Get_Contour_Store_Area(), 2 * 15 * 1.07 + (30 - 2 * 1.07) * 0.71, 1e-9);
    Clear_Contour_Store();
    Free_Profilmodell(m);
}

}  // namespace test_profile_outline
