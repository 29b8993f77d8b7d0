// The stand-in's readers of files a user or a tool hands over, with a FIFO
// or a folder where the file should be: each refuses it at once and says
// why where the user looks. Before, a FIFO hung every one of them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>

#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/msgbox.h"
#include "platform/oli_view.h"
#include "platform/screen.h"
#include "support/scoped_fifo.h"
#include "support/testutil.h"

namespace {

namespace fs = std::filesystem;
using testutil::ScopedEnv;
using testutil::TempDir;

// The lines of the last message box, one string.
std::string Last_Box() {
    const auto& boxes = VEK_Recorded_Messages();
    std::string text;
    if (!boxes.empty())
        for (const std::string& line : boxes.back().lines) text += line + "|";
    return text;
}

TEST(NoFileInPlace, EveryReaderRefusesAFifoOrAFolderAtOnce) {
    TempDir t;
    ScopedEnv data("DATA", t.str());
    ScopedEnv exec("EXEC", t.str());
    fs::create_directory(t.file("FONT"));
    // A tool that runs until told to stop; its title file is the case's.
    testutil::Write_File(t.file("Tool.exe"), "#!/bin/sh\nwhile [ ! -f \"" + t.file("stop") + "\" ]; do sleep 0.01; done\n");
    chmod(t.file("Tool.exe").c_str(), 0755);
    // A picture naming a raster picture and a stored symbol.
    testutil::Write_File(t.file("bild.OLI"), "#SHOWGRAFIC\n0 0 0\n0 0 0\n-1\n0 3.5 0 2.5\n75 0 1 1 \xAE" + t.file("bild.png") +
                                                 "\xAF\n27 0 2.5 %FONT%\\zeichen.ocm\n-1\n");
    const struct Case {
        const char* reader;
        std::string path;
        std::function<std::string(const std::string&)> run;
        std::string told;  // "<kind>" stands for the kind's reason
    } cases[] = {
        {"copy source", t.file("quelle"),
         [&](const std::string& p) {
             const int r = VEKCopyFile(p.c_str(), t.file("kopie").c_str(), 0);
             return std::to_string(r) + " " + std::to_string(fs::exists(t.file("kopie")));
         },
         "0 0"},
        {"tool title", t.file("Tool.exe.title"),
         [&](const std::string&) {
             const char* argv[] = {"Tool.exe", nullptr};
             const int id = VEKSpawnv(2, "Tool.exe", argv);
             const int found = FindVEKWindow("Tool.exe", 8) != 0;
             testutil::Write_File(t.file("stop"), "");
             for (int polls = 0; FindVEKWindow("Tool.exe", 8) && polls < 100000;) ++polls;
             fs::remove(t.file("stop"));
             return std::to_string(id > 0) + " " + std::to_string(found);
         },
         "1 1"},
        {"bitmap", t.file("bild.bmp"),
         [](const std::string& p) { return std::to_string(pxQDIBSize(p.c_str(), nullptr, nullptr)); }, "0"},
        {"script file", t.file("lauf.vks"),
         [](const std::string& p) {
             ::testing::internal::CaptureStderr();
             const int r = VEK_Script_Load_File(p.c_str());
             return std::to_string(r) + " " + ::testing::internal::GetCapturedStderr();
         },
         "-1 script file " + t.file("lauf.vks") + " cannot be read (<kind>)\n"},
        {"print", t.file("liste.OLI"),
         [](const std::string& p) {
             const int r = Quick_OLI_Print("", p.c_str());
             return std::to_string(r) + " " + Last_Box();
         },
         "0 Die Druckliste kann nicht gedruckt werden.|" + t.file("liste.OLI") + ": <kind>|"},
        {"view", t.file("liste.OLI"),
         [](const std::string& p) {
             const int r = Quick_OLI_View("", p.c_str());
             return std::to_string(r) + " " + Last_Box();
         },
         "0 Die Druckliste kann nicht angezeigt werden.|" + t.file("liste.OLI") + ": <kind>|"},
        // The picture's place is drawn crossed, the symbol left out.
        {"raster picture", t.file("bild.png"),
         [&](const std::string&) { return std::to_string(OLI_View_File(t.file("bild.OLI").c_str(), t.file("bild.pdf").c_str())); },
         "1"},
        {"stored symbol", t.file("FONT/zeichen.ocm"),
         [&](const std::string&) { return std::to_string(OLI_View_File(t.file("bild.OLI").c_str(), t.file("bild.pdf").c_str())); },
         "1"},
    };
    for (const char* kind : {"fifo", "folder"}) {
        for (const Case& c : cases) {
            std::string told = c.told;
            if (const size_t at = told.find("<kind>"); at != std::string::npos) told.replace(at, 6, "keine Datei");
            if (std::string(kind) == "folder") {
                fs::create_directory(c.path);
                EXPECT_EQ(c.run(c.path), told) << c.reader << ", " << kind;
                fs::remove(c.path);
            } else {
                testutil::ScopedFifo fifo(c.path);
                ASSERT_TRUE(fifo.Made());
                EXPECT_EQ(c.run(c.path), told) << c.reader << ", " << kind;
                EXPECT_FALSE(fifo.Waited()) << c.reader << " waited for a writer";
            }
        }
    }
}

}  // namespace
