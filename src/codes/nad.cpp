// The national annex registry: the current annex record, the annex list,
// the active annex with its lazy activation, the getters, and
// the "ACTIV_NADNAME" keyword of input and exchange files.
#include "codes/nad.h"

#include <cassert>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "base/cp850.h"
#include "base/textio.h"
#include "codes/nad_file.h"
#include "codes/nad_rules.h"
#include "codes/nad_selection_sheet.h"
#include "platform/desktop.h"
#include "platform/msgbox.h"
#include "platform/posix.h"
#include "platform/screen.h"
#include "printlist/oli_para.h"

static const char kDeutschland[] = "Deutschland";
static const char kStandardListName[] = "EC-Standardparameter";
static const char kLocalDefinitions[] = "lokale Definitionen";

enum { DISPLAY_NAME_SIZE = 64 };

static NAD_Record g_current = {-1, -1, -1, "", {}, {}, {}, {}, {}, {}, {}};
static int g_ec1_defs_pending = 1;
static NAD_List g_list = {};
static char* g_active_name = nullptr;  // full name as requested (heap)
static int g_active_id = 0;
static int g_verbose = 0;
static int g_load_failed = 0;
static int g_load_damaged = 0;
static std::string g_failed_name;
static std::string g_unknown_name;  // active name that no list entry has
// The user annex files of the last scan that are there but cannot be read
// (their name unknown): "1.NAD (keine Datei)".
static std::string g_unreadable_annexes;
static std::string g_failure_reason;  // why the failed annex was not read
static char g_display_name[DISPLAY_NAME_SIZE];
// The unreadable annexes a batch run has named on the console, each with
// its reason: a run activates its annex more than once (reading the record
// takes the German set before the record's own entry names its annex), and
// the same fault is said once.
static std::set<std::string> g_told;

int NAD_Verbose() { return g_verbose; }
void Set_NAD_Verbose(int on) { g_verbose = on; }

// Replaces the active name by a copy of name (null clears it). 1, or 0 when
// the copy failed: the old name then stays, so the active name is never
// lost to a failed copy.
static int set_active_name(const char* name) {
    char* copy = name ? strdup(name) : nullptr;
    if (name && !copy) return 0;
    std::free(g_active_name);
    g_active_name = copy;
    return 1;
}

// The active name for texts shown to the user: never null.
static const char* shown_name() { return g_active_name ? g_active_name : kDeutschland; }

static void free_list_names(int from) {
    for (int i = from; i < g_list.count; ++i) {
        std::free(g_list.names[i]);
        g_list.names[i] = nullptr;
    }
}

void Reset_NAD_Registry() {
    free_list_names(0);
    g_list = NAD_List{};
    set_active_name(nullptr);
    g_active_id = 0;
    Free_WUSL_Tables(&g_current.ec1);
    g_current = NAD_Record{};
    g_current.id = -1;
    g_current.user = -1;
    g_current.variant = -1;
    g_ec1_defs_pending = 1;
    g_load_failed = 0;
    g_load_damaged = 0;
    g_failed_name.clear();
    g_unknown_name.clear();
    g_unreadable_annexes.clear();
    g_failure_reason.clear();
    g_told.clear();
}

// Recommended values in every block; the head names the standard set.
static void standard_fill(NAD_Record* r) {
    if (g_ec1_defs_pending) Read_WUSL_Table_Defs(&r->ec1);
    r->id = NAD_ID_STANDARD;
    r->user = 0;
    r->variant = 0;
    NAD_Copy_Name(r->name, sizeof r->name, "EC-Standard");
    Default_NAD_Blocks(r);
    Load_WUSL_Standard(&r->ec1);
    g_ec1_defs_pending = 0;
}

// Notes user annex file n as unreadable for the reason given.
static void note_unreadable(int n, const char* reason) {
    if (!g_unreadable_annexes.empty()) g_unreadable_annexes += ", ";
    g_unreadable_annexes += std::to_string(n) + ".NAD (" + reason + ")";
}

