// Death tests of the engines' invariant checks (base/invariant.h): the
// statement must end the program with the message naming the model and the
// broken invariant. Builds that compile the checks out skip the test: its
// first statement is SKIP_WITHOUT_INVARIANT_CHECKS().
#ifndef TESTS_SUPPORT_INVARIANT_DEATH_H
#define TESTS_SUPPORT_INVARIANT_DEATH_H

#include <gtest/gtest.h>

#include "base/invariant.h"

#ifdef WELD_CHECK_INVARIANTS
// First statement of such a test: nothing in the builds that check.
#define SKIP_WITHOUT_INVARIANT_CHECKS() static_cast<void>(0)
// The threadsafe style runs the statement in a fresh run of the test
// program, so the windowing and timer threads of some tests do not matter.
#define EXPECT_INVARIANT_BROKEN(statement, model, invariant)                \
    do {                                                                    \
        GTEST_FLAG_SET(death_test_style, "threadsafe");                     \
        EXPECT_DEATH(statement, "invariant broken: " model ": " invariant); \
    } while (0)
#else
// Skips the test before it breaks anything.
#define SKIP_WITHOUT_INVARIANT_CHECKS() GTEST_SKIP() << "the invariant checks are compiled out of this build"
#define EXPECT_INVARIANT_BROKEN(statement, model, invariant) static_cast<void>(0)
#endif

#endif
