#pragma once
#include <cstdint>
#include <string>

// The platform operations of start-up that come before the main window: the
// one-shot command-line actions, the other instance, the configuration library.
class StartupPort {
  public:
    virtual ~StartupPort() = default;

    // Shows the process's current directory (at most 79 characters) in a
    // message box captioned "KLV" with an OK button and no owner; returns
    // when the box is closed.
    virtual void ShowCurrentDirectory() = 0;

    // Plays a sound file to its end.
    virtual void PlaySoundSync(const std::string& file) = 0;

    // Sets the wave output volume (low word left channel, high word right).
    // The wave mapper is first probed with a PCM format that no device takes;
    // only when that probe fails, as it normally does, is device 0 set.
    virtual void SetWaveVolume(std::uint32_t value) = 0;

    // Restores and raises a top-level window titled exactly title; false when there is none.
    virtual bool RaiseRunningInstance(const std::string& title) = 0;

    // Calls CheckCfg(debug) of the configuration library once, when it is there.
    virtual void CallConfigurationLibrary(int debug) = 0;
};
