#include <gtest/gtest.h>

#include "face/image.h"

namespace {
Image Numbered(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.Set(x, y, static_cast<Colour>(100 * y + x));
    return image;
}
} // namespace

// Copies within one picture give what a copy through a separate buffer gives,
// whichever way the areas overlap, and copies are clipped at every edge.
TEST(Image, CopiesAreClippedAndSafeWhenAreasOverlap) {
    struct Case {
        long long srcX, srcY, width, height, dstX, dstY;
    };
    const Case cases[] = {
        {1, 1, 4, 3, 2, 2}, {2, 2, 4, 3, 1, 1}, {0, 1, 6, 3, 0, 0}, {0, 0, 6, 3, 0, 1},
        {1, 0, 3, 5, 0, 0}, {0, 0, 3, 5, 1, 0}, {-2, -1, 5, 4, 3, 2}, {4, 3, 9, 9, -1, -2},
        {0, 0, 6, 5, 100, 0}, {0, 0, -3, 2, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.srcX << "," << c.srcY << " " << c.width << "x"
                                        << c.height << " to " << c.dstX << "," << c.dstY);
        const Image original = Numbered(6, 5);
        Image expected = original;
        for (long long y = 0; y < c.height; ++y)
            for (long long x = 0; x < c.width; ++x) {
                const Colour pixel = original.Get(c.srcX + x, c.srcY + y);
                if (pixel != Image::kNoPixel) expected.Set(c.dstX + x, c.dstY + y, pixel);
            }
        Image within = original;
        within.Copy(within, c.srcX, c.srcY, c.width, c.height, c.dstX, c.dstY);
        EXPECT_TRUE(within == expected);
        Image between = original;
        between.Copy(original, c.srcX, c.srcY, c.width, c.height, c.dstX, c.dstY);
        EXPECT_TRUE(between == expected);
    }
}

// A picture keeps every pixel's colour when its 257th colour arrives, and
// pictures compare by colour, whichever way each keeps its pixels.
TEST(Image, ManyColoursAreKeptExactly) {
    const Image many = Numbered(20, 15); // 300 colours
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(many.Get(x, y), static_cast<Colour>(100 * y + x));
    Image few(20, 15);
    few.Copy(many, 0, 0, 20, 2, 0, 0); // 40 colours: still a palette
    Image fewAgain = many;
    for (int y = 2; y < 15; ++y)
        for (int x = 0; x < 20; ++x) fewAgain.Set(x, y, 0);
    EXPECT_TRUE(few == fewAgain);
    fewAgain.Set(19, 14, 7);
    EXPECT_FALSE(few == fewAgain);
}
