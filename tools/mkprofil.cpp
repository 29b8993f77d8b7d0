// mkprofil: writes the profile file PROFIL from the profile tables in
// data/profiles (one CSV file per series, see data/profiles/README.md), or
// with --names the source of the program's designation lists from the same
// tables, or with --sizes the source of the published dimensions of the
// double-T and channel sizes that their designations state.
//
//     mkprofil <table directory> <output file>
//     mkprofil --names <table directory> <output source>
//     mkprofil --sizes <table directory> <output source>
//
// The file is a sequence of 160-byte little-endian records sorted by the
// unsigned bytes of their designations: 16 bytes designation (blank-padded),
// 35 float32 values in cm units, three blanks and the type letter. Which value
// index holds what is told in data/README. A published value is taken as it
// stands; a value the tables do not give is computed from the dimensions
// (root and toe fillets included); values nobody reads stay 0. A designation
// without any published dimension is left out.
//
// The output depends on nothing but the tables: same tables, same bytes.
// Exit status 0 on success; 1 with a message on stderr for a table that cannot
// be read, a malformed number, a bad or duplicate designation.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int RECORD_SIZE = 160;
constexpr int NAME_BYTES = 16;
constexpr int NAME_MAX = 15;  // readers compare the first 15 bytes
constexpr int VALUE_COUNT = 35;
constexpr double PI = 3.14159265358979323846;
// Spandrel between a quarter circle of radius r and its square corner: area
// (1 - pi/4) r^2, centroid 0.22337 r from both straight sides, own second
// moment about its centroidal axes 0.007545 r^4.
constexpr double SPANDREL_AREA = 1.0 - PI / 4.0;
constexpr double SPANDREL_OFFSET = (10.0 - 3.0 * PI) / (12.0 - 3.0 * PI);
constexpr double SPANDREL_OWN = 0.007545;

struct Failure {
    std::string text;
};

[[noreturn]] void Fail(const std::string& text) { throw Failure{text}; }

// ---- tables ----------------------------------------------------------------

std::vector<std::string> Split_Csv_Line(const std::string& line) {
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); i++) {
        char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') cells.back() += '"', i++;
            else if (c == '"') quoted = false;
            else cells.back() += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            cells.emplace_back();
        } else if (c != '\r') {
            cells.back() += c;
        }
    }
    return cells;
}

struct Row {
    std::string file;
    std::map<std::string, std::string> cells;

    const std::string& Text(const std::string& key) const {
        static const std::string none;
        auto it = cells.find(key);
        return it == cells.end() ? none : it->second;
    }
    // The number in a cell, or nothing for an empty or missing cell.
    std::optional<double> Get(const std::string& key) const {
        const std::string& s = Text(key);
        if (s.empty()) return std::nullopt;
        std::istringstream in(s);
        in.imbue(std::locale::classic());
        double v;
        if (!(in >> v) || !in.eof() || !std::isfinite(v))
            Fail(file + ": " + Text("name") + ": no number in column " + key + ": " + s);
        return v;
    }
    double Need(const std::string& key) const {
        auto v = Get(key);
        if (!v) Fail(file + ": " + Text("name") + ": column " + key + " is empty");
        return *v;
    }
    double Or(const std::string& key, double fallback) const { return Get(key).value_or(fallback); }
};

std::vector<Row> Read_Table(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) Fail("cannot read " + path.string());
    std::string line;
    std::vector<std::string> head;
    std::vector<Row> rows;
    while (std::getline(in, line)) {
        if (line.empty() || line == "\r") continue;
        auto cells = Split_Csv_Line(line);
        if (head.empty()) {
            head = cells;
            if (std::find(head.begin(), head.end(), "type_letter") == head.end()) return {};
            continue;
        }
        if (cells.size() != head.size())
            Fail(path.filename().string() + ": a line with " + std::to_string(cells.size()) + " cells, header has " +
                 std::to_string(head.size()));
        Row row;
        row.file = path.filename().string();
        for (size_t i = 0; i < head.size(); i++) row.cells[head[i]] = cells[i];
        rows.push_back(std::move(row));
    }
    return rows;
}

// ---- section geometry --------------------------------------------------------
//
// A section is a sum of rectangles and of lumped areas (fillet spandrels,
// negative for material taken away at a rounded toe), in (y, z) with z up.

struct Rect {
    double y0, y1, z0, z1;
};
struct Lump {
    double area, y, z, own;  // own second moment about the lump's centroid
};

struct Shape {
    std::vector<Rect> rects;
    std::vector<Lump> lumps;

