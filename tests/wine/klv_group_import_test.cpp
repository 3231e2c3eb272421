// Command 480 under Wine: KLV.exe copies Program Manager's groups into
// kelvane.prg over DDE, here from a scripted server. How replies become the
// file, and that Program Manager is started when no window of class PROGMAN
// exists, is proved natively (group_import_test, frame_commands_test).
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "wine/e2e/klv_process.h"

namespace {
using e2e::KlvTest;

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
