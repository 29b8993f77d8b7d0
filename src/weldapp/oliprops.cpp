// Print control record, its input-file block and the frame of the print
// list.
#include "weldapp/oliprops.h"
#include "weldapp/user_comment.h"

#include <cmath>
#include <cstring>
#include <string>

#include "base/cp850.h"
#include "base/filenames.h"
#include "base/stored_text.h"
#include "base/textio.h"
#include "base/vesk.h"
#include "platform/desktop.h"
#include "platform/oli_graphic_records.h"
#include "platform/oli_layout.h"
#include "platform/posix.h"
#include "printlist/ioliwrt.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "printlist/version_file.h"
#include "weldapp/tool_text.h"

// ---- module codes of the family of module programs ----

enum { FAMILY_FIRST = 150, FAMILY_LAST = 180 };

// Module number "NN" of the directory "Q7-KX4NN": 150 is 11, so that this
// program (156) lives in "Q7-KX417".
static bool module_of(int application, char number[2], char code[2]) {
    if (application < FAMILY_FIRST || application > FAMILY_LAST) {
        number[0] = number[1] = code[0] = code[1] = '?';
        return false;
    }
    const int n = application - FAMILY_FIRST + 11;
    number[0] = static_cast<char>('0' + n / 10);
    number[1] = static_cast<char>('0' + n % 10);
    code[0] = 'K';
    code[1] = static_cast<char>('A' + (application - FAMILY_FIRST) % 26);
    return true;
}

char Get_Module_Short_Code(char code[2]) {
    char number[2];
    module_of(CurOb_Application_Number(), number, code);
    return code[1];
}

char Get_Module_Number(char number[2]) {
    char code[2];
    module_of(CurOb_Application_Number(), number, code);
    return number[1];
}

// ---- the record ----

static void free_preface(OliProps* props) {
    Mem_Free(__FILE__, __LINE__, "null", props->vorbemerkungen);
    props->vorbemerkungen = nullptr;
}

void Default_Print_Props(OliProps* props) {
    if (!props) return;
    free_preface(props);
    props->grafik = 1;
    props->zusatzinfo = 0;
    props->sicherheitsbeiwerte = 1;
    props->eingabeparameter = 1;
    props->na_parameter = 0;
    props->vorschriften = 1;
    props->bemessungsgroessen = 1;
    props->zwischenergebnisse = 1;
    props->skizzen = 1;
    props->ergebnisumfang = ERGEBNISUMFANG_STANDARD;
    props->detailausgabe = 1;
    props->ohne_nummerierung = 0;
    props->sonderschalter = 0;
    props->massstab = 0.0;
    props->toleranz = 0.0;
    const int application = CurOb_Application_Number();
    if (application != 150 && application != 152 && application != 162) {
        props->ergebnisumfang = ERGEBNISUMFANG_TABELLARISCH;
        props->detailausgabe = 1;
    }
    if (application == 157 || application == 170) props->sonderschalter = 1;
}

static char* dup_text(const char* text) {
    const size_t n = std::strlen(text);
    char* copy = static_cast<char*>(Weld_Calloc_Or_Exit(__FILE__, __LINE__, n + 1, 1));
    std::memcpy(copy, text, n);
    return copy;
}

void Copy_Print_Props(const OliProps* from, OliProps* to) {
    if (!from || !to || from == to) return;
    Default_Print_Props(to);
    char* preface = to->vorbemerkungen;
    *to = *from;
    to->vorbemerkungen = preface;
    if (from->vorbemerkungen && from->vorbemerkungen[0]) to->vorbemerkungen = dup_text(from->vorbemerkungen);
}

void Clamp_Zero_Ten(double* value) {
    if (!value) return;
    if (*value < 0.0) *value = 0.0;
    if (*value > 10.0) *value = 10.0;
}

int Write_Print_Props(FILE* file, OliProps* props) {
    if (!file || !props) return 1;
    if (std::fprintf(file, " %d\n", OLIPROPS_BLOCK_VERSION) < 0) return 1;
    const OliProps& p = *props;
    if (std::fprintf(file, " %d %d %d %d %d %lf %d %d %d %d %d %d %d %d %lf\n", p.grafik, p.zusatzinfo,
                     p.sicherheitsbeiwerte, p.eingabeparameter, p.ergebnisumfang, p.massstab, p.na_parameter,
                     p.vorschriften, p.bemessungsgroessen, p.zwischenergebnisse, p.skizzen, p.detailausgabe,
                     p.ohne_nummerierung, p.sonderschalter, p.toleranz) < 0)
        return 1;
    const char* preface = p.vorbemerkungen ? p.vorbemerkungen : "";
    const size_t length = std::strlen(preface);
    if (std::fprintf(file, " %d", static_cast<int>(length)) < 0) return 1;
    if (length > 0) {
        // The record's text stays as it is; the "~" form goes to the file only.
        std::string stored(preface);
        for (char& c : stored)
            if (c == ' ') c = '~';
        if (std::fputc(' ', file) == EOF || std::fwrite(stored.data(), 1, length, file) != length) return 1;
    }
    if (std::fputc('\n', file) == EOF) return 1;
    return 0;
}