    void Add(double y0, double y1, double z0, double z1) {
        if (y1 > y0 && z1 > z0) rects.push_back({y0, y1, z0, z1});
    }
    // Spandrel of radius r whose square corner lies at (y, z); (sy, sz) point
    // from the corner into the spandrel; sign -1 takes it away.
    void Spandrel(double y, double z, double sy, double sz, double r, double sign) {
        if (r <= 0) return;
        double e = SPANDREL_OFFSET * r;
        lumps.push_back({sign * SPANDREL_AREA * r * r, y + sy * e, z + sz * e, sign * SPANDREL_OWN * r * r * r * r});
    }
    // A flange outstand from y = ya to y = yb (either order) whose thickness
    // grows linearly from t_tip at yb to t_root at ya, with its outer face at
    // z = face and the material on the side dir (+1 up, -1 down). Cut into
    // strips; a parallel outstand is one rectangle.
    void Outstand(double ya, double yb, double t_root, double t_tip, double face, double dir) {
        int n = std::fabs(t_root - t_tip) < 1e-12 ? 1 : 64;
        for (int i = 0; i < n; i++) {
            double u = (i + 0.5) / n;
            double t = t_root + (t_tip - t_root) * u;
            double y0 = ya + (yb - ya) * i / n, y1 = ya + (yb - ya) * (i + 1) / n;
            if (y0 > y1) std::swap(y0, y1);
            if (dir > 0) Add(y0, y1, face, face + t);
            else Add(y0, y1, face - t, face);
        }
    }
};

struct Props {
    double a = 0, yc = 0, zc = 0;
    double iy = 0, iz = 0, iyz = 0;  // about the centroid: iy = integral of z^2
};

Props Properties(const Shape& s) {
    Props p;
    double sy = 0, sz = 0, yy = 0, zz = 0, yz = 0;
    for (const Rect& r : s.rects) {
        double w = r.y1 - r.y0, h = r.z1 - r.z0, a = w * h;
        double y = (r.y0 + r.y1) / 2, z = (r.z0 + r.z1) / 2;
        p.a += a, sy += a * y, sz += a * z;
        zz += a * z * z + w * h * h * h / 12, yy += a * y * y + h * w * w * w / 12, yz += a * y * z;
    }
    for (const Lump& l : s.lumps) {
        p.a += l.area, sy += l.area * l.y, sz += l.area * l.z;
        zz += l.area * l.z * l.z + l.own, yy += l.area * l.y * l.y + l.own, yz += l.area * l.y * l.z;
    }
    p.yc = sy / p.a, p.zc = sz / p.a;
    p.iy = zz - p.a * p.zc * p.zc;
    p.iz = yy - p.a * p.yc * p.yc;
    p.iyz = yz - p.a * p.yc * p.zc;
    return p;
}

// Plastic modulus for bending about a horizontal (vertical = false) or a
// vertical axis: the axis halves the area, W = sum of |distance| dA.
double Plastic_Modulus(const Shape& s, bool vertical) {
    auto lo = [&](const Rect& r) { return vertical ? r.y0 : r.z0; };
    auto hi = [&](const Rect& r) { return vertical ? r.y1 : r.z1; };
    auto width = [&](const Rect& r) { return vertical ? r.z1 - r.z0 : r.y1 - r.y0; };
    auto at = [&](const Lump& l) { return vertical ? l.y : l.z; };
    auto below = [&](double c) {
        double a = 0;
        for (const Rect& r : s.rects) a += width(r) * std::clamp(c - lo(r), 0.0, hi(r) - lo(r));
        for (const Lump& l : s.lumps)
            if (at(l) < c) a += l.area;
        return a;
    };
    double c0 = 1e300, c1 = -1e300, total = 0;
    for (const Rect& r : s.rects) c0 = std::min(c0, lo(r)), c1 = std::max(c1, hi(r)), total += width(r) * (hi(r) - lo(r));
    for (const Lump& l : s.lumps) total += l.area;
    for (int i = 0; i < 200; i++) {
        double m = (c0 + c1) / 2;
        (below(m) < total / 2 ? c0 : c1) = m;
    }
    double c = (c0 + c1) / 2, w = 0;
    for (const Rect& r : s.rects) {
        double a = lo(r) - c, b = hi(r) - c;
        auto part = [](double u, double v) { return (v * std::fabs(v) - u * std::fabs(u)) / 2; };  // integral of |x|
        w += width(r) * part(a, b);
    }
    for (const Lump& l : s.lumps) w += l.area * std::fabs(at(l) - c);
    return w;
}

