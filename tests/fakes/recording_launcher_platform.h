#pragma once
#include <string>

#include "app/keyboard_frame.h"
#include "fakes/call_log.h"
#include "platform/ports/launcher_platform.h"

// Start-up's platform as a list of requests ("platform: ..."). The window's
// messages reach the frame as they do on Windows: creation runs OnCreate and
// then reports the first size and place; every resize and a minimized show
// report the new size. The test says whether another instance runs and
// whether creation fails.
class RecordingLauncherPlatform : public LauncherPlatform {
public:
    explicit RecordingLauncherPlatform(CallLog& log) : m_log(log) {}

    bool RaiseRunningInstance(const std::string& title) override {
        Add("raise " + title);
        return otherInstance;
    }
    void CallConfigurationLibrary(int debug) override {
        Add("configuration library " + std::to_string(debug));
    }
    bool CreateMainWindow(CKeyboardFrame& frame, const std::string& title, bool withMenu, int x,
                          int y) override {
        Add("create " + title + (withMenu ? " with menu at " : " without menu at ") +
            std::to_string(x) + "," + std::to_string(y));
        m_frame = nullptr;
        if (creationFails) return false;
        m_frame = &frame;
        frame.OnCreate();
        frame.OnSize(kSizeRestored);
        frame.OnMove(x, y);
        return true;
    }
    void SizeMainWindow(int width, int height) override {
        Add("size " + std::to_string(width) + " x " + std::to_string(height));
        if (m_frame) m_frame->OnSize(kSizeRestored);
    }
    void ShowMainWindow(bool minimized) override {
        Add(minimized ? "show minimized" : "show");
        if (minimized && m_frame) m_frame->OnSize(kSizeMinimized);
    }
    void AppendConfigurationPopup(const std::string& text) override { Add("system menu popup " + text); }

    bool otherInstance = false;
    bool creationFails = false;

private:
    static constexpr int kSizeRestored = 0, kSizeMinimized = 1;
    void Add(const std::string& call) { m_log.Add("platform", call); }
    CallLog& m_log;
    CKeyboardFrame* m_frame = nullptr; // the window's logic, once the window exists
};
