// Start-up benchmark: the time from CreateProcess to the first complete paint
// of KLV.exe, against a bare window program (bare_window_win32.exe) started
// the same way; KLV.exe once with no assignments and once with eight popup
// keys whose folders hold 100 shortcuts each. Usage:
// startup_bench_win32.exe [runs] [klv]; KLV.exe is looked for one directory
// above this program, the bare program beside it. With "klv" only KLV.exe
// without assignments is started, and its start-up and working set at the
// screen's DPI are printed on one line: run-bench.sh compares a run at 96
// DPI with one at 192, where the face is drawn at twice its size.
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
// its peak size so far, GetProcessMemoryInfo). The time until the process
// is first idle for input (WaitForInputIdle) is taken on the way.
//
// With the popup keys, every other start finds no program-list file: then
// the time from the first paint until all eight lists are in the file is
// taken. The other starts find the lists as the last start left them: then
// the changes to the file from the start until two seconds after the first
// paint are counted (ReadDirectoryChangesW on the Windows directory).
#include <windows.h>

#include "bench_clock_win32.h"
#include "face/face_scale.h"
// GetProcessMemoryInfo from kernel32 (K32GetProcessMemoryInfo): no psapi.dll.
#define PSAPI_VERSION 2
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
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
    std::function<void(int run)> prepare = [](int) {}; // before each start
};

struct Run {
    bool ok = false;
    double ms = 0;           // CreateProcess to first complete paint
    double idleMs = 0;       // CreateProcess to first idle for input
    double selfReportMs = 0; // the program's own report, when it sends one; else 0
    double workingSetMb = 0; // at the first complete paint
    double peakWorkingSetMb = 0;
    double listsMs = -1;     // first paint to all popup lists written, when watched
    int listChanges = -1;    // changes to the program-list file after the first paint, when counted
};

constexpr int kPopupKeys = 8;
constexpr int kItemsPerList = 100;
const std::string kListRoot = "C:\\klvbench";

