// The final result of an evaluation.
#include "weldapp/endergebnis.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "base/cp850.h"
#include "base/rounding.h"
#include "platform/oli_layout.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "weldapp/din_anschluss.h"
#include "weldapp/last_schweissnaht.h"
#include "weldcheck/weld_check_record.h"

static const char* P = "";  // the common line prefix of the print texts

const char* Refused_Weld_Input_Text(void) { return "Nahtlänge länger als die Fläche am Profil"_cp; }

bool Endergebnis_Fails(double u, double tolerance) {
    return !Utilisation_Ok(u) && !Within_Verdict_Tolerance(u, tolerance);
}

// Keeps the strictly larger of a check's utilisations with its place: larger
// as it counts, and of two the rule counts as 1 alike the larger as
// computed, so that the maximum shows the largest value with its note. A
// check's maximum takes every utilisation that stands, the DIN check's
// stresses beside a missing buckling check too (its block printed them);
// the overall maximum, which the table and the chart mark among their
// values, only those of checks run (such a case shows its mark there).
static void raise(Endergebnis_Maximum* m, const Ausnutzung& u, int load_case, const LastfallErgebnis* at = nullptr,
                  bool run_only = false) {
    if (run_only ? u.status != ERGEBNIS_GEFUEHRT : !Ausnutzung_Steht(u)) return;
    const double computed = Ausnutzung_Berechnet(u);
    if (!(u.U > m->U || (u.U == m->U && m->load_case > 0 && computed > m->computed))) return;
    *m = {u.U, load_case};
    m->computed = computed;
    if (!at) return;
    m->weld = at->weld, m->point = at->point, m->half = at->half;
    m->at_yz = at->at_yz, m->y = at->y, m->z = at->z;
}

Endergebnis Summarise_Lastfaelle(const SchweissnahtAnschluss* conn) {
    Endergebnis e;
    if (!conn || !conn->results) return e;
    const double tolerance = conn->print.toleranz;
    for (int i = 0; i < conn->load_count; ++i) {
        const LastfallErgebnis& r = conn->results[i];
        const int lk = i + 1;
        raise(&e.sigma, r.U_sigma, lk);
        raise(&e.w, r.U_w, lk, &r);
        raise(&e.ct, r.U_ct, lk);
        raise(&e.overall, r.U_sigma, lk, nullptr, true);
        raise(&e.overall, r.U_w, lk, &r, true);
        for (const Ausnutzung* u : {&r.U_sigma, &r.U_ct, &r.U_w})
            if (Ausnutzung_Steht(*u) && u->U == 1.0 && Utilisation_Counted_As_One(u->computed))
                e.counted_as_one = true;
        if (r.U_w.status == ERGEBNIS_EINGABE_ABGELEHNT) e.weld_input_refused = true;
        if (!Lastfall_Hat_Ergebnis(&r)) {
            e.without_result.push_back(lk);
            continue;
        }
        // A section not covered is so because its c/t ratio is beyond the
        // class 3 limits: that ratio is the reason named, not a failure of
        // its own.
        const bool not_covered = r.U_sigma.status == ERGEBNIS_NICHT_ABGEDECKT;
        // A web that buckles in shear is named for what it needs.
        if (r.U_sigma.status == ERGEBNIS_SCHUBBEULEN) e.shear_buckling.push_back(lk);
        else if (r.U_sigma.status == ERGEBNIS_BEULNACHWEIS) e.plate_buckling.push_back(lk);
        else if (Lastfall_Nicht_Abgedeckt(&r)) e.not_covered.push_back(lk);
        // Stresses beyond their limit fail a case whatever a missing
        // buckling check would say.
        bool failed = r.limits_broken;
        for (const Ausnutzung* u : {&r.U_sigma, &r.U_ct, &r.U_w})
            failed = failed || (Ausnutzung_Steht(*u) && !(not_covered && u == &r.U_ct) &&
                                Endergebnis_Fails(u->U, u == &r.U_ct ? 0.0 : tolerance));
        if (failed) e.failing.push_back(lk);
    }
    return e;
}

