// Load cases and results of a connection, and the weld check of one load
// case.
#include "weldapp/last_schweissnaht.h"
#include "weldcheck/weld_check.h"

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <string>

#include "base/cp850.h"
#include "base/invariant.h"
#include "base/stored_text.h"
#include "base/textio.h"
#include "base/vesk.h"
#include "platform/oli_layout.h"
#include "printlist/ioliwrt.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "weldapp/connection_invariants.h"
#include "weldapp/schweissnaht.h"
#include "weldapp/tool_text.h"
#include "weldcheck/weld_check_record.h"
#include "weldcheck/weldelem.h"

static const double kLoadLimit = 0.001;  // N, Nmm

Ausnutzung Ausnutzung_Gefuehrt(double U) {
    // A utilisation that is no number is no result, whatever the check
    // answered: it must never pass as "below 1".
    if (!std::isfinite(U)) return Ausnutzung_Fehler();
    return {U, ERGEBNIS_GEFUEHRT, U};
}

Ausnutzung Ausnutzung_Gerundet(double computed) {
    Ausnutzung u = Ausnutzung_Gefuehrt(Round_Utilisation(computed));
    if (u.status == ERGEBNIS_GEFUEHRT) u.computed = computed;
    return u;
}

double Ausnutzung_Berechnet(const Ausnutzung& u) {
    return Utilisation_As_Computed(u.U, u.computed);
}

Ausnutzung Ausnutzung_Fehler(void) { return {0.0, ERGEBNIS_FEHLER}; }
Ausnutzung Ausnutzung_Nicht_Abgedeckt(void) { return {0.0, ERGEBNIS_NICHT_ABGEDECKT}; }
Ausnutzung Ausnutzung_Schubbeulen(void) { return {0.0, ERGEBNIS_SCHUBBEULEN}; }
Ausnutzung Ausnutzung_Beulnachweis(void) { return {0.0, ERGEBNIS_BEULNACHWEIS}; }

Ausnutzung Ausnutzung_Beulnachweis(double computed) {
    Ausnutzung u = Ausnutzung_Gerundet(computed);
    if (u.status != ERGEBNIS_GEFUEHRT) return Ausnutzung_Beulnachweis();
    u.status = ERGEBNIS_BEULNACHWEIS;
    return u;
}

int Ausnutzung_Steht(const Ausnutzung& u) {
    return u.status == ERGEBNIS_GEFUEHRT || (u.status == ERGEBNIS_BEULNACHWEIS && u.U > 0.0);
}

int Lastfall_Hat_Ergebnis(const LastfallErgebnis* r) {
    return r && r->U_sigma.status != ERGEBNIS_FEHLER && r->U_ct.status != ERGEBNIS_FEHLER &&
           r->U_w.status != ERGEBNIS_FEHLER;
}

int Lastfall_Nicht_Abgedeckt(const LastfallErgebnis* r) {
    if (!r) return 0;
    for (const Ausnutzung* u : {&r->U_sigma, &r->U_ct, &r->U_w})
        if (u->status == ERGEBNIS_NICHT_ABGEDECKT || u->status == ERGEBNIS_SCHUBBEULEN ||
            u->status == ERGEBNIS_BEULNACHWEIS)
            return 1;
    return 0;
}

// The notes of the welds over the load cases of the running evaluation.
static Weld_Notes s_weld_notes[WELD_NOTE_NUMBERS + 1];

const Weld_Notes* Weld_Notes_By_Number(void) { return s_weld_notes; }
void Clear_Weld_Notes(void) { std::memset(s_weld_notes, 0, sizeof s_weld_notes); }

void Add_Weld_Notes(int number, const Weld_Notes& notes) {
    const int n = Weld_Base_Number(number);
    if (notes.rules && n >= 0 && n <= WELD_NOTE_NUMBERS) Merge_Weld_Notes(&s_weld_notes[n], notes);
}

static void blank_cases(Lastfall* cases, int n) {
    for (int i = 0; i < n; ++i) std::strcpy(cases[i].name, " ");
}

void Alloc_Lasten(SchweissnahtAnschluss* conn, int n) {
    if (!conn) return;
    conn->load_unit = 0;
    conn->load_count = n > 1 ? n : 1;
    Mem_Free(__FILE__, __LINE__, "null", conn->loads);
    conn->loads = static_cast<Lastfall*>(
        Weld_Calloc_Or_Exit(__FILE__, __LINE__, static_cast<size_t>(conn->load_count), sizeof(Lastfall)));
    blank_cases(conn->loads, conn->load_count);
}

