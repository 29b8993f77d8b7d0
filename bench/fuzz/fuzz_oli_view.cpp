// Fuzz target: the print-list reader of the viewer stand-in, the markup
// conversion of every text it finds (whose result must always be markup
// that pango accepts), the strict structure check (a list it calls sound
// must read without damage and not as cut; the reader's own walk of the
// check must find the same fault), whether it is in UTF-8 (only when all
// of it reads as UTF-8), the page mark (given exactly when the
// list reads damaged, cut, refused by the check or out of step: whatever
// the check refuses is marked; a sound list has a block; an unknown record
// is named by its line's number), the identity of the list's input (read
// by the reader, and from the list's tail as a file, as it is written), the
// numbers kept in pictures (finite, and within an int where an int is
// taken; a polygon with all its points), and the rendering of the first
// page and the text boxes of smaller inputs at a low resolution (a list
// not to be trusted says so on every page). The list opened as a file
// (its blocks read again where they are drawn) reads as the list read
// whole: the same verdicts and, walked from the start and from any block
// on, the same blocks; a small one gives the same text boxes. Opened and
// then changed in place (a byte changed or the list cut anywhere), it is
// never walked as another list: the walk stops, told that the list
// changed; bytes appended change nothing of it. An input that starts with
// "OCM 1" is a stored symbol instead: it is read as one, and a small one
// is drawn through a picture's record 27.
#include <pango/pango.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

#include "fuzz_common.h"

#include "platform/oli_blocks_internal.h"
#include "platform/oli_view.h"

