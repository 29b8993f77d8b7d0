// qimport: the list of user cross-sections, their kept texts, the store
// file and the exchange with the sibling cross-section program.
#include "profiles/qimport.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "base/cp850.h"
#include "base/dlist.h"
#include "base/filenames.h"
#include "base/textio.h"
#include "base/vesk.h"
#include "dialogs/messages.h"
#include "platform/desktop.h"
#include "platform/msgbox.h"
#include "platform/posix.h"
#include "thinwall/dwqb.h"

namespace {

Sonderquerschnitt* list_head;
Sonderquerschnitt* list_tail;
const char* text_cursor;   // into a kept text, null when no line is left

char grq_extension[QIMPORT_NAME_LIMIT + 1] = ".GRQ";
char xprt_name[QIMPORT_NAME_LIMIT + 1] = "XPRT.TMP";
char vuve_ein_name[QIMPORT_NAME_LIMIT + 1] = "VUVE.EIN";
char caller_name[QIMPORT_NAME_LIMIT + 1] = "Q7-KLOV";
int extensions_on;
int extensions_installed = -1;

// The store whose last reading failed, and why: it is never written over,
// until a reading of it succeeds.
std::string failed_store;
std::string store_error;

// Longest store, exchange or VUVE.EIN file read: far beyond what a hundred
// sections take, and an endless input is not read forever.
constexpr long QIMPORT_FILE_LIMIT = 64L << 20;

const double DEG_TO_RAD = 0.017453292519943295;

void Keep_Name(char* target, const char* source) {
    if (source) std::snprintf(target, QIMPORT_NAME_LIMIT + 1, "%s", source);
}

void Append(Sonderquerschnitt* r) {
    Dlist_Append(list_head, list_tail, r);
}

// The first four characters of the prefix and name; false when the prefix is
// shorter or the result does not fit.
bool Short_Base_Name(char* buffer, int size, const char* name) {
    const char* base = Get_File_Base();
    if (!base || std::strlen(base) < 4) return false;
    const int n = std::snprintf(buffer, size, "%.4s%s", base, name);
    return n > 0 && n < size;
}

// Copies the line starting at p (up to "\n", CR dropped) into buffer.
void Copy_Line(const char* p, char* buffer, int size) {
    int k = 0;
    while (p[k] && p[k] != '\n' && k < size - 1) {
        buffer[k] = p[k];
        k++;
    }
    if (k > 0 && buffer[k - 1] == '\r') k--;
    buffer[k] = '\0';
}

// Start of the first line after the text's first line that begins with
// keyword, or null.
const char* Find_Line_Start(const char* text, const char* keyword) {
    const size_t n = std::strlen(keyword);
    for (const char* p = std::strchr(text, '\n'); p; p = std::strchr(p + 1, '\n'))
        if (std::strncmp(p + 1, keyword, n) == 0) return p + 1;
    return nullptr;
}

// Opens native for reading ("rb") when it is a regular file of at most
// QIMPORT_FILE_LIMIT bytes. Else null, the reason in why and missing set
// when nothing at all stands under the name (a link that leads nowhere,
// a path through a file or one that may not be looked at is no missing
// file). A FIFO or a device is never opened for reading, so it cannot hang.
FILE* Open_Regular(const char* native, bool* missing, std::string* why) {
    *missing = false;
    const int fd = ::open(native, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        struct stat link;
        *missing = error == ENOENT && lstat(native, &link) != 0 && errno == ENOENT;
        *why = *missing ? "nicht vorhanden" : std::strerror(error);
        return nullptr;
    }
    struct stat st;
    const char* refusal = nullptr;
    if (fstat(fd, &st) != 0) refusal = std::strerror(errno);
    else if (S_ISDIR(st.st_mode)) refusal = "ein Verzeichnis";
    else if (!S_ISREG(st.st_mode)) refusal = "keine gewöhnliche Datei"_cp;
    else if (st.st_size > QIMPORT_FILE_LIMIT) refusal = "größer als 64 MB"_cp;
    FILE* f = refusal ? nullptr : fdopen(fd, "rb");
    if (!f) {
        *why = refusal ? refusal : std::strerror(errno);
        ::close(fd);
    }
    return f;
}

// The box of a store that was not read or not written, or in batch mode
// (where no box may open) the message service's line in its place.
void Store_Refusal_Message(const char* what, const char* batch_what) {
    if (VEK_Batch_Mode()) {
        Message_in_Mode(MESSAGE_MODE_BOX, "user sections %s: %s; the store file is kept", batch_what,
                        store_error.c_str());
        return;
    }
    Init_Message();
    Fill_Message("%s", "Die aus Q7-VUVE importierten");
    Fill_Message("%s", what);
    Fill_Message("%s", store_error.c_str());
    Fill_Message("%s", "Die Datei wird nicht überschrieben."_cp);
    Draw_Message();
}

int Write_Whole(const char* path, int (*write)(FILE*, void*), void* context) {
    char native[VEK_MAX_PATH + 1];
    if (!VEK_Native_Path(native, sizeof native, path)) return 0;
    return VEK_Write_File_Replacing(native, write, context);
}

}  // namespace

// ---- the list --------------------------------------------------------------

Sonderquerschnitt* New_Sonderquerschnitt(void) {
    auto* r = static_cast<Sonderquerschnitt*>(Mem_Malloc(__FILE__, __LINE__, "null", sizeof(Sonderquerschnitt)));
    if (!r) return nullptr;
    std::memset(r, 0, sizeof *r);
    Append(r);
    return r;
}

