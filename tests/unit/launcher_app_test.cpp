// Start-up where the end-to-end tests under Wine cannot see it: the command
// line's grammar, the one-shot actions and how early start-up ends, what the
// command line asks of the platform, where the face comes from, and a
// platform that fails it.
#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/command_line.h"
#include "app/launcher_app.h"
#include "model_fixture.h"
#include "pictures.h"

namespace {
using Requests = std::vector<std::string>;

class StartupTest : public ModelTest {
protected:
    std::unique_ptr<CKeyboardFrame> Run(const std::string& commandLine) {
        return CLauncherApp(Ports(), platform).InitInstance(commandLine);
    }
};

// The one-shot options act in their order before the instance check; all
// but "-quit" and "-restart" end start-up, "-cwd" at once. With another
// instance running, start-up ends before any setting is read or written.
TEST_F(StartupTest, OneShotOptionsAndARunningInstanceEndStartUpEarly) {
    platform.otherInstance = true;
    const struct {
        const char* line;
        Requests requests;
    } cases[] = {
        {"-top -icon -face 1 -db -nomenu", {"startup: raise Kelvane"}},
        {"-quit -top", {"desktop: log off", "startup: raise Kelvane"}},
        {"-vol 20 -top", {"startup: volume 16384"}},
        {"-quit -cwd -play a.wav", {"desktop: log off", "startup: cwd"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        platform.requests.clear();
        EXPECT_FALSE(Run(c.line));
        EXPECT_EQ(platform.requests, c.requests);
    }
    EXPECT_FALSE(profile.HasFile("kelvane.ini"));
}

// The command line reaches the configuration library (the debug flag), the
// system menu (the configuration popup only without menu bar) and the
// window (the topmost state applied at creation, not stored).
TEST_F(StartupTest, CommandLineReachesTheLibraryTheSystemMenuAndTheTopmostState) {
    const std::string popup = "system menu popup &KLV Configuration...";
    const struct {
        const char* line;
        std::string request;
        bool made;
    } cases[] = {
        {"", "startup: configuration library 0", true}, {"-db", "startup: configuration library 1", true},
        {"", popup, false},                              {"-nomenu", popup, true},
        {"", "post 482 -1", false},                      {"-top", "post 482 -1", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.line) + ": " + c.request);
        platform.requests.clear();
        ASSERT_TRUE(Run(c.line));
        EXPECT_EQ(std::count(platform.requests.begin(), platform.requests.end(), c.request), c.made);
    }
    EXPECT_EQ(Stored("cfg", "opts"), "<absent>");
}

// The face and the key layout are the files the configuration file names,
// unless "-noover" is given or the decoder refuses the face file; else the
// face's picture and the built-in table, face 1's by "-face 1", which has no
// keys to paint. (That "-db" draws on the keys is seen in the Wine options run.)
TEST_F(StartupTest, FaceComesFromTheFaceFileOrTheBuiltInPicture) {
    profile.Load("kelvane.cfg", "[cfg]\nfac=other.fac\nkey=other.key\n");
    profile.Load("other.key", "[keys]\na=65 1 0 A 1 1 1 1\n");
    const std::vector<std::uint8_t> list = ResourceBytes("list.bmp"); // 30 x 60
    const struct {
        const char* line;
        std::vector<std::uint8_t> file;
        std::string face; // its size and the number of keys
    } cases[] = {{"", list, "30x60 1"},
                 {"-noover", list, "322x136 63"},
                 {"", {list.begin(), list.begin() + 100}, "322x136 1"}};
    for (const auto& c : cases) {
        assets.files["C:\\WINDOWS\\other.fac"] = c.file;
        const auto started = Run(c.line);
        ASSERT_TRUE(started) << c.line;
        EXPECT_EQ(std::to_string(started->FaceWidth()) + "x" + std::to_string(started->FaceHeight()) +
                      " " + std::to_string(started->Keys().Count()), c.face) << c.line;
    }
    assets.files.clear();
    EXPECT_TRUE(Run("-face 1")->OnPaint() == ResourcePicture("face1.bmp"));
}

// A window that cannot be created ends start-up; without any face the
// window is empty and runs.
TEST_F(StartupTest, FailedWindowCreationEndsStartUpAndWithoutAFaceTheWindowIsEmpty) {
    platform.creationFails = true;
    EXPECT_FALSE(Run(""));
    EXPECT_EQ(platform.requests.back(), "create Kelvane with menu at 150,100");
    platform = RecordingPlatform{};
    assets.servesFaces = false;
    const auto started = Run("");
    ASSERT_TRUE(started);
    EXPECT_EQ(platform.requests[5], "size 0 x 0");
    EXPECT_EQ(started->Keys().Count(), 63);
    EXPECT_TRUE(started->OnPaint().Empty());
}

// What the start-up state holds beyond the defaults, as one line: the option
// bits by the names of their options, then the other fields, then the
// actions in order ("top all stop vol:4000 play:a.wav").
std::string Described(const StartupOptions& o) {
    std::ostringstream text;
    std::uint32_t bits = o.optionBits;
    for (const auto& [bit, name] :
         {std::pair{OPT_TOPMOST, "top"}, {OPT_ALLKEYS, "all"}, {OPT_NOOVERRIDE, "noover"},
          {OPT_NOMARK, "mark"}, {OPT_STATUSBAR, "status"}, {OPT_NOMENU, "nomenu"}})
        if (bits & bit) {
            text << name << ' ';
            bits &= ~std::uint32_t{bit};
        }
    text << std::hex;
    if (bits) text << "bits:" << bits << ' ';
    if (o.faceName != "FACE0" || o.faceIndex != 0) text << o.faceName << '/' << o.faceIndex << ' ';
    for (const auto& [on, name] : {std::pair{!o.menu, "no-menu-bar "}, {o.icon, "icon "},
                                   {o.debug, "db "}, {o.stop, "stop "}})
        if (on) text << name;
    static const char* const kKinds[] = {"cwd", "play:", "vol:", "logoff"};
    for (const StartupAction& action : o.actions) {
        text << kKinds[action.kind] << action.file;
        if (action.kind == StartupAction::SetVolume || action.volumeValue) text << action.volumeValue;
        text << ' ';
    }
    std::string line = text.str();
    return line.empty() ? line : line.substr(0, line.size() - 1);
}

std::string Fillers(int count) {
    std::string line;
    for (int i = 0; i < count; ++i) line += "x ";
    return line;
}

TEST(ParseCommandLine, GivesTheStartupState) {
    const struct {
        const char* name;
        std::string line, state;
    } cases[] = {
        {"empty line", "", ""},
        {"case must match, others are ignored", "-TOP -Nomenu -Icon -DB -Play x -CWD top --top /top", ""},
        {"option bits", "-all -noover -mark -status -top", "top all noover mark status"},
        {"tabs and runs of blanks separate", "\t-top\t\t-all   -mark\t", "top all mark"},
        {"-nomenu then -menu", "-nomenu -top -menu", "top"},
        {"-menu then -nomenu", "-menu -nomenu", "nomenu no-menu-bar"},
        {"-icon once", "-icon", "icon"},
        {"-icon twice", "-icon -icon", ""},
        {"-db three times", "-db -db -db", "db"},
        {"-face 1", "-face 1", "noover face1/1"},
        {"the value of -play is not an option", "-play -top", "stop play:-top"},
        {"-vol 20 and reading goes on", "-vol 20 -top", "top stop vol:4000"},
        // The level is the magnitude modulo 16 with the sign of the number
        // (INT_MIN's magnitude does not fit an int); the value is level x 4096,
        // its low word the left channel's, its high word the right channel's.
        {"volumes", "-vol 15 -vol 16 -vol -3 -vol -17 -vol -2147483648 -vol -2147483647",
         "stop vol:f000 vol:0 vol:ffffd000 vol:fffff000 vol:0 vol:ffff1000"},
        {"actions keep their order", "-vol 7 -quit -play a.wav -restart",
         "stop vol:7000 logoff play:a.wav logoff"},
        {"-cwd ends the reading", "-top -play a.wav -cwd -all -vol 3 -quit", "top stop play:a.wav cwd"},
        {"an option without its value is ignored", "-top -play", "top"},
        {"a NUL ends the line", std::string("-top\0-all", 9), "top"},
        // Only the first 62 tokens and the first 255 characters are looked at.
        {"62nd token is read", Fillers(61) + "-top", "top"},
        {"63rd token is cut", Fillers(62) + "-top", ""},
        {"255th character is read", std::string(250, 'y') + " -top", "top"},
        {"256th character is cut", std::string(251, 'y') + " -top", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Described(ParseCommandLine(c.line)), c.state) << c.name;
}

} // namespace
