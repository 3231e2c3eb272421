#include "launch/key_request.h"

#include <cctype>

#include "common/decimal.h"
#include "common/options.h"
#include "common/resource_ids.h"
#include "model/face_key.h"
#include "model/settings.h"

namespace {
bool IsRequest(unsigned repeatCount) {
    return repeatCount == KC_HOVER || repeatCount == KC_RUN || repeatCount == KC_EDIT;
}

bool IsEditable(const FaceKey& key) { return key.m_bAssignable && !key.m_bReserved; }

std::string StatusTextOf(const FaceKey& key, const Settings& settings) {
    if (key.m_bReserved) return settings.NotAssignable();
    if (!key.m_strDescription.empty()) return key.m_strDescription;
    return key.m_bAssignable ? key.m_strCommand : settings.NotAssignable();
}

KeyAction RunAction(const FaceKey& key) {
    if (key.m_bReserved) return {KeyAction::PostCommand, ReservedKeyCommand(key.m_strKey[0]), {}};
    if (key.m_bAssigned) {
        if (!key.m_strCommand.empty() && key.m_strCommand[0] == '@') return {KeyAction::ShowPopup, 0, {}};
        if (key.m_nKeyOptions & KEY_SWITCHTO) return {KeyAction::SwitchTo, 0, {}};
        return {KeyAction::Launch, 0, {}};
    }
    if (key.m_bAssignable) return {KeyAction::PostEdit, 0, {}};
    return {};
}
} // namespace

char RequestCharacter(unsigned character, unsigned repeatCount) {
    if (IsRequest(repeatCount)) return static_cast<char>(character);
    return static_cast<char>(std::toupper(static_cast<int>(character & 0xFF)));
}

unsigned ReservedKeyCommand(char character) {
    switch (character) {
    case 'l': return ID_ASSIGNMENTS;
    case 'a': return ID_ABOUT;
    case 'o': return ID_RESERVED_O;
    case 'q': return ID_RESERVED_Q;
    case 'h': return ID_NO_HELP;
    default: return 0;
    }
}

KeyAction DecideKeyRequest(const FaceKey* key, unsigned repeatCount, const Settings& settings) {
    switch (repeatCount) {
    case KC_RUN:
        return key ? RunAction(*key) : KeyAction{};
    case KC_EDIT:
        return key && IsEditable(*key) ? KeyAction{KeyAction::Edit, 0, {}} : KeyAction{};
    case KC_NOKEY:
        return {KeyAction::StatusText, 0, settings.ClickHint()};
    default:
        return key ? KeyAction{KeyAction::StatusText, 0, StatusTextOf(*key, settings)} : KeyAction{};
    }
}

HotkeyAction DecideHotkey(unsigned virtualKey, long lParam, const WindowShowState& window,
                          std::uint32_t options) {
    if (lParam != 0 || virtualKey == 0) return {};
    if (virtualKey != kVkTab) return {HotkeyAction::PostRun, virtualKey};
    if (!window.visible || window.minimized) return {HotkeyAction::ShowNormal, 0};
    if (!window.uncovered) return {HotkeyAction::Raise, 0};
    return {(options & OPT_FNTAB_MINIMIZE) ? HotkeyAction::Minimize : HotkeyAction::ShowMinimized, 0};
}

std::vector<std::pair<int, int>> CornersToTest(const Rect& client, const Rect& fullScreen) {
    const bool left = client.left >= fullScreen.left, right = client.right <= fullScreen.right;
    const bool top = client.top >= fullScreen.top, bottom = client.bottom <= fullScreen.bottom;
    std::vector<std::pair<int, int>> corners;
    if (right && bottom) corners.push_back({client.right, client.bottom});
    if (right && top) corners.push_back({client.right, client.top});
    if (left && top) corners.push_back({client.left, client.top});
    if (left && bottom) corners.push_back({client.left, client.bottom});
    return corners;
}

Rect FullScreenClientArea(const Rect& work, const Rect& primaryWork, int fullWidth, int fullHeight) {
    const std::int64_t lackWidth = std::int64_t{primaryWork.right} - primaryWork.left - fullWidth;
    const std::int64_t lackHeight = std::int64_t{primaryWork.bottom} - primaryWork.top - fullHeight;
    return {work.left, work.top, ClampToInt(work.right - lackWidth), ClampToInt(work.bottom - lackHeight)};
}
