// user_section_print: print-list text and pictures of user sections.
#include "profiles/user_section_print.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "base/cp850.h"
#include "platform/oli_graphic_records.h"
#include "platform/screen.h"
#include "profiles/profile_drawing.h"
#include "profiles/profilmodell.h"
#include "profiles/user_section_geometry.h"

namespace {

int print_option = 1710;

using Node = User_Section_Node;
using Line = User_Section_Line;

// The four corners of a plate of half thickness h from A to B (length L).
void Plate_Corners(double ya, double za, double yb, double zb, double h, double L, double c[8]) {
    const double p = h * (zb - za) / L, q = h * (yb - ya) / L;
    const double k[8] = {ya - p, za + q, ya + p, za - q, yb + p, zb - q, yb - p, zb + q};
    std::memcpy(c, k, sizeof k);
}

void Write_Title(FILE* f, const Sonderquerschnitt* r, int mode, const char* type) {
    if (mode & USER_PRINT_NO_TITLE) {
        std::fputs("0 0 0\n", f);
        return;
    }
    std::fprintf(f, "1 0 1\n Sonderquerschnitt: %s\n", r->name);
    std::fprintf(f, " importiert aus dem Programm ╬H╬_Q7-VUVE╬r,  Typ: %s\n"_cp, type);
}

double Value_Or_Zero(const Sonderquerschnitt* r, const char* key) {
    double v = 0;
    return Get_Sonderquerschnitt_Value(r, key, &v) ? v : 0;
}

}  // namespace

void Set_User_Section_Print_Option(int option) { print_option = option; }

void Write_Axis_Arrow(FILE* f, double y1, double z1, double y2, double z2, const char* label, double left, double right,
                      double bottom, double top, double factor, double u) {
    if (!f) return;
    double d = std::fmin(std::fmin(right - y1, y1 - left), std::fmin(top - z1, z1 - bottom)) * 0.5;
    const double L = std::hypot(y2 - y1, z2 - z1);
    const double cy = L > 0 ? (y2 - y1) / L : 0, cz = L > 0 ? (z2 - z1) / L : 0;
    const double ty = (y1 + cy * d) * factor, tz = (z1 + cz * d) * factor;
    std::fprintf(f, " %d 0.04\n %d %f %f %f %f\n", OLI_REC_LINE_WIDTH, OLI_REC_LINE, y1 * factor, z1 * factor, ty, tz);
    std::fprintf(f, " %d 0.01\n %d 10\n", OLI_REC_LINE_WIDTH, OLI_REC_FILL_PATTERN);
    std::fprintf(f, "%d 3 %f %f %f %f %f %f\n", OLI_REC_POLYGON, ty + 0.3 * u * cy, tz + 0.3 * u * cz, ty + 0.1 * u * cz,
                 tz - 0.1 * u * cy, ty - 0.1 * u * cz, tz + 0.1 * u * cy);
    const double s = factor != 0 ? 0.6 * u / factor + d : d;
    const double ly = (y1 + cy * s) * factor, lz = (z1 + cz * s) * factor;
    std::fprintf(f, " %d 5\n %d 0 0\n", OLI_REC_TEXT_CLASS, OLI_REC_TEXT_MODE);
    std::fprintf(f, " %d %f %f %f %f 210 «%s»\n"_cp, OLI_REC_BOX_TEXT, ly, lz, ly, lz, label ? label : "");
}

