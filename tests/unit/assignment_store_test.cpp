#include <string>

#include "model/profile_section_array.h"
#include "model_fixture.h"

namespace {
using AssignmentStoreTest = PartsTest;

TEST_F(AssignmentStoreTest, LoadReadsTheFourSections) {
    const std::string longText(300, 'c'), cut(255, 'c');
    const struct {
        const char* what;
        std::string entries; // lines of the four sections for Fn-A
        std::string key;     // Fn-A afterwards
    } cases[] = {
        {"direct command", "[cmd]\nFn-A=notepad.exe\n[cwd]\nFn-A=C:\\\n[desc]\nFn-A=Editor\n",
         "assignable assigned notepad.exe|C:\\|Editor"},
        {"nothing stored: no description", "", "assignable none||"},
        {"empty command is none", "[cmd]\nFn-A=\n", "assignable none||"},
        {"command none is unassigned", "[cmd]\nFn-A=none\n", "assignable none||"},
        {"opts 5 disables", "[cmd]\nFn-A=x\n[opts]\nFn-A=5\n", "assigned opts 5 x||"},
        {"values cut at 255", "[cmd]\nFn-A=" + longText + "\n[cwd]\nFn-A=" + longText + "\n",
         "assignable assigned " + cut + "|" + cut + "|"},
    };
    for (const auto& c : cases) {
        profile.Load("kelvane.ini", c.entries);
        Start();
        EXPECT_EQ(Assignment(Key("A")), c.key) << c.what;
    }
}

// Saved assignments load back unchanged; a key is saved as assigned only
// while it is marked so and has a command.
TEST_F(AssignmentStoreTest, SavedAssignmentsLoadBackAndUnassignedKeysLoseTheirCommand) {
    profile.Load("kelvane.ini", "[cmd]\nFn-C=c.exe\nFn-D=calc.exe\n");
    Start();
    FaceKey& b = Key("B");
    b.m_strCommand = "Notepad (C:\\WINDOWS\\NOTEPAD.EXE) [C:\\WINDOWS]";
    b.m_strDirectory = "C:\\TEMP";
    b.m_strDescription = "Notes";
    b.m_bAssigned = 1;
    b.m_nKeyOptions = KEY_SWITCHTO;
    Key("C").m_strCommand = "none";
    Key("D").m_bAssigned = 0;
    store.SaveAssignments(keys);
    const std::string saved = Assignment(b);
    EXPECT_EQ(Stored("cmd", "Fn-C"), "<absent>");
    EXPECT_EQ(Stored("cmd", "Fn-D"), "<absent>");
    EXPECT_EQ(Stored("cwd", "Fn-D") + Stored("desc", "Fn-D") + Stored("opts", "Fn-D"), "0");
    Start();
    EXPECT_EQ(Assignment(Key("B")), saved);
}

// Keys not assignable or reserved, and keys disabled by their options, keep
// what their descriptor gave them and are never stored.
TEST_F(AssignmentStoreTest, KeysNotAssignableOrReservedAreNeitherReadNorWritten) {
    profile.Load("kelvane.key", "[keys]\nu=85 0 0 U 1 1 1 1\nr=82 1 1 R 2 2 1 1 Reserved\n"
                             "d=68 1 0 D 3 3 1 1\na=65 1 0 A 4 4 1 1\n");
    profile.Load("kelvane.ini", "[cmd]\nFn-U=u.exe\nFn-R=r.exe\nFn-D=d.exe\n[opts]\nFn-U=1\nFn-D=5\n");
    Start();
    EXPECT_EQ(Assignment(Key("U")), "none||none");
    EXPECT_EQ(Assignment(Key("R")), "assignable reserved none||Reserved");
    Key("D").m_strCommand = "new.exe";
    store.SaveAssignments(keys);
    EXPECT_EQ(Stored("cmd", "Fn-U"), "u.exe");
    EXPECT_EQ(Stored("cmd", "Fn-R"), "r.exe");
    EXPECT_EQ(Stored("cmd", "Fn-D"), "d.exe");
    EXPECT_EQ(Stored("cwd", "Fn-U") + Stored("cwd", "Fn-R") + Stored("cwd", "Fn-D"),
              "<absent><absent><absent>");
    EXPECT_EQ(Stored("opts", "Fn-A"), "0");
}

// A folder that gives no items (here F's missing one) leaves no section.
TEST_F(AssignmentStoreTest, PopupListsAreRewrittenFromTheirFolders) {
    profile.Load("kelvane.ini", "[cmd]\nFn-E=@C:\\Menu\\Tools\nFn-F=@C:\\Gone\n");
    std::string stale = "[C:\\Menu\\Tools]\n";
    for (int i = 0; i < 6; ++i)
        stale += "key0" + std::to_string(i) + "=old" + std::to_string(i) + "\n";
    profile.Load("kelvane.prg", stale + "[class]\nkey00=Main\n[C:\\Gone]\nkey00=old (x) []\n");
    shell.folders["C:\\Menu\\Tools"] = {{"Notepad", "C:\\WINDOWS\\NOTEPAD.EXE", "C:\\WINDOWS"},
                                        {"Calculator", "C:\\WINDOWS\\CALC.EXE", ""},
                                        {"", "", ""}};
    Start();
    EXPECT_EQ(shell.asked, (std::vector<std::string>{"C:\\Menu\\Tools", "C:\\Gone"}));
    EXPECT_EQ(Key("E").m_bAssigned, 1);
    EXPECT_EQ(Key("F").m_strCommand, "@C:\\Gone");

    const std::string prg = settings.PrgFile();
    // Read back, the item without a title has lost its leading blank, as the platform gives it.
    EXPECT_EQ(CProfileSectionArray(profile, "C:\\Menu\\Tools", prg.c_str()),
              (std::vector<std::string>{"Notepad (C:\\WINDOWS\\NOTEPAD.EXE) [C:\\WINDOWS]",
                                        "Calculator (C:\\WINDOWS\\CALC.EXE) []", "() []"}));
    EXPECT_EQ(Stored("C:\\Menu\\Tools", "key03", prg), "<absent>");
    EXPECT_EQ(Stored("C:\\Gone", "key00", prg), "<absent>");
    EXPECT_EQ(Stored("class", "key00", prg), "Main"); // other sections stay
}

} // namespace
