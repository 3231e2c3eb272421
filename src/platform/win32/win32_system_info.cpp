#include "platform/win32/win32_system_info.h"

#include <windows.h>

std::string Win32SystemInfo::WindowsDirectory() const {
    char buffer[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer) return std::string();
    return std::string(buffer, length);
}
