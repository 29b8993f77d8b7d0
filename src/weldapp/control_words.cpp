// Control-word text files: the reader of a block, the file dialog, the help
// texts of the import sheets and the family's writers.
#include "weldapp/control_words.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "base/stored_text.h"
#include "base/textio.h"
#include "codes/input_ranges.h"
#include "dialogs/scrollarea.h"
#include "dialogs/valuecheck.h"
#include "platform/events.h"
#include "platform/file_chooser.h"
#include "platform/msgbox.h"
#include "platform/posix.h"
#include "platform/screen.h"
#include "platform/sheets.h"

namespace {

// ---- reading ----

// One line without its line end (LF, CRLF, and any further CR before it);
// false at the end of the file.
bool Next_Line(FILE* file, std::string* line) {
    line->clear();
    int c;
    while ((c = std::fgetc(file)) != EOF && c != '\n') line->push_back(static_cast<char>(c));
    if (c == EOF && line->empty()) return false;
    while (!line->empty() && line->back() == '\r') line->pop_back();
    return true;
}

bool Is_Separator(char c) { return c == ' ' || c == ';'; }

// Why the last read refused its file ("" when it refused nothing), and
// whether for its size (its data were sound).
std::string refusal;
bool refused_for_size = false;

bool Is_Letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The number at the start of the token (commas as decimal points), read in
// single precision. A number may carry a unit ("12kN" is 12); anything else
// is damage: a token that is no decimal number ("nan", "inf", "N"), a
// number beyond a float or so small that a float holds it as 0, a
// hexadecimal form ("0x10"), an exponent mark without digits ("1e"), a
// second point ("1,5,3").
bool Token_Value(std::string token, double* value) {
    for (char& c : token)
        if (c == ',') c = '.';
    double wide = 0.0;
    const char* end = nullptr;
    if (Parse_Double(token.c_str(), &wide, &end) != 1) return false;
    const char unit = *end;
    if (unit && (!Is_Letter(unit) || unit == 'e' || unit == 'E' || unit == 'x' || unit == 'X')) return false;
    // The float nearest to the decimal text itself, as "%f" gives it.
    const std::string number(token.c_str(), static_cast<size_t>(end - token.c_str()));
    const float f = std::strtof(number.c_str(), nullptr);
    if (!std::isfinite(f) || (f == 0.0f && wide != 0.0)) return false;
    *value = f;
    return true;
}

// Where the values and names of the groups go, and how far they may go.
struct Sink {
    double* values;
    int n, stride, max_groups;
    char* names;
    int name_size;
    double* columns[3];  // the column reader's targets (values null then)
};

void Store_Value(const Sink& s, int g, int k, double v) {
    if (s.values) s.values[static_cast<size_t>(g) * s.stride + k] = v;
    else if (k < 3 && s.columns[k]) s.columns[k][g] = v;
}

void Store_Name(const Sink& s, int g, const char* text) {
    if (!s.names || s.name_size <= 0) return;
    char* name = s.names + static_cast<size_t>(g) * s.name_size;
    std::snprintf(name, static_cast<size_t>(s.name_size), "%s", text);
    // A name cut just after a carriage return does not keep it.
    size_t n = std::strlen(name);
    while (n > 0 && name[n - 1] == '\r') name[--n] = '\0';
}

// The lines of the last block read whose names were cut to their field.
std::vector<int> cut_name_lines;

// Why a combination's name cannot be taken, or "": it holds the print
// list's markup escape, which would hide its rest in the list. A name
// longer than its field (blanks and a carriage return at its end aside)
// is taken cut, its line noted for the word that says so: the file is the
// user's free text, no record of fixed words.
std::string Name_Refusal(const char* text, int size, int line) {
    std::string name = text;
    while (!name.empty() && (name.back() == '\r' || name.back() == ' ' || name.back() == '\t')) name.pop_back();
    if (!Input_Text_Free_Of_Markup(name.data(), name.size(), "Name", nullptr)) return Last_Input_Value_Refusal().screen;
    if (size > 0 && name.size() > static_cast<size_t>(size - 1)) cut_name_lines.push_back(line);
    return "";
}

// The refusal of a damaged file: the line (counted from where the reading
// began) and the token, cut to a length a message can show.
int Refuse(int line, const std::string& what) {
    char text[200];
    std::snprintf(text, sizeof text, "Zeile %d: %s", line, what.c_str());
    refusal = text;
    return 0;
}

// A block of more groups than the sink holds is refused whole, naming both
// counts: a part of it checked as if it were all would drop the cases
// behind the cut unseen.
int Refuse_Size(int groups, int most) {
    refusal = Too_Many_Combinations_Text(groups, most);
    refused_for_size = true;
    return 0;
}

// Reads the block of the letter from the file's position into the sink.
// With rewind set, the file goes back to the start of the control line
// that ends the block. Returns the number of complete groups; 0 with the
// refusal set for a damaged block (a token that is no number, a last group
// left incomplete) or one of more groups than the sink's max_groups: such
// a file gives nothing, never the groups before the damage or the cut.
int Read_Block(FILE* file, const Sink& s, char letter, bool rewind) {
    refusal.clear();
    cut_name_lines.clear();
    refused_for_size = false;
    std::string line;
    char current = '\0';
    bool in_block = false;
    int groups = 0, k = 0, number = 0, last_value_line = 0;
    // An incomplete group at the block's end is a cut file.
    auto finish = [&]() {
        if (k != 0)
            return Refuse(last_value_line, "unvollst\x84ndige Kombination (" + std::to_string(k) + " von " +
                                               std::to_string(s.n) + " Werten)");
        return groups > s.max_groups ? Refuse_Size(groups, s.max_groups) : groups;
    };
    for (;;) {
        const long line_start = std::ftell(file);
        if (!Next_Line(file, &line)) break;
        ++number;
        if (!line.empty() && line[0] == '#') {
            if (in_block) {
                if (rewind && line_start >= 0) std::fseek(file, line_start, SEEK_SET);
                return finish();
            }
            current = line.size() > 1 ? line[1] : '\0';
            continue;
        }
        if (current == '\0' || current != letter) continue;
        in_block = true;
        size_t p = 0;
        while (p < line.size()) {
            while (p < line.size() && Is_Separator(line[p])) ++p;
            if (p >= line.size()) break;
            size_t e = p;
            while (e < line.size() && !Is_Separator(line[e])) ++e;
            const std::string token = line.substr(p, e - p);
            double v = 0.0;
            if (!Token_Value(token, &v))
                return Refuse(number, std::string(1, '"').append(token, 0, 40).append(token.size() > 40 ? "..." : "") +
                                          "\" ist keine Zahl");
            last_value_line = number;
            // Beyond the sink's room the groups are only counted.
            const bool room = groups < s.max_groups;
            if (room) Store_Value(s, groups, k, v);
            p = e;
            if (++k < s.n) continue;
            k = 0;
            const bool named = s.names && s.name_size > 0;
            if (named) {
                while (p < line.size() && Is_Separator(line[p])) ++p;
                const std::string why = Name_Refusal(line.c_str() + p, s.name_size, number);
                if (!why.empty()) return Refuse(number, why);
                if (room) Store_Name(s, groups, line.c_str() + p);
            }
            if (groups < INT_MAX) ++groups;
            if (named) break;
        }
    }
    return finish();
}

// ---- the dialog's state, kept for the run ----

struct Dialog_State {
    char name[CTRLWORD_FILE_NAME + 1];
    char directory[VEK_FILE_NAME_SIZE];
    VEKGetFileNameRequest request;
    bool request_ready;
    int cx, cy;
    bool placed;
};

Dialog_State dialog = {};
bool dialog_started = false;

void Start_Dialog_State() {
    if (dialog_started) return;
    dialog = Dialog_State{};
    Pad_Blank(dialog.name, CTRLWORD_FILE_NAME + 1);
    std::snprintf(dialog.directory, sizeof dialog.directory, "C:\\");
    dialog_started = true;
}

void Prepare_Chooser() {
    InitVEKGetFileNameEx(&dialog.request, 0, "Dateiname", dialog.directory, "alle Dateien (*.*)", 0, 0, 0,
                         VEK_FILE_NAME_SIZE);
    dialog.request_ready = true;
}

// The name in the field without its padding.
std::string Chosen_Name() {
    std::string name(dialog.name);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

// Drive and directory of a chosen path, the chooser's next start.
void Remember_Directory(const char* path) {
    char drive[VEK_FILE_NAME_SIZE] = "", dir[VEK_FILE_NAME_SIZE] = "";
    _splitpath(path, drive, dir, nullptr, nullptr);
    const std::string start = std::string(drive) + dir;
    std::snprintf(dialog.directory, sizeof dialog.directory, "%s", start.c_str());
}

void Text(int area, int x, int y, const char* text, int font) {
    Add_Text_to_Scrollable_Area(area, x, y, text, font, Screen_Black, 0);
}

const int* Help_Info(void* info) {
    const int* i = static_cast<const int*>(info);
    return i && i[0] > 0 ? i : nullptr;
}

// "mit je 6 Werten ...": the plural ending of the value count.
std::string Values_Line(const char* format, int values) {
    char line[160];
    std::snprintf(line, sizeof line, format, values, values >= 2 ? "en" : "");
    return line;
}

bool Write_Circle(FILE* file, double r, int points) {
    const int m = points < 1 ? 32 : points;
    for (int i = 0; i < m; ++i) {
        const double a = 2.0 * M_PI * i / m;
        if (std::fprintf(file, " %f %f\n", r * std::cos(a), r * std::sin(a)) < 0) return false;
    }
    return std::fputs("\n", file) != EOF;
}

}  // namespace

namespace {

// The dialog: on OK, `take` gets the name without its trailing blanks
// while the sheet still stands (empty when none was given); Break, the
// window's close and the batch run call nothing.
template <class Take>
void Run_File_Dialog(int mode, Take take) {
    if (VEK_Batch_Mode()) return;
    Start_Dialog_State();
    if (!dialog.placed) {
        dialog.cx = NPIXEL_X / 2;
        dialog.cy = NPIXEL_Y / 2;
        dialog.placed = true;
    }
    // Wide enough for the prompt in the raster font (57 characters of 8
    // pixels from x1 + 11), which ran past the 430 pixels of a narrower font.
    const int half = 240;
    int x1 = dialog.cx - half, y1 = dialog.cy - 62, x2 = dialog.cx + half, y2 = dialog.cy + 61;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    dialog.cx = x1 + half;
    dialog.cy = y1 + 62;
    const int buffer = pxBuff(PX_BUFFER_QUERY);
    char title[64];
    std::snprintf(title, sizeof title, "DATEI ÖFFNEN ZUM %s"_cp, mode ? "SCHREIBEN" : "LESEN");
    if (!Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, title, 5, 1)) return;
    Draw_Funny_Text_to_PS(x1 + 11, y1 + 51, "Bitte geben Sie den Dateinamen mit dem gesamten Pfad ein:", 0x1000, 0);
    const int field = Add_Text_to_PS(x1 + 12, y1 + 59, 45, dialog.name, 1, 14);
    Set_Text_Button_to_ScrollMode(field, CTRLWORD_FILE_NAME);
    const int break_button = Add_Single_Button_to_PS(x1 + 12, y1 + 95, 1, 15, nullptr, SYMBOLIC_BREAK_RASTER, 0);
    Add_Single_Button_to_PS(x2 - 36, y1 + 95, 1, 16, nullptr, SYMBOLIC_OK_RASTER, 0);
    const int browse = Add_Single_Button_to_PS(x1 + 394, y1 + 59, 1, 17, nullptr, nullptr, 0);
    Move_Mouse_Cursor_to_Button_of_PS(break_button);
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    pxBuff(buffer);
    Activate_Prop_Sheet();
    // The browse button's face is the picture drawn at its place.
    pxDrawTransparentDIB("expl_but.bmp", x1 + 397, y1 + 61, x1 + 414, y1 + 78, 201, -1, -1, -1, -1);
    Snap_Colored_Layout_of_Single_Button(browse);

