// The picture of the weld line cross-section in the weld check's report:
// heading, profile picture, end points on top of it, the legend in place of
// the weld list.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "base/cp850.h"
#include "platform/oli_layout_check.h"
#include "platform/oli_view.h"
#include "printlist/ioliplot.h"
#include "printlist/list_capture.h"
#include "printlist/picture_capture.h"
#include "printlist/plotfile.h"
#include "printlist/laid_out.h"
#include "support/testutil.h"
#include "printlist/verdict_lines.h"
#include "weldapp/batch_desktop.h"
#include "profiles/stahlprofil.h"
#include "weldapp/weld_check_picture.h"
#include "weldcheck/weld_check.h"

namespace test_weld_check_picture {
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

// Every face the profile's layout offers welded with throat a, numbered as
// a new connection lays them out; the count of the layout's positions.
int Weld_Every_Face(SchweissnahtNachweis* r, double a) {
    double length[WELD_CHECK_WELDS] = {};
    int number[WELD_CHECK_WELDS] = {};
    const int n = Get_Profile_Plate_Elements(&r->profile, length, number);
    for (int k = 0; k < n && k < WELD_CHECK_WELDS; ++k) r->a[k] = number[k] > 0 ? a : 0.0, r->number[k] = number[k];
    return n;
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
            const auto& [doc, boxes, ink, pages] = Lay_Out(raw);
            ASSERT_GE(pages, 1);
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
}


// The overlay of a load case is written again, with the state it left,
// while everything that decides its bytes is as in the case before; a
// changed input, a changed picture state on entry or an open plot file
// draw it anew.
TEST(WeldCheckPicture, OverlayKeptOnlyWhileWhatDecidesItIsTheSame) {
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
}

namespace {

// One weld of a list's end-point table: its number and the y' and z' (mm)
// of its points 0 and 1 as printed.
struct Printed_Ends {
    int number;
    double y[2], z[2];
};

// The first end-point table ("Endpunkte der Nähte:") of a list.
std::vector<Printed_Ends> End_Point_Table(const std::string& raw) {
    std::vector<Printed_Ends> out;
    const size_t at = raw.find("Endpunkte der N");
    if (at == std::string::npos) return out;
    // The heading stands in a block of its own, the points in the next.
    const size_t end = raw.find("#END_OF_TEXT", raw.find("Pkt. ", at));
    for (const std::string& l : All_Lines(raw.substr(at, end == std::string::npos ? end : end - at))) {
        const size_t naht = l.find("Naht "), pkt = l.find("Pkt. "), y = l.find("y' = "), z = l.find("z' = ");
        if (pkt == std::string::npos || y == std::string::npos || z == std::string::npos) continue;
        if (naht < pkt) out.push_back({std::atoi(l.c_str() + naht + 5), {}, {}});
        const int i = std::atoi(l.c_str() + pkt + 5);
        if (out.empty() || (i != 0 && i != 1)) continue;
        out.back().y[i] = std::strtod(l.c_str() + y + 5, nullptr);
        out.back().z[i] = std::strtod(l.c_str() + z + 5, nullptr);
    }
    return out;
}

// What stands wrong with the point numbers of the list's first weld-check
// picture, set on the page: one line per weld. The end points come from the
// list's end-point table; the profile's picture shows them with 0.65 cm
// margins on every side, y' growing to the left and z' downwards, so that
// a point lies at (left + 0.65 + (y'max - y') s, top + 0.65 + (z' - z'min) s).
// The numbers of one weld are a "0" set right before a "1"; the "0" must
// stand nearer point 0 than the "1" does, and each within 0.7 cm of its
// point and no further along the weld than a third of it.
std::vector<std::string> Point_Number_Faults(const std::string& raw) {
    const std::vector<Printed_Ends> welds = End_Point_Table(raw);
    if (welds.empty()) return {"no end-point table"};
    const auto& [doc, boxes, ink, pages] = Lay_Out(raw);
    if (pages < 1) return {"not laid out"};
    std::vector<std::pair<const OliTextBox*, const OliTextBox*>> pairs;
    for (size_t i = 0; i + 1 < boxes.size(); ++i)
        if (boxes[i].kind == OLI_TEXT_PICTURE && boxes[i].text == "0" && boxes[i + 1].text == "1" &&
            boxes[i + 1].block == boxes[i].block && (pairs.empty() || boxes[i].block == pairs[0].first->block))
            pairs.push_back({&boxes[i], &boxes[i + 1]});
    if (pairs.size() != welds.size()) return {std::to_string(pairs.size()) + " pairs of point numbers"};
    // The profile's picture: the last one placed before the overlay.
    const OliInk* place = nullptr;
    for (const OliInk& k : ink)
        if (k.kind == OLI_INK_PICTURE && k.block < pairs[0].first->block) place = &k;
    if (!place) return {"no profile picture"};
    double y_min = 1e9, y_max = -1e9, z_min = 1e9, z_max = -1e9;
    for (const Printed_Ends& w : welds)
        for (int i = 0; i < 2; ++i)
            y_min = std::min(y_min, w.y[i]), y_max = std::max(y_max, w.y[i]), z_min = std::min(z_min, w.z[i]),
            z_max = std::max(z_max, w.z[i]);
    const double m = 0.65, s = (place->xy[2] - place->xy[0] - 2 * m) / (y_max - y_min);
    if (std::fabs((place->xy[3] - place->xy[1] - 2 * m) / (z_max - z_min) - s) > 0.01 * s)
        return {"the picture is not the welds' extent with 0.65 cm margins"};
    std::vector<std::string> faults;
    std::vector<bool> used(pairs.size(), false);
    for (const Printed_Ends& w : welds) {
        double px[2], py[2];
        for (int i = 0; i < 2; ++i)
            px[i] = place->xy[0] + m + (y_max - w.y[i]) * s, py[i] = place->xy[1] + m + (w.z[i] - z_min) * s;
        const double len = std::hypot(px[1] - px[0], py[1] - py[0]);
        const double ux = (px[1] - px[0]) / len, uy = (py[1] - py[0]) / len;
        bool found = false;
        for (size_t k = 0; k < pairs.size() && !found; ++k) {
            double cx[2], cy[2], along[2], off[2];
            const OliTextBox* b[2] = {pairs[k].first, pairs[k].second};
            for (int i = 0; i < 2; ++i) {
                cx[i] = b[i]->x + b[i]->w / 2, cy[i] = b[i]->y + b[i]->h / 2;
                const double sign = i == 0 ? 1.0 : -1.0;  // into the weld from its own point
                along[i] = sign * ((cx[i] - px[i]) * ux + (cy[i] - py[i]) * uy);
                off[i] = std::hypot(cx[i] - px[i], cy[i] - py[i]);
            }
            found = !used[k] && off[0] < 0.7 && off[1] < 0.7 && along[0] <= len / 3 && along[1] <= len / 3 &&
                    off[0] < std::hypot(cx[1] - px[0], cy[1] - py[0]);
            if (found) used[k] = true;
        }
        if (!found)
            faults.push_back("weld " + std::to_string(w.number) + " from (" + std::to_string(px[0]) + ", " +
                             std::to_string(py[0]) + ") to (" + std::to_string(px[1]) + ", " + std::to_string(py[1]) +
                             ") cm: no numbers by their own ends");
    }
    return faults;
}

// Point numbers of a weld-check picture side by side on one line of text,
// less than 0.15 cm apart (the room the placement keeps): "1" "0" would
// read as the number 10.
std::vector<std::string> Numbers_Side_By_Side(const std::string& raw) {
    const auto& [doc, b, ink, pages] = Lay_Out(raw);
    std::vector<std::string> faults;
    auto digit = [](const OliTextBox& t) {
        return t.kind == OLI_TEXT_PICTURE && t.text.size() == 1 && std::isdigit(static_cast<unsigned char>(t.text[0]));
    };
    for (size_t i = 0; i < b.size(); ++i)
        for (size_t j = i + 1; j < b.size(); ++j)
            if (digit(b[i]) && digit(b[j]) && b[i].page == b[j].page &&
                std::min(b[i].y + b[i].h, b[j].y + b[j].h) - std::max(b[i].y, b[j].y) > 0.3 * b[i].h &&
                std::max(b[i].x, b[j].x) - std::min(b[i].x + b[i].w, b[j].x + b[j].w) < 0.15)
                faults.push_back("\"" + b[i].text + "\" beside \"" + b[j].text + "\" at " + std::to_string(b[i].x));
    return faults;
}

}  // namespace

// Point numbers by their own end, the ends read from the list's own table
// (the detailed report with every chapter prints it), and none side by side
// with a number of another weld: every weld of the
// end-plate example (HE 280 A welded all round, four 13 mm welds at the
// flange tips), and a welded T 200 x 200 x 10 x 12 all round, whose flange
// tip welds are 12 mm and its web's end weld 10 mm long (at 4.2 / 200 cm
// per mm about 0.25 cm: the first place 0.2 cm along such a weld is by its
// other end).
TEST(WeldCheckPicture, PointNumbersStandByTheirOwnEnd) {
    Desktop d;
    d.Add("he280a_end_plate", "A001");
    const std::string path = d.project + "/A001_01.INP", shipped = " 1 0 1 1 1 5.000000 0 1 1 1 1 1 0 0 0.000000\n";
    std::string input = testutil::Read_File(path);
    ASSERT_NE(input.find(shipped), std::string::npos);
    input.replace(input.find(shipped), shipped.size(), " 1 1 1 1 2 5.000000 1 1 1 1 1 1 0 0 0.000000\n");
    testutil::Write_File(path, input);
    ASSERT_EQ(d.Run("A001 0 1 1 -refresh"), 1) << d.err;
    const std::string a001 = d.File("A001_01.OLI");
    // The list up to the first end-point table: the picture stands before it.
    const size_t table_end =
        a001.find("\n#", a001.find("#END_OF_TEXT", a001.find("Pkt. ", a001.find("Endpunkte der N"))) + 1);
    ASSERT_NE(table_end, std::string::npos);
    EXPECT_EQ(End_Point_Table(a001).size(), 12u);
    for (const std::string& fault : Point_Number_Faults(a001.substr(0, table_end + 1)))
        ADD_FAILURE() << "A001: " << fault;
    for (const std::string& fault : Numbers_Side_By_Side(a001.substr(0, table_end + 1)))
        ADD_FAILURE() << "A001: " << fault;

    Install_Weld_Check_Picture();
    SchweissnahtNachweis r = Welded(PROFILTYP_T, 200, 10, 200, 12, {0, 1, 5, 2, 6, 8, 10, 9}, 4.0, true);
    ListCapture l;
    EXPECT_EQ(Calc_Weld_Check(&r, l.f(), 2, 1, 1, 1), 0);
    const std::string tee = l.Take();
    EXPECT_EQ(End_Point_Table(tee).size(), 8u);
    for (const std::string& fault : Point_Number_Faults(tee)) ADD_FAILURE() << "T: " << fault;
    for (const std::string& fault : Numbers_Side_By_Side(tee)) ADD_FAILURE() << "T: " << fault;
}

namespace {

// A weld line of a picture (its ends, paper cm) and its drawn half width.
struct Drawn_Line {
    double x1, y1, x2, y2, half;
};

// The distance of the segment a-b from the box [x1, x2] x [y1, y2]: 0 when
// a piece of it lies inside.
double Box_Distance(double ax, double ay, double bx, double by, double x1, double y1, double x2, double y2) {
    // The piece of the segment inside the box (clipped parameter by parameter).
    double t0 = 0.0, t1 = 1.0;
    const double p[4] = {-(bx - ax), bx - ax, -(by - ay), by - ay}, q[4] = {ax - x1, x2 - ax, ay - y1, y2 - ay};
    for (int k = 0; k < 4; ++k) {
        if (p[k] < 0.0) t0 = std::max(t0, q[k] / p[k]);
        if (p[k] > 0.0) t1 = std::min(t1, q[k] / p[k]);
        if (p[k] == 0.0 && q[k] < 0.0) t1 = -1.0;  // along an edge, outside it
    }
    if (t0 <= t1) return 0.0;
    auto to_box = [&](double x, double y) {
        return std::hypot(std::max({x1 - x, 0.0, x - x2}), std::max({y1 - y, 0.0, y - y2}));
    };
    auto to_segment = [&](double x, double y) {
        const double dx = bx - ax, dy = by - ay, l2 = dx * dx + dy * dy;
        const double t = l2 > 0.0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / l2, 0.0, 1.0) : 0.0;
        return std::hypot(ax + t * dx - x, ay + t * dy - y);
    };
    return std::min({to_box(ax, ay), to_box(bx, by), to_segment(x1, y1), to_segment(x1, y2), to_segment(x2, y1),
                     to_segment(x2, y2)});
}

// The weld number boxes (record 24) of every weld-check picture of a list
// that meet a weld line drawn at its pen's width (record 4: pen 1 0.18 mm,
// 2 0.25, 3 0.35, 4 0.5, 5 0.7, 6 1.0, any other 0.25 mm), one line each.
// The weld-check picture is the second picture after its heading; a weld
// line is an element of lines alone (the end points' dots and the number
// boxes are areas with their outline), and an element gives back the pen
// it found.
std::vector<std::string> Number_Box_Faults(const std::string& raw, int* pictures) {
    static const double kPenMm[7] = {0.25, 0.18, 0.25, 0.35, 0.5, 0.7, 1.0};
    const std::vector<std::string> all = All_Lines(raw);
    std::vector<std::string> faults;
    *pictures = 0;
    for (size_t h = 0; h < all.size(); ++h) {
        if (all[h].find("HBerechnungsquerschnitt:") == std::string::npos) continue;
        size_t i = h;
        for (int n = 0; n < 2 && i < all.size(); ++i) n += all[i] == "#SHOWGRAFIC";
        ++*pictures;
        std::vector<Drawn_Line> welds, element;
        std::vector<std::vector<double>> boxes;
        std::vector<int> pens{0};
        bool area = false;
        for (; i < all.size() && all[i] != " -1"; ++i) {
            const std::string& l = all[i];
            if (l == " 30") pens.push_back(pens.back()), element.clear(), area = false;
            if (l == " 31" && pens.size() > 1) {
                pens.pop_back();
                if (!area) welds.insert(welds.end(), element.begin(), element.end());
            }
            if (l.compare(0, 3, " 4 ") == 0) pens.back() = std::atoi(l.c_str() + 3);
            area = area || l.compare(0, 4, " 18 ") == 0 || l.compare(0, 4, " 24 ") == 0;
            const bool line = l.compare(0, 4, " 1  ") == 0, box = l.compare(0, 5, " 24  ") == 0;
            const std::vector<std::vector<double>> v = Records({l}, line ? " 1  " : " 24  ");
            if ((!line && !box) || v.size() != 1 || v[0].size() != 4) continue;
            const double half = kPenMm[pens.back() >= 1 && pens.back() <= 6 ? pens.back() : 0] / 20.0;
            if (line) element.push_back({v[0][0], v[0][1], v[0][2], v[0][3], half});
            if (box) boxes.push_back(v[0]);
        }
        if (boxes.empty() || welds.empty()) faults.push_back("line " + std::to_string(h + 1) + ": no boxes or welds");
        for (const std::vector<double>& b : boxes)
            for (const Drawn_Line& k : welds)
                if (Box_Distance(k.x1, k.y1, k.x2, k.y2, std::min(b[0], b[2]), std::min(b[1], b[3]),
                                 std::max(b[0], b[2]), std::max(b[1], b[3])) < k.half - 1e-9)
                    faults.push_back("line " + std::to_string(h + 1) + ": box " + std::to_string(b[0]) + " " +
                                     std::to_string(b[1]) + " over the weld from " + std::to_string(k.x1) + " " +
                                     std::to_string(k.y1) + " to " + std::to_string(k.x2) + " " + std::to_string(k.y2));
    }
    return faults;
}

}  // namespace

