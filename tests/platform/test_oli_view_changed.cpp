// Print-list viewer stand-in: a list that another program rewrites in
// place, cuts or grows while it is opened, laid out or drawn is never drawn
// as pages that mix two lists (the old list's page breaks and count, the
// new bytes). The PDF is then not written and an old one stays; the preview
// reads the list again, shows the new list's page and says so. A list
// appended to, touched or replaced by a rename is drawn as it was opened.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/events.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/oli_layout_check.h"
#include "platform/oli_lines_internal.h"
#include "platform/oli_view.h"
#include "platform/posix.h"
#include "platform/screen.h"
#include "support/global_state.h"
#include "oli_read_list.h"
#include "support/testutil.h"

namespace {
namespace oli_changed {

namespace fs = std::filesystem;

// What a test does when the viewer reads its list again: at the how-many-th
// piece read again (0: never), with the list's path.
struct Piece_Change {
    int at = 0, seen = 0;
    std::function<void()> change;
} piece_change;

void Change_At_Piece(long long /*offset*/, bool again) {
    if (!again || piece_change.at == 0 || ++piece_change.seen != piece_change.at) return;
    piece_change.change();
}

// Counts the pieces read again, changing nothing.
int pieces_read_again = 0;
void Count_Piece(long long /*offset*/, bool again) { pieces_read_again += again; }

const testutil::Global_Reset reset_piece_hook([] {
    oli_list_piece_hook = nullptr;
    piece_change = Piece_Change{};
    pieces_read_again = 0;
});

const std::string kList = oli_test::Picture_List("Liste A", 4);

// The list at `path` opened as the viewer opens it.
OliDocument Opened(const std::string& path) {
    OliDocument doc;
    int refusal = 0;
    EXPECT_TRUE(OLI_Read_Document_File(path.c_str(), &doc, &refusal)) << path;
    return doc;
}

// The PDF of a document, but for its date; "" when none is written.
std::string Pdf_Of(const OliDocument& doc, const std::string& path, OliWriteOutcome* told = nullptr) {
    OliWriteOutcome own;
    testing::internal::CaptureStderr();
    const int pages = OLI_Render_PDF(doc, path.c_str(), told ? told : &own);
    testing::internal::GetCapturedStderr();
    return pages > 0 ? oli_test::Without_Date(testutil::Read_File(path)) : "";
}

// The names in a folder that begin with a temporary's head.
std::vector<std::string> Temporaries(const std::string& dir) {
    std::vector<std::string> found;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.path().filename().string().rfind(".vek-", 0) == 0) found.push_back(e.path().filename().string());
    return found;
}

// How another program changes the list.
enum How { REWRITE, CUT, APPEND, RENAME, TOUCH, REMOVE };

struct Change {
    const char* what;
    How how;
    std::string bytes;  // written, appended or renamed over the list
};

// Changes the list at `path` as `c` says (written in place as `cat` and
// `cp` write: the file cut to nothing and written again).
void Make(const Change& c, const std::string& path) {
    switch (c.how) {
    case REWRITE: testutil::Write_File(path, c.bytes); break;
    case CUT: ASSERT_EQ(truncate(path.c_str(), static_cast<off_t>(fs::file_size(path) * 3 / 10)), 0); break;
    case APPEND: {
        FILE* f = std::fopen(path.c_str(), "ab");
        ASSERT_TRUE(f);
        std::fwrite(c.bytes.data(), 1, c.bytes.size(), f);
        std::fclose(f);
        break;
    }
    case RENAME:
        testutil::Write_File(path + ".neu", c.bytes);
        ASSERT_EQ(std::rename((path + ".neu").c_str(), path.c_str()), 0);
        break;
    case TOUCH: {
        const timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
        break;
    }
    case REMOVE: ASSERT_EQ(unlink(path.c_str()), 0); break;
    }
}

// The bytes of the list at `path` once `c` changed it ("" when removed).
std::string Bytes_After(const Change& c, const std::string& before) {
    switch (c.how) {
    case REWRITE: return c.bytes;
    case CUT: return before.substr(0, before.size() * 3 / 10);
    case APPEND: return before + c.bytes;
    case RENAME: return c.bytes;
    case TOUCH: return before;
    case REMOVE: return "";
    }
    return "";
}

const std::vector<Change>& Changes() {
    static const std::vector<Change> changes = {
        {"rewritten, the same size", REWRITE, oli_test::Picture_List("Liste B", 4)},
        {"rewritten, longer", REWRITE, oli_test::Picture_List("Liste B", 6)},
        {"rewritten, shorter", REWRITE, oli_test::Picture_List("Liste B", 2)},
        {"cut to 30 %", CUT, ""},
        {"appended to", APPEND, oli_test::Picture_List("Liste B", 1)},
        {"replaced by a rename", RENAME, oli_test::Picture_List("Liste B", 4)},
        {"touched", TOUCH, ""},
    };
    return changes;
}

// Whether the list opened still holds its bytes after `c`: the pages drawn
// from it are then its own.
bool Held(const Change& c) { return c.how == APPEND || c.how == RENAME || c.how == TOUCH || c.how == REMOVE; }

}  // namespace oli_changed
}  // namespace

