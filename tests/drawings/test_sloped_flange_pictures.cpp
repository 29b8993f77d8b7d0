// The pictures of a profile whose flanges slope show it as rolled, with its
// welds on its faces as the weld check lays them: the screen's outline and
// the print list's sketch against the record's rolled outline.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "drawings/oli_pens.h"
#include "drawings/xs_weld_plot.h"
#include "dialogs/valuecheck.h"
#include "drawings/xs_weld_screen.h"
#include "platform/screen.h"
#include "printlist/ioliplot.h"
#include "profiles/catalogue_outline.h"
#include "profiles/catalogue_plausibility.h"
#include "profiles/profil.h"
#include "profiles/stahlprofil_library.h"
#include "profiles/catalogue_fixture.h"
#include "support/testutil.h"

namespace test_sloped_flange_pictures {
namespace {

struct Pt {
    double y, z;
};

// The record's rolled outline (mm) as the catalogue stands it: y to the
// right from a double-T's or tee's web axis, from a channel's back; z up
// from the lower face, a tee's flange at the top.
std::vector<Outline_Point> Rolled_Ring(const char* name, char letter) {
    float v[PROFIL_VALUES] = {};
    char code[PROFIL_CODE_SIZE] = {};
    EXPECT_GE(Get_Profil_Values(name, v, code), 1) << name;
    return testutil::Rolled_Outline_Ring(letter, v);
}

// IPN 200, U 200 and half I 300 (14, 8 and 14 %): the picture's frame (y
// down from the reference point) to the catalogue's.
struct Case {
    const char* name;
    char letter;
    int points;  // of the screen's outline
};
const Case kCases[] = {{"IPN200", 'D', 44}, {"U200", 'U', 24}, {"1/2I300", 'T', 24}};

// The catalogue profile of the name, as the weld program takes it.
bool Catalogue_Profile(const char* name, Stahlprofil* p) {
    Init_Profile(p);
    Default_Material_Params(&p->material);
    return Init_Profile_From_Name(p, name) == 0;
}

Pt To_Catalogue(const Case& c, double h, double x, double y) {
    return {x, c.letter == 'U' ? h / 2 - y : h - y};
}

}  // namespace

// The screen at 2 pixels per mm: every point of the outline lies on the
// rolled outline within the rounding of its pixels (each coordinate the
// sum of two rounded lengths).
TEST(SlopedFlangePictures, ScreenOutlineAsRolled) {
    testutil::ScopedEnv data("DATA", std::filesystem::path(WELD_PROFIL_FILE).parent_path().string());
    pxInitScreen(640, 480);
    Init_Screen_Colors();
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        Stahlprofil p;
        ASSERT_TRUE(Catalogue_Profile(c.name, &p));
        const std::vector<Outline_Point> ring = Rolled_Ring(c.name, c.letter);
        XSScreenOptions o;
        Init_XS_Screen_Options(&o);
        o.profile = &p, o.x = 300, o.y = c.letter == 'U' ? 240 : 30, o.scale = 2.0;
        o.fill_colour = Screen_Light_Blue, o.line_width = 1, o.line_colour = Screen_Black;
        Draw_XS_Weld_Screen(&o, 1);
        const int* x = nullptr;
        const int* y = nullptr;
        ASSERT_EQ(XS_Screen_Outline(&x, &y), c.points);
        for (int i = 0; i < c.points; i++) {
            const Pt q = To_Catalogue(c, p.h, (x[i] - o.x) / 2.0, (y[i] - o.y) / 2.0);
            EXPECT_LT(testutil::Off_Ring(ring, q.y, q.z), 1.01 / 2.0) << "point " << i << " at " << q.y << ", " << q.z;
        }
    }
}

// The print list's sketch at 1:10 with the page's lengths (the plates'
// faces, longer than the rolled inner faces and web): every weld line's
// ends lie on the rolled outline, and the picture's area is the rolled
// profile's (near a flange tip the nominal inner face, level at t_f, lies
// in the air below the sloped one).
TEST(SlopedFlangePictures, SketchWeldsOnTheRolledFaces) {
    testutil::ScopedEnv data("DATA", std::filesystem::path(WELD_PROFIL_FILE).parent_path().string());
    Init_Oli_Pens();
    Oli_Set_Fill_Mode(1);
    Oli_Set_Color_Mode(1);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        Stahlprofil p;
        ASSERT_TRUE(Catalogue_Profile(c.name, &p));
        const std::vector<Outline_Point> ring = Rolled_Ring(c.name, c.letter);
        const double s = 0.1, m = 9.0, b = p.b_fo, h = p.h;
        const double x_ref = c.letter == 'U' ? 0.0 : b / 2, y_ref = c.letter == 'U' ? h / 2 : 0.0;
        FILE* t = std::tmpfile();
        ASSERT_GT(Oli_Grafik_Begin(t, -m, h + m, b + m, -m, s, s, 0.0, nullptr), 0);
        XSPlotOptions o;
        Init_XS_Plot_Options(&o);
        o.x_ref = x_ref, o.y_ref = y_ref, o.mm_per_cm = 1.0 / s;
        o.fill_pen = OliRole_Profile_Pen, o.line_width = 2, o.line_pen = OliRole_Outline_Pen;
        o.profile = &p;
        Draw_XS_Weld_Plot(&o, t, 0, 0, 0);
        // Near the tip of the upper flange's (a channel's only) inner face.
        const double tip = c.letter == 'U' ? b - 8 : 8.0;
        const double t_f = p.t_fo, top = c.letter == 'U' ? -h / 2 : 0.0;
        EXPECT_EQ(XS_Plot_Inside(tip, y_ref + top + t_f - 0.3), 0);
        EXPECT_EQ(XS_Plot_Inside(tip, y_ref + top + t_f - 4.5), 1);
        int number[20] = {}, n = 0;
        double throat[20] = {}, length[20] = {};
        int codes[20] = {};
        const int edges = Get_Profile_Plate_Elements(&p, length, codes);
        for (int k = 0; k < std::min(edges, 8); k++)
            if (length[k] > 0.1) number[k] = k + 1, throat[k] = 4.0, n++;
        EXPECT_EQ(XS_Plot_Sketch_Welds(&o, number, throat, length, 20, OliRole_Fillet_Weld_Pen), n);
        std::fprintf(t, " -1\n");
        const std::string list = testutil::Stream_All(t);
        std::fclose(t);
        const std::string weld = "50 30 30 255\n 4 4\n 1  ";
        int lines = 0;
        for (size_t at = list.find(weld); at != std::string::npos; at = list.find(weld, at + 1)) {
            double x1, y1, x2, y2;
            ASSERT_EQ(std::sscanf(list.c_str() + at + weld.size(), "%lf %lf %lf %lf", &x1, &y1, &x2, &y2), 4);
            for (const Pt e : {Pt{x1, y1}, Pt{x2, y2}}) {
                const Pt q = To_Catalogue(c, h, e.y / s - x_ref, e.z / s - y_ref);
                EXPECT_LT(testutil::Off_Ring(ring, q.y, q.z), 0.01) << "weld " << lines << " at " << q.y << ", " << q.z;
            }
            lines++;
        }
        EXPECT_EQ(lines, n);
    }
}

}  // namespace test_sloped_flange_pictures
