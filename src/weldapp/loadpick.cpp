// loadpick: the internal-force selection's answer and the import of its
// results as load cases (see the header).
#include "weldapp/loadpick.h"
#include "weldapp/lasttabelle.h"

#include <cmath>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "base/textio.h"
#include "base/vekexport.h"
#include "base/vesk.h"
#include "platform/desktop.h"
#include "platform/field_number.h"
#include "platform/msgbox.h"
#include "platform/posix.h"
#include "weldapp/archive.h"
#include "weldapp/control_words.h"
#include "weldapp/exchange.h"
#include "weldapp/partpick.h"
#include "weldapp/schweissnaht.h"
#include "weldapp/sibling_tool.h"
#include "weldapp/tool_text.h"

namespace {

enum { TEXT_BUFFER = 256 };  // what Read_Guillemet_String needs

CutResult* results = nullptr;
int result_count = 0;       // results allocated (and to be freed)
int values_per_result = 0;
int valid = 0;
VEKBauteil* last_component = nullptr;
int cut_count = 0;
VEKExportObject* cut_objects[LOADPICK_MAX_CUTS];
int cut_results[LOADPICK_MAX_CUTS];
long refused_count = 0;  // results of an answer refused for its size

const Sibling_Tool LOADPICK = {
    "LoadPick.exe",
    "VEK - Schnittgr\xF6\xDF" "enauswahl",  // the desktop keeps this title in the Windows code page
    "Bitte wählen Sie Schnittgrößen aus"_cp,
    -110,
    1,
    TOOL_BOX_SQUARES,
    {"Das VEK-Werkzeug zur Auswahl von Schnittgrößen-"_cp, "sätzen ist bereits aktiv. Bitte schließen Sie"_cp,
     "das Fenster und versuchen es erneut."},
};

const CutResult* At(int i) { return valid && i >= 0 && i < result_count ? &results[i] : nullptr; }

char* Keep_Text(const char* text, int length) {
    return length > 0 ? Mem_Strdup(__FILE__, __LINE__, "null", text) : nullptr;
}

// «text» into *out (null for «»); false for a text without « and for one
// of 255 characters or more, which the reader could only take cut.
bool Read_Text(FILE* f, char** out) {
    char buffer[TEXT_BUFFER];
    const int n = Read_Guillemet_String(f, buffer);
    if (n < 0 || n >= TEXT_BUFFER - 1) return false;
    *out = Keep_Text(buffer, n);
    return n == 0 || *out;
}

bool Read_Result(FILE* f, CutResult* r, int m) {
    r->values = static_cast<float*>(Mem_Calloc(__FILE__, __LINE__, "null", static_cast<size_t>(m), sizeof(float)));
    if (!r->values) return false;
    for (int k = 0; k < m; ++k)
        if (std::fscanf(f, "%f", &r->values[k]) != 1 || !std::isfinite(r->values[k])) return false;
    if (std::fscanf(f, "%d%f", &r->id, &r->value) != 2) return false;
    return Read_Text(f, &r->text1) && Read_Text(f, &r->text2);
}

void Read_Info(FILE* f, int n) {
    int count = 0;
    char word[16];
    if (std::fscanf(f, "%d%15s", &count, word) != 2 || std::strcmp(word, "Info") != 0 || count != n) return;
    for (int i = 0; i < n; ++i)
        for (char*& text : results[i].info)
            if (!Read_Text(f, &text)) return;
}

// The multi-cut head: the cuts' exchange objects and result counts; the
// number of results, or 0.
int Read_Cuts(FILE* f, int cuts) {
    int unused = 0, k = 0;
    if (!Find_Keyword_Int("MULTICUT", f, &unused) || std::fscanf(f, "%d", &k) != 1 || k != cuts) return 0;
    for (int c = 0; c < cuts; ++c) {
        cut_objects[c] = Read_VEKExport_Object(f);
        if (!cut_objects[c]) return 0;
        cut_count = c + 1;
    }
    if (!Find_Keyword_Int("RESULTS", f, nullptr)) return 0;
    long n = 0;
    for (int c = 0; c < cuts; ++c) {
        if (std::fscanf(f, "%d", &cut_results[c]) != 1 || cut_results[c] < 0) return 0;
        n += cut_results[c];
    }
    if (n > LOADPICK_MAX_RESULTS) refused_count = n;
    return n <= LOADPICK_MAX_RESULTS ? static_cast<int>(n) : 0;
}

const char* Archive_Reason(int code) {
    switch (code) {
        case ARCHIVE_NOT_READABLE: return "Das Archiv ist nicht lesbar.";
        case ARCHIVE_UNSAFE: return "Das Archiv enthält Pfade außerhalb seines Ordners."_cp;
        case ARCHIVE_TOO_LONG: return "Ein Pfad ist zu lang.";
        case ARCHIVE_NO_EXEC:
        case ARCHIVE_NO_TEMP: return "Die Verzeichnisse EXEC und TEMP sind nicht gesetzt.";
        default: return "Das Entpackprogramm 7za fehlt oder meldet einen Fehler.";
    }
}

// The exchange file handed to LoadPick: the component's own, or the member
// "AAAA.EX2" of its archive extracted into "TEMP" (extracted then true).
bool Exchange_File(const VEKBauteil* component, const char* temp, std::string* path, bool* extracted) {
    *extracted = false;
    if (!component->packed) {
        *path = std::string(component->file_stem) + ".EX2";
        return true;
    }
    const int code = Extract_From_Archive(component->archive, "AAAA.EX2", temp);
    if (code != ARCHIVE_OK) {
        Init_Message();
        Set_Message_Title("Schnittgrößenimport"_cp);
        Fill_Message("%s", "Die Austauschdatei des Bauteils");
        Fill_Message("%s", component->name);
        Fill_Message("%s", "kann dem Archiv nicht entnommen werden.");
        Fill_Message("%s", Archive_Reason(code));
        Draw_Message();
        return false;
    }
    *path = VEK_Join_String(temp, "AAAA.EX2");
    *extracted = true;
    return true;
}

VEKBauteil* Choose_Component(VEKBauteil* given) {
    if (given) return given;
    if (last_component) {
        Init_Message();
        Fill_Message("%s", "Gleiches Bauteil");
        Fill_Message("(%s)", last_component->name);
        Fill_Message("%s", "wie zuvor?");
        if (Answer_is_Yes(1)) return last_component;
    }
    return Select_Component(COMPONENT_MODE);
}

int Run_Import(VEKBauteil* given, int a, int b, int c, int d, int cuts, const char* const* cut_arguments) {
    Release_Cut_Results();
    refused_count = 0;
    const char* temp = VEKGetEnv("TEMP");
    if (!temp) return 0;
    VEKBauteil* component = Choose_Component(given);
    if (!component) return 0;
    last_component = component;
    std::string exchange;
    bool extracted = false;
    if (!Exchange_File(component, temp, &exchange, &extracted)) return 0;
    std::vector<std::string> texts{exchange, std::to_string(a), std::to_string(b), std::to_string(c),
                                   std::to_string(d)};
    if (cuts > 0) {
        texts.push_back(std::to_string(cuts));
        for (int k = 0; k < cuts; ++k) texts.emplace_back(cut_arguments && cut_arguments[k] ? cut_arguments[k] : "");
    }
    std::vector<const char*> arguments;
    for (const std::string& t : texts) arguments.push_back(t.c_str());
    arguments.push_back(nullptr);
    const int ran = Run_Sibling_Tool(&LOADPICK, arguments.data(), "LoadPick.res");
    if (extracted) std::remove(exchange.c_str());
    char answer[VEK_MAX_PATH + 1];
    if (!ran || !Tool_Answer_Path(answer, sizeof answer, "LoadPick.res")) return 0;
    // No answer: the user cancelled. An answer that is no file (a FIFO
    // would hang the reading) or larger than any file of results, is refused.
    int refusal = VEK_READ_OK;
    FILE* f = VEK_Open_Reading(answer, VEK_READ_CAP_DATA, &refusal);
    if (!f && refusal == VEK_READ_MISSING) return 0;
    const int n = f ? Read_LoadPick_Answer(f, cuts) : 0;
    if (f) std::fclose(f);
    if (n == 0 && refused_count > 0) {
        // Sound, but more than the load table holds: named as such, with
        // the words of the text-file reader.
        Init_Message();
        Set_Message_Title("Schnittgrößenimport"_cp);
        Fill_Message("%s", "Die Antwort der Schnittgrößenauswahl wird nicht eingelesen:"_cp);
        Fill_Message("%s", Too_Many_Combinations_Text(refused_count, LOADPICK_MAX_RESULTS).c_str());
        Fill_Message("%s", "Es wurden keine Schnittgrößen übernommen."_cp);
        Draw_Message();
    } else if (n == 0) {
        Init_Message();
        Set_Message_Title("Lesefehler");
        Fill_Message("%s", "Die Antwort der Schnittgrößenauswahl ist nicht lesbar."_cp);
        if (!f) Fill_Message("LoadPick.res: %s", VEK_Read_Refusal_Text(refusal));
        Fill_Message("%s", "Es wurden keine Schnittgrößen übernommen."_cp);
        Draw_Message();
    }
    return n;
}

}  // namespace

