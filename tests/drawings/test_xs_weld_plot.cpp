// The print-list picture of the profile with its welds.
//
// Four pictures are compared byte for byte with golden files in
// tests/data/drawings. Their lines were checked by an independent rebuild of
// the profile's records (tests/data/drawings/check_pictures.py, from the
// point tables and record forms, not from this code) and the writer's own
// blocks (dimension lines, axis cross, texts) by reading them against the
// record forms; the README there says which is which. The pictures: a welded I 360 x 180 given by dimensions with fillet welds, in a
// picture of its own with dimension lines and axis cross, together with its
// plot file; a circular tube 100 x 10 drawn twice into the caller's picture,
// the second time as the outline of an all-round weld; a rolled angle
// 126 x 84 x 10 (leg h upright) with its legs labelled; and the weld check's picture of a flat
// bar 84 x 10 with the check's own weld marks placed by the returned scale.
// The section values the marks read (y_s, z_s, y_M, z_M) are given in the
// tests, worked out by hand for the symmetric shapes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "drawings/oli_pens.h"
#include "drawings/xs_weld_plot.h"
#include "platform/oli_view.h"
#include "printlist/ioliplot.h"
#include "printlist/plotfile.h"
#include "support/testutil.h"

namespace {

// A profile given by dimensions, section values as given.
Stahlprofil Profile(int type, double h, double t_w, double b, double t_f, double y_s, double z_s) {
    Stahlprofil p;
    Init_Profile(&p);
    p.type = type;
    p.h = h, p.t_w = t_w, p.b_fo = p.b_fu = b, p.t_fo = p.t_fu = t_f;
    p.y_s = y_s, p.z_s = z_s;
    return p;
}

class XSPlot : public ::testing::Test {
protected:
    void SetUp() override {
        Init_Oli_Pens();
        Oli_Set_Fill_Mode(1);
        Oli_Set_Color_Mode(1);
        PlotFile_Close();
        PlotFile_Get_State()->colors = 5;
        oli_name_ = dir_.file("PROFIL.OLI");
        oli_ = std::fopen(oli_name_.c_str(), "wb");
        ASSERT_TRUE(oli_);
        Init_XS_Plot_Options(&o_);
    }
    void TearDown() override {
        PlotFile_Close();
        if (oli_) std::fclose(oli_);
        Oli_Redirect_Output(nullptr);
    }
    // The print list written so far (the stream is closed).
    std::string Oli() {
        std::fclose(oli_);
        oli_ = nullptr;
        return testutil::Read_File(oli_name_);
    }
    // Compares with the golden file; a differing result is kept in the
    // test's own directory for a person to compare line by line, never
    // copied over it.
    void Expect_Golden(const std::string& bytes, const std::string& name) {
        std::string want = testutil::Read_File(testutil::Fixture("drawings/" + name));
        if (bytes != want) testutil::Write_File(testutil::Test_Dir() + "/" + name, bytes);
        EXPECT_EQ(bytes, want) << name;
    }

