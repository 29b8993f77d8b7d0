// versioned_text: the versioned keyword reader and writer (see the header).
#include "codes/versioned_text.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "base/cp850.h"
#include "base/rounding.h"
#include "base/textio.h"
#include "base/vesk.h"
#include "dialogs/messages.h"

const char* const Versioned_Empty_Text = "!º$%&/()=?"_cp;

namespace {

FILE* read_file = nullptr;
FILE* write_file = nullptr;
double versions[VERSIONED_DEPTH];
int depth = 0;

// Blanks and control characters are skipped, and so is every comment line;
// the first other character is put back.
void Skip(void) {
    if (!read_file) return;
    for (int c; (c = std::fgetc(read_file)) != EOF;) {
        if (c <= 32) continue;
        if (c == '#') {
            // The whole comment line: a long one must not leave its tail
            // behind as data.
            while ((c = std::fgetc(read_file)) != EOF && c != '\n') {
            }
            continue;
        }
        std::ungetc(c, read_file);
        return;
    }
}

// Half away from zero, then the fraction cut, held within the int range.
int Round_Default(double value) {
    if (!(value == value)) return 0;
    const double r = value >= 0 ? value + 0.5 : value - 0.5;
    if (r >= 2147483647.0) return INT32_MAX;
    if (r <= -2147483648.0) return INT32_MIN;
    return static_cast<int>(r);
}

bool Newer_Than_File(double introduced) { return introduced > versions[depth]; }

void Too_New_Message(void) {
    const int previous = Current_Message_Category();
    if (Select_Message_Category(0) == 0) {
        Store_Message("%s", "Alte Programmversion -> kann Daten nicht lesen!");
        Select_Message_Category(previous);
    } else {
        Collect_Message("%s", "Alte Programmversion -> kann Daten nicht lesen!");
    }
}

int Read_Version(double* into, double highest) {
    Skip();
    if (!read_file || Scan_Double_Word(read_file, into) != 1) return 1;
    if (*into > highest) {
        Too_New_Message();
        return 2;
    }
    return 0;
}

// A word of at most 255 characters into a scratch buffer; false when none.
bool Read_Word(char* buffer) {
    Skip();
    return read_file && std::fscanf(read_file, "%255s", buffer) == 1;
}

void Text_From_Word(char* text) {
    Decode_Blanks(text);
    if (std::strcmp(text, Versioned_Empty_Text) == 0) text[0] = '\0';
}

int Put(int count) { return count < 0 ? 1 : 0; }

// A word reads back as itself when it is not empty, holds no white space
// or control character and does not start a comment.
bool Word_Reads_Back(const char* word) {
    if (!word || !word[0] || word[0] == '#' || std::strlen(word) >= VERSIONED_TEXT_SIZE) return false;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(word); *p; ++p)
        if (*p <= 32) return false;
    return true;
}

// A text goes out as one word: at most 255 characters, blanks as 0x8C, the
// empty text (and a lone blank, which reads back empty) as the marker. A
// text the word cannot carry back is refused: control characters, the byte
// 0x8C itself, a '#' in front (read as a comment) or the marker's letters.
int Write_Text_Value(const char* text) {
    char buffer[VERSIONED_TEXT_SIZE + 1];
    std::snprintf(buffer, VERSIONED_TEXT_SIZE, "%s", text ? text : "");
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(buffer); *p; ++p)
        if (*p < 32 || *p == VERSIONED_BLANK) return 1;
    if (buffer[0] == '#' || std::strcmp(buffer, Versioned_Empty_Text) == 0) return 1;
    if (buffer[0] == '\0' || std::strcmp(buffer, " ") == 0)
        return Put(std::fprintf(write_file, " %s ", Versioned_Empty_Text));
    Encode_Blanks(buffer);
    return Put(std::fprintf(write_file, " %s ", buffer));
}

}  // namespace

// ---- reading ----

int Begin_Versioned_Read(FILE* file, double highest) {
    depth = 0;
    read_file = file;
    versions[0] = 0.0;
    double version = 0.0;
    const int result = Read_Version(&version, highest);
    if (result == 1) return 1;
    versions[0] = version;
    if (version == -1.0) return -1;
    return result;
}

