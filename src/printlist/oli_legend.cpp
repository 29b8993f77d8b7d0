// Legend of formula symbols and the list of literature and standards.
#include "printlist/oli_legend.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstring>
#include <string>

#include "base/cp850.h"
#include "base/vesk.h"
#include "platform/field_number.h"
#include "platform/format.h"
#include "platform/oli_layout.h"
#include "printlist/ioliwrt.h"
#include "printlist/oli_checks.h"
#include "printlist/oli_para.h"

namespace {

struct Legend_Entry {
    std::string key;
    std::string explanation;
    std::string entry;
};

Legend_Entry legend[OLI_LEGEND_MAX];
int legend_count = 0;
int legend_mark = 0;
int legend_enabled = 1;

std::string references[OLI_LITERATURE_MAX];
int reference_count = 0;
int literature_enabled = 1;

// Adds the entry of a key and a ready explanation (no format left in it).
int Add_Entry(const char* writer, const char* key, const std::string& explanation) {
    Oli_Input_Check check(writer);
    check.Require(key != nullptr, "kein Schlüssel"_cp)
        .Text(key, OLI_LEGEND_KEY_MAX, false)
        .Text(explanation.c_str(), OLI_LEGEND_EXPLANATION_MAX, false);
    if (!check.Ok()) return -1;
    for (int i = 0; i < legend_count; i++)
        if (legend[i].key == key) return 0;
    std::string entry = std::string(key) + "╬r - "_cp + explanation + "╬r"_cp;
    check.Require(legend_count < OLI_LEGEND_MAX, "Legende voll (75 Einträge)"_cp)
        .Text(entry.c_str(), OLI_LEGEND_ENTRY_MAX, false)
        .Require(entry.find_first_of("\n\r") == std::string::npos, "Text enthält einen Zeilenwechsel"_cp);
    if (!check.Ok()) return -1;
    legend[legend_count++] = {key, explanation, entry};
    return static_cast<int>(entry.size());
}

// The text of a format that takes one value, or a refusal when it takes
// anything else.
template <typename T>
bool Fill_One(const char* writer, const char* format, const char* conversions, T value, std::string* out) {
    if (!Oli_Input_Check(writer).Require(VEK_Format_Takes_One(format, conversions), "Format nicht für einen Wert"_cp).Ok())
        return false;
    char buf[512];
    int n = std::snprintf(buf, sizeof buf, format, value);
    *out = n < 0 ? std::string() : std::string(buf, std::min(static_cast<size_t>(n), sizeof buf - 1));
    if (n >= static_cast<int>(sizeof buf)) out->push_back('.');  // too long: the length check refuses it
    return n >= 0;
}

// The entry of a key whose explanation cites the reference by its number.
// The format is looked at first, so a refused entry adds no reference.
int Cite(const char* writer, const char* key, const char* explanation_format, const char* reference) {
    if (!Oli_Input_Check(writer)
             .Require(VEK_Format_Takes_One(explanation_format, "di"), "Format nicht für eine Nummer"_cp)
             .Ok())
        return -1;
    int k = Oli_Literature_Add(reference);
    if (k == 0) return -1;
    std::string explanation;
    Fill_One(writer, explanation_format, "di", k, &explanation);
    return Add_Entry(writer, key, explanation);
}

// Round half away from zero.
int Round_Count(double v) { return static_cast<int>(v >= 0.0 ? std::floor(v + 0.5) : -std::floor(-v + 0.5)); }

}  // namespace

void Oli_Legend_Clear(void) { legend_count = 0; }

int Oli_Legend_Add(const char* key, const char* explanation, ...) {
    std::string text;
    va_list ap;
    va_start(ap, explanation);
    bool ok = VEK_Format_String_V(text, explanation, ap);
    va_end(ap);
    if (!Oli_Input_Check("Oli_Legend_Add").Require(explanation && ok, "keine Erklärung"_cp).Ok()) return -1;
    return Add_Entry("Oli_Legend_Add", key, text);
}

int Oli_Legend_Add_Value(const char* key_format, const char* explanation, double value) {
    std::string key;
    if (!Oli_Input_Check("Oli_Legend_Add_Value").Number(value).Ok()) return -1;
    if (!Fill_One("Oli_Legend_Add_Value", key_format, "eEfFgGaA", value, &key)) return -1;
    return Add_Entry("Oli_Legend_Add_Value", key.c_str(), explanation ? explanation : "");
}

int Oli_Legend_Add_Citation(const char* key, const char* explanation_format, const char* reference) {
    return Cite("Oli_Legend_Add_Citation", key, explanation_format, reference);
}

