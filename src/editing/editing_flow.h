#pragma once
#include <string>

class AssignmentStore;
class NestedRuns;
class DialogPort;
class KeyTable;
class ProfilePort;
class Settings;
class ShellFolderPort;
class StringTable;
class WindowPort;
struct FaceKey;

// The editing of one key's assignment: the type question, the command
// dialog or the folder chosen for a popup list, the confirmation before an
// assigned key is overwritten, then the key stored and every assignment saved.
// It starts only while nothing else runs (the dialogs pump messages, so a
// request can arrive while one is open), and a close that arrives while a
// dialog is open cancels the edit.
class EditingFlow {
public:
    struct Ports {
        DialogPort& dialogs;
        ProfilePort& profile;
        ShellFolderPort& shell;
        const StringTable& strings;
        WindowPort& window;
    };
    EditingFlow(const Ports& ports, Settings& settings, KeyTable& keys, AssignmentStore& store,
                NestedRuns& runs)
        : m_ports(ports), m_settings(settings), m_keys(keys), m_store(store), m_runs(runs) {}

    // fromDrop: a file dropped on the key gave the three texts; the type
    // question is skipped and the confirmation always asked.
    void EditKeyAssignment(FaceKey& key, const std::string& command, const std::string& directory,
                           const std::string& description, bool fromDrop);

private:
    struct Values {
        std::string command, directory, description;
        bool switchTo = true;
    };
    enum class Next { Store, Stop };

    Next Choose(const FaceKey& key, int choice, bool fromDrop, Values& values);
    Next EditCommand(const FaceKey& key, bool fromDrop, Values& values);
    void ListFolder(Values& values);
    bool Confirmed(const FaceKey& key, const Values& values);
    void Store(FaceKey& key, const Values& values);
    std::string Shown(const std::string& command) const;

    Ports m_ports;
    Settings& m_settings;
    KeyTable& m_keys;
    AssignmentStore& m_store;
    NestedRuns& m_runs;
};
