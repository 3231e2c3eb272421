#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "platform/portable/ini_profile.h"
#include "shared/profile_cases.h"

namespace fs = std::filesystem;

namespace {

// A fresh directory per case, removed afterwards; it also serves as the
// Windows directory of the IniProfile under test.
class ProfileConformance : public ::testing::TestWithParam<profile_cases::Case> {
protected:
    void SetUp() override {
        std::random_device random;
        directory_ = fs::temp_directory_path() /
                     ("klv-profile-" + std::to_string(random()) + "-" + std::to_string(random()));
        fs::create_directories(directory_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(directory_, ignored);
    }
    fs::path directory_;
};

TEST_P(ProfileConformance, BehavesAsWindows) {
    using profile_cases::Where;
    const profile_cases::Case& c = GetParam();
    IniProfile profile(directory_.string());
    std::string file, path;
    switch (c.where) {
    case Where::TempDirectory:
        file = path = (directory_ / "case.ini").string();
        break;
    case Where::WindowsDirectory:
        file = "case.ini";
        path = (directory_ / file).string();
        break;
    case Where::MissingDirectory:
        file = path = (directory_ / "missing" / "case.ini").string();
        break;
    }
    profile_cases::RunCase(c, profile, file, path);
}

INSTANTIATE_TEST_SUITE_P(Profile, ProfileConformance, ::testing::ValuesIn(profile_cases::AllCases()),
                         profile_cases::CaseName());

}  // namespace