void Print_Thin_Walled_Section(FILE* f, const Sonderquerschnitt* r, int mode) {
    std::vector<Node> nodes;
    std::vector<Line> lines;
    if (!f || !Read_User_Section_Lines(r, 0, 0, nodes, lines) || nodes.empty()) return;
    double y_min = nodes[0].y, y_max = y_min, z_min = nodes[0].z, z_max = z_min, t_max = 0;
    for (const Node& n : nodes) {
        y_min = std::fmin(y_min, n.y);
        y_max = std::fmax(y_max, n.y);
        z_min = std::fmin(z_min, n.z);
        z_max = std::fmax(z_max, n.z);
    }
    for (const Line& l : lines) t_max = std::fmax(t_max, l.t);
    double W = y_max - y_min, H = z_max - z_min;
    const double yc = (y_min + y_max) / 2, zc = (z_min + z_max) / 2;
    if (!lines.empty()) {
        W += t_max;
        H += t_max;
    }
    const double s = std::sqrt((W + H) * (W + H) / 4 + W * H / 2) - (W + H) / 2;
    const double Wp = W + s, Hp = H + s;
    // A section without extent has no scale: nothing to draw.
    if (!(Wp > 0) || !(Hp > 0) || !std::isfinite(Wp) || !std::isfinite(Hp)) return;
    double paper_w, paper_h, margin;
    if (Wp / Hp <= 0.7777777777777778) {
        paper_h = 9;
        paper_w = 9 * Wp / Hp;
        margin = paper_w + 1.5;
    } else {
        paper_w = 7;
        paper_h = 7 * Hp / Wp;
        margin = 8.5;
    }
    const double u = 10 * Wp / paper_w;

    std::fprintf(f, "#SETFLAGS\n %d\n\n#SETYPOS\n%d 1\n#SHOWGRAFIC\n", 4295, 768);
    Write_Title(f, r, mode, "dünnwandig"_cp);
    std::fprintf(f, "0 0 0\n%d\n", static_cast<int>(paper_h * paper_w * print_option));
    std::fprintf(f, "%f %f %f %f\n", (yc + Wp / 2) * 10, (yc - Wp / 2) * 10, (zc + Hp / 2) * 10, (zc - Hp / 2) * 10);
    // Plates of non-zero length with their four corners.
    struct Plate {
        const Line* line;
        double c[8];
    };
    std::vector<Plate> plates;
    for (const Line& l : lines) {
        const Node &A = nodes[l.a], &B = nodes[l.b];
        const double L = std::hypot(B.y - A.y, B.z - A.z);
        if (L == 0) continue;
        Plate p{&l, {}};
        Plate_Corners(A.y, A.z, B.y, B.z, l.t / 2, L, p.c);
        plates.push_back(p);
    }
    std::fprintf(f, "%d 11\n", OLI_REC_FILL_PATTERN);
    for (const Plate& p : plates)
        std::fprintf(f, "%d 4\n%.2f %.2f  %.2f %.2f  %.2f %.2f  %.2f %.2f\n", OLI_REC_POLYGON, p.c[0] * 10, p.c[1] * 10,
                     p.c[2] * 10, p.c[3] * 10, p.c[4] * 10, p.c[5] * 10, p.c[6] * 10, p.c[7] * 10);
    std::fprintf(f, " %d 3\n %d 0\n %d 1\n %d 1 0\n", OLI_REC_TEXT_CLASS, OLI_REC_FILL_PATTERN, OLI_REC_SECTION_MARK,
                 OLI_REC_TEXT_MODE);
    for (const Plate& p : plates) {
        const Node &A = nodes[p.line->a], &B = nodes[p.line->b];
        std::fprintf(f, " %d 0.01\n", OLI_REC_LINE_WIDTH);
        for (int k = 0; k < 4; k++) {
            const int j = (k + 1) % 4;
            std::fprintf(f, " %d %f %f %f %f\n", OLI_REC_LINE, p.c[2 * k] * 10, p.c[2 * k + 1] * 10, p.c[2 * j] * 10,
                         p.c[2 * j + 1] * 10);
        }
        const double my = (A.y + B.y) / 2 * 10, mz = (A.z + B.z) / 2 * 10;
        std::fprintf(f, " %d 0.03\n %d %f %f %f %f\n %d 1\n", OLI_REC_LINE_WIDTH, OLI_REC_LINE, A.y * 10, A.z * 10,
                     B.y * 10, B.z * 10, OLI_REC_PEN);
        std::fprintf(f, " %d %f %f %f %f 210 «%d »\n"_cp, OLI_REC_BOX_TEXT, my, mz, my, mz, p.line->number);
    }
    std::fprintf(f, " %d 2\n", OLI_REC_TEXT_CLASS);
    for (const Node& n : nodes) {
        const double ly = n.y * 10 - 0.2 * u, lz = n.z * 10 - 0.1 * u;
        std::fprintf(f, " %d %f %f Global_Node_Mask\n", OLI_REC_NODE_MARK, n.y * 10, n.z * 10);
        std::fprintf(f, " %d %f %f %f %f 210 « %d  »\n"_cp, OLI_REC_BOX_TEXT, ly, lz, ly, lz, n.number);
    }
    double ey, ez;
    if (Get_Sonderquerschnitt_Value(r, ".EY_", &ey) && Get_Sonderquerschnitt_Value(r, ".EZ_", &ez)) {
        const double left = yc - Wp / 2, right = yc + Wp / 2, bottom = zc - Hp / 2, top = zc + Hp / 2;
        Write_Axis_Arrow(f, ey, ez, ey + 1000, ez, "m", left, right, bottom, top, 10, u);
        Write_Axis_Arrow(f, ey, ez, ey, ez + 1000, "n", left, right, bottom, top, 10, u);
        const double ly = ey * 10 - 0.3 * u, lz = ez * 10 - 0.1 * u;
        std::fprintf(f, " %d %f %f Global_Node_Mask\n", OLI_REC_NODE_MARK, ey * 10, ez * 10);
        std::fprintf(f, " %d %f %f %f %f 210 «S»\n"_cp, OLI_REC_BOX_TEXT, ly, lz, ly, lz);
    }
    std::fprintf(f, "-1\n\n#SETMARGINS\n%d %f 0\n#SETYPOS\n%d 1\n", 257, margin, 1024);
    if (!(mode & USER_PRINT_NO_TITLE)) std::fprintf(f, "#SETYPOS\n%d 1.0\n", 256);
    std::fputs("#SHOWTABLE\n 0 1 0\n ╬H╬_Punktkoordinaten╬r\n 1 1 -1 -1 1\n 5.4\n"_cp, f);
    std::fputs("   Nr.      y       z\n    -      mm      mm\n", f);
    for (const Node& n : nodes) std::fprintf(f, " ╬b%4d╬r %8.1f%8.1f\n"_cp, n.number, n.y * 10, n.z * 10);
    std::fputs("#END_OF_TEXT\n", f);
    std::fputs("#SHOWTABLE\n 0 1 0\n ╬H╬_Linienelemente╬r\n 1 1 -1 -1 1\n 5.4\n"_cp, f);
    std::fputs("   Nr.  PktA PktE Dicke\n    -     -    -    mm\n", f);
    for (const Line& l : lines)
        std::fprintf(f, " ╬b%4d╬r %5d%5d %6.1f\n"_cp, l.number, nodes[l.a].number, nodes[l.b].number, l.t * 10);
    std::fprintf(f, "#END_OF_TEXT\n#SETMARGINS\n%d 0 0\n#SETYPOS\n%d 0\n", 257, 4);
}

