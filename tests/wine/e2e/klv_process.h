#pragma once
// Drives the real KLV.exe for end-to-end tests: prepares the Windows
// directory, starts the program beside the test binary, finds its window,
// sends it messages, reads its pixels and makes sure it is gone afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/geometry.h"

namespace e2e {

// The directory of the running test binary, where KLV.exe lies too.
std::string TestBinaryDir();
std::string WindowsDir();
inline std::string WindowsFilePath(const std::string& name) { return WindowsDir() + "\\" + name; }

// Deletes every file Kelvane reads or writes in the Windows directory, the
// files of the test helpers, and a klvcfg.dll beside KLV.exe.
void RemoveKelvaneFiles();
// Removes Kelvane's files, then writes each given file (name -> bytes) into
// the Windows directory.
::testing::AssertionResult PrepareWindowsDir(const std::map<std::string, std::string>& files = {});
// The file's bytes, or nothing when it cannot be read.
std::optional<std::string> ReadWindowsFile(const std::string& name);
// A value of kelvane.ini, "<absent>" when there is none.
std::string Stored(const std::string& section, const std::string& key);
inline std::string StoredCfg(const std::string& key) { return Stored("cfg", key); }
// Saves a shortcut to target with its arguments and working directory; COM
// must be initialised.
bool SaveShortcut(const std::string& path, const char* target, const char* arguments,
                  const char* directory);

// The programs the recorder helper logged as started so far, one
// "name|directory" each, once there are count of them or waitMs has passed.
std::vector<std::string> WaitForLaunches(std::size_t count, int waitMs = 5000);

// A window's text, asked of the window: another process's edit keeps its text itself.
std::string TextOf(HWND window);
// The texts of a dialog's items, joined by "|".
std::string TextsOf(HWND dialog, std::initializer_list<int> items);
// A popup menu on the screen, once one shows within a few seconds.
HWND VisibleMenu();
// The rectangles of face 0's built-in keys by key name ("A", "SP", ...), as
// the string table, which the test binary carries too, describes them.
std::map<std::string, Rect> BuiltInKeys();
// The centre of a built-in key in the client area, as a mouse message's lParam.
inline LPARAM KeyCentre(const std::string& key) {
    const Rect r = BuiltInKeys().at(key);
    return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}
// The pixels of area, in the coordinates of the window's device context (the
// screen's for nullptr), top row first, as 0x00RRGGBB; empty when unreadable.
std::vector<std::uint32_t> CapturePixels(HWND window, const RECT& area);
// The screen's DPI, as the prefix sets it (HKCU\Control Panel\Desktop LogPixels).
int DisplayDpi();

// KLV.exe, or another program beside the test binary, run by a test.
class KlvProcess {
  public:
    static constexpr DWORD kTimeoutMs = 15000;

    explicit KlvProcess(std::string program = "KLV.exe") : program_(std::move(program)) {}
    ~KlvProcess() { Stop(); } // no program outlives its test; it is not copied

    // Starts KLV.exe with the arguments (the text after the program's name)
    // and waits for its window, then until the process is idle.
    ::testing::AssertionResult Start(const std::string& arguments = "");
    // Starts the program without waiting for anything.
    ::testing::AssertionResult Launch(const std::string& arguments);
    // Any top-level window of the process with exactly this title, or
    // nullptr once the process has ended or the time is up.
    HWND WaitForTopLevelWindow(const std::string& title, DWORD timeoutMs = kTimeoutMs) const;
    // The process ends, with exit code 0.
    ::testing::AssertionResult WaitForExit();
    // Asks the window to close (WM_CLOSE) and waits for the process to end.
    ::testing::AssertionResult Close();
    // Close(); when that does not end the process, TerminateProcess.
    void Stop();

    HWND Window() const { return window_; }
    bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // Sends and waits for the reply; false when the window does not answer.
    bool Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // The main window as others see it.
    RECT ClientRectOnScreen() const;
    bool HasMenu() const { return GetMenu(window_) != nullptr; }
    bool IsTopmost() const { return (GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

  private:
    bool IsRunning() const;

    std::string program_; // a full path, or its path from the test binary's directory
    std::unique_ptr<void, decltype(&CloseHandle)> process_{nullptr, CloseHandle};
    DWORD processId_ = 0;
    HWND window_ = nullptr;
};

// Base for end-to-end suites: a clean Windows directory before and after
// each test, and a KlvProcess that is stopped when the test ends.
class KlvTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(PrepareWindowsDir()); }
    void TearDown() override {
        // A program a test started that opened a window (the recorder as win*.exe) still runs.
        for (HWND window; (window = FindWindowA("KlvRecorder", nullptr));) SendMessageA(window, WM_CLOSE, 0, 0);
        klv.Stop();
        RemoveKelvaneFiles();
    }

    KlvProcess klv;
};

} // namespace e2e
