// Every comparison a list prints, read back from the list's own text and
// judged by its own digits: connections of both codes, each loaded so that
// its utilisation lies just below 1, where the rule counts it as 1, just
// above 1.001 and on either side of the tolerance's limit, at the detailed,
// standard and tabular extents. A comparison is "a sign b" with a and b as
// printed (a value with its unit, a limit with its name); it must hold for
// the printed digits, "ok" never stands beside ">", a value beside "<= 1.03
// ok" reads below 1.03 (the band is open at its top), a failing value under
// a tolerance of t % does not read as passing it (on 1 + t/100 itself it
// fails and reads so), and the pair of a "Max:" line gives the
// utilisation beside it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "printlist/oli_para.h"
#include "profiles/catalogue_fixture.h"
#include "support/testutil.h"
#include "weldapp/print_schweissnaht.h"
#include "weldapp/record_fixture.h"
#include "weldapp/schweissnaht.h"

namespace {

const unsigned char kEsc = 0xCE;

// The list's text without markup: colours, superscripts (exponents of
// units, the multiplication dot) and every other two-byte switch.
std::string Without_Markup(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (static_cast<unsigned char>(s[i]) != kEsc || i + 1 >= s.size()) {
            out += s[i];
            continue;
        }
        const char c = s[i + 1];
        size_t end = i + 1;
        if (c == '{') end = s.find('}', i);
        if (c == '/') {
            end = std::min(s.find("\xCEr", i + 2), s.find('\n', i) - 1);
            if (end != std::string::npos && s.compare(end, 2, "\xCEr") == 0) ++end;
        }
        i = end == std::string::npos ? s.size() : end;
    }
    return out;
}

bool Is_Sign(unsigned char c) { return c == '<' || c == '>' || c == 0xF3 || c == 0xF2 || c == 0xF7; }

// The number at p ("-12.34"), its end in *end; empty where none starts.
std::string Number_At(const std::string& s, size_t p, size_t* end) {
    size_t q = p;
    if (q < s.size() && s[q] == '-') ++q;
    const size_t digits = q;
    while (q < s.size() && std::isdigit(static_cast<unsigned char>(s[q]))) ++q;
    if (q == digits) return "";
    if (q + 1 < s.size() && s[q] == '.' && std::isdigit(static_cast<unsigned char>(s[q + 1]))) {
        ++q;
        while (q < s.size() && std::isdigit(static_cast<unsigned char>(s[q]))) ++q;
    }
    *end = q;
    return s.substr(p, q - p);
}

// The first number after position p (blanks skipped).
std::string Number_After(const std::string& s, size_t p, size_t* end) {
    while (p < s.size() && s[p] == ' ') ++p;
    return Number_At(s, p, end);
}

// The value left of a sign: the segment back to the sign before it, its
// bracketed words left out, after its last arrow, colon or ", " and its
// last "=": the last number there, followed by nothing but a unit.
std::string Left_Operand(std::string seg) {
    for (size_t open; (open = seg.rfind('(')) != std::string::npos;) {
        const size_t close = seg.find(')', open);
        seg.erase(open, close == std::string::npos ? std::string::npos : close - open + 1);
    }
    for (const char* cut : {"\x88", ":", ", ", "="}) {
        const size_t at = seg.rfind(cut);
        if (at != std::string::npos) seg = seg.substr(at + std::strlen(cut));
    }
    size_t at = seg.find_last_of("0123456789");
    if (at == std::string::npos) return "";
    size_t start = at;
    while (start > 0 && (std::isdigit(static_cast<unsigned char>(seg[start - 1])) || seg[start - 1] == '.')) --start;
    if (start > 0 && seg[start - 1] == '-') --start;
    size_t end = 0;
    const std::string n = Number_At(seg, start, &end);
    std::string tail = seg.substr(end);
    while (!tail.empty() && tail.back() == ' ') tail.pop_back();
    while (!tail.empty() && tail.front() == ' ') tail.erase(0, 1);
    for (const char* unit : {"", "mm", "cm", "N/mm", "N/mm\xFD", "kN/cm", "kN", "kNm"})
        if (tail == unit) return n;
    return "";
}

