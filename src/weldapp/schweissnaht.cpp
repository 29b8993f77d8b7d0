// The connection record, its weld layout and the input file.
#include "weldapp/schweissnaht.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "base/filenames.h"
#include "base/invariant.h"
#include "base/stored_text.h"
#include "base/textio.h"
#include "base/vesk.h"
#include "codes/material.h"
#include "codes/nad.h"
#include "codes/nad_old.h"
#include "platform/desktop.h"
#include "platform/msgbox.h"
#include "platform/oli_source.h"
#include "platform/posix.h"
#include "printlist/ioliwrt.h"
#include "printlist/oli_para.h"
#include "printlist/plotfile.h"
#include "printlist/verdict.h"
#include "profiles/profile_catalogue.h"
#include "weldapp/connection_invariants.h"
#include "weldapp/input_page.h"
#include "weldapp/output_pair.h"
#include "weldapp/print_schweissnaht.h"
#include "weldapp/program_context.h"
#include "weldapp/shell_pages.h"
#include "weldapp/tool_text.h"
#include "weldcheck/weld_check.h"
#include "weldcheck/weldelem.h"

SchweissnahtAnschluss Schweissnaht_Anschluss = {};
int Schweissnaht_Import_Mode = 0;

// What became of the input file of this run.
enum Input_State {
    INPUT_READ,       // read, or there was none (a new position)
    INPUT_DAMAGED,    // opened, its content refused: its bytes are kept as
                      // "_NN.INP.bak" before the first save overwrites them
    INPUT_UNOPENED,   // there, but it cannot be opened: never written over
};
static int s_input_state = INPUT_READ;
// Why the input file was not read (code page 850), for the save's refusal.
static std::string s_input_reason;
// The identity of the input file as the run read it (or saved it last): the
// lists of it carry it, and the window's start compares the list with it.
static OliSource s_input_source;

// The thin plate whose box the screen showed last (NaN: none since the
// thickness was last usable or a file was loaded).
static double s_thin_plate_told = NAN;

// ---- record ----

static void clear_naht(Nahtbild* n) {
    n->uniform_grade = 0;
    Clear_Material_Params(&n->material);
    Init_Profile(&n->profile);
    Clear_Plate(&n->plate);
    n->weld_kind = n->full_length = n->all_round = n->full_penetration = 0;
    n->a_w = n->a_w_fo = n->a_w_fu = n->contact_fraction = 0.0;
    n->weld_count = 0;
    for (int k = 0; k < NAHT_SLOTS; ++k) {
        n->number[k] = 0;
        n->throat[k] = n->length[k] = 0.0;
    }
    n->no_length_check = n->no_throat_check = 0;
}

void Init_Schweissnaht(SchweissnahtAnschluss* r) {
    WELD_CHECK_AT_EXIT(Check_Schweissnaht_Invariants(r));
    if (!r) return;
    r->code_setting = 0;
    r->gamma_M = 0.0;
    Clear_Safety_Factors(&r->safety);
    r->section_check = r->section_method = r->weld_method = 0;
    clear_naht(&r->naht);
    r->shear_split = r->short_welds = 0;
    Alloc_Lasten(r, 0);
    Default_Print_Props(&r->print);
    New_Schweissnaht_Results(r);
}

void New_Schweissnaht_Results(SchweissnahtAnschluss* r) {
    WELD_CHECK_AT_EXIT(Check_Schweissnaht_Invariants(r));
    if (!r) return;
    Mem_Free(__FILE__, __LINE__, "null", r->results);
    if (r->load_count < 1) r->load_count = 1;
    r->results = static_cast<LastfallErgebnis*>(
        Weld_Calloc_Or_Exit(__FILE__, __LINE__, static_cast<size_t>(r->load_count), sizeof(LastfallErgebnis)));
    r->governing_case = -1;
    r->input_error = r->loaded_count = 0;
    r->max_utilisation = r->max_ct_utilisation = 0.0;
}

void Reset_Schweissnaht(SchweissnahtAnschluss* r) { Init_Schweissnaht(r); }

void Free_Schweissnaht(SchweissnahtAnschluss* r) {
    if (!r) return;
    Mem_Free(__FILE__, __LINE__, "null", r->loads);
    Mem_Free(__FILE__, __LINE__, "null", r->results);
    Mem_Free(__FILE__, __LINE__, "null", r->print.vorbemerkungen);
    r->loads = nullptr;
    r->results = nullptr;
    r->print.vorbemerkungen = nullptr;
}

static void layout_steps(Nahtbild* n, FILE* list, int level);

void Default_Schweissnaht(SchweissnahtAnschluss* r) {
    WELD_CHECK_AT_EXIT(Check_Schweissnaht_Invariants(r));
    if (!r) return;
    Init_Schweissnaht(r);
    r->safety.from_annex = 1;
    Update_Safety_Factors_From_NAD(&r->safety);
    r->gamma_M = 1.1;
    Nahtbild* n = &r->naht;
    n->uniform_grade = 1;
    Default_Material_Params(&n->material);
    Set_Default_Profile(&n->profile);
    n->plate.t = 35.0;
    Default_Material_Params(&n->plate.material);
    Check_Plate_And_Material(&n->plate, nullptr, 0, 65, "");
    const int count = Get_Profile_Plate_Elements(&n->profile, n->length, n->number);
    n->weld_count = count > 0 ? count : 0;
    n->a_w = n->a_w_fo = n->a_w_fu = 5.0;
    for (int k = 0; k < n->weld_count; ++k) n->throat[k] = 5.0;
    r->shear_split = 0;
    n->contact_fraction = 0.75;
    layout_steps(n, nullptr, 0);
    r->print.massstab = 5.0;
}

void Copy_Schweissnaht(const SchweissnahtAnschluss* s, SchweissnahtAnschluss* t) {
    WELD_CHECK_AT_EXIT(Check_Schweissnaht_Invariants(t));
    if (!s || !t || s == t) return;
    Init_Schweissnaht(t);
    t->code_setting = s->code_setting;
    t->gamma_M = s->gamma_M;
    Copy_Safety_Factors(&s->safety, &t->safety);
    t->section_check = s->section_check;
    t->section_method = s->section_method;
    t->weld_method = s->weld_method;
    // The plain fields of the weld part at once, then the records with
    // their own copies.
    const Nahtbild& from = s->naht;
    Nahtbild& to = t->naht;
    to = from;
    Copy_Material_Params(&from.material, &to.material);
    Copy_Profile(&from.profile, &to.profile);
    Copy_Plate(&from.plate, &to.plate);
    t->shear_split = s->shear_split;
    t->short_welds = s->short_welds;
    Copy_Lasten(s, t);
    Copy_Print_Props(&s->print, &t->print);
    // The results follow the new count, zeroed.
    New_Schweissnaht_Results(t);
}

// ---- weld layout ----

static bool slot_present(const Nahtbild* n, int k) { return n->throat[k] >= 0.001 && n->length[k] >= 0.001; }

static void set_throats(Nahtbild* n, std::initializer_list<int> slots, double a) {
    for (int k : slots) n->throat[k] = a;
}

// Faces the profile does not number keep another profile's welds' throats.
static void limit_throats(Nahtbild* n, std::initializer_list<int> slots, double limit) {
    for (int k : slots) if (n->number[k] > 0 && n->throat[k] > limit) n->throat[k] = limit;
}

// A group of slots joining one part of thickness t: welded from both sides
// when its first slot and another one are present; each throat is held to
// the (reduced) thickness, or half of it from both sides.
static void limit_group(Nahtbild* n, std::initializer_list<int> slots, double t) {
    if (!n->no_throat_check) t -= std::fmax(0.2 * t, 3.0);
    const int first = *slots.begin();
    bool other = false;
    for (int k : slots)
        if (k != first && slot_present(n, k)) other = true;
    const bool both_sides = slot_present(n, first) && other;
    limit_throats(n, slots, both_sides ? 0.5 * t : t);
}

