// The user's free text: its editor sheet and its print.
#include "weldapp/user_comment.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "base/vesk.h"
#include "dialogs/scrollarea.h"
#include "dialogs/valuecheck.h"
#include "platform/events.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/oli_graphic_records.h"
#include "platform/oli_layout.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "printlist/oli_para.h"
#include "weldapp/tool_text.h"

int User_Comment_Line_Width = 600;

namespace {

// Width in pixels of the first n characters of a text.
using Measure = std::function<int(const char* text, int n)>;

int Current_Font_Width(const char* text, int n) {
    int left = 0, right = 0;
    pxQTxX(text, n, &left, &right);
    return right - left;
}

// Breaks the text into lines no wider than `width` and hands each line (an
// empty one as "") to `take`.
void Break_Lines(const char* text, int width, const Measure& measure, const std::function<void(const std::string&)>& take) {
    const char* rest = text;
    while (*rest) {
        const int piece = static_cast<int>(std::strcspn(rest, "\n"));
        int len = piece;
        // Grow the prefix until it is too wide; a piece that fits is whole.
        int n = 1;
        while (n <= piece && measure(rest, n) <= width) ++n;
        if (n <= piece) {
            if (rest[n] == ' ') {
                len = n + 1;
            } else {
                len = n;
                for (int k = n - 1; k >= 1; --k)
                    if (rest[k] == ' ') {
                        len = k + 1;
                        break;
                    }
            }
            if (len > piece) len = piece;
            if (len < 1) len = 1;
        }
        take(std::string(rest, static_cast<size_t>(len)));
        rest += len;
        if (*rest == '\n' && len == piece) ++rest;
    }
}

bool Nothing_To_Print(const char* text) {
    return !text || !text[0] || std::strcmp(text, " ") == 0 || std::strcmp(text, "\n") == 0;
}

// The comment's text block in the print list, in font 0x1000.
void Print_Block(FILE* file, const char* text) {
    Pop_RFont(0x1000);
    OLI_New_Paragraph();
    Write_Wrapped_Text(file, text);
    OLI_Set_Para_Flag();
    OLI_End_Text(file);
    Push_RFont();
}

// The editor sheet's place for the run, and the help viewer.
struct Editor_State {
    bool placed = false;
    int cx = 0, cy = 0;
    int (*help)(const char* topic) = nullptr;
};
Editor_State editor;

enum { CHOICE_CANCEL = 1, CHOICE_HELP = 2, CHOICE_CONFIRM = 3, CODE_BREAK = 2 };

void Fill_Editor(int area, int* choice, char* buffer, int capacity, int background, int white) {
    Clear_Scrollable_View_Area(area);
    int w = 0, h = 0;
    Inquire_Scrollable_View_Area_Size(area, &w, &h);
    Add_Picture_to_Scrollable_Area(area, "UComment.bmp", 14, 5, 75, 70, background);
    const int font = 0x41003;
    Add_Text_to_Scrollable_Area(area, 85, 20, "Geben Sie hier ihre Anmerkungen ein.", font, Screen_Black, 0);
    Add_Text_to_Scrollable_Area(area, 85, 35, "Diese werden an geeigneter Stelle", font, Screen_Black, 0);
    Add_Text_to_Scrollable_Area(area, 85, 50, "in der Druckliste ausgegeben.", font, Screen_Black, 0);
    Add_Bitmap_Button_to_Scrollable_Area(area, w - 120, 15, 36, 36, "Glory3.bmp", 0, background, 0, "abbrechen",
                                         CHOICE_CANCEL, choice, &Screen_Flag_On);
    Add_Bitmap_Button_to_Scrollable_Area(area, w - 80, 15, 36, 36, "Glory3.bmp", 36, background, 0, "Hilfe",
                                         CHOICE_HELP, choice, &Screen_Flag_On);
    Add_Bitmap_Button_to_Scrollable_Area(area, w - 40, 15, 36, 36, "Glory3.bmp", 72, background, 0,
                                         "bestätigen"_cp, CHOICE_CONFIRM, choice, &Screen_Flag_On);
    Add_Edit_Field_to_Scrollable_Area(area, 5, 60, w - 5, h - 5, buffer, capacity, Screen_Black, white, 1,
                                      &Screen_Flag_On);
    Update_Scrollable_View_Area(area);
}

}  // namespace

void Write_Wrapped_Text(FILE* file, const char* text) {
    if (!file || !text) return;
    Break_Lines(text, User_Comment_Line_Width, Current_Font_Width, [&](const std::string& line) {
        if (line.empty()) OLI_printf(file, "%s", " \n");
        else if (line.back() == '\n') OLI_printf(file, "%s", line.c_str());
        else OLI_printf(file, "%s\n", line.c_str());
    });
}

void Add_Wrapped_Text_to_Area(int area, int x, int width, int* y, const char* text, int font, int colour, int step) {
    if (!y || !text) return;
    const Measure measure = [font](const char* t, int n) { return RFont_Text_Width(font & RFONT_WORD_BITS, t, n); };
    Break_Lines(text, width, measure, [&](const std::string& line) {
        if (!line.empty()) Add_Text_to_Scrollable_Area(area, x, *y, line.c_str(), font, colour, 0);
        *y += step;
    });
}

