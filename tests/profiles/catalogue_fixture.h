// A temporary desktop tree for the catalogue tests: DATA holding the built
// profile file PROFIL (or a file a test writes), an empty EXEC (a test puts
// the profile manager's stand-in there), both named by the environment; the
// catalogue and the name library start afresh and are reset again at the end.
// Also writers of synthetic PROFIL and ProfilData.bin records.
#ifndef TESTS_PROFILES_CATALOGUE_FIXTURE_H
#define TESTS_PROFILES_CATALOGUE_FIXTURE_H

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/msgbox.h"
#include "profiles/catalogue_outline.h"
#include "profiles/catalogue_plausibility.h"
#include "profiles/catalogue_ties.h"
#include "profiles/profil.h"
#include "profiles/profile_catalogue.h"
#include "profiles/stahlprofil.h"
#include "support/testutil.h"

namespace testutil {

inline std::string Le_Float(float f) {
    uint32_t u;
    std::memcpy(&u, &f, 4);
    std::string s;
    for (int i = 0; i < 4; i++) s += static_cast<char>((u >> (8 * i)) & 0xFF);
    return s;
}

// One PROFIL record: name blank-padded to 16, the values given by index,
// three blanks and the letter.
inline std::string Profil_Record(const std::string& name, char letter, const std::map<int, float>& values) {
    std::string r = name;
    r.resize(16, ' ');
    for (int i = 0; i < 35; i++) r += Le_Float(values.count(i) ? values.at(i) : 0.0f);
    return r + "   " + letter;
}

inline unsigned char Rotate_Left(unsigned char c, int k) {
    return static_cast<unsigned char>(k % 8 == 0 ? c : (c << k) | (c >> (8 - k)));
}

// One ProfilData.bin record: type code, name and alias stored rotated by k
// (each byte rotated left by k, so the reader's rotation by 8 - k restores
// it), the 39 values given by index.
inline std::string ProfilData_Record(int type_code, int k, const std::string& name, const std::string& alias,
                                     const std::map<int, float>& values) {
    std::string r;
    r += static_cast<char>(type_code << 4 | k);
    r += static_cast<char>(name.size());
    r += static_cast<char>(alias.size());
    r += '\x07';
    r += '\xC5';
    std::string text = name + alias;
    for (char c : text) r += static_cast<char>(Rotate_Left(static_cast<unsigned char>(c), k));
    r.resize(44, '\0');
    for (int i = 0; i < 39; i++) r += Le_Float(values.count(i) ? values.at(i) : 0.0f);
    return r;
}

// The 35 values of a record of the shipped profile file (published data).
inline std::map<int, float> Shipped_Values(const std::string& name) {
    const std::string file = Read_File(WELD_PROFIL_FILE);
    std::string key = name;
    key.resize(16, ' ');
    std::map<int, float> values;
    for (size_t at = 0; at + 160 <= file.size(); at += 160) {
        if (file.compare(at, 16, key) != 0) continue;
        for (int i = 0; i < 35; i++) std::memcpy(&values[i], file.data() + at + 16 + 4 * i, 4);
        return values;
    }
    ADD_FAILURE() << name << " not in the profile file";
    return values;
}

// A record of the shipped profile file: its designation without the
// trailing blanks, its type letter and its 35 values.
struct Shipped {
    std::string name;
    char letter;
    std::array<float, 35> v;
};

// Every record of the shipped profile file, in the file's order.
inline std::vector<Shipped> Shipped_Records() {
    const std::string file = Read_File(WELD_PROFIL_FILE);
    std::vector<Shipped> records;
    for (size_t at = 0; at + 160 <= file.size(); at += 160) {
        Shipped s{file.substr(at, 16), file[at + 159], {}};
        s.name.erase(s.name.find_last_not_of(' ') + 1);
        std::memcpy(s.v.data(), file.data() + at + 16, 4 * 35);
        records.push_back(s);
    }
    return records;
}

// The shipped record of a designation (letter 0 and no values when the
// file has none).
inline Shipped Shipped_By_Name(const std::string& name) {
    for (const Shipped& s : Shipped_Records())
        if (s.name == name) return s;
    ADD_FAILURE() << name << " not in the profile file";
    return {name, 0, {}};
}

// The values of a double-T ('D'), channel ('U'), tee ('T') or zed ('Z')
// with parallel flanges and sharp corners (cm), in the order of PROFIL: h,
// b, t_w, t_f, A, the centroid from the bottom and left edges, I_y, I_z, the
// principal values with their angle and the elastic moduli at the extreme
// fibres; value 27 = t_f as for flanges without slope and root radius; the
// torsion constant the thin-walled sum of the plates, b t^3 / 3 of each
// flange over its whole width and of the web between the flanges (a record
// has one: 0 is refused). The plastic moduli and the warping constant are
// left to the section model (0). Tee: flange on top, web below. Zed: b each flange's
// width as the profile manager stores it, the width from tip to tip 2 b -
// t_w, the upper flange to the left.
inline std::map<int, float> Sharp_Section(char letter, double h, double b, double tw, double tf) {
    double a, iy, iz, ey = b / 2, ez = h / 2, iyz = 0;
    std::vector<std::array<double, 2>> corners;  // (y, z) from the centroid
    if (letter == 'T') {
        const double web = h - tf;
        a = b * tf + web * tw;
        ez = (web * tw * web / 2 + b * tf * (h - tf / 2)) / a;
        iy = tw * web * web * web / 12 + web * tw * (web / 2 - ez) * (web / 2 - ez) + b * tf * tf * tf / 12 +
             b * tf * (h - tf / 2 - ez) * (h - tf / 2 - ez);
        iz = (tf * b * b * b + web * tw * tw * tw) / 12;
        corners = {{-b / 2, h - ez}, {b / 2, h - ez}, {0, -ez}};
    } else if (letter == 'Z') {
        // Flange centres (B - t_w) / 4 beside the web and (h - t_f) / 2
        // above or below the centroid; the upper one to the left.
        const double B = 2 * b - tw, dy = (B - tw) / 4, dz = (h - tf) / 2, web = h - 2 * tf;
        a = web * tw + 2 * b * tf;
        ey = B / 2;
        iy = tw * web * web * web / 12 + 2 * (b * tf * tf * tf / 12 + b * tf * dz * dz);
        iz = web * tw * tw * tw / 12 + 2 * (tf * b * b * b / 12 + b * tf * dy * dy);
        iyz = -2 * b * tf * dy * dz;
        corners = {{-B / 2, h / 2}, {tw / 2, h / 2}, {B / 2, -h / 2}, {-tw / 2, -h / 2},
                   {B / 2, -h / 2 + tf}, {-B / 2, h / 2 - tf}};
    } else {
        a = 2 * b * tf + (h - 2 * tf) * tw;
        iy = (b * h * h * h - (b - tw) * (h - 2 * tf) * (h - 2 * tf) * (h - 2 * tf)) / 12;
        iz = (2 * tf * b * b * b + (h - 2 * tf) * tw * tw * tw) / 12;
        if (letter == 'U') {  // web at the back, flanges (b - t_w) long beside it
            const double c = b - tw, flange = c * tf;
            ey = (h * tw * tw / 2 + 2 * flange * (tw + c / 2)) / a;
            iz = h * tw * tw * tw / 12 + h * tw * (tw / 2 - ey) * (tw / 2 - ey) +
                 2 * (tf * c * c * c / 12 + flange * (tw + c / 2 - ey) * (tw + c / 2 - ey));
        }
        corners = {{-ey, h / 2}, {b - ey, -h / 2}};
    }
    // Principal axes: the major at theta from y, tan 2 theta = -2 I_yz / (I_y - I_z).
    const double theta = iyz == 0 ? 0 : 0.5 * std::atan2(-2 * iyz, iy - iz);
    const double mid = (iy + iz) / 2, radius = std::hypot((iy - iz) / 2, iyz);
    const double i1 = iyz == 0 ? iy : mid + radius, i2 = iyz == 0 ? iz : mid - radius;
    double top = 0, bottom = 0, left = 0, right = 0;
    for (const auto& [y, z] : corners) {
        const double u = -y * std::sin(theta) + z * std::cos(theta), v = y * std::cos(theta) + z * std::sin(theta);
        top = std::max(top, u), bottom = std::max(bottom, -u), left = std::max(left, -v), right = std::max(right, v);
    }
    const double it = letter == 'T' ? (b * tf * tf * tf + (h - tf / 2) * tw * tw * tw) / 3
                                     : (2 * b * tf * tf * tf + (h - 2 * tf) * tw * tw * tw) / 3;
    const auto f = [](double x) { return static_cast<float>(x); };
    return {{23, f(it)}, {0, f(h)},       {1, f(b)},          {2, f(tw)},           {3, f(tf)},        {4, f(a)},
            {6, f(ez)},      {7, f(ey)},         {8, f(std::tan(theta))}, {9, f(iy)},     {10, f(iz)},
            {13, f(i1)},     {14, f(i1 / top)},  {15, f(i1 / bottom)}, {18, f(i2)},       {19, f(i2 / left)},
            {20, f(i2 / right)}, {27, f(tf)}};
}

// The values of a PROFIL record (cm) of a tee, double-T or channel with
// root and toe radii and parallel or sloped flanges, as its outline has
// them: a record the catalogue takes, for tests of what is made of it.
// Torsion constant the thin-walled sum (as the catalogue's worked-out
// records hold it), value 27 t_f + r_1 and the slope's rise, the plastic
// moduli and the warping constant left to the section model (0).
inline std::map<int, float> Rounded_Section(char letter, double h, double b, double tw, double tf, double r1,
                                            double r2, double slope = 0) {
    // A sloped flange's t_f at b/4 from the tip (a channel's at b/2), value
    // 27 where the root fillet begins (a tee's at the stem).
    const double nominal = slope > 0 ? (letter == 'U' ? b / 2 : b / 4) : 0;
    const double reach = letter == 'U' ? b - tw - r1 : letter == 'T' ? (b - tw) / 2 : (b - tw) / 2 - r1;
    const Catalogue_Outline o{letter, h, b, tw, tf, r1, r2, slope, nominal};
    Catalogue_Section v{};
    EXPECT_EQ(Catalogue_Outline_Section(&o, &v), 1) << letter;
    const auto f = [](double x) { return static_cast<float>(x); };
    return {{0, f(h)},           {1, f(b)},           {2, f(tw)},          {3, f(tf)},         {4, f(v.A)},
            {6, f(v.e_z)},       {7, f(v.e_y)},       {9, f(v.I_y)},       {10, f(v.I_z)},     {13, f(v.I_1)},
            {14, f(v.W_1_top[0])}, {15, f(v.W_1_bottom[0])}, {18, f(v.I_2)}, {19, f(v.W_2_left[0])},
            {20, f(v.W_2_right[0])}, {23, f(v.I_t_thin)}, {25, f(r1)},      {26, f(r2)},
            {27, f(tf + r1 + slope * (reach - nominal))}};
}

// Values in the order of PROFIL moved to their places in ProfilData.bin (one
// place further on from value 9, value 27 at 29; 28 and 34 have none).
inline std::map<int, float> To_ProfilData(const std::map<int, float>& profil) {
    std::map<int, float> out;
    for (const auto& [i, v] : profil) {
        if (i < 9) out[i] = v;
        else if (i <= 26 || (i >= 29 && i <= 33)) out[i + 1] = v;
        else if (i == 27) out[29] = v;
    }
    return out;
}

// The same as the 39 values of a ProfilData.bin record (0 where none).
inline std::array<float, 39> ProfilData_Values(const std::map<int, float>& profil) {
    std::array<float, 39> w{};
    for (const auto& [i, v] : To_ProfilData(profil)) w[i] = v;
    return w;
}

// A PROFIL record's 35 values as the profile manager's record of the same
// values.
inline std::array<float, 39> As_ProfilData(const std::array<float, 35>& v) {
    std::map<int, float> profil;
    for (int k = 0; k < 35; k++) profil[k] = v[k];
    return ProfilData_Values(profil);
}

// The PROFIL values of an outline (cm), as its section gives them: the
// record of a section the catalogue does not ship.
inline std::array<float, 35> Of_Outline(const Catalogue_Outline& o) {
    Catalogue_Section s{};
    EXPECT_EQ(Catalogue_Outline_Section(&o, &s), 1) << o.letter;
    std::array<float, 35> v{};
    const double values[][2] = {{0, o.h},          {1, o.b},          {2, o.t_w},          {3, o.t_f},
                                {4, s.A},          {6, s.e_z},        {7, s.e_y},          {8, s.tan_alpha},
                                {9, s.I_y},        {10, s.I_z},       {13, s.I_1},         {14, s.W_1_top[0]},
                                {15, s.W_1_bottom[0]}, {16, s.W_pl_y}, {17, s.W_pl_y},     {18, s.I_2},
                                {19, s.W_2_left[0]}, {20, s.W_2_right[0]}, {21, s.W_pl_z}, {22, s.W_pl_z},
                                {23, s.I_t[0]},    {24, s.I_w[0]},    {25, o.r_1},         {26, o.r_2}};
    for (const auto& [i, x] : values) v[static_cast<int>(i)] = static_cast<float>(x);
    if (catalogue::Flanges_May_Slope(o.letter)) v[27] = static_cast<float>(o.t_f + o.r_1);
    return v;
}

// A shipped record with dimension `index` (a wall: both 2 and 3, a hollow
// section's corner radii with it; a tube's diameter: 0 and 1; a root
// radius: the toe radius in its share) times factor, every section value
// moved with its outline, a sloped flange's slope kept (value 27): a
// section of its own, whose values agree among themselves.
inline std::array<float, 35> Resized(const Shipped& r, int index, float factor) {
    std::array<float, 35> v = r.v;
    Catalogue_Outline before, after;
    Catalogue_Record_Outline(r.letter, v.data(), &before);
    if (index == 2 && r.letter != 'D' && r.letter != 'U' && r.letter != 'T') {
        v[2] *= factor, v[3] *= factor;
        if (r.letter == 'R') v[25] *= factor, v[26] *= factor;
    } else {
        v[index] *= factor;
        if (r.letter == 'K') v[1 - index] = v[index];
        if (index == 25 && v[26] > 0) v[26] *= factor;
    }
    if (catalogue::Flanges_May_Slope(r.letter)) {
        double nominal;
        const float r_1 = std::max(v[25], 0.0f);
        v[27] = static_cast<float>(v[3] + r_1 + before.slope * catalogue::Slope_Run(r.letter, v[1], v[2], r_1, &nominal));
    }
    Catalogue_Record_Outline(r.letter, v.data(), &after);
    Catalogue_Section a{}, b{};
    EXPECT_EQ(Catalogue_Outline_Section(&before, &a), 1) << r.name;
    EXPECT_EQ(Catalogue_Outline_Section(&after, &b), 1) << r.name;
    const std::pair<int, std::pair<double, double>> moved[] = {
        {4, {a.A, b.A}},         {6, {a.e_z, b.e_z}},     {7, {a.e_y, b.e_y}},       {9, {a.I_y, b.I_y}},
        {10, {a.I_z, b.I_z}},    {13, {a.I_1, b.I_1}},    {14, {a.W_1_top[0], b.W_1_top[0]}},
        {15, {a.W_1_bottom[0], b.W_1_bottom[0]}},         {16, {a.W_pl_y, b.W_pl_y}}, {17, {a.W_pl_y, b.W_pl_y}},
        {18, {a.I_2, b.I_2}},    {19, {a.W_2_left[0], b.W_2_left[0]}}, {20, {a.W_2_right[0], b.W_2_right[0]}},
        {21, {a.W_pl_z, b.W_pl_z}}, {22, {a.W_pl_z, b.W_pl_z}}, {23, {a.I_t[0], b.I_t[0]}}, {24, {a.I_w[0], b.I_w[0]}}};
    for (const auto& [i, ab] : moved)
        if (ab.first != 0) v[i] = static_cast<float>(v[i] * ab.second / ab.first);
    if (a.tan_alpha != 0) v[8] = static_cast<float>(b.tan_alpha);
    return v;
}

// A profile typed in by its dimensions (mm), both flanges alike.
inline Stahlprofil Typed_Profile(int type, double h, double t_w, double b, double t_f) {
    Stahlprofil p;
    Init_Profile(&p);
    p.type = type;
    p.h = h;
    p.t_w = t_w;
    p.b_fo = p.b_fu = b;
    p.t_fo = p.t_fu = t_f;
    return p;
}

class CatalogueTree {
public:
    CatalogueTree() {
        std::filesystem::create_directories(dir.path() / "DATA");
        std::filesystem::create_directories(dir.path() / "EXEC");
        Write_File(Data("PROFIL"), Read_File(WELD_PROFIL_FILE));
        // The annexes the program ships: a material block names its annex,
        // and one that cannot be read would show its notice in the middle
        // of a test (once per run, and every test is a run of its own).
        std::filesystem::copy(std::string(WELD_SOURCE_DIR) + "/data/NAD", dir.path() / "DATA" / "NAD",
                              std::filesystem::copy_options::recursive);
        Reset_Profile_Catalogue();
        Reset_Profil_Library();
        VEK_Clear_Recorded_Messages();
    }
    ~CatalogueTree() {
        Reset_Profile_Catalogue();
        Reset_Profil_Library();
        VEK_Clear_Recorded_Messages();
    }
    CatalogueTree(const CatalogueTree&) = delete;
    CatalogueTree& operator=(const CatalogueTree&) = delete;

