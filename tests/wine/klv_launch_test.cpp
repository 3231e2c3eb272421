// KLV.exe launching for real, in one run: Fn+key reports from the stand-in
// hotkey service and from the hotkey message, clicks on the face, a popup
// list, Fn+Tab, bringing a running program forward and long imported items.
// The programs started are copies of the recorder helper, which logs its
// name and directory.
// Which command a key runs, how its text splits into commands and
// directory, and their order, is proved natively. And command 480: KLV.exe
// copies Program Manager's groups into kelvane.prg over DDE, here from a
// scripted server; how replies become the file, and that Program Manager is
// started when no window of class PROGMAN exists, is proved natively
// (pickers_test, frame_test).
#include <windows.h>

#include <gtest/gtest.h>
#include <objbase.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "wine/e2e/klv_process.h"

namespace {
namespace fs = std::filesystem;
using e2e::KlvTest;

const std::string kRoot = "C:\\klvtest";
// A program as deep as today's installers put them, its path 159 characters.
const std::string kLongDir = kRoot + "\\Programs\\" + std::string(120, 'p') + " Editor";
const std::string kLongProgram = kLongDir + "\\longrec.exe";

// C:\klvtest with copies of the recorder under the given names.
class LaunchTest : public KlvTest {
  protected:
    void SetUp() override {
        KlvTest::SetUp();
        fs::remove_all(kRoot);
        fs::create_directories(kRoot + "\\work");
        fs::create_directories(kRoot + "\\menu");
        fs::create_directories(kLongDir);
        const std::vector<std::string> programs{"reca.exe", "recb.exe", "winrec.exe", "menu\\menua.exe",
                                                "menu\\menub.exe", kLongProgram.substr(kRoot.size() + 1)};
        for (const std::string& name : programs)
            ASSERT_TRUE(CopyFileA((e2e::TestBinaryDir() + "\\helpers\\recorder.exe").c_str(),
                                  (kRoot + "\\" + name).c_str(), FALSE));
    }
    void TearDown() override {
        KlvTest::TearDown();
        std::error_code ignored;
        fs::remove_all(kRoot, ignored);
    }
    // The hotkey service's report for a virtual-key code.
    void PressFn(UINT virtualKey) {
        static const UINT message = RegisterWindowMessageA("WM_QSERVICE_HOTKEY");
        ASSERT_TRUE(klv.Send(message, MapVirtualKeyA(virtualKey, 0), 0));
    }
    // A mouse message at the centre of a key.
    void Mouse(UINT message, const char* key) {
        ASSERT_TRUE(klv.Post(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, e2e::KeyCentre(key)));
    }
};

TEST_F(LaunchTest, KeysStartTheirProgramsFromReportsClicksAndPopupLists) {
    ASSERT_TRUE(e2e::PrepareWindowsDir(
        {{"kelvane.ini", "[cmd]\r\nFn-A=" + kRoot + "\\reca.exe\r\nFn-C=" + kRoot +
                             "\\reca.exe\r\nFn-D=@" + kRoot + "\\menu\r\nFn-E=" + kRoot +
                             "\\winrec.exe\r\nFn-F=@Long\r\nFn-G=@Full\r\n"
                             "[cwd]\r\nFn-A=" + kRoot + "\\work\r\nFn-C=" + kRoot + "\\gone\r\nFn-F=" + kRoot +
                             "\\work\r\n[opts]\r\nFn-E=1\r\n"}}));
    ASSERT_TRUE(klv.Start());

    // The stand-in service turns Ctrl+Alt+Shift+A into the report Fn+A gives:
    // the key's program starts in the key's directory.
    e2e::KlvProcess service("klv_hotkeys.exe");
    ASSERT_TRUE(service.Launch("A"));
    EXPECT_TRUE(service.WaitForExit());
    EXPECT_EQ(e2e::WaitForLaunches(1), std::vector<std::string>{"reca.exe|" + kRoot + "\\work"});

    // A release over another assigned key runs nothing; a double click on
    // the key runs it once.
    Mouse(WM_LBUTTONDOWN, "A");
    Mouse(WM_LBUTTONUP, "C");
    ASSERT_TRUE(klv.Send(WM_NULL));
    EXPECT_EQ(e2e::WaitForLaunches(2, 1000).size(), 1u);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) Mouse(message, "A");
    ASSERT_TRUE(klv.Send(WM_NULL));
    EXPECT_EQ(e2e::WaitForLaunches(3, 1000).size(), 2u);

