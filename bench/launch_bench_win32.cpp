// Launch benchmark, with KLV.exe running on prepared settings:
//  1. latency: the time from a hotkey report (the registered message, sent as
//     the hotkey service sends it) to the started program running, against
//     this driver handing the same program to the shell itself; medians of
//     alternating runs and their ratio (budget 1.1);
//  2. a burst of 100 reports on ten keys whose shortcuts start the program
//     with the arguments 0 to 9: every start must arrive, in report order.
// Usage: launch_bench_win32.exe [runs]; KLV.exe is one directory above,
// started_program_win32.exe beside this program.
#include <windows.h>

#include "bench_clock_win32.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {
double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

UINT ScanCode(char key) { return MapVirtualKeyA(static_cast<unsigned char>(key), 0); }

// Ten keys of the built-in face that can be assigned, and one more for the latency.
constexpr char kBurstKeys[] = "ABCDEFGHNQ";
constexpr char kLatencyKey = 'R';
} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    CoInitialize(nullptr);

    const std::string dir = ProgramDirectory();
    const std::string program = dir + "\\started_program_win32.exe";
    // The burst keys start the program with the arguments 0 to 9 through
    // shortcuts; the latency key starts it bare.
    std::string ini = "[cmd]\r\n";
    for (int i = 0; i < 10; ++i) {
        const std::string link = dir + "\\k" + std::to_string(i) + ".lnk";
        if (!SaveShortcut(link, program, std::to_string(i))) {
            std::printf("cannot write %s\n", link.c_str());
            return 1;
        }
        ini += "Fn-" + std::string(1, kBurstKeys[i]) + "=" + link + "\r\n";
    }
    ini += "Fn-" + std::string(1, kLatencyKey) + "=" + program + "\r\n";
    std::ofstream(WindowsFile("kelvane.ini"), std::ios::binary | std::ios::trunc) << ini;
    DeleteFileA(WindowsFile("klvbench.log").c_str());

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION klv{};
    std::string commandLine = "\"" + dir + "\\..\\KLV.exe\"";
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &klv)) {
        std::printf("cannot start KLV.exe\n");
        return 1;
    }
    WaitForInputIdle(klv.hProcess, 15000);
    HWND window = nullptr;
    for (int i = 0; i < 300 && !(window = FindWindowA(nullptr, "Kelvane")); ++i) Sleep(50);
    const UINT hotkey = RegisterWindowMessageA("WM_QSERVICE_HOTKEY");
    HANDLE started = CreateEventA(nullptr, FALSE, FALSE, "KlvBenchStarted");
    int status = 0;

    // 1. Latency, alternating the two ways of starting.
    std::vector<double> viaKlv, direct;
    for (int run = 0; run < runs && window; ++run) {
        ResetEvent(started);
        double start = Now();
        SendMessageA(window, hotkey, ScanCode(kLatencyKey), 0);
        if (WaitForSingleObject(started, 10000) == WAIT_OBJECT_0) viaKlv.push_back(Now() - start);
        Sleep(100);
        ResetEvent(started);
        start = Now();
        SHELLEXECUTEINFOA info{};
        info.cbSize = sizeof info;
        info.lpFile = program.c_str();
        info.nShow = SW_SHOWDEFAULT;
        ShellExecuteExA(&info);
        if (WaitForSingleObject(started, 10000) == WAIT_OBJECT_0) direct.push_back(Now() - start);
        Sleep(100);
    }
    std::printf("hotkey to running: median %.1f ms over %zu; shell directly: median %.1f ms over %zu\n",
                Median(viaKlv), viaKlv.size(), Median(direct), direct.size());
    std::printf("ratio KLV/direct of medians: %.2f (budget 1.10)\n",
                Median(direct) > 0 ? Median(viaKlv) / Median(direct) : 0.0);
    if (viaKlv.size() != static_cast<std::size_t>(runs)) status = 1;

    // 2. The burst: 100 reports as fast as the window takes them.
    Sleep(500);
    DeleteFileA(WindowsFile("klvbench.log").c_str());
    const double burstStart = Now();
    for (int i = 0; i < 100 && window; ++i)
        SendMessageA(window, hotkey, ScanCode(kBurstKeys[i % 10]), 0);
    std::vector<std::pair<unsigned long long, int>> seen; // creation time, argument, in log order
    for (int wait = 0; wait < 600 && seen.size() < 100; ++wait) {
        Sleep(50);
        seen.clear();
        std::ifstream log(WindowsFile("klvbench.log"));
        int argument = 0;
        unsigned long long time = 0;
        while (log >> argument >> time) seen.push_back({time, argument});
    }
    const double burstMs = Now() - burstStart;
    std::stable_sort(seen.begin(), seen.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    int inOrder = 0;
    for (std::size_t i = 0; i < seen.size(); ++i) inOrder += seen[i].second == static_cast<int>(i % 10);
    std::printf("burst: %zu of 100 started, %d in report order, all done after %.0f ms\n",
                seen.size(), inOrder, burstMs);
    if (seen.size() != 100 || inOrder != 100) status = 1;

    PostMessageA(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(klv.hProcess, 10000);
    CloseHandle(klv.hProcess);
    CloseHandle(klv.hThread);
    for (int i = 0; i < 10; ++i) DeleteFileA((dir + "\\k" + std::to_string(i) + ".lnk").c_str());
    DeleteFileA(WindowsFile("kelvane.ini").c_str());
    CoUninitialize();
    return status;
}
