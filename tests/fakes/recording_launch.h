#pragma once
#include <optional>
#include <string>
#include <vector>

#include "common/ascii_case.h"
#include "platform/ports/launch_port.h"

// The shell and the processes as the launcher sees them: a list of what
// happened ("cd C:\X", "drive 3", "sound a.wav", "start notepad.exe in C:\X",
// "allow foreground 8", "bring forward 7"), with directories that exist only when the test says so,
// and scripted process and window lists.
class RecordingLaunch : public LaunchPort, public ProcessPort {
public:
    bool ChangeDirectory(const std::string& path) override {
        if (path.find("MISSING") != std::string::npos) return false;
        effects.push_back("cd " + path);
        m_current = path;
        return true;
    }
    bool ChangeDrive(int drive) override {
        effects.push_back("drive " + std::to_string(drive));
        return drive >= 1 && drive <= 26;
    }
    void PlaySoundSync(const std::string& file) override { effects.push_back("sound " + file); }
    void StartFile(const std::string& file) override {
        effects.push_back("start " + file + " in " + m_current);
    }

    bool ResolveToolHelp() override { return toolHelp; }
    std::optional<std::vector<Process>> Processes() override { return processes; }
    std::vector<TopWindow> TopLevelWindows() override { return windows; }
    void AllowForeground(std::uint32_t processId) override {
        effects.push_back("allow foreground " +
                          (processId == kAnyProcess ? std::string("any") : std::to_string(processId)));
    }
    void BringForward(std::uintptr_t window) override {
        effects.push_back("bring forward " + std::to_string(window));
    }
    bool SamePath(const std::string& a, const std::string& b) override { return SameIgnoringAsciiCase(a, b); }

    std::vector<std::string> effects;
    bool toolHelp = true;
    std::optional<std::vector<Process>> processes = std::vector<Process>{};
    std::vector<TopWindow> windows;

private:
    std::string m_current = "C:\\START";
};