// Warping constant of an open thin-walled section about its shear centre:
// the centre line as a chain of points with the wall thickness at each. The
// sectorial coordinate about any pole differs from the one about the shear
// centre by a + b y + c z, and the shear centre is the pole that leaves it
// orthogonal to 1, y and z; so I_w is what remains of the integral of
// omega^2 t ds once its weighted projection onto 1, y, z is taken away.
struct Wall_Point {
    double y, z, t;
};

double Open_Warping_Constant(const std::vector<Wall_Point>& line) {
    std::vector<double> omega(line.size(), 0.0);
    for (size_t i = 1; i < line.size(); i++)
        omega[i] = omega[i - 1] + line[i - 1].y * line[i].z - line[i - 1].z * line[i].y;
    double m[3][4] = {};  // normal equations of the projection, right-hand side in column 3
    struct Sample {
        double x[3], w, omega;
    };
    std::vector<Sample> samples;
    const double gauss[2] = {0.5 - 0.5 / std::sqrt(3.0), 0.5 + 0.5 / std::sqrt(3.0)};
    for (size_t i = 1; i < line.size(); i++) {
        const Wall_Point &a = line[i - 1], &b = line[i];
        const double ds = std::hypot(b.y - a.y, b.z - a.z);
        for (double g : gauss) {
            Sample q{{1, a.y + g * (b.y - a.y), a.z + g * (b.z - a.z)}, ds * (a.t + g * (b.t - a.t)) / 2,
                     omega[i - 1] + g * (omega[i] - omega[i - 1])};
            for (int r = 0; r < 3; r++) {
                for (int c = 0; c < 3; c++) m[r][c] += q.w * q.x[r] * q.x[c];
                m[r][3] += q.w * q.x[r] * q.omega;
            }
            samples.push_back(q);
        }
    }
    for (int i = 0; i < 3; i++) {  // Gauss-Jordan; the matrix is positive definite
        for (int r = 0; r < 3; r++) {
            if (r == i) continue;
            const double f = m[r][i] / m[i][i];
            for (int c = i; c < 4; c++) m[r][c] -= f * m[i][c];
        }
    }
    double iw = 0;
    for (const Sample& q : samples) {
        double rest = q.omega;
        for (int k = 0; k < 3; k++) rest -= m[k][3] / m[k][k] * q.x[k];
        iw += q.w * rest * rest;
    }
    return iw;
}

// ---- records -----------------------------------------------------------------

struct Record {
    std::string name;
    char letter = ' ';
    float v[VALUE_COUNT] = {};
};

// Value slots of the record (see data/README).
enum {
    V_H = 0, V_B = 1, V_TW = 2, V_TF = 3, V_A = 4, V_EZ = 6, V_EY = 7, V_TAN = 8, V_IY = 9, V_IZ = 10,
    V_I1 = 13, V_W1_TOP = 14, V_W1_BOTTOM = 15, V_WPLY = 16, V_WPL1 = 17, V_I2 = 18, V_W2_LEFT = 19,
    V_W2_RIGHT = 20, V_WPLZ = 21, V_WPL2 = 22, V_IT = 23, V_IW = 24, V_R1 = 25, V_R2 = 26, V_FILLET = 27
};

struct Values {
    double v[VALUE_COUNT] = {};
};

double Cm(double mm) { return mm / 10.0; }

// Flange thickness at distance x from the tip of a sloped outstand whose
// nominal thickness tf is taken at x_nominal (slope p as a fraction).
double Sloped_Thickness(double tf, double p, double x_nominal, double x) { return tf + p * (x - x_nominal); }