// The weld numbers of the four examples' weld-check pictures, one for each
// load case (ten each of the end plate and the hollow section, three of the
// flat bar; the DIN check draws none), stand in boxes that no weld line
// reaches at its drawn width: the end plate's 7 mm welds at pen 6 (0.5 mm
// either side), the hollow section's 5 mm at pen 5, the flat bar's 6 mm at pen 6.
TEST(WeldCheckPicture, WeldNumberBoxesClearOfTheDrawnWelds) {
    Desktop d;
    const struct {
        const char *example, *id;
        int pictures;
    } examples[] = {{"he280a_end_plate", "A001", 10}, {"rhs_160x80", "B001", 10}, {"flat_bar", "C001", 3},
                    {"din_he200a", "D001", 0}};
    for (const auto& e : examples) {
        d.Add(e.example, e.id);
        ASSERT_EQ(d.Run(std::string(e.id) + " 0 1 1 -refresh"), 1) << e.id << d.err;
        int pictures = 0;
        for (const std::string& fault : Number_Box_Faults(d.File(std::string(e.id) + "_01.OLI"), &pictures))
            ADD_FAILURE() << e.id << ": " << fault;
        EXPECT_EQ(pictures, e.pictures) << e.id;
    }
}

// An angle 120 x 80 x 10 welded on the four faces of its legs (slots 0 and 1
// of leg b, 2 and 6 of leg h): the weld check lays leg h along z, so the
// picture shows it upright (taller than wide) and every weld line drawn
// over the profile lies on an edge of its outline (both ends within 0.01
// cm of one edge); no text overprints another and no number stands on a
// line or the profile.
TEST(WeldCheckPicture, AngleWeldsOnTheFacesOfItsUprightOutline) {
    Install_Weld_Check_Picture();
    SchweissnahtNachweis r = Welded(PROFILTYP_L, 120, 10, 80, 10, {0, 1, 2, 6}, 5.0, false);
    ListCapture l;
    EXPECT_EQ(Calc_Weld_Check(&r, l.f(), 2, 1, 1, 1), 0);
    const auto& [doc, boxes, ink, pages] = Lay_Out(l.Take());
    ASSERT_GE(pages, 1);
    for (const std::string& fault : OLI_Layout_Faults(doc, ""))
        if (fault.find("overprints") != std::string::npos || fault.find("number") != std::string::npos)
            ADD_FAILURE() << fault;
    // The profile's picture and the overlay on it: the first two pictures.
    std::vector<const OliInk*> places;
    for (const OliInk& k : ink)
        if (k.kind == OLI_INK_PICTURE) places.push_back(&k);
    ASSERT_GE(places.size(), 2u);
    EXPECT_GT(places[0]->xy[3] - places[0]->xy[1], places[0]->xy[2] - places[0]->xy[0]) << "leg h not upright";
    auto near = [](const OliInk& e, double x, double y) {  // within 0.01 cm of the edge e
        return Box_Distance(e.xy[0], e.xy[1], e.xy[2], e.xy[3], x, y, x, y) < 0.01;
    };
    int welds = 0;
    for (const OliInk& w : ink) {
        if (w.kind != OLI_INK_LINE || w.block != places[1]->block || w.width < 0.03) continue;
        ++welds;
        bool on_edge = false;
        for (const OliInk& e : ink)
            on_edge = on_edge || (e.kind == OLI_INK_LINE && e.block == places[0]->block && near(e, w.xy[0], w.xy[1]) &&
                                  near(e, w.xy[2], w.xy[3]));
        EXPECT_TRUE(on_edge) << "weld from " << w.xy[0] << " " << w.xy[1] << " to " << w.xy[2] << " " << w.xy[3];
    }
    EXPECT_EQ(welds, 4);
}

