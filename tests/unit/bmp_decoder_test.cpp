#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "face/bmp_decoder.h"

namespace {
using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& b, std::size_t at, std::uint32_t v, int size = 4) {
    for (int i = 0; i < size; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A bitmap file written independently of the decoder, with a pattern of
// palette indices and a palette of distinct colours, and the picture it
// holds; height < 0 stores the rows top-down. A table shorter than the depth
// allows leaves the higher indices black.
struct BmpShape {
    int bitCount, width, height;
    std::uint32_t coloursUsed = 0; // 0: the full table

    std::pair<Bytes, Image> FileAndPicture() const {
        const int rows = height < 0 ? -height : height;
        const std::size_t stride = (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
        const std::size_t entries = coloursUsed ? coloursUsed : std::size_t{1} << bitCount;
        const std::size_t offset = 54 + 4 * entries;
        Bytes b(offset + stride * static_cast<std::size_t>(rows), 0);
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
        std::vector<Colour> palette(std::size_t{1} << bitCount, 0);
        for (unsigned i = 0; i < entries; ++i) { // blue, green, red, unused
            palette[i] = MakeColour(i * 37 % 256, 255 - i, i * 5 % 256);
            Put(b, 54 + 4 * i, (palette[i] & 0xFF) << 16 | (palette[i] & 0xFF00) | palette[i] >> 16);
        }
        Image picture(width, rows);
        for (int y = 0; y < rows; ++y) {
            const std::size_t stored = static_cast<std::size_t>(height < 0 ? y : rows - 1 - y);
            for (int x = 0; x < width; ++x) {
                const unsigned index = static_cast<unsigned>(x * 7 + y * 3) % (1u << bitCount);
                const std::size_t bit = static_cast<std::size_t>(x) * bitCount;
                b[offset + stored * stride + bit / 8] |=
                    static_cast<std::uint8_t>(index << (8 - bitCount - bit % 8));
                picture.Set(x, y, palette[index]);
            }
        }
        return {b, picture};
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
        const auto [file, picture] = shape.FileAndPicture();
        const auto fromFile = DecodeFile(file);
        const auto fromPacked = DecodePacked(file);
        ASSERT_TRUE(fromFile && fromPacked);
        EXPECT_TRUE(*fromFile == picture);
        EXPECT_TRUE(*fromPacked == picture);
    }
}

// Headers it does not support or that lie, and every truncation of a file
// (a copy of exactly that length, so that a read past it is caught).
TEST(BmpDecoder, RefusesWhatItDoesNotSupportLyingHeadersAndEveryTruncation) {
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
    const Bytes good = BmpShape{4, 20, 10}.FileAndPicture().first;
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
    for (const BmpShape& shape : {BmpShape{1, 9, 3}, BmpShape{8, 4, -3}}) {
        const Bytes file = shape.FileAndPicture().first;
        for (std::size_t size = 0; size < file.size(); ++size) {
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
