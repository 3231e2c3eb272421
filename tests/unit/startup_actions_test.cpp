#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/startup_actions.h"
#include "fakes/recording_startup.h"

namespace {

TEST(RunStartupActions, CallsThePlatformInOrderAndSaysWhetherStartupGoesOn) {
    const struct {
        const char* line;
        std::vector<std::string> calls;
        bool goesOn;
    } cases[] = {
        {"-top -face 1", {}, true},
        {"-quit", {"logoff"}, true}, // start-up makes its window meanwhile
        {"-play x.wav -top", {"play x.wav"}, false},
        {"-quit -vol -3 -play a.wav", {"logoff", "volume 4294955008", "play a.wav"}, false},
        {"-cwd -play a.wav", {"cwd"}, false},
        {"-quit -cwd", {"logoff", "cwd"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        CallLog log;
        RecordingStartupPort port(log);
        EXPECT_EQ(RunStartupActions(ParseCommandLine(c.line), port), c.goesOn);
        EXPECT_EQ(log.Of("startup"), c.calls);
    }
}

} // namespace
