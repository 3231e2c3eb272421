#pragma once
#include "common/geometry.h"

// How many window pixels, across and down, one face pixel takes, and the
// mapping between the two. The face, its key rectangles and everything the
// core places on it stay in face pixels; the window applies this where face
// pixels meet its own.
class FaceScale {
public:
    // The face's pixels were drawn for 96 dots per inch (100% scaling).
    static constexpr unsigned kFaceDpi = 96;

    // The whole multiple nearest to dpi / 96, a tie going down, at least 1:
    // 120 (125%) and 144 (150%) give 1, 168 (175%) and 192 (200%) give 2,
    // 288 (300%) gives 3. Only whole multiples keep the pixel art sharp;
    // nearest keeps the face closest to the size of the rest of the screen,
    // and the tie goes down since a face a third too large for a notebook's
    // screen costs more room than one a third too small.
    static FaceScale ForDpi(unsigned dpi);

    explicit FaceScale(int multiple = 1) : m_multiple(multiple < 1 ? 1 : multiple) {}
    int Multiple() const { return m_multiple; }

    int ToWindow(int face) const { return face * m_multiple; }
    Rect ToWindow(const Rect& face) const {
        return {ToWindow(face.left), ToWindow(face.top), ToWindow(face.right), ToWindow(face.bottom)};
    }
    // The face pixel under a window pixel, rounding towards minus infinity:
    // a captured pointer left of or above the window lies off the face.
    int ToFace(int window) const {
        return window >= 0 ? window / m_multiple : -((-window + m_multiple - 1) / m_multiple);
    }

private:
    int m_multiple;
};
