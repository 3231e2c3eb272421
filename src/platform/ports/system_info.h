#pragma once
#include <optional>
#include <string>

// What a 32-bit program on 64-bit Windows needs to know to reach what a path
// names: whether WOW64 runs it, and the folders it then sees under other names.
struct Wow64Facts {
    bool wow64 = false;           // IsWow64Process (IsWow64Process2 where there is one)
    std::string windowsDirectory; // GetWindowsDirectoryA, without a trailing backslash
    // The 32-bit and the native Program Files and Common Files folders, from
    // the environment: %ProgramFiles(x86)%, %ProgramW6432%,
    // %CommonProgramFiles(x86)%, %CommonProgramW6432%. Empty when unset.
    std::string programFilesX86, programFilesNative, commonFilesX86, commonFilesNative;
};

// Facts about the Windows installation the program runs on, and the few file
// operations that place the program's settings files.
class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    // The Windows directory (GetWindowsDirectoryA), without a trailing backslash.
    virtual std::string WindowsDirectory() const = 0;
    // Whether the program runs under WOW64, and with it the folders that
    // differ; only wow64, false, for a program that does not.
    virtual Wow64Facts Wow64() const = 0;
    // Whether the program can create and write files in dir; the probe
    // leaves nothing behind.
    virtual bool CanWriteFilesIn(const std::string& dir) = 0;
    // The user's roaming application-data folder, empty when unknown.
    virtual std::string UserAppData() = 0;
    // True when dir exists afterwards, created if needed.
    virtual bool MakeFolder(const std::string& dir) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // Copies from to a new file to; never replaces an existing one.
    virtual void CopyNewFile(const std::string& from, const std::string& to) = 0;

    // Whether the "A" calls, and with them the profile files, take UTF-8.
    virtual bool AnsiIsUtf8() const = 0;
    // The file's bytes; nothing when it cannot be read.
    virtual std::optional<std::string> ReadFileBytes(const std::string& path) = 0;
    // text, taken as the system's ANSI code page (the one the "A" calls use
    // without UTF-8), in UTF-8; nothing when the system has no such code page.
    virtual std::optional<std::string> SystemAnsiToUtf8(const std::string& text) = 0;
    // Gives the file the content bytes, whole or not at all.
    virtual bool ReplaceFileBytes(const std::string& path, const std::string& bytes) = 0;
};
