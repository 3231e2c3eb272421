#pragma once
#include "platform/ports/system_info.h"

// The facts of the Windows installation, from the API.
class Win32SystemInfo : public SystemInfo {
public:
    std::string WindowsDirectory() const override;
};