    // A missing directory is reported in a box of the window; nothing starts.
    PressFn('C');
    HWND box = klv.WaitForTopLevelWindow("KLV");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(e2e::TextOf(GetDlgItem(box, 0xFFFF)), "Invalid directory specified");
    EXPECT_EQ(GetWindow(box, GW_OWNER), klv.Window());
    ASSERT_TRUE(PostMessageA(box, WM_COMMAND, IDOK, 0));
    EXPECT_EQ(e2e::WaitForLaunches(3, 1000).size(), 2u);

    // A folder key shows its programs, listed from the folder once the window
    // was up, as a popup menu; Up from no selection chooses the last item, which starts.
    for (int i = 0; i < 100 && e2e::ReadWindowsFile("kelvane.prg").value_or("").find("menub.exe") == std::string::npos; ++i)
        Sleep(50);
    PressFn('D');
    ASSERT_NE(e2e::VisibleMenu(), nullptr);
    ASSERT_TRUE(klv.Post(WM_KEYDOWN, VK_UP, 0));
    ASSERT_TRUE(klv.Post(WM_KEYDOWN, VK_RETURN, 0));
    std::vector<std::string> started = e2e::WaitForLaunches(3);
    ASSERT_EQ(started.size(), 3u);
    EXPECT_EQ(started[2].rfind("menub.exe|", 0), 0u);

    // Fn+Tab minimizes the uncovered window and restores it; covered, the
    // window comes to the top instead.
    PressFn(VK_TAB);
    EXPECT_TRUE(IsIconic(klv.Window()));
    PressFn(VK_TAB);
    EXPECT_FALSE(IsIconic(klv.Window()));
    EXPECT_TRUE(IsWindowVisible(klv.Window()));
    const RECT face = klv.ClientRectOnScreen();
    HWND cover = CreateWindowExA(0, "STATIC", "cover", WS_POPUP | WS_VISIBLE | SS_NOTIFY, face.left, face.top,
                                 40, 40, nullptr, nullptr, nullptr, nullptr);
    ASSERT_EQ(WindowFromPoint(POINT{face.left + 5, face.top + 5}), cover);
    PressFn(VK_TAB);
    EXPECT_FALSE(IsIconic(klv.Window()));
    EXPECT_EQ(WindowFromPoint(POINT{face.left + 5, face.top + 5}), klv.Window());
    DestroyWindow(cover);

    // A switch-to key starts its program once; pressed again it restores the
    // running program's window instead of starting another.
    PressFn('E');
    ASSERT_EQ(e2e::WaitForLaunches(4).size(), 4u);
    HWND running = nullptr;
    for (int i = 0; i < 100 && !(running = FindWindowA(nullptr, "winrec.exe")); ++i) Sleep(50);
    ASSERT_NE(running, nullptr);
    ShowWindow(running, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(running));
    PressFn('E');
    ASSERT_TRUE(klv.Send(WM_NULL));
    EXPECT_EQ(e2e::WaitForLaunches(5, 1000).size(), 4u);
    EXPECT_FALSE(IsIconic(running));

    // Imported items are read whole: one of 318 characters starts in its own
    // directory, not in Fn-F's; one of exactly 511, which leaves its directory
    // empty, in the Windows directory, not where the last start left.
    std::ofstream(e2e::WindowsFilePath("progman.bin"), std::ios::binary)
        << "GROUPS" << '\0' << "Long\r\nFull\r\n" << '\0' << "Long" << '\0' << "Long,1\r\n\"Editor\",\""
        << kLongProgram << "\"," << kLongDir << ",x,0\r\n" << '\0' << "Full" << '\0' << "Full,1\r\n\""
        << std::string(511 - 6 - kLongProgram.size() - e2e::WindowsDir().size(), 't') << "\",\""
        << kLongProgram << "\",,x,0\r\n" << '\0';
    e2e::KlvProcess progman("helpers\\progman_server.exe");
    ASSERT_TRUE(progman.Launch("\"" + e2e::WindowsFilePath("progman.bin") + "\""));
    for (int i = 0; i < 250 && !FindWindowA("PROGMAN", nullptr); ++i) Sleep(20);
    ASSERT_TRUE(klv.Post(WM_COMMAND, 480)); // the reports posted below wait for it to end
    for (const char key : {'F', 'G'}) {
        ASSERT_TRUE(klv.Post(RegisterWindowMessageA("WM_QSERVICE_HOTKEY"), MapVirtualKeyA(key, 0), 0));
        ASSERT_NE(e2e::VisibleMenu(), nullptr) << key;
        ASSERT_TRUE(klv.Post(WM_KEYDOWN, VK_UP, 0));
        ASSERT_TRUE(klv.Post(WM_KEYDOWN, VK_RETURN, 0));
        started = e2e::WaitForLaunches(key == 'F' ? 5 : 6);
    }
    EXPECT_EQ(std::vector<std::string>(started.begin() + 4, started.end()),
              (std::vector<std::string>{"longrec.exe|" + kLongDir, "longrec.exe|" + e2e::WindowsDir()}));
}