int Read_LoadPick_Answer(FILE* f, int cuts) {
    Release_Cut_Results();
    refused_count = 0;
    int version = 0, n = 0, m = 0;
    if (!f || cuts < 0 || cuts > LOADPICK_MAX_CUTS || std::fscanf(f, " V:%d", &version) != 1) return 0;
    if (cuts > 0) {
        n = Read_Cuts(f, cuts);
        m = 6 * cuts;
    } else if (std::fscanf(f, "%d%d", &n, &m) != 2) {
        return 0;
    }
    if (cuts == 0 && n > LOADPICK_MAX_RESULTS && m > 0 && m <= LOADPICK_MAX_VALUES) refused_count = n;
    if (n <= 0 || m <= 0 || n > LOADPICK_MAX_RESULTS || m > LOADPICK_MAX_VALUES) return 0;
    // Every value takes two bytes at least: a count beyond what is left of
    // the file is damage, not a reason to allocate.
    const long left = Bytes_Left_In_File(f);
    if (left >= 0 && static_cast<long long>(n) * m * 2 > left) return 0;
    results = static_cast<CutResult*>(Mem_Calloc(__FILE__, __LINE__, "null", static_cast<size_t>(n), sizeof(CutResult)));
    if (!results) return 0;
    result_count = n;
    values_per_result = m;
    for (int i = 0; i < n; ++i)
        if (!Read_Result(f, &results[i], m)) return 0;
    valid = 1;
    if (cuts == 0) Read_Info(f, n);
    return n;
}

