// Object heads and parameter blocks of the desktop's exchange files.
//
// A parameter block is three counted arrays (ints, doubles, strings); the
// file form is a count line, one line of ints, one line of doubles and one
// «» line per string. Doubles are written with a mantissa of six decimals
// and an exponent of at least three digits (5.000000e-001), the form the
// desktop's other components write and expect; the reader takes any
// exponent width. All memory goes through the Mem_ family with the tag
// "null", except head texts, which come from the C heap as the text-block
// reader hands them out.
#include "base/vekparam.h"

#include <cassert>
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "base/filenames.h"
#include "base/textio.h"
#include "base/vesk.h"

#define VP_REALLOC(p, n) Mem_Realloc(__FILE__, __LINE__, "null", (p), (n))
#define VP_STRDUP(s) Mem_Strdup(__FILE__, __LINE__, "null", (s))
#define VP_FREE(p) Mem_Free(__FILE__, __LINE__, "null", (p))

// Handed out for missing strings; callers must not write into it.
static char empty_text[1] = {0};

/* ---------------------------------------------------------------- heads */

int Init_VEK_Object_Head(VEKObjectHead* head) {
    if (!head) return 0;
    head->type = 0;
    head->nr = 0;
    head->id = 0;
    head->name = nullptr;
    head->text = nullptr;
    return 1;
}

int Set_VEK_Object_Head(int type, int nr, int id, const char* name, VEKObjectHead* head) {
    if (!head) return 0;
    head->type = type;
    head->nr = nr;
    head->id = id;
    // Copy before freeing: the name may be the head's own.
    char* copy = name ? VP_STRDUP(name) : nullptr;
    VP_FREE(head->name);
    head->name = copy;
    return (name && !copy) ? 0 : 1;
}

int Set_VEK_Object_Head_Text(char* text, VEKObjectHead* head) {
    if (!head) return 0;
    if (text != head->text) free(head->text);
    head->text = text;
    return 1;
}

void Free_VEK_Object_Head(VEKObjectHead* head) {
    if (!head) return;
    VP_FREE(head->name);
    free(head->text);
}

// A text stands between « and » when it is not longer than max and holds no
// », which would end it early; null stands for the empty text.
static int Guillemet_Text_Fits(const char* text, size_t max) {
    if (!text) return 1;
    const size_t len = strnlen(text, max + 1);
    return len <= max && !memchr(text, GUILLEMET_CLOSE, len);
}

int VEK_Object_Head_Writable(const VEKObjectHead* head) {
    if (!head) return 0;
    return Guillemet_Text_Fits(head->name, VEK_HEAD_NAME_SIZE - 1) && Text_Block_Writable(head->text);
}

int Write_VEK_Object_Head(FILE* stream, const VEKObjectHead* head) {
    if (!stream || !VEK_Object_Head_Writable(head)) return 0;
    const int has_text = head->text && head->text[0];
    if (fprintf(stream, "0x%x %d ", (unsigned)head->type, head->nr) < 0) return 0;
    if (Write_Guillemet_String(stream, head->name ? head->name : "") != 0) return 0;
    if (fprintf(stream, " %d %d\n", head->id, has_text) < 0) return 0;
    if (has_text) {
        if (!Write_Text_Block(stream, head->text)) return 0;
        if (fputs("#EOC\n", stream) < 0) return 0;
    }
    return ferror(stream) ? 0 : 1;
}

// Reads «text» of at most size - 1 characters into buffer (size > 0). 1 with
// the text, empty when no « stands there (that character is consumed); 0 at
// the end of the file or when the text is longer or no » closes it: what the
// writer refuses to write is never taken as a cut text.
static int Read_Guillemet_Text(FILE* stream, char* buffer, int size) {
    buffer[0] = '\0';
    const int first = Fgetc_Skip_Blanks(stream);
    if (first == EOF) return 0;
    if (first != GUILLEMET_OPEN) return 1;
    int count = 0;
    for (;;) {
        const int c = fgetc(stream);
        if (c == GUILLEMET_CLOSE) break;
        if (c == EOF || count == size - 1) return 0;
        buffer[count++] = (char)c;
    }
    buffer[count] = '\0';
    return 1;
}