static void layout_steps(Nahtbild* n, FILE* list, int level) {
    const Stahlprofil& p = n->profile;
    const int type = p.type;
    // The faces by the I family's names (profiles/stahlprofil.h): the
    // flanges' and the web's (each group's first face decides whether the
    // part is welded from both sides), the ends, and the outer faces and
    // sides of the flat bar and the rectangular tube.
    const std::initializer_list<int> top = {WELD_FACE_TOP_OUTER, WELD_FACE_TOP_INNER_LEFT, WELD_FACE_TOP_INNER_RIGHT};
    const std::initializer_list<int> web = {WELD_FACE_WEB_LEFT, WELD_FACE_WEB_RIGHT};
    const std::initializer_list<int> bottom = {WELD_FACE_BOTTOM_OUTER, WELD_FACE_BOTTOM_INNER_LEFT,
                                               WELD_FACE_BOTTOM_INNER_RIGHT};
    const std::initializer_list<int> ends = {WELD_FACE_TOP_END_LEFT, WELD_FACE_BOTTOM_END_LEFT, WELD_FACE_TOP_END_RIGHT,
                                             WELD_FACE_BOTTOM_END_RIGHT};
    const std::initializer_list<int> outer = {WELD_FACE_TOP_OUTER, WELD_FACE_BOTTOM_OUTER};
    const std::initializer_list<int> sides = {WELD_FACE_SIDE_LEFT, WELD_FACE_SIDE_RIGHT};
    if (!n->all_round) {
        auto off = [&](std::initializer_list<int> slots) {
            for (int k : slots) n->number[k] = 0;
        };
        // The faces only an all-round weld uses, and the right halves of a
        // split flange weld.
        const std::initializer_list<int> left_ends = {WELD_FACE_TOP_END_LEFT, WELD_FACE_BOTTOM_END_LEFT};
        if (Is_Profile_Type_One_Of(type, {PROFILTYP_FLACH, PROFILTYP_L})) {
            off(left_ends);
        } else if (Is_Profile_Type_In(PROFILTYP_MASK_I, type)) {
            off(ends);
            off({WELD_FACE_TOP_OUTER_RIGHT, WELD_FACE_BOTTOM_OUTER_RIGHT});
        } else if (Is_Profile_Type_One_Of(type, {PROFILTYP_C, PROFILTYP_U, PROFILTYP_Z})) {
            off(left_ends);
        } else if (Is_Profile_Type_One_Of(type, {PROFILTYP_T, PROFILTYP_HALB_I})) {
            off({WELD_FACE_TOP_END_LEFT, WELD_FACE_BOTTOM_END_LEFT, WELD_FACE_TOP_END_RIGHT});
            off({WELD_FACE_TOP_OUTER_RIGHT});
        }
        else if (Is_Profile_Type_One_Of(type, {PROFILTYP_RUND, PROFILTYP_ROHR}))
            n->all_round = 1;
    } else if (Is_Profile_Type_One_Of(type, {PROFILTYP_T, PROFILTYP_HALB_I})) {
        n->a_w_fu = 0.0;
    }
    (void)list;
    (void)level;

    if (n->weld_kind == WELD_BUTT && !Is_Profile_Type_One_Of(type, {PROFILTYP_RUND, PROFILTYP_ROHR})) {
        const double t_u = Is_Profile_Type_One_Of(type, {PROFILTYP_C, PROFILTYP_U, PROFILTYP_Z}) ? p.t_fo : p.t_fu;
        const bool four_faces = Is_Profile_Type_One_Of(type, {PROFILTYP_FLACH, PROFILTYP_RECHTECK});
        if (n->full_penetration) {
            // The weld is the section it joins: each face takes the share of
            // its part that the weld check builds the section from.
            const int faces = four_faces ? 4 : 8;
            for (int k = 0; k < faces; ++k) n->throat[k] = Full_Penetration_Throat(&p, k);
        } else if (type == PROFILTYP_RECHTECK) {
            // A tube's walls are welded from outside only: each wall on its
            // own, with the reduction of every partial penetration.
            limit_group(n, {WELD_FACE_TOP_OUTER}, p.t_fo);
            limit_group(n, {WELD_FACE_BOTTOM_OUTER}, p.t_fo);
            limit_group(n, {WELD_FACE_SIDE_LEFT}, p.t_w);
            limit_group(n, {WELD_FACE_SIDE_RIGHT}, p.t_w);
        } else if (type == PROFILTYP_FLACH) {
            limit_group(n, outer, p.h);
            limit_group(n, sides, p.t_w);
        } else {
            limit_group(n, top, p.t_fo);
            limit_group(n, web, p.t_w);
            limit_group(n, bottom, t_u);
        }
        if (type != PROFILTYP_RECHTECK) set_throats(n, ends, 0.0);
    }
    for (int k = 0; k < NAHT_SLOTS; ++k)
        if (n->throat[k] < 0.0) n->throat[k] = 0.0;
}

int Update_Weld_Layout(Nahtbild* n, FILE* list, int level) {
    if (!n) return 0;
    // With one grade for profile and plate the plate's strengths are those
    // the profile prints, but of the plate's own thickness: a plate the
    // grade's table has no values for gets its line like any other plate.
    // (Own values are checked with the profile.)
    const int uniform_mask = PLATE_THICKNESS | (n->plate.material.own_values ? 0 : PLATE_MATERIAL);
    const int mask = n->uniform_grade ? uniform_mask : PLATE_THICKNESS | PLATE_BETA_W | PLATE_MATERIAL;
    // At the screen every evaluation (chart, preview, save) checks the plate
    // again: a plate below 1 mm gets its box once, until its thickness
    // changes, not once per evaluation. The list keeps its line each time.
    bool tell_plate = level != 0;
    if (!VEK_Batch_Mode()) {
        const double t = n->plate.t;
        if (!(t < 1.0)) s_thin_plate_told = NAN;
        else if (t == s_thin_plate_told) tell_plate = false;
        else if (level) s_thin_plate_told = t;
    }
    int failed;
    if (tell_plate || !level) {
        failed = Check_Plate_And_Material(&n->plate, list, level, mask, "") != 0;
    } else {
        failed = Check_Plate_And_Material(&n->plate, list, 0, PLATE_THICKNESS, "") != 0;
        failed |= Check_Plate_And_Material(&n->plate, list, level, mask & ~PLATE_THICKNESS, "") != 0;
    }
    failed |= Calc_Profile_Cross_Section(&n->profile, list, level, "") != 0;
    // A catalogue profile whose record cannot be had says why.
    failed |= Print_Catalogue_Profile_Trouble(&n->profile, list) != 0;
    layout_steps(n, list, level);
    return failed;
}

// ---- input file ----

int Write_Schweissnaht(FILE* f, SchweissnahtAnschluss* r) {
    WELD_CHECK_AT_EXIT(Check_Schweissnaht_Invariants(r));
    if (!f || !r) return SCHWEISSNAHT_TEXT_FAILED;
    const Nahtbild& n = r->naht;
    int failed = 0;
    failed |= std::fprintf(f, " %d\n", SCHWEISSNAHT_HEAD_VERSION) < 0;
    failed |= std::fprintf(f, " %d %d %d %d %lf\n", r->code_setting, r->section_check, r->section_method,
                           r->weld_method, r->gamma_M) < 0;
    failed |= Write_Safety_Factors(f, &r->safety) != 0;
    failed |= std::fprintf(f, " %d\n", NAHTBILD_VERSION) < 0;
    failed |= std::fprintf(f, " %d\n", n.uniform_grade) < 0;
    failed |= Write_Material_Params(f, &n.material) != 0;
    failed |= Write_Profile(f, &r->naht.profile) != 0;
    failed |= Write_Plate(f, &n.plate) != 0;
    const int count = n.weld_count < 0 ? 0 : (n.weld_count > NAHT_SLOTS ? NAHT_SLOTS : n.weld_count);
    failed |= std::fprintf(f, " %d %d\n", n.all_round, count) < 0;
    for (int k = 0; k < count; ++k)
        failed |= std::fprintf(f, " %lf %lf %d\n", n.throat[k], n.length[k], n.number[k]) < 0;
    failed |= std::fprintf(f, " %lf %d %d %d %lf %d %d", n.a_w, n.weld_kind, n.full_length, n.no_length_check,
                           n.contact_fraction, n.no_throat_check, r->shear_split) < 0;
    failed |= std::fprintf(f, " %lf %lf %d %d\n", n.a_w_fo, n.a_w_fu, r->short_welds, n.full_penetration) < 0;
    failed |= Write_Lasten(f, r) != 0;
    // The print options' result is the last one; an earlier failure stays.
    failed |= Write_Print_Props(f, &r->print) != 0;
    return failed ? SCHWEISSNAHT_TEXT_FAILED : SCHWEISSNAHT_TEXT_OK;
}

// Numbers are whole words: "12abc" or "1e39" where an int stands is a
// damaged file, not a 12 or a 1 with the rest taken for the next field.
static bool read_int(FILE* f, int* value) { return Scan_Int_Word(f, value) == 1; }

static bool read_double(FILE* f, double* value) { return Scan_Double_Word(f, value) == 1; }

// Values no input of the program gives: a switch other than 0 or 1, a
// choice beyond its list. A file holding one is refused, the value named
// with its range (Input_Value_Holds; the caller adds the line). (A number
// outside what its field takes is named with its range as well:
// Input_File_Range_Refusals.)
static bool read_choice(FILE* f, int* value, Input_Range_Id id, const char* name, const char* console) {
    return read_int(f, value) && Input_Value_Holds(id, *value, name, nullptr, console);
}

static bool read_slot(FILE* f, int slot, double* throat, double* length, int* number) {
    const std::string name = "Platz " + std::to_string(slot + 1) + ": Nahtnummer";
    const std::string console = "slot " + std::to_string(slot + 1) + ": weld number";
    return read_double(f, throat) && read_double(f, length) &&
           read_choice(f, number, RANGE_WELD_NUMBER, name.c_str(), console.c_str());
}

// What the last Read_Schweissnaht refused for values out of their ranges,
// and what it took from the catalogue.
static Range_Refusals s_read_refusals;
static Catalogue_Notice s_read_notice;

const Range_Refusals& Schweissnaht_Read_Refusals(void) { return s_read_refusals; }

const Catalogue_Notice& Schweissnaht_Read_Notice(void) { return s_read_notice; }

static long line_at(FILE* f);

