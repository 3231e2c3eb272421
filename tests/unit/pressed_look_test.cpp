#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "face/face_painter.h"
#include "face/pressed_look.h"
#include "pictures.h"
#include "platform/portable/builtin_strings.h"

namespace {
const Colour kWhite = MakeColour(255, 255, 255);
const Colour kDark = MakeColour(128, 128, 128);

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

PressedLook DefaultScratch() { return PressedLook(LoadScratchSize(BuiltinStrings())); }
} // namespace

// The height starts at the fifth character; numbers out of range are 0.
TEST(PressedLook, ScratchSizeFromItsText) {
    for (const auto& [text, size] : {std::pair{"120 050", "120x50"}, {"80 25", "80x5"}, {"64", "64x0"},
                                     {"abc 12", "0x12"}, {"-50 -90", "0x0"}, {"5000 0007", "0x7"}}) {
        const ScratchSize parsed = ParseScratchSize(text);
        EXPECT_EQ(std::to_string(parsed.width) + "x" + std::to_string(parsed.height), size) << text;
    }
    const PressedLook look = DefaultScratch();
    EXPECT_EQ(look.ScratchWidth(), 120);
    EXPECT_EQ(look.ScratchHeight(), 50);
}

// Bevel colours swapped over the key, the top moved one pixel right and down
// from inside the outer edge, and the release puts everything back.
TEST(PressedLook, SwapsTheBevelAndShiftsTheTopThenRestores) {
    const Image face =
        Art({"........", ".WWWWWD.", ".WLKLKD.", ".WKLLLD.", ".WDKDDD.", ".DDDDDD.", "........"});
    const Image pressed =
        Art({"........", ".DDDDDW.", ".DLKLKW.", ".DKLKLW.", ".DWKLLW.", ".WWWWWW.", "........"});
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

// Every key of the built-in table, on its face and scaled by 3 on a larger
// picture: keys partly outside it and keys larger than the scratch.
TEST(PressedLook, ReleaseRestoresEveryPixelOfEveryKey) {
    BuiltinStrings strings;
    for (int scale : {1, 3}) {
        SCOPED_TRACE(scale);
        const Image face = scale == 1 ? ResourcePicture("face0.bmp") : Busy(700, 300);
        ASSERT_FALSE(face.Empty());
        PressedLook look = DefaultScratch();
        std::string descriptor;
        for (unsigned id = 5000; id < 5100; ++id) {
            if (!strings.Load(id, descriptor)) continue;
            const Rect r = FaceKey(descriptor, strings).m_rect;
            const Rect key{r.left * scale, r.top * scale, r.right * scale, r.bottom * scale};
            Image frame = face;
            look.Press(frame, key, kWhite, kDark, true);
            if (key.left < face.Width() && key.top < face.Height()) {
                EXPECT_TRUE(frame != face) << descriptor;
            }
            look.Release(frame, key);
            ASSERT_TRUE(frame == face) << descriptor;
        }
        EXPECT_EQ(look.ScratchWidth() > 120, scale > 1); // the space bar did not fit
    }
}

TEST(PressedLook, KeysFarOutsideTheFrameChangeNothing) {
    const Image face = Busy(40, 30);
    PressedLook look = DefaultScratch();
    for (const Rect& key : {Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX},
                            Rect{INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX},
                            Rect{-50, -50, -10, -10}, Rect{10, 10, 5, 5}}) {
        Image frame = face;
        look.Press(frame, key, kWhite, kDark, true);
        look.Release(frame, key);
        EXPECT_TRUE(frame == face);
    }
    Image frame = face;
    look.Release(frame, {0, 0, 40, 30}); // the last press saved nothing to put back
    EXPECT_TRUE(frame == face);
    // The area a press may change: corners in either order, edges at the int limits kept there.
    EXPECT_EQ(PressedArea({10, 10, 5, INT_MAX}), (Rect{5, 10, 11, INT_MAX}));
}

// A picture keeps every pixel's colour when its 257th colour arrives, and
// pictures compare by colour, whichever way each keeps its pixels. (Copies
// within one picture are the pressed look's shift of the key's top.)
TEST(Image, ManyColoursAreKeptExactly) {
    Image many(20, 15); // 300 colours
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x) many.Set(x, y, static_cast<Colour>(100 * y + x));
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
