// KLV.exe launching for real: Fn+key reports from the stand-in hotkey
// service and from the hotkey message, clicks on the face, a popup list,
// Fn+Tab and bringing a running program forward. The programs started are
// copies of the recorder helper, which logs its name, directory and start.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "wine/e2e/klv_face.h"
#include "wine/e2e/klv_process.h"

namespace {
namespace fs = std::filesystem;
using e2e::KlvTest;

const std::string kRoot = "C:\\klvtest";

struct Started {
    std::string name, directory;
    unsigned long long time = 0;
};

std::vector<Started> LaunchLog() {
    std::vector<Started> started;
    std::istringstream lines(e2e::ReadWindowsFile("klvlaunch.log").value_or(""));
    for (std::string line; std::getline(lines, line);) {
        const std::size_t a = line.find('|'), b = line.rfind('|');
        if (a == std::string::npos || a == b) continue;
        started.push_back({line.substr(0, a), line.substr(a + 1, b - a - 1), std::stoull(line.substr(b + 1))});
    }
    return started;
}

// The log once it has count lines, or after waitMs.
std::vector<Started> WaitForLaunches(std::size_t count, int waitMs = 5000) {
    for (int i = 0; i < waitMs / 25 && LaunchLog().size() < count; ++i) Sleep(25);
    Sleep(200); // and no more than that
    return LaunchLog();
}

// C:\klvtest with copies of the recorder under the given names, and a work folder.
class LaunchTest : public KlvTest {
protected:
    void SetUp() override {
        KlvTest::SetUp();
        fs::remove_all(kRoot);
        fs::create_directories(kRoot + "\\work");
        fs::create_directories(kRoot + "\\menu");
        for (const char* name : {"reca.exe", "recb.exe", "winrec.exe", "menu\\menua.exe", "menu\\menub.exe"})
            ASSERT_TRUE(CopyFileA((e2e::TestBinaryDir() + "\\helpers\\recorder.exe").c_str(),
                                  (kRoot + "\\" + name).c_str(), FALSE));
    }
    void TearDown() override {
        if (HWND other = FindWindowA(nullptr, "winrec.exe")) SendMessageA(other, WM_CLOSE, 0, 0);
        KlvTest::TearDown();
        std::error_code ignored;
        fs::remove_all(kRoot, ignored);
    }
    void StartWith(const std::string& ini, const std::string& prg = "") {
        std::map<std::string, std::string> files{{"kelvane.ini", ini}};
        if (!prg.empty()) files["kelvane.prg"] = prg;
        ASSERT_TRUE(e2e::PrepareWindowsDir(files));
        ASSERT_TRUE(klv.Start());
    }
    // The hotkey service's report for a virtual-key code.
    void PressFn(UINT virtualKey) {
        static const UINT message = RegisterWindowMessageA("WM_QSERVICE_HOTKEY");
        ASSERT_TRUE(klv.Send(message, MapVirtualKeyA(virtualKey, 0), 0));
    }
    void Click(const std::string& downOn, const std::string& upOn) {
        const auto keys = e2e::BuiltInKeys(0);
        const auto centre = [&](const std::string& name) {
            const Rect& r = keys.at(name);
            return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        };
        ASSERT_TRUE(klv.Post(WM_LBUTTONDOWN, MK_LBUTTON, centre(downOn)));
        ASSERT_TRUE(klv.Post(WM_LBUTTONUP, 0, centre(upOn)));
        ASSERT_TRUE(klv.Send(WM_NULL));
    }
};

// The stand-in service turns Ctrl+Alt+Shift+A into the report Fn+A gives:
// the key's program starts in the key's directory.
TEST_F(LaunchTest, StandInServiceReportStartsTheProgramInItsDirectory) {
    StartWith("[cmd]\r\nFn-A=" + kRoot + "\\reca.exe\r\n[cwd]\r\nFn-A=" + kRoot + "\\work\r\n");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION service{};
    std::string line = "\"" + e2e::TestBinaryDir() + "\\klv_hotkeys.exe" + "\" A";
    ASSERT_TRUE(CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &service));
    ASSERT_EQ(WaitForSingleObject(service.hProcess, 10000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(service.hProcess, &exitCode);
    CloseHandle(service.hProcess);
    CloseHandle(service.hThread);
    EXPECT_EQ(exitCode, 0u);
    const auto started = WaitForLaunches(1);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].name, "reca.exe");
    EXPECT_EQ(started[0].directory, kRoot + "\\work");
}

