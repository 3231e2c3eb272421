// Start-up where the end-to-end tests under Wine cannot see it: the one-shot
// actions and how early start-up ends, what the command line asks of the
// platform, where the face comes from, and a platform that fails it.
#include <algorithm>
#include <string>
#include <vector>

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
// keys to paint. "-db" draws on the keys.
TEST_F(StartupTest, FaceComesFromTheFaceFileOrTheBuiltInPicture) {
    profile.Load("kelvane.cfg", "[cfg]\nfac=other.fac\nkey=other.key\n");
    profile.Load("other.key", "[keys]\na=65 1 0 A 1 1 1 1\n");
    const std::vector<std::uint8_t> list = ResourceBytes("list.bmp"); // 30 x 60
    const struct {
        const char* line;
        std::vector<std::uint8_t> file;
        int width, height, keys;
    } cases[] = {{"", list, 30, 60, 1},
                 {"-noover", list, 322, 136, 63},
                 {"", {list.begin(), list.begin() + 100}, 322, 136, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        assets.files["C:\\WINDOWS\\other.fac"] = c.file;
        const auto started = Run(c.line);
        ASSERT_TRUE(started);
        EXPECT_EQ(started->FaceWidth(), c.width);
        EXPECT_EQ(started->FaceHeight(), c.height);
        EXPECT_EQ(started->Keys().Count(), c.keys);
    }
    assets.files.clear();
    EXPECT_TRUE(Run("-face 1")->OnPaint() == ResourcePicture("face1.bmp"));
    const Image plain = Run("")->OnPaint();
    EXPECT_TRUE(Run("-db")->OnPaint() != plain);
}

TEST_F(StartupTest, FailedWindowCreationEndsStartUp) {
    platform.creationFails = true;
    EXPECT_FALSE(Run(""));
    EXPECT_EQ(platform.requests.back(), "create Kelvane with menu at 150,100");
}

TEST_F(StartupTest, WithoutAnyFaceTheWindowIsEmptyAndRuns) {
    assets.servesFaces = false;
    const auto started = Run("");
    ASSERT_TRUE(started);
    EXPECT_EQ(platform.requests[5], "size 0 x 0");
    EXPECT_EQ(started->Keys().Count(), 63);
    EXPECT_TRUE(started->OnPaint().Empty());
}

} // namespace
