// Fuzz target: the versioned keyword reader. The first byte gives the
// number of values k (0..15), the next k bytes their kinds (c d i s t,
// counted text, a structure begun or ended); the rest is the file, read
// with a data version of 2.0 as the highest known. Every value read is
// written with the writer (the version lines as read), and the bytes read
// back with the same kinds must give the same values (doubles to the seven
// digits of "%e").
#include "fuzz_common.h"

#include "base/rounding.h"
#include "base/vesk.h"
#include "codes/versioned_text.h"

namespace {

struct Value {
    char kind;  // c d i s t n (counted text) v (structure version) e (end)
    char c = 0;
    double d = 0, version = 0;
    int i = 0;
    std::string text;
    bool read = false;
    bool present = true;  // in the file's version (else its default was taken)
};

// A version keeps its gating through the writer only when its six-decimal
// text form gives it back exactly (1.0, 1.5, 2.0 as programs use them).
bool Version_Survives(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%lf", v);
    return std::strtod(text, nullptr) == v;
}

const char kKinds[] = "cdistnve";

// Reads the values in order; stops at the first failure. Returns the
// values read.
std::vector<Value> Read_All(FILE* f, const std::vector<char>& kinds, double* data_version) {
    std::vector<Value> values;
    if (Begin_Versioned_Read(f, 2.0) != 0) return values;
    *data_version = Current_Data_Version();
    int depth = 0;
    for (char k : kinds) {
        Value v;
        v.kind = k;
        // Structure versions are read whatever the version; values only
        // when the file's version has them.
        if (k == 'n') v.present = Round_To_Decimals(Current_Data_Version(), 2) >= 0;
        else if (k != 'v' && k != 'e') v.present = Current_Data_Version() >= 0.0;
        int failed = 0;
        char buffer[VERSIONED_TEXT_SIZE];
        switch (k) {
            case 'c': failed = Read_Versioned_Value(&v.c, 'c', 0.0, 0); break;
            case 'd': failed = Read_Versioned_Value(&v.d, 'd', 0.0, 0); break;
            case 'i': failed = Read_Versioned_Value(&v.i, 'i', 0.0, 0); break;
            case 's':
            case 't':
                failed = Read_Versioned_Value(buffer, k, 0.0, 0);
                if (!failed) v.text = buffer;
                break;
            case 'n': {
                char* text = nullptr;
                failed = Read_Versioned_Counted_Text(&text, 0.0, nullptr);
                if (!failed && text) v.text.assign(text);
                ITools_Free(&text);
                break;
            }
            case 'v':
                failed = Begin_Versioned_Structure(2.0) != 0;
                if (!failed) {
                    v.version = Current_Data_Version();
                    depth++;
                }
                break;
            default:
                if (depth == 0) continue;
                End_Versioned_Structure();
                depth--;
                break;
        }
        if (failed) break;
        v.read = true;
        values.push_back(v);
    }
    return values;
}

// Writes one value as read; false for what the writer refuses by design
// (a text or word it could not carry back).
bool Write_Value(const Value& v) {
    switch (v.kind) {
        case 'c': return Write_Versioned_Value(&v.c, 'c') == 0;
        case 'd': return Write_Versioned_Value(&v.d, 'd') == 0;
        case 'i': return Write_Versioned_Value(&v.i, 'i') == 0;
        case 's':
        case 't': return Write_Versioned_Value(v.text.c_str(), v.kind) == 0;
        case 'n': {
            const char* t = v.text.c_str();
            return Write_Counted_Text(&t) == 0;
        }
        case 'v': return Write_Structure_Version(v.version) == 0;
        default: return true;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    if (size < 1) return 0;
    const size_t k = data[0] % 16;
    if (size < 1 + k) return 0;
    std::vector<char> kinds;
    for (size_t n = 0; n < k; ++n) kinds.push_back(kKinds[data[1 + n] % 8]);
    FILE* f = fuzz::Stream(data + 1 + k, size - 1 - k);
    if (!f) return 0;
    double version = 0;
    std::vector<Value> first = Read_All(f, kinds, &version);
    std::fclose(f);
    if (first.empty() || !Version_Survives(version)) return 0;
    // Values the writer refuses end the comparison there.
    std::vector<char> written_kinds;
    const std::string bytes = fuzz::Written([&](FILE* out) {
        if (Begin_Versioned_Write(out, version) != 0) fuzz::Fail("versioned text", "data version line refused");
        for (const Value& v : first) {
            if (v.kind == 'v' && !Version_Survives(v.version)) break;
            // A value newer than the file was never in it.
            if (v.present && !Write_Value(v)) break;
            written_kinds.push_back(v.kind);
        }
    });
    FILE* back = fuzz::Stream(bytes);
    if (!back) return 0;
    double again_version = 0;
    const std::vector<Value> again = Read_All(back, written_kinds, &again_version);
    std::fclose(back);
    const fuzz::Round_Trip rt{"versioned values", (int)written_kinds.size()};
    rt.Real("data version", version, again_version, fuzz::kFixed6);
    rt.Int("values read back", (long long)written_kinds.size(), (long long)again.size());
    for (size_t n = 0; n < again.size(); ++n) {
        const fuzz::Round_Trip r{"value", (int)n};
        const Value& a = first[n];
        const Value& b = again[n];
        switch (a.kind) {
            case 'c': r.Int("c", (unsigned char)a.c, (unsigned char)b.c); break;
            case 'd': r.Real("d", a.d, b.d, fuzz::kDigits7); break;
            case 'i': r.Int("i", a.i, b.i); break;
            case 'v': r.Real("structure version", a.version, b.version, fuzz::kFixed6); break;
            case 's':
            case 't':
            case 'n': r.Text("text", a.text.c_str(), b.text.c_str()); break;
            default: break;
        }
    }
    return 0;
}
