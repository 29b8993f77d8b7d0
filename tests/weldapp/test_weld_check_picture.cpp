// The picture of the weld line cross-section in the weld check's report:
// heading, profile picture, end points on top of it, the legend in place of
// the weld list.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "base/cp850.h"
#include "platform/oli_view.h"
#include "printlist/ioliplot.h"
#include "printlist/list_capture.h"
#include "printlist/picture_capture.h"
#include "printlist/plotfile.h"
#include "support/testutil.h"
#include "printlist/verdict_lines.h"
#include "profiles/stahlprofil.h"
#include "weldapp/weld_check_picture.h"
#include "weldcheck/weld_check.h"

namespace {

SchweissnahtNachweis Welded(int type, double h, double t_w, double b, double t_f, std::vector<int> positions,
                            double a, bool all_round) {
    SchweissnahtNachweis r;
    Init_Weld_Check_Record(&r);
    r.gamma_M2 = 1.25;
    Clear_Plate(&r.plate);
    r.plate.t = 20.0;
    r.plate.material.own_values = 1;
    r.plate.material.f_y = r.plate.material.f_y1 = 235.0;
    r.plate.material.f_u = r.plate.material.f_u1 = r.plate.material.f_u2 = r.plate.material.f_u3 = 360.0;
    r.plate.material.beta_w = 0.8;
    Stahlprofil& p = r.profile;
    Init_Profile(&p);
    p.type = type;
    p.h = h, p.t_w = t_w, p.b_fo = p.b_fu = b, p.t_fo = p.t_fu = t_f;
    Default_Material_Params(&p.material);
    EXPECT_EQ(Calc_Profile_Cross_Section(&p, nullptr, 0, nullptr), 0);
    for (size_t j = 0; j < positions.size(); ++j) {
        r.a[positions[j]] = a;
        r.number[positions[j]] = (int)j + 1;
    }
    r.no_length_check = r.no_throat_check = 1;
    r.all_round = all_round ? 1 : 0;
    r.full_treatment = 1;
    r.check_field = 1;
    r.method = 1;
    r.forces.N = 100e3;
    return r;
}

// The numbers of the records of one kind (" 1  " line, " 9 " text) in a
// block of lines.
std::vector<std::vector<double>> Records(const std::vector<std::string>& lines, const char* head) {
    std::vector<std::vector<double>> out;
    for (const std::string& l : lines) {
        if (l.compare(0, std::string(head).size(), head) != 0) continue;
        std::vector<double> v;
        const char* c = l.c_str() + std::string(head).size();
        char* end = nullptr;
        for (double x = std::strtod(c, &end); end != c; x = std::strtod(c, &end)) v.push_back(x), c = end;
        out.push_back(v);
    }
    return out;
}

bool Has_Record(const std::vector<std::vector<double>>& recs, std::vector<double> want) {
    for (const auto& v : recs) {
        if (v.size() < want.size()) continue;
        bool same = true;
        for (size_t i = 0; i < want.size(); ++i) same = same && std::fabs(v[i] - want[i]) < 2e-5;
        if (same) return true;
    }
    return false;
}

std::vector<std::string> All_Lines(const std::string& raw) {
    std::vector<std::string> out;
    size_t pos = 0;
    while (pos < raw.size()) {
        size_t end = raw.find('\n', pos);
        if (end == std::string::npos) end = raw.size();
        out.push_back(raw.substr(pos, end - pos));
        pos = end + 1;
    }
    return out;
}

}  // namespace

