#pragma once
#include <windows.h>

#include "face/face_scale.h"
#include "platform/win32/gdi_handles.h"

// The DPI a window is drawn at. The process is per-monitor aware (the
// manifest's dpiAwareness), so on Windows 10 1607 and later that is the DPI of
// the monitor holding the window (GetDpiForWindow,
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-getdpiforwindow);
// older systems lack the call and run the process system aware (the
// manifest's dpiAware), every window at the screen's DPI. Under per-monitor
// version 2 the system scales a window's frame and, moved to another DPI,
// its dialogs with their controls; owner-drawn pictures are ours to scale:
// https://learn.microsoft.com/windows/win32/hidpi/high-dpi-desktop-application-development-on-windows
inline unsigned WindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(window)) return dpi;
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<unsigned>(dpi) : FaceScale::kFaceDpi;
}

// The whole multiple the window's pictures are drawn at.
inline FaceScale ScaleOfWindow(HWND window) { return FaceScale::ForDpi(WindowDpi(window)); }

// Copies the w x h part of the bitmap from its row sourceTop to (x, y) of
// dc, each of its pixels a block of multiple x multiple: COLORONCOLOR
// stretches by repeating pixels, never blending them, so pixel art stays sharp.
// https://learn.microsoft.com/windows/win32/api/wingdi/nf-wingdi-setstretchbltmode
inline void DrawBitmapScaled(HDC dc, int x, int y, HBITMAP bitmap, int w, int h, int multiple,
                             int sourceTop = 0) {
    MemoryDC memory(dc);
    if (!memory.Get()) return;
    SelectedObject picture(memory.Get(), bitmap);
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, x, y, w * multiple, h * multiple, memory.Get(), 0, sourceTop, w, h, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
}
