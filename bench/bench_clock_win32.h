#pragma once
// What the Windows benchmark drivers share: a millisecond clock and where
// the driver lies.
#include <windows.h>

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
