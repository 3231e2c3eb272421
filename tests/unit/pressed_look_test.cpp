#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "face/bmp_decoder.h"
#include "face/face_painter.h"
#include "face/pressed_look.h"
#include "platform/portable/builtin_strings.h"

namespace {
const Colour kWhite = MakeColour(255, 255, 255);
const Colour kDark = MakeColour(128, 128, 128);

Image Art(const std::vector<std::string>& rows) {
    Image image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const char c = rows[y][x];
            image.Set(x, y, c == 'K' ? 0 : c == 'W' ? kWhite : c == 'D' ? kDark
                            : c == 'L' ? MakeColour(192, 192, 192) : MakeColour(0, 128, 0));
        }
    return image;
}

// A picture whose every pixel differs from its neighbours, with some pixels
// in the two bevel colours.
Image Busy(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned n = static_cast<unsigned>(x * 31 + y * 17);
            image.Set(x, y, n % 5 == 0 ? kWhite : n % 7 == 0 ? kDark : MakeColour(n, n >> 8, y));
        }
    return image;
}

Image BuiltInFace() {
    std::ifstream in(std::string(KLV_SOURCE_DIR) + "/resources/face0.bmp", std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    return DecodeBitmapFile(bytes.data(), bytes.size()).value_or(Image());
}

std::vector<FaceKey> BuiltInKeys(int scale = 1) {
    BuiltinStrings strings;
    std::vector<FaceKey> keys;
    std::string descriptor;
    for (unsigned id = 5000; id < 5100; ++id)
        if (strings.Load(id, descriptor)) {
            keys.emplace_back(descriptor, strings);
            Rect& r = keys.back().m_rect;
            r = {r.left * scale, r.top * scale, r.right * scale, r.bottom * scale};
        }
    return keys;
}

PressedLook DefaultScratch() { return PressedLook(LoadScratchSize(BuiltinStrings())); }
} // namespace

TEST(PressedLook, ScratchSizeFromItsText) {
    struct Case {
        std::string text;
        int width, height;
    };
    const Case cases[] = {
        {"120 050", 120, 50}, {"80 25", 80, 5}, // the height starts at the fifth character  {"64", 64, 0},    {"", 0, 0},
        {"abc 12", 0, 12},    {" 12  34", 12, 34}, {"-50 -90", 0, 0}, {"5000 0007", 0, 7},
        {"99999999999999999999 1", 0, 0},
    };
    for (const Case& c : cases) {
        const ScratchSize size = ParseScratchSize(c.text);
        EXPECT_EQ(size.width, c.width) << c.text;
        EXPECT_EQ(size.height, c.height) << c.text;
    }
    const PressedLook look = DefaultScratch();
    EXPECT_EQ(look.ScratchWidth(), 120);
    EXPECT_EQ(look.ScratchHeight(), 50);
}

// Bevel colours swapped over the key, the top moved one pixel right and down
// from inside the outer edge, and the release puts everything back.
TEST(PressedLook, SwapsTheBevelAndShiftsTheTopThenRestores) {
    const Image face = Art({
        "........",
        ".WWWWWD.",
        ".WLKLKD.",
        ".WKLLLD.",
        ".WDKDDD.",
        ".DDDDDD.",
        "........",
    });
    const Image pressed = Art({
        "........",
        ".DDDDDW.",
        ".DLKLKW.",
        ".DKLKLW.",
        ".DWKLLW.",
        ".WWWWWW.",
        "........",
    });
    for (bool debug : {false, true}) {
        Image frame = face;
        PressedLook look = DefaultScratch();
        const Rect key{1, 1, 7, 6};
        look.Press(frame, key, kWhite, kDark, debug);
        Image expected = pressed;
        if (debug)
            for (auto [x, y] : {std::pair{1, 1}, {2, 2}, {3, 3}, {4, 3}, {5, 4}, {6, 5}})
                expected.Set(x, y, 0);
        EXPECT_TRUE(frame == expected) << "debug " << debug;
        look.Release(frame, key);
        EXPECT_TRUE(frame == face);
    }
}

TEST(PressedLook, WithBevelColoursTheFaceDoesNotUseOnlyTheTopMoves) {
    const Image face = BuiltInFace();
    ASSERT_FALSE(face.Empty());
    for (const FaceKey& key : BuiltInKeys()) {
        Image frame = face;
        PressedLook look = DefaultScratch();
        look.Press(frame, key.m_rect, MakeColour(1, 2, 3), MakeColour(4, 5, 6), false);
        const Rect& r = key.m_rect;
        for (int y = 0; y < face.Height(); ++y)
            for (int x = 0; x < face.Width(); ++x) {
                const bool moved = x >= r.left + 2 && x < r.right - 1 && y >= r.top + 2 &&
                                   y < r.bottom - 1;
                const Colour expected = moved ? face.Get(x - 1, y - 1) : face.Get(x, y);
                ASSERT_EQ(frame.Get(x, y), expected) << key.m_strLabel << " " << x << "," << y;
            }
    }
}

TEST(PressedLook, ReleaseRestoresEveryPixelOfEveryKey) {
    struct Case {
        const char* what;
        Image frame;
        int scale;
    };
    const Case cases[] = {
        {"built-in face", BuiltInFace(), 1},
        {"face scaled by 2, keys beyond the scratch", Busy(700, 300), 2},
        {"face scaled by 3, keys partly outside", Busy(700, 300), 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_FALSE(c.frame.Empty());
        PressedLook look = DefaultScratch();
        for (const FaceKey& key : BuiltInKeys(c.scale)) {
            Image frame = c.frame;
            look.Press(frame, key.m_rect, kWhite, kDark, true);
            const bool inside = key.m_rect.left < frame.Width() && key.m_rect.top < frame.Height();
            if (inside) {
                EXPECT_TRUE(frame != c.frame) << key.m_strLabel;
            }
            look.Release(frame, key.m_rect);
            ASSERT_TRUE(frame == c.frame) << key.m_strLabel;
        }
        if (c.scale > 1) {
            EXPECT_GE(look.ScratchWidth(), 117 * 2); // the space bar fitted
        }
    }
}

TEST(PressedLook, KeysFarOutsideTheFrameChangeNothing) {
    const Image face = Busy(40, 30);
    const Rect keys[] = {
        {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
        {INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX},
        {-50, -50, -10, -10},
        {10, 10, 5, 5},
    };
    PressedLook look = DefaultScratch();
    for (const Rect& key : keys) {
        Image frame = face;
        look.Press(frame, key, kWhite, kDark, true);
        look.Release(frame, key);
        EXPECT_TRUE(frame == face);
    }
    Image frame = face;
    look.Release(frame, {0, 0, 40, 30}); // the last press saved nothing to put back
    EXPECT_TRUE(frame == face);
}
