#include <gtest/gtest.h>

#include <windows.h>

#include <optional>

#include "face/bmp_decoder.h"
#include "platform/win32/win32_assets.h"
#include "wine/e2e/klv_face.h"

namespace {
// A bitmap compiled into this binary, as the program reads it.
std::optional<Image> DecodeResource(const char* name) {
    const auto bytes = Win32Assets().LoadBitmapResource(name);
    if (!bytes) return std::nullopt;
    return DecodePackedDib(bytes->data(), bytes->size());
}
} // namespace

// The bitmaps compiled into the program are pixel for pixel the committed
// files, and their names are found whatever their case.
TEST(FaceResources, BuiltInBitmapsMatchTheCommittedFiles) {
    struct Case {
        const char* resource;
        const char* file;
        int width, height;
    };
    const Case cases[] = {
        {"FACE0", "face0.bmp", 322, 136}, {"face1", "face1.bmp", 322, 136},
        {"fnkey", "fnkey.bmp", 20, 20},   {"LIST", "list.bmp", 30, 60},
        {"LargeU", "largeu.bmp", 23, 22}, {"LARGED", "larged.bmp", 23, 22},
        {"SMALLU", "smallu.bmp", 23, 22}, {"smalld", "smalld.bmp", 23, 22},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.resource);
        const auto resource = DecodeResource(c.resource);
        ASSERT_TRUE(resource.has_value());
        EXPECT_EQ(resource->Width(), c.width);
        EXPECT_EQ(resource->Height(), c.height);
        EXPECT_TRUE(*resource == e2e::SourceBitmap(c.file));
    }
    EXPECT_FALSE(Win32Assets().LoadBitmapResource("FACE2").has_value());
}

TEST(FaceResources, IconAndCursorsLoad) {
    HINSTANCE self = GetModuleHandleA(nullptr);
    EXPECT_NE(LoadIconA(self, MAKEINTRESOURCEA(31234)), nullptr);
    EXPECT_NE(LoadCursorA(self, MAKEINTRESOURCEA(110)), nullptr);
    EXPECT_NE(LoadCursorA(self, MAKEINTRESOURCEA(122)), nullptr);
}
