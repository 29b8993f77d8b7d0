// The EN 1991 table block: table definitions, the values files of the
// annex sets, variant, comparison, copy and release.
#include "codes/nad_ec1.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "base/textio.h"
#include "codes/nad.h"
#include "codes/nad_text.h"
#include "platform/desktop.h"
#include "platform/posix.h"

enum { WUSL_PATH_SIZE = VEK_MAX_PATH + 1, WUSL_MAX_VALUES = 100000 };

static const char kStandardSet[] = "EC-Standardparameter";
static const char kUserSource[] = "benutzerdefiniert, editierbar";

// The line without its line end (LF or CRLF).
static void chop(char* line) { line[std::strcspn(line, "\r\n")] = '\0'; }

static void free_table(WUSL_Table* t) {
    if (!t) return;
    std::free(t->caption);
    std::free(t->subcaption);
    std::free(t->source);
    std::free(t->tag);
    std::free(t->values);
    std::free(t);
}

void Free_WUSL_Tables(NAD_EC1_Block* b) {
    if (!b) return;
    for (WUSL_Table*& t : b->tables) {
        free_table(t);
        t = nullptr;
    }
}

// Reads one definition after its "#TAB" line; null when it is incomplete.
static WUSL_Table* read_definition(FILE* f) {
    WUSL_Table* t = static_cast<WUSL_Table*>(std::calloc(1, sizeof(WUSL_Table)));
    if (!t) return nullptr;
    char line[200];
    int corner_x = 0, corner_y = 0;
    char tag[64] = "";
    int* ints[] = {&t->x1, &t->y1, &t->p1, &t->r1, &corner_x, &corner_y, &t->p2, &t->r2, &t->columns, &t->rows};
    bool ok = std::fgets(line, sizeof line, f) && (chop(line), t->caption = strdup(line)) &&
              std::fgets(line, sizeof line, f) && (chop(line), t->subcaption = strdup(line));
    for (int* p : ints) ok = ok && Scan_Int(f, 10, p) == 1;
    ok = ok && std::fscanf(f, "%63s", tag) == 1 && (t->tag = strdup(tag));
    // A table of no size, or of more values than any load table holds, is
    // a damaged definition.
    ok = ok && t->columns > 0 && t->rows > 0 && t->columns <= WUSL_MAX_VALUES / t->rows;
    if (ok) {
        t->width = corner_x - t->x1;
        t->height = corner_y - t->y1;
        t->values = static_cast<double*>(std::calloc(size_t(t->columns) * size_t(t->rows), sizeof(double)));
        ok = t->values != nullptr;
    }
    if (!ok) {
        free_table(t);
        return nullptr;
    }
    return t;
}

int Read_WUSL_Table_Defs(NAD_EC1_Block* b) {
    if (!b) return 0;
    char path[WUSL_PATH_SIZE], native[WUSL_PATH_SIZE];
    if (!VEK_Join_Path(path, sizeof path, VEKGetEnv("DATA"), "NAD\\WUSL-Tabs.def") ||
        !VEK_Native_Path(native, sizeof native, path))
        return 0;
    FILE* f = VEK_Open_Reading(native, VEK_READ_CAP_DATA, nullptr);
    if (!f) return 0;
    Free_WUSL_Tables(b);
    std::memset(b->options, 0, sizeof b->options);
    int count = 0;
    char line[200];
    while (std::fgets(line, sizeof line, f)) {
        int n = 0;
        if (std::strncmp(line, "#TAB", 4) != 0 || Parse_Int(line + 4, 10, &n, nullptr) != 1 || n < 1 || n > 10)
            continue;
        WUSL_Table* t = read_definition(f);
        if (!t) break;
        free_table(b->tables[n - 1]);
        b->tables[n - 1] = t;
        ++count;
    }
    std::fclose(f);
    return count;
}

