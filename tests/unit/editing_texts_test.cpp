// The texts made for the editing dialogs: a dropped file's three fields and
// the lines of the assignment list.
#include <strings.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editing/command_fields.h"
#include "editing/dropped_file.h"
#include "editing/key_list.h"
#include "model_fixture.h"

namespace {
using Lines = std::vector<std::string>;

TEST(DroppedFileTest, PathSplitsIntoCommandDirectoryAndDescription) {
    const struct {
        const char* path;
        const char* directory;
        const char* description;
    } cases[] = {
        {"C:\\TOOLS\\NOTEPAD.EXE", "C:\\TOOLS", "Notepad"},
        {"C:\\MY.TOOL.EXE", "C:", "My"},
        {"C:\\DOCS\\README", "C:\\DOCS", "README"},
        {"C:\\.PROFILE", "C:", ""},
        {"D:\\GAMES", "D:", "GAMES"},
        {"NOTES.TXT", "NOTES.TXT", "Notes"},
        {"C:\\DIR\\", "C:\\DIR", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const DroppedFile file = SplitDroppedPath(c.path);
        EXPECT_EQ(file.command, c.path);
        EXPECT_EQ(file.directory, c.directory);
        EXPECT_EQ(file.description, c.description);
    }
}

TEST(CommandFieldsTest, BrowsedFileAndWorkingDirectoryRules) {
    const command_fields::Fields edit = command_fields::OfBrowsedFile("C:\\TOOLS\\EDIT.EXE");
    EXPECT_EQ(edit.command, "C:\\TOOLS\\EDIT.EXE");
    EXPECT_EQ(edit.workingDirectory, "C:\\TOOLS");
    EXPECT_EQ(edit.description, "EDIT.EXE");
    EXPECT_EQ(command_fields::OfBrowsedFile("EDIT.EXE").workingDirectory, "");
    EXPECT_EQ(command_fields::OfBrowsedFile("EDIT.EXE").description, "EDIT.EXE");

    for (const char* directory : {"D:\\APPS\\", "D:\\APPS"})
        EXPECT_EQ(command_fields::WithoutTrailingBackslash(directory), "D:\\APPS");
    EXPECT_EQ(command_fields::WithoutTrailingBackslash("D:\\"), "D:");
    EXPECT_EQ(command_fields::WithoutTrailingBackslash(""), "");

    EXPECT_TRUE(command_fields::RefusedUntested("C:\\TOOLS\\"));
    for (const char* tested : {"C:\\", "C:\\TOOLS", ""})
        EXPECT_FALSE(command_fields::RefusedUntested(tested)) << tested;
}

TEST(CommandFieldsTest, OpenFileFilterJoinsStringsNinetyOnAndEndsInTwoNuls) {
    const std::string filter = command_fields::OpenFileFilter(BuiltinStrings());
    using namespace std::string_literals;
    const std::string first = "All applications \0 *.exe;*.com;*.bat;*.pif \0EXE files (*.exe) \0"s;
    const std::string last = "(*.*) \0*.*\0\0"s;
    EXPECT_EQ(filter.substr(0, first.size()), first);
    EXPECT_EQ(filter.substr(filter.size() - last.size()), last);
}

TEST(KeyListTest, EntryTitleIsTheStoredValueCutBeforeItsCommand) {
    const struct {
        const char* value;
        const char* title;
    } cases[] = {
        {"Editor (C:\\E.EXE) [C:\\]", "Editor"},
        {"Calc (v2) (CALC.EXE) []", "Calc (v2)"},
        {"No parentheses", "No parentheses"},
        {"Only ( open", "Only ( open"},
        {"(X) []", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(key_list::EntryTitle(c.value), c.title) << c.value;
}

class KeyListLinesTest : public PartsTest {
protected:
    Lines Build(bool expand) {
        Start();
        return key_list::Lines(keys, profile, settings.PrgFile(), 3, expand);
    }
};

// Keys with one-character names first, then the others, each by label;
// entries under their key by title; unassigned keys listed too.
TEST_F(KeyListLinesTest, LinesAreSortedWholeWithEntriesUnderTheirKey) {
    profile.Load("kelvane.ini",
                 "[cmd]\nFn-ESC=@C:\\MENU\\Tools\nFn-A=NOTEPAD.EXE\n[desc]\nFn-ESC=Tools\nFn-A=Notepad\n");
    profile.Load("C:\\WINDOWS\\kelvane.prg",
                 "[C:\\MENU\\Tools]\nkey00=zip (Z.EXE) []\nkey01=Editor (E.EXE) [C:\\]\n");
    shell.folders["C:\\MENU\\Tools"] = {{"zip", "Z.EXE", ""}, {"Editor", "E.EXE", "C:\\"}};
    const std::string a = " Fn-A" + std::string(15, ' ');
    const std::string esc = "~Fn-ESC" + std::string(13, ' ');
    for (bool expand : {false, true}) {
        SCOPED_TRACE(expand);
        const Lines lines = Build(expand);
        const auto at = [&](const std::string& line) {
            return std::find(lines.begin(), lines.end(), line) - lines.begin();
        };
        const long aLine = at(a + "Fn-A     Notepad"), escLine = at(esc + "@Fn-ESC     Tools");
        ASSERT_LT(aLine, static_cast<long>(lines.size()));
        ASSERT_LT(escLine, static_cast<long>(lines.size()));
        EXPECT_LT(aLine, escLine);
        EXPECT_EQ(lines.front(), " Fn-1" + std::string(15, ' ') + "Fn-1     "); // unassigned, no description
        if (expand) {
            EXPECT_EQ(lines[escLine + 1], esc + "~Editor");
            EXPECT_EQ(lines[escLine + 2], esc + "~zip");
        } else {
            EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                    [](const std::string& l) { return l[20] == '~'; }), 0);
        }
        EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end(), [](const std::string& x, const std::string& y) {
            return strcasecmp(x.c_str(), y.c_str()) < 0;
        }));
    }
}

TEST(KeyListTest, LineKindShownTextAndLabel) {
    const std::string key = std::string(20, ' ');
    const struct {
        std::string line;
        key_list::LineKind kind;
        std::string shown, label;
    } cases[] = {
        {key + "Fn-A     Notepad", key_list::LineKind::Key, "Fn-A     Notepad", "Fn-A"},
        {key + "@Fn-ESC     Tools", key_list::LineKind::PopupKey, "Fn-ESC     Tools", "Fn-ESC"},
        {key + "~Editor", key_list::LineKind::Entry, "Editor", ""},
        {key + "@" + std::string(50, 'L'), key_list::LineKind::PopupKey, std::string(50, 'L'),
         std::string(39, 'L')}, // a label is read back into 40 bytes
        {"short", key_list::LineKind::Key, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(key_list::KindOf(c.line), c.kind);
        EXPECT_EQ(key_list::Shown(c.line), c.shown);
        EXPECT_EQ(key_list::LabelOf(c.line), c.label);
    }
}
} // namespace
