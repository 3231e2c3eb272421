#include "face/image.h"

#include <algorithm>

Image::Image(int width, int height, Colour fill)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)),
      m_indices(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), 0),
      m_palette{fill} {
    if (m_indices.empty()) m_width = m_height = 0;
}

Colour Image::Get(long long x, long long y) const {
    if (!Contains(x, y)) return kNoPixel;
    return m_colours.empty() ? m_palette[m_indices[At(x, y)]] : m_colours[At(x, y)];
}

bool Image::IndexOf(Colour colour, std::uint8_t& index) {
    if (m_palette[m_lastIndex] != colour) {
        const auto position = static_cast<std::size_t>(
            std::find(m_palette.begin(), m_palette.end(), colour) - m_palette.begin());
        if (position == m_palette.size()) {
            if (m_palette.size() == 256) return false;
            m_palette.push_back(colour);
        }
        m_lastIndex = static_cast<std::uint8_t>(position);
    }
    index = m_lastIndex;
    return true;
}

void Image::Set(long long x, long long y, Colour colour) {
    if (!Contains(x, y)) return;
    std::uint8_t index = 0;
    if (m_colours.empty() && IndexOf(colour, index)) {
        m_indices[At(x, y)] = index;
        return;
    }
    if (m_colours.empty()) { // one colour too many: a colour a pixel from now on
        m_colours.reserve(m_indices.size());
        for (std::uint8_t i : m_indices) m_colours.push_back(m_palette[i]);
        m_indices = {};
        m_palette = {};
    }
    m_colours[At(x, y)] = colour;
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

    // The area is read whole before any of it is written: source may be this picture.
    std::vector<Colour> area;
    area.reserve(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (long long y = 0; y < h; ++y)
        for (long long x = 0; x < w; ++x) area.push_back(source.Get(sx + x, sy + y));
    std::size_t i = 0;
    for (long long y = 0; y < h; ++y)
        for (long long x = 0; x < w; ++x) Set(dx + x, dy + y, area[i++]);
}

bool Image::operator==(const Image& o) const {
    if (m_width != o.m_width || m_height != o.m_height) return false;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (Get(x, y) != o.Get(x, y)) return false;
    return true;
}