// The limit right of a sign: a number that starts it (one that a factor
// follows, "43.00·eps = 34.79", gives the product after "="), else the
// number after the last "=" before a bracket, ", " or an arrow.
std::string Right_Operand(const std::string& seg, size_t* end) {
    std::string n = Number_After(seg, 0, end);
    if (!n.empty()) {
        if (*end >= seg.size() || seg[*end] == ' ' || seg[*end] == ',' || seg[*end] == ')') return n;
        const size_t eq = seg.find('=', *end);
        return eq == std::string::npos ? "" : Number_After(seg, eq + 1, end);
    }
    size_t stop = seg.size();
    for (const char* cut : {" (", ", ", "\x88"}) stop = std::min(stop, seg.find(cut));
    const size_t eq = seg.substr(0, stop).rfind('=');
    return eq == std::string::npos ? "" : Number_After(seg, eq + 1, end);
}

struct Reading {
    int comparisons = 0;
    std::vector<std::string> false_ones;
};

// Judges every comparison of every line of the list; tolerance in percent.
Reading Read_Comparisons(const std::string& list, double tolerance) {
    Reading r;
    const std::string text = Without_Markup(list);
    const double band_limit = 1.0 + tolerance / 100.0;
    size_t from = 0;
    while (from < text.size()) {
        size_t nl = text.find('\n', from);
        if (nl == std::string::npos) nl = text.size();
        const std::string line = text.substr(from, nl - from);
        from = nl + 1;
        if (line.empty() || line[0] == '#') continue;
        std::vector<size_t> signs;
        for (size_t i = 1; i + 1 < line.size(); ++i)
            if (Is_Sign(static_cast<unsigned char>(line[i])) && line[i - 1] == ' ' && line[i + 1] == ' ') signs.push_back(i);
        for (size_t k = 0; k < signs.size(); ++k) {
            const size_t at = signs[k];
            const unsigned char sign = static_cast<unsigned char>(line[at]);
            const size_t begin = k ? signs[k - 1] + 1 : 0, next = k + 1 < signs.size() ? signs[k + 1] : line.size();
            size_t end = 0;
            const std::string rseg = line.substr(at + 1, next - at - 1);
            const std::string a = Left_Operand(line.substr(begin, at - begin)), b = Right_Operand(rseg, &end);
            if (a.empty() || b.empty()) continue;
            ++r.comparisons;
            const double A = std::strtod(a.c_str(), nullptr), B = std::strtod(b.c_str(), nullptr);
            auto wrong = [&](const std::string& why) { r.false_ones.push_back(why + ": " + line); };
            const bool holds = sign == '<' ? A < B : sign == '>' ? A > B : sign == 0xF3 ? A <= B : sign == 0xF2 ? A >= B : true;
            if (!holds) wrong("false as printed");
            const std::string rest = rseg.substr(end);
            const bool fails = rest.find("nicht ok") != std::string::npos || rest.find("!!") != std::string::npos;
            const bool passes = !fails && rest.find("ok") != std::string::npos;
            const bool c_t = line.find("c/t") != std::string::npos;  // judged without a tolerance
            const bool limit = B == 1.0 || (tolerance > 0 && std::fabs(B - band_limit) < 1e-12);
            if (limit && passes && sign == '>') wrong("\">\" beside ok");
            if (limit && passes && B != 1.0 && A >= B) wrong("reads not below the band's limit");
            if (limit && passes && sign == 0xF7 && !(A > 1.0 && A < 1.001)) wrong("counted as 1, reads not above 1");
            if (limit && fails && (sign == '<' || sign == 0xF3)) wrong("below the limit beside a failure");
            if (limit && fails && tolerance > 0 && !c_t && A < band_limit) wrong("failing, reads within the band");
            // The pair of a "Max:" line gives its utilisation.
            const size_t u = line.find("\x88  U", at);
            if (line.find("Max:") != std::string::npos && !limit && u != std::string::npos && u < next) {
                size_t e = 0;
                const double U = std::strtod(Number_After(line, line.find('=', u) + 1, &e).c_str(), nullptr);
                if (std::fabs(A / B - U) > 0.002) wrong("the pair does not give U");
            }
        }
    }
    return r;
}

// A band of utilisations as a legend line states it: from lo to hi, each
// end open or closed.
struct Band {
    double lo, hi;
    bool lo_open, hi_open;
};

