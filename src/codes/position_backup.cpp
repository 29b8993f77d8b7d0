// position_backup: the temporary backup of the edited position (see the
// header).
#include "codes/position_backup.h"

#include <cstdio>
#include <cstring>

#include "base/cp850.h"
#include "base/filenames.h"
#include "base/vesk.h"
#include "dialogs/messages.h"
#include "platform/msgbox.h"
#include "platform/posix.h"
#include "platform/sheets.h"

namespace {

Position_Read_Function read_function = nullptr;
Position_Write_Function write_function = nullptr;
char backup_path[POSITION_BACKUP_PATH_SIZE];
char calc_backup_path[POSITION_BACKUP_PATH_SIZE];
char compare_path[POSITION_BACKUP_PATH_SIZE];
char first_extra_path[POSITION_BACKUP_PATH_SIZE];
char second_extra_path[POSITION_BACKUP_PATH_SIZE];
int enabled = 1;
char* copy_target = nullptr;  // the full paths of the last Copy_Base_Path_File
char* copy_source = nullptr;

// dir + name + suffix into the field; an empty field when it does not fit.
void Make_Path(char* field, const char* dir, const char* name, const char* suffix) {
    const int n = std::snprintf(field, POSITION_BACKUP_PATH_SIZE, "%s%s%s", dir ? dir : "", name ? name : "",
                                suffix ? suffix : "");
    if (n < 0 || n >= POSITION_BACKUP_PATH_SIZE) field[0] = '\0';
}

// Every file here is opened for reading only, and only when it is a file.
FILE* Open_Native(const char* path) {
    char native[VEK_MAX_PATH + 32];
    if (!path || !path[0] || !VEK_Native_Path(native, sizeof native, path)) return nullptr;
    return VEK_Open_Reading(native, VEK_READ_CAP_DATA, nullptr);
}

void Remove_File(const char* path) {
    char native[VEK_MAX_PATH + 32];
    if (path && path[0] && VEK_Native_Path(native, sizeof native, path)) std::remove(native);
}

struct Write_Job {
    Position_Write_Function write;
    int result;
};

int Run_Write(FILE* f, void* context) {
    auto* job = static_cast<Write_Job*>(context);
    job->result = job->write(f);
    return job->result == 0;
}

int Copy_Bytes(FILE* f, void* context) {
    FILE* in = static_cast<FILE*>(context);
    char chunk[4096];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, in)) > 0;)
        if (std::fwrite(chunk, 1, got, f) != got) return 0;
    return !std::ferror(in);
}

char* Setup(Position_Read_Function read, Position_Write_Function write, const char* dir, const char* base) {
    read_function = read;
    write_function = write;
    Make_Path(backup_path, dir, base, ".bak");
    Make_Path(calc_backup_path, dir, base, ".clcbak");
    Make_Path(compare_path, dir, base, ".cmp");
    first_extra_path[0] = second_extra_path[0] = '\0';
    return nullptr;
}

}  // namespace

char* Setup_Position_Backup(Position_Read_Function read, Position_Write_Function write, const char* dir,
                            const char* base, const char* first_extra, const char* second_extra) {
    Setup(read, write, dir, base);
    if (first_extra) Make_Path(first_extra_path, first_extra, nullptr, nullptr);
    if (!second_extra) return nullptr;
    Make_Path(second_extra_path, second_extra, nullptr, nullptr);
    return second_extra_path;
}

char* Setup_Position_Backup_Names(Position_Read_Function read, Position_Write_Function write, const char* dir,
                                  const char* base, const char* first_name, const char* second_name) {
    Setup(read, write, dir, base);
    if (first_name) Make_Path(first_extra_path, dir, first_name, nullptr);
    if (!second_name) return nullptr;
    Make_Path(second_extra_path, dir, second_name, nullptr);
    return second_extra_path;
}

void Disable_Position_Backup(void) { enabled = 0; }

int File_Exists(const char* path) {
    char native[VEK_MAX_PATH + 32];
    return path && path[0] && VEK_Native_Path(native, sizeof native, path) && _access(native, 0) == 0 ? 1 : 0;
}

int Position_Backup_Exists(void) { return File_Exists(backup_path); }

int Write_Position_To(const char* path) {
    char native[VEK_MAX_PATH + 32];
    if (!write_function || !enabled || !path || !path[0] || !VEK_Native_Path(native, sizeof native, path)) return 1;
    Write_Job job{write_function, 1};
    if (VEK_Write_File_Replacing(native, Run_Write, &job)) return 0;
    return job.result != 0 ? job.result : 1;
}

int Write_Position_Backup(void) { return Write_Position_To(backup_path); }
int Write_Position_Calc_Backup(void) { return Write_Position_To(calc_backup_path); }

FILE* Open_Position_Backup(void) { return enabled ? Open_Native(backup_path) : nullptr; }

