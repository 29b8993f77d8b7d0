// vesk: allocation families and the general tool library (see vesk.h).
//
// The Mem_ family is a plain pass-through: it neither records the source tags
// nor reports. The ITools_ family adds slack, counts live blocks and stops
// the program when memory runs out; the stop goes through the message
// service so that a batch run reports it on the console instead of a box.
#include "base/vesk.h"
#include "platform/desktop.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cctype>
#include <cstdarg>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "base/textio.h"
#include "platform/format.h"
#include "platform/posix.h"
#include "platform/sheets.h"

static const char kSource[] = "d:/src/priv/itools/vesk.cpp";

// ===========================================================================
// Tagged allocation
// ===========================================================================

void* Mem_Malloc(const char* /*file*/, int /*line*/, const char* /*tag*/, size_t size) {
    return std::malloc(size);
}

void* Mem_Calloc(const char* /*file*/, int /*line*/, const char* /*tag*/, size_t count, size_t size) {
    return std::calloc(count, size);
}

void* Mem_Realloc(const char* /*file*/, int /*line*/, const char* /*tag*/, void* block, size_t size) {
    return std::realloc(block, size);
}

char* Mem_Strdup(const char* /*file*/, int /*line*/, const char* /*tag*/, const char* text) {
    if (!text) return nullptr;
    size_t n = std::strlen(text) + 1;
    char* copy = static_cast<char*>(std::malloc(n));
    if (copy) std::memcpy(copy, text, n);
    return copy;
}

void Mem_Free(const char* /*file*/, int /*line*/, const char* /*tag*/, void* block) {
    std::free(block);
}

// ===========================================================================
// Counted allocation with slack
// ===========================================================================

static int itools_slack = 0;
static int itools_blocks = 0;
static int stopping = 0;  // set while Stop_Speichermangel reports
static Memory_Stop_Report_Func memory_stop_report = nullptr;

void Set_Memory_Stop_Report(Memory_Stop_Report_Func report) {
    memory_stop_report = report;
}

void Stop_Speichermangel(void) {
    static const char text[] = "Speicher nicht aussreichend!";
    // The message service allocates its text through ITools_Realloc; should
    // that fail too, we land here again, skip the report and still end with
    // the text on stderr. Whatever the message mode did with it (collected,
    // dropped, a box, stdout), the console of the ended program shows it.
    int on_stderr = 0;
    if (!stopping) {
        stopping = 1;
        if (memory_stop_report) on_stderr = memory_stop_report(text);
    }
    if (!on_stderr) {
        std::fputs(text, stderr);
        std::fputc('\n', stderr);
    }
    std::exit(0);
}

void Check_Speicher(const void* block) {
    if (!block) Stop_Speichermangel();
}

void* ITools_Realloc(void* block, size_t size, int zero) {
    const size_t total = static_cast<size_t>(itools_slack) + size;
    if (total == 0) return nullptr;
    if (total < size) Stop_Speichermangel();  // the sum overflowed: no such block
    void* p = Mem_Realloc(kSource, __LINE__, "null", block, total);
    if (!p) Stop_Speichermangel();
    if (zero) std::memset(p, 0, total);
    if (!block) itools_blocks++;
    return p;
}

void* ITools_Calloc(size_t size) {
    return ITools_Realloc(nullptr, size, 1);
}

double** ITools_Alloc_Matrix(void* block, int rows, int columns) {
    if (rows < 1 || columns < 1) return nullptr;
    // Row pointers first, then the rows. The table takes whole pointers so
    // that the doubles after it stay aligned.
    const size_t table = sizeof(double*) * static_cast<size_t>(rows);
    const size_t cells = static_cast<size_t>(rows) * static_cast<size_t>(columns);
    if (cells / static_cast<size_t>(rows) != static_cast<size_t>(columns) || cells > SIZE_MAX / 16)
        Stop_Speichermangel();
    const size_t total = static_cast<size_t>(itools_slack) + table + sizeof(double) * cells;
    void* p = Mem_Realloc(kSource, __LINE__, "null", block, total);
    if (!p) Stop_Speichermangel();
    if (!block) itools_blocks++;
    double** row = static_cast<double**>(p);
    double* data = reinterpret_cast<double*>(static_cast<char*>(p) + table);
    for (int r = 0; r < rows; ++r) row[r] = data + static_cast<size_t>(columns) * static_cast<size_t>(r);
    return row;
}

