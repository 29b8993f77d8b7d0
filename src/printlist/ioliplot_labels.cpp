// Leader labels and bold text of pictures.
#include <cmath>
#include <cstdarg>
#include <string>

#include "platform/format.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliplot_internal.h"
#include "printlist/ioliplot_labels.h"
#include "printlist/ioliplot_symbols_internal.h"
#include "printlist/oli_checks.h"
#include "printlist/plotfile.h"

using ioliplot::S;

namespace {

constexpr size_t kMaxText = 255;

// The checks and the label's text without trailing blanks; then the
// element begins with pen 1, solid. False (nothing written) when refused.
bool Begin_Label(const char* writer, double x1, double y1, double x2, double y2, double h, const char* format,
                 va_list ap, std::string* text) {
    Oli_Input_Check check(writer);
    if (!check.Picture().Point(x1, y1).Point(x2, y2).Size(h).Ok()) return false;
    bool ok = VEK_Format_String_V(*text, format, ap);
    if (!check.Require(format && ok, "kein Text").Text(text->c_str(), kMaxText).Ok()) return false;
    size_t end = text->find_last_not_of(' ');
    text->resize(end == std::string::npos ? 0 : end + 1);
    Oli_Element_Begin();
    ioliplot::Pen_Record(1);
    Oli_Dash_Pattern(0);
    return true;
}

// Leader from P1 to the nearer of P2 and E, and the shoulder from P2 to E.
// True when the leader ends at E.
bool Leader(double x1, double y1, double x2, double y2, double ex) {
    const bool to_end = (ex - x1) * (ex - x1) + (y2 - y1) * (y2 - y1) < (x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1);
    if (to_end) Oli_Line(x1, y1, ex, y2);
    else Oli_Line(x1, y1, x2, y2);
    Oli_Line(x2, y2, ex, y2);
    return to_end;
}

}  // namespace

void Oli_Bold_Text(double x, double y, const char* text) {
    Oli_Input_Check check("Oli_Bold_Text");
    if (!check.Picture().Point(x, y).Text(text, kMaxText).Ok()) return;
    const Oli_Picture_State& s = S();
    const double dx = 0.01 / s.scale_x, dy = 0.01 / s.scale_y;
    PlotFile_Open_Group();
    Oli_Text_Plain(x, y, text);
    Oli_Text_Plain(x + dx, y, text);
    Oli_Text_Plain(x, y + dy, text);
    Oli_Text_Plain(x + dx, y + dy, text);
    PlotFile_Close_Group();
}

void Oli_Leader_Label(double x1, double y1, double x2, double y2, double h, const char* format, ...) {
    std::string text;
    va_list ap;
    va_start(ap, format);
    bool ok = Begin_Label("Oli_Leader_Label", x1, y1, x2, y2, h, format, ap, &text);
    va_end(ap);
    if (!ok) return;
    const Oli_Picture_State& s = S();
    const double sy = s.scale_y, n = static_cast<double>(text.size());
    const double ex = x2 + (h + n * h) / sy;
    if (PlotFile_Is_Open()) {
        PlotFile_Set_Linetype(0);
        PlotFile_Set_Pen(0);
        PlotFile_Set_Filling(5);
        PlotFile_Set_Font(4);
    }
    const bool to_end = Leader(x1, y1, x2, y2, ex);
    const double ty = s.mirror_flag ? y2 - 0.2 * h / sy : y2 + 0.2 * h / sy;
    if (to_end) Oli_Text_At_Printf(ex - 0.6 * h / sy, ty, 2, 1, "%s", text.c_str());
    else Oli_Text_At_Printf(x2 + 0.6 * h / sy, ty, 2, 3, "%s", text.c_str());
    Oli_Element_End();
}

void Oli_Leader_Label_Flag(double x1, double y1, double x2, double y2, int flag, double h, const char* format, ...) {
    std::string text;
    va_list ap;
    va_start(ap, format);
    bool ok = Begin_Label("Oli_Leader_Label_Flag", x1, y1, x2, y2, h, format, ap, &text);
    va_end(ap);
    if (!ok) return;
    const Oli_Picture_State& s = S();
    const double sy = s.scale_y, n = static_cast<double>(text.size());
    ioliplot::Height_Record(h);
    Leader(x1, y1, x2, y2, x2 + 0.82 * h * (n + 2.0) / sy);
    const double hm = s.mirror_flag ? -h : h, ty = y2 + 0.2 * hm / sy;
    Oli_Text_At_Printf(x2 + 0.1 * h / sy, ty, 2, 3, "%s", text.c_str());
    Oli_Fill_Record(1);
    if (flag == 0) {
        const double t0x = x2 + 0.96 * h * n / sy;
        const double tx[3] = {t0x, t0x + h / sy, t0x}, tyv[3] = {ty, ty, ty + hm / sy};
        if (PlotFile_Is_Open()) PlotFile_Set_Filling(0);
        if (s.fill_mode) Oli_Filled_Triangle(tx, tyv);
        ioliplot::Pen_Record(2);
        Oli_Line(tx[0], tyv[0], tx[1], tyv[1]);
        Oli_Line(tx[1], tyv[1], tx[2], tyv[2]);
        Oli_Line(tx[0], tyv[0], tx[2], tyv[2]);
    }
    Oli_Element_End();
}