void Read_WUSL_Tables(FILE* f, NAD_EC1_Block* b) {
    if (!f || !b) return;
    char line[300];
    for (long at = std::ftell(f); std::fgets(line, sizeof line, f); at = std::ftell(f)) {
        if (std::strncmp(line, "#NAD", 4) == 0) {
            // The next set begins here; its finder reads this line again.
            std::fseek(f, at, SEEK_SET);
            return;
        }
        if (std::strncmp(line, "~DATA", 5) == 0) {
            int first = 0;
            if (Scan_Int(f, 10, &first) == 1 && Scan_Int(f, 10, &b->data1) == 1) Scan_Int(f, 10, &b->data2);
            continue;
        }
        int n = 0;
        if (std::strncmp(line, "~TAB", 4) != 0 || Parse_Int(line + 4, 10, &n, nullptr) != 1) continue;
        if (n == 99) {
            int count = 0, second = 0;
            if (Scan_Int(f, 10, &count) != 1 || Scan_Int(f, 10, &second) != 1) continue;
            if (count > 10) count = 10;
            for (int i = 0; i < count; ++i)
                if (Scan_Int(f, 10, &b->options[i]) != 1) break;
            continue;
        }
        if (n < 1 || n > 10 || !b->tables[n - 1]) continue;
        WUSL_Table* t = b->tables[n - 1];
        if (!std::fgets(line, sizeof line, f)) return;
        chop(line);
        char* source = strdup(line);
        if (!source) continue;
        std::free(t->source);
        t->source = source;
        t->present = 1;
        // A section cut short keeps the values read so far; a damaged
        // number ("0x10", "1e-400") ends it there too, and is not taken.
        for (int i = 0; i < t->columns * t->rows; ++i)
            if (NAD_Read_Optional_Double(f, &t->values[i]) != 1) break;
    }
}

int Find_WUSL_Annex(const char* path, const char* name, NAD_EC1_Block* b) {
    if (!path || !name || !b) return 0;
    char native[WUSL_PATH_SIZE];
    if (!VEK_Native_Path(native, sizeof native, path)) return 0;
    FILE* f = VEK_Open_Reading(native, VEK_READ_CAP_DATA, nullptr);
    if (!f) return 0;
    if (NAD_Verbose()) std::printf(" EC1: searching %s\n", name);
    char line[300];
    while (std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, "#NAD", 4) != 0) continue;
        if (!std::fgets(line, sizeof line, f)) break;
        chop(line);
        // The whole name: "Nord" must not take the values of "Nordsee".
        if (std::strcmp(line, name) != 0) continue;
        int variant = 0;
        if (Scan_Int(f, 10, &variant) == 1) b->variant = variant;
        Read_WUSL_Tables(f, b);
    }
    std::fclose(f);
    return 1;
}

static int load_set(const char* env, const char* rel, const char* name, NAD_EC1_Block* b) {
    char path[WUSL_PATH_SIZE];
    if (!VEK_Join_Path(path, sizeof path, VEKGetEnv(env), rel)) return 0;
    return Find_WUSL_Annex(path, name, b);
}

void Load_WUSL_Standard(NAD_EC1_Block* b) {
    if (!b) return;
    // The standard set is the base of every annex: no table keeps values of
    // the annex loaded before.
    for (WUSL_Table* t : b->tables) {
        if (!t) continue;
        std::free(t->source);
        t->source = nullptr;
        t->present = 0;
        std::memset(t->values, 0, sizeof(double) * size_t(t->columns) * size_t(t->rows));
    }
    b->data1 = 2;
    b->data2 = 2;
    load_set("DATA", "NAD\\WUSL-Tabs.val", kStandardSet, b);
}

int Load_WUSL_Annex(int user, const char* name, NAD_EC1_Block* b) {
    return user ? load_set("DRAM", "WUSL-NADs.def", name, b) : load_set("DATA", "NAD\\WUSL-Tabs.val", name, b);
}

void Set_WUSL_Variant(NAD_EC1_Block* b, int variant) {
    if (!b) return;
    b->variant = variant == 0 ? 1 : 2;
    WUSL_Table* t = b->tables[variant == 0 ? 7 : 8];
    if (!t) return;
    std::free(t->source);
    t->source = nullptr;
    t->present = 0;
}