int Begin_Versioned_Structure(double highest) {
    if (depth + 1 >= VERSIONED_DEPTH) return 1;
    double version = 0.0;
    const int result = Read_Version(&version, highest);
    if (result == 1) return 1;
    versions[++depth] = version;
    return result;
}

void End_Versioned_Structure(void) {
    if (depth > 0) depth--;
}

double Current_Data_Version(void) { return versions[depth]; }
void Set_Current_Data_Version(double version) { versions[depth] = version; }

int Read_Versioned_Value(void* destination, char type, double introduced, double default_value) {
    if (!destination) return 1;
    if (Newer_Than_File(introduced)) {
        switch (type) {
            case 'c': *static_cast<char*>(destination) = '\0'; return 0;
            case 's':
            case 't': static_cast<char*>(destination)[0] = '\0'; return 0;
            case 'd': *static_cast<double*>(destination) = default_value; return 0;
            case 'i': *static_cast<int*>(destination) = Round_Default(default_value); return 0;
            default: return 1;
        }
    }
    if (!read_file) return 1;
    switch (type) {
        case 'c': {
            Skip();
            const int c = std::fgetc(read_file);
            if (c == EOF) return 1;
            *static_cast<char*>(destination) = static_cast<char>(c);
            return 0;
        }
        case 'd': {
            double v;
            Skip();
            if (Scan_Double_Word(read_file, &v) != 1) return 1;
            *static_cast<double*>(destination) = v;
            return 0;
        }
        case 'i': {
            int v;
            Skip();
            if (Scan_Int_Word(read_file, &v) != 1) return 1;
            *static_cast<int*>(destination) = v;
            return 0;
        }
        case 's':
        case 't': {
            char word[VERSIONED_TEXT_SIZE];
            if (!Read_Word(word)) return 1;
            if (type == 't') Text_From_Word(word);
            std::memcpy(destination, word, std::strlen(word) + 1);
            return 0;
        }
        default: return 1;
    }
}

int Skip_Versioned_Value(char type, double introduced) {
    union {
        char text[VERSIONED_TEXT_SIZE];
        double d;
        int i;
    } scratch;
    switch (type) {
        case 'c':
        case 'd':
        case 'i':
        case 't': return Read_Versioned_Value(&scratch, type, introduced, 0.0);
        case 's':
            Skip();
            if (Newer_Than_File(introduced)) return 0;
            return Read_Word(scratch.text) ? 0 : 1;
        default: return 1;
    }
}

int Skip_Current_Value(char type) { return Skip_Versioned_Value(type, Current_Data_Version()); }

int Read_Versioned_Word(char* destination, double introduced, const char* default_text) {
    if (!destination) return 1;
    if (Round_To_Decimals(Current_Data_Version() - introduced, 2) >= 0) {
        char word[VERSIONED_TEXT_SIZE];
        if (!Read_Word(word)) return 1;
        Text_From_Word(word);
        std::memcpy(destination, word, std::strlen(word) + 1);
        return 0;
    }
    std::snprintf(destination, VERSIONED_TEXT_SIZE, "%s", default_text ? default_text : "");
    return 0;
}

int Read_Versioned_Counted_Text(char** text, double introduced, const char* default_text) {
    if (!text) return 1;
    ITools_Free(text);
    if (Round_To_Decimals(Current_Data_Version() - introduced, 2) < 0) {
        if (default_text) *text = ITools_Strdup(default_text);
        return 0;
    }
    int n;
    Skip();
    if (!read_file || Scan_Int_Word(read_file, &n) != 1) return 1;
    if (n <= 0) return 0;
    // A damaged length must not ask for more memory than the file holds.
    const long here = std::ftell(read_file);
    if (here >= 0 && std::fseek(read_file, 0, SEEK_END) == 0) {
        const long end = std::ftell(read_file);
        std::fseek(read_file, here, SEEK_SET);
        if (end >= here && n > end - here) return 1;
    }
    std::fgetc(read_file);
    char* t = static_cast<char*>(ITools_Realloc(nullptr, static_cast<size_t>(n) + 1, 1));
    const size_t got = std::fread(t, 1, static_cast<size_t>(n), read_file);
    if (got != static_cast<size_t>(n)) {
        ITools_Free(&t);
        return 1;
    }
    t[n] = '\0';
    *text = t;
    return 0;
}