// The head's line after its version: code setting, checks, methods and
// gamma_M; then the partial factors and the weld part's version (into
// at->version). false for a short, damaged or newer block.
static bool read_head(FILE* f, SchweissnahtAnschluss* r, Input_File_Places* at) {
    at->head = std::ftell(f);
    if (!read_choice(f, &r->code_setting, RANGE_SWITCH, "Vorschrift", "code") ||
        !read_choice(f, &r->section_check, RANGE_SWITCH, "Querschnittstragf\x84higkeit", "cross-section check") ||
        !read_choice(f, &r->section_method, RANGE_SWITCH, "Verfahren des Querschnittsnachweises",
                     "cross-section method") ||
        !read_choice(f, &r->weld_method, RANGE_SWITCH, "Verfahren des Nahtnachweises", "weld method") ||
        !read_double(f, &r->gamma_M))
        return false;
    // gamma_M counts under DIN 18800 only, and is judged with its range there.
    if (r->gamma_M < 0.0 && r->code_setting != CODE_SETTING_DIN18800) return false;
    at->safety = std::ftell(f);
    if (Read_Safety_Factors(f, &r->safety) != 0) return false;
    int version = 0;
    if (!read_int(f, &version)) return false;
    if (!Check_File_Version(version, NAHTBILD_VERSION, Schweissnaht_Import_Mode ? 1 : 0)) return false;
    at->version = version;
    return true;
}

// The weld table: the count's rows, the rows up to the last slot of
// versions before 4, and the 10 rows versions before 3 drop.
static bool read_weld_rows(FILE* f, Nahtbild& n, Input_File_Places* at) {
    if (!read_choice(f, &n.all_round, RANGE_SWITCH, "umlaufende Naht", "all-round weld")) return false;
    // The table has 20 slots: any other count is a damaged file, and is not
    // left in the record for a later walk over the table.
    if (!read_choice(f, &n.weld_count, RANGE_WELD_COUNT, "Anzahl der N\x84hte", "weld count")) {
        n.weld_count = 0;
        return false;
    }
    const int rows = at->version < 4 ? NAHT_SLOTS : n.weld_count;
    at->welds = std::ftell(f);
    at->weld_rows = rows;
    for (int k = 0; k < rows; ++k)
        if (!read_slot(f, k, &n.throat[k], &n.length[k], &n.number[k])) return false;
    if (at->version < 3) {
        double a = 0, l = 0;
        int number = 0;
        for (int k = 0; k < 10; ++k)
            if (!read_slot(f, rows + k, &a, &l, &number)) return false;
    }
    return true;
}

// The weld part after the table: a_w, weld kind and its switches, contact
// fraction, then what the versions added.
static bool read_weld_switches(FILE* f, SchweissnahtAnschluss* r, Input_File_Places* at) {
    Nahtbild& n = r->naht;
    const int version = at->version;
    at->throats = std::ftell(f);
    if (!read_double(f, &n.a_w) || !read_choice(f, &n.weld_kind, RANGE_WELD_KIND, "Nahtart", "weld kind") ||
        !read_choice(f, &n.full_length, RANGE_SWITCH, "voll ausgef\x81hrt", "full length") ||
        !read_choice(f, &n.no_length_check, RANGE_SWITCH, "ohne \x9A" "berpr\x81" "fung der Nahtl\x84nge",
                     "no length check") ||
        !read_double(f, &n.contact_fraction))
        return false;
    if (version >= 1) {
        if (!read_choice(f, &n.no_throat_check, RANGE_SWITCH, "ohne \x9A" "berpr\x81" "fung der Nahtdicke",
                         "no throat check") ||
            !read_choice(f, &r->shear_split, RANGE_SHEAR_SPLIT, "Querkraftaufteilung", "shear split"))
            return false;
    } else {
        r->shear_split = 1;
    }
    if (version >= 2) {
        if (!read_double(f, &n.a_w_fo) || !read_double(f, &n.a_w_fu)) return false;
    } else {
        n.a_w_fo = n.a_w_fu = n.a_w;
    }
    if (version <= 2 && n.profile.type == PROFILTYP_U && !VEK_Batch_Mode())
        PrintMessage("%s", "Die Orientierung des U-Profils hat sich geändert\nBitte überprüfen Sie die Eingabe."_cp);
    if (version >= 5 &&
        !read_choice(f, &r->short_welds, RANGE_SWITCH, "kurze N\x84hte vernachl\x84ssigen", "short welds neglected"))
        return false;
    return version < 6 ||
           read_choice(f, &n.full_penetration, RANGE_SWITCH, "durchgeschwei\xE1te Stumpfnaht", "full penetration");
}

// The weld part from its uniform-grade flag to the last switch, its
// catalogue profile's dimensions taken from the catalogue (*notice) and the
// part as the file gives it kept in *as_read before the layout. false for
// a short or damaged block.
static bool read_weld_part(FILE* f, SchweissnahtAnschluss* r, Input_File_Places* at, Catalogue_Notice* notice,
                           Nahtbild* as_read) {
    Nahtbild& n = r->naht;
    clear_naht(&n);
    r->shear_split = r->short_welds = 0;
    if (!read_choice(f, &n.uniform_grade, RANGE_SWITCH, "einheitliche Stahlsorte", "uniform grade")) return false;
    at->material = std::ftell(f);
    if (Read_Material_Params(f, &n.material) != 0) return false;
    at->profile = std::ftell(f);
    if (Read_Profile(f, &n.profile) != 0) return false;
    at->plate = std::ftell(f);
    if (Read_Plate(f, &n.plate) != 0) return false;
    if (!read_weld_rows(f, n, at) || !read_weld_switches(f, r, at)) return false;
    // The welds lie on the section that is checked: a catalogue profile's.
    *notice = Take_Catalogue_Dimensions(f, at->profile, &n.profile);
    // A length a hair off its edge, as files written before hold it, is the
    // edge (the page makes it so as well): not a weld beyond it.
    Snap_Lengths_To_Edges(&n);
    // The weld part as the file gives it is judged: the layout puts a
    // negative throat to 0.
    *as_read = n;
    Update_Weld_Layout(&n, nullptr, 0);
    return true;
}

// The blocks after the head: weld part, load cases, print options, and
// the judgement of the values read.
static int read_record(FILE* f, SchweissnahtAnschluss* r, Input_File_Places* at) {
    Catalogue_Notice notice;
    Nahtbild as_read;
    if (!read_head(f, r, at) || !read_weld_part(f, r, at, &notice, &as_read)) return SCHWEISSNAHT_TEXT_FAILED;
    at->loads = std::ftell(f);
    if (Read_Lasten(f, r) != 0) return SCHWEISSNAHT_TEXT_FAILED;
    at->print = std::ftell(f);
    const int print_failed = Read_Print_Props(f, &r->print);
    // The results follow the count read.
    New_Schweissnaht_Results(r);
    if (print_failed) return SCHWEISSNAHT_TEXT_FAILED;
    // What no field would take is refused, each value named with its line.
    SchweissnahtAnschluss judged = *r;
    judged.naht = as_read;
    s_read_refusals = Input_File_Range_Refusals(f, &judged, *at);
    if (s_read_refusals.any()) return SCHWEISSNAHT_TEXT_FAILED;
    s_read_notice = std::move(notice);
    return SCHWEISSNAHT_TEXT_OK;
}

int Read_Schweissnaht(FILE* f, SchweissnahtAnschluss* r) {
    WELD_CHECK_AT_EXIT(Check_Schweissnaht_Invariants(r));
    s_read_refusals = Range_Refusals{};
    s_read_notice = Catalogue_Notice{};
    Clear_Input_Value_Refusal();
    if (!r) return SCHWEISSNAHT_TEXT_FAILED;
    Init_Schweissnaht(r);
    if (!f) return SCHWEISSNAHT_TEXT_FAILED;
    int head = 0;
    if (!read_int(f, &head)) return SCHWEISSNAHT_TEXT_FAILED;
    if (head < 0) {
        Default_Schweissnaht(r);
        return SCHWEISSNAHT_TEXT_DEFAULTS;
    }
    if (!Check_File_Version(head, SCHWEISSNAHT_HEAD_VERSION, 0)) return SCHWEISSNAHT_TEXT_FAILED;
    // Where each block begins, to name the line of a value out of range.
    Input_File_Places at;
    const int result = read_record(f, r, &at);
    // A block reader that stopped at a value outside its range named it:
    // with its line (the stream stands behind it) it is one of the refusals.
    const Input_Value_Refusal& refused = Last_Input_Value_Refusal();
    if (result != SCHWEISSNAHT_TEXT_OK && refused.any() && !s_read_refusals.any()) {
        const long line = line_at(f);
        const std::string where = "Zeile " + std::to_string(line) + ": ";
        s_read_refusals.named.push_back(
            {line, where + refused.list, where + refused.screen, "line " + std::to_string(line) + ": " + refused.console});
    }
    return result;
}

// The annex entries stand behind the record's blocks; a line of the preface
// that happens to begin with a keyword must not be taken for one. The rest
// of the file is handed to the annex readers as a stream of its own (they
// search from the start of what they are given).
static std::string rest_of(FILE* f) {
    std::string rest;
    char chunk[4096];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, f)) > 0;) rest.append(chunk, got);
    return rest;
}

// A stream over the text, which must outlive it; null for an empty text.
static FILE* stream_of(const std::string& text) {
    return text.empty() ? nullptr : fmemopen(const_cast<char*>(text.data()), text.size(), "rb");
}

// Whatever entry the rest holds, wherever it stands; none: the German set.
static void activate_any_entry(FILE* f) {
    const std::string rest = rest_of(f);
    FILE* tail = stream_of(rest);
    if (tail && Read_ACTIV_NAD_EC2(tail)) Set_Active_NAD_By_Name(Get_NAD_EC2_Name());
    else Read_ACTIV_NADNAME(tail);
    if (tail) std::fclose(tail);
}

