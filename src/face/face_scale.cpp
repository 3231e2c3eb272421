#include "face/face_scale.h"

FaceScale FaceScale::ForDpi(unsigned dpi) {
    // Nearest, a tie going down; no sum that could wrap.
    constexpr unsigned kMaxMultiple = 16; // beyond every display's DPI; keeps the products small
    const unsigned multiple =
        dpi < kFaceDpi ? 1 : dpi / kFaceDpi + (dpi % kFaceDpi > kFaceDpi / 2 ? 1 : 0);
    return FaceScale(static_cast<int>(multiple < kMaxMultiple ? multiple : kMaxMultiple));
}