namespace {
const char* const kTarget = "fuzz_oli_view";

void Check_Markup(const std::string& text) {
    std::string markup = OLI_Markup_To_Pango(text);
    GError* error = nullptr;
    if (!pango_parse_markup(markup.c_str(), -1, 0, nullptr, nullptr, nullptr, &error)) {
        std::fprintf(stderr, "markup refused: %s\n", error ? error->message : "?");
        std::abort();
    }
    (void)OLI_Plain_Text(text);
}

// Every text box lies on a page of the document and has finite numbers;
// the page mark of a list not to be trusted stands on every page.
void Check_Boxes(const OliDocument& doc) {
    std::vector<OliTextBox> boxes;
    const int pages = OLI_Render_Text_Boxes(doc, &boxes);
    const std::string mark = OLI_Page_Mark(doc);
    int marked = 0;
    for (const OliTextBox& b : boxes) {
        if (b.page < 1 || b.page > pages) fuzz::Fail(kTarget, "text box on a page the document does not have");
        if (!std::isfinite(b.x) || !std::isfinite(b.y) || !std::isfinite(b.w) || !std::isfinite(b.h) || b.w < 0 ||
            b.h < 0)
            fuzz::Fail(kTarget, "text box with a number that is not finite or a negative size");
        marked += !mark.empty() && b.kind == OLI_TEXT_FOOT && b.text == mark;
    }
    if (!mark.empty() && marked != pages) fuzz::Fail(kTarget, "a page of a list not to be trusted without its mark");
}

// Line n (from 1) of the input as the reader takes it (a CR before its
// end dropped).
std::string Line_At(const uint8_t* data, size_t size, long n) {
    const char* p = reinterpret_cast<const char*>(data);
    const char* end = p + size;
    for (long k = 1; k < n && p < end; ++k) {
        const void* nl = std::memchr(p, '\n', static_cast<size_t>(end - p));
        p = nl ? static_cast<const char*>(nl) + 1 : end;
    }
    const void* nl = std::memchr(p, '\n', static_cast<size_t>(end - p));
    std::string line(p, nl ? static_cast<const char*>(nl) : end);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

// A fault that names an unknown record names the number its line begins
// with, as written (a number beyond an int was named -1).
void Check_Named_Record(const uint8_t* data, size_t size, const std::string& fault) {
    // "line N: unknown record X" itself, not a fault that quotes a line
    // holding those words.
    const size_t at = fault.find(": unknown record ");
    if (at == std::string::npos || fault.find_first_not_of("0123456789", 5) != at) return;
    const std::string named = fault.substr(at + std::strlen(": unknown record "));
    const std::string line = Line_At(data, size, std::strtol(fault.c_str() + 5, nullptr, 10));
    const size_t from = line.find_first_not_of(" \t");
    if (from == std::string::npos || std::strtol(line.c_str() + from, nullptr, 10) != std::strtol(named.c_str(), nullptr, 10))
        fuzz::Fail(kTarget, "an unknown record named by another number than its line's");
}

// Whether the bytes up to the first NUL read as UTF-8 (a sequence cut at
// their end allowed).
bool Reads_As_Utf8(const uint8_t* data, size_t size) {
    for (size_t k = 0; k < size && data[k] != 0;) {
        const uint8_t b = data[k++];
        const int more = b < 0x80                 ? 0
                         : b >= 0xC2 && b <= 0xDF ? 1
                         : b >= 0xE0 && b <= 0xEF ? 2
                         : b >= 0xF0 && b <= 0xF4 ? 3
                                                  : -1;
        if (more < 0) return false;
        for (int m = 0; m < more && k < size && data[k] != 0; ++m)
            if ((data[k++] & 0xC0) != 0x80) return false;
    }
    return true;
}

// The symbol directory the renderer searches first: $DATA/FONT.
const std::string& Symbol_Dir() {
    static const std::string dir = [] {
        const std::string data = fuzz::Dir() + "/data";
        mkdir(data.c_str(), 0700);
        mkdir((data + "/FONT").c_str(), 0700);
        setenv("DATA", data.c_str(), 1);
        return data + "/FONT";
    }();
    return dir;
}

void Check_Source(const OliSource& s) {
    if (s.size < 0) return;
    FILE* f = std::tmpfile();
    if (!f) return;
    if (OLI_Write_Source(f, s) != 1) fuzz::Fail(kTarget, "an identity read that the writer does not write");
    std::rewind(f);
    std::string keyword, line;
    int c;
    while ((c = std::fgetc(f)) != EOF && c != '\n') keyword += static_cast<char>(c);
    while ((c = std::fgetc(f)) != EOF && c != '\n') line += static_cast<char>(c);
    std::fclose(f);
    OliSource back;
    if (keyword != OLI_SOURCE_KEYWORD || !OLI_Read_Source_Line(line, &back) || back.name != s.name ||
        back.size != s.size || back.digest != s.digest)
        fuzz::Fail(kTarget, "an identity that does not read back as written");
}

// What the reader found of a list, in words.
std::string Verdicts(const OliDocument& d) {
    return std::to_string(d.damaged) + " " + std::to_string(d.cut_block) + " " + std::to_string(d.past_end) + " " +
           (d.utf8 ? "utf8 " : "") + d.cut + "|" + d.refused + "|" + d.source.name + " " +
           std::to_string(d.source.size) + " " + std::to_string(d.source.digest);
}

// The blocks of a document from block `from` (at byte `offset` of an opened
// list) on, in words; where each begins in *offsets when asked.
std::vector<std::string> Walked(const OliDocument& doc, size_t from, long long offset,
                                std::vector<long long>* offsets = nullptr) {
    std::vector<std::string> out;
    Oli_Block_Stream blocks(doc, from, offset);
    for (const OliBlock* b; (b = blocks.Next());) {
        if (blocks.Index() != from + out.size()) fuzz::Fail(kTarget, "an opened list's block out of its order");
        out.push_back(Oli_Block_Text(*b));
        if (offsets) offsets->push_back(blocks.Offset());
    }
    return out;
}

// The list at `path` (the input's bytes) opened reads as `whole`, the list
// read whole, and a small one is laid out alike.
void Check_Opened(const std::string& path, const OliDocument& whole, size_t size) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return;
    OliDocument opened;
    OLI_Open_Document(f, &opened);
    std::fclose(f);
    if (opened.out_of_memory || whole.out_of_memory) return;
    if (!opened.file || !opened.blocks.empty()) fuzz::Fail(kTarget, "a list file opened is held in memory");
    if (Verdicts(opened) != Verdicts(whole)) fuzz::Fail(kTarget, "a list opened reads with other verdicts");
    if (OLI_Block_Count(opened) != whole.blocks.size()) fuzz::Fail(kTarget, "a list opened counts other blocks");
    std::vector<std::string> texts;
    for (const OliBlock& b : whole.blocks) texts.push_back(Oli_Block_Text(b));
    std::vector<long long> offsets;
    if (Walked(opened, 0, 0, &offsets) != texts) fuzz::Fail(kTarget, "a list opened walks other blocks");
    for (size_t k = 1; k < offsets.size(); k += 1 + offsets.size() / 8)
        if (Walked(opened, k, offsets[k]) != std::vector<std::string>(texts.begin() + static_cast<long>(k), texts.end()))
            fuzz::Fail(kTarget, "a list opened walks other blocks from a block on");
    if (size >= 2048) return;
    std::vector<OliTextBox> a, b;
    if (OLI_Render_Text_Boxes(whole, &a) != OLI_Render_Text_Boxes(opened, &b) || a.size() != b.size())
        fuzz::Fail(kTarget, "a list opened is laid out on other pages");
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].page != b[i].page || a[i].text != b[i].text || a[i].x != b[i].x || a[i].y != b[i].y)
            fuzz::Fail(kTarget, "a list opened sets a text elsewhere");
}

