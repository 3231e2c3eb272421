// The editing flow driven by scripted dialog answers (what each dialog was
// shown, what ends up stored, and what is left untouched when a stage is
// cancelled), and the texts made for the dialogs: a dropped file's three
// fields, the command dialog's rules and the lines of the assignment list.
#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/value_limit.h"
#include "editing/command_fields.h"
#include "editing/dropped_file.h"
#include "editing/editing_flow.h"
#include "editing/key_list.h"
#include "model_fixture.h"

namespace {
using Texts = std::vector<std::string>;

const char kOld[] = "[cmd]\nFn-Q=C:\\OLD\\OLD.EXE\n[cwd]\nFn-Q=C:\\OLD\n[desc]\nFn-Q=Old\n[opts]\nFn-Q=1\n";
const char kPopup[] = "[cmd]\nFn-Q=@C:\\MENU\\Tools\n[cwd]\nFn-Q=C:\\W\n[desc]\nFn-Q=Tools\n";
const char kFolder[] = "C:\\START\\Games";
const char kOldKey[] = "assignable assigned opts 1 C:\\OLD\\OLD.EXE|C:\\OLD|Old";
// What the dialogs show of the old assignment and of the one typed.
const std::string kOldShown = "|C:\\OLD\\OLD.EXE|C:\\OLD|Old|";
const std::string kType = "type Fn-Q [x]", kEditOld = "command Fn-Q " + kOldShown + " [x]",
                  kConfirmNew = "confirm Fn-Q " + kOldShown + " -> |C:\\NEW\\NEW.EXE|C:\\NEW|New|";

class EditingFlowTest : public PartsTest {
protected:
    void Start(const std::string& ini, std::uint32_t options = 0) {
        profile.Load("kelvane.ini", ini + "[cfg]\nopts=" + std::to_string(options) + "\n");
        PartsTest::Start();
        platform.requests.clear();
    }
    void Edit(bool fromDrop = false, const char* key = "Q") {
        FaceKey& k = Key(key);
        if (fromDrop)
            flow.EditKeyAssignment(k, "C:\\TOOLS\\NOTEPAD.EXE", "C:\\TOOLS", "Notepad", true);
        else
            flow.EditKeyAssignment(k, k.m_strCommand, k.m_strDirectory, k.m_strDescription, false);
    }
    std::string Prg(const char* section, const char* key) const {
        return Stored(section, key, "kelvane.prg");
    }

