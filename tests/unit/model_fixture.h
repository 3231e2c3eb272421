#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "app/keyboard_frame.h"
#include "fakes/fake_ports.h"

class ModelTest : public ::testing::Test, protected FakePorts {};

inline std::string RectText(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

// A key's assignment as one line: its states, its options when it has any,
// then command, directory and description ("assignable assigned opts 1 a.exe|C:\A|Ed").
inline std::string Assignment(const FaceKey& key) {
    std::string line;
    for (const auto& [on, name] : {std::pair{key.m_bAssignable, "assignable "},
                                   {key.m_bReserved, "reserved "}, {key.m_bAssigned, "assigned "}})
        if (on) line += name;
    if (key.m_nKeyOptions) line += "opts " + std::to_string(key.m_nKeyOptions) + " ";
    return line + key.m_strCommand + "|" + key.m_strDirectory + "|" + key.m_strDescription;
}

// The main window's logic on the fakes.
class FrameTest : public ModelTest {
protected:
    // What the window and the desktop were asked and what was started since the last call.
    std::vector<std::string> Effects() {
        std::vector<std::string> effects;
        effects.swap(platform.requests);
        effects.insert(effects.end(), launch.effects.begin(), launch.effects.end());
        launch.effects.clear();
        return effects;
    }

    CKeyboardFrame frame{Ports()};
};

// The settings, key table and assignment store as start-up builds them.
class PartsTest : public ModelTest {
protected:
    // Start-up's order: settings, key table, assignments, then the popup
    // lists once their folders have been read.
    void Start(std::uint32_t commandLine = 0, int faceIndex = 0) {
        settings.LoadSettings(&commandLine);
        keys.LoadKeyTable(faceIndex, settings.Options(), settings.InSettingsDir(settings.KeyFile()));
        popupFolders = store.LoadAssignments(keys);
        ListRefresh lists{profile, shell, settings};
        lists.Start(popupFolders);
        lists.Arrived(shell.Read());
        lists.WritePending();
    }

    FaceKey& Key(const std::string& character) {
        FaceKey* key = keys.FindKey(character);
        if (!key) throw std::runtime_error("no key " + character);
        return *key;
    }

    Settings settings{profile, strings, system, colours};
    KeyTable keys{profile, strings};
    AssignmentStore store{profile, settings};
    std::vector<std::string> popupFolders; // what loading the assignments gave
};
