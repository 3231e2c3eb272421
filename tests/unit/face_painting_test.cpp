// Pictures of the face: legends coloured by the key states, the debug
// diagonal, keys outside the face, the pressed look and its release, and how
// a picture keeps its colours, and the whole multiple the window draws it at.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "common/options.h"
#include "face/face_painter.h"
#include "face/face_scale.h"
#include "face/pressed_look.h"
#include "pictures.h"
#include "platform/portable/builtin_strings.h"

namespace {
const Colour kBlack = MakeColour(0, 0, 0);
const Colour kHighlite = MakeColour(0, 0, 255);
const Colour kDisable = MakeColour(200, 100, 50);
const Colour kMark = MakeColour(255, 0, 0);

// One key at (2, 2), 10 x 8. Black legend pixels lie inside its inner
// rectangle; black pixels also lie on its two-pixel border and one outside it.
Image OneKeyFace() {
    return Art({"..............", "..............", "..WWWWWWWWWD..", "..WKLLLLLLDD..",
                "..WLKLLKLLDD..", "..WLLKKLLKDD.K", "..WLLLLLKLDD..", "..WLLKLLLLDD..",
                "..WLLLLLLKDD..", "..DDDDDDDDDD..", ".............."});
}

FaceKey Key(const std::string& descriptor, int assigned = 0, const std::string& command = "none") {
    FaceKey key(descriptor, BuiltinStrings());
    key.m_bAssigned = assigned;
    key.m_strCommand = command;
    return key;
}

Image Paint(const Image& face, const std::vector<const FaceKey*>& keys, std::uint32_t options = 0,
            bool debug = false) {
    const FacePaintStyle style{kHighlite, kDisable, kMark, options, debug};
    return ComposeFrame(face, LegendMask(face), keys, style);
}

// The face with every black pixel of the area (left, top)-(right, bottom) in colour.
Image Recoloured(const Image& face, int left, int top, int right, int bottom, Colour colour) {
    Image expected = face;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (face.Get(x, y) == kBlack) expected.Set(x, y, colour);
    return expected;
}

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

// An assigned key's legend takes the highlite colour and a key that cannot be
// assigned the disable colour, inside the inner rectangle only; a popup list
// is marked in its corner while marks are on.
TEST(FacePainter, LegendsTakeTheColourOfTheKeyStateAndPopupListsTheirMark) {
    const struct {
        const char* what;
        std::string command;
        int assignable, assigned;
        std::uint32_t options;
        Colour legend; // 0: unchanged
        bool marked;
    } cases[] = {
        {"free key with a stale popup command: unchanged", "@Games", 1, 0, 0, 0, false},
        {"assigned key", "notepad.exe", 1, 1, 0, kHighlite, false},
        {"key that cannot be assigned", "none", 0, 0, 0, kDisable, false},
        {"popup list, marks on", "@Games", 1, 1, 0, kHighlite, true},
        {"popup list, marks off", "@Games", 1, 1, OPT_NOMARK, kHighlite, false},
        {"popup list on a disabled key", "@Games", 0, 1, 0, kDisable, true},
        {"direct command naming a list later", "run @Games", 1, 1, 0, kHighlite, false},
    };
    const Image face = OneKeyFace();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FaceKey key = Key("65 1 0 A 2 2 10 8", c.assigned, c.command);
        key.m_bAssignable = c.assignable;
        Image expected = c.legend ? Recoloured(face, 4, 4, 10, 8, c.legend) : face;
        if (c.marked) // the inner rectangle's corner is (4, 4)
            for (auto [x, y] : {std::pair{3, 3}, {3, 4}, {3, 5}, {4, 4}, {4, 3}, {5, 3}})
                expected.Set(x, y, kMark);
        EXPECT_TRUE(Paint(face, {&key}, c.options) == expected);
    }
}

