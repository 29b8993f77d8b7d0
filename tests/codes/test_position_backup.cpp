// The temporary backup of the edited position: made, compared and restored;
// restored after the program was killed while editing (and while writing
// the backup) it gives back the last position saved.
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "base/filenames.h"
#include "codes/position_backup.h"
#include "codes/versioned_text.h"
#include "dialogs/messages.h"
#include "platform/events.h"
#include "platform/msgbox.h"
#include "support/global_state.h"
#include "support/testutil.h"

using testutil::Read_File;
using testutil::Write_File;

namespace {

const testutil::Global_Reset reset_backup(Reset_Position_Backup);

// The position of a small program: written and read with the versioned
// text files, as a program of the library would.
struct Position {
    int number;
    double load;
    char name[VERSIONED_TEXT_SIZE];
};
Position position;
bool kill_while_writing = false;

int Write_Position(FILE* f) {
    if (Begin_Versioned_Write(f, 1.0) || Write_Versioned_Value(&position.number, 'i') ||
        Write_Versioned_Value(&position.load, 'd'))
        return 1;
    if (kill_while_writing) {
        std::fflush(f);
        raise(SIGKILL);  // the program dies half way through the backup
    }
    return Write_Versioned_Value(position.name, 't') || Write_Line_End();
}

int Read_Position(FILE* f) {
    Position p{};
    const int failed = Begin_Versioned_Read(f, 1.0) || Read_Versioned_Value(&p.number, 'i', 1.0, 0) ||
                       Read_Versioned_Value(&p.load, 'd', 1.0, 0) || Read_Versioned_Value(p.name, 't', 1.0, 0);
    std::fclose(f);
    if (!failed) position = p;
    return failed;
}

void Set(int number, double load, const char* name) {
    position.number = number;
    position.load = load;
    std::snprintf(position.name, sizeof position.name, "%s", name);
}

struct BackupDir {
    testutil::TempDir dir;
    BackupDir() {
        kill_while_writing = false;
        Setup_Position();
        VEK_Clear_Recorded_Messages();
    }
    void Setup_Position() {
        Setup_Position_Backup_Names(Read_Position, Write_Position, (dir.str() + "/").c_str(), "POS1", "POS1.DAT",
                                    nullptr);
    }
    std::string File(const char* suffix) const { return dir.file(std::string("POS1") + suffix); }
};

TEST(PositionBackup, RestoredAfterTheProgramWasKilledWhileEditing) {
    BackupDir b;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        Set(1, 10.5, "erste Sicherung");
        Write_Position_Backup();
        Set(2, 20.25, "zweite Sicherung");
        Write_Position_Backup();  // the last position saved
        Set(3, 99.0, "nie gesichert");
        kill_while_writing = true;
        Write_Position_Backup();  // killed half way
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    // The next start: the regular save holds an older position.
    Set(0, 1.0, "regulär");
    b.Setup_Position();
    ASSERT_EQ(Position_Backup_Exists(), 1);
    // The interrupted write never reached the backup's name.
    EXPECT_NE(Read_File(b.File(".bak")).find("zweite\x8CSicherung"), std::string::npos);
    VEK_Script_Answer(1);
    EXPECT_EQ(Recover_Position_Backup(), 0);
    EXPECT_EQ(position.number, 2);
    EXPECT_EQ(position.load, 20.25);
    EXPECT_STREQ(position.name, "zweite Sicherung");
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines.back(), "\x84lteren regul\x84ren Sicherung geladen werden?");
    EXPECT_FALSE(std::filesystem::exists(b.File(".bak")));
    EXPECT_FALSE(std::filesystem::exists(b.File(".cmp")));
}

TEST(PositionBackup, IdenticalBackupIsRemovedWithoutAsking) {
    BackupDir b;
    Set(5, 2.5, "gleich");
    ASSERT_EQ(Write_Position_Backup(), 0);
    ASSERT_EQ(Write_Position_Calc_Backup(), 0);
    EXPECT_EQ(Position_Differs_From_Backup(), 0);
    EXPECT_EQ(Position_Differs_From_Calc_Backup(), 0);
    EXPECT_EQ(Recover_Position_Backup(), 0);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
    EXPECT_FALSE(std::filesystem::exists(b.File(".bak")));
    EXPECT_FALSE(std::filesystem::exists(b.File(".clcbak")));
    // No backup: nothing to do.
    EXPECT_EQ(Recover_Position_Backup(), 0);
}

TEST(PositionBackup, AnUnreadableBackupStaysForAnotherAttempt) {
    BackupDir b;
    Write_File(b.File(".bak"), "kein Datensatz\n");
    const int category = Open_Message_Category();
    const int mode = Get_Message_Mode();
    Set_Message_Mode(MESSAGE_MODE_COLLECT);
    VEK_Script_Answer(1);
    EXPECT_EQ(Recover_Position_Backup(), 1);
    ASSERT_EQ(Current_Message_Count(), 1);
    EXPECT_STREQ(Message_Category_Line(category, 0), "^bFEHLER: Datensatz der tempor\x84ren Sicherung nicht lesbar!\n");
    EXPECT_EQ(Read_File(b.File(".bak")), "kein Datensatz\n");
    // Answered no: the user chose the regular save; the backup goes.
    VEK_Script_Answer(0);
    EXPECT_EQ(Recover_Position_Backup(), 0);
    EXPECT_FALSE(std::filesystem::exists(b.File(".bak")));
    Close_Message_Category(category);
    Set_Message_Mode(mode);
}

