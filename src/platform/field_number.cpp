/* field_number.cpp -- the numbers of fields: shown, named and taken.
 *
 * The decimal texts are those of the C library in the C locale and of
 * std::to_chars (the shortest text that reads back as the value), so that
 * a value shown reads back as the value stored.
 */
#include "platform/field_number.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/msgbox.h"

namespace {

/* Digits past single precision: what a catalogue's float or a sum of such
 * values carries beyond the decimal it stands for. */
constexpr double kSinglePrecision = 5.9604644775390625e-8;  /* 2^-24 */

/* Most decimals any field shows: beyond them a double holds no digit. */
constexpr int kMostDecimals = 17;

/* v with d decimals in the C locale (d within 0 .. kMostDecimals). */
std::string Fixed(double v, int d)
{
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", d, v);
    return text;
}

/* The value the text of v with d decimals reads back as. */
double Rounded(double v, int d)
{
    return std::strtod(Fixed(v, d).c_str(), nullptr);
}

bool Within_Single_Precision(double shown, double v)
{
    return std::fabs(shown - v) <= std::fabs(v) * kSinglePrecision;
}

/* The first conversion of a format: where it starts and ends (the
 * letter), or false. */
bool Find_Conversion(const char* format, size_t* start, size_t* end)
{
    return VEK_Next_Conversion(format, 0, start, end) == 1;
}

std::string Plural_Decimals(int decimals)
{
    if (decimals == 1) return "mit h\x94" "chstens einer Nachkommastelle";
    return "mit h\x94" "chstens " + std::to_string(decimals) + " Nachkommastellen";
}

/* "Das Feld nimmt Werte von 0.5 bis 3 mit höchstens 6 Nachkommastellen." */
std::string What_The_Field_Takes(const VEK_Number_Rule& rule, double lo, double hi)
{
    std::string range;
    if (std::isfinite(lo) && std::isfinite(hi)) range = " von " + VEK_Number_Text(lo) + " bis " + VEK_Number_Text(hi);
    else if (std::isfinite(lo)) range = " ab " + VEK_Number_Text(lo);
    else if (std::isfinite(hi)) range = " bis " + VEK_Number_Text(hi);
    if (rule.decimals == 0) return "Das Feld nimmt ganze Zahlen" + range + ".";
    return "Das Feld nimmt Werte" + range + " " + Plural_Decimals(rule.decimals) + ".";
}

}  // namespace

int VEK_Next_Conversion(const char* format, size_t from, size_t* start, size_t* end)
{
    if (!format || from > std::strlen(format)) return 0;
    for (const char* p = format + from; *p; ++p) {
        if (*p != '%') continue;
        if (p[1] == '%') {
            ++p;
            continue;
        }
        const char* q = p + 1;
        q += std::strspn(q, "-+ #0");
        q += std::strspn(q, "0123456789");
        if (*q == '.') q += 1 + std::strspn(q + 1, "0123456789");
        if (*q == 'l') ++q;
        if (!*q) return -1;
        *start = (size_t)(p - format);
        *end = (size_t)(q - format);
        return 1;
    }
    return 0;
}

/* The digits from p on: how many (the scan stops at the first other). */
static size_t digits_at(const char* p)
{
    return std::strspn(p, "0123456789");
}

bool VEK_Format_Takes_One(const char* format, const char* letters)
{
    if (!format || !letters) return false;
    size_t start = 0, end = 0;
    if (VEK_Next_Conversion(format, 0, &start, &end) != 1) return false;
    size_t next = 0, next_end = 0;
    if (VEK_Next_Conversion(format, end + 1, &next, &next_end) != 0) return false;
    const char letter = format[end];
    if (!std::strchr(letters, letter)) return false;
    const char* p = format + start + 1 + std::strspn(format + start + 1, "-+ #0");
    if (digits_at(p) > 2) return false;
    p += digits_at(p);
    if (*p == '.') {
        if (digits_at(++p) > 2) return false;
        p += digits_at(p);
    }
    return *p != 'l' || std::strchr("eEfFgG", letter) != nullptr;
}

int VEK_Format_Decimals(const char* format)
{
    size_t start = 0, end = 0;
    if (!Find_Conversion(format, &start, &end) || (format[end] != 'f' && format[end] != 'F')) return -1;
    const char* point = std::strchr(format + start, '.');
    if (!point || point > format + end) return 6;
    return std::atoi(point + 1);
}

std::string VEK_Format_With_Decimals(const char* format, int decimals)
{
    if (!format) return "%g";
    size_t start = 0, end = 0;
    if (VEK_Format_Decimals(format) < 0 || !Find_Conversion(format, &start, &end)) return format;
    std::string f(format);
    size_t width_end = start + 1;
    while (width_end < end && f[width_end] != '.') ++width_end;
    return f.substr(0, width_end) + "." + std::to_string(decimals) + f.substr(end);
}

