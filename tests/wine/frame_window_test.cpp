// The main window built in this process exactly as KLV.exe builds it, to see
// what another process cannot: the menu check marks, the status bar's
// prompts, and a file dropped on the face.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/frame_window_win32.h"
#include "app/keyboard_frame.h"
#include "app/launcher_app.h"
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

// The check marks of the items as the menu shows them once WM_INITMENU,
// which Windows sends as the menu opens, has been handled.
std::vector<bool> MarksAsTheMenuOpens(HWND window, HMENU menu, const std::vector<UINT>& ids) {
    SendMessageA(window, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    std::vector<bool> checked;
    for (UINT id : ids)
        checked.push_back((GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0);
    return checked;
}

std::string StatusPaneText(HWND window, int pane) {
    HWND status = GetDlgItem(window, 0xE801);
    char text[256] = "";
    if (status && LOWORD(SendMessageA(status, SB_GETTEXTLENGTHA, pane, 0)) < sizeof text)
        SendMessageA(status, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(text));
    return text;
}

// The check marks of the five option items are set as their menu opens, here
// the system menu's configuration popup of a window without menu bar: from
// the stored options, then after the items' commands. Which option gives
// which mark is proved natively (frame_commands_test).
TEST_F(FrameWindowTest, CheckMarksAreSetAsTheMenuOpens) {
    ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", "[cfg]\r\nopts=12\r\n"}}));
    ASSERT_TRUE(klv->Start("-nomenu"));
    HWND window = klv->Handle();
    ASSERT_EQ(GetMenu(window), nullptr);
    HMENU menu = GetSystemMenu(window, FALSE);
    const std::vector<UINT> items = {482, 487, 470, 472, 471};
    EXPECT_EQ(MarksAsTheMenuOpens(window, menu, items),
              (std::vector<bool>{false, true, true, false, true}));
    for (UINT id : items)
        SendMessageA(window, WM_COMMAND, id, 0);
    EXPECT_EQ(MarksAsTheMenuOpens(window, menu, items),
              (std::vector<bool>{true, false, false, true, false}));
}

// A selected menu item puts its prompt into the status bar's message pane; a
// popup and a closed menu leave it empty.
TEST_F(FrameWindowTest, StatusBarShowsMenuPrompts) {
    ASSERT_TRUE(klv->Start("-status"));
    HWND window = klv->Handle();
    const struct {
        WORD id;
        WORD flags;
        const char* prompt;
    } cases[] = {
        // Each empty prompt follows a shown one, which it must replace.
        {482, MF_STRING | MF_CHECKED, "Enable/disable always on top"},
        {482, MF_POPUP, ""},
        {485, MF_STRING, "Set highlite color"},
        {0, 0xFFFF, ""}, // menu closed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        SendMessageA(window, WM_MENUSELECT, MAKEWPARAM(c.id, c.flags),
                     c.flags == 0xFFFF ? 0 : reinterpret_cast<LPARAM>(GetMenu(window)));
        EXPECT_EQ(StatusPaneText(window, 0), c.prompt);
    }
}

// A file dropped on a key, as the shell hands it over: the command dialog
// opens with the file's three texts and without its browse buttons. A timer
// of this thread reads the dialog inside its modal loop and cancels it.
struct DroppedDialog {
    std::string command, directory, description;
    bool browseShown = true;
};
DroppedDialog* g_dropped = nullptr;

void CALLBACK ReadDroppedDialog(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowA(nullptr, "Add /Edit Command");
    if (!dialog || !g_dropped) return;
    g_dropped->command = e2e::TextOf(GetDlgItem(dialog, 2101));
    g_dropped->directory = e2e::TextOf(GetDlgItem(dialog, 2103));
    g_dropped->description = e2e::TextOf(GetDlgItem(dialog, 2104));
    g_dropped->browseShown = IsWindowVisible(GetDlgItem(dialog, 1005)) || IsWindowVisible(GetDlgItem(dialog, 1007));
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
    EXPECT_EQ(seen.command, path);
    EXPECT_EQ(seen.directory, "C:\\TOOLS");
    EXPECT_EQ(seen.description, "Notepad");
    EXPECT_FALSE(seen.browseShown);
}
} // namespace
