// Fuzz target: the print-list reader of the viewer stand-in, the markup
// conversion of every text it finds (whose result must always be markup
// that pango accepts), and the rendering of the first page of smaller
// inputs at a low resolution.
#include <pango/pango.h>

#include "fuzz_common.h"

#include "platform/oli_view.h"

namespace {
void Check_Markup(const std::string& text) {
    std::string markup = OLI_Markup_To_Pango(text);
    GError* error = nullptr;
    if (!pango_parse_markup(markup.c_str(), -1, 0, nullptr, nullptr, nullptr, &error)) {
        std::fprintf(stderr, "markup refused: %s\n", error ? error->message : "?");
        std::abort();
    }
    (void)OLI_Plain_Text(text);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    FILE* f = fuzz::Stream(data, size);
    if (!f) return 0;
    OliDocument doc;
    OLI_Read_Document(f, &doc);
    std::fclose(f);
    for (const OliBlock& b : doc.blocks) {
        for (const std::string& t : b.titles) Check_Markup(t);
        for (const std::string& t : b.lines) Check_Markup(t);
        for (const OliParaLine& p : b.para) Check_Markup(p.text);
        Check_Markup(b.text);
    }
    if (size < 2048) {
        static const std::string png = fuzz::Dir() + "/page.png";
        (void)OLI_Render_PNG(doc, 1, 12, png.c_str());
    }
    return 0;
}