void Copy_Lasten(const SchweissnahtAnschluss* src, SchweissnahtAnschluss* dst) {
    // The same record would free the cases it is about to copy.
    if (!src || !dst || src == dst) return;
    const int count = src->load_count;
    const Lastfall* from = src->loads;
    Alloc_Lasten(dst, count);
    dst->load_unit = src->load_unit;
    if (!from) return;
    std::memcpy(dst->loads, from, static_cast<size_t>(dst->load_count) * sizeof(Lastfall));
    for (int i = 0; i < dst->load_count; ++i) dst->loads[i].name[LASTFALL_NAME_SIZE - 1] = '\0';
}

static int case_has_load(const Lastfall& c) { return Schnittkraefte_Exceed(c.forces, kLoadLimit); }

int Lastfall_Has_Load(const SchweissnahtAnschluss* conn, int i) {
    if (!conn || !conn->loads || i < 0 || i >= conn->load_count) return 0;
    return case_has_load(conn->loads[i]);
}

void Drop_Empty_Lastfaelle(SchweissnahtAnschluss* conn) {
    if (!conn || !conn->loads || conn->load_count < 1) return;
    int kept = 0;
    for (int i = 0; i < conn->load_count; ++i) {
        if (!case_has_load(conn->loads[i])) continue;
        if (kept != i) conn->loads[kept] = conn->loads[i];
        ++kept;
    }
    // With no case under load the first one stays, as it was.
    conn->load_count = kept > 0 ? kept : 1;
}

// The name as one word of 40 characters: blank-padded, cut, blanks as "~".
static void stored_name(const char* name, char out[LASTFALL_NAME_STORED + 1]) {
    std::snprintf(out, LASTFALL_NAME_STORED + 1, "%-40.40s", name);
    Blank_To_Tilde(out);
}

int Write_Lasten(FILE* f, SchweissnahtAnschluss* conn) {
    if (!f || !conn || !conn->loads) return 1;
    if (std::fprintf(f, " %d\n", LASTEN_BLOCK_VERSION) < 0) return 1;
    if (std::fprintf(f, " %d\n", conn->load_count) < 0) return 1;
    for (int i = 0; i < conn->load_count; ++i) {
        Lastfall& c = conn->loads[i];
        char word[LASTFALL_NAME_STORED + 1];
        c.name[LASTFALL_NAME_SIZE - 1] = '\0';
        stored_name(c.name, word);
        // The name in memory becomes what the file gives back.
        std::memcpy(c.name, word, sizeof word);
        Tilde_To_Blank(c.name);
        c.name[Length_Without_Trailing_Blanks(c.name)] = '\0';
        if (std::fprintf(f, " %s\n", word) < 0) return 1;
        for (double Schnittkraefte::*column : LASTFALL_COLUMNS)
            if (std::fprintf(f, " %lf", c.forces.*column) < 0) return 1;
        if (std::fprintf(f, "\n") < 0) return 1;
    }
    if (std::fprintf(f, " %d\n", conn->load_unit) < 0) return 1;
    return 0;
}

// One word of at most size - 1 characters. 1 when a word was there; 0 at
// the file's end, and for a longer word (no program writes one: a name is
// stored as LASTFALL_NAME_STORED characters), which is refused with its
// length for case `index` (1-based; 0: a scratch word, cut unread).
static int read_word(FILE* f, char* field, int size, int index) {
    int c = Fgetc_Skip_Blanks(f);
    if (c == EOF) return 0;
    int n = 0;
    long length = 0;
    for (; c != EOF && c != ' ' && c != '\t' && c != '\n' && c != '\r'; c = std::fgetc(f), ++length)
        if (n < size - 1) field[n++] = static_cast<char>(c);
    field[n] = '\0';
    if (c != EOF) std::ungetc(c, f);
    if (index <= 0) return 1;
    // The words of a refusal are made only for a name refused: the block
    // may hold tens of thousands of cases.
    if (length <= LASTFALL_NAME_STORED && !std::memchr(field, 0xCE, static_cast<size_t>(n))) return 1;
    const std::string head = "Lastfall " + std::to_string(index) + ": ";
    if (length <= LASTFALL_NAME_STORED)
        return Input_Text_Free_Of_Markup(field, static_cast<size_t>(n), (head + "Name").c_str(),
                                         ("load case " + std::to_string(index) + ": name").c_str());
    return Note_Input_Text_Too_Long(static_cast<size_t>(length), LASTFALL_NAME_STORED, (head + "Name").c_str(),
                                    ("load case " + std::to_string(index) + ": name").c_str());
}

