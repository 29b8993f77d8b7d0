// File names from the path prefix, temporary files and number lines.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "base/filenames.h"
#include "base/textio.h"
#include "support/testutil.h"

namespace fs = std::filesystem;

namespace {

// Restores an empty prefix after each test, so no test sees another's.
class FileBase : public ::testing::Test {
protected:
    void TearDown() override { Set_File_Base(nullptr); }
    testutil::TempDir dir;
};

}  // namespace

TEST_F(FileBase, PrefixIsCutAt260AndFullJoinsAreRefused) {
    const std::string longer(300, 'p');
    EXPECT_EQ(std::string(Set_File_Base(longer.c_str())), longer.substr(0, 260));
    EXPECT_EQ(std::strlen(Get_File_Base()), 260u);
    EXPECT_EQ(Base_Path("x"), nullptr);
    ASSERT_NE(Base_Path(nullptr), nullptr);  // the prefix itself still fits
    EXPECT_EQ(std::strlen(Base_Path("")), 260u);
    EXPECT_EQ(Fopen_Base("x", "r"), nullptr);
    EXPECT_EQ(Exists_Base("x"), 0);
    EXPECT_EQ(Remove_Base("x"), 1);
    EXPECT_EQ(Rename_Base("x", ""), 0);
    EXPECT_EQ(Copy_Base_File("", "x", 0), 0);
    EXPECT_EQ(Remove_Base_Files("*"), -1);
    EXPECT_STREQ(Set_File_Base(nullptr), "");
}

TEST_F(FileBase, DirectoryOfThePrefix) {
    Set_File_Base("C:\\PROJ\\P1\\BT01");
    EXPECT_STREQ(Get_File_Base_Directory(), "C:\\PROJ\\P1");
    Set_File_Base("C:BT01");
    EXPECT_STREQ(Get_File_Base_Directory(), "C:");
    Set_File_Base("/home/u/BT01");
    EXPECT_STREQ(Get_File_Base_Directory(), "/home/u");
    Set_File_Base("BT01");
    EXPECT_EQ(fs::path(Get_File_Base_Directory()), fs::current_path());
}

TEST_F(FileBase, JoinBufferIsShared) {
    Set_File_Base("C:\\P\\BT01");
    const char* first = Base_Path("_01.INP");
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first, "C:\\P\\BT01_01.INP");
    Exists_Base("_02.OLI");
    EXPECT_STREQ(first, "C:\\P\\BT01_02.OLI");
    Remove_Base("_03.TMP");
    EXPECT_STREQ(first, "C:\\P\\BT01_03.TMP");
}

TEST_F(FileBase, MakeBasePathBySize) {
    Set_File_Base("ABCDEFGHIJ");
    char buf[20];
    EXPECT_EQ(Make_Base_Path(buf, "123456789", 20), buf);
    EXPECT_STREQ(buf, "ABCDEFGHIJ123456789");
    EXPECT_EQ(Make_Base_Path(buf, "1234567890", 20), nullptr);
    EXPECT_STREQ(buf, "ABCDEFGHIJ123456789");
    char small[5];
    EXPECT_EQ(Make_Base_Path(small, "x", 5), nullptr);
    EXPECT_STREQ(small, "ABCD");
    EXPECT_EQ(Make_Base_Path(nullptr, "x", 5), nullptr);
    EXPECT_EQ(Make_Base_Path(buf, nullptr, 20), buf);
    EXPECT_STREQ(buf, "ABCDEFGHIJ");
}