Sonderquerschnitt* Copy_Sonderquerschnitt(const Sonderquerschnitt* record) {
    if (!record) return nullptr;
    char* text = nullptr;
    if (record->text && record->text_length > 0) {
        text = static_cast<char*>(Mem_Malloc(__FILE__, __LINE__, "null", record->text_length));
        if (!text) return nullptr;
        std::memcpy(text, record->text, record->text_length);
    }
    Sonderquerschnitt* r = New_Sonderquerschnitt();
    if (!r) {
        Mem_Free(__FILE__, __LINE__, "null", text);
        return nullptr;
    }
    r->kind = record->kind;
    r->text_length = text ? record->text_length : 0;
    std::memcpy(r->name, record->name, sizeof r->name);
    r->text = text;
    return r;
}

void Delete_Sonderquerschnitt(Sonderquerschnitt* record) {
    if (!record) return;
    Dlist_Unlink(list_head, list_tail, record);
    if (record->text) Mem_Free(__FILE__, __LINE__, "null", record->text);
    Mem_Free(__FILE__, __LINE__, "null", record);
}

void Purge_Sonderquerschnitte(void) {
    for (Sonderquerschnitt* r = list_head; r;) {
        Sonderquerschnitt* next = r->next;
        if (r->ref_count == 0) Delete_Sonderquerschnitt(r);
        r = next;
    }
}

void Ref_Sonderquerschnitt(Sonderquerschnitt* record, int delta) {
    if (record) record->ref_count += delta;
}

int Compare_Sonderquerschnitt(const Sonderquerschnitt* a, const Sonderquerschnitt* b) {
    if (!a || !b) return a != b;
    if (a->kind != b->kind || a->text_length != b->text_length) return 1;
    if (std::strncmp(a->name, b->name, SONDER_NAME_SIZE) != 0) return 1;
    if (a->text_length > 0) {
        if (!a->text || !b->text) return a->text != b->text;
        if (std::memcmp(a->text, b->text, a->text_length) != 0) return 1;
    }
    return 0;
}

Sonderquerschnitt* Merge_Sonderquerschnitt(Sonderquerschnitt* record) {
    if (!record) return nullptr;
    for (Sonderquerschnitt* r = list_head; r; r = r->next) {
        if (r == record || Compare_Sonderquerschnitt(r, record) != 0) continue;
        r->ref_count += record->ref_count;
        Delete_Sonderquerschnitt(record);
        return r;
    }
    return record;
}

int Get_Sonderquerschnitt_Index(const Sonderquerschnitt* record) {
    int i = 1;
    for (const Sonderquerschnitt* r = list_head; r; r = r->next, i++)
        if (r == record) return i;
    return 0;
}

Sonderquerschnitt* Get_Sonderquerschnitt_By_Index(int place) {
    if (place < 1) return nullptr;
    Sonderquerschnitt* r = list_head;
    for (int i = 1; r && i < place; i++) r = r->next;
    return r;
}

int Count_Sonderquerschnitte(void) {
    int n = 0;
    for (const Sonderquerschnitt* r = list_head; r; r = r->next) n++;
    return n;
}

int Get_Sonderquerschnitt_Kind(const Sonderquerschnitt* record) { return record ? record->kind : 0; }

const char* Get_Sonderquerschnitt_Name(const Sonderquerschnitt* record) { return record ? record->name : nullptr; }

int Rename_Sonderquerschnitt(Sonderquerschnitt* record, const char* name) {
    if (!record || !name) return 0;
    std::snprintf(record->name, sizeof record->name, "%-24.24s", name);
    if (!record->text) return 0;
    const char* object = Find_Line_Start(record->text, "OBJECT");
    if (!object) return 0;
    const char* line = std::strchr(object, '\n');
    if (!line) return 0;
    char* open = std::strchr(record->text + (line + 1 - record->text), static_cast<char>(GUILLEMET_OPEN));
    if (!open) return 0;
    char* p = open + 1;
    while (*p && *p != '\n' && static_cast<unsigned char>(*p) != GUILLEMET_CLOSE) p++;
    if (static_cast<unsigned char>(*p) != GUILLEMET_CLOSE || p == open + 1) return 0;
    const size_t width = static_cast<size_t>(p - open - 1);
    const size_t n = std::strlen(name);
    for (size_t k = 0; k < width; k++) open[1 + k] = k < n ? name[k] : ' ';
    return 1;
}

void Clear_Print_Marks(void) {
    for (Sonderquerschnitt* r = list_head; r; r = r->next) r->print_mark = 0;
}

void Mark_For_Print(Sonderquerschnitt* record) {
    if (record) record->print_mark = 1;
}

// ---- text access -------------------------------------------------------------

int Find_Text_Block(const Sonderquerschnitt* record, const char* keyword, int* count) {
    if (!record || !record->text || !keyword || !*keyword) return 0;
    const char* line = Find_Line_Start(record->text, keyword);
    if (!line) return 0;
    if (count) {
        char buffer[QIMPORT_LINE_SIZE];
        Copy_Line(line + std::strlen(keyword), buffer, sizeof buffer);
        int n;
        if (std::sscanf(buffer, "%d", &n) == 1) *count = n;
    }
    const char* end = std::strchr(line, '\n');
    text_cursor = end && end[1] ? end + 1 : nullptr;
    return 1;
}

