#pragma once
#include <cstdint>
#include <vector>

#include "common/geometry.h"

// A true-colour picture in memory, row by row from the top. Every pixel
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

    // Pixels row by row, Width() x Height() of them.
    const std::vector<Colour>& Pixels() const { return m_pixels; }

    bool operator==(const Image& o) const {
        return m_width == o.m_width && m_height == o.m_height && m_pixels == o.m_pixels;
    }
    bool operator!=(const Image& o) const { return !(*this == o); }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<Colour> m_pixels;
};

// A picture of at most 256 colours kept as one palette index a pixel, a
// quarter of its size as an Image; a picture of more colours is kept whole.
class PalettePicture {
public:
    PalettePicture() = default;
    explicit PalettePicture(Image picture);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The picture again, into target (reusing its memory when it can).
    void ExpandInto(Image& target) const;

private:
    int m_width = 0, m_height = 0;
    std::vector<std::uint8_t> m_indices; // row by row; empty when kept whole
    std::vector<Colour> m_palette;
    Image m_whole;
};
