// Windows and runtime calls on POSIX: separators, joins, temporary names,
// access checks and full paths.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <string>
#include <unistd.h>

#include "platform/format.h"
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
    // One separator between the two, whatever each brings; a name alone
    // keeps its own.
    EXPECT_STREQ(VEK_Join_Path(buf, sizeof buf, "C:\\D\\", "\\/x"), "C:/D/x");
    EXPECT_STREQ(VEK_Join_Path(buf, sizeof buf, "", "/x"), "/x");
    EXPECT_EQ(VEK_Join_Path(small, sizeof small, "/abcdef", "g"), nullptr);
    EXPECT_STREQ(small, "/abcdef");  // the separator no longer fits
    EXPECT_EQ(VEK_Join_Path(small, sizeof small, "/abcdefgh", "g"), nullptr);
    EXPECT_STREQ(small, "/abcdef");
    // Joined in place: the buffer holds the folder it joins to.
    std::strcpy(buf, "C:\\D");
    EXPECT_STREQ(VEK_Join_Path(buf, sizeof buf, buf, "x"), "C:/D/x");
    EXPECT_STREQ(VEK_Join_Path(buf, sizeof buf, "E", buf + 2), "E/D/x");
    std::strcpy(buf, "a\\b");
    EXPECT_STREQ(VEK_Native_Path(buf, sizeof buf, buf), "a/b");
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

namespace {
// A check that takes a new file when it holds no "inf", as a reader of
// numbers would.
int Check_No_Infinity(const char* written, void*)
{
    return testutil::Read_File(written).find("inf") == std::string::npos ? VEK_WRITE_DONE : VEK_WRITE_FAILED;
}
}  // namespace

// The outcome of a replace told apart: a new file its check refuses never
// replaces the old one (which stays byte for byte, no temporary left); a
// link is followed, or with VEK_REPLACE_LINK replaced itself, dangling or
// not, the file it named left alone; a folder is no target (EISDIR).
TEST(Posix, ReplaceChecksTheNewFileAndReplacesLinksWhenAsked)
{
    TempDir t;
    const std::string outside = t.file("outside.txt"), target = t.file("dir/target.txt");
    std::filesystem::create_directory(t.file("dir"));
    const struct {
        const char* what;
        const char* stands;  // "file", "link", "dangling" or "folder" at the target
        const char* text;
        int flags;
        int result;
        const char* after;   // the target's bytes afterwards, through a link ("" none)
        const char* outside; // the linked file's bytes afterwards ("" none)
    } cases[] = {
        {"refused by the check", "file", "1 inf\n", 0, VEK_REPLACE_UNREADABLE, "alt\n", ""},
        {"taken by the check", "file", "1 2\n", 0, VEK_REPLACE_DONE, "1 2\n", ""},
        {"link followed", "link", "1 2\n", 0, VEK_REPLACE_DONE, "1 2\n", "1 2\n"},
        {"link replaced", "link", "1 2\n", VEK_REPLACE_LINK, VEK_REPLACE_DONE, "1 2\n", "alt\n"},
        {"link replaced, refused", "link", "inf", VEK_REPLACE_LINK, VEK_REPLACE_UNREADABLE, "alt\n", "alt\n"},
        {"dangling link replaced", "dangling", "1 2\n", VEK_REPLACE_LINK, VEK_REPLACE_DONE, "1 2\n", ""},
        {"dangling link followed", "dangling", "1 2\n", 0, VEK_REPLACE_FAILED, "", ""},
        {"folder", "folder", "1 2\n", VEK_REPLACE_LINK, VEK_REPLACE_FAILED, "", ""},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(target);
        std::filesystem::remove(outside);
        const std::string stands = c.stands;
        if (stands == "file") testutil::Write_File(target, "alt\n");
        if (stands == "link") testutil::Write_File(outside, "alt\n");
        if (stands == "link" || stands == "dangling") std::filesystem::create_symlink(outside, target);
        if (stands == "folder") std::filesystem::create_directory(target);
        std::string text = c.text;
        errno = 0;
        EXPECT_EQ(VEK_Replace_File(target.c_str(), Write_Context_Text, Check_No_Infinity, &text, c.flags), c.result)
            << c.what;
        EXPECT_TRUE(stands != "folder" || errno == EISDIR) << std::strerror(errno);
        const bool link_stays = (stands == "link" || stands == "dangling") &&
                                !(c.flags & VEK_REPLACE_LINK && c.result == VEK_REPLACE_DONE);
        EXPECT_EQ(std::filesystem::is_symlink(target), link_stays) << c.what;
        EXPECT_EQ(std::filesystem::is_regular_file(target) ? testutil::Read_File(target) : "", c.after) << c.what;
        EXPECT_EQ(std::filesystem::exists(outside) ? testutil::Read_File(outside) : "", c.outside) << c.what;
        // The target alone in its folder, beside the linked file no temporary.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.file("dir")), {}), 1) << c.what;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.path()), {}),
                  std::filesystem::exists(outside) ? 2 : 1)
            << c.what;
    }
}

