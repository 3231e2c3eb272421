// Start-up where the end-to-end tests under Wine cannot see it: the order of
// its steps, the one-shot actions and how early start-up ends, and a
// platform that fails it.
#include <string>
#include <vector>

#include "app/launcher_app.h"
#include "fakes/recording_startup.h"
#include "model_fixture.h"

namespace {
using Calls = std::vector<std::string>;

class StartupTest : public ModelTest {
protected:
    StartupTest() : platform(log) {}

    std::unique_ptr<CKeyboardFrame> Run(const std::string& commandLine) {
        return CLauncherApp(ports, platform, platform).InitInstance(commandLine);
    }
    int At(const std::string& call) const { return log.IndexOf(call); }

    FramePorts ports = Ports();
    RecordingStartup platform;
};

TEST_F(StartupTest, StepsComeInTheirOrder) {
    dir.Write("kelvane.ini", "[cfg]\nfIcon=1\nx=-20\n");
    const auto started = Run("-db -nomenu");
    ASSERT_TRUE(started);
    // Creating the window stores fIcon 0: the stored minimized state counts
    // only because it is read before.
    EXPECT_EQ(log.Of("platform"),
              (Calls{"raise Kelvane", "configuration library 1",
                     "create Kelvane without menu at -20,100", "size 323 x 138", "show minimized",
                     "system menu popup &KLV Configuration..."}));
    EXPECT_EQ(log.Of("window"), (Calls{"hide status bar", "accept drops", "refuse drops"}));
    EXPECT_EQ(Stored("cfg", "fIcon"), "1");

    // The settings come before the configuration library, the face's name after it.
    const int library = At("platform: configuration library 1");
    for (const char* setting : {"get kelvane.cfg cfg fac", "get kelvane.cfg cfg key",
                                "getint kelvane.ini cfg opts", "get kelvane.ini cfg darkgray"})
        EXPECT_LT(At(std::string("profile: ") + setting), library) << setting;
    EXPECT_GT(At("profile: get kelvane.ini cfg face"), library);
    // The keys are built once the window is shown: its first paint finds them.
    EXPECT_GT(At("profile: get kelvane.ini cmd Fn-Q"), At("platform: show minimized"));
    EXPECT_EQ(started->m_nKeys, 63);
    EXPECT_EQ(started->m_bDebug, 1);
}

// The one-shot options act in their order before the instance check; all
// but "-quit" and "-restart" end start-up, "-cwd" at once. With another
// instance running, start-up ends before any setting is read.
TEST_F(StartupTest, OneShotOptionsAndARunningInstanceEndStartUpEarly) {
    platform.otherInstance = true;
    const struct {
        const char* line;
        Calls calls;
    } cases[] = {
        {"-top -icon -face 1 -db -nomenu", {"platform: raise Kelvane"}},
        {"-quit -top", {"startup: logoff", "platform: raise Kelvane"}},
        {"-vol 20 -top", {"startup: volume 16384"}},
        {"-quit -vol -3 -play a.wav",
         {"startup: logoff", "startup: volume 4294955008", "startup: play a.wav"}},
        {"-quit -cwd -play a.wav", {"startup: logoff", "startup: cwd"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        log.calls.clear();
        EXPECT_FALSE(Run(c.line));
        EXPECT_EQ(log.calls, c.calls);
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "kelvane.ini"));
}

TEST_F(StartupTest, FailedWindowCreationEndsStartUp) {
    platform.creationFails = true;
    EXPECT_FALSE(Run(""));
    EXPECT_EQ(log.calls.back(), "platform: create Kelvane with menu at 150,100");
}

TEST_F(StartupTest, WithoutAnyFaceTheWindowIsEmptyAndRuns) {
    ServedAssets none;
    ports.assets = &none;
    const auto started = Run("");
    ASSERT_TRUE(started);
    EXPECT_EQ(log.Of("platform")[3], "size 0 x 0");
    EXPECT_EQ(started->m_nKeys, 63);
    EXPECT_TRUE(started->OnPaint().Empty());
}

} // namespace
