#include "app/launcher_app.h"

#include "app/command_line.h"
#include "app/keyboard_frame.h"
#include "app/startup_actions.h"
#include "common/string_ids.h"
#include "platform/ports/startup_port.h"
#include "platform/ports/string_table.h"
#include "platform/ports/window_port.h"

std::unique_ptr<CKeyboardFrame> CLauncherApp::InitInstance(const std::string& commandLine) {
    StartupOptions options = ParseCommandLine(commandLine);
    if (!RunStartupActions(options, m_startup, *m_framePorts.desktop)) return nullptr;

    // One instance: a second start only brings the first one forward.
    const std::string title = m_framePorts.strings->Get(IDS_PRODUCT_NAME);
    if (m_startup.RaiseRunningInstance(title)) return nullptr;

    auto frame = std::make_unique<CKeyboardFrame>(m_framePorts);
    frame->LoadSettings(&options.optionBits);
    m_startup.CallConfigurationLibrary(options.debug ? 1 : 0);

    // Read before the window exists: creating and sizing it store its state anew.
    const StoredWindowState stored = frame->ReadWindowState(options.faceName);
    const bool minimized = options.icon || stored.minimized;
    WindowPort& window = *m_framePorts.window;
    if (!window.Create(*frame, title, options.menu, stored.x, stored.y)) return nullptr;

    // The client area holds the whole face; without one it is empty.
    int width = 0, height = 0;
    if (frame->LoadFace(stored.faceName)) {
        width = frame->FaceWidth() + 1;
        height = frame->FaceHeight() + 2;
    }
    window.SizeClientArea(width, height);

    window.Show(minimized);
    frame->SetDebug(options.debug);

    frame->LoadKeyTable(options.faceIndex);
    frame->LoadAssignments();
    if (!options.menu) window.AppendConfigurationPopup(m_framePorts.strings->Get(IDS_CONFIG_POPUP));
    return frame;
}
