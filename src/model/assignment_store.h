#pragma once

class KeyTable;
class ProfilePort;
class Settings;
class ShellFolderPort;

// The keys' assignments in the settings file: sections "cmd", "cwd", "desc"
// and "opts", one entry per key named by its label. Only keys that are
// assignable and not reserved take part; the others keep what their
// descriptor gave them.
class AssignmentStore {
public:
    AssignmentStore(ProfilePort& profile, ShellFolderPort& shell, const Settings& settings)
        : m_profile(profile), m_shell(shell), m_settings(settings) {}

    // Reads every key's assignment; a popup-list key's list is written anew
    // from its folder into the program-list file.
    void LoadAssignments(KeyTable& keys);
    void SaveAssignments(KeyTable& keys);

private:
    ProfilePort& m_profile;
    ShellFolderPort& m_shell;
    const Settings& m_settings;
};
