// oliview: renders a print list to PDF, and on request one page to PNG.
//
//   oliview LIST.OLI [-o OUT.pdf] [--png PAGE OUT.png]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/oli_view.h"

namespace {
int Usage() {
    std::fprintf(stderr, "usage: oliview LIST.OLI [-o OUT.pdf] [--png PAGE OUT.png]\n");
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    const char* list = nullptr;
    const char* pdf = nullptr;
    const char* png = nullptr;
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
        } else if (!list && argv[i][0] != '-') {
            list = argv[i];
        } else {
            return Usage();
        }
    }
    if (!list) return Usage();
    FILE* f = std::fopen(list, "rb");
    if (!f) {
        std::fprintf(stderr, "oliview: cannot open %s\n", list);
        return 1;
    }
    OliDocument doc;
    OLI_Read_Document(f, &doc);
    std::fclose(f);
    if (doc.damaged) std::fprintf(stderr, "oliview: %s: %d damaged block(s) skipped\n", list, doc.damaged);
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
    return 0;
}