// Double-T sections (I, H, W, S, DIL, M): y across, z up from the bottom face.
Values Double_T(const Row& r) {
    double h = r.Need("h_mm"), b = r.Need("b_mm"), tw = r.Need("tw_mm"), tf = r.Need("tf_mm");
    double r1 = r.Or("r1_mm", 0), r2 = r.Or("r2_mm", 0), p = r.Or("flange_slope_pct", 0) / 100;
    double c = (b - tw) / 2;  // outstand
    double t_tip = Sloped_Thickness(tf, p, b / 4, 0), t_root = Sloped_Thickness(tf, p, b / 4, c);
    Shape s;
    s.Add(-tw / 2, tw / 2, 0, h);
    for (double side : {-1.0, 1.0}) {
        double ya = side * tw / 2, yb = side * b / 2;
        s.Outstand(ya, yb, t_root, t_tip, 0, 1);
        s.Outstand(ya, yb, t_root, t_tip, h, -1);
        s.Spandrel(ya, t_root, side, 1, r1, 1);
        s.Spandrel(ya, h - t_root, side, -1, r1, 1);
        s.Spandrel(yb, t_tip, -side, -1, r2, -1);
        s.Spandrel(yb, h - t_tip, -side, 1, r2, -1);
    }
    Props g = Properties(s);
    Values o;
    double iy = r.Or("Iy_cm4", g.iy / 1e4), iz = r.Or("Iz_cm4", g.iz / 1e4);
    o.v[V_H] = Cm(h), o.v[V_B] = Cm(b), o.v[V_TW] = Cm(tw), o.v[V_TF] = Cm(tf);
    o.v[V_A] = r.Or("A_cm2", g.a / 100);
    o.v[V_EZ] = Cm(h / 2), o.v[V_EY] = Cm(b / 2);
    o.v[V_IY] = o.v[V_I1] = iy, o.v[V_IZ] = o.v[V_I2] = iz;
    o.v[V_W1_TOP] = o.v[V_W1_BOTTOM] = r.Or("Wel_y_cm3", iy / Cm(h / 2));
    o.v[V_W2_LEFT] = o.v[V_W2_RIGHT] = r.Or("Wel_z_cm3", iz / Cm(b / 2));
    o.v[V_WPLY] = o.v[V_WPL1] = r.Or("Wpl_y_cm3", Plastic_Modulus(s, false) / 1e3);
    o.v[V_WPLZ] = o.v[V_WPL2] = r.Or("Wpl_z_cm3", Plastic_Modulus(s, true) / 1e3);
    // Open thin-walled parts; the fillets are left out (on the safe side).
    double it = (2 * b * std::pow((t_tip + t_root) / 2, 3) + (h - 2 * tf) * tw * tw * tw) / 3;
    o.v[V_IT] = r.Or("It_cm4", it / 1e4);
    o.v[V_IW] = r.Or("Iw_cm6", iz * std::pow(Cm(h - tf), 2) / 4);
    o.v[V_R1] = Cm(r1), o.v[V_R2] = Cm(r2);
    o.v[V_FILLET] = Cm(Sloped_Thickness(tf, p, b / 4, c - r1) + r1);
    return o;
}

// Tees and half I sections: flange on top, z up from the tip of the web.
Values Tee(const Row& r) {
    double h = r.Need("h_mm"), b = r.Need("b_mm"), tw = r.Need("tw_mm"), tf = r.Need("tf_mm");
    double r1 = r.Or("r1_mm", 0), r2 = r.Or("r2_mm", 0), p = r.Or("flange_slope_pct", 0) / 100;
    double c = (b - tw) / 2;
    double t_tip = Sloped_Thickness(tf, p, b / 4, 0), t_root = Sloped_Thickness(tf, p, b / 4, c);
    Shape s;
    s.Add(-tw / 2, tw / 2, 0, h);
    for (double side : {-1.0, 1.0}) {
        double ya = side * tw / 2, yb = side * b / 2;
        s.Outstand(ya, yb, t_root, t_tip, h, -1);
        s.Spandrel(ya, h - t_root, side, -1, r1, 1);
        s.Spandrel(yb, h - t_tip, -side, 1, r2, -1);
    }
    Props g = Properties(s);
    Values o;
    double iy = r.Or("Iy_cm4", g.iy / 1e4), iz = r.Or("Iz_cm4", g.iz / 1e4);
    double e_face = r.Or("ez_cm", Cm(h - g.zc));  // centroid below the flange face
    o.v[V_H] = Cm(h), o.v[V_B] = Cm(b), o.v[V_TW] = Cm(tw), o.v[V_TF] = Cm(tf);
    o.v[V_A] = r.Or("A_cm2", g.a / 100);
    o.v[V_EZ] = Cm(h) - e_face, o.v[V_EY] = Cm(b / 2);
    o.v[V_IY] = o.v[V_I1] = iy, o.v[V_IZ] = o.v[V_I2] = iz;
    o.v[V_W1_TOP] = iy / e_face, o.v[V_W1_BOTTOM] = iy / (Cm(h) - e_face);
    o.v[V_W2_LEFT] = o.v[V_W2_RIGHT] = r.Or("Wel_z_cm3", iz / Cm(b / 2));
    o.v[V_WPLY] = o.v[V_WPL1] = r.Or("Wpl_y_cm3", Plastic_Modulus(s, false) / 1e3);
    o.v[V_WPLZ] = o.v[V_WPL2] = r.Or("Wpl_z_cm3", Plastic_Modulus(s, true) / 1e3);
    double it = (b * std::pow((t_tip + t_root) / 2, 3) + (h - tf / 2) * tw * tw * tw) / 3;
    o.v[V_IT] = r.Or("It_cm4", it / 1e4);
    o.v[V_R1] = Cm(r1), o.v[V_R2] = Cm(r2);
    o.v[V_FILLET] = Cm(t_root + r1);
    return o;
}

