#pragma once
#include <windows.h>

#include "platform/ports/window_port.h"

class Win32Desktop : public DesktopPort {
public:
    unsigned VirtualKeyOfScanCode(unsigned scanCode) override;
    bool TopLevelWindowOfClassExists(const char* className) override;
    void StartMinimized(const char* commandLine) override;
    void WaitMessage() override;
    void LogOff() override;
};
