#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "face/bmp_decoder.h"
#include "face/legend_mask.h"

namespace {
using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::size_t at, std::uint32_t v) {
    b[at] = v & 0xFF;
    b[at + 1] = (v >> 8) & 0xFF;
}
void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

// A bitmap file written independently of the decoder. indices run row by row
// from the top of the picture; height < 0 stores the rows top-down.
struct BmpSpec {
    int bitCount = 4;
    int width = 0;
    int height = 0;
    std::vector<Colour> palette;
    std::vector<unsigned> indices;
    std::uint32_t coloursUsed = 0;

    Bytes File() const {
        const std::size_t rows = static_cast<std::size_t>(height < 0 ? -height : height);
        const std::size_t stride = (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
        const std::size_t offset = 54 + 4 * palette.size();
        Bytes b(offset + stride * rows, 0);
        b[0] = 'B';
        b[1] = 'M';
        Put32(b, 2, static_cast<std::uint32_t>(b.size()));
        Put32(b, 10, static_cast<std::uint32_t>(offset));
        Put32(b, 14, 40);
        Put32(b, 18, static_cast<std::uint32_t>(width));
        Put32(b, 22, static_cast<std::uint32_t>(height));
        Put16(b, 26, 1);
        Put16(b, 28, static_cast<std::uint32_t>(bitCount));
        Put32(b, 46, coloursUsed);
        for (std::size_t i = 0; i < palette.size(); ++i) {
            b[54 + 4 * i] = (palette[i] >> 16) & 0xFF; // blue
            b[55 + 4 * i] = (palette[i] >> 8) & 0xFF;  // green
            b[56 + 4 * i] = palette[i] & 0xFF;         // red
        }
        for (std::size_t y = 0; y < rows; ++y) {
            const std::size_t stored = height < 0 ? y : rows - 1 - y;
            for (int x = 0; x < width; ++x) {
                const unsigned index = indices[y * width + x];
                const std::size_t bit = static_cast<std::size_t>(x) * bitCount;
                b[offset + stored * stride + bit / 8] |=
                    static_cast<std::uint8_t>(index << (8 - bitCount - bit % 8));
            }
        }
        return b;
    }

    Image Expected() const {
        const int rows = height < 0 ? -height : height;
        Image image(width, rows);
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < width; ++x) {
                const unsigned index = indices[static_cast<std::size_t>(y) * width + x];
                const std::size_t used = coloursUsed ? coloursUsed : palette.size();
                image.Set(x, y, index < used ? palette[index] : 0);
            }
        return image;
    }
};

std::vector<Colour> Greys(std::size_t count) {
    std::vector<Colour> palette;
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned v = static_cast<unsigned>(i * 255 / (count - 1));
        palette.push_back(MakeColour(v, 255 - v, (v * 7) & 0xFF));
    }
    return palette;
}

BmpSpec Pattern(int bitCount, int width, int height) {
    BmpSpec spec;
    spec.bitCount = bitCount;
    spec.width = width;
    spec.height = height;
    spec.palette = Greys(std::size_t{1} << bitCount);
    const int rows = height < 0 ? -height : height;
    for (int i = 0; i < width * rows; ++i)
        spec.indices.push_back(static_cast<unsigned>(i * 7 + i / width) % spec.palette.size());
    return spec;
}

std::optional<Image> DecodeFile(const Bytes& b) { return DecodeBitmapFile(b.data(), b.size()); }
std::optional<Image> DecodePacked(const Bytes& file) {
    return DecodePackedDib(file.data() + 14, file.size() - 14);
}

