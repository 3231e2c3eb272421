// Start-up benchmark: the time from CreateProcess to the first complete paint
// of KLV.exe, against a bare window program (bare_window_win32.exe) started
// the same way. Usage: startup_bench_win32.exe [runs]; KLV.exe is looked for
// one directory above this program, the bare program beside it.
//
// "First complete paint" is observed from outside, the same way for both
// programs, without changing either:
//   1. the program's window (found by its title and process) is visible and
//      not minimized, and no part of it waits for a paint any more
//      (GetUpdateRect gives FALSE: BeginPaint of the first WM_PAINT has
//      validated the client area);
//   2. a WM_NULL sent to it is answered: a window's thread answers sent
//      messages only between messages, so its paint handler has returned;
//   3. the window's pixels at two opposite corners show the picture the
//      program paints (read through the window's DC), not the class
//      background.
// The time is taken when 2 is answered; a failed check 3 starts over. The
// bare program also posts the moment its first paint ended, which tells how
// late this outside probe notices (reported as the probe delay).
//
// At that moment the program's working set is read as well (its current and
// its peak size so far, GetProcessMemoryInfo).
#include <windows.h>

#include "bench_clock_win32.h"
// GetProcessMemoryInfo from kernel32 (K32GetProcessMemoryInfo): no psapi.dll.
#define PSAPI_VERSION 2
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {
struct Pixel {
    int x, y;
    COLORREF colour;
};

struct Program {
    const char* name;
    std::string path;
    const char* title;
    std::vector<Pixel> painted; // pixels of the client area once it is painted
};

struct Run {
    bool ok = false;
    double ms = 0;           // CreateProcess to first complete paint
    double selfReportMs = 0; // the program's own report, when it sends one; else 0
    double workingSetMb = 0; // at the first complete paint
    double peakWorkingSetMb = 0;
};

HWND FindProgramWindow(DWORD processId, const char* title) {
    HWND window = FindWindowA(nullptr, title);
    if (!window) return nullptr;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner == processId ? window : nullptr;
}

bool PaintHandled(HWND window) {
    if (!IsWindowVisible(window) || IsIconic(window)) return false;
    if (GetUpdateRect(window, nullptr, FALSE)) return false;
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored) != 0;
}

bool PixelsShown(HWND window, const std::vector<Pixel>& pixels) {
    HDC dc = GetDC(window);
    if (!dc) return false;
    bool shown = true;
    for (const Pixel& p : pixels) shown = shown && GetPixel(dc, p.x, p.y) == p.colour;
    ReleaseDC(window, dc);
    return shown;
}

// Starts the program, waits for its first complete paint and closes it again.
Run StartOnce(const Program& program, HWND reportWindow) {
    Run run;
    std::string commandLine = "\"" + program.path + "\"";
    if (reportWindow)
        commandLine += " -report " + std::to_string(reinterpret_cast<UINT_PTR>(reportWindow));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};

    const double start = Now();
    if (!CreateProcessA(program.path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "cannot start %s (error %lu)\n", program.path.c_str(), GetLastError());
        return run;
    }
    HWND window = nullptr;
    double painted = 0;
    while (Now() - start < 20000) {
        if (!window) window = FindProgramWindow(process.dwProcessId, program.title);
        if (window && PaintHandled(window)) {
            const double answered = Now();
            if (PixelsShown(window, program.painted)) {
                painted = answered;
                break;
            }
        }
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;
        Sleep(1);
    }
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (painted > 0 && GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory)) {
        run.ok = true;
        run.ms = painted - start;
        run.workingSetMb = static_cast<double>(memory.WorkingSetSize) / (1 << 20);
        run.peakWorkingSetMb = static_cast<double>(memory.PeakWorkingSetSize) / (1 << 20);
    } else if (painted > 0) {
        std::fprintf(stderr, "%s: no working set (error %lu)\n", program.name, GetLastError());
    } else {
        std::fprintf(stderr, "%s: no complete paint seen\n", program.name);
    }

    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    MSG msg;
    while (reportWindow && PeekMessageA(&msg, reportWindow, WM_APP, WM_APP, PM_REMOVE))
        if (run.ok) run.selfReportMs = static_cast<double>(msg.wParam) / TicksPerMs() - start;
    return run;
}

double Quantile(std::vector<double> values, double q) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const double at = q * static_cast<double>(values.size() - 1);
    const auto below = static_cast<std::size_t>(at);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (values[above] - values[below]) * (at - static_cast<double>(below));
}

