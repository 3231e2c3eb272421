#pragma once
#include <string>
#include <utility>

#include "platform/ports/system_info.h"

// A Windows installation whose directory is whatever the test says.
class FixedSystemInfo : public SystemInfo {
public:
    explicit FixedSystemInfo(std::string windowsDirectory)
        : m_windowsDirectory(std::move(windowsDirectory)) {}
    std::string WindowsDirectory() const override { return m_windowsDirectory; }

private:
    std::string m_windowsDirectory;
};