char* ITools_Strdup(const char* text) {
    char* copy = Mem_Strdup(kSource, __LINE__, "null", text);
    if (copy) itools_blocks++;
    return copy;
}

void ITools_Copy_Doubles(int n, double** block, const double* source) {
    assert(block);
    const size_t count = n > 0 ? static_cast<size_t>(n) : 0;
    if (count > SIZE_MAX / sizeof(double)) Stop_Speichermangel();
    void* p = ITools_Realloc(*block, sizeof(double) * count, 0);
    // A total of 0 (no slack, n below 1) leaves the old block where it was.
    if (!p) return;
    *block = static_cast<double*>(p);
    if (n >= 1 && source) std::memcpy(*block, source, sizeof(double) * count);
}

void ITools_Free(void* pointer_to_block) {
    if (!pointer_to_block) return;
    void* block = nullptr;
    std::memcpy(&block, pointer_to_block, sizeof(void*));
    if (!block) return;
    Mem_Free(kSource, __LINE__, "null", block);
    itools_blocks--;
    block = nullptr;
    std::memcpy(pointer_to_block, &block, sizeof(void*));
}

int ITools_Set_Slack(int n) {
    itools_slack = n < 0 ? 0 : n;
    return itools_slack;
}

int ITools_Block_Count(void) { return itools_blocks; }

void ITools_Reset_Block_Count(void) { itools_blocks = 0; }

// ===========================================================================
// Output helpers
// ===========================================================================

static int verbose = 0;

int Safe_Fprintf(FILE* stream, const char* format, ...) {
    if (!stream || !format) return 0;
    // Most records of a picture are fixed texts: written as they stand (one
    // scan finds both whether and where the text ends).
#if defined(__GLIBC__)
    const char* const conversion = strchrnul(format, '%');
#else
    const char* conversion = std::strchr(format, '%');
    if (!conversion) conversion = format + std::strlen(format);
#endif
    if (!*conversion) return VEK_Stream_Put(stream, format, static_cast<size_t>(conversion - format));
    // Formatted once, mostly without the C library's printf, and written.
    va_list ap;
    va_start(ap, format);
    const int n = VEK_Stream_Printf_V(stream, format, ap);
    va_end(ap);
    return n;
}

int Format_Fixed6(char* out, size_t size, double v) { return VEK_Format_Fixed(out, size, v, 6); }

int Safe_Write_Fixed(FILE* stream, const char* lead, const double* values, int n, const char* tail) {
    if (!stream) return 0;
    // Straight into the stream's buffer when the whole record fits there,
    // else gathered and handed over in pieces of up to 4 kB.
    enum { kValueRoom = VEK_FIXED6_ROOM };
    const size_t lead_size = lead ? std::strlen(lead) : 0, tail_size = tail ? std::strlen(tail) : 0;
    if (n >= 0 && n <= 100000) {
        const size_t need = lead_size + tail_size + static_cast<size_t>(n) * kValueRoom + 1;
        if (char* const room = VEK_Stream_Room(stream, need)) {
            char* p = room;
            if (lead_size) std::memcpy(p, lead, lead_size), p += lead_size;
            p += VEK_Format_Fixed6_Values(p, values, n);
            if (tail_size) std::memcpy(p, tail, tail_size), p += tail_size;
            const size_t total = static_cast<size_t>(p - room);
            VEK_Stream_Advance(stream, total);
            return static_cast<int>(total);
        }
    }
    char buf[4096];
    size_t used = 0;
    int total = 0;
    auto flush = [&]() {
        if (used && VEK_Stream_Put(stream, buf, used) < 0) return false;
        total += static_cast<int>(used);
        used = 0;
        return true;
    };
    auto put = [&](const char* text) {
        for (size_t len = text ? std::strlen(text) : 0; len > 0;) {
            if (used == sizeof buf && !flush()) return false;
            const size_t take = std::min(len, sizeof buf - used);
            std::memcpy(buf + used, text, take);
            used += take, text += take, len -= take;
        }
        return true;
    };
    if (!put(lead)) return -1;
    for (int i = 0; i < n; i++) {
        if (sizeof buf - used <= kValueRoom && !flush()) return -1;
        used += VEK_Format_Fixed6_Values(buf + used, values + i, 1);
    }
    if (!put(tail) || !flush()) return -1;
    return total;
}

