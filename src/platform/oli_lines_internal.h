// Line and number readers shared by the print-list layout calls and the
// viewer's reader of the print list; not for other modules.
#ifndef PLATFORM_OLI_LINES_INTERNAL_H
#define PLATFORM_OLI_LINES_INTERNAL_H

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <memory>
#include <string>
#include <vector>

// The longest line a print list holds by far (its text lines, the 128 hex
// digits of an embedded picture's line): a longer one is damage.
constexpr size_t OLI_MAX_LINE = size_t{1} << 20;

// Reads one line without its LF or CRLF; false at the end of the list. A
// NUL byte ends the list: a print list is text, and the zeros that a crash
// or a file's preallocation leave behind it are no part of it. The stream
// stays at the NUL, so that every later call gives false as well. A line
// longer than OLI_MAX_LINE keeps its first OLI_MAX_LINE bytes; the rest is
// skipped.
inline bool Oli_Read_Line(FILE* stream, std::string& line) {
    line.clear();
    int c;
    bool any = false;
    while ((c = std::getc(stream)) != EOF) {
        if (c == '\0') {
            std::ungetc(c, stream);
            break;
        }
        any = true;
        if (c == '\n') break;
        if (line.size() < OLI_MAX_LINE) line.push_back(static_cast<char>(c));
    }
    if (!any) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

// The one reading of a number in a print list, for the reader, its strict
// check and the renderer alike: strtod's value and end in the C locale.
// The writers' plain decimals ("-12.345678") are read without it: a whole
// number of at most 15 digits over a power of ten up to 10^22 are both
// exact doubles, and their quotient is the correctly rounded value strtod
// gives; anything else (exponents, hex, "inf", more digits) goes to it.
inline double Oli_Number(const char* p, char** end) {
    const char* q = p;
    while (*q == ' ' || *q == '\t' || *q == '\n' || *q == '\v' || *q == '\f' || *q == '\r') ++q;
    const bool minus = *q == '-';
    if (*q == '-' || *q == '+') ++q;
    static const double kTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    uint64_t m = 0;
    int digits = 0, decimals = 0;
    bool any = false, point = false;
    for (;; ++q) {
        if (*q >= '0' && *q <= '9') {
            any = true;
            if (m == 0 && *q == '0') {
                if (point) ++decimals;
                continue;  // leading zeros count for nothing
            }
            if (++digits > 15) break;
            m = m * 10 + static_cast<uint64_t>(*q - '0');
            if (point) ++decimals;
        } else if (*q == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    const char c = *q;
    const bool plain = any && digits <= 15 && decimals <= 22 && !(c >= '0' && c <= '9') && c != 'e' && c != 'E' &&
                       c != 'x' && c != 'X' && c != 'p' && c != 'P' && c != '.';
    if (!plain) return std::strtod(p, end);
    *end = const_cast<char*>(q);
    const double v = static_cast<double>(m) / kTens[decimals];
    return minus ? -v : v;
}

// The numbers at the start of a line, at most max of them; stops at the
// first word that is none.
inline std::vector<double> Oli_Numbers(const std::string& line, size_t max = SIZE_MAX) {
    std::vector<double> out;
    const char* p = line.c_str();
    while (out.size() < max) {
        char* end = nullptr;
        double v = Oli_Number(p, &end);
        if (end == p) break;
        out.push_back(v);
        p = end;
    }
    return out;
}

// The room in memory the viewer leaves the libraries that draw its pages:
// pango, glib and fontconfig do not survive an allocation that fails (glib
// aborts, fontconfig may crash), so the viewer stops before they could
// meet one.
constexpr long long OLI_MEMORY_HEADROOM = 64LL << 20;  // bytes

// Throws std::bad_alloc when the process has a limit of its address space
// or data (RLIMIT_AS, RLIMIT_DATA) and less than OLI_MEMORY_HEADROOM of it
// is left. Looks at every sixteenth call (the first included), so that it
// can be called for each unit of work.
void Oli_Check_Memory();

// What the bytes of an opened list were when the reader read it whole
// (OLI_Open_Document): a sum of each piece of OLI_SUM_CHUNK bytes from the
// list's start. Every later reading of the list (the renderer reads its
// blocks again where it lays them out and draws them) sums the pieces it
// reads and compares: another program may have rewritten the file in place
// or cut it since, and its new bytes must never be laid out on the old
// list's page breaks. A list at the size cap of 4 GiB keeps 2 MiB of sums.
inline constexpr size_t OLI_SUM_CHUNK = size_t{16} << 10;
struct Oli_List_Sums {
    long long start = 0, end = 0;  // the list's bytes in its file
    // Of piece k, the bytes [start + k OLI_SUM_CHUNK, that + OLI_SUM_CHUNK)
    // up to `end`.
    std::vector<uint64_t> sums;
    // A reading found other bytes, or the file changed while it was read
    // whole: nothing more is to be drawn of this reading of the list.
    mutable bool changed = false;
};

// What a reading of an opened list throws when its bytes are no longer
// those the reader summed (Oli_List_Sums::changed is then set): the list's
// file changed since it was opened. The renderer's entry points catch it
// and tell it as such, never as damage or as memory that ran out.
struct Oli_List_Changed {};

// The sum of n bytes: a check that a piece of a list reads as it read
// before, not a guard against a person who wants to forge one.
uint64_t Oli_Sum(const char* data, size_t n);

// Called before each piece an opened list's reading takes from its file,
// with the offset it reads from and whether it reads the list again (false
// for the reader's whole reading, which sums it); null unless a test
// changes the file at a counted read.
extern void (*oli_list_piece_hook)(long long offset, bool again);

// The lines of a print list, read as a reader comes to them and kept only
// from the oldest line it may still look at: a list of any size is walked
// in the memory of its longest block. The lines are those Oli_Read_Line
// gives (the list ends at a NUL byte, a line beyond OLI_MAX_LINE keeps its
// first OLI_MAX_LINE bytes, CRLF reads as LF), read in large pieces.
class Oli_Line_Window {
public:
    // The lines of a stream from its position on.
    explicit Oli_Line_Window(FILE* stream);
    // The lines of an open file from byte `offset` up to byte `end`, read
    // with pread: the file's own position is neither used nor moved, so
    // that several windows may walk one file at once. Offset() counts from
    // the file's start. It reads up to `piece` bytes at a time; `judges`: it
    // notes the encoding of the bytes (Utf8), which a list read again for
    // its blocks need not.
    Oli_Line_Window(int fd, long long offset, long long end, size_t piece = size_t{1} << 20, bool judges = true);
    // For a window on an open file, before its first line is asked for:
    // it sums the pieces it reads into *sums (the reader's whole reading of
    // the list, from the list's start), or compares each piece with the
    // sums of `sums` and throws Oli_List_Changed when one differs or the
    // file ends before the list does. The sums must outlive the window.
    void Note_Sums(Oli_List_Sums* sums) { note_ = sums; }
    void Check_Sums(const Oli_List_Sums* sums) { check_ = sums; }
    // The lines of text kept in memory (each ended by LF); the text must
    // outlive the window.
    Oli_Line_Window(const char* text, size_t size);
    Oli_Line_Window(const Oli_Line_Window&) = delete;
    Oli_Line_Window& operator=(const Oli_Line_Window&) = delete;

    // True when line i (0-based) exists; reads up to it. Line i must not
    // have been forgotten.
    bool Has(size_t i);
    // Line i, which Has(i) has found. The reference stays valid until the
    // line is forgotten.
    const std::string& operator[](size_t i) const { return lines_[i - base_]; }
    // Where line i (kept) begins: bytes from where the window began (for
    // a window on an open file, from the file's start).
    long long Offset(size_t i) const { return starts_[i - base_]; }
    // Where the bytes not yet read into lines begin.
    long long Position() const { return pos_; }
    // Lines before i will not be looked at again.
    void Forget_Before(size_t i);
    // Reads to the end of the list, forgetting every line; the number of
    // its lines.
    size_t Count();
    // The first line longer than OLI_MAX_LINE among those read, -1 for none,
    // and how many there are.
    long long First_Cut() const { return first_cut_; }
    long long Cuts() const { return cuts_; }
    // After the end has been reached: the bytes from the NUL that ended the
    // list to the end of the stream, 0 when the stream ended.
    long long Past_End() const { return past_end_; }
    // Whether the bytes read so far hold the markup escape or a guillemet
    // as UTF-8 writes them and all read as UTF-8: a list re-encoded from
    // code page 850 (by an editor, say), whose letters and signs all read
    // wrongly.
    bool Utf8() const { return utf8_signs_ && !not_utf8_; }

private:
    bool Read_Line();
    bool Fill();
    size_t Read_Piece(long long from, size_t n);
    void Sum_Piece(long long from, size_t got, size_t asked);
    void Note_Encoding();

    FILE* stream_ = nullptr;
    int fd_ = -1;              // read with pread when not -1
    size_t piece_ = size_t{1} << 20;
    size_t piece_now_ = 0;     // the size of the last piece asked for
    Oli_List_Sums* note_ = nullptr;
    const Oli_List_Sums* check_ = nullptr;
    bool judges_ = true;
    long long end_ = -1;       // of an open file: the byte it ends at
    long long pos_ = 0;        // where data_ begins
    std::unique_ptr<char[]> buffer_;
    size_t buffer_size_ = 0;
    const char* data_ = nullptr;  // the bytes not yet taken: the buffer's, or the kept text's
    size_t size_ = 0;
    std::deque<std::string> lines_;
    std::deque<long long> starts_;  // where each kept line begins
    size_t base_ = 0;             // the number of the first line kept
    bool ended_ = false;
    long long first_cut_ = -1;
    long long cuts_ = 0;
    long long past_end_ = 0;
    bool past_list_ = false;   // a NUL was met: the pieces after it are no part of the list
    bool utf8_signs_ = false;  // the markup escape or a guillemet as UTF-8 writes them
    bool not_utf8_ = false;    // a byte that no UTF-8 text holds there
    int utf8_pending_ = 0;     // the continuation bytes of a UTF-8 sequence still due
};

#endif