    std::string Data(const std::string& name) const { return dir.file("DATA/" + name); }
    // Places an executable stand-in of the profile manager in EXEC and
    // switches the manager on.
    void Install_Manager(const std::string& profildata) {
        std::string exe = dir.file("EXEC/ProfDesk.exe");
        Write_File(exe, "#!/bin/sh\nexit 0\n");
        chmod(exe.c_str(), 0755);
        Write_File(Data("ProfilData.bin"), profildata);
        Enable_Profile_Manager();
    }

    TempDir dir;

private:
    ScopedEnv data_{"DATA", dir.file("DATA")};
    ScopedEnv exec_{"EXEC", dir.file("EXEC")};
};

class CatalogueTest : public ::testing::Test {
protected:
    CatalogueTree tree;
};

// The rolled outline (mm) of a catalogue record of letter with the values
// v (cm), standing as the catalogue draws it, its arcs in arc_steps pieces a
// quarter circle; empty where the record makes none.
inline std::vector<Outline_Point> Rolled_Outline_Ring(char letter, const float* v, int arc_steps = 64) {
    Catalogue_Outline o;
    std::vector<Outline_Ring> rings;
    if (!Catalogue_Record_Outline(letter, v, &o)) return {};
    for (double* x : {&o.h, &o.b, &o.t_w, &o.t_f, &o.r_1, &o.r_2, &o.nominal_from_tip}) *x *= 10;
    if (!Catalogue_Outline_Polygons(&o, arc_steps, &rings) || rings.empty()) return {};
    return rings[0];
}

// The distance of (y, z) from the boundary of the closed ring.
inline double Off_Ring(const std::vector<Outline_Point>& ring, double y, double z) {
    double least = HUGE_VAL;
    for (size_t k = 0; k < ring.size(); k++) {
        const Outline_Point a = ring[k], b = ring[(k + 1) % ring.size()];
        const double dy = b.y - a.y, dz = b.z - a.z, L2 = dy * dy + dz * dz;
        const double t = L2 > 0 ? std::clamp(((y - a.y) * dy + (z - a.z) * dz) / L2, 0.0, 1.0) : 0.0;
        least = std::min(least, std::hypot(a.y + t * dy - y, a.z + t * dz - z));
    }
    return least;
}

// A rolled flange of the outline o worked out by hand, seen from its tip
// (x towards the web, z from the outer face into the flange): the inner
// face z = t0 + s x (t_f where the nominal thickness holds); each
// rounding's centre where the lines parallel to its two faces at its
// radius cross (the toe's inside the flange, the root fillet's outside),
// its end on the inner face the foot of the perpendicular from the centre.
struct Flange_Point {
    double x, z;
};
struct Hand_Flange {
    double s, t0, c;  // slope, thickness at the tip, outstand to the web's face
    Flange_Point toe_centre, toe_on_face, root_centre, root_on_face;
};
inline Hand_Flange Flange_By_Hand(const Catalogue_Outline& o) {
    Hand_Flange r{};
    r.s = o.slope;
    r.t0 = o.t_f - o.slope * o.nominal_from_tip;
    r.c = o.letter == 'U' ? o.b - o.t_w : (o.b - o.t_w) / 2;
    const double k = std::sqrt(1 + r.s * r.s);
    r.toe_centre = {o.r_2, r.t0 + r.s * o.r_2 - o.r_2 * k};
    r.root_centre = {r.c - o.r_1, r.t0 + r.s * (r.c - o.r_1) + o.r_1 * k};
    auto foot = [&](Flange_Point p) {
        const double d = (p.z - r.s * p.x - r.t0) / (1 + r.s * r.s);
        return Flange_Point{p.x + r.s * d, p.z - d};
    };
    r.toe_on_face = foot(r.toe_centre);
    r.root_on_face = foot(r.root_centre);
    return r;
}

}  // namespace testutil

#endif
