// The editing flow driven by scripted dialog answers: what each dialog was
// shown, what ends up stored, and what is left untouched when a stage is cancelled.
#include <string>
#include <vector>

#include "editing/editing_flow.h"
#include "model_fixture.h"

namespace {
using Seen = std::vector<std::string>;

const char kOld[] = "[cmd]\nFn-Q=C:\\OLD\\OLD.EXE\n[cwd]\nFn-Q=C:\\OLD\n[desc]\nFn-Q=Old\n[opts]\nFn-Q=1\n";
const char kPopup[] = "[cmd]\nFn-Q=@C:\\MENU\\Tools\n[cwd]\nFn-Q=C:\\W\n[desc]\nFn-Q=Tools\n";
const char kFolder[] = "C:\\START\\Games";
const char kOldShown[] = "|C:\\OLD\\OLD.EXE|C:\\OLD|Old|";

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
    bool Saved() const { return platform.requests == std::vector<std::string>{"invalidate erase"}; }
    std::string Prg(const char* section, const char* key) const {
        return Stored(section, key, "kelvane.prg");
    }

    NestedRuns runs{[] {}, [] {}};
    EditingFlow flow{{dialogs, profile, shell, strings, platform}, settings, keys, store, runs};
};

TEST_F(EditingFlowTest, EachChoiceShowsItsDialogsAndStoresOrKeepsTheKey) {
    const CommandData typed{"", "C:\\NEW\\NEW.EXE", "C:\\NEW", "New", false, false};
    const struct {
        const char* what;
        const char* ini;
        std::uint32_t options;
        bool fromDrop;
        int typeEnd, commandEnd, confirmEnd;
        Seen seen;
        std::string command, keyOptions; // stored for Fn-Q afterwards
        bool saved;
    } cases[] = {
        {"unassigned, Direct: no confirmation, switch on", "", 0, false, END_DIRECT, END_OK, END_CANCEL,
         {"type Fn-Q [x]", "command Fn-Q |none||| [x]"}, "C:\\NEW\\NEW.EXE", "0", true},
        {"assigned, Direct, confirmed", kOld, 0, false, END_DIRECT, END_OK, END_OK,
         {"type Fn-Q [x]", std::string("command Fn-Q ") + kOldShown + " [x]", "beep",
          std::string("confirm Fn-Q ") + kOldShown + " -> |C:\\NEW\\NEW.EXE|C:\\NEW|New|"},
         "C:\\NEW\\NEW.EXE", "0", true},
        {"assigned, Direct, confirmation cancelled", kOld, 0, false, END_DIRECT, END_OK, END_CANCEL,
         {"type Fn-Q [x]", std::string("command Fn-Q ") + kOldShown + " [x]", "beep",
          std::string("confirm Fn-Q ") + kOldShown + " -> |C:\\NEW\\NEW.EXE|C:\\NEW|New|"},
         "C:\\OLD\\OLD.EXE", "1", false},
        {"confirmation off overwrites at once", kOld, OPT_NOCONFIRM, false, END_DIRECT, END_OK, END_CANCEL,
         {"type Fn-Q [ ]", std::string("command Fn-Q ") + kOldShown + " [x]"}, "C:\\NEW\\NEW.EXE", "0", true},
        {"a drop asks for confirmation all the same", kOld, OPT_NOCONFIRM, true, 0, END_OK, END_CANCEL,
         {"command Fn-Q |C:\\TOOLS\\NOTEPAD.EXE|C:\\TOOLS|Notepad| [x] no browse", "beep",
          std::string("confirm Fn-Q ") + kOldShown + " -> |C:\\NEW\\NEW.EXE|C:\\NEW|New|"},
         "C:\\OLD\\OLD.EXE", "1", false},
        {"Direct on a popup key starts with empty fields", kPopup, 0, false, END_DIRECT, END_CANCEL, END_OK,
         {"type Fn-Q [x]", "command Fn-Q |||| [x]"}, "@C:\\MENU\\Tools", "<absent>", false},
        {"Clear asks with none and empty texts", kOld, 0, false, END_CLEAR, END_OK, END_OK,
         {"type Fn-Q [x]", "beep", std::string("confirm Fn-Q ") + kOldShown + " -> |none|||"},
         "<absent>", "1", true},
        {"a bare @ is shown as it is", "[cmd]\nFn-Q=@\n", 0, false, END_CLEAR, END_OK, END_CANCEL,
         {"type Fn-Q [x]", "beep", "confirm Fn-Q |@||| -> |none|||"}, "@", "<absent>", false},
        {"Cancel in the type dialog", kOld, 0, false, END_CANCEL, END_OK, END_OK,
         {"type Fn-Q [x]"}, "C:\\OLD\\OLD.EXE", "1", false},
        {"Enter in the type dialog stores the key as it is", kOld, 0, false, END_OK, END_OK, END_OK,
         {"type Fn-Q [x]"}, "C:\\OLD\\OLD.EXE", "1", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start(c.ini, c.options);
        dialogs = ScriptedDialogs{};
        dialogs.typeEnd = c.typeEnd;
        dialogs.commandEnd = c.commandEnd;
        dialogs.typed = typed;
        dialogs.confirmEnd = c.confirmEnd;
        Edit(c.fromDrop);
        EXPECT_EQ(dialogs.seen, c.seen);
        EXPECT_EQ(Stored("cmd", "Fn-Q"), c.command);
        EXPECT_EQ(Stored("opts", "Fn-Q"), c.keyOptions);
        EXPECT_EQ(Key("Q").m_bAssigned, c.command != "<absent>");
        EXPECT_EQ(Saved(), c.saved);
        EXPECT_EQ(Stored("cfg", "opts"), std::to_string(c.options)); // the type box was left alone
    }
}

// The box's new state is written as the type dialog closes, before anything
// else and whatever follows; the run already goes by it.
TEST_F(EditingFlowTest, TheConfirmBoxIsSavedAtOnceAndRulesTheSameRun) {
    const struct {
        const char* what;
        std::uint32_t options;
        bool box;
        int typeEnd, commandEnd;
        std::string storedOptions, command;
    } cases[] = {
        {"cleared, Direct: no confirmation", 0, false, END_DIRECT, END_OK, "16", "C:\\NEW"},
        {"cleared, then Add/Edit cancelled", 0, false, END_DIRECT, END_CANCEL, "16", "C:\\OLD\\OLD.EXE"},
        {"set, Direct: confirmation refused", OPT_NOCONFIRM, true, END_DIRECT, END_OK, "0", "C:\\OLD\\OLD.EXE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start(kOld, c.options);
        dialogs = ScriptedDialogs{};
        dialogs.typeBox = c.box;
        dialogs.typeEnd = c.typeEnd;
        dialogs.commandEnd = c.commandEnd;
        dialogs.typed = CommandData{"", "C:\\NEW", "", "", true, false};
        dialogs.confirmEnd = END_CANCEL;
        Edit();
        EXPECT_EQ(Stored("cfg", "opts"), c.storedOptions);
        EXPECT_EQ(Stored("cmd", "Fn-Q"), c.command);
    }
}

TEST_F(EditingFlowTest, PopupWritesTheFolderListBeforeTheConfirmation) {
    const struct {
        const char* what;
        int folderEnd;
        std::string folder;
        std::vector<RecordingShellFolders::Item> items;
        int confirmEnd;
        std::string command, description, directory, classKey, entry0, entry2;
    } cases[] = {
        {"three items, confirmed", END_OK, kFolder,
         {{"Chess", "C:\\G\\CHESS.EXE", "C:\\G"}, {"Go", "GO.EXE", ""}, {"Mines", "M.EXE", "C:\\"}},
         END_OK, std::string("@") + kFolder, "Games", "C:\\OLD", kFolder,
         "Chess (C:\\G\\CHESS.EXE) [C:\\G]", "Mines (M.EXE) [C:\\]"},
        {"confirmation refused: the list stays, the key too", END_OK, kFolder,
         {{"Chess", "C:\\G\\CHESS.EXE", "C:\\G"}}, END_CANCEL, "C:\\OLD\\OLD.EXE", "Old", "C:\\OLD",
         kFolder, "Chess (C:\\G\\CHESS.EXE) [C:\\G]", "<absent>"},
        {"an empty folder: the key keeps its assignment", END_OK, kFolder, {}, END_OK,
         "C:\\OLD\\OLD.EXE", "Old", "C:\\OLD", kFolder, "<absent>", "<absent>"},
        {"browser cancelled", END_CANCEL, kFolder, {{"Chess", "C", ""}}, END_OK, "C:\\OLD\\OLD.EXE",
         "Old", "C:\\OLD", "<absent>", "<absent>", "<absent>"},
        {"a folder without a path is taken as a cancel", END_OK, "", {{"Chess", "C", ""}}, END_OK,
         "C:\\OLD\\OLD.EXE", "Old", "C:\\OLD", "<absent>", "<absent>", "<absent>"},
        {"a path without a backslash is its own description", END_OK, "GAMES", {{"Chess", "C", ""}},
         END_OK, "@GAMES", "GAMES", "C:\\OLD", "GAMES", "Chess (C) []", "<absent>"},
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
        const FaceKey& q = Key("Q");
        EXPECT_EQ(q.m_strCommand, c.command);
        EXPECT_EQ(q.m_strDescription, c.description);
        EXPECT_EQ(q.m_strDirectory, c.directory);
        EXPECT_EQ(Prg("class", c.folder.c_str()), c.classKey);
        EXPECT_EQ(Prg(c.folder.c_str(), "key00"), c.entry0);
        EXPECT_EQ(Prg(c.folder.c_str(), "key02"), c.entry2);
        EXPECT_EQ(Prg(c.folder.c_str(), "key07"), c.classKey == "<absent>" ? "stale" : "<absent>");
    }
    // A stored popup list shows as such in the confirmation; switching is off for it.
    EXPECT_EQ(dialogs.seen.back(), std::string("confirm Fn-Q ") + kOldShown +
                                       " -> |Popup List... GAMES|C:\\OLD|GAMES|");
    EXPECT_EQ(Stored("opts", "Fn-Q"), "0");
}

} // namespace
