#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_profile.h"
#include "shared/profile_cases.h"

namespace {

// A fresh directory under the temporary directory per case, removed
// afterwards with everything in it.
class ProfileConformance : public ::testing::TestWithParam<profile_cases::Case> {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
        static unsigned counter = 0;
        directory_ = std::string(temp) + "klv-profile-" + std::to_string(GetCurrentProcessId()) + "-" +
                     std::to_string(++counter);
        ASSERT_TRUE(CreateDirectoryA(directory_.c_str(), nullptr));
    }
    void TearDown() override {
        if (!windowsFile_.empty()) DeleteFileA(windowsFile_.c_str());
        RemoveTree(directory_);
    }
    static void RemoveTree(const std::string& directory) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                const std::string path = directory + "\\" + name;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path);
                else DeleteFileA(path.c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(directory.c_str());
    }

    std::string directory_;
    std::string windowsFile_;  // a file this case put in the real Windows directory
};

TEST_P(ProfileConformance, BehavesAsWindows) {
    using profile_cases::Where;
    const profile_cases::Case& c = GetParam();
    if (c.notUnderWine) GTEST_SKIP() << c.notUnderWine;
    Win32Profile profile;
    std::string file, path;
    switch (c.where) {
    case Where::TempDirectory:
        file = path = directory_ + "\\case.ini";
        break;
    case Where::WindowsDirectory: {
        char windows[MAX_PATH];
        ASSERT_NE(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
        file = "klv-profile-" + std::to_string(GetCurrentProcessId()) + ".ini";
        path = windowsFile_ = std::string(windows) + "\\" + file;
        DeleteFileA(path.c_str());
        break;
    }
    case Where::MissingDirectory:
        file = path = directory_ + "\\missing\\case.ini";
        break;
    }
    profile_cases::RunCase(c, profile, file, path);
}

INSTANTIATE_TEST_SUITE_P(Profile, ProfileConformance, ::testing::ValuesIn(profile_cases::AllCases()),
                         profile_cases::CaseName());

}  // namespace
