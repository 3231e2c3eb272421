#pragma once
#include <string>

class CKeyboardFrame;

// What start-up needs of the platform beyond the frame's own ports: the other
// instance, the configuration library, and the main window's creation.
class LauncherPlatform {
public:
    virtual ~LauncherPlatform() = default;

    // Restores and raises a top-level window titled exactly title; false when there is none.
    virtual bool RaiseRunningInstance(const std::string& title) = 0;
    // Calls CheckCfg(debug) of the configuration library once, when it is there.
    virtual void CallConfigurationLibrary(int debug) = 0;
    // Creates the main window hidden, with its client area's top-left at (x, y).
    virtual bool CreateMainWindow(CKeyboardFrame& frame, const std::string& title, bool withMenu,
                                  int x, int y) = 0;
    // Makes the client area width x height, plus the status bar when it is shown.
    virtual void SizeMainWindow(int width, int height) = 0;
    virtual void ShowMainWindow(bool minimized) = 0;
    // Appends a separator and the main menu as a popup titled text to the system menu.
    virtual void AppendConfigurationPopup(const std::string& text) = 0;
};
