#include "app/frame_window_win32.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/keyboard_frame.h"
#include "common/resource_ids.h"
#include "face/image_blit_win32.h"
#include "launch/key_request.h"
#include "platform/win32/modal_dialog.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_monitors.h"
#include "platform/win32/win32_shell_folders.h"
#include "platform/win32/win32_text.h"

// The hotkey service's message, registered before the window exists and
// accepted whenever it does, visible or not.
const UINT WM_QSERVICE_HOTKEY = RegisterWindowMessageA("WM_QSERVICE_HOTKEY");

namespace {
constexpr char kClassName[] = "KelvaneFrame";
constexpr DWORD kFrameStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr UINT kStatusBarId = 0xE801;
constexpr UINT_PTR kClockTimer = 1;
constexpr UINT_PTR kHintTimer = 2;

// A request on a key, posted by the window to itself: wParam the key's
// character, lParam the request code. Not WM_CHAR, which the system passes
// through the ANSI code page: key characters from 0x80 (the virtual-key
// codes of + - ~ { | } ') are lead bytes under the double-byte code pages
// and UTF-8, and are held back until a next byte arrives.
constexpr UINT WM_KEY_REQUEST = WM_APP + 2; // WM_APP + 1: WM_FOLDERS_READ

// The About box; the line under the version carries no build stamp.
class AboutBox : public ModalDialog {
    void OnInit(HWND dialog) override { SetDlgItemTextA(dialog, IDC_ABOUT_TIMESTAMP, ""); }
};
} // namespace

bool FrameWindow::Create(CKeyboardFrame& frame, const std::string& title, bool withMenu, int x,
                         int y) {
    m_frame = &frame;
    WNDCLASSA wc{};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.hInstance = m_instance;
    wc.hIcon = LoadIconA(m_instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    wc.hCursor = LoadCursorA(m_instance, MAKEINTRESOURCEA(IDC_MAIN_CURSOR));
    if (!wc.hCursor) wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    if (!Register(wc, kClassName)) return false;
    // Place the client area's top-left at (x, y) from the start, so that the
    // moves during creation store the position the window already has.
    RECT outer{x, y, x + 1, y + 1};
    AdjustWindowRectEx(&outer, kFrameStyle, withMenu, 0);
    HMENU menu = withMenu ? LoadMenuA(m_instance, MAKEINTRESOURCEA(IDR_MAINFRAME)) : nullptr;
    return WindowBase::Create(0, kClassName, title.c_str(), kFrameStyle, outer.left, outer.top,
                              outer.right - outer.left, outer.bottom - outer.top, nullptr, menu,
                              m_instance);
}

void FrameWindow::SizeClientArea(int faceWidth, int faceHeight) {
    m_faceWidth = faceWidth;
    m_faceHeight = faceHeight;
    const int width = m_scale.ToWindow(faceWidth);
    int height = m_scale.ToWindow(faceHeight);
    if (m_statusShown) height += StatusBarHeight();
    // First as the style's frame and a one-line menu bar give it; then
    // measured: the real frame, caption and menu bar decide, and a menu bar
    // that wraps needs another round.
    RECT outer{0, 0, width, height};
    AdjustWindowRectEx(&outer, kFrameStyle, GetMenu(Handle()) != nullptr, 0);
    SetWindowPos(Handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    for (int round = 0; round < 2; ++round) {
        RECT window, client;
        GetWindowRect(Handle(), &window);
        GetClientRect(Handle(), &client);
        if (client.right == width && client.bottom == height) return;
        const int extraWidth = (window.right - window.left) - client.right;
        const int extraHeight = (window.bottom - window.top) - client.bottom;
        SetWindowPos(Handle(), nullptr, 0, 0, width + extraWidth, height + extraHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
}

void FrameWindow::Show(bool minimized) {
    // No paint yet: the keys and their assignments are loaded after this, and
    // the first paint, from the message loop, shows them.
    ShowWindow(Handle(), minimized ? SW_SHOWMINIMIZED : m_showCommand);
}

void FrameWindow::AppendConfigurationPopup(const std::string& text) {
    HMENU system = GetSystemMenu(Handle(), FALSE);
    HMENU popup = LoadMenuA(m_instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    if (!system || !popup) return;
    AppendMenuA(system, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(system, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), text.c_str());
}

void CALLBACK FrameWindow::ClockTick(HWND status, UINT, UINT_PTR, DWORD) {
    // The locale's time representation, every second.
    char text[64];
    if (GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, sizeof text) > 0)
        SendMessageA(status, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(text));
}

// User Interface Privilege Isolation keeps a process of a lower integrity
// level from sending or posting most messages to a window of a higher one:
// run elevated, Kelvane would lose the reports of a hotkey service running at
// the user's normal level, and the files dropped from Explorer, whose
// WM_DROPFILES travels with WM_COPYGLOBALDATA (0x0049). The window lets these
// through its own message filter (Windows 7 and later; without elevation the
// filter changes nothing):
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-changewindowmessagefilterex
// https://learn.microsoft.com/windows/win32/winauto/uiauto-securityoverview (UIPI)
void FrameWindow::AllowMessagesFromLowerLevels() {
    constexpr UINT kCopyGlobalData = 0x0049;
    for (UINT message : {WM_QSERVICE_HOTKEY, UINT{WM_DROPFILES}, UINT{WM_COPYDATA}, kCopyGlobalData})
        if (message) ChangeWindowMessageFilterEx(Handle(), message, MSGFLT_ALLOW, nullptr);
}

void FrameWindow::CreateChildren() {
    AllowMessagesFromLowerLevels();
    SetTimer(Handle(), kHintTimer, 1000, nullptr);

    m_hint.Create(Handle(), m_instance, m_frame->GetSettings().Get(ColourSetting::Hint));
    m_menus.SetOwner(Handle());
}

// The status bar, with its clock timer, is made the first time it is shown:
// until then nothing shows it, and the common controls it needs would be
// the largest part of the program's memory at start-up.
void FrameWindow::CreateStatusBar() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    m_status = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD, 0, 0, 0, 0, Handle(),
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kStatusBarId)),
                               m_instance, nullptr);
    if (m_status) SetTimer(m_status, kClockTimer, 1000, ClockTick);
}