// Behind a record that read, white space only stands before the entry:
// anything else is a damaged entry (a keyword with a changed letter), which
// must not pass for a file without one, whose connection takes the German
// set.
struct Annex_Entry_Place {
    bool none;    // white space only: no entry
    size_t at;    // where the entry begins in the rest
    int line;     // its line, 1 the rest's first
};

static Annex_Entry_Place annex_entry_place(const std::string& rest) {
    const size_t first = rest.find_first_not_of(" \t\r\n");
    const size_t entry = first == std::string::npos ? rest.size() : first;
    const int line = 1 + static_cast<int>(std::count(rest.begin(), rest.begin() + static_cast<long>(entry), '\n'));
    return {first == std::string::npos, entry, line};
}

// The name of the "ACTIV_NADNAME" entry at the place; false when it does
// not read whole.
static bool read_annex_name(const std::string& rest, const Annex_Entry_Place& place, FILE* tail, char* name) {
    static const char kKeyword[] = "ACTIV_NADNAME";
    return rest.compare(place.at, sizeof kKeyword - 1, kKeyword) == 0 && tail &&
           Find_Keyword_Int(kKeyword, tail, nullptr) && Read_Guillemet_Name(tail, name) > 0;
}

int Activate_Annex_After(FILE* f) {
    const std::string rest = rest_of(f);
    const Annex_Entry_Place place = annex_entry_place(rest);
    FILE* tail = stream_of(rest);
    int damaged = 0;
    char name[GUILLEMET_NAME_SIZE] = "";
    if (place.none) {
        Set_Active_NAD_By_Name(nullptr);  // no entry: the German set
    } else if (rest.compare(place.at, 13, "ACTIV_NAD_EC2") == 0 && tail && Read_ACTIV_NAD_EC2(tail)) {
        Set_Active_NAD_By_Name(Get_NAD_EC2_Name());
    } else if (read_annex_name(rest, place, tail, name)) {
        Set_Active_NAD_By_Name(name);
    } else {
        damaged = place.line;
    }
    if (tail) std::fclose(tail);
    return damaged;
}

// ---- why a file was not read or written ----

// The name of a component's file as the user knows it: the identifier
// without the folder it may carry, and the file's suffix.
static std::string component_file(const char* suffix) {
    std::string name = Kontext.identifier;
    const size_t cut = name.find_last_of("/\\");
    if (cut != std::string::npos) name.erase(0, cut + 1);
    name += suffix;
    // The print list's markup escape is no letter of a name.
    for (char& c : name)
        if (static_cast<unsigned char>(c) == OLI_MARKUP_ESCAPE) c = '?';
    return name;
}

// The line that names the input file and why it was not read.
static std::string input_reason(const std::string& why) {
    return "Eingabedatei " + component_file(Kontext.input_name) + ": " + why;
}

// The reason of a failed open, read or write in the user's words.
static const char* file_error_text(int error, bool reading) {
    switch (error) {
    case ENOENT:
    case ENOTDIR: return reading ? "nicht vorhanden" : "nicht schreibbar";
    case EACCES:
    case EPERM: return reading ? "keine Leseberechtigung" : "keine Schreibberechtigung";
    case EISDIR: return "ein Verzeichnis, keine Datei";
    case ENODEV:
    case ENXIO: return "keine gewöhnliche Datei"_cp;
    case EFBIG: return reading ? "zu groß"_cp : "Größengrenze für Dateien erreicht"_cp;
    case ENOSPC:
    case EDQUOT: return "Datenträger voll"_cp;
    case EROFS: return "Datenträger schreibgeschützt"_cp;
    case EIO: return "Ein-/Ausgabefehler des Datenträgers"_cp;
    case EWOULDBLOCK: return reading ? "nicht lesbar" : "Ordner von einem anderen Lauf gesperrt";
    default: return reading ? "nicht lesbar" : "nicht schreibbar";
    }
}

// Opens the component's input file. Null with *error set when it cannot be
// opened: ENOENT or ENOTDIR when there is none, EISDIR or ENODEV when what
// stands there is no file (a FIFO is refused without waiting for a writer),
// EFBIG beyond the data cap, else the open's own errno.
static FILE* open_input(int* error) {
    *error = 0;
    char base[VEK_MAX_PATH + 1], native[VEK_MAX_PATH + 1];
    if (!Make_Base_Path(base, Kontext.input_name, sizeof base) || !VEK_Native_Path(native, sizeof native, base)) {
        *error = ENAMETOOLONG;
        return nullptr;
    }
    errno = 0;
    FILE* f = Fopen_Base(Kontext.input_name, "r");
    if (!f) *error = errno ? errno : EIO;
    return f;
}

// Where the reading of a refused input file stopped, in the user's words:
// the line, and whether the file ended there (cut short) or held what no
// reader takes (damaged, or written by a newer program). The stream stays
// where it stood.
static long line_at(FILE* f) {
    const long at = std::ftell(f);
    long line = 1;
    if (at > 0) {
        std::rewind(f);
        for (long k = 0; k < at; ++k) {
            const int c = std::getc(f);
            if (c == EOF) break;
            if (c == '\n') ++line;
        }
    }
    return line;
}

static std::string damaged_line_text(long line) {
    char text[160];
    std::snprintf(text, sizeof text, "Zeile %ld beschädigt oder von einer neueren Programmversion"_cp, line);
    return text;
}

static std::string read_failure_text(FILE* f) {
    const bool at_end = std::feof(f) != 0;
    const long line = line_at(f);
    if (!at_end) return damaged_line_text(line);
    char text[160];
    std::snprintf(text, sizeof text, "unvollständig, endet in Zeile %ld"_cp, line);
    return text;
}

static void end_unread_batch_run(const std::string& reason, const char* console_reason);

static const char* const kUnreadInput = "Die Eingabedaten können nicht gelesen werden!"_cp;

// The box of an input file that was not read; with the reason when the file
// could not be opened, which is then kept from every save of this run, and
// with each value out of its range that refused it.
static void read_error_box(const std::string* reason, const Range_Refusals* ranges = nullptr) {
    Init_Message();
    Set_Message_Title("Lesefehler");
    Fill_Message("%s", kUnreadInput);
    if (reason) Fill_Message("%s", reason->c_str());
    if (ranges && ranges->any()) {
        Fill_Message("%s", "Werte außerhalb ihres Bereichs:"_cp);
        for (const std::string& line : Range_Refusal_Lines(*ranges, REFUSAL_SCREEN)) Fill_Message("%s", line.c_str());
    }
    Fill_Message("%s", "Der Datenzustand wird auf");
    Fill_Message("%s", "voreingestellte Werte gesetzt!");
    if (reason) Fill_Message("%s", "Gespeichert wird nicht: die Datei bleibt erhalten.");
    Draw_Message();
}

// The print list's lines of the catalogue's dimensions taken when the
// batch run read its input file (none at the screen: a box told them).
static std::vector<std::string> s_input_notice;

// Tells that the input file's catalogue profile took the catalogue's
// dimensions: the batch run on the console and in its list, the screen in a
// box.
static void tell_catalogue_notice(void) {
    const Catalogue_Notice& notice = Schweissnaht_Read_Notice();
    if (!notice.any()) return;
    if (VEK_Batch_Mode()) {
        std::fprintf(stderr, "%s%s: %s\n", Get_File_Base(), Kontext.input_name, notice.console.c_str());
        s_input_notice = notice.list;
        return;
    }
    Tell_Catalogue_Notice(notice);
}

void Tell_Catalogue_Notice(const Catalogue_Notice& notice) {
    if (!notice.any() || VEK_Batch_Mode()) return;
    Init_Message();
    Set_Message_Title("Hinweis");
    for (const std::string& line : notice.screen) Fill_Message("%s", line.c_str());
    Draw_Message();
}

