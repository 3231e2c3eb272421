#include "face/image.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <map>

Image::Image(int width, int height, Colour fill)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)),
      m_pixels(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), fill) {
    if (m_pixels.empty()) m_width = m_height = 0;
}

Colour Image::Get(long long x, long long y) const {
    if (!Contains(x, y)) return kNoPixel;
    return m_pixels[static_cast<std::size_t>(y) * m_width + static_cast<std::size_t>(x)];
}

void Image::Set(long long x, long long y, Colour colour) {
    if (!Contains(x, y)) return;
    m_pixels[static_cast<std::size_t>(y) * m_width + static_cast<std::size_t>(x)] = colour;
}

Rect Image::Clip(const Rect& area) const {
    Rect clipped;
    clipped.left = std::clamp(area.left, 0, m_width);
    clipped.top = std::clamp(area.top, 0, m_height);
    clipped.right = std::clamp(area.right, clipped.left, m_width);
    clipped.bottom = std::clamp(area.bottom, clipped.top, m_height);
    return clipped;
}

void Image::Copy(const Image& source, long long sx, long long sy, long long w, long long h,
                 long long dx, long long dy) {
    // Narrow the area to the columns and rows that lie inside both pictures.
    auto narrow = [](long long& s, long long& d, long long& n, long long sLimit, long long dLimit) {
        const long long skip = std::max({0LL, -s, -d});
        s += skip;
        d += skip;
        n -= skip;
        n = std::min({n, sLimit - s, dLimit - d});
    };
    narrow(sx, dx, w, source.m_width, m_width);
    narrow(sy, dy, h, source.m_height, m_height);
    if (w <= 0 || h <= 0) return;

    // Rows are copied in the order that never reads a row already written
    // when source and destination share the picture.
    const bool upward = &source == this && dy > sy;
    for (long long i = 0; i < h; ++i) {
        const long long row = upward ? h - 1 - i : i;
        const Colour* from =
            &source.m_pixels[static_cast<std::size_t>((sy + row) * source.m_width + sx)];
        Colour* to = &m_pixels[static_cast<std::size_t>((dy + row) * m_width + dx)];
        std::memmove(to, from, static_cast<std::size_t>(w) * sizeof(Colour)); // rows may overlap
    }
}

PalettePicture::PalettePicture(Image picture) : m_width(picture.Width()), m_height(picture.Height()) {
    std::vector<std::uint8_t> indices;
    indices.reserve(picture.Pixels().size());
    std::map<Colour, std::uint8_t> indexOf;
    for (Colour pixel : picture.Pixels()) {
        auto known = indexOf.find(pixel);
        if (known == indexOf.end()) {
            if (m_palette.size() == 256) { // too many colours: kept whole
                m_palette.clear();
                m_whole = std::move(picture);
                return;
            }
            known = indexOf.emplace(pixel, static_cast<std::uint8_t>(m_palette.size())).first;
            m_palette.push_back(pixel);
        }
        indices.push_back(known->second);
    }
    m_indices = std::move(indices);
}

void PalettePicture::ExpandInto(Image& target) const {
    if (m_indices.empty()) {
        target = m_whole;
        return;
    }
    if (target.Width() != m_width || target.Height() != m_height) target = Image(m_width, m_height);
    std::size_t i = 0;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) target.Set(x, y, m_palette[m_indices[i++]]);
}
