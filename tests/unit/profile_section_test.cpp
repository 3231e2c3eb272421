#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/profile_section.h"

namespace {
using namespace std::string_literals;

// Lines as a section read gives them: each ended by a NUL.
ProfileSection Lines(const std::string& lines) { return ProfileSection(lines + '\0'); }

TEST(ProfileSectionTest, TextIsWhatAReadOfTheKeyAloneGives) {
    const struct {
        const char* what;
        std::string lines, key, deflt;
        unsigned size;
        std::string expected;
    } cases[] = {
        {"names match in any case", "Fn-A=x"s, "fn-a", "d", 256, "x"},
        {"the first of two lines wins", "fn-a=first\0Fn-A=second"s, "Fn-A", "d", 256, "first"},
        {"no = : the default, and later lines are hidden", "Fn-A\0Fn-A=x"s, "Fn-A", "d", 256, "d"},
        {"missing key: the default cut to the buffer", "a=1", "b", "default", 4, "def"},
        {"the default loses trailing blanks", "", "b", "d  ", 256, "d"},
        {"blanks around name and value", "  a \t=  x y  "s, "a", "d", 256, "x y"},
        {"empty value is not the default", "a=", "a", "d", 256, ""},
        {"value cut to the buffer", "a=abcdef", "a", "d", 4, "abc"},
        {"one pair of quotes goes", "a=\"'x'\"", "a", "d", 256, "'x'"},
        {"a lone or unpaired quote stays", "a=\"\0b=\"x'"s, "a", "d", 256, "\""},
        {"a pair with nothing inside leaves nothing", "a=\"\"", "a", "d", 256, ""},
        {"a quoted value cut just before its closing quote loses one more", "a=\"abc\"", "a",
         "d", 4, "ab"},
        {"the default's quotes go as well", "", "a", "\"q\"", 256, "q"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Lines(c.lines).Text(c.key, c.deflt, c.size), c.expected) << c.what;
}

TEST(ProfileSectionTest, IntegersAreReadAsThePlatformReadsThem) {
    const struct {
        std::string value;
        unsigned expected;
    } cases[] = {
        {"42", 42},    {"-40", 0u - 40}, {"+5", 5},     {"12abc", 12},  {"\" 7\"", 7},
        {"0x1f", 31},  {"0X10", 0},      {"0b101", 5},  {"0o17", 15},   {"\x01 5", 5},
        {"abc", 0},    {"4294967297", 1},
        // Only the first 29 characters count.
        {"123456789012345678901234567890123", 1849262357},
    };
    for (const auto& c : cases) EXPECT_EQ(Lines("n=" + c.value).Int("n", 99), c.expected) << c.value;
    EXPECT_EQ(Lines("n=").Int("n", 99), 99u);
    EXPECT_EQ(Lines("n=\"\"").Int("n", -7), 0u - 7);
    EXPECT_EQ(Lines("").Int("n", 99), 99u);
}

TEST(ProfileSectionTest, KeyNamesAreTheLinesWithAValueAsFarAsTheyFit) {
    using Names = std::vector<std::string>;
    const ProfileSection section = Lines("abc=1\0alone\0xy=2\0=3\0after=4"s);
    EXPECT_EQ(section.KeyNames(2048), (Names{"abc", "xy"})); // an empty name ends the list
    EXPECT_EQ(section.KeyNames(8), (Names{"abc", "xy"}));
    EXPECT_EQ(section.KeyNames(7), (Names{"abc", "x"}));
    EXPECT_EQ(section.KeyNames(6), (Names{"abc"}));
    EXPECT_EQ(section.KeyNames(3), (Names{"a"}));
}

} // namespace
