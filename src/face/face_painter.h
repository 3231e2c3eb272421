#pragma once
#include <cstdint>
#include <vector>

#include "face/image.h"
#include "face/legend_mask.h"
#include "model/face_key.h"

// What the face painting needs beside the picture and the keys.
struct FacePaintStyle {
    Colour highlite = MakeColour(0, 0, 255); // legends of assigned keys
    Colour disable = MakeColour(128, 128, 128); // legends of keys that cannot be assigned
    Colour mark = MakeColour(255, 0, 0);     // corner mark of popup-list keys
    std::uint32_t options = 0;               // the options word; OPT_NOMARK hides the marks
    bool debug = false;                      // draw every key's diagonal
};

// The face with the state of every key drawn on it. keys are the keys in
// load order (null entries are passed over). Per key: the diagonal when
// debugging; nothing more for a free key (assignable, not assigned); else
// the legend pixels inside the key's inner rectangle (its rectangle shrunk
// by 2) take the highlite colour (assigned) or the disable colour (not
// assignable), and a popup-list key gets its corner mark while marks are on.
// Keys may lie partly or wholly outside the face; what falls outside is dropped.
Image ComposeFrame(const Image& face, const LegendMask& mask,
                   const std::vector<const FaceKey*>& keys, const FacePaintStyle& style);
// The same, drawn onto frame, which holds the face.
void PaintKeyStates(Image& frame, const LegendMask& mask, const std::vector<const FaceKey*>& keys,
                    const FacePaintStyle& style);

// The debug diagonal of a key: a black line from (left, top) towards
// (right, bottom), the end point left out, as a one-pixel pen draws it.
void DrawKeyDiagonal(Image& frame, const Rect& key);