void Load_Input_File(void) {
    WELD_CHECK_AT_EXIT(Check_Schweissnaht_Invariants(&Schweissnaht_Anschluss));
    SchweissnahtAnschluss* r = &Schweissnaht_Anschluss;
    s_input_state = INPUT_READ;
    s_input_reason.clear();
    s_thin_plate_told = NAN;
    s_input_source = OliSource{};
    int error = 0;
    FILE* f = open_input(&error);
    if (f) OLI_Source_Of_Stream(f, component_file(Kontext.input_name).c_str(), &s_input_source);
    if (!f && (error == ENOENT || error == ENOTDIR)) {
        // A new position at the screen: the user starts from the defaults of
        // a new connection (the annex's partial factors, a catalogue profile
        // the pages can show, welds and a picture scale that fits it); an
        // empty record would greet them with a refused profile and factors
        // of 0. A batch run has nothing to check: a list of the empty record
        // (a plate of 0 mm, factors of 0) would pass for a report.
        if (VEK_Batch_Mode()) end_unread_batch_run(input_reason(file_error_text(error, true)), std::strerror(error));
        Default_Schweissnaht(r);
        Record_to_Sheet(r);
        return;
    }
    if (!f) {
        // There, but not to be read (no permission, a folder or a device in
        // its place): no new connection, which the first save would write
        // over the user's file.
        s_input_state = INPUT_UNOPENED;
        s_input_reason = input_reason(file_error_text(error, true));
        if (VEK_Batch_Mode()) end_unread_batch_run(s_input_reason, std::strerror(error));
        read_error_box(&s_input_reason);
        Default_Schweissnaht(r);
        Record_to_Sheet(r);
        return;
    }
    Clear_Material_Read_Refusal();
    s_input_notice.clear();
    const int result = Read_Schweissnaht(f, r);
    if (result != SCHWEISSNAHT_TEXT_OK && result != SCHWEISSNAHT_TEXT_DEFAULTS) {
        const Range_Refusals ranges = Schweissnaht_Read_Refusals();
        if (VEK_Batch_Mode()) {
            // A value outside its range is named with its line; anything
            // else is damage.
            const std::string refusal = Material_Read_Refusal();
            std::string console = Material_Read_Refusal_Console(), reason;
            if (ranges.any()) {
                console.clear();
                for (const std::string& line : Range_Refusal_Lines(ranges, REFUSAL_LIST))
                    reason += (reason.empty() ? "" : "\n") + input_reason(line);
                for (const std::string& line : Range_Refusal_Lines(ranges, REFUSAL_CONSOLE))
                    console += (console.empty() ? "" : "; ") + line;
            } else {
                reason = input_reason(refusal.empty() ? read_failure_text(f)
                                                      : "Zeile " + std::to_string(line_at(f)) + ": " + refusal);
            }
            std::fclose(f);
            end_unread_batch_run(reason, refusal.empty() && !ranges.any()
                                             ? "damaged, cut short or newer than the program"
                                             : console.c_str());
        }
        s_input_state = INPUT_DAMAGED;
        read_error_box(nullptr, &ranges);
        Default_Schweissnaht(r);
    }
    if (result == SCHWEISSNAHT_TEXT_OK) {
        const long record_end = line_at(f);
        if (const int entry = Activate_Annex_After(f)) {
            // The annex entry behind a record that read does not: the record's
            // factors would come from an annex nobody chose.
            const std::string reason = input_reason(damaged_line_text(record_end + entry - 1));
            if (VEK_Batch_Mode()) {
                std::fclose(f);
                end_unread_batch_run(reason, "damaged, cut short or newer than the program");
            }
            s_input_state = INPUT_DAMAGED;
            read_error_box(nullptr);
            Default_Schweissnaht(r);
        } else {
            tell_catalogue_notice();
        }
    } else {
        activate_any_entry(f);
    }
    std::fclose(f);
    if (!VEK_Batch_Mode()) Record_to_Sheet(r);
}

void Print_Input_File_Notice(FILE* list) {
    if (!list || s_input_notice.empty()) return;
    OLI_printf(list, "╬HHinweis╬r: %s\n"_cp, s_input_notice.front().c_str());
    for (size_t k = 1; k < s_input_notice.size(); ++k) OLI_printf(list, "%s\n", s_input_notice[k].c_str());
}

static Print_Schweissnaht_Function s_print = Print_Schweissnaht;

Print_Schweissnaht_Function Set_Print_Schweissnaht_Seam(Print_Schweissnaht_Function print) {
    Print_Schweissnaht_Function old = s_print;
    s_print = print;
    return old;
}

// Native path of a name beside the component's files; empty when it does
// not fit.
static std::string native_base_path(const std::string& name) {
    char base[VEK_MAX_PATH + 1], native[VEK_MAX_PATH + 1];
    if (!Make_Base_Path(base, name.c_str(), sizeof base)) return "";
    if (!VEK_Native_Path(native, sizeof native, base)) return "";
    return native;
}

// The component's print list and plot file. Paths are native; no plot
// names when the run has no plot-file name.
static Output_Pair component_pair(void) {
    char plot[VEK_MAX_PATH + 1];
    const bool has_plot = Kontext.plot_name[0] && VEK_Native_Path(plot, sizeof plot, Kontext.plot_name);
    return Make_Output_Pair(native_base_path(Print_List_Suffix), has_plot ? plot : "");
}

static bool file_exists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::exists(path, ec);
}

static void remove_file(const std::string& path) {
    if (!path.empty()) std::remove(path.c_str());
}

// The record as its input file holds it, in `stored` (initialised by the
// caller): written and read back. A list made in the window then takes the
// values the saved file gives every later run of it (six decimals, where
// the page holds a catalogue's single-precision values), so that a
// preview, a print and the list of the saved input agree to the digit and
// to the place of every label. False when the round trip failed; stored
// then holds what was read.
static bool as_stored(SchweissnahtAnschluss* r, SchweissnahtAnschluss* stored) {
    char* text = nullptr;
    size_t size = 0;
    FILE* out = open_memstream(&text, &size);
    if (!out) return false;
    const bool written = Write_Schweissnaht(out, r) == SCHWEISSNAHT_TEXT_OK;
    const bool closed = std::fclose(out) == 0;
    bool read = false;
    if (written && closed && text) {
        if (FILE* in = fmemopen(text, size, "r")) {
            read = Read_Schweissnaht(in, stored) == SCHWEISSNAHT_TEXT_OK;
            std::fclose(in);
        }
    }
    std::free(text);
    return read;
}

// The record a list is made from: with round_trip, the record as stored
// when the round trip succeeds, else the record itself. Owns the copy.
struct Printed_Record {
    SchweissnahtAnschluss stored{};
    SchweissnahtAnschluss* record;
    Printed_Record(SchweissnahtAnschluss* r, bool round_trip) : record(r) {
        Init_Schweissnaht(&stored);
        if (round_trip && as_stored(r, &stored)) record = &stored;
    }
    ~Printed_Record() { Free_Schweissnaht(&stored); }
    Printed_Record(const Printed_Record&) = delete;
    Printed_Record& operator=(const Printed_Record&) = delete;
};

// What a symbolic link at path names, for the console; "" when no link
// stands there.
static std::string link_target(const std::string& path) {
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) return "";
    const std::string target = std::filesystem::read_symlink(path, ec).string();
    return target + (std::filesystem::exists(path, ec) ? "" : ", which does not exist");
}

// Says that the list replaced a link, not the file the link names, which
// a user may have expected to change.
static void tell_replaced_link(const std::string& list, const std::string& target) {
    if (!target.empty())
        std::fprintf(stderr, "%s: was a symbolic link to %s; the list now stands in its place and the file the "
                             "link named is left as it was\n", list.c_str(), target.c_str());
}

// The plot file's name as the user knows it.
static std::string plot_file_name(void) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%04d.SPF", Kontext.pos_id);
    return component_file(suffix);
}

// A size in the user's words: "4.0 GiB", "25.3 MiB", "812 Bytes".
static std::string size_text(long long bytes) {
    char text[48];
    if (bytes >= (1LL << 30)) std::snprintf(text, sizeof text, "%.1f GiB", static_cast<double>(bytes) / (1LL << 30));
    else if (bytes >= (1LL << 20)) std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(bytes) / (1LL << 20));
    else std::snprintf(text, sizeof text, "%lld Bytes", bytes);
    return text;
}

static long long file_size(const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? -1 : static_cast<long long>(size);
}