// An I 300 x 8 x b x 12 whose flange welds are split at the web axis (top
// weld 12, bottom weld 2, web welds 3 and 4; each half b/2 long): the boxes
// name the halves as the legend does, and the legend fits where it stands.
// Scale s = min(15.2 / b, 4.2 / 300) cm per mm, picture w = b s + 2 * 0.65:
// b = 150 gives 3.4 cm, and the legend (10.3 cm of line) beside it starts
// its names 1.5 cm right of the picture; b = 500 gives 8.3 cm, too wide for
// it (8.3 + 10.3 > 17), so the names start 0.65 + 1.5 cm from the margin,
// below the picture.
TEST(WeldCheckPicture, SplitFlangeWeldsNamedByHalvesAndTheLegendFits) {
    Install_Weld_Check_Picture();
    for (const auto& [b, name_x] : {std::pair{150.0, 3.4 + 1.5}, std::pair{500.0, 0.65 + 1.5}}) {
        SCOPED_TRACE(b);
        SchweissnahtNachweis r = Welded(4, 300, 8, b, 12, {0, 3, 2, 6, 12, 13}, 5.0, false);
        const int numbers[6][2] = {{0, 12}, {12, 32}, {3, 2}, {13, 22}, {2, 3}, {6, 4}};
        for (const auto& [k, n] : numbers) r.number[k] = n;
        r.l[0] = r.l[12] = r.l[3] = r.l[13] = b / 2;
        r.shear_split = 2;
        ListCapture l;
        ASSERT_EQ(Calc_Weld_Check(&r, l.f(), 1, 0, 1, 0), 0);
        const std::string raw = l.Take();
        const std::vector<std::string> text = Text_Lines(raw), all = All_Lines(raw);
        char half[64];
        std::snprintf(half, sizeof half, "╬ta╬\\w╬r = 5.0 mm╬tl╬\\w╬r = %.1f mm"_cp, b / 2);
        for (const char* n : {"12a", "12b", "2a", "2b"})
            EXPECT_EQ(std::count(text.begin(), text.end(), "╬tNaht "_cp + std::string(n) + ": " + half), 1) << n;
        // Boxed names: record 10, centred (210), one per weld line.
        std::vector<std::string> boxed;
        for (const std::string& line : all)
            if (line.compare(0, 4, " 10 ") == 0 && line.find(" 210 \xAE") != std::string::npos)
                boxed.push_back(line.substr(line.find('\xAE') + 1, line.find('\xAF') - line.find('\xAE') - 1));
        std::sort(boxed.begin(), boxed.end());
        EXPECT_EQ(boxed, (std::vector<std::string>{"12a", "12b", "2a", "2b", "3", "4"}));
        // Set on the page: the legend's names where the rule puts them, each
        // ending before its throat; nothing overprints another text.
        const auto& [doc, boxes, ink, pages] = Lay_Out(raw);
        ASSERT_GE(pages, 1);
        double margin = -1.0;
        int names = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            const OliTextBox& t = boxes[i];
            if (t.text == "Berechnungsquerschnitt:"_cp) margin = t.x;
            if (t.kind == OLI_TEXT_PARA && t.text.compare(0, 5, "Naht ") == 0 && t.text.back() == ':') {
                ++names;
                EXPECT_NEAR(t.x - margin, name_x, 0.05) << t.text;
                ASSERT_LT(i + 1, boxes.size());
                EXPECT_LT(t.x + t.w + 0.1, boxes[i + 1].x) << t.text;
                EXPECT_NEAR(boxes[i + 1].y, t.y, 0.02) << boxes[i + 1].text;
            }
        }
        EXPECT_EQ(names, 6);
        for (const std::string& fault : OLI_Layout_Faults(doc, ""))
            if (fault.find("overprints") != std::string::npos) ADD_FAILURE() << fault;
    }
}