// The band a legend line states after its mark: "Ausnutzung ≥ 1.01",
// "Ausnutzung > 1 und < 1.01", "Ausnutzung über 1 und unter 1.001"; false
// where it states none.
bool Legend_Band(const std::string& line, Band* b) {
    *b = {-1e300, 1e300, true, true};
    bool any = false;
    for (size_t at = 0; at < line.size(); ++at) {
        const unsigned char c = static_cast<unsigned char>(line[at]);
        const bool word_over = line.compare(at, 5, "\x81" "ber ") == 0, word_under = line.compare(at, 6, "unter ") == 0;
        if (!(c == '<' || c == '>' || c == 0xF2 || c == 0xF3 || word_over || word_under) || at == 0 || line[at - 1] != ' ')
            continue;
        size_t end = 0;
        const std::string n = Number_After(line, at + (word_under ? 6 : word_over ? 5 : 1), &end);
        if (n.empty()) continue;
        const double v = std::strtod(n.c_str(), nullptr);
        if (c == '>' || c == 0xF2 || word_over) b->lo = v, b->lo_open = c != 0xF2;
        else b->hi = v, b->hi_open = c != 0xF3;
        any = true;
    }
    return any;
}

// Whether two bands share a value.
bool Overlap(const Band& a, const Band& b) {
    const double lo = std::max(a.lo, b.lo), hi = std::min(a.hi, b.hi);
    if (lo < hi) return true;
    if (lo > hi) return false;
    const bool a_has = (lo > a.lo || !a.lo_open) && (lo < a.hi || !a.hi_open);
    const bool b_has = (lo > b.lo || !b.lo_open) && (lo < b.hi || !b.hi_open);
    return a_has && b_has;
}

// The legend under the result table: no two bands share a value ("!"
// fails, "~" passes within the tolerance, "≈" counted as 1), as the marks
// of the rows cannot be two of them.
void Read_Legend(const std::string& after_table, Reading* r) {
    std::vector<std::pair<std::string, Band>> bands;
    for (const char* mark : {"!) ", "~) ", "\xF7) "}) {
        const size_t at = after_table.find(std::string("\n ") + mark);
        if (at == std::string::npos) continue;
        const std::string line = after_table.substr(at + 1, after_table.find('\n', at + 1) - at - 1);
        Band b;
        if (Legend_Band(line.substr(1 + std::strlen(mark)), &b)) bands.push_back({line, b});
    }
    for (size_t j = 0; j < bands.size(); ++j)
        for (size_t k = j + 1; k < bands.size(); ++k)
            if (Overlap(bands[j].second, bands[k].second))
                r->false_ones.push_back("legend: " + bands[j].first + " / " + bands[k].first);
}

