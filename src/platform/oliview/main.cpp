// oliview: renders a print list to PDF, and on request one page to PNG.
//
//   oliview LIST.OLI [-o OUT.pdf] [--png PAGE OUT.png] [--boxes OUT.txt]
//   oliview --check LIST.OLI
//   oliview --layout LIST.OLI
//
// --check runs the strict structure check and prints the first fault (exit
// code 1) or "sound" (0); nothing is rendered.
// Only a regular file is read; one that is empty or holds no block of a
// print list is an error (exit code 1), and no PDF is written for it. The
// list ends at a NUL byte: the zeros or other bytes that follow are not
// read (the list counts as damaged).
// --layout lays the list out and prints every fault of its pages
// (oli_layout_check.h), and whatever makes the list not to be trusted (what
// its pages are marked for: damage, a cut, what the strict check refuses,
// a successor beside it), exit code 1; or "reads well" (0). A list without
// a block is refused as when rendering; one whose file changed while it
// was laid out is said to have changed (exit code 3).
// --boxes lists every text set on the pages, one per line: page, left,
// top, width and height in cm, kind, heading flag and the text.
//
// Every file is written whole or not at all: an old file of the name stays
// as it was when its new one cannot be written. Exit codes when rendering:
// 0 every file written; 1 the list cannot be read or a file cannot be
// written (stderr says which, and why); 2 a command line it does not
// understand; 3 every file written, but the list is damaged, or its
// successor waits beside it (a run that writes it with its plot file was
// cut off), or the input file beside it is not the one it was made from:
// each page of the PDF and the PNG says so in red, and so does stderr; or
// the list's file changed while it was read or drawn (another program
// rewrote or cut it in place): no file is written from then on, none with
// pages of two lists, a file written before stays whole (stderr says so,
// and which file is not written); 4 every file written, but the folder of one could not be synced
// after its new file was put in place: the new file stands, but may not
// survive a power cut (stderr says which; this code wins over 3); 5
// memory ran out (the process's limit leaves too little for the list): no
// file is written from then on, none stands in part, a file written before
// stays whole (stderr says so; this code wins over 3 and 4).
// --png without -o draws that page alone: no PDF is written.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/oli_layout_check.h"
#include "platform/oli_view.h"
#include "platform/posix.h"

