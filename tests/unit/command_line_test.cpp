#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "app/command_line.h"
#include "model/options.h"

void PrintTo(const StartupAction& action, std::ostream* out) {
    static const char* const kinds[] = {"ShowCurrentDirectory", "PlaySound", "SetVolume", "LogOff"};
    *out << kinds[action.kind] << "(\"" << action.file << "\", 0x" << std::hex << action.volumeValue
         << std::dec << ")";
}

namespace {

StartupAction Play(const std::string& file) {
    return {StartupAction::PlaySound, file, 0};
}
StartupAction Volume(std::uint32_t value) {
    return {StartupAction::SetVolume, "", value};
}
const StartupAction kLogOff{StartupAction::LogOff, "", 0};
const StartupAction kShowCwd{StartupAction::ShowCurrentDirectory, "", 0};

// The start-up state with the given changes from the defaults.
StartupOptions With(const std::function<void(StartupOptions&)>& change) {
    StartupOptions options;
    change(options);
    return options;
}
const StartupOptions kDefaults;

void ExpectSame(const StartupOptions& expected, const StartupOptions& actual) {
    EXPECT_EQ(expected.optionBits, actual.optionBits);
    EXPECT_EQ(expected.faceName, actual.faceName);
    EXPECT_EQ(expected.faceIndex, actual.faceIndex);
    EXPECT_EQ(expected.menu, actual.menu);
    EXPECT_EQ(expected.icon, actual.icon);
    EXPECT_EQ(expected.debug, actual.debug);
    EXPECT_EQ(expected.stop, actual.stop);
    EXPECT_EQ(expected.actions, actual.actions);
}

struct ParseCase {
    const char* name;
    std::string line;
    StartupOptions expected;
};

const ParseCase kCases[] = {
    {"empty line", "", kDefaults},
    {"only separators", " \t \t", kDefaults},
    {"letter case must match", "-TOP -Nomenu -Icon -DB -Play x -CWD", kDefaults},
    {"unknown tokens are ignored", "top --top -topmost -x /top", kDefaults},
    {"option bits", "-all -noover -mark -status -top", With([](StartupOptions& o) {
         o.optionBits = OPT_ALLKEYS | OPT_NOOVERRIDE | OPT_NOMARK | OPT_STATUSBAR | OPT_TOPMOST;
     })},
    {"tabs and runs of blanks separate", "\t-top\t\t-all   -mark\t",
     With([](StartupOptions& o) { o.optionBits = OPT_TOPMOST | OPT_ALLKEYS | OPT_NOMARK; })},
    {"-nomenu", "-nomenu", With([](StartupOptions& o) {
         o.menu = false;
         o.optionBits = OPT_NOMENU;
     })},
    {"-nomenu then -menu", "-nomenu -top -menu",
     With([](StartupOptions& o) { o.optionBits = OPT_TOPMOST; })},
    {"-menu then -nomenu", "-menu -nomenu", With([](StartupOptions& o) {
         o.menu = false;
         o.optionBits = OPT_NOMENU;
     })},
    {"-icon once", "-icon", With([](StartupOptions& o) { o.icon = true; })},
    {"-icon twice", "-icon -icon", kDefaults},
    {"-db three times", "-db -db -db", With([](StartupOptions& o) { o.debug = true; })},
    {"-face 1", "-face 1", With([](StartupOptions& o) {
         o.faceName = "face1";
         o.faceIndex = 1;
         o.optionBits = OPT_NOOVERRIDE;
     })},
    {"-face reads a leading number", "-face 12abc", With([](StartupOptions& o) {
         o.faceName = "face12";
         o.faceIndex = 12;
         o.optionBits = OPT_NOOVERRIDE;
     })},
    {"-face without a number gives face0", "-face one", With([](StartupOptions& o) {
         o.faceName = "face0";
         o.optionBits = OPT_NOOVERRIDE;
     })},
    {"-face negative", "-face -2", With([](StartupOptions& o) {
         o.faceName = "face-2";
         o.faceIndex = -2;
         o.optionBits = OPT_NOOVERRIDE;
     })},
    {"-face beyond int is clamped", "-face 99999999999", With([](StartupOptions& o) {
         o.faceName = "face2147483647";
         o.faceIndex = 2147483647;
         o.optionBits = OPT_NOOVERRIDE;
     })},
    {"the value of -face is not an option", "-face -nomenu", With([](StartupOptions& o) {
         o.faceName = "face0";
         o.optionBits = OPT_NOOVERRIDE;
     })},
    {"the value of -play is not an option", "-play -top", With([](StartupOptions& o) {
         o.stop = true;
         o.actions = {Play("-top")};
     })},
    {"the value of -vol is not an option", "-vol -face 3", With([](StartupOptions& o) {
         o.stop = true;
         o.actions = {Volume(0)};
     })},
    {"-play x -top", "-play x.wav -top", With([](StartupOptions& o) {
         o.optionBits = OPT_TOPMOST;
         o.stop = true;
         o.actions = {Play("x.wav")};
     })},
    {"-vol 20", "-vol 20", With([](StartupOptions& o) {
         o.stop = true;
         o.actions = {Volume(0x4000)};
     })},
    {"-vol -3", "-vol -3", With([](StartupOptions& o) {
         o.stop = true;
         o.actions = {Volume(0xFFFFD000)};
     })},
    {"-quit and -restart both log off", "-quit -restart", With([](StartupOptions& o) {
         o.actions = {kLogOff, kLogOff};
     })},
    {"actions keep their order", "-vol 7 -quit -play a.wav -play b.wav",
     With([](StartupOptions& o) {
         o.stop = true;
         o.actions = {Volume(0x7000), kLogOff, Play("a.wav"), Play("b.wav")};
     })},
    {"-cwd ends the reading", "-top -play a.wav -cwd -all -vol 3 -quit",
     With([](StartupOptions& o) {
         o.optionBits = OPT_TOPMOST;
         o.stop = true;
         o.actions = {Play("a.wav"), kShowCwd};
     })},
    {"-cwd alone", "-cwd", With([](StartupOptions& o) { o.actions = {kShowCwd}; })},
    {"-play without a value is ignored", "-top -play",
     With([](StartupOptions& o) { o.optionBits = OPT_TOPMOST; })},
    {"-vol without a value is ignored", "-vol", kDefaults},
    {"-face without a value is ignored", "-all -face",
     With([](StartupOptions& o) { o.optionBits = OPT_ALLKEYS; })},
    {"a NUL ends the line", std::string("-top\0-all", 9),
     With([](StartupOptions& o) { o.optionBits = OPT_TOPMOST; })},
};

class ParseCommandLineTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseCommandLineTest, GivesTheStartupState) {
    const ParseCase& c = GetParam();
    SCOPED_TRACE(c.name);
    ExpectSame(c.expected, ParseCommandLine(c.line));
}

