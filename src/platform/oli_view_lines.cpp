// The lines of a print list as the viewer's reader, its strict check and
// the renderer's reading of a picture's records walk them
// (oli_lines_internal.h): read in large pieces, kept only as long as a
// reader may look back at them.
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstring>
#include <new>

#include "platform/oli_lines_internal.h"

namespace {
constexpr size_t kPiece = size_t{1} << 20;  // bytes read from the stream at a time

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
}  // namespace

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

Oli_Line_Window::Oli_Line_Window(const char* text, size_t size) : data_(text), size_(size) {}

// The next piece of the stream; false at its end (and for kept text).
bool Oli_Line_Window::Fill() {
    if (!stream_) return false;
    if (buffer_.empty()) buffer_.resize(kPiece);
    size_ = std::fread(buffer_.data(), 1, buffer_.size(), stream_);
    data_ = buffer_.data();
    // "╬", "«" and "»" in UTF-8: in code page 850 these bytes are box
    // drawings and fractions no writer puts side by side.
    if (!utf8_)
        for (const char* sign : {"\xE2\x95\xAC", "\xC2\xAB", "\xC2\xBB"})
            utf8_ = utf8_ || memmem(data_, size_, sign, std::strlen(sign)) != nullptr;
    return size_ > 0;
}

// Appends the next line to the window; false at the end of the list. The
// bytes of a NUL on are counted in past_end_, never kept.
bool Oli_Line_Window::Read_Line() {
    if (ended_) return false;
    std::string line;
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
        if (zero) {
            // The list ends here: what follows is counted, not read.
            past_end_ = static_cast<long long>(size_);
            size_ = 0;
            while (Fill()) past_end_ += static_cast<long long>(size_);
            size_ = 0;
            ended_ = true;
            break;
        }
        if (nl) {
            ++data_;
            --size_;
            any = true;
            break;
        }
    }
    if (!any) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (cut && first_cut_ < 0) first_cut_ = static_cast<long long>(base_ + lines_.size());
    cuts_ += cut;
    lines_.push_back(std::move(line));
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
        ++base_;
    }
}

size_t Oli_Line_Window::Count() {
    base_ += lines_.size();
    lines_.clear();
    while (Read_Line()) {
        ++base_;
        lines_.clear();
    }
    return base_;
}