static int read_doubles(FILE* f, double* values, int n) {
    for (int i = 0; i < n; ++i)
        if (Scan_Double_Word(f, &values[i]) != 1) return 0;
    return 1;
}

// Fewest bytes one case takes in the file: a one-letter name and six
// one-digit numbers, each behind a separator.
enum { CASE_MIN_BYTES = 14 };

int Read_Lasten(FILE* f, SchweissnahtAnschluss* conn) {
    Clear_Input_Value_Refusal();
    if (!f || !conn) return 1;
    int version = 0, count = 0, ignored = 0;
    if (Scan_Int_Word(f, &version) != 1) return 1;
    if (!Check_File_Version(version, LASTEN_BLOCK_VERSION, 0)) return 1;
    if (version == 0 && Scan_Int_Word(f, &ignored) != 1) return 1;
    if (Scan_Int_Word(f, &count) != 1) return 1;
    // A count the rest of the file cannot hold is a damaged block, not a
    // reason to ask for memory (an old block holds every case twice).
    const long left = Bytes_Left_In_File(f);
    const long per_case = version == 0 ? 2 * CASE_MIN_BYTES : CASE_MIN_BYTES;
    if (left >= 0 && count > 0 && static_cast<long>(count) > left / per_case + 1) return 1;
    Alloc_Lasten(conn, count);
    count = conn->load_count;  // a count below 1 still gives one case
    char word[LASTFALL_NAME_SIZE];
    double scratch[6];
    if (version == 0)
        for (int i = 0; i < count; ++i)
            if (!read_word(f, word, sizeof word, 0) || !read_doubles(f, scratch, 6)) return 1;
    for (int i = 0; i < count; ++i) {
        Lastfall& c = conn->loads[i];
        if (!read_word(f, c.name, sizeof c.name, i + 1)) return 1;
        Tilde_To_Blank(c.name);
        c.name[Length_Without_Trailing_Blanks(c.name)] = '\0';
        double v[6];
        if (!read_doubles(f, v, 6)) return 1;
        for (int k = 0; k < 6; ++k) c.forces.*LASTFALL_COLUMNS[k] = v[k];
    }
    // The unit of the table is one of its four (kN/kNm, kN/kNcm, N/Nm, N/Nmm).
    if (version >= 2 && (Scan_Int_Word(f, &conn->load_unit) != 1 ||
                         !Input_Value_Holds(RANGE_LOAD_UNIT, conn->load_unit, "Einheit der Lastf\x84lle", nullptr,
                                            "load unit")))
        return 1;
    return 0;
}

// ---- weld check of one load case ----

// The weld check of one load case; tests put a check of their own in.
static Weld_Check_Function s_weld_check = Calc_Weld_Check;

Weld_Check_Function Set_Weld_Check_Seam(Weld_Check_Function check) {
    Weld_Check_Function old = s_weld_check;
    s_weld_check = check;
    return old;
}

static void copy_slot(const Nahtbild& n, SchweissnahtNachweis& rec, int k, bool with_size) {
    rec.number[k] = n.number[k];
    rec.a[k] = with_size ? n.throat[k] : 0.0;
    rec.l[k] = with_size ? n.length[k] : 0.0;
}

// Slot `from` is split in two halves; the second goes to slot `to` with the
// number + 20.
static void split_slot(SchweissnahtNachweis& rec, int from, int to) {
    if (rec.number[from] <= 0) return;
    rec.l[from] *= 0.5;
    rec.a[to] = rec.a[from];
    rec.l[to] = rec.l[from];
    rec.number[to] = rec.number[from] + WELD_HALF_NUMBER_OFFSET;
}

