#pragma once
#include <windows.h>

#include "platform/ports/launcher_platform.h"

class FrameWindow;

class Win32LauncherPlatform : public LauncherPlatform {
public:
    Win32LauncherPlatform(FrameWindow& window, int showCommand)
        : m_window(window), m_showCommand(showCommand) {}

    bool RaiseRunningInstance(const std::string& title) override;
    void CallConfigurationLibrary(int debug) override;
    bool CreateMainWindow(CKeyboardFrame& frame, const std::string& title, bool withMenu, int x,
                          int y) override;
    void SizeMainWindow(int width, int height) override;
    void ShowMainWindow(bool minimized) override;
    void AppendConfigurationPopup(const std::string& text) override;

private:
    FrameWindow& m_window;
    int m_showCommand;
};