// The print list and the plot file of the record into the pair o names (no
// plot file when o names none), under temporaries this run claims in *o
// (its caller releases them); the list carries the identity `source` of
// its input when given. round_trip: of the record as its input file would
// give it back (the window's lists before a save). COMPONENT_FILE_DONE when
// both are in place; _UNCONFIRMED when they are, but the folder's sync
// after the last rename failed (the console says so, *why why); else
// _FAILED: the old files stand (or, when the step that failed came after
// the commit, the pending list shows that they may not), the console says
// so and names the file that failed, and *why (when given) holds the
// reason in the user's words. A list that would pass the most bytes a list
// may have is not written (nor written on): the reason names its size and
// the limit.
static int write_list_and_plot(SchweissnahtAnschluss* r, bool round_trip, Output_Pair* o, const OliSource* source,
                               std::string* why) {
    const double reserved = r->print.grafik ? 16.0 : 6.0;
    const char* shown = o->list.empty() ? Print_List_Suffix : o->list.c_str();
    auto failed = [&](const char* what, const std::string& file, const char* console_file, int error,
                      const std::string& console) {
        if (why) *why = std::string(what) + " " + file + ": " + file_error_text(error, false);
        if (error) std::fprintf(stderr, "%s: %s (%s)\n", console_file, console.c_str(), std::strerror(error));
        else std::fprintf(stderr, "%s: %s\n", console_file, console.c_str());
        return int{COMPONENT_FILE_FAILED};
    };
    const std::string list_file = component_file(Kontext.list_name);
    // Both files are written under temporary names of this run's own and
    // put in place together when both are complete, so that the desktop
    // never shows a half-written report, nor a list beside the sketch of
    // another run.
    errno = 0;
    if (o->list.empty() || Claim_Output_Pair(o) != PAIR_DONE)
        return failed("Druckliste", list_file, shown, errno ? errno : ENAMETOOLONG, "cannot be opened for writing");
    errno = 0;
    FILE* list = Open_Print_List_At(o->list_temp.c_str(), Position_Code, Position_Text, 1, reserved,
                                    r->print.ohne_nummerierung);
    if (!list) {
        const int error = errno ? errno : ENAMETOOLONG;
        remove_file(o->list_temp);
        return failed("Druckliste", list_file, shown, error, "cannot be opened for writing");
    }
    Set_Plot_File_Name(o->plot_temp.c_str());
    Reset_Print_List_Oversize();
    if (s_print) {
        Printed_Record printed(r, round_trip);
        s_print(printed.record, list);
    }
    // Why the plot file failed: the print closed it (a full disc), or it
    // is closed here.
    errno = 0;
    if (PlotFile_Is_Open() && PlotFile_Close() != 0) remove_file(o->plot_temp);
    const int plot_error = errno ? errno : Plot_File_Error();
    const int plot = Plot_File_Result();
    Set_Plot_File_Name(nullptr);
    OLI_End_Text(list);
    // Its input's identity closes the list: a list stands under its name
    // only whole, and the identity is found at its end without reading it.
    if (source) OLI_Write_Source(list, *source);
    errno = 0;
    bool complete = std::fflush(list) == 0 && !std::ferror(list);
    complete = VEK_Fclose_Buffered(list) == 0 && complete;
    const int list_error = errno;
    int cases = 0;
    const long long oversize = Print_List_Oversize(&cases), limit = VEK_Print_List_Limit();
    const long long bytes = complete && !oversize ? file_size(o->list_temp) : 0;
    if (!complete || plot < 0 || oversize > 0 || bytes > limit) {
        remove_file(o->list_temp);
        remove_file(o->plot_temp);
        if (oversize > 0 || (complete && bytes > limit)) {
            const long long size = oversize > 0 ? oversize : bytes;
            if (why)
                *why = "Druckliste " + list_file + ": " + (oversize > 0 ? "etwa " : "") + size_text(size) +
                       (oversize > 0 ? " bei " + std::to_string(cases) + " Lastkombinationen" : "") +
                       ", mehr als die " + size_text(limit) +
                       ", die eine Druckliste haben darf (mit dem Ergebnisumfang tabellarisch bleibt sie kurz)";
            std::fprintf(stderr, "%s: not written: %s%lld bytes%s, more than the %lld bytes a print list may have "
                                 "(what the viewer and the program's readers take)\n",
                         shown, oversize > 0 ? "about " : "", size,
                         oversize > 0 ? (" for " + std::to_string(cases) + " load cases").c_str() : "", limit);
            return int{COMPONENT_FILE_FAILED};
        }
        if (!complete) return failed("Druckliste", list_file, shown, list_error, "print list write failed");
        return failed("Plotdatei", plot_file_name(), o->plot.empty() ? shown : o->plot.c_str(), plot_error,
                      "plot file write failed");
    }
    errno = 0;
    const std::string link = link_target(o->list);
    std::string failed_file;
    const int installed = Install_Output_Pair(*o, plot > 0, &failed_file);
    if (installed == PAIR_FAILED) {
        if (!o->plot.empty() && failed_file == o->plot)
            return failed("Plotdatei", plot_file_name(), o->plot.c_str(), errno, "cannot be put in place");
        return failed("Druckliste", list_file, shown, errno, "cannot be replaced");
    }
    tell_replaced_link(o->list, link);
    if (installed == PAIR_DONE) return COMPONENT_FILE_DONE;
    const int error = errno;
    if (why) *why = "Druckliste " + list_file + ": " + file_error_text(error, false);
    std::fprintf(stderr, "%s: written, but its folder could not be synced (%s): the new print list%s may not "
                         "survive a power cut\n", shown, std::strerror(error), o->plot.empty() ? "" : " and plot file");
    return COMPONENT_FILE_UNCONFIRMED;
}

// ---- the print list of a run without a check ----

// What a list without a check says: what failed, why, and what that means
// for the result (code page 850).
struct Failure_List {
    const char* headline;
    std::string reason;
    const char* consequence;
};

static int write_failure_list(FILE* f, void* context) {
    const auto* why = static_cast<const Failure_List*>(context);
    Begin_Print_List(f, Position_Code, Position_Text, 1, 6.0, 0);
    OLI_printf(f, "%s", "Schweißnahtanschluss\n"_cp);
    OLI_Add_Para_Offset(0.3);
    OLI_printf(f, "╬HFehler╬r: %s\n"_cp, why->headline);
    OLI_printf(f, "%s\n", why->reason.c_str());
    OLI_printf(f, "%s\n", why->consequence);
    OLI_Add_Para_Offset(0.3);
    OLI_printf(f, "╬B%s\n"_cp, Line_Proof_Failed());
    OLI_End_Text(f);
    OLI_New_Paragraph();
    return std::fflush(f) == 0 && !std::ferror(f) ? VEK_WRITE_DONE : VEK_WRITE_FAILED;
}

// Writes the list that says why over the list in place, for a folder that
// takes no new names. Never through a link (the file it names is not the
// component's) nor into a file with a second name (the kept list of the
// saved input). True when written.
static bool write_over_in_place(const std::string& path, Failure_List* why) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink > 1) return false;
    const int fd = open(path.c_str(), O_WRONLY | O_TRUNC | O_NOFOLLOW | O_CLOEXEC);
    FILE* f = fd < 0 ? nullptr : fdopen(fd, "w");
    if (!f) {
        if (fd >= 0) close(fd);
        return false;
    }
    const bool written = write_failure_list(f, why) == VEK_WRITE_DONE;
    return std::fclose(f) == 0 && written;
}

// Puts the list that says why no check stands in place of the component's
// list, whole, and removes the plot file and whatever a run left waiting:
// no result of an earlier run may stand after a run that failed. A link in
// the list's place is replaced, as the list of a check replaces it; the file
// it names stays as it was. When that list cannot be written (a full disc),
// the old list is removed; when it cannot be removed either (a folder that
// takes no changes), it is written over in place. The plot file goes once
// the list no longer shows an old result. The console says what stands.
// `run`: the temporaries and pending list of this run's pair that failed,
// which go once the list that says why stands (null: none). True when the
// list that says why is in place.
static bool replace_by_failure_list(const Failure_List& why, const Output_Pair* run = nullptr) {
    const Output_Pair o = component_pair();
    if (o.list.empty()) return false;
    Recover_Output_Pair(o);
    const char* list = o.list.c_str();
    auto* context = const_cast<Failure_List*>(&why);
    const std::string link = link_target(o.list);
    std::error_code ec;
    const auto kind = std::filesystem::symlink_status(o.list, ec).type();
    const bool there = kind != std::filesystem::file_type::not_found && kind != std::filesystem::file_type::none;
    bool written = true;
    const int replaced = VEK_Replace_File(list, write_failure_list, nullptr, context, VEK_REPLACE_LINK);
    if (replaced == VEK_REPLACE_DONE || replaced == VEK_REPLACE_UNSYNCED) {
        tell_replaced_link(o.list, link);
        std::fprintf(stderr, "%s: the print list now says that no check was made\n", list);
    } else if (!there || (kind != std::filesystem::file_type::directory && std::remove(list) == 0)) {
        std::fprintf(stderr, "%s: no print list (the list saying why cannot be written either)\n", list);
        written = false;
    } else if (write_over_in_place(o.list, context)) {
        std::fprintf(stderr, "%s: the print list was written over in place; it says that no check was made\n",
                     list);
    } else {
        std::fprintf(stderr, "%s: the previous print list can neither be replaced nor removed; "
                             "it does not belong to this run\n", list);
        if (run) Discard_Output_Pair(*run);
        return false;
    }
    if (file_exists(o.plot) && std::remove(o.plot.c_str()) != 0)
        std::fprintf(stderr, "%s: the previous plot file cannot be removed\n", o.plot.c_str());
    if (run) Discard_Output_Pair(*run);
    return written;
}

// The batch run of an input file that is missing or cannot be read: the
// list says so and the run ends with the exit code of a written list, or of
// a list that could not be written.
static void end_unread_batch_run(const std::string& reason, const char* console_reason) {
    std::fprintf(stderr, "%s%s: input file cannot be read (%s); no check is made\n", Get_File_Base(),
                 Kontext.input_name, console_reason);
    const bool written = replace_by_failure_list({kUnreadInput, reason, "Es wurde kein Nachweis geführt."_cp});
    std::exit(written ? PROGRAM_EXIT_WRITTEN : PROGRAM_EXIT_LIST_NOT_WRITTEN);
}

// The component's list of the record, or, when it cannot be written, the
// list that says so; at the screen a box says what stands, and, for the
// list of an input just saved (`saved`), that the input was saved all the
// same. COMPONENT_FILE_DONE, _UNCONFIRMED (the list stands, its folder's
// sync failed) or _FAILED.
static int write_component_list(SchweissnahtAnschluss* r, bool round_trip, bool saved, const OliSource* source) {
    std::string why;
    Output_Pair_Claim run(component_pair());
    const int written = write_list_and_plot(r, round_trip, &run.pair, source, &why);
    const bool screen = !VEK_Batch_Mode();
    if (written == COMPONENT_FILE_FAILED) {
        // The reason begins with the file that failed; the heading names it.
        const char* headline = why.rfind("Plotdatei ", 0) == 0 ? "Die Plotdatei konnte nicht geschrieben werden!"
                                                               : "Die Druckliste konnte nicht geschrieben werden!";
        replace_by_failure_list({headline, why, "Es liegt kein Nachweis vor."}, &run.pair);
        if (screen && saved)
            PrintMessage("%s\n%s\n%s", headline, why.c_str(), "Die Eingabedaten wurden gespeichert.");
        else if (screen)
            PrintMessage("%s\n%s", headline, why.c_str());
    } else if (written == COMPONENT_FILE_UNCONFIRMED && screen) {
        PrintMessage("%s\n%s\n%s",
                     "Die Druckliste wurde geschrieben, ihre dauerhafte Ablage ist aber nicht bestätigt!"_cp,
                     why.c_str(), "Nach einem Stromausfall kann dort wieder die bisherige Druckliste stehen."_cp);
    }
    return written;
}

