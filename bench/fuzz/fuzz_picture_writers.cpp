// Fuzz target: the print-list writers of the picture library (picture head
// and raster records, paragraph pieces, symbol pictures, legend and
// literature, collection lists and their frames, frame escapes, factor
// tables, the fill-pattern chart, charts and value diagrams, and every
// composite symbol) called with arguments taken from the bytes, in the
// order the bytes give, the way a program builds a list: picture writers
// inside an open picture, block writers between blocks.
//
// Whatever the arguments, what the writers wrote must be a sound print
// list: the viewer's reader finds no damaged block, every number of every
// graphic record and paragraph format is finite, and the elements of each
// picture (" 30" ... " 31") are closed before the next opens and before
// the picture ends. A writer that cannot write sound records must refuse.
//
// A first byte of 0 instead reads the rest as a picture-info file of the
// conversion tool (Read_Picture_Info); what it accepts must be written back
// and read again to the same record.
#include <cmath>
#include <cstring>
#include <string>

#include "fuzz_common.h"

#include "base/ptrarr.h"
#include "dialogs/messages.h"
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
#include "printlist/oli_fill_chart.h"
#include "printlist/oli_frames.h"
#include "printlist/oli_legend.h"
#include "printlist/oli_para.h"
#include "printlist/oli_symbol_picture.h"

#include "list_check.h"

