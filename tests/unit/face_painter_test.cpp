#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "face/face_painter.h"
#include "common/options.h"
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