int Read_Current_Int(void) {
    int v;
    Skip();
    if (!read_file || Scan_Int_Word(read_file, &v) != 1) return 1;
    return v;
}

int Read_Versioned_Int(double introduced, double default_value) {
    if (Newer_Than_File(introduced)) return Round_Default(default_value);
    return Read_Current_Int();
}

long Tell_Read_Position(void) { return read_file ? std::ftell(read_file) : -1; }

int Seek_Read_Position(long offset) { return read_file ? std::fseek(read_file, offset, SEEK_SET) : 1; }

int Decode_Blanks(char* text) {
    if (!text) return 0;
    for (char* p = text; *p; ++p)
        if (*p == static_cast<char>(VERSIONED_BLANK)) *p = ' ';
    if (std::strcmp(text, " ") == 0) text[0] = '\0';
    return static_cast<int>(std::strlen(text));
}

FILE* Versioned_Read_File(void) { return read_file; }
FILE* Versioned_Write_File(void) { return write_file; }

// ---- writing ----

int Begin_Versioned_Write(FILE* file, double version) {
    write_file = file;
    if (!file) return 1;
    return Put(std::fprintf(file, " %lf  # Datenversionsnummer\n", version));
}

int Write_Structure_Version(double version) {
    if (!write_file) return 1;
    return Put(std::fprintf(write_file, " %lf # Strukturversionsnummer\n", version));
}

int Write_Comment(const char* text) {
    if (!write_file) return 1;
    if (std::fputs("# ", write_file) < 0) return 1;
    for (const char* p = text ? text : ""; *p; ++p)
        if (std::fputc(*p == '\n' || *p == '\r' ? ' ' : *p, write_file) == EOF) return 1;
    return std::fputc('\n', write_file) == EOF ? 1 : 0;
}

int Write_Versioned_Value(const void* value, char type) {
    if (!write_file || !value) return 1;
    switch (type) {
        case 'c': {
            const unsigned char c = *static_cast<const unsigned char*>(value);
            if (c <= 32 || c == '#') return 1;
            return Put(std::fprintf(write_file, " %c ", c));
        }
        case 'd': return Put(std::fprintf(write_file, " %e ", *static_cast<const double*>(value)));
        case 'i': return Put(std::fprintf(write_file, " %d ", *static_cast<const int*>(value)));
        case 's': {
            const char* word = static_cast<const char*>(value);
            if (!Word_Reads_Back(word)) return 1;
            return Put(std::fprintf(write_file, " %s ", word));
        }
        case 't': return Write_Text_Value(static_cast<const char*>(value));
        default: return 1;
    }
}

int Write_Placeholder_Value(char type) {
    if (!write_file) return 1;
    switch (type) {
        case 'c': return Put(std::fprintf(write_file, " %c ", '*'));
        case 'd': return Put(std::fprintf(write_file, " %e ", -1.0));
        case 'i': return Put(std::fprintf(write_file, " %d ", 0));
        case 's':
        case 't': return Put(std::fprintf(write_file, " %s ", "***"));
        default: return 1;
    }
}

int Write_Line_End(void) { return write_file && std::fputc('\n', write_file) != EOF ? 0 : 1; }

int Write_Counted_Text(const char* const* text) {
    if (!write_file) return 1;
    const char* t = text && *text ? *text : "";
    const size_t n = std::strlen(t);
    if (n > INT32_MAX) return 1;
    const int length = static_cast<int>(n);
    if (Write_Versioned_Value(&length, 'i') != 0) return 1;
    if (n > 0 && std::fwrite(t, 1, n, write_file) != n) return 1;
    return Write_Line_End();
}

int Encode_Blanks(char* text) {
    if (!text) return 0;
    if (!text[0]) {
        text[0] = ' ';
        text[1] = '\0';
    }
    for (char* p = text; *p; ++p)
        if (*p == ' ') *p = static_cast<char>(VERSIONED_BLANK);
    return static_cast<int>(std::strlen(text));
}

void Reset_Versioned_Text(void) {
    read_file = write_file = nullptr;
    depth = 0;
    versions[0] = 0.0;
}