// The list at `path`, opened with the input's bytes and then changed in
// place by another program: a byte changed or the list cut at a place the
// input picks ends a walk from its start (which reads every byte) as a list
// that changed, never as blocks of another list; bytes appended leave the
// blocks as they were.
void Check_Changed(const std::string& path, const OliDocument& whole, const uint8_t* data, size_t size) {
    if (size == 0 || whole.out_of_memory) return;
    std::vector<std::string> texts;
    for (const OliBlock& b : whole.blocks) texts.push_back(Oli_Block_Text(b));
    const size_t at = (data[0] * 257u + data[size - 1]) % size;
    for (int how = 0; how < 3; ++how) {
        std::string bytes(reinterpret_cast<const char*>(data), size);
        FILE* f = std::fopen(path.c_str(), "wb");
        if (!f) return;
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        if (!(f = std::fopen(path.c_str(), "rb"))) return;
        OliDocument opened;
        OLI_Open_Document(f, &opened);
        std::fclose(f);
        if (opened.out_of_memory) return;
        if (OLI_List_Changed(opened)) fuzz::Fail(kTarget, "a list told as changed that no one changed");
        if (how == 0) bytes[at] = static_cast<char>(bytes[at] ^ 0x20);
        if (how == 1) bytes.resize(at);
        if (how == 2) bytes += "#NEWPAGE\n";
        if (!(f = std::fopen(path.c_str(), "wb"))) return;
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        bool changed = false;
        std::vector<std::string> walked;
        try {
            walked = Walked(opened, 0, 0);
        } catch (const Oli_List_Changed&) {
            changed = true;
        }
        if (how < 2 && (!changed || !OLI_List_Changed(opened)))
            fuzz::Fail(kTarget, "a list changed in place is walked without being told changed");
        if (how == 2 && (changed || walked != texts)) fuzz::Fail(kTarget, "a list appended to walks other blocks");
    }
}

