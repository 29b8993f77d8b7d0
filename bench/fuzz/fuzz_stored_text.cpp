// Fuzz target: the stored-text readers. The first byte picks the reader;
// the rest is the file.
//  0: «» fields one after another (Read_Guillemet_Field); a field that was
//     read goes through Write_Guillemet_Line and must read back equal.
//  1: the position file of a component (Read_Code_and_Text_Path), written
//     under a private directory: code and text stay within their fields and
//     hold no line end.
#include "fuzz_common.h"

#include "base/stored_text.h"

namespace {

[[noreturn]] void Fail(const char* what) { fuzz::Fail("stored text", what); }

void Fields(FILE* f, size_t limit) {
    char field[101];
    for (size_t calls = 0; !std::feof(f); ++calls) {
        if (calls > limit) Fail("more calls than input bytes");
        if (Read_Guillemet_Field(f, field) != 0) {
            // A refused field stops a directive; step over one byte to try on.
            if (std::fgetc(f) == EOF) break;
            continue;
        }
        if (std::strlen(field) > 100) Fail("field longer than 100 characters");
        // A field whose first byte is 0 reads as empty, which the writer
        // cannot write; there is nothing to compare.
        if (!field[0]) continue;
        const std::string bytes = fuzz::Written([&](FILE* out) {
            if (Write_Guillemet_Line(out, field) != 0) fuzz::Round_Trip{"field", (int)calls}.Mismatch("write", "read", "refused");
        });
        FILE* back = fuzz::Stream(bytes);
        if (!back) continue;
        const fuzz::Round_Trip rt{"field", (int)calls};
        char again[101];
        if (Read_Guillemet_Field(back, again) != 0) rt.Mismatch("read", "accepted", "refused");
        rt.Text("text", field, again);
        rt.At_End("rest", back);
        std::fclose(back);
    }
}

void Position(const uint8_t* data, size_t size) {
    static const std::string path = fuzz::Dir() + "/position.txt";
    if (!fuzz::Write(path, data, size)) return;
    const int result = Read_Code_and_Text_Path(path.c_str());
    if (result != 0 && result != 1) Fail("result neither 0 nor 1");
    if (strnlen(Position_Code, POSITION_CODE_SIZE) >= POSITION_CODE_SIZE) Fail("code beyond its field");
    if (strnlen(Position_Text, POSITION_TEXT_SIZE) >= POSITION_TEXT_SIZE) Fail("text beyond its field");
    if (result == 0 && (std::strpbrk(Position_Code, "\r\n") || std::strpbrk(Position_Text, "\r\n")))
        Fail("a line end kept in code or text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    if (size < 1) return 0;
    if (data[0] & 1) {
        Position(data + 1, size - 1);
        return 0;
    }
    FILE* f = fuzz::Stream(data + 1, size - 1);
    if (!f) return 0;
    Fields(f, size + 4);
    std::fclose(f);
    return 0;
}
