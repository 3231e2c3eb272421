#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/ports/shell_folder_port.h"

// A shell that knows only the folders a test gives it: it records every
// folder asked for and hands out copies of the items scripted for that path,
// in the scripted order. Unknown folders give no items, as a missing folder does.
class RecordingShellFolders : public ShellFolderPort {
public:
    struct Item {
        std::string title, command, workingDirectory;
    };

    void Script(const std::string& folderPath, std::vector<Item> items) {
        m_folders[folderPath] = std::move(items);
    }

    int CollectFolderItems(const std::string& folderPath, ShortcutItems& items) override {
        asked.push_back(folderPath);
        const auto found = m_folders.find(folderPath);
        if (found == m_folders.end()) return 1;
        for (const Item& scripted : found->second) {
            auto item = std::make_unique<ShortcutItem>();
            item->title = scripted.title;
            item->command = scripted.command;
            item->workingDirectory = scripted.workingDirectory;
            items.push_back(std::move(item));
        }
        return 1;
    }

    std::vector<std::string> asked; // every folder path asked for, in order

private:
    std::map<std::string, std::vector<Item>> m_folders;
};
