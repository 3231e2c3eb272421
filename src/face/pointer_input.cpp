#include "face/pointer_input.h"

#include "face/hint.h"
#include "launch/key_request.h"
#include "model/key_table.h"
#include "platform/ports/window_port.h"

void PointerInput::OnMouseMove(int x, int y) {
    const char k = m_keys.KeyCharAt(x, y);
    m_hint.PointerOn(k, {x, y});
    if (k)
        m_window.PostKeyRequest(k, KC_HOVER);
    else
        m_window.PostKeyRequest(0, KC_NOKEY);
}

void PointerInput::OnLButtonDown(int x, int y) {
    m_hint.Hide();
    m_pressedKey = 0;
    const FaceKey* key = m_keys.KeyAt(x, y);
    if (!key || !key->m_bAssignable) return;
    if (!key->m_strCommand.empty() && key->m_strCommand[0] == '@') {
        // A popup list opens on the press; the key is not drawn pressed.
        m_window.PostKeyRequest(key->m_strKey[0], KC_RUN);
        return;
    }
    m_pressedKey = key->m_strKey[0];
    m_rectPressed = key->m_rect;
    m_pressing = true;
    m_draw(true, m_rectPressed);
    m_window.CaptureMouse(true);
}

void PointerInput::OnLButtonUp(int x, int y) {
    if (m_pressing) {
        m_draw(false, m_rectPressed);
        m_window.CaptureMouse(false);
    }
    m_hint.Hide();
    const char k = m_keys.KeyCharAt(x, y);
    if (m_pressing && k && k == m_pressedKey) m_window.PostKeyRequest(k, KC_RUN);
    m_pressing = false;
    m_pressedKey = 0;
}

void PointerInput::OnRButtonUp(int x, int y) {
    m_hint.Hide();
    if (const char k = m_keys.KeyCharAt(x, y)) m_window.PostKeyRequest(k, KC_EDIT);
}