TEST_F(FileBase, OpensUpTo260CharactersAndNoMore) {
    std::string prefix = dir.str() + "/";
    ASSERT_LT(prefix.size(), 200u);
    prefix += std::string(250 - prefix.size(), 'b');
    Set_File_Base(prefix.c_str());
    FILE* f = Fopen_Base("0123456789", "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    EXPECT_TRUE(fs::exists(prefix + "0123456789"));
    EXPECT_EQ(Fopen_Base("01234567890", "w"), nullptr);
    EXPECT_FALSE(fs::exists(prefix + "01234567890"));
}

TEST_F(FileBase, ExistsRemoveRenameCopy) {
    Set_File_Base((dir.str() + "/BT01").c_str());
    testutil::Write_File(dir.file("BT01_01.INP"), "data\n");
    EXPECT_EQ(Exists_Base("_01.INP"), 1);
    EXPECT_EQ(Exists_Base("_02.INP"), 0);
    EXPECT_EQ(Copy_Base_File("_01.INP", "_02.INP", 0), 1);
    EXPECT_EQ(testutil::Read_File(dir.file("BT01_02.INP")), "data\n");
    EXPECT_EQ(Copy_Base_File("_09.INP", "_03.INP", 0), 0);
    EXPECT_EQ(Rename_Base("_02.INP", "_05.INP"), 1);
    EXPECT_EQ(Exists_Base("_05.INP"), 1);
    EXPECT_EQ(Exists_Base("_02.INP"), 0);
    EXPECT_EQ(Rename_Base("_02.INP", "_06.INP"), 0);
    EXPECT_EQ(Remove_Base("_05.INP"), 0);
    EXPECT_EQ(Remove_Base("_05.INP"), 1);
    EXPECT_EQ(Exists_Base("_01.INP"), 1);
}

TEST_F(FileBase, BackslashNamesWorkOnThisPlatform) {
    fs::create_directories(dir.path() / "sub");
    Set_File_Base((dir.str() + "\\sub\\BT01").c_str());
    FILE* f = Fopen_Base("_01.OLI", "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    EXPECT_TRUE(fs::exists(dir.path() / "sub" / "BT01_01.OLI"));
    EXPECT_EQ(Exists_Base("_01.OLI"), 1);
    EXPECT_EQ(Remove_Base("_01.OLI"), 0);
}

TEST_F(FileBase, RemoveBaseFilesCountsRemovals) {
    Set_File_Base((dir.str() + "/BT01").c_str());
    for (const char* n : {"BT01_01.INP", "BT01_02.INP", "BT01_01.OLI", "BT02_01.INP"})
        testutil::Write_File(dir.file(n), "x");
    EXPECT_EQ(Remove_Base_Files("_*.INP"), 2);
    EXPECT_FALSE(fs::exists(dir.file("BT01_01.INP")));
    EXPECT_FALSE(fs::exists(dir.file("BT01_02.INP")));
    EXPECT_TRUE(fs::exists(dir.file("BT01_01.OLI")));
    EXPECT_TRUE(fs::exists(dir.file("BT02_01.INP")));
    EXPECT_EQ(Remove_Base_Files("_*.INP"), 0);
    EXPECT_EQ(Remove_Base_Files("_??.OLI"), 1);
}

// A match whose removal fails is not counted: the files of the process's own
// directory in /proc can be found but never removed, not even by root.
TEST_F(FileBase, RemoveBaseFilesDoesNotCountFailedRemovals) {
    Set_File_Base("/proc/self/");
    EXPECT_EQ(Remove_Base_Files("statu?"), 0);
    EXPECT_TRUE(fs::exists("/proc/self/status"));
}

TEST_F(FileBase, TempFileNamesAreCreatedAndKept) {
    testutil::ScopedEnv temp("TEMP", dir.str());
    char a[300], b[300];
    ASSERT_EQ(Make_Temp_File_Name(a, sizeof a), a);
    ASSERT_EQ(Make_Temp_File_Name(b, sizeof b), b);
    EXPECT_STRNE(a, b);
    EXPECT_EQ(fs::path(a).parent_path(), dir.path());
    EXPECT_EQ(fs::path(a).filename().string().rfind("VEK", 0), 0u);
    EXPECT_TRUE(fs::exists(a));  // the name stays taken
    EXPECT_EQ(fs::file_size(a), 0u);
    char tiny[8];
    EXPECT_EQ(Make_Temp_File_Name(tiny, sizeof tiny), nullptr);
    EXPECT_EQ(Make_Temp_File_Name(nullptr, 300), nullptr);
}

TEST_F(FileBase, TempFileWithoutTempEntryUsesSystemDirectory) {
    testutil::ScopedEnv temp("TEMP", std::nullopt);
    testutil::ScopedEnv tmpdir("TMPDIR", dir.str());
    char a[300];
    ASSERT_NE(Make_Temp_File_Name(a, sizeof a), nullptr);
    EXPECT_EQ(fs::path(a).parent_path(), dir.path());
}

TEST_F(FileBase, FiveTempStreamsAndNoSixth) {
    testutil::ScopedEnv temp("TEMP", dir.str());
    FILE* s[5];
    for (FILE*& f : s) {
        f = Open_Temp_Stream("w+");
        ASSERT_NE(f, nullptr);
    }
    EXPECT_EQ(Open_Temp_Stream("w+"), nullptr);
    auto count = [&] { return std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()); };
    EXPECT_EQ(count(), 5);

    std::fputs("abc", s[2]);
    EXPECT_EQ(Close_Temp_Stream(s[2]), 1);
    EXPECT_EQ(count(), 4);  // the file goes with its stream
    FILE* again = Open_Temp_Stream("w+");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(Close_Temp_Stream(again), 1);

    FILE* other = std::tmpfile();
    EXPECT_EQ(Close_Temp_Stream(other), 0);
    std::fclose(other);
    EXPECT_EQ(Close_Temp_Stream(nullptr), 0);
    for (int i : {0, 1, 3, 4}) EXPECT_EQ(Close_Temp_Stream(s[i]), 1);
    EXPECT_EQ(count(), 0);
}

TEST_F(FileBase, LineOfNumbers) {
    FILE* f = testutil::Stream_With("1.5 2e3 x 7\n0x10 010 -3\r\n" + std::string(250, '9') +
                                    " 5\n\n4\n" + std::string("7\0 8\n9\n", 7));
    ASSERT_NE(f, nullptr);
    double d[4] = {9, 9, 9, 9};
    EXPECT_EQ(Read_Line_Doubles(f, d, 4), 1);
    EXPECT_EQ(d[0], 1.5);
    EXPECT_EQ(d[1], 2000.0);
    EXPECT_EQ(d[2], 0.0);
    EXPECT_EQ(d[3], 0.0);
    int v[4] = {9, 9, 9, 9};
    EXPECT_EQ(Read_Line_Ints(f, v, 4), 1);
    EXPECT_EQ(v[0], 16);
    EXPECT_EQ(v[1], 8);
    EXPECT_EQ(v[2], -3);
    EXPECT_EQ(v[3], 0);
    // A line longer than 199 characters: its rest is dropped, not read as
    // the next line.
    EXPECT_EQ(Read_Line_Doubles(f, d, 0), 1);
    EXPECT_EQ(Read_Line_Ints(f, v, 2), 1);  // the empty line
    EXPECT_EQ(v[0], 0);
    EXPECT_EQ(Read_Line_Ints(f, v, 1), 1);
    EXPECT_EQ(v[0], 4);
    // A NUL byte ends the numbers of its line, not the line itself.
    EXPECT_EQ(Read_Line_Ints(f, v, 2), 1);
    EXPECT_EQ(v[0], 7);
    EXPECT_EQ(v[1], 0);
    EXPECT_EQ(Read_Line_Ints(f, v, 1), 1);
    EXPECT_EQ(v[0], 9);
    v[0] = v[1] = 9;
    EXPECT_EQ(Read_Line_Ints(f, v, 2), 0);  // end of file
    EXPECT_EQ(v[0], 0);
    EXPECT_EQ(v[1], 0);
    std::fclose(f);
    d[0] = 9;
    EXPECT_EQ(Read_Line_Doubles(nullptr, d, 1), 0);
    EXPECT_EQ(d[0], 0.0);
    // Decimal numbers only: no infinity from a number beyond any double (it
    // and those after it are 0), no hexadecimal float, no "nan".
    f = testutil::Stream_With("1.5 1.5E2444444 7\n0x1p3 nan\n");
    EXPECT_EQ(Read_Line_Doubles(f, d, 3), INT_TOO_LARGE);
    EXPECT_EQ(d[0], 1.5);
    EXPECT_EQ(d[1], 0.0);
    EXPECT_EQ(d[2], 0.0);
    EXPECT_EQ(Read_Line_Doubles(f, d, 2), 1);
    EXPECT_EQ(d[0], 0.0);
    EXPECT_EQ(d[1], 0.0);
    std::fclose(f);
}

TEST_F(FileBase, IntsThatDoNotFitEndTheNumbersUnwrapped) {
    // 4294967301 = 2^32 + 5 would wrap to 5.
    FILE* f = testutil::Stream_With("5 4294967301 6\n");
    int v[3] = {9, 9, 9};
    EXPECT_EQ(Read_Line_Ints(f, v, 3), INT_TOO_LARGE);
    EXPECT_EQ(v[0], 5);
    EXPECT_EQ(v[1], 0);
    EXPECT_EQ(v[2], 0);
    std::rewind(f);
    EXPECT_EQ(Read_Ints(f, v, 3), 1);
    EXPECT_EQ(v[1], 0);
    std::fclose(f);
}

TEST_F(FileBase, NumbersAcrossLines) {
    FILE* f = testutil::Stream_With("1 2.5\r\n\n-3e1\n 4 x 6");
    ASSERT_NE(f, nullptr);
    double d[6] = {9, 9, 9, 9, 9, 9};
    EXPECT_EQ(Read_Doubles(f, d, 6), 4);
    const double want[] = {1, 2.5, -30, 4, 0, 0};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(d[i], want[i]) << i;
    std::rewind(f);
    int v[2] = {7, 7};
    EXPECT_EQ(Read_Ints(f, v, 2), 2);
    EXPECT_EQ(v[0], 1);
    EXPECT_EQ(v[1], 2);
    int untouched[1] = {7};
    EXPECT_EQ(Read_Ints(f, untouched, 0), 0);
    EXPECT_EQ(Read_Ints(nullptr, untouched, 1), 0);
    EXPECT_EQ(untouched[0], 7);
    std::fclose(f);
}
