#pragma once
#include <string>

#include "common/geometry.h"
#include "platform/ports/hint_port.h"

struct FaceKey;
class KeyTable;
class Settings;
class WindowPort;

// A blank and the key's description, or its command when it has none.
std::string HintText(const FaceKey& key);

// The hint's top-left on the screen: its bottom two pixels above the key's
// top, at the key's centre; in the middle third of the monitor centred on it,
// in the right third ending at it. keyTopCentre is already on the screen; the
// thirds are those of `monitor`, the screen of the monitor holding the window,
// counted from its own left edge (a monitor left of the primary one has a
// negative left).
HintPort::Point HintPosition(HintPort::Point keyTopCentre, HintPort::Size text, const Rect& monitor);

// The hint that names the key the pointer rests on, shown at the timer's
// tick after the pointer entered an assignable key.
class HintTracker {
public:
    HintTracker(HintPort& hint, WindowPort& window, const KeyTable& keys, const Settings& settings)
        : m_hint(hint), m_window(window), m_keys(keys), m_settings(settings) {}

    // The pointer moved onto key k (0: none) at a client point.
    void PointerOn(char k, HintPort::Point at);
    void Hide() { ShowHint({}, false); }
    void OnTimer(bool menuShowing);
    // With check false only hides; returns whether the hint shows.
    bool ShowHint(HintPort::Point anchor, bool check);

private:
    HintPort& m_hint;
    WindowPort& m_window;
    const KeyTable& m_keys;
    const Settings& m_settings;
    char m_nHoverKey = 0;
    HintPort::Point m_ptHintAnchor;
    int m_nHintCountdown = 0;
};