    NestedRuns runs{[] {}, [] {}};
    EditingFlow flow{{dialogs, profile, shell, strings, platform}, settings, keys, store, runs};
};

// The confirm box's new state (unset: left alone) is written as the type
// dialog closes, before anything else and whatever follows; the run already goes by it.
TEST_F(EditingFlowTest, EachChoiceShowsItsDialogsAndStoresOrKeepsTheKey) {
    const struct {
        const char* what;
        const char* ini;
        std::uint32_t options;
        std::optional<bool> box;
        bool fromDrop;
        int typeEnd, commandEnd, confirmEnd;
        Texts seen;
        std::string stored; // Fn-Q's command and options afterwards; "saved" when drawn again
    } cases[] = {
        {"unassigned, Direct: no confirmation, switch on", "", 0, {}, false, END_DIRECT, END_OK,
         END_CANCEL, {kType, "command Fn-Q |none||| [x]"}, "C:\\NEW\\NEW.EXE|0|saved"},
        {"assigned, Direct, confirmed", kOld, 0, {}, false, END_DIRECT, END_OK, END_OK,
         {kType, kEditOld, "beep", kConfirmNew}, "C:\\NEW\\NEW.EXE|0|saved"},
        {"assigned, Direct, confirmation cancelled", kOld, 0, {}, false, END_DIRECT, END_OK,
         END_CANCEL, {kType, kEditOld, "beep", kConfirmNew}, "C:\\OLD\\OLD.EXE|1"},
        {"confirmation off overwrites at once", kOld, OPT_NOCONFIRM, {}, false, END_DIRECT, END_OK,
         END_CANCEL, {"type Fn-Q [ ]", kEditOld}, "C:\\NEW\\NEW.EXE|0|saved"},
        {"box cleared, Direct: no confirmation", kOld, 0, false, false, END_DIRECT, END_OK,
         END_CANCEL, {kType, kEditOld}, "C:\\NEW\\NEW.EXE|0|saved"},
        {"box cleared, then Add/Edit cancelled", kOld, 0, false, false, END_DIRECT, END_CANCEL,
         END_OK, {kType, kEditOld}, "C:\\OLD\\OLD.EXE|1"},
        {"box set, Direct: confirmation refused", kOld, OPT_NOCONFIRM, true, false, END_DIRECT,
         END_OK, END_CANCEL, {"type Fn-Q [ ]", kEditOld, "beep", kConfirmNew}, "C:\\OLD\\OLD.EXE|1"},
        {"a drop asks for confirmation all the same", kOld, OPT_NOCONFIRM, {}, true, 0, END_OK,
         END_CANCEL,
         {"command Fn-Q |C:\\TOOLS\\NOTEPAD.EXE|C:\\TOOLS|Notepad| [x] no browse", "beep", kConfirmNew},
         "C:\\OLD\\OLD.EXE|1"},
        {"Direct on a popup key starts with empty fields", kPopup, 0, {}, false, END_DIRECT,
         END_CANCEL, END_OK, {kType, "command Fn-Q |||| [x]"}, "@C:\\MENU\\Tools|<absent>"},
        {"Clear asks with none and empty texts", kOld, 0, {}, false, END_CLEAR, END_OK, END_OK,
         {kType, "beep", "confirm Fn-Q " + kOldShown + " -> |none|||"}, "<absent>|1|saved"},
        {"a bare @ is shown as it is", "[cmd]\nFn-Q=@\n", 0, {}, false, END_CLEAR, END_OK,
         END_CANCEL, {kType, "beep", "confirm Fn-Q |@||| -> |none|||"}, "@|<absent>"},
        {"Cancel in the type dialog", kOld, 0, {}, false, END_CANCEL, END_OK, END_OK, {kType},
         "C:\\OLD\\OLD.EXE|1"},
        {"Enter in the type dialog stores the key as it is", kOld, 0, {}, false, END_OK, END_OK,
         END_OK, {kType}, "C:\\OLD\\OLD.EXE|1|saved"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start(c.ini, c.options);
        dialogs = ScriptedDialogs{};
        dialogs.typeBox = c.box;
        dialogs.typeEnd = c.typeEnd;
        dialogs.commandEnd = c.commandEnd;
        dialogs.typed = CommandData{"", "C:\\NEW\\NEW.EXE", "C:\\NEW", "New", false, false};
        dialogs.confirmEnd = c.confirmEnd;
        Edit(c.fromDrop);
        EXPECT_EQ(dialogs.seen, c.seen);
        const bool saved = platform.requests == Texts{"invalidate erase"};
        EXPECT_EQ(Stored("cmd", "Fn-Q") + "|" + Stored("opts", "Fn-Q") + (saved ? "|saved" : ""), c.stored);
        EXPECT_EQ(Key("Q").m_bAssigned, Stored("cmd", "Fn-Q") != "<absent>");
        EXPECT_EQ(Stored("cfg", "opts"),
                  std::to_string(c.box ? (*c.box ? 0 : std::uint32_t{OPT_NOCONFIRM}) : c.options));
    }
}

TEST_F(EditingFlowTest, PopupWritesTheFolderListBeforeTheConfirmation) {
    const std::string kAtLimit(kMaxValueChars - 7, 'b'); // in "B (...) []"
    const struct {
        const char* what;
        int folderEnd;
        std::string folder;
        std::vector<RecordingShellFolders::Item> items;
        int confirmEnd;
        std::string key, classKey, entry0, entry2;
    } cases[] = {
        {"three items, confirmed", END_OK, kFolder,
         {{"Chess", "C:\\G\\CHESS.EXE", "C:\\G"}, {"Go", "GO.EXE", ""}, {"Mines", "M.EXE", "C:\\"}},
         END_OK, std::string("assignable assigned @") + kFolder + "|C:\\OLD|Games", kFolder,
         "Chess (C:\\G\\CHESS.EXE) [C:\\G]", "Mines (M.EXE) [C:\\]"},
        {"confirmation refused: the list stays, the key too", END_OK, kFolder,
         {{"Chess", "C:\\G\\CHESS.EXE", "C:\\G"}}, END_CANCEL, kOldKey, kFolder,
         "Chess (C:\\G\\CHESS.EXE) [C:\\G]", "<absent>"},
        {"an empty folder: the key keeps its assignment", END_OK, kFolder, {}, END_OK, kOldKey,
         kFolder, "<absent>", "<absent>"},
        {"browser cancelled", END_CANCEL, kFolder, {{"Chess", "C", ""}}, END_OK, kOldKey,
         "<absent>", "<absent>", "<absent>"},
        {"a folder without a path is taken as a cancel", END_OK, "", {{"Chess", "C", ""}}, END_OK,
         kOldKey, "<absent>", "<absent>", "<absent>"},
        {"an item over the limit is left out, one at it kept", END_OK, kFolder,
         {{"A", kAtLimit + "a", ""}, {"B", kAtLimit, ""}}, END_OK,
         std::string("assignable assigned @") + kFolder + "|C:\\OLD|Games", kFolder, "B (" + kAtLimit + ") []", "<absent>"},
        // A stored popup list shows as such in the confirmation; switching is off for it.
        {"a path without a backslash is its own description", END_OK, "GAMES", {{"Chess", "C", ""}},
         END_OK, "assignable assigned @GAMES|C:\\OLD|GAMES", "GAMES", "Chess (C) []", "<absent>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start(kOld);
        profile.Load("kelvane.prg", "[" + c.folder + "]\nkey07=stale\n");
        shell.folders.clear();
        shell.folders[c.folder] = c.items;
        dialogs = ScriptedDialogs{};
        dialogs.typeEnd = END_POPUP;
        dialogs.folderEnd = c.folderEnd;
        dialogs.folder = c.folder;
        dialogs.confirmEnd = c.confirmEnd;
        Edit();
        EXPECT_EQ(Assignment(Key("Q")), c.key);
        EXPECT_EQ(Prg("class", c.folder.c_str()), c.classKey);
        EXPECT_EQ(Prg(c.folder.c_str(), "key00"), c.entry0);
        EXPECT_EQ(Prg(c.folder.c_str(), "key02"), c.entry2);
        EXPECT_EQ(Prg(c.folder.c_str(), "key07"), c.classKey == "<absent>" ? "stale" : "<absent>");
    }
    EXPECT_EQ(dialogs.seen.back(), "confirm Fn-Q " + kOldShown + " -> |Popup List... GAMES|C:\\OLD|GAMES|");
    EXPECT_EQ(Stored("opts", "Fn-Q"), "0");
}


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

// Lengths count UTF-16 units: "\xE2\x82\xAC" one, "\xF0\x9F\x98\x80" two, a stray byte one.
TEST(CommandFieldsTest, OkRefusesTheFirstFieldInTabOrderLongerThanTheLimit) {
    EXPECT_EQ(Utf16Length("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xFF\xC3"), 7u);
    const std::string fits(kMaxValueChars, 'x'), over = fits + "x", euro = fits.substr(1) + "\xE2\x82\xAC";
    EXPECT_FALSE(command_fields::FirstTooLong({fits, fits, euro}, BuiltinStrings()));
    for (const auto& [fields, refused] :
         {std::pair{command_fields::Fields{over, fits, fits}, "Command line"}, {{fits, over, fits}, "Working directory"},
          {{over, over, fits.substr(1) + "\xF0\x9F\x98\x80"}, "Description"}})
        EXPECT_EQ(command_fields::FirstTooLong(fields, BuiltinStrings())->message,
                  refused + std::string(" too long, at most 2083 characters"));
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
    const Texts collapsed = key_list::Lines(keys, profile, settings.PrgFile(), 3, false);
    const Texts expanded = key_list::Lines(keys, profile, settings.PrgFile(), 3, true);
    const std::string esc = "~Fn-ESC" + std::string(13, ' ');
    EXPECT_EQ(expanded.size(), collapsed.size() + 5);
    EXPECT_EQ(collapsed.front(), " Fn-1" + std::string(15, ' ') + "Fn-1     ");
    const auto escAt = std::find(expanded.begin(), expanded.end(), esc + "@Fn-ESC     Tools");
    ASSERT_NE(escAt, expanded.end());
    EXPECT_EQ(Texts(escAt, escAt + 6), (Texts{esc + "@Fn-ESC     Tools", esc + "~@Home",
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
