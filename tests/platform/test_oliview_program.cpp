// The print-list viewer program as a person runs it: what it refuses to
// turn into a PDF.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "oli_read_list.h"
#include "support/testutil.h"
#include "support/xvfb.h"
#include <cairo.h>
#include <zlib.h>

// AddressSanitizer holds terabytes of address space of its own: under it a
// limit of the address space tests nothing (its runtime is there when this
// symbol is).
extern "C" void __asan_init() __attribute__((weak));

namespace {

const std::string kViewer = std::string(WELD_BINARY_DIR) + "/bin/oliview";

// Runs the viewer (after `prefix` in the shell: a file size limit, the
// fault shim); its exit code, stderr in *err, stdout in *out when asked.
int Run_Viewer(const std::string& args, const testutil::TempDir& dir, std::string* err,
               const std::string& prefix = "", std::string* out = nullptr) {
    const std::string cmd = "(" + prefix + " '" + kViewer + "' " + args + ") >'" + dir.file("out.txt") + "' 2>'" +
                            dir.file("err.txt") + "'";
    const int status = std::system(cmd.c_str());
    *err = testutil::Read_File(dir.file("err.txt"));
    if (out) *out = testutil::Read_File(dir.file("out.txt"));
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The fault shim in front of the viewer: the how-many-th call of `op` on a
// file whose path holds `match` fails.
std::string Fault(const std::string& op, const std::string& match, int at = 0) {
    return "env LD_PRELOAD='" + std::string(WELD_FAULT_SHIM) + "' WELD_FAULT_OP=" + op + " WELD_FAULT_MATCH='" +
           match + "' WELD_FAULT_AT=" + std::to_string(at);
}

// A sound list of two pages, each with one paragraph.
const std::string kPara = "#SHOWPARA\n0x0\n4\n-1\n Zeile\n#END_OF_TEXT\n0x0\n-1\n";
const std::string kTwoPages = kPara + "#NEWPAGE\n" + kPara;

// The lines of a boxes file that are of kind `kind` and hold `text`.
int Count_Boxes(const std::string& boxes, const std::string& kind, const std::string& text) {
    int n = 0;
    std::istringstream in(boxes);
    for (std::string line; std::getline(in, line);)
        n += line.find("\t" + kind + "\t") != std::string::npos && line.find(text) != std::string::npos;
    return n;
}

// An empty file, a directory, a FIFO (which must not make it wait for a
// writer) and a file without any block give an error and no PDF; before,
// each gave a blank PDF or a hang. A list of one paragraph gives its page.
// The structure and layout checks refuse what the renderer refuses (100
// empty lines were "sound" to the one and read well to the other).
TEST(ViewerProgram, RefusesWhatIsNoPrintList) {
    testutil::TempDir dir;
    testutil::Write_File(dir.file("leer.OLI"), "");
    testutil::Write_File(dir.file("zeilen.OLI"), std::string(100, '\n'));
    testutil::Write_File(dir.file("text.OLI"), "kein Block\n");
    testutil::Write_File(dir.file("gut.OLI"), kPara);
    std::filesystem::create_directory(dir.file("ordner.OLI"));
    ASSERT_EQ(mkfifo(dir.file("rohr.OLI").c_str(), 0600), 0);
    const struct {
        const char* name;
        int code;
        const char* said;
    } cases[] = {
        {"leer", 1, "is empty"},
        {"zeilen", 1, "holds no block of a print list"},
        {"text", 1, "holds no block of a print list"},
        {"ordner", 1, "Is a directory"},
        {"rohr", 1, "No such device"},
        {"fehlt", 1, "No such file or directory"},
        {"gut", 0, ""},
    };
    for (const auto& c : cases) {
        std::string err;
        const std::string list = dir.file(std::string(c.name) + ".OLI");
        EXPECT_EQ(Run_Viewer("'" + list + "' -o '" + dir.file("out.pdf") + "'", dir, &err), c.code) << c.name;
        EXPECT_NE(err.find(c.said), std::string::npos) << c.name << ": " << err;
        EXPECT_EQ(std::filesystem::exists(dir.file("out.pdf")), c.code == 0) << c.name;
        std::filesystem::remove(dir.file("out.pdf"));
        EXPECT_EQ(Run_Viewer("--check '" + list + "'", dir, &err), c.code) << c.name;
        EXPECT_EQ(Run_Viewer("--layout '" + list + "'", dir, &err), c.code) << c.name;
    }
    std::string err, out;
    EXPECT_EQ(Run_Viewer("--check '" + dir.file("zeilen.OLI") + "'", dir, &err, "", &out), 1);
    EXPECT_EQ(out, dir.file("zeilen.OLI") + ": line 101: no block of a print list\n");
}

// Every file the viewer writes is whole or not there: a full disc, a
// failed sync and a failed close each leave the old file as it was, no
// temporary, and exit code 1, and stderr says why with the error of the
// call that failed (it said "(Success)": the error number was lost). Before,
// the PDF was written in place (a full disc left the old one cut short) and
// a failed close of the PDF or of the boxes file still gave exit code 0.
// A folder that cannot be synced after the new file took the old one's name
// leaves the new file there: exit code 4, it stands, not confirmed on disc
// (it said "cannot be written" and exit code 1). A thread the font library
// cannot make (no room left for its stack) is memory run out: exit code 5,
// the old files and no temporary (glib ended the run with a trap, the PDF's
// temporary left behind).
TEST(ViewerProgram, FilesAreWholeOrTheOldOnesStay) {
    testutil::TempDir dir;
    testutil::Write_File(dir.file("liste.OLI"), kTwoPages);
    const std::string args = "'" + dir.file("liste.OLI") + "' -o '" + dir.file("out.pdf") + "' --png 2 '" +
                             dir.file("seite.png") + "' --boxes '" + dir.file("boxes.txt") + "'";
    const std::string folder = std::filesystem::canonical(dir.path()).string();
    const std::string eio = " cannot be written (Input/output error); an old file of the name stays as it was";
    const struct {
        const char* what;
        std::string prefix;
        const char* kept;  // the file that keeps its old bytes, or that stands new (code 4)
        int code;
        std::string said;
    } cases[] = {
        // 2 kB; the PDF has more: the write is refused with EFBIG.
        {"disc full", "trap '' XFSZ; ulimit -f 4;", "out.pdf", 1, "out.pdf cannot be written (File too large)"},
        {"PDF not synced", Fault("fsync", "out.pdf"), "out.pdf", 1, "out.pdf" + eio},
        {"PDF not closed", Fault("fclose", "out.pdf"), "out.pdf", 1, "out.pdf" + eio},
        {"PNG not closed", Fault("fclose", "seite.png"), "seite.png", 1, "seite.png" + eio},
        {"boxes not closed", Fault("fclose", "boxes.txt"), "boxes.txt", 1, "boxes.txt" + eio},
        // The second sync in the folder: the temporary's, then the folder's.
        {"folder not synced", Fault("fsync", folder, 2), "out.pdf", 4,
         "out.pdf is written, but its folder could not be synced (Input/output error): the new file may not "
         "survive a power cut"},
        {"no thread for the fonts", Fault("pthread_create", ""), "out.pdf", 5, "out of memory"},
    };
    for (const auto& c : cases) {
        for (const char* name : {"out.pdf", "seite.png", "boxes.txt"}) testutil::Write_File(dir.file(name), "alt");
        std::string err;
        EXPECT_EQ(Run_Viewer(args, dir, &err, c.prefix), c.code) << c.what << ": " << err;
        EXPECT_NE(err.find(c.said), std::string::npos) << c.what << ": " << err;
        EXPECT_EQ(testutil::Read_File(dir.file(c.kept)) == "alt", c.code == 1 || c.code == 5) << c.what;
        if (c.code == 4) {
            EXPECT_EQ(testutil::Read_File(dir.file(c.kept)).rfind("%PDF-", 0), 0u);
        }
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            EXPECT_NE(e.path().filename().string().rfind(".vek-", 0), 0u) << c.what << ": " << e.path();
    }
    // Each file's bytes reach the disc before its name, and the name before
    // the call returns: fsync of the temporary, the rename, fsync of the
    // folder, in this order.
    std::string err;
    const std::string log = dir.file("ops.log");
    const std::string shim = "env LD_PRELOAD='" + std::string(WELD_FAULT_SHIM) + "' WELD_FAULT_LOG='" + log + "'";
    EXPECT_EQ(Run_Viewer(args, dir, &err, shim), 0) << err;
    EXPECT_EQ(testutil::Read_File(dir.file("out.pdf")).rfind("%PDF-", 0), 0u);
    EXPECT_EQ(Count_Boxes(testutil::Read_File(dir.file("boxes.txt")), "foot", "Seite"), 2);
    std::vector<std::string> ops;
    std::istringstream in(testutil::Read_File(log));
    for (std::string line; std::getline(in, line);) ops.push_back(line);
    for (const char* name : {"out.pdf", "seite.png", "boxes.txt"}) {
        const std::string temp = "fsync " + folder + "/.vek-";
        size_t synced = ops.size(), renamed = ops.size(), listed = ops.size();
        for (size_t k = 0; k < ops.size(); ++k) {
            if (ops[k].rfind(temp, 0) == 0 && ops[k].find(name) != std::string::npos) synced = k;
            if (ops[k].rfind("rename ", 0) == 0 && ops[k].ends_with(" " + folder + "/" + name)) renamed = k;
            if (ops[k] == "fsync " + folder && renamed < k && listed == ops.size()) listed = k;
        }
        EXPECT_LT(synced, renamed) << name << "\n" << testutil::Read_File(log);
        EXPECT_LT(renamed, listed) << name << "\n" << testutil::Read_File(log);
        EXPECT_LT(listed, ops.size()) << name << "\n" << testutil::Read_File(log);
    }
}

// A render ended by a signal left its PDF's temporary (".vek-<id>-X.pdf-...",
// as large as the PDF of a list of gigabytes) until a later render to the
// same name. A signal that can be caught now removes it before the render
// ends by it; after one that cannot (SIGKILL) the next render into that
// folder, of whatever list, removes it.
TEST(ViewerProgram, ARenderEndedByASignalLeavesNoTemporary) {
    testutil::TempDir dir;
    testutil::Write_File(dir.file("a.OLI"), kTwoPages);
    testutil::Write_File(dir.file("b.OLI"), kTwoPages);
    auto temporaries = [&] {
        int n = 0;
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            n += e.path().filename().string().rfind(".vek-", 0) == 0;
        return n;
    };
    for (const int sig : {SIGTERM, SIGUSR1, SIGKILL}) {
        // The render waits just before its PDF takes the name, for a file
        // that never comes: the signal ends it there.
        const std::string hold = dir.file("hold");
        const pid_t render = testutil::Spawn(
            {kViewer, dir.file("a.OLI"), "-o", dir.file("a.pdf")},
            {"LD_PRELOAD=" WELD_FAULT_SHIM, "WELD_FAULT_OP=rename", "WELD_FAULT_MATCH=a.pdf$", "WELD_FAULT_AT=1",
             "WELD_FAULT_ACTION=hold", "WELD_FAULT_HOLD=" + hold},
            dir.file("out.txt"), dir.file("err.txt"));
        ASSERT_GT(render, 0);
        ASSERT_TRUE(testutil::Wait_While_Working([&] { return std::filesystem::exists(hold + ".held"); }));
        EXPECT_EQ(temporaries(), 1) << sig;
        kill(render, sig);
        EXPECT_EQ(testutil::Wait_Exit_While_Working(render), 128 + sig);
        std::filesystem::remove(hold + ".held");
        EXPECT_EQ(temporaries(), sig == SIGKILL ? 1 : 0) << sig;
        std::string err;
        EXPECT_EQ(Run_Viewer("'" + dir.file("b.OLI") + "' -o '" + dir.file("b.pdf") + "'", dir, &err), 0) << err;
        EXPECT_EQ(temporaries(), 0) << sig;
        EXPECT_FALSE(std::filesystem::exists(dir.file("a.pdf"))) << sig;
    }
}

// oliview while another program changes its list in place: the viewer
// held at a counted read of the list (the fault shim) while the list is
// changed, then let go. Cut in its drawing pass (before: a list of 20.6 MB
// cut to its first 5 MB gave a one-page PDF "Seite 1 von 134" and exit
// code 0) or rewritten with another list of the same size as its layout
// begins: exit code 3, stderr says that the list changed, and no PDF (the
// old one stays, no temporary is left). Appended to in its drawing pass:
// the PDF of the list as it was.
TEST(ViewerProgram, AListChangedWhileItIsDrawnGivesNoPdf) {
    testutil::TempDir dir;
    std::filesystem::create_directory(dir.file("out"));
    const std::string list = dir.file("A001_01.OLI"), pdf = dir.file("out/A001_01.pdf"), log = dir.file("reads.txt");
    const std::string bytes = oli_test::Picture_List("Liste A", 6), other = oli_test::Picture_List("Liste B", 6);
    ASSERT_EQ(other.size(), bytes.size());
    testutil::Write_File(list, bytes);
    // Every read of the list, logged (none hit): the second read from its
    // start begins the layout, the last one the drawing.
    std::string err;
    ASSERT_EQ(Run_Viewer("'" + list + "' -o '" + pdf + "'", dir, &err,
                         "env WELD_FAULT_LOG='" + log + "' " + Fault("pread", "A001_01.OLI", 1000000)),
              0)
        << err;
    const std::string whole = oli_test::Without_Date(testutil::Read_File(pdf));
    std::vector<int> starts;
    std::istringstream reads(testutil::Read_File(log));
    int count = 0;
    for (std::string line; std::getline(reads, line);) {
        ++count;
        if (line.size() > 2 && line.compare(line.size() - 2, 2, " 0") == 0) starts.push_back(count);
    }
    ASSERT_GE(starts.size(), 3u) << "read whole, laid out, drawn";
    const std::string changed = "oliview: " + list +
                                ": the list changed while it was read (another program rewrote or cut it in place): " +
                                pdf + " is not written, an old file of the name stays as it was; run again once the "
                                      "list stands\n";
    const struct {
        const char* what;
        int at;  // the read of the list it changes before
        const char* how;
        int code;
    } cases[] = {
        {"cut to 30 % in its drawing pass", starts.back() + 1, "cut", 3},
        {"rewritten, the same size, as its layout begins", starts[1], "rewrite", 3},
        {"appended to in its drawing pass", starts.back() + 1, "append", 0},
    };
    for (const auto& c : cases) {
        testutil::Write_File(list, bytes);
        testutil::Write_File(pdf, "ein altes PDF");
        const std::string go = dir.file("go");
        std::filesystem::remove(go);
        std::filesystem::remove(go + ".held");
        const pid_t render = testutil::Spawn(
            {kViewer, list, "-o", pdf},
            {"LD_PRELOAD=" WELD_FAULT_SHIM, "WELD_FAULT_OP=pread", "WELD_FAULT_MATCH=A001_01.OLI",
             "WELD_FAULT_AT=" + std::to_string(c.at), "WELD_FAULT_ACTION=hold", "WELD_FAULT_HOLD=" + go,
             // The font library's own allocations, which the sanitizer build
             // is told to pass over, are not counted on stderr.
             "LSAN_OPTIONS=print_suppressions=0"},
            dir.file("out.txt"), dir.file("err.txt"));
        ASSERT_GT(render, 0);
        ASSERT_TRUE(testutil::Wait_While_Working([&] { return std::filesystem::exists(go + ".held"); })) << c.what;
        if (std::string(c.how) == "cut") {
            ASSERT_EQ(truncate(list.c_str(), static_cast<off_t>(bytes.size() * 3 / 10)), 0);
        }
        if (std::string(c.how) == "rewrite") testutil::Write_File(list, other);
        if (std::string(c.how) == "append") testutil::Write_File(list, bytes + other);
        testutil::Write_File(go, "");
        EXPECT_EQ(testutil::Wait_Exit_While_Working(render), c.code) << c.what;
        const std::string said = testutil::Read_File(dir.file("err.txt"));
        if (c.code == 3) {
            EXPECT_EQ(said, changed) << c.what;
            EXPECT_TRUE(testutil::Read_File(pdf) == "ein altes PDF") << c.what;
        } else {
            EXPECT_EQ(said, "") << c.what;
            EXPECT_TRUE(oli_test::Without_Date(testutil::Read_File(pdf)) == whole) << c.what;
        }
        for (const auto& e : std::filesystem::directory_iterator(dir.file("out")))
            EXPECT_EQ(e.path().filename().string().rfind(".vek-", 0), std::string::npos) << c.what << ": " << e.path();
    }
}

// A list that is damaged, that ends in zeros (a file of 0.7 MB of list and
// then 2 GB of zeros took 27 s and 4.2 GB before), whose line runs past any
// list's, or whose successor waits beside it gives its PDF with every page
// marked in red, a word on stderr and exit code 3 (before: exit code 0 and
// at most a line on stderr).
TEST(ViewerProgram, MarksEveryPageOfAListNotToTrust) {
    const std::string damaged = "Druckliste besch\xC3\xA4" "digt: 1 Teil nicht lesbar";
    const std::string cut = "Druckliste besch\xC3\xA4" "digt: sie bricht mitten in einem Abschnitt ab, es fehlen Seiten";
    const struct {
        const char* what;
        std::string bytes;
        long long zeros;   // sparse zeros after the bytes
        bool pending;      // "liste.OLI.new" beside it
        std::string said, mark;
        bool sound = false;             // the strict check finds nothing wrong
        const char* suffix = ".new";    // of the successor's name
        std::string input = "";         // "liste.INP" beside it, when not empty
    } cases[] = {
        {"unknown keyword", kPara + "#NEWPAGE\n#KAPUTT\n" + kPara, 0, false, "1 damaged block(s)", damaged},
        {"zeros", kTwoPages, 64LL << 20, false, "the 67108864 bytes from there on are not read", damaged},
        {"long line", kPara + "#NEWPAGE\n" + std::string((1 << 20) + 5, 'x') + "\n" + kPara, 0, false,
         "1 damaged block(s)", damaged},
        {"successor", kTwoPages, 0, true, "liste.OLI.new stands beside it",
         "Ein Lauf, der diese Druckliste und ihre Plotdatei ersetzt, wurde unterbrochen"},
        // Cut between two blocks inside a load case's bookmark group: read
        // as sound before (exit code 0, "Seite 2 von 2" of more).
        {"cut in a group", "#SETBOOKMARK\n19\n \n" + kTwoPages, 0, false,
         "the list breaks off (a bookmark group (level 19) is never closed)", cut},
        // Cut inside a picture: every page said "1 Teil nicht lesbar".
        {"cut in a picture", kPara + "#NEWPAGE\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 0 1\n 1  0 0 1 1\n", 0, false,
         "the list breaks off (it ends inside #SHOWGRAFIC)", cut},
        // A polygon's count one too high took the next record for its last
        // point: "sound", exit code 0, the pattern lost.
        {"polygon count", kPara + "#NEWPAGE\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 0 1\n 18 5 0 0 1 0 1 1 0 1\n 20  0\n -1\n",
         0, false, "1 damaged block(s)", damaged},
        // A font mode beyond an int was read with atoi, a record's number
        // beyond one cast to an int: now each is damage.
        {"font mode", kPara + "#NEWPAGE\n#SHOWPARA\n0x0\n99999999999999999999\n-1\n x\n#END_OF_TEXT\n0x0\n-1\n" + kPara,
         0, false, "1 damaged block(s)", damaged},
        {"record number", kPara + "#NEWPAGE\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 0 1\n 9 0 0 1 1 1e40 \xAEx\xAF\n -1\n",
         0, false, "1 damaged block(s)", damaged},
        // A record number that is no whole number read as record 1 without
        // its numbers: the check refused it, the pages said nothing, exit
        // code 0 (46 of 241 mutated lists); the check called it a "record
        // without its numbers".
        {"record number 1e309", kPara + "#NEWPAGE\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 0 1\n1e309 1 2 3 4\n -1\n", 0,
         false, "line 15: record number that is no whole number: \"1e309 1 2 3 4\" (the strict check refuses the list)",
         "Druckliste besch\xC3\xA4" "digt: Zeile 15 ist fehlerhaft"},
        // A record number beyond an int is left out like any number of a
        // record read as an int (it was "unknown record -1").
        {"record number beyond an int",
         kPara + "#NEWPAGE\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 0 1\n111111111111 1 2 3 4\n -1\n", 0, false,
         "line 15: record number that does not fit an int: \"111111111111 1 2 3 4\" (the strict check refuses the list)",
         damaged},
        // A list re-encoded in UTF-8 (its "╬" and guillemets as UTF-8
        // writes them) was told only as "Zeile 15 ist fehlerhaft", or not at
        // all where nothing else was refused.
        {"UTF-8", kPara + "#NEWPAGE\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 0 1\n 9 4 1.5 4 1.5 210 \xC2\xAB" "x\xC2\xBB\n -1\n",
         0, false, "line 15: text record without its text (the list is in UTF-8, not in code page 850)",
         "Druckliste in UTF-8 statt Codepage 850: Zeile 15 ist fehlerhaft"},
        {"UTF-8, sound", "#SHOWPARA\n0x0\n4\n-1\n \xE2\x95\xAC" "bfett\n#END_OF_TEXT\n0x0\n-1\n#NEWPAGE\n" + kPara, 0,
         false, "the list is in UTF-8, not in code page 850",
         "Druckliste in UTF-8 statt Codepage 850: Umlaute und Zeichen sind falsch", true},
        // The successor of one of two runs at once, under its run's own name.
        {"successor of a run of two", kTwoPages, 0, true, "liste.OLI.0a1b2c3d.new stands beside it",
         "Ein Lauf, der diese Druckliste und ihre Plotdatei ersetzt, wurde unterbrochen", false, ".0a1b2c3d.new"},
        // Made from the 3 bytes "abc" (FNV-1a e71fa2190541574b), beside an
        // input of other bytes: a run that replaced the input was cut off
        // before its list.
        {"not its input's", kTwoPages + "#SOURCE\n 3 e71fa2190541574b liste.INP\n", 0, false,
         "the input file liste.INP beside it was changed after the list was written",
         "Druckliste nicht zur Eingabedatei liste.INP daneben", true, ".new", "abd"},
    };
    for (const auto& c : cases) {
        testutil::TempDir dir;
        const std::string list = dir.file("liste.OLI");
        testutil::Write_File(list, c.bytes);
        if (c.zeros) std::filesystem::resize_file(list, c.bytes.size() + static_cast<size_t>(c.zeros));
        if (c.pending) testutil::Write_File(list + c.suffix, kPara);
        if (!c.input.empty()) testutil::Write_File(dir.file("liste.INP"), c.input);
        std::string err;
        const std::string args = "'" + list + "' --boxes '" + dir.file("boxes.txt") + "'";
        EXPECT_EQ(Run_Viewer(args, dir, &err, "timeout 60"), 3) << c.what << ": " << err;
        EXPECT_NE(err.find(c.said), std::string::npos) << c.what << ": " << err;
        EXPECT_EQ(Count_Boxes(testutil::Read_File(dir.file("boxes.txt")), "foot", c.mark), 2) << c.what;
        EXPECT_TRUE(std::filesystem::exists(dir.file("liste.pdf"))) << c.what;
        if (!c.pending && !c.sound) {
            EXPECT_EQ(Run_Viewer("--check '" + list + "'", dir, &err, "timeout 60"), 1) << c.what;
        }
        // The layout check tells the same, and the list does not read well
        // (it did, exit code 0, whatever the pages were marked for).
        std::string out;
        EXPECT_EQ(Run_Viewer("--layout '" + list + "'", dir, &err, "timeout 60", &out), 1) << c.what;
        const std::string said = c.said.substr(0, c.said.find(" (the strict check"));
        EXPECT_NE(out.find(list + ": "), std::string::npos) << c.what << ": " << out;
        EXPECT_NE(out.find(said), std::string::npos) << c.what << ": " << out;
        EXPECT_EQ(out.find("reads well"), std::string::npos) << c.what << ": " << out;
    }
}

// A page asked for alone is drawn alone: no PDF of every page beside it.
TEST(ViewerProgram, APageAloneWritesOnlyThatPage) {
    testutil::TempDir dir;
    const std::string list = dir.file("liste.OLI");
    testutil::Write_File(list, kTwoPages);
    std::string err;
    EXPECT_EQ(Run_Viewer("'" + list + "' --png 2 '" + dir.file("seite.png") + "'", dir, &err), 0) << err;
    EXPECT_GT(std::filesystem::file_size(dir.file("seite.png")), 1000u);
    EXPECT_FALSE(std::filesystem::exists(dir.file("liste.pdf")));
    EXPECT_EQ(Run_Viewer("'" + list + "' --png 3 '" + dir.file("drei.png") + "'", dir, &err), 1);
    EXPECT_NE(err.find("no page 3"), std::string::npos) << err;
    // A list near the size cap has some 300,000 pages: any page number is
    // asked for (before: one beyond 100,000 was no command line), none
    // beyond an int.
    EXPECT_EQ(Run_Viewer("'" + list + "' --png 300000 '" + dir.file("viele.png") + "'", dir, &err), 1);
    EXPECT_NE(err.find("no page 300000 in"), std::string::npos) << err;
    EXPECT_EQ(Run_Viewer("'" + list + "' --png 2147483648 '" + dir.file("viele.png") + "'", dir, &err), 2);
    EXPECT_EQ(Run_Viewer("'" + list + "' --png 0 '" + dir.file("viele.png") + "'", dir, &err), 2);
}

// Each fault gets its one message. Random bytes hold a pair that UTF-8
// makes of a guillemet now and then ("\xC2\xAB"), and were told as "the
// list is in UTF-8", before "holds no block"; a list whose tail is such
// bytes had its pages marked "in UTF-8". A list in UTF-8 reads as UTF-8
// throughout. With a font missing, that was followed by "no page 1", by a
// PDF that "cannot be written", or by the layout's "no page".
TEST(ViewerProgram, EachFaultGetsItsOneMessage) {
    testutil::TempDir dir;
    std::string noise;
    for (uint32_t x = 12345; noise.size() < 4096;) {
        x = x * 1103515245u + 12345u;
        noise += static_cast<char>((x >> 16) % 255 + 1);  // no NUL, which would end the list
    }
    noise.insert(2000, "\xC2\xAB");
    noise[0] = 'x';
    const std::string font = "no print-list pages: font " WELD_FONT_DIR "/DejaVuSans-Bold.ttf missing (scripts/setup "
                             "installs it)\n";
    const std::string no_font = Fault("open", "DejaVuSans-Bold.ttf");
    const std::string list = dir.file("liste.OLI");
    const struct {
        const char* what;
        std::string bytes, prefix, args, err;
    } cases[] = {
        {"noise", noise, "", "", "oliview: " + list + " holds no block of a print list\n"},
        {"noise, layout", noise, "", "--layout", "oliview: " + list + " holds no block of a print list\n"},
        {"font, page", kTwoPages, no_font, "--png 1 '" + dir.file("seite.png") + "'", font},
        {"font, PDF", kTwoPages, no_font, "-o '" + dir.file("liste.pdf") + "'", font},
        {"font, layout", kTwoPages, no_font, "--layout", font},
    };
    for (const auto& c : cases) {
        testutil::Write_File(list, c.bytes);
        std::string err, out;
        EXPECT_EQ(Run_Viewer(c.args + " '" + list + "'", dir, &err, c.prefix, &out), 1) << c.what;
        EXPECT_EQ(err, c.err) << c.what;
        EXPECT_EQ(out, "") << c.what;
        EXPECT_FALSE(std::filesystem::exists(dir.file("seite.png")) || std::filesystem::exists(dir.file("liste.pdf")))
            << c.what;
    }
    // The strict check names the fault alone; a list with such a tail is
    // damaged, not in UTF-8.
    std::string err, out;
    testutil::Write_File(list, noise);
    EXPECT_EQ(Run_Viewer("--check '" + list + "'", dir, &err, "", &out), 1);
    EXPECT_EQ(out.rfind(list + ": line 1: line outside a block: \"x", 0), 0u) << out;
    EXPECT_EQ(out.find("UTF-8"), std::string::npos) << out;
    testutil::Write_File(list, kTwoPages + noise);
    EXPECT_EQ(Run_Viewer("'" + list + "' --boxes '" + dir.file("boxes.txt") + "'", dir, &err), 3) << err;
    EXPECT_EQ(err.find("UTF-8"), std::string::npos) << err;
    EXPECT_EQ(Count_Boxes(testutil::Read_File(dir.file("boxes.txt")), "foot", "Druckliste besch\xC3\xA4" "digt: "),
              2);
}

// Under a limit of its address space from a few MB to well beyond what the
// list needs, the viewer writes every file (exit code 0) or says that
// memory ran out (exit code 5), never takes that for damage, never crashes
// and never leaves a part of a file: an old PDF stays as it was, a new one
// is whole (before: "1 damaged block(s) skipped", exit code 3 and a PDF of
// part of the list, or a crash in the font code and no PDF).
TEST(ViewerProgram, MemoryThatRunsOutIsToldAndLeavesNoPartOfAFile) {
    if (&__asan_init) GTEST_SKIP() << "under AddressSanitizer";
    testutil::TempDir dir;
    const std::string list = dir.file("liste.OLI");
    std::string bytes;
    for (int page = 0; page < 12; ++page) {
        for (int i = 0; i < 30; ++i) bytes += kPara;
        bytes += "#NEWPAGE\n";
    }
    testutil::Write_File(list, bytes);
    int told = 0, written = 0;
    for (long long kb = 16384; kb <= 1048576; kb += kb / 4) {
        testutil::Write_File(dir.file("out.pdf"), "old");
        std::filesystem::remove(dir.file("seite.png"));
        std::string err;
        const std::string args = "'" + list + "' -o '" + dir.file("out.pdf") + "' --png 7 '" + dir.file("seite.png") + "'";
        const int code = Run_Viewer(args, dir, &err, "ulimit -v " + std::to_string(kb) + ";");
        ASSERT_TRUE(code == 0 || code == 5) << kb << " KB: exit code " << code << ": " << err;
        const std::string pdf = testutil::Read_File(dir.file("out.pdf"));
        EXPECT_TRUE(pdf == "old" || (pdf.rfind("%PDF", 0) == 0 && pdf.find("%%EOF") != std::string::npos)) << kb;
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            EXPECT_NE(e.path().filename().string().rfind(".vek-", 0), 0u) << kb << " KB: " << e.path();
        if (code == 5) {
            ++told;
            EXPECT_NE(err.find("out of memory"), std::string::npos) << kb << ": " << err;
            EXPECT_EQ(err.find("damaged"), std::string::npos) << kb << ": " << err;
        } else {
            ++written;
            EXPECT_EQ(err, "") << kb;
            EXPECT_TRUE(std::filesystem::exists(dir.file("seite.png"))) << kb;
        }
    }
    EXPECT_GT(told, 0);
    EXPECT_GT(written, 0);
}

// A PNG file of w x h grey pixels (one byte each), its rows compressed.
std::string Grey_Png(unsigned w, unsigned h, unsigned char grey) {
    auto chunk = [](const char* type, const std::string& data) {
        std::string c;
        for (int k = 24; k >= 0; k -= 8) c += static_cast<char>((data.size() >> k) & 0xFF);
        const std::string body = type + data;
        c += body;
        const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()));
        for (int k = 24; k >= 0; k -= 8) c += static_cast<char>((crc >> k) & 0xFF);
        return c;
    };
    std::string head;
    for (unsigned v : {w, h})
        for (int k = 24; k >= 0; k -= 8) head += static_cast<char>((v >> k) & 0xFF);
    head += std::string("\x08\x00\x00\x00\x00", 5);  // 8 bits of grey, no interlace
    std::string row(w + 1, static_cast<char>(grey)), raw;
    row[0] = 0;  // no filter
    for (unsigned y = 0; y < h; ++y) raw += row;
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(size, '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(raw.data()),
              static_cast<uLong>(raw.size()), 9);
    packed.resize(size);
    return "\x89PNG\r\n\x1a\n" + chunk("IHDR", head) + chunk("IDAT", packed) + chunk("IEND", "");
}

