// The load cases in the input protocol and the result table of all cases.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdarg>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "base/cp850.h"
#include "platform/format.h"
#include "platform/oli_layout.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "weldapp/din_anschluss.h"
#include "weldapp/endergebnis.h"
#include "weldapp/last_schweissnaht.h"
#include "weldapp/schweissnaht.h"
#include "weldapp/tool_text.h"

namespace {

// The rows of the tables, one per load case, go straight into the list's
// buffer: the C library's bytes without its printf.
__attribute__((format(printf, 2, 3))) void Row_Printf(FILE* list, const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    VEK_Stream_Printf_V(list, format, ap);
    va_end(ap);
}
void Row_Put(FILE* list, const char* text) { VEK_Stream_Put(list, text, std::strlen(text)); }

// The labels of the load unit codes; their factors are Load_Unit_To_Screen's.
struct Units {
    const char* force_label;
    const char* moment_label;
};

Units units_of(int code) {
    switch (code) {
    case 0: return {" kN ", "kNm "};
    case 1: return {" kN ", "kNcm"};
    case 2: return {" N  ", " Nm "};
    default: return {"    ", "    "};
    }
}

// The columns are LASTFALL_COLUMNS: N, M_y, V_z, M_z, V_y, M_x.
const bool kIsMoment[6] = {false, true, false, true, false, true};

// Force c of the columns in the unit given.
double column_of(const Schnittkraefte& f, int c, Schnittkraefte_Units unit) {
    return Scale_Schnittkraefte(f, unit).*LASTFALL_COLUMNS[c];
}

// Under the forces: which sign is tension and which way the moments turn,
// as the sign-convention picture beside them shows it. A torsion moment of
// the other sign adds to the shear flow of a tube where it relieved it.
void sign_line(FILE* list) {
    OLI_printf(list, "%sPositiv: Kräfte in Richtung der Achsen (N > 0: Zug), Momente rechtsdrehend um die Achsen\n"_cp,
               "");
}

// The name column of the tables. A table set beside the sign-convention
// picture ends before it at the table's full size when its rows are at
// most this many characters (0.18 cm each, the picture `margin` cm from
// the left, a gap before it); the names take what the other columns leave,
// at least kMinNameChars, and a longer name wraps onto rows of its own
// under its column: one long name neither shrinks the whole table nor
// pushes it below the picture, and no name is cut.
const double kTableCharCm = 0.18;
const size_t kMinNameChars = 20;

size_t name_width(double margin, size_t fixed) {
    const size_t room = static_cast<size_t>((margin - 0.3) / kTableCharCm);
    return room > fixed + kMinNameChars ? room - fixed : kMinNameChars;
}

// The name in rows of at most `width` characters, broken after a blank where
// there is one (a longer word is broken where the row is full): the rows as
// pieces of the name, into *rows.
void name_rows(std::string_view name, size_t width, std::vector<std::string_view>* rows) {
    rows->clear();
    size_t at = 0;
    while (at < name.size()) {
        size_t end = std::min(name.size(), at + width);
        if (end < name.size()) {
            const size_t blank = name.rfind(' ', end);
            if (blank != std::string_view::npos && blank > at) end = blank + 1;
        }
        std::string_view row = name.substr(at, end - at);
        while (!row.empty() && row.back() == ' ') row.remove_suffix(1);
        rows->push_back(row);
        at = end;
        while (at < name.size() && name[at] == ' ') ++at;
    }
}

// The name after the cells of a row ("  " before it) and its further rows,
// each under the name column (`fixed` characters in); ends the row.
void name_column(FILE* list, const char* name_text, size_t fixed, double margin) {
    static std::vector<std::string_view> rows;  // kept from row to row: no allocation per row
    name_rows(name_text, name_width(margin, fixed + 2), &rows);
    for (size_t k = 0; k < rows.size(); ++k) {
        if (k > 0) Row_Put(list, std::string(fixed, ' ').c_str());
        Row_Printf(list, "  %.*s\n", static_cast<int>(rows[k].size()), rows[k].data());
    }
    if (rows.empty()) Row_Put(list, "\n");
}

// The width of the load case column: its largest number and a blank after
// it, at least four characters (" Lk " and the cells after it keep their
// places up to 999 cases; a four-digit case would run into a value that
// fills its cell, "1062-11532.48").
int case_column_width(int count) {
    int digits = 1;
    for (int n = count; n >= 10; n /= 10) ++digits;
    return std::max(4, digits + 1);
}

std::string without_blanks(const char* label) {
    std::string s;
    for (const char* p = label; *p; ++p)
        if (*p != ' ') s += *p;
    return s;
}

}  // namespace

