// The main window's commands where the end-to-end tests under Wine cannot
// see them: the colour dialog's answers, the desktop's calls, what is left
// to the platform, and the system menu's forwarding.
#include <string>
#include <vector>

#include "model_fixture.h"

namespace {
using Calls = std::vector<std::string>;

const char kNoHelp[] = "window: message No Help Currently available | Launcher | 1";

class FrameCommandTest : public ModelTest {
protected:
    FrameCommandTest() {
        dir.Write("kelvane.ini", "[cfg]\nopts=4703\n");
        Start();
        log.calls.clear();
    }
    // What the window and the desktop were asked, and what was written.
    Calls Effects() const {
        Calls effects;
        for (const std::string& call : log.calls)
            if (call.rfind("profile: get", 0) != 0) effects.push_back(call);
        return effects;
    }
};

TEST_F(FrameCommandTest, ColourCommandsStoreAndShowTheColourChosenCancelChangesNothing) {
    const struct {
        unsigned id;
        const char* key;
        Colour CKeyboardFrame::*member;
        std::string shown; // what the window is asked after OK
    } cases[] = {
        {483, "hint", &CKeyboardFrame::m_crHint,
         "window: hint background " + std::to_string(MakeColour(1, 22, 203))},
        {485, "highlite", &CKeyboardFrame::m_crHighlite, "window: invalidate erase"},
        {486, "disable", &CKeyboardFrame::m_crDisable, "window: invalidate erase"},
        {489, "mark", &CKeyboardFrame::m_crMark, "window: invalidate erase"},
    };
    colours.answer = MakeColour(1, 22, 203);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        log.calls.clear();
        colours.startedFrom.clear();
        const Colour before = frame.get()->*c.member;
        colours.pressOk = false;
        EXPECT_TRUE(frame->OnCommand(c.id, 0));
        EXPECT_EQ(frame.get()->*c.member, before);
        EXPECT_EQ(Effects(), Calls{});

        colours.pressOk = true;
        EXPECT_TRUE(frame->OnCommand(c.id, 0));
        EXPECT_EQ(colours.startedFrom, (std::vector<Colour>{before, before}));
        EXPECT_EQ(frame.get()->*c.member, MakeColour(1, 22, 203));
        EXPECT_EQ(Effects(), (Calls{std::string("profile: write kelvane.ini cfg ") + c.key +
                                        " = 1 22 203",
                                    c.shown}));
    }
}

TEST_F(FrameCommandTest, CommandsAskTheWindowAndTheDesktopForExactlyTheirEffects) {
    const struct {
        unsigned id;
        bool progmanRunning;
        Calls effects;
    } cases[] = {
        {491, false, {"window: close"}},
        {492, false, {"desktop: log off"}},
        {493, false, {"desktop: log off"}},
        {57671, false, {kNoHelp}}, // the last of the help commands
        {307, false, {}},
        // Group import starts the Program Manager only when it is not running.
        {480, false, {"desktop: find class PROGMAN", "desktop: start minimized progman.exe",
                      "desktop: wait message"}},
        {480, true, {"desktop: find class PROGMAN", "desktop: wait message"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        log.calls.clear();
        window.progmanRunning = c.progmanRunning;
        EXPECT_TRUE(frame->OnCommand(c.id, 0));
        EXPECT_EQ(Effects(), c.effects);
    }
    EXPECT_EQ(frame->m_nOptions, 4703u);
}

TEST_F(FrameCommandTest, UnknownIdsAreLeftToThePlatform) {
    // The whole wParam counts: a notification code in the high word makes another id.
    for (const unsigned id : {0u, 299u, 301u, 469u, 473u, 481u, 484u, 488u, 490u, 496u, 799u, 833u,
                              57665u, 57667u, 57672u, 0xE141u, 0x10000u | 470, 0x10000u | 800}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(frame->OnCommand(id, 0));
    }
    EXPECT_EQ(log.calls, Calls{});
    EXPECT_EQ(frame->m_nOptions, 4703u);
}

// Every item id of the popup list shown last is handled; one past the list,
// of another list, or with no list shown does nothing.
TEST_F(FrameCommandTest, PopupItemsAreHandledAndOnePastTheListDoesNothing) {
    dir.Write("kelvane.prg", "[Games]\nkey00=Mines (mines.exe) []\nkey01=Cards (cards.exe) []\n");
    const struct {
        const char* list;
        unsigned id;
        bool withKey;
    } cases[] = {
        {"Games", 802, true}, {"Games", 832, false}, {"Tools", 800, true}, {"", 801, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        frame->m_strPopupName = c.list;
        frame->m_pPopupKey = c.withKey ? frame->FindKey("Q") : nullptr;
        EXPECT_TRUE(frame->OnCommand(c.id, 0));
    }
    EXPECT_EQ(Effects(), Calls{});
}

TEST_F(FrameCommandTest, SystemMenuForwardsTheConfigurationItemsAndAnswersHelp) {
    const struct {
        unsigned id;
        long lParam;
        bool handled;
        Calls effects;
    } cases[] = {
        {300, 0, true, {"window: send 300 0"}},
        {482, -1, true, {"window: send 482 -1"}},
        {500, 5, true, {"window: send 500 5"}},
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
        log.calls.clear();
        EXPECT_EQ(frame->OnSysCommand(c.id, c.lParam), c.handled);
        EXPECT_EQ(Effects(), c.effects);
    }
}

} // namespace