namespace {

// A line of the "NEWLINES" block: its nodes, kind (0 a plate) and the
// plate's dimensions.
struct Extended_Line {
    int number, start, end, k;
    double t1, t2, d3, d4, d5, d6, d7, d8, d9;
};

// The "NEWLINES" block up to its first negative number; false when the
// text ends first or a line is malformed.
bool Read_Extended_Lines(const Sonderquerschnitt* r, std::vector<Extended_Line>* ext, int* plates) {
    char text[QIMPORT_LINE_SIZE];
    if (!r || !r->text || !Find_Text_Block(r, "NEWLINES", nullptr)) return false;
    for (;;) {
        Extended_Line e{};
        int i1, i2, i3;
        if (!Next_Text_Line_Copy(text, sizeof text) || std::sscanf(text, "%d", &e.number) != 1) return false;
        if (e.number < 0) return true;
        if (std::sscanf(text, "%d%d%d%d%d%lf%lf%lf%d%lf%lf%lf%lf%d%lf%lf", &e.number, &e.start, &e.end, &i1, &i2, &e.t1,
                        &e.t2, &e.d3, &e.k, &e.d6, &e.d7, &e.d8, &e.d9, &i3, &e.d4, &e.d5) != 16)
            return false;
        if (e.k == 0) (*plates)++;
        ext->push_back(e);
    }
}

bool Read_Section_Nodes(const Sonderquerschnitt* r, std::vector<Node>* nodes) {
    char text[QIMPORT_LINE_SIZE];
    int n = 0;
    if (!Find_Text_Block(r, "NODES", &n) || n < 0 || n > r->text_length) return false;
    for (int i = 0; i < n; i++) {
        Node node{};
        if (!Next_Text_Line_Copy(text, sizeof text) || std::sscanf(text, "%d%lf%lf", &node.number, &node.y, &node.z) != 3)
            return false;
        nodes->push_back(node);
    }
    return true;
}

// The plate model of the section about its centroid, with its outline;
// null when the text does not describe one with an extent.
Profilmodell* Build_Section_Model(const Sonderquerschnitt* r, double ey, double ez) {
    std::vector<Extended_Line> ext;
    std::vector<Node> nodes;
    int plates = 0;
    if (!Read_Extended_Lines(r, &ext, &plates) || !Read_Section_Nodes(r, &nodes)) return nullptr;
    const int n = static_cast<int>(nodes.size());
    Profilmodell* model = New_Profilmodell(n, plates);
    if (!model) return nullptr;
    for (int i = 0; i < n; i++) Set_Profilmodell_Knoten(model, i, nodes[i].y - ey, nodes[i].z - ez);
    int part = 0;
    auto index = [&nodes](int number) {
        for (int k = 0; k < static_cast<int>(nodes.size()); k++)
            if (nodes[k].number == number) return k;
        return 0;
    };
    for (const Extended_Line& e : ext)
        if (e.k == 0)
            Set_Profilmodell_Teil(model, part++, index(e.start), index(e.end), e.d3, e.t1, e.t2, e.d4, e.d5, e.d6, e.d8,
                                  e.d7, e.d9);
    if (!Calc_Profilmodell_Outline(model) || !(model->y_max - model->y_min > 0) ||
        !(model->z_max - model->z_min > 0)) {
        Free_Profilmodell(model);
        return nullptr;
    }
    return model;
}

// The heading lines: extents, width and height, centroid and principal
// angle, the shear centre where asked for.
void Print_Section_Extents(FILE* f, const Sonderquerschnitt* r, int mode, const Profilmodell* model, double ey,
                           double ez) {
    const double width = model->y_max - model->y_min, height = model->z_max - model->z_min;
    const double ymn = Value_Or_Zero(r, ".YMN"), ymx = Value_Or_Zero(r, ".YMX"), zmn = Value_Or_Zero(r, ".ZMN"),
                 zmx = Value_Or_Zero(r, ".ZMX"), ym = Value_Or_Zero(r, ".YM_"), zm = Value_Or_Zero(r, ".ZM_"),
                 alf = Value_Or_Zero(r, ".ALF");
    const bool mm = mode & USER_PRINT_MM;
    const double k = mm ? 10 : 1;
    const char* unit = mm ? "mm" : "cm";
    const int digits = mm ? 1 : 2;
    std::fprintf(f, " Querschnittsabmessungen:  y╬\\min╬r = %.*f %s, y╬\\max╬r = %.*f %s, z╬\\min╬r = %.*f %s, z╬\\max╬r = %.*f %s\n"_cp,
                 digits, ymn * k, unit, digits, ymx * k, unit, digits, zmn * k, unit, digits, zmx * k, unit);
    std::fprintf(f, " Querschnittsbreite/höhe:  b = %.*f %s, h = %.*f %s\n"_cp, digits, width * k, unit, digits,
                 height * k, unit);
    std::fprintf(f, " Schwerpunkt, Hauptachsendrehwinkel:  e╬\\y╬r = %.*f %s, e╬\\z╬r = %.*f %s, \xBA = %.2f \xF8\n"_cp,
                 digits, ey * k, unit, digits, ez * k, unit, alf * 57.29577951308232);
    if (mode & USER_PRINT_SHEAR_CENTRE)
        std::fprintf(f, " Abstand Schubmittelpunkt vom Schwerpunkt:  y╬\\SM╬r = %.*f %s, z╬\\SM╬r = %.*f %s\n"_cp, digits,
                     (ym - ey) * k, unit, digits, (zm - ez) * k, unit);
}

// The picture of the model, 4.5 cm high or 6 cm wide.
void Print_Section_Picture(FILE* f, Profilmodell* model) {
    const double width = model->y_max - model->y_min, height = model->z_max - model->z_min;
    double pw, ph;
    if (width / height <= 1.3333333333333333) {
        ph = 4.5;
        pw = 4.5 * width / height;
    } else {
        pw = 6.0;
        ph = 6.0 * height / width;
    }
    std::fprintf(f, "#END_OF_TEXT\n#SETFLAGS\n %d\n\n#SETYPOS\n%d 1\n#SHOWGRAFIC\n0 0 0\n0 0 0\n%d\n", 4231, 768, -1);
    std::fprintf(f, "%f %f %f %f\n", 0.0, pw, 0.0, ph);
    Draw_Profilmodell_Plot(f, model, 0, 0, pw, ph);
    std::fprintf(f, "%d\n", -1);
}

// The table of the section values beside the picture.
void Print_Thin_Walled_Value_Rows(FILE* f, const Sonderquerschnitt* r, int mode) {
    std::fprintf(f, "#SETMARGINS\n%d %f 0\n#SETYPOS\n%d 1\n#SETYPOS\n%d -0.25\n", 257, 8.5, 1024, 256);
    std::fputs("#SHOWTABLE\n0 0 0\n 0 0 -1 -1 0\n", f);
    struct Row {
        const char* key;
        const char* format;
        bool absolute;
        bool extended;
    };
    static const Row rows[] = {
        {".A__", " Querschnittsfläche         A   = %12.2f cm╬/2╬r\n"_cp, false, false},
        {".I11", " Biegeträgheitsmoment       I╬\\┴╬r  = %12.2f cm╬/4╬r\n"_cp, false, false},
        {".I22", " Biegeträgheitsmoment       I╬\\\xD3╬r  = %12.2f cm╬/4╬r\n"_cp, false, false},
        {".W1+", " Widerstandsmoment          W┴+ = %12.2f cm╬/3╬r\n"_cp, true, false},
        {".W1-", " Widerstandsmoment          W┴- = %12.2f cm╬/3╬r\n"_cp, true, false},
        {".W2+", " Widerstandsmoment          W\xD3+ = %12.2f cm╬/3╬r\n"_cp, true, false},
        {".W2-", " Widerstandsmoment          W\xD3- = %12.2f cm╬/3╬r\n"_cp, true, false},
        {".IT_", " Torsionsträgheitsmoment    I╬\\T╬r  = %12.2f cm╬/4╬r\n"_cp, false, false},
        {".CM_", " Wölbträgheitsmoment        I╬\\\xD0╬r  = %12.2f cm╬/6╬r\n"_cp, false, true},
        {".iM_", " Querschnittsstrecke        i╬\\M╬r  = %12.2f cm\n"_cp, false, true},
        {".r1_", " Querschnittsstrecke        r╬\\┴╬r  = %12.2f cm\n"_cp, false, true},
        {".r2_", " Querschnittsstrecke        r╬\\\xD3╬r  = %12.2f cm\n"_cp, false, true},
        {".rom", " Querschnittsstrecke        r╬\\\xD0╬r  = %12.2f\n"_cp, false, true},
    };
    for (const Row& row : rows) {
        double v;
        if (row.extended && !(mode & USER_PRINT_SHEAR_CENTRE)) continue;
        if (!Get_Sonderquerschnitt_Value(r, row.key, &v)) continue;
        std::fprintf(f, row.format, row.absolute ? std::fabs(v) : v);
    }
    std::fprintf(f, "#END_OF_TEXT\n#SETMARGINS\n%d 0 0\n#SETYPOS\n%d 0\n", 257, 4);
}

}  // namespace

