// A print list laid out as the viewer lays it out, for tests that look at
// where its texts and marks land.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "platform/oli_layout_check.h"
#include "platform/oli_view.h"
#include "support/testutil.h"

struct LaidOut {
    OliDocument doc;
    std::vector<OliTextBox> boxes;
    std::vector<OliInk> ink;
    int pages = 0;  // below 1: not laid out
};

// Reads the list from the stream's start and closes it.
inline LaidOut Lay_Out(FILE* f) {
    LaidOut l;
    std::rewind(f);
    OLI_Read_Document(f, &l.doc);
    std::fclose(f);
    l.pages = OLI_Render_Layout(l.doc, &l.boxes, &l.ink);
    return l;
}

inline LaidOut Lay_Out(const std::string& bytes) { return Lay_Out(testutil::Stream_With(bytes)); }

// The layout faults that put one text over another or a point number where
// it cannot be read.
inline std::vector<std::string> Overprints(const OliDocument& doc) {
    std::vector<std::string> faults;
    for (const std::string& fault : OLI_Layout_Faults(doc, ""))
        if (fault.find("overprints") != std::string::npos || fault.find("number") != std::string::npos)
            faults.push_back(fault);
    return faults;
}
