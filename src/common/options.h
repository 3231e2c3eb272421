#pragma once
#include <cstdint>

// Bits of the options word ("opts" in section "cfg" of the settings file).
enum : std::uint32_t {
    OPT_NOMARK = 0x0001,         // popup-list keys are not marked
    OPT_TOPMOST = 0x0002,        // the main window stays on top
    OPT_MINIMIZE = 0x0004,       // minimize after a command is started
    OPT_NOHINTS = 0x0008,        // no hint window
    OPT_NOCONFIRM = 0x0010,      // assignments change without confirmation
    OPT_FNTAB_MINIMIZE = 0x0040, // Fn+Tab minimizes with SW_MINIMIZE
    OPT_ALLKEYS = 0x0100,        // digit keys 1 to 9 are assignable
    OPT_STATUSBAR = 0x0200,      // the status bar is shown
    OPT_NOMENU = 0x0400,         // recorded only; the menu bar follows the command line
    OPT_NOOVERRIDE = 0x0800,     // key table and face from the program's resources
    OPT_EXPAND_POPUPS = 0x1000,  // the assignment list shows popup items
    OPT_STORED_MASK = 0x1FFF,    // bits kept when the word is read from the file
};

// Per-key option bits of an assignment (section "opts", one entry per key).
enum : std::uint32_t {
    KEY_SWITCHTO = 0x1, // bring a running instance forward instead of starting another
    KEY_DISABLED = 0x4, // the key is treated as not assignable
};