// The colour (0xRRGGBB) of a pixel of a PNG file, -1 when it cannot be read.
long Png_Pixel(const std::string& png, int x, int y) {
    cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
    long colour = -1;
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS && x < cairo_image_surface_get_width(s) &&
        y < cairo_image_surface_get_height(s)) {
        const unsigned char* p = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s) + 4 * x;
        colour = long(p[2]) << 16 | long(p[1]) << 8 | p[0];
    }
    cairo_surface_destroy(s);
    return colour;
}

}  // namespace

// A picture whose pixels the memory left cannot hold (8,000 x 8,000 grey
// pixels embedded in the list: 256 MB once decoded, for a PDF more) under a
// limit of the address space from where the list reads to where all of it
// fits: every file is written (exit code 0, the picture in its place) or
// memory ran out (5). Before, cairo's failure was taken for a file that
// cannot be written (exit code 1) or for a picture that cannot be read
// (its place crossed, exit code 0).
TEST(ViewerProgram, APictureTheMemoryCannotHoldIsToldAsMemory) {
    if (&__asan_init) GTEST_SKIP() << "under AddressSanitizer";
    testutil::TempDir dir;
    const std::string list = dir.file("bild.OLI");
    std::string hex;
    const char* digits = "0123456789abcdef";
    for (unsigned char c : Grey_Png(8000, 8000, 0x80)) hex += std::string{digits[c >> 4], digits[c & 15]};
    std::string lines;
    for (size_t at = 0; at < hex.size(); at += 128) lines += hex.substr(at, 128) + "\n";
    // Embedded (0x1000), 10 cm wide (0x2) with its lower left corner 1 cm
    // inside the picture's 12 x 12 cm: its middle 2.5 + 6 cm from the left.
    testutil::Write_File(list, kPara + "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 12 0 12\n 75 4098 1 1 10 0 \xAEPNG\xAF\n{\n" +
                                   lines + "}\n -1\n");
    int told = 0, written = 0;
    for (long long kb = 250000; kb <= 400000; kb += 25000) {
        for (const bool png : {false, true}) {
            std::string err;
            const std::string args = "'" + list + "' " + (png ? "--png 1 '" + dir.file("seite.png") + "'"
                                                              : "-o '" + dir.file("bild.pdf") + "'");
            const int code = Run_Viewer(args, dir, &err, "ulimit -v " + std::to_string(kb) + ";");
            ASSERT_TRUE(code == 0 || code == 5) << kb << " KB: exit code " << code << ": " << err;
            if (code == 5) {
                ++told;
                EXPECT_NE(err.find("out of memory"), std::string::npos) << kb << ": " << err;
            } else {
                ++written;
                // 150 dpi: the picture's middle 8.5 cm from the left.
                if (png) {
                    EXPECT_EQ(Png_Pixel(dir.file("seite.png"), 502, 495), 0x808080) << kb;
                }
            }
        }
    }
    EXPECT_GT(told, 0);
    EXPECT_GT(written, 0);
}

