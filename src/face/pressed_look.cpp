#include "face/pressed_look.h"

#include <algorithm>
#include <climits>

#include "common/decimal.h"
#include "common/string_ids.h"
#include "face/face_painter.h"
#include "platform/ports/string_table.h"

namespace {
constexpr int kMaxScratchSide = 4096;

// The leading decimal number of text, as atoi reads it; 0 when there is none
// or when it is negative or beyond any sensible picture size.
int LeadingNumber(const char* text) {
    const int value = LeadingDecimal(text);
    return value < 0 || value > kMaxScratchSide ? 0 : value;
}
} // namespace

// The rectangle spanned by the key's corners, both included, in int range.
Rect PressedArea(const Rect& key) {
    auto clamp = [](long long v) {
        return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
    };
    return {std::min(key.left, key.right), std::min(key.top, key.bottom),
            clamp(std::max<long long>(key.left, key.right) + 1),
            clamp(std::max<long long>(key.top, key.bottom) + 1)};
}

ScratchSize ParseScratchSize(const std::string& text) {
    ScratchSize size;
    size.width = LeadingNumber(text.c_str());
    if (text.size() > 4) size.height = LeadingNumber(text.c_str() + 4);
    return size;
}

ScratchSize LoadScratchSize(const StringTable& strings) {
    return ParseScratchSize(strings.Get(IDS_SCRATCH_SIZE));
}

PressedLook::PressedLook(ScratchSize scratch) : m_scratch(scratch.width, scratch.height) {}

void PressedLook::Press(Image& frame, const Rect& key, Colour white, Colour darkGray, bool debug) {
    // Save what the key shows now, together with the row and column beyond
    // it that the debug diagonal can reach when it rounds past the key, so
    // that the release always restores every pixel the press changed.
    const Rect saved = frame.Clip(PressedArea(key));
    if (saved.Width() > m_scratch.Width() || saved.Height() > m_scratch.Height())
        m_scratch = Image(std::max(saved.Width(), m_scratch.Width()),
                          std::max(saved.Height(), m_scratch.Height()));
    m_scratch.Copy(frame, saved.left, saved.top, saved.Width(), saved.Height(), 0, 0);
    m_savedWidth = saved.Width();
    m_savedHeight = saved.Height();
    m_savedX = static_cast<long long>(saved.left) - key.left;
    m_savedY = static_cast<long long>(saved.top) - key.top;

    const Rect swapped = frame.Clip(key);
    // Light edges become shaded and shaded ones light.
    for (int x = swapped.left; x < swapped.right; ++x) {
        for (int y = swapped.top; y < swapped.bottom; ++y) {
            const Colour pixel = frame.Get(x, y);
            if (pixel == white)
                frame.Set(x, y, darkGray);
            else if (pixel == darkGray)
                frame.Set(x, y, white);
        }
    }

    // The key top, inside the outer edge, moves one pixel right and down; the
    // row and column it leaves keep their swapped colours.
    const long long width = static_cast<long long>(key.right) - key.left;
    const long long height = static_cast<long long>(key.bottom) - key.top;
    frame.Copy(frame, key.left + 1LL, key.top + 1LL, width - 3, height - 3, key.left + 2LL,
               key.top + 2LL);

    if (debug) DrawKeyDiagonal(frame, key);
}

void PressedLook::Release(Image& frame, const Rect& key) const {
    frame.Copy(m_scratch, 0, 0, m_savedWidth, m_savedHeight, key.left + m_savedX,
               key.top + m_savedY);
}