// The cells of the result table against their marks and the legend: "!"
// fails (beyond the band: at or above its limit, as the legend says), "~"
// passes within the band (above 1, below its limit), "≈" the rule counts as
// 1 (above 1, below 1.001), no mark passes (at most 1), "*" the maximum as
// the legend's verdict judges it. The c/t column has no marks. Each value
// stands in its column, its last digit under the end of its head, with a
// blank before it: cells that ran together ("1.005~1.0299995~") or out of
// their column are false too.
void Read_Result_Table(const std::string& list, double tolerance, Reading* r) {
    const std::string text = Without_Markup(list);
    const size_t title = text.find("Schnittgr\x94\xE1" "en und Ausnutzungen\n");
    if (title == std::string::npos) return;
    const size_t head = text.find(" Lk ", title), stop = text.find("#END_OF_TEXT", title);
    const std::string head_line = text.substr(head, text.find('\n', head) - head);
    std::vector<bool> plain;      // the c/t column
    std::vector<size_t> head_end;  // where each head ends
    for (size_t u = head_line.find(" U"); u != std::string::npos; u = head_line.find(" U", u + 1)) {
        plain.push_back(head_line.compare(u + 2, 3, "c/t") == 0);
        head_end.push_back(head_line.find(' ', u + 1) - 1);
    }
    const size_t legend = text.find("*) maximale Ausnutzung", stop);
    const std::string max_verdict = legend == std::string::npos ? "" : text.substr(legend, text.find('\n', legend) - legend);
    Read_Legend(text.substr(stop), r);
    const double band_limit = 1.0 + tolerance / 100.0;
    for (size_t at = text.find('\n', text.find('\n', head) + 1) + 1; at < stop;) {
        const size_t nl = text.find('\n', at);
        const std::string row = text.substr(at, nl - at);
        at = nl + 1;
        struct Cell {
            std::string first;  // digits, empty for a word
            char second;        // the mark
            size_t last;        // where the digits end
        };
        std::vector<Cell> cells;
        bool together = false;
        for (size_t i = 0; i < row.size(); ++i) {
            size_t end = 0;
            const std::string n = Number_At(row, i, &end);
            const size_t point = n.find('.');
            if (!n.empty() && point != std::string::npos && n.size() - point > 3) {
                together |= i > 0 && row[i - 1] != ' ';
                cells.push_back({n, end < row.size() && row[end] != ' ' ? row[end] : ' ', end - 1});
                i = end;
            } else if (!n.empty()) {
                i = end;
            } else if (row.compare(i, 3, "---") == 0 || row.compare(i, 6, "Fehler") == 0) {
                cells.push_back({"", ' ', 0});
                i += 2;
            }
        }
        if (cells.empty()) continue;  // a name's further row
        if (together || cells.size() < plain.size()) {
            r->false_ones.push_back("cells run together: " + row);
            continue;
        }
        cells.erase(cells.begin(), cells.end() - static_cast<long>(plain.size()));
        for (size_t k = 0; k < cells.size(); ++k) {
            if (cells[k].first.empty()) continue;
            if (cells[k].last != head_end[k]) r->false_ones.push_back("cell out of its column: " + row);
            if (plain[k]) continue;
            ++r->comparisons;
            const double A = std::strtod(cells[k].first.c_str(), nullptr);
            const unsigned char mark = static_cast<unsigned char>(cells[k].second);
            bool holds = mark == '!' ? (tolerance > 0 ? A >= band_limit : A > 1.0)
                         : mark == '~' ? A > 1.0 && A < band_limit
                         : mark == 0xF7 ? A > 1.0 && A < 1.001
                                        : A <= 1.0;
            if (mark == '*') {
                if (max_verdict.find("nicht ok") != std::string::npos) holds = tolerance > 0 ? A >= band_limit : A > 1.0;
                else if (max_verdict.find("Toleranz") != std::string::npos) holds = A > 1.0 && A < band_limit;
                else if (max_verdict.find("\xF7") != std::string::npos) holds = A > 1.0 && A < 1.001;
                else holds = A <= 1.0;
            }
            if (!holds) r->false_ones.push_back("cell " + cells[k].first + std::string(1, cells[k].second) + ": " + row);
        }
    }
}

// The record's print list.
std::string Printed_List(SchweissnahtAnschluss* r) {
    FILE* f = std::tmpfile();
    Print_Schweissnaht(r, f);
    OLI_End_Text(f);
    std::string list = testutil::Stream_All(f);
    std::fclose(f);
    return list;
}

// One connection of the table below, in the record given.
struct Connection_Case {
    const char* what;
    std::function<void(SchweissnahtAnschluss*)> set;
    double N, M_y, V_z;  // kN, kNm: the direction of the load, scaled
    bool sigma;          // the section's utilisation set (else the welds')
    double tolerance;
    int extent;
    int least = 20;  // comparisons the list has at least (a short list fewer)
};

// The utilisation the case targets at the load factor.
double Utilisation_At(SchweissnahtAnschluss* r, const Connection_Case& c, double factor) {
    Alloc_Lasten(r, 1);
    r->loads[0].forces.N = c.N * 1e3 * factor;
    r->loads[0].forces.M_y = c.M_y * 1e6 * factor;
    r->loads[0].forces.V_z = c.V_z * 1e3 * factor;
    Print_Schweissnaht(r, nullptr);
    return Ausnutzung_Berechnet(c.sigma ? r->results[0].U_sigma : r->results[0].U_w);
}

// The load factor that puts the case's utilisation on u (it grows in
// proportion to the load, near enough for a few steps to meet u).
double Factor_For(SchweissnahtAnschluss* r, const Connection_Case& c, double u) {
    double factor = 1.0;
    for (int step = 0; step < 8; ++step) {
        const double now = Utilisation_At(r, c, factor);
        if (!(now > 0.0)) return 0.0;
        if (std::fabs(now - u) < 1e-13) break;
        factor *= u / now;
    }
    return factor;
}

