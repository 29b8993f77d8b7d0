// File names of a component from its path prefix, temporary files and
// number lines. See filenames.h for the contracts.
//
// Joins never cut a name: a joined name that would reach 261 characters is
// refused before any file is touched. The program hands Windows-style names
// ("\" separators); they are turned into native ones only where a file is
// opened, tested, removed or renamed.
#include "base/filenames.h"

#include <cassert>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

#include "base/textio.h"
#include "platform/desktop.h"
#include "platform/posix.h"

enum { JOIN_SIZE = FILE_BASE_MAX + 1, TEMP_SLOTS = 5, NUMBER_LINE_SIZE = 200 };

static char s_prefix[JOIN_SIZE];
static size_t s_prefix_len;
static char s_directory[JOIN_SIZE];
static char s_join[JOIN_SIZE];  // shared by Base_Path, Exists_Base and Remove_Base

struct TempSlot {
    FILE* stream;
    char name[JOIN_SIZE];
};
static TempSlot s_temp[TEMP_SLOTS];

static bool Is_Separator(char c) {
    return c == '\\' || c == '/';
}

const char* Set_File_Base(const char* prefix) {
    const size_t len = prefix ? strnlen(prefix, FILE_BASE_MAX) : 0;
    if (len > 0) std::memcpy(s_prefix, prefix, len);
    s_prefix[len] = '\0';
    s_prefix_len = len;

    const char* sep = nullptr;
    for (const char* p = s_prefix; *p; ++p)
        if (Is_Separator(*p)) sep = p;
    if (sep) {
        const size_t n = static_cast<size_t>(sep - s_prefix);
        std::memcpy(s_directory, s_prefix, n);
        s_directory[n] = '\0';
    } else if (const char* colon = std::strrchr(s_prefix, ':')) {
        const size_t n = static_cast<size_t>(colon - s_prefix) + 1;
        std::memcpy(s_directory, s_prefix, n);
        s_directory[n] = '\0';
    } else if (!_getcwd(s_directory, JOIN_SIZE)) {
        s_directory[0] = '\0';
    }
    return s_prefix;
}

const char* Get_File_Base(void) {
    return s_prefix;
}

const char* Get_File_Base_Directory(void) {
    return s_directory;
}

// prefix + name into buffer (size bytes, at least 1). On a name that does
// not fit, the buffer holds the first size - 1 characters and false results.
static bool Join(char* buffer, size_t size, const char* name) {
    assert(buffer && size >= 1);
    const size_t name_len = name ? std::strlen(name) : 0;
    const size_t total = s_prefix_len + name_len;
    const size_t room = size - 1;
    const size_t from_prefix = s_prefix_len < room ? s_prefix_len : room;
    std::memcpy(buffer, s_prefix, from_prefix);
    const size_t from_name = total < room ? name_len : room - from_prefix;
    if (from_name > 0) std::memcpy(buffer + from_prefix, name, from_name);
    buffer[from_prefix + from_name] = '\0';
    return total < size;
}

// The native form of a joined name ("\" becomes "/").
static bool Native(char* out, const char* joined) {
    return VEK_Native_Path(out, JOIN_SIZE, joined) != nullptr;
}

char* Make_Base_Path(char* buffer, const char* name, int size) {
    if (!buffer || size < 1) return nullptr;
    return Join(buffer, static_cast<size_t>(size), name) ? buffer : nullptr;
}

char* Base_Path(const char* name) {
    return Join(s_join, JOIN_SIZE, name) ? s_join : nullptr;
}

FILE* Fopen_Base(const char* name, const char* mode) {
    char joined[JOIN_SIZE], native[JOIN_SIZE];
    if (!mode || !Join(joined, JOIN_SIZE, name) || !Native(native, joined)) return nullptr;
    // A component's files are read only when they are files: a FIFO or a
    // device in their place would hang or feed the reader forever.
    const bool reading_only = mode[0] == 'r' && !std::strchr(mode, '+');
    if (reading_only) return VEK_Open_Reading(native, VEK_READ_CAP_DATA, nullptr);
    return std::fopen(native, mode);
}

int Exists_Base(const char* name) {
    if (!Join(s_join, JOIN_SIZE, name)) return 0;
    return _access(s_join, 0) == 0 ? 1 : 0;
}

int Remove_Base(const char* name) {
    char native[JOIN_SIZE];
    if (!Join(s_join, JOIN_SIZE, name) || !Native(native, s_join)) return 1;
    return std::remove(native) == 0 ? 0 : 1;
}

int Copy_Base_File(const char* source, const char* target, int flag) {
    char from[JOIN_SIZE], to[JOIN_SIZE];
    if (!Join(from, JOIN_SIZE, source) || !Join(to, JOIN_SIZE, target)) return 0;
    return VEKCopyFile(from, to, flag) != 0 ? 1 : 0;
}

int Remove_Base_Files(const char* pattern) {
    char joined[JOIN_SIZE];
    if (!Join(joined, JOIN_SIZE, pattern)) return -1;
    // The name part begins after the last separator, else after the first
    // colon, else at the start.
    size_t name_at = 0;
    for (size_t i = 0; joined[i]; ++i)
        if (Is_Separator(joined[i])) name_at = i + 1;
    if (name_at == 0) {
        if (const char* colon = std::strchr(joined, ':')) name_at = static_cast<size_t>(colon - joined) + 1;
    }
    int removed = 0;
    DOSFindRecord record = {nullptr, nullptr};
    for (int found = DOSFindFirstFile(joined, &record); found == 0; found = DOSFindNext(&record)) {
        if (!record.name) continue;
        char path[JOIN_SIZE], full[JOIN_SIZE];
        const size_t name_len = std::strlen(record.name);
        if (name_at + name_len >= JOIN_SIZE) continue;
        std::memcpy(path, joined, name_at);
        std::memcpy(path + name_at, record.name, name_len + 1);
        if (!_fullpath(full, path, JOIN_SIZE)) continue;
        if (std::remove(full) == 0) ++removed;
    }
    DOSFindClose(&record);
    return removed;
}

