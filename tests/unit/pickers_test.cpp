// The pickers: the group import against scripted Program Manager replies
// (what the program-list file holds afterwards), the Application Browser's
// OK button and what its caller reads afterwards, how it merges the two
// parts of the Start menu and which folder a popup list then reads.
#include <algorithm>
#include <optional>

#include "common/nested_runs.h"
#include "model_fixture.h"
#include "pickers/app_browser.h"
#include "pickers/group_import.h"
#include "pickers/start_menu.h"

namespace {
using namespace std::string_literals;
constexpr char kPrg[] = "C:\\WINDOWS\\kelvane.prg";

// An item line of a group's reply, with an icon field behind the working directory.
std::string Item(const std::string& title, const std::string& command, const std::string& dir) {
    return "\"" + title + "\",\"" + command + "\"," + dir + ",ICON.ICO\r\n";
}
// count lines ended by CR LF: text, or without it the names "G100", "G101" ...,
// padded with x to width.
std::string Lines(int count, const std::string& text = "", std::size_t width = 4) {
    std::string lines;
    for (int i = 0; i < count; ++i) {
        std::string line = text.empty() ? "G" + std::to_string(100 + i) : text;
        line.resize(std::max(width, text.size()), 'x');
        lines += line + "\r\n";
    }
    return lines;
}

TEST_F(ModelTest, GroupRepliesBecomeTheIndexAndTheGroupSections) {
    const std::string dir511(494, 'd'); // makes an item line of 511 characters
    const std::string kept9 = "key01=K\nkey02=K\nkey03=K\nkey04=K\nkey05=K\nkey06=K\nkey07=K\n"
                              "key08=K\nkey09=K\n";
    const struct {
        const char* name;
        std::optional<std::string> groupList; // nothing: refused, or no conversation
        std::map<std::string, std::string> replies;
        std::string before, after;
        std::size_t requests;
    } cases[] = {
        {"two groups; keys beyond the last line go, lines that do not split keep theirs",
         "Main\r\nAccessories\r\n",
         {{"Main", "Main\r\n" + Item("Notepad", "NOTEPAD.EXE", "C:\\WIN") + "junk\r\n" +
                       Item("Write", "WRITE.EXE", "")},
          {"Accessories", Item("Accessories", "line 0", "") +
                              "\"Paint (new)\" junk \"PBRUSH [x]\",\"C:\\A B\",z\r\n"}},
         "[class]\nkey02=Gone\nkey63=Gone\n[main]\nkey00=Kept\nkey02=Kept\nkey04=Gone\n",
         "[accessories]\nkey01=Paint (new) (PBRUSH [x]) [\"C:\\A B\"]\n[class]\nkey00=Main\n"
         "key01=Accessories\n[main]\nkey00=Kept\nkey02=Kept\nkey01=Notepad (NOTEPAD.EXE) "
         "[C:\\WIN]\nkey03=Write (WRITE.EXE) [C:\\WINDOWS]\n",
         3},
        {"a refused group; the last name, cut at a NUL, is unterminated",
         "Games\r\nMain\r\nAccess\0ories\r\n"s,
         {{"Main", "Main\r\n"}},
         "[class]\nkey00=Kept\nkey01=Old\nkey02=Gone\n[games]\nkey01=Kept\n",
         "[class]\nkey00=Kept\nkey01=Main\n[games]\nkey01=Kept\n",
         3},
        {"an empty group reply empties its section",
         "Main\r",
         {{"Main", ""}},
         "[main]\nkey00=Gone\nkey63=Gone\n",
         "[class]\nkey00=Main\n[main]\n",
         2},
        {"no conversation",
         std::nullopt,
         {},
         "[class]\nkey63=Gone\n[main]\nkey01=Kept\n",
         "[class]\n[main]\nkey01=Kept\n",
         1},
        {"70 groups: 64 requested, no index key removed",
         Lines(70),
         {{"G100", "x\r\n" + Item("A", "a", "d")}},
         "[class]\nkey63=Kept\n",
         "[class]\nkey63=Kept\nkey00=G100\n[g100]\nkey01=A (a) [d]\n",
         65},
        {"a cut group list: a carriage return in the buffer's last byte is not seen",
         Lines(63, "", 127) + std::string(64, 'n') + "\r\n", // that return is byte 8192
         {},
         "[class]\nkey62=Kept\nkey63=Gone\n",
         "[class]\nkey62=Kept\n",
         64},
        {"names that cannot head a section of their own are not requested",
         Lines(1, "", 128) + "class\r\n\r\nA\nB\r\nMain\r\n",
         {{"Main", "x\r\n"}, {"class", "x\r\n"}},
         "[class]\nkey00=Kept\n",
         "[class]\nkey00=Kept\nkey04=Main\n",
         2},
        {"a cut group reply: the line the cut leaves unterminated is not taken",
         "Main\r\n",
         {{"Main", "x\r\n" + Item("A", "a", "d") + Lines(1, "-", 4000) +
                       Item("B", "b", std::string(80, 'd'))}}, // across byte 4095
         "[main]\nkey02=Kept\nkey03=Gone\n",
         "[class]\nkey00=Main\n[main]\nkey02=Kept\nkey01=A (a) [d]\n",
         2},
        {"lines that do not split, or break the limits or the file's lines, keep their keys",
         "Main\r\n",
         {{"Main",
           "x\r\nNotepad,\"N\",\"C\",C:\\,0\r\n\"Notepad,N,C:\\,0\r\n\"Notepad\" N,C:\\,0\r\n"
           "\"Notepad\",\"N,C:\\,0\r\n\"Notepad\",\"N\" C:\\\r\n\"Notepad\",\"N\",C:\\\r\n" +
               Item("T", "C", dir511 + "d") + "\"" + std::string(495, 't') +
               "\",\"C\",,\r\n" + // a line of 503, its value 512 characters
               Item("A\nB", "a", "d") + Item("T", "C", dir511) + "\"" + std::string(494, 't') +
               "\",\"C\",,\r\n"}}, // and one whose value is 511 characters
         "[main]\n" + kept9,
         "[class]\nkey00=Main\n[main]\n" + kept9 + "key10=T (C) [" + dir511 + "]\nkey11=" +
             std::string(494, 't') + " (C) [C:\\WINDOWS]\n",
         2},
        {"64 lines of a group are taken",
         "Main\r\n",
         {{"Main", "x\r\n" + Lines(62, "-") + Item("A", "a", "d") + Item("B", "b", "d")}},
         "[main]\nkey10=Kept\n",
         "[class]\nkey00=Main\n[main]\nkey10=Kept\nkey63=A (a) [d]\n",
         2},
    };
    const NestedRuns runs{[] {}, [] {}};
    GroupImport import(groups, profile, runs);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        profile.Load(kPrg, c.before);
        groups = ScriptedGroups();
        groups.replies = c.replies;
        if (c.groupList) groups.replies["GROUPS"] = *c.groupList;
        import.BuildGroupLists(kPrg, "C:\\WINDOWS");
        EXPECT_EQ(profile.Text(kPrg), c.after);
        EXPECT_EQ(groups.requested.size(), c.requests);
        EXPECT_EQ(groups.unwaitedRequests, 1); // all but the group list under the wait cursor
    }
}