int Scan_NAD_List() {
    Safeguard_Proper_Version();
    int ok = 1;
    if (g_list.count == 0) {
        g_list.names[0] = strdup(kStandardListName);
        g_list.ids[0] = NAD_ID_STANDARD;
        g_list.file_numbers[0] = 0;
        g_list.names[1] = strdup(kDeutschland);
        g_list.ids[1] = NAD_ID_DEUTSCHLAND;
        g_list.file_numbers[1] = 0;
        g_list.count = 2;
        // An entry without its name is never chosen; the next scan refills it.
        if (!g_list.names[0] || !g_list.names[1]) {
            ok = 0;
            free_list_names(0);
            g_list.count = 0;
        }
    } else if (g_list.count > 2) {
        free_list_names(2);
        g_list.count = 2;
    }
    g_unreadable_annexes.clear();
    const char* dram = VEKGetEnv("DRAM");
    if (!dram) return ok;
    // The list holds 300 entries; user annexes beyond that are not listed.
    for (int n = 1; g_list.count >= 2 && g_list.count < NAD_LIST_MAX; ++n) {
        char rel[40], path[VEK_MAX_PATH + 1];
        std::snprintf(rel, sizeof rel, "NADS\\%d.NAD", n);
        if (!VEK_Join_Path(path, sizeof path, dram, rel)) break;
        int refusal = VEK_READ_OK;
        FILE* f = VEK_Open_Reading(path, VEK_READ_CAP_DATA, &refusal);
        // The numbers run without gaps; one that is there but no file to
        // read stays out of the list, the ones behind it do not. Either
        // kind of unreadable file is kept in mind: the annex a project asks
        // for may be in it.
        if (!f && refusal == VEK_READ_MISSING) break;
        if (!f) {
            note_unreadable(n, VEK_Read_Refusal_Text(refusal));
            continue;
        }
        char line[200];
        int id = 0;
        char name[GUILLEMET_NAME_SIZE] = "";
        if (std::fgets(line, sizeof line, f) && Scan_Int(f, 10, &id) == 1) Read_Guillemet_Name(f, name);
        std::fclose(f);
        if (!name[0]) note_unreadable(n, "kein Name");
        const int i = g_list.count;
        g_list.ids[i] = id;
        g_list.file_numbers[i] = n;
        g_list.names[i] = strdup(name);
        if (!g_list.names[i]) ok = 0;
        g_list.count = i + 1;
    }
    if (!g_active_name && !set_active_name(kDeutschland)) ok = 0;
    return ok;
}

// Tells the user that the annex file of `name` could not be read and the
// recommended values are in force: a line on stderr in batch mode (once a
// run for the same annex and reason), a box otherwise.
static void report_unreadable(const char* name) {
    const char* reason = g_failure_reason.c_str();
    if (VEK_Batch_Mode()) {
        if (!g_told.insert(std::string(name) + '\n' + reason).second) return;
        std::fprintf(stderr, "NAD \"%s\" nicht lesbar: es gelten die EC-Standardparameter\n", name);
        if (*reason) std::fprintf(stderr, "NAD \"%s\": %s\n", name, reason);
        return;
    }
    Init_Message();
    Set_Message_Title("Warnung");
    Fill_Message("%s", "Das Anwendungsdokument");
    Fill_Message("%s", name);
    Fill_Message("%s", "kann nicht gelesen werden.");
    if (*reason) Fill_Message("(%s)", reason);
    Fill_Message("%s", "Es gelten die Empfehlungswerte");
    Fill_Message("%s", "der Eurocodes (EC-Standardparameter).");
    // A notice that asks nothing: it must not take an answer meant for a
    // box that follows.
    Show_Message();
    Quit_Message();
}

// A name that no annex carries is an error of the input, not a request for
// another country's factors: the project keeps its choice, the record holds
// the recommended values, and the checks that rest on the annex are not
// carried out (NAD_Unknown_Name tells them).
static void mark_unknown(const char* name) {
    g_unknown_name = name;
    g_active_id = NAD_ID_STANDARD;
    g_load_failed = 0;
    g_load_damaged = 0;
    g_failed_name.clear();
    g_failure_reason.clear();
    standard_fill(&g_current);
}