void Print_Lastfaelle(SchweissnahtAnschluss* conn, FILE* list, int extent) {
    if (!conn || !list || !conn->loads || conn->load_count < 1) return;
    if (conn->load_count == 1 && !Lastfall_Has_Load(conn, 0)) return;
    const Units u = units_of(conn->load_unit);
    const Schnittkraefte_Units screen = Load_Unit_To_Screen(conn->load_unit);
    bool shown[6] = {};
    for (int i = 0; i < conn->load_count; ++i) {
        if (!Lastfall_Has_Load(conn, i)) continue;
        for (int c = 0; c < 6; ++c) {
            const double v = column_of(conn->loads[i].forces, c, screen);
            if (std::fabs(v) > 0.01) shown[c] = true;
        }
    }
    // Beside the picture at this margin; the full text width without it.
    const double margin = conn->print.skizzen ? 14.0 : 17.0;
    if (conn->print.skizzen) {
        OLI_End_Text(list);
        // The picture and the table beside it start on one page: a picture
        // moved to the next page would leave the table to start below it.
        OLI_reserveSpaceCM(list, 2.5 + 0.5);
        OLI_storeYPosition(list, 1);
        OLI_setMarginsCM(list, 1, 14.0, 0);
        Print_Symbol_Picture(list, shown[5] ? "schweissnaht_0" : "schweissnaht_1", 3.5, 2.5);
        OLI_restoreYPosition(list, 1);
        OLI_setMarginsCM(list, 1, 0.0, 0.0);
    }
    OLI_printf(list, "%s╬HSchnittgrößen╬r bezogen auf die Querschnittsachsen\n"_cp, "");
    static const char* const head[6] = {"      N╬\\Ed╬r  "_cp,  "     M╬\\y,Ed╬r "_cp, "     V╬\\z,Ed╬r "_cp,
                                        "     M╬\\z,Ed╬r "_cp, "     V╬\\y,Ed╬r "_cp, "     M╬\\x,Ed╬r "_cp};
    if (conn->load_count > 4) {
        OLI_End_Text(list);
        std::fputs("#SHOWTABLE\n0 0 0\n1 1 -1 -1 1\n4.5\n", list);
        std::fputs(" Lk    ", list);
        for (int c = 0; c < 6; ++c)
            if (shown[c]) std::fputs(head[c], list);
        std::fputs("\n       ", list);
        for (int c = 0; c < 6; ++c)
            if (shown[c]) std::fprintf(list, "     %4s  ", kIsMoment[c] ? u.moment_label : u.force_label);
        std::fputs("\n", list);
        for (int i = 0; i < conn->load_count; ++i) {
            if (!Lastfall_Has_Load(conn, i)) continue;
            Row_Printf(list, " %-4d", i + 1);
            size_t fixed = 5;
            for (int c = 0; c < 6; ++c)
                if (shown[c]) {
                    Row_Printf(list, " %10.2lf", column_of(conn->loads[i].forces, c, screen));
                    fixed += 11;
                }
            name_column(list, Trim_Both_Copy(conn->loads[i].name), fixed, margin);
        }
        std::fputs("#END_OF_TEXT\n", list);
        OLI_setYPositionCM(list, 1, -0.5);
        sign_line(list);
        return;
    }
    static const char* const sym[6] = {"N╬\\Ed╬r"_cp,   "M╬\\y,Ed╬r"_cp, "V╬\\z,Ed╬r"_cp,
                                       "M╬\\z,Ed╬r"_cp, "V╬\\y,Ed╬r"_cp, "M╬\\x,Ed╬r"_cp};
    OLI_Set_Single_Tab(2, 5.0);
    for (int i = 0; i < conn->load_count; ++i) {
        if (!Lastfall_Has_Load(conn, i)) continue;
        OLI_printf(list, "%sLk %d", "", i + 1);
        const std::string name = Trim_Both_Copy(conn->loads[i].name);
        if (extent != ERGEBNISUMFANG_TABELLARISCH && !name.empty())
            OLI_printf(list, ": ╬t%s\n%s"_cp, Color_Grey_Text(name.c_str()), "");
        else
            OLI_printf(list, ":");
        OLI_printf(list, " ╬t"_cp);
        int count = 0;
        for (int c = 0; c < 6; ++c) {
            if (!shown[c]) continue;
            if (count > 0 && count % 3 == 0) OLI_printf(list, "\n%s ╬t"_cp, "");
            const double v = column_of(conn->loads[i].forces, c, screen);
            const std::string unit = without_blanks(kIsMoment[c] ? u.moment_label : u.force_label);
            OLI_printf(list, "%s%s = %.2lf %s", count % 3 == 0 ? "" : ", ", sym[c], v, unit.c_str());
            ++count;
        }
        OLI_printf(list, "\n");
    }
    sign_line(list);
}