// The virtual-key codes of + ' ~ are lead bytes under the double-byte code
// pages and UTF-8: each key still runs its own program, reported and clicked
// alike. run-tests.sh runs this with LC_ALL=zh_CN.UTF-8, which makes Wine a
// Chinese system (code page 936); the programs themselves run in UTF-8.
// Before UTF-8, and on Windows before 10 version 1903, 936 itself is the
// program's code page, with the same lead bytes.
TEST_F(LaunchTest, KeysAbove0x7FUnderADoubleByteCodePage) {
    // The settings file of an older version is in code page 936 ("日本" as GBK
    // bytes): it is rewritten in UTF-8 at the start, which also shows that
    // the system is a Chinese one.
    ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", "[cmd]\r\nFn-PLUS=" + kRoot + "\\reca.exe\r\nFn-QUOTE=" + kRoot +
                                                            "\\recb.exe\r\nFn-TILDE=" + kRoot + "\\menu\\menua.exe\r\n" +
                                                            "[desc]\r\nFn-PLUS=\xC8\xD5\xB1\xBE\r\n"}}));
    ASSERT_TRUE(klv.Start());
    EXPECT_EQ(e2e::Stored("desc", "Fn-PLUS"), u8"日本");
    const struct { UINT code; const char *key, *program; } keys[] = {
        {VK_OEM_PLUS, "PLUS", "reca.exe"}, {VK_OEM_7, "QUOTE", "recb.exe"}, {VK_OEM_3, "TILDE", "menua.exe"}};
    for (std::size_t i = 0; i < 6; ++i) { // reported, then clicked; each waited for as programs log as they start
        if (i < 3) PressFn(keys[i].code);
        else for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP}) Mouse(message, keys[i - 3].key);
        const std::vector<std::string> started = e2e::WaitForLaunches(i + 1);
        ASSERT_EQ(started.size(), i + 1);
        EXPECT_EQ(started[i].substr(0, started[i].find('|')), keys[i % 3].program) << i;
    }
}

