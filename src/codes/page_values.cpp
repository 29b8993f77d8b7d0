// The remembered values of the pages' number fields and the checks that
// put them back when a typed value is refused.
#include "codes/page_values.h"

#include <cmath>

#include "base/cp850.h"
#include "dialogs/messages.h"

namespace {

enum { SLOTS = 256 };

struct Entry {
    double* address;
    double shown;
};

Entry g_entries[SLOTS];
int g_next = 0;  // the slot taken by the next new address

Entry* Find(double* address) {
    for (Entry& e : g_entries)
        if (e.address == address) return &e;
    return nullptr;
}

// Puts back the shown value (or `fallback` when none was remembered) after
// telling the user why the typed one is not taken.
void* Refuse(double* v, double lowest, double highest, double fallback) {
    const double typed = *v;
    Entry* e = Find(v);
    *v = e ? e->shown : fallback;
    if (std::isinf(highest))
        Warning_Message(MESSAGE_MODE_BOX, "Der Wert %g ist nicht zulässig: er darf nicht kleiner als %g sein; es bleibt bei %g"_cp,
                        typed, lowest, *v);
    else
        Warning_Message(MESSAGE_MODE_BOX,
                        "Der Wert %g liegt außerhalb des zulässigen Bereichs von %g bis %g; es bleibt bei %g"_cp, typed,
                        lowest, highest, *v);
    return v;
}

void* Check_Range(void* value, double lowest, double highest) {
    double* v = static_cast<double*>(value);
    if (!v) return value;
    if (std::isfinite(*v) && *v >= lowest && *v <= highest) {
        Remember_Page_Value(v);
        return value;
    }
    const double nearer = std::isnan(*v) || *v < lowest ? lowest : highest;
    return Refuse(v, lowest, highest, nearer);
}

}  // namespace

void Remember_Page_Value(double* value) {
    if (!value) return;
    if (Entry* e = Find(value)) {
        e->shown = *value;
        return;
    }
    g_entries[g_next] = Entry{value, *value};
    g_next = (g_next + 1) % SLOTS;
}

void* Refuse_Negative(void* value) { return Check_Range(value, 0.0, INFINITY); }

void* Refuse_Outside_Zero_One(void* value) { return Check_Range(value, 0.0, 1.0); }

void Reset_Page_Values() {
    for (Entry& e : g_entries) e = Entry{nullptr, 0.0};
    g_next = 0;
}
