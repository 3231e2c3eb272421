#include "face/legend_mask.h"

LegendMask::LegendMask(const Image& face) : m_width(face.Width()), m_height(face.Height()) {
    m_legend.reserve(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height));
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) m_legend.push_back(face.Get(x, y) == MakeColour(0, 0, 0));
}

bool LegendMask::IsLegend(long long x, long long y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return false;
    return m_legend[static_cast<std::size_t>(y * m_width + x)];
}

