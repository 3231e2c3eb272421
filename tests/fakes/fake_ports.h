#pragma once
#include <string>

#include "fakes/fixed_system_info.h"
#include "fakes/memory_profile.h"
#include "fakes/recording_launch.h"
#include "fakes/recording_platform.h"
#include "fakes/recording_shell_folders.h"
#include "fakes/scripted_dialogs.h"
#include "fakes/scripted_groups.h"
#include "fakes/scripted_colour_chooser.h"
#include "fakes/served_assets.h"
#include "platform/portable/builtin_strings.h"
#include "platform/ports/frame_ports.h"

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

    static constexpr char kWindowsDir[] = "C:\\WINDOWS";
    MemoryProfile profile{kWindowsDir};
    BuiltinStrings strings;
    RecordingShellFolders shell;
    ScriptedColourChooser colours;
    FixedSystemInfo system{kWindowsDir};
    RecordingPlatform platform;
    ServedAssets assets;
    RecordingLaunch launch;
    ScriptedGroups groups;
    ScriptedDialogs dialogs;
};
