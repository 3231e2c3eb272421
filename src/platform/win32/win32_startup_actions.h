#pragma once
#include "platform/ports/startup_port.h"

// Start-up's platform operations with the Windows calls.
class Win32StartupActions : public StartupPort {
  public:
    void ShowCurrentDirectory() override;
    void PlaySoundSync(const std::string& file) override;
    void SetWaveVolume(std::uint32_t value) override;
    bool RaiseRunningInstance(const std::string& title) override;
    void CallConfigurationLibrary(int debug) override;
};
