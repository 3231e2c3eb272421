#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "model/profile_section_array.h"
#include "platform/portable/ini_profile.h"

namespace fs = std::filesystem;

namespace {

// Real profile files in a fresh Windows directory of our own.
class ProfileSectionArrayTest : public ::testing::Test {
protected:
    ProfileSectionArrayTest()
        : directory_(fs::temp_directory_path() / ("klv-section-" + std::to_string(std::random_device{}()))),
          profile_(directory_.string()) {
        fs::create_directories(directory_);
    }
    ~ProfileSectionArrayTest() override {
        std::error_code ignored;
        fs::remove_all(directory_, ignored);
    }
    std::vector<std::string> Read(const std::string& content, const char* section = "keys") {
        std::ofstream(directory_ / "list.prg", std::ios::binary) << content;
        return CProfileSectionArray(profile_, section, "list.prg");
    }

    fs::path directory_;
    IniProfile profile_;
};

TEST_F(ProfileSectionArrayTest, ValuesInFileOrderWithoutEmptyOnes) {
    EXPECT_EQ(Read("[other]\r\nq=0\r\n[keys]\r\nb=2\r\na=1\r\nempty=\r\n;c=3\r\nno equals\r\nz=26\r\n"
                   "[more]\r\nm=9\r\n"),
              (std::vector<std::string>{"2", "1", "26"}));
}

TEST_F(ProfileSectionArrayTest, MissingSectionOrFileGivesNothing) {
    EXPECT_TRUE(Read("[other]\r\nq=0\r\n").empty());
    EXPECT_TRUE(CProfileSectionArray(profile_, "keys", "absent.prg").empty());
}

TEST_F(ProfileSectionArrayTest, ValuesAreCutAt127Characters) {
    const std::string longValue(200, 'v');
    const std::vector<std::string> values = Read("[keys]\r\nlong=" + longValue + "\r\nshort=s\r\n");
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0], std::string(127, 'v'));
    EXPECT_EQ(values[1], "s");
}

TEST_F(ProfileSectionArrayTest, DuplicateNamesYieldTheFirstValue) {
    EXPECT_EQ(Read("[keys]\r\nx=1\r\ny=2\r\nX=3\r\n"), (std::vector<std::string>{"1", "2", "1"}));
}

TEST_F(ProfileSectionArrayTest, NamesPastTheFirst2047BytesAreNotSeen) {
    // 300 names of 7 characters take 8 bytes each in the name list; 2046 bytes
    // hold 255 of them and the first 6 characters of the next, "key025",
    // which names no key.
    std::string content = "[keys]\r\n";
    for (int i = 0; i < 300; ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "key%04d=v%d\r\n", i, i);
        content += line;
    }
    const std::vector<std::string> values = Read(content);
    ASSERT_EQ(values.size(), 255u);
    EXPECT_EQ(values.front(), "v0");
    EXPECT_EQ(values.back(), "v254");
}

TEST_F(ProfileSectionArrayTest, ACutNameStillFindsAKeyOfThatName) {
    // As above, with a key named like the cut name after the listed ones: the
    // cut name is looked up like any other and finds it.
    std::string content = "[keys]\r\n";
    for (int i = 0; i < 300; ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "key%04d=v%d\r\n", i, i);
        content += line;
    }
    const std::vector<std::string> values = Read(content + "key025=cut\r\n");
    ASSERT_EQ(values.size(), 256u);
    EXPECT_EQ(values[254], "v254");
    EXPECT_EQ(values[255], "cut");
}

}  // namespace