int Endergebnis_Governing_Case(const Endergebnis& e) {
    if (!e.without_result.empty()) return e.without_result.front();
    return e.overall.load_case > 0 ? e.overall.load_case : -1;
}

// "Lk 2, 5, 10": the cases in their order; a long list names its first
// cases and how many there are.
static std::string case_list(const std::vector<int>& cases) {
    const size_t kShown = 30;
    std::string text = "Lk ";
    for (size_t i = 0; i < cases.size() && i < kShown; ++i) text += (i ? ", " : "") + std::to_string(cases[i]);
    if (cases.size() > kShown) text += ", ... (" + std::to_string(cases.size()) + " Lastfälle)"_cp;
    return text;
}

// Where a maximum governs: "Lk 5, Naht 11, Pkt. 1", "Lk 3, Naht 1a, Pkt. 0",
// the DIN check's "Lk 2, y = 10.0, z = 0.0 cm".
static std::string place(const Endergebnis_Maximum& m) {
    std::string text = "Lk " + std::to_string(m.load_case);
    if (m.weld > 0) text += ", Naht " + std::to_string(m.weld) + (m.half ? std::string(1, m.half) : "");
    if (m.point >= 0) text += ", Pkt. " + std::to_string(m.point);
    if (m.at_yz) text += Format_Static(", y = %.1lf, z = %.1lf cm", Unsigned_Zero(m.y, 1), Unsigned_Zero(m.z, 1));
    return text;
}

std::string Endergebnis_Digits(double v) { return Verdict_Digits(v); }

// One row of the maxima: the check, its place and its utilisation with the
// verdict every line of the list gives it (a utilisation within the
// tolerance against the tolerance's limit, one just above 1 as computed
// with the rule that counts it as 1).
static bool counted_as_one(const Endergebnis_Maximum& m) {
    return m.U == 1.0 && Utilisation_Counted_As_One(m.computed);
}

static void maximum_row(FILE* list, const char* check, const char* symbol, const Endergebnis_Maximum& m,
                        double tolerance) {
    if (counted_as_one(m))
        OLI_printf(list, "╬t%s╬t%s╬tU╬\\%s╬r = %s%s\n"_cp, check, place(m).c_str(), symbol,
                   Utilisation_Digits_With(m.computed, tolerance), Utilisation_Verdict_Computed_With(m.computed, tolerance));
    else
        OLI_printf(list, "╬t%s╬t%s╬tU╬\\%s╬r = %s%s\n"_cp, check, place(m).c_str(), symbol,
                   Utilisation_Digits_As_Kept_With(m.U, tolerance), Utilisation_Verdict_With(m.U, tolerance));
}

// The welds by number: "Naht 4", "Nähte 1, 4", "Nähte 1 bis 12" (a run of
// three and more). Number 0 is the DIN check's weld all round, which has
// no number and no other weld beside it: "Umlaufende Naht".
static std::string weld_label(const std::vector<int>& welds) {
    if (!welds.empty() && welds[0] == 0) return "Umlaufende Naht";
    std::string numbers;
    for (size_t i = 0; i < welds.size(); ++i) {
        size_t j = i;
        while (j + 1 < welds.size() && welds[j + 1] == welds[j] + 1) ++j;
        numbers += (numbers.empty() ? "" : ", ") + std::to_string(welds[i]);
        if (j >= i + 2) numbers += " bis " + std::to_string(welds[j]), i = j;
    }
    return (welds.size() == 1 ? "Naht " : "Nähte "_cp) + numbers;
}

// One row of the notes: a rule and its numbers, and the welds that break it
// with those very numbers.
struct Note_Row {
    int rule;
    std::string text;
    std::vector<int> welds;
};

