#pragma once
#include <cstdint>

// The wave output volume that "-vol n" asks for. The level is the magnitude
// of n modulo 16 with the sign of n; the value is level * 4096 as a 32-bit
// two's-complement number, whose low word is the left channel's volume and
// whose high word is the right channel's.
int VolumeLevel(int n);
std::uint32_t VolumeValue(int n);
