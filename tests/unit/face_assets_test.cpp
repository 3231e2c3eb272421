#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/face_key.h"
#include "pictures.h"
#include "platform/portable/builtin_strings.h"

// The committed faces drawn by tools/make_assets.
namespace {

const Colour kBlack = MakeColour(0, 0, 0);
const Colour kWhite = MakeColour(255, 255, 255);
const Colour kDarkGray = MakeColour(128, 128, 128);
} // namespace

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
        const Image face = ResourcePicture(name);
        ASSERT_FALSE(face.Empty()) << name;
        for (const FaceKey& key : keys) {
            SCOPED_TRACE(std::string(name) + " " + key.m_strLabel);
            const Rect& r = key.m_rect;
            int black = 0, misplaced = 0;
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x) {
                    if (face.Get(x, y) != kBlack) continue;
                    ++black;
                    misplaced +=
                        x < r.left + 2 || x >= r.right - 2 || y < r.top + 2 || y >= r.bottom - 2;
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
