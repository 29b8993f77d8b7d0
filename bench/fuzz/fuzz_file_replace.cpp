// Fuzz target: the in-file text replacement. The first two bytes give the
// lengths of the old and the new text (0..15 each), which follow; the rest
// is the file. Checked against a replacement worked out here: the file's
// lines (each with its line end) get every occurrence of the old text, left
// to right and not overlapping, replaced by the new one; the result is the
// number of replacements; a file with nothing to replace is left as it was.
// The file keeps its permissions, and a user file named like the file with
// "_" before it stays untouched.
#include <sys/stat.h>

#include "fuzz_common.h"

#include "base/vesk.h"

namespace {

[[noreturn]] void Fail(const char* what) { fuzz::Fail("file replace", what); }

std::string Read_File(const std::string& path) {
    std::string bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return bytes;
    int c;
    while ((c = std::fgetc(f)) != EOF) bytes.push_back((char)c);
    std::fclose(f);
    return bytes;
}

// The file with every occurrence replaced, line by line; *count gets the
// number of replacements.
std::string Replaced(const std::string& file, const std::string& old_text, const std::string& new_text,
                     int* count) {
    std::string out;
    *count = 0;
    for (size_t start = 0; start < file.size();) {
        const size_t nl = file.find('\n', start);
        const size_t end = nl == std::string::npos ? file.size() : nl + 1;
        const std::string line = file.substr(start, end - start);
        size_t from = 0;
        for (size_t at; (at = line.find(old_text, from)) != std::string::npos; from = at + old_text.size()) {
            out.append(line, from, at - from);
            out += new_text;
            ++*count;
        }
        out.append(line, from, std::string::npos);
        start = end;
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    static const std::string path = fuzz::Dir() + "/text.dat";
    static const std::string neighbour = fuzz::Dir() + "/_text.dat";
    if (size < 2) return 0;
    const size_t old_len = data[0] % 16, new_len = data[1] % 16;
    if (size < 2 + old_len + new_len) return 0;
    // The texts are C strings: they end at a zero byte.
    const std::string old_text(std::string(reinterpret_cast<const char*>(data + 2), old_len).c_str());
    const std::string new_text(std::string(reinterpret_cast<const char*>(data + 2 + old_len), new_len).c_str());
    const uint8_t* body = data + 2 + old_len + new_len;
    const std::string file(reinterpret_cast<const char*>(body), size - 2 - old_len - new_len);
    const std::string user_file = "a file of the user's\n";
    if (!fuzz::Write(path, body, file.size()) ||
        !fuzz::Write(neighbour, reinterpret_cast<const uint8_t*>(user_file.data()), user_file.size()))
        return 0;
    const mode_t mode = 0640;
    chmod(path.c_str(), mode);

    const int result = File_Replace_String(path.c_str(), old_text.c_str(), new_text.c_str());
    int count = 0;
    const std::string expected = old_text.empty() ? file : Replaced(file, old_text, new_text, &count);
    const std::string now = Read_File(path);
    if (result != count) Fail("result is not the number of replacements");
    if (count > 0 && now != expected) Fail("file differs from the replacement worked out");
    if (count == 0 && now != file) Fail("file changed although nothing was replaced");
    struct stat st;
    if (stat(path.c_str(), &st) != 0) Fail("file gone");
    if ((st.st_mode & 07777) != mode) Fail("permissions of the file not kept");
    if (Read_File(neighbour) != user_file) Fail("a user file beside the file was overwritten");
    return 0;
}
