#include "app/frame_window_win32.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/keyboard_frame.h"
#include "face/image_blit_win32.h"
#include "resource_ids.h"

namespace {
constexpr char kClassName[] = "KelvaneFrame";
constexpr DWORD kFrameStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr UINT kStatusBarId = 0xE801;
constexpr UINT_PTR kClockTimer = 1;
constexpr UINT_PTR kHintTimer = 2;

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        // The line under the version carries no build stamp.
        SetDlgItemTextA(dialog, IDC_ABOUT_TIMESTAMP, "");
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        break;
    }
    return FALSE;
}
} // namespace

FrameWindow::FrameWindow(HINSTANCE instance) : m_instance(instance) {}

FrameWindow::~FrameWindow() {
    if (m_hwnd) DestroyWindow(m_hwnd);
    if (m_hbrHint) DeleteObject(m_hbrHint);
    if (m_fontHint) DeleteObject(m_fontHint);
}

bool FrameWindow::RegisterFrameClass() const {
    WNDCLASSA existing;
    if (GetClassInfoA(m_instance, kClassName, &existing)) return true;
    WNDCLASSA wc{};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = m_instance;
    wc.hIcon = LoadIconA(m_instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    wc.hCursor = LoadCursorA(m_instance, MAKEINTRESOURCEA(IDC_MAIN_CURSOR));
    if (!wc.hCursor) wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = kClassName;
    return RegisterClassA(&wc) != 0;
}

bool FrameWindow::Create(CKeyboardFrame& frame, const std::string& title, bool withMenu, int x,
                         int y) {
    m_frame = &frame;
    if (!RegisterFrameClass()) return false;
    // Place the client area's top-left at (x, y) from the start, so that the
    // moves during creation store the position the window already has.
    RECT outer{x, y, x + 1, y + 1};
    AdjustWindowRectEx(&outer, kFrameStyle, withMenu, 0);
    HMENU menu = withMenu ? LoadMenuA(m_instance, MAKEINTRESOURCEA(IDR_MAINFRAME)) : nullptr;
    CreateWindowExA(0, kClassName, title.c_str(), kFrameStyle, outer.left, outer.top,
                    outer.right - outer.left, outer.bottom - outer.top, nullptr, menu, m_instance,
                    this);
    return m_hwnd != nullptr;
}

void FrameWindow::SizeClientArea(int width, int height) {
    if (m_statusShown) height += StatusBarHeight();
    // Measured, not computed from metrics: the real frame, caption and menu bar
    // decide; a second round catches a menu bar that wraps differently.
    for (int round = 0; round < 2; ++round) {
        RECT window, client;
        GetWindowRect(m_hwnd, &window);
        GetClientRect(m_hwnd, &client);
        if (client.right == width && client.bottom == height) return;
        const int extraWidth = (window.right - window.left) - client.right;
        const int extraHeight = (window.bottom - window.top) - client.bottom;
        SetWindowPos(m_hwnd, nullptr, 0, 0, width + extraWidth, height + extraHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
}

void FrameWindow::AppendConfigurationPopup(const std::string& text) {
    HMENU system = GetSystemMenu(m_hwnd, FALSE);
    HMENU popup = LoadMenuA(m_instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    if (!system || !popup) return;
    AppendMenuA(system, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(system, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), text.c_str());
}

LRESULT CALLBACK FrameWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<FrameWindow*>(create->lpCreateParams);
        self->m_hwnd = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FrameWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

void CALLBACK FrameWindow::ClockTick(HWND status, UINT, UINT_PTR, DWORD) {
    // The locale's time representation, every second.
    char text[64];
    if (GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, sizeof text) > 0)
        SendMessageA(status, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(text));
}

void FrameWindow::CreateChildren() {
    m_status = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, m_hwnd,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kStatusBarId)),
                               m_instance, nullptr);
    m_statusShown = m_status != nullptr;
    LayoutStatusBar();
    SetTimer(m_status, kClockTimer, 1000, ClockTick);
    ClockTick(m_status, 0, 0, 0);
    SetTimer(m_hwnd, kHintTimer, 1000, nullptr);

    m_hint = CreateWindowExA(0, "STATIC", "hint", WS_POPUP | WS_BORDER, 0, 0, 40, 20, m_hwnd,
                             nullptr, m_instance, nullptr);
    m_hbrHint = CreateSolidBrush(m_frame->m_crHint);
    m_fontHint = CreateFontA(6, 4, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             VARIABLE_PITCH, "Helv");
    if (m_hint) SendMessageA(m_hint, WM_SETFONT, reinterpret_cast<WPARAM>(m_fontHint), TRUE);
}

