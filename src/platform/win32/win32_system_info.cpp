#include "platform/win32/win32_system_info.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/win32/win32_assets.h"
#include "platform/win32/win32_text.h"

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
    // Wide: a user name outside ASCII takes more bytes in UTF-8 than characters.
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", buffer, MAX_PATH);
    if (length > 0 && length < MAX_PATH) return NarrowFrom(buffer, static_cast<int>(length));
    if (SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer) != S_OK)
        return std::string();
    return NarrowFrom(buffer);
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

bool Win32SystemInfo::AnsiIsUtf8() const { return GetACP() == CP_UTF8; }

// Read as the face file is, whole through kernel32.
std::optional<std::string> Win32SystemInfo::ReadFileBytes(const std::string& path) {
    const std::optional<std::vector<std::uint8_t>> bytes = Win32Assets().ReadFile(path);
    if (!bytes) return std::nullopt;
    return std::string(bytes->begin(), bytes->end());
}

// The system locale's ANSI code page is the one "A" calls use in a process
// without the UTF-8 code page, and with it the one the settings were written
// in (LOCALE_IDEFAULTANSICODEPAGE of LOCALE_SYSTEM_DEFAULT: "Locale
// Information Constants", learn.microsoft.com/windows/win32/intl/locale-idefault-constants).
// A locale with no ANSI code page answers 0; with the system-wide UTF-8
// option (beta) it is UTF-8 and the files are UTF-8 already.
std::optional<std::string> Win32SystemInfo::SystemAnsiToUtf8(const std::string& text) {
    DWORD codePage = 0;
    GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                   reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(WCHAR));
    if (codePage == 0 || codePage == CP_UTF8) return std::nullopt;
    return Recode(text, codePage, CP_UTF8);
}

// Written beside the file and moved over it, so that a failure at any point
// leaves the old file whole (MoveFileEx: learn.microsoft.com/windows/win32/api/winbase/nf-winbase-movefileexa).
bool Win32SystemInfo::ReplaceFileBytes(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".new";
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool complete = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                          written == bytes.size() && FlushFileBuffers(file);
    CloseHandle(file);
    if (complete && MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temporary.c_str());
    return false;
}
