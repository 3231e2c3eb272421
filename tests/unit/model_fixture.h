#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>

#include "app/keyboard_frame.h"
#include "fakes/fake_ports.h"

class ModelTest : public ::testing::Test, protected FakePorts {};

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
