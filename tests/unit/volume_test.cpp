#include <gtest/gtest.h>

#include <climits>

#include "app/volume.h"

TEST(Volume, LevelIsTheSignedMagnitudeModuloSixteenTimes4096) {
    const struct {
        int n;
        int level;
        std::uint32_t value;
    } cases[] = {
        {15, 15, 0xF000}, // the loudest level: left channel only
        {16, 0, 0x0000},
        {20, 4, 0x4000},
        {-3, -3, 0xFFFFD000}, // two's complement: the right channel gets 0xFFFF
        {-17, -1, 0xFFFFF000},
        {INT_MIN, 0, 0x0000}, // its magnitude does not fit an int
        {INT_MIN + 1, -15, 0xFFFF1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(VolumeLevel(c.n), c.level);
        EXPECT_EQ(VolumeValue(c.n), c.value);
    }
}
