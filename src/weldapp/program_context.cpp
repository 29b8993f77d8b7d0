// The context of a run: command line, file names, position text.
#include "weldapp/program_context.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "base/stored_text.h"
#include "base/textio.h"
#include "base/cp850.h"
#include "dialogs/print_font_signs.h"
#include "platform/display_sdl.h"
#include "platform/events.h"
#include "platform/msgbox.h"
#include "platform/sheets.h"

Programm_Kontext Kontext = {"", 0, 0, 0, 0, "", "", "", "", "", "", 1, 1};

// The whole argument must be the number.
static bool parse_whole_int(const char* text, int* value) {
    const char* end = nullptr;
    return text && Parse_Int(text, 10, value, &end) == 1 && end && *end == '\0';
}

int Set_Program_Context(int argc, const char* const* argv) {
    if (argc < 5 || !argv) return 0;
    Programm_Kontext k = Kontext;
    const char* identifier = argv[1];
    if (!identifier || std::strlen(identifier) > FILE_BASE_MAX) return 0;
    // The Icon-Id is not used: whatever stands there is accepted.
    if (!parse_whole_int(argv[2], &k.icon_id)) k.icon_id = 0;
    if (!parse_whole_int(argv[3], &k.file_id) || !parse_whole_int(argv[4], &k.pos_id)) return 0;
    std::snprintf(k.identifier, sizeof k.identifier, "%s", identifier);
    k.refresh = 0;
    if (argc > 5 && argv[5]) {
        // Only the first word of the fifth argument counts.
        const size_t word = std::strcspn(argv[5], " ");
        k.refresh = word == 8 && std::strncmp(argv[5], "-refresh", 8) == 0;
    }
    std::snprintf(k.input_name, sizeof k.input_name, "_%02d.INP", k.file_id);
    std::snprintf(k.list_name, sizeof k.list_name, "_%02d.OLI", k.file_id);
    std::snprintf(k.text_suffix, sizeof k.text_suffix, "_%02d.TXT", k.file_id);
    std::snprintf(k.plot_name, sizeof k.plot_name, "%s%04d.SPF", k.identifier, k.pos_id);
    Kontext = k;
    Set_File_Base(Kontext.identifier);
    std::snprintf(Print_List_Suffix, sizeof Print_List_Suffix, "%s", Kontext.list_name);
    VEK_Set_Batch_Mode(Kontext.refresh);
    return 1;
}

// Whether the position's number or text held the list's markup escape.
static bool s_position_marked = false;
// The letters of the position's number and text that the list's font draws
// as formula signs (each once).
static std::string s_position_signs;

int Read_Code_and_Text_File(const char* identifier) {
    if (!identifier) identifier = "";
    char name[CONTEXT_NAME_SIZE + 8];
    std::snprintf(name, sizeof name, "%.4s%s", identifier, Kontext.text_suffix);
    const int result = Read_Code_and_Text_Path(name);
    // The desktop's text, not ours to refuse: its markup escape (0xCE, "╬")
    // would take what follows it in the list's head for a format and hide
    // it, so it is printed as a blank, and the run says so.
    s_position_marked = false;
    for (char* text : {Position_Code, Position_Text})
        for (char* c = text; *c; ++c)
            if (static_cast<unsigned char>(*c) == 0xCE) *c = ' ', s_position_marked = true;
    if (s_position_marked && VEK_Batch_Mode())
        std::fprintf(stderr, "%s: the position text holds the byte 0xCE, the print list's markup escape; "
                             "it is printed as a blank\n", name);
    // Its letters that the list's font draws as formula signs print as
    // those signs: the run says so (the text is the desktop's to mend).
    s_position_signs = Print_Font_Signs_In(Position_Code, std::strlen(Position_Code)) +
                       Print_Font_Signs_In(Position_Text, std::strlen(Position_Text));
    if (!s_position_signs.empty() && VEK_Batch_Mode()) {
        std::string bytes;
        for (char c : s_position_signs) {
            char byte[8];
            std::snprintf(byte, sizeof byte, " 0x%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
            bytes += byte;
        }
        std::fprintf(stderr, "%s: the position text holds the bytes%s, which the print list's font draws as "
                             "formula signs\n", name, bytes.c_str());
    }
    return result;
}

void Tell_Position_Text_Notice(void) {
    if ((!s_position_marked && s_position_signs.empty()) || VEK_Batch_Mode()) return;
    Init_Message();
    Set_Message_Title("Hinweis");
    if (s_position_marked) {
        Fill_Message("%s", "Der Positionstext enthält das Zeichen \"\xCE\", das im Ausdruck eine Formatierung"_cp);
        Fill_Message("%s", "einleitet: es wird als Leerzeichen gedruckt.");
    }
    if (!s_position_signs.empty()) {
        Fill_Message("Der Positionstext enthält %s:"_cp, Print_Font_Sign_Names(s_position_signs).c_str());
        Fill_Message("%s", "der Ausdruck zeigt an ihrer Stelle Formelzeichen.");
    }
    Draw_Message();
}

int Close_Request_Callback(void) {
    // "Nein" is the answer of Enter: a key pressed without reading keeps the
    // edits.
    Init_Message();
    Fill_Message("%s", "Aktuelle Bearbeitung abbrechen?");
    Fill_Message("%s", "Nicht gespeicherte Änderungen gehen dabei verloren."_cp);
    Set_Message_Symbol(3, 1, 0, 0);
    if (!Answer_is_Yes(0)) return 0;
    Exit_Prop_Sheets();
    Exit_Grafik_Mode();
    return VEK_CLOSE_CODE;
}
