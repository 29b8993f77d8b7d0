// The program rule tables and the printed annex chapters.
#include "codes/nad_rules.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/cp850.h"
#include "base/textio.h"
#include "codes/nad_ec0.h"
#include "codes/nad_print.h"
#include "dialogs/scrollarea.h"
#include "platform/desktop.h"
#include "platform/input.h"
#include "platform/posix.h"
#include "platform/screen.h"
#include "platform/sheets.h"

static NAD_Application_Rule g_rules[NAD_RULES_MAX];
static int g_count = 0;
static int g_scan_done = 0;
static int g_selected = 0;
static int g_found = 0;
static int g_running = -1;
static int g_mask = 0;
static int g_all_shown = 1;
static int g_edition = 1;
static int g_reference = 0;
// The remembered centre of the display-options sheet, -1 before its first opening.
static int g_options_centre_x = -1, g_options_centre_y = -1;

static void free_rule(NAD_Application_Rule* r) {
    std::free(r->name);
    std::free(r->service);
    for (char*& s : r->rules) std::free(s);
    *r = NAD_Application_Rule{};
}

void Reset_NAD_Rules() {
    for (int i = 0; i < g_count; ++i) free_rule(&g_rules[i]);
    g_count = 0;
    g_scan_done = 0;
    g_selected = 0;
    g_found = 0;
    g_running = -1;
    g_mask = 0;
    g_all_shown = 1;
    g_options_centre_x = g_options_centre_y = -1;
}

// Reads one whitespace-separated word of at most size - 1 bytes; the rest of
// a longer word is read and dropped, so it never counts as the next word.
static int read_word(FILE* f, char* word, int size) {
    char format[16];
    std::snprintf(format, sizeof format, "%%%ds", size - 1);
    if (std::fscanf(f, format, word) != 1) return 0;
    for (int c; (c = std::fgetc(f)) != EOF;)
        if (std::isspace(c)) {
            std::ungetc(c, f);
            break;
        }
    return 1;
}

// The «text» after a keyword line: on the keyword's own line or on the
// lines after it. 1 when one was read (at most size - 1 bytes kept).
static int keyword_text(FILE* f, const char* keyword, char* text, int size) {
    std::rewind(f);
    char line[512];
    const size_t n = std::strlen(keyword);
    while (std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, keyword, n) != 0) continue;
        const char* open = std::strchr(line + n, '\xAE');
        if (!open) return Read_Delimited_String(f, text, size, 0xAE, 0xAF) > 0;
        const char* close = std::strchr(open + 1, '\xAF');
        const size_t len = close ? size_t(close - open - 1) : std::strcspn(open + 1, "\r\n");
        const size_t keep = len < size_t(size) ? len : size_t(size) - 1;
        std::memcpy(text, open + 1, keep);
        text[keep] = '\0';
        return keep > 0;
    }
    return 0;
}

// Selects the running program's entry (step 6 of the scan).
static void select_running() {
    const int number = CurOb_Application_Number();
    int index = -1;
    for (int i = 0; number != 0 && i < g_count; ++i)
        if (g_rules[i].program_number == number) {
            index = i;
            break;
        }
    if (index < 0) {
        g_found = 0;
        g_selected = 0;
        g_running = 0;
        g_mask = NAD_ALL_PARTS_MASK;
        g_all_shown = 1;
        return;
    }
    g_found = 1;
    g_selected = index;
    g_all_shown = 0;
    g_mask = g_rules[index].part_mask;
    g_running = number;
}

// Reads one definition file into the next entry; 0 when it declares
// nothing.
static int read_definition(FILE* f, const char* dir, int number, NAD_Application_Rule* r) {
    int value = 0;
    if (!Find_Keyword_Int("#NADS", f, &value) || value == 0) return 0;
    *r = NAD_Application_Rule{};
    if (value < 0) {
        for (int p = 0; p < 10; ++p) {
            char word[64];
            if (!read_word(f, word, sizeof word)) break;
            if (std::strlen(word) > 1 || word[0] == '1') {
                r->rules[p] = strdup(word);
                r->part_mask |= 1 << p;
            }
        }
        r->rules_listed = 1;
    } else {
        r->part_mask = value;
    }
    char text[GUILLEMET_NAME_SIZE] = "";
    std::string name = keyword_text(f, "#NAME", text, sizeof text) ? text : dir;
    for (char& c : name) c = char(std::toupper(static_cast<unsigned char>(c)));
    std::string service = "Bauteil";
    if (keyword_text(f, "#SERVICE", text, sizeof text)) service = text;
    if (Find_Keyword_Int("#GROUP", f, nullptr)) {
        Skip_Rest_Of_Line(f);
        if (Read_Guillemet_Name(f, text) > 0) service = text;
    }
    r->name = strdup(name.c_str());
    r->service = strdup(service.c_str());
    r->program_number = number;
    return 1;
}