int Import_BeamCutResults0(VEKBauteil* component, int a, int b, int c, int d) {
    return Run_Import(component, a, b, c, d, 0, nullptr);
}

int Import_BeamCutResults_Pick(int a, int b, int c, int d) { return Import_BeamCutResults0(nullptr, a, b, c, d); }

int Import_BeamCutMultiResults0(VEKBauteil* component, int a, int b, int c, int d, int cuts,
                                const char* const* cut_arguments) {
    if (cuts > LOADPICK_MAX_CUTS) {
        std::printf("Import_BeamCutMultiResults0: n=%d ? to much :-(\n", cuts);
        return 0;
    }
    return Run_Import(component, a, b, c, d, cuts < 0 ? 0 : cuts, cut_arguments);
}

int Import_BeamCutMultiResults_Pick(int a, int b, int c, int d, int cuts, const char* const* cut_arguments) {
    return Import_BeamCutMultiResults0(nullptr, a, b, c, d, cuts, cut_arguments);
}

int Get_CutResult_Values(int i, float* out) {
    const CutResult* r = At(i);
    if (!r || !out) return 0;
    std::memcpy(out, r->values, static_cast<size_t>(values_per_result) * sizeof(float));
    return 1;
}

int Get_CutResult_Id(int i) { return At(i) ? At(i)->id : 0; }
float Get_CutResult_Value(int i) { return At(i) ? At(i)->value : 0.0f; }
const char* Get_CutResult_Text1(int i) { return At(i) ? At(i)->text1 : nullptr; }
const char* Get_CutResult_Text2(int i) { return At(i) ? At(i)->text2 : nullptr; }
const char* Get_CutResult_Info1(int i) { return At(i) ? At(i)->info[0] : nullptr; }
const char* Get_CutResult_Info2(int i) { return At(i) ? At(i)->info[1] : nullptr; }
const char* Get_CutResult_Info3(int i) { return At(i) ? At(i)->info[2] : nullptr; }
const char* Get_CutResult_Info4(int i) { return At(i) ? At(i)->info[3] : nullptr; }
const char* Get_CutResult_Info5(int i) { return At(i) ? At(i)->info[4] : nullptr; }
int Get_CutResult_Count(void) { return valid ? result_count : 0; }
int Get_CutResult_Value_Count(void) { return valid ? values_per_result : 0; }

