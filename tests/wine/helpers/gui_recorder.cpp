// A program for launching tests to start: it appends one line
// "<its file name>|<current directory>|<creation time>" to klvlaunch.log in
// the Windows directory and ends. Copies named win*.exe instead open a
// window titled with their file name and run until it is closed.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {
void AppendToLog(const std::string& line) {
    char path[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(path, MAX_PATH - 16);
    if (length == 0 || length >= MAX_PATH - 16) return;
    lstrcatA(path, "\\klvlaunch.log");
    // Several copies may start at once: retry while another one writes.
    for (int attempt = 0; attempt < 200; ++attempt) {
        HANDLE file = CreateFileA(path, FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
            CloseHandle(file);
            return;
        }
        Sleep(5);
    }
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    char module[MAX_PATH] = "", directory[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    GetCurrentDirectoryA(MAX_PATH, directory);
    std::string name = module;
    name.erase(0, name.find_last_of('\\') + 1);
    FILETIME created{}, unused{};
    GetProcessTimes(GetCurrentProcess(), &created, &unused, &unused, &unused);
    const unsigned long long time =
        (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
    AppendToLog(name + "|" + directory + "|" + std::to_string(time) + "\r\n");
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