namespace {

// A label of a weld-check picture, paper cm: its box and, for a point
// number, its digit.
struct Drawn_Label {
    double x1, y1, x2, y2;
    char digit;  // 0 for a weld's box
};

// The centre of a " 18 n x y x y ..." polygon record.
std::pair<double, double> Polygon_Centre(const std::vector<double>& v) {
    double x = 0.0, y = 0.0;
    const size_t n = static_cast<size_t>(v[0]);
    for (size_t i = 0; i < n; ++i) x += v[1 + 2 * i], y += v[2 + 2 * i];
    return {x / static_cast<double>(n), y / static_cast<double>(n)};
}

// What reads wrong in the first weld-check picture of a list: labels one
// over another, point numbers that run together (one line of text, less
// than the 0.15 cm the placement keeps apart), a point number nearer a
// weld's box than any end point, the letter of a mark further than 0.5 cm
// from its dot (the farthest a mark on the profile puts its letter to stand
// beside the profile), and a mark's dot (0.1 cm) or its letter's point outside the
// picture's window (its record's paper corners).
std::vector<std::string> Label_Faults(const std::string& raw) {
    const std::vector<std::string> all = All_Lines(raw);
    std::vector<size_t> at;
    for (size_t i = 0; i < all.size() && at.size() < 2; ++i)
        if (all[i] == "#SHOWGRAFIC") at.push_back(i);
    if (at.size() < 2) return {"no picture"};
    std::vector<std::string> faults;
    // The marks of the profile's picture: each letter after its dot.
    std::pair<double, double> dot{0.0, 0.0};
    const std::vector<double> w = Records({" " + all[at[0] + 4]}, " ")[0];  // x1 x2 y1 y2
    auto outside = [&](double x, double y, double r) {
        return x - r < std::min(w[0], w[1]) || x + r > std::max(w[0], w[1]) || y - r < std::min(w[2], w[3]) ||
               y + r > std::max(w[2], w[3]);
    };
    for (size_t i = at[0]; i < at[1]; ++i) {
        if (all[i].compare(0, 7, " 18 32 ") == 0) dot = Polygon_Centre(Records({all[i]}, " 18 ")[0]);
        if (all[i].compare(0, 3, " 9 ") == 0 && (all[i].find("\xAEM\xAF") != std::string::npos ||
                                                  all[i].find("\xAES\xAF") != std::string::npos)) {
            const std::vector<double> v = Records({all[i]}, " 9 ")[0];
            if (std::hypot(v[0] - dot.first, v[1] - dot.second) > 0.5 + 1e-6)
                faults.push_back("a mark's letter " + std::to_string(std::hypot(v[0] - dot.first, v[1] - dot.second)) +
                                 " cm from its dot");
            if (outside(dot.first, dot.second, 0.05) || outside(v[0], v[1], 0.0))
                faults.push_back("a mark or its letter outside the picture at " + std::to_string(dot.first));
        }
    }
    std::vector<Drawn_Label> labels;
    std::vector<std::pair<double, double>> ends;
    for (size_t i = at[1]; i < all.size() && all[i] != " -1"; ++i) {
        const std::string& l = all[i];
        if (l.compare(0, 7, " 18 32 ") == 0) ends.push_back(Polygon_Centre(Records({l}, " 18 ")[0]));
        if (l.compare(0, 5, " 24  ") == 0) {
            const std::vector<double> v = Records({l}, " 24  ")[0];
            labels.push_back({std::min(v[0], v[2]), std::min(v[1], v[3]), std::max(v[0], v[2]), std::max(v[1], v[3]), 0});
        }
        // A point number: 0.9 text heights (0.2 cm) wide a digit, one high.
        if (l.compare(0, 3, " 9 ") == 0 && l.size() > 3 && l[l.size() - 3] == '\xAE') {
            const std::vector<double> v = Records({l}, " 9 ")[0];
            labels.push_back({v[0] - 0.09, v[1] - 0.1, v[0] + 0.09, v[1] + 0.1, l[l.size() - 2]});
        }
    }
    auto distance = [](const Drawn_Label& b, double x, double y) {
        return std::hypot(std::max({b.x1 - x, 0.0, x - b.x2}), std::max({b.y1 - y, 0.0, y - b.y2}));
    };
    for (size_t i = 0; i < labels.size(); ++i) {
        const Drawn_Label& a = labels[i];
        const std::string name = a.digit ? std::string("point number ") + a.digit : "a weld's box";
        for (size_t j = i + 1; j < labels.size(); ++j) {
            const Drawn_Label& b = labels[j];
            if (a.x1 < b.x2 && b.x1 < a.x2 && a.y1 < b.y2 && b.y1 < a.y2)
                faults.push_back(name + " over another label at " + std::to_string(a.x1) + " " + std::to_string(a.y1));
            else if (a.digit && b.digit && a.y1 < b.y2 && b.y1 < a.y2 &&
                     std::max(a.x1, b.x1) - std::min(a.x2, b.x2) < 0.15)
                faults.push_back(std::string("point numbers ") + a.digit + b.digit + " run together at " +
                                 std::to_string(a.x1) + " " + std::to_string(a.y1));
        }
        if (!a.digit) continue;
        const double x = (a.x1 + a.x2) / 2, y = (a.y1 + a.y2) / 2;
        double end = 1e9, box = 1e9;
        for (const auto& [ex, ey] : ends) end = std::min(end, std::hypot(ex - x, ey - y));
        for (const Drawn_Label& b : labels)
            if (!b.digit) box = std::min(box, distance(b, x, y));
        if (!(end < box)) faults.push_back(name + " nearer a weld's box than any end at " + std::to_string(x) + " " +
                                           std::to_string(y));
    }
    return faults;
}

}  // namespace