const char* Next_Text_Line(void) {
    if (!text_cursor || !*text_cursor) return text_cursor = nullptr;
    const char* line = text_cursor;
    const char* end = std::strchr(line, '\n');
    text_cursor = end ? end + 1 : nullptr;
    return line;
}

int Next_Text_Line_Copy(char* buffer, int size) {
    const char* line = Next_Text_Line();
    if (!line) {
        if (size > 0) buffer[0] = '\0';
        return 0;
    }
    Copy_Line(line, buffer, size);
    return 1;
}

int Get_Sonderquerschnitt_Value(const Sonderquerschnitt* record, const char* key, double* out) {
    if (!record || !record->text || !key || !out) return 0;
    const char* block = Find_Line_Start(record->text, "VALUES");
    if (!block) return 0;
    for (const char* p = std::strchr(block, '\n'); p; p = std::strchr(p + 1, '\n')) {
        if (std::strncmp(p + 1, key, 4) != 0) continue;
        char buffer[QIMPORT_LINE_SIZE];
        Copy_Line(p + 1, buffer, sizeof buffer);
        double v;
        if (std::strlen(buffer) < 4 || std::sscanf(buffer + 4, "%lf", &v) != 1) return 0;
        *out = v;
        return 1;
    }
    return 0;
}

// ---- store file --------------------------------------------------------------

namespace {

bool GRQ_Name(char* buffer, int size, int number) {
    char tail[QIMPORT_NAME_LIMIT + 16];
    if (number >= 0)
        std::snprintf(tail, sizeof tail, "%d%s", number, grq_extension);
    else
        std::snprintf(tail, sizeof tail, "%s", grq_extension);
    return Short_Base_Name(buffer, size, tail);
}

const char GRQ_HEAD[] = "BALMO-VUVE-ConversionFile V.1";

// Every record as its reader takes it back: the name always 24 characters
// (a new record's empty name too, a » in it as a blank, since it would end
// the name), a length of 0 for a record without text.
int Write_GRQ_Records(FILE* f, void*) {
    if (std::fprintf(f, "%s\n", GRQ_HEAD) < 0) return 0;
    int i = 1;
    for (const Sonderquerschnitt* r = list_head; r; r = r->next, i++) {
        const int32_t length = r->text ? r->text_length : 0;
        char name[SONDER_NAME_WIDTH + 1];
        std::snprintf(name, sizeof name, "%-24.24s", r->name);
        for (char& c : name)
            if (static_cast<unsigned char>(c) == GUILLEMET_CLOSE) c = ' ';
        if (std::fprintf(f, "\n@SYNC%d@\n%d %d ", i, r->kind, length) < 0) return 0;
        if (Write_Guillemet_String(f, name) != 0) return 0;
        if (length > 1 && std::fwrite(r->text, 1, static_cast<size_t>(length - 1), f) != static_cast<size_t>(length - 1))
            return 0;
        if (std::fputc('\n', f) == EOF) return 0;
    }
    return 1;
}

struct Stored_Section {
    int kind, length;
    char name[SONDER_NAME_SIZE];
    std::string text;
};

// A reader of the store's bytes that takes them whole or not at all.
class Store_Parser {
public:
    explicit Store_Parser(const std::string& bytes) : b_(bytes) {}

