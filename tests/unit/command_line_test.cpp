#include <gtest/gtest.h>

#include <sstream>
#include <utility>

#include "app/command_line.h"
#include "common/options.h"

namespace {

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
    if (!o.menu) text << "no-menu-bar ";
    if (o.icon) text << "icon ";
    if (o.debug) text << "db ";
    if (o.stop) text << "stop ";
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
