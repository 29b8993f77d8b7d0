// Colour shading through hue, lightness and saturation (see shading.h).
#include "dialogs/shading.h"

#include <cmath>

#include "platform/screen.h"

namespace {

// A component as an int, half away from zero, not limited.
int To_Component(double c) {
    double v = 255.0 * c;
    return static_cast<int>(v >= 0.0 ? v + 0.5 : v - 0.5);
}

// The shading itself: RGB to HSL, lightness times (1 + p / 100), back.
// The hue tests compare the doubles exactly, as the conversion defines them.
void Shade_Components(int *rgb, double p) {
    const double k = 0.00392156862745098;  // 1 / 255
    double r = rgb[0] * k, g = rgb[1] * k, b = rgb[2] * k;
    double max = std::fmax(r, std::fmax(g, b)), min = std::fmin(r, std::fmin(g, b));
    double l = (max + min) / 2.0, h = 0.0, s = 0.0;
    double d = max - min;
    if (l > 0.0 && d > 0.0) {
        s = l <= 0.5 ? d / (max + min) : d / (2.0 - max - min);
        double rc = (max - r) / d, gc = (max - g) / d, bc = (max - b) / d;
        if (r == max) h = g == min ? 5.0 + bc : 1.0 - gc;
        else if (g == max) h = b == min ? 1.0 + rc : 3.0 - bc;
        else h = r == min ? 3.0 + gc : 5.0 - rc;
        h /= 6.0;
    }
    l *= 1.0 + p * 0.01;

    double v = l <= 0.5 ? l * (1.0 + s) : l + s - l * s;
    if (v <= 0.0) {
        rgb[0] = rgb[1] = rgb[2] = 0;
        return;
    }
    double m = 2.0 * l - v, sv = (v - m) / v, h6 = 6.0 * h;
    int sextant = static_cast<int>(std::trunc(h6)) % 6;
    double f = h6 - std::trunc(h6), vsf = v * sv * f;
    double mid1 = m + vsf, mid2 = v - vsf;
    double out[6][3] = {{v, mid1, m}, {mid2, v, m}, {m, v, mid1},
                        {m, mid2, v}, {mid1, m, v}, {v, m, mid2}};
    for (int i = 0; i < 3; ++i) rgb[i] = To_Component(out[sextant][i]);
}

}  // namespace

int Shade_Color(int colour, double p) {
    int rgb[3] = {0, 0, 0};
    pxQCR(colour, &rgb[0], &rgb[1], &rgb[2]);
    Shade_Components(rgb, p);
    return Nearest_RGB_Color(rgb[0], rgb[1], rgb[2]);
}

void Shade_RGB(int *r, int *g, int *b, double p) {
    int rgb[3] = {r ? *r : 0, g ? *g : 0, b ? *b : 0};
    Shade_Components(rgb, p);
    if (r) *r = rgb[0];
    if (g) *g = rgb[1];
    if (b) *b = rgb[2];
}