VEKExportObject* Get_Cut_ExportObject(int k) {
    return valid && k >= 0 && k < cut_count ? cut_objects[k] : nullptr;
}

int Get_Cut_Result_Count(int k) { return valid && k >= 0 && k < cut_count ? cut_results[k] : 0; }

const char* Get_LoadPick_Component_Stem(void) { return last_component ? last_component->file_stem : nullptr; }

void Free_Cut_Results(void) {
    for (int i = 0; results && i < result_count; ++i) {
        CutResult& r = results[i];
        Mem_Free(__FILE__, __LINE__, "null", r.values);
        Mem_Free(__FILE__, __LINE__, "null", r.text1);
        Mem_Free(__FILE__, __LINE__, "null", r.text2);
        for (char* text : r.info) Mem_Free(__FILE__, __LINE__, "null", text);
    }
    Mem_Free(__FILE__, __LINE__, "null", results);
    results = nullptr;
    result_count = 0;
    valid = 0;
}

void Release_Cut_Results(void) {
    Free_Cut_Results();
    for (int k = 0; k < cut_count; ++k) Free_VEKExport_Object(cut_objects[k]);
    cut_count = 0;
    values_per_result = 0;
}

void Reset_LoadPick(void) {
    Release_Cut_Results();
    refused_count = 0;
    last_component = nullptr;
}

// ---- the load-case page's import ----

namespace {

// A row counts as empty when all its values are within 0.01 in the units
// it is shown in (the factors of Load_Unit_To_Screen).
bool Row_Is_Empty(const Lastfall& c, Schnittkraefte_Units to_screen) {
    const Schnittkraefte f = Scale_Schnittkraefte(c.forces, to_screen);
    return std::fabs(f.N) <= 0.01 && std::fabs(f.V_y) <= 0.01 && std::fabs(f.V_z) <= 0.01 &&
           std::fabs(f.M_x) <= 0.01 && std::fabs(f.M_y) <= 0.01 && std::fabs(f.M_z) <= 0.01;
}

// LoadPick gives N, Vy, Vz, Mx, My, Mz in kN and kNm; the record holds N
// and Nmm whatever unit the table shows.
Lastfall Imported_Case(int k, const float* v) {
    Lastfall c{};
    std::snprintf(c.name, sizeof c.name, "Import Lk %-*d", LASTFALL_NAME_STORED - 10, k);
    Schnittkraefte kn;
    kn.N = v[0];
    kn.V_y = v[1];
    kn.V_z = v[2];
    kn.M_x = v[3];
    kn.M_y = v[4];
    kn.M_z = v[5];
    c.forces = Scale_Schnittkraefte(kn, SCHNITTKRAEFTE_FROM_KN);
    return c;
}

void Refuse_Import(const char* line1, const char* line2) {
    Init_Message();
    Set_Message_Title("Schnittgrößenimport"_cp);
    Fill_Message("%s", line1);
    Fill_Message("%s", line2);
    Fill_Message("%s", "Die Lastfalltabelle bleibt unverändert."_cp);
    Draw_Message();
}

void Write_Protocol(const VEKBauteil* component) {
    FILE* protocol = Open_Import_Protocol(0, 0);
    if (!protocol) return;  // a protocol that cannot be kept is no reason to refuse the forces
    std::fprintf(protocol, "VEK-Export-Bauteil: %s", component->name);
    std::fprintf(protocol, " (letzte Aktion: %s)", component->last_action);
    std::fputc('\n', protocol);
    if (Get_CutResult_Info1(0)) std::fprintf(protocol, "Kontrollpunkt: %s\n", Get_CutResult_Info1(0));
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    std::fprintf(protocol, "Import erfolgreich: %2.2d.%2.2d.%2.2d %2.2d:%2.2d\n", t.tm_mday, t.tm_mon + 1,
                 t.tm_year + 1900 - 2000, t.tm_hour, t.tm_min);
    std::fputs("----------------------\n", protocol);
    std::fclose(protocol);
}

}  // namespace

