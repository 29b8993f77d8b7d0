// Limits of what the end-plate library accepts, and its refusals.
#include "endplate/input_limits.h"

#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdarg>
#include <cstring>
#include <strings.h>

#include "base/textio.h"
#include "platform/format.h"
#include "platform/msgbox.h"

namespace {

// The last refusal, its two lines.
char g_refusal[2][300];

// One box of two lines: the library's short text, then what was refused.
// Without a window no box is shown: the lines are kept for the caller.
int Refuse(int code, const char* head, const char* format, va_list ap) {
    char detail[300];
    if (VEK_Format_Bounded_V(detail, sizeof detail, format, ap) < 0) detail[0] = '\0';
    std::snprintf(g_refusal[0], sizeof g_refusal[0], "%s", head);
    std::snprintf(g_refusal[1], sizeof g_refusal[1], "%s", detail);
    if (VEK_Batch_Mode()) return code;
    Init_Message();
    Fill_Message("%s", head);
    Fill_Message("%s", detail);
    Draw_Message();
    return code;
}

// A word of a damaged file as a message can show it: at most 24 bytes,
// control bytes as "?".
struct Shown_Word {
    char text[32];
    explicit Shown_Word(const char* word) {
        size_t n = 0;
        for (; word[n] && n < 24; n++) {
            const unsigned char c = static_cast<unsigned char>(word[n]);
            text[n] = c < 0x20 || c == 0x7F ? '?' : static_cast<char>(c);
        }
        text[n] = '\0';
        if (word[n]) std::strcat(text, "...");
    }
};

enum { WORD_SIZE = 64 };

// The next word (bytes up to white space) of the stream; false when only
// white space is left. A longer word than the buffer holds is consumed
// whole and marked by *cut.
bool Read_Word(FILE* f, char (&word)[WORD_SIZE], bool* cut) {
    int c;
    do
        c = std::fgetc(f);
    while (c != EOF && std::isspace(c));
    size_t n = 0;
    *cut = false;
    for (; c != EOF && !std::isspace(c); c = std::fgetc(f)) {
        if (n < WORD_SIZE - 1)
            word[n++] = static_cast<char>(c);
        else
            *cut = true;
    }
    if (c != EOF) std::ungetc(c, f);
    word[n] = '\0';
    return n > 0;
}

// True when the mantissa of a decimal number text has a digit other than 0:
// a number that was read as 0 although it is not.
bool Nonzero_Mantissa(const char* word) {
    for (const char* p = word; *p && *p != 'e' && *p != 'E'; p++)
        if (*p >= '1' && *p <= '9') return true;
    return false;
}

// "inf", "infinity" or "nan" with an optional sign, as the C library would
// have read them: a value, but none the library can use.
bool Infinite_Or_Nan(const char* word) {
    if (*word == '+' || *word == '-') word++;
    return strncasecmp(word, "inf", 3) == 0 || strncasecmp(word, "nan", 3) == 0;
}

}  // namespace

const char* Endplate_Last_Refusal(int line) { return line == 0 || line == 1 ? g_refusal[line] : ""; }

void Endplate_Clear_Refusal(void) { g_refusal[0][0] = g_refusal[1][0] = '\0'; }

int Endplate_Data_Error(const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    const int code = Refuse(103, "Datenfehler !!!", format, ap);
    va_end(ap);
    return code;
}

int Endplate_Read_Error(const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    const int code = Refuse(101, "Lesefehler !!!", format, ap);
    va_end(ap);
    return code;
}

int Partial_Factor_Plausible(double gamma_M) {
    return gamma_M >= PARTIAL_FACTOR_MIN && gamma_M <= PARTIAL_FACTOR_MAX;
}

int Partial_Factor_Usable(double gamma_M, const char* where) {
    if (Partial_Factor_Plausible(gamma_M)) return 1;
    char value[40];
    if (std::isfinite(gamma_M))
        std::snprintf(value, sizeof value, "%g", gamma_M);
    else
        std::snprintf(value, sizeof value, "%s", "keine Zahl");
    Endplate_Data_Error("%s%sTeilsicherheitsbeiwert gamma_M = %s liegt nicht zwischen %g und %g", where ? where : "",
                        where ? ": " : "", value, PARTIAL_FACTOR_MIN, PARTIAL_FACTOR_MAX);
    return 0;
}

int Read_Fields(FILE* f, const char* record, const Field_Limits* fields, int n, double* values) {
    if (n < 0 || n > FIELDS_MAX) n = 0;
    struct Parsed {
        char word[WORD_SIZE];
        bool cut = false;
        int result = 0;
        double value = 0.0;
        const char* end = nullptr;
    } parsed[FIELDS_MAX];
    for (int i = 0; i < n; i++)
        if (!f || !Read_Word(f, parsed[i].word, &parsed[i].cut))
            return Endplate_Read_Error("%s, %s: kein Wert", record, fields[i].name);
    for (int i = 0; i < n; i++) {
        Parsed& p = parsed[i];
        if (fields[i].whole) {
            int v = 0;
            p.result = Parse_Int(p.word, 10, &v, &p.end);
            p.value = v;
        } else {
            p.result = Parse_Double(p.word, &p.value, &p.end);
        }
        if (p.result == 0 && !Infinite_Or_Nan(p.word))
            return Endplate_Read_Error("%s, %s: \"%s\" ist keine Zahl", record, fields[i].name, Shown_Word(p.word).text);
    }
    for (int i = 0; i < n; i++) {
        const Parsed& p = parsed[i];
        const Field_Limits& l = fields[i];
        const Shown_Word shown(p.word);
        if (p.result == 0)
            return Endplate_Data_Error("%s, %s: \"%s\" ist keine endliche Zahl", record, l.name, shown.text);
        if (*p.end || p.cut)
            return Endplate_Data_Error("%s, %s: \"%s\" ist keine %s", record, l.name, shown.text,
                                       l.whole ? "ganze Zahl" : "Zahl");
        // A number that was read as 0 or that a float keeps as 0 although it
        // is not is as damaged as one beyond the range.
        const float kept = static_cast<float>(p.value);
        const bool underflow = !l.whole && ((p.value == 0.0 && Nonzero_Mantissa(p.word)) ||
                                            (p.value != 0.0 && !(std::fabs(kept) >= FLT_MIN)));
        if (p.result != 1 || underflow || !(p.value >= l.lo && p.value <= l.hi))
            return Endplate_Data_Error("%s, %s: %s liegt nicht zwischen %g und %g", record, l.name, shown.text, l.lo,
                                       l.hi);
    }
    for (int i = 0; i < n; i++) values[i] = parsed[i].value;
    return 0;
}
