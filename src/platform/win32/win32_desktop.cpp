#include "platform/win32/win32_desktop.h"

bool Win32Desktop::TopLevelWindowOfClassExists(const char* className) {
    return FindWindowA(className, nullptr) != nullptr;
}

void Win32Desktop::StartMinimized(const char* commandLine) {
    WinExec(commandLine, SW_SHOWMINIMIZED);
}

// WaitMessage would sleep past messages that a nested loop has already
// looked at without taking them, as the DDE wait of the import does with
// everything but DDE messages: a close posted during the import would wait
// for some unrelated message. MWMO_INPUTAVAILABLE returns for those too.
void Win32Desktop::WaitMessage() {
    MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

void Win32Desktop::LogOff() { ExitWindowsEx(0, 0xFFFFFFFF); }

unsigned Win32Desktop::VirtualKeyOfScanCode(unsigned scanCode) {
    return MapVirtualKeyA(scanCode, 1); // MAPVK_VSC_TO_VK
}
