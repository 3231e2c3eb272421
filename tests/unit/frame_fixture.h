#pragma once
#include <memory>
#include <string>

#include "fakes/call_log.h"
#include "fakes/recording_desktop.h"
#include "fakes/recording_profile.h"
#include "fakes/recording_window.h"
#include "fakes/served_assets.h"
#include "model_fixture.h"

// The main window's logic with every port: real profile files (reads and
// writes logged), the built-in faces, and recording fakes for the window and
// the desktop. All calls go to one log.
class FrameTest : public ModelTest {
protected:
    FrameTest() : recordedProfile(profile, log), window(log), desktop(log), assets(log) {
        assets.ServeFaces(std::string(KLV_SOURCE_DIR) + "/resources");
        frame = std::make_unique<CKeyboardFrame>(Ports());
    }

    FramePorts Ports() {
        FramePorts ports;
        ports.profile = &recordedProfile;
        ports.strings = &strings;
        ports.shell = &shell;
        ports.colours = &colours;
        ports.system = &system;
        ports.window = &window;
        ports.desktop = &desktop;
        ports.assets = &assets;
        return ports;
    }

    CallLog log;
    RecordingProfile recordedProfile;
    RecordingWindow window;
    RecordingDesktop desktop;
    ServedAssets assets;
};
