#include "face/face_images.h"

#include "face/bmp_decoder.h"
#include "model/key_table.h"
#include "platform/ports/asset_port.h"

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

FaceImages::FaceImages(AssetPort& assets, const StringTable& strings)
    : m_assets(assets), m_strings(strings) {}

bool FaceImages::LoadFace(const std::string& resourceName, const std::string& faceFilePath) {
    m_bmpKeySave = PressedLook(LoadScratchSize(m_strings));
    std::optional<Image> face;
    // A face file the decoder refuses counts as absent.
    if (!faceFilePath.empty()) face = DecodeFile(m_assets.ReadFile(faceFilePath));
    if (!face) face = DecodeResource(m_assets.LoadBitmapResource(resourceName));
    if (!face) return false;
    m_bmpFace = std::move(*face);
    return BuildLegendMask();
}

// The frame shows the plain face until the keys are composed on it.
bool FaceImages::BuildLegendMask() {
    m_frame = m_bmpFace;
    m_bmpMask = LegendMask(m_frame);
    return true;
}

const Image& FaceImages::Compose(const KeyTable& keys, const FacePaintStyle& style) {
    // Painting walks the load order and paints what each character finds.
    std::vector<const FaceKey*> painted;
    painted.reserve(static_cast<std::size_t>(keys.Count()));
    for (int i = 0; i < keys.Count(); ++i)
        painted.push_back(keys.FindKey(keys.InLoadOrder(i).m_strKey));
    m_frame = m_bmpFace;
    PaintKeyStates(m_frame, m_bmpMask, painted, style);
    return m_frame;
}

Rect FaceImages::DrawKeyPressed(bool down, const Rect& rect, Colour white, Colour darkGray,
                                bool debug) {
    if (down)
        m_bmpKeySave.Press(m_frame, rect, white, darkGray, debug);
    else
        m_bmpKeySave.Release(m_frame, rect);
    return PressedArea(rect);
}
