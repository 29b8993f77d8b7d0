// Text writers of pictures: labels at a point, with or without the picture
// rotation, with an alignment code, and labels in a white box or circle.
//
// Texts are written unchanged between the bytes 0xAE and 0xAF and are never
// used as a format; the printf writers cut their result to 255 characters.
// Each writer also puts a text entity into the plot file when it is open.
#include <cstdarg>
#include <cstring>

#include "base/vesk.h"
#include "platform/format.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliplot_internal.h"
#include "printlist/plotfile.h"

using ioliplot::DEGREES;
using ioliplot::S;

// Bits of the alignment code of a text record: a fixed base, one
// vertical and one horizontal bit.
enum : int {
    kAlignBase = 0xC0,
    kAlignVertical0 = 0x08,
    kAlignVertical4 = 0x10,
    kAlignVerticalOther = 0x20,
    kAlignHorizontal1 = 0x04,
    kAlignHorizontal4 = 0x02,
    kAlignHorizontalOther = 0x01,
};

// Alignment code of the printf writers from the vertical and horizontal
// codes v and h.
static int Alignment_Code(int v, int h) {
    int vertical = v == 0 ? kAlignVertical0 : (v == 4 ? kAlignVertical4 : kAlignVerticalOther);
    int horizontal = h == 1 ? kAlignHorizontal1 : (h == 4 ? kAlignHorizontal4 : kAlignHorizontalOther);
    return kAlignBase | vertical | horizontal;
}

// Plot-file anchor of the printf writers; 5 (centre) for any other pair.
static int Plot_Anchor(int v, int h) {
    static const int V[9] = {0, 0, 0, 4, 4, 4, 2, 2, 2};
    static const int H[9] = {3, 4, 1, 3, 4, 1, 3, 4, 1};
    for (int i = 0; i < 9; i++)
        if (V[i] == v && H[i] == h) return i + 1;
    return 5;
}

static double Plot_Degrees(void) { return (S().rotation + S().text_angle) * DEGREES; }

// Record 14 with the text angle relative to the picture.
static void Angle_Record(void) {
    Safe_Fprintf(S().stream, " 14 %lf 0\n", (S().text_angle - S().rotation) * DEGREES);
}

// Record 10 (turned) or 9 (unturned) with the point twice.
static int Box_Record(int record, double x, double y, int code, const char* text) {
    Oli_Picture_State& s = S();
    double px = x * s.scale_x, py = y * s.scale_y;
    return Safe_Fprintf(s.stream, " %d %lf %lf %lf %lf %d \xAE%s\xAF\n", record, px, py, px, py, code,
                        text);
}

int Oli_Text_Rotated(double x, double y, const char* text) {
    Oli_Picture_State& s = S();
    if (!text) text = "";
    ioliplot::Turn(&x, &y);
    Angle_Record();
    int result = Safe_Fprintf(s.stream, " 3 %lf %lf \xAE%s\xAF\n", x * s.scale_x, y * s.scale_y, text);
    PlotFile_Text(x, y, 7, Plot_Degrees(), nullptr, text);
    return result;
}

// A turned text with record 10 and the given alignment code and anchor.
static int Turned_Text(double x, double y, int code, int anchor, const char* text) {
    ioliplot::Turn(&x, &y);
    Angle_Record();
    int result = Box_Record(10, x, y, code, text);
    PlotFile_Text(x, y, anchor, Plot_Degrees(), nullptr, text);
    return result;
}

int Oli_Text_At(double x, double y, const char* text) {
    return Turned_Text(x, y, 210, 5, text ? text : "");
}

// The formatted text, cut to 255 characters.
struct Label {
    char text[256];
};

static Label Format_Label(const char* format, va_list ap) {
    Label label;
    VEK_Format_Bounded_V(label.text, sizeof label.text, format, ap);
    return label;
}

int Oli_Text_At_Printf(double x, double y, int v, int h, const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    Label label = Format_Label(format, ap);
    va_end(ap);
    return Turned_Text(x, y, Alignment_Code(v, h), Plot_Anchor(v, h), label.text);
}

