// The running KLV.exe window driven from outside: option commands and the
// options word they store, the topmost state, the key states painted on the
// face, the status bar, the About box and the help commands.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "wine/e2e/klv_face.h"
#include "wine/e2e/klv_process.h"

namespace {

using e2e::KlvTest;
using e2e::StoredCfg;
using e2e::TextOf;

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
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        ASSERT_TRUE(klv.Send(WM_COMMAND, c.id));
        EXPECT_EQ(StoredCfg("opts"), std::to_string(4096 | c.bit));
        ASSERT_TRUE(klv.Send(WM_COMMAND, c.id));
        EXPECT_EQ(StoredCfg("opts"), "4096");
    }
}

// "&Always On Top" toggles the option and the window's topmost state
// together; with lParam -1 it only applies the stored state.
TEST_F(KlvTest, AlwaysOnTopCommandAppliesAndStoresTheTopmostState) {
    ASSERT_TRUE(klv.Start());
    EXPECT_FALSE(klv.IsTopmost());
    ASSERT_TRUE(klv.Send(WM_COMMAND, 482, -1));
    EXPECT_FALSE(klv.IsTopmost());
    EXPECT_EQ(StoredCfg("opts"), "<absent>");

    ASSERT_TRUE(klv.Send(WM_COMMAND, 482));
    EXPECT_TRUE(klv.IsTopmost());
    EXPECT_EQ(StoredCfg("opts"), "2");
    // It stays on top when brought to the front, as a click does.
    ASSERT_TRUE(SetWindowPos(klv.Window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_TRUE(klv.IsTopmost());

    // Taken off the top by someone else, the stored state is applied again.
    ASSERT_TRUE(SetWindowPos(klv.Window(), HWND_NOTOPMOST, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
    ASSERT_FALSE(klv.IsTopmost());
    ASSERT_TRUE(klv.Send(WM_COMMAND, 482, -1));
    EXPECT_TRUE(klv.IsTopmost());
    EXPECT_EQ(StoredCfg("opts"), "2");

    ASSERT_TRUE(klv.Send(WM_COMMAND, 482));
    EXPECT_FALSE(klv.IsTopmost());
    EXPECT_EQ(StoredCfg("opts"), "0");
}

// A topmost state from the settings or from "-top" is applied at start
// without writing the options word; "-top" is stored with the next change.
TEST_F(KlvTest, TopmostStateAtStartIsAppliedWithoutStoring) {
    const struct {
        const char* ini;
        const char* arguments;
        const char* optsAtStart;
    } cases[] = {{"[cfg]\r\nopts=2\r\n", "", "2"}, {"", "-top", "<absent>"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", c.ini}}));
        ASSERT_TRUE(klv.Start(c.arguments));
        ASSERT_TRUE(klv.Send(WM_NULL)); // the posted topmost command has run
        EXPECT_TRUE(klv.IsTopmost());
        EXPECT_EQ(StoredCfg("opts"), c.optsAtStart);
        ASSERT_TRUE(klv.Send(WM_COMMAND, 470)); // "M&inimize On Use"
        EXPECT_EQ(StoredCfg("opts"), "6");
        EXPECT_TRUE(klv.IsTopmost());
        ASSERT_TRUE(klv.Close());
    }
}

// Face 0 with the legends of the named keys recoloured: the pure black
// pixels of each key's rectangle shrunk by 2 on every side.
Image WithLegends(const Image& face, const std::map<std::string, Colour>& colours) {
    const std::map<std::string, Rect> keys = e2e::BuiltInKeys(0);
    Image painted = face;
    for (const auto& [name, colour] : colours) {
        const Rect& key = keys.at(name);
        int legendPixels = 0;
        for (int y = key.top + 2; y < key.bottom - 2; ++y)
            for (int x = key.left + 2; x < key.right - 2; ++x)
                if (face.Get(x, y) == 0) {
                    painted.Set(x, y, colour);
                    ++legendPixels;
                }
        EXPECT_GT(legendPixels, 0) << name << " has no legend to recolour";
    }
    return painted;
}

// An assigned key's legend takes the highlite colour and a disabled key's
// the disable colour, and a key assigned a popup list carries the corner mark
// while "&Mark Popups" is on, as the settings give them; nothing else changes.
TEST_F(KlvTest, KeysShowTheirStateInTheirColours) {
    const Image face = e2e::SourceBitmap("face0.bmp");
    ASSERT_FALSE(face.Empty());
    const Rect s = e2e::BuiltInKeys(0).at("S");
    const std::string keys =
        "[cmd]\r\nFn-A=notepad.exe\r\nFn-S=@C:\\nowhere\r\n[opts]\r\nFn-Q=4\r\n";
    struct Case {
        const char* name;
        std::string ini;
        Colour highlite, disable, mark;
    };
    const Case cases[] = {
        {"default colours", keys, MakeColour(0, 0, 255), MakeColour(128, 128, 128),
         MakeColour(255, 0, 0)},
        {"stored colours",
         "[cfg]\r\nhighlite=0 255 0\r\ndisable=300 20 7\r\nmark=0 200 0\r\n" + keys,
         MakeColour(0, 255, 0), MakeColour(44, 20, 7), MakeColour(0, 200, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Image unmarked =
            WithLegends(face, {{"A", c.highlite}, {"Q", c.disable}, {"S", c.highlite}});
        Image marked = unmarked;
        const int left = s.left + 1, top = s.top + 1; // six pixels at the inner top-left corner
        for (const POINT& p :
             {POINT{left, top}, POINT{left, top + 1}, POINT{left, top + 2},
              POINT{left + 1, top + 1}, POINT{left + 1, top}, POINT{left + 2, top}})
            marked.Set(p.x, p.y, c.mark);
        ASSERT_NE(marked, unmarked);

        ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", c.ini}}));
        ASSERT_TRUE(klv.Start());
        EXPECT_TRUE(e2e::ComesToShow(klv, marked));
        ASSERT_TRUE(klv.Send(WM_COMMAND, 487)); // repaints at once
        EXPECT_TRUE(e2e::ComesToShow(klv, unmarked));
        ASSERT_TRUE(klv.Close());
    }
}

// The status bar from "-status" lies below the whole face: the client area
// grows by its height.
TEST_F(KlvTest, StatusBarIsShownBelowTheFace) {
    ASSERT_TRUE(klv.Start("-status"));
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
    EXPECT_EQ(bar.top, client.top + e2e::kFaceHeight + 2);
    EXPECT_EQ(bar.bottom, client.bottom);
    EXPECT_EQ(bar.left, client.left);
    EXPECT_EQ(bar.right, client.right);
    EXPECT_TRUE(e2e::ComesToShow(klv, e2e::SourceBitmap("face0.bmp")));
}

TEST_F(KlvTest, AboutCommandsShowTheAboutBox) {
    ASSERT_TRUE(klv.Start());
    for (WORD id : {WORD{300}, WORD{0xE140}}) {
        SCOPED_TRACE(id);
        ASSERT_TRUE(klv.Post(WM_COMMAND, id));
        HWND box = klv.WaitForTopLevelWindow("About Kelvane");
        ASSERT_NE(box, nullptr);
        char type[16] = "";
        GetClassNameA(box, type, sizeof type);
        EXPECT_STREQ(type, "#32770");
        EXPECT_EQ(GetWindow(box, GW_OWNER), klv.Window());
        std::vector<std::string> texts;
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            texts.push_back(TextOf(child));
        for (const char* text : {"Kelvane", "Application Launcher", "Version 1.32 - 32 bit"})
            EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << text;
        EXPECT_EQ(TextOf(GetDlgItem(box, 1035)), ""); // no build stamp
        EXPECT_EQ(TextOf(GetDlgItem(box, IDOK)), "&OK");

        ASSERT_TRUE(PostMessageA(box, WM_COMMAND, IDOK, 0));
        EXPECT_TRUE(Disappears(box));
        EXPECT_TRUE(klv.Send(WM_NULL));
    }
}

// There is no help file: the help commands, from the menu bar and from the
// system menu, say so in a box captioned with the application's name, with
// OK and Cancel.
TEST_F(KlvTest, HelpCommandsSayThereIsNoHelp) {
    ASSERT_TRUE(klv.Start());
    for (UINT message : {UINT{WM_COMMAND}, UINT{WM_SYSCOMMAND}}) {
        SCOPED_TRACE(message);
        ASSERT_TRUE(klv.Post(message, 495));
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

// The colour dialog, on the program's own template: pure blue chosen for the
// hint background is stored as "0 0 255"; Cancel stores nothing.
TEST_F(KlvTest, ColourDialogStoresTheChosenColour) {
    ASSERT_TRUE(klv.Start());
    for (WORD answer : {WORD{IDCANCEL}, WORD{IDOK}}) {
        SCOPED_TRACE(answer);
        ASSERT_TRUE(klv.Post(WM_COMMAND, 483));
        HWND box = klv.WaitForTopLevelWindow("Color");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(TextOf(GetDlgItem(box, IDOK)), "&OK");
        const char* rgb[] = {"0", "0", "255"};
        for (int i = 0; i < 3; ++i) // the red, green and blue fields
            SendMessageA(GetDlgItem(box, 706 + i), WM_SETTEXT, 0,
                         reinterpret_cast<LPARAM>(rgb[i]));
        ASSERT_TRUE(PostMessageA(box, WM_COMMAND, answer, 0));
        EXPECT_TRUE(Disappears(box));
        EXPECT_TRUE(klv.Send(WM_NULL));
        EXPECT_EQ(StoredCfg("hint"), answer == IDOK ? "0 0 255" : "<absent>");
    }
}

} // namespace
