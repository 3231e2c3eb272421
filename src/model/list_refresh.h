#pragma once
#include <string>
#include <vector>

#include "platform/ports/shell_folder_port.h"

class ProfilePort;
class Settings;

// Every start writes each popup list anew from its folder. Reading the
// folders (resolving hundreds of shortcuts) would hold up the first paint,
// so they are read away from the main thread; what they gave is written
// when it has arrived and no dialog, menu or import is open. Those read the
// lists, so each of them sees a list whole, as it stood before or after.
class ListRefresh {
public:
    ListRefresh(ProfilePort& profile, ShellFolderPort& shell, const Settings& settings)
        : m_profile(profile), m_shell(shell), m_settings(settings) {}

    // Asks for the folders, in the order their lists are to be written.
    void Start(std::vector<std::string> folders);
    // The items of each folder asked for, in the same order.
    void Arrived(std::vector<ShortcutItems> items);
    bool Pending() const { return m_arrived; }
    // Writes what has arrived, once (see WriteFolderLists).
    void WritePending();

private:
    ProfilePort& m_profile;
    ShellFolderPort& m_shell;
    const Settings& m_settings;
    std::vector<std::string> m_folders;
    std::vector<ShortcutItems> m_items;
    bool m_arrived = false;
};
