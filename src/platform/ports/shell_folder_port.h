#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

// One launchable item of a shell folder, with shortcuts resolved.
struct ShortcutItem {
    virtual ~ShortcutItem() = default;
    std::string command;          // a shortcut's target path, or the file's own full path
    std::string workingDirectory; // a shortcut's working directory; empty for other files
    std::string title;            // the shell's display name of the file in its folder
};

using ShortcutItems = std::vector<std::unique_ptr<ShortcutItem>>;

// A shortcut's parts in the order its link object gives them; a part that
// could not be read has no value (none has when the link could not be loaded).
struct ShortcutParts {
    std::optional<std::string> command, workingDirectory, title;
};

// The shell namespace as the launcher needs it: the items of one folder.
class ShellFolderPort {
public:
    virtual ~ShellFolderPort() = default;

    // Appends one item per non-folder entry of folderPath, in the shell's
    // enumeration order. Returns 1 when it ran, 0 when the shell's desktop
    // folder could not be had (then nothing is appended).
    virtual int CollectFolderItems(const std::string& folderPath, ShortcutItems& items) = 0;

    // Reads the items of each folder as CollectFolderItems does, on a thread
    // of its own and without ever showing a window of the shell's. The
    // items arrive later, on the main thread, through the main window
    // (CKeyboardFrame::OnFoldersRead), in the order of folders; nothing
    // arrives when the program ends first.
    virtual void ReadFoldersInBackground(const std::vector<std::string>& folders) = 0;
};
