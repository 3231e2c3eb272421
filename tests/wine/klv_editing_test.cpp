// Editing assignments in the real KLV.exe: the edit request opens the type
// dialog, whose buttons lead on to the command dialog, the confirmation, the
// Application Browser or the list; each dialog is saved to build/screenshots.
// Which dialogs follow which answer, and what is stored, is proved natively
// (editing_test); these runs prove the real dialogs carry it out. A file
// dropped on the face is handed to a window built in this process, as the
// shell hands it over, which another process cannot do.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <set>
#include <fstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/frame_window_win32.h"
#include "app/keyboard_frame.h"
#include "app/launcher_app.h"
#include "common/dialog_ids.h"
#include "common/resource_ids.h"
#include "face/face_scale.h"
#include "platform/win32/win32_adapters.h"
#include "wine/e2e/klv_process.h"

namespace {
namespace fs = std::filesystem;
using e2e::KlvTest;
using e2e::SaveShortcut;

constexpr LPARAM kEditRequest = 1036;
const char kType[] = "Assignment Type", kCommand[] = "Add /Edit Command",
           kConfirm[] = "Key Assignment Confirmation";

// The whole window as it is on screen, as a 32-bit BMP under build/screenshots,
// its name ending in "_<dpi>dpi" at a DPI other than 96.
void SaveShot(HWND window, const std::string& name) {
    Sleep(300); // the dialog paints in its own time
    RECT r{};
    GetWindowRect(window, &r);
    std::vector<std::uint32_t> pixels = e2e::CapturePixels(nullptr, r);
    for (std::uint32_t& p : pixels) p |= 0xFF000000; // opaque to readers that see an alpha byte
    const std::string dir = e2e::TestBinaryDir() + "\\..\\screenshots";
    CreateDirectoryA(dir.c_str(), nullptr);
    const BITMAPINFOHEADER header{sizeof header, r.right - r.left, r.top - r.bottom, 1, 32,
                                  BI_RGB, 0, 0, 0, 0, 0}; // rows top-down
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof header;
    const BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(offset + 4 * pixels.size()), 0, 0, offset};
    const int dpi = e2e::DisplayDpi(); // at another DPI than 96 beside the others
    std::ofstream out(dir + "\\" + name + (dpi == 96 ? "" : "_" + std::to_string(dpi) + "dpi") + ".bmp",
                      std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(pixels.data()),
              static_cast<std::streamsize>(4 * pixels.size()));
}