void Set_Verbose(int flag) { verbose = flag; }

int Verbose_Printf(const char* format, ...) {
    if (!verbose || !format) return 0;
    va_list ap;
    va_start(ap, format);
    int n = std::vprintf(format, ap);
    va_end(ap);
    std::fflush(stdout);
    return n;
}

// ===========================================================================
// Run-time timers
// ===========================================================================

enum { TIMER_SLOTS = 100 };
static int measuring = 0;
static long long timer_start[TIMER_SLOTS];

// Elapsed milliseconds of the desktop's monotonic clock. Processor time
// (clock()) would leave out every wait for the user or a started tool.
static long long clock_ms(void) { return VEK_Clock_ms(); }

static bool valid_slot(int slot) { return slot >= 0 && slot < TIMER_SLOTS; }

void Set_Runtime_Measurement(int flag) {
    if (flag) Verbose_Printf("\n>> Rechenzeitmessung aktiviert\n");
    else if (measuring) Verbose_Printf("\n>> Rechenzeitmessung deaktiviert\n");
    measuring = flag;
}

void Start_Runtime_Timer(int slot) {
    if (!measuring || !valid_slot(slot)) return;
    timer_start[slot] = clock_ms();
}

void Print_Runtime(int slot, const char* label) {
    if (!measuring || !valid_slot(slot)) return;
    const double sec = static_cast<double>(clock_ms() - timer_start[slot]) * 0.001;
    if (label) Verbose_Printf(">> Rechenzeit %2d: %10.2f sec (%s)\n", slot, sec, label);
    else Verbose_Printf(">> Rechenzeit %2d: %10.2f sec\n", slot, sec);
}

// ===========================================================================
// Word list
// ===========================================================================

enum { WORD_LIST_SIZE = 300 };
static char word_list[WORD_LIST_SIZE];
static int word_count = 0;

void Clear_Word_List(void) {
    word_list[0] = '\0';
    word_count = 0;
}

// Appends head + tail when the result keeps within 299 characters; 1 when
// appended, 0 (list unchanged) otherwise.
static int append_to_list(const char* head, const char* tail) {
    const size_t have = std::strlen(word_list);
    const size_t a = std::strlen(head), b = std::strlen(tail);
    if (have + a + b > WORD_LIST_SIZE - 1) return 0;
    std::memcpy(word_list + have, head, a);
    std::memcpy(word_list + have + a, tail, b);
    word_list[have + a + b] = '\0';
    return 1;
}

void Append_Word(const char* word) {
    if (!word) return;
    if (append_to_list(word, ", ")) word_count++;
}

const char* Append_Last_Word(const char* word) {
    if (!word) return word_list;
    size_t have = std::strlen(word_list);
    const bool join = word_count > 0 && have >= 2 && std::strcmp(word_list + have - 2, ", ") == 0;
    if (!join) {
        if (append_to_list(word, "")) word_count++;
        return word_list;
    }
    // ", " becomes " und ": three more characters plus the word.
    if (have - 2 + 5 + std::strlen(word) > WORD_LIST_SIZE - 1) return word_list;
    word_list[have - 2] = '\0';
    append_to_list(" und ", word);
    word_count++;
    return word_list;
}

void Append_Number_Item(int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", number);
    Append_Word(text);
}

