#pragma once
// What the end-to-end tests compare the Kelvane window with: the committed
// face bitmaps and the built-in key table.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "face/image.h"
#include "wine/e2e/klv_process.h"

namespace e2e {

constexpr int kFaceWidth = 322; // both built-in faces
constexpr int kFaceHeight = 136;

// A committed bitmap under resources/ (the source tree, through Z:), decoded
// with the program's own decoder; an empty image when it cannot be read.
Image SourceBitmap(const std::string& name);

// The rectangles of a built-in key table by key name ("A", "SP", ...), as the
// string table, which the test binary carries too, describes them.
std::map<std::string, Rect> BuiltInKeys(int faceIndex);

// Whether the window's client area comes to show the image at its top-left
// corner within a few seconds: the window's thread paints in its own time,
// and the display takes the painted pixels a moment later still.
::testing::AssertionResult ComesToShow(const KlvProcess& klv, const Image& image);

} // namespace e2e
