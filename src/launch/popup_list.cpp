#include "launch/popup_list.h"

#include <cstdint>

#include "common/resource_ids.h"
#include "common/string_ids.h"
#include "launch/launcher.h"
#include "model/face_key.h"
#include "model/profile_section_array.h"
#include "model/settings.h"
#include "platform/ports/string_table.h"
#include "platform/ports/window_port.h"

namespace {
constexpr std::size_t kItemsPerMenu = 12;
} // namespace

std::string PopupMenuTitle(const std::string& item) {
    const std::size_t open = item.rfind('(');
    if (open == std::string::npos) return item;
    return item.substr(0, open == 0 ? 0 : open - 1);
}

PopupMenuCascade BuildPopupCascade(const std::vector<std::string>& items, bool pointerInLowerHalf) {
    PopupMenuCascade menus;
    std::size_t count = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (count % kItemsPerMenu == 0) menus.emplace_back();
        menus.back().push_back({PopupMenuTitle(items[i]), ID_POPUP_FIRST + static_cast<unsigned>(i)});
        // Low on the screen a long first menu would run off it: it ends after two items.
        if (i == 1 && count == 1 && pointerInLowerHalf) count = kItemsPerMenu - 1;
        ++count;
    }
    return menus;
}

PopupPlacement PlacePopup(const PointerOnScreen& pointer) {
    // With the monitor at the origin these are the single screen's y > 2 * H / 4 and x >= W / 2.
    const Rect& m = pointer.monitor;
    const std::int64_t width = std::int64_t{m.right} - m.left, height = std::int64_t{m.bottom} - m.top;
    return {std::int64_t{pointer.y} - m.top > 2 * height / 4, std::int64_t{pointer.x} - m.left >= width / 2};
}

std::vector<std::string> PopupList::ReadList() const {
    return CProfileSectionArray(m_profile, m_strPopupName.c_str(), m_settings.PrgFile().c_str());
}

void PopupList::ShowPopupList(const std::string& command, const FaceKey& key) {
    m_strPopupName = !command.empty() && command[0] == '@' ? command.substr(1) : command;
    m_pPopupKey = &key;
    const std::vector<std::string> items = ReadList();
    if (items.empty()) {
        m_launcher.ShowErrorMessage(IDS_EMPTY_GROUP);
        return;
    }
    const PointerOnScreen pointer = m_menus.Pointer();
    const PopupPlacement place = PlacePopup(pointer);
    const PopupMenuCascade menus = BuildPopupCascade(items, place.lowerHalf);
    const bool wasMinimized = m_window.IsMinimized();
    m_bMenuShowing = true;
    m_menus.Track(menus, key.m_strLabel, m_strings.Get(IDS_MORE_ITEMS), pointer.x, pointer.y,
                  place.rightAlign);
    m_bMenuShowing = false;
    if (wasMinimized) m_window.ShowWindowState(ShowState::ShowMinimized);
}

void PopupList::LaunchItem(unsigned index) {
    const std::vector<std::string> items = ReadList();
    if (index >= items.size()) return;
    m_launcher.LaunchCommand(items[index], m_pPopupKey ? &m_pPopupKey->m_strDirectory : nullptr);
}
