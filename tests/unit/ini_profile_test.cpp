#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "platform/portable/ini_profile.h"

namespace fs = std::filesystem;

namespace {

TEST(IniProfilePaths, WindowsNamesMapToFiles) {
    const IniProfile profile("/win");
    const struct {
        const char* name;
        const char* path;
    } cases[] = {
        {"kelvane.ini", "/win/kelvane.ini"},
        {nullptr, "/win/win.ini"},
        {"", ""},
        {"/win\\kelvane.key", "/win/kelvane.key"},
        {"C:\\WINDOWS\\kelvane.prg", "/WINDOWS/kelvane.prg"},
        {"d:relative.ini", "relative.ini"},
        {"sub/x.ini", "sub/x.ini"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(profile.PathOf(c.name), c.path) << (c.name ? c.name : "(null)");
    }
    EXPECT_EQ(IniProfile("/win/").PathOf("a.ini"), "/win/a.ini");
}

class IniProfileFiles : public ::testing::Test {
protected:
    IniProfileFiles()
        : directory_(fs::temp_directory_path() / ("klv-ini-" + std::to_string(std::random_device{}()))),
          profile_(directory_.string()) {
        fs::create_directories(directory_);
    }
    ~IniProfileFiles() override {
        std::error_code ignored;
        fs::remove_all(directory_, ignored);
    }
    fs::path directory_;
    IniProfile profile_;
};

TEST_F(IniProfileFiles, RewritesLeaveNoOtherFiles) {
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(profile_.WriteString("s", ("k" + std::to_string(i)).c_str(), "v", "a.ini"));
    }
    ASSERT_TRUE(profile_.WriteString("s", "k0", nullptr, "a.ini"));
    int files = 0;
    for (const auto& entry : fs::directory_iterator(directory_)) {
        EXPECT_EQ(entry.path().filename(), "a.ini");
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST_F(IniProfileFiles, WhatCannotBeReadIsNeverReplaced) {
    // A directory where the file should be: reads give the default, writes fail
    // and leave it as it was.
    fs::create_directories(directory_ / "a.ini" / "inside");
    char buffer[8];
    EXPECT_EQ(profile_.GetString("s", "k", "def", buffer, sizeof buffer, "a.ini"), 3u);
    EXPECT_FALSE(profile_.WriteString("s", "k", "v", "a.ini"));
    EXPECT_TRUE(fs::is_directory(directory_ / "a.ini" / "inside"));
}

TEST_F(IniProfileFiles, BackslashPathsReachTheSameFile) {
    const std::string windowsStyle = directory_.string() + "\\sub.ini";
    ASSERT_TRUE(profile_.WriteString("s", "k", "7", windowsStyle.c_str()));
    std::ifstream in(directory_ / "sub.ini", std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(content, "[s]\r\nk=7\r\n");
    EXPECT_EQ(profile_.GetInt("s", "k", 5, "sub.ini"), 7u);
}

}  // namespace
