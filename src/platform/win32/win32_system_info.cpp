#include "platform/win32/win32_system_info.h"

#include <windows.h>
#include <shlobj.h>

std::string Win32SystemInfo::WindowsDirectory() const {
    char buffer[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer) return std::string();
    return std::string(buffer, length);
}

namespace {
// IsWow64Process2 also answers for an x86 program on Arm64 Windows, where
// IsWow64Process says FALSE; Windows before 10 (1511) lacks it, so it is
// looked up by name (learn.microsoft.com/windows/win32/api/wow64apiset/
// nf-wow64apiset-iswow64process2 and .../nf-wow64apiset-iswow64process).
// A 64-bit program is never under WOW64.
bool RunsUnderWow64() {
    HANDLE self = GetCurrentProcess();
    using IsWow64Process2Fn = BOOL(WINAPI*)(HANDLE, USHORT*, USHORT*);
    HMODULE kernel = GetModuleHandleA("KERNEL32.DLL");
    void* found = kernel ? reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process2")) : nullptr;
    if (found) {
        USHORT process = IMAGE_FILE_MACHINE_UNKNOWN, native = IMAGE_FILE_MACHINE_UNKNOWN;
        if (reinterpret_cast<IsWow64Process2Fn>(found)(self, &process, &native))
            return process != IMAGE_FILE_MACHINE_UNKNOWN;
    }
    BOOL wow64 = FALSE;
    return IsWow64Process(self, &wow64) && wow64;
}

std::string EnvironmentValue(const char* name) {
    char buffer[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}
} // namespace

// The folder names a 32-bit process finds in its environment (WOW64
// Implementation Details: learn.microsoft.com/windows/win32/winprog64/
// wow64-implementation-details).
Wow64Facts Win32SystemInfo::Wow64() const {
    Wow64Facts facts;
    facts.wow64 = RunsUnderWow64();
    if (!facts.wow64) return facts;
    facts.windowsDirectory = WindowsDirectory();
    facts.programFilesX86 = EnvironmentValue("ProgramFiles(x86)");
    facts.programFilesNative = EnvironmentValue("ProgramW6432");
    facts.commonFilesX86 = EnvironmentValue("CommonProgramFiles(x86)");
    facts.commonFilesNative = EnvironmentValue("CommonProgramW6432");
    return facts;
}

// One call: a file created new and deleted by the system when its only
// handle closes, so nothing stays behind (CreateFile, FILE_FLAG_DELETE_ON_CLOSE:
// learn.microsoft.com/windows/win32/api/fileapi/nf-fileapi-createfilea). Named
// after the process, so that two starting at once do not take each other's.
bool Win32SystemInfo::CanWriteFilesIn(const std::string& dir) {
    const std::string probe = dir + "\\kelvane" + std::to_string(GetCurrentProcessId()) + ".tmp";
    HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

// The environment first: asking the shell would load shell32 at start-up.
std::string Win32SystemInfo::UserAppData() {
    char buffer[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("APPDATA", buffer, sizeof buffer);
    if (length > 0 && length < sizeof buffer) return std::string(buffer, length);
    if (SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer) != S_OK)
        return std::string();
    return buffer;
}

bool Win32SystemInfo::MakeFolder(const std::string& dir) {
    return CreateDirectoryA(dir.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool Win32SystemInfo::FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// bFailIfExists: an existing file is never replaced. The copy takes the
// original's attributes, a read-only one too, which would refuse every later
// write (CopyFile: learn.microsoft.com/windows/win32/api/winbase/nf-winbase-copyfilea).
void Win32SystemInfo::CopyNewFile(const std::string& from, const std::string& to) {
    if (CopyFileA(from.c_str(), to.c_str(), TRUE)) SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_NORMAL);
}
