// archive: extraction of one archive member and the file-name check (see
// the header).
#include "weldapp/archive.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "base/cp850.h"
#include "platform/desktop.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/posix.h"

namespace {

const char PROTOCOL_NAME[] = "7zprot.txt";

// One stored path: false when it is absolute, names a drive or has a ".."
// part (either separator).
bool Path_Stays_Inside(const char* path) {
    if (path[0] == '/' || path[0] == '\\') return false;
    if (path[0] && path[1] == ':') return false;
    for (const char* p = path; *p;) {
        const size_t n = std::strcspn(p, "/\\");
        if (n == 2 && p[0] == '.' && p[1] == '.') return false;
        p += n;
        if (*p) ++p;
    }
    return true;
}

// Removes the private folder and whatever the extractor left in it.
void Remove_Folder(const std::string& dir) {
    DOSFindRecord r{};
    const std::string pattern = dir + "/*";
    if (DOSFindFirstFile(pattern.c_str(), &r) == 0) {
        do {
            std::remove((dir + "/" + r.name).c_str());
        } while (DOSFindNext(&r) == 0);
    }
    DOSFindClose(&r);
    rmdir(dir.c_str());
}

bool Fits(const char* text) { return std::strlen(text) <= VEK_MAX_PATH; }

int Extract(const char* archive, const char* member, const char* target, const char* exec, const char* temp) {
    char tool[VEK_MAX_PATH + 1], protocol[VEK_MAX_PATH + 1], native_target[VEK_MAX_PATH + 1];
    if (!VEK_Join_Path(tool, sizeof tool, exec, "7za") || !VEK_Join_Path(protocol, sizeof protocol, temp, PROTOCOL_NAME) ||
        !VEK_Native_Path(native_target, sizeof native_target, target))
        return ARCHIVE_TOO_LONG;
    const char* list_argv[] = {tool, "l", "-slt", archive, nullptr};
    if (VEK_Spawn_Wait_Output(tool, list_argv, protocol) != 0) return ARCHIVE_FAILED;
    FILE* listing = VEK_Open_Reading(protocol, VEK_READ_CAP_DATA, nullptr);
    const int safe = listing && Check_Archive_Listing(listing);
    if (listing) std::fclose(listing);
    if (!safe) return listing ? ARCHIVE_UNSAFE : ARCHIVE_FAILED;

    std::string folder = VEK_Join_String(temp, "7zXXXXXX");
    if (!mkdtemp(folder.data())) return ARCHIVE_FAILED;
    const std::string option = "-o" + folder;
    const char* argv[] = {tool, "e", archive, member, option.c_str(), "-y", nullptr};
    int result = VEK_Spawn_Wait_Output(tool, argv, protocol) == 0 ? ARCHIVE_OK : ARCHIVE_FAILED;
    const std::string extracted = folder + "/" + member;
    struct stat st;
    if (result == ARCHIVE_OK && (lstat(extracted.c_str(), &st) != 0 || !S_ISREG(st.st_mode))) result = ARCHIVE_FAILED;
    if (result == ARCHIVE_OK && std::rename(extracted.c_str(), VEK_Join_String(native_target, member).c_str()) != 0)
        result = ARCHIVE_FAILED;
    Remove_Folder(folder);
    return result;
}

void Show_Name_Message(const char* text) {
    Init_Message();
    Fill_Message("%s", text);
    Draw_Message();
}

}  // namespace

int Check_Archive_Listing(FILE* listing) {
    if (!listing) return 0;
    bool entries = false;
    std::string line;
    for (int c = 0; c != EOF;) {
        line.clear();
        while ((c = std::fgetc(listing)) != EOF && c != '\n') line.push_back(static_cast<char>(c));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.compare(0, 10, "----------") == 0) entries = true;
        // A path holding a zero byte is cut short by every reader after us:
        // it cannot be judged and is refused.
        else if (entries && line.compare(0, 7, "Path = ") == 0 &&
                 (line.find('\0') != std::string::npos || !Path_Stays_Inside(line.c_str() + 7)))
            return 0;
    }
    return 1;
}

int Extract_From_Archive(const char* archive, const char* member, const char* target_directory) {
    if (!archive || _access(archive, 4) != 0) return ARCHIVE_NOT_READABLE;
    if (!target_directory || _access(target_directory, 2) != 0) return ARCHIVE_TARGET_LOCKED;
    const char* exec = std::getenv("EXEC");
    if (!exec || !*exec) return ARCHIVE_NO_EXEC;
    const char* temp = std::getenv("TEMP");
    if (!temp || !*temp) return ARCHIVE_NO_TEMP;
    if (!member || !*member || !Check_File_Name(member, 0) || std::strcmp(member, ".") == 0) return ARCHIVE_UNSAFE;
    if (!Fits(archive) || !Fits(member) || !Fits(target_directory) || !Fits(exec) || !Fits(temp))
        return ARCHIVE_TOO_LONG;
    const int cursor = currentMouseCursor();
    setMouseCursor(6);
    const int result = Extract(archive, member, target_directory, exec, temp);
    setMouseCursor(cursor);
    return result;
}

int Check_File_Name(const char* name, int show_message) {
    if (!name) name = "";
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) {
        if (show_message) Show_Name_Message("Eine Datei darf weder '.' noch '..' heißen!"_cp);
        return 0;
    }
    if (std::strpbrk(name, "\\/:*?\"<>|")) {
        if (show_message) Show_Name_Message("Unzulässige Zeichen (\\/:*?\"<>|) im Dateinamen!"_cp);
        return 0;
    }
    return 1;
}
