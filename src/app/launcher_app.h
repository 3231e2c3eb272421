#pragma once
#include <memory>
#include <string>

#include "platform/ports/frame_ports.h"

class CKeyboardFrame;
class StartupPort;

// The application: start-up from the command line to the shown main window.
class CLauncherApp {
public:
    CLauncherApp(const FramePorts& framePorts, StartupPort& startup)
        : m_framePorts(framePorts), m_startup(startup) {}

    // Returns the main window's logic when the window runs, or nothing when the
    // program is to end at once (a one-shot option, another instance, a failure).
    std::unique_ptr<CKeyboardFrame> InitInstance(const std::string& commandLine);

private:
    FramePorts m_framePorts;
    StartupPort& m_startup;
};