    for (;;) {
        const int code = Edit_Prop_Sheet();
        if (code == 14) {
            Pad_Blank(dialog.name, CTRLWORD_FILE_NAME + 1);
        } else if (code == 17) {
            if (!dialog.request_ready) Prepare_Chooser();
            dialog.request.flags = mode ? VEK_FILE_CHOOSE_WRITE : VEK_FILE_CHOOSE_READ;
            if (VEKGetFileNameEx(&dialog.request) == 0) {
                std::snprintf(dialog.name, sizeof dialog.name, "%s", dialog.request.file);
                Pad_Blank(dialog.name, CTRLWORD_FILE_NAME + 1);
                Remember_Directory(dialog.request.file);
                Prepare_Chooser();
                Change_Activity_PS(field, 1);
            }
        } else if (code == 16) {
            take(Chosen_Name().c_str());
            break;
        } else if (code == 15 || code == VEK_CLOSE_CODE || code == 0) {
            break;
        }
    }
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    dialog.cx += dx;
    dialog.cy += dy;
    Undefine_Prop_Sheet();
}

void Cannot_Open(const char* name, int refusal) {
    if (refusal == VEK_READ_NOT_A_FILE || refusal == VEK_READ_TOO_LARGE)
        PrintMessage("Die Datei: %s kann nicht geöffnet werden (%s)."_cp, name, VEK_Read_Refusal_Text(refusal));
    else
        PrintMessage("Die Datei: %s kann nicht geöffnet werden."_cp, name);
}

}  // namespace

