#include "model/folder_list.h"

#include "model/popup_entry.h"
#include "platform/ports/profile_port.h"
#include "platform/ports/shell_folder_port.h"

std::size_t WriteFolderList(ProfilePort& profile, ShellFolderPort& shell, const std::string& folder,
                            const std::string& programListFile) {
    const char* file = programListFile.c_str();
    profile.WriteString(folder.c_str(), nullptr, nullptr, file);
    ShortcutItems items;
    shell.CollectFolderItems(folder, items); // only the items count, not the result
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ShortcutItem& item = *items[i];
        const std::string value = PopupEntry(item.title, item.command, item.workingDirectory);
        profile.WriteString(folder.c_str(), ListEntryKey(i).c_str(), value.c_str(), file);
    }
    return items.size();
}
