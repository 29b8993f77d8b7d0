// Annex files "NAD/Version 1": container, places, loading and saving by
// number or name, the section-line search of the block readers, and the
// one-time conversion of the older combined annex file.
#include "codes/nad_file.h"

#include <cassert>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "base/cp850.h"
#include "base/textio.h"
#include "codes/nad.h"
#include "codes/nad_text.h"
#include "platform/desktop.h"
#include "platform/msgbox.h"
#include "platform/posix.h"

enum { NAD_PATH_SIZE = VEK_MAX_PATH + 1 };

// Path of user annex n under DRAM, or null when DRAM is not set or the
// path does not fit.
static const char* user_annex_path(char* buffer, size_t size, int n) {
    char rel[40];
    std::snprintf(rel, sizeof rel, "NADS\\%d.NAD", n);
    return VEK_Join_Path(buffer, size, VEKGetEnv("DRAM"), rel);
}

// Path of the built-in set of the name under DATA, or null.
static const char* builtin_annex_path(char* buffer, size_t size, const char* name) {
    char rel[NAD_PATH_SIZE];
    if (std::snprintf(rel, sizeof rel, "NAD\\%s.NAD", name ? name : "") >= (int)sizeof rel) return nullptr;
    return VEK_Join_Path(buffer, size, VEKGetEnv("DATA"), rel);
}

int NAD_Copy_Name(char* dst, size_t size, const char* src) {
    assert(dst && size > 0);
    const size_t len = src ? std::strlen(src) : 0;
    const size_t n = len < size ? len : size - 1;
    if (n) std::memcpy(dst, src, n);
    dst[n] = '\0';
    return n == len;
}

// 1 when the first section line of the file (the first line that begins
// with "#") is the keyword's; the stream position is left anywhere.
static int First_Section_Is(FILE* f, const char* keyword) {
    std::rewind(f);
    char line[16];
    while (Read_Line(f, line, sizeof line) != READ_LINE_EOF)
        if (line[0] == '#') return std::strcmp(line, keyword) == 0;
    return 0;
}

int Write_NAD_File(FILE* f, const NAD_Record* r) {
    if (!f || !r) return 0;
    // A name that breaks its line or holds the closing mark would not read
    // back as this name: nothing is written for it.
    if (std::strpbrk(r->name, "\r\n\xAF")) return 0;
    if (fputs("NAD/Version 1\n\n", f) < 0) return 0;
    if (fprintf(f, " %d \xAE%s\xAF %d\n", r->id, r->name, r->variant) < 0) return 0;
    // Every section, always: a save must never drop a block.
    return fputs("\n\n#EC0\n", f) >= 0 && Write_NAD_EC0(f, &r->ec0) && fputs("\n\n#EC2\n", f) >= 0 &&
           Write_NAD_EC2(f, &r->ec2) && fputs("\n\n#ZO3\n", f) >= 0 && Write_NAD_EC3(f, &r->ec3) &&
           fputs("\n\n#EC5\n", f) >= 0 && Write_NAD_EC5(f, &r->ec5) && fputs("\n\n#EC6\n", f) >= 0 &&
           Write_NAD_EC6(f, &r->ec6) && fputs("\n\n#EC9\n", f) >= 0 && Write_NAD_EC9(f, &r->ec9) && !ferror(f);
}