int Activate_NAD() {
    int index = -1;
    if (g_active_name)
        for (int i = 0; i < g_list.count; ++i)
            if (g_list.names[i] && std::strcmp(g_list.names[i], g_active_name) == 0) {
                index = i;
                break;
            }
    if (!g_active_name && !set_active_name(kDeutschland)) return 0;
    g_unknown_name.clear();
    if (index < 0 && std::strcmp(g_active_name, kDeutschland) != 0) {
        if (g_verbose) std::printf("Can't find %s\n", g_active_name);
        mark_unknown(g_active_name);
        if (g_unreadable_annexes.empty()) return 0;
        // Not among the annexes that can be read, while some cannot be: the
        // annex asked for is taken as unreadable, not as unknown.
        g_unknown_name.clear();
        g_load_failed = g_load_damaged = 1;
        g_failed_name = shown_name();
        g_failure_reason = "nicht gefunden; nicht lesbar: " + g_unreadable_annexes;
        report_unreadable(shown_name());
        return 0;
    }
    // "Deutschland" is built in: found even before a list exists.
    if (index < 0) index = 1;
    g_active_id = g_list.count > index ? g_list.ids[index] : NAD_ID_DEUTSCHLAND;
    const int number = g_list.count > index ? g_list.file_numbers[index] : 0;
    const char* builtin = index == 0 ? "Standard" : kDeutschland;
    standard_fill(&g_current);
    const int loaded = Load_NAD(number, builtin, &g_current);
    // The recommended values are the standard set's own values, so only a
    // failed load of any other annex leaves values that are not the annex's:
    // whether its file is missing or damaged, they may be lower than the
    // annex's own, and the checks that rest on it are not carried out.
    g_load_failed = !loaded && index != 0;
    g_load_damaged = g_load_failed;
    g_failed_name = g_load_failed ? shown_name() : "";
    g_failure_reason = NAD_Last_Load_Damaged() ? NAD_Last_Load_Reason() : g_load_failed ? "nicht vorhanden" : "";
    if (g_load_failed) report_unreadable(shown_name());
    return loaded;
}

// The warning that a project's annex was not found: no other annex takes
// its place, the checks wait for an annex that exists (the warning sheet
// lets the user choose one). In batch mode it is a line on stderr and never
// a window.
static void warn_unknown(const char* requested) {
    if (VEK_Batch_Mode()) {
        std::fprintf(stderr, "NAD \"%s\" nicht gefunden: Nachweise werden nicht gef\x81hrt\n", requested);
        return;
    }
    // The sheet offers the selection of an annex that exists.
    NAD_Warning_Sheet(requested);
}

void Set_Active_NAD_By_Name(const char* name) {
    // Copied first: the name may be the active name itself.
    const std::string requested = name ? name : "";
    Scan_NAD_List();
    // No name and the project's own definitions both mean the German set.
    const bool german = !name || requested == kLocalDefinitions;
    const std::string wanted = german ? kDeutschland : requested;
    const bool copied = set_active_name(wanted.c_str());
    if (g_verbose) std::printf("\nSET: Preparing %s ...\n", wanted.c_str());
    Activate_NAD();
    // A failed copy left the old name active: that annex was not asked for.
    if (!copied) mark_unknown(wanted.c_str());
    if (!g_unknown_name.empty()) warn_unknown(g_unknown_name.c_str());
}

const char* Get_Requested_NAD_Name() { return g_active_name; }

int Set_Requested_NAD_Name(const char* name) { return name ? set_active_name(name) : 0; }

// The common first steps of every query of the current annex (the program
// rule tables that come first in the full sequence are not read by this
// program yet).
static void lazy_activation() {
    Scan_Application_NADs();
    if (!g_active_name) Set_Active_NAD_By_Name(nullptr);
}

const char* Get_Active_NAD_Name() {
    lazy_activation();
    if (g_load_failed || !g_unknown_name.empty()) return kStandardListName;
    return shown_name();
}

int Get_Active_NAD_Id() {
    lazy_activation();
    return g_load_failed || !g_unknown_name.empty() ? NAD_ID_STANDARD : g_active_id;
}