TEST_F(LaunchTest, CaretSeparatedCommandsStartInOrder) {
    StartWith("[cmd]\r\nFn-B=(" + kRoot + "\\reca.exe^" + kRoot + "\\recb.exe) [" + kRoot + "]\r\n");
    PressFn('B');
    const auto started = WaitForLaunches(2);
    ASSERT_EQ(started.size(), 2u);
    const Started& a = started[0].name == "reca.exe" ? started[0] : started[1];
    const Started& b = started[0].name == "reca.exe" ? started[1] : started[0];
    EXPECT_EQ(a.name + b.name, "reca.exerecb.exe");
    EXPECT_LE(a.time, b.time);
    EXPECT_EQ(a.directory + b.directory, kRoot + kRoot);
}

TEST_F(LaunchTest, MissingDirectoryIsReportedAndNothingStarts) {
    StartWith("[cmd]\r\nFn-C=" + kRoot + "\\reca.exe\r\n[cwd]\r\nFn-C=" + kRoot + "\\gone\r\n");
    PressFn('C');
    HWND box = klv.WaitForTopLevelWindow("KLV");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(e2e::TextOf(GetDlgItem(box, 0xFFFF)), "Invalid directory specified");
    EXPECT_EQ(GetWindow(box, GW_OWNER), klv.Window());
    ASSERT_TRUE(PostMessageA(box, WM_COMMAND, IDOK, 0));
    EXPECT_TRUE(WaitForLaunches(1, 1000).empty());
}

// A release over another key runs nothing; a click on the key runs it once.
TEST_F(LaunchTest, ClickRunsTheKeyOnlyWhenReleasedOnIt) {
    StartWith("[cmd]\r\nFn-A=" + kRoot + "\\reca.exe\r\n");
    Click("A", "S");
    EXPECT_TRUE(WaitForLaunches(1, 1000).empty());
    Click("A", "A");
    EXPECT_EQ(WaitForLaunches(1).size(), 1u);
}

// A key assigned a folder shows the folder's programs as a popup list; the
// item chosen starts.
TEST_F(LaunchTest, PopupListOpensAndTheChosenItemStarts) {
    StartWith("[cmd]\r\nFn-D=@" + kRoot + "\\menu\r\n");
    const std::string list = e2e::ReadWindowsFile("kelvane.prg").value_or("");
    EXPECT_NE(list.find("menua"), std::string::npos) << list;
    EXPECT_NE(list.find("menub"), std::string::npos) << list;
    PressFn('D');
    HWND menu = nullptr;
    for (int i = 0; i < 100 && !(menu = FindWindowA("#32768", nullptr)); ++i) Sleep(50);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(IsWindowVisible(menu));
    // Up from no selection chooses the menu's last item.
    ASSERT_TRUE(klv.Post(WM_KEYDOWN, VK_UP, 0));
    ASSERT_TRUE(klv.Post(WM_KEYDOWN, VK_RETURN, 0));
    const auto started = WaitForLaunches(1);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].name.rfind("menu", 0), 0u);
}

TEST_F(LaunchTest, FnTabMinimizesAnUncoveredWindowAndRestoresIt) {
    StartWith("");
    PressFn(VK_TAB);
    EXPECT_TRUE(IsIconic(klv.Window()));
    PressFn(VK_TAB);
    EXPECT_FALSE(IsIconic(klv.Window()));
    EXPECT_TRUE(IsWindowVisible(klv.Window()));
}

// A switch-to key starts its program once; pressed again it restores the
// running program's window instead of starting another.
TEST_F(LaunchTest, SwitchToKeyBringsTheRunningProgramForward) {
    StartWith("[cmd]\r\nFn-E=" + kRoot + "\\winrec.exe\r\n[opts]\r\nFn-E=1\r\n");
    PressFn('E');
    ASSERT_EQ(WaitForLaunches(1).size(), 1u);
    HWND running = nullptr;
    for (int i = 0; i < 100 && !(running = FindWindowA(nullptr, "winrec.exe")); ++i) Sleep(50);
    ASSERT_NE(running, nullptr);
    ShowWindow(running, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(running));
    PressFn('E');
    ASSERT_TRUE(klv.Send(WM_NULL));
    EXPECT_EQ(WaitForLaunches(2, 1000).size(), 1u);
    EXPECT_FALSE(IsIconic(running));
}
} // namespace
