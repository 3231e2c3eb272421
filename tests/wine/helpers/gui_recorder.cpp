// A program for launching tests to start: it appends one line
// "<its file name>|<current directory>" to klvlaunch.log in
// the Windows directory and ends. Copies named win*.exe instead open a
// window titled with their file name and run until it is closed.
#include <windows.h>

#include <fstream>
#include <string>

namespace {
LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    char module[MAX_PATH] = "", directory[MAX_PATH] = "", windows[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    GetCurrentDirectoryA(MAX_PATH, directory);
    std::string name = module;
    name.erase(0, name.find_last_of('\\') + 1);
    GetWindowsDirectoryA(windows, MAX_PATH);
    std::ofstream(std::string(windows) + "\\klvlaunch.log", std::ios::app | std::ios::binary)
        << name << "|" << directory << "\r\n";
    if (name.rfind("win", 0) != 0) return 0;

    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = "KlvRecorder";
    RegisterClassA(&wc);
    CreateWindowExA(0, wc.lpszClassName, name.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 300,
                    200, 100, nullptr, nullptr, instance, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
