#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/ports/shell_folder_port.h"

// A shell that knows only the folders a test gives it: it records every
// folder asked for and hands out copies of the items scripted for that path,
// in order. Unknown folders give no items, as a missing folder does.
class RecordingShellFolders : public ShellFolderPort {
public:
    struct Item {
        std::string title, command, workingDirectory;
    };

    int CollectFolderItems(const std::string& folderPath, ShortcutItems& items) override {
        asked.push_back(folderPath);
        for (const Item& scripted : folders[folderPath]) {
            items.push_back(std::make_unique<ShortcutItem>());
            items.back()->title = scripted.title;
            items.back()->command = scripted.command;
            items.back()->workingDirectory = scripted.workingDirectory;
        }
        return 1;
    }

    std::map<std::string, std::vector<Item>> folders; // the items of each folder path
    std::vector<std::string> asked;                   // every folder path asked for, in order
};
