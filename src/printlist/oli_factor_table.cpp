// Factor tables of load-case combinations.
//
// A row's formula takes the load cases in order; a load case with both
// factors non-zero starts a term, and the load cases further on with the
// same two factors join it. A term is the factors that are not 1 (each
// followed by a raised multiplication dot), then its load cases; a term of
// several load cases under a factor stands in parentheses.
#include "printlist/oli_factor_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "base/vesk.h"
#include "platform/oli_layout.h"
#include "printlist/ioliwrt.h"
#include "printlist/oli_checks.h"

namespace {

const char* const kTag = "null";
std::vector<std::string> formulas;  // of the table written last

// A factor as the window library's number field gives it here: up to five
// decimals, trailing zeros dropped down to two.
std::string Factor_Text(double f) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.5f", f);
    std::string s = buf;
    size_t dot = s.find('.');
    while (s.size() > dot + 3 && s.back() == '0') s.pop_back();
    return s;
}

std::string Load_Case(const OliFactorTable& t, int j) {
    const char* name = t.load_case_name ? t.load_case_name(j) : nullptr;
    if (name) return name;
    char buf[24];
    std::snprintf(buf, sizeof buf, "Lf%d", t.numbers[j]);
    return buf;
}

std::string Formula(const OliFactorTable& t, const OliFactorRow& row) {
    std::vector<bool> used(static_cast<size_t>(t.n), false);
    std::string formula;
    for (int j = 0; j < t.n; j++) {
        const double f1 = row.factors1[j], f2 = row.factors2[j];
        if (used[j] || t.numbers[j] == -1 || f1 == 0.0 || f2 == 0.0) continue;
        std::string members;
        int count = 0;
        for (int k = j; k < t.n; k++) {
            if (used[k] || t.numbers[k] == -1 || row.factors1[k] != f1 || row.factors2[k] != f2) continue;
            used[k] = true;
            members += Load_Case(t, k) + "+";
            count++;
        }
        std::string prefix;
        if (f1 != 1.0) prefix += Factor_Text(f1) + "╬/.╬r"_cp;
        if (f2 != 1.0) prefix += Factor_Text(f2) + "╬/.╬r"_cp;
        if (!prefix.empty() && count > 1) {
            members.pop_back();
            formula += prefix + "(" + members + ")+";
        } else {
            formula += prefix + members;
        }
    }
    if (!formula.empty()) formula.pop_back();
    return formula;
}

bool No_Line_Break(const char* text) { return !text || !std::strpbrk(text, "\n\r"); }

// The record's blocks are there and its numbers finite; texts on one line.
bool Table_Is_Sound(const OliFactorTable& t, const char* writer) {
    Oli_Input_Check check(writer);
    check.Require(t.n >= 0 && t.m >= 0, "Anzahl negativ");
    check.Require((t.n == 0 || t.numbers) && (t.m == 0 || t.rows), "Tabelle ohne Speicher");
    if (!check.Ok()) return false;
    for (int i = 0; i < t.m; i++) {
        const OliFactorRow& r = t.rows[i];
        check.Require(t.n == 0 || (r.factors1 && r.factors2), "Zeile ohne Faktoren");
        if (!check.Ok()) return false;
        for (int j = 0; j < t.n; j++) check.Number(r.factors1[j]).Number(r.factors2[j]);
        check.Require(No_Line_Break(r.name), "Name mit Zeilenwechsel");
        if (t.situation_name) check.Require(No_Line_Break(t.situation_name(r.situation)), "Name mit Zeilenwechsel");
    }
    for (int j = 0; j < t.n && t.load_case_name; j++)
        check.Require(No_Line_Break(t.load_case_name(j)), "Name mit Zeilenwechsel");
    return check.Ok();
}

// A text column of the width its cells and title need.
void Text_Column(OliTableColumn& col, const char* title, const std::vector<std::string>& cells) {
    int width = static_cast<int>(std::strlen(title));
    for (const std::string& c : cells)
        width = std::max({width, MT_String_Length(c.c_str()) + 1, static_cast<int>(c.size())});
    std::snprintf(col.title, sizeof col.title, "%s", title);
    std::snprintf(col.type, sizeof col.type, "%s", "TXT");
    col.width = width;
}

}  // namespace

