#pragma once
#include <string>

#include "fakes/call_log.h"
#include "platform/ports/window_port.h"

// Programs and the session as a list of requests ("desktop: ..."). The test
// says whether a top-level window of class "PROGMAN" exists.
class RecordingDesktop : public DesktopPort {
public:
    explicit RecordingDesktop(CallLog& log) : m_log(log) {}

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
    CallLog& m_log;
};
