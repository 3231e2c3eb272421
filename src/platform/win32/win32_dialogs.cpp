#include "platform/win32/win32_dialogs.h"

#include "editing/editing_dialogs_win32.h"
#include "pickers/app_browser_win32.h"
#include "platform/ports/window_port.h"

int Win32Dialogs::AssignmentType(AssignmentTypeData& data) {
    return RunAssignmentTypeDialog(m_instance, m_owner(), data);
}

int Win32Dialogs::EditCommand(CommandData& data) {
    return RunCommandDialog(m_instance, m_owner(), m_strings, m_window.ApplicationName(), data);
}

int Win32Dialogs::ConfirmKey(const KeyConfirmData& data) {
    return RunKeyConfirmDialog(m_instance, m_owner(), data);
}

int Win32Dialogs::ChooseFolder(FolderChoice& data) {
    AppBrowserState browser(true);
    const int end = RunAppBrowser(m_instance, m_owner(), data.caption, browser);
    browser.GetChosenFolderPath(&data.folderPath);
    return end;
}

int Win32Dialogs::KeyList(KeyListData& data) {
    return RunKeyListDialog(m_instance, m_owner(), data);
}
