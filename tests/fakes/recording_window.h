#pragma once
#include <string>

#include "fakes/call_log.h"
#include "platform/ports/window_port.h"

// The main window as a list of the operations asked of it ("window: ...").
// The test sets whether it is minimized, the application's name and the
// button a message box answers with.
class RecordingWindow : public WindowPort {
public:
    explicit RecordingWindow(CallLog& log) : m_log(log) {}

    void PostCommand(unsigned id, long lParam) override {
        Add("post " + std::to_string(id) + " " + std::to_string(lParam));
    }
    void SendCommand(unsigned id, long lParam) override {
        Add("send " + std::to_string(id) + " " + std::to_string(lParam));
    }
    void Invalidate(bool erase) override { Add(erase ? "invalidate erase" : "invalidate"); }
    void RedrawFrameRect(const Rect& r) override {
        Add("redraw " + std::to_string(r.left) + " " + std::to_string(r.top) + " " +
            std::to_string(r.right) + " " + std::to_string(r.bottom));
    }
    void SetTopmost(bool topmost) override { Add(topmost ? "topmost" : "not topmost"); }
    bool IsMinimized() const override { return minimized; }
    void AcceptDroppedFiles(bool accept) override { Add(accept ? "accept drops" : "refuse drops"); }
    void SetStatusText(const std::string& text) override { Add("status text " + text); }
    void ShowStatusBar(bool show) override { Add(show ? "show status bar" : "hide status bar"); }
    void SetHintBackground(Colour colour) override {
        Add("hint background " + std::to_string(colour & 0xFF) + " " +
            std::to_string((colour >> 8) & 0xFF) + " " + std::to_string((colour >> 16) & 0xFF));
    }
    void ShowAboutBox() override { Add("about box"); }
    int ShowMessage(const std::string& text, const std::string& caption, unsigned flags) override {
        Add("message " + text + " | " + caption + " | " + std::to_string(flags));
        return messageAnswer;
    }
    std::string ApplicationName() const override { return applicationName; }
    void CloseApplication() override { Add("close"); }

    bool minimized = false;
    std::string applicationName = "KLV";
    int messageAnswer = 1; // IDOK

private:
    void Add(const std::string& call) { m_log.Add("window", call); }
    CallLog& m_log;
};