// Overlay points: x = y' (to the left of the centroid), y = h/2 - z'.
// Flat bar 400 wide, 20 high, welded all round: centroid 200 mm from the
// left face; the left weld (number 2) runs from z' = 0 to 20 at y' = 200,
// so its ends lie at (200, 10) and (200, -10). The picture is 400 s + 0.8
// cm wide (s = 15.2 / 400), too wide for the legend beside it.
// I 300 x 8 x 150 x 12 with the outer flange welds (a = 5, l = b = 150):
// the top weld (number 1) has y' = +-75 at z' = 0, so (75, 150) and
// (-75, 150); 150 s + 0.8 cm wide (s = 4.2 / 300), the legend beside it.
TEST(WeldCheckPicture, PictureWithEndPointsAndLegendInPlaceOfTheWeldList) {
    struct Case {
        const char* name;
        SchweissnahtNachweis r;
        double h;
        int number;          // of the weld whose ends are checked
        double x0, y0, x1, y1;  // its end points 0 and 1, hand values
        const char* move;    // print position before the legend
        std::vector<std::string> legend;
    };
    const std::vector<Case> cases = {
        {"flat bar all round", Welded(1, 20, 400, 0, 0, {0, 1, 2, 3}, 4.0, true), 20, 2, 200, 10, 200, -10,
         "256 -0.7",
         {"╬tNaht 1: ╬ta╬\\w╬r = 4.0 mm╬tl╬\\w╬r = 400.0 mm"_cp, "╬tNaht 2: ╬ta╬\\w╬r = 4.0 mm╬tl╬\\w╬r = 20.0 mm"_cp,
          "╬tNaht 3: ╬ta╬\\w╬r = 4.0 mm╬tl╬\\w╬r = 20.0 mm"_cp, "╬tNaht 4: ╬ta╬\\w╬r = 4.0 mm╬tl╬\\w╬r = 400.0 mm"_cp}},
        {"I with flange welds", Welded(4, 300, 8, 150, 12, {0, 3}, 5.0, false), 300, 1, 75, 150, -75, 150, "256 0.5",
         {"╬tNaht 1: ╬ta╬\\w╬r = 5.0 mm╬tl╬\\w╬r = 150.0 mm"_cp, "╬tNaht 2: ╬ta╬\\w╬r = 5.0 mm╬tl╬\\w╬r = 150.0 mm"_cp}},
    };
    const Weld_Check_Picture_Drawer old = Set_Weld_Check_Picture_Drawer(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int sketches = 1; sketches >= 0; --sketches) {
            if (sketches) Install_Weld_Check_Picture();
            SchweissnahtNachweis r = c.r;
            ListCapture l;
            EXPECT_EQ(Calc_Weld_Check(&r, l.f(), 1, 0, sketches, 0), 0);
            const std::string raw = l.Take();
            const std::vector<std::string> text = Text_Lines(raw), all = All_Lines(raw);
            auto count = [&](const std::string& s) { return std::count(text.begin(), text.end(), s); };
            EXPECT_EQ(count("╬HBerechnungsquerschnitt:"_cp), sketches);
            EXPECT_EQ(count("╬HSchweißnähte:"_cp), 1 - sketches);
            EXPECT_EQ(count(std::string("Naht 1: ") + (c.legend[0].c_str() + 10)), 1 - sketches);
            for (const std::string& line : c.legend) EXPECT_EQ(count(line), sketches) << line;
            std::vector<size_t> pictures;
            for (size_t i = 0; i < all.size(); ++i)
                if (all[i] == "#SHOWGRAFIC") pictures.push_back(i);
            if (!sketches) {
                EXPECT_TRUE(pictures.empty());
                continue;
            }
            ASSERT_EQ(pictures.size(), 2u);
            // Paper extent "x1 x2 y1 y2" of the profile picture: 0.65 cm
            // margins around h s (room for a boxed two-digit number beside
            // a weld at a flange tip).
            const std::vector<double> ext = Records({all[pictures[0] + 4]}, "")[0];
            ASSERT_EQ(ext.size(), 4u);
            const double s = (ext[2] - ext[3] - 1.3) / c.h;
            // The overlay covers the same paper: as wide and as high.
            const std::vector<double> ov = Records({all[pictures[1] + 4]}, "")[0];
            ASSERT_EQ(ov.size(), 4u);
            EXPECT_NEAR(ov[0] - ov[1], ext[1] - ext[0], 2e-5);
            EXPECT_NEAR(ov[3] - ov[2], ext[2] - ext[3], 2e-5);
            const std::vector<std::string> overlay(all.begin() + (long)pictures[1], all.end());
            EXPECT_TRUE(Has_Record(Records(overlay, " 1  "), {c.x0 * s, c.y0 * s, c.x1 * s, c.y1 * s}));
            // Point labels: upright centred texts (code 210) beside their
            // point, along their own line: 0.2 cm into it and 0.18 cm to the
            // side away from the centroid when that place is free, never
            // further than 0.7 cm from the point.
            const std::vector<std::vector<double>> labels = Records(overlay, " 9 ");
            for (const auto& [x, y, text] : {std::tuple{c.x0 * s, c.y0 * s, "\xAE" "0\xAF"},
                                              std::tuple{c.x1 * s, c.y1 * s, "\xAE" "1\xAF"}}) {
                bool near = false;
                for (size_t i = 0; i < overlay.size(); ++i) {
                    if (overlay[i].compare(0, 3, " 9 ") != 0 || overlay[i].find(text) == std::string::npos) continue;
                    const std::vector<double> v = Records({overlay[i]}, " 9 ")[0];
                    near = near || (std::hypot(v[0] - x, v[1] - y) < 0.7 && v[4] == 210);
                }
                EXPECT_TRUE(near) << text;
            }
            EXPECT_FALSE(labels.empty());
            // Every weld of the legend carries its number in a box beside
            // its line (record 24 and the centred text «n»).
            for (size_t k = 0; k < c.legend.size(); ++k) {
                const std::string boxed = " 210 \xAE" + std::to_string(k + 1) + "\xAF";
                EXPECT_NE(std::find_if(overlay.begin(), overlay.end(),
                                       [&](const std::string& l) {
                                           return l.compare(0, 4, " 10 ") == 0 && l.size() > boxed.size() &&
                                                  l.compare(l.size() - boxed.size(), boxed.size(), boxed) == 0;
                                       }),
                          overlay.end())
                    << "weld number " << k + 1;
            }
            EXPECT_FALSE(Records(overlay, " 24  ").empty());
            // Set on the page, no text of the picture or beside it touches
            // another.
            FILE* f = testutil::Stream_With(raw);
            OliDocument doc;
            OLI_Read_Document(f, &doc);
            std::fclose(f);
            std::vector<OliTextBox> boxes;
            ASSERT_GE(OLI_Render_Text_Boxes(doc, &boxes), 1);
            for (size_t i = 0; i < boxes.size(); ++i)
                for (size_t j = i + 1; j < boxes.size(); ++j) {
                    const OliTextBox &a = boxes[i], &b = boxes[j];
                    if (a.page != b.page || a.kind == OLI_TEXT_FOOT || b.kind == OLI_TEXT_FOOT) continue;
                    EXPECT_FALSE(a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h)
                        << a.text << " / " << b.text;
                }
            EXPECT_NE(std::find(all.begin() + (long)pictures[1], all.end(), c.move), all.end());
            // The text after the overlay starts below its point labels: no
            // move back up into the picture.
            const auto end = std::find(all.begin() + (long)pictures[1], all.end(), " -1");
            ASSERT_LT(end + 2, all.end());
            EXPECT_NE(*(end + 2), "256 -0.5");
        }
        Set_Weld_Check_Picture_Drawer(nullptr);
    }
    Set_Weld_Check_Picture_Drawer(old);
}


