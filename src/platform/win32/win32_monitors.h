#pragma once
#include <windows.h>

#include "common/geometry.h"

// The rectangles of one monitor on the virtual screen, where the primary
// monitor's top-left is (0, 0) and a monitor left of or above it has
// negative coordinates. GetMonitorInfo fills MONITORINFO's rcMonitor (the
// monitor's whole screen) and rcWork (its work area: the screen less the
// taskbar and docked bars), both in virtual-screen coordinates:
// https://learn.microsoft.com/windows/win32/api/winuser/ns-winuser-monitorinfo
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-getmonitorinfoa
struct MonitorAreas {
    Rect screen;
    Rect work;
};

inline Rect RectOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// Without a monitor's answer, the primary screen as the system metrics give it.
inline MonitorAreas AreasOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (monitor && GetMonitorInfoA(monitor, &info)) return {RectOf(info.rcMonitor), RectOf(info.rcWork)};
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return {{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, RectOf(work)};
}

// The monitor with the largest part of the window, or the nearest one when
// the window lies on none (MONITOR_DEFAULTTONEAREST):
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-monitorfromwindow
inline MonitorAreas MonitorOfWindow(HWND window) {
    return AreasOf(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

// The monitor that holds the point, or the nearest one:
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-monitorfrompoint
inline MonitorAreas MonitorAtPoint(POINT point) {
    return AreasOf(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST));
}