// Every family, small and large, welded all round where it can be (each
// face its weld, as a new connection lays them out), and the tall I and H
// whose flange tips are shortest on the picture (900 x 25 x 300 x 25, and
// 1008 x 21 x 302 x 40, the largest HE, at the picture's 12 cm: tips of
// 0.31 and 0.44 cm): in the weld check's picture no label stands on
// another, no two point numbers run together, every point number stands
// nearer an end point than any weld's box, and the letters S and M stand
// beside their dots inside the picture (the shear centre of the small
// channel lies e = 3 b'² t_f / (6 b' t_f + h' t_w) = 3 35.5² 7 / (6 35.5 7
// + 43 5) = 15.5 mm from its web's middle, 13 mm beyond the web's back: 1.6
// cm on its 7 cm picture, beyond the usual margin of 0.65 cm).
TEST(WeldCheckPicture, LabelsReadAsWhatTheyAreForEveryFamily) {
    struct Case {
        const char* name;
        int type;
        double h, t_w, b, t_f;
    } const cases[] = {
        {"I small", PROFILTYP_I, 120, 4.4, 64, 6.3},     {"I large", PROFILTYP_I, 400, 8.6, 180, 13.5},
        {"H small", PROFILTYP_H, 96, 5, 100, 8},         {"H large", PROFILTYP_H, 500, 14.5, 300, 28},
        {"I tall", PROFILTYP_I, 900, 25, 300, 25},       {"H tall", PROFILTYP_H, 1008, 21, 302, 40},
        {"T small", PROFILTYP_T, 60, 6, 60, 7},          {"T large", PROFILTYP_T, 300, 12, 300, 20},
        {"half I small", PROFILTYP_HALB_I, 60, 4.4, 64, 6.3}, {"half I large", PROFILTYP_HALB_I, 300, 12, 220, 19},
        {"U small", PROFILTYP_U, 50, 5, 38, 7},          {"U large", PROFILTYP_U, 400, 14, 110, 18},
        {"C small", PROFILTYP_C, 76, 4.3, 35, 6.9},      {"C large", PROFILTYP_C, 380, 13, 94, 16.5},
        {"L small", PROFILTYP_L, 30, 3, 30, 3},          {"L large", PROFILTYP_L, 200, 20, 150, 20},
        {"RHS small", PROFILTYP_RECHTECK, 40, 2.6, 40, 2.6}, {"RHS large", PROFILTYP_RECHTECK, 300, 10, 200, 10},
        {"CHS small", PROFILTYP_ROHR, 33.7, 2.6, 0, 0},  {"CHS large", PROFILTYP_ROHR, 508, 12.5, 0, 0},
        {"flat small", PROFILTYP_FLACH, 40, 10, 0, 0},   {"flat large", PROFILTYP_FLACH, 400, 20, 0, 0},
        {"round small", PROFILTYP_RUND, 20, 0, 0, 0},    {"round large", PROFILTYP_RUND, 60, 0, 0, 0},
    };
    Install_Weld_Check_Picture();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SchweissnahtNachweis r = Welded(c.type, c.h, c.t_w, c.b, c.t_f, {}, 4.0, true);
        ASSERT_GT(Weld_Every_Face(&r, 4.0), 0);
        ListCapture l;
        EXPECT_EQ(Calc_Weld_Check(&r, l.f(), 1, 0, 1, 0), 0);
        for (const std::string& fault : Label_Faults(l.Take())) ADD_FAILURE() << fault;
    }
}

