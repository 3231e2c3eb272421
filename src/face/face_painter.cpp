#include "face/face_painter.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/options.h"

namespace {
bool IsPopupCommand(const std::string& command) { return !command.empty() && command[0] == '@'; }

// i * delta / steps rounded to the nearest integer, halves towards zero, for
// 0 <= i < steps and |delta| <= steps. Unsigned 64-bit arithmetic holds the
// product even for lines across the whole coordinate range.
long long ScaledStep(long long i, long long delta, long long steps) {
    const std::uint64_t product =
        static_cast<std::uint64_t>(i) * static_cast<std::uint64_t>(std::llabs(delta));
    const std::uint64_t divisor = static_cast<std::uint64_t>(steps);
    std::uint64_t quotient = product / divisor;
    if (2 * (product % divisor) > divisor) ++quotient;
    const long long magnitude = static_cast<long long>(quotient);
    return delta < 0 ? -magnitude : magnitude;
}

// Each legend pixel of the face inside the area takes the colour, the way a
// raster operation "destination OR (colour AND mask)" gives it on a
// true-colour display: a black face pixel becomes the colour itself.
void RecolourLegend(Image& frame, const LegendMask& mask, long long left, long long top,
                    long long right, long long bottom, Colour colour) {
    left = std::max(left, 0LL);
    top = std::max(top, 0LL);
    right = std::min<long long>(right, frame.Width());
    bottom = std::min<long long>(bottom, frame.Height());
    for (long long y = top; y < bottom; ++y)
        for (long long x = left; x < right; ++x)
            if (mask.IsLegend(x, y)) frame.Set(x, y, frame.Get(x, y) | colour);
}

// A small triangle pointing into the top-left corner of the inner rectangle.
void DrawPopupMark(Image& frame, long long left, long long top, Colour colour) {
    static constexpr int kOffsets[][2] = {{-1, -1}, {-1, 0}, {-1, 1}, {0, 0}, {0, -1}, {1, -1}};
    for (const auto& offset : kOffsets) frame.Set(left + offset[0], top + offset[1], colour);
}
} // namespace

void DrawKeyDiagonal(Image& frame, const Rect& key) {
    const long long dx = static_cast<long long>(key.right) - key.left;
    const long long dy = static_cast<long long>(key.bottom) - key.top;
    const long long steps = std::max(std::llabs(dx), std::llabs(dy));
    if (steps == 0) return;

    // Along the longer axis the line advances one pixel per step, so only the
    // steps whose coordinate on that axis lies inside the frame need drawing.
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const long long start = alongX ? key.left : key.top;
    const long long direction = (alongX ? dx : dy) < 0 ? -1 : 1;
    const long long extent = alongX ? frame.Width() : frame.Height();
    long long first = 0, last = steps - 1;
    if (direction > 0) {
        first = std::max(first, -start);
        last = std::min(last, extent - 1 - start);
    } else {
        first = std::max(first, start - (extent - 1));
        last = std::min(last, start);
    }
    for (long long i = first; i <= last; ++i) {
        const long long x = key.left + ScaledStep(i, dx, steps);
        const long long y = key.top + ScaledStep(i, dy, steps);
        frame.Set(x, y, MakeColour(0, 0, 0));
    }
}

Image ComposeFrame(const Image& face, const LegendMask& mask,
                   const std::vector<const FaceKey*>& keys, const FacePaintStyle& style) {
    Image frame = face;
    PaintKeyStates(frame, mask, keys, style);
    return frame;
}

void PaintKeyStates(Image& frame, const LegendMask& mask, const std::vector<const FaceKey*>& keys,
                    const FacePaintStyle& style) {
    const bool markPopups = (style.options & OPT_NOMARK) == 0;
    for (const FaceKey* key : keys) {
        if (key == nullptr) continue;
        if (style.debug) DrawKeyDiagonal(frame, key->m_rect);
        if (key->m_bAssignable && !key->m_bAssigned) continue;

        const Colour colour = key->m_bAssignable ? style.highlite : style.disable;
        const long long left = key->m_rect.left + 2LL, top = key->m_rect.top + 2LL;
        RecolourLegend(frame, mask, left, top, key->m_rect.right - 2LL, key->m_rect.bottom - 2LL,
                       colour);
        if (markPopups && IsPopupCommand(key->m_strCommand))
            DrawPopupMark(frame, left, top, style.mark);
    }
}