// Channels (U, C): web on the left at y = 0, flanges to the right, z up.
Values Channel(const Row& r) {
    double h = r.Need("h_mm"), b = r.Need("b_mm"), tw = r.Need("tw_mm"), tf = r.Need("tf_mm");
    double r1 = r.Or("r1_mm", 0), r2 = r.Or("r2_mm", 0), p = r.Or("flange_slope_pct", 0) / 100;
    double c = b - tw;
    double t_tip = Sloped_Thickness(tf, p, b / 2, 0), t_root = Sloped_Thickness(tf, p, b / 2, c);
    Shape s;
    s.Add(0, tw, 0, h);
    s.Outstand(tw, b, t_root, t_tip, 0, 1);
    s.Outstand(tw, b, t_root, t_tip, h, -1);
    s.Spandrel(tw, t_root, 1, 1, r1, 1);
    s.Spandrel(tw, h - t_root, 1, -1, r1, 1);
    s.Spandrel(b, t_tip, -1, -1, r2, -1);
    s.Spandrel(b, h - t_tip, -1, 1, r2, -1);
    Props g = Properties(s);
    Values o;
    double iy = r.Or("Iy_cm4", g.iy / 1e4), iz = r.Or("Iz_cm4", g.iz / 1e4);
    double ey = r.Or("ey_cm", Cm(g.yc));
    o.v[V_H] = Cm(h), o.v[V_B] = Cm(b), o.v[V_TW] = Cm(tw), o.v[V_TF] = Cm(tf);
    o.v[V_A] = r.Or("A_cm2", g.a / 100);
    o.v[V_EZ] = Cm(h / 2), o.v[V_EY] = ey;
    o.v[V_IY] = o.v[V_I1] = iy, o.v[V_IZ] = o.v[V_I2] = iz;
    o.v[V_W1_TOP] = o.v[V_W1_BOTTOM] = r.Or("Wel_y_cm3", iy / Cm(h / 2));
    o.v[V_W2_LEFT] = iz / ey, o.v[V_W2_RIGHT] = iz / (Cm(b) - ey);
    o.v[V_WPLY] = o.v[V_WPL1] = r.Or("Wpl_y_cm3", Plastic_Modulus(s, false) / 1e3);
    o.v[V_WPLZ] = o.v[V_WPL2] = r.Or("Wpl_z_cm3", Plastic_Modulus(s, true) / 1e3);
    double it = (2 * b * std::pow((t_tip + t_root) / 2, 3) + (h - 2 * tf) * tw * tw * tw) / 3;
    o.v[V_IT] = r.Or("It_cm4", it / 1e4);
    // Warping constant on the centre line of the outline: the flanges with
    // their slope (thinner at the tips, where the sectorial coordinate is
    // largest), their mid-line half their thickness inside the outer face,
    // and the web between the flange mid-lines at the web. Parallel flanges
    // of the nominal thickness would overstate it by 10 to 15 %.
    const int n = 200;
    const double length = b - tw / 2;  // flange centre line from the tip to the web's
    auto flange_point = [&](double side, double x) {  // x from the tip
        const double t = Sloped_Thickness(tf, p, b / 2, std::min(x, c));
        return Wall_Point{Cm(length - x), Cm(side * (h - t) / 2), Cm(t)};
    };
    std::vector<Wall_Point> chain;
    for (int i = 0; i <= n; i++) chain.push_back(flange_point(1, length * i / n));
    const double z_top = chain.back().z, z_bottom = flange_point(-1, length).z;
    // The web's own thickness from corner to corner: its first and last
    // pieces do not blend it into the flanges' (the pieces of no length at
    // the corners count nothing).
    for (int i = 0; i <= n; i++) chain.push_back({0, z_top + (z_bottom - z_top) * i / n, Cm(tw)});
    for (int i = n; i >= 0; i--) chain.push_back(flange_point(-1, length * i / n));
    o.v[V_IW] = r.Or("Iw_cm6", Open_Warping_Constant(chain));
    o.v[V_R1] = Cm(r1), o.v[V_R2] = Cm(r2);
    o.v[V_FILLET] = Cm(Sloped_Thickness(tf, p, b / 2, c - r1) + r1);
    return o;
}

