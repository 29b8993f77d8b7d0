// One reset of the global state that tests share: the main of every test
// executable calls Reset_Global_State before each test, so that a test never
// sees what another left behind, whatever the order (--gtest_shuffle) or the
// number of runs (--gtest_repeat).
//
// The stand-in platform is linked into every test executable and is reset
// here.  A layer above it registers the reset of its own state with one
// Global_Reset object in its test directory, so that an executable resets
// exactly the layers it links.
#ifndef TESTS_SUPPORT_GLOBAL_STATE_H
#define TESTS_SUPPORT_GLOBAL_STATE_H

namespace testutil {

// Puts the stand-in (script queue, input, sheets, message boxes, screen,
// close handler, timer, clipboard) back to its start state, then runs every
// registered layer reset in the order of registration.  Never fails.
void Reset_Global_State();

// Registers a layer's reset at static initialisation; it runs at every
// Reset_Global_State from then on.
struct Global_Reset {
    explicit Global_Reset(void (*reset)());
};

}  // namespace testutil

#endif
