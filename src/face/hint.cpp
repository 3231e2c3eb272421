#include "face/hint.h"

#include "common/decimal.h"
#include "common/options.h"
#include "model/face_key.h"
#include "model/key_table.h"
#include "model/settings.h"
#include "platform/ports/window_port.h"

std::string HintText(const FaceKey& key) {
    return " " + (key.m_strDescription.empty() ? key.m_strCommand : key.m_strDescription);
}

HintPort::Point HintPosition(HintPort::Point keyTopCentre, HintPort::Size text, const Rect& monitor) {
    HintPort::Point at{keyTopCentre.x, ClampToInt(std::int64_t{keyTopCentre.y} - text.cy - 2)};
    // With the monitor at the origin these are the single screen's x >= W / 3 and x > 2 * W / 3.
    const std::int64_t width = std::int64_t{monitor.right} - monitor.left;
    const std::int64_t x = std::int64_t{at.x} - monitor.left;
    if (x >= width / 3) at.x = ClampToInt(at.x - std::int64_t{x > 2 * width / 3 ? text.cx : text.cx / 2});
    return at;
}

void HintTracker::PointerOn(char k, HintPort::Point at) {
    if (k == m_nHoverKey) return;
    m_ptHintAnchor = at;
    m_nHoverKey = k;
    m_nHintCountdown = 1;
    Hide();
}

void HintTracker::OnTimer(bool menuShowing) {
    if (menuShowing || !m_hint.PointerInWindow() || !m_hint.IsActiveWindow()) {
        Hide();
        m_nHintCountdown = 0;
    }
    if (m_nHintCountdown > 0 && --m_nHintCountdown == 0) ShowHint(m_ptHintAnchor, true);
}

bool HintTracker::ShowHint(HintPort::Point anchor, bool check) {
    if (check) check = m_hint.PointerInClientArea() && m_window.IsWindowUncovered();
    const FaceKey* key = check && !m_settings.Has(OPT_NOHINTS) ? m_keys.KeyAt(anchor.x, anchor.y) : nullptr;
    if (!key || !key->m_bAssignable) {
        m_hint.HideHint();
        return false;
    }
    const std::string text = HintText(*key);
    const HintPort::Size size = m_hint.MeasureHint(text);
    const Rect& r = key->m_rect;
    const HintPort::Point centre =
        m_hint.ClientToScreen({ClampToInt((std::int64_t{r.left} + r.right) / 2), r.top});
    const HintPort::Point at = HintPosition(centre, size, m_hint.MonitorArea());
    m_hint.ShowHintAt(text, at.x, at.y, size.cx + 4, size.cy + 2);
    return true;
}
