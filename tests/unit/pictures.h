#pragma once
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "face/bmp_decoder.h"

// The bytes of a committed file under resources/ (KLV_SOURCE_DIR: the
// source tree as the test binary sees it).
inline std::vector<std::uint8_t> ResourceBytes(const std::string& name) {
    std::ifstream in(std::string(KLV_SOURCE_DIR) + "/resources/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A committed bitmap file decoded; empty when it cannot be.
inline Image ResourcePicture(const std::string& name) {
    const std::vector<std::uint8_t> bytes = ResourceBytes(name);
    return DecodeBitmapFile(bytes.data(), bytes.size()).value_or(Image());
}

// A picture from rows of letters: K black, W white, D dark gray, L light
// gray, any other green.
inline Image Art(const std::vector<std::string>& rows) {
    Image image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const char c = rows[y][x];
            image.Set(x, y,
                      c == 'K'   ? MakeColour(0, 0, 0)
                      : c == 'W' ? MakeColour(255, 255, 255)
                      : c == 'D' ? MakeColour(128, 128, 128)
                      : c == 'L' ? MakeColour(192, 192, 192)
                                 : MakeColour(0, 128, 0));
        }
    return image;
}
