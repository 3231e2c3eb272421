#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/portable/ini_profile.h"
#include "shared/profile_cases.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

TEST(IniProfilePaths, WindowsNamesMapToFiles) {
    const IniProfile profile("/win");
    const struct {
        const char* name;
        const char* path;
    } cases[] = {
        {"kelvane.ini", "/win/kelvane.ini"},     {nullptr, "/win/win.ini"},
        {"", ""},                                {"/win\\kelvane.key", "/win/kelvane.key"},
        {"C:\\WINDOWS\\kelvane.prg", "/WINDOWS/kelvane.prg"}, {"d:relative.ini", "relative.ini"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(profile.PathOf(c.name), c.path) << (c.name ? c.name : "(null)");
    }
    EXPECT_EQ(IniProfile("/win/").PathOf("a.ini"), "/win/a.ini");
}

TEST(IniProfileFiles, RewritesLeaveNoOtherFiles) {
    const TempDir dir;
    IniProfile profile(dir.path());
    for (const char* key : {"k0", "k1", "k2", "k3", "k4"})
        ASSERT_TRUE(profile.WriteString("s", key, "v", "a.ini"));
    ASSERT_TRUE(profile.WriteString("s", "k0", nullptr, "a.ini"));
    int files = 0;
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        EXPECT_EQ(entry.path().filename(), "a.ini");
        ++files;
    }
    EXPECT_EQ(files, 1);
}

// A directory where the file should be: reads give the default, writes fail
// and leave it as it was.
TEST(IniProfileFiles, WhatCannotBeReadIsNeverReplaced) {
    const TempDir dir;
    IniProfile profile(dir.path());
    fs::create_directories(dir / "a.ini/inside");
    char buffer[8];
    EXPECT_EQ(profile.GetString("s", "k", "def", buffer, sizeof buffer, "a.ini"), 3u);
    EXPECT_FALSE(profile.WriteString("s", "k", "v", "a.ini"));
    EXPECT_TRUE(fs::is_directory(dir / "a.ini/inside"));
}

class ProfileConformance : public ::testing::TestWithParam<profile_cases::Case> {};

// The shared table of cases, each in a fresh directory that is also the
// Windows directory of the IniProfile under test.
TEST_P(ProfileConformance, BehavesAsWindows) {
    using profile_cases::Where;
    const profile_cases::Case& c = GetParam();
    const TempDir dir;
    IniProfile profile(dir.path());
    const std::string file = c.where == Where::WindowsDirectory ? "case.ini"
                             : c.where == Where::MissingDirectory ? dir / "missing/case.ini"
                                                                  : dir / "case.ini";
    const std::string path = c.where == Where::WindowsDirectory ? dir / file : file;
    profile_cases::RunCase(c, profile, file, path);
}

INSTANTIATE_TEST_SUITE_P(Profile, ProfileConformance,
                         ::testing::ValuesIn(profile_cases::AllCases()), profile_cases::CaseName());

}  // namespace