// After the first folder is selected: "file" chooses a file, "shortcut" a
// shortcut whose target could not be read, "other" selects another folder;
// then OK or Cancel. Read: whether OK was enabled before the end, then the
// folder and the command|directory|description the caller gets ("-": refused).
TEST(AppBrowserTest, OkFollowsTheModeAndTheAccessorsTheModeAndTheEnd) {
    const struct {
        bool folderMode;
        std::string steps, read;
    } cases[] = {
        {true, "OK", "enabled C:\\P\\Games -"},
        {true, "file OK", "enabled C:\\P\\Games -"}, // folder mode ignores files
        {true, "Cancel", "enabled - -"},
        {false, "file OK", "enabled - E.EXE|W|Ed"},
        {false, "file shortcut OK", "enabled - E.EXE|W|Ed"},
        {false, "file other OK", "disabled - E.EXE|W|Ed"},
        {false, "OK", "disabled - ||"},
        {false, "file Cancel", "enabled - -"},
    };
    const auto read = [](bool given, const std::string& text) { return given ? text : "-"; };
    for (const auto& c : cases) {
        AppBrowserState state(c.folderMode);
        EXPECT_FALSE(state.OkEnabled());
        state.FolderSelected("C:\\P\\Games");
        if (c.steps.find("file") != std::string::npos) state.FileChosen({"E.EXE", "W", "Ed"});
        if (c.steps.find("shortcut") != std::string::npos) state.ShortcutChosen({std::nullopt, "L", "Link"});
        if (c.steps.find("other") != std::string::npos) state.FolderSelected("C:\\P\\Other");
        const std::string enabled = state.OkEnabled() ? "enabled " : "disabled ";
        state.End(c.steps.find("OK") != std::string::npos);
        std::string folder = "stale", command = "stale", directory, description;
        const std::string chosenFolder = read(state.GetChosenFolderPath(&folder), folder);
        const bool given = state.GetChosenCommand(&command);
        state.GetChosenWorkingDirectory(&directory);
        state.GetChosenDescription(&description);
        EXPECT_EQ(enabled + chosenFolder + " " + read(given, command + "|" + directory + "|" + description), c.read)
            << (c.folderMode ? "folder mode: " : "application mode: ") << c.steps;
    }
}
// Names in Explorer's order: letters without regard to case, runs of digits by value.
TEST(StartMenuTest, NamesCompareAsExplorerOrdersThem) {
    const struct {
        const char *a, *b;
        int order;
    } cases[] = {
        {"accessories", "Games", -1},  // case is not looked at
        {"Tool", "tool", 0},
        {"Tool 2", "Tool 10", -1},     // digit runs by value
        {"Tool 007", "Tool 7", 0},     // leading zeros do not count
        {"Tool 12", "Tool 13", -1},    // runs of one length digit by digit
        {"1 Setup", "Accessories", -1},
        {"Tool", "Tool 2", -1},        // a prefix first
        {"Zubeh\xC3\xB6r", "Zubehor", 1}, // bytes past ASCII by value
    };
    for (const auto& c : cases) {
        EXPECT_EQ(start_menu::CompareNames(c.a, c.b), c.order) << c.a << " / " << c.b;
        EXPECT_EQ(start_menu::CompareNames(c.b, c.a), -c.order) << c.b << " / " << c.a;
    }
}

