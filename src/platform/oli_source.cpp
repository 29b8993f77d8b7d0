// The identity of a print list's input file (oli_source.h).
#include "platform/oli_source.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/oli_lines_internal.h"
#include "platform/posix.h"

namespace {

// A name that stands in the block as it is and names a file beside the
// list: not empty, no folder separator, no control byte.
bool Usable_Name(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F || c == '/' || c == '\\') return false;
    return true;
}

// The folder part of a native path with its separator ("" for none).
std::string Folder_Of(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

std::string Stem_Of(const std::string& name) {
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::string Suffix_Of(const std::string& name) {
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? "" : name.substr(dot);
}

}  // namespace

unsigned long long OLI_Source_Digest(const void* bytes, size_t n, unsigned long long hash) {
    const unsigned char* p = static_cast<const unsigned char*>(bytes);
    for (size_t i = 0; i < n; ++i) {
        hash ^= p[i];
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

OliSource OLI_Source_Of_Bytes(const char* name, const void* bytes, size_t n) {
    OliSource s;
    s.name = name ? name : "";
    s.size = static_cast<long long>(n);
    s.digest = OLI_Source_Digest(bytes, n);
    return s;
}

bool OLI_Source_Of_Stream(FILE* stream, const char* name, OliSource* out) {
    *out = OliSource{};
    if (!stream || std::fseek(stream, 0, SEEK_SET) != 0) return false;
    unsigned long long hash = OLI_SOURCE_DIGEST_START;
    long long size = 0;
    char chunk[1 << 16];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, stream)) > 0;) {
        hash = OLI_Source_Digest(chunk, got, hash);
        size += static_cast<long long>(got);
        if (size > VEK_READ_CAP_DATA) break;
    }
    const bool read = !std::ferror(stream) && size <= VEK_READ_CAP_DATA;
    std::clearerr(stream);
    const bool back = std::fseek(stream, 0, SEEK_SET) == 0;
    if (!read || !back) return false;
    out->name = name ? name : "";
    out->size = size;
    out->digest = hash;
    return true;
}

int OLI_Write_Source(FILE* list, const OliSource& source) {
    if (!list || source.size < 0 || !Usable_Name(source.name)) return 0;
    return std::fprintf(list, "%s\n %lld %016llx %s\n", OLI_SOURCE_KEYWORD, source.size, source.digest,
                        source.name.c_str()) > 0;
}

bool OLI_Read_Source_Line(const std::string& line, OliSource* out) {
    *out = OliSource{};
    // " <bytes> <16 hex digits> <name>", as written and nothing else.
    if (line.size() < 2 || line[0] != ' ') return false;
    size_t at = 1, digits = 0;
    long long size = 0;
    for (; at < line.size() && line[at] >= '0' && line[at] <= '9' && digits < 18; ++at, ++digits)
        size = size * 10 + (line[at] - '0');
    if (digits == 0 || at >= line.size() || line[at] != ' ') return false;
    ++at;
    unsigned long long digest = 0;
    for (int k = 0; k < 16; ++k, ++at) {
        if (at >= line.size()) return false;
        const char c = line[at];
        const int v = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (v < 0) return false;
        digest = digest << 4 | static_cast<unsigned>(v);
    }
    if (at >= line.size() || line[at] != ' ') return false;
    const std::string name = line.substr(at + 1);
    if (!Usable_Name(name)) return false;
    out->name = name;
    out->size = size;
    out->digest = digest;
    return true;
}

bool OLI_List_Source(const char* path, OliSource* out) {
    *out = OliSource{};
    if (!path) return false;
    FILE* f = VEK_Open_Reading(VEK_Native_String(path).c_str(), VEK_READ_CAP_LIST, nullptr);
    if (!f) return false;
    // The tail of the list, from the first line that begins in it.
    constexpr long kTail = 64L << 10;
    bool found = false;
    if (std::fseek(f, 0, SEEK_END) == 0) {
        const long size = std::ftell(f);
        if (size >= 0 && std::fseek(f, size <= kTail ? 0 : size - kTail, SEEK_SET) == 0) {
            // (A line cut by the seek is never the keyword's: that stands
            // alone on its line.)
            std::string line, before;
            while (Oli_Read_Line(f, line)) {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                OliSource s;
                if (before == OLI_SOURCE_KEYWORD && OLI_Read_Source_Line(line, &s)) *out = s, found = true;
                before.swap(line);
            }
        }
    }
    std::fclose(f);
    return found;
}

std::string OLI_Source_Input_Path(const char* path, const OliSource& named) {
    if (!path || named.size < 0 || !Usable_Name(named.name)) return "";
    const std::string list = VEK_Native_String(path);
    const std::string folder = Folder_Of(list);
    return folder + Stem_Of(list.substr(folder.size())) + Suffix_Of(named.name);
}

bool OLI_Source_Differs(const char* path, const OliSource& named, std::string* input) {
    const std::string file = OLI_Source_Input_Path(path, named);
    if (input) *input = file.substr(Folder_Of(file).size());
    if (file.empty()) return false;
    const int error = errno;
    FILE* f = VEK_Open_Reading(file.c_str(), VEK_READ_CAP_DATA, nullptr);
    errno = error;
    if (!f) return false;
    OliSource now;
    const bool read = OLI_Source_Of_Stream(f, named.name.c_str(), &now);
    std::fclose(f);
    return read && (now.size != named.size || now.digest != named.digest);
}
