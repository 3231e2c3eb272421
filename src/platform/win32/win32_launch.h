#pragma once
#include "platform/ports/launch_port.h"

// Launching with the C runtime's directory calls and the shell.
class Win32Launch : public LaunchPort {
public:
    bool ChangeDirectory(const std::string& path) override;
    bool ChangeDrive(int drive) override;
    void PlaySoundSync(const std::string& file) override;
    void StartFile(const std::string& file) override;
};

// Processes from the process snapshot, windows from the desktop's children.
class Win32Processes : public ProcessPort {
public:
    bool ResolveToolHelp() override;
    std::optional<std::vector<Process>> Processes() override;
    std::vector<TopWindow> TopLevelWindows() override;
    void AllowForeground(std::uint32_t processId) override;
    void BringForward(std::uintptr_t window) override;
    bool SamePath(const std::string& a, const std::string& b) override;
};