int Read_NAD_File(FILE* f, NAD_Record* r) {
    if (!f || !r) return 0;
    // Numbers that no int holds make the file unreadable, never a wrapped id.
    int version = 0, used = -1;
    if (fscanf(f, "NAD/Version%n", &used) == EOF || used < 0 || Scan_Int_Word(f, &version) != 1) return 0;
    int id = 0;
    const int got_id = NAD_Read_Optional_Int(f, &id);
    if (got_id < 0) return 0;
    if (got_id == 1) r->id = id;
    char name[GUILLEMET_NAME_SIZE];
    Read_Guillemet_Name(f, name);
    // The name stands on the head line: one that runs on over line breaks
    // was never closed, and taking it would swallow the sections behind it.
    if (std::strpbrk(name, "\r\n")) return 0;
    // The record holds 27 characters; a longer name is cut here only, the
    // annex list and the active name keep it whole.
    NAD_Copy_Name(r->name, sizeof r->name, name);
    int variant = 0;
    const int got_variant = NAD_Read_Optional_Int(f, &variant);
    if (got_variant < 0) return 0;
    if (got_variant == 1) r->variant = variant;
    // Sections in any order; a missing one keeps what the block held. A
    // section that the file announces must be there whole, or the file would
    // pass its name off with the recommended values of what it lost
    // (gamma_M2 1.25 instead of the file's value): a section cut short is a
    // read error, and so is a missing one in a file of the writer's layout,
    // which begins with "#EC0" and always holds all six sections, and a file
    // cut before its first section.
    const bool writers_layout = First_Section_Is(f, "#EC0");
    int missing = 0;
    // false when the section is there and broke off.
    auto section = [&](const char* keyword, auto read) {
        if (Find_Keyword_Int(keyword, f, nullptr)) return read() != 0;
        ++missing;
        return true;
    };
    if (!section("#EC0", [&] { return Read_NAD_EC0(f, &r->ec0, 1); }) ||
        !section("#EC2", [&] { return Read_NAD_EC2(f, &r->ec2); }) ||
        !section("#ZO3", [&] { return Read_NAD_EC3(f, &r->ec3, 1); }) ||
        !section("#EC5", [&] { return Read_NAD_EC5(f, &r->ec5, 1); }) ||
        !section("#EC6", [&] { return Read_NAD_EC6(f, &r->ec6); }) ||
        !section("#EC9", [&] { return Read_NAD_EC9(f, &r->ec9); }))
        return 0;
    if (missing && (writers_layout || missing == 6)) return 0;
    return Check_NAD_Factors(r, nullptr) ? 1 : 0;
}

// The partial factors of steel and aluminium that the checks divide by,
// with the names a message gives them.
struct Named_Factor {
    const char* name;
    double value;
};

int Check_NAD_Factors(const NAD_Record* r, std::string* reason) {
    if (!r) return 0;
    const NAD_EC3_1_Record& a = r->ec3.ec3_1;
    const NAD_EC3_8_Record& b = r->ec3.ec3_8;
    const NAD_EC9_Block& c = r->ec9;
    const Named_Factor factors[] = {
        {"gamma_M0", a.gamma_M0},
        {"gamma_M1", a.gamma_M1},
        {"gamma_M2", a.gamma_M2},
        {"gamma_M0 (au\xE1" "ergew\x94hnlich)", a.gamma_M0_acc},
        {"gamma_M1 (au\xE1" "ergew\x94hnlich)", a.gamma_M1_acc},
        {"gamma_M2 (au\xE1" "ergew\x94hnlich)", a.gamma_M2_acc},
        {"gamma_M,fi", a.gamma_M_fi},
        {"gamma_M3", b.gamma_M3},
        {"gamma_M4", b.gamma_M4},
        {"gamma_M5", b.gamma_M5},
        {"gamma_M6,ser", b.gamma_M6ser},
        {"gamma_M7", b.gamma_M7},
        {"gamma_M3,ser", b.gamma_M3ser},
        {"gamma_Mf", b.gamma_Mf_dt_low},
        {"gamma_Mf", b.gamma_Mf_sl_low},
        {"gamma_Mf", b.gamma_Mf_dt_high},
        {"gamma_Mf", b.gamma_Mf_sl_high},
        {"gamma_M,ser", b.gamma_Mser},
        {"gamma_M0 (EN 1999)", c.gamma_M0},
        {"gamma_M1 (EN 1999)", c.gamma_M1},
        {"gamma_M2 (EN 1999)", c.gamma_M2},
        {"gamma_Mp (EN 1999)", c.gamma_Mp},
        {"gamma_Mw (EN 1999)", c.gamma_Mw},
        {"gamma_Ms,ser (EN 1999)", c.gamma_Ms_ser},
        {"gamma_Ms,ult (EN 1999)", c.gamma_Ms_ult},
        {"gamma_Ma (EN 1999)", c.gamma_Ma},
        {"gamma_Mp,ser (EN 1999)", c.gamma_Mp_ser},
    };
    for (const Named_Factor& f : factors) {
        if (NAD_Factor_Usable(f.value)) continue;
        if (reason) {
            char line[160];
            if (std::isfinite(f.value))
                std::snprintf(line, sizeof line, "%s = %.6g liegt nicht zwischen %.1f und %.0f", f.name, f.value,
                              NAD_FACTOR_MIN, NAD_FACTOR_MAX);
            else
                std::snprintf(line, sizeof line, "%s ist keine Zahl", f.name);
            *reason = line;
        }
        return 0;
    }
    return 1;
}

