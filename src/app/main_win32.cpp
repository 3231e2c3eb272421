// Entry point of KLV.exe: the platform's adapters, start-up and the message loop.
#include <windows.h>

#include <commctrl.h>

#include "app/frame_window_win32.h"
#include "app/keyboard_frame.h"
#include "app/launcher_app.h"
#include "app/launcher_platform_win32.h"
#include "app/startup_actions_win32.h"
#include "pickers/shortcut_resolution_win32.h"
#include "platform/win32/win32_assets.h"
#include "platform/win32/win32_colour_chooser.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_strings.h"
#include "platform/win32/win32_system_info.h"

// The hotkey service's message, registered before anything else runs.
const UINT WM_QSERVICE_HOTKEY = RegisterWindowMessageA("WM_QSERVICE_HOTKEY");

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    Win32Profile profile;
    Win32Strings strings;
    Win32ShellFolders shell;
    Win32SystemInfo system;
    Win32Desktop desktop;
    Win32Assets assets;
    FrameWindow window(instance);
    Win32ColourChooser colours(instance, [&window] { return window.Handle(); });

    FramePorts ports;
    ports.profile = &profile;
    ports.strings = &strings;
    ports.shell = &shell;
    ports.colours = &colours;
    ports.system = &system;
    ports.window = &window;
    ports.desktop = &desktop;
    ports.assets = &assets;

    Win32StartupActions startup;
    Win32LauncherPlatform platform(window, showCommand);
    CLauncherApp app(ports, platform, startup);
    std::unique_ptr<CKeyboardFrame> frame = app.InitInstance(commandLine ? commandLine : "");
    if (!frame) return 0;

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
