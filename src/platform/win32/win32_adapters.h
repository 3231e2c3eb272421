#pragma once
#include <windows.h>

#include <functional>
#include <utility>

#include "platform/ports/frame_ports.h"
#include "platform/win32/win32_assets.h"
#include "platform/win32/win32_colour_chooser.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_group_transport.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_shell_folders.h"
#include "platform/win32/win32_startup_actions.h"
#include "platform/win32/win32_strings.h"
#include "platform/win32/win32_system_info.h"

// Every port of the program with its Win32 adapter, put together once for
// the entry point and for tests that build the program in their own process.
// The main window is the one port that the caller brings.
struct Win32Adapters {
    explicit Win32Adapters(HINSTANCE instance, WindowPort& window, std::function<HWND()> owner)
        : colours(instance, std::move(owner)), m_window(window) {}

    FramePorts Ports() {
        return {&profile, &strings, &shell, &colours, &system, &m_window, &desktop, &assets, &groups};
    }

    Win32Profile profile;
    Win32Strings strings;
    Win32ShellFolders shell;
    Win32ColourChooser colours;
    Win32SystemInfo system;
    Win32Desktop desktop;
    Win32Assets assets;
    Win32StartupActions startup;
    Win32GroupTransport groups;

private:
    WindowPort& m_window;
};
