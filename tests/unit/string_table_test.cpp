#include <gtest/gtest.h>

#include "platform/portable/builtin_strings.h"

TEST(BuiltinStrings, GivesTextsByIdAndNothingForGaps) {
    BuiltinStrings strings;
    std::string text;
    EXPECT_TRUE(strings.Load(60, text));
    EXPECT_EQ(text, "Kelvane");
    EXPECT_EQ(strings.Get(79), "Popup List... "); // the trailing blank is part of it
    EXPECT_EQ(strings.Get(5003), "27 1 0 ESC  08 09 17 13");
    text = "unchanged";
    EXPECT_FALSE(strings.Load(21, text)); // no message for code 1
    EXPECT_EQ(text, "unchanged");
    EXPECT_FALSE(strings.Load(5000, text));
    EXPECT_EQ(strings.Get(5100), "");
}

TEST(BuiltinStrings, StandardFaceHasSixtyThreeDescriptors) {
    BuiltinStrings strings;
    int count = 0;
    std::string text;
    for (unsigned id = 5000; id < 5200; ++id) count += strings.Load(id, text) ? 1 : 0;
    EXPECT_EQ(count, 63);
}
