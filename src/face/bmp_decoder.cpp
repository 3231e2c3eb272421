#include "face/bmp_decoder.h"

#include <algorithm>
#include <array>

namespace {
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

std::uint32_t ReadU16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
std::uint32_t ReadU32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::int64_t ReadS32(const std::uint8_t* p) { return static_cast<std::int32_t>(ReadU32(p)); }

// What the information header says about the pixels.
struct DibLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    std::size_t colourCount = 0; // entries of the colour table
    std::size_t stride = 0;      // bytes per row, padded to 4
    std::size_t PixelBytes() const { return stride * static_cast<std::size_t>(height); }
    std::size_t TableBytes() const { return 4 * colourCount; }
};

std::optional<DibLayout> ReadInfoHeader(const std::uint8_t* header, std::size_t size) {
    if (size < kInfoHeaderSize || ReadU32(header) != kInfoHeaderSize) return std::nullopt;
    const std::int64_t width = ReadS32(header + 4);
    const std::int64_t height = ReadS32(header + 8);
    const std::uint32_t planes = ReadU16(header + 12);
    const std::uint32_t bitCount = ReadU16(header + 14);
    const std::uint32_t compression = ReadU32(header + 16);
    const std::uint32_t coloursUsed = ReadU32(header + 32);
    if (planes != 1 || compression != 0) return std::nullopt;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8) return std::nullopt;
    if (width < 1 || width > kMaxBitmapSide || height == 0 || height < -kMaxBitmapSide ||
        height > kMaxBitmapSide)
        return std::nullopt;

    DibLayout layout;
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height < 0 ? -height : height);
    layout.topDown = height < 0;
    layout.bitCount = static_cast<int>(bitCount);
    const std::size_t fullTable = std::size_t{1} << bitCount;
    layout.colourCount = coloursUsed > 0 && coloursUsed < fullTable ? coloursUsed : fullTable;
    layout.stride = (static_cast<std::size_t>(layout.width) * bitCount + 31) / 32 * 4;
    return layout;
}

Image DecodePixels(const DibLayout& layout, const std::uint8_t* table, const std::uint8_t* bits) {
    std::array<Colour, 256> colours{}; // indices past the table stay black
    for (std::size_t i = 0; i < layout.colourCount; ++i) {
        const std::uint8_t* entry = table + 4 * i; // blue, green, red, unused
        colours[i] = MakeColour(entry[2], entry[1], entry[0]);
    }
    Image image(layout.width, layout.height);
    const int perByte = 8 / layout.bitCount;
    const unsigned mask = (1u << layout.bitCount) - 1;
    for (int y = 0; y < layout.height; ++y) {
        const int storedRow = layout.topDown ? y : layout.height - 1 - y;
        const std::uint8_t* row = bits + static_cast<std::size_t>(storedRow) * layout.stride;
        for (int x = 0; x < layout.width; ++x) {
            // The leftmost pixel sits in the highest bits of its byte.
            const int shift = (perByte - 1 - x % perByte) * layout.bitCount;
            const unsigned index = (row[x / perByte] >> shift) & mask;
            image.Set(x, y, colours[index]);
        }
    }
    return image;
}
} // namespace

std::optional<Image> DecodeBitmapFile(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size < kFileHeaderSize + kInfoHeaderSize) return std::nullopt;
    const auto layout = ReadInfoHeader(data + kFileHeaderSize, size - kFileHeaderSize);
    if (!layout) return std::nullopt;
    const std::size_t tableStart = kFileHeaderSize + kInfoHeaderSize;
    if (size - tableStart < layout->TableBytes()) return std::nullopt;

    // The pixel data runs from the data offset to the stated file size.
    const std::uint64_t fileSize = ReadU32(data + 2);
    const std::uint64_t dataOffset = ReadU32(data + 10);
    const std::uint64_t dataEnd = dataOffset + layout->PixelBytes();
    if (dataEnd > size || dataEnd > fileSize) return std::nullopt;
    return DecodePixels(*layout, data + tableStart, data + dataOffset);
}

std::optional<Image> DecodePackedDib(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr) return std::nullopt;
    const auto layout = ReadInfoHeader(data, size);
    if (!layout) return std::nullopt;
    const std::uint64_t bitsStart = kInfoHeaderSize + layout->TableBytes();
    if (bitsStart + layout->PixelBytes() > size) return std::nullopt;
    return DecodePixels(*layout, data + kInfoHeaderSize, data + bitsStart);
}