    // The sections, or the reason why the bytes are no whole store.
    std::string Parse(std::vector<Stored_Section>* out) {
        if (b_.empty()) return "leer";
        const size_t head = sizeof GRQ_HEAD - 1;
        if (b_.compare(0, head, GRQ_HEAD) != 0) return "keine Datei importierter Querschnitte (Kopfzeile fehlt)";
        // Written on the desktop in text mode, every line end is CR LF.
        crlf_ = b_.compare(head, 2, "\r\n") == 0;
        at_ = head;
        if (!End_Of_Line()) return "keine Datei importierter Querschnitte (Kopfzeile fehlt)";
        for (int i = 1;; i++) {
            while (End_Of_Line()) {
            }
            if (at_ == b_.size()) break;
            Stored_Section s;
            const std::string why = Section(i, &s);
            if (!why.empty()) return "Querschnitt " + std::to_string(i) + ": " + why;
            out->push_back(std::move(s));
        }
        return out->empty() ? "enthält keinen Querschnitt"_cp : "";
    }

private:
    bool End_Of_Line() {
        const char* eol = crlf_ ? "\r\n" : "\n";
        const size_t n = crlf_ ? 2 : 1;
        if (b_.compare(at_, n, eol) != 0) return false;
        at_ += n;
        return true;
    }
    bool Cut() const { return at_ >= b_.size(); }
    void Blanks() {
        while (at_ < b_.size() && (b_[at_] == ' ' || b_[at_] == '\t')) at_++;
    }
    // A decimal int of at most nine digits.
    bool Int(int* out) {
        Blanks();
        const bool negative = at_ < b_.size() && b_[at_] == '-';
        if (negative) at_++;
        int digits = 0, value = 0;
        for (; at_ < b_.size() && b_[at_] >= '0' && b_[at_] <= '9'; at_++) {
            if (++digits > 9) return false;
            value = value * 10 + (b_[at_] - '0');
        }
        *out = negative ? -value : value;
        return digits > 0;
    }
    std::string Section(int i, Stored_Section* s) {
        const std::string sync = "@SYNC" + std::to_string(i) + "@";
        if (b_.compare(at_, sync.size(), sync) != 0)
            return Cut() || b_.size() - at_ < sync.size() ? "abgeschnitten" : "Zeile " + sync + " fehlt";
        at_ += sync.size();
        if (!End_Of_Line()) return Cut() ? "abgeschnitten" : "Zeile " + sync + " fehlt";
        if (!Int(&s->kind) || !Int(&s->length)) return Cut() ? "abgeschnitten" : "Art und Länge fehlen"_cp;
        if (s->length < 0) return "Länge unter 0"_cp;
        Blanks();
        if (at_ + SONDER_NAME_WIDTH + 2 > b_.size()) return "abgeschnitten";
        if (static_cast<unsigned char>(b_[at_]) != GUILLEMET_OPEN ||
            static_cast<unsigned char>(b_[at_ + SONDER_NAME_WIDTH + 1]) != GUILLEMET_CLOSE ||
            std::memchr(b_.data() + at_ + 1, GUILLEMET_CLOSE, SONDER_NAME_WIDTH))
            return "Name nicht 24 Zeichen lang";
        // A name holds no terminator: every later use would end it there,
        // and the next save would drop what follows.
        if (std::memchr(b_.data() + at_ + 1, '\0', SONDER_NAME_WIDTH)) return "Name mit einem Nullzeichen";
        // Nor the print list's markup escape, which would hide the rest of
        // the name wherever the list names the section.
        if (std::memchr(b_.data() + at_ + 1, 0xCE, SONDER_NAME_WIDTH))
            return "Name mit dem Zeichen \"\xCE\" (im Ausdruck eine Formatierung)";
        std::memcpy(s->name, b_.data() + at_ + 1, SONDER_NAME_WIDTH);
        s->name[SONDER_NAME_WIDTH] = '\0';
        at_ += SONDER_NAME_WIDTH + 2;
        // The text counts its bytes as the program holds them: in a file of
        // CR LF lines each line end is one byte of it.
        for (int k = 1; k < s->length; k++) {
            if (Cut()) return "abgeschnitten";
            if (crlf_ && b_.compare(at_, 2, "\r\n") == 0) at_++;
            s->text += b_[at_++];
        }
        if (!End_Of_Line()) return Cut() ? "abgeschnitten" : "länger als angegeben"_cp;
        return "";
    }

    const std::string& b_;
    size_t at_ = 0;
    bool crlf_ = false;
};

// The whole store into bytes; the reason when it cannot be read, missing
// set when there is none.
std::string Read_Store_Bytes(const char* native, std::string* bytes, bool* missing) {
    std::string why;
    FILE* f = Open_Regular(native, missing, &why);
    if (!f) return why;
    char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0 && bytes->size() <= QIMPORT_FILE_LIMIT)
        bytes->append(chunk, got);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) return "Lesefehler";
    if (bytes->size() > QIMPORT_FILE_LIMIT) return "größer als 64 MB"_cp;
    return "";
}

}  // namespace

int Write_GRQ_File(int number) {
    char path[VEK_MAX_PATH + 1];
    if (!GRQ_Name(path, sizeof path, number)) return -1;
    // An empty list leaves no store file; any other list replaces the old
    // store only when the new one is complete (temporary file beside it,
    // every write checked, renamed in one step), so a failed save never
    // loses the user's sections.
    // A store that could not be read holds sections this run does not
    // know: neither removed nor replaced.
    if (!failed_store.empty() && failed_store == path) {
        Store_Refusal_Message("Querschnitte werden nicht gesichert:", "not saved");
        return 0;
    }
    if (!list_head) {
        char native[VEK_MAX_PATH + 1];
        struct stat st;
        if (VEK_Native_Path(native, sizeof native, path) && stat(native, &st) == 0 && S_ISREG(st.st_mode))
            std::remove(native);
        return 1;
    }
    if (Write_Whole(path, Write_GRQ_Records, nullptr)) return 1;
    if (VEK_Batch_Mode()) {
        Message_in_Mode(MESSAGE_MODE_BOX, "%s: user sections not saved; the previous store file is kept", path);
        return 0;
    }
    Init_Message();
    Fill_Message("%s", "Dateier\xF6" "ffnungsfehler:");
    Fill_Message("%s", "Die aus Q7-VUVE importierten");
    Fill_Message("%s", "Querschnitte k\xF6nnen nicht");
    Fill_Message("%s", "gesichert werden!");
    Draw_Message();
    return 0;
}