const char* Append_Last_Number_Item(int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", number);
    return Append_Last_Word(text);
}

const char* Get_Word_List(void) { return word_list; }

const char* Number_List_With_Ranges(int n, const int* numbers) {
    Clear_Word_List();
    if (n < 1 || !numbers) return word_list;
    std::vector<std::string> items;
    items.push_back(std::to_string(numbers[0]));
    bool in_run = false;
    int run_first = 0;
    for (int i = 1; i < n; ++i) {
        const bool follows = numbers[i] == numbers[i - 1] + 1;
        if (follows && i != n - 1) {
            if (!in_run) {
                in_run = true;
                run_first = numbers[i - 1];
            }
            continue;
        }
        if (in_run) {
            items.back() = std::to_string(run_first) + " bis " + std::to_string(numbers[i - 1]);
            in_run = false;
        }
        items.push_back(std::to_string(numbers[i]));
    }
    for (size_t k = 0; k + 1 < items.size(); ++k) Append_Word(items[k].c_str());
    Append_Last_Word(items.back().c_str());
    return word_list;
}

// ===========================================================================
// German number words
// ===========================================================================

static const char kError[] = "-Fehler-";

static const char* const kOnes[19] = {
    "ein",         "zwei",        "drei",     "vier",     "fünf"_cp,
    "sechs",       "sieben",      "acht",     "neun",     "zehn",
    "elf",         "zwölf"_cp,    "dreizehn", "vierzehn", "fünfzehn"_cp,
    "sechszehn",   "siebzehn",    "achtzehn", "neunzehn",
};

static const char* const kTens[8] = {
    "zwanzig", "dreissig", "vierzig", "fünfzig"_cp, "sechzig", "siebzig", "achtzig", "neunzig",
};

enum { WORD_SIZE = 256 };

// Bounded copy of text into a static word buffer.
static const char* keep(char* buffer, const std::string& text) {
    std::snprintf(buffer, WORD_SIZE, "%s", text.c_str());
    return buffer;
}

const char* Number_Word_1_19(int n, int final_flag) {
    if (n < 1 || n > 19) return kError;
    if (n == 1) return final_flag ? "eins" : "ein";
    return kOnes[n - 1];
}

const char* Tens_Word(int n) {
    if (n < 20 || n > 99) return kError;
    return kTens[n / 10 - 2];
}

const char* Number_Word_1_99(int n, int final_flag) {
    static char buffer[WORD_SIZE];
    if (n >= 1 && n <= 19) return Number_Word_1_19(n, final_flag);
    if (n == 0) return kError;
    if (n % 10 == 0) return Tens_Word(n);
    std::string word = Number_Word_1_19(n % 10, 0);
    word += "und";
    word += Tens_Word(n);
    return keep(buffer, word);
}

const char* Number_Word_1_999(int n, int final_flag) {
    static char buffer[WORD_SIZE];
    if (n < 100) return Number_Word_1_99(n, final_flag);
    const int hundreds = n / 100, rest = n % 100;
    std::string word = hundreds < 20 ? Number_Word_1_19(hundreds, 0) : kError;
    word += "hundert";
    if (rest) word += Number_Word_1_99(rest, final_flag);
    return keep(buffer, word);
}

// Thousands and rest below 1000 of n; used by the larger number words.
static std::string thousands_and_rest(unsigned int n, int final_flag) {
    std::string word;
    const int thousands = static_cast<int>(n / 1000 % 1000);
    const int rest = static_cast<int>(n % 1000);
    if (thousands) {
        word += Number_Word_1_999(thousands, 0);
        word += "tausend";
    }
    if (rest) word += Number_Word_1_999(rest, final_flag);
    return word;
}

const char* Number_Word_1_999999(int n) {
    static char buffer[WORD_SIZE];
    if (n < 0) return kError;
    return keep(buffer, thousands_and_rest(static_cast<unsigned int>(n % 1000000), 0));
}