FILE* Open_File_Dialog(int mode) {
    FILE* file = nullptr;
    Run_File_Dialog(mode, [&](const char* name) {
        // Only a file is read: a FIFO or a device would hang the reader.
        int refusal = VEK_READ_OK;
        const std::string native = VEK_Native_String(name);
        if (*name)
            file = mode ? std::fopen(native.c_str(), "w") : VEK_Open_Reading(native.c_str(), VEK_READ_CAP_DATA, &refusal);
        if (!file) Cannot_Open(name, refusal);
    });
    return file;
}



void Reset_Ctrlword_Dialog(void) { dialog_started = false; }

int Read_Ctrlword_Values_From(FILE* file, double* values, int* count, int n, int stride, int max_groups, char* names,
                              int name_size, char letter) {
    refusal.clear();
    refused_for_size = false;
    if (!file || !values || !count || n < 1 || n > CTRLWORD_MAX_VALUES || stride < n) return 0;
    if (static_cast<long long>(max_groups) * n <= n) {
        *count = 0;
        return 0;
    }
    std::rewind(file);
    const Sink sink = {values, n, stride, max_groups, names, name_size, {nullptr, nullptr, nullptr}};
    *count = Read_Block(file, sink, letter, false);
    return *count > 0 ? 1 : 0;
}

