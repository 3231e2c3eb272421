#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "face/bmp_decoder.h"
#include "face/image_blit_win32.h"
#include "platform/win32/win32_assets.h"

namespace {
// The committed bitmap file, read through the Z: drive that maps the Unix root.
std::optional<Image> DecodeResource(const char* name) {
    const auto bytes = Win32Assets().LoadBitmapResource(name);
    if (!bytes) return std::nullopt;
    return DecodePackedDib(bytes->data(), bytes->size());
}

std::optional<Image> DecodeSourceFile(const std::string& name) {
    std::ifstream in("Z:" KLV_SOURCE_DIR "/resources/" + name, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    return DecodeBitmapFile(bytes.data(), bytes.size());
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
        const auto file = DecodeSourceFile(c.file);
        ASSERT_TRUE(resource.has_value());
        ASSERT_TRUE(file.has_value());
        EXPECT_EQ(resource->Width(), c.width);
        EXPECT_EQ(resource->Height(), c.height);
        EXPECT_TRUE(*resource == *file);
    }
    EXPECT_FALSE(Win32Assets().LoadBitmapResource("FACE2").has_value());
}

TEST(FaceResources, IconAndCursorsLoad) {
    HINSTANCE self = GetModuleHandleA(nullptr);
    EXPECT_NE(LoadIconA(self, MAKEINTRESOURCEA(31234)), nullptr);
    EXPECT_NE(LoadCursorA(self, MAKEINTRESOURCEA(110)), nullptr);
    EXPECT_NE(LoadCursorA(self, MAKEINTRESOURCEA(122)), nullptr);
}

// Drawing an image puts exactly its colours on a true-colour device.
TEST(FaceResources, DrawImagePutsItsPixelsAtThePlaceGiven) {
    Image image(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) image.Set(x, y, MakeColour(10 + x * 40, 20 + y * 50, 200 - x));

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = 12;
    info.bmiHeader.biHeight = -8;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP target = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(target, nullptr);
    HGDIOBJ old = SelectObject(dc, target);
    PatBlt(dc, 0, 0, 12, 8, WHITENESS);

    EXPECT_TRUE(DrawImage(dc, 4, 2, image));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool inside = x >= 4 && x < 9 && y >= 2 && y < 5;
            const COLORREF expected = inside ? image.Get(x - 4, y - 2) : RGB(255, 255, 255);
            EXPECT_EQ(GetPixel(dc, x, y), expected) << x << "," << y;
        }

    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}
