// Start-up where the end-to-end tests under Wine cannot see it: what it
// builds from the stored state, the one-shot actions and how early start-up
// ends, and a platform that fails it.
#include <string>
#include <vector>

#include "app/launcher_app.h"
#include "model_fixture.h"

namespace {
using Requests = std::vector<std::string>;

class StartupTest : public ModelTest {
protected:
    std::unique_ptr<CKeyboardFrame> Run(const std::string& commandLine) {
        return CLauncherApp(ports, platform).InitInstance(commandLine);
    }

    FramePorts ports = Ports();
};

// Creating the window stores fIcon 0: the stored minimized state counts
// only because start-up reads it before.
TEST_F(StartupTest, TheWindowIsBuiltFromTheStoredState) {
    profile.Load("kelvane.ini", "[cfg]\nfIcon=1\nx=-20\n[cmd]\nFn-Q=q.exe\n");
    const auto started = Run("-db -nomenu");
    ASSERT_TRUE(started);
    EXPECT_EQ(platform.requests,
              (Requests{"startup: raise Kelvane", "startup: configuration library 1",
                        "create Kelvane without menu at -20,100", "hide status bar", "accept drops",
                        "size 323 x 138", "show minimized", "refuse drops",
                        "system menu popup &KLV Configuration..."}));
    EXPECT_EQ(Stored("cfg", "fIcon"), "1");
    EXPECT_EQ(started->Keys().Count(), 63);
    EXPECT_EQ(started->Keys().FindKey("Q")->m_strCommand, "q.exe");
}

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
        {"-quit -vol -3 -play a.wav",
         {"desktop: log off", "startup: volume 4294955008", "startup: play a.wav"}},
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

TEST_F(StartupTest, FailedWindowCreationEndsStartUp) {
    platform.creationFails = true;
    EXPECT_FALSE(Run(""));
    EXPECT_EQ(platform.requests.back(), "create Kelvane with menu at 150,100");
}

TEST_F(StartupTest, WithoutAnyFaceTheWindowIsEmptyAndRuns) {
    ServedAssets none;
    ports.assets = &none;
    const auto started = Run("");
    ASSERT_TRUE(started);
    EXPECT_EQ(platform.requests[5], "size 0 x 0");
    EXPECT_EQ(started->Keys().Count(), 63);
    EXPECT_TRUE(started->OnPaint().Empty());
}

} // namespace