int VEK_Decimals_Of(double v)
{
    if (!std::isfinite(v)) return -1;
    char text[400];
    const std::to_chars_result r = std::to_chars(text, text + sizeof text, v, std::chars_format::fixed);
    if (r.ec != std::errc()) return kMostDecimals;
    const char* point = static_cast<const char*>(std::memchr(text, '.', (size_t)(r.ptr - text)));
    return point ? (int)(r.ptr - point - 1) : 0;
}

int VEK_Shown_Decimals(double v, int least, int most)
{
    least = least < 0 ? 0 : least > kMostDecimals ? kMostDecimals : least;
    most = most < least ? least : most > kMostDecimals ? kMostDecimals : most;
    if (!std::isfinite(v)) return least;
    const int has = VEK_Decimals_Of(v);
    if (has <= most) return has > least ? has : least;
    for (int d = least; d < most; ++d)
        if (Within_Single_Precision(Rounded(v, d), v)) return d;
    return most;
}

std::string VEK_Decimal_Text(double v, int least, int most)
{
    if (!std::isfinite(v)) return VEK_Number_Text(v);
    return Fixed(v + 0.0, VEK_Shown_Decimals(v, least, most));  /* + 0.0: no "-0" */
}

std::string VEK_Number_Text(double v)
{
    if (!std::isfinite(v)) return std::isnan(v) ? "nan" : v > 0 ? "inf" : "-inf";
    char text[400];
    const double a = std::fabs(v);
    const bool plain = a == 0.0 || (a >= 1e-4 && a < 1e7);
    const std::to_chars_result r = plain ? std::to_chars(text, text + sizeof text, v + 0.0, std::chars_format::fixed)
                                         : std::to_chars(text, text + sizeof text, v + 0.0);
    return r.ec == std::errc() ? std::string(text, r.ptr) : Fixed(v, 6);
}

std::string VEK_Exponent_Text(double v, int room)
{
    std::string text;
    for (int digits = 15; digits >= 0; --digits) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*e", digits, v);
        text = buffer;
        const size_t e = text.find('e');
        if (e == std::string::npos) return text;  /* not finite */
        size_t cut = text.find_last_not_of('0', e - 1);
        if (text[cut] == '.') --cut;
        const int exponent = std::atoi(text.c_str() + e + 1);
        text.erase(cut + 1);
        text += "e" + std::to_string(exponent);
        if (static_cast<int>(text.size()) <= room) break;
    }
    return text;
}

double VEK_Shown_Bound(double bound, int decimals, int upper)
{
    if (!std::isfinite(bound) || decimals < 0) return bound;
    if (decimals > kMostDecimals) decimals = kMostDecimals;
    for (int d = 0; d <= decimals; ++d) {
        const double shown = Rounded(bound, d);
        if (Within_Single_Precision(shown, bound)) return shown;
    }
    // Nearest at the last place, then one place towards the inside where
    // that passed the bound.
    const double step = std::pow(10.0, -decimals);
    double shown = Rounded(bound, decimals);
    if (upper && shown > bound) shown = Rounded(shown - step, decimals);
    if (!upper && shown < bound) shown = Rounded(shown + step, decimals);
    return shown;
}

int VEK_Take_Typed_Number(const VEK_Number_Rule& rule, double typed, const std::string& kept)
{
    const double lo = VEK_Shown_Bound(rule.minimum, rule.decimals, 0);
    const double hi = VEK_Shown_Bound(rule.maximum, rule.decimals, 1);
    const bool digits_ok = rule.decimals < 0 || VEK_Decimals_Of(typed) <= rule.decimals;
    if (digits_ok && typed >= lo && typed <= hi) return 1;
    const std::string value = VEK_Number_Text(typed);
    std::string why;
    if (!digits_ok)
        why = "Der Wert " + value + " hat mehr Nachkommastellen, als das Feld aufnimmt.\n" +
              What_The_Field_Takes(rule, lo, hi);
    else if (std::isinf(hi))
        why = "Der Wert " + value + " ist nicht zul\x84" "ssig: er darf nicht kleiner als " + VEK_Number_Text(lo) + " sein.";
    else if (std::isinf(lo))
        why = "Der Wert " + value + " ist nicht zul\x84" "ssig: er darf nicht gr\x94\xE1" "er als " + VEK_Number_Text(hi) + " sein.";
    else
        why = "Der Wert " + value + " liegt au\xE1" "erhalb des zul\x84" "ssigen Bereichs von " + VEK_Number_Text(lo) + " bis " +
              VEK_Number_Text(hi) + ".";
    PrintTitledMessage(VEK_REFUSAL_TITLE, "%s\nDer bisherige Wert %s bleibt erhalten.", why.c_str(), kept.c_str());
    return 0;
}