int Read_Ctrlword_Values(double* values, int* count, int n, int stride, int max_groups, char* names, int name_size,
                         char letter) {
    FILE* file = Open_File_Dialog(0);
    if (!file) return 1;
    const int result = Read_Ctrlword_Values_From(file, values, count, n, stride, max_groups, names, name_size, letter);
    std::fclose(file);
    if (!refusal.empty())
        PrintMessage(refused_for_size ? "Die Datei: %s wird nicht eingelesen:\n%s"
                                      : "Die Datei: %s ist besch\x84" "digt und wird nicht eingelesen:\n%s"_cp,
                     Chosen_Name().c_str(), refusal.c_str());
    else if (result && !cut_name_lines.empty())
        PrintTitledMessage("Hinweis", "Die Datei: %s\nNamen l\x84nger als %d Zeichen werden gek\x81rzt: %s",
                           Chosen_Name().c_str(), name_size - 1, Ctrlword_Cut_Names());
    return result;
}

std::string Too_Many_Combinations_Text(long count, int most) {
    return std::to_string(count) + " Kombinationen, höchstens "_cp + std::to_string(most) +
           " können eingelesen werden"_cp;
}

const char* Ctrlword_Read_Refusal(void) { return refusal.c_str(); }

const char* Ctrlword_Cut_Names(void) {
    static std::string text;
    text.clear();
    for (size_t k = 0; k < cut_name_lines.size() && k < 10; ++k)
        text += (k ? ", " : "Zeile ") + std::to_string(cut_name_lines[k]);
    if (cut_name_lines.size() > 10) text += " und " + std::to_string(cut_name_lines.size() - 10) + " weitere";
    return text.c_str();
}