void FrameWindow::LayoutStatusBar() {
    if (!m_status || !m_statusShown) return;
    SendMessageA(m_status, WM_SIZE, 0, 0);
    // Pane 1, the clock, is as wide as "00:00:00"; pane 0 takes the rest.
    SIZE extent{};
    {
        ClientDC dc(m_status);
        SelectedObject font(dc.Get(), reinterpret_cast<HFONT>(SendMessageA(m_status, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32A(dc.Get(), "00:00:00", 8, &extent);
    }
    RECT client;
    GetClientRect(Handle(), &client);
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

// Keys, the mouse, the hint's tick and the popup menu's header.
bool FrameWindow::HandleInput(UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = m_scale.ToFace(static_cast<short>(LOWORD(lParam)));
    const int y = m_scale.ToFace(static_cast<short>(HIWORD(lParam)));
    if (message == WM_QSERVICE_HOTKEY) {
        m_frame->OnHotkey(static_cast<unsigned>(wParam), static_cast<long>(lParam));
        return true;
    }
    switch (message) {
    case WM_CHAR: // typed on the window: shows the key's text
        m_frame->OnChar(static_cast<unsigned>(wParam), LOWORD(lParam), HIWORD(lParam));
        return true;
    case WM_KEY_REQUEST:
        m_frame->OnChar(static_cast<unsigned>(wParam), static_cast<unsigned>(lParam), 0);
        return true;
    case WM_MOUSEMOVE:
        m_frame->OnMouseMove(x, y);
        return true;
    case WM_LBUTTONDOWN:
        m_frame->OnLButtonDown(x, y);
        return true;
    case WM_LBUTTONUP:
        m_frame->OnLButtonUp(x, y);
        return true;
    case WM_RBUTTONUP:
        m_frame->OnRButtonUp(x, y);
        return true;
    case WM_RBUTTONDOWN:
    case WM_LBUTTONDBLCLK: // the second press of a double click runs nothing
    case WM_RBUTTONDBLCLK:
        return true;
    case WM_TIMER:
        m_frame->OnTimer();
        return true;
    case WM_MEASUREITEM:
        return m_menus.MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_DRAWITEM:
        return m_menus.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    }
    return false;
}

LRESULT FrameWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_frame && HandleInput(message, wParam, lParam)) return message == WM_MEASUREITEM || message == WM_DRAWITEM;
    switch (message) {
    case WM_CREATE:
        m_scale = ScaleOfWindow(Handle());
        CreateChildren();
        ApplyScale(m_scale);
        m_frame->OnCreate();
        return 0;
    case WM_COMMAND: {
        // A dialog's Help comes with the dialog (modal_dialog.h): the box it
        // brings up is owned by that dialog, so the dialog waits for it.
        HWND asking = reinterpret_cast<HWND>(lParam);
        m_messageOwner = LOWORD(wParam) == IDC_HELP_BUTTON && IsWindow(asking) ? asking : nullptr;
        const bool handled =
            m_frame->OnCommand(static_cast<unsigned>(wParam), static_cast<long>(lParam));
        m_messageOwner = nullptr;
        if (handled) return 0;
        if (LOWORD(wParam) == ID_APP_EXIT_CMD) {
            CloseApplication();
            return 0;
        }
        break;
    }
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
        if (HBRUSH brush = m_hint.ColourFor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_DROPFILES: {
        // Only the first file counts, its path whole: asked for in wide
        // characters, as many as it has, and taken into the program's code page.
        HDROP drop = reinterpret_cast<HDROP>(wParam);
        POINT at{};
        DragQueryPoint(drop, &at);
        std::vector<wchar_t> path(DragQueryFileW(drop, 0, nullptr, 0) + 1, L'\0');
        DragQueryFileW(drop, 0, path.data(), static_cast<UINT>(path.size()));
        m_frame->OnDropFiles(m_scale.ToFace(at.x), m_scale.ToFace(at.y), NarrowFrom(path.data()));
        DragFinish(drop);
        return 0;
    }
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(LoadCursorA(m_instance, MAKEINTRESOURCEA(IDC_DRAG_ICON)));
    case WM_PAINT: {
        PaintDC dc(Handle());
        DrawImage(dc.Get(), m_frame->OnPaint(), m_scale.Multiple());
        return 0;
    }
    case WM_DPICHANGED:
        OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_FOLDERS_READ: {
        std::unique_ptr<std::vector<ShortcutItems>> items(reinterpret_cast<std::vector<ShortcutItems>*>(lParam));
        m_frame->OnFoldersRead(std::move(*items));
        return 0;
    }
    case WM_ENDSESSION:
        // The session ends after this returns. Settings are written as they
        // change, so there is nothing to save: close as for WM_CLOSE, which
        // cancels an edit still open in a dialog.
        if (wParam) CloseApplication();
        return 0;
    case WM_CLOSE:
        if (!m_frame->OnClose()) return 0; // carried out once the nested loops have ended
        if (m_status) KillTimer(m_status, kClockTimer);
        DestroyWindow(Handle());
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return Default(message, wParam, lParam);
}

void FrameWindow::PostCommand(unsigned id, long lParam) {
    PostMessageA(Handle(), WM_COMMAND, id, static_cast<LPARAM>(lParam));
}

void FrameWindow::SendCommand(unsigned id, long lParam) {
    SendMessageA(Handle(), WM_COMMAND, id, static_cast<LPARAM>(lParam));
}

void FrameWindow::PostKeyRequest(char key, unsigned code) {
    PostMessageA(Handle(), WM_KEY_REQUEST, static_cast<unsigned char>(key), code);
}

void FrameWindow::Invalidate(bool erase) { InvalidateRect(Handle(), nullptr, erase); }

void FrameWindow::RedrawFrameRect(const Rect& rect) {
    // Drawn at once from the current frame: a repaint would compose the face anew.
    const Rect area = m_scale.ToWindow(rect);
    ClientDC dc(Handle());
    IntersectClipRect(dc.Get(), area.left, area.top, area.right, area.bottom);
    DrawImage(dc.Get(), m_frame->CurrentFrame(), m_scale.Multiple());
}

// The hint's font and the popup list's header picture follow the face.
void FrameWindow::ApplyScale(FaceScale scale) {
    m_scale = scale;
    m_hint.SetScale(scale);
    m_menus.SetScale(scale);
}

// Moved to a monitor of another DPI, or its DPI changed: the window takes the
// top-left corner the system suggests and the face's size at the new
// multiple. The suggested size, the old one scaled by the ratio of the DPIs,
// is not a whole multiple of the face; the system expects the window to be
// placed from the suggestion when it handles the message ("WM_DPICHANGED",
// https://learn.microsoft.com/windows/win32/hidpi/wm-dpichanged). The new
// position arrives as WM_MOVE, which stores it as at any move.
void FrameWindow::OnDpiChanged(unsigned dpi, const RECT& suggested) {
    m_hint.HideHint();
    ApplyScale(FaceScale::ForDpi(dpi));
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SizeClientArea(m_faceWidth, m_faceHeight);
    LayoutStatusBar();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void FrameWindow::SetTopmost(bool topmost) {
    HWND after = topmost ? HWND_TOPMOST : HWND_NOTOPMOST;
    // Wine places an owner right below the popups it owns instead of among the
    // topmost windows, so the hint window lets go of its owner for the move;
    // then it takes the same state, as Windows gives owned windows.
    HWND hint = m_hint.Handle();
    if (hint) SetWindowLongPtrA(hint, GWLP_HWNDPARENT, 0);
    SetWindowPos(Handle(), after, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    if (!hint) return;
    SetWindowLongPtrA(hint, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(Handle()));
    SetWindowPos(hint, after, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

bool FrameWindow::IsMinimized() const { return IsIconic(Handle()) != FALSE; }

bool FrameWindow::IsVisible() const { return IsWindowVisible(Handle()) != FALSE; }

void FrameWindow::ShowWindowState(ShowState state) {
    ShowWindow(Handle(), state == ShowState::Minimize        ? SW_MINIMIZE
                         : state == ShowState::ShowMinimized ? SW_SHOWMINIMIZED
                                                             : SW_SHOWNORMAL);
}

void FrameWindow::BringToTop() { BringWindowToTop(Handle()); }

// The primary monitor's full-screen client area (SM_CXFULLSCREEN,
// SM_CYFULLSCREEN) would not do: on a monitor right of or above the
// primary one no corner would lie on it. The corners are tested against the
// monitor holding the window instead: its work area (MONITORINFO rcWork, see
// win32_monitors.h), cut as the primary's is cut for those metrics.
bool FrameWindow::IsWindowUncovered() {
    RECT client{};
    GetClientRect(Handle(), &client);
    MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    RECT primaryWork{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &primaryWork, 0);
    const Rect fullScreen =
        FullScreenClientArea(MonitorOfWindow(Handle()).work, RectOf(primaryWork),
                             GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN));
    for (const auto& [x, y] : CornersToTest(RectOf(client), fullScreen))
        if (WindowFromPoint(POINT{x, y}) != Handle()) return false;
    return true;
}

void FrameWindow::CaptureMouse(bool capture) {
    if (capture)
        SetCapture(Handle());
    else
        ReleaseCapture();
}

// The extended style is all that DragAcceptFiles sets; setting it here keeps
// shell32 from loading before a file is dropped.
void FrameWindow::AcceptDroppedFiles(bool accept) {
    const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_EXSTYLE);
    const LONG_PTR wanted = accept ? style | WS_EX_ACCEPTFILES : style & ~LONG_PTR{WS_EX_ACCEPTFILES};
    // Every size change asks; a change of style costs the window system a round trip.
    if (wanted != style) SetWindowLongPtrA(Handle(), GWL_EXSTYLE, wanted);
}

void FrameWindow::SetStatusText(const std::string& text) {
    if (m_status)
        SendMessageA(m_status, SB_SETTEXTA, 0 | SBT_POPOUT, reinterpret_cast<LPARAM>(text.c_str()));
}

void FrameWindow::ShowStatusBar(bool show) {
    if (show && !m_status) CreateStatusBar();
    if (!m_status) return;
    ShowWindow(m_status, show ? SW_SHOW : SW_HIDE);
    m_statusShown = show;
    if (!show) return;
    LayoutStatusBar();
    ClockTick(m_status, 0, 0, 0);
}

void FrameWindow::SetHintBackground(Colour colour) { m_hint.SetBackground(colour); }

void FrameWindow::ShowAboutBox() {
    AboutBox about;
    about.Run(m_instance, IDD_ABOUTBOX, Handle());
}

int FrameWindow::ShowMessage(const std::string& text, const std::string& caption, unsigned flags) {
    HWND owner = m_messageOwner ? m_messageOwner : Handle();
    return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

std::string FrameWindow::ApplicationName() const {
    wchar_t path[MAX_PATH]; // wide: in UTF-8 the path could outgrow MAX_PATH bytes
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::string name = length < MAX_PATH ? NarrowFrom(path, static_cast<int>(length)) : std::string();
    const auto slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

void FrameWindow::CloseApplication() { SendMessageA(Handle(), WM_CLOSE, 0, 0); }

// A dialog's WM_CLOSE is its Cancel: our dialogs, the common dialogs and
// message boxes (an OK-only box ends with OK) all share the dialog class.
BOOL CALLBACK FrameWindow::CancelDialog(HWND window, LPARAM) {
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0) PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

void FrameWindow::EndModalLoops() {
    EndMenu();
    EnumThreadWindows(GetCurrentThreadId(), CancelDialog, 0);
}