int Oli_Legend_Add_Citation_Value(const char* key_format, const char* explanation_format, double value,
                                  const char* reference) {
    const char* writer = "Oli_Legend_Add_Citation_Value";
    std::string key;
    if (!Oli_Input_Check(writer).Number(value).Ok()) return -1;
    if (!Fill_One(writer, key_format, "eEfFgGaA", value, &key)) return -1;
    return Cite(writer, key.c_str(), explanation_format, reference);
}

int Oli_Legend_Count(void) { return legend_count; }
void Oli_Legend_Mark(void) { legend_mark = legend_count; }
void Oli_Legend_Reset_To_Mark(void) { legend_count = legend_mark; }

void Oli_Legend_Drop(int n) {
    if (n < 0) return;
    legend_count = n >= legend_count ? 0 : legend_count - n;
}

namespace {

// Whether the legend is to be written; a switched-off legend leaves half a
// line instead.
bool Legend_To_Write(FILE* stream) {
    if (!stream) return false;
    if (!legend_enabled) {
        OLI_setYPositionCM(stream, 1, 0.19);
        return false;
    }
    return legend_count >= 1;
}

}  // namespace

void Oli_Legend_Write(FILE* stream) {
    if (!Legend_To_Write(stream)) return;
    double width = Oli_Get_Text_Width();
    int c = Round_Count((width - Oli_Get_Left_Margin()) * 160.0 / width);
    // Each entry with five blanks behind it; a line that ends before the
    // next entry, and the last line, keep two of them. A line holds at
    // least one entry, however long.
    std::string lines[OLI_LEGEND_MAX];
    int n = 0;
    for (int i = 0; i < legend_count; i++) {
        const std::string& e = legend[i].entry;
        bool fits = n > 0 && static_cast<int>(lines[n - 1].size() + e.size()) + 4 <= c;
        if (fits) {
            lines[n - 1] += e + "     ";
            continue;
        }
        if (n > 0) lines[n - 1].resize(lines[n - 1].size() - 3);
        lines[n++] = e + "     ";
    }
    lines[n - 1].resize(lines[n - 1].size() - 3);
    OLI_setYPositionCM(stream, 1, 0.1);
    for (int i = 0; i < n; i++) Oli_Text_Paragraph(stream, "%s", lines[i].c_str());
    OLI_setYPositionCM(stream, 1, 0.4);
}

void Oli_Legend_Write_Table(FILE* stream) {
    if (!Legend_To_Write(stream)) return;
    OLI_setYPositionCM(stream, 1, 0.1);
    int widest = 0;
    for (int i = 0; i < legend_count; i++) widest = std::max(widest, MT_String_Length(legend[i].key.c_str()) + 1);
    // The list cells take the line font; the legend's is mode 3.
    int kept_font = Oli_Get_Line_Font_Code();
    Oli_Set_Line_Font_Code(3);
    Oli_List_Tabs_2(0.0, widest);
    for (int i = 0; i < legend_count; i++) {
        Oli_List_Cell(stream, "%s", legend[i].key.c_str());
        Oli_List_Cell(stream, "%s", legend[i].explanation.c_str());
    }
    Oli_List_End(stream);
    Oli_Set_Line_Font_Code(kept_font);
}

void Oli_Literature_Clear(void) { reference_count = 0; }

int Oli_Literature_Add(const char* reference) {
    Oli_Input_Check check("Oli_Literature_Add");
    check.Require(reference != nullptr, "keine Angabe").Text(reference, OLI_REFERENCE_MAX, false);
    if (reference) check.Require(!std::strpbrk(reference, "\n\r"), "Text enthält einen Zeilenwechsel"_cp);
    if (!check.Ok()) return 0;
    for (int i = 0; i < reference_count; i++)
        if (references[i] == reference) return i + 1;
    if (!check.Require(reference_count < OLI_LITERATURE_MAX, "Literaturliste voll (20 Angaben)").Ok()) return 0;
    references[reference_count++] = reference;
    return reference_count;
}

void Oli_Literature_List(FILE* stream) {
    if (!stream || !literature_enabled || reference_count < 1) return;
    OLI_reserveSpaceCM(stream, (reference_count + 3) * 0.286);
    Safe_Fprintf(stream, "#SHOWTABLE\n 0 1 0\n Literatur und Normen:\n0 0 -1 -1\n#END_OF_TEXT\n");
    OLI_setYPositionCM(stream, 1, -0.8);
    OLI_setConvertionFlags(stream, 1);
    Safe_Fprintf(stream, "#SHOWTABLE\n 0 0 %d\n", reference_count);
    for (int i = 0; i < reference_count; i++) Safe_Fprintf(stream, "  [%d] %s\n", i + 1, references[i].c_str());
    Safe_Fprintf(stream, "0 0 -1 -1\n#END_OF_TEXT\n");
    OLI_setConvertionFlags(stream, 0);
}