int Read_VEK_Object_Head(FILE* stream, VEKObjectHead* head) {
    if (!stream || !head) return 0;
    Init_VEK_Object_Head(head);
    int type = 0, nr = 0;
    if (Scan_Int(stream, 0, &type) != 1 || Scan_Int(stream, 10, &nr) != 1) return 0;
    char name[VEK_HEAD_NAME_SIZE];
    if (!Read_Guillemet_Text(stream, name, (int)sizeof name)) return 0;
    // Id and text flag; a line that cannot be read leaves both 0.
    int rest[2] = {0, 0};
    if (Read_Line_Ints(stream, rest, 2) == INT_TOO_LARGE) return 0;
    if (!Set_VEK_Object_Head(type, nr, rest[0], name, head)) return 0;
    if (rest[1] & 1) {
        int complete = 1;
        head->text = Read_VEK_Text_Block(stream, &complete);
        // A head whose "#EOC" is missing is damaged: searching on would
        // swallow the objects behind it. A cut text block is damaged too.
        if (!Find_VEK_End_Line(stream, "#EOC", 1)) return 0;
        if (!complete) return 0;
    }
    return 1;
}

/* ------------------------------------------------------ end-line search */

// A head line of an exchange object: "0x" and a hex digit.
static int Is_Head_Line(const char* line) {
    return line[0] == '0' && (line[1] == 'x' || line[1] == 'X') && isxdigit((unsigned char)line[2]);
}

// Lines are read in pieces; only the first piece of a line is compared.
int Find_VEK_End_Line(FILE* stream, const char* keyword, int stop_at_head) {
    assert(stream && keyword);
    const size_t klen = strlen(keyword);
    for (;;) {
        long start = ftell(stream);
        char line[128];
        if (!fgets(line, sizeof line, stream)) return 0;
        size_t len = strlen(line);
        const int complete = len > 0 && line[len - 1] == '\n';
        if (!complete && !feof(stream)) Skip_Rest_Of_Line(stream);
        if (strncmp(line, keyword, klen) == 0) return 1;
        if (strncmp(line, "#VAZ_", 5) == 0 || (stop_at_head && Is_Head_Line(line))) {
            if (start >= 0) fseek(stream, start, SEEK_SET);
            return 0;
        }
    }
}

char* Read_VEK_Text_Block(FILE* stream, int* complete) {
    assert(stream && complete);
    *complete = 1;
    long start = ftell(stream);
    if (start >= 0) {
        int announced = 0, used = -1, length = 0;
        if (fscanf(stream, " TXB%n", &used) != EOF && used >= 0) length = Scan_Int(stream, 10, &announced);
        if (fseek(stream, start, SEEK_SET) != 0) return nullptr;
        if (length != 1 && length != INT_TOO_LARGE) return nullptr;  // no block: nothing taken
        if (length != 1 || announced <= 0) {
            // An empty block is whole; a negative length or one that no int
            // holds is damage.
            *complete = length == 1 && announced == 0;
            Read_Text_Block(stream);
            return nullptr;
        }
    }
    char* text = Read_Text_Block(stream);
    if (!text) {
        *complete = 0;
        if (!feof(stream)) fseek(stream, -1, SEEK_CUR);
    }
    return text;
}

/* ------------------------------------------------------ parameter blocks */

int Init_VEK_Param_Block(VEKParamBlock* block) {
    if (!block) return 0;
    memset(block, 0, sizeof *block);
    return 1;
}

// Gives one array n elements of size bytes, zero-filling growth. With n 0
// the array is freed. 1, or 0 when the allocation fails (array unchanged).
static int Resize_Array(void** array, int* count, int n, size_t size) {
    if (n < 0) n = 0;
    if (n == *count) return 1;
    if (n == 0) {
        VP_FREE(*array);
        *array = nullptr;
        *count = 0;
        return 1;
    }
    void* grown = VP_REALLOC(*array, (size_t)n * size);
    if (!grown) return 0;
    if (n > *count)
        memset((char*)grown + (size_t)*count * size, 0, (size_t)(n - *count) * size);
    *array = grown;
    *count = n;
    return 1;
}

