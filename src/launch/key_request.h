#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/geometry.h"

struct FaceKey;
class Settings;

// Request codes the main window posts to itself with a key's character; they
// arrive where typed characters do, in place of the repeat count, and any
// other count is an ordinary typed character.
enum KeyRequestCode : unsigned {
    KC_HOVER = 1034, // the pointer rests on the key: its status text
    KC_RUN = 1035,   // run the key
    KC_EDIT = 1036,  // edit the key's assignment
    KC_NOKEY = 1037, // the pointer is on the face but on no key
};

// The key character a character message stands for: the character itself for a
// request, upper-cased for a typed character.
char RequestCharacter(unsigned character, unsigned repeatCount);

// What a request on a key (null: no key with that character) comes to.
struct KeyAction {
    enum Kind {
        Nothing,
        PostCommand,  // a reserved key's menu command: `command`
        ShowPopup,    // the key's popup list
        SwitchTo,     // bring the running program forward, else launch
        Launch,       // the key's command and directory
        PostEdit,     // an unassigned key: post an edit request for it
        Edit,         // open the editing of the key's assignment
        StatusText,   // show `text` in the status bar
    };
    Kind kind = Nothing;
    unsigned command = 0;
    std::string text;
};
KeyAction DecideKeyRequest(const FaceKey* key, unsigned repeatCount, const Settings& settings);

// The menu command a reserved key posts when run; 0 for none.
unsigned ReservedKeyCommand(char character);

constexpr unsigned kVkTab = 9; // Fn+Tab shows or hides the window

// What a hotkey report comes to.
struct HotkeyAction {
    enum Kind {
        Nothing,
        PostRun,       // a run request for virtual-key code `key`
        Raise,         // Fn+Tab on a covered window: to the top
        Minimize,      // Fn+Tab: hide the hint, then minimize, activating the next window
        ShowMinimized, // Fn+Tab: minimize, staying active
        ShowNormal,    // Fn+Tab on a hidden or minimized window
    };
    Kind kind = Nothing;
    unsigned key = 0;
};
// virtualKey is the report's scan code mapped to a virtual-key code (0: none).
struct WindowShowState {
    bool visible = false, minimized = false, uncovered = false;
};
HotkeyAction DecideHotkey(unsigned virtualKey, long lParam, const WindowShowState& window,
                          std::uint32_t options);

// The corners of the client area (on the screen; right and bottom one past
// it) whose window decides whether the main window is uncovered: those whose
// two sides lie within the full-screen client area of the monitor holding the
// window, in the order bottom-right, top-right, top-left, bottom-left.
std::vector<std::pair<int, int>> CornersToTest(const Rect& client, const Rect& fullScreen);

// The full-screen client area of the monitor whose work area is `work`.
// Windows gives it only for the primary monitor (SM_CXFULLSCREEN and
// SM_CYFULLSCREEN: its work area less the caption's height), so the monitor's
// work area is cut by as much as those fall short of the primary's work area.
// On the primary monitor it is (0, 0, fullWidth, fullHeight) when its work area
// starts at the origin, as on a single screen.
Rect FullScreenClientArea(const Rect& work, const Rect& primaryWork, int fullWidth, int fullHeight);
