// The main window built in this process exactly as KLV.exe builds it, to see
// what another process cannot: menu check marks in the menu bar and in the
// system menu's popup, and the status bar's texts.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
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

// What the tests see while a menu of the window is open. A timer of this
// thread runs inside the menu's modal loop: it reads the check marks of the
// items asked for and closes the menu.
struct OpenMenu {
    HMENU marksOf = nullptr; // the menu whose check marks are read
    std::vector<UINT> ids;
    bool wasOpen = false;
    std::vector<bool> checked;
};
OpenMenu* g_openMenu = nullptr;

void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
    OpenMenu& open = *g_openMenu;
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    open.wasOpen = GetGUIThreadInfo(GetCurrentThreadId(), &gui) && (gui.flags & GUI_INMENUMODE);
    for (UINT id : open.ids)
        open.checked.push_back((GetMenuState(open.marksOf, id, MF_BYCOMMAND) & MF_CHECKED) != 0);
    EndMenu();
}

// Opens a menu as the keyboard does (Alt plus the key: ' ' the system
// menu, a letter the menu bar's item with that mnemonic) and reads it.
OpenMenu VisitMenu(HWND window, HMENU marksOf, const std::vector<UINT>& ids, WPARAM key) {
    OpenMenu open{marksOf, ids, false, {}};
    g_openMenu = &open;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, ReadOpenMenu);
    SendMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, key);
    KillTimer(nullptr, timer);
    g_openMenu = nullptr;
    PumpMessages(20);
    return open;
}

std::string StatusPaneText(HWND window, int pane) {
    HWND status = GetDlgItem(window, 0xE801);
    char text[256] = "";
    if (status && LOWORD(SendMessageA(status, SB_GETTEXTLENGTHA, pane, 0)) < sizeof text)
        SendMessageA(status, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(text));
    return text;
}

// The check marks the five option items show when their menu opens: from
// the stored options or the command line, and after the items' commands.
TEST_F(FrameWindowTest, CheckMarksFollowTheOptionsInTheMenuBarAndTheSystemMenu) {
    const std::vector<UINT> items = {482, 487, 470, 472, 471};
    struct Case {
        const char* name;
        const char* ini;
        const char* arguments;
        std::vector<bool> marks; // of the items, in their order
    };
    const Case cases[] = {
        {"fresh install", "", "", {false, true, false, true, true}},
        {"all stored", "[cfg]\r\nopts=31\r\n", "", {true, false, true, false, false}},
        {"command line", "", "-top -mark", {true, false, false, true, true}},
        {"system menu", "[cfg]\r\nopts=12\r\n", "-nomenu", {false, true, true, false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", c.ini}}));
        klv = std::make_unique<InProcessKelvane>();
        ASSERT_TRUE(klv->Start(c.arguments));
        HWND window = klv->Handle();
        const bool inSystemMenu = GetMenu(window) == nullptr;
        HMENU menu = inSystemMenu ? GetSystemMenu(window, FALSE) : GetMenu(window);
        const WPARAM key = inSystemMenu ? ' ' : 'o';
        const OpenMenu open = VisitMenu(window, menu, items, key);
        ASSERT_TRUE(open.wasOpen);
        EXPECT_EQ(open.checked, c.marks);

        // The five commands flip every mark.
        for (UINT id : items)
            SendMessageA(window, WM_COMMAND, id, 0);
        std::vector<bool> flipped;
        for (bool mark : c.marks)
            flipped.push_back(!mark);
        EXPECT_EQ(VisitMenu(window, menu, items, key).checked, flipped);
    }
}

// Without the menu bar, the system menu ends with a separator and a popup
// holding the main menu; with it, the system menu has neither.
TEST_F(FrameWindowTest, SystemMenuEndsWithTheConfigurationPopupOnlyWithoutMenuBar) {
    ASSERT_TRUE(klv->Start("-nomenu"));
    HMENU system = GetSystemMenu(klv->Handle(), FALSE);
    const int count = GetMenuItemCount(system);
    ASSERT_GE(count, 2);
    EXPECT_TRUE(GetMenuState(system, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
    char text[64] = "";
    GetMenuStringA(system, count - 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&KLV Configuration...");
    HMENU popup = GetSubMenu(system, count - 1);
    ASSERT_EQ(GetMenuItemCount(popup), 3);
    const char* const names[] = {"&Assignments...", "&Options", "&Help"};
    for (int i = 0; i < 3; ++i) {
        GetMenuStringA(popup, i, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, names[i]);
    }
    EXPECT_NE(GetMenuState(popup, 482, MF_BYCOMMAND), 0xFFFFFFFFu);
    EXPECT_NE(GetMenuState(popup, 300, MF_BYCOMMAND), 0xFFFFFFFFu);

    klv = std::make_unique<InProcessKelvane>();
    ASSERT_TRUE(klv->Start(""));
    system = GetSystemMenu(klv->Handle(), FALSE);
    ASSERT_GT(GetMenuItemCount(system), 0);
    for (int i = 0; i < GetMenuItemCount(system); ++i) {
        EXPECT_EQ(GetSubMenu(system, i), nullptr) << i;
        GetMenuStringA(system, i, text, sizeof text, MF_BYPOSITION);
        EXPECT_STRNE(text, "&KLV Configuration...");
    }
}

// A selected menu item puts its prompt into the status bar's message pane; an
// item without a prompt, a popup and a closed menu leave it empty.
TEST_F(FrameWindowTest, MenuSelectShowsThePromptOfTheItem) {
    ASSERT_TRUE(klv->Start("-status"));
    HWND window = klv->Handle();
    const struct {
        WORD id;
        WORD flags;
        const char* prompt;
    } cases[] = {
        // Each empty prompt follows a shown one, which it must replace.
        {485, MF_STRING, "Set highlite color"},
        {300, MF_STRING, ""},
        {482, MF_STRING | MF_CHECKED, "Enable/disable always on top"},
        {482, MF_POPUP, ""},
        {482, MF_STRING, "Enable/disable always on top"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        SendMessageA(window, WM_MENUSELECT, MAKEWPARAM(c.id, c.flags),
                     reinterpret_cast<LPARAM>(GetMenu(window)));
        EXPECT_EQ(StatusPaneText(window, 0), c.prompt);
    }
    SendMessageA(window, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0); // menu closed
    EXPECT_EQ(StatusPaneText(window, 0), "");
}

std::string LocalTime() {
    char text[64] = "";
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, sizeof text);
    return text;
}

// The clock pane shows the local time, and a new one every second: every
// text it shows was the time at some moment of the test.
TEST_F(FrameWindowTest, ClockPaneShowsTheLocalTimeEverySecond) {
    std::set<std::string> times = {LocalTime()};
    ASSERT_TRUE(klv->Start("-status"));
    std::set<std::string> shown;
    for (int i = 0; i < 26; ++i) {
        shown.insert(StatusPaneText(klv->Handle(), 1));
        times.insert(LocalTime());
        PumpMessages(50);
    }
    EXPECT_GE(shown.size(), 2u);
    for (const std::string& text : shown)
        EXPECT_EQ(times.count(text), 1u) << text;
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