// The PDF of a list changed after it was opened, when its layout begins
// to read it again, or at the drawing's last read: a list rewritten in
// place (of the same size, longer, shorter) or cut gives no PDF (the one
// of the name before stays, no temporary is left) and says that it
// changed; before, the PDF had the old pages' count and breaks with the
// new bytes (a 20 MB list cut to its first 5 MB: one page, "Seite 1 von
// 134", and exit code 0). A list appended to, replaced by a rename or
// touched gives the PDF of the list as opened (read into memory).
TEST(OliViewChanged, APdfIsOfOneWholeListOrNotWritten) {
    using namespace oli_changed;
    testutil::TempDir dir;
    const std::string list = dir.file("A001_01.OLI"), pdf = dir.file("A001_01.pdf");
    ASSERT_EQ(Changes()[0].bytes.size(), kList.size());
    const std::string whole = Pdf_Of(oli_test::Read(kList), dir.file("whole.pdf"));
    ASSERT_GT(whole.size(), 10000u);
    // The pieces a PDF of the list reads again, counted.
    testutil::Write_File(list, kList);
    oli_list_piece_hook = Count_Piece;
    ASSERT_EQ(Pdf_Of(Opened(list), pdf), whole);
    const int pieces = pieces_read_again;
    ASSERT_GE(pieces, 8);
    const struct {
        const char* what;
        int at;  // the piece read again the list changes at; 0: before the PDF is begun
    } moments[] = {{"after it was opened", 0}, {"as its layout begins", 1}, {"at the drawing's last read", pieces}};
    for (const Change& c : Changes())
        for (const auto& m : moments) {
            const std::string what = std::string(c.what) + ", " + m.what;
            testutil::Write_File(list, kList);
            testutil::Write_File(pdf, "ein altes PDF");
            const OliDocument doc = Opened(list);
            piece_change = Piece_Change{m.at, 0, [&] { Make(c, list); }};
            oli_list_piece_hook = Change_At_Piece;
            if (m.at == 0) Make(c, list);
            OliWriteOutcome told;
            const std::string written = Pdf_Of(doc, pdf, &told);
            oli_list_piece_hook = nullptr;
            if (Held(c)) {
                EXPECT_TRUE(written == whole) << what;
                EXPECT_FALSE(told.changed) << what;
                EXPECT_FALSE(OLI_List_Changed(doc)) << what;
            } else {
                EXPECT_TRUE(written.empty()) << what;
                EXPECT_TRUE(told.changed) << what;
                EXPECT_EQ(told.error, 0) << what;
                EXPECT_TRUE(OLI_List_Changed(doc)) << what;
                EXPECT_TRUE(testutil::Read_File(pdf) == "ein altes PDF") << what;
            }
            EXPECT_EQ(Temporaries(dir.path()), std::vector<std::string>{}) << what;
        }
}

