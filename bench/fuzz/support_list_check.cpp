// The soundness check of a written print list, through the viewer's reader.
#include "list_check.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "fuzz_common.h"
#include "platform/oli_view.h"

namespace list_check {

void Sound_List(const char* target, const std::string& list) {
    // Writers that wrote nothing (or only empty lines) wrote no list: the
    // strict check refuses that as no print list, and there is nothing to
    // check.
    if (list.find_first_not_of('\n') == std::string::npos) return;
    FILE* f = fuzz::Stream(list);
    if (!f) return;
    std::string fault;
    if (OLI_Check_Structure(f, &fault) != 1) {
        std::fclose(f);
        fuzz::Fail(target, ("the strict check refused what the writers wrote: " + fault).c_str());
    }
    std::rewind(f);
    OliDocument doc;
    OLI_Read_Document(f, &doc);
    std::fclose(f);
    if (doc.damaged) fuzz::Fail(target, "a damaged block in what the writers wrote");
    for (const OliBlock& b : doc.blocks) {
        for (double e : b.extent)
            if (!std::isfinite(e)) fuzz::Fail(target, "a picture extent that is no finite number");
        int depth = 0;
        std::vector<OliRecord> records;
        OLI_Picture_Records(b, &records);
        for (const OliRecord& r : records) {
            for (double v : r.values)
                if (!std::isfinite(v)) fuzz::Fail(target, "a graphic record with a number that is not finite");
            if (r.number == 30 && depth++ != 0) fuzz::Fail(target, "an element opened inside another");
            if (r.number == 31 && --depth != 0) fuzz::Fail(target, "an element closed that was not open");
        }
        if (depth != 0) fuzz::Fail(target, "an element left open at the end of its picture");
        for (const OliParaLine& l : b.para) {
            const double v[4] = {l.format.space_before, l.format.indent, l.format.hanging, l.space_after};
            for (double x : v)
                if (!std::isfinite(x)) fuzz::Fail(target, "a paragraph format with a number that is not finite");
            for (double t : l.format.tabs)
                if (!std::isfinite(t)) fuzz::Fail(target, "a tab stop that is no finite number");
        }
        if (!std::isfinite(b.value)) fuzz::Fail(target, "a layout value that is no finite number");
    }
}

}  // namespace list_check
