// Reading one grade record of the versioned text form, all or nothing (see
// grade_text_internal.h).
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "codes/grade_text_internal.h"
#include "codes/versioned_text.h"
#include "dialogs/messages.h"

namespace {

// The line (from 1) of the read file's position: the number of line ends
// before it, plus one, unless the file ended right after a line end. The
// position is left as it was.
int Line_Of_Position(FILE* f) {
    const long pos = std::ftell(f);
    if (pos < 0 || std::fseek(f, 0, SEEK_SET) != 0) return 0;
    int line = 1;
    int last = EOF;
    for (long i = 0; i < pos; ++i) {
        const int c = std::fgetc(f);
        if (c == EOF) break;
        if (c == '\n') ++line;
        last = c;
    }
    const bool at_end = std::fgetc(f) == EOF;
    if (at_end && last == '\n' && line > 1) --line;
    std::fseek(f, pos, SEEK_SET);
    return line;
}

}  // namespace

Grade_Text_Read::Grade_Text_Read(const char* what, double highest) : what_(what), highest_(highest) {}

bool Grade_Text_Read::Begin(char* name, size_t size) {
    if (!Versioned_Read_File()) return false;
    start_ = Tell_Read_Position();
    char word[VERSIONED_TEXT_SIZE];
    failed_ = "Name";
    if (Read_Versioned_Value(word, 't', Grade_Text_Always, 0.0) != 0) return false;
    if (std::isdigit(static_cast<unsigned char>(word[0]))) {
        failed_ = "Strukturversion";
        if (Seek_Read_Position(start_) != 0) return false;
        const int rc = Begin_Versioned_Structure(highest_);
        if (rc == 1) return false;
        pushed_ = true;
        if (rc != 0) return false;
        failed_ = "Name";
        if (Read_Versioned_Value(word, 't', Grade_Text_Always, 0.0) != 0) return false;
    } else {
        emulated_ = true;
        saved_version_ = Current_Data_Version();
        Set_Current_Data_Version(0.0);
    }
    // A name the writer could not give back (too long for its field, a
    // control character) is damage, not a name.
    if (std::strlen(word) >= size) return false;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(word); *p; ++p)
        if (*p < 32) return false;
    std::memcpy(name, word, std::strlen(word) + 1);
    return true;
}

bool Grade_Text_Read::Number(double* value, const char* field, double introduced, double default_value) {
    failed_ = field;
    double v = 0.0;
    if (Read_Versioned_Value(&v, 'd', introduced, default_value) != 0 || !std::isfinite(v)) return false;
    *value = v;
    return true;
}

bool Grade_Text_Read::Switch(int32_t* value, const char* field, double introduced, int default_value) {
    failed_ = field;
    int v = 0;
    if (Read_Versioned_Value(&v, 'i', introduced, default_value) != 0 || (v != 0 && v != 1)) return false;
    *value = v;
    return true;
}

void Grade_Text_Read::End() {
    if (pushed_) End_Versioned_Structure();
    if (emulated_) Set_Current_Data_Version(saved_version_);
    pushed_ = emulated_ = false;
}

int Grade_Text_Read::Refuse(const char* field) {
    FILE* f = Versioned_Read_File();
    const int line = f ? Line_Of_Position(f) : 0;
    End();
    if (start_ >= 0) Seek_Read_Position(start_);
    Error_Message_Default("%s in Zeile %d nicht lesbar (%s)", what_, line, field ? field : failed_);
    return 1;
}