// Every road from a list that changed refuses it as changed: the PDF, a
// page as PNG, the text boxes, the layout check and a page set, also one
// laid out before the list changed; and so does every road from a list
// that changed while the reader read it whole (cut at its second piece).
// Whether the file at a path is still the list opened: not when it grew,
// was touched or cut, or the path names another file; a list no longer
// there leaves the one held as it is.
TEST(OliViewChanged, EveryRoadRefusesAChangedList) {
    using namespace oli_changed;
    testutil::TempDir dir;
    const std::string list = dir.file("A001_01.OLI");
    const std::string other = Changes()[0].bytes;
    for (const bool while_read_whole : {false, true}) {
        testutil::Write_File(list, kList);
        OliDocument doc;
        OliPageSet* before = nullptr;
        if (while_read_whole) {
            piece_change = Piece_Change{};
            oli_list_piece_hook = [](long long, bool again) {
                if (!again && ++piece_change.seen == 2) piece_change.change();
            };
            piece_change.change = [&] { Make(Change{"cut", CUT, ""}, list); };
            doc = Opened(list);
            oli_list_piece_hook = nullptr;
            ASSERT_GE(piece_change.seen, 2) << "a list of more than one piece";
        } else {
            doc = Opened(list);
            before = OLI_Open_Page_Set(doc);
            ASSERT_TRUE(before);
            testutil::Write_File(list, other);
        }
        const std::string what = while_read_whole ? "changed while read whole" : "rewritten after it was laid out";
        OliWriteOutcome told;
        EXPECT_EQ(OLI_Render_PDF(doc, dir.file("A.pdf").c_str(), &told), 0) << what;
        EXPECT_TRUE(told.changed) << what;
        told = OliWriteOutcome{};
        EXPECT_EQ(OLI_Render_PNG(doc, 1, 40, dir.file("A.png").c_str(), &told), 0) << what;
        EXPECT_TRUE(told.changed) << what;
        std::vector<OliTextBox> boxes;
        EXPECT_EQ(OLI_Render_Text_Boxes(doc, &boxes), 0) << what;
        EXPECT_EQ(errno, ESTALE) << what;
        EXPECT_EQ(OLI_Layout_Faults(doc, ""), std::vector<std::string>{OLI_LAYOUT_LIST_CHANGED}) << what;
        EXPECT_EQ(OLI_Open_Page_Set(doc), nullptr) << what;
        EXPECT_EQ(errno, ESTALE) << what;
        if (before) {
            OliPageImage image;
            EXPECT_EQ(OLI_Render_Page_Image(before, 2, 40, &image), 0) << what;
            EXPECT_EQ(errno, ESTALE) << what;
            EXPECT_TRUE(image.rgb.empty()) << what;
            OLI_Close_Page_Set(before);
        }
        EXPECT_TRUE(OLI_List_Changed(doc)) << what;
        EXPECT_TRUE(OLI_List_File_Differs(doc, list.c_str())) << what;
        EXPECT_FALSE(fs::exists(dir.file("A.pdf")) || fs::exists(dir.file("A.png"))) << what;
        EXPECT_EQ(Temporaries(dir.path()), std::vector<std::string>{}) << what;
    }
    const struct {
        const char* what;
        How how;
        bool differs, held_differs;  // at the path; the file held alone
    } looks[] = {
        {"untouched", TOUCH, false, false},  // (not made: the list as written)
        {"appended to", APPEND, true, true},
        {"touched", TOUCH, true, true},
        {"cut", CUT, true, true},
        {"replaced by a rename", RENAME, true, false},
        {"removed", REMOVE, false, false},
    };
    for (const auto& l : looks) {
        testutil::Write_File(list, kList);
        const OliDocument doc = Opened(list);
        if (std::string(l.what) != "untouched") Make(Change{l.what, l.how, other}, list);
        EXPECT_EQ(OLI_List_File_Differs(doc, list.c_str()), l.differs) << l.what;
        EXPECT_EQ(OLI_List_File_Differs(doc, nullptr), l.held_differs) << l.what;
        EXPECT_FALSE(OLI_List_Changed(doc)) << l.what << ": nothing read again yet";
    }
    // A list read into memory has no file to change.
    EXPECT_FALSE(OLI_List_File_Differs(oli_test::Read(kList), list.c_str()));
    // The printer: no PDF beside the list, and a box that says why.
    testutil::Write_File(list, kList);
    VEK_Clear_Recorded_Messages();
    piece_change = Piece_Change{1, 0, [&] { testutil::Write_File(list, other); }};
    oli_list_piece_hook = Change_At_Piece;
    EXPECT_EQ(Quick_OLI_Print("A001", list.c_str()), 0);
    oli_list_piece_hook = nullptr;
    EXPECT_FALSE(fs::exists(dir.file("A001_01.pdf")));
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines,
              (std::vector<std::string>{"Die Druckliste kann nicht gedruckt werden.",
                                        list + ": sie wurde w\x84hrend des Druckens von einem anderen Programm "
                                               "ge\x84ndert; keine PDF-Datei geschrieben"}));
}

