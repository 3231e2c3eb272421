#include "editing/editing_flow.h"

#include <cstdint>

#include "common/nested_runs.h"
#include "common/options.h"
#include "common/string_ids.h"
#include "model/assignment_store.h"
#include "model/face_key.h"
#include "model/folder_list.h"
#include "model/settings.h"
#include "platform/ports/dialog_port.h"
#include "platform/ports/profile_port.h"
#include "platform/ports/string_table.h"
#include "platform/ports/window_port.h"

namespace {
bool InPopupForm(const std::string& command) { return !command.empty() && command[0] == '@'; }
} // namespace

void EditingFlow::EditKeyAssignment(FaceKey& key, const std::string& command,
                                    const std::string& directory, const std::string& description,
                                    bool fromDrop) {
    if (!m_runs.Allows(NestedRuns::Request::Exclusive)) return;
    NestedRuns::Scope run(m_runs, NestedRuns::Kind::Dialog);

    Values values{command, directory, description, true};
    if (key.m_bAssigned && !InPopupForm(key.m_strCommand))
        values.switchTo = (key.m_nKeyOptions & KEY_SWITCHTO) != 0;
    bool confirm = !m_settings.Has(OPT_NOCONFIRM);

    int choice = END_DIRECT;
    if (fromDrop) {
        confirm = true; // for this run only
    } else {
        AssignmentTypeData type{key.m_strLabel, confirm};
        choice = m_ports.dialogs.AssignmentType(type);
        // Cancel brings back the box's starting state, so only a real change is saved.
        if (type.confirmChanges != confirm) {
            m_settings.ToggleOption(OPT_NOCONFIRM);
            confirm = type.confirmChanges;
        }
    }
    // A close asked for while a dialog was open cancels what that dialog began.
    if (m_runs.ClosePending() || Choose(key, choice, fromDrop, values) == Next::Stop ||
        m_runs.ClosePending())
        return;

    const bool changed = values.command != key.m_strCommand ||
                         values.directory != key.m_strDirectory ||
                         values.description != key.m_strDescription;
    if (key.m_bAssigned && changed && confirm && !Confirmed(key, values)) return;
    Store(key, values);
}

EditingFlow::Next EditingFlow::Choose(const FaceKey& key, int choice, bool fromDrop,
                                      Values& values) {
    switch (choice) {
    case END_CLEAR:
        values.command = m_settings.None();
        values.directory.clear();
        values.description.clear();
        return Next::Store;
    case END_DIRECT:
        return EditCommand(key, fromDrop, values);
    case END_POPUP:
        ListFolder(values);
        return Next::Store;
    case END_CANCEL:
        return Next::Stop;
    default: // Enter on the check box ends the dialog with OK: the key is stored as it is
        return Next::Store;
    }
}

EditingFlow::Next EditingFlow::EditCommand(const FaceKey& key, bool fromDrop, Values& values) {
    CommandData data;
    data.shortcutKeyText = key.m_strLabel;
    // A popup list's folder is no command line to edit: the fields start empty.
    if (!InPopupForm(key.m_strCommand)) {
        data.command = values.command;
        data.workingDirectory = values.directory;
        data.description = values.description;
    }
    data.switchToRunning = values.switchTo;
    data.hideBrowseButtons = fromDrop;
    if (m_ports.dialogs.EditCommand(data) != END_OK) return Next::Stop;
    values.command = data.command;
    values.directory = data.workingDirectory;
    values.description = data.description;
    values.switchTo = data.switchToRunning;
    return Next::Store;
}

void EditingFlow::ListFolder(Values& values) {
    FolderChoice choice{m_ports.strings.Get(IDS_APP_EXPLORER), ""};
    // A folder without a file-system path (a virtual folder of the shell)
    // names no section and no items: taken as a cancelled browser.
    if (m_ports.dialogs.ChooseFolder(choice) != END_OK || choice.folderPath.empty()) return;
    const std::string& folder = choice.folderPath;
    const std::string& file = m_settings.PrgFile();
    m_ports.profile.WriteString(profile_names::kListIndexSection, folder.c_str(), folder.c_str(),
                                file.c_str());
    if (WriteFolderList(m_ports.profile, m_ports.shell, folder, file) == 0) return;
    values.command = "@" + folder;
    const auto slash = folder.rfind('\\');
    values.description = slash == std::string::npos ? folder : folder.substr(slash + 1);
}

// A popup list shows as "Popup List... " and its name; a bare "@" as it is.
std::string EditingFlow::Shown(const std::string& command) const {
    if (command.size() >= 2 && command[0] == '@')
        return m_ports.strings.Get(IDS_POPUP_LIST) + command.substr(1);
    return command;
}

bool EditingFlow::Confirmed(const FaceKey& key, const Values& values) {
    KeyConfirmData data;
    data.keyName = key.m_strLabel;
    data.oldCommand = Shown(key.m_strCommand);
    data.oldDirectory = key.m_strDirectory;
    data.oldDescription = key.m_strDescription;
    data.newCommand = Shown(values.command);
    data.newDirectory = values.directory;
    data.newDescription = values.description;
    m_ports.dialogs.Beep();
    return m_ports.dialogs.ConfirmKey(data) == END_OK;
}

void EditingFlow::Store(FaceKey& key, const Values& values) {
    key.m_strCommand = values.command;
    key.m_strDirectory = values.directory;
    key.m_strDescription = values.description;
    key.m_bAssigned = values.command != m_settings.None() ? 1 : 0;
    const bool switchTo = values.switchTo && !InPopupForm(values.command);
    key.m_nKeyOptions &= ~std::uint32_t{KEY_SWITCHTO};
    if (switchTo) key.m_nKeyOptions |= KEY_SWITCHTO;
    m_store.SaveAssignments(m_keys);
    m_ports.window.Invalidate(true);
}
