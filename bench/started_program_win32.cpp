// The program the launch benchmark starts: it signals the event
// "KlvBenchStarted" as soon as it runs and appends "<argument> <creation
// time>" to klvbench.log in the Windows directory, then ends.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
    if (HANDLE started = OpenEventA(EVENT_MODIFY_STATE, FALSE, "KlvBenchStarted")) {
        SetEvent(started);
        CloseHandle(started);
    }
    FILETIME created{}, unused{};
    GetProcessTimes(GetCurrentProcess(), &created, &unused, &unused, &unused);
    const unsigned long long time =
        (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
    const std::string line = std::string(*arguments ? arguments : "-") + " " + std::to_string(time) + "\r\n";
    char path[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(path, MAX_PATH - 16);
    if (length == 0 || length >= MAX_PATH - 16) return 1;
    lstrcatA(path, "\\klvbench.log");
    for (int attempt = 0; attempt < 400; ++attempt) { // several copies may write at once
        HANDLE file = CreateFileA(path, FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
            CloseHandle(file);
            return 0;
        }
        Sleep(5);
    }
    return 1;
}
