#pragma once
#include <cstdint>
#include <string>

#include "app/keyboard_frame.h"
#include "fakes/call_log.h"
#include "platform/ports/launcher_platform.h"
#include "platform/ports/startup_port.h"

// Start-up's platform ("platform: ...") and the one-shot actions of the
// command line ("startup: ...") as lists of requests. The window's messages
// reach the frame as on Windows: creation runs OnCreate and reports the
// first size and place, a minimized show the new size. The test says whether
// another instance runs and whether creation fails.
class RecordingStartup : public LauncherPlatform, public StartupPort {
public:
    explicit RecordingStartup(CallLog& log) : m_log(log) {}

    void ShowCurrentDirectory() override { m_log.Add("startup", "cwd"); }
    void PlaySoundSync(const std::string& file) override { m_log.Add("startup", "play " + file); }
    void SetWaveVolume(std::uint32_t value) override {
        m_log.Add("startup", "volume " + std::to_string(value));
    }
    void RequestLogOff() override { m_log.Add("startup", "logoff"); }

    bool RaiseRunningInstance(const std::string& title) override {
        Add("raise " + title);
        return otherInstance;
    }
    void CallConfigurationLibrary(int debug) override {
        Add("configuration library " + std::to_string(debug));
    }
    bool CreateMainWindow(CKeyboardFrame& frame, const std::string& title, bool withMenu, int x,
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
    void SizeMainWindow(int width, int height) override {
        Add("size " + std::to_string(width) + " x " + std::to_string(height));
    }
    void ShowMainWindow(bool minimized) override {
        Add(minimized ? "show minimized" : "show");
        if (minimized) m_frame->OnSize(kSizeMinimized); // only once the window exists
    }
    void AppendConfigurationPopup(const std::string& text) override {
        Add("system menu popup " + text);
    }

    bool otherInstance = false;
    bool creationFails = false;

private:
    static constexpr int kSizeRestored = 0, kSizeMinimized = 1;
    void Add(const std::string& call) { m_log.Add("platform", call); }
    CallLog& m_log;
    CKeyboardFrame* m_frame = nullptr; // the window's logic, once the window exists
};
