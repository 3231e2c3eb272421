#pragma once
// Drives the real KLV.exe for end-to-end tests: prepares the Windows
// directory, starts the program beside the test binary, finds its window,
// sends it messages, reads its pixels and makes sure it is gone afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// --- Files ---

// The directory of the running test binary, where KLV.exe lies too.
std::string TestBinaryDir();
std::string KlvExePath();
// A helper program or library built into <test binary dir>\helpers.
std::string HelperPath(const std::string& name);

std::string WindowsDir();
std::string WindowsFilePath(const std::string& name);

// Deletes every file Kelvane reads or writes in the Windows directory
// (kelvane.ini/.prg/.cfg/.fac/.key), the configuration library's log, and a
// klvcfg.dll copied into the Windows directory or beside KLV.exe.
void RemoveKelvaneFiles();
// Removes Kelvane's files, then writes each given file (name -> bytes) into
// the Windows directory.
::testing::AssertionResult PrepareWindowsDir(const std::map<std::string, std::string>& files = {});

::testing::AssertionResult WriteWindowsFile(const std::string& name, const std::string& bytes);
// The file's bytes, or nothing when it cannot be read.
std::optional<std::string> ReadWindowsFile(const std::string& name);
// GetPrivateProfileStringA on a file of the Windows directory (by name only).
std::string ReadProfileString(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& deflt = "");

// Copies source to <dir>\name, replacing an older copy.
::testing::AssertionResult CopyBesideKlv(const std::string& source, const std::string& name);
::testing::AssertionResult CopyToWindowsDir(const std::string& source, const std::string& name);

// True when any top-level window titled "Kelvane" exists, whoever owns it.
bool AnyKelvaneWindow();

// --- Pixels ---

// A copy of a window's client area, 0x00RRGGBB per pixel, top row first.
struct Capture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    COLORREF At(int x, int y) const; // as RGB(); CLR_INVALID outside the capture
};

// --- The process ---

class KlvProcess {
  public:
    static constexpr DWORD kWindowTimeoutMs = 15000;
    static constexpr DWORD kExitTimeoutMs = 10000;

    KlvProcess() = default;
    ~KlvProcess(); // Stop(): no KLV.exe outlives its test
    KlvProcess(const KlvProcess&) = delete;
    KlvProcess& operator=(const KlvProcess&) = delete;

    // Starts KLV.exe with the arguments (the text after the program's name)
    // and waits for its window. An empty working directory means the test's.
    ::testing::AssertionResult Start(const std::string& arguments = "",
                                     const std::string& workingDir = "");
    // Starts KLV.exe without waiting for anything (one-shot starts).
    ::testing::AssertionResult Launch(const std::string& arguments = "",
                                      const std::string& workingDir = "");
    // Waits for the process's top-level window titled "Kelvane", then until
    // the process is idle.
    ::testing::AssertionResult WaitForWindow(DWORD timeoutMs = kWindowTimeoutMs);
    // Any top-level window of the process with exactly this title (a message
    // box, a dialog), or nullptr after the timeout.
    HWND WaitForTopLevelWindow(const std::string& title, DWORD timeoutMs = kWindowTimeoutMs) const;
    // Waits for the process to end by itself.
    ::testing::AssertionResult WaitForExit(DWORD timeoutMs = kExitTimeoutMs);

    bool IsRunning() const;
    HWND Window() const { return window_; }
    HANDLE Process() const { return process_; }
    DWORD ProcessId() const { return processId_; }
    // The exit code once the process has ended; STILL_ACTIVE before.
    DWORD ExitCode() const;

    // Messages to the main window.
    bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // Sends and waits at most timeoutMs for the reply; false on timeout.
    bool Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, LRESULT* result = nullptr,
              DWORD timeoutMs = 5000) const;
    bool PostCommand(WORD id, LPARAM lParam = 0) const;
    bool PostRegistered(const char* name, WPARAM wParam = 0, LPARAM lParam = 0) const;
    bool SendRegistered(const char* name, WPARAM wParam = 0, LPARAM lParam = 0,
                        LRESULT* result = nullptr) const;

    // The main window as others see it.
    RECT ClientRectOnScreen() const;
    bool HasMenu() const;
    std::string WindowText() const;
    Capture CaptureClient() const; // through the window's own device context
    COLORREF ClientPixel(int x, int y) const;

    // Asks the window to close (WM_CLOSE) and waits for the process to end.
    ::testing::AssertionResult Close(DWORD timeoutMs = kExitTimeoutMs);
    // Close(); when that does not end the process, TerminateProcess. Safe to
    // call at any time, also when nothing runs.
    void Stop(DWORD closeTimeoutMs = 3000);

  private:
    void Release();

    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND window_ = nullptr;
    DWORD exitCode_ = STILL_ACTIVE;
};

// Base for end-to-end suites: a clean Windows directory before and after
// each test, and a KlvProcess that is stopped when the test ends.
class KlvTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    KlvProcess klv;
};

} // namespace e2e
