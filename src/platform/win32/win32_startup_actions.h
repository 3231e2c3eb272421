#pragma once
#include "platform/ports/startup_port.h"

// The one-shot start-up actions with the Windows calls.
class Win32StartupActions : public StartupPort {
  public:
    void ShowCurrentDirectory() override;
    void PlaySoundSync(const std::string& file) override;
    void SetWaveVolume(std::uint32_t value) override;
    void RequestLogOff() override;
};
