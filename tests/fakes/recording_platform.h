#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/keyboard_frame.h"
#include "platform/ports/hint_port.h"
#include "platform/ports/popup_menu_port.h"
#include "platform/ports/startup_port.h"
#include "platform/ports/window_port.h"

// The main window (with its hint and popup menus), the desktop and start-up's
// platform as one list of what they were asked to do, one line each
// ("topmost", "desktop: log off" ...). Creation reaches the
// frame as on Windows: it runs OnCreate and reports the first size and
// place; a minimized show reports the new size. The test says whether
// creation fails and whether another instance runs; no Program Manager
// window exists.
class RecordingPlatform : public WindowPort,
                          public DesktopPort,
                          public StartupPort,
                          public HintPort,
                          public PopupMenuPort {
public:
    bool Create(CKeyboardFrame& frame, const std::string& title, bool withMenu, int x,
                int y) override {
        Add("create " + title + (withMenu ? " with" : " without") + " menu at " +
            std::to_string(x) + "," + std::to_string(y));
        if (creationFails) return false;
        m_frame = &frame;
        frame.OnCreate();
        frame.OnSize(kSizeRestored);
        frame.OnMove(x, y);
        return true;
    }
    void SizeClientArea(int width, int height) override {
        Add("size " + std::to_string(width) + " x " + std::to_string(height));
    }
    void Show(bool minimized) override {
        Add(minimized ? "show minimized" : "show");
        if (minimized) m_frame->OnSize(kSizeMinimized);
    }
    void AppendConfigurationPopup(const std::string& text) override {
        Add("system menu popup " + text);
    }
    void PostCommand(unsigned id, long lParam) override {
        Add("post " + std::to_string(id) + " " + std::to_string(lParam));
    }
    void SendCommand(unsigned id, long lParam) override {
        Add("send " + std::to_string(id) + " " + std::to_string(lParam));
    }
    void PostKeyRequest(char key, unsigned code) override {
        Add("post key " + std::to_string(static_cast<unsigned char>(key)) + " " + std::to_string(code));
    }
    void Invalidate(bool erase) override { Add(erase ? "invalidate erase" : "invalidate"); }
    void RedrawFrameRect(const Rect&) override { Add("redraw"); }
    void SetTopmost(bool topmost) override { Add(topmost ? "topmost" : "not topmost"); }
    bool IsMinimized() const override { return minimized; }
    bool IsVisible() const override { return visible; }
    void ShowWindowState(ShowState state) override {
        Add(state == ShowState::Minimize        ? "minimize"
            : state == ShowState::ShowMinimized ? "show minimized"
                                                : "show normal");
    }
    void BringToTop() override { Add("bring to top"); }
    bool IsWindowUncovered() override { return uncovered; }
    void CaptureMouse(bool capture) override { Add(capture ? "capture" : "release capture"); }
    void AcceptDroppedFiles(bool accept) override { Add(accept ? "accept drops" : "refuse drops"); }
    void SetStatusText(const std::string& text) override { Add("status text " + text); }
    void ShowStatusBar(bool show) override { Add(show ? "show status bar" : "hide status bar"); }
    void SetHintBackground(Colour colour) override {
        Add("hint background " + std::to_string(colour));
    }
    void ShowAboutBox() override { Add("about box"); }
    int ShowMessage(const std::string& text, const std::string& caption, unsigned flags) override {
        Add("message " + text + " | " + caption + " | " + std::to_string(flags));
        return 1; // IDOK
    }
    std::string ApplicationName() const override { return "Launcher"; }
    void CloseApplication() override { Add("close"); }
    void EndModalLoops() override { Add("end modal loops"); }

    unsigned VirtualKeyOfScanCode(unsigned scanCode) override {
        return scanCode == 15 ? 9 : scanCode == 30 ? 'A' : scanCode == 16 ? 'Q' : 0; // Tab, A, Q
    }
    bool TopLevelWindowOfClassExists(const char*) override { return false; }
    void StartMinimized(const char* commandLine) override {
        Add(std::string("desktop: start minimized ") + commandLine);
    }
    void WaitMessage() override {}
    void LogOff() override { Add("desktop: log off"); }

    void ShowCurrentDirectory() override { Add("startup: cwd"); }
    void PlaySoundSync(const std::string& file) override { Add("startup: play " + file); }
    void SetWaveVolume(std::uint32_t value) override {
        Add("startup: volume " + std::to_string(value));
    }
    bool RaiseRunningInstance(const std::string& title) override {
        Add("startup: raise " + title);
        return otherInstance;
    }
    void CallConfigurationLibrary(int debug) override {
        Add("startup: configuration library " + std::to_string(debug));
    }

    // The hint window: the pointer on the window's client area, which sits at (100, 50).
    bool PointerInWindow() override { return true; }
    bool PointerInClientArea() override { return true; }
    bool IsActiveWindow() override { return true; }
    Size MeasureHint(const std::string& text) override {
        return {static_cast<int>(text.size()) * 5, 10};
    }
    Point ClientToScreen(Point client) override { return {client.x + 100, client.y + 50}; }
    Rect MonitorArea() override { return monitor; }
    void ShowHintAt(const std::string& text, int x, int y, int w, int h) override {
        Add("hint" + text + " at " + std::to_string(x) + "," + std::to_string(y) + " " +
            std::to_string(w) + "x" + std::to_string(h));
    }
    void HideHint() override { Add("hide hint"); }

    // Popup menus: what the cascade held and where it opened.
    PointerOnScreen Pointer() override { return pointer; }
    void Track(const PopupMenuCascade& menus, const std::string& header,
               const std::string& moreText, int x, int y, bool rightAlign) override {
        tracked = menus;
        if (whileTracking) std::exchange(whileTracking, nullptr)();
        Add("menu " + header + " " + moreText + " at " + std::to_string(x) + "," +
            std::to_string(y) + (rightAlign ? " right" : " centre"));
    }

    bool minimized = false, visible = true, uncovered = true;
    Rect monitor{0, 0, 1024, 768}; // the screen of the window's monitor
    PointerOnScreen pointer{100, 100, {0, 0, 1024, 768}};
    PopupMenuCascade tracked;
    std::function<void()> whileTracking; // runs once inside the next menu's modal loop
    bool otherInstance = false;
    bool creationFails = false;
    std::vector<std::string> requests;

private:
    static constexpr int kSizeRestored = 0, kSizeMinimized = 1;
    void Add(const std::string& request) { requests.push_back(request); }
    CKeyboardFrame* m_frame = nullptr; // once the window exists
};
