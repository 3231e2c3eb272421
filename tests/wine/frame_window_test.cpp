// The main window built in this process exactly as KLV.exe builds it, to see
// what another process cannot: menu check marks in the menu bar and in the
// system menu's popup, and the status bar's texts.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/frame_window_win32.h"
#include "app/keyboard_frame.h"
#include "app/launcher_app.h"
#include "app/launcher_platform_win32.h"
#include "app/startup_actions_win32.h"
#include "pickers/shortcut_resolution_win32.h"
#include "platform/win32/win32_assets.h"
#include "platform/win32/win32_colour_chooser.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_strings.h"
#include "platform/win32/win32_system_info.h"
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
        : window_(GetModuleHandleA(nullptr)),
          colours_(GetModuleHandleA(nullptr), [this] { return window_.Handle(); }) {
        ports_.profile = &profile_;
        ports_.strings = &strings_;
        ports_.shell = &shell_;
        ports_.colours = &colours_;
        ports_.system = &system_;
        ports_.window = &window_;
        ports_.desktop = &desktop_;
        ports_.assets = &assets_;
    }
    ~InProcessKelvane() {
        if (window_.Handle()) SendMessageA(window_.Handle(), WM_CLOSE, 0, 0);
        // Closing the window ends "the application": drop the quit message it posts.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    bool Start(const std::string& commandLine) {
        CLauncherApp app(ports_, platform_, startup_);
        frame_ = app.InitInstance(commandLine);
        PumpMessages(50);
        return frame_ != nullptr;
    }
    HWND Handle() const { return window_.Handle(); }

  private:
    Win32Profile profile_;
    Win32Strings strings_;
    Win32ShellFolders shell_;
    Win32SystemInfo system_;
    Win32Desktop desktop_;
    Win32Assets assets_;
    FrameWindow window_;
    Win32ColourChooser colours_;
    FramePorts ports_;
    Win32StartupActions startup_;
    Win32LauncherPlatform platform_{window_, SW_SHOWNORMAL};
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
// thread runs inside the menu's modal loop: it presses the keys asked for,
// one per tick, then reads and closes the menu.
struct OpenMenu {
    HWND window = nullptr;
    int keysLeft = 0;        // VK_DOWN presses before reading
    HMENU marksOf = nullptr; // the menu whose check marks are read
    std::vector<UINT> ids;
    // What was read.
    bool wasOpen = false;
    std::vector<bool> checked;
    std::string statusText;
};
OpenMenu* g_openMenu = nullptr;

std::string StatusPaneText(HWND window, int pane) {
    HWND status = GetDlgItem(window, 0xE801);
    char text[256] = "";
    if (status && LOWORD(SendMessageA(status, SB_GETTEXTLENGTHA, pane, 0)) < sizeof text)
        SendMessageA(status, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(text));
    return text;
}

void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
    OpenMenu& open = *g_openMenu;
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    open.wasOpen = GetGUIThreadInfo(GetCurrentThreadId(), &gui) && (gui.flags & GUI_INMENUMODE);
    if (open.wasOpen && open.keysLeft > 0) {
        --open.keysLeft;
        PostMessageA(open.window, WM_KEYDOWN, VK_DOWN, 0);
        return;
    }
    for (UINT id : open.ids)
        open.checked.push_back((GetMenuState(open.marksOf, id, MF_BYCOMMAND) & MF_CHECKED) != 0);
    open.statusText = StatusPaneText(open.window, 0);
    EndMenu();
}

// Opens a menu as the keyboard does (Alt plus the key: ' ' the system
// menu, a letter the menu bar's item with that mnemonic) and reads it.
void VisitMenu(OpenMenu& open, WPARAM key) {
    g_openMenu = &open;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, ReadOpenMenu);
    SendMessageA(open.window, WM_SYSCOMMAND, SC_KEYMENU, key);
    KillTimer(nullptr, timer);
    g_openMenu = nullptr;
    PumpMessages(20);
}