// Popup lists are written anew from their folders at each start, once the
// window is up: shortcuts give their target and directory, other files
// their own path, an empty folder no section. The file ends as the
// item-by-item writing of earlier versions left it (kept as test data), a
// start that finds it so writes nothing, and a close while the folders are
// still being read leaves each list whole.
TEST_F(KlvTest, PopupListsFollowTheirFoldersOnceTheWindowIsUp) {
    const std::string root = "C:\\klvlists";
    fs::remove_all(root);
    for (const char* folder : {"\\Shortcuts", "\\Plain", "\\Empty"}) fs::create_directories(root + folder);
    for (const char* file : {"\\Shortcuts\\readme.txt", "\\Plain\\a.exe", "\\Plain\\b.exe"}) std::ofstream(root + file) << "x";
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    ASSERT_TRUE(e2e::SaveShortcut(root + "\\Shortcuts\\Editor.lnk", "C:\\windows\\notepad.exe", "-n", "C:\\windows"));
    ASSERT_TRUE(e2e::SaveShortcut(root + "\\Shortcuts\\No directory.lnk", "C:\\windows\\regedit.exe", "", ""));
    ASSERT_TRUE(e2e::SaveShortcut(root + "\\Shortcuts\\Tool.LNK", "C:\\windows\\notepad.exe", "", ""));
    CoUninitialize();

    const std::string ini =
        "[cmd]\r\nFn-A=@" + root + "\\Shortcuts\r\nFn-B=@" + root + "\\Plain\r\nFn-C=@" + root + "\\Empty\r\n";
    const std::string before = "[" + root + "\\Plain]\r\nkey00=old (x.exe) []\r\n[class]\r\nkey00=Main\r\n[" +
                               root + "\\Empty]\r\nkey00=stale (y.exe) []\r\n[" + root +
                               "\\Shortcuts]\r\nkey00=old\r\nkey05=old\r\n";
    std::ifstream data(KLV_SOURCE_DIR "/tests/wine/data/popup_lists.prg", std::ios::binary);
    const std::string expected{std::istreambuf_iterator<char>(data), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(expected.empty());
    const auto file = [] { return e2e::ReadWindowsFile("kelvane.prg").value_or(""); };
    const auto lastWrite = [] { return fs::last_write_time(e2e::WindowsFilePath("kelvane.prg")); };

    ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", ini}, {"kelvane.prg", before}}));
    ASSERT_TRUE(klv.Start());
    ASSERT_TRUE(klv.Close());
    EXPECT_TRUE(file() == before || file() == expected) << file();

    ASSERT_TRUE(klv.Start());
    const DWORD started = GetTickCount();
    for (int i = 0; i < 200 && file() != expected; ++i) Sleep(50);
    const DWORD writingMs = GetTickCount() - started;
    EXPECT_EQ(file(), expected);
    ASSERT_TRUE(klv.Close());

    const auto written = lastWrite();
    ASSERT_TRUE(klv.Start());
    Sleep(std::max<DWORD>(1000, 3 * writingMs)); // long enough for the lists to have been written
    ASSERT_TRUE(klv.Close());
    EXPECT_EQ(lastWrite(), written);
    EXPECT_EQ(file(), expected);
    fs::remove_all(root);
}

constexpr WPARAM kBuildGroups = 480;

// Three groups listed: Slow answers a second late, Games is refused. The
// file holds exactly the index and the items of the two others (an item
// without a directory gets the Windows directory, a line that is no item
// keeps its key) and no Program Manager is started beside the scripted one.
// While the import waits for Slow, a second import is ignored and the first
// finishes every group. The wait for Program Manager takes only its own
// messages, so a close waits for the whole import, then ends the program by itself.
TEST_F(KlvTest, ImportIgnoresASecondImportAndAClosesAfterIt) {
    // The tests' own Program Manager, whose window's class is PROGMAN, serves
    // the replies of a script of NUL-ended item and reply pairs.
    std::string script;
    for (const auto& [item, reply] : std::map<std::string, std::string>{
             {"GROUPS", "Slow\r\nGames\r\nFast\r\n"},
             {"Slow", "<slow>Slow,3\r\n\"S\",\"S.EXE\",C:\\S,S.EXE,0\r\nno item\r\n"
                      "\"Write (new)\",\"WRITE.EXE [x]\",,WRITE.EXE,0\r\n"},
             {"Fast", "Fast,1\r\n\"F\",\"F.EXE\",C:\\F,,\r\n"}})
        script += item + '\0' + reply + '\0';
    ASSERT_TRUE(e2e::PrepareWindowsDir({{"progman.bin", script}}));
    e2e::KlvProcess progman("helpers\\progman_server.exe");
    ASSERT_TRUE(progman.Launch("\"" + e2e::WindowsFilePath("progman.bin") + "\""));
    for (int i = 0; i < 250 && !FindWindowA("PROGMAN", nullptr); ++i) Sleep(20);
    ASSERT_NE(FindWindowA("PROGMAN", nullptr), nullptr);
    const std::string before = "[class]\r\nkey01=Games\r\n[Slow]\r\nkey00=Kept\r\nkey02=Kept\r\n"
                               "key09=Gone\r\n[Games]\r\nkey01=Kept\r\n[Fast]\r\nkey01=Stale\r\n";
    const std::string after =
        "[class]\r\nkey01=Games\r\nkey00=Slow\r\nkey02=Fast\r\n[Slow]\r\nkey00=Kept\r\nkey02=Kept\r\n"
        "key01=S (S.EXE) [C:\\S]\r\nkey03=Write (new) (WRITE.EXE [x]) [" + e2e::WindowsDir() +
        "]\r\n[Games]\r\nkey01=Kept\r\n[Fast]\r\nkey01=F (F.EXE) [C:\\F]\r\n";
    for (const bool close : {false, true}) {
        SCOPED_TRACE(close ? "close" : "second import");
        ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.prg", before}}));
        ASSERT_TRUE(klv.Start());
        ASSERT_TRUE(klv.Post(WM_COMMAND, kBuildGroups));
        Sleep(300); // waiting for Slow
        ASSERT_TRUE(close ? klv.Post(WM_CLOSE) : klv.Post(WM_COMMAND, kBuildGroups));
        if (close) {
            EXPECT_TRUE(klv.WaitForExit());
        } else { // sent messages are answered during the wait too: watch the file
            for (int i = 0; i < 100 && e2e::ReadWindowsFile("kelvane.prg").value_or("").find("F (F.EXE)") ==
                                           std::string::npos; ++i)
                Sleep(50);
        }
        EXPECT_EQ(e2e::ReadWindowsFile("kelvane.prg"), after);
        EXPECT_EQ(FindWindowA(nullptr, "Program Manager"), nullptr); // none started beside it
        klv.Stop();
    }
}
} // namespace
