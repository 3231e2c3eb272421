#include "launch/popup_menu_win32.h"

#include <vector>

#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_monitors.h"

namespace {
// Marks the header item among the owner-drawn items the window is asked about.
constexpr ULONG_PTR kHeaderTag = 0x4B4C5601;
} // namespace

// The menu opens at the pointer, and the system shows a menu on one monitor,
// a context menu on the one where it was asked for ("Positioning Objects on
// Multiple Display Monitors", https://learn.microsoft.com/windows/win32/gdi/
// positioning-objects-on-multiple-display-monitors), over that monitor's
// whole screen, taskbar included. So the halves are those
// of the monitor holding the pointer (rcMonitor), wherever the main window
// is: a hotkey report opens the list where the pointer is. On the primary
// monitor rcMonitor is 0, 0, SM_CXSCREEN, SM_CYSCREEN.
PointerOnScreen PopupMenuWin32::Pointer() {
    POINT pointer{};
    GetCursorPos(&pointer);
    return {pointer.x, pointer.y, MonitorAtPoint(pointer).screen};
}

void PopupMenuWin32::Track(const PopupMenuCascade& menus, const std::string& header,
                           const std::string& moreText, int x, int y, bool rightAlign) {
    HWND owner = m_owner;
    m_title = header;
    std::vector<HMENU> handles;
    for (const auto& items : menus) {
        HMENU menu = CreatePopupMenu();
        if (handles.empty()) {
            AppendMenuA(menu, MF_OWNERDRAW, 0, reinterpret_cast<LPCSTR>(kHeaderTag));
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        }
        for (const PopupMenuItem& item : items) AppendMenuA(menu, MF_STRING, item.command, item.title.c_str());
        handles.push_back(menu);
    }
    // Each menu but the last ends with "More...!", opening the next.
    for (std::size_t i = handles.size(); i-- > 1;)
        AppendMenuA(handles[i - 1], MF_POPUP, reinterpret_cast<UINT_PTR>(handles[i]), moreText.c_str());

    BringWindowToTop(owner);
    // A menu closes when the user clicks elsewhere only while its owner is the
    // foreground window, and that is what lets it take the keyboard too.
    SetForegroundWindow(owner);
    HWND hadFocus = SetFocus(owner);
    TrackPopupMenu(handles.front(), rightAlign ? TPM_RIGHTALIGN : TPM_CENTERALIGN, x, y, 0, owner,
                   nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
    if (hadFocus) SetFocus(hadFocus);
    DestroyMenu(handles.front()); // the submenus go with it
    m_bitmap.Reset();
}

bool PopupMenuWin32::MeasureItem(MEASUREITEMSTRUCT& item) {
    if (item.CtlType != ODT_MENU || item.itemData != kHeaderTag) return false;
    m_bitmap.Reset(LoadBitmapA(m_instance, "fnkey"));
    m_size = BITMAP{};
    if (m_bitmap.Get()) GetObjectA(m_bitmap.Get(), sizeof m_size, &m_size);
    item.itemWidth = static_cast<UINT>(m_scale.ToWindow(3 * m_size.bmWidth));
    item.itemHeight = static_cast<UINT>(m_scale.ToWindow(m_size.bmHeight + 5));
    return true;
}

bool PopupMenuWin32::DrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_MENU || item.itemData != kHeaderTag) return false;
    if (!(item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) return true;
    const RECT& r = item.rcItem;
    // The picture's size and margins in window pixels.
    const int w = m_scale.ToWindow(m_size.bmWidth), h = m_scale.ToWindow(m_size.bmHeight);
    const int gap = m_scale.ToWindow(5);
    const int x0 = r.left + w / 2, y0 = r.top + (r.bottom - r.top - h) / 2;
    HDC dc = item.hDC;
    if (m_bitmap.Get())
        DrawBitmapScaled(dc, x0, y0, m_bitmap.Get(), m_size.bmWidth, m_size.bmHeight, m_scale.Multiple());
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const COLORREF text = selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : GetTextColor(dc);
    const COLORREF back = selected ? GetSysColor(COLOR_HIGHLIGHT) : GetBkColor(dc);
    const COLORREF oldText = SetTextColor(dc, text), oldBack = SetBkColor(dc, back);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    RECT clip = r;
    clip.left = r.left + (3 * w) / 2 + gap;
    ExtTextOutA(dc, x0 + w + gap, y0 + h / 2 - metrics.tmHeight / 2, ETO_OPAQUE | ETO_CLIPPED, &clip,
                m_title.c_str(), static_cast<UINT>(m_title.size()), nullptr);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBack);
    return true;
}