// The five option items whose check marks follow the options word.
const std::vector<UINT> kMarkedItems = {482, 487, 470, 472, 471};

// The check marks the items show when their menu opens: from the stored
// options or the command line, and after the five items' commands.
TEST_F(FrameWindowTest, CheckMarksFollowTheOptionsInTheMenuBarAndTheSystemMenu) {
    struct Case {
        const char* name;
        const char* ini;
        const char* arguments;
        std::vector<bool> marks; // 482, 487, 470, 472, 471
    };
    const Case cases[] = {
        {"fresh install", "", "", {false, true, false, true, true}},
        {"all stored", "[cfg]\r\nopts=31\r\n", "", {true, false, true, false, false}},
        {"command line", "", "-top -mark", {true, false, false, true, true}},
        {"system menu, fresh", "", "-nomenu", {false, true, false, true, true}},
        {"system menu, stored",
         "[cfg]\r\nopts=12\r\n",
         "-nomenu",
         {false, true, true, false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", c.ini}}));
        klv = std::make_unique<InProcessKelvane>();
        ASSERT_TRUE(klv->Start(c.arguments));
        HWND window = klv->Handle();
        const bool inSystemMenu = GetMenu(window) == nullptr;
        OpenMenu open;
        open.window = window;
        open.marksOf = inSystemMenu ? GetSystemMenu(window, FALSE) : GetMenu(window);
        open.ids = kMarkedItems;
        VisitMenu(open, inSystemMenu ? ' ' : 'o');
        ASSERT_TRUE(open.wasOpen);
        EXPECT_EQ(open.checked, c.marks);

        // The five commands flip every mark.
        for (UINT id : kMarkedItems)
            SendMessageA(window, WM_COMMAND, id, 0);
        OpenMenu again = open;
        again.checked.clear();
        VisitMenu(again, inSystemMenu ? ' ' : 'o');
        std::vector<bool> flipped;
        for (bool mark : c.marks)
            flipped.push_back(!mark);
        EXPECT_EQ(again.checked, flipped);
    }
}

TEST_F(FrameWindowTest, SystemMenuEndsWithTheConfigurationPopupOnlyWithoutMenuBar) {
    ASSERT_TRUE(klv->Start("-nomenu"));
    HMENU system = GetSystemMenu(klv->Handle(), FALSE);
    ASSERT_NE(system, nullptr);
    const int count = GetMenuItemCount(system);
    ASSERT_GE(count, 2);
    EXPECT_TRUE(GetMenuState(system, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
    char text[64] = "";
    GetMenuStringA(system, count - 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&KLV Configuration...");
    HMENU popup = GetSubMenu(system, count - 1);
    ASSERT_NE(popup, nullptr);
    // The popup is the main menu: its three items and their commands.
    ASSERT_EQ(GetMenuItemCount(popup), 3);
    const char* const items[] = {"&Assignments...", "&Options", "&Help"};
    for (int i = 0; i < 3; ++i) {
        GetMenuStringA(popup, i, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, items[i]);
    }
    EXPECT_NE(GetMenuState(popup, 482, MF_BYCOMMAND), 0xFFFFFFFFu);
    EXPECT_NE(GetMenuState(popup, 300, MF_BYCOMMAND), 0xFFFFFFFFu);
    klv.reset();

    klv = std::make_unique<InProcessKelvane>();
    ASSERT_TRUE(klv->Start(""));
    system = GetSystemMenu(klv->Handle(), FALSE);
    ASSERT_NE(system, nullptr);
    for (int i = 0; i < GetMenuItemCount(system); ++i) {
        EXPECT_EQ(GetSubMenu(system, i), nullptr) << i;
        GetMenuStringA(system, i, text, sizeof text, MF_BYPOSITION);
        EXPECT_STRNE(text, "&KLV Configuration...");
    }
}

// Moving through the open "&Options" menu with the keyboard puts each
// item's prompt into the status bar; a popup item has none.
TEST_F(FrameWindowTest, SelectedMenuItemShowsItsPromptInTheStatusBar) {
    ASSERT_TRUE(klv->Start("-status"));
    const char* const prompts[] = {
        "",                             // "&Colors", a popup
        "Enable/disable always on top", // separator skipped
        "Enable/disable marking of group lists",
        "Enable/disable minimize after exec'ing application",
        "Enable/disable popup hints",
        "Enable/disable key assignment confirmation",
    };
    for (int downs = 0; downs < 6; ++downs) {
        SCOPED_TRACE(downs);
        OpenMenu open;
        open.window = klv->Handle();
        open.keysLeft = downs;
        open.marksOf = GetMenu(klv->Handle());
        VisitMenu(open, 'o');
        ASSERT_TRUE(open.wasOpen);
        EXPECT_EQ(open.statusText, prompts[downs]);
    }
    // A closed menu leaves the message pane empty.
    EXPECT_EQ(StatusPaneText(klv->Handle(), 0), "");
}

// The menu-select message straight: items of every menu, with and without a prompt.
TEST_F(FrameWindowTest, MenuSelectShowsTheStringWithTheItemsId) {
    ASSERT_TRUE(klv->Start("-status"));
    HWND window = klv->Handle();
    const struct {
        WORD id;
        WORD flags;
        const char* prompt;
    } cases[] = {
        {485, MF_STRING, "Set highlite color"},
        {489, MF_STRING, "Set group marking color"},
        {483, MF_STRING, "Set hint background color"},
        {482, MF_STRING | MF_CHECKED, "Enable/disable always on top"},
        {303, MF_STRING, ""},
        {300, MF_STRING, ""},
        {57666, MF_STRING, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        SendMessageA(window, WM_MENUSELECT, MAKEWPARAM(c.id, c.flags),
                     reinterpret_cast<LPARAM>(GetMenu(window)));
        EXPECT_EQ(StatusPaneText(window, 0), c.prompt);
    }
    SendMessageA(window, WM_MENUSELECT, MAKEWPARAM(482, MF_STRING),
                 reinterpret_cast<LPARAM>(GetMenu(window)));
    SendMessageA(window, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0); // menu closed
    EXPECT_EQ(StatusPaneText(window, 0), "");
}

// The time as the clock pane formats it, for the current second and the
// given number of seconds before it.
std::vector<std::string> RecentTimes(int seconds) {
    std::vector<std::string> times;
    SYSTEMTIME now;
    GetLocalTime(&now);
    FILETIME file;
    SystemTimeToFileTime(&now, &file);
    ULARGE_INTEGER ticks{{file.dwLowDateTime, file.dwHighDateTime}};
    for (int back = 0; back <= seconds; ++back) {
        ULARGE_INTEGER earlier = ticks;
        earlier.QuadPart -= 10000000ull * back;
        FILETIME earlierFile{earlier.LowPart, earlier.HighPart};
        SYSTEMTIME then;
        FileTimeToSystemTime(&earlierFile, &then);
        char text[64] = "";
        GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &then, nullptr, text, sizeof text);
        times.push_back(text);
    }
    return times;
}

bool IsOneOf(const std::string& text, const std::vector<std::string>& candidates) {
    for (const std::string& c : candidates)
        if (c == text) return true;
    return false;
}

TEST_F(FrameWindowTest, ClockPaneShowsTheLocalTimeEverySecond) {
    ASSERT_TRUE(klv->Start("-status"));
    const std::string first = StatusPaneText(klv->Handle(), 1);
    EXPECT_TRUE(IsOneOf(first, RecentTimes(1))) << first;
    PumpMessages(1300);
    const std::string later = StatusPaneText(klv->Handle(), 1);
    EXPECT_TRUE(IsOneOf(later, RecentTimes(1))) << later;
    EXPECT_NE(later, first);
}

} // namespace