namespace {
namespace oli_changed {

constexpr int kW = 800, kH = 600;

// The screen of the preview of the list at `path` turned to page `page`
// (Page Down from the first).
std::vector<unsigned> Shown_At(const std::string& path, int page) {
    std::vector<unsigned> shot(kW * kH);
    for (int p = 1; p < page; ++p) VEK_Script_Key(VEK_KEY_PGDN);
    VEK_Script_Call([&] { pxScreenRGB(shot.data()); });
    VEK_Script_Key(VEK_KEY_ESC);
    EXPECT_EQ(Quick_OLI_View("A001", path.c_str()), 1);
    return shot;
}

// The pages of the list of these bytes, as a viewer of it counts them.
int Pages_Of(const std::string& bytes, const std::string& path) {
    testutil::Write_File(path, bytes);
    const OliDocument doc = Opened(path);
    OliPageSet* set = OLI_Open_Page_Set(doc);
    const int pages = OLI_Page_Set_Count(set);
    OLI_Close_Page_Set(set);
    return pages;
}

}  // namespace oli_changed
}  // namespace

// The preview of a list that another program changes between two page
// turns, or while the next page is drawn (at its first piece read again: a
// rewrite of the same size that the file's size and times may not show):
// the next page shown is that page of the list as it now stands, as a
// preview opened on it shows it, at the page the user turned to where the
// list still has it, and a box says that the list changed and was read
// again. Before, the page showed the new bytes on the old list's page
// breaks under the old count. A list only touched (its bytes the same) or
// removed (nothing newer to show) goes on as it was, without a box.
TEST(OliViewChanged, ThePreviewShowsTheListAsItNowStands) {
    using namespace oli_changed;
    testutil::TempDir dir;
    const std::string list = dir.file("A001_01.OLI"), fresh = dir.file("B001_01.OLI");
    const int pages = Pages_Of(kList, fresh);
    ASSERT_EQ(pages, 4);
    const Change kept_same{"touched", TOUCH, ""};
    struct Case {
        Change change;
        int at;           // the page shown when it changes
        bool while_drawn; // at the next page's first piece read again
    };
    const std::vector<Case> cases = {
        {Changes()[1], 1, false},                 // longer
        {Changes()[2], 3, false},                 // shorter: its last page
        {Changes()[3], 1, false},                 // cut
        {Changes()[5], 1, false},                 // renamed over
        {Changes()[0], 1, true},                  // the same size, while drawn
        {kept_same, 1, false},
        {Change{"removed", REMOVE, ""}, 2, false},
    };
    pxInitScreen(kW, kH);
    // The screen's palette takes the viewer's grey with its first page (the
    // page's colours go to the nearest entries before): the sessions
    // compared all come after one.
    Shown_At(fresh, 1);
    for (const Case& c : cases) {
        const std::string what = c.change.what;
        const std::string after = Bytes_After(c.change, kList);
        const bool again = !(c.change.how == TOUCH || c.change.how == REMOVE);
        const int now = Pages_Of(again ? after : kList, fresh);
        const int page = std::min(c.at + 1, now);
        const std::vector<unsigned> expected = Shown_At(fresh, page);
        testutil::Write_File(list, kList);
        VEK_Clear_Recorded_Messages();
        std::vector<unsigned> shown(kW * kH);
        for (int p = 1; p < c.at; ++p) VEK_Script_Key(VEK_KEY_PGDN);
        VEK_Script_Call([&] {
            if (!c.while_drawn) return Make(c.change, list);
            piece_change = Piece_Change{1, 0, [&] { Make(c.change, list); }};
            oli_list_piece_hook = Change_At_Piece;
        });
        VEK_Script_Key(VEK_KEY_PGDN);
        if (again) VEK_Script_Answer(1);  // the box that says so
        VEK_Script_Call([&] { pxScreenRGB(shown.data()); });
        VEK_Script_Key(VEK_KEY_ESC);
        EXPECT_EQ(Quick_OLI_View("A001", list.c_str()), 1) << what;
        oli_list_piece_hook = nullptr;
        EXPECT_EQ(VEK_Script_Pending(), 0) << what;
        VEK_Script_Clear();  // what a case left does not reach the next
        EXPECT_TRUE(shown == expected) << what << ": not page " << page << " of the list as it stands";
        std::vector<std::vector<std::string>> boxes;
        for (const VEKRecordedMessage& m : VEK_Recorded_Messages()) {
            boxes.push_back({m.title});
            boxes.back().insert(boxes.back().end(), m.lines.begin(), m.lines.end());
        }
        const std::vector<std::vector<std::string>> told = {
            {"Hinweis", "Die Druckliste wurde w\x84hrend der Anzeige von einem anderen Programm ge\x84ndert.",
             list + ": neu gelesen, jetzt " + std::to_string(now) + " Seiten"}};
        EXPECT_EQ(boxes, again ? told : std::vector<std::vector<std::string>>{}) << what;
    }
}

