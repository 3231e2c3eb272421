#pragma once
#include <string>
#include <utility>

#include "platform/ports/system_info.h"

// A Windows installation whose directory is whatever the test says.
struct FixedSystemInfo : SystemInfo {
    explicit FixedSystemInfo(std::string directory) : windowsDirectory(std::move(directory)) {}
    std::string WindowsDirectory() const override { return windowsDirectory; }
    std::string windowsDirectory;
};