// Rolled sections, whose rounded corners (an angle's toes, a channel's
// roots) carry no weld line, welded all round: the angle 200 x 100 x 10 (r
// 15 and 7.5 mm) and the channel 380 x 102 x 13.5 x 16 (r 16 and 8 mm), as
// the profile tables give them. Set on the page, no point number has a
// line or the profile's hatch over it or under it.
TEST(WeldCheckPicture, NumbersOffTheRoundedCornersOfRolledSections) {
    const struct {
        int type;
        double h, t_w, b, t_f, r_1, r_2;
    } cases[] = {{PROFILTYP_L, 200, 10, 100, 10, 15, 7.5}, {PROFILTYP_U, 380, 13.5, 102, 16, 16, 8}};
    Install_Weld_Check_Picture();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        SchweissnahtNachweis r = Welded(c.type, c.h, c.t_w, c.b, c.t_f, {}, 4.0, true);
        r.profile.rolled = 1, r.profile.r_1 = c.r_1, r.profile.r_2 = c.r_2;
        ASSERT_EQ(Calc_Profile_Cross_Section(&r.profile, nullptr, 0, nullptr), 0);
        Weld_Every_Face(&r, 4.0);
        ListCapture l;
        EXPECT_EQ(Calc_Weld_Check(&r, l.f(), 1, 0, 1, 0), 0);
        const auto& [doc, boxes, ink, pages] = Lay_Out(l.Take());
        ASSERT_GE(pages, 1);
        for (const std::string& fault : OLI_Layout_Faults(doc, ""))
            if (fault.find("number") != std::string::npos) ADD_FAILURE() << fault;
    }
}

