#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "face/bmp_decoder.h"

namespace {
using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& b, std::size_t at, std::uint32_t v, int size = 4) {
    for (int i = 0; i < size; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A bitmap file written independently of the decoder, with a pattern of
// palette indices and a palette of distinct colours; height < 0 stores the
// rows top-down. A table shorter than the depth allows leaves the higher
// indices black.
struct BmpShape {
    int bitCount, width, height;
    std::uint32_t coloursUsed = 0; // 0: the full table

    unsigned Index(int x, int y) const {
        return static_cast<unsigned>(x * 7 + y * 3) % (1u << bitCount);
    }
    Colour PaletteEntry(unsigned i) const { return MakeColour(i * 37 % 256, 255 - i, i * 5 % 256); }
    std::size_t Rows() const { return static_cast<std::size_t>(height < 0 ? -height : height); }

    Bytes File() const {
        const std::size_t stride = (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
        const std::size_t entries = coloursUsed ? coloursUsed : std::size_t{1} << bitCount;
        const std::size_t offset = 54 + 4 * entries;
        Bytes b(offset + stride * Rows(), 0);
        b[0] = 'B';
        b[1] = 'M';
        Put(b, 2, static_cast<std::uint32_t>(b.size()));
        Put(b, 10, static_cast<std::uint32_t>(offset));
        Put(b, 14, 40);
        Put(b, 18, static_cast<std::uint32_t>(width));
        Put(b, 22, static_cast<std::uint32_t>(height));
        Put(b, 26, 1, 2);
        Put(b, 28, static_cast<std::uint32_t>(bitCount), 2);
        Put(b, 46, coloursUsed);
        for (unsigned i = 0; i < entries; ++i) { // blue, green, red, unused
            const Colour c = PaletteEntry(i);
            Put(b, 54 + 4 * i, (c & 0xFF) << 16 | (c & 0xFF00) | c >> 16);
        }
        for (std::size_t y = 0; y < Rows(); ++y) {
            const std::size_t stored = height < 0 ? y : Rows() - 1 - y;
            for (int x = 0; x < width; ++x) {
                const std::size_t bit = static_cast<std::size_t>(x) * bitCount;
                b[offset + stored * stride + bit / 8] |= static_cast<std::uint8_t>(
                    Index(x, static_cast<int>(y)) << (8 - bitCount - bit % 8));
            }
        }
        return b;
    }

    Image Expected() const {
        Image image(width, static_cast<int>(Rows()));
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < width; ++x) {
                const unsigned index = Index(x, y);
                image.Set(x, y, !coloursUsed || index < coloursUsed ? PaletteEntry(index) : 0);
            }
        return image;
    }
};

std::optional<Image> DecodeFile(const Bytes& b) { return DecodeBitmapFile(b.data(), b.size()); }
std::optional<Image> DecodePacked(const Bytes& file) {
    return DecodePackedDib(file.data() + 14, file.size() - 14);
}
} // namespace

TEST(BmpDecoder, DecodesPaletteBitmapsOfEveryDepthAndRowOrder) {
    const BmpShape cases[] = {{1, 13, 5}, {1, 33, -4}, {4, 7, 3}, {4, 6, 2, 3}, {8, 5, -5}};
    for (const BmpShape& shape : cases) {
        SCOPED_TRACE(testing::Message() << shape.bitCount << " bits, " << shape.width << " x "
                                        << shape.height);
        const Bytes file = shape.File();
        const auto fromFile = DecodeFile(file);
        const auto fromPacked = DecodePacked(file);
        ASSERT_TRUE(fromFile && fromPacked);
        EXPECT_TRUE(*fromFile == shape.Expected());
        EXPECT_TRUE(*fromPacked == shape.Expected());
    }
}

TEST(BmpDecoder, RefusesWhatItDoesNotSupportAndLyingHeaders) {
    const struct {
        const char* what;
        std::size_t offset;
        int size; // bytes written at offset: 2 or 4
        std::uint32_t value;
    } cases[] = {
        {"core header size", 14, 4, 12},
        {"zero width", 18, 4, 0},
        {"width over the limit", 18, 4, kMaxBitmapSide + 1},
        {"zero height", 22, 4, 0},
        {"most negative height", 22, 4, 0x80000000},
        {"two planes", 26, 2, 2},
        {"2 bits", 28, 2, 2},
        {"run-length", 30, 4, 1},
        {"data offset past the end", 10, 4, 5000},
        {"data offset near 4 GB", 10, 4, 0xFFFFFFF0},
        {"file size short of the rows", 2, 4, 100},
    };
    const Bytes good = BmpShape{4, 20, 10}.File();
    ASSERT_TRUE(DecodeFile(good));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bad = good;
        Put(bad, c.offset, c.value, c.size);
        EXPECT_FALSE(DecodeFile(bad));
        if (c.offset >= 14) {
            EXPECT_FALSE(DecodePacked(bad));
        }
    }
}

TEST(BmpDecoder, RefusesEveryTruncation) {
    for (const BmpShape& shape : {BmpShape{1, 9, 3}, BmpShape{8, 4, -3}}) {
        const Bytes file = shape.File();
        for (std::size_t size = 0; size < file.size(); ++size) {
            // A copy of exactly that length, so that a read past it is caught.
            const Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
            EXPECT_FALSE(DecodeBitmapFile(cut.data(), cut.size())) << size;
            if (size >= 14) {
                EXPECT_FALSE(DecodePackedDib(cut.data() + 14, cut.size() - 14)) << size;
            }
        }
    }
    EXPECT_FALSE(DecodeBitmapFile(nullptr, 100));
    EXPECT_FALSE(DecodePackedDib(nullptr, 100));
}

