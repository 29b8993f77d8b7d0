// The viewer's reading of a print list held in memory, shared by the
// viewer's tests.
#ifndef TESTS_PLATFORM_OLI_READ_LIST_H
#define TESTS_PLATFORM_OLI_READ_LIST_H

#include <cstdio>
#include <string>

#include "platform/oli_view.h"
#include "support/testutil.h"

namespace oli_test {

// The document OLI_Read_Document reads from the bytes.
inline OliDocument Read(const std::string& bytes) {
    OliDocument doc;
    FILE* f = testutil::Stream_With(bytes);
    OLI_Read_Document(f, &doc);
    std::fclose(f);
    return doc;
}

// A PDF's bytes but for its creation date.
inline std::string Without_Date(std::string pdf) {
    const size_t date = pdf.find("/CreationDate (D:");
    if (date != std::string::npos) pdf.replace(date, pdf.find(')', date) - date, "/CreationDate (");
    return pdf;
}

// A list of `pages` pages whose bytes are mostly pictures, with a record
// drawn on top of each picture after a layout block (as the weld check
// draws its welds): some 30 kB a page, most of it records that draw
// nothing (text styles), `tag` (seven letters) in every text and every
// number of its pictures, so that two tags give lists of the same size
// whose every piece differs.
inline std::string Picture_List(const std::string& tag, int pages) {
    std::string list = "#CONTENTS\n POS. 1: " + tag + "\n";
    const int shift = static_cast<unsigned char>(tag.back());
    char line[64];
    for (int p = 0; p < pages; ++p) {
        if (p > 0) list += "#NEWPAGE\n";
        list += "#SHOWPARA\n0x0\n4\n-1\n " + tag + ", Seite " + std::to_string(p + 1) + "\n#END_OF_TEXT\n0x0\n-1\n";
        list += "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 16 0 20\n";
        for (int k = 0; k < 1500; ++k) {
            const double a = (k * 7 + shift) % 160 / 10.0, b = (k * 13 + p) % 200 / 10.0;
            if (k % 50 == 0)
                std::snprintf(line, sizeof line, " 1  %5.2f %5.2f %5.2f %5.2f\n", a, b, 16 - a, 20 - b);
            else
                std::snprintf(line, sizeof line, " 8  %5.2f %5.2f\n", a, b);
            list += line;
        }
        list += " -1\n#SETYPOS\n256 -0.5\n 1  0 0 16 20\n";
    }
    return list;
}

}  // namespace oli_test

#endif