int Read_Ctrlword_Columns(FILE* file, double* col1, double* col2, double* col3, int n, int* count, int max_rows,
                          char letter) {
    refusal.clear();
    refused_for_size = false;
    if (!file || !count || n < 1 || n > CTRLWORD_MAX_VALUES || max_rows < 1) return 0;
    const Sink sink = {nullptr, n, n, max_rows, nullptr, 0, {col1, col2, col3}};
    *count = Read_Block(file, sink, letter, true);
    return *count > 0 ? 1 : 0;
}

int Write_Ctrlword_Block(FILE* file, const double* a1, const double* a2, const double* a3, int n, int rows,
                         const char* keyword) {
    if (!file || !keyword || n < 1 || n > 3) return 0;
    const double* columns[3] = {a1, a2, a3};
    for (int k = 0; k < n; ++k)
        if (!columns[k] && rows > 0) return 0;
    if (std::fprintf(file, "#%s\n", keyword) < 0) return 0;
    for (int r = 0; r < rows; ++r) {
        for (int k = 0; k < n; ++k)
            if (std::fprintf(file, " %f", columns[k][r]) < 0) return 0;
        if (std::fputc('\n', file) == EOF) return 0;
    }
    if (std::fputc('\n', file) == EOF) return 0;
    return rows > 0 ? 1 : 0;
}

namespace {

struct Ring_Template {
    double outer_radius, hole_radius, cover_outside, cover_inside;
    int line_reinforcement, points;
};

int Write_Template(FILE* file, void* context) {
    const Ring_Template& t = *static_cast<const Ring_Template*>(context);
    // The comment lines carry their umlauts in the Windows code page.
    const char* head =
        "#Kommentar\n"
        " Die Daten sind steuerwortbezogen abzulegen. Die Steuerworte werden mit '#' am Anfang einer Zeile\n"
        " eingeleitet. Der Text im Anschluss an das Steuerwort wird ignoriert.\n"
        " In den folgenden Zeilen k\xF6nnen bis zu 6 verschiedene Argumente folgen, die mittels eines Leerzeichens,\n"
        " Semikolons oder Zeilenumbruchs getrennt sind. Es wird bis zum n\xE4" "chsten Steuerwort gelesen.\n"
        "\n";
    const char* bars = t.line_reinforcement ? "#Linienbewehrungszug" : "#Einzelbewehrungsgruppe";
    bool ok = std::fputs(head, file) != EOF;
    ok = ok && std::fputs("#Berandung (je 2 Argumente: y-,z-Koordinate in cm)\n", file) != EOF;
    ok = ok && Write_Circle(file, t.outer_radius, t.points);
    ok = ok && std::fprintf(file, "%s 1 (je 2 Argumente: y-,z-Koordinate in cm)\n", bars) >= 0;
    ok = ok && Write_Circle(file, t.outer_radius - t.cover_outside, t.points);
    if (t.hole_radius > 0.01) {
        ok = ok && std::fputs("#Aussparung (je 2 Argumente: y-,z-Koordinate in cm)\n", file) != EOF;
        ok = ok && Write_Circle(file, t.hole_radius, t.points);
        ok = ok && std::fprintf(file, "%s 2 (je 2 Argumente: y-,z-Koordinate in cm)\n", bars) >= 0;
        ok = ok && Write_Circle(file, t.hole_radius + t.cover_inside, t.points);
    }
    return ok ? 1 : 0;
}

}  // namespace