// The identity of the input text the record would be saved as: that of
// the edits a list of the pages is made from (no file holds them).
static OliSource edits_source(SchweissnahtAnschluss* r) {
    char* text = nullptr;
    size_t size = 0;
    OliSource source;
    FILE* out = open_memstream(&text, &size);
    if (!out) return source;
    const bool written = Write_Input_Text(out, r) == SCHWEISSNAHT_TEXT_OK;
    if (std::fclose(out) == 0 && written && text)
        source = OLI_Source_Of_Bytes(component_file(Kontext.input_name).c_str(), text, size);
    std::free(text);
    return source;
}

// The edits' identity as the window opened the input file: pages that
// still hold it are the file's, whose bytes their text need not repeat (a
// name padded to its field, say).
static OliSource s_opened_edits;

// The identity of the input a list of the pages is made from: the input
// file's while the pages hold what it gave, else the edits' own.
static OliSource pages_source(SchweissnahtAnschluss* r) {
    const OliSource edits = edits_source(r);
    const bool opened = edits.size >= 0 && edits.size == s_opened_edits.size && edits.digest == s_opened_edits.digest;
    return opened && s_input_source.size >= 0 ? s_input_source : edits;
}

int Write_Print_List(void) {
    WELD_CHECK_AT_EXIT(Check_Schweissnaht_Invariants(&Schweissnaht_Anschluss));
    SchweissnahtAnschluss* r = &Schweissnaht_Anschluss;
    if (VEK_Batch_Mode()) return write_component_list(r, false, false, &s_input_source);
    Connection_Sheet_to_Record(r);
    const OliSource edits = pages_source(r);
    const int written = write_component_list(r, true, false, &edits);
    Record_to_Sheet(r);
    return written;
}

int Write_Saved_Print_List(void) {
    WELD_CHECK_AT_EXIT(Check_Schweissnaht_Invariants(&Schweissnaht_Anschluss));
    // The list is the saved file's: it carries the bytes that file holds.
    int error = 0;
    if (FILE* f = open_input(&error)) {
        OLI_Source_Of_Stream(f, component_file(Kontext.input_name).c_str(), &s_input_source);
        std::fclose(f);
    } else {
        s_input_source = OliSource{};
    }
    return write_component_list(&Schweissnaht_Anschluss, false, true, &s_input_source);
}

void Note_Opened_Input(void) {
    if (VEK_Batch_Mode()) return;
    SchweissnahtAnschluss* r = &Schweissnaht_Anschluss;
    Connection_Sheet_to_Record(r);
    s_opened_edits = edits_source(r);
    Record_to_Sheet(r);
    if (s_input_source.size < 0) return;
    const std::string list = native_base_path(Print_List_Suffix);
    OliSource named;
    if (list.empty() || !OLI_List_Source(list.c_str(), &named)) return;
    if (named.size == s_input_source.size && named.digest == s_input_source.digest) return;
    const std::string list_file = component_file(Kontext.list_name), input_file = component_file(Kontext.input_name);
    Init_Message();
    Set_Message_Title("Hinweis");
    Fill_Message("Die Druckliste %s gehört nicht zur Eingabedatei %s:"_cp, list_file.c_str(), input_file.c_str());
    Fill_Message("%s", "sie wurde aus anderen Eingabedaten geschrieben, die Datei danach geändert."_cp);
    Fill_Message("%s", "Beim Beenden mit Speichern wird sie neu geschrieben.");
    Draw_Message();
}

void Recover_Component_Output(void) {
    const Output_Pair o = component_pair();
    if (o.list.empty()) return;
    const int recovery = Recover_Output_Pair(o);
    if (recovery == PAIR_COMPLETED)
        std::fprintf(stderr, "%s: the print list and plot file of a run that was cut off were put in place\n",
                     o.list.c_str());
    else if (recovery == PAIR_STUCK)
        std::fprintf(stderr, "%s: a run that was cut off left its new print list as %s; it cannot be put in place "
                             "(%s)\n", o.list.c_str(), o.list_new.c_str(), std::strerror(errno));
    if (!Output_Pair_Kept(o)) return;
    if (Put_Back_Output_Pair(o) == PAIR_DONE)
        std::fprintf(stderr, "%s: the print list and plot file of the saved input were put back (a run was cut off "
                             "while the plan editor had those of its edits)\n", o.list.c_str());
    else
        std::fprintf(stderr, "%s: the print list and plot file of the saved input cannot be put back (%s); they "
                             "wait as %s\n", o.list.c_str(), std::strerror(errno), o.list_saved.c_str());
}

int Keep_Saved_Output(void) {
    const Output_Pair o = component_pair();
    if (!o.list.empty() && Keep_Output_Pair(o) == PAIR_DONE) return COMPONENT_FILE_DONE;
    const std::string why = "Druckliste " + component_file(Kontext.list_name) + ": " + file_error_text(errno, true);
    if (!VEK_Batch_Mode())
        PrintMessage("%s\n%s\n%s", "Die Druckliste und die Plotdatei können nicht gesichert werden!"_cp,
                     why.c_str(), "Das Planerstellungsmodul wird nicht gestartet."_cp);
    return COMPONENT_FILE_FAILED;
}

int Put_Back_Saved_Output(void) {
    const Output_Pair o = component_pair();
    if (Put_Back_Output_Pair(o) == PAIR_DONE) return COMPONENT_FILE_DONE;
    const std::string why = "Druckliste " + component_file(Kontext.list_name) + ": " + file_error_text(errno, false);
    std::fprintf(stderr, "%s: the print list and plot file of the saved input cannot be put back (%s)\n",
                 o.list.c_str(), std::strerror(errno));
    // The edits' pair must not pass for the saved input's.
    const bool replaced = replace_by_failure_list(
        {"Die Druckliste konnte nicht zurückgelegt werden!"_cp, why, "Es liegt kein Nachweis vor."});
    remove_file(o.list_saved);
    remove_file(o.plot_saved);
    if (!VEK_Batch_Mode())
        PrintMessage("%s\n%s\n%s", "Die Druckliste und die Plotdatei der gespeicherten Eingaben konnten nicht "
                                   "zurückgelegt werden!"_cp,
                     why.c_str(),
                     replaced ? "Die Druckliste des Bauteils sagt nun, dass kein Nachweis vorliegt."
                              : "Die Druckliste des Bauteils gehört nicht zu den gespeicherten Eingaben."_cp);
    return COMPONENT_FILE_FAILED;
}

int Write_Temporary_Print_List(char* path, int size) {
    WELD_CHECK_AT_EXIT(Check_Schweissnaht_Invariants(&Schweissnaht_Anschluss));
    if (!path || size < 1) return COMPONENT_FILE_FAILED;
    path[0] = '\0';
    const char* dir = VEKGetEnv("TEMP");
    if (!dir) dir = std::getenv("TMPDIR");
    if (!dir || !*dir) dir = "/tmp";
    // The component's own list name, without the folder the identifier may
    // carry: the viewer shows it, and the next preview replaces it.
    const std::string name = component_file(Kontext.list_name);
    char joined[VEK_MAX_PATH + 1], native[VEK_MAX_PATH + 1];
    if (!VEK_Join_Path(joined, sizeof joined, dir, name.c_str()) || !VEK_Native_Path(native, sizeof native, joined) ||
        std::strlen(native) >= static_cast<size_t>(size))
        return COMPONENT_FILE_FAILED;
    Output_Pair_Claim run(Make_Output_Pair(native, ""));
    SchweissnahtAnschluss* r = &Schweissnaht_Anschluss;
    if (!VEK_Batch_Mode()) Connection_Sheet_to_Record(r);
    // It carries the identity of the input the pages would save, as the
    // component's list of that input would: a preview of the input as
    // opened is that list byte for byte. A preview's list whose folder's
    // sync failed stands all the same.
    const OliSource edits = VEK_Batch_Mode() ? s_input_source : pages_source(r);
    const bool written = write_list_and_plot(r, !VEK_Batch_Mode(), &run.pair, &edits, nullptr) != COMPONENT_FILE_FAILED;
    if (!VEK_Batch_Mode()) Record_to_Sheet(r);
    if (!written) return COMPONENT_FILE_FAILED;
    std::snprintf(path, static_cast<size_t>(size), "%s", native);
    return COMPONENT_FILE_DONE;
}

int Write_Input_Text(FILE* f, SchweissnahtAnschluss* r) {
    if (Write_Schweissnaht(f, r) != SCHWEISSNAHT_TEXT_OK) return SCHWEISSNAHT_TEXT_FAILED;
    // The annex's writer answers as the library's functions do: 1 written.
    const bool entry_written = Write_ACTIV_NADNAME_Entry(f) == 1;
    const bool flushed = std::fflush(f) == 0 && !std::ferror(f);
    return entry_written && flushed ? SCHWEISSNAHT_TEXT_OK : SCHWEISSNAHT_TEXT_FAILED;
}