int Read_GRQ_File(int number) {
    // Holders keep pointers into the list: dropping held records would leave
    // them dangling, so a reload waits until nothing is held.
    for (const Sonderquerschnitt* r = list_head; r; r = r->next)
        if (r->ref_count != 0) return 0;
    while (list_head) Delete_Sonderquerschnitt(list_head);
    store_error.clear();
    char path[VEK_MAX_PATH + 1], native[VEK_MAX_PATH + 1];
    if (!GRQ_Name(path, sizeof path, number) || !VEK_Native_Path(native, sizeof native, path)) return 1;
    std::string bytes;
    bool missing = false;
    std::vector<Stored_Section> sections;
    std::string why = Read_Store_Bytes(native, &bytes, &missing);
    if (missing) {
        if (failed_store == path) failed_store.clear();
        return 1;
    }
    if (why.empty()) why = Store_Parser(bytes).Parse(&sections);
    // Memory for every record before the list takes one of them.
    std::vector<char*> texts;
    for (size_t i = 0; why.empty() && i < sections.size(); i++) {
        const Stored_Section& s = sections[i];
        char* text = nullptr;
        if (s.length > 0) {
            text = static_cast<char*>(Mem_Malloc(__FILE__, __LINE__, "null", static_cast<size_t>(s.length)));
            if (!text) why = "zu wenig Speicher";
            else std::memcpy(text, s.text.c_str(), static_cast<size_t>(s.length));
        }
        texts.push_back(text);
    }
    for (size_t i = 0; why.empty() && i < sections.size(); i++) {
        Sonderquerschnitt* r = New_Sonderquerschnitt();
        if (!r) {
            why = "zu wenig Speicher";
            break;
        }
        r->kind = sections[i].kind;
        r->text_length = texts[i] ? sections[i].length : 0;
        std::memcpy(r->name, sections[i].name, sizeof r->name);
        r->text = std::exchange(texts[i], nullptr);
    }
    for (char* t : texts) Mem_Free(__FILE__, __LINE__, "null", t);
    if (why.empty()) {
        if (failed_store == path) failed_store.clear();
        return 1;
    }
    while (list_head) Delete_Sonderquerschnitt(list_head);
    failed_store = path;
    store_error = std::string(path) + ": " + why;
    Store_Refusal_Message("Querschnitte können nicht gelesen werden:"_cp, "not read");
    return 0;
}

const char* Get_GRQ_Error(void) { return store_error.c_str(); }

void Set_GRQ_Extension(const char* extension) { Keep_Name(grq_extension, extension); }

// ---- exchange ------------------------------------------------------------------

void Set_XPRT_Name(const char* name) { Keep_Name(xprt_name, name); }
void Set_VUVE_EIN_Name(const char* name) { Keep_Name(vuve_ein_name, name); }
void Set_VUVE_Caller_Name(const char* name) { Keep_Name(caller_name, name); }

const char* Get_XPRT_Path(char* buffer, int size) {
    char path[VEK_MAX_PATH + 1];
    if (!Short_Base_Name(path, sizeof path, xprt_name)) return nullptr;
    return VEK_Native_Path(buffer, static_cast<size_t>(size), path);
}

namespace {

void Clear_Record(Sonderquerschnitt* r) {
    if (r->text) Mem_Free(__FILE__, __LINE__, "null", r->text);
    r->text = nullptr;
    r->kind = 0;
    r->text_length = 0;
    r->name[0] = '\0';
}

bool Exec_Program(const char* exec, const char* name, char* out, int size) {
    return exec && *exec && VEK_Join_Path(out, static_cast<size_t>(size), exec, name);
}

int Extended_Installed_In(const char* exec) {
    char q[VEK_MAX_PATH + 1], k[VEK_MAX_PATH + 1];
    if (!Exec_Program(exec, "Q7-VUVE\\Q.EXE", q, sizeof q) || !Exec_Program(exec, "Q7-VUVE\\Kantfeld.exe", k, sizeof k))
        return 0;
    return _access(q, 1) == 0 && _access(k, 1) == 0;
}

}  // namespace

void Read_XPRT_File(Sonderquerschnitt* record) {
    if (!record) return;
    Clear_Record(record);
    char path[VEK_MAX_PATH + 1];
    if (!Get_XPRT_Path(path, sizeof path)) return;
    bool missing;
    std::string why;
    FILE* f = Open_Regular(path, &missing, &why);
    if (!f) return;
    int kind, a, b;
    char name[GUILLEMET_NAME_SIZE];
    bool ok = Find_Keyword_Line(f, "OBJECT", 1) && std::fscanf(f, "%d%d%d", &kind, &a, &b) == 3 &&
              Read_Guillemet_Name(f, name) == SONDER_NAME_WIDTH;
    long size = -1;
    if (ok && std::fseek(f, 0, SEEK_END) == 0) size = std::ftell(f);
    char* text = nullptr;
    if (ok && size >= 0 && size < 0x7FFFFFFF)
        text = static_cast<char*>(Mem_Malloc(__FILE__, __LINE__, "null", static_cast<size_t>(size) + 1));
    if (text) {
        std::rewind(f);
        const size_t got = std::fread(text, 1, static_cast<size_t>(size), f);
        text[got] = '\0';
        record->kind = kind;
        record->text_length = static_cast<int32_t>(got + 1);
        std::snprintf(record->name, sizeof record->name, "%.27s", name);
        record->text = text;
    }
    std::fclose(f);
}

FILE* Open_VUVE_EIN(const char* mode) {
    if (!mode) mode = "r";
    if (mode[0] != 'r' || std::strchr(mode, '+')) return Fopen_Base(vuve_ein_name, mode);
    // Read only from a regular file, so that a FIFO or a device cannot hang
    // the model builder.
    char native[VEK_MAX_PATH + 1];
    const char* path = Base_Path(vuve_ein_name);
    bool missing;
    std::string why;
    return path && VEK_Native_Path(native, sizeof native, path) ? Open_Regular(native, &missing, &why) : nullptr;
}

