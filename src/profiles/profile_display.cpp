// Four-arc ellipse, ruler transform, flat and round bar previews, screen
// style of the profile drawings, apostrophe replacement.
#include "profiles/profile_display.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/lineal.h"
#include "platform/oli_graphic_records.h"
#include "platform/screen.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// Tangency residual of the four-arc ellipse at the trial height y: zero when
// the two arc centres and the junction lie on one line.
double Ellipse_Residual(double a, double b, double y, double* x_out) {
    double x = a / b * std::sqrt(b * b - y * y);
    double ax = a - x, by = b - y;
    double R1 = (ax * ax + y * y) / (2 * ax);
    double R2 = (by * by + x * x) / (2 * by);
    *x_out = x;
    return (R1 - ax) * (R2 - by) - x * y;
}

struct Ruler {
    float scale = 1, left = 0, top = 0;
    int sx = 0, sy = 0;
} g_ruler;

Profile_Screen_Style g_style = {PROFILE_COLOUR_DEFAULT, PROFILE_COLOUR_DEFAULT, 1, PROFILE_COLOUR_DEFAULT,
                                PROFILE_COLOUR_DEFAULT};

// The outline of a flat or round bar record, y up, or false.
bool Bar_Outline(const ProfilDataEintrag* record, std::vector<double>& xs, std::vector<double>& ys) {
    if (record == nullptr) return false;
    if (record->type_letter == 'F') {
        double w = record->values[1], h = record->values[0];
        xs = {0, w, w, 0};
        ys = {0, 0, h, h};
    } else if (record->type_letter == 'O') {
        double r = record->values[0] / 2.0;
        xs.resize(60), ys.resize(60);
        for (int k = 0; k < 60; k++) {
            xs[k] = r * std::cos(k * 2 * kPi / 60);
            ys[k] = r * std::sin(k * 2 * kPi / 60);
        }
    } else {
        return false;
    }
    return true;
}

struct Fit {
    double xmin, xmax, ymin, ymax, scale;
};

// The outline's extent and the scale that fits it into a box; false when
// either is degenerate.
bool Fit_Outline(const std::vector<double>& xs, const std::vector<double>& ys, double bw, double bh, Fit* f) {
    f->xmin = *std::min_element(xs.begin(), xs.end());
    f->xmax = *std::max_element(xs.begin(), xs.end());
    f->ymin = *std::min_element(ys.begin(), ys.end());
    f->ymax = *std::max_element(ys.begin(), ys.end());
    double w = f->xmax - f->xmin, h = f->ymax - f->ymin;
    if (!(w > 0) || !(h > 0) || !(bw > 0) || !(bh > 0) || !std::isfinite(w) || !std::isfinite(h)) return false;
    f->scale = std::min(bw / w, bh / h);
    return std::isfinite(f->scale);
}

}  // namespace

void Calc_Four_Arc_Ellipse(double* y, double* x, double* b_minus_y, double a, double b, double* a_minus_x) {
    double yA = 0.8 * b, yB = 0.7 * b, xA, xB;
    double rA = Ellipse_Residual(a, b, yA, &xA);
    double rB = Ellipse_Residual(a, b, yB, &xB);
    double yl = yB, xl = xB;  // the last trial
    for (int i = 0; i < 100 && std::isfinite(rA) && std::isfinite(rB); i++) {
        // The residual is an area: compare it with the ellipse's a·b.
        if (rA == rB || std::fabs(rA - rB) <= 1e-12 * std::fabs(a * b)) break;
        double yn = (yB * rA - yA * rB) / (rA - rB), xn;
        double rn = Ellipse_Residual(a, b, yn, &xn);
        if (!std::isfinite(rn)) {
            // Keep the better of the pair rather than a point off the ellipse.
            bool a_better = std::fabs(rA) < std::fabs(rB);
            yl = a_better ? yA : yB, xl = a_better ? xA : xB;
            break;
        }
        double step = yn - yl;
        yl = yn, xl = xn;
        if (std::fabs(rB - rn) > std::fabs(rA - rn)) yB = yn, rB = rn, xB = xn;
        else yA = yn, rA = rn, xA = xn;
        if (std::fabs(step) <= 1e-12 * std::fabs(b)) break;
    }
    if (y != nullptr) *y = yl;
    if (x != nullptr) *x = xl;
    if (b_minus_y != nullptr) *b_minus_y = b - yl;
    if (a_minus_x != nullptr) *a_minus_x = a - xl;
}

void Set_Ruler_Transform(float scale, float left, float top, int screen_x, int screen_y) {
    g_ruler.scale = scale;
    g_ruler.left = left;
    g_ruler.top = top;
    g_ruler.sx = screen_x;
    g_ruler.sy = screen_y;
}

int World_To_Ruler_X(double x) { return static_cast<int>(std::lround((x - g_ruler.left) * g_ruler.scale + g_ruler.sx)); }

int World_To_Ruler_Y(double y) { return static_cast<int>(std::lround((g_ruler.top - y) * g_ruler.scale + g_ruler.sy)); }

double Ruler_To_World_X(int pixel) { return (pixel - g_ruler.sx) / static_cast<double>(g_ruler.scale) + g_ruler.left; }

double Ruler_To_World_Y(int pixel) { return g_ruler.top - (pixel - g_ruler.sy) / static_cast<double>(g_ruler.scale); }

