// The main window's face: loading the picture and drawing the keys' states.
#include "app/keyboard_frame.h"
#include "face/bmp_decoder.h"
#include "face/face_painter.h"
#include "platform/ports/asset_port.h"
#include "platform/ports/window_port.h"

namespace {
std::optional<Image> DecodeFile(const std::optional<std::vector<std::uint8_t>>& bytes) {
    if (!bytes) return std::nullopt;
    return DecodeBitmapFile(bytes->data(), bytes->size());
}

std::optional<Image> DecodeResource(const std::optional<std::vector<std::uint8_t>>& bytes) {
    if (!bytes) return std::nullopt;
    return DecodePackedDib(bytes->data(), bytes->size());
}
} // namespace

bool CKeyboardFrame::LoadFace(const std::string& resourceName) {
    m_bmpKeySave = PressedLook(LoadScratchSize(*m_ports.strings));
    AssetPort& assets = *m_ports.assets;
    std::optional<Image> face;
    // A face file in the Windows directory wins unless the built-in faces are forced;
    // one the decoder refuses counts as absent.
    if (!(m_nOptions & OPT_NOOVERRIDE))
        face = DecodeFile(assets.ReadFile(m_strWindowsDir + "\\" + m_strFaceFile));
    if (!face) face = DecodeResource(assets.LoadBitmapResource(resourceName));
    if (!face) return false;
    m_bmpFace = std::move(*face);
    m_frame = m_bmpFace;
    return BuildLegendMask();
}

bool CKeyboardFrame::BuildLegendMask() {
    m_bmpMask = LegendMask(m_bmpFace);
    return true;
}

const Image& CKeyboardFrame::OnPaint() {
    // Painting walks the load order and paints what each character finds in the map.
    std::vector<const FaceKey*> keys;
    keys.reserve(static_cast<std::size_t>(m_nKeys));
    for (int i = 0; i < m_nKeys; ++i) keys.push_back(FindKey(std::string(1, m_keyChars[i])));
    FacePaintStyle style;
    style.highlite = m_crHighlite;
    style.disable = m_crDisable;
    style.mark = m_crMark;
    style.options = m_nOptions;
    style.debug = m_bDebug != 0;
    m_frame = ComposeFrame(m_bmpFace, m_bmpMask, keys, style);
    return m_frame;
}

void CKeyboardFrame::DrawKeyPressed(bool down, const Rect& rect) {
    if (down) {
        m_rectPressed = rect;
        m_bmpKeySave.Press(m_frame, rect, m_crWhite, m_crDarkGray, m_bDebug != 0);
    } else {
        m_bmpKeySave.Release(m_frame, rect);
    }
    // The saved area reaches one pixel past the key's right and bottom edges.
    m_ports.window->RedrawFrameRect(Rect{rect.left, rect.top, rect.right + 1, rect.bottom + 1});
}
