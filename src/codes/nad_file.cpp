// Annex files "NAD/Version 1": container, places, loading and saving by
// number or name, and the section-line search of the block readers.
#include "codes/nad_file.h"

#include <cassert>
#include <cstring>

#include "base/textio.h"
#include "codes/nad.h"
#include "platform/desktop.h"
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

int Write_NAD_File(FILE* f, const NAD_Record* r) {
    if (!f || !r) return 0;
    if (fputs("NAD/Version 1\n\n", f) < 0) return 0;
    if (fprintf(f, " %d \xAE%s\xAF %d\n", r->id, r->name, r->variant) < 0) return 0;
    // Sections whose block writer is not part of this program yet are
    // left out: a reader keeps the block's recommended values for them.
    if (fputs("\n\n#ZO3\n", f) < 0 || !Write_NAD_EC3(f, &r->ec3)) return 0;
    return ferror(f) ? 0 : 1;
}

int Read_NAD_File(FILE* f, NAD_Record* r) {
    if (!f || !r) return 0;
    // Numbers that no int holds make the file unreadable, never a wrapped id.
    int version = 0, used = -1;
    if (fscanf(f, "NAD/Version%n", &used) == EOF || used < 0 || Scan_Int(f, 10, &version) != 1) return 0;
    int id = 0;
    const int got_id = Scan_Int(f, 10, &id);
    if (got_id == INT_TOO_LARGE) return 0;
    if (got_id == 1) r->id = id;
    char name[GUILLEMET_NAME_SIZE];
    Read_Guillemet_Name(f, name);
    // The record holds 27 characters; a longer name is cut here only, the
    // annex list and the active name keep it whole.
    NAD_Copy_Name(r->name, sizeof r->name, name);
    int variant = 0;
    const int got_variant = Scan_Int(f, 10, &variant);
    if (got_variant == INT_TOO_LARGE) return 0;
    if (got_variant == 1) r->variant = variant;
    if (Find_Keyword_Int("#ZO3", f, nullptr)) Read_NAD_EC3(f, &r->ec3, 1);
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

int Load_NAD(int n, const char* name, NAD_Record* r) {
    if (!r) return 0;
    char path[NAD_PATH_SIZE];
    const char* p = n ? user_annex_path(path, sizeof path, n) : builtin_annex_path(path, sizeof path, name);
    if (!p) return 0;
    FILE* f = std::fopen(p, "r");
    if (!f) return 0;
    int result = 0;
    if (Read_NAD_File(f, r)) {
        r->user = n > 0 ? 1 : 0;
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

// The conversion of the older combined annex file into numbered annex
// files marks itself done (by creating the annex directory) before it
// writes anything, and it writes each annex through the block writers. As
// long as not every block has its writer, running it would drop the
// unwritten blocks of every converted annex for good, so it stays off and
// the older file stays untouched for a later run.
void Safeguard_Proper_Version() {}

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
