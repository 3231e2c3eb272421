// The main window's logic: key requests as it carries them out, the hotkey
// report, the pointer on the face, popup lists and the hint; its commands
// (the option bits and check marks, the colour dialog's answers, the
// desktop's requests, what is left to the platform) and the system menu's
// forwarding. The Wine tests prove the window carries out what is asked here.
#include <algorithm>
#include <string>
#include <vector>

#include "launch/key_request.h"
#include "model_fixture.h"

namespace {
using Texts = std::vector<std::string>;

// Keys A (direct), B (popup list, switch-to set), C (switch-to), D (free),
// U (not assignable), E (described) and the reserved l and x; B overlaps A.
class KeyRequestTest : public FrameTest {
protected:
    KeyRequestTest() {
        profile.Load("kelvane.key", "[keys]\na=65 1 0 A 0 0 20 20\nb=66 1 0 B 10 10 20 20\n"
                                    "c=67 1 0 C 40 0 10 10\nd=68 1 0 D 60 0 10 10\n"
                                    "u=85 0 0 U 80 0 10 10\ne=69 1 0 E 100 0 10 10\n"
                                    "l=108 1 1 L 120 0 10 10\nx=120 1 1 X 140 0 10 10 Spare\n");
        profile.Load("kelvane.ini", "[cmd]\nFn-A=a.exe\nFn-B=@Tools\nFn-C=c.exe\nFn-E=e.exe\n"
                                    "[cwd]\nFn-A=C:\\A\n[desc]\nFn-E=Editor\n[opts]\nFn-B=1\nFn-C=1\n");
        Load(frame);
    }
    // Start-up's loading; it rewrites the list from its folder, so the list is set afterwards.
    void Load(CKeyboardFrame& f) {
        f.LoadSettings(nullptr);
        f.LoadKeyTable(0);
        f.LoadAssignments();
        profile.Load("kelvane.prg", "[Tools]\nkey00=Rec (r.exe) [C:\\R]\nkey01=Plain (p.exe)\n"
                                    "[class]\nkey01=Games\n");
    }
};

TEST_F(KeyRequestTest, RequestsRunEditOrNameTheKey) {
    const struct {
        char key;
        unsigned code;
        Texts effects;
    } cases[] = {
        // A command runs, and a switch-to key with nothing running starts, in the Wine launch run.
        {'B', KC_RUN, {"hide hint", "menu Fn-B More...! at 100,100 centre"}}, // popup before switch-to
        {'D', KC_RUN, {"post key 68 1036"}},
        {'U', KC_RUN, {}},
        {'l', KC_RUN, {"post 303 0"}},
        {'x', KC_RUN, {}}, // a reserved key without a command
        {'Z', KC_RUN, {}},
        {'A', KC_HOVER, {"status text a.exe"}},
        {'a', 0, {"status text a.exe"}},  // a typed character names its upper-case key
        {'e', 1, {"status text Editor"}},
        {'U', KC_HOVER, {"status text none"}}, // the descriptor's description: none
        {'x', KC_HOVER, {"status text Not assignable"}}, // reserved, though described
        {'D', KC_HOVER, {"status text none"}},
        {'Q', KC_NOKEY, {"status text Left click to run, right to edit"}},
        {'U', KC_EDIT, {}},
        {'l', KC_EDIT, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(1, c.key) + " " + std::to_string(c.code));
        frame.OnChar(static_cast<unsigned char>(c.key), c.code, 0);
        EXPECT_EQ(Effects(), c.effects);
    }
    EXPECT_EQ(platform.tracked, (PopupMenuCascade{{{"Rec", 800}, {"Plain", 801}}}));
}

// The menu opens at the pointer (right-aligned in the right half of the
// screen) and leaves a minimized window minimized; the chosen item, read
// whole, starts in its own directory, else in the popup key's.
TEST_F(KeyRequestTest, PopupItemsStartWithTheirDirectory) {
    profile.Load("kelvane.ini", "[cmd]\nFn-B=@Tools\n[cwd]\nFn-B=C:\\B\n");
    const std::string r = "C:\\" + std::string(140, 'R'); // an item of 301 characters
    shell.folders["Tools"] = {{"Rec", r + "\\r.exe", r}};
    frame.LoadAssignments();
    frame.OnFoldersRead(shell.Read());
    profile.WriteString("Tools", "key01", "Plain (p.exe)", "kelvane.prg");
    platform.pointer = {512, 385, {0, 0, 1024, 768}};
    platform.minimized = true;
    frame.OnChar('B', KC_RUN, 0);
    EXPECT_EQ(Effects(), (Texts{"hide hint", "menu Fn-B More...! at 512,385 right", "show minimized"}));
    for (unsigned id : {800u, 801u, 802u}) EXPECT_TRUE(frame.OnCommand(id, 0));
    EXPECT_EQ(Effects(), (Texts{"cd " + r, "drive 3", "allow foreground any", "start " + r + "\\r.exe in " + r,
                                "cd C:\\B", "drive 3", "allow foreground any", "start p.exe in C:\\B"}));
    profile.Load("kelvane.prg", "");
    frame.OnChar('B', KC_RUN, 0);
    EXPECT_EQ(Effects(), (Texts{"hide hint", "message Non-existent or empty group, please reassign "
                                             "FnKey | Launcher | 16"}));
}

// Requests that arrive from inside a nested loop (a dialog's, the popup
// menu's, the import's wait for Program Manager): a key's command and a
// hotkey report go ahead beside a dialog only; a drop or a second import never starts inside
// another run; a close waits until the loop has ended, then comes back from
// the main loop; it cancels the edit and stops the import before its next group.
TEST_F(KeyRequestTest, RequestsArrivingInsideADialogTheMenuOrTheImport) {
    for (const std::string opener : {"edit", "menu", "import"}) {
        for (const std::string arrival : {"run", "hotkey", "drop", "import", "lists", "close"}) {
            SCOPED_TRACE(opener + " + " + arrival);
            CKeyboardFrame fresh(Ports()); // a close leaves a frame closing
            Load(fresh);
            dialogs = ScriptedDialogs{};
            groups = ScriptedGroups{};
            groups.replies = {{"GROUPS", "Main\r\nGames\r\n"}, {"Main", "Main\r\n\"M\",\"m\",,\r\n"},
                              {"Games", "Games\r\n"}};
            shell.folders["Tools"] = {{"New", "n.exe", ""}};
            Effects();
            bool closedAtOnce = true;
            const auto arrive = [&] {
                if (arrival == "run") fresh.OnChar('A', KC_RUN, 0);
                if (arrival == "hotkey") fresh.OnHotkey(30, 0);
                if (arrival == "drop") fresh.OnDropFiles(105, 5, "C:\\X\\x.exe");
                if (arrival == "import") fresh.OnCommand(480, 0);
                if (arrival == "lists") fresh.OnFoldersRead(shell.Read());
                if (arrival == "close") closedAtOnce = fresh.OnClose();
            };
            if (opener == "edit") {
                dialogs.whileOpen = arrive;
                fresh.OnChar('D', KC_EDIT, 0);
            } else if (opener == "menu") {
                platform.whileTracking = arrive;
                fresh.OnChar('B', KC_RUN, 0);
            } else {
                groups.whileWaiting = [&](const std::string& item) { if (item == "Main") arrive(); };
                fresh.OnCommand(480, 0);
            }
            const Texts effects = Effects();
            const auto has = [&](const char* e) { return std::count(effects.begin(), effects.end(), e) > 0; };
            EXPECT_EQ(has("start a.exe in C:\\A"), arrival == "run" && opener == "edit");
            EXPECT_EQ(has("post key 65 1035"), arrival == "hotkey" && opener == "edit");
            EXPECT_EQ(dialogs.seen.size(), opener == "edit" ? (arrival == "close" ? 1u : 2u) : 0u);
            const Texts requested = opener != "import" ? Texts{}
                                    : arrival == "close" ? Texts{"GROUPS", "Main"}
                                                         : Texts{"GROUPS", "Main", "Games"};
            EXPECT_EQ(groups.requested, requested);
            // The popup lists read meanwhile are written once the run has
            // ended, from the main loop: after the command a menu posts.
            const auto tools = [&] { return *profile.Value("kelvane.prg", "Tools", "key00"); };
            if (arrival == "lists") {
                EXPECT_EQ(tools(), "Rec (r.exe) [C:\\R]");
                EXPECT_EQ(effects.back(), "post 496 0");
                fresh.OnCommand(496, 0);
                EXPECT_EQ(tools(), "New (n.exe) []");
            }
            if (arrival != "close") continue;
            fresh.OnFoldersRead(shell.Read()); // never written while closing
            fresh.OnCommand(496, 0);
            EXPECT_EQ(tools(), "Rec (r.exe) [C:\\R]");
            EXPECT_FALSE(closedAtOnce);
            EXPECT_TRUE(has("end modal loops"));
            EXPECT_EQ(effects.back(), "post 57665 0"); // the exit command, to the main loop
            EXPECT_EQ(std::count(effects.begin(), effects.end(), "post 496 0"), 0);
            EXPECT_EQ(Stored("cmd", "Fn-D"), "<absent>");
            if (opener == "import") {
                EXPECT_EQ(profile.Text("kelvane.prg"), "[class]\nkey01=Games\nkey00=Main\n[main]\n"
                                                       "key01=M (m) [C:\\WINDOWS]\n[tools]\n"
                                                       "key00=Rec (r.exe) [C:\\R]\nkey01=Plain (p.exe)\n");
            }
            EXPECT_TRUE(fresh.OnClose());
        }
    }
}

// Fn+Tab on a covered window and from and to the minimized state, and the
// run request of a report, are end-to-end cases.
TEST_F(KeyRequestTest, HotkeyReportsPostRunRequestsAndFnTabShowsOrHidesTheWindow) {
    frame.OnHotkey(30, 5); // A, in a report with lParam set
    frame.OnHotkey(99, 0); // a scan code of no key
    EXPECT_EQ(Effects(), Texts{});
    const struct {
        WindowShowState window;
        std::uint32_t options;
        HotkeyAction::Kind kind;
    } cases[] = {
        {{true, false, true}, OPT_FNTAB_MINIMIZE, HotkeyAction::Minimize},
        {{true, false, true}, 0, HotkeyAction::ShowMinimized},
        {{false, false, false}, 0, HotkeyAction::ShowNormal},
    };
    for (const auto& c : cases) EXPECT_EQ(DecideHotkey(kVkTab, 0, c.window, c.options).kind, c.kind);
    // The corners asked whether the window is covered: Monitors.ThirdsHalvesAndCorners...
}

// Pressing draws the key pressed and a release on the same key runs it (a
// release elsewhere is an end-to-end case); popup keys open on the press.
TEST_F(KeyRequestTest, PointerRunsOnReleaseOverThePressedKeyAndEditsOnRightRelease) {
    const std::string runA = "post key 65 1035";
    const struct {
        const char* what;
        std::vector<std::pair<char, std::pair<int, int>>> events; // d/u/r/m at a point
        Texts effects;
    } cases[] = {
        {"overlap belongs to the earlier key", {{'d', {15, 15}}, {'u', {15, 15}}},
         {"hide hint", "redraw", "capture", "redraw", "release capture", "hide hint", runA}},
        {"release without a press", {{'u', {5, 5}}}, {"hide hint"}},
        {"release over another assigned key", {{'d', {45, 5}}, {'u', {5, 5}}},
         {"hide hint", "redraw", "capture", "redraw", "release capture", "hide hint"}},
        {"popup key opens on the press", {{'d', {25, 25}}, {'u', {25, 25}}},
         {"hide hint", "post key 66 1035", "hide hint"}},
        {"not assignable", {{'d', {85, 5}}, {'r', {85, 5}}}, {"hide hint", "hide hint"}},
        {"right release edits", {{'r', {125, 5}}}, {"hide hint", "post key 108 1036"}},
        {"moving", {{'m', {5, 5}}, {'m', {6, 6}}, {'m', {85, 5}}},
         {"hide hint", "post key 65 1034", "post key 65 1034", "hide hint", "post key 0 1037"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& [event, at] : c.events) {
            const auto [x, y] = at;
            if (event == 'd') frame.OnLButtonDown(x, y);
            if (event == 'u') frame.OnLButtonUp(x, y);
            if (event == 'r') frame.OnRButtonUp(x, y);
            if (event == 'm') frame.OnMouseMove(x, y);
        }
        EXPECT_EQ(Effects(), c.effects);
    }
}

TEST(PopupCascade, TwelveToAMenuAndTwoLowOnTheScreen) {
    const auto shape = [](int items, bool lower) {
        std::vector<std::size_t> sizes;
        for (const auto& menu : BuildPopupCascade(std::vector<std::string>(items, "x"), lower))
            sizes.push_back(menu.size());
        return sizes;
    };
    using Sizes = std::vector<std::size_t>;
    EXPECT_EQ(shape(1, true), Sizes{1});
    EXPECT_EQ(shape(12, false), Sizes{12});
    EXPECT_EQ(shape(13, false), (Sizes{12, 1}));
    EXPECT_EQ(shape(13, true), (Sizes{2, 11}));
    EXPECT_EQ(shape(30, false), (Sizes{12, 12, 6}));
    EXPECT_EQ(shape(30, true), (Sizes{2, 12, 12, 4}));
    EXPECT_EQ(BuildPopupCascade(Texts(30, "x"), true)[3][0].command, 826u);
    // Titles of "title (command) [directory]" items are read in the request tests.
    for (const auto& [item, title] :
         {std::pair{"No parentheses", "No parentheses"}, {"(x.exe)", ""}, {"A (b) (c)", "A (b)"}})
        EXPECT_EQ(PopupMenuTitle(item), title);
}

// Thirds, halves and corners on other monitors than the primary one: a
// monitor right of it, one left of it (negative x, of another size) and one
// above it (negative y). Each is measured from its own left and top.
TEST(Monitors, ThirdsHalvesAndCornersAreThoseOfTheMonitorsOwn) {
    const Rect primary{0, 0, 1920, 1080}, right{1920, 0, 3840, 1080}, left{-1280, 0, 0, 1024},
        above{0, -1080, 1920, 0};
    // The hint of a text 60 wide: from the key's centre in the left third,
    // centred in the middle third, ending at the centre in the right third.
    // Its top lies the text's height and 2 more above the key's, on a monitor above the primary too.
    const struct {
        Rect monitor;
        int keyX, hintX;
    } hints[] = {
        {primary, 100, 100},  {primary, 639, 639},  {primary, 640, 610},  {primary, 1280, 1250},
        {primary, 1281, 1221}, {right, 3200, 3170}, {right, 3201, 3141},  {left, -855, -855},
        {left, -854, -884},   {left, -427, -457},   {left, -426, -486},
    };
    for (const auto& h : hints)
        EXPECT_EQ(HintPosition({h.keyX, 50}, {60, 10}, h.monitor).x, h.hintX) << h.keyX;
    EXPECT_EQ(HintPosition({100, -500}, {60, 10}, above).y, -512);

    // A popup list: its first menu short in the lower half, right-aligned in the right half.
    const struct {
        PointerOnScreen pointer;
        bool lowerHalf, rightAlign;
    } popups[] = {
        {{959, 540, primary}, false, false}, {{960, 541, primary}, true, true},
        {{2879, 540, right}, false, false},  {{2880, 541, right}, true, true},
        {{-641, 512, left}, false, false},   {{-640, 513, left}, true, true},
        {{100, -541, above}, false, false},  {{100, -539, above}, true, false},
    };
    for (const auto& p : popups) {
        SCOPED_TRACE(std::to_string(p.pointer.x) + "," + std::to_string(p.pointer.y));
        const PopupPlacement place = PlacePopup(p.pointer);
        EXPECT_EQ(place.lowerHalf, p.lowerHalf);
        EXPECT_EQ(place.rightAlign, p.rightAlign);
    }

    // Fn+Tab's corners: within the monitor's full-screen client area, its work
    // area less what SM_CXFULLSCREEN x SM_CYFULLSCREEN (here 1920 x 1017) lack
    // of the primary's work area. The primary's is the single screen's.
    const Rect primaryWork{0, 0, 1920, 1040};
    const auto full = [&](const Rect& work) { return FullScreenClientArea(work, primaryWork, 1920, 1017); };
    EXPECT_EQ(full(primaryWork), (Rect{0, 0, 1920, 1017}));
    EXPECT_EQ(full({1920, 0, 3840, 1040}), (Rect{1920, 0, 3840, 1017}));
    EXPECT_EQ(full(left), (Rect{-1280, 0, 0, 1001}));
    EXPECT_EQ(full(above), (Rect{0, -1080, 1920, -23}));
    using Corners = std::vector<std::pair<int, int>>;
    const struct {
        const char* what;
        Rect client, fullScreen;
        Corners corners;
    } corners[] = {
        {"right", {2000, 100, 2400, 400}, full({1920, 0, 3840, 1040}),
         {{2400, 400}, {2400, 100}, {2000, 100}, {2000, 400}}},
        {"past the right one's right edge", {3600, 100, 3900, 400}, full({1920, 0, 3840, 1040}),
         {{3600, 100}, {3600, 400}}},
        {"left", {-1200, 100, -800, 400}, full(left), {{-800, 400}, {-800, 100}, {-1200, 100}, {-1200, 400}}},
        {"above", {100, -900, 500, -600}, full(above), {{500, -600}, {500, -900}, {100, -900}, {100, -600}}},
        {"primary, over the caption's allowance", {100, 900, 500, 1030}, full(primaryWork),
         {{500, 900}, {100, 900}}},
        {"past the left one's left edge", {-1300, 100, -800, 400}, full(left), {{-800, 400}, {-800, 100}}},
        {"past the top one's top edge", {100, -1100, 500, -600}, full(above), {{500, -600}, {100, -600}}},
    };
    for (const auto& c : corners) EXPECT_EQ(CornersToTest(c.client, c.fullScreen), c.corners) << c.what;
}

TEST_F(KeyRequestTest, HintShowsAtTheTickAfterThePointerEnteredAKey) {
    // Where the hint goes in each third of the screen: Monitors.ThirdsHalvesAndCorners...
    const auto enterE = [this] { // from A
        frame.OnMouseMove(5, 5);
        frame.OnMouseMove(102, 5);
    };
    const auto ticks = [this](int count) { while (count-- > 0) frame.OnTimer(); };
    frame.OnMouseMove(102, 5); // E
    Effects();
    ticks(2);
    EXPECT_EQ(Effects(), (Texts{"hint Editor at 205,38 39x12"}));
    frame.OnMouseMove(85, 5); // U: not assignable, never a hint
    ticks(1);
    EXPECT_EQ(Effects(), (Texts{"hide hint", "post key 0 1037", "hide hint"}));
    platform.uncovered = false; // another window covers a corner
    enterE();
    Effects();
    ticks(1);
    EXPECT_EQ(Effects(), Texts{"hide hint"});
    // None while a popup list is open (the pending one is dropped), and none
    // with the Hints option off.
    platform.uncovered = true;
    frame.OnMouseMove(102, 5);
    platform.whileTracking = [&] {
        ticks(1);
        enterE();
        ticks(2);
    };
    frame.OnChar('B', KC_RUN, 0);
    ticks(1);
    EXPECT_TRUE(frame.OnCommand(472, 0));
    enterE();
    ticks(2);
    for (const std::string& effect : Effects()) EXPECT_NE(effect.rfind("hint ", 0), 0u) << effect;
}
const char kNoHelp[] = "message No Help Currently available | Launcher | 1";

class FrameCommandTest : public FrameTest {
protected:
    FrameCommandTest() {
        profile.Load("kelvane.ini", "[cfg]\nopts=4703\n");
        frame.LoadSettings(nullptr);
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
        Texts effects;
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
    EXPECT_EQ(Effects(), Texts{"topmost"});
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
        EXPECT_EQ(Effects(), Texts{});
        EXPECT_EQ(Stored("cfg", c.key), "<absent>");
        colours.pressOk = true;
        EXPECT_TRUE(frame.OnCommand(c.id, 0));
        EXPECT_TRUE(frame.OnCommand(c.id, 0));
        EXPECT_EQ(Stored("cfg", c.key), "1 22 203");
        EXPECT_EQ(Effects(), (Texts{c.shown, c.shown}));
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
        Texts effects;
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
    for (const unsigned id : {0u, 299u, 301u, 469u, 473u, 481u, 484u, 488u, 490u, 497u, 799u,
                              57665u, 57667u, 57672u, 0xE141u, 0x10000u | 470})
        EXPECT_FALSE(frame.OnCommand(id, 0)) << id;
    for (const unsigned id : {299u, 501u, 0xE141u, 57669u}) // 57669: help, not from the system menu
        EXPECT_FALSE(frame.OnSysCommand(id, 0)) << id;
    EXPECT_EQ(Effects(), Texts{});
    EXPECT_EQ(frame.GetSettings().Options(), 4703u);
    // Files can be dropped only on a face that can be seen.
    frame.OnSize(1);
    frame.OnSize(0);
    EXPECT_EQ(Effects(), (Texts{"refuse drops", "accept drops"}));
}

// The list's expand box is stored when the list ends with OK, not after Esc.
TEST_F(FrameCommandTest, AssignmentListStoresItsExpandBoxOnlyOnOk) {
    for (const auto& [end, stored] : {std::pair{END_CANCEL, "4703"}, {END_OK, "607"}}) {
        dialogs.keyListEnd = end;
        EXPECT_TRUE(frame.OnCommand(303, 0));
        EXPECT_EQ(Stored("cfg", "opts"), stored);
    }
}

} // namespace