// A list of any length is drawn in bounded memory: its blocks are read again
// from the file where they are drawn, not held. A list of 300,000 blocks (6
// MB; held, they took some 100 MB) is drawn, its PDF and its last page,
// under a limit of 150 MB of data, of which the viewer leaves 64 MB to the
// page-drawing libraries (before: "out of memory", exit code 5).
TEST(ViewerProgram, AListOfAnyLengthIsDrawnInBoundedMemory) {
    if (&__asan_init) GTEST_SKIP() << "under AddressSanitizer";
    testutil::TempDir dir;
    std::string bytes;
    for (int page = 0; page < 2; ++page) {
        bytes += (page ? "#NEWPAGE\n" : "") + kPara;
        for (int i = 0; i < 150000; ++i) bytes += "#SETYPOS\n 0 0.00001\n";
    }
    testutil::Write_File(dir.file("lang.OLI"), bytes);
    std::string err, out;
    const std::string args = "'" + dir.file("lang.OLI") + "' -o '" + dir.file("lang.pdf") + "' --png 2 '" +
                             dir.file("lang.png") + "'";
    EXPECT_EQ(Run_Viewer(args, dir, &err, "ulimit -d 153600;", &out), 0) << err;
    EXPECT_EQ(out, dir.file("lang.pdf") + ": 2 page(s)\n" + dir.file("lang.png") + ": page 2\n");
}