// Numbers are whole words ("12abc" is damage, not 12 and a text).
static bool read_int(FILE* file, int* value) { return Scan_Int_Word(file, value) == 1; }
static bool read_double(FILE* file, double* value) { return Scan_Double_Word(file, value) == 1; }

int Read_Print_Props(FILE* file, OliProps* props) {
    Clear_Input_Value_Refusal();
    if (!file || !props) return 1;
    int version = 0;
    if (!read_int(file, &version)) return 1;
    if (!Check_File_Version(version, OLIPROPS_BLOCK_VERSION, 0)) return 1;
    OliProps& p = *props;
    if (!read_int(file, &p.grafik) || !read_int(file, &p.zusatzinfo) || !read_int(file, &p.sicherheitsbeiwerte) ||
        !read_int(file, &p.eingabeparameter) || !read_int(file, &p.ergebnisumfang) ||
        !read_double(file, &p.massstab) || !read_int(file, &p.na_parameter) ||
        !read_int(file, &p.vorschriften) || !read_int(file, &p.bemessungsgroessen))
        return 1;
    if (version >= 1 && !read_int(file, &p.zwischenergebnisse)) return 1;
    if (version >= 2 && !read_int(file, &p.skizzen)) return 1;
    if (version >= 3 && !read_int(file, &p.detailausgabe)) return 1;
    if (version >= 4 && !read_int(file, &p.ohne_nummerierung)) return 1;
    if (version >= 6 && !read_int(file, &p.sonderschalter)) return 1;
    if (version >= 7 && !read_double(file, &p.toleranz)) return 1;
    // The switches are 0 or 1, the extent one of its five, the scale and
    // the tolerance within the sheet's ranges: anything else comes from a
    // damaged or hand-edited file (a tolerance of 1e300 % would pass every
    // failed check), and is named with its range.
    static const struct {
        int OliProps::*value;
        const char* name;
    } kSwitches[] = {{&OliProps::grafik, "Grafik"},
                     {&OliProps::zusatzinfo, "Zusatzinformationen"},
                     {&OliProps::sicherheitsbeiwerte, "Sicherheitsbeiwerte"},
                     {&OliProps::eingabeparameter, "Eingabeparameter"},
                     {&OliProps::na_parameter, "NA-Parameter"},
                     {&OliProps::vorschriften, "Vorschriften"},
                     {&OliProps::zwischenergebnisse, "Zwischenergebnisse"},
                     {&OliProps::skizzen, "Skizzen"},
                     {&OliProps::ohne_nummerierung, "ohne Nummerierung"}};
    for (const auto& s : kSwitches) {
        const std::string name = std::string("Ausdrucksteuerung: ") + s.name;
        if (!Input_Value_Holds(RANGE_SWITCH, p.*s.value, name.c_str(), nullptr, nullptr)) return 1;
    }
    if (!Input_Value_Holds(RANGE_RESULT_EXTENT, p.ergebnisumfang, "Ausdrucksteuerung: Ergebnisumfang", nullptr,
                           nullptr) ||
        !Input_Value_Holds(RANGE_SCALE, p.massstab, "Ma\xE1stab der Grafik", nullptr, "scale") ||
        !Input_Value_Holds(RANGE_TOLERANCE, p.toleranz, "Toleranz des Endergebnisses", nullptr, "tolerance"))
        return 1;
    if (version < 5) return 0;
    int length = 0;
    if (!read_int(file, &length)) return 1;
    if (length <= 0) return 0;
    // The blank before the text and the text itself must still be there.
    const long left = Bytes_Left_In_File(file);
    if (left >= 0 && left < static_cast<long>(length) + 1) return 1;
    if (std::fgetc(file) == EOF) return 1;
    std::string text;
    text.reserve(static_cast<size_t>(length));
    for (int i = 0; i < length; ++i) {
        const int c = std::fgetc(file);
        if (c == EOF) return 1;
        text.push_back(static_cast<char>(c));
    }
    // A text that holds a terminator would be cut by every later use; one
    // with the list's markup escape would hide its rest in the list.
    if (text.find('\0') != std::string::npos) return 1;
    if (!Input_Text_Free_Of_Markup(text.data(), text.size(), "Vorbemerkungen", "preface")) return 1;
    for (char& c : text)
        if (c == '~') c = ' ';
    free_preface(props);
    p.vorbemerkungen = dup_text(text.c_str());
    return 0;
}

