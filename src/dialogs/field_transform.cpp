// Field drawing transform (see field_transform.h).
#include "dialogs/field_transform.h"

#include <cmath>
#include <vector>

#include "dialogs/dialog_draw_internal.h"
#include "dialogs/fields.h"
#include "dialogs/fields_internal.h"
#include "dialogs/scrollarea.h"
#include "platform/screen.h"

namespace {

struct World_Mapping {
    double scale = 1.0, rotation = 0.0, origin_x = 0.0, origin_y = 0.0;
    int drawing = 1;
};
World_Mapping mapping;

int polygon_count = 0;
const int *polygon_x = nullptr;
const int *polygon_y = nullptr;

int Pixel(double v) { return static_cast<int>(v >= 0.0 ? std::trunc(v + 0.5) : std::trunc(v - 0.5)); }

void To_Screen(double x, double y, double *sx, double *sy) {
    double u = x * mapping.scale - mapping.origin_x, v = y * mapping.scale - mapping.origin_y;
    double c = std::cos(mapping.rotation), s = std::sin(mapping.rotation);
    *sx = c * u + s * v;
    *sy = c * v - s * u;
}

void To_Pixels(double x, double y, int *X, int *Y) {
    double sx, sy;
    To_Screen(x, y, &sx, &sy);
    *X = Pixel(sx);
    *Y = Pixel(sy);
}

}  // namespace

void Set_Field_World_Mapping(double origin_x, double origin_y, double rotation, double scale) {
    mapping.origin_x = origin_x;
    mapping.origin_y = origin_y;
    mapping.rotation = rotation;
    mapping.scale = scale;
}

double Get_Field_World_Scale(void) { return mapping.scale; }

void Get_Field_World_Mapping(double *origin_x, double *origin_y, double *rotation, double *scale) {
    if (origin_x) *origin_x = mapping.origin_x;
    if (origin_y) *origin_y = mapping.origin_y;
    if (rotation) *rotation = mapping.rotation;
    if (scale) *scale = mapping.scale;
}

void Set_Field_World_Drawing(int flag) { mapping.drawing = flag; }

int Get_Field_World_Drawing(void) { return mapping.drawing; }

void World_to_Screen_Point(double *x, double *y) {
    double sx, sy;
    To_Screen(x ? *x : 0.0, y ? *y : 0.0, &sx, &sy);
    if (x) *x = sx;
    if (y) *y = sy;
}

void Screen_to_World_Point(double *x, double *y) {
    double sx = x ? *x : 0.0, sy = y ? *y : 0.0;
    double c = std::cos(mapping.rotation), s = std::sin(mapping.rotation);
    if (x) *x = (c * sx + mapping.origin_x - s * sy) / mapping.scale;
    if (y) *y = (c * sy + s * sx + mapping.origin_y) / mapping.scale;
}

double World_Length_on_Screen(double x1, double y1, double x2, double y2) {
    double a, b, c, d;
    To_Screen(x1, y1, &a, &b);
    To_Screen(x2, y2, &c, &d);
    return std::sqrt((c - a) * (c - a) + (d - b) * (d - b));
}

void Add_World_Line_to_Field_Area(double x1, double y1, double x2, double y2) {
    int X1, Y1, X2, Y2;
    To_Pixels(x1, y1, &X1, &Y1);
    To_Pixels(x2, y2, &X2, &Y2);
    if (mapping.drawing == 1)
        Add_Line_to_Scrollable_Area(Current_Field_Area(), X1, Y1, X2, Y2, Get_Field_Text_Color());
}

void Add_World_Rectangle_to_Field_Area(double x1, double y1, double x2, double y2) {
    For_Rect_Sides(x1, y1, x2, y2, Add_World_Line_to_Field_Area);
}

void Add_World_Filled_Rectangle(double x1, double y1, double x2, double y2) {
    int X1, Y1, X2, Y2;
    To_Pixels(x1, y1, &X1, &Y1);
    To_Pixels(x2, y2, &X2, &Y2);
    Add_Rectangle_to_Scrollable_Area(Current_Field_Area(), X1, Y1, X2, Y2,
                                     Get_Field_Background_Color());
}

int Add_Underlined_Field_Text(int x, int y, const char *text, int *active) {
    if (Current_Field_Area() < 0) return 0;
    int w = Field_Text_Width_in_Font(text, Current_Field_Font());
    Add_World_Line_to_Field_Area(x - 2, y + 3, x + w + 2, y + 3);
    return Add_Labelled_Text_Field(x, y, text, active) + 4;
}

int Add_Boxed_Field_Text(int x, int y, const char *text, int *active) {
    if (Current_Field_Area() < 0) return 0;
    int w = Field_Text_Width_in_Font(text, Current_Field_Font());
    Add_World_Filled_Rectangle(x - 3, y + 5, x + w + 3, y - 12);
    return Add_Labelled_Text_Field(x, y, text, active) + 6;
}

void Set_Field_Polygon(int n, const int *xs, const int *ys) {
    polygon_count = xs && ys && n > 0 ? n : 0;
    polygon_x = xs;
    polygon_y = ys;
}

void Draw_Polyline_Callback(int x1, int y1, int x2, int y2, int) {
    pxFgc(Get_Field_Background_Color());
    if (polygon_count > 0) {
        std::vector<int> xs(polygon_x, polygon_x + polygon_count), ys(polygon_y, polygon_y + polygon_count);
        for (int &x : xs) x += x1;
        for (int &y : ys) y += y1;
        pxFill(polygon_count, xs.data(), ys.data());
    }
    pxLine(x1, y1, x2, y2);
}

void Reset_Field_Transform_State(void) {
    mapping = World_Mapping{};
    Set_Field_Polygon(0, nullptr, nullptr);
}
