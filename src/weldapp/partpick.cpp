// partpick: the component selection and the plan editor (see the header).
#include "weldapp/partpick.h"

#include <cstdio>
#include <cstring>

#include "base/cp850.h"
#include "platform/msgbox.h"
#include "platform/posix.h"
#include "weldapp/sibling_tool.h"
#include "weldapp/tool_text.h"

namespace {

VEKBauteil component;

const Sibling_Tool PARTPICK = {
    "PartPick.exe",
    "VEK - Bauteilauswahl",
    "Bitte wählen Sie ein Bauteil aus"_cp,
    -110,
    1,
    TOOL_BOX_SQUARES,
    {"Das VEK-Werkzeug zur Auswahl von Bauteilen", "ist bereits aktiv. Bitte schließen Sie"_cp,
     "das Fenster und versuchen es erneut."},
};

const Sibling_Tool LINARIUM = {
    "Linarium.exe",
    "VEK - Planbearbeitung",
    "Warte auf Ende des Planerstellungsmoduls",
    -130,
    1,
    TOOL_BOX_SQUARES,
    {"Das VEK-Werkzeug zur Planbearbeitung", "ist bereits aktiv. Bitte schließen Sie"_cp,
     "das Fenster und versuchen es erneut."},
};

// «text» after blanks, tabs and line ends, cut to the field (the rest up to
// » is read and dropped). False when the next byte is not «.
bool Read_Field(FILE* f, char* field, int size) {
    if (Next_Nonblank_Char(f) != 0xAE) return false;
    int n = 0;
    for (int c; (c = std::fgetc(f)) != EOF && c != 0xAF;)
        if (n < size - 1) field[n++] = static_cast<char>(c);
    field[n] = '\0';
    return true;
}

}  // namespace

int Read_PartPick_Answer(FILE* file, VEKBauteil* c) {
    if (!file || !c) return 0;
    *c = VEKBauteil{};
    if (std::fscanf(file, "%d%d", &c->a, &c->b) != 2) return 0;
    char* const texts[] = {c->name, c->s2, c->last_action, c->file_stem, c->s5, c->s6};
    const int sizes[] = {BAUTEIL_TEXT_SIZE, BAUTEIL_TEXT_SIZE, BAUTEIL_TEXT_SIZE,
                         BAUTEIL_STEM_SIZE, BAUTEIL_TEXT_SIZE, BAUTEIL_TEXT_SIZE};
    for (int i = 0; i < 6; ++i)
        if (!Read_Field(file, texts[i], sizes[i])) return 0;
    if (std::fscanf(file, "%d", &c->packed) != 1) return 0;
    return !c->packed || Read_Field(file, c->archive, BAUTEIL_ARCHIVE_SIZE);
}

VEKBauteil* Select_Component(int mode) {
    char mode_text[16], answer[VEK_MAX_PATH + 1];
    std::snprintf(mode_text, sizeof mode_text, "%d", mode);
    const char* arguments[] = {mode_text, nullptr};
    if (!Run_Sibling_Tool(&PARTPICK, arguments, "PartPick.tmp")) return nullptr;
    if (!Tool_Answer_Path(answer, sizeof answer, "PartPick.tmp")) return nullptr;
    // No answer: the user cancelled. An answer that is no file (a FIFO
    // would hang the reading) or larger than an answer ever is, is refused.
    int refusal = VEK_READ_OK;
    FILE* f = VEK_Open_Reading(answer, VEK_READ_CAP_SMALL, &refusal);
    if (!f && refusal == VEK_READ_MISSING) return nullptr;
    VEKBauteil read;
    const int complete = f && Read_PartPick_Answer(f, &read);
    if (f) std::fclose(f);
    std::remove(answer);
    if (!complete) {
        Init_Message();
        Set_Message_Title("Lesefehler");
        Fill_Message("%s", "Die Antwort der Bauteilauswahl ist nicht lesbar.");
        if (!f) Fill_Message("PartPick.tmp: %s", VEK_Read_Refusal_Text(refusal));
        Fill_Message("%s", "Es wurde kein Bauteil übernommen."_cp);
        Draw_Message();
        return nullptr;
    }
    component = read;
    return &component;
}

int Run_Plan_Editor(const char* identifier, const char* second) {
    const char* arguments[] = {identifier ? identifier : "", second, nullptr};
    return Run_Sibling_Tool(&LINARIUM, arguments, nullptr);
}

int Run_Plan_Editor_Default(const char* identifier) { return Run_Plan_Editor(identifier, nullptr); }

void Reset_PartPick(void) { component = VEKBauteil{}; }
