#include "pickers/app_browser.h"

void AppBrowserState::FolderSelected(const std::string& path) {
    // In application mode a file must be chosen again in the new folder.
    m_okEnabled = m_folderMode;
    if (m_folderMode) m_folderPath = path;
}

void AppBrowserState::FileChosen(const Application& application) {
    if (m_folderMode) return; // the list is disabled in folder mode
    m_application = application;
    m_okEnabled = true;
}

void AppBrowserState::ShortcutChosen(const ShortcutParts& parts) {
    Application chosen = m_application;
    if (parts.command) {
        chosen.command = *parts.command;
        if (parts.workingDirectory) {
            chosen.workingDirectory = *parts.workingDirectory;
            if (parts.title) chosen.description = *parts.title;
        }
    }
    FileChosen(chosen);
}

bool AppBrowserState::Give(bool matchingMode, const std::string& value, std::string* text) const {
    const bool given = matchingMode && !m_cancelled;
    if (text) *text = given ? value : std::string();
    return given;
}
