// The lines of a print list as the viewer's reader, its strict check and
// the renderer's reading of a picture's records walk them
// (oli_lines_internal.h): read in large pieces, kept only as long as a
// reader may look back at them.
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <new>

#include "platform/oli_lines_internal.h"

namespace {
constexpr size_t kPiece = size_t{1} << 20;      // bytes read from a stream at a time
constexpr size_t kFirstPiece = size_t{64} << 10; // the first piece of a file

// The soft limit of a resource in bytes, -1 for none.
long long Limit_Of(int resource) {
    rlimit l{};
    if (getrlimit(resource, &l) != 0 || l.rlim_cur == RLIM_INFINITY) return -1;
    return static_cast<long long>(l.rlim_cur);
}

// The process's address space and data (with its stack) in bytes, from
// /proc/self/statm; false when it cannot be read.
bool Memory_In_Use(long long* space, long long* data) {
    const int fd = open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    char text[128];
    const ssize_t n = read(fd, text, sizeof text - 1);
    close(fd);
    if (n <= 0) return false;
    text[n] = '\0';
    long long pages[6] = {0, 0, 0, 0, 0, 0};
    const char* p = text;
    for (long long& v : pages) {
        char* end = nullptr;
        v = std::strtoll(p, &end, 10);
        if (end == p) return false;
        p = end;
    }
    const long long page = sysconf(_SC_PAGESIZE);
    *space = pages[0] * page;
    *data = pages[5] * page;
    return true;
}

// Walks bytes as UTF-8 text, from the state the bytes before them left
// (*pending: the continuation bytes still due): false at the first byte
// that no UTF-8 text holds there.
bool Utf8_Walk(const unsigned char* p, size_t n, int* pending) {
    for (size_t k = 0; k < n;) {
        if (*pending == 0 && n - k >= 8) {
            uint64_t eight;
            std::memcpy(&eight, p + k, 8);
            if ((eight & 0x8080808080808080ULL) == 0) {
                k += 8;
                continue;
            }
        }
        const unsigned char b = p[k++];
        if (*pending > 0) {
            if ((b & 0xC0) != 0x80) return false;
            --*pending;
        } else if (b >= 0x80) {
            if (b >= 0xC2 && b <= 0xDF) *pending = 1;
            else if (b >= 0xE0 && b <= 0xEF) *pending = 2;
            else if (b >= 0xF0 && b <= 0xF4) *pending = 3;
            else return false;
        }
    }
    return true;
}
}  // namespace

void (*oli_list_piece_hook)(long long offset, bool again) = nullptr;

uint64_t Oli_Sum(const char* data, size_t n) {
    // Four lanes of eight bytes at a time, each word multiplied in and the
    // lane turned (so that a moved or swapped word changes the sum), then
    // the lanes and the length mixed: under one instruction a byte, a small
    // part of what a reading of a list costs.
    constexpr uint64_t kOne = 0x9E3779B185EBCA87ULL, kTwo = 0xC2B2AE3D27D4EB4FULL;
    const auto turn = [](uint64_t v, int by) { return (v << by) | (v >> (64 - by)); };
    const auto word = [data](size_t at) {
        uint64_t w;
        std::memcpy(&w, data + at, 8);
        return w;
    };
    uint64_t a = kOne + kTwo, b = kTwo, c = 0, d = 0 - kOne;
    size_t k = 0;
    for (; k + 32 <= n; k += 32) {
        a = turn(a + word(k) * kTwo, 31) * kOne;
        b = turn(b + word(k + 8) * kTwo, 31) * kOne;
        c = turn(c + word(k + 16) * kTwo, 31) * kOne;
        d = turn(d + word(k + 24) * kTwo, 31) * kOne;
    }
    uint64_t sum = turn(a, 1) + turn(b, 7) + turn(c, 12) + turn(d, 18) + n;
    for (; k < n; k += 8) {
        uint64_t rest = 0;
        std::memcpy(&rest, data + k, std::min<size_t>(8, n - k));
        sum = turn(sum ^ (turn(rest * kTwo, 31) * kOne), 27) * kOne + kTwo;
    }
    sum ^= sum >> 33;
    sum *= kTwo;
    sum ^= sum >> 29;
    return sum;
}

