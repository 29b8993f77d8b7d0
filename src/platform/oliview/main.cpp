// oliview: renders a print list to PDF, and on request one page to PNG.
//
//   oliview LIST.OLI [-o OUT.pdf] [--png PAGE OUT.png] [--boxes OUT.txt]
//   oliview --check LIST.OLI
//   oliview --layout LIST.OLI
//
// --check runs the strict structure check and prints the first fault (exit
// code 1) or "sound" (0); nothing is rendered.
// Only a regular file is read; one that is empty or holds no block of a
// print list is an error (exit code 1), and no PDF is written for it.
// --layout lays the list out and prints every fault of its pages
// (oli_layout_check.h; exit code 1) or "reads well" (0).
// --boxes lists every text set on the pages, one per line: page, left,
// top, width and height in cm, kind, heading flag and the text.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/oli_layout_check.h"
#include "platform/oli_view.h"
#include "platform/posix.h"

namespace {
int Usage() {
    std::fprintf(stderr, "usage: oliview LIST.OLI [-o OUT.pdf] [--png PAGE OUT.png] [--boxes OUT.txt]\n"
                         "       oliview --check LIST.OLI\n"
                         "       oliview --layout LIST.OLI\n");
    return 2;
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
}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--layout") == 0) {
        FILE* f = Open_List(argv[2]);
        if (!f) return 1;
        OliDocument doc;
        OLI_Read_Document(f, &doc);
        std::fclose(f);
        const std::vector<std::string> faults = OLI_Layout_Faults(doc, "");
        for (const std::string& fault : faults) std::printf("%s: %s\n", argv[2], fault.c_str());
        if (faults.empty()) std::printf("%s: reads well\n", argv[2]);
        return faults.empty() ? 0 : 1;
    }
    if (argc == 3 && std::strcmp(argv[1], "--check") == 0) {
        FILE* f = Open_List(argv[2]);
        if (!f) return 1;
        std::string fault;
        const int sound = OLI_Check_Structure(f, &fault);
        std::fclose(f);
        std::printf("%s: %s\n", argv[2], sound ? "sound" : fault.c_str());
        return sound ? 0 : 1;
    }
    const char* list = nullptr;
    const char* pdf = nullptr;
    const char* png = nullptr;
    const char* boxes = nullptr;
    int page = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-o") == 0 && i + 1 < argc) {
            pdf = argv[++i];
        } else if (std::strcmp(argv[i], "--png") == 0 && i + 2 < argc) {
            char* end = nullptr;
            long n = std::strtol(argv[++i], &end, 10);
            if (*end || n < 1 || n > 100000) return Usage();
            page = static_cast<int>(n);
            png = argv[++i];
        } else if (std::strcmp(argv[i], "--boxes") == 0 && i + 1 < argc) {
            boxes = argv[++i];
        } else if (!list && argv[i][0] != '-') {
            list = argv[i];
        } else {
            return Usage();
        }
    }
    if (!list) return Usage();
    FILE* f = Open_List(list);
    if (!f) return 1;
    OliDocument doc;
    OLI_Read_Document(f, &doc);
    std::fclose(f);
    if (doc.damaged) std::fprintf(stderr, "oliview: %s: %d damaged block(s) skipped\n", list, doc.damaged);
    if (doc.blocks.empty()) {
        std::fprintf(stderr, "oliview: %s holds no block of a print list\n", list);
        return 1;
    }
    std::string out = pdf ? pdf : std::string(list);
    if (!pdf) {
        size_t dot = out.find_last_of('.'), slash = out.find_last_of('/');
        if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) out.erase(dot);
        out += ".pdf";
    }
    int pages = OLI_Render_PDF(doc, out.c_str());
    if (pages <= 0) {
        std::fprintf(stderr, "oliview: cannot write %s\n", out.c_str());
        return 1;
    }
    std::printf("%s: %d page(s)\n", out.c_str(), pages);
    if (png) {
        if (!OLI_Render_PNG(doc, page, 150, png)) {
            std::fprintf(stderr, "oliview: no page %d in %s, or %s cannot be written\n", page, list, png);
            return 1;
        }
        std::printf("%s: page %d\n", png, page);
    }
    if (boxes) {
        static const char* const kKind[] = {"para", "table", "title", "picture", "foot"};
        std::vector<OliTextBox> b;
        OLI_Render_Text_Boxes(doc, &b);
        FILE* o = std::fopen(boxes, "w");
        if (!o) {
            std::fprintf(stderr, "oliview: cannot write %s\n", boxes);
            return 1;
        }
        for (const OliTextBox& t : b)
            std::fprintf(o, "%d\t%.3f\t%.3f\t%.3f\t%.3f\t%s\t%d\t%s\n", t.page, t.x, t.y, t.w, t.h, kKind[t.kind],
                         t.heading ? 1 : 0, t.text.c_str());
        std::fclose(o);
    }
    return 0;
}
