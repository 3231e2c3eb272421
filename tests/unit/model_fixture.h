#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>

#include "app/keyboard_frame.h"
#include "fakes/fixed_system_info.h"
#include "fakes/memory_profile.h"
#include "fakes/recording_platform.h"
#include "fakes/recording_shell_folders.h"
#include "fakes/scripted_colour_chooser.h"
#include "fakes/served_assets.h"
#include "platform/portable/builtin_strings.h"

// The program's files in memory, the real string table and the built-in
// faces, with recording fakes for the rest; the Windows directory is C:\WINDOWS.
class ModelTest : public ::testing::Test {
protected:
    ModelTest() { assets.ServeFaces(std::string(KLV_SOURCE_DIR) + "/resources"); }

    FramePorts Ports() {
        return {&profile, &strings, &shell, &colours, &system, &platform, &platform, &assets};
    }

    // A value of a file of the Windows directory, or "<absent>".
    std::string Stored(const char* section, const char* key,
                       const std::string& file = "kelvane.ini") const {
        return profile.Value(file, section, key).value_or("<absent>");
    }

    MemoryProfile profile{kWindowsDir};
    BuiltinStrings strings;
    RecordingShellFolders shell;
    ScriptedColourChooser colours;
    FixedSystemInfo system{kWindowsDir};
    RecordingPlatform platform;
    ServedAssets assets;

    static constexpr char kWindowsDir[] = "C:\\WINDOWS";
};

// The settings, key table and assignment store as start-up builds them.
class PartsTest : public ModelTest {
protected:
    // Start-up's order: settings, key table, then assignments.
    void Start(std::uint32_t commandLine = 0, int faceIndex = 0) {
        settings.LoadSettings(&commandLine);
        keys.LoadKeyTable(faceIndex, settings.Options(), settings.InWindowsDir(settings.KeyFile()));
        store.LoadAssignments(keys);
    }

    FaceKey& Key(const std::string& character) {
        FaceKey* key = keys.FindKey(character);
        if (!key) throw std::runtime_error("no key " + character);
        return *key;
    }

    Settings settings{profile, strings, system, colours};
    KeyTable keys{profile, strings};
    AssignmentStore store{profile, shell, settings};
};