// Angles: the longer leg h upright on the left (back at y = 0), the shorter
// leg b at the bottom (back at z = 0).
Values Angle(const Row& r) {
    double h = r.Need("h_mm"), b = r.Need("b_mm"), t = r.Need("t_mm");
    double r1 = r.Or("r1_mm", 0), r2 = r.Or("r2_mm", 0);
    Shape s;
    s.Add(0, t, 0, h);
    s.Add(t, b, 0, t);
    s.Spandrel(t, t, 1, 1, r1, 1);
    s.Spandrel(t, h, -1, -1, r2, -1);
    s.Spandrel(b, t, -1, -1, r2, -1);
    Props g = Properties(s);
    Values o;
    double ey = r.Or("ey_cm", Cm(g.yc)), ez = r.Or("ez_cm", Cm(g.zc));
    double iy = r.Or("Iy_cm4", g.iy / 1e4), iz = r.Or("Iz_cm4", g.iz / 1e4);
    // Major principal axis at theta from y: tan 2 theta = -2 Iyz / (Iy - Iz).
    double theta = 0.5 * std::atan2(-2 * g.iyz, g.iy - g.iz);
    double i_mid = (g.iy + g.iz) / 2, i_half = std::hypot((g.iy - g.iz) / 2, g.iyz);
    double iu = r.Or("Iu_cm4", (i_mid + i_half) / 1e4), iv = r.Or("Iv_cm4", (i_mid - i_half) / 1e4);
    double tan_alpha = r.Or("tan_alpha", std::tan(theta));
    // Extreme fibres of the outline on both sides of each principal axis.
    const double corner[6][2] = {{0, 0}, {b, 0}, {b, t}, {t, t}, {t, h}, {0, h}};
    double du_neg = 0, du_pos = 0, dv_neg = 0, dv_pos = 0;
    for (const auto& k : corner) {
        double y = Cm(k[0]) - ey, z = Cm(k[1]) - ez;
        double du = -y * std::sin(theta) + z * std::cos(theta), dv = y * std::cos(theta) + z * std::sin(theta);
        du_neg = std::max(du_neg, -du), du_pos = std::max(du_pos, du);
        dv_neg = std::max(dv_neg, -dv), dv_pos = std::max(dv_pos, dv);
    }
    o.v[V_H] = Cm(h), o.v[V_B] = Cm(b), o.v[V_TW] = Cm(t), o.v[V_TF] = Cm(t);
    o.v[V_A] = r.Or("A_cm2", g.a / 100);
    o.v[V_EZ] = ez, o.v[V_EY] = ey, o.v[V_TAN] = tan_alpha;
    o.v[V_IY] = iy, o.v[V_IZ] = iz, o.v[V_I1] = iu, o.v[V_I2] = iv;
    o.v[V_W1_TOP] = iu / du_pos, o.v[V_W1_BOTTOM] = iu / du_neg;
    o.v[V_W2_LEFT] = iv / dv_neg, o.v[V_W2_RIGHT] = iv / dv_pos;
    // The section model keeps 17 and 22 as its plastic moduli, which it takes
    // about the axes parallel to the legs, as 16 and 21 are: without them it
    // would work them out on sharp corners (L 100x10: 1 % high).
    o.v[V_WPLY] = o.v[V_WPL1] = Plastic_Modulus(s, false) / 1e3;
    o.v[V_WPLZ] = o.v[V_WPL2] = Plastic_Modulus(s, true) / 1e3;
    o.v[V_IT] = r.Or("It_cm4", (h + b - t) * t * t * t / 3 / 1e4);
    o.v[V_R1] = Cm(r1), o.v[V_R2] = Cm(r2);
    return o;
}

// Rectangular hollow sections: every value is in the table.
Values Hollow(const Row& r) {
    Values o;
    double h = r.Need("h_mm"), b = r.Need("b_mm"), t = r.Need("t_mm");
    o.v[V_H] = Cm(h), o.v[V_B] = Cm(b), o.v[V_TW] = Cm(t), o.v[V_TF] = Cm(t);
    o.v[V_A] = r.Need("A_cm2");
    o.v[V_EZ] = Cm(h / 2), o.v[V_EY] = Cm(b / 2);
    o.v[V_IY] = o.v[V_I1] = r.Need("Iy_cm4"), o.v[V_IZ] = o.v[V_I2] = r.Need("Iz_cm4");
    o.v[V_W1_TOP] = o.v[V_W1_BOTTOM] = r.Need("Wel_y_cm3");
    o.v[V_W2_LEFT] = o.v[V_W2_RIGHT] = r.Need("Wel_z_cm3");
    o.v[V_WPLY] = o.v[V_WPL1] = r.Need("Wpl_y_cm3");
    o.v[V_WPLZ] = o.v[V_WPL2] = r.Need("Wpl_z_cm3");
    o.v[V_IT] = r.Need("It_cm4");
    o.v[V_R1] = Cm(r.Need("ro_mm")), o.v[V_R2] = Cm(r.Need("ri_mm"));
    return o;
}