namespace {

// Writes the PDF of each list with the allocation counter in front of the
// viewer: the second list, four times the first, must ask for at most six
// times the bytes. Nothing is judged where the viewer's allocator is not
// counted (a sanitizer's comes before the counter).
void Expect_Bytes_In_Proportion(const testutil::TempDir& dir, const std::string (&lists)[2]) {
    unsigned long long bytes[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        testutil::Write_File(dir.file("liste.OLI"), lists[i]);
        std::string err;
        const std::string shim = "LD_PRELOAD='" + std::string(WELD_ALLOC_COUNT_SHIM) + "' WELD_ALLOC_COUNT='" +
                                 dir.file("allocs.txt") + "'";
        ASSERT_EQ(Run_Viewer("'" + dir.file("liste.OLI") + "' -o '" + dir.file("liste.pdf") + "'", dir, &err, shim), 0)
            << err;
        if (!std::filesystem::exists(dir.file("allocs.txt"))) GTEST_SKIP() << "the viewer's allocator is not counted";
        std::istringstream in(testutil::Read_File(dir.file("allocs.txt")));
        unsigned long count = 0;
        in >> count >> bytes[i];
    }
    EXPECT_GT(bytes[0], 0u);
    EXPECT_LT(bytes[1], 6 * bytes[0]) << bytes[0] << " and " << bytes[1] << " bytes";
}

}  // namespace

