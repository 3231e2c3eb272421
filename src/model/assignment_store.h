#pragma once
#include <string>
#include <vector>

class KeyTable;
class ProfilePort;
class Settings;

// The keys' assignments in the settings file: sections "cmd", "cwd", "desc"
// and "opts", one entry per key named by its label. Only keys that are
// assignable and not reserved take part; the others keep what their
// descriptor gave them.
class AssignmentStore {
public:
    AssignmentStore(ProfilePort& profile, const Settings& settings)
        : m_profile(profile), m_settings(settings) {}

    // Reads every key's assignment. Returns the folders of the popup-list
    // keys in key order: each list is to be written anew from its folder.
    std::vector<std::string> LoadAssignments(KeyTable& keys);
    void SaveAssignments(KeyTable& keys);

private:
    ProfilePort& m_profile;
    const Settings& m_settings;
};