class EditingTest : public KlvTest {
protected:
    void TearDown() override {
        KlvTest::TearDown();
        std::error_code ignored;
        for (const std::string& folder : {m_folder, m_commonFolder})
            if (!folder.empty()) fs::remove_all(fs::u8path(folder), ignored); // the program's text is UTF-8
    }
    // The browser with its first folder selected.
    HWND BrowseFirstFolder(HWND from, int button) {
        HWND browser = Press(from, button, "Application Explorer");
        if (!browser) return nullptr;
        HWND tree = GetDlgItem(browser, IDC_FOLDER_TREE);
        const LRESULT first = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
        EXPECT_NE(first, 0);
        SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, first);
        return browser;
    }
    // A right click on the key asks for this request.
    HWND EditKey(char key) {
        EXPECT_TRUE(klv.Post(WM_CHAR, static_cast<unsigned char>(key), kEditRequest));
        return Shown(kType);
    }
    // A menu command that opens a window.
    HWND Command(unsigned id, const char* title) {
        EXPECT_TRUE(klv.Post(WM_COMMAND, id));
        return Shown(title);
    }
    HWND Press(HWND dialog, int button, const char* next) {
        EXPECT_TRUE(PostMessageA(dialog, WM_COMMAND, button, 0));
        return next ? Shown(next) : nullptr;
    }
    // A dialog shows once it has filled its controls.
    HWND Shown(const char* title) {
        HWND dialog = klv.WaitForTopLevelWindow(title);
        for (int i = 0; dialog && i < 200 && !IsWindowVisible(dialog); ++i) Sleep(25);
        return dialog;
    }
    // The command dialog's fields as "command|directory|description".
    static std::string Fields(HWND command) {
        return e2e::TextsOf(command, {IDC_COMMAND_LINE, IDC_WORKING_DIRECTORY, IDC_DESCRIPTION});
    }
    void Type(HWND dialog, int edit, const std::string& text) {
        SendMessageA(GetDlgItem(dialog, edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    // Presses the button that ends the dialog; then the dialog is gone and
    // the window has done what followed.
    void Finish(HWND dialog, int button) {
        Press(dialog, button, nullptr);
        for (int i = 0; i < 200 && IsWindow(dialog); ++i) Sleep(25);
        EXPECT_FALSE(IsWindow(dialog));
        ASSERT_TRUE(klv.Send(WM_NULL));
    }
    static std::string Stored(const char* section) { return e2e::Stored(section, "Fn-Q"); }
    std::string m_folder, m_commonFolder;
};

// The path of a shell folder (CSIDL_...).
std::string ShellFolder(int id) {
    char path[MAX_PATH] = "";
    return SHGetFolderPathA(nullptr, id, nullptr, 0, path) == S_OK ? path : "";
}

// How many folders the Application Browser's top level shows when it merges
// the two parts of the Start menu: each name, whatever its case, once.
std::size_t MergedProgramsFolders() {
    std::set<std::string> names;
    for (int id : {CSIDL_PROGRAMS, CSIDL_COMMON_PROGRAMS})
        for (const auto& entry : fs::directory_iterator(ShellFolder(id)))
            if (entry.is_directory()) {
                std::string name = entry.path().filename().string();
                names.insert(CharLowerA(&name[0]));
            }
    return names.size();
}

// One run through the dialogs of a right click: a direct assignment (after
// two refused working directories), an overwrite cancelled at the
// confirmation, Clear confirmed, and Edit... from the assignment list.
TEST_F(EditingTest, DialogsAssignOverwriteClearAndEditFromTheList) {
    // W's popup list, of one file, is written once the window is up.
    fs::create_directories(m_folder = "C:\\klvmenu");
    std::ofstream(m_folder + "\\1.exe") << "MZ";
    ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", "[cmd]\r\nFn-W=@C:\\klvmenu\r\n"}}));
    ASSERT_TRUE(klv.Start());
    const auto listed = [] { return e2e::ReadWindowsFile("kelvane.prg").value_or("").find("(C:\\klvmenu\\1.exe)"); };
    for (int i = 0; i < 100 && listed() == std::string::npos; ++i) Sleep(50);
    ASSERT_NE(listed(), std::string::npos);
    SaveShot(klv.Window(), "main_window");
    HWND type = EditKey('Q');
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(e2e::TextOf(GetDlgItem(type, IDC_KEY_NAME)), "Fn-Q");
    SaveShot(type, "assignment_type");
    HWND command = Press(type, IDC_DIRECT, kCommand);
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(Fields(command), "none||");
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(command, IDC_BROWSE)));
    for (const char* refused : {"C:\\windows\\", "C:\\no such folder"}) {
        Type(command, IDC_WORKING_DIRECTORY, refused);
        HWND box = Press(command, IDOK, "KLV");
        ASSERT_NE(box, nullptr) << refused;
        EXPECT_EQ(e2e::TextOf(GetDlgItem(box, 0xFFFF)), "Bad Current Working Directory parameter");
        Finish(box, IDOK);
        EXPECT_TRUE(IsWindow(command));
    }
    Type(command, IDC_COMMAND_LINE, "C:\\windows\\notepad.exe");
    Type(command, IDC_WORKING_DIRECTORY, "C:\\windows");
    Type(command, IDC_DESCRIPTION, "Notepad");
    SaveShot(command, "add_edit_command");
    Finish(command, IDOK);
    EXPECT_EQ(Stored("cmd") + "|" + Stored("cwd") + "|" + Stored("desc"),
              "C:\\windows\\notepad.exe|C:\\windows|Notepad");

    // Overwriting asks first; Cancel keeps the old assignment.
    command = Press(EditKey('Q'), IDC_DIRECT, kCommand);
    ASSERT_NE(command, nullptr);
    Type(command, IDC_COMMAND_LINE, "C:\\new.exe");
    Type(command, IDC_DESCRIPTION, "New");
    HWND confirm = Press(command, IDOK, kConfirm);
    ASSERT_NE(confirm, nullptr);
    EXPECT_EQ(e2e::TextsOf(confirm, {IDC_OLD_COMMAND, IDC_OLD_DIRECTORY, IDC_OLD_DESCRIPTION,
                                     IDC_NEW_COMMAND, IDC_NEW_DIRECTORY, IDC_NEW_DESCRIPTION}),
              "C:\\windows\\notepad.exe|C:\\windows|Notepad|C:\\new.exe|C:\\windows|New");
    SaveShot(confirm, "key_confirm");
    Finish(confirm, IDCANCEL);
    EXPECT_EQ(Stored("cmd"), "C:\\windows\\notepad.exe");

    // Clear, confirmed (its help button answers as the main window's does).
    confirm = Press(EditKey('Q'), IDC_CLEAR, kConfirm);
    ASSERT_NE(confirm, nullptr);
    HWND help = Press(confirm, IDC_HELP_BUTTON, "KLV");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(e2e::TextOf(GetDlgItem(help, 0xFFFF)), "No Help Currently available");
    EXPECT_FALSE(IsWindowEnabled(confirm)); // it waits for the box
    Finish(help, IDOK);
    Finish(confirm, IDOK);
    EXPECT_EQ(Stored("cmd"), "<absent>");

    // The list shows every assignable key and expands popup lists; Edit...
    // opens the chosen key's editing once the list has closed.
    HWND list = Command(ID_ASSIGNMENTS, "Function Key Assignments");
    ASSERT_NE(list, nullptr);
    HWND lines = GetDlgItem(list, IDC_KEY_LIST);
    const LRESULT keys = SendMessageA(lines, LB_GETCOUNT, 0, 0);
    EXPECT_GT(keys, 30);
    SendMessageA(GetDlgItem(list, IDC_OPTION_BOX), BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(lines, LB_GETCOUNT, 0, 0), keys + 1);
    SaveShot(list, "key_list");
    SendMessageA(lines, LB_SETCURSEL, 0, 0); // the first line: Fn-1
    SendMessageA(list, WM_COMMAND, MAKEWPARAM(IDC_KEY_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(lines));
    type = Press(list, IDC_EDIT_KEY, kType);
    ASSERT_NE(type, nullptr);
    EXPECT_FALSE(IsWindow(list));
    EXPECT_EQ(e2e::TextOf(GetDlgItem(type, IDC_KEY_NAME)), "Fn-1");
    Finish(type, IDCANCEL);
    EXPECT_EQ(e2e::StoredCfg("opts"), std::to_string(0x1000));
}

// The browsers, in one run. Browse... opens the classic open-file dialog on
// the program's own template; Applications... takes a shortcut double-clicked
// in the Application Browser (its working directory loses the trailing
// backslash); Popup... makes the first Start-menu folder, read through the
// shell, the key's list. The browser shows the user's Programs folder and
// that of all users as one: a folder both hold is one node listing the files
// of both, a file both hold is the user's; a popup list reads the part with
// more files.
TEST_F(EditingTest, BrowsersFillTheCommandFieldsAndPopupPicksAFolder) {
    // A sub-folder of the Start menu's Programs folder that sorts first, in both parts.
    const std::string folder = m_folder = ShellFolder(CSIDL_PROGRAMS) + "\\0 Kelvane test";
    const std::string common = m_commonFolder = ShellFolder(CSIDL_COMMON_PROGRAMS) + "\\0 Kelvane test";
    ASSERT_NE(folder, common);
    fs::create_directories(folder);
    fs::create_directories(common);
    std::ofstream(folder + "\\tool.exe") << "MZ";
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    // A shortcut gives its target and directory, not its arguments; only the
    // lower-case ".lnk" marks one: "Tool.LNK" is listed as the file it is.
    ASSERT_TRUE(SaveShortcut(folder + "\\Editor.lnk", "C:\\windows\\notepad.exe", "-n x.txt",
                                  "C:\\windows\\"));
    ASSERT_TRUE(SaveShortcut(folder + "\\Tool.LNK", "C:\\windows\\notepad.exe", "", ""));
    // All users' part: an Editor of its own, behind the user's, and one more.
    ASSERT_TRUE(SaveShortcut(common + "\\Editor.lnk", "C:\\windows\\regedit.exe", "", "C:\\windows"));
    ASSERT_TRUE(SaveShortcut(common + "\\Wordpad.lnk", "C:\\windows\\notepad.exe", "", ""));
    CoUninitialize();
    ASSERT_TRUE(klv.Start());
    HWND command = Press(EditKey('Q'), IDC_DIRECT, kCommand);
    ASSERT_NE(command, nullptr);
    HWND open = Press(command, IDC_BROWSE, "Kelvane Browser");
    ASSERT_NE(open, nullptr);
    EXPECT_FALSE(IsWindowEnabled(command)); // it waits for the file dialog
    EXPECT_NE(GetDlgItem(open, 1121), nullptr); // the directory list of the classic layout
    SaveShot(open, "open_file");
    Type(open, 1152, "C:\\windows\\notepad.exe");
    Finish(open, IDOK);
    EXPECT_EQ(Fields(command), "C:\\windows\\notepad.exe|C:\\windows|notepad.exe");

    HWND browser = BrowseFirstFolder(command, IDC_APPLICATIONS);
    ASSERT_NE(browser, nullptr);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(browser, IDOK)));
    // Both parts' folders once each (Wine's prefix has StartUp and
    // Administrative Tools in both); ours lists Editor, tool, Tool.LNK, Wordpad.
    EXPECT_EQ(SendDlgItemMessageA(browser, IDC_FOLDER_TREE, TVM_GETCOUNT, 0, 0),
              static_cast<LRESULT>(MergedProgramsFolders()));
    EXPECT_EQ(SendDlgItemMessageA(browser, IDC_FILE_LIST, LVM_GETITEMCOUNT, 0, 0), 4);
    // A double click on the first icon (the user's Editor sorts first), the pointer gone elsewhere;
    // icons and their spacing grow with the DPI.
    SetCursorPos(0, 0);
    const int dpi = e2e::DisplayDpi();
    SendMessageA(GetDlgItem(browser, IDC_FILE_LIST), WM_LBUTTONDBLCLK, MK_LBUTTON,
                 MAKELPARAM(37 * dpi / 96, 20 * dpi / 96));
    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(browser, IDOK)));
    Finish(browser, IDOK);
    EXPECT_EQ(Fields(command), "C:\\windows\\notepad.exe|C:\\windows|Editor");
    Finish(command, IDCANCEL);
    EXPECT_EQ(Stored("cmd"), "<absent>");

    // The user's part holds three files, all users' two: the list reads the user's.
    browser = BrowseFirstFolder(EditKey('Q'), IDC_POPUP);
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(browser, IDOK)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(browser, IDC_FILE_LIST)));
    SaveShot(browser, "application_browser");
    Finish(browser, IDOK);
    EXPECT_EQ(Stored("cmd"), "@" + folder);
    std::string list = e2e::ReadWindowsFile("kelvane.prg").value_or("");
    EXPECT_NE(list.find("=Editor (C:\\windows\\notepad.exe) [C:\\windows"), std::string::npos) << list;
    EXPECT_NE(list.find("=tool"), std::string::npos) << list;
    EXPECT_NE(list.find("(" + folder + "\\Tool.LNK) []"), std::string::npos) << list;

    // With two more, all users' part holds four: Fn-W's list reads that one.
    std::ofstream(common + "\\one.exe") << "MZ";
    std::ofstream(common + "\\two.exe") << "MZ";
    browser = BrowseFirstFolder(EditKey('W'), IDC_POPUP);
    ASSERT_NE(browser, nullptr);
    Finish(browser, IDOK);
    EXPECT_EQ(e2e::Stored("cmd", "Fn-W"), "@" + common);
    list = e2e::ReadWindowsFile("kelvane.prg").value_or("");
    EXPECT_NE(list.find("=Editor (C:\\windows\\regedit.exe) [C:\\windows]"), std::string::npos) << list;
    EXPECT_NE(list.find("(" + common + "\\two.exe) []"), std::string::npos) << list;
}
// A close that reaches the window while one of its dialogs, a message box
// or the popup menu is open (as WM_CLOSE, the exit command 491 or the end of
// the session) ends the program by itself with code 0, the edit under way
// cancelled and the settings as they were.
TEST_F(EditingTest, ClosingInEveryStateEndsTheProgramAndKeepsTheSettings) {
    const struct {
        const char* state;
        std::function<HWND()> open; // the window that shows the state
    } states[] = {
        {"type", [this] { return EditKey('Q'); }},
        {"command", [this] {
             HWND command = Press(EditKey('Q'), IDC_DIRECT, kCommand);
             Type(command, IDC_COMMAND_LINE, "C:\\changed.exe");
             return command;
         }},
        {"confirmation", [this] { return Press(EditKey('Q'), IDC_CLEAR, kConfirm); }},
        {"help box", [this] {
             return Press(Press(EditKey('Q'), IDC_CLEAR, kConfirm), IDC_HELP_BUTTON, "KLV");
         }},
        {"browser", [this] { return Press(EditKey('Q'), IDC_POPUP, "Application Explorer"); }},
        {"open-file", [this] {
             return Press(Press(EditKey('Q'), IDC_DIRECT, kCommand), IDC_BROWSE, "Kelvane Browser");
         }},
        {"list", [this] { return Command(ID_ASSIGNMENTS, "Function Key Assignments"); }},
        {"colour", [this] { return Command(ID_COLOR_HIGHLITE, "Color"); }},
        {"about", [this] { return Command(ID_ABOUT, "About Kelvane"); }},
        {"popup menu", [this] {
             klv.Post(WM_CHAR, 'W', 1035); // a run request
             return e2e::VisibleMenu();
         }},
    };
    // W's list comes from its folder once the window is up: the popup menu waits for it.
    fs::create_directories(m_folder = "C:\\klvmenu");
    std::ofstream(m_folder + "\\1.exe") << "MZ";
    const std::string ini = "[cmd]\r\nFn-Q=C:\\old.exe\r\nFn-W=@C:\\klvmenu\r\n";
    // As WM_CLOSE, the exit command or the end of the session, in turn.
    const std::pair<UINT, WPARAM> closes[] = {{WM_CLOSE, 0}, {WM_COMMAND, ID_EXIT}, {WM_ENDSESSION, TRUE}};
    int form = 0;
    for (const auto& s : states) {
        SCOPED_TRACE(s.state);
        ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", ini}}));
        ASSERT_TRUE(klv.Start());
        for (int i = 0; i < 100 && !e2e::ReadWindowsFile("kelvane.prg"); ++i) Sleep(50);
        const auto stored = e2e::ReadWindowsFile("kelvane.ini");
        ASSERT_NE(s.open(), nullptr);
        ASSERT_TRUE(klv.Post(closes[form % 3].first, closes[form % 3].second));
        ++form;
        EXPECT_TRUE(klv.WaitForExit());
        EXPECT_EQ(e2e::ReadWindowsFile("kelvane.ini"), stored);
        klv.Stop();
    }
}