TEST(PositionBackup, ComparisonsCopiesAndDisabling) {
    BackupDir b;
    Write_File(b.File(".a"), "abc");
    Write_File(b.File(".b"), "abcd");
    Write_File(b.File(".c"), "abc");
    EXPECT_EQ(Compare_Files(b.File(".a").c_str(), b.File(".c").c_str()), 0);
    EXPECT_EQ(Compare_Files(b.File(".a").c_str(), b.File(".b").c_str()), 1);  // a proper prefix
    EXPECT_EQ(Compare_Files(b.File(".b").c_str(), b.File(".a").c_str()), 1);
    EXPECT_EQ(Compare_Files(b.File(".a").c_str(), b.File(".none").c_str()), 1);
    EXPECT_EQ(Copy_Text_File_To(b.File(".copy").c_str(), b.File(".b").c_str()), 0);
    EXPECT_EQ(Read_File(b.File(".copy")), "abcd");
    EXPECT_EQ(Copy_Text_File_To(b.File(".copy").c_str(), b.File(".none").c_str()), 1);
    EXPECT_EQ(Read_File(b.File(".copy")), "abcd");
    Set(1, 1.0, "x");
    EXPECT_EQ(Position_Differs_From_First_Extra(), 1);  // the regular save is missing
    EXPECT_EQ(Write_Position_To(b.File(".DAT").c_str()), 0);
    EXPECT_EQ(Position_Differs_From_First_Extra(), 0);
    Write_Position_Backup();
    Disable_Position_Backup();
    EXPECT_EQ(Compare_Files(b.File(".a").c_str(), b.File(".c").c_str()), 1);
    EXPECT_EQ(Write_Position_Backup(), 1);
    EXPECT_EQ(Open_Position_Backup(), nullptr);
    Remove_Position_Backups();
    EXPECT_TRUE(std::filesystem::exists(b.File(".bak")));
}

// The calls on a named path: a read gets the open file and its result is
// the call's (1 when the file is missing, the reader then not called); a
// comparison writes the position anew and compares bytes; a copy joins
// both names to the path prefix.
std::string g_read;
int Read_Text(FILE* f) {
    g_read.clear();
    for (int c; (c = std::fgetc(f)) != EOF;) g_read += static_cast<char>(c);
    std::fclose(f);
    return g_read == "POS 7\n" ? 0 : 3;
}
int Write_Text(FILE* f) { return std::fputs("POS 7\n", f) < 0; }

TEST(PositionBackup, ReadCompareAndCopyByPath) {
    testutil::TempDir dir;
    const std::string same = dir.file("same"), other = dir.file("other"), missing = dir.file("none");
    Write_File(same, "POS 7\n");
    Write_File(other, "POS 8\n");
    // No write function yet: every comparison is a difference.
    EXPECT_EQ(Position_Differs_From(same.c_str()), 1);
    Setup_Position_Backup(Read_Text, Write_Text, (dir.str() + "/").c_str(), "P", nullptr, nullptr);
    const struct {
        const std::string* path;
        int read, differs;
        const char* seen;
    } cases[] = {{&same, 0, 0, "POS 7\n"}, {&other, 3, 1, "POS 8\n"}, {&missing, 1, 1, "untouched"}};
    for (const auto& c : cases) {
        g_read = "untouched";
        EXPECT_EQ(Read_Position_From(Read_Text, c.path->c_str()), c.read) << *c.path;
        EXPECT_EQ(g_read, c.seen);
        EXPECT_EQ(Position_Differs_From(c.path->c_str()), c.differs) << *c.path;
    }
    EXPECT_EQ(Read_File(dir.file("P.cmp")), "POS 7\n");

    Set_File_Base(dir.file("K1_").c_str());
    EXPECT_EQ(Copy_Base_Path_File("KOPIE", "same"), 1);  // K1_same is not there
    Write_File(dir.file("K1_QUELLE"), "Zeile 1\r\nZeile 2");
    EXPECT_EQ(Copy_Base_Path_File("KOPIE", "QUELLE"), 0);
    EXPECT_EQ(Read_File(dir.file("K1_KOPIE")), "Zeile 1\r\nZeile 2");
    EXPECT_EQ(Copy_Base_Path_File("KOPIE", std::string(300, 'x').c_str()), 1);  // beyond 260 characters
    EXPECT_EQ(Read_File(dir.file("K1_KOPIE")), "Zeile 1\r\nZeile 2");
    Set_File_Base(nullptr);
}

}  // namespace
