#pragma once
#include <string>

#include "common/geometry.h"

class CKeyboardFrame;

// How the main window is asked to show itself.
enum class ShowState {
    Minimize,      // minimized; activation passes to the next top-level window
    ShowMinimized, // minimized, staying active
    ShowNormal,    // shown and restored
};

// The main window's own operations, as start-up and the frame's logic ask for them.
class WindowPort {
public:
    virtual ~WindowPort() = default;

    // Creates the window hidden, with its client area's top-left at (x, y);
    // from then on the window forwards its messages to frame.
    virtual bool Create(CKeyboardFrame& frame, const std::string& title, bool withMenu, int x,
                        int y) = 0;
    // Makes the client area width x height face pixels, plus the status bar
    // when it is shown; again at the new multiple when the window's DPI changes.
    virtual void SizeClientArea(int width, int height) = 0;
    virtual void Show(bool minimized) = 0;
    // Appends a separator and the main menu as a popup titled text to the system menu.
    virtual void AppendConfigurationPopup(const std::string& text) = 0;

    virtual void PostCommand(unsigned id, long lParam) = 0; // WM_COMMAND to itself, queued
    virtual void PostKeyRequest(char key, unsigned code) = 0; // to itself, queued; arrives as OnChar(key, code)
    virtual void SendCommand(unsigned id, long lParam) = 0; // WM_COMMAND to itself, at once
    virtual void Invalidate(bool erase) = 0;                // the whole client area
    virtual void RedrawFrameRect(const Rect& rect) = 0;     // copy that part of the frame image now
    virtual void SetTopmost(bool topmost) = 0;              // without moving or sizing
    virtual bool IsMinimized() const = 0;
    virtual bool IsVisible() const = 0;
    virtual void ShowWindowState(ShowState state) = 0;
    virtual void BringToTop() = 0;
    // True when no other window covers a corner of the client area that lies on the screen.
    virtual bool IsWindowUncovered() = 0;
    virtual void CaptureMouse(bool capture) = 0;
    virtual void AcceptDroppedFiles(bool accept) = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    virtual void ShowStatusBar(bool show) = 0;
    virtual void SetHintBackground(Colour colour) = 0; // the hint window's brush
    virtual void ShowAboutBox() = 0;
    // A message box owned by the main window; returns the button pressed.
    virtual int ShowMessage(const std::string& text, const std::string& caption,
                           unsigned flags) = 0;
    virtual std::string ApplicationName() const = 0; // the executable's base name
    virtual void CloseApplication() = 0;              // as the system menu's Close
    // Asks every nested loop of the window's thread to end: a tracked menu
    // closes, each dialog and message box is cancelled. Returns at once.
    virtual void EndModalLoops() = 0;
};

// Programs, the session and the keyboard, as the main window reaches them.
class DesktopPort {
public:
    virtual ~DesktopPort() = default;
    // The virtual-key code of a scan code in the active keyboard layout; 0 for none.
    virtual unsigned VirtualKeyOfScanCode(unsigned scanCode) = 0;
    virtual bool TopLevelWindowOfClassExists(const char* className) = 0;
    virtual void StartMinimized(const char* commandLine) = 0; // without waiting for it
    virtual void WaitMessage() = 0; // until a message is in the queue, seen or not
    virtual void LogOff() = 0; // asks the system to log the user off; returns at once
};
