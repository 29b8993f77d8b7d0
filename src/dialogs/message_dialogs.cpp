// Message dialogs, progress window and wait box (see message_dialogs.h).
#include "dialogs/message_dialogs.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/cp850.h"
#include "dialogs/dialog_batch_internal.h"
#include "dialogs/field_transform.h"
#include "dialogs/fields.h"
#include "dialogs/fields_internal.h"
#include "dialogs/messages.h"
#include "dialogs/scrollarea.h"
#include "dialogs/shading.h"
#include "dialogs/tablesheet.h"
#include "platform/format.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/screen.h"
#include "platform/sheets.h"

namespace {

const char *const DONT_SHOW_AGAIN = "Diesen Hinweis nicht nochmal anzeigen";

// The category dialog being shown: its category, its option (null: none)
// and the option's result, the width of its page.
struct Category_Dialog {
    int category = -1;
    const char *option = nullptr;
    int option_result = 0;
    int page_width = 0;
    bool filling = false;  // the page function is sending the lines
};
Category_Dialog dialog;
int option_active = 1;  // the activity word of the option's check box

Table_Sheet_Page list_page;
bool list_page_made = false;

Message_Print_List_Calls print_list = {nullptr, nullptr, nullptr};

struct Progress_Counter {
    int maximum;
    int value;
    char text[100];
};
struct Progress_State {
    int display = 1;
    Progress_Record *record = nullptr;
    bool sheet = false;  // the window's sheet is defined
    int area = -1;
    Progress_Counter counter[PROGRESS_COUNTERS] = {};
    int centre_x = -1, centre_y = -1;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
Progress_State progress;

bool wait_shown = false;
int (*animation_start)(int, int) = nullptr;
int (*animation_stop)(void) = nullptr;

int Round_Half_Away(double v) { return static_cast<int>(v >= 0.0 ? v + 0.5 : v - 0.5); }

// The lines of category c on stderr, as a batch run shows a dialog.
void Lines_To_Stderr(int c) {
    if (const char *title = Message_Category_Title(c)) Dialog_Refused_In_Batch(title);
    for (int i = 0; i < Message_Category_Count(c); ++i) {
        std::string line = Skip_Message_Control_Pairs(Message_Category_Line(c, i));
        if (!line.empty() && line.back() == '\n') line.pop_back();
        Dialog_Refused_In_Batch(line.c_str());
    }
}

// Width of the option's check box with its text.
int Option_Width(const char *option) { return Field_Text_Width_in_Font(option, RFONT_NORMAL) + 20; }

// The dialog of category c with an option (null: none); returns the
// option's result (0 when not ticked or nothing was shown).
int Show_Category_Dialog(int c, const char *option) {
    if (!Messages_Enabled() || !Message_Category_Title(c)) return 0;
    if (VEK_Batch_Mode()) {
        Lines_To_Stderr(c);
        return 0;
    }
    while (M_LEFT)
        if (Get_Mouse_Event() == VEK_MSG_CLOSE) break;
    const int lines = Message_Category_Count(c);
    int widest = 0;
    for (int i = 0; i < lines; ++i) {
        std::string line = Skip_Message_Control_Pairs(Message_Category_Line(c, i));
        if (!line.empty() && line.back() == '\n') line.pop_back();
        widest = std::max(widest, Field_Text_Width_in_Font(line.c_str(), RFONT_NORMAL));
    }
    // The option's check box is as wide as its text in this font; the page
    // takes it in and centres it.
    if (option) widest = std::max(widest, Option_Width(option));
    const int height = lines * 16 + 50 + (option ? 20 : 0);
    int width = widest + 40;
    const bool cut = width > 800;
    width = std::min(width, 800);
    if (!list_page_made) {
        Init_Table_Sheet_Pages(1, &list_page);
        list_page_made = true;
    }
    list_page.fill = Fill_Message_List_Area;
    list_page.vslider = 1;
    list_page.hslider = cut ? 1 : 0;
    Table_Sheet_Descriptor d;
    Init_Table_Sheet_Descriptor(&d);
    d.mode = TABLE_SHEET_CONTINUE;
    std::snprintf(d.title, sizeof d.title, "%.99s", Message_Category_Title(c));
    d.content_height = height + (cut ? 17 : 0);
    d.content_width = width + 17;
    const Category_Dialog kept = dialog;
    dialog = Category_Dialog{};
    dialog.category = c;
    dialog.option = option;
    dialog.page_width = width;
    Edit_Register_Table_Sheet(&d, 1, &list_page);
    const int result = dialog.option_result;
    dialog = kept;
    return result;
}

// Adds one piece of a message line as a text item; returns its advance.
int Piece(int x, int y, const std::string &text, int font, int colour) {
    if (text.empty()) return 0;
    Add_Text_to_Scrollable_Area(Current_Field_Area(), x, y, text.c_str(), font, colour, 0);
    const int f = font & RFONT_WORD_BITS;
    return RFont_Text_Width(f, text.c_str(), static_cast<int>(text.size())) + RFont_Metrics(f)->space +
           ((font & 0x10000) ? 1 : 0);
}

}  // namespace

// ---- category dialogs ------------------------------------------------------------

int Ask_Dont_Show_Again(void) {
    const int c = Current_Message_Category();
    if (!Messages_Enabled() || !Message_Category_Title(c)) return 1;
    Set_Message_Mode(MESSAGE_MODE_LIST);
    return Show_Category_Dialog(c, DONT_SHOW_AGAIN) ? 0 : 1;
}

int Show_Messages_With_Option(const char *text) {
    const int c = Current_Message_Category();
    if (!Messages_Enabled() || !Message_Category_Title(c)) return 0;
    Set_Message_Mode(MESSAGE_MODE_LIST);
    return Show_Category_Dialog(c, text ? text : "") ? 1 : 0;
}

void Run_Message_Category_Dialog(int c) { Show_Category_Dialog(c, nullptr); }

void Fill_Message_List_Area(int area, int) {
    Begin_Field_Area(area);
    const int background = Get_Message_List_Background() >= 0 ? Get_Message_List_Background()
                                                               : Nearest_RGB_Color(255, 245, 220);
    Set_Scrollable_Area_Background(area, background);
    Set_Field_Background_Color(background);
    Set_Field_Text_Color(BLACK_CI);
    Set_Message_List_Position(15, 20);
    const int c = dialog.category;
    dialog.filling = true;
    for (int i = 0; i < Message_Category_Count(c); ++i) {
        std::string line = Message_Category_Line(c, i);
        Message_in_Mode(MESSAGE_MODE_LIST, "%s", line.c_str());
    }
    dialog.filling = false;
    if (!dialog.option) return;
    int x = 0, y = 0;
    Get_Message_List_Position(&x, &y);
    y += 25;
    x = Round_Half_Away((dialog.page_width - Option_Width(dialog.option)) / 2.0);
    const bool grey = std::strcmp(dialog.option, DONT_SHOW_AGAIN) == 0;
    if (grey) Set_Field_Text_Color(Nearest_RGB_Color(130, 130, 130));
    Add_Choice_Field(x, y, dialog.option, &dialog.option_result, &option_active);
    Set_Field_Text_Color(BLACK_CI);
}

void Draw_Message_List_Text(const char *text) {
    if (!text) return;
    if (!dialog.filling) {
        // No list is being filled: the text is not lost, it goes to the console.
        std::puts(Skip_Message_Control_Pairs(text));
        return;
    }
    std::string line = text;
    if (!line.empty() && line.back() == '\n') line.pop_back();
    int font = RFONT_NORMAL, height = 16;
    size_t at = 0;
    while (at + 1 < line.size() && line[at] == '^') {
        switch (line[at + 1]) {
        case 'b': font |= 0x10000; break;
        case 'p': font = (font & 0x10000) | ((font & RFONT_WORD_BITS) == RFONT_NORMAL ? 0 : RFONT_NORMAL); break;
        case '2': height = 8; break;
        default: break;
        }
        at += 2;
    }
    int x = 0, y = 0;
    Get_Message_List_Position(&x, &y);
    Draw_Marked_Up_Message_Line(x, y, line.c_str() + at, font);
    Set_Message_List_Position(x, y + height);
}

int Draw_Marked_Up_Message_Line(int x, int y, const char *text, int font) {
    if (!text) return x;
    const std::string s = text;
    const int colour = Get_Field_Text_Color();
    size_t pos = 0;
    size_t esc = s.find('\xCE');
    x += Piece(x, y, s.substr(0, esc), font, colour);
    while (esc != std::string::npos && esc + 1 < s.size()) {
        const char code = s[esc + 1];
        pos = esc + 2;
        esc = s.find('\xCE', pos);
        std::string piece = s.substr(pos, esc == std::string::npos ? std::string::npos : esc - pos);
        if (code == 'C' || code == 'c') {
            char *end = nullptr;
            long n = std::strtol(piece.c_str(), &end, 10);
            size_t skip = static_cast<size_t>(end - piece.c_str());
            if (skip < piece.size() && piece[skip] == ' ') ++skip;
            x += Piece(x, y, piece.substr(skip), font, static_cast<int>(n));
        } else if (code == 'B' || code == 'b') {
            x += Piece(x, y, piece, font | 0x20000, colour);
        }
    }
    return x;
}

// ---- print list ----------------------------------------------------------------------

void Set_Message_Print_List_Calls(const Message_Print_List_Calls *calls) {
    print_list = calls ? *calls : Message_Print_List_Calls{nullptr, nullptr, nullptr};
}

int Write_Messages_to_Print_List(FILE *stream) {
    if (!print_list.list_open || !print_list.list_add || !print_list.list_write) return -1;
    const int c = Current_Message_Category();
    print_list.list_open(4);
    for (int i = 0; i < Message_Category_Count(c); ++i) {
        // The control pairs are the on-screen list's; the print list has
        // its own bold switch.
        std::string line = Skip_Message_Control_Pairs(Message_Category_Line(c, i));
        if (!line.empty() && line.back() == '\n') line.pop_back();
        print_list.list_add(4, ("╬b"_cp + line).c_str());
    }
    return print_list.list_write(stream, 4, -1.0);
}

// ---- progress window -----------------------------------------------------------------

void Init_Progress_Record(Progress_Record *record, int n) {
    if (!record) return;
    record->title[0] = '\0';
    record->text[0] = '\0';
    record->width = -1;
    record->count = n;
    for (int i = 0; i < std::min(n, static_cast<int>(PROGRESS_COUNTERS)); ++i) {
        record->counter[i].label[0] = '\0';
        record->counter[i].maximum = 0;
        record->counter[i].maximal = 0;
    }
}

void Open_Progress_Window(Progress_Record *record) {
    if (!progress.display || !record) return;
    if (progress.record) Close_Progress_Window();
    progress.record = record;
    const int count = std::clamp(record->count, 0, static_cast<int>(PROGRESS_COUNTERS));
    for (int i = 0; i < PROGRESS_COUNTERS; ++i) {
        progress.counter[i].value = 0;
        progress.counter[i].text[0] = '\0';
        progress.counter[i].maximum = i < count ? record->counter[i].maximum : -1;
    }
    if (Dialog_Refused_In_Batch(record->title)) return;
    const int h = std::min(NPIXEL_Y - 87, count * 48 + 31) + 42;
    const int w = std::min(std::max(record->width, 200), NPIXEL_X - 44) + 14;
    if (progress.centre_x < 0) {
        progress.centre_x = NPIXEL_X / 2;
        progress.centre_y = NPIXEL_Y / 2;
    }
    int x1 = progress.centre_x - w / 2, y1 = progress.centre_y - h / 2;
    int x2 = x1 + w - 1, y2 = y1 + h - 1;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    const int buffer = pxBuff(PX_BUFFER_QUERY);
    if (!Define_Prop_Sheet(x1, y1, x2, y2, 1, 0, record->title, 40, 1)) return;
    progress.sheet = true;
    progress.x1 = x1;
    progress.y1 = y1;
    progress.x2 = x2;
    progress.y2 = y2;
    progress.area = Define_Scrollable_View_Area(x1 + 14, y1 + 42, x2 - 14, y2 - 14, 0, 0);
    Set_Scrollable_Area_Background(progress.area, Nearest_RGB_Color(233, 240, 245));
    Activate_Prop_Sheet();
    pxBuff(buffer);
    Draw_Progress_Area();
}

void Close_Progress_Window(void) {
    progress.record = nullptr;
    Undefine_Scrollable_View_Area(progress.area);
    progress.area = -1;
    if (!progress.sheet) return;
    progress.sheet = false;
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    progress.centre_x = (progress.x1 + progress.x2) / 2 + dx;
    progress.centre_y = (progress.y1 + progress.y2) / 2 + dy;
    Undefine_Prop_Sheet();
}

int Progress_Window_Is_Open(void) { return progress.record && progress.display ? 1 : 0; }

void Enable_Progress_Window(void) { progress.display = 1; }
void Disable_Progress_Window(void) { progress.display = 0; }

static Progress_Counter *Counter(int i) {
    return i >= 0 && i < PROGRESS_COUNTERS ? &progress.counter[i] : nullptr;
}

static void Redraw(void) {
    if (Progress_Window_Is_Open()) Draw_Progress_Area();
}

void Set_Progress_Text(int i, const char *text) {
    Progress_Counter *c = Counter(i);
    if (!c) return;
    std::snprintf(c->text, sizeof c->text, "%s", text ? text : "");
    Redraw();
}

void Set_Progress_Maximum(int i, int maximum) {
    Progress_Counter *c = Counter(i);
    if (!c) return;
    c->maximum = maximum;
    c->value = 0;
    Redraw();
}

void Step_Progress(int i) {
    Progress_Counter *c = Counter(i);
    if (!c) return;
    if (c->maximum >= 1) ++c->value;
    Redraw();
}

void Step_Progress_Text(int i, const char *text) {
    Progress_Counter *c = Counter(i);
    if (!c) return;
    if (text) std::snprintf(c->text, sizeof c->text, "%s", text);
    Step_Progress(i);
}

void Set_Progress_Value(int i, int value) {
    Progress_Counter *c = Counter(i);
    if (!c) return;
    if (c->maximum >= 1) c->value = value;
    Redraw();
}

int Progress_Value(int i) {
    Progress_Counter *c = Counter(i);
    return c ? c->value : -1;
}

void Reset_Progress(int i) {
    Progress_Counter *c = Counter(i);
    if (!c) return;
    c->value = 0;
    c->maximum = -1;
    Redraw();
}

void Draw_Progress_Area(void) {
    const int area = progress.area;
    if (area < 0 || !progress.record) return;
    Clear_Scrollable_View_Area(area);
    Begin_Field_Area(area);
    double ox, oy, rot, scale;
    Get_Field_World_Mapping(&ox, &oy, &rot, &scale);
    Set_Field_World_Mapping(0.0, 0.0, 0.0, 1.0);
    int width = 0, height = 0;
    Inquire_Scrollable_View_Area_Size(area, &width, &height);
    const int count = std::clamp(progress.record->count, 0, static_cast<int>(PROGRESS_COUNTERS));
    const int base = Nearest_RGB_Color(0, 88, 176);
    for (int i = 0; i < count; ++i) {
        const Progress_Counter &c = progress.counter[i];
        const Progress_Counter_Spec &spec = progress.record->counter[i];
        const int y = 30 + 47 * i;
        const bool counting = c.maximum >= 1;
        Add_Text_to_Scrollable_Area(area, 20, y, spec.label, RFONT_NORMAL,
                                    counting ? BLACK_CI : Nearest_RGB_Color(120, 120, 120), 0);
        if (counting) {
            if (c.text[0]) {
                int w = RFont_Text_Width(RFONT_SMALL, c.text, -1);
                int centre = Round_Half_Away((width - 60) / 2.0) + 20;
                Add_Text_to_Scrollable_Area(area, centre - w / 2, y, c.text, RFONT_SMALL, BLACK_CI, 0);
            }
            char figures[64];
            std::snprintf(figures, sizeof figures, spec.maximal == 1 ? "%d von maximal %d" : "%d von %d", c.value,
                          c.maximum);
            Add_Text_to_Scrollable_Area(area, width - 40, y, figures, 0, BLACK_CI, 1);
            Set_Field_Background_Color(Nearest_RGB_Color(255, 255, 225));
            Add_World_Filled_Rectangle(20, y + 7, width - 40, y + 22);
            Set_Field_Text_Color(BLACK_CI);
            Add_World_Rectangle_to_Field_Area(20, y + 7, width - 40, y + 22);
            const double share = std::clamp(static_cast<double>(c.value) / c.maximum, 0.0, 1.0);
            const int e = 22 + Round_Half_Away(share * (width - 64));
            for (int k = 0; k <= 6; ++k) {
                Set_Field_Background_Color(k == 0 ? base : Shade_Color(base, 10.0 * k));
                Add_World_Filled_Rectangle(22, y + 9 + k, e, y + 20 - k);
            }
        } else {
            Set_Field_Text_Color(Nearest_RGB_Color(80, 80, 80));
            Add_World_Rectangle_to_Field_Area(20, y + 7, width - 40, y + 22);
            Set_Field_Background_Color(Nearest_RGB_Color(225, 225, 225));
            Add_World_Filled_Rectangle(22, y + 9, width - 42, y + 20);
        }
    }
    Set_Field_World_Mapping(ox, oy, rot, scale);
    Set_Scrollable_Area_Activity(area, 1);
    Update_Scrollable_View_Area(area);
}

// ---- wait box ---------------------------------------------------------------------------

void Show_Wait_Box(const char *text) {
    if (!text) text = "";
    if (Dialog_Refused_In_Batch(text)) {
        wait_shown = true;
        return;
    }
    const int cx = NPIXEL_X / 2, cy = NPIXEL_Y / 2;
    if (!wait_shown) {
        Init_Message();
        for (int i = 0; i < 6; ++i) Fill_Message(" ");
        Fill_Message("................... Bitte etwas Geduld ...................");
        Fill_Message(" ");
        Show_Message();
        if (animation_start) animation_start(cx - 48, cy - 62);
    }
    const int kept = pxQFgc();
    pxFgc(-1);
    pxRect(cx - 131, cy + 47, cx + 123, cy + 59);
    pxFgc(BLACK_CI);
    Pop_RFont(RFONT_SMALL);
    pxBTxt(cx, cy + 53, cx, cy + 53, text, -1, 210);
    Push_RFont();
    pxFgc(kept);
    pxFlsh();
    wait_shown = true;
}

// The wait box with a formatted text of at most 255 characters.
static void Show_Wait_Box_V(const char *format, va_list ap) {
    char text[256] = "";
    if (format) VEK_Format_Bounded_V(text, sizeof text, format, ap);
    Show_Wait_Box(text);
}

void Wait_Box_Printf(const char *format, ...) {
    va_list ap;
    va_start(ap, format);
    Show_Wait_Box_V(format, ap);
    va_end(ap);
}

void Update_Wait_Box(const char *format, ...) {
    if (!wait_shown) return;
    va_list ap;
    va_start(ap, format);
    Show_Wait_Box_V(format, ap);
    va_end(ap);
}

void Close_Wait_Box(void) {
    if (animation_stop) animation_stop();
    if (!VEK_Batch_Mode()) Quit_Message();
    wait_shown = false;
}

int Wait_Box_Is_Shown(void) { return wait_shown ? 1 : 0; }

void Set_Waiting_Animation(int (*start)(int x, int y), int (*stop)(void)) {
    animation_start = start;
    animation_stop = stop;
}

void Reset_Message_Dialogs_State(void) {
    dialog = Category_Dialog{};
    list_page_made = false;
    print_list = Message_Print_List_Calls{nullptr, nullptr, nullptr};
    progress = Progress_State{};
    wait_shown = false;
    animation_start = nullptr;
    animation_stop = nullptr;
}