int Rename_Base(const char* old_name, const char* new_name) {
    char from[JOIN_SIZE], to[JOIN_SIZE], native_from[JOIN_SIZE], native_to[JOIN_SIZE];
    if (!Join(from, JOIN_SIZE, old_name) || !Join(to, JOIN_SIZE, new_name)) return 0;
    if (!Native(native_from, from) || !Native(native_to, to)) return 0;
    return std::rename(native_from, native_to) == 0 ? 1 : 0;
}

// Creates an empty file VEK<6 characters>.TMP in dir and leaves its name in
// buffer. The name is taken atomically: no one else can get it.
static bool Create_Temp_In(const char* dir, char* buffer, size_t size) {
    char templ[JOIN_SIZE];
    if (!dir || !*dir || !VEK_Join_Path(templ, sizeof templ, dir, "VEKXXXXXX.TMP")) return false;
    if (std::strlen(templ) >= size) return false;
    const int fd = mkstemps(templ, 4);
    if (fd < 0) return false;
    close(fd);
    std::memcpy(buffer, templ, std::strlen(templ) + 1);
    return true;
}

char* Make_Temp_File_Name(char* buffer, int size) {
    if (!buffer || size < 1) return nullptr;
    const size_t room = static_cast<size_t>(size);
    if (Create_Temp_In(VEKGetEnv("TEMP"), buffer, room)) return buffer;
    if (Create_Temp_In(VEKGetEnv("TMPDIR"), buffer, room)) return buffer;
    if (Create_Temp_In("/tmp", buffer, room)) return buffer;
    buffer[0] = '\0';
    return nullptr;
}

FILE* Open_Temp_Stream(const char* mode) {
    if (!mode) return nullptr;
    for (TempSlot& slot : s_temp) {
        if (slot.stream) continue;
        if (!Make_Temp_File_Name(slot.name, JOIN_SIZE)) return nullptr;
        slot.stream = std::fopen(slot.name, mode);
        if (!slot.stream) {
            std::remove(slot.name);
            slot.name[0] = '\0';
        }
        return slot.stream;
    }
    return nullptr;
}

int Close_Temp_Stream(FILE* stream) {
    if (!stream) return 0;
    for (TempSlot& slot : s_temp) {
        if (slot.stream != stream) continue;
        const int rc = std::fclose(stream);
        slot.stream = nullptr;
        std::remove(slot.name);
        slot.name[0] = '\0';
        return rc == 0 ? 1 : 0;
    }
    return 0;
}

static int Parse_Value(const char* text, double* value, const char** end) {
    return Parse_Double(text, value, end);
}

static int Parse_Value(const char* text, int* value, const char** end) {
    return Parse_Int(text, 0, value, end);
}

// Parses up to n values from the line; the values not read are 0. 1, or
// INT_TOO_LARGE when the parsing ended at an int that does not fit.
template <typename T>
static int Parse_Line(const char* line, T* values, int n) {
    int k = 0, result = 1;
    const char* p = line;
    while (k < n) {
        while (*p && std::isspace(static_cast<unsigned char>(*p))) ++p;
        T value{};
        const char* end = p;
        const int parsed = Parse_Value(p, &value, &end);
        if (parsed != 1) {
            if (parsed == INT_TOO_LARGE) result = INT_TOO_LARGE;
            break;
        }
        values[k++] = value;
        p = end;
        while (*p && !std::isspace(static_cast<unsigned char>(*p))) ++p;
    }
    for (; k < n; ++k) values[k] = 0;
    return result;
}

template <typename T>
static int Read_Line_Numbers(FILE* stream, T* values, int n) {
    char line[NUMBER_LINE_SIZE];
    if (Read_Line(stream, line, NUMBER_LINE_SIZE) == READ_LINE_EOF) {
        if (values)
            for (int k = 0; k < n; ++k) values[k] = 0;
        return 0;
    }
    return values && n > 0 ? Parse_Line(line, values, n) : 1;
}

int Read_Line_Doubles(FILE* stream, double* values, int n) {
    return Read_Line_Numbers(stream, values, n);
}

int Read_Line_Ints(FILE* stream, int* values, int n) {
    return Read_Line_Numbers(stream, values, n);
}

int Read_Doubles(FILE* stream, double* values, int n) {
    if (!stream || !values || n < 1) return 0;
    int k = 0;
    while (k < n && Scan_Double(stream, &values[k]) == 1) ++k;
    for (int i = k; i < n; ++i) values[i] = 0;
    return k;
}

int Read_Ints(FILE* stream, int* values, int n) {
    if (!stream || !values || n < 1) return 0;
    // An int that does not fit ends the reading like any other bad number.
    int k = 0;
    while (k < n && Scan_Int(stream, 0, &values[k]) == 1) ++k;
    for (int i = k; i < n; ++i) values[i] = 0;
    return k;
}
