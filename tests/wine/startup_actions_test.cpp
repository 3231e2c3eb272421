// The Windows side of the one-shot start-up actions. RequestLogOff is left
// out on purpose: it would log off the session the tests run in. The volume
// needs a wave output device, which the test machines do not have.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "app/startup_actions_win32.h"

namespace {

// Runs ShowCurrentDirectory on a thread of its own and finds the window it
// shows, so that the test can read and close it.
class CurrentDirectoryBox {
  public:
    CurrentDirectoryBox()
        : thread_([this] {
              threadId_ = GetCurrentThreadId();
              Win32StartupActions().ShowCurrentDirectory();
              done_ = true;
          }) {}
    ~CurrentDirectoryBox() {
        if (box_) PostMessageA(box_, WM_COMMAND, IDOK, 0);
        if (box_ || done_) {
            thread_.join();
        } else {
            thread_.detach(); // nothing to close: do not hang the test run
        }
    }

    // The dialog window that thread shows, waited for a while.
    HWND Wait() {
        for (int i = 0; i < 200 && !box_ && !done_; ++i) {
            Sleep(25);
            EnumThreadWindows(
                threadId_,
                [](HWND hwnd, LPARAM self) {
                    char name[16] = "";
                    GetClassNameA(hwnd, name, sizeof name);
                    if (std::string(name) != "#32770") return TRUE;
                    reinterpret_cast<CurrentDirectoryBox*>(self)->box_ = hwnd;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(this));
        }
        return box_;
    }

  private:
    std::atomic<DWORD> threadId_{0};
    std::atomic<bool> done_{false};
    HWND box_ = nullptr;
    std::thread thread_;
};

std::string WindowText(HWND hwnd) {
    char text[512] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

std::string TempDir() {
    char path[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, path);
    std::string dir = path;
    if (!dir.empty() && dir.back() == '\\') dir.pop_back();
    return dir;
}

TEST(Win32StartupActions, ShowsTheCurrentDirectoryCutTo79Characters) {
    char saved[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, saved);
    const std::string shortDir = TempDir();
    const std::string longDir = shortDir + "\\klv-" + std::string(90, 'd');
    ASSERT_TRUE(CreateDirectoryA(longDir.c_str(), nullptr) ||
                GetLastError() == ERROR_ALREADY_EXISTS);

    for (const std::string& dir : {shortDir, longDir}) {
        SCOPED_TRACE(dir);
        ASSERT_TRUE(SetCurrentDirectoryA(dir.c_str()));
        CurrentDirectoryBox shown;
        HWND box = shown.Wait();
        ASSERT_NE(box, nullptr) << "no message box";
        EXPECT_EQ(WindowText(box), "KLV");
        EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), dir.substr(0, 79)); // the message
        EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
        EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
        EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
    }
    SetCurrentDirectoryA(saved);
    RemoveDirectoryA(longDir.c_str());
}

} // namespace
