#pragma once
#include <functional>

#include "common/geometry.h"

class HintTracker;
class KeyTable;
class WindowPort;

// The face under the mouse: hover and no-key requests as the pointer moves,
// a key drawn pressed while the left button is down on it and run when the
// button comes up on the same key, a popup list opened on the press, and an
// edit request on a right-button release. Requests are posted to the window.
class PointerInput {
public:
    using DrawPressed = std::function<void(bool down, const Rect& key)>;

    PointerInput(const KeyTable& keys, WindowPort& window, HintTracker& hint, DrawPressed draw)
        : m_keys(keys), m_window(window), m_hint(hint), m_draw(std::move(draw)) {}

    void OnMouseMove(int x, int y);
    void OnLButtonDown(int x, int y);
    void OnLButtonUp(int x, int y);
    void OnRButtonUp(int x, int y);

private:
    const KeyTable& m_keys;
    WindowPort& m_window;
    HintTracker& m_hint;
    DrawPressed m_draw;
    bool m_pressing = false; // a key is drawn pressed and the mouse captured
    char m_pressedKey = 0;
    Rect m_rectPressed;
};
