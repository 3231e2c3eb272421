#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

#include "face/image.h"

// Decoding of uncompressed palette bitmaps (1, 4 or 8 bits per pixel, a
// 40-byte information header, one plane), the kind the faces are drawn in.
// Anything else, and anything damaged or cut short, gives no image; the
// decoders never read outside the bytes they are given and refuse pictures
// wider or higher than kMaxBitmapSide before allocating anything.
//
// The colour table holds the header's count of used colours when that count
// lies between 1 and 2^bits, else 2^bits entries, as the display's own
// conversion takes it; a pixel index beyond the table is black. Rows run
// bottom-up, or top-down when the height is negative, each padded to 4 bytes.

constexpr int kMaxBitmapSide = 4096;

// A bitmap file: 14-byte file header (file size at offset 2, data offset at
// offset 10), information header, colour table, and the pixel data from the
// data offset. The pixel rows must lie within both the bytes given and the
// file size the header states.
std::optional<Image> DecodeBitmapFile(const std::uint8_t* data, std::size_t size);

// A packed bitmap as a bitmap resource stores it: information header, colour
// table and the pixel rows right after it.
std::optional<Image> DecodePackedDib(const std::uint8_t* data, std::size_t size);