int Resize_VEK_Param_Block(VEKParamBlock* block, int nInt, int nDouble, int nString) {
    if (!block) return 0;
    if (!block->ints) block->nInt = 0;
    if (!block->doubles) block->nDouble = 0;
    if (!block->strings) block->nString = 0;
    void* p = block->ints;
    if (!Resize_Array(&p, &block->nInt, nInt, sizeof(int))) return 0;
    block->ints = (int*)p;
    p = block->doubles;
    if (!Resize_Array(&p, &block->nDouble, nDouble, sizeof(double))) return 0;
    block->doubles = (double*)p;
    if (nString < 0) nString = 0;
    if (nString < block->nString) {
        // The strings dropped by shrinking go first; should the shrink of
        // the table itself fail, their slots are already null.
        for (int i = nString; i < block->nString; i++) {
            VP_FREE(block->strings[i]);
            block->strings[i] = nullptr;
        }
    }
    p = block->strings;
    if (!Resize_Array(&p, &block->nString, nString, sizeof(char*))) return 0;
    block->strings = (char**)p;
    return 1;
}

void Free_VEK_Param_Block(VEKParamBlock* block) {
    if (!block) return;
    if (block->strings)
        for (int i = 0; i < block->nString; i++) VP_FREE(block->strings[i]);
    VP_FREE(block->ints);
    VP_FREE(block->doubles);
    VP_FREE(block->strings);
    memset(block, 0, sizeof *block);
}

void Clear_VEK_Param_Block(VEKParamBlock* block) {
    if (!block) return;
    if (block->ints) memset(block->ints, 0, (size_t)block->nInt * sizeof(int));
    if (block->doubles)
        for (int i = 0; i < block->nDouble; i++) block->doubles[i] = 0.0;
    if (block->strings)
        for (int i = 0; i < block->nString; i++) {
            VP_FREE(block->strings[i]);
            block->strings[i] = nullptr;
        }
}

int VEK_Param_Block_Is_Set(const VEKParamBlock* block) {
    if (!block) return 0;
    if (block->ints)
        for (int i = 0; i < block->nInt; i++)
            if (block->ints[i] != 0) return 1;
    if (block->doubles)
        for (int i = 0; i < block->nDouble; i++)
            if (block->doubles[i] != 0.0) return 1;
    if (block->strings)
        for (int i = 0; i < block->nString; i++)
            if (block->strings[i]) return 1;
    return 0;
}

int Copy_VEK_Param_Block(VEKParamBlock* target, const VEKParamBlock* source) {
    if (!target) return 0;
    if (target == source) return 1;
    Free_VEK_Param_Block(target);
    if (!source) return 1;
    const int ni = source->ints ? source->nInt : 0;
    const int nd = source->doubles ? source->nDouble : 0;
    const int ns = source->strings ? source->nString : 0;
    if (!Resize_VEK_Param_Block(target, ni, nd, ns)) return 0;
    if (ni > 0) memcpy(target->ints, source->ints, (size_t)ni * sizeof(int));
    if (nd > 0) memcpy(target->doubles, source->doubles, (size_t)nd * sizeof(double));
    int ok = 1;
    for (int i = 0; i < ns; i++) {
        if (!source->strings[i]) continue;
        target->strings[i] = VP_STRDUP(source->strings[i]);
        if (!target->strings[i]) ok = 0;
    }
    return ok;
}

// " %.6e" with the exponent widened to at least three digits.
static int Write_Double(FILE* stream, double value) {
    char text[64];
    int n = snprintf(text, sizeof text, "%.6e", value);
    if (n < 0 || n >= (int)sizeof text) return 0;
    char* e = strchr(text, 'e');
    if (e && (e[1] == '+' || e[1] == '-')) {
        char* digits = e + 2;
        size_t nd = strlen(digits);
        if (nd < 3) {
            memmove(digits + (3 - nd), digits, nd + 1);
            memset(digits, '0', 3 - nd);
        }
    }
    return fprintf(stream, " %s", text) >= 0;
}

