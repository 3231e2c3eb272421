// The running KLV.exe window driven from outside: option commands and the
// options word they store, the topmost state, the key states painted on the
// face, the status bar, the About box and the help commands.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "wine/e2e/klv_face.h"
#include "wine/e2e/klv_process.h"

namespace {

using e2e::KlvTest;

std::string StoredOpts() {
    return e2e::ReadProfileString("kelvane.ini", "cfg", "opts", "<absent>");
}

bool IsTopmost(HWND hwnd) {
    return (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

std::string TextOf(HWND hwnd) {
    char text[256] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

// The texts of a window's children, in their order.
std::vector<std::string> ChildTexts(HWND parent) {
    std::vector<std::string> texts;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM param) {
            reinterpret_cast<std::vector<std::string>*>(param)->push_back(TextOf(child));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
    for (const std::string& t : texts)
        if (t == text) return true;
    return false;
}

bool Disappears(HWND hwnd) {
    for (int i = 0; i < 100 && IsWindow(hwnd); ++i)
        Sleep(20);
    return !IsWindow(hwnd);
}

// Every option command flips its own bit of the stored word, next to bits
// stored before; a second time restores the word.
TEST_F(KlvTest, OptionCommandsToggleTheirBitInTheStoredWord) {
    ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", "[cfg]\r\nopts=4096\r\n"}}));
    ASSERT_TRUE(klv.Start());
    const struct {
        WORD id;
        unsigned bit;
    } cases[] = {{470, 0x4}, {471, 0x10}, {472, 0x8}, {474, 0x40}, {482, 0x2}, {487, 0x1}};
    unsigned all = 4096;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        ASSERT_TRUE(klv.Send(WM_COMMAND, c.id));
        EXPECT_EQ(StoredOpts(), std::to_string(4096 | c.bit));
        ASSERT_TRUE(klv.Send(WM_COMMAND, c.id));
        EXPECT_EQ(StoredOpts(), "4096");
    }
    for (const auto& c : cases) {
        ASSERT_TRUE(klv.Send(WM_COMMAND, c.id));
        all |= c.bit;
        EXPECT_EQ(StoredOpts(), std::to_string(all));
    }
    EXPECT_TRUE(IsTopmost(klv.Window()));
}

// "&Always On Top" toggles the option and the window's topmost state
// together; with lParam -1 it only applies the stored state.
TEST_F(KlvTest, AlwaysOnTopCommandAppliesAndStoresTheTopmostState) {
    ASSERT_TRUE(klv.Start());
    EXPECT_FALSE(IsTopmost(klv.Window()));
    ASSERT_TRUE(klv.Send(WM_COMMAND, 482, -1));
    EXPECT_FALSE(IsTopmost(klv.Window()));
    EXPECT_EQ(StoredOpts(), "<absent>");

    ASSERT_TRUE(klv.Send(WM_COMMAND, 482));
    EXPECT_TRUE(IsTopmost(klv.Window()));
    EXPECT_EQ(StoredOpts(), "2");
    // It stays on top when brought to the front, as a click does.
    ASSERT_TRUE(SetWindowPos(klv.Window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_TRUE(IsTopmost(klv.Window()));

    // Taken off the top by someone else, the stored state is applied again.
    ASSERT_TRUE(SetWindowPos(klv.Window(), HWND_NOTOPMOST, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
    ASSERT_FALSE(IsTopmost(klv.Window()));
    ASSERT_TRUE(klv.Send(WM_COMMAND, 482, -1));
    EXPECT_TRUE(IsTopmost(klv.Window()));
    EXPECT_EQ(StoredOpts(), "2");

    ASSERT_TRUE(klv.Send(WM_COMMAND, 482));
    EXPECT_FALSE(IsTopmost(klv.Window()));
    EXPECT_EQ(StoredOpts(), "0");
}

// A topmost state from the settings or from "-top" is applied at start
// without writing the options word; "-top" is stored with the next change.
TEST_F(KlvTest, TopmostStateAtStartIsAppliedWithoutStoring) {
    struct Case {
        const char* ini;
        const char* arguments;
        const char* optsAtStart;
        const char* optsAfterToggle; // after "M&inimize On Use"
    };
    const Case cases[] = {
        {"[cfg]\r\nopts=2\r\n", "", "2", "6"},
        {"", "-top", "<absent>", "6"},
        {"[cfg]\r\nopts=16\r\n", "-top", "16", "22"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", c.ini}}));
        ASSERT_TRUE(klv.Start(c.arguments));
        ASSERT_TRUE(klv.Send(WM_NULL)); // the posted topmost command has run
        EXPECT_TRUE(IsTopmost(klv.Window()));
        EXPECT_EQ(StoredOpts(), c.optsAtStart);
        ASSERT_TRUE(klv.Send(WM_COMMAND, 470));
        EXPECT_EQ(StoredOpts(), c.optsAfterToggle);
        EXPECT_TRUE(IsTopmost(klv.Window()));
        ASSERT_TRUE(klv.Close());
    }
}

// Without the menu bar the menu's items come as system commands from the
// system menu's popup and act as the menu bar's do.
TEST_F(KlvTest, SystemMenuCommandsActAsMenuCommands) {
    ASSERT_TRUE(klv.Start("-nomenu"));
    ASSERT_FALSE(klv.HasMenu());
    ASSERT_TRUE(klv.Send(WM_SYSCOMMAND, 482));
    EXPECT_TRUE(IsTopmost(klv.Window()));
    EXPECT_EQ(StoredOpts(), std::to_string(0x400 | 0x2));
    ASSERT_TRUE(klv.Send(WM_SYSCOMMAND, 472));
    EXPECT_EQ(StoredOpts(), std::to_string(0x400 | 0x2 | 0x8));
    ASSERT_TRUE(klv.Send(WM_SYSCOMMAND, 482));
    EXPECT_FALSE(IsTopmost(klv.Window()));
    EXPECT_EQ(StoredOpts(), std::to_string(0x400 | 0x8));
}

// The face with legend pixels recoloured: for each key name, its inner
// legend pixels take the colour.
Image WithLegends(const Image& face, const std::map<std::string, Colour>& keys) {
    const std::vector<e2e::BuiltInKey> table = e2e::BuiltInKeys(0);
    Image painted = face;
    for (const auto& [name, colour] : keys) {
        const std::vector<POINT> legend = e2e::InnerLegendPixels(face, e2e::KeyRect(table, name));
        EXPECT_FALSE(legend.empty()) << name << " has no legend to recolour";
        for (const POINT& p : legend)
            painted.Set(p.x, p.y, colour);
    }
    return painted;
}

// The six pixels of the popup mark at a key's inner top-left corner.
void AddPopupMark(Image& image, const Rect& key, Colour colour) {
    const int left = key.left + 2, top = key.top + 2;
    const POINT mark[] = {{left - 1, top - 1}, {left - 1, top}, {left - 1, top + 1},
                          {left, top},         {left, top - 1}, {left + 1, top - 1}};
    for (const POINT& p : mark)
        image.Set(p.x, p.y, colour);
}

// An assigned key's legend takes the highlite colour and a disabled key's
// the disable colour, as the settings give them; nothing else changes.
TEST_F(KlvTest, AssignedAndDisabledKeysShowTheirColours) {
    const Image face = e2e::SourceBitmap("face0.bmp");
    ASSERT_FALSE(face.Empty());
    const std::string keys = "[cmd]\r\nFn-A=notepad.exe\r\n[opts]\r\nFn-Q=4\r\n";
    struct Case {
        const char* name;
        std::string ini;
        Colour highlite;
        Colour disable;
    };
    const Case cases[] = {
        {"default colours", keys, MakeColour(0, 0, 255), MakeColour(128, 128, 128)},
        {"stored colours", "[cfg]\r\nhighlite=0 255 0\r\ndisable=300 20 7\r\n" + keys,
         MakeColour(0, 255, 0), MakeColour(44, 20, 7)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", c.ini}}));
        ASSERT_TRUE(klv.Start());
        const Image expected = WithLegends(face, {{"A", c.highlite}, {"Q", c.disable}});
        EXPECT_TRUE(e2e::ComesToShow(klv, expected));
        ASSERT_TRUE(klv.Close());
    }
}

// A key assigned a popup list carries the corner mark while "&Mark Popups"
// is on; the command repaints the face at once.
TEST_F(KlvTest, PopupMarkFollowsMarkPopups) {
    const Image face = e2e::SourceBitmap("face0.bmp");
    ASSERT_FALSE(face.Empty());
    const Rect s = e2e::KeyRect(e2e::BuiltInKeys(0), "S");
    const Image unmarked = WithLegends(face, {{"S", MakeColour(0, 0, 255)}});
    Image marked = unmarked;
    AddPopupMark(marked, s, MakeColour(255, 0, 0));
    ASSERT_NE(marked, unmarked);
    const std::string ini = "[cmd]\r\nFn-S=@C:\\nowhere\r\n";

    ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", ini}}));
    ASSERT_TRUE(klv.Start());
    EXPECT_TRUE(e2e::ComesToShow(klv, marked));
    ASSERT_TRUE(klv.Send(WM_COMMAND, 487));
    EXPECT_TRUE(e2e::ComesToShow(klv, unmarked));
    ASSERT_TRUE(klv.Send(WM_COMMAND, 487));
    EXPECT_TRUE(e2e::ComesToShow(klv, marked));
    ASSERT_TRUE(klv.Close());

    // "-mark" starts with the marks off; a stored mark colour is used.
    ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", "[cfg]\r\nmark=0 200 0\r\n" + ini}}));
    ASSERT_TRUE(klv.Start("-mark"));
    EXPECT_TRUE(e2e::ComesToShow(klv, unmarked));
    ASSERT_TRUE(klv.Send(WM_COMMAND, 487));
    Image green = unmarked;
    AddPopupMark(green, s, MakeColour(0, 200, 0));
    EXPECT_TRUE(e2e::ComesToShow(klv, green));
}

// The status bar, from "-status" or from the stored option, lies below the
// whole face: the client area grows by its height.
TEST_F(KlvTest, StatusBarIsShownBelowTheFace) {
    const Image face = e2e::SourceBitmap("face0.bmp");
    struct Case {
        const char* ini;
        const char* arguments;
    };
    const Case cases[] = {{"", "-status"}, {"[cfg]\r\nopts=512\r\n", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", c.ini}}));
        ASSERT_TRUE(klv.Start(c.arguments));
        HWND status = FindWindowExA(klv.Window(), nullptr, STATUSCLASSNAMEA, nullptr);
        ASSERT_NE(status, nullptr);
        EXPECT_TRUE(IsWindowVisible(status));
        RECT bar{};
        GetWindowRect(status, &bar);
        const RECT client = klv.ClientRectOnScreen();
        EXPECT_GT(bar.bottom - bar.top, 0);
        EXPECT_EQ(client.left, 150);
        EXPECT_EQ(client.top, 100);
        EXPECT_EQ(client.right - client.left, e2e::kFaceWidth + 1);
        EXPECT_EQ(client.bottom - client.top, e2e::kFaceHeight + 2 + (bar.bottom - bar.top));
        EXPECT_EQ(bar.top, client.top + e2e::kFaceHeight + 2);
        EXPECT_EQ(bar.bottom, client.bottom);
        EXPECT_EQ(bar.left, client.left);
        EXPECT_EQ(bar.right, client.right);
        EXPECT_TRUE(e2e::ComesToShow(klv, face));
        // The clock pane holds a time: at least "0:00:00".
        DWORD_PTR length = 0;
        ASSERT_TRUE(
            SendMessageTimeoutA(status, SB_GETTEXTLENGTHA, 1, 0, SMTO_ABORTIFHUNG, 5000, &length));
        EXPECT_GE(LOWORD(length), 7);
        ASSERT_TRUE(klv.Close());
    }
}

TEST_F(KlvTest, AboutCommandsShowTheAboutBox) {
    ASSERT_TRUE(klv.Start());
    for (WORD id : {WORD{300}, WORD{0xE140}}) {
        SCOPED_TRACE(id);
        ASSERT_TRUE(klv.PostCommand(id));
        HWND box = klv.WaitForTopLevelWindow("About Kelvane");
        ASSERT_NE(box, nullptr);
        char type[16] = "";
        GetClassNameA(box, type, sizeof type);
        EXPECT_STREQ(type, "#32770");
        EXPECT_EQ(GetWindow(box, GW_OWNER), klv.Window());
        const std::vector<std::string> texts = ChildTexts(box);
        EXPECT_TRUE(Contains(texts, "Kelvane"));
        EXPECT_TRUE(Contains(texts, "Application Launcher"));
        EXPECT_TRUE(Contains(texts, "Version 1.32 - 32 bit"));
        EXPECT_EQ(TextOf(GetDlgItem(box, 1035)), ""); // no build stamp
        EXPECT_EQ(TextOf(GetDlgItem(box, IDOK)), "&OK");

        ASSERT_TRUE(PostMessageA(box, WM_COMMAND, IDOK, 0));
        EXPECT_TRUE(Disappears(box));
        EXPECT_TRUE(klv.Send(WM_NULL));
    }
}

// There is no help file: the help commands say so in a box captioned with
// the application's name, with OK and Cancel.
TEST_F(KlvTest, HelpCommandsSayThereIsNoHelp) {
    ASSERT_TRUE(klv.Start());
    const struct {
        UINT message;
        WPARAM id;
    } cases[] = {{WM_COMMAND, 495}, {WM_COMMAND, 57666}, {WM_COMMAND, 57668}, {WM_SYSCOMMAND, 495}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.message << " " << c.id);
        ASSERT_TRUE(klv.Post(c.message, c.id));
        HWND box = klv.WaitForTopLevelWindow("KLV");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), "No Help Currently available");
        EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
        EXPECT_NE(GetDlgItem(box, IDCANCEL), nullptr);
        EXPECT_EQ(GetWindow(box, GW_OWNER), klv.Window());
        ASSERT_TRUE(PostMessageA(box, WM_COMMAND, IDCANCEL, 0));
        EXPECT_TRUE(Disappears(box));
    }
    EXPECT_TRUE(klv.Send(WM_NULL));
}

} // namespace