    testutil::TempDir dir_;
    std::string oli_name_;
    FILE* oli_ = nullptr;
    XSPlotOptions o_;
};

// Welded I 360 x 180, web 10, flanges 15, fillet welds a = 5/sqrt 2 (legs of
// 5 mm). Extent 180 x 360 in a space 14 x 3.6 cm: 1:100, 100 mm per cm.
TEST_F(XSPlot, WeldedIWithDimensionsAndPlotFile) {
    Stahlprofil p = Profile(PROFILTYP_I, 360, 10, 180, 15, -90, 180);
    p.a_o = p.a_u = 5.0 / std::sqrt(2.0);
    o_.profile = &p;
    o_.fill_pen = OliRole_Profile_Pen;
    o_.line_width = 2;
    o_.line_pen = OliRole_Outline_Pen;
    std::string spf_name = dir_.file("PROF0001.SPF");
    FILE* spf = std::fopen(spf_name.c_str(), "wb");
    ASSERT_TRUE(spf);
    PlotFile_Open_Color(spf, -100.0, 400.0, 280.0, -100.0, 0.01, 0.0, "Profil");
    EXPECT_DOUBLE_EQ(Draw_XS_Weld_Plot(&o_, oli_, 0, 1, 1), 100.0);
    PlotFile_Close();
    Expect_Golden(Oli(), "welded_i.OLI");
    Expect_Golden(testutil::Read_File(spf_name), "welded_i.SPF");
}

// Tube 100 x 10 centred on (0, 0) of the caller's picture at 1:50, then the
// outer contour again as an all-round weld of throat 4 in the fillet pen.
TEST_F(XSPlot, TubeWithAllRoundWeldInCallersPicture) {
    Stahlprofil p = Profile(PROFILTYP_ROHR, 100, 10, 0, 0, -50, 50);
    ASSERT_GT(Oli_Grafik_Begin(oli_, -100.0, 100.0, 100.0, -100.0, 0.02, 0.02, 0.0, nullptr), 0);
    // The caller's picture sets its dimension style as the weld program's
    // sketch does (dot marks); it is not left to whatever test ran before.
    Oli_Set_Dimension_Style(8);
    o_.profile = &p;
    o_.x_ref = 0.0, o_.y_ref = -50.0, o_.mm_per_cm = 50.0;
    o_.fill_pen = OliRole_Profile_Pen, o_.line_width = 2, o_.line_pen = OliRole_Outline_Pen;
    EXPECT_EQ(Draw_XS_Weld_Plot(&o_, oli_, 1, 1, 1), 50.0);
    o_.fill_pen = -1, o_.line_width = (int)(4.0 + 0.01), o_.line_pen = OliRole_Fillet_Weld_Pen;
    EXPECT_EQ(Draw_XS_Weld_Plot(&o_, nullptr, XS_PLOT_OUTER_ONLY, 0, 0), 50.0);
    std::fprintf(oli_, " -1\n");
    Expect_Golden(Oli(), "tube_all_round.OLI");
}

// Rolled angle 126 x 84 x 10, root radius 10, toe radius 5, leg h upright:
// extent 84 x 126 in 15.2 x 4.2 cm gives n = 100 * 126 / 4.2 = 3000, 1:30.
// Legs labelled, no marks.
TEST_F(XSPlot, RolledAngleWithLegLabels) {
    Stahlprofil p = Profile(PROFILTYP_L, 126, 10, 84, 10, 0, 0);
    p.rolled = 1, p.r_1 = 10, p.r_2 = 5;
    o_.profile = &p;
    o_.fill_pen = OliRole_Profile_Pen, o_.line_width = 1, o_.line_pen = OliRole_Outline_Pen;
    EXPECT_DOUBLE_EQ(Draw_XS_Weld_Plot(&o_, oli_, XS_PLOT_LEG_LABELS, 0, 0), 30.0);
    Expect_Golden(Oli(), "angle_legs.OLI");
}

// The weld check's call for a flat bar 84 x 10 (1:20), then its own marks on
// top: the weld lines 2 mm beside both faces and a dot of 0.1 cm radius at
// the middle of each, placed with the returned 20 mm per cm.
TEST_F(XSPlot, WeldCheckPictureScalePlacesOverlay) {
    Stahlprofil p = Profile(PROFILTYP_FLACH, 84, 10, 0, 0, -5, 42);
    o_.profile = &p;
    o_.fill_pen = OliRole_Profile_Pen, o_.line_width = 1, o_.line_pen = OliRole_Outline_Pen;
    double mm_per_cm = Draw_XS_Weld_Plot(&o_, oli_, 0, 1, 0);
    EXPECT_DOUBLE_EQ(mm_per_cm, 20.0);
    // The picture writer still points at the list: the overlay follows.
    Oli_Select_Pen(OliRole_Highlight_Pen);
    const double gap = 0.1 * mm_per_cm;
    Oli_Pen_Line(-gap, 0.0, -gap, 84.0, OliRole_Fillet_Weld_Pen, 2);
    Oli_Pen_Line(10.0 + gap, 0.0, 10.0 + gap, 84.0, OliRole_Fillet_Weld_Pen, 2);
    Oli_Pen_Filled_Circle(-gap, 42.0, gap, OliRole_Highlight_Pen, 0, 1, OliRole_Highlight_Pen);
    Oli_Pen_Filled_Circle(10.0 + gap, 42.0, gap, OliRole_Highlight_Pen, 0, 1, OliRole_Highlight_Pen);
    Expect_Golden(Oli(), "weld_check_flat.OLI");
}

// Counts of a record in the picture.
int Count(const std::string& text, const std::string& record) {
    int n = 0;
    for (size_t at = text.find(record); at != std::string::npos; at = text.find(record, at + 1)) n++;
    return n;
}

// Frame rules and the faults of damaged input, drawn into a picture of the
// test's own at 1:1 so that only the profile's element is written.
TEST_F(XSPlot, RefusalsWeldVariantsAndDamagedDimensions) {
    ASSERT_GT(Oli_Grafik_Begin(oli_, -500.0, 500.0, 500.0, -500.0, 1.0, 1.0, 0.0, nullptr), 0);
    // Each drawing into a stream of its own, so that only its records are read.
    auto Drawn = [&](const Stahlprofil& p, double mm_per_cm, int marks, int dims, double angle = 0.0) {
        o_.profile = &p;
        o_.mm_per_cm = mm_per_cm, o_.angle_deg = angle;
        o_.fill_pen = OliRole_Profile_Pen, o_.line_width = 1, o_.line_pen = OliRole_Outline_Pen;
        FILE* t = std::tmpfile();
        Oli_Redirect_Output(t);
        double r = Draw_XS_Weld_Plot(&o_, mm_per_cm > 0 ? nullptr : t, 0, marks, dims);
        Oli_Restore_Output();
        std::string out = testutil::Stream_All(t);
        std::fclose(t);
        return std::make_pair(r, out);
    };

    // Nothing for type 0 (the caller's scale back) and for a flat bar too thin
    // for a picture of its own.
    Stahlprofil none = Profile(0, 100, 10, 100, 10, 0, 0);
    EXPECT_EQ(Drawn(none, 1.0, 1, 1), std::make_pair(1.0, std::string()));
    Stahlprofil thin = Profile(PROFILTYP_FLACH, 100, 0.8, 0, 0, 0, 0);
    EXPECT_EQ(Drawn(thin, 0.0, 1, 1), std::make_pair(0.0, std::string()));
    EXPECT_EQ(Draw_XS_Weld_Plot(&o_, nullptr, 0, 0, 0), 0.0);  // no list, own picture

    // Weld variants of the I (marks 3: a dot, no arrowheads): a fillet weld
    // gives two triangles of three points per flange; full penetration at the
    // top only the joint line; rolled no triangles at all. Turned by 30
    // degrees: no dimension (text record 10) and no "S".
    Stahlprofil i = Profile(PROFILTYP_I, 300, 10, 200, 20, -100, 150);
    i.a_o = i.a_u = 4;
    struct Case {
        int kind_top, rolled;
        double angle;
        int triangles, dims, s_marks;
    } cases[] = {{0, 0, 0.0, 4, 2, 1}, {1, 0, 0.0, 2, 2, 1}, {0, 1, 0.0, 0, 2, 1}, {0, 0, 30.0, 4, 0, 0}};
    for (const Case& c : cases) {
        i.weld_kind_top = c.kind_top, i.rolled = c.rolled, i.r_1 = 10, i.r_2 = 0;
        std::string out = Drawn(i, 1.0, 3, 1, c.angle).second;
        EXPECT_EQ(Count(out, " 18 3 "), c.triangles) << c.kind_top << c.rolled << c.angle;
        EXPECT_EQ(Count(out, "\n 10 "), c.dims) << c.kind_top << c.rolled << c.angle;
        EXPECT_EQ(Count(out, "\xAE" "S\xAF"), c.s_marks);
    }

    // A box whose flanges meet (h = t_fo + t_fu) has no cell: one area of 12
    // corners, 12 outline lines, no weld triangles and no "nan".
    Stahlprofil box = Profile(PROFILTYP_KASTEN, 40, 10, 200, 20, -100, 20);
    std::string out = Drawn(box, 1.0, 0, 0).second;
    EXPECT_EQ(Count(out, " 18 12 "), 1);
    EXPECT_EQ(Count(out, " 18 3 "), 0);
    EXPECT_EQ(Count(out, " 1  "), 12);
    // With a web between them the cell and the four weld triangles come back.
    box.h = 240;
    out = Drawn(box, 1.0, 0, 0).second;
    EXPECT_EQ(std::make_pair(Count(out, " 18 18 "), Count(out, " 18 3 ")), std::make_pair(1, 4));

    // Weld marks of the other welded families (a_o 4, marks 3): corner
    // triangles in the wall corners of a rectangle (none when its wall is
    // thinner than 0.001), the two web-flange corners of channels and Z, the
    // inner corner of an angle, the two root corners of a T.
    struct Family {
        int type;
        double t_w;
        int triangles;
    } families[] = {{PROFILTYP_RECHTECK, 10, 4}, {PROFILTYP_RECHTECK, 0.0005, 0}, {PROFILTYP_C, 10, 2},
                    {PROFILTYP_U, 10, 2},        {PROFILTYP_Z, 10, 2},            {PROFILTYP_L, 10, 1},
                    {PROFILTYP_T, 10, 2},        {PROFILTYP_HALB_I, 10, 2},       {PROFILTYP_FLACH, 10, 0}};
    for (const Family& fam : families) {
        Stahlprofil q = Profile(fam.type, 200, fam.t_w, 100, 12, -50, 100);
        q.a_o = q.a_u = 4;
        EXPECT_EQ(Count(Drawn(q, 1.0, 3, 0).second, " 18 3 "), fam.triangles) << fam.type << " " << fam.t_w;
    }

    // Zero, negative and not-a-number dimensions of every family, rolled
    // and welded, with stiffener and doubler plates beside the I and T webs,
    // drawn into the open picture and in a turned picture of its own: never
    // "nan" or "inf" in the list.
    static Blech_Record plate;
    Clear_Plate(&plate);
    plate.t = 10, plate.b = 50;
    o_.stiffener_count = 2, o_.stiffener_plate = &plate, o_.doubler_count = 1, o_.doubler_plate = &plate;
    const double bad[] = {0.0, -50.0, NAN, INFINITY, 1e300};
    for (int type = 1; type <= 17; type++) {
        for (double v : bad) {
            for (int field = 0; field < 10; field++) {
                Stahlprofil q = Profile(type, 200, 10, 100, 12, -50, 100);
                q.a_o = q.a_u = 4, q.b_ueo = q.b_ueu = 10, q.y_M = 5;
                q.rolled = field % 2, q.r_1 = 8, q.r_2 = 4;
                double* f[10] = {&q.h, &q.t_w, &q.b_fo, &q.t_fo, &q.t_fu, &q.a_o, &q.b_fu, &q.b_ueo, &q.y_s, &q.r_1};
                *f[field] = v;
                for (double scale : {1.0, 0.0}) {
                    out = Drawn(q, scale, 1, 1, scale > 0 ? 0.0 : 30.0).second;
                    EXPECT_EQ(out.find("nan"), std::string::npos) << type << " " << field << " " << v;
                    EXPECT_EQ(out.find("inf"), std::string::npos) << type << " " << field << " " << v;
                }
            }
        }
    }
}

}  // namespace