// A program in folders named in Polish and Japanese, with a Greek
// description: assigned through the command dialog, stored in UTF-8, shown
// as the hint, listed in a popup list from a folder of shortcuts to it,
// started by its hotkey in its directory and then found running by
// switch-to. Kelvane and the programs it starts run in UTF-8.
TEST_F(EditingTest, PathsAndNamesOutsideTheAnsiCodePage) {
    const std::string dir = u8"C:\\Łódź\\日本", program = dir + "\\winapp.exe", greek = u8"Εκκίνηση";
    const std::string typed = u8"C:\\ŁÓDŹ\\日本\\winapp.exe"; // matched by switch-to, case aside
    m_folder = u8"C:\\Łódź";
    ASSERT_TRUE(fs::create_directories(fs::u8path(dir + u8"\\Menü")));
    ASSERT_TRUE(CopyFileA((e2e::TestBinaryDir() + "\\helpers\\recorder.exe").c_str(), program.c_str(), FALSE));
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    ASSERT_TRUE(SaveShortcut(dir + u8"\\Menü\\Ωμέγα.lnk", program.c_str(), "", dir.c_str()));
    CoUninitialize();
    ASSERT_TRUE(e2e::PrepareWindowsDir({{"kelvane.ini", "[cmd]\r\nFn-D=@" + dir + u8"\\Menü\r\n"}}));
    ASSERT_TRUE(klv.Start());

    HWND command = Press(EditKey('Q'), IDC_DIRECT, kCommand);
    ASSERT_NE(command, nullptr);
    Type(command, IDC_COMMAND_LINE, typed);
    Type(command, IDC_WORKING_DIRECTORY, dir);
    Type(command, IDC_DESCRIPTION, greek);
    SendDlgItemMessageA(command, IDC_OPTION_BOX, BM_SETCHECK, BST_CHECKED, 0); // switch to the running program
    Finish(command, IDOK);
    EXPECT_EQ(Stored("cmd") + "|" + Stored("cwd") + "|" + Stored("desc") + "|" + Stored("opts"),
              typed + "|" + dir + "|" + greek + "|1"); // read back as UTF-8

    // The hint shows once the pointer has rested on the key.
    HWND hint = FindWindowA("Static", "hint"); // its title until it first shows
    const LPARAM q = e2e::KeyCentre("Q");
    const RECT face = klv.ClientRectOnScreen();
    SetCursorPos(face.left + LOWORD(q), face.top + HIWORD(q));
    ASSERT_TRUE(klv.Post(WM_MOUSEMOVE, 0, q));
    for (int i = 0; i < 200 && !IsWindowVisible(hint); ++i) Sleep(25);
    EXPECT_EQ(e2e::TextOf(hint), " " + greek);

    // The popup list names the shortcut, its target and directory.
    const std::string item = u8"key00=Ωμέγα (" + program + ") [" + dir + "]";
    const auto listed = [&] { return e2e::ReadWindowsFile("kelvane.prg").value_or("").find(item); };
    for (int i = 0; i < 100 && listed() == std::string::npos; ++i) Sleep(50);
    EXPECT_NE(listed(), std::string::npos) << e2e::ReadWindowsFile("kelvane.prg").value_or("");

    // Started in its directory, then found running and brought back.
    static const UINT hotkey = RegisterWindowMessageA("WM_QSERVICE_HOTKEY");
    ASSERT_TRUE(klv.Send(hotkey, MapVirtualKeyA('Q', 0), 0));
    EXPECT_EQ(e2e::WaitForLaunches(1), std::vector<std::string>{"winapp.exe|" + dir});
    HWND window = nullptr;
    for (int i = 0; i < 100 && !(window = FindWindowA(nullptr, "winapp.exe")); ++i) Sleep(50);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(klv.Send(hotkey, MapVirtualKeyA('Q', 0), 0));
    ASSERT_TRUE(klv.Send(WM_NULL));
    EXPECT_EQ(e2e::WaitForLaunches(2, 1000).size(), 1u);
    EXPECT_FALSE(IsIconic(window));
}

