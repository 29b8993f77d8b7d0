// The connection record, its weld layout and the input file.
#include "weldapp/schweissnaht.h"

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
#include "platform/msgbox.h"
#include "platform/posix.h"
#include "printlist/ioliwrt.h"
#include "printlist/oli_para.h"
#include "profiles/profile_catalogue.h"
#include "weldapp/code_materials.h"
#include "weldapp/component_output.h"
#include "weldapp/connection_invariants.h"
#include "weldapp/filed_record.h"
#include "weldapp/input_page.h"
#include "weldapp/program_context.h"
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
    const Materialparameter_Record material = Filed_Material(r, 0);
    Stahlprofil profile = n.profile;
    profile.material = Filed_Material(r, 1);
    Blech_Record plate = n.plate;
    plate.material = Filed_Material(r, 2);
    failed |= Write_Material_Params(f, &material) != 0;
    failed |= Write_Profile(f, &profile) != 0;
    failed |= Write_Plate(f, &plate) != 0;
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
std::string component_file(const char* suffix) {
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
const char* file_error_text(int error, bool reading) {
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
    case ESTALE: return reading ? "nicht lesbar" : "von einem anderen Programm ersetzt";
    default: return reading ? "nicht lesbar" : "nicht schreibbar";
    }
}

// Opens the component's input file. Null with *error set when it cannot be
// opened: ENOENT or ENOTDIR when there is none, EISDIR or ENODEV when what
// stands there is no file (a FIFO is refused without waiting for a writer),
// EFBIG beyond the data cap, else the open's own errno.
FILE* open_input(int* error) {
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

// The line of the file's byte at; the stream stands there after it.
static long line_of(FILE* f, long at) {
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

// Where the reading of a refused input file stopped, in the user's words:
// the line, and whether the file ended there (cut short) or held what no
// reader takes (damaged, or written by a newer program). The stream stays
// where it stood.
static long line_at(FILE* f) { return line_of(f, std::ftell(f)); }

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

static const char* const kUnreadInput = "Die Eingabedaten können nicht gelesen werden!"_cp;

// The batch run of an input file that is missing or cannot be read: the
// list says so and the run ends with the exit code of a written list, or of
// a list that could not be written.
static void end_unread_batch_run(const std::string& reason, const char* console_reason) {
    std::fprintf(stderr, "%s%s: input file cannot be read (%s); no check is made\n", Get_File_Base(),
                 Kontext.input_name, console_reason);
    const bool written = replace_by_failure_list({kUnreadInput, reason, "Es wurde kein Nachweis geführt."_cp});
    std::exit(written ? PROGRAM_EXIT_WRITTEN : PROGRAM_EXIT_LIST_NOT_WRITTEN);
}

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
    int error = 0;
    FILE* f = open_input(&error);
    Note_Input_Source(f);
    if (!f && (error == ENOENT || error == ENOTDIR)) {
        // A new position at the screen: the user starts from the defaults of
        // a new connection (the annex's partial factors, a catalogue profile
        // the pages can show, welds and a picture scale that fits it); an
        // empty record would greet them with a refused profile and factors
        // of 0. A batch run has nothing to check: a list of the empty record
        // (a plate of 0 mm, factors of 0) would pass for a report.
        if (VEK_Batch_Mode()) end_unread_batch_run(input_reason(file_error_text(error, true)), std::strerror(error));
        Default_Schweissnaht(r);
        Forget_Filed_Record();
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
        Forget_Filed_Record();
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
        // Its line is counted only for a message: counting reads the file
        // again from its start, as long as it is.
        const long record_end = std::ftell(f);
        if (const int entry = Activate_Annex_After(f)) {
            // The annex entry behind a record that read does not: the record's
            // factors would come from an annex nobody chose.
            const std::string reason = input_reason(damaged_line_text(line_of(f, record_end) + entry - 1));
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
    if (VEK_Batch_Mode()) return;
    // What the file gave is what a save keeps of every value the user
    // leaves as it is (the defaults that stand for a damaged file are no
    // file's).
    if (s_input_state == INPUT_READ && result == SCHWEISSNAHT_TEXT_OK) Keep_Filed_Record(r);
    else Forget_Filed_Record();
    Keep_Ec_Choices_Of_File(s_input_state == INPUT_READ ? r : nullptr);
    Record_to_Sheet(r);
}

void Print_Input_File_Notice(FILE* list) {
    if (!list || s_input_notice.empty()) return;
    OLI_printf(list, "╬HHinweis╬r: %s\n"_cp, s_input_notice.front().c_str());
    for (size_t k = 1; k < s_input_notice.size(); ++k) OLI_printf(list, "%s\n", s_input_notice[k].c_str());
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
    SchweissnahtAnschluss stored{}, saved{};
    Init_Schweissnaht(&stored);
    // Every value the user left as the file held it is saved so, whatever
    // the pages made of it.
    Record_As_Saved(&Schweissnaht_Anschluss, &saved);
    if (ready) replaced = Replace_Input_Text_File(path, &saved, &stored, &refusal);
    const int error = errno;
    Free_Schweissnaht(&saved);
    // The session goes on with what the saved file gives, as every later
    // run of it does.
    if (replaced == VEK_REPLACE_DONE || replaced == VEK_REPLACE_UNSYNCED) {
        move_record(&stored, &Schweissnaht_Anschluss);
        if (!VEK_Batch_Mode()) Keep_Filed_Record(&Schweissnaht_Anschluss);
    }
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
