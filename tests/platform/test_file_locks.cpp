// Who writes a file where no lock tells it: the record a writer puts
// beside its files in a folder that keeps no locks.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/file_locks.h"
#include "support/testutil.h"

namespace test_file_locks {

// The record of this process names a live writer; the same record with
// the id of a process that has ended, or with another start time (the id
// taken again by a new process), a gone one. One of another machine, boot
// or process space cannot be told from here, nor can a file that holds no
// whole record.
TEST(FileLocks, ARecordTellsALiveWriterFromAGoneOne) {
    testutil::TempDir dir;
    const std::string own = dir.file("own.run");
    ASSERT_EQ(VEK_Write_Owner_Record(own.c_str()), 1);
    EXPECT_EQ(VEK_Write_Owner_Record(own.c_str()), 0);
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(VEK_Owner_State(own.c_str()), VEK_OWNER_LIVE);
    const std::string text = testutil::Read_File(own);
    VEK_Owner_Record record;
    ASSERT_EQ(VEK_Parse_Owner_Record(text.data(), text.size(), &record), 1) << text;
    EXPECT_EQ(record.pid, static_cast<long>(getpid()));
    const pid_t child = fork();
    if (child == 0) _exit(0);
    ASSERT_GT(child, 0);
    waitpid(child, nullptr, 0);
    const struct {
        const char* what;
        void (*change)(VEK_Owner_Record*, long);
        int state;
    } cases[] = {
        {"an ended process", [](VEK_Owner_Record* r, long ended) { r->pid = ended; }, VEK_OWNER_GONE},
        {"another start", [](VEK_Owner_Record* r, long) { r->start += 1; }, VEK_OWNER_GONE},
        {"another machine", [](VEK_Owner_Record* r, long) { std::strcpy(r->host, "another-host"); }, VEK_OWNER_UNKNOWN},
        {"another boot", [](VEK_Owner_Record* r, long) { r->boot[0] = r->boot[0] == 'a' ? 'b' : 'a'; },
         VEK_OWNER_UNKNOWN},
        {"another process space", [](VEK_Owner_Record* r, long) { std::strcpy(r->space, "pid:[1]"); },
         VEK_OWNER_UNKNOWN},
    };
    for (const auto& c : cases) {
        VEK_Owner_Record changed = record;
        c.change(&changed, child);
        char written[256];
        const size_t n = VEK_Format_Owner_Record(&changed, written, sizeof written);
        ASSERT_GT(n, 0u) << c.what;
        testutil::Write_File(dir.file("changed.run"), std::string(written, n));
        EXPECT_EQ(VEK_Owner_State(dir.file("changed.run").c_str()), c.state) << c.what;
    }
    for (const std::string& damaged : {std::string(), text.substr(0, text.size() - 1), "vek-owner 0" + text.substr(10),
                                       text + "x"}) {
        testutil::Write_File(dir.file("damaged.run"), damaged);
        EXPECT_EQ(VEK_Owner_State(dir.file("damaged.run").c_str()), VEK_OWNER_UNKNOWN) << damaged;
    }
    EXPECT_EQ(VEK_Owner_State(dir.file("none.run").c_str()), VEK_OWNER_UNKNOWN);
}

}  // namespace test_file_locks
