// A connection record that frees what it owns, and one block of it read
// from text or written to text by the given reader or writer.
#ifndef TESTS_WELDAPP_RECORD_FIXTURE_H
#define TESTS_WELDAPP_RECORD_FIXTURE_H

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/testutil.h"
#include "weldapp/schweissnaht.h"

namespace testutil {

struct Record {
    SchweissnahtAnschluss r{};
    Record() { Init_Schweissnaht(&r); }
    ~Record() { Free_Schweissnaht(&r); }
};

// The reader's result on the text.
template <class Reader>
int Read_With(Reader read, const std::string& text, SchweissnahtAnschluss* r) {
    FILE* f = Stream_With(text);
    const int result = read(f, r);
    std::fclose(f);
    return result;
}

// What the writer writes (it must succeed).
template <class Writer>
std::string Written_With(Writer write, SchweissnahtAnschluss* r) {
    FILE* f = std::tmpfile();
    EXPECT_EQ(write(f, r), 0);
    std::string text = Stream_All(f);
    std::fclose(f);
    return text;
}

}  // namespace testutil

#endif