static void copy_weld_slots(const SchweissnahtAnschluss& conn, SchweissnahtNachweis& rec) {
    const Nahtbild& n = conn.naht;
    const int type = n.profile.type;
    // The split at the web axis is one of single welds: an all-round weld
    // takes every face whole from the profile.
    const bool split = conn.shear_split == WELD_SHEAR_SPLIT_CONSISTENT && !n.all_round;
    auto sized = [&](std::initializer_list<int> slots) {
        for (int k : slots) copy_slot(n, rec, k, true);
    };
    auto numbered = [&](std::initializer_list<int> slots) {
        for (int k : slots) copy_slot(n, rec, k, false);
    };
    // The faces by the I family's names; the other families' faces of the
    // same index are listed beside the names (profiles/stahlprofil.h).
    if (Is_Profile_Type_One_Of(type, {PROFILTYP_FLACH, PROFILTYP_RECHTECK})) {
        sized({WELD_FACE_TOP_OUTER, WELD_FACE_TOP_INNER_LEFT, WELD_FACE_WEB_LEFT, WELD_FACE_BOTTOM_OUTER});
    } else if (Is_Profile_Type_One_Of(type, {PROFILTYP_RUND, PROFILTYP_ROHR})) {
        const int k = WELD_FACE_TOP_OUTER;  // the one weld all round
        rec.number[k] = n.number[k];
        rec.a[k] = n.a_w;
        rec.l[k] = 0.0;
    } else if (type == PROFILTYP_L) {
        sized({WELD_FACE_TOP_OUTER, WELD_FACE_TOP_INNER_LEFT, WELD_FACE_WEB_LEFT, WELD_FACE_WEB_RIGHT});
        numbered({WELD_FACE_TOP_END_LEFT, WELD_FACE_BOTTOM_END_LEFT});
    } else if (Is_Profile_Type_In(PROFILTYP_MASK_I, type)) {
        sized({WELD_FACE_TOP_OUTER, WELD_FACE_TOP_INNER_LEFT, WELD_FACE_WEB_LEFT, WELD_FACE_BOTTOM_OUTER,
               WELD_FACE_BOTTOM_INNER_LEFT, WELD_FACE_TOP_INNER_RIGHT, WELD_FACE_WEB_RIGHT,
               WELD_FACE_BOTTOM_INNER_RIGHT});
        numbered({WELD_FACE_TOP_END_LEFT, WELD_FACE_BOTTOM_END_LEFT, WELD_FACE_TOP_END_RIGHT,
                  WELD_FACE_BOTTOM_END_RIGHT});
        if (split) {
            split_slot(rec, WELD_FACE_TOP_OUTER, WELD_FACE_TOP_OUTER_RIGHT);
            split_slot(rec, WELD_FACE_BOTTOM_OUTER, WELD_FACE_BOTTOM_OUTER_RIGHT);
        }
    } else if (Is_Profile_Type_One_Of(type, {PROFILTYP_C, PROFILTYP_U, PROFILTYP_Z})) {
        sized({WELD_FACE_TOP_OUTER, WELD_FACE_TOP_INNER_LEFT, WELD_FACE_WEB_LEFT, WELD_FACE_BOTTOM_OUTER,
               WELD_FACE_BOTTOM_INNER_LEFT, WELD_FACE_WEB_RIGHT});
        numbered({WELD_FACE_TOP_END_LEFT, WELD_FACE_BOTTOM_END_LEFT});
    } else if (Is_Profile_Type_One_Of(type, {PROFILTYP_T, PROFILTYP_HALB_I})) {
        sized({WELD_FACE_TOP_OUTER, WELD_FACE_TOP_INNER_LEFT, WELD_FACE_WEB_LEFT, WELD_FACE_TOP_INNER_RIGHT,
               WELD_FACE_WEB_RIGHT});
        numbered({WELD_FACE_TOP_END_LEFT, WELD_FACE_BOTTOM_END_LEFT, WELD_FACE_TOP_END_RIGHT});
        if (split) split_slot(rec, WELD_FACE_TOP_OUTER, WELD_FACE_TOP_OUTER_RIGHT);
    }
}

// Throat of an all-round weld by the slot's place on the profile.
static double all_round_throat(const Nahtbild& n, int k) {
    const int type = n.profile.type;
    const bool top = Type_In(k, {WELD_FACE_TOP_OUTER, WELD_FACE_TOP_INNER_LEFT, WELD_FACE_TOP_INNER_RIGHT,
                                 WELD_FACE_TOP_END_LEFT, WELD_FACE_TOP_END_RIGHT});
    if (Is_Profile_Type_In(PROFILTYP_MASK_I, type)) {
        if (top) return n.a_w_fo;
        if (Type_In(k, {WELD_FACE_BOTTOM_OUTER, WELD_FACE_BOTTOM_INNER_LEFT, WELD_FACE_BOTTOM_INNER_RIGHT,
                        WELD_FACE_BOTTOM_END_LEFT, WELD_FACE_BOTTOM_END_RIGHT}))
            return n.a_w_fu;
        return n.a_w;
    }
    if (Is_Profile_Type_One_Of(type, {PROFILTYP_T, PROFILTYP_HALB_I}) && top) return n.a_w_fo;
    return n.a_w;
}

