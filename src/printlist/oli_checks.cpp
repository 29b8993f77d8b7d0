// Input checks of the print-list writers: the first fault of a call is kept
// and reported once, through the message service, when the writer asks
// whether it may write.
#include "printlist/oli_checks.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/cp850.h"
#include "dialogs/messages.h"
#include "printlist/ioliplot.h"

namespace {

constexpr double kMinScale = 1e-6, kMaxScale = 1e6;

bool Usable_Scale(double s) {
    double a = std::fabs(s);
    return std::isfinite(s) && a >= kMinScale && a <= kMaxScale;
}

}  // namespace

Oli_Input_Check& Oli_Input_Check::Fail(const char* reason) {
    if (!fault_) fault_ = reason;
    return *this;
}

Oli_Input_Check& Oli_Input_Check::Require(bool condition, const char* reason) {
    return condition ? *this : Fail(reason);
}

Oli_Input_Check& Oli_Input_Check::Picture() {
    const Oli_Picture_State* s = Oli_Get_Picture_State();
    return Require(Usable_Scale(s->scale_x) && Usable_Scale(s->scale_y) && std::isfinite(s->rotation),
                   "kein Bild mit brauchbarem Maßstab geöffnet"_cp);
}

Oli_Input_Check& Oli_Input_Check::Point(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return Fail("Koordinate ist keine endliche Zahl");
    const Oli_Picture_State* s = Oli_Get_Picture_State();
    // Without a usable picture the Picture check reports; the point alone
    // is then only tested for being a number.
    if (!Usable_Scale(s->scale_x) || !Usable_Scale(s->scale_y)) return *this;
    if (std::fabs(x * s->scale_x) > OLI_PAPER_LIMIT_CM || std::fabs(y * s->scale_y) > OLI_PAPER_LIMIT_CM)
        return Fail("Punkt liegt weiter als 1 km vom Ursprung des Blattes"_cp);
    return *this;
}

Oli_Input_Check& Oli_Input_Check::Points(int n, const double* x, const double* y, int min_count) {
    if (n < min_count || n < 1) return Fail("zu wenige Punkte");
    if (!x || !y) return Fail("keine Punkte");
    for (int i = 0; i < n && !fault_; i++) Point(x[i], y[i]);
    return *this;
}

Oli_Input_Check& Oli_Input_Check::Length(double v, bool signed_) {
    if (!std::isfinite(v)) return Fail("Länge ist keine endliche Zahl"_cp);
    if (!signed_ && v < 0.0) return Fail("Länge ist negativ"_cp);
    const Oli_Picture_State* s = Oli_Get_Picture_State();
    double scale = std::fmax(std::fabs(s->scale_x), std::fabs(s->scale_y));
    if (Usable_Scale(scale) && std::fabs(v) * scale > OLI_PAPER_LIMIT_CM)
        return Fail("Länge reicht über 1 km des Blattes hinaus"_cp);
    return *this;
}

Oli_Input_Check& Oli_Input_Check::Size(double v, bool signed_) {
    if (!std::isfinite(v)) return Fail("Größe ist keine endliche Zahl"_cp);
    if (!signed_ && v < 0.0) return Fail("Größe ist negativ"_cp);
    if (std::fabs(v) > OLI_PAPER_LIMIT_CM) return Fail("Größe über 1 km"_cp);
    return *this;
}

Oli_Input_Check& Oli_Input_Check::Number(double v, double limit) {
    if (!std::isfinite(v)) return Fail("Wert ist keine endliche Zahl");
    if (std::fabs(v) > limit) return Fail("Wert außerhalb des Bereichs"_cp);
    return *this;
}

Oli_Input_Check& Oli_Input_Check::Text(const char* text, size_t max, bool in_record) {
    if (!text) return *this;
    size_t n = std::strlen(text);
    if (n > max) {
        std::snprintf(detail_, sizeof detail_, "Text länger als %zu Zeichen"_cp, max);
        return Fail(detail_);
    }
    if (in_record && std::strpbrk(text, "\n\r\xAE\xAF"))
        return Fail("Text enthält einen Zeilenwechsel oder « »"_cp);
    return *this;
}

Oli_Input_Check& Oli_Input_Check::Range(long v, long lo, long hi) {
    return Require(v >= lo && v <= hi, "Nummer außerhalb des Bereichs"_cp);
}

bool Oli_Input_Check::Ok() {
    if (!fault_) return true;
    if (!reported_) {
        reported_ = true;
        Error_Message(-1, "Druckliste: %s nicht geschrieben: %s", writer_, fault_);
    }
    return false;
}

