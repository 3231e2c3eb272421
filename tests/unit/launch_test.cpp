// Launching: the command-text grammar, the directory rules, what a launch
// does in which order, and the search for a running program.
#include <string>
#include <vector>

#include "launch/command_text.h"
#include "model_fixture.h"

namespace {
using Texts = std::vector<std::string>;

TEST(CommandText, SplitsDirectoryAndCommandsAndNamesLaunchErrors) {
    const std::string kWork = "D:\\WORK";
    const struct {
        const char* text;
        const std::string* caller;
        const char* directory;
        Texts commands;
    } cases[] = {
        {"a.exe^b.exe", &kWork, "D:\\WORK", {"a.exe", "b.exe"}},
        {"x (a.exe) [C:\\TEMP]", &kWork, "C:\\TEMP", {"a.exe"}}, // brackets win
        {"x (a.exe) []", &kWork, "", {"a.exe"}},                 // even empty ones
        {"a.exe [C:]", nullptr, "", {"a.exe [C:]"}},             // a bare drive is no directory
        {"a.exe [C:\\]", nullptr, "C:\\", {"a.exe [C:\\]"}},
        {"a.exe [\\\\server\\share]", nullptr, "", {"a.exe [\\\\server\\share]"}},
        {"Sales && Marketing.lnk", nullptr, "", {"Sales & Marketing.lnk"}},
        {"&Word.lnk&", nullptr, "", {"Word.lnk"}},
        {"Tool (tool.exe", nullptr, "", {"Tool (tool.exe"}},               // "(" without ")"
        {"Tool (tool.exe) [C:\\OLD (1)]", nullptr, "C:\\OLD (1)", {"1"}}, // the last pair counts
        {"x )a.exe(", nullptr, "", {""}},                                   // ")" before "("
        {"a.exe^^b.exe^", nullptr, "", {"a.exe", "", "b.exe", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const CommandText parsed = ParseCommandText(c.text, c.caller);
        EXPECT_EQ(parsed.directory, c.directory);
        EXPECT_EQ(parsed.commands, c.commands);
    }
    const std::string relative = "WORK";
    EXPECT_EQ(ParseCommandText("a.exe", &relative).directory, "");
    // The commands part is cut at 255 characters before the "&" go.
    const std::string longText = "(" + std::string(300, 'x') + "&&)";
    EXPECT_EQ(ParseCommandText(longText, nullptr).commands, Texts{std::string(255, 'x')});
    // The texts of the launch errors: a directory that cannot be entered (code
    // -5) is reported in the launch run under Wine.
    BuiltinStrings strings;
    const std::string command = "x.exe";
    EXPECT_EQ(LaunchErrorText(2, &command, strings), "File was not found. - (x.exe)");
    EXPECT_EQ(LaunchErrorText(24, nullptr, strings), "Bad Current Working Directory parameter");
    for (int code : {1, 25, 31, 4980}) EXPECT_EQ(LaunchErrorText(code, nullptr, strings), std::nullopt);
}

class LauncherTest : public PartsTest {
protected:
    LauncherTest() { profile.Load("kelvane.ini", "[cfg]\nopts=4\nstartup=go.wav\nswitchto=sw.wav\n"); }
    Launcher& Start() {
        settings.LoadSettings(nullptr);
        return launcher;
    }
    Launcher launcher{launch, launch, platform, strings, settings};
};

// The sound plays before each command; the window is minimized once, after
// the last; the directory stays as the last successful change left it.
// Before the first sound the right to take the foreground goes to every
// process, for the program that will want it after the sound and its start.
TEST_F(LauncherTest, StartsEachCommandInTheDirectoryAndMinimizesOnce) {
    Start().LaunchCommand("x (a.exe^b.exe) [c:\\TOOLS]", nullptr);
    launcher.LaunchCommand("c.exe", nullptr);
    EXPECT_EQ(launch.effects,
              (Texts{"cd c:\\TOOLS", "drive 3", "allow foreground any", "sound go.wav", "start a.exe in c:\\TOOLS",
                     "sound go.wav", "start b.exe in c:\\TOOLS", "allow foreground any", "sound go.wav",
                     "start c.exe in c:\\TOOLS"}));
    EXPECT_EQ(platform.requests, (Texts{"minimize", "minimize"}));
}

TEST_F(LauncherTest, SwitchToBringsTheFirstMatchingProcessesWindowForward) {
    launch.processes = std::vector<ProcessPort::Process>{
        {7, "C:\\OTHER\\NOTEPAD.EXE"}, {8, "C:\\WINDOWS\\NOTEPAD.EXE"}, {9, "C:\\WINDOWS\\NOTEPAD.EXE"}};
    const std::string windows = "C:\\WINDOWS", windowsSlash = "C:\\WINDOWS\\";
    // The running program's process gets the right to take the foreground
    // before the switch sound.
    const Texts forward4 = {"allow foreground 8", "sound sw.wav", "bring forward 4"};
    // Windows by handle, visible, with a parent, process.
    const struct {
        const char* what;
        std::string command;
        const std::string* directory;
        std::vector<ProcessPort::TopWindow> windows;
        Texts effects;
    } cases[] = {
        {"full path, any case", "c:\\windows\\notepad.exe", nullptr,
         {{1, false, false, 8}, {2, true, true, 8}, {3, true, false, 9}, {4, true, false, 8}}, forward4},
        {"directory and name", "notepad.exe", &windows, {{4, true, false, 8}}, forward4},
        {"directory ending in a backslash", "notepad.exe", &windowsSlash, {{4, true, false, 8}}, forward4},
        // Only the first matching process counts, though a later one has a window.
        {"first process has no window", "C:\\WINDOWS\\NOTEPAD.EXE", nullptr,
         {{5, true, false, 9}},
         {"allow foreground any", "sound go.wav", "start C:\\WINDOWS\\NOTEPAD.EXE in C:\\START"}},
        {"bare name never matches", "NOTEPAD.EXE", nullptr, {{4, true, false, 8}},
         {"allow foreground any", "sound go.wav", "start NOTEPAD.EXE in C:\\START"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        launch.effects.clear();
        launch.windows = c.windows;
        Start().SwitchToRunning(c.command, c.directory);
        EXPECT_EQ(launch.effects, c.effects);
    }
    // Without sounds nothing comes between: Kelvane uses the right itself.
    profile.Load("kelvane.ini", "[cfg]\nopts=4\n");
    launch.effects.clear();
    Start().SwitchToRunning("notepad.exe", &windows);
    Start().SwitchToRunning("NOTEPAD.EXE", nullptr);
    EXPECT_EQ(launch.effects, (Texts{"bring forward 4", "allow foreground any", "start NOTEPAD.EXE in C:\\START"}));
}

TEST_F(LauncherTest, SwitchToWithoutAProcessListSaysSoAndStarts) {
    const std::string exclamation = " | Launcher | 48";
    launch.toolHelp = false;
    Start().SwitchToRunning("a.exe", nullptr);
    launch.toolHelp = true;
    launch.processes.reset();
    launcher.SwitchToRunning("b.exe", nullptr);
    EXPECT_EQ(platform.requests, (Texts{"message Error initializing ToolHelp32." + exclamation,
                                        "minimize", "message Could not walk the process list." + exclamation,
                                        "minimize"}));
    EXPECT_EQ(launch.effects, (Texts{"allow foreground any", "sound go.wav", "start a.exe in C:\\START",
                                     "allow foreground any", "sound go.wav", "start b.exe in C:\\START"}));
}
} // namespace