void Oli_Check_Memory() {
    // Between two looks the viewer lays out a few units at most: a look at
    // every sixteenth call keeps the cost out of sight.
    thread_local unsigned calls = 0;
    if (calls++ % 16 != 0) return;
    const long long space_limit = Limit_Of(RLIMIT_AS), data_limit = Limit_Of(RLIMIT_DATA);
    if (space_limit < 0 && data_limit < 0) return;
    long long space = 0, data = 0;
    if (!Memory_In_Use(&space, &data)) return;
    if ((space_limit >= 0 && space_limit - space < OLI_MEMORY_HEADROOM) ||
        (data_limit >= 0 && data_limit - data < OLI_MEMORY_HEADROOM))
        throw std::bad_alloc();
}

Oli_Line_Window::Oli_Line_Window(FILE* stream) : stream_(stream) {}

Oli_Line_Window::Oli_Line_Window(int fd, long long offset, long long end, size_t piece, bool judges)
    : fd_(fd), piece_(piece > 0 ? piece : kPiece), judges_(judges), end_(end), pos_(offset) {}

Oli_Line_Window::Oli_Line_Window(const char* text, size_t size) : data_(text), size_(size) {}

// The next piece of the stream or file; false at its end (and for kept
// text). A file that cannot be read on ends there, as a stream does. A file
// is read in pieces that double from 64 KiB to the window's piece: a page
// drawn from a place in a list, or the records on top of a picture, need
// a few kilobytes of it. A window that checks an opened list's sums reads
// whole summed pieces (from the start of the one its position lies in) and
// lets the reader begin at its position.
bool Oli_Line_Window::Fill() {
    if (!stream_ && fd_ < 0) return false;
    if (stream_) {
        if (buffer_size_ < kPiece) {
            buffer_.reset(new char[kPiece]);  // its bytes are read before they are looked at
            buffer_size_ = kPiece;
        }
        size_ = std::fread(buffer_.get(), 1, kPiece, stream_);
        data_ = buffer_.get();
        if (!past_list_ && judges_) Note_Encoding();
        return size_ > 0;
    }
    piece_now_ = std::min(piece_, piece_now_ ? 2 * piece_now_ : kFirstPiece);
    long long from = pos_, to = std::min(end_, pos_ + static_cast<long long>(piece_now_));
    if (check_) {
        const long long chunk = static_cast<long long>(OLI_SUM_CHUNK);
        from = check_->start + (pos_ - check_->start) / chunk * chunk;
        to = std::min(end_, check_->start + (to - check_->start + chunk - 1) / chunk * chunk);
    }
    size_ = 0;
    data_ = buffer_.get();
    if (to <= pos_) return false;
    const size_t asked = static_cast<size_t>(to - from);
    if (asked > buffer_size_) {
        buffer_.reset(new char[asked]);
        buffer_size_ = asked;
    }
    if (oli_list_piece_hook && (note_ || check_)) oli_list_piece_hook(from, check_ != nullptr);
    const size_t got = Read_Piece(from, asked);
    Sum_Piece(from, got, asked);
    const size_t skip = static_cast<size_t>(pos_ - from);
    data_ = buffer_.get() + skip;
    size_ = got > skip ? got - skip : 0;
    if (!past_list_ && judges_) Note_Encoding();
    return size_ > 0;
}

// Reads n bytes of the file from byte `from` into the buffer, as many as
// it holds there; the number read.
size_t Oli_Line_Window::Read_Piece(long long from, size_t n) {
    size_t got = 0;
    while (got < n) {
        const ssize_t k = pread(fd_, buffer_.get() + got, n - got, from + static_cast<long long>(got));
        if (k < 0 && errno == EINTR) continue;
        if (k <= 0) break;
        got += static_cast<size_t>(k);
    }
    return got;
}