// A flat bar 100 x 10 welded by full penetration, of S235 (its weaker
// part governs: f_y / gamma_M0 = 235 below 0.9 f_u / gamma_M2 = 259.2) or
// S355 (the weld's f_2w,d = 0.9 490 / 1.25 = 352.8 below 355).
void Flat_Bar_Full_Penetration(SchweissnahtAnschluss* r, int grade) {
    Nahtbild* n = &r->naht;
    Stahlprofil& p = n->profile;
    Init_Profile(&p);
    p.kind = STAHLPROFIL_KIND_DIMENSIONS, p.type = PROFILTYP_FLACH, p.h = 100, p.t_w = 10;
    p.material.grade = n->plate.material.grade = n->material.grade = grade;
    Calc_Profile_Cross_Section(&p, nullptr, 0, "");
    n->weld_kind = 2, n->full_penetration = 1, n->all_round = 1, n->contact_fraction = 0.0;
    n->weld_count = Get_Profile_Plate_Elements(&p, n->length, n->number);
    for (int k = 0; k < NAHT_SLOTS; ++k) n->throat[k] = 5.0;
    Update_Weld_Layout(n, nullptr, 0);
    r->weld_method = 1;
}

void Din_He200a(SchweissnahtAnschluss* r) {
    r->code_setting = 1;
    r->section_check = 1;
    Nahtbild* n = &r->naht;
    Init_Profile_From_Name(&n->profile, "HE200A");
    n->plate.t = 20.0, n->all_round = 1, n->contact_fraction = 0.0;
    n->a_w = n->a_w_fo = n->a_w_fu = 4.0;
    n->weld_count = Get_Profile_Plate_Elements(&n->profile, n->length, n->number);
    for (int k = 0; k < n->weld_count; ++k) n->throat[k] = 4.0;
    Update_Weld_Layout(n, nullptr, 0);
}

// The rolled angle L 120 x 80 x 12 (r 11, toe r 5.5) of S235 welded all
// round by full penetration to a 20 mm plate, checked by DIN 18800 with
// its cross-section.
void Din_Angle_Full_Penetration(SchweissnahtAnschluss* r) {
    r->code_setting = 1;
    r->section_check = 1;
    Nahtbild* n = &r->naht;
    Stahlprofil& p = n->profile;
    Init_Profile(&p);
    p.kind = STAHLPROFIL_KIND_DIMENSIONS, p.type = PROFILTYP_L, p.rolled = 1, p.r_1 = 11, p.r_2 = 5.5;
    p.h = 120, p.b_fo = p.b_fu = 80, p.t_w = p.t_fo = p.t_fu = 12;
    p.material.grade = n->plate.material.grade = n->material.grade = 0;
    Calc_Profile_Cross_Section(&p, nullptr, 0, "");
    n->plate.t = 20.0;
    n->weld_kind = 2, n->full_penetration = 1, n->all_round = 1, n->contact_fraction = 0.0;
    n->weld_count = Get_Profile_Plate_Elements(&p, n->length, n->number);
    Update_Weld_Layout(n, nullptr, 0);
}

}  // namespace