namespace {

// One block's lines copied line by line; false when the text ends early.
bool Take(char* buffer) { return Next_Text_Line_Copy(buffer, QIMPORT_LINE_SIZE) != 0; }

int Write_FEM_Line(FILE* f, const Sonderquerschnitt* r) {
    int code = 0;
    double v[10] = {};
    double out[8] = {};
    char line[QIMPORT_LINE_SIZE];
    if (Find_Text_Block(r, "FEMVALUES", nullptr) && Take(line)) {
        int n = 0;
        const int got = std::sscanf(line, "%d%lf%lf%lf%lf%lf%lf%lf%lf%lf%lf", &n, &v[0], &v[1], &v[2], &v[3], &v[4],
                                    &v[5], &v[6], &v[7], &v[8], &v[9]);
        if (got == 11 && n >= 10) {
            code = 44;
            const int pick[8] = {0, 1, 4, 5, 6, 7, 8, 9};
            for (int k = 0; k < 8; k++) out[k] = v[pick[k]];
        } else if (got >= 3 && n >= 2) {
            code = 12;
            out[0] = v[0];
            out[1] = v[1];
        } else if ((got >= 2 && n == 1) || (got == 2 && n >= 1)) {
            code = 4;
            out[0] = v[0];
        }
    }
    return std::fprintf(f, " %d %f %f %f %f %f %f %f %f /\n", code, out[0], out[1], out[2], out[3], out[4], out[5],
                        out[6], out[7]) < 0
               ? 0
               : 1;
}

// Writes the node, line, extended and FEM lines of a thin-walled section.
// A block that announces more lines than the text holds is malformed: the
// section ends there with " -1".
int Write_Thin_Walled(FILE* f, const Sonderquerschnitt* r, int flag) {
    char line[QIMPORT_LINE_SIZE];
    int n = 0, m = 0;
    if (!Find_Text_Block(r, "NODES", &n)) return std::fputs(" -1\n", f) >= 0;
    if (std::fprintf(f, " %d /\n", n) < 0) return 0;
    for (int i = 0; i < n; i++) {
        int number;
        double y, z;
        if (!Take(line) || std::sscanf(line, "%d%lf%lf", &number, &y, &z) != 3) return std::fputs(" -1\n", f) >= 0;
        if (std::fprintf(f, " %d %f %f /\n", number, y, z) < 0) return 0;
    }
    if (!Find_Text_Block(r, "LINES", &m)) return std::fputs(" -1\n", f) >= 0;
    if (std::fprintf(f, " %d /\n", m) < 0) return 0;
    for (int i = 0; i < m; i++) {
        int number, a, b;
        double t;
        if (!Take(line) || std::sscanf(line, "%d%d%d%lf", &number, &a, &b, &t) != 4) return std::fputs(" -1\n", f) >= 0;
        if (std::fprintf(f, " %d %d %d %f /\n", number, a, b, t) < 0) return 0;
    }
    if (flag != 1) return 1;
    if (!Find_Text_Block(r, "NEWLINES", nullptr)) {
        if (std::fputs(" -1\n", f) < 0) return 0;
    } else {
        if (std::fprintf(f, " %d /\n", m) < 0) return 0;
        for (int i = 0; i < m; i++) {
            int number, a, b, k;
            double t1, t2, d3, d6, d7, d8, d9, d4, d5;
            if (!Take(line) || std::sscanf(line, "%d%d%d%*d%*d%lf%lf%lf%d%lf%lf%lf%lf%*d%lf%lf%*d", &number, &a, &b, &t1,
                                           &t2, &d3, &k, &d6, &d7, &d8, &d9, &d4, &d5) != 13)
                return std::fputs(" -1\n", f) >= 0;
            if (std::fprintf(f, " %d %d %d %d %f %f %f %f %f %f %f %f %f /\n", k, number, a, b, t1, t2, d3, d6, d7, d8,
                             d9, d4 * DEG_TO_RAD, d5 * DEG_TO_RAD) < 0)
                return 0;
        }
    }
    return Write_FEM_Line(f, r);
}

int Write_Thick_Walled(FILE* f, const Sonderquerschnitt* r) {
    char line[QIMPORT_LINE_SIZE];
    int n = 0;
    if (!Find_Text_Block(r, "POLYS", &n)) return std::fputs(" -1\n", f) >= 0;
    if (std::fprintf(f, " %d /\n", n) < 0) return 0;
    for (int p = 0; p <= n; p++) {
        int m;
        if (!Take(line) || std::sscanf(line, "%d", &m) != 1 || m < 0) return std::fputs(" -1\n", f) >= 0;
        if (std::fprintf(f, " %d /\n", m) < 0) return 0;
        for (int i = 0; i < m; i++) {
            int number;
            double y, z, bulge;
            if (!Take(line) || std::sscanf(line, "%d%lf%lf%lf", &number, &y, &z, &bulge) != 4)
                return std::fputs(" -1\n", f) >= 0;
            if (std::fprintf(f, " %d %f %f %f /\n", number, y, z, bulge) < 0) return 0;
        }
    }
    return 1;
}

int Write_VUVE_EIN_Sections(FILE* f, void*) {
    const int flag = VUVE_Extended_Installed();
    int i = 1;
    for (const Sonderquerschnitt* r = list_head; r; r = r->next, i++) {
        if (std::fprintf(f, "\n#Q%06d\n %d %d /\n '%s' /\n", i, r->kind, flag, r->name) < 0) return 0;
        if (r->kind == 1 && !Write_Thin_Walled(f, r, flag)) return 0;
        if (r->kind == 2 && !Write_Thick_Walled(f, r)) return 0;
    }
    return 1;
}

}  // namespace