// The marks of the result table that its legend explains.
enum {
    MARK_ABOVE_ONE = 1,
    MARK_NOT_COVERED = 2,
    MARK_TOLERANCE = 4,
    MARK_SHEAR_BUCKLING = 8,
    MARK_PLATE_BUCKLING = 16,
    MARK_COUNTED_AS_ONE = 32,
};

// The maximum as the table shows it: the overall maximum, or where that is
// a utilisation just above 1 counted as 1, the largest such value as
// computed among the columns that carry the mark of the maximum; with its
// digits under the print control's tolerance (in digits, 32 bytes) and
// whether the rule counted it.
static double shown_maximum(const SchweissnahtAnschluss* conn, char* digits, bool* counted) {
    const double tolerance = conn->print.toleranz;
    const double max = conn->max_utilisation;
    double shown = max;
    if (max == 1.0)
        for (int i = 0; i < conn->load_count; ++i)
            for (const Ausnutzung* u : {&conn->results[i].U_sigma, &conn->results[i].U_w})
                if (u->status == ERGEBNIS_GEFUEHRT && u->U == max) shown = std::max(shown, Ausnutzung_Berechnet(*u));
    *counted = max == 1.0 && Utilisation_Counted_As_One(shown);
    VEK_Format_Bounded(digits, 32, "%s",
                       *counted ? Utilisation_Digits_With(shown, tolerance)
                                : Utilisation_Digits_As_Kept_With(shown, tolerance));
    return shown;
}

// Whether a utilisation of the result table shows a word for its check
// (one without result or with refused input, a section the check does not
// cover, one whose buckling needs a closer check).
static bool shows_word(const Ausnutzung& u) {
    return u.status == ERGEBNIS_FEHLER || u.status == ERGEBNIS_EINGABE_ABGELEHNT ||
           u.status == ERGEBNIS_NICHT_ABGEDECKT || u.status == ERGEBNIS_SCHUBBEULEN ||
           u.status == ERGEBNIS_BEULNACHWEIS;
}

// Whether a utilisation of the result table shows digits: a check run with
// a value above 0.001 (the others show a word or "---").
static bool shows_digits(const Ausnutzung& u) { return !shows_word(u) && !(u.U <= 0.001); }

// The digits a utilisation of the table shows: those every line of the list
// shows it with (Utilisation_Digits: "1.0005" where the rule counts it as
// 1, "0.9996" below 1, "1.0299995" within a tolerance of 3 %; the c/t
// column, `plain`, which no tolerance moves, without one); *counted is set
// where the rule counted it as 1, *shown to the value shown.
static inline const char* cell_digits(const Ausnutzung& u, bool plain, double tolerance, bool* counted,
                                      double* shown) {
    *shown = Ausnutzung_Berechnet(u);
    *counted = u.U == 1.0 && Utilisation_Counted_As_One(*shown);
    const double band = plain ? 0.0 : tolerance;
    return *counted ? Utilisation_Digits_With(*shown, band) : Utilisation_Digits_As_Kept_With(u.U, band);
}