// The program-list file holds every list whole: each one's last item.
bool AllListsWritten() {
    std::ifstream file(WindowsFile("kelvane.prg"), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    const std::string content = text.str();
    int complete = 0;
    for (std::size_t at = 0; (at = content.find("key99=", at)) != std::string::npos; ++at) ++complete;
    return complete == kPopupKeys;
}

// Counts the changes to one file of a directory while it lives, from a
// thread that keeps a read of the directory's changes pending all the time.
class FileChanges {
public:
    FileChanges(const std::string& dir, const char* name) : m_name(name) {
        m_dir = CreateFileA(dir.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
        m_overlapped.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        m_stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        if (m_dir != INVALID_HANDLE_VALUE) m_thread = CreateThread(nullptr, 0, Watch, this, 0, nullptr);
    }
    ~FileChanges() {
        SetEvent(m_stop);
        if (m_thread) WaitForSingleObject(m_thread, INFINITE), CloseHandle(m_thread);
        if (m_dir != INVALID_HANDLE_VALUE) CancelIo(m_dir), CloseHandle(m_dir);
        CloseHandle(m_overlapped.hEvent);
        CloseHandle(m_stop);
    }
    // The changes seen so far; -1 when the directory cannot be watched.
    int Count() const { return m_thread ? static_cast<int>(m_count) : -1; }

private:
    static DWORD WINAPI Watch(void* self) {
        auto& w = *static_cast<FileChanges*>(self);
        for (;;) {
            ResetEvent(w.m_overlapped.hEvent);
            if (!ReadDirectoryChangesW(w.m_dir, w.m_buffer, sizeof w.m_buffer, FALSE,
                                       FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE |
                                           FILE_NOTIFY_CHANGE_FILE_NAME,
                                       nullptr, &w.m_overlapped, nullptr))
                return 0;
            const HANDLE events[] = {w.m_overlapped.hEvent, w.m_stop};
            DWORD bytes = 0;
            if (WaitForMultipleObjects(2, events, FALSE, INFINITE) != WAIT_OBJECT_0 ||
                !GetOverlappedResult(w.m_dir, &w.m_overlapped, &bytes, FALSE))
                return 0;
            for (DWORD at = 0; bytes > 0;) {
                const auto* entry = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(w.m_buffer + at);
                std::string name;
                for (DWORD i = 0; i < entry->FileNameLength / sizeof(WCHAR); ++i)
                    name += static_cast<char>(entry->FileName[i]);
                if (lstrcmpiA(name.c_str(), w.m_name) == 0) ++w.m_count;
                if (!entry->NextEntryOffset) break;
                at += entry->NextEntryOffset;
            }
        }
    }
    const char* m_name;
    HANDLE m_dir, m_stop, m_thread = nullptr;
    OVERLAPPED m_overlapped{};
    alignas(DWORD) char m_buffer[16384];
    volatile LONG m_count = 0;
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
Run StartOnce(const Program& program, HWND reportWindow, int number) {
    Run run;
    program.prepare(number);
    const bool watchLists = program.name == std::string("lists");
    const bool listsWritten = watchLists && GetFileAttributesA(WindowsFile("kelvane.prg").c_str()) != INVALID_FILE_ATTRIBUTES;
    FileChanges changes(WindowsFile(""), "kelvane.prg");
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
        if (run.idleMs == 0 && WaitForInputIdle(process.hProcess, 0) == 0) run.idleMs = Now() - start;
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
    while (run.ok && run.idleMs == 0 && Now() - start < 20000)
        if (WaitForInputIdle(process.hProcess, 1) == 0) run.idleMs = Now() - start;
    if (run.ok && watchLists && !listsWritten) {
        while (!AllListsWritten() && Now() - painted < 10000) Sleep(2);
        if (AllListsWritten()) run.listsMs = Now() - painted;
    } else if (run.ok && watchLists) {
        Sleep(2000);
        run.listChanges = changes.Count();
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

// One measure of two programs: each one's spread, the ratio of the medians
// and the difference of the medians.
using Measures = std::pair<const char*, const std::vector<double>*>;
void Compare(const char* what, Measures base, Measures other, const char* unit, const char* budget) {
    std::printf("%s\n", what);
    Report(base.first, *base.second, unit);
    Report(other.first, *other.second, unit);
    const double baseMedian = Quantile(*base.second, 0.5), otherMedian = Quantile(*other.second, 0.5);
    std::printf("ratio %s/%s of medians: %.2f  difference %+.2f %s  (budget %s)\n", other.first, base.first,
                otherMedian / baseMedian, otherMedian - baseMedian, unit, budget);
}

// The eight folders of shortcuts, made once.
bool MakeListFolders() {
    CoInitialize(nullptr);
    bool made = true;
    for (int list = 1; list <= kPopupKeys && made; ++list) {
        const std::string folder = kListRoot + "\\list" + std::to_string(list);
        CreateDirectoryA(kListRoot.c_str(), nullptr);
        CreateDirectoryA(folder.c_str(), nullptr);
        for (int item = 0; item < kItemsPerList && made; ++item) {
            char name[32];
            std::snprintf(name, sizeof name, "\\Program %03d.lnk", item);
            made = SaveShortcut(folder + name, "C:\\windows\\notepad.exe", std::to_string(item), "C:\\windows");
        }
    }
    CoUninitialize();
    return made;
}

void WriteSettings(const std::string& ini) {
    std::ofstream(WindowsFile("kelvane.ini"), std::ios::binary | std::ios::trunc) << ini;
}

struct Results {
    std::vector<double> ms, idleMs, mb, peakMb, listsMs, listChanges;
    void Add(const Run& run) {
        ms.push_back(run.ms);
        idleMs.push_back(run.idleMs);
        mb.push_back(run.workingSetMb);
        peakMb.push_back(run.peakWorkingSetMb);
        if (run.listsMs >= 0) listsMs.push_back(run.listsMs);
        if (run.listChanges >= 0) listChanges.push_back(run.listChanges);
    }
};
} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    const int warmUps = 2;
    if (!MakeListFolders()) {
        std::printf("cannot make the folders of shortcuts\n");
        return 1;
    }

    const std::string dir = ProgramDirectory();
    // The face's corner pixels where the window draws them: at 192 DPI each
    // face pixel is a block of 2 x 2.
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const int m = FaceScale::ForDpi(static_cast<unsigned>(dpi)).Multiple();
    // The bare window is one plain colour. Kelvane's built-in face is white
    // at its top-left pixel and dark gray at its bottom-right one (322 x 136);
    // the class background of both is light gray.
    const Program bare{"bare", dir + "\\bare_window_win32.exe", "Bare window",
                       {{0, 0, RGB(0, 64, 128)}, {322, 137, RGB(0, 64, 128)}}};
    const std::vector<Pixel> face{{0, 0, RGB(255, 255, 255)},
                                  {322 * m - 1, 136 * m - 1, RGB(128, 128, 128)}};
    const std::string klvPath = dir + "\\..\\KLV.exe";
    const Program klv{"KLV", klvPath, "Kelvane", face, [](int) { WriteSettings("[cmd]\r\n"); }};
    std::string popupKeys = "[cmd]\r\n";
    for (int list = 1; list <= kPopupKeys; ++list)
        popupKeys += "Fn-" + std::string(1, static_cast<char>('A' + list - 1)) + "=@" + kListRoot + "\\list" + std::to_string(list) + "\r\n";
    const Program lists{"lists", klvPath, "Kelvane", face, [popupKeys](int run) {
                            WriteSettings(popupKeys);
                            if (run % 2 == 0) DeleteFileA(WindowsFile("kelvane.prg").c_str());
                        }};

    if (argc > 2 && std::strcmp(argv[2], "klv") == 0) {
        for (int i = 0; i < warmUps; ++i) StartOnce(klv, nullptr, i);
        Results k;
        for (int i = 0; i < runs; ++i)
            if (const Run run = StartOnce(klv, nullptr, i); run.ok) k.Add(run);
        std::printf("KLV at %d DPI: %zu runs  start-up median %.2f ms  working set median %.2f MB\n",
                    dpi, k.ms.size(), Quantile(k.ms, 0.5), Quantile(k.mb, 0.5));
        return k.ms.size() == static_cast<std::size_t>(runs) ? 0 : 1;
    }

    // Receives the bare program's own report of its first paint.
    HWND reportWindow = CreateWindowExA(0, "STATIC", "report", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                        nullptr, GetModuleHandleA(nullptr), nullptr);

    const Program* programs[] = {&bare, &klv, &lists};
    for (int i = 0; i < warmUps; ++i)
        for (const Program* program : programs) StartOnce(*program, reportWindow, i);
    Results results[3];
    std::vector<double> pairRatios, probeDelays;
    int failures = 0;
    for (int i = 0; i < runs; ++i) {
        // Rotate which program goes first, so none always finds another's
        // leftovers (caches, the server's state) fresher.
        Run run[3];
        for (int turn = 0; turn < 3; ++turn) {
            const int which = (i + turn) % 3;
            run[which] = StartOnce(*programs[which], which == 0 ? reportWindow : nullptr, i);
        }
        if (!run[0].ok || !run[1].ok || !run[2].ok) {
            ++failures;
            continue;
        }
        for (int which = 0; which < 3; ++which) results[which].Add(run[which]);
        pairRatios.push_back(run[1].ms / run[0].ms);
        if (run[0].selfReportMs > 0) probeDelays.push_back(run[0].ms - run[0].selfReportMs);
    }
    if (results[0].ms.empty()) {
        std::printf("no complete run (%d failed)\n", failures);
        return 1;
    }
    const Results &b = results[0], &k = results[1], &l = results[2];

    std::printf("%zu rotating runs of each program (%d failed, %d warm-up runs each not counted)\n",
                b.ms.size(), failures, warmUps);
    Compare("Start-up to first complete paint", {"bare", &b.ms}, {"KLV", &k.ms}, "ms", "ratio 1.20");
    std::printf("ratio per pair: median %.2f  quartiles %.2f .. %.2f\n", Quantile(pairRatios, 0.5),
                Quantile(pairRatios, 0.25), Quantile(pairRatios, 0.75));
    Compare("Working set at the first complete paint", {"bare", &b.mb}, {"KLV", &k.mb}, "MB", "+3.0 MB");
    Compare("Peak working set until then", {"bare", &b.peakMb}, {"KLV", &k.peakMb}, "MB", "+3.0 MB");
    if (!probeDelays.empty())
        std::printf("probe delay after the bare program's own report: median %.1f ms  "
                    "min %.1f  max %.1f\n",
                    Quantile(probeDelays, 0.5), Quantile(probeDelays, 0), Quantile(probeDelays, 1));

    std::printf("\nWith %d popup keys of %d shortcuts each (\"lists\") against no assignments (\"KLV\")\n",
                kPopupKeys, kItemsPerList);
    Compare("Start-up to first complete paint", {"KLV", &k.ms}, {"lists", &l.ms}, "ms", "ratio 1.20");
    Compare("Start-up to first idle for input", {"KLV", &k.idleMs}, {"lists", &l.idleMs}, "ms", "ratio 1.20");
    Compare("Start-up to first idle for input, against the bare window", {"bare", &b.idleMs}, {"lists", &l.idleMs}, "ms", "-");
    Compare("Working set at the first complete paint", {"KLV", &k.mb}, {"lists", &l.mb}, "MB", "-");
    Report("lists", l.listsMs, "ms");
    std::printf("  ^ first paint to all lists in the file, starts without the file (budget 1000 ms)\n");
    Report("lists", l.listChanges, "  ");
    std::printf("  ^ changes to the file from the start to 2 s after the first paint, starts that found "
                "the lists current (budget 0)\n");
    return failures == 0 ? 0 : 1;
}