void FrameWindow::LayoutStatusBar() {
    if (!m_status) return;
    SendMessageA(m_status, WM_SIZE, 0, 0);
    // Pane 1, the clock, is as wide as "00:00:00"; pane 0 takes the rest.
    HDC dc = GetDC(m_status);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(m_status, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32A(dc, "00:00:00", 8, &extent);
    SelectObject(dc, old);
    ReleaseDC(m_status, dc);
    RECT client;
    GetClientRect(m_hwnd, &client);
    int edges[2] = {client.right - (extent.cx + 12), -1};
    if (edges[0] < 0) edges[0] = 0;
    SendMessageA(m_status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
}

int FrameWindow::StatusBarHeight() const {
    if (!m_status) return 0;
    RECT rect;
    GetWindowRect(m_status, &rect);
    return rect.bottom - rect.top;
}

LRESULT FrameWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateChildren();
        m_frame->OnCreate();
        return 0;
    case WM_COMMAND:
        if (m_frame->OnCommand(static_cast<unsigned>(wParam), static_cast<long>(lParam))) return 0;
        if (LOWORD(wParam) == ID_APP_EXIT_CMD) {
            CloseApplication();
            return 0;
        }
        break;
    case WM_SYSCOMMAND:
        if (m_frame->OnSysCommand(static_cast<unsigned>(wParam), static_cast<long>(lParam)))
            return 0;
        break;
    case WM_INITMENU: {
        HMENU menu = reinterpret_cast<HMENU>(wParam);
        for (const auto& [id, checked] : m_frame->MenuCheckMarks())
            CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
        return 0;
    }
    case WM_MENUSELECT: {
        const UINT flags = HIWORD(wParam);
        const bool closed = flags == 0xFFFF && lParam == 0;
        const bool popup = (flags & MF_POPUP) != 0 || (flags & MF_SEPARATOR) != 0;
        SetStatusText(closed || popup ? std::string() : m_frame->MenuPrompt(LOWORD(wParam)));
        return 0;
    }
    case WM_MOVE:
        m_frame->OnMove(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_SIZE:
        m_frame->OnSize(static_cast<int>(wParam));
        LayoutStatusBar();
        return 0;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == m_hint) {
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(m_hbrHint);
        }
        break;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(LoadCursorA(m_instance, MAKEINTRESOURCEA(IDC_DRAG_ICON)));
    case WM_PAINT:
        Paint();
        return 0;
    case WM_TIMER:
        return 0;
    case WM_CLOSE:
        m_frame->OnClose();
        KillTimer(m_status, kClockTimer);
        DestroyWindow(m_hwnd);
        return 0;
    case WM_DESTROY:
        m_hwnd = nullptr;
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(m_hwnd, message, wParam, lParam);
}

void FrameWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hwnd, &ps);
    DrawImage(dc, 0, 0, m_frame->OnPaint());
    EndPaint(m_hwnd, &ps);
}

void FrameWindow::PostCommand(unsigned id, long lParam) {
    PostMessageA(m_hwnd, WM_COMMAND, id, static_cast<LPARAM>(lParam));
}

void FrameWindow::SendCommand(unsigned id, long lParam) {
    SendMessageA(m_hwnd, WM_COMMAND, id, static_cast<LPARAM>(lParam));
}

void FrameWindow::Invalidate(bool erase) { InvalidateRect(m_hwnd, nullptr, erase); }

void FrameWindow::RedrawFrameRect(const Rect& rect) {
    // Drawn at once from the current frame: a repaint would compose the face anew.
    HDC dc = GetDC(m_hwnd);
    IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    DrawImage(dc, 0, 0, m_frame->CurrentFrame());
    ReleaseDC(m_hwnd, dc);
}

void FrameWindow::SetTopmost(bool topmost) {
    HWND after = topmost ? HWND_TOPMOST : HWND_NOTOPMOST;
    // Wine places an owner right below the popups it owns instead of among the
    // topmost windows, so the hint window lets go of its owner for the move;
    // then it takes the same state, as Windows gives owned windows.
    if (m_hint) SetWindowLongPtrA(m_hint, GWLP_HWNDPARENT, 0);
    SetWindowPos(m_hwnd, after, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    if (!m_hint) return;
    SetWindowLongPtrA(m_hint, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(m_hwnd));
    SetWindowPos(m_hint, after, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

bool FrameWindow::IsMinimized() const { return IsIconic(m_hwnd) != FALSE; }

void FrameWindow::AcceptDroppedFiles(bool accept) { DragAcceptFiles(m_hwnd, accept); }

void FrameWindow::SetStatusText(const std::string& text) {
    if (m_status)
        SendMessageA(m_status, SB_SETTEXTA, 0 | SBT_POPOUT, reinterpret_cast<LPARAM>(text.c_str()));
}

void FrameWindow::ShowStatusBar(bool show) {
    if (!m_status) return;
    ShowWindow(m_status, show ? SW_SHOW : SW_HIDE);
    m_statusShown = show;
}

void FrameWindow::SetHintBackground(Colour colour) {
    if (m_hbrHint) DeleteObject(m_hbrHint);
    m_hbrHint = CreateSolidBrush(colour);
}

void FrameWindow::ShowAboutBox() {
    DialogBoxParamA(m_instance, MAKEINTRESOURCEA(IDD_ABOUTBOX), m_hwnd, AboutProc, 0);
}

int FrameWindow::ShowMessage(const std::string& text, const std::string& caption, unsigned flags) {
    return MessageBoxA(m_hwnd, text.c_str(), caption.c_str(), flags);
}

std::string FrameWindow::ApplicationName() const {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, length < MAX_PATH ? length : 0);
    const auto slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

void FrameWindow::CloseApplication() { SendMessageA(m_hwnd, WM_CLOSE, 0, 0); }
