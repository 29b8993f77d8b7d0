// Print-list pieces from records: picture head and end, raster record,
// picture info of the conversion tool, and the head, change group, end
// group and tab lines of a paragraph block.
//
// All output goes through the fprintf entry of the stdio table, like the
// paragraph writer's. The checks come first, so a refused call writes
// nothing.
#include "printlist/oli_blocks.h"

#include <cmath>
#include <cstdarg>
#include <cstring>
#include <string>

#include "base/filenames.h"
#include "base/textio.h"
#include "platform/desktop.h"
#include "platform/format.h"
#include "platform/oli_graphic_records.h"
#include "platform/posix.h"
#include "printlist/oli_checks.h"

namespace {

// One formatted piece through the stdio table; false when refused.
__attribute__((format(printf, 2, 3))) bool Put(FILE* stream, const char* format, ...) {
    std::string text;
    va_list ap;
    va_start(ap, format);
    bool ok = VEK_Format_String_V(text, format, ap);
    va_end(ap);
    return ok && VEK_Stdio_Write(stream, text.c_str()) >= 0;
}

bool All_Finite(const double* v, int n) {
    for (int i = 0; i < n; i++)
        if (!std::isfinite(v[i])) return false;
    return true;
}

// The values of a format that its field lines write as numbers.
bool Format_Is_Finite(const OliParaFormat& f) {
    const double v[5] = {f.space_before, f.second_space, f.indent, f.second_indent, f.factor};
    return All_Finite(v, 5);
}

constexpr size_t kMaxFileName = 259;

}  // namespace

// ---- picture head --------------------------------------------------------------

OliPictureHead Oli_Default_Picture_Head(void) {
    OliPictureHead head{};
    head.mode = 1;
    head.extent[1] = 10.0;
    head.extent[3] = 5.0;
    head.mode3_value = 50.0;
    return head;
}

int Oli_Picture_Head(FILE* stream, const OliPictureHead* head) {
    if (!stream) return -1;
    const OliPictureHead h = head ? *head : Oli_Default_Picture_Head();
    Oli_Input_Check check("Oli_Picture_Head");
    check.Require(All_Finite(h.extent, 4) && std::isfinite(h.mode3_value), "Ausdehnung ist keine endliche Zahl");
    if ((h.flags & OLI_PICTURE_SECOND_EXTENT) != 0)
        check.Require(All_Finite(h.second_extent, 4), "zweite Ausdehnung ist keine endliche Zahl");
    if (!check.Ok()) return -1;

    if (!Put(stream, "\n\n#SHOWGRAFIC\n")) return -1;
    for (OliParaWriter caption : {h.caption1, h.caption2}) {
        if (caption ? !caption(stream, h.callback_arg) : !Put(stream, "0 0 0\n")) return -1;
    }
    if (h.flags != 0 && !Put(stream, "-999 %d ", static_cast<int>(h.flags))) return -1;
    if (!Put(stream, "%d\n", h.mode)) return -1;
    if ((h.flags & OLI_PICTURE_SECOND_EXTENT) &&
        !Put(stream, "%.6g %.6g %.6g %.6g\n", h.second_extent[0], h.second_extent[1], h.second_extent[2],
             h.second_extent[3]))
        return -1;
    if (!Put(stream, "%.6g %.6g %.6g %.6g\n", h.extent[0], h.extent[1], h.extent[2], h.extent[3])) return -1;
    if (h.mode == 3 && !Put(stream, "%.6g\n", h.mode3_value)) return -1;
    return 0;
}

int Oli_Picture_End(FILE* stream) {
    if (!stream) return -1;
    return Put(stream, "0\n\n") ? 0 : -1;
}

// ---- raster record ---------------------------------------------------------------

OliRasterSettings Oli_Default_Raster_Settings(void) { return {0, 300, 1.0, 1.0, 10.0, 0.0}; }

// The whole file's bytes into out; false when it cannot be opened or read
// (a directory, a FIFO, a device, a file beyond any picture, a read error).
static bool Read_Whole_File(const char* name, std::string* out) {
    FILE* file = VEK_Open_Reading(name, VEK_READ_CAP_DATA, nullptr);
    if (!file) return false;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, file)) > 0) out->append(buf, n);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

// The bytes as hex pairs, 64 a line, between "{" and "}".
static int Write_Embedded(FILE* stream, const std::string& bytes) {
    static const char kHex[] = "0123456789abcdef";
    std::string text = "{";
    for (size_t i = 0; i < bytes.size(); i++) {
        if (i > 0 && i % 64 == 0) text += '\n';
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        text += kHex[c >> 4];
        text += kHex[c & 0xF];
    }
    if (!bytes.empty() && bytes.size() % 64 == 0) text += '\n';
    text += "}\n";
    return VEK_Stdio_Write(stream, text.c_str()) >= 0 ? 0 : -1;
}

