// KLV.exe started for real: where and how its window comes up, which face it
// shows, what the command line changes, the one-instance rule, the
// configuration library, one-shot starts, and the place it keeps.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <map>
#include <set>
#include <string>

#include "face/face_painter.h"
#include "wine/e2e/klv_face.h"
#include "wine/e2e/klv_process.h"

namespace {

using e2e::KlvProcess;
using e2e::KlvTest;
using e2e::StoredCfg;

constexpr DWORD kFrameStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// The client area holds the face, one column and two rows more.
constexpr int kClientWidth = e2e::kFaceWidth + 1;
constexpr int kClientHeight = e2e::kFaceHeight + 2;

// The window's outer size, and the one a window of the program's style has
// around the standard client area.
SIZE OuterSize(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}
SIZE ExpectedOuterSize(bool menu) {
    RECT rect{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&rect, kFrameStyle, menu, 0);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
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

// A place and size on the screen as "x,y wxh", to compare and print.
std::string Place(int x, int y, int width = kClientWidth, int height = kClientHeight) {
    return std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(width) + "x" +
           std::to_string(height);
}
std::string ClientPlace(const KlvProcess& klv) {
    const RECT r = klv.ClientRectOnScreen();
    return Place(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// The start on no settings at all, with a configuration library beside it
// that start-up calls once with the debug flag off.
TEST_F(KlvTest, FreshStartShowsTheBuiltInFaceWithItsClientAreaAt150By100) {
    ASSERT_TRUE(e2e::CopyHelperBesideKlv("klvcfg.dll"));
    ASSERT_TRUE(klv.Start());
    EXPECT_EQ(e2e::TextOf(klv.Window()), "Kelvane");
    EXPECT_TRUE(klv.HasMenu());
    EXPECT_EQ(ClientPlace(klv), Place(150, 100));
    const SIZE outer = OuterSize(klv.Window()), expected = ExpectedOuterSize(true);
    EXPECT_EQ(outer.cx, expected.cx);
    EXPECT_EQ(outer.cy, expected.cy);
    const LONG style = GetWindowLongA(klv.Window(), GWL_STYLE);
    EXPECT_EQ(style & (kFrameStyle | WS_THICKFRAME | WS_MAXIMIZEBOX), LONG{kFrameStyle});
    EXPECT_FALSE(IsIconic(klv.Window()));
    EXPECT_FALSE(klv.IsTopmost());
    EXPECT_EQ(FindWindowExA(klv.Window(), nullptr, STATUSCLASSNAMEA, nullptr), nullptr);

    // Beyond the face, one column and two rows, the window's light-gray background shows.
    Image expectedClient(kClientWidth, kClientHeight, MakeColour(192, 192, 192));
    expectedClient.Copy(e2e::SourceBitmap("face0.bmp"), 0, 0, e2e::kFaceWidth, e2e::kFaceHeight, 0,
                        0);
    EXPECT_TRUE(e2e::ComesToShow(klv, expectedClient));
    ASSERT_TRUE(klv.Close());
    EXPECT_EQ(e2e::ReadWindowsFile("klvcfg.log"), "CheckCfg 0\r\n");
}

// Launching, dialogs, shortcuts, sound and the status bar load their
// libraries when first used: a start without popup-list keys or status bar
// has none of them, yet takes dropped files. (ole32 goes unasked: Wine's
// window code loads it into every program.)
TEST_F(KlvTest, StartWithoutPopupKeysLoadsNoShellDialogOrSoundLibrary) {
    ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", "[cmd]\r\nFn-A=notepad.exe\r\n"}}));
    ASSERT_TRUE(klv.Start());
    DWORD processId = 0;
    GetWindowThreadProcessId(klv.Window(), &processId);
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    ASSERT_NE(snapshot, INVALID_HANDLE_VALUE);
    std::set<std::string> modules;
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32First(snapshot, &entry); more; more = Module32Next(snapshot, &entry))
        modules.insert(CharLowerA(entry.szModule));
    CloseHandle(snapshot);
    EXPECT_TRUE(modules.count("user32.dll"));
    for (const char* later :
         {"shell32.dll", "comdlg32.dll", "oleaut32.dll", "winmm.dll", "comctl32.dll"})
        EXPECT_FALSE(modules.count(later)) << later;
    EXPECT_TRUE(GetWindowLongA(klv.Window(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

// "-db" reaches the configuration library and draws every key's diagonal:
// all 63 keys of the built-in table are on the face, each where the table
// puts it.
TEST_F(KlvTest, DebugFlagReachesTheLibraryAndDrawsTheDiagonalOfEveryKey) {
    const std::map<std::string, Rect> keys = e2e::BuiltInKeys(0);
    ASSERT_EQ(keys.size(), 63u);
    Image expected = e2e::SourceBitmap("face0.bmp");
    int changedKeys = 0;
    for (const auto& [name, rect] : keys) {
        const Image before = expected;
        DrawKeyDiagonal(expected, rect);
        changedKeys += before != expected;
    }
    ASSERT_EQ(changedKeys, 63); // every diagonal can be seen on this face

    ASSERT_TRUE(e2e::CopyHelperBesideKlv("klvcfg.dll"));
    ASSERT_TRUE(klv.Start("-db"));
    EXPECT_TRUE(e2e::ComesToShow(klv, expected));
    ASSERT_TRUE(klv.Close());
    EXPECT_EQ(e2e::ReadWindowsFile("klvcfg.log"), "CheckCfg 1\r\n");
}

// Without the menu bar the window is shorter around the same client area,
// put where the settings say; the menu's items come from the system menu's
// popup, and "-nomenu" is kept in the options word they store.
TEST_F(KlvTest, NoMenuStartsWithoutMenuBarAndServesTheMenuFromTheSystemMenu) {
    ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", "[cfg]\r\nx=200\r\ny=160\r\n"}}));
    ASSERT_TRUE(klv.Start("-nomenu"));
    EXPECT_FALSE(klv.HasMenu());
    EXPECT_EQ(ClientPlace(klv), Place(200, 160));
    const SIZE outer = OuterSize(klv.Window()), expected = ExpectedOuterSize(false);
    EXPECT_EQ(outer.cx, expected.cx);
    EXPECT_EQ(outer.cy, expected.cy);
    EXPECT_LT(outer.cy, ExpectedOuterSize(true).cy);

    ASSERT_TRUE(klv.Send(WM_SYSCOMMAND, 482)); // "&Always On Top"
    EXPECT_TRUE(klv.IsTopmost());
    EXPECT_EQ(StoredCfg("opts"), "1026");
    ASSERT_TRUE(klv.Send(WM_SYSCOMMAND, 482));
    EXPECT_FALSE(klv.IsTopmost());
    EXPECT_EQ(StoredCfg("opts"), "1024");
    // Closing keeps the client area's corner: no creep from the frame.
    ASSERT_TRUE(klv.Close());
    EXPECT_EQ(StoredCfg("x"), "200");
    EXPECT_EQ(StoredCfg("y"), "160");
}

// Starts that only do something and end: no main window, no settings
// written, and the configuration library is not reached. "-cwd" shows the
// working directory, cut to 79 characters, in a box of its own with OK only.
TEST_F(KlvTest, OneShotOptionsEndWithoutAWindow) {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    const std::string directory = temp + std::string("klv-cwd-") + std::string(90, 'd');
    ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr) ||
                GetLastError() == ERROR_ALREADY_EXISTS);
    const struct {
        const char* arguments;
        bool showsDirectory;
    } cases[] = {{"-vol 20", false}, {"-play nonexistent.wav -top", false}, {"-cwd -top", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        ASSERT_TRUE(e2e::PrepareWindowsDir());
        ASSERT_TRUE(e2e::CopyHelperBesideKlv("klvcfg.dll"));
        ASSERT_TRUE(klv.Launch(c.arguments, directory));
        if (c.showsDirectory) {
            HWND box = klv.WaitForTopLevelWindow("KLV");
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(e2e::TextOf(GetDlgItem(box, 0xFFFF)), directory.substr(0, 79)); // the message
            EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
            EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
            ASSERT_TRUE(PostMessageA(box, WM_COMMAND, IDOK, 0));
        }
        EXPECT_EQ(klv.WaitForTopLevelWindow("Kelvane"), nullptr);
        ASSERT_TRUE(klv.WaitForExit());
        EXPECT_FALSE(e2e::AnyKelvaneWindow());
        EXPECT_EQ(e2e::ReadWindowsFile("klvcfg.log"), std::nullopt);
        EXPECT_EQ(e2e::ReadWindowsFile("kelvane.ini"), std::nullopt);
    }
    RemoveDirectoryA(directory.c_str());
}

TEST_F(KlvTest, SecondStartRestoresTheFirstAndEnds) {
    ASSERT_TRUE(klv.Start());
    ShowWindow(klv.Window(), SW_MINIMIZE);
    ASSERT_TRUE(BecomesIconic(klv.Window(), true));

    KlvProcess second;
    ASSERT_TRUE(second.Launch("-top -nomenu -status"));
    EXPECT_EQ(second.WaitForTopLevelWindow("Kelvane"), nullptr);
    ASSERT_TRUE(second.WaitForExit());
    EXPECT_TRUE(BecomesIconic(klv.Window(), false));
    EXPECT_TRUE(IsWindowVisible(klv.Window()));
    EXPECT_EQ(GetForegroundWindow(), klv.Window());
    // None of the second start's options reach the first.
    EXPECT_FALSE(klv.IsTopmost());
    EXPECT_TRUE(klv.HasMenu());
    EXPECT_EQ(ClientPlace(klv), Place(150, 100));
    EXPECT_EQ(StoredCfg("opts"), "<absent>");
}

// face0.bmp's file with 32-bit fields of its header (offset -> value) replaced.
std::string Face0FileWith(const std::map<int, std::uint32_t>& fields) {
    std::string bytes = e2e::SourceResourceBytes("face0.bmp");
    for (const auto& [at, value] : fields)
        for (int i = 0; i < 4; ++i)
            bytes.at(at + i) = static_cast<char>(value >> (8 * i));
    return bytes;
}

// Which picture the window shows and how big its client area is, by the
// command line, the settings and the face file in the Windows directory.
TEST_F(KlvTest, FaceComesFromTheFaceFileOrTheBuiltInPictures) {
    const Image face0 = e2e::SourceBitmap("face0.bmp");
    const Image face1 = e2e::SourceBitmap("face1.bmp");
    ASSERT_NE(face0, face1);
    // A face file of a size of its own: face0.bmp said to hold only its top
    // 100 rows, which are stored last (bottom row first, 164 bytes a row).
    const std::string shortFile = Face0FileWith({{22, 100}, {10, 118 + 36 * 164}});
    Image shortFace(e2e::kFaceWidth, 100);
    shortFace.Copy(face0, 0, 0, e2e::kFaceWidth, 100, 0, 0);
    // An assigned and a disabled key would be recoloured if face 0's keys were there.
    const std::string assignments = "[cmd]\r\nFn-A=notepad.exe\r\n[opts]\r\nFn-Q=4\r\n";

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
        {"face file", {{"kelvane.fac", shortFile}}, "", &shortFace},
        {"face file named by the configuration file",
         {{"other.fac", shortFile}, {"kelvane.cfg", "[cfg]\r\nfac=other.fac\r\n"}},
         "",
         &shortFace},
        {"face file ignored by -noover", {{"kelvane.fac", shortFile}}, "-noover", &face0},
        {"truncated face file", {{"kelvane.fac", Face0FileWith({}).substr(0, 3000)}}, "", &face0},
        {"face file of a huge picture",
         {{"kelvane.fac", Face0FileWith({{18, 10000000}, {22, 10000000}})}},
         "",
         &face0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(e2e::PrepareWindowsDir(c.files));
        ASSERT_TRUE(klv.Start(c.arguments));
        EXPECT_EQ(ClientPlace(klv), Place(150, 100, c.face->Width() + 1, c.face->Height() + 2));
        EXPECT_TRUE(e2e::ComesToShow(klv, *c.face));
        ASSERT_TRUE(klv.Close());
        DeleteFileA(e2e::WindowsFilePath("other.fac").c_str());
    }
}

// Every move stores the client area's new top-left corner, also off the
// left edge of the screen.
TEST_F(KlvTest, MovingTheWindowStoresItsClientCorner) {
    ASSERT_TRUE(klv.Start());
    for (const POINT& to : {POINT{300, 250}, POINT{-40, 10}}) {
        SCOPED_TRACE(::testing::Message() << to.x << "," << to.y);
        ASSERT_TRUE(SetWindowPos(klv.Window(), nullptr, to.x, to.y, 0, 0,
                                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
        ASSERT_TRUE(klv.Send(WM_NULL));
        const RECT client = klv.ClientRectOnScreen();
        EXPECT_EQ(StoredCfg("x"), std::to_string(client.left));
        EXPECT_EQ(StoredCfg("y"), std::to_string(client.top));
        EXPECT_EQ(StoredCfg("fIcon"), "0");
    }
}

// Minimizing stores fIcon 1 and leaves the position alone; the next start
// comes up minimized, and restoring stores fIcon 0 with the client area
// back where it was.
TEST_F(KlvTest, MinimizedStateIsStoredAndRestored) {
    ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", "[cfg]\r\nx=210\r\ny=170\r\n"}}));
    ASSERT_TRUE(klv.Start());
    ASSERT_TRUE(klv.Send(WM_SYSCOMMAND, SC_MINIMIZE));
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
    EXPECT_EQ(ClientPlace(klv), Place(210, 170));
    EXPECT_EQ(StoredCfg("x"), "210");
    EXPECT_EQ(StoredCfg("y"), "170");
}

} // namespace