namespace {

enum Exit_Code {
    EXIT_WRITTEN = 0,
    EXIT_FAILED = 1,
    EXIT_USAGE = 2,
    EXIT_MARKED = 3,
    EXIT_UNCONFIRMED = 4,
    EXIT_NO_MEMORY = 5,
};

// Memory ran out: no damage of the list, and nothing more is written.
int Out_Of_Memory(const char* list) {
    std::fprintf(stderr, "oliview: %s: out of memory: the list needs more than this process may take; nothing more "
                         "is written\n",
                 list);
    return EXIT_NO_MEMORY;
}

// The list's file changed while it was read or drawn: its pages cannot be
// told, and nothing more is written (`file`, when given, is not).
int Changed(const char* list, const char* file = nullptr) {
    std::fprintf(stderr, "oliview: %s: the list changed while it was read (another program rewrote or cut it in "
                         "place): %s%s; run again once the list stands\n",
                 list, file ? file : "nothing is written",
                 file ? " is not written, an old file of the name stays as it was" : "");
    return EXIT_MARKED;
}

int Usage() {
    std::fprintf(stderr, "usage: oliview LIST.OLI [-o OUT.pdf] [--png PAGE OUT.png] [--boxes OUT.txt]\n"
                         "       oliview --check LIST.OLI\n"
                         "       oliview --layout LIST.OLI\n");
    return EXIT_USAGE;
}

// The list opened for reading: a regular file of any size a print list
// reaches, not empty. Null, with the reason on stderr, otherwise: a
// directory or a FIFO must not give a blank PDF or hang the viewer.
FILE* Open_List(const char* name) {
    FILE* f = VEK_Open_Reading(name, VEK_READ_CAP_LIST, nullptr);
    if (!f) {
        std::fprintf(stderr, "oliview: cannot open %s: %s\n", name, std::strerror(errno));
        return nullptr;
    }
    const int first = std::fgetc(f);
    if (first == EOF) {
        std::fprintf(stderr, "oliview: %s is empty\n", name);
        std::fclose(f);
        return nullptr;
    }
    std::ungetc(first, f);
    return f;
}

const char* const kBoxKind[] = {"para", "table", "title", "picture", "foot"};

int Write_Boxes(FILE* o, void* context) {
    for (const OliTextBox& t : *static_cast<const std::vector<OliTextBox>*>(context))
        if (std::fprintf(o, "%d\t%.3f\t%.3f\t%.3f\t%.3f\t%s\t%d\t%s\n", t.page, t.x, t.y, t.w, t.h, kBoxKind[t.kind],
                         t.heading ? 1 : 0, t.text.c_str()) < 0)
            return VEK_WRITE_FAILED;
    return VEK_WRITE_DONE;
}

// What is not to be trusted in the list as it was read (its pages say so
// in red): one sentence each; none for a sound list.
std::vector<std::string> Doubts(const char* list, const OliDocument& doc) {
    std::vector<std::string> said;
    if (doc.past_end > 0)
        said.push_back("the list ends at a NUL byte; the " + std::to_string(doc.past_end) +
                       " bytes from there on are not read");
    if (doc.damaged) said.push_back(std::to_string(doc.damaged) + " damaged block(s) skipped");
    if (!doc.cut.empty()) said.push_back("the list breaks off (" + doc.cut + "): it was cut off and pages are missing");
    if (doc.out_of_step)
        said.push_back(OLI_List_Successor(list) +
                       " stands beside it: the run that writes the list and its plot file was cut off, and the "
                       "plot file may belong to that newer list");
    if (!doc.not_of_input.empty())
        said.push_back("the input file " + doc.not_of_input + " beside it was changed after the list was written: the "
                       "list is not its input's");
    if (!doc.refused.empty()) said.push_back(doc.refused + " (the strict check refuses the list)");
    else if (doc.utf8)
        said.push_back("the list is in UTF-8, not in code page 850: it was re-encoded after it was written, and its "
                       "letters and signs read wrongly");
    return said;
}

// What the pages will say of the list, told on stderr too. True when the
// list is sound.
bool Tell_State(const char* list, const OliDocument& doc) {
    const std::vector<std::string> doubts = Doubts(list, doc);
    for (const std::string& d : doubts) std::fprintf(stderr, "oliview: %s: %s\n", list, d.c_str());
    if (!doubts.empty()) std::fprintf(stderr, "oliview: %s: every page says so\n", list);
    return doubts.empty();
}

int Check(const char* list) {
    FILE* f = Open_List(list);
    if (!f) return EXIT_FAILED;
    std::string fault;
    const int sound = OLI_Check_Structure(f, &fault);
    std::fclose(f);
    if (!sound && fault == "out of memory") return Out_Of_Memory(list);
    std::printf("%s: %s\n", list, sound ? "sound" : fault.c_str());
    return sound ? EXIT_WRITTEN : EXIT_FAILED;
}

int Layout(const char* list) {
    FILE* f = Open_List(list);
    if (!f) return EXIT_FAILED;
    OliDocument doc;
    OLI_Open_Document(f, &doc);
    std::fclose(f);
    if (doc.out_of_memory) return Out_Of_Memory(list);
    if (OLI_List_Changed(doc)) return Changed(list);
    if (OLI_Block_Count(doc) == 0) {
        std::fprintf(stderr, "oliview: %s holds no block of a print list\n", list);
        return EXIT_FAILED;
    }
    if (!OLI_Renderer_Ready()) return EXIT_FAILED;  // it has said why
    // A list that is not to be trusted does not read well, however its
    // pages look: the renderer marks every page of it.
    OLI_Judge_Beside(list, &doc);
    std::vector<std::string> faults = Doubts(list, doc);
    const std::vector<std::string> laid_out = OLI_Layout_Faults(doc, "");
    if (laid_out.size() == 1 && laid_out[0] == OLI_LAYOUT_NO_MEMORY) return Out_Of_Memory(list);
    if (laid_out.size() == 1 && laid_out[0] == OLI_LAYOUT_LIST_CHANGED) return Changed(list);
    faults.insert(faults.end(), laid_out.begin(), laid_out.end());
    for (const std::string& fault : faults) std::printf("%s: %s\n", list, fault.c_str());
    if (faults.empty()) std::printf("%s: reads well\n", list);
    return faults.empty() ? EXIT_WRITTEN : EXIT_FAILED;
}

struct Request {
    const char* list = nullptr;
    const char* pdf = nullptr;
    const char* png = nullptr;
    const char* boxes = nullptr;
    int page = 0;
};

// " (why)" of a write that failed, from its errno; "" when none is known.
std::string Errno_In_Brackets(int error) {
    return error ? std::string(" (") + std::strerror(error) + ")" : std::string();
}

// Tells on stderr what writing `file` came to. False when it cannot be
// written; *unconfirmed set when it stands but its folder was not synced.
bool Tell_Written(const char* file, const OliWriteOutcome& o, bool written, bool* unconfirmed) {
    if (!written) {
        std::fprintf(stderr, "oliview: %s cannot be written%s; an old file of the name stays as it was\n", file,
                     Errno_In_Brackets(o.error).c_str());
        return false;
    }
    if (o.unconfirmed) {
        std::fprintf(stderr, "oliview: %s is written, but its folder could not be synced%s: the new file may not "
                             "survive a power cut\n",
                     file, Errno_In_Brackets(o.error).c_str());
        *unconfirmed = true;
    }
    return true;
}

// The list changed while `file` was drawn: said, and the code of the run,
// in which a file written before whose folder was not synced wins.
int Ended_Changed(const char* list, const char* file, bool unconfirmed) {
    const int code = Changed(list, file);
    return unconfirmed ? EXIT_UNCONFIRMED : code;
}

int Render(const Request& q) {
    FILE* f = Open_List(q.list);
    if (!f) return EXIT_FAILED;
    // The list's blocks are read again from it where they are drawn: a list
    // of any length is drawn in the memory of its longest block.
    OliDocument doc;
    OLI_Open_Document(f, &doc);
    std::fclose(f);
    if (doc.out_of_memory) return Out_Of_Memory(q.list);
    // A list written in place while it was read may be part of one list
    // and part of another.
    if (OLI_List_Changed(doc)) return Changed(q.list);
    // Bytes without a block are no list, and no page can be drawn without
    // the renderer: each is all there is to say (not what the pages would
    // say of a list, nor a page or file that then cannot be).
    if (OLI_Block_Count(doc) == 0) {
        std::fprintf(stderr, "oliview: %s holds no block of a print list\n", q.list);
        return EXIT_FAILED;
    }
    if (!OLI_Renderer_Ready()) return EXIT_FAILED;  // it has said why
    OLI_Judge_Beside(q.list, &doc);
    const bool sound = Tell_State(q.list, doc);
    bool unconfirmed = false;
    OliWriteOutcome told;
    // A page asked for alone is drawn alone: its cost is the layout of the
    // list and the page, not the PDF of all of them.
    if (q.pdf || !q.png) {
        const std::string out = q.pdf ? std::string(q.pdf) : OLI_Pdf_Beside(q.list);
        const int pages = OLI_Render_PDF(doc, out.c_str(), &told);
        if (pages <= 0 && told.error == ENOMEM) return Out_Of_Memory(q.list);
        if (pages <= 0 && told.changed) return Ended_Changed(q.list, out.c_str(), unconfirmed);
        if (!Tell_Written(out.c_str(), told, pages > 0, &unconfirmed)) return EXIT_FAILED;
        std::printf("%s: %d page(s)\n", out.c_str(), pages);
    }
    if (q.png) {
        const std::unique_ptr<OliPageSet, void (*)(OliPageSet*)> set(OLI_Open_Page_Set(doc), OLI_Close_Page_Set);
        if (!set && errno == ENOMEM) return Out_Of_Memory(q.list);
        if (!set && OLI_List_Changed(doc)) return Ended_Changed(q.list, q.png, unconfirmed);
        if (q.page > OLI_Page_Set_Count(set.get())) {
            std::fprintf(stderr, "oliview: no page %d in %s\n", q.page, q.list);
            return EXIT_FAILED;
        }
        const int drawn = OLI_Render_Page_PNG(set.get(), q.page, 150, q.png, &told);
        if (!drawn && told.error == ENOMEM) return Out_Of_Memory(q.list);
        if (!drawn && told.changed) return Ended_Changed(q.list, q.png, unconfirmed);
        if (!Tell_Written(q.png, told, drawn != 0, &unconfirmed)) return EXIT_FAILED;
        std::printf("%s: page %d\n", q.png, q.page);
    }
    if (q.boxes) {
        std::vector<OliTextBox> b;
        if (OLI_Render_Text_Boxes(doc, &b) == 0 && errno == ENOMEM) return Out_Of_Memory(q.list);
        if (OLI_List_Changed(doc)) return Ended_Changed(q.list, q.boxes, unconfirmed);
        errno = 0;
        const int result = VEK_Replace_File(q.boxes, Write_Boxes, nullptr, &b, 0);
        told = OliWriteOutcome{result == VEK_REPLACE_DONE ? 0 : errno, result == VEK_REPLACE_UNSYNCED};
        const bool stands = result == VEK_REPLACE_DONE || result == VEK_REPLACE_UNSYNCED;
        if (!stands && told.error == ENOMEM) return Out_Of_Memory(q.list);
        if (!Tell_Written(q.boxes, told, stands, &unconfirmed)) return EXIT_FAILED;
    }
    if (unconfirmed) return EXIT_UNCONFIRMED;
    return sound ? EXIT_WRITTEN : EXIT_MARKED;
}

// The font library could not go on for want of memory: told as memory, with
// no part of a file left (the renderer has removed the temporaries).
[[noreturn]] void Library_Out_Of_Memory() {
    static const char text[] = "oliview: out of memory: the font library could not go on; nothing more is written\n";
    if (write(2, text, sizeof text - 1) < 0) _exit(EXIT_NO_MEMORY);
    _exit(EXIT_NO_MEMORY);
}

int Run(int argc, char** argv) {
    OLI_On_Library_Out_Of_Memory(Library_Out_Of_Memory);
    if (argc == 3 && std::strcmp(argv[1], "--layout") == 0) return Layout(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "--check") == 0) return Check(argv[2]);
    Request q;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-o") == 0 && i + 1 < argc) {
            q.pdf = argv[++i];
        } else if (std::strcmp(argv[i], "--png") == 0 && i + 2 < argc) {
            char* end = nullptr;
            errno = 0;
            const long long n = std::strtoll(argv[++i], &end, 10);
            // A list near the size cap has some 300,000 pages.
            if (*end || errno == ERANGE || n < 1 || n > INT_MAX) return Usage();
            q.page = static_cast<int>(n);
            q.png = argv[++i];
        } else if (std::strcmp(argv[i], "--boxes") == 0 && i + 1 < argc) {
            q.boxes = argv[++i];
        } else if (!q.list && argv[i][0] != '-') {
            q.list = argv[i];
        } else {
            return Usage();
        }
    }
    if (!q.list) return Usage();
    return Render(q);
}

}  // namespace

int main(int argc, char** argv) {
    // A render killed by a signal leaves no part of its PDF behind.
    VEK_Remove_Temporaries_On_Signals();
    try {
        return Run(argc, argv);
    } catch (...) {  // the steps catch their own; this is what is left
        std::fputs("oliview: out of memory\n", stderr);
        return EXIT_NO_MEMORY;
    }
}
