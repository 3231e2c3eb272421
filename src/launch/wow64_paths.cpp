#include "launch/wow64_paths.h"

#include <optional>
#include <utility>

#include "common/ascii_case.h"
#include "launch/launcher.h"
#include "platform/ports/system_info.h"

// The rules rest on Microsoft's documentation of WOW64:
// - File System Redirector
//   (learn.microsoft.com/windows/win32/winprog64/file-system-redirector): a
//   32-bit program's accesses to %windir%\System32 go to %windir%\SysWOW64,
//   a few subfolders excepted; it reaches the native folder through the
//   %windir%\Sysnative alias, the recommended way, which 64-bit programs do
//   not have. Turning the redirector off (Wow64DisableWow64FsRedirection)
//   would also break the loading of the DLLs the shell needs to start a file.
// - WOW64 Implementation Details, environment variables
//   (learn.microsoft.com/windows/win32/winprog64/wow64-implementation-details):
//   in a 32-bit process %ProgramFiles% and %CommonProgramFiles% name the
//   (x86) folders and %ProgramW6432% and %CommonProgramW6432% the native ones.
// - "How can I get the original target of a shortcut without applying any
//   32-bit adjustments?" (devblogs.microsoft.com/oldnewthing/20230208-00/?p=107807):
//   a shortcut records its target relative to %ProgramFiles%, which a 32-bit
//   reader expands to "Program Files (x86)".

namespace {
std::string WithoutTrailingBackslashes(std::string folder) {
    while (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    return folder;
}

// What follows folder and a backslash in path, compared without case;
// nothing when path does not lie inside folder, or climbs out of it.
std::optional<std::string> Inside(const std::string& path, const std::string& in) {
    const std::string folder = WithoutTrailingBackslashes(in);
    if (folder.empty() || path.size() <= folder.size() + 1 || path[folder.size()] != '\\' ||
        !SameIgnoringAsciiCase(path.substr(0, folder.size()), folder))
        return std::nullopt;
    std::string rest = path.substr(folder.size() + 1);
    if (rest.find("..") != std::string::npos) return std::nullopt;
    return rest;
}

std::string Join(const std::string& folder, const std::string& rest) {
    return WithoutTrailingBackslashes(folder) + "\\" + rest;
}

// A file the shell starts as a program in this process, where the alias
// holds; a document goes to its handler, which may be a 64-bit program to
// which Sysnative means nothing.
bool IsProgram(const std::string& name) {
    if (name.size() < 4) return false;
    const std::string extension = name.substr(name.size() - 4);
    return SameIgnoringAsciiCase(extension, ".exe") || SameIgnoringAsciiCase(extension, ".com");
}

// A command that the shell looks up relative to the current directory.
bool IsRelative(const std::string& command) {
    return !command.empty() && command.find(':') == std::string::npos && command[0] != '\\' &&
           command[0] != '/';
}

std::string Folder(const Wow64Facts& facts, const char* name) {
    return Join(facts.windowsDirectory, name);
}

// The program of path in %windir%\System32 under WOW64, or nothing.
std::optional<std::string> SystemProgram(const std::string& path, const Wow64Facts& facts) {
    if (!facts.wow64 || facts.windowsDirectory.empty()) return std::nullopt;
    auto rest = Inside(path, Folder(facts, "System32"));
    if (!rest || !IsProgram(*rest)) return std::nullopt;
    return rest;
}
} // namespace

std::string LaunchPath(const std::string& command, const std::string& directory,
                       const Wow64Facts& facts, const FileExistsFn& exists) {
    const std::string path =
        IsRelative(command) && !directory.empty() ? ProgramPath(command, &directory) : command;
    const auto program = SystemProgram(path, facts);
    if (!program) return command;
    const std::string native = Join(Folder(facts, "Sysnative"), *program);
    return exists(native) ? native : command;
}

std::string RunningImagePath(const std::string& programPath, const Wow64Facts& facts,
                             const FileExistsFn& exists) {
    if (facts.wow64 && !facts.windowsDirectory.empty()) {
        if (auto rest = Inside(programPath, Folder(facts, "Sysnative")))
            return Join(Folder(facts, "System32"), *rest);
    }
    const auto program = SystemProgram(programPath, facts);
    if (!program || exists(Join(Folder(facts, "Sysnative"), *program))) return programPath;
    return Join(Folder(facts, "SysWOW64"), *program);
}

std::string NativeShortcutTarget(const std::string& target, const Wow64Facts& facts,
                                 const FileExistsFn& exists) {
    if (!facts.wow64) return target;
    // Common Files first: the 32-bit one lies inside the 32-bit Program Files.
    const std::pair<const std::string*, const std::string*> folders[] = {
        {&facts.commonFilesX86, &facts.commonFilesNative},
        {&facts.programFilesX86, &facts.programFilesNative}};
    for (const auto& [x86, native] : folders) {
        if (native->empty() || SameIgnoringAsciiCase(*x86, *native)) continue;
        const auto rest = Inside(target, *x86);
        if (!rest) continue;
        const std::string nativeTarget = Join(*native, *rest);
        return !exists(target) && exists(nativeTarget) ? nativeTarget : target;
    }
    return target;
}
