#pragma once
#include <string>

// Facts about the Windows installation the program runs on.
class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    // The Windows directory (GetWindowsDirectoryA), without a trailing backslash.
    virtual std::string WindowsDirectory() const = 0;
};