void Print_User_Comment_with_Logo(FILE* file, const char* text) {
    if (!file || Nothing_To_Print(text)) return;
    OLI_setFlags(file, 0x1000000);
    OLI_setFlags(file, 0x8000000);
    OLI_setFlags(file, 0x200);
    OLI_storeYPosition(file, 1);
    std::fputs("#SHOWGRAFIC\n0 0 0\n0 0 0\n-1\n0.0 1.2 1.2 0.0\n", file);
    std::fprintf(file, "%d 0.0 0.0 %%FONT%%\\UserCommentLogo.ocm\n", OLI_REC_SYMBOL);
    std::fputs("-1\n", file);
    OLI_pushMargins(file);
    OLI_setMarginsCM(file, 1, 1.4, 0.0);
    OLI_restoreYPosition(file, 1);
    User_Comment_Line_Width = 600;
    Print_Block(file, text);
    OLI_popMargins(file, 0x100000);
    OLI_setYPositionCM(file, 4, 0.0);
    OLI_setFlags(file, 0x2000000);
}

void Print_User_Comment(FILE* file, const char* text) {
    if (!file || Nothing_To_Print(text)) return;
    OLI_setFlags(file, 0x1000000);
    OLI_setFlags(file, 0x8000000);
    OLI_setFlags(file, 0x200);
    User_Comment_Line_Width = 675;
    Print_Block(file, text);
    OLI_setYPositionCM(file, 4, 0.0);
    OLI_setFlags(file, 0x2000000);
}

void Set_User_Comment_Help(int (*help)(const char* topic)) { editor.help = help; }

char* Edit_User_Comment(char* text, const char* title) {
    if (VEK_Batch_Mode()) return text;
    if (!editor.placed) {
        editor.cx = NPIXEL_X / 2;
        editor.cy = NPIXEL_Y / 2;
        editor.placed = true;
    }
    const int width = NPIXEL_X < 650 ? NPIXEL_X - 50 : 600;
    const int height = NPIXEL_Y < 450 ? NPIXEL_Y - 50 : 400;
    int x1 = editor.cx - width / 2, y1 = editor.cy - height / 2;
    int x2 = x1 + width - 1, y2 = y1 + height - 1;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    editor.cx = (x1 + x2 + 1) / 2;
    editor.cy = (y1 + y2 + 1) / 2;
    // The editor opens over another dialog (the print control), which draws
    // only its own area again: the screen under the editor, wherever the
    // user moves it, comes back when it closes.
    const int X = NPIXEL_X, Y = NPIXEL_Y;
    Save_Screen_Rectangle(0, 0, X - 1, Y - 1);
    if (!Define_Prop_Sheet(x1, y1, x2, y2, 1, 0, title ? title : "", 10, 1)) {
        Restore_Screen_Rectangle(0, 0, X - 1, Y - 1);
        return text;
    }
    const int area = Define_Scrollable_View_Area(x1 + 5, y1 + 34, x2 - 5, y2 - 5, 0, 0);
    const int background = Nearest_RGB_Color(255, 251, 240), white = Nearest_RGB_Color(255, 255, 255);
    Set_Scrollable_Area_Background(area, background);
    const size_t length = text ? std::strlen(text) : 0;
    const int capacity = static_cast<int>(std::max<size_t>(4 * length, 5000));
    std::vector<char> buffer(static_cast<size_t>(capacity) + 1, '\0');
    if (text) std::memcpy(buffer.data(), text, length);
    int choice = 0;
    // Escape in the text cancels, as "abbrechen" does.
    Set_Break_Key_Action_of_Scrollable_Area(area, CHOICE_CANCEL, &choice);
    Set_Windows_Break_Button(CODE_BREAK);
    Activate_Prop_Sheet();

    bool confirmed = false;
    for (;;) {
        choice = 0;
        Fill_Editor(area, &choice, buffer.data(), capacity, background, white);
        // The text has the keyboard from the start and after every press
        // that leaves the sheet open: nothing typed is lost.
        Type_Into_Scrollable_Area(area);
        const bool pressed = M_LEFT != 0;
        // A press that ended the text's editor is meant for what lies under
        // it (a button, say).
        if (choice == 0 && pressed) Edit_Scrollable_View_Area(area);
        if (choice == CHOICE_HELP && editor.help) editor.help("USER_COMMENT");
        if (choice == CHOICE_CONFIRM) {
            confirmed = true;
            break;
        }
        if (choice == CHOICE_CANCEL) break;
        // Neither a press nor Escape: the window's close request, which
        // the sheet answers.
        if (!pressed && choice == 0) {
            const int code = Edit_Prop_Sheet();
            if (code == CODE_BREAK || code == VEK_CLOSE_CODE || code == 0) break;
        }
    }
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    editor.cx += dx;
    editor.cy += dy;
    Undefine_Scrollable_View_Area(area);
    Undefine_Prop_Sheet();
    Restore_Screen_Rectangle(0, 0, X - 1, Y - 1);
    pxFlsh();
    if (!confirmed) return text;
    const size_t n = std::strlen(buffer.data());
    char* copy = static_cast<char*>(Weld_Calloc_Or_Exit(__FILE__, __LINE__, n + 1, 1));
    std::memcpy(copy, buffer.data(), n);
    Mem_Free(__FILE__, __LINE__, "null", text);
    return copy;
}

void Reset_User_Comment(void) {
    editor = Editor_State{};
    User_Comment_Line_Width = 600;
}
