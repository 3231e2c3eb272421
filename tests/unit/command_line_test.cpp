#include <gtest/gtest.h>

#include <functional>

#include "app/command_line.h"
#include "common/options.h"

namespace {

StartupAction Play(const std::string& file) { return {StartupAction::PlaySound, file, 0}; }
StartupAction Volume(std::uint32_t value) { return {StartupAction::SetVolume, "", value}; }
const StartupAction kLogOff{StartupAction::LogOff, "", 0};
const StartupAction kShowCwd{StartupAction::ShowCurrentDirectory, "", 0};

// The start-up state with the given changes from the defaults.
StartupOptions With(const std::function<void(StartupOptions&)>& change) {
    StartupOptions options;
    change(options);
    return options;
}
const StartupOptions kDefaults;
const StartupOptions kTopmost = With([](StartupOptions& o) { o.optionBits = OPT_TOPMOST; });

std::string Fillers(int count) {
    std::string line;
    for (int i = 0; i < count; ++i) line += "x ";
    return line;
}

struct ParseCase {
    const char* name;
    std::string line;
    StartupOptions expected;
};

const ParseCase kCases[] = {
    {"empty line", "", kDefaults},
    {"case must match, others are ignored", "-TOP -Nomenu -Icon -DB -Play x -CWD top --top /top",
     kDefaults},
    {"option bits", "-all -noover -mark -status -top", With([](StartupOptions& o) {
         o.optionBits = OPT_ALLKEYS | OPT_NOOVERRIDE | OPT_NOMARK | OPT_STATUSBAR | OPT_TOPMOST;
     })},
    {"tabs and runs of blanks separate", "\t-top\t\t-all   -mark\t",
     With([](StartupOptions& o) { o.optionBits = OPT_TOPMOST | OPT_ALLKEYS | OPT_NOMARK; })},
    {"-nomenu then -menu", "-nomenu -top -menu", kTopmost},
    {"-menu then -nomenu", "-menu -nomenu",
     With([](StartupOptions& o) { o.menu = false; o.optionBits = OPT_NOMENU; })},
    {"-icon once", "-icon", With([](StartupOptions& o) { o.icon = true; })},
    {"-icon twice", "-icon -icon", kDefaults},
    {"-db three times", "-db -db -db", With([](StartupOptions& o) { o.debug = true; })},
    {"-face 1", "-face 1", With([](StartupOptions& o) {
         o.faceName = "face1";
         o.faceIndex = 1;
         o.optionBits = OPT_NOOVERRIDE;
     })},
    {"the value of -play is not an option", "-play -top",
     With([](StartupOptions& o) { o.stop = true; o.actions = {Play("-top")}; })},
    {"-vol 20 and reading goes on", "-vol 20 -top", With([](StartupOptions& o) {
         o.optionBits = OPT_TOPMOST;
         o.stop = true;
         o.actions = {Volume(0x4000)};
     })},
    {"actions keep their order", "-vol 7 -quit -play a.wav -restart", With([](StartupOptions& o) {
         o.stop = true;
         o.actions = {Volume(0x7000), kLogOff, Play("a.wav"), kLogOff};
     })},
    {"-cwd ends the reading", "-top -play a.wav -cwd -all -vol 3 -quit",
     With([](StartupOptions& o) {
         o.optionBits = OPT_TOPMOST;
         o.stop = true;
         o.actions = {Play("a.wav"), kShowCwd};
     })},
    {"an option without its value is ignored", "-top -play", kTopmost},
    {"a NUL ends the line", std::string("-top\0-all", 9), kTopmost},
    // Only the first 62 tokens and the first 255 characters are looked at.
    {"62nd token is read", Fillers(61) + "-top", kTopmost},
    {"63rd token is cut", Fillers(62) + "-top", kDefaults},
    {"255th character is read", std::string(250, 'y') + " -top", kTopmost},
    {"256th character is cut", std::string(251, 'y') + " -top", kDefaults},
};

TEST(ParseCommandLine, GivesTheStartupState) {
    for (const ParseCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const StartupOptions actual = ParseCommandLine(c.line);
        EXPECT_EQ(c.expected.optionBits, actual.optionBits);
        EXPECT_EQ(c.expected.faceName, actual.faceName);
        EXPECT_EQ(c.expected.faceIndex, actual.faceIndex);
        EXPECT_EQ(c.expected.menu, actual.menu);
        EXPECT_EQ(c.expected.icon, actual.icon);
        EXPECT_EQ(c.expected.debug, actual.debug);
        EXPECT_EQ(c.expected.stop, actual.stop);
        EXPECT_EQ(c.expected.actions, actual.actions);
    }
}

} // namespace
