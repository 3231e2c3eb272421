// Launching: the command-text grammar, the directory rules, what a launch
// does in which order, and the search for a running program.
#include <string>
#include <vector>

#include "common/ascii_case.h"
#include "common/value_limit.h"
#include "launch/command_text.h"
#include "launch/wow64_paths.h"
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
    // The commands part is taken whole, however long (launching refuses what is too long).
    const std::string longText = "(" + std::string(3000, 'x') + "&&)";
    EXPECT_EQ(ParseCommandText(longText, nullptr).commands, Texts{std::string(3000, 'x') + "&"});
    // The texts of the launch errors: a directory that cannot be entered (code
    // -5) is reported in the launch run under Wine.
    BuiltinStrings strings;
    const std::string command = "x.exe";
    EXPECT_EQ(LaunchErrorText(2, &command, strings), "File was not found. - (x.exe)");
    EXPECT_EQ(LaunchErrorText(24, nullptr, strings), "Bad Current Working Directory parameter");
    for (int code : {1, 25, 31, 4980}) EXPECT_EQ(LaunchErrorText(code, nullptr, strings), std::nullopt);
}

// A 32-bit Kelvane on 64-bit Windows in C:\WINDOWS. Of System32's programs
// notepad.exe has a 64-bit copy (seen through Sysnative), old.exe only a
// 32-bit one; Program Files holds Tool (64-bit only) and Both (in both).
// (The native Common Files folder ends in a backslash, which is no matter.)
Wow64Facts Wow64Windows() {
    return {true, "C:\\WINDOWS", "C:\\Program Files (x86)", "C:\\Program Files",
            "C:\\Program Files (x86)\\Common Files", "C:\\Program Files\\Common Files\\"};
}
// Whether the file exists there, its name in any case.
bool ExistsOnWow64Windows(const std::string& path) {
    for (const char* file :
         {"C:\\WINDOWS\\Sysnative\\notepad.exe", "C:\\WINDOWS\\Sysnative\\drivers\\etc\\hosts",
          "C:\\WINDOWS\\Sysnative\\spool\\tool.exe", "C:\\Program Files\\Tool\\tool.exe",
          "C:\\Program Files\\Both\\both.exe", "C:\\Program Files (x86)\\Both\\both.exe",
          "C:\\Program Files\\Common Files\\Shared\\helper.exe"})
        if (SameIgnoringAsciiCase(path, file)) return true;
    return false;
}

// Under WOW64 a System32 program is started through Sysnative when it has a
// native copy and is then found as the System32 one; else it is the 32-bit
// copy the redirector shows. Shortcut targets under Program Files (x86) that
// are not there are the native ones. Without WOW64 nothing changes.
TEST(Wow64Paths, StartFindAndReadTheProgramsThe64BitBuildWould) {
    const Wow64Facts wow64 = Wow64Windows();
    Wow64Facts native = wow64;
    native.wow64 = false;
    const struct {
        const char* path;
        const char* directory;
        const char* launched; // LaunchPath with the directory
        const char* running;  // RunningImagePath
    } programs[] = {
        {"C:\\WINDOWS\\System32\\notepad.exe", "", "C:\\WINDOWS\\Sysnative\\notepad.exe",
         "C:\\WINDOWS\\System32\\notepad.exe"},
        {"c:\\windows\\SYSTEM32\\NOTEPAD.EXE", "D:\\WORK", "C:\\WINDOWS\\Sysnative\\NOTEPAD.EXE",
         "c:\\windows\\SYSTEM32\\NOTEPAD.EXE"}, // any case
        {"notepad.exe", "C:\\WINDOWS\\System32\\", "C:\\WINDOWS\\Sysnative\\notepad.exe",
         "notepad.exe"}, // relative to the directory (a switch-to path is joined already)
        {"C:\\WINDOWS\\System32\\old.exe", "", "C:\\WINDOWS\\System32\\old.exe",
         "C:\\WINDOWS\\SysWOW64\\old.exe"}, // a 32-bit copy only
        {"C:\\WINDOWS\\System32\\spool\\tool.exe", "", "C:\\WINDOWS\\Sysnative\\spool\\tool.exe",
         "C:\\WINDOWS\\System32\\spool\\tool.exe"}, // in a folder not redirected
        {"C:\\WINDOWS\\Sysnative\\notepad.exe", "", "C:\\WINDOWS\\Sysnative\\notepad.exe",
         "C:\\WINDOWS\\System32\\notepad.exe"}, // no process reports the alias
        // Documents go to their handler, which may not know the alias.
        {"C:\\WINDOWS\\System32\\drivers\\etc\\hosts", "", "C:\\WINDOWS\\System32\\drivers\\etc\\hosts",
         "C:\\WINDOWS\\System32\\drivers\\etc\\hosts"},
        {"notepad.exe", "", "notepad.exe", "notepad.exe"}, // the shell's search decides
        {"C:\\WINDOWS\\System32\\..\\notepad.exe", "", "C:\\WINDOWS\\System32\\..\\notepad.exe",
         "C:\\WINDOWS\\System32\\..\\notepad.exe"},
        {"C:\\WINDOWS\\System32x\\notepad.exe", "", "C:\\WINDOWS\\System32x\\notepad.exe",
         "C:\\WINDOWS\\System32x\\notepad.exe"},
    };
    for (const auto& c : programs) {
        SCOPED_TRACE(std::string(c.path) + " in " + c.directory);
        EXPECT_EQ(LaunchPath(c.path, c.directory, wow64, ExistsOnWow64Windows), c.launched);
        EXPECT_EQ(RunningImagePath(c.path, wow64, ExistsOnWow64Windows), c.running);
        EXPECT_EQ(LaunchPath(c.path, c.directory, native, ExistsOnWow64Windows), c.path);
        EXPECT_EQ(RunningImagePath(c.path, native, ExistsOnWow64Windows), c.path);
    }
    const struct {
        const char* read;
        const char* target;
    } shortcuts[] = {
        {"C:\\Program Files (x86)\\Tool\\tool.exe", "C:\\Program Files\\Tool\\tool.exe"},
        {"c:\\program files (X86)\\Tool\\tool.exe", "C:\\Program Files\\Tool\\tool.exe"},
        {"C:\\Program Files (x86)\\Both\\both.exe", "C:\\Program Files (x86)\\Both\\both.exe"},
        {"C:\\Program Files (x86)\\Gone\\gone.exe", "C:\\Program Files (x86)\\Gone\\gone.exe"},
        {"C:\\Program Files (x86)\\Common Files\\Shared\\helper.exe",
         "C:\\Program Files\\Common Files\\Shared\\helper.exe"},
        {"C:\\Program Files (x86)2\\Tool\\tool.exe", "C:\\Program Files (x86)2\\Tool\\tool.exe"},
    };
    for (const auto& c : shortcuts) {
        SCOPED_TRACE(c.read);
        EXPECT_EQ(NativeShortcutTarget(c.read, wow64, ExistsOnWow64Windows), c.target);
        EXPECT_EQ(NativeShortcutTarget(c.read, native, ExistsOnWow64Windows), c.read);
    }
    // Without the facts of the environment a target stays as read.
    Wow64Facts bare;
    bare.wow64 = true;
    EXPECT_EQ(NativeShortcutTarget("C:\\Program Files (x86)\\Tool\\tool.exe", bare, ExistsOnWow64Windows),
              "C:\\Program Files (x86)\\Tool\\tool.exe");
}