Profile_Screen_Style* Profile_Screen_Style_State(void) { return &g_style; }

int Profile_Screen_Colour(int which) {
    switch (which) {
    case PROFILE_FILL_COLOUR:
        return g_style.fill != PROFILE_COLOUR_DEFAULT ? g_style.fill : Nearest_RGB_Color(129, 157, 186);
    case PROFILE_LINE_COLOUR:
        return g_style.line != PROFILE_COLOUR_DEFAULT ? g_style.line : BLACK_CI;
    case PROFILE_RULER_COLOUR_1:
        return g_style.ruler_colour_1 != PROFILE_COLOUR_DEFAULT ? g_style.ruler_colour_1
                                                                : Nearest_RGB_Color(237, 228, 203);
    default:
        return g_style.ruler_colour_2 != PROFILE_COLOUR_DEFAULT ? g_style.ruler_colour_2
                                                                : Nearest_RGB_Color(168, 137, 57);
    }
}

void Draw_Profile_Rulers(int x1, int y1, int x2, int y2) {
    if (!g_style.rulers) return;
    Set_Lineal_Type(15);
    Set_Lineal_Color(Profile_Screen_Colour(PROFILE_RULER_COLOUR_1), Profile_Screen_Colour(PROFILE_RULER_COLOUR_2), 4);
    Set_Lineal_Viewport(17, x1 - 20, y1 - 20, x2 + 20, y2 + 20);
    Set_Lineal_Transform(World_To_Ruler_X, World_To_Ruler_Y, Ruler_To_World_X, Ruler_To_World_Y);
    Draw_Lineal();
}

void Draw_Profile_Preview(const ProfilDataEintrag* record, int x1, int y1, int x2, int y2) {
    std::vector<double> xs, ys;
    Fit f;
    if (!Bar_Outline(record, xs, ys) || !Fit_Outline(xs, ys, x2 - x1, y2 - y1, &f)) return;
    Set_Ruler_Transform(static_cast<float>(f.scale), static_cast<float>(f.xmin), static_cast<float>(f.ymax), x1, y1);
    int right = x1 + static_cast<int>(std::lround((f.xmax - f.xmin) * f.scale));
    int bottom = y1 + static_cast<int>(std::lround((f.ymax - f.ymin) * f.scale));
    Draw_Profile_Rulers(x1, y1, right, bottom);
    size_t n = xs.size();
    std::vector<int> px(n), py(n);
    for (size_t i = 0; i < n; i++) {
        px[i] = World_To_Ruler_X(xs[i]);
        py[i] = World_To_Ruler_Y(ys[i]);
    }
    pxFgc(Profile_Screen_Colour(PROFILE_FILL_COLOUR));
    pxFill(static_cast<int>(n), px.data(), py.data());
    pxFgc(Profile_Screen_Colour(PROFILE_LINE_COLOUR));
    for (size_t i = 0; i < n; i++) pxLine(px[i], py[i], px[(i + 1) % n], py[(i + 1) % n]);
}

FILE* Plot_Profile_Preview(FILE* file, const ProfilDataEintrag* record, double x1, double y1, double x2, double y2) {
    std::vector<double> xs, ys;
    Fit f;
    if (file == nullptr || !Bar_Outline(record, xs, ys) || !Fit_Outline(xs, ys, x2 - x1, y2 - y1, &f)) return file;
    size_t n = xs.size();
    for (size_t i = 0; i < n; i++) {
        xs[i] = x1 + (xs[i] - f.xmin) * f.scale;
        ys[i] = y1 + (ys[i] - f.ymin) * f.scale;
    }
    // Pen 2; the area's colour and fill pattern 33 in a colour group, the
    // filled outline, then black for its edges.
    std::fprintf(file, " %d 2\n %d\n %d 79 133 162\n %d\n %d 33\n %d\n", OLI_REC_PEN, OLI_REC_COLOUR_CONTROL_61,
                 OLI_REC_LINE_COLOUR, OLI_REC_COLOUR_CONTROL_59, OLI_REC_FILL_PATTERN, OLI_REC_COLOUR_CONTROL_60);
    std::fprintf(file, " %d %d\n", OLI_REC_POLYGON, static_cast<int>(n));
    for (size_t i = 0; i < n; i++) std::fprintf(file, " %f %f\n", xs[i], ys[i]);
    std::fprintf(file, " %d\n %d 0 0 0\n %d\n", OLI_REC_COLOUR_CONTROL_61, OLI_REC_LINE_COLOUR, OLI_REC_COLOUR_CONTROL_60);
    for (size_t i = 0; i < n; i++)
        std::fprintf(file, "%d %f %f %f %f\n", OLI_REC_LINE, xs[i], ys[i], xs[(i + 1) % n], ys[(i + 1) % n]);
    return file;
}

const char* Replace_Apostrophes(const char* text) {
    static char buffer[APOSTROPHE_TEXT_LIMIT + 1];
    size_t n = 0;
    if (text != nullptr)
        for (; n < APOSTROPHE_TEXT_LIMIT && text[n] != '\0'; n++)
            buffer[n] = text[n] == '\'' ? static_cast<char>(0xB4) : text[n];
    buffer[n] = '\0';
    return buffer;
}