// Round tubes: every value is in the table; the width is the diameter.
Values Tube(const Row& r) {
    Values o;
    double d = r.Need("D_mm"), t = r.Need("t_mm");
    o.v[V_H] = o.v[V_B] = Cm(d), o.v[V_TW] = o.v[V_TF] = Cm(t);
    o.v[V_A] = r.Need("A_cm2");
    o.v[V_EZ] = o.v[V_EY] = Cm(d / 2);
    o.v[V_IY] = o.v[V_IZ] = o.v[V_I1] = o.v[V_I2] = r.Need("I_cm4");
    o.v[V_W1_TOP] = o.v[V_W1_BOTTOM] = o.v[V_W2_LEFT] = o.v[V_W2_RIGHT] = r.Need("Wel_cm3");
    o.v[V_WPLY] = o.v[V_WPL1] = o.v[V_WPLZ] = o.v[V_WPL2] = r.Need("Wpl_cm3");
    o.v[V_IT] = r.Need("It_cm4");
    return o;
}

bool Has_Dimensions(const Row& r) { return r.Get("h_mm") || r.Get("D_mm"); }

// A designation as readers compare it: 1 to 15 printable upper-case
// characters (which also keeps it a plain C string literal).
const std::string& Designation(const Row& r) {
    const std::string& name = r.Text("name");
    if (name.empty() || name.size() > NAME_MAX) Fail(r.file + ": designation empty or longer than 15: " + name);
    for (unsigned char c : name)
        if (c <= ' ' || c >= 0x7F || std::islower(c) || c == '"' || c == '\\')
            Fail(r.file + ": designation not upper case: " + name);
    return name;
}

Record Make_Record(const Row& r) {
    Record rec;
    rec.name = Designation(r);
    const std::string& letter = r.Text("type_letter");
    if (letter.size() != 1) Fail(r.file + ": " + rec.name + ": type letter must be one character");
    rec.letter = letter[0];
    Values v;
    if (r.cells.count("D_mm")) v = Tube(r);
    else if (r.cells.count("ro_mm")) v = Hollow(r);
    else if (r.cells.count("t_mm")) v = Angle(r);
    else if (rec.letter == 'T') v = Tee(r);
    else if (rec.letter == 'U') v = Channel(r);
    else if (rec.letter == 'D') v = Double_T(r);
    else Fail(r.file + ": " + rec.name + ": no section shape for type letter " + letter);
    for (int i = 0; i < VALUE_COUNT; i++) {
        if (!std::isfinite(v.v[i])) Fail(r.file + ": " + rec.name + ": value " + std::to_string(i) + " not finite");
        rec.v[i] = static_cast<float>(v.v[i]);
    }
    return rec;
}

void Put_Le32(std::string& out, uint32_t u) {
    for (int i = 0; i < 4; i++) out += static_cast<char>((u >> (8 * i)) & 0xFF);
}

std::string Encode(const std::vector<Record>& records) {
    std::string out;
    out.reserve(records.size() * RECORD_SIZE);
    for (const Record& r : records) {
        std::string name = r.name;
        name.resize(NAME_BYTES, ' ');
        out += name;
        for (float f : r.v) {
            uint32_t u;
            std::memcpy(&u, &f, 4);
            Put_Le32(out, u);
        }
        out += "   ";
        out += r.letter;
    }
    return out;
}

std::vector<std::filesystem::path> Table_Files(const std::filesystem::path& dir) {
    std::vector<std::filesystem::path> tables;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        if (e.path().extension() == ".csv") tables.push_back(e.path());
    std::sort(tables.begin(), tables.end());
    return tables;
}

// Replaces output whole, so a reader never sees half a file.
void Write_Whole(const std::filesystem::path& output, const std::string& bytes) {
    std::filesystem::path part = output;
    part += ".part";
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) Fail("cannot write " + part.string());
    }
    std::filesystem::rename(part, output);
}

int Run(const std::filesystem::path& dir, const std::filesystem::path& output) {
    std::vector<Record> records;
    for (const auto& t : Table_Files(dir))
        for (const Row& row : Read_Table(t))
            if (Has_Dimensions(row)) records.push_back(Make_Record(row));
    if (records.empty()) Fail("no profile with dimensions in " + dir.string());
    std::sort(records.begin(), records.end(), [](const Record& a, const Record& b) { return a.name < b.name; });
    for (size_t i = 1; i < records.size(); i++)
        if (records[i].name == records[i - 1].name) Fail("designation twice: " + records[i].name);
    Write_Whole(output, Encode(records));
    return 0;
}

