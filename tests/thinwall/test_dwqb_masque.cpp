// Hand-over of a thin-walled I section to the general section model: plastic
// moduli against the plate formula, warping planes free of resultants that
// reproduce the warping constant, and reuse of the kept objects only for an
// unchanged model.
#include <gtest/gtest.h>

#include <cmath>

#include "section/section_model.h"
#include "thinwall/dwqb.h"
#include "thinwall/dwqb_internal.h"
#include "thinwall/dwqb_masque.h"

namespace test_dwqb_masque {
namespace {

// I section, cm: width b, depth h, flanges tf, web tw, shifted by (Y, Z);
// three plates as rectangles, the web between the flanges.
constexpr double b = 20, h = 40, tf = 2, tw = 1, Y = 3, Z = -2;

struct Plate {
    double y0, y1, z0, z1;  // extent
    double omega_arm;       // omega_M = omega_arm (y - Y) on the plate
};
const Plate plates[3] = {
    {Y - b / 2, Y + b / 2, Z + h / 2 - tf, Z + h / 2, -(h - tf) / 2},
    {Y - b / 2, Y + b / 2, Z - h / 2, Z - h / 2 + tf, (h - tf) / 2},
    {Y - tw / 2, Y + tw / 2, Z - h / 2 + tf, Z + h / 2 - tf, 0},
};

// Integral of f(y, z) over a rectangle by 2 x 2 Gauss points: exact for the
// polynomials of degree 3 in each direction used here.
template <class F> double Rect(const Plate& p, F f) {
    const double g = 1 / std::sqrt(3.0), cy = (p.y0 + p.y1) / 2, cz = (p.z0 + p.z1) / 2;
    const double hy = (p.y1 - p.y0) / 2, hz = (p.z1 - p.z0) / 2;
    double s = 0;
    for (double u : {-g, g})
        for (double v : {-g, g}) s += f(cy + u * hy, cz + v * hz);
    return s * hy * hz;
}

struct Model {
    DWQB_Linie lines[3]{};
    DWQB_Linienergebnis results[3]{};
    DWQB_Schublinie entries[3]{};
    DWQB_Teil head{}, part{};
    void* part_slot[1];
    void* line_slots[3];
    Model() {
        for (int k = 0; k < 3; k++) {
            const Plate& p = plates[k];
            DWQB_Linie& l = lines[k];
            l.number = k + 1;
            l.result = &results[k];
            // Counter-clockwise for the flanges, clockwise for the web: the
            // builder must turn the web round.
            double cy[4] = {p.y0, p.y1, p.y1, p.y0}, cz[4] = {p.z0, p.z0, p.z1, p.z1};
            if (k == 2) std::swap(cy[1], cy[3]), std::swap(cz[1], cz[3]);
            for (int s = 0; s < 4; s++) {
                DWQB_Outline_Segment& g = l.outline[2 * s];
                g.flags = DWQB_SEG_PRESENT | unsigned(2 * s);
                g.n_sub = 1;
                g.y1 = cy[s], g.z1 = cz[s], g.y2 = cy[(s + 1) % 4], g.z2 = cz[(s + 1) % 4];
            }
            DWQB_Linienergebnis& r = results[k];
            r.kind = 1;
            r.n_members = 1;
            r.line = &l;
            r.shear = &entries[k];
            // Ordinates about the origin: omega_O = omega_M - Z y + Y z.
            auto om = [&](double y, double z) { return p.omega_arm * (y - Y) - Z * y + Y * z; };
            DWQB_Teil_Summen& s = r.v.set2;
            s.a = Rect(p, [](double, double) { return 1.0; });
            s.y = Rect(p, [](double y, double) { return y; });
            s.z = Rect(p, [](double, double z) { return z; });
            s.yy = Rect(p, [](double y, double) { return y * y; });
            s.yz = Rect(p, [](double y, double z) { return y * z; });
            s.zz = Rect(p, [](double, double z) { return z * z; });
            r.v.w = Rect(p, om);
            r.v.wy = Rect(p, [&](double y, double z) { return om(y, z) * y; });
            r.v.wz = Rect(p, [&](double y, double z) { return om(y, z) * z; });
            r.v.ww = Rect(p, [&](double y, double z) { return om(y, z) * om(y, z); });
            DWQB_Teil_Summen& t = head.v.set2;
            t.a += s.a, t.y += s.y, t.z += s.z, t.yy += s.yy, t.yz += s.yz, t.zz += s.zz;
            entries[k] = {DWQB_SHEAR_FORWARD, &l};
            line_slots[k] = &results[k];
        }
        part_slot[0] = &part;
        head.kind = 3, head.n_members = 1, head.members = part_slot;
        part.kind = 3, part.n_members = 3, part.n_shear_lines = 3, part.members = line_slots;
        part.shear_lines = entries;
        Init_DWQB_Model();
        double* qw = DWQB_Querschnittswerte;
        qw[DWQB_QW_YC] = qw[DWQB_QW_YM] = Y;
        qw[DWQB_QW_ZC] = qw[DWQB_QW_ZM] = Z;
        qw[DWQB_QW_T_MAX] = tf;
        DWQB_Aktueller_Teil = &head;
        DWQB_Erweitert = 1;
    }
    ~Model() {
        Init_DWQB_Model();
        DWQB_Aktueller_Teil = nullptr;
        DWQB_Erweitert = 0;
    }
};

// Area integrals of 1, y, z, y², yz, z² over an area group (Green's theorem
// over its edges).
void Polygon(const Querschnittsgruppe* g, double* m) {
    for (int i = 0; i < 6; i++) m[i] = 0;
    for (int i = 0; i < Get_Flaeche_Kanten_Count(g); i++) {
        const Querschnittskante* e = Get_Flaeche_Kante(g, i);
        const double y0 = e->anf->y, z0 = e->anf->z, y1 = e->end->y, z1 = e->end->z;
        const double c = y0 * z1 - y1 * z0;
        m[0] += c / 2;
        m[1] += (y0 + y1) * c / 6;
        m[2] += (z0 + z1) * c / 6;
        m[3] += (y0 * y0 + y0 * y1 + y1 * y1) * c / 12;
        m[4] += (y0 * z1 + 2 * y0 * z0 + 2 * y1 * z1 + y1 * z0) * c / 24;
        m[5] += (z0 * z0 + z0 * z1 + z1 * z1) * c / 12;
    }
}

TEST(DwqbMasque, PlasticModuliOfAnISection) {
    Model model;
    DWQB_Summary out;
    ASSERT_EQ(Build_DWQB_Masque(&out), 1);
    // Plate formulas: W_pl,y = b tf (h - tf) + tw (h - 2 tf)² / 4,
    // W_pl,z = 2 tf b² / 4 + (h - 2 tf) tw² / 4.
    const double wy = b * tf * (h - tf) + tw * (h - 2 * tf) * (h - 2 * tf) / 4;  // 1844
    const double wz = 2 * tf * b * b / 4 + (h - 2 * tf) * tw * tw / 4;           // 409
    const struct { int block; double w; } cases[] = {{0, wy}, {1, wz}, {2, wy}, {3, wz}, {4, wy}, {5, wz}};
    for (const auto& c : cases) {
        EXPECT_NEAR(out.block[c.block][3], c.w, 0.002 * c.w) << c.block;
        EXPECT_EQ(out.block[c.block][0], Y);
        EXPECT_EQ(out.block[c.block][1], Z);
    }
    // The switch off: nothing is computed.
    DWQB_Erweitert = 0;
    EXPECT_EQ(Build_DWQB_Masque(&out), 0);
    EXPECT_EQ(out.block[0][3], -1.0);
    EXPECT_EQ(Build_DWQB_Masque(nullptr), 0);
}

TEST(DwqbMasque, WarpingPlanesHaveNoResultantAndGiveTheWarpingConstant) {
    Model model;
    const double in[5] = {23.5, 21000, 0, 0, 0};
    Querschnitt* q = Build_DWQB_Masque_Cached(in);
    ASSERT_NE(q, nullptr);
    double r[3] = {0, 0, 0}, iw = 0, area = 0;
    for (int n = 1; n <= 3; n++) {
        const Querschnittsgruppe* g = Find_DWQB_Masque_Gruppe(q, n);
        ASSERT_NE(g, nullptr);
        double m[6];
        Polygon(g, m);
        EXPECT_GT(m[0], 0) << n;
        const double a = g->feld.a, bb = g->feld.b, c = g->feld.c;
        r[0] += a * m[0] + bb * m[1] + c * m[2];
        r[1] += a * m[1] + bb * m[3] + c * m[4];
        r[2] += a * m[2] + bb * m[4] + c * m[5];
        iw += a * a * m[0] + 2 * a * bb * m[1] + 2 * a * c * m[2] + bb * bb * m[3] + 2 * bb * c * m[4] + c * c * m[5];
        area += m[0];
    }
    // I_w = tf b³ (h - tf)² / 24 in cm⁶, here in m⁶.
    const double Iw = tf * b * b * b * (h - tf) * (h - tf) / 24 * 1e-12;
    const double scale = std::sqrt(Iw * area);
    for (double v : r) EXPECT_NEAR(v, 0, 1e-9 * scale);
    EXPECT_NEAR(iw, Iw, 1e-9 * Iw);
    EXPECT_EQ(Find_DWQB_Masque_Gruppe(nullptr, 1), nullptr);
}

TEST(DwqbMasque, KeptObjectsOnlyForAnUnchangedModel) {
    Model model;
    const double in[5] = {23.5, 21000, 0, 0, 0};
    DWQB_Summary out;
    ASSERT_EQ(Build_DWQB_Masque(&out), 1);
    ASSERT_NE(Build_DWQB_Masque_Cached(in), nullptr);
    // Marks on the kept objects tell a reused object from a new one.
    auto mark = [] {
        dwqb_cached_masque[0]->header.number = 77;
        dwqb_cached_masque[1]->header.number = 77;
    };
    auto kept = [&] {
        Build_DWQB_Masque(&out);
        Build_DWQB_Masque_Cached(in);
        return dwqb_cached_masque[0]->header.number == 77 && dwqb_cached_masque[1]->header.number == 77;
    };
    mark();
    EXPECT_TRUE(kept());
    Add_DWQB_Node(1, 0, 0);  // the model changed
    EXPECT_FALSE(kept());
    mark();
    DWQB_Querschnittswerte[DWQB_QW_T_MAX] = 3;  // recalculated to other values
    EXPECT_FALSE(kept());
    mark();
    double other[5] = {23.5, 21000, 0, 0, 2e-8};
    EXPECT_EQ(Build_DWQB_Masque_Cached(other)->header.number, 1);
    Clear_DWQB_Model();
    EXPECT_EQ(dwqb_cached_masque[0], nullptr);
    EXPECT_EQ(dwqb_cached_masque[1], nullptr);
}

}  // namespace

}  // namespace test_dwqb_masque
