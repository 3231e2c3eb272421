// The editing flow driven by scripted dialog answers: what each dialog was
// shown, what ends up stored, and what is left untouched when a stage is cancelled.
#include <optional>
#include <string>
#include <vector>

#include "editing/editing_flow.h"
#include "model_fixture.h"

namespace {
using Seen = std::vector<std::string>;

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
    bool Saved() const { return platform.requests == std::vector<std::string>{"invalidate erase"}; }
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
        Seen seen;
        std::string command, keyOptions; // stored for Fn-Q afterwards
        bool saved;
    } cases[] = {
        {"unassigned, Direct: no confirmation, switch on", "", 0, {}, false, END_DIRECT, END_OK,
         END_CANCEL, {kType, "command Fn-Q |none||| [x]"}, "C:\\NEW\\NEW.EXE", "0", true},
        {"assigned, Direct, confirmed", kOld, 0, {}, false, END_DIRECT, END_OK, END_OK,
         {kType, kEditOld, "beep", kConfirmNew}, "C:\\NEW\\NEW.EXE", "0", true},
        {"assigned, Direct, confirmation cancelled", kOld, 0, {}, false, END_DIRECT, END_OK,
         END_CANCEL, {kType, kEditOld, "beep", kConfirmNew}, "C:\\OLD\\OLD.EXE", "1", false},
        {"confirmation off overwrites at once", kOld, OPT_NOCONFIRM, {}, false, END_DIRECT, END_OK,
         END_CANCEL, {"type Fn-Q [ ]", kEditOld}, "C:\\NEW\\NEW.EXE", "0", true},
        {"box cleared, Direct: no confirmation", kOld, 0, false, false, END_DIRECT, END_OK,
         END_CANCEL, {kType, kEditOld}, "C:\\NEW\\NEW.EXE", "0", true},
        {"box cleared, then Add/Edit cancelled", kOld, 0, false, false, END_DIRECT, END_CANCEL,
         END_OK, {kType, kEditOld}, "C:\\OLD\\OLD.EXE", "1", false},
        {"box set, Direct: confirmation refused", kOld, OPT_NOCONFIRM, true, false, END_DIRECT,
         END_OK, END_CANCEL, {"type Fn-Q [ ]", kEditOld, "beep", kConfirmNew}, "C:\\OLD\\OLD.EXE",
         "1", false},
        {"a drop asks for confirmation all the same", kOld, OPT_NOCONFIRM, {}, true, 0, END_OK,
         END_CANCEL,
         {"command Fn-Q |C:\\TOOLS\\NOTEPAD.EXE|C:\\TOOLS|Notepad| [x] no browse", "beep", kConfirmNew},
         "C:\\OLD\\OLD.EXE", "1", false},
        {"Direct on a popup key starts with empty fields", kPopup, 0, {}, false, END_DIRECT,
         END_CANCEL, END_OK, {kType, "command Fn-Q |||| [x]"}, "@C:\\MENU\\Tools", "<absent>", false},
        {"Clear asks with none and empty texts", kOld, 0, {}, false, END_CLEAR, END_OK, END_OK,
         {kType, "beep", "confirm Fn-Q " + kOldShown + " -> |none|||"}, "<absent>", "1", true},
        {"a bare @ is shown as it is", "[cmd]\nFn-Q=@\n", 0, {}, false, END_CLEAR, END_OK,
         END_CANCEL, {kType, "beep", "confirm Fn-Q |@||| -> |none|||"}, "@", "<absent>", false},
        {"Cancel in the type dialog", kOld, 0, {}, false, END_CANCEL, END_OK, END_OK, {kType},
         "C:\\OLD\\OLD.EXE", "1", false},
        {"Enter in the type dialog stores the key as it is", kOld, 0, {}, false, END_OK, END_OK,
         END_OK, {kType}, "C:\\OLD\\OLD.EXE", "1", true},
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
        EXPECT_EQ(Stored("cmd", "Fn-Q"), c.command);
        EXPECT_EQ(Stored("opts", "Fn-Q"), c.keyOptions);
        EXPECT_EQ(Key("Q").m_bAssigned, c.command != "<absent>");
        EXPECT_EQ(Saved(), c.saved);
        EXPECT_EQ(Stored("cfg", "opts"),
                  std::to_string(c.box ? (*c.box ? 0 : std::uint32_t{OPT_NOCONFIRM}) : c.options));
    }
}

TEST_F(EditingFlowTest, PopupWritesTheFolderListBeforeTheConfirmation) {
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

} // namespace
