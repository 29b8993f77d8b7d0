// user_section_geometry: line and polygon caches of user sections.
#include "profiles/user_section_geometry.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using Node = User_Section_Node;
using Line = User_Section_Line;

struct Point {
    double y, z, bulge;
};

const Sonderquerschnitt* line_key;
std::vector<Node> line_nodes;
std::vector<Line> line_lines;

const Sonderquerschnitt* polygon_key;
std::vector<std::vector<Point>> polygons;

void Centroid(const Sonderquerschnitt* s, double* ey, double* ez) {
    *ey = *ez = 0;
    Get_Sonderquerschnitt_Value(s, ".EY_", ey);
    Get_Sonderquerschnitt_Value(s, ".EZ_", ez);
}

void Clear_Lines() {
    line_key = nullptr;
    line_nodes.clear();
    line_lines.clear();
}

void Clear_Polygons() {
    polygon_key = nullptr;
    polygons.clear();
}

// Direction u, length L, half thickness h of a loaded line; false for a line
// of length 0.
bool Line_Frame(int index, double* ay, double* az, double* by, double* bz, double* uy, double* uz, double* h) {
    const Line& l = line_lines[index];
    *ay = line_nodes[l.a].y;
    *az = line_nodes[l.a].z;
    *by = line_nodes[l.b].y;
    *bz = line_nodes[l.b].z;
    const double L = std::hypot(*by - *ay, *bz - *az);
    if (!(L > 0)) return false;
    *uy = (*by - *ay) / L;
    *uz = (*bz - *az) / L;
    *h = l.t / 2;
    return true;
}

bool Line_Ok(const Sonderquerschnitt* s, int line, int number) {
    return s && s == line_key && line >= 0 && line < static_cast<int>(line_lines.size()) && number <= 4;
}

bool Polygon_Ok(const Sonderquerschnitt* s, int polygon) {
    return s && s == polygon_key && polygon >= 0 && polygon < static_cast<int>(polygons.size());
}

// Divides the arc edges of a polygon into points.
void Divide_Arcs(std::vector<Point>& p) {
    std::vector<Point> out;
    for (size_t i = 0; i < p.size(); i++) {
        const Point P = p[i];
        out.push_back(Point{P.y, P.z, P.bulge});
        const Point Q = p[(i + 1) % p.size()];
        const double L = std::hypot(Q.y - P.y, Q.z - P.z);
        if (P.bulge == 0 || !(L > 0) || !std::isfinite(L)) continue;
        double s = P.bulge * L;
        if (std::fabs(s) < 1e-5 * L) s = 1e-5 * L;
        const double k = s / 2 - L * L / (8 * s);
        const double cy = (P.y + Q.y) / 2 - k * (Q.z - P.z) / L, cz = (P.z + Q.z) / 2 - k * (P.y - Q.y) / L;
        const double theta = s > 0 ? 2 * std::atan2(L, -2 * k) : 2 * std::atan2(L, 2 * k);
        int N = static_cast<int>(5 * theta);
        if (N < 3) N = 3;
        const double step = s > 0 ? -theta / (N + 1) : theta / (N + 1);
        const double vy = P.y - cy, vz = P.z - cz;
        for (int j = 1; j <= N; j++) {
            const double c = std::cos(j * step), sn = std::sin(j * step);
            out.push_back(Point{c * vy - sn * vz + cy, sn * vy + c * vz + cz, 0});
        }
    }
    p.swap(out);
}

}  // namespace

bool Read_User_Section_Lines(const Sonderquerschnitt* s, double ey, double ez, std::vector<Node>& nodes,
                             std::vector<Line>& lines) {
    nodes.clear();
    lines.clear();
    char text[QIMPORT_LINE_SIZE];
    int n = 0, m = 0;
    bool ok = s && s->text && Find_Text_Block(s, "NODES", &n) && n >= 0 && n <= s->text_length;
    for (int i = 0; ok && i < n; i++) {
        Node node{};
        ok = Next_Text_Line_Copy(text, sizeof text) && std::sscanf(text, "%d%lf%lf", &node.number, &node.y, &node.z) == 3;
        node.y -= ey;
        node.z -= ez;
        nodes.push_back(node);
    }
    ok = ok && Find_Text_Block(s, "LINES", &m) && m >= 0 && m <= s->text_length;
    for (int i = 0; ok && i < m; i++) {
        int a, b;
        Line l{};
        ok = Next_Text_Line_Copy(text, sizeof text) && std::sscanf(text, "%d%d%d%lf", &l.number, &a, &b, &l.t) == 4;
        l.a = l.b = -1;
        for (int k = 0; ok && k < n; k++) {
            if (l.a < 0 && nodes[k].number == a) l.a = k;
            if (l.b < 0 && nodes[k].number == b) l.b = k;
        }
        ok = ok && l.a >= 0 && l.b >= 0;
        lines.push_back(l);
    }
    if (!ok) {
        nodes.clear();
        lines.clear();
    }
    return ok;
}

int Load_Line_Model(const Sonderquerschnitt* s) {
    if (!s) return 0;
    if (s == line_key) return static_cast<int>(line_lines.size());
    Clear_Lines();
    double ey, ez;
    Centroid(s, &ey, &ez);
    if (!Read_User_Section_Lines(s, ey, ez, line_nodes, line_lines)) return 0;
    line_key = s;
    return static_cast<int>(line_lines.size());
}

int Get_Line_Side_Count(const Sonderquerschnitt* s, int line) { return Line_Ok(s, line, 0) ? 4 : 0; }

