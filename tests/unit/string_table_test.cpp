#include <gtest/gtest.h>

#include "platform/portable/builtin_strings.h"

TEST(BuiltinStrings, GivesTextsByIdAndNothingForGaps) {
    BuiltinStrings strings;
    std::string text;
    EXPECT_TRUE(strings.Load(60, text));
    EXPECT_EQ(text, "Kelvane");
    EXPECT_EQ(strings.Get(79), "Popup List... "); // the trailing blank is part of it
    text = "unchanged";
    EXPECT_FALSE(strings.Load(21, text)); // no message for code 1
    EXPECT_EQ(text, "unchanged");
    EXPECT_EQ(strings.Get(5100), "");
}