// The welds of the connection sketch for every family with single welds,
// drawn as the print driver draws them: the profile at 1:10 (0.1 cm per
// mm) with marks and dimension lines in a picture running downwards, then
// each weld of 40 mm on its face, centred on the free part of the face
// (welded profiles without weld legs, so the faces are free to the web),
// in the fillet-weld pen. Each weld's line stands where worked out by hand
// below (world mm), its number is written, and set on the page no text of
// the sketch touches another.
TEST_F(XSPlot, SketchWeldsOfEveryFamily) {
    struct Weld {
        int slot;
        double x1, y1, x2, y2;
    };
    struct Family {
        const char* name;
        Stahlprofil p;
        double x_ref, y_ref, w, h;
        std::vector<Weld> welds;
    };
    // I 200 x 10 x 100 x 12 about x 50: flanges from x 0 to 100, web faces
    // at 45 and 55, the clear web from 12 to 188 (middle 100).
    const std::vector<Weld> i_welds = {{0, 30, 0, 70, 0},       {1, 2.5, 12, 42.5, 12},   {5, 57.5, 12, 97.5, 12},
                                       {2, 45, 80, 45, 120},    {6, 55, 80, 55, 120},     {3, 30, 200, 70, 200},
                                       {4, 2.5, 188, 42.5, 188}, {7, 57.5, 188, 97.5, 188}};
    Stahlprofil angle = Profile(PROFILTYP_L, 120, 10, 80, 8, 0, 0);
    const std::vector<Family> families = {
        {"I", Profile(PROFILTYP_I, 200, 10, 100, 12, -50, 100), 50, 0, 100, 200, i_welds},
        // T: the stem down to 200, its faces from 12 to 200 (middle 106).
        {"T", Profile(PROFILTYP_T, 200, 10, 100, 12, -50, 60), 50, 0, 100, 200,
         {{0, 30, 0, 70, 0}, {1, 2.5, 12, 42.5, 12}, {5, 57.5, 12, 97.5, 12}, {2, 45, 86, 45, 126}, {6, 55, 86, 55, 126}}},
        // Flat bar 20 x 200 from x 0.
        {"flat bar", Profile(PROFILTYP_FLACH, 200, 20, 0, 0, -10, 100), 0, 0, 20, 200,
         {{0, -10, 0, 30, 0}, {3, -10, 200, 30, 200}, {1, 0, 80, 0, 120}, {2, 20, 80, 20, 120}}},
        // Rectangular tube 100 x 200 about x 50.
        {"rectangular tube", Profile(PROFILTYP_RECHTECK, 200, 10, 100, 12, -50, 100), 50, 0, 100, 200,
         {{0, 30, 0, 70, 0}, {3, 30, 200, 70, 200}, {1, 0, 80, 0, 120}, {2, 100, 80, 100, 120}}},
        // Channel, web at the left from x 0 to 10, centred on y 100: inner
        // flange faces from the web (10) to 100 (middle 55).
        {"U", Profile(PROFILTYP_U, 200, 10, 100, 12, -30, 100), 0, 100, 100, 200,
         {{2, 0, 80, 0, 120}, {6, 10, 80, 10, 120}, {0, 30, 0, 70, 0}, {3, 30, 200, 70, 200}, {1, 35, 12, 75, 12},
          {4, 35, 188, 75, 188}}},
        // Z about x 50: the top flange from 0 to 55, the bottom one from 45
        // to 100; the left web face from 12 to 200, the right one from 0 to
        // 188.
        {"Z", Profile(PROFILTYP_Z, 200, 10, 100, 12, -50, 100), 50, 0, 100, 200,
         {{0, 7.5, 0, 47.5, 0}, {1, 2.5, 12, 42.5, 12}, {2, 45, 86, 45, 126}, {6, 55, 74, 55, 114},
          {3, 52.5, 200, 92.5, 200}, {4, 57.5, 188, 97.5, 188}}},
        // Angle 120 x 80 (leg h 10 thick, leg b 8) with its heel at (0, 120):
        // leg h up the left from 120 to 0 (inner face x 10 from 0 down to
        // 112), leg b along the bottom to x 80 (inner face y 112 from 10).
        {"L", angle, 0, 120, 80, 120, {{0, 20, 120, 60, 120}, {1, 25, 112, 65, 112}, {2, 0, 40, 0, 80}, {6, 10, 36, 10, 76}}},
    };
    const double s = 0.1;  // cm per mm
    for (const Family& f : families) {
        SCOPED_TRACE(f.name);
        FILE* t = std::tmpfile();
        const double m = 9.0;  // the sketch's 0.9 cm margin
        ASSERT_GT(Oli_Grafik_Begin(t, -m, f.h + m, f.w + m, -m, s, s, 0.0, nullptr), 0);
        Oli_Set_Dimension_Style(8);
        XSPlotOptions o;
        Init_XS_Plot_Options(&o);
        o.x_ref = f.x_ref, o.y_ref = f.y_ref, o.mm_per_cm = 1.0 / s;
        o.fill_pen = OliRole_Profile_Pen, o.line_width = 2, o.line_pen = OliRole_Outline_Pen;
        o.profile = &f.p;
        Draw_XS_Weld_Plot(&o, t, 0, 1, 1);
        int number[20] = {}, n = 0;
        double throat[20] = {}, length[20] = {};
        for (const Weld& w : f.welds) number[w.slot] = ++n, throat[w.slot] = 4.0, length[w.slot] = 40.0;
        EXPECT_EQ(XS_Plot_Sketch_Welds(&o, number, throat, length, 20, OliRole_Fillet_Weld_Pen), n);
        std::fprintf(t, " -1\n");
        const std::string list = testutil::Stream_All(t);
        std::fclose(t);
        for (const Weld& w : f.welds) {
            char line[128];
            std::snprintf(line, sizeof line, "50 30 30 255\n 4 4\n 1  %f %f %f %f\n", w.x1 * s, w.y1 * s, w.x2 * s,
                          w.y2 * s);
            EXPECT_NE(list.find(line), std::string::npos) << "slot " << w.slot << ": " << line;
            EXPECT_NE(list.find("\xAE" + std::to_string(number[w.slot]) + "\xAF"), std::string::npos)
                << "label of slot " << w.slot;
        }
        FILE* r = testutil::Stream_With(list);
        OliDocument doc;
        OLI_Read_Document(r, &doc);
        std::fclose(r);
        std::vector<OliTextBox> boxes;
        OLI_Render_Text_Boxes(doc, &boxes);
        int labels = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            labels += boxes[i].kind == OLI_TEXT_PICTURE && boxes[i].text.size() == 1 && boxes[i].text[0] >= '1' &&
                      boxes[i].text[0] <= '0' + n;
            for (size_t j = i + 1; j < boxes.size(); ++j) {
                const OliTextBox &a = boxes[i], &b = boxes[j];
                EXPECT_FALSE(a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h)
                    << a.text << " / " << b.text;
            }
        }
        // Only the weld numbers: no leg numbers that would read as welds.
        EXPECT_EQ(labels, n);
    }
    // Round sections have no single welds; nor do damaged records.
    Stahlprofil tube = Profile(PROFILTYP_ROHR, 100, 10, 0, 0, 0, 0);
    XSPlotOptions o;
    Init_XS_Plot_Options(&o);
    o.profile = &tube, o.mm_per_cm = 10.0;
    int number[20] = {1};
    double throat[20] = {4}, length[20] = {40};
    EXPECT_EQ(XS_Plot_Sketch_Welds(&o, number, throat, length, 20, 6), 0);
    o.profile = &angle;
    length[0] = NAN;
    EXPECT_EQ(XS_Plot_Sketch_Welds(&o, number, throat, length, 20, 6), 0);
    EXPECT_EQ(XS_Plot_Sketch_Welds(nullptr, number, throat, length, 20, 6), 0);
}

