// The main window built in this process exactly as KLV.exe builds it, to see
// what another process cannot: a file dropped on the face, as the shell
// hands it over, opens the command dialog. Which menu items are checked is
// decided natively (frame_commands_test).
#include <windows.h>

#include <shlobj.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "app/frame_window_win32.h"
#include "app/keyboard_frame.h"
#include "app/launcher_app.h"
#include "common/dialog_ids.h"
#include "platform/win32/win32_adapters.h"
#include "wine/e2e/klv_process.h"

namespace {

// Dispatches this thread's messages for a while (timers, posted commands).
void PumpMessages(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (GetTickCount64() < end);
}

// The ports, the window and start-up, put together as the entry point does.
class InProcessKelvane {
  public:
    InProcessKelvane()
        : window_(GetModuleHandleA(nullptr), SW_SHOWNORMAL),
          adapters_(GetModuleHandleA(nullptr), window_) {}
    ~InProcessKelvane() {
        if (window_.Handle()) SendMessageA(window_.Handle(), WM_CLOSE, 0, 0);
        // Closing the window ends "the application": drop the quit message it posts.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    bool Start(const std::string& commandLine) {
        CLauncherApp app(adapters_.Ports(), adapters_.startup);
        frame_ = app.InitInstance(commandLine);
        PumpMessages(50);
        return frame_ != nullptr;
    }
    HWND Handle() const { return window_.Handle(); }

  private:
    FrameWindow window_;
    Win32Adapters adapters_;
    std::unique_ptr<CKeyboardFrame> frame_;
};

class FrameWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(e2e::PrepareWindowsDir()); }
    void TearDown() override {
        klv.reset();
        e2e::RemoveKelvaneFiles();
    }
    std::unique_ptr<InProcessKelvane> klv = std::make_unique<InProcessKelvane>();
};

// A file dropped on a key, as the shell hands it over: the command dialog
// opens with the file's three texts and without its browse buttons. A timer
// of this thread reads the dialog inside its modal loop and cancels it.
struct DroppedDialog {
    std::string key, command, directory, description;
    bool browseShown = true;
};
DroppedDialog* g_dropped = nullptr;

void CALLBACK ReadDroppedDialog(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowA(nullptr, "Add /Edit Command");
    if (!dialog || !g_dropped) return;
    g_dropped->key = e2e::TextOf(GetDlgItem(dialog, IDC_KEY_NAME));
    g_dropped->command = e2e::TextOf(GetDlgItem(dialog, IDC_COMMAND_LINE));
    g_dropped->directory = e2e::TextOf(GetDlgItem(dialog, IDC_WORKING_DIRECTORY));
    g_dropped->description = e2e::TextOf(GetDlgItem(dialog, IDC_DESCRIPTION));
    g_dropped->browseShown = IsWindowVisible(GetDlgItem(dialog, IDC_BROWSE)) ||
                             IsWindowVisible(GetDlgItem(dialog, IDC_APPLICATIONS));
    g_dropped = nullptr;
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(FrameWindowTest, DroppedFileOpensTheCommandDialogWithoutBrowseButtons) {
    ASSERT_TRUE(klv->Start(""));
    const char path[] = "C:\\TOOLS\\NOTEPAD.EXE";
    HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + sizeof path + 1);
    ASSERT_NE(drop, nullptr);
    auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    files->pt = {35, 52}; // on Q
    std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), path, sizeof path);
    GlobalUnlock(drop);
    DroppedDialog seen;
    g_dropped = &seen;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, ReadDroppedDialog);
    PostMessageA(klv->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    PumpMessages(1500);
    KillTimer(nullptr, timer);
    g_dropped = nullptr;
    EXPECT_EQ(seen.key, "Fn-Q");
    EXPECT_EQ(seen.command, path);
    EXPECT_EQ(seen.directory, "C:\\TOOLS");
    EXPECT_EQ(seen.description, "Notepad");
    EXPECT_FALSE(seen.browseShown);
}
} // namespace
