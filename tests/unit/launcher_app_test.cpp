// Start-up where the end-to-end tests under Wine cannot see it: the one-shot
// actions and how early start-up ends, and a platform that fails it.
#include <string>
#include <vector>

#include "app/launcher_app.h"
#include "model_fixture.h"

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