int Write_WUSL_Values(FILE* f, const NAD_EC1_Block* b) {
    if (!f || !b) return 0;
    std::fprintf(f, "~DATA\n%d %d %d\n\n", 1, b->data1, b->data2);
    for (int n = 1; n <= 10; ++n) {
        const WUSL_Table* t = b->tables[n - 1];
        if (!t || !t->present) continue;
        std::fprintf(f, "~TAB%d\n%s\n", n, t->source ? t->source : "");
        for (int r = 0; r < t->rows; ++r) {
            for (int c = 0; c < t->columns; ++c) std::fprintf(f, " %6.3f", t->values[r * t->columns + c]);
            std::fputc('\n', f);
        }
        std::fputc('\n', f);
    }
    std::fprintf(f, "~TAB99\n %d 0", 10);
    for (int v : b->options) std::fprintf(f, " %d", v);
    std::fputs("\n\n", f);
    return ferror(f) ? 0 : 1;
}

struct WUSL_Write {
    const char* name;
    const NAD_EC1_Block* b;
    FILE* before;  // the old file whose bytes come first (append), or null
};

static int write_set(FILE* f, void* context) {
    const WUSL_Write* w = static_cast<const WUSL_Write*>(context);
    if (w->before) {
        char chunk[4096];
        for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, w->before)) > 0;)
            if (std::fwrite(chunk, 1, got, f) != got) return 0;
        if (std::ferror(w->before)) return 0;
    }
    if (std::fprintf(f, "#NAD\n%s\n%d\n\n", w->name, w->b->variant) < 0) return 0;
    return Write_WUSL_Values(f, w->b);
}

int Write_WUSL_Annex(int append, const char* name, NAD_EC1_Block* b) {
    if (!b) return 0;
    char path[WUSL_PATH_SIZE], native[WUSL_PATH_SIZE];
    if (!VEK_Join_Path(path, sizeof path, VEKGetEnv("DRAM"), "WUSL-NADs.def") ||
        !VEK_Native_Path(native, sizeof native, path))
        return 0;
    WUSL_Write w{name ? name : "", b, nullptr};
    // Appending is a save like any other: the old sets and the new one go
    // into a new file that takes the old one's place only when complete, so
    // a failed write never leaves a half set at the end of the user's file.
    if (append) {
        int refusal = VEK_READ_OK;
        w.before = VEK_Open_Reading(native, VEK_READ_CAP_DATA, &refusal);
        if (!w.before && refusal != VEK_READ_MISSING) return 0;
    }
    const int done = VEK_Write_File_Replacing(native, write_set, &w);
    if (w.before) std::fclose(w.before);
    return done;
}

int Compare_WUSL_Tables(const NAD_EC1_Block* a, const NAD_EC1_Block* b) {
    if (!a || !b) return 1;
    for (int n = 0; n < 10; ++n) {
        const WUSL_Table *ta = a->tables[n], *tb = b->tables[n];
        if (!ta || !tb) continue;
        if (ta->present != tb->present) return 1;
        if (!ta->present) continue;
        // Both come from the same definitions; a table of another shape
        // differs.
        if (ta->columns != tb->columns || ta->rows != tb->rows) return 1;
        for (int i = 0; i < ta->columns * ta->rows; ++i)
            if (std::fabs(ta->values[i] - tb->values[i]) > 0.0001) return 1;
    }
    return std::memcmp(a->options, b->options, sizeof a->options) != 0 || a->data1 != b->data1 ||
           a->data2 != b->data2;
}

void Copy_WUSL_Tables(NAD_EC1_Block* dst, const NAD_EC1_Block* src) {
    if (!dst || !src) return;
    for (int n = 0; n < 10; ++n) {
        WUSL_Table* td = dst->tables[n];
        const WUSL_Table* ts = src->tables[n];
        if (!td) continue;
        char* source = ts && ts->present ? strdup(kUserSource) : nullptr;
        if (!source) {
            td->present = 0;
            continue;
        }
        std::free(td->source);
        td->source = source;
        // Values of the destination's shape; what the source lacks stays.
        for (int r = 0; r < td->rows && r < ts->rows; ++r)
            for (int c = 0; c < td->columns && c < ts->columns; ++c)
                td->values[r * td->columns + c] = ts->values[r * ts->columns + c];
        td->present = 1;
    }
    std::memcpy(dst->options, src->options, sizeof dst->options);
    dst->data1 = src->data1;
    dst->data2 = src->data2;
}

int WUSL_Stub_Zero() { return 0; }