int Oli_Text_Box_Printf(double x, double y, int v, int h, const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    Label label = Format_Label(format, ap);
    va_end(ap);
    const char* text = label.text;
    int result = Box_Record(9, x, y, Alignment_Code(v, h), text);
    PlotFile_Text(x, y, Plot_Anchor(v, h), Plot_Degrees(), nullptr, text);
    return result;
}

int Oli_Text_Plain(double x, double y, const char* text) {
    Oli_Picture_State& s = S();
    if (!text) text = "";
    int result = Safe_Fprintf(s.stream, " 2 %lf %lf \xAE%s\xAF\n", x * s.scale_x, y * s.scale_y, text);
    PlotFile_Text(x, y, 7, 0.0, "0.", text);
    return result;
}

// Record 9 with a fixed code; the plot text with a fixed anchor and angle.
static int Fixed_Box(double x, double y, int code, int anchor, const char* angle, const char* text) {
    if (!text) text = "";
    int result = Box_Record(9, x, y, code, text);
    PlotFile_Text(x, y, anchor, 0.0, angle, text);
    return result;
}

int Oli_Text_Box_212(double x, double y, const char* text) { return Fixed_Box(x, y, 212, 6, "0.", text); }
int Oli_Text_Box(double x, double y, const char* text) { return Fixed_Box(x, y, 210, 5, "0.", text); }
int Oli_Text_Box_466(double x, double y, const char* text) { return Fixed_Box(x, y, 466, 5, "90.", text); }
int Oli_Text_Box_226(double x, double y, const char* text) { return Fixed_Box(x, y, 226, 8, "0.", text); }
int Oli_Text_Box_202(double x, double y, const char* text) { return Fixed_Box(x, y, 202, 2, "0.", text); }

// White box with outline and the centred text; H is the world height.
static int Boxed(double x, double y, double H, const char* text) {
    if (!text) text = "";
    double k = (double)std::strlen(text);
    double hh = 0.8 * H;
    double hw = hh * (k > 1.0 ? 0.8 * k : k);
    Oli_Element_Begin();
    Oli_Fill_Record(0);
    Oli_Filled_Rect(x - hw, y - hh, x + hw, y + hh);
    Oli_Line(x - hw, y - hh, x - hw, y + hh);
    Oli_Line(x - hw, y + hh, x + hw, y + hh);
    Oli_Line(x + hw, y + hh, x + hw, y - hh);
    Oli_Line(x + hw, y - hh, x - hw, y - hh);
    Oli_Text_At(x, y, text);
    return ioliplot::Element_End();
}

int Oli_Boxed_Text(double x, double y, double h, const char* text) {
    Safe_Fprintf(S().stream, " 13 %lf\n", h);
    return Boxed(x, y, h / S().scale_y, text);
}

int Oli_Boxed_Number(double x, double y, double h, int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", number);
    return Oli_Boxed_Text(x, y, h, text);
}

int Oli_Boxed_Text_Scaled(double x, double y, double h, double scale, const char* text) {
    Safe_Fprintf(S().stream, " 4 %d\n", 2);
    return Boxed(x, y, h / scale, text);
}

int Oli_Circled_Text(double x, double y, double h, double scale, const char* text) {
    if (!text) text = "";
    double H = h / scale;
    double k = (double)std::strlen(text);
    double d = 1.52 * H * k;
    if (k <= 1.0) d *= 1.5;
    Oli_Element_Begin();
    Oli_Dash_Pattern(0);
    Oli_Fill_Record(0);
    Safe_Fprintf(S().stream, " 4 %d\n", 2);
    Oli_Filled_Circle(x, y, d);
    Oli_Arc(x, y, d, 0.0, 360.0);
    Oli_Text_At(x, y, text);
    return ioliplot::Element_End();
}

int Oli_Circled_Number(double x, double y, double h, double scale, int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", number);
    return Oli_Circled_Text(x, y, h, scale, text);
}