// A standard user's Windows directory: scripts/run-tests.sh runs this test
// alone with the prefix's one mounted read-only and a kelvane.ini in it that
// assigns Fn-W (KLV_READONLY_WINDOWS=1), or names why it could not mount it.
// The settings move to %APPDATA%\Kelvane: Fn-W comes along, an assignment made
// in the dialogs is there after a restart, the Windows directory stays as it was.
TEST_F(EditingTest, ReadOnlyWindowsDirMovesTheSettingsToTheUserFolder) {
    const char* mounted = std::getenv("KLV_READONLY_WINDOWS");
    if (!mounted || std::strcmp(mounted, "1") != 0)
        GTEST_SKIP() << (mounted ? mounted : "needs the read-only mount of scripts/run-tests.sh");
    char appData[MAX_PATH] = "";
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, appData), S_OK);
    fs::remove_all(m_folder = std::string(appData) + "\\Kelvane"); // and again after the test
    const auto seed = e2e::ReadWindowsFile("kelvane.ini");
    ASSERT_TRUE(seed && klv.Start());
    HWND command = Press(EditKey('Q'), IDC_DIRECT, kCommand);
    ASSERT_NE(command, nullptr);
    Type(command, IDC_COMMAND_LINE, "C:\\windows\\notepad.exe");
    Finish(command, IDOK);
    ASSERT_TRUE(klv.Close() && klv.Start());
    for (const auto& [key, stored] : {std::pair{'W', "C:\\carried.exe"}, {'Q', "C:\\windows\\notepad.exe"}}) {
        ASSERT_NE(command = Press(EditKey(key), IDC_DIRECT, kCommand), nullptr);
        EXPECT_EQ(e2e::TextOf(GetDlgItem(command, IDC_COMMAND_LINE)), stored);
        Finish(command, IDCANCEL);
    }
    EXPECT_EQ(e2e::ReadWindowsFile("kelvane.ini"), seed);
    for (const char* name : {"kelvane.prg", "kelvane.cfg"})
        EXPECT_FALSE(e2e::ReadWindowsFile(name)) << name;
}

