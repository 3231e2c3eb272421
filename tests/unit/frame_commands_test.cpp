#include <array>
#include <map>
#include <string>
#include <vector>

#include "frame_fixture.h"
#include "model/options.h"

namespace {
using Calls = std::vector<std::string>;

// Every option bit that a command toggles, and two others that must survive.
constexpr std::uint32_t kAllToggled = OPT_NOMARK | OPT_TOPMOST | OPT_MINIMIZE | OPT_NOHINTS |
                                      OPT_NOCONFIRM | OPT_FNTAB_MINIMIZE | OPT_STATUSBAR |
                                      OPT_EXPAND_POPUPS;

class FrameCommandTest : public FrameTest {
protected:
    // Starts the window's logic on a settings file holding `opts` (none when
    // empty) and forgets the calls start-up made.
    void StartWith(const std::string& opts) {
        if (!opts.empty()) dir.Write("kelvane.ini", "[cfg]\nopts=" + opts + "\n");
        Start();
        log.Clear();
    }
    // What the window and the desktop were asked to do.
    Calls Effects() const {
        Calls effects;
        for (const std::string& call : log.All())
            if (call.rfind("profile: ", 0) != 0) effects.push_back(call);
        return effects;
    }
    Calls ProfileWrites() const {
        Calls writes;
        for (const std::string& call : log.Of("profile"))
            if (call.rfind("write ", 0) == 0) writes.push_back(call);
        return writes;
    }
    std::array<Colour, 6> Colours() const {
        return {frame->m_crHighlite, frame->m_crDisable, frame->m_crMark,
                frame->m_crHint,     frame->m_crWhite,   frame->m_crDarkGray};
    }
};

// --- Options that toggle ---

struct ToggleCase {
    const char* what;
    unsigned id;
    std::uint32_t bit;
    Calls whenSet;     // what the window is asked once the bit is set
    Calls whenCleared; // ... and once it is clear
};

class ToggleCommand : public FrameCommandTest, public ::testing::WithParamInterface<ToggleCase> {};

TEST_P(ToggleCommand, FlipsOnlyItsBitSavesTheWordAndTwiceRestoresIt) {
    const ToggleCase& c = GetParam();
    for (const std::uint32_t start : {0u, kAllToggled}) {
        SCOPED_TRACE(start);
        StartWith(start ? std::to_string(start) : "");
        ASSERT_EQ(frame->m_nOptions, start);

        EXPECT_TRUE(frame->OnCommand(c.id, 0));
        const std::uint32_t flipped = start ^ c.bit;
        EXPECT_EQ(frame->m_nOptions, flipped);
        EXPECT_EQ(Ini("cfg", "opts"), std::to_string(flipped));
        EXPECT_EQ(Effects(), (flipped & c.bit) ? c.whenSet : c.whenCleared);

        log.Clear();
        EXPECT_TRUE(frame->OnCommand(c.id, 0));
        EXPECT_EQ(frame->m_nOptions, start);
        EXPECT_EQ(Ini("cfg", "opts"), std::to_string(start));
        EXPECT_EQ(Effects(), (start & c.bit) ? c.whenSet : c.whenCleared);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, ToggleCommand,
    ::testing::Values(
        ToggleCase{"MinimizeOnUse", 470, OPT_MINIMIZE, {}, {}},
        ToggleCase{"ConfirmChanges", 471, OPT_NOCONFIRM, {}, {}},
        ToggleCase{"Hints", 472, OPT_NOHINTS, {}, {}},
        ToggleCase{"FnTabMinimize", 474, OPT_FNTAB_MINIMIZE, {}, {}},
        ToggleCase{"AlwaysOnTop", 482, OPT_TOPMOST, {"window: topmost"}, {"window: not topmost"}},
        ToggleCase{"MarkPopups", 487, OPT_NOMARK, {"window: invalidate erase"},
                   {"window: invalidate erase"}}),
    CaseName<ToggleCase>);

struct TopmostCase {
    const char* what;
    const char* stored; // "opts" in the settings file, "" for none
    long lParam;
    std::uint32_t options;   // the options word afterwards
    const char* storedAfter; // "opts" afterwards
    const char* placed;      // what the window is asked
};

class TopmostCommand : public FrameCommandTest, public ::testing::WithParamInterface<TopmostCase> {};

TEST_P(TopmostCommand, MinusOneAppliesTheStateOtherValuesToggleAndSave) {
    const TopmostCase& c = GetParam();
    StartWith(c.stored);
    EXPECT_TRUE(frame->OnCommand(482, c.lParam));
    EXPECT_EQ(frame->m_nOptions, c.options);
    EXPECT_EQ(Ini("cfg", "opts"), c.storedAfter);
    EXPECT_EQ(Effects(), Calls{c.placed});
    if (c.lParam == -1) {
        EXPECT_EQ(ProfileWrites(), Calls{});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, TopmostCommand,
    ::testing::Values(
        TopmostCase{"FreshApplyOnly", "", -1, 0, "<absent>", "window: not topmost"},
        TopmostCase{"StoredApplyOnly", "4098", -1, 0x1002, "4098", "window: topmost"},
        TopmostCase{"FreshToggle", "", 0, OPT_TOPMOST, "2", "window: topmost"},
        TopmostCase{"StoredToggle", "4098", 0, 0x1000, "4096", "window: not topmost"},
        TopmostCase{"OtherNegativeToggles", "", -2, OPT_TOPMOST, "2", "window: topmost"},
        TopmostCase{"PositiveToggles", "", 1234, OPT_TOPMOST, "2", "window: topmost"}),
    CaseName<TopmostCase>);

TEST_F(FrameCommandTest, SaveOptionsCommandWritesTheWordAsItIs) {
    StartWith("4703");
    EXPECT_TRUE(frame->OnCommand(494, 0));
    EXPECT_EQ(ProfileWrites(), Calls{"write kelvane.ini cfg opts = 4703"});
    EXPECT_EQ(Effects(), Calls{});
}

// --- Colours ---

struct ColourCase {
    const char* what;
    unsigned id;
    const char* key;
    Colour CKeyboardFrame::*member;
    const char* onOk; // what the window is asked after OK
};

class ColourCommand : public FrameCommandTest, public ::testing::WithParamInterface<ColourCase> {};

TEST_P(ColourCommand, OkStoresTheColourAndShowsIt) {
    const ColourCase& c = GetParam();
    StartWith("");
    const Colour before = (*frame).*c.member;
    colours.answer = MakeColour(1, 22, 203);
    EXPECT_TRUE(frame->OnCommand(c.id, 0));
    EXPECT_EQ(colours.startedFrom, std::vector<Colour>{before});
    EXPECT_EQ((*frame).*c.member, MakeColour(1, 22, 203));
    EXPECT_EQ(Ini("cfg", c.key), "1 22 203");
    EXPECT_EQ(Effects(), Calls{c.onOk});
}

TEST_P(ColourCommand, CancelChangesNothingButIsHandled) {
    const ColourCase& c = GetParam();
    StartWith("");
    const std::array<Colour, 6> before = Colours();
    colours.pressOk = false;
    colours.answer = MakeColour(1, 22, 203);
    EXPECT_TRUE(frame->OnCommand(c.id, 0));
    EXPECT_EQ(colours.startedFrom.size(), 1u);
    EXPECT_EQ(Colours(), before);
    EXPECT_EQ(ProfileWrites(), Calls{});
    EXPECT_EQ(Effects(), Calls{});
}

INSTANTIATE_TEST_SUITE_P(
    Colours, ColourCommand,
    ::testing::Values(
        ColourCase{"Hint", 483, "hint", &CKeyboardFrame::m_crHint, "window: hint background 1 22 203"},
        ColourCase{"Highlite", 485, "highlite", &CKeyboardFrame::m_crHighlite, "window: invalidate erase"},
        ColourCase{"Disable", 486, "disable", &CKeyboardFrame::m_crDisable, "window: invalidate erase"},
        ColourCase{"Mark", 489, "mark", &CKeyboardFrame::m_crMark, "window: invalidate erase"}),
    CaseName<ColourCase>);

// --- Commands that reach the window or the desktop ---

struct EffectCase {
    const char* what;
    unsigned id;
    bool progmanRunning;
    Calls effects;
};

class EffectCommand : public FrameCommandTest, public ::testing::WithParamInterface<EffectCase> {};

TEST_P(EffectCommand, IsHandledWithExactlyItsEffects) {
    const EffectCase& c = GetParam();
    StartWith("4703");
    window.applicationName = "Launcher";
    desktop.progmanRunning = c.progmanRunning;
    EXPECT_TRUE(frame->OnCommand(c.id, 0));
    EXPECT_EQ(Effects(), c.effects);
    EXPECT_EQ(ProfileWrites(), Calls{});
    EXPECT_EQ(frame->m_nOptions, 4703u);
}

const char kNoHelp[] = "window: message No Help Currently available | Launcher | 1";

INSTANTIATE_TEST_SUITE_P(
    Commands, EffectCommand,
    ::testing::Values(
        EffectCase{"About", 300, false, {"window: about box"}},
        EffectCase{"AppAbout", 0xE140, false, {"window: about box"}},
        EffectCase{"Exit", 491, false, {"window: close"}},
        EffectCase{"LogOff", 492, false, {"desktop: log off"}},
        EffectCase{"LogOffToo", 493, false, {"desktop: log off"}},
        EffectCase{"NoHelp", 495, false, {kNoHelp}},
        EffectCase{"HelpIndex", 57666, false, {kNoHelp}},
        EffectCase{"HelpUsing", 57668, false, {kNoHelp}},
        EffectCase{"ContextHelp", 57669, false, {kNoHelp}},
        EffectCase{"Help", 57670, false, {kNoHelp}},
        EffectCase{"DefaultHelp", 57671, false, {kNoHelp}},
        EffectCase{"Nothing", 307, false, {}},
        EffectCase{"GroupsStartProgmanWhenAbsent",
                   480,
                   false,
                   {"desktop: find class PROGMAN", "desktop: start minimized progman.exe",
                    "desktop: wait message"}},
        EffectCase{"GroupsUseRunningProgman",
                   480,
                   true,
                   {"desktop: find class PROGMAN", "desktop: wait message"}}),
    CaseName<EffectCase>);

TEST_F(FrameCommandTest, UnknownIdsAreLeftToThePlatform) {
    // The whole wParam counts: a notification code in the high word makes another id.
    const unsigned ids[] = {0,     1,     299,   301,   302,     304,           469,
                            473,   475,   481,   484,   488,     490,           496,
                            799,   833,   57665, 57667, 57672,   0xE141,        0x10000 | 470,
                            0x10000 | 491, 0x10000 | 800};
    StartWith("4703");
    for (const unsigned id : ids) {
        SCOPED_TRACE(id);
        log.Clear();
        EXPECT_FALSE(frame->OnCommand(id, 0));
        EXPECT_EQ(log.All(), Calls{});
        EXPECT_EQ(frame->m_nOptions, 4703u);
    }
}

// --- Items of the popup list shown last ---

struct PopupCase {
    const char* what;
    const char* programList; // kelvane.prg, "" for none
    const char* popupName;
    unsigned id;
    bool withKey;
};

class PopupItemCommand : public FrameCommandTest, public ::testing::WithParamInterface<PopupCase> {};

TEST_P(PopupItemCommand, IndexPastTheListDoesNothing) {
    const PopupCase& c = GetParam();
    if (*c.programList) dir.Write("kelvane.prg", c.programList);
    StartWith("");
    frame->m_strPopupName = c.popupName;
    frame->m_pPopupKey = c.withKey ? frame->FindKey("q") : nullptr;
    EXPECT_TRUE(frame->OnCommand(c.id, 0));
    EXPECT_EQ(Effects(), Calls{});
    EXPECT_EQ(ProfileWrites(), Calls{});
}

const char kTwoItems[] = "[Games]\nkey00=Mines (mines.exe) []\nkey01=Cards (cards.exe) [C:\\]\n";

INSTANTIATE_TEST_SUITE_P(
    Popups, PopupItemCommand,
    ::testing::Values(PopupCase{"JustPastTheEnd", kTwoItems, "Games", 802, true},
                      PopupCase{"LastId", kTwoItems, "Games", 832, false},
                      PopupCase{"OtherList", kTwoItems, "Tools", 800, true},
                      PopupCase{"NoProgramList", "", "Games", 800, false},
                      PopupCase{"NoListShownYet", kTwoItems, "", 801, false}),
    CaseName<PopupCase>);

// --- System commands ---

struct SysCase {
    const char* what;
    unsigned id;
    long lParam;
    bool handled;
    Calls effects;
};

class SysCommand : public FrameCommandTest, public ::testing::WithParamInterface<SysCase> {};

TEST_P(SysCommand, ForwardsTheConfigurationItemsAndAnswersHelp) {
    const SysCase& c = GetParam();
    StartWith("");
    EXPECT_EQ(frame->OnSysCommand(c.id, c.lParam), c.handled);
    EXPECT_EQ(Effects(), c.effects);
    EXPECT_EQ(ProfileWrites(), Calls{});
}

const char kSysNoHelp[] = "window: message No Help Currently available | KLV | 1";

INSTANTIATE_TEST_SUITE_P(
    SystemMenu, SysCommand,
    ::testing::Values(SysCase{"About", 300, 0, true, {"window: send 300 0"}},
                      SysCase{"TopmostKeepsLParam", 482, -1, true, {"window: send 482 -1"}},
                      SysCase{"MarkWithLParam", 487, 77, true, {"window: send 487 77"}},
                      SysCase{"Upper", 500, 5, true, {"window: send 500 5"}},
                      SysCase{"AppAboutSwallowed", 0xE140, 0, true, {}},
                      SysCase{"HelpIndex", 0xE142, 0, true, {kSysNoHelp}},
                      SysCase{"HelpUsing", 0xE144, 0, true, {kSysNoHelp}},
                      SysCase{"Help", 0xE146, 0, true, {kSysNoHelp}},
                      SysCase{"BelowRange", 299, 0, false, {}},
                      SysCase{"AboveRange", 501, 0, false, {}},
                      SysCase{"AppExit", 0xE141, 0, false, {}},
                      SysCase{"Minimize", 0xF020, 0, false, {}},
                      SysCase{"Close", 0xF060, 0, false, {}},
                      SysCase{"ContextHelpIsNoSystemCommand", 57669, 0, false, {}}),
    CaseName<SysCase>);

// --- Check marks, moving and sizing ---

TEST_F(FrameCommandTest, CheckMarksFollowTheirBits) {
    using Marks = std::map<unsigned, bool>;
    const Marks fresh = {{482, false}, {487, true}, {470, false}, {472, true}, {471, true}};
    const struct {
        std::uint32_t options;
        unsigned id; // the one item whose mark differs from a fresh installation; 0 for none
    } cases[] = {
        {0, 0},
        {OPT_STATUSBAR | OPT_EXPAND_POPUPS | OPT_ALLKEYS | OPT_FNTAB_MINIMIZE, 0},
        {OPT_TOPMOST, 482},
        {OPT_NOMARK, 487},
        {OPT_MINIMIZE, 470},
        {OPT_NOHINTS, 472},
        {OPT_NOCONFIRM, 471},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        frame->m_nOptions = c.options;
        const auto marks = frame->MenuCheckMarks();
        const Marks got(marks.begin(), marks.end());
        ASSERT_EQ(got.size(), marks.size()) << "an item listed twice";
        Marks expected = fresh;
        if (c.id) expected[c.id] = !expected[c.id];
        EXPECT_EQ(got, expected);
    }
}

TEST_F(FrameCommandTest, MoveIsStoredOnlyWhileNotMinimized) {
    const struct {
        bool minimized;
        int x, y;
        const char *storedX, *storedY;
    } cases[] = {
        {false, 12, 34, "12", "34"},
        {false, -8, -30000, "-8", "-30000"},
        {true, -32000, -32000, "-8", "-30000"}, // a minimized window keeps its last place
    };
    StartWith("");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        window.minimized = c.minimized;
        frame->OnMove(c.x, c.y);
        EXPECT_EQ(Ini("cfg", "x"), c.storedX);
        EXPECT_EQ(Ini("cfg", "y"), c.storedY);
    }
    EXPECT_EQ(Effects(), Calls{});
}

TEST_F(FrameCommandTest, SizeStoresTheIconStateAndDropAcceptance) {
    const struct {
        int type; // SIZE_RESTORED, SIZE_MINIMIZED, SIZE_MAXIMIZED
        const char* drops;
        const char* fIcon;
    } cases[] = {
        {1, "window: refuse drops", "1"},
        {0, "window: accept drops", "0"},
        {2, "window: accept drops", "0"},
        {1, "window: refuse drops", "1"},
    };
    StartWith("");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        log.Clear();
        frame->OnSize(c.type);
        EXPECT_EQ(Effects(), Calls{c.drops});
        EXPECT_EQ(Ini("cfg", "fIcon"), c.fIcon);
    }
}

} // namespace
