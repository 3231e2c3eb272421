#include "app/startup_actions.h"

#include "platform/ports/startup_port.h"

bool RunStartupActions(const StartupOptions& options, StartupPort& port) {
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
            port.RequestLogOff();
            break;
        }
    }
    return !options.stop;
}
