#pragma once
// What the end-to-end tests compare the Kelvane window with: the committed
// face bitmaps, the built-in key table, and face files written for a test.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "face/image.h"
#include "model/geometry.h"
#include "wine/e2e/klv_process.h"

namespace e2e {

constexpr int kFaceWidth = 322; // both built-in faces
constexpr int kFaceHeight = 136;

// The bytes of a committed file under resources/ (the source tree, through Z:).
std::string SourceResourceBytes(const std::string& name);
// A committed bitmap under resources/, decoded with the program's own decoder;
// an empty image when it cannot be read.
Image SourceBitmap(const std::string& name);

// One key of a built-in key table as the string table, which the test binary
// carries too, describes it.
struct BuiltInKey {
    std::string name; // "A", "SP", ...
    Rect rect;
};
std::vector<BuiltInKey> BuiltInKeys(int faceIndex);
// The key of that name; a test failure and an empty rectangle when there is none.
Rect KeyRect(const std::vector<BuiltInKey>& keys, const std::string& name);

// The pixels of a key's inner rectangle (its rectangle shrunk by 2 on every
// side) that are pure black on the face: the legend that painting recolours.
std::vector<POINT> InnerLegendPixels(const Image& face, const Rect& key);

// True when the capture shows the image at its top-left corner pixel for
// pixel; otherwise says how many pixels differ and where the first is.
::testing::AssertionResult ShowsImage(const Capture& capture, const Image& image);

// Whether the window's client area comes to show the image at its top-left
// corner within a few seconds: the window's thread paints in its own time,
// and the display takes the painted pixels a moment later still.
::testing::AssertionResult ComesToShow(const KlvProcess& klv, const Image& image);

// The image as an uncompressed 8-bit palette bitmap file; at most 256 colours.
std::string EncodeBitmap8(const Image& image);

} // namespace e2e
