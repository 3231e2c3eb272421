// Entry point of KLV.exe: the platform's adapters, start-up and the message loop.
#include <windows.h>

#include "app/frame_window_win32.h"
#include "app/keyboard_frame.h"
#include "app/launcher_app.h"
#include "platform/win32/win32_adapters.h"
#include "platform/win32/win32_shell_folders.h"

#include <cstdlib>

// An exception nothing catches ends the program at once. The runtime's
// default handler would write the exception's demangled type to a standard
// error that a window program does not have, and brings 45 KB of demangler
// into the image; this definition takes its place.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    // COM on this thread from before the first shell call (the popup lists
    // read at start-up, every ShellExecuteEx) until everything else has gone.
    ComApartment com;
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
