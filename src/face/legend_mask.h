#pragma once
#include <vector>

#include "face/image.h"

// The legend pixels of a face: exactly the pixels that are pure black
// (RGB 0, 0, 0). Painting recolours only these.
class LegendMask {
public:
    LegendMask() = default;
    explicit LegendMask(const Image& face);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // False outside the face.
    bool IsLegend(long long x, long long y) const;

    bool operator==(const LegendMask& o) const {
        return m_width == o.m_width && m_height == o.m_height && m_legend == o.m_legend;
    }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<bool> m_legend; // true on legend pixels, row by row; a bit each
};