// A list that cannot be read again (cut in place and its name removed)
// closes the preview with a box that says why; the screen under it comes
// back. One that changes each time it is read whole is not shown: the box
// says that it is being changed.
TEST(OliViewChanged, APreviewWhoseListCannotBeReadAgainCloses) {
    using namespace oli_changed;
    testutil::TempDir dir;
    const std::string list = dir.file("A001_01.OLI");
    testutil::Write_File(list, kList);
    pxInitScreen(kW, kH);
    const std::vector<int> under(pxScreenPixels(), pxScreenPixels() + kW * kH);
    VEK_Clear_Recorded_Messages();
    VEK_Script_Call([&] {
        Make(Change{"cut", CUT, ""}, list);
        Make(Change{"removed", REMOVE, ""}, list);
    });
    VEK_Script_Key(VEK_KEY_PGDN);
    VEK_Script_Key(VEK_KEY_PGDN);
    EXPECT_EQ(Quick_OLI_View("A001", list.c_str()), 1);
    EXPECT_EQ(VEK_Script_Pending(), 1) << "the viewer closed at the first turn";
    VEK_Script_Clear();
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines,
              (std::vector<std::string>{
                  "Die Druckliste wurde w\x84hrend der Anzeige ge\x84ndert und kann nicht neu gelesen werden.",
                  list + ": " + VEK_Read_Refusal_Text(VEK_READ_MISSING)}));
    EXPECT_TRUE(std::equal(under.begin(), under.end(), pxScreenPixels()));
    // Written anew, with the other of two lists, before each piece but the
    // first of every whole reading.
    testutil::Write_File(list, kList);
    VEK_Clear_Recorded_Messages();
    piece_change = Piece_Change{};
    piece_change.change = [&] { testutil::Write_File(list, piece_change.seen % 2 ? Changes()[0].bytes : kList); };
    oli_list_piece_hook = [](long long offset, bool again) {
        if (again || offset == 0) return;
        ++piece_change.seen;
        piece_change.change();
    };
    EXPECT_EQ(Quick_OLI_View("A001", list.c_str()), 0);
    oli_list_piece_hook = nullptr;
    EXPECT_GE(piece_change.seen, 3) << "read whole three times";
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines,
              (std::vector<std::string>{"Die Druckliste kann nicht angezeigt werden.",
                                        list + ": sie wird gerade ge\x84ndert"}));
}
