#include "launch/launcher.h"

#include <algorithm>
#include <cctype>

#include "common/message_box_flags.h"
#include "common/options.h"
#include "common/string_ids.h"
#include "common/value_limit.h"
#include "launch/command_text.h"
#include "launch/wow64_paths.h"
#include "model/settings.h"
#include "platform/ports/launch_port.h"
#include "platform/ports/string_table.h"
#include "platform/ports/system_info.h"
#include "platform/ports/window_port.h"

std::string ProgramPath(const std::string& command, const std::string* directory) {
    if (command.size() >= 3 && command[1] == ':' && command[2] == '\\') return command;
    const std::string folder = directory ? *directory : std::string();
    if (folder.empty() || folder.back() == '\\') return folder + command;
    return folder + "\\" + command;
}

void Launcher::LaunchCommand(const std::string& text, const std::string* directory) {
    const CommandText parsed = ParseCommandText(text, directory);
    if (!parsed.directory.empty()) {
        const int drive = std::toupper(static_cast<unsigned char>(parsed.directory[0])) - 64;
        if (!m_launch.ChangeDirectory(parsed.directory) || !m_launch.ChangeDrive(drive)) {
            ShowErrorMessage(IDS_INVALID_DIRECTORY);
            return;
        }
    }
    const Wow64Facts facts = m_system.Wow64();
    const FileExistsFn exists = [this](const std::string& path) { return m_system.FileExists(path); };
    // A started program takes the foreground itself when its window shows,
    // with a right handed to it (see the note above SwitchToRunning), after
    // the launch sound and its own start, however slow. The right is handed
    // on now, before them, to every process: which one will want the
    // foreground is not known yet (a new process, or one already running that
    // the shell hands a document to), and Kelvane, one of them, keeps it for
    // the start.
    m_processes.AllowForeground(ProcessPort::kAnyProcess);
    for (const std::string& command : parsed.commands) {
        const std::string file = LaunchPath(command, parsed.directory, facts, exists);
        // The shell would not take a longer file whole (common/value_limit.h):
        // it fails as a start fails, with a message, and the rest still start.
        if (!FitsValueLimit(file)) {
            ShowMessage(WithValueLimit(m_strings.Get(IDS_COMMAND_TOO_LONG)),
                        MB_FLAG_OK | MB_FLAG_ICONSTOP);
            continue;
        }
        if (!m_settings.StartupSound().empty()) m_launch.PlaySoundSync(m_settings.StartupSound());
        m_launch.StartFile(file);
    }
    if (m_settings.Has(OPT_MINIMIZE)) m_window.ShowWindowState(ShowState::Minimize);
}

// The foreground. Windows lets a process bring a window to the foreground
// only with a right: as the foreground process, as the one that received the
// last input, or granted by one that has it with AllowSetForegroundWindow,
// as the hotkey service grants it to Kelvane before each report (a click on
// the face is Kelvane's own input). A granted right is lost at the user's
// next input not directed at its holder (releasing the hotkey's keys may
// already be such input) and when the right is granted to another process;
// without it the window only flashes in the taskbar. See the remarks of
// SetForegroundWindow and AllowSetForegroundWindow:
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-setforegroundwindow
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-allowsetforegroundwindow
// The switch and launch sounds play to their end before the switch or the
// start, as Parts 3.1 and 3.2 order it, so Kelvane uses the right at once,
// before a sound: it hands it on to the process that will need it, and the
// order a user hears and sees stays the same.
void Launcher::SwitchToRunning(const std::string& command, const std::string* directory) {
    std::uintptr_t target = 0;
    std::uint32_t processId = 0;
    if (!m_processes.ResolveToolHelp())
        ShowMessage(m_strings.Get(IDS_NO_TOOLHELP), MB_FLAG_OK | MB_FLAG_ICONEXCLAMATION);
    else
        target = RunningWindowOf(RunningImagePath(
                                     ProgramPath(command, directory), m_system.Wow64(),
                                     [this](const std::string& path) { return m_system.FileExists(path); }),
                                 processId);
    if (!target) {
        LaunchCommand(command, directory);
        return;
    }
    // Without a sound nothing comes between: Kelvane brings the window forward
    // with the right it holds. With one, the right goes to the running program
    // first, whose own thread then activates its window (BringForward).
    if (!m_settings.SwitchToSound().empty()) {
        m_processes.AllowForeground(processId);
        m_launch.PlaySoundSync(m_settings.SwitchToSound());
    }
    m_processes.BringForward(target);
}

std::uintptr_t Launcher::RunningWindowOf(const std::string& programPath, std::uint32_t& processId) {
    const auto processes = m_processes.Processes();
    if (!processes) {
        ShowMessage(m_strings.Get(IDS_NO_PROCESS_LIST), MB_FLAG_OK | MB_FLAG_ICONEXCLAMATION);
        return 0;
    }
    // Only the first process running the program counts.
    const auto found = std::find_if(processes->begin(), processes->end(),
                                    [&](const auto& p) { return m_processes.SamePath(p.image, programPath); });
    if (found == processes->end()) return 0;
    for (const ProcessPort::TopWindow& window : m_processes.TopLevelWindows())
        if (window.visible && !window.hasParent && window.processId == found->id) {
            processId = found->id;
            return window.handle;
        }
    return 0;
}

void Launcher::ShowErrorMessage(unsigned id) {
    ShowMessage(m_strings.Get(id), MB_FLAG_OK | MB_FLAG_ICONSTOP);
}

void Launcher::ReportLaunchError(int code, const std::string* command) {
    if (auto text = LaunchErrorText(code, command, m_strings))
        ShowMessage(*text, MB_FLAG_OK | MB_FLAG_ICONSTOP);
}

void Launcher::ShowMessage(const std::string& text, unsigned flags) {
    m_window.ShowMessage(text, m_window.ApplicationName(), flags);
}
