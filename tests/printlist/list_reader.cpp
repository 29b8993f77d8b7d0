// The viewer's reader of print lists for the writers' tests.
#include "printlist/list_reader.h"

#include "platform/oli_view.h"
#include "support/testutil.h"

ReadList Read_List(const std::string& bytes) {
    static const char* const kKinds[] = {"CONTENTS", "NEWPAGE", "TABLE",   "PARA",      "GRAFIC",      "YPOS",
                                         "MARGINS",  "RESERVE", "BOOKMARK", "STOREYPOS", "RESTOREYPOS", "OTHER"};
    FILE* f = testutil::Stream_With(bytes);
    OliDocument doc;
    OLI_Read_Document(f, &doc);
    std::fclose(f);
    ReadList out;
    out.damaged = doc.damaged;
    for (const OliBlock& b : doc.blocks) {
        ReadBlock r;
        r.kind = kKinds[b.kind];
        r.word = b.word, r.value = b.value;
        r.titles = b.titles, r.below = b.below, r.lines = b.lines, r.columns = b.columns;
        for (const OliParaLine& l : b.para)
            r.para.push_back({l.text, l.format.indent, l.format.mode, l.format.tabs, l.space_after});
        for (int i = 0; i < 4; i++) r.extent[i] = b.extent[i];
        std::vector<OliRecord> records;
        OLI_Picture_Records(b, &records);
        for (const OliRecord& rec : records) r.records.push_back({rec.number, rec.values, rec.text, rec.data});
        out.blocks.push_back(r);
    }
    return out;
}

std::vector<ReadBlock> Blocks_Of(const ReadList& list, const std::string& kind) {
    std::vector<ReadBlock> out;
    for (const ReadBlock& b : list.blocks)
        if (b.kind == kind) out.push_back(b);
    return out;
}
