#include "app/volume.h"

// C++ remainder keeps the sign of the dividend and is defined for every int,
// INT_MIN included, so n % 16 is already the signed level.
int VolumeLevel(int n) {
    return n % 16;
}

// Unsigned arithmetic wraps, which gives the two's-complement value of a
// negative level without signed overflow.
std::uint32_t VolumeValue(int n) {
    return static_cast<std::uint32_t>(VolumeLevel(n)) * 4096u;
}
