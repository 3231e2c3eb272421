#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What launching needs of the platform: the process's current directory,
// sound, and the shell that starts a file.
class LaunchPort {
public:
    virtual ~LaunchPort() = default;
    virtual bool ChangeDirectory(const std::string& path) = 0; // false when it fails
    virtual bool ChangeDrive(int drive) = 0;                   // 1 = A, 2 = B ...; false when it fails
    virtual void PlaySoundSync(const std::string& file) = 0;   // returns when the sound has ended
    // Hands file to the shell to open with its default action, in the current
    // directory, under the wait cursor; the shell shows its own error display.
    virtual void StartFile(const std::string& file) = 0;
};

// Running processes and the top-level windows, for bringing a running
// program forward instead of starting it again.
class ProcessPort {
public:
    struct Process {
        std::uint32_t id = 0;
        std::string image; // the full path of its program file
    };
    struct TopWindow {
        std::uintptr_t handle = 0;
        bool visible = false;
        bool hasParent = false; // a child or an owned window
        std::uint32_t processId = 0;
    };

    virtual ~ProcessPort() = default;
    // False when the process-snapshot functions cannot be had.
    virtual bool ResolveToolHelp() = 0;
    // Every running process; nothing when the snapshot has no first entry.
    virtual std::optional<std::vector<Process>> Processes() = 0;
    // From the top of the stacking order down.
    virtual std::vector<TopWindow> TopLevelWindows() = 0;
    // Hands the right to bring a window to the foreground, while Kelvane
    // holds it, to the process (kAnyProcess: to every process, Kelvane too).
    static constexpr std::uint32_t kAnyProcess = 0xFFFFFFFF;
    virtual void AllowForeground(std::uint32_t processId) = 0;
    // Brings the window to the front, restoring it when it is minimized.
    virtual void BringForward(std::uintptr_t window) = 0;
    // Whether two paths are spelled alike as the file system compares names:
    // the case of every letter aside, not only of the ASCII ones.
    virtual bool SamePath(const std::string& a, const std::string& b) = 0;
};