int Read_Position_From(Position_Read_Function read, const char* path) {
    FILE* f = Open_Native(path);
    if (!f) return 1;
    if (!read) {
        std::fclose(f);
        return 1;
    }
    return read(f);
}

int Read_Position_Backup(Position_Read_Function read) { return Read_Position_From(read, backup_path); }
int Read_Position_Calc_Backup(Position_Read_Function read) { return Read_Position_From(read, calc_backup_path); }

int Compare_Files(const char* path1, const char* path2) {
    if (!enabled) return 1;
    FILE* a = Open_Native(path1);
    FILE* b = Open_Native(path2);
    int result = !a || !b;
    while (!result) {
        char x[4096], y[4096];
        const size_t n = std::fread(x, 1, sizeof x, a);
        const size_t m = std::fread(y, 1, sizeof y, b);
        if (n != m || std::memcmp(x, y, n) != 0 || std::ferror(a) || std::ferror(b)) result = 1;
        else if (n == 0) break;
    }
    if (a) std::fclose(a);
    if (b) std::fclose(b);
    return result;
}

int Position_Differs_From(const char* path) {
    if (!enabled || !write_function) return 1;
    if (Write_Position_To(compare_path) != 0) return 1;
    return Compare_Files(path, compare_path);
}

int Position_Differs_From_Backup(void) { return Position_Differs_From(backup_path); }
int Position_Differs_From_First_Extra(void) { return Position_Differs_From(first_extra_path); }

int Position_Differs_From_Calc_Backup(void) {
    if (second_extra_path[0] && !File_Exists(second_extra_path)) return 1;
    return Position_Differs_From(calc_backup_path);
}

int Remove_Position_Backup(void) {
    if (enabled) Remove_File(backup_path);
    return 0;
}

int Remove_Position_Calc_Backup(void) {
    if (enabled) Remove_File(calc_backup_path);
    return 0;
}

int Remove_Position_Backups(void) {
    if (enabled) {
        Remove_File(backup_path);
        Remove_File(calc_backup_path);
        Remove_File(compare_path);
    }
    return 0;
}

int Recover_Position_Backup(void) {
    if (!Position_Backup_Exists()) return 0;
    int result = 0;
    const bool same = enabled && Write_Position_To(compare_path) == 0 && Compare_Files(backup_path, compare_path) == 0;
    if (!same) {
        Define_Prop_Sheet(0, 0, 1, 1, 0, 0, nullptr, 20, -2);
        Activate_Prop_Sheet();
        Undefine_Prop_Sheet();
        Init_Message();
        Fill_Message("%s", "Es existiert noch eine temporäre Sicherung, die während"_cp);
        Fill_Message("%s", "der letzten Bearbeitung der Position angelegt wurde.");
        Fill_Message("%s", "Dies läßt auf einen irregulären Abbruch schließen."_cp);
        Fill_Message("%s", "");
        Fill_Message("%s", "Soll die temporäre Sicherung anstelle der"_cp);
        Fill_Message("%s", "älteren regulären Sicherung geladen werden?"_cp);
        Set_Message_Symbol(3, 1, 0, 0);
        if (Answer_is_Yes(1)) {
            FILE* f = Open_Position_Backup();
            if (!f || !read_function || read_function(f) != 0) {
                if (f && !read_function) std::fclose(f);
                Error_Message_Default("%s", "Datensatz der temporären Sicherung nicht lesbar"_cp);
                result = 1;
            }
        }
    }
    // A backup that could not be read is the only copy of the last edits:
    // it stays for another attempt (or for a person to rescue).
    if (enabled && result == 0) Remove_Position_Backups();
    else if (enabled) Remove_File(compare_path);
    return result;
}

int Copy_Text_File_To(const char* target, const char* source) {
    char native[VEK_MAX_PATH + 32];
    FILE* in = Open_Native(source);
    if (!in) return 1;
    const int done = target && VEK_Native_Path(native, sizeof native, target) &&
                     VEK_Write_File_Replacing(native, Copy_Bytes, in);
    std::fclose(in);
    return done ? 0 : 1;
}

int Copy_Base_Path_File(const char* target_name, const char* source_name) {
    ITools_Free(&copy_target);
    ITools_Free(&copy_source);
    const char* t = Base_Path(target_name);
    if (t) copy_target = ITools_Strdup(t);
    const char* s = Base_Path(source_name);
    if (s) copy_source = ITools_Strdup(s);
    if (!copy_target || !copy_source) return 1;
    return Copy_Text_File_To(copy_target, copy_source);
}

void Reset_Position_Backup(void) {
    read_function = nullptr;
    write_function = nullptr;
    backup_path[0] = calc_backup_path[0] = compare_path[0] = '\0';
    first_extra_path[0] = second_extra_path[0] = '\0';
    enabled = 1;
    ITools_Free(&copy_target);
    ITools_Free(&copy_source);
}