namespace {

// The records of a list's second picture (the overlay) up to its end.
std::vector<std::string> Overlay_Lines(const std::string& raw) {
    const std::vector<std::string> all = All_Lines(raw);
    std::vector<size_t> at;
    for (size_t i = 0; i < all.size(); ++i)
        if (all[i] == "#SHOWGRAFIC") at.push_back(i);
    if (at.size() < 2) return {};
    const auto end = std::find(all.begin() + (long)at[1], all.end(), " -1");
    return std::vector<std::string>(all.begin() + (long)at[1], end);
}

// The layout check's faults of a list that concern its picture texts.
std::vector<std::string> Picture_Faults(const std::string& raw) {
    const auto& [doc, boxes, ink, pages] = Lay_Out(raw);
    std::vector<std::string> out;
    for (const std::string& fault : OLI_Layout_Faults(doc, ""))
        if (fault.find("overprints") != std::string::npos || fault.find("number") != std::string::npos)
            out.push_back(fault);
    return out;
}

}  // namespace

// A round bar of 24 mm welded all round under N alone: the stresses are the
// same all round, and the four points stand on the weld where M_y and V_z
// would put them, R = 12 mm from the centroid: in the overlay's world (x =
// y', y = h/2 - z', the centroid at (0, 0)) point 0 at (0, -12), 1 at
// (0, 12), 2 at (12, 0) and 3 at (-12, 0), paper = world times s = 100 /
// 572 cm per mm (the picture's 5 cm less 0.8 hold 24 mm at 1:n, n = the
// whole number at or above 100 x 24 / 4.2 = 571.4). The weld ring is
// drawn: chords of the circle of radius 12 s. Each number stands outside the ring within 0.7 cm
// of its point, and the layout check finds no mark on a number.
TEST(WeldCheckPicture, RoundBarPointsOnTheWeldRing) {
    Install_Weld_Check_Picture();
    SchweissnahtNachweis r = Welded(PROFILTYP_RUND, 24, 0, 0, 0, {0}, 4.0, true);
    ListCapture l;
    EXPECT_EQ(Calc_Weld_Check(&r, l.f(), 1, 0, 1, 0), 0);
    const std::string raw = l.Take();
    const std::vector<std::string> overlay = Overlay_Lines(raw);
    ASSERT_FALSE(overlay.empty());
    const double s = 100.0 / 572.0, R = 12.0 * s;
    const double want[4][2] = {{0.0, -R}, {0.0, R}, {R, 0.0}, {-R, 0.0}};
    std::vector<std::pair<double, double>> dots;
    for (const std::string& x : overlay)
        if (x.compare(0, 7, " 18 32 ") == 0) dots.push_back(Polygon_Centre(Records({x}, " 18 ")[0]));
    ASSERT_EQ(dots.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(dots[i].first, want[i][0], 1e-5) << "point " << i;
        EXPECT_NEAR(dots[i].second, want[i][1], 1e-5) << "point " << i;
    }
    int chords = 0;
    for (const auto& v : Records(overlay, " 1  "))
        chords += std::fabs(std::hypot(v[0], v[1]) - R) < 1e-4 && std::fabs(std::hypot(v[2], v[3]) - R) < 1e-4;
    EXPECT_GE(chords, 32) << "no weld ring";
    for (int i = 0; i < 4; ++i) {
        const std::string text = "\xAE" + std::to_string(i) + "\xAF";
        const auto it = std::find_if(overlay.begin(), overlay.end(), [&](const std::string& x) {
            return x.compare(0, 3, " 9 ") == 0 && x.find(text) != std::string::npos;
        });
        ASSERT_NE(it, overlay.end()) << text;
        const std::vector<double> v = Records({*it}, " 9 ")[0];
        EXPECT_GT(std::hypot(v[0], v[1]), R + 0.05) << "number " << i << " inside the ring";
        EXPECT_LT(std::hypot(v[0] - want[i][0], v[1] - want[i][1]), 0.7) << "number " << i;
    }
    for (const std::string& fault : Picture_Faults(raw)) ADD_FAILURE() << fault;
}

