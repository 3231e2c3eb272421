#pragma once
// What the Windows benchmark drivers share: a millisecond clock, where the
// driver lies, the settings files and shortcuts they prepare.
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <string>

// Performance-counter ticks in a millisecond.
inline double TicksPerMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    return ticksPerMs;
}

// Milliseconds from an arbitrary start, with the performance counter's resolution.
inline double Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / TicksPerMs();
}

// The directory of the running program.
inline std::string ProgramDirectory() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, length < MAX_PATH ? length : 0);
    const auto slash = dir.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : dir.substr(0, slash);
}

// A file of the Windows directory, where Kelvane keeps its settings under Wine.
inline std::string WindowsFile(const std::string& name) {
    char path[MAX_PATH];
    GetWindowsDirectoryA(path, MAX_PATH);
    return std::string(path) + "\\" + name;
}

// Saves a shortcut to target, with an argument and a working directory; COM
// must be initialised.
inline bool SaveShortcut(const std::string& path, const std::string& target, const std::string& argument,
                         const std::string& directory = std::string()) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return false;
    link->SetPath(target.c_str());
    link->SetArguments(argument.c_str());
    if (!directory.empty()) link->SetWorkingDirectory(directory.c_str());
    IPersistFile* file = nullptr;
    bool saved = false;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        const std::wstring wide(path.begin(), path.end());
        saved = SUCCEEDED(file->Save(wide.c_str(), TRUE));
        file->Release();
    }
    link->Release();
    return saved;
}