// Just below 1 by 1e-7 and by 0.0049 (two places round both to 1.00), on
// the rule's side of 1 (1 + 5e-7, 1.0005), above 1.001 (1.0012, which two
// places show as 1.00), and 1e-6 either side of 1 + t/100.
TEST(PrintedComparisons, NoneContradictsItsDigits) {
    auto directional = [](SchweissnahtAnschluss* r) { r->weld_method = 1; };
    auto section = [](SchweissnahtAnschluss* r) { r->section_check = 1, r->weld_method = 1; };
    const Connection_Case cases[] = {
        {"EN fillet welds, directional, detailed", directional, -450, 60, 40, false, 1.0, ERGEBNISUMFANG_AUSFUEHRLICH},
        {"EN fillet welds, simplified, detailed", [](SchweissnahtAnschluss*) {}, -450, 60, 40, false, 3.0,
         ERGEBNISUMFANG_AUSFUEHRLICH},
        {"EN fillet welds, tabular", directional, -450, 60, 40, false, 3.0, ERGEBNISUMFANG_TABELLARISCH},
        // A band narrower than the rule's: 1 + 0.05/100 lies below 1.001.
        {"EN fillet welds, tabular, tolerance 0.05 %", directional, -450, 60, 40, false, 0.05,
         ERGEBNISUMFANG_TABELLARISCH},
        {"EN full penetration, weld governs", [](SchweissnahtAnschluss* r) { Flat_Bar_Full_Penetration(r, 2); }, 200,
         0, 0, false, 1.0, ERGEBNISUMFANG_AUSFUEHRLICH},
        {"EN full penetration, weaker part governs", [](SchweissnahtAnschluss* r) { Flat_Bar_Full_Penetration(r, 0); },
         200, 0, 0, false, 3.0, ERGEBNISUMFANG_AUSFUEHRLICH},
        {"EN flat bar's cross-section",
         [](SchweissnahtAnschluss* r) { Flat_Bar_Full_Penetration(r, 0), r->section_check = 1; }, 200, 0, 0, true, 0.0,
         ERGEBNISUMFANG_AUSFUEHRLICH},
        {"EN cross-section, detailed", section, -450, 60, 40, true, 3.0, ERGEBNISUMFANG_AUSFUEHRLICH},
        {"EN cross-section, tabular", section, -450, 60, 40, true, 1.0, ERGEBNISUMFANG_TABELLARISCH},
        {"DIN welds", Din_He200a, -112.5, 15, 10, false, 1.0, ERGEBNISUMFANG_STANDARD},
        {"DIN profile, tabular", Din_He200a, -112.5, 15, 10, true, 5.0, ERGEBNISUMFANG_TABELLARISCH},
        {"DIN full penetration angle, tabular", Din_Angle_Full_Penetration, -300, 5, 10, false, 3.0,
         ERGEBNISUMFANG_TABELLARISCH},
        {"DIN full penetration angle, tabular, no tolerance", Din_Angle_Full_Penetration, -300, 5, 10, false, 0.0,
         ERGEBNISUMFANG_TABELLARISCH, 15},
    };
    testutil::CatalogueTree tree;
    for (const Connection_Case& c : cases) {
        SCOPED_TRACE(c.what);
        testutil::Record k;
        SchweissnahtAnschluss* r = &k.r;
        Default_Schweissnaht(r);
        c.set(r);
        std::vector<double> targets = {1 - 1e-7, 0.9951, 1 + 5e-7, 1.0005, 1.0012};
        if (c.tolerance > 0) targets.insert(targets.end(), {1 + c.tolerance / 100 - 1e-6, 1 + c.tolerance / 100 + 1e-6});
        std::vector<double> factors;
        for (double u : targets) factors.push_back(Factor_For(r, c, u));
        for (size_t i = 0; i < factors.size(); ++i) ASSERT_GT(factors[i], 0.0) << targets[i];
        Alloc_Lasten(r, static_cast<int>(factors.size()));
        for (size_t i = 0; i < factors.size(); ++i) {
            std::snprintf(r->loads[i].name, sizeof r->loads[i].name, "LK %zu", i + 1);
            r->loads[i].forces.N = c.N * 1e3 * factors[i];
            r->loads[i].forces.M_y = c.M_y * 1e6 * factors[i];
            r->loads[i].forces.V_z = c.V_z * 1e3 * factors[i];
        }
        r->print.toleranz = c.tolerance;
        r->print.ergebnisumfang = c.extent;
        const std::string list = Printed_List(r);
        Reading reading = Read_Comparisons(list, c.tolerance);
        Read_Result_Table(list, c.tolerance, &reading);
        EXPECT_GT(reading.comparisons, c.least);
        std::string all;
        for (const std::string& s : reading.false_ones) all += s + "\n";
        EXPECT_TRUE(reading.false_ones.empty()) << reading.false_ones.size() << " of " << reading.comparisons << "\n"
                                                << all;
    }
}

