#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/keyboard_frame.h"
#include "fakes/fixed_system_info.h"
#include "fakes/recording_profile.h"
#include "fakes/recording_shell_folders.h"
#include "fakes/recording_window.h"
#include "fakes/scripted_colour_chooser.h"
#include "fakes/served_assets.h"
#include "platform/portable/builtin_strings.h"
#include "temp_dir.h"

// The main window's logic over real profile files in a temporary Windows
// directory, the real string table and the built-in faces, with recording
// fakes for the rest. The profile, window, desktop and start-up calls go to
// one log.
class ModelTest : public ::testing::Test {
protected:
    ModelTest() : profile(dir.path(), log), system(dir.path()), window(log) {
        assets.ServeFaces(std::string(KLV_SOURCE_DIR) + "/resources");
        frame = NewFrame();
    }

    FramePorts Ports() {
        return {&profile, &strings, &shell, &colours, &system, &window, &window, &assets};
    }
    std::unique_ptr<CKeyboardFrame> NewFrame() { return std::make_unique<CKeyboardFrame>(Ports()); }

    // Start-up's order: settings, key table, then assignments.
    void Start(std::uint32_t commandLine = 0, int faceIndex = 0) {
        frame->LoadSettings(&commandLine);
        frame->m_strWindowsDir = dir.path();
        frame->LoadKeyTable(faceIndex);
        frame->LoadAssignments();
    }

    // A value as the program would read it, or "<absent>"; not logged.
    std::string Stored(const char* section, const char* key,
                       const std::string& file = "kelvane.ini") {
        char buffer[1024];
        return std::string(buffer, profile.IniProfile::GetString(section, key, "<absent>", buffer,
                                                                 sizeof buffer, file.c_str()));
    }

    FaceKey& Key(const std::string& character) {
        FaceKey* key = frame->FindKey(character);
        if (!key) throw std::runtime_error("no key " + character);
        return *key;
    }

    TempDir dir;
    CallLog log;
    RecordingProfile profile;
    BuiltinStrings strings;
    RecordingShellFolders shell;
    ScriptedColourChooser colours;
    FixedSystemInfo system;
    RecordingWindow window;
    ServedAssets assets;
    std::unique_ptr<CKeyboardFrame> frame;
};
