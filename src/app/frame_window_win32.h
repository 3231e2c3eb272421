#pragma once
#include <windows.h>

#include <string>

#include "face/face_scale.h"
#include "face/hint_window_win32.h"
#include "launch/popup_menu_win32.h"
#include "platform/ports/window_port.h"
#include "platform/win32/window_base.h"

class CKeyboardFrame;

// The Win32 main window: owns the HWND, the status bar and the hint window,
// and forwards every message to the frame's logic.
class FrameWindow : public WindowBase, public WindowPort {
public:
    // showCommand: how the program was asked to show its window (WinMain's nCmdShow).
    FrameWindow(HINSTANCE instance, int showCommand)
        : m_instance(instance), m_showCommand(showCommand), m_menus(instance) {}

    HintPort& Hint() { return m_hint; }
    PopupMenuPort& Menus() { return m_menus; }

    // WindowPort
    bool Create(CKeyboardFrame& frame, const std::string& title, bool withMenu, int x,
                int y) override;
    void SizeClientArea(int width, int height) override;
    void Show(bool minimized) override;
    void AppendConfigurationPopup(const std::string& text) override;
    void PostCommand(unsigned id, long lParam) override;
    void SendCommand(unsigned id, long lParam) override;
    void PostKeyRequest(char key, unsigned code) override;
    void Invalidate(bool erase) override;
    void RedrawFrameRect(const Rect& rect) override;
    void SetTopmost(bool topmost) override;
    bool IsMinimized() const override;
    bool IsVisible() const override;
    void ShowWindowState(ShowState state) override;
    void BringToTop() override;
    bool IsWindowUncovered() override;
    void CaptureMouse(bool capture) override;
    void AcceptDroppedFiles(bool accept) override;
    void SetStatusText(const std::string& text) override;
    void ShowStatusBar(bool show) override;
    void SetHintBackground(Colour colour) override;
    void ShowAboutBox() override;
    int ShowMessage(const std::string& text, const std::string& caption, unsigned flags) override;
    std::string ApplicationName() const override;
    void CloseApplication() override;
    void EndModalLoops() override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool HandleInput(UINT message, WPARAM wParam, LPARAM lParam);
    static void CALLBACK ClockTick(HWND status, UINT, UINT_PTR, DWORD);
    static BOOL CALLBACK CancelDialog(HWND window, LPARAM);
    void AllowMessagesFromLowerLevels();
    void CreateChildren();
    void CreateStatusBar();
    void LayoutStatusBar();
    int StatusBarHeight() const;
    void ApplyScale(FaceScale scale);
    void OnDpiChanged(unsigned dpi, const RECT& suggested);

    HINSTANCE m_instance;
    int m_showCommand;
    CKeyboardFrame* m_frame = nullptr;
    HWND m_status = nullptr;
    HintWindow m_hint;
    PopupMenuWin32 m_menus;
    bool m_statusShown = false;
    // Face pixels meet window pixels here: the window's input, painting and
    // size go through this multiple, chosen from the window's DPI.
    FaceScale m_scale;
    int m_faceWidth = 0, m_faceHeight = 0; // the client area asked for, in face pixels
    HWND m_messageOwner = nullptr; // while a dialog's command runs: the dialog
};
