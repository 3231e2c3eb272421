#include "app/startup_actions.h"

#include "platform/ports/startup_port.h"
#include "platform/ports/window_port.h"

bool RunStartupActions(const StartupOptions& options, StartupPort& port, DesktopPort& desktop) {
    for (const StartupAction& action : options.actions) {
        switch (action.kind) {
        case StartupAction::ShowCurrentDirectory:
            port.ShowCurrentDirectory();
            return false; // ends start-up at once, whatever else was asked
        case StartupAction::PlaySound:
            port.PlaySoundSync(action.file);
            break;
        case StartupAction::SetVolume:
            port.SetWaveVolume(action.volumeValue);
            break;
        case StartupAction::LogOff:
            desktop.LogOff();
            break;
        }
    }
    return !options.stop;
}
