#pragma once
#include <windows.h>


#include "platform/ports/frame_ports.h"
#include "platform/win32/win32_assets.h"
#include "platform/win32/win32_colour_chooser.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_launch.h"
#include "platform/win32/win32_group_transport.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_shell_folders.h"
#include "platform/win32/win32_startup_actions.h"
#include "platform/win32/win32_strings.h"
#include "platform/win32/win32_system_info.h"

// Every port of the program with its Win32 adapter, put together once for
// the entry point and for tests that build the program in their own process.
// The main window, with its hint and popup menus, is what the caller brings.
struct Win32Adapters {
    template <typename MainWindow>
    Win32Adapters(HINSTANCE instance, MainWindow& window)
        : shell([&window] { return window.Handle(); }),
          colours(instance, [&window] { return window.Handle(); }),
          dialogs(instance, strings, window, [&window] { return window.Handle(); }),
          m_window(window), m_hint(window.Hint()), m_menus(window.Menus()) {}

    FramePorts Ports() {
        return {&profile, &strings, &shell,     &colours,   &system,  &m_window, &desktop,
                &assets,  &launch,  &processes, &m_menus,   &m_hint,  &groups, &dialogs};
    }

    Win32Profile profile;
    Win32Strings strings;
    Win32ShellFolders shell;
    Win32ColourChooser colours;
    Win32SystemInfo system;
    Win32Desktop desktop;
    Win32Assets assets;
    Win32StartupActions startup;
    Win32Launch launch;
    Win32Processes processes;
    Win32GroupTransport groups;
    Win32Dialogs dialogs;

private:
    WindowPort& m_window;
    HintPort& m_hint;
    PopupMenuPort& m_menus;
};