void Scan_Application_NADs() {
    if (g_scan_done) return;
    const char* exec = VEKGetEnv("EXEC");
    if (!exec) return;
    char pattern[VEK_MAX_PATH + 1];
    DOSFindRecord dirs{};
    if (VEK_Join_Path(pattern, sizeof pattern, exec, "*.*") && DOSFindFirstDirectory(pattern, &dirs) == 0) {
        do {
            const std::string dir = dirs.name;
            DOSFindRecord files{};
            char file_pattern[VEK_MAX_PATH + 1];
            if (!VEK_Join_Path(file_pattern, sizeof file_pattern, exec, (dir + "\\APP*.DEF").c_str()) ||
                DOSFindFirstFile(file_pattern, &files) != 0) {
                DOSFindClose(&files);
                continue;
            }
            do {
                int number = 0;
                if (g_count >= NAD_RULES_MAX || std::sscanf(files.name + 3, "%4d", &number) != 1 || number <= 0)
                    continue;
                char path[VEK_MAX_PATH + 1];
                if (!VEK_Join_Path(path, sizeof path, exec, (dir + "\\" + files.name).c_str())) continue;
                FILE* f = VEK_Open_Reading(path, VEK_READ_CAP_SMALL, nullptr);
                if (!f) continue;
                if (read_definition(f, dir.c_str(), number, &g_rules[g_count])) ++g_count;
                std::fclose(f);
            } while (DOSFindNext(&files) == 0);
            DOSFindClose(&files);
        } while (DOSFindNext(&dirs) == 0);
    }
    DOSFindClose(&dirs);
    select_running();
    g_scan_done = 1;
}

int Find_Current_Application_NAD() {
    if (g_running < 0) select_running();
    return g_running;
}

int NAD_Rule_Shown(int p, int k) {
    if (!g_found || unsigned(p) > 9u) return 1;
    const char* s = g_rules[g_selected].rules[p];
    if (!s) return 1;
    return k >= 0 && size_t(k) < std::strlen(s) && s[k] != '0';
}

int NAD_Rules_Listed() { return g_found ? g_rules[g_selected].rules_listed : 1; }
int NAD_Part_Mask() { return g_mask; }
int NAD_All_Rules_Shown() { return g_all_shown; }

// The per-rule use test answers 1 for every rule in this program, so each
// group counts its rules.
int Count_Used_EC2_Rules() { return 16; }
int Count_Used_EC3_Rules() { return 4; }
int Count_Used_EC5_Rules() { return 4; }
int Count_Used_EC6_Rules() { return 0; }
int Count_Used_EC9_Rules() { return 2; }
int Count_Used_Rules_988() { return 4; }

void Print_NAD_Bridge_Factors_If_Used(FILE* f) {
    if (Count_Used_EC2_Rules() || Count_Used_EC3_Rules() || Count_Used_EC5_Rules() || Count_Used_EC6_Rules() ||
        Count_Used_EC9_Rules())
        Print_NAD_EC0(f);
}

void Print_NAD_Parameters(FILE* f) {
    if (Count_Used_EC2_Rules()) Print_NAD_EC2(f);
    if (Count_Used_EC3_Rules()) Print_NAD_EC3(f);
    if (Count_Used_EC5_Rules()) Print_NAD_EC5(f);
    if (Count_Used_EC6_Rules()) Print_NAD_EC6(f);
    if (Count_Used_EC9_Rules()) Print_NAD_EC9(f);
}

void Set_Norm_Edition_Flag(int on) { g_edition = on; }
int Get_Norm_Edition_Flag() { return g_edition; }
void Set_Norm_Reference_Flag(int on) { g_reference = on; }
int Get_Norm_Reference_Flag() { return g_reference; }

const NAD_Application_Rule* Get_NAD_Application_Rule(int index) {
    return index >= 0 && index < g_count ? &g_rules[index] : nullptr;
}
int Count_NAD_Application_Rules() { return g_count; }

// ---- display options of the annex editor ----