namespace {
// The target written by Write_Outer_Then_Inner, and what the inner save of
// the same target found of the outer one's temporary.
std::string nested_target;
int outer_temporaries_seen = -1;

int Count_Temporaries(const std::string& dir)
{
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        n += e.path().filename().string().rfind(".vek-", 0) == 0;
    return n;
}

// Starts writing, then lets a second save of the same target run to its
// end, then ends its own writing.
int Write_Outer_Then_Inner(FILE* f, void*)
{
    std::fputs("au", f);
    std::string inner = "innen\n";
    VEK_Write_File_Replacing(nested_target.c_str(), Write_Context_Text, &inner);
    outer_temporaries_seen = Count_Temporaries(std::filesystem::path(nested_target).parent_path().string());
    std::fputs("ssen\n", f);
    return 1;
}
}  // namespace

// A killed save leaves its temporary behind; the next save of the same
// target removes those whose writer is gone, and only those.
TEST(Posix, StaleTemporariesOfTheTargetGoAtItsNextSave)
{
    TempDir t;
    const pid_t child = fork();
    if (child == 0) _exit(0);
    ASSERT_GT(child, 0);
    waitpid(child, nullptr, 0);  // its id now names no process
    const std::string dead = std::to_string(child), alive = std::to_string(getppid());
    const std::string self = std::to_string(getpid());
    const struct {
        std::string name;
        bool old;   // untouched for two days
        bool stays;
        bool stays_sweep;  // of the whole folder, after the save
    } temps[] = {
        {".vek-" + dead + "-alt.txt-AAAAAA", false, false, false},
        {".vek-" + self + "-alt.txt-BBBBBB", false, false, false},  // this process, not writing it
        {".vek-" + alive + "-alt.txt-CCCCCC", true, false, false},
        {".vek-" + alive + "-alt.txt-DDDDDD", false, true, true},  // a save running elsewhere
        {".vek-" + dead + "-alt.txt.bak-EEEEEE", false, true, false},  // another target
        {".vek-" + dead + "-alt-FFFFFF", false, true, false},
        {".vek-XY-alt.txt-GGGGGG", false, true, true},
        {".vek-" + dead + "-XXXXXX", false, true, true},  // no target's name
    };
    for (const auto& temp : temps) {
        testutil::Write_File(t.file(temp.name), "halb");
        if (temp.old) {
            const auto two_days = std::filesystem::file_time_type::clock::now() - std::chrono::hours(48);
            std::filesystem::last_write_time(t.file(temp.name), two_days);
        }
    }
    std::filesystem::create_directory(t.file(".vek-" + dead + "-alt.txt-HHHHHH"));
    std::string text = "neu\n";
    ASSERT_EQ(VEK_Write_File_Replacing(t.file("alt.txt").c_str(), Write_Context_Text, &text), 1);
    for (const auto& temp : temps) EXPECT_EQ(std::filesystem::exists(t.file(temp.name)), temp.stays) << temp.name;
    EXPECT_TRUE(std::filesystem::is_directory(t.file(".vek-" + dead + "-alt.txt-HHHHHH")));
    // A run's sweep of the folder (a render's, say) takes those of every
    // target whose writer is gone.
    VEK_Remove_Stale_Temporaries(t.file("alt.txt").c_str());
    for (const auto& temp : temps)
        EXPECT_EQ(std::filesystem::exists(t.file(temp.name)), temp.stays_sweep) << temp.name;
    EXPECT_TRUE(std::filesystem::is_directory(t.file(".vek-" + dead + "-alt.txt-HHHHHH")));
    // A save that asks for the sweep (a render's) sweeps the folder its file
    // goes to: through a link, the folder the link names, where its
    // temporary lies, not the link's own.
    TempDir real, linked;
    const std::string stale = ".vek-" + dead + "-other.pdf-ZZZZZZ";
    testutil::Write_File(real.file(stale), "halb");
    testutil::Write_File(linked.file(stale), "halb");
    testutil::Write_File(real.file("list.pdf"), "alt\n");
    std::filesystem::create_symlink(real.file("list.pdf"), linked.file("list.pdf"));
    ASSERT_EQ(VEK_Replace_File(linked.file("list.pdf").c_str(), Write_Context_Text, nullptr, &text,
                               VEK_REPLACE_SWEEP_FOLDER),
              VEK_REPLACE_DONE);
    EXPECT_EQ(testutil::Read_File(real.file("list.pdf")), "neu\n");
    EXPECT_FALSE(std::filesystem::exists(real.file(stale)));
    EXPECT_TRUE(std::filesystem::exists(linked.file(stale)));

    // Two saves of one target at once in this process: the second leaves
    // the first one's temporary alone, and the first one's bytes win.
    TempDir u;
    nested_target = u.file("ziel.txt");
    ASSERT_EQ(VEK_Write_File_Replacing(nested_target.c_str(), Write_Outer_Then_Inner, nullptr), 1);
    EXPECT_EQ(outer_temporaries_seen, 1);
    EXPECT_EQ(testutil::Read_File(nested_target), "aussen\n");
    EXPECT_EQ(Count_Temporaries(u.str()), 0);
}