// The room the digits of a utilisation column take: seven characters, the
// table as it always stood, or the widest digits of the column and a blank
// before them. A value of more places than three or of 100 and above
// widens its column rather than run into the mark of the cell before it
// ("1.005~1.0299995~"); a long table looks closer only at values from
// 0.999 on and formats only those close to a limit or of 10 and above
// (Utilisation_Digits_Five).
enum { U_ROOM = 7 };
static int digits_room(const Ausnutzung& u, bool plain, double tolerance) {
    if (Utilisation_Digits_Five(u.U, plain ? 0.0 : tolerance) || !shows_digits(u)) return U_ROOM;
    bool counted = false;
    double shown = 0.0;
    const char* digits = cell_digits(u, plain, tolerance, &counted, &shown);
    return std::max(static_cast<int>(U_ROOM), 1 + static_cast<int>(std::strlen(digits)));
}

// One utilisation of the result table, its room (digits_room) and a mark:
// "Fehler" in red for a check without result or refused input, the mark
// "QK4" for a class 4 section the check does not cover, "SB" for one whose
// shear buckling needs a closer check, "---" for none, else the value with
// its digits (cell_digits), right-aligned; a room wider than seven puts its
// further blanks first (before the colour): the room less what the cell
// takes, at least seven. U_sigma and U_w (not plain) are judged
// as every verdict of the list judges them (the tolerance counts): red
// when they fail, else blue at the maximum; marked "*" at the maximum (the
// value shown as the maximum is, within 0.0001), else "!" when they fail,
// "~" when they pass within the tolerance and "≈" where the rule counts
// them as 1. Returns the MARK_* written.
static int utilisation_cell(FILE* list, const Ausnutzung& u, bool plain, double max, const char* max_digits,
                            double tolerance, int room) {
    const double x = u.U;
    bool counted = false;
    double shown = 0.0;
    const char* digits = shows_digits(u) ? cell_digits(u, plain, tolerance, &counted, &shown) : nullptr;
    const int used = digits ? std::max(static_cast<int>(U_ROOM), static_cast<int>(std::strlen(digits))) : U_ROOM;
    if (room > used) Row_Printf(list, "%*s", room - used, "");
    if (u.status == ERGEBNIS_FEHLER || u.status == ERGEBNIS_EINGABE_ABGELEHNT) {
        Row_Put(list, Color_Red_Begin());
        Row_Put(list, "  Fehler");
        Row_Put(list, Color_End());
        return 0;
    }
    if (u.status == ERGEBNIS_NICHT_ABGEDECKT) {
        Row_Put(list, "     ╬HQK4╬r"_cp);
        return MARK_NOT_COVERED;
    }
    if (u.status == ERGEBNIS_SCHUBBEULEN) {
        Row_Put(list, "      ╬HSB╬r"_cp);
        return MARK_SHEAR_BUCKLING;
    }
    if (u.status == ERGEBNIS_BEULNACHWEIS) {
        Row_Put(list, "      ╬HBN╬r"_cp);
        return MARK_PLATE_BUCKLING;
    }
    if (x <= 0.001) {
        Row_Put(list, "   ---  ");
        return 0;
    }
    if (plain) {
        Row_Printf(list, "%7s ", digits);
        return 0;
    }
    const bool at_max = std::fabs(shown - max) < 0.0001 && std::strcmp(digits, max_digits) == 0;
    const bool fails = Endergebnis_Fails(x, tolerance), within = Within_Verdict_Tolerance(x, tolerance);
    if (fails) Row_Put(list, Color_Red_Begin());
    else if (at_max) Row_Put(list, Color_Blue_Begin());
    Row_Printf(list, "%7s", digits);
    Row_Put(list, at_max     ? "╬H*╬r"_cp
                  : fails    ? "╬H!╬r"_cp
                  : within   ? "╬H~╬r"_cp
                  : counted  ? "╬H\xF7╬r"_cp
                             : " ");
    Row_Put(list, Color_End());
    if (at_max) return 0;  // the maximum's line of the legend says what it is
    return fails ? MARK_ABOVE_ONE : within ? MARK_TOLERANCE : counted ? MARK_COUNTED_AS_ONE : 0;
}

