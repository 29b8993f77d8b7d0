// The program hints page (see hints_page.h).
#include "dialogs/hints_page.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "base/cp850.h"
#include "base/vesk.h"
#include "dialogs/field_transform.h"
#include "dialogs/fields.h"
#include "dialogs/fields_internal.h"
#include "dialogs/scrollarea.h"
#include "platform/font.h"
#include "platform/screen.h"

namespace {

int reactivation_request = 0;
int word_on = 1;
int word_off = 0;

int Round_Half_Away(double v) { return static_cast<int>(v >= 0.0 ? v + 0.5 : v - 0.5); }

// x of a text centred on the page, measured in font 0x1000.
int Centred(const std::string &text, double page_width) {
    return Round_Half_Away((page_width - (RFont_Text_Width(RFONT_NORMAL, text.c_str(), -1) + 3)) / 2.0);
}

}  // namespace

void Fill_Program_Hints_Page(int area, int hints[4], double page_width) {
    Begin_Field_Area(area);
    Set_Field_Font(RFONT_NORMAL);
    if (!hints) return;
    if (reactivation_request == 1)
        for (int i = 0; i < 4; ++i) hints[i] = 1;
    reactivation_request = 0;
    int n = 0;
    for (int i = 0; i < 4; ++i) n += hints[i] == 0;

    const int green = Nearest_Color_Index(0, 95, 0);
    const std::string head = std::string("Von insgesamt ") + Count_Word(4) +
                             " möglichen Programmhinweisen "_cp + (n < 2 ? "ist" : "sind");
    const std::string count = Count_Word(n);
    const std::string tail = "deaktiviert.";
    Set_Field_Text_Color(BLACK_CI);
    Add_Labelled_Text_Field(Centred(head, page_width), 50, head.c_str(), &word_on);
    Set_Field_Text_Color(green);
    Add_Field_Text_Style_2(Centred(count, page_width), 75, count.c_str(), &word_on);
    Set_Field_Text_Color(BLACK_CI);
    Add_Labelled_Text_Field(Centred(tail, page_width), 100, tail.c_str(), &word_on);

    char label[64];
    std::snprintf(label, sizeof label, "%d %s wieder aktivieren", n, n <= 1 ? "Hinweis" : "Hinweise");
    Add_Bitmap_Button_to_Scrollable_Area(area, Round_Half_Away((page_width - 212) / 2.0), 130, 212, 21,
                                         "but_hinweise_reaktivieren.bmp", 0, Nearest_Color_Index(255, 251, 240),
                                         18, label, 1, &reactivation_request, n > 0 ? &word_on : &word_off);

    static const char *const lines[4] = {
        "Programmhinweise machen den Anwender darauf aufmerksam, dass die",
        "aktuellen Einstellungen entweder den Anwendungsvoraussetzungen nicht",
        "entsprechen oder zu ungültigen bzw. außergewöhnlichen Ergebnissen"_cp,
        "führen."_cp,
    };
    // The box is 365 pixels wide, wider where the small font needs more
    // for its lines.
    int box = 365;
    for (const char *line : lines) box = std::max(box, Field_Text_Width_in_Font(line, Current_Field_Font() | 2) + 10);
    const int x0 = Round_Half_Away((page_width - box) / 2.0);
    Set_Field_Text_Color(green);
    Set_Field_Background_Color(Nearest_RGB_Color(240, 240, 240));
    Add_World_Filled_Rectangle(x0 - 3, 202, x0 + box - 3, 262);
    Add_World_Rectangle_to_Field_Area(x0 - 3, 202, x0 + box - 3, 262);
    Set_Field_Background_Color(Nearest_Color_Index(255, 251, 240));
    const int w = Field_Text_Width_in_Font("Programmhinweise", Current_Field_Font());
    Add_World_Filled_Rectangle(x0 + 2, 210, x0 + 8 + w, 193);
    Add_Field_Text_Style_2(x0 + 5, 205, "Programmhinweise", &word_on);
    for (int i = 0; i < 4; ++i) Add_Field_Text_Small(x0 + 5, 221 + 10 * i, lines[i], &word_on);
}

void Reset_Hints_Page_State(void) { reactivation_request = 0; }