// ---- the frame of the print list ----

FILE* Open_Print_List(const char* number, const char* text, int no_page_break, double reserved_cm,
                      int numbering_suppressed) {
    char path[VEK_MAX_PATH + 1];
    if (!Make_Base_Path(path, Print_List_Suffix, sizeof path)) return nullptr;
    return Open_Print_List_At(path, number, text, no_page_break, reserved_cm, numbering_suppressed);
}

FILE* Open_Print_List_At(const char* path, const char* number, const char* text, int no_page_break,
                         double reserved_cm, int numbering_suppressed) {
    char native[VEK_MAX_PATH + 1];
    if (!path || !VEK_Native_Path(native, sizeof native, path)) return nullptr;
    FILE* list = VEK_Open_Writing(native);
    if (!list) return nullptr;
    VEK_Give_Large_Buffer(list);  // a list of many load cases runs to hundreds of megabytes
    Begin_Print_List(list, number, text, no_page_break, reserved_cm, numbering_suppressed);
    return list;
}

void Begin_Print_List(FILE* list, const char* number, const char* text, int no_page_break, double reserved_cm,
                      int numbering_suppressed) {
    if (!list) return;
    Oli_Writer_Init(0, 0, numbering_suppressed ? 3 : 1);
    Oli_Set_Bookmark_Depth(6);
    Oli_Set_Bookmark_Max_Level(1);
    if (!no_page_break) OLI_printf(list, "#NEWPAGE\n");
    OLI_End_Text(list);
    OLI_New_Paragraph();
    OLI_reserveSpaceCM(list, static_cast<float>(reserved_cm));

    if (!number) number = "";
    if (!text) text = "";
    std::string entry;
    if (number[0]) {
        entry = std::string(" POS. ") + number;
        if (text[0]) entry += std::string(": ") + text;
    } else if (text[0]) {
        entry = std::string(" ") + text;
    }
    if (entry.size() > 255) entry.resize(255);
    std::fprintf(list, "#CONTENTS\n%s\n", entry.c_str());

    char module_code[9] = "??";
    char short_code[2], module_number[2];
    if (module_of(CurOb_Application_Number(), module_number, short_code))
        std::snprintf(module_code, sizeof module_code, "Q7-KX4%c%c", module_number[0], module_number[1]);
    const char* version = Read_Program_Version_File(module_code);
    if (!version) return;
    std::string line(version);
    // Only a text that has characters 7 and 8 gets the short code there.
    if (line.size() >= 8) {
        line[6] = short_code[0];
        line[7] = short_code[1];
    }
    OLI_storeYPosition(list, 1);
    OLI_setMarginsCM(list, 1, 13.0, 0.0);
    std::fprintf(list, "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n ╬S%s\n#END_OF_TEXT\n"_cp, line.c_str());
    OLI_restoreYPosition(list, 1);
    OLI_setMarginsCM(list, 1, 0.0, 0.0);
}

void Close_Print_List(FILE* list) {
    if (!list) return;
    OLI_End_Text(list);
    VEK_Fclose_Buffered(list);
}

void Print_Symbol_Picture(FILE* file, const char* name, double width_cm, double height_cm) {
    if (!file || !name || !name[0] || width_cm < 1.0 || height_cm < 0.5) return;
    std::fputs("#SHOWGRAFIC\n0 0 0\n0 0 0\n", file);
    std::fputs("-1\n", file);
    std::fprintf(file, "0 %lf 0 %lf\n", width_cm, height_cm);
    std::fprintf(file, "%d 0 %lf %%FONT%%\\%s.ocm\n", OLI_REC_SYMBOL, height_cm, name);
    std::fputs("-1\n", file);
}

void Print_List_Item(FILE* list, int index, int per_line, const char* text) {
    if (per_line <= 0) per_line = 3;
    if (!list || !text || !text[0]) return;
    if (index > 0) OLI_printf(list, "%s", index % per_line == 0 ? "\n" : ";  ");
    OLI_printf(list, "%s", text);
}

// ---- the second family ----

int Get_Alt_Module_Short_Code(char code[2]) {
    const int application = CurOb_Application_Number();
    code[0] = code[1] = '?';
    if (application == 44 || (application >= 125 && application <= 129)) {
        code[0] = 'L';
        code[1] = static_cast<char>(application == 44 ? 'A' : 'B' + (application - 125));
    }
    return application;
}

