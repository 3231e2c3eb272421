#pragma once
#include <windows.h>

#include <string>

#include "face/face_scale.h"
#include "platform/ports/popup_menu_port.h"
#include "platform/win32/gdi_handles.h"

// The popup list as a cascade of native popup menus. The first begins with
// an owner-drawn header, the Fn key picture and the key's label, which the
// main window's WM_MEASUREITEM and WM_DRAWITEM reach through this object.
class PopupMenuWin32 : public PopupMenuPort {
public:
    explicit PopupMenuWin32(HINSTANCE instance) : m_instance(instance) {}
    void SetOwner(HWND owner) { m_owner = owner; }
    // The header's picture and its margins are drawn at the face's multiple.
    void SetScale(FaceScale scale) { m_scale = scale; }

    PointerOnScreen Pointer() override;
    void Track(const PopupMenuCascade& menus, const std::string& header,
               const std::string& moreText, int x, int y, bool rightAlign) override;
    // True when the item was the header.
    bool MeasureItem(MEASUREITEMSTRUCT& item);
    bool DrawItem(const DRAWITEMSTRUCT& item);

private:
    HINSTANCE m_instance;
    HWND m_owner = nullptr;
    GdiObject<HBITMAP> m_bitmap; // "fnkey", while a menu is tracked
    BITMAP m_size{};
    std::string m_title; // the key's label
    FaceScale m_scale;
};
