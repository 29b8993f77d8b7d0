// Rulers of the stand-in window library.
#include "platform/lineal.h"

#include <algorithm>
#include <cmath>

#include "platform/screen.h"

namespace {

Lineal_State g_lineal = {0, 0, 0, 1, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr, 0};

constexpr int kBand = 10;
constexpr int kMaxMarks = 1000;

}  // namespace

void Set_Lineal_Type(int type) { g_lineal.type = type; }

void Set_Lineal_Color(int colour_1, int colour_2, int width) {
    g_lineal.colour_1 = colour_1;
    g_lineal.colour_2 = colour_2;
    g_lineal.width = width;
}

void Set_Lineal_Viewport(int kind, int x1, int y1, int x2, int y2) {
    g_lineal.viewport_kind = kind;
    g_lineal.x1 = std::min(x1, x2), g_lineal.x2 = std::max(x1, x2);
    g_lineal.y1 = std::min(y1, y2), g_lineal.y2 = std::max(y1, y2);
}

void Set_Lineal_Transform(Lineal_World_To_Pixel to_pixel_x, Lineal_World_To_Pixel to_pixel_y,
                          Lineal_Pixel_To_World to_world_x, Lineal_Pixel_To_World to_world_y) {
    g_lineal.to_pixel_x = to_pixel_x;
    g_lineal.to_pixel_y = to_pixel_y;
    g_lineal.to_world_x = to_world_x;
    g_lineal.to_world_y = to_world_y;
}

void Draw_Lineal(void) {
    Lineal_State& s = g_lineal;
    if (!s.to_pixel_x || !s.to_pixel_y || !s.to_world_x || !s.to_world_y) return;
    if (s.x2 <= s.x1 || s.y2 <= s.y1) return;
    pxFgc(s.colour_1);
    pxRect(s.x1, s.y1, s.x2, s.y1 + kBand - 1);
    pxRect(s.x1, s.y1, s.x1 + kBand - 1, s.y2);
    pxFgc(s.colour_2);
    // Marks at the whole world units between the two ends of each edge.
    double wx1 = s.to_world_x(s.x1), wx2 = s.to_world_x(s.x2);
    double from = std::ceil(std::min(wx1, wx2)), to = std::floor(std::max(wx1, wx2));
    for (int i = 0; i < kMaxMarks && from + i <= to; i++) {
        int px = s.to_pixel_x(from + i);
        pxLine(px, s.y1, px, s.y1 + kBand / 2);
    }
    double wy1 = s.to_world_y(s.y1), wy2 = s.to_world_y(s.y2);
    from = std::ceil(std::min(wy1, wy2)), to = std::floor(std::max(wy1, wy2));
    for (int i = 0; i < kMaxMarks && from + i <= to; i++) {
        int py = s.to_pixel_y(from + i);
        pxLine(s.x1, py, s.x1 + kBand / 2, py);
    }
    s.draw_count++;
}

const Lineal_State* Get_Lineal_State(void) { return &g_lineal; }