Bytes ReadSourceFile(const std::string& relative) {
    std::ifstream in(std::string(KLV_SOURCE_DIR) + "/" + relative, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
} // namespace

TEST(BmpDecoder, DecodesPaletteBitmapsOfEveryDepthAndRowOrder) {
    const BmpSpec cases[] = {
        Pattern(1, 1, 1),  Pattern(1, 13, 5),  Pattern(1, 33, -4), Pattern(4, 7, 3),
        Pattern(4, 8, -6), Pattern(4, 322, 2), Pattern(8, 5, 5),   Pattern(8, 3, -2),
    };
    for (const BmpSpec& spec : cases) {
        SCOPED_TRACE(testing::Message() << spec.bitCount << " bits, " << spec.width << " x "
                                        << spec.height);
        const Bytes file = spec.File();
        const auto fromFile = DecodeFile(file);
        const auto fromPacked = DecodePacked(file);
        ASSERT_TRUE(fromFile && fromPacked);
        EXPECT_TRUE(*fromFile == spec.Expected());
        EXPECT_TRUE(*fromPacked == spec.Expected());
    }
}

TEST(BmpDecoder, ShortColourTableLeavesHigherIndicesBlack) {
    BmpSpec spec = Pattern(4, 6, 2);
    spec.coloursUsed = 3;
    spec.palette.resize(3);
    const auto image = DecodeFile(spec.File());
    ASSERT_TRUE(image);
    EXPECT_TRUE(*image == spec.Expected());
}

TEST(BmpDecoder, RefusesWhatItDoesNotSupportAndLyingHeaders) {
    struct Case {
        const char* what;
        std::size_t offset;
        int size; // bytes written at offset: 2 or 4
        std::uint32_t value;
    };
    const Case cases[] = {
        {"core header size", 14, 4, 12},
        {"larger header size", 14, 4, 108},
        {"zero width", 18, 4, 0},
        {"negative width", 18, 4, 0xFFFFFFF0},
        {"huge width", 18, 4, 0x7FFFFFFF},
        {"width over the limit", 18, 4, kMaxBitmapSide + 1},
        {"zero height", 22, 4, 0},
        {"huge height", 22, 4, 0x7FFFFFFF},
        {"most negative height", 22, 4, 0x80000000},
        {"two planes", 26, 2, 2},
        {"2 bits", 28, 2, 2},
        {"16 bits", 28, 2, 16},
        {"24 bits", 28, 2, 24},
        {"32 bits", 28, 2, 32},
        {"run-length 8", 30, 4, 1},
        {"run-length 4", 30, 4, 2},
        {"bit fields", 30, 4, 3},
        {"data offset past the end", 10, 4, 5000},
        {"data offset near 4 GB", 10, 4, 0xFFFFFFF0},
        {"file size short of the rows", 2, 4, 100},
    };
    const Bytes good = Pattern(4, 20, 10).File();
    ASSERT_TRUE(DecodeFile(good));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bad = good;
        if (c.size == 2)
            Put16(bad, c.offset, c.value);
        else
            Put32(bad, c.offset, c.value);
        EXPECT_FALSE(DecodeFile(bad));
        if (c.offset >= 14) {
            EXPECT_FALSE(DecodePacked(bad));
        }
    }
}

TEST(BmpDecoder, RefusesEveryTruncation) {
    for (const BmpSpec& spec : {Pattern(1, 9, 3), Pattern(8, 4, -3)}) {
        const Bytes file = spec.File();
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

// A face saved as a file decodes to the same picture and legend mask as the
// built-in resource, which holds the same bitmap without the file header.
TEST(BmpDecoder, FaceFileMatchesTheBuiltInFace) {
    for (const char* name : {"resources/face0.bmp", "resources/face1.bmp"}) {
        SCOPED_TRACE(name);
        const Bytes file = ReadSourceFile(name);
        ASSERT_GT(file.size(), 54u);
        EXPECT_EQ(file[28], 4); // 4 bits per pixel
        const auto fromFile = DecodeFile(file);
        const auto builtIn = DecodePacked(file);
        ASSERT_TRUE(fromFile && builtIn);
        EXPECT_EQ(fromFile->Width(), 322);
        EXPECT_EQ(fromFile->Height(), 136);
        EXPECT_TRUE(*fromFile == *builtIn);
        EXPECT_TRUE(LegendMask(*fromFile) == LegendMask(*builtIn));
    }
}
