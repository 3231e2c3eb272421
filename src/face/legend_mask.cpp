#include "face/legend_mask.h"

LegendMask::LegendMask(const Image& face) : m_width(face.Width()), m_height(face.Height()) {
    m_legend.reserve(face.Pixels().size());
    for (Colour pixel : face.Pixels()) m_legend.push_back(pixel == MakeColour(0, 0, 0));
}

bool LegendMask::IsLegend(long long x, long long y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return false;
    return m_legend[static_cast<std::size_t>(y * m_width + x)];
}