// The widths of a rectangular tube: the outer one above the tube, the clear
// one inside it, clear of the axis cross at its centre. Tube 100 x 200
// (walls 10 and 12) about x 50, top at y 0, at 1:10 in a picture running
// downwards: dimension offset dd = 0.6 cm = 6 mm, the cross's arms 0.5 cm
// from the centroid (50, 100) running left and down. The clear width
// (10 .. 90 mm) stands dd above the centre, at y 94; the outer width (0 ..
// 100 mm) 0.8 dd above the top, at y -4.8. Each dimension line runs 0.1 cm
// past its ends (paper cm = mm / 10).
TEST_F(XSPlot, RectangleWidthsClearOfTheAxisCross) {
    Stahlprofil p = Profile(PROFILTYP_RECHTECK, 200, 10, 100, 12, -50, 100);
    FILE* t = std::tmpfile();
    ASSERT_GT(Oli_Grafik_Begin(t, -9.0, 209.0, 109.0, -9.0, 0.1, 0.1, 0.0, nullptr), 0);
    Oli_Set_Dimension_Style(8);
    XSPlotOptions o;
    Init_XS_Plot_Options(&o);
    o.x_ref = 50, o.y_ref = 0, o.mm_per_cm = 10.0, o.profile = &p;
    Draw_XS_Weld_Plot(&o, t, 1, 1, 1);
    std::fprintf(t, " -1\n");
    const std::string list = testutil::Stream_All(t);
    std::fclose(t);
    EXPECT_NE(list.find(" 1  9.100000 9.400000 0.900000 9.400000\n"), std::string::npos);
    EXPECT_NE(list.find(" 1  10.100000 -0.480000 -0.100000 -0.480000\n"), std::string::npos);
}

