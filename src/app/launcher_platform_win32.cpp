#include "app/launcher_platform_win32.h"

#include "app/frame_window_win32.h"

bool Win32LauncherPlatform::RaiseRunningInstance(const std::string& title) {
    HWND other = FindWindowA(nullptr, title.c_str());
    if (!other) return false;
    ShowWindow(other, SW_SHOWNORMAL);
    BringWindowToTop(other);
    // Today's Windows raises a window of another program only when the caller
    // may set the foreground; a start by the user may.
    SetForegroundWindow(other);
    return true;
}

void Win32LauncherPlatform::CallConfigurationLibrary(int debug) {
    SetErrorMode(SEM_NOOPENFILEERRORBOX);
    HMODULE library = LoadLibraryA("klvcfg.dll");
    if (!library) return;
    using CheckCfgEntry = int(WINAPI*)(int);
    auto entry = reinterpret_cast<CheckCfgEntry>(
        reinterpret_cast<void*>(GetProcAddress(library, "CheckCfg")));
    if (entry) entry(debug);
    FreeLibrary(library);
}

bool Win32LauncherPlatform::CreateMainWindow(CKeyboardFrame& frame, const std::string& title,
                                             bool withMenu, int x, int y) {
    return m_window.Create(frame, title, withMenu, x, y);
}

void Win32LauncherPlatform::SizeMainWindow(int width, int height) {
    m_window.SizeClientArea(width, height);
}

void Win32LauncherPlatform::ShowMainWindow(bool minimized) {
    // No paint yet: the keys and their assignments are loaded after this, and
    // the first paint, from the message loop, shows them.
    ShowWindow(m_window.Handle(), minimized ? SW_SHOWMINIMIZED : m_showCommand);
}

void Win32LauncherPlatform::AppendConfigurationPopup(const std::string& text) {
    m_window.AppendConfigurationPopup(text);
}
