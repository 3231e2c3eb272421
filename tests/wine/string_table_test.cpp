#include <gtest/gtest.h>

#include "platform/portable/builtin_strings.h"
#include "platform/win32/win32_strings.h"

// The resource string table compiled into this binary must hold exactly the
// texts of the portable table, id for id.
TEST(Win32Strings, MatchTheBuiltinTable) {
    BuiltinStrings builtin;
    Win32Strings resources;
    int compared = 0;
    for (unsigned id = 0; id < 6000; ++id) {
        std::string expected, actual;
        bool has = builtin.Load(id, expected);
        ASSERT_EQ(has, resources.Load(id, actual)) << "id " << id;
        if (has) {
            EXPECT_EQ(expected, actual) << "id " << id;
            ++compared;
        }
    }
    EXPECT_GT(compared, 100);
}
