// The lines of a print list as the viewer's reader, its strict check and
// the renderer's reading of a picture's records walk them
// (oli_lines_internal.h): read in large pieces, kept only as long as a
// reader may look back at them.
#include <cstring>

#include "platform/oli_lines_internal.h"

namespace {
constexpr size_t kPiece = size_t{1} << 20;  // bytes read from the stream at a time
}  // namespace

Oli_Line_Window::Oli_Line_Window(FILE* stream) : stream_(stream) {}

Oli_Line_Window::Oli_Line_Window(const char* text, size_t size) : data_(text), size_(size) {}

// The next piece of the stream; false at its end (and for kept text).
bool Oli_Line_Window::Fill() {
    if (!stream_) return false;
    if (buffer_.empty()) buffer_.resize(kPiece);
    size_ = std::fread(buffer_.data(), 1, buffer_.size(), stream_);
    data_ = buffer_.data();
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
