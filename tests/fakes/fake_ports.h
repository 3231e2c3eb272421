#pragma once
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fakes/memory_profile.h"
#include "fakes/recording_launch.h"
#include "fakes/recording_platform.h"
#include "fakes/recording_shell_folders.h"
#include "fakes/scripted_dialogs.h"
#include "fakes/scripted_groups.h"
#include "fakes/served_assets.h"
#include "platform/portable/builtin_strings.h"
#include "platform/ports/colour_chooser.h"
#include "platform/ports/frame_ports.h"
#include "platform/ports/system_info.h"

// A colour dialog whose user presses OK on `answer`, or Cancel when
// `pressOk` is false. Records the colour each dialog started from.
struct ScriptedColourChooser : ColourChooser {
    bool Choose(Colour initial, Colour& chosen) override {
        startedFrom.push_back(initial);
        if (pressOk) chosen = answer;
        return pressOk;
    }
    bool pressOk = true;
    Colour answer = 0;
    std::vector<Colour> startedFrom;
};

// A Windows installation in C:\WINDOWS, by default one the program may
// write and a 64-bit program runs in; the copies made into new files, each
// followed by a blank.
struct FixedSystemInfo : SystemInfo {
    std::string WindowsDirectory() const override { return "C:\\WINDOWS"; }
    Wow64Facts Wow64() const override { return wow64; }
    bool CanWriteFilesIn(const std::string&) override { return windowsWritable; }
    std::string UserAppData() override { return appData; }
    bool MakeFolder(const std::string& dir) override { return files.count(dir) != 0; }
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    void CopyNewFile(const std::string& from, const std::string& to) override { copies += from + ">" + to + " "; }
    bool AnsiIsUtf8() const override { return utf8; }
    std::optional<std::string> ReadFileBytes(const std::string& path) override {
        return contents.count(path) ? std::optional<std::string>(contents[path]) : std::nullopt;
    }
    std::optional<std::string> SystemAnsiToUtf8(const std::string& text) override { // as Latin-1
        std::string utf8;
        for (unsigned char c : text) utf8 += c < 0x80 ? std::string(1, c) : std::string{char(0xC0 | c >> 6), char(0x80 | (c & 0x3F))};
        return utf8;
    }
    bool ReplaceFileBytes(const std::string& path, const std::string& bytes) override { return contents[path] = bytes, true; }
    bool windowsWritable = true, utf8 = false;
    Wow64Facts wow64;
    std::string appData, copies;
    std::set<std::string> files; // full paths of the files and folders there are or can be made
    std::map<std::string, std::string> contents; // of the files read and replaced as bytes
};

// Every port of the program with its native stand-in: the program's files in
// memory in the Windows directory C:\WINDOWS, the real string table, the
// built-in faces, and recording fakes for the rest.
struct FakePorts {
    FramePorts Ports() {
        return {&profile, &strings, &shell,    &colours,  &system, &platform, &platform,
                &assets,  &launch,  &launch,   &platform, &platform, &groups, &dialogs};
    }
    // A value of a file of the Windows directory, or "<absent>".
    std::string Stored(const char* section, const char* key,
                       const std::string& file = "kelvane.ini") const {
        return profile.Value(file, section, key).value_or("<absent>");
    }

    MemoryProfile profile; // of C:\WINDOWS
    BuiltinStrings strings;
    RecordingShellFolders shell;
    ScriptedColourChooser colours;
    FixedSystemInfo system;
    RecordingPlatform platform;
    ServedAssets assets;
    RecordingLaunch launch;
    ScriptedGroups groups;
    ScriptedDialogs dialogs;
};
