#include "face/hint_window_win32.h"

HintWindow::~HintWindow() {
    if (m_hwnd) DestroyWindow(m_hwnd);
}

void HintWindow::Create(HWND owner, HINSTANCE instance, Colour background) {
    m_hwnd = CreateWindowExA(0, "STATIC", "hint", WS_POPUP | WS_BORDER, 0, 0, 40, 20, owner,
                             nullptr, instance, nullptr);
    SetBackground(background);
    m_font.Reset(CreateFontA(6, 4, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             VARIABLE_PITCH, "Helv"));
    if (m_hwnd) SendMessageA(m_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), TRUE);
}

void HintWindow::SetBackground(Colour colour) { m_brush.Reset(CreateSolidBrush(colour)); }

HBRUSH HintWindow::ColourFor(HWND control, HDC dc) const {
    if (!m_hwnd || control != m_hwnd) return nullptr;
    SetBkMode(dc, TRANSPARENT);
    return m_brush.Get();
}
