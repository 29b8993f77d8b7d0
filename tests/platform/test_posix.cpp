// Windows and runtime calls on POSIX: separators, joins, temporary names,
// access checks and full paths.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <string>

#include "platform/posix.h"
#include "support/testutil.h"

using testutil::TempDir;

TEST(Posix, JoinAcceptsEitherSeparatorAndRefusesOverlongNames)
{
    char buf[32];
    EXPECT_STREQ(VEK_Join_Path(buf, sizeof buf, "C:\\PROJ\\P1", "BT01_01.INP"), "C:/PROJ/P1/BT01_01.INP");
    EXPECT_STREQ(VEK_Join_Path(buf, sizeof buf, "/tmp/", "\\LoadPick.exe"), "/tmp/LoadPick.exe");
    EXPECT_STREQ(VEK_Join_Path(buf, sizeof buf, "", "a\\b"), "a/b");
    char small[8];
    EXPECT_EQ(VEK_Join_Path(small, sizeof small, "/abc", "defgh"), nullptr);
    EXPECT_STREQ(small, "/abc/de");  // cut, terminated, and reported as failure
    EXPECT_EQ(VEK_Native_Path(small, sizeof small, "a\\b\\cdefgh"), nullptr);
    EXPECT_STREQ(VEK_Native_Path(buf, sizeof buf, "a\\b"), "a/b");
}

TEST(Posix, TempFileNameCreatesAFreshFileInTheDirectory)
{
    TempDir t;
    char a[VEK_MAX_PATH + 1], b[VEK_MAX_PATH + 1];
    std::string dir = t.str() + "\\";
    ASSERT_NE(GetTempFileNameA(dir.c_str(), "VEKXYZ", 0, a), 0u);
    ASSERT_NE(GetTempFileNameA(t.str().c_str(), "VEK", 0, b), 0u);
    EXPECT_STRNE(a, b);
    EXPECT_EQ(std::strncmp(a, (t.str() + "/VEK").c_str(), t.str().size() + 4), 0);
    EXPECT_EQ(_access(a, 0), 0);
    EXPECT_NE(DeleteFileA(a), 0);
    EXPECT_EQ(_access(a, 0), -1);
    EXPECT_EQ(DeleteFileA(a), 0);
    EXPECT_EQ(GetTempFileNameA((t.str() + "/missing").c_str(), "VEK", 0, a), 0u);

    char* n = _tempnam(t.str().c_str(), "VEK_");
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(std::strncmp(n, (t.str() + "/VEK_").c_str(), t.str().size() + 5), 0);
    EXPECT_EQ(_access(n, 0), -1);  // only the name
    std::free(n);
}

namespace {
int Write_Context_Text(FILE* f, void* context)
{
    const std::string* text = static_cast<const std::string*>(context);
    return std::fwrite(text->data(), 1, text->size(), f) == text->size() ? 1 : 0;
}
int Write_Then_Give_Up(FILE* f, void*)
{
    std::fputs("halb", f);
    return 0;
}
}  // namespace

TEST(Posix, FilesAreReplacedWholeOrNotAtAll)
{
    TempDir t;
    const mode_t mask = umask(022);
    std::string text = "neu\n";
    // A new file gets the permissions the umask allows; an existing one keeps
    // its own; a link stays a link to the file it names.
    ASSERT_EQ(VEK_Write_File_Replacing(t.file("neu.txt").c_str(), Write_Context_Text, &text), 1);
    EXPECT_EQ(testutil::Read_File(t.file("neu.txt")), "neu\n");
    EXPECT_EQ(std::filesystem::status(t.file("neu.txt")).permissions(), std::filesystem::perms(0644));
    testutil::Write_File(t.file("alt.txt"), "alt\n");
    chmod(t.file("alt.txt").c_str(), 0640);
    std::filesystem::create_symlink(t.file("alt.txt"), t.file("link.txt"));
    std::string win = t.str() + "\\link.txt";
    ASSERT_EQ(VEK_Write_File_Replacing(win.c_str(), Write_Context_Text, &text), 1);
    EXPECT_TRUE(std::filesystem::is_symlink(t.file("link.txt")));
    EXPECT_EQ(testutil::Read_File(t.file("alt.txt")), "neu\n");
    EXPECT_EQ(std::filesystem::status(t.file("alt.txt")).permissions(), std::filesystem::perms(0640));
    umask(mask);

    // A writer that gives up, and writes that the disc refuses, leave the
    // old file and no temporary behind.
    testutil::Write_File(t.file("alt.txt"), "alt\n");
    EXPECT_EQ(VEK_Write_File_Replacing(t.file("alt.txt").c_str(), Write_Then_Give_Up, nullptr), 0);
    std::string big(5000, 'b');
    {
        testutil::ScopedFileSizeLimit full(1000);
        EXPECT_EQ(VEK_Write_File_Replacing(t.file("alt.txt").c_str(), Write_Context_Text, &big), 0);
    }
    EXPECT_EQ(VEK_Write_File_Replacing(t.file("fehlt/x.txt").c_str(), Write_Context_Text, &text), 0);
    EXPECT_EQ(VEK_Write_File_Replacing(t.str().c_str(), Write_Context_Text, &text), 0);  // a directory
    EXPECT_EQ(testutil::Read_File(t.file("alt.txt")), "alt\n");
    const auto entries = std::distance(std::filesystem::directory_iterator(t.path()), {});
    EXPECT_EQ(entries, 3);  // neu.txt, alt.txt, link.txt
}