int Init_Factor_Table(int n, int m, OliFactorTable* table) {
    if (!table) return 0;
    *table = OliFactorTable{};
    table->hide_names = 1;
    if (n < 0 || m < 0) return 0;
    const char* file = __FILE__;
    int* numbers = n ? static_cast<int*>(Mem_Calloc(file, __LINE__, kTag, static_cast<size_t>(n), sizeof(int))) : nullptr;
    OliFactorRow* rows =
        m ? static_cast<OliFactorRow*>(Mem_Calloc(file, __LINE__, kTag, static_cast<size_t>(m), sizeof(OliFactorRow)))
          : nullptr;
    bool ok = (n == 0 || numbers) && (m == 0 || rows);
    table->numbers = numbers, table->rows = rows, table->n = n, table->m = m;
    for (int i = 0; ok && i < m; i++) {
        OliFactorRow& r = rows[i];
        if (n == 0) continue;
        r.factors1 = static_cast<double*>(Mem_Malloc(file, __LINE__, kTag, static_cast<size_t>(n) * sizeof(double)));
        r.factors2 = static_cast<double*>(Mem_Malloc(file, __LINE__, kTag, static_cast<size_t>(n) * sizeof(double)));
        ok = r.factors1 && r.factors2;
        for (int j = 0; ok && j < n; j++) r.factors1[j] = r.factors2[j] = 1.0;
    }
    if (!ok) {
        Free_Factor_Table(table);
        return 0;
    }
    for (int j = 0; j < n; j++) numbers[j] = j + 1;
    return 1;
}

void Free_Factor_Table(OliFactorTable* table) {
    if (!table) return;
    Mem_Free(__FILE__, __LINE__, kTag, table->numbers);
    for (int i = 0; table->rows && i < table->m; i++) {
        Mem_Free(__FILE__, __LINE__, kTag, table->rows[i].factors1);
        Mem_Free(__FILE__, __LINE__, kTag, table->rows[i].factors2);
    }
    Mem_Free(__FILE__, __LINE__, kTag, table->rows);
    table->numbers = nullptr, table->rows = nullptr;
    table->n = table->m = 0;
}

const char* Factor_Table_Row(int i) {
    if (i < 0 || i >= static_cast<int>(formulas.size())) return "???";
    return formulas[static_cast<size_t>(i)].c_str();
}

void Oli_Factor_Table(FILE* stream, const OliFactorTable* table) {
    formulas.clear();
    if (!table || !Table_Is_Sound(*table, "Oli_Factor_Table")) return;
    const OliFactorTable& t = *table;
    std::vector<std::string> names, situations;
    for (int i = 0; i < t.m; i++) {
        const OliFactorRow& r = t.rows[i];
        formulas.push_back(Formula(t, r));
        const char* situation = t.situation_name ? t.situation_name(r.situation) : nullptr;
        names.push_back(r.name ? r.name : "???");
        situations.push_back(situation ? situation : "???");
    }
    if (!stream || t.m < 1) return;

    const bool with_names = !t.hide_names, with_situation = !t.hide_situation;
    const int columns = 2 + with_names + with_situation;
    OliTableColumn* cols = nullptr;
    if (!Oli_Init_Columns(columns, &cols)) return;
    int c = 0;
    std::snprintf(cols[c].title, sizeof cols[c].title, "%s", "LK");
    std::snprintf(cols[c].type, sizeof cols[c].type, "%s", "ZZ");
    cols[c++].width = 3;
    if (with_names) Text_Column(cols[c++], "Bezeichnung", names);
    if (with_situation) Text_Column(cols[c++], "Bemessungssit.", situations);
    Text_Column(cols[c], "Faktorisierung", formulas);

    std::vector<OliTableCell> cells(static_cast<size_t>(t.m) * static_cast<size_t>(columns), OliTableCell{});
    for (int i = 0; i < t.m; i++) {
        OliTableCell* row = &cells[static_cast<size_t>(i) * static_cast<size_t>(columns)];
        int k = 1;
        if (with_names) row[k++].text = names[static_cast<size_t>(i)].c_str();
        if (with_situation) row[k++].text = situations[static_cast<size_t>(i)].c_str();
        row[k].text = formulas[static_cast<size_t>(i)].c_str();
    }
    if (t.m > 10) OLI_setFlags(stream, 640);
    OliTabelle(stream, columns, t.m, cells.data(), nullptr, cols, nullptr,
               t.table_flag ? OLI_TABLE_NO_THIRD_HEAD | OLI_TABLE_LAYOUT_TAIL : OLI_TABLE_NO_THIRD_HEAD, 0, nullptr, 0,
               -1, 0);
    Oli_Free_Columns(&cols);
    OLI_setFlags(stream, 896);
}