void Report(const char* name, const std::vector<double>& values, const char* unit) {
    std::printf("%-6s n=%zu  median %7.2f %s  quartiles %7.2f .. %7.2f  min %7.2f  max %7.2f\n",
                name, values.size(), Quantile(values, 0.5), unit, Quantile(values, 0.25),
                Quantile(values, 0.75), Quantile(values, 0), Quantile(values, 1));
}

// One measure of both programs: each one's spread, the ratio of the medians
// and the difference of the medians.
void Compare(const char* what, const std::vector<double>& bare, const std::vector<double>& klv,
             const char* unit, const char* budget) {
    std::printf("%s\n", what);
    Report("bare", bare, unit);
    Report("KLV", klv, unit);
    const double bareMedian = Quantile(bare, 0.5), klvMedian = Quantile(klv, 0.5);
    std::printf("ratio KLV/bare of medians: %.2f  difference %+.2f %s  (budget %s)\n",
                klvMedian / bareMedian, klvMedian - bareMedian, unit, budget);
}
} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    const int warmUps = 2;

    const std::string dir = ProgramDirectory();
    // The bare window is one plain colour. Kelvane's built-in face is white
    // at its top-left pixel and dark gray at its bottom-right one (322 x 136);
    // the class background of both is light gray.
    const Program bare{"bare", dir + "\\bare_window_win32.exe", "Bare window",
                       {{0, 0, RGB(0, 64, 128)}, {322, 137, RGB(0, 64, 128)}}};
    const Program klv{"KLV", dir + "\\..\\KLV.exe", "Kelvane",
                      {{0, 0, RGB(255, 255, 255)}, {321, 135, RGB(128, 128, 128)}}};

    // Receives the bare program's own report of its first paint.
    HWND reportWindow = CreateWindowExA(0, "STATIC", "report", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                        nullptr, GetModuleHandleA(nullptr), nullptr);

    for (int i = 0; i < warmUps; ++i) {
        StartOnce(bare, reportWindow);
        StartOnce(klv, nullptr);
    }
    std::vector<double> bareMs, klvMs, pairRatios, probeDelays;
    std::vector<double> bareMb, klvMb, barePeakMb, klvPeakMb;
    int failures = 0;
    for (int i = 0; i < runs; ++i) {
        // Alternate which program goes first, so neither always finds the
        // other's leftovers (caches, the server's state) fresher.
        Run b, k;
        if (i % 2 == 0) {
            b = StartOnce(bare, reportWindow);
            k = StartOnce(klv, nullptr);
        } else {
            k = StartOnce(klv, nullptr);
            b = StartOnce(bare, reportWindow);
        }
        if (!b.ok || !k.ok) {
            ++failures;
            continue;
        }
        bareMs.push_back(b.ms);
        klvMs.push_back(k.ms);
        bareMb.push_back(b.workingSetMb);
        klvMb.push_back(k.workingSetMb);
        barePeakMb.push_back(b.peakWorkingSetMb);
        klvPeakMb.push_back(k.peakWorkingSetMb);
        pairRatios.push_back(k.ms / b.ms);
        if (b.selfReportMs > 0) probeDelays.push_back(b.ms - b.selfReportMs);
    }
    if (bareMs.empty()) {
        std::printf("no complete run (%d failed)\n", failures);
        return 1;
    }

    std::printf("%zu alternating runs of each program (%d failed, %d warm-up runs each not "
                "counted)\n",
                bareMs.size(), failures, warmUps);
    Compare("Start-up to first complete paint", bareMs, klvMs, "ms", "ratio 1.20");
    std::printf("ratio per pair: median %.2f  quartiles %.2f .. %.2f\n", Quantile(pairRatios, 0.5),
                Quantile(pairRatios, 0.25), Quantile(pairRatios, 0.75));
    Compare("Working set at the first complete paint", bareMb, klvMb, "MB", "+3.0 MB");
    Compare("Peak working set until then", barePeakMb, klvPeakMb, "MB", "+3.0 MB");
    if (!probeDelays.empty())
        std::printf("probe delay after the bare program's own report: median %.1f ms  "
                    "min %.1f  max %.1f\n",
                    Quantile(probeDelays, 0.5), Quantile(probeDelays, 0), Quantile(probeDelays, 1));
    return failures == 0 ? 0 : 1;
}