class LauncherTest : public PartsTest {
protected:
    LauncherTest() { profile.Load("kelvane.ini", "[cfg]\nopts=4\nstartup=go.wav\nswitchto=sw.wav\n"); }
    Launcher& Start() {
        settings.LoadSettings(nullptr);
        return launcher;
    }
    Launcher launcher{launch, launch, platform, system, strings, settings};
};

// The sound plays before each command; the window is minimized once, after
// the last; the directory stays as the last successful change left it.
// Before the first sound the right to take the foreground goes to every
// process, for the program that will want it after the sound and its start.
// A command longer than the shell takes whole is refused with a message.
TEST_F(LauncherTest, StartsEachCommandInTheDirectoryAndMinimizesOnce) {
    Start().LaunchCommand("x (a.exe^b.exe) [c:\\TOOLS]", nullptr);
    launcher.LaunchCommand(std::string(kMaxValueChars + 1, 'x') + "^c.exe", nullptr);
    EXPECT_EQ(launch.effects,
              (Texts{"cd c:\\TOOLS", "drive 3", "allow foreground any", "sound go.wav", "start a.exe in c:\\TOOLS",
                     "sound go.wav", "start b.exe in c:\\TOOLS", "allow foreground any", "sound go.wav",
                     "start c.exe in c:\\TOOLS"}));
    EXPECT_EQ(platform.requests,
              (Texts{"minimize", "message Command line too long, at most 2083 characters | Launcher | 16", "minimize"}));
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

// The 32-bit build on 64-bit Windows starts the 64-bit Notepad and finds it
// running by the path its process reports, not the 32-bit copy's.
TEST_F(LauncherTest, UnderWow64ASystemProgramIsStartedAndFoundAsTheNativeOne) {
    system.wow64 = Wow64Windows();
    system.files = {"C:\\WINDOWS\\Sysnative\\notepad.exe"};
    const std::string system32 = "C:\\WINDOWS\\System32";
    launch.processes = std::vector<ProcessPort::Process>{{7, "C:\\Windows\\SysWOW64\\notepad.exe"}};
    launch.windows = {{3, true, false, 7}};
    Start().SwitchToRunning("notepad.exe", &system32); // only a 32-bit copy runs
    EXPECT_EQ(launch.effects.back(), "start C:\\WINDOWS\\Sysnative\\notepad.exe in C:\\WINDOWS\\System32");
    launch.processes->push_back({8, "C:\\Windows\\System32\\notepad.exe"});
    launch.windows.push_back({4, true, false, 8});
    launcher.SwitchToRunning("notepad.exe", &system32);
    EXPECT_EQ(launch.effects.back(), "bring forward 4");
}

} // namespace
