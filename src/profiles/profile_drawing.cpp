// Profile drawings from outline models into picture records and onto the
// screen.
#include "profiles/profile_drawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/oli_graphic_records.h"
#include "platform/screen.h"
#include "profiles/profile_display.h"

namespace {

struct Plot_Style {
    int pen = 2;
    int fill[3] = {79, 133, 162};
    int line[3] = {0, 0, 0};
    int pattern = 0;
} g_plot;

// Computes the outline and the scale that fits it into the rectangle; false
// when there is nothing to draw.
bool Fit_Model(Profilmodell* m, double x1, double y1, double x2, double y2, double* s) {
    if (m == nullptr || !Calc_Profilmodell_Outline(m)) return false;
    double w = m->y_max - m->y_min, h = m->z_max - m->z_min;
    if (!(w > 0) || !(h > 0) || !std::isfinite(w) || !std::isfinite(h)) return false;
    *s = std::min((x2 - x1) / w, (y2 - y1) / h);
    return std::isfinite(*s);
}

// An outline edge is left out where it touches a node at which parts join:
// there it is the cut between two plates, not the section's edge.
bool Edge_Hidden(const Profilmodell* m, const Profilmodell_Teil* p, int k) {
    int n = p->outline_count, l = (k + 1) % n;
    for (int node : {p->start, p->end}) {
        const Profilmodell_Knoten* q = m->nodes[node];
        if (q->kind <= 1) continue;
        if ((p->outline_y[k] == q->y && p->outline_z[k] == q->z) || (p->outline_y[l] == q->y && p->outline_z[l] == q->z))
            return true;
    }
    return false;
}

}  // namespace

void Set_Profile_Plot_Style(int fill_r, int fill_g, int fill_b, int line_r, int line_g, int line_b, int pen,
                            int fill_pattern) {
    g_plot.fill[0] = fill_r, g_plot.fill[1] = fill_g, g_plot.fill[2] = fill_b;
    g_plot.line[0] = line_r, g_plot.line[1] = line_g, g_plot.line[2] = line_b;
    g_plot.pen = pen;
    g_plot.pattern = fill_pattern;
}

void Draw_Profilmodell_Plot(FILE* file, Profilmodell* model, double x1, double y1, double x2, double y2) {
    double s;
    if (file == nullptr || !Fit_Model(model, x1, y1, x2, y2, &s)) return;
    std::fprintf(file, "  %d %d\n %d %d\n", OLI_REC_PEN, g_plot.pen, OLI_REC_FILL_PATTERN, g_plot.pattern);
    for (int i = 0; i < model->part_count; i++) {
        const Profilmodell_Teil* p = model->parts[i];
        int n = p->outline_count;
        if (n <= 1) continue;
        std::vector<double> xs(n), ys(n);
        for (int k = 0; k < n; k++) {
            xs[k] = x1 + (model->y_max - p->outline_y[k]) * s;
            ys[k] = y1 + (model->z_max - p->outline_z[k]) * s;
        }
        // The area's colour and fill pattern 33 in a colour group, the
        // filled outline, then the line colour for its edges.
        std::fprintf(file, " %d\n %d %d %d %d\n %d\n %d 33\n %d\n", OLI_REC_COLOUR_CONTROL_61, OLI_REC_LINE_COLOUR,
                     g_plot.fill[0], g_plot.fill[1], g_plot.fill[2], OLI_REC_COLOUR_CONTROL_59, OLI_REC_FILL_PATTERN,
                     OLI_REC_COLOUR_CONTROL_60);
        std::fprintf(file, " %d %d\n", OLI_REC_POLYGON, n);
        for (int k = 0; k < n; k++) std::fprintf(file, " %f %f\n", xs[k], ys[k]);
        std::fprintf(file, " %d\n %d %d %d %d\n %d\n", OLI_REC_COLOUR_CONTROL_61, OLI_REC_LINE_COLOUR, g_plot.line[0],
                     g_plot.line[1], g_plot.line[2], OLI_REC_COLOUR_CONTROL_60);
        for (int k = 0; k < n; k++)
            if (!Edge_Hidden(model, p, k))
                std::fprintf(file, "%d %f %f %f %f\n", OLI_REC_LINE, xs[k], ys[k], xs[(k + 1) % n], ys[(k + 1) % n]);
    }
}

void Draw_Profile_Plot_By_Name(FILE* file, const char* name, double x1, double y1, double x2, double y2) {
    ProfilDataEintrag* record = name != nullptr ? Find_Profile(name) : nullptr;
    if (record == nullptr) return;
    Profilmodell* model = Build_Profile_Model(record);
    if (model == nullptr) {
        if (record->type_letter == 'O') Plot_Profile_Preview(file, record, x1, y1, x2, y2);
        return;
    }
    Draw_Profilmodell_Plot(file, model, x1, y1, x2, y2);
    Free_Profilmodell(model);
}

void Set_Profile_Screen_Colours(int fill, int line, int rulers, int ruler_colour_1, int ruler_colour_2) {
    Profile_Screen_Style* s = Profile_Screen_Style_State();
    s->fill = fill;
    s->line = line;
    s->rulers = rulers;
    s->ruler_colour_1 = ruler_colour_1;
    s->ruler_colour_2 = ruler_colour_2;
}

void Draw_Profilmodell_Screen(Profilmodell* model, int x1, int y1, int x2, int y2) {
    double s;
    if (!Fit_Model(model, x1, y1, x2, y2, &s)) return;
    // The rulers read the mirrored drawing: world x = −y, world y = −z.
    Set_Ruler_Transform(static_cast<float>(s), static_cast<float>(-model->y_max), static_cast<float>(-model->z_min), x1, y1);
    int right = x1 + static_cast<int>(std::lround((model->y_max - model->y_min) * s));
    int bottom = y1 + static_cast<int>(std::lround((model->z_max - model->z_min) * s));
    Draw_Profile_Rulers(x1, y1, right, bottom);
    for (int i = 0; i < model->part_count; i++) {
        const Profilmodell_Teil* p = model->parts[i];
        int n = p->outline_count;
        if (n < 2) continue;
        std::vector<int> xs(n), ys(n);
        for (int k = 0; k < n; k++) {
            xs[k] = x1 + static_cast<int>(std::lround((model->y_max - p->outline_y[k]) * s));
            ys[k] = y1 + static_cast<int>(std::lround((p->outline_z[k] - model->z_min) * s));
        }
        pxFgc(Profile_Screen_Colour(PROFILE_FILL_COLOUR));
        pxFill(n, xs.data(), ys.data());
        pxFgc(Profile_Screen_Colour(PROFILE_LINE_COLOUR));
        for (int k = 0; k < n; k++)
            if (!Edge_Hidden(model, p, k)) pxLine(xs[k], ys[k], xs[(k + 1) % n], ys[(k + 1) % n]);
    }
}

void Draw_Profilmodell_Screen_Checked(Profilmodell* model, int x1, int y1, int x2, int y2) {
    if (model != nullptr) Draw_Profilmodell_Screen(model, x1, y1, x2, y2);
}

void Draw_Profile_Screen_By_Name(const char* name, int x1, int y1, int x2, int y2) {
    ProfilDataEintrag* record = name != nullptr ? Find_Profile(name) : nullptr;
    if (record == nullptr) return;
    Profilmodell* model = Build_Profile_Model(record);
    if (model == nullptr) {
        if (record->type_letter == 'O') Draw_Profile_Preview(record, x1, y1, x2, y2);
        return;
    }
    Draw_Profilmodell_Screen(model, x1, y1, x2, y2);
    Free_Profilmodell(model);
}
