#include "platform/win32/win32_launch.h"

#include <windows.h>

#include <direct.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include "platform/win32/win32_text.h"

bool Win32Launch::ChangeDirectory(const std::string& path) { return _chdir(path.c_str()) == 0; }

bool Win32Launch::ChangeDrive(int drive) { return _chdrive(drive) == 0; }

void Win32Launch::PlaySoundSync(const std::string& file) { sndPlaySoundA(file.c_str(), 0); }

void Win32Launch::StartFile(const std::string& file) {
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514))); // IDC_WAIT
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWDEFAULT;
    // No flags: a start that fails shows the shell's own error display.
    ShellExecuteExA(&info);
    SetCursor(previous);
}

namespace {
// The snapshot functions, looked up in the loaded kernel32 on every use.
struct ToolHelp {
    decltype(&CreateToolhelp32Snapshot) createSnapshot = nullptr;
    decltype(&Process32FirstW) first = nullptr;
    decltype(&Process32NextW) next = nullptr;
    bool moduleFunctions = false;

    ToolHelp() {
        HMODULE kernel = GetModuleHandleA("KERNEL32.DLL");
        if (!kernel) return;
        auto find = [kernel](const char* name) {
            return reinterpret_cast<void*>(GetProcAddress(kernel, name));
        };
        createSnapshot = reinterpret_cast<decltype(createSnapshot)>(find("CreateToolhelp32Snapshot"));
        first = reinterpret_cast<decltype(first)>(find("Process32FirstW"));
        next = reinterpret_cast<decltype(next)>(find("Process32NextW"));
        moduleFunctions = find("Module32First") && find("Module32Next");
    }
    bool Complete() const { return createSnapshot && first && next && moduleFunctions; }
};

// The snapshot names only the file of a process; its full path comes from
// the process itself. A process we may not ask keeps the bare name. The
// path names the real folder, for a 32-bit caller under WOW64 too: System32
// for a 64-bit program, SysWOW64 for a 32-bit one (see RunningImagePath).
// Wide calls: a path of MAX_PATH characters can take three times as many
// bytes in UTF-8.
std::string ImagePath(DWORD processId, const wchar_t* fileName) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return NarrowFrom(fileName);
    wchar_t path[MAX_PATH];
    DWORD length = MAX_PATH;
    const BOOL ok = QueryFullProcessImageNameW(process, 0, path, &length);
    CloseHandle(process);
    return ok ? NarrowFrom(path, static_cast<int>(length)) : NarrowFrom(fileName);
}
} // namespace

bool Win32Processes::ResolveToolHelp() { return ToolHelp().Complete(); }

std::optional<std::vector<ProcessPort::Process>> Win32Processes::Processes() {
    const ToolHelp toolHelp;
    if (!toolHelp.Complete()) return std::nullopt;
    HANDLE snapshot = toolHelp.createSnapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return std::nullopt;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    std::optional<std::vector<Process>> processes;
    if (toolHelp.first(snapshot, &entry)) {
        processes.emplace();
        do {
            processes->push_back({entry.th32ProcessID, ImagePath(entry.th32ProcessID, entry.szExeFile)});
        } while (toolHelp.next(snapshot, &entry));
    }
    CloseHandle(snapshot);
    return processes;
}

std::vector<ProcessPort::TopWindow> Win32Processes::TopLevelWindows() {
    std::vector<TopWindow> windows;
    for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window;
         window = GetWindow(window, GW_HWNDNEXT)) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        windows.push_back({reinterpret_cast<std::uintptr_t>(window), IsWindowVisible(window) != FALSE,
                           GetParent(window) != nullptr, processId});
    }
    return windows;
}

// Fails, changing nothing, when Kelvane holds no right to hand on.
void Win32Processes::AllowForeground(std::uint32_t processId) {
    static_assert(kAnyProcess == ASFW_ANY, "every process, as AllowSetForegroundWindow names it");
    AllowSetForegroundWindow(processId);
}

void Win32Processes::BringForward(std::uintptr_t handle) {
    HWND window = reinterpret_cast<HWND>(handle);
    BringWindowToTop(window);
    // Today's Windows lets a program in the background take the foreground
    // only with a right (see the note in launcher.cpp); without one the window
    // still comes to the top of its band and flashes in the taskbar.
    if (SetForegroundWindow(window)) {
        if (IsIconic(window)) OpenIcon(window);
        return;
    }
    // Kelvane has no right left: it went to the window's process before the
    // switch sound, or the user's input ended it. ShowWindowAsync posts the
    // show to the window's own thread, which activates its window (SW_SHOW
    // and SW_RESTORE activate) with the right its process was handed:
    // https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-showwindowasync
    ShowWindowAsync(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
}

// The file system's names match case aside, by the system's upper-case
// table, for every letter. CompareStringOrdinal with bIgnoreCase compares
// "using the operating system uppercase table information" (learn.microsoft.com,
// CompareStringOrdinal), so "C:\ŁÓDŹ\x.exe" and "c:\łódź\X.EXE" are one.
bool Win32Processes::SamePath(const std::string& a, const std::string& b) {
    return CompareStringOrdinal(WideFrom(a).data(), -1, WideFrom(b).data(), -1, TRUE) == CSTR_EQUAL;
}
