#pragma once
#include <windows.h>

#include <string>

#include "platform/ports/window_port.h"

class CKeyboardFrame;

// The Win32 main window: owns the HWND, the status bar, the hint window and
// their GDI objects, and forwards every message to the frame's logic.
class FrameWindow : public WindowPort {
public:
    explicit FrameWindow(HINSTANCE instance);
    ~FrameWindow() override;
    FrameWindow(const FrameWindow&) = delete;
    FrameWindow& operator=(const FrameWindow&) = delete;

    // Creates the window hidden, with its client area's top-left at (x, y).
    bool Create(CKeyboardFrame& frame, const std::string& title, bool withMenu, int x, int y);
    // Sizes the window so that its client area is width x height above the
    // status bar (when shown), keeping the client area's top-left where it is.
    void SizeClientArea(int width, int height);
    void AppendConfigurationPopup(const std::string& text);
    HWND Handle() const { return m_hwnd; }

    // WindowPort
    void PostCommand(unsigned id, long lParam) override;
    void SendCommand(unsigned id, long lParam) override;
    void Invalidate(bool erase) override;
    void RedrawFrameRect(const Rect& rect) override;
    void SetTopmost(bool topmost) override;
    bool IsMinimized() const override;
    void AcceptDroppedFiles(bool accept) override;
    void SetStatusText(const std::string& text) override;
    void ShowStatusBar(bool show) override;
    void SetHintBackground(Colour colour) override;
    void ShowAboutBox() override;
    int ShowMessage(const std::string& text, const std::string& caption, unsigned flags) override;
    std::string ApplicationName() const override;
    void CloseApplication() override;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void CALLBACK ClockTick(HWND status, UINT, UINT_PTR, DWORD);
    bool RegisterFrameClass() const;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateChildren();
    void LayoutStatusBar();
    int StatusBarHeight() const;
    void Paint();

    HINSTANCE m_instance;
    CKeyboardFrame* m_frame = nullptr;
    HWND m_hwnd = nullptr;
    HWND m_status = nullptr;
    HWND m_hint = nullptr;
    HBRUSH m_hbrHint = nullptr;
    HFONT m_fontHint = nullptr;
    bool m_statusShown = false;
};
