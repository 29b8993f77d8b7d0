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

}  // namespace oli_test

#endif
