#pragma once
#include <functional>
#include <string>

struct Wow64Facts;

// Whether a file exists where the program looks (through WOW64's redirection).
using FileExistsFn = std::function<bool(const std::string&)>;

// The i686 build on 64-bit Windows runs under WOW64: its file system redirector
// shows it %windir%\SysWOW64 where a path names %windir%\System32, and its
// environment names "Program Files (x86)" where a 64-bit program sees "Program
// Files". These decide from the facts the platform reports which file a
// command or a shortcut means, so that the 32-bit build starts and finds the
// same programs as the 64-bit one. Without WOW64 each gives its path back
// unchanged. A bare name (no directory) is left to the shell's own search.

// The file the shell is handed for command, started in directory (empty when
// none): a program (.exe, .com) that the command, or the directory joined
// with a relative command, names under %windir%\System32 is started through
// the %windir%\Sysnative alias when its native copy exists there; else the
// command as it is (a program with a 32-bit copy only is found in SysWOW64).
std::string LaunchPath(const std::string& command, const std::string& directory,
                       const Wow64Facts& facts, const FileExistsFn& exists);

// The image path that the process LaunchPath starts for programPath reports
// (QueryFullProcessImageName names the real folder): %windir%\System32 when
// the native copy runs, %windir%\SysWOW64 when the 32-bit copy does;
// %windir%\Sysnative, which no process reports, is read as System32.
std::string RunningImagePath(const std::string& programPath, const Wow64Facts& facts,
                             const FileExistsFn& exists);

// A shortcut's target as a 32-bit program reads it: a path under the 32-bit
// Program Files (or Common Files) folder that does not exist while the same
// path under the native folder does is the native one. When both exist the
// shortcut cannot tell which it meant, and the target stays as read.
std::string NativeShortcutTarget(const std::string& target, const Wow64Facts& facts,
                                 const FileExistsFn& exists);
