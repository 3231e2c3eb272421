#include "app/launcher_app.h"

#include "app/command_line.h"
#include "app/keyboard_frame.h"
#include "app/startup_actions.h"
#include "platform/ports/launcher_platform.h"
#include "platform/ports/profile_port.h"
#include "platform/ports/string_table.h"
#include "platform/ports/system_info.h"

namespace {
constexpr unsigned kProductName = 60;
constexpr unsigned kConfigurationPopup = 65;
} // namespace

std::unique_ptr<CKeyboardFrame> CLauncherApp::InitInstance(const std::string& commandLine) {
    StartupOptions options = ParseCommandLine(commandLine);
    if (!RunStartupActions(options, m_startup)) return nullptr;

    // One instance: a second start only brings the first one forward.
    const std::string title = m_framePorts.strings->Get(kProductName);
    if (m_platform.RaiseRunningInstance(title)) return nullptr;

    auto frame = std::make_unique<CKeyboardFrame>(m_framePorts);
    frame->LoadSettings(&options.optionBits);
    m_platform.CallConfigurationLibrary(options.debug ? 1 : 0);

    ProfilePort& profile = *m_framePorts.profile;
    const char* ini = frame->m_strIniFile.c_str();
    char faceName[40];
    profile.GetString("cfg", "face", options.faceName.c_str(), faceName, sizeof faceName, ini);
    frame->m_strWindowsDir = m_framePorts.system->WindowsDirectory();

    const int x = static_cast<int>(profile.GetInt("cfg", "x", 150, ini));
    const int y = static_cast<int>(profile.GetInt("cfg", "y", 100, ini));
    // Read before the window exists: creating and sizing it store its state anew.
    const bool minimized = options.icon || profile.GetInt("cfg", "fIcon", 0, ini) != 0;
    if (!m_platform.CreateMainWindow(*frame, title, options.menu, x, y)) return nullptr;

    // The client area holds the whole face; without one it is empty.
    int width = 0, height = 0;
    if (frame->LoadFace(faceName)) {
        width = frame->FaceWidth() + 1;
        height = frame->FaceHeight() + 2;
    }
    m_platform.SizeMainWindow(width, height);

    m_platform.ShowMainWindow(minimized);
    frame->m_bDebug = options.debug ? 1 : 0;

    frame->LoadKeyTable(options.faceIndex);
    frame->LoadAssignments();
    if (!options.menu) m_platform.AppendConfigurationPopup(m_framePorts.strings->Get(kConfigurationPopup));
    return frame;
}