// Readers open regular files within the cap of their kind only, and never
// wait on a FIFO or read a device.
TEST(Posix, ReadersOpenRegularFilesWithinTheirCapOnly)
{
    TempDir t;
    testutil::Write_File(t.file("f.txt"), "abcde");
    ASSERT_EQ(mkfifo(t.file("fifo").c_str(), 0600), 0);
    const struct {
        std::string path;
        long long cap;
        int refusal, error;
        const char* text;
    } cases[] = {
        {t.file("f.txt"), 5, VEK_READ_OK, 0, ""},
        {t.str() + "\\f.txt", -1, VEK_READ_OK, 0, ""},
        {t.file("f.txt"), 4, VEK_READ_TOO_LARGE, EFBIG, "zu gro\xE1"},
        {t.file("fehlt.txt"), 5, VEK_READ_MISSING, ENOENT, "nicht vorhanden"},
        {t.file("f.txt/x"), 5, VEK_READ_MISSING, ENOTDIR, "nicht vorhanden"},
        {t.str(), 5, VEK_READ_NOT_A_FILE, EISDIR, "keine Datei"},
        {t.file("fifo"), 5, VEK_READ_NOT_A_FILE, ENODEV, "keine Datei"},
        {"/dev/zero", 5, VEK_READ_NOT_A_FILE, ENODEV, "keine Datei"},
        {"", 5, VEK_READ_MISSING, ENOENT, "nicht vorhanden"},
    };
    for (const auto& c : cases) {
        int refusal = -1;
        errno = 0;
        FILE* f = VEK_Open_Reading(c.path.c_str(), c.cap, &refusal);
        EXPECT_EQ(refusal, c.refusal) << c.path;
        EXPECT_STREQ(VEK_Read_Refusal_Text(refusal), c.text) << c.path;
        if (c.refusal == VEK_READ_OK) {
            ASSERT_NE(f, nullptr) << c.path;
            EXPECT_EQ(testutil::Stream_Rest(f), "abcde");
            std::fclose(f);
        } else {
            EXPECT_EQ(f, nullptr) << c.path;
            EXPECT_EQ(errno, c.error) << c.path;
        }
    }
    // Without read permission (the superuser reads anyway).
    if (geteuid() != 0) {
        chmod(t.file("f.txt").c_str(), 0200);
        int refusal = -1;
        EXPECT_EQ(VEK_Open_Reading(t.file("f.txt").c_str(), 5, &refusal), nullptr);
        EXPECT_EQ(refusal, VEK_READ_DENIED);
        EXPECT_STREQ(VEK_Read_Refusal_Text(refusal), "nicht lesbar");
    }
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

// Pieces of many kilobytes go from where they stand to the file, after the
// buffered bytes before them: the file holds every piece in its order, the
// stream's position stays right for ftell and for a seek back that writes
// over earlier bytes, and a stream that cannot be written so (unbuffered,
// or no file's) takes them the usual way.
TEST(Posix, LargePiecesGoStraightToTheFileInTheirPlace)
{
    TempDir t;
    enum Kind { kOwnStream, kPlainFile, kPlainUnbuffered, kMemory };
    for (const Kind kind : {kOwnStream, kPlainFile, kPlainUnbuffered, kMemory}) {
        SCOPED_TRACE(kind);
        const std::string path = t.file("straight" + std::to_string(kind));
        char* memory = nullptr;
        size_t memory_size = 0;
        std::FILE* f = kind == kOwnStream ? VEK_Open_Writing(path.c_str())
                       : kind == kMemory  ? open_memstream(&memory, &memory_size)
                                          : std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        if (kind == kPlainUnbuffered) std::setvbuf(f, nullptr, _IONBF, 0);
        if (kind == kOwnStream || kind == kPlainFile) {  // as the program gives its lists
            EXPECT_EQ(VEK_Give_Large_Buffer(f), 1);
        }
        std::string want;
        for (int i = 0; i < 6; ++i) {
            const std::string small = "line " + std::to_string(i) + "\n";
            const std::string large = [i] {
                std::string l(20000 + 7919 * i, '\0');
                for (size_t k = 0; k < l.size(); ++k) l[k] = static_cast<char>('a' + (k * 7 + i) % 26);
                return l;
            }();
            for (const std::string* piece : {&small, &large}) {
                ASSERT_EQ(VEK_Stream_Put(f, piece->data(), piece->size()), static_cast<int>(piece->size()));
                want += *piece;
                ASSERT_EQ(std::ftell(f), static_cast<long>(want.size()));
            }
        }
        const bool straight = kind == kOwnStream || kind == kPlainFile;
        const std::string tail(30000, 'z');
        EXPECT_EQ(VEK_Write_Straight(f, tail.data(), tail.size()),
                  straight ? static_cast<int>(tail.size()) : VEK_STRAIGHT_NOT_HERE);
        if (straight) want += tail;
        if (kind != kMemory) {  // a memory stream ends where it was written last
            ASSERT_EQ(std::fseek(f, 3, SEEK_SET), 0);
            ASSERT_EQ(VEK_Stream_Put(f, "XY", 2), 2);
            want.replace(3, 2, "XY");
            ASSERT_EQ(std::fseek(f, 0, SEEK_END), 0);
            EXPECT_EQ(std::ftell(f), static_cast<long>(want.size()));
        }
        EXPECT_EQ(VEK_Fclose_Buffered(f), 0);
        if (kind == kMemory) {
            EXPECT_EQ(std::string(memory, memory_size), want);
            std::free(memory);
        } else {
            EXPECT_EQ(testutil::Read_File(path), want);
        }
    }
    EXPECT_EQ(VEK_Write_Straight(nullptr, "x", 1), VEK_STRAIGHT_NOT_HERE);
}

// A large piece that the disc refuses marks the stream as fwrite's failure
// would, and its close fails: the program's own stream tells why.
TEST(Posix, ALargePieceTheDiscRefusesMarksTheStream)
{
    const std::string large(50000, 'q');
    for (const bool own : {true, false}) {
        std::FILE* f = own ? VEK_Open_Writing("/dev/full") : std::fopen("/dev/full", "wb");
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(VEK_Give_Large_Buffer(f), 1);
        EXPECT_EQ(VEK_Stream_Put(f, "head\n", 5), 5);  // buffered
        EXPECT_FALSE(std::ferror(f));
        EXPECT_EQ(VEK_Stream_Put(f, large.data(), large.size()), -1);
        EXPECT_TRUE(std::ferror(f));
        EXPECT_EQ(VEK_Fclose_Buffered(f), EOF);
        EXPECT_EQ(errno, own ? ENOSPC : EIO);
    }
}
