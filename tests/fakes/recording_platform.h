#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/keyboard_frame.h"
#include "platform/ports/startup_port.h"
#include "platform/ports/window_port.h"

// The main window, the desktop and start-up's platform as one list of what
// they were asked to do, one line each ("topmost", "desktop: log off" ...). Creation reaches the
// frame as on Windows: it runs OnCreate and reports the first size and
// place; a minimized show reports the new size. The test says whether
// creation fails, whether another instance runs and whether a top-level
// window of class "PROGMAN" exists.
class RecordingPlatform : public WindowPort, public DesktopPort, public StartupPort {
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
    void Invalidate(bool erase) override { Add(erase ? "invalidate erase" : "invalidate"); }
    void RedrawFrameRect(const Rect&) override { Add("redraw"); }
    void SetTopmost(bool topmost) override { Add(topmost ? "topmost" : "not topmost"); }
    bool IsMinimized() const override { return false; }
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

    bool TopLevelWindowOfClassExists(const char* className) override {
        return progmanRunning && std::string(className) == "PROGMAN";
    }
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

    bool progmanRunning = false;
    bool otherInstance = false;
    bool creationFails = false;
    std::vector<std::string> requests;

private:
    static constexpr int kSizeRestored = 0, kSizeMinimized = 1;
    void Add(const std::string& request) { requests.push_back(request); }
    CKeyboardFrame* m_frame = nullptr; // once the window exists
};