int Write_VUVE_EIN(void) {
    const char* path = Base_Path(vuve_ein_name);
    if (path && Write_Whole(path, Write_VUVE_EIN_Sections, nullptr)) return 0;
    Init_Message();
    Fill_Message("%s", "Dateieröffnungsfehler:"_cp);
    Fill_Message("%s", "");
    Fill_Message("%s", "Die Querschnittsdatei kann");
    Fill_Message("%s", "nicht erzeugt werden!");
    Draw_Message();
    return EOF;
}

// ---- exporters ---------------------------------------------------------------

namespace {

struct Export_Job {
    const VUVE_Section_Source* full;
    const VUVE_Simple_Source* simple;
};

int Write_Export(FILE* f, void* context) {
    const auto* job = static_cast<const Export_Job*>(context);
    const char* name;
    int number, n, m;
    if (job->full) {
        name = job->full->name;
        number = job->full->number;
        n = job->full->node_count;
        m = job->full->line_count;
    } else {
        name = job->simple->name;
        number = job->simple->number;
        n = job->simple->node_count;
        m = job->simple->line_count;
    }
    if (!name) name = CurOb_Basicname();
    if (!name) name = "QImport";
    if (number < 1) number = 1001;
    char field[SONDER_NAME_WIDTH + 1];
    std::snprintf(field, sizeof field, "%-24.24s", name);
    if (std::fprintf(f, "\nOBJECT\n1 %d %d\n", number - 1, number) < 0 || Write_Guillemet_String(f, field) != 0 ||
        std::fprintf(f, "\n\nNODES %d\n", n) < 0)
        return 0;
    for (int i = 0; i < n; i++) {
        VUVE_Node node{};
        const int ok = job->full ? job->full->node(i, &node, job->full->context)
                                 : job->simple->node(i, &node.number, &node.y, &node.z, job->simple->context);
        if (!ok || std::fprintf(f, "%d %.6lg %.6lg\n", node.number, node.y, node.z) < 0) return 0;
    }
    if (std::fprintf(f, "\nLINES %d\n", m) < 0) return 0;
    for (int i = 0; i < m; i++) {
        VUVE_Line line{};
        double t = 0;
        int ok;
        if (job->full) {
            ok = job->full->line(i, &line, job->full->context);
            t = (line.t1 + line.t2) * 0.5;
        } else {
            ok = job->simple->line(i, &line.number, &line.start, &line.end, &t, job->simple->context);
        }
        if (!ok || std::fprintf(f, "%d %d %d %.6lg\n", line.number, line.start, line.end, t) < 0) return 0;
    }
    if (!job->full) return 1;
    if (std::fputs("\nNEWLINES\n", f) < 0) return 0;
    for (int i = 0; i < m; i++) {
        VUVE_Line l{};
        if (!job->full->line(i, &l, job->full->context)) return 0;
        if (std::fprintf(f, "%d %d %d 0 0 %.6lg %.6lg %.6lg %d %.6lg %.6lg %.6lg %.6lg 1 %.6lg %.6lg 0\n", l.number,
                         l.start, l.end, l.t1, l.t2, l.d3, l.type, l.d6, l.d7, l.d8, l.d9, l.d4, l.d5) < 0)
            return 0;
    }
    if (std::fputs(" -1\n", f) < 0) return 0;
    if (!job->full->values) return 1;
    VUVE_Values values{};
    if (!job->full->values(&values, job->full->context)) return 0;
    if (std::fprintf(f, "%d", values.count) < 0) return 0;
    for (int k = 0; k < values.count && k < 10; k++)
        if (std::fprintf(f, " %.6lg", values.v[k]) < 0) return 0;
    return std::fputc('\n', f) != EOF;
}

Sonderquerschnitt* Run_Export(const Export_Job& job) {
    char path[VEK_MAX_PATH + 1];
    if (!Short_Base_Name(path, sizeof path, xprt_name)) return nullptr;
    if (!Write_Whole(path, Write_Export, const_cast<Export_Job*>(&job))) return nullptr;
    Sonderquerschnitt* r = New_Sonderquerschnitt();
    Read_XPRT_File(r);
    return r;
}

}  // namespace

Sonderquerschnitt* Export_Section_To_VUVE(const VUVE_Section_Source* source) {
    if (!source || source->node_count < 1 || source->line_count < 1 || !source->node || !source->line) return nullptr;
    return Run_Export(Export_Job{source, nullptr});
}

Sonderquerschnitt* Export_Section_Source(const VUVE_Simple_Source* source) {
    if (!source || source->node_count < 1 || source->line_count < 1 || !source->node || !source->line) return nullptr;
    return Run_Export(Export_Job{nullptr, source});
}

int Copy_Model_Node(int index, VUVE_Node* out, void* model) {
    const auto* m = static_cast<const VUVE_Line_Model*>(model);
    if (!m || !out || index < 0 || index >= m->node_count) return 0;
    *out = m->nodes[index];
    return 1;
}

int Copy_Model_Line(int index, VUVE_Line* out, void* model) {
    const auto* m = static_cast<const VUVE_Line_Model*>(model);
    if (!m || !out || index < 0 || index >= m->line_count) return 0;
    *out = m->lines[index];
    return 1;
}

int Copy_Model_Values(VUVE_Values* out, void* model) {
    const auto* m = static_cast<const VUVE_Line_Model*>(model);
    if (!m || !out || !m->values) return 0;
    *out = VUVE_Values{};
    out->count = m->values->count < 10 ? m->values->count : 10;
    for (int k = 0; k < out->count; k++) out->v[k] = m->values->v[k];
    return 1;
}