int Get_Alt_Module_Number(char number[2]) {
    const int application = CurOb_Application_Number();
    number[0] = number[1] = '?';
    if (application == 44 || (application >= 125 && application <= 129)) {
        const int n = application == 44 ? 1 : 2 + (application - 125);
        number[0] = static_cast<char>('0' + n / 10);
        number[1] = static_cast<char>('0' + n % 10);
    }
    return application;
}

// ---- helpers without a caller ----

const char* Get_File_Directory(const char* name) {
    static char directory[2 * (VEK_MAX_PATH + 1)];
    directory[0] = '\0';
    if (!name) return directory;
    char full[VEK_MAX_PATH + 1], drive[VEK_MAX_PATH + 1], dir[VEK_MAX_PATH + 1];
    if (!_fullpath(full, name, sizeof full)) return directory;
    _splitpath(full, drive, dir, nullptr, nullptr);
    std::snprintf(directory, sizeof directory, "%s%s", drive, dir);
    return directory;
}

int Copy_Text_File(const char* source, const char* target) {
    if (!source || !target) return 1;
    FILE* in = VEK_Open_Reading(source, VEK_READ_CAP_LIST, nullptr);
    if (!in) return 1;
    FILE* out = std::fopen(VEK_Native_String(target).c_str(), "wb");
    if (!out) {
        std::fclose(in);
        return 1;
    }
    int failed = 0;
    for (int c; (c = std::fgetc(in)) != EOF;)
        if (std::fputc(c, out) == EOF) {
            failed = 1;
            break;
        }
    failed |= std::ferror(in) != 0;
    std::fclose(in);
    failed |= std::fclose(out) != 0;
    return failed;
}

// A number in the format, underlined and red as asked.
static void print_marked(FILE* file, const char* format, double v, bool underline, bool red) {
    char number[64];
    std::snprintf(number, sizeof number, format, v);
    OLI_printf(file, " %s%s%s%s%s", red ? Color_Red_Begin() : "", underline ? "╬u"_cp : "", number,
               underline ? "╬r"_cp : "", red ? Color_End() : "");
}

static void print_utilisation(FILE* file, double maximum, double u, const char* format, const char* none,
                              bool colour) {
    if (!file) return;
    if (maximum < -1.1) {
        char number[64];
        std::snprintf(number, sizeof number, format, u);
        OLI_printf(file, " %s", number);
    } else if (u > 0.0001) {
        print_marked(file, format, u, std::fabs(u - maximum) < 0.0001, colour && u > 1.001);
    } else if (u > -0.0001) {
        OLI_printf(file, "%s", none);
    } else {
        OLI_printf(file, "  %s%s%s", colour ? Color_Red_Begin() : "", "Fehler", colour ? Color_End() : "");
    }
}

void Print_Utilisation_3(FILE* file, double maximum, double u) {
    print_utilisation(file, maximum, u, "%7.3lf", "   ---  ", true);
}

void Print_Value_2_Marked(FILE* file, double maximum, double v) {
    print_utilisation(file, maximum, v, "%7.2lf", "    --- ", false);
}

void Print_Value_2_Extreme(FILE* file, double a, double b, double v) {
    if (!file) return;
    print_marked(file, "%8.2lf", v, std::fabs(v - a) < 0.001 || std::fabs(v - b) < 0.001, false);
}

void Print_Value_3_Extreme(FILE* file, double a, double b, double v) {
    if (!file) return;
    print_marked(file, "%8.3lf", v, std::fabs(v - a) < 0.0001 || std::fabs(v - b) < 0.0001, false);
}

void Print_Num_6_1(FILE* file, double value) {
    if (file) OLI_printf(file, " %6.1lf", value);
}
void Print_Num_4_1(FILE* file, double value) {
    if (file) OLI_printf(file, " %4.1lf", value);
}
void Print_Num_7_1(FILE* file, double value) {
    if (file) OLI_printf(file, " %7.1lf", value);
}
void Print_Num_9_2(FILE* file, double value) {
    if (file) OLI_printf(file, " %9.2lf", value);
}

static int s_label_width = 110;

int Set_Sheet_Label_Width(int mode) {
    s_label_width = mode == 1 ? 80 : (mode == 2 ? 30 : 110);
    return s_label_width;
}

int Get_Sheet_Label_Width(void) { return s_label_width; }

void Print_Preface(FILE* list, const char* text) {
    if (!list || !text || !text[0]) return;
    OLI_printf(list, "%s", "╬HVorbemerkungen\n"_cp);
    Write_Wrapped_Text(list, text);
    OLI_Add_Para_Offset(0.3);
}