// The main window built in this process: a file dropped on a key, and the
// DPI change Windows sends when the window moves to a monitor of another
// DPI, which Wine's one monitor never does: the window takes the suggested
// top-left corner and the face's size at the new multiple, stored where it is.
TEST(FrameWindow, DroppedFileOpensTheCommandDialogAndADpiChangeRescales) {
    ASSERT_TRUE(e2e::PrepareWindowsDir());
    FrameWindow window(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    Win32Adapters adapters(GetModuleHandleA(nullptr), window);
    const auto frame = CLauncherApp(adapters.Ports(), adapters.startup).InitInstance("");
    ASSERT_NE(frame, nullptr);
    const wchar_t path[] = L"C:\\TÖÖLS\\NOTEPAD.EXE"; // as the shell hands it over: wide
    HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + sizeof path + sizeof(wchar_t));
    ASSERT_NE(drop, nullptr);
    auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    const int m = FaceScale::ForDpi(static_cast<unsigned>(e2e::DisplayDpi())).Multiple();
    files->pt = {35 * m, 52 * m}; // on Q as drawn
    files->fWide = TRUE;
    std::memcpy(files + 1, path, sizeof path);
    GlobalUnlock(drop);
    // Another thread reads the dialog while this one runs its modal loop, then cancels it.
    std::string seen;
    std::thread reader([&seen] {
        HWND dialog = nullptr;
        for (int i = 0; i < 200 && !(dialog && IsWindowVisible(dialog)); ++i, Sleep(25))
            dialog = FindWindowA(nullptr, "Add /Edit Command");
        seen = e2e::TextsOf(dialog, {IDC_KEY_NAME, IDC_COMMAND_LINE, IDC_WORKING_DIRECTORY, IDC_DESCRIPTION});
        for (int button : {IDC_BROWSE, IDC_APPLICATIONS})
            if (IsWindowVisible(GetDlgItem(dialog, button))) seen += " and a browse button";
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    SendMessageA(window.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    reader.join();
    EXPECT_EQ(seen, u8"Fn-Q|C:\\TÖÖLS\\NOTEPAD.EXE|C:\\TÖÖLS|Notepad");

    for (const int dpi : {2 * e2e::DisplayDpi(), e2e::DisplayDpi()}) { // there and back
        RECT suggested{300, 200, 310, 210}, outer{}, client{}; // a size no multiple gives
        SendMessageA(window.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        GetWindowRect(window.Handle(), &outer);
        GetClientRect(window.Handle(), &client);
        const int m = FaceScale::ForDpi(static_cast<unsigned>(dpi)).Multiple();
        EXPECT_TRUE(outer.left == 300 && outer.top == 200) << dpi;
        EXPECT_EQ(client.right, m * (frame->FaceWidth() + 1)) << dpi;
        EXPECT_EQ(client.bottom, m * (frame->FaceHeight() + 2)) << dpi;
        POINT corner{0, 0};
        ClientToScreen(window.Handle(), &corner);
        EXPECT_EQ(e2e::StoredCfg("x") + "," + e2e::StoredCfg("y"), std::to_string(corner.x) + "," + std::to_string(corner.y));
    }
    e2e::RemoveKelvaneFiles();
}
} // namespace
