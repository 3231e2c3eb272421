#pragma once
#include <string>

#include "fakes/call_log.h"
#include "platform/ports/window_port.h"

// The main window ("window: ...") and the desktop ("desktop: ...") as lists
// of the requests made of them. The test says whether a top-level window of
// class "PROGMAN" exists.
class RecordingWindow : public WindowPort, public DesktopPort {
public:
    explicit RecordingWindow(CallLog& log) : m_log(log) {}

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
        m_log.Add("desktop", std::string("find class ") + className);
        return progmanRunning && std::string(className) == "PROGMAN";
    }
    void StartMinimized(const char* commandLine) override {
        m_log.Add("desktop", std::string("start minimized ") + commandLine);
    }
    void WaitMessage() override { m_log.Add("desktop", "wait message"); }
    void LogOff() override { m_log.Add("desktop", "log off"); }

    bool progmanRunning = false;

private:
    void Add(const std::string& call) { m_log.Add("window", call); }
    CallLog& m_log;
};