// Sums the piece just read (`got` of the `asked` bytes from byte `from`)
// into the sums of the list, or compares it with them.
void Oli_Line_Window::Sum_Piece(long long from, size_t got, size_t asked) {
    const char* bytes = buffer_.get();
    if (note_ && !note_->changed) {
        // The reader reads from the list's start in pieces of whole sums; a
        // file that ends before the list's end was cut while it was read.
        if ((from - note_->start) % static_cast<long long>(OLI_SUM_CHUNK) != 0 || got < asked) note_->changed = true;
        for (size_t k = 0; k < got && !note_->changed; k += OLI_SUM_CHUNK)
            note_->sums.push_back(Oli_Sum(bytes + k, std::min(OLI_SUM_CHUNK, got - k)));
    }
    if (!check_) return;
    bool same = got == asked;
    for (size_t k = 0; k < got && same; k += OLI_SUM_CHUNK) {
        const size_t index = static_cast<size_t>(from - check_->start) / OLI_SUM_CHUNK + k / OLI_SUM_CHUNK;
        same = index < check_->sums.size() && check_->sums[index] == Oli_Sum(bytes + k, std::min(OLI_SUM_CHUNK, got - k));
    }
    if (same) return;
    check_->changed = true;
    throw Oli_List_Changed{};
}

// The list is in UTF-8 when it holds "╬", "«" or "»" as UTF-8 writes them
// (in code page 850 these bytes are box drawings and fractions no writer
// puts side by side) and all of it reads as UTF-8: random bytes hold such
// a pair now and then, but never read as UTF-8 for long. What follows a
// NUL is no part of the list.
void Oli_Line_Window::Note_Encoding() {
    const void* zero = std::memchr(data_, '\0', size_);
    const size_t span = zero ? static_cast<size_t>(static_cast<const char*>(zero) - data_) : size_;
    past_list_ = zero != nullptr;
    if (!utf8_signs_)
        for (const char* sign : {"\xE2\x95\xAC", "\xC2\xAB", "\xC2\xBB"})
            utf8_signs_ = utf8_signs_ || memmem(data_, span, sign, std::strlen(sign)) != nullptr;
    if (!not_utf8_) not_utf8_ = !Utf8_Walk(reinterpret_cast<const unsigned char*>(data_), span, &utf8_pending_);
}

// Appends the next line to the window; false at the end of the list. The
// bytes of a NUL on are counted in past_end_, never kept.
bool Oli_Line_Window::Read_Line() {
    if (ended_) return false;
    std::string line;
    const long long start = pos_;
    bool any = false, cut = false;
    for (;;) {
        if (size_ == 0 && !Fill()) {
            ended_ = true;
            break;
        }
        const char* nl = static_cast<const char*>(std::memchr(data_, '\n', size_));
        size_t span = nl ? static_cast<size_t>(nl - data_) : size_;
        const char* zero = static_cast<const char*>(std::memchr(data_, '\0', span));
        if (zero) span = static_cast<size_t>(zero - data_);
        const size_t room = OLI_MAX_LINE - line.size();
        line.append(data_, span < room ? span : room);
        cut = cut || span > room;
        any = any || span > 0;
        data_ += span;
        size_ -= span;
        pos_ += static_cast<long long>(span);
        if (zero) {
            // The list ends here: what follows is counted, not read.
            past_end_ = static_cast<long long>(size_);
            pos_ += static_cast<long long>(size_);
            size_ = 0;
            while (Fill()) {
                past_end_ += static_cast<long long>(size_);
                pos_ += static_cast<long long>(size_);
            }
            size_ = 0;
            ended_ = true;
            break;
        }
        if (nl) {
            ++data_;
            --size_;
            ++pos_;
            any = true;
            break;
        }
    }
    if (!any) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (cut && first_cut_ < 0) first_cut_ = static_cast<long long>(base_ + lines_.size());
    cuts_ += cut;
    lines_.push_back(std::move(line));
    starts_.push_back(start);
    return true;
}

bool Oli_Line_Window::Has(size_t i) {
    while (base_ + lines_.size() <= i)
        if (!Read_Line()) return false;
    return true;
}

void Oli_Line_Window::Forget_Before(size_t i) {
    while (base_ < i && !lines_.empty()) {
        lines_.pop_front();
        starts_.pop_front();
        ++base_;
    }
}

size_t Oli_Line_Window::Count() {
    base_ += lines_.size();
    lines_.clear();
    starts_.clear();
    while (Read_Line()) {
        ++base_;
        lines_.clear();
        starts_.clear();
    }
    return base_;
}