int NAD_Display_Options_Sheet() {
    if (g_options_centre_x < 0) {
        g_options_centre_x = NPIXEL_X / 2;
        g_options_centre_y = NPIXEL_Y / 2;
    }
    int h = 18 * g_count + 130;
    if (NPIXEL_Y <= h + 59) h = NPIXEL_Y;
    int x1 = g_options_centre_x - 160, x2 = g_options_centre_x + 159;
    int y1 = g_options_centre_y - h / 2, y2 = y1 + h - 1;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    // The centre by the same offsets that placed the sheet around it: the
    // middle of its 320 columns (x2 - x1 = 319) would be half a pixel to
    // the left and the sheet would creep one pixel at every opening.
    g_options_centre_x = x1 + 160;
    g_options_centre_y = y1 + h / 2;
    if (!Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Darstellungsoptionen", 12, 1)) return 0;
    Set_Escape_Area_to_MouseMoveEvent(Add_Escape_Area_to_PS(x1 + 10, y1 + 39, x2 - 30, y2 - 35, 1));
    const int choices = Define_Scrollable_View_Area(x1 + 10, y1 + 39, x2 - 10, y2 - 35, 0, 1);
    Set_Escape_Area_to_MouseMoveEvent(Add_Escape_Area_to_PS(x1 + 10, y2 - 29, x2 - 30, y2 - 5, 2));
    const int buttons = Define_Scrollable_View_Area(x1 + 10, y2 - 28, x2 - 25, y2 - 7, 0, 0);
    Set_Scrollable_Area_Frame(buttons, 0);
    Activate_Prop_Sheet();

    // The choices are edited in copies: only ok puts them in force, so
    // abbrechen (or closing the window) leaves everything as it was.
    int found = g_count == 0 ? 0 : g_found;
    int selected = g_selected;
    static int always = 1;
    int result = 0;
    const int grey = Nearest_RGB_Color(150, 150, 150);
    auto fill_choices = [&] {
        Clear_Scrollable_View_Area(choices);
        Add_Radio_Button_to_Scrollable_Area(choices, 30, 20, "alle Regeln darstellen", 0x41003, BLACK_CI, 0,
                                            &found, &always);
        Add_Radio_Button_to_Scrollable_Area(choices, 30, 38, "Darstellung optimieren für"_cp, 0x41003, BLACK_CI, 1,
                                            &found, &always);
        for (int i = 0; i < g_count; ++i) {
            Add_Radio_Button_to_Scrollable_Area(choices, 50, 58 + 18 * i, g_rules[i].name, 0x11000, BLACK_CI, i,
                                                &selected, &found);
            char service[GUILLEMET_NAME_SIZE + 3];
            std::snprintf(service, sizeof service, "(%s)", g_rules[i].service ? g_rules[i].service : "");
            Add_Text_to_Scrollable_Area(choices, 120, 58 + 18 * i, service, 0x11000, grey, 0);
        }
        Update_Scrollable_View_Area(choices);
    };
    auto fill_buttons = [&] {
        Clear_Scrollable_View_Area(buttons);
        Set_Scrollable_Area_Background(buttons, Nearest_RGB_Color(255, 251, 240));
        char bitmap[VEK_MAX_PATH + 1];
        const char* file = VEK_Join_Path(bitmap, sizeof bitmap, VEKGetEnv("DATA"), "NAD\\Buttons.bmp");
        Add_Bitmap_Button_to_Scrollable_Area(buttons, 240, 1, 20, 20, file ? file : "", 435, -1, 0, "abbrechen", 1,
                                             &result, &always);
        Add_Bitmap_Button_to_Scrollable_Area(buttons, 262, 1, 20, 21, file ? file : "", 458, -1, 0, "ok", 2,
                                             &result, &always);
        Update_Scrollable_View_Area(buttons);
    };
    fill_choices();
    fill_buttons();
    for (;;) {
        const int code = Edit_Prop_Sheet();
        if (code == 1) {
            Edit_Scrollable_View_Area(choices);
            fill_choices();
        } else if (code == 2) {
            Edit_Scrollable_View_Area(buttons);
            fill_buttons();
            if (result) break;
        } else if (code == 9 || code == VEK_CLOSE_CODE || code == 0) {
            break;  // the window closing, or nothing left to read, is a break
        }
    }
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    g_options_centre_x += dx;
    g_options_centre_y += dy;
    Undefine_Scrollable_View_Area(choices);
    Undefine_Scrollable_View_Area(buttons);
    Undefine_Prop_Sheet();
    if (result != 2) return 0;
    g_found = found;
    g_selected = selected >= 0 && selected < g_count ? selected : 0;
    if (g_found) {
        g_mask = g_rules[g_selected].part_mask;
        g_running = g_rules[g_selected].program_number;
    } else {
        g_mask = NAD_ALL_PARTS_MASK;
        g_running = 0;
    }
    g_all_shown = !g_found;
    return 1;
}
