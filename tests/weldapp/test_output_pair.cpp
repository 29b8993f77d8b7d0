// The component's output pair as runs meet one another in its folder:
// which names are files of the component, and which temporaries a run
// removes as its own.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "support/testutil.h"
#include "weldapp/output_pair.h"

namespace test_output_pair {
namespace {

namespace fs = std::filesystem;

long long Size_Held(int fd) {
    struct stat st;
    return fstat(fd, &st) == 0 ? static_cast<long long>(st.st_size) : -1;
}

}  // namespace

// The files of the component C1 are "C1_" and the File-Id as the program
// writes it ("%02d"). Keeping the pair of C1_01.OLI was refused (EBUSY)
// while C1_X_01.OLI.saved, the kept list of the component C1_X, stood
// beside a saved plot file, and the sweep of a run of C1 removed C1_X's
// temporaries nobody held. Now a name that only begins like C1's is
// another component's: its kept pair does not stop the keeping, its
// temporaries stay; those of C1's own files are judged as before.
TEST(OutputPair, AComponentWhoseNameOnlyBeginsLikeThisOnesIsNoFileOfIt) {
    const struct {
        const char* list;
        bool of_c1;
    } lists[] = {
        {"C1_02.OLI", true},   {"C1_123.OLI", true}, {"C1_X_01.OLI", false},
        {"C1_1.OLI", false},   {"C1_012.OLI", false}, {"C1_0X.OLI", false},
    };
    for (const auto& l : lists) {
        const std::string other = l.list;
        testutil::TempDir dir;
        const Output_Pair o = Make_Output_Pair(dir.file("C1_01.OLI"), dir.file("C10001.SPF"));
        testutil::Write_File(o.list, "list\n");
        testutil::Write_File(o.plot, "plot\n");
        // A saved plot file left by a put-back cut off at its end.
        testutil::Write_File(o.plot_saved, "saved plot\n");
        testutil::Write_File(dir.file(other + ".saved"), "kept list\n");
        std::string kept_by;
        errno = 0;
        const int kept = Keep_Output_Pair(o, &kept_by);
        const int error = errno;
        EXPECT_EQ(kept, l.of_c1 ? PAIR_FAILED : PAIR_DONE) << other;
        EXPECT_EQ(kept_by, l.of_c1 ? other : "") << other;
        EXPECT_EQ(l.of_c1 ? error : EBUSY, EBUSY) << other;
        // Temporaries of a cut-off run (nobody holds them) under the plain
        // and a tagged name.
        for (const char* temp : {".tmp", ".0badcafe.tmp"}) testutil::Write_File(dir.file(other + temp), "");
        Output_Pair_Claim run(o);
        ASSERT_EQ(Claim_Output_Pair(&run.pair), PAIR_DONE) << other;
        for (const char* temp : {".tmp", ".0badcafe.tmp"})
            EXPECT_EQ(fs::exists(dir.file(other + temp)), !l.of_c1) << other << temp;
        Discard_Output_Pair(run.pair);
    }
}

// The plot file of a run that could not complete it is removed by name
// (the plot writer gives it up); a run of another file of the component
// (C001_02.OLI, the same plot file) may then claim the same name. When the
// first run then discards its pair, the name is the other run's: it stays.
// The room of the first run's own files, which its claims still hold open,
// is given back (a full disc needs it for the list that says why).
TEST(OutputPair, ARunDiscardsOnlyItsOwnTemporaries) {
    testutil::TempDir dir;
    Output_Pair_Claim a(Make_Output_Pair(dir.file("C001_01.OLI"), dir.file("C0010001.SPF")));
    Output_Pair_Claim b(Make_Output_Pair(dir.file("C001_02.OLI"), dir.file("C0010001.SPF")));
    ASSERT_EQ(Claim_Output_Pair(&a.pair), PAIR_DONE);
    testutil::Write_File(a.pair.list_temp, std::string(5000, 'l'));
    testutil::Write_File(a.pair.plot_temp, std::string(3000, 'p'));
    ASSERT_EQ(std::remove(a.pair.plot_temp.c_str()), 0);
    ASSERT_EQ(Claim_Output_Pair(&b.pair), PAIR_DONE);
    ASSERT_EQ(b.pair.plot_temp, a.pair.plot_temp);
    testutil::Write_File(b.pair.plot_temp, "plot of file 02\n");
    Discard_Output_Pair(a.pair);
    EXPECT_EQ(testutil::Read_File(b.pair.plot_temp), "plot of file 02\n");
    EXPECT_FALSE(fs::exists(a.pair.list_temp));
    EXPECT_EQ(Size_Held(a.pair.claim), 0);
    EXPECT_EQ(Size_Held(a.pair.plot_claim), 0);
    testutil::Write_File(b.pair.list_temp, "list of file 02\n");
    ASSERT_EQ(Install_Output_Pair(b.pair, true), PAIR_DONE);
    EXPECT_EQ(testutil::Read_File(dir.file("C0010001.SPF")), "plot of file 02\n");
    EXPECT_EQ(testutil::Read_File(dir.file("C001_02.OLI")), "list of file 02\n");
}

}  // namespace test_output_pair