int Get_Line_Side_Normal(const Sonderquerschnitt* s, int line, int side, int, double out[3]) {
    if (!out || !Line_Ok(s, line, side)) return 0;
    double ay, az, by, bz, uy, uz, h;
    if (!Line_Frame(line, &ay, &az, &by, &bz, &uy, &uz, &h)) return 0;
    out[0] = 0;
    switch (side) {
    case 1: out[1] = uy; out[2] = uz; break;          // end face
    case 2: out[1] = -uz; out[2] = uy; break;         // left
    case 3: out[1] = -uy; out[2] = -uz; break;        // start face
    default: out[1] = uz; out[2] = -uy; break;        // right (4, and 0)
    }
    return 1;
}

int Get_Line_Corner(const Sonderquerschnitt* s, int line, int corner, int, int* flag, double point[3], double dir[3]) {
    if (!point || !dir || !Line_Ok(s, line, corner)) return 0;
    double ay, az, by, bz, uy, uz, h;
    if (!Line_Frame(line, &ay, &az, &by, &bz, &uy, &uz, &h)) return 0;
    const double ry = uz, rz = -uy, ly = -uz, lz = uy, c = 0.7071067811865475;
    double py, pz, dy, dz;
    switch (corner) {
    case 1: py = by + h * ry; pz = bz + h * rz; dy = uy + ry; dz = uz + rz; break;
    case 2: py = by + h * ly; pz = bz + h * lz; dy = uy + ly; dz = uz + lz; break;
    case 3: py = ay + h * ly; pz = az + h * lz; dy = -uy + ly; dz = -uz + lz; break;
    default: py = ay + h * ry; pz = az + h * rz; dy = -uy + ry; dz = -uz + rz; break;
    }
    if (flag) *flag = 1;
    point[0] = 0;
    point[1] = py;
    point[2] = pz;
    dir[0] = 0;
    dir[1] = c * dy;
    dir[2] = c * dz;
    return 1;
}

int Load_Polygon_Model(const Sonderquerschnitt* s) {
    if (!s) return 0;
    if (s == polygon_key) return static_cast<int>(polygons.size());
    Clear_Polygons();
    double ey, ez;
    Centroid(s, &ey, &ez);
    int n = 0;
    if (!s->text || !Find_Text_Block(s, "POLYS", &n)) return 0;
    if (n > USER_POLYGON_LIMIT - 1) n = USER_POLYGON_LIMIT - 1;
    if (n < 0) {
        polygon_key = s;
        return 0;
    }
    char text[QIMPORT_LINE_SIZE];
    for (int p = 0; p <= n; p++) {
        int m;
        if (!Next_Text_Line_Copy(text, sizeof text) || std::sscanf(text, "%d", &m) != 1 || m < 0 || m > s->text_length) {
            Clear_Polygons();
            return 0;
        }
        std::vector<Point> points;
        for (int i = 0; i < m; i++) {
            int number;
            Point q{};
            if (!Next_Text_Line_Copy(text, sizeof text) ||
                std::sscanf(text, "%d%lf%lf%lf", &number, &q.y, &q.z, &q.bulge) != 4) {
                Clear_Polygons();
                return 0;
            }
            q.y -= ey;
            q.z -= ez;
            points.push_back(q);
        }
        Divide_Arcs(points);
        polygons.push_back(points);
    }
    polygon_key = s;
    return static_cast<int>(polygons.size());
}

int Get_Polygon_Point_Count(const Sonderquerschnitt* s, int polygon) {
    return Polygon_Ok(s, polygon) ? static_cast<int>(polygons[polygon].size()) : 0;
}

int Get_Polygon_Edge_Normal(const Sonderquerschnitt* s, int polygon, int point, int, double out[3]) {
    if (!out || !Polygon_Ok(s, polygon)) return 0;
    const std::vector<Point>& p = polygons[polygon];
    const int count = static_cast<int>(p.size());
    if (point < 0 || point >= count) return 0;
    const Point &a = p[point], &b = p[(point + 1) % count];
    const double dy = b.y - a.y, dz = b.z - a.z, L = std::hypot(dy, dz);
    if (!(L > 0)) return 0;
    out[0] = 0;
    out[1] = dz / L;
    out[2] = -dy / L;
    return 1;
}

int Get_Polygon_Corner(const Sonderquerschnitt* s, int polygon, int point, int, int* convex, double point_out[3],
                       double dir[3]) {
    if (!point_out || !dir || !Polygon_Ok(s, polygon)) return 0;
    const std::vector<Point>& p = polygons[polygon];
    const int count = static_cast<int>(p.size());
    if (point < 0 || point > count || count == 0) return 0;
    const int i = point == count ? 0 : point;
    const Point& c = p[i];
    const Point& prev = p[(i + count - 1) % count];
    const Point& next = p[(i + 1) % count];
    point_out[0] = 0;
    point_out[1] = c.y;
    point_out[2] = c.z;
    dir[0] = dir[1] = dir[2] = 0;
    int cv = 0;
    const double ay = c.y - prev.y, az = c.z - prev.z, by = c.y - next.y, bz = c.z - next.z;
    const double la = std::hypot(ay, az), lb = std::hypot(by, bz);
    if (la > 0 && lb > 0) {
        const double wy = ay / la + by / lb, wz = az / la + bz / lb;
        const double cross = (ay / la - by / lb) * wz - (az / la - bz / lb) * wy;
        const double sign = cross > 0 ? -1 : 1;
        cv = cross > 0 ? -1 : 1;
        const double w2 = wy * wy + wz * wz;
        if (w2 > 0.04000000000000001) {
            const double w = std::sqrt(w2);
            dir[1] = wy / (sign * w);
            dir[2] = wz / (sign * w);
        } else {
            cv = 0;
            dir[1] = wy;
            dir[2] = wz;
        }
    }
    if (convex) *convex = cv;
    return 1;
}

void Reset_User_Section_Geometry(void) {
    Clear_Lines();
    Clear_Polygons();
}