TEST(FacePainter, DebugDiagonalOnEveryKeyWithoutItsEndPoint) {
    const struct {
        std::string descriptor;
        std::vector<std::pair<int, int>> pixels;
    } cases[] = {
        {"65 1 0 A 1 2 5 2", {{1, 2}, {2, 2}, {3, 3}, {4, 3}, {5, 4}}}, // halves round towards zero
        {"65 1 0 A 2 1 2 5", {{2, 1}, {2, 2}, {3, 3}, {3, 4}, {4, 5}}},
        {"65 1 0 A 9 0 -3 3", {{9, 0}, {8, 1}, {7, 2}}},
    };
    const Image face(12, 9, MakeColour(192, 192, 192));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.descriptor);
        const FaceKey key = Key(c.descriptor); // free: only the diagonal
        Image expected = face;
        for (auto [x, y] : c.pixels) expected.Set(x, y, kBlack);
        EXPECT_TRUE(Paint(face, {&key}, 0, true) == expected);
        EXPECT_TRUE(Paint(face, {&key}, 0, false) == face);
    }
}

TEST(FacePainter, KeysOutsideTheFaceAreClipped) {
    const Image face = OneKeyFace();
    // Half of the key lies left of the face: its visible legend pixels change.
    const FaceKey half = Key("65 0 0 A -4 2 10 8");
    EXPECT_TRUE(Paint(face, {&half}) == Recoloured(face, 0, 4, 4, 8, kDisable));

    std::vector<FaceKey> far = {Key("65 0 0 A 400 2 10 8", 1, "@x"),
                                Key("65 0 0 A 0 0 1 1", 1, "@x"),
                                Key("65 1 0 A 0 0 1 1", 1, "@x"),
                                Key("65 1 0 A -2147483648 5 2147483647 0", 1, "@x")};
    far[1].m_rect = {INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    far[2].m_rect = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    const Image painted = Paint(face, {&far[0], &far[1], &far[2], &far[3]}, 0, true);
    EXPECT_EQ(painted.Width(), face.Width());
    EXPECT_EQ(painted.Height(), face.Height());
    // The key that cannot be assigned and covers everything recolours every
    // black pixel of the face, also the one outside the small key.
    EXPECT_EQ(painted.Get(13, 5), kDisable);
    EXPECT_EQ(painted.Get(6, 5), kDisable);
}

// Nearest whole multiple of 96 DPI, a tie going down, never below 1.
TEST(FaceScale, MultipleFromTheMonitorsDpi) {
    for (const auto& [dpi, multiple] : {std::pair{0u, 1}, {72u, 1}, {96u, 1}, {120u, 1}, {144u, 1},
                                        {145u, 2}, {168u, 2}, {192u, 2}, {240u, 2}, {241u, 3},
                                        {288u, 3}, {~0u, 16}})
        EXPECT_EQ(FaceScale::ForDpi(dpi).Multiple(), multiple) << dpi;
}

// Every window pixel of a key's scaled rectangle maps back into the key, and
// no pixel around it does; left of and above the window is off the face.
TEST(FaceScale, WindowPixelsMapBackOntoTheirFacePixel) {
    const Rect key{20, 28, 37, 45};
    for (int multiple : {1, 2, 3}) {
        const FaceScale scale(multiple);
        const Rect shown = scale.ToWindow(key);
        for (int y = shown.top - 1; y <= shown.bottom; ++y)
            for (int x = shown.left - 1; x <= shown.right; ++x)
                ASSERT_EQ(key.Contains(scale.ToFace(x), scale.ToFace(y)), shown.Contains(x, y)) << x << "," << y;
        EXPECT_EQ(scale.ToFace(-1), -1) << multiple;
    }
}

// The height starts at the fifth character; numbers out of range are 0.
TEST(PressedLook, ScratchSizeFromItsText) {
    for (const auto& [text, size] : {std::pair{"120 050", "120x50"}, {"80 25", "80x5"}, {"64", "64x0"},
                                     {"abc 12", "0x12"}, {"-50 -90", "0x0"}, {"5000 0007", "0x7"}}) {
        const ScratchSize parsed = ParseScratchSize(text);
        EXPECT_EQ(std::to_string(parsed.width) + "x" + std::to_string(parsed.height), size) << text;
    }
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
