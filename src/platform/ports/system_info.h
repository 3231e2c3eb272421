#pragma once
#include <string>

// Facts about the Windows installation the program runs on, and the few file
// operations that place the program's settings files.
class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    // The Windows directory (GetWindowsDirectoryA), without a trailing backslash.
    virtual std::string WindowsDirectory() const = 0;
    // Whether the program can create and write files in dir; the probe
    // leaves nothing behind.
    virtual bool CanWriteFilesIn(const std::string& dir) = 0;
    // The user's roaming application-data folder, empty when unknown.
    virtual std::string UserAppData() = 0;
    // True when dir exists afterwards, created if needed.
    virtual bool MakeFolder(const std::string& dir) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // Copies from to a new file to; never replaces an existing one.
    virtual void CopyNewFile(const std::string& from, const std::string& to) = 0;
};