namespace {

const char* const kTarget = "fuzz_picture_writers";

// The bytes as a source of arguments; past the end every value is 0.
struct Bytes {
    const uint8_t* p;
    size_t n;
    bool more() const { return n > 0; }
    uint8_t u8() {
        if (!n) return 0;
        --n;
        return *p++;
    }
    int Int(int lo, int hi) { return lo + static_cast<int>(u8() % static_cast<unsigned>(hi - lo + 1)); }
    // Mostly drawable values, sometimes the ones writers trip over.
    double Real() {
        static const double kSpecial[] = {0.0, -0.0, 1.0, -1.0, 0.5, 2.5, 10.0, 100.0, 1e-9, 1e5, 1e9, 1e300,
                                          -1e300, NAN, INFINITY, -INFINITY, 0.3, 4.0, 25.0, 3.14159265};
        const uint8_t b = u8();
        if (b < 160) return (b - 80) * 0.25;
        if (b < 240) return kSpecial[b % 20];
        double v = 0.0;
        uint8_t raw[8] = {};
        for (uint8_t& r : raw) r = u8();
        std::memcpy(&v, raw, sizeof v);
        return v;
    }
    // A text of up to 300 bytes (line breaks, guillemets, escapes and all).
    std::string Text() {
        const int len = u8() > 250 ? Int(0, 255) + 45 : u8() % 12;
        std::string t;
        for (int i = 0; i < len; i++) {
            const uint8_t c = u8();
            t.push_back(c == 0 ? 'x' : static_cast<char>(c));
        }
        return t;
    }
};

double arg_tab[4];  // tab positions of the fuzzed format's tab writer
int arg_tab_count;

int Tab_Writer(FILE* f, unsigned) { return OLI_Write_Tab_List(f, 2, nullptr, arg_tab, arg_tab_count) == 0; }

// One call of a writer that draws into the open picture.
void Picture_Call(Bytes& b, FILE* f, PtrArr* chain) {
    auto R = [&] { return b.Real(); };
    const std::string t = b.Text();
    const char* s = t.c_str();
    switch (b.Int(0, 33)) {
    case 0: Oli_Rebar_Label(R(), R(), R(), R(), R(), b.Int(-1, 3), b.Int(-1, 12), R(), R(), R(), R(), b.Int(-1, 5)); break;
    case 1: Oli_Dimension_Arrows(R(), R(), R(), R(), s, b.u8() & 1 ? "" : s); break;
    case 2: Oli_Section_Line(R(), R(), R(), R(), R(), b.u8() & 1 ? s : nullptr, b.u8() & 1 ? s : nullptr); break;
    case 3: Oli_Level_Marker_Line(R(), R(), R(), s, s, b.Int(-1, 66), R()); break;
    case 4: Oli_Level_Marker(R(), R(), s, b.Int(0, 1), R()); break;
    case 5: Oli_Water_Level_Marker(R(), R(), s, R()); break;
    case 6: Oli_Support_Symbol(R(), R(), R(), b.Int(-1, 66), b.Int(0, 1), b.Int(0, 1), R()); break;
    case 7: Oli_Clamped_Edge(R(), R(), R(), R()); break;
    case 8: Oli_Arrow(R(), R(), R(), R(), R(), R(), b.Int(-1, 3)); break;
    case 9: Oli_Arrow_Label(R(), R(), R(), R(), R(), R(), b.Int(-1, 3), R(), s); break;
    case 10: Oli_Arrow_Between(R(), R(), R(), R(), R(), R(), b.Int(-1, 3)); break;
    case 11: Oli_Moment_Arrow(R(), R(), R(), R(), R(), R(), R(), b.Int(-1, 3), R(), s); break;
    case 12: Oli_Load_Arrow_Vertical(R(), R(), R(), s); break;
    case 13: Oli_Load_Arrow_Horizontal(R(), R(), R(), s); break;
    case 14: Oli_Line_Load(R(), R(), R(), R(), R(), R(), s); break;
    case 15: Oli_Trapezoid_Load(R(), R(), R(), R(), R(), R(), R(), s); break;
    case 16: Oli_Member_Load_Axial(R(), R(), R(), R(), R(), R()); break;
    case 17: Oli_Member_Load_X(R(), R(), R(), R(), R(), R()); break;
    case 18: Oli_Member_Load_Y(R(), R(), R(), R(), R(), R()); break;
    case 19: Oli_Member_Load_Perpendicular(R(), R(), R(), R(), R(), R()); break;
    case 20: {
        OliForceDiagram d;
        Oli_Force_Diagram_Init(&d, b.Int(0, 6));
        d.x1 = R(), d.y1 = R(), d.x2 = R(), d.y2 = R();
        for (int i = 0; i < d.n; i++) d.positions[i] = R(), d.values[i] = R();
        d.value_scale = R(), d.label_offset = R(), d.decimals = b.Int(-1, 12), d.side = b.Int(0, 1);
        d.fill_pattern = b.Int(-2, 66), d.dashed_fibre = b.Int(0, 1);
        Oli_Force_Diagram_Draw(&d);
        Oli_Force_Diagram_Free(&d);
        break;
    }
    case 21: {
        double p[6], v[6];
        const int n = b.Int(0, 6);
        for (int i = 0; i < n; i++) p[i] = R(), v[i] = R();
        Oli_Value_Diagram(R(), R(), R(), R(), p, v, n, s, b.u8() & 1 ? s : "", R());
        break;
    }
    case 22: {
        double v[6];
        const int n = b.Int(0, 6);
        for (int i = 0; i < n; i++) v[i] = R();
        Oli_Value_Diagram_Equidistant(R(), R(), R(), R(), R(), R(), v, n, s, s, R());
        break;
    }
    case 23: Oli_Dimension_Point_Add(chain, R(), R()); break;
    case 24: Oli_Dimension_Chain(chain, b.u8() & 1 ? "cm" : (b.u8() & 1 ? "mm" : s), b.Int(-1, 4), R(), R(), R(), b.Int(-3, 3)); break;
    case 25: Oli_Dimension_Chain_cm(chain, b.u8() & 1 ? "cm" : "mm", R(), R(), R(), R(), R(), b.Int(-3, 3)); break;
    case 26: Oli_Hatched_Strip(R(), R(), R(), R(), R(), b.Int(-1, 5)); break;
    case 27: Oli_Bolt_Symbol(f, b.Int(-1, 8), R(), R(), R(), R()); break;
    case 28: Oli_Bold_Text(R(), R(), s); break;
    case 29: Oli_Leader_Label(R(), R(), R(), R(), R(), "%s", s); break;
    case 30: Oli_Leader_Label_Flag(R(), R(), R(), R(), b.Int(0, 1), R(), "%s", s); break;
    case 31: Oli_Set_Fill_Mode(b.Int(0, 1)); break;
    case 32: Oli_Set_Color_Mode(b.Int(0, 1)); break;
    default: Oli_Set_Text_Angle(R()); break;
    }
}

// A paragraph block built from the record writers, with a format taken
// from the bytes (its tab writer writes tab lines of the bytes too).
void Para_Pieces(Bytes& b, FILE* f) {
    OliParaFormat format = *OLI_Default_Para_Format();
    format.mode = b.Int(0, 9);
    format.space_before = b.Real(), format.indent = b.Real(), format.factor = b.Real();
    arg_tab_count = b.Int(0, 4);
    for (double& t : arg_tab) t = b.Real();
    if (b.u8() & 1) format.tab_writer = Tab_Writer;
    OliParaEnd end = {static_cast<unsigned>(b.u8()) << 8, b.Real(), static_cast<unsigned>(b.Int(0, 3))};
    // The pieces of a block only go out together: a refused head or group
    // would leave the others without their block.
    const std::string probe = fuzz::Written([&](FILE* p) {
        if (OLI_Write_Para_Head(p, &format) || OLI_Write_Field_End(p)) std::fputs("refused", p);
        if (OLI_Write_Change_Group(p, &end, &format) || OLI_Write_End_Group(p, &end)) std::fputs("refused", p);
    });
    if (probe.find("refused") != std::string::npos) return;
    OLI_Write_Para_Head(f, &format);
    OLI_Write_Field_End(f);
    std::fputs(" Text\n", f);
    OLI_Write_End_Of_Text(f);
    OLI_Write_Change_Group(f, &end, &format);
    OLI_Write_Field_End(f);
    std::fputs(" mehr\n", f);
    OLI_Write_End_Of_Text(f);
    OLI_Write_End_Group(f, &end);
}

// One call of a writer of whole blocks (or of what they collect).
void Block_Call(Bytes& b, FILE* f, const std::string& raster_file) {
    auto R = [&] { return b.Real(); };
    const std::string t = b.Text();
    const char* s = t.c_str();
    const int k = b.Int(-1, 11);
    switch (b.Int(0, 22)) {
    case 0: Oli_Picture_Symbol(f, R(), R(), s); break;
    case 1: Oli_Framed_Symbol_Picture(f, R(), R(), s); break;
    case 2: Oli_Legend_Add(s, "%s", b.Text().c_str()); break;
    case 3: Oli_Legend_Add_Value(s, b.Text().c_str(), R()); break;
    case 4: Oli_Legend_Add_Citation(s, b.Text().c_str(), b.Text().c_str()); break;
    case 5: Oli_Legend_Drop(b.Int(-2, 5)); break;
    case 6: Oli_Legend_Write(f); break;
    case 7: Oli_Legend_Write_Table(f); break;
    case 8: Oli_Literature_Add(s); break;
    case 9: Oli_Literature_List(f); break;
    case 10: Oli_List_Open(k); break;
    case 11: Oli_List_Open_2Col(k, R(), R()); break;
    case 12: Oli_List_Open_3Col(k, R(), R(), R()); break;
    case 13: Oli_List_Add(k, "%s", s); break;
    case 14: Oli_Message_List(k, b.Int(-1, 5), f); break;
    case 15: Oli_List_Write(f, k, R()); break;
    case 16: Oli_List_Write_Small(f, k, R()); break;
    case 17: {
        std::fputs("#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n Zeile", f);
        Oli_Frame_Rect(f, b.Int(0, 1), b.Int(-5, 70), R(), R(), R(), R());
        Oli_Frame_Left(f, R(), R(), R(), R());
        Oli_Frame_Line(f, R());
        Oli_Frame_Double(f, R());
        Oli_Frame_Rect_Off(f, b.Int(0, 1), b.Int(-5, 70));
        std::fputs("\n#END_OF_TEXT\n", f);
        break;
    }
    case 18: {
        OliFactorTable table;
        if (!Init_Factor_Table(b.Int(0, 4), b.Int(0, 12), &table)) break;
        table.hide_names = b.Int(0, 1), table.hide_situation = b.Int(0, 1), table.table_flag = b.Int(0, 1);
        for (int i = 0; i < table.n; i++) table.numbers[i] = b.Int(-1, 9);
        for (int r = 0; r < table.m; r++)
            for (int j = 0; j < table.n; j++) table.rows[r].factors1[j] = R(), table.rows[r].factors2[j] = R();
        if (table.m > 0) table.rows[0].name = s;
        Oli_Factor_Table(f, &table);
        Free_Factor_Table(&table);
        break;
    }
    case 19: {
        OliPictureHead head = Oli_Default_Picture_Head();
        head.flags = b.u8() & 1 ? static_cast<unsigned>(OLI_PICTURE_SECOND_EXTENT) : 0u;
        head.mode = b.Int(0, 4);
        for (double& e : head.extent) e = R();
        if (Oli_Picture_Head(f, &head) != 0) break;
        OliRasterSettings raster = Oli_Default_Raster_Settings();
        raster.flags = b.u8() | (b.u8() & 1 ? static_cast<unsigned>(OLI_RASTER_EMBED) : 0u);
        raster.resolution = b.Int(0, 600), raster.factor_x = R(), raster.width = R(), raster.angle = R();
        Oli_Raster_Record(f, R(), R(), b.u8() & 1 ? raster_file.c_str() : s, &raster);
        Oli_Picture_End(f);
        break;
    }
    case 20: Para_Pieces(b, f); break;
    case 21: Oli_Choose_Fill_Pattern(f); break;
    default: {
        OliChartAxes axes;
        Oli_Chart_Axes_Init(&axes);
        axes.width = R(), axes.height = R(), axes.xmin = R(), axes.xmax = R(), axes.ymin = R(), axes.ymax = R();
        axes.x_step = R(), axes.y_step = R(), axes.grid = b.Int(0, 1), axes.x_orientation = b.Int(0, 3);
        axes.y_orientation = b.Int(0, 3);
        std::snprintf(axes.x_title, sizeof axes.x_title, "%.99s", s);
        if (Oli_Chart_Begin(f, &axes) == 0) Oli_Grafik_End();
        double x[4], y[4];
        const int n = b.Int(0, 4);
        for (int i = 0; i < n; i++) x[i] = R(), y[i] = R();
        Oli_Quick_Curve_Picture(f, n, x, y, b.Int(0, 3), b.Int(0, 3), R(), R());
        break;
    }
    }
}

void Writers(const uint8_t* data, size_t size) {
    static const std::string raster_file = [] {
        const std::string path = fuzz::Dir() + "/raster.png";
        const uint8_t bytes[] = {0x89, 'P', 'N', 'G', 1, 2, 3};
        fuzz::Write(path, bytes, sizeof bytes);
        return path;
    }();
    Bytes b{data, size};
    PtrArr chain = {nullptr, 0, 0};
    const std::string list = fuzz::Written([&](FILE* f) {
        Oli_Writer_Init(0, 0, OLI_WRITER_PLAIN_NUMBERS);
        Oli_Legend_Clear();
        Oli_Literature_Clear();
        for (int k = 0; k <= 10; k++) Oli_Message_List(k, 0, nullptr);
        for (int steps = 0; b.more() && steps < 200; steps++) {
            if (b.u8() % 3 != 0) {
                Block_Call(b, f, raster_file);
                continue;
            }
            // A picture of the bytes' extent, scales and turn, then its symbols.
            // The opener is the caller's affair: only an extent that is a
            // paper extent is opened (Oli_Grafik_Begin writes what it gets).
            const double x1 = b.Real(), y1 = b.Real(), x2 = b.Real(), y2 = b.Real();
            const double sx = b.Real(), sy = b.Real(), rotation = b.u8() & 1 ? b.Real() : 0.0;
            const double paper[6] = {x1 * sx, x2 * sx, y1 * sy, y2 * sy, rotation, std::fabs(x1) + std::fabs(y1) +
                                     std::fabs(x2) + std::fabs(y2)};
            bool drawable = true;
            for (double v : paper) drawable = drawable && std::isfinite(v) && std::fabs(v) < 1e6;
            if (!drawable || Oli_Grafik_Begin(f, x1, y1, x2, y2, sx, sy, rotation, nullptr) < 0) continue;
            for (int n = b.Int(1, 8); n > 0 && b.more(); n--) Picture_Call(b, f, &chain);
            std::fputs(" -1\n", f);
        }
    });
    for (int i = 0; i < PtrArr_Count(&chain); i++) std::free(PtrArr_Get(&chain, i));
    PtrArr_Reset(&chain);
    list_check::Sound_List(kTarget, list);
}

void Picture_Info(const uint8_t* data, size_t size) {
    FILE* f = fuzz::Stream(data, size);
    if (!f) return;
    OLI_GRAPHIC_Picture_Info first;
    const int read = Read_Picture_Info(f, &first);
    std::fclose(f);
    if (!read) return;
    if (!std::memchr(first.name, 0, sizeof first.name)) fuzz::Fail(kTarget, "picture info name without its end");
    const std::string written = fuzz::Written([&](FILE* out) {
        if (!Write_Picture_Info(out, &first)) fuzz::Fail(kTarget, "picture info read but not written");
    });
    FILE* again_f = fuzz::Stream(written);
    OLI_GRAPHIC_Picture_Info again;
    const int again_read = Read_Picture_Info(again_f, &again);
    fuzz::Round_Trip rt{"picture info", 0};
    rt.Int("read back", 1, again_read);
    rt.At_End("picture info", again_f);
    std::fclose(again_f);
    rt.Text("name", first.name, again.name);
    rt.Int("pixels x", first.pixels_x, again.pixels_x);
    rt.Int("pixels y", first.pixels_y, again.pixels_y);
    rt.Int("resolution", first.resolution, again.resolution);
    rt.Real("width", first.width, again.width, {1e-4, 1e-15});
    rt.Real("height", first.height, again.height, {1e-4, 1e-15});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    Disable_Messages();
    if (size >= 1 && data[0] == 0) Picture_Info(data + 1, size - 1);
    else Writers(data, size);
    return 0;
}