// One folder level of both parts as the shell enumerates them ("U name/shown"
// or "A name/shown", names without "/shown" shown as they are), and the
// browser's entries: each its shown name and the parts it opens, in order.
TEST(StartMenuTest, BothPartsMergeByNameInExplorersOrder) {
    const struct {
        const char* name;
        std::vector<std::string> enumerated;
        std::string shown;
    } cases[] = {
        {"a folder both parts hold is one entry, the user's part first",
         {"A Accessories", "A Games", "U accessories", "U Startup"},
         "accessories[U2 A0] Games[A1] Startup[U3]"},
        {"ordered by shown name, digit runs by value; the user's shown name shows",
         {"U Tool 10", "A Tool 2", "U b.lnk/Editor", "A B.LNK/Edit", "A a.lnk/Zed"},
         "Editor[U2 A3] Tool 2[A1] Tool 10[U0] Zed[A4]"},
        {"equal shown names by file name, then as given",
         {"A y.lnk/Same", "U x.exe/Same", "U z.lnk/Same", "A z.lnk/Same", "A w/Same"},
         "Same[A4] Same[U1] Same[A0] Same[U2 A3]"},
        {"one part's names that differ in case stay apart; empty names never merge",
         {"U Tool", "U tool", "A TOOL", "U /X", "A /X"},
         "Tool[U0 A2] tool[U1] X[U3] X[A4]"},
    };
    for (const auto& c : cases) {
        std::vector<start_menu::Entry> entries;
        for (const std::string& e : c.enumerated) {
            const auto slash = e.find('/');
            const std::string name = e.substr(2, slash == std::string::npos ? std::string::npos : slash - 2);
            const std::string shown = slash == std::string::npos ? name : e.substr(slash + 1);
            const auto part = e[0] == 'U' ? start_menu::Part::User : start_menu::Part::AllUsers;
            entries.push_back({name, shown, part, entries.size()});
        }
        std::string shown;
        for (const start_menu::Merged& m : start_menu::Merge(entries)) {
            shown += (shown.empty() ? "" : " ") + m.displayName + "[";
            for (const start_menu::Entry& p : m.parts)
                shown += (&p == &m.parts.front() ? "" : " ") +
                         std::string(p.part == start_menu::Part::User ? "U" : "A") + std::to_string(p.handle);
            shown += "]";
        }
        EXPECT_EQ(shown, c.shown) << c.name;
    }
}

// The folder a popup list made from a selected node stores: of its parts
// (part, path, files), the one with more files, all users' on a tie.
TEST(StartMenuTest, APopupListReadsThePartWithMoreFiles) {
    using start_menu::Part;
    const struct {
        const char* name;
        std::vector<start_menu::Folder> parts;
        std::string stored;
    } cases[] = {
        {"the user's part holds more",
         {{Part::User, "C:\\U\\Games", 3}, {Part::AllUsers, "C:\\A\\Games", 2}}, "C:\\U\\Games"},
        {"all users' holds more",
         {{Part::User, "C:\\U\\Acc", 1}, {Part::AllUsers, "C:\\A\\Acc", 9}}, "C:\\A\\Acc"},
        {"a tie goes to all users'",
         {{Part::User, "C:\\U\\Acc", 2}, {Part::AllUsers, "C:\\A\\Acc", 2}}, "C:\\A\\Acc"},
        {"a part without a path is passed over",
         {{Part::User, "C:\\U\\Acc", 0}, {Part::AllUsers, "", 5}}, "C:\\U\\Acc"},
        {"no part with a path", {{Part::User, "", 1}}, ""},
    };
    for (const auto& c : cases) {
        AppBrowserState state(true);
        state.FolderSelected(c.parts);
        state.End(true);
        std::string stored = "stale";
        state.GetChosenFolderPath(&stored);
        EXPECT_EQ(stored, c.stored) << c.name;
    }
}

} // namespace
