#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/ports/shell_folder_port.h"

// A shell that knows only the folders a test gives it: it hands out copies
// of the items scripted for each path, in order. Unknown folders give no items, as a missing folder does.
class RecordingShellFolders : public ShellFolderPort {
public:
    struct Item {
        std::string title, command, workingDirectory;
    };

    int CollectFolderItems(const std::string& folderPath, ShortcutItems& items) override {
        for (const Item& scripted : folders[folderPath]) {
            items.push_back(std::make_unique<ShortcutItem>());
            items.back()->title = scripted.title;
            items.back()->command = scripted.command;
            items.back()->workingDirectory = scripted.workingDirectory;
        }
        return 1;
    }

    // Records the folders; a test hands the frame what they gave with Read().
    void ReadFoldersInBackground(const std::vector<std::string>& folderPaths) override {
        inBackground = folderPaths;
    }
    std::vector<ShortcutItems> Read() {
        std::vector<ShortcutItems> read(inBackground.size());
        for (std::size_t i = 0; i < inBackground.size(); ++i) CollectFolderItems(inBackground[i], read[i]);
        return read;
    }

    std::map<std::string, std::vector<Item>> folders; // the items of each folder path
    std::vector<std::string> inBackground;            // the folders last asked for in the background
};