// The notes as rows, rule by rule in the order of the rules, welds with the
// same text of a rule in one row, in the order of their numbers.
static std::vector<Note_Row> note_rows(const Weld_Notes* notes, int count) {
    std::vector<Note_Row> rows;
    if (!notes) return rows;
    char text[256];
    for (int rule = 0; rule < WELD_NOTE_RULES; ++rule) {
        const size_t first = rows.size();
        for (int n = 0; n <= count; ++n) {
            const Weld_Note* values = Weld_Note_Values(notes[n], rule);
            if (!values) continue;
            Weld_Note_Text(rule, *values, text, sizeof text);
            auto same = std::find_if(rows.begin() + first, rows.end(), [&](const Note_Row& r) { return r.text == text; });
            if (same != rows.end()) same->welds.push_back(n);
            else rows.push_back({rule, text, {n}});
        }
    }
    return rows;
}

std::vector<std::string> Weld_Note_Lines(const Weld_Notes* notes, int count, int rule) {
    std::vector<std::string> lines;
    for (const Note_Row& row : note_rows(notes, count))
        if (row.rule == rule) lines.push_back(weld_label(row.welds) + ": " + row.text);
    return lines;
}

// The row of a note as the list writes it: the welds, the rule with its
// numbers, the rule's marker.
static std::string note_line(const Note_Row& row) {
    return "╬t"_cp + weld_label(row.welds) + ": " + row.text + "  " + Weld_Note_Marker(row.rule) + "\n";
}

// Stops of the final result in steps of 0.3 cm, sized for what its rows
// hold on the page's 17 cm of text. The maxima, under their label: the
// check at 0.6 cm, its place at 3.3 cm (past "Schweißnähte"), its
// utilisation at 9.0 cm (past the longest place, the DIN check's "Lk
// 10000, y = -10.0, z = 19.0 cm"), which leaves 8 cm for "= 1234.567  >
// 1  nicht ok !!" of the c/t ratio and more. The cases behind a label
// stand in the utilisations' column, past the longest label in heading
// style, "Querschnittsklasse 4 (nicht abgedeckt):".
static const double kRowTabs[3] = {2.0, 11.0, 30.0};
static const double kCaseTab = 30.0;

// A list of cases behind its label, in the one column of the cases.
static void case_row(FILE* list, const char* mk, const char* label, const std::vector<int>& cases) {
    if (!cases.empty()) OLI_printf(list, "%s%s%s╬r╬t%s  %s\n"_cp, P, mk, label, case_list(cases).c_str(), Mark_Alert());
}

// The maxima, the failing cases and the notes; heading style mk. A label
// that heads rows stands alone on its line, so that no row has to share
// its width with it. Stops are set only where they change: every setting
// starts a new format in the list.
static void result_rows(const Endergebnis& e, const Weld_Notes* notes, int count, const char* mk, double tolerance,
                        const char* buckling_standard, FILE* list) {
    const bool sigma = e.sigma.U > 0.001, w = e.w.U > 0.001, ct = e.ct.U > 0.001;
    const bool refused = e.weld_input_refused;
    bool row_stops = false;
    if (sigma || w || ct || refused) {
        OLI_Set_Tabs(2, nullptr, kRowTabs, 3);
        row_stops = true;
        OLI_printf(list, "%s%sMaximale Ausnutzung:╬r\n"_cp, P, mk);
        if (sigma) maximum_row(list, "Querschnitt", "\xCC", e.sigma, tolerance);
        // Welds checked with a geometry the input refused would prove
        // nothing: the refusal stands where their maximum would.
        if (refused)
            OLI_printf(list, "╬tSchweißnähte╬tkein Nachweis: %s (Eingabe)  %s\n"_cp,
                       e.weld_refusal ? e.weld_refusal : Refused_Weld_Input_Text(), Mark_Alert());
        else if (w) maximum_row(list, "Schweißnähte"_cp, "w", e.w, tolerance);
        // A c/t ratio has its class limit, which no tolerance moves.
        if (ct) maximum_row(list, "c/t-Verhältnis"_cp, "c/t", e.ct, 0.0);
    }
    if (!e.failing.empty() || !e.without_result.empty() || !e.not_covered.empty() || !e.shear_buckling.empty() ||
        !e.plate_buckling.empty()) {
        OLI_Set_Tabs(2, nullptr, &kCaseTab, 1);
        row_stops = false;
        case_row(list, mk, "Nicht erfüllt in:"_cp, e.failing);
        case_row(list, mk, "Berechnungsfehler:", e.without_result);
        case_row(list, mk, "Querschnittsklasse 4 (nicht abgedeckt):", e.not_covered);
        case_row(list, mk, "Schubbeulen (genauer Nachweis nötig):"_cp, e.shear_buckling);
        case_row(list, mk, ("Beulnachweis nach "_cp + std::string(buckling_standard) + " nötig:"_cp).c_str(),
                 e.plate_buckling);
    }
    const std::vector<Note_Row> rows = note_rows(notes, count);
    if (rows.empty()) return;
    if (!row_stops) OLI_Set_Tabs(2, nullptr, kRowTabs, 3);
    OLI_printf(list, "%s%sHinweise:╬r\n"_cp, P, mk);
    for (const Note_Row& row : rows) OLI_printf(list, "%s", note_line(row).c_str());
}

