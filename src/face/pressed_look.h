#pragma once
#include <string>

#include "face/image.h"

class StringTable;

// Size of the key scratch picture, from a text such as "120 050": the width
// is the number at the start, the height the number that starts at the
// fifth character. Missing or negative numbers, and numbers beyond 4096, give 0.
struct ScratchSize {
    int width = 0;
    int height = 0;
};
ScratchSize ParseScratchSize(const std::string& text);
ScratchSize LoadScratchSize(const StringTable& strings); // string 64

// The part of the frame a press or release of key can change: the key plus
// the row and column just past its right and bottom edges, corners taken in
// either order, edges at the int limits kept there.
Rect PressedArea(const Rect& key);

// The pressed look of a key, drawn on the frame picture and undone again.
//
// Press saves the key's pixels in the scratch picture, swaps the two bevel
// colours over the key, moves the key top one pixel right and down and, when
// debugging, draws the key's diagonal; Release puts the saved pixels back.
// The saved area is PressedArea(key), which holds what the diagonal can
// touch, clipped to the frame. The scratch starts at the size it is given
// and grows whenever that area is larger, so a release restores every pixel
// of any key, also of keys scaled far beyond the scratch's first size.
class PressedLook {
public:
    explicit PressedLook(ScratchSize scratch);

    void Press(Image& frame, const Rect& key, Colour white, Colour darkGray, bool debug);
    // key is the rectangle given to the last Press; the saved pixels go back
    // to the same place relative to it.
    void Release(Image& frame, const Rect& key) const;

    int ScratchWidth() const { return m_scratch.Width(); }
    int ScratchHeight() const { return m_scratch.Height(); }

private:
    Image m_scratch;
    // The saved area: its size, and its top-left corner relative to the key's.
    long long m_savedWidth = 0, m_savedHeight = 0;
    long long m_savedX = 0, m_savedY = 0;
};
