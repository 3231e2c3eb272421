#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "face/bmp_decoder.h"
#include "model/face_key.h"
#include "platform/portable/builtin_strings.h"

// The committed pictures drawn by tools/make_assets.
namespace {
using Bytes = std::vector<std::uint8_t>;

Bytes ReadResource(const std::string& name) {
    std::ifstream in(std::string(KLV_SOURCE_DIR) + "/resources/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Image DecodeResource(const std::string& name) {
    const Bytes bytes = ReadResource(name);
    return DecodeBitmapFile(bytes.data(), bytes.size()).value_or(Image());
}

const Colour kBlack = MakeColour(0, 0, 0);
const Colour kWhite = MakeColour(255, 255, 255);
const Colour kDarkGray = MakeColour(128, 128, 128);
} // namespace

TEST(FaceAssets, FacesAreFourBitWithTheSixteenColourTable) {
    const Colour table[16] = {
        MakeColour(0, 0, 0),       MakeColour(191, 0, 0),     MakeColour(0, 191, 0),
        MakeColour(191, 191, 0),   MakeColour(0, 0, 191),     MakeColour(191, 0, 191),
        MakeColour(0, 191, 191),   MakeColour(192, 192, 192), MakeColour(128, 128, 128),
        MakeColour(255, 0, 0),     MakeColour(0, 255, 0),     MakeColour(255, 255, 0),
        MakeColour(0, 0, 255),     MakeColour(255, 0, 255),   MakeColour(0, 255, 255),
        MakeColour(255, 255, 255),
    };
    for (const char* name : {"face0.bmp", "face1.bmp"}) {
        SCOPED_TRACE(name);
        const Bytes file = ReadResource(name);
        ASSERT_GE(file.size(), 118u);
        EXPECT_EQ(file[28], 4);  // bits per pixel
        EXPECT_EQ(file[30], 0);  // uncompressed
        for (int i = 0; i < 16; ++i) {
            const std::uint8_t* entry = &file[54 + 4 * i];
            EXPECT_EQ(MakeColour(entry[2], entry[1], entry[0]), table[i]) << "entry " << i;
        }
        const Image face = DecodeResource(name);
        EXPECT_EQ(face.Width(), 322);
        EXPECT_EQ(face.Height(), 136);
    }
}

// What painting relies on: each key's outer edge is bevelled, black pixels
// lie only inside its inner rectangle, keys that can be assigned have a black
// legend and the others none.
TEST(FaceAssets, FacesMatchTheKeyTable) {
    BuiltinStrings strings;
    std::vector<FaceKey> keys;
    std::string descriptor;
    for (unsigned id = 5000; id < 5100; ++id)
        if (strings.Load(id, descriptor)) keys.emplace_back(descriptor, strings);
    ASSERT_EQ(keys.size(), 63u);

    for (const char* name : {"face0.bmp", "face1.bmp"}) {
        const Image face = DecodeResource(name);
        ASSERT_FALSE(face.Empty()) << name;
        for (const FaceKey& key : keys) {
            SCOPED_TRACE(std::string(name) + " " + key.m_strLabel);
            const Rect& r = key.m_rect;
            int black = 0, misplaced = 0;
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x) {
                    if (face.Get(x, y) != kBlack) continue;
                    ++black;
                    const bool inner =
                        x >= r.left + 2 && x < r.right - 2 && y >= r.top + 2 && y < r.bottom - 2;
                    if (!inner) ++misplaced;
                }
            EXPECT_EQ(misplaced, 0);
            EXPECT_EQ(black > 0, key.m_bAssignable != 0);
            for (int x = r.left; x < r.right - 1; ++x) EXPECT_EQ(face.Get(x, r.top), kWhite);
            for (int y = r.top; y < r.bottom - 1; ++y) EXPECT_EQ(face.Get(r.left, y), kWhite);
            for (int x = r.left; x < r.right; ++x) EXPECT_EQ(face.Get(x, r.bottom - 1), kDarkGray);
            for (int y = r.top; y < r.bottom; ++y) EXPECT_EQ(face.Get(r.right - 1, y), kDarkGray);
        }
    }
}

TEST(FaceAssets, TheTwoFacesDifferOnlyInTheBottomLeftCorner) {
    const Image face0 = DecodeResource("face0.bmp");
    const Image face1 = DecodeResource("face1.bmp");
    ASSERT_FALSE(face0.Empty() || face1.Empty());
    int differences = 0;
    for (int y = 0; y < face0.Height(); ++y)
        for (int x = 0; x < face0.Width(); ++x)
            if (face0.Get(x, y) != face1.Get(x, y)) {
                ++differences;
                // Left of the space bar, from the A row down.
                EXPECT_TRUE(x < 76 && y >= 68) << x << "," << y;
            }
    EXPECT_GT(differences, 0);
}

TEST(FaceAssets, SmallPicturesHaveTheirSizes) {
    struct Case {
        const char* name;
        int width, height;
    };
    const Case cases[] = {
        {"fnkey.bmp", 20, 20},  {"list.bmp", 30, 60},   {"largeu.bmp", 23, 22},
        {"larged.bmp", 23, 22}, {"smallu.bmp", 23, 22}, {"smalld.bmp", 23, 22},
    };
    for (const Case& c : cases) {
        const Image image = DecodeResource(c.name);
        EXPECT_EQ(image.Width(), c.width) << c.name;
        EXPECT_EQ(image.Height(), c.height) << c.name;
    }
    // The view buttons keep light gray as their transparent colour.
    const Image up = DecodeResource("largeu.bmp");
    EXPECT_EQ(up.Get(11, 11), MakeColour(192, 192, 192));
}
