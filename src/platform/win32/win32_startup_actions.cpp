#include "platform/win32/win32_startup_actions.h"

#include <windows.h>

#include <direct.h>
#include <mmsystem.h>

#include <cstdlib>
#include <cstring>

namespace {
constexpr std::size_t kMaxDirectoryChars = 79; // the directory's buffer held 80 bytes
}

void Win32StartupActions::ShowCurrentDirectory() {
    std::string directory;
    if (char* full = _getcwd(nullptr, 0)) {
        directory.assign(full, strnlen(full, kMaxDirectoryChars));
        std::free(full);
    }
    MessageBoxA(nullptr, directory.c_str(), "KLV", MB_OK);
}

void Win32StartupActions::PlaySoundSync(const std::string& file) {
    sndPlaySoundA(file.c_str(), 0); // flags 0: synchronous
}

void Win32StartupActions::SetWaveVolume(std::uint32_t value) {
    WAVEFORMATEX unusable{}; // PCM without channels or sample rate
    unusable.wFormatTag = WAVE_FORMAT_PCM;
    HWAVEOUT opened = nullptr;
    if (waveOutOpen(&opened, WAVE_MAPPER, &unusable, 0, 0, CALLBACK_NULL) == MMSYSERR_NOERROR) {
        waveOutClose(opened); // a device took it after all: leave the volume alone
        return;
    }
    // Handle value 0 stands for wave output device 0.
    const auto device0 = reinterpret_cast<HWAVEOUT>(0);
    waveOutSetVolume(device0, value);
    waveOutClose(device0);
}

bool Win32StartupActions::RaiseRunningInstance(const std::string& title) {
    HWND other = FindWindowA(nullptr, title.c_str());
    if (!other) return false;
    ShowWindow(other, SW_SHOWNORMAL);
    BringWindowToTop(other);
    // Today's Windows raises a window of another program only when the caller
    // may set the foreground; a start by the user may.
    SetForegroundWindow(other);
    return true;
}

void Win32StartupActions::CallConfigurationLibrary(int debug) {
    SetErrorMode(SEM_NOOPENFILEERRORBOX);
    HMODULE library = LoadLibraryA("klvcfg.dll");
    if (!library) return;
    using CheckCfgEntry = int(WINAPI*)(int);
    auto entry = reinterpret_cast<CheckCfgEntry>(
        reinterpret_cast<void*>(GetProcAddress(library, "CheckCfg")));
    if (entry) entry(debug);
    FreeLibrary(library);
}