// The overlay of a load case is written again, with the state it left,
// while everything that decides its bytes is as in the case before; a
// changed input, a changed picture state on entry or an open plot file
// draw it anew.
TEST(WeldCheckPicture, OverlayKeptOnlyWhileWhatDecidesItIsTheSame) {
    const Weld_Check_Picture_Drawer old = Set_Weld_Check_Picture_Drawer(nullptr);
    Install_Weld_Check_Picture();
    // One list stream throughout (the stream is part of the state).
    FILE* list = std::tmpfile();
    ASSERT_NE(list, nullptr);
    Oli_Writer_State start;
    Oli_Get_Writer_State(&start);
    // One case of the I with flange welds of throat a, from the start state
    // with a count of element faults: the list and the state left behind.
    auto run = [&](double a, int faults) {
        Oli_Writer_State s = start;
        s.picture.element_faults = faults;
        Oli_Set_Writer_State(s);
        SchweissnahtNachweis r = Welded(4, 300, 8, 150, 12, {0, 3}, a, false);
        EXPECT_EQ(Calc_Weld_Check(&r, list, 1, 0, 1, 0), 0);
        Oli_Writer_State after;
        Oli_Get_Writer_State(&after);
        std::string state;
        Oli_Append_Writer_State(after, &state);
        return std::pair{Take_Stream(list), state};
    };
    // The overlay: from its picture block on; its weld lines are as wide
    // as the throat (record " 4 "), 7 mm and more at the widest pen, 6.
    auto overlay = [](const std::string& raw) {
        const std::vector<std::string> all = All_Lines(raw);
        std::vector<size_t> at;
        for (size_t i = 0; i < all.size(); ++i)
            if (all[i] == "#SHOWGRAFIC") at.push_back(i);
        return at.size() == 2 ? std::vector<std::string>(all.begin() + (long)at[1], all.end())
                              : std::vector<std::string>{};
    };
    auto has = [](const std::vector<std::string>& lines, const char* line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    // Same list and state (not printed: the state is bytes).
    auto same = [](const std::pair<std::string, std::string>& a, const std::pair<std::string, std::string>& b) {
        return ::testing::AssertionResult(a.first == b.first && a.second == b.second)
               << (a.first == b.first ? "" : "list differs; ") << (a.second == b.second ? "" : "state differs");
    };
    // A case before, so that each case starts behind the text of another
    // (drawn: another throat).
    run(7.0, 0);
    const auto first = run(5.0, 0);
    ASSERT_TRUE(has(overlay(first.first), " 4 5"));
    EXPECT_TRUE(same(run(5.0, 0), first));
    const auto thicker = run(7.0, 0);
    EXPECT_TRUE(has(overlay(thicker.first), " 4 6"));
    EXPECT_FALSE(has(overlay(thicker.first), " 4 7"));
    EXPECT_FALSE(has(overlay(thicker.first), " 4 5"));
    EXPECT_TRUE(same(run(5.0, 0), first));
    // Faults counted before: the same bytes, the count kept as it was.
    const auto faults = run(5.0, 3);
    EXPECT_TRUE(faults.first == first.first);
    EXPECT_EQ(Oli_Element_Faults(), 3);
    EXPECT_TRUE(same(run(5.0, 3), faults));
    EXPECT_TRUE(same(run(5.0, 0), first));
    // A plot file open: the same list, and the overlay in the plot file.
    FILE* plot = std::tmpfile();
    ASSERT_NE(plot, nullptr);
    PlotFile_Open_Color(plot, 0, 0, 10, 10, 1.0, 0.0, "T");
    EXPECT_TRUE(run(5.0, 0).first == first.first);
    // The end of the top weld line, (-75, 150) in the overlay's world: the
    // profile's picture has no point left of its edge.
    EXPECT_NE(testutil::Stream_All(plot).find(" -75.000000 150.000000"), std::string::npos);
    PlotFile_Close();
    EXPECT_TRUE(same(run(5.0, 0), first));
    Oli_Set_Writer_State(start);
    std::fclose(list);
    Set_Weld_Check_Picture_Drawer(old);
}