int VEK_Param_Block_Writable(const VEKParamBlock* block) {
    if (!block) return 0;
    const int ns = block->strings ? block->nString : 0;
    for (int i = 0; i < ns; i++)
        if (!Guillemet_Text_Fits(block->strings[i], VEK_PARAM_STRING_SIZE - 1)) return 0;
    return 1;
}

int Write_VEK_Param_Block(FILE* stream, const VEKParamBlock* block) {
    if (!stream || !VEK_Param_Block_Writable(block)) return 0;
    const int ni = block->ints ? block->nInt : 0;
    const int nd = block->doubles ? block->nDouble : 0;
    const int ns = block->strings ? block->nString : 0;
    if (fprintf(stream, "%d %d %d\n", ni, nd, ns) < 0) return 0;
    if (ni > 0) {
        for (int i = 0; i < ni; i++)
            if (fprintf(stream, " %d", block->ints[i]) < 0) return 0;
        if (fputc('\n', stream) == EOF) return 0;
    }
    if (nd > 0) {
        for (int i = 0; i < nd; i++)
            if (!Write_Double(stream, block->doubles[i])) return 0;
        if (fputc('\n', stream) == EOF) return 0;
    }
    for (int i = 0; i < ns; i++) {
        if (Write_Guillemet_String(stream, block->strings[i]) != 0) return 0;
        if (fputc('\n', stream) == EOF) return 0;
    }
    return ferror(stream) ? 0 : 1;
}

// How many bytes the stream still holds behind its position; -1 when that
// cannot be told (a pipe).
static long Bytes_Left(FILE* stream) {
    long here = ftell(stream);
    if (here < 0) return -1;
    if (fseek(stream, 0, SEEK_END) != 0) return -1;
    long end = ftell(stream);
    if (fseek(stream, here, SEEK_SET) != 0 || end < here) return -1;
    return end - here;
}

// Every value of a block takes at least one byte of the file (a digit or a
// guillemet), so a count beyond the bytes left cannot be genuine: a damaged
// or hostile file must not make the reader allocate for it.
static int Counts_Fit(FILE* stream, long total) {
    if (total <= 4096) return 1;  // small blocks need no look at the file size
    long left = Bytes_Left(stream);
    const long cap = 1L << 20;  // for streams that cannot tell their size
    if (left < 0) left = cap;
    return total <= left;
}

int Read_VEK_Param_Block(FILE* stream, int nInt, int nDouble, int nString, VEKParamBlock* block,
                         int flags) {
    if (!stream || !block) return 0;
    Init_VEK_Param_Block(block);
    // A count that is negative or does not fit an int is damage, never a
    // count of 0 that would take the values behind it for something else.
    int fi = 0, fd = 0, fs = 0;
    if (nInt >= 0 && Scan_Int(stream, 10, &fi) != 1) return 0;
    if (nDouble >= 0 && Scan_Int(stream, 10, &fd) != 1) return 0;
    if (nString >= 0 && Scan_Int(stream, 10, &fs) != 1) return 0;
    if (fi < 0 || fd < 0 || fs < 0) return 0;
    if (!Counts_Fit(stream, (long)fi + (long)fd + (long)fs)) return 0;
    int si = fi, sd = fd, ss = fs;
    if (!(flags & 1)) {
        si = nInt > 0 ? nInt : 0;
        sd = nDouble > 0 ? nDouble : 0;
        ss = nString > 0 ? nString : 0;
    }
    if (!Resize_VEK_Param_Block(block, si, sd, ss)) return 0;
    for (int i = 0; i < fi; i++) {
        int v;
        if (Scan_Int(stream, 10, &v) != 1) return 0;
        if (i < block->nInt) block->ints[i] = v;
    }
    for (int i = 0; i < fd; i++) {
        double v;
        if (Scan_Double_Word(stream, &v) != 1) return 0;
        if (i < block->nDouble) block->doubles[i] = v;
    }
    if (fs == 0) return 1;
    for (int i = 0; i < fs; i++) {
        char text[VEK_PARAM_STRING_SIZE];
        if (!Read_Guillemet_Text(stream, text, (int)sizeof text)) return 0;
        if (i < block->nString) {
            block->strings[i] = VP_STRDUP(text);
            if (!block->strings[i]) return 0;
        }
    }
    return 1;
}