void Symbol_Case(const uint8_t* data, size_t size) {
    FILE* f = fuzz::Stream(data, size);
    if (!f) return;
    OliSymbol sym;
    const int read = OLI_Read_Symbol(f, &sym);
    std::fclose(f);
    if (read != 0 && read != 1) fuzz::Fail(kTarget, "OLI_Read_Symbol returned neither 0 nor 1");
    if (read && !(sym.width > 0 && sym.width < 100 && sym.height > 0 && sym.height < 100))
        fuzz::Fail(kTarget, "symbol read with a size outside (0, 100) cm");
    if (size >= 2048) return;
    // Drawn where a picture names it.
    const std::string path = Symbol_Dir() + "/fz.ocm";
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return;
    std::fwrite(data, 1, size, out);
    std::fclose(out);
    static const std::string list =
        "#SHOWGRAFIC\n0 0 0\n0 0 0\n-1\n0 3.500000 0 2.500000\n27 0 2.500000 %FONT%\\fz.ocm\n-1\n";
    FILE* l = fuzz::Stream(list);
    OliDocument doc;
    OLI_Read_Document(l, &doc);
    std::fclose(l);
    static const std::string png = fuzz::Dir() + "/page.png";
    (void)OLI_Render_PNG(doc, 1, 12, png.c_str());
    Check_Boxes(doc);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    (void)Symbol_Dir();
    if (size >= 5 && std::memcmp(data, "OCM 1", 5) == 0) {
        Symbol_Case(data, size);
        return 0;
    }
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
    // The strict check: 1 with no fault, or 0 with "line N: what".
    FILE* g = fuzz::Stream(data, size);
    if (g) {
        std::string fault;
        const int sound = OLI_Check_Structure(g, &fault);
        std::fclose(g);
        if (sound == 1 && !fault.empty()) fuzz::Fail(kTarget, "sound list with a fault text");
        if (sound == 0 && fault.rfind("line ", 0) != 0 && fault != "out of memory")
            fuzz::Fail(kTarget, "fault text without its line");
        if (sound != 0 && sound != 1) fuzz::Fail(kTarget, "OLI_Check_Structure returned neither 0 nor 1");
        if (sound == 1 && doc.damaged) fuzz::Fail(kTarget, "a list the strict check calls sound reads with damage");
        if (sound == 1 && !doc.cut.empty()) fuzz::Fail(kTarget, "a list the strict check calls sound reads as cut");
        if (sound == 1 && doc.blocks.empty()) fuzz::Fail(kTarget, "a list the strict check calls sound has no block");
        Check_Named_Record(data, size, fault);
        if (doc.refused != fault) fuzz::Fail(kTarget, "the reader's walk of the strict check finds another fault");
        if (sound == 0 && OLI_Page_Mark(doc).empty())
            fuzz::Fail(kTarget, "a list the strict check refuses reads without the page mark");
    }
    // The pages say what the reader found, and nothing of a sound list.
    if (OLI_Page_Mark(doc).empty() != (doc.damaged == 0 && doc.cut.empty() && !doc.out_of_step &&
                                       doc.refused.empty() && !doc.utf8 && doc.not_of_input.empty()))
        fuzz::Fail(kTarget, "the page mark disagrees with what the reader found");
    if (doc.utf8 && !Reads_As_Utf8(data, size)) fuzz::Fail(kTarget, "a list told as UTF-8 that does not read as UTF-8");
    // An identity read is one the writer writes, and reads back the same.
    Check_Source(doc.source);
    if (size < (1 << 16)) {
        static const std::string list = fuzz::Dir() + "/list.OLI";
        if (FILE* out = std::fopen(list.c_str(), "wb")) {
            std::fwrite(data, 1, size, out);
            std::fclose(out);
            OliSource tail;
            if (OLI_List_Source(list.c_str(), &tail)) Check_Source(tail);
            Check_Opened(list, doc, size);
            Check_Changed(list, doc, data, size);
        }
    }
    // Every number kept in a picture is finite, and one the renderer takes
    // as an int (a pen, an alignment, a pattern, raster flags) lies within
    // one: a record with a number that does not fit is left out as damage.
    std::vector<OliRecord> records;
    for (const OliBlock& b : doc.blocks)
        for (const OliRecord& r : (OLI_Picture_Records(b, &records), records)) {
            for (double v : r.values)
                if (!std::isfinite(v)) fuzz::Fail(kTarget, "a graphic record kept with a number that is not finite");
            // A polygon is kept with all its points or not at all.
            if (r.number == 18 && !r.values.empty() && r.values.size() != 1 + 2 * static_cast<size_t>(r.values[0]))
                fuzz::Fail(kTarget, "a polygon kept without all its points");
            const size_t place = r.number == 9 || r.number == 10 ? 4 : 0;
            const bool as_int = r.number == 4 || r.number == 9 || r.number == 10 || r.number == 20 || r.number == 75;
            if (as_int && place < r.values.size() && std::fabs(r.values[place]) > 2147483647.0)
                fuzz::Fail(kTarget, "a graphic record kept with a number it takes as an int beyond one");
        }
    if (size < 2048) {
        static const std::string png = fuzz::Dir() + "/page.png";
        (void)OLI_Render_PNG(doc, 1, 12, png.c_str());
        Check_Boxes(doc);
    }
    return 0;
}
