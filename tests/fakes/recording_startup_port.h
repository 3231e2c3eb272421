#pragma once
#include <cstdint>
#include <string>

#include "fakes/call_log.h"
#include "platform/ports/startup_port.h"

// The one-shot actions of the command line as a list ("startup: ...").
class RecordingStartupPort : public StartupPort {
public:
    explicit RecordingStartupPort(CallLog& log) : m_log(log) {}

    void ShowCurrentDirectory() override { m_log.Add("startup", "cwd"); }
    void PlaySoundSync(const std::string& file) override { m_log.Add("startup", "play " + file); }
    void SetWaveVolume(std::uint32_t value) override {
        m_log.Add("startup", "volume " + std::to_string(value));
    }
    void RequestLogOff() override { m_log.Add("startup", "logoff"); }

private:
    CallLog& m_log;
};