// Millions, thousands and rest of n below 10^9.
static std::string millions_word(unsigned int n) {
    std::string word;
    const int millions = static_cast<int>(n / 1000000 % 1000);
    if (millions == 1) word = "einemillion";
    else if (millions > 1) word = std::string(Number_Word_1_999(millions, 0)) + "millionen";
    word += thousands_and_rest(n % 1000000, 1);
    return word;
}

const char* Number_Word_1_999999999(int n) {
    static char buffer[WORD_SIZE];
    if (n < 0) return kError;
    return keep(buffer, millions_word(static_cast<unsigned int>(n % 1000000000)));
}

const char* Number_Word_Full(unsigned int n) {
    static char buffer[WORD_SIZE];
    const unsigned int milliards = n / 1000000000u;
    std::string word;
    if (milliards == 1) word = "einemilliarde";
    else if (milliards > 1) word = std::string(Number_Word_1_999(static_cast<int>(milliards), 0)) + "milliarden";
    word += millions_word(n % 1000000000u);
    return keep(buffer, word);
}

const char* Number_Word_Capital(unsigned int n) {
    static char buffer[WORD_SIZE];
    if (n == 0) return "Null";
    std::string word = Number_Word_Full(n);
    if (!word.empty()) word[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
    return keep(buffer, word);
}

const char* Count_Word(int n) {
    static const char* const kCounts[10] = {"keiner", "einer", "zwei",   "drei", "vier",
                                             "funf",   "sechs", "sieben", "acht", "neun"};
    static char buffer[16];
    if (n >= 0 && n <= 9) {
        std::snprintf(buffer, sizeof buffer, "%s", kCounts[n]);
    } else {
        std::snprintf(buffer, sizeof buffer, "%d", n);
    }
    return buffer;
}

// ===========================================================================
// Date-like tokens
// ===========================================================================

void Parse_Date_Token(const char* text, int* first, int* second, char* four) {
    int a = 0, b = 0;
    char chars[5] = "???";
    if (text) {
        // The search starts at the second-to-last character, so a trailing
        // blank is part of the token; texts shorter than 2 are taken whole.
        const char* token = text;
        const size_t len = std::strlen(text);
        if (len >= 2) {
            for (size_t i = len - 1; i-- > 0;) {
                if (text[i] == ' ') {
                    token = text + i + 1;
                    break;
                }
            }
        }
        // As "%d%c%d%c%4s" reads it, but a number beyond an int is no
        // number rather than a wrapped one.
        auto space = [](const char* p) {
            while (std::isspace(static_cast<unsigned char>(*p))) ++p;
            return p;
        };
        const char* p = space(token);
        const char* end = p;
        if (Parse_Int(p, 10, &a, &end) == 1 && *end) {
            p = space(end + 1);  // behind the first separator
            if (Parse_Int(p, 10, &b, &end) == 1 && *end) {
                p = space(end + 1);
                size_t n = 0;
                while (n < 4 && p[n] && !std::isspace(static_cast<unsigned char>(p[n]))) ++n;
                if (n > 0) {
                    std::memcpy(chars, p, n);
                    chars[n] = '\0';
                }
            }
        }
    }
    if (first) *first = a;
    if (second) *second = b;
    if (four) std::memcpy(four, chars, sizeof chars);
}

int Compare_Date_Tokens(const char* a, const char* b) {
    int a1, a2, b1, b2;
    char af[5], bf[5];
    Parse_Date_Token(a, &a1, &a2, af);
    Parse_Date_Token(b, &b1, &b2, bf);
    if (a2 != b2) return a2 > b2 ? 1 : -1;
    if (a1 != b1) return a1 > b1 ? 1 : -1;
    return std::strcmp(af, bf);
}

// ===========================================================================
// Files and texts
// ===========================================================================

// Appends one line of any length (with its '\n' when there is one) to line;
// false at the end of the file with nothing read.
static bool read_line(FILE* in, std::string& line) {
    line.clear();
    // Byte by byte: a zero byte in the file is data like any other (a piece
    // read with fgets would end at it and lose the rest of the piece).
    for (int c; (c = std::fgetc(in)) != EOF;) {
        line.push_back(static_cast<char>(c));
        if (c == '\n') return true;
    }
    return !line.empty();
}

namespace {
struct Replacement {
    FILE* in;
    const char* old_text;
    const char* new_text;
    int count;
};
}  // namespace

// Copies the lines of r->in into out with every old text replaced; 1 when
// every line was read and written.
static int Write_Replaced(FILE* out, void* context) {
    Replacement* r = static_cast<Replacement*>(context);
    const size_t old_len = std::strlen(r->old_text);
    std::string line;
    while (read_line(r->in, line)) {
        std::string result;
        size_t from = 0, at;
        while ((at = line.find(r->old_text, from)) != std::string::npos) {
            result.append(line, from, at - from);
            result += r->new_text;
            from = at + old_len;  // search on behind the inserted text
            r->count++;
        }
        result.append(line, from, std::string::npos);
        if (std::fwrite(result.data(), 1, result.size(), out) != result.size()) return 0;
    }
    return std::ferror(r->in) ? 0 : 1;
}

int File_Replace_String(const char* file_name, const char* old_text, const char* new_text) {
    if (!file_name || !old_text || !new_text || !*old_text) return 0;
    char native[VEK_MAX_PATH + 1];
    if (!VEK_Native_Path(native, sizeof native, file_name)) return 0;
    FILE* in = VEK_Open_Reading(native, VEK_READ_CAP_LIST, nullptr);
    if (!in) return 0;
    // The new copy is written beside the old file under a name of its own and
    // takes the old file's place only when complete.
    Replacement r = {in, old_text, new_text, 0};
    const int ok = VEK_Write_File_Replacing(native, Write_Replaced, &r);
    std::fclose(in);
    return ok ? r.count : 0;
}

int Trim_Trailing_Blanks(char* text) {
    if (!text) return -1;
    int i = static_cast<int>(std::strlen(text)) - 1;
    int end = i;
    // Blanks before a final newline take the newline with them.
    if (i >= 1 && text[i] == '\n' && text[i - 1] == ' ') end = i - 1;
    while (end >= 0 && text[end] == ' ') end--;
    text[end + 1] = '\0';
    return end;
}

static int quer_checked = 0;
static int quer_present = 0;

int Check_Q7_Quer_Program(void) {
    if (!quer_checked) {
        quer_checked = 1;
        quer_present = 0;
        const char* exec = VEKGetEnv("EXEC");
        char path[VEK_MAX_PATH + 1];
        if (exec && VEK_Join_Path(path, sizeof path, exec, "\\Q7-VUVE\\Q.exe")) {
            // A program is a file; a directory of its name is none.
            FILE* f = VEK_Open_Reading(path, -1, nullptr);
            if (f) {
                quer_present = 1;
                std::fclose(f);
            }
        }
    }
    return quer_present;
}

// ===========================================================================
// Periodic callbacks
// ===========================================================================

static CallSometimes_Func* call_stack = nullptr;
static int call_count = 0;
static int call_capacity = 0;

// Hands func (or nothing) to the window library as its periodic callback.
static void install(CallSometimes_Func func) {
    Set_CallSometimesFunc_to_PS(func);
}

void Push_CallSometimes_Func(CallSometimes_Func func) {
    if (call_count >= call_capacity) {
        call_stack = static_cast<CallSometimes_Func*>(
            ITools_Realloc(call_stack, sizeof(CallSometimes_Func) * static_cast<size_t>(call_capacity + 10), 0));
        call_capacity += 10;
    }
    call_stack[call_count++] = func;
    install(func);
}

void Pop_CallSometimes_Func(void) {
    if (call_count > 0) call_count--;
    Resume_CallSometimes();
}

void Suspend_CallSometimes(void) {
    install(nullptr);
}

void Resume_CallSometimes(void) {
    install(call_count > 0 ? call_stack[call_count - 1] : nullptr);
}

void Clear_CallSometimes(void) {
    call_count = 0;
    install(nullptr);
}
