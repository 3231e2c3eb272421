#include <string>
#include <tuple>

#include "model/profile_section_array.h"
#include "model_fixture.h"

namespace {
using AssignmentStoreTest = PartsTest;

TEST_F(AssignmentStoreTest, LoadReadsTheFourSections) {
    const std::string longText(300, 'c');
    const struct {
        const char* what;
        std::string entries; // lines of the four sections for Fn-A
        std::string command;
        int assigned;
        std::string directory, description;
        std::uint32_t options;
        int assignable;
    } cases[] = {
        {"direct command", "[cmd]\nFn-A=notepad.exe\n[cwd]\nFn-A=C:\\\n[desc]\nFn-A=Editor\n",
         "notepad.exe", 1, "C:\\", "Editor", 0, 1},
        {"nothing stored: no description", "", "none", 0, "", "", 0, 1},
        {"empty command is none", "[cmd]\nFn-A=\n", "none", 0, "", "", 0, 1},
        {"command none is unassigned", "[cmd]\nFn-A=none\n", "none", 0, "", "", 0, 1},
        {"opts 5 disables", "[cmd]\nFn-A=x\n[opts]\nFn-A=5\n", "x", 1, "", "", 5, 0},
        {"values cut at 255", "[cmd]\nFn-A=" + longText + "\n[cwd]\nFn-A=" + longText + "\n",
         longText.substr(0, 255), 1, longText.substr(0, 255), "", 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        profile.Load("kelvane.ini", c.entries);
        Start();
        const FaceKey& a = Key("A");
        EXPECT_EQ(a.m_strCommand, c.command);
        EXPECT_EQ(a.m_bAssigned, c.assigned);
        EXPECT_EQ(a.m_strDirectory, c.directory);
        EXPECT_EQ(a.m_strDescription, c.description);
        EXPECT_EQ(a.m_nKeyOptions, c.options);
        EXPECT_EQ(a.m_bAssignable, c.assignable);
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
    const auto fields = [](const FaceKey& k) {
        return std::make_tuple(k.m_strCommand, k.m_strDirectory, k.m_strDescription, k.m_bAssigned,
                               k.m_nKeyOptions);
    };
    const auto saved = fields(b);
    EXPECT_EQ(Stored("cmd", "Fn-C"), "<absent>");
    EXPECT_EQ(Stored("cmd", "Fn-D"), "<absent>");
    EXPECT_EQ(Stored("cwd", "Fn-D") + Stored("desc", "Fn-D") + Stored("opts", "Fn-D"), "0");
    Start();
    EXPECT_EQ(fields(Key("B")), saved);
}

// Keys not assignable or reserved, and keys disabled by their options, keep
// what their descriptor gave them and are never stored.
TEST_F(AssignmentStoreTest, KeysNotAssignableOrReservedAreNeitherReadNorWritten) {
    profile.Load("kelvane.key", "[keys]\nu=85 0 0 U 1 1 1 1\nr=82 1 1 R 2 2 1 1 Reserved\n"
                             "d=68 1 0 D 3 3 1 1\na=65 1 0 A 4 4 1 1\n");
    profile.Load("kelvane.ini", "[cmd]\nFn-U=u.exe\nFn-R=r.exe\nFn-D=d.exe\n[opts]\nFn-U=1\nFn-D=5\n");
    Start();
    EXPECT_EQ(Key("U").m_strCommand, "none");
    EXPECT_EQ(Key("U").m_nKeyOptions, 0u);
    EXPECT_EQ(Key("R").m_strCommand, "none");
    EXPECT_EQ(Key("R").m_strDescription, "Reserved");
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
