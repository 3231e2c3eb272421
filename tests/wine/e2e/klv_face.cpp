#include "wine/e2e/klv_face.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "face/bmp_decoder.h"

namespace e2e {
namespace {

void PutU16(std::string& out, std::size_t at, unsigned value) {
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void PutU32(std::string& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace

std::string SourceResourceBytes(const std::string& name) {
    std::ifstream in("Z:" KLV_SOURCE_DIR "/resources/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Image SourceBitmap(const std::string& name) {
    const std::string bytes = SourceResourceBytes(name);
    auto image =
        DecodeBitmapFile(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return image ? *image : Image();
}

std::vector<BuiltInKey> BuiltInKeys(int faceIndex) {
    std::vector<BuiltInKey> keys;
    // Descriptors are strings 5000 + 100 x face + position:
    // "code assignable reserved name left top width height".
    for (int position = 0; position < 100; ++position) {
        char text[256] = "";
        const UINT id = static_cast<UINT>(5000 + 100 * faceIndex + position);
        if (LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text) <= 0) continue;
        int code = 0, assignable = 0, reserved = 0, left = 0, top = 0, width = 0, height = 0;
        char name[20] = "";
        if (std::sscanf(text, "%d %d %d %19s %d %d %d %d", &code, &assignable, &reserved, name,
                        &left, &top, &width, &height) != 8)
            continue;
        keys.push_back({name, Rect{left, top, left + width, top + height}});
    }
    return keys;
}

Rect KeyRect(const std::vector<BuiltInKey>& keys, const std::string& name) {
    for (const BuiltInKey& key : keys)
        if (key.name == name) return key.rect;
    ADD_FAILURE() << "no built-in key " << name;
    return Rect{};
}

std::vector<POINT> InnerLegendPixels(const Image& face, const Rect& key) {
    std::vector<POINT> pixels;
    for (int y = key.top + 2; y < key.bottom - 2; ++y)
        for (int x = key.left + 2; x < key.right - 2; ++x)
            if (face.Get(x, y) == 0) pixels.push_back(POINT{x, y});
    return pixels;
}

::testing::AssertionResult ShowsImage(const Capture& capture, const Image& image) {
    if (image.Empty()) return ::testing::AssertionFailure() << "no image to compare with";
    if (capture.width < image.Width() || capture.height < image.Height()) {
        return ::testing::AssertionFailure()
               << "capture " << capture.width << "x" << capture.height << " is smaller than "
               << image.Width() << "x" << image.Height();
    }
    int differing = 0;
    std::ostringstream first;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const COLORREF shown = capture.At(x, y);
            if (shown == image.Get(x, y)) continue;
            if (differing++ == 0) {
                first << "first at (" << x << "," << y << "): shown 0x" << std::hex << shown
                      << ", expected 0x" << image.Get(x, y);
            }
        }
    }
    if (differing == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differing << " pixels differ, " << first.str();
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

std::string EncodeBitmap8(const Image& image) {
    std::map<Colour, int> palette;
    for (Colour colour : image.Pixels())
        palette.emplace(colour, 0);
    if (palette.size() > 256) {
        ADD_FAILURE() << "more than 256 colours";
        return std::string();
    }
    int index = 0;
    for (auto& entry : palette)
        entry.second = index++;

    // A full table of 256 entries, as every reader of the format takes it.
    const std::size_t tableSize = 4 * 256;
    const std::size_t stride = (static_cast<std::size_t>(image.Width()) + 3) / 4 * 4;
    const std::size_t dataOffset = 14 + 40 + tableSize;
    std::string out(dataOffset + stride * image.Height(), '\0');
    out[0] = 'B';
    out[1] = 'M';
    PutU32(out, 2, static_cast<std::uint32_t>(out.size()));
    PutU32(out, 10, static_cast<std::uint32_t>(dataOffset));
    PutU32(out, 14, 40);
    PutU32(out, 18, static_cast<std::uint32_t>(image.Width()));
    PutU32(out, 22, static_cast<std::uint32_t>(image.Height()));
    PutU16(out, 26, 1);
    PutU16(out, 28, 8);
    for (const auto& [colour, i] : palette) {
        const std::size_t at = 54 + 4 * static_cast<std::size_t>(i);
        out[at] = static_cast<char>((colour >> 16) & 0xFF); // blue, green, red, 0
        out[at + 1] = static_cast<char>((colour >> 8) & 0xFF);
        out[at + 2] = static_cast<char>(colour & 0xFF);
    }
    for (int y = 0; y < image.Height(); ++y) {
        const std::size_t row = dataOffset + stride * (image.Height() - 1 - y); // bottom-up
        for (int x = 0; x < image.Width(); ++x)
            out[row + x] = static_cast<char>(palette.at(image.Get(x, y)));
    }
    return out;
}

} // namespace e2e
