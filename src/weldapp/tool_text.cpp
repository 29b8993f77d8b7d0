// Text helpers of the tool module and the out-of-memory stop.
#include "weldapp/tool_text.h"

#include <cstdlib>
#include <cstring>

#include "base/cp850.h"
#include "base/textio.h"
#include "base/vesk.h"
#include "platform/msgbox.h"

static void copy_bounded(char* buffer, const char* text, size_t n) {
    if (n > TOOL_TEXT_BUFFER - 1) n = TOOL_TEXT_BUFFER - 1;
    std::memcpy(buffer, text, n);
    buffer[n] = '\0';
}

const char* Trim_Both_Copy(const char* text) {
    static char buffer[TOOL_TEXT_BUFFER];
    if (!text) text = "";
    while (*text == ' ') ++text;
    size_t n = std::strlen(text);
    while (n > 0 && text[n - 1] == ' ') --n;
    copy_bounded(buffer, text, n);
    return buffer;
}

const char* Fit_String_Width(const char* text, int n) {
    static char buffer[TOOL_TEXT_BUFFER];
    if (!text) text = "";
    if (n < 0) n = 0;
    if (n > TOOL_TEXT_BUFFER - 1) n = TOOL_TEXT_BUFFER - 1;
    size_t have = strnlen(text, static_cast<size_t>(n));
    std::memcpy(buffer, text, have);
    std::memset(buffer + have, ' ', static_cast<size_t>(n) - have);
    buffer[n] = '\0';
    return buffer;
}

int Next_Nonblank_Char(FILE* file) { return Fgetc_Skip_Blanks(file); }

char* Read_Line_No_Newline(char* buffer, int n, FILE* file) {
    if (!buffer || !file || n < 1) return nullptr;
    if (!std::fgets(buffer, n, file)) return nullptr;
    size_t len = std::strlen(buffer);
    if (len > 0 && buffer[len - 1] == '\n') buffer[--len] = '\0';
    if (len > 0 && buffer[len - 1] == '\r') buffer[--len] = '\0';
    return buffer;
}

long Bytes_Left_In_File(FILE* file) {
    const long here = std::ftell(file);
    if (here < 0 || std::fseek(file, 0, SEEK_END) != 0) return -1;
    const long end = std::ftell(file);
    if (std::fseek(file, here, SEEK_SET) != 0) return -1;
    return end - here;
}

int Length_Without_Trailing_Blanks(const char* text) {
    if (!text) return 0;
    size_t n = std::strlen(text);
    while (n > 0 && text[n - 1] == ' ') --n;
    return static_cast<int>(n);
}

static int replace_all(char* text, char from, char to) {
    if (!text) return 0;
    int n = 0;
    for (; text[n]; ++n)
        if (text[n] == from) text[n] = to;
    return n;
}

int Blanks_to_Question_Marks(char* text) { return replace_all(text, ' ', '?'); }
int Question_Marks_to_Blanks(char* text) { return replace_all(text, '?', ' '); }

// Ä ä Ö ö Ü ü ß in the Windows and in the DOS code page.
static const unsigned char kAnsi[7] = {196, 228, 214, 246, 220, 252, 223};
static const unsigned char kDos[7] = {142, 132, 153, 148, 154, 129, 225};

static const char* map_umlauts(char* buffer, const char* text, const unsigned char* from, const unsigned char* to) {
    if (!text) text = "";
    copy_bounded(buffer, text, std::strlen(text));
    for (char* p = buffer; *p; ++p)
        for (int k = 0; k < 7; ++k)
            if (static_cast<unsigned char>(*p) == from[k]) {
                *p = static_cast<char>(to[k]);
                break;
            }
    return buffer;
}

const char* Ansi_to_Dos_Umlauts(const char* text) {
    static char buffer[TOOL_TEXT_BUFFER];
    return map_umlauts(buffer, text, kAnsi, kDos);
}

const char* Dos_to_Ansi_Umlauts(const char* text) {
    static char buffer[TOOL_TEXT_BUFFER];
    return map_umlauts(buffer, text, kDos, kAnsi);
}

const char* Umlauts_to_Html(const char* text) {
    static char buffer[TOOL_TEXT_BUFFER];
    static const char* const kEntity[7] = {"&Auml;", "&auml;", "&Ouml;", "&ouml;", "&Uuml;", "&uuml;", "&szlig;"};
    if (!text) text = "";
    size_t out = 0;
    for (const char* p = text; *p && out < 504; ++p) {
        const char* entity = nullptr;
        for (int k = 0; k < 7; ++k)
            if (static_cast<unsigned char>(*p) == kDos[k]) entity = kEntity[k];
        if (entity) {
            // The longest entity (7) still fits behind 504 characters.
            size_t n = std::strlen(entity);
            std::memcpy(buffer + out, entity, n);
            out += n;
        } else {
            buffer[out++] = *p;
        }
    }
    buffer[out] = '\0';
    return buffer;
}

int Sign_of(double value) { return value >= 0.0 ? 1 : -1; }

void Out_Of_Memory_Exit(void) {
    // A batch run has nobody to answer a box: the text goes to the console.
    if (VEK_Batch_Mode()) {
        std::fprintf(stderr, "%s\n%s\n%s\n", "Die Aktion erfordert eine Speicherkapazität, die"_cp,
                     "vom Rechner zur Zeit nicht zur Verfügung gestellt"_cp,
                     "wird. Die Sitzung muß leider abgebrochen werden."_cp);
        std::exit(0);
    }
    Init_Message();
    Fill_Message("%s", "Die Aktion erfordert eine Speicherkapazität, die"_cp);
    Fill_Message("%s", "vom Rechner zur Zeit nicht zur Verfügung gestellt"_cp);
    Fill_Message("%s", "wird. Die Sitzung muß leider abgebrochen werden."_cp);
    Draw_Message();
    std::exit(0);
}

void* Weld_Calloc_Or_Exit(const char* file, int line, size_t count, size_t size) {
    void* block = Mem_Calloc(file, line, "null", count, size);
    if (!block && count > 0 && size > 0) Out_Of_Memory_Exit();
    return block;
}
