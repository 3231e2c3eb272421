#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "face/face_painter.h"
#include "model/options.h"
#include "platform/portable/builtin_strings.h"

namespace {
const Colour kBlack = MakeColour(0, 0, 0);
const Colour kWhite = MakeColour(255, 255, 255);
const Colour kDark = MakeColour(128, 128, 128);
const Colour kLight = MakeColour(192, 192, 192);
const Colour kGround = MakeColour(0, 128, 0);
const Colour kHighlite = MakeColour(0, 0, 255);
const Colour kDisable = MakeColour(200, 100, 50);
const Colour kMark = MakeColour(255, 0, 0);

// A picture from rows of letters: K black, W white, D dark gray, L light
// gray, '.' the ground colour.
Image Art(const std::vector<std::string>& rows) {
    Image image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const char c = rows[y][x];
            image.Set(x, y, c == 'K' ? kBlack : c == 'W' ? kWhite : c == 'D' ? kDark
                            : c == 'L' ? kLight : kGround);
        }
    return image;
}

// One key at (2, 2), 10 x 8: black legend pixels inside its inner rectangle,
// black pixels on its two-pixel border and one outside the key.
const std::vector<std::string> kOneKey = {
    "..............",
    "..............",
    "..WWWWWWWWWD..",
    "..WKLLLLLLDD..",
    "..WLKLLKLLDD..",
    "..WLLKKLLKDD.K",
    "..WLLLLLKLDD..",
    "..WLLKLLLLDD..",
    "..WLLLLLLKDD..",
    "..DDDDDDDDDD..",
    "..............",
};

FaceKey Key(const std::string& descriptor, int assigned = 0, const std::string& command = "none") {
    static const BuiltinStrings strings;
    FaceKey key(descriptor, strings);
    key.m_bAssigned = assigned;
    key.m_strCommand = command;
    return key;
}

Image Paint(const Image& face, const std::vector<const FaceKey*>& keys, std::uint32_t options = 0,
            bool debug = false) {
    FacePaintStyle style;
    style.highlite = kHighlite;
    style.disable = kDisable;
    style.mark = kMark;
    style.options = options;
    style.debug = debug;
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

TEST(FacePainter, LegendsTakeTheColourOfTheKeyStateInsideTheInnerRectangleOnly) {
    struct Case {
        const char* what;
        int assignable, assigned;
        bool recoloured;
        Colour colour;
    };
    const Case cases[] = {
        {"free key: unchanged", 1, 0, false, 0},
        {"assigned key", 1, 1, true, kHighlite},
        {"not assignable", 0, 0, true, kDisable},
        {"made not assignable while assigned (KEY_DISABLED)", 0, 1, true, kDisable},
    };
    const Image face = Art(kOneKey);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FaceKey key = Key("65 1 0 A 2 2 10 8", c.assigned);
        key.m_bAssignable = c.assignable;
        const Image expected = c.recoloured ? Recoloured(face, 4, 4, 10, 8, c.colour) : face;
        EXPECT_TRUE(Paint(face, {&key}) == expected);
    }
}

TEST(FacePainter, PopupMarkOnlyForPopupListsWhileMarksAreOn) {
    struct Case {
        const char* what;
        std::string command;
        int assignable, assigned;
        std::uint32_t options;
        bool marked;
    };
    const Case cases[] = {
        {"popup list, marks on", "@Games", 1, 1, 0, true},
        {"popup list, marks off", "@Games", 1, 1, OPT_NOMARK, false},
        {"popup list on a key that is not assignable", "@Games", 0, 0, 0, true},
        {"direct assignment", "notepad.exe", 1, 1, 0, false},
        {"direct assignment naming a list later", "run @Games", 1, 1, 0, false},
        {"free key with a stale popup command", "@Games", 1, 0, 0, false},
        {"empty command", "", 0, 0, 0, false},
    };
    const Image face = Art(kOneKey);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FaceKey key = Key("65 1 0 A 2 2 10 8", c.assigned, c.command);
        key.m_bAssignable = c.assignable;
        const Image painted = Paint(face, {&key}, c.options);
        Image expected = face;
        if (c.assignable == 0 || c.assigned != 0)
            expected = Recoloured(face, 4, 4, 10, 8, c.assignable ? kHighlite : kDisable);
        if (c.marked) // inner rectangle's corner is (4, 4)
            for (auto [x, y] : {std::pair{3, 3}, {3, 4}, {3, 5}, {4, 4}, {4, 3}, {5, 3}})
                expected.Set(x, y, kMark);
        EXPECT_TRUE(painted == expected);
    }
}

TEST(FacePainter, DebugDiagonalOnEveryKeyWithoutItsEndPoint) {
    struct Case {
        std::string descriptor;
        std::vector<std::pair<int, int>> pixels;
    };
    const Case cases[] = {
        {"65 1 0 A 1 1 4 4", {{1, 1}, {2, 2}, {3, 3}, {4, 4}}},
        {"65 1 0 A 1 2 5 2", {{1, 2}, {2, 2}, {3, 3}, {4, 3}, {5, 4}}},
        {"65 1 0 A 2 1 2 5", {{2, 1}, {2, 2}, {3, 3}, {3, 4}, {4, 5}}},
        {"65 1 0 A 0 6 6 0", {{0, 6}, {1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}}},
        {"65 1 0 A 9 0 -3 3", {{9, 0}, {8, 1}, {7, 2}}},
    };
    const Image face(12, 9, kLight);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.descriptor);
        const FaceKey key = Key(c.descriptor); // free: only the diagonal
        Image expected = face;
        for (auto [x, y] : c.pixels) expected.Set(x, y, kBlack);
        EXPECT_TRUE(Paint(face, {&key}, 0, true) == expected);
        EXPECT_TRUE(Paint(face, {&key}, 0, false) == face);
    }
}

TEST(FacePainter, KeysOutsideTheFaceAreClipped) {
    const Image face = Art(kOneKey);
    // Half of the key lies left of the face: its visible legend pixels change.
    const FaceKey half = Key("65 0 0 A -4 2 10 8");
    EXPECT_TRUE(Paint(face, {&half}) == Recoloured(face, 0, 4, 4, 8, kDisable));

    std::vector<FaceKey> far = {
        Key("65 0 0 A 400 2 10 8", 1, "@x"),
        Key("65 0 0 A -2147483648 -2147483648 2147483647 2147483647", 1, "@x"),
        Key("65 1 0 A 2147483647 2147483647 2147483647 2147483647", 1, "@x"),
        Key("65 1 0 A -2147483648 5 2147483647 0", 1, "@x"),
    };
    far[1].m_rect = {INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    far[2].m_rect = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    std::vector<const FaceKey*> keys;
    for (const FaceKey& key : far) keys.push_back(&key);
    const Image painted = Paint(face, keys, 0, true);
    EXPECT_EQ(painted.Width(), face.Width());
    EXPECT_EQ(painted.Height(), face.Height());
    // The key that is not assignable and covers everything recolours every
    // black pixel of the face, also the one outside the small key.
    EXPECT_EQ(painted.Get(13, 5), kDisable);
    EXPECT_EQ(painted.Get(6, 5), kDisable);
}