// The letters of the marks and of the axis cross read as letters of their
// own: no two of "S", "M", "y" and "z" stand on one line of text closer than
// 0.15 cm (the shear centre's "M" set 0.04 cm before the axis's "y", the
// dot between them, read as "My"). Channels in pictures of their own, 3 to
// 12 cm high, with and without dimension lines. Section values by hand,
// from the back of the web (flanges b x t_f, web (h - 2 t_f) x t_w): the
// centroid at (2 b t_f b/2 + (h - 2 t_f) t_w t_w/2) / A, the shear centre
// e = 3 b'² t_f / (6 b' t_f + h' t_w) (b' = b - t_w/2, h' = h - t_f) beyond
// the web's middle: U 200 x 8 x 50 x 12: A = 2608 mm², 35632 / 2608 =
// 13.66 mm; e = 76176 / 4816 = 15.82 mm, 11.82 mm behind the web's back;
// C 76 x 4.3 x 35 x 6.9: A = 750.5 mm², 9027 / 750.5 = 12.03 mm; e = 3
// 32.85² 6.9 / (6 32.85 6.9 + 69.1 4.3) = 22338 / 1657 = 13.48 mm, 11.33 mm
// behind.
TEST_F(XSPlot, LettersOfTheMarksReadAlone) {
    struct Channel {
        int type;
        double h, t_w, b, t_f, centroid, behind;
    } const channels[] = {{PROFILTYP_U, 200, 8, 50, 12, 13.66, 11.82}, {PROFILTYP_C, 76, 4.3, 35, 6.9, 12.03, 11.33}};
    const int usual = XS_Plot_Height_cm;
    for (const Channel& c : channels)
        for (int height = 3; height <= 12; ++height)
            for (int dimensions = 0; dimensions <= 1; ++dimensions) {
                SCOPED_TRACE(std::to_string(c.h) + " in " + std::to_string(height) + " cm, dimensions " +
                             std::to_string(dimensions));
                Stahlprofil p = Profile(c.type, c.h, c.t_w, c.b, c.t_f, -c.centroid, c.h / 2.0);
                p.y_M = c.centroid + c.behind;
                XSPlotOptions o;
                Init_XS_Plot_Options(&o);
                o.profile = &p, o.fill_pen = OliRole_Profile_Pen, o.line_width = 1, o.line_pen = OliRole_Outline_Pen;
                FILE* t = std::tmpfile();
                XS_Plot_Height_cm = height;
                Draw_XS_Weld_Plot(&o, t, 0, 1, dimensions);
                XS_Plot_Height_cm = usual;
                FILE* r = testutil::Stream_With(testutil::Stream_All(t) + " -1\n");
                std::fclose(t);
                OliDocument doc;
                OLI_Read_Document(r, &doc);
                std::fclose(r);
                std::vector<OliTextBox> boxes, letters;
                OLI_Render_Text_Boxes(doc, &boxes);
                for (const OliTextBox& b : boxes)
                    if (b.text == "S" || b.text == "M" || b.text == "y" || b.text == "z") letters.push_back(b);
                ASSERT_EQ(letters.size(), 4u);
                for (size_t i = 0; i < letters.size(); ++i)
                    for (size_t j = i + 1; j < letters.size(); ++j) {
                        const OliTextBox &a = letters[i], &b = letters[j];
                        const double apart = std::max(a.x - b.x - b.w, b.x - a.x - a.w);
                        EXPECT_FALSE(a.y < b.y + b.h && b.y < a.y + a.h && apart < 0.15)
                            << a.text << " and " << b.text << " " << apart << " cm apart on one line";
                    }
            }
}