// Records drawn on top of a picture are kept in time and memory that grow
// with their number: four times as many ask for at most six times the
// bytes (before: each line copied all kept before it, 16 times the bytes;
// 40,000 lines took seconds, 400,000 minutes).
TEST(ViewerProgram, RecordsOnTopOfAPictureCostInProportionToTheirNumber) {
    testutil::TempDir dir;
    std::string lists[2];
    for (int i = 0; i < 2; ++i) {
        lists[i] = "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 4 0 3\n 1  0 0 4 3\n -1\n";
        for (int k = 0; k < (i == 0 ? 5000 : 20000); ++k) lists[i] += " 1  0 0 1 1\n";
        lists[i] += kPara;
    }
    Expect_Bytes_In_Proportion(dir, lists);
}

// A word without blanks is laid out in time and memory that grow with its
// length, not with its square: a word four times as long asks for at most
// six times the bytes (before: 13 times; 60,000 letters took 18 s for the
// PDF and 300,000 more than 300 s and 1 GB).
TEST(ViewerProgram, ALongWordCostsInProportionToItsLength) {
    testutil::TempDir dir;
    std::string lists[2];
    for (int i = 0; i < 2; ++i)
        lists[i] = "#SHOWPARA\n0x0\n4\n-1\n " + std::string(i == 0 ? 6000 : 24000, 'x') + "\n#END_OF_TEXT\n0x0\n-1\n";
    Expect_Bytes_In_Proportion(dir, lists);
}
