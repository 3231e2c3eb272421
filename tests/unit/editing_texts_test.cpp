// The texts made for the editing dialogs: a dropped file's three fields and
// the lines of the assignment list.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "editing/command_fields.h"
#include "editing/dropped_file.h"
#include "editing/key_list.h"
#include "model_fixture.h"

namespace {
using Lines = std::vector<std::string>;

// A full path (the drop test under Wine), a full path browsed for and a
// directory with a trailing backslash, refused or cut (the editing run), are
// end-to-end cases.
TEST(DroppedFileTest, PathSplitsIntoCommandDirectoryAndDescription) {
    for (const auto& [path, fields] :
         {std::pair{"C:\\MY.TOOL.EXE", "C:|My"}, {"C:\\DOCS\\README", "C:\\DOCS|README"},
          {"C:\\.PROFILE", "C:|"}, {"D:\\GAMES", "D:|GAMES"}, {"NOTES.TXT", "NOTES.TXT|Notes"},
          {"C:\\DIR\\", "C:\\DIR|"}}) {
        const DroppedFile file = SplitDroppedPath(path);
        EXPECT_EQ(file.command, path);
        EXPECT_EQ(file.directory + "|" + file.description, fields) << path;
    }
}

TEST(CommandFieldsTest, BrowsedFileAndWorkingDirectoryRules) {
    const command_fields::Fields bare = command_fields::OfBrowsedFile("EDIT.EXE");
    EXPECT_EQ(bare.command + "|" + bare.workingDirectory + "|" + bare.description,
              "EDIT.EXE||EDIT.EXE");
    for (const auto& [directory, kept] : {std::pair{"D:\\APPS", "D:\\APPS"}, {"D:\\", "D:"}, {"", ""}})
        EXPECT_EQ(command_fields::WithoutTrailingBackslash(directory), kept);
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

// Titles of the usual "title (command) [directory]" values are read in the list test below.
TEST(KeyListTest, EntryTitleIsTheStoredValueCutBeforeItsCommand) {
    for (const auto& [value, title] : {std::pair{"Calc (v2) (CALC.EXE) []", "Calc (v2)"},
                                       {"No parentheses", "No parentheses"},
                                       {"Only ( open", "Only ( open"}, {"(X) []", ""}})
        EXPECT_EQ(key_list::EntryTitle(value), title) << value;
}

// Keys with one-character names first, then the others, each by label and
// without regard to case; entries under their key by title, "@" and "~"
// before digits and letters; unassigned keys too.
TEST_F(PartsTest, KeyListLinesAreSortedWholeWithEntriesUnderTheirKey) {
    profile.Load("kelvane.ini",
                 "[cmd]\nFn-ESC=@C:\\MENU\\Tools\nFn-A=NOTEPAD.EXE\n[desc]\nFn-ESC=Tools\nFn-A=Notepad\n");
    shell.folders["C:\\MENU\\Tools"] = {
        {"Editor", "E.EXE", "C:\\"}, {"apple", "A.EXE", ""}, {"1-2-3", "T.EXE", ""},
        {"~Notes", "N.EXE", ""},      {"@Home", "H.EXE", ""}};
    Start();
    const Lines collapsed = key_list::Lines(keys, profile, settings.PrgFile(), 3, false);
    const Lines expanded = key_list::Lines(keys, profile, settings.PrgFile(), 3, true);
    const std::string esc = "~Fn-ESC" + std::string(13, ' ');
    EXPECT_EQ(expanded.size(), collapsed.size() + 5);
    EXPECT_EQ(collapsed.front(), " Fn-1" + std::string(15, ' ') + "Fn-1     ");
    const auto escAt = std::find(expanded.begin(), expanded.end(), esc + "@Fn-ESC     Tools");
    ASSERT_NE(escAt, expanded.end());
    EXPECT_EQ(Lines(escAt, escAt + 6), (Lines{esc + "@Fn-ESC     Tools", esc + "~@Home",
                                              esc + "~~Notes", esc + "~1-2-3", esc + "~apple",
                                              esc + "~Editor"}));
    EXPECT_LT(std::find(expanded.begin(), expanded.end(), " Fn-A" + std::string(15, ' ') + "Fn-A     Notepad"),
              escAt);
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
