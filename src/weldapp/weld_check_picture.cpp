#include "weldapp/weld_check_picture.h"

#include <cmath>

#include "base/cp850.h"
#include "base/vesk.h"
#include "drawings/oli_pens.h"
#include "drawings/xs_weld_plot.h"
#include "platform/oli_layout.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliwrt.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "weldcheck/weld_check.h"
#include "weldcheck/weldelem.h"

namespace {

// Paper margin of the profile's own picture on every side (no dimension
// lines), in cm.
const double kMargin = 0.4;
// A picture narrower than this leaves room for the legend on its right.
const double kLegendBeside = 16.0 - 3.0;
const double kLineHeight = 0.38;  // cm of one text line

// The end points and weld lines on top of the profile, in a graphic of the
// same paper extent: x = y' (to the left, so the extent runs from right to
// left), y = h/2 - z' (upwards).
void Overlay(const SchweissnahtNachweis* r, FILE* list, double s, double w, double h) {
    const double e = Weld_Check_Centroid_From_Left(), m = kMargin / s;
    if (Oli_Grafik_Begin(list, e + m, -h / 2 - m, e - w - m, h / 2 + m, s, s, 0.0, nullptr) ==
        OLI_GRAFIK_NO_SCALE)
        return;
    Oli_Set_Color_Mode(1);
    Safe_Fprintf(Oli_Get_Picture_State()->stream, " 7 %d\n", 6);
    const int pen = r->weld_kind == WELD_FILLET ? OliRole_Fillet_Weld_Pen : OliRole_Other_Weld_Pen;
    const bool ring = r->profile.type == PROFILTYP_RUND || r->profile.type == PROFILTYP_ROHR;
    // Marks grow with the picture: a diameter of 0.15 cm, the label 0.3 cm below.
    const double d = 0.15 / s, below = 0.3 / s;
    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        double y0, z0, y1, z1, a;
        if (!ring && Weld_Check_End_Point(k, 0, &y0, &z0, &a) && Weld_Check_End_Point(k, 1, &y1, &z1, nullptr))
            Oli_Pen_Line(y0, h / 2 - z0, y1, h / 2 - z1, pen, (int)std::lround(std::floor(a + 0.01)));
        for (int i = 0; i < WELD_CHECK_END_POINTS; ++i) {
            double y, z;
            if (!Weld_Check_End_Point(k, i, &y, &z, nullptr)) continue;
            Oli_Pen_Filled_Circle(y, h / 2 - z, d / 2, pen, 1, 1, OliRole_Outline_Pen);
            Oli_Select_Pen((unsigned)pen);
            // An upright label at the point, not turned with the picture:
            // no text-angle record.
            Oli_Text_Box_Printf(y, h / 2 - z - below, 0, 0, "%d", i);
        }
    }
    // No move back up after it, as the profile's own picture makes: the
    // point labels of the lowest weld ends lie in the bottom margin, and the
    // text after the picture must start below them.
    Safe_Fprintf(list, " -1\n");
}

}  // namespace

int Draw_Weld_Check_Picture(const SchweissnahtNachweis* r, FILE* list, int level) {
    if (!r || !list) return 0;
    if (level > 0) {
        OLI_End_Text(list);
        OLI_reserveSpaceCM(list, 6.0);
        OLI_printf(list, "%s╬HBerechnungsquerschnitt:\n"_cp, Check_Line_Prefix);
    }
    OLI_End_Text(list);

    Init_Oli_Pens();
    XSPlotOptions o;
    Init_XS_Plot_Options(&o);
    o.mm_per_cm = 0.0;
    o.fill_pen = OliRole_Profile_Pen;
    o.line_width = 1;
    o.line_pen = OliRole_Outline_Pen;
    o.profile = &r->profile;
    o.angle_deg = 0.0;
    const int top = Oli_Store_Y_Position(list);
    const double mm_per_cm = Draw_XS_Weld_Plot(&o, list, 0, 1, 0);
    if (!(mm_per_cm > 1e-8)) {
        Oli_Free_Position_Index(top);
        return 0;
    }
    Oli_Return_To_Y_Position(list, top);
    const double s = 1.0 / mm_per_cm;
    double w, h;
    XS_Plot_Extent(&r->profile, &w, &h);
    Overlay(r, list, s, w, h);

    const double width = w * s + 2 * kMargin, height = h * s + 2 * kMargin;
    const bool beside = width < kLegendBeside;
    int bottom = -1;
    double left = kMargin;
    if (beside) {
        bottom = Oli_Store_Y_Position(list);
        Oli_Return_To_Y_Position(list, top);
        const bool i_all_round = r->all_round && Is_Profile_Type_In(PROFILTYP_MASK_I, r->profile.type);
        OLI_setYPositionCM(list, OLI_Y_RELATIVE, i_all_round ? 0.2 : 0.5);
        left = width;
    } else {
        OLI_setYPositionCM(list, OLI_Y_RELATIVE, -0.7);
    }
    Oli_Free_Position_Index(top);

    const double indent = OLI_Get_Para_Indent();
    const double tabs[2] = {left + 1.5, left + 4.0};
    OLI_Set_Tabs(1, nullptr, tabs, 2);
    OLI_Set_Para_Indent(left);
    const int lines = Weld_Check_Write_Legend(list);
    OLI_End_Text(list);
    OLI_End_Tabs();
    OLI_Set_Para_Indent(indent);
    // A legend shorter than the picture beside it must not let the next
    // text run into the picture.
    if (bottom >= 0) {
        if (0.5 + lines * kLineHeight < height)
            Oli_Restore_Y_Position(list, bottom);
        else
            Oli_Free_Position_Index(bottom);
    }
    return 1;
}

void Install_Weld_Check_Picture(void) { Set_Weld_Check_Picture_Drawer(Draw_Weld_Check_Picture); }
