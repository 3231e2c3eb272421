// KLV.exe started for real, in two runs: where and how its window comes up,
// the face it shows, the one-instance rule, the configuration library, the
// place it keeps, and its options at start and from the system menu. The
// command-line grammar (one-shot starts included), the option bits, where
// the face comes from and the painting are proved natively; these runs prove
// the window carries them out. And the built programs themselves, the 32-bit
// build's (for 32-bit Windows, only built here) included.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/resource_ids.h"
#include "face/face_painter.h"
#include "face/face_scale.h"
#include "face/pressed_look.h"
#include "unit/pictures.h"
#include "wine/e2e/klv_process.h"

namespace {

using e2e::KlvProcess;
using e2e::KlvTest;
using e2e::StoredCfg;

constexpr DWORD kFrameStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kFaceWidth = 322, kFaceHeight = 136; // both built-in faces

// Whether the client area comes to show the image at its top-left corner
// within a few seconds: the window's thread paints in its own time, and the
// display takes the painted pixels a moment later still. Otherwise how many
// pixels differ.
::testing::AssertionResult ComesToShow(const KlvProcess& klv, const Image& image) {
    const RECT area{0, 0, image.Width(), image.Height()};
    for (const ULONGLONG deadline = GetTickCount64() + 3000;; Sleep(25)) {
        RedrawWindow(klv.Window(), nullptr, nullptr, RDW_UPDATENOW);
        const std::vector<std::uint32_t> shown = e2e::CapturePixels(klv.Window(), area);
        int differing = shown.empty() ? 1 : 0;
        for (std::size_t i = 0; i < shown.size(); ++i) { // 0x00RRGGBB against red in the low byte
            const Colour c = image.Get(static_cast<int>(i) % image.Width(), static_cast<int>(i) / image.Width());
            differing += shown[i] != ((c & 0xFF) << 16 | (c & 0xFF00) | c >> 16);
        }
        if (differing == 0) return ::testing::AssertionSuccess();
        if (GetTickCount64() >= deadline)
            return ::testing::AssertionFailure() << differing << " of the picture's pixels differ";
    }
}

// Every pixel of image a block of m x m.
Image Enlarged(const Image& image, int m) {
    Image out(image.Width() * m, image.Height() * m, 0);
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) out.Set(x, y, image.Get(x / m, y / m));
    return out;
}

// Polls until the window's minimized state is as asked (other threads' show
// changes take effect in their own time).
bool BecomesIconic(HWND hwnd, bool iconic) {
    for (int i = 0; i < 100 && (IsIconic(hwnd) != FALSE) != iconic; ++i) Sleep(20);
    return (IsIconic(hwnd) != FALSE) == iconic;
}

// The client area's top-left corner on the screen as "x,y".
std::string Corner(const KlvProcess& klv) {
    const RECT r = klv.ClientRectOnScreen();
    return std::to_string(r.left) + "," + std::to_string(r.top);
}

