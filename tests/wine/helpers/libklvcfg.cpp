// klvcfg.dll for the end-to-end tests: a configuration library whose only
// work is to leave a trace. Each call of CheckCfg appends the line
// "CheckCfg <debug>" to klvcfg.log in the Windows directory, so a test can
// see how often start-up called it and with which debug flag.
#include <windows.h>

#include <cstdio>

extern "C" __declspec(dllexport) int __stdcall CheckCfg(int debug) {
    char path[MAX_PATH];
    UINT length = GetWindowsDirectoryA(path, MAX_PATH - 16);
    if (length == 0 || length >= MAX_PATH - 16) return 0;
    lstrcatA(path, "\\klvcfg.log");

    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    char line[32];
    int size = std::snprintf(line, sizeof line, "CheckCfg %d\r\n", debug);
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(size), &written, nullptr);
    CloseHandle(file);
    return 1;
}