static void result_legend(FILE* list, const bool force_col[6], const bool u_col[3], int marks, double max,
                          bool max_counted, double tolerance, const char* buckling_standard);

// The legend under the result table stands on one page: its first row at
// a page's foot left the others to the next. Its rows (result_legend, then
// the sign line): the column names (the forces' item and three a row; a
// row of three utilisation columns runs past the text's width and takes
// two), the maximum's, one per mark and the sign line, 0.47 cm each.
const double kLegendRowCm = 0.47;
static int legend_rows(int force_columns, const bool u_col[3], int marks) {
    const int u_items = u_col[0] + u_col[1] + u_col[2];
    const int names = force_columns > 0 ? 1 + (u_items > 0) + (u_items > 2) : 1 + (u_items > 2);
    return names + 1 + std::popcount(static_cast<unsigned>(marks)) + 1;
}

// The result table's block head: its title, layout line (the frame's
// columns: after the case column, the forces, the section's and all
// utilisation columns), head and unit rows. Each utilisation column is
// its room and a mark wide (room[k] + 1, eight as the table always
// stood); each head ends over the last digit of its values.
static void table_head(FILE* list, int n, int lk, const bool force_col[6], const bool u_col[3], const int room[3],
                       int F, int U, const Units& u) {
    // F force columns; U characters of all utilisation columns, S of the section's
    const int S = U - (u_col[2] ? room[2] + 1 : 0);
    std::fputs("#SHOWTABLE\n0 1 0\n ╬H"_cp, list);
    if (F > 0) std::fputs("Schnittgrößen"_cp, list);
    if (F > 0 && U > 0) std::fputs(" und ", list);
    if (U > 0) std::fputs("Ausnutzungen", list);
    std::fputs("\n1 1 -1 -1 6", list);
    if (n > 20) std::fprintf(list, " 0 0 0 0 0 0 0 %d", 2);
    const int wider = lk - 4;
    std::fprintf(list, "\n%.1lf %.1lf %.1lf %.1lf %.1lf %.1lf\n", 4.4 + wider, 4.6 + wider, 4.5 + wider + 10.0 * F,
                 4.5 + wider + 10.0 * F + S, 4.4 + wider + 10.0 * F + U, 4.6 + wider + 10.0 * F + U);
    static const char* const head[6] = {"      N╬\\Ed╬r "_cp,  "     M╬\\y,Ed╬r"_cp, "     V╬\\z,Ed╬r"_cp,
                                        "     M╬\\z,Ed╬r"_cp, "     V╬\\y,Ed╬r"_cp, "     M╬\\x,Ed╬r"_cp};
    static const char* const uhead[3] = {"     U╬\\\xCC╬r "_cp, "   U╬\\c/t╬r "_cp, "     U╬\\w╬r "_cp};
    std::fprintf(list, " %-*s", lk, "Lk");
    for (int c = 0; c < 6; ++c)
        if (force_col[c]) std::fputs(head[c], list);
    for (int k = 0; k < 3; ++k)
        if (u_col[k]) std::fprintf(list, "%*s%s", room[k] - U_ROOM, "", uhead[k]);
    std::fprintf(list, "\n %-*s", lk, "--");
    for (int c = 0; c < 6; ++c)
        if (force_col[c]) std::fprintf(list, "     %4s ", kIsMoment[c] ? u.moment_label : u.force_label);
    for (int k = 0; k < 3; ++k)
        if (u_col[k]) std::fprintf(list, "%*s", room[k] + 1, "");
    std::fputs("\n", list);
}