int Oli_Raster_Record(FILE* stream, double x, double y, const char* file_name,
                      const OliRasterSettings* settings) {
    if (!stream || !file_name) return -1;
    const OliRasterSettings s = settings ? *settings : Oli_Default_Raster_Settings();
    const bool embed = (s.flags & OLI_RASTER_EMBED) != 0;
    Oli_Input_Check check("Oli_Raster_Record");
    check.Number(x).Number(y).Number(s.factor_x).Number(s.factor_y).Number(s.width).Number(s.angle);
    check.Text(file_name, kMaxFileName);
    if (!check.Ok()) return -1;

    // The file is read whole before anything is written, so that a file
    // that cannot be read leaves no record behind.
    std::string bytes;
    if (embed && !check.Require(Read_Whole_File(file_name, &bytes), "Bilddatei nicht lesbar").Ok()) return -1;
    const char* name = file_name;
    if (embed) {
        const char* dot = std::strrchr(file_name, '.');
        name = dot ? dot : "";
    }
    bool ok = Put(stream, "%d %d %.6g %.6g", OLI_REC_RASTER, static_cast<int>(s.flags), x, y);
    if (ok && (s.flags & OLI_RASTER_RESOLUTION)) ok = Put(stream, " %d", s.resolution);
    if (ok && (s.flags & OLI_RASTER_FACTORS)) ok = Put(stream, " %.6g %.6g", s.factor_x, s.factor_y);
    if (ok && (s.flags & OLI_RASTER_SIZE)) ok = Put(stream, " %.6g %.6g", s.width, s.angle);
    if (ok) ok = Put(stream, " \xAE%s\xAF\n", name);
    if (ok && embed) return Write_Embedded(stream, bytes);
    return ok ? 0 : -1;
}

// ---- picture info ------------------------------------------------------------

static const char kInfoKeyword[] = "OLI_GRAPHIC_Picture_Info";

void Oli_Default_Picture_Info(OLI_GRAPHIC_Picture_Info* info) {
    *info = OLI_GRAPHIC_Picture_Info{};
    std::strcpy(info->name, "???");
    info->resolution = 300;
}

int Write_Picture_Info(FILE* stream, const OLI_GRAPHIC_Picture_Info* info) {
    OLI_GRAPHIC_Picture_Info defaults;
    Oli_Default_Picture_Info(&defaults);
    const OLI_GRAPHIC_Picture_Info& p = info ? *info : defaults;
    if (!stream) return 0;
    const bool terminated = std::memchr(p.name, 0, sizeof p.name) != nullptr;
    Oli_Input_Check check("Write_Picture_Info");
    check.Require(terminated, "Name ohne Ende");
    if (terminated) check.Text(p.name, sizeof p.name - 1);
    check.Number(p.width).Number(p.height);
    if (!check.Ok()) return 0;
    return Put(stream, "%s\n\xAE%s\xAF\n%d %d\n%d\n%.4f %.4f\n", kInfoKeyword, p.name, p.pixels_x, p.pixels_y,
               p.resolution, p.width, p.height)
               ? 1
               : 0;
}

// One int read as " %d"; false when none stands there or it does not fit.
static bool Scan_One(FILE* stream, int* value) { return Scan_Int(stream, 10, value) == 1; }

int Read_Picture_Info(FILE* stream, OLI_GRAPHIC_Picture_Info* info) {
    if (!info) return 0;
    Oli_Default_Picture_Info(info);
    if (!stream) return 0;
    char word[64];
    if (std::fscanf(stream, " %63s", word) != 1 || std::strcmp(word, kInfoKeyword) != 0) return 0;
    int c = Fgetc_Skip_Blanks(stream);
    if (c != 0xAE || std::ungetc(c, stream) == EOF) return 0;
    char name[sizeof info->name + 1];
    // One byte more than the name may hold, so that a longer one shows.
    int n = Read_Delimited_String(stream, name, static_cast<int>(sizeof name), 0xAE, 0xAF);
    // A name the record cannot write again (too long, on two lines, with a
    // second «) is no picture info.
    if (n < 0 || n >= static_cast<int>(sizeof info->name) || std::strpbrk(name, "\n\r\xAE")) return 0;
    Copy_Trimmed(name, info->name, static_cast<int>(sizeof info->name), 0);
    if (!Scan_One(stream, &info->pixels_x) || !Scan_One(stream, &info->pixels_y)) return 0;
    if (!Scan_One(stream, &info->resolution)) return 0;
    if (Scan_Double(stream, &info->width) != 1 || Scan_Double(stream, &info->height) != 1) return 0;
    return 1;
}