int Write_Ring_Section_Template(double outer_radius, double hole_radius, double cover_outside, double cover_inside,
                                int line_reinforcement, int points) {
    std::string name;
    bool chosen = false;
    Run_File_Dialog(1, [&](const char* n) {
        name = n;
        chosen = true;
    });
    if (!chosen) return 0;
    // Saved like every other file: the old one is replaced only by the whole
    // new one, and stays as it was when the writing fails.
    Ring_Template t = {outer_radius, hole_radius, cover_outside, cover_inside, line_reinforcement, points};
    if (name.empty() || !VEK_Write_File_Replacing(name.c_str(), Write_Template, &t)) {
        Cannot_Open(name.c_str(), VEK_READ_OK);
        return 0;
    }
    return 1;
}

int Read_Not_Possible(void) {
    PrintMessage("%s", "Lesen z.Zt. nicht möglich"_cp);
    return 0;
}

const char* Read_Padded_Line(FILE* file, int n) {
    static char line[256];
    if (!file) return nullptr;
    const int limit = n < 0 ? 0 : (n > 255 ? 255 : n);
    std::memset(line, ' ', 255);
    line[255] = '\0';
    int taken = 0, c = 0;
    bool any = false;
    while (taken < limit && (c = std::fgetc(file)) != EOF) {
        any = true;
        if (c == '\n') break;
        if (c == '\r') continue;
        line[taken++] = static_cast<char>(c);
    }
    if (!any && limit > 0) return nullptr;
    int end = 255;
    while (end > 0 && line[end - 1] == ' ') --end;
    line[end] = '\0';
    return line;
}

void Import_Help_Text(int area, int x, int* y, void* info) {
    const int* i = Help_Info(info);
    if (!i || !y) return;
    const int y0 = *y, normal = Screen_Font_Normal, heading = Screen_Font_Bold;
    Text(area, x, y0, "Es werden die im Träger wirkenden Schnittgrößen"_cp, normal);
    Text(area, x, y0 + 18, "importiert.", normal);
    int last;
    if (i[0] == 1) {
        Text(area, x, y0 + 41, "Dazu muss im exportierenden Q7-Programm", normal);
        Text(area, x, y0 + 59, "ein Schnitt festgelegt sein.", heading);
        last = y0 + 59;
    } else {
        Text(area, x, y0 + 41, "Dazu müssen im exportierenden Q7-Programm"_cp, normal);
        Text(area, x, y0 + 59, "zwei Schnitte (links und rechts des Knotens)", heading);
        Text(area, x, y0 + 77, "festgelegt sein.", normal);
        last = y0 + 77;
    }
    char line[120];
    std::snprintf(line, sizeof line, "Es können maximal %d Lastkombinationen"_cp, i[2]);
    Text(area, x, last + 23, line, normal);
    Text(area, x, last + 41, Values_Line("mit je %d Wert%s in die Tabelle übernommen werden."_cp, i[1]).c_str(),
         heading);
    *y = last + 41;
}

void Textfile_Help_Text(int area, int x, int* y, void* info) {
    const int* i = Help_Info(info);
    if (!i || !y) return;
    const int y0 = *y, normal = Screen_Font_Normal, heading = Screen_Font_Bold;
    Text(area, x, y0, "Es werden die im Träger wirkenden Schnittgrößen"_cp, normal);
    Text(area, x, y0 + 18, "importiert.", normal);
    Text(area, x, y0 + 41, "Die Schnittgrößen werden von einer Textdatei im Ascii-Format"_cp, normal);
    Text(area, x, y0 + 59, "eingelesen und an die bestehende Tabelle angehängt."_cp, normal);
    Text(area, x, y0 + 81, "Die Datei muss zunächst das Steuerwort '#S' enthalten,"_cp, heading);
    Text(area, x, y0 + 99, "anschließend werden die Einlesewerte erwartet."_cp, normal);
    char line[120];
    std::snprintf(line, sizeof line, "Es können maximal %d Lastkombinationen"_cp, i[2]);
    Text(area, x, y0 + 122, line, normal);
    Text(area, x, y0 + 140, Values_Line("mit genau %d Wert%s je Kombination eingelesen werden.", i[1]).c_str(),
         heading);
    Text(area, x, y0 + 162, "Die Trennung erfolgt durch Leerzeichen oder Semikola,", normal);
    Text(area, x, y0 + 180, "die Reihenfolge entspricht der Zahlenfolge in der Tabelle.", normal);
    *y = y0 + 180;
}
