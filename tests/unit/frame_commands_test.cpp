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

class FrameCommandTest : public FrameTest {
protected:
    FrameCommandTest() {
        profile.Load("kelvane.ini", "[cfg]\nopts=4703\n");
        const std::uint32_t none = 0;
        frame.LoadSettings(&none);
    }
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
        EXPECT_EQ(Effects(), c.effects);
        EXPECT_TRUE(frame.OnCommand(c.id, 0));
        EXPECT_EQ(Stored("cfg", "opts"), "4703");
        EXPECT_EQ(frame.MenuCheckMarks(), marks);
        Effects();
    }
    EXPECT_TRUE(frame.OnCommand(482, -1));
    EXPECT_EQ(Effects(), Requests{"topmost"});
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
        EXPECT_EQ(Effects(), Requests{});
        EXPECT_EQ(Stored("cfg", c.key), "<absent>");
        colours.pressOk = true;
        EXPECT_TRUE(frame.OnCommand(c.id, 0));
        EXPECT_TRUE(frame.OnCommand(c.id, 0));
        EXPECT_EQ(Stored("cfg", c.key), "1 22 203");
        EXPECT_EQ(Effects(), (Requests{c.shown, c.shown}));
        EXPECT_EQ(colours.startedFrom.back(), MakeColour(1, 22, 203));
    }
}

// Commands and system commands: what each asks of the window and the desktop,
// and which are left to the platform.
TEST_F(FrameCommandTest, CommandsAskTheWindowAndTheDesktopForExactlyTheirEffects) {
    const struct {
        bool system;
        unsigned id;
        long lParam;
        Requests effects;
    } cases[] = {
        {false, 492, 0, {"desktop: log off"}},
        {false, 493, 0, {"desktop: log off"}},
        {false, 480, 0, {"desktop: start minimized progman.exe"}}, // no Program Manager window
        {false, 57671, 0, {kNoHelp}}, // the last of the help commands
        {false, 307, 0, {}},
        {true, 300, 0, {"send 300 0"}}, // the system menu's configuration items are forwarded
        {true, 500, 5, {"send 500 5"}},
        {true, 0xE140, 0, {}}, // the application's About item: swallowed
        {true, 0xE142, 0, {kNoHelp}},
        {true, 0xE144, 0, {kNoHelp}},
        {true, 0xE146, 0, {kNoHelp}},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(c.system ? frame.OnSysCommand(c.id, c.lParam) : frame.OnCommand(c.id, c.lParam))
            << c.id;
        EXPECT_EQ(Effects(), c.effects) << c.id;
    }
    // The whole wParam counts: a notification code in the high word makes another id.
    for (const unsigned id : {0u, 299u, 301u, 469u, 473u, 481u, 484u, 488u, 490u, 496u, 799u,
                              57665u, 57667u, 57672u, 0xE141u, 0x10000u | 470})
        EXPECT_FALSE(frame.OnCommand(id, 0)) << id;
    for (const unsigned id : {299u, 501u, 0xE141u, 57669u}) // 57669: help, not from the system menu
        EXPECT_FALSE(frame.OnSysCommand(id, 0)) << id;
    EXPECT_EQ(Effects(), Requests{});
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

// Files can be dropped only on a face that can be seen.
TEST_F(FrameCommandTest, MinimizingRefusesDrops) {
    frame.OnSize(1);
    frame.OnSize(0);
    EXPECT_EQ(Effects(), (Requests{"refuse drops", "accept drops"}));
}

} // namespace