static int write_annex(FILE* f, void* record) {
    return Write_NAD_File(f, static_cast<const NAD_Record*>(record));
}

int Save_NAD_File(int n, const NAD_Record* r) {
    char path[NAD_PATH_SIZE];
    if (!user_annex_path(path, sizeof path, n)) return 0;
    char native[NAD_PATH_SIZE];
    if (!VEK_Native_Path(native, sizeof native, path)) return 0;
    if (!r) return std::remove(native) == 0 ? 1 : 0;
    // The user's annex is replaced only by a complete new one.
    return VEK_Write_File_Replacing(native, write_annex, const_cast<NAD_Record*>(r));
}

static int g_last_load_damaged = 0;
std::string NAD_Factor_Text(double gamma) {
    if (!std::isfinite(gamma)) return "keine Zahl";
    char text[32];
    std::snprintf(text, sizeof text, std::fabs(gamma) < 1e9 ? "%.2lf" : "%.2e", gamma);
    return text;
}

static std::string g_last_load_reason;

int NAD_Last_Load_Damaged() { return g_last_load_damaged; }
const char* NAD_Last_Load_Reason() { return g_last_load_reason.c_str(); }

int Load_NAD(int n, const char* name, NAD_Record* r) {
    g_last_load_damaged = 0;
    g_last_load_reason.clear();
    if (!r) return 0;
    char path[NAD_PATH_SIZE];
    const char* p = n ? user_annex_path(path, sizeof path, n) : builtin_annex_path(path, sizeof path, name);
    if (!p) return 0;
    int refusal = VEK_READ_OK;
    FILE* f = VEK_Open_Reading(p, VEK_READ_CAP_DATA, &refusal);
    if (!f) {
        // A file that is there but no file to read (a directory, a FIFO, a
        // giant) is as damaged as a cut one.
        g_last_load_damaged = refusal != VEK_READ_MISSING;
        if (g_last_load_damaged) g_last_load_reason = VEK_Read_Refusal_Text(refusal);
        return 0;
    }
    int result = 0;
    // A file refused after some of its sections were read must leave none
    // of them behind: the caller then works with the values it put in. The
    // reader never touches the EN 1991 tables, so the plain copy may hold
    // their pointers.
    const NAD_Record before = *r;
    if (!Read_NAD_File(f, r)) {
        Check_NAD_Factors(r, &g_last_load_reason);
        *r = before;
        g_last_load_damaged = 1;
    } else {
        r->user = n > 0 ? 1 : 0;
        Load_WUSL_Annex(n > 0, r->name, &r->ec1);
        Set_WUSL_Variant(&r->ec1, r->variant);
        Set_NAD_EC2_Variant(&r->ec2, r->variant);
        Set_NAD_EC3_Variant(&r->ec3, r->variant);
        Set_NAD_EC5_Variant(&r->ec5, r->variant);
        Set_NAD_EC6_Variant(&r->ec6, r->variant);
        Set_NAD_EC9_Variant(&r->ec9, r->variant);
        result = 1;
    }
    std::fclose(f);
    return result;
}

// Tells the user that a converted annex could not be written: a line on
// stderr in batch mode, a box otherwise.
static void report_conversion_failure(int n, const char* name) {
    if (VEK_Batch_Mode()) {
        std::fprintf(stderr, "%s %d \"%s\" %s\n", "NADs-EC2.DEF: Anhang", n, name,
                     "nicht geschrieben; Umstellung beim nächsten Start"_cp);
        return;
    }
    Init_Message();
    Set_Message_Title("Warnung");
    Fill_Message("%s", "Die alte Anhangsdatei NADs-EC2.DEF");
    Fill_Message("%s", "konnte nicht umgestellt werden:");
    Fill_Message("%s", name);
    Fill_Message("%s", "Sie bleibt für den nächsten Start erhalten."_cp);
    Show_Message();
    Quit_Message();
}

void Default_NAD_Blocks(NAD_Record* r) {
    if (!r) return;
    Default_NAD_EC0(&r->ec0);
    Default_NAD_EC2(&r->ec2);
    Default_NAD_EC3(&r->ec3);
    Default_NAD_EC5(&r->ec5);
    Default_NAD_EC6(&r->ec6);
    Default_NAD_EC9(&r->ec9);
}

