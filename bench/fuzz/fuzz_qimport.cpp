// Fuzz target: the readers of the user-section files. The input after the
// first byte is one file; the first byte picks what reads it:
//   0 the exchange file XPRT.TMP (Read_XPRT_File), then everything that
//     reads the kept text: VUVE.EIN writer, the three prints, the line and
//     polygon caches, the screen picture, renaming and value look-ups;
//   1 the store file (Read_GRQ_File) and writing it again;
//   2 VUVE.EIN read by the model builder for a user section (with the
//     extended blocks switched on);
//   3 the text form of a library cross-section record.
// The kept text of a section read from an exchange file must end with its
// NUL at text_length - 1, and a refused read must leave no text.
#include "fuzz_common.h"

#include <cstring>
#include <string>
#include <vector>

#include "base/filenames.h"
#include "profiles/profil_dwqb_model.h"
#include "profiles/profile_switches.h"
#include "profiles/profilquerschnitt.h"
#include "profiles/qimport.h"
#include "profiles/user_section_geometry.h"
#include "profiles/user_section_print.h"

namespace {

std::string Read_All(const char* path) {
    std::string bytes;
    if (FILE* f = std::fopen(path, "rb")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) bytes.append(buffer, n);
        std::fclose(f);
    }
    return bytes;
}

void Check_Record(const Sonderquerschnitt* r) {
    if (!r) return;
    if (r->text) {
        if (r->text_length < 1 || r->text[r->text_length - 1] != '\0') __builtin_trap();
    } else if (r->text_length != 0) {
        __builtin_trap();
    }
    if (strnlen(r->name, sizeof r->name) >= sizeof r->name) __builtin_trap();
}

void Read_Kept_Text(Sonderquerschnitt* r) {
    FILE* sink = std::fopen("/dev/null", "w");
    Write_VUVE_EIN();
    for (int mode : {0, 1, 2, 4, 8, 15}) Print_User_Section_By_Mode(sink, r, mode);
    Print_Thick_Walled_Section(sink, r);
    Reset_User_Section_Geometry();
    const int lines = Load_Line_Model(r);
    for (int i = 0; i < lines && i < 8; i++)
        for (int c = 0; c <= 4; c++) {
            int flag;
            double p[3], d[3];
            Get_Line_Corner(r, i, c, 0, &flag, p, d);
            Get_Line_Side_Normal(r, i, c, 0, p);
        }
    const int polygons = Load_Polygon_Model(r);
    for (int i = 0; i < polygons && i < 4; i++) {
        const int n = Get_Polygon_Point_Count(r, i);
        for (int k = 0; k <= n && k < 16; k++) {
            int convex;
            double p[3], d[3];
            Get_Polygon_Corner(r, i, k, 0, &convex, p, d);
            Get_Polygon_Edge_Normal(r, i, k, 0, p);
        }
    }
    Draw_Sonderquerschnitt(r, 10, 10, 200, 150, 5, 3);
    double v;
    Get_Sonderquerschnitt_Value(r, ".A__", &v);
    Rename_Sonderquerschnitt(r, "neuer Name");
    Check_Record(r);
    std::fclose(sink);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        fuzz::Quiet();
        fuzz::Silence_Library_Output();
        if (chdir(fuzz::Dir().c_str()) != 0) std::abort();
        Set_File_Base("QFZZ_");
        Init_Profil_DWQB_Switches();
        Enable_VUVE_Extensions();
        return true;
    }();
    (void)ready;
    if (size < 1) return 0;
    Reset_User_Sections();
    Enable_VUVE_Extensions();
    switch (data[0] % 4) {
    case 0: {
        if (!fuzz::Write("QFZZXPRT.TMP", data + 1, size - 1)) return 0;
        Sonderquerschnitt* r = New_Sonderquerschnitt();
        Read_XPRT_File(r);
        Check_Record(r);
        // The same text as a thick-walled section walks the polygon readers.
        Sonderquerschnitt* thick = Copy_Sonderquerschnitt(r);
        if (thick) thick->kind = 2;
        Read_Kept_Text(r);
        if (thick) Read_Kept_Text(thick);
        break;
    }
    case 1: {
        // A store read whole is written and read back to the same sections;
        // one that was refused is left as it was by the next save.
        if (!fuzz::Write("QFZZ.GRQ", data + 1, size - 1)) return 0;
        const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
        const int read = Read_GRQ_File(-1);
        std::vector<Sonderquerschnitt> first;
        std::vector<std::string> texts;
        for (int i = 1; Sonderquerschnitt* r = Get_Sonderquerschnitt_By_Index(i); i++) {
            Check_Record(r);
            first.push_back(*r);
            texts.emplace_back(r->text ? std::string(r->text, r->text_length) : std::string());
        }
        Write_GRQ_File(-1);
        if (!read) {
            if (Read_All("QFZZ.GRQ") != input) fuzz::Fail("fuzz_qimport", "a refused store was written over");
            break;
        }
        if (!first.empty() && Read_GRQ_File(-1) != 1) fuzz::Fail("fuzz_qimport", "a written store is refused");
        for (size_t i = 0; i < first.size(); i++) {
            const Sonderquerschnitt* r = Get_Sonderquerschnitt_By_Index(static_cast<int>(i) + 1);
            if (!r || r->kind != first[i].kind || r->text_length != first[i].text_length ||
                std::strncmp(r->name, first[i].name, sizeof r->name) != 0 ||
                texts[i] != (r->text ? std::string(r->text, r->text_length) : std::string()))
                fuzz::Fail("fuzz_qimport", "store round trip");
        }
        break;
    }
    case 2: {
        FILE* f = fuzz::Stream(data + 1, size - 1);
        Profil_Model_Descriptor d{};
        d.family = PROFIL_FAMILY_USER;
        const float values[PROFIL_MODEL_VALUE_COUNT] = {};
        Invalidate_Profil_DWQB_Cache();
        Setup_Profil_DWQB_Model(nullptr, &d, "    #Q000001", values, 2, f, nullptr);
        if (f) std::fclose(f);
        break;
    }
    default: {
        FILE* f = fuzz::Stream(data + 1, size - 1);
        New_Sonderquerschnitt();
        Profilquerschnitt r;
        Init_Profilquerschnitt(&r);
        if (f && Read_Profilquerschnitt(f, &r)) {
            if (strnlen(r.name, sizeof r.name) >= sizeof r.name) __builtin_trap();
            Profil_Model_Descriptor d{};
            float values[PROFIL_MODEL_VALUE_COUNT] = {};
            char name[PROFIL_MODEL_NAME_SIZE] = "    ";
            Convert_Profilquerschnitt(&r, 0.5, &d, values, name);
        }
        Release_Profilquerschnitt(&r);
        if (f) std::fclose(f);
        break;
    }
    }
    Reset_User_Sections();
    Reset_User_Section_Geometry();
    return 0;
}