TEST(Posix, AccessModesAndCurrentDirectory)
{
    TempDir t;
    testutil::Write_File(t.file("f"), "x");
    EXPECT_EQ(_access(t.file("f").c_str(), 0), 0);
    EXPECT_EQ(_access(t.file("f").c_str(), 6), 0);
    EXPECT_EQ(_access(t.file("f").c_str(), 1), -1);  // not executable
    EXPECT_EQ(_access(nullptr, 0), -1);
    char cwd[4096];
    ASSERT_NE(_getcwd(cwd, sizeof cwd), nullptr);
    char tiny[2];
    EXPECT_EQ(_getcwd(tiny, sizeof tiny), nullptr);
}

TEST(Posix, FullPathResolvesDotsByText)
{
    char buf[VEK_MAX_PATH + 1];
    EXPECT_STREQ(_fullpath(buf, "\\a\\b\\..\\c\\.\\d.txt", sizeof buf), "/a/c/d.txt");
    char cwd[4096];
    ASSERT_NE(_getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_EQ(std::string(_fullpath(buf, "x.dat", sizeof buf)), std::string(cwd) + "/x.dat");
    char small[4];
    EXPECT_EQ(_fullpath(small, "/abcdef", sizeof small), nullptr);
}

TEST(Posix, SplitPathGivesTheFourParts)
{
    char drive[VEK_MAX_PATH + 1], dir[VEK_MAX_PATH + 1], name[VEK_MAX_PATH + 1], ext[VEK_MAX_PATH + 1];
    _splitpath("C:\\PROJ\\P1\\BT01_01.INP", drive, dir, name, ext);
    EXPECT_STREQ(drive, "C:");
    EXPECT_STREQ(dir, "\\PROJ\\P1\\");
    EXPECT_STREQ(name, "BT01_01");
    EXPECT_STREQ(ext, ".INP");
    _splitpath("plain", drive, nullptr, name, ext);
    EXPECT_STREQ(drive, "");
    EXPECT_STREQ(name, "plain");
    EXPECT_STREQ(ext, "");
}

// A large buffer keeps 600 kB of a stream in memory (the C library's own
// would have written them in 4 kB pieces) until the stream is closed; the
// pool gives four buffers at a time, and a buffer given back serves the
// next stream.
TEST(Posix, LargeStreamBuffersComeFromAPoolOfFour)
{
    TempDir t;
    std::FILE* f[5];
    for (int i = 0; i < 5; i++) {
        f[i] = std::fopen(t.file("s" + std::to_string(i)).c_str(), "wb");
        ASSERT_NE(f[i], nullptr);
        EXPECT_EQ(VEK_Give_Large_Buffer(f[i]), i < 4 ? 1 : 0) << i;
    }
    EXPECT_EQ(VEK_Give_Large_Buffer(nullptr), 0);
    const std::string block(600000, 'x');
    ASSERT_EQ(std::fwrite(block.data(), 1, block.size(), f[0]), block.size());
    EXPECT_EQ(std::filesystem::file_size(t.file("s0")), 0u);
    EXPECT_EQ(VEK_Fclose_Buffered(f[0]), 0);
    EXPECT_EQ(testutil::Read_File(t.file("s0")), block);
    std::FILE* again = std::fopen(t.file("s5").c_str(), "wb");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(VEK_Give_Large_Buffer(again), 1);
    for (std::FILE* s : {f[1], f[2], f[3], f[4], again}) EXPECT_EQ(VEK_Fclose_Buffered(s), 0);
    EXPECT_EQ(VEK_Fclose_Buffered(nullptr), EOF);
}