// Converts every "#NAD" section of the older file into <dir>/<n>.NAD. Each
// annex starts from the recommended values of every block, so a section
// never inherits values of the one before and blocks the older file does
// not hold are never zero. 1 when every file was written.
static int convert_old_file(FILE* old, const std::string& dir) {
    static NAD_Record work;
    char line[300];
    int n = 1;
    while (std::fgets(line, sizeof line, old)) {
        if (std::strncmp(line, "#NAD", 4) != 0) continue;
        Free_WUSL_Tables(&work.ec1);
        work = NAD_Record{};
        Default_NAD_Blocks(&work);
        int id = 0;
        if (Scan_Int(old, 10, &id) == 1) work.id = id;
        char name[GUILLEMET_NAME_SIZE] = "";
        Read_Guillemet_Name(old, name);
        Read_NAD_EC2(old, &work.ec2);
        Read_NAD_EC3(old, &work.ec3, 0);
        Read_NAD_EC5(old, &work.ec5, 0);
        Read_NAD_EC0(old, &work.ec0, 0);
        work.variant = 0;
        NAD_Copy_Name(work.name, sizeof work.name, name);
        const std::string path = dir + "/" + std::to_string(n) + ".NAD";
        if (!VEK_Write_File_Replacing(path.c_str(), write_annex, &work)) {
            report_conversion_failure(n, name);
            return 0;
        }
        ++n;
    }
    return 1;
}

// The one-time conversion of the older combined annex file into numbered
// annex files. The annex directory marks it done, so the directory appears
// only when every converted file is in it: the files are written into a
// temporary directory beside it, which is renamed at the end. A failed
// write leaves no directory behind, and the conversion runs again at the
// next start; the older file always stays.
void Safeguard_Proper_Version() {
    const char* dram = VEKGetEnv("DRAM");
    if (!dram) {
        // Every list scan comes here; one line per process says it.
        static int told = 0;
        if (!told) std::printf("Safeguard_Proper_Version: ERROR %d\n", 1);
        told = 1;
        return;
    }
    char path[NAD_PATH_SIZE];
    if (!VEK_Join_Path(path, sizeof path, dram, "NADS")) return;
    std::error_code ec;
    const std::filesystem::path nads(path);
    if (std::filesystem::exists(nads, ec)) return;
    char old_path[NAD_PATH_SIZE];
    FILE* old = VEK_Join_Path(old_path, sizeof old_path, dram, "NADs-EC2.DEF")
                    ? VEK_Open_Reading(old_path, VEK_READ_CAP_DATA, nullptr)
                    : nullptr;
    if (!old) {
        // Nothing to convert: the directory only marks the conversion done.
        if (!std::filesystem::create_directory(nads, ec) && !std::filesystem::exists(nads, ec))
            std::printf("Safeguard_Proper_Version: ERROR %d\n", 2);
        return;
    }
    std::string temp = std::string(path) + ".XXXXXX";
    if (!mkdtemp(temp.data())) {
        std::fclose(old);
        std::printf("Safeguard_Proper_Version: ERROR %d\n", 2);
        return;
    }
    const int converted = convert_old_file(old, temp);
    std::fclose(old);
    if (converted) std::filesystem::rename(temp, nads, ec);
    if (!converted || ec) {
        if (converted) std::printf("Safeguard_Proper_Version: ERROR %d\n", 3);
        std::filesystem::remove_all(temp, ec);
    }
}

int Find_NAD_Section_Line(FILE* f, const char* title, const char* stop, int* out) {
    if (!f || !title) return 0;
    const long start = std::ftell(f);
    const size_t tlen = std::strlen(title);
    const size_t slen = stop ? std::strlen(stop) : 0;
    char line[300];
    while (std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, title, tlen) == 0) {
            if (out) {
                const char* p = line + tlen;
                while (*p == ' ' || *p == '\t') ++p;
                int n = 0;
                if (Parse_Int(p, 10, &n, nullptr) == 1) *out = n;
            }
            return 1;
        }
        if (slen && std::strncmp(line, stop, slen) == 0) {
            std::fseek(f, start, SEEK_SET);
            return 2;
        }
        if (NAD_Verbose() && std::strlen(line) >= 2) std::printf("***** Spooling *****: %s", line);
    }
    std::clearerr(f);
    std::fseek(f, start, SEEK_SET);
    return 0;
}