// The start on settings holding one assigned key and nothing else: where and
// how the window comes up, the face it shows with the key in the default
// highlite colour, at the whole multiple of its pixels the display's DPI
// gives (run-tests.sh runs this at 96, 144 and 192 DPI: 1, 1 and 2), where
// a click on the key as drawn presses and runs it, and the configuration
// library called once with the debug flag off. Launching, dialogs, shortcuts, sound and the status bar load
// their libraries when first used: none is loaded (so there is no status
// bar), yet dropped files are taken. (ole32 goes unasked: COM is initialised
// at start-up, and Wine's window code loads it into every program.) A second start
// restores the minimized first one and ends (that it reads, writes and
// applies nothing before is decided natively).
TEST_F(KlvTest, FreshStartLoadsNoLaterLibraryAndStaysTheOnlyInstance) {
    const std::string recorder = e2e::TestBinaryDir() + "\\helpers\\recorder.exe";
    ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", "[cmd]\r\nFn-A=" + recorder + "\r\n"}}));
    const std::string dir = e2e::TestBinaryDir();
    ASSERT_TRUE(CopyFileA((dir + "\\helpers\\klvcfg.dll").c_str(), (dir + "\\klvcfg.dll").c_str(), FALSE));
    ASSERT_TRUE(klv.Start()); // a window titled Kelvane
    EXPECT_TRUE(klv.HasMenu());
    EXPECT_EQ(Corner(klv), "150,100");
    const int m = FaceScale::ForDpi(static_cast<unsigned>(e2e::DisplayDpi())).Multiple();
    const RECT client = klv.ClientRectOnScreen(); // one column and two rows around the face
    EXPECT_EQ(client.right - client.left, m * (kFaceWidth + 1));
    EXPECT_EQ(client.bottom - client.top, m * (kFaceHeight + 2));
    const LONG style = GetWindowLongA(klv.Window(), GWL_STYLE);
    EXPECT_EQ(style & (kFrameStyle | WS_THICKFRAME | WS_MAXIMIZEBOX), LONG{kFrameStyle});
    // Beyond the face, one column and two rows, the window's light-gray
    // background shows; A's legend, the pure black pixels two inside its
    // edges, is blue.
    Image expected(kFaceWidth + 1, kFaceHeight + 2, MakeColour(192, 192, 192));
    expected.Copy(ResourcePicture("face0.bmp"), 0, 0, kFaceWidth, kFaceHeight, 0, 0);
    const Rect a = e2e::BuiltInKeys().at("A");
    for (int y = a.top + 2; y < a.bottom - 2; ++y)
        for (int x = a.left + 2; x < a.right - 2; ++x)
            if (expected.Get(x, y) == 0) expected.Set(x, y, MakeColour(0, 0, 255));
    EXPECT_TRUE(ComesToShow(klv, Enlarged(expected, m)));

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
    // A press at the centre of A as drawn shows A pressed, the look proved
    // natively, in the same blocks; the release there runs A.
    const LPARAM centre = MAKELPARAM(m * (a.left + a.right) / 2, m * (a.top + a.bottom) / 2);
    ASSERT_TRUE(klv.Post(WM_LBUTTONDOWN, MK_LBUTTON, centre));
    PressedLook({120, 50}).Press(expected, a, MakeColour(255, 255, 255), MakeColour(128, 128, 128), false);
    EXPECT_TRUE(ComesToShow(klv, Enlarged(expected, m)));
    ASSERT_TRUE(klv.Post(WM_LBUTTONUP, 0, centre));
    EXPECT_EQ(e2e::WaitForLaunches(1).size(), 1u);

    ShowWindow(klv.Window(), SW_MINIMIZE);
    ASSERT_TRUE(BecomesIconic(klv.Window(), true));
    KlvProcess second;
    ASSERT_TRUE(second.Launch("-top -nomenu -status"));
    EXPECT_EQ(second.WaitForTopLevelWindow("Kelvane"), nullptr);
    ASSERT_TRUE(second.WaitForExit());
    EXPECT_TRUE(BecomesIconic(klv.Window(), false));
    EXPECT_TRUE(IsWindowVisible(klv.Window()));
    EXPECT_EQ(GetForegroundWindow(), klv.Window());
    ASSERT_TRUE(klv.Close());
    EXPECT_EQ(e2e::ReadWindowsFile("klvcfg.log"), "CheckCfg 0\r\n");
}

