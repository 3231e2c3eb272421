// The main window's commands: the option bits and check marks, the colour
// dialog's answers, the desktop's requests, what is left to the platform,
// and the system menu's forwarding. The Wine tests prove the window carries
// out what is asked here.
#include <string>
#include <vector>

#include "model_fixture.h"

namespace {
using Requests = std::vector<std::string>;

const char kNoHelp[] = "message No Help Currently available | Launcher | 1";

class FrameCommandTest : public ModelTest {
protected:
    FrameCommandTest() {
        profile.Load("kelvane.ini", "[cfg]\nopts=4703\n");
        const std::uint32_t none = 0;
        frame.LoadSettings(&none);
    }
    // What the window and the desktop were asked since the last call.
    Requests Requested() {
        Requests requests;
        requests.swap(platform.requests);
        return requests;
    }

    CKeyboardFrame frame{Ports()};
};

// Every option command flips its own bit of the stored word and, for the
// five in the Options menu, the check mark of its item; a second time
// restores both. "&Always On Top" sets the window's state too, and with
// lParam -1 only applies the stored one.
TEST_F(FrameCommandTest, OptionCommandsFlipTheirBitAndTheirCheckMark) {
    using Marks = std::vector<std::pair<unsigned, bool>>;
    const Marks marks = frame.MenuCheckMarks(); // of the options word 4703
    EXPECT_EQ(marks, (Marks{{482, true}, {487, false}, {470, true}, {472, false}, {471, false}}));
    const struct {
        unsigned id, bit;
        Requests effects;
    } cases[] = {{470, 0x4, {}},  {471, 0x10, {}}, {472, 0x8, {}},
                 {474, 0x40, {}}, {482, 0x2, {"not topmost"}}, {487, 0x1, {"invalidate erase"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_TRUE(frame.OnCommand(c.id, 0));
        EXPECT_EQ(Stored("cfg", "opts"), std::to_string(4703 ^ c.bit));
        Marks flipped = marks;
        for (auto& [id, checked] : flipped) checked = checked != (id == c.id);
        EXPECT_EQ(frame.MenuCheckMarks(), flipped);
        EXPECT_EQ(Requested(), c.effects);
        EXPECT_TRUE(frame.OnCommand(c.id, 0));
        EXPECT_EQ(Stored("cfg", "opts"), "4703");
        EXPECT_EQ(frame.MenuCheckMarks(), marks);
        Requested();
    }
    EXPECT_TRUE(frame.OnCommand(482, -1));
    EXPECT_EQ(Requested(), Requests{"topmost"});
    EXPECT_EQ(Stored("cfg", "opts"), "4703");
}

// Cancel changes nothing; OK stores the choice, which the next dialog starts from.
TEST_F(FrameCommandTest, ColourCommandsStoreAndShowTheColourChosen) {
    const struct {
        unsigned id;
        const char* key;
        std::string shown; // what the window is asked after OK
    } cases[] = {
        {483, "hint", "hint background " + std::to_string(MakeColour(1, 22, 203))},
        {485, "highlite", "invalidate erase"},
        {486, "disable", "invalidate erase"},
        {489, "mark", "invalidate erase"},
    };
    colours.answer = MakeColour(1, 22, 203);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        colours.pressOk = false;
        EXPECT_TRUE(frame.OnCommand(c.id, 0));
        EXPECT_EQ(Requested(), Requests{});
        EXPECT_EQ(Stored("cfg", c.key), "<absent>");
        colours.pressOk = true;
        EXPECT_TRUE(frame.OnCommand(c.id, 0));
        EXPECT_TRUE(frame.OnCommand(c.id, 0));
        EXPECT_EQ(Stored("cfg", c.key), "1 22 203");
        EXPECT_EQ(Requested(), (Requests{c.shown, c.shown}));
        EXPECT_EQ(colours.startedFrom.back(), MakeColour(1, 22, 203));
    }
}

TEST_F(FrameCommandTest, CommandsAskTheWindowAndTheDesktopForExactlyTheirEffects) {
    const struct {
        unsigned id;
        Requests effects;
    } cases[] = {
        {491, {"close"}},
        {492, {"desktop: log off"}},
        {493, {"desktop: log off"}},
        {480, {"desktop: start minimized progman.exe"}}, // no Program Manager window
        {57671, {kNoHelp}}, // the last of the help commands
        {307, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_TRUE(frame.OnCommand(c.id, 0));
        EXPECT_EQ(Requested(), c.effects);
    }
    EXPECT_EQ(frame.GetSettings().Options(), 4703u);
}

// The list's expand box is stored when the list ends with OK, not after Esc.
TEST_F(FrameCommandTest, AssignmentListStoresItsExpandBoxOnlyOnOk) {
    for (const auto& [end, stored] : {std::pair{END_CANCEL, "4703"}, {END_OK, "607"}}) {
        dialogs.keyListEnd = end;
        EXPECT_TRUE(frame.OnCommand(303, 0));
        EXPECT_EQ(Stored("cfg", "opts"), stored);
    }
}

// Files can be dropped only on a face that can be seen; the state is stored.
TEST_F(FrameCommandTest, MinimizingRefusesDropsAndIsStored) {
    frame.OnSize(1);
    EXPECT_EQ(Stored("cfg", "fIcon"), "1");
    frame.OnSize(0);
    EXPECT_EQ(Stored("cfg", "fIcon"), "0");
    EXPECT_EQ(Requested(), (Requests{"refuse drops", "accept drops"}));
}

TEST_F(FrameCommandTest, UnknownIdsAreLeftToThePlatform) {
    // The whole wParam counts: a notification code in the high word makes another id.
    for (const unsigned id : {0u, 299u, 301u, 469u, 473u, 481u, 484u, 488u, 490u, 496u, 799u,
                              57665u, 57667u, 57672u, 0xE141u, 0x10000u | 470}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(frame.OnCommand(id, 0));
    }
    EXPECT_EQ(Requested(), Requests{});
    EXPECT_EQ(frame.GetSettings().Options(), 4703u);
}

TEST_F(FrameCommandTest, SystemMenuForwardsTheConfigurationItemsAndAnswersHelp) {
    const struct {
        unsigned id;
        long lParam;
        bool handled;
        Requests effects;
    } cases[] = {
        {300, 0, true, {"send 300 0"}},
        {482, -1, true, {"send 482 -1"}},
        {500, 5, true, {"send 500 5"}},
        {0xE140, 0, true, {}}, // the application's About item: swallowed
        {0xE142, 0, true, {kNoHelp}},
        {0xE144, 0, true, {kNoHelp}},
        {0xE146, 0, true, {kNoHelp}},
        {299, 0, false, {}},
        {501, 0, false, {}},
        {0xE141, 0, false, {}},
        {0xF020, 0, false, {}}, // minimize
        {57669, 0, false, {}},  // a help command, but not from the system menu
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(frame.OnSysCommand(c.id, c.lParam), c.handled);
        EXPECT_EQ(Requested(), c.effects);
    }
}

} // namespace
