// Fillet welds on the inner faces of sloped flanges lie on the rolled faces:
// the straight part of each face between the toe's rounding and the root
// fillet, the web welds between the root fillets, by the Eurocode and by
// DIN 18800. The references are worked out here from the record's rolled
// outline (catalogue_outline) and by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "profiles/catalogue_fixture.h"
#include "profiles/catalogue_outline.h"
#include "profiles/catalogue_plausibility.h"
#include "profiles/kehlnaht_geometry.h"
#include "profiles/profil.h"
#include "profiles/profil_file.h"
#include "profiles/stahlprofil_library.h"
#include "support/global_state.h"
#include "weldcheck/din_check.h"
#include "weldcheck/din_internal.h"
#include "weldcheck/weld_check.h"
#include "weldcheck/weld_fixture.h"

namespace test_sloped_flange_welds {
namespace {

const testutil::Global_Reset reset_din(Reset_Anschluss_State);

struct Pt {
    double y, z;
};

// Every record of the catalogue whose flanges slope (a double-T, tee or
// channel whose outline has a slope), with its outline in mm as the
// catalogue stands it (y to the right from a double-T's or tee's web axis,
// from a channel's back; z up from the lower face, a tee's flange at the
// top), its arcs in fine steps.
struct Sloped_Record {
    std::string name;
    char letter;
    double b, h;
    std::vector<Outline_Point> ring;
    double slope;  // of the inner flange faces
};

std::vector<Sloped_Record> Sloped_Records() {
    std::vector<Sloped_Record> out;
    const std::string file = WELD_PROFIL_FILE;
    FILE* f = Open_Profil_File(file.substr(0, file.rfind('/')).c_str());
    EXPECT_NE(f, nullptr);
    if (!f) return out;
    const long n = Profil_Record_Count(f);
    for (long i = 0; i < n; i++) {
        ProfilRecord record;
        if (!Read_Profil_Record(f, i, &record)) continue;
        const char letter = record.code[PROFIL_CODE_BYTES - 1];
        Catalogue_Outline o;
        if (!std::strchr("DTU", letter) || !Catalogue_Record_Outline(letter, record.values, &o) || !(o.slope > 0))
            continue;
        Sloped_Record s{record.name, letter, 10 * o.b, 10 * o.h, testutil::Rolled_Outline_Ring(letter, record.values),
                        o.slope};
        s.name.erase(s.name.find_last_not_of(' ') + 1);
        if (!s.ring.empty()) out.push_back(s);
    }
    std::fclose(f);
    return out;
}

// The value printed after "name = " in the list, 0 when absent.
double Printed(const std::string& list, const char* name) {
    const size_t at = list.find(std::string(name) + " = ");
    return at == std::string::npos ? 0.0 : std::atof(list.c_str() + at + std::strlen(name) + 3);
}

// The catalogue's profile of that name, its material the default one;
// false when the catalogue has none.
bool Catalogue_Profile(const std::string& name, Stahlprofil* p) {
    Init_Profile(p);
    Default_Material_Params(&p->material);
    return Init_Profile_From_Name(p, name.c_str()) == 0;
}

// The end points of every line of the last weld check, as its picture
// gets them (y' to the left of the centroid, z' below the top edge).
std::vector<Pt> g_ends;
double g_left;
int Collect_Ends(const SchweissnahtNachweis*, FILE*, int) {
    g_ends.clear();
    g_left = Weld_Check_Centroid_From_Left();
    for (int k = 0; k < WELD_CHECK_WELDS; ++k)
        for (int i = 0; i < 2; ++i) {
            double y, z;
            if (Weld_Check_End_Point(k, i, &y, &z, nullptr)) g_ends.push_back({y, z});
        }
    return 0;
}

// The Eurocode record of the profile with fillet welds of throat a on the
// welded faces of its family, of the given length (0: the face's own;
// below 0: the plates' faces' lengths, as the page lays them).
SchweissnahtNachweis Fillets_On_Every_Face(const Stahlprofil& p, double a, double length) {
    SchweissnahtNachweis r;
    Init_Weld_Check_Record(&r);
    r.gamma_M2 = 1.25;
    Steel_Plate(&r.plate, 20.0, 490.0, 470.0, 0.9);  // S355's f_u and beta_w
    r.profile = p;
    r.profile.material = r.plate.material;
    r.weld_kind = WELD_FILLET;
    r.no_length_check = r.no_throat_check = 1;
    r.check_field = 1, r.method = 1;
    double plates[STAHLPROFIL_EDGES] = {};
    int codes[STAHLPROFIL_EDGES] = {};
    Get_Profile_Plate_Elements(&p, plates, codes);
    for (int k = 0; k < 8; ++k) r.a[k] = a, r.l[k] = length < 0 ? plates[k] : length, r.number[k] = k + 1;
    return r;
}

// The DIN 18800 record of the profile with fillet welds by position, of
// throat a and the given length at every position of its family.
GeschweissterAnschluss Din_Fillets(const Stahlprofil& p, double a, double length) {
    GeschweissterAnschluss r = Din_Record_Of(p, 7, a);  // S355 (St 52)
    r.weld_kind = ANSCHLUSS_WELDS_BY_POSITION;
    r.no_throat_check = 1;
    for (int i = 0; i < ANSCHLUSS_WELD_POSITIONS; ++i) r.a_pos[i] = a, r.l_pos[i] = length;
    return r;
}

}  // namespace

// Every sloped record (I and IPN, S, their halves, U and UPN, C), by the
// Eurocode and by DIN 18800: every fillet weld's ends and middle lie on
// the record's rolled outline, the welds given no length (the faces' own
// by the Eurocode, none by DIN: 20 mm there) or the lengths of the plates'
// faces the page gives them (by DIN longer than any face). (Laid level at
// t_f from the root fillet to the tip, the inner welds of an IPN 200 began
// 1.6 mm inside the flange and ended 3.9 mm off its toe's rounding.)
TEST(SlopedFlangeWelds, EveryFilletWeldLiesOnTheRolledOutline) {
    const auto env = Catalogue_Data();
    const std::vector<Sloped_Record> records = Sloped_Records();
    ASSERT_GE(records.size(), 90u);
    const Weld_Check_Picture_Drawer old = Set_Weld_Check_Picture_Drawer(Collect_Ends);
    const double kOn = 0.01;  // mm
    for (const Sloped_Record& s : records) {
        SCOPED_TRACE(s.name);
        Stahlprofil p;
        ASSERT_TRUE(Catalogue_Profile(s.name, &p));
        const double b = s.b, h = s.h;
        for (const double length : {0.0, -1.0}) {
            // Eurocode: the check's frame to the outline's.
            SchweissnahtNachweis r = Fillets_On_Every_Face(p, 3.0, length);
            r.forces.M_y = 1e6;
            ListCapture l;
            ASSERT_EQ(Calc_Weld_Check(&r, l.f(), 1, 0, 1, 0), 0);
            ASSERT_GE(g_ends.size(), s.letter == 'D' ? 16u : s.letter == 'U' ? 12u : 10u);
            for (const Pt& e : g_ends) {
                const double d = g_left - e.y;  // from the left outer face
                const Pt q{s.letter == 'U' ? d : d - b / 2, h - e.z};
                EXPECT_LT(testutil::Off_Ring(s.ring, q.y, q.z), kOn) << "EN at " << e.y << ", " << e.z;
            }
            // DIN 18800 (where no length is no weld: 20 mm, placed on the
            // face): its lines in cm, y = -x and z = y of the drawing, which
            // stands a tee on its flange.
            GeschweissterAnschluss din = Din_Fillets(p, 3.0, length < 0 ? 1000.0 : 20.0);
            din.load[ANSCHLUSS_M_Y] = 1;
            ASSERT_EQ(Calc_Anschluss_Querschnitt(&din), 0);
            Kehlnaht_Geometry g;
            const int T = Kehlnaht_Family(din.family);
            ASSERT_EQ(Build_Kehlnaht_Geometry(&din, T, 1, din.drawing_name, &g), KEHLNAHT_BUILT);
            const Din_Outline outline = Din_Outline_Of(g);
            const Din_Weld_Line_Section section = Calc_Weld_Line_Section(&din, outline, Din_Weld_Roles(T), 3.0);
            ASSERT_EQ(section.n, g.line_count);
            for (int i = 0; i < section.n; i++) {
                const Din_Weld_Line& k = section.line[i];
                for (const Pt& e : {Pt{k.y1, k.z1}, Pt{k.y2, k.z2}, Pt{k.yc, k.zc}}) {
                    const Pt q{-10 * e.y, s.letter == 'T' ? h - 10 * e.z : 10 * e.z};
                    EXPECT_LT(testutil::Off_Ring(s.ring, q.y, q.z), kOn) << "DIN weld " << k.position << " at " << q.y << ", " << q.z;
                }
                // As long as its face at most.
                EXPECT_LE(k.l, std::hypot(k.y2 - k.y1, k.z2 - k.z1) + 1e-9) << k.position;
            }
        }
    }
    Set_Weld_Check_Picture_Drawer(old);
}

namespace {

// A weld line from (d1, z1) to (d2, z2): d from the left outer face, z
// down from the top, mm.
struct Hand_Line {
    double d1, z1, d2, z2;
};

// The lines of fillet welds on every face of the family of o, each as long
// as its face's straight part (testutil::Flange_By_Hand), without one
// outer flange weld (the bottom's; a tee's top), so that they close no ring.
std::vector<Hand_Line> Hand_Lines(const Catalogue_Outline& o) {
    const testutil::Hand_Flange f = testutil::Flange_By_Hand(o);
    const double b = o.b, h = o.h, t_w = o.t_w, web = f.root_centre.z;
    const testutil::Flange_Point toe = f.toe_on_face, root = f.root_on_face;
    std::vector<Hand_Line> lines;
    if (o.letter == 'U') {  // the back at d = 0, the tips at b
        lines = {{0, 0, b, 0}, {0, 0, 0, h}, {t_w, web, t_w, h - web}, {b - toe.x, toe.z, b - root.x, root.z},
                 {b - toe.x, h - toe.z, b - root.x, h - root.z}};
        return lines;
    }
    lines = {{toe.x, toe.z, root.x, root.z}, {b - toe.x, toe.z, b - root.x, root.z}};
    if (o.letter == 'T') {  // the flange at the top, the stem to h
        lines.push_back({(b - t_w) / 2, web, (b - t_w) / 2, h});
        lines.push_back({(b + t_w) / 2, web, (b + t_w) / 2, h});
        return lines;
    }
    const std::vector<Hand_Line> more = {{0, 0, b, 0},
                                         {(b - t_w) / 2, web, (b - t_w) / 2, h - web},
                                         {(b + t_w) / 2, web, (b + t_w) / 2, h - web},
                                         {toe.x, h - toe.z, root.x, h - root.z},
                                         {b - toe.x, h - toe.z, b - root.x, h - root.z}};
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

// The group of lines of throat a: its centroid and its second moments
// about it (mm), each line's own a l³ / 12 along its direction.
struct Hand_Group {
    double d, z, I_dd, I_zz;
};
Hand_Group Group_Of(const std::vector<Hand_Line>& lines, double a) {
    double A = 0, Sd = 0, Sz = 0, Idd = 0, Izz = 0;
    for (const Hand_Line& L : lines) {
        const double dd = L.d2 - L.d1, dz = L.z2 - L.z1, l = std::hypot(dd, dz), dc = (L.d1 + L.d2) / 2,
                     zc = (L.z1 + L.z2) / 2, own = a * l * l * l / 12;
        A += a * l, Sd += a * l * dc, Sz += a * l * zc;
        Idd += a * l * dc * dc + own * dd * dd / (l * l);
        Izz += a * l * zc * zc + own * dz * dz / (l * l);
    }
    const double d = Sd / A, z = Sz / A;
    return {d, z, Idd - A * d * d, Izz - A * z * z};
}

}  // namespace

// The weld group of every sloped family against its faces worked out by
// hand: IPN 200 and S 200 x 27.4 (14 % and 1:6), U 200, U 400 and C 230 x
// 19.9 (8 %, 5 % and 1:6), half I 300 (14 %); fillet welds a = 4 on every
// face but one outer flange weld, each as long as its face; M_x 1 kNm, so
// that the list gives the polar moment of the group, which closes no ring:
// I_w,y, I_w,z, I_w,p = I_w,y + I_w,z and the offsets of the group's
// centroid from the profile's.
TEST(SlopedFlangeWelds, WeldGroupOfEverySlopedFamilyByHand) {
    const auto env = Catalogue_Data();
    for (const char* name : {"IPN200", "S200X100X27.4", "U200", "U400", "C230X64X19.9", "1/2I300"}) {
        SCOPED_TRACE(name);
        Stahlprofil p;
        ASSERT_TRUE(Catalogue_Profile(name, &p));
        float v[PROFIL_VALUES] = {};
        char code[PROFIL_CODE_SIZE] = {};
        ASSERT_GE(Get_Profil_Values(name, v, code), 1);
        Catalogue_Outline o;
        const char letter = code[PROFIL_CODE_SIZE - 2];
        ASSERT_EQ(Catalogue_Record_Outline(letter, v, &o), 1);
        for (double* x : {&o.h, &o.b, &o.t_w, &o.t_f, &o.r_1, &o.r_2, &o.nominal_from_tip}) *x *= 10;
        const Hand_Group g = Group_Of(Hand_Lines(o), 4.0);
        SchweissnahtNachweis r = Fillets_On_Every_Face(p, 4.0, 0.0);
        r.a[letter == 'T' ? WELD_FACE_TOP_OUTER : WELD_FACE_BOTTOM_OUTER] = 0;
        r.forces.M_x = 1e6;
        ListCapture l;
        ASSERT_EQ(Calc_Weld_Check(&r, l.f(), 1, 0, 0, 0), 0);
        const std::string list = l.Take();
        EXPECT_NEAR(Printed(list, "I╬\\w,y╬r"_cp), g.I_zz / 1e4, 0.006);
        EXPECT_NEAR(Printed(list, "I╬\\w,z╬r"_cp), g.I_dd / 1e4, 0.006);
        EXPECT_NEAR(Printed(list, "I╬\\w,p╬r"_cp), (g.I_zz + g.I_dd) / 1e4, 0.006);
        // y' runs to the left of the profile's centroid, y_s from the left face.
        EXPECT_NEAR(Printed(list, "úy╬\\w╬r"_cp), -(g.d + p.y_s), 0.051);
        EXPECT_NEAR(Printed(list, "úz╬\\w╬r"_cp), g.z - p.z_s, 0.051);
    }
}

// IPN 200 S355 (slope 14 %, t_f 11.3 at b/4, r 7.5, toe 4.5), single
// fillet welds a = 4 on every face, full length. On the rolled faces (hand
// calculation, mm): the inner welds from 10.210 to 41.124 beside the web
// axis, 31.215 long along the slope (cos² of the slope 1 / 1.0196), their
// middle 25.667 beside the axis and 89.143 from the centroid; the web welds
// 159.104 long at 3.75; the outer welds 90 long at 100.
//   I_w,z = 2 · 4 · 90³ / 12 + 4 (4 · 31.215³ / 12 / 1.0196 + 4 · 31.215 ·
//           25.667²) + 2 · 4 · 159.104 · 3.75² = 872 706 mm⁴ = 87.27 cm⁴
//   I_w,y = 2 · 4 · 90 · 100² + 4 (4 · 31.215³ / 12 · 0.0196 / 1.0196 + 4 ·
//           31.215 · 89.143²) + 2 · 4 · 159.104³ / 12 = 13 854 667 mm⁴
// M_z 5 kNm: sigma_w = 5e6 · 45 / I_w,z = 257.82 N/mm², directional U_w =
// sqrt 2 sigma_w / (490 / (0.9 · 1.25)) = 0.837 (laid on the nominal faces
// 228.97 and 0.743: I_w,z 98.27 cm⁴, the inner welds 33.75 long at 28.125
// and the web welds 162.4). M_y 50 kNm: 50e6 · 100 / I_w,y = 360.89, U_w =
// 1.172 (1.135). DIN 18800, S355 as St 52: sigma_w,R,d = 0.8 · 360 / 1.1 =
// 261.82 N/mm², M_z 5: U_w = 257.82 / 261.82 = 0.985 (0.938 nominal).
TEST(SlopedFlangeWelds, IPN200FilletsOnTheRolledFaces) {
    const auto env = Catalogue_Data();
    Stahlprofil p;
    ASSERT_TRUE(Catalogue_Profile("IPN200", &p));
    // The hand calculation's lengths unrounded: the flange from its tip, its
    // inner face z = 8.15 + 0.14 x (t_f 11.3 at 22.5), the toe's centre at x =
    // 4.5 and 4.5 sqrt(k2) below the face, the root fillet's at x = 41.25 -
    // 7.5 and 7.5 sqrt(k2) beyond it, their feet on the face.
    const double s = 0.14, k2 = 1 + s * s, t0 = 11.3 - s * 22.5;
    auto foot_x = [&](double x, double z) { return x + s * (z - s * x - t0) / k2; };
    const double x_toe = foot_x(4.5, t0 + s * 4.5 - 4.5 * std::sqrt(k2));
    const double z_root_centre = t0 + s * 33.75 + 7.5 * std::sqrt(k2), x_root = foot_x(33.75, z_root_centre);
    const double L = (x_root - x_toe) * std::sqrt(k2), y_m = 45 - (x_toe + x_root) / 2;
    const double z_m = 100 - (t0 + s * (x_toe + x_root) / 2), L_w = 200 - 2 * z_root_centre;
    EXPECT_NEAR(L, 31.215, 0.0005);
    EXPECT_NEAR(y_m, 25.667, 0.0005);
    EXPECT_NEAR(z_m, 89.143, 0.0005);
    EXPECT_NEAR(L_w, 159.104, 0.0005);
    const double I_z = 2 * 4 * 90.0 * 90 * 90 / 12 + 4 * (4 * L * L * L / 12 / k2 + 4 * L * y_m * y_m) +
                       2 * 4 * L_w * 3.75 * 3.75;
    const double I_y = 2 * 4 * 90 * 100.0 * 100 + 4 * (4 * L * L * L / 12 * 0.0196 / k2 + 4 * L * z_m * z_m) +
                       2 * 4 * L_w * L_w * L_w / 12;
    const double f_w = 490 / (0.9 * 1.25);
    const struct {
        double M_y, M_z, sigma;
    } cases[] = {{0, 5e6, 5e6 * 45 / I_z}, {50e6, 0, 50e6 * 100 / I_y}};
    for (const auto& c : cases) {
        for (const double length : {0.0, 33.75}) {  // the face's own, the plates' face's
            SchweissnahtNachweis r = Fillets_On_Every_Face(p, 4.0, length);
            if (length > 0) {
                r.l[WELD_FACE_TOP_OUTER] = r.l[WELD_FACE_BOTTOM_OUTER] = 90;
                r.l[WELD_FACE_WEB_LEFT] = r.l[WELD_FACE_WEB_RIGHT] = 162.4;
            }
            r.forces.M_y = c.M_y, r.forces.M_z = c.M_z;
            ListCapture l;
            ASSERT_EQ(Calc_Weld_Check(&r, l.f(), 1, 0, 0, 0), 0);
            const std::string list = l.Take();
            EXPECT_NEAR(Printed(list, "I╬\\w,z╬r"_cp), I_z / 1e4, 0.006);
            EXPECT_NEAR(Printed(list, "I╬\\w,y╬r"_cp), I_y / 1e4, 0.006);
            EXPECT_NE(list.find("l╬\\w╬r = 31.2 mm"_cp), std::string::npos);
            EXPECT_NE(list.find("l╬\\w╬r = 159.1 mm"_cp), std::string::npos);
            EXPECT_NEAR(std::fabs(r.line_values[WELD_CHECK_VALUE_SIGMA_X]), c.sigma, 0.01);
            EXPECT_NEAR(r.U_w, std::sqrt(2.0) * c.sigma / f_w, 0.0005);
        }
    }
    EXPECT_NEAR(I_z / 1e4, 87.27, 0.005);
    EXPECT_NEAR(std::sqrt(2.0) * cases[0].sigma / f_w, 0.837, 0.0005);
    EXPECT_NEAR(std::sqrt(2.0) * cases[1].sigma / f_w, 1.172, 0.0005);
    // DIN 18800.
    GeschweissterAnschluss din = Din_Fillets(p, 4.0, 1000.0);
    din.load[ANSCHLUSS_M_Z] = 5;
    ASSERT_EQ(Calc_Anschluss_Querschnitt(&din), 0);
    EXPECT_NEAR(din.weld_values.I_z, I_z / 1e4, 0.005);
    EXPECT_NEAR(din.weld_values.I_y, I_y / 1e4, 0.005);
    EXPECT_NEAR(din.U_w[2], cases[0].sigma / (0.8 * 360 / 1.1), 0.0005);
}

// IPN 200 S355 as above, single fillet welds a = 4 on every face, the
// directional method: N 400 kN and V_y 250 kN. Symmetric welds: sigma_w =
// N / A_w = 400e3 / (4 (2 · 90 + 4 · 31.215 + 2 · 159.104)) = 160.50 N/mm²
// everywhere; V_y spread over the welds along y (the conventional split),
// 250e3 / (4 (2 · 90 + 4 · 31.215)) = 205.01 N/mm² along y. An inner face
// runs at beta = atan 0.14 = 7.97° to y, its weld with it: of the shear
// along y, cos beta = 203.03 N/mm² runs along the weld (tau_par), sin beta
// = 28.42 N/mm² across it. Left of the web the top flange's inner face
// rises towards the tip (z' = z_0 - 0.14 y'), its outer side looking down:
// V_y towards +y pushes across it towards that side, and with the weld's
// throat at 45° sigma_perp = (160.50 - 28.42) / sqrt 2 = 93.39, tau_perp =
// (160.50 + 28.42) / sqrt 2 = 133.59 N/mm², U_w = sqrt(93.39² + 3 (133.59²
// + 203.03²)) / 435.56 = 0.990. Resolved by axis (all of V_y along the
// weld, none across) it was 0.968; the welds left of the web govern, those
// right of it (their faces fall the other way: the shear across them looks
// towards the steel) have sigma_perp = (160.50 + 28.42) / sqrt 2, tau_perp =
// (160.50 - 28.42) / sqrt 2 and U_w = 0.940.
TEST(SlopedFlangeWelds, IPN200DirectionalShearTurnedOntoTheInnerFaceWelds) {
    const auto env = Catalogue_Data();
    Stahlprofil p;
    ASSERT_TRUE(Catalogue_Profile("IPN200", &p));
    // The inner and web welds as IPN200FilletsOnTheRolledFaces works them
    // out (the record holds its dimensions in single precision: its
    // stresses agree to 1e-4 N/mm²).
    const double L = 31.215259, L_w = 159.103713;
    const double sigma = 400e3 / (4 * (2 * 90 + 4 * L + 2 * L_w)), tau = 250e3 / (4 * (2 * 90 + 4 * L));
    const double beta = std::atan(0.14), across = tau * std::sin(beta), par = tau * std::cos(beta);
    const double sp = (sigma - across) / std::sqrt(2.0), tp = (sigma + across) / std::sqrt(2.0);
    const double f_w = 490 / (0.9 * 1.25);
    const double U = std::sqrt(sp * sp + 3 * (tp * tp + par * par)) / f_w;
    const double U_axis = std::sqrt(2 * sigma * sigma + 3 * tau * tau) / f_w;
    const double sp_r = tp, tp_r = sp;  // right of the web: the shear across with the other sign
    const double U_right = std::sqrt(sp_r * sp_r + 3 * (tp_r * tp_r + par * par)) / f_w;
    EXPECT_NEAR(U, 0.990, 0.0005);
    EXPECT_NEAR(U_right, 0.940, 0.0005);
    EXPECT_NEAR(U_axis, 0.968, 0.0005);
    SchweissnahtNachweis r = Fillets_On_Every_Face(p, 4.0, 0.0);
    r.forces.N = 400e3, r.forces.V_y = 250e3;
    ListCapture l;
    ASSERT_EQ(Calc_Weld_Check(&r, l.f(), 2, 0, 0, 0), 0);
    const std::string list = l.Take();
    EXPECT_TRUE(r.governing_slot == WELD_FACE_TOP_INNER_LEFT || r.governing_slot == WELD_FACE_BOTTOM_INNER_LEFT)
        << r.governing_slot;
    const double* v = r.line_values;
    EXPECT_NEAR(v[WELD_CHECK_VALUE_SIGMA_X], sigma, 1e-4);
    EXPECT_NEAR(v[WELD_CHECK_VALUE_TAU_Y], tau, 1e-4);
    EXPECT_NEAR(v[WELD_CHECK_VALUE_SIGMA_PERP], sp, 1e-4);
    EXPECT_NEAR(v[WELD_CHECK_VALUE_TAU_PERP], tp, 1e-4);
    EXPECT_NEAR(v[WELD_CHECK_VALUE_TAU_PAR], par, 1e-4);
    EXPECT_NEAR(Weld_Check_Computed_U(&r), U, 1e-6);
    for (int k : {WELD_FACE_TOP_INNER_RIGHT, WELD_FACE_BOTTOM_INNER_RIGHT})
        EXPECT_NEAR(r.U_position[k], U_right, 0.0005) << k;
    // The detailed check of that point says how the values are turned
    // (each line of the list begins with the writer's blank):
    // beta as the weld runs from y towards z (-8.0° on the left of the top
    // flange), the shear across and along from tau_w,y.
    char lines[512];
    std::snprintf(lines, sizeof lines,
                  "Spannungen auf der wirksamen Nahtfläche (║ = 45°,  ╗ = -8.0°,  Í╬\\w╬r = -Í╬\\w,y╬r╬/.╬rsin(╗),  "
                  "╠╬\\w╬r = ╠╬\\w,x╬r):\n ╠╬\\s╬r = ╠╬\\w╬r╬/.╬rcos(║) - Í╬\\w╬r╬/.╬rsin(║) = %.1f N/mm²\n"
                  " Í╬\\s╬r = ╠╬\\w╬r╬/.╬rsin(║) + Í╬\\w╬r╬/.╬rcos(║) = %.1f N/mm²\n"
                  " Í╬\\p╬r = Í╬\\w,y╬r╬/.╬rcos(╗) = %.1f N/mm²\n"_cp,
                  sp, tp, par);
    EXPECT_NE(list.find(lines), std::string::npos) << list;
    // The simplified method and DIN 18800 take the resultant shear, the
    // same in any frame: F_w,Ed = a (sigma_w² + tau²)^1/2 against a f_u /
    // (sqrt 3 beta_w gamma_M2), and sigma_w,v = (sigma_w² + tau²)^1/2
    // against 0.8 · 360 / 1.1 (S355 as St 52).
    const double resultant = std::hypot(sigma, tau);
    r.method = 0;
    ASSERT_EQ(Calc_Weld_Check(&r, nullptr, 0, 0, 0, 0), 0);
    EXPECT_NEAR(Weld_Check_Computed_U(&r), resultant / (490 / (std::sqrt(3.0) * 0.9 * 1.25)), 1e-6);
    GeschweissterAnschluss din = Din_Fillets(p, 4.0, 1000.0);
    din.load[ANSCHLUSS_N] = 400, din.load[ANSCHLUSS_V_Y] = 250;
    ASSERT_EQ(Calc_Anschluss_Querschnitt(&din), 0);
    EXPECT_NEAR(din.U_w[2], resultant / (0.8 * 360 / 1.1), 1e-5);
}

namespace {

// The ends of every line of the last weld check by position, as its picture
// gets them (y' to the left of the centroid, z' below the top edge).
struct Line_Ends {
    bool in_use;
    Pt end[2];
};
Line_Ends g_lines[WELD_CHECK_WELDS];
int Collect_Lines(const SchweissnahtNachweis*, FILE*, int) {
    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        Line_Ends& e = g_lines[k];
        e.in_use = true;
        for (int i = 0; i < 2; ++i) e.in_use = Weld_Check_End_Point(k, i, &e.end[i].y, &e.end[i].z, nullptr) && e.in_use;
    }
    return 0;
}

}  // namespace

// Every sloped record (and three with parallel flanges: IPE 200, HE 200 A
// and the tee cut from an IPE 300), single fillet welds a = 4 on the inner
// flange faces and on the web or stem, the directional method, in two
// ways. (1) N 100 kN, V_y 50 kN and M_x 2 kNm, the conventional split: at
// the governing point, on an inner face, the shear in the plate's plane is
// worked out here by axis from the lines as laid: V_y spread over the
// welds along y (the inner faces', A_w,y), and the torsion about the
// group's centroid that the split leaves, M_T = M_x + V_y z_y (z_y the
// centroid of those welds below the profile's, where V_y acts), carried by
// the group's polar moment I_p (each line a l (r² + l² / 12)) as c (-r_z,
// r_y), c = M_T / I_p, which has the moment M_T. (2) The double-T records
// (their welds mirror about both axes: no torsion is left), N 100 kN, V_y
// 50 kN and V_z 80 kN split in step with the normal force: the point's
// shear by axis as the split gives it (tau_w,y, tau_w,z). Turned onto the
// weld (its direction u from its ends, at atan of the record's slope to y;
// across it towards the outer side of its face, which looks towards the
// middle of the profile's height) and combined with the point's sigma_w,x
// on the 45° throat, it gives the program's sigma_perp, tau_perp and
// tau_par, and U_w. The detailed report names the turn on the sloped
// records, and on no other.
TEST(SlopedFlangeWelds, ShearTurnedOntoTheWeldOnEverySlopedRecord) {
    const auto env = Catalogue_Data();
    std::vector<Sloped_Record> records = Sloped_Records();
    ASSERT_GE(records.size(), 90u);
    for (const char* parallel : {"IPE200", "HE200A", "1/2IPE300"})
        records.push_back({parallel, parallel[0] == '1' ? 'T' : 'D', 0.0, 0.0, {}, 0.0});
    const Weld_Check_Picture_Drawer old = Set_Weld_Check_Picture_Drawer(Collect_Lines);
    const double a = 4.0, f_w = 490 / (0.9 * 1.25), f_2 = 0.9 * 490 / 1.25;
    for (const Sloped_Record& s : records) {
        Stahlprofil p;
        ASSERT_TRUE(Catalogue_Profile(s.name, &p));
        // The inner flange faces (along y), the web's or stem's faces.
        std::vector<int> faces = {WELD_FACE_TOP_INNER_LEFT, WELD_FACE_BOTTOM_INNER_LEFT};
        if (s.letter == 'D') faces = {WELD_FACE_TOP_INNER_LEFT, WELD_FACE_TOP_INNER_RIGHT, WELD_FACE_BOTTOM_INNER_LEFT,
                                      WELD_FACE_BOTTOM_INNER_RIGHT};
        if (s.letter == 'T') faces = {WELD_FACE_TOP_INNER_LEFT, WELD_FACE_TOP_INNER_RIGHT};
        const size_t inner = faces.size();
        faces.push_back(WELD_FACE_WEB_LEFT);
        faces.push_back(WELD_FACE_WEB_RIGHT);
        for (const bool consistent : {false, true}) {
            if (consistent && s.letter != 'D') continue;
            SCOPED_TRACE(s.name + (consistent ? " consistent split" : " conventional split"));
            SchweissnahtNachweis r = Fillets_On_Every_Face(p, a, 0.0);
            for (int k = 0; k < WELD_CHECK_WELDS; ++k)
                if (std::find(faces.begin(), faces.end(), k) == faces.end()) r.a[k] = 0, r.number[k] = 0;
            const double V_y = 50e3, M_x = consistent ? 0.0 : 2e6;
            r.forces.N = 100e3, r.forces.V_y = V_y, r.forces.M_x = M_x, r.forces.V_z = consistent ? 80e3 : 0.0;
            if (consistent) r.shear_split = WELD_SHEAR_SPLIT_CONSISTENT;
            ListCapture l;
            ASSERT_EQ(Calc_Weld_Check(&r, l.f(), 2, 0, 1, 0), 0);
            const std::string list = l.Take();
            // The group by hand from the lines' ends.
            double A = 0, S_y = 0, S_z = 0, A_wy = 0, S_wy = 0, I_p = 0;
            for (size_t j = 0; j < faces.size(); ++j) {
                const Line_Ends& e = g_lines[faces[j]];
                ASSERT_TRUE(e.in_use) << faces[j];
                const double l_k = std::hypot(e.end[1].y - e.end[0].y, e.end[1].z - e.end[0].z), A_k = a * l_k;
                const double y = (e.end[0].y + e.end[1].y) / 2, z = (e.end[0].z + e.end[1].z) / 2;
                A += A_k, S_y += A_k * y, S_z += A_k * z, I_p += A_k * l_k * l_k / 12;
                if (j < inner) A_wy += A_k, S_wy += A_k * (z - p.z_s);
            }
            const double Y = S_y / A, Z = S_z / A;
            for (int k : faces) {
                const Line_Ends& e = g_lines[k];
                const double A_k = a * std::hypot(e.end[1].y - e.end[0].y, e.end[1].z - e.end[0].z);
                const double y = (e.end[0].y + e.end[1].y) / 2 - Y, z = (e.end[0].z + e.end[1].z) / 2 - Z;
                I_p += A_k * (y * y + z * z);
            }
            const double tau_V = V_y / A_wy, c = (M_x + V_y * S_wy / A_wy) / I_p;
            // The governing point, on an inner face.
            const int k = r.governing_slot, i = r.governing_point;
            ASSERT_TRUE(std::find(faces.begin(), faces.begin() + inner, k) != faces.begin() + inner) << k;
            ASSERT_TRUE(i == 0 || i == 1) << i;
            const Line_Ends& e = g_lines[k];
            const Pt P = e.end[i];
            const double* v = r.line_values;
            const double tau_y = consistent ? v[WELD_CHECK_VALUE_TAU_Y] : tau_V - c * (P.z - Z);
            const double tau_z = consistent ? v[WELD_CHECK_VALUE_TAU_Z] : c * (P.y - Y);
            const double l_k = std::hypot(e.end[1].y - e.end[0].y, e.end[1].z - e.end[0].z);
            const double u_y = (e.end[1].y - e.end[0].y) / l_k, u_z = (e.end[1].z - e.end[0].z) / l_k;
            EXPECT_NEAR(std::atan2(std::fabs(u_z), std::fabs(u_y)), std::atan(s.slope), 1e-6);
            const double side = (e.end[0].z + e.end[1].z) / 2 < p.h / 2 ? 1.0 : -1.0;
            const double o_y = -u_z * side * (u_y < 0 ? -1 : 1), o_z = std::fabs(u_y) * side;
            const double along = tau_y * u_y + tau_z * u_z, across = tau_y * o_y + tau_z * o_z;
            const double sigma = v[WELD_CHECK_VALUE_SIGMA_X];
            const double sp = (sigma - across) / std::sqrt(2.0), tp = (sigma + across) / std::sqrt(2.0);
            const double tol = 1e-6 * (std::fabs(sigma) + std::hypot(tau_y, tau_z));
            if (!consistent) {
                EXPECT_NEAR(v[WELD_CHECK_VALUE_TAU_Y], tau_V, tol);
            }
            EXPECT_NEAR(v[WELD_CHECK_VALUE_SIGMA_PERP], sp, tol);
            EXPECT_NEAR(v[WELD_CHECK_VALUE_TAU_PERP], tp, tol);
            EXPECT_NEAR(std::fabs(v[WELD_CHECK_VALUE_TAU_PAR]), std::fabs(along), tol);
            const double U = std::max(std::sqrt(sp * sp + 3 * (tp * tp + along * along)) / f_w, std::fabs(sp) / f_2);
            EXPECT_NEAR(Weld_Check_Computed_U(&r), U, 1e-6 * U);
            EXPECT_EQ(list.find("╗ = "_cp) != std::string::npos, s.slope > 0);
            if (consistent) {
                EXPECT_EQ(list.find("verbleibende Torsion"), std::string::npos);
            }
        }
    }
    Set_Weld_Check_Picture_Drawer(old);
}

// The detailed check's formulas of the welds on an IPN 200's inner faces
// (a = 4) name what the turn takes: the axis shear of each kind that is
// present, the polar moment's torsion by axis, a closed ring's flow along
// the weld, and the sign of the shear across on the bottom flange's faces,
// whose outer side looks up (against z). Each line is in the list, as the
// formula stands (its values SlopedFlangeWelds checks above); the
// simplified method writes the resultant by axis, as on every other weld.
TEST(SlopedFlangeWelds, DetailedFormulasNameTheTurn) {
    const auto env = Catalogue_Data();
    Stahlprofil p;
    ASSERT_TRUE(Catalogue_Profile("IPN200", &p));
    const std::string X = "╬/.╬r"_cp;
    const std::string y = "Í╬\\w,y╬r"_cp, Ty = "Í╬\\w,Ty╬r"_cp, Tz = "Í╬\\w,Tz╬r"_cp, c = X + "cos(╗)"_cp,
                      s = X + "sin(╗)"_cp, w = ",  Í╬\\w╬r = "_cp, par = "Í╬\\p╬r = "_cp;
    const std::string yT = "(" + y + " + " + Ty + ")";
    // Named first: clang 14 falls over on a _cp literal in a vector's braces.
    const std::string left = "╗ = -8.0°"_cp, right = "╗ = 8.0°"_cp, flow = " + Í╬\\w,T╬r = "_cp;
    const std::string simplified = "╬\\w,Ed╬r = (╠╬\\w,x╬r² + (Í╬\\w,y╬r + Í╬\\w,Ty╬r)² + "_cp;
    const struct {
        const char* what;
        int all_round, method;
        std::vector<std::string> lines;
    } cases[] = {
        // single welds on the inner faces and the web: the polar moment
        {"polar", 0, 1,
         {left, right, w + Tz + c + " - " + yT + s + ",  ", w + "-(" + Tz + c + " - " + yT + s + "),  ",
          par + yT + c + " + " + Tz + s + " = "}},
        // all round: the ring's flow along the weld
        {"ring", 1, 1, {w + "-" + y + s + ",  ", w + y + s + ",  ", par + y + c + flow}},
        {"simplified", 0, 0, {simplified}},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.what);
        SchweissnahtNachweis r = Fillets_On_Every_Face(p, 4.0, 0.0);
        if (!t.all_round) r.a[WELD_FACE_TOP_OUTER] = r.a[WELD_FACE_BOTTOM_OUTER] = 0;
        r.all_round = t.all_round, r.method = t.method;
        r.forces.V_y = 50e3, r.forces.M_x = 2e6;
        ListCapture l;
        ASSERT_EQ(Calc_Weld_Check(&r, l.f(), 2, 0, 0, 0), 0);
        const std::string list = l.Take();
        for (const std::string& line : t.lines) EXPECT_NE(list.find(line), std::string::npos) << line;
        EXPECT_EQ(list.find("╗ = "_cp) != std::string::npos, t.method != 0);
    }
}

}  // namespace test_sloped_flange_welds