int Get_Picture_Info(const char* picture_file, OLI_GRAPHIC_Picture_Info* info) {
    if (!info) return 0;
    Oli_Default_Picture_Info(info);
    const char* exec = VEKGetEnv("EXEC");
    if (!exec || !picture_file) return 0;
    char temp[VEK_MAX_PATH + 1];
    if (!Make_Temp_File_Name(temp, static_cast<int>(sizeof temp))) return 0;
    char tool[VEK_MAX_PATH + 1];
    int result = 0;
    if (VEK_Join_Path(tool, sizeof tool, exec, "rastomat.exe")) {
        const char* argv[] = {tool, picture_file, temp, nullptr};
        if (VEKSpawnv(0, tool, argv) >= 0) {
            FILE* answer = VEK_Open_Reading(temp, VEK_READ_CAP_SMALL, nullptr);
            if (answer) {
                result = Read_Picture_Info(answer, info);
                std::fclose(answer);
            }
        }
    }
    VEKRemoveFile(temp);
    if (!result) Oli_Default_Picture_Info(info);
    return result;
}

// ---- paragraph blocks from records ----------------------------------------------

int OLI_Write_Para_Head(FILE* stream, const OliParaFormat* format) {
    const OliParaFormat& f = format ? *format : *OLI_Default_Para_Format();
    if (!stream) return -1;
    Oli_Input_Check check("OLI_Write_Para_Head");
    if (!check.Require(Format_Is_Finite(f), "Wert des Formats ist keine endliche Zahl").Ok()) return -1;
    return OLI_Write_Para_Format(stream, &f, 1);
}

// The kind word and space line of a group end or change group.
static bool Group_Kind(FILE* stream, unsigned kind, const OliParaEnd& end) {
    if (end.space != 0.0) kind |= OLI_KIND_SPACE;
    else kind &= ~static_cast<unsigned>(OLI_KIND_SPACE);
    if (!Put(stream, "0x%x\n", kind)) return false;
    return end.space == 0.0 || Put(stream, "%d %.6g\n", OLI_Measure_Code(end.measure), end.space);
}

int OLI_Write_Change_Group(FILE* stream, const OliParaEnd* end, const OliParaFormat* format) {
    const OliParaEnd e = end ? *end : OliParaEnd{0, 0.0, OLI_MEASURE_CODE2};
    const OliParaFormat& f = format ? *format : *OLI_Default_Para_Format();
    if (!stream) return -1;
    Oli_Input_Check check("OLI_Write_Change_Group");
    if (!check.Require(std::isfinite(e.space) && Format_Is_Finite(f), "Wert ist keine endliche Zahl").Ok()) return -1;
    if (!Group_Kind(stream, e.flags | OLI_KIND_NEW_FORMAT, e)) return -1;
    return OLI_Write_Para_Format(stream, &f, 0);
}

int OLI_Write_End_Group(FILE* stream, const OliParaEnd* end) {
    const OliParaEnd e = end ? *end : OliParaEnd{0, 0.0, OLI_MEASURE_CODE2};
    if (!stream) return -1;
    Oli_Input_Check check("OLI_Write_End_Group");
    if (!check.Require(std::isfinite(e.space), "Abstand ist keine endliche Zahl").Ok()) return -1;
    if (!Group_Kind(stream, e.flags & ~static_cast<unsigned>(OLI_KIND_NEW_FORMAT), e)) return -1;
    return Put(stream, "%d\n", -1) ? 0 : -1;
}

int OLI_Write_Field_End(FILE* stream) { return stream && Put(stream, "-1\n") ? 0 : -1; }

int OLI_Write_End_Of_Text(FILE* stream) { return stream && Put(stream, "#END_OF_TEXT\n") ? 0 : -1; }

int OLI_Write_Tab_List(FILE* stream, int kind, const int* kinds, const double* positions, int n) {
    if (!stream) return -1;
    if (n < 0) n = 0;
    Oli_Input_Check check("OLI_Write_Tab_List");
    check.Require(n <= OLI_MAX_TABS, "mehr als 100 Tabulatoren");
    if (n <= OLI_MAX_TABS)
        check.Require(n == 0 || (positions && All_Finite(positions, n)), "Position fehlt oder ist keine endliche Zahl");
    if (!check.Ok()) return -1;
    if (!Put(stream, "0x%x %d\n", static_cast<unsigned>(OLI_TABS_LIST), n)) return -1;
    for (int i = 0; i < n; i++) {
        unsigned word = static_cast<unsigned>(kinds ? kinds[i] : kind);
        if (!Put(stream, "%d %.6g\n", OLI_Measure_Code(word), positions[i])) return -1;
    }
    return 0;
}

int OLI_Write_Single_Tab(FILE* stream, int kind, double width) {
    if (!stream) return -1;
    Oli_Input_Check check("OLI_Write_Single_Tab");
    if (!check.Require(std::isfinite(width), "Breite ist keine endliche Zahl").Ok()) return -1;
    if (!Put(stream, "0x%x\n", static_cast<unsigned>(OLI_TABS_HANGING))) return -1;
    return Put(stream, "%d %.6g\n", OLI_Measure_Code(static_cast<unsigned>(kind)), width) ? 0 : -1;
}
