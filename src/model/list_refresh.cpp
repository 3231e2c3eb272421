#include "model/list_refresh.h"

#include <utility>

#include "model/folder_list.h"
#include "model/settings.h"

void ListRefresh::Start(std::vector<std::string> folders) {
    m_folders = std::move(folders);
    if (!m_folders.empty()) m_shell.ReadFoldersInBackground(m_folders);
}

void ListRefresh::Arrived(std::vector<ShortcutItems> items) {
    m_items = std::move(items);
    m_arrived = true;
}

void ListRefresh::WritePending() {
    if (!m_arrived) return;
    m_arrived = false;
    std::vector<FolderList> lists;
    for (std::size_t i = 0; i < m_folders.size() && i < m_items.size(); ++i)
        lists.push_back(MakeFolderList(m_folders[i], m_items[i]));
    m_items.clear();
    WriteFolderLists(m_profile, lists, m_settings.PrgFile());
}
