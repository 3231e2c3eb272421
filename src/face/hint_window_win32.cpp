#include "face/hint_window_win32.h"

#include "platform/win32/win32_monitors.h"

HintWindow::~HintWindow() {
    if (m_hwnd) DestroyWindow(m_hwnd);
}

void HintWindow::Create(HWND owner, HINSTANCE instance, Colour background) {
    m_owner = owner;
    m_hwnd = CreateWindowExA(0, "STATIC", "hint", WS_POPUP | WS_BORDER, 0, 0, 40, 20, owner,
                             nullptr, instance, nullptr);
    SetBackground(background); // the font comes with SetScale
}

// The font is 6 by 4 face pixels. The window lets go of the old one before it is deleted.
void HintWindow::SetScale(FaceScale scale) {
    m_scale = scale;
    HFONT font = CreateFontA(scale.ToWindow(6), scale.ToWindow(4), 0, 0, FW_NORMAL, FALSE, FALSE,
                             FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, VARIABLE_PITCH, "Helv");
    if (m_hwnd) SendMessageA(m_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    m_font.Reset(font);
}

void HintWindow::SetBackground(Colour colour) { m_brush.Reset(CreateSolidBrush(colour)); }

HBRUSH HintWindow::ColourFor(HWND control, HDC dc) const {
    if (!m_hwnd || control != m_hwnd) return nullptr;
    SetBkMode(dc, TRANSPARENT);
    return m_brush.Get();
}

namespace {
bool PointerIn(RECT rect) {
    POINT pointer{};
    return GetCursorPos(&pointer) && PtInRect(&rect, pointer);
}
} // namespace

bool HintWindow::PointerInWindow() {
    RECT window{};
    GetWindowRect(m_owner, &window);
    return PointerIn(window);
}

bool HintWindow::PointerInClientArea() {
    RECT client{};
    GetClientRect(m_owner, &client);
    MapWindowPoints(m_owner, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return PointerIn(client);
}

bool HintWindow::IsActiveWindow() { return GetActiveWindow() == m_owner; }

HintPort::Size HintWindow::MeasureHint(const std::string& text) {
    ClientDC dc(m_hwnd);
    SelectedObject font(dc.Get(), m_font.Get());
    SIZE extent{};
    GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return {extent.cx, extent.cy};
}

HintPort::Point HintWindow::ClientToScreen(Point client) {
    POINT point{m_scale.ToWindow(client.x), m_scale.ToWindow(client.y)};
    ::ClientToScreen(m_owner, &point);
    return {point.x, point.y};
}

// The hint's thirds were once the primary screen's (SM_CXSCREEN); the
// hint goes by the monitor holding the main window, its whole screen
// (rcMonitor), which on the primary monitor is 0, 0, SM_CXSCREEN, SM_CYSCREEN.
Rect HintWindow::MonitorArea() { return MonitorOfWindow(m_owner).screen; }

void HintWindow::ShowHintAt(const std::string& text, int x, int y, int w, int h) {
    SetWindowTextA(m_hwnd, text.c_str());
    MoveWindow(m_hwnd, x, y, w, h, TRUE);
    ShowWindow(m_hwnd, SW_SHOWNA);
}

void HintWindow::HideHint() { ShowWindow(m_hwnd, SW_HIDE); }
