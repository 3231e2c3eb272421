#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A one-shot action the command line asks for. Start-up carries them out
// through the platform, in the order they stand on the command line.
struct StartupAction {
    enum Kind {
        ShowCurrentDirectory, // "-cwd": always the last action; start-up then ends
        PlaySound,            // "-play file": plays file to its end
        SetVolume,            // "-vol n": sets the wave output volume to volumeValue
        LogOff,               // "-quit", "-restart": asks Windows to log the user off
    };
    Kind kind;
    std::string file;              // PlaySound
    std::uint32_t volumeValue = 0; // SetVolume: VolumeValue(n)

    bool operator==(const StartupAction& other) const {
        return kind == other.kind && file == other.file && volumeValue == other.volumeValue;
    }
};

// The start-up state as the command line leaves it.
struct StartupOptions {
    std::uint32_t optionBits = 0;   // OPT_* bits, ORed into the stored options word
    std::string faceName = "FACE0"; // "face%d" after "-face N"
    int faceIndex = 0;
    bool menu = true;   // menu bar ("-nomenu" / "-menu")
    bool icon = false;  // start minimized ("-icon" toggles)
    bool debug = false; // "-db" toggles
    bool stop = false;  // "-play" or "-vol": end after the actions, without a window
    std::vector<StartupAction> actions;
};

// Reads the command line (the text after the program's name) as the program
// always has: it is cut at 255 characters and split at blanks and tabs; at
// most 62 tokens count. Options match exactly, letter case included, in the
// order they stand; other tokens are ignored. "-play", "-vol" and "-face"
// take the next token as their value without looking at it as an option; as
// the last token, without a value, they are ignored. "-cwd" ends the reading:
// later tokens are not looked at.
StartupOptions ParseCommandLine(const std::string& commandLine);
