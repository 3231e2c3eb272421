#include <string>

#include "model/profile_section_array.h"
#include "model_fixture.h"

namespace {
using AssignmentStoreTest = ModelTest;

TEST_F(AssignmentStoreTest, UnassignedKeysLoadAsNoneAndSaveWithoutCommand) {
    Start();
    const FaceKey& a = Key("A");
    EXPECT_EQ(a.m_strCommand, "none");
    EXPECT_EQ(a.m_bAssigned, 0);
    EXPECT_EQ(a.m_strDirectory, "");
    EXPECT_EQ(a.m_strDescription, ""); // the descriptor's "none" is replaced
    EXPECT_EQ(a.m_nKeyOptions, 0u);

    frame->SaveAssignments();
    EXPECT_EQ(Stored("cmd", "Fn-A"), "<absent>");
    EXPECT_EQ(Stored("cwd", "Fn-A"), "");
    EXPECT_EQ(Stored("desc", "Fn-A"), "");
    EXPECT_EQ(Stored("opts", "Fn-A"), "0");
}

struct LoadCase {
    const char* what;
    std::string entries; // lines of the four sections for Fn-A
    std::string command;
    int assigned;
    std::string directory, description;
    std::uint32_t options;
    int assignable;
};
const std::string kLong(300, 'c');

const LoadCase kLoads[] = {
    {"direct command", "[cmd]\nFn-A=notepad.exe\n[cwd]\nFn-A=C:\\\n[desc]\nFn-A=Editor\n",
     "notepad.exe", 1, "C:\\", "Editor", 0, 1},
    {"empty command is none", "[cmd]\nFn-A=\n", "none", 0, "", "", 0, 1},
    {"command none is unassigned", "[cmd]\nFn-A=none\n", "none", 0, "", "", 0, 1},
    {"switch-to option", "[cmd]\nFn-A=x\n[opts]\nFn-A=1\n", "x", 1, "", "", 1, 1},
    {"disabled", "[cmd]\nFn-A=x\n[opts]\nFn-A=5\n", "x", 1, "", "", 5, 0},
    {"options not a number", "[opts]\nFn-A=abc\n", "none", 0, "", "", 0, 1},
    {"negative options", "[opts]\nFn-A=-1\n", "none", 0, "", "", 0xFFFFFFFFu, 0},
    {"values cut at 255", "[cmd]\nFn-A=" + kLong + "\n[cwd]\nFn-A=" + kLong + "\n", kLong.substr(0, 255),
     1, kLong.substr(0, 255), "", 0, 1},
};

class AssignmentLoadTest : public ModelTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(AssignmentLoadTest, ReadsTheKey) {
    const LoadCase& c = GetParam();
    dir.Write("kelvane.ini", c.entries);
    Start();
    const FaceKey& a = Key("A");
    EXPECT_EQ(a.m_strCommand, c.command);
    EXPECT_EQ(a.m_bAssigned, c.assigned);
    EXPECT_EQ(a.m_strDirectory, c.directory);
    EXPECT_EQ(a.m_strDescription, c.description);
    EXPECT_EQ(a.m_nKeyOptions, c.options);
    EXPECT_EQ(a.m_bAssignable, c.assignable);
}

INSTANTIATE_TEST_SUITE_P(Entries, AssignmentLoadTest, ::testing::ValuesIn(kLoads),
                         CaseName<LoadCase>);

TEST_F(AssignmentStoreTest, SavedAssignmentsLoadBackUnchanged) {
    Start();
    const std::string command = "Notepad (C:\\WINDOWS\\NOTEPAD.EXE) [C:\\WINDOWS]";
    FaceKey& b = Key("B");
    b.m_strCommand = command;
    b.m_strDirectory = "C:\\TEMP";
    b.m_strDescription = "Notes";
    b.m_bAssigned = 1;
    b.m_nKeyOptions = KEY_SWITCHTO;
    frame->SaveAssignments();

    frame = NewFrame();
    Start();
    const FaceKey& loaded = Key("B");
    EXPECT_EQ(loaded.m_strCommand, command);
    EXPECT_EQ(loaded.m_strDirectory, "C:\\TEMP");
    EXPECT_EQ(loaded.m_strDescription, "Notes");
    EXPECT_EQ(loaded.m_bAssigned, 1);
    EXPECT_EQ(loaded.m_nKeyOptions, KEY_SWITCHTO);
}

TEST_F(AssignmentStoreTest, ClearingAKeyDeletesItsCommand) {
    dir.Write("kelvane.ini", "[cmd]\nFn-C=calc.exe\n");
    Start();
    FaceKey& c = Key("C");
    c.m_strCommand = "none";
    c.m_bAssigned = 0;
    frame->SaveAssignments();
    EXPECT_EQ(Stored("cmd", "Fn-C"), "<absent>");
}

TEST_F(AssignmentStoreTest, DisabledKeyKeepsItsEntriesThroughSaves) {
    dir.Write("kelvane.ini", "[cmd]\nFn-D=old.exe\n[cwd]\nFn-D=C:\\OLD\n[opts]\nFn-D=5\n");
    Start();
    FaceKey& d = Key("D");
    EXPECT_EQ(d.m_bAssignable, 0);
    d.m_strCommand = "new.exe"; // whatever happens in memory is not stored
    frame->SaveAssignments();
    EXPECT_EQ(Stored("cmd", "Fn-D"), "old.exe");
    EXPECT_EQ(Stored("cwd", "Fn-D"), "C:\\OLD");
    EXPECT_EQ(Stored("desc", "Fn-D"), "<absent>");
    EXPECT_EQ(Stored("opts", "Fn-D"), "5");
}

TEST_F(AssignmentStoreTest, KeysNotAssignableOrReservedAreNeitherReadNorWritten) {
    dir.Write("kelvane.key", "[keys]\nu=85 0 0 U 1 1 1 1\nr=82 1 1 R 2 2 1 1 Reserved\n"
                             "a=65 1 0 A 3 3 1 1\n");
    dir.Write("kelvane.ini", "[cmd]\nFn-U=u.exe\nFn-R=r.exe\n[opts]\nFn-U=1\n");
    Start();
    EXPECT_EQ(Key("U").m_strCommand, "none");
    EXPECT_EQ(Key("U").m_nKeyOptions, 0u);
    EXPECT_EQ(Key("R").m_strCommand, "none");
    EXPECT_EQ(Key("R").m_strDescription, "Reserved");
    frame->SaveAssignments();
    EXPECT_EQ(Stored("cmd", "Fn-U"), "u.exe");
    EXPECT_EQ(Stored("cmd", "Fn-R"), "r.exe");
    EXPECT_EQ(Stored("cwd", "Fn-U"), "<absent>");
    EXPECT_EQ(Stored("opts", "Fn-R"), "<absent>");
    EXPECT_EQ(Stored("opts", "Fn-A"), "0");
}

TEST_F(AssignmentStoreTest, PopupListIsRewrittenFromItsFolder) {
    const std::string prg = "kelvane.prg";
    dir.Write("kelvane.ini", "[cmd]\nFn-E=@C:\\Menu\\Tools\n");
    std::string stale = "[C:\\Menu\\Tools]\n";
    for (int i = 0; i < 6; ++i) stale += "key0" + std::to_string(i) + "=old" + std::to_string(i) + "\n";
    dir.Write(prg, stale + "[class]\nkey00=Main\n");
    shell.folders["C:\\Menu\\Tools"] = {{"Notepad", "C:\\WINDOWS\\NOTEPAD.EXE", "C:\\WINDOWS"},
                                     {"Calculator", "C:\\WINDOWS\\CALC.EXE", ""},
                                     {"", "", ""}};
    Start();
    EXPECT_EQ(shell.asked, std::vector<std::string>{"C:\\Menu\\Tools"});
    EXPECT_EQ(Key("E").m_strCommand, "@C:\\Menu\\Tools");
    EXPECT_EQ(Key("E").m_bAssigned, 1);

    const std::string prgPath = frame->m_strPrgFile;
    CProfileSectionArray list(profile, "C:\\Menu\\Tools", prgPath.c_str());
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0], "Notepad (C:\\WINDOWS\\NOTEPAD.EXE) [C:\\WINDOWS]");
    EXPECT_EQ(list[1], "Calculator (C:\\WINDOWS\\CALC.EXE) []");
    EXPECT_EQ(list[2], "() []"); // an item the shell could not read; the blank is trimmed on reading
    EXPECT_EQ(Stored("C:\\Menu\\Tools", "key02", prgPath), "() []");
    EXPECT_EQ(Stored("C:\\Menu\\Tools", "key03", prgPath), "<absent>");
    EXPECT_EQ(Stored("class", "key00", prgPath), "Main"); // other sections stay
}

TEST_F(AssignmentStoreTest, MissingFolderLeavesNoSection) {
    dir.Write("kelvane.ini", "[cmd]\nFn-F=@C:\\Gone\n");
    dir.Write("kelvane.prg", "[C:\\Gone]\nkey00=old (x) []\n[class]\nkey00=Main\n");
    Start();
    EXPECT_EQ(shell.asked, std::vector<std::string>{"C:\\Gone"});
    EXPECT_EQ(Key("F").m_strCommand, "@C:\\Gone");
    char names[512];
    const unsigned n = profile.GetString(nullptr, nullptr, "", names, sizeof names,
                                         frame->m_strPrgFile.c_str());
    EXPECT_EQ(std::string(names, n), std::string("class\0", 6));
}
} // namespace