void Print_Thin_Walled_Section_Values(FILE* f, const Sonderquerschnitt* r, int mode) {
    if (!f) return;
    const bool text = r && r->text;
    const double ey = text ? Value_Or_Zero(r, ".EY_") : 0, ez = text ? Value_Or_Zero(r, ".EZ_") : 0;
    Profilmodell* model = Build_Section_Model(r, ey, ez);
    if (!model) {
        Print_Thin_Walled_Section(f, r, mode);
        return;
    }
    std::fputs("#SHOWTABLE\n", f);
    Write_Title(f, r, mode, "dünnwandig"_cp);
    std::fputs(" 0 0 -1 -1 0\n", f);
    Print_Section_Extents(f, r, mode, model, ey, ez);
    Print_Section_Picture(f, model);
    Free_Profilmodell(model);
    Print_Thin_Walled_Value_Rows(f, r, mode);
}

void Print_Thick_Walled_Section(FILE* f, const Sonderquerschnitt* r) {
    if (!f || !r) return;
    std::fputs("#SHOWTABLE\n", f);
    Write_Title(f, r, 0, "dickwandig (ohne Abbildung)");
    std::fputs(" 1 0 -1 -1 0\n Kennwerte\n", f);
    struct Row {
        const char* key;
        const char* format;
        bool absolute;
    };
    static const Row rows[] = {
        {".A__", "     Querschnittsfläche         A   = %12.2f cm╬/2╬r\n"_cp, false},
        {".ALF", "     Hauptachsenwinkel          \xBA   = %12.2f \xF8\n"_cp, false},
        {".I11", "     Trägheitsmoment            I╬\\┴╬r  = %12.2f cm╬/4╬r\n"_cp, false},
        {".I22", "     Trägheitsmoment            I╬\\\xD3╬r  = %12.2f cm╬/4╬r\n"_cp, false},
        {".W1+", "     Widerstandsmoment          W┴+ = %12.2f cm╬/3╬r\n"_cp, true},
        {".W1-", "     Widerstandsmoment          W┴- = %12.2f cm╬/3╬r\n"_cp, true},
        {".W2+", "     Widerstandsmoment          W\xD3+ = %12.2f cm╬/3╬r\n"_cp, true},
        {".W2-", "     Widerstandsmoment          W\xD3- = %12.2f cm╬/3╬r\n"_cp, true},
    };
    for (const Row& row : rows) {
        double v;
        if (Get_Sonderquerschnitt_Value(r, row.key, &v)) std::fprintf(f, row.format, row.absolute ? std::fabs(v) : v);
    }
    std::fputs("#END_OF_TEXT\n", f);
}

