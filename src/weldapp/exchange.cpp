// exchange: data exchange through "TEMP" and the import protocol (see the
// header).
#include "weldapp/exchange.h"

#include <cstring>
#include <string>

#include "base/cp850.h"
#include "base/filenames.h"
#include "codes/nad.h"
#include "dialogs/scrollarea.h"
#include "platform/desktop.h"
#include "platform/font.h"
#include "platform/msgbox.h"
#include "platform/posix.h"
#include "platform/screen.h"
#include "weldapp/filed_record.h"
#include "weldapp/input_page.h"
#include "weldapp/program_context.h"
#include "weldapp/schweissnaht.h"

const char* const Exchange_File_Name = "Q7-NAXIT#export.dat";

namespace {

Connection_Sheet_Function sheet_to_record = nullptr;
Connection_Sheet_Function record_to_sheet = nullptr;
Connection_Sheet_Function refresh_record = nullptr;

void Run(Connection_Sheet_Function f) {
    if (f) f();
}

bool Exchange_Path(char* path, size_t size) {
    const char* temp = VEKGetEnv("TEMP");
    return temp && VEK_Join_Path(path, size, temp, Exchange_File_Name);
}

// The protocol's name beside the component's files.
const char* Protocol_Name(void) {
    static char name[32];
    std::snprintf(name, sizeof name, "%s.EXP", Make_File_Stem());
    return name;
}

// Writes the record as a save would into the exchange file; true when it
// was written whole and reads back.
bool Export_Record(const char* path) {
    SchweissnahtAnschluss exported{};
    Record_As_Saved(&Schweissnaht_Anschluss, &exported);
    const bool done = Replace_Input_Text_File(path, &exported, nullptr, nullptr) == VEK_REPLACE_DONE;
    Free_Schweissnaht(&exported);
    return done;
}

}  // namespace

void Set_Connection_Sheet_Exchange(Connection_Sheet_Function to_record, Connection_Sheet_Function to_sheet,
                                   Connection_Sheet_Function refresh) {
    sheet_to_record = to_record;
    record_to_sheet = to_sheet;
    refresh_record = refresh;
}

void Export_Schweissnaht_TEMP(void) {
    Run(sheet_to_record);
    char path[VEK_MAX_PATH + 1];
    if (!VEKGetEnv("TEMP")) {
        PrintMessage("%s", "Die Daten können nicht exportiert werden!"_cp);
    } else if (!Exchange_Path(path, sizeof path) || !Export_Record(path)) {
        // Written whole or not at all, and only when it reads back: a failed
        // write leaves the last exchange file as it was.
        PrintMessage("%s", "Fehler bei der Dateiöffnung\nDie Daten können nicht exportiert werden!"_cp);
    } else {
        PrintMessage("%s", "Die Daten wurden erfolgreich exportiert.");
    }
    Run(record_to_sheet);
}

void Import_Schweissnaht_TEMP(void) {
    Run(sheet_to_record);
    char path[VEK_MAX_PATH + 1];
    FILE* f = nullptr;
    if (!VEKGetEnv("TEMP")) {
        PrintMessage("%s", "Die Daten können nicht importiert werden!"_cp);
    } else if (!Exchange_Path(path, sizeof path) || !(f = VEK_Open_Reading(path, VEK_READ_CAP_DATA, nullptr))) {
        PrintMessage("%s", "Fehler bei der Dateiöffnung\nDie Daten können nicht importiert werden!"_cp);
    }
    if (!f) {
        Run(record_to_sheet);
        return;
    }
    // Read into a record of its own: a damaged or newer file must not
    // leave the connection half replaced. An input file may ask for the
    // defaults with a negative head; an exchange file that does holds no
    // connection, and must not put the defaults in place of this one.
    Schweissnaht_Import_Mode = 1;
    SchweissnahtAnschluss read{};
    const int result = Read_Schweissnaht(f, &read);
    // Taken before the refresh, which may read a record of its own.
    const Range_Refusals refusals = Schweissnaht_Read_Refusals();
    const Catalogue_Notice notice = Schweissnaht_Read_Notice();
    if (result == 0 && Activate_Annex_After(f) == 0) {
        Copy_Schweissnaht(&read, &Schweissnaht_Anschluss);
        // What the page kept of the welds was the replaced record's; the
        // record the exchange file gave is now what a save keeps.
        Forget_Kept_Welds();
        Keep_Filed_Record(&Schweissnaht_Anschluss);
        Keep_Ec_Choices_Of_File(&Schweissnaht_Anschluss);
        Run(record_to_sheet);
        Run(refresh_record);
        Run(sheet_to_record);
        PrintMessage("%s", "Die Daten wurden erfolgreich importiert.");
        Tell_Catalogue_Notice(notice);
    } else if (refusals.any()) {
        // An import takes what the fields take, or nothing: the page keeps
        // its values, and each value refused is named with its range.
        Init_Message();
        Set_Message_Title(VEK_REFUSAL_TITLE);
        Fill_Message("%s", "Die Daten werden nicht importiert: Werte außerhalb ihres Bereichs:"_cp);
        for (const std::string& line : Range_Refusal_Lines(refusals, REFUSAL_SCREEN)) Fill_Message("%s", line.c_str());
        Fill_Message("%s", "Der bisherige Datenzustand bleibt erhalten.");
        Draw_Message();
    } else {
        Init_Message();
        Set_Message_Title("Lesefehler");
        Fill_Message("%s", "Die Daten können nicht gelesen werden!"_cp);
        Fill_Message("%s", "Der bisherige Datenzustand");
        Fill_Message("%s", "bleibt erhalten.");
        Draw_Message();
    }
    Free_Schweissnaht(&read);
    std::fclose(f);
    Run(record_to_sheet);
}

const char* Make_File_Stem(void) {
    static char stem[16];
    std::snprintf(stem, sizeof stem, "_%02d", Kontext.file_id);
    return stem;
}

FILE* Open_Import_Protocol(int delete_it, int read) {
    if (delete_it) {
        Remove_Base(Protocol_Name());
        return nullptr;
    }
    return Fopen_Base(Protocol_Name(), read ? "r" : "a+");
}

FILE* Open_Import_Protocol_Read(void) { return Fopen_Base(Protocol_Name(), "r"); }

int Count_Import_Protocol_Lines(void) {
    FILE* f = Open_Import_Protocol_Read();
    if (!f) return 0;
    int n = 0;
    char line[PROTOCOL_LINE_SIZE];
    while (std::fgets(line, sizeof line, f)) n++;
    std::fclose(f);
    return n;
}

void Import_Protocol_Callback(int area, int x, int* y, void*) {
    if (!y) return;
    FILE* f = Open_Import_Protocol_Read();
    if (!f) return;
    int at = *y;
    Add_Text_to_Scrollable_Area(area, x, at, "Schnittgrößenimport: Informationen zum exportierenden Bauteil:"_cp,
                                RFONT_BOLD, BLACK_CI, 0);
    at += 22;
    char line[PROTOCOL_LINE_SIZE];
    while (std::fgets(line, sizeof line, f)) {
        line[std::strcspn(line, "\r\n")] = '\0';
        if (line[0]) Add_Text_to_Scrollable_Area(area, x, at, line, RFONT_NORMAL, BLACK_CI, 0);
        at += 18;
    }
    std::fclose(f);
    *y = at;
}
