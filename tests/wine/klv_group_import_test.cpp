// Command 480 under Wine: KLV.exe copies Program Manager's groups into
// kelvane.prg, from the shell's own DDE server and from a scripted one.
#include <windows.h>

#include <gtest/gtest.h>
#include <shlobj.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "model/profile_section_array.h"
#include "platform/win32/win32_profile.h"
#include "wine/e2e/klv_process.h"

namespace {
using e2e::KlvTest;

constexpr WPARAM kBuildGroups = 480;

// A top-level window of any process with this class or title, waited for.
HWND WaitForWindow(const char* className, const char* title) {
    for (int i = 0; i < 250; ++i) {
        if (HWND found = FindWindowA(className, title)) return found;
        Sleep(20);
    }
    return nullptr;
}

void EndProcessOf(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
        TerminateProcess(process, 0);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

// The tests' own Program Manager (helpers/progman_server.exe) serving the
// replies given by item while it is in scope; its window's class is PROGMAN.
class ScriptedProgman {
  public:
    explicit ScriptedProgman(const std::map<std::string, std::string>& replies) {
        std::ofstream script(m_script, std::ios::binary);
        for (const auto& [item, reply] : replies)
            script << item << '\0' << reply << '\0';
        script.close();
        std::string commandLine =
            "\"" + e2e::TestBinaryDir() + "\\helpers\\progman_server.exe\" \"" + m_script + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &info))
            return;
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
        m_window = WaitForWindow("PROGMAN", nullptr);
    }
    ~ScriptedProgman() {
        if (m_window) EndProcessOf(m_window);
        DeleteFileA(m_script.c_str());
    }
    bool Serving() const { return m_window != nullptr; }

  private:
    const std::string m_script = e2e::WindowsFilePath("progman.bin");
    HWND m_window = nullptr;
};

// The shell lists the folders of its Programs menu as groups but refuses to
// list any one: the index keeps the keys below the list's end, the refused
// group its section. With no window of class PROGMAN, Program Manager is
// started (Wine's has its own class; its title says what it is).
TEST_F(KlvTest, ImportFromTheShellKeepsWhatItsRefusedGroupsHeld) {
    ASSERT_EQ(FindWindowA("PROGMAN", nullptr), nullptr);
    char programs[MAX_PATH] = "";
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, 0, programs), S_OK);
    const std::string group = std::string(programs) + "\\Kelvane Group";
    ASSERT_TRUE(CreateDirectoryA(group.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    ASSERT_TRUE(e2e::PrepareWindowsDir(
        {{"kelvane.prg",
          "[class]\r\nkey00=Kept\r\nkey63=Gone\r\n[Kelvane Group]\r\nkey01=Kept\r\n"}}));
    ASSERT_TRUE(klv.Start());
    ASSERT_TRUE(klv.Send(WM_COMMAND, kBuildGroups));

    EXPECT_EQ(e2e::ReadWindowsFile("kelvane.prg"),
              "[class]\r\nkey00=Kept\r\n[Kelvane Group]\r\nkey01=Kept\r\n");
    HWND started = WaitForWindow(nullptr, "Program Manager");
    EXPECT_NE(started, nullptr);
    if (started) EndProcessOf(started);
    RemoveDirectoryA(group.c_str());
}

// Three groups listed, the second refused: the file holds exactly the index
// and the items of the other two, and the popup-list reader reads a group's
// entries back in file order.
TEST_F(KlvTest, ImportFromAScriptedProgramManagerWritesItsGroupsAsPopupLists) {
    ScriptedProgman progman(
        {{"GROUPS", "Main\r\nGames\r\nAccessories\r\n"},
         {"Main", "Main,3\r\n\"Notepad\",\"NOTEPAD.EXE\",C:\\WIN,NOTEPAD.EXE,0\r\nno item\r\n"
                  "\"Write (new)\",\"WRITE.EXE [x]\",,WRITE.EXE,0\r\n"},
         {"Accessories", "Accessories,0\r\n"}});
    ASSERT_TRUE(progman.Serving());
    ASSERT_TRUE(e2e::PrepareWindowsDir(
        {{"kelvane.prg", "[class]\r\nkey01=Games\r\nkey05=Gone\r\n[Main]\r\nkey00=Kept\r\n"
                         "key02=Kept\r\nkey09=Gone\r\n[Games]\r\nkey01=Kept\r\n[Accessories]\r\n"
                         "key01=Gone\r\n"}}));
    ASSERT_TRUE(klv.Start());
    ASSERT_TRUE(klv.Send(WM_COMMAND, kBuildGroups));

    const std::string write = "Write (new) (WRITE.EXE [x]) [" + e2e::WindowsDir() + "]";
    EXPECT_EQ(
        e2e::ReadWindowsFile("kelvane.prg"),
        "[class]\r\nkey01=Games\r\nkey00=Main\r\nkey02=Accessories\r\n[Main]\r\nkey00=Kept\r\n"
        "key02=Kept\r\nkey01=Notepad (NOTEPAD.EXE) [C:\\WIN]\r\nkey03=" +
            write + "\r\n[Games]\r\nkey01=Kept\r\n[Accessories]\r\n");
    EXPECT_EQ(FindWindowA(nullptr, "Program Manager"), nullptr); // none started beside it
    Win32Profile profile;
    EXPECT_EQ(CProfileSectionArray(profile, "Main", e2e::WindowsFilePath("kelvane.prg").c_str()),
              (std::vector<std::string>{"Kept", "Kept", "Notepad (NOTEPAD.EXE) [C:\\WIN]", write}));
}

} // namespace
