#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/geometry.h"

// A picture in memory, row by row from the top. While it has at most 256
// colours it keeps one palette index a pixel, a quarter of the memory of a
// colour each; the 257th colour turns it into a colour a pixel. Every pixel
// access is bounds-checked: reads outside give kNoPixel, writes outside are
// dropped, and copies are clipped to both pictures.
class Image {
public:
    // What a read outside the picture gives, like the display's "invalid colour".
    static constexpr Colour kNoPixel = 0xFFFFFFFF;

    Image() = default;
    Image(int width, int height, Colour fill = 0);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_width == 0 || m_height == 0; }
    bool Contains(long long x, long long y) const {
        return x >= 0 && y >= 0 && x < m_width && y < m_height;
    }

    Colour Get(long long x, long long y) const;
    void Set(long long x, long long y, Colour colour);

    // The part of area that lies inside the picture (empty when none does).
    Rect Clip(const Rect& area) const;

    // Copies width x height pixels from source at (srcX, srcY) to this
    // picture at (dstX, dstY). Pixels whose source or destination lies
    // outside its picture are skipped. source may be this picture: the
    // result is as if the area had been read completely before writing.
    // Coordinates are 64-bit so that callers can offset far-off rectangles freely.
    void Copy(const Image& source, long long srcX, long long srcY, long long width,
              long long height, long long dstX, long long dstY);

    // Same size and the same colour at every pixel, however each is kept.
    bool operator==(const Image& o) const;
    bool operator!=(const Image& o) const { return !(*this == o); }

private:
    std::size_t At(long long x, long long y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
               static_cast<std::size_t>(x);
    }
    // The palette index of colour, added when new; false when the palette is full.
    bool IndexOf(Colour colour, std::uint8_t& index);

    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_indices; // row by row, while the palette is in use
    std::vector<Colour> m_palette;
    std::vector<Colour> m_colours;       // row by row, once there are too many colours
    std::uint8_t m_lastIndex = 0;        // the index last looked up: pictures come in runs
};
