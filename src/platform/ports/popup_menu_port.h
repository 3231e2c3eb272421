#pragma once
#include <string>
#include <vector>

#include "common/geometry.h"

// One menu of a popup list's cascade: its items, then (but for the last
// menu) a "More...!" item opening the next menu. The first menu begins with
// the header (the Fn key picture and the key's label) and a separator.
struct PopupMenuItem {
    std::string title; // "&" marks the mnemonic, as in every menu
    unsigned command = 0;
    bool operator==(const PopupMenuItem& o) const { return title == o.title && command == o.command; }
};
using PopupMenuCascade = std::vector<std::vector<PopupMenuItem>>;

// Where the pointer is, for placing a popup menu, and the screen of the
// monitor that holds it, where the menu opens (the primary one's is 0, 0,
// SM_CXSCREEN, SM_CYSCREEN).
struct PointerOnScreen {
    int x = 0, y = 0;
    Rect monitor;
};

// The platform's popup menus, owned by the main window.
class PopupMenuPort {
public:
    virtual ~PopupMenuPort() = default;
    virtual PointerOnScreen Pointer() = 0;
    // Shows the cascade at (x, y), its right edge there or centred on x, and
    // returns when it closes; a chosen item arrives later as a posted command.
    // The main window comes to the top with the keyboard focus for it, and the
    // focus goes back to the window that had it.
    virtual void Track(const PopupMenuCascade& menus, const std::string& header,
                       const std::string& moreText, int x, int y, bool rightAlign) = 0;
};