int Get_VEK_Param_Values(const VEKParamBlock* block, int* ints, const int* int_defaults, int nInt,
                         double* doubles, const double* double_defaults, int nDouble,
                         char** strings, char* const* string_defaults, int nString) {
    if (!block) return 0;
    if (ints)
        for (int i = 0; i < nInt; i++)
            ints[i] = (block->ints && i < block->nInt) ? block->ints[i]
                      : int_defaults                   ? int_defaults[i]
                                                       : 0;
    if (doubles)
        for (int i = 0; i < nDouble; i++)
            doubles[i] = (block->doubles && i < block->nDouble) ? block->doubles[i]
                         : double_defaults                      ? double_defaults[i]
                                                                : 0.0;
    if (strings)
        for (int i = 0; i < nString; i++)
            strings[i] = (block->strings && i < block->nString) ? block->strings[i]
                         : string_defaults                      ? string_defaults[i]
                                                                : empty_text;
    return 1;
}

// Size a kind needs for n entries with optional targets.
static int Needed_Size(int n, const int* targets) {
    if (!targets) return n;
    int need = 0;
    for (int k = 0; k < n; k++)
        if (targets[k] + 1 > need) need = targets[k] + 1;
    return need;
}

// Where entry k comes from and goes to; 0 when it is skipped.
static int Entry_Positions(int k, const int* sources, const int* targets, int* from, int* to) {
    *from = sources ? sources[k] : k;
    *to = targets ? targets[k] : k;
    return *from >= 0 && *to >= 0;
}

int Set_VEK_Param_Values(VEKParamBlock* block,
                         const int* ints, const int* int_sources, int nInt, const int* int_targets,
                         const double* doubles, const int* double_sources, int nDouble,
                         const int* double_targets,
                         char* const* strings, const int* string_sources, int nString,
                         const int* string_targets) {
    if (!block) return 0;
    int ok = 1;
    const int ni = (ints && nInt > 0) ? Needed_Size(nInt, int_targets) : 0;
    const int nd = (doubles && nDouble > 0) ? Needed_Size(nDouble, double_targets) : 0;
    const int ns = (strings && nString > 0) ? Needed_Size(nString, string_targets) : 0;
    const int cur_i = block->ints ? block->nInt : 0;
    const int cur_d = block->doubles ? block->nDouble : 0;
    const int cur_s = block->strings ? block->nString : 0;
    if (!Resize_VEK_Param_Block(block, ni > cur_i ? ni : cur_i, nd > cur_d ? nd : cur_d,
                                ns > cur_s ? ns : cur_s))
        return 0;
    int from, to;
    if (ni > 0)
        for (int k = 0; k < nInt; k++)
            if (Entry_Positions(k, int_sources, int_targets, &from, &to)) block->ints[to] = ints[from];
    if (nd > 0)
        for (int k = 0; k < nDouble; k++)
            if (Entry_Positions(k, double_sources, double_targets, &from, &to))
                block->doubles[to] = doubles[from];
    if (ns > 0)
        for (int k = 0; k < nString; k++) {
            from = string_sources ? string_sources[k] : k;
            to = string_targets ? string_targets[k] : k;
            if (to < 0) continue;
            // The target slot is emptied even when the source is invalid.
            VP_FREE(block->strings[to]);
            block->strings[to] = nullptr;
            if (from < 0 || !strings[from]) continue;
            block->strings[to] = VP_STRDUP(strings[from]);
            if (!block->strings[to]) ok = 0;
        }
    return ok;
}

int Get_VEK_Param_Int(const VEKParamBlock* block, int i) {
    if (!block || !block->ints || i < 0 || i >= block->nInt) return 0;
    return block->ints[i];
}

double Get_VEK_Param_Double(const VEKParamBlock* block, int i) {
    if (!block || !block->doubles || i < 0 || i >= block->nDouble) return 0.0;
    return block->doubles[i];
}

char* Get_VEK_Param_String(const VEKParamBlock* block, int i) {
    if (!block || !block->strings || i < 0 || i >= block->nString) return empty_text;
    return block->strings[i];
}