double Endergebnis_Height_CM(const Endergebnis& e, const Weld_Notes* notes, int count) {
    const int maxima = (e.sigma.U > 0.001) + (e.w.U > 0.001 || e.weld_input_refused) + (e.ct.U > 0.001);
    const int cases =
        !e.failing.empty() + !e.without_result.empty() + !e.not_covered.empty() + !e.shear_buckling.empty() +
        !e.plate_buckling.empty();
    // A note longer than a row of the page (about 85 characters of running
    // text beside its stop) takes two.
    int hints = 0;
    for (const Note_Row& row : note_rows(notes, count)) hints += 1 + MT_String_Length(note_line(row).c_str()) / 85;
    // Rows of 0.47 cm: the labels, their rows, the verdict and the warning
    // that may follow it; the space before the verdict.
    const int rows = (maxima ? 1 + maxima : 0) + cases + (hints ? 1 + hints : 0) + 2;
    return rows * 0.47 + 0.3;
}

void Print_Endergebnis(const SchweissnahtAnschluss* conn, const Endergebnis& e, const Weld_Notes* notes, int count,
                       FILE* list) {
    if (!conn || !list) return;
    const int extent = conn->print.ergebnisumfang;
    const char* mk = extent >= ERGEBNISUMFANG_STANDARD ? "╬H"_cp : "";
    result_rows(e, notes, count, mk, conn->print.toleranz, Din_Buckling_Standard_Of(conn), list);
    // A c/t ratio beyond its class limit fails the proof as an overloaded
    // section does: the stresses were checked for a class it does not reach.
    const double governing = std::max(e.overall.U, e.ct.U);
    const double tol = conn->print.toleranz;
    OLI_Add_Para_Offset(0.3);
    // A case not covered leaves the proof incomplete: never "proven".
    if (conn->input_error || e.weld_input_refused || !e.without_result.empty() || !e.failing.empty() ||
        !e.not_covered.empty() || !e.shear_buckling.empty() || !e.plate_buckling.empty()) {
        OLI_printf(list, "%s╬B%s\n"_cp, P, Line_Proof_Failed());
    } else if (!Utilisation_Ok(governing)) {
        OLI_printf(list, "%s╬B%s╬r  (%s%% Toleranz)\n"_cp, P, Line_Proof_Ok(), Endergebnis_Digits(tol).c_str());
    } else if (e.counted_as_one || counted_as_one(e.sigma) || counted_as_one(e.w) || counted_as_one(e.ct)) {
        // Proven where the rule counted a value just above 1 as 1, in the
        // governing case of a row or in another: the verdict names the
        // rule, as the lines it was applied to do.
        OLI_printf(list, "%s╬B%s╬r  (%s)\n"_cp, P, Line_Proof_Ok(), Counted_As_One_Rule_Text());
    } else {
        OLI_printf(list, "%s╬B%s\n"_cp, P, Line_Proof_Ok());
    }
    // The annex's warning closes the result whenever a note above names the
    // welds and the rule it is about.
    for (const Note_Row& row : note_rows(notes, count))
        if (Weld_Note_Is_EC3_Condition(row.rule)) EC3_Detailing_Warning_Flag = 1;
    Line_EC3_Condition_Warning(list);
}
