#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/startup_actions.h"
#include "fakes/recording_startup.h"

namespace {

TEST(RunStartupActions, CallsThePlatformInOrderAndSaysWhetherStartupGoesOn) {
    struct Case {
        const char* line;
        std::vector<std::string> calls;
        bool goesOn;
    } cases[] = {
        {"", {}, true},
        {"-top -face 1 -icon", {}, true},
        {"-quit", {"logoff"}, true}, // start-up makes its window meanwhile
        {"-restart -top", {"logoff"}, true},
        {"-play x.wav -top", {"play x.wav"}, false},
        {"-vol 20", {"volume 16384"}, false},
        {"-quit -vol -3 -play a.wav", {"logoff", "volume 4294955008", "play a.wav"}, false},
        {"-cwd -play a.wav", {"cwd"}, false},
        {"-quit -cwd", {"logoff", "cwd"}, false},
        {"-play", {}, true}, // no value: ignored, no stop
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        CallLog log;
        RecordingStartupPort port(log);
        EXPECT_EQ(RunStartupActions(ParseCommandLine(c.line), port), c.goesOn);
        EXPECT_EQ(log.Of("startup"), c.calls);
    }
}

} // namespace
