#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "model/profile_section_array.h"
#include "fakes/memory_profile.h"

namespace {
using Values = std::vector<std::string>;

class ProfileSectionArrayTest : public ::testing::Test {
protected:
    Values Read(const std::string& content, const char* section = "keys") {
        profile.Load("list.prg", content);
        return CProfileSectionArray(profile, section, "list.prg");
    }

    MemoryProfile profile;
};

// A name given twice yields the first one's value twice.
TEST_F(ProfileSectionArrayTest, ValuesInFileOrderWithoutEmptyOnes) {
    EXPECT_EQ(Read("[other]\nq=0\n[keys]\nb=2\na=1\nempty=\nB=3\nz=26\n[more]\nm=9\n"),
              (Values{"2", "1", "2", "26"}));
}

TEST_F(ProfileSectionArrayTest, ValuesAreCutAt127Characters) {
    EXPECT_EQ(Read("[keys]\nlong=" + std::string(200, 'v') + "\nshort=s\n"),
              (Values{std::string(127, 'v'), "s"}));
}

// 300 names of 7 characters take 8 bytes each in the name list; 2046 bytes
// hold 255 of them and the first 6 characters of the next, "key025". That
// cut name is looked up like any other: it finds a key only when one has
// that name.
TEST_F(ProfileSectionArrayTest, NamesPastTheFirst2047BytesAreNotSeen) {
    std::string content = "[keys]\n";
    for (int i = 0; i < 300; ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "key%04d=v%d\n", i, i);
        content += line;
    }
    Values values = Read(content);
    ASSERT_EQ(values.size(), 255u);
    EXPECT_EQ(values.front(), "v0");
    EXPECT_EQ(values.back(), "v254");
    values = Read(content + "key025=cut\n");
    ASSERT_EQ(values.size(), 256u);
    EXPECT_EQ(values[254], "v254");
    EXPECT_EQ(values[255], "cut");
}

}  // namespace
