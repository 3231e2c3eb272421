#include "model/folder_list.h"

#include <algorithm>

#include "common/ascii_case.h"
#include "common/value_limit.h"
#include "model/popup_entry.h"
#include "model/profile_section.h"
#include "platform/ports/profile_port.h"

namespace {
// Writing a list anew moves its section to the end, so of a folder listed
// twice only the last writing counts.
std::vector<const FolderList*> LastOfEachFolder(const std::vector<FolderList>& lists) {
    std::vector<const FolderList*> last;
    for (std::size_t i = 0; i < lists.size(); ++i) {
        const bool laterAgain = std::any_of(lists.begin() + static_cast<std::ptrdiff_t>(i) + 1, lists.end(),
                                            [&](const FolderList& later) { return SameIgnoringAsciiCase(later.folder, lists[i].folder); });
        if (!laterAgain) last.push_back(&lists[i]);
    }
    return last;
}

bool FileHolds(ProfilePort& profile, const std::vector<const FolderList*>& lists, const char* file) {
    const std::vector<std::string> names = ReadSectionNames(profile, file);
    std::vector<std::string> expectedTail;
    for (const FolderList* list : lists) {
        const bool present = std::any_of(names.begin(), names.end(),
                                         [&](const std::string& name) { return SameIgnoringAsciiCase(name, list->folder); });
        if (list->lines.empty() && present) return false;
        if (!list->lines.empty()) expectedTail.push_back(list->folder);
    }
    if (expectedTail.size() > names.size() ||
        !std::equal(expectedTail.begin(), expectedTail.end(), names.end() - static_cast<std::ptrdiff_t>(expectedTail.size())))
        return false;
    return std::all_of(lists.begin(), lists.end(), [&](const FolderList* list) {
        return list->lines.empty() ||
               ReadProfileSection(profile, list->folder.c_str(), file).SameLines(ProfileSection(list->lines));
    });
}
} // namespace

FolderList MakeFolderList(const std::string& folder, const ShortcutItems& items) {
    FolderList list{folder, {}};
    std::size_t position = 0;
    for (const auto& item : items) {
        const std::string entry = PopupEntry(item->title, item->command, item->workingDirectory);
        // A longer item is left out rather than cut: cut, it would start
        // something else, or in another directory.
        if (!FitsValueLimit(entry)) continue;
        list.lines += ListEntryKey(position++) + '=' + entry;
        list.lines += '\0';
    }
    return list;
}

void WriteFolderList(ProfilePort& profile, const FolderList& list, const std::string& programListFile) {
    const char* file = programListFile.c_str();
    profile.WriteString(list.folder.c_str(), nullptr, nullptr, file);
    if (!list.lines.empty()) profile.WriteSection(list.folder.c_str(), list.lines.c_str(), file);
}

std::size_t WriteFolderList(ProfilePort& profile, ShellFolderPort& shell, const std::string& folder,
                            const std::string& programListFile) {
    ShortcutItems items;
    shell.CollectFolderItems(folder, items); // only the items count, not the result
    const FolderList list = MakeFolderList(folder, items);
    WriteFolderList(profile, list, programListFile);
    return static_cast<std::size_t>(std::count(list.lines.begin(), list.lines.end(), '\0'));
}

bool WriteFolderLists(ProfilePort& profile, const std::vector<FolderList>& lists,
                      const std::string& programListFile) {
    const std::vector<const FolderList*> last = LastOfEachFolder(lists);
    if (FileHolds(profile, last, programListFile.c_str())) return false;
    for (const FolderList* list : last) WriteFolderList(profile, *list, programListFile);
    return true;
}
