// Command 480 under Wine: KLV.exe copies Program Manager's groups into
// kelvane.prg over DDE, here from a scripted server. How replies become the
// file, and that Program Manager is started when no window of class PROGMAN
// exists, is proved natively (group_import_test, frame_commands_test).
#include <windows.h>

#include <gtest/gtest.h>

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
        if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &m_info))
            return;
        for (int i = 0; i < 250 && !FindWindowA("PROGMAN", nullptr); ++i) Sleep(20);
    }
    ~ScriptedProgman() {
        if (m_info.hProcess) {
            TerminateProcess(m_info.hProcess, 0);
            WaitForSingleObject(m_info.hProcess, 5000);
            CloseHandle(m_info.hProcess);
            CloseHandle(m_info.hThread);
        }
        DeleteFileA(m_script.c_str());
    }
    bool Serving() const { return FindWindowA("PROGMAN", nullptr) != nullptr; }

  private:
    const std::string m_script = e2e::WindowsFilePath("progman.bin");
    PROCESS_INFORMATION m_info{};
};

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

// While the import waits for a slow group, a second import is ignored and
// the first finishes every group. The wait for Program Manager takes only
// its own messages, so a close waits for the whole import, then ends the
// program by itself.
TEST_F(KlvTest, ImportIgnoresASecondImportAndAClosesAfterIt) {
    ScriptedProgman progman({{"GROUPS", "Slow\r\nFast\r\n"},
                             {"Slow", "<slow>Slow,1\r\n\"S\",\"S.EXE\",C:\\S,,\r\n"},
                             {"Fast", "Fast,1\r\n\"F\",\"F.EXE\",C:\\F,,\r\n"}});
    ASSERT_TRUE(progman.Serving());
    const std::string before = "[class]\r\nkey01=Old\r\n[Fast]\r\nkey01=Stale\r\n";
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
        const std::string slow = "[Slow]\r\nkey01=S (S.EXE) [C:\\S]\r\n";
        EXPECT_EQ(e2e::ReadWindowsFile("kelvane.prg"),
                  "[class]\r\nkey01=Fast\r\nkey00=Slow\r\n[Fast]\r\nkey01=F (F.EXE) [C:\\F]\r\n" + slow);
        klv.Stop();
    }
}

} // namespace
