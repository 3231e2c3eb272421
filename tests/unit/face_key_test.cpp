#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "model/face_key.h"
#include "platform/portable/builtin_strings.h"

namespace {
TEST(FaceKey, DescriptorGivesTheKey) {
    const struct {
        const char* what;
        std::string descriptor;
        std::string label, character;
        int assignable, reserved;
        Rect rect;
        std::string description;
    } cases[] = {
        {"digit key with a double blank", "49 1 0 1  20 28 17 17", "Fn-1", "1", 1, 0,
         {20, 28, 37, 45}, "none"},
        {"ninth field, underscores to blanks", "87 1 0 W 50 48 17 17 Word_Processor", "Fn-W", "W",
         1, 0, {50, 48, 67, 65}, "Word Processor"},
        {"description cut at 35", "65 0 1 A 0 0 1 1 " + std::string(50, 'd'), "Fn-A", "A", 0, 1,
         {0, 0, 1, 1}, std::string(35, 'd')},
        {"name cut at 19, numbers still line up", "66 1 0 " + std::string(30, 'N') + " 5 6 7 8",
         "Fn-" + std::string(19, 'N'), "B", 1, 0, {5, 6, 12, 14}, "none"},
        {"low byte of the code", "449 1 0 X 0 0 2 2", "Fn-X", "\xC1", 1, 0, {0, 0, 2, 2}, "none"},
        {"tabs and line ends separate", "67\t1\t0\tC\r\n1\t2\t3\t4\tdesc", "Fn-C", "C", 1, 0,
         {1, 2, 4, 6}, "desc"},
        {"huge numbers saturate", "69 1 0 E 99999999999 -99999999999 2147483647 -5", "Fn-E", "E", 1,
         0, {INT_MAX, INT_MIN, INT_MAX, INT_MIN}, "none"},
        // Fewer than eight fields: reading stops at the first mismatch, the rest is 0 or empty.
        {"stops at a non-number", "70 1 0 F 10 x 5 5", "Fn-F", "F", 1, 0, {10, 0, 10, 0}, "none"},
        {"empty text", "", "Fn-", std::string(1, '\0'), 0, 0, {0, 0, 0, 0}, "none"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const FaceKey key(c.descriptor, BuiltinStrings());
        EXPECT_EQ(key.m_strLabel, c.label);
        EXPECT_EQ(key.m_strKey, c.character);
        EXPECT_EQ(key.m_bAssignable, c.assignable);
        EXPECT_EQ(key.m_bReserved, c.reserved);
        EXPECT_EQ(key.m_rect, c.rect);
        EXPECT_EQ(key.m_strDescription, c.description);
        EXPECT_EQ(key.m_strCommand, "none");
    }
}
} // namespace
