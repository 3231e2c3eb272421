#pragma once
#include <string>
#include <vector>

#include "pickers/start_menu.h"
#include "platform/ports/shell_folder_port.h"

// The Application Browser's rules, apart from the shell: what its OK button
// allows in each mode, what the caller may read after it ends, and which
// picture each view button shows.
//
// Application mode: a double-clicked file gives the command, working
// directory and description; folder mode: a selected folder gives its path.
class AppBrowserState {
public:
    struct Application {
        std::string command, workingDirectory, description;
    };

    explicit AppBrowserState(bool folderMode) : m_folderMode(folderMode) {}

    bool FolderMode() const { return m_folderMode; }
    bool OkEnabled() const { return m_okEnabled; }

    // A folder of the tree was selected; path is its file-system path (may be empty).
    void FolderSelected(const std::string& path);
    // A node of the merged Start menu was selected: its folders in each
    // part; a popup list takes start_menu::PopupFolderPath of them.
    void FolderSelected(const std::vector<start_menu::Folder>& parts) {
        FolderSelected(start_menu::PopupFolderPath(parts));
    }
    // A file was double-clicked (application mode).
    void FileChosen(const Application& application);
    // A shortcut was double-clicked: its parts are taken in order up to the
    // first that could not be read; that one and the rest keep what an
    // earlier choice left.
    void ShortcutChosen(const ShortcutParts& parts);
    void End(bool ok) { m_cancelled = !ok; }

    // After OK, in the matching mode: the value and true; else empty and false.
    bool GetChosenCommand(std::string* text) const {
        return Give(!m_folderMode, m_application.command, text);
    }
    bool GetChosenWorkingDirectory(std::string* text) const {
        return Give(!m_folderMode, m_application.workingDirectory, text);
    }
    bool GetChosenDescription(std::string* text) const {
        return Give(!m_folderMode, m_application.description, text);
    }
    bool GetChosenFolderPath(std::string* text) const { return Give(m_folderMode, m_folderPath, text); }

    // The view buttons: the one naming the current view is drawn pressed.
    bool LargeIcons() const { return m_largeIcons; }
    void SetLargeIcons(bool large) { m_largeIcons = large; }
    const char* LargeButtonPicture() const { return m_largeIcons ? "LARGED" : "LARGEU"; }
    const char* SmallButtonPicture() const { return m_largeIcons ? "SMALLU" : "SMALLD"; }

private:
    bool Give(bool matchingMode, const std::string& value, std::string* text) const;

    bool m_folderMode;
    bool m_okEnabled = false;
    bool m_cancelled = true; // until OK ends the dialog
    bool m_largeIcons = true;
    Application m_application;
    std::string m_folderPath;
};
