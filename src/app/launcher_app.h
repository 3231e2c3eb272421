#pragma once
#include <memory>
#include <string>

#include "app/frame_ports.h"

class CKeyboardFrame;
class LauncherPlatform;
class StartupPort;

// The application: start-up from the command line to the shown main window.
class CLauncherApp {
public:
    CLauncherApp(const FramePorts& framePorts, LauncherPlatform& platform, StartupPort& startup)
        : m_framePorts(framePorts), m_platform(platform), m_startup(startup) {}

    // Returns the main window's logic when the window runs, or nothing when the
    // program is to end at once (a one-shot option, another instance, a failure).
    std::unique_ptr<CKeyboardFrame> InitInstance(const std::string& commandLine);

private:
    FramePorts m_framePorts;
    LauncherPlatform& m_platform;
    StartupPort& m_startup;
};
