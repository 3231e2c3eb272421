// KLV.exe started for real: where and how its window comes up, which face it
// shows, what the command line changes, the one-instance rule, the
// configuration library, one-shot starts, and the place it keeps.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "face/face_painter.h"
#include "wine/e2e/klv_face.h"
#include "wine/e2e/klv_process.h"

namespace {

using e2e::KlvProcess;
using e2e::KlvTest;

constexpr DWORD kFrameStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr COLORREF kLightGray = RGB(192, 192, 192);
// The client area holds the face, one column and two rows more.
constexpr int kClientWidth = e2e::kFaceWidth + 1;
constexpr int kClientHeight = e2e::kFaceHeight + 2;

RECT WindowRectOf(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect;
}

// The outer size of a window of the program's style around a client area.
SIZE OuterSize(int clientWidth, int clientHeight, bool menu) {
    RECT rect{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&rect, kFrameStyle, menu, 0);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

int KelvaneWindowCount() {
    int count = 0;
    EnumWindows(
        [](HWND hwnd, LPARAM param) {
            char title[32] = "";
            GetWindowTextA(hwnd, title, sizeof title);
            if (std::string(title) == "Kelvane") ++*reinterpret_cast<int*>(param);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

std::string StoredCfg(const std::string& key) {
    return e2e::ReadProfileString("kelvane.ini", "cfg", key, "<absent>");
}

bool IsTopmost(HWND hwnd) {
    return (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// Polls until the window's minimized state is as asked (other threads' show
// changes take effect in their own time).
bool BecomesIconic(HWND hwnd, bool iconic) {
    for (int i = 0; i < 100; ++i) {
        if ((IsIconic(hwnd) != FALSE) == iconic) return true;
        Sleep(20);
    }
    return false;
}

::testing::AssertionResult ClientAt(const KlvProcess& klv, int x, int y, int width, int height) {
    const RECT client = klv.ClientRectOnScreen();
    if (client.left == x && client.top == y && client.right - client.left == width &&
        client.bottom - client.top == height)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "client area at (" << client.left << "," << client.top << ") size "
           << client.right - client.left << "x" << client.bottom - client.top << ", expected (" << x
           << "," << y << ") size " << width << "x" << height;
}

TEST_F(KlvTest, FreshStartShowsTheBuiltInFaceWithItsClientAreaAt150By100) {
    ASSERT_TRUE(klv.Start());
    EXPECT_EQ(klv.WindowText(), "Kelvane");
    EXPECT_TRUE(klv.HasMenu());
    EXPECT_TRUE(ClientAt(klv, 150, 100, kClientWidth, kClientHeight));
    EXPECT_FALSE(IsIconic(klv.Window()));
    EXPECT_FALSE(IsTopmost(klv.Window()));

    EXPECT_TRUE(e2e::ComesToShow(klv, e2e::SourceBitmap("face0.bmp")));
    const e2e::Capture shown = klv.CaptureClient();
    // Beyond the face, one column and two rows, the window's light-gray background shows.
    int notGray = 0;
    for (int y = 0; y < kClientHeight; ++y)
        for (int x = 0; x < kClientWidth; ++x) {
            const bool beyondFace = x >= e2e::kFaceWidth || y >= e2e::kFaceHeight;
            notGray += beyondFace && shown.At(x, y) != kLightGray;
        }
    EXPECT_EQ(notGray, 0);

    // The status bar exists but is hidden.
    HWND status = FindWindowExA(klv.Window(), nullptr, STATUSCLASSNAMEA, nullptr);
    ASSERT_NE(status, nullptr);
    EXPECT_FALSE(IsWindowVisible(status));
}

// The menu bar follows the command line, the last of "-nomenu" and "-menu"
// winning; without it the window is shorter and the client area stays put.
// "-nomenu" is also recorded in the options word, stored at the next save.
TEST_F(KlvTest, MenuBarFollowsTheCommandLine) {
    struct Case {
        const char* arguments;
        bool menu;
        const char* savedOpts;
    };
    const Case cases[] = {
        {"", true, "0"},
        {"-nomenu", false, "1024"},
        {"-nomenu -menu", true, "0"},
        {"-menu -nomenu", false, "1024"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        ASSERT_TRUE(e2e::PrepareWindowsDir());
        ASSERT_TRUE(klv.Start(c.arguments));
        EXPECT_EQ(klv.HasMenu(), c.menu);
        EXPECT_TRUE(ClientAt(klv, 150, 100, kClientWidth, kClientHeight));
        const RECT outer = WindowRectOf(klv.Window());
        const SIZE expected = OuterSize(kClientWidth, kClientHeight, c.menu);
        EXPECT_EQ(outer.right - outer.left, expected.cx);
        EXPECT_EQ(outer.bottom - outer.top, expected.cy);
        const LONG style = GetWindowLongA(klv.Window(), GWL_STYLE);
        EXPECT_EQ(style & (kFrameStyle | WS_THICKFRAME | WS_MAXIMIZEBOX), LONG{kFrameStyle});

        ASSERT_TRUE(klv.Send(WM_COMMAND, 494)); // save the options word
        EXPECT_EQ(StoredCfg("opts"), c.savedOpts);
        ASSERT_TRUE(klv.Close());
    }
    EXPECT_GT(OuterSize(1, 1, true).cy, OuterSize(1, 1, false).cy);
}

// "-db" draws every key's diagonal: all 63 keys of the built-in table are on
// the face, each where the table puts it.
TEST_F(KlvTest, DebugFlagDrawsTheDiagonalOfEveryKey) {
    const std::vector<e2e::BuiltInKey> keys = e2e::BuiltInKeys(0);
    ASSERT_EQ(keys.size(), 63u);
    const Image face = e2e::SourceBitmap("face0.bmp");
    Image expected = face;
    int changedKeys = 0;
    for (const e2e::BuiltInKey& key : keys) {
        const Image before = expected;
        DrawKeyDiagonal(expected, key.rect);
        changedKeys += before != expected;
    }
    ASSERT_EQ(changedKeys, 63); // every diagonal can be seen on this face

    ASSERT_TRUE(klv.Start("-db"));
    EXPECT_TRUE(e2e::ComesToShow(klv, expected));
}

TEST_F(KlvTest, ConfigurationLibraryIsCalledOncePerStartWithTheDebugFlag) {
    const std::map<std::string, std::string> cases = {
        {"", "CheckCfg 0\r\n"},
        {"-db", "CheckCfg 1\r\n"},
        {"-db -nomenu -db", "CheckCfg 0\r\n"},
    };
    for (const auto& [arguments, log] : cases) {
        SCOPED_TRACE(arguments);
        ASSERT_TRUE(e2e::PrepareWindowsDir());
        ASSERT_TRUE(e2e::CopyBesideKlv(e2e::HelperPath("klvcfg.dll"), "klvcfg.dll"));
        ASSERT_TRUE(klv.Start(arguments));
        ASSERT_TRUE(klv.Close());
        EXPECT_EQ(e2e::ReadWindowsFile("klvcfg.log"), log);
    }
}

// Starts that only do something and end: no window, no settings written, and
// the configuration library is not reached.
TEST_F(KlvTest, OneShotOptionsEndWithoutAWindow) {
    const char* const cases[] = {
        "-vol 20",
        "-play nonexistent.wav",
        "-play nonexistent.wav -top",
        "-nomenu -vol 7 -status",
    };
    for (const char* arguments : cases) {
        SCOPED_TRACE(arguments);
        ASSERT_TRUE(e2e::PrepareWindowsDir());
        ASSERT_TRUE(e2e::CopyBesideKlv(e2e::HelperPath("klvcfg.dll"), "klvcfg.dll"));
        ASSERT_TRUE(klv.Launch(arguments));
        EXPECT_EQ(klv.WaitForTopLevelWindow("Kelvane", KlvProcess::kExitTimeoutMs), nullptr);
        ASSERT_TRUE(klv.WaitForExit());
        EXPECT_FALSE(e2e::AnyKelvaneWindow());
        EXPECT_EQ(e2e::ReadWindowsFile("klvcfg.log"), std::nullopt);
        EXPECT_EQ(e2e::ReadWindowsFile("kelvane.ini"), std::nullopt);
    }
}

TEST_F(KlvTest, CurrentDirectoryOptionShowsItInABoxAndEnds) {
    const std::string directory = e2e::WindowsDir();
    ASSERT_TRUE(klv.Launch("-cwd -top", directory));
    HWND box = klv.WaitForTopLevelWindow("KLV");
    ASSERT_NE(box, nullptr);
    char text[256] = "";
    GetWindowTextA(GetDlgItem(box, 0xFFFF), text, sizeof text); // the message
    EXPECT_EQ(text, directory);
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
    EXPECT_FALSE(e2e::AnyKelvaneWindow());

    ASSERT_TRUE(PostMessageA(box, WM_COMMAND, IDOK, 0));
    ASSERT_TRUE(klv.WaitForExit());
    EXPECT_FALSE(e2e::AnyKelvaneWindow());
    EXPECT_EQ(e2e::ReadWindowsFile("kelvane.ini"), std::nullopt);
}

TEST_F(KlvTest, SecondStartRestoresTheFirstAndEnds) {
    ASSERT_TRUE(klv.Start());
    ShowWindow(klv.Window(), SW_MINIMIZE);
    ASSERT_TRUE(BecomesIconic(klv.Window(), true));

    KlvProcess second;
    ASSERT_TRUE(second.Launch("-top -nomenu -status"));
    ASSERT_TRUE(second.WaitForExit());
    EXPECT_EQ(KelvaneWindowCount(), 1);
    EXPECT_TRUE(BecomesIconic(klv.Window(), false));
    EXPECT_TRUE(IsWindowVisible(klv.Window()));
    EXPECT_EQ(GetForegroundWindow(), klv.Window());
    // None of the second start's options reach the first.
    EXPECT_FALSE(IsTopmost(klv.Window()));
    EXPECT_TRUE(klv.HasMenu());
    EXPECT_TRUE(ClientAt(klv, 150, 100, kClientWidth, kClientHeight));
    EXPECT_EQ(StoredCfg("opts"), "<absent>");
}

// The bytes of a bitmap file whose header promises a picture far too large.
std::string HugeBitmapHeader() {
    std::string bytes = e2e::SourceResourceBytes("face0.bmp").substr(0, 200);
    if (bytes.size() < 30) return bytes;
    for (int at : {18, 22}) { // width and height: 0x00989680 = 10,000,000
        bytes[at] = '\x80';
        bytes[at + 1] = '\x96';
        bytes[at + 2] = '\x98';
        bytes[at + 3] = '\x00';
    }
    return bytes;
}

std::string Garbage(std::size_t size) {
    std::string bytes(size, '\0');
    std::uint32_t state = 12345;
    for (char& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 24);
    }
    return bytes;
}

// A face of its own size with a pattern no built-in face has: face 0's
// top-left 250 x 120 pixels with a two-colour checkerboard in its corner.
Image PatternedFace() {
    const Image face0 = e2e::SourceBitmap("face0.bmp");
    Image face(250, 120);
    face.Copy(face0, 0, 0, 250, 120, 0, 0);
    for (int y = 0; y < 20; ++y)
        for (int x = 230; x < 250; ++x)
            face.Set(x, y, (x + y) % 2 ? MakeColour(10, 200, 30) : MakeColour(200, 30, 10));
    return face;
}

// Which picture the window shows and how big its client area is, by the
// command line, the settings and the face file in the Windows directory.
TEST_F(KlvTest, FaceComesFromTheFaceFileOrTheBuiltInPictures) {
    const Image face0 = e2e::SourceBitmap("face0.bmp");
    const Image face1 = e2e::SourceBitmap("face1.bmp");
    const Image patterned = PatternedFace();
    const std::string patternedFile = e2e::EncodeBitmap8(patterned);
    const std::string face0File = e2e::SourceResourceBytes("face0.bmp");
    // An assigned and a disabled key would be recoloured if face 0's keys were there.
    const std::string assignments = "[cmd]\r\nFn-A=notepad.exe\r\n[opts]\r\nFn-Q=4\r\n";
    ASSERT_FALSE(face0.Empty());
    ASSERT_FALSE(face1.Empty());
    ASSERT_NE(face0, face1);

    struct Case {
        const char* name;
        std::map<std::string, std::string> files;
        const char* arguments;
        const Image* face;
    };
    const Case cases[] = {
        {"face 1 without keys", {{"kelvane.ini", assignments}}, "-face 1", &face1},
        {"face 1's keys with the stored picture",
         {{"kelvane.ini", "[cfg]\r\nface=FACE0\r\n" + assignments}},
         "-face 1",
         &face0},
        {"face file", {{"kelvane.fac", patternedFile}}, "", &patterned},
        {"face file named by the configuration file",
         {{"other.fac", patternedFile}, {"kelvane.cfg", "[cfg]\r\nfac=other.fac\r\n"}},
         "",
         &patterned},
        {"face file ignored by -noover", {{"kelvane.fac", patternedFile}}, "-noover", &face0},
        {"face file ignored by -face", {{"kelvane.fac", patternedFile}}, "-face 0", &face0},
        {"truncated face file", {{"kelvane.fac", face0File.substr(0, 3000)}}, "", &face0},
        {"garbage face file", {{"kelvane.fac", Garbage(5000)}}, "", &face0},
        {"face file of a huge picture", {{"kelvane.fac", HugeBitmapHeader()}}, "", &face0},
        {"empty face file", {{"kelvane.fac", ""}}, "", &face0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(e2e::PrepareWindowsDir(c.files));
        ASSERT_TRUE(klv.Start(c.arguments));
        EXPECT_TRUE(ClientAt(klv, 150, 100, c.face->Width() + 1, c.face->Height() + 2));
        EXPECT_TRUE(e2e::ComesToShow(klv, *c.face));
        ASSERT_TRUE(klv.Close());
        DeleteFileA(e2e::WindowsFilePath("other.fac").c_str());
    }
}

// Every move stores the client area's new top-left corner, also off the
// left edge of the screen.
TEST_F(KlvTest, MovingTheWindowStoresItsClientCorner) {
    ASSERT_TRUE(klv.Start());
    const POINT moves[] = {{300, 250}, {20, 400}, {-40, 10}};
    for (const POINT& to : moves) {
        SCOPED_TRACE(::testing::Message() << to.x << "," << to.y);
        ASSERT_TRUE(SetWindowPos(klv.Window(), nullptr, to.x, to.y, 0, 0,
                                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
        ASSERT_TRUE(klv.Send(WM_NULL));
        const RECT client = klv.ClientRectOnScreen();
        EXPECT_EQ(client.right - client.left, kClientWidth);
        EXPECT_EQ(StoredCfg("x"), std::to_string(client.left));
        EXPECT_EQ(StoredCfg("y"), std::to_string(client.top));
        EXPECT_EQ(StoredCfg("fIcon"), "0");
    }
}

// Minimizing stores fIcon 1 and leaves the position alone; the next start
// comes up minimized, and restoring stores fIcon 0 with the client area
// back where it was.
TEST_F(KlvTest, MinimizedStateIsStoredAndRestored) {
    struct Case {
        const char* how;
        bool useSystemCommand;
    };
    const Case cases[] = {{"ShowWindow", false}, {"system command", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", "[cfg]\r\nx=210\r\ny=170\r\n"}}));
        ASSERT_TRUE(klv.Start());
        if (c.useSystemCommand) {
            ASSERT_TRUE(klv.Send(WM_SYSCOMMAND, SC_MINIMIZE));
        } else {
            ShowWindow(klv.Window(), SW_MINIMIZE);
        }
        ASSERT_TRUE(BecomesIconic(klv.Window(), true));
        ASSERT_TRUE(klv.Send(WM_NULL));
        EXPECT_EQ(StoredCfg("fIcon"), "1");
        EXPECT_EQ(StoredCfg("x"), "210");
        EXPECT_EQ(StoredCfg("y"), "170");
        ASSERT_TRUE(klv.Close());

        ASSERT_TRUE(klv.Start());
        EXPECT_TRUE(IsIconic(klv.Window()));
        EXPECT_EQ(StoredCfg("fIcon"), "1");
        ShowWindow(klv.Window(), SW_RESTORE);
        ASSERT_TRUE(BecomesIconic(klv.Window(), false));
        ASSERT_TRUE(klv.Send(WM_NULL));
        EXPECT_EQ(StoredCfg("fIcon"), "0");
        EXPECT_TRUE(ClientAt(klv, 210, 170, kClientWidth, kClientHeight));
        EXPECT_EQ(StoredCfg("x"), "210");
        EXPECT_EQ(StoredCfg("y"), "170");
        ASSERT_TRUE(klv.Close());
    }
}

// A stored position puts the client area exactly there, start after start,
// whatever frame the window has.
TEST_F(KlvTest, StoredPositionHoldsWithoutCreepOverStarts) {
    ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", "[cfg]\r\nx=200\r\ny=160\r\n"}}));
    for (const char* arguments : {"", "-nomenu", "-status", ""}) {
        SCOPED_TRACE(arguments);
        ASSERT_TRUE(klv.Start(arguments));
        const RECT client = klv.ClientRectOnScreen();
        EXPECT_EQ(client.left, 200);
        EXPECT_EQ(client.top, 160);
        ASSERT_TRUE(klv.Close());
        EXPECT_EQ(StoredCfg("x"), "200");
        EXPECT_EQ(StoredCfg("y"), "160");
    }
}

} // namespace