void Print_User_Section_By_Mode(FILE* f, const Sonderquerschnitt* r, int mode) {
    if (mode & USER_PRINT_VALUES)
        Print_Thin_Walled_Section_Values(f, r, mode);
    else
        Print_Thin_Walled_Section(f, r, mode);
}

void Print_Thin_Walled_Section_Default(FILE* f, const Sonderquerschnitt* r) { Print_Thin_Walled_Section(f, r, 0); }

void Print_Marked_Sections(FILE* f, int mode) {
    for (int i = 1; Sonderquerschnitt* r = Get_Sonderquerschnitt_By_Index(i); i++) {
        if (!r->print_mark) continue;
        if (r->kind == 1)
            Print_User_Section_By_Mode(f, r, mode);
        else
            Print_Thick_Walled_Section(f, r);
    }
}

void Print_Marked_Sections_Default(FILE* f) { Print_Marked_Sections(f, 0); }

void Draw_Sonderquerschnitt(const Sonderquerschnitt* r, int x1, int y1, int x2, int y2, int margin, int filter) {
    pxFgc(Nearest_Color_Index(255, 251, 240));
    pxRect(x1, y1, x2, y2);
    if (!r || !r->text || (filter != 3 && filter != r->kind)) return;
    int c = 0;
    if (!Find_Text_Block(r, "PICTURE", &c) || c < 0 || c > r->text_length) return;
    const int S = std::min(x2 - x1 - 2 * margin, y2 - y1 - 2 * margin);
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    pxView(x1, y1, x2, y2);
    const int ox = (x2 - x1 - 2 * margin) / 2 + margin + x1, oy = (y2 - y1 - 2 * margin) / 2 + margin + y1;
    auto px = [&](double v, int o) {
        const double p = v * S + o;
        return p > 1e6 ? 1000000 : p < -1e6 ? -1000000 : static_cast<int>(p);
    };
    char text[QIMPORT_LINE_SIZE];
    if (r->kind == 1) {
        for (int i = 0; i < c; i++) {
            double ya, za, yb, zb, t;
            if (!Next_Text_Line_Copy(text, sizeof text) || std::sscanf(text, "%lf%lf%lf%lf%lf", &ya, &za, &yb, &zb, &t) != 5)
                break;
            const double L = std::hypot(yb - ya, zb - za);
            if (!(L > 0) || !std::isfinite(L)) continue;
            double k[8];
            Plate_Corners(ya, za, yb, zb, t / 2, L, k);
            int xs[4], ys[4];
            for (int j = 0; j < 4; j++) {
                xs[j] = px(k[2 * j], ox);
                ys[j] = px(k[2 * j + 1], oy);
            }
            pxFgc(Nearest_Color_Index(128, 192, 192));
            pxFill(4, xs, ys);
            pxFgc(Nearest_Color_Index(64, 96, 128));
            for (int j = 0; j < 4; j++) pxLine(xs[j], ys[j], xs[(j + 1) % 4], ys[(j + 1) % 4]);
        }
    } else if (r->kind == 2) {
        for (int p = 0; p <= c; p++) {
            int m;
            if (!Next_Text_Line_Copy(text, sizeof text) || std::sscanf(text, "%d", &m) != 1 || m < 0 || m > r->text_length)
                break;
            std::vector<int> xs, ys;
            bool whole = true;
            for (int i = 0; i < m; i++) {
                double y, z;
                if (!Next_Text_Line_Copy(text, sizeof text) || std::sscanf(text, "%lf%lf", &y, &z) != 2) {
                    whole = false;
                    break;
                }
                xs.push_back(px(y, ox));
                ys.push_back(px(z, oy));
            }
            if (!whole) break;
            if (xs.empty()) continue;
            pxFgc(p == 0 ? Nearest_Color_Index(200, 200, 170) : Nearest_Color_Index(255, 251, 240));
            pxFill(static_cast<int>(xs.size()), xs.data(), ys.data());
            pxFgc(BLACK_CI);
            pxLine(xs.back(), ys.back(), xs[0], ys[0]);
            for (size_t i = 1; i < xs.size(); i++) pxLine(xs[i - 1], ys[i - 1], xs[i], ys[i]);
        }
    }
    pxView(vx1, vy1, vx2, vy2);
}