// The weld check's answer as the case's result: U_w as the check's status
// says (only a check that returned done and named its result done has one),
// the weld and end point where it governs, and the notes of its welds
// gathered by number.
static void store_weld_result(const SchweissnahtNachweis& rec, int done, LastfallErgebnis* result) {
    const bool checked = done == 0 && rec.U_w_status == WELD_CHECK_DONE;
    result->U_w = checked ? Ausnutzung_Gefuehrt(rec.U_w) : Ausnutzung_Fehler();
    if (checked) result->U_w.computed = Weld_Check_Computed_U(&rec);
    result->weld = 0;
    result->half = 0;
    result->at_yz = false;
    result->point = -1;
    const int k = rec.governing_slot;
    if (result->U_w.status == ERGEBNIS_GEFUEHRT && k >= 0 && k < WELD_CHECK_WELDS && rec.governing_point >= 0) {
        result->point = rec.governing_point;
        // The one closed weld of a round section is named by its point only.
        if (!Is_Profile_Type_One_Of(rec.profile.type, {PROFILTYP_RUND, PROFILTYP_ROHR})) {
            result->weld = Weld_Base_Number(rec.number[k]);
            result->half = Weld_Half_Letter(&rec, k);
        }
    }
    for (int k2 = 0; k2 < WELD_CHECK_WELDS; ++k2)
        if (rec.notes[k2].rules && rec.number[k2] > 0) Add_Weld_Notes(rec.number[k2], rec.notes[k2]);
}

int Calc_Schweissnaht_Lastfall(SchweissnahtAnschluss* conn, LastfallErgebnis* result, FILE* list, int extent,
                               int sketches, int intermediate, int heading_level) {
    WELD_CHECK_AT_EXIT(Check_Schweissnaht_Invariants(conn));
    if (!conn || !result) return 1;
    if (list) {
        const double tab = 8.0;
        OLI_Set_Tabs(2, nullptr, &tab, 1);
        OLI_End_Text(list);
        OLI_reserveSpaceCM(list, 3.0);
        Oli_Heading(list, heading_level, "%s", "Nachweis der Schweißnähte"_cp);
        if (extent > ERGEBNISUMFANG_MINIMAL) OLI_Add_Para_Offset(0.3);
    }
    Nahtbild& n = conn->naht;
    if (n.all_round) {
        // The welds of an all-round weld follow the profile's plate parts.
        const int count = Get_Profile_Plate_Elements(&n.profile, n.length, n.number);
        n.weld_count = count > 0 ? count : 0;
    }

    SchweissnahtNachweis rec;
    Init_Weld_Check_Record(&rec);
    rec.gamma_M2 = conn->safety.gamma_M2;
    rec.gamma_M0 = conn->safety.gamma_M0;
    Copy_Plate(&n.plate, &rec.plate);
    rec.weld_kind = n.weld_kind;
    rec.full_penetration = n.weld_kind != WELD_FILLET ? n.full_penetration : 0;
    rec.deduct_craters = n.full_length ? 0 : 1;
    rec.neglect_short = n.all_round ? conn->short_welds : 0;
    Copy_Profile(&n.profile, &rec.profile);
    copy_weld_slots(*conn, rec);
    rec.all_round = n.all_round;
    rec.shear_split = conn->shear_split;
    rec.no_length_check = n.no_length_check;
    rec.no_throat_check = n.no_throat_check;
    rec.full_treatment = 1;
    rec.contact_share = n.contact_fraction;
    rec.check_field = 1;
    rec.method = conn->weld_method;
    rec.forces = result->forces;

    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        if (rec.number[k] <= 0) continue;
        if (n.all_round && !n.full_penetration) {
            rec.l[k] = 0.0;
            rec.a[k] = all_round_throat(n, k);
        } else if (rec.l[k] < 0.01) {
            rec.a[k] = 0.0;
        }
    }

    const int done = s_weld_check ? s_weld_check(&rec, list, extent, conn->print.zusatzinfo, sketches, intermediate)
                                  : 1;
    store_weld_result(rec, done, result);
    return done;
}
