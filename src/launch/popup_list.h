#pragma once
#include <string>
#include <vector>

#include "platform/ports/popup_menu_port.h"

struct FaceKey;
class Launcher;
class ProfilePort;
class Settings;
class StringTable;
class WindowPort;

// The menu title of a list item: the text before the blank that stands
// before its last "("; the whole text when it has no "(".
std::string PopupMenuTitle(const std::string& item);

// The cascade of a list: items numbered from command 800, twelve to a menu;
// with the pointer in the lower half of the screen the first menu holds only
// the first two.
PopupMenuCascade BuildPopupCascade(const std::vector<std::string>& items, bool pointerInLowerHalf);

// Where on its monitor the pointer opens a popup list: in the lower half (the
// first menu short), in the right half (the menu right-aligned at it), each
// half counted from the monitor's own left and top edges.
struct PopupPlacement {
    bool lowerHalf = false, rightAlign = false;
};
PopupPlacement PlacePopup(const PointerOnScreen& pointer);

// A key's popup list: shown as a cascade of menus at the pointer, its chosen
// item started with the key's directory.
class PopupList {
public:
    PopupList(ProfilePort& profile, PopupMenuPort& menus, WindowPort& window, Launcher& launcher,
              const Settings& settings, const StringTable& strings)
        : m_profile(profile), m_menus(menus), m_window(window), m_launcher(launcher),
          m_settings(settings), m_strings(strings) {}

    // command is "@" and the list's name.
    void ShowPopupList(const std::string& command, const FaceKey& key);
    // Command 800 + index: the item at index of the list shown last, read
    // anew; nothing when the list has no such item now.
    void LaunchItem(unsigned index);
    bool MenuShowing() const { return m_bMenuShowing; }
    void Forget() { m_pPopupKey = nullptr; } // the keys are going away

private:
    std::vector<std::string> ReadList() const;

    ProfilePort& m_profile;
    PopupMenuPort& m_menus;
    WindowPort& m_window;
    Launcher& m_launcher;
    const Settings& m_settings;
    const StringTable& m_strings;
    std::string m_strPopupName;
    const FaceKey* m_pPopupKey = nullptr;
    bool m_bMenuShowing = false;
};
