// The soundness check of a print list that the writers' harnesses run on
// what they wrote (support_list_check.cpp, built into every harness).
#ifndef BENCH_FUZZ_LIST_CHECK_H
#define BENCH_FUZZ_LIST_CHECK_H

#include <string>

namespace list_check {

// A list of nothing but empty lines is none and passes. Any other list
// must pass the viewer's strict structure check and read without
// a damaged block; every number of its graphic
// records and paragraph formats must be finite; in each picture an element
// (" 30") must be closed (" 31") before the next opens and before the
// picture ends. A fault aborts with "CHECK FAILED: <target>: <what>".
void Sound_List(const char* target, const std::string& list);

}  // namespace list_check

#endif