int Import_Component_Loads(SchweissnahtAnschluss* record) {
    if (!record) return 0;
    VEKBauteil* component = Select_Component(COMPONENT_MODE);
    const int n = component ? Import_BeamCutResults0(component, LOADPICK_MAX_RESULTS, 4159, 1, 58) : 0;
    if (n <= 0) {
        Release_Cut_Results();
        return 0;
    }
    if (Get_CutResult_Value_Count() != LOADPICK_WELD_VALUES) {
        Release_Cut_Results();
        Refuse_Import("Die Auswahl enthält nicht die sechs Schnittgrößen", "N, Vy, Vz, Mx, My, Mz je Ergebnis."_cp);
        return 0;
    }
    const Schnittkraefte_Units to_screen = Load_Unit_To_Screen(record->load_unit);
    const int old_count = record->loads ? record->load_count : 0;
    int filled = 0;  // empty rows at the top that take imported cases
    while (filled < old_count && filled < n && Row_Is_Empty(record->loads[filled], to_screen)) filled++;
    const int count = old_count + n - filled;
    if (count > LOADPICK_MAX_RESULTS) {
        Release_Cut_Results();
        Refuse_Import("Die Lastfalltabelle kann höchstens 10000 Lastfälle"_cp, "aufnehmen.");
        return 0;
    }
    auto* loads = static_cast<Lastfall*>(
        Weld_Calloc_Or_Exit(__FILE__, __LINE__, static_cast<size_t>(count), sizeof(Lastfall)));
    if (old_count > 0) std::memcpy(loads, record->loads, static_cast<size_t>(old_count) * sizeof(Lastfall));
    float v[LOADPICK_WELD_VALUES];
    for (int i = 0; i < n; ++i) {
        Get_CutResult_Values(i, v);
        const Lastfall c = Imported_Case(i + 1, v);
        // A value the table and the input file do not take refuses the
        // import as a whole, as the others do.
        if (!Lasttabelle_Forces_Storable(c.forces)) {
            Mem_Free(__FILE__, __LINE__, "null", loads);
            Release_Cut_Results();
            char line[2][160];
            std::snprintf(line[0], sizeof line[0], "Ergebnis %d enthält eine Schnittgröße, die keine Zahl oder"_cp, i + 1);
            std::snprintf(line[1], sizeof line[1], "größer als %s kN (eine Kraft) oder %s kNm (ein Moment) ist."_cp,
                          VEK_Number_Text(LASTFALL_MAX_FORCE / 1e3).c_str(), VEK_Number_Text(LASTFALL_MAX_FORCE / 1e6).c_str());
            Refuse_Import(line[0], line[1]);
            return 0;
        }
        loads[i < filled ? i : old_count + i - filled] = c;
    }
    Write_Protocol(component);
    Release_Cut_Results();
    Mem_Free(__FILE__, __LINE__, "null", record->loads);
    record->loads = loads;
    record->load_count = count;
    New_Schweissnaht_Results(record);
    return n;
}
