#pragma once
#include <cstdint>
#include <string>

class LaunchPort;
class ProcessPort;
class Settings;
class StringTable;
class SystemInfo;
class WindowPort;

// Starts command texts: the working directory, the launch sound, each
// command through the shell, minimize-on-use; and brings a running program
// forward instead of starting it again. Under WOW64 a program of
// %windir%\System32 is the native one (see wow64_paths.h).
class Launcher {
public:
    Launcher(LaunchPort& launch, ProcessPort& processes, WindowPort& window, SystemInfo& system,
             const StringTable& strings, const Settings& settings)
        : m_launch(launch), m_processes(processes), m_window(window), m_system(system),
          m_strings(strings), m_settings(settings) {}

    // directory may be null. The current directory set here stays after the call.
    void LaunchCommand(const std::string& text, const std::string* directory);
    // The running program whose file is the command (a full path, or the
    // directory and the command) is brought forward; else the command starts.
    void SwitchToRunning(const std::string& command, const std::string* directory);
    // A string-table message with the stop icon, captioned with the application's name.
    void ShowErrorMessage(unsigned id);
    // The message for a launch error code (see LaunchErrorText), when there is one.
    void ReportLaunchError(int code, const std::string* command);

private:
    // The top-level window of the first process running programPath, or 0;
    // with a window, processId is its process.
    std::uintptr_t RunningWindowOf(const std::string& programPath, std::uint32_t& processId);
    void ShowMessage(const std::string& text, unsigned flags);

    LaunchPort& m_launch;
    ProcessPort& m_processes;
    WindowPort& m_window;
    SystemInfo& m_system;
    const StringTable& m_strings;
    const Settings& m_settings;
};

// The program path a switch-to key compares with running programs: the
// command when it is a full path with a drive letter, else the directory and
// the command joined by a backslash (none added when the directory ends in one).
std::string ProgramPath(const std::string& command, const std::string* directory);
