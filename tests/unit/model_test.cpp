// The model: key descriptors and the key table, the settings, and the
// assignments with their popup lists.
#include <array>
#include <climits>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "common/utf8.h"
#include "model/folder_list.h"
#include "model/popup_entry.h"
#include "model/profile_section.h"
#include "model/profile_section_array.h"
#include "model_fixture.h"

namespace {
using KeyTableTest = PartsTest;

TEST(FaceKey, DescriptorGivesTheKey) {
    const struct {
        const char* what;
        std::string descriptor, key; // label, character, rectangle, then the assignment
    } cases[] = {
        {"digit key with a double blank", "49 1 0 1  20 28 17 17", "Fn-1 1 20,28,37,45 assignable none||none"},
        {"ninth field, underscores to blanks", "87 1 0 W 50 48 17 17 Word_Processor",
         "Fn-W W 50,48,67,65 assignable none||Word Processor"},
        {"description cut at 35", "65 0 1 A 0 0 1 1 " + std::string(50, 'd'),
         "Fn-A A 0,0,1,1 reserved none||" + std::string(35, 'd')},
        {"name cut at 19, numbers still line up", "66 1 0 " + std::string(30, 'N') + " 5 6 7 8",
         "Fn-" + std::string(19, 'N') + " B 5,6,12,14 assignable none||none"},
        {"low byte of the code", "449 1 0 X 0 0 2 2", "Fn-X \xC1 0,0,2,2 assignable none||none"},
        {"tabs and line ends separate", "67\t1\t0\tC\r\n1\t2\t3\t4\tdesc", "Fn-C C 1,2,4,6 assignable none||desc"},
        {"huge numbers saturate", "69 1 0 E 99999999999 -99999999999 2147483647 -5",
         "Fn-E E 2147483647,-2147483648,2147483647,-2147483648 assignable none||none"},
        // Fewer than eight fields: reading stops at the first mismatch, the rest is 0 or empty.
        {"stops at a non-number", "70 1 0 F 10 x 5 5", "Fn-F F 10,0,10,0 assignable none||none"},
        {"empty text", "", "Fn- " + std::string(1, '\0') + " 0,0,0,0 none||none"},
    };
    for (const auto& c : cases) {
        const FaceKey key(c.descriptor, BuiltinStrings());
        EXPECT_EQ(key.m_strLabel + " " + key.m_strKey + " " + RectText(key.m_rect) + " " +
                      Assignment(key), c.key) << c.what;
    }
}

// Ids with gaps: 5003 comes first, 5093 last.
TEST_F(KeyTableTest, BuiltinFaceHasItsKeysInIdOrder) {
    Start();
    ASSERT_EQ(keys.Count(), 63);
    EXPECT_EQ(keys.InLoadOrder(0).m_strLabel + keys.InLoadOrder(1).m_strLabel +
                  keys.InLoadOrder(62).m_strLabel, "Fn-ESCFn-PLUSFn-RBRACE");
    EXPECT_EQ(keys.FindKey("Z")->m_rect, (Rect{46, 88, 63, 105}));
}

TEST_F(KeyTableTest, AllKeysOptionMakesTheDigitsOneToNineAssignable) {
    const auto assignable = [this] { // of the keys 1, 9, 0, ":" and U
        std::string marks;
        for (const char* key : {"1", "9", "0", ":", "U"}) marks += Key(key).m_bAssignable ? "+" : "-";
        return marks;
    };
    Start();
    EXPECT_EQ(assignable(), "+----");
    Start(OPT_ALLKEYS);
    EXPECT_EQ(assignable(), "++---");
    profile.Load("kelvane.key", "[keys]\na=55 0 1 7 1 1 1 1\nb=56 0 0 8 1 1 1 1\n");
    Start(OPT_ALLKEYS);
    EXPECT_EQ(Key("7").m_bAssignable, 0); // reserved
    EXPECT_EQ(Key("8").m_bAssignable, 1);
}

TEST_F(KeyTableTest, KeyLayoutFileReplacesTheBuiltInTable) {
    const std::string twoKeys = "[keys]\na=49 1 0 1  20 28 17 17\nb=65 1 0 A 36 68 17 17\n";
    const std::string oneKey = "[keys]\na=65 1 0 A 1 -1 1 1\n";
    const struct {
        const char* what;
        std::uint32_t options;
        std::string file, table; // the number of keys and the first one's rectangle
    } cases[] = {
        {"file replaces the table", 0, twoKeys, "2 20,28,37,45"},
        {"scale 2", 0, twoKeys + "[opts]\nscale=2\n", "2 40,56,74,90"},
        {"no-override ignores file and scale", OPT_NOOVERRIDE, twoKeys + "[opts]\nscale=2\n", "63 8,9,25,22"},
        {"empty section: built-in table, scale 1", 0, "[keys]\n[opts]\nscale=2\n", "63 8,9,25,22"},
        {"-1 ends the table", 0, oneKey + "b=-1\nc=66 1 0 B 1 1 1 1\n", "1 1,-1,2,0"},
        {"-10 does not end it", 0, "[keys]\na=-10 1 0 A 1 -1 1 1\n", "1 1,-1,2,0"},
        {"negative scale mirrors", 0, oneKey + "[opts]\nscale=-2\n", "1 -2,2,-4,0"},
        {"huge scale saturates", 0, oneKey + "[opts]\nscale=2147483647\n",
         "1 2147483647,-2147483647,2147483647,0"},
    };
    for (const auto& c : cases) {
        profile.Load("kelvane.key", c.file);
        Start(c.options);
        EXPECT_EQ(std::to_string(keys.Count()) + " " + RectText(keys.InLoadOrder(0).m_rect), c.table)
            << c.what;
    }
}

TEST_F(KeyTableTest, AtMostOneHundredKeysAreBuilt) {
    std::string file = "[keys]\n";
    for (int i = 0; i < 150; ++i)
        file += "k" + std::to_string(i) + "=" + std::to_string(i + 1) + " 1 0 K" +
                std::to_string(i) + " 1 1 1 1\n";
    profile.Load("kelvane.key", file);
    Start();
    ASSERT_EQ(keys.Count(), 100);
    EXPECT_EQ(keys.InLoadOrder(99).m_strLabel, "Fn-K99");
    EXPECT_EQ(keys.ByCharacter().size(), 100u);
}

TEST_F(KeyTableTest, LaterDuplicateIsFoundButBothStayInLoadOrderAndPointsFindTheFirst) {
    profile.Load("kelvane.key", "[keys]\na=66 1 0 B 0 0 1 1\nb=65 1 0 A 0 0 10 10\n"
                                "c=65 1 0 AA 20 0 10 10\n");
    Start();
    ASSERT_EQ(keys.Count(), 3);
    EXPECT_EQ(keys.InLoadOrder(1).m_strLabel, "Fn-A");
    EXPECT_EQ(keys.InLoadOrder(2).m_strLabel, "Fn-AA");
    EXPECT_EQ(Key("A").m_strLabel, "Fn-AA");
    const std::vector<FaceKey*> byCharacter = keys.ByCharacter();
    ASSERT_EQ(byCharacter.size(), 2u);
    EXPECT_EQ(byCharacter[0]->m_strLabel + byCharacter[1]->m_strLabel, "Fn-AAFn-B");
    // A point finds the first key in load order whose rectangle holds it
    // (right and bottom edges outside), and names it by its character.
    EXPECT_EQ(keys.KeyAt(0, 0)->m_strLabel + keys.KeyAt(9, 9)->m_strLabel, "Fn-BFn-AA");
    EXPECT_EQ(keys.KeyAt(10, 5), nullptr);
    EXPECT_EQ(keys.KeyAt(5, 10), nullptr);
}

// Loading again replaces the table, here with the empty one of a face that
// has no descriptors.
TEST_F(KeyTableTest, FacesWithoutDescriptorsAreEmpty) {
    for (int face : {1, 2, INT_MAX, INT_MIN}) {
        Start(0, face);
        EXPECT_EQ(keys.Count(), 0) << face;
        EXPECT_EQ(keys.FindKey("Q"), nullptr) << face;
    }
}

using SettingsTest = PartsTest;
using Texts = std::vector<std::string>;

TEST_F(SettingsTest, WithoutFilesEverythingHasItsDefault) {
    const std::uint32_t commandLine = OPT_TOPMOST | OPT_ALLKEYS;
    settings.LoadSettings(&commandLine);
    EXPECT_EQ(settings.Options(), commandLine);
    using Colours = std::array<Colour, 6>;
    EXPECT_EQ((Colours{settings.Get(ColourSetting::Highlite), settings.Get(ColourSetting::Mark),
                       settings.Get(ColourSetting::Disable), settings.Get(ColourSetting::Hint),
                       settings.Get(ColourSetting::White), settings.Get(ColourSetting::DarkGray)}),
              (Colours{MakeColour(0, 0, 255), MakeColour(255, 0, 0), MakeColour(128, 128, 128),
                       MakeColour(255, 255, 128), MakeColour(255, 255, 255),
                       MakeColour(128, 128, 128)}));
    EXPECT_EQ((Texts{settings.IniFile(), settings.PrgFile(), settings.FaceFile(), settings.KeyFile(),
                     settings.StartupSound() + settings.SwitchToSound()}),
              (Texts{"C:\\WINDOWS\\kelvane.ini", "C:\\WINDOWS\\kelvane.prg", "kelvane.fac", "kelvane.key", ""}));
    EXPECT_FALSE(profile.HasFile("kelvane.ini")); // reading never creates a file
}

// The files' folder: the Windows directory while the program may write there,
// else %APPDATA%\Kelvane, which gets a copy of each file of the Windows
// directory it lacks (face and key files under the names its kelvane.cfg gives).
TEST_F(SettingsTest, FilesLiveWhereTheProgramMayWriteThem) {
    const std::string win = "C:\\WINDOWS\\", user = "C:\\U\\Kelvane\\";
    profile.Load(user + "kelvane.cfg", "[cfg]\nfac=my.fac\n");
    system.appData = "C:\\U";
    const struct { const char* what; bool writable; std::set<std::string> files; std::string folder, copies; } cases[] = {
        {"writable", true, {win + "kelvane.ini", "C:\\U\\Kelvane"}, win, ""},
        {"read-only: copied once, never over the user's", false,
         {win + "kelvane.ini", win + "kelvane.prg", win + "my.fac", win + "kelvane.key", "C:\\U\\Kelvane",
          user + "kelvane.ini", user + "kelvane.cfg"},
         user, win + "kelvane.prg>" + user + "kelvane.prg " + win + "my.fac>" + user + "my.fac " + win +
                   "kelvane.key>" + user + "kelvane.key "},
        {"read-only, no folder for the user", false, {win + "kelvane.ini"}, win, ""},
    };
    for (const auto& c : cases) {
        system.windowsWritable = c.writable;
        system.files = c.files;
        system.copies.clear();
        settings.LoadSettings(nullptr);
        EXPECT_EQ(settings.IniFile() + " " + system.copies, c.folder + "kelvane.ini " + c.copies) << c.what;
    }
}

// Files from before the program ran in UTF-8 hold the system's ANSI code
// page: each is rewritten in UTF-8 once, before it is read. A UTF-8 file (an
// ANSI reading would garble it) and the face picture stay as they are, and
// without UTF-8 nothing is touched.
TEST_F(SettingsTest, FilesInTheOldCodePageAreRewrittenInUtf8) {
    const std::string win = "C:\\WINDOWS\\", ansi = "[desc]\r\nFn-A=Caf\xE9\r\n", utf8 = "[desc]\r\nFn-A=Caf\xC3\xA9\r\n";
    for (bool programUtf8 : {false, true}) {
        system.utf8 = programUtf8;
        system.contents = {{win + "kelvane.ini", ansi}, {win + "kelvane.prg", utf8}, {win + "kelvane.key", ansi},
                           {win + "kelvane.fac", ansi}};
        settings.LoadSettings(nullptr);
        const std::string rewritten = programUtf8 ? utf8 : ansi;
        EXPECT_EQ(system.contents[win + "kelvane.ini"] + system.contents[win + "kelvane.prg"] +
                      system.contents[win + "kelvane.key"] + system.contents[win + "kelvane.fac"],
                  rewritten + utf8 + rewritten + ansi) << programUtf8;
    }
}

TEST(Utf8, WellFormedOnly) {
    for (const auto& [text, expected] : std::initializer_list<std::pair<const char*, bool>>{
             {"plain", true}, {"Caf\xC3\xA9 \xE6\x97\xA5 \xF0\x9F\x98\x80", true}, {"Caf\xE9", false}, {"\xA9", false},
             {"\xC0\xAF", false}, {"\xE0\x80\xAF", false}, {"\xED\xA0\x80", false}, {"\xF4\x90\x80\x80", false}})
        EXPECT_EQ(IsUtf8(text), expected) << text;
}

TEST_F(SettingsTest, OptionsWordIsMaskedAndOredWithTheCommandLine) {
    // Bits from 0x2000 up are dropped, unnamed bits below it kept, and the
    // command line adds its bits, also to no stored word ("").
    for (const auto& [stored, commandLine, expected] :
         {std::tuple{"8197", 0u, 0x0005u}, {"8191", 0u, 0x1FFFu}, {"5", 0x2u, 0x0007u}, {"", 0x102u, 0x102u}}) {
        profile.Load("kelvane.ini", *stored ? std::string("[cfg]\nopts=") + stored + "\n" : "");
        settings.LoadSettings(&commandLine);
        EXPECT_EQ(settings.Options(), expected) << stored;
    }
}

// Each component modulo 256, a negative number keeping its low byte; missing
// components are 0, reading stops at a comma, and an empty value is no default.
TEST_F(SettingsTest, ColoursAreReadComponentByComponent) {
    for (const auto& [stored, colour] :
         {std::pair{"300 0 0", MakeColour(44, 0, 0)}, {"-1 0 0", MakeColour(255, 0, 0)},
          {"10 20", MakeColour(10, 20, 0)}, {"1,2,3", MakeColour(1, 0, 0)}, {"", Colour{0}}}) {
        profile.Load("kelvane.ini", std::string("[cfg]\nhighlite=") + stored + "\n");
        settings.LoadSettings(nullptr);
        EXPECT_EQ(settings.Get(ColourSetting::Highlite), colour) << stored;
    }
}

TEST_F(SettingsTest, LongTextsAreCutToTheirBuffers) {
    const std::string longName(200, 'x');
    profile.Load("kelvane.ini", "[cfg]\nstartup=" + longName + "\nface=" + longName + "\n");
    profile.Load("kelvane.cfg", "[cfg]\nkey=" + longName + "\n");
    settings.LoadSettings(nullptr);
    EXPECT_EQ(settings.StartupSound(), std::string(79, 'x'));
    EXPECT_EQ(settings.KeyFile(), std::string(79, 'x'));
    EXPECT_EQ(settings.ReadWindowState("FACE0").faceName, std::string(39, 'x'));
}

using AssignmentStoreTest = PartsTest;

TEST_F(AssignmentStoreTest, LoadReadsTheFourSections) {
    const std::string longText(3000, 'c'); // beyond the limit: a file written by hand
    const struct {
        const char* what;
        std::string entries; // lines of the four sections for Fn-A
        std::string key;     // Fn-A afterwards
    } cases[] = {
        {"direct command", "[cmd]\nFn-A=notepad.exe\n[cwd]\nFn-A=C:\\\n[desc]\nFn-A=Editor\n",
         "assignable assigned notepad.exe|C:\\|Editor"},
        {"nothing stored: no description", "", "assignable none||"},
        {"empty command is none", "[cmd]\nFn-A=\n", "assignable none||"},
        {"command none is unassigned", "[cmd]\nFn-A=none\n", "assignable none||"},
        {"opts 5 disables", "[cmd]\nFn-A=x\n[opts]\nFn-A=5\n", "assigned opts 5 x||"},
        {"values read whole", "[cmd]\nFn-A=" + longText + "\n[cwd]\nFn-A=" + longText + "\n[desc]\nFn-A=" + longText + "\n",
         "assignable assigned " + longText + "|" + longText + "|" + longText},
    };
    for (const auto& c : cases) {
        profile.Load("kelvane.ini", c.entries);
        Start();
        EXPECT_EQ(Assignment(Key("A")), c.key) << c.what;
    }
}

// Saved assignments load back unchanged; a key is saved as assigned only
// while it is marked so and has a command.
TEST_F(AssignmentStoreTest, SavedAssignmentsLoadBackAndUnassignedKeysLoseTheirCommand) {
    profile.Load("kelvane.ini", "[cmd]\nFn-C=c.exe\nFn-D=calc.exe\n");
    Start();
    FaceKey& b = Key("B");
    b.m_strCommand = "Notepad (C:\\WINDOWS\\NOTEPAD.EXE) [C:\\WINDOWS]";
    b.m_strDirectory = "C:\\TEMP";
    b.m_strDescription = "Notes";
    b.m_bAssigned = 1;
    b.m_nKeyOptions = KEY_SWITCHTO;
    Key("C").m_strCommand = "none";
    Key("D").m_bAssigned = 0;
    store.SaveAssignments(keys);
    const std::string saved = Assignment(b);
    EXPECT_EQ(Stored("cmd", "Fn-C"), "<absent>");
    EXPECT_EQ(Stored("cmd", "Fn-D"), "<absent>");
    EXPECT_EQ(Stored("cwd", "Fn-D") + Stored("desc", "Fn-D") + Stored("opts", "Fn-D"), "0");
    Start();
    EXPECT_EQ(Assignment(Key("B")), saved);
}

// Keys not assignable or reserved, and keys disabled by their options, keep
// what their descriptor gave them and are never stored.
TEST_F(AssignmentStoreTest, KeysNotAssignableOrReservedAreNeitherReadNorWritten) {
    profile.Load("kelvane.key", "[keys]\nu=85 0 0 U 1 1 1 1\nr=82 1 1 R 2 2 1 1 Reserved\n"
                             "d=68 1 0 D 3 3 1 1\na=65 1 0 A 4 4 1 1\n");
    profile.Load("kelvane.ini", "[cmd]\nFn-U=u.exe\nFn-R=r.exe\nFn-D=d.exe\n[opts]\nFn-U=1\nFn-D=5\n");
    Start();
    EXPECT_EQ(Assignment(Key("U")), "none||none");
    EXPECT_EQ(Assignment(Key("R")), "assignable reserved none||Reserved");
    Key("D").m_strCommand = "new.exe";
    store.SaveAssignments(keys);
    EXPECT_EQ(Stored("cmd", "Fn-U"), "u.exe");
    EXPECT_EQ(Stored("cmd", "Fn-R"), "r.exe");
    EXPECT_EQ(Stored("cmd", "Fn-D"), "d.exe");
    EXPECT_EQ(Stored("cwd", "Fn-U") + Stored("cwd", "Fn-R") + Stored("cwd", "Fn-D"),
              "<absent><absent><absent>");
    EXPECT_EQ(Stored("opts", "Fn-A"), "0");
}

// Popup lists are refreshed at start-up by section writes. Whatever the file
// held, it must end up as the item-by-item writing left it (each list's
// section removed, then one write per item, so it moves to the end), and a
// file already so is not written at all. A folder that gives no items (the
// missing one) leaves no section; a folder named by two keys counts last.
TEST_F(AssignmentStoreTest, PopupListsEndAsWrittenItemByItemAndUnchangedOnesAreNotWritten) {
    profile.Load("kelvane.ini", "[cmd]\nFn-E=@C:\\Menu\\Tools\nFn-F=@C:\\Gone\nFn-G=@Games\n"
                                "Fn-H=@c:\\menu\\tools\nFn-I=NOTEPAD.EXE\n");
    shell.folders["C:\\Menu\\Tools"] = shell.folders["c:\\menu\\tools"] = {
        {"Notepad", "C:\\WINDOWS\\NOTEPAD.EXE", "C:\\WINDOWS"}, {"", "", ""}};
    shell.folders["Games"] = {{"Chess", "C:\\G\\CHESS.EXE", ""}};
    Start();
    EXPECT_EQ(popupFolders, (Texts{"C:\\Menu\\Tools", "C:\\Gone", "Games", "c:\\menu\\tools"}));
    const std::string prg = settings.PrgFile();

    const std::string tools = "[c:\\menu\\tools]\nkey00=Notepad (C:\\WINDOWS\\NOTEPAD.EXE) [C:\\WINDOWS]\nkey01= () []\n";
    const std::string games = "[Games]\nkey00=Chess (C:\\G\\CHESS.EXE) []\n";
    const struct {
        const char* what;
        std::string before;
    } cases[] = {
        {"stale lists among other sections", "[C:\\Menu\\Tools]\nkey00=old\nkey07=old\n[class]\nkey00=Main\n"
                                             "[C:\\Gone]\nkey00=old (x) []\n[Games]\nkey00=old\n"},
        {"one list stale", "[class]\nkey00=Main\n" + games + "[c:\\menu\\tools]\nkey00=old\n"},
        {"current lists in another order", "[class]\nkey00=Main\n" + tools + games},
        {"a section after the lists", games + tools + "[class]\nkey00=Main\n"},
        {"as written item by item", "[class]\nkey00=Main\n" + games + tools},
    };
    for (const auto& c : cases) {
        MemoryProfile itemByItem;
        itemByItem.Load(prg, c.before);
        std::vector<FolderList> lists;
        for (const std::string& folder : popupFolders) {
            ShortcutItems items;
            shell.CollectFolderItems(folder, items);
            lists.push_back(MakeFolderList(folder, items));
            itemByItem.WriteString(folder.c_str(), nullptr, nullptr, prg.c_str());
            for (std::size_t i = 0; i < items.size(); ++i)
                itemByItem.WriteString(folder.c_str(), ListEntryKey(i).c_str(),
                                       PopupEntry(items[i]->title, items[i]->command, items[i]->workingDirectory).c_str(),
                                       prg.c_str());
        }
        profile.Load(prg, c.before);
        const int writesBefore = profile.writes;
        EXPECT_EQ(WriteFolderLists(profile, lists, prg), c.what != std::string("as written item by item")) << c.what;
        EXPECT_EQ(profile.Text(prg), itemByItem.Text(prg)) << c.what;
        EXPECT_EQ(ReadSectionNames(profile, prg.c_str()), ReadSectionNames(itemByItem, prg.c_str())) << c.what;
        // One removal and at most one section write a list, not one write an item.
        EXPECT_LE(profile.writes - writesBefore, 6) << c.what;
        const int writesAfter = profile.writes;
        EXPECT_FALSE(WriteFolderLists(profile, lists, prg)) << c.what;
        EXPECT_EQ(profile.writes, writesAfter) << c.what;
    }
}

} // namespace
