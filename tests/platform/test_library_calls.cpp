// Libraries opened on first use: found calls work, a missing library or
// function is refused with its name and leaves the slots as they were.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "platform/library_calls.h"

TEST(LibraryCalls, FindsEachNameInTheFirstLibraryThatHasItOrRefusesWithTheReason) {
    const char* const libm[] = {"libm.so.6"};
    const char* const libc[] = {"libc.so.6"};
    const char* const both[] = {"libc.so.6", "libm.so.6"};
    const char* const missing[] = {"libm.so.6", "libno-such-library-here.so.7"};
    const char* const math[] = {"cos", "hypot"};
    const char* const mixed[] = {"strlen", "cos"};  // cos only in the mathematics library
    const char* const unknown[] = {"cos", "no_such_function_anywhere"};
    const struct {
        const char* const* libs;
        int nlibs;
        const char* const* names;
        int ok;
        const char* why;  // a piece of the reason
    } cases[] = {
        {libm, 1, math, 1, ""},
        {both, 2, mixed, 1, ""},
        {libc, 1, mixed, 0, "cos is in none of libc.so.6"},
        {both, 2, unknown, 0, "no_such_function_anywhere"},
        {missing, 2, math, 0, "libno-such-library-here.so.7"},
    };
    for (const auto& c : cases) {
        void* slots[2] = {&slots, &slots};
        std::string why;
        EXPECT_EQ(VEK_Open_Library_Calls(c.libs, c.nlibs, c.names, slots, 2, &why), c.ok) << c.names[1];
        if (c.ok) {
            EXPECT_TRUE(why.empty());
            using Cos = double (*)(double);
            EXPECT_EQ(reinterpret_cast<Cos>(slots[c.names == math ? 0 : 1])(0.0), 1.0);
        } else {
            EXPECT_NE(why.find(c.why), std::string::npos) << why;
            EXPECT_EQ(slots[0], static_cast<void*>(&slots));  // untouched
            EXPECT_EQ(slots[1], static_cast<void*>(&slots));
        }
    }
    using Hypot = double (*)(double, double);
    void* slots[2];
    ASSERT_EQ(VEK_Open_Library_Calls(libm, 1, math, slots, 2, nullptr), 1);
    EXPECT_EQ(reinterpret_cast<Hypot>(slots[1])(3.0, 4.0), 5.0);
    EXPECT_EQ(VEK_Open_Library_Calls(nullptr, 1, math, slots, 2, nullptr), 0);
}

// A table of calls of their own types, filled from an X-list.
#define TEST_MATH_CALLS(X) X(cos) X(hypot)
struct Test_Math_Calls {
    TEST_MATH_CALLS(VEK_CALL_SLOT)
};
#define TEST_MISSING_CALLS(X) X(cos) X(strlen)
struct Test_Missing_Calls {
    TEST_MISSING_CALLS(VEK_CALL_SLOT)
};

TEST(LibraryCalls, FillsATableOfTypedCallsFromItsList) {
    static const char* const libm[] = {"libm.so.6"};
    static const char* const libc[] = {"libc.so.6"};
    Test_Math_Calls math;
    std::string why;
    ASSERT_EQ(VEK_LOAD_CALLS(math, TEST_MATH_CALLS, libm, &why), 1) << why;
    EXPECT_EQ(math.cos(0.0), 1.0);
    EXPECT_EQ(math.hypot(5.0, 12.0), 13.0);
    Test_Missing_Calls missing;
    EXPECT_EQ(VEK_LOAD_CALLS(missing, TEST_MISSING_CALLS, libc, &why), 0);
    EXPECT_NE(why.find("cos is in none of libc.so.6"), std::string::npos) << why;
    EXPECT_EQ(missing.cos, nullptr);
    EXPECT_EQ(missing.strlen, nullptr);
}
