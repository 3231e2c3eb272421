// Entry point of KLV.exe: the platform's adapters, start-up and the message loop.
#include <windows.h>

#include <commctrl.h>

#include "app/frame_window_win32.h"
#include "app/keyboard_frame.h"
#include "app/launcher_app.h"
#include "platform/win32/win32_adapters.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    FrameWindow window(instance, showCommand);
    Win32Adapters adapters(instance, window);
    CLauncherApp app(adapters.Ports(), adapters.startup);
    std::unique_ptr<CKeyboardFrame> frame = app.InitInstance(commandLine ? commandLine : "");
    if (!frame) return 0;

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