namespace {

// A new input file on its way: the record written, and what the file
// gives back.
struct Input_Text_Job {
    SchweissnahtAnschluss* record;
    SchweissnahtAnschluss* stored;  // what the new file reads as (may be null)
    std::string* refusal;           // where and why it does not read (may be null)
};

int write_input_text(FILE* f, void* context) {
    auto* job = static_cast<Input_Text_Job*>(context);
    return Write_Input_Text(f, job->record) == SCHWEISSNAHT_TEXT_OK ? VEK_WRITE_DONE : VEK_WRITE_FAILED;
}

// The line the reading of f stopped on and what stands on it up to there,
// the refused value last (its last 48 characters; names with their blanks).
std::string refused_line(FILE* f) {
    enum { SHOWN = 48 };
    const long at = std::ftell(f);
    std::rewind(f);
    long line = 1;
    std::string text;
    for (long k = 0; k < at; ++k) {
        const int c = std::getc(f);
        if (c == EOF) break;
        if (c == '\n') {
            ++line;
            text.clear();
        } else if (c != '\r' && (c != ' ' || !text.empty())) {
            text.push_back(static_cast<char>(c == '~' ? ' ' : c));
            if (text.size() > 4 * SHOWN) text.erase(0, 2 * SHOWN);
        }
    }
    if (text.size() > SHOWN) {
        text.erase(0, text.size() - SHOWN);
        const size_t word = text.find(' ');
        text = "... " + text.substr(word == std::string::npos ? 0 : word + 1);
    }
    return "Zeile " + std::to_string(line) + ": \xAE" + text + "\xAF";
}

// The read-back of the complete new file: its record must read as every
// later run reads it, and the annex entry behind it whole.
int check_input_text(const char* written, void* context) {
    auto* job = static_cast<Input_Text_Job*>(context);
    FILE* f = VEK_Open_Reading(written, VEK_READ_CAP_DATA, nullptr);
    if (!f) {
        if (job->refusal) *job->refusal = file_error_text(errno, true);
        return VEK_WRITE_FAILED;
    }
    SchweissnahtAnschluss scratch{};
    SchweissnahtAnschluss* back = job->stored ? job->stored : &scratch;
    Clear_Material_Read_Refusal();
    bool read = Read_Schweissnaht(f, back) == SCHWEISSNAHT_TEXT_OK;
    if (read) {
        const std::string rest = rest_of(f);
        const Annex_Entry_Place place = annex_entry_place(rest);
        FILE* tail = stream_of(rest);
        char name[GUILLEMET_NAME_SIZE] = "";
        read = !place.none && read_annex_name(rest, place, tail, name);
        if (tail) std::fclose(tail);
    } else if (job->refusal) {
        const std::string refusal = Material_Read_Refusal();
        const Range_Refusals& ranges = Schweissnaht_Read_Refusals();
        *job->refusal = ranges.any()       ? ranges.named.front().screen
                        : refusal.empty() ? refused_line(f)
                                          : "Zeile " + std::to_string(line_at(f)) + ": " + refusal;
    }
    if (!read && job->refusal && job->refusal->empty()) *job->refusal = "der Eintrag des Nationalen Anhangs";
    Free_Schweissnaht(&scratch);
    std::fclose(f);
    return read ? VEK_WRITE_DONE : VEK_WRITE_FAILED;
}

}  // namespace

int Replace_Input_Text_File(const char* path, SchweissnahtAnschluss* record, SchweissnahtAnschluss* stored,
                            std::string* refusal) {
    if (refusal) refusal->clear();
    Input_Text_Job job{record, stored, refusal};
    // A link to a file is kept and the file it names written; a link that
    // names no file has no file to write beside, and is replaced itself, as
    // the print list's is (the console says so).
    const std::string native = VEK_Native_String(path ? path : "");
    const std::string link = link_target(native);
    std::error_code ec;
    const bool dangling = !link.empty() && !std::filesystem::exists(native, ec);
    const int replaced = VEK_Replace_File(path, write_input_text, check_input_text, &job, dangling ? VEK_REPLACE_LINK : 0);
    if (dangling && (replaced == VEK_REPLACE_DONE || replaced == VEK_REPLACE_UNSYNCED))
        std::fprintf(stderr, "%s: was a symbolic link to %s; the input file now stands in its place\n", native.c_str(),
                     link.c_str());
    return replaced;
}

// Copies the bytes of the stream in context into f.
static int write_copy(FILE* f, void* context) {
    FILE* in = static_cast<FILE*>(context);
    char chunk[4096];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, in)) > 0;)
        if (std::fwrite(chunk, 1, got, f) != got) return VEK_WRITE_FAILED;
    return std::ferror(in) ? VEK_WRITE_FAILED : VEK_WRITE_DONE;
}

// Keeps the bytes of a damaged input file as "_NN.INP.bak". True when kept
// (or nothing was left to keep); false (errno set) when the copy failed or
// the file is there but cannot be opened: then nothing may be written over
// it.
static bool keep_unreadable_copy(void) {
    char backup[VEK_MAX_PATH + 1];
    const std::string backup_name = std::string(Kontext.input_name) + ".bak";
    if (!Make_Base_Path(backup, backup_name.c_str(), sizeof backup)) {
        errno = ENAMETOOLONG;
        return false;
    }
    int error = 0;
    FILE* in = open_input(&error);
    if (!in) {
        errno = error;
        return error == ENOENT || error == ENOTDIR;
    }
    const bool done = VEK_Write_File_Replacing(backup, write_copy, in) == VEK_WRITE_DONE;
    error = errno;
    std::fclose(in);
    errno = error;
    return done;
}

// Moves the arrays of `from` into `to`, whose own are freed; `from` is left
// without any.
static void move_record(SchweissnahtAnschluss* from, SchweissnahtAnschluss* to) {
    Free_Schweissnaht(to);
    *to = *from;
    from->loads = nullptr;
    from->results = nullptr;
    from->print.vorbemerkungen = nullptr;
}

// The box of a save that did not end as asked (nothing in batch mode).
static void save_box(int replaced, const std::string& reason) {
    if (VEK_Batch_Mode() || replaced == VEK_REPLACE_DONE) return;
    if (replaced == VEK_REPLACE_UNSYNCED)
        PrintMessage("%s\n%s\n%s",
                     "Die Eingabedaten wurden gespeichert, ihre dauerhafte Ablage ist aber nicht bestätigt!"_cp,
                     reason.c_str(), "Nach einem Stromausfall kann dort wieder die bisherige Datei stehen."_cp);
    else
        PrintMessage("%s\n%s\n%s", "Die Eingabedaten konnten nicht gespeichert werden!", reason.c_str(),
                     replaced == VEK_REPLACE_UNREADABLE ? "Die bisherige Datei und die Eingaben bleiben erhalten."
                                                        : "Die bisherige Datei bleibt erhalten.");
}

int Save_Input_File(void) {
    WELD_CHECK_AT_EXIT(Check_Schweissnaht_Invariants(&Schweissnaht_Anschluss));
    if (s_input_state == INPUT_UNOPENED) {
        if (!VEK_Batch_Mode())
            PrintMessage("%s\n%s\n%s", "Die Eingabedaten werden nicht gespeichert!", s_input_reason.c_str(),
                         "Die Datei war beim Start nicht lesbar und bleibt unverändert."_cp);
        return COMPONENT_FILE_REFUSED;
    }
    // The page keeps for the user what the file has no place for: what that
    // is is said before the file is written.
    if (!VEK_Batch_Mode()) {
        const std::vector<std::string> omitted = Input_File_Omissions(&Schweissnaht_Anschluss);
        if (!omitted.empty()) {
            Init_Message();
            Set_Message_Title("Hinweis");
            for (const std::string& line : omitted) Fill_Message("%s", line.c_str());
            Draw_Message();
        }
    }
    char path[VEK_MAX_PATH + 1];
    std::string file = component_file(Kontext.input_name), refusal;
    int replaced = VEK_REPLACE_FAILED;
    errno = ENAMETOOLONG;
    bool ready = Make_Base_Path(path, Kontext.input_name, sizeof path) != nullptr;
    if (ready && s_input_state == INPUT_DAMAGED) {
        ready = keep_unreadable_copy();
        if (ready) s_input_state = INPUT_READ;
        else file += ".bak";
    }
    SchweissnahtAnschluss stored{};
    Init_Schweissnaht(&stored);
    if (ready) replaced = Replace_Input_Text_File(path, &Schweissnaht_Anschluss, &stored, &refusal);
    const int error = errno;
    // The session goes on with what the saved file gives, as every later
    // run of it does.
    if (replaced == VEK_REPLACE_DONE || replaced == VEK_REPLACE_UNSYNCED) move_record(&stored, &Schweissnaht_Anschluss);
    Free_Schweissnaht(&stored);
    const std::string why = replaced == VEK_REPLACE_UNREADABLE ? "die neue Datei wäre nicht lesbar, "_cp + refusal
                                                               : std::string(file_error_text(error, false));
    save_box(replaced, "Eingabedatei " + file + ": " + why);
    return replaced == VEK_REPLACE_DONE       ? COMPONENT_FILE_DONE
           : replaced == VEK_REPLACE_UNSYNCED ? COMPONENT_FILE_UNCONFIRMED
                                              : COMPONENT_FILE_FAILED;
}

void Reset_Thin_Plate_Notice(void) {
    s_thin_plate_told = NAN;
    s_input_notice.clear();
}