// The flat bar 100 x 10 of S355 welded by full penetration under N = 200
// kN: sigma_perp = 200000 / 1000 = 200 N/mm² against f_1w,d = 490 / (0.9
// 1.25) = 435.56 (0.459) and f_2w,d = 0.9 490 / 1.25 = 352.80 (0.567,
// which governs; the weaker part gives 200 / 355 = 0.563): "Max:" shows the
// pair of the governing condition beside its utilisation.
TEST(PrintedComparisons, TheMaximumShowsThePairThatGoverns) {
    testutil::CatalogueTree tree;
    testutil::Record k;
    SchweissnahtAnschluss* r = &k.r;
    Default_Schweissnaht(r);
    Flat_Bar_Full_Penetration(r, 2);
    Alloc_Lasten(r, 1);
    r->loads[0].forces.N = 200e3;
    r->print.ergebnisumfang = ERGEBNISUMFANG_STANDARD;
    const std::string list = Printed_List(r);
    const std::string max = "Max:  \xCEt\xCC\xCE\\2,w,Ed\xCEr = 200.00 N/mm\xFD  <  f\xCE\\2w,d\xCEr = 352.80 N/mm\xFD  \x88  U\xCE\\w\xCEr = 0.567  <  1";
    EXPECT_NE(list.find(max), std::string::npos) << list.substr(list.find("Max:"), 200);
    EXPECT_EQ(list.find("Max:  \xCEt\xCC\xCE\\1,w,Ed"), std::string::npos);
}

// Full penetration of an L 100 x 10 (r 12, toe r 6, typed: its centroid
// exact, so that N stresses the weld evenly) of S235 on a 20 mm
// plate, simplified method, N = 398.51713621330225 kN. By hand:
//   A   = 2 100 10 - 10² + (1 - pi/4) (12² - 2 6²) = 1915.4513 mm²
//   σ_w = 398517.136 / 1915.4513 = 208.05391 N/mm²
//   f_vw,d = 360 / (sqrt(3) 0.8 1.25) = 207.84610 N/mm²
//   U   = 208.05391 / 207.84610 = 1.00099983: four places round it to
//         1.0010 (no longer below 1.001), seven give 1.0009998.
// Every line that shows it (the check, its maximum, the final result)
// shows it rounded, never cut to 1.0009.
TEST(PrintedComparisons, ACountedValueIsRoundedNotCut) {
    testutil::CatalogueTree tree;
    testutil::Record k;
    SchweissnahtAnschluss* r = &k.r;
    Default_Schweissnaht(r);
    Nahtbild* n = &r->naht;
    Stahlprofil& p = n->profile;
    Init_Profile(&p);
    p.kind = STAHLPROFIL_KIND_DIMENSIONS, p.type = PROFILTYP_L, p.rolled = 1, p.r_1 = 12, p.r_2 = 6;
    p.h = p.b_fo = p.b_fu = 100, p.t_w = p.t_fo = p.t_fu = 10;
    p.material.grade = n->plate.material.grade = n->material.grade = 0;  // S235
    ASSERT_EQ(Calc_Profile_Cross_Section(&p, nullptr, 0, ""), 0);
    EXPECT_NEAR(p.A, 1915.4513, 1e-4);
    n->plate.t = 20.0;
    n->weld_kind = 2, n->full_penetration = 1, n->all_round = 1, n->contact_fraction = 0.0;
    n->weld_count = Get_Profile_Plate_Elements(&n->profile, n->length, n->number);
    Update_Weld_Layout(n, nullptr, 0);
    r->weld_method = 0;
    Alloc_Lasten(r, 1);
    r->loads[0].forces.N = 398.51713621330225e3;
    r->print.ergebnisumfang = ERGEBNISUMFANG_AUSFUEHRLICH;
    const std::string list = Without_Markup(Printed_List(r));
    EXPECT_NE(list.find("Fw,Ed = 20.81 kN/cm  \xF7  Fw,Rd = 20.78 kN/cm  \x88  U = 1.0009998  \xF7  1  ok"),
              std::string::npos);
    int shown = 0;
    for (size_t at = list.find("1.0009"); at != std::string::npos; at = list.find("1.0009", at + 1), ++shown)
        EXPECT_EQ(list.compare(at, 9, "1.0009998"), 0) << list.substr(list.rfind('\n', at), 120);
    EXPECT_GE(shown, 3);
    EXPECT_EQ(list.find("1.0010"), std::string::npos);
}
