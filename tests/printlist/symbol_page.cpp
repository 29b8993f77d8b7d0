// The page of every symbol, chart and list style (symbol_page.h).
#include "printlist/symbol_page.h"

#include <cstdio>

#include "base/cp850.h"
#include "base/ptrarr.h"
#include "platform/oli_layout.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliplot_annotated.h"
#include "printlist/ioliplot_arrows.h"
#include "printlist/ioliplot_charts.h"
#include "printlist/ioliplot_dimension_chain.h"
#include "printlist/ioliplot_force_diagram.h"
#include "printlist/ioliplot_hatch_bolts.h"
#include "printlist/ioliplot_labels.h"
#include "printlist/ioliplot_member_loads.h"
#include "printlist/ioliplot_supports.h"
#include "printlist/ioliwrt.h"
#include "printlist/oli_blocks.h"
#include "printlist/oli_collect.h"
#include "printlist/oli_factor_table.h"
#include "printlist/oli_frames.h"
#include "printlist/oli_legend.h"
#include "printlist/oli_para.h"
#include "printlist/oli_symbol_picture.h"
#include "base/vesk.h"

namespace symbol_page {

double PI_2() { return 1.5707963267948966; }

// The symbols in one picture of 17 x 10.4 cm at 1:10 (world mm, y up),
// each clear of the others.
void Symbols_Picture(FILE* f) {
    Oli_Grafik_Begin_Plain(f, 0.0, 0.0, 170.0, 104.0, 0.1, 0.1);
    // Row 1: annotated lines.
    Oli_Rebar_Label(5.0, 91.0, 50.0, 91.0, 0.1, 2, 2, 15.0, 7.54, 0.03, 2.0, 3);
    Oli_Dimension_Arrows(60.0, 95.0, 100.0, 95.0, "l = 4,00 m", "Feld 1");
    Oli_Dimension_Arrows(60.0, 86.0, 100.0, 86.0, "", "a = 40");
    Oli_Section_Line(110.0, 90.0, 160.0, 90.0, 0.25, "A", "A");
    // Row 2: levels, supports, clamped edge, hatched strip, bold text.
    Oli_Level_Marker_Line(5.0, 74.0, 2.0, "+3,50", "OK Decke", 0, 1.0);
    Oli_Level_Marker(38.0, 74.0, "+0,00", 1, 1.0);
    Oli_Water_Level_Marker(52.0, 74.0, "GW", 1.0);
    Oli_Support_Symbol(68.0, 80.0, 0.0, 64, 1, 1, 4.0);
    Oli_Support_Symbol(82.0, 76.0, 90.0, 0, 0, 0, 4.0);
    Oli_Clamped_Edge(100.0, 72.0, 0.0, 5.0);
    Oli_Hatched_Strip(115.0, 72.0, 145.0, 72.0, 4.0, 0);
    Oli_Bold_Text(152.0, 73.0, "fett");
    // Row 3: arrows, moment, leader labels.
    Oli_Arrow(5.0, 50.0, 0.0, 15.0, 3.0, 2.0, OLI_ARROW_OPEN);
    Oli_Arrow(5.0, 56.0, 0.0, 15.0, 3.0, 2.0, OLI_ARROW_OUTLINED);
    Oli_Arrow(5.0, 62.0, 0.0, 15.0, 3.0, 2.0, OLI_ARROW_FILLED);
    Oli_Arrow_Label(29.0, 47.0, PI_2(), 12.0, 3.0, 2.0, OLI_ARROW_FILLED, 0.25, "V");
    Oli_Arrow_Between(45.0, 62.0, 57.0, 50.0, 3.0, 2.0, OLI_ARROW_OUTLINED);
    Oli_Moment_Arrow(75.0, 55.0, 6.0, 0.5, 4.5, 3.0, 2.0, OLI_ARROW_FILLED, 0.25, "M");
    Oli_Leader_Label(92.0, 48.0, 97.0, 58.0, 0.22, "Pos. %d", 12);
    Oli_Leader_Label_Flag(128.0, 48.0, 133.0, 58.0, 0, 0.22, "%s", "Fahne");
    // Row 4: point and line loads, force diagram.
    Oli_Load_Arrow_Vertical(6.0, 25.0, 15.0, "F");
    Oli_Load_Arrow_Horizontal(12.0, 30.0, 13.0, "H");
    Oli_Line_Load(35.0, 25.0, 70.0, 25.0, 10.0, 0.22, "q = 5 kN/m");
    Oli_Trapezoid_Load(78.0, 25.0, 115.0, 25.0, 5.0, 15.0, 0.22, "q1/q2");
    OliForceDiagram d;
    Oli_Force_Diagram_Init(&d, 5);
    d.x1 = 128.0, d.y1 = 37.0, d.x2 = 163.0, d.y2 = 37.0;
    const double pos[5] = {0.0, 10.0, 17.5, 25.0, 35.0}, val[5] = {-20.0, 15.0, 25.0, 12.0, -10.0};
    for (int i = 0; i < 5; i++) d.positions[i] = pos[i], d.values[i] = val[i];
    d.value_scale = 0.3;
    d.decimals = 1;
    Oli_Force_Diagram_Draw(&d);
    Oli_Force_Diagram_Free(&d);
    // Row 5: member loads (y down), dimension chain, bolts.
    Oli_Dash_Pattern(0);
    Oli_Member_Load_Axial(5.0, -10.0, 30.0, -10.0, 3.0, 3.0);
    Oli_Member_Load_X(42.0, -3.0, 42.0, -18.0, 4.0, 8.0);
    Oli_Member_Load_Y(50.0, -8.0, 75.0, -8.0, 5.0, 8.0);
    Oli_Member_Load_Perpendicular(80.0, -6.0, 100.0, -12.0, 5.0, 5.0);
    const double bolt_x[8] = {112.0, 120.0, 134.0, 143.0, 148.0, 154.0, 160.0, 166.0};
    for (int t = 0; t < 8; t++) Oli_Bolt_Symbol(f, t, 5.0, bolt_x[t], 18.0, 5.0);
    PtrArr chain = {nullptr, 0, 0};
    for (double x : {108.0, 128.0, 135.5, 168.0}) Oli_Dimension_Point_Add(&chain, x, 4.0);
    Oli_Dimension_Chain(&chain, "mm", 2, 4.0, 0.15, 1.0, 0);
    Safe_Fprintf(f, " -1\n");
}

// The chart, two value diagrams in a picture of their own and the quick
// curve, side by side.
void Charts_Row(FILE* f) {
    OliChartAxes axes;
    Oli_Chart_Axes_Init(&axes);
    axes.width = 6.5, axes.height = 2.5;
    axes.xmin = -20.0, axes.xmax = 100.0, axes.ymin = -10.0, axes.ymax = 60.0;
    axes.x_step = 20.0, axes.y_step = 20.0, axes.grid = 1;
    std::snprintf(axes.x_title, sizeof axes.x_title, "%s", "x");
    std::snprintf(axes.y_title, sizeof axes.y_title, "%s", "y");
    int index = Oli_Store_Y_Position(f);
    if (Oli_Chart_Begin(f, &axes) == 0) {
        const double cx[6] = {-20.0, 0.0, 20.0, 40.0, 70.0, 100.0}, cy[6] = {-5.0, 10.0, 35.0, 50.0, 55.0, 40.0};
        Oli_Dash_Pattern(0);
        for (int i = 0; i < 5; i++) Oli_Line(cx[i], cy[i], cx[i + 1], cy[i + 1]);
        Oli_Grafik_End();
    }
    Oli_Restore_Y_Position(f, index);
    index = Oli_Store_Y_Position(f);
    Oli_Set_Left_Margin(f, 7.0);
    Oli_Grafik_Begin_Plain(f, 0.0, 0.0, 6.0, 2.8, 1.0, 1.0);
    const double vp[5] = {0.0, 0.5, 1.0, 2.0, 3.0}, vv[5] = {-3.0, -1.0, 2.0, 4.0, 5.0};
    Oli_Value_Diagram(0.0, 0.0, 2.7, 2.6, vp, vv, 5, "sigma", "", 0.25);
    const double ve[8] = {0.0, 1.0, 3.0, 4.5, 5.0, 4.5, 3.0, 1.0};
    Oli_Value_Diagram_Equidistant(3.2, 0.0, 5.9, 2.6, 0.0, 2.5, ve, 8, "tau", "Schub", 0.25);
    Safe_Fprintf(f, " -1\n");
    Oli_Restore_Y_Position(f, index);
    Oli_Set_Left_Margin(f, 13.5);
    const double qx[5] = {-1.0, 0.0, 1.0, 2.0, 3.0}, qy[5] = {1.0, 0.0, 1.0, 4.0, 9.0};
    Oli_Quick_Curve_Picture(f, 5, qx, qy, 1, 0, 1.5, 1.5);
    Oli_Set_Left_Margin(f, 0.0);
    // 0.4 cm below the lowest picture of the row (the viewer leaves 0.7).
    OLI_setYPositionCM(f, 4, -0.3);
}

// The stored symbol pictures, a raster picture (the PNG file embedded)
// and the frame escapes of a text block, side by side.
void Pictures_Row(FILE* f, const char* png) {
    Oli_Set_Table_Title("");
    int index = Oli_Store_Y_Position(f);
    Oli_Picture_Symbol(f, 3.5, 2.0, "schweissnaht_1.ocm");
    Oli_Restore_Y_Position(f, index);
    index = Oli_Store_Y_Position(f);
    Oli_Set_Left_Margin(f, 4.5);
    Oli_Framed_Symbol_Picture(f, 3.5, 2.0, "schweissnaht_0.ocm");
    Oli_Restore_Y_Position(f, index);
    index = Oli_Store_Y_Position(f);
    Oli_Set_Left_Margin(f, 9.0);
    OliPictureHead head = Oli_Default_Picture_Head();
    head.extent[1] = 4.0, head.extent[3] = 2.0;
    Oli_Picture_Head(f, &head);
    OliRasterSettings raster = Oli_Default_Raster_Settings();
    raster.flags = OLI_RASTER_EMBED | 0x2;
    raster.width = 2.4;
    Oli_Raster_Record(f, 0.5, 0.1, png, &raster);
    Oli_Picture_End(f);
    Oli_Restore_Y_Position(f, index);
    Oli_Set_Left_Margin(f, 13.0);
    Safe_Fprintf(f, "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n");
    Safe_Fprintf(f, " Rahmen:");
    Oli_Frame_Rect(f, 0, 0, 0.1, 0.05, 0.0, 0.9);
    Safe_Fprintf(f, "\n Linie darunter");
    Oli_Frame_Line(f, 1.0);
    Safe_Fprintf(f, "\n Doppellinie");
    Oli_Frame_Double(f, 1.0);
    Safe_Fprintf(f, "\n Schräg, Ende"_cp);
    Oli_Frame_Left(f, 0.0, 0.0, 0.4, 1.0);
    Oli_Frame_Rect_Off(f, 0, 0);
    Safe_Fprintf(f, "\n#END_OF_TEXT\n");
    Oli_Set_Left_Margin(f, 0.0);
    OLI_setYPositionCM(f, 4, -0.2);
}

// A list of a line and its continuation in list k.
void Fill_List(int k, int style) {
    Oli_List_Open(k);
    Oli_List_Add(k, "Stil %d: Nachweis erfüllt"_cp, style);
    Oli_List_Add(k, "%s", "+(mit Fortsetzung)");
}

// Left column: the five styles of a list and a two-column list; right
// column: legend, literature, a factor table and a framed list.
void Lists(FILE* f) {
    int index = Oli_Store_Y_Position(f);
    for (int style = 0; style <= 4; style++) {
        Fill_List(1, style);
        Oli_Message_List(1, style, f);
    }
    Oli_List_Open_2Col(2, 0.0, 4.0);
    for (const char* t : {"Spalte 1", "Spalte 2", "links", "rechts"}) Oli_List_Add(2, "%s", t);
    Oli_Message_List(2, 0, f);
    Oli_Restore_Y_Position(f, index);
    Oli_Set_Left_Margin(f, 8.0);
    Oli_Legend_Clear();
    Oli_Literature_Clear();
    Oli_Legend_Add("f\xCE\\y,k\xCEr", "Streckgrenze");
    Oli_Legend_Add_Value("\xC0\xCE\\M%.0f\xCEr", "Teilsicherheitsbeiwert", 2.0);
    Oli_Legend_Add_Citation("\xBB\xCE\\w\xCEr", "Korrelationsbeiwert [%d]", "EN 1993-1-8, Tabelle 4.1");
    Oli_Legend_Write(f);
    Oli_Legend_Write_Table(f);
    Oli_Literature_List(f);
    OliFactorTable t;
    Init_Factor_Table(3, 2, &t);
    t.hide_names = 0;
    t.hide_situation = 1;
    t.rows[0].name = "Grund";
    for (int j = 0; j < 3; j++) t.rows[0].factors1[j] = 1.35;
    t.rows[1].name = "Wind";
    t.rows[1].factors1[0] = 1.35, t.rows[1].factors1[1] = 1.5, t.rows[1].factors1[2] = 0.0;
    Oli_Factor_Table(f, &t);
    Free_Factor_Table(&t);
    Fill_List(3, 0);
    Oli_List_Write(f, 3, 6.5);
    Oli_Set_Left_Margin(f, 0.0);
}

// The whole page: a heading, the symbols, the charts, the pictures and the
// lists.
void Write(FILE* f, const char* png) {
    Oli_Writer_Init(0, 0, OLI_WRITER_PLAIN_NUMBERS);
    Oli_Set_Color_Mode(0);
    Oli_Set_Fill_Mode(1);
    Oli_Heading(f, 0, "%s", "Symbole, Diagramme und Listen der Druckliste");
    Symbols_Picture(f);
    Charts_Row(f);
    Pictures_Row(f, png);
    Lists(f);
}

}  // namespace symbol_page
