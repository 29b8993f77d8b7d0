// input_ranges: the note of a value a block reader refused (see the header).
#include "codes/input_ranges.h"

#include <cmath>
#include <cstring>

#include "platform/field_number.h"

namespace {

Input_Value_Refusal g_refusal;

std::string Unit_After(const char* unit) { return unit && *unit ? std::string(" ") + unit : ""; }

}  // namespace

void Clear_Input_Value_Refusal(void) { g_refusal = Input_Value_Refusal{}; }

const Input_Value_Refusal& Last_Input_Value_Refusal(void) { return g_refusal; }

std::string Input_Range_Refusal_Words(const Input_Range& range, double v, int console) {
    const std::string unit = Unit_After(range.unit);
    const std::string low = VEK_Number_Text(range.minimum), high = VEK_Number_Text(range.maximum) + unit;
    // A value of 1e308 % is no number the user can read: it is too large.
    if (!std::isfinite(v))
        return console ? "too large, not between " + low + " and " + high
                       : "zu gro\xE1 (nicht zwischen " + low + " und " + high + ")";
    const std::string value = VEK_Number_Text(v) + unit;
    return console ? "= " + value + " not between " + low + " and " + high
                   : "= " + value + " ung\x81ltig (nicht zwischen " + low + " und " + high + ")";
}

int Note_Input_Value_Refusal(const char* list, const char* screen, const char* console) {
    const char* shown = screen ? screen : list ? list : "";
    g_refusal.list = list ? list : shown;
    g_refusal.screen = shown;
    g_refusal.console = console ? console : shown;
    return 0;
}

int Input_Value_Within(const Input_Range& range, double v, const char* list_name, const char* screen_name,
                       const char* console_name) {
    if (v >= range.minimum && v <= range.maximum) return 1;
    const char* screen = screen_name ? screen_name : list_name ? list_name : "";
    const char* list = list_name ? list_name : screen;
    const char* console = console_name ? console_name : list;
    const std::string words = Input_Range_Refusal_Words(range, v, 0);
    const std::string console_words = Input_Range_Refusal_Words(range, v, 1);
    const std::string l = std::string(list) + " " + words, s = std::string(screen) + " " + words;
    const std::string c = std::string(console) + " " + console_words;
    return Note_Input_Value_Refusal(l.c_str(), s.c_str(), c.c_str());
}

int Input_Text_Free_Of_Markup(const char* text, size_t n, const char* name, const char* console_name) {
    if (!text || !std::memchr(text, 0xCE, n)) return 1;
    const std::string head = name ? name : "";
    const std::string tail = ", das im Ausdruck eine Formatierung einleitet";
    const std::string list = head + " enth\x84lt das Zeichen 0xCE" + tail;
    const std::string screen = head + " enth\x84lt das Zeichen \"\xCE\"" + tail;
    const std::string console =
        std::string(console_name ? console_name : head.c_str()) + " holds the byte 0xCE, the print list's markup escape";
    return Note_Input_Value_Refusal(list.c_str(), screen.c_str(), console.c_str());
}

int Note_Input_Text_Too_Long(size_t length, size_t most, const char* name, const char* console_name) {
    const std::string n = std::to_string(length), at_most = std::to_string(most);
    const std::string words = std::string(name ? name : "") + " ist " + n + " Zeichen lang (h\x94" "chstens " +
                              at_most + ")";
    const std::string console = std::string(console_name ? console_name : name ? name : "") + " is " + n +
                                " characters long (at most " + at_most + ")";
    return Note_Input_Value_Refusal(words.c_str(), words.c_str(), console.c_str());
}

int Input_Value_Holds(Input_Range_Id id, double v, const char* list_name, const char* screen_name,
                      const char* console_name) {
    return Input_Value_Within(Input_Range_Of(id), v, list_name, screen_name, console_name);
}