void Print_Ergebnistabelle(SchweissnahtAnschluss* conn, FILE* list) {
    if (!conn || !list || !conn->results || !conn->loads) return;
    const Schnittkraefte_Units screen = Load_Unit_To_Screen(conn->load_unit);
    const int n = conn->load_count;
    const double tolerance = conn->print.toleranz;
    bool force_col[6] = {};
    bool u_col[3] = {};  // U_sigma, U_c/t, U_w
    int room[3] = {U_ROOM, U_ROOM, U_ROOM};
    static constexpr Ausnutzung LastfallErgebnis::*const kU[3] = {&LastfallErgebnis::U_sigma, &LastfallErgebnis::U_ct,
                                                                  &LastfallErgebnis::U_w};
    // Only a value from 0.999 on may take more than five characters: below
    // the maxima of the evaluation no cell is looked at closer.
    const bool wide = !(conn->max_utilisation < 0.999 && conn->max_ct_utilisation < 0.999);
    for (int i = 0; i < n; ++i) {
        for (int c = 0; c < 6; ++c)
            if (std::fabs(column_of(conn->results[i].forces, c, screen)) > 0.001)
                force_col[c] = true;
        // A check without result has its column, where the row says so.
        for (int k = 0; k < 3; ++k) {
            const Ausnutzung& u = conn->results[i].*kU[k];
            if (u.U > 0.001 || shows_word(u)) u_col[k] = true;
            if (wide && !(u.U >= 0.0 && u.U < 0.999)) room[k] = std::max(room[k], digits_room(u, k == 1, tolerance));
        }
    }
    int F = 0, U = 0;
    for (bool b : force_col) F += b;
    for (int k = 0; k < 3; ++k) U += u_col[k] ? room[k] + 1 : 0;
    const double margin = conn->print.skizzen ? 14.5 : 17.0;
    if (conn->print.skizzen) {
        OLI_reserveSpaceCM(list, 3.5 + 0.5);
        OLI_storeYPosition(list, 1);
        OLI_setMarginsCM(list, 1, 14.5, 0);
        Print_Symbol_Picture(list, force_col[5] ? "schweissnaht_0" : "schweissnaht_1", 3.5, 3.5);
        OLI_restoreYPosition(list, 1);
        OLI_setMarginsCM(list, 1, 0.0, 0.0);
    }
    OLI_setFlags(list, 0x280);
    const int lk = case_column_width(n);
    table_head(list, n, lk, force_col, u_col, room, F, U, units_of(conn->load_unit));
    char max_digits[32];
    bool max_counted = false;
    const double max = shown_maximum(conn, max_digits, &max_counted);
    int marks = 0;  // the MARK_* written
    for (int i = 0; i < n; ++i) {
        const Schnittkraefte& forces = conn->results[i].forces;
        Row_Printf(list, " %-*d", lk, i + 1);
        for (int c = 0; c < 6; ++c) {
            if (!force_col[c]) continue;
            const double kn = column_of(forces, c, SCHNITTKRAEFTE_TO_KN);
            if (std::fabs(kn) <= 0.001) Row_Put(list, "     ---  ");
            else Row_Printf(list, "%9.2lf ", column_of(forces, c, screen));
        }
        for (int k = 0; k < 3; ++k)
            if (u_col[k])
                marks |= utilisation_cell(list, conn->results[i].*kU[k], k == 1, max, max_digits, tolerance, room[k]);
        name_column(list, Trim_Both_Copy(conn->loads[i].name), static_cast<size_t>(1 + lk + 10 * F + U), margin);
    }
    std::fputs("#END_OF_TEXT\n", list);
    OLI_setYPositionCM(list, 1, -0.5);
    OLI_setFlags(list, 0x380);
    OLI_Keep_Space(list, legend_rows(F, u_col, marks) * kLegendRowCm);
    OLI_Set_Para_Mode(3);
    OLI_printf(list, "%s", "");
    result_legend(list, force_col, u_col, marks, max, max_counted, tolerance, Din_Buckling_Standard_Of(conn));
    sign_line(list);
    OLI_Set_Para_Mode(4);
    OLI_Add_Para_Offset(0.3);
}