// The designation lists: every table of a rolled series in file order is one
// list, its rows in table order, all rows, with or without values. The round
// tubes have no list (their names come from the diameter and wall tables).
int Run_Names(const std::filesystem::path& dir, const std::filesystem::path& output) {
    std::string lists, table;
    int series = 0;
    for (const auto& t : Table_Files(dir)) {
        const std::vector<Row> rows = Read_Table(t);
        if (rows.empty() || rows.front().cells.count("D_mm")) continue;
        char name[32];
        std::snprintf(name, sizeof name, "series_%02d", ++series);
        lists += "// " + t.filename().string() + "\nconst char* const " + name + "[] = {\n";
        for (const Row& row : rows) lists += "    \"" + Designation(row) + "\",\n";
        lists += "};\n";
        table += std::string("    {") + name + ", static_cast<int>(sizeof " + name + " / sizeof " + name + "[0])},\n";
    }
    if (series == 0) Fail("no designation list in " + dir.string());
    Write_Whole(output,
                "// Generated by tools/mkprofil --names from data/profiles: the designation\n"
                "// lists of the rolled-profile series, in list order. Do not edit.\n"
                "#include \"profiles/profil.h\"\n\n"
                "static_assert(PROFIL_SERIES_COUNT == " + std::to_string(series) +
                    ", \"data/profiles holds another number of series\");\n\n"
                "namespace {\n\n" + lists + "\n}  // namespace\n\n"
                "const Profil_Series Profil_Series_Table[PROFIL_SERIES_COUNT + 1] = {\n"
                "    {nullptr, 0},\n" + table + "};\n");
    return 0;
}

// The published dimensions of every double-T and channel size with
// dimensions, sorted by designation: the cells as the table writes them
// (their last digit tells how closely they hold), and whether the root
// radius is derived rather than published (the American shapes' from the
// design distance k).
int Run_Sizes(const std::filesystem::path& dir, const std::filesystem::path& output) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (const auto& t : Table_Files(dir))
        for (const Row& row : Read_Table(t)) {
            const std::string& letter = row.Text("type_letter");
            if ((letter != "D" && letter != "U") || !row.Get("h_mm")) continue;
            for (const char* cell : {"b_mm", "tw_mm", "tf_mm"}) row.Need(cell);
            row.Get("r1_mm");  // a number or empty
            const std::string& note = row.Text("note");
            const bool derived = note.find("r1") != std::string::npos && note.find("derived") != std::string::npos;
            const std::string& name = Designation(row);
            rows.push_back({name, "    {\"" + name + "\", '" + letter + "', \"" + row.Text("h_mm") + "\", \"" +
                                      row.Text("b_mm") + "\", \"" + row.Text("tw_mm") + "\", \"" + row.Text("tf_mm") +
                                      "\", \"" + row.Text("r1_mm") + "\", " + (derived ? "true" : "false") + "},\n"});
        }
    if (rows.empty()) Fail("no double-T or channel with dimensions in " + dir.string());
    std::sort(rows.begin(), rows.end());
    std::string table;
    for (size_t i = 0; i < rows.size(); i++) {
        if (i > 0 && rows[i].first == rows[i - 1].first) Fail("designation twice: " + rows[i].first);
        table += rows[i].second;
    }
    Write_Whole(output,
                "// Generated by tools/mkprofil --sizes from data/profiles: the published\n"
                "// dimensions of the double-T and channel sizes, sorted by designation. Do\n"
                "// not edit.\n"
                "#include \"profiles/catalogue_designation.h\"\n\n"
                "const Published_Size PUBLISHED_SIZES[] = {\n" + table + "};\n"
                "const int PUBLISHED_SIZE_COUNT = static_cast<int>(sizeof PUBLISHED_SIZES / sizeof PUBLISHED_SIZES[0]);\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc == 4 ? argv[1] : "";
    if (argc != 3 && mode != "--names" && mode != "--sizes") {
        std::fprintf(stderr, "usage: %s [--names | --sizes] <table directory> <output file>\n", argv[0]);
        return 1;
    }
    try {
        if (mode == "--names") return Run_Names(argv[2], argv[3]);
        if (mode == "--sizes") return Run_Sizes(argv[2], argv[3]);
        return Run(argv[1], argv[2]);
    } catch (const Failure& f) {
        std::fprintf(stderr, "mkprofil: %s\n", f.text.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "mkprofil: %s\n", e.what());
    }
    return 1;
}