INSTANTIATE_TEST_SUITE_P(Tokens, ParseCommandLineTest, ::testing::ValuesIn(kCases));

std::string Fillers(int count) {
    std::string line;
    for (int i = 0; i < count; ++i)
        line += "x ";
    return line;
}

// Only the first 62 tokens and the first 255 characters are looked at.
TEST(ParseCommandLineLimits, TokensAndCharactersBeyondTheBufferAreCut) {
    struct Case {
        const char* name;
        std::string line;
        std::uint32_t bits;
        const char* faceName;
    } cases[] = {
        {"62nd token is read", Fillers(61) + "-top", OPT_TOPMOST, "FACE0"},
        {"63rd token is cut", Fillers(62) + "-top", 0, "FACE0"},
        {"value beyond the 62nd token is cut", Fillers(61) + "-face 3", 0, "FACE0"},
        {"value as the 62nd token", Fillers(60) + "-face 3", OPT_NOOVERRIDE, "face3"},
        {"255th character is read", std::string(250, 'y') + " -top", OPT_TOPMOST, "FACE0"},
        {"256th character is cut", std::string(251, 'y') + " -top", 0, "FACE0"},
        {"a value cut short", std::string(246, 'y') + " -face 123", OPT_NOOVERRIDE, "face12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const StartupOptions options = ParseCommandLine(c.line);
        EXPECT_EQ(options.optionBits, c.bits);
        EXPECT_EQ(options.faceName, c.faceName);
    }
}

} // namespace