// The legend under the result table: the force columns shown, the
// utilisation columns shown, the marks; the maximum and the marks above 1
// with the verdict every line of the list gives them.
static void result_legend(FILE* list, const bool force_col[6], const bool u_col[3], int marks, double max,
                          bool max_counted, double tolerance, const char* buckling_standard) {
    static const char* const sym[6] = {"N╬\\Ed╬r"_cp,   "M╬\\y,Ed╬r"_cp, "V╬\\z,Ed╬r"_cp,
                                       "M╬\\z,Ed╬r"_cp, "V╬\\y,Ed╬r"_cp, "M╬\\x,Ed╬r"_cp};
    int item = 0;
    if (std::find(force_col, force_col + 6, true) != force_col + 6) {
        std::string forces;
        for (int c = 0; c < 6; ++c)
            if (force_col[c]) forces.append(forces.empty() ? "" : ",").append(sym[c]);
        forces += ": Schnittgrößen"_cp;
        Print_List_Item(list, 0, 3, forces.c_str());
        item = 3;
    }
    static const char* const legend[3] = {"U╬\\\xCC╬r: Spannungsausnutzung des Querschnitts"_cp,
                                          "U╬\\c/t╬r: c/t-Ausnutzung des Querschnitts"_cp,
                                          "U╬\\w╬r: Spannungsausnutzung der Schweißnähte"_cp};
    for (int k = 0; k < 3; ++k)
        if (u_col[k]) Print_List_Item(list, item++, 3, legend[k]);
    OLI_printf(list, "\n");
    if (max_counted)
        OLI_printf(list, "╬H*╬r) maximale Ausnutzung%s\n"_cp, Utilisation_Verdict_Computed_With(max, tolerance));
    else if (Utilisation_Ok(max)) OLI_printf(list, "╬H*╬r) maximale Ausnutzung\n"_cp);
    else OLI_printf(list, "╬H*╬r) maximale Ausnutzung%s\n"_cp, Utilisation_Verdict_With(max, tolerance));
    // The least utilisation that fails: the tolerance's limit (its band is
    // open at the top), and never below 1.001, up to which the rule counts
    // a value as 1 (every marked column holds a utilisation its check
    // rounds so). The band below it passes, in the words of the verdict;
    // beside values the rule counts ("≈", below 1.001) it begins where
    // theirs ends, as its cells do.
    const double band_limit = 1.0 + tolerance / 100.0;
    if (marks & MARK_ABOVE_ONE)
        OLI_printf(list, "╬H!╬r) Ausnutzung \xF2 %s, Nachweis nicht erfüllt\n"_cp,
                   Endergebnis_Digits(std::max(band_limit, UTILISATION_COUNTED_BELOW)).c_str());
    if (marks & MARK_TOLERANCE) {
        const std::string from = marks & MARK_COUNTED_AS_ONE
                                     ? "\xF2 " + Endergebnis_Digits(UTILISATION_COUNTED_BELOW)
                                     : std::string("> 1");
        OLI_printf(list, "╬H~╬r) Ausnutzung %s und  <  %s  %s╬r (%s%% Toleranz)\n"_cp, from.c_str(),
                   Endergebnis_Digits(band_limit).c_str(), Mark_Ok(), Endergebnis_Digits(tolerance).c_str());
    }
    if (marks & MARK_COUNTED_AS_ONE) OLI_printf(list, "╬H\xF7╬r) %s\n"_cp, Counted_As_One_Rule_Text());
    if (marks & MARK_NOT_COVERED) OLI_printf(list, "╬HQK4╬r) Querschnittsklasse 4: Nachweis nicht abgedeckt\n"_cp);
    if (marks & MARK_SHEAR_BUCKLING)
        OLI_printf(list, "╬HSB╬r) Schubbeulen: genauer Nachweis erforderlich, nicht nachgewiesen\n"_cp);
    if (marks & MARK_PLATE_BUCKLING)
        OLI_printf(list, "╬HBN╬r) Beulsicherheitsnachweis nach %s erforderlich, nicht geführt\n"_cp, buckling_standard);
}
