#include "platform/win32/win32_desktop.h"

bool Win32Desktop::TopLevelWindowOfClassExists(const char* className) {
    return FindWindowA(className, nullptr) != nullptr;
}

void Win32Desktop::StartMinimized(const char* commandLine) {
    WinExec(commandLine, SW_SHOWMINIMIZED);
}

void Win32Desktop::WaitMessage() { ::WaitMessage(); }

void Win32Desktop::LogOff() { ExitWindowsEx(0, 0xFFFFFFFF); }

unsigned Win32Desktop::VirtualKeyOfScanCode(unsigned scanCode) {
    return MapVirtualKeyA(scanCode, 1); // MAPVK_VSC_TO_VK
}
