// A print list in a temporary file, read back as bytes; every test starts
// from a freshly opened list the way the weld program opens one.
#ifndef TESTS_PRINTLIST_LIST_CAPTURE_H
#define TESTS_PRINTLIST_LIST_CAPTURE_H

#include <cstdio>
#include <string>

#include "printlist/ioliwrt.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "support/testutil.h"

class ListCapture {
public:
    ListCapture() : file_(std::tmpfile()) {
        Oli_Writer_Init(0, 0, OLI_WRITER_PLAIN_NUMBERS);
        Oli_Set_Bookmark_Depth(6);
        Oli_Set_Bookmark_Max_Level(1);
        // The annex's detailing warning waits for the list it was raised
        // for; a test that raised it and printed no closing block leaves it.
        EC3_Detailing_Warning_Flag = 0;
    }
    ~ListCapture() {
        if (file_) std::fclose(file_);
    }
    ListCapture(const ListCapture&) = delete;
    ListCapture& operator=(const ListCapture&) = delete;

    FILE* f() const { return file_; }

    // Everything written so far; the list is emptied afterwards.
    std::string Take() {
        std::string out = testutil::Stream_All(file_);
        std::fclose(file_);
        file_ = std::tmpfile();
        return out;
    }

    // The same after ending the open text paragraph, as a block's caller
    // does before the next block.
    std::string Take_Ended() {
        OLI_End_Text(file_);
        return Take();
    }

private:
    FILE* file_;
};

#endif