// Without the menu bar the client area, put where the settings say, holds
// the face and its margins with the status bar below, and "-db" draws the
// diagonal of every key, all 63 of which can be seen. The stored topmost
// state is applied at start, and the window stays on top when brought to
// the front; the system menu's "&Always On Top" turns it off, storing the
// options word with the command line's bits. The colour dialog stores the
// colour chosen. Moves store the client area's corner, also off the left
// edge of the screen; minimizing stores fIcon 1 and leaves it alone. The
// next start comes up minimized there, restoring stores fIcon 0, and closing
// keeps the corner: no creep from the frame. (The window's frame around its
// client area is Windows' doing, by the style the fresh run checks.)
TEST_F(KlvTest, OptionsColoursPlaceAndMinimizedStateFromSettingsAndTheSystemMenu) {
    ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", "[cfg]\r\nx=200\r\ny=160\r\nopts=2\r\n"}}));
    const std::map<std::string, Rect> keys = e2e::BuiltInKeys();
    ASSERT_EQ(keys.size(), 63u);
    Image diagonals = ResourcePicture("face0.bmp");
    for (const auto& [name, rect] : keys) {
        const Image before = diagonals;
        DrawKeyDiagonal(diagonals, rect);
        ASSERT_NE(before, diagonals) << name;
    }
    ASSERT_TRUE(klv.Start("-nomenu -status -db"));
    EXPECT_FALSE(klv.HasMenu());
    EXPECT_EQ(Corner(klv), "200,160");
    const RECT client = klv.ClientRectOnScreen(); // the face's margins, then the status bar
    EXPECT_EQ(client.right - client.left, kFaceWidth + 1);
    HWND status = FindWindowExA(klv.Window(), nullptr, STATUSCLASSNAMEA, nullptr);
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(IsWindowVisible(status));
    RECT bar{};
    GetWindowRect(status, &bar);
    EXPECT_GT(bar.bottom - bar.top, 0);
    EXPECT_EQ(bar.top, client.top + kFaceHeight + 2);
    EXPECT_EQ(bar.bottom, client.bottom);
    EXPECT_TRUE(ComesToShow(klv, diagonals));

    ASSERT_TRUE(klv.Send(WM_NULL)); // the posted topmost command has run
    EXPECT_TRUE(klv.IsTopmost());
    ASSERT_TRUE(SetWindowPos(klv.Window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_TRUE(klv.IsTopmost());
    ASSERT_TRUE(klv.Send(WM_SYSCOMMAND, 482));
    EXPECT_FALSE(klv.IsTopmost());
    EXPECT_EQ(StoredCfg("opts"), "1536");

    // The colour dialog runs on the program's own template: pure blue chosen
    // for the hint background is stored as "0 0 255".
    ASSERT_TRUE(klv.Post(WM_COMMAND, 483));
    HWND colours = klv.WaitForTopLevelWindow("Color");
    ASSERT_NE(colours, nullptr);
    for (int i = 0; i < 200 && !IsWindowVisible(colours); ++i) Sleep(25); // its fields are filled
    const char* rgb[] = {"0", "0", "255"};
    for (int i = 0; i < 3; ++i) // the red, green and blue fields
        SendMessageA(GetDlgItem(colours, 706 + i), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(rgb[i]));
    ASSERT_TRUE(PostMessageA(colours, WM_COMMAND, IDOK, 0));
    for (int i = 0; i < 100 && IsWindow(colours); ++i) Sleep(20);
    ASSERT_TRUE(klv.Send(WM_NULL));
    EXPECT_EQ(StoredCfg("hint"), "0 0 255");

    ASSERT_TRUE(SetWindowPos(klv.Window(), nullptr, -40, 10, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
    ASSERT_TRUE(klv.Send(WM_NULL));
    const std::string place = Corner(klv);
    EXPECT_EQ(StoredCfg("x") + "," + StoredCfg("y"), place);
    ASSERT_TRUE(klv.Send(WM_SYSCOMMAND, SC_MINIMIZE));
    ASSERT_TRUE(BecomesIconic(klv.Window(), true));
    ASSERT_TRUE(klv.Send(WM_NULL));
    EXPECT_EQ(StoredCfg("fIcon"), "1");
    ASSERT_TRUE(klv.Close());

    ASSERT_TRUE(klv.Start());
    EXPECT_TRUE(IsIconic(klv.Window()));
    ShowWindow(klv.Window(), SW_RESTORE);
    ASSERT_TRUE(BecomesIconic(klv.Window(), false));
    ASSERT_TRUE(klv.Send(WM_NULL));
    EXPECT_EQ(StoredCfg("fIcon"), "0");
    EXPECT_EQ(Corner(klv), place);
    ASSERT_TRUE(klv.Close());
    EXPECT_EQ(StoredCfg("x") + "," + StoredCfg("y"), place);
}

// The texts of every manifest resource of a program opened as data.
std::vector<std::string> Manifests(HMODULE module) {
    std::vector<std::string> texts;
    EnumResourceNamesA(
        module, MAKEINTRESOURCEA(24), // RT_MANIFEST
        [](HMODULE m, LPCSTR type, LPSTR name, LONG_PTR param) -> BOOL {
            HRSRC found = FindResourceA(m, name, type);
            HGLOBAL data = found ? LoadResource(m, found) : nullptr;
            const char* bytes = data ? static_cast<const char*>(LockResource(data)) : nullptr;
            if (bytes)
                reinterpret_cast<std::vector<std::string>*>(param)->emplace_back(
                    bytes, SizeofResource(m, found));
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&texts));
    return texts;
}

// The names a program exports, read from its image mapped as a resource.
std::vector<std::string> ExportedNames(HMODULE module) {
    const auto* base = reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(module) & ~ULONG_PTR{3});
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& table =
        nt->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC
            ? reinterpret_cast<const IMAGE_NT_HEADERS64*>(nt)->OptionalHeader.DataDirectory[0]
            : nt->OptionalHeader.DataDirectory[0];
    std::vector<std::string> names;
    if (table.VirtualAddress == 0) return names;
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + table.VirtualAddress);
    const auto* name = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        names.emplace_back(reinterpret_cast<const char*>(base + name[i]));
    return names;
}

} // namespace

// Both programs of both builds carry the application manifest as resource 1
// and run with the user's rights (asInvoker; settings the Windows directory
// will not take go to %APPDATA%); its other settings show in what the
// scenarios at other DPIs and with other scripts see. KLV.exe exports
// the DDE callback under its plain name and carries the bitmaps (found
// whatever the case of their names), the icon and the cursors. The faces'
// pixels are checked where the window shows them, the string table where the
// native tests read it.
TEST(ProgramImage, ManifestAsInvokerAndTheFullResources) {
    for (const char* relative : {"KLV.exe", "klv_hotkeys.exe", "..\\win32\\KLV.exe",
                                 "..\\win32\\klv_hotkeys.exe"}) {
        const std::string path = e2e::TestBinaryDir() + "\\" + relative;
        SCOPED_TRACE(path);
        if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
            ADD_FAILURE() << "program not built";
            continue;
        }
        HMODULE module = LoadLibraryExA(path.c_str(), nullptr,
                                        LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module, nullptr);
        EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)), nullptr);
        const std::vector<std::string> manifests = Manifests(module);
        ASSERT_EQ(manifests.size(), 1u);
        EXPECT_NE(manifests[0].find("<requestedExecutionLevel level=\"asInvoker\""), std::string::npos);
        if (std::strstr(relative, "KLV.exe")) {
            EXPECT_EQ(ExportedNames(module), std::vector<std::string>{"DDECallback"});
            for (const char* name :
                 {"FACE0", "face1", "fnkey", "LIST", "LargeU", "LARGED", "SMALLU", "smalld"}) {
                EXPECT_NE(FindResourceA(module, name, MAKEINTRESOURCEA(2)), nullptr) << name; // RT_BITMAP
            }
            EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(31234), MAKEINTRESOURCEA(14)), nullptr);
            for (int cursor : {110, 122}) // RT_GROUP_CURSOR
                EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(cursor), MAKEINTRESOURCEA(12)), nullptr);
        }
        FreeLibrary(module);
    }
}

// The 64-bit package as scripts/run-tests.sh unpacks it into Program Files:
// KLV.exe starts from there to its first paint, and its About box shows the
// version of the file VERSION, which the script passes in.
TEST_F(KlvTest, UnpackedPackageStartsAndShowsItsVersion) {
    const char* version = std::getenv("KLV_PACKAGE_VERSION");
    ASSERT_NE(version, nullptr);
    KlvProcess unpacked("C:\\Program Files\\Kelvane\\KLV.exe");
    ASSERT_TRUE(unpacked.Start());
    EXPECT_TRUE(ComesToShow(unpacked, ResourcePicture("face0.bmp")));
    ASSERT_TRUE(unpacked.Post(WM_COMMAND, ID_ABOUT));
    HWND about = unpacked.WaitForTopLevelWindow("About Kelvane");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(e2e::TextOf(GetDlgItem(about, IDC_ABOUT_VERSION)), std::string("Version ") + version + " - 64 bit");
}