const char* Get_Active_NAD_Display_Name() {
    const char* name = Get_Active_NAD_Name();
    if (std::strcmp(name, kDeutschland) == 0 || std::strcmp(name, kStandardListName) == 0) return name;
    std::snprintf(g_display_name, sizeof g_display_name, "%s (benutzerdefiniert)", name);
    return g_display_name;
}

// The getter pattern: lazy activation; a record that holds no annex gets
// the recommended values without a file. "No annex" is the record never
// filled (user-annex flag still -1), not a negative id: an annex file may
// carry any id, and its values must not be wiped by the next query.
static NAD_Record* current() {
    lazy_activation();
    if (g_current.user < 0) standard_fill(&g_current);
    return &g_current;
}

NAD_EC0_Block* Get_NAD_EC0() { return &current()->ec0; }
NAD_EC1_Block* Get_NAD_EC1() { return &current()->ec1; }
NAD_EC2_Block* Get_NAD_EC2() { return &current()->ec2; }
NAD_EC3_Block* Get_NAD_EC3() { return &current()->ec3; }
NAD_EC5_Block* Get_NAD_EC5() { return &current()->ec5; }
NAD_EC6_Block* Get_NAD_EC6() { return &current()->ec6; }
NAD_EC9_Block* Get_NAD_EC9() { return &current()->ec9; }
int Get_NAD_Variant() { return current()->variant; }
NAD_Record* Get_Current_NAD_Record() { return current(); }
const NAD_List* Get_NAD_List() { return &g_list; }

int NAD_Load_Failed() { return g_load_failed; }
int NAD_Load_Damaged() { return g_load_damaged; }
const char* NAD_Failure_Reason() { return g_failure_reason.c_str(); }
const char* NAD_Failed_Name() { return g_failed_name.c_str(); }
const char* NAD_Unknown_Name() {
    lazy_activation();
    return g_unknown_name.c_str();
}

void Read_ACTIV_NADNAME(FILE* f) {
    char name[GUILLEMET_NAME_SIZE] = "";
    const bool found = f && Find_Keyword_Int("ACTIV_NADNAME", f, nullptr) && Read_Guillemet_Name(f, name) > 0;
    Set_Active_NAD_By_Name(found ? name : nullptr);
}

int Write_ACTIV_NADNAME(FILE* f) {
    if (!f) return 0;
    lazy_activation();
    // The requested name, also when its file could not be read, so that the
    // project keeps its choice for the next run.
    if (!g_active_name || std::fputs("\n\nACTIV_NADNAME\n", f) < 0) return 0;
    if (std::fprintf(f, "\xAE%s\xAF\n", g_active_name) < 0) return 0;
    return std::ferror(f) ? 0 : 1;
}

static int write_current(FILE* f, void*) { return Write_NAD_File(f, &g_current); }

int Write_NAD_EC2_File(const char* path) {
    if (!path) return 0;
    lazy_activation();
    const std::string name = std::string(path) + "_EC2.NAD";
    return VEK_Write_File_Replacing(name.c_str(), write_current, nullptr);
}

void Draw_Active_NAD_Flag(int x, int y) {
    const char* data = VEKGetEnv("DATA");
    if (!data) return;
    char path[VEK_MAX_PATH + 1];
    if (!VEK_Join_Path(path, sizeof path, data, "NAD\\EuroFlags.bmp")) return;
    const int k = Get_Active_NAD_Id();
    pxDrawPartialTransparentDIB(path, 0, 19 * k, 25, 19 * k + 18, x, y, x + 24, y + 18, 201, -1, 255, 251, 240);
}

void Draw_Active_NAD_Flag_Entry(int x, int y) { Draw_Active_NAD_Flag(x, y); }
void Draw_Active_NAD_Flag_Entry_2(int x, int y) { Draw_Active_NAD_Flag(x, y); }

int Load_NAD_EC1_DIN_1055() { return Load_WUSL_Annex(0, "DIN 1055-(4+5)", &current()->ec1); }

int Write_ACTIV_NADNAME_Entry(FILE* f) { return Write_ACTIV_NADNAME(f); }
int Write_ACTIV_NADNAME_Entry_2(FILE* f) { return Write_ACTIV_NADNAME(f); }
void NAD_Stub_Empty(int) {}
int NAD_Stub_Zero() { return 0; }