Sonderquerschnitt* Export_Line_Model(const VUVE_Line_Model* model) {
    if (!model || !model->nodes || !model->lines) return nullptr;
    VUVE_Section_Source source{model->name, model->number, model->node_count, model->line_count, Copy_Model_Node,
                               Copy_Model_Line, nullptr, const_cast<VUVE_Line_Model*>(model)};
    if (model->values && model->values->count >= 1) source.values = Copy_Model_Values;
    return Export_Section_To_VUVE(&source);
}

int VUVE_Extended_Installed(void) { return Extended_Installed_In(VEKGetEnv("EXEC")); }

int VUVE_Extended_Enabled(void) {
    if (!extensions_on) return 0;
    if (extensions_installed < 0) extensions_installed = VUVE_Extended_Installed();
    return extensions_installed;
}

void Enable_VUVE_Extensions(void) {
    extensions_on = 1;
    *DWQB_Service_Switches[0] = 1;
}

namespace {

int Write_Section_Text(FILE* f, void* context) {
    const auto* r = static_cast<const Sonderquerschnitt*>(context);
    const size_t n = static_cast<size_t>(r->text_length - 1);
    return std::fwrite(r->text, 1, n, f) == n ? VEK_WRITE_DONE : VEK_WRITE_FAILED;
}

// Puts the exchange file in order before Q7-VUVE starts: the section to
// hand over written whole under a temporary name and renamed over the old
// file, or, with none to hand over, the old file removed. False when that
// failed (the user is told which file and why): Q7-VUVE would take the old
// file's section for the user's, and its answer would replace the section.
bool Prepare_Exchange(const char* exchange, const Sonderquerschnitt* section, bool hand_over) {
    bool ready;
    errno = 0;
    if (hand_over) {
        // A folder that could not be synced still holds the new file: it
        // is only read by the tool about to start.
        const int result =
            VEK_Replace_File(exchange, Write_Section_Text, nullptr, const_cast<Sonderquerschnitt*>(section), 0);
        ready = result == VEK_REPLACE_DONE || result == VEK_REPLACE_UNSYNCED;
    } else {
        ready = std::remove(exchange) == 0 || errno == ENOENT;
    }
    const int error = errno;
    if (ready) return true;
    const char* why = error ? std::strerror(error) : "Schreibfehler";
    if (VEK_Batch_Mode()) {
        Message_in_Mode(MESSAGE_MODE_BOX, "%s: the exchange file cannot be %s (%s); Q7-VUVE is not started", exchange,
                        hand_over ? "written" : "removed", why);
        return false;
    }
    Init_Message();
    Fill_Message("%s", hand_over ? "Die Austauschdatei kann nicht geschrieben werden:"
                                 : "Die alte Austauschdatei kann nicht entfernt werden:");
    Fill_Message("%s", exchange);
    Fill_Message("%s", why);
    Fill_Message("%s", "Q7-VUVE wird nicht gestartet.");
    Draw_Message();
    return false;
}

}  // namespace

Sonderquerschnitt* Start_VUVE(int kind_mask, Sonderquerschnitt* section) {
    const char* exec = std::getenv("EXEC");
    char program[VEK_MAX_PATH + 1];
    if (!Exec_Program(exec, "Q7-VUVE\\Q.EXE", program, sizeof program) || _access(program, 0) != 0) {
        Init_Message();
        Fill_Message("%s", "INSTALLATIONSFEHLER ?");
        Fill_Message("%s", "\xDF\xDF\xDF\xDF\xDF\xDF\xDF\xDF\xDF\xDF\xDF\xDF\xDF\xDF\xDF\xDF\xDF\xDF\xDF\xDF\xDF");
        Fill_Message("%s", "Das Programm Q7-VUVE");
        Fill_Message("%s", "ist nicht verfügbar."_cp);
        Draw_Message();
        return nullptr;
    }
    char exchange[VEK_MAX_PATH + 1];
    if (!Get_XPRT_Path(exchange, sizeof exchange)) return section;
    char mask_text[16];
    std::snprintf(mask_text, sizeof mask_text, "%d", kind_mask);
    const bool hand_over = section && (kind_mask & section->kind) && section->text && section->text_length > 1;
    if (!Prepare_Exchange(exchange, section, hand_over)) return section;
    const char* extension = "0";
    if (extensions_on) {
        if (extensions_installed < 0) extensions_installed = VUVE_Extended_Installed();
        if (extensions_installed == 1) extension = "1";
    }
    const char* argv[] = {program, mask_text, exchange, caller_name, extension, nullptr};
    Init_Message();
    Fill_Message("%s", "    Warte auf");
    Fill_Message("%s", "    Q7-VUVE");
    Fill_Message("%s", " ");
    Set_Message_Symbol(4, 1, 10, 10);
    Show_Message();
    VEKSpawnv(0, program, argv);
    Quit_Message();
    if (_access(exchange, 0) != 0) return section;
    if (!section) section = New_Sonderquerschnitt();
    Read_XPRT_File(section);
    return section;
}

void Reset_User_Sections(void) {
    while (list_head) Delete_Sonderquerschnitt(list_head);
    text_cursor = nullptr;
    std::strcpy(grq_extension, ".GRQ");
    std::strcpy(xprt_name, "XPRT.TMP");
    std::strcpy(vuve_ein_name, "VUVE.EIN");
    std::strcpy(caller_name, "Q7-KLOV");
    extensions_on = 0;
    extensions_installed = -1;
    failed_store.clear();
    store_error.clear();
}
