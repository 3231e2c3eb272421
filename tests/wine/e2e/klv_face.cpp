#include "wine/e2e/klv_face.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "face/bmp_decoder.h"

namespace e2e {
namespace {

// Success when the capture shows the image at its top-left corner pixel for
// pixel; otherwise how many pixels differ and where the first is.
::testing::AssertionResult ShowsImage(const Image& shown, const Image& image) {
    if (image.Empty()) return ::testing::AssertionFailure() << "no image to compare with";
    int differing = 0;
    std::ostringstream first;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (shown.Get(x, y) != image.Get(x, y) && differing++ == 0)
                first << "first at (" << x << "," << y << "): shown 0x" << std::hex
                      << shown.Get(x, y) << ", expected 0x" << image.Get(x, y);
    if (differing == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differing << " pixels differ, " << first.str();
}

} // namespace

Image SourceBitmap(const std::string& name) {
    std::ifstream in("Z:" KLV_SOURCE_DIR "/resources/" + name, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    auto image =
        DecodeBitmapFile(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return image ? *image : Image();
}

std::map<std::string, Rect> BuiltInKeys(int faceIndex) {
    std::map<std::string, Rect> keys;
    // Descriptors are strings 5000 + 100 x face + position:
    // "code assignable reserved name left top width height".
    for (int position = 0; position < 100; ++position) {
        char text[256] = "", name[20] = "";
        const UINT id = static_cast<UINT>(5000 + 100 * faceIndex + position);
        int code, assignable, reserved, left, top, width, height;
        if (LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text) > 0 &&
            std::sscanf(text, "%d %d %d %19s %d %d %d %d", &code, &assignable, &reserved, name,
                        &left, &top, &width, &height) == 8)
            keys[name] = Rect{left, top, left + width, top + height};
    }
    return keys;
}

::testing::AssertionResult ComesToShow(const KlvProcess& klv, const Image& image) {
    const ULONGLONG deadline = GetTickCount64() + 3000;
    for (;;) {
        RedrawWindow(klv.Window(), nullptr, nullptr, RDW_UPDATENOW);
        auto shown = ShowsImage(klv.CaptureClient(), image);
        if (shown || GetTickCount64() >= deadline) return shown;
        Sleep(25);
    }
}

} // namespace e2e