// A welded T 80 x 8 x 160 x 10 all round: its centroid lies in the web,
// z_s = (160 10 5 + 70 8 45) / (1600 + 560) = 15.37 mm from the top, 5.4
// mm below the flange, between the end points of the web welds 4 and 5 at
// the web's top corners (y' = -+4 mm, z' = 10 mm). At s = 15.2 / 160 =
// 0.095 cm per mm the web is 0.76 cm wide: "S" stands beside the web, off
// the profile's area (no corner of its box inside the outline), and 0.1 cm
// or more clear of every end point; nothing overprints another text.
TEST(WeldCheckPicture, CentroidLetterOfATeeOffTheWebAndItsEndPoints) {
    Install_Weld_Check_Picture();
    SchweissnahtNachweis r = Welded(PROFILTYP_T, 80, 8, 160, 10, {}, 4.0, true);
    Weld_Every_Face(&r, 4.0);
    ListCapture l;
    EXPECT_EQ(Calc_Weld_Check(&r, l.f(), 1, 0, 1, 0), 0);
    const std::string raw = l.Take();
    EXPECT_NEAR(r.profile.z_s, (1600.0 * 5 + 560.0 * 45) / 2160.0, 1e-6);
    const auto& [doc, boxes, ink, pages] = Lay_Out(raw);
    ASSERT_GE(pages, 1);
    // The profile's picture and its overlay: the first two pictures; the
    // outline is the first area of the profile's picture (in paper cm).
    std::vector<const OliInk*> places;
    for (const OliInk& k : ink)
        if (k.kind == OLI_INK_PICTURE) places.push_back(&k);
    ASSERT_GE(places.size(), 2u);
    const OliInk* outline = nullptr;
    for (const OliInk& k : ink)
        if (!outline && k.kind == OLI_INK_AREA && k.block == places[0]->block) outline = &k;
    ASSERT_NE(outline, nullptr);
    auto inside = [&](double x, double y) {
        bool in = false;
        const size_t m = outline->xy.size() / 2;
        for (size_t i = 0, j = m - 1; i < m; j = i++) {
            const double xi = outline->xy[2 * i], yi = outline->xy[2 * i + 1], xj = outline->xy[2 * j],
                         yj = outline->xy[2 * j + 1];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
        }
        return in;
    };
    const OliTextBox* letter = nullptr;
    for (const OliTextBox& b : boxes)
        if (b.kind == OLI_TEXT_PICTURE && b.text == "S" && b.block == places[0]->block) letter = &b;
    ASSERT_NE(letter, nullptr);
    for (double fx : {0.0, 0.5, 1.0})
        for (double fy : {0.0, 0.5, 1.0})
            EXPECT_FALSE(inside(letter->x + fx * letter->w, letter->y + fy * letter->h)) << "S on the profile";
    // The end points: the overlay's dots (areas of 32 corners), 0.15 cm wide.
    int dots = 0;
    for (const OliInk& k : ink) {
        if (k.kind != OLI_INK_AREA || k.block != places[1]->block || k.xy.size() != 64) continue;
        ++dots;
        double cx = 0.0, cy = 0.0;
        for (size_t i = 0; i < 32; ++i) cx += k.xy[2 * i] / 32, cy += k.xy[2 * i + 1] / 32;
        const double dx = std::max({letter->x - cx, 0.0, cx - letter->x - letter->w});
        const double dy = std::max({letter->y - cy, 0.0, cy - letter->y - letter->h});
        EXPECT_GT(std::hypot(dx, dy), 0.075 + 0.1) << "S at an end point (" << cx << ", " << cy << ")";
    }
    EXPECT_EQ(dots, 16);  // welds 1 to 8, two ends each
    for (const std::string& fault : Picture_Faults(raw)) ADD_FAILURE() << fault;
}

// The legend of an I 300 x 8 x 150 x 12 whose web welds (slots 2 and 6,
// numbers 3 and 4) have a throat of 10 mm, the flange welds (1, 2) of 5
// mm: "aw = 10.0 mm" is a digit longer than "aw = 5.0 mm", and the lengths
// of every row stand at the legend's third stop (left + 7.6 cm) instead of
// the layout's next stop after each throat; the lines as the weld list
// writes them. A legend of one-digit throats sets two stops only (its
// lengths all stand at the first stop after the throats). The threshold is
// the weld list's, 9.95 mm: 9.95 takes the third stop, the double just
// below it does not.
TEST(WeldCheckPicture, LegendLengthsInOneColumn) {
    Install_Weld_Check_Picture();
    for (const double web : {10.0, 5.0, 9.95, std::nextafter(9.95, 0.0)}) {
        SCOPED_TRACE(web);
        SchweissnahtNachweis r = Welded(PROFILTYP_I, 300, 8, 150, 12, {0, 3, 2, 6}, 5.0, false);
        r.a[2] = r.a[6] = web;
        ListCapture l;
        ASSERT_EQ(Calc_Weld_Check(&r, l.f(), 1, 0, 1, 0), 0);
        const std::string raw = l.Take();
        const std::vector<std::string> text = Text_Lines(raw), all = All_Lines(raw);
        char line[128];
        for (const auto& [name, a, len] : {std::tuple{1, 5.0, 150.0}, std::tuple{2, 5.0, 150.0},
                                           std::tuple{3, web, 276.0}, std::tuple{4, web, 276.0}}) {
            std::snprintf(line, sizeof line, "╬tNaht %d: ╬ta╬\\w╬r = %.1f mm╬tl╬\\w╬r = %.1f mm"_cp, name, a, len);
            EXPECT_EQ(std::count(text.begin(), text.end(), std::string(line)), 1) << line;
        }
        // The legend's format: its tab stops after "0x0 n".
        const auto at = std::find(all.begin(), all.end(), web >= 9.95 ? "0x0 3" : "0x0 2");
        EXPECT_NE(at, all.end());
        const auto& [doc, boxes, ink, pages] = Lay_Out(raw);
        ASSERT_GE(pages, 1);
        std::vector<double> lengths;
        double margin = -1.0, name = -1.0;
        for (const OliTextBox& b : boxes) {
            if (b.text == "Berechnungsquerschnitt:"_cp) margin = b.x;
            if (b.kind == OLI_TEXT_PARA && b.text == "Naht 1:") name = b.x;
            if (b.kind == OLI_TEXT_PARA && b.text.compare(0, 2, "lw") == 0) lengths.push_back(b.x);
        }
        ASSERT_EQ(lengths.size(), 4u);
        for (double x : lengths) EXPECT_NEAR(x, lengths[0], 0.005);
        // Names at left + 1.5, so left = name - 1.5; a throat of two digits
        // puts the lengths at left + 7.6, of one digit at left + 6.4.
        EXPECT_GT(margin, 0.0);
        EXPECT_NEAR(lengths[0] - (name - 1.5), web >= 9.95 ? 7.6 : 6.4, 0.02);
    }
}

}  // namespace test_weld_check_picture
