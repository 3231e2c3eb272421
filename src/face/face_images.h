#pragma once
#include <string>

#include "face/face_painter.h"
#include "face/image.h"
#include "face/legend_mask.h"
#include "face/pressed_look.h"

class AssetPort;
class KeyTable;
class StringTable;

// The pictures of the face: the face itself, its legend mask, the frame the
// window shows (keys' states composed on the face, a pressed key drawn on
// top) and the scratch that undoes a pressed key.
class FaceImages {
public:
    FaceImages(AssetPort& assets, const StringTable& strings);

    // Loads the face file at faceFilePath (empty: none), else the bitmap
    // resource resourceName; false when neither gives a picture.
    bool LoadFace(const std::string& resourceName, const std::string& faceFilePath);
    bool BuildLegendMask();
    int Width() const { return m_bmpFace.Width(); }
    int Height() const { return m_bmpFace.Height(); }

    // Composes the face with every key's state; the result is the frame shown.
    const Image& Compose(const KeyTable& keys, const FacePaintStyle& style);
    const Image& CurrentFrame() const { return m_frame; }
    // Draws or undoes the pressed look of rect on the frame; returns the part
    // of the frame that changed.
    Rect DrawKeyPressed(bool down, const Rect& rect, Colour white, Colour darkGray, bool debug);

private:
    AssetPort& m_assets;
    const StringTable& m_strings;
    Image m_bmpFace;
    LegendMask m_bmpMask;
    PressedLook m_bmpKeySave{ScratchSize{}};
    Image m_frame;
};
